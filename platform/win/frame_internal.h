// The non-client code's private interface: the per-window frame state, the
// frame layout every part draws and hit-tests with, and the entry points of
// the menu bar, the window scroll bars, the tracking loops and MDI that the
// default window procedure calls. Nothing here includes Qt.
#pragma once

#include <optional>

#include "platform/win/window_internal.h"
#include "platform/win/winframe.h"
#include "platform/win/winmenu.h"
#include "platform/win/winscroll.h"

namespace ws {

struct ScrollBarState {
    int minimum = 0;
    int maximum = 100;
    UINT page = 0;
    int position = 0;
    int trackPosition = 0;
    bool tracking = false;
    UINT disabledArrows = 0;  // ESB_ bits
    int pressedPart = -1;     // the part drawn pressed (ScrollPart), -1 for none
};

// How a window's own bars look once flat bars are initialised for it
// (commctrl_flatsb.h); per bar, indexed by SB_HORZ and SB_VERT.
struct FlatBarLook {
    int style[2] = {0, 0};  // FSB_*_MODE
    COLORREF track[2] = {CLR_DEFAULT, CLR_DEFAULT};
    int thickness[2];  // the horizontal bar's height, the vertical bar's width
    int arrow[2];      // an arrow's length along the bar
    int thumb[2];      // the least thumb length
    int hotPart[2] = {-1, -1};  // the part under the mouse (ScrollPart), -1 for none
    FlatBarLook();
};

struct FrameState {
    HMENU menu = 0;         // the menu bar of a window that is not a child
    HMENU systemMenu = 0;   // the window's copy of the system menu
    bool active = false;    // the caption is drawn active
    LRESULT pressedButton = HTNOWHERE;
    ScrollBarState bars[3];  // SB_HORZ, SB_VERT, and SB_CTL for a "ScrollBar" control
    std::optional<FlatBarLook> flatBars;  // set while flat bars are initialised
};

// The frame state of a window, made on first use.
FrameState& FrameOf(Window& window);
FrameState* FrameOf(HWND window);

// Where the default frame puts its parts, in window coordinates; empty
// rectangles for the parts the window lacks.
struct FrameLayout {
    int border = 0;
    bool sizable = false;
    RECT caption;
    RECT systemIcon;
    RECT closeButton;
    RECT maximizeButton;
    RECT minimizeButton;
    RECT helpButton;
    RECT menuBar;
    RECT vertical;    // the window's vertical scroll bar
    RECT horizontal;
    RECT corner;      // between the two scroll bars
    RECT client;
};
FrameLayout LayoutFrame(const Window& window);
// The layout for a window of the given styles and size (the menu bar of
// `menuHeight`); scroll bars of the given thickness (0: the system's).
FrameLayout LayoutFrame(DWORD style, DWORD exStyle, int width, int height, int menuHeight, int vScrollWidth = 0,
                        int hScrollHeight = 0);
// The window's caption bar is shown as minimised (an MDI child's icon title).
bool ShowsMinimized(const Window& window);

// Whether the left button went up without its release reaching us (the
// tracking loops end then instead of waiting for it).
bool ButtonReleasedUnseen();

// ---- The menu bar (menudraw.cpp, menuloop.cpp) -------------------------------------------------
// Lays the bar's items out in a bar at `origin` (window coordinates),
// `width` wide, wrapping rows; answers its height.
int MenuBarHeight(HWND window, HMENU menu, POINT origin, int width);
void PaintMenuBar(HDC dc, HWND window, HMENU menu, const RECT& bar);
// The menu loop for the window's menu bar: from a press at a screen point,
// or from the keyboard (key 0: F10/Alt, ' ': the system menu, else a mnemonic).
void TrackMenuBarByMouse(HWND window, POINT screen);
void TrackMenuBarByKey(HWND window, int key);
// Draws a menu item's check, radio mark or arrow glyph in `color`.
void DrawMenuGlyph(HDC dc, const RECT& rect, UINT glyph, COLORREF color);
// The fonts of the frame and the menus (never to be deleted).
HFONT CaptionFont(bool small);
HFONT MenuFont(bool bold = false);

// ---- Window scroll bars (scrollbar.cpp) -------------------------------------------
void PaintWindowScrollBar(HDC dc, Window& window, int bar, const RECT& rect);
// The press-and-track loop of a window scroll bar (SC_HSCROLL / SC_VSCROLL).
void TrackWindowScrollBar(HWND window, int bar, POINT screen);
// The mouse moved to a window's hit area (0: off every window): flat bars
// track the part under it.
void HoverWindowScrollBars(HWND window, LRESULT hit, POINT screen);
// Repaints a window's own bars with the frame before its next paint.
void InvalidateWindowScrollBars(HWND window);

// ---- Moving and sizing (sizemove.cpp) ------------------------------------------------
// SC_MOVE / SC_SIZE: the modal tracking loop. `command` keeps its low bits
// (the border for SC_SIZE, HTCAPTION for a mouse-started move).
void TrackMoveSize(HWND window, WPARAM command, POINT screen);
// SC_MINIMIZE / SC_MAXIMIZE / SC_RESTORE.
void ChangeWindowState(HWND window, WPARAM command);

// ---- The frame (ncpaint.cpp) --------------------------------------------------------
void PaintFrame(HWND window, HRGN region);
void PaintCaptionButtons(HWND window);

// ---- MDI (mdi.cpp) ---------------------------------------------------------------------
// Arranges the minimised children of an MDI client along its bottom.
void ArrangeIconicChildren(HWND client);

}  // namespace ws
