// Disjunct row and column selection by mouse: the press decides whether the
// pick starts anew or a picked row or column is to be dropped, and the
// release takes the range the mouse selected into the picked ones.
#include "platform/win/userinput.h"
#include "stringgrid/BavCellPaint.h"
#include "stringgrid/BavGrid.h"

void TBavStringGrid::DisjunctSelectPress(int col, int row) {
    const bool ctrl = GetKeyState(VK_CONTROL) < 0, alt = GetKeyState(VK_MENU) < 0;
    deselectRowOnRelease_ = deselectColOnRelease_ = -1;
    if (mouseActions_->DisjunctRowSelect() && row >= TBaseGrid::FixedRows() &&
        !(col == 0 && mouseActions_->HotmailRowSelect())) {
        const int picked = mouseActions_->RowSelectPersistent() ? RealRowIndex(row) : row;
        plainDrag_ = !ctrl;
        if (!ctrl && !alt) ClearRowSelect();
        if (ctrl && GetRowSelect(picked)) deselectRowOnRelease_ = picked;
    }
    if (mouseActions_->DisjunctColSelect() && col >= TBaseGrid::FixedCols()) {
        plainDrag_ = plainDrag_ || !ctrl;
        if (!ctrl) ClearColSelect();
        if (ctrl && GetColSelect(col)) deselectColOnRelease_ = col;
    }
}

void TBavStringGrid::DisjunctSelectRelease(int x, int y) {
    const TGridCoord cell = MouseCoord(x, y);
    if (mouseActions_->DisjunctRowSelect() && !(cell.X == 0 && cell.Y >= 0 && IsNodeRow(cell.Y))) {
        SelectionToRowSelect(false);
        if (deselectRowOnRelease_ >= 0) SetRowSelect(deselectRowOnRelease_, false);
    }
    if (mouseActions_->DisjunctColSelect()) {
        SelectionToColSelect(false);
        if (deselectColOnRelease_ >= 0) SetColSelect(deselectColOnRelease_, false);
    }
    deselectRowOnRelease_ = deselectColOnRelease_ = -1;
}

void TBavStringGrid::UnpickedCellLook(TCanvas* canvas, CellPaint& cell) {
    if (plainDrag_ || !InScrollableArea(cell.col, cell.row)) return;
    const int pickRow = mouseActions_->RowSelectPersistent() ? RealRowIndex(cell.row) : cell.row;
    if (!(mouseActions_->DisjunctRowSelect() && !GetRowSelect(pickRow)) &&
        !(mouseActions_->DisjunctColSelect() && !GetColSelect(cell.col)))
        return;
    canvas->Brush()->SetColor(Color());
    canvas->Font()->SetColor(Font()->Color());
    cell.linkColor = urlColor_;
    GetCellColorHook(cell.realCol, cell.row, canvas->Font(), canvas->Brush(), cell.state);
}
