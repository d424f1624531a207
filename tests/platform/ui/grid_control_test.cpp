// The string grid on a form, driven by synthetic input: scrolling by
// keyboard, wheel and scroll bar, selecting by mouse, sizing and moving
// columns, in-place editing (Esc included), dropping a dragged control on
// it, and a descendant's own cell drawing.
#include <string>
#include <vector>

#include "tests/platform/ui/control_fixture.h"
#include "platform/rtl/clock.h"
#include "platform/rtl/datetime.h"
#include "tests/platform/win/window_fixture.h"
#include "platform/ui/graphics.h"
#include "platform/ui/grids.h"
#include "platform/win/msgqueue.h"
#include "platform/win/userinput.h"
#include "platform/gdi/wingdi.h"
#include "platform/win/winscroll.h"
#include "tests/support/temp_dir.h"

namespace {

// A string grid that records the notifications it gets.
class WatchedGrid : public TStringGrid {
public:
    explicit WatchedGrid(TComponent* owner) : TStringGrid(owner) {}
    std::vector<std::string> calls;
    std::vector<std::pair<int, int>> moves;
    std::vector<std::string> edits;
    using TCustomGrid::GridState;
    using TCustomGrid::MoveColumn;

protected:
    void ColWidthsChanged() override {
        calls.push_back("colwidths");
        TStringGrid::ColWidthsChanged();
    }
    void ColumnMoved(int fromIndex, int toIndex) override {
        moves.emplace_back(fromIndex, toIndex);
        TStringGrid::ColumnMoved(fromIndex, toIndex);
    }
    void SetEditText(int col, int row, const AnsiString& value) override {
        edits.push_back(std::to_string(col) + "," + std::to_string(row) + "=" + value);
        TStringGrid::SetEditText(col, row, value);
    }
    AnsiString GetEditMask(int col, int row) override {
        return col == 5 ? AnsiString("00-00;1;_") : TStringGrid::GetEditMask(col, row);
    }
};

class GridControlTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        form = NewForm(420, 300);
        grid = new WatchedGrid(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, 400, 260);
        grid->SetColCount(10);
        grid->SetRowCount(100);
        grid->SetFixedCols(1);
        grid->SetFixedRows(1);
        for (int c = 0; c < 10; ++c)
            for (int r = 0; r < 100; ++r)
                grid->SetCells(c, r, std::to_string(c) + ":" + std::to_string(r));
        form->Show();
        grid->SetFocus();
        ProcessMessages();
    }
    void ClickAt(int x, int y) {
        SimulateClick(grid->Handle(), POINT{x, y});
        ProcessMessages();
    }
    void Drag(POINT from, POINT to) {
        SimulateMouseButton(grid->Handle(), from, VK_LBUTTON, true);
        ProcessMessages();
        SimulateMouseMove(grid->Handle(), POINT{(from.x + to.x) / 2, (from.y + to.y) / 2});
        ProcessMessages();
        SimulateMouseMove(grid->Handle(), to);
        ProcessMessages();
        SimulateMouseButton(grid->Handle(), to, VK_LBUTTON, false);
        ProcessMessages();
    }
    POINT CenterOf(int col, int row) const {
        const TRect r = grid->CellRect(col, row);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    TForm* form = nullptr;
    WatchedGrid* grid = nullptr;
};

TEST_F(GridControlTest, KeyboardMovesTheFocusAndScrollsItIntoView) {
    EXPECT_EQ(grid->Row(), 1);
    Key(VK_DOWN);
    Key(VK_RIGHT);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->Col(), 2);
    const int page = grid->VisibleRowCount();
    Key(VK_NEXT);
    EXPECT_EQ(grid->Row(), 2 + page);
    EXPECT_GT(grid->TopRow(), 1);
    SimulateKey(VK_CONTROL, true);
    Key(VK_END);
    SimulateKey(VK_CONTROL, false);
    ProcessMessages();
    EXPECT_EQ(grid->Row(), 99);
    EXPECT_EQ(grid->TopRow(), 100 - grid->VisibleRowCount());
    Key(VK_END);
    EXPECT_EQ(grid->Col(), 9);
    EXPECT_GT(grid->LeftCol(), 1);
    Key(VK_HOME);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->LeftCol(), 1);
}

