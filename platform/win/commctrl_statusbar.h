// The "msctls_statusbar32" window class's vocabulary: its styles, SB_
// messages and the drawing types a part's text carries.
#pragma once

#include "platform/win/commctrl.h"

inline constexpr const char* STATUSCLASSNAME = "msctls_statusbar32";

// The common controls' placement styles: without CCS_NORESIZE and
// CCS_NOPARENTALIGN a status bar keeps itself along the bottom of its parent.
constexpr DWORD CCS_TOP = 1, CCS_NOMOVEY = 2, CCS_BOTTOM = 3, CCS_NORESIZE = 4, CCS_NOPARENTALIGN = 8;
constexpr DWORD SBARS_SIZEGRIP = 0x100;

constexpr UINT SB_SETTEXTA = WM_USER + 1, SB_GETTEXTA = WM_USER + 2, SB_GETTEXTLENGTHA = WM_USER + 3,
               SB_SETPARTS = WM_USER + 4, SB_GETPARTS = WM_USER + 6, SB_GETBORDERS = WM_USER + 7,
               SB_SETMINHEIGHT = WM_USER + 8, SB_SIMPLE = WM_USER + 9, SB_GETRECT = WM_USER + 10,
               SB_SETTEXTW = WM_USER + 11, SB_GETTEXTLENGTHW = WM_USER + 12, SB_GETTEXTW = WM_USER + 13,
               SB_ISSIMPLE = WM_USER + 14;
constexpr UINT SB_SETTEXT = SB_SETTEXTA, SB_GETTEXT = SB_GETTEXTA, SB_GETTEXTLENGTH = SB_GETTEXTLENGTHA;

// The part index that names the simple-mode text.
constexpr WPARAM SB_SIMPLEID = 0xFF;
// Drawing types, in the high byte of SB_SETTEXT's wParam.
constexpr UINT SBT_NOBORDERS = 0x100, SBT_POPOUT = 0x200, SBT_RTLREADING = 0x400, SBT_OWNERDRAW = 0x1000;
// The most parts a status bar takes.
constexpr int SB_MAXPARTS = 256;
