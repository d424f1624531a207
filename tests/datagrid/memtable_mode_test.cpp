// The grid over a dataset offering IMemTableVyn: rows counted and read from
// the memory table, the tree's nodes toggled by mouse and keys, scrolling
// by grid rows, and the mode left for footer rows.
#include "datagrid/DBGridVynColumns.h"
#include "datagrid/DBGridVynInplaceEdit.h"
#include "datagrid/DBGridVynSelection.h"
#include "grid_fixture.h"
#include "support/temp_dir.h"
#include "tests/platform/ui/control_fixture.h"
#include "tests/platform/win/window_fixture.h"
#include "platform/win/winscroll.h"
#include "support/tree_memtable.h"

namespace {

class MemTableModeTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        tree_.AddColumn("名称", ftString, 20);
        tree_.AddColumn("数量", ftInteger);
        tree_.AddNode(1, true, {"总部", 10});
        tree_.AddNode(2, true, {"华东", 6});
        tree_.AddNode(3, false, {"上海店", 4});
        tree_.AddNode(3, false, {"杭州店", 2});
        tree_.AddNode(2, false, {"华南", 4});
        tree_.AddNode(3, false, {"广州店", 4});
        tree_.AddNode(1, false, {"分部", 3});
        tree_.AddNode(2, false, {"成都店", 3});
        tree_.AddNode(1, false, {"直营", 1});
        treeSource_.SetDataSet(&tree_);
    }
    // A shown grid of the name and quantity columns over the open tree.
    TProbeGrid* ShownTreeGrid(int height) {
        tree_.Open();
        return NewShownGrid(320, height, [this](TProbeGrid* grid) {
            grid->SetDataSource(&treeSource_);
            for (const char* name : {"名称", "数量"}) grid->Columns()->Add()->SetFieldName(name);
            grid->Columns()->Items(0)->SetWidth(160);
        });
    }
    // Presses and releases the left button at (x, y) of the grid's client.
    void Click(TProbeGrid* grid, int x, int y) {
        SimulateMouseButton(grid->Handle(), {x, y}, VK_LBUTTON, true);
        ProcessMessages();
        SimulateMouseButton(grid->Handle(), {x, y}, VK_LBUTTON, false);
        ProcessMessages();
    }
    // The row of the presented record `recNo` and the x of its node box.
    static TRect NodeCell(TProbeGrid* grid, int recNo) {
        return grid->CellRect(grid->DataToRawColumn(0), grid->TopDataOffset() + recNo - 1);
    }
    AnsiString CurrentName() { return tree_.FieldByName("名称")->AsString(); }

    TTreeMemTable tree_{nullptr};
    TDataSource treeSource_{nullptr};
};

TEST_F(MemTableModeTest, ShowsOneRowPerPresentedRowAndFollowsTheCurrentRecord) {
    TProbeGrid* grid = ShownTreeGrid(300);
    ASSERT_TRUE(grid->MemTableMode());
    const int offset = grid->TopDataOffset();
    EXPECT_EQ(grid->RowCount(), offset + 7);  // 广州店 and 成都店 sit under collapsed nodes
    tree_.SetRecNo(4);
    ProcessMessages();
    EXPECT_EQ(grid->Row(), offset + 3);
    EXPECT_EQ(tree_.FieldByName("名称")->AsString(), "杭州店");
    // The tree area grows with the level of the row read.
    tree_.ReadRowEnter(2);
    EXPECT_EQ(grid->TreeNodeAreaWidth(), 54);
    tree_.ReadRowLeave();
    EXPECT_EQ(grid->TreeNodeAreaWidth(), 54);  // 杭州店 is current
    tree_.First();
    EXPECT_EQ(grid->TreeNodeAreaWidth(), 18);
}

