// Inserting, removing and clearing rows and columns with their side data,
// and the vertical merges of one column.
#include <vector>

#include "grid_fixture.h"
#include "stringgrid/BavGridGraphic.h"

namespace {

class RowsTest : public StringGridTest {
protected:
    // A grid of `rows` rows (one fixed), each cell "cR" for column c, row R.
    void Fill(int rows, int cols = 3) {
        grid->SetColCount(cols);
        grid->SetRowCount(rows);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c) grid->SetCells(c, r, std::to_string(c) + std::to_string(r));
    }
    void RecordChanges() {
        grid->SetOnCellsChanged([this](TObject*, TRect r) { changes.push_back(r); });
    }
    std::vector<TRect> changes;
};

void Hide(TBavStringGrid* grid, int realRow) {
    static_cast<TGridItem*>(grid->HiddenRowStore()->Add())->SetIdx(realRow);
}

int HiddenIdx(TBavStringGrid* grid, int i) { return static_cast<TGridItem*>(grid->HiddenRowStore()->Items(i))->Idx(); }

TEST_F(RowsTest, InsertRowsMovesTextsHeightsAndPropertiesDown) {
    Fill(5);
    grid->SetRowHeights(3, 40);
    grid->GetCellProperties(1, 2)->SetBrushColor(clRed);
    RecordChanges();
    grid->InsertRows(2, 1);
    ASSERT_EQ(grid->RowCount(), 6);
    EXPECT_EQ(grid->Cells(0, 3), "02");
    EXPECT_EQ(grid->Cells(2, 5), "24");
    EXPECT_EQ(grid->Cells(0, 2), "");
    EXPECT_EQ(grid->RowHeights(4), 40);
    EXPECT_EQ(grid->RowHeights(2), grid->DefaultRowHeight());
    EXPECT_TRUE(grid->HasCellProperties(1, 3));
    EXPECT_FALSE(grid->HasCellProperties(1, 2));
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], TRect(0, 2, 2, 3));
    grid->InsertRows(6, 2);  // at RowCount: appended
    EXPECT_EQ(grid->RowCount(), 8);
    EXPECT_EQ(grid->Cells(2, 5), "24");
}

TEST_F(RowsTest, InsertRowsKeepsModifiedFlagsAndCellControlsWithTheirRows) {
    Fill(5);
    grid->ShowModified()->SetEnabled(true);
    grid->SetRowModified(3, true);
    TControl control(nullptr);
    grid->CellControls()->Add(1, 3, &control);
    grid->InsertRows(2, 2);
    EXPECT_FALSE(grid->IsRowModified(3));
    EXPECT_TRUE(grid->IsRowModified(5));
    EXPECT_EQ(grid->CellControls()->GetItem(0)->Row(), 5);
}

TEST_F(RowsTest, RemoveRowsKeepsTheCurrentRowWhereItCan) {
    struct Case {
        int rows, footers, current, removeAt, removeCount, expectRow;
        bool hidden;
    };
    const Case cases[] = {
        {6, 0, 2, 2, 1, 2, false},  // rows remain below: same index
        {6, 0, 5, 4, 2, 3, false},  // the run ended the grid: the last data row
        {3, 1, 1, 1, 1, 0, true},   // no data row left: no selection
    };
    for (const Case& c : cases) {
        Fill(c.rows);
        grid->SetFixedFooters(c.footers);
        grid->SetRow(c.current);
        grid->RemoveRows(c.removeAt, c.removeCount);
        EXPECT_EQ(grid->RowCount(), c.rows - c.removeCount) << c.current;
        if (c.hidden)
            EXPECT_GE(grid->Selection().Top, grid->RowCount() - c.footers) << "no data row selected";
        else
            EXPECT_EQ(grid->Row(), c.expectRow) << c.current;
        grid->RestoreSelection();
        grid->SetFixedFooters(0);
    }
}

TEST_F(RowsTest, RemoveRowsFreesPropertiesAndMovesSideData) {
    Fill(8);
    grid->ShowModified()->SetEnabled(true);
    grid->MouseActions()->SetDisjunctRowSelect(true);
    grid->GetCellProperties(1, 2)->SetBrushColor(clRed);
    grid->GetCellProperties(1, 6)->SetBrushColor(clBlue);
    grid->SetRowHeights(6, 33);
    grid->SetRowModified(6, true);
    grid->SetRowSelect(7, true);
    RecordChanges();
    grid->RemoveRows(2, 3);
    ASSERT_EQ(grid->RowCount(), 5);
    EXPECT_EQ(grid->Cells(0, 2), "05");
    EXPECT_EQ(grid->GetCellProperties(1, 3)->BrushColor(), clBlue);
    EXPECT_EQ(grid->RowHeights(3), 33);
    EXPECT_TRUE(grid->IsRowModified(3));
    EXPECT_TRUE(grid->GetRowSelect(4));
    EXPECT_FALSE(grid->GetRowSelect(2));
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.front(), TRect(0, 2, 2, 5));
}

TEST_F(RowsTest, HiddenRowsAfterARemovedRunMoveUpByItsLength) {
    Fill(10);
    Hide(grid, 8);
    grid->RemoveRows(2, 3);
    EXPECT_EQ(HiddenIdx(grid, 0), 5);
    Fill(10);
    grid->HiddenRowStore()->Clear();
    Hide(grid, 8);
    grid->RemoveRowsText(2, 3);
    EXPECT_EQ(HiddenIdx(grid, 0), 5) << "the same shift for the text-only removal";
}

