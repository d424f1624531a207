// Inserting, removing and clearing runs of rows and columns, keeping the
// side data in step (cell properties, heights, modified and selection
// flags, hidden rows, cell controls, the current cell), and splitting or
// merging the cells of a column vertically.
#include <algorithm>

#include "stringgrid/BavFooter.h"
#include "stringgrid/BavGrid.h"

namespace {

void EraseFlag(std::vector<char>& flags, int index) {
    if (index < int(flags.size())) flags.erase(flags.begin() + index);
}

}  // namespace

// ---- Side data -------------------------------------------------------------------------------

void TBavStringGrid::TakeRow(int to, int from) {
    ExchangeRows(to, from);
    SetRowHeights(to, RowHeights(from));
}

void TBavStringGrid::ClearStoredRow(int row) {
    for (int col = 0; col < AllColCount(); ++col) {
        SetObjects(col, row, nullptr);
        SetCellText(col, row, "");
    }
}

void TBavStringGrid::MoveCellControlRows(int fromRow, int delta) {
    for (int i = 0; i < cellControls_->Count(); ++i) {
        TControlItem* item = cellControls_->GetItem(i);
        if (item->Row() >= fromRow) item->SetRow(item->Row() + delta);
    }
}

void TBavStringGrid::DeleteRowFlags(int row, bool selections) {
    if (showModified_->Enabled()) EraseFlag(rowModified_, row);
    if (selections) EraseFlag(rowSelected_, row);
}

void TBavStringGrid::KeepCurrentRow(int oldRow, int oldTop) {
    if (oldRow < RowCount() - fixedFooters_) {
        SetRowEx(oldRow);
        SetTopRow(std::min(oldTop, std::max(TBaseGrid::FixedRows(), RowCount() - 1)));
    } else if (RowCount() - fixedFooters_ - 1 >= TBaseGrid::FixedRows()) {
        SetRowEx(RowCount() - fixedFooters_ - 1);
    } else {
        HideSelection();
    }
}

// ---- Rows ------------------------------------------------------------------------------------

void TBavStringGrid::InsertRows(int row, int count) {
    if (count <= 0 || row < 0 || row > RowCount()) return;
    SetRowCount(RowCount() + count);
    for (int i = RowCount() - 1; i >= row + count; --i) TakeRow(i, i - count);
    for (int i = row; i < row + count; ++i) {
        SetRowHeights(i, DefaultRowHeight());
        ClearStoredRow(i);
    }
    if (showModified_->Enabled() && row < int(rowModified_.size()))
        rowModified_.insert(rowModified_.begin() + row, std::size_t(count), 0);
    MoveCellControlRows(row, count);
    if (!ComponentState().Contains(csDestroying)) CellsChanged(TRect(0, row, ColCount() - 1, row + count));
}

void TBavStringGrid::RemoveRows(int row, int count) {
    if (row < 0 || row >= RowCount() || count <= 0) return;
    count = std::min(count, RowCount() - row);
    for (int i = 0; i < cellControls_->Count(); ++i) {
        TControlItem* item = cellControls_->GetItem(i);
        if (item->Row() >= row + count) item->SetRow(item->Row() - count);
    }
    FreeCellObjects(0, row, AllColCount() - 1, row + count - 1);
    SelectCell(Col(), Row());
    {
        TGridUpdateLock lock(this);
        const int oldTop = TopRow(), oldRow = Row(), footers = fixedFooters_;
        const bool footerVisible = floatingFooter_->Visible();
        floatingFooter_->SetVisible(false);
        if (NumHiddenRows() > 0) ShiftHiddenRows(RealRowIndex(row), -count);
        for (int i = 0; i < count; ++i) DeleteRowFlags(row, mouseActions_->DisjunctRowSelect());
        for (int i = row; i < RowCount(); ++i) {
            if (i + count < RowCount())
                TakeRow(i, i + count);
            else
                ClearStoredRow(i);
        }
        SetRowCount(RowCount() - count);
        allocatedRows_ -= count;
        KeepCurrentRow(oldRow, oldTop);
        selectionHidden_ = false;
        floatingFooter_->SetVisible(footerVisible);
        fixedFooters_ = footers;
    }
    CellsChanged(TRect(0, row, ColCount() - 1, row + count));
    const int lastTop = RowCount() + TBaseGrid::FixedRows() - VisibleRowCount() - 2;
    if (TopRow() >= lastTop && RowCount() - VisibleRowCount() - 1 > 0) SetTopRow(lastTop);
    if (cellControls_->Count() > 0) UpdateCellControls();
}

