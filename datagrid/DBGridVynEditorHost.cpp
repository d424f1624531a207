// The grid as host of the filter row's editor: it allows editing, hands
// over its last press and passes the editor's keys to the filter row.
#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynFilterEdit.h"
#include "platform/win/msgqueue.h"

void TCustomDBGridVyn::WndProc(TMessage& Message) {
    if ((Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_RBUTTONDOWN) &&
        FilterRowPress(Message.Msg, static_cast<short>(LOWORD(Message.LParam)),
                       static_cast<short>(HIWORD(Message.LParam))))
        return;
    // The wheel goes to the filter editor first while the row is edited.
    if (Message.Msg == CM_MOUSEWHEEL && filterRowEditing_ && FilterEditor()) {
        Message.Result = FilterEditor()->Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam);
        if (Message.Result) return;
    }
    if (Message.Msg == WM_LBUTTONDOWN) {
        lastMouseDown_ = {static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))};
        lastMouseDownTime_ = GetMessageTime();
    }
    const bool pressStartsNoDrag = (Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) &&
                                   DragMode() == dmAutomatic && options_.Contains(dgMultiSelect) &&
                                   !ComponentState().Contains(csDesigning);
    if (pressStartsNoDrag) {
        // In a multi-select grid a press selects first; a drag starts only
        // from a selected cell, on the first move.
        SetDragMode(dmManual);
        dragPendingAllowed_ = true;
        try {
            TCustomGrid::WndProc(Message);
        } catch (...) {
            dragPendingAllowed_ = false;
            SetDragMode(dmAutomatic);
            throw;
        }
        dragPendingAllowed_ = false;
        SetDragMode(dmAutomatic);
    } else {
        TCustomGrid::WndProc(Message);
    }
    if (Message.Msg == CM_CANCELMODE && FilterEditor())
        FilterEditor()->Perform(CM_CANCELMODE, Message.WParam, Message.LParam);
    // The filter row keeps the focus in its editor while it is edited.
    if (Message.Msg == WM_SETFOCUS && filterRowEditing_ && FilterEditor() &&
        !(FilterEditor()->HandleAllocated() && static_cast<HWND>(Message.WParam) == FilterEditor()->Handle()) &&
        FilterEditor()->CanFocus())
        FilterEditor()->SetFocus();
}

bool TCustomDBGridVyn::CanEditorModify(TWinControl*) { return true; }

bool TCustomDBGridVyn::LastMouseDownForEditor(TPoint& pos, int& time) {
    pos = HandleAllocated() ? ClientToScreen(lastMouseDown_) : lastMouseDown_;
    time = lastMouseDownTime_;
    lastMouseDownTime_ = 0;
    return false;
}

void TCustomDBGridVyn::EditorWndProc(TWinControl*, TMessage&) {}

void TCustomDBGridVyn::EditorKeyDown(TWinControl* editor, Word& key, TShiftState shift) {
    FilterEditKeyDown(editor, key, shift);
}

void TCustomDBGridVyn::EditorKeyPress(TWinControl*, char&) {}

void TCustomDBGridVyn::EditorKeyUp(TWinControl*, Word&, TShiftState) {}
