// Windows: creation and destruction, observers, subclassing through the
// procedure registry, data and the tree.
#include "platform/win/winframe.h"
#include "tests/platform/win/window_fixture.h"

namespace {

// A subclass that records what it sees and consumes WM_USER + 1.
struct Subclass {
    WNDPROC previous;
    std::vector<UINT> seen;
    void WindowProc(TMessage& m) {
        seen.push_back(m.Msg);
        if (m.Msg == WM_USER + 1) {
            m.Result = 42;
            return;
        }
        m.Result = CallWindowProc(previous, 0, m.Msg, m.WParam, m.LParam);
    }
};

WNDPROC freePrevious;
std::vector<UINT> freeSeen;
LRESULT FreeSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    freeSeen.push_back(message);
    if (message == WM_USER + 2) return 7;
    return CallWindowProc(freePrevious, window, message, wParam, lParam);
}

}  // namespace

TEST_F(WindowTest, SubclassSeesMessagesFirstAndCanConsumeThem) {
    const HWND top = TopLevel(10, 10, 100, 100);
    Watch({WM_USER + 1, WM_USER + 2, WM_USER + 3});
    freeSeen.clear();
    freePrevious = WNDPROC(SetWindowLongPtr(top, GWLP_WNDPROC, LONG_PTR(WNDPROC(&FreeSubclass))));

    Subclass bound;
    const WNDPROC instance = MakeObjectInstance(TWndMethod(&bound, &Subclass::WindowProc));
    bound.previous = WNDPROC(SetWindowLongPtr(top, GWLP_WNDPROC, LONG_PTR(instance)));
    EXPECT_EQ(bound.previous, WNDPROC(&FreeSubclass));

    EXPECT_EQ(SendMessage(top, WM_USER + 1, 0, 0), 42);  // consumed by the bound member
    EXPECT_EQ(SendMessage(top, WM_USER + 2, 0, 0), 7);   // passed on, consumed by the free function
    SendMessage(top, WM_USER + 3, 0, 0);                 // reaches the class procedure
    EXPECT_EQ(bound.seen, (std::vector<UINT>{WM_USER + 1, WM_USER + 2, WM_USER + 3}));
    EXPECT_EQ(freeSeen, (std::vector<UINT>{WM_USER + 2, WM_USER + 3}));
    EXPECT_EQ(LoggedIds(), (std::vector<UINT>{WM_USER + 3}));
    EXPECT_FALSE(IsWindowUnicode(top));

    SetWindowLongPtr(top, GWLP_WNDPROC, LONG_PTR(bound.previous));
    FreeObjectInstance(instance);
    EXPECT_EQ(CallWindowProc(instance, top, WM_USER + 1, 0, 0), 0);  // a freed instance calls nothing
}

TEST_F(WindowTest, CreationObserversSeeClassStyleAndParentBeforeTheWindowShows) {
    struct Seen {
        AnsiString className;
        DWORD style;
        HWND parent;
        BOOL visible;
    };
    std::vector<Seen> seen;
    const int observer = AddCreationObserver([&](const WindowCreation& c) {
        seen.push_back({c.create->lpszClass, DWORD(c.create->style), c.create->hwndParent, IsWindowVisible(c.window)});
    });
    const HWND top = TopLevel(0, 0, 50, 50);
    Child(top, 0, 0, 10, 10);
    RemoveObserver(observer);
    Child(top, 0, 0, 10, 10);

    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].className, "TWindowTest");
    EXPECT_TRUE(seen[0].style & WS_VISIBLE);
    EXPECT_FALSE(seen[0].visible);
    EXPECT_EQ(seen[1].parent, top);
    EXPECT_TRUE(seen[1].style & WS_CHILD);
}

