// Moving columns and rows by their headers through synthetic input: the
// caption floating under the mouse, the arrows at the landing edge, the
// release that moves cells with their sizes, and the ways a move ends
// without moving.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid_fixture.h"
#include "platform/win/testseams.h"
#include "platform/win/userinput.h"
#include "stringgrid/BavObj.h"

namespace {

class EnhancedMoveTest : public ShownGridTest {
protected:
    void SetUp() override {
        ShownGridTest::SetUp();
        grid->SetColCount(6);
        grid->SetRowCount(6);
        for (int c = 0; c < 6; ++c) {
            grid->SetColWidths(c, 50 + 2 * c);
            for (int r = 0; r < 6; ++r) grid->SetCells(c, r, std::to_string(c) + ":" + std::to_string(r));
        }
        for (int r = 0; r < 6; ++r) grid->SetRowHeights(r, 22 + r);
        grid->SetOptions(grid->Options() + TGridOptions{goColMoving, goRowMoving});
        ProcessMessages();
    }
    static POINT Center(const TRect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
    // Presses at `from` and moves to `to`, holding the button.
    void PressAndMove(POINT from, POINT to) {
        SimulateMouseMove(grid->Handle(), from);
        SimulateMouseButton(grid->Handle(), from, VK_LBUTTON, true);
        SimulateMouseMove(grid->Handle(), to);
        ProcessMessages();
    }
    void Release(POINT at) {
        SimulateMouseButton(grid->Handle(), at, VK_LBUTTON, false);
        ProcessMessages();
    }
    std::vector<std::string> Row(int r) {
        std::vector<std::string> texts;
        for (int c = 0; c < grid->ColCount(); ++c) texts.push_back(grid->Cells(c, r));
        return texts;
    }
    bool ArrowShown(int direction) { return grid->ArrowWindow(direction)->Visible(); }
};

TEST_F(EnhancedMoveTest, TheCaptionFloatsAndTheReleaseMovesTheColumnWithItsWidth) {
    grid->SetCol(2);
    grid->SetRow(3);
    const POINT from = Center(grid->CellRect(2, 0));
    const TRect target = grid->CellRect(4, 0);
    const POINT to{target.left + 10, from.y + 2};
    PressAndMove(from, to);

    TPopupButton* button = grid->MoveButton();
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->Visible());
    EXPECT_EQ(button->Caption(), "2:0");
    EXPECT_EQ(button->Width(), 54) << "as wide as the moving column";
    EXPECT_EQ(button->Height(), 22) << "as high as the row under the mouse";
    const TPoint expected = grid->ClientToScreen(TPoint(to.x - (from.x - grid->CellRect(2, 0).left),
                                                        to.y - from.y));
    EXPECT_EQ(button->Left(), expected.x);
    EXPECT_EQ(button->Top(), expected.y);
    EXPECT_EQ(Screen->Cursor(), crDrag);
    ASSERT_TRUE(ArrowShown(0) && ArrowShown(1));
    EXPECT_FALSE(ArrowShown(2) || ArrowShown(3));
    const TPoint edge = grid->ClientToScreen(TPoint(target.right, target.bottom));
    EXPECT_EQ(grid->ArrowWindow(0)->Left() + grid->ArrowWindow(0)->Width() / 2, edge.x)
        << "a move to the right lands at the target's right edge";
    EXPECT_EQ(grid->ArrowWindow(0)->Top(), edge.y);

    Release(to);
    EXPECT_FALSE(button->Visible());
    EXPECT_FALSE(ArrowShown(0) || ArrowShown(1));
    EXPECT_EQ(Screen->Cursor(), crDefault);
    EXPECT_EQ(Row(1), (std::vector<std::string>{"0:1", "1:1", "3:1", "4:1", "2:1", "5:1"}));
    EXPECT_EQ(grid->ColWidths(4), 54) << "the width went along";
    EXPECT_EQ(grid->ColWidths(2), 56);
    EXPECT_EQ(grid->ColWidths(3), 58);
    EXPECT_EQ(grid->Col(), 4) << "the current column follows its cells";
    EXPECT_EQ(grid->ColumnOrder()->GetCommaText(), "0,1,3,4,2,5");

