// The quick ways of painting give the pixels of the general one: a solid
// brush copied (whole rows, coverage written straight) against the same
// colour as a pattern brush (the per-pixel raster operation), rectangles
// painted together against one by one, and text from the mask cache
// against text drawn afresh, on every kind of target and clip.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/gdi/surfacedc.h"
#include "tests/platform/gdi/gdi_fixture.h"

namespace {

constexpr int kWidth = 48, kHeight = 36;

// A surface with a DC on it, prepared as a case asks.
class Target {
public:
    enum Kind { Plain, RectClip, ComplexClip, Mirrored, Monochrome, SurfaceRect, SurfaceComplex };

    explicit Target(Kind kind) {
        bitmap_ = CreateBitmap(kWidth, kHeight, 1, kind == Monochrome ? 1 : 32, nullptr);
        if (kind == SurfaceRect || kind == SurfaceComplex) {
            const HRGN visible = kind == SurfaceRect ? CreateRectRgn(2, 1, 38, 28) : TwoRects();
            SurfaceDCOptions options;
            options.origin = {3, 2};
            options.size = {42, 32};
            options.visible = visible;
            dc_ = CreateSurfaceDC(bitmap_, options);
            DeleteObject(visible);
        } else {
            dc_ = CreateCompatibleDC(0);
            old_ = SelectObject(dc_, bitmap_);
        }
        PaintBackground();
        if (kind == RectClip || kind == Mirrored) IntersectClipRect(dc_, 3, 4, 40, 29);
        if (kind == ComplexClip) {
            const HRGN clip = TwoRects();
            SelectClipRgn(dc_, clip);
            DeleteObject(clip);
        }
        if (kind == Mirrored) SetLayout(dc_, LAYOUT_RTL);
    }
    ~Target() {
        if (old_) SelectObject(dc_, old_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    Target(const Target&) = delete;
    Target& operator=(const Target&) = delete;
    operator HDC() const { return dc_; }

    std::vector<COLORREF> Pixels() const {
        const HDC reader = CreateCompatibleDC(0);
        const HGDIOBJ old = SelectObject(reader, bitmap_);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) pixels.push_back(GetPixel(reader, x, y));
        SelectObject(reader, old);
        DeleteDC(reader);
        return pixels;
    }

private:
    static HRGN TwoRects() {
        const HRGN region = CreateRectRgn(1, 2, 20, 30);
        const HRGN other = CreateRectRgn(12, 10, 44, 22);
        CombineRgn(region, region, other, RGN_OR);
        DeleteObject(other);
        return region;
    }
    // Stripes of different colours, so a pixel painted wrongly shows.
    void PaintBackground() {
        for (int y = 0; y < kHeight; y += 3) {
            const HBRUSH brush = CreateSolidBrush(RGB(y * 7, 255 - y * 5, (y * 31) & 0xFF));
            const RECT stripe{0, y, kWidth, y + 3};
            FillArea(dc_, &stripe, brush);
            DeleteObject(brush);
        }
    }

    HBITMAP bitmap_ = 0;
    HDC dc_ = 0;
    HGDIOBJ old_ = 0;
};

constexpr COLORREF kColor = RGB(0x36, 0xA5, 0x5C);

// A brush of one colour that takes the general way: an 8x8 colour pattern.
HBRUSH PatternOf(COLORREF color) {
    std::vector<std::uint32_t> bits(64, 0xFF000000u | (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color));
    const HBITMAP pattern = CreateBitmap(8, 8, 1, 32, bits.data());
    const HBRUSH brush = CreatePatternBrush(pattern);
    DeleteObject(pattern);
    return brush;
}

// Paints with `brush` selected and the pen left out.
void WithBrush(HDC dc, HBRUSH brush, const std::function<void(HDC)>& paint) {
    const HGDIOBJ oldBrush = SelectObject(dc, brush);
    const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    paint(dc);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
}

struct BrushCase {
    const char* name;
    std::function<void(HDC)> paint;
};

const BrushCase brushCases[] = {
    {"PatBlt", [](HDC dc) { PatBlt(dc, 2, 3, 37, 25, PATCOPY); }},
    {"PatBlt with negative extents", [](HDC dc) { PatBlt(dc, 40, 30, -33, -20, PATCOPY); }},
    {"Rectangle", [](HDC dc) { Rectangle(dc, -4, 5, 30, 41); }},
    {"Ellipse", [](HDC dc) { Ellipse(dc, 3, 2, 44, 33); }},
    {"Polygon", [](HDC dc) {
         const POINT points[] = {{1, 1}, {46, 8}, {20, 34}, {9, 12}};
         Polygon(dc, points, 4);
     }},
    {"Region", [](HDC dc) {
         const HRGN region = CreateEllipticRgn(4, 4, 40, 30);
         PaintRgn(dc, region);
         DeleteObject(region);
     }},
};

const Target::Kind allTargets[] = {Target::Plain,      Target::RectClip,    Target::ComplexClip,   Target::Mirrored,
                                   Target::Monochrome, Target::SurfaceRect, Target::SurfaceComplex};

TEST(PaintPaths, SolidBrushGivesThePixelsOfTheSameColourAsAPattern) {
    const HBRUSH solid = CreateSolidBrush(kColor), pattern = PatternOf(kColor);
    for (const BrushCase& c : brushCases)
        for (Target::Kind kind : allTargets) {
            Target quick(kind), general(kind);
            WithBrush(quick, solid, c.paint);
            WithBrush(general, pattern, c.paint);
            EXPECT_EQ(quick.Pixels(), general.Pixels()) << c.name << " on target " << kind;
        }
    DeleteObject(solid);
    DeleteObject(pattern);
}

TEST(PaintPaths, RectanglesPaintedTogetherGiveThePixelsOfOneByOne) {
    const HBRUSH red = CreateSolidBrush(RGB(200, 10, 10)), pattern = PatternOf(RGB(10, 20, 200));
    const BrushRect rects[] = {{{2, 2, 30, 3}, red},    {{2, 2, 3, 30}, 0},     {{1, 25, 44, 27}, pattern},
                               {{20, 0, 22, 36}, red},  {{30, 9, 20, 20}, red}, {{5, 5, 40, 31}, HBRUSH(0xDEAD)}};
    for (DWORD rop : {PATCOPY, PATINVERT, DSTINVERT})
        for (Target::Kind kind : allTargets) {
            Target together(kind), oneByOne(kind);
            const HBRUSH own = CreateSolidBrush(RGB(90, 200, 40));
            SelectObject(together, own);
            SelectObject(oneByOne, own);
            EXPECT_TRUE(PatBltRects(together, rects, int(std::size(rects)), rop));
            for (const BrushRect& r : rects) {
                if (r.rect.right <= r.rect.left || r.rect.bottom <= r.rect.top) continue;
                const HGDIOBJ old = SelectObject(oneByOne, r.brush);
                PatBlt(oneByOne, r.rect.left, r.rect.top, r.rect.right - r.rect.left, r.rect.bottom - r.rect.top, rop);
                SelectObject(oneByOne, old);
            }
            EXPECT_EQ(together.Pixels(), oneByOne.Pixels()) << "rop " << rop << " on target " << kind;
            SelectObject(together, GetStockObject(WHITE_BRUSH));
            SelectObject(oneByOne, GetStockObject(WHITE_BRUSH));
            DeleteObject(own);
        }
    DeleteObject(red);
    DeleteObject(pattern);
}

// A font as MakeFont makes it, with a quality setting that changes nothing
// drawn but keeps its text masks apart from those of the other settings.
HFONT FontOfQuality(const char* face, int height, int escapement, BYTE quality) {
    LOGFONTA log = LogFontOf(face, height, FW_NORMAL, escapement);
    log.lfQuality = quality;
    return CreateFontIndirect(&log);
}

std::vector<COLORREF> TextPixels(Target::Kind kind, HFONT font, const std::string& text, int x, int y) {
    Target target(kind);
    SelectObject(target, font);
    SetBkMode(target, TRANSPARENT);
    SetTextColor(target, RGB(180, 30, 90));
    TextOut(target, x, y, text.c_str(), int(text.size()));
    SelectObject(target, GetStockObject(SYSTEM_FONT));
    return target.Pixels();
}

// A line drawn again in the same place, or moved by whole pixels, comes
// from the mask cache; it must look as the line drawn afresh there.
TEST(PaintPaths, CachedTextGivesThePixelsOfTextDrawnAfresh) {
    struct Line {
        const char* face;
        int height, escapement;
        const char* text;
        int x, y;
    } lines[] = {{"宋体", -12, 0, "00123,05", 2, 3},
                 {"宋体", -12, 0, "售后服务 ABC", 1, 18},
                 {"楷体", -16, 0, "售后", 6, 20},
                 {"黑体", -14, 300, "服务", 10, 30}};
    int unique = 0;
    for (const Line& line : lines)
        for (Target::Kind kind : allTargets) {
            // A text of its own, so the first drawing is never from the cache.
            const std::string text = std::string(line.text) + "#" + std::to_string(++unique);
            const HFONT cached = FontOfQuality(line.face, line.height, line.escapement, 0);
            const HFONT fresh = FontOfQuality(line.face, line.height, line.escapement, 1);
            const auto first = TextPixels(kind, cached, text, line.x, line.y);
            EXPECT_EQ(TextPixels(kind, cached, text, line.x, line.y), first) << line.text << " on target " << kind;
            EXPECT_EQ(TextPixels(kind, cached, text, line.x + 7, line.y + 2),
                      TextPixels(kind, fresh, text, line.x + 7, line.y + 2))
                << line.text << " moved, on target " << kind;
            DeleteObject(cached);
            DeleteObject(fresh);
        }
}

// In a right-to-left layout a line keeps its glyphs and takes the mirrored
// place of its cell, which the cut masks of the cache must keep too.
TEST(PaintPaths, MirroredTextTakesTheMirroredPlaceOfItsCell) {
    const HFONT font = FontOfQuality("宋体", -12, 0, 2);
    for (const char* text : {"售后 12", "ab", "W"}) {
        Target mirrored(Target::Plain), plain(Target::Plain);
        for (HDC dc : {HDC(mirrored), HDC(plain)}) {
            SelectObject(dc, font);
            SetBkMode(dc, TRANSPARENT);
        }
        SIZE extent;
        GetTextExtentPoint32(plain, text, int(std::strlen(text)), &extent);
        SetLayout(mirrored, LAYOUT_RTL);
        TextOut(mirrored, 5, 9, text, -1);
        TextOut(plain, kWidth - 5 - extent.cx, 9, text, -1);
        EXPECT_EQ(mirrored.Pixels(), plain.Pixels()) << text;
        for (HDC dc : {HDC(mirrored), HDC(plain)}) SelectObject(dc, GetStockObject(SYSTEM_FONT));
    }
    DeleteObject(font);
}

}  // namespace
