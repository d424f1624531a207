// The grid button: check style, groups, the drop-down part, the margin's
// lower limit, the face inside a rounded outline, the disabled glyph's grey
// and the colour styles.
#include <gtest/gtest.h>

#include "platform/ui/control_fixture.h"
#include "stringgrid/BavGridButton.h"
#include "tests/platform/win/window_fixture.h"

namespace {

class GridButtonTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        form = NewForm(300, 200);
        first = NewButton(10);
        second = NewButton(110);
        form->Show();
        ProcessMessages();
    }
    TBavGridButton* NewButton(int left) {
        auto* button = new TBavGridButton(form);
        button->SetParent(form);
        button->SetBounds(left, 10, 90, 23);
        button->SetCaption("按钮");
        button->SetOnClick([this, button](TObject*) { clicked.push_back(button); });
        return button;
    }
    void Click(TBavGridButton* button, int x = 45) {
        const LPARAM at = MAKELPARAM(button->Left() + x, button->Top() + 10);
        SendMessage(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessage(form->Handle(), WM_LBUTTONUP, 0, at);
        ProcessMessages();
    }
    TForm* form = nullptr;
    TBavGridButton *first = nullptr, *second = nullptr;
    std::vector<TBavGridButton*> clicked;
};

TEST_F(GridButtonTest, CheckStyleTogglesAndAPlainButtonIsNeverDown) {
    first->SetStyle(tasCheck);
    Click(first);
    EXPECT_TRUE(first->Down());
    Click(first);
    EXPECT_FALSE(first->Down());
    second->SetDown(true);
    Click(second);
    EXPECT_FALSE(second->Down());
    EXPECT_EQ(clicked.size(), 3u);
}

TEST_F(GridButtonTest, AGroupKeepsOneButtonDown) {
    first->SetGroupIndex(1);
    second->SetGroupIndex(1);
    Click(first);
    EXPECT_TRUE(first->Down());
    Click(second);
    EXPECT_TRUE(second->Down());
    EXPECT_FALSE(first->Down());
    Click(second);
    EXPECT_TRUE(second->Down());
    second->SetAllowAllUp(true);
    EXPECT_TRUE(first->AllowAllUp());
    Click(second);
    EXPECT_FALSE(second->Down());
}

// An action's caption, group index and checked state reach the buttons
// that share them; the checked state only a group button that may go all
// up, and a button pressed in the group unchecks the other's action.
TEST_F(GridButtonTest, AnActionLinksCaptionGroupAndCheckedState) {
    auto* action = new TAction(form);
    action->SetCaption("按钮");
    action->SetGroupIndex(1);
    for (TBavGridButton* b : {first, second}) {
        b->SetGroupIndex(1);
        b->SetAllowAllUp(true);
    }
    first->SetAction(action);
    action->SetCaption("查找");
    action->SetChecked(true);
    EXPECT_EQ(first->Caption(), "查找");
    EXPECT_TRUE(first->Down());
    Click(second);
    EXPECT_TRUE(second->Down());
    EXPECT_FALSE(first->Down());
    EXPECT_FALSE(action->Checked()) << "the pressed group button unchecks the action";
    action->SetGroupIndex(2);
    EXPECT_EQ(first->GroupIndex(), 2);

    first->SetAllowAllUp(false);
    action->SetChecked(true);
    EXPECT_FALSE(first->Down()) << "a button that may not go all up keeps its own state";
}

