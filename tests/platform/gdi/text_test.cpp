#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "tests/platform/gdi/gdi_fixture.h"

namespace {

class TextTest : public ::testing::Test {
protected:
    TextTest() : dc(200, 100) {
        font = MakeFont("宋体", -12);
        old = SelectObject(dc, font);
    }
    ~TextTest() override {
        SelectObject(dc, old);
        DeleteObject(font);
    }
    MemoryDC dc;
    HFONT font;
    HGDIOBJ old;
};

TEST_F(TextTest, SongFaceAtTwelvePixelsHasTheClassicMetrics) {
    TEXTMETRICA tm;
    ASSERT_TRUE(GetTextMetrics(dc, &tm));
    EXPECT_EQ(tm.tmHeight, 12);
    EXPECT_EQ(tm.tmAveCharWidth, 6);
    EXPECT_EQ(tm.tmInternalLeading, 0);
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, 12);
    EXPECT_EQ(tm.tmAscent, 10);
    EXPECT_EQ(tm.tmCharSet, GB2312_CHARSET);
    SIZE size;
    GetTextExtentPoint32(dc, "确实ab", 6, &size);
    EXPECT_EQ(size.cx, 12 + 12 + 6 + 6);
    EXPECT_EQ(size.cy, 12);
    SetTextCharacterExtra(dc, 2);
    GetTextExtentPoint32(dc, "ab", 2, &size);
    EXPECT_EQ(size.cx, 16);
}

TEST_F(TextTest, BoldTextIsTheRegularFaceEmboldenedOnePixelWiderPerCharacter) {
    for (const int weight : {FW_NORMAL, FW_MEDIUM, FW_SEMIBOLD, FW_BOLD}) {
        HFONT face = MakeFont("宋体", -14, weight);
        SelectObject(dc, face);
        const int extra = weight >= FW_SEMIBOLD ? 1 : 0;
        SIZE size;
        GetTextExtentPoint32(dc, "手机交付顾客", 12, &size);
        EXPECT_EQ(size.cx, 6 * (14 + extra)) << weight;
        GetTextExtentPoint32(dc, "a确", 3, &size);
        EXPECT_EQ(size.cx, 7 + 14 + 2 * extra) << weight;
        SelectObject(dc, font);
        DeleteObject(face);
    }
}

TEST_F(TextTest, ExtentExFitsWholeCharactersOnly) {
    int fit = 0, dx[6] = {};
    SIZE size;
    ASSERT_TRUE(GetTextExtentExPoint(dc, "a确实", 5, 20, &fit, dx, &size));
    EXPECT_EQ(fit, 3);  // "a" and the first hanzi (6 + 12 = 18)
    EXPECT_EQ(dx[0], 6);
    EXPECT_EQ(dx[2], 18);
    EXPECT_EQ(dx[4], 30);
    int widths[3];
    GetCharWidth(dc, 'A', 'C', widths);
    EXPECT_EQ(widths[1], 6);
}

TEST_F(TextTest, OtherHeightsScaleTheCells) {
    HFONT big = MakeFont("黑体", 16, FW_BOLD);
    SelectObject(dc, big);
    TEXTMETRICA tm;
    GetTextMetrics(dc, &tm);
    EXPECT_EQ(tm.tmHeight, 16);
    EXPECT_EQ(tm.tmAveCharWidth, 8);
    EXPECT_EQ(tm.tmWeight, FW_BOLD);
    OUTLINETEXTMETRICA otm;
    ASSERT_EQ(GetOutlineTextMetrics(dc, sizeof otm, &otm), sizeof otm);
    EXPECT_EQ(otm.otmsCharSlopeRun, 0);
    // A given character width narrows the cells.
    LOGFONTA narrow;
    GetObject(font, sizeof narrow, &narrow);
    narrow.lfWidth = 4;
    HFONT thin = CreateFontIndirect(&narrow);
    SelectObject(dc, thin);
    GetTextMetrics(dc, &tm);
    EXPECT_EQ(tm.tmAveCharWidth, 4);
    EXPECT_EQ(tm.tmHeight, 12);
    SIZE size;
    GetTextExtentPoint32(dc, "ab确", 4, &size);
    EXPECT_EQ(size.cx, 16);
    SelectObject(dc, font);
    DeleteObject(thin);
    DeleteObject(big);
}

int InkPixels(HDC dc, int left, int top, int right, int bottom, COLORREF ink) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) n += GetPixel(dc, x, y) == ink;
    return n;
}

