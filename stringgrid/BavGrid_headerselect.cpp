// Selecting whole rows, columns or the whole grid through the fixed cells:
// the cursor that tells which one a press there selects, the press that
// selects, and the drag over the fixed cells that widens the selection.
#include <algorithm>

#include "platform/win/userinput.h"
#include "stringgrid/BavGrid.h"

void TBavStringGrid::UpdateCursorKind(int x, int y) {
    cursorKind_ = IsOnSelectionGrip(x, y) ? TCursorKind::Grip : TCursorKind::None;
    const TGridCoord cell = MouseCoord(x, y);
    if (cell.X < 0 || cell.Y < 0 || cursorKind_ == TCursorKind::Grip) return;
    const int fixedCols = TBaseGrid::FixedCols(), fixedRows = TBaseGrid::FixedRows();
    const bool fixedRow = cell.Y < fixedRows, fixedCol = cell.X < fixedCols;
    if (fixedRow && fixedCol) {
        if (mouseActions_->AllSelect()) cursorKind_ = TCursorKind::SelectAll;
    } else if (fixedRow) {
        if (mouseActions_->ColSelect() && !IsOnSizingEdge(x, y)) cursorKind_ = TCursorKind::ColSelect;
    } else if (fixedCol && mouseActions_->RowSelect() && !IsOnSizingEdge(x, y) &&
               !(cell.X == 0 && IsNodeRow(cell.Y) && IsNodeGlyphHit(cell.Y, x))) {
        cursorKind_ = TCursorKind::RowSelect;
    }
}

bool TBavStringGrid::CursorKindCursor() {
    if (cursorKind_ == TCursorKind::None || GridState() == gsRowSizing || GridState() == gsColSizing) return false;
    const int id = cursorKind_ == TCursorKind::ColSelect ? 8011 : cursorKind_ == TCursorKind::RowSelect ? 8010 : 8012;
    ::SetCursor(LoadCursor(HInstance, std::uintptr_t(id)));
    return true;
}

// Shows the new selection the way a header press sets it: hidden first, so
// that the old one does not linger while the new one is painted.
void TBavStringGrid::SelectFromHeader(const TGridRect& selection) {
    HideSelection();
    TGridRect chosen = selection;
    HeaderSelectHook(chosen);
    SetSelection(chosen);
    selectionHidden_ = false;
    Invalidate();
}

void TBavStringGrid::HeaderSelectPress(int col, int row, bool shift) {
    if (!Options().Contains(goRangeSelect)) return;
    const int fixedCols = TBaseGrid::FixedCols(), fixedRows = TBaseGrid::FixedRows();
    const int lastCol = ColCount() - 1, lastRow = RowCount() - 1;
    if (row < fixedRows && col < fixedCols && mouseActions_->AllSelect() && cursorKind_ == TCursorKind::SelectAll) {
        if (CanFocus()) SetFocus();
        ProgressHook(0, 0);
        ProgressHook(1, lastRow);
        ProgressHook(4, 0);
        SelectFromHeader(TGridRect{fixedCols, fixedRows, lastCol, lastRow});
        HideCellEditor();
    } else if (col < fixedCols && row >= fixedRows && mouseActions_->RowSelect() &&
               cursorKind_ == TCursorKind::RowSelect) {
        if (EditorMode() && CanFocus()) SetFocus();
        const int top = shift ? std::min(Selection().Top, row) : row;
        SelectFromHeader(TGridRect{fixedCols, top, lastCol, std::max(top, row)});
        selectAnchor_ = row;
    } else if (row < fixedRows && col >= fixedCols && mouseActions_->ColSelect() &&
               cursorKind_ == TCursorKind::ColSelect) {
        if (CanFocus()) SetFocus();
        const int left = shift ? std::min(Selection().Left, col) : col;
        SelectFromHeader(TGridRect{left, fixedRows, std::max(left, col), lastRow});
        selectAnchor_ = col;
    }
}

void TBavStringGrid::HeaderSelectDrag(int x, int y) {
    if (selectAnchor_ < 0) return;
    const TGridCoord cell = MouseCoord(x, y);
    const int fixedCols = TBaseGrid::FixedCols(), fixedRows = TBaseGrid::FixedRows();
    TGridRect selection = Selection();
    if (mouseActions_->RowSelect() && cursorKind_ == TCursorKind::RowSelect) {
        if (cell.Y >= fixedRows && cell.Y < RowCount() - FixedFooters())
            selection = {fixedCols, std::max(fixedRows, std::min(selectAnchor_, int(cell.Y))), ColCount() - 1,
                         std::max(selectAnchor_, int(cell.Y))};
        if (y > Height() - 4 && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
        if (fixedRows > 0 && y < RowHeights(0) && TopRow() > fixedRows) SetTopRow(TopRow() - 1);
    } else if (mouseActions_->ColSelect() && cursorKind_ == TCursorKind::ColSelect) {
        if (cell.X >= 0)
            selection = {std::max(fixedCols, std::min(selectAnchor_, int(cell.X))), fixedRows,
                         std::max(selectAnchor_, int(cell.X)), RowCount() - 1};
    }
    const TGridRect old = Selection();
    if (selection.Left != old.Left || selection.Top != old.Top || selection.Right != old.Right ||
        selection.Bottom != old.Bottom) {
        SetSelection(selection);
        Invalidate();
    }
}