TEST_F(GridControlTest, TabPassesOverColumnsThatAreNoTabStops) {
    grid->SetOptions(grid->Options() + TGridOptions{goTabs});
    grid->SetTabStops(2, false);
    grid->SetTabStops(3, false);
    Key(VK_TAB);
    EXPECT_EQ(grid->Col(), 4);
    SimulateKey(VK_SHIFT, true);
    Key(VK_TAB);
    SimulateKey(VK_SHIFT, false);
    ProcessMessages();
    EXPECT_EQ(grid->Col(), 1);
    for (int c = 2; c < 10; ++c) grid->SetTabStops(c, false);
    Key(VK_TAB);  // round into the next row
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 2);
    grid->MoveColumn(1, 5);
    EXPECT_TRUE(grid->TabStops(5));  // the setting moves with its column
    EXPECT_FALSE(grid->TabStops(1));
}

TEST_F(GridControlTest, WheelMovesARowAndScrollBarMessagesScroll) {
    SimulateWheel(grid->Handle(), CenterOf(2, 2), -120);
    ProcessMessages();
    EXPECT_EQ(grid->Row(), 2);
    SimulateWheel(grid->Handle(), CenterOf(2, 2), 120);
    ProcessMessages();
    EXPECT_EQ(grid->Row(), 1);
    SendMessage(grid->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(grid->TopRow(), 2);
    SendMessage(grid->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(grid->TopRow(), 2 + grid->VisibleRowCount());
    SendMessage(grid->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, kGridScrollRange), 0);
    EXPECT_EQ(grid->TopRow(), 100 - grid->VisibleRowCount());
    // Tracking follows the thumb only under goThumbTracking.
    SendMessage(grid->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0), 0);
    EXPECT_EQ(grid->TopRow(), 100 - grid->VisibleRowCount());
    grid->SetOptions(grid->Options() + TGridOptions{goThumbTracking});
    SendMessage(grid->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0), 0);
    EXPECT_EQ(grid->TopRow(), 1);
    SendMessage(grid->Handle(), WM_HSCROLL, SB_LINERIGHT, 0);
    EXPECT_EQ(grid->LeftCol(), 2);
}

TEST_F(GridControlTest, TheWindowScrollBarsFollowAndDriveTheView) {
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(grid->Handle(), SB_VERT, &si));
    EXPECT_EQ(si.nMin, 0);
    EXPECT_EQ(si.nMax, kGridScrollRange);
    EXPECT_EQ(si.nPos, 0);
    grid->SetTopRow(1000);
    EXPECT_EQ(GetScrollPos(grid->Handle(), SB_VERT), kGridScrollRange);
    // A press on the bar's down arrow (below the client area, right of it).
    grid->SetTopRow(1);
    ProcessMessages();
    POINT arrow{grid->ClientWidth() + 5, grid->ClientHeight() - 5};
    SimulateClick(grid->Handle(), arrow);
    ProcessMessages();
    EXPECT_EQ(grid->TopRow(), 2);
    // Everything in view: no bars.
    grid->SetRowCount(3);
    grid->SetColCount(3);
    EXPECT_EQ(GetWindowLongPtr(grid->Handle(), GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL), 0);
}

TEST_F(GridControlTest, ABarThatScrollBarsLeavesOutIsTheDescendantsAndGoesOnlyWhenGivenUp) {
    auto style = [&] { return GetWindowLongPtr(grid->Handle(), GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL); };
    grid->SetScrollBars(ssHorizontal);
    EXPECT_EQ(style(), WS_HSCROLL);  // given up: hidden
    ShowScrollBar(grid->Handle(), SB_VERT, TRUE);  // the descendant's own vertical bar
    grid->SetLeftCol(3);
    grid->SetRowCount(3);
    EXPECT_EQ(style(), WS_HSCROLL | WS_VSCROLL);
    grid->SetScrollBars(ssNone);
    EXPECT_EQ(style(), WS_VSCROLL);
}

TEST_F(GridControlTest, ClickingSelectsCellsShiftClickAndDraggingSelectRanges) {
    ClickAt(CenterOf(3, 2).x, CenterOf(3, 2).y);
    EXPECT_EQ(grid->Selection(), (TGridRect{3, 2, 3, 2}));
    SimulateKey(VK_SHIFT, true);
    ClickAt(CenterOf(4, 5).x, CenterOf(4, 5).y);
    SimulateKey(VK_SHIFT, false);
    ProcessMessages();
    EXPECT_EQ(grid->Selection(), (TGridRect{3, 2, 4, 5}));
    Drag(CenterOf(1, 1), CenterOf(2, 3));
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 2, 3}));
    EXPECT_EQ(grid->GridState(), gsNormal);
}

