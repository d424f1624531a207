// The GDI's objects and the raster core shared by the Qt-backed GDI sources:
// what each handle refers to, the device context's state, and the helpers
// that paint coverage masks and brush patterns onto a 32-bit surface with the
// exact per-pixel raster operations. Private to platform/gdi.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRegion>
#include <cstdint>
#include <cwchar>
#include <memory>
#include <utility>
#include <optional>
#include <vector>

#include "platform/gdi/handles.h"
#include "platform/gdi/surfacedc.h"
#include "platform/gdi/wingdi.h"

namespace gdi {

// Pixels are 0xFFRRGGBB (QImage::Format_RGB32, which is also the byte order
// of a 32-bit DIB); COLORREF is 0x00BBGGRR.
inline std::uint32_t ToPixel(COLORREF c) {
    return 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}
inline COLORREF ToColorRef(std::uint32_t p) { return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF); }
// Black or white, as a colour is drawn on a monochrome surface.
std::uint32_t NearestMono(std::uint32_t pixel);

struct Pen {
    DWORD style = PS_SOLID;  // PS_* style, end cap, join and type bits
    int width = 1;
    COLORREF color = 0;
    std::vector<DWORD> userStyle;
    bool extended = false;
    int Style() const { return int(style & PS_STYLE_MASK); }
    bool Cosmetic() const { return (style & PS_TYPE_MASK) == PS_COSMETIC && width <= 1; }
};

struct Brush {
    UINT style = BS_SOLID;
    COLORREF color = 0;
    int hatch = 0;
    QImage pattern;  // BS_PATTERN: a copy of the bitmap, RGB32
    bool monoPattern = false;
};

struct Font {
    LOGFONTA log;
};

struct Bitmap {
    QImage image;  // RGB32; a monochrome bitmap holds only black and white
    int bitsPixel = 32;
    // A DIB section's pixels live in `bits`, in the layout of `header`; the
    // image is refreshed from them before each use and written back after,
    // except for a 32-bit top-down section, whose image works on the bits
    // themselves (`shared`).
    bool dibSection = false;
    bool shared = false;
    std::vector<std::uint8_t> bits;
    BITMAPINFOHEADER header;
    std::vector<RGBQUAD> colors;
    // How many DCs have it selected; it cannot be deleted meanwhile.
    int selections = 0;
    // Open SurfaceAccess scopes, and whether one of them wrote: the DIB's
    // bytes are loaded by the outermost scope and written back when it ends.
    int accesses = 0;
    bool written = false;
    void PullFromDib();
    void PushToDib();
};

struct Region {
    QRegion region;
};

struct Palette {
    std::vector<RGBQUAD> entries;
};

struct DCState {
    HPEN pen = 0;
    HBRUSH brush = 0;
    HFONT font = 0;
    HPALETTE palette = 0;
    HBITMAP bitmap = 0;
    COLORREF textColor = 0;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    UINT textAlign = 0;
    int charExtra = 0;
    POINT brushOrg;
    int stretchMode = BLACKONWHITE;
    int polyFillMode = ALTERNATE;
    int arcDirection = AD_COUNTERCLOCKWISE;
    int mapMode = MM_TEXT;
    POINT windowOrg, viewportOrg;
    SIZE windowExt{1, 1}, viewportExt{1, 1};
    DWORD layout = 0;
    std::optional<QRegion> clip;  // in device coordinates
    POINT position;
    COLORREF dcBrushColor = 0xFFFFFF;
    COLORREF dcPenColor = 0;
};

struct MetafileRecording;

struct DeviceContext {
    bool memory = true;
    MetafileRecording* recording = nullptr;  // an enhanced-metafile DC's records
    HBITMAP surface = 0;             // the fixed surface of a surface DC
    QPoint origin;                   // device (0,0) in surface pixels
    std::optional<QRegion> visible;  // surface DC: the visible part, device coordinates
    QSize size;                      // surface DC: its device size
    SurfaceDCOptions options;
    DCState state;
    std::vector<DCState> saved;
};

Pen* FindPen(HGDIOBJ h);
Brush* FindBrush(HGDIOBJ h);
Font* FindFont(HGDIOBJ h);
Bitmap* FindBitmap(HGDIOBJ h);
Region* FindRegion(HGDIOBJ h);
Palette* FindPalette(HGDIOBJ h);
DeviceContext* FindDC(HDC h);
// An enhanced-metafile DC keeps a record of each line of text drawn on it:
// its device bounds (inclusive), reference point, options, clip rectangle,
// text and advances.
void RecordText(MetafileRecording& recording, const RECT& bounds, POINT reference, UINT options, const RECT* rect,
                std::string_view text, const std::vector<int>& advances);
HANDLE AddRegion(QRegion region);
DCState DefaultState();
HDC AddDC(std::unique_ptr<DeviceContext> dc);
void RemoveDC(HDC dc);
// The GDI objects alive now: those of the object tables (stock ones
// included) and the enhanced metafiles.
std::size_t LiveObjectCount();
std::size_t LiveMetafileCount();
HANDLE AddBitmap(std::unique_ptr<Bitmap> bitmap);

