// The string grid's window messages: the wheel, middle-button panning and
// the blink of BLINK text on the grid's timer.
#include "grid_fixture.h"
#include "platform/rtl/clock.h"
#include "platform/rtl/datetime.h"
#include "platform/win/msgqueue.h"
#include "platform/win/resources.h"
#include "platform/win/userinput.h"
#include "tests/platform/win/window_fixture.h"

namespace {

class MessagesTest : public StringGridTest {
protected:
    void SetUp() override {
        StringGridTest::SetUp();
        grid->SetRowCount(40);
        form->Show();
        ProcessMessages();
    }
    void Wheel(bool down) {
        SendMessage(grid->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(down ? -120 : 120)), 0);
    }
};

}  // namespace

TEST_F(MessagesTest, AWheelRollOnASingleFixedRowIsDropped) {
    grid->SetFixedRowAlways(true);
    grid->SetRowCount(1);
    int wheels = 0;
    grid->SetOnMouseWheel([&](TObject*, TShiftState, int, TPoint, bool&) { ++wheels; });
    Wheel(true);
    EXPECT_EQ(wheels, 0);
    grid->SetRowCount(5);
    Wheel(true);
    EXPECT_EQ(wheels, 1);
}

TEST_F(MessagesTest, ScrollingByWheelNeverPassesTheFixedRows) {
    grid->MouseActions()->SetWheelAction(waScroll);
    grid->MouseActions()->SetWheelIncrement(3);
    grid->SetTopRow(3);
    Wheel(false);
    EXPECT_EQ(grid->TopRow(), 3) << "3 - 3 would pass the fixed row";
    grid->SetTopRow(5);
    Wheel(false);
    EXPECT_EQ(grid->TopRow(), 2);
    Wheel(true);
    EXPECT_EQ(grid->TopRow(), 5);
    EXPECT_EQ(grid->Row(), 1) << "the current row stays";
}

TEST_F(MessagesTest, VerticalPanningNeverChangesTheColumn) {
    const FrozenClockScope clock(EncodeDate(2026, 12, 10));
    grid->SetCol(2);
    grid->SetRow(5);
    SendMessage(grid->Handle(), WM_MBUTTONDOWN, 0, MAKELPARAM(100, 100));
    ASSERT_TRUE(grid->Panning());
    POINT client = {0, 0};
    ClientToScreen(grid->Handle(), &client);
    RECT window;
    GetWindowRect(grid->Handle(), &window);
    const int border = client.x - window.left;
    EXPECT_EQ(ShownPixel(grid->Handle(), border + 116, border + 108), RGB(0, 0, 0)) << "the marker's up arrow";
    POINT far = {300, 200};
    ClientToScreen(grid->Handle(), &far);
    SetCursorPos(far.x, far.y);
    AdvanceClock(10);
    ProcessMessages();
    AdvanceClock(10);
    ProcessMessages();
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 7);
    ASSERT_NE(LoadCursor(HInstance, std::uintptr_t(8001)), HCURSOR(0));
    EXPECT_EQ(GetCursor(), LoadCursor(HInstance, std::uintptr_t(8001))) << "down only: the sideways move is ignored";
    SendMessage(grid->Handle(), WM_KEYDOWN, VK_SHIFT, 0);
    EXPECT_FALSE(grid->Panning());
    ProcessMessages();
    EXPECT_NE(ShownPixel(grid->Handle(), border + 116, border + 108), RGB(0, 0, 0)) << "the marker went";
    AdvanceClock(50);
    ProcessMessages();
    EXPECT_EQ(grid->Row(), 7);
}

TEST_F(MessagesTest, BlinkingTextInAFixedCellRepaintsEveryHalfSecond) {
    const FrozenClockScope clock(EncodeDate(2026, 12, 10));
    // The timer starts with the window, on the frozen clock.
    grid->RecreateWnd();
    form->Show();
    ProcessMessages();
    grid->SetCells(2, 0, "<blink>新</blink>");
    grid->SetEnableBlink(true);
    ProcessMessages();
    int drawn = 0;
    grid->SetOnCustomCellDraw([&](TObject*, TCanvas*, int col, int row, TGridDrawState, TRect, bool) {
        if (col == 2 && row == 0) ++drawn;
    });
    const bool phase = grid->BlinkPhase();
    AdvanceClock(499);
    ProcessMessages();
    EXPECT_EQ(drawn, 0);
    AdvanceClock(1);
    ProcessMessages();
    EXPECT_EQ(drawn, 1);
    EXPECT_NE(grid->BlinkPhase(), phase);
    AdvanceClock(500);
    ProcessMessages();
    EXPECT_EQ(drawn, 2);
}

