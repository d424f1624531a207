// Scroll bars: the scroll-bar API on a window's own bars and on the
// "ScrollBar" control, the bar information, and press-and-track with every
// SB_ code, auto-repeat and thumb tracking.
#include "tests/platform/win/frame_fixture.h"
#include "platform/win/msgqueue.h"

class ScrollBarTest : public FrameTest {
protected:
    // A framed window with a vertical bar of range 0..100, page 10.
    HWND Scrolled() {
        const HWND w = Framed(WS_OVERLAPPEDWINDOW | WS_VSCROLL, 100, 100, 300, 200);
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMin = 0, info.nMax = 100, info.nPage = 10, info.nPos = 0;
        SetScrollInfo(w, SB_VERT, &info, TRUE);
        return w;
    }
    static std::vector<int> Codes(UINT message = WM_VSCROLL) {
        std::vector<int> codes;
        for (auto& m : Logged(message)) codes.push_back(LOWORD(m.wParam));
        return codes;
    }
    static SCROLLBARINFO BarInfo(HWND w, LONG object = OBJID_VSCROLL) {
        SCROLLBARINFO info;
        GetScrollBarInfo(w, object, &info);
        return info;
    }
    // A screen point on the bar, `offset` pixels from its top.
    static POINT OnBar(HWND w, int offset, LONG object = OBJID_VSCROLL) {
        const SCROLLBARINFO info = BarInfo(w, object);
        return {(info.rcScrollBar.left + info.rcScrollBar.right) / 2, info.rcScrollBar.top + offset};
    }
    static void Click(POINT p) {
        Press(p);
        Release(p);
        DispatchQueuedMessages();
    }
};

TEST_F(ScrollBarTest, InfoRoundTripsAndThePositionStaysInRange) {
    const HWND w = Scrolled();
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(w, SB_VERT, &info));
    EXPECT_EQ(info.nMax, 100);
    EXPECT_EQ(info.nPage, 10u);
    EXPECT_EQ(SetScrollPos(w, SB_VERT, 500, TRUE), 0);
    EXPECT_EQ(GetScrollPos(w, SB_VERT), 91) << "the last page's start";
    EXPECT_EQ(SetScrollPos(w, SB_VERT, -5, TRUE), 91);
    EXPECT_EQ(GetScrollPos(w, SB_VERT), 0);
    int low = -1, high = -1;
    SetScrollRange(w, SB_VERT, 10, 60, TRUE);
    ASSERT_TRUE(GetScrollRange(w, SB_VERT, &low, &high));
    EXPECT_EQ(low, 10);
    EXPECT_EQ(high, 60);
}

