// The standard controls' vocabulary: styles, messages, notifications and
// records of the "Button", "Edit", "ListBox", "ComboBox"/"ComboLBox" window
// classes and the WM_NOTIFY records they share. The values are the
// platform's own, so numeric message ids written by callers hold.
#pragma once

#include "platform/rtl/datetime.h"
#include "platform/win/messages.h"
#include "platform/win/msgqueue.h"
#include "platform/win/ownerdraw.h"
#include "platform/win/winscroll.h"

// ---- WM_NOTIFY ------------------------------------------------------------------
struct NMHDR {
    HWND hwndFrom = 0;
    UINT_PTR idFrom = 0;
    UINT code = 0;
};

// ---- Buttons --------------------------------------------------------------------
constexpr DWORD BS_PUSHBUTTON = 0, BS_DEFPUSHBUTTON = 1, BS_CHECKBOX = 2, BS_AUTOCHECKBOX = 3,
                BS_RADIOBUTTON = 4, BS_3STATE = 5, BS_AUTO3STATE = 6, BS_GROUPBOX = 7, BS_AUTORADIOBUTTON = 9,
                BS_OWNERDRAW = 0xB, BS_TYPEMASK = 0xF, BS_LEFTTEXT = 0x20, BS_ICON = 0x40, BS_BITMAP = 0x80, BS_LEFT = 0x100, BS_RIGHT = 0x200,
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
                LBS_DISABLENOSCROLL = 0x1000, LBS_NOSEL = 0x4000,
                LBS_STANDARD = LBS_NOTIFY | LBS_SORT | WS_VSCROLL | WS_BORDER;
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

// ---- Common notifications ----------------------------------------------------------
constexpr UINT NM_CLICK = UINT(-2), NM_DBLCLK = UINT(-3), NM_RETURN = UINT(-4), NM_RCLICK = UINT(-5),
               NM_SETFOCUS = UINT(-7), NM_KILLFOCUS = UINT(-8);

// ---- Custom draw --------------------------------------------------------------------
constexpr UINT NM_CUSTOMDRAW = UINT(-12);
constexpr DWORD CDDS_PREPAINT = 1, CDDS_POSTPAINT = 2, CDDS_PREERASE = 3, CDDS_POSTERASE = 4,
                CDDS_ITEM = 0x10000, CDDS_ITEMPREPAINT = CDDS_ITEM | CDDS_PREPAINT,
                CDDS_ITEMPOSTPAINT = CDDS_ITEM | CDDS_POSTPAINT;
constexpr LRESULT CDRF_DODEFAULT = 0, CDRF_NEWFONT = 2, CDRF_SKIPDEFAULT = 4, CDRF_NOTIFYPOSTPAINT = 0x10,
                  CDRF_NOTIFYITEMDRAW = 0x20;
constexpr UINT CDIS_SELECTED = 1, CDIS_DISABLED = 4, CDIS_FOCUS = 0x10, CDIS_HOT = 0x40;
struct NMCUSTOMDRAW {
    NMHDR hdr;
    DWORD dwDrawStage = 0;
    HDC hdc = 0;
    RECT rc;
    DWORD_PTR dwItemSpec = 0;
    UINT uItemState = 0;
    LPARAM lItemlParam = 0;
};

// ---- Progress bars ("msctls_progress32") ------------------------------------------
constexpr DWORD PBS_SMOOTH = 1, PBS_VERTICAL = 4;
constexpr UINT PBM_SETRANGE = WM_USER + 1, PBM_SETPOS = WM_USER + 2, PBM_DELTAPOS = WM_USER + 3,
               PBM_SETSTEP = WM_USER + 4, PBM_STEPIT = WM_USER + 5, PBM_SETRANGE32 = WM_USER + 6,
               PBM_GETRANGE = WM_USER + 7, PBM_GETPOS = WM_USER + 8;
struct PBRANGE {
    int iLow = 0;
    int iHigh = 0;
};

