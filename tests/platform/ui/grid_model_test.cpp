// The grid's model without a window: counts, sizes, view, focus,
// selection, geometry and moving columns and rows.
#include <gtest/gtest.h>

#include <vector>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/typinfo.h"
#include "platform/ui/grids.h"

namespace {

// Records the notifications a descendant hears.
class RecordingGrid : public TDrawGrid {
public:
    RecordingGrid() : TDrawGrid(nullptr) {}
    using TCustomGrid::DeleteColumn;
    using TCustomGrid::DeleteRow;
    using TCustomGrid::MoveColumn;
    using TCustomGrid::MoveRow;

    std::vector<std::string> calls;
    bool refuse = false;

protected:
    bool SelectCell(int col, int row) override {
        calls.push_back("select " + std::to_string(col) + "," + std::to_string(row));
        return !refuse && TDrawGrid::SelectCell(col, row);
    }
    void ColWidthsChanged() override { calls.push_back("colwidths"); }
    void RowHeightsChanged() override { calls.push_back("rowheights"); }
    void TopLeftChanged() override {
        calls.push_back("topleft");
        TDrawGrid::TopLeftChanged();
    }
    void SizeChanged(int oldCols, int oldRows) override {
        calls.push_back("size " + std::to_string(oldCols) + "," + std::to_string(oldRows));
    }
};

struct GridModel : ::testing::Test {
    RecordingGrid* grid = new RecordingGrid;
    ~GridModel() override { delete grid; }
};

TEST_F(GridModel, CountsClampAndLowerFixedCounts) {
    EXPECT_EQ(grid->ColCount(), 5);
    EXPECT_EQ(grid->FixedRows(), 1);
    grid->SetRowCount(0);
    EXPECT_EQ(grid->RowCount(), 1);
    EXPECT_EQ(grid->FixedRows(), 0);
    EXPECT_THROW(grid->SetFixedRows(1), EInvalidGridOperation);
    EXPECT_THROW(grid->SetFixedCols(-1), EInvalidGridOperation);
    EXPECT_THROW(grid->SetFixedCols(5), EInvalidGridOperation);
    grid->SetRowCount(10);
    grid->SetFixedRows(3);
    EXPECT_EQ(grid->TopRow(), 3);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(grid->calls.back(), "size 5,1");
}

TEST_F(GridModel, SizesAndDefaults) {
    grid->SetColWidths(2, 100);
    EXPECT_EQ(grid->calls.back(), "colwidths");
    grid->SetRowHeights(1, 40);
    EXPECT_EQ(grid->calls.back(), "rowheights");
    EXPECT_THROW(grid->ColWidths(5), EInvalidGridOperation);
    EXPECT_THROW(grid->SetRowHeights(-1, 3), EInvalidGridOperation);
    grid->SetColCount(7);
    EXPECT_EQ(grid->ColWidths(6), 64);
    grid->SetDefaultRowHeight(18);
    for (int r = 0; r < grid->RowCount(); ++r)
        EXPECT_EQ(grid->RowHeights(r), 18);
    grid->SetDefaultColWidth(30);
    EXPECT_EQ(grid->ColWidths(2), 30);
}

TEST_F(GridModel, GeometryFollowsSizesLinesAndScrolling) {
    grid->SetBounds(0, 0, 200, 100);  // 5 columns of 64+1, rows of 24+1
    EXPECT_EQ(grid->CellRect(0, 0), Rect(0, 0, 64, 24));
    EXPECT_EQ(grid->CellRect(1, 1), Rect(65, 25, 129, 49));
    EXPECT_EQ(grid->CellRect(3, 1), Rect(195, 25, 200, 49));  // cut at the edge
    EXPECT_EQ(grid->CellRect(4, 1), TRect{});                // out of view
    EXPECT_EQ(grid->VisibleColCount(), 2);
    EXPECT_EQ(grid->VisibleRowCount(), 3);
    EXPECT_EQ(grid->MouseCoord(64, 24), (TGridCoord{0, 0}));  // the line belongs to the cell
    EXPECT_EQ(grid->MouseCoord(65, 25), (TGridCoord{1, 1}));
    EXPECT_EQ(grid->MouseCoord(-1, 5), (TGridCoord{-1, -1}));
    grid->SetLeftCol(2);
    EXPECT_EQ(grid->LeftCol(), 2);
    EXPECT_EQ(grid->CellRect(1, 1), TRect{});  // scrolled off
    EXPECT_EQ(grid->CellRect(2, 1), Rect(65, 25, 129, 49));
    EXPECT_EQ(grid->BoxRect(0, 0, 4, 0), Rect(0, 0, 200, 24));
    EXPECT_EQ(grid->BoxRect(1, 1, 2, 2), Rect(65, 25, 129, 74));
    int col = 0, row = 0;
    grid->MouseToCell(70, 30, col, row);
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 1);
}

TEST_F(GridModel, TopLeftIsClampedToFillTheView) {
    grid->SetRowCount(100);
    grid->SetBounds(0, 0, 200, 250);  // header 25, then 9 rows of 25 fit in 225
    grid->SetTopRow(1000);
    EXPECT_EQ(grid->TopRow(), 91);
    EXPECT_EQ(grid->VisibleRowCount(), 9);
    grid->SetTopRow(-5);
    EXPECT_EQ(grid->TopRow(), 1);
    int topLeftCalls = 0;
    for (const auto& c : grid->calls)
        topLeftCalls += c == "topleft";
    EXPECT_EQ(topLeftCalls, 2);
}

