// The release through synthetic input: a sizing dragged out of the grid is
// cancelled, a right release leaves a column move going, presses, drags
// and releases that change the selection report it, and rows and columns
// are picked one by one.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "grid_fixture.h"
#include "platform/ui/graphics.h"
#include "platform/win/testseams.h"
#include "platform/win/userinput.h"

namespace {

class MouseUpTest : public ShownGridTest {
protected:
    void Press(POINT p, int button = VK_LBUTTON) {
        SimulateMouseMove(grid->Handle(), p);
        SimulateMouseButton(grid->Handle(), p, button, true);
        ProcessMessages();
    }
    void MoveTo(POINT p) {
        SimulateMouseMove(grid->Handle(), p);
        ProcessMessages();
    }
    void Release(POINT p, int button = VK_LBUTTON) {
        SimulateMouseButton(grid->Handle(), p, button, false);
        ProcessMessages();
    }
    static POINT Center(const TRect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
    // A click on a cell, with Ctrl held when asked.
    void Click(int col, int row, bool ctrl) {
        if (ctrl) SimulateKey(VK_CONTROL, true);
        Press(Center(grid->CellRect(col, row)));
        Release(Center(grid->CellRect(col, row)));
        if (ctrl) SimulateKey(VK_CONTROL, false);
        ProcessMessages();
    }
};

TEST_F(MouseUpTest, ASizingReleasedOutsideTheGridKeepsTheOldSize) {
    grid->SetOptions(grid->Options() + TGridOptions{goColSizing});
    const int width = grid->ColWidths(3);
    const TRect cell = grid->CellRect(3, 0);
    const POINT edge{cell.right, Center(cell).y};
    Press(edge);
    MoveTo({grid->Width() + 20, edge.y});
    Release({grid->Width() + 20, edge.y});
    EXPECT_EQ(grid->ColWidths(3), width);
    Press(edge);
    MoveTo({edge.x + 20, edge.y});
    Release({edge.x + 20, edge.y});
    EXPECT_EQ(grid->ColWidths(3), width + 20) << "inside the grid the sizing holds";
}

TEST_F(MouseUpTest, ARightReleaseDoesNotEndAColumnMove) {
    grid->SetEnhRowColMove(false);
    grid->SetOptions(grid->Options() + TGridOptions{goColMoving});
    const POINT from = Center(grid->CellRect(1, 0)), to = Center(grid->CellRect(3, 0));
    Press(from);
    MoveTo(to);
    SimulateMouseButton(grid->Handle(), to, VK_RBUTTON, true);
    Release(to, VK_RBUTTON);
    EXPECT_EQ(grid->Cells(1, 1), "1:1");
    Release(to);
    EXPECT_EQ(grid->Cells(3, 1), "1:1");
}

TEST_F(MouseUpTest, SelectionChangesByMouseAreReported) {
    grid->SetOptions(grid->Options() + TGridOptions{goRangeSelect});
    std::vector<std::vector<int>> changes;
    grid->SetOnSelectionChanged([&](TObject*, int left, int top, int right, int bottom) {
        changes.push_back({left, top, right, bottom});
    });
    Press(Center(grid->CellRect(2, 2)));
    MoveTo(Center(grid->CellRect(3, 3)));
    Release(Center(grid->CellRect(3, 3)));
    EXPECT_EQ(changes, (std::vector<std::vector<int>>{{2, 2, 2, 2}, {2, 2, 3, 3}}));
    Press(Center(grid->CellRect(2, 2)));
    Release(Center(grid->CellRect(2, 2)));
    EXPECT_EQ(changes.size(), 3u);
}

// A plain click picks a row alone, Ctrl+click adds one or drops a picked
// one; columns are picked the same way through their cells.
TEST_F(MouseUpTest, ClicksPickRowsAndColumnsOneByOne) {
    grid->MouseActions()->SetDisjunctRowSelect(true);
    auto picked = [&](bool rows) {
        std::vector<int> indexes;
        for (int i = 1; i < (rows ? grid->RowCount() : grid->ColCount()); ++i)
            if (rows ? grid->GetRowSelect(i) : grid->GetColSelect(i)) indexes.push_back(i);
        return indexes;
    };
    Click(1, 2, false);
    Click(2, 4, true);
    EXPECT_EQ(picked(true), (std::vector<int>{2, 4}));
    Click(3, 2, true);
    EXPECT_EQ(picked(true), (std::vector<int>{4})) << "Ctrl on a picked row drops it";
    Click(1, 3, false);
    EXPECT_EQ(picked(true), (std::vector<int>{3})) << "a plain click starts anew";

    grid->MouseActions()->SetDisjunctRowSelect(false);
    grid->MouseActions()->SetDisjunctColSelect(true);
    Click(1, 1, false);
    Click(3, 2, true);
    EXPECT_EQ(picked(false), (std::vector<int>{1, 3}));
    Click(1, 3, true);
    EXPECT_EQ(picked(false), (std::vector<int>{3}));
}

TEST_F(MouseUpTest, ClicksPickCellsOneByOneAndADraggedRangeWhole) {
    grid->MouseActions()->SetDisjunctCellSelect(true);
    grid->SetSelectionColor(clRed);
    auto picked = [&] {
        std::vector<std::pair<int, int>> cells;
        for (int r = 1; r < grid->RowCount(); ++r)
            for (int c = 1; c < grid->ColCount(); ++c) {
                TBrush brush;
                TFont font;
                TColor colorTo = clNone;
                TCellGradientDirection direction = GradientVertical;
                grid->GetCellColor(c, r, TGridDrawState(), &brush, &font, colorTo, direction, false, true, true);
                if (brush.Color() == clRed) cells.emplace_back(c, r);
            }
        return cells;
    };
    using Cells = std::vector<std::pair<int, int>>;
    Click(1, 2, false);
    Click(2, 4, true);
    Click(3, 3, true);
    EXPECT_EQ(picked(), (Cells{{1, 2}, {3, 3}, {2, 4}}));
    Click(2, 4, true);
    EXPECT_EQ(picked(), (Cells{{1, 2}, {3, 3}})) << "Ctrl on a picked cell drops it";
    Click(1, 1, false);
    EXPECT_EQ(picked(), (Cells{{1, 1}})) << "a plain click starts anew";

    Press(Center(grid->CellRect(2, 2)));
    MoveTo(Center(grid->CellRect(3, 3)));
    Release(Center(grid->CellRect(3, 3)));
    EXPECT_EQ(picked(), (Cells{{2, 2}, {3, 2}, {2, 3}, {3, 3}}));

    SimulateKey(VK_CONTROL, true);
    SimulateKey(VK_SPACE, true, " ");
    SimulateKey(VK_SPACE, false);
    SimulateKey(VK_CONTROL, false);
    ProcessMessages();
    EXPECT_EQ(picked(), (Cells{{2, 2}, {3, 2}, {2, 3}})) << "Ctrl+Space drops the current cell";

    grid->SetOnSelectCell([](TObject*, int col, int, bool& allow) { allow = col != 1; });
    Click(1, 4, false);
    EXPECT_EQ(picked(), (Cells{{2, 2}, {3, 2}, {2, 3}})) << "a refused cell leaves the picks";
}

}  // namespace
