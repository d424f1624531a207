// Hidden columns: real and display column indexes, and cells and widths of
// hidden columns travelling with row and column operations, sorting and
// column moves.
#include <string>
#include <vector>

#include "grid_fixture.h"

namespace {

// Six columns and four rows, cell (c, r) holding "c:r" and column c
// 40 + 10c pixels wide.
class HiddenColumnsTest : public StringGridTest {
protected:
    void SetUp() override {
        StringGridTest::SetUp();
        grid->SetColCount(6);
        grid->SetRowCount(4);
        for (int c = 0; c < 6; ++c) {
            grid->SetColWidths(c, 40 + 10 * c);
            for (int r = 0; r < 4; ++r) grid->SetCells(c, r, std::to_string(c) + ":" + std::to_string(r));
        }
    }
    // The state a hidden column is in: its flag clear, its width aside and
    // the shown columns after it one display index to the left.
    void Hide(int realCol) {
        const int display = grid->DisplayColIndex(realCol);
        grid->ColumnVisibility().SetStoredWidth(realCol, grid->ColWidths(display));
        for (int i = display; i + 1 < grid->ColCount(); ++i) grid->SetColWidths(i, grid->ColWidths(i + 1));
        grid->ColumnVisibility().SetShown(realCol, false);
        grid->SetColCount(grid->ColCount() - 1);
    }
    void Show(int realCol) {
        grid->ColumnVisibility().SetShown(realCol, true);
        grid->SetColCount(grid->ColCount() + 1);
        const int display = grid->DisplayColIndex(realCol);
        for (int i = grid->ColCount() - 1; i > display; --i) grid->SetColWidths(i, grid->ColWidths(i - 1));
        grid->SetColWidths(display, grid->ColumnVisibility().StoredWidth(realCol));
    }
    // The texts of a row as shown, display column by display column.
    std::vector<std::string> ShownRow(int row) {
        std::vector<std::string> texts;
        for (int c = 0; c < grid->ColCount(); ++c) texts.push_back(grid->Cells(grid->RealColIndex(c), row));
        return texts;
    }
    std::vector<int> Widths() {
        std::vector<int> widths;
        for (int c = 0; c < grid->ColCount(); ++c) widths.push_back(grid->ColWidths(c));
        return widths;
    }
};

TEST_F(HiddenColumnsTest, RealAndDisplayIndexesSkipTheHiddenColumns) {
    for (int c : {0, 5, 600}) {
        EXPECT_EQ(grid->RealColIndex(c), c);
        EXPECT_EQ(grid->DisplayColIndex(c), c);
    }
    Hide(1);
    Hide(3);
    EXPECT_EQ(grid->NumHiddenColumns(), 2);
    EXPECT_EQ(grid->ColCount(), 4);
    EXPECT_EQ(grid->AllColCount(), 6);
    const int real[] = {0, 2, 4, 5};
    for (int d = 0; d < 4; ++d) {
        EXPECT_EQ(grid->RealColIndex(d), real[d]);
        EXPECT_EQ(grid->RealColIndexOf(d), real[d]);
    }
    EXPECT_EQ(grid->RealColIndex(511), 0);  // no such shown column
    const int display[] = {0, 1, 1, 2, 2, 3};
    for (int r = 0; r < 6; ++r) {
        EXPECT_EQ(grid->DisplayColIndex(r), display[r]);
        EXPECT_EQ(grid->IsHiddenColumn(r), r == 1 || r == 3);
    }
    EXPECT_EQ(grid->RealColIndex(600), 600);
    EXPECT_EQ(grid->DisplayColIndex(600), 600);
    EXPECT_FALSE(grid->IsHiddenColumn(600));
    EXPECT_EQ(ShownRow(2), (std::vector<std::string>{"0:2", "2:2", "4:2", "5:2"}));
    EXPECT_EQ(Widths(), (std::vector<int>{40, 60, 80, 90}));
    Show(3);
    Show(1);
    EXPECT_EQ(grid->NumHiddenColumns(), 0);
    EXPECT_EQ(ShownRow(2), (std::vector<std::string>{"0:2", "1:2", "2:2", "3:2", "4:2", "5:2"}));
    EXPECT_EQ(Widths(), (std::vector<int>{40, 50, 60, 70, 80, 90}));
}

TEST_F(HiddenColumnsTest, RowOperationsCarryAndClearTheCellsOfHiddenColumns) {
    Hide(4);
    grid->InsertRows(1, 1);
    EXPECT_EQ(grid->Cells(4, 1), "");
    EXPECT_EQ(grid->Cells(4, 2), "4:1");
    grid->RemoveRows(0, 2);
    EXPECT_EQ(grid->Cells(4, 0), "4:1");
    grid->RemoveRowsText(0, 1);
    EXPECT_EQ(grid->Cells(4, 0), "4:2");
    EXPECT_EQ(grid->Cells(4, 1), "4:3");
    grid->HideRows(0, 0);
    ASSERT_NE(grid->GetHiddenRowStrings(0), nullptr);
    EXPECT_EQ(grid->GetHiddenRowStrings(0)->Strings(4), "4:2");
    grid->UnHideRows(0, 0);
    EXPECT_EQ(grid->Cells(4, 0), "4:2");
    grid->ClearRows(1, 1);
    EXPECT_EQ(grid->Cells(4, 1), "");
    grid->Clear();
    EXPECT_EQ(grid->Cells(4, 0), "");
}

TEST_F(HiddenColumnsTest, SortingMovesTheHiddenCellsWithTheirRows) {
    Hide(2);
    for (int r = 1; r < 4; ++r) grid->SetCells(1, r, std::string(1, char('d' - r)));  // c, b, a
    grid->SortSettings()->SetColumn(1);
    grid->QSort();
    for (int r = 1; r < 4; ++r) EXPECT_EQ(grid->Cells(2, r), "2:" + std::to_string(4 - r));
    grid->UnSort();
    EXPECT_EQ(grid->Cells(2, 1), "2:1");
}

TEST_F(HiddenColumnsTest, AMovedColumnKeepsTheHiddenColumnsAndTheirWidths) {
    Hide(1);
    grid->SetEnhRowColMove(true);
    grid->NotifyColumnMoved(0, 2);  // real column 0 to real column 3
    EXPECT_EQ(ShownRow(0), (std::vector<std::string>{"2:0", "3:0", "0:0", "4:0", "5:0"}));
    EXPECT_EQ(Widths(), (std::vector<int>{60, 70, 40, 80, 90}));
    EXPECT_TRUE(grid->IsHiddenColumn(0));
    Show(0);
    EXPECT_EQ(ShownRow(0), (std::vector<std::string>{"1:0", "2:0", "3:0", "0:0", "4:0", "5:0"}));
    EXPECT_EQ(Widths(), (std::vector<int>{50, 60, 70, 40, 80, 90}));
}

TEST_F(HiddenColumnsTest, InsertedAndRemovedColumnsMoveTheVisibilityFlags) {
    Hide(3);
    grid->InsertCols(1, 2);
    EXPECT_EQ(grid->AllColCount(), 8);
    EXPECT_TRUE(grid->IsHiddenColumn(5));
    EXPECT_EQ(grid->Cells(5, 0), "3:0");
    EXPECT_EQ(ShownRow(0), (std::vector<std::string>{"0:0", "", "", "1:0", "2:0", "4:0", "5:0"}));
    EXPECT_EQ(Widths(), (std::vector<int>{40, 64, 64, 50, 60, 80, 90}));
    grid->RemoveCols(4, 2);  // a shown column and the hidden one
    EXPECT_EQ(grid->NumHiddenColumns(), 0);
    EXPECT_EQ(ShownRow(0), (std::vector<std::string>{"0:0", "", "", "1:0", "4:0", "5:0"}));
    EXPECT_EQ(Widths(), (std::vector<int>{40, 64, 64, 50, 80, 90}));
}

TEST_F(HiddenColumnsTest, FindingAndRowColoursReachHiddenColumnsByRealIndex) {
    Hide(5);
    Hide(2);
    TGridCoord found{};
    grid->FindCell({-1, -1}, "5:2", found, {});
    EXPECT_EQ(found.X, -1);
    grid->FindCell({-1, -1}, "5:2", found, {gfIncludeHiddenColumns});
    EXPECT_EQ(found.X, 5);
    EXPECT_EQ(found.Y, 2);
    grid->FindCell({-1, -1}, "4:1", found, {});
    EXPECT_EQ(found.X, 3);  // the display column
    grid->SetRowColor(1, clRed);
    EXPECT_EQ(grid->GetCellProperties(5, 1)->BrushColor(), clRed);
}

}  // namespace