// ---- Track bars ("msctls_trackbar32") ----------------------------------------------
constexpr DWORD TBS_AUTOTICKS = 1, TBS_VERT = 2, TBS_HORZ = 0, TBS_TOP = 4, TBS_BOTTOM = 0, TBS_LEFT = 4,
                TBS_RIGHT = 0, TBS_BOTH = 8, TBS_NOTICKS = 0x10, TBS_NOTHUMB = 0x80;
constexpr UINT TBM_GETPOS = WM_USER, TBM_GETRANGEMIN = WM_USER + 1, TBM_GETRANGEMAX = WM_USER + 2,
               TBM_SETPOS = WM_USER + 5, TBM_SETRANGE = WM_USER + 6, TBM_SETRANGEMIN = WM_USER + 7,
               TBM_SETRANGEMAX = WM_USER + 8, TBM_SETTICFREQ = WM_USER + 20, TBM_SETPAGESIZE = WM_USER + 21,
               TBM_GETPAGESIZE = WM_USER + 22, TBM_SETLINESIZE = WM_USER + 23, TBM_GETLINESIZE = WM_USER + 24,
               TBM_GETTHUMBRECT = WM_USER + 25, TBM_GETCHANNELRECT = WM_USER + 26;
// The scroll codes a track bar sends its parent with WM_HSCROLL/WM_VSCROLL.
constexpr WORD TB_LINEUP = 0, TB_LINEDOWN = 1, TB_PAGEUP = 2, TB_PAGEDOWN = 3, TB_THUMBPOSITION = 4,
               TB_THUMBTRACK = 5, TB_TOP = 6, TB_BOTTOM = 7, TB_ENDTRACK = 8;
constexpr DWORD_PTR TBCD_TICS = 1, TBCD_THUMB = 2, TBCD_CHANNEL = 3;

// ---- Up-down controls ("msctls_updown32") ------------------------------------------
constexpr DWORD UDS_WRAP = 1, UDS_SETBUDDYINT = 2, UDS_ALIGNRIGHT = 4, UDS_ALIGNLEFT = 8, UDS_AUTOBUDDY = 0x10,
                UDS_ARROWKEYS = 0x20, UDS_HORZ = 0x40, UDS_NOTHOUSANDS = 0x80;
constexpr UINT UDM_SETRANGE = WM_USER + 101, UDM_GETRANGE = WM_USER + 102, UDM_SETPOS = WM_USER + 103,
               UDM_GETPOS = WM_USER + 104, UDM_SETBUDDY = WM_USER + 105, UDM_GETBUDDY = WM_USER + 106,
               UDM_SETRANGE32 = WM_USER + 111, UDM_GETRANGE32 = WM_USER + 112, UDM_SETPOS32 = WM_USER + 113,
               UDM_GETPOS32 = WM_USER + 114;
constexpr UINT UDN_DELTAPOS = UINT(-722);
constexpr const char* UPDOWN_CLASS = "msctls_updown32";
struct NMUPDOWN {
    NMHDR hdr;
    int iPos = 0;
    int iDelta = 0;
};

// ---- Tab controls ------------------------------------------------------------------
constexpr DWORD TCS_TABS = 0, TCS_BOTTOM = 2, TCS_RIGHT = 2, TCS_FLATBUTTONS = 8, TCS_VERTICAL = 0x80, TCS_HOTTRACK = 0x40, TCS_BUTTONS = 0x100,
                TCS_MULTILINE = 0x200, TCS_FIXEDWIDTH = 0x400, TCS_OWNERDRAWFIXED = 0x2000,
                TCS_FOCUSNEVER = 0x8000;
