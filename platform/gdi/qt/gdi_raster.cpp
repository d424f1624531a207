// The raster core: brush patterns, coverage masks painted through the clip
// with the exact binary raster operations, and the line and shape drawing
// built on them.
#include <QPainter>
#include <QPen>
#include <cmath>
#include <deque>

#include "platform/gdi/qt/gdi_internal.h"

namespace gdi {

std::uint32_t PaintSource::At(int x, int y) const {
    if (kind == Solid) return color;
    int w = pattern.width(), h = pattern.height();
    int px = ((x - origin.x()) % w + w) % w, py = ((y - origin.y()) % h + h) % h;
    return reinterpret_cast<const std::uint32_t*>(pattern.constScanLine(py))[px];
}

bool PaintSource::Skips(int x, int y) const { return kind == Pattern && (At(x, y) >> 24) == 0; }

PaintSource SolidSource(COLORREF color) {
    PaintSource s;
    s.kind = PaintSource::Solid;
    s.color = ToPixel(color);
    return s;
}

namespace {

bool HatchBit(int hatch, int x, int y) {
    switch (hatch) {
        case HS_HORIZONTAL: return y == 7;
        case HS_VERTICAL: return x == 7;
        case HS_FDIAGONAL: return x == y;
        case HS_BDIAGONAL: return x + y == 7;
        case HS_CROSS: return x == 7 || y == 7;
        default: return x == y || x + y == 7;
    }
}

}  // namespace

PaintSource BrushSource(DeviceContext& dc, HBRUSH handle) {
    Brush* brush = FindBrush(handle);
    PaintSource s;
    if (!brush || brush->style == BS_NULL) return s;
    const DCState& st = dc.state;
    s.origin = QPoint(st.brushOrg.x, st.brushOrg.y) + dc.origin;
    if (brush->style == BS_SOLID) {
        return SolidSource(handle == GetStockObject(DC_BRUSH) ? st.dcBrushColor : brush->color);
    }
    s.kind = PaintSource::Pattern;
    if (brush->style == BS_HATCHED) {
        s.pattern = QImage(8, 8, QImage::Format_ARGB32);
        std::uint32_t back = st.bkMode == OPAQUE ? ToPixel(st.bkColor) : 0;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) s.pattern.setPixel(x, y, HatchBit(brush->hatch, x, y) ? ToPixel(brush->color) : back);
        return s;
    }
    s.pattern = brush->pattern.convertToFormat(QImage::Format_ARGB32);
    if (brush->monoPattern) {
        std::uint32_t fore = ToPixel(st.textColor), back = ToPixel(st.bkColor);
        for (int y = 0; y < s.pattern.height(); ++y) {
            auto* row = reinterpret_cast<std::uint32_t*>(s.pattern.scanLine(y));
            for (int x = 0; x < s.pattern.width(); ++x) row[x] = (row[x] & 0xFFFFFF) ? back : fore;
        }
    }
    return s;
}

PaintSource CurrentBrush(DeviceContext& dc) { return BrushSource(dc, dc.state.brush); }

COLORREF PenColor(DeviceContext& dc, const Pen& pen) {
    return dc.state.pen == GetStockObject(DC_PEN) ? dc.state.dcPenColor : pen.color;
}

