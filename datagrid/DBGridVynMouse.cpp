// Presses in the grid's data rows and its top-left corner, and the wheel:
// the dataset follows the pressed row or the notches, and rows are selected
// by Shift and Ctrl clicks.
#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynDataLink.h"
#include "datagrid/DBGridVynSelection.h"
#include "platform/data/dataset.h"

bool TCustomDBGridVyn::DataAreaPress(TMouseButton button, TShiftState shift, int x, int y) {
    const TGridCoord cell = MouseCoord(x, y);
    if (cell.X < 0 || cell.Y < 0 || !dataLink_->Active() || ComponentState().Contains(csDesigning)) return false;
    const TCellTypeVyn type = GetCellType(cell.X, cell.Y);
    if (type.Vert == 0 && type.Horz == 0) {
        // The corner cell selects everything, or drops what is selected.
        if (button == mbLeft && options_.Contains(dgMultiSelect) && allowedSelections_.Contains(gstAll)) {
            if (selection_->Kind() != gstNon)
                selection_->Reset();
            else
                selection_->MarkAll();
            InvalidateEditor();
        }
        return false;
    }
    if (type.Vert != 2) return false;
    if (button == mbLeft && !shift.Contains(ssDouble) && MTTreeNodeClick(x, y)) return true;
    if (filterRowEditing_) StopFilterEdit();
    if (shift.Contains(ssDouble)) {
        TControl::MouseDown(button, shift, x, y);
        return true;
    }
    if (button == mbLeft && CanFocus() && !Focused()) SetFocus();
    const bool multiSelect = options_.Contains(dgMultiSelect);
    const bool onIndicator = type.Horz == 0;
    const bool shiftSelects =
        shift.Contains(ssShift) && multiSelect && (onIndicator || options_.Contains(dgRowSelect));
    const int difference = cell.Y - Row();
    const bool wasCurrent = cell.X == Col() && difference == 0;
    BeginUpdate();
    try {
        dataLink_->UpdateRecord();
        if (!options_.Contains(dgAlwaysShowEditor)) HideEditor();
        if (difference != 0 && !shiftSelects) dataLink_->DataSet()->MoveBy(difference);
        if (!onIndicator) MoveToColumn(cell.X, 0, false);
        const bool rowsSelected = SelectionKindAllowed(gstRecordBookmarks) &&
                                  (options_.Contains(dgRowSelect) || onIndicator || !SelectionKindAllowed(gstRectangle));
        if (rowsSelected && button == mbLeft) {
            if (shift.Contains(ssShift) && difference != 0) {
                toggleSelection_ = true;
                MoveWithSelection(true, difference, false, true);
            } else if (shift.Contains(ssCtrl) || !optionsVyn_.Contains(dghClearSelection)) {
                bookmarks_->SetCurrentRowMarked(!bookmarks_->CurrentRowMarked());
            } else {
                ClearSelection();
                bookmarks_->SetCurrentRowMarked(true);
            }
            selectingRows_ = true;
            rowAnchor_ = dataLink_->DataSet()->Bookmark();
            rowAnchorWasSelected_ = !bookmarks_->CurrentRowMarked();
            toggleSelection_ = shift.Contains(ssCtrl) || !optionsVyn_.Contains(dghClearSelection);
        } else if (!shift.Contains(ssCtrl) && !shift.Contains(ssShift)) {
            ClearSelection();
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    if (button == mbLeft && EditorAlwaysVisible()) ShowEditorNow();
    if (button == mbLeft && !onIndicator) PressShowsEditor(cell, wasCurrent, x, y);
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
