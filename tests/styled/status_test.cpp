// The status bar's grip, simple mode and pane scaling; panes that blink and
// fit their caption; the shared polling timer of clocks; the marquee's
// timer and stepping.
#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/clock.h"
#include "platform/rtl/datetime.h"
#include "platform/ui/forms.h"
#include "platform/ui/testseams.h"
#include "platform/win/msgqueue.h"
#include "platform/win/testseams.h"
#include "styled/VxStatus.h"

namespace {

class StatusBar : public testing::Test {
protected:
    void SetUp() override {
        form_.reset(new TForm(nullptr, 0));
        form_->SetBounds(0, 0, 1000, 300);
        bar_ = new TVxStatusBar(form_.get());
        bar_->SetParent(form_.get());
    }
    TVxStatusPane* AddPane(int width) {
        auto* pane = new TVxStatusPane(form_.get());
        pane->SetWidth(width);
        pane->SetAlign(alLeft);
        pane->SetParent(bar_);
        return pane;
    }

    std::unique_ptr<TForm> form_;
    TVxStatusBar* bar_;
};

TEST_F(StatusBar, TheGripWorksOnlyOnASizeableFormThatIsNotMaximised) {
    struct Case {
        TFormBorderStyle border;
        TWindowState state;
        bool grip;
    };
    for (const Case& c : {Case{bsSizeable, wsNormal, true}, Case{bsSizeToolWin, wsNormal, true},
                          Case{bsDialog, wsNormal, false}, Case{bsSingle, wsNormal, false},
                          Case{bsSizeable, wsMaximized, false}}) {
        form_->SetBorderStyle(c.border);
        form_->SetWindowState(c.state);
        bar_->SetShowSizeGrip(false);
        bar_->SetShowSizeGrip(true);
        EXPECT_EQ(bar_->GripAllowed(), c.grip) << int(c.border) << " " << int(c.state);
    }
    EXPECT_EQ(bar_->GripRect(), TRect(bar_->Width() - 13, 0, bar_->Width(), bar_->Height()));
}

TEST_F(StatusBar, TheGripShowsTheSizingCursorAndLeavesTheCursorPropertyAlone) {
    form_->SetBorderStyle(bsSizeable);
    bar_->SetShowSizeGrip(true);
    form_->Show();
    ProcessMessages();
    const TRect grip = bar_->GripRect();
    SimulateMouseMove(bar_->Handle(), POINT{grip.right - 3, grip.bottom - 3});
    ProcessMessages();
    EXPECT_EQ(GetCursor(), Screen->Cursors(crSizeNWSE));
    EXPECT_EQ(bar_->Cursor(), crDefault);
}

TEST_F(StatusBar, SimpleStatusHidesEveryPaneAndShowsThemAllAgain) {
    TVxStatusPane* first = AddPane(100);
    TVxStatusPane* hidden = AddPane(100);
    hidden->SetVisible(false);
    bar_->SetSimpleStatus(true);
    EXPECT_FALSE(first->Visible());
    EXPECT_FALSE(hidden->Visible());
    bar_->SetSimpleStatus(false);
    EXPECT_TRUE(first->Visible());
    EXPECT_TRUE(hidden->Visible());
}

TEST_F(StatusBar, ABorderChangeEndsAutoStyleAndTheClassicClientReachesPastTheEdges) {
    EXPECT_TRUE(bar_->AutoStyle());
    EXPECT_EQ(bar_->Height(), 19);
    bar_->SetBorderSides(AllSides);
    EXPECT_TRUE(bar_->AutoStyle()) << "the same value is no change";
    bar_->SetBorderOuter(fsRaised);
    EXPECT_FALSE(bar_->AutoStyle());
    bar_->ApplyAutoStyle();
    EXPECT_EQ(bar_->BorderOuter(), fsNone);
    EXPECT_FALSE(bar_->AutoStyle()) << "applying the look leaves the switch as it was";
    SetVisualStylesEnabled(false);
    EXPECT_EQ(bar_->ClientRect(), TRect(-1, 1, bar_->Width() + 1, 20));
    bar_->SetSimpleStatus(true);
    EXPECT_EQ(bar_->ClientRect().top, 2);
}

TEST_F(StatusBar, AutoScalePanesGivesEachPaneItsShareOfTheChange) {
    bar_->SetAlign(alNone);
    bar_->SetWidth(1000);
    TVxStatusPane* pane = AddPane(250);
    bar_->SetAutoScalePanes(true);
    bar_->SetWidth(1100);
    EXPECT_EQ(pane->Width(), 275);
    bar_->SetWidth(1100);
    EXPECT_EQ(pane->Width(), 275) << "no change, no scaling";
}

TEST_F(StatusBar, AutoScalePanesWithoutARecordedWidthLeavesThePanesAlone) {
    bar_->SetAlign(alNone);
    bar_->SetWidth(0);
    TVxStatusPane* pane = AddPane(250);
    bar_->SetAutoScalePanes(true);
    bar_->SetWidth(500);
    EXPECT_EQ(pane->Width(), 250);
    bar_->SetWidth(1000);
    EXPECT_EQ(pane->Width(), 500) << "from then on the recorded width counts";
}

// The last pane's strip beside the grip answers what the bar's window says
// for that point on the screen; elsewhere the pane answers for itself.
TEST_F(StatusBar, ThePaneStripBesideTheGripAsksTheBarAtTheScreenPoint) {
    form_->Show();
    bar_->SetShowSizeGrip(true);
    TVxStatusPane* pane = AddPane(100);
    pane->SetAlign(alClient);
    std::vector<TPoint> asked;
    const TWndMethod inherited = bar_->WindowProc();
    bar_->SetWindowProc([&](TMessage& Message) {
        if (Message.Msg != WM_NCHITTEST) return inherited(Message);
        asked.emplace_back(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
        Message.Result = HTBOTTOMRIGHT;
    });
    const int inStrip = pane->Width() - 5, outside = pane->Width() - 30;
    EXPECT_EQ(pane->Perform(CM_HITTEST, 0, MAKELPARAM(inStrip, 4)), HTBOTTOMRIGHT);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], pane->ClientToScreen(TPoint(inStrip, 4)));
    EXPECT_NE(pane->Perform(CM_HITTEST, 0, MAKELPARAM(outside, 4)), HTBOTTOMRIGHT);
    EXPECT_EQ(asked.size(), 1u);
    bar_->SetWindowProc(inherited);
}

