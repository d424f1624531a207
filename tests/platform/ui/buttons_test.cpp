// TBitBtn and TSpeedButton: a kind's defaults closing a modal form, a
// speed-button group keeping one button down, glyphs placed, drawn and greyed,
// a held button's look following the pointer, a form description placing
// both read and written back, buttons hidden from
// their own click leaving the screen, and disabled captions embossed in grey.
#include <set>

#include "platform/rtl/writer.h"
#include "platform/ui/buttons.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_edit.h"
#include "tests/platform/ui/control_fixture.h"
#include "tests/platform/win/window_fixture.h"
#include "tests/support/temp_dir.h"

class ButtonsTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        form = NewForm(320, 200);
        surface = TPanel::Create(form);
        surface->SetParent(form);
        surface->SetBevelOuter(bvNone);
        surface->SetBounds(0, 0, 300, 150);
    }
    TSpeedButton* Speed(int left, int group) {
        TSpeedButton* b = TSpeedButton::Create(form);
        b->SetParent(surface);
        b->SetBounds(left, 10, 30, 30);
        b->SetGroupIndex(group);
        return b;
    }
    TForm* form = nullptr;
    TPanel* surface = nullptr;
};

TEST_F(ButtonsTest, BitBtnOfKindOKClosesAModalFormWithMrOk) {
    TBitBtn* ok = TBitBtn::Create(form);
    ok->SetParent(surface);
    ok->SetBounds(10, 10, 90, 30);
    ok->SetKind(bkOK);
    EXPECT_EQ(ok->Caption(), AnsiString("确定"));
    EXPECT_EQ(ok->ModalResult(), mrOk);
    EXPECT_TRUE(ok->Default());
    form->SetOnActivate([&](TObject*) { QueueClick(ok); });
    EXPECT_EQ(form->ShowModal(), mrOk);
    TBitBtn* cancel = TBitBtn::Create(form);
    cancel->SetKind(bkCancel);
    EXPECT_EQ(cancel->ModalResult(), mrCancel);
    EXPECT_TRUE(cancel->Cancel());
}

TEST_F(ButtonsTest, SpeedButtonGroupKeepsOneDown) {
    form->Show();
    ProcessMessages();
    TSpeedButton* a = Speed(10, 1);
    TSpeedButton* b = Speed(50, 1);
    TSpeedButton* other = Speed(90, 2);
    TSpeedButton* plain = Speed(130, 0);
    int clicks = 0;
    b->SetOnClick([&](TObject*) { ++clicks; });
    other->SetDown(true);
    Click(a);
    EXPECT_TRUE(a->Down());
    Click(b);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_TRUE(other->Down()) << "another group is untouched";
    Click(b);
    EXPECT_TRUE(b->Down()) << "without AllowAllUp the down button stays down";
    b->SetDown(false);
    EXPECT_TRUE(b->Down());
    a->SetAllowAllUp(true);
    EXPECT_TRUE(b->AllowAllUp()) << "AllowAllUp is the group's";
    Click(b);
    EXPECT_FALSE(b->Down());
    EXPECT_FALSE(a->Down());
    Click(plain);
    EXPECT_FALSE(plain->Down()) << "a button in no group never stays down";
}

namespace {

// Shows the state a speed button gives its descendants.
class StateSpeedButton : public TSpeedButton {
public:
    using TSpeedButton::TSpeedButton;
    using TSpeedButton::State;
};

}  // namespace

TEST_F(ButtonsTest, AHeldSpeedButtonFollowsThePointer) {
    form->Show();
    ProcessMessages();
    auto* b = new StateSpeedButton(form);
    b->SetParent(surface);
    b->SetBounds(10, 10, 30, 30);
    int clicks = 0;
    b->SetOnClick([&](TObject*) { ++clicks; });
    const HWND window = surface->Handle();
    EXPECT_EQ(b->State(), bsUp);
    SimulateMouseButton(window, {20, 20}, VK_LBUTTON, true);
    ProcessMessages();
    EXPECT_EQ(b->State(), bsDown);
    SimulateMouseMove(window, {80, 20});
    ProcessMessages();
    EXPECT_EQ(b->State(), bsUp) << "the pointer left: shown up";
    SimulateMouseMove(window, {25, 25});
    ProcessMessages();
    EXPECT_EQ(b->State(), bsDown) << "and back: down again";
    SimulateMouseButton(window, {25, 25}, VK_LBUTTON, false);
    ProcessMessages();
    EXPECT_EQ(clicks, 1);
    b->SetGroupIndex(3);
    b->SetDown(true);
    EXPECT_EQ(b->State(), bsExclusive);
    b->SetEnabled(false);
    EXPECT_EQ(b->State(), bsDisabled);
}

