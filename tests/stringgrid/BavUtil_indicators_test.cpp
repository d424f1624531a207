// The indicator painters drawn into bitmaps, the red underline of a cell's
// error range, and the grid's background in the client area past its cells.
#include <gtest/gtest.h>

#include "platform/gdi/wingdi.h"
#include "platform/ui/colors.h"
#include "platform/win/testseams.h"
#include "stringgrid/BavGridGraphic.h"
#include "stringgrid/BavUtil.h"
#include "tests/platform/win/window_fixture.h"
#include "tests/stringgrid/grid_fixture.h"
#include "tests/support/temp_dir.h"

namespace {

// A white bitmap of the size for a painter to draw into.
void Clear(TBitmap& bitmap, int width, int height) {
    bitmap.SetSize(width, height);
    bitmap.Canvas()->Brush()->SetColor(clWhite);
    bitmap.Canvas()->FillRect(Rect(0, 0, width, height));
}

bool SamePixels(TBitmap& a, TBitmap& b) {
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Canvas()->Pixels(x, y) != b.Canvas()->Pixels(x, y)) return false;
    return true;
}

TEST(BavUtilIndicators, ARangeIndicatorShowsItsValueLimitedToTheRangeAtTheTop) {
    TBitmap shown, expected;
    Clear(shown, 104, 30);
    DrawRangeIndicator(shown.Canvas(), Rect(0, 0, 104, 30), 150, 100, true, clRed, clLime);
    Clear(expected, 104, 30);
    DrawRangeIndicator(expected.Canvas(), Rect(0, 0, 104, 30), 100, 100, false, clRed, clLime);
    SetBkMode(expected.Canvas()->Handle(), TRANSPARENT);
    AnsiString text = "100";
    RECT box = {2, 2, 102, 28};
    DrawText(expected.Canvas()->Handle(), text.data(), 3, &box, DT_SINGLELINE | DT_CENTER | DT_TOP);
    EXPECT_TRUE(SamePixels(shown, expected));
    EXPECT_EQ(shown.Canvas()->Pixels(99, 27), clLime) << "the positive half is full";
    EXPECT_EQ(shown.Canvas()->Pixels(20, 27), clWhite);

    Clear(shown, 104, 30);
    DrawRangeIndicator(shown.Canvas(), Rect(0, 0, 104, 30), -50, 100, false, clRed, clLime);
    EXPECT_EQ(shown.Canvas()->Pixels(30, 15), clRed) << "a negative value fills left of the middle";
    EXPECT_EQ(shown.Canvas()->Pixels(20, 15), clWhite);
    EXPECT_EQ(shown.Canvas()->Pixels(60, 15), clWhite);
}

TEST(BavUtilIndicators, AStackedBarOfLevelsAtFullFillsItsInnerLength) {
    TFont font;
    const TProgressAppearanceRecord look = {clRed, clRed,  clYellow, clYellow, clBlue, clBlue, clLime, clLime,
                                            50,    80,     clBlack,  true,     true,   false,  &font,  true,
                                            false, 0,      clWhite,  false};
    TBitmap bar;
    Clear(bar, 100, 20);
    DrawProgressAppearanceBar(bar.Canvas(), Rect(0, 0, 100, 20), 100, look);
    EXPECT_EQ(bar.Canvas()->Pixels(1, 10), clRed);
    EXPECT_EQ(bar.Canvas()->Pixels(60, 10), clYellow);
    EXPECT_EQ(bar.Canvas()->Pixels(98, 10), clLime) << "the last level reaches the inner right edge";
    EXPECT_EQ(bar.Canvas()->Pixels(99, 10), clBlack);
}

TEST(BavUtilIndicators, AComboDropButtonKeepsTwoPixelsFromTheRightEdge) {
    TBitmap cell;
    Clear(cell, 60, 20);
    DrawComboDropButton(cell.Canvas(), 0, Rect(0, 0, 60, 20), false);
    EXPECT_EQ(cell.Canvas()->Pixels(41, 10), clWhite);
    EXPECT_NE(cell.Canvas()->Pixels(45, 10), clWhite);
    EXPECT_EQ(cell.Canvas()->Pixels(58, 10), clWhite);
}

class IndicatorGridTest : public StringGridTest {};

