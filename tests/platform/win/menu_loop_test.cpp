// The menu loop: pop-up menus with owner-drawn items, keyboard and mouse
// navigation, mnemonics, the menu bar entered by F10 and Alt, the system
// menu, the notifications to the owner and the message filters.
#include "tests/platform/win/frame_fixture.h"

namespace {

struct DrawnItem {
    UINT id;
    UINT state;
    AnsiString windowClass;
};

}  // namespace

class MenuLoopTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        measured_.clear();
        drawn_.clear();
        TheHandler() = [this](HWND, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
            if (message == WM_MEASUREITEM) {
                auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
                measured_.push_back(mis->itemID);
                EXPECT_EQ(mis->CtlType, ODT_MENU);
                mis->itemWidth = 80;
                mis->itemHeight = 20;
                return TRUE;
            }
            if (message == WM_DRAWITEM) {
                auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
                EXPECT_EQ(dis->CtlType, ODT_MENU);
                EXPECT_EQ(dis->rcItem.bottom - dis->rcItem.top, 20);
                drawn_.push_back({dis->itemID, dis->itemState, ClassNameOf(WindowFromDC(dis->hDC))});
                FillRect(dis->hDC, &dis->rcItem, GetSysColorBrush(COLOR_INFOBK));
                return TRUE;
            }
            return std::nullopt;
        };
    }

    // Two owner-drawn items, a separator and a text item.
    static HMENU OwnerDrawnPopup() {
        const HMENU popup = CreatePopupMenu();
        for (UINT id : {11u, 12u}) {
            MENUITEMINFO info;
            info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA;
            info.fType = MFT_OWNERDRAW;
            info.wID = id;
            info.dwItemData = id * 10;
            InsertMenuItem(popup, UINT(-1), TRUE, &info);
        }
        AppendMenu(popup, MF_SEPARATOR, 0, nullptr);
        AppendMenu(popup, MF_STRING, 13, "第三(&T)");
        return popup;
    }

    // An item (30) and a submenu of two items (31, 32).
    static HMENU PopupWithSubmenu(UINT firstFlags) {
        const HMENU popup = CreatePopupMenu();
        const HMENU sub = CreatePopupMenu();
        AppendMenu(sub, MF_STRING, 31, "甲");
        AppendMenu(sub, MF_STRING, 32, "乙");
        AppendMenu(popup, MF_STRING | firstFlags, 30, "丙");
        AppendMenu(popup, MF_POPUP, UINT_PTR(sub), "更多(&M)");
        return popup;
    }

    HWND Owner(HMENU bar = 0) {
        const HWND w = Framed(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200, bar);
        SetActiveWindow(w);
        DispatchQueuedMessages();
        return w;
    }

    static std::vector<WPARAM> Commands() {
        std::vector<WPARAM> ids;
        for (auto& m : Logged(WM_COMMAND)) ids.push_back(LOWORD(m.wParam));
        return ids;
    }

    std::vector<UINT> measured_;
    std::vector<DrawnItem> drawn_;
};

