// Moving and sizing by dragging the caption and the borders: the tracking
// loop's messages, the WM_GETMINMAXINFO limits, Esc restoring the window,
// the keyboard's SC_MOVE, and the size grip of a "ScrollBar" control.
#include "tests/platform/win/frame_fixture.h"

class NcSizeMoveTest : public FrameTest {
protected:
    // Input reaches the queue before the loop captures the mouse, so it must
    // land on some window: a backdrop covers the screen.
    void SetUp() override {
        FrameTest::SetUp();
        Framed(WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    }

    // A window that limits its tracking size to 200 x 150 .. 400 x 300.
    HWND Limited() {
        TheHandler() = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
            if (message != WM_GETMINMAXINFO) return std::nullopt;
            DefWindowProc(window, message, wParam, lParam);
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize = {200, 150};
            info->ptMaxTrackSize = {400, 300};
            return 0;
        };
        return Framed(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
    }

    void Drag(HWND window, int x, int y, int dx, int dy) {
        const POINT from = At(window, x, y);
        const POINT to{from.x + dx, from.y + dy};
        Press(from);
        MoveTo({from.x + dx / 2, from.y + dy / 2});
        MoveTo(to);
        Release(to);
        DispatchQueuedMessages();
    }
};

TEST_F(NcSizeMoveTest, DraggingTheCaptionMovesTheWindowStepByStep) {
    const HWND w = Framed(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
    Watch({WM_ENTERSIZEMOVE, WM_MOVING, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_EXITSIZEMOVE, WM_MOVE});
    Drag(w, 150, 10, 40, 30);
    EXPECT_EQ(WindowRectOf(w), Bounds(140, 130, 300, 200));
    const auto ids = LoggedIds();
    ASSERT_FALSE(ids.empty());
    EXPECT_EQ(ids.front(), WM_ENTERSIZEMOVE);
    EXPECT_EQ(ids.back(), WM_EXITSIZEMOVE);
    EXPECT_EQ(Logged(WM_MOVING).size(), 2u);
    EXPECT_EQ(Logged(WM_WINDOWPOSCHANGED).size(), 2u) << "one change per step";
}

TEST_F(NcSizeMoveTest, DraggingBordersSizesWithinTheMinMaxLimits) {
    const HWND w = Limited();
    Drag(w, 299, 199, 300, 300);
    EXPECT_EQ(WindowRectOf(w), Bounds(100, 100, 400, 300)) << "held at the largest tracking size";
    Drag(w, 399, 299, -300, -300);
    EXPECT_EQ(WindowRectOf(w), Bounds(100, 100, 200, 150)) << "held at the smallest";
    Drag(w, 0, 75, -50, 0);
    EXPECT_EQ(WindowRectOf(w), Bounds(50, 100, 250, 150)) << "the left border moves, the right stays";
    Drag(w, 125, 0, 0, -20);
    EXPECT_EQ(WindowRectOf(w), Bounds(50, 80, 250, 170)) << "the top border";
}

TEST_F(NcSizeMoveTest, SizingSendsWmSizingWithTheEdge) {
    const HWND w = Framed(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
    Watch({WM_SIZING, WM_SIZE});
    Drag(w, 299, 100, 20, 0);
    ASSERT_FALSE(Logged(WM_SIZING).empty());
    EXPECT_EQ(Logged(WM_SIZING).front().wParam, WMSZ_RIGHT);
    EXPECT_FALSE(Logged(WM_SIZE).empty());
    EXPECT_EQ(WindowRectOf(w), Bounds(100, 100, 320, 200));
}

TEST_F(NcSizeMoveTest, EscapeDuringTheDragRestoresTheWindow) {
    const HWND w = Framed(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
    Watch({WM_EXITSIZEMOVE});
    const POINT from = At(w, 150, 10);
    Press(from);
    MoveTo({from.x + 60, from.y + 40});
    Key(VK_ESCAPE);
    Release({from.x + 60, from.y + 40});
    DispatchQueuedMessages();
    EXPECT_EQ(WindowRectOf(w), Bounds(100, 100, 300, 200));
    EXPECT_EQ(Logged(WM_EXITSIZEMOVE).size(), 1u);
    EXPECT_EQ(GetCapture(), HWND(0));

    const POINT corner = At(w, 299, 199);
    Press(corner);
    MoveTo({corner.x + 30, corner.y + 30});
    Key(VK_ESCAPE);
    Release({corner.x + 30, corner.y + 30});
    DispatchQueuedMessages();
    EXPECT_EQ(WindowRectOf(w), Bounds(100, 100, 300, 200));
}

TEST_F(NcSizeMoveTest, KeyboardMoveFollowsTheArrowsUntilEnter) {
    const HWND w = Framed(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
    SetActiveWindow(w);
    Key(VK_RIGHT);
    Key(VK_DOWN);
    Key(VK_RETURN);
    SendMessage(w, WM_SYSCOMMAND, SC_MOVE, 0);
    EXPECT_EQ(WindowRectOf(w), Bounds(108, 108, 300, 200));
}

TEST_F(NcSizeMoveTest, SizeGripSizesItsTopLevelWindow) {
    const HWND w = Framed(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
    RECT client;
    GetClientRect(w, &client);
    const HWND grip = CreateWindowEx(0, "ScrollBar", "", WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP, client.right - 16,
                                     client.bottom - 16, 16, 16, w, 0, 0, nullptr);
    ASSERT_TRUE(grip);
    Watch({WM_SYSCOMMAND});
    POINT p{8, 8};
    ClientToScreen(grip, &p);
    Press(p);
    MoveTo({p.x + 25, p.y + 15});
    Release({p.x + 25, p.y + 15});
    DispatchQueuedMessages();
    ASSERT_EQ(Logged(WM_SYSCOMMAND).size(), 1u);
    EXPECT_EQ(Logged(WM_SYSCOMMAND)[0].wParam, WPARAM(0xF008));
    EXPECT_EQ(WindowRectOf(w), Bounds(100, 100, 325, 215));
}

TEST_F(NcSizeMoveTest, MaximiseFillsTheWorkAreaAndRestoreReturns) {
    const HWND w = Framed(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
    SendMessage(w, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_TRUE(IsZoomed(w));
    RECT r = WindowRectOf(w);
    EXPECT_GT(r.right - r.left, 300);
    Drag(w, 150, 10, 50, 50);
    EXPECT_EQ(WindowRectOf(w), r) << "a maximised window does not move";
    SendMessage(w, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_EQ(WindowRectOf(w), Bounds(100, 100, 300, 200));
}

TEST_F(NcSizeMoveTest, BordersShowTheSizingCursors) {
    const HWND w = Framed(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
    const std::pair<LRESULT, std::uintptr_t> cases[] = {
        {HTLEFT, IDC_SIZEWE}, {HTBOTTOM, IDC_SIZENS}, {HTTOPLEFT, IDC_SIZENWSE}, {HTBOTTOMLEFT, IDC_SIZENESW}};
    for (const auto& [hit, cursor] : cases) {
        EXPECT_TRUE(SendMessage(w, WM_SETCURSOR, w, MAKELPARAM(int(hit), WM_MOUSEMOVE)));
        EXPECT_EQ(SystemCursorId(GetCursor()), cursor);
    }
    SendMessage(w, WM_SETCURSOR, w, MAKELPARAM(HTCAPTION, WM_MOUSEMOVE));
    EXPECT_EQ(SystemCursorId(GetCursor()), IDC_ARROW);
}
