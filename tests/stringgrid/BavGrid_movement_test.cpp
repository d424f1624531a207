// Mouse movement through synthetic input: sizing fixed columns and rows by
// their dividers (the split cursors within 2 pixels, the drag that sets the
// size, the mouse leaving) and the indexes that follow a moved column.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid_fixture.h"
#include "platform/win/testseams.h"
#include "platform/win/userinput.h"
#include "stringgrid/BavHintWindow.h"

namespace {

class MouseMovementTest : public ShownGridTest {
protected:
    void SetUp() override {
        ShownGridTest::SetUp();
        grid->SetColWidths(0, 60);
        grid->SetRowHeights(0, 30);
        grid->MouseActions()->SetSizeFixedCol(true);
        grid->MouseActions()->SetSizeFixedRow(true);
        ProcessMessages();
    }
    // The cursor the grid shows with the mouse at p.
    HCURSOR CursorAt(POINT p) {
        SimulateMouseMove(grid->Handle(), p);
        ProcessMessages();
        ::SetCursor(Screen->Cursors(crDefault));
        SendMessage(grid->Handle(), WM_SETCURSOR, WPARAM(grid->Handle()), HTCLIENT);
        return GetCursor();
    }
    void Drag(POINT from, POINT to) {
        SimulateMouseMove(grid->Handle(), from);
        SimulateMouseButton(grid->Handle(), from, VK_LBUTTON, true);
        SimulateMouseMove(grid->Handle(), to);
        SimulateMouseButton(grid->Handle(), to, VK_LBUTTON, false);
        ProcessMessages();
    }
};

TEST_F(MouseMovementTest, TheSplitCursorShowsWithinTwoPixelsOfAFixedDivider) {
    const HCURSOR hsplit = Screen->Cursors(crHSplit), vsplit = Screen->Cursors(crVSplit);
    const int middleY = 45, middleX = 100;  // inside row 1 and column 1
    struct Case {
        POINT at;
        HCURSOR expected;
    };
    // The column divider lies at 61 (width 60 and the grid line), the row's at 31.
    for (const Case& c : {Case{{59, middleY}, hsplit}, Case{{63, middleY}, hsplit}, Case{{58, middleY}, 0},
                          Case{{64, middleY}, 0}, Case{{middleX, 29}, vsplit}, Case{{middleX, 28}, 0}}) {
        const HCURSOR shown = CursorAt(c.at);
        if (c.expected != 0)
            EXPECT_EQ(shown, c.expected) << c.at.x << "," << c.at.y;
        else
            EXPECT_TRUE(shown != hsplit && shown != vsplit) << c.at.x << "," << c.at.y;
    }

    grid->MouseActions()->SetSizeFixedCol(false);
    EXPECT_NE(CursorAt({60, middleY}), hsplit) << "fixed columns size only when asked";

    grid->MouseActions()->SetSizeFixedCol(true);
    EXPECT_EQ(CursorAt({60, middleY}), hsplit);
    SendMessage(grid->Handle(), CM_MOUSELEAVE, 0, 0);
    ::SetCursor(Screen->Cursors(crDefault));
    SendMessage(grid->Handle(), WM_SETCURSOR, WPARAM(grid->Handle()), HTCLIENT);
    EXPECT_NE(GetCursor(), hsplit) << "leaving the grid disarms the divider";
}

TEST_F(MouseMovementTest, ADragOnADividerSetsTheSizeAndReportsIt) {
    std::vector<int> endedCols, endedRows;
    grid->SetOnEndColumnSize([&](TObject*, int col) { endedCols.push_back(col); });
    grid->SetOnEndRowSize([&](TObject*, int row) { endedRows.push_back(row); });
    std::vector<int> clicks;
    grid->SetOnClickCell([&](TObject*, int, int col) { clicks.push_back(col); });

    Drag({60, 45}, {110, 45});
    EXPECT_EQ(grid->ColWidths(0), 110);
    EXPECT_EQ(endedCols, std::vector<int>{0});
    EXPECT_TRUE(clicks.empty()) << "the press on the divider is no cell click";

    grid->SetOnUpdateColumnSize([](TObject*, int, int& width) { width = 80; });
    Drag({111, 45}, {150, 45});
    EXPECT_EQ(grid->ColWidths(0), 80) << "OnUpdateColumnSize has the last word";

    Drag({100, 31}, {100, 50});
    EXPECT_EQ(grid->RowHeights(0), 50);
    EXPECT_EQ(endedRows, std::vector<int>{0});
    EXPECT_EQ(grid->ColWidths(0), 80);

    // Data columns and rows are sized by the platform grid; the hooks still hear of it.
    grid->SetOnUpdateColumnSize(nullptr);
    TGridOptions options = grid->Options();
    options.Include(goColSizing);
    options.Include(goRowSizing);
    grid->SetOptions(options);
    const TRect cell = grid->CellRect(1, 1);
    Drag({cell.right, 10}, {cell.right + 30, 10});
    EXPECT_EQ(endedCols, (std::vector<int>{0, 0, 1}));
    Drag({10, cell.bottom}, {10, cell.bottom + 12});
    EXPECT_EQ(endedRows, (std::vector<int>{0, 1}));
}

// A column dragged by its header from position 2 to 5 takes its cells along,
// and the sort column and the sort index list follow the move.
TEST_F(MouseMovementTest, AMovedColumnTakesTheSortColumnAlong) {
    grid->SetColCount(7);
    for (int c = 0; c < 7; ++c) grid->SetColWidths(c, 60);
    for (int c = 0; c < 7; ++c) grid->SetCells(c, 1, std::to_string(c));
    TGridOptions options = grid->Options();
    options.Include(goColMoving);
    grid->SetOptions(options);
    auto moveTwoToFive = [&] {
        const TRect from = grid->CellRect(2, 0), to = grid->CellRect(5, 0);
        Drag({(from.left + from.right) / 2, 10}, {(to.left + to.right) / 2, 10});
    };
    struct Case {
        int sortColumn, expected;
    };
    for (const Case& c : {Case{5, 4}, Case{2, 5}, Case{1, 1}, Case{6, 6}, Case{3, 2}}) {
        for (int col = 0; col < 7; ++col) grid->SetCells(col, 1, std::to_string(col));
        grid->SortSettings()->SetColumn(c.sortColumn);
        grid->SortIndexes()->Clear();
        grid->SortIndexes()->AddIndex(c.sortColumn, false);
        moveTwoToFive();
        EXPECT_EQ(grid->Cells(5, 1), "2");
        EXPECT_EQ(grid->SortSettings()->Column(), c.expected) << "sort column " << c.sortColumn;
        EXPECT_EQ(grid->SortIndexes()->GetItem(0), int(unsigned(c.expected) | TSortIndexList::kDescending));
    }
}

TEST_F(MouseMovementTest, ARefusedMoveLeavesTheColumnWhereItWas) {
    grid->SetColCount(6);
    for (int c = 0; c < 6; ++c) grid->SetCells(c, 1, std::to_string(c));
    TGridOptions options = grid->Options();
    options.Include(goColMoving);
    grid->SetOptions(options);
    std::vector<int> asked;
    bool allow = false;
    grid->SetOnColumnMove([&](TObject*, int col, bool& ok) {
        asked.push_back(col);
        ok = allow;
    });
    const TRect from = grid->CellRect(2, 0), to = grid->CellRect(3, 0);
    Drag({(from.left + from.right) / 2, 10}, {(to.left + to.right) / 2, 10});
    EXPECT_EQ(grid->Cells(2, 1), "2");
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.front(), 2);
    allow = true;
    Drag({(from.left + from.right) / 2, 10}, {(to.left + to.right) / 2, 10});
    EXPECT_EQ(grid->Cells(3, 1), "2");
}

