// Text, font and geometry helpers shared by the styled controls.
#include "styled/VxCommon.h"

#include "platform/rtl/codepage.h"
#include "platform/ui/forms.h"
#include "platform/ui/uxtheme.h"

TRect RectCenteredIn(const TRect& rect, int width, int height) {
    const int left = (rect.left + rect.right - width) / 2, top = (rect.top + rect.bottom - height) / 2;
    return TRect(left, top, left + width, top + height);
}

AnsiString StripAccelerators(const AnsiString& text) {
    AnsiString result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool last = i + 1 == text.size();
        if (text[i] == '&' && !last) {
            if (text[i + 1] == '&') result += text[++i];
            continue;
        }
        result += text[i];
    }
    return result;
}

HFONT CreateRotatedFont(TFont* font, int angle) {
    LOGFONTA logFont = font->LogFont();
    logFont.lfWidth = 0;
    logFont.lfEscapement = angle * 10;
    logFont.lfOrientation = 0;
    return CreateFontIndirect(&logFont);
}

TRect NearestMonitorWorkArea(HWND window) {
    MONITORINFO info;
    if (!GetMonitorInfo(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info)) return TRect();
    return info.rcWork;
}

int NearestMonitorWorkWidth(HWND window) {
    const TRect area = NearestMonitorWorkArea(window);
    return area.right - area.left;
}

TRect WorkAreaOfMonitor(TMonitor* monitor) { return monitor->WorkareaRect(); }

TRect BoundsOfMonitor(TMonitor* monitor) { return monitor->BoundsRect(); }

TMonitor* MonitorAtPoint(const TPoint& point) {
    for (int i = 0; i < Screen->MonitorCount(); ++i) {
        const TRect bounds = Screen->Monitors(i)->BoundsRect();
        if (PtInRect(&bounds, POINT{point.x, point.y})) return Screen->Monitors(i);
    }
    return nullptr;
}

void InvalidateTransparentChildren(TWinControl* parent) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* child = parent->Controls(i);
        const PPropInfo info = GetPropInfo(child, "Transparent");
        if (info && info->PropType() == BooleanTypeInfo() && GetOrdProp(child, "Transparent")) child->Invalidate();
    }
}

void SetTransparentStyle(TControl* control, bool transparent) {
    TControlStyle style = control->ControlStyle();
    if (transparent)
        style.Exclude(csOpaque);
    else
        style.Include(csOpaque);
    control->SetControlStyle(style);
    control->Invalidate();
}

namespace {

// Opens the class's theme for one drawing and closes it again.
template <class Draw>
bool WithTheme(const WCHAR* themeClass, Draw draw) {
    const HTHEME theme = OpenThemeData(0, themeClass);
    if (!theme) return false;
    const bool drawn = draw(theme) == S_OK;
    CloseThemeData(theme);
    return drawn;
}

}  // namespace

bool DrawThemedPart(HDC dc, const WCHAR* themeClass, int part, int state, const TRect& rect, const TRect* clip) {
    return WithTheme(themeClass,
                     [&](HTHEME theme) { return DrawThemeBackground(theme, dc, part, state, &rect, clip); });
}

bool DrawThemedText(HDC dc, const WCHAR* themeClass, int part, int state, const AnsiString& text, UINT flags,
                    const TRect& rect) {
    const WideString wide = AnsiToWide(text);
    return WithTheme(themeClass, [&](HTHEME theme) {
        return DrawThemeText(theme, dc, part, state, wide.c_str(), int(wide.size()), flags, 0, &rect);
    });
}
