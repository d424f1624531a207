// Cell and row colours.
#include "grid_fixture.h"

namespace {

using ColorsTest = StringGridTest;

TEST_F(ColorsTest, CellColoursGoIntoTheCellsProperties) {
    EXPECT_EQ(grid->GetCellBrushColor(2, 2), clNone);
    EXPECT_FALSE(grid->GetCellReadOnly(2, 2));
    EXPECT_FALSE(grid->HasCellProperties(2, 2)) << "asking creates nothing";
    grid->SetCellBrushColor(2, 2, clRed);
    grid->SetCellBrushColorTo(2, 2, clBlue);
    grid->SetCellFontColor(2, 2, clGreen);
    EXPECT_EQ(grid->GetCellBrushColor(2, 2), clRed);
    EXPECT_EQ(grid->GetCellProperties(2, 2)->BrushColorTo(), clBlue);
    EXPECT_EQ(grid->GetCellProperties(2, 2)->FontColor(), clGreen);
}

TEST_F(ColorsTest, RowColoursSpanTheNonFixedCellsAndNoneFreesThemExceptGraphics) {
    grid->SetColCount(4);
    grid->SetRowColor(2, clRed);
    grid->SetRowFontColor(2, clYellow);
    EXPECT_FALSE(grid->HasCellProperties(0, 2));
    for (int col = 1; col < 4; ++col) EXPECT_EQ(grid->GetCellBrushColor(col, 2), clRed) << col;
    grid->CreateCellGraphic(3, 2)->SetCellType(ctSummary);
    for (auto set : {&TBavStringGrid::SetRowColor, &TBavStringGrid::SetRowColorTo, &TBavStringGrid::SetRowFontColor})
        (grid->*set)(2, clNone);
    EXPECT_FALSE(grid->HasCellProperties(1, 2));
    ASSERT_TRUE(grid->HasCellProperties(3, 2));
    EXPECT_EQ(grid->GetCellType(3, 2), ctSummary);
    EXPECT_EQ(grid->GetCellBrushColor(3, 2), clNone);
    EXPECT_EQ(grid->GetCellProperties(3, 2)->FontColor(), clNone);
}

}  // namespace
