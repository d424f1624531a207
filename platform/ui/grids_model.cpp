// The grid's model: counts, column and row sizes, focus, anchor and
// selection, moving and deleting columns and rows, and the cell events of
// TCustomDrawGrid.
#include <algorithm>

#include "platform/ui/grids.h"
#include "platform/ui/grids_internal.h"
#include "platform/win/winpaint.h"
#include "platform/win/winscroll.h"

namespace {

const char* const kIndexOutOfRange = "Grid index out of range";
const char* const kFixedColTooBig = "Fixed column count must be less than column count";
const char* const kFixedRowTooBig = "Fixed row count must be less than row count";

// Where a position ends up when the cell at `from` moves to `to`.
void MoveAdjust(int& pos, int from, int to) {
    if (pos == from)
        pos = to;
    else if (pos > from && pos <= to)
        --pos;
    else if (pos < from && pos >= to)
        ++pos;
}

}  // namespace

void RaiseInvalidGridOperation(const AnsiString& message) {
    throw EInvalidGridOperation(message);
}

TCustomGrid::TCustomGrid(TComponent* owner)
    : TCustomControl(owner),
      colWidths_(static_cast<std::size_t>(colCount_), defaultColWidth_),
      tabStops_(static_cast<std::size_t>(colCount_), true),
      rowHeights_(static_cast<std::size_t>(rowCount_), defaultRowHeight_) {}

TCustomGrid::~TCustomGrid() = default;

void TCustomGrid::SetColCount(int value) {
    value = std::max(value, 1);
    if (value == colCount_)
        return;
    if (value <= fixedCols_)
        SetFixedCols(value - 1);
    ChangeSize(value, rowCount_);
}

void TCustomGrid::SetRowCount(int value) {
    value = std::max(value, 1);
    if (value == rowCount_)
        return;
    if (value <= fixedRows_)
        SetFixedRows(value - 1);
    ChangeSize(colCount_, value);
}

void TCustomGrid::SetFixedCols(int value) {
    if (value < 0)
        RaiseInvalidGridOperation(kIndexOutOfRange);
    if (value >= colCount_)
        RaiseInvalidGridOperation(kFixedColTooBig);
    fixedCols_ = value;
    ResetFocus();
}

void TCustomGrid::SetFixedRows(int value) {
    if (value < 0)
        RaiseInvalidGridOperation(kIndexOutOfRange);
    if (value >= rowCount_)
        RaiseInvalidGridOperation(kFixedRowTooBig);
    fixedRows_ = value;
    ResetFocus();
}

// Focus, anchor and view go back to the first scrollable cell.
void TCustomGrid::ResetFocus() {
    topLeft_ = {fixedCols_, fixedRows_};
    current_ = topLeft_;
    anchor_ = current_;
    if (options_.Contains(goRowSelect))
        anchor_.X = colCount_ - 1;
    UpdateScrollRange();
    InvalidateGrid();
}

void TCustomGrid::ChangeSize(int newColCount, int newRowCount) {
    const int oldColCount = colCount_;
    const int oldRowCount = rowCount_;
    colCount_ = newColCount;
    rowCount_ = newRowCount;
    colWidths_.resize(static_cast<std::size_t>(newColCount), defaultColWidth_);
    tabStops_.resize(static_cast<std::size_t>(newColCount), true);
    rowHeights_.resize(static_cast<std::size_t>(newRowCount), defaultRowHeight_);
    auto clampCoord = [&](TGridCoord& c) {
        c.X = std::clamp(c.X, fixedCols_, colCount_ - 1);
        c.Y = std::clamp(c.Y, fixedRows_, rowCount_ - 1);
    };
    clampCoord(current_);
    clampCoord(anchor_);
    clampCoord(topLeft_);
    if (options_.Contains(goRowSelect)) {
        current_.X = fixedCols_;
        anchor_.X = colCount_ - 1;
    }
    SizeChanged(oldColCount, oldRowCount);
    UpdateScrollRange();
    InvalidateGrid();
}

void TCustomGrid::SetDefaultColWidth(int value) {
    defaultColWidth_ = value;
    std::fill(colWidths_.begin(), colWidths_.end(), value);
    ColWidthsChanged();
    InvalidateGrid();
}