constexpr UINT TCM_FIRST = 0x1300;
constexpr UINT TCM_GETIMAGELIST = TCM_FIRST + 2, TCM_SETIMAGELIST = TCM_FIRST + 3, TCM_GETITEMCOUNT = TCM_FIRST + 4,
               TCM_GETITEMA = TCM_FIRST + 5, TCM_SETITEMA = TCM_FIRST + 6, TCM_INSERTITEMA = TCM_FIRST + 7,
               TCM_DELETEITEM = TCM_FIRST + 8, TCM_DELETEALLITEMS = TCM_FIRST + 9, TCM_GETITEMRECT = TCM_FIRST + 10,
               TCM_GETCURSEL = TCM_FIRST + 11, TCM_SETCURSEL = TCM_FIRST + 12, TCM_HITTEST = TCM_FIRST + 13,
               TCM_ADJUSTRECT = TCM_FIRST + 40, TCM_SETITEMSIZE = TCM_FIRST + 41, TCM_GETROWCOUNT = TCM_FIRST + 44,
               TCM_GETCURFOCUS = TCM_FIRST + 47, TCM_SETCURFOCUS = TCM_FIRST + 48, TCM_GETITEMW = TCM_FIRST + 60,
               TCM_SETITEMW = TCM_FIRST + 61, TCM_INSERTITEMW = TCM_FIRST + 62;
constexpr UINT TCM_GETITEM = TCM_GETITEMA, TCM_SETITEM = TCM_SETITEMA, TCM_INSERTITEM = TCM_INSERTITEMA;
constexpr UINT TCN_KEYDOWN = UINT(-550), TCN_SELCHANGE = UINT(-551), TCN_SELCHANGING = UINT(-552);
constexpr UINT TCIF_TEXT = 1, TCIF_IMAGE = 2, TCIF_PARAM = 8, TCIF_STATE = 0x10;
struct TCITEMA {
    UINT mask = 0;
    DWORD dwState = 0;
    DWORD dwStateMask = 0;
    char* pszText = nullptr;
    int cchTextMax = 0;
    int iImage = -1;
    LPARAM lParam = 0;
};
struct TCITEMW {
    UINT mask = 0;
    DWORD dwState = 0;
    DWORD dwStateMask = 0;
    WCHAR* pszText = nullptr;
    int cchTextMax = 0;
    int iImage = -1;
    LPARAM lParam = 0;
};
using TCITEM = TCITEMA;
constexpr UINT TCHT_NOWHERE = 1, TCHT_ONITEMICON = 2, TCHT_ONITEMLABEL = 4, TCHT_ONITEM = 6;
struct TCHITTESTINFO {
    POINT pt;
    UINT flags = 0;
};

// ---- Header controls ------------------------------------------------------------------
constexpr DWORD HDS_HORZ = 0, HDS_BUTTONS = 2, HDS_HOTTRACK = 4, HDS_HIDDEN = 8, HDS_DRAGDROP = 0x40,
                HDS_FULLDRAG = 0x80;
constexpr UINT HDM_FIRST = 0x1200;
constexpr UINT HDM_GETITEMCOUNT = HDM_FIRST + 0, HDM_INSERTITEMA = HDM_FIRST + 1, HDM_DELETEITEM = HDM_FIRST + 2,
               HDM_GETITEMA = HDM_FIRST + 3, HDM_SETITEMA = HDM_FIRST + 4, HDM_LAYOUT = HDM_FIRST + 5,
               HDM_HITTEST = HDM_FIRST + 6, HDM_GETITEMRECT = HDM_FIRST + 7, HDM_SETIMAGELIST = HDM_FIRST + 8,
               HDM_GETIMAGELIST = HDM_FIRST + 9, HDM_INSERTITEMW = HDM_FIRST + 10, HDM_GETITEMW = HDM_FIRST + 11,
               HDM_SETITEMW = HDM_FIRST + 12, HDM_ORDERTOINDEX = HDM_FIRST + 15, HDM_GETORDERARRAY = HDM_FIRST + 17,
               HDM_SETORDERARRAY = HDM_FIRST + 18;
