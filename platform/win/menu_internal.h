// The menu objects behind HMENU handles and the layout and drawing of their
// items, shared by the menu API, the menu bar and the menu loop.
#pragma once

#include <vector>

#include "platform/win/frame_internal.h"

namespace ws {

struct MenuItem {
    UINT type = MFT_STRING;
    UINT state = 0;
    UINT id = 0;
    HMENU submenu = 0;
    HBITMAP checked = 0;
    HBITMAP unchecked = 0;
    ULONG_PTR data = 0;
    AnsiString text;
    HBITMAP bitmap = 0;  // MFT_BITMAP's bitmap or hbmpItem; small values are the HBMMENU_ images
    RECT rect;           // laid out: window coordinates in a bar, client coordinates in a pop-up
};

struct Menu {
    HMENU handle = 0;
    bool popup = false;
    HWND systemOwner = 0;  // set for a window's system menu: its commands go there as WM_SYSCOMMAND
    HWND shownIn = 0;      // the pop-up window showing the menu, 0 when closed
    std::vector<MenuItem> items;
};

Menu* FindMenu(HMENU menu);
// The item `item` names (an id, searching submenus, or a position with
// MF_BYPOSITION); `holder` and `position` receive where it was found.
MenuItem* FindItem(HMENU menu, UINT item, UINT flags, Menu** holder = nullptr, int* position = nullptr);

// Special item bitmaps (values of MENUITEMINFO::hbmpItem).
constexpr HBITMAP HBMMENU_SYSTEM = 1, HBMMENU_MBAR_RESTORE = 2, HBMMENU_MBAR_MINIMIZE = 3,
                  HBMMENU_MBAR_CLOSE = 5, HBMMENU_MBAR_CLOSE_D = 6, HBMMENU_MBAR_MINIMIZE_D = 7,
                  HBMMENU_POPUP_CLOSE = 8, HBMMENU_POPUP_RESTORE = 9, HBMMENU_POPUP_MAXIMIZE = 10,
                  HBMMENU_POPUP_MINIMIZE = 11;
bool IsSpecialBitmap(HBITMAP bitmap);

// Lays a pop-up's items out (WM_MEASUREITEM to `owner` for owner-drawn
// ones); answers the size of its client area.
SIZE LayoutPopup(HWND owner, Menu& menu);
// Lays a bar's items out in `bar` (window coordinates), wrapping rows; answers its height.
int LayoutBar(HWND owner, Menu& menu, const RECT& bar);
// Draws one item in the menu bar's look or a pop-up's (a highlighted bar
// item whose pop-up is open looks pressed).
void DrawItem(HDC dc, HWND owner, Menu& menu, int index, bool bar);
// The position of the item whose rectangle holds the point (-1 for none).
int ItemAt(const Menu& menu, POINT point);
// The first item whose mnemonic ("&x") is `key`, in either case; -1 for none.
int ItemWithMnemonic(const Menu& menu, char key);
bool Selectable(const MenuItem& item);

// The menu loop (menuloop.cpp): answers the chosen command id, 0 for none.
struct MenuLoopStart {
    HWND owner = 0;
    HMENU bar = 0;             // bar mode: the menu bar shown in the owner's frame
    int barItem = -1;          // the bar item selected first
    bool openBarItem = false;  // its pop-up opens at once
    HMENU popup = 0;           // pop-up mode: the menu and where it shows
    POINT at;
    UINT flags = 0;            // TPM_ flags
    bool selectFirst = false;  // keyboard start: the first item is selected
};
UINT RunMenuLoop(const MenuLoopStart& start);
// Brings a window's system menu up to date with the window's state.
void UpdateSystemMenu(HWND window, HMENU menu);

}  // namespace ws