void TCustomGrid::SetDefaultRowHeight(int value) {
    defaultRowHeight_ = value;
    std::fill(rowHeights_.begin(), rowHeights_.end(), value);
    RowHeightsChanged();
    InvalidateGrid();
}

int TCustomGrid::ColWidths(int index) const {
    if (index < 0 || index >= colCount_)
        RaiseInvalidGridOperation(kIndexOutOfRange);
    return colWidths_[static_cast<std::size_t>(index)];
}

void TCustomGrid::SetColWidths(int index, int value) {
    if (ColWidths(index) == value)
        return;
    colWidths_[static_cast<std::size_t>(index)] = value;
    ColWidthsChanged();
    InvalidateGrid();
}

bool TCustomGrid::TabStops(int index) const {
    if (index < 0 || index >= colCount_)
        RaiseInvalidGridOperation(kIndexOutOfRange);
    return tabStops_[static_cast<std::size_t>(index)];
}

void TCustomGrid::SetTabStops(int index, bool value) {
    if (index < 0 || index >= colCount_)
        RaiseInvalidGridOperation(kIndexOutOfRange);
    tabStops_[static_cast<std::size_t>(index)] = value;
}

int TCustomGrid::RowHeights(int index) const {
    if (index < 0 || index >= rowCount_)
        RaiseInvalidGridOperation(kIndexOutOfRange);
    return rowHeights_[static_cast<std::size_t>(index)];
}

void TCustomGrid::SetRowHeights(int index, int value) {
    if (RowHeights(index) == value)
        return;
    rowHeights_[static_cast<std::size_t>(index)] = value;
    RowHeightsChanged();
    InvalidateGrid();
}

void TCustomGrid::SetGridLineWidth(int value) {
    if (value == gridLineWidth_)
        return;
    gridLineWidth_ = std::max(0, value);
    InvalidateGrid();
}

void TCustomGrid::SetLeftCol(int value) {
    MoveTopLeft(value, topLeft_.Y);
}

void TCustomGrid::SetTopRow(int value) {
    MoveTopLeft(topLeft_.X, value);
}

void TCustomGrid::SetCol(int value) {
    if (value != current_.X)
        FocusCell(value, current_.Y, true);
}

void TCustomGrid::SetRow(int value) {
    if (value != current_.Y)
        FocusCell(current_.X, value, true);
}

TGridRect TCustomGrid::Selection() const {
    TGridRect r{std::min(anchor_.X, current_.X), std::min(anchor_.Y, current_.Y), std::max(anchor_.X, current_.X),
                std::max(anchor_.Y, current_.Y)};
    if (options_.Contains(goRowSelect)) {
        r.Left = fixedCols_;
        r.Right = colCount_ - 1;
    }
    return r;
}

void TCustomGrid::SetSelection(const TGridRect& value) {
    const TGridRect old = Selection();
    anchor_ = value.TopLeft();
    current_ = value.BottomRight();
    SelectionMoved(old);
}

void TCustomGrid::SelectionMoved(const TGridRect& oldSelection) {
    const TGridRect now = Selection();
    if (now == oldSelection)
        return;
    InvalidateGridRect(oldSelection);
    InvalidateGridRect(now);
}

void TCustomGrid::SetOptions(TGridOptions value) {
    if (value == options_)
        return;
    const bool rowSelectOn = value.Contains(goRowSelect) && !options_.Contains(goRowSelect);
    options_ = value;
    if (rowSelectOn) {
        current_.X = fixedCols_;
        anchor_ = {colCount_ - 1, current_.Y};
    }
    InvalidateGrid();
}

void TCustomGrid::SetScrollBars(TScrollStyle value) {
    if (value == scrollBars_)
        return;
    const TScrollStyle old = scrollBars_;
    scrollBars_ = value;
    if (HandleAllocated())
        for (int bar : {SB_HORZ, SB_VERT})
            if (ScrollStyleHasBar(old, bar) && !ScrollStyleHasBar(value, bar))
                ShowScrollBar(Handle(), bar, FALSE);
    UpdateScrollRange();
}

