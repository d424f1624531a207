// Presses in the grid's data rows: the dataset follows, a double click
// reaches OnDblClick once, and Shift and Ctrl clicks select rows.
#include "datagrid/DBGridVynSelection.h"
#include "platform/rtl/sysutils.h"
#include "tests/datagrid/list_grid_fixture.h"

namespace {

class MouseTest : public ListGridTest {
protected:
    void SetUp() override {
        ListGridTest::SetUp();
        grid_->SetReadOnly(true);
        grid_->SetOptions(grid_->Options() + TDBGridOptions{dgRowSelect} - TDBGridOptions{dgEditing});
    }
    // The middle of a data row's cell, 0 the first record; alternately a
    // few pixels apart so that clicks stay single.
    POINT RowPoint(int record, int column = 1) {
        const TRect cell = grid_->CellRect(grid_->DataToRawColumn(column), grid_->TopDataOffset() + record);
        return POINT{(cell.left + cell.right) / 2 + (++clicks_ % 2 ? -6 : 6), (cell.top + cell.bottom) / 2};
    }
    void ClickWith(std::initializer_list<int> modifiers, POINT p) {
        for (int m : modifiers) SimulateKey(m, true);
        SimulateClick(grid_->Handle(), p);
        ProcessMessages();
        for (int m : modifiers) SimulateKey(m, false);
        ProcessMessages();
    }
};

TEST_F(MouseTest, AClickMovesTheRecordAndADoubleClickFiresOnDblClickOnce) {
    int doubleClicks = 0;
    grid_->SetOnDblClick(TNotifyEvent([&](TObject*) { ++doubleClicks; }));
    ClickWith({}, RowPoint(2));
    EXPECT_EQ(query_->RecNo(), 3);
    ClickWith({}, RowPoint(1));
    EXPECT_EQ(query_->RecNo(), 2);
    EXPECT_EQ(doubleClicks, 0);
    const POINT p = RowPoint(0);
    SimulateClick(grid_->Handle(), p);
    SimulateClick(grid_->Handle(), p);
    ProcessMessages();
    EXPECT_EQ(query_->RecNo(), 1);
    EXPECT_EQ(doubleClicks, 1);
}

TEST_F(MouseTest, ShiftAndCtrlClicksSelectRowsAndTheCornerSelectsAll) {
    grid_->SetOptions(grid_->Options() + TDBGridOptions{dgMultiSelect});
    ClickWith({}, RowPoint(0));
    ClickWith({VK_SHIFT}, RowPoint(2));
    EXPECT_EQ(grid_->SelectedRows()->Count(), 3);
    EXPECT_EQ(query_->RecNo(), 3);
    ClickWith({VK_CONTROL}, RowPoint(1));
    EXPECT_EQ(grid_->SelectedRows()->Count(), 2);
    EXPECT_FALSE(grid_->SelectedRows()->CurrentRowMarked());
    ClickWith({}, RowPoint(1));  // a plain click selects that row alone
    EXPECT_EQ(grid_->SelectedRows()->Count(), 1);
    SimulateClick(grid_->Handle(), POINT{3, 3});
    ProcessMessages();
    EXPECT_EQ(grid_->Selection()->Kind(), gstNon);  // the corner first drops the selection
    SimulateClick(edit_->Handle(), POINT{5, 5}, VK_RBUTTON);  // no double click
    ProcessMessages();
    SimulateClick(grid_->Handle(), POINT{5, 4});
    ProcessMessages();
    EXPECT_EQ(grid_->Selection()->Kind(), gstAll);
}

TEST_F(MouseTest, TheWheelMovesTheDatasetARecordPerNotch) {
    const POINT p = RowPoint(0);
    SimulateWheel(grid_->Handle(), p, -WHEEL_DELTA);
    ProcessMessages();
    EXPECT_EQ(query_->RecNo(), 2);
    SimulateWheel(grid_->Handle(), p, -2 * WHEEL_DELTA);
    ProcessMessages();
    EXPECT_EQ(query_->RecNo(), 3);  // the last record
    SimulateWheel(grid_->Handle(), p, WHEEL_DELTA);
    ProcessMessages();
    EXPECT_EQ(query_->RecNo(), 2);
}

TEST_F(MouseTest, RowsAreSizedOnlyFromTheIndicatorColumn) {
    grid_->SetRowSizingAllowed(true);
    const TRect first = grid_->CellRect(1, grid_->TopDataOffset());
    for (const int x : {5, (first.left + first.right) / 2}) {
        const bool onIndicator = x == 5;
        Press(POINT{x, first.bottom});
        EXPECT_EQ(grid_->GridState(), onIndicator ? gsRowSizing : gsNormal) << x;
        Release(POINT{x, first.bottom});
    }
}

TEST_F(MouseTest, EscapeCancelsAColumnResize) {
    const TRect title = grid_->CellRect(grid_->DataToRawColumn(0), 0);
    const int width = grid_->ColWidths(grid_->DataToRawColumn(0));
    Press(POINT{title.right, (title.top + title.bottom) / 2});
    ASSERT_EQ(grid_->GridState(), gsColSizing);
    Move(POINT{title.right + 30, (title.top + title.bottom) / 2});
    Key(VK_ESCAPE);
    EXPECT_EQ(grid_->GridState(), gsNormal);
    Release(POINT{title.right + 30, (title.top + title.bottom) / 2});
    EXPECT_EQ(grid_->ColWidths(grid_->DataToRawColumn(0)), width);
}

}  // namespace

namespace {

// On the system's Far-East locale, leaving the grid gives the input method
// back to the screen's default.
TEST_F(MouseTest, LeavingTheGridRestoresTheScreensInputMethod) {
    ASSERT_TRUE(SysLocale.FarEast);
    grid_->SetImeMode(imChinese);
    grid_->SetImeName("拼音");
    edit_->SetFocus();
    ProcessMessages();
    EXPECT_EQ(grid_->ImeMode(), imDontCare);
    EXPECT_EQ(grid_->ImeName(), Screen->DefaultIme());
}

}  // namespace
