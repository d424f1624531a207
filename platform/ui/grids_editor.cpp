// The grid's in-place editing: when the editor shows, what it reads and
// commits, and TInplaceEdit itself (an "Edit" window of the platform owned by
// the grid).
#include "platform/rtl/valuerestorer.h"
#include "platform/win/commctrl.h"
#include "platform/ui/grids.h"
#include "platform/win/msgqueue.h"
#include "platform/win/userinput.h"
#include "platform/win/winuser.h"

// ---- the grid's side -----------------------------------------------------------

TInplaceEdit* TCustomGrid::CreateEditor() {
    return new TInplaceEdit(this);
}

bool TCustomGrid::CanEditAcceptKey(char) {
    return true;
}

bool TCustomGrid::CanEditModify() {
    return true;
}

bool TCustomGrid::CanEditShow() {
    return options_.Contains(goEditing) && !options_.Contains(goRowSelect) && HandleAllocated() &&
           (editorMode_ || options_.Contains(goAlwaysShowEditor));
}

int TCustomGrid::GetEditLimit() {
    return 0;
}

AnsiString TCustomGrid::GetEditMask(int, int) {
    return {};
}

void TCustomGrid::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation == opRemove && component == inplaceEditor_) {
        inplaceEditor_ = nullptr;
        editorMode_ = false;
    }
}

void TCustomGrid::SetEditorMode(bool value) {
    if (value)
        ShowEditor();
    else
        HideEditor();
}

void TCustomGrid::ShowEditor() {
    editorMode_ = true;
    UpdateEdit();
}

// The character is typed into the emptied editor, so the edit control
// itself joins a lead byte with the trail byte that follows in the queue.
void TCustomGrid::ShowEditorChar(char ch) {
    ShowEditor();
    // A grid that refused to show its editor keeps the character from it.
    if (inplaceEditor_ && inplaceEditor_->HandleAllocated() && inplaceEditor_->Visible()) {
        inplaceEditor_->SetEditText({});
        SendMessage(inplaceEditor_->Handle(), WM_CHAR, static_cast<unsigned char>(ch), 0);
    }
}

void TCustomGrid::HideEditor() {
    CloseEditor(true);
}

void TCustomGrid::CloseEditor(bool commit) {
    const bool wasShowing = inplaceEditor_ && inplaceEditor_->Visible();
    editorMode_ = false;
    if (!wasShowing)
        return;
    // The text belongs to the cell the editor was showing, which a move with
    // the editor kept shown has already left.
    if (commit)
        SetEditText(inplaceEditor_->cellShown_.X, inplaceEditor_->cellShown_.Y, inplaceEditor_->EditText());
    const bool hadFocus = inplaceEditor_->Focused();
    inplaceEditor_->Hide();
    if (hadFocus && CanFocus())
        SetFocus();
    InvalidateCell(current_.X, current_.Y);
}

// The cell has followed every change typed (Change), so it gets its text
// back as well as the editor.
void TCustomGrid::RevertEditor() {
    const AnsiString original = inplaceEditor_->loadedText_;
    inplaceEditor_->ShowText(original);
    SetEditText(current_.X, current_.Y, original);
    if (!options_.Contains(goAlwaysShowEditor))
        CloseEditor(false);
}

void TCustomGrid::InvalidateEditor() {
    if (inplaceEditor_ && inplaceEditor_->Visible())
        inplaceEditor_->UpdateContents();
}

void TCustomGrid::UpdateEdit() {
    if (!CanEditShow()) {
        if (inplaceEditor_ && inplaceEditor_->Visible())
            HideEditor();
        return;
    }
    if (!inplaceEditor_) {
        inplaceEditor_ = CreateEditor();
        inplaceEditor_->FreeNotification(this);
        inplaceEditor_->grid_ = this;
        inplaceEditor_->SetParent(this);
    }
    const TGridCoord cell = current_;
    const bool moved = inplaceEditor_->cellShown_ != cell;
    if (moved || !inplaceEditor_->Visible()) {
        inplaceEditor_->cellShown_ = cell;
        inplaceEditor_->UpdateContents();
    }
    inplaceEditor_->Move(CellRect(cell.X, cell.Y));
    if (Focused() || inplaceEditor_->Focused())
        inplaceEditor_->SetFocus();
}

