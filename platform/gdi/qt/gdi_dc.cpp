// Device contexts: creation, the state they carry, saving and restoring it,
// mapping modes and coordinate conversion, and device capabilities.
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/gdi/qt/gdi_internal.h"
#include "platform/gdi/sysparams.h"

namespace gdi {

Bitmap* SurfaceOf(DeviceContext& dc) { return FindBitmap(dc.memory ? dc.state.bitmap : dc.surface); }

namespace {

QSize DeviceSizeOn(const DeviceContext& dc, const Bitmap& surface) {
    if (dc.memory) return surface.image.size();
    if (!dc.size.isEmpty()) return dc.size;
    return surface.image.size() - QSize(dc.origin.x(), dc.origin.y());
}

}  // namespace

QSize DeviceSize(DeviceContext& dc) {
    Bitmap* b = SurfaceOf(dc);
    return b ? DeviceSizeOn(dc, *b) : QSize();
}

QRegion EffectiveClip(DeviceContext& dc) {
    Bitmap* b = SurfaceOf(dc);
    if (!b) return {};
    QRegion r(QRect(QPoint(0, 0), DeviceSize(dc)));
    if (dc.visible) r &= *dc.visible;
    if (dc.state.clip) r &= *dc.state.clip;
    r.translate(dc.origin);
    return r & QRect(QPoint(0, 0), b->image.size());
}

SurfaceClip::SurfaceClip(DeviceContext& dc, const QRect& bounds) {
    Bitmap* b = SurfaceOf(dc);
    if (!b) return;
    rect_ = QRect(dc.origin, DeviceSizeOn(dc, *b)) & QRect(QPoint(0, 0), b->image.size()) & bounds;
    for (const std::optional<QRegion>* part : {&dc.visible, &dc.state.clip}) {
        if (!*part) continue;
        const QRegion& r = **part;
        if (r.rectCount() <= 1)
            rect_ &= r.boundingRect().translated(dc.origin);
        else
            region_ = (region_ ? *region_ : QRegion(rect_)) & r.translated(dc.origin);
    }
    if (region_) *region_ &= rect_;
}

QPointF ToDevice(const DCState& s, double x, double y) {
    return {(x - s.windowOrg.x) * s.viewportExt.cx / s.windowExt.cx + s.viewportOrg.x,
            (y - s.windowOrg.y) * s.viewportExt.cy / s.windowExt.cy + s.viewportOrg.y};
}

QPoint ToDevicePoint(const DCState& s, int x, int y) {
    // Unit extents (MM_TEXT) only move the point; the arithmetic below would
    // give the same integers.
    if (s.windowExt.cx == 1 && s.windowExt.cy == 1 && s.viewportExt.cx == 1 && s.viewportExt.cy == 1)
        return {x - s.windowOrg.x + s.viewportOrg.x, y - s.windowOrg.y + s.viewportOrg.y};
    QPointF p = ToDevice(s, x, y);
    return {int(std::lround(p.x())), int(std::lround(p.y()))};
}

QRect ToDeviceRect(const DCState& s, int left, int top, int right, int bottom) {
    QPoint a = ToDevicePoint(s, left, top), b = ToDevicePoint(s, right, bottom);
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()) - 1, std::max(a.y(), b.y()) - 1));
}

double ScaleX(const DCState& s, double length) { return length * s.viewportExt.cx / s.windowExt.cx; }
double ScaleY(const DCState& s, double length) { return length * s.viewportExt.cy / s.windowExt.cy; }
bool Mirrored(const DCState& s) { return (s.layout & LAYOUT_RTL) != 0; }

SurfaceAccess::SurfaceAccess(DeviceContext& dc, bool writes) : bitmap_(SurfaceOf(dc)), writes_(writes) {
    if (bitmap_->accesses++ == 0) bitmap_->PullFromDib();
}

SurfaceAccess::~SurfaceAccess() {
    bitmap_->written = bitmap_->written || writes_;
    if (--bitmap_->accesses > 0) return;
    if (bitmap_->written) bitmap_->PushToDib();
    bitmap_->written = false;
}

}  // namespace gdi

using namespace gdi;

HDC CreateCompatibleDC(HDC reference) {
    auto dc = std::make_unique<DeviceContext>();
    dc->state = DefaultState();
    if (DeviceContext* ref = FindDC(reference)) dc->options.dpi = ref->options.dpi;
    return AddDC(std::move(dc));
}

