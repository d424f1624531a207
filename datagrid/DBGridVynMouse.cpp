// Presses in the grid's data rows and the wheel: the dataset follows the
// pressed row or the notches, rows are selected by Shift and Ctrl clicks,
// and a press starts the tracking that drag selection follows.
#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynDataLink.h"
#include "datagrid/DBGridVynSelection.h"
#include "platform/data/dataset.h"

bool TCustomDBGridVyn::DataAreaPress(TMouseButton button, TShiftState shift, int x, int y) {
    const TGridCoord cell = MouseCoord(x, y);
    if (cell.X < 0 || cell.Y < 0 || !dataLink_->Active() || ComponentState().Contains(csDesigning)) return false;
    const TCellTypeVyn type = GetCellType(cell.X, cell.Y);
    if (type.Vert != 2) return false;
    if (button == mbLeft && !shift.Contains(ssDouble) && MTTreeNodeClick(x, y)) return true;
    if (filterRowEditing_) StopFilterEdit();
    TDataSet* dataSet = dataLink_->DataSet();
    const bool multiSelect = options_.Contains(dgMultiSelect);
    const bool onIndicator = type.Horz == 0;
    const bool shiftSelects =
        shift.Contains(ssShift) && multiSelect && (onIndicator || options_.Contains(dgRowSelect));
    const int difference = cell.Y - Row();
    const bool wasCurrent = cell.X == Col() && difference == 0;
    const int columnBefore = SelectedIndex();
    const TBookmarkStr bookmarkBefore = dataSet->Bookmark();
    BeginUpdate();
    try {
        dataLink_->UpdateRecord();
        if (!options_.Contains(dgAlwaysShowEditor)) HideEditor();
        if (difference != 0 && !shiftSelects) dataSet->MoveBy(difference);
        if (!onIndicator) MoveToColumn(cell.X, 0, false);
    } catch (...) {
        EndUpdate();
        throw;
    }
    // A message box raised by the moves took the mouse: the press ends here.
    if (!MouseCapture()) {
        EndUpdate();
        return true;
    }
    const bool inSelection = CellInSelection(cell.X, cell.Y, dataSet->Bookmark(), RawToDataColumn(cell.X));
    if (dragPendingAllowed_ && button == mbLeft && !shift.Contains(ssShift) && !onIndicator && inSelection) {
        EndUpdate();
        dragPending_ = true;
        return true;
    }
    try {
        if (!multiSelect || !options_.Contains(dgRowSelect)) {
            mouseTracking_ = selectingCells_ = true;
            if (!shift.Contains(ssCtrl) && !shift.Contains(ssShift) && optionsVyn_.Contains(dghClearSelection) &&
                !(button == mbRight && inSelection))
                ClearSelection();
            if (!onIndicator && SelectionKindAllowed(gstRectangle) && button == mbLeft && !dataSet->IsEmpty()) {
                TDBGridVynSelectionRect* rect = selection_->Rect();
                if (shift.Contains(ssShift) && selection_->Kind() != gstRectangle)
                    rect->ExtendTo(columnBefore, bookmarkBefore, false);
                rect->ExtendTo(SelectedIndex(), dataSet->Bookmark(), shift.Contains(ssShift));
                mouseGesture_ = 3;
            }
        }
        const bool rowsOnly = options_.Contains(dgRowSelect) || onIndicator || !SelectionKindAllowed(gstRectangle);
        if (SelectionKindAllowed(gstRecordBookmarks) && rowsOnly) {
            if (shift.Contains(ssShift) && difference != 0) {
                toggleSelection_ = true;
                MoveWithSelection(true, difference, false, true);
            } else if (button == mbLeft && (shift.Contains(ssCtrl) || !optionsVyn_.Contains(dghClearSelection))) {
                bookmarks_->SetCurrentRowMarked(!bookmarks_->CurrentRowMarked());
            } else if (button == mbLeft) {
                ClearSelection();
                bookmarks_->SetCurrentRowMarked(true);
            }
            mouseSelectingRows_ = mouseTracking_ = selectingRows_ = true;
            rowAnchor_ = dataSet->Bookmark();
            rowAnchorWasSelected_ = !bookmarks_->CurrentRowMarked();
            toggleSelection_ = shift.Contains(ssCtrl) || !optionsVyn_.Contains(dghClearSelection);
            mouseGesture_ = 1;
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    if (button == mbLeft && EditorAlwaysVisible() && (wasCurrent || options_.Contains(dgAlwaysShowEditor)))
        ShowEditorNow();
    if (button == mbLeft && !onIndicator) {
        PressShowsEditor(cell, wasCurrent, x, y);
        const int index = RawToDataColumn(cell.X);
        if (index >= 0 && index < columns_->Count() &&
            (columns_->Items(index)->ValueKind() == cvkCheckbox || columns_->Items(index)->ValueKind() == cvkImageList))
            pressedCheckCell_ = cell;
    } else {
        InvalidateEditor();
    }
    TControl::MouseDown(button, shift, x, y);
    return true;
}

// A wheel notch moves the dataset one record.
bool TCustomDBGridVyn::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    if (MemTableMode()) return MemTableMouseWheel(true, shift, mousePos);
    if (dataLink_->Active()) dataLink_->DataSet()->MoveBy(1);
    return true;
}

bool TCustomDBGridVyn::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    if (MemTableMode()) return MemTableMouseWheel(false, shift, mousePos);
    if (dataLink_->Active()) dataLink_->DataSet()->MoveBy(-1);
    return true;
}

bool TCustomDBGridVyn::OnSizingLine(int x, int y) {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    TGridState sizing = gsNormal;
    int index = 0, sizingPos = 0, sizingOfs = 0;
    CalcSizingState(x, y, sizing, index, sizingPos, sizingOfs, info);
    return sizing != gsNormal;
}

// Rows are sized only from the indicator column.
void TCustomDBGridVyn::CalcSizingState(int x, int y, TGridState& state, int& index, int& sizingPos, int& sizingOfs,
                                       const TGridDrawInfo& info) {
    TCustomGrid::CalcSizingState(x, y, state, index, sizingPos, sizingOfs, info);
    if (state != gsRowSizing) return;
    const int indicatorWidth =
        indicatorOffset_ > 0 ? ColWidths(0) + (options_.Contains(dgColLines) ? GridLineWidth() : 0) : 0;
    if (x >= indicatorWidth) state = gsNormal;
}
