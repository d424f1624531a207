#include "platform/gdi/symbolchart.h"

#include <gtest/gtest.h>

#include "gdi_fixture.h"

namespace {

TEST(SymbolChart, MapsBytesToSymbols) {
    struct Case {
        unsigned char byte;
        char16_t symbol;
    };
    const Case cases[] = {{0xB7, u'•'}, {'a', u'α'}, {'W', u'Ω'}, {0xAE, u'→'}, {'1', u'1'}, {0xB0, u'°'}};
    for (const Case& c : cases) EXPECT_EQ(SymbolCharToUnicode(c.byte), c.symbol) << int(c.byte);
    EXPECT_TRUE(IsSymbolFace("SYMBOL"));
    EXPECT_FALSE(IsSymbolFace("Symbols"));
    EXPECT_FALSE(IsSymbolFace(nullptr));
}

TEST(SymbolChart, MarlettMapsTheWindowGlyphs) {
    EXPECT_EQ(MarlettCharToUnicode('r'), u'×');
    EXPECT_EQ(MarlettCharToUnicode('6'), u'▼');
    EXPECT_EQ(MarlettCharToUnicode('z'), u'z');
    EXPECT_TRUE(IsChartFace("marlett") && IsChartFace("Symbol"));
    EXPECT_FALSE(IsChartFace("Tahoma"));
    EXPECT_EQ(ChartCharToUnicode("Marlett", 'r'), u'×');
    EXPECT_EQ(ChartCharToUnicode("Symbol", 'a'), u'α');
}

// The rows and columns that hold ink after drawing `text` in `face`.
RECT InkBox(const char* face, const char* text, int length, int* advance) {
    MemoryDC dc(60, 40);
    HFONT font = MakeFont(face, -24);
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    TextOut(dc, 0, 0, text, length);
    SIZE size{};
    GetTextExtentPoint32(dc, text, length, &size);
    *advance = size.cx;
    RECT box{60, 40, -1, -1};
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            if (GetPixel(dc, x, y) == 0) box = {std::min(box.left, LONG(x)), std::min(box.top, LONG(y)),
                                                std::max(box.right, LONG(x)), std::max(box.bottom, LONG(y))};
    SelectObject(dc, old);
    DeleteObject(font);
    return box;
}

TEST(SymbolChart, TheMarlettFaceDrawsRAsACross) {
    int advance = 0;
    const RECT cross = InkBox("Marlett", "r", 1, &advance);
    const RECT letter = InkBox("Tahoma", "r", 1, &advance);
    ASSERT_GE(cross.right, cross.left) << "something is drawn";
    EXPECT_NE(cross.top, letter.top) << "not the letter r";
}

TEST(SymbolChart, TheSymbolFaceDrawsByteB7AsABullet) {
    int advance = 0;
    RECT bullet = InkBox("Symbol", "\xB7", 1, &advance);
    EXPECT_EQ(advance, 12) << "one half-width cell per byte";
    ASSERT_GE(bullet.right, bullet.left) << "something is drawn";
    EXPECT_LE(bullet.bottom - bullet.top, 8) << "a small dot, not a replacement box";
    EXPECT_GT(bullet.top, 4);
    RECT ansi = InkBox("Tahoma", "\xB7", 1, &advance);
    EXPECT_GT(ansi.bottom - ansi.top, bullet.bottom - bullet.top) << "other faces read the byte as GB18030";
}

}  // namespace