void TBavStringGrid::RemoveRowsText(int row, int count) {
    if (row < 0 || row >= RowCount() || count <= 0) return;
    count = std::min(count, RowCount() - row);
    {
        TGridUpdateLock lock(this);
        const int oldTop = TopRow(), oldRow = Row();
        for (int i = row; i + count < RowCount(); ++i) {
            for (int col = 0; col < AllColCount(); ++col) {
                SetCells(col, i, Cells(col, i + count));
                SetObjects(col, i, Objects(col, i + count));
            }
        }
        if (mouseActions_->DisjunctRowSelect())
            for (int i = 0; i < count; ++i) EraseFlag(rowSelected_, row);
        // The last rows' cells now live further up: the storage the
        // platform keeps past the new count must not hold them twice.
        for (int i = RowCount() - count; i < RowCount(); ++i) ClearStoredRow(i);
        SetRowCount(RowCount() - count);
        allocatedRows_ -= count;
        if (oldRow < RowCount()) {
            SetRowEx(oldRow);
            SetTopRow(std::min(oldTop, RowCount() - 1));
        } else if (TBaseGrid::FixedRows() < RowCount()) {
            SetRowEx(TBaseGrid::FixedRows());
            SetTopRow(TBaseGrid::FixedRows());
        }
    }
    // The same shift as RemoveRows: by the run's length, after its last row.
    if (NumHiddenRows() > 0) ShiftHiddenRows(RealRowIndex(row + count - 1), -count);
    CellsChanged(TRect(0, row, ColCount() - 1, row + count));
}

void TBavStringGrid::DeleteRowsRaw(int row, int count) {
    if (row < 0 || row >= RowCount() || count <= 0) return;
    count = std::min(count, RowCount() - row);
    FreeCellObjects(0, row, AllColCount() - 1, row + count - 1);
    DeleteRowsCore(row, count, true);
}

void TBavStringGrid::DeleteRowsCore(int row, int count, bool adjustHiddenRows) {
    if (row < 0 || row >= RowCount() || count <= 0) return;
    count = std::min(count, RowCount() - row);
    const bool footerVisible = floatingFooter_->Visible();
    if (footerVisible) {
        BeginUpdate();
        floatingFooter_->SetVisible(false);
    }
    bool rowSelectRemoved = false;
    {
        TGridUpdateLock lock(this);
        const int oldTop = TopRow(), oldRow = Row();
        if (Options().Contains(goRowSelect)) {
            SetOptions(Options() - TGridOptions{goRowSelect});
            rowSelectRemoved = true;
        }
        if (HasNodes() && ColCount() > 1) SetCol(1);
        std::vector<int> heights;
        for (int i = 0; i < RowCount(); ++i) heights.push_back(RowHeights(i));
        if (adjustHiddenRows && NumHiddenRows() > 0) ShiftHiddenRows(RealRowIndex(row), -count);
        const bool selections = mouseActions_->DisjunctRowSelect() && !mouseActions_->RowSelectPersistent();
        for (int i = 0; i < count; ++i) {
            DeleteRow(row);
            heights.erase(heights.begin() + row);
            if (selections) EraseFlag(rowSelected_, row);
        }
        KeepCurrentRow(oldRow, oldTop);
        if (Row() >= RowCount()) HideSelection();
        for (int i = 0; i < RowCount(); ++i) SetRowHeights(i, heights[std::size_t(i)]);
    }
    CellsChanged(TRect(0, row, ColCount() - 1, row + count));
    if (TopRow() >= RowCount() - 1) SetTopRow(std::max(TBaseGrid::FixedRows(), RowCount() - 1));
    if (Row() >= RowCount()) {
        HideSelection();
        selectionHidden_ = false;
    } else if (rowSelectRemoved) {
        SetOptions(Options() + TGridOptions{goRowSelect});
    }
    if (footerVisible) {
        floatingFooter_->SetVisible(true);
        EndUpdate();
    }
}

void TBavStringGrid::RemoveSelectedRows() {
    TGridUpdateLock lock(this);
    if (mouseActions_->DisjunctRowSelect()) {
        for (int row = RowCount() - fixedFooters_ - 1; row >= TBaseGrid::FixedRows(); --row)
            if (GetRowSelect(mouseActions_->RowSelectPersistent() ? RealRowIndex(row) : row)) DeleteRowsRaw(row, 1);
        return;
    }
    const TGridRect selection = Selection();
    for (int row = selection.Bottom; row >= selection.Top; --row) DeleteRowsRaw(row, 1);
}

// ---- Columns ---------------------------------------------------------------------------------

