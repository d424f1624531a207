// Scroll bars: the window scroll bars of WS_HSCROLL/WS_VSCROLL (drawn in the
// non-client area) and the "ScrollBar" control (SB_CTL), with one set of
// functions for both, and the press-and-track behaviour that sends
// WM_HSCROLL/WM_VSCROLL.
#pragma once

#include "platform/win/msgqueue.h"

constexpr int SB_HORZ = 0, SB_VERT = 1, SB_CTL = 2, SB_BOTH = 3;
// WM_HSCROLL / WM_VSCROLL request codes (low word of wParam).
constexpr int SB_LINEUP = 0, SB_LINELEFT = 0, SB_LINEDOWN = 1, SB_LINERIGHT = 1, SB_PAGEUP = 2, SB_PAGELEFT = 2,
              SB_PAGEDOWN = 3, SB_PAGERIGHT = 3, SB_THUMBPOSITION = 4, SB_THUMBTRACK = 5, SB_TOP = 6,
              SB_LEFT = 6, SB_BOTTOM = 7, SB_RIGHT = 7, SB_ENDSCROLL = 8;
// Styles of the "ScrollBar" control.
constexpr DWORD SBS_HORZ = 0, SBS_VERT = 1, SBS_TOPALIGN = 2, SBS_LEFTALIGN = 2, SBS_BOTTOMALIGN = 4,
                SBS_RIGHTALIGN = 4, SBS_SIZEBOXTOPLEFTALIGN = 2, SBS_SIZEBOXBOTTOMRIGHTALIGN = 4,
                SBS_SIZEBOX = 8, SBS_SIZEGRIP = 0x10;
constexpr UINT SBM_SETPOS = 0xE0, SBM_GETPOS = 0xE1, SBM_SETRANGE = 0xE2, SBM_SETRANGEREDRAW = 0xE6,
               SBM_GETRANGE = 0xE3, SBM_ENABLE_ARROWS = 0xE4, SBM_SETSCROLLINFO = 0xE9,
               SBM_GETSCROLLINFO = 0xEA, SBM_GETSCROLLBARINFO = 0xEB;

constexpr UINT SIF_RANGE = 1, SIF_PAGE = 2, SIF_POS = 4, SIF_DISABLENOSCROLL = 8, SIF_TRACKPOS = 0x10,
               SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
struct SCROLLINFO {
    UINT cbSize = sizeof(SCROLLINFO);
    UINT fMask = 0;
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};

constexpr UINT ESB_ENABLE_BOTH = 0, ESB_DISABLE_BOTH = 3, ESB_DISABLE_LEFT = 1, ESB_DISABLE_RIGHT = 2,
               ESB_DISABLE_UP = 1, ESB_DISABLE_DOWN = 2, ESB_DISABLE_LTUP = 1, ESB_DISABLE_RTDN = 2;

constexpr LONG OBJID_HSCROLL = -6, OBJID_VSCROLL = -5, OBJID_CLIENT = -4;
constexpr DWORD STATE_SYSTEM_UNAVAILABLE = 0x1, STATE_SYSTEM_PRESSED = 0x8, STATE_SYSTEM_INVISIBLE = 0x8000,
                STATE_SYSTEM_OFFSCREEN = 0x10000;
// rgstate: the bar, the up arrow, the page-up region, the thumb, the
// page-down region, the down arrow.
struct SCROLLBARINFO {
    DWORD cbSize = sizeof(SCROLLBARINFO);
    RECT rcScrollBar;  // screen coordinates
    int dxyLineButton = 0;
    int xyThumbTop = 0;     // relative to the bar
    int xyThumbBottom = 0;
    int reserved = 0;
    DWORD rgstate[6] = {};
};

// `bar` is SB_HORZ or SB_VERT for a window's own bars, SB_CTL for a
// "ScrollBar" control. The position is kept within [nMin, nMax - nPage + 1].
// Answers the new position.
int SetScrollInfo(HWND window, int bar, const SCROLLINFO* info, BOOL redraw);
BOOL GetScrollInfo(HWND window, int bar, SCROLLINFO* info);
// Answers the previous position.
int SetScrollPos(HWND window, int bar, int position, BOOL redraw);
int GetScrollPos(HWND window, int bar);
BOOL SetScrollRange(HWND window, int bar, int minimum, int maximum, BOOL redraw);
BOOL GetScrollRange(HWND window, int bar, int* minimum, int* maximum);
// Shows or hides a window's bar (its WS_HSCROLL/WS_VSCROLL style), laying the frame out again.
BOOL ShowScrollBar(HWND window, int bar, BOOL show);
BOOL EnableScrollBar(HWND window, UINT bar, UINT arrows);
BOOL GetScrollBarInfo(HWND window, LONG object, SCROLLBARINFO* info);