TEST_F(ScrollBarTest, BarInformationDescribesTheParts) {
    const HWND w = Scrolled();
    const SCROLLBARINFO info = BarInfo(w);
    RECT window;
    GetWindowRect(w, &window);
    const int border = GetSystemMetrics(SM_CXSIZEFRAME);
    EXPECT_EQ(info.rcScrollBar.right, window.right - border);
    EXPECT_EQ(info.rcScrollBar.right - info.rcScrollBar.left, GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(info.dxyLineButton, 16);
    EXPECT_EQ(info.xyThumbTop, 16) << "at position 0 the thumb follows the up arrow";
    EXPECT_GT(info.xyThumbBottom, info.xyThumbTop);
    EXPECT_EQ(info.rgstate[0] & STATE_SYSTEM_INVISIBLE, 0u);
    EXPECT_TRUE(BarInfo(w, OBJID_HSCROLL).rgstate[0] & STATE_SYSTEM_INVISIBLE);

    EnableScrollBar(w, SB_VERT, ESB_DISABLE_UP);
    EXPECT_TRUE(BarInfo(w).rgstate[1] & STATE_SYSTEM_UNAVAILABLE);

    // Nothing left to scroll: the bar goes away and the client area grows.
    RECT before, after;
    GetClientRect(w, &before);
    SCROLLINFO none;
    none.fMask = SIF_RANGE;
    none.nMin = 0, none.nMax = 0;
    SetScrollInfo(w, SB_VERT, &none, TRUE);
    GetClientRect(w, &after);
    EXPECT_EQ(after.right, before.right + GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_FALSE(GetWindowLong(w, GWL_STYLE) & WS_VSCROLL);
    ShowScrollBar(w, SB_VERT, TRUE);
    GetClientRect(w, &after);
    EXPECT_EQ(after.right, before.right);
}

// A window's own bar is part of its frame: every change made with redraw
// repaints the frame (the window sees WM_NCPAINT), a change without it does not.
TEST_F(ScrollBarTest, ChangedBarRepaintsTheFrame) {
    const HWND w = Scrolled();
    DispatchQueuedMessages();
    Watch({WM_NCPAINT});
    const std::vector<std::pair<const char*, std::function<void(BOOL)>>> changes = {
        {"SetScrollPos", [w](BOOL redraw) { SetScrollPos(w, SB_VERT, 30, redraw); }},
        {"SetScrollRange", [w](BOOL redraw) { SetScrollRange(w, SB_VERT, 0, 200, redraw); }},
        {"SetScrollInfo", [w](BOOL redraw) {
             SCROLLINFO info;
             info.fMask = SIF_PAGE | SIF_POS;
             info.nPage = 20, info.nPos = 5;
             SetScrollInfo(w, SB_VERT, &info, redraw);
         }},
    };
    for (const auto& [name, change] : changes) {
        Log().clear();
        change(FALSE);
        DispatchQueuedMessages();
        EXPECT_TRUE(Logged(WM_NCPAINT).empty()) << name << " without redraw";
        change(TRUE);
        EXPECT_TRUE(Logged(WM_NCPAINT).empty()) << name << ": the frame is repainted with the next paint";
        DispatchQueuedMessages();
        EXPECT_EQ(Logged(WM_NCPAINT).size(), 1u) << name;
    }
    Log().clear();
    EnableScrollBar(w, SB_VERT, ESB_DISABLE_DOWN);
    DispatchQueuedMessages();
    EXPECT_EQ(Logged(WM_NCPAINT).size(), 1u) << "EnableScrollBar";
}

TEST_F(ScrollBarTest, ArrowsAndPageAreasSendTheirCodes) {
    const HWND w = Scrolled();
    Watch({WM_VSCROLL});
    const SCROLLBARINFO info = BarInfo(w);
    const int length = info.rcScrollBar.bottom - info.rcScrollBar.top;
    Click(OnBar(w, length - 4));
    EXPECT_EQ(Codes(), (std::vector<int>{SB_LINEDOWN, SB_ENDSCROLL}));
    Log().clear();
    Click(OnBar(w, length - 24));
    EXPECT_EQ(Codes(), (std::vector<int>{SB_PAGEDOWN, SB_ENDSCROLL}));
    Log().clear();
    SetScrollPos(w, SB_VERT, 50, TRUE);
    Click(OnBar(w, 20));
    EXPECT_EQ(Codes(), (std::vector<int>{SB_PAGEUP, SB_ENDSCROLL}));
    Log().clear();
    Click(OnBar(w, 4));
    EXPECT_EQ(Codes(), (std::vector<int>{SB_LINEUP, SB_ENDSCROLL}));
    for (auto& m : Logged(WM_VSCROLL)) EXPECT_EQ(m.lParam, 0) << "a window's own bar names no control";
}

TEST_F(ScrollBarTest, ThumbTracksTheMouse) {
    const HWND w = Scrolled();
    Watch({WM_VSCROLL});
    const SCROLLBARINFO info = BarInfo(w);
    const POINT thumb = OnBar(w, (info.xyThumbTop + info.xyThumbBottom) / 2);
    Press(thumb);
    MoveTo({thumb.x, thumb.y + 20});
    MoveTo({thumb.x, thumb.y + 40});
    Release({thumb.x, thumb.y + 40});
    DispatchQueuedMessages();
    const auto codes = Codes();
    ASSERT_EQ(codes.size(), 4u);
    EXPECT_EQ(codes[0], SB_THUMBTRACK);
    EXPECT_EQ(codes[1], SB_THUMBTRACK);
    EXPECT_EQ(codes[2], SB_THUMBPOSITION);
    EXPECT_EQ(codes[3], SB_ENDSCROLL);
    const auto messages = Logged(WM_VSCROLL);
    const int first = HIWORD(messages[0].wParam), second = HIWORD(messages[1].wParam);
    EXPECT_GT(first, 0);
    EXPECT_GT(second, first);
    EXPECT_EQ(HIWORD(messages[2].wParam), second) << "it lands where it was tracked";
    EXPECT_EQ(GetScrollPos(w, SB_VERT), 0) << "the window moves the position itself";
}

TEST_F(ScrollBarTest, HeldArrowRepeats) {
    const HWND w = Scrolled();
    Watch({WM_VSCROLL});
    const SCROLLBARINFO info = BarInfo(w);
    const POINT arrow = OnBar(w, info.rcScrollBar.bottom - info.rcScrollBar.top - 4);
    // The filter inside the loop lets go of the button after a few repeats.
    const int filter = AddMessageFilter([&](int code, MSG&) {
        if (code == MSGF_SCROLLBAR && Logged(WM_VSCROLL).size() >= 3 && GetAsyncKeyState(VK_LBUTTON) < 0)
            Release(arrow);
        return false;
    });
    Press(arrow);
    DispatchQueuedMessages();
    RemoveObserver(filter);
    const auto codes = Codes();
    ASSERT_GE(codes.size(), 4u);
    EXPECT_EQ(codes[0], SB_LINEDOWN);
    EXPECT_EQ(codes[1], SB_LINEDOWN) << "repeated by the timer";
    EXPECT_EQ(codes.back(), SB_ENDSCROLL);
}

TEST_F(ScrollBarTest, ScrollBarControlNotifiesItsParent) {
    const HWND w = Framed(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
    const HWND bar = CreateWindowEx(0, "ScrollBar", "", WS_CHILD | WS_VISIBLE | SBS_HORZ, 10, 10, 200, 16, w,
                                    HANDLE(7), 0, nullptr);
    ASSERT_TRUE(bar);
    SetScrollRange(bar, SB_CTL, 0, 20, TRUE);
    SetScrollPos(bar, SB_CTL, 5, TRUE);
    EXPECT_EQ(SendMessage(bar, SBM_GETPOS, 0, 0), 5);
    Watch({WM_HSCROLL});
    POINT right{200 - 4, 8};
    ClientToScreen(bar, &right);
    Click(right);
    ASSERT_EQ(Logged(WM_HSCROLL).size(), 2u);
    EXPECT_EQ(LOWORD(Logged(WM_HSCROLL)[0].wParam), SB_LINERIGHT);
    EXPECT_EQ(HWND(Logged(WM_HSCROLL)[0].lParam), bar);
    SCROLLBARINFO info;
    ASSERT_TRUE(GetScrollBarInfo(bar, OBJID_CLIENT, &info));
    EXPECT_EQ(info.dxyLineButton, 16);

    // Its keyboard reaches the two ends.
    Log().clear();
    SendMessage(bar, WM_KEYDOWN, VK_HOME, 0);
    SendMessage(bar, WM_KEYDOWN, VK_END, 0);
    SendMessage(bar, WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_EQ(Codes(WM_HSCROLL), (std::vector<int>{SB_TOP, SB_ENDSCROLL, SB_BOTTOM, SB_ENDSCROLL, SB_PAGEDOWN,
                                                   SB_ENDSCROLL}));
}