// A node's tooltip measures its text right of the tree's indent: 18 pixels
// per level.
TEST_F(MemTableModeTest, ATooltipMeasuresTheNodeTextRightOfTheTreeIndent) {
    TProbeGrid* grid = ShownTreeGrid(300);
    grid->Columns()->Items(0)->SetWidth(64);
    grid->Columns()->Items(0)->SetToolTips(true);
    ProcessMessages();
    auto hintAt = [grid](int recNo) {
        const TRect cell = NodeCell(grid, recNo);
        THintInfo info{};
        info.CursorPos = {static_cast<int>(cell.left + cell.right) / 2, static_cast<int>(cell.top + cell.bottom) / 2};
        grid->Perform(CM_HINTSHOW, 0, LPARAM(&info));
        EXPECT_EQ(info.CursorRect.right, info.HintStr.empty() ? cell.right : cell.right - (grid->UseRightToLeftAlignment() ? 54 : 0));
        return info.HintStr;
    };
    for (TBiDiMode mode : {bdLeftToRight, bdRightToLeft}) {
        grid->SetBiDiMode(mode);
        ProcessMessages();
        EXPECT_EQ(hintAt(3), "上海店");  // level 3: 54 pixels of tree before the text
        EXPECT_EQ(hintAt(1), "");        // level 1: the text fits beside 18 pixels
    }
}

TEST_F(MemTableModeTest, EmptyTableShowsOneEmptyRowWithTheCurrentRowFirst) {
    TTreeMemTable empty(nullptr);
    empty.AddColumn("名称", ftString, 20);
    empty.Open();
    EXPECT_EQ(empty.CurrentRecordIndex(), -1);
    TDataSource source(nullptr);
    source.SetDataSet(&empty);
    TProbeGrid* grid = NewShownGrid(300, 200, [&](TProbeGrid* g) { g->SetDataSource(&source); });
    ASSERT_TRUE(grid->MemTableMode());
    EXPECT_EQ(grid->RowCount(), grid->TopDataOffset() + 1);
    EXPECT_EQ(grid->Row(), grid->FixedRows());
    EXPECT_EQ(grid->TreeNodeAreaWidth(), 0);
    grid->Repaint();
    grid->SetDataSource(nullptr);
}

TEST_F(MemTableModeTest, ClickOnANodesBoxTogglesItAndKeepsTheTopRow) {
    TProbeGrid* grid = ShownTreeGrid(300);
    const int top = grid->TopRow();
    // 华南 (record 5, level 2) is collapsed: its box is the area's last 18 pixels.
    TRect cell = NodeCell(grid, 5);
    Click(grid, cell.left + 36 - 9, (cell.top + cell.bottom) / 2);
    EXPECT_EQ(grid->RowCount(), grid->TopDataOffset() + 8);
    EXPECT_EQ(CurrentName(), "华南");
    EXPECT_EQ(grid->Row(), grid->TopDataOffset() + 4);
    EXPECT_EQ(grid->TopRow(), top);
    // A click on the indent lines left of the box toggles nothing and keeps the record.
    tree_.First();
    ProcessMessages();
    cell = NodeCell(grid, 5);
    Click(grid, cell.left + 5, (cell.top + cell.bottom) / 2);
    EXPECT_EQ(grid->RowCount(), grid->TopDataOffset() + 8);
    EXPECT_EQ(CurrentName(), "总部");
    // The same box again collapses; the row's text right of the area just moves there.
    Click(grid, cell.left + 36 - 9, (cell.top + cell.bottom) / 2);
    EXPECT_EQ(grid->RowCount(), grid->TopDataOffset() + 7);
    Click(grid, cell.left + 100, (cell.top + cell.bottom) / 2);
    EXPECT_EQ(CurrentName(), "华南");
    EXPECT_EQ(grid->RowCount(), grid->TopDataOffset() + 7);
}