// The fixed cells select whole rows, columns or all data cells; each shows
// its own cursor where a press selects.
TEST_F(MouseMovementTest, APressOrDragOnTheFixedCellsSelectsRowsColumnsOrAll) {
    TGridOptions options = grid->Options();
    options.Include(goRangeSelect);
    grid->SetOptions(options);
    grid->MouseActions()->SetSizeFixedCol(false);
    grid->MouseActions()->SetSizeFixedRow(false);
    grid->MouseActions()->SetRowSelect(true);
    grid->MouseActions()->SetColSelect(true);
    grid->MouseActions()->SetAllSelect(true);
    auto center = [&](int col, int row) {
        const TRect r = grid->CellRect(col, row);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    };
    auto selection = [&] {
        const TGridRect s = grid->Selection();
        return std::vector<int>{s.Left, s.Top, s.Right, s.Bottom};
    };
    ASSERT_NE(LoadCursor(HInstance, std::uintptr_t(8010)), LoadCursor(HInstance, std::uintptr_t(8011)));
    EXPECT_EQ(CursorAt(center(0, 2)), LoadCursor(HInstance, std::uintptr_t(8010)));
    EXPECT_EQ(CursorAt(center(2, 0)), LoadCursor(HInstance, std::uintptr_t(8011)));
    EXPECT_EQ(CursorAt(center(0, 0)), LoadCursor(HInstance, std::uintptr_t(8012)));
    EXPECT_NE(CursorAt(center(2, 2)), LoadCursor(HInstance, std::uintptr_t(8012)));

    Drag(center(0, 2), center(0, 4));
    EXPECT_EQ(selection(), (std::vector<int>{1, 2, 3, 4})) << "rows 2 to 4 across the data columns";
    Drag(center(2, 0), center(3, 0));
    EXPECT_EQ(selection(), (std::vector<int>{2, 1, 3, 4})) << "columns 2 and 3 down the data rows";
    Drag(center(0, 0), center(0, 0));
    EXPECT_EQ(selection(), (std::vector<int>{1, 1, 3, 4})) << "the corner selects all data cells";

    grid->MouseActions()->SetRowSelect(false);
    EXPECT_NE(CursorAt(center(0, 2)), LoadCursor(HInstance, std::uintptr_t(8010)));
    Drag(center(0, 3), center(0, 3));
    EXPECT_EQ(selection(), (std::vector<int>{1, 1, 3, 4})) << "no row selection unless asked";
    Drag(center(2, 3), center(2, 3));
    EXPECT_EQ(selection(), (std::vector<int>{2, 3, 2, 3})) << "a cell press selects after a header selection";
}

