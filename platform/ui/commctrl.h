// The standard controls' vocabulary: styles, messages, notifications and
// records of the "Button", "Edit", "ListBox", "ComboBox"/"ComboLBox" window
// classes and the owner-draw and WM_NOTIFY records they share. The values
// are the platform's own, so numeric ids in the Parts hold.
#pragma once

#include "platform/ui/msgqueue.h"

// ---- Owner draw ---------------------------------------------------------------
constexpr UINT ODT_MENU = 1, ODT_LISTBOX = 2, ODT_COMBOBOX = 3, ODT_BUTTON = 4, ODT_STATIC = 5;
constexpr UINT ODA_DRAWENTIRE = 1, ODA_SELECT = 2, ODA_FOCUS = 4;
constexpr UINT ODS_SELECTED = 1, ODS_GRAYED = 2, ODS_DISABLED = 4, ODS_CHECKED = 8, ODS_FOCUS = 0x10,
               ODS_DEFAULT = 0x20, ODS_COMBOBOXEDIT = 0x1000;
struct DRAWITEMSTRUCT {
    UINT CtlType = 0;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemAction = 0;
    UINT itemState = 0;
    HWND hwndItem = 0;
    HDC hDC = 0;
    RECT rcItem;
    ULONG_PTR itemData = 0;
};
struct MEASUREITEMSTRUCT {
    UINT CtlType = 0;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemWidth = 0;
    UINT itemHeight = 0;
    ULONG_PTR itemData = 0;
};

// ---- WM_NOTIFY ------------------------------------------------------------------
struct NMHDR {
    HWND hwndFrom = 0;
    UINT_PTR idFrom = 0;
    UINT code = 0;
};

// ---- Buttons --------------------------------------------------------------------
constexpr DWORD BS_PUSHBUTTON = 0, BS_DEFPUSHBUTTON = 1, BS_CHECKBOX = 2, BS_AUTOCHECKBOX = 3,
                BS_RADIOBUTTON = 4, BS_3STATE = 5, BS_AUTO3STATE = 6, BS_GROUPBOX = 7, BS_AUTORADIOBUTTON = 9,
                BS_OWNERDRAW = 0xB, BS_TYPEMASK = 0xF, BS_LEFTTEXT = 0x20, BS_LEFT = 0x100, BS_RIGHT = 0x200,
                BS_CENTER = 0x300, BS_TOP = 0x400, BS_BOTTOM = 0x800, BS_VCENTER = 0xC00, BS_PUSHLIKE = 0x1000,
                BS_MULTILINE = 0x2000, BS_NOTIFY = 0x4000, BS_FLAT = 0x8000;
constexpr UINT BM_GETCHECK = 0xF0, BM_SETCHECK = 0xF1, BM_GETSTATE = 0xF2, BM_SETSTATE = 0xF3,
               BM_SETSTYLE = 0xF4, BM_CLICK = 0xF5;
constexpr WPARAM BST_UNCHECKED = 0, BST_CHECKED = 1, BST_INDETERMINATE = 2;
constexpr LRESULT BST_PUSHED = 4, BST_FOCUS = 8;
constexpr UINT BN_CLICKED = 0, BN_DOUBLECLICKED = 5, BN_SETFOCUS = 6, BN_KILLFOCUS = 7;

// ---- Edits ----------------------------------------------------------------------
constexpr DWORD ES_LEFT = 0, ES_CENTER = 1, ES_RIGHT = 2, ES_MULTILINE = 4, ES_UPPERCASE = 8,
                ES_LOWERCASE = 0x10, ES_PASSWORD = 0x20, ES_AUTOVSCROLL = 0x40, ES_AUTOHSCROLL = 0x80,
                ES_NOHIDESEL = 0x100, ES_READONLY = 0x800, ES_WANTRETURN = 0x1000, ES_NUMBER = 0x2000;
constexpr UINT EM_GETSEL = 0xB0, EM_SETSEL = 0xB1, EM_GETRECT = 0xB2, EM_SETRECT = 0xB3, EM_SETRECTNP = 0xB4,
               EM_LINESCROLL = 0xB6, EM_SCROLLCARET = 0xB7, EM_GETMODIFY = 0xB8, EM_SETMODIFY = 0xB9,
               EM_GETLINECOUNT = 0xBA, EM_LINEINDEX = 0xBB, EM_LINELENGTH = 0xC1, EM_REPLACESEL = 0xC2,
               EM_GETLINE = 0xC4, EM_LIMITTEXT = 0xC5, EM_SETLIMITTEXT = 0xC5, EM_CANUNDO = 0xC6, EM_UNDO = 0xC7,
               EM_LINEFROMCHAR = 0xC9, EM_EMPTYUNDOBUFFER = 0xCD, EM_GETFIRSTVISIBLELINE = 0xCE,
               EM_SETREADONLY = 0xCF, EM_SETPASSWORDCHAR = 0xCC, EM_GETPASSWORDCHAR = 0xD2,
               EM_SETMARGINS = 0xD3, EM_GETMARGINS = 0xD4, EM_GETLIMITTEXT = 0xD5, EM_POSFROMCHAR = 0xD6,
               EM_CHARFROMPOS = 0xD7;
constexpr WPARAM EC_LEFTMARGIN = 1, EC_RIGHTMARGIN = 2, EC_USEFONTINFO = 0xFFFF;
constexpr UINT EN_SETFOCUS = 0x100, EN_KILLFOCUS = 0x200, EN_CHANGE = 0x300, EN_UPDATE = 0x400,
               EN_MAXTEXT = 0x501;

