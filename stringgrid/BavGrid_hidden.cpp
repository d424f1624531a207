// Hidden rows: rows taken out of the platform grid into the hidden-row
// store with their texts, cell objects and heights, and put back; the
// row additions the keyboard asks for.
#include <algorithm>

#include "stringgrid/BavGrid.h"

// ---- The store -------------------------------------------------------------------------------

int TBavStringGrid::HiddenRowPosition(int realRow) const {
    for (int i = 0; i < hiddenRows_->Count(); ++i)
        if (HiddenRowAt(i)->Idx() == realRow) return i;
    return -1;
}

bool TBavStringGrid::IsHiddenRow(int realRow) const { return HiddenRowPosition(realRow) >= 0; }

TStrings* TBavStringGrid::GetHiddenRowStrings(int realRow) const {
    const int position = HiddenRowPosition(realRow);
    return position < 0 ? nullptr : HiddenRowAt(position)->Items();
}

void TBavStringGrid::ShiftHiddenRows(int afterRealRow, int delta) {
    for (int i = 0; i < hiddenRows_->Count(); ++i) {
        TGridItem* item = HiddenRowAt(i);
        if (item->Idx() > afterRealRow) item->SetIdx(item->Idx() + delta);
    }
}

void TBavStringGrid::StoreHiddenRow(TGridItem* item, int realRow, int displayRow) {
    for (int col = 0; col < AllColCount(); ++col)
        item->Items()->AddObject(Cells(col, displayRow), Objects(col, displayRow));
    item->SetIdx(realRow);
    item->SetHeight(RowHeights(displayRow));
}

void TBavStringGrid::PutHiddenRow(const TGridItem* item, int displayRow) {
    TStrings* items = item->Items();
    for (int col = 0; col < AllColCount(); ++col) {
        const bool stored = col < items->Count();
        SetCells(col, displayRow, stored ? items->Strings(col) : AnsiString());
        SetObjects(col, displayRow, stored ? items->Objects(col) : nullptr);
    }
    SetRowHeights(displayRow, item->Height());
}

AnsiString TBavStringGrid::GetRealRowCellText(int col, int realRow) {
    TStrings* items = GetHiddenRowStrings(realRow);
    if (!items) return GetDisplayText(col, DisplayRowIndex(realRow));
    AnsiString text = col < items->Count() ? items->Strings(col) : AnsiString();
    DoGetDisplText(col, realRow, text);
    return text;
}

// ---- Hiding and restoring --------------------------------------------------------------------

void TBavStringGrid::HideRows(int first, int last) {
    int hidden = 0, before = 0;
    for (int i = 0; i < hiddenRows_->Count(); ++i) {
        const int idx = HiddenRowAt(i)->Idx();
        if (idx >= first && idx <= last) ++hidden;
        if (idx < first) ++before;
    }
    const int length = last - first + 1;
    if (length <= 0 || hidden == length) return;
    const int display = first - before;
    int next = display;
    for (int row = first; row <= last; ++row) {
        if (IsHiddenRow(row)) continue;
        int position = 0;
        while (position < hiddenRows_->Count() && HiddenRowAt(position)->Idx() < row) ++position;
        StoreHiddenRow(static_cast<TGridItem*>(hiddenRows_->Insert(position)), row, next++);
    }
    for (int i = 0; i < cellControls_->Count(); ++i) {
        TControlItem* item = cellControls_->GetItem(i);
        if (item->Col() == 1 && item->Row() == display) item->Control()->SetVisible(false);
    }
    DeleteRowsCore(display, length - hidden, false);
    UpdateCellControls();
}

void TBavStringGrid::HideRowList(const std::vector<int>& rows) {
    if (rows.empty()) return;
    std::vector<int> heights;
    for (int i = 0; i < RowCount(); ++i) heights.push_back(RowHeights(i));
    for (int row : rows) StoreHiddenRow(static_cast<TGridItem*>(hiddenRows_->Add()), row, row);
    int free = 0;
    std::size_t listed = 0;
    for (int row = 0; row < RowCount(); ++row) {
        if (listed < rows.size() && rows[listed] == row) {
            ++listed;
            continue;
        }
        ExchangeRows(free, row);
        SetRowHeights(free++, heights[std::size_t(row)]);
    }
    // The hidden rows' cells now lie past the new count; their objects
    // belong to the store.
    for (int row = free; row < RowCount(); ++row) ClearStoredRow(row);
    SetRowCount(RowCount() - int(rows.size()));
    UpdateCellControls();
}

void TBavStringGrid::UnHideAllRows() {
    const int count = hiddenRows_->Count();
    if (count == 0) return;
    int source = RowCount() - 1;
    SetRowCount(RowCount() + count);
    int entry = count - 1;
    for (int row = RowCount() - 1; row >= 0; --row) {
        if (entry >= 0 && HiddenRowAt(entry)->Idx() == row)
            PutHiddenRow(HiddenRowAt(entry--), row);
        else
            TakeRow(row, source--);
    }
    hiddenRows_->Clear();
    UpdateCellControls();
}

void TBavStringGrid::UnHideRows(int first, int last) {
    if (!IsHiddenRow(first)) return;
    int before = 0;
    std::vector<int> positions;
    for (int i = 0; i < hiddenRows_->Count(); ++i) {
        const int idx = HiddenRowAt(i)->Idx();
        if (idx < first) ++before;
        if (idx >= first && idx <= last) positions.push_back(i);
    }
    const int display = first - before;
    InsertRows(display, int(positions.size()));
    for (int position : positions) PutHiddenRow(HiddenRowAt(position), display + HiddenRowAt(position)->Idx() - first);
    for (auto it = positions.rbegin(); it != positions.rend(); ++it) hiddenRows_->Delete(*it);
    for (int i = 0; i < cellControls_->Count(); ++i) {
        TControlItem* item = cellControls_->GetItem(i);
        if (item->Col() != 1 || item->Row() != display) continue;
        item->Control()->SetBoundsRect(CellRect(1, display));
        item->Control()->SetVisible(true);
    }
    UpdateCellControls();
}

// ---- Rows by real index and row additions ----------------------------------------------------

void TBavStringGrid::InsertRealRow(int realRow) {
    InsertRows(DisplayRowIndex(realRow), 1);
    ShiftHiddenRows(realRow, 1);
}

// RemoveRows already moves the hidden rows after it up.
void TBavStringGrid::DeleteRealRow(int realRow) { RemoveRows(DisplayRowIndex(realRow), 1); }

void TBavStringGrid::AddRow() { SetRowCount(RowCount() + 1); }

void TBavStringGrid::DoCanAddRow(bool& allow) {
    if (onCanAddRow_) onCanAddRow_(this, allow);
}

void TBavStringGrid::DoCanInsertRow(int row, bool& allow) {
    if (onCanInsertRow_) onCanInsertRow_(this, row, allow);
}