TEST_F(StatusBar, ABlinkingPaneTakesPartAndSwitchesColours) {
    TVxStatusPane* blinking = AddPane(100);
    TVxStatusPane* steady = AddPane(100);
    blinking->SetBlinking(true);
    EXPECT_EQ(blinking->Perform(VXM_QUERYBLINKING, 0, 0), 1);
    EXPECT_EQ(steady->Perform(VXM_QUERYBLINKING, 0, 0), 0);
    const TColor normal = blinking->CurrentTextColor();
    blinking->Perform(VXM_BLINKPHASE, 1, 0);
    steady->Perform(VXM_BLINKPHASE, 1, 0);
    EXPECT_EQ(blinking->CurrentTextColor(), clHighlight);
    EXPECT_EQ(steady->CurrentTextColor(), normal);
    blinking->SetBlinking(false);
    EXPECT_EQ(blinking->CurrentTextColor(), normal);
    blinking->SetBlinkIntervalOn(300);
    EXPECT_EQ(steady->BlinkIntervalOn(), 300) << "every pane shares the blink timer";
}

TEST_F(StatusBar, AnAutoSizedPaneMeasuresItsWholeCaption) {
    TVxStatusPane* pane = AddPane(100);
    pane->SetAutoSize(true);
    EXPECT_EQ(pane->Width(), 40) << "an empty caption takes DefaultWidth";
    pane->SetCaption(AnsiString(256, 'x'));
    const int width256 = pane->Width();
    pane->SetCaption(AnsiString(300, 'x'));
    EXPECT_GT(pane->Width(), width256);
    EXPECT_GT(width256, 256);
}

TEST_F(StatusBar, APaneWithAutoHintShowsTheApplicationsHintUnlessOnHintTakesIt) {
    form_->Show();
    SetForegroundWindow(form_->Handle());
    ProcessMessages();
    TVxStatusPane* hinting = AddPane(100);
    hinting->SetAutoHint(true);
    TVxStatusPane* plain = AddPane(100);
    plain->SetCaption("就绪");
    Application->SetHint("保存维修单");
    EXPECT_EQ(hinting->Caption(), AnsiString("保存维修单"));
    EXPECT_EQ(plain->Caption(), AnsiString("就绪"));
    int heard = 0;
    Application->SetOnHint([&](TObject*) { ++heard; });
    Application->SetHint("打印凭证");
    EXPECT_EQ(heard, 1);
    EXPECT_EQ(hinting->Caption(), AnsiString("保存维修单"));
    Application->SetOnHint(TNotifyEvent());
    Application->SetHint("");
}

class StatusClock : public testing::Test {
protected:
    void TearDown() override { ReleaseClock(); }
};

TEST_F(StatusClock, WithoutAFormatItShowsThePlatformsDateAndTime) {
    const TDateTime now = EncodeDate(2024, 5, 1) + EncodeTime(9, 30, 15, 0);
    FreezeClock(now);
    TVxClockStatus clock(nullptr);
    clock.UpdateTime();
    EXPECT_EQ(clock.Caption(), DateTimeToStr(now));
    clock.SetOnGetDateTime([](TObject*, TDateTime& t) { t += 1.0; });
    clock.UpdateTime();
    EXPECT_EQ(clock.Caption(), DateTimeToStr(now + 1.0)) << "OnGetDateTime may change the time shown";
}

TEST_F(StatusClock, TwoClocksShareOnePollingTimer) {
    TVxClockStatus first(nullptr), second(nullptr);
    first.SetInterval(250);
    EXPECT_EQ(second.Interval(), 250);
    second.SetActive(false);
    EXPECT_FALSE(first.Active());
    second.SetActive(true);
    first.SetInterval(500);
}

TEST(Marquee, ScrollTypeAndScrollingDriveItsTimer) {
    TVxMarqueeStatus marquee(nullptr);
    EXPECT_TRUE(marquee.TimerEnabled());
    marquee.SetScrolling(false);
    EXPECT_FALSE(marquee.TimerEnabled());
    marquee.SetScrollType(stNone);
    marquee.SetScrollType(stRightToLeft);
    EXPECT_TRUE(marquee.TimerEnabled()) << "a scroll direction starts a stopped marquee";
    marquee.SetScrollSize(0);
    EXPECT_EQ(marquee.ScrollSize(), 1);
}

TEST(Marquee, EachTickMovesTheTextUntilItHasCrossedThePane) {
    TVxMarqueeStatus marquee(nullptr);
    marquee.SetWidth(10);
    EXPECT_EQ(marquee.ScrollLength(), 10) << "an empty caption crosses the pane only";
    marquee.SetScrollSize(4);
    marquee.Tick();
    marquee.Tick();
    EXPECT_EQ(marquee.ScrollOffset(), 8);
    marquee.Tick();
    EXPECT_EQ(marquee.ScrollOffset(), 0) << "12 passed the length 10: it starts over";
}

}  // namespace
