// The overflow chevron of a toolbar that does not wrap: which buttons its
// pop-up offers and how they are laid out, how the pop-up closes (a chosen
// button, a click elsewhere, Escape), where it opens, and the pressed glyph.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/ui/forms.h"
#include "platform/ui/testseams.h"
#include "styled/VxChevron.h"

namespace {

class Chevron : public testing::Test {
protected:
    void SetUp() override {
        form_.reset(new TForm(nullptr, 0));
        form_->SetBounds(0, 0, 500, 300);
        bar_ = new TVxToolbar(form_.get());
        bar_->SetParent(form_.get());
        bar_->SetWrapControls(false);
        bar_->SetAlign(alNone);
        bar_->SetWidth(300);
        bar_->SetButtonWidth(60);
        for (int i = 0; i < 7; ++i) {
            auto* button = new TVxToolButton(form_.get());
            button->SetName("Button" + IntToStr(i + 1));
            button->SetBounds(0, 0, 60, 25);
            button->SetParent(bar_);
            button->SetOnClick([this, button](TObject*) { clicked_.push_back(button); });
            buttons_.push_back(button);
        }
        bar_->Realign();
        form_->Show();
        ProcessMessages();
    }
    void TearDown() override { Application->SetOnIdle(nullptr); }

    // Opens the overflow and runs `step` once while it is open; a pop-up
    // still open after many idle turns is closed so that a failure ends.
    void Overflow(std::function<void(TVxPopupPanel*)> step) {
        TVxToolbarPopupButton* chevron = bar_->PopupButton();
        ASSERT_NE(chevron, nullptr);
        int turns = 0;
        Application->SetOnIdle([&](TObject*, bool& done) {
            done = false;
            if (++turns == 1) step(chevron->OverflowPanel());
            if (turns == 200) chevron->OverflowPanel()->ClosePopup();
        });
        chevron->ShowOverflow();
        Application->SetOnIdle(nullptr);
        EXPECT_LT(turns, 200) << "the pop-up did not close";
        ProcessMessages();
    }
    // The pop-up toolbar of an open overflow.
    static TVxToolbar* PopupToolbar(TVxPopupPanel* panel) {
        for (int i = 0; i < panel->ComponentCount(); ++i)
            if (auto* bar = dynamic_cast<TVxToolbar*>(panel->Components(i))) return bar;
        return nullptr;
    }

