// Pixel tests of the skin drawing routines.
#include <gtest/gtest.h>

#include "platform/rtl/sysutils.h"
#include "skin/WinSkinFormDraw.h"
#include "skindraw_fixture.h"

namespace {

constexpr COLORREF kRed = RGB(200, 0, 0), kGreen = RGB(0, 200, 0), kBlue = RGB(0, 0, 200),
                   kGrey = RGB(90, 90, 90), kWhite = RGB(255, 255, 255), kYellow = RGB(200, 200, 0);

struct TCellCase {
    int index, frames;
    bool vertical;
    TRect expected;
};

class SkinCells : public testing::TestWithParam<TCellCase> {};

TEST_P(SkinCells, CutsTheImageIntoItsFrames) {
    auto image = FilledBitmap(40, 20, kGrey);
    const TRect cell = SkinCellRect(image.get(), GetParam().index, GetParam().frames, GetParam().vertical);
    EXPECT_EQ(cell.left, GetParam().expected.left);
    EXPECT_EQ(cell.top, GetParam().expected.top);
    EXPECT_EQ(cell.right, GetParam().expected.right);
    EXPECT_EQ(cell.bottom, GetParam().expected.bottom);
}

INSTANTIATE_TEST_SUITE_P(Frames, SkinCells,
                         testing::Values(TCellCase{1, 4, false, {0, 0, 10, 20}}, TCellCase{3, 4, false, {20, 0, 30, 20}},
                                         TCellCase{2, 2, true, {0, 10, 40, 20}}, TCellCase{1, 0, false, {0, 0, 40, 20}},
                                         TCellCase{2, -3, false, {0, 0, 40, 20}}, TCellCase{6, 4, false, {30, 0, 40, 20}},
                                         TCellCase{0, 4, false, {0, 0, 10, 20}}));

// Nine-slice source: columns left margin (red, 3), centre (green, blue,
// yellow), right margin (grey, 3).
std::unique_ptr<TBitmap> NineSliceImage() {
    return ColumnImage({kRed, kRed, kRed, kGreen, kBlue, kYellow, kGrey, kGrey, kGrey}, 9);
}

TEST(SkinDraw, TiledCentreEndsWithAPartialTileUnderTheRightEdge) {
    auto image = NineSliceImage();
    const auto cell = BuildSkinCell({0, 0, 10, 9}, image.get(), {3, 0, 3, 0}, 1, 1, true, false);
    const std::vector<COLORREF> expected = {kRed, kRed, kRed, kGreen, kBlue, kYellow, kGreen, kGrey, kGrey, kGrey};
    for (int x = 0; x < 10; ++x) EXPECT_EQ(PixelAt(cell.get(), x, 4), expected[x]) << x;
}

TEST(SkinDraw, CornersKeepTheirSizeWhenTheCellGrows) {
    auto image = NineSliceImage();
    const auto cell = BuildSkinCell({0, 0, 30, 9}, image.get(), {3, 0, 3, 0}, 1, 1, false, false);
    EXPECT_EQ(PixelAt(cell.get(), 2, 0), kRed);
    EXPECT_NE(PixelAt(cell.get(), 3, 0), kRed);
    EXPECT_EQ(PixelAt(cell.get(), 27, 0), kGrey);
    EXPECT_NE(PixelAt(cell.get(), 26, 0), kGrey);
}

TEST(SkinDraw, CellNarrowerThanItsMarginsIsStretchedWhole) {
    auto image = NineSliceImage();
    const auto cell = BuildSkinCell({0, 0, 3, 9}, image.get(), {3, 0, 3, 0}, 1, 1, false, false);
    EXPECT_EQ(PixelAt(cell.get(), 0, 0), kRed);
    EXPECT_EQ(PixelAt(cell.get(), 2, 0), kGrey);
}

TEST(SkinDraw, CellPicksItsFrame) {
    auto image = ColumnImage({kRed, kRed, kBlue, kBlue}, 2);
    auto target = FilledBitmap(6, 6, kWhite);
    DrawSkinCell(target->Canvas()->Handle(), {1, 1, 5, 5}, image.get(), {0, 0, 0, 0}, 2, 2, false, false, false);
    EXPECT_EQ(PixelAt(target.get(), 0, 0), kWhite);
    EXPECT_EQ(PixelAt(target.get(), 1, 1), kBlue);
    EXPECT_EQ(PixelAt(target.get(), 4, 4), kBlue);
    EXPECT_EQ(PixelAt(target.get(), 5, 5), kWhite);
}

TEST(SkinDraw, NegativeRectanglesDrawNothing) {
    auto image = FilledBitmap(4, 4, kRed);
    auto target = FilledBitmap(6, 6, kWhite);
    HDC dc = target->Canvas()->Handle();
    DrawSkinCell(dc, {4, 4, 1, 1}, image.get(), {0, 0, 0, 0}, 1, 1, false, false, false);
    DrawSkinFrame(dc, {4, 1, 1, 4}, image.get(), 1, 1, false);
    DrawSkinGlyph(dc, {1, 4, 4, 1}, image.get(), 1, 1, false);
    DrawSkinStrip(target->Canvas(), {4, 4, 1, 1}, image.get(), {1, 0, 1, 0}, 1, 1, false, false);
    for (int p = 0; p < 6; ++p) EXPECT_EQ(PixelAt(target.get(), p, p), kWhite);
}

TEST(SkinDraw, StripRepeatsItsMiddleBetweenTheCaps) {
    auto image = ColumnImage({kRed, kGreen, kBlue, kGrey}, 1);
    auto target = FilledBitmap(9, 4, kWhite);
    DrawSkinStrip(target->Canvas(), {1, 1, 8, 3}, image.get(), {1, 0, 1, 0}, 1, 1, false, false);
    const std::vector<COLORREF> expected = {kWhite, kRed, kGreen, kBlue, kGreen, kBlue, kGreen, kGrey, kWhite};
    for (int x = 0; x < 9; ++x) EXPECT_EQ(PixelAt(target.get(), x, 2), expected[x]) << x;
    EXPECT_EQ(PixelAt(target.get(), 3, 0), kWhite);
}

TEST(SkinDraw, GlyphIsCentredUnscaled) {
    auto image = ColumnImage({kRed, kRed, kBlue, kBlue}, 2);
    auto target = FilledBitmap(8, 8, kWhite);
    DrawSkinGlyph(target->Canvas()->Handle(), {0, 0, 8, 8}, image.get(), 2, 2, false);
    EXPECT_EQ(PixelAt(target.get(), 2, 2), kWhite);
    EXPECT_EQ(PixelAt(target.get(), 3, 3), kBlue);
    EXPECT_EQ(PixelAt(target.get(), 4, 4), kBlue);
    EXPECT_EQ(PixelAt(target.get(), 5, 5), kWhite);
}

TEST(SkinDraw, FrameStretchesOneCell) {
    auto image = ColumnImage({kRed, kBlue}, 1);
    auto target = FilledBitmap(6, 6, kWhite);
    DrawSkinFrame(target->Canvas()->Handle(), {0, 0, 6, 6}, image.get(), 2, 2, false);
    EXPECT_EQ(PixelAt(target.get(), 0, 0), kBlue);
    EXPECT_EQ(PixelAt(target.get(), 5, 5), kBlue);
}

TEST(SkinDraw, BarKeepsItsMarginsAndStretchesItsMiddle) {
    auto image = ColumnImage({kRed, kGreen, kBlue}, 2);
    auto target = FilledBitmap(10, 3, kWhite);
    DrawSkinBar(target->Canvas()->Handle(), {0, 0, 10, 3}, image.get(), {1, 0, 1, 0}, 1, 1, false);
    EXPECT_EQ(PixelAt(target.get(), 0, 1), kRed);
    EXPECT_EQ(PixelAt(target.get(), 5, 1), kGreen);
    EXPECT_EQ(PixelAt(target.get(), 9, 1), kBlue);
}

class SkinTransparentDraw : public testing::TestWithParam<int> {};

TEST_P(SkinTransparentDraw, LeavesMagentaPixelsShowingTheDestination) {
    const int platform = Win32Platform;
    Win32Platform = GetParam();
    auto image = ColumnImage({kSkinKeyColour, kBlue, kSkinKeyColour}, 2);
    auto target = FilledBitmap(5, 4, kYellow);
    DrawTransparent(target->Canvas()->Handle(), {1, 1, 4, 3}, image.get(), kSkinKeyColour);
    Win32Platform = platform;
    EXPECT_EQ(PixelAt(target.get(), 1, 1), kYellow);
    EXPECT_EQ(PixelAt(target.get(), 2, 1), kBlue);
    EXPECT_EQ(PixelAt(target.get(), 3, 2), kYellow);
    EXPECT_EQ(PixelAt(target.get(), 2, 3), kYellow);
}

// The NT path with MaskBlt and the three-blit path of older platforms.
INSTANTIATE_TEST_SUITE_P(Platforms, SkinTransparentDraw, testing::Values(VER_PLATFORM_WIN32_NT, 1));

TEST(SkinDraw, TransparentCellGoesThroughTheKey) {
    auto image = ColumnImage({kSkinKeyColour, kRed}, 2);
    auto target = FilledBitmap(2, 2, kYellow);
    DrawSkinCell(target->Canvas()->Handle(), {0, 0, 2, 2}, image.get(), {0, 0, 0, 0}, 1, 1, true, false, false);
    EXPECT_EQ(PixelAt(target.get(), 0, 0), kYellow);
    EXPECT_EQ(PixelAt(target.get(), 1, 0), kRed);
}

TEST(SkinDraw, TileCoversTheRectangleAndNoMore) {
    auto image = ColumnImage({kRed, kBlue}, 1);
    auto target = FilledBitmap(6, 3, kWhite);
    TCanvas* canvas = target->Canvas();
    HRGN clip = CreateRectRgn(0, 0, 5, 3);
    SelectClipRgn(canvas->Handle(), clip);
    DeleteObject(clip);
    TileBitmap(canvas, {0, 0, 5, 2}, image.get(), {0, 0, 2, 1});
    SelectClipRgn(canvas->Handle(), 0);
    EXPECT_EQ(PixelAt(target.get(), 0, 1), kRed);
    EXPECT_EQ(PixelAt(target.get(), 3, 0), kBlue);
    EXPECT_EQ(PixelAt(target.get(), 4, 1), kRed);
    EXPECT_EQ(PixelAt(target.get(), 5, 0), kWhite);
    EXPECT_EQ(PixelAt(target.get(), 0, 2), kWhite);
}

TEST(SkinRegion, ImageWithoutKeyPixelsIsOneRectangle) {
    auto image = FilledBitmap(3, 2, kBlue);
    HRGN region = RegionFromBitmap(image.get(), 10, 20, kSkinKeyColour, 1, 1, 1);
    RECT box{};
    EXPECT_NE(GetRgnBox(region, &box), NULLREGION);
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.top, 20);
    EXPECT_EQ(box.right, 13);
    EXPECT_EQ(box.bottom, 22);
    DeleteObject(region);
}

