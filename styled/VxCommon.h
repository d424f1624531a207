// What every styled control leans on: the shared types, colours, frame
// primitives and menu controller, and small text and font helpers.
#pragma once

#include "platform/ui/buttons.h"
#include "platform/ui/controls.h"
#include "platform/ui/graphics.h"
#include "platform/ui/monitors.h"
#include "platform/rtl/component.h"
#include "styled/VxBorders.h"
#include "styled/VxColors.h"
#include "styled/VxMenuController.h"
#include "styled/VxTypes.h"

// `rect`'s centre keeps a `width` x `height` rectangle.
TRect RectCenteredIn(const TRect& rect, int width, int height);
// The text as drawn without underlined accelerators: "&&" shows one "&",
// and a final "&" stays.
AnsiString StripAccelerators(const AnsiString& text);
// A font like `font` turned `angle` degrees; the caller owns the handle.
HFONT CreateRotatedFont(TFont* font, int angle);
// The work area of the monitor nearest `window`, and its width.
TRect NearestMonitorWorkArea(HWND window);
int NearestMonitorWorkWidth(HWND window);
TRect WorkAreaOfMonitor(TMonitor* monitor);
TRect BoundsOfMonitor(TMonitor* monitor);
// The first of the screen's monitors whose bounds hold `point`; null when
// none does.
TMonitor* MonitorAtPoint(const TPoint& point);
// Children publishing a True "Transparent" show `parent`, so they repaint
// with it.
void InvalidateTransparentChildren(TWinControl* parent);

// Stores `value` in `field` and repaints `control` when the value changed.
template <class T>
void SetAndRepaint(TControl* control, T& field, const T& value) {
    if (field == value) return;
    field = value;
    control->Invalidate();
}

// A transparent control lets its parent show through (it is not opaque).
void SetTransparentStyle(TControl* control, bool transparent);

// A part of a window class's visual style ("BUTTON", "TOOLBAR", ...) drawn
// in `rect`; false, with nothing drawn, while visual styles are off.
bool DrawThemedPart(HDC dc, const WCHAR* themeClass, int part, int state, const TRect& rect,
                    const TRect* clip = nullptr);
// The text in the part's themed text colour.
bool DrawThemedText(HDC dc, const WCHAR* themeClass, int part, int state, const AnsiString& text, UINT flags,
                    const TRect& rect);