namespace {

// Paints `area` (device pixels, before mirroring) where `mask` (Alpha8, the
// area's size) has a set pixel, or all of it without a mask. A solid colour
// copied (R2_COPYPEN, as fills, cell backgrounds and text are drawn) needs
// no raster operation: each covered pixel becomes the colour, a whole row of
// a clip rectangle at once without a mask.
void PaintArea(DeviceContext& dc, QRect area, const PaintSource& source, int rop2, bool flip, const QImage* mask) {
    if (source.kind == PaintSource::None || area.isEmpty()) return;
    bool mirrored = Mirrored(dc.state);
    if (mirrored) area.moveLeft(DeviceSize(dc).width() - area.right() - 1);
    QRect placed = area.translated(dc.origin);
    SurfaceClip clip(dc, placed);
    if (clip.IsEmpty()) return;
    SurfaceAccess access(dc);
    QImage& image = access.Image();
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    auto rowAt = [&](int y) { return reinterpret_cast<std::uint32_t*>(bits + y * stride); };
    bool mono = access.Monochrome();
    bool flipped = mirrored && flip;
    // The mask column of surface column x.
    auto column = [&](int x) { return flipped ? placed.right() - x : x - placed.left(); };
    if (source.kind == PaintSource::Solid && rop2 == R2_COPYPEN) {
        std::uint32_t pixel = 0xFF000000u | ((mono ? NearestMono(source.color) : source.color) & 0xFFFFFFu);
        clip.ForEachRect([&](const QRect& r) {
            for (int y = r.top(); y <= r.bottom(); ++y) {
                std::uint32_t* row = rowAt(y);
                if (!mask) {
                    FillPixels(row + r.left(), r.width(), pixel);
                    continue;
                }
                const uchar* coverage = mask->constScanLine(y - placed.top());
                for (int x = r.left(); x <= r.right(); ++x)
                    if (coverage[column(x)] >= 128) row[x] = pixel;
            }
        });
        return;
    }
    clip.ForEachRect([&](const QRect& r) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            std::uint32_t* row = rowAt(y);
            const uchar* coverage = mask ? mask->constScanLine(y - placed.top()) : nullptr;
            for (int x = r.left(); x <= r.right(); ++x) {
                if ((coverage && coverage[column(x)] < 128) || source.Skips(x, y)) continue;
                std::uint32_t s = source.At(x, y);
                if (mono) s = NearestMono(s);
                row[x] = 0xFF000000u | (ApplyRop2(rop2, s, row[x]) & 0xFFFFFFu);
            }
        }
    });
}

}  // namespace

void PaintMask(DeviceContext& dc, const QImage& mask, QPoint position, const PaintSource& source, int rop2,
               bool keepOrientation) {
    PaintArea(dc, QRect(position, mask.size()), source, rop2, !keepOrientation, &mask);
}

void PaintRect(DeviceContext& dc, const QRect& rect, const PaintSource& source, int rop2) {
    PaintArea(dc, rect, source, rop2, true, nullptr);
}

namespace {

QImage NewMask(const QRectF& bounds, int margin, QPoint* position) {
    QRect box = bounds.toAlignedRect().adjusted(-margin, -margin, margin, margin);
    *position = box.topLeft();
    QImage mask(box.size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    mask.fill(0);
    return mask;
}

}  // namespace

QImage FillMask(const QPainterPath& path, Qt::FillRule rule, QPoint* position) {
    QImage mask = NewMask(path.boundingRect(), 1, position);
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.translate(-*position);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    QPainterPath filled = path;
    filled.setFillRule(rule);
    p.drawPath(filled);
    p.end();
    return mask.convertToFormat(QImage::Format_Alpha8);
}

QImage StrokeMask(const QPainterPath& path, const Pen& pen, double width, QPoint* position) {
    QImage mask = NewMask(path.boundingRect(), int(width) + 2, position);
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.translate(-*position);
    QPen q(Qt::black);
    q.setWidthF(std::max(width, 1.0));
    bool extended = pen.extended;
    switch (pen.style & PS_ENDCAP_MASK) {
        case PS_ENDCAP_FLAT: q.setCapStyle(extended ? Qt::FlatCap : Qt::RoundCap); break;
        case PS_ENDCAP_SQUARE: q.setCapStyle(extended ? Qt::SquareCap : Qt::RoundCap); break;
        default: q.setCapStyle(Qt::RoundCap);
    }
    switch (pen.style & PS_JOIN_MASK) {
        case PS_JOIN_BEVEL: q.setJoinStyle(extended ? Qt::BevelJoin : Qt::RoundJoin); break;
        case PS_JOIN_MITER: q.setJoinStyle(extended ? Qt::MiterJoin : Qt::RoundJoin); break;
        default: q.setJoinStyle(Qt::RoundJoin);
    }
    switch (pen.Style()) {
        case PS_DASH: q.setStyle(Qt::DashLine); break;
        case PS_DOT: q.setStyle(Qt::DotLine); break;
        case PS_DASHDOT: q.setStyle(Qt::DashDotLine); break;
        case PS_DASHDOTDOT: q.setStyle(Qt::DashDotDotLine); break;
        default: break;
    }
    p.setPen(q);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.end();
    return mask.convertToFormat(QImage::Format_Alpha8);
}

}  // namespace gdi

using namespace gdi;