TEST_F(ButtonsTest, GlyphDrawnWithTransparencyAndGreyedWhenDisabled) {
    TBitmap glyph;
    glyph.SetSize(8, 8);
    glyph.Canvas()->Brush()->SetColor(clFuchsia);  // the bottom-left pixel: transparent
    glyph.Canvas()->FillRect(Rect(0, 0, 8, 8));
    glyph.Canvas()->Brush()->SetColor(clRed);
    glyph.Canvas()->FillRect(Rect(2, 2, 6, 6));
    TSpeedButton* b = Speed(10, 0);
    b->SetGlyph(&glyph);
    form->Show();
    ProcessMessages();
    const HWND window = surface->Handle();
    // A 30x30 button, content inset by 2: the 8x8 glyph centred at (11,11)..(19,19) within it.
    const int gx = 10 + 2 + (26 - 8) / 2, gy = 10 + 2 + (26 - 8) / 2;
    EXPECT_EQ(ShownPixel(window, gx + 4, gy + 4), RGB(255, 0, 0));
    EXPECT_NE(ShownPixel(window, gx, gy), RGB(255, 0, 255)) << "the transparent colour does not show";
    b->SetEnabled(false);
    ProcessMessages();
    EXPECT_EQ(ShownPixel(window, gx + 4, gy + 4), ColorToRGB(clBtnShadow));
}

TEST_F(ButtonsTest, FormDescriptionPlacingBothReadsAndWritesBack) {
    const std::string text = R"(object Form1: TForm
  Left = 0
  Top = 0
  Width = 320
  Height = 200
  object BitBtn1: TBitBtn
    Left = 8
    Top = 8
    Width = 90
    Height = 30
    Caption = 'Go'
    ModalResult = 1
    Kind = bkOK
    Layout = blGlyphTop
    NumGlyphs = 2
    Spacing = 2
  end
  object SpeedButton1: TSpeedButton
    Left = 8
    Top = 48
    Width = 30
    Height = 30
    AllowAllUp = True
    GroupIndex = 3
    Down = True
    Flat = True
    Margin = 1
  end
end
)";
    TForm* loaded = TForm::Create(Application, 0);
    ReadComponentFromString(text, loaded);
    auto* bit = dynamic_cast<TBitBtn*>(loaded->FindComponent("BitBtn1"));
    auto* speed = dynamic_cast<TSpeedButton*>(loaded->FindComponent("SpeedButton1"));
    ASSERT_TRUE(bit && speed);
    EXPECT_EQ(bit->Kind(), bkOK);
    EXPECT_EQ(bit->Caption(), AnsiString("Go")) << "a described caption wins over the kind's";
    EXPECT_EQ(bit->Layout(), blGlyphTop);
    EXPECT_EQ(bit->NumGlyphs(), 2);
    EXPECT_TRUE(speed->Down() && speed->Flat() && speed->AllowAllUp());
    EXPECT_EQ(speed->GroupIndex(), 3);
    const std::string written = ComponentToText(loaded);
    for (const char* line : {"Kind = bkOK", "Layout = blGlyphTop", "NumGlyphs = 2", "Spacing = 2", "GroupIndex = 3",
                             "Down = True", "Flat = True", "Margin = 1", "Caption = 'Go'"})
        EXPECT_NE(written.find(line), std::string::npos) << line << "\n" << written;
}

// A 16x16 glyph and a 20x10 caption, 2 apart, in a 40x30 area.
TEST(GlyphPlacement, PlacesGlyphAndCaptionByLayoutAndMargin) {
    struct Case {
        TButtonLayout layout;
        int margin;
        TSize caption;
        TPoint glyph, text;
    };
    const Case cases[] = {
        {blGlyphLeft, -1, {20, 10}, {1, 7}, {19, 10}},    {blGlyphRight, -1, {20, 10}, {23, 7}, {1, 10}},
        {blGlyphTop, -1, {20, 10}, {12, 1}, {10, 19}},    {blGlyphBottom, -1, {20, 10}, {12, 13}, {10, 1}},
        {blGlyphLeft, 3, {20, 10}, {3, 7}, {21, 10}},     {blGlyphRight, 3, {20, 10}, {21, 7}, {-1, 10}},
        {blGlyphLeft, -1, {0, 0}, {12, 7}, {28, 15}},  // no caption: no spacing, the glyph centred alone
    };
    for (const Case& c : cases) {
        const TGlyphPlacement at = PlaceGlyphAndCaption({40, 30}, {16, 16}, c.caption, c.layout, c.margin, 2);
        EXPECT_EQ(at.Glyph, c.glyph) << int(c.layout) << " margin " << c.margin;
        EXPECT_EQ(at.Caption, c.text) << int(c.layout) << " margin " << c.margin;
    }
}

