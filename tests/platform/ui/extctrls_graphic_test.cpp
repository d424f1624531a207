// The drawing controls: a loaded picture stretched on screen, where TImage
// places its picture, TPaintBox's OnPaint, and a form description placing
// each control read and written back.
#include "platform/rtl/writer.h"
#include "platform/ui/extctrls_graphic.h"
#include "tests/platform/ui/control_fixture.h"
#include "tests/platform/win/window_fixture.h"
#include "tests/support/temp_dir.h"

namespace {

// A picture file: left half red, right half blue.
void WriteTwoColourBitmap(const AnsiString& fileName) {
    TBitmap bitmap;
    bitmap.SetSize(4, 2);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(Rect(0, 0, 2, 2));
    bitmap.Canvas()->Brush()->SetColor(clBlue);
    bitmap.Canvas()->FillRect(Rect(2, 0, 4, 2));
    bitmap.SaveToFile(fileName);
}

}  // namespace

class ExtCtrlsGraphicTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        form = NewForm(320, 240);
        // A borderless panel so window and client coordinates agree in screenshots.
        surface = TPanel::Create(form);
        surface->SetParent(form);
        surface->SetBevelOuter(bvNone);
        surface->SetBounds(0, 0, 300, 200);
        surface->SetColor(clWhite);
        form->Show();
        ProcessMessages();
    }
    TForm* form = nullptr;
    TPanel* surface = nullptr;
};

TEST_F(ExtCtrlsGraphicTest, LoadedPictureStretchedShowsOnScreen) {
    TempDir dir;
    WriteTwoColourBitmap(dir.file("two.bmp"));
    TImage* image = TImage::Create(form);
    image->SetParent(surface);
    image->SetBounds(10, 20, 80, 40);
    image->Picture()->LoadFromFile(dir.file("two.bmp"));
    image->SetStretch(true);
    ProcessMessages();
    const HWND window = surface->Handle();
    EXPECT_EQ(ShownPixel(window, 12, 22), RGB(255, 0, 0));
    EXPECT_EQ(ShownPixel(window, 45, 55), RGB(255, 0, 0));
    EXPECT_EQ(ShownPixel(window, 55, 25), RGB(0, 0, 255));
    EXPECT_EQ(ShownPixel(window, 88, 58), RGB(0, 0, 255));
    EXPECT_EQ(ShownPixel(window, 92, 30), RGB(255, 255, 255));  // beside the image
    image->SetStretch(false);
    ProcessMessages();
    EXPECT_EQ(ShownPixel(window, 13, 21), RGB(0, 0, 255));
    EXPECT_EQ(ShownPixel(window, 20, 30), RGB(255, 255, 255));
}

TEST_F(ExtCtrlsGraphicTest, ImagePlacesItsPictureByStretchCenterAndProportional) {
    TImage* image = TImage::Create(form);
    image->SetBounds(0, 0, 100, 50);
    TBitmap bitmap;
    bitmap.SetSize(20, 10);
    image->Picture()->SetGraphic(&bitmap);
    struct Case {
        bool stretch, center, proportional;
        int width, height;  // the picture's
        TRect expected;
    };
    const Case cases[] = {
        {false, false, false, 20, 10, {0, 0, 20, 10}},
        {false, true, false, 20, 10, {40, 20, 60, 30}},
        {true, false, false, 20, 10, {0, 0, 100, 50}},
        {true, false, true, 20, 20, {0, 0, 50, 50}},
        {true, true, true, 20, 20, {25, 0, 75, 50}},
        // Proportional alone only shrinks a picture too large for the control.
        {false, false, true, 20, 20, {0, 0, 20, 20}},
        {false, true, true, 400, 100, {0, 12, 100, 37}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stretch << c.center << c.proportional << " " << c.width);
        bitmap.SetSize(c.width, c.height);
        image->Picture()->SetGraphic(&bitmap);
        image->SetStretch(c.stretch);
        image->SetCenter(c.center);
        image->SetProportional(c.proportional);
        const TRect r = image->DestRect();
        EXPECT_EQ(r.left, c.expected.left);
        EXPECT_EQ(r.top, c.expected.top);
        EXPECT_EQ(r.right, c.expected.right);
        EXPECT_EQ(r.bottom, c.expected.bottom);
    }
    image->SetAutoSize(true);
    EXPECT_EQ(image->Width(), 400);
    EXPECT_EQ(image->Height(), 100);
}

