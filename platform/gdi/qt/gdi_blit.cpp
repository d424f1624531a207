// Block transfers: PatBlt, BitBlt, StretchBlt, MaskBlt, TransparentBlt and
// the DIB transfers, every ternary raster operation computed per pixel from
// source, destination and the destination's brush pattern.
#include <algorithm>
#include <cstring>

#include "platform/gdi/qt/gdi_internal.h"

using namespace gdi;

namespace {

unsigned RopIndex(DWORD rop) { return (rop >> 16) & 0xFF; }
bool UsesSource(unsigned index) { return ((index >> 2) ^ index) & 0x33; }
bool UsesPattern(unsigned index) { return ((index >> 4) ^ index) & 0x0F; }

// The source of a blit, read into a private copy (so source and destination
// may overlap) and converted to the destination's kind: monochrome pixels
// become the destination's text (black) and background (white) colours, and
// colour pixels going to a monochrome destination become white where they
// match the source's background colour.
struct BlitSource {
    QImage image;  // device pixels of the source rectangle
    bool valid = false;
};

BlitSource ReadSource(DeviceContext& src, QRect rect, DeviceContext& dest, bool destMono) {
    BlitSource out;
    SurfaceAccess access(src, false);
    const QImage& image = access.Image();
    if (Mirrored(src.state)) rect.moveLeft(DeviceSize(src).width() - rect.right() - 1);
    out.image = image.copy(rect.translated(src.origin));
    if (Mirrored(src.state) && !(src.state.layout & LAYOUT_BITMAPORIENTATIONPRESERVED))
        out.image = out.image.mirrored(true, false);
    bool srcMono = access.Monochrome() && !access.bitmap()->dibSection;
    std::uint32_t fore = ToPixel(dest.state.textColor), back = ToPixel(dest.state.bkColor);
    std::uint32_t key = ToPixel(src.state.bkColor) & 0xFFFFFF;
    for (int y = 0; y < out.image.height(); ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(out.image.scanLine(y));
        for (int x = 0; x < out.image.width(); ++x) {
            if (srcMono && !destMono)
                row[x] = (row[x] & 0xFFFFFF) ? back : fore;
            else if (!srcMono && destMono)
                row[x] = (row[x] & 0xFFFFFF) == key ? 0xFFFFFFFFu : 0xFF000000u;
        }
    }
    out.valid = true;
    return out;
}

// The device pixels of a blit rectangle given by a corner and extents. A
// negative extent runs back from the corner (covering corner + extent + 1
// up to the corner) and flips the picture on that axis.
QRect ExtentRect(DeviceContext& dc, int x, int y, int w, int h, bool* flipX, bool* flipY) {
    QPoint a = ToDevicePoint(dc.state, x, y), b = ToDevicePoint(dc.state, x + w, y + h);
    *flipX = b.x() < a.x();
    *flipY = b.y() < a.y();
    int left = *flipX ? b.x() + 1 : a.x(), right = *flipX ? a.x() : b.x() - 1;
    int top = *flipY ? b.y() + 1 : a.y(), bottom = *flipY ? a.y() : b.y() - 1;
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

struct MaskPlane {
    const QImage* image = nullptr;  // monochrome mask bitmap, RGB32
    QPoint origin;
};

// The transfer itself. `dest` is the logical destination rectangle (its
// width and height may be negative to flip), `srcRect` the source's device
// rectangle (likewise). `transparent` skips source pixels of that colour.
BOOL Transfer(DeviceContext& dc, int x, int y, int w, int h, DeviceContext* src, QRect srcRect, bool flipSrcX,
              bool flipSrcY, DWORD rop, const MaskPlane& mask, DWORD backgroundRop,
              std::optional<std::uint32_t> transparent) {
    bool flipX = false, flipY = false;
    QRect area = ExtentRect(dc, x, y, w, h, &flipX, &flipY);
    flipX = flipX != flipSrcX;
    flipY = flipY != flipSrcY;
    if (area.isEmpty()) return TRUE;
    bool mirrored = Mirrored(dc.state);
    if (mirrored) {
        area.moveLeft(DeviceSize(dc).width() - area.right() - 1);
        if (!(dc.state.layout & LAYOUT_BITMAPORIENTATIONPRESERVED)) flipX = !flipX;
    }
    unsigned fore = RopIndex(rop), back = RopIndex(backgroundRop);
    bool needSource = UsesSource(fore) || UsesSource(back) || transparent;
    bool destMono = SurfaceOf(dc)->bitsPixel == 1 && !SurfaceOf(dc)->dibSection;
    BlitSource source;
    if (needSource) {
        if (!src) return FALSE;
        source = ReadSource(*src, srcRect, dc, destMono);
        if (source.image.isNull()) return FALSE;
    }
    QRect placed = area.translated(dc.origin);
    // HALFTONE averages the source pixels that fall on one destination pixel.
    if (needSource && dc.state.stretchMode == HALFTONE && !mask.image && source.image.size() != placed.size())
        source.image = source.image.scaled(placed.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                           .convertToFormat(QImage::Format_RGB32);
    PaintSource pattern = CurrentBrush(dc);
    bool needPattern = UsesPattern(fore) || UsesPattern(back);
    SurfaceClip clip(dc, placed);
    if (clip.IsEmpty()) return TRUE;
    SurfaceAccess access(dc);
    QImage& image = access.Image();
    int sw = needSource ? source.image.width() : 1, sh = needSource ? source.image.height() : 1;
    // The window system's commonest transfers, a solid brush (PATCOPY) and an
    // unscaled copy (SRCCOPY, also one that skips a key colour), give the
    // same pixels without the per-pixel raster operation.
    const bool plain = fore == back && !mask.image && !transparent && !destMono;
    const bool solidFill = plain && fore == 0xF0 && pattern.kind == PaintSource::Solid;
    const bool unscaledCopy = fore == back && !mask.image && !destMono && fore == 0xCC && !flipX && !flipY &&
                              sw == placed.width() && sh == placed.height() &&
                              source.image.format() == QImage::Format_RGB32;
    const bool straightCopy = unscaledCopy && !transparent;
    if (unscaledCopy && transparent) {
        uchar* const bits = image.bits();
        const qsizetype stride = image.bytesPerLine();
        const std::uint32_t key = *transparent;
        clip.ForEachRect([&](const QRect& r) {
            for (int py = r.top(); py <= r.bottom(); ++py) {
                auto* row = reinterpret_cast<std::uint32_t*>(bits + py * stride) + r.left();
                const auto* from = reinterpret_cast<const std::uint32_t*>(
                                       source.image.constScanLine(py - placed.top())) + (r.left() - placed.left());
                for (int i = 0; i < r.width(); ++i)
                    if ((from[i] & 0xFFFFFFu) != key) row[i] = 0xFF000000u | from[i];
            }
        });
        return TRUE;
    }
    if (solidFill || straightCopy) {
        uchar* const bits = image.bits();
        const qsizetype stride = image.bytesPerLine();
        clip.ForEachRect([&](const QRect& r) {
            for (int py = r.top(); py <= r.bottom(); ++py) {
                auto* row = reinterpret_cast<std::uint32_t*>(bits + py * stride) + r.left();
                if (solidFill) {
                    FillPixels(row, r.width(), 0xFF000000u | (pattern.color & 0xFFFFFFu));
                } else {
                    const auto* from = reinterpret_cast<const std::uint32_t*>(
                                           source.image.constScanLine(py - placed.top())) + (r.left() - placed.left());
                    std::transform(from, from + r.width(), row, [](std::uint32_t p) { return 0xFF000000u | p; });
                }
            }
        });
        return TRUE;
    }
    clip.ForEachRect([&](const QRect& r) {
        for (int py = r.top(); py <= r.bottom(); ++py) {
            auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(py));
            int my = py - placed.top();
            int sy = int((std::int64_t(flipY ? placed.height() - 1 - my : my) * sh) / placed.height());
            for (int px = r.left(); px <= r.right(); ++px) {
                int mx = px - placed.left();
                int sx = int((std::int64_t(flipX ? placed.width() - 1 - mx : mx) * sw) / placed.width());
                std::uint32_t s = needSource ? reinterpret_cast<const std::uint32_t*>(source.image.constScanLine(sy))[sx] : 0;
                if (transparent && (s & 0xFFFFFF) == *transparent) continue;
                unsigned index = fore;
                if (mask.image) {
                    QPoint m = mask.origin + QPoint(sx, sy);
                    bool set = mask.image->rect().contains(m) && (mask.image->pixel(m) & 0xFFFFFF);
                    index = set ? fore : back;
                }
                // A hatch's gaps in the transparent background mode leave the pixel.
                if (needPattern && pattern.Skips(px, py)) continue;
                std::uint32_t p = 0;
                if (needPattern && pattern.kind != PaintSource::None) p = pattern.At(px, py);
                if (destMono) p = NearestMono(p);
                row[px] = 0xFF000000u | (ApplyRop3(index, p, s, row[px]) & 0xFFFFFFu);
            }
        }
    });
    return TRUE;
}

BOOL StretchTransfer(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, int sw, int sh,
                     DWORD rop, const MaskPlane& mask, DWORD backgroundRop, std::optional<std::uint32_t> transparent) {
    DeviceContext* dc = FindDC(dest);
    if (!dc) return FALSE;
    DeviceContext* src = FindDC(source);
    bool flipX = false, flipY = false;
    QRect srcRect;
    if (src) srcRect = ExtentRect(*src, sx, sy, sw, sh, &flipX, &flipY);
    return Transfer(*dc, x, y, width, height, src, srcRect, flipX, flipY, rop, mask, backgroundRop, transparent);
}

}  // namespace

BOOL PatBlt(HDC dest, int x, int y, int width, int height, DWORD rop) {
    if (UsesSource(RopIndex(rop))) return FALSE;
    return StretchTransfer(dest, x, y, width, height, 0, 0, 0, 0, 0, rop, {}, rop, std::nullopt);
}

BOOL PatBltRects(HDC dest, const BrushRect* rects, int count, DWORD rop) {
    DeviceContext* dc = FindDC(dest);
    if (!dc || !rects || count < 0 || UsesSource(RopIndex(rop))) return FALSE;
    if (!SurfaceOf(*dc)) return FALSE;
    SurfaceAccess access(*dc);
    const HBRUSH selected = dc->state.brush;
    for (const BrushRect* r = rects; r != rects + count; ++r) {
        const RECT& box = r->rect;
        if (box.right <= box.left || box.bottom <= box.top) continue;
        if (FindBrush(r->brush)) dc->state.brush = r->brush;
        const int width = box.right - box.left, height = box.bottom - box.top;
        // A solid brush copied onto a colour surface is a plain fill.
        const PaintSource brush = CurrentBrush(*dc);
        if (rop == PATCOPY && brush.kind == PaintSource::None) {
            // A hollow brush fills nothing.
        } else if (rop == PATCOPY && brush.kind == PaintSource::Solid && !access.Monochrome()) {
            bool flipX = false, flipY = false;
            PaintRect(*dc, ExtentRect(*dc, box.left, box.top, width, height, &flipX, &flipY), brush, R2_COPYPEN);
        } else {
            PatBlt(dest, box.left, box.top, width, height, rop);
        }
        dc->state.brush = selected;
    }
    return TRUE;
}

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, DWORD rop) {
    return StretchTransfer(dest, x, y, width, height, source, sx, sy, width, height, rop, {}, rop, std::nullopt);
}

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, int sw, int sh,
                DWORD rop) {
    return StretchTransfer(dest, x, y, width, height, source, sx, sy, sw, sh, rop, {}, rop, std::nullopt);
}

