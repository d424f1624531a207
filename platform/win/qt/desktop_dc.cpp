// The desktop DC: a screen-sized image made from the top-level windows as
// they are shown. What is drawn on it (the inverted outlines of tracking
// loops, XOR drawing) is shown through thin overlay windows of our own
// above everything, one per changed rectangle; when the drawing is undone
// (an outline inverted a second time), the overlays go away.
#include <QImage>
#include <algorithm>
#include <vector>

#include "platform/gdi/qt/gdi_qt.h"
#include "platform/gdi/surfacedc.h"
#include "platform/win/surfacehost.h"
#include "platform/win/testseams.h"
#include "platform/win/window_internal.h"
#include "platform/win/winpaint.h"

namespace ws {
namespace {

struct DesktopImage {
    HBITMAP image = 0;
    QImage baseline;  // the screen as composed, before anything was drawn on it
    RECT bounds;
    std::vector<HWND> overlays;
    std::vector<HDC> dcs;
};

DesktopImage& TheDesktop() {
    static DesktopImage desktop;
    return desktop;
}

LRESULT OverlayProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCHITTEST) return HTTRANSPARENT;
    if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    if (message != WM_PAINT) return DefWindowProc(window, message, wParam, lParam);
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(window, &ps);
    auto& d = TheDesktop();
    RECT r;
    GetWindowRect(window, &r);
    const HDC source = CreateCompatibleDC(0);
    const HGDIOBJ old = SelectObject(source, d.image);
    BitBlt(dc, 0, 0, r.right - r.left, r.bottom - r.top, source, r.left - d.bounds.left, r.top - d.bounds.top,
           SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    EndPaint(window, &ps);
    return 0;
}

// The screen as shown: the desktop colour under the top-level windows.
void Compose(DesktopImage& d) {
    ScreenBounds(&d.bounds);
    const QSize size(d.bounds.right - d.bounds.left, d.bounds.bottom - d.bounds.top);
    QImage* bitmap = gdi::BitmapImage(d.image);
    if (!bitmap || bitmap->size() != size) {
        if (d.image) DeleteObject(d.image);
        d.image = CreateBitmap(size.width(), size.height(), 1, 32, nullptr);
        bitmap = gdi::BitmapImage(d.image);
    }
    const COLORREF background = GetSysColor(COLOR_DESKTOP);
    bitmap->fill(QColor(GetRValue(background), GetGValue(background), GetBValue(background)));
    const auto& tops = ws::Desktop().children;
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        Window* w = Find(*it);
        if (!w || !IsShowing(*w)) continue;
        QImage* backing = gdi::BitmapImage(BackingOf(*it));
        if (!backing) continue;
        QImage& target = *bitmap;
        const QPoint at(w->rect.left - d.bounds.left, w->rect.top - d.bounds.top);
        for (int y = 0; y < backing->height(); ++y) {
            const int ty = at.y() + y;
            if (ty < 0 || ty >= target.height()) continue;
            const auto* from = reinterpret_cast<const std::uint32_t*>(backing->constScanLine(y));
            auto* to = reinterpret_cast<std::uint32_t*>(target.scanLine(ty));
            for (int x = std::max(0, -at.x()); x < backing->width() && at.x() + x < target.width(); ++x)
                to[at.x() + x] = from[x];
        }
    }
    d.baseline = bitmap->copy();
}

// The pixels that differ from the baseline, as rectangles in screen
// coordinates: runs of changed pixels per row, joined down while a run
// repeats exactly in the next row (an outline gives its four sides).
std::vector<QRect> Changed(const DesktopImage& d) {
    const QImage& now = *gdi::BitmapImage(d.image);
    std::vector<QRect> done, open;
    for (int y = 0; y < now.height(); ++y) {
        const auto* a = reinterpret_cast<const std::uint32_t*>(now.constScanLine(y));
        const auto* b = reinterpret_cast<const std::uint32_t*>(d.baseline.constScanLine(y));
        std::vector<QRect> next;
        for (int x = 0; x < now.width();) {
            if ((a[x] & 0xFFFFFF) == (b[x] & 0xFFFFFF)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < now.width() && (a[x] & 0xFFFFFF) != (b[x] & 0xFFFFFF)) ++x;
            auto above = std::find_if(open.begin(), open.end(),
                                      [&](const QRect& r) { return r.left() == start && r.right() == x - 1; });
            if (above != open.end()) {
                next.push_back(above->adjusted(0, 0, 0, 1));
                open.erase(above);
            } else {
                next.emplace_back(start, y, x - start, 1);
            }
        }
        done.insert(done.end(), open.begin(), open.end());
        open = std::move(next);
    }
    done.insert(done.end(), open.begin(), open.end());
    for (QRect& r : done) r.translate(d.bounds.left, d.bounds.top);
    return done;
}

void ShowOverlays(DesktopImage& d, const std::vector<QRect>& changed) {
    static const ATOM registered = [] {
        WNDCLASS wc;
        wc.lpfnWndProc = &OverlayProcedure;
        wc.lpszClassName = "DesktopOverlay";
        return RegisterClass(&wc);
    }();
    (void)registered;
    for (HWND overlay : d.overlays) DestroyWindow(overlay);
    d.overlays.clear();
    for (const QRect& r : changed) {
        const HWND overlay =
            CreateWindowEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT, "DesktopOverlay", "",
                           WS_POPUP, r.x(), r.y(), r.width(), r.height(), 0, 0, 0, nullptr);
        ShowWindow(overlay, SW_SHOWNA);
        UpdateWindow(overlay);
        d.overlays.push_back(overlay);
    }
}

}  // namespace

HDC DesktopDC() {
    auto& d = TheDesktop();
    // While something is drawn on the desktop, the image stays as it is, so
    // a second inversion undoes the first.
    if (d.overlays.empty() && d.dcs.empty()) Compose(d);
    SurfaceDCOptions options;
    const HDC dc = CreateSurfaceDC(d.image, options);
    if (dc) d.dcs.push_back(dc);
    return dc;
}

bool ReleaseDesktopDC(HDC dc) {
    auto& d = TheDesktop();
    auto it = std::find(d.dcs.begin(), d.dcs.end(), dc);
    if (it == d.dcs.end()) return false;
    d.dcs.erase(it);
    DeleteDC(dc);
    ShowOverlays(d, Changed(d));
    return true;
}

}  // namespace ws

std::vector<HWND> DesktopOverlays() { return ws::TheDesktop().overlays; }
