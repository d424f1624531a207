#include <gtest/gtest.h>

#include <cstring>

#include "platform/win/userdraw.h"
#include "tests/platform/gdi/gdi_fixture.h"

namespace {

class DrawTextTest : public ::testing::Test {
protected:
    DrawTextTest() : dc(200, 100) {
        font = MakeFont("宋体", -12);
        old = SelectObject(dc, font);
    }
    ~DrawTextTest() override {
        SelectObject(dc, old);
        DeleteObject(font);
    }
    RECT Calc(const char* text, UINT format, int width = 200) {
        RECT r{0, 0, width, 0};
        DrawText(dc, text, -1, &r, format | DT_CALCRECT);
        return r;
    }
    MemoryDC dc;
    HFONT font;
    HGDIOBJ old;
};

TEST_F(DrawTextTest, CalcRectForTheFlags) {
    struct Case {
        const char* text;
        UINT format;
        int width;
        RECT expected;
    } cases[] = {
        {"确实ab", DT_SINGLELINE, 200, {0, 0, 36, 12}},
        {"确实要退出本系统吗", DT_WORDBREAK, 40, {0, 0, 36, 36}},
        {"hello world foo", DT_WORDBREAK, 70, {0, 0, 66, 24}},
        {"a\nbb\r\nc", 0, 200, {0, 0, 12, 36}},
        {"a\nbb", DT_SINGLELINE, 200, {0, 0, 24, 12}},
        {"&File", 0, 200, {0, 0, 24, 12}},
        {"&File", DT_NOPREFIX, 200, {0, 0, 30, 12}},
        {"a&&b", 0, 200, {0, 0, 18, 12}},
        {"a\tb", DT_EXPANDTABS, 200, {0, 0, 54, 12}},
        {"", 0, 200, {0, 0, 0, 12}},
    };
    for (const Case& c : cases) EXPECT_EQ(Calc(c.text, c.format, c.width), c.expected) << c.text;
}

// Only the last line is dropped, and only when it is empty and follows a
// break: measuring and drawing agree on the count.
TEST_F(DrawTextTest, AFinalLineBreakOpensNoEmptyLine) {
    struct Case {
        const char* text;
        UINT format;
        int lines;
    } cases[] = {
        {"line\n", 0, 1},
        {"line\r\n", 0, 1},
        {"line\r", 0, 1},
        {"a\n\nb", 0, 3},
        {"a\n\n", 0, 2},
        {"a\r\n\r\n", 0, 2},
        {"\n", 0, 1},
        {"\n\n", 0, 2},
        {"line\n", DT_WORDBREAK | DT_EDITCONTROL, 1},
        {"line\nw", DT_WORDBREAK | DT_EDITCONTROL, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Calc(c.text, c.format).bottom, 12 * c.lines) << c.text;
        RECT r{0, 0, 200, 100};
        EXPECT_EQ(DrawText(dc, c.text, -1, &r, c.format), 12 * c.lines) << c.text;
    }
}

TEST_F(DrawTextTest, MarginsWidenTheCalculatedRectangle) {
    char text[] = "abc";
    DRAWTEXTPARAMS params;
    params.iLeftMargin = 5;
    params.iRightMargin = 7;
    RECT r{10, 0, 200, 0};
    DrawTextEx(dc, text, -1, &r, DT_CALCRECT | DT_SINGLELINE, &params);
    EXPECT_EQ(r, (RECT{10, 0, 10 + 5 + 18 + 7, 12}));
    char tabbed[] = "a\tb";
    params = DRAWTEXTPARAMS{};
    params.iTabLength = 2;
    r = {0, 0, 200, 0};
    DrawTextEx(dc, tabbed, -1, &r, DT_CALCRECT | DT_EXPANDTABS, &params);
    EXPECT_EQ(r.right, 18);
}

TEST_F(DrawTextTest, EllipsesShortenToFit) {
    char end[32] = "abcdefghij";
    RECT r{0, 0, 40, 20};
    DrawTextEx(dc, end, -1, &r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING, nullptr);
    EXPECT_STREQ(end, "abc...");
    char path[40] = "c:\\dir\\sub\\file.txt";
    r = {0, 0, 90, 20};
    DrawTextEx(dc, path, -1, &r, DT_SINGLELINE | DT_PATH_ELLIPSIS | DT_MODIFYSTRING, nullptr);
    EXPECT_STREQ(path, "c:\\...\\file.txt");
    // A cut never splits a Chinese character.
    char chinese[32] = "确实要退出";
    r = {0, 0, 40, 20};
    DrawTextEx(dc, chinese, -1, &r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING, nullptr);
    EXPECT_STREQ(chinese, "确...");
}

// The bounds of the pixels of one colour.
RECT InkBox(const MemoryDC& dc, COLORREF ink) {
    BITMAPINFO info{};
    info.bmiHeader.biWidth = 200;
    info.bmiHeader.biHeight = -100;
    info.bmiHeader.biBitCount = 32;
    std::vector<std::uint32_t> pixels(200 * 100);
    GetDIBits(dc, dc.bitmap(), 0, 100, pixels.data(), &info, DIB_RGB_COLORS);
    std::uint32_t key = (GetRValue(ink) << 16) | (GetGValue(ink) << 8) | GetBValue(ink);
    RECT box{1000, 1000, -1, -1};
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            if ((pixels[size_t(y) * 200 + x] & 0xFFFFFF) == key) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box;
}

TEST_F(DrawTextTest, AlignmentPlacesTheTextCell) {
    struct Case {
        UINT format;
        RECT cell;
    } cases[] = {
        {DT_SINGLELINE, {10, 20, 34, 32}},
        {DT_SINGLELINE | DT_VCENTER, {10, 34, 34, 46}},
        {DT_SINGLELINE | DT_BOTTOM, {10, 48, 34, 60}},
        {DT_SINGLELINE | DT_CENTER, {48, 20, 72, 32}},
        {DT_SINGLELINE | DT_RIGHT | DT_VCENTER, {86, 34, 110, 46}},
    };
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, RGB(0, 255, 0));
    for (const Case& c : cases) {
        RECT all{0, 0, 200, 100};
        FillRect(dc, &all, (HBRUSH)GetStockObject(WHITE_BRUSH));
        RECT r{10, 20, 110, 60};
        int height = DrawText(dc, "abcd", -1, &r, c.format);
        EXPECT_GT(height, 0);
        EXPECT_EQ(InkBox(dc, RGB(0, 255, 0)), c.cell) << c.format;
    }
}

TEST_F(DrawTextTest, PrefixUnderlinesItsCharacter) {
    SetBkMode(dc, TRANSPARENT);
    RECT r{0, 0, 100, 20};
    DrawText(dc, "a&bc", -1, &r, DT_SINGLELINE);
    // The underline runs under "b" (x 6..11) one pixel below the baseline.
    EXPECT_EQ(GetPixel(dc, 6, 11), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 11, 11), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 12, 11), RGB(255, 255, 255));
}

TEST_F(DrawTextTest, WideFormsMatchTheAnsiForms) {
    SIZE a, w;
    GetTextExtentPoint32(dc, "确实a", 5, &a);
    GetTextExtentPoint32W(dc, u"确实a", 3, &w);
    EXPECT_EQ(a.cx, w.cx);
    RECT ra{0, 0, 200, 0}, rw{0, 0, 200, 0};
    DrawText(dc, "确实a", -1, &ra, DT_CALCRECT);
    DrawTextW(dc, u"确实a", -1, &rw, DT_CALCRECT);
    EXPECT_EQ(ra, rw);
}

}  // namespace