// While a column is sized, the size hint at its cell shows the width it gets.
TEST_F(MouseMovementTest, SizingAColumnShowsItsNewWidthInAHint) {
    TGridOptions options = grid->Options();
    options.Include(goColSizing);
    grid->SetOptions(options);
    grid->SetHintShowSizing(true);
    const TRect cell = grid->CellRect(2, 0);
    const POINT from{cell.right - 1, (cell.top + cell.bottom) / 2}, to{from.x + 30, from.y};
    SimulateMouseMove(grid->Handle(), from);
    SimulateMouseButton(grid->Handle(), from, VK_LBUTTON, true);
    SimulateMouseMove(grid->Handle(), to);
    ProcessMessages();
    THintWindow* hint = grid->ScrollHintWindow();
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->IsShowing());
    EXPECT_EQ(hint->Caption(), AnsiString("cw=<b>") + IntToStr(grid->ColWidths(2) + 30) + "</b>");
    const TPoint corner = grid->ClientToScreen(TPoint(cell.left, cell.top));
    EXPECT_EQ(hint->BoundsRect().left, corner.x);
    EXPECT_EQ(hint->BoundsRect().top, corner.y);
    SimulateMouseButton(grid->Handle(), to, VK_LBUTTON, false);
    ProcessMessages();
    EXPECT_FALSE(hint->IsShowing());
    EXPECT_EQ(grid->ColWidths(2), 94);
}

// The hand over an anchor, with the anchor reported on entering and an
// empty text on leaving; a URL cell shows the hand with URLShow.
TEST_F(MouseMovementTest, AnAnchorUnderTheMouseShowsTheHandAndIsReported) {
    std::vector<std::string> events;
    grid->SetOnAnchorEnter([&](TObject*, int row, int col, AnsiString anchor) {
        events.push_back("enter " + std::to_string(col) + "," + std::to_string(row) + " " + anchor);
    });
    grid->SetOnAnchorExit([&](TObject*, int, int, AnsiString anchor) { events.push_back("exit [" + anchor + "]"); });
    grid->SetCells(2, 2, "<a href=\"CELL://R3C2\">go</a>");
    grid->SetCells(1, 3, "http://example.org");
    const TRect link = grid->CellRect(2, 2), url = grid->CellRect(1, 3), plain = grid->CellRect(3, 4);
    auto hover = [&](const TRect& r, int dx) {
        SimulateMouseMove(grid->Handle(), POINT{r.left + dx, (r.top + r.bottom) / 2});
        ProcessMessages();
    };
    hover(link, 6);
    EXPECT_EQ(grid->Cursor(), crHandPoint);
    hover(link, 7);
    hover(plain, 6);
    EXPECT_EQ(grid->Cursor(), crDefault);
    EXPECT_EQ(events, (std::vector<std::string>{"enter 2,2 CELL://R3C2", "exit []"}));

    hover(url, 6);
    EXPECT_EQ(grid->Cursor(), crDefault) << "a URL cell shows the hand only with URLShow";
    grid->SetURLShow(true);
    hover(url, 7);
    EXPECT_EQ(grid->Cursor(), crHandPoint);
    hover(plain, 6);
    EXPECT_EQ(grid->Cursor(), crDefault);
}

}  // namespace

TEST_F(MouseMovementTest, ACursorSetFromOutsideReplacesTheHeaderSelectCursor) {
    grid->MouseActions()->SetColSelect(true);
    const TRect header = grid->CellRect(2, 0);
    const HCURSOR colSelect = LoadCursor(HInstance, std::uintptr_t(8011));
    ASSERT_EQ(CursorAt(POINT{(header.left + header.right) / 2, (header.top + header.bottom) / 2}), colSelect);
    grid->SetCursor(crCross);
    SendMessage(grid->Handle(), WM_SETCURSOR, WPARAM(grid->Handle()), HTCLIENT);
    EXPECT_EQ(GetCursor(), Screen->Cursors(crCross));
}