    // Back to the left: the arrows mark the target's left edge, and the
    // order list keeps telling where each column came from.
    const POINT back = Center(grid->CellRect(4, 0));
    const TRect left = grid->CellRect(1, 0);
    PressAndMove(back, {left.left + 5, back.y});
    const TPoint leftEdge = grid->ClientToScreen(TPoint(left.left, 0));
    EXPECT_EQ(grid->ArrowWindow(1)->Left() + grid->ArrowWindow(1)->Width() / 2, leftEdge.x);
    Release({left.left + 5, back.y});
    EXPECT_EQ(Row(1), (std::vector<std::string>{"0:1", "2:1", "1:1", "3:1", "4:1", "5:1"}));
    EXPECT_EQ(grid->ColumnOrder()->GetCommaText(), "0,2,1,3,4,5");
    EXPECT_EQ(grid->ColWidths(1), 54);
}

TEST_F(EnhancedMoveTest, ARowMovesWithItsHeightAndItsArrowsBesideTheFixedColumn) {
    const POINT from = Center(grid->CellRect(0, 1));
    const TRect target = grid->CellRect(0, 3);
    const POINT to{from.x, target.top + 5};
    PressAndMove(from, to);
    EXPECT_EQ(grid->MoveButton()->Caption(), "0:1");
    EXPECT_EQ(grid->MoveButton()->Height(), 23);
    EXPECT_TRUE(ArrowShown(2) && ArrowShown(3));
    EXPECT_FALSE(ArrowShown(0) || ArrowShown(1));
    EXPECT_EQ(grid->ArrowWindow(3)->Left(), grid->ClientToScreen(TPoint(target.right, 0)).x);

    // A right release does not end the move; the left one does.
    SimulateMouseButton(grid->Handle(), to, VK_RBUTTON, true);
    SimulateMouseButton(grid->Handle(), to, VK_RBUTTON, false);
    ProcessMessages();
    EXPECT_TRUE(grid->MoveButton()->Visible());
    Release(to);
    std::vector<std::string> column;
    for (int r = 0; r < 6; ++r) column.push_back(grid->Cells(1, r));
    EXPECT_EQ(column, (std::vector<std::string>{"1:0", "1:2", "1:3", "1:1", "1:4", "1:5"}));
    EXPECT_EQ(grid->RowHeights(3), 23);
    EXPECT_EQ(grid->RowHeights(1), 24);
    EXPECT_EQ(grid->ColumnOrder()->Count(), 0) << "rows leave the column order alone";
}

// Past the grid's right edge each move scrolls one column further; left of
// the fixed column it scrolls back.
TEST_F(EnhancedMoveTest, AMoveScrollsAtTheEdges) {
    grid->SetColCount(16);
    for (int c = 0; c < 16; ++c) grid->SetColWidths(c, 60);
    const POINT from = Center(grid->CellRect(2, 0));
    PressAndMove(from, {grid->Width() + 5, from.y});
    EXPECT_EQ(grid->LeftCol(), 2);
    SimulateMouseMove(grid->Handle(), {grid->Width() + 6, from.y});
    ProcessMessages();
    EXPECT_EQ(grid->LeftCol(), 3);
    SimulateMouseMove(grid->Handle(), {5, from.y});
    ProcessMessages();
    EXPECT_EQ(grid->LeftCol(), 2);
    Release({5, from.y});
    EXPECT_FALSE(grid->MoveButton()->Visible());
}

// A move ends without moving when it is cancelled, refused on the way, or
// released on the column it started from, which does not sort either.
TEST_F(EnhancedMoveTest, CancelledRefusedOrInPlaceMovesMoveNothing) {
    const std::vector<std::string> before = Row(1);
    const POINT from = Center(grid->CellRect(2, 0));
    const POINT to = Center(grid->CellRect(4, 0));

    PressAndMove(from, to);
    ASSERT_TRUE(grid->MoveButton()->Visible());
    SendMessage(grid->Handle(), WM_CANCELMODE, 0, 0);
    EXPECT_FALSE(grid->MoveButton()->Visible());
    EXPECT_EQ(Screen->Cursor(), crDefault);
    Release(to);
    EXPECT_EQ(Row(1), before);

    bool allow = true;
    grid->SetOnColumnMove([&](TObject*, int, bool& ok) { ok = allow; });
    PressAndMove(from, to);
    allow = false;
    SimulateMouseMove(grid->Handle(), {to.x + 3, to.y});
    ProcessMessages();
    EXPECT_FALSE(grid->MoveButton()->Visible()) << "a refusal on the way takes the caption away";
    Release(to);
    EXPECT_EQ(Row(1), before);

    allow = true;
    int sorts = 0;
    grid->SetOnClickSort([&](TObject*, int) { ++sorts; });
    grid->SortSettings()->SetShow(true);
    PressAndMove(from, {from.x + 6, from.y});
    Release({from.x + 6, from.y});
    EXPECT_EQ(Row(1), before);
    EXPECT_EQ(sorts, 0);
    EXPECT_EQ(grid->ColumnOrder()->Count(), 0);
}

// Without the enhanced move the platform moves the column and its width
// once; the grid adds nothing to either.
TEST_F(EnhancedMoveTest, ThePlainMoveLeavesTheWidthsToThePlatform) {
    grid->SetEnhRowColMove(false);
    const POINT from = Center(grid->CellRect(1, 0));
    const POINT to = Center(grid->CellRect(3, 0));
    PressAndMove(from, to);
    EXPECT_FALSE(grid->MoveButton()->Visible());
    Release(to);
    EXPECT_EQ(Row(1), (std::vector<std::string>{"0:1", "2:1", "3:1", "1:1", "4:1", "5:1"}));
    EXPECT_EQ(grid->ColWidths(3), 52);
    EXPECT_EQ(grid->ColWidths(1), 54);
}

TEST_F(EnhancedMoveTest, TheColumnOrderStartsAsTheColumnsInOrder) {
    grid->ColumnOrder()->Add(9);
    grid->InitColumnOrder();
    EXPECT_EQ(grid->ColumnOrder()->GetCommaText(), "0,1,2,3,4,5");
    grid->ColumnOrder()->Clear();
    grid->NotifyColumnMoved(5, 1);
    EXPECT_EQ(grid->ColumnOrder()->GetCommaText(), "0,5,1,2,3,4");
    EXPECT_EQ(Row(2), (std::vector<std::string>{"0:2", "5:2", "1:2", "2:2", "3:2", "4:2"}));
}

}  // namespace