std::uint32_t ApplyRop3(DWORD rop, std::uint32_t pattern, std::uint32_t source, std::uint32_t dest) {
    unsigned index = rop > 0xFF ? (rop >> 16) & 0xFF : rop;
    std::uint32_t result = 0;
    for (unsigned i = 0; i < 8; ++i) {
        if (!(index & (1u << i))) continue;
        result |= ((i & 4) ? pattern : ~pattern) & ((i & 2) ? source : ~source) & ((i & 1) ? dest : ~dest);
    }
    return result;
}

std::uint32_t ApplyRop2(int rop2, std::uint32_t pen, std::uint32_t dest) {
    unsigned code = unsigned(rop2 - 1) & 0xF;
    std::uint32_t result = 0;
    for (unsigned i = 0; i < 4; ++i) {
        if (!(code & (1u << i))) continue;
        result |= ((i & 2) ? pen : ~pen) & ((i & 1) ? dest : ~dest);
    }
    return result;
}

namespace {

// Dash patterns of cosmetic pens, in pixels on, off, on, ...
std::vector<DWORD> CosmeticPattern(const Pen& pen) {
    switch (pen.Style()) {
        case PS_DASH: return {18, 6};
        case PS_DOT: return {3, 3};
        case PS_DASHDOT: return {9, 6, 3, 6};
        case PS_DASHDOTDOT: return {9, 3, 3, 3, 3, 3};
        case PS_ALTERNATE: return {1, 1};
        case PS_USERSTYLE: return pen.userStyle;
        default: return {};
    }
}

// Collects the pixels of cosmetic (one-pixel) lines, with the pen's dash
// pattern running on across segments, then paints dashes with the pen's
// colour and gaps with the background colour in opaque mode.
class CosmeticLines {
public:
    explicit CosmeticLines(const Pen& pen) : pattern_(CosmeticPattern(pen)) {}

    // Bresenham from a to b, leaving out b as the platform does.
    void Segment(QPoint a, QPoint b) {
        int dx = std::abs(b.x() - a.x()), dy = -std::abs(b.y() - a.y());
        int sx = a.x() < b.x() ? 1 : -1, sy = a.y() < b.y() ? 1 : -1;
        int err = dx + dy;
        QPoint p = a;
        while (p != b) {
            Plot(p);
            int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                p.rx() += sx;
            }
            if (e2 <= dx) {
                err += dx;
                p.ry() += sy;
            }
        }
    }
    void Plot(QPoint p) {
        bool on = true;
        if (!pattern_.empty()) {
            on = index_ % 2 == 0;
            if (++step_ >= int(std::max<DWORD>(pattern_[index_], 1))) {
                step_ = 0;
                index_ = (index_ + 1) % pattern_.size();
            }
        }
        (on ? dashes_ : gaps_).push_back(p);
        bounds_ |= QRect(p, QSize(1, 1));
    }
    void Paint(DeviceContext& dc, const PaintSource& pen, int rop2) {
        PaintPoints(dc, dashes_, pen, rop2);
        if (dc.state.bkMode == OPAQUE) PaintPoints(dc, gaps_, SolidSource(dc.state.bkColor), rop2);
    }

private:
    void PaintPoints(DeviceContext& dc, const std::vector<QPoint>& points, const PaintSource& source, int rop2) {
        if (points.empty()) return;
        QImage mask(bounds_.size(), QImage::Format_Alpha8);
        mask.fill(0);
        for (QPoint p : points) mask.scanLine(p.y() - bounds_.top())[p.x() - bounds_.left()] = 255;
        PaintMask(dc, mask, bounds_.topLeft(), source, rop2);
    }

    std::vector<DWORD> pattern_;
    size_t index_ = 0;
    int step_ = 0;
    std::vector<QPoint> dashes_, gaps_;
    QRect bounds_;
};

Pen* CurrentPen(DeviceContext& dc) {
    Pen* pen = FindPen(dc.state.pen);
    return pen && pen->Style() != PS_NULL ? pen : nullptr;
}

double PenWidth(DeviceContext& dc, const Pen& pen) { return std::max(1.0, std::abs(ScaleX(dc.state, pen.width))); }

