// The multiple-document interface: the "MDIClient" window inside a frame,
// its child windows (WS_EX_MDICHILD) with the same frames as top-level
// windows, and the default procedures of the frame and the children.
//
// A maximised child gives the frame its caption text ("Frame - [Child]")
// and puts its system-menu icon and caption buttons into the frame's menu
// bar; minimised children are arranged along the bottom of the client.
#pragma once

#include "platform/win/winmenu.h"

constexpr UINT WM_MDIREFRESHMENU = 0x0234;
constexpr WPARAM MDITILE_VERTICAL = 0, MDITILE_HORIZONTAL = 1, MDITILE_SKIPDISABLED = 2;
constexpr DWORD MDIS_ALLCHILDSTYLES = 1;

// lpCreateParams of the "MDIClient" window.
struct CLIENTCREATESTRUCT {
    HMENU hWindowMenu = 0;  // the frame's "Window" menu listing the children
    UINT idFirstChild = 0;  // the command id of the first child's item there
};
// WM_MDICREATE's record (the child's CREATESTRUCT carries it in lpCreateParams).
struct MDICREATESTRUCT {
    const char* szClass = nullptr;
    const char* szTitle = nullptr;
    HINSTANCE hOwner = 0;
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int cx = CW_USEDEFAULT;
    int cy = CW_USEDEFAULT;
    DWORD style = 0;
    LPARAM lParam = 0;
};

// `client` is the frame's "MDIClient" window (0 when it has none).
LRESULT DefFrameProc(HWND frame, HWND client, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefMDIChildProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam);
HWND CreateMDIWindow(const char* className, const char* title, DWORD style, int x, int y, int width, int height,
                     HWND client, HINSTANCE instance, LPARAM param);
// Arranges the children as WM_MDICASCADE / WM_MDITILE do; answer the count.
WORD CascadeWindows(HWND client, UINT how, const RECT* rect, UINT count, const HWND* kids);
WORD TileWindows(HWND client, UINT how, const RECT* rect, UINT count, const HWND* kids);