constexpr UINT HDM_INSERTITEM = HDM_INSERTITEMA, HDM_GETITEM = HDM_GETITEMA, HDM_SETITEM = HDM_SETITEMA;
constexpr UINT HDN_ITEMCHANGINGA = UINT(-300), HDN_ITEMCHANGEDA = UINT(-301), HDN_ITEMCLICKA = UINT(-302),
               HDN_ITEMDBLCLICKA = UINT(-303), HDN_DIVIDERDBLCLICKA = UINT(-305), HDN_BEGINTRACKA = UINT(-306),
               HDN_ENDTRACKA = UINT(-307), HDN_TRACKA = UINT(-308);
constexpr UINT HDN_ITEMCHANGING = HDN_ITEMCHANGINGA, HDN_ITEMCHANGED = HDN_ITEMCHANGEDA,
               HDN_ITEMCLICK = HDN_ITEMCLICKA, HDN_ITEMDBLCLICK = HDN_ITEMDBLCLICKA,
               HDN_DIVIDERDBLCLICK = HDN_DIVIDERDBLCLICKA, HDN_BEGINTRACK = HDN_BEGINTRACKA,
               HDN_ENDTRACK = HDN_ENDTRACKA, HDN_TRACK = HDN_TRACKA;
constexpr UINT HDI_WIDTH = 1, HDI_HEIGHT = 1, HDI_TEXT = 2, HDI_FORMAT = 4, HDI_LPARAM = 8, HDI_BITMAP = 0x10,
               HDI_IMAGE = 0x20, HDI_ORDER = 0x80;
constexpr int HDF_LEFT = 0, HDF_RIGHT = 1, HDF_CENTER = 2, HDF_JUSTIFYMASK = 3, HDF_SORTDOWN = 0x200,
              HDF_SORTUP = 0x400, HDF_IMAGE = 0x800, HDF_BITMAP = 0x2000, HDF_STRING = 0x4000,
              HDF_OWNERDRAW = 0x8000;
struct HDITEMA {
    UINT mask = 0;
    int cxy = 0;
    char* pszText = nullptr;
    HBITMAP hbm = 0;
    int cchTextMax = 0;
    int fmt = 0;
    LPARAM lParam = 0;
    int iImage = 0;
    int iOrder = 0;
};
struct HDITEMW {
    UINT mask = 0;
    int cxy = 0;
    WCHAR* pszText = nullptr;
    HBITMAP hbm = 0;
    int cchTextMax = 0;
    int fmt = 0;
    LPARAM lParam = 0;
    int iImage = 0;
    int iOrder = 0;
};
using HDITEM = HDITEMA;
struct HDLAYOUT {
    RECT* prc = nullptr;
    WINDOWPOS* pwpos = nullptr;
};
constexpr UINT HHT_NOWHERE = 1, HHT_ONHEADER = 2, HHT_ONDIVIDER = 4, HHT_ONDIVOPEN = 8;
struct HDHITTESTINFO {
    POINT pt;
    UINT flags = 0;
    int iItem = -1;
};
struct NMHEADERA {
    NMHDR hdr;
    int iItem = -1;
    int iButton = 0;
    HDITEMA* pitem = nullptr;
};
using NMHEADER = NMHEADERA;

// ---- List views ---------------------------------------------------------------------
constexpr DWORD LVS_ICON = 0, LVS_REPORT = 1, LVS_SMALLICON = 2, LVS_LIST = 3, LVS_TYPEMASK = 3,
                LVS_SINGLESEL = 4, LVS_SHOWSELALWAYS = 8, LVS_SORTASCENDING = 0x10, LVS_SORTDESCENDING = 0x20,
                LVS_SHAREIMAGELISTS = 0x40, LVS_NOLABELWRAP = 0x80, LVS_AUTOARRANGE = 0x100,
                LVS_EDITLABELS = 0x200, LVS_OWNERDRAWFIXED = 0x400, LVS_OWNERDATA = 0x1000, LVS_NOSCROLL = 0x2000,
                LVS_NOCOLUMNHEADER = 0x4000, LVS_NOSORTHEADER = 0x8000;
