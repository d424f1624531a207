// Cell text and image drawing: shortening text by whole characters, the
// fixed right margin, layouts of composed text, clipped images and the
// colour lightening.
#include "datagrid/DBGridVynDrawing.h"
#include "datagrid/DBGridVynStyle.h"
#include "platform/gdi/wingdi.h"
#include "tests/datagrid/grid_fixture.h"

namespace {

// A white canvas with black text.
std::unique_ptr<TBitmap> Sheet(int width, int height) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetWidth(width);
    bitmap->SetHeight(height);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect({0, 0, width, height});
    canvas->Font()->SetHeight(-12);
    canvas->Font()->SetColor(clBlack);
    return bitmap;
}

// The ink's bounds: the smallest rectangle holding every non-white pixel.
TRect Ink(TCanvas* canvas, const TRect& area) {
    TRect ink{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (canvas->Pixels(x, y) != clWhite) {
                ink.left = std::min<int>(ink.left, x);
                ink.top = std::min<int>(ink.top, y);
                ink.right = std::max<int>(ink.right, x + 1);
                ink.bottom = std::max<int>(ink.bottom, y + 1);
            }
    return ink;
}

}  // namespace

TEST(DrawingTest, ShortenTextToWidthDropsWholeCharacters) {
    auto sheet = Sheet(10, 10);
    TCanvas* canvas = sheet->Canvas();
    struct Case {
        AnsiString text;
        AnsiString fits;  // the widest form allowed
        AnsiString expected;
    };
    const Case cases[] = {
        {"abcdefgh", "abcdefgh", "abcdefgh"},
        {"abcdefgh", "abc...", "abc..."},
        {"abcdefgh", "abcd...", "abcd..."},
        {"abcdefgh", "", "..."},
        {"乗维修单位", "乗维...", "乗维..."},  // 乗's trail byte is "\"
        {"乗维修单位", "乗...", "乗..."},
    };
    for (const Case& c : cases) {
        const int width = c.fits.empty() ? 0 : canvas->TextWidth(c.fits);
        EXPECT_EQ(ShortenTextToWidth(c.text, canvas, width), c.expected) << c.fits;
    }
}

TEST(DrawingTest, RightAlignedTextKeepsThreePixelsWhateverTheMargin) {
    auto narrow = Sheet(100, 20);
    auto wide = Sheet(100, 20);
    const TRect cell{0, 0, 100, 20};
    DrawCellText(narrow->Canvas(), cell, false, 0, 2, "42", taRightJustify, tlTop, false, false, 0, 0, false);
    DrawCellText(wide->Canvas(), cell, false, 10, 2, "42", taRightJustify, tlTop, false, false, 0, 0, false);
    const TRect ink = Ink(narrow->Canvas(), cell);
    EXPECT_EQ(ink, Ink(wide->Canvas(), cell));
    EXPECT_LE(ink.right, 100 - 3);
    EXPECT_GE(ink.right, 100 - 3 - 2);
}

TEST(DrawingTest, ComposedTextFollowsItsLayout) {
    const TRect cell{0, 0, 80, 60};
    auto top = Sheet(80, 60);
    auto bottom = Sheet(80, 60);
    AcquireDrawBitmap();
    DrawCellText(top->Canvas(), cell, false, 2, 2, "甲", taLeftJustify, tlTop, true, false, 0, 0, false);
    DrawCellText(bottom->Canvas(), cell, false, 2, 2, "甲", taLeftJustify, tlBottom, true, false, 0, 0, false);
    EXPECT_GE(SharedDrawBitmap()->Width(), 80);  // grown to the cell
    ReleaseDrawBitmap();
    const TRect high = Ink(top->Canvas(), cell);
    const TRect low = Ink(bottom->Canvas(), cell);
    EXPECT_LT(high.top, 10);
    EXPECT_GT(low.bottom, 50);
}

TEST(DrawingTest, AnImageLargerThanItsCellIsClippedAndTheClipRestored) {
    auto sheet = Sheet(40, 40);
    TCanvas* canvas = sheet->Canvas();
    TBitmap red;
    red.SetWidth(20);
    red.SetHeight(20);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect({0, 0, 20, 20});
    const TRect cell{10, 10, 16, 16};
    DrawImageClipped(nullptr, &red, canvas, cell, 0, 0, taCenter);
    EXPECT_EQ(Ink(canvas, {0, 0, 40, 40}), cell);
    EXPECT_EQ(canvas->Pixels(12, 12), clRed);
    const HRGN after = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(canvas->Handle(), after), 0);  // no clip region, as before
    DeleteObject(after);
}

TEST(DrawingTest, ColourLightening) {
    EXPECT_EQ(TDBGridVynStyle::BrightenColor(clBlack, RGB(0, 0, 128), false), RGB(135, 135, 161));
    EXPECT_EQ(BrightenColor(RGB(80, 16, 255), 8), RGB(90, 18, 255));
    EXPECT_EQ(SwapRectExtent({5, 6, 25, 16}), (TRect{5, 6, 15, 26}));
}