// Draws connected device-space lines with the current pen.
void StrokeLines(DeviceContext& dc, const std::vector<QPoint>& points, bool closed) {
    Pen* pen = CurrentPen(dc);
    if (!pen || points.size() < 2) return;
    PaintSource color = SolidSource(PenColor(dc, *pen));
    if (pen->Cosmetic()) {
        CosmeticLines lines(*pen);
        for (size_t i = 1; i < points.size(); ++i) lines.Segment(points[i - 1], points[i]);
        if (closed) lines.Segment(points.back(), points.front());
        lines.Paint(dc, color, dc.state.rop2);
        return;
    }
    QPainterPath path;
    path.moveTo(QPointF(points[0]) + QPointF(0.5, 0.5));
    for (size_t i = 1; i < points.size(); ++i) path.lineTo(QPointF(points[i]) + QPointF(0.5, 0.5));
    if (closed) path.closeSubpath();
    QPoint at;
    QImage mask = StrokeMask(path, *pen, PenWidth(dc, *pen), &at);
    PaintMask(dc, mask, at, color, dc.state.rop2);
}

// Draws a curve's outline with the current pen.
void StrokeCurve(DeviceContext& dc, const QPainterPath& path) {
    Pen* pen = CurrentPen(dc);
    if (!pen) return;
    QPoint at;
    QImage mask = StrokeMask(path, *pen, pen->Cosmetic() ? 1.0 : PenWidth(dc, *pen), &at);
    PaintMask(dc, mask, at, SolidSource(PenColor(dc, *pen)), dc.state.rop2);
}

void FillPath(DeviceContext& dc, const QPainterPath& path) {
    PaintSource brush = CurrentBrush(dc);
    if (brush.kind == PaintSource::None) return;
    QPoint at;
    QImage mask = FillMask(path, dc.state.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill, &at);
    PaintMask(dc, mask, at, brush, dc.state.rop2);
}

std::vector<QPoint> DevicePoints(DeviceContext& dc, const POINT* points, int count) {
    std::vector<QPoint> out;
    for (int i = 0; i < count; ++i) out.push_back(ToDevicePoint(dc.state, points[i].x, points[i].y));
    return out;
}

// The device rectangle a shape with the given logical bounds occupies; the
// inside-frame style keeps a wide pen within the bounds.
QRectF ShapeBounds(DeviceContext& dc, int left, int top, int right, int bottom) {
    QRect r = ToDeviceRect(dc.state, left, top, right, bottom);
    QRectF shape(r.left() + 0.5, r.top() + 0.5, r.width() - 1, r.height() - 1);
    Pen* pen = CurrentPen(dc);
    if (pen && pen->Style() == PS_INSIDEFRAME && pen->width > 1) {
        double inset = (PenWidth(dc, *pen) - 1) / 2;
        shape.adjust(inset, inset, -inset, -inset);
    }
    return shape;
}

enum class ArcKind { Arc, Pie, Chord };

double AngleOf(const QRectF& box, QPointF p) {
    QPointF c = box.center();
    return std::atan2(-(p.y() - c.y()) * box.width() / std::max(box.height(), 1.0), p.x() - c.x()) * 180 / M_PI;
}

BOOL DrawArc(HDC h, int left, int top, int right, int bottom, int x1, int y1, int x2, int y2, ArcKind kind) {
    DeviceContext* dc = FindDC(h);
    if (!dc) return FALSE;
    QRectF box = ShapeBounds(*dc, left, top, right, bottom);
    double start = AngleOf(box, ToDevice(dc->state, x1, y1));
    double end = AngleOf(box, ToDevice(dc->state, x2, y2));
    double sweep = end - start;
    if (dc->state.arcDirection == AD_COUNTERCLOCKWISE) {
        while (sweep <= 0) sweep += 360;
    } else {
        while (sweep >= 0) sweep -= 360;
    }
    QPainterPath path;
    if (kind == ArcKind::Pie) {
        path.moveTo(box.center());
        path.arcTo(box, start, sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(box, start);
        path.arcTo(box, start, sweep);
        if (kind == ArcKind::Chord) path.closeSubpath();
    }
    if (kind != ArcKind::Arc) FillPath(*dc, path);
    StrokeCurve(*dc, path);
    return TRUE;
}

}  // namespace

BOOL MoveToEx(HDC h, int x, int y, POINT* previous) {
    DeviceContext* dc = FindDC(h);
    if (!dc) return FALSE;
    if (previous) *previous = dc->state.position;
    dc->state.position = {x, y};
    return TRUE;
}

