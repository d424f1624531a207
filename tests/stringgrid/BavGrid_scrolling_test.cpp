// The string grid's current row and view, scroll hints and synchronised
// scrolling, proportional bars, drag autoscroll on the frozen clock, column
// stretching and sizing to content.
#include "grid_fixture.h"
#include "platform/rtl/clock.h"
#include "platform/rtl/datetime.h"
#include "platform/win/winscroll.h"
#include "platform/ui/extctrls.h"
#include "stringgrid/BavHintWindow.h"
#include "stringgrid/BavObj.h"
#include "tests/platform/win/window_fixture.h"

namespace {

class ScrollingTest : public StringGridTest {
protected:
    // Ten columns of 60 pixels, five of them in view beside the fixed one.
    void FiveColumnsInView() {
        grid->SetColCount(10);
        grid->SetDefaultColWidth(60);
        grid->SetScrollBars(ssNone);
        grid->SetBorderStyle(bsNone);
        grid->SetWidth(6 * 60 + 30);
        form->Show();
        ProcessMessages();
        ASSERT_EQ(grid->VisibleColCount(), 5);
    }
};

}  // namespace

TEST_F(ScrollingTest, ThumbTrackingShowsTheColumnAndCanScrollAtOnce) {
    FiveColumnsInView();
    grid->SetScrollHints(shHorizontal);
    AnsiString shown;
    grid->SetOnScrollHint([&](TObject*, int, AnsiString& text) { shown = text; });
    SendMessage(grid->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 127), 0);
    EXPECT_EQ(shown, "Col : 5");
    ASSERT_NE(grid->ScrollHintWindow(), nullptr);
    EXPECT_TRUE(grid->ScrollHintWindow()->IsShowing());
    SendMessage(grid->Handle(), WM_HSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
    EXPECT_FALSE(grid->ScrollHintWindow()->IsShowing());

    shown.clear();
    SendMessage(grid->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 10), 0);
    EXPECT_EQ(shown, "") << "rows give no hint with shHorizontal";

    grid->SetScrollSynch(true);
    SendMessage(grid->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 64), 0);
    EXPECT_EQ(grid->LeftCol(), MulDiv(64, 4, 127) + 1);
}

TEST_F(ScrollingTest, ProportionalBarsLeaveABarAloneWhenEverythingFits) {
    form->Show();
    ProcessMessages();
    SCROLLINFO before{};
    before.cbSize = sizeof(before);
    before.fMask = SIF_ALL;
    GetScrollInfo(grid->Handle(), SB_VERT, &before);
    grid->SetRowCount(3);
    GetScrollInfo(grid->Handle(), SB_VERT, &before);
    grid->SetScrollProportional(true);
    SCROLLINFO after = before;
    GetScrollInfo(grid->Handle(), SB_VERT, &after);
    EXPECT_EQ(after.nMax, before.nMax);
    EXPECT_EQ(after.nPage, before.nPage);
    EXPECT_EQ(after.nPos, before.nPos);

    grid->SetRowCount(200);
    grid->UpdateVertScrollProportional();
    GetScrollInfo(grid->Handle(), SB_VERT, &after);
    EXPECT_GT(after.nMax, 127);
    EXPECT_EQ(int(after.nPage), after.nMax - 126);
}

TEST_F(ScrollingTest, ADragInTheTopMarginScrollsAfterTheInitialDelayThenEveryRepeat) {
    const FrozenClockScope clock(EncodeDate(2026, 12, 10));
    grid->SetRowCount(40);
    form->Show();
    ProcessMessages();
    grid->SetTopRow(4);
    grid->DragScrollOptions()->SetActive(true);
    bool accept = false;
    grid->DragOver(nullptr, 100, 10, dsDragEnter, accept);
    auto after = [&](Cardinal ms) {
        AdvanceClock(ms);
        ProcessMessages();
        return grid->TopRow();
    };
    EXPECT_EQ(after(999), 4);
    EXPECT_EQ(after(1), 3);
    EXPECT_EQ(after(249), 3);
    EXPECT_EQ(after(1), 2);
    EXPECT_EQ(after(250), 1);
    EXPECT_EQ(after(250), 1) << "never above the first scrollable row";

    grid->SetTopRow(5);
    grid->SetOnDragScroll([](TObject*, int, int, TDragScrollDirection&, bool& canScroll) { canScroll = false; });
    EXPECT_EQ(after(250), 5);
    grid->DragOver(nullptr, 100, 10, dsDragLeave, accept);
    grid->SetOnDragScroll(nullptr);
    EXPECT_EQ(after(1000), 5) << "the timer went with the drag";
}

TEST_F(ScrollingTest, RowChangesAreReportedFromTheLastNotifiedRow) {
    std::vector<std::pair<int, int>> changes;
    grid->SetOnRowUpdate([&](TObject*, int oldRow, int newRow) { changes.emplace_back(oldRow, newRow); });
    grid->SetRowEx(3);
    grid->SetRowEx(3);
    grid->SetRowEx(5);
    EXPECT_EQ(changes, (std::vector<std::pair<int, int>>{{-1, 3}, {3, 5}}));
}

TEST_F(ScrollingTest, ACellInViewIsLeftWhereItIs) {
    grid->SetRowCount(50);
    form->Show();
    ProcessMessages();
    grid->SetRow(2);
    grid->ScrollCellIntoView(2, 3);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->TopRow(), 1);
    grid->ScrollCellIntoView(2, 40);
    EXPECT_EQ(grid->Row(), 40);
    EXPECT_GT(grid->TopRow(), 1);
    grid->ScrollCellIntoView(2, 99);
    EXPECT_EQ(grid->Row(), 40);
}

