// The classic system colours and metrics, reported as fixed values so that
// layouts computed from them come out as on the original platform.
#include "platform/gdi/sysparams.h"

namespace {

const COLORREF classicColors[COLOR_ENDCOLORS + 1] = {
    RGB(212, 208, 200),  // scroll bar
    RGB(58, 110, 165),   // desktop
    RGB(10, 36, 106),    // active caption
    RGB(128, 128, 128),  // inactive caption
    RGB(212, 208, 200),  // menu
    RGB(255, 255, 255),  // window
    RGB(0, 0, 0),        // window frame
    RGB(0, 0, 0),        // menu text
    RGB(0, 0, 0),        // window text
    RGB(255, 255, 255),  // caption text
    RGB(212, 208, 200),  // active border
    RGB(212, 208, 200),  // inactive border
    RGB(128, 128, 128),  // application workspace
    RGB(10, 36, 106),    // highlight
    RGB(255, 255, 255),  // highlight text
    RGB(212, 208, 200),  // button face
    RGB(128, 128, 128),  // button shadow
    RGB(128, 128, 128),  // grey text
    RGB(0, 0, 0),        // button text
    RGB(212, 208, 200),  // inactive caption text
    RGB(255, 255, 255),  // button highlight
    RGB(64, 64, 64),     // 3-D dark shadow
    RGB(212, 208, 200),  // 3-D light
    RGB(0, 0, 0),        // tooltip text
    RGB(255, 255, 225),  // tooltip background
    RGB(181, 181, 181),  // (unused)
    RGB(0, 0, 128),      // hot-tracked item
    RGB(166, 202, 240),  // active caption gradient
    RGB(192, 192, 192),  // inactive caption gradient
    RGB(10, 36, 106),    // menu highlight
    RGB(212, 208, 200),  // menu bar
};

int screenWidth = 1024;
int screenHeight = 768;
int (*monitorCount)() = nullptr;
void (*virtualScreen)(RECT* bounds) = nullptr;

// The bounding rectangle of every screen: the primary alone until the
// window system says otherwise.
RECT VirtualScreen() {
    RECT bounds{0, 0, screenWidth, screenHeight};
    if (virtualScreen) virtualScreen(&bounds);
    return bounds;
}

}  // namespace

DWORD GetSysColor(int index) {
    if (index < 0 || index > COLOR_ENDCOLORS) return 0;
    return classicColors[index];
}

void SetMonitorCountSource(int (*count)()) { monitorCount = count; }
void SetVirtualScreenSource(void (*bounds)(RECT* bounds)) { virtualScreen = bounds; }

void SetScreenSize(int width, int height) {
    screenWidth = width;
    screenHeight = height;
}

int GetSystemMetrics(int index) {
    switch (index) {
        case SM_CXSCREEN:
        case SM_CXFULLSCREEN:
        case SM_CXMAXIMIZED: return index == SM_CXMAXIMIZED ? screenWidth + 8 : screenWidth;
        case SM_CYSCREEN: return screenHeight;
        case SM_XVIRTUALSCREEN: return VirtualScreen().left;
        case SM_YVIRTUALSCREEN: return VirtualScreen().top;
        case SM_CXVIRTUALSCREEN: return VirtualScreen().right - VirtualScreen().left;
        case SM_CYVIRTUALSCREEN: return VirtualScreen().bottom - VirtualScreen().top;
        case SM_CYFULLSCREEN: return screenHeight - 19 - 30;
        case SM_CYMAXIMIZED: return screenHeight - 30 + 8;
        case SM_CXMAXTRACK: return screenWidth + 12;
        case SM_CYMAXTRACK: return screenHeight + 12;
        case SM_CXVSCROLL:
        case SM_CYHSCROLL:
        case SM_CYVSCROLL:
        case SM_CXHSCROLL:
        case SM_CYVTHUMB:
        case SM_CXHTHUMB: return 16;
        case SM_CYCAPTION: return 19;
        case SM_CXBORDER:
        case SM_CYBORDER:
        case SM_CXFOCUSBORDER:
        case SM_CYFOCUSBORDER: return 1;
        case SM_CXFIXEDFRAME:
        case SM_CYFIXEDFRAME: return 3;
        case SM_CXSIZEFRAME:
        case SM_CYSIZEFRAME: return 4;
        case SM_CXICON:
        case SM_CYICON:
        case SM_CXCURSOR:
        case SM_CYCURSOR: return 32;
        case SM_CYMENU: return 19;
        case SM_MOUSEPRESENT:
        case SM_DBCSENABLED:
        case SM_MOUSEWHEELPRESENT:
        case SM_SAMEDISPLAYFORMAT: return 1;
        case SM_CMONITORS: return monitorCount ? monitorCount() : 1;
        case SM_CMOUSEBUTTONS: return 3;
        case SM_CXMIN:
        case SM_CXMINTRACK: return 112;
        case SM_CYMIN:
        case SM_CYMINTRACK: return 27;
        case SM_CXSIZE:
        case SM_CYSIZE:
        case SM_CXMENUSIZE:
        case SM_CYMENUSIZE: return 18;
        case SM_CXDOUBLECLK:
        case SM_CYDOUBLECLK:
        case SM_CXDRAG:
        case SM_CYDRAG: return 4;
        case SM_CXICONSPACING:
        case SM_CYICONSPACING: return 75;
        case SM_CXEDGE:
        case SM_CYEDGE: return 2;
        case SM_CXSMICON:
        case SM_CYSMICON: return 16;
        case SM_CYSMCAPTION: return 16;
        case SM_CXSMSIZE: return 12;
        case SM_CYSMSIZE: return 15;
        case SM_CXMINIMIZED: return 160;
        case SM_CYMINIMIZED: return 24;
        case SM_CXMENUCHECK:
        case SM_CYMENUCHECK: return 13;
        default: return 0;
    }
}

namespace {
BOOL& ThemeActive() {
    static BOOL active = FALSE;
    return active;
}
}  // namespace

BOOL IsThemeActive() { return ThemeActive(); }
BOOL IsAppThemed() { return ThemeActive(); }
void SetThemeActive(BOOL active) { ThemeActive() = active; }