BOOL GetCurrentPositionEx(HDC h, POINT* position) {
    DeviceContext* dc = FindDC(h);
    if (!dc || !position) return FALSE;
    *position = dc->state.position;
    return TRUE;
}

BOOL LineTo(HDC h, int x, int y) {
    DeviceContext* dc = FindDC(h);
    if (!dc) return FALSE;
    POINT from = dc->state.position;
    POINT points[2] = {from, {x, y}};
    StrokeLines(*dc, DevicePoints(*dc, points, 2), false);
    dc->state.position = {x, y};
    return TRUE;
}

BOOL Polyline(HDC h, const POINT* points, int count) {
    DeviceContext* dc = FindDC(h);
    if (!dc || !points || count < 2) return FALSE;
    StrokeLines(*dc, DevicePoints(*dc, points, count), false);
    return TRUE;
}

BOOL PolylineTo(HDC h, const POINT* points, DWORD count) {
    DeviceContext* dc = FindDC(h);
    if (!dc || !points || count == 0) return FALSE;
    std::vector<POINT> all{dc->state.position};
    all.insert(all.end(), points, points + count);
    StrokeLines(*dc, DevicePoints(*dc, all.data(), int(all.size())), false);
    dc->state.position = points[count - 1];
    return TRUE;
}

BOOL PolyPolyline(HDC h, const POINT* points, const DWORD* counts, DWORD polylines) {
    DeviceContext* dc = FindDC(h);
    if (!dc || !points || !counts) return FALSE;
    for (DWORD i = 0; i < polylines; points += counts[i++]) StrokeLines(*dc, DevicePoints(*dc, points, int(counts[i])), false);
    return TRUE;
}

BOOL Polygon(HDC h, const POINT* points, int count) {
    DeviceContext* dc = FindDC(h);
    if (!dc || !points || count < 2) return FALSE;
    std::vector<QPoint> device = DevicePoints(*dc, points, count);
    QPainterPath path;
    path.addPolygon(QPolygonF(QPolygon(QList<QPoint>(device.begin(), device.end()))).translated(0.5, 0.5));
    path.closeSubpath();
    FillPath(*dc, path);
    StrokeLines(*dc, device, true);
    return TRUE;
}

BOOL PolyPolygon(HDC h, const POINT* points, const int* counts, int polygons) {
    DeviceContext* dc = FindDC(h);
    if (!dc || !points || !counts) return FALSE;
    QPainterPath path;
    const POINT* p = points;
    for (int i = 0; i < polygons; p += counts[i++]) {
        std::vector<QPoint> device = DevicePoints(*dc, p, counts[i]);
        path.addPolygon(QPolygonF(QPolygon(QList<QPoint>(device.begin(), device.end()))).translated(0.5, 0.5));
        path.closeSubpath();
    }
    FillPath(*dc, path);
    p = points;
    for (int i = 0; i < polygons; p += counts[i++]) StrokeLines(*dc, DevicePoints(*dc, p, counts[i]), true);
    return TRUE;
}

BOOL Rectangle(HDC h, int left, int top, int right, int bottom) {
    DeviceContext* dc = FindDC(h);
    if (!dc) return FALSE;
    QRect r = ToDeviceRect(dc->state, left, top, right, bottom);
    Pen* pen = CurrentPen(*dc);
    // The brush fills inside the outline; without a pen it fills one pixel
    // less to the right and bottom.
    QRect inside = pen ? r.adjusted(1, 1, -1, -1) : r.adjusted(0, 0, -1, -1);
    PaintRect(*dc, inside, CurrentBrush(*dc), dc->state.rop2);
    if (!pen) return TRUE;
    if (pen->Cosmetic() || (pen->Style() == PS_INSIDEFRAME && pen->width <= 1)) {
        StrokeLines(*dc, {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()}, true);
        return TRUE;
    }
    QPainterPath path;
    path.addRect(ShapeBounds(*dc, left, top, right, bottom));
    StrokeCurve(*dc, path);
    return TRUE;
}

