// Starting an OLE drag with the mouse: a press on the selection arms the
// drag instead of selecting, a move of more than 3 pixels starts it, and a
// release without a drag selects the released cell after all.
#include <cstdlib>

#include "platform/win/userinput.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavOptions.h"

bool TBavStringGrid::ArmOleDrag(int col, int row, int x) {
    const int realCol = RealColIndex(col);
    const bool fixedRow = row < TBaseGrid::FixedRows();
    const TRect r = MergedCellRect(col, row);
    const bool onSizingEdge = Options().Contains(goColSizing) && (x - r.left <= 4 || r.right - x <= 4);
    if (((!fixedRow || EnhRowColMove()) && !IsCellSelected(col, row)) || Options().Contains(goEditing) || IsButtonCell(realCol, row) ||
        IsCheckBoxCell(realCol, row) || !dragDropSettings_->OleDropSource() ||
        ((mouseActions_->ColSelect() || mouseActions_->AllSelect()) && fixedRow) || col < TBaseGrid::FixedCols() ||
        onSizingEdge)
        return false;
    dragArmed_ = true;
    FireClickCell(row, col);
    return true;
}

bool TBavStringGrid::OleDragMove(int x, int y) {
    if (!dragArmed_) return false;
    const TGridCoord cell = MouseCoord(x, y);
    if (cell.X < 0 || cell.Y < 0) return false;
    const bool beyond = std::abs(x - mouseDownPoint_.x) > 3 || std::abs(y - mouseDownPoint_.y) > 3;
    // Short of a drag the selection stays as it is: selecting here would
    // move the current cell and shrink the selection to it.
    if (!beyond || !dragDropSettings_->OleDropSource() || GridState() == gsColSizing || IsOnSelectionGrip(x, y))
        return false;
    dragArmed_ = false;
    bool allow = true;
    if (onOleDrag_) onOleDrag_(this, cell.Y, RealColIndex(cell.X), GetDisplayText(cell.X, cell.Y), allow);
    if (allow) StartOleDrag(cell.X, cell.Y);
    // The drag loop took the release: nothing is selecting any more.
    SetGridState(gsNormal);
    leftButtonDown_ = plainDrag_ = false;
    if (GetCapture() == Handle()) ReleaseCapture();
    return true;
}

bool TBavStringGrid::ArmedDragRelease(int x, int y) {
    if (!std::exchange(dragArmed_, false)) return false;
    const TGridCoord cell = MouseCoord(x, y);
    if (cell.X < TBaseGrid::FixedCols() || cell.Y < TBaseGrid::FixedRows()) return false;
    if (mouseActions_->DisjunctRowSelect() && dragDropSettings_->OleDropSource()) {
        if (GetKeyState(VK_CONTROL) < 0) {
            SetRowSelect(cell.Y, !GetRowSelect(cell.Y));
            return true;
        }
        ClearRowSelect();
    }
    RepaintCell(0, Row());
    if (Options().Contains(goRowSelect))
        SetSelection(TGridRect{TBaseGrid::FixedCols(), cell.Y, ColCount() - 1, cell.Y});
    else
        SetSelection(TGridRect{cell.X, cell.Y, cell.X, cell.Y});
    RepaintCell(0, Row());
    return false;
}

void TBavStringGrid::RemoveMovedCells() {
    const bool disjunct = mouseActions_->DisjunctRowSelect();
    const TGridRect& dragged = oleDragRect_;
    if (dragDropSettings_->OleRemoveRows() && Options().Contains(goRowSelect)) {
        if (disjunct)
            RemoveSelectedRows();
        else
            DeleteRowsRaw(dragged.Top, dragged.Bottom - dragged.Top + 1);
    } else if (!dragDropSettings_->OleCopyAlways()) {
        if (disjunct)
            ClearSelectedCells();
        else
            ClearRect(dragged.Left, dragged.Top, dragged.Right, dragged.Bottom);
    }
}