TEST_F(MenuLoopTest, OwnerDrawnPopupChosenByKeyboard) {
    const HWND w = Owner();
    const HMENU popup = OwnerDrawnPopup();
    Watch({WM_ENTERMENULOOP, WM_INITMENUPOPUP, WM_MENUSELECT, WM_UNINITMENUPOPUP, WM_EXITMENULOOP, WM_COMMAND});
    std::vector<std::pair<int, UINT>> filtered;
    const int filter = AddMessageFilter([&](int code, MSG& msg) {
        if (msg.message == WM_KEYDOWN) filtered.push_back({code, UINT(msg.wParam)});
        return false;
    });
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_TRUE(TrackPopupMenu(popup, 0, 150, 150, 0, w, nullptr));
    RemoveObserver(filter);
    DispatchQueuedMessages();

    EXPECT_EQ(Commands(), std::vector<WPARAM>{12});
    EXPECT_EQ(measured_, (std::vector<UINT>{11, 12}));
    ASSERT_FALSE(drawn_.empty());
    EXPECT_EQ(drawn_.front().windowClass, AnsiString("#32768"));
    const bool selectedDrawn = std::any_of(drawn_.begin(), drawn_.end(),
                                           [](const DrawnItem& d) { return d.id == 12 && (d.state & ODS_SELECTED); });
    EXPECT_TRUE(selectedDrawn);

    const auto ids = LoggedIds();
    ASSERT_GE(ids.size(), 5u);
    EXPECT_EQ(ids.front(), WM_ENTERMENULOOP);
    EXPECT_EQ(ids[1], WM_INITMENUPOPUP);
    EXPECT_EQ(HIWORD(Logged(WM_INITMENUPOPUP)[0].lParam), 0) << "not the system menu";
    EXPECT_EQ(Logged(WM_UNINITMENUPOPUP).size(), 1u);
    const auto selects = Logged(WM_MENUSELECT);
    ASSERT_GE(selects.size(), 3u);
    EXPECT_EQ(LOWORD(selects[0].wParam), 11);
    EXPECT_EQ(LOWORD(selects[1].wParam), 12);
    EXPECT_EQ(HIWORD(selects.back().wParam), 0xFFFF) << "the closing notice";
    EXPECT_LT(std::find(ids.begin(), ids.end(), WM_EXITMENULOOP), std::find(ids.begin(), ids.end(), WM_COMMAND));

    ASSERT_EQ(filtered.size(), 3u);
    for (auto& [code, key] : filtered) EXPECT_EQ(code, MSGF_MENU);
    EXPECT_EQ(filtered[2].second, UINT(VK_RETURN));
    DestroyMenu(popup);
}

TEST_F(MenuLoopTest, SeparatorsAreSkippedAndMnemonicsChoose) {
    const HWND w = Owner();
    const HMENU popup = OwnerDrawnPopup();
    Watch({WM_COMMAND});
    Key(VK_UP);
    Key(VK_RETURN);
    EXPECT_EQ(TrackPopupMenu(popup, TPM_RETURNCMD, 150, 150, 0, w, nullptr), 13) << "up from nothing: the last item";
    Key('T', "t");
    EXPECT_EQ(TrackPopupMenu(popup, TPM_RETURNCMD, 150, 150, 0, w, nullptr), 13);
    Key(VK_UP);
    Key(VK_UP);
    Key(VK_RETURN);
    EXPECT_EQ(TrackPopupMenu(popup, TPM_RETURNCMD, 150, 150, 0, w, nullptr), 12) << "over the separator";
    Key(VK_ESCAPE);
    EXPECT_EQ(TrackPopupMenu(popup, TPM_RETURNCMD, 150, 150, 0, w, nullptr), 0);
    DispatchQueuedMessages();
    EXPECT_TRUE(Logged(WM_COMMAND).empty()) << "TPM_RETURNCMD posts nothing";
    DestroyMenu(popup);
}

TEST_F(MenuLoopTest, SubmenusOpenFromTheKeyboard) {
    const HWND w = Owner();
    const HMENU popup = PopupWithSubmenu(MF_GRAYED);
    const HMENU sub = GetSubMenu(popup, 1);
    Watch({WM_INITMENUPOPUP});
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_RIGHT);
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_EQ(TrackPopupMenu(popup, TPM_RETURNCMD, 150, 150, 0, w, nullptr), 32);
    ASSERT_EQ(Logged(WM_INITMENUPOPUP).size(), 2u);
    EXPECT_EQ(HMENU(Logged(WM_INITMENUPOPUP)[1].wParam), sub);
    EXPECT_EQ(LOWORD(Logged(WM_INITMENUPOPUP)[1].lParam), 1) << "its position in the parent";

    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_EQ(TrackPopupMenu(popup, TPM_RETURNCMD, 150, 150, 0, w, nullptr), 0) << "a greyed item is not chosen";
    DestroyMenu(popup);
}

