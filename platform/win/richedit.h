// The rich edit window class "RichEdit20A": its messages, notifications
// and records under the platform's names and values.
#pragma once

#include <cstdint>

#include "platform/win/commctrl.h"
#include "platform/win/messages.h"
#include "platform/gdi/windef.h"

inline constexpr char RICHEDIT_CLASS[] = "RichEdit20A";

constexpr UINT EM_CANPASTE = WM_USER + 50, EM_EXGETSEL = WM_USER + 52, EM_EXLIMITTEXT = WM_USER + 53,
               EM_EXLINEFROMCHAR = WM_USER + 54, EM_EXSETSEL = WM_USER + 55, EM_FORMATRANGE = WM_USER + 57,
               EM_GETCHARFORMAT = WM_USER + 58, EM_GETEVENTMASK = WM_USER + 59, EM_GETPARAFORMAT = WM_USER + 61,
               EM_GETSELTEXT = WM_USER + 62, EM_HIDESELECTION = WM_USER + 63, EM_REQUESTRESIZE = WM_USER + 65,
               EM_SETBKGNDCOLOR = WM_USER + 67, EM_SETCHARFORMAT = WM_USER + 68, EM_SETEVENTMASK = WM_USER + 69,
               EM_SETPARAFORMAT = WM_USER + 71, EM_STREAMIN = WM_USER + 73, EM_STREAMOUT = WM_USER + 74,
               EM_GETTEXTRANGE = WM_USER + 75;

constexpr UINT EN_MSGFILTER = 0x0700, EN_REQUESTRESIZE = 0x0701, EN_SELCHANGE = 0x0702;

constexpr DWORD ENM_NONE = 0, ENM_CHANGE = 0x1, ENM_UPDATE = 0x2, ENM_SCROLL = 0x4, ENM_KEYEVENTS = 0x10000,
                ENM_MOUSEEVENTS = 0x20000, ENM_REQUESTRESIZE = 0x40000, ENM_SELCHANGE = 0x80000;

constexpr DWORD CFM_BOLD = 0x1, CFM_ITALIC = 0x2, CFM_UNDERLINE = 0x4, CFM_STRIKEOUT = 0x8, CFM_PROTECTED = 0x10,
                CFM_CHARSET = 0x08000000, CFM_OFFSET = 0x10000000, CFM_FACE = 0x20000000, CFM_COLOR = 0x40000000,
                CFM_SIZE = 0x80000000;
constexpr DWORD CFE_BOLD = 0x1, CFE_ITALIC = 0x2, CFE_UNDERLINE = 0x4, CFE_STRIKEOUT = 0x8, CFE_AUTOCOLOR = 0x40000000;
constexpr WPARAM SCF_DEFAULT = 0, SCF_SELECTION = 1, SCF_WORD = 2, SCF_ALL = 4;

constexpr DWORD PFM_ALIGNMENT = 0x08000000;
constexpr WORD PFA_LEFT = 1, PFA_RIGHT = 2, PFA_CENTER = 3;

constexpr WPARAM SF_TEXT = 0x1, SF_RTF = 0x2, SFF_SELECTION = 0x8000;

constexpr WORD SEL_EMPTY = 0, SEL_TEXT = 1;

struct CHARRANGE {
    LONG cpMin = 0;
    LONG cpMax = 0;
};

struct CHARFORMATA {
    UINT cbSize = sizeof(CHARFORMATA);
    DWORD dwMask = 0;
    DWORD dwEffects = 0;
    LONG yHeight = 0;  // twips
    LONG yOffset = 0;
    COLORREF crTextColor = 0;
    BYTE bCharSet = 0;
    BYTE bPitchAndFamily = 0;
    char szFaceName[32] = {};
};
using CHARFORMAT = CHARFORMATA;

struct PARAFORMAT {
    UINT cbSize = sizeof(PARAFORMAT);
    DWORD dwMask = 0;
    WORD wNumbering = 0;
    WORD wReserved = 0;
    LONG dxStartIndent = 0, dxRightIndent = 0, dxOffset = 0;
    WORD wAlignment = 0;
    short cTabCount = 0;
    LONG rgxTabs[32] = {};
};

// A range of text rendered into `hdc` inside `rc` (twips); EM_FORMATRANGE
// answers the first character that did not fit and sets rc.bottom to the
// bottom of what was laid out.
struct FORMATRANGE {
    HDC hdc = 0;
    HDC hdcTarget = 0;
    RECT rc{};
    RECT rcPage{};
    CHARRANGE chrg;
};

using EDITSTREAMCALLBACK = DWORD (*)(DWORD_PTR cookie, BYTE* buffer, LONG count, LONG* done);
struct EDITSTREAM {
    DWORD_PTR dwCookie = 0;
    DWORD dwError = 0;
    EDITSTREAMCALLBACK pfnCallback = nullptr;
};

struct REQRESIZE {
    NMHDR nmhdr;
    RECT rc{};
};

struct SELCHANGE {
    NMHDR nmhdr;
    CHARRANGE chrg;
    WORD seltyp = 0;
};

struct TEXTRANGEA {
    CHARRANGE chrg;
    char* lpstrText = nullptr;
};

struct POINTL {
    LONG x = 0, y = 0;
};