TEST_F(GridControlTest, SelectingPastTheEdgeScrollsOnTheTimer) {
    FrozenClockScope clock(EncodeDate(2026, 3, 1));
    SimulateMouseButton(grid->Handle(), CenterOf(2, 2), VK_LBUTTON, true);
    ProcessMessages();
    SimulateMouseMove(grid->Handle(), POINT{CenterOf(2, 2).x, grid->ClientHeight() + 10});
    ProcessMessages();
    const int lastRow = grid->Row();
    const int top = grid->TopRow();
    AdvanceClock(100);
    ProcessMessages();
    EXPECT_EQ(grid->TopRow(), top + 1);
    EXPECT_GT(grid->Row(), lastRow);
    EXPECT_EQ(grid->Selection().Top, 2);
    SimulateMouseButton(grid->Handle(), POINT{CenterOf(2, 2).x, grid->ClientHeight() + 10}, VK_LBUTTON, false);
    ProcessMessages();
    EXPECT_EQ(grid->GridState(), gsNormal);
    AdvanceClock(100);
    ProcessMessages();
    EXPECT_EQ(grid->TopRow(), top + 1);  // the timer stopped with the button
}

TEST_F(GridControlTest, DraggingAColumnOrRowBorderResizesIt) {
    grid->SetOptions(grid->Options() + TGridOptions{goColSizing, goRowSizing});
    const TRect r = grid->CellRect(2, 0);
    Drag(POINT{r.right, 10}, POINT{r.right + 30, 10});
    EXPECT_EQ(grid->ColWidths(2), 64 + 30);
    ASSERT_FALSE(grid->calls.empty());
    EXPECT_EQ(grid->calls.back(), "colwidths");
    EXPECT_EQ(grid->GridState(), gsNormal);
    // Rows size on the lines of the fixed column; cells elsewhere select.
    const TRect row3 = grid->CellRect(0, 3);
    Drag(POINT{10, row3.bottom}, POINT{10, row3.bottom - 10});
    EXPECT_EQ(grid->RowHeights(3), 24 - 10);
    EXPECT_EQ(grid->ColWidths(3), 64);
}

TEST_F(GridControlTest, ASizableLineShowsTheSizingCursorAndLeavesTheCursorPropertyAlone) {
    grid->SetOptions(grid->Options() + TGridOptions{goColSizing, goRowSizing});
    const TRect r = grid->CellRect(2, 0);
    const struct {
        POINT at;
        HCURSOR cursor;
    } cases[] = {{POINT{r.right, 10}, LoadCursor(0, IDC_SIZEWE)},
                 {POINT{10, grid->CellRect(0, 3).bottom}, LoadCursor(0, IDC_SIZENS)}};
    for (const auto& c : cases) {
        SimulateMouseMove(grid->Handle(), c.at);
        ProcessMessages();
        EXPECT_EQ(GetCursor(), c.cursor);
        EXPECT_EQ(grid->Cursor(), crDefault);
    }
}

TEST_F(GridControlTest, DraggingAFixedCellMovesTheColumn) {
    grid->SetOptions(grid->Options() + TGridOptions{goColMoving});
    Drag(CenterOf(2, 0), CenterOf(4, 0));
    ASSERT_EQ(grid->moves.size(), 1u);
    EXPECT_EQ(grid->moves[0], std::make_pair(2, 4));
    EXPECT_EQ(grid->Cells(4, 7), "2:7");
    EXPECT_EQ(grid->Cells(2, 7), "3:7");
}

// Right to left the columns run from the right edge: cell rectangles and
// the cells under the mouse are mirrored, the editor opens over the
// mirrored cell and reads right to left, and the fixed column paints at the
// right.
TEST_F(GridControlTest, RightToLeftTheColumnsRunFromTheRightEdge) {
    const TRect leftToRight = grid->CellRect(2, 3);
    grid->SetBiDiMode(bdRightToLeft);
    ProcessMessages();
    const int width = grid->ClientWidth();
    EXPECT_EQ(grid->CellRect(2, 3), (TRect{width - leftToRight.right, leftToRight.top, width - leftToRight.left,
                                           leftToRight.bottom}));
    EXPECT_EQ(grid->MouseCoord(width - 1 - leftToRight.left, leftToRight.top), (TGridCoord{2, 3}));
    EXPECT_EQ(grid->MouseCoord(width - leftToRight.left, leftToRight.top), (TGridCoord{1, 3}));
    ClickAt(CenterOf(2, 3).x, CenterOf(2, 3).y);
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 3, 2, 3}));
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    Key(VK_F2);
    ASSERT_NE(grid->InplaceEditor(), nullptr);
    EXPECT_EQ(grid->InplaceEditor()->BoundsRect(), grid->CellRect(2, 3));
    EXPECT_EQ(grid->InplaceEditor()->BiDiMode(), bdRightToLeft);
    Key(VK_ESCAPE);
    grid->Repaint();
    const std::set<COLORREF> fixed = ColoursIn(grid->Handle(), TRect{width - 8, 40, width - 4, 44});
    EXPECT_TRUE(fixed.count(ColorToRGB(grid->FixedColor()))) << "the fixed column at the right";
}