// A double click on a button that is up is a second click.
TEST_F(GridButtonTest, ADoubleClickCountsOnlyWhileDown) {
    int doubleClicks = 0;
    first->SetOnDblClick([&](TObject*) { ++doubleClicks; });
    const LPARAM at = MAKELPARAM(first->Left() + 45, first->Top() + 10);
    auto doubleClick = [&] {
        Click(first);
        SendMessage(form->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        SendMessage(form->Handle(), WM_LBUTTONUP, 0, at);
        ProcessMessages();
    };
    doubleClick();
    EXPECT_EQ(doubleClicks, 0);
    EXPECT_EQ(clicked.size(), 2u);
    first->SetGroupIndex(1);
    doubleClick();
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_TRUE(first->Down());
}

TEST_F(GridButtonTest, TheDropDownPartNeverClicks) {
    first->SetDropDownButton(true);
    int dropDowns = 0;
    first->SetOnDropDown([&](TObject*) { ++dropDowns; });
    Click(first, 85);
    EXPECT_EQ(dropDowns, 1);
    EXPECT_TRUE(clicked.empty());
    Click(first, 40);
    EXPECT_EQ(dropDowns, 1);
    EXPECT_EQ(clicked.size(), 1u);
}

TEST_F(GridButtonTest, AMarginBelowMinusOneIsIgnored) {
    first->SetMargin(3);
    first->SetMargin(-2);
    EXPECT_EQ(first->Margin(), 3);
    first->SetMargin(-1);
    EXPECT_EQ(first->Margin(), -1);
}

TEST_F(GridButtonTest, TheGradientShowsInsideARoundedOutline) {
    first->SetCaption("");
    first->SetColor(TColor(0x0000FF));
    first->SetColorTo(TColor(0xFF0000));
    first->SetBorderColor(clBlack);
    first->SetRounded(true);
    first->Repaint();
    ProcessMessages();
    RECT window;
    GetWindowRect(form->Handle(), &window);
    auto shown = [&](int x, int y) {
        const TPoint at = first->ClientToScreen(TPoint{x, y});
        return ShownPixel(form->Handle(), at.x - window.left, at.y - window.top);
    };
    const COLORREF top = shown(45, 3), bottom = shown(45, 19), outline = shown(45, 0);
    EXPECT_GT(GetRValue(top), GetBValue(top));
    EXPECT_GT(GetBValue(bottom), GetRValue(bottom));
    EXPECT_EQ(outline, COLORREF(0));
}

TEST_F(GridButtonTest, TheDisabledGlyphIsGreyAndTheShadeASilhouette) {
    TBitmap glyph;
    glyph.SetSize(4, 4);
    glyph.Canvas()->Brush()->SetColor(clWhite);
    glyph.Canvas()->FillRect(TRect{0, 0, 4, 4});
    glyph.Canvas()->SetPixels(1, 1, clBlack);
    glyph.Canvas()->SetPixels(2, 2, TColor(RGB(255, 0, 0)));
    first->SetGlyph(&glyph);
    TCanvas* disabled = first->GlyphDisabled()->Canvas();
    EXPECT_EQ(ColorToRGB(disabled->Pixels(1, 1)), RGB(96, 96, 96));
    EXPECT_EQ(ColorToRGB(disabled->Pixels(2, 2)), RGB(138, 138, 138));
    EXPECT_EQ(ColorToRGB(disabled->Pixels(0, 0)), RGB(223, 223, 223));
    first->CreateShade();
    TCanvas* shade = first->Shade()->Canvas();
    EXPECT_EQ(ColorToRGB(shade->Pixels(1, 1)), ColorToRGB(clGray));
    EXPECT_EQ(ColorToRGB(shade->Pixels(2, 2)), ColorToRGB(clGray));
    EXPECT_EQ(ColorToRGB(shade->Pixels(0, 3)), ColorToRGB(clWhite));
}

TEST_F(GridButtonTest, ColourStylesSetTheFaces) {
    first->SetBorderColor(clRed);
    first->SetColorStyle(0);
    EXPECT_TRUE(first->Rounded());
    EXPECT_EQ(first->ColorHot(), TColor(0xFAFCFC));
    EXPECT_EQ(first->BorderDownColor(), TColor(0xAF987A));
    EXPECT_EQ(first->BorderHotColor(), TColor(0xC3CECE));
    EXPECT_EQ(first->BorderColor(), clNone);
    first->SetFlat(false);
    first->SetAutoThemeAdapt(true);
    EXPECT_FALSE(first->Rounded());
    EXPECT_TRUE(first->Flat());
    EXPECT_EQ(first->ColorDown(), TColor(0xE2B598));
    first->SetColorStyle(3);
    EXPECT_EQ(first->Color(), TColor(0xCFF0EA));
    EXPECT_EQ(first->ColorChecked(), TColor(0x8ED3FF));
}

}  // namespace
