// The focus arriving at the grid: a cell of the always-open editor gets its
// editor back, a rich-text editor left open is closed, and a grid of its
// fixed row or column alone shows no selection. The focus leaving it: a
// pressed HTML form button goes up; while an editor's value is read back,
// the focus moving is the editor's doing and no leaving of the grid.
#include <utility>

#include "stringgrid/BavGrid.h"
#include "stringgrid/BavRichEdit.h"

void TBavStringGrid::WMSetFocus(TMessage& message) {
    // The focus coming back from a link's closed pop-up form is passed over
    // once; later arrivals are handled again.
    if (std::exchange(popupEditClosed_, false)) return;
    TBaseGrid::WndProc(message);
    const int col = RealColIndex(Col()), row = Row();
    if (GetCellType(col, row) == ctCheckBox) return;
    if (editingRichEdit_ && editingRichEdit_->Visible()) HideCellEditor();
    if (navigation_->AlwaysEdit()) {
        bool allowed = true;
        CanEditCellHook(col, row, allowed);
        const bool inView = Col() >= LeftCol() && Col() < LeftCol() + VisibleColCount() && Row() >= TopRow() &&
                            Row() < TopRow() + VisibleRowCount();
        bool show = false;
        if (TInplaceEdit* editor = InplaceEditor()) {
            const bool fromEditor = editor->HandleAllocated() && HWND(message.WParam) == editor->Handle();
            const bool moving = GridState() == gsRowMoving || GridState() == gsColMoving;
            show = allowed && inView && !fromEditor && !moving && currentEditorType_ == edNormal;
        } else {
            show = allowed && inView && !mouseActions_->DirectEdit() && HasComboBox(col, row);
        }
        if (show) {
            ShowCellEditor();
            message.Result = 0;
        }
    }
    // A grid of its fixed row (column) alone has no cell to show selected.
    if ((fixedRowAlways_ && RowCount() == 1) || (fixedColAlways_ && ColCount() == 1)) HideSelection();
}

void TBavStringGrid::WMKillFocus(TMessage& message) {
    if (readingBack_) {
        message.Result = 1;
        return;
    }
    TBaseGrid::WndProc(message);
    ReleaseHTMLButton();
}

void TBavStringGrid::DoExit() {
    if (!readingBack_) TBaseGrid::DoExit();
}
