// Real and display rows, the hidden selection, the disjunct row and column
// selections and the row-modified flags.
#include <algorithm>

#include "stringgrid/BavGrid.h"
#include "platform/win/winpaint.h"

namespace {

// The hidden rows' real indexes, ascending.
std::vector<int> HiddenIndexes(const TCollection* store) {
    std::vector<int> indexes;
    for (int i = 0; i < store->Count(); ++i) indexes.push_back(static_cast<TGridItem*>(store->Items(i))->Idx());
    std::sort(indexes.begin(), indexes.end());
    return indexes;
}

void Grow(std::vector<char>& flags, int index) {
    if (int(flags.size()) <= index) flags.resize(std::size_t(index) + 1, 0);
}

}  // namespace

int TBavStringGrid::RealRowIndex(int displayRow) const {
    int real = displayRow;
    for (int hidden : HiddenIndexes(hiddenRows_.get()))
        if (hidden <= real) ++real;
    return real;
}

int TBavStringGrid::DisplayRowIndex(int realRow) const {
    int display = realRow;
    for (int hidden : HiddenIndexes(hiddenRows_.get()))
        if (hidden < realRow) --display;
    return display;
}

void TBavStringGrid::SetSelectionRect(const TGridRect& rect) {
    SetSelection(rect);
    if (activeCellShow_) {
        RepaintRow(0);
        RepaintCol(0);
    }
}

void TBavStringGrid::HideSelection() {
    savedSelection_ = Selection();
    selectionHidden_ = true;
    // A cell past the grid: nothing shows selected.
    SetSelection({ColCount(), RowCount(), ColCount(), RowCount()});
}

void TBavStringGrid::RestoreSelection() {
    selectionHidden_ = false;
    if (savedSelection_.Top < RowCount() && savedSelection_.Left < ColCount()) {
        SetSelection(savedSelection_);
        return;
    }
    const int top = fixedRowAlways_ && TBaseGrid::FixedRows() >= RowCount() ? 0 : TBaseGrid::FixedRows();
    const int left = fixedColAlways_ && TBaseGrid::FixedCols() >= ColCount() ? 0 : TBaseGrid::FixedCols();
    SetSelection({left, top, left, top});
}

bool TBavStringGrid::GetRowSelect(int row) {
    if (row < 0 || row >= RowCount() + NumHiddenRows()) throw EBavGridError("Invalid row accessed");
    if (mouseActions_->DisjunctRowSelect()) {
        Grow(rowSelected_, row);
        return rowSelected_[std::size_t(row)] != 0;
    }
    const TGridRect selection = Selection();
    return row >= std::min(selection.Top, selection.Bottom) && row <= std::max(selection.Top, selection.Bottom);
}

void TBavStringGrid::SetRowSelect(int row, bool state) {
    if (row < 0 || row >= RowCount() + NumHiddenRows()) throw EBavGridError("Invalid row accessed");
    bool allow = true;
    if (onRowDisjunctSelect_) onRowDisjunctSelect_(this, row, state, allow);
    if (!allow) return;
    Grow(rowSelected_, row);
    char& flag = rowSelected_[std::size_t(row)];
    if (bool(flag) != state) RepaintRow(DisplayRowIndex(row));
    flag = state;
    if (state && !selectedRows_->HasValue(row)) selectedRows_->Add(row);
    if (!state) selectedRows_->DeleteValue(row);
    if (onRowDisjunctSelected_) onRowDisjunctSelected_(this, row);
}

void TBavStringGrid::ClearRowSelect() {
    for (std::size_t row = 0; row < rowSelected_.size(); ++row)
        if (rowSelected_[row]) {
            rowSelected_[row] = 0;
            RepaintRow(DisplayRowIndex(int(row)));
        }
    selectedRows_->Clear();
}

int TBavStringGrid::RowSelectCount() {
    if (mouseActions_->DisjunctRowSelect()) return int(std::count(rowSelected_.begin(), rowSelected_.end(), 1));
    const TGridRect selection = Selection();
    return std::abs(selection.Bottom - selection.Top) + 1;
}