BOOL RoundRect(HDC h, int left, int top, int right, int bottom, int width, int height) {
    DeviceContext* dc = FindDC(h);
    if (!dc) return FALSE;
    QRectF box = ShapeBounds(*dc, left, top, right, bottom);
    QPainterPath path;
    path.addRoundedRect(box, std::abs(ScaleX(dc->state, width)) / 2, std::abs(ScaleY(dc->state, height)) / 2);
    FillPath(*dc, path);
    StrokeCurve(*dc, path);
    return TRUE;
}

BOOL Ellipse(HDC h, int left, int top, int right, int bottom) {
    DeviceContext* dc = FindDC(h);
    if (!dc) return FALSE;
    QPainterPath path;
    path.addEllipse(ShapeBounds(*dc, left, top, right, bottom));
    FillPath(*dc, path);
    StrokeCurve(*dc, path);
    return TRUE;
}

BOOL Arc(HDC dc, int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
    return DrawArc(dc, left, top, right, bottom, x1, y1, x2, y2, ArcKind::Arc);
}

BOOL Pie(HDC dc, int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
    return DrawArc(dc, left, top, right, bottom, x1, y1, x2, y2, ArcKind::Pie);
}

BOOL Chord(HDC dc, int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
    return DrawArc(dc, left, top, right, bottom, x1, y1, x2, y2, ArcKind::Chord);
}

namespace {

// The surface pixel of a logical point, or false outside the clip.
bool SurfacePixel(DeviceContext& dc, int x, int y, QPoint* out) {
    QPoint p = ToDevicePoint(dc.state, x, y);
    if (Mirrored(dc.state)) p.setX(DeviceSize(dc).width() - 1 - p.x());
    p += dc.origin;
    if (!EffectiveClip(dc).contains(p)) return false;
    *out = p;
    return true;
}

}  // namespace

COLORREF GetPixel(HDC h, int x, int y) {
    DeviceContext* dc = FindDC(h);
    QPoint p;
    if (!dc || !SurfacePixel(*dc, x, y, &p)) return CLR_INVALID;
    SurfaceAccess access(*dc, false);
    return ToColorRef(access.Image().pixel(p));
}

COLORREF SetPixel(HDC h, int x, int y, COLORREF color) {
    DeviceContext* dc = FindDC(h);
    QPoint p;
    if (!dc || !SurfacePixel(*dc, x, y, &p)) return CLR_INVALID;
    SurfaceAccess access(*dc);
    std::uint32_t pixel = access.Monochrome() ? NearestMono(ToPixel(color)) : ToPixel(color);
    access.Image().setPixel(p, pixel);
    return ToColorRef(pixel);
}

BOOL SetPixelV(HDC dc, int x, int y, COLORREF color) { return SetPixel(dc, x, y, color) != CLR_INVALID; }

BOOL ExtFloodFill(HDC h, int x, int y, COLORREF color, UINT type) {
    DeviceContext* dc = FindDC(h);
    QPoint start;
    if (!dc || !SurfacePixel(*dc, x, y, &start)) return FALSE;
    QRegion clip = EffectiveClip(*dc);
    QRect bounds = clip.boundingRect();
    QImage mask(bounds.size(), QImage::Format_Alpha8);
    mask.fill(0);
    {
        SurfaceAccess access(*dc, false);
        const QImage& image = access.Image();
        std::uint32_t key = ToPixel(color) & 0xFFFFFF;
        auto fillable = [&](QPoint p) {
            std::uint32_t v = image.pixel(p) & 0xFFFFFF;
            return type == FLOODFILLSURFACE ? v == key : v != key;
        };
        if (!fillable(start)) return FALSE;
        std::deque<QPoint> queue{start};
        while (!queue.empty()) {
            QPoint p = queue.front();
            queue.pop_front();
            if (!clip.contains(p)) continue;
            uchar& m = mask.scanLine(p.y() - bounds.top())[p.x() - bounds.left()];
            if (m || !fillable(p)) continue;
            m = 255;
            for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) queue.push_back(p + d);
        }
    }
    // The mask is in surface pixels; PaintMask wants device pixels.
    DWORD layout = std::exchange(dc->state.layout, 0);
    PaintMask(*dc, mask, bounds.topLeft() - dc->origin, CurrentBrush(*dc), R2_COPYPEN);
    dc->state.layout = layout;
    return TRUE;
}

BOOL FloodFill(HDC dc, int x, int y, COLORREF color) { return ExtFloodFill(dc, x, y, color, FLOODFILLBORDER); }