TEST_F(GridControlTest, TypingOpensTheEditorAndTheTextReachesSetEditText) {
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    ClickAt(CenterOf(2, 3).x, CenterOf(2, 3).y);
    SimulateTyping("ab");
    ProcessMessages();
    ASSERT_NE(grid->InplaceEditor(), nullptr);
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_TRUE(grid->InplaceEditor()->Visible());
    EXPECT_EQ(grid->InplaceEditor()->EditText(), "ab");
    ASSERT_FALSE(grid->edits.empty());
    EXPECT_EQ(grid->edits.back(), "2,3=ab");
    // A navigation key leaves the editor through the grid.
    Key(VK_DOWN);
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_EQ(grid->Cells(2, 3), "ab");
    Key(VK_F2);
    EXPECT_TRUE(grid->InplaceEditor()->Visible());
    EXPECT_EQ(grid->InplaceEditor()->EditText(), "2:4");
    // Chinese text typed on the grid itself opens the editor whole.
    Key(VK_ESCAPE);
    Key(VK_DOWN);
    grid->SetFocus();
    ProcessMessages();
    EXPECT_FALSE(grid->InplaceEditor()->Visible());
    SimulateCommit("中文");
    ProcessMessages();
    EXPECT_EQ(grid->InplaceEditor()->EditText(), "中文");
    EXPECT_EQ(grid->edits.back(), "2,5=中文");
}

// A shown editor freed before its grid (as a form frees what it owns) is
// forgotten: the grid closes and frees without reaching it.
TEST_F(GridControlTest, AFreedEditorIsForgotten) {
    grid->SetOptions(grid->Options() + TGridOptions{goEditing, goAlwaysShowEditor});
    ClickAt(CenterOf(2, 3).x, CenterOf(2, 3).y);
    ASSERT_NE(grid->InplaceEditor(), nullptr);
    delete grid->InplaceEditor();
    EXPECT_EQ(grid->InplaceEditor(), nullptr);
    grid->HideEditor();
    grid->ShowEditor();
    ASSERT_NE(grid->InplaceEditor(), nullptr);
    EXPECT_TRUE(grid->InplaceEditor()->Visible());
}

// Esc gives the cell (which followed the typing) and the editor back the
// text the editor loaded; the editor hides unless it is always shown.
TEST_F(GridControlTest, EscRestoresTheCellsTextAndHidesTheEditor) {
    const TGridOptions editing = grid->Options() + TGridOptions{goEditing};
    for (const bool alwaysShow : {false, true}) {
        SCOPED_TRACE(alwaysShow ? "goAlwaysShowEditor" : "goEditing");
        grid->SetOptions(alwaysShow ? editing + TGridOptions{goAlwaysShowEditor} : editing);
        const int row = alwaysShow ? 4 : 3;
        ClickAt(CenterOf(2, row).x, CenterOf(2, row).y);
        Key(VK_F2);
        SimulateTyping("xy");
        ProcessMessages();
        ASSERT_EQ(grid->Cells(2, row), "xy");
        Key(VK_ESCAPE);
        EXPECT_EQ(grid->Cells(2, row), "2:" + std::to_string(row));
        EXPECT_EQ(grid->InplaceEditor()->Visible(), alwaysShow);
        if (alwaysShow) {
            EXPECT_EQ(grid->InplaceEditor()->EditText(), "2:4");
        } else {
            EXPECT_FALSE(grid->EditorMode());
            EXPECT_TRUE(grid->Focused());
        }
    }
}