constexpr DWORD LVS_EX_GRIDLINES = 1, LVS_EX_SUBITEMIMAGES = 2, LVS_EX_CHECKBOXES = 4, LVS_EX_TRACKSELECT = 8,
                LVS_EX_HEADERDRAGDROP = 0x10, LVS_EX_FULLROWSELECT = 0x20, LVS_EX_ONECLICKACTIVATE = 0x40,
                LVS_EX_FLATSB = 0x100;
constexpr UINT LVM_FIRST = 0x1000;
constexpr UINT LVM_GETBKCOLOR = LVM_FIRST + 0, LVM_SETBKCOLOR = LVM_FIRST + 1, LVM_GETIMAGELIST = LVM_FIRST + 2,
               LVM_SETIMAGELIST = LVM_FIRST + 3, LVM_GETITEMCOUNT = LVM_FIRST + 4, LVM_GETITEMA = LVM_FIRST + 5,
               LVM_SETITEMA = LVM_FIRST + 6, LVM_INSERTITEMA = LVM_FIRST + 7, LVM_DELETEITEM = LVM_FIRST + 8,
               LVM_DELETEALLITEMS = LVM_FIRST + 9, LVM_GETNEXTITEM = LVM_FIRST + 12, LVM_GETITEMRECT = LVM_FIRST + 14,
               LVM_HITTEST = LVM_FIRST + 18, LVM_ENSUREVISIBLE = LVM_FIRST + 19, LVM_SCROLL = LVM_FIRST + 20,
               LVM_REDRAWITEMS = LVM_FIRST + 21, LVM_GETCOLUMNA = LVM_FIRST + 25, LVM_SETCOLUMNA = LVM_FIRST + 26,
               LVM_INSERTCOLUMNA = LVM_FIRST + 27, LVM_DELETECOLUMN = LVM_FIRST + 28,
               LVM_GETCOLUMNWIDTH = LVM_FIRST + 29, LVM_SETCOLUMNWIDTH = LVM_FIRST + 30,
               LVM_GETHEADER = LVM_FIRST + 31, LVM_GETTEXTCOLOR = LVM_FIRST + 35, LVM_SETTEXTCOLOR = LVM_FIRST + 36,
               LVM_GETTEXTBKCOLOR = LVM_FIRST + 37, LVM_SETTEXTBKCOLOR = LVM_FIRST + 38,
               LVM_GETTOPINDEX = LVM_FIRST + 39, LVM_GETCOUNTPERPAGE = LVM_FIRST + 40, LVM_UPDATE = LVM_FIRST + 42,
               LVM_SETITEMSTATE = LVM_FIRST + 43, LVM_GETITEMSTATE = LVM_FIRST + 44,
               LVM_GETITEMTEXTA = LVM_FIRST + 45, LVM_SETITEMTEXTA = LVM_FIRST + 46,
               LVM_GETSELECTEDCOUNT = LVM_FIRST + 50, LVM_SETEXTENDEDLISTVIEWSTYLE = LVM_FIRST + 54,
               LVM_GETEXTENDEDLISTVIEWSTYLE = LVM_FIRST + 55, LVM_GETSUBITEMRECT = LVM_FIRST + 56,
               LVM_SUBITEMHITTEST = LVM_FIRST + 57, LVM_GETSELECTIONMARK = LVM_FIRST + 66,
               LVM_SETSELECTIONMARK = LVM_FIRST + 67;
constexpr UINT LVM_GETITEM = LVM_GETITEMA, LVM_SETITEM = LVM_SETITEMA, LVM_INSERTITEM = LVM_INSERTITEMA,
               LVM_GETCOLUMN = LVM_GETCOLUMNA, LVM_SETCOLUMN = LVM_SETCOLUMNA, LVM_INSERTCOLUMN = LVM_INSERTCOLUMNA,
               LVM_GETITEMTEXT = LVM_GETITEMTEXTA, LVM_SETITEMTEXT = LVM_SETITEMTEXTA;
constexpr UINT LVN_ITEMCHANGING = UINT(-100), LVN_ITEMCHANGED = UINT(-101), LVN_INSERTITEM = UINT(-102),
               LVN_DELETEITEM = UINT(-103), LVN_DELETEALLITEMS = UINT(-104), LVN_COLUMNCLICK = UINT(-108),
               LVN_KEYDOWN = UINT(-155);