// Right to left the tree area leads the cell at its right edge: the box is
// found there, and the indent lines beside it toggle nothing.
TEST_F(MemTableModeTest, RightToLeftTheNodesBoxIsAtTheCellsRightEdge) {
    TProbeGrid* grid = ShownTreeGrid(300);
    grid->SetBiDiMode(bdRightToLeft);
    ProcessMessages();
    const TRect cell = NodeCell(grid, 5);
    EXPECT_GT(cell.right, grid->ClientWidth() - 20);  // the indicator alone is right of it
    const int y = (cell.top + cell.bottom) / 2;
    Click(grid, cell.right - 1 - 5, y);
    EXPECT_EQ(grid->RowCount(), grid->TopDataOffset() + 7);
    Click(grid, cell.right - 1 - (36 - 9), y);
    EXPECT_EQ(grid->RowCount(), grid->TopDataOffset() + 8);
    EXPECT_EQ(CurrentName(), "华南");
}

TEST_F(MemTableModeTest, NumpadKeysExpandAndCollapseTheCurrentNode) {
    TProbeGrid* grid = ShownTreeGrid(300);
    grid->SetFocus();
    tree_.SetRecNo(6);  // 分部, collapsed
    ProcessMessages();
    for (const auto& [key, rows] : {std::pair{VK_ADD, 8}, {VK_SUBTRACT, 7}, {VK_MULTIPLY, 8}, {VK_MULTIPLY, 7}}) {
        SimulateKey(key, true);
        SimulateKey(key, false);
        ProcessMessages();
        EXPECT_EQ(grid->RowCount(), grid->TopDataOffset() + rows) << key;
        EXPECT_EQ(CurrentName(), "分部");
    }
}