void TCustomGrid::SetBorderStyle(TBorderStyle value) {
    if (value == borderStyle_)
        return;
    borderStyle_ = value;
    if (HandleAllocated())
        RecreateWnd();
}

void TCustomGrid::SetDefaultDrawing(bool value) {
    if (value == defaultDrawing_)
        return;
    defaultDrawing_ = value;
    InvalidateGrid();
}

void TCustomGrid::SetFixedColor(TColor value) {
    if (value == fixedColor_)
        return;
    fixedColor_ = value;
    InvalidateGrid();
}

void TCustomGrid::MoveColRow(int col, int row, bool moveAnchor, bool show) {
    if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_)
        RaiseInvalidGridOperation(kIndexOutOfRange);
    if (!SelectCell(col, row))
        return;
    // The editor commits to the cell it was opened on.
    if (!options_.Contains(goAlwaysShowEditor))
        HideEditor();
    const TGridRect old = Selection();
    current_ = {col, row};
    if (moveAnchor || !options_.Contains(goRangeSelect)) {
        anchor_ = current_;
        if (options_.Contains(goRowSelect))
            anchor_.X = colCount_ - 1;
    }
    if (options_.Contains(goRowSelect))
        current_.X = fixedCols_;
    if (show)
        ClampInView(current_);
    SelectionMoved(old);
}

void TCustomGrid::FocusCell(int col, int row, bool moveAnchor) {
    MoveColRow(col, row, moveAnchor, true);
    UpdateEdit();
    Click();
}

void TCustomGrid::MoveColRowInternal(bool isColumn, int fromIndex, int toIndex) {
    const int count = isColumn ? colCount_ : rowCount_;
    if (fromIndex < 0 || toIndex < 0 || fromIndex >= count || toIndex >= count)
        RaiseInvalidGridOperation(kIndexOutOfRange);
    if (fromIndex == toIndex)
        return;
    auto axis = [isColumn](TGridCoord& c) -> int& { return isColumn ? c.X : c.Y; };
    grids_internal::MoveItem(isColumn ? colWidths_ : rowHeights_, fromIndex, toIndex);
    if (isColumn)
        grids_internal::MoveItem(tabStops_, fromIndex, toIndex);
    MoveAdjust(axis(current_), fromIndex, toIndex);
    MoveAdjust(axis(anchor_), fromIndex, toIndex);
    if (isColumn)
        ColumnMoved(fromIndex, toIndex);
    else
        RowMoved(fromIndex, toIndex);
    InvalidateGrid();
}

void TCustomGrid::MoveColumn(int fromIndex, int toIndex) {
    MoveColRowInternal(true, fromIndex, toIndex);
}

void TCustomGrid::MoveRow(int fromIndex, int toIndex) {
    MoveColRowInternal(false, fromIndex, toIndex);
}

void TCustomGrid::DeleteColumn(int col) {
    MoveColumn(col, colCount_ - 1);
    SetColCount(colCount_ - 1);
}

void TCustomGrid::DeleteRow(int row) {
    MoveRow(row, rowCount_ - 1);
    SetRowCount(rowCount_ - 1);
}

bool TCustomGrid::SelectCell(int, int) {
    return true;
}

void TCustomGrid::ColumnMoved(int, int) {}
void TCustomGrid::RowMoved(int, int) {}
void TCustomGrid::ColWidthsChanged() {
    UpdateScrollRange();
    UpdateEdit();
}

void TCustomGrid::RowHeightsChanged() {
    UpdateScrollRange();
    UpdateEdit();
}
void TCustomGrid::TopLeftChanged() {}
void TCustomGrid::SizeChanged(int, int) {}

AnsiString TCustomGrid::GetEditText(int, int) {
    return {};
}

void TCustomGrid::SetEditText(int, int, const AnsiString&) {}

void TCustomGrid::InvalidateCell(int col, int row) {
    InvalidateGridRect({col, row, col, row});
}

void TCustomGrid::InvalidateCol(int col) {
    InvalidateGridRect({col, 0, col, rowCount_ - 1});
}

void TCustomGrid::InvalidateRow(int row) {
    InvalidateGridRect({0, row, colCount_ - 1, row});
}

