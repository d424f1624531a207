// The message queue: order, filters, the place of WM_PAINT and WM_TIMER,
// timers on the settable clock, quitting, and the observers.
#include "platform/rtl/clock.h"
#include "platform/rtl/codepage.h"
#include "tests/platform/win/window_fixture.h"

namespace {

std::vector<UINT> Drain(HWND window = 0) {
    std::vector<UINT> got;
    MSG msg;
    while (PeekMessage(&msg, window, 0, 0, PM_REMOVE)) {
        got.push_back(msg.message);
        DispatchMessage(&msg);
    }
    return got;
}

// Characters a window receives, with a lead byte's trail taken from the queue.
AnsiString typed;
LRESULT CharProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_CHAR) return DefWindowProc(window, message, wParam, lParam);
    typed += char(wParam);
    MSG trail;
    if (IsDBCSLeadByte(Byte(wParam)) && PeekMessage(&trail, window, WM_CHAR, WM_CHAR, PM_REMOVE))
        typed += "[" + AnsiString(1, char(trail.wParam)) + "]";
    return 0;
}

}  // namespace

TEST_F(WindowTest, PostedMessagesKeepTheirOrderAndPeekRemovesByNumber) {
    const HWND top = TopLevel(0, 0, 20, 20);
    DispatchQueuedMessages();
    for (UINT m : {WM_USER + 1, WM_USER + 2, WM_USER + 3}) PostMessage(top, m, m, 0);
    PostThreadMessage(GetCurrentThreadId(), WM_USER + 4, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, 0, WM_USER + 2, WM_USER + 2, PM_NOREMOVE));
    ASSERT_TRUE(PeekMessage(&msg, 0, WM_USER + 2, WM_USER + 2, PM_REMOVE));
    EXPECT_EQ(msg.wParam, WPARAM(WM_USER + 2));
    EXPECT_FALSE(PeekMessage(&msg, 0, WM_USER + 2, WM_USER + 2, PM_REMOVE));
    ASSERT_TRUE(PeekMessage(&msg, HWND(-1), 0, 0, PM_REMOVE));  // thread messages only
    EXPECT_EQ(msg.message, WM_USER + 4u);
    EXPECT_EQ(msg.hwnd, 0u);
    EXPECT_EQ(Drain(), (std::vector<UINT>{WM_USER + 1, WM_USER + 3}));
}

TEST_F(WindowTest, PaintAndTimerComeOnlyWhenNothingElseWaits) {
    FrozenClockScope clock(45000.5);
    const HWND top = TopLevel(0, 0, 20, 20);
    DispatchQueuedMessages();
    SetTimer(top, 5, 100);
    InvalidateRect(top, nullptr, TRUE);
    AdvanceClock(350);  // three periods pass: still one WM_TIMER
    PostMessage(top, WM_USER, 0, 0);
    PostMessage(top, WM_USER + 1, 0, 0);
    EXPECT_EQ(Drain(), (std::vector<UINT>{WM_USER, WM_USER + 1, WM_PAINT, WM_TIMER}));
    EXPECT_EQ(Drain(), std::vector<UINT>{});
    AdvanceClock(100);
    Watch({WM_TIMER});
    EXPECT_EQ(Drain(), std::vector<UINT>{WM_TIMER});
    EXPECT_EQ(Log().at(0).wParam, 5u);
    KillTimer(top, 5);
    AdvanceClock(1000);
    EXPECT_EQ(Drain(), std::vector<UINT>{});

    int calls = 0;
    const UINT_PTR id = SetTimer(0, 0, 50, [&](HWND, UINT message, UINT_PTR, DWORD) { calls += message == WM_TIMER; });
    AdvanceClock(50);
    Drain();
    EXPECT_EQ(calls, 1);
    KillTimer(0, id);
}

TEST_F(WindowTest, GetMessageWaitsForTheClockAndEndsOnQuit) {
    FrozenClockScope clock(45000.5);
    const HWND top = TopLevel(0, 0, 20, 20);
    DispatchQueuedMessages();
    SetTimer(top, 1, 10);
    AdvanceClock(10);
    MSG msg;
    ASSERT_TRUE(GetMessage(&msg, 0, 0, 0));
    EXPECT_EQ(msg.message, WM_TIMER);
    KillTimer(top, 1);
    PostMessage(top, WM_USER, 0, 0);
    PostQuitMessage(3);
    // A nested loop runs on the same queue until WM_QUIT.
    int nested = 0;
    while (GetMessage(&msg, 0, 0, 0)) ++nested;
    EXPECT_EQ(nested, 1);
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(WindowTest, LeadByteHandlerTakesItsTrailFromTheQueue) {
    const HWND top = TopLevel(0, 0, 20, 20);
    SetWindowLongPtr(top, GWLP_WNDPROC, LONG_PTR(WNDPROC(&CharProcedure)));
    SetFocus(top);
    DispatchQueuedMessages();
    typed.clear();
    const AnsiString text = "a中";
    ASSERT_EQ(text.size(), 3u);
    ASSERT_TRUE(SimulateTyping(text));
    DispatchQueuedMessages();
    EXPECT_EQ(typed, AnsiString("a") + text[1] + "[" + text[2] + "]");
}

TEST_F(WindowTest, ObserversSeeSentAndRetrievedMessagesInRegistrationOrder) {
    const HWND top = TopLevel(0, 0, 20, 20);
    DispatchQueuedMessages();
    std::vector<std::string> events;
    Watch({WM_USER + 5});
    const int first = AddSentMessageObserver([&](const MSG& m) {
        if (m.message == WM_USER + 5) events.push_back("sent1 log=" + std::to_string(Log().size()));
    });
    const int second = AddSentMessageObserver([&](const MSG& m) {
        if (m.message == WM_USER + 5) events.push_back("sent2");
    });
    const int retrieved = AddRetrievedMessageObserver([&](MSG& m) {
        if (m.message == WM_USER + 5) events.push_back("retrieved");
    });
    PostMessage(top, WM_USER + 5, 0, 0);
    DispatchQueuedMessages();
    RemoveObserver(first);
    RemoveObserver(second);
    RemoveObserver(retrieved);
    EXPECT_EQ(events, (std::vector<std::string>{"retrieved", "sent1 log=0", "sent2"}));

    const int filter = AddMessageFilter([](int code, MSG& m) { return code == MSGF_MENU && m.message == WM_KEYDOWN; });
    MSG key{top, WM_KEYDOWN, VK_LEFT, 0, 0, {}, 0};
    EXPECT_TRUE(CallMsgFilter(&key, MSGF_MENU));
    EXPECT_FALSE(CallMsgFilter(&key, MSGF_DIALOGBOX));
    RemoveObserver(filter);
}