constexpr UINT LVIF_TEXT = 1, LVIF_IMAGE = 2, LVIF_PARAM = 4, LVIF_STATE = 8, LVIF_INDENT = 0x10;
constexpr UINT LVIS_FOCUSED = 1, LVIS_SELECTED = 2, LVIS_CUT = 4, LVIS_DROPHILITED = 8,
               LVIS_STATEIMAGEMASK = 0xF000;
constexpr UINT INDEXTOSTATEIMAGEMASK(UINT index) { return index << 12; }
constexpr UINT LVNI_ALL = 0, LVNI_FOCUSED = 1, LVNI_SELECTED = 2;
constexpr int LVCF_FMT = 1, LVCF_WIDTH = 2, LVCF_TEXT = 4, LVCF_SUBITEM = 8, LVCF_IMAGE = 0x10, LVCF_ORDER = 0x20;
constexpr int LVCFMT_LEFT = 0, LVCFMT_RIGHT = 1, LVCFMT_CENTER = 2, LVCFMT_JUSTIFYMASK = 3;
constexpr int LVSCW_AUTOSIZE = -1, LVSCW_AUTOSIZE_USEHEADER = -2;
constexpr int LVIR_BOUNDS = 0, LVIR_ICON = 1, LVIR_LABEL = 2, LVIR_SELECTBOUNDS = 3;
constexpr UINT LVHT_NOWHERE = 1, LVHT_ONITEMICON = 2, LVHT_ONITEMLABEL = 4, LVHT_ONITEMSTATEICON = 8,
               LVHT_ONITEM = 0xE;
struct LVITEMA {
    UINT mask = 0;
    int iItem = 0;
    int iSubItem = 0;
    UINT state = 0;
    UINT stateMask = 0;
    char* pszText = nullptr;
    int cchTextMax = 0;
    int iImage = 0;
    LPARAM lParam = 0;
    int iIndent = 0;
};
using LVITEM = LVITEMA;
struct LVCOLUMNA {
    UINT mask = 0;
    int fmt = 0;
    int cx = 0;
    char* pszText = nullptr;
    int cchTextMax = 0;
    int iSubItem = 0;
    int iImage = 0;
    int iOrder = 0;
};
using LVCOLUMN = LVCOLUMNA;
struct LVHITTESTINFO {
    POINT pt;
    UINT flags = 0;
    int iItem = -1;
    int iSubItem = 0;
};
struct NMLISTVIEW {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = 0;
    UINT uNewState = 0;
    UINT uOldState = 0;
    UINT uChanged = 0;
    POINT ptAction;
    LPARAM lParam = 0;
};

// ---- Month calendars and date-time pickers ----------------------------------------------
struct SYSTEMTIME {
    WORD wYear = 0;
    WORD wMonth = 0;
    WORD wDayOfWeek = 0;
    WORD wDay = 0;
    WORD wHour = 0;
    WORD wMinute = 0;
    WORD wSecond = 0;
    WORD wMilliseconds = 0;
};
constexpr DWORD MCS_DAYSTATE = 1, MCS_MULTISELECT = 2, MCS_WEEKNUMBERS = 4, MCS_NOTODAYCIRCLE = 8,
                MCS_NOTODAY = 0x10;
