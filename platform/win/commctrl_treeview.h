// The "SysTreeView32" window class's vocabulary: styles, TVM_ messages,
// TVN_ notifications and the item records (the ANSI forms, as the
// platform is ANSI; the W forms of the item messages take UTF-16 text).
#pragma once

#include <cstdint>

#include "platform/win/commctrl.h"

inline constexpr const char* WC_TREEVIEW = "SysTreeView32";

struct TREEITEM;
using HTREEITEM = TREEITEM*;
inline const HTREEITEM TVI_ROOT = reinterpret_cast<HTREEITEM>(-std::intptr_t(0x10000));
inline const HTREEITEM TVI_FIRST = reinterpret_cast<HTREEITEM>(-std::intptr_t(0xFFFF));
inline const HTREEITEM TVI_LAST = reinterpret_cast<HTREEITEM>(-std::intptr_t(0xFFFE));

constexpr DWORD TVS_HASBUTTONS = 1, TVS_HASLINES = 2, TVS_LINESATROOT = 4, TVS_EDITLABELS = 8,
                TVS_SHOWSELALWAYS = 0x20;

constexpr UINT TV_FIRST = 0x1100;
constexpr UINT TVM_INSERTITEMA = TV_FIRST + 0, TVM_DELETEITEM = TV_FIRST + 1, TVM_EXPAND = TV_FIRST + 2,
               TVM_GETITEMRECT = TV_FIRST + 4, TVM_GETCOUNT = TV_FIRST + 5, TVM_GETINDENT = TV_FIRST + 6,
               TVM_SETINDENT = TV_FIRST + 7, TVM_GETNEXTITEM = TV_FIRST + 10, TVM_SELECTITEM = TV_FIRST + 11,
               TVM_GETITEMA = TV_FIRST + 12, TVM_SETITEMA = TV_FIRST + 13, TVM_HITTEST = TV_FIRST + 17,
               TVM_ENSUREVISIBLE = TV_FIRST + 20, TVM_GETITEMHEIGHT = TV_FIRST + 28,
               TVM_INSERTITEMW = TV_FIRST + 50, TVM_GETITEMW = TV_FIRST + 62, TVM_SETITEMW = TV_FIRST + 63;
constexpr UINT TVM_INSERTITEM = TVM_INSERTITEMA, TVM_GETITEM = TVM_GETITEMA, TVM_SETITEM = TVM_SETITEMA;

// TVM_GETNEXTITEM's and TVM_SELECTITEM's relations.
constexpr WPARAM TVGN_ROOT = 0, TVGN_NEXT = 1, TVGN_PREVIOUS = 2, TVGN_PARENT = 3, TVGN_CHILD = 4,
                 TVGN_FIRSTVISIBLE = 5, TVGN_NEXTVISIBLE = 6, TVGN_PREVIOUSVISIBLE = 7, TVGN_CARET = 9;
constexpr WPARAM TVE_COLLAPSE = 1, TVE_EXPAND = 2, TVE_TOGGLE = 3;

constexpr UINT TVIF_TEXT = 1, TVIF_IMAGE = 2, TVIF_PARAM = 4, TVIF_STATE = 8, TVIF_HANDLE = 0x10,
               TVIF_SELECTEDIMAGE = 0x20, TVIF_CHILDREN = 0x40;
constexpr UINT TVIS_SELECTED = 2, TVIS_EXPANDED = 0x20;

// How a selection came about (NMTREEVIEW's action).
constexpr UINT TVC_UNKNOWN = 0, TVC_BYMOUSE = 1, TVC_BYKEYBOARD = 2;

constexpr UINT TVN_SELCHANGINGA = UINT(-401), TVN_SELCHANGEDA = UINT(-402), TVN_ITEMEXPANDINGA = UINT(-405),
               TVN_ITEMEXPANDEDA = UINT(-406), TVN_DELETEITEMA = UINT(-409);
constexpr UINT TVN_SELCHANGING = TVN_SELCHANGINGA, TVN_SELCHANGED = TVN_SELCHANGEDA,
               TVN_ITEMEXPANDING = TVN_ITEMEXPANDINGA, TVN_ITEMEXPANDED = TVN_ITEMEXPANDEDA,
               TVN_DELETEITEM = TVN_DELETEITEMA;

constexpr UINT TVHT_NOWHERE = 1, TVHT_ONITEMICON = 2, TVHT_ONITEMLABEL = 4, TVHT_ONITEM = 6,
               TVHT_ONITEMINDENT = 8, TVHT_ONITEMBUTTON = 0x10, TVHT_ONITEMRIGHT = 0x20;

template <class Char>
struct TVITEMT {
    UINT mask = 0;
    HTREEITEM hItem = nullptr;
    UINT state = 0;
    UINT stateMask = 0;
    Char* pszText = nullptr;
    int cchTextMax = 0;
    int iImage = 0;
    int iSelectedImage = 0;
    int cChildren = 0;
    LPARAM lParam = 0;
};
using TVITEMA = TVITEMT<char>;
using TVITEMW = TVITEMT<WCHAR>;
using TVITEM = TVITEMA;

template <class Char>
struct TVINSERTSTRUCTT {
    HTREEITEM hParent = nullptr;
    HTREEITEM hInsertAfter = nullptr;
    TVITEMT<Char> item;
};
using TVINSERTSTRUCTA = TVINSERTSTRUCTT<char>;
using TVINSERTSTRUCTW = TVINSERTSTRUCTT<WCHAR>;
using TVINSERTSTRUCT = TVINSERTSTRUCTA;

struct TVHITTESTINFO {
    POINT pt;
    UINT flags = 0;
    HTREEITEM hItem = nullptr;
};

struct NMTREEVIEWA {
    NMHDR hdr;
    UINT action = 0;
    TVITEMA itemOld;
    TVITEMA itemNew;
    POINT ptDrag;
};
using NMTREEVIEW = NMTREEVIEWA;