TEST_F(GridControlTest, TheEditorFollowsTheColumnsEditMask) {
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    grid->SetCells(5, 3, "");
    grid->SetCol(5);
    grid->SetRow(3);
    SimulateTyping("1x234");
    ProcessMessages();
    ASSERT_NE(grid->InplaceEditor(), nullptr);
    EXPECT_TRUE(grid->InplaceEditor()->IsMasked());
    EXPECT_EQ(grid->InplaceEditor()->EditText(), "12-34");
    EXPECT_EQ(grid->Cells(5, 3), "12-34");
    // The next column has no mask; opening the editor there edits no cell
    // (leaving the masked one commits it).
    grid->SetCol(6);
    grid->SetEditorMode(true);
    ProcessMessages();
    EXPECT_FALSE(grid->InplaceEditor()->IsMasked());
    EXPECT_EQ(grid->InplaceEditor()->EditText(), "6:3");
    EXPECT_EQ(grid->edits.back(), "5,3=12-34");
    EXPECT_EQ(grid->Cells(6, 3), "6:3");
}

// A box beside a smaller grid, dragged onto it.
class GridDropTest : public GridControlTest {
protected:
    void SetUp() override {
        GridControlTest::SetUp();
        grid->SetBounds(0, 0, 300, 200);
        box = new TFocusBox(form);
        box->SetParent(form);
        box->SetBounds(320, 10, 60, 20);
        box->SetOnMouseDown([this](TObject*, TMouseButton, TShiftState, int, int) { box->BeginDrag(true); });
        grid->SetOnDragDrop([this](TObject*, TObject*, int, int) { dropped = TGridCoord{grid->Col(), grid->Row()}; });
        ProcessMessages();
    }
    // A press on the box, then input at points of the grid's client area,
    // queued for the drag's loop.
    void Press() { SimulateMouseButton(form->Handle(), POINT{330, 20}, VK_LBUTTON, true); }
    void MoveTo(POINT p) { SimulateMouseMove(form->Handle(), OnForm(p)); }
    void Release(POINT p) { SimulateMouseButton(form->Handle(), OnForm(p), VK_LBUTTON, false); }
    POINT OnForm(POINT p) const { return form->ScreenToClient(grid->ClientToScreen(p)); }
    void Accept(bool accepts) {
        if (accepts)
            grid->SetOnDragOver([](TObject*, TObject*, int, int, TDragState, bool& accept) { accept = true; });
        else
            grid->SetOnDragOver(TDragOverEvent());
    }

    TFocusBox* box = nullptr;
    TGridCoord dropped{-1, -1};
};

TEST_F(GridDropTest, TheDropTargetCellFollowsTheMouseOnlyWhenTheGridTakesTheDrop) {
    for (const bool accepts : {true, false}) {
        SCOPED_TRACE(accepts ? "accepts" : "refuses");
        Accept(accepts);
        dropped = TGridCoord{-1, -1};
        grid->SetCol(1);
        grid->SetRow(1);
        Press();
        MoveTo(CenterOf(2, 2));
        MoveTo(CenterOf(3, 4));
        Release(CenterOf(3, 4));
        ProcessMessages();
        const TGridCoord expected = accepts ? TGridCoord{3, 4} : TGridCoord{1, 1};
        EXPECT_EQ(grid->Col(), expected.X);
        EXPECT_EQ(grid->Row(), expected.Y);
        EXPECT_EQ(grid->Selection(), (TGridRect{expected.X, expected.Y, expected.X, expected.Y}));
        EXPECT_EQ(dropped, (accepts ? expected : TGridCoord{-1, -1}));
    }
}

// The mouse rests below the last full row: the selection timer runs, and
// each of its ticks scrolls a row in, which becomes the drop target.
TEST_F(GridDropTest, DraggingNearAnEdgeScrollsTheGrid) {
    Accept(true);
    TGridDrawInfo info;
    grid->CalcDrawInfo(info);
    const POINT edge{CenterOf(2, 2).x, info.Vert.FullVisBoundary + 2};
    // Once the move to the edge has been handled (at a message posted
    // behind it): whether the timer runs, two ticks, and the drop.
    bool timerRan = false;
    const int observer = AddRetrievedMessageObserver([&](MSG& msg) {
        if (msg.message == WM_MOUSEMOVE && msg.pt.y == grid->ClientToScreen(edge).y) {
            PostMessage(grid->Handle(), WM_NULL, 0, 0);
        } else if (msg.message == WM_NULL && msg.hwnd == grid->Handle()) {
            timerRan = KillTimer(grid->Handle(), kGridSelectTimer);
            SetTimer(grid->Handle(), kGridSelectTimer, 60);
            SendMessage(grid->Handle(), WM_TIMER, kGridSelectTimer, 0);
            SendMessage(grid->Handle(), WM_TIMER, kGridSelectTimer, 0);
            Release(edge);
        }
    });
    const int top = grid->TopRow();
    Press();
    MoveTo(CenterOf(2, 2));
    MoveTo(edge);
    ProcessMessages();
    RemoveObserver(observer);
    EXPECT_TRUE(timerRan);
    EXPECT_EQ(grid->TopRow(), top + 2);
    grid->CalcDrawInfo(info);
    EXPECT_EQ(dropped, (TGridCoord{2, info.Vert.LastFullVisibleCell}));
    EXPECT_EQ(grid->Selection(), (TGridRect{2, dropped.Y, 2, dropped.Y}));
    EXPECT_FALSE(KillTimer(grid->Handle(), kGridSelectTimer)) << "the timer stopped with the drop";
}

