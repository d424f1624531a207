// MDI: children created through the client, activation, maximising with the
// child's icon and buttons in the frame's menu bar and its title in the
// frame's caption, restoring from those buttons, minimising to the bottom of
// the client, arranging and destroying.
#include "tests/platform/win/frame_fixture.h"
#include "platform/win/winmdi.h"
#include "support/temp_dir.h"

namespace {

HWND theClient = 0;

LRESULT FrameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefFrameProc(window, theClient, message, wParam, lParam);
}

std::vector<std::pair<HWND, UINT>>& ChildLog() {
    static std::vector<std::pair<HWND, UINT>> log;
    return log;
}

LRESULT ChildProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MDIACTIVATE && HWND(lParam) == window) ChildLog().push_back({window, message});
    return DefMDIChildProc(window, message, wParam, lParam);
}

}  // namespace

class MdiTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        static const bool registered = [] {
            WNDCLASS frame;
            frame.lpfnWndProc = &FrameProcedure;
            frame.lpszClassName = "TMdiFrameTest";
            WNDCLASS child;
            child.lpfnWndProc = &ChildProcedure;
            child.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
            child.lpszClassName = "TMdiChildTest";
            return RegisterClass(&frame) && RegisterClass(&child);
        }();
        ASSERT_TRUE(registered);
        ChildLog().clear();
        bar_ = CreateMenu();
        windowMenu_ = CreatePopupMenu();
        AppendMenu(windowMenu_, MF_STRING, 50, "层叠(&C)");
        AppendMenu(bar_, MF_STRING, 40, "文件(&F)");
        AppendMenu(bar_, MF_POPUP, UINT_PTR(windowMenu_), "窗口(&W)");
        frame_ = Keep(CreateWindowEx(0, "TMdiFrameTest", "维修", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 600, 400, 0,
                                     bar_, 0, nullptr));
        RECT r;
        GetClientRect(frame_, &r);
        CLIENTCREATESTRUCT ccs;
        ccs.hWindowMenu = windowMenu_;
        ccs.idFirstChild = 1000;
        theClient = client_ = CreateWindowEx(WS_EX_CLIENTEDGE, "MDIClient", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                             0, 0, r.right, r.bottom, frame_, HANDLE(1), 0, &ccs);
        ASSERT_TRUE(client_);
        first_ = CreateMDIWindow("TMdiChildTest", "单据一", 0, 10, 10, 300, 200, client_, 0, 0);
        second_ = CreateMDIWindow("TMdiChildTest", "单据二", 0, 40, 40, 300, 200, client_, 0, 0);
        DispatchQueuedMessages();
    }

    void TearDown() override {
        FrameTest::TearDown();
        theClient = 0;
    }

    HWND Active(BOOL* maximized = nullptr) const {
        return HWND(SendMessage(client_, WM_MDIGETACTIVE, 0, LPARAM(maximized)));
    }

    HMENU bar_ = 0, windowMenu_ = 0;
    HWND frame_ = 0, client_ = 0, first_ = 0, second_ = 0;
};

TEST_F(MdiTest, ChildrenAreFramedAndTheNewestIsActive) {
    ASSERT_TRUE(first_ && second_);
    EXPECT_EQ(GetParent(first_), client_);
    EXPECT_TRUE(GetWindowLong(first_, GWL_EXSTYLE) & WS_EX_MDICHILD);
    EXPECT_EQ(Active(), second_);
    EXPECT_EQ(GetDlgCtrlID(first_), 1000);
    RECT client;
    GetClientRect(first_, &client);
    EXPECT_LT(client.right, 300) << "a child has the same frame as a top-level window";
    EXPECT_EQ(GetMenuItemCount(windowMenu_), 4) << "the window menu lists the children after a separator";
}

TEST_F(MdiTest, ActivationMovesBetweenChildren) {
    ChildLog().clear();
    SendMessage(client_, WM_MDIACTIVATE, WPARAM(first_), 0);
    EXPECT_EQ(Active(), first_);
    ASSERT_EQ(ChildLog().size(), 1u);
    EXPECT_EQ(ChildLog()[0].first, first_);
    EXPECT_EQ(GetWindow(client_, GW_CHILD), first_) << "the active child comes to the top";

    // A click on the part of the other child that shows activates it.
    RECT r;
    GetWindowRect(second_, &r);
    const POINT corner{r.right - 20, r.bottom - 20};
    Press(corner);
    Release(corner);
    DispatchQueuedMessages();
    EXPECT_EQ(Active(), second_);

    SendMessage(client_, WM_MDINEXT, 0, 0);
    EXPECT_EQ(Active(), first_);
    // Choosing a child in the window menu activates it.
    SendMessage(frame_, WM_COMMAND, 1001, 0);
    EXPECT_EQ(Active(), second_);
}

