// The grid as host of the filter row's editor: it allows editing, hands
// over its last press and passes the editor's keys to the filter row.
#include "datagrid/DBGridVyn.h"
#include "platform/win/msgqueue.h"

void TCustomDBGridVyn::WndProc(TMessage& Message) {
    if (Message.Msg == WM_LBUTTONDOWN) {
        lastMouseDown_ = {static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))};
        lastMouseDownTime_ = GetMessageTime();
    }
    TCustomGrid::WndProc(Message);
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

void TCustomDBGridVyn::FilterEditKeyDown(TWinControl*, Word&, TShiftState) {}
