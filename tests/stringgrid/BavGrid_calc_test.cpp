// Column calculations and the footer row they fill.
#include "grid_fixture.h"
#include "stringgrid/BavFooter.h"

namespace {

class CalcTest : public StringGridTest {
protected:
    // Column 1 holds `values` from row 1 on, below one fixed row.
    void Column(std::initializer_list<const char*> values, int extraRows = 0) {
        grid->SetColCount(4);
        grid->SetRowCount(int(values.size()) + 1 + extraRows);
        int row = 1;
        for (const char* value : values) grid->SetCells(1, row++, value);
    }
};

TEST_F(CalcTest, SumAndAveragePassOverCellsWithoutNumbers) {
    Column({"1", "a", "2"});
    EXPECT_DOUBLE_EQ(grid->ColumnSum(1, 1, 3), 3.0);
    EXPECT_DOUBLE_EQ(grid->ColumnAvg(1, 1, 3), 1.0);
    EXPECT_DOUBLE_EQ(grid->ColumnAvg(1, 3, 1), 0.0);
}

TEST_F(CalcTest, MinimumAndMaximumRaiseOnlyOnTheirFirstRow) {
    Column({"1", "1.2.3", "0.5", "7"});
    EXPECT_DOUBLE_EQ(grid->ColumnMin(1, 1, 4), 0.5);
    EXPECT_DOUBLE_EQ(grid->ColumnMax(1, 1, 4), 7.0);
    EXPECT_THROW(grid->ColumnMin(1, 2, 4), EBavGridError);
    EXPECT_THROW(grid->ColumnMax(1, 2, 4), EBavGridError);
}

TEST_F(CalcTest, HiddenRowsCountOnlyWhenTheRangeReachesPastTheRowsInView) {
    Column({"1", "2", "3", "4"});
    grid->HideRows(2, 2);
    ASSERT_EQ(grid->RowCount(), 4);
    EXPECT_DOUBLE_EQ(grid->ColumnSum(1, 1, 3), 8.0) << "display rows";
    EXPECT_DOUBLE_EQ(grid->ColumnSum(1, 1, 4), 10.0) << "real rows";
    EXPECT_DOUBLE_EQ(grid->GetRealRowCellFloat(1, 2), 2.0);
    EXPECT_DOUBLE_EQ(grid->ColumnMax(1, 1, 4), 4.0);
}

TEST_F(CalcTest, TheFooterRowIsFilledByEachCellsKind) {
    Column({"1", "4", "1.2.3", "2"}, 1);
    const int footer = grid->RowCount() - 1;
    grid->FloatingFooter()->SetVisible(true);
    struct Case {
        Byte kind;
        const char* expected;
    };
    const Case cases[] = {{0, ""}, {1, "7.00"}, {2, "1.75"}, {3, "4.00"}, {4, "1.00"}, {5, "4.00"}, {6, "kept"}, {0x81, "7.00"}};
    for (const Case& c : cases) {
        grid->SetCells(1, footer, "kept");
        grid->GetCellProperties(1, footer)->SetCalcType(c.kind);
        grid->CalcFooter(1);
        EXPECT_EQ(grid->Cells(1, footer), c.expected) << int(c.kind);
    }
    grid->GetCellProperties(1, footer)->SetCalcType(7);
    grid->CalcFooter(-1);
    EXPECT_EQ(grid->Cells(1, footer), "") << "custom without the event";
    grid->FloatingFooter()->SetOnCalcFooter([](TObject*, int col, int row, AnsiString& value) {
        value = std::to_string(col) + "@" + std::to_string(row);
    });
    grid->CalcFooter(-1);
    EXPECT_EQ(grid->Cells(1, footer), "1@5");
    grid->SetCells(2, footer, "left alone");
    grid->CalcFooter(-1);
    EXPECT_EQ(grid->Cells(2, footer), "left alone") << "no properties";
}

TEST_F(CalcTest, TheFooterCountsHiddenRowsWhenAsked) {
    Column({"1", "2", "3"}, 1);
    const int footer = grid->RowCount() - 1;
    grid->GetCellProperties(1, footer)->SetCalcType(1);
    grid->GetCellProperties(2, footer)->SetCalcType(3);
    grid->FloatingFooter()->SetVisible(true);
    grid->HideRows(2, 2);
    grid->CalcFooter(-1);
    EXPECT_EQ(grid->Cells(1, footer - 1), "4.00");
    EXPECT_EQ(grid->Cells(2, footer - 1), "2.00");
    grid->FloatingFooter()->SetCalculateHiddenRows(true);
    grid->CalcFooter(-1);
    EXPECT_EQ(grid->Cells(1, footer - 1), "6.00");
    EXPECT_EQ(grid->Cells(2, footer - 1), "3.00");
    grid->FloatingFooter()->SetVisible(false);
    grid->SetCells(1, footer - 1, "");
    grid->CalcFooter(-1);
    EXPECT_EQ(grid->Cells(1, footer - 1), "") << "no calculation without the footer";
}

}  // namespace