// ---- List boxes -------------------------------------------------------------------
constexpr DWORD LBS_NOTIFY = 1, LBS_SORT = 2, LBS_MULTIPLESEL = 8, LBS_OWNERDRAWFIXED = 0x10,
                LBS_OWNERDRAWVARIABLE = 0x20, LBS_HASSTRINGS = 0x40, LBS_NOINTEGRALHEIGHT = 0x100,
                LBS_MULTICOLUMN = 0x200, LBS_WANTKEYBOARDINPUT = 0x400, LBS_EXTENDEDSEL = 0x800,
                LBS_NOSEL = 0x4000, LBS_STANDARD = LBS_NOTIFY | LBS_SORT | WS_VSCROLL | WS_BORDER;
constexpr UINT LB_ADDSTRING = 0x180, LB_INSERTSTRING = 0x181, LB_DELETESTRING = 0x182, LB_RESETCONTENT = 0x184,
               LB_SETSEL = 0x185, LB_SETCURSEL = 0x186, LB_GETSEL = 0x187, LB_GETCURSEL = 0x188,
               LB_GETTEXT = 0x189, LB_GETTEXTLEN = 0x18A, LB_GETCOUNT = 0x18B, LB_SELECTSTRING = 0x18C,
               LB_GETTOPINDEX = 0x18E, LB_FINDSTRING = 0x18F, LB_GETSELCOUNT = 0x190, LB_GETSELITEMS = 0x191,
               LB_SETCOLUMNWIDTH = 0x195, LB_SETTOPINDEX = 0x197, LB_GETITEMRECT = 0x198,
               LB_GETITEMDATA = 0x199, LB_SETITEMDATA = 0x19A, LB_SELITEMRANGE = 0x19B,
               LB_SETANCHORINDEX = 0x19C, LB_GETANCHORINDEX = 0x19D, LB_SETCARETINDEX = 0x19E,
               LB_GETCARETINDEX = 0x19F, LB_SETITEMHEIGHT = 0x1A0, LB_GETITEMHEIGHT = 0x1A1,
               LB_FINDSTRINGEXACT = 0x1A2, LB_ITEMFROMPOINT = 0x1A9;
constexpr LRESULT LB_OKAY = 0, LB_ERR = -1;
constexpr UINT LBN_SELCHANGE = 1, LBN_DBLCLK = 2, LBN_SELCANCEL = 3, LBN_SETFOCUS = 4, LBN_KILLFOCUS = 5;

// ---- Combo boxes ------------------------------------------------------------------
constexpr DWORD CBS_SIMPLE = 1, CBS_DROPDOWN = 2, CBS_DROPDOWNLIST = 3, CBS_OWNERDRAWFIXED = 0x10,
                CBS_OWNERDRAWVARIABLE = 0x20, CBS_AUTOHSCROLL = 0x40, CBS_SORT = 0x100, CBS_HASSTRINGS = 0x200,
                CBS_NOINTEGRALHEIGHT = 0x400, CBS_UPPERCASE = 0x2000, CBS_LOWERCASE = 0x4000;
constexpr UINT CB_GETEDITSEL = 0x140, CB_LIMITTEXT = 0x141, CB_SETEDITSEL = 0x142, CB_ADDSTRING = 0x143,
               CB_DELETESTRING = 0x144, CB_GETCOUNT = 0x146, CB_GETCURSEL = 0x147, CB_GETLBTEXT = 0x148,
               CB_GETLBTEXTLEN = 0x149, CB_INSERTSTRING = 0x14A, CB_RESETCONTENT = 0x14B, CB_FINDSTRING = 0x14C,
               CB_SELECTSTRING = 0x14D, CB_SETCURSEL = 0x14E, CB_SHOWDROPDOWN = 0x14F, CB_GETITEMDATA = 0x150,
               CB_SETITEMDATA = 0x151, CB_GETDROPPEDCONTROLRECT = 0x152, CB_SETITEMHEIGHT = 0x153,
               CB_GETITEMHEIGHT = 0x154, CB_GETDROPPEDSTATE = 0x157, CB_FINDSTRINGEXACT = 0x158,
               CB_GETTOPINDEX = 0x15B, CB_SETTOPINDEX = 0x15C, CB_GETDROPPEDWIDTH = 0x15F,
               CB_SETDROPPEDWIDTH = 0x160, CB_GETCOMBOBOXINFO = 0x164;
constexpr LRESULT CB_OKAY = 0, CB_ERR = -1;
constexpr UINT CBN_SELCHANGE = 1, CBN_DBLCLK = 2, CBN_SETFOCUS = 3, CBN_KILLFOCUS = 4, CBN_EDITCHANGE = 5,
               CBN_EDITUPDATE = 6, CBN_DROPDOWN = 7, CBN_CLOSEUP = 8, CBN_SELENDOK = 9, CBN_SELENDCANCEL = 10;

constexpr DWORD STATE_SYSTEM_PRESSED = 0x8, STATE_SYSTEM_INVISIBLE = 0x8000;
struct COMBOBOXINFO {
    DWORD cbSize = sizeof(COMBOBOXINFO);
    RECT rcItem;
    RECT rcButton;
    DWORD stateButton = 0;
    HWND hwndCombo = 0;
    HWND hwndItem = 0;
    HWND hwndList = 0;
};
// The parts of a combo box: its edit (or display area) and button
// rectangles in its client coordinates, and its edit and list windows.
BOOL GetComboBoxInfo(HWND combo, COMBOBOXINFO* info);

// The standard control classes are registered with the window system from
// the start; this is kept for code that calls it.
void InitCommonControls();