// A lock window's 离开 hides itself and 取消 from its own click and shows
// 唤醒: the hidden buttons leave the screen and take no more clicks at once,
// and the shown one is drawn whole.
TEST_F(ButtonsTest, AButtonHiddenFromItsOwnClickLeavesTheScreenAndTakesNoMoreClicks) {
    // As the lock window holds them: in a group box, beside a password edit.
    TGroupBox* group = Place<TGroupBox>(surface, 5, 5, 290, 140);
    TEdit* password = Place<TEdit>(group, 64, 32, 193, 21);
    password->SetPasswordChar('*');
    auto button = [&](const char* caption, int left) {
        TBitBtn* b = Place<TBitBtn>(group, left, 84, 75, 25);
        b->SetCaption(caption);
        return b;
    };
    TBitBtn* leave = button("离开", 20);
    TBitBtn* cancel = button("取消", 110);
    TBitBtn* wake = button("唤醒", 200);
    wake->SetVisible(false);
    int leaves = 0;
    leave->SetOnClick([&](TObject*) {
        ++leaves;
        wake->SetVisible(true);
        group->SetCaption("唤醒系统");
        cancel->SetVisible(false);
        leave->SetVisible(false);
        password->Clear();
    });
    form->Show();
    ProcessMessages();
    Click(leave);
    ASSERT_EQ(leaves, 1);
    EXPECT_FALSE(IsWindowVisible(leave->Handle()));
    const HWND window = group->Handle();
    const std::set<COLORREF> face{ColorToRGB(clBtnFace)};
    EXPECT_EQ(ColoursIn(window, leave->BoundsRect()), face) << "离开 is still drawn";
    EXPECT_EQ(ColoursIn(window, cancel->BoundsRect()), face) << "取消 is still drawn";
    EXPECT_NE(ColoursIn(window, wake->BoundsRect()), face) << "唤醒 is not drawn";
    // The edit beside them, repainted with the group box, keeps its sunken frame.
    EXPECT_EQ(ShownPixel(window, password->Left(), password->Top() + 10), ColorToRGB(clBtnShadow));
    EXPECT_TRUE(SaveWindowScreenshot(form->Handle(), AnsiString(ScreenshotDir()) + "lock_window_locked.png"));
    EXPECT_TRUE(SimulateClick(window, POINT{leave->Left() + 30, leave->Top() + 12}));
    ProcessMessages();
    EXPECT_EQ(leaves, 1) << "the hidden button still takes clicks";
}

// A disabled button of each kind draws its caption in the classic embossed
// grey (grey text over a light copy), never in the text colour; enabled
// again, it draws it in the text colour.
TEST_F(ButtonsTest, DisabledButtonsDrawTheirCaptionEmbossedInGrey) {
    TBitmap glyph;
    glyph.SetSize(8, 8);
    glyph.Canvas()->Brush()->SetColor(clFuchsia);
    glyph.Canvas()->FillRect(Rect(0, 0, 8, 8));
    glyph.Canvas()->Brush()->SetColor(clBlack);
    glyph.Canvas()->FillRect(Rect(2, 2, 6, 6));
    TBitBtn* bit = TBitBtn::Create(form);
    bit->SetParent(surface);
    bit->SetCaption("确定删除");
    bit->SetGlyph(&glyph);
    bit->SetBounds(10, 10, 100, 30);
    TButton* plain = TButton::Create(form);
    plain->SetParent(surface);
    plain->SetCaption("查询");
    plain->SetBounds(120, 10, 75, 30);
    TSpeedButton* speed = Speed(210, 0);
    speed->SetCaption("删");
    speed->SetWidth(40);
    form->Show();
    ProcessMessages();
    const std::pair<TControl*, HWND> buttons[] = {{bit, surface->Handle()}, {plain, plain->Handle()},
                                                  {speed, surface->Handle()}};
    for (auto [button, window] : buttons) {
        SCOPED_TRACE(button->ClassName());
        // Inside the button's frame, where only its caption and glyph are drawn.
        TRect area = window == surface->Handle() ? button->BoundsRect() : TRect(button->ClientRect());
        InflateRect(&area, -3, -3);
        EXPECT_TRUE(ColoursIn(window, area).count(ColorToRGB(clBtnText)));
        button->SetEnabled(false);
        ProcessMessages();
        const std::set<COLORREF> disabled = ColoursIn(window, area);
        EXPECT_FALSE(disabled.count(ColorToRGB(clBtnText))) << "drawn as if enabled";
        EXPECT_TRUE(disabled.count(ColorToRGB(clBtnShadow)));
        EXPECT_TRUE(disabled.count(ColorToRGB(clBtnHighlight)));
    }
    EXPECT_TRUE(SaveWindowScreenshot(surface->Handle(), AnsiString(ScreenshotDir()) + "disabled_buttons.png"));
}
