// Owner drawing, shared by menus and controls: the WM_MEASUREITEM and
// WM_DRAWITEM records and their flags, with the platform's values.
#pragma once

#include "platform/win/messages.h"

constexpr UINT ODT_MENU = 1, ODT_LISTBOX = 2, ODT_COMBOBOX = 3, ODT_BUTTON = 4, ODT_STATIC = 5, ODT_HEADER = 100,
               ODT_TAB = 101, ODT_LISTVIEW = 102;
constexpr UINT ODA_DRAWENTIRE = 1, ODA_SELECT = 2, ODA_FOCUS = 4;
constexpr UINT ODS_SELECTED = 1, ODS_GRAYED = 2, ODS_DISABLED = 4, ODS_CHECKED = 8, ODS_FOCUS = 0x10,
               ODS_DEFAULT = 0x20, ODS_HOTLIGHT = 0x40, ODS_INACTIVE = 0x80, ODS_NOACCEL = 0x100,
               ODS_NOFOCUSRECT = 0x200, ODS_COMBOBOXEDIT = 0x1000;
struct MEASUREITEMSTRUCT {
    UINT CtlType = 0;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemWidth = 0;
    UINT itemHeight = 0;
    ULONG_PTR itemData = 0;
};
struct DRAWITEMSTRUCT {
    UINT CtlType = 0;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemAction = 0;
    UINT itemState = 0;
    HWND hwndItem = 0;  // for menus: the HMENU
    HDC hDC = 0;
    RECT rcItem;
    ULONG_PTR itemData = 0;
};