void TBavStringGrid::InsertCols(int col, int count) {
    if (count <= 0 || col < 0 || col > AllColCount()) return;
    const int display = DisplayColIndex(col);
    SetColCount(ColCount() + count);
    columnVisibility_.Insert(col, count);
    for (int i = AllColCount() - 1; i >= col + count; --i) {
        for (int row = 0; row < RowCount(); ++row) {
            SetCells(i, row, Cells(i - count, row));
            SetObjects(i, row, Objects(i - count, row));
        }
    }
    for (int i = ColCount() - 1; i >= display + count; --i) SetColWidths(i, ColWidths(i - count));
    for (int i = 0; i < count; ++i) {
        SetColWidths(display + i, DefaultColWidth());
        ClearCol(col + i);
    }
}

void TBavStringGrid::RemoveCols(int col, int count) {
    if (col < 0 || col >= AllColCount() || count <= 0) return;
    count = std::min(count, AllColCount() - col);
    const int display = DisplayColIndex(col);
    int shown = 0;
    for (int i = col; i < col + count; ++i) shown += IsHiddenColumn(i) ? 0 : 1;
    ClearCols(col, count);
    for (int i = col; i + count < AllColCount(); ++i) {
        for (int row = 0; row < RowCount(); ++row) {
            SetCells(i, row, Cells(i + count, row));
            SetObjects(i, row, Objects(i + count, row));
        }
    }
    for (int i = display; i + shown < ColCount(); ++i) SetColWidths(i, ColWidths(i + shown));
    // The last columns' objects now live further left; they leave the grid
    // without being freed.
    for (int i = AllColCount() - count; i < AllColCount(); ++i) ClearCol(i);
    columnVisibility_.Remove(col, count);
    SetColCount(ColCount() - shown);
    CellsChanged(TRect(col, 0, col + count, RowCount() - 1));
}

// ---- Clearing --------------------------------------------------------------------------------

void TBavStringGrid::ClearRect(int col1, int row1, int col2, int row2) {
    const bool destroying = ComponentState().Contains(csDestroying);
    for (int row = row1; row <= row2; ++row)
        for (int col = col1; col <= col2; ++col) {
            if (HasCellProperties(col, row)) {
                if (sortCleanup_) {
                    ClearCell(col, row);
                } else {
                    RemoveCellGraphic(col, row);
                    ReplaceCellObject(col, row, nullptr);
                }
            }
            if (!destroying && !Cells(col, row).empty()) SetCellText(col, row, "");
        }
    if (!destroying) CellsChanged(TRect(RealColIndex(col1), row1, RealColIndex(col2), row2));
}

void TBavStringGrid::ClearRows(int row, int count) {
    if (RowCount() > 0 && ColCount() > 0 && count > 0) ClearRect(0, row, AllColCount() - 1, row + count - 1);
}

void TBavStringGrid::ClearCols(int col, int count) {
    if (RowCount() > 0 && ColCount() > 0 && count > 0) ClearRect(col, 0, col + count - 1, RowCount() - 1);
}

void TBavStringGrid::ClearSelectedCells() {
    if (mouseActions_->DisjunctRowSelect()) {
        for (int row = TBaseGrid::FixedRows(); row < RowCount(); ++row)
            if (GetRowSelect(mouseActions_->RowSelectPersistent() ? RealRowIndex(row) : row)) ClearRows(row, 1);
    } else if (mouseActions_->DisjunctColSelect()) {
        for (int col = TBaseGrid::FixedCols(); col < ColCount(); ++col)
            if (GetColSelect(col)) ClearCols(col, 1);
    } else {
        const TGridRect selection = Selection();
        ClearRect(selection.Left, selection.Top, selection.Right, selection.Bottom);
    }
}

void TBavStringGrid::Clear() {
    if (!ComponentState().Contains(csDestroying) && HasNodes()) RemoveAllNodes();
    if (RowCount() > 0 && ColCount() > 0) ClearRect(0, 0, AllColCount() - 1, RowCount() - 1);
    gotoText_.clear();
}

// ---- Vertical merges of one column -----------------------------------------------------------

void TBavStringGrid::SplitColumnCells(int col) {
    for (int row = 0; row < RowCount() - fixedFooters_ - 1;) {
        if (!IsMergedVertically(col, row)) {
            ++row;
            continue;
        }
        const int span = GetCellSpan(col, row).Y;
        SplitCells(col, row);
        row += span + 1;
    }
}

void TBavStringGrid::MergeColumnCells(int col, bool byTextOnly) {
    int start = TBaseGrid::FixedRows(), length = 1;
    const int last = RowCount() - fixedFooters_ - 1;
    for (int row = TBaseGrid::FixedRows() + 1; row <= last; ++row) {
        if (GetDisplayText(col, row) != GetDisplayText(col, row - 1) ||
            (!byTextOnly && !RowsShareMergedCells(row, row - 1))) {
            if (length > 1) MergeCells(col, start, 1, length);
            start = row;
            length = 1;
        } else {
            ++length;
        }
    }
    if (length > 1) MergeCells(col, start, 1, length);
}
