// Menus: menu objects behind HMENU handles (32-bit ids), their items, the
// menu bar of a window, the system menu, and pop-up menus with the modal
// menu loop.
//
// The menu bar is drawn in its window's non-client area; pop-up menus are
// top-level windows of class "#32768" whose frame and items go through the
// window procedure like any other window's. The loop sends WM_ENTERMENULOOP,
// WM_INITMENU, WM_INITMENUPOPUP, WM_MENUSELECT, WM_MEASUREITEM/WM_DRAWITEM
// (owner-drawn items), WM_UNINITMENUPOPUP and WM_EXITMENULOOP to the owner,
// runs the message filters with MSGF_MENU for every message it retrieves,
// and posts WM_COMMAND (WM_SYSCOMMAND for the system menu) with the chosen id.
#pragma once

#include "platform/win/msgqueue.h"
#include "platform/win/ownerdraw.h"
#include "platform/win/userdraw.h"

using HMENU = HANDLE;

constexpr UINT WM_UNINITMENUPOPUP = 0x0125, WM_MENURBUTTONUP = 0x0122, WM_NEXTMENU = 0x0213;

// Flags of the MF_ style calls (AppendMenu, InsertMenu, ModifyMenu, ...).
constexpr UINT MF_INSERT = 0, MF_CHANGE = 0x80, MF_APPEND = 0x100, MF_DELETE = 0x200, MF_REMOVE = 0x1000,
               MF_BYCOMMAND = 0, MF_BYPOSITION = 0x400, MF_SEPARATOR = 0x800, MF_ENABLED = 0, MF_GRAYED = 1,
               MF_DISABLED = 2, MF_UNCHECKED = 0, MF_CHECKED = 8, MF_USECHECKBITMAPS = 0x200, MF_STRING = 0,
               MF_BITMAP = 4, MF_OWNERDRAW = 0x100, MF_POPUP = 0x10, MF_MENUBARBREAK = 0x20,
               MF_MENUBREAK = 0x40, MF_UNHILITE = 0, MF_HILITE = 0x80, MF_DEFAULT = 0x1000, MF_SYSMENU = 0x2000,
               MF_HELP = 0x4000, MF_RIGHTJUSTIFY = 0x4000, MF_MOUSESELECT = 0x8000;
constexpr UINT MFT_STRING = 0, MFT_BITMAP = 4, MFT_MENUBARBREAK = 0x20, MFT_MENUBREAK = 0x40,
               MFT_OWNERDRAW = 0x100, MFT_RADIOCHECK = 0x200, MFT_SEPARATOR = 0x800, MFT_RIGHTORDER = 0x2000,
               MFT_RIGHTJUSTIFY = 0x4000;
constexpr UINT MFS_GRAYED = 3, MFS_DISABLED = 3, MFS_CHECKED = 8, MFS_HILITE = 0x80, MFS_ENABLED = 0,
               MFS_UNCHECKED = 0, MFS_UNHILITE = 0, MFS_DEFAULT = 0x1000;
constexpr UINT MIIM_STATE = 1, MIIM_ID = 2, MIIM_SUBMENU = 4, MIIM_CHECKMARKS = 8, MIIM_TYPE = 0x10,
               MIIM_DATA = 0x20, MIIM_STRING = 0x40, MIIM_BITMAP = 0x80, MIIM_FTYPE = 0x100;

struct MENUITEMINFO {
    UINT cbSize = sizeof(MENUITEMINFO);
    UINT fMask = 0;
    UINT fType = 0;
    UINT fState = 0;
    UINT wID = 0;
    HMENU hSubMenu = 0;
    HBITMAP hbmpChecked = 0;
    HBITMAP hbmpUnchecked = 0;
    ULONG_PTR dwItemData = 0;
    char* dwTypeData = nullptr;  // the text (MFT_STRING) or the bitmap handle (MFT_BITMAP)
    UINT cch = 0;                // the buffer size on reading; the text length is answered here
    HBITMAP hbmpItem = 0;
};

