// Control painters: attaching and detaching exactly, the on/off switch and
// the skin query, push-button frames and clicks, check-box frames kept
// within the strip, and the class and window-class mapping.
#include <gtest/gtest.h>

#include "platform/ui/buttons.h"
#include "platform/ui/comctrls_statusbar.h"
#include "platform/win/commctrl_statusbar.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/win/commctrl.h"
#include "platform/ui/extctrls.h"
#include "skin/WinSubClassBoxes.h"
#include "skin/WinSubClassButtons.h"
#include "skin/WinSubClassCheck.h"
#include "skin/WinSubClassEdit.h"
#include "skin/WinSubClassMedia.h"
#include "tests/skin/skinwindow_fixture.h"

namespace {

// Buttons frames 1..5 and check-box frames 1..4, one flat colour each.
const COLORREF kButtonFrames[] = {RGB(10, 200, 10), RGB(200, 10, 10), RGB(90, 90, 90), RGB(10, 10, 200),
                                  RGB(200, 200, 10)};
const COLORREF kCheckFrames[] = {RGB(1, 100, 1), RGB(2, 100, 2), RGB(3, 100, 3), RGB(4, 100, 4)};
// Status-bar edges 1 lowered, 2 raised, 3 none; extra image cells (5: the size grip).
const COLORREF kEdgeFrames[] = {RGB(5, 60, 5), RGB(6, 60, 6), RGB(7, 60, 7)};
const COLORREF kExtraCells[] = {RGB(9, 1, 1), RGB(9, 2, 2), RGB(9, 3, 3), RGB(9, 4, 4), RGB(9, 5, 5)};

TSkinMember Cells(const char* name, const COLORREF* colours, int count, int width, int height) {
    TArtImage image(count * width, height, 0);
    for (int i = 0; i < count; ++i) image.Fill(TRect{width * i, 0, width * i + width, height}, colours[i]);
    return {name, WriteBmp24(image)};
}

class SkinPainterTest : public SkinWindowTest {
protected:
    void SetUp() override {
        SkinWindowTest::SetUp();
        const std::string description = std::string(kDescription) +
                                        "[Buttons]\nBitmap=buttons.bmp\nFrame=5\nCheckButton=check.bmp\n"
                                        "CheckButtonFrame=4\n[StatusBarEdges]\nImage=edges.bmp\nFrame=3\n"
                                        "[ExtraImages]\nImage=extra.bmp\nFrame=5\n";
        const std::vector<TSkinMember> members = {
            {"fixture.ini", std::vector<Byte>(description.begin(), description.end())},
            Cells("buttons.bmp", kButtonFrames, 5, 20, 20), Cells("check.bmp", kCheckFrames, 4, 13, 13),
            Cells("edges.bmp", kEdgeFrames, 3, 10, 10), Cells("extra.bmp", kExtraCells, 5, 8, 8)};
        const std::vector<Byte> package = WriteSkinPackage(70000, members);
        skin_->SkinStream()->Clear();
        skin_->SkinStream()->WriteBuffer(package.data(), Integer(package.size()));
        ASSERT_TRUE(skin_->LoadSkin());
    }
    // What the screen shows of `control` at (x, y) of its client area.
    static COLORREF Shown(TForm* form, TControl* control, int x, int y) {
        const TPoint at = control->ClientToScreen(TPoint{x, y});
        const RECT outer = WindowBounds(form->Handle());
        const HBITMAP image = CaptureWindow(form->Handle());
        const HDC dc = CreateCompatibleDC(0);
        const HGDIOBJ old = SelectObject(dc, image);
        const COLORREF shown = GetPixel(dc, at.x - outer.left, at.y - outer.top);
        SelectObject(dc, old);
        DeleteObject(image);
        DeleteDC(dc);
        return shown;
    }
    // A skinned push button at (10, 10, 80, 30) counting its clicks.
    TButton* CountedButton(TForm* form, int* clicks) {
        TButton* button = TButton::Create(form);
        button->SetParent(form);
        button->SetBounds(10, 10, 80, 30);
        button->SetOnClick([clicks](TObject*) { ++*clicks; });
        auto* painter = new TSkinButton(button);
        painter->AttachControl(SkinOf(form), skin_.get(), nullptr, false);
        return button;
    }
    // The painter's picture of its window, read at (x, y).
    static COLORREF Painted(TSkinControl* painter, int x, int y) {
        TBitmap bitmap;
        bitmap.SetSize(80, 30);
        painter->PaintSkin(bitmap.Canvas()->Handle(), TRect{0, 0, 80, 30});
        return GetPixel(bitmap.Canvas()->Handle(), x, y);
    }
};

TEST_F(SkinPainterTest, AttachingTwiceSwapsOnceAndFreeingGivesTheWindowMethodBack) {
    TForm* form = ShownForm();
    TButton* button = TButton::Create(form);
    button->SetParent(form);
    const TWndMethod original = button->WindowProc();
    auto* painter = new TSkinButton(button);
    painter->AttachControl(SkinOf(form), skin_.get(), nullptr, false);
    const TWndMethod hooked = button->WindowProc();
    painter->AttachControl(SkinOf(form), skin_.get(), nullptr, false);
    EXPECT_TRUE(button->WindowProc() == hooked);
    EXPECT_FALSE(hooked == original);
    EXPECT_EQ(SkinOf(form)->FindPainter(button->Handle()), painter);
    delete painter;
    EXPECT_TRUE(button->WindowProc() == original);
    EXPECT_EQ(SkinOf(form)->FindPainter(button->Handle()), nullptr);
}

TEST_F(SkinPainterTest, SwitchedOffPaintersLeaveTheSkinQueryToTheWindow) {
    TForm* form = ShownForm();
    TButton* button = TButton::Create(form);
    button->SetParent(form);
    auto* painter = new TSkinButton(button);
    painter->AttachControl(SkinOf(form), skin_.get(), nullptr, false);
    EXPECT_EQ(SendMessage(button->Handle(), WM_SKINQUERY, 0, 0), 1);
    SendMessage(button->Handle(), WM_SKINACTIVATE, WPARAM(-1), 0);
    EXPECT_FALSE(painter->Active);
    EXPECT_EQ(SendMessage(button->Handle(), WM_SKINQUERY, 0, 0), 0);
    SendMessage(button->Handle(), WM_SKINACTIVATE, 1, 0);
    EXPECT_TRUE(painter->Active);
}

TEST_F(SkinPainterTest, APressShowsFrameTwoAndTheReleaseClicksUnlessTheMouseLeft) {
    TForm* form = ShownForm();
    int clicks = 0;
    TButton* button = CountedButton(form, &clicks);
    auto* painter = static_cast<TSkinButton*>(SkinOf(form)->FindPainter(button->Handle()));
    SendMessage(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(Painted(painter, 40, 2), kButtonFrames[1]);
    SendMessage(button->Handle(), WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(clicks, 1);
    SendMessage(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessage(button->Handle(), WM_MOUSELEAVE, 0, 0);
    SendMessage(button->Handle(), WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(clicks, 1);
}

// The control left behind checks its input when the press takes the focus
// away and shows a box; the box's loop eats the release. The button must not
// stay pressed with no release left to come.
TEST_F(SkinPainterTest, APressWhoseReleaseABoxAteOnTheWayInLeavesTheButtonUp) {
    TForm* form = ShownForm();
    TEdit* edit = TEdit::Create(form);
    edit->SetParent(form);
    edit->SetBounds(10, 60, 80, 20);
    int clicks = 0;
    TButton* button = CountedButton(form, &clicks);
    auto* painter = static_cast<TSkinButton*>(SkinOf(form)->FindPainter(button->Handle()));
    const POINT inside{40, 15};

    SimulateMouseButton(button->Handle(), inside, VK_LBUTTON, true);
    DispatchQueuedMessages();
    EXPECT_EQ(Painted(painter, 40, 2), kButtonFrames[1]) << "a held press shows frame 2";
    SimulateMouseButton(button->Handle(), inside, VK_LBUTTON, false);
    DispatchQueuedMessages();
    EXPECT_EQ(clicks, 1);

    edit->SetFocus();
    edit->SetOnExit([](TObject*) {
        MSG msg;
        while (PeekMessage(&msg, 0, 0, 0, PM_REMOVE)) DispatchMessage(&msg);
    });
    SimulateMouseButton(button->Handle(), inside, VK_LBUTTON, true);
    SimulateMouseButton(button->Handle(), inside, VK_LBUTTON, false);
    DispatchQueuedMessages();
    EXPECT_EQ(Painted(painter, 40, 2), kButtonFrames[4]) << "focused, not pressed";
    EXPECT_EQ(clicks, 1);
}

// Space clicks on its release: a box the click shows finds the button up.
// A window taking the focus while Space is held (a box whose loop then takes
// the release) leaves it up too.
TEST_F(SkinPainterTest, SpaceReleasedOrTheFocusTakenLeavesTheButtonUpUnderABox) {
    TForm* form = ShownForm();
    TEdit* edit = TEdit::Create(form);
    edit->SetParent(form);
    edit->SetBounds(10, 60, 80, 20);
    int clicks = 0;
    TButton* button = CountedButton(form, &clicks);
    auto* painter = static_cast<TSkinButton*>(SkinOf(form)->FindPainter(button->Handle()));
    COLORREF atClick = 0;
    button->SetOnClick([&](TObject*) {
        ++clicks;
        atClick = Painted(painter, 40, 2);
    });
    button->SetFocus();
    SimulateKey(VK_SPACE, true, " ");
    DispatchQueuedMessages();
    EXPECT_EQ(Painted(painter, 40, 2), kButtonFrames[1]) << "held down by Space";
    SimulateKey(VK_SPACE, false);
    DispatchQueuedMessages();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(atClick, kButtonFrames[4]) << "up, and focused, while the click runs";

    SimulateKey(VK_SPACE, true, " ");
    DispatchQueuedMessages();
    edit->SetFocus();
    SimulateKey(VK_SPACE, false);
    DispatchQueuedMessages();
    EXPECT_EQ(Painted(painter, 40, 2), kButtonFrames[0]) << "neither pressed nor focused";
    EXPECT_EQ(clicks, 1);
}

TEST_F(SkinPainterTest, ARedrawWhileTheFormWaitsToPaintIsNotPaintedOver) {
    TForm* form = ShownForm();
    // A parent that does not clip its children paints over them.
    SetWindowLong(form->Handle(), GWL_STYLE, GetWindowLong(form->Handle(), GWL_STYLE) & ~WS_CLIPCHILDREN);
    TButton* button = TButton::Create(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 80, 30);
    auto* painter = new TSkinButton(button);
    painter->AttachControl(SkinOf(form), skin_.get(), nullptr, false);
    ProcessMessages();
    // The form waits to paint over its whole client, button included, when
    // the button takes the focus and redraws itself.
    InvalidateRect(form->Handle(), nullptr, TRUE);
    SendMessage(button->Handle(), WM_SETFOCUS, 0, 0);
    ProcessMessages();
    const COLORREF shown = Shown(form, button, 40, 2);
    EXPECT_NE(std::find(std::begin(kButtonFrames), std::end(kButtonFrames), shown), std::end(kButtonFrames))
        << std::hex << shown;
}

// A button of the styled library, which handles its own presses.
class TVxPlainButton : public TButton {
    SERVIORA_CLASS(TVxPlainButton, TButton)
public:
    using TButton::TButton;
};

TEST_F(SkinPainterTest, APressReachesTheControlsMouseDownExceptOnStyledButtons) {
    TForm* form = ShownForm();
    for (const bool styled : {false, true}) {
        TButton* button = styled ? new TVxPlainButton(form) : TButton::Create(form);
        button->SetParent(form);
        button->SetBounds(10, 10, 80, 30);
        int downs = 0;
        button->SetOnMouseDown([&downs](TObject*, TMouseButton, TShiftState, int, int) { ++downs; });
        auto* painter = new TSkinButton(button);
        painter->AttachControl(SkinOf(form), skin_.get(), nullptr, false);
        SendMessage(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessage(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        EXPECT_EQ(downs, styled ? 0 : 1) << styled;
    }
}

TEST_F(SkinPainterTest, ARawButtonTellsItsParentItsIdOnRelease) {
    TForm* form = ShownForm();
    const HWND raw = CreateWindowEx(0, "BUTTON", "确定", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 30,
                                    form->Handle(), HMENU(77), 0, nullptr);
    SkinOf(form)->SkinChildWindow(raw);
    ASSERT_TRUE(dynamic_cast<TSkinButton*>(SkinOf(form)->FindPainter(raw)));
    SendMessage(raw, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessage(raw, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    MSG posted;
    ASSERT_TRUE(PeekMessage(&posted, form->Handle(), WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(posted.wParam, 77u);
    EXPECT_EQ(HWND(posted.lParam), raw);

    // A class-library button's window skinned as a raw window tells 0.
    TButton* library = TButton::Create(form);
    library->SetParent(form);
    library->SetBounds(10, 50, 80, 30);
    SetWindowLong(library->Handle(), GWL_ID, 78);
    auto* painter = new TSkinButton(library);
    painter->AttachWindow(library->Handle(), skin_.get(), nullptr, SkinOf(form));
    SendMessage(library->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessage(library->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(PeekMessage(&posted, form->Handle(), WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(posted.wParam, 0u);
    EXPECT_EQ(HWND(posted.lParam), library->Handle());
}

TEST_F(SkinPainterTest, SwitchedOffPaintersLetTheWindowPaintItself) {
    TForm* form = ShownForm();
    TButton* button = TButton::Create(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 80, 30);
    auto* painter = new TSkinButton(button);
    painter->AttachControl(SkinOf(form), skin_.get(), nullptr, false);
    auto painted = [button] {
        TBitmap bitmap;
        bitmap.SetSize(80, 30);
        button->Perform(WM_PAINT, WPARAM(bitmap.Canvas()->Handle()), 0);
        return GetPixel(bitmap.Canvas()->Handle(), 40, 2);
    };
    EXPECT_EQ(painted(), kButtonFrames[0]);
    SendMessage(button->Handle(), WM_SKINACTIVATE, 0, 0);
    EXPECT_NE(painted(), kButtonFrames[0]);
    SendMessage(button->Handle(), WM_SKINACTIVATE, 1, 0);
    EXPECT_EQ(painted(), kButtonFrames[0]);
}

TEST_F(SkinPainterTest, ARawCheckBoxKeepsItsCaptionAndGetsTheSkinsGlyphOverItsBox) {
    TForm* form = ShownForm();
    const HWND raw = CreateWindowEx(0, "BUTTON", "选项", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 10, 10, 80, 30,
                                    form->Handle(), 0, 0, nullptr);
    SkinOf(form)->SkinChildWindow(raw);
    auto* painter = dynamic_cast<TSkinCheckBox*>(SkinOf(form)->FindPainter(raw));
    ASSERT_NE(painter, nullptr);
    TBitmap bitmap;
    bitmap.SetSize(80, 30);
    FillSolid(bitmap.Canvas()->Handle(), TRect{0, 0, 80, 30}, TColor(RGB(1, 2, 3)));
    painter->PaintSkin(bitmap.Canvas()->Handle(), TRect{0, 0, 80, 30});
    EXPECT_EQ(GetPixel(bitmap.Canvas()->Handle(), 5, 15), kCheckFrames[0]);
    EXPECT_EQ(GetPixel(bitmap.Canvas()->Handle(), 60, 2), RGB(1, 2, 3)) << "the window's own painting stays";
}

// A container of another library that can draw its parent's background.
class TBackedPanel : public TCustomControl {
    SERVIORA_CLASS(TBackedPanel, TCustomControl)
    SERVIORA_PUBLISHED
public:
    using TCustomControl::TCustomControl;
    bool ParentBackground() const { return parentBackground_; }
    void SetParentBackground(bool v) { parentBackground_ = v; }

private:
    bool parentBackground_ = true;
};
void TBackedPanel::Published(TPublished<TBackedPanel>& p) {
    p.Property("ParentBackground", &TBackedPanel::ParentBackground, &TBackedPanel::SetParentBackground);
}

TEST_F(SkinPainterTest, ParentBackgroundIsOffWhileSkinnedUnlessTheSkinKeepsIt) {
    TForm* form = ShownForm();
    for (const bool keep : {false, true}) {
        skin_->SetOptions(keep ? TSkinOptions{xoParentBackGround} : TSkinOptions{});
        auto* panel = new TBackedPanel(form);
        panel->SetParent(form);
        auto* painter = new TSkinBox(panel);
        painter->AttachControl(SkinOf(form), skin_.get(), nullptr, true);
        EXPECT_EQ(panel->ParentBackground(), keep);
        painter->RestoreColor();
        EXPECT_TRUE(panel->ParentBackground());
    }
}

TEST_F(SkinPainterTest, ATaggedButtonShowsItsParentThroughTheHolesOfItsFrame) {
    // Button frames with a magenta middle, drawn transparent.
    TArtImage cells(5 * 20, 20, kButtonFrames[0]);
    for (int i = 0; i < 5; ++i) cells.Fill(TRect{20 * i + 6, 6, 20 * i + 14, 14}, kMagenta);
    const std::string description =
        std::string(kDescription) + "[Buttons]\nBitmap=buttons.bmp\nFrame=5\nTrans=1\nLeftWidth=6\nRightWidth=6\n"
                                    "TopHeight=6\nBottomHeight=6\n";
    const std::vector<Byte> package =
        WriteSkinPackage(70000, {{"fixture.ini", std::vector<Byte>(description.begin(), description.end())},
                                 {"buttons.bmp", WriteBmp24(cells)}});
    skin_->SkinStream()->Clear();
    skin_->SkinStream()->WriteBuffer(package.data(), Integer(package.size()));
    ASSERT_TRUE(skin_->LoadSkin());

    TForm* form = ShownForm();
    form->SetColor(TColor(RGB(1, 2, 3)));
    for (const bool tagged : {false, true}) {
        TButton* button = TButton::Create(form);
        button->SetParent(form);
        button->SetBounds(10, 10, 80, 30);
        if (tagged) button->SetTag(5555);
        auto* painter = new TSkinButton(button);
        painter->AttachControl(SkinOf(form), skin_.get(), nullptr, false);
        EXPECT_EQ(Painted(painter, 20, 15), tagged ? RGB(1, 2, 3) : RGB(244, 244, 244)) << tagged;
    }
}

TEST_F(SkinPainterTest, TheFirstDoubleBarOfACaptionBreaksTheLine) {
    TForm* form = ShownForm();
    TButton* button = TButton::Create(form);
    button->SetParent(form);
    auto* painter = new TSkinButton(button);
    painter->AttachControl(SkinOf(form), skin_.get(), nullptr, false);
    TBitmap bitmap;
    bitmap.SetSize(80, 40);
    painter->DrawButtonCaption(bitmap.Canvas(), TRect{0, 0, 80, 40}, u"上||中||下", DT_CENTER);
    EXPECT_EQ(painter->Caption, u"上\r\n中||下");
}

TEST_F(SkinPainterTest, AMenuButtonDrawsItsArrowInTheRightSeventeenPixels) {
    TForm* form = ShownForm();
    TButton* button = TButton::Create(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 80, 30);
    auto* painter = new TSkinMenuButton(button);
    painter->AttachControl(SkinOf(form), skin_.get(), nullptr, false);
    // Painted() draws 80 x 30: the arrow's tip row is y = 15 + 1, its middle x = 80 - 12.
    EXPECT_EQ(Painted(painter, 68, 15), ColorToRGB(clWindowText));
    EXPECT_EQ(Painted(painter, 40, 2), kButtonFrames[0]);
    SendMessage(button->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(Painted(painter, 40, 2), kButtonFrames[3]) << "hot";
    button->SetEnabled(false);
    EXPECT_EQ(Painted(painter, 40, 2), kButtonFrames[2]);
    EXPECT_EQ(Painted(painter, 68, 15), ColorToRGB(clBtnShadow));
}

// A speed button is painted on its own canvas: read the picture its
// WM_PAINT leaves on a white bitmap at (x, y).
COLORREF SpeedButtonPixel(TSpeedButton* button, int x, int y) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(80, 30);
    bitmap.Canvas()->Brush()->SetColor(clWhite);
    bitmap.Canvas()->FillRect(TRect{0, 0, 80, 30});
    button->Perform(WM_PAINT, WPARAM(bitmap.Canvas()->Handle()), 0);
    return GetPixel(bitmap.Canvas()->Handle(), x, y);
}

TEST_F(SkinPainterTest, SpeedButtonsShowFlatHotPressedAndDownStatesAndIgnoreNestedPaints) {
    TForm* form = ShownForm();
    TSpeedButton* button = TSpeedButton::Create(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 80, 30);
    button->SetFlat(true);
    // Four 10 x 10 glyph cells, each in its own colour over a white bottom row (the transparent key).
    const COLORREF cells[] = {RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3), RGB(4, 4, 4)};
    auto glyph = std::make_unique<TBitmap>();
    glyph->SetPixelFormat(pf24bit);
    glyph->SetSize(40, 10);
    for (int i = 0; i < 4; ++i) {
        glyph->Canvas()->Brush()->SetColor(TColor(cells[i]));
        glyph->Canvas()->FillRect(TRect{10 * i, 0, 10 * i + 10, 9});
    }
    glyph->Canvas()->Brush()->SetColor(clWhite);
    glyph->Canvas()->FillRect(TRect{0, 9, 40, 10});
    button->SetGlyph(glyph.get());
    button->SetNumGlyphs(4);
    SkinOf(form)->SkinComponents(form);
    ASSERT_TRUE(SkinOf(form)->IsControlSkinned(button));
    TSkinSpeedButton* painter = nullptr;
    for (int i = 0; i < button->ComponentCount() && !painter; ++i)
        painter = dynamic_cast<TSkinSpeedButton*>(button->Components(i));
    ASSERT_NE(painter, nullptr);

    EXPECT_EQ(SpeedButtonPixel(button, 40, 1), RGB(244, 244, 244)) << "a flat button shows no frame";
    button->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(Shown(form, button, 40, 1), kButtonFrames[3]) << "the hot frame shows at once";
    EXPECT_EQ(SpeedButtonPixel(button, 40, 1), kButtonFrames[3]);
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 15));
    EXPECT_EQ(SpeedButtonPixel(button, 40, 1), kButtonFrames[1]);
    EXPECT_EQ(SpeedButtonPixel(button, 40, 14), cells[2]) << "the pressed glyph is the third cell";
    button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(40, 15));
    button->Perform(CM_MOUSELEAVE, 0, 0);
    button->SetGroupIndex(1);
    button->SetDown(true);
    EXPECT_EQ(SpeedButtonPixel(button, 40, 1), kButtonFrames[1]);
    EXPECT_EQ(SpeedButtonPixel(button, 40, 14), cells[3]) << "a button that stays down shows the fourth cell";

    painter->Painting = true;
    EXPECT_EQ(SpeedButtonPixel(button, 40, 1), RGB(255, 255, 255)) << "a paint inside a paint draws nothing";
    painter->Painting = false;
}

// A check box of the styled library as the skin sees it: a glyph strip of
// its own, a transparent colour, and a switch that reloads the strip.
class TVxCheckBox : public TCustomControl {
    SERVIORA_CLASS(TVxCheckBox, TCustomControl)
    SERVIORA_PUBLISHED
public:
    explicit TVxCheckBox(TComponent* owner) : TCustomControl(owner), glyphs_(std::make_unique<TBitmap>()) {}
    TBitmap* CustomGlyphs() const { return glyphs_.get(); }
    void SetCustomGlyphs(TBitmap* v) { glyphs_->Assign(v); }
    Integer TransparentColor() const { return transparent_; }
    void SetTransparentColor(Integer v) { transparent_ = v; }
    bool UseCustomGlyphs() const { return use_; }
    void SetUseCustomGlyphs(bool v) {
        if (v && !use_) ++loads;
        use_ = v;
    }
    int loads = 0;

private:
    std::unique_ptr<TBitmap> glyphs_;
    Integer transparent_ = 0;
    bool use_ = false;
};
void TVxCheckBox::Published(TPublished<TVxCheckBox>& p) {
    p.Property("CustomGlyphs", &TVxCheckBox::CustomGlyphs, &TVxCheckBox::SetCustomGlyphs);
    p.Property("TransparentColor", &TVxCheckBox::TransparentColor, &TVxCheckBox::SetTransparentColor);
    p.Property("UseCustomGlyphs", &TVxCheckBox::UseCustomGlyphs, &TVxCheckBox::SetUseCustomGlyphs);
}

TEST_F(SkinPainterTest, AStyledCheckBoxIsHandedANineCellStripOfTheSkinsCheckGlyphs) {
    TForm* form = ShownForm();
    auto* box = TVxCheckBox::Create(form);
    box->SetParent(form);
    box->SetColor(clLime);
    SkinOf(form)->SkinControls(form);
    ASSERT_TRUE(SkinOf(form)->IsControlSkinned(box));
    TBitmap* strip = box->CustomGlyphs();
    ASSERT_EQ(strip->Width(), 9 * 13);
    // Cells 1, 2 and 4, 5 repeat the first two frames; 7 and 8 are frames 3 and 4;
    // 3, 6 and 9 want a fifth frame this skin lacks.
    const COLORREF magenta = RGB(255, 0, 255);
    const COLORREF expected[] = {kCheckFrames[0], kCheckFrames[1], magenta, kCheckFrames[0], kCheckFrames[1],
                                 magenta,          kCheckFrames[2], kCheckFrames[3], magenta};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(GetPixel(strip->Canvas()->Handle(), 13 * i + 6, 6), expected[i]) << i;
    EXPECT_EQ(box->TransparentColor(), 0xFF00FF);
    EXPECT_TRUE(box->UseCustomGlyphs());
    EXPECT_EQ(box->loads, 1);
    EXPECT_EQ(box->Color(), TColor(RGB(244, 244, 244)));
    SkinOf(form)->FreePainters();
    EXPECT_FALSE(box->UseCustomGlyphs());
    EXPECT_EQ(box->Color(), clLime);
}

// A media player as the skin sees it: three sets of buttons and the
// presses that reach it.
SERVIORA_ENUM(TMPBtnType, btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject)
using TButtonSet = TSet<TMPBtnType>;

class TMediaPlayer : public TCustomControl {
    SERVIORA_CLASS(TMediaPlayer, TCustomControl)
    SERVIORA_PUBLISHED
public:
    using TCustomControl::TCustomControl;
    TButtonSet VisibleButtons() const { return visible_; }
    void SetVisibleButtons(TButtonSet v) { visible_ = v; }
    TButtonSet EnabledButtons() const { return enabled_; }
    void SetEnabledButtons(TButtonSet v) { enabled_ = v; }
    TButtonSet ColoredButtons() const { return coloured_; }
    void SetColoredButtons(TButtonSet v) { coloured_ = v; }
    std::vector<AnsiString> presses;

protected:
    void MouseDown(TMouseButton, TShiftState, int x, int) override { presses.push_back("down " + IntToStr(x)); }
    void MouseUp(TMouseButton, TShiftState, int x, int) override { presses.push_back("up " + IntToStr(x)); }

private:
    TButtonSet visible_{btPlay, btStop, btEject}, enabled_{btPlay, btStop}, coloured_;
};
void TMediaPlayer::Published(TPublished<TMediaPlayer>& p) {
    p.Property("VisibleButtons", &TMediaPlayer::VisibleButtons, &TMediaPlayer::SetVisibleButtons);
    p.Property("EnabledButtons", &TMediaPlayer::EnabledButtons, &TMediaPlayer::SetEnabledButtons);
    p.Property("ColoredButtons", &TMediaPlayer::ColoredButtons, &TMediaPlayer::SetColoredButtons);
}

TEST_F(SkinPainterTest, AMediaPlayersButtonsAreSkinnedAndPassTheirPressesToThePlayer) {
    TForm* form = ShownForm();
    auto* player = TMediaPlayer::Create(form);
    player->SetParent(form);
    player->SetBounds(10, 10, 100, 30);
    SkinOf(form)->SkinControls(form);
    TWMediaPlayer* panel = nullptr;
    for (int i = 0; i < SkinOf(form)->ComponentCount() && !panel; ++i)
        panel = dynamic_cast<TWMediaPlayer*>(SkinOf(form)->Components(i));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->BoundsRect(), player->BoundsRect());
    panel->Repaint();
    EXPECT_EQ(panel->ButtonWidth, 33) << "three buttons share 100 pixels";
    EXPECT_EQ(panel->HitTest(33), 0) << "a button's right end is its own";
    EXPECT_EQ(panel->HitTest(34), 2);
    EXPECT_EQ(panel->HitTest(99), 8);
    EXPECT_EQ(panel->HitTest(100), TWMediaPlayer::kButtonCount) << "the pixel left over belongs to none";

    auto shown = [&](int x, int y) {
        TBitmap picture;
        picture.SetSize(100, 30);
        panel->PaintTo(picture.Canvas()->Handle(), 0, 0);
        return GetPixel(picture.Canvas()->Handle(), x, y);
    };
    EXPECT_EQ(shown(16, 1), kButtonFrames[0]);
    EXPECT_EQ(shown(82, 1), kButtonFrames[2]) << "the eject button is disabled";
    SendMessage(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 10));
    EXPECT_EQ(shown(49, 1), kButtonFrames[1]) << "the stop button is down";
    SendMessage(panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(41, 10));
    EXPECT_EQ(shown(49, 1), kButtonFrames[0]);
    EXPECT_EQ(player->presses, (std::vector<AnsiString>{"down 40", "up 41"}));

    // Released over another button, the player sees no release.
    SendMessage(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 10));
    SendMessage(panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 10));
    EXPECT_EQ(player->presses.size(), 3u);
    SkinOf(form)->FreePainters();
    for (int i = 0; i < SkinOf(form)->ComponentCount(); ++i)
        EXPECT_EQ(dynamic_cast<TWMediaPlayer*>(SkinOf(form)->Components(i)), nullptr) << "unskinning frees the panel";
}

TEST_F(SkinPainterTest, StatusBarPanelsShowTheirBevelsFromTheSkinTheLastReachingTheEdge) {
    TForm* form = ShownForm();
    form->SetBorderStyle(bsSizeable);
    TStatusBar* bar = TStatusBar::Create(form);
    bar->SetParent(form);
    const TStatusPanelBevel bevels[] = {pbLowered, pbRaised, pbNone};
    for (TStatusPanelBevel bevel : bevels) {
        TStatusPanel* panel = bar->Panels()->Add();
        panel->SetWidth(60);
        panel->SetBevel(bevel);
    }
    SkinOf(form)->SkinControls(form);
    auto* painter = dynamic_cast<TSkinStatusBar*>(SkinOf(form)->FindPainter(bar->Handle()));
    ASSERT_NE(painter, nullptr);
    const int w = bar->Width(), h = bar->Height();
    TBitmap picture;
    picture.SetSize(w, h);
    painter->PaintSkin(picture.Canvas()->Handle(), TRect{0, 0, w, h});
    HDC dc = picture.Canvas()->Handle();
    EXPECT_EQ(GetPixel(dc, 30, 2), kEdgeFrames[0]);
    EXPECT_EQ(GetPixel(dc, 90, 2), kEdgeFrames[1]);
    EXPECT_EQ(GetPixel(dc, 150, 2), kEdgeFrames[2]);
    EXPECT_EQ(GetPixel(dc, w - 20, 2), kEdgeFrames[2]) << "the last panel reaches the bar's right edge";
    const bool grip = GetWindowLong(bar->Handle(), GWL_STYLE) & SBARS_SIZEGRIP;
    ASSERT_TRUE(grip);
    EXPECT_EQ(GetPixel(dc, w - 5, h - 5), kExtraCells[4]) << "the size grip is cell 5, one pixel inside";
    EXPECT_NE(GetPixel(dc, w - 1, h - 1), kExtraCells[4]);

    bar->SetSimplePanel(true);
    painter->PaintSkin(dc, TRect{0, 0, w, h});
    EXPECT_EQ(GetPixel(dc, 150, 2), kEdgeFrames[0]) << "the simple text lies on a lowered panel";
}

TEST_F(SkinPainterTest, CheckBoxFramesStayWithinAFourFrameStrip) {
    TForm* form = ShownForm();
    TCheckBox* box = TCheckBox::Create(form);
    box->SetParent(form);
    box->SetBounds(10, 10, 80, 30);
    box->SetAllowGrayed(true);
    box->SetState(cbGrayed);
    auto* painter = new TSkinCheckBox(box);
    painter->AttachControl(SkinOf(form), skin_.get(), nullptr, false);
    EXPECT_EQ(Painted(painter, 5, 15), kCheckFrames[3]);
    box->SetEnabled(false);
    EXPECT_EQ(Painted(painter, 5, 15), kCheckFrames[3]);
    box->SetEnabled(true);
    box->SetState(cbChecked);
    EXPECT_EQ(Painted(painter, 5, 15), kCheckFrames[1]);
    box->SetEnabled(false);
    EXPECT_EQ(Painted(painter, 5, 15), kCheckFrames[3]);
}

// Other libraries' check boxes as the skin sees them: one with only a
// "Checked" property, a data-aware one ("DataField") and one bound another
// way ("DataBinding").
class TCheckedStandIn : public TCustomControl {
    SERVIORA_CLASS(TCheckedStandIn, TCustomControl)
    SERVIORA_PUBLISHED
public:
    using TCustomControl::TCustomControl;
    bool Checked() const { return checked_; }
    void SetChecked(bool v) { checked_ = v; }

private:
    bool checked_ = false;
};
void TCheckedStandIn::Published(TPublished<TCheckedStandIn>& p) {
    p.Property("Checked", &TCheckedStandIn::Checked, &TCheckedStandIn::SetChecked);
}

template <int Kind>
class TBoundStandIn : public TCustomControl {
    SERVIORA_CLASS(TBoundStandIn, TCustomControl)
    SERVIORA_PUBLISHED
public:
    using TCustomControl::TCustomControl;
    AnsiString Field() const { return field_; }
    void SetField(const AnsiString& v) { field_ = v; }

private:
    AnsiString field_;
};
template <int Kind>
void TBoundStandIn<Kind>::Published(TPublished<TBoundStandIn<Kind>>& p) {
    p.Property(Kind == 0 ? "DataField" : "DataBinding", &TBoundStandIn::Field, &TBoundStandIn::SetField);
}

TEST_F(SkinPainterTest, CheckFramesFollowCheckedTheLastSetCheckOfDataFieldsAndNeverDataBindings) {
    TForm* form = ShownForm();
    auto attach = [&](TWinControl* control) {
        control->SetParent(form);
        control->SetBounds(10, 10, 80, 30);
        auto* painter = new TSkinCheckBox(control);
        painter->AttachControl(SkinOf(form), skin_.get(), nullptr, false);
        return painter;
    };
    auto* checked = new TCheckedStandIn(form);
    TSkinCheckBox* byChecked = attach(checked);
    EXPECT_EQ(Painted(byChecked, 5, 15), kCheckFrames[0]);
    checked->SetChecked(true);
    EXPECT_EQ(Painted(byChecked, 5, 15), kCheckFrames[1]);

    auto* data = new TBoundStandIn<0>(form);
    TSkinCheckBox* byData = attach(data);
    EXPECT_EQ(Painted(byData, 5, 15), kCheckFrames[0]) << "before any BM_SETCHECK";
    for (const auto& [check, frame] : {std::pair{1, 1}, {2, 3}, {0, 0}}) {
        SendMessage(data->Handle(), BM_SETCHECK, WPARAM(check), 0);
        EXPECT_EQ(Painted(byData, 5, 15), kCheckFrames[frame]) << check;
    }
    auto* bound = new TBoundStandIn<1>(form);
    TSkinCheckBox* byBinding = attach(bound);
    SendMessage(bound->Handle(), BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(Painted(byBinding, 5, 15), kCheckFrames[0]);
}

TEST_F(SkinPainterTest, TwelveAndEightFrameStripsMapCheckAndRadioStates) {
    COLORREF twelve[12];
    for (int i = 0; i < 12; ++i) twelve[i] = RGB(i + 1, 150, i + 1);
    const std::string description = std::string(kDescription) +
                                    "[Buttons]\nBitmap=buttons.bmp\nFrame=5\nCheckButton=check.bmp\n"
                                    "CheckButtonFrame=12\nRadioButton=radio.bmp\nRadioButtonFrame=8\n";
    const std::vector<Byte> package = WriteSkinPackage(
        70000, {{"fixture.ini", std::vector<Byte>(description.begin(), description.end())},
                Cells("buttons.bmp", kButtonFrames, 5, 20, 20), Cells("check.bmp", twelve, 12, 13, 13),
                Cells("radio.bmp", twelve, 8, 13, 13)});
    skin_->SkinStream()->Clear();
    skin_->SkinStream()->WriteBuffer(package.data(), Integer(package.size()));
    ASSERT_TRUE(skin_->LoadSkin());

    TForm* form = ShownForm();
    TCheckBox* box = TCheckBox::Create(form);
    box->SetParent(form);
    box->SetBounds(10, 10, 80, 30);
    box->SetAllowGrayed(true);
    auto* check = new TSkinCheckBox(box);
    check->AttachControl(SkinOf(form), skin_.get(), nullptr, false);
    TRadioButton* radio = TRadioButton::Create(form);
    radio->SetParent(form);
    radio->SetBounds(10, 50, 80, 30);
    auto* round = new TSkinRadioButton(radio);
    round->AttachControl(SkinOf(form), skin_.get(), nullptr, false);
    struct Case {
        TCheckBoxState state;
        bool enabled;
        int checkFrame, radioFrame;
    };
    for (const Case& c : {Case{cbUnchecked, true, 1, 1}, Case{cbChecked, true, 5, 5}, Case{cbGrayed, true, 9, 0},
                          Case{cbUnchecked, false, 4, 4}, Case{cbChecked, false, 8, 8}, Case{cbGrayed, false, 12, 0}}) {
        box->SetState(c.state);
        box->SetEnabled(c.enabled);
        EXPECT_EQ(Painted(check, 5, 15), twelve[c.checkFrame - 1]) << c.state << c.enabled;
        if (!c.radioFrame) continue;
        radio->SetChecked(c.state == cbChecked);
        radio->SetEnabled(c.enabled);
        EXPECT_EQ(Painted(round, 5, 15), twelve[c.radioFrame - 1]) << c.state << c.enabled;
    }
}

TEST_F(SkinPainterTest, LeftTextPutsTheGlyphRightAndVersionSixDrawsNoFocusRectangle) {
    TForm* form = ShownForm();
    TCheckBox* box = TCheckBox::Create(form);
    box->SetParent(form);
    box->SetBounds(10, 10, 80, 30);
    box->SetCaption("选项");
    auto* painter = new TSkinCheckBox(box);
    painter->AttachControl(SkinOf(form), skin_.get(), nullptr, false);
    SetWindowLong(box->Handle(), GWL_STYLE, GetWindowLong(box->Handle(), GWL_STYLE) | BS_LEFTTEXT);
    EXPECT_EQ(Painted(painter, 75, 15), kCheckFrames[0]);
    EXPECT_EQ(Painted(painter, 2, 2), RGB(244, 244, 244)) << "the face, with the caption from the left edge";
    SetWindowLong(box->Handle(), GWL_STYLE, GetWindowLong(box->Handle(), GWL_STYLE) & ~BS_LEFTTEXT);

    // The focus rectangle is the only difference a focused box shows.
    auto picture = [&] {
        TBitmap bitmap;
        bitmap.SetSize(80, 30);
        painter->PaintSkin(bitmap.Canvas()->Handle(), TRect{0, 0, 80, 30});
        std::vector<COLORREF> pixels;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 80; ++x) pixels.push_back(GetPixel(bitmap.Canvas()->Handle(), x, y));
        return pixels;
    };
    const std::vector<COLORREF> unfocused = picture();
    box->SetFocus();
    ASSERT_EQ(GetFocus(), box->Handle());
    EXPECT_NE(picture(), unfocused);
    const bool saved = SkinIsPreVista;
    SkinIsPreVista = false;
    EXPECT_EQ(picture(), unfocused);
    SkinIsPreVista = saved;
}

TEST_F(SkinPainterTest, TheMappingHonoursDisableTagAndTheBitButtonFlag) {
    TForm* form = ShownForm();
    TButton* plain = TButton::Create(form);
    plain->SetParent(form);
    TButton* disabled = TButton::Create(form);
    disabled->SetParent(form);
    disabled->SetTag(skin_->DisableTag());
    TBitBtn* bit = TBitBtn::Create(form);
    bit->SetParent(form);
    TSkinControlTypes kinds = skin_->SkinControls();
    kinds.Exclude(xcBitBtn);
    skin_->SetSkinControls(kinds);
    SkinOf(form)->SkinControls(form);
    EXPECT_TRUE(SkinOf(form)->IsControlSkinned(plain));
    EXPECT_FALSE(SkinOf(form)->IsControlSkinned(disabled));
    EXPECT_FALSE(SkinOf(form)->IsControlSkinned(bit));
}

// Push buttons of two other libraries, known to the skin only by name.
class TOtherButton : public TButton {
    SERVIORA_CLASS(TOtherButton, TButton)
public:
    using TButton::TButton;
};
class TGizmoButton : public TButton {
    SERVIORA_CLASS(TGizmoButton, TButton)
public:
    using TButton::TButton;
};

TEST_F(SkinPainterTest, TheClassMapAndTheApplicationsOwnPainterComeBeforeTheClassRules) {
    TForm* form = ShownForm();
    auto place = [form](TButton* button) {
        button->SetParent(form);
        return button;
    };
    TButton* listedNil = place(new TOtherButton(form));
    TButton* listedUnknown = place(new TGizmoButton(form));
    TButton* supplied = place(TButton::Create(form));
    TButton* plain = place(TButton::Create(form));
    skin_->Skin3rd()->Add("TOtherButton=nil");
    skin_->Skin3rd()->Add("TGizmoButton=gizmo");
    TSkinControl* own = nullptr;
    skin_->SetOnSkinControl([&](TComponent*, TSkinData*, TControl*, TControl* control, const AnsiString& name,
                                TComponent*& painter) {
        if (control != supplied) return;
        EXPECT_EQ(name, "TBUTTON");
        painter = own = new TSkinBox(control);
    });
    SkinOf(form)->SkinControls(form);
    EXPECT_FALSE(SkinOf(form)->IsControlSkinned(listedNil));
    EXPECT_FALSE(SkinOf(form)->IsControlSkinned(listedUnknown));
    EXPECT_EQ(SkinOf(form)->FindPainter(supplied->Handle()), own);
    EXPECT_TRUE(own && own->Active);
    EXPECT_TRUE(dynamic_cast<TSkinButton*>(SkinOf(form)->FindPainter(plain->Handle())));
}

TEST_F(SkinPainterTest, AnEmbeddedDialogsWindowsArePaintedByTheirClassNames) {
    WNDCLASS dialogClass;  // the system's dialog class, which the program does not make itself
    dialogClass.lpfnWndProc = DefWindowProcValue();
    dialogClass.lpszClassName = "#32770";
    RegisterClass(&dialogClass);
    TForm* form = ShownForm();
    const HWND dialog = CreateWindowEx(0, "#32770", "", WS_CHILD | WS_VISIBLE, 0, 0, 200, 100, form->Handle(), 0, 0,
                                       nullptr);
    auto child = [dialog](const char* windowClass, DWORD style) {
        return CreateWindowEx(0, windowClass, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 60, 20, dialog, 0, 0, nullptr);
    };
    const HWND push = child("BUTTON", BS_PUSHBUTTON), check = child("BUTTON", BS_AUTOCHECKBOX),
               edit = child("EDIT", WS_BORDER), group = child("BUTTON", BS_GROUPBOX);
    SkinOf(form)->SkinChildWindow(dialog);
    TWinSkinForm* skin = SkinOf(form);
    EXPECT_TRUE(dynamic_cast<TSkinBoxH*>(skin->FindPainter(dialog)));
    EXPECT_TRUE(dynamic_cast<TSkinButton*>(skin->FindPainter(push)));
    EXPECT_TRUE(dynamic_cast<TSkinCheckBox*>(skin->FindPainter(check)));
    EXPECT_TRUE(dynamic_cast<TSkinEdit*>(skin->FindPainter(edit)));
    EXPECT_EQ(skin->FindPainter(group), nullptr);
    const HWND tabStop = CreateWindowEx(0, "#32770", "", WS_CHILD | WS_TABSTOP, 0, 0, 50, 50, form->Handle(), 0, 0,
                                        nullptr);
    SkinOf(form)->SkinChildWindow(tabStop);
    EXPECT_EQ(skin->FindPainter(tabStop), nullptr) << "only a dialog embedded without a tab stop";
}

TEST_F(SkinPainterTest, ADestroyedWindowLeavesItsPainterSwitchedOffInStateSixWithItsColourBack) {
    TForm* form = ShownForm();
    TPanel* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetColor(clRed);
    auto* painter = new TSkinGroupBox(panel);
    painter->AttachControl(SkinOf(form), skin_.get(), nullptr, true);
    EXPECT_EQ(panel->Color(), skin_->Colour(TSkinData::kButtonFaceIndex));
    DestroyWindow(panel->Handle());
    EXPECT_FALSE(painter->Active);
    EXPECT_EQ(painter->PainterState, TSkinControl::kWindowDestroyed);
    EXPECT_EQ(panel->Color(), clRed);
    SkinOf(form)->FreeDestroyedPainters();
    EXPECT_TRUE(SkinOf(form)->Painters.empty());
}

TEST_F(SkinPainterTest, TheFocusRectangleStaysInsideItsRectangle) {
    std::unique_ptr<TButton> owner(TButton::Create(nullptr));
    TSkinButton& painter = *new TSkinButton(owner.get());
    painter.Caption = u"a caption far wider than the rectangle it is laid out in";
    TBitmap bitmap;
    bitmap.SetSize(60, 30);
    HDC dc = bitmap.Canvas()->Handle();
    FillSolid(dc, TRect{0, 0, 60, 30}, clWhite);
    painter.DrawTextFocus(dc, DT_CENTER, TRect{10, 10, 40, 20});
    for (int x = 0; x < 60; ++x)
        for (int y = 0; y < 30; ++y)
            if (x < 10 || x >= 40 || y < 10 || y >= 20) {
                ASSERT_EQ(GetPixel(dc, x, y), RGB(255, 255, 255)) << x << "," << y;
            }
}

// Raw BUTTON windows by their type: check boxes, radio buttons, nothing
// for group boxes and owner-drawn buttons, push buttons for the rest
// (split and command-link types included).
TEST_F(SkinPainterTest, RawButtonsAreClassifiedByTheirType) {
    TForm* form = ShownForm();
    struct Case {
        DWORD type;
        const char* painter;
    };
    const Case cases[] = {{BS_PUSHBUTTON, "TSkinButton"},       {BS_CHECKBOX, "TSkinCheckBox"},
                          {BS_AUTOCHECKBOX, "TSkinCheckBox"},   {BS_RADIOBUTTON, "TSkinRadioButton"},
                          {BS_3STATE, "TSkinCheckBox"},         {BS_AUTO3STATE, "TSkinCheckBox"},
                          {BS_GROUPBOX, nullptr},               {BS_AUTORADIOBUTTON, "TSkinRadioButton"},
                          {BS_OWNERDRAW, nullptr},              {0xC, "TSkinButton"},
                          {0xE, "TSkinButton"}};
    for (const Case& c : cases) {
        HWND window = CreateWindowEx(0, "BUTTON", "b", WS_CHILD | c.type, 0, 0, 40, 20, form->Handle(), 0, 0, nullptr);
        SkinOf(form)->SkinChildWindow(window);
        TSkinControl* painter = SkinOf(form)->FindPainter(window);
        if (c.painter)
            EXPECT_TRUE(painter && painter->ClassName() == c.painter) << c.type;
        else
            EXPECT_EQ(painter, nullptr) << c.type;
        DestroyWindow(window);
    }
}

}  // namespace