TEST_F(MemTableModeTest, SelectionsFindTheirRowsInTheMemoryTable) {
    TProbeGrid* grid = ShownTreeGrid(4 * 19 + 24);
    const int offset = grid->TopDataOffset();
    auto bookmarkOf = [this](int recNo) {
        tree_.SetRecNo(recNo);
        return tree_.Bookmark();
    };
    // Marked records: only the rows in view count, wherever the view is.
    for (int recNo : {1, 2, 4}) {
        tree_.SetRecNo(recNo);
        grid->SelectedRows()->SetCurrentRowMarked(true);
    }
    tree_.First();
    ProcessMessages();
    TGridRect marked = grid->SelectedRows()->MarkedRowsRect();
    EXPECT_EQ(marked.Top, offset);
    EXPECT_EQ(marked.Bottom, offset + 3);
    SendMessage(grid->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    SendMessage(grid->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    marked = grid->SelectedRows()->MarkedRowsRect();
    EXPECT_EQ(marked.Top, offset + 3);
    EXPECT_EQ(marked.Bottom, offset + 3);
    // A rectangle from 华东 to 华南 spans their presented rows, also below the rows the link buffers.
    TDBGridVynSelectionRect* rect = grid->Selection()->Rect();
    rect->ExtendTo(1, bookmarkOf(5), false);
    rect->ExtendTo(0, bookmarkOf(2), true);
    const TGridRect cells = rect->ToGridRect();
    EXPECT_EQ(cells.Left, grid->DataToRawColumn(0));
    EXPECT_EQ(cells.Right, grid->DataToRawColumn(1));
    EXPECT_EQ(cells.Top, offset + 1);
    EXPECT_EQ(cells.Bottom, offset + 4);
    const TRect box = rect->ScreenBox(1, bookmarkOf(7), bookmarkOf(2), 0);
    EXPECT_EQ(box, grid->BoxRect(grid->DataToRawColumn(0), offset + 1, grid->DataToRawColumn(1), offset + 6));
}

TEST_F(MemTableModeTest, ScrollBarFollowsThePresentedRowsAndScrollsByRows) {
    TProbeGrid* grid = ShownTreeGrid(4 * 19 + 24);
    SCROLLINFO info{};
    info.fMask = SIF_ALL;
    GetScrollInfo(grid->Handle(), SB_VERT, &info);
    EXPECT_EQ(info.nMin, 1);
    EXPECT_EQ(info.nMax, 7);
    EXPECT_EQ(static_cast<int>(info.nPage), grid->VisibleRowCount());
    EXPECT_EQ(info.nPos, 1);
    SendMessage(grid->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(grid->TopRow(), grid->FixedRows() + 1);
    GetScrollInfo(grid->Handle(), SB_VERT, &info);
    EXPECT_EQ(info.nPos, 2);
    SendMessage(grid->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    const int lastTop = grid->TopRow();
    EXPECT_EQ(lastTop + grid->VisibleRowCount(), grid->RowCount());
    SendMessage(grid->Handle(), WM_VSCROLL, SB_PAGEUP, 0);
    EXPECT_EQ(grid->TopRow(), std::max(lastTop - grid->VisibleRowCount(), grid->FixedRows()));
    // The dataset is left where it was: the bar moves rows, not records.
    EXPECT_EQ(CurrentName(), "总部");
    // Expanding a node lengthens the range.
    tree_.SetRecNo(6);
    tree_.SetNodeExpanded(6, true);
    ProcessMessages();
    GetScrollInfo(grid->Handle(), SB_VERT, &info);
    EXPECT_EQ(info.nMax, 8);
}

TEST_F(MemTableModeTest, ArrowKeysMoveTheRecordAndTheViewFollows) {
    TProbeGrid* grid = ShownTreeGrid(4 * 19 + 24);
    grid->SetFocus();
    for (int i = 0; i < 6; ++i) {
        SimulateKey(VK_DOWN, true);
        SimulateKey(VK_DOWN, false);
        ProcessMessages();
    }
    EXPECT_EQ(CurrentName(), "直营");
    EXPECT_EQ(grid->Row(), grid->TopDataOffset() + 6);
    TGridDrawInfo info;
    grid->CalcDrawInfo(info);
    EXPECT_GE(info.Vert.LastFullVisibleCell, grid->Row());
    EXPECT_GT(grid->TopRow(), grid->FixedRows());
    SCROLLINFO bar{};
    bar.fMask = SIF_POS;
    GetScrollInfo(grid->Handle(), SB_VERT, &bar);
    EXPECT_EQ(bar.nPos, grid->TopRow() - grid->FixedRows() + 1);
    // Ctrl+Up goes to the first row in view.
    const int top = grid->TopRow();
    SimulateKey(VK_CONTROL, true);
    SimulateKey(VK_UP, true);
    SimulateKey(VK_UP, false);
    SimulateKey(VK_CONTROL, false);
    ProcessMessages();
    EXPECT_EQ(grid->Row(), top);
    EXPECT_EQ(tree_.RecNo(), top - grid->TopDataOffset() + 1);
}

// The offsets (from the cell's top) at which the level-1 tree line of grid
// row `row` shows a dot.
std::vector<int> LineDots(TProbeGrid* grid, int row) {
    TRect cell = grid->CellRect(grid->DataToRawColumn(0), row);
    // The picture holds the whole window, border included.
    RECT outer{};
    GetWindowRect(grid->Handle(), &outer);
    const TPoint client = grid->ClientToScreen(TPoint{0, 0});
    OffsetRect(&cell, client.x - outer.left, client.y - outer.top);
    const HBITMAP shot = CaptureWindow(grid->Handle());
    const HDC dc = CreateCompatibleDC(0);
    const HGDIOBJ old = SelectObject(dc, shot);
    const COLORREF background = GetPixel(dc, cell.left + 2, cell.top + 2);
    std::vector<int> dots;
    for (int y = 2; y < 12; ++y)
        if (GetPixel(dc, cell.left + 9, cell.top + y) != background) dots.push_back(y);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(shot);
    return dots;
}

TEST_F(MemTableModeTest, OddRowHeightFlipsTheDottedPhaseOnAOneRowScroll) {
    TProbeGrid* grid = ShownTreeGrid(4 * 20 + 24);
    grid->SetDefaultRowHeight(19);
    ProcessMessages();
    grid->Repaint();
    const std::vector<int> before = LineDots(grid, grid->TopDataOffset() + 1);  // 华东
    ASSERT_EQ(before.size(), 5u);
    SendMessage(grid->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    ProcessMessages();
    grid->Repaint();
    const std::vector<int> after = LineDots(grid, grid->TopDataOffset() + 1);
    ASSERT_EQ(after.size(), 5u);
    EXPECT_EQ(std::abs(after[0] - before[0]), 1);
}

TEST_F(MemTableModeTest, WheelScrollsRowsAndWithShiftMovesTheRecord) {
    TProbeGrid* grid = ShownTreeGrid(4 * 19 + 24);
    const int top = grid->TopRow();
    const TPoint point = grid->ClientToScreen(TPoint{10, 30});
    auto wheel = [&](int delta, WPARAM keys) {
        SendMessage(grid->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(keys, delta), MAKELPARAM(point.x, point.y));
        ProcessMessages();
    };
    wheel(-120, 0);
    EXPECT_EQ(grid->TopRow(), top + 1);
    EXPECT_EQ(CurrentName(), "总部");
    wheel(-120, MK_SHIFT);
    EXPECT_EQ(CurrentName(), "华东");
    wheel(120, 0);
    EXPECT_EQ(grid->TopRow(), top);
    // A handler that takes the wheel ends it.
    grid->SetOnMouseWheelDown(
        TMouseWheelUpDownEvent([](TObject*, TShiftState, TPoint, bool& handled) { handled = true; }));
    wheel(-120, 0);
    EXPECT_EQ(grid->TopRow(), top);
}

TEST_F(MemTableModeTest, AsksForRecordsWhenTheRowsEndAboveTheClientBottom) {
    TProbeGrid* grid = ShownTreeGrid(400);
    ASSERT_FALSE(tree_.FetchRequests().empty());
    TGridDrawInfo info;
    grid->CalcDrawInfo(info);
    EXPECT_EQ(tree_.FetchRequests().back(),
              (info.Vert.GridExtent - info.Vert.GridBoundary) / grid->DefaultRowHeight() + 1);
}

TEST_F(MemTableModeTest, FooterRowsLeaveTheModeAndTheBufferCountsAgain) {
    TProbeGrid* grid = ShownTreeGrid(300);
    ASSERT_TRUE(grid->MemTableMode());
    grid->SetFooterRowCount(1);
    ProcessMessages();
    EXPECT_FALSE(grid->MemTableMode());
    EXPECT_EQ(grid->TreeNodeAreaWidth(), 0);
    EXPECT_EQ(grid->RowCount(), grid->TopDataOffset() + grid->DataLink()->RecordCount() + 2);
    grid->SetFooterRowCount(0);
    ProcessMessages();
    EXPECT_TRUE(grid->MemTableMode());
    EXPECT_EQ(grid->RowCount(), grid->TopDataOffset() + 7);
}

TEST_F(MemTableModeTest, EditorLeavesTheTreeAreaAndToggledByADoubleClickOnTheBox) {
    TProbeGrid* grid = ShownTreeGrid(300);
    grid->SetOptions(grid->Options() + TDBGridOptions{dgEditing, dgAlwaysShowEditor});
    grid->SetFocus();
    for (bool rtl : {false, true}) {
        SCOPED_TRACE(rtl ? "right to left" : "left to right");
        grid->SetBiDiMode(rtl ? bdRightToLeft : bdLeftToRight);
        tree_.First();
        ProcessMessages();
        auto* editor = grid->DBInplaceEditor();
        ASSERT_TRUE(editor);
        EXPECT_EQ(editor->BiDiMode(), grid->BiDiMode());  // the grid's, taken as its child
        tree_.SetRecNo(5);  // 华南, level 2, collapsed
        ProcessMessages();
        ASSERT_TRUE(editor->Visible());
        // Over its cell, mirrored right to left next to the indicator at the right.
        const TRect cell = grid->CellRect(grid->Col(), grid->Row());
        EXPECT_NEAR(editor->Left(), cell.left, 1);
        EXPECT_NEAR(editor->Left() + editor->Width(), cell.right, 1);
        EXPECT_EQ(cell.right > grid->ClientWidth() - 20, rtl);
        ASSERT_EQ(grid->RowCount(), grid->TopDataOffset() + 7);
        EXPECT_EQ(editor->EditText(), "华南");
        // The area is at the leading edge: the right one for right-to-left.
        if (rtl)
            EXPECT_LE(editor->TextArea().right, editor->Width() - 36);
        else
            EXPECT_GE(editor->TextArea().left, 36);
        const POINT box{rtl ? editor->Width() - 1 - (36 - 9) : 36 - 9, editor->Height() / 2};
        for (int click = 0; click < 2; ++click) {
            SimulateMouseButton(editor->Handle(), box, VK_LBUTTON, true);
            SimulateMouseButton(editor->Handle(), box, VK_LBUTTON, false);
        }
        ProcessMessages();
        EXPECT_EQ(grid->RowCount(), grid->TopDataOffset() + 8);
        EXPECT_EQ(CurrentName(), "华南");
        tree_.SetNodeExpanded(5, false);
        ProcessMessages();
    }
}

// The editor's image follows the tree area at the leading edge: right of it
// left to right, left of it right to left.
TEST_F(MemTableModeTest, TheEditorsImageFollowsTheTreeAreaAtTheLeadingEdge) {
    TImageList images(nullptr);
    FillWithSquares(images, 12, {clRed});
    TProbeGrid* grid = ShownTreeGrid(300);
    TColumnVyn* column = grid->Columns()->Items(0);
    column->SetImageList(&images);
    column->SetShowImageAndText(true);
    column->PickList()->Add("华南");  // image 0
    grid->SetOptions(grid->Options() + TDBGridOptions{dgEditing, dgAlwaysShowEditor});
    grid->SetFocus();
    for (bool rtl : {false, true}) {
        SCOPED_TRACE(rtl ? "right to left" : "left to right");
        grid->SetBiDiMode(rtl ? bdRightToLeft : bdLeftToRight);
        tree_.SetRecNo(5);  // 华南, level 2: 36 pixels of tree
        ProcessMessages();
        TDBGridInplaceEdit* editor = grid->DBInplaceEditor();
        ASSERT_TRUE(editor && editor->Visible());
        editor->Repaint();
        ProcessMessages();
        EXPECT_EQ(editor->ImageIndex(), 0);
        const int width = editor->Width(), height = editor->Height();
        const TRect leading = rtl ? TRect{width - 36 - 16, 0, width - 36, height} : TRect{36, 0, 36 + 16, height};
        const TRect trailing = rtl ? TRect{0, 0, 20, height} : TRect{width - 20, 0, width, height};
        EXPECT_TRUE(ColoursIn(editor->Handle(), leading).count(ColorToRGB(clRed)));
        EXPECT_FALSE(ColoursIn(editor->Handle(), trailing).count(ColorToRGB(clRed)));
        tree_.First();
        ProcessMessages();
    }
}

TEST_F(MemTableModeTest, ScreenshotOfThreeLevelsWithTheEditorInTheFirstColumn) {
    TProbeGrid* grid = ShownTreeGrid(220);
    grid->SetOptions(grid->Options() + TDBGridOptions{dgEditing, dgAlwaysShowEditor});
    grid->SetFocus();
    tree_.SetRecNo(3);  // 上海店, level 3
    ProcessMessages();
    // The always-shown editor went along to the current row.
    const TRect cell = grid->CellRect(grid->Col(), grid->Row());
    EXPECT_NEAR(grid->InplaceEditor()->Top(), cell.top, 1);
    EXPECT_EQ(grid->DBInplaceEditor()->EditText(), "上海店");
    grid->Repaint();
    ProcessMessages();
    EXPECT_TRUE(SaveWindowScreenshot(grid->Parent()->Handle(), ScreenshotDir() + "dbgrid-tree.png"));
}

}  // namespace