TEST_F(RowsTest, ATextRemovalLeavesNoCopyOfTheLastRowsBehind) {
    Fill(6);
    grid->SetCellBrushColor(1, 5, clRed);
    TObject* last = grid->Objects(1, 5);
    grid->RemoveRowsText(2, 1);
    EXPECT_EQ(grid->Objects(1, 4), last);
    grid->SetRowCount(6);
    EXPECT_EQ(grid->Objects(1, 5), nullptr) << "a row that comes back is empty";
    EXPECT_EQ(grid->Cells(1, 5), "");
}

TEST_F(RowsTest, RemovalsOutsideTheRowsDoNothingAndCountsAreClamped) {
    struct Case {
        int at, count, expectRows;
    };
    for (const Case& c : {Case{5, 1, 5}, Case{9, 2, 5}, Case{3, 100, 3}, Case{2, 0, 5}}) {
        Fill(5);
        grid->RemoveRows(c.at, c.count);
        EXPECT_EQ(grid->RowCount(), c.expectRows) << "RemoveRows " << c.at << "," << c.count;
        Fill(5);
        grid->DeleteRowsCore(c.at, c.count, true);
        EXPECT_EQ(grid->RowCount(), c.expectRows) << "DeleteRowsCore " << c.at << "," << c.count;
    }
}

TEST_F(RowsTest, DeleteRowsRawKeepsTheRemainingHeights) {
    Fill(6);
    for (int r = 0; r < 6; ++r) grid->SetRowHeights(r, 20 + r);
    grid->GetCellProperties(0, 2)->SetBrushColor(clRed);
    grid->DeleteRowsRaw(2, 2);
    ASSERT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(grid->Cells(0, 2), "04");
    const int expected[] = {20, 21, 24, 25};
    for (int r = 0; r < 4; ++r) EXPECT_EQ(grid->RowHeights(r), expected[r]) << r;
    EXPECT_FALSE(grid->HasCellProperties(0, 2));
}

TEST_F(RowsTest, RemoveSelectedRowsDeletesTheDisjunctRows) {
    Fill(6);
    grid->MouseActions()->SetDisjunctRowSelect(true);
    grid->SetRowSelect(2, true);
    grid->SetRowSelect(4, true);
    grid->RemoveSelectedRows();
    ASSERT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(grid->Cells(0, 2), "03");
    EXPECT_EQ(grid->Cells(0, 3), "05");
}

TEST_F(RowsTest, ClearRectFreesPropertiesNotOnlyTexts) {
    Fill(5);
    grid->GetCellProperties(1, 1)->SetBrushColor(clRed);
    grid->CreateCellGraphic(2, 2)->SetCellType(ctCheckBox);
    grid->MergeCells(1, 3, 2, 1);
    grid->ClearRect(1, 1, 2, 3);
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 2; ++c) {
            EXPECT_EQ(grid->Cells(c, r), "") << c << "," << r;
            EXPECT_FALSE(grid->HasCellProperties(c, r)) << c << "," << r;
        }
    EXPECT_FALSE(grid->IsMergedCell(1, 3));
    EXPECT_EQ(grid->Cells(0, 1), "01");
    grid->Clear();
    EXPECT_EQ(grid->Cells(0, 0), "") << "fixed cells are cleared too";
}

TEST_F(RowsTest, ColumnsInsertAndRemoveWithTheirWidths) {
    Fill(3, 4);
    grid->SetColWidths(2, 90);
    grid->RemoveCols(1, 1);
    ASSERT_EQ(grid->ColCount(), 3);
    EXPECT_EQ(grid->Cells(1, 1), "21");
    EXPECT_EQ(grid->ColWidths(1), 90);
    EXPECT_EQ(grid->Cells(2, 2), "32");
    grid->InsertCols(1, 2);
    ASSERT_EQ(grid->ColCount(), 5);
    EXPECT_EQ(grid->Cells(3, 1), "21");
    EXPECT_EQ(grid->ColWidths(3), 90);
    EXPECT_EQ(grid->Cells(1, 1), "");
    EXPECT_EQ(grid->ColWidths(1), grid->DefaultColWidth());
}

TEST_F(RowsTest, MergeColumnCellsMakesBlocksOfEqualTextsAndSplitUndoesThem) {
    Fill(6, 2);
    const char* texts[] = {"a", "a", "b", "b", "b"};
    for (int r = 1; r <= 5; ++r) grid->SetCells(0, r, texts[r - 1]);
    grid->MergeColumnCells(0, true);
    EXPECT_EQ(grid->GetCellSpan(0, 1).Y, 1);
    EXPECT_EQ(grid->GetCellSpan(0, 3).Y, 2);
    EXPECT_TRUE(grid->IsCoveredCell(0, 5));
    grid->MergeColumnCells(1, false);  // texts differ in column 1: nothing merges
    EXPECT_FALSE(grid->IsMergedCell(1, 1));
    grid->SplitColumnCells(0);
    for (int r = 1; r <= 5; ++r) EXPECT_FALSE(grid->IsMergedCell(0, r)) << r;
}

}  // namespace
