#include <gtest/gtest.h>

#include "tests/platform/gdi/gdi_fixture.h"

namespace {

// The formula of each ternary operation, evaluated bit by bit from its
// index: bit (P<<2 | S<<1 | D) of the index is the result.
std::uint32_t Reference(unsigned index, std::uint32_t p, std::uint32_t s, std::uint32_t d) {
    std::uint32_t out = 0;
    for (int bit = 0; bit < 24; ++bit) {
        unsigned i = (((p >> bit) & 1) << 2) | (((s >> bit) & 1) << 1) | ((d >> bit) & 1);
        out |= std::uint32_t((index >> i) & 1) << bit;
    }
    return out;
}

COLORREF Fill(HDC dc, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    RECT all{0, 0, 4, 4};
    FillArea(dc, &all, brush);
    DeleteObject(brush);
    return color;
}

TEST(RasterOperations, EveryTernaryOperationGivesItsFormulasPixel) {
    struct Case {
        COLORREF p, s, d;
    } cases[] = {{RGB(0xF0, 0x0F, 0x55), RGB(0xCC, 0x33, 0xAA), RGB(0xAA, 0xCC, 0x0F)},
                 {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0x12, 0x34, 0x56)},
                 {RGB(255, 255, 255), RGB(0x80, 0x01, 0xFE), RGB(0, 0, 0)}};
    MemoryDC dest(4, 4), source(4, 4);
    for (const Case& c : cases) {
        Fill(source, c.s);
        HBRUSH brush = CreateSolidBrush(c.p);
        HGDIOBJ old = SelectObject(dest, brush);
        for (unsigned index = 0; index < 256; ++index) {
            Fill(dest, c.d);
            ASSERT_TRUE(BitBlt(dest, 1, 1, 2, 2, source, 0, 0, index << 16));
            COLORREF expected = Reference(index, c.p, c.s, c.d);
            ASSERT_EQ(GetPixel(dest, 1, 1), expected) << "rop index " << index;
            ASSERT_EQ(GetPixel(dest, 0, 0), c.d) << "outside the blit, rop index " << index;
        }
        SelectObject(dest, old);
        DeleteObject(brush);
    }
}

TEST(RasterOperations, NamedCodesMatchTheirIndexes) {
    EXPECT_EQ(ApplyRop3(SRCCOPY, 0, 0x123456, 0xABCDEF), 0x123456u);
    EXPECT_EQ(ApplyRop3(SRCINVERT, 0, 0x0F0F0F, 0xFF00FF) & 0xFFFFFF, 0xF00FF0u);
    EXPECT_EQ(ApplyRop3(PATINVERT, 0xFFFFFF, 0, 0x00FF00) & 0xFFFFFF, 0xFF00FFu);
    EXPECT_EQ(ApplyRop3(DSTINVERT, 0, 0, 0x00FF00) & 0xFFFFFF, 0xFF00FFu);
    // 0xE2: the pattern where the source is set, the destination elsewhere.
    EXPECT_EQ(ApplyRop3(0xE20746, 0xFF0000, 0x00FF00, 0x0000FF) & 0xFFFFFF, 0x0000FFu);
}

TEST(RasterOperations, BinaryModesOnLines) {
    const COLORREF pen = RGB(0xF0, 0xCC, 0x0F), dest = RGB(0xAA, 0x55, 0x3C);
    MemoryDC dc(8, 2);
    HPEN p = CreatePen(PS_SOLID, 1, pen);
    HGDIOBJ old = SelectObject(dc, p);
    for (int mode = R2_BLACK; mode <= R2_WHITE; ++mode) {
        Fill(dc, dest);
        RECT all{0, 0, 8, 2};
        HBRUSH b = CreateSolidBrush(dest);
        FillArea(dc, &all, b);
        DeleteObject(b);
        SetROP2(dc, mode);
        MoveToEx(dc, 0, 0, nullptr);
        LineTo(dc, 4, 0);
        unsigned code = unsigned(mode - 1);
        COLORREF expected = 0;
        for (int bit = 0; bit < 24; ++bit) {
            unsigned i = (((pen >> bit) & 1) << 1) | ((dest >> bit) & 1);
            expected |= COLORREF((code >> i) & 1) << bit;
        }
        EXPECT_EQ(GetPixel(dc, 2, 0), expected) << "mode " << mode;
        EXPECT_EQ(GetPixel(dc, 4, 0), dest) << "the last point is left out, mode " << mode;
    }
    SetROP2(dc, R2_COPYPEN);
    SelectObject(dc, old);
    DeleteObject(p);
}

// A hatch brush paints its background colour in the opaque mode and leaves
// what is under its gaps in the transparent mode.
TEST(RasterOperations, HatchGapsFollowTheBackgroundMode) {
    MemoryDC dc(8, 8, RGB(0, 255, 0));
    HBRUSH brush = CreateHatchBrush(HS_HORIZONTAL, RGB(255, 0, 0));
    HGDIOBJ old = SelectObject(dc, brush);
    SetBkColor(dc, RGB(0, 0, 255));
    SetBkMode(dc, TRANSPARENT);
    PatBlt(dc, 0, 0, 8, 8, PATCOPY);
    EXPECT_EQ(GetPixel(dc, 3, 7), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 3, 3), RGB(0, 255, 0));
    SetBkMode(dc, OPAQUE);
    PatBlt(dc, 0, 0, 8, 8, PATCOPY);
    EXPECT_EQ(GetPixel(dc, 3, 3), RGB(0, 0, 255));
    SelectObject(dc, old);
    DeleteObject(brush);
}