TEST_F(MenuLoopTest, ClosingASubmenuFromTheKeyboardReportsItsParentItemAgain) {
    const HWND w = Owner();
    const HMENU popup = PopupWithSubmenu(MF_GRAYED);
    const HMENU sub = GetSubMenu(popup, 1);
    Watch({WM_MENUSELECT});
    for (int key : {VK_DOWN, VK_DOWN, VK_RIGHT, VK_LEFT, VK_RIGHT, VK_ESCAPE, VK_ESCAPE}) Key(key);
    EXPECT_EQ(TrackPopupMenu(popup, TPM_RETURNCMD, 150, 150, 0, w, nullptr), 0);
    std::vector<std::pair<WPARAM, HMENU>> selects;
    for (const auto& m : Logged(WM_MENUSELECT)) selects.push_back({m.wParam, HMENU(m.lParam)});
    const WPARAM parentItem = MAKEWPARAM(1, MF_HILITE | MF_POPUP);
    // Down, Down, Right (the sub-menu's first item), Left (the parent item
    // again), Right, Esc (the parent item again), Esc (the closing notice).
    ASSERT_EQ(selects.size(), 7u);
    EXPECT_EQ(selects[1], std::make_pair(parentItem, popup));
    EXPECT_EQ(selects[2].second, sub);
    EXPECT_EQ(selects[3], std::make_pair(parentItem, popup));
    EXPECT_EQ(selects[4].second, sub);
    EXPECT_EQ(selects[5], std::make_pair(parentItem, popup));
    EXPECT_EQ(HIWORD(selects[6].first), 0xFFFF);
    DestroyMenu(popup);
}

TEST_F(MenuLoopTest, MenuBarByF10AltAndMnemonics) {
    const HMENU bar = CreateMenu();
    const HMENU file = CreatePopupMenu(), edit = CreatePopupMenu();
    AppendMenu(file, MF_STRING, 101, "打开(&O)");
    AppendMenu(edit, MF_STRING, 201, "复制(&C)");
    AppendMenu(edit, MF_STRING, 202, "粘贴(&P)");
    AppendMenu(bar, MF_POPUP, UINT_PTR(file), "文件(&F)");
    AppendMenu(bar, MF_POPUP, UINT_PTR(edit), "编辑(&E)");
    Owner(bar);
    Watch({WM_COMMAND, WM_ENTERMENULOOP});

    Key(VK_F10);
    Key(VK_RIGHT);
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_RETURN);
    DispatchQueuedMessages();
    EXPECT_EQ(Commands(), std::vector<WPARAM>{202});
    ASSERT_EQ(Logged(WM_ENTERMENULOOP).size(), 1u);
    EXPECT_EQ(Logged(WM_ENTERMENULOOP)[0].wParam, WPARAM(FALSE)) << "a menu-bar loop";

    Log().clear();
    ws::InputKey(VK_MENU, true, "");
    ws::InputKey('E', true, "e");
    ws::InputKey('E', false, "");
    ws::InputKey(VK_MENU, false, "");
    Key('C', "c");
    DispatchQueuedMessages();
    EXPECT_EQ(Commands(), std::vector<WPARAM>{201}) << "Alt+E opens the menu, C chooses";

    Log().clear();
    Key(VK_MENU);
    Key(VK_RETURN);
    Key(VK_RETURN);
    DispatchQueuedMessages();
    EXPECT_EQ(Commands(), std::vector<WPARAM>{101}) << "Alt alone selects the bar";

    // A window that takes Alt+Down itself (a drop-down list) keeps Alt's
    // release from opening the menu.
    Log().clear();
    TheHandler() = [](HWND, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_SYSKEYDOWN && wParam == VK_DOWN) return 0;
        return std::nullopt;
    };
    ws::InputKey(VK_MENU, true, "");
    ws::InputKey(VK_DOWN, true, "");
    ws::InputKey(VK_DOWN, false, "");
    ws::InputKey(VK_MENU, false, "");
    DispatchQueuedMessages();
    EXPECT_TRUE(Logged(WM_ENTERMENULOOP).empty());
}