constexpr UINT MCM_FIRST = 0x1000;
constexpr UINT MCM_GETCURSEL = MCM_FIRST + 1, MCM_SETCURSEL = MCM_FIRST + 2, MCM_GETMAXSELCOUNT = MCM_FIRST + 3,
               MCM_SETMAXSELCOUNT = MCM_FIRST + 4, MCM_GETSELRANGE = MCM_FIRST + 5, MCM_SETSELRANGE = MCM_FIRST + 6,
               MCM_GETMONTHRANGE = MCM_FIRST + 7, MCM_GETMINREQRECT = MCM_FIRST + 9, MCM_SETCOLOR = MCM_FIRST + 10,
               MCM_GETCOLOR = MCM_FIRST + 11, MCM_SETTODAY = MCM_FIRST + 12, MCM_GETTODAY = MCM_FIRST + 13,
               MCM_HITTEST = MCM_FIRST + 14, MCM_SETFIRSTDAYOFWEEK = MCM_FIRST + 15,
               MCM_GETFIRSTDAYOFWEEK = MCM_FIRST + 16, MCM_GETRANGE = MCM_FIRST + 17, MCM_SETRANGE = MCM_FIRST + 18,
               MCM_GETMONTHDELTA = MCM_FIRST + 19, MCM_SETMONTHDELTA = MCM_FIRST + 20;
constexpr UINT MCN_SELCHANGE = UINT(-749), MCN_GETDAYSTATE = UINT(-747), MCN_SELECT = UINT(-746);
constexpr UINT MCHT_TITLE = 0x10000, MCHT_CALENDAR = 0x20000, MCHT_TODAYLINK = 0x30000, MCHT_NEXT = 0x1000000,
               MCHT_PREV = 0x2000000, MCHT_NOWHERE = 0, MCHT_TITLEBK = MCHT_TITLE, MCHT_TITLEMONTH = MCHT_TITLE | 1,
               MCHT_TITLEYEAR = MCHT_TITLE | 2, MCHT_TITLEBTNNEXT = MCHT_TITLE | MCHT_NEXT | 3,
               MCHT_TITLEBTNPREV = MCHT_TITLE | MCHT_PREV | 3, MCHT_CALENDARBK = MCHT_CALENDAR,
               MCHT_CALENDARDATE = MCHT_CALENDAR | 1, MCHT_CALENDARDATENEXT = MCHT_CALENDARDATE | MCHT_NEXT,
               MCHT_CALENDARDATEPREV = MCHT_CALENDARDATE | MCHT_PREV, MCHT_CALENDARDAY = MCHT_CALENDAR | 2,
               MCHT_CALENDARWEEKNUM = MCHT_CALENDAR | 3;
constexpr int MCSC_BACKGROUND = 0, MCSC_TEXT = 1, MCSC_TITLEBK = 2, MCSC_TITLETEXT = 3, MCSC_MONTHBK = 4,
              MCSC_TRAILINGTEXT = 5;
constexpr DWORD GDTR_MIN = 1, GDTR_MAX = 2;
constexpr DWORD GMR_VISIBLE = 0, GMR_DAYSTATE = 1;
struct MCHITTESTINFO {
    UINT cbSize = sizeof(MCHITTESTINFO);
    POINT pt;
    UINT uHit = 0;
    SYSTEMTIME st;
};
struct NMSELCHANGE {
    NMHDR nmhdr;
    SYSTEMTIME stSelStart;
    SYSTEMTIME stSelEnd;
};
using NMSELECT = NMSELCHANGE;

constexpr DWORD DTS_UPDOWN = 1, DTS_SHOWNONE = 2, DTS_SHORTDATEFORMAT = 0, DTS_LONGDATEFORMAT = 4,
                DTS_TIMEFORMAT = 9, DTS_APPCANPARSE = 0x10, DTS_RIGHTALIGN = 0x20;
constexpr UINT DTM_FIRST = 0x1000;
constexpr UINT DTM_GETSYSTEMTIME = DTM_FIRST + 1, DTM_SETSYSTEMTIME = DTM_FIRST + 2, DTM_GETRANGE = DTM_FIRST + 3,
               DTM_SETRANGE = DTM_FIRST + 4, DTM_SETFORMATA = DTM_FIRST + 5, DTM_SETMCCOLOR = DTM_FIRST + 6,
               DTM_GETMCCOLOR = DTM_FIRST + 7, DTM_GETMONTHCAL = DTM_FIRST + 8, DTM_SETMCFONT = DTM_FIRST + 9,
               DTM_GETMCFONT = DTM_FIRST + 10;