TEST(RasterOperations, PatternBrushAndMonochromeSourceUseTheDcColours) {
    MemoryDC dc(8, 8);
    static const WORD rows[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
    HBITMAP pattern = CreateBitmap(8, 8, 1, 1, rows);
    HBRUSH brush = CreatePatternBrush(pattern);
    SetTextColor(dc, RGB(255, 0, 0));
    SetBkColor(dc, RGB(0, 0, 255));
    HGDIOBJ old = SelectObject(dc, brush);
    PatBlt(dc, 0, 0, 8, 8, PATCOPY);
    // Row 0 is 10101010: set bits take the background colour, clear bits the text colour.
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(dc, 1, 0), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 0, 1), RGB(255, 0, 0));

    HDC mono = CreateCompatibleDC(0);
    HGDIOBJ oldMono = SelectObject(mono, pattern);
    BitBlt(dc, 0, 0, 8, 8, mono, 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(dc, 1, 0), RGB(255, 0, 0));
    // Colour to monochrome: the source's background colour becomes white.
    SetBkColor(dc, RGB(255, 0, 0));
    BitBlt(mono, 0, 0, 8, 8, dc, 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(mono, 1, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(mono, 0, 0), RGB(0, 0, 0));
    SelectObject(mono, oldMono);
    DeleteDC(mono);
    SelectObject(dc, old);
    DeleteObject(brush);
    DeleteObject(pattern);
}

}  // namespace

namespace {

TEST(Blits, StretchFlipsAndDibTransfers) {
    MemoryDC source(2, 1), dest(4, 2);
    SetPixel(source, 0, 0, RGB(255, 0, 0));
    SetPixel(source, 1, 0, RGB(0, 0, 255));
    StretchBlt(dest, 0, 0, 4, 2, source, 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(GetPixel(dest, 1, 1), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dest, 2, 0), RGB(0, 0, 255));
    // A negative width mirrors: the pixels run from x back to x + width + 1.
    StretchBlt(dest, 3, 0, -4, 1, source, 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(GetPixel(dest, 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(dest, 3, 0), RGB(255, 0, 0));

    // A bottom-up 24-bit DIB of 2x2: bottom row red, green; top row blue, white.
    BITMAPINFO info{};
    info.bmiHeader.biWidth = 2;
    info.bmiHeader.biHeight = 2;
    info.bmiHeader.biBitCount = 24;
    const unsigned char bits[] = {0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0};
    EXPECT_EQ(SetDIBitsToDevice(dest, 0, 0, 2, 2, 0, 0, 0, 2, bits, &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(GetPixel(dest, 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(dest, 0, 1), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dest, 1, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dest, 1, 1), RGB(0, 255, 0));
    EXPECT_GT(StretchDIBits(dest, 0, 0, 4, 2, 0, 0, 2, 2, bits, &info, DIB_RGB_COLORS, SRCCOPY), 0);
    EXPECT_EQ(GetPixel(dest, 3, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dest, 3, 1), RGB(0, 255, 0));
    EXPECT_EQ(GetNearestColor(dest, RGB(1, 2, 3)), RGB(1, 2, 3));

    // Halftone shrinking averages: black and white become grey.
    MemoryDC checker(2, 1), one(1, 1);
    SetPixel(checker, 0, 0, RGB(0, 0, 0));
    SetStretchBltMode(one, HALFTONE);
    StretchBlt(one, 0, 0, 1, 1, checker, 0, 0, 2, 1, SRCCOPY);
    EXPECT_NEAR(GetRValue(GetPixel(one, 0, 0)), 128, 2);
}

// Key pixels leave the destination, unscaled and stretched alike, and a
// clip region keeps the rest where it is.
TEST(Blits, TransparentBltSkipsTheKeyColour) {
    const COLORREF key = RGB(255, 0, 255), red = RGB(255, 0, 0), green = RGB(0, 255, 0), blue = RGB(0, 0, 255);
    MemoryDC source(2, 1);
    SetPixel(source, 0, 0, red);
    SetPixel(source, 1, 0, key);
    for (const int scale : {1, 2}) {
        MemoryDC dest(4, 2);
        RECT all{0, 0, 4, 2};
        HBRUSH brush = CreateSolidBrush(green);
        FillArea(dest, &all, brush);
        DeleteObject(brush);
        EXPECT_TRUE(TransparentBlt(dest, 0, 0, 2 * scale, 1, source, 0, 0, 2, 1, key));
        EXPECT_EQ(GetPixel(dest, 0, 0), red) << scale;
        EXPECT_EQ(GetPixel(dest, 2 * scale - 1, 0), green) << scale;
        // Clipped to its right half, a second copy one row down leaves the left half.
        SetPixel(source, 1, 0, blue);
        HRGN right = CreateRectRgn(scale, 0, 4, 2);
        SelectClipRgn(dest, right);
        DeleteObject(right);
        TransparentBlt(dest, 0, 1, 2 * scale, 1, source, 0, 0, 2, 1, key);
        SelectClipRgn(dest, 0);
        EXPECT_EQ(GetPixel(dest, 0, 1), green) << scale;
        EXPECT_EQ(GetPixel(dest, 2 * scale - 1, 1), blue) << scale;
        SetPixel(source, 1, 0, key);
    }
}

}  // namespace