// ---- Menu objects ------------------------------------------------------------
HMENU CreateMenu();
HMENU CreatePopupMenu();
// Destroys the menu and its submenus.
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);

// `item` is an id (the BY_COMMAND forms search submenus too) or a position
// (MF_BYPOSITION / byPosition). For MF_POPUP `idOrSubmenu` is the submenu;
// for MF_BITMAP `text` is the bitmap handle as a pointer; for MF_OWNERDRAW
// it is the item data.
BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idOrSubmenu, const char* text);
BOOL InsertMenu(HMENU menu, UINT item, UINT flags, UINT_PTR idOrSubmenu, const char* text);
BOOL ModifyMenu(HMENU menu, UINT item, UINT flags, UINT_PTR idOrSubmenu, const char* text);
// RemoveMenu keeps a submenu alive; DeleteMenu destroys it.
BOOL RemoveMenu(HMENU menu, UINT item, UINT flags);
BOOL DeleteMenu(HMENU menu, UINT item, UINT flags);
BOOL InsertMenuItem(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFO* info);
BOOL GetMenuItemInfo(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFO* info);
BOOL SetMenuItemInfo(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFO* info);

int GetMenuItemCount(HMENU menu);
// The id at a position; -1 (as UINT) for a submenu or no item.
UINT GetMenuItemID(HMENU menu, int position);
// Copies the item's text; with a null buffer answers its length.
int GetMenuString(HMENU menu, UINT item, char* buffer, int count, UINT flags);
// The item's MF_ flags (for a submenu, its item count in the high byte); -1 for no item.
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
HMENU GetSubMenu(HMENU menu, int position);
// Both answer the previous state (MF_CHECKED / MF_GRAYED bits) or -1.
DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags);
BOOL EnableMenuItem(HMENU menu, UINT item, UINT flags);
// Checks one item of the range [first, last] with a radio mark, unchecking the rest.
BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags);
UINT GetMenuDefaultItem(HMENU menu, UINT byPosition, UINT flags);
BOOL SetMenuDefaultItem(HMENU menu, UINT item, UINT byPosition);
BOOL HiliteMenuItem(HWND window, HMENU menu, UINT item, UINT flags);

// ---- Menu bars and the system menu ----------------------------------------------
HMENU GetMenu(HWND window);
// Attaches a menu bar (0 removes it) and lays the frame out again.
BOOL SetMenu(HWND window, HMENU menu);
// Redraws the menu bar after its items changed.
BOOL DrawMenuBar(HWND window);
// With revert FALSE: the window's own copy of the system menu (made on first
// use); with TRUE: drops the copy and answers 0.
HMENU GetSystemMenu(HWND window, BOOL revert);
// The item's rectangle in screen coordinates (menu bar or shown pop-up).
BOOL GetMenuItemRect(HWND window, HMENU menu, UINT position, RECT* rect);
// The position of the item at a screen point, -1 for none.
int MenuItemFromPoint(HWND window, HMENU menu, POINT screen);

// ---- Pop-up menus -----------------------------------------------------------------
constexpr UINT TPM_LEFTBUTTON = 0, TPM_RIGHTBUTTON = 2, TPM_LEFTALIGN = 0, TPM_CENTERALIGN = 4,
               TPM_RIGHTALIGN = 8, TPM_TOPALIGN = 0, TPM_VCENTERALIGN = 0x10, TPM_BOTTOMALIGN = 0x20,
               TPM_HORIZONTAL = 0, TPM_VERTICAL = 0x40, TPM_NONOTIFY = 0x80, TPM_RETURNCMD = 0x100;
struct TPMPARAMS {
    UINT cbSize = sizeof(TPMPARAMS);
    RECT rcExclude;
};
// Shows the pop-up at a screen point and runs the menu loop until an item is
// chosen or the menu is dismissed. With TPM_RETURNCMD answers the chosen id
// (0 for none) and posts nothing; otherwise posts WM_COMMAND to `owner` when
// an item is chosen and answers TRUE once the menu was shown.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* ignored);
BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, const TPMPARAMS* params);
// Ends the running menu loop (as a dismissal).
BOOL EndMenu();