HDC CreateSurfaceDC(HBITMAP surface, const SurfaceDCOptions& options) {
    if (!FindBitmap(surface)) return 0;
    auto dc = std::make_unique<DeviceContext>();
    dc->memory = false;
    dc->surface = surface;
    dc->options = options;
    dc->origin = QPoint(options.origin.x, options.origin.y);
    dc->size = QSize(options.size.cx, options.size.cy);
    if (Region* r = FindRegion(options.visible)) dc->visible = r->region;
    dc->state = DefaultState();
    return AddDC(std::move(dc));
}

BOOL SetSurfaceDCVisibleRegion(HDC h, HRGN visible) {
    DeviceContext* dc = FindDC(h);
    if (!dc || dc->memory) return FALSE;
    if (Region* r = FindRegion(visible))
        dc->visible = r->region;
    else
        dc->visible.reset();
    return TRUE;
}

BOOL DeleteDC(HDC h) {
    if (!FindDC(h)) return FALSE;
    RemoveDC(h);
    return TRUE;
}

int SaveDC(HDC h) {
    DeviceContext* dc = FindDC(h);
    if (!dc) return 0;
    if (Bitmap* b = FindBitmap(dc->state.bitmap)) ++b->selections;
    dc->saved.push_back(dc->state);
    return int(dc->saved.size());
}

BOOL RestoreDC(HDC h, int level) {
    DeviceContext* dc = FindDC(h);
    if (!dc) return FALSE;
    int count = int(dc->saved.size());
    if (level < 0) level = count + 1 + level;
    if (level < 1 || level > count) return FALSE;
    // Each saved state holds a selection of its bitmap, as the current one does.
    if (Bitmap* b = FindBitmap(dc->state.bitmap)) --b->selections;
    dc->state = dc->saved[size_t(level - 1)];
    for (size_t i = size_t(level); i < dc->saved.size(); ++i)
        if (Bitmap* b = FindBitmap(dc->saved[i].bitmap)) --b->selections;
    dc->saved.resize(size_t(level - 1));
    return TRUE;
}

namespace {

template <class T, class Member>
T Exchange(HDC h, Member member, T value, T failure) {
    DeviceContext* dc = FindDC(h);
    if (!dc) return failure;
    return std::exchange(dc->state.*member, value);
}

template <class T, class Member>
T Read(HDC h, Member member, T failure) {
    DeviceContext* dc = FindDC(h);
    return dc ? dc->state.*member : failure;
}

}  // namespace

COLORREF SetTextColor(HDC dc, COLORREF c) { return Exchange(dc, &DCState::textColor, c, CLR_INVALID); }
COLORREF GetTextColor(HDC dc) { return Read(dc, &DCState::textColor, CLR_INVALID); }
COLORREF SetBkColor(HDC dc, COLORREF c) { return Exchange(dc, &DCState::bkColor, c, CLR_INVALID); }
COLORREF GetBkColor(HDC dc) { return Read(dc, &DCState::bkColor, CLR_INVALID); }
int SetBkMode(HDC dc, int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) return 0;
    return Exchange(dc, &DCState::bkMode, mode, 0);
}
int GetBkMode(HDC dc) { return Read(dc, &DCState::bkMode, 0); }
int SetROP2(HDC dc, int mode) {
    if (mode < R2_BLACK || mode > R2_WHITE) return 0;
    return Exchange(dc, &DCState::rop2, mode, 0);
}
int GetROP2(HDC dc) { return Read(dc, &DCState::rop2, 0); }
UINT SetTextAlign(HDC dc, UINT align) { return Exchange(dc, &DCState::textAlign, align, UINT(-1)); }
UINT GetTextAlign(HDC dc) { return Read(dc, &DCState::textAlign, UINT(-1)); }
int SetTextCharacterExtra(HDC dc, int extra) { return Exchange(dc, &DCState::charExtra, extra, int(0x80000000)); }
int GetTextCharacterExtra(HDC dc) { return Read(dc, &DCState::charExtra, int(0x80000000)); }
int SetStretchBltMode(HDC dc, int mode) { return Exchange(dc, &DCState::stretchMode, mode, 0); }
int GetStretchBltMode(HDC dc) { return Read(dc, &DCState::stretchMode, 0); }
int SetPolyFillMode(HDC dc, int mode) { return Exchange(dc, &DCState::polyFillMode, mode, 0); }
int GetPolyFillMode(HDC dc) { return Read(dc, &DCState::polyFillMode, 0); }
int SetArcDirection(HDC dc, int direction) { return Exchange(dc, &DCState::arcDirection, direction, 0); }
COLORREF SetDCBrushColor(HDC dc, COLORREF c) { return Exchange(dc, &DCState::dcBrushColor, c, CLR_INVALID); }
COLORREF SetDCPenColor(HDC dc, COLORREF c) { return Exchange(dc, &DCState::dcPenColor, c, CLR_INVALID); }
DWORD SetLayout(HDC dc, DWORD layout) { return Exchange(dc, &DCState::layout, layout, DWORD(-1)); }
DWORD GetLayout(HDC dc) { return Read(dc, &DCState::layout, DWORD(-1)); }
int GetMapMode(HDC dc) { return Read(dc, &DCState::mapMode, 0); }

