// The grid's mouse gestures by real input: divider double clicks, drag
// selection with its timed scrolling, column selection from the title
// band, frozen and traced sizing, drags from a selection, the cursors.
#include "datagrid/DBGridVynLib.h"
#include "datagrid/DBGridVynSelection.h"
#include "platform/rtl/clock.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/sysutils.h"
#include "platform/win/winuser.h"
#include "tests/datagrid/list_grid_fixture.h"

namespace {

class MouseGestureTest : public ListGridTest {
protected:
    void SetUp() override {
        ListGridTest::SetUp();
        for (int i = 4; i <= 40; ++i)
            db_->Exec(AnsiString("INSERT INTO 流水记录 (编号, 品牌, 型号, 价格) VALUES ('") + Pad(i) + "', 'D牌', 'X', " +
                      AnsiString(IntToStr(i)) + ")");
        query_->Close();
        query_->Open();
        grid_->SetReadOnly(true);
        grid_->SetOptions(grid_->Options() + TDBGridOptions{dgMultiSelect} - TDBGridOptions{dgEditing});
        ProcessMessages();
    }
    static AnsiString Pad(int i) { return AnsiString(i < 10 ? "000" : "00") + IntToStr(i); }
    POINT CellPoint(int column, int record) const {
        const TRect cell = grid_->CellRect(grid_->DataToRawColumn(column), grid_->TopDataOffset() + record);
        return POINT{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    }
    POINT Divider(int column) const {
        const TRect cell = grid_->CellRect(grid_->DataToRawColumn(column), 0);
        return POINT{cell.right, (cell.top + cell.bottom) / 2};
    }
    int Width(int column) const { return grid_->Columns()->Items(column)->Width(); }
    void PressWith(int key, POINT p) {
        SimulateKey(key, true);
        Press(p);
        Release(p);
        SimulateKey(key, false);
        ProcessMessages();
    }
    void DoubleClick(POINT p) {
        SimulateClick(grid_->Handle(), p);
        SimulateClick(grid_->Handle(), p);
        ProcessMessages();
    }
    // The data area's bottom edge: the spacer row's top above the footer.
    int DataBottom() const { return grid_->CellRect(0, grid_->RowCount() - 2).top; }
};

TEST_F(MouseGestureTest, ADividerDoubleClickFitsTheColumnInsteadOfOnDblClick) {
    int doubleClicks = 0;
    grid_->SetOnDblClick(TNotifyEvent([&](TObject*) { ++doubleClicks; }));
    grid_->Columns()->Items(1)->SetWidth(150);
    DoubleClick(Divider(1));
    EXPECT_EQ(doubleClicks, 1);  // without the option a divider is a place like any other
    EXPECT_EQ(Width(1), 150);
    grid_->SetOptionsVyn(grid_->OptionsVyn() + TDBGridVynOptions{dghDblClickOptimizeColWidth});
    SimulateClick(edit_->Handle(), POINT{5, 5}, VK_RBUTTON);
    DoubleClick(Divider(1));
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_LT(Width(1), 100);
    SimulateClick(edit_->Handle(), POINT{5, 5}, VK_RBUTTON);
    DoubleClick(CellPoint(2, 1));
    EXPECT_EQ(doubleClicks, 2);
}

TEST_F(MouseGestureTest, DraggingBelowTheRowsSelectsFiveRecordsATickThirtyPixelsDown) {
    FrozenClockScope clock(EncodeDate(2026, 12, 11));
    grid_->SetOptions(grid_->Options() + TDBGridOptions{dgRowSelect});
    Press(CellPoint(1, 0));
    EXPECT_EQ(grid_->MouseGesture(), 1);
    Move(CellPoint(1, 2));
    EXPECT_EQ(query_->RecNo(), 3);
    Move(POINT{CellPoint(1, 0).x, DataBottom() + 30});
    const int afterMove = query_->RecNo();
    AdvanceClock(10);
    ProcessMessages();
    EXPECT_EQ(query_->RecNo(), afterMove + 5);
    AdvanceClock(10);
    ProcessMessages();
    EXPECT_EQ(query_->RecNo(), afterMove + 10);
    Release(POINT{CellPoint(1, 0).x, DataBottom() + 30});
    EXPECT_EQ(grid_->MouseGesture(), 0);
    EXPECT_EQ(grid_->SelectedRows()->Count(), query_->RecNo());
    AdvanceClock(100);
    ProcessMessages();
    EXPECT_EQ(query_->RecNo(), afterMove + 10);  // the timer stopped with the release
}

TEST_F(MouseGestureTest, DraggingOverCellsSelectsARectangle) {
    Press(CellPoint(0, 0));
    EXPECT_EQ(grid_->MouseGesture(), 3);
    Move(CellPoint(1, 1));
    Move(CellPoint(2, 2));
    Release(CellPoint(2, 2));
    ASSERT_EQ(grid_->Selection()->Kind(), gstRectangle);
    EXPECT_EQ(grid_->Selection()->Rect()->AnchorCell().Col, 0);
    EXPECT_EQ(grid_->SelectedIndex(), 2);
    EXPECT_EQ(query_->RecNo(), 3);
}

TEST_F(MouseGestureTest, TheTitleBandSelectsColumnsShiftExtendsCtrlToggles) {
    const auto band = [&](int column) {
        const TRect cell = grid_->CellRect(grid_->DataToRawColumn(column), 0);
        return POINT{(cell.left + cell.right) / 2, cell.bottom - 3};
    };
    Press(band(0));
    EXPECT_EQ(grid_->MouseGesture(), 2);
    Release(band(0));
    ASSERT_EQ(grid_->Selection()->Kind(), gstColumns);
    EXPECT_EQ(grid_->Selection()->Columns()->Count(), 1);
    PressWith(VK_SHIFT, band(2));
    EXPECT_EQ(grid_->Selection()->Columns()->Count(), 3);
    PressWith(VK_CONTROL, band(1));
    EXPECT_EQ(grid_->Selection()->Columns()->Count(), 2);
    EXPECT_EQ(grid_->Selection()->Columns()->IndexOf(grid_->Columns()->Items(1)), -1);
}

TEST_F(MouseGestureTest, AFrozenEdgeSizesItsColumnAndAOnePixelReleaseIsIgnored) {
    grid_->SetFrozenCols(1);
    ProcessMessages();
    const POINT edge = Divider(0);
    Press(edge);
    EXPECT_EQ(grid_->MouseGesture(), 6);
    Move(POINT{edge.x + 20, edge.y});
    Release(POINT{edge.x + 20, edge.y});
    EXPECT_EQ(Width(0), 100);
    const TRect cell = grid_->CellRect(grid_->DataToRawColumn(0), 0);
    Press(Divider(0));
    Release(POINT{cell.left + 1, edge.y});
    EXPECT_EQ(Width(0), 100);
}

TEST_F(MouseGestureTest, TracedSizingFollowsThePointer) {
    grid_->SetOptionsVyn(grid_->OptionsVyn() + TDBGridVynOptions{dghTraceColSizing});
    const POINT edge = Divider(1);
    Press(edge);
    Move(POINT{edge.x + 15, edge.y});
    EXPECT_EQ(Width(1), 95);  // before the release
    Move(POINT{edge.x + 25, edge.y});
    Release(POINT{edge.x + 25, edge.y});
    EXPECT_EQ(Width(1), 105);
    EXPECT_EQ(grid_->GridState(), gsNormal);
}

TEST_F(MouseGestureTest, APressOnASelectedRowStartsADragOnlyWhenItMoves) {
    grid_->SetOptions(grid_->Options() + TDBGridOptions{dgRowSelect});
    grid_->SetDragMode(dmAutomatic);
    PressWith(VK_CONTROL, CellPoint(1, 1));
    ASSERT_EQ(grid_->SelectedRows()->Count(), 1);
    // Released without moving: a plain click, which drops the selection.
    SimulateClick(edit_->Handle(), POINT{5, 5}, VK_RBUTTON);
    Press(CellPoint(1, 1));
    Release(CellPoint(1, 1));
    EXPECT_EQ(grid_->SelectedRows()->Count(), 0);
    EXPECT_EQ(grid_->DragMode(), dmAutomatic);
    PressWith(VK_CONTROL, CellPoint(1, 2));
    SimulateClick(edit_->Handle(), POINT{5, 5}, VK_RBUTTON);
    ProcessMessages();
    int drags = 0;
    grid_->SetOnEndDrag([&](TObject*, TObject*, int, int) { ++drags; });
    // Queued together: the drag's own loop takes the move and the release.
    const POINT moved{CellPoint(1, 2).x + 10, CellPoint(1, 2).y};
    SimulateMouseButton(grid_->Handle(), CellPoint(1, 2), VK_LBUTTON, true);
    SimulateMouseMove(grid_->Handle(), moved);
    SimulateMouseButton(grid_->Handle(), moved, VK_LBUTTON, false);
    ProcessMessages();
    EXPECT_EQ(drags, 1);
    EXPECT_EQ(grid_->SelectedRows()->Count(), 1);
}

TEST_F(MouseGestureTest, ARightPressOnATitleMovesTheColumn) {
    const POINT from = TitlePoint(0);
    const POINT to = TitlePoint(2);
    SimulateMouseButton(grid_->Handle(), from, VK_RBUTTON, true);
    ProcessMessages();
    Move(POINT{from.x + 20, from.y});
    Move(to);
    SimulateMouseButton(grid_->Handle(), to, VK_RBUTTON, false);
    ProcessMessages();
    EXPECT_EQ(grid_->Columns()->Items(2)->FieldName(), "编号");
}

TEST_F(MouseGestureTest, TheCursorAnnouncesRowAndColumnSelection) {
    const TRect title = grid_->CellRect(grid_->DataToRawColumn(1), 0);
    const struct {
        POINT at;
        HCURSOR cursor;
    } cases[] = {
        {POINT{5, CellPoint(0, 1).y}, RightCursorVyn()},
        {POINT{(title.left + title.right) / 2, title.bottom - 2}, DownCursorVyn()},
        {CellPoint(1, 1), LoadCursor(0, IDC_ARROW)},
    };
    for (const auto& c : cases) {
        Move(c.at);
        SendMessage(grid_->Handle(), WM_SETCURSOR, static_cast<WPARAM>(grid_->Handle()), MAKELPARAM(HTCLIENT, 0));
        EXPECT_EQ(GetCursor(), c.cursor) << c.at.x << "," << c.at.y;
    }
}

TEST_F(MouseGestureTest, CancelModeEndsTheGesture) {
    FrozenClockScope clock(EncodeDate(2026, 12, 11));
    grid_->SetOptions(grid_->Options() + TDBGridOptions{dgRowSelect});
    Press(CellPoint(1, 0));
    Move(POINT{CellPoint(1, 0).x, DataBottom() + 30});
    SendMessage(grid_->Handle(), WM_CANCELMODE, 0, 0);
    EXPECT_EQ(grid_->MouseGesture(), 0);
    const int recNo = query_->RecNo();
    AdvanceClock(100);
    ProcessMessages();
    EXPECT_EQ(query_->RecNo(), recNo);
    Release(CellPoint(1, 0));
}

}  // namespace
