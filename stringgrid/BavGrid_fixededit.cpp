// Editing the text of fixed cells in place: a press, right press or double
// click in a fixed row or column (as MouseActions chooses) opens the
// borderless editor over the cell.
#include "stringgrid/BavEditLink.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavOptions.h"

bool TBavStringGrid::FixedCellEdits(TGridFixedCellEdit kind, int col, int row) const {
    const bool fixedRow = row >= 0 && row < TBaseGrid::FixedRows();
    const bool fixedCol = col >= 0 && col < TBaseGrid::FixedCols();
    return (fixedRow && mouseActions_->FixedRowsEdit() == kind) || (fixedCol && mouseActions_->FixedColsEdit() == kind);
}

void TBavStringGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    const TGridRect before = Selection();
    if (button == mbLeft && RangeSelectAndEditDown(shift, x, y)) return;
    TBaseGrid::MouseDown(button, shift, x, y);
    SelectionChangedSince(before);
    const TGridCoord cell = MouseCoord(x, y);
    if (cell.X < 0 || cell.Y < 0) return;
    if (button == mbLeft && FixedCellEdits(fceLeftClick, cell.X, cell.Y)) {
        // Beside a divider that sizes, the press belongs to the sizing.
        const bool fixedRow = cell.Y < TBaseGrid::FixedRows() && mouseActions_->FixedRowsEdit() == fceLeftClick;
        if (Options().Contains(fixedRow ? goColSizing : goRowSizing)) {
            TRect inner = MergedCellRect(cell.X, cell.Y);
            InflateRect(&inner, -4, -4);
            if (!PtInRect(&inner, POINT{x, y})) return;
        }
        EditFixedCell(cell.X, cell.Y);
    } else if (button == mbRight && FixedCellEdits(fceRightClick, cell.X, cell.Y)) {
        EditFixedCell(cell.X, cell.Y);
    }
}

void TBavStringGrid::EditFixedCell(int col, int row) {
    if (!fixedCellEditor_) {
        fixedCellEditor_ = new TGridTransEdit(this);
        fixedCellEditor_->SetParent(this);
    }
    if (fixedCellEditor_->Visible() && !fixedCellEditor_->CommitText()) return;
    bool allow = false;
    CanEditCellHook(RealColIndex(col), row, allow);
    if (allow) return;
    TRect r = MergedCellRect(col, row);
    InflateRect(&r, -1, -1);
    fixedCellEditor_->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    fixedCellEditor_->SetText(GetDisplayText(col, row));
    fixedCellEditor_->SetCellCol(col);
    fixedCellEditor_->SetCellRow(row);
    fixedCellEditor_->SetVisible(true);
    fixedCellEditor_->SetFocus();
}