BOOL MaskBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, HBITMAP mask, int mx,
             int my, DWORD rop4) {
    DWORD fore = rop4 & 0x00FFFFFF, back = (rop4 >> 8) & 0x00FF0000;
    if (!mask) return BitBlt(dest, x, y, width, height, source, sx, sy, fore);
    Bitmap* m = FindBitmap(mask);
    if (!m || m->bitsPixel != 1) return FALSE;
    m->PullFromDib();
    MaskPlane plane{&m->image, QPoint(mx, my)};
    return StretchTransfer(dest, x, y, width, height, source, sx, sy, width, height, fore, plane, back, std::nullopt);
}

BOOL TransparentBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, int sw, int sh,
                    UINT transparent) {
    if (!FindDC(source)) return FALSE;
    return StretchTransfer(dest, x, y, width, height, source, sx, sy, sw, sh, SRCCOPY, {}, SRCCOPY,
                           ToPixel(transparent) & 0xFFFFFF);
}

namespace {

// A temporary memory DC holding the DIB, for the DIB transfers.
struct DibSource {
    HDC dc = 0;
    HBITMAP bitmap = 0;
    HGDIOBJ old = 0;
    DibSource(const void* bits, const BITMAPINFO* info, UINT start, UINT lines) {
        if (!bits || !info) return;
        BITMAPINFO copy = *info;
        copy.bmiHeader.biHeight = std::abs(info->bmiHeader.biHeight);
        bitmap = CreateBitmap(copy.bmiHeader.biWidth, copy.bmiHeader.biHeight, 1, 32, nullptr);
        if (!bitmap) return;
        copy.bmiHeader.biHeight = info->bmiHeader.biHeight;
        SetDIBits(0, bitmap, start, lines, bits, &copy, DIB_RGB_COLORS);
        dc = CreateCompatibleDC(0);
        old = SelectObject(dc, bitmap);
    }
    ~DibSource() {
        if (dc) {
            SelectObject(dc, old);
            DeleteDC(dc);
        }
        if (bitmap) DeleteObject(bitmap);
    }
    DibSource(const DibSource&) = delete;
    DibSource& operator=(const DibSource&) = delete;
};

// Source rows of a bottom-up DIB are counted from its bottom line.
int TopRow(const BITMAPINFO* info, int sy, int sh) {
    int rows = std::abs(info->bmiHeader.biHeight);
    return info->bmiHeader.biHeight > 0 ? rows - sy - sh : sy;
}

}  // namespace

int StretchDIBits(HDC dc, int x, int y, int width, int height, int sx, int sy, int sw, int sh, const void* bits,
                  const BITMAPINFO* info, UINT, DWORD rop) {
    if (!info) return 0;
    DibSource source(bits, info, 0, UINT(std::abs(info->bmiHeader.biHeight)));
    if (!source.dc) return 0;
    int top = TopRow(info, sy, sh);
    if (!StretchBlt(dc, x, y, width, height, source.dc, sx, top, sw, sh, rop)) return 0;
    return std::abs(info->bmiHeader.biHeight);
}

int SetDIBitsToDevice(HDC dc, int x, int y, DWORD width, DWORD height, int sx, int sy, UINT startScan,
                      UINT scanLines, const void* bits, const BITMAPINFO* info, UINT) {
    if (!info) return 0;
    DibSource source(bits, info, startScan, scanLines);
    if (!source.dc) return 0;
    int top = TopRow(info, sy, int(height));
    if (!BitBlt(dc, x, y, int(width), int(height), source.dc, sx, top, SRCCOPY)) return 0;
    return int(scanLines);
}
