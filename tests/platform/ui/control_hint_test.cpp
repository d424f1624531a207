// Hints: the hint window appears after the hint pause over a control that
// shows hints, with the short part of the hint; CM_HINTSHOW may change it.
#include "platform/rtl/clock.h"
#include "platform/rtl/datetime.h"
#include "platform/ui/hints.h"
#include "tests/platform/ui/control_fixture.h"

using HintTest = ControlTest;

namespace {

// A control that adds its position to the hint it shows.
class THintedBox : public TFocusBox {
    SERVIORA_CLASS(THintedBox, TFocusBox)
public:
    using TFocusBox::TFocusBox;

protected:
    void CMHintShow(TMessage& Message) {
        auto* info = reinterpret_cast<THintInfo*>(Message.LParam);
        info->HintStr += " @" + std::to_string(info->CursorPos.x);
    }

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CM_HINTSHOW, CMHintShow)
    SERVIORA_MESSAGES_END(TFocusBox)
};

// The mouse rests over the control past the hint pause.
void HoverPastThePause(TWinControl* control, int x) {
    SimulateMouseMove(control->Handle(), Point(x, 5));
    ProcessMessages();
    AdvanceClock(600);
    ProcessMessages();
}

}  // namespace

TEST_F(HintTest, TheHintAppearsAfterThePauseWithItsShortPart) {
    FrozenClockScope clock(EncodeDate(2026, 12, 10));
    TForm* form = NewForm();
    TFocusBox* plain = TFocusBox::Create(form);
    plain->SetParent(form);
    plain->SetBounds(10, 10, 80, 20);
    THintedBox* hinted = THintedBox::Create(form);
    hinted->SetParent(form);
    hinted->SetBounds(10, 50, 80, 20);
    hinted->SetHint("模糊查找|按名称模糊查找");
    hinted->SetShowHint(true);
    Application->SetHintPause(500);
    form->Show();
    ProcessMessages();

    SimulateMouseMove(plain->Handle(), Point(5, 5));
    SimulateMouseMove(hinted->Handle(), Point(7, 5));
    ProcessMessages();
    EXPECT_EQ(Application->Hint(), "按名称模糊查找");
    EXPECT_TRUE(!Application->HintWindow() || !Application->HintWindow()->IsShowing());
    AdvanceClock(499);
    ProcessMessages();
    EXPECT_TRUE(!Application->HintWindow() || !Application->HintWindow()->IsShowing());
    AdvanceClock(2);
    ProcessMessages();
    ASSERT_NE(Application->HintWindow(), nullptr);
    EXPECT_TRUE(Application->HintWindow()->IsShowing());
    EXPECT_EQ(Application->HintWindow()->Caption(), "模糊查找 @7");
    EXPECT_EQ(ClassNameOf(Application->HintWindow()->Handle()), "THintWindow");

    // Moving on to a control without a hint hides it.
    SimulateMouseMove(plain->Handle(), Point(5, 5));
    ProcessMessages();
    EXPECT_FALSE(Application->HintWindow()->IsShowing());
    EXPECT_EQ(GetShortHint("a|b"), "a");
    EXPECT_EQ(GetLongHint("a|b"), "b");
    EXPECT_EQ(GetLongHint("ab"), "ab");
}

// The application frees its hint window before its forms; the controls
// freed after it still cancel hints on their way out.
TEST_F(HintTest, AFreedHintWindowIsForgottenAndAnotherIsMadeWhenNeeded) {
    FrozenClockScope clock(EncodeDate(2026, 12, 10));
    TForm* form = NewForm();
    THintedBox* hinted = THintedBox::Create(form);
    hinted->SetParent(form);
    hinted->SetBounds(10, 50, 80, 20);
    hinted->SetHint("模糊查找");
    hinted->SetShowHint(true);
    form->Show();
    ProcessMessages();
    const auto hover = [&] { HoverPastThePause(hinted, 7); };
    hover();
    ASSERT_NE(Application->HintWindow(), nullptr);

    delete Application->HintWindow();
    EXPECT_EQ(Application->HintWindow(), nullptr);
    Application->CancelHint();
    hover();
    ASSERT_NE(Application->HintWindow(), nullptr);
    EXPECT_TRUE(Application->HintWindow()->IsShowing());
    delete Application->HintWindow();
    delete form;
}