namespace {

BOOL ExchangePoint(HDC h, POINT DCState::*member, POINT value, POINT* previous) {
    DeviceContext* dc = FindDC(h);
    if (!dc) return FALSE;
    if (previous) *previous = dc->state.*member;
    dc->state.*member = value;
    return TRUE;
}

BOOL ReadPoint(HDC h, POINT DCState::*member, POINT* out) {
    DeviceContext* dc = FindDC(h);
    if (!dc || !out) return FALSE;
    *out = dc->state.*member;
    return TRUE;
}

// Keeps equal scales on both axes in MM_ISOTROPIC by shrinking the larger
// viewport extent, as the platform does.
void FitIsotropic(DCState& s) {
    if (s.mapMode != MM_ISOTROPIC || !s.windowExt.cx || !s.windowExt.cy) return;
    double sx = std::abs(double(s.viewportExt.cx) / s.windowExt.cx);
    double sy = std::abs(double(s.viewportExt.cy) / s.windowExt.cy);
    double scale = std::min(sx, sy);
    auto sign = [](double v) { return v < 0 ? -1 : 1; };
    s.viewportExt.cx = LONG(std::lround(scale * std::abs(s.windowExt.cx) * sign(s.viewportExt.cx) * sign(s.windowExt.cx)));
    s.viewportExt.cy = LONG(std::lround(scale * std::abs(s.windowExt.cy) * sign(s.viewportExt.cy) * sign(s.windowExt.cy)));
}

}  // namespace

BOOL SetBrushOrgEx(HDC dc, int x, int y, POINT* previous) {
    return ExchangePoint(dc, &DCState::brushOrg, {x, y}, previous);
}
BOOL GetBrushOrgEx(HDC dc, POINT* origin) { return ReadPoint(dc, &DCState::brushOrg, origin); }
BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT* previous) {
    return ExchangePoint(dc, &DCState::windowOrg, {x, y}, previous);
}
BOOL GetWindowOrgEx(HDC dc, POINT* origin) { return ReadPoint(dc, &DCState::windowOrg, origin); }
BOOL SetViewportOrgEx(HDC dc, int x, int y, POINT* previous) {
    return ExchangePoint(dc, &DCState::viewportOrg, {x, y}, previous);
}
BOOL GetViewportOrgEx(HDC dc, POINT* origin) { return ReadPoint(dc, &DCState::viewportOrg, origin); }

BOOL OffsetViewportOrgEx(HDC h, int dx, int dy, POINT* previous) {
    DeviceContext* dc = FindDC(h);
    if (!dc) return FALSE;
    POINT p = dc->state.viewportOrg;
    return SetViewportOrgEx(h, p.x + dx, p.y + dy, previous);
}

BOOL OffsetWindowOrgEx(HDC h, int dx, int dy, POINT* previous) {
    DeviceContext* dc = FindDC(h);
    if (!dc) return FALSE;
    POINT p = dc->state.windowOrg;
    return SetWindowOrgEx(h, p.x + dx, p.y + dy, previous);
}

int SetMapMode(HDC h, int mode) {
    DeviceContext* dc = FindDC(h);
    if (!dc || mode < MM_TEXT || mode > MM_ANISOTROPIC) return 0;
    DCState& s = dc->state;
    int old = std::exchange(s.mapMode, mode);
    int dpi = dc->options.dpi;
    auto metric = [&](int unitsPerInch) {
        s.windowExt = {unitsPerInch, unitsPerInch};
        s.viewportExt = {dpi, -dpi};
    };
    switch (mode) {
        case MM_TEXT: s.windowExt = s.viewportExt = {1, 1}; break;
        case MM_LOMETRIC: metric(254); break;
        case MM_HIMETRIC: metric(2540); break;
        case MM_LOENGLISH: metric(100); break;
        case MM_HIENGLISH: metric(1000); break;
        case MM_TWIPS: metric(1440); break;
        case MM_ISOTROPIC:
            if (old != MM_ANISOTROPIC) metric(254);
            break;
        default: break;
    }
    return old;
}