TEST_F(IndicatorGridTest, AnErrorRangeIsUnderlinedInRedUnderItsCharactersOnly) {
    grid->SetColCount(3);
    grid->SetRowCount(3);
    grid->SetColWidths(1, 200);
    grid->SetCells(1, 1, "good wrong good");
    TCellGraphic* graphic = grid->CreateCellGraphic(1, 1);
    graphic->SetCellErrFrom(5);
    graphic->SetCellErrLen(5);
    TBitmap cell;
    Clear(cell, 200, 40);
    cell.Canvas()->Font()->Assign(grid->Font());
    grid->DrawGridCell(cell.Canvas(), 1, 1, Rect(0, 0, 200, 40), TGridDrawState());
    int left = 1000, right = -1;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x)
            if (ColorToRGB(cell.Canvas()->Pixels(x, y)) == ColorToRGB(clRed)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    const int textLeft = grid->CellMarginX();
    const int wrongLeft = textLeft + cell.Canvas()->TextWidth("good ");
    const int wrongRight = textLeft + cell.Canvas()->TextWidth("good wrong");
    ASSERT_GE(right, 0) << "a red line is drawn";
    EXPECT_NEAR(left, wrongLeft, 3);
    EXPECT_GT(right, wrongRight - 6);
    EXPECT_LT(right, wrongRight + 8) << "the line ends about the error's last character";
}

TEST_F(IndicatorGridTest, TheBackgroundPastTheCellsTilesFromTheFirstScrollableCell) {
    grid->SetBounds(0, 0, 300, 240);
    grid->SetRowCount(3);
    grid->SetColCount(3);
    grid->SetSelection(TGridRect{-1, -1, -1, -1});
    TBitmap* picture = grid->BackGround()->Bitmap();
    picture->SetSize(8, 8);
    picture->Canvas()->Brush()->SetColor(clRed);
    picture->Canvas()->FillRect(Rect(0, 0, 8, 8));
    picture->Canvas()->SetPixels(1, 1, clBlue);
    grid->BackGround()->SetDisplay(bdTile);
    grid->BackGround()->SetCells(bcNormal);
    form->Show();
    ProcessMessages();
    const int border = (grid->Width() - grid->ClientWidth()) / 2;
    auto shown = [&](int x, int y) { return ShownPixel(grid->Handle(), border + x, border + y); };
    const TRect first = grid->CellRect(1, 1);
    const int x0 = first.left + grid->CellMarginX(), y0 = first.top + grid->CellMarginY();
    const int below = y0 + 8 * 10;
    ASSERT_GT(below, grid->CellRect(2, 2).bottom + 1);
    EXPECT_EQ(shown(x0 + 16, below), RGB(0, 0, 255)) << "the picture's top-left lies one pixel above and left";
    EXPECT_EQ(shown(x0 + 17, below), RGB(255, 0, 0));

}

TEST_F(IndicatorGridTest, AHorizontalGradientRunsAcrossCellsAndTheAreaPastThemWithoutASeam) {
    grid->SetBounds(8, 8, 400, 200);
    grid->SetRowCount(4);
    grid->SetColCount(3);
    grid->SetGridLineWidth(0);
    grid->SetSelection(TGridRect{-1, -1, -1, -1});
    grid->BackGround()->SetDisplay(bdGradientHorz);
    grid->BackGround()->SetCells(bcAll);
    grid->BackGround()->SetColor(clWhite);
    grid->BackGround()->SetColorTo(clBlue);
    grid->SetCells(1, 1, "渐变");
    form->Show();
    ProcessMessages();
    const int border = (grid->Width() - grid->ClientWidth()) / 2;
    auto red = [&](int x, int y) { return int(GetRValue(ShownPixel(grid->Handle(), border + x, border + y))); };
    const TRect left = grid->CellRect(1, 2), right = grid->CellRect(2, 2);
    const int y = (left.top + left.bottom) / 2;
    EXPECT_LE(std::abs(red(left.right - 2, y) - red(right.left + 1, y)), 6) << "no step at the common edge";
    EXPECT_GT(red(left.left + 2, y), red(right.right - 2, y)) << "white fades to blue from left to right";
    const int past = right.right + 20;
    ASSERT_LT(past, grid->ClientWidth());
    EXPECT_LT(red(past, y), red(right.right - 2, y) + 6) << "the area past the last column goes on fading";
    EXPECT_TRUE(SaveWindowScreenshot(form->Handle(), ScreenshotDir() + "stringgrid_background.png"));
}

}  // namespace