TEST_F(TextTest, ChineseTextDrawsRealGlyphs) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    TextOut(dc, 0, 0, "中", 2);
    TextOut(dc, 20, 0, "国", 2);
    TextOut(dc, 40, 0, "一", 2);
    int zhong = InkPixels(dc, 0, 0, 12, 12, 0), guo = InkPixels(dc, 20, 0, 32, 12, 0), yi = InkPixels(dc, 40, 0, 52, 12, 0);
    EXPECT_GT(zhong, 10);
    EXPECT_GT(guo, zhong);  // different shapes, not the same missing-glyph box
    EXPECT_LT(yi, zhong);
    // 一 is one horizontal stroke: nothing in its top and bottom rows.
    EXPECT_EQ(InkPixels(dc, 40, 0, 52, 2, 0), 0);
    EXPECT_EQ(InkPixels(dc, 40, 10, 52, 12, 0), 0);
}

// The rows of a canvas that hold black ink, within a column range.
struct InkRows {
    int top = 1 << 20, bottom = -1;
};
InkRows InkRowsOf(HDC dc, int left, int right, int height) {
    InkRows rows;
    for (int y = 0; y < height; ++y)
        if (InkPixels(dc, left, y, right, y + 1, RGB(0, 0, 0)) > 0) rows.top = std::min(rows.top, y), rows.bottom = y;
    return rows;
}

// The stand-in CJK faces hint their ideographs as tall as the em or taller;
// they are placed so that a cell clipped to the classic height keeps them
// whole and nearly fills it, leaving its last row free (from 12 pixels up)
// as the classic face's ideographs do, so lines set one cell apart do not
// touch.
TEST_F(TextTest, ChineseGlyphsStayInsideTheClassicCellAboveItsLastRow) {
    const char* const sample = "登陆管理爨鼻【（《";
    SetBkMode(dc, TRANSPARENT);
    for (const char* face : {"宋体", "黑体", "楷体_GB2312"}) {
        for (const int height : {9, 10, 12, 13, 14, 16, 18, 19, 21, 24, 28}) {
            MemoryDC canvas(400, 100);
            HFONT sized = MakeFont(face, -height);
            SelectObject(canvas, sized);
            TEXTMETRICA tm;
            GetTextMetrics(canvas, &tm);
            ASSERT_EQ(tm.tmHeight, height) << "the line height stays the classic one";
            TextOut(canvas, 0, 30, sample, int(std::strlen(sample)));
            const InkRows ink = InkRowsOf(canvas, 0, 400, 100);
            EXPECT_GE(ink.top, 30) << face << " " << height;
            if (height >= 12) {
                EXPECT_LT(ink.bottom, 30 + height - 1) << face << " " << height;
            }
            EXPECT_LT(ink.bottom, 30 + height) << face << " " << height;
            EXPECT_GE(ink.bottom - ink.top + 1, height - 3) << face << " " << height;
            SelectObject(canvas, GetStockObject(SYSTEM_FONT));
            DeleteObject(sized);
        }
    }
}

// Latin letters stand on one baseline with their descenders inside the
// cell and their ascenders below its top, in plain and bold.
TEST_F(TextTest, LatinLettersAndDescendersStayInsideTheCell) {
    SetBkMode(dc, TRANSPARENT);
    for (const int weight : {FW_NORMAL, FW_BOLD}) {
        for (int height = 10; height <= 28; ++height) {
            MemoryDC canvas(400, 100);
            HFONT sized = MakeFont("宋体", -height, weight);
            SelectObject(canvas, sized);
            TextOut(canvas, 0, 30, "Hbdfkl gjpqy", 12);
            const InkRows all = InkRowsOf(canvas, 0, 400, 100);
            EXPECT_GE(all.top, 30) << weight << " " << height;
            EXPECT_LT(all.bottom, 30 + height) << weight << " " << height;
            // The descenders go below the capitals' feet: one baseline.
            const int half = (height + 1) / 2;
            const InkRows capital = InkRowsOf(canvas, 0, half, 100);
            const InkRows descenders = InkRowsOf(canvas, 7 * half, 12 * half, 100);
            EXPECT_GT(descenders.bottom, capital.bottom) << weight << " " << height;
            SelectObject(canvas, GetStockObject(SYSTEM_FONT));
            DeleteObject(sized);
        }
    }
}