// OnShowHint sees the text before the window shows; it may change it or
// refuse the hint. HideHint takes a shown hint away.
TEST_F(HintTest, OnShowHintChangesOrRefusesTheHint) {
    FrozenClockScope clock(EncodeDate(2026, 12, 10));
    TForm* form = NewForm();
    auto* box = Place<TFocusBox>(form, 10, 10, 80, 20);
    box->SetHint("保存");
    box->SetShowHint(true);
    form->Show();
    ProcessMessages();
    bool allow = false;
    Application->SetOnShowHint([&](AnsiString& text, bool& canShow, THintInfo& info) {
        EXPECT_EQ(info.HintControl, box);
        text += "(Ctrl+S)";
        canShow = allow;
    });
    HoverPastThePause(box, 5);
    EXPECT_TRUE(!Application->HintWindow() || !Application->HintWindow()->IsShowing());
    Application->CancelHint();
    allow = true;
    HoverPastThePause(box, 6);
    ASSERT_NE(Application->HintWindow(), nullptr);
    EXPECT_TRUE(Application->HintWindow()->IsShowing());
    EXPECT_EQ(Application->HintWindow()->Caption(), "保存(Ctrl+S)");
    Application->HideHint();
    EXPECT_FALSE(Application->HintWindow()->IsShowing());
}

namespace {

class TOtherHintWindow : public THintWindow {
    SERVIORA_CLASS(TOtherHintWindow, THintWindow)
public:
    using THintWindow::THintWindow;
};

// A control of two halves, each with its own hint; the right half's hint
// asks for a window class of its own.
class THalvesBox : public TFocusBox {
    SERVIORA_CLASS(THalvesBox, TFocusBox)
public:
    using TFocusBox::TFocusBox;
    int shows = 0;

protected:
    void CMHintShow(TMessage& Message) {
        auto* info = reinterpret_cast<THintInfo*>(Message.LParam);
        const bool right = info->CursorPos.x >= 40;
        ++shows;
        info->HintStr = right ? "右" : "左";
        info->CursorRect = right ? TRect{40, 0, 80, 20} : TRect{0, 0, 40, 20};
        if (right) info->HintWindowClass = TOtherHintWindow::StaticClass();
    }

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CM_HINTSHOW, CMHintShow)
    SERVIORA_MESSAGES_END(TFocusBox)
};

}  // namespace

TEST_F(HintTest, LeavingTheCursorRectAsksAgainAndEachHintGetsItsWindowClass) {
    FrozenClockScope clock(EncodeDate(2026, 12, 10));
    TForm* form = NewForm();
    auto* box = Place<THalvesBox>(form, 10, 10, 80, 20);
    box->SetHint("半");
    box->SetShowHint(true);
    form->Show();
    ProcessMessages();
    HoverPastThePause(box, 5);
    ASSERT_NE(Application->HintWindow(), nullptr);
    EXPECT_EQ(Application->HintWindow()->Caption(), "左");
    HoverPastThePause(box, 30);  // inside the same rectangle: the hint stays
    EXPECT_EQ(box->shows, 1);
    HoverPastThePause(box, 60);
    EXPECT_EQ(box->shows, 2);
    ASSERT_NE(Application->HintWindow(), nullptr);
    EXPECT_TRUE(Application->HintWindow()->IsShowing());
    EXPECT_EQ(Application->HintWindow()->Caption(), "右");
    EXPECT_TRUE(Application->HintWindow()->InheritsFrom(TOtherHintWindow::StaticClass()));
    Application->CancelHint();
    delete form;
}