// A descendant that paints every scrollable cell itself.
class CheckerGrid : public TStringGrid {
public:
    explicit CheckerGrid(TComponent* owner) : TStringGrid(owner) {}

protected:
    void DrawCell(int col, int row, TRect rect, TGridDrawState state) override {
        if (state.Contains(gdFixed)) {
            TStringGrid::DrawCell(col, row, rect, state);
            return;
        }
        Canvas()->Brush()->SetColor((col + row) % 2 ? clRed : clYellow);
        Canvas()->FillRect(rect);
    }
};

TEST_F(GridControlTest, ADescendantDrawsItsOwnCells) {
    auto* checker = new CheckerGrid(form);
    checker->SetParent(form);
    checker->SetBounds(0, 0, 400, 260);
    checker->SetColWidths(2, -1);
    grid->Hide();
    checker->HandleNeeded();
    ProcessMessages();
    EXPECT_TRUE(SaveWindowScreenshot(form->Handle(), ScreenshotDir() + "grid.png"));
    const HWND window = checker->Handle();
    const TRect r11 = checker->CellRect(1, 1);
    const TRect r31 = checker->CellRect(3, 1);
    EXPECT_EQ(ShownPixel(window, r11.left + 5, r11.top + 5), COLORREF(clYellow));
    EXPECT_EQ(ShownPixel(window, r31.left + 5, r31.top + 5), COLORREF(clYellow));  // column 2 is hidden
    EXPECT_EQ(ShownPixel(window, r31.right + 5, r31.top + 5), COLORREF(clRed));
}

}  // namespace

namespace {

// A grid that opened its editor once and now refuses to show it again.
class RefusingGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
    bool refuse = false;

protected:
    bool CanEditShow() override { return !refuse && TStringGrid::CanEditShow(); }
};

// A character typed while the grid refuses its editor stays out of the
// hidden editor, so it never reaches the cell through it.
TEST_F(ControlTest, ARefusedEditorTakesNoTypedCharacter) {
    TForm* form = NewForm(300, 200);
    auto* grid = new RefusingGrid(form);
    grid->SetParent(form);
    grid->SetBounds(0, 0, 250, 150);
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    grid->SetCells(1, 1, "kept");
    form->Show();
    ProcessMessages();
    grid->SetFocus();
    grid->ShowEditor();
    grid->HideEditor();
    ProcessMessages();
    ASSERT_NE(grid->InplaceEditor(), nullptr);
    grid->refuse = true;
    grid->ShowEditorChar('x');
    ProcessMessages();
    EXPECT_EQ(grid->Cells(1, 1), "kept");
}

TEST_F(GridControlTest, NothingIsInvalidatedWhileRedrawIsOff) {
    RECT update{};
    ASSERT_FALSE(GetUpdateRect(grid->Handle(), &update, FALSE));
    SendMessage(grid->Handle(), WM_SETREDRAW, FALSE, 0);
    grid->SetCells(2, 2, "changed");
    grid->ExchangeRows(1, 3);
    EXPECT_FALSE(GetUpdateRect(grid->Handle(), &update, FALSE));
    SendMessage(grid->Handle(), WM_SETREDRAW, TRUE, 0);
    grid->SetCells(2, 2, "again");
    EXPECT_TRUE(GetUpdateRect(grid->Handle(), &update, FALSE));
    EXPECT_EQ(grid->CellText(2, 2), "again");
    EXPECT_EQ(grid->CellText(2, 500), "") << "a cell never written reads empty";
}

}  // namespace