TEST_F(MdiTest, TheClientPassesTheFramesActivationToTheActiveChild) {
    std::vector<std::pair<HWND, WPARAM>> told;
    const int observer = AddSentMessageObserver([&](const MSG& msg) {
        if (msg.message == WM_NCACTIVATE && (msg.hwnd == first_ || msg.hwnd == second_))
            told.push_back({msg.hwnd, msg.wParam});
    });
    SendMessage(client_, WM_NCACTIVATE, FALSE, 0);
    SendMessage(client_, WM_NCACTIVATE, TRUE, 0);
    RemoveObserver(observer);
    EXPECT_EQ(told, (std::vector<std::pair<HWND, WPARAM>>{{second_, FALSE}, {second_, TRUE}}));
}

TEST_F(MdiTest, MaximisedChildPutsItsButtonsIntoTheFrameMenuBar) {
    const int items = GetMenuItemCount(bar_);
    SendMessage(client_, WM_MDIMAXIMIZE, WPARAM(second_), 0);
    BOOL maximized = FALSE;
    EXPECT_EQ(Active(&maximized), second_);
    EXPECT_TRUE(maximized);
    ASSERT_EQ(GetMenuItemCount(bar_), items + 4);
    EXPECT_EQ(GetSubMenu(bar_, 0), GetSystemMenu(second_, FALSE)) << "the child's icon opens its system menu";
    EXPECT_EQ(GetMenuItemID(bar_, items + 1), UINT(SC_MINIMIZE));
    EXPECT_EQ(GetMenuItemID(bar_, items + 2), UINT(SC_RESTORE));
    EXPECT_EQ(GetMenuItemID(bar_, items + 3), UINT(SC_CLOSE));
    EXPECT_EQ(WindowTextOf(frame_), AnsiString("维修 - [单据二]"));
    RECT inner, area;
    GetClientRect(second_, &inner);
    GetClientRect(client_, &area);
    EXPECT_EQ(inner, area) << "the child's client fills the MDI client; its frame lies outside";
    DispatchQueuedMessages();
    SaveWindowScreenshot(frame_, ScreenshotDir() + "mdi_maximized.png");

    // The buttons sit at the right end of the bar; the restore button restores.
    RECT restore, close;
    ASSERT_TRUE(GetMenuItemRect(frame_, bar_, UINT(items + 2), &restore));
    ASSERT_TRUE(GetMenuItemRect(frame_, bar_, UINT(items + 3), &close));
    EXPECT_LT(restore.left, close.left);
    EXPECT_EQ(close.right, WindowRectOf(frame_).right - GetSystemMetrics(SM_CXSIZEFRAME));
    const POINT p{(restore.left + restore.right) / 2, (restore.top + restore.bottom) / 2};
    Press(p);
    Release(p);
    DispatchQueuedMessages();
    EXPECT_FALSE(IsZoomed(second_));
    EXPECT_EQ(GetMenuItemCount(bar_), items);
    EXPECT_EQ(WindowTextOf(frame_), AnsiString("维修"));
    EXPECT_EQ(WindowRectOf(second_).right - WindowRectOf(second_).left, 300);
}

TEST_F(MdiTest, ActivatingAnotherChildKeepsTheMaximisedState) {
    SendMessage(client_, WM_MDIMAXIMIZE, WPARAM(second_), 0);
    SendMessage(client_, WM_MDIACTIVATE, WPARAM(first_), 0);
    EXPECT_TRUE(IsZoomed(first_));
    EXPECT_FALSE(IsZoomed(second_));
    EXPECT_EQ(GetSubMenu(bar_, 0), GetSystemMenu(first_, FALSE));
    SendMessage(client_, WM_MDIRESTORE, WPARAM(first_), 0);
    EXPECT_FALSE(IsZoomed(first_));
}

