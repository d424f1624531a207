// Regions and the clip region of device contexts.
#include <QPainterPath>
#include <cmath>
#include <cstring>

#include "platform/gdi/qt/gdi_internal.h"

using namespace gdi;

namespace {

QRect RectOf(int left, int top, int right, int bottom) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

int Complexity(const QRegion& r) {
    if (r.isEmpty()) return NULLREGION;
    return r.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

RECT ToRECT(const QRect& r) {
    if (r.isEmpty()) return {};
    return {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}

QPolygon ToPolygon(const POINT* points, int count) {
    QPolygon polygon;
    for (int i = 0; i < count; ++i) polygon << QPoint(points[i].x, points[i].y);
    return polygon;
}

// Logical region coordinates to device ones (origins only, as the regions of
// FillRgn and friends are given).
QRegion RegionToDevice(const DCState& s, const QRegion& r) {
    QPoint p = ToDevicePoint(s, 0, 0);
    return r.translated(p);
}

// The DC's clip, or its whole device area when it has none.
QRegion CurrentClip(DeviceContext& dc) {
    return dc.state.clip ? *dc.state.clip : QRegion(QRect(QPoint(0, 0), DeviceSize(dc)));
}

// The DC's whole clip in surface pixels.
SurfaceClip WholeClip(DeviceContext& dc) { return SurfaceClip(dc, QRect(QPoint(0, 0), DeviceSize(dc)).translated(dc.origin)); }

int Complexity(const SurfaceClip& clip) {
    if (clip.IsEmpty()) return NULLREGION;
    return clip.IsRect() ? SIMPLEREGION : COMPLEXREGION;
}

int ClipResult(DeviceContext& dc) { return Complexity(WholeClip(dc)); }

}  // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) { return AddRegion(QRegion(RectOf(left, top, right, bottom))); }

HRGN CreateRectRgnIndirect(const RECT* r) { return r ? CreateRectRgn(r->left, r->top, r->right, r->bottom) : 0; }

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int widthEllipse, int heightEllipse) {
    QPainterPath path;
    QRect rect = RectOf(left, top, right, bottom);
    path.addRoundedRect(QRectF(rect.left(), rect.top(), rect.width(), rect.height()), widthEllipse / 2.0,
                        heightEllipse / 2.0);
    return AddRegion(QRegion(path.toFillPolygon().toPolygon()));
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
    return AddRegion(QRegion(RectOf(left, top, right, bottom), QRegion::Ellipse));
}

HRGN CreateEllipticRgnIndirect(const RECT* r) {
    return r ? CreateEllipticRgn(r->left, r->top, r->right, r->bottom) : 0;
}

HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode) {
    if (!points || count < 2) return 0;
    return AddRegion(QRegion(ToPolygon(points, count), fillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill));
}

