// Sorting by clicking a header: the release that sorts (not after a move,
// a sizing or an auto-size double click, not on a header edge), the sort
// column and direction a click chooses, the sort index list a Shift-click
// builds, UndoSort's third click; and auto-sizing by a double click on a
// header edge. The listed columns merge their equal cells again afterwards.
// A release on a check box or radio group is told before the sort.
#include "stringgrid/BavGrid.h"

namespace {

constexpr int kEdge = 4;

}  // namespace

std::unique_ptr<TIntList> TBavStringGrid::MakeMergedColumnList() {
    auto list = std::make_unique<TIntList>(0, 0);
    list->SetOnChange([this](TObject*, int, int) { MergeColumnsChanged(); });
    return list;
}

void TBavStringGrid::SplitAllColumnCells() {
    for (int col = 0; col < ColCount(); ++col) SplitColumnCells(col);
}

void TBavStringGrid::MergeListedColumns() {
    for (int i = 0; i < mergedColumns_->Count(); ++i) MergeColumnCells(mergedColumns_->GetItem(i), i == 0);
}

void TBavStringGrid::MergeColumnsChanged() {
    SplitAllColumnCells();
    MergeListedColumns();
}

bool TBavStringGrid::HeaderEdgeDoubleClick(int x, int y) {
    const TGridCoord cell = MouseCoord(x, y);
    if (cell.X < 0 || cell.Y < 0 || cell.Y >= TBaseGrid::FixedRows() || !Options().Contains(goColSizing) ||
        !mouseActions_->AutoSizeColOnDblClick())
        return false;
    const TRect rect = CellRect(cell.X, cell.Y);
    int col = -1;
    if (x - rect.left < kEdge && cell.X - 1 >= TBaseGrid::FixedCols())
        col = cell.X - 1;
    else if (rect.right - x < kEdge && cell.X >= TBaseGrid::FixedCols())
        col = cell.X;
    if (col < 0) return false;
    autoSizedByDoubleClick_ = true;
    bool allow = true;
    if (onColumnSize_) onColumnSize_(this, col, allow);
    if (!allow) return true;
    AutoSizeCol(col);
    if (onEndColumnSize_) onEndColumnSize_(this, col);
    return true;
}

void TBavStringGrid::HeaderReleaseSort(int x, int y, TShiftState shift, bool movedOrSized) {
    const TGridCoord cell = MouseCoord(x, y);
    const TGridCoord pressed = MouseCoord(mouseDownPoint_.x, mouseDownPoint_.y);
    const bool autoSized = std::exchange(autoSizedByDoubleClick_, false);
    if (movedOrSized || cell.X < 0 || cell.Y < 0) return;
    if (cell.X < TBaseGrid::FixedCols() && !sortSettings_->FixedCols()) return;
    const int col = RealColIndex(cell.X);
    bool checked = false;
    int radioIndex = 0;
    if (onCheckBoxMouseUp_ && IsCheckBoxCell(col, cell.Y) && GetCheckBoxState(col, cell.Y, checked))
        onCheckBoxMouseUp_(this, col, cell.Y, checked);
    if (onRadioMouseUp_ && IsRadioCell(col, cell.Y, radioIndex)) onRadioMouseUp_(this, col, cell.Y, radioIndex);
    if (autoSized) return;
    const TRect rect = CellRect(cell.X, cell.Y);
    if (cell.Y == 0 && Options().Contains(goColSizing) && (x - rect.left < kEdge || rect.right - x < kEdge)) return;
    if (rect.right - x < 16 && HasFilterButton(col)) return;
    if (cell.Y != sortSettings_->Row() || pressed.Y != sortSettings_->Row() || TBaseGrid::FixedRows() == 0 ||
        !sortSettings_->Show() || RowCount() <= 2)
        return;
    bool doSort = true;
    if (onCanSort_) onCanSort_(this, col, doSort);
    if (!doSort) {
        RepaintCell(cell.X, cell.Y);
        return;
    }
    SortByHeader(col, shift.Contains(ssShift));
}

void TBavStringGrid::SortByHeader(int col, bool extend) {
    HideCellEditor();
    if (rowOrder_->Count() != RowCount()) ResetRowOrder();
    const bool autoMerge = sortSettings_->AutoColumnMerge();
    if (autoMerge) SplitAllColumnCells();
    const bool keepScroll = Options().Contains(goRowSelect) && navigation_->KeepHorizScroll();
    const int leftCol = LeftCol();
    if (keepScroll) BeginUpdate();
    const TSortDirection initial = sortSettings_->InitSortDirection();
    if (sortSettings_->IndexShow()) {
        const bool onlyThis = sortIndexes_->Count() == 1 && sortIndexes_->FindIndex(col) == 0;
        if (extend ? sortIndexes_->FindIndex(col) >= 0 : onlyThis) {
            sortIndexes_->ToggleIndex(col);
        } else {
            if (!extend) sortIndexes_->Clear();
            sortIndexes_->AddIndex(col, initial == sdAscending);
        }
        if (HasNodes())
            SortNodesIndexed();
        else
            QSortIndexed();
        sortSettings_->SetColumn(
            sortIndexes_->Count() ? int(unsigned(sortIndexes_->GetItem(0)) & ~TSortIndexList::kDescending) : -1);
    } else {
        bool undo = false;
        if (col == sortSettings_->Column()) {
            const TSortDirection before = sortSettings_->Direction();
            sortSettings_->SetDirection(before == sdAscending ? sdDescending : sdAscending);
            undo = before != initial && sortSettings_->UndoSort();
        } else {
            sortSettings_->SetDirection(initial);
            sortSettings_->SetColumn(col);
        }
        if (undo) {
            UnSort();
            sortSettings_->SetColumn(-1);
        } else if (HasNodes()) {
            SortNodes();
        } else {
            QSort();
        }
    }
    if (keepScroll) {
        SetLeftCol(leftCol);
        EndUpdate();
    }
    if (autoMerge) MergeListedColumns();
    if (onClickSort_) onClickSort_(this, sortSettings_->Column());
}