TEST_F(MessagesTest, ChangedCellsReachTheEventAndTheListeners) {
    struct Listener : ICellsChangedListener {
        std::vector<TRect> seen;
        void CellsChanged(const TRect& cells) override { seen.push_back(cells); }
    } listener;
    std::vector<TRect> fired;
    grid->SetOnCellsChanged([&](TObject*, TRect r) { fired.push_back(r); });
    grid->AddCellsChangedListener(&listener);
    grid->CellsChanged(Rect(1, 2, 3, 4));
    grid->RemoveCellsChangedListener(&listener);
    grid->CellsChanged(Rect(0, 0, 1, 1));
    EXPECT_EQ(fired.size(), 2u);
    ASSERT_EQ(listener.seen.size(), 1u);
    EXPECT_EQ(listener.seen[0], Rect(1, 2, 3, 4));

    grid->SetCells(2, 3, "before");
    grid->SaveEditStart(2, 3);
    grid->SetCells(2, 3, "after");
    EXPECT_EQ(grid->EditOriginalText(), "before");
    EXPECT_EQ(grid->EditCol(), 2);
    EXPECT_EQ(grid->DoEllipsClick("x"), "x");
    grid->SetOnEllipsClick([](TObject*, int, int, AnsiString& s) { s += "!"; });
    EXPECT_EQ(grid->DoEllipsClick("x"), "x!");
}

TEST_F(MessagesTest, EnteringRemembersTheCellAndASingleFixedRowShowsNoSelection) {
    grid->SetCol(2);
    grid->SetRow(4);
    grid->SetCells(2, 4, "start");
    grid->SetFocus();
    ProcessMessages();
    EXPECT_EQ(grid->EditCol(), 2);
    EXPECT_EQ(grid->EditRow(), 4);
    EXPECT_EQ(grid->EditOriginalText(), "start");

    form->SetFocusedControl(nullptr);
    auto* header = new TBavStringGrid(form);
    header->SetParent(form);
    header->SetTop(260);
    header->SetFixedRowAlways(true);
    header->SetRowCount(1);
    header->SetFocus();
    ProcessMessages();
    EXPECT_TRUE(header->SelectionHidden());
}

TEST_F(MessagesTest, UIActivationRefreshesTheProportionalBars) {
    grid->SetRowCount(200);
    grid->SetScrollProportional(true);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(grid->Handle(), SB_VERT, &info);
    const SCROLLINFO proportional = info;
    info.nMax = 10;
    info.nPage = 1;
    SetScrollInfo(grid->Handle(), SB_VERT, &info, FALSE);
    SendMessage(grid->Handle(), CM_UIACTIVATE, 0, 0);
    GetScrollInfo(grid->Handle(), SB_VERT, &info);
    EXPECT_EQ(info.nMax, proportional.nMax);
    EXPECT_EQ(info.nPage, proportional.nPage);
}

TEST_F(MessagesTest, WheelMovesTellTheSelectionAndCtrlWheelZooms) {
    std::vector<int> rows;
    grid->SetOnSelectionChanged([&](TObject*, int, int top, int, int) { rows.push_back(top); });
    Wheel(true);
    EXPECT_EQ(rows, std::vector<int>{4}) << "told once, before the platform's own wheel step";
    rows.clear();
    grid->MouseActions()->SetWheelAction(waScroll);
    Wheel(true);
    EXPECT_TRUE(rows.empty()) << "scrolling leaves the selection";

    const int row = grid->Row();
    SimulateKey(VK_CONTROL, true);
    ProcessMessages();
    Wheel(true);
    EXPECT_EQ(grid->ZoomLevel(), 3) << "the wheel's line count";
    Wheel(false);
    Wheel(false);
    EXPECT_EQ(grid->ZoomLevel(), -3);
    SimulateKey(VK_CONTROL, false);
    ProcessMessages();
    EXPECT_EQ(grid->Row(), row);
}