HRGN CreatePolyPolygonRgn(const POINT* points, const int* counts, int polygons, int fillMode) {
    if (!points || !counts) return 0;
    QPainterPath path;
    path.setFillRule(fillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    for (int i = 0; i < polygons; points += counts[i++]) path.addPolygon(QPolygonF(ToPolygon(points, counts[i])));
    QRegion region;
    for (const QPolygonF& p : path.toFillPolygons()) region += QRegion(p.toPolygon(), path.fillRule());
    return AddRegion(region);
}

HRGN ExtCreateRegion(const void*, DWORD size, const RGNDATA* data) {
    if (!data || size < sizeof(RGNDATAHEADER) || data->rdh.iType != RDH_RECTANGLES) return 0;
    if (size < sizeof(RGNDATAHEADER) + data->rdh.nCount * sizeof(RECT)) return 0;
    QRegion region;
    const char* p = data->Buffer;
    for (DWORD i = 0; i < data->rdh.nCount; ++i, p += sizeof(RECT)) {
        RECT r;
        std::memcpy(&r, p, sizeof r);
        if (r.left < r.right && r.top < r.bottom) region += RectOf(r.left, r.top, r.right, r.bottom);
    }
    return AddRegion(region);
}

DWORD GetRegionData(HRGN h, DWORD size, RGNDATA* data) {
    Region* r = FindRegion(h);
    if (!r) return 0;
    DWORD needed = DWORD(sizeof(RGNDATAHEADER) + r->region.rectCount() * sizeof(RECT));
    if (!data) return needed;
    if (size < needed) return 0;
    data->rdh = RGNDATAHEADER{};
    data->rdh.nCount = DWORD(r->region.rectCount());
    data->rdh.nRgnSize = DWORD(r->region.rectCount() * sizeof(RECT));
    data->rdh.rcBound = ToRECT(r->region.boundingRect());
    char* p = data->Buffer;
    for (const QRect& q : r->region) {
        RECT rect = ToRECT(q);
        std::memcpy(p, &rect, sizeof rect);
        p += sizeof rect;
    }
    return needed;
}

int CombineRgn(HRGN dest, HRGN source1, HRGN source2, int mode) {
    Region* d = FindRegion(dest);
    Region* a = FindRegion(source1);
    Region* b = FindRegion(source2);
    if (!d || !a || (mode != RGN_COPY && !b)) return ERROR;
    switch (mode) {
        case RGN_AND: d->region = a->region & b->region; break;
        case RGN_OR: d->region = a->region | b->region; break;
        case RGN_XOR: d->region = a->region ^ b->region; break;
        case RGN_DIFF: d->region = a->region - b->region; break;
        case RGN_COPY: d->region = a->region; break;
        default: return ERROR;
    }
    return Complexity(d->region);
}

int OffsetRgn(HRGN h, int dx, int dy) {
    Region* r = FindRegion(h);
    if (!r) return ERROR;
    r->region.translate(dx, dy);
    return Complexity(r->region);
}

BOOL SetRectRgn(HRGN h, int left, int top, int right, int bottom) {
    Region* r = FindRegion(h);
    if (!r) return FALSE;
    r->region = QRegion(RectOf(left, top, right, bottom));
    return TRUE;
}

BOOL PtInRegion(HRGN h, int x, int y) {
    Region* r = FindRegion(h);
    return r && r->region.contains(QPoint(x, y));
}

BOOL RectInRegion(HRGN h, const RECT* rect) {
    Region* r = FindRegion(h);
    return r && rect && r->region.intersects(RectOf(rect->left, rect->top, rect->right, rect->bottom));
}

int GetRgnBox(HRGN h, RECT* rect) {
    Region* r = FindRegion(h);
    if (!r || !rect) return ERROR;
    *rect = ToRECT(r->region.boundingRect());
    return Complexity(r->region);
}

BOOL EqualRgn(HRGN a, HRGN b) {
    Region* ra = FindRegion(a);
    Region* rb = FindRegion(b);
    return ra && rb && ra->region == rb->region;
}

namespace {

BOOL PaintRegion(HDC h, const QRegion& logical, const PaintSource& source, int rop2) {
    DeviceContext* dc = FindDC(h);
    if (!dc) return FALSE;
    for (const QRect& r : RegionToDevice(dc->state, logical)) PaintRect(*dc, r, source, rop2);
    return TRUE;
}

}  // namespace

BOOL FillRgn(HDC h, HRGN region, HBRUSH brush) {
    DeviceContext* dc = FindDC(h);
    Region* r = FindRegion(region);
    if (!dc || !r || !FindBrush(brush)) return FALSE;
    return PaintRegion(h, r->region, BrushSource(*dc, brush), R2_COPYPEN);
}

BOOL PaintRgn(HDC h, HRGN region) {
    DeviceContext* dc = FindDC(h);
    Region* r = FindRegion(region);
    if (!dc || !r) return FALSE;
    return PaintRegion(h, r->region, CurrentBrush(*dc), dc->state.rop2);
}

BOOL InvertRgn(HDC h, HRGN region) {
    Region* r = FindRegion(region);
    if (!r) return FALSE;
    return PaintRegion(h, r->region, SolidSource(0), R2_NOT);
}

BOOL FrameRgn(HDC h, HRGN region, HBRUSH brush, int width, int height) {
    DeviceContext* dc = FindDC(h);
    Region* r = FindRegion(region);
    if (!dc || !r || !FindBrush(brush)) return FALSE;
    const QRegion& all = r->region;
    QRegion inner = all & all.translated(width, 0) & all.translated(-width, 0) & all.translated(0, height) &
                    all.translated(0, -height);
    return PaintRegion(h, all - inner, BrushSource(*dc, brush), R2_COPYPEN);
}

int SelectClipRgn(HDC h, HRGN region) { return ExtSelectClipRgn(h, region, RGN_COPY); }

int ExtSelectClipRgn(HDC h, HRGN region, int mode) {
    DeviceContext* dc = FindDC(h);
    if (!dc) return ERROR;
    Region* r = FindRegion(region);
    if (!r) {
        if (mode != RGN_COPY) return ERROR;
        dc->state.clip.reset();
        return ClipResult(*dc);
    }
    QRegion current = CurrentClip(*dc);
    switch (mode) {
        case RGN_COPY: dc->state.clip = r->region; break;
        case RGN_AND: dc->state.clip = current & r->region; break;
        case RGN_OR: dc->state.clip = current | r->region; break;
        case RGN_XOR: dc->state.clip = current ^ r->region; break;
        case RGN_DIFF: dc->state.clip = current - r->region; break;
        default: return ERROR;
    }
    return ClipResult(*dc);
}

int IntersectClipRect(HDC h, int left, int top, int right, int bottom) {
    DeviceContext* dc = FindDC(h);
    if (!dc) return ERROR;
    dc->state.clip = CurrentClip(*dc) & ToDeviceRect(dc->state, left, top, right, bottom);
    return ClipResult(*dc);
}

int ExcludeClipRect(HDC h, int left, int top, int right, int bottom) {
    DeviceContext* dc = FindDC(h);
    if (!dc) return ERROR;
    dc->state.clip = CurrentClip(*dc) - ToDeviceRect(dc->state, left, top, right, bottom);
    return ClipResult(*dc);
}

int OffsetClipRgn(HDC h, int dx, int dy) {
    DeviceContext* dc = FindDC(h);
    if (!dc) return ERROR;
    if (dc->state.clip)
        dc->state.clip->translate(int(std::lround(ScaleX(dc->state, dx))), int(std::lround(ScaleY(dc->state, dy))));
    return ClipResult(*dc);
}

int GetClipBox(HDC h, RECT* rect) {
    DeviceContext* dc = FindDC(h);
    if (!dc || !rect) return ERROR;
    const SurfaceClip clip = WholeClip(*dc);
    const QRect box = clip.BoundingRect().translated(-dc->origin);
    if (box.isEmpty()) {
        *rect = {};
        return NULLREGION;
    }
    POINT corners[2] = {{box.left(), box.top()}, {box.right() + 1, box.bottom() + 1}};
    DPtoLP(h, corners, 2);
    *rect = {std::min(corners[0].x, corners[1].x), std::min(corners[0].y, corners[1].y),
             std::max(corners[0].x, corners[1].x), std::max(corners[0].y, corners[1].y)};
    return Complexity(clip);
}

int GetClipRgn(HDC h, HRGN region) {
    DeviceContext* dc = FindDC(h);
    Region* r = FindRegion(region);
    if (!dc || !r) return -1;
    if (!dc->state.clip) return 0;
    r->region = *dc->state.clip;
    return 1;
}

BOOL RectVisible(HDC h, const RECT* rect) {
    DeviceContext* dc = FindDC(h);
    if (!dc || !rect) return FALSE;
    QRect r = ToDeviceRect(dc->state, rect->left, rect->top, rect->right, rect->bottom).translated(dc->origin);
    return !SurfaceClip(*dc, r).IsEmpty();
}

BOOL PtVisible(HDC h, int x, int y) {
    DeviceContext* dc = FindDC(h);
    if (!dc) return FALSE;
    return WholeClip(*dc).Contains(ToDevicePoint(dc->state, x, y) + dc->origin);
}