TEST_F(ExtCtrlsGraphicTest, ShapeFillsWithItsBrushAndPaintBoxDrawsInOnPaint) {
    TShape* shape = TShape::Create(form);
    shape->SetParent(surface);
    shape->SetBounds(10, 10, 40, 40);
    shape->Brush()->SetColor(clLime);
    TPaintBox* box = TPaintBox::Create(form);
    box->SetParent(surface);
    box->SetBounds(100, 10, 40, 40);
    int paints = 0;
    box->SetOnPaint([&](TObject* sender) {
        ++paints;
        EXPECT_EQ(sender, box);
        box->Canvas()->Brush()->SetColor(clFuchsia);
        box->Canvas()->FillRect(Rect(0, 0, 20, 20));
    });
    box->Invalidate();
    ProcessMessages();
    const HWND window = surface->Handle();
    EXPECT_GE(paints, 1);
    EXPECT_EQ(ShownPixel(window, 10, 10), RGB(0, 0, 0));  // the pen's outline
    EXPECT_EQ(ShownPixel(window, 30, 30), RGB(0, 255, 0));
    EXPECT_EQ(ShownPixel(window, 105, 15), RGB(255, 0, 255));
    EXPECT_EQ(ShownPixel(window, 130, 40), RGB(255, 255, 255));
}

TEST_F(ExtCtrlsGraphicTest, BevelShadowSideFollowsItsStyle) {
    TBevel* bevel = TBevel::Create(form);
    bevel->SetParent(surface);
    bevel->SetBounds(10, 10, 50, 30);
    ProcessMessages();
    const HWND window = surface->Handle();
    const COLORREF shadow = ColorToRGB(clBtnShadow), light = ColorToRGB(clBtnHighlight);
    EXPECT_EQ(ShownPixel(window, 10, 20), shadow);
    EXPECT_EQ(ShownPixel(window, 59, 20), light);
    bevel->SetStyle(bsRaised);
    ProcessMessages();
    EXPECT_EQ(ShownPixel(window, 10, 20), light);
    EXPECT_EQ(ShownPixel(window, 59, 20), shadow);
    bevel->SetShape(bsTopLine);
    ProcessMessages();
    EXPECT_EQ(ShownPixel(window, 30, 10), light);
    EXPECT_EQ(ShownPixel(window, 30, 11), shadow);
    EXPECT_EQ(ShownPixel(window, 10, 20), RGB(255, 255, 255));
}

TEST_F(ExtCtrlsGraphicTest, FormDescriptionPlacingEachControlReadsAndWritesBack) {
    const std::string text = R"(object Form1: TForm
  Left = 50
  Top = 50
  Width = 320
  Height = 240
  object Image1: TImage
    Left = 8
    Top = 8
    Width = 64
    Height = 32
    Center = True
    Proportional = True
    Stretch = True
    Transparent = True
  end
  object Bevel1: TBevel
    Left = 8
    Top = 48
    Width = 200
    Height = 2
    Shape = bsTopLine
    Style = bsRaised
  end
  object Shape1: TShape
    Left = 8
    Top = 56
    Width = 40
    Height = 40
    Brush.Color = clYellow
    Pen.Width = 3
    Shape = stCircle
  end
  object PaintBox1: TPaintBox
    Left = 56
    Top = 56
    Width = 40
    Height = 40
  end
end
)";
    TForm* loaded = TForm::Create(Application, 0);
    ReadComponentFromString(text, loaded);
    auto* image = dynamic_cast<TImage*>(loaded->FindComponent("Image1"));
    auto* bevel = dynamic_cast<TBevel*>(loaded->FindComponent("Bevel1"));
    auto* shape = dynamic_cast<TShape*>(loaded->FindComponent("Shape1"));
    auto* box = dynamic_cast<TPaintBox*>(loaded->FindComponent("PaintBox1"));
    ASSERT_TRUE(image && bevel && shape && box);
    EXPECT_TRUE(image->Stretch() && image->Center() && image->Proportional() && image->Transparent());
    EXPECT_EQ(bevel->Shape(), bsTopLine);
    EXPECT_EQ(bevel->Style(), bsRaised);
    EXPECT_EQ(shape->Shape(), stCircle);
    EXPECT_EQ(shape->Brush()->Color(), clYellow);
    EXPECT_EQ(shape->Pen()->Width(), 3);
    EXPECT_EQ(box->Parent(), loaded);
    const std::string written = ComponentToText(loaded);
    for (const char* line : {"object Image1: TImage", "    Stretch = True", "    Shape = bsTopLine",
                             "    Style = bsRaised", "    Brush.Color = clYellow", "    Pen.Width = 3",
                             "    Shape = stCircle", "object PaintBox1: TPaintBox"})
        EXPECT_NE(written.find(line), std::string::npos) << line << "\n" << written;
    EXPECT_EQ(written.find("Style = bsLowered"), std::string::npos) << "a default is not written";
}