void TBavStringGrid::SelectionToRowSelect(bool allRows) {
    const TGridRect selection = Selection();
    const int top = std::min(selection.Top, selection.Bottom), bottom = std::max(selection.Top, selection.Bottom);
    for (int row = TBaseGrid::FixedRows(); row < RowCount(); ++row) {
        const bool inside = row >= top && row <= bottom;
        if (allRows || inside) SetRowSelect(mouseActions_->RowSelectPersistent() ? RealRowIndex(row) : row, inside);
    }
}

bool TBavStringGrid::GetColSelect(int col) {
    if (col < 0 || col >= ColCount()) throw EBavGridError("Invalid column accessed");
    Grow(colSelected_, col);
    return colSelected_[std::size_t(col)] != 0;
}

void TBavStringGrid::SetColSelect(int col, bool state) {
    if (col < 0 || col >= ColCount()) throw EBavGridError("Invalid column accessed");
    Grow(colSelected_, col);
    if (bool(colSelected_[std::size_t(col)]) != state) RepaintCol(col);
    colSelected_[std::size_t(col)] = state;
}

void TBavStringGrid::ClearColSelect() {
    for (std::size_t col = 0; col < colSelected_.size(); ++col)
        if (colSelected_[col]) {
            colSelected_[col] = 0;
            RepaintCol(int(col));
        }
}

void TBavStringGrid::SelectionToColSelect(bool allCols) {
    const TGridRect selection = Selection();
    const int left = std::min(selection.Left, selection.Right), right = std::max(selection.Left, selection.Right);
    for (int col = TBaseGrid::FixedCols(); col < ColCount(); ++col) {
        const bool inside = col >= left && col <= right;
        if (allCols || inside) SetColSelect(col, inside);
    }
}

bool TBavStringGrid::IsCellSelected(int col, int row) {
    if (row < TBaseGrid::FixedRows() || col < TBaseGrid::FixedCols()) return false;
    if (mouseActions_->DisjunctRowSelect())
        return GetRowSelect(mouseActions_->RowSelectPersistent() ? RealRowIndex(row) : row);
    if (mouseActions_->DisjunctColSelect()) return GetColSelect(col);
    const TGridRect selection = Selection();
    return col >= selection.Left && col <= selection.Right && row >= selection.Top && row <= selection.Bottom;
}

bool TBavStringGrid::IsRowModified(int row) const {
    return row >= 0 && row < int(rowModified_.size()) && rowModified_[std::size_t(row)];
}

void TBavStringGrid::SetRowModified(int row, bool state) {
    Grow(rowModified_, row);
    rowModified_[std::size_t(row)] = state;
    RepaintCell(0, row);
}

void TBavStringGrid::RepaintRow(int row) {
    if (!HandleAllocated() || row < 0 || row >= RowCount()) return;
    TRect rect = CalcCellRect(0, row);
    rect.left = 0;
    rect.right = ClientWidth();
    InvalidateRect(Handle(), &rect, TRUE);
}

void TBavStringGrid::RepaintCol(int col) {
    if (!HandleAllocated() || col < 0 || col >= ColCount()) return;
    TRect rect = CalcCellRect(col, 0);
    rect.top = 0;
    rect.bottom = ClientHeight();
    InvalidateRect(Handle(), &rect, TRUE);
}

// A range with a corner out of view repaints the whole grid: the cells in
// view between its corners are not known from their rectangles.
void TBavStringGrid::RepaintRect(const TGridRect& rect) {
    if (!HandleAllocated() || rect.Left < 0 || rect.Top < 0 || rect.Right < 0 || rect.Bottom < 0) return;
    const TRect first = CellRect(rect.Left, rect.Top), last = CellRect(rect.Right, rect.Bottom);
    if (IsRectEmpty(&first) || IsRectEmpty(&last)) {
        Invalidate();
        return;
    }
    TRect both;
    UnionRect(&both, &first, &last);
    InvalidateRect(Handle(), &both, TRUE);
}
