// TStringGrid's cell storage, without a window.
#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/grids.h"

namespace {

class StringGrid : public TStringGrid {
public:
    StringGrid() : TStringGrid(nullptr) {}
    using TStringGrid::DeleteColumn;
    using TStringGrid::DeleteRow;
    using TStringGrid::MoveColumn;
    using TStringGrid::MoveRow;
};

struct StringGridStorage : ::testing::Test {
    std::unique_ptr<StringGrid, void (*)(StringGrid*)> grid{new StringGrid, [](StringGrid* g) { delete g; }};
    TObject a, b;
};

TEST_F(StringGridStorage, CellsAndObjectsReadEmptyUntilWritten) {
    EXPECT_EQ(grid->Cells(3, 200), "");
    EXPECT_EQ(grid->Objects(3, 200), nullptr);
    grid->SetCells(2, 3, std::string("x\0y", 3));
    grid->SetObjects(2, 3, &a);
    EXPECT_EQ(grid->Cells(2, 3), std::string("x\0y", 3));
    EXPECT_EQ(grid->Objects(2, 3), &a);
    EXPECT_THROW(grid->SetCells(-1, 0, "z"), EInvalidGridOperation);
}

TEST_F(StringGridStorage, CellsBeyondAReducedCountComeBack) {
    grid->SetCells(4, 4, "kept");
    grid->SetRowCount(2);
    grid->SetColCount(2);
    grid->SetRowCount(5);
    grid->SetColCount(5);
    EXPECT_EQ(grid->Cells(4, 4), "kept");
}

TEST_F(StringGridStorage, MovesCarryTextsAndObjectsDeletesDropThem) {
    for (int c = 0; c < 5; ++c)
        for (int r = 0; r < 5; ++r)
            grid->SetCells(c, r, std::to_string(c) + std::to_string(r));
    grid->SetObjects(1, 2, &a);
    grid->MoveColumn(1, 3);
    EXPECT_EQ(grid->Cells(3, 2), "12");
    EXPECT_EQ(grid->Objects(3, 2), &a);
    EXPECT_EQ(grid->Cells(1, 2), "22");
    grid->MoveRow(4, 0);
    EXPECT_EQ(grid->Cells(0, 0), "04");
    EXPECT_EQ(grid->Cells(0, 1), "00");
    grid->DeleteRow(0);
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(grid->Cells(0, 0), "00");
    grid->DeleteColumn(0);
    EXPECT_EQ(grid->Cells(0, 0), "20");
    grid->SetRowCount(5);
    grid->SetColCount(5);
    EXPECT_EQ(grid->Cells(0, 4), "");  // the deleted row stays deleted
    EXPECT_EQ(grid->Cells(4, 0), "");
}

TEST_F(StringGridStorage, ExchangeRowsSwapsTextsAndObjectsAndKeepsHeights) {
    grid->SetCells(1, 1, "one");
    grid->SetObjects(2, 1, &a);
    grid->SetCells(0, 3, "three");
    grid->SetRowHeights(1, 40);
    grid->ExchangeRows(1, 3);
    EXPECT_EQ(grid->Cells(0, 1), "three");
    EXPECT_EQ(grid->Cells(1, 1), "");
    EXPECT_EQ(grid->Cells(1, 3), "one");
    EXPECT_EQ(grid->Objects(2, 3), &a);
    EXPECT_EQ(grid->Objects(2, 1), nullptr);
    EXPECT_EQ(grid->RowHeights(1), 40);
    grid->ExchangeRows(4, 200);  // rows never written exchange as empty rows
    EXPECT_EQ(grid->Cells(0, 200), "");
    EXPECT_THROW(grid->ExchangeRows(-1, 0), EInvalidGridOperation);
}

TEST_F(StringGridStorage, PermuteRowsMovesABlockAtOnceOrNothingOnABadOrder) {
    for (int r = 1; r <= 3; ++r)
        grid->SetCells(0, r, "r" + std::to_string(r));
    grid->SetObjects(1, 3, &a);
    grid->SetRowHeights(1, 40);
    grid->PermuteRows(1, {3, 1, 2});
    EXPECT_EQ(grid->Cells(0, 1), "r3");
    EXPECT_EQ(grid->Objects(1, 1), &a);
    EXPECT_EQ(grid->Cells(0, 2), "r1");
    EXPECT_EQ(grid->Cells(0, 3), "r2");
    EXPECT_EQ(grid->RowHeights(1), 40);
    EXPECT_THROW(grid->PermuteRows(1, {1, 1, 2}), EInvalidGridOperation);
    EXPECT_THROW(grid->PermuteRows(1, {1, 4}), EInvalidGridOperation);
    EXPECT_EQ(grid->Cells(0, 1), "r3") << "a refused order moves nothing";
}

TEST_F(StringGridStorage, ColsAndRowsAreListsOverTheCells) {
    TStringList list;
    list.AddObject("p", &a);
    list.AddObject("q", &b);
    grid->SetCells(1, 4, "old");
    grid->SetCols(1, &list);
    EXPECT_EQ(grid->Cells(1, 0), "p");
    EXPECT_EQ(grid->Objects(1, 1), &b);
    EXPECT_EQ(grid->Cells(1, 4), "");  // past the list's end
    TStrings* row = grid->Rows(1);
    EXPECT_EQ(row->Count(), 5);
    EXPECT_EQ(row->Strings(1), "q");
    // Whole-row copy, as sorting does it.
    grid->SetRows(3, grid->Rows(1));
    EXPECT_EQ(grid->Cells(1, 3), "q");
    EXPECT_EQ(grid->Objects(1, 3), &b);
    grid->Rows(0)->Clear();
    EXPECT_EQ(grid->Cells(1, 0), "");
    EXPECT_EQ(grid->Rows(0)->Add("first"), 0);
    EXPECT_EQ(grid->Cols(0)->Text(), "first\r\n\r\n\r\n\r\n\r\n");
    EXPECT_THROW(grid->Rows(0)->Delete(0), EInvalidGridOperation);
}

}  // namespace
