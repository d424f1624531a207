// Tool buttons clicked with the mouse: toggle groups with and without
// AllowAllUp, and drop-down buttons whose arrow zone opens the menu, whose
// other part clicks, and whose closing press does not open it again; the
// image a disabled button shows; the visual style taken from the toolbar,
// where glyph and caption go, and the properties older forms stored.
#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/clock.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/writer.h"
#include "platform/rtl/datetime.h"
#include "platform/ui/forms.h"
#include "platform/ui/testseams.h"
#include "styled/VxButton.h"
#include "styled/VxPanel.h"

namespace {

class ToolButton : public testing::Test {
protected:
    void SetUp() override {
        form_.reset(new TForm(nullptr, 0));
        form_->SetBounds(0, 0, 400, 200);
        form_->Show();
    }
    TVxToolButton* AddButton(int left, std::vector<TVxToolButton*>* clicked) {
        auto* button = new TVxToolButton(form_.get());
        button->SetBounds(left, 10, 40, 25);
        button->SetParent(form_.get());
        if (clicked) button->SetOnClick([clicked, button](TObject*) { clicked->push_back(button); });
        return button;
    }
    // A click; a menu it opens is closed with Escape.
    void Click(TVxToolButton* button, int x = 10) {
        ASSERT_TRUE(SimulateClick(form_->Handle(), POINT{button->Left() + x, button->Top() + 10}));
        SimulateKey(VK_ESCAPE, true);
        SimulateKey(VK_ESCAPE, false);
        ProcessMessages();
    }