// Text measures as wide as it draws: a hanzi advances by the em (13 at 13
// pixels, where a Latin letter advances 7), and a line's ink ends inside
// its measured extent, within the last glyph's side bearing of its end.
TEST_F(TextTest, TextMeasuresAsItDraws) {
    // A closing bracket's ink lies in the left of its advance: its right
    // bearing is about ten twelfths of the em.
    const struct {
        const char* text;
        int bearing;
    } texts[] = {{"开始查询", 0}, {"备用手机使用情况（返还）", 10}, {"a确Ag", 0}, {"手机ab", 0}};
    SetBkMode(dc, TRANSPARENT);
    for (int height = 9; height <= 24; ++height) {
        for (const auto& [text, bearing] : texts) {
            MemoryDC canvas(400, 60);
            HFONT sized = MakeFont("宋体", -height);
            SelectObject(canvas, sized);
            const int length = int(std::strlen(text));
            SIZE size;
            GetTextExtentPoint32(canvas, text, length, &size);
            TextOut(canvas, 10, 10, text, length);
            int right = -1;
            for (int x = 0; x < 400; ++x)
                if (InkPixels(canvas, x, 0, x + 1, 60, RGB(0, 0, 0)) > 0) right = x;
            EXPECT_LT(right, 10 + size.cx) << height << " " << text;
            EXPECT_GE(right, 10 + size.cx - (bearing ? bearing * height / 12 : 3)) << height << " " << text;
            SelectObject(canvas, GetStockObject(SYSTEM_FONT));
            DeleteObject(sized);
        }
    }
    HFONT thirteen = MakeFont("宋体", -13);
    SelectObject(dc, thirteen);
    SIZE size;
    GetTextExtentPoint32(dc, "开始查询", 8, &size);
    EXPECT_EQ(size.cx, 4 * 13);
    GetTextExtentPoint32(dc, "a确", 3, &size);
    EXPECT_EQ(size.cx, 7 + 13);
    TEXTMETRICA tm;
    GetTextMetrics(dc, &tm);
    EXPECT_EQ(tm.tmAveCharWidth, 7);
    EXPECT_EQ(tm.tmMaxCharWidth, 13);
    SelectObject(dc, font);
    DeleteObject(thirteen);
}

TEST_F(TextTest, OpaqueAndClippedExtTextOut) {
    SetBkColor(dc, RGB(0, 0, 255));
    SetTextColor(dc, RGB(255, 0, 0));
    RECT r{10, 10, 40, 30};
    ExtTextOut(dc, 10, 10, ETO_OPAQUE | ETO_CLIPPED, &r, "WWWWWWWWWW", 10, nullptr);
    EXPECT_EQ(GetPixel(dc, 39, 29), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(dc, 40, 10), RGB(255, 255, 255));
    EXPECT_EQ(InkPixels(dc, 40, 0, 200, 100, RGB(255, 0, 0)), 0);
    EXPECT_GT(InkPixels(dc, 10, 10, 40, 30, RGB(255, 0, 0)), 10);
    // Opaque mode fills the text cell with the background colour.
    TextOut(dc, 100, 50, "ab", 2);
    EXPECT_EQ(GetPixel(dc, 100, 50), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(dc, 111, 61), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(dc, 112, 50), RGB(255, 255, 255));
}

TEST_F(TextTest, AlignmentAndCurrentPosition) {
    SetTextAlign(dc, TA_RIGHT | TA_BOTTOM);
    SetBkColor(dc, RGB(0, 255, 0));
    TextOut(dc, 100, 50, "abcd", 4);
    EXPECT_EQ(GetPixel(dc, 76, 38), RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(dc, 99, 49), RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(dc, 100, 49), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 75, 49), RGB(255, 255, 255));
    SetTextAlign(dc, TA_UPDATECP);
    MoveToEx(dc, 5, 5, nullptr);
    TextOut(dc, 0, 0, "abc", 3);
    POINT p;
    GetCurrentPositionEx(dc, &p);
    EXPECT_EQ(p.x, 23);
}

TEST_F(TextTest, RotatedTextRunsUpwards) {
    HFONT rotated = MakeFont("宋体", -12, FW_NORMAL, 900);
    SelectObject(dc, rotated);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, RGB(0, 255, 0));
    TextOut(dc, 50, 90, "abcd", 4);
    // The cell runs from the reference point up 24 pixels and right 12.
    EXPECT_EQ(GetPixel(dc, 52, 70), RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(dc, 52, 60), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 70, 85), RGB(255, 255, 255));
    SelectObject(dc, font);
    DeleteObject(rotated);
}

}  // namespace