TEST_F(WindowTest, DestroyGoesDownToChildrenAndNcDestroyComesBackUp) {
    const HWND top = TopLevel(0, 0, 50, 50);
    const HWND child = Child(top, 0, 0, 10, 10);
    const HWND grandchild = Child(child, 0, 0, 5, 5);
    std::vector<HWND> destroyed;
    const int observer = AddDestructionObserver([&](HWND w) { destroyed.push_back(w); });
    Watch({WM_DESTROY, WM_NCDESTROY});
    DestroyWindow(top);
    RemoveObserver(observer);

    std::vector<std::pair<HWND, UINT>> order;
    for (auto& m : Log()) order.emplace_back(m.window, m.message);
    EXPECT_EQ(order, (std::vector<std::pair<HWND, UINT>>{{top, WM_DESTROY},
                                                          {child, WM_DESTROY},
                                                          {grandchild, WM_DESTROY},
                                                          {grandchild, WM_NCDESTROY},
                                                          {child, WM_NCDESTROY},
                                                          {top, WM_NCDESTROY}}));
    EXPECT_EQ(destroyed, std::vector<HWND>{top});
    EXPECT_FALSE(IsWindow(child));
    EXPECT_EQ(SendMessage(child, WM_USER, 0, 0), 0);
}

TEST_F(WindowTest, WindowDataRoundTrips) {
    const HWND top = TopLevel(0, 0, 50, 50);
    const HWND child = Child(top, 5, 6, 20, 10, 77);
    EXPECT_EQ(ClassNameOf(child), "TWindowTest");
    char name[6];
    EXPECT_EQ(GetClassName(child, name, sizeof(name)), 5);
    EXPECT_STREQ(name, "TWind");
    EXPECT_EQ(GetDlgCtrlID(child), 77);
    EXPECT_EQ(GetDlgItem(top, 77), child);
    EXPECT_EQ(GetWindowLongPtr(child, GWLP_HWNDPARENT), LONG_PTR(top));
    SetWindowLongPtr(child, GWLP_USERDATA, 12345);
    EXPECT_EQ(GetWindowLongPtr(child, GWLP_USERDATA), 12345);
    SetWindowLongPtr(child, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
    EXPECT_EQ(GetWindowLongPtr(child, GWL_EXSTYLE), LONG_PTR(WS_EX_CLIENTEDGE));

    SetWindowText(child, "确实要退出本系统吗？");
    EXPECT_EQ(WindowTextOf(child), "确实要退出本系统吗？");
    WCHAR wide[64];
    EXPECT_EQ(GetWindowTextW(child, wide, 64), 10);
    char cut[4];
    EXPECT_EQ(GetWindowText(child, cut, sizeof(cut)), 2);  // never half a character
    SetWindowTextW(top, u"维修");
    EXPECT_EQ(WindowTextOf(top), "维修");

    const ATOM atom = GlobalAddAtom("ControlOfs0040000000000A8C");
    EXPECT_TRUE(SetProp(child, reinterpret_cast<const char*>(std::uintptr_t(atom)), 99));
    EXPECT_EQ(GetProp(child, "ControlOfs0040000000000A8C"), 0u);  // atoms and names are separate
    EXPECT_TRUE(SetProp(child, "Name", 5));
    EXPECT_EQ(GetProp(child, "NAME"), 5u);
    EXPECT_EQ(RemoveProp(child, "Name"), 5u);
    EXPECT_EQ(GetProp(child, "Name"), 0u);
    EXPECT_EQ(GetProp(child, reinterpret_cast<const char*>(std::uintptr_t(atom))), 99u);

    const UINT registered = RegisterWindowMessage("SkinRefresh");
    EXPECT_GE(registered, 0xC000u);
    EXPECT_EQ(RegisterWindowMessage("skinrefresh"), registered);
}

TEST_F(WindowTest, GeometryAndTree) {
    const HWND top = TopLevel(100, 50, 200, 150);
    const HWND a = Child(top, 10, 10, 50, 50, 1);
    const HWND b = Child(top, 30, 30, 50, 50, 2);
    RECT r;
    GetWindowRect(b, &r);
    EXPECT_EQ(r, Rect(130, 80, 180, 130));
    POINT p{1, 2};
    ClientToScreen(b, &p);
    EXPECT_EQ(p, Point(131, 82));
    POINT pts[1] = {{0, 0}};
    MapWindowPoints(b, a, pts, 1);
    EXPECT_EQ(pts[0], Point(20, 20));

    // New children go to the bottom; the first one stays on top.
    EXPECT_EQ(GetWindow(top, GW_CHILD), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
    EXPECT_EQ(WindowFromPoint(Point(145, 95)), a);
    SetWindowPos(b, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetTopWindow(top), b);
    EXPECT_EQ(WindowFromPoint(Point(145, 95)), b);
    EXPECT_EQ(ChildWindowFromPoint(top, Point(15, 15)), a);
    EXPECT_EQ(ChildWindowFromPoint(top, Point(150, 120)), top);

    EXPECT_EQ(GetAncestor(b, GA_ROOT), top);
    EXPECT_EQ(GetParent(b), top);
    EXPECT_TRUE(IsChild(top, b));
    int count = 0;
    EnumChildWindows(top, [&](HWND, LPARAM) { return ++count, TRUE; }, 0);
    EXPECT_EQ(count, 2);

    Watch({WM_MOVE, WM_SIZE});
    MoveWindow(a, 1, 2, 30, 40, TRUE);
    ASSERT_EQ(Log().size(), 2u);
    EXPECT_EQ(Log()[0].lParam, MAKELPARAM(1, 2));
    EXPECT_EQ(Log()[1].lParam, MAKELPARAM(30, 40));
    GetClientRect(a, &r);
    EXPECT_EQ(r, Rect(0, 0, 30, 40));

    const HWND floating = Keep(CreateWindowEx(0, className, "", WS_CHILD, 0, 0, 10, 10, b, 0, 0, nullptr));
    SetParent(floating, 0);
    EXPECT_EQ(GetAncestor(floating, GA_PARENT), GetDesktopWindow());

    EnableWindow(a, FALSE);
    EXPECT_FALSE(IsWindowEnabled(a));
    ShowWindow(b, SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(b));
    EXPECT_EQ(WindowFromPoint(Point(115, 65)), top);  // a disabled child gives way to its parent

    SetWindowRgn(top, CreateEllipticRgn(0, 0, 200, 150), FALSE);
    EXPECT_EQ(WindowFromPoint(Point(101, 51)), 0u);  // outside the ellipse
    WINDOWPLACEMENT placement;
    ShowWindow(top, SW_SHOWMAXIMIZED);
    EXPECT_TRUE(IsZoomed(top));
    GetWindowPlacement(top, &placement);
    EXPECT_EQ(placement.showCmd, UINT(SW_SHOWMAXIMIZED));
    EXPECT_EQ(placement.rcNormalPosition, Rect(100, 50, 300, 200));
    ShowWindow(top, SW_RESTORE);
    GetWindowRect(top, &r);
    EXPECT_EQ(r, Rect(100, 50, 300, 200));
}

TEST_F(WindowTest, AMaximizedChildKeepsItsFrameOutsideItsParentsClientArea) {
    const HWND parent = Keep(CreateWindowEx(0, className, "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, 0, 0, 0, nullptr));
    RECT parentClient;
    GetClientRect(parent, &parentClient);
    struct Case { DWORD style; DWORD exStyle; };
    for (const Case& c : {Case{WS_CHILD | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU, WS_EX_MDICHILD | WS_EX_WINDOWEDGE},
                          Case{WS_CHILD | WS_CAPTION, 0}, Case{WS_CHILD, 0}}) {
        const HWND child = Keep(CreateWindowEx(c.exStyle, className, "", c.style, 10, 10, 120, 90, parent, 0, 0, nullptr));
        ShowWindow(child, SW_SHOWMAXIMIZED);
        EXPECT_TRUE(IsZoomed(child));
        RECT client;
        GetClientRect(child, &client);
        EXPECT_EQ(client, parentClient) << std::hex << c.style;
        POINT origin{0, 0};
        MapWindowPoints(child, parent, &origin, 1);
        EXPECT_EQ(origin, Point(0, 0)) << "the client area, not the caption, starts at the parent's corner";
        RECT frame = parentClient;
        AdjustWindowRectEx(&frame, c.style, FALSE, c.exStyle);
        RECT placed;
        GetWindowRect(child, &placed);
        MapWindowPoints(0, parent, reinterpret_cast<POINT*>(&placed), 2);
        EXPECT_EQ(placed, frame);
        ShowWindow(child, SW_RESTORE);
        GetWindowRect(child, &placed);
        MapWindowPoints(0, parent, reinterpret_cast<POINT*>(&placed), 2);
        EXPECT_EQ(placed, Rect(10, 10, 130, 100));
    }
}

TEST_F(WindowTest, UtilityWindowsDeliverToTheirMethod) {
    struct Receiver {
        std::vector<UINT> got;
        void Handle(TMessage& m) { got.push_back(m.Msg); }
    } receiver;
    const HWND utility = AllocateHWnd(TWndMethod(&receiver, &Receiver::Handle));
    ASSERT_TRUE(IsWindow(utility));
    receiver.got.clear();
    PostMessage(utility, WM_USER + 9, 0, 0);
    DispatchQueuedMessages();
    EXPECT_EQ(receiver.got, std::vector<UINT>{WM_USER + 9});
    DeallocateHWnd(utility);
    EXPECT_FALSE(IsWindow(utility));
}

namespace {
LRESULT LimitedProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETMINMAXINFO) {
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        DefWindowProc(window, message, wParam, lParam);
        limits->ptMinTrackSize = {200, 150};
        return 0;
    }
    return DefWindowProc(window, message, wParam, lParam);
}
}  // namespace

TEST_F(WindowTest, SizableWindowsKeepToTheirMinMaxInfo) {
    const HWND top = Keep(CreateWindowEx(0, className, "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, 0, 0, 0, nullptr));
    SetWindowLongPtr(top, GWLP_WNDPROC, LONG_PTR(WNDPROC(&LimitedProcedure)));
    MoveWindow(top, 0, 0, 50, 50, TRUE);
    RECT r;
    GetWindowRect(top, &r);
    EXPECT_EQ(r, Rect(0, 0, 200, 150));
    const HWND popup = TopLevel(0, 0, 300, 200);  // no frame to size: no limits
    SetWindowLongPtr(popup, GWLP_WNDPROC, LONG_PTR(WNDPROC(&LimitedProcedure)));
    MoveWindow(popup, 0, 0, 50, 50, TRUE);
    GetWindowRect(popup, &r);
    EXPECT_EQ(r, Rect(0, 0, 50, 50));
    // A thin border is no caption: a hint window is as small as its text.
    const HWND bordered = Keep(CreateWindowEx(0, className, "", WS_POPUP | WS_BORDER, 0, 0, 300, 200, 0, 0, 0, nullptr));
    SetWindowLongPtr(bordered, GWLP_WNDPROC, LONG_PTR(WNDPROC(&LimitedProcedure)));
    MoveWindow(bordered, 0, 0, 30, 15, TRUE);
    GetWindowRect(bordered, &r);
    EXPECT_EQ(r, Rect(0, 0, 30, 15));
}

// A right click asks for the context menu where it was released, in screen
// coordinates; unanswered, the request goes up to the parent.
TEST_F(WindowTest, ReleasingTheRightButtonAsksForTheContextMenuUpTheTree) {
    const HWND top = TopLevel(100, 50, 200, 150);
    const HWND child = Child(top, 20, 30, 100, 80);
    Watch({WM_CONTEXTMENU});
    SimulateClick(child, {5, 6}, VK_RBUTTON);
    DispatchQueuedMessages();
    const std::vector<LoggedMessage> asked = Logged(WM_CONTEXTMENU);
    ASSERT_EQ(asked.size(), 2u);
    POINT screen{5, 6};
    ClientToScreen(child, &screen);
    for (const LoggedMessage& m : asked) {
        EXPECT_EQ(HWND(m.wParam), child);
        EXPECT_EQ(GET_X_LPARAM(m.lParam), screen.x);
        EXPECT_EQ(GET_Y_LPARAM(m.lParam), screen.y);
    }
    EXPECT_EQ(asked[0].window, child);
    EXPECT_EQ(asked[1].window, top);
}
