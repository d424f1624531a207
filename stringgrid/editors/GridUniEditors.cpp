// The Unicode wrappers' key protocol: the keys they take, the wide commit
// with its validation, and Esc giving back the cell's wide text.
#include "stringgrid/editors/GridUniEditors.h"

#include <initializer_list>

#include "platform/rtl/codepage.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/editors/GridEditors.h"

namespace {

// Stores the editor's text in the current cell (unless the wrapper keeps
// it for the read-back) and asks the wide validation; a rejection gives
// the editor the cell's text again with the caret at its end.
template <class Editor>
bool CommitWideText(TBavStringGrid* grid, Editor* editor, bool store) {
    const int col = grid->RealColIndex(grid->Col()), row = grid->Row();
    const WideString text = editor->Text();
    if (store) grid->SetWideCell(col, row, text);
    if (grid->ValidateCellWide(text)) return true;
    editor->SetText(grid->GetWideCell(col, row));
    editor->SetSelStart(int(editor->TCustomEdit::Text().size()));
    editor->Invalidate();
    return false;
}

// The keys a wrapper takes (without Ctrl) from `handled`, committing on
// those of `commits`; false for a key that is not its own.
template <class Editor>
bool UniEditorKey(TBavStringGrid* grid, Editor* editor, Word& key, TShiftState shift, bool store,
                  std::initializer_list<Word> handled, std::initializer_list<Word> commits) {
    auto in = [key](std::initializer_list<Word> keys) {
        for (Word k : keys)
            if (k == key) return true;
        return false;
    };
    if (shift.Contains(ssCtrl) || !in(handled)) return false;
    if (in(commits) && !CommitWideText(grid, editor, store)) {
        key = 0;
        return true;
    }
    if (key == VK_ESCAPE) editor->SetText(grid->GetWideCell(grid->RealColIndex(grid->Col()), grid->Row()));
    LeaveCellFromEditor(grid, key, shift);
    key = 0;
    return true;
}

// Enter's and (with goTabs) Tab's characters never reach the text.
bool SwallowsChar(TMessage& message, bool tab, bool enter) {
    if (message.Msg != WM_CHAR) return false;
    if ((enter && message.WParam == '\r') || (tab && message.WParam == '\t')) {
        message.Result = 0;
        return true;
    }
    return false;
}

bool WantsTabs(TBavStringGrid* grid, TMessage& message) {
    return message.Msg == WM_GETDLGCODE && grid->Options().Contains(goTabs);
}

}  // namespace

// ---- TGridUniEdit ----------------------------------------------------------------------------

TGridUniEdit::TGridUniEdit(TComponent* owner) : TBqgUniEdit(owner), grid_(OwnerGrid(owner)) {}

void TGridUniEdit::KeyDown(Word& key, TShiftState shift) {
    if (!UniEditorKey(grid_, this, key, shift, false, {VK_TAB, VK_RETURN, VK_ESCAPE, VK_UP, VK_DOWN},
                      {VK_TAB, VK_RETURN, VK_UP, VK_DOWN}))
        TBqgUniEdit::KeyDown(key, shift);
}

void TGridUniEdit::KeyPress(char& key) {
    if (key == '\r') key = 0;
    TBqgUniEdit::KeyPress(key);
}

void TGridUniEdit::DoExit() {
    grid_->HideCellEditor();
    TBqgUniEdit::DoExit();
}

void TGridUniEdit::WndProc(TMessage& message) {
    if (SwallowsChar(message, true, true)) return;
    TBqgUniEdit::WndProc(message);
    if (WantsTabs(grid_, message)) message.Result |= DLGC_WANTTAB;
}

// ---- TGridUniMemo ----------------------------------------------------------------------------

TGridUniMemo::TGridUniMemo(TComponent* owner) : TBqgUniMemo(owner), grid_(OwnerGrid(owner)) {}

void TGridUniMemo::KeyDown(Word& key, TShiftState shift) {
    if (!UniEditorKey(grid_, this, key, shift, true, {VK_TAB, VK_ESCAPE}, {VK_TAB}))
        TBqgUniMemo::KeyDown(key, shift);
}

void TGridUniMemo::DoExit() {
    grid_->HideCellEditor();
    TBqgUniMemo::DoExit();
}

void TGridUniMemo::WndProc(TMessage& message) {
    if (SwallowsChar(message, true, false)) return;
    TBqgUniMemo::WndProc(message);
    if (WantsTabs(grid_, message)) message.Result |= DLGC_WANTTAB;
}

// ---- TGridUniEditBtn -------------------------------------------------------------------------

TGridUniEditBtn::TGridUniEditBtn(TComponent* owner) : TBqgUniEditBtn(owner), grid_(OwnerGrid(owner)) {
    SetButtonCaption("...");
    SetOnClickBtn([this](TObject*) {
        SetText(AnsiToWide(grid_->DoEllipsClick(TCustomEdit::Text())));
        SelectAll();
    });
}

void TGridUniEditBtn::KeyDown(Word& key, TShiftState shift) {
    if (!UniEditorKey(grid_, this, key, shift, true, {VK_TAB, VK_RETURN, VK_ESCAPE, VK_UP, VK_DOWN},
                      {VK_TAB, VK_RETURN, VK_UP, VK_DOWN}))
        TBqgUniEditBtn::KeyDown(key, shift);
}

void TGridUniEditBtn::KeyPress(char& key) {
    if (key == '\r') key = 0;
    TBqgUniEditBtn::KeyPress(key);
}

void TGridUniEditBtn::DoExit() {
    grid_->HideCellEditor();
    TBqgUniEditBtn::DoExit();
}

void TGridUniEditBtn::WndProc(TMessage& message) {
    if (SwallowsChar(message, true, true)) return;
    TBqgUniEditBtn::WndProc(message);
    if (WantsTabs(grid_, message)) message.Result |= DLGC_WANTTAB;
}

// ---- TGridUniCombo ---------------------------------------------------------------------------

TGridUniCombo::TGridUniCombo(TComponent* owner) : TBQGUniComboBox(owner), grid_(OwnerGrid(owner)) {
    SetButtonWidth(16);
}

void TGridUniCombo::KeyDown(Word& key, TShiftState shift) {
    const bool listMode = Style() == csDropDownList;
    const bool handled = ComboKeyGoesToGrid(key, listMode);
    if (!handled) return TBQGUniComboBox::KeyDown(key, shift);
    if (key == VK_ESCAPE) {
        const WideString cell = grid_->GetWideCell(grid_->RealColIndex(grid_->Col()), grid_->Row());
        SetText(cell);
        const int index = WideItems()->IndexOf(cell);
        if (index >= 0) SetItemIndex(index);
    }
    LeaveCellFromEditor(grid_, key, shift);
    key = 0;
}

void TGridUniCombo::KeyPress(char& key) {
    if (key == '\t' || key == '\r') key = 0;
    TBQGUniComboBox::KeyPress(key);
}

void TGridUniCombo::DoExit() {
    grid_->HideCellEditor();
    TBQGUniComboBox::DoExit();
}

void TGridUniCombo::WndProc(TMessage& message) {
    if (message.Msg == CM_WANTSPECIALKEY && message.WParam == VK_RETURN) {
        message.Result = 1;
        return;
    }
    TBQGUniComboBox::WndProc(message);
    if (WantsTabs(grid_, message)) message.Result |= DLGC_WANTTAB;
}