// The bitmap a DC draws into (its selected bitmap or its fixed surface).
Bitmap* SurfaceOf(DeviceContext& dc);
// The DC's drawable size in device pixels.
QSize DeviceSize(DeviceContext& dc);
// The clip in surface pixels: clip region, visible region and surface bounds.
QRegion EffectiveClip(DeviceContext& dc);

// The same clip cut to `bounds` (surface pixels), kept as one rectangle as
// long as every part of it is one, as for a window DC without a clip region,
// so the drawing calls of a paint skip region arithmetic.
class SurfaceClip {
public:
    SurfaceClip(DeviceContext& dc, const QRect& bounds);
    bool IsEmpty() const { return region_ ? region_->isEmpty() : rect_.isEmpty(); }
    QRect BoundingRect() const { return region_ ? region_->boundingRect() : rect_; }
    bool IsRect() const { return region_ ? region_->rectCount() == 1 : !rect_.isEmpty(); }
    bool Contains(QPoint p) const { return region_ ? region_->contains(p) : rect_.contains(p); }
    // Calls `paint` with each rectangle of the clip.
    template <class Paint>
    void ForEachRect(Paint paint) const {
        if (!region_) {
            if (!rect_.isEmpty()) paint(rect_);
            return;
        }
        for (const QRect& r : *region_) paint(r);
    }

private:
    QRect rect_;
    std::optional<QRegion> region_;
};

// Sets `count` pixels to `pixel`: a plain loop for the narrow spans of
// frames and lines, the C library's vectorised 32-bit fill otherwise.
inline void FillPixels(std::uint32_t* row, int count, std::uint32_t pixel) {
    static_assert(sizeof(wchar_t) == sizeof(std::uint32_t));
    if (count > 8)
        std::wmemset(reinterpret_cast<wchar_t*>(row), wchar_t(pixel), std::size_t(count));
    else
        for (int i = 0; i < count; ++i) row[i] = pixel;
}

// Logical to device coordinates (before mirroring).
QPointF ToDevice(const DCState& s, double x, double y);
QPoint ToDevicePoint(const DCState& s, int x, int y);
QRect ToDeviceRect(const DCState& s, int left, int top, int right, int bottom);
double ScaleX(const DCState& s, double length);
double ScaleY(const DCState& s, double length);
bool Mirrored(const DCState& s);

// What a mask's pixels are painted with: a solid pixel or a brush pattern
// (pattern pixels with alpha 0 are left alone, as a hatch's gaps in
// transparent mode).
struct PaintSource {
    enum Kind { None, Solid, Pattern } kind = None;
    std::uint32_t color = 0;
    QImage pattern;   // ARGB32
    QPoint origin;    // surface pixel where the pattern's (0,0) lands
    std::uint32_t At(int x, int y) const;
    bool Skips(int x, int y) const;
};
PaintSource SolidSource(COLORREF color);
PaintSource BrushSource(DeviceContext& dc, HBRUSH brush);
PaintSource CurrentBrush(DeviceContext& dc);
COLORREF PenColor(DeviceContext& dc, const Pen& pen);

// Access to a DC's surface for one drawing call: loads a DIB section's bytes
// first and writes them back at the end. Scopes nest, so a call that draws
// several parts opens one around them and the DIB is converted once.
class SurfaceAccess {
public:
    explicit SurfaceAccess(DeviceContext& dc, bool writes = true);
    ~SurfaceAccess();
    SurfaceAccess(const SurfaceAccess&) = delete;
    SurfaceAccess& operator=(const SurfaceAccess&) = delete;
    QImage& Image() { return bitmap_->image; }
    bool Monochrome() const { return bitmap_->bitsPixel == 1; }
    Bitmap* bitmap() { return bitmap_; }

private:
    Bitmap* bitmap_;
    bool writes_;
};

// Paints the set pixels (at least 128) of `mask` (Alpha8, placed with its
// top-left at `position` in device pixels) through the DC's clip with raster
// mode rop2. Mirrored layouts flip the mask; `keepOrientation` moves it
// without flipping (text).
void PaintMask(DeviceContext& dc, const QImage& mask, QPoint position, const PaintSource& source, int rop2,
               bool keepOrientation = false);
// Fills a device rectangle.
void PaintRect(DeviceContext& dc, const QRect& rect, const PaintSource& source, int rop2);
// A coverage mask of a path (device coordinates), filled, stroked or both,
// with anti-aliasing off. Answers the mask and its top-left in `position`.
QImage FillMask(const QPainterPath& path, Qt::FillRule rule, QPoint* position);
QImage StrokeMask(const QPainterPath& path, const Pen& pen, double width, QPoint* position);

// Font handling shared with the text code.
QFont QtFontFor(const LOGFONTA& log);
int FontEmHeight(const LOGFONTA& log);

}  // namespace gdi
