// Painting: update regions, WM_PAINT, window device contexts, scrolling,
// redraw locks and window regions.
//
// Each top-level window has one backing bitmap; its child windows are drawn
// into it through DCs with an origin offset and a visible region (the window
// clipped by its ancestors, by siblings above it and, with WS_CLIPCHILDREN,
// by its children). So GetDC works at any time, and what was drawn reaches
// the screen when the DC is released or the paint ends.
#pragma once

#include "platform/win/userdraw.h"
#include "platform/win/winuser.h"

struct PAINTSTRUCT {
    HDC hdc = 0;
    BOOL fErase = FALSE;
    RECT rcPaint;
    BOOL fRestore = FALSE;
    BOOL fIncUpdate = FALSE;
    BYTE rgbReserved[32] = {};
};

// Rectangles and regions in client coordinates; a null rectangle means the
// whole client area. A window without WM_SETREDRAW collects no update region.
BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
BOOL InvalidateRgn(HWND window, HRGN region, BOOL erase);
BOOL ValidateRect(HWND window, const RECT* rect);
BOOL ValidateRgn(HWND window, HRGN region);
// Sends WM_PAINT at once when the window has an update region (children
// are left to the queue).
BOOL UpdateWindow(HWND window);
constexpr UINT RDW_INVALIDATE = 0x1, RDW_INTERNALPAINT = 0x2, RDW_ERASE = 0x4, RDW_VALIDATE = 0x8,
               RDW_NOINTERNALPAINT = 0x10, RDW_NOERASE = 0x20, RDW_NOCHILDREN = 0x40, RDW_ALLCHILDREN = 0x80,
               RDW_UPDATENOW = 0x100, RDW_ERASENOW = 0x200, RDW_FRAME = 0x400, RDW_NOFRAME = 0x800;
BOOL RedrawWindow(HWND window, const RECT* rect, HRGN region, UINT flags);
// The bounding box of the update region (FALSE when there is none); with
// `erase` a pending WM_ERASEBKGND is sent first.
BOOL GetUpdateRect(HWND window, RECT* rect, BOOL erase);
// Copies the update region into `region`; answers its complexity.
int GetUpdateRgn(HWND window, HRGN region, BOOL erase);

// Validates the update region and answers a DC clipped to it (sending
// WM_ERASEBKGND when an erase is pending). EndPaint releases the DC and
// shows what was drawn.
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);

constexpr DWORD DCX_WINDOW = 0x1, DCX_CACHE = 0x2, DCX_NORESETATTRS = 0x4, DCX_CLIPCHILDREN = 0x8,
                DCX_CLIPSIBLINGS = 0x10, DCX_PARENTCLIP = 0x20, DCX_EXCLUDERGN = 0x40, DCX_INTERSECTRGN = 0x80,
                DCX_EXCLUDEUPDATE = 0x100, DCX_INTERSECTUPDATE = 0x200, DCX_LOCKWINDOWUPDATE = 0x400,
                DCX_USESTYLE = 0x10000, DCX_VALIDATE = 0x200000;
// Window 0 is the desktop: drawing on it shows through overlay windows
// above everything (the inverted outlines of tracking loops).
HDC GetDC(HWND window);
HDC GetWindowDC(HWND window);
// `clip` is in the DC's coordinates and is taken over by the call for
// DCX_EXCLUDERGN/DCX_INTERSECTRGN; the region WM_NCPAINT passes for the
// whole window (HRGN 1) clips nothing. DCX_USESTYLE takes the clipping
// flags from the window's styles, as every DC here does.
HDC GetDCEx(HWND window, HRGN clip, DWORD flags);
// Shows what was drawn and frees the DC. Answers 1 when it was one of ours.
int ReleaseDC(HWND window, HDC dc);
HWND WindowFromDC(HDC dc);

constexpr UINT SW_SCROLLCHILDREN = 0x1, SW_INVALIDATE = 0x2, SW_ERASE = 0x4, SW_SMOOTHSCROLL = 0x10;
// Moves the client pixels within `scroll` (0: the client area), limited to
// `clip`, by dx/dy; the uncovered part goes into `update` and `updateRect`
// and, with SW_INVALIDATE, into the window's update region.
int ScrollWindowEx(HWND window, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update,
                   RECT* updateRect, UINT flags);
BOOL ScrollWindow(HWND window, int dx, int dy, const RECT* scroll, const RECT* clip);

// Holds back drawing of the window and its descendants (only one window at
// a time); 0 releases it and repaints what was held.
BOOL LockWindowUpdate(HWND window);

// The part of the window's client area that can be seen, in client
// coordinates (a new region the caller deletes).
HRGN VisibleClientRegion(HWND window);
