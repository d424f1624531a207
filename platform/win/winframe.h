// The non-client area: frames, captions and caption buttons, system
// commands, moving and sizing, and the metrics the frame is drawn with.
//
// The default window procedure draws the classic frame (WM_NCPAINT), lays
// out the client area (WM_NCCALCSIZE), hit-tests the frame (WM_NCHITTEST)
// and turns presses on it into system commands; moving and sizing run a
// modal tracking loop of the window system's own. A window that answers
// these messages itself gets its own frame. The fonts are those of
// SystemParametersInfo(SPI_GETNONCLIENTMETRICS).
#pragma once

#include "platform/win/msgqueue.h"
#include "platform/win/screens.h"
#include "platform/win/userdraw.h"

// WM_SYSCOMMAND: the low four bits carry extra information (the border of
// SC_SIZE, the hit code of a mouse-started command).
constexpr WPARAM SC_SIZE = 0xF000, SC_MOVE = 0xF010, SC_MINIMIZE = 0xF020, SC_MAXIMIZE = 0xF030,
                 SC_NEXTWINDOW = 0xF040, SC_PREVWINDOW = 0xF050, SC_CLOSE = 0xF060, SC_VSCROLL = 0xF070,
                 SC_HSCROLL = 0xF080, SC_MOUSEMENU = 0xF090, SC_KEYMENU = 0xF100, SC_RESTORE = 0xF120,
                 SC_TASKLIST = 0xF130, SC_DEFAULT = 0xF160, SC_CONTEXTHELP = 0xF180, SC_ICON = SC_MINIMIZE,
                 SC_ZOOM = SC_MAXIMIZE;
// WM_SIZING: the edge being dragged.
constexpr WPARAM WMSZ_LEFT = 1, WMSZ_RIGHT = 2, WMSZ_TOP = 3, WMSZ_TOPLEFT = 4, WMSZ_TOPRIGHT = 5,
                 WMSZ_BOTTOM = 6, WMSZ_BOTTOMLEFT = 7, WMSZ_BOTTOMRIGHT = 8;
constexpr UINT WM_SIZING = 0x0214;

// The window rectangle that gives `rect` as client area for these styles.
BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle);
BOOL AdjustWindowRect(RECT* rect, DWORD style, BOOL menu);

// WM_HELP's record (SC_CONTEXTHELP sends it for the window clicked).
constexpr int HELPINFO_WINDOW = 1, HELPINFO_MENUITEM = 2;
struct HELPINFO {
    UINT cbSize = sizeof(HELPINFO);
    int iContextType = HELPINFO_WINDOW;
    int iCtrlId = 0;
    HANDLE hItemHandle = 0;
    ULONG_PTR dwContextId = 0;
    POINT MousePos;
};
