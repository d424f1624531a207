// Tool buttons clicked with the mouse: toggle groups with and without
// AllowAllUp, and drop-down buttons whose arrow zone opens the menu, whose
// other part clicks, and whose closing press does not open it again; the
// image a disabled button shows.
#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/clock.h"
#include "platform/rtl/datetime.h"
#include "platform/ui/forms.h"
#include "platform/ui/testseams.h"
#include "styled/VxButton.h"

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

}  // namespace
