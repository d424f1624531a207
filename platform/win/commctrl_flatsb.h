// Flat scroll bars of the common-controls library: a window's own bars,
// once initialised for it, drawn flat (hot-tracked, without 3-D edges), in
// the outlined "encarta" look or in the regular look, in their own colours
// and sizes. The bars keep the window's scroll state: on a window that was
// never initialised every call acts as the ordinary scroll-bar function.
// The functions are also found by name in the "comctl32" module.
#pragma once

#include "platform/rtl/ole2.h"
#include "platform/win/winscroll.h"

// The properties of FlatSB_SetScrollProp / FlatSB_GetScrollProp.
constexpr UINT WSB_PROP_CYVSCROLL = 0x1,   // the vertical bar's arrow height
               WSB_PROP_CXHSCROLL = 0x2,   // the horizontal bar's arrow width
               WSB_PROP_CYHSCROLL = 0x4,   // the horizontal bar's height
               WSB_PROP_CXVSCROLL = 0x8,   // the vertical bar's width
               WSB_PROP_CXHTHUMB = 0x10,   // the horizontal thumb's least width
               WSB_PROP_CYVTHUMB = 0x20,   // the vertical thumb's least height
               WSB_PROP_VBKGCOLOR = 0x40,  // COLORREF of the vertical track
               WSB_PROP_HBKGCOLOR = 0x80,
               WSB_PROP_VSTYLE = 0x100,    // FSB_*_MODE
               WSB_PROP_HSTYLE = 0x200,
               WSB_PROP_WINSTYLE = 0x400,  // read only: the window's WS_HSCROLL | WS_VSCROLL bits
               WSB_PROP_MASK = 0xFFF;
constexpr int FSB_REGULAR_MODE = 0, FSB_ENCARTA_MODE = 1, FSB_FLAT_MODE = 2;

BOOL InitializeFlatSB(HWND window);
// S_OK, or E_FAIL for a window that is not there.
HRESULT UninitializeFlatSB(HWND window);
// FALSE on a window without flat bars, or for an unknown or read-only property.
// `property` may combine several properties that take the same value.
BOOL FlatSB_SetScrollProp(HWND window, UINT property, LONG_PTR value, BOOL redraw);
BOOL FlatSB_GetScrollProp(HWND window, int property, int* value);
int FlatSB_SetScrollInfo(HWND window, int bar, SCROLLINFO* info, BOOL redraw);
BOOL FlatSB_GetScrollInfo(HWND window, int bar, SCROLLINFO* info);
BOOL FlatSB_ShowScrollBar(HWND window, int bar, BOOL show);
