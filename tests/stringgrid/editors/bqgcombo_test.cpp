// The flat combo box: its settings, the frame that turns sunken while the
// mouse is over it or it has the focus, the colour it takes while disabled,
// and the visual style's drop button.
#include "stringgrid/editors/bqgcombo.h"

#include "platform/gdi/sysparams.h"
#include "platform/ui/control_fixture.h"
#include "platform/win/commctrl.h"
#include "stringgrid/editors/BqgUniEdits.h"

namespace {

class FlatComboTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        form = NewForm(300, 200);
        form->SetColor(clWhite);
        combo = Place<TBQGComboBox>(form, 10, 10, 150, 22);
        other = Place<TFocusBox>(form, 10, 100, 60, 20);
        form->Show();
        ProcessMessages();
    }
    // The pixel at (x, y) of the combo's window.
    COLORREF Pixel(int x, int y) const {
        const std::set<COLORREF> colours = ColoursIn(combo->Handle(), TRect(x, y, x + 1, y + 1));
        return colours.empty() ? CLR_INVALID : *colours.begin();
    }
    TForm* form = nullptr;
    TBQGComboBox* combo = nullptr;
    TFocusBox* other = nullptr;
};

TEST_F(FlatComboTest, SettingsAndTheirLimits) {
    EXPECT_TRUE(combo->Flat());
    EXPECT_FALSE(combo->Etched());
    EXPECT_EQ(combo->ButtonWidth(), GetSystemMetrics(SM_CXVSCROLL) + 4);
    EXPECT_EQ(combo->Version(), "1.0.0.0");
    for (const auto& [width, taken] : {std::pair{14, 14}, {13, 14}, {32, 32}, {33, 32}}) {
        combo->SetButtonWidth(width);
        EXPECT_EQ(combo->ButtonWidth(), taken) << width;
    }
    combo->SetFlat(false);
    EXPECT_TRUE(combo->Ctl3D());
    combo->SetFlat(true);
    EXPECT_FALSE(combo->Ctl3D());
    combo->SetDropWidth(240);
    EXPECT_EQ(SendMessage(combo->Handle(), CB_GETDROPPEDWIDTH, 0, 0), 240);
    combo->RecreateWnd();
    EXPECT_EQ(SendMessage(combo->Handle(), CB_GETDROPPEDWIDTH, 0, 0), 240) << "kept for a new window";
}

// The frame's corner shows the parent's colour while the combo rests, the
// sunken edge's shadow once the mouse is over it with FocusBorder, and
// keeps it while the combo has the focus.
TEST_F(FlatComboTest, FocusBorderSinksTheFrameWhileActive) {
    const COLORREF rest = ColorToRGB(clWhite), sunken = GetSysColor(COLOR_BTNSHADOW);
    other->SetFocus();
    ProcessMessages();
    EXPECT_EQ(Pixel(0, 0), rest);
    SimulateMouseMove(combo->Handle(), POINT{20, 10});
    ProcessMessages();
    EXPECT_EQ(Pixel(0, 0), rest) << "no sunken frame without FocusBorder";

    combo->SetFocusBorder(true);
    SimulateMouseMove(other->Handle(), POINT{5, 5});
    ProcessMessages();
    EXPECT_EQ(Pixel(0, 0), rest);
    SimulateMouseMove(combo->Handle(), POINT{20, 10});
    ProcessMessages();
    EXPECT_EQ(Pixel(0, 0), sunken) << "the mouse is over it";
    combo->SetFocus();
    SimulateMouseMove(other->Handle(), POINT{5, 5});
    ProcessMessages();
    EXPECT_EQ(Pixel(0, 0), sunken) << "it has the focus";
    other->SetFocus();
    ProcessMessages();
    EXPECT_EQ(Pixel(0, 0), rest);
}

TEST_F(FlatComboTest, DisabledItTakesItsParentsColour) {
    combo->SetColor(clYellow);
    combo->SetEnabled(false);
    EXPECT_EQ(combo->Color(), clWhite);
    EXPECT_TRUE(combo->ParentColor());
    combo->SetEnabled(true);
    EXPECT_EQ(combo->Color(), clYellow);
    EXPECT_FALSE(combo->ParentColor());
}

// With visual styles on, the ANSI and the Unicode combo draw the style's
// drop button; without, the platform's flat arrow on the button face.
TEST_F(FlatComboTest, VisualStylesDrawTheDropButton) {
    auto* wide = Place<TBQGUniComboBox>(form, 10, 50, 150, 22);
    ProcessMessages();
    const auto buttonColours = [](TWinControl* c) {
        return ColoursIn(c->Handle(), TRect(c->Width() - 12, 6, c->Width() - 6, c->Height() - 6));
    };
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (TWinControl* c : {static_cast<TWinControl*>(combo), static_cast<TWinControl*>(wide)})
        EXPECT_TRUE(buttonColours(c).count(face)) << c->ClassName();
    SetThemeActive(true);
    combo->RecreateWnd();
    wide->RecreateWnd();
    ProcessMessages();
    for (TWinControl* c : {static_cast<TWinControl*>(combo), static_cast<TWinControl*>(wide)})
        EXPECT_FALSE(buttonColours(c).count(face)) << c->ClassName();
    EXPECT_TRUE(combo->IsWinXP());
    SetThemeActive(false);
}

}  // namespace
