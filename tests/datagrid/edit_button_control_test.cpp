// The edit-button control: which half of an up-down button a press takes,
// the press repeated while held (at once, after 400 ms, then every 100 ms
// on the frozen clock) and stopped on the other half, and the held-down look.
#include "datagrid/ToolCtrlsVynButtons.h"
#include "platform/rtl/clock.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/forms.h"
#include "platform/win/testseams.h"
#include "tests/datagrid/grid_fixture.h"

namespace {

class EditButtonControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        FreezeClock(EncodeDate(2026, 12, 10));
        form_.reset(TForm::Create(nullptr));
        form_->SetBounds(0, 0, 200, 120);
        button_ = new TSpeedButtonVyn(form_.get());
        button_->SetParent(form_.get());
        button_->SetBounds(20, 20, 16, 21);
        button_->SetStyle(ebsUpDownVyn);
        button_->SetOnButtonDown(
            TButtonDownEventVyn([this](TObject*, bool top, bool&, bool&) { presses_.push_back(top); }));
        form_->Show();
        Application->ProcessMessages();
    }
    void TearDown() override {
        form_.reset();
        ReleaseClock();
    }
    void Mouse(int x, int y, bool down) {
        SimulateMouseButton(form_->Handle(), {20 + x, 20 + y}, VK_LBUTTON, down);
        Application->ProcessMessages();
    }
    void Wait(Cardinal ms) {
        AdvanceClock(ms);
        Application->ProcessMessages();
    }
    std::unique_ptr<TForm> form_;
    TSpeedButtonVyn* button_ = nullptr;
    std::vector<bool> presses_;
};

TEST_F(EditButtonControlTest, AHeldHalfRepeatsAfter400MsThenEvery100Ms) {
    Mouse(8, 3, true);
    EXPECT_EQ(button_->PressedHalf(), 1);
    EXPECT_EQ(presses_, (std::vector<bool>{true}));
    Wait(399);
    EXPECT_EQ(presses_.size(), 1u);
    Wait(1);
    EXPECT_EQ(presses_.size(), 2u);
    Wait(100);
    EXPECT_EQ(presses_.size(), 3u);
    SimulateMouseMove(form_->Handle(), {28, 20 + 18});  // onto the lower half
    Application->ProcessMessages();
    Wait(300);
    EXPECT_EQ(presses_.size(), 3u);
    int clicks = 0;
    button_->SetOnClick([&](TObject*) { ++clicks; });
    Mouse(8, 18, false);
    EXPECT_EQ(clicks, 0) << "released on the other half: no click";
    EXPECT_EQ(button_->PressedHalf(), 0);
}

TEST_F(EditButtonControlTest, TheLowerHalfAndTheBandBetween) {
    Mouse(8, 17, true);
    EXPECT_EQ(button_->PressedHalf(), 2);
    EXPECT_EQ(presses_, (std::vector<bool>{false}));
    Mouse(8, 17, false);
    presses_.clear();
    Mouse(8, 10, true);  // the middle line of an odd height
    EXPECT_EQ(button_->PressedHalf(), 0);
    EXPECT_TRUE(presses_.empty());
    Mouse(8, 10, false);
}

TEST_F(EditButtonControlTest, HeldDownKeepsThePressedLook) {
    button_->SetStyle(ebsDropDownVyn);
    button_->SetHeldDown(true);
    EXPECT_TRUE(button_->Down());
    EXPECT_EQ(button_->PressedHalf(), 1);
    button_->SetHeldDown(false);
    EXPECT_FALSE(button_->Down());
    EXPECT_EQ(button_->GroupIndex(), 0);
    EXPECT_EQ(button_->PressedHalf(), 0);
}

}  // namespace