TEST_F(HintTest, APressOnTheControlTakesItsHintAwayBeforeItActs) {
    FrozenClockScope clock(EncodeDate(2026, 12, 10));
    TForm* form = NewForm();
    TFocusBox* hinted = TFocusBox::Create(form);
    hinted->SetParent(form);
    hinted->SetBounds(10, 10, 80, 20);
    hinted->SetHint("打印报表");
    hinted->SetShowHint(true);
    bool shownAtPress = true;
    hinted->SetOnMouseDown([&](TObject*, TMouseButton, TShiftState, int, int) {
        shownAtPress = Application->HintWindow()->IsShowing();
    });
    form->Show();
    ProcessMessages();
    HoverPastThePause(hinted, 7);
    ASSERT_TRUE(Application->HintWindow() && Application->HintWindow()->IsShowing());
    SimulateMouseButton(hinted->Handle(), Point(7, 5), VK_LBUTTON, true);
    Application->ProcessMessages();  // the application's own loop
    EXPECT_FALSE(shownAtPress) << "a modal window the press opens finds no hint over it";
    EXPECT_FALSE(Application->HintWindow()->IsShowing());
    SimulateMouseButton(hinted->Handle(), Point(7, 5), VK_LBUTTON, false);
    ProcessMessages();
}

namespace {

// Runs the application's loop dry and then its idle step, without waiting.
void HandleUntilIdle() {
    Application->SetOnIdle([](TObject*, bool& done) { done = false; });
    Application->ProcessMessages();
    Application->HandleMessage();
    Application->SetOnIdle(nullptr);
}

bool HintShowing() { return Application->HintWindow() && Application->HintWindow()->IsShowing(); }

}  // namespace

// A shown hint goes when a modal window opens over its form, when the mouse
// leaves for a window that is no control of ours, and when the program loses
// the foreground; moving on to another hinted control still takes the hint
// over after the short pause.
TEST_F(HintTest, TheHintGoesWithAModalWindowTheMouseLeavingOrTheProgramGoingToTheBack) {
    FrozenClockScope clock(EncodeDate(2026, 12, 10));
    TForm* form = NewForm();
    auto* exportButton = Place<TFocusBox>(form, 10, 10, 80, 20);
    exportButton->SetHint("保存为excel格式文件");
    exportButton->SetShowHint(true);
    auto* printButton = Place<TFocusBox>(form, 10, 40, 80, 20);
    printButton->SetHint("打印报表");
    printButton->SetShowHint(true);
    Application->SetHintShortPause(50);
    form->Show();
    ProcessMessages();

    HoverPastThePause(exportButton, 7);
    ASSERT_TRUE(HintShowing());
    TForm* options = NewForm(120, 80);
    bool shownOverTheDialog = true;
    options->SetOnShow([&](TObject*) {
        shownOverTheDialog = HintShowing();
        options->SetModalResult(mrOk);
    });
    options->ShowModal();
    EXPECT_FALSE(shownOverTheDialog) << "the modal window opens with no hint left over it";

    HoverPastThePause(exportButton, 8);
    ASSERT_TRUE(HintShowing());
    SimulateMouseMove(printButton->Handle(), Point(7, 5));
    HandleUntilIdle();
    AdvanceClock(60);
    ProcessMessages();
    ASSERT_TRUE(HintShowing()) << "the next control's hint after the short pause";
    EXPECT_EQ(Application->HintWindow()->Caption(), "打印报表");

    const HWND elsewhere = CreateWindowEx(0, "Button", "", WS_POPUP | WS_VISIBLE, 400, 50, 60, 60, 0, 0, 0, nullptr);
    SimulateMouseMove(elsewhere, Point(5, 5));
    HandleUntilIdle();
    EXPECT_FALSE(HintShowing()) << "the mouse left for a window that is none of our controls";
    AdvanceClock(600);
    ProcessMessages();
    EXPECT_FALSE(HintShowing());
    DestroyWindow(elsewhere);

    HoverPastThePause(printButton, 9);
    ASSERT_TRUE(HintShowing());
    SendMessage(form->Handle(), WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_FALSE(HintShowing()) << "the program went to the back";
    delete form;
}