TEST_F(MdiTest, MinimisedChildrenLineUpAtTheBottom) {
    SendMessage(first_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    SendMessage(second_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(first_));
    RECT area;
    GetClientRect(client_, &area);
    POINT origin{0, 0};
    ClientToScreen(client_, &origin);
    const RECT a = WindowRectOf(first_), b = WindowRectOf(second_);
    EXPECT_EQ(a.bottom - origin.y, area.bottom);
    EXPECT_EQ(b.bottom - origin.y, area.bottom);
    EXPECT_EQ(a.right - a.left, GetSystemMetrics(SM_CXMINIMIZED));
    EXPECT_EQ(a.bottom - a.top, GetSystemMetrics(SM_CYMINIMIZED));
    EXPECT_NE(a.left, b.left);
    RECT inner;
    GetClientRect(first_, &inner);
    EXPECT_TRUE(IsRectEmpty(&inner)) << "only the caption shows";
    POINT corner{0, 0};
    ClientToScreen(first_, &corner);
    EXPECT_EQ(corner.x, a.left) << "the empty client sits at the window's top-left corner";
    EXPECT_EQ(corner.y, a.top);

    SendMessage(client_, WM_MDIRESTORE, WPARAM(first_), 0);
    EXPECT_FALSE(IsIconic(first_));
    EXPECT_EQ(WindowRectOf(first_).right - WindowRectOf(first_).left, 300);
}

TEST_F(MdiTest, TileCascadeAndDestroy) {
    SendMessage(client_, WM_MDITILE, MDITILE_VERTICAL, 0);
    RECT area;
    GetClientRect(client_, &area);
    const RECT a = WindowRectOf(first_), b = WindowRectOf(second_);
    EXPECT_EQ(a.right - a.left, area.right / 2);
    EXPECT_EQ(b.bottom - b.top, area.bottom);
    SendMessage(client_, WM_MDICASCADE, 0, 0);
    EXPECT_NE(WindowRectOf(first_).left, WindowRectOf(second_).left);

    SendMessage(client_, WM_MDIDESTROY, WPARAM(second_), 0);
    EXPECT_FALSE(IsWindow(second_));
    EXPECT_EQ(Active(), first_);
    SendMessage(first_, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(first_));
    EXPECT_EQ(Active(), HWND(0));
    EXPECT_EQ(GetMenuItemCount(windowMenu_), 1);
}

TEST_F(MdiTest, ChildCaptionMovesTheChildInsideTheClient) {
    const RECT before = WindowRectOf(second_);
    const POINT caption{before.left + 60, before.top + 10};
    Press(caption);
    MoveTo({caption.x + 30, caption.y + 20});
    Release({caption.x + 30, caption.y + 20});
    DispatchQueuedMessages();
    RECT after = WindowRectOf(second_);
    EXPECT_EQ(after.left, before.left + 30);
    EXPECT_EQ(after.top, before.top + 20);
}

TEST_F(MdiTest, SetMenuKeepsTheMaximisedChildsButtons) {
    SendMessage(client_, WM_MDIMAXIMIZE, WPARAM(second_), 0);
    const HMENU other = CreateMenu();
    const HMENU otherWindows = CreatePopupMenu();
    AppendMenu(other, MF_POPUP, UINT_PTR(otherWindows), "窗口(&W)");
    const HMENU old = HMENU(SendMessage(client_, WM_MDISETMENU, WPARAM(other), LPARAM(otherWindows)));
    EXPECT_EQ(old, bar_);
    EXPECT_EQ(GetMenu(frame_), other);
    EXPECT_EQ(GetMenuItemCount(other), 1 + 4) << "icon and buttons moved to the new bar";
    EXPECT_EQ(GetMenuItemCount(bar_), 2) << "and left the old one";
    EXPECT_EQ(GetMenuItemCount(otherWindows), 3) << "the new window menu lists the children";
    SendMessage(client_, WM_MDIRESTORE, WPARAM(second_), 0);
    SetMenu(frame_, bar_);
    DestroyMenu(other);
}

TEST_F(MdiTest, DestroyingAMaximisedChildDirectlyCleansTheFrame) {
    const int items = GetMenuItemCount(bar_);
    SendMessage(client_, WM_MDIMAXIMIZE, WPARAM(second_), 0);
    DestroyWindow(second_);
    EXPECT_EQ(GetMenuItemCount(bar_), items);
    EXPECT_EQ(WindowTextOf(frame_), AnsiString("维修"));
    EXPECT_NE(Active(), second_);
}
