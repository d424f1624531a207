// The classic system colours and metrics. They sit with the device layer
// because the GDI itself reads them (the screen DC's size, the system-colour
// brushes); the window system and everything above read them from here too.
#pragma once

#include "platform/gdi/wingdi.h"

// ---- System colours -------------------------------------------------------
constexpr int COLOR_SCROLLBAR = 0, COLOR_BACKGROUND = 1, COLOR_DESKTOP = 1, COLOR_ACTIVECAPTION = 2,
              COLOR_INACTIVECAPTION = 3, COLOR_MENU = 4, COLOR_WINDOW = 5, COLOR_WINDOWFRAME = 6,
              COLOR_MENUTEXT = 7, COLOR_WINDOWTEXT = 8, COLOR_CAPTIONTEXT = 9, COLOR_ACTIVEBORDER = 10,
              COLOR_INACTIVEBORDER = 11, COLOR_APPWORKSPACE = 12, COLOR_HIGHLIGHT = 13,
              COLOR_HIGHLIGHTTEXT = 14, COLOR_BTNFACE = 15, COLOR_3DFACE = 15, COLOR_BTNSHADOW = 16,
              COLOR_3DSHADOW = 16, COLOR_GRAYTEXT = 17, COLOR_BTNTEXT = 18, COLOR_INACTIVECAPTIONTEXT = 19,
              COLOR_BTNHIGHLIGHT = 20, COLOR_3DHILIGHT = 20, COLOR_3DHIGHLIGHT = 20, COLOR_3DDKSHADOW = 21,
              COLOR_3DLIGHT = 22, COLOR_INFOTEXT = 23, COLOR_INFOBK = 24, COLOR_HOTLIGHT = 26,
              COLOR_GRADIENTACTIVECAPTION = 27, COLOR_GRADIENTINACTIVECAPTION = 28, COLOR_MENUHILIGHT = 29,
              COLOR_MENUBAR = 30, COLOR_ENDCOLORS = 30;
DWORD GetSysColor(int index);
// A stock brush of the system colour (never to be deleted).
HBRUSH GetSysColorBrush(int index);

// ---- System metrics -------------------------------------------------------
constexpr int SM_CXSCREEN = 0, SM_CYSCREEN = 1, SM_CXVSCROLL = 2, SM_CYHSCROLL = 3, SM_CYCAPTION = 4,
              SM_CXBORDER = 5, SM_CYBORDER = 6, SM_CXDLGFRAME = 7, SM_CXFIXEDFRAME = 7, SM_CYDLGFRAME = 8,
              SM_CYFIXEDFRAME = 8, SM_CYVTHUMB = 9, SM_CXHTHUMB = 10, SM_CXICON = 11, SM_CYICON = 12,
              SM_CXCURSOR = 13, SM_CYCURSOR = 14, SM_CYMENU = 15, SM_CXFULLSCREEN = 16, SM_CYFULLSCREEN = 17,
              SM_CYKANJIWINDOW = 18, SM_MOUSEPRESENT = 19, SM_CYVSCROLL = 20, SM_CXHSCROLL = 21, SM_DEBUG = 22,
              SM_SWAPBUTTON = 23, SM_CXMIN = 28, SM_CYMIN = 29, SM_CXSIZE = 30, SM_CYSIZE = 31, SM_CXFRAME = 32,
              SM_CXSIZEFRAME = 32, SM_CYFRAME = 33, SM_CYSIZEFRAME = 33, SM_CXMINTRACK = 34,
              SM_CYMINTRACK = 35, SM_CXDOUBLECLK = 36, SM_CYDOUBLECLK = 37, SM_CXICONSPACING = 38,
              SM_CYICONSPACING = 39, SM_MENUDROPALIGNMENT = 40, SM_DBCSENABLED = 42, SM_CMOUSEBUTTONS = 43,
              SM_CXEDGE = 45, SM_CYEDGE = 46, SM_CXSMICON = 49, SM_CYSMICON = 50, SM_CYSMCAPTION = 51,
              SM_CXSMSIZE = 52, SM_CYSMSIZE = 53, SM_CXMENUSIZE = 54, SM_CYMENUSIZE = 55,
              SM_CXMINIMIZED = 57, SM_CYMINIMIZED = 58, SM_CXMAXTRACK = 59, SM_CYMAXTRACK = 60,
              SM_CXMAXIMIZED = 61, SM_CYMAXIMIZED = 62, SM_CXDRAG = 68, SM_CYDRAG = 69,
              SM_CXMENUCHECK = 71, SM_CYMENUCHECK = 72, SM_MOUSEWHEELPRESENT = 75, SM_XVIRTUALSCREEN = 76,
              SM_YVIRTUALSCREEN = 77, SM_CXVIRTUALSCREEN = 78, SM_CYVIRTUALSCREEN = 79, SM_CMONITORS = 80,
              SM_SAMEDISPLAYFORMAT = 81, SM_CXFOCUSBORDER = 83, SM_CYFOCUSBORDER = 84,
              SM_REMOTESESSION = 0x1000;
int GetSystemMetrics(int index);
// The screen size the metrics report (1024 x 768 unless the window system
// sets the real one).
void SetScreenSize(int width, int height);
// Where SM_CMONITORS is read from: the window system's count of screens
// (one until the window system says otherwise).
void SetMonitorCountSource(int (*count)());
// Where the virtual-screen metrics (SM_XVIRTUALSCREEN .. SM_CYVIRTUALSCREEN)
// are read from: the rectangle bounding every screen (the primary screen
// until the window system says otherwise).
void SetVirtualScreenSource(void (*bounds)(RECT* bounds));

// Visual styles are off on this platform unless switched on (tests reach
// themed painting that way; platform/ui/uxtheme.h draws it).
BOOL IsThemeActive();
BOOL IsAppThemed();
void SetThemeActive(BOOL active);