TEST(SkinRegion, AllKeyImageGivesAnEmptyRegion) {
    auto image = FilledBitmap(3, 2, kSkinKeyColour);
    HRGN region = RegionFromBitmap(image.get(), 0, 0, kSkinKeyColour, 0, 0, 0);
    ASSERT_NE(region, 0u);
    RECT box{};
    EXPECT_EQ(GetRgnBox(region, &box), NULLREGION);
    DeleteObject(region);
}

TEST(SkinRegion, KeyPixelsWithinTheToleranceAreHoles) {
    auto image = ColumnImage({kBlue, RGB(255, 1, 254), kBlue, RGB(255, 2, 255), kBlue}, 1);
    HRGN region = RegionFromBitmap(image.get(), 0, 0, kSkinKeyColour, 1, 1, 1);
    EXPECT_TRUE(PtInRegion(region, 0, 0));
    EXPECT_TRUE(PtInRegion(region, 1, 0));  // blue 254 lies below the key's 255
    EXPECT_TRUE(PtInRegion(region, 2, 0));
    EXPECT_TRUE(PtInRegion(region, 3, 0));  // green 2 lies above the key's 0 + 1
    DeleteObject(region);
    auto holes = ColumnImage({kBlue, RGB(255, 1, 255), kBlue, kSkinKeyColour, kBlue}, 1);
    region = RegionFromBitmap(holes.get(), 0, 0, kSkinKeyColour, 1, 1, 1);
    EXPECT_TRUE(PtInRegion(region, 0, 0));
    EXPECT_FALSE(PtInRegion(region, 1, 0));
    EXPECT_TRUE(PtInRegion(region, 2, 0));
    EXPECT_FALSE(PtInRegion(region, 3, 0));
    EXPECT_TRUE(PtInRegion(region, 4, 0));
    DeleteObject(region);
}

TEST(SkinRegion, ManyRunsAreGatheredInBatches) {
    // 2,500 runs: more than one batch of 2,000 rectangles.
    std::vector<COLORREF> columns;
    for (int i = 0; i < 50; ++i) {
        columns.push_back(kBlue);
        columns.push_back(kSkinKeyColour);
    }
    auto image = ColumnImage(columns, 50);
    HRGN region = RegionFromBitmap(image.get(), 0, 0, kSkinKeyColour, 0, 0, 0);
    EXPECT_TRUE(PtInRegion(region, 98, 49));
    EXPECT_FALSE(PtInRegion(region, 99, 49));
    EXPECT_TRUE(PtInRegion(region, 0, 0));
    DeleteObject(region);
}

TEST(SkinDraw, WorkBitmapIsShared) {
    ASSERT_NE(SkinWorkBitmap(), nullptr);
    EXPECT_EQ(SkinWorkBitmap(), SkinWorkBitmap());
}

}  // namespace
