// Edit-button and check-box faces: the symbols' geometry, the flat look's
// frames, the up-down halves, the face cache and the check box's place,
// list images in cells; a picture of every face and tree element for review.
#include "datagrid/ToolCtrlsVynFaces.h"
#include "platform/gdi/sysparams.h"
#include "platform/gdi/wingdi.h"
#include "platform/ui/extctrls_graphic.h"
#include "platform/ui/forms.h"
#include "platform/win/testseams.h"
#include "support/temp_dir.h"
#include "tests/datagrid/grid_fixture.h"

namespace {

class ButtonFacesTest : public ::testing::Test {
protected:
    void SetUp() override {
        bitmap_.SetWidth(40);
        bitmap_.SetHeight(40);
        bitmap_.Canvas()->Brush()->SetColor(clWhite);
        bitmap_.Canvas()->FillRect({0, 0, 40, 40});
    }
    HDC dc() { return bitmap_.Canvas()->Handle(); }
    COLORREF Pixel(int x, int y) { return GetPixel(dc(), x, y); }
    bool Ink(int x, int y) { return Pixel(x, y) == GetSysColor(COLOR_BTNTEXT); }
    TBitmap bitmap_;
};

TEST_F(ButtonFacesTest, EllipsisDotsSitInTheMiddleAndMoveWhenPressed) {
    PaintEllipsisButton(dc(), {0, 0, 16, 16}, true, false, false, false);
    // Inner 12 by 12: dots of 2 with gaps of 2 around x = 7.
    for (int x : {3, 4, 7, 8, 11, 12}) EXPECT_TRUE(Ink(x, 7)) << x;
    for (int x : {5, 6, 9, 10, 13}) EXPECT_FALSE(Ink(x, 7)) << x;
    PaintEllipsisButton(dc(), {0, 0, 16, 16}, true, false, false, true);
    EXPECT_TRUE(Ink(13, 8));
    EXPECT_FALSE(Ink(3, 7));
}

TEST_F(ButtonFacesTest, PlusAndMinusBarsTakeTheirLengthAndThickness) {
    // Inner 16: L = 9, T = 3; the minus grows to 10 to match the parity of 16,
    // the plus then shrinks to 9 to match its thickness.
    PaintPlusMinusButton(dc(), {0, 0, 20, 20}, true, false, false, false, true);
    EXPECT_TRUE(Ink(5, 9));
    EXPECT_TRUE(Ink(13, 9));
    EXPECT_FALSE(Ink(14, 9));
    EXPECT_TRUE(Ink(9, 5));
    EXPECT_TRUE(Ink(9, 13));
    EXPECT_FALSE(Ink(9, 4));
    EXPECT_TRUE(Ink(8, 8) && Ink(10, 10));
    PaintPlusMinusButton(dc(), {20, 0, 40, 20}, true, false, false, false, false);
    EXPECT_TRUE(Ink(25, 9));
    EXPECT_TRUE(Ink(34, 9));
    EXPECT_FALSE(Ink(35, 9));
    EXPECT_FALSE(Ink(29, 7));
}

TEST_F(ButtonFacesTest, FlatDropDownFramesShowTheStateAtTheEdge) {
    const TColor parent = clRed;
    PaintEditButtonFace(dc(), {0, 0, 17, 20}, parent, bfsDropDown, 0, true, false, true, cbUnchecked);
    EXPECT_EQ(Pixel(0, 0), ColorToRGB(clRed));
    EXPECT_EQ(Pixel(16, 19), ColorToRGB(clRed));
    EXPECT_EQ(Pixel(0, 10), ColorToRGB(clRed));
    PaintEditButtonFace(dc(), {20, 0, 37, 20}, parent, bfsDropDown, 0, true, true, true, cbUnchecked);
    EXPECT_EQ(Pixel(20, 5), GetSysColor(COLOR_BTNHIGHLIGHT));  // hot: raised edge
    EXPECT_EQ(Pixel(36, 5), GetSysColor(COLOR_BTNSHADOW));
    PaintEditButtonFace(dc(), {20, 20, 37, 40}, parent, bfsDropDown, 1, true, true, true, cbUnchecked);
    EXPECT_EQ(Pixel(20, 25), GetSysColor(COLOR_3DDKSHADOW));  // pressed: sunken edge
    EXPECT_EQ(Pixel(36, 25), GetSysColor(COLOR_3DLIGHT));
}

TEST_F(ButtonFacesTest, AnOddUpDownButtonShowsItsBandAndPressesOneHalf) {
    PaintEditButtonFace(dc(), {0, 0, 16, 21}, clRed, bfsUpDown, 0, false, false, true, cbUnchecked);
    EXPECT_EQ(Pixel(8, 10), ColorToRGB(clRed));
    EXPECT_NE(Pixel(8, 9), ColorToRGB(clRed));
    std::vector<COLORREF> released, pressed;
    for (int y = 11; y < 21; ++y) released.push_back(Pixel(1, y));
    PaintEditButtonFace(dc(), {0, 0, 16, 21}, clRed, bfsUpDown, 2, false, false, true, cbUnchecked);
    for (int y = 11; y < 21; ++y) pressed.push_back(Pixel(1, y));
    EXPECT_NE(released, pressed);
    EXPECT_EQ(Pixel(1, 1), GetSysColor(COLOR_BTNHIGHLIGHT));  // the upper half stays up
}

TEST_F(ButtonFacesTest, EachDistinctFaceIsRenderedOnce) {
    FlushButtonFaceCache();
    for (int i = 0; i < 3; ++i)
        PaintEditButtonFace(dc(), {0, 0, 13, 13}, clWindow, bfsCheckBox, 0, false, false, true, cbChecked);
    EXPECT_EQ(ButtonFaceCache()->Count(), 1);
    PaintEditButtonFace(dc(), {0, 0, 13, 13}, clWindow, bfsCheckBox, 0, false, false, true, cbGrayed);
    PaintEditButtonFace(dc(), {0, 0, 16, 21}, clWindow, bfsUpDown, 0, false, false, true, cbUnchecked);
    EXPECT_EQ(ButtonFaceCache()->Count(), 4);  // the up-down halves are two faces
    FlushButtonFaceCache();
    EXPECT_EQ(ButtonFaceCache()->Count(), 0);
}

TEST_F(ButtonFacesTest, CheckBoxesArePlacedByAlignmentAndLayout) {
    const int w = CheckGlyphWidth();
    const int h = CheckGlyphHeight();
    EXPECT_EQ(w, 13);
    const TRect placed = PlaceCheckBoxRect({10, 10, 50, 50}, taCenter, tlBottom);
    EXPECT_EQ(placed.left, 10 + 20 - w / 2);
    EXPECT_EQ(placed.top, 50 - h);
    EXPECT_EQ(placed.bottom, 50);
    const TRect small = PlaceCheckBoxRect({0, 0, 8, 8}, taRightJustify, tlBottom);
    EXPECT_EQ(small.left, 0);
    EXPECT_EQ(small.right, 8);
}

TEST_F(ButtonFacesTest, EveryFaceAndTreeElementOnScreen) {
    std::unique_ptr<TForm> form(TForm::Create(nullptr));
    form->SetBounds(0, 0, 420, 300);
    form->SetColor(clWindow);
    TPaintBox* box = TPaintBox::Create(form.get());
    box->SetParent(form.get());
    box->SetBounds(0, 0, 400, 260);
    box->SetOnPaint(TNotifyEvent([box](TObject*) {
        TCanvas* canvas = box->Canvas();
        const HDC dc = canvas->Handle();
        int y = 4;
        for (bool flat : {false, true}) {
            for (TButtonFaceStyle style : {bfsDropDown, bfsEllipsis, bfsUpDown, bfsPlus, bfsMinus}) {
                int x = 4;
                struct State {
                    bool active, enabled;
                    int down;
                };
                for (State s : {State{false, true, 0}, State{true, true, 0}, State{true, true, 1}, State{false, false, 0}}) {
                    PaintEditButtonFace(dc, {x, y, x + 17, y + 20}, clWindow, style, s.down, flat, s.active, s.enabled,
                                        cbUnchecked);
                    x += 24;
                }
                y += 23;
            }
        }
        int x = 110;
        for (bool flat : {false, true})
            for (TCheckBoxState state : {cbUnchecked, cbChecked, cbGrayed}) {
                PaintEditButtonFace(dc, {x, 4, x + 13, 17}, clWindow, bfsCheckBox, 0, flat, false, true, state);
                x += 20;
            }
        for (int element = 0; element <= 9; ++element)
            PaintTreeElement(canvas, {110 + element * 18, 30, 110 + element * 18 + 18, 48}, element, true);
    }));
    form->Show();
    Application->ProcessMessages();
    EXPECT_TRUE(SaveWindowScreenshot(form->Handle(), ScreenshotDir() + "dbgrid-faces.png"));
}

}  // namespace

