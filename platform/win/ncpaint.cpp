// Drawing the classic frame: borders and 3-D edges, the caption with its
// font, colours and gradient, the caption buttons, and (through the menu bar
// and scroll-bar code) the rest of the non-client area.
#include <algorithm>

#include "platform/win/frame_internal.h"
#include "platform/win/winpaint.h"

namespace ws {
namespace {

COLORREF Blend(COLORREF a, COLORREF b, int step, int steps) {
    auto mix = [&](int x, int y) { return BYTE(x + (y - x) * step / std::max(1, steps)); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

// The caption's background: a gradient from the caption colour to its
// gradient colour when the two differ, one colour otherwise.
void FillCaption(HDC dc, const RECT& r, bool active, bool gradient = true) {
    const COLORREF from = GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    const COLORREF to =
        gradient ? GetSysColor(active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION) : from;
    const COLORREF oldBk = GetBkColor(dc);
    if (from == to) {
        SetBkColor(dc, from);
        ExtTextOut(dc, 0, 0, ETO_OPAQUE, &r, "", 0, nullptr);
    } else {
        const int width = r.right - r.left;
        for (int x = 0; x < width; ++x) {
            const RECT column = Rect(r.left + x, r.top, r.left + x + 1, r.bottom);
            SetBkColor(dc, Blend(from, to, x, width - 1));
            ExtTextOut(dc, 0, 0, ETO_OPAQUE, &column, "", 0, nullptr);
        }
    }
    SetBkColor(dc, oldBk);
}

HICON SmallIconOf(HWND handle) {
    if (const HICON icon = HICON(SendMessage(handle, WM_GETICON, 0, 0))) return icon;
    if (const HICON icon = HICON(GetClassLongPtr(handle, GCLP_HICONSM))) return icon;
    return HICON(GetClassLongPtr(handle, GCLP_HICON));
}

void DrawButton(HDC dc, const Window& w, const RECT& rect, UINT kind, LRESULT hit) {
    if (IsRectEmpty(&rect)) return;
    RECT r = rect;
    UINT state = kind;
    if (w.frame && w.frame->pressedButton == hit) state |= DFCS_PUSHED;
    const bool enabled = hit == HTMINBUTTON ? (w.style & WS_MINIMIZEBOX) != 0
                         : hit == HTMAXBUTTON ? (w.style & WS_MAXIMIZEBOX) != 0
                         : hit == HTCLOSE ? !(w.windowClass->style & CS_NOCLOSE) : true;
    if (!enabled) state |= DFCS_INACTIVE;
    DrawFrameControl(dc, &r, DFC_CAPTION, state);
}

void DrawButtons(HDC dc, const Window& w, const FrameLayout& f) {
    DrawButton(dc, w, f.closeButton, DFCS_CAPTIONCLOSE, HTCLOSE);
    DrawButton(dc, w, f.maximizeButton, (w.style & WS_MAXIMIZE) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX, HTMAXBUTTON);
    DrawButton(dc, w, f.minimizeButton, (w.style & WS_MINIMIZE) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMIN, HTMINBUTTON);
    DrawButton(dc, w, f.helpButton, DFCS_CAPTIONHELP, HTHELP);
}

// The window's text in the caption font and colours, cut with "...".
void DrawCaptionText(HDC dc, HWND window, RECT text, bool small, bool active) {
    const AnsiString caption = WindowTextOf(window);
    const HGDIOBJ oldFont = SelectObject(dc, CaptionFont(small));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    DrawText(dc, caption.c_str(), int(caption.size()), &text,
             DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}

void DrawCaption(HDC dc, Window& w, const FrameLayout& f) {
    const bool active = w.frame && w.frame->active;
    FillCaption(dc, f.caption, active);
    // The line below the caption belongs to the frame.
    RECT line = Rect(f.caption.left, f.caption.bottom, f.caption.right, f.caption.bottom + 1);
    FillRect(dc, &line, GetSysColorBrush(COLOR_3DFACE));
    RECT text = f.caption;
    text.left += 2;
    if (!IsRectEmpty(&f.systemIcon)) {
        if (const HICON icon = SmallIconOf(w.handle))
            DrawIconEx(dc, f.systemIcon.left, f.systemIcon.top, icon, f.systemIcon.right - f.systemIcon.left,
                       f.systemIcon.bottom - f.systemIcon.top, 0, 0, DI_NORMAL);
        text.left = f.systemIcon.right + 2;
    }
    for (const RECT& b : {f.minimizeButton, f.helpButton, f.maximizeButton, f.closeButton})
        if (!IsRectEmpty(&b)) {
            text.right = std::min(text.right, b.left - 2);
        }
    DrawCaptionText(dc, w.handle, text, (w.exStyle & WS_EX_TOOLWINDOW) != 0, active);
    DrawButtons(dc, w, f);
}

void DrawBorder(HDC dc, const Window& w, const FrameLayout& f) {
    if (f.border <= 0) return;
    RECT r = Rect(0, 0, w.Width(), w.Height());
    const bool threeD = f.sizable || (w.style & WS_DLGFRAME) || (w.exStyle & WS_EX_DLGMODALFRAME);
    if (!threeD) {
        FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
        return;
    }
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
    const bool active = w.frame && w.frame->active;
    const HBRUSH fill = GetSysColorBrush(f.sizable ? (active ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER) : COLOR_3DFACE);
    for (int i = 2; i < f.border; ++i) {
        FrameRect(dc, &r, fill);
        InflateRect(&r, -1, -1);
    }
}

HFONT MetricsFont(LOGFONT NONCLIENTMETRICS::*which, bool bold) {
    NONCLIENTMETRICS metrics;
    SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    LOGFONT font = metrics.*which;
    if (bold) font.lfWeight = FW_BOLD;
    return CreateFontIndirect(&font);
}

}  // namespace

// The fonts of the non-client metrics, made once.
HFONT CaptionFont(bool small) {
    static const HFONT normal = MetricsFont(&NONCLIENTMETRICS::lfCaptionFont, false);
    static const HFONT tool = MetricsFont(&NONCLIENTMETRICS::lfSmCaptionFont, false);
    return small ? tool : normal;
}

HFONT MenuFont(bool bold) {
    static const HFONT normal = MetricsFont(&NONCLIENTMETRICS::lfMenuFont, false);
    static const HFONT heavy = MetricsFont(&NONCLIENTMETRICS::lfMenuFont, true);
    return bold ? heavy : normal;
}

void PaintFrame(HWND handle, HRGN region) {
    Window* w = Find(handle);
    if (!w || !HasNonClientArea(*w) || !IsWindowVisible(handle)) return;
    const FrameLayout f = LayoutFrame(*w);
    const HDC dc = GetWindowDC(handle);
    if (!dc) return;
    if (region > 1) {
        // The region is in screen coordinates.
        RECT window;
        GetWindowRect(handle, &window);
        const HRGN clip = CreateRectRgn(0, 0, 0, 0);
        CombineRgn(clip, region, 0, RGN_COPY);
        OffsetRgn(clip, -window.left, -window.top);
        ExtSelectClipRgn(dc, clip, RGN_AND);
        DeleteObject(clip);
    }
    ExcludeClipRect(dc, w->client.left, w->client.top, w->client.right, w->client.bottom);
    DrawBorder(dc, *w, f);
    if (!IsRectEmpty(&f.caption)) DrawCaption(dc, *w, f);
    if (!IsRectEmpty(&f.menuBar)) PaintMenuBar(dc, handle, w->frame->menu, f.menuBar);
    RECT edge = Rect(f.border, f.border, w->Width() - f.border, w->Height() - f.border);
    if (!IsRectEmpty(&f.caption)) edge.top = f.caption.bottom + 1;
    if (!IsRectEmpty(&f.menuBar)) edge.top = f.menuBar.bottom;
    if (w->exStyle & WS_EX_CLIENTEDGE) DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
    else if (w->exStyle & WS_EX_STATICEDGE) DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
    if (!IsRectEmpty(&f.vertical)) PaintWindowScrollBar(dc, *w, SB_VERT, f.vertical);
    if (!IsRectEmpty(&f.horizontal)) PaintWindowScrollBar(dc, *w, SB_HORZ, f.horizontal);
    if (!IsRectEmpty(&f.corner)) FillRect(dc, &f.corner, GetSysColorBrush(COLOR_3DFACE));
    ReleaseDC(handle, dc);
}

void PaintCaptionButtons(HWND handle) {
    Window* w = Find(handle);
    if (!w || !IsWindowVisible(handle)) return;
    const FrameLayout f = LayoutFrame(*w);
    const HDC dc = GetWindowDC(handle);
    if (!dc) return;
    DrawButtons(dc, *w, f);
    ReleaseDC(handle, dc);
}

}  // namespace ws

BOOL DrawCaption(HWND window, HDC dc, const RECT* rect, UINT flags) {
    if (!dc || !rect) return FALSE;
    const bool active = (flags & DC_ACTIVE) != 0;
    ws::FillCaption(dc, *rect, active, (flags & DC_GRADIENT) != 0);
    if (!(flags & DC_TEXT) || !window) return TRUE;
    RECT text = *rect;
    text.left += 2;
    ws::DrawCaptionText(dc, window, text, (flags & DC_SMALLCAP) != 0, active);
    return TRUE;
}
