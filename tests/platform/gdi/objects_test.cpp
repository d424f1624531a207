#include <gtest/gtest.h>

#include <cstring>

#include "platform/gdi/wingdi_emf.h"
#include "tests/platform/gdi/gdi_fixture.h"

namespace {

TEST(GdiObjects, HandlesAreCheckedIdsAndDescribeTheirObjects) {
    HPEN pen = CreatePen(PS_DASH, 1, RGB(1, 2, 3));
    LOGPEN lp;
    ASSERT_EQ(GetObject(pen, sizeof lp, &lp), int(sizeof lp));
    EXPECT_EQ(lp.lopnStyle, UINT(PS_DASH));
    EXPECT_EQ(lp.lopnColor, RGB(1, 2, 3));
    EXPECT_EQ(GetObjectType(pen), OBJ_PEN);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_FALSE(DeleteObject(pen));
    EXPECT_EQ(GetObject(pen, sizeof lp, &lp), 0);
    EXPECT_EQ(GetObjectType(pen), 0u);

    LOGBRUSH lb{BS_HATCHED, RGB(9, 9, 9), HS_CROSS};
    HBRUSH brush = CreateBrushIndirect(&lb);
    LOGBRUSH back;
    GetObject(brush, sizeof back, &back);
    EXPECT_EQ(back.lbHatch, std::uintptr_t(HS_CROSS));
    DeleteObject(brush);

    LOGFONTA lf;
    lf.lfHeight = -16;
    std::strcpy(lf.lfFaceName, "宋体");
    HFONT font = CreateFontIndirect(&lf);
    LOGFONTA out;
    GetObject(font, sizeof out, &out);
    EXPECT_STREQ(out.lfFaceName, "宋体");
    DeleteObject(font);

    // Stock objects survive DeleteObject.
    HGDIOBJ white = GetStockObject(WHITE_BRUSH);
    EXPECT_TRUE(DeleteObject(white));
    EXPECT_EQ(GetObjectType(white), OBJ_BRUSH);
}

TEST(GdiObjects, SelectObjectSwapsAndBitmapsStayWhileSelected) {
    HDC dc = CreateCompatibleDC(0);
    EXPECT_EQ(GetObjectType(dc), OBJ_MEMDC);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 10, 10);
    BITMAP bm;
    GetObject(bitmap, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1);  // compatible with the fresh DC's monochrome bitmap
    HGDIOBJ old = SelectObject(dc, bitmap);
    EXPECT_NE(old, 0u);
    EXPECT_FALSE(DeleteObject(bitmap));
    HDC other = CreateCompatibleDC(0);
    EXPECT_NE(SelectObject(other, bitmap), 0u);
    EXPECT_EQ(SelectObject(dc, old), bitmap);
    EXPECT_FALSE(DeleteObject(bitmap));  // still selected into the other DC
    DeleteDC(other);
    EXPECT_TRUE(DeleteObject(bitmap));
    DeleteDC(dc);
}

TEST(GdiObjects, DibSectionBitsAreTheSurface) {
    HDC dc = CreateCompatibleDC(0);
    BITMAPINFO info{};
    info.bmiHeader.biWidth = 4;
    info.bmiHeader.biHeight = 2;  // bottom-up
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, 0, 0);
    ASSERT_NE(bits, nullptr);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    pixels[0] = 0x00FF0000;  // bottom-left, red
    HGDIOBJ old = SelectObject(dc, dib);
    EXPECT_EQ(GetPixel(dc, 0, 1), RGB(255, 0, 0));
    SetPixel(dc, 3, 0, RGB(0, 0, 255));
    EXPECT_EQ(pixels[4 + 3] & 0xFFFFFF, 0x0000FFu);
    SelectObject(dc, old);
    DIBSECTION ds;
    ASSERT_EQ(GetObject(dib, sizeof ds, &ds), int(sizeof ds));
    EXPECT_EQ(ds.dsBmih.biBitCount, 32);
    EXPECT_EQ(ds.dsBm.bmBits, bits);
    DeleteObject(dib);
    DeleteDC(dc);
}

TEST(GdiObjects, ShapesFollowTheRectangleConventions) {
    MemoryDC dc(20, 20);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    HGDIOBJ oldBrush = SelectObject(dc, red);
    Rectangle(dc, 2, 2, 8, 8);
    EXPECT_EQ(GetPixel(dc, 2, 2), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 7, 7), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 8, 8), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 3, 3), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 6, 6), RGB(255, 0, 0));
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    Rectangle(dc, 10, 10, 15, 15);
    EXPECT_EQ(GetPixel(dc, 10, 10), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 13, 13), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 14, 14), RGB(255, 255, 255));
    SelectObject(dc, oldPen);
    Ellipse(dc, 10, 0, 20, 10);
    EXPECT_EQ(GetPixel(dc, 15, 5), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 10, 0), RGB(255, 255, 255));
    SelectObject(dc, oldBrush);
    DeleteObject(red);
}

TEST(GdiObjects, TheLiveObjectCountFollowsWhatIsMadeAndDeleted) {
    const DWORD before = GetGuiResources(0, GR_GDIOBJECTS);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    HDC memory = CreateCompatibleDC(0);
    HDC recording = CreateEnhMetaFile(0, nullptr, nullptr, nullptr);
    HENHMETAFILE metafile = CloseEnhMetaFile(recording);
    EXPECT_EQ(GetGuiResources(0, GR_GDIOBJECTS), before + 3);
    EXPECT_EQ(GetGuiResources(0, GR_USEROBJECTS), 0u);
    DeleteObject(pen);
    DeleteDC(memory);
    DeleteEnhMetaFile(metafile);
    EXPECT_EQ(GetGuiResources(0, GR_GDIOBJECTS), before);
}

}  // namespace