// ---- TInplaceEdit --------------------------------------------------------------

TInplaceEdit::TInplaceEdit(TComponent* owner) : TCustomMaskEdit(owner) {
    SetTabStop(false);
    SetVisible(false);
    SetBorderStyle(bsNone);
}

void TInplaceEdit::CreateParams(TCreateParams& params) {
    TCustomMaskEdit::CreateParams(params);
    params.Style |= ES_LEFT | ES_AUTOHSCROLL | ES_MULTILINE;
}

void TInplaceEdit::Deselect() {
    if (HandleAllocated())
        SendMessage(Handle(), EM_SETSEL, 0x7FFFFFFF, -1);
}

void TInplaceEdit::UpdateContents() {
    if (!grid_)
        return;
    const int col = grid_->Col();
    const int row = grid_->Row();
    // The cell's own text coming in is no edit of it (a new mask formatting
    // the previous cell's text least of all).
    const ValueRestorer updating(updating_, true);
    SetMaxLength(grid_->GetEditLimit());
    SetEditMask(grid_->GetEditMask(col, row));
    loadedText_ = grid_->GetEditText(col, row);
    ShowText(loadedText_);
}

void TInplaceEdit::ShowText(const AnsiString& text) {
    const ValueRestorer updating(updating_, true);
    SetEditText(text);
    SelectAll();
}

void TInplaceEdit::Move(const TRect& rect) {
    SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    BoundsChanged();
    SetVisible(!IsRectEmpty(&rect));
}

void TInplaceEdit::Hide() {
    SetVisible(false);
}

void TInplaceEdit::BoundsChanged() {
    if (!HandleAllocated())
        return;
    RECT r{2, 2, Width() - 2, Height()};
    SendMessage(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
    SendMessage(Handle(), EM_SCROLLCARET, 0, 0);
}

void TInplaceEdit::Change() {
    TCustomMaskEdit::Change();
    if (grid_ && !updating_)
        grid_->SetEditText(grid_->Col(), grid_->Row(), EditText());
}

void TInplaceEdit::KeyDown(Word& key, TShiftState shift) {
    TCustomMaskEdit::KeyDown(key, shift);
    if (!grid_ || key == 0)
        return;
    // Keys that leave the text go to the grid; Home/End and Left/Right only
    // at the ends of the text.
    DWORD selStart = 0, selEnd = 0;
    SendMessage(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
    const auto length = static_cast<DWORD>(GetWindowTextLength(Handle()));
    bool toGrid = false;
    switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_ESCAPE: toGrid = true; break;
    case VK_TAB: toGrid = grid_->Options().Contains(goTabs); break;
    case VK_LEFT: toGrid = selStart == 0 && selEnd == 0; break;
    case VK_RIGHT: toGrid = selStart == length && selEnd == length; break;
    case VK_HOME: toGrid = selStart == 0 && selEnd == 0; break;
    case VK_END: toGrid = selStart == length && selEnd == length; break;
    default: break;
    }
    if (toGrid) {
        grid_->KeyDown(key, shift);
        key = 0;
    }
}

// The grid answers for Return and for keys it does not accept before the
// mask gets the key.
void TInplaceEdit::KeyPress(char& key) {
    if (grid_ && key == '\r') {
        grid_->HideEditor();
        key = 0;
        return;
    }
    if (grid_ && static_cast<unsigned char>(key) >= ' ' && (!grid_->CanEditAcceptKey(key) || !grid_->CanEditModify())) {
        key = 0;
        return;
    }
    TCustomMaskEdit::KeyPress(key);
}

void TInplaceEdit::WMGetDlgCode(TMessage& Message) {
    TCustomMaskEdit::Dispatch(Message);
    Message.Result |= DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (grid_ && grid_->Options().Contains(goTabs))
        Message.Result |= DLGC_WANTTAB;
}