    std::unique_ptr<TForm> form_;
};

TEST_F(ToolButton, AGroupKeepsOneButtonDownAndAllowAllUpLetsItRise) {
    std::vector<TVxToolButton*> clicked;
    TVxToolButton* a = AddButton(10, &clicked);
    TVxToolButton* b = AddButton(60, &clicked);
    for (TVxToolButton* button : {a, b}) button->SetGroupIndex(1);
    Click(a);
    EXPECT_TRUE(a->Down());
    Click(a);
    EXPECT_TRUE(a->Down()) << "a down button of the group stays down";
    EXPECT_EQ(clicked, std::vector<TVxToolButton*>{a}) << "and the second click does not click";
    Click(b);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    b->SetAllowAllUp(true);
    EXPECT_TRUE(a->AllowAllUp()) << "the group shares AllowAllUp";
    Click(b);
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(clicked, (std::vector<TVxToolButton*>{a, b, b}));
}

TEST_F(ToolButton, ASplitButtonClicksLeftOfItsArrowAndOpensTheMenuFromIt) {
    FrozenClockScope clock(EncodeDate(2024, 5, 1));
    std::vector<TVxToolButton*> clicked;
    TVxToolButton* button = AddButton(10, &clicked);
    auto* menu = new TPopupMenu(form_.get());
    auto* item = new TMenuItem(form_.get());
    item->SetCaption("一项");
    menu->Items()->Add(item);
    button->SetDropDownMenu(menu);
    button->SetToolStyle(tsDropDown);
    EXPECT_EQ(button->Width(), 54) << "the arrow zone widens the button";
    int dropped = 0;
    button->SetOnDropDown([&](TObject* sender) {
        EXPECT_EQ(sender, menu);
        ++dropped;
    });
    Click(button, 10);
    EXPECT_EQ(clicked.size(), 1u);
    EXPECT_EQ(dropped, 0);

    Click(button, 50);
    EXPECT_EQ(dropped, 1);
    EXPECT_EQ(menu->PopupComponent(), button);
    AdvanceClock(50);
    Click(button, 50);
    EXPECT_EQ(dropped, 1) << "the press that closes the menu does not open it again";
    AdvanceClock(200);
    Click(button, 10);
    EXPECT_EQ(clicked.size(), 2u);
}

TEST_F(ToolButton, ADropDownButtonWithoutAClickHandlerOpensItsMenuAnywhere) {
    TVxToolButton* button = AddButton(10, nullptr);
    auto* menu = new TPopupMenu(form_.get());
    button->SetDropDownMenu(menu);
    button->SetToolStyle(tsDropDown);
    int dropped = 0;
    button->SetOnDropDown([&](TObject*) { ++dropped; });
    Click(button, 5);
    EXPECT_EQ(dropped, 1);
}

TEST_F(ToolButton, ADisabledButtonShowsItsDisabledImageOrItsImageGreyed) {
    struct Case {
        bool enabled;
        Integer disabledIndex, shown;
        bool greyed;
    };
    TVxToolButton* button = AddButton(10, nullptr);
    button->SetImageIndex(3);
    for (const Case& c : {Case{true, -1, 3, false}, Case{false, -1, 3, true}, Case{false, 7, 7, false},
                          Case{true, 7, 3, false}}) {
        button->SetEnabled(c.enabled);
        button->SetDisabledIndex(c.disabledIndex);
        EXPECT_EQ(button->StateImageIndex(), c.shown) << c.enabled << " " << c.disabledIndex;
        EXPECT_EQ(button->StateImageGreyed(), c.greyed) << c.enabled << " " << c.disabledIndex;
    }
}

// The size a toolbar hands its buttons, widened to a caption in the
// toolbar's bold 14-pixel 宋体 (15 pixels a hanzi).
TEST_F(ToolButton, AButtonTakesTheToolbarSizeWidenedToItsCaption) {
    struct Case {
        TButtonLayout layout;
        TVxToolStyle style;
        const char* caption;
        int width;
    };
    auto* bar = new TVxToolbar(form_.get());
    bar->SetParent(form_.get());
    bar->Font()->SetName("宋体");
    bar->Font()->SetHeight(-14);
    bar->Font()->SetStyle(TFontStyles{fsBold});
    auto* images = new TImageList(form_.get());
    images->SetWidth(32);
    bar->SetImages(images);
    bar->SetButtonWidth(60);
    bar->SetButtonHeight(60);
    bar->SetShowButtonCaptions(true);
    auto* button = new TVxToolButton(form_.get());
    button->SetParent(bar);
    for (const Case& c : {Case{blGlyphTop, tsButton, "手机交付顾客", 6 * 15 + 8},
                          Case{blGlyphTop, tsButton, "售后接待", 4 * 15 + 8},
                          Case{blGlyphTop, tsButton, "退出", 60},
                          Case{blGlyphBottom, tsDropDown, "退出", 60 + 14},
                          Case{blGlyphLeft, tsButton, "退出", 32 + 2 * 15 + 12},
                          Case{blGlyphRight, tsDropDown, "售后接待", 32 + 4 * 15 + 12 + 14}}) {
        bar->SetButtonLayout(c.layout);
        button->SetToolStyle(c.style);
        button->SetCaption(c.caption);
        button->TakeToolbarSettings();
        EXPECT_EQ(button->Width(), c.width) << c.caption << " " << c.layout;
        EXPECT_EQ(button->Height(), 60);
        EXPECT_TRUE(button->UseToolbarButtonSize());
    }
    bar->SetShowButtonCaptions(false);
    bar->SetButtonWidth(60);
    EXPECT_EQ(button->Width(), 60 + 14) << "without its caption, the toolbar's width";
    button->SetWidth(40);
    EXPECT_FALSE(button->UseToolbarButtonSize()) << "a size of its own";
    bar->SetButtonWidth(70);
    EXPECT_EQ(button->Width(), 40);
    button->SetUseToolbarButtonSize(true);
    EXPECT_EQ(button->Width(), 70 + 14);
}

TEST_F(ToolButton, AButtonFollowsTheToolbarsVisualStyleUntilGivenItsOwn) {
    auto* bar = new TVxToolbar(form_.get());
    bar->SetParent(form_.get());
    auto* button = new TVxToolButton(form_.get());
    button->SetParent(bar);
    bar->SetVisualStyle(vsGradient);
    bar->SetGradientColorStyle(gcsMSOffice);
    EXPECT_EQ(button->VisualStyle(), vsGradient);
    EXPECT_EQ(button->GradientColorStyle(), gcsMSOffice);
    EXPECT_TRUE(button->UseToolbarVisualStyle());
    button->SetVisualStyle(vsClassic);
    EXPECT_FALSE(button->UseToolbarVisualStyle());
    bar->SetVisualStyle(vsWinXP);
    EXPECT_EQ(button->VisualStyle(), vsClassic);
    button->SetUseToolbarVisualStyle(true);
    EXPECT_EQ(button->VisualStyle(), vsWinXP) << "taken back at once";
}

TEST_F(ToolButton, GlyphAndCaptionArePlacedByLayoutAlignmentAndThePressedOffset) {
    auto* images = new TImageList(form_.get());
    images->SetWidth(16);
    images->SetHeight(16);
    auto* button = AddButton(10, nullptr);
    button->SetBounds(10, 10, 80, 60);
    button->SetImages(images);
    button->SetImageIndex(0);
    button->SetCaption("退出");
    button->SetShowCaption(true);
    TRect glyph, text;
    // The content area is the button less 2 on every side: 76 x 56.
    button->SetLayout(blGlyphTop);
    button->CalcContentRects(glyph, text);
    EXPECT_EQ(glyph.left, 2 + (76 - 16) / 2);
    EXPECT_EQ(text.top, glyph.bottom + 4);
    EXPECT_EQ(glyph.top, 2 + (56 - 16 - 4 - (text.bottom - text.top)) / 2) << "glyph and caption centred together";
    button->SetLayout(blGlyphLeft);
    button->CalcContentRects(glyph, text);
    EXPECT_EQ(text.left, glyph.right + 4);
    EXPECT_EQ(glyph.top, 2 + (56 - 16) / 2);
    const int contentWidth = text.right - glyph.left;
    EXPECT_EQ(glyph.left, 2 + (76 - contentWidth) / 2);
    button->SetAlignment(taLeftJustify);
    button->CalcContentRects(glyph, text);
    EXPECT_EQ(glyph.left, 4) << "the content's left edge moves to 4";
    button->SetAlignment(taCenter);

    // A checked button's content moves one pixel right and down, except in the gradient look.
    button->SetGroupIndex(1);
    button->SetDown(true);
    TRect pressed, pressedText;
    button->CalcContentRects(pressed, pressedText);
    EXPECT_EQ(pressed.left, 2 + (76 - contentWidth) / 2 + 1);
    EXPECT_EQ(pressed.top, 2 + (56 - 16) / 2 + 1);
    button->SetVisualStyle(vsGradient);
    button->CalcContentRects(pressed, pressedText);
    EXPECT_EQ(pressed.top, 2 + (56 - 16) / 2);

    button->SetShowCaption(false);
    button->CalcContentRects(glyph, text);
    EXPECT_EQ(glyph, TRect(2 + 30, 2 + 20, 2 + 30 + 16, 2 + 20 + 16)) << "alone, the glyph is centred";
    EXPECT_TRUE(IsRectEmpty(&text));
}

TEST_F(ToolButton, ALinkedActionChecksTheButtonAndGivesItsImageAndTakesThemBack) {
    auto* button = AddButton(10, nullptr);
    button->SetGroupIndex(1);
    button->SetAllowAllUp(true);
    auto* action = new TAction(form_.get());
    action->SetImageIndex(3);
    button->SetAction(action);
    EXPECT_EQ(button->ImageIndex(), 3);
    action->SetChecked(true);
    EXPECT_TRUE(button->Down());
    action->SetImageIndex(5);
    EXPECT_EQ(button->ImageIndex(), 5);
    button->SetImageIndex(7);
    action->SetImageIndex(6);
    EXPECT_EQ(button->ImageIndex(), 7) << "an image of its own is kept";
    TAction copy(nullptr);
    copy.Assign(button);
    EXPECT_TRUE(copy.Checked());
    EXPECT_EQ(copy.ImageIndex(), 7);
}

TEST_F(ToolButton, AButtonGrowsToHoldTheImagesOfItsList) {
    TVxToolButton* button = AddButton(10, nullptr);
    button->SetUseToolbarButtonSize(true);
    TImageList images(form_.get());
    images.SetWidth(32);
    images.SetHeight(30);
    button->SetImages(&images);
    EXPECT_EQ(button->Width(), 40) << "wide enough already";
    EXPECT_EQ(button->Height(), 30);
    EXPECT_FALSE(button->UseToolbarButtonSize()) << "a real size change";
    images.SetWidth(48);
    EXPECT_EQ(button->Width(), 48) << "a change inside the list enlarges again";
    button->SetImages(nullptr);
    images.SetWidth(64);
    EXPECT_EQ(button->Width(), 48);
}

TEST(ToolButtonStream, PropertiesOlderFormsStoredAreReadIntoTheirSuccessors) {
    std::unique_ptr<TForm> form(new TForm(nullptr, 0));
    auto* button = new TVxToolButton(form.get());
    button->SetName("Old");
    ReadComponentFromString(Utf8(u8R"(object Old: TVxToolButton
  GradientColorStart = clRed
  GradientColorStop = 255
  FrameColor = clBlue
  GradientColorDefault = False
  ThemeAware = True
  UseGradients = True
end
)"),
                            button);
    EXPECT_EQ(button->SelectionColorStart(), clRed);
    EXPECT_EQ(button->SelectionColorStop(), TColor(255));
    EXPECT_EQ(button->SelectionFrameColor(), clBlue);
    EXPECT_EQ(button->VisualStyle(), vsGradient);
}

}  // namespace