constexpr UINT DTM_SETFORMAT = DTM_SETFORMATA;
constexpr UINT DTN_DATETIMECHANGE = UINT(-759), DTN_DROPDOWN = UINT(-754), DTN_CLOSEUP = UINT(-753);
constexpr LRESULT GDT_ERROR = -1;
constexpr WPARAM GDT_VALID = 0, GDT_NONE = 1;
struct NMDATETIMECHANGE {
    NMHDR nmhdr;
    DWORD dwFlags = 0;
    SYSTEMTIME st;
};

// ---- Tooltips ("Tooltips_Class32") -----------------------------------------------
constexpr const char* TOOLTIPS_CLASS = "Tooltips_Class32";
constexpr DWORD TTS_ALWAYSTIP = 0x01, TTS_NOPREFIX = 0x02, TTS_BALLOON = 0x40;
constexpr UINT TTF_IDISHWND = 0x0001, TTF_CENTERTIP = 0x0002, TTF_SUBCLASS = 0x0010;
constexpr UINT TTM_ACTIVATE = WM_USER + 1, TTM_SETDELAYTIME = WM_USER + 3, TTM_ADDTOOLA = WM_USER + 4,
               TTM_DELTOOLA = WM_USER + 5, TTM_GETTOOLCOUNT = WM_USER + 13, TTM_SETTIPBKCOLOR = WM_USER + 19,
               TTM_SETTIPTEXTCOLOR = WM_USER + 20, TTM_GETDELAYTIME = WM_USER + 21, TTM_POP = WM_USER + 28,
               TTM_SETTITLEA = WM_USER + 32, TTM_GETTITLE = WM_USER + 35;
constexpr UINT TTM_ADDTOOL = TTM_ADDTOOLA, TTM_DELTOOL = TTM_DELTOOLA, TTM_SETTITLE = TTM_SETTITLEA;
constexpr WPARAM TTDT_AUTOMATIC = 0, TTDT_RESHOW = 1, TTDT_AUTOPOP = 2, TTDT_INITIAL = 3;
constexpr WPARAM TTI_NONE = 0, TTI_INFO = 1, TTI_WARNING = 2, TTI_ERROR = 3;
constexpr UINT TTN_FIRST = UINT(-520), TTN_NEEDTEXT = TTN_FIRST, TTN_GETDISPINFO = TTN_FIRST,
               TTN_SHOW = TTN_FIRST - 1, TTN_POP = TTN_FIRST - 2;
// A tool's text that the tool window gives on demand (TTN_NEEDTEXT).
inline char* const LPSTR_TEXTCALLBACK = reinterpret_cast<char*>(-1);
struct TOOLINFO {
    UINT cbSize = sizeof(TOOLINFO);
    UINT uFlags = 0;
    HWND hwnd = 0;
    UINT_PTR uId = 0;
    RECT rect{};
    HINSTANCE hinst = 0;
    char* lpszText = nullptr;
    LPARAM lParam = 0;
};
// TTM_GETTITLE: the title (as far as cch characters) and its icon.
struct TTGETTITLE {
    DWORD dwSize = sizeof(TTGETTITLE);
    UINT uTitleBitmap = 0;
    UINT cch = 0;
    char* pszTitle = nullptr;
};
// TTN_NEEDTEXT: the tool window answers with lpszText (pointing at szText
// or at text of its own, which must live until the tip shows it).
struct NMTTDISPINFO {
    NMHDR hdr;
    char* lpszText = nullptr;
    char szText[80] = {};
    HINSTANCE hinst = 0;
    UINT uFlags = 0;
    LPARAM lParam = 0;
};

// The date and time of a TDateTime as a SYSTEMTIME record and back.
void DateTimeToSystemTime(TDateTime value, SYSTEMTIME& time);
TDateTime SystemTimeToDateTime(const SYSTEMTIME& time);

// The standard control classes are registered with the window system from
// the start; this is kept for code that calls it.
void InitCommonControls();