TEST_F(ScrollingTest, OnlyGrowingKeepsAWideColumnWithoutAsking) {
    form->Show();
    ProcessMessages();
    grid->SetCells(1, 1, "短");
    grid->SetColWidths(1, 300);
    int asked = 0;
    grid->SetOnUpdateColumnSize([&](TObject*, int, int&) { ++asked; });
    grid->AutoSizeColumnEx(1, true);
    EXPECT_EQ(grid->ColWidths(1), 300);
    EXPECT_EQ(asked, 0);

    grid->AutoSizeColumnEx(1, false);
    EXPECT_LT(grid->ColWidths(1), 300);
    EXPECT_EQ(asked, 1);
    grid->SetOnUpdateColumnSize([](TObject*, int, int& width) { width = 123; });
    grid->AutoSizeCol(1);
    EXPECT_EQ(grid->ColWidths(1), 123);
}

TEST_F(ScrollingTest, StretchingAScrolledGridKeepsTheLastColumn) {
    grid->SetColCount(8);
    grid->SetDefaultColWidth(100);
    form->Show();
    ProcessMessages();
    grid->SetLeftCol(3);
    grid->SetColWidths(7, 77);
    grid->ColumnSize()->SetStretch(true);
    grid->StretchColumn(-1);
    EXPECT_EQ(grid->ColWidths(7), 77);
    grid->SetLeftCol(grid->FixedCols());
    grid->StretchColumn(-1);
    EXPECT_EQ(grid->ColWidths(7), grid->DefaultColWidth());
}

TEST_F(ScrollingTest, TheGridFollowsItsFormAndTheFormsOwnHandlerStillRuns) {
    form->Show();
    ProcessMessages();
    int handled = 0;
    // The grid's owner chained itself in; a handler set now replaces it.
    auto* second = new TBavStringGrid(form);
    second->SetParent(form);
    second->SetBounds(0, 0, 200, 100);
    second->SetSizeWithForm(true);
    form->SetOnResize([&, chained = form->OnResize()](TObject* sender) {
        ++handled;
        chained(sender);
    });
    form->SetBounds(form->Left(), form->Top(), form->Width() + 50, form->Height() + 30);
    ProcessMessages();
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(second->Width(), 250);
    EXPECT_EQ(second->Height(), 130);
}

TEST_F(ScrollingTest, ASizingLineDrawnTwiceLeavesNoTrace) {
    form->Show();
    ProcessMessages();
    const int border = (grid->Width() - grid->ClientWidth()) / 2;
    auto column = [&] {
        std::vector<COLORREF> pixels;
        for (int y = 60; y < 64; ++y) pixels.push_back(ShownPixel(grid->Handle(), 100 + border, y + border));
        return pixels;
    };
    const std::vector<COLORREF> before = column();
    grid->DrawColSizingLine(100);
    ProcessMessages();
    EXPECT_NE(column(), before);
    grid->DrawColSizingLine(100);
    ProcessMessages();
    EXPECT_EQ(column(), before);
}

TEST_F(ScrollingTest, ControlsOnCellsFollowTheirCellsIntoAndOutOfView) {
    grid->SetRowCount(40);
    form->Show();
    ProcessMessages();
    auto* panel = new TPanel(form);
    panel->SetParent(grid);
    grid->CellControls()->Add(2, 30, panel);
    grid->UpdateCellControls();
    EXPECT_FALSE(panel->Visible());
    grid->SetTopRow(28);
    const TRect rect = grid->CellRect(2, 30);
    EXPECT_TRUE(panel->Visible());
    EXPECT_EQ(panel->Left(), rect.left);
    EXPECT_EQ(panel->Top(), rect.top);
    EXPECT_EQ(panel->Width(), rect.right - rect.left);
    grid->SetTopRow(1);
    EXPECT_FALSE(panel->Visible());
}

TEST_F(ScrollingTest, SizingEdgesLieOnHeaderBordersAndMayBeRefused) {
    TGridOptions options = grid->Options();
    options.Include(goColSizing);
    grid->SetOptions(options);
    form->Show();
    ProcessMessages();
    const TRect header = grid->CellRect(2, 0), data = grid->CellRect(2, 3);
    EXPECT_TRUE(grid->IsOnSizingEdge(header.right - 2, header.top + 5));
    EXPECT_FALSE(grid->IsOnSizingEdge(header.left + 10, header.top + 5));
    EXPECT_FALSE(grid->IsOnSizingEdge(data.right - 2, data.top + 5)) << "rows below the fixed row and the next";
    EXPECT_FALSE(grid->IsOnSizingEdge(-5, -5));

    grid->SetOnColumnSize([&](TObject*, int col, bool& allow) { allow = col != 2; });
    auto dragRightEdge = [&](int col) {
        const TRect cell = grid->CellRect(col, 0);
        const int y = cell.top + 5;
        SendMessage(grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cell.right - 1, y));
        SendMessage(grid->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(cell.right + 29, y));
        SendMessage(grid->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(cell.right + 29, y));
        ProcessMessages();
    };
    const int width2 = grid->ColWidths(2), width3 = grid->ColWidths(3);
    dragRightEdge(2);
    EXPECT_EQ(grid->ColWidths(2), width2) << "the column refused its sizing";
    dragRightEdge(3);
    EXPECT_GT(grid->ColWidths(3), width3);
}