namespace {

TEST_F(ButtonFacesTest, ListImagesAreCentredClippedAndBlendedWhenSelected) {
    TImageList images(nullptr);
    images.SetWidth(8);
    images.SetHeight(8);
    TBitmap square;
    square.SetSize(8, 8);
    square.Canvas()->Brush()->SetColor(clRed);
    square.Canvas()->FillRect({0, 0, 8, 8});
    images.Add(&square, nullptr);
    PaintListImage(dc(), {0, 0, 20, 20}, &images, 0, false);
    EXPECT_EQ(Pixel(6, 6), ColorToRGB(clRed));
    EXPECT_EQ(Pixel(5, 5), ColorToRGB(clWhite));
    PaintListImage(dc(), {20, 20, 24, 24}, &images, 0, false);  // larger than its place
    EXPECT_EQ(Pixel(21, 21), ColorToRGB(clRed));
    EXPECT_EQ(Pixel(19, 19), ColorToRGB(clWhite));
    EXPECT_EQ(Pixel(24, 24), ColorToRGB(clWhite));
    PaintListImage(dc(), {0, 20, 20, 40}, &images, 0, true);
    EXPECT_NE(Pixel(10, 30), ColorToRGB(clRed));
    EXPECT_EQ(ImageListColorRef(clNone), CLR_NONE);
    EXPECT_EQ(ImageListColorRef(clDefault), CLR_DEFAULT);
}

}  // namespace

namespace {

using FaceCacheGridTest = GridTest;

TEST_F(FaceCacheGridTest, ASystemColourChangeEmptiesTheFaceCache) {
    TBitmap bitmap;
    bitmap.SetSize(20, 20);
    PaintEditButtonFace(bitmap.Canvas()->Handle(), {0, 0, 13, 13}, clWindow, bfsCheckBox, 0, false, false, true,
                        cbChecked);
    EXPECT_GT(ButtonFaceCache()->Count(), 0);
    TProbeGrid* grid = NewGrid();
    grid->Perform(CM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(ButtonFaceCache()->Count(), 0);
}

}  // namespace