TEST_F(MenuLoopTest, SystemMenuByAltSpaceSendsSystemCommands) {
    const HWND w = Owner();
    Watch({WM_INITMENUPOPUP, WM_SYSCOMMAND});
    ws::InputKey(VK_MENU, true, "");
    ws::InputKey(VK_SPACE, true, " ");
    ws::InputKey(VK_SPACE, false, "");
    ws::InputKey(VK_MENU, false, "");
    Key('C', "c");
    DispatchQueuedMessages();
    ASSERT_FALSE(Logged(WM_INITMENUPOPUP).empty());
    EXPECT_EQ(HIWORD(Logged(WM_INITMENUPOPUP)[0].lParam), 1) << "flagged as the system menu";
    const auto commands = Logged(WM_SYSCOMMAND);
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(commands.back().wParam & 0xFFF0, SC_CLOSE);
    EXPECT_FALSE(IsWindow(w));
}

TEST_F(MenuLoopTest, MouseOpensTheBarAndChoosesAnItem) {
    const HMENU bar = CreateMenu();
    const HMENU file = CreatePopupMenu();
    AppendMenu(file, MF_STRING, 101, "打开(&O)");
    AppendMenu(file, MF_STRING, 102, "关闭(&C)");
    AppendMenu(bar, MF_POPUP, UINT_PTR(file), "文件(&F)");
    const HWND w = Owner(bar);
    Watch({WM_COMMAND});
    RECT item;
    ASSERT_TRUE(GetMenuItemRect(w, bar, 0, &item));
    bool clicked = false;
    const int filter = AddMessageFilter([&](int, MSG&) {
        RECT r;
        // Once the pop-up shows, click its second item.
        if (!clicked && GetMenuItemRect(w, file, 1, &r)) {
            clicked = true;
            const POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
            MoveTo(p);
            Press(p);
            Release(p);
        }
        return false;
    });
    const POINT p{item.left + 5, item.top + 5};
    Press(p);
    Release(p);
    DispatchQueuedMessages();
    RemoveObserver(filter);
    EXPECT_TRUE(clicked);
    EXPECT_EQ(Commands(), std::vector<WPARAM>{102});

    // A press outside every menu dismisses it.
    Log().clear();
    Press(p);
    Release(p);
    const POINT outside = At(w, 280, 180);
    Press(outside);
    Release(outside);
    DispatchQueuedMessages();
    EXPECT_TRUE(Commands().empty());
    EXPECT_EQ(GetCapture(), HWND(0));
}

TEST_F(MenuLoopTest, HoveredSubmenuOpensAfterTheDelayAndEndMenuCloses) {
    const HWND w = Owner();
    const HMENU popup = PopupWithSubmenu(MF_STRING);
    const HMENU sub = GetSubMenu(popup, 1);
    Watch({WM_INITMENUPOPUP});
    bool hovered = false, opened = false;
    const int filter = AddMessageFilter([&](int, MSG&) {
        RECT r;
        if (!hovered && GetMenuItemRect(w, popup, 1, &r)) {
            hovered = true;
            MoveTo({r.left + 5, r.top + 5});
        } else if (hovered && !opened && GetMenuItemRect(w, sub, 0, &r)) {
            opened = true;
            EndMenu();
        }
        return false;
    });
    MoveTo(At(w, 150, 100));
    SetTimer(w, 78, 30);  // keeps the filter looking
    EXPECT_EQ(TrackPopupMenu(popup, TPM_RETURNCMD, 150, 150, 0, w, nullptr), 0);
    KillTimer(w, 78);
    RemoveObserver(filter);
    EXPECT_TRUE(opened) << "the submenu opened by itself";
    EXPECT_EQ(Logged(WM_INITMENUPOPUP).size(), 2u);
    EXPECT_FALSE(EndMenu()) << "no menu is running now";
    DestroyMenu(popup);
}

