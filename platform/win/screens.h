// Screens and system settings: monitors from Qt's screens, the settings
// the libraries read through SystemParametersInfo, and the look-up of
// platform functions by name, answered from a table of our own functions.
#pragma once

#include "platform/win/resources.h"
#include "platform/gdi/wingdi.h"
#include "platform/win/winuser.h"

// ---- Monitors -----------------------------------------------------------------------
using HMONITOR = HANDLE;
constexpr DWORD MONITOR_DEFAULTTONULL = 0, MONITOR_DEFAULTTOPRIMARY = 1, MONITOR_DEFAULTTONEAREST = 2;
constexpr DWORD MONITORINFOF_PRIMARY = 1;
constexpr int CCHDEVICENAME = 32;
struct MONITORINFO {
    DWORD cbSize = sizeof(MONITORINFO);
    RECT rcMonitor;
    RECT rcWork;
    DWORD dwFlags = 0;
};
struct MONITORINFOEX : MONITORINFO {
    MONITORINFOEX() { cbSize = sizeof(MONITORINFOEX); }
    char szDevice[CCHDEVICENAME] = {};
};
HMONITOR MonitorFromPoint(POINT point, DWORD flags);
// The monitor with the largest part of the rectangle.
HMONITOR MonitorFromRect(const RECT* rect, DWORD flags);
HMONITOR MonitorFromWindow(HWND window, DWORD flags);
// Fills a MONITORINFO, or a MONITORINFOEX when cbSize says so.
BOOL GetMonitorInfo(HMONITOR monitor, MONITORINFO* info);
// Calls `callback` for each monitor, the primary first, with its bounds, or
// only for those meeting `clip` (screen coordinates) with the part that
// does, until it answers FALSE. The device context is not consulted: every
// DC of this platform lies on the one virtual screen.
using MONITORENUMPROC = BOOL (*)(HMONITOR monitor, HDC dc, RECT* rect, LPARAM data);
BOOL EnumDisplayMonitors(HDC dc, const RECT* clip, MONITORENUMPROC callback, LPARAM data);

// ---- System parameters --------------------------------------------------------------
constexpr UINT SPI_GETBEEP = 0x0001, SPI_GETMOUSE = 0x0003, SPI_GETBORDER = 0x0005,
               SPI_GETKEYBOARDSPEED = 0x000A, SPI_ICONHORIZONTALSPACING = 0x000D,
               SPI_GETSCREENSAVETIMEOUT = 0x000E, SPI_GETSCREENSAVEACTIVE = 0x0010,
               SPI_GETKEYBOARDDELAY = 0x0016, SPI_ICONVERTICALSPACING = 0x0018, SPI_GETICONTITLEWRAP = 0x0019,
               SPI_GETMENUDROPALIGNMENT = 0x001B, SPI_GETICONTITLELOGFONT = 0x001F,
               SPI_GETDRAGFULLWINDOWS = 0x0026, SPI_GETNONCLIENTMETRICS = 0x0029, SPI_GETMINIMIZEDMETRICS = 0x002B,
               SPI_GETWORKAREA = 0x0030, SPI_GETHIGHCONTRAST = 0x0042, SPI_GETKEYBOARDPREF = 0x0044,
               SPI_GETSCREENREADER = 0x0046, SPI_GETANIMATION = 0x0048, SPI_GETFONTSMOOTHING = 0x004A,
               SPI_GETSHOWSOUNDS = 0x0038, SPI_GETMOUSEHOVERWIDTH = 0x0062, SPI_GETMOUSEHOVERHEIGHT = 0x0064,
               SPI_GETMOUSEHOVERTIME = 0x0066, SPI_GETWHEELSCROLLLINES = 0x0068, SPI_GETMENUSHOWDELAY = 0x006A,
               SPI_GETSHOWIMEUI = 0x006E, SPI_GETACTIVEWINDOWTRACKING = 0x1000, SPI_GETMENUANIMATION = 0x1002,
               SPI_GETCOMBOBOXANIMATION = 0x1004, SPI_GETLISTBOXSMOOTHSCROLLING = 0x1006,
               SPI_GETGRADIENTCAPTIONS = 0x1008, SPI_GETKEYBOARDCUES = 0x100A, SPI_GETMENUUNDERLINES = 0x100A,
               SPI_GETHOTTRACKING = 0x100E, SPI_GETMENUFADE = 0x1012, SPI_GETSELECTIONFADE = 0x1014,
               SPI_GETTOOLTIPANIMATION = 0x1016, SPI_GETTOOLTIPFADE = 0x1018, SPI_GETCURSORSHADOW = 0x101A,
               SPI_GETUIEFFECTS = 0x103E, SPI_GETFLATMENU = 0x1022, SPI_GETDROPSHADOW = 0x1024,
               SPI_GETFOREGROUNDLOCKTIMEOUT = 0x2000, SPI_GETCARETWIDTH = 0x2006, SPI_GETFOCUSBORDERWIDTH = 0x200E,
               SPI_GETFOCUSBORDERHEIGHT = 0x2010;

struct NONCLIENTMETRICS {
    UINT cbSize = sizeof(NONCLIENTMETRICS);
    int iBorderWidth = 0;
    int iScrollWidth = 0;
    int iScrollHeight = 0;
    int iCaptionWidth = 0;
    int iCaptionHeight = 0;
    LOGFONTA lfCaptionFont;
    int iSmCaptionWidth = 0;
    int iSmCaptionHeight = 0;
    LOGFONTA lfSmCaptionFont;
    int iMenuWidth = 0;
    int iMenuHeight = 0;
    LOGFONTA lfMenuFont;
    LOGFONTA lfStatusFont;
    LOGFONTA lfMessageFont;
};
using TNonClientMetrics = NONCLIENTMETRICS;

// The classic settings of the platform; unknown or setting actions answer FALSE.
BOOL SystemParametersInfo(UINT action, UINT uiParam, void* pvParam, UINT winIni);

// ---- Platform functions by name -----------------------------------------------------------
using FARPROC = void (*)();
// nullptr: the program itself (HInstance); our own modules by name (case-insensitive, with
// or without ".dll"): "kernel32", "user32", "gdi32", "comctl32", "imm32".
HMODULE GetModuleHandle(const char* name);
// The same table, with the modules upper layers enter (the class library
// enters "uxtheme"); any other module fails with 0.
HMODULE LoadLibrary(const char* name);
BOOL FreeLibrary(HMODULE module);
// One of our own functions, or nullptr.
FARPROC GetProcAddress(HMODULE module, const char* name);
// Enters a function of ours in a module's table (for the libraries that add
// the platform functions they implement).
void RegisterModuleFunction(const char* module, const char* name, FARPROC function);
// The platform's version word: major version in the low byte, minor version
// in the next, build number in the high word; the top bit clear (NT).
DWORD GetVersion();
// Windows that stop answering are never ghosted here.
void DisableProcessWindowsGhosting();