void TCustomGrid::InvalidateGrid() {
    Invalidate();
}

void TCustomGrid::InvalidateGridRect(const TGridRect& rect) {
    if (redrawOff_)
        return;
    TRect r = BoxRect(rect.Left, rect.Top, rect.Right, rect.Bottom);
    if (IsRectEmpty(&r))
        return;
    // The lines after the cells belong to them.
    r.right += gridLineWidth_;
    r.bottom += gridLineWidth_;
    if (HandleAllocated())
        ::InvalidateRect(Handle(), &r, FALSE);
}

bool TCustomDrawGrid::SelectCell(int col, int row) {
    bool canSelect = true;
    onSelectCell_(this, col, row, canSelect);
    return canSelect;
}

void TCustomDrawGrid::ColumnMoved(int fromIndex, int toIndex) {
    onColumnMoved_(this, fromIndex, toIndex);
}

void TCustomDrawGrid::RowMoved(int fromIndex, int toIndex) {
    onRowMoved_(this, fromIndex, toIndex);
}

void TCustomDrawGrid::TopLeftChanged() {
    TCustomGrid::TopLeftChanged();
    onTopLeftChanged_(this);
}

AnsiString TCustomDrawGrid::GetEditText(int col, int row) {
    AnsiString value;
    onGetEditText_(this, col, row, value);
    return value;
}

void TCustomDrawGrid::SetEditText(int col, int row, const AnsiString& value) {
    onSetEditText_(this, col, row, value);
}

// Counts come before the fixed counts, which must stay below them.
void TDrawGrid::Published(TPublished<TDrawGrid>& p) {
    p.Property("ColCount", &TDrawGrid::ColCount, &TDrawGrid::SetColCount).Default(5);
    p.Property("RowCount", &TDrawGrid::RowCount, &TDrawGrid::SetRowCount).Default(5);
    p.Property("FixedCols", &TDrawGrid::FixedCols, &TDrawGrid::SetFixedCols).Default(1);
    p.Property("FixedRows", &TDrawGrid::FixedRows, &TDrawGrid::SetFixedRows).Default(1);
    p.Property("DefaultColWidth", &TDrawGrid::DefaultColWidth, &TDrawGrid::SetDefaultColWidth).Default(64);
    p.Property("DefaultRowHeight", &TDrawGrid::DefaultRowHeight, &TDrawGrid::SetDefaultRowHeight).Default(24);
    p.Property("GridLineWidth", &TDrawGrid::GridLineWidth, &TDrawGrid::SetGridLineWidth).Default(1);
    p.Property("Options", &TDrawGrid::Options, &TDrawGrid::SetOptions);
    p.Property("ScrollBars", &TDrawGrid::ScrollBars, &TDrawGrid::SetScrollBars).Default(ssBoth);
    p.Property("BorderStyle", &TDrawGrid::BorderStyle, &TDrawGrid::SetBorderStyle).Default(bsSingle);
    p.Property("DefaultDrawing", &TDrawGrid::DefaultDrawing, &TDrawGrid::SetDefaultDrawing).Default(true);
    p.Property("FixedColor", &TDrawGrid::FixedColor, &TDrawGrid::SetFixedColor).TypeName("TColor").Default(clBtnFace);
    p.Property("OnDrawCell", &TDrawGrid::OnDrawCell, &TDrawGrid::SetOnDrawCell);
    p.Property("OnSelectCell", &TDrawGrid::OnSelectCell, &TDrawGrid::SetOnSelectCell);
    p.Property("OnGetEditText", &TDrawGrid::OnGetEditText, &TDrawGrid::SetOnGetEditText);
    p.Property("OnSetEditText", &TDrawGrid::OnSetEditText, &TDrawGrid::SetOnSetEditText);
    p.Property("OnColumnMoved", &TDrawGrid::OnColumnMoved, &TDrawGrid::SetOnColumnMoved);
    p.Property("OnRowMoved", &TDrawGrid::OnRowMoved, &TDrawGrid::SetOnRowMoved);
    p.Property("OnTopLeftChanged", &TDrawGrid::OnTopLeftChanged, &TDrawGrid::SetOnTopLeftChanged);
}