TEST_F(GridModel, HiddenColumnsTakeNoRoomAndAreNeverHit) {
    grid->SetBounds(0, 0, 400, 100);
    grid->SetColWidths(2, -1);
    EXPECT_EQ(grid->CellRect(2, 1).left, grid->CellRect(2, 1).right);
    EXPECT_EQ(grid->CellRect(3, 1).left, 130);
    // Every point of a row is either in the cell MouseCoord names (line
    // after it included) or beyond the last column.
    for (int x = 0; x < 400; ++x) {
        const TGridCoord c = grid->MouseCoord(x, 30);
        if (c.X < 0) {
            EXPECT_GE(x, grid->CellRect(4, 1).right + 1) << x;
            continue;
        }
        EXPECT_NE(c.X, 2) << x;
        const TRect r = grid->CellRect(c.X, c.Y);
        EXPECT_GE(x, r.left) << x;
        EXPECT_LT(x, r.right + grid->GridLineWidth()) << x;
    }
    // Without lines a hidden column still takes no room.
    grid->SetGridLineWidth(0);
    EXPECT_EQ(grid->CellRect(3, 1).left, 128);
    EXPECT_EQ(grid->MouseCoord(127, 30).X, 1);
    EXPECT_EQ(grid->MouseCoord(128, 30).X, 3);
}

TEST_F(GridModel, FocusSelectionAndAnchor) {
    grid->SetRowCount(20);
    grid->SetBounds(0, 0, 300, 120);
    grid->MoveColRow(3, 4, true, true);
    grid->MoveColRow(2, 6, false, true);
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 4, 3, 6}));
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->TopRow(), 4);  // row 6 scrolled into view at the bottom
    // Without range selection the anchor always follows.
    grid->SetOptions(grid->Options() - TGridOptions{goRangeSelect});
    grid->MoveColRow(1, 1, false, true);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, 1}));
    EXPECT_EQ(grid->TopRow(), 1);
    // A refused cell keeps the focus.
    grid->refuse = true;
    grid->SetRow(5);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->calls.back(), "select 1,5");
    grid->refuse = false;
    EXPECT_THROW(grid->MoveColRow(5, 1, true, true), EInvalidGridOperation);
    // Whole rows under row selection.
    grid->SetOptions(grid->Options() + TGridOptions{goRowSelect});
    grid->SetRow(7);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 7, 4, 7}));
    grid->SetOptions(grid->Options() - TGridOptions{goRowSelect});
    grid->SetSelection({2, 3, 4, 5});
    EXPECT_EQ(grid->Col(), 4);
    EXPECT_EQ(grid->Row(), 5);
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 3, 4, 5}));
}

TEST_F(GridModel, ShrinkingKeepsFocusInside) {
    grid->SetRowCount(20);
    grid->MoveColRow(4, 19, true, true);
    grid->SetRowCount(10);
    grid->SetColCount(3);
    EXPECT_EQ(grid->Row(), 9);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_LE(grid->TopRow(), 9);
}

TEST_F(GridModel, MovingColumnsCarriesWidthsAndFocus) {
    std::vector<std::pair<int, int>> moved;
    grid->SetOnColumnMoved([&](TObject*, int from, int to) { moved.emplace_back(from, to); });
    grid->SetColWidths(1, 11);
    grid->MoveColRow(1, 1, true, false);
    grid->MoveColumn(1, 3);
    EXPECT_EQ(grid->ColWidths(3), 11);
    EXPECT_EQ(grid->ColWidths(1), 64);
    EXPECT_EQ(grid->Col(), 3);
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(moved[0], std::make_pair(1, 3));
    EXPECT_THROW(grid->MoveColumn(0, 5), EInvalidGridOperation);
    grid->DeleteColumn(3);
    EXPECT_EQ(grid->ColCount(), 4);
    EXPECT_EQ(grid->ColWidths(3), 64);
    grid->SetRowHeights(2, 7);
    grid->DeleteRow(1);
    EXPECT_EQ(grid->RowHeights(1), 7);
    EXPECT_EQ(grid->RowCount(), 4);
}

TEST_F(GridModel, PublishedPropertiesServeFormDescriptions) {
    EXPECT_EQ(FindClass("TStringGrid"), TStringGrid::StaticClass());
    SetOrdProp(grid, "RowCount", 30);
    SetOrdProp(grid, "FixedCols", 2);
    SetSetProp(grid, "Options", "[goEditing,goColSizing,goThumbTracking]");
    SetEnumProp(grid, "ScrollBars", "ssVertical");
    EXPECT_EQ(grid->RowCount(), 30);
    EXPECT_EQ(grid->FixedCols(), 2);
    EXPECT_EQ(grid->Options(), (TGridOptions{goEditing, goColSizing, goThumbTracking}));
    EXPECT_EQ(grid->ScrollBars(), ssVertical);
    EXPECT_EQ(GetSetProp(grid, "Options", true), "[goColSizing,goEditing,goThumbTracking]");
    EXPECT_TRUE(IsPublishedProp(grid, "OnDrawCell"));
    EXPECT_TRUE(IsPublishedProp(grid, "DefaultRowHeight"));
}

}  // namespace