namespace {

// Extents only change in the two scalable mapping modes.
BOOL SetExtent(HDC h, SIZE DCState::*member, int cx, int cy, SIZE* previous) {
    DeviceContext* dc = FindDC(h);
    if (!dc) return FALSE;
    if (previous) *previous = dc->state.*member;
    if (dc->state.mapMode != MM_ISOTROPIC && dc->state.mapMode != MM_ANISOTROPIC) return TRUE;
    if (cx == 0 || cy == 0) return FALSE;
    dc->state.*member = {cx, cy};
    FitIsotropic(dc->state);
    return TRUE;
}

}  // namespace

BOOL SetWindowExtEx(HDC h, int cx, int cy, SIZE* previous) { return SetExtent(h, &DCState::windowExt, cx, cy, previous); }

BOOL SetViewportExtEx(HDC h, int cx, int cy, SIZE* previous) {
    return SetExtent(h, &DCState::viewportExt, cx, cy, previous);
}

BOOL GetWindowExtEx(HDC h, SIZE* extent) {
    DeviceContext* dc = FindDC(h);
    if (!dc || !extent) return FALSE;
    *extent = dc->state.windowExt;
    return TRUE;
}

BOOL GetViewportExtEx(HDC h, SIZE* extent) {
    DeviceContext* dc = FindDC(h);
    if (!dc || !extent) return FALSE;
    *extent = dc->state.viewportExt;
    return TRUE;
}

BOOL LPtoDP(HDC h, POINT* points, int count) {
    DeviceContext* dc = FindDC(h);
    if (!dc || !points) return FALSE;
    for (int i = 0; i < count; ++i) {
        QPoint p = ToDevicePoint(dc->state, points[i].x, points[i].y);
        points[i] = {p.x(), p.y()};
    }
    return TRUE;
}

BOOL DPtoLP(HDC h, POINT* points, int count) {
    DeviceContext* dc = FindDC(h);
    if (!dc || !points) return FALSE;
    const DCState& s = dc->state;
    for (int i = 0; i < count; ++i) {
        double x = double(points[i].x - s.viewportOrg.x) * s.windowExt.cx / s.viewportExt.cx + s.windowOrg.x;
        double y = double(points[i].y - s.viewportOrg.y) * s.windowExt.cy / s.viewportExt.cy + s.windowOrg.y;
        points[i] = {LONG(std::lround(x)), LONG(std::lround(y))};
    }
    return TRUE;
}

int GetDeviceCaps(HDC h, int index) {
    DeviceContext* dc = FindDC(h);
    if (!dc) return 0;
    const SurfaceDCOptions& o = dc->options;
    bool printer = !dc->memory && o.printer;
    QSize size = printer ? DeviceSize(*dc) : QSize(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    switch (index) {
        case DRIVERVERSION: return 0x4000;
        case TECHNOLOGY: return printer ? DT_RASPRINTER : DT_RASDISPLAY;
        case HORZRES: return size.width();
        case VERTRES: return size.height();
        case HORZSIZE: return int(std::lround(size.width() * 25.4 / o.dpi));
        case VERTSIZE: return int(std::lround(size.height() * 25.4 / o.dpi));
        case BITSPIXEL: return 32;
        case PLANES: return 1;
        case NUMBRUSHES:
        case NUMPENS:
        case NUMCOLORS: return -1;
        case NUMFONTS: return 0;
        case RASTERCAPS:
            return RC_BITBLT | RC_BITMAP64 | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT | RC_STRETCHDIB;
        case LOGPIXELSX:
        case LOGPIXELSY: return o.dpi;
        case SIZEPALETTE:
        case NUMRESERVED: return 0;
        case COLORRES: return 24;
        case PHYSICALWIDTH: return printer ? std::max<int>(o.physicalSize.cx, size.width()) : 0;
        case PHYSICALHEIGHT: return printer ? std::max<int>(o.physicalSize.cy, size.height()) : 0;
        case PHYSICALOFFSETX: return printer ? o.physicalOffset.x : 0;
        case PHYSICALOFFSETY: return printer ? o.physicalOffset.y : 0;
        default: return 0;
    }
}

COLORREF GetNearestColor(HDC h, COLORREF color) {
    DeviceContext* dc = FindDC(h);
    if (!dc) return CLR_INVALID;
    Bitmap* b = SurfaceOf(*dc);
    if (b && b->bitsPixel == 1) return ToColorRef(NearestMono(ToPixel(color)));
    return color & 0xFFFFFF;
}

BOOL GdiFlush() { return TRUE; }