TEST_F(MenuLoopTest, FiltersSeeEverySelectionNoticeEvenWithoutNotifications) {
    const HWND w = Owner();
    const HMENU popup = OwnerDrawnPopup();
    Watch({WM_MENUSELECT});
    std::vector<WPARAM> notices;
    HWND menuWindow = 0;
    const int creation = AddCreationObserver([&](const WindowCreation& created) {
        if (ClassNameOf(created.window) == "#32768") menuWindow = created.window;
    });
    COLORREF printed = CLR_INVALID;
    const int filter = AddMessageFilter([&](int code, MSG& msg) {
        if (code == MSGF_MENU && msg.message == WM_MENUSELECT) notices.push_back(msg.wParam);
        if (code == MSGF_MENU && msg.message == WM_MENUSELECT && printed == CLR_INVALID && IsWindow(menuWindow)) {
            // The menu window prints its items into a window-sized image.
            RECT r;
            GetWindowRect(menuWindow, &r);
            const HDC screen = GetDC(0);
            const HDC dc = CreateCompatibleDC(screen);
            const HBITMAP image = CreateCompatibleBitmap(screen, r.right - r.left, r.bottom - r.top);
            ReleaseDC(0, screen);
            const HGDIOBJ old = SelectObject(dc, image);
            SendMessage(menuWindow, WM_PRINT, WPARAM(dc), PRF_CLIENT);
            POINT client{0, 0};
            ClientToScreen(menuWindow, &client);
            printed = GetPixel(dc, client.x - r.left + 5, client.y - r.top + 5);
            SelectObject(dc, old);
            DeleteObject(image);
            DeleteDC(dc);
        }
        return false;
    });
    Key(VK_DOWN);
    Key(VK_ESCAPE);
    TrackPopupMenu(popup, TPM_NONOTIFY, 150, 150, 0, w, nullptr);
    RemoveObserver(filter);
    RemoveObserver(creation);
    EXPECT_TRUE(Logged(WM_MENUSELECT).empty()) << "the owner is not told";
    ASSERT_GE(notices.size(), 2u);
    EXPECT_EQ(LOWORD(notices.front()), 11);
    EXPECT_EQ(HIWORD(notices.back()), 0xFFFF);
    EXPECT_EQ(printed, GetSysColor(COLOR_INFOBK)) << "the owner drew the first item into the print";
    DestroyMenu(popup);
}

TEST_F(MenuLoopTest, TheNonClientRegionOfTheWholeWindowClipsNothing) {
    const HWND w = Owner();
    const HDC dc = GetDCEx(w, HRGN(1), DCX_WINDOW | DCX_INTERSECTRGN | DCX_USESTYLE);
    ASSERT_NE(dc, 0u);
    RECT clip;
    GetClipBox(dc, &clip);
    RECT window;
    GetWindowRect(w, &window);
    EXPECT_EQ(clip.right - clip.left, window.right - window.left);
    EXPECT_EQ(clip.bottom - clip.top, window.bottom - window.top);
    ReleaseDC(w, dc);
}

// A menu opened under the pointer by a press: releasing that press where it
// was pressed chooses nothing; releasing it after a move chooses the item.
TEST_F(MenuLoopTest, TheReleaseOfThePressThatOpenedTheMenuChoosesOnlyAfterAMove) {
    const HWND w = Owner();
    const HMENU popup = CreatePopupMenu();
    AppendMenu(popup, MF_STRING, 41, "甲");
    AppendMenu(popup, MF_STRING, 42, "乙");
    std::vector<UINT> chosen;
    TheHandler() = [&](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message != WM_LBUTTONDOWN) return std::nullopt;
        POINT at;
        GetCursorPos(&at);
        chosen.push_back(UINT(TrackPopupMenu(popup, TPM_RETURNCMD, at.x - 4, at.y - 4, 0, w, nullptr)));
        return 0;
    };
    const POINT p = At(w, 60, 60);
    MoveTo(p);
    Press(p);
    Release(p);
    Key(VK_ESCAPE);
    DispatchQueuedMessages();
    const POINT q = At(w, 150, 100);  // far enough not to make a double click
    MoveTo(q);
    Press(q);
    MoveTo(POINT{q.x + 2, q.y + 1});
    Release(POINT{q.x + 2, q.y + 1});
    DispatchQueuedMessages();
    EXPECT_EQ(chosen, (std::vector<UINT>{0, 41}));
    DestroyMenu(popup);
}