    std::unique_ptr<TForm> form_;
    TVxToolbar* bar_;
    std::vector<TVxToolButton*> buttons_;
    std::vector<TVxToolButton*> clicked_;
};

TEST_F(Chevron, ButtonsPastTheFarMarginAreOfferedInThreeWideRowsAndEscapeClosesWithoutAClick) {
    ASSERT_TRUE(bar_->PopupButtonShown());
    EXPECT_EQ(bar_->PopupButton()->BoundsRect(), TRect(300 - 14, 0, 300, bar_->Height()));
    std::vector<std::pair<TVxToolButton*, TPoint>> offered;
    Overflow([&](TVxPopupPanel* panel) {
        TVxToolbar* popupBar = PopupToolbar(panel);
        ASSERT_NE(popupBar, nullptr);
        EXPECT_EQ(popupBar->Width(), 60 * 3 + 8);
        for (TControl* control : popupBar->ToolbarControls()) {
            auto* copy = dynamic_cast<TVxPopupToolButton*>(control);
            ASSERT_NE(copy, nullptr);
            offered.emplace_back(copy->MappedButton(), TPoint(copy->Left(), copy->Top()));
        }
        SimulateKey(VK_ESCAPE, true);
        SimulateKey(VK_ESCAPE, false);
    });
    ASSERT_EQ(offered.size(), 3u);
    const TPoint places[] = {{4, 2}, {64, 2}, {124, 2}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(offered[i].first, buttons_[4 + i]) << i;
        EXPECT_EQ(offered[i].second, places[i]) << i;
    }
    EXPECT_TRUE(clicked_.empty());
}

TEST_F(Chevron, AHiddenButtonIsNotOffered) {
    buttons_[5]->SetVisible(false);
    bar_->Realign();
    std::vector<TVxToolButton*> offered;
    Overflow([&](TVxPopupPanel* panel) {
        for (TControl* control : PopupToolbar(panel)->ToolbarControls())
            offered.push_back(static_cast<TVxPopupToolButton*>(control)->MappedButton());
        panel->ClosePopup();
    });
    EXPECT_EQ(offered, (std::vector<TVxToolButton*>{buttons_[4], buttons_[6]}));
}

TEST_F(Chevron, ChoosingACopyClosesThePopupAndClicksTheRealButtonOnce) {
    Overflow([&](TVxPopupPanel* panel) {
        TVxToolbar* popupBar = PopupToolbar(panel);
        TControl* second = popupBar->ToolbarControls()[1];
        ASSERT_TRUE(SimulateClick(popupBar->Handle(), POINT{second->Left() + 30, second->Top() + 12}));
    });
    EXPECT_EQ(clicked_, (std::vector<TVxToolButton*>{buttons_[5]}));
}

TEST_F(Chevron, AClickOutsideClosesThePopupAndIsSwallowed) {
    int formPresses = 0;
    form_->SetOnMouseDown([&](TObject*, TMouseButton, TShiftState, int, int) { ++formPresses; });
    Overflow([&](TVxPopupPanel*) { ASSERT_TRUE(SimulateClick(form_->Handle(), POINT{20, 250})); });
    EXPECT_EQ(formPresses, 0);
    EXPECT_TRUE(clicked_.empty());
    ASSERT_TRUE(SimulateClick(form_->Handle(), POINT{20, 250}));
    ProcessMessages();
    EXPECT_EQ(formPresses, 1) << "the form hears clicks once the pop-up is gone";
}

TEST_F(Chevron, ThePopupOpensBelowTheChevronOrAboveItNearTheBottomOfTheWorkArea) {
    form_->SetTop(200);
    ProcessMessages();
    const TPoint chevron = bar_->PopupButton()->ClientToScreen(TPoint(0, 0));
    for (const bool cramped : {false, true}) {
        const RECT area{0, 0, 1024, chevron.y + bar_->Height() + 20};
        SetWorkAreaForTesting(cramped ? &area : nullptr);
        RECT popup{};
        Overflow([&](TVxPopupPanel* panel) {
            GetWindowRect(PopupToolbar(panel)->Parent()->Handle(), &popup);
            panel->ClosePopup();
        });
        if (cramped) EXPECT_EQ(popup.bottom, chevron.y);
        else EXPECT_EQ(popup.top, chevron.y + bar_->Height());
        EXPECT_EQ(popup.right, chevron.x + 14) << "right-justified under the chevron";
    }
    SetWorkAreaForTesting(nullptr);
}

TEST_F(Chevron, TheGlyphMovesOnePixelDownWhilePressed) {
    TVxToolbarPopupButton* chevron = bar_->PopupButton();
    auto lowestBlackRow = [&] {
        ProcessMessages();
        const HBITMAP shot = CaptureWindow(chevron->Handle());
        const HDC dc = CreateCompatibleDC(0);
        const HGDIOBJ old = SelectObject(dc, shot);
        int lowest = -1;
        for (int y = 0; y < chevron->Height(); ++y)
            for (int x = 0; x < 14; ++x)
                if (GetPixel(dc, x, y) == RGB(0, 0, 0)) lowest = y;
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(shot);
        return lowest;
    };
    const int up = lowestBlackRow();
    EXPECT_EQ(up, chevron->Height() - 4);
    ASSERT_TRUE(SimulateMouseButton(chevron->Handle(), POINT{7, 10}, VK_LBUTTON, true));
    EXPECT_EQ(lowestBlackRow(), up + 1);
    ASSERT_TRUE(SimulateMouseMove(chevron->Handle(), POINT{-50, 10}));
    EXPECT_EQ(lowestBlackRow(), up) << "dragged off, the chevron comes up";
    ASSERT_TRUE(SimulateMouseButton(chevron->Handle(), POINT{-50, 10}, VK_LBUTTON, false));
    ProcessMessages();
    EXPECT_FALSE(chevron->OverflowPanel());
}

}  // namespace
