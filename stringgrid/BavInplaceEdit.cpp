// The string grid's in-place editor: type filters, clipboard events,
// validation on the keys that leave the cell, the cursor walk, lookup
// completion, row growth while typing and the focus steps.
#include "stringgrid/BavInplaceEdit.h"

#include <algorithm>

#include "platform/rtl/formatsettings.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/clipbrd.h"
#include "platform/win/userinput.h"
#include "platform/win/winuser.h"
#include "stringgrid/BavCharFilter.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavUtil.h"

namespace {

bool KeyHeld(int vk) { return GetKeyState(vk) < 0; }

}  // namespace

TBavInplaceEdit::TBavInplaceEdit(TComponent* owner) : TInplaceEdit(owner) {}

TBavStringGrid* TBavInplaceEdit::BavGrid() const { return static_cast<TBavStringGrid*>(Grid()); }

void TBavInplaceEdit::SetVAlign(bool v) {
    if (v == vAlign_) return;
    vAlign_ = v;
    if (HandleAllocated()) RecreateWnd();
}

void TBavInplaceEdit::SetWordWrap(bool v) {
    if (v == wordWrap_) return;
    wordWrap_ = v;
    if (HandleAllocated()) RecreateWnd();
}

void TBavInplaceEdit::CreateParams(TCreateParams& params) {
    TInplaceEdit::CreateParams(params);
    if (auto* grid = dynamic_cast<TBavStringGrid*>(Owner())) wordWrap_ = grid->WordWrap();
    if (vAlign_) params.Style |= ES_RIGHT;
    if (wordWrap_) params.Style &= ~DWORD(ES_AUTOHSCROLL);
    params.Style |= ES_WANTRETURN;
    autoCompleteAllowed_ = true;
}

void TBavInplaceEdit::CreateWnd() {
    TInplaceEdit::CreateWnd();
    if (auto* grid = dynamic_cast<TBavStringGrid*>(Owner())) lengthLimit_ = grid->MaxEditLength();
}

void TBavInplaceEdit::UpdateContents() {
    TBavStringGrid* grid = BavGrid();
    if (!grid) return;
    SetPasswordChar(grid->CurrentEditorType() == edPassword ? '*' : 0);
    TInplaceEdit::UpdateContents();
    auto brush = std::make_unique<TBrush>();
    auto font = std::make_unique<TFont>();
    font->Assign(grid->Font());
    brush->SetColor(grid->Color());
    TColor colorTo = clNone;
    TCellGradientDirection direction{};
    grid->GetCellColor(grid->Col(), grid->Row(), TGridDrawState(), brush.get(), font.get(), colorTo, direction,
                       false, false, true);
    SetColor(brush->Color());
    Font()->Assign(font.get());
}

// The editor covers the whole merged area of the cell.
void TBavInplaceEdit::BoundsChanged() {
    TBavStringGrid* grid = BavGrid();
    if (grid && Visible()) {
        TRect r = grid->MergedCellRect(grid->Col(), grid->Row());
        if (grid->UseRightToLeftAlignment()) ++r.left;
        SetBounds(r.left, r.top, r.right - r.left - 1, r.bottom - r.top - 1);
    }
    TInplaceEdit::BoundsChanged();
}

void TBavInplaceEdit::Change() {
    TInplaceEdit::Change();
    TBavStringGrid* grid = BavGrid();
    if (grid && !grid->editChangeMuted_ && grid->onEditChange_)
        grid->onEditChange_(grid, grid->Col(), grid->Row(), EditText());
}

void TBavInplaceEdit::WndProc(TMessage& message) {
    TBavStringGrid* grid = BavGrid();
    if (!grid) {
        TInplaceEdit::WndProc(message);
        return;
    }
    switch (message.Msg) {
    // Keys are offered as CN_ messages before KeyDown and KeyPress see them.
    case CN_CHAR: {
        char ch = char(message.WParam);
        // Tab and Esc act on their key-down and never enter the text.
        if (ch == '\t' || ch == 27) {
            message.Result = 1;
            return;
        }
        if (!FilterChar(ch, message.LParam)) {
            message.Result = 1;
            return;
        }
        message.WParam = WPARAM(static_cast<unsigned char>(ch));
        break;
    }
    case CN_KEYDOWN:
        verticalLeaveAccepted_ = false;
        if (!KeyDownMessage(Word(message.WParam))) {
            message.Result = 1;
            return;
        }
        TInplaceEdit::WndProc(message);
        if (verticalLeaveAccepted_ && grid->mouseActions_->DisjunctRowSelect()) {
            grid->ClearRowSelect();
            grid->SetRowSelect(grid->Row(), true);
        }
        return;
    case WM_KEYUP:
        TInplaceEdit::WndProc(message);
        if (HandleAllocated() && SelStart() > 0) {
            const LRESULT pos = SendMessage(Handle(), EM_POSFROMCHAR, WPARAM(SelStart() - 1), 0);
            grid->EditorKeyUpHook(EditText(), TPoint(short(LOWORD(pos)), short(HIWORD(pos))), SelStart());
        }
        grid->EditorFormulaHook(!EditText().empty() && EditText()[0] == '=');
        return;
    case WM_COPY:
    case WM_CUT: {
        bool allow = true;
        const TClipboardEvent& event = message.Msg == WM_COPY ? grid->onClipboardCopy_ : grid->onClipboardCut_;
        if (event) event(this, allow);
        if (allow) TInplaceEdit::WndProc(message);
        return;
    }
    case WM_PASTE:
        PasteMessage();
        return;
    case WM_KILLFOCUS:
        KillFocusMessage(HWND(message.WParam));
        TInplaceEdit::WndProc(message);
        return;
    case WM_SETFOCUS:
        TInplaceEdit::WndProc(message);
        SetFocusMessage();
        return;
    case WM_LBUTTONDBLCLK:
        TInplaceEdit::WndProc(message);
        if (grid->onDblClickCell_) grid->onDblClickCell_(grid, grid->Row(), grid->Col());
        return;
    default:
        break;
    }
    TInplaceEdit::WndProc(message);
}

bool TBavInplaceEdit::FilterChar(char& ch, LPARAM keyData) {
    TBavStringGrid* grid = BavGrid();
    const TEditorType type = grid->CurrentEditorType();
    if (grid->ExcelStyleDecimalSeparator() && ch == '.' && (keyData & (1 << 22))) ch = DecimalSeparator;
    if (ch == '\n' && KeyHeld(VK_CONTROL) && !grid->Navigation()->AllowCtrlEnter()) return false;
    const AnsiString text = EditText();
    if (lengthLimit_ > 0 && int(text.size()) >= lengthLimit_ && SelLength() == 0 && ch != '\b' && ch != 27 &&
        ch != '\r')
        return false;
    switch (type) {
    case edNumeric:
        return AcceptNumberChar(TNumberChars::Integer, ch, text, SelStart(), SelText(), KeyHeld(VK_CONTROL));
    case edPositiveNumeric:
        return AcceptNumberChar(TNumberChars::PositiveInteger, ch, text, SelStart(), SelText(), KeyHeld(VK_CONTROL));
    case edFloat:
        return AcceptNumberChar(TNumberChars::Float, ch, text, SelStart(), SelText(), KeyHeld(VK_CONTROL));
    case edCapital:
    case edUpperCase:
        ch = AnsiUpperCase(AnsiString(1, ch))[0];
        return true;
    case edLowerCase:
        ch = AnsiLowerCase(AnsiString(1, ch))[0];
        return true;
    default:
        return true;
    }
}

// Mixed case is applied to the whole text once the character is in.
void TBavInplaceEdit::KeyPress(char& key) {
    TBavStringGrid* grid = BavGrid();
    if (grid && key == '\r' && !grid->Navigation()->LineFeedOnEnter()) {
        if (!grid->ValidateCell(EditText())) {
            AnsiString current;
            grid->GetCurrentCellText(current);
            SetEditText(current);
            key = 0;
            return;
        }
        grid->KeyPress(key);
        if (key == 0) return;
    }
    if (grid && key == '\r' && grid->Navigation()->LineFeedOnEnter() && grid->CurrentEditorType() != edNumeric &&
        grid->CurrentEditorType() != edPositiveNumeric && grid->CurrentEditorType() != edFloat &&
        grid->CurrentEditorType() != edPassword)
        return;
    TInplaceEdit::KeyPress(key);
    if (!grid) return;
    if (grid->CurrentEditorType() == edMixedCase && key != 0 && static_cast<unsigned char>(key) >= ' ') {
        const int caret = SelStart();
        SetSelText(AnsiString(1, key));
        key = 0;
        SetEditText(ToMixedCase(EditText()));
        SetSelStart(caret + 1);
    }
    const AnsiString text = EditText();
    if (grid->Navigation()->AdvanceAuto() && IsMasked() && text.find(' ') == AnsiString::npos &&
        SelStart() == int(text.size())) {
        char enter = '\r';
        grid->KeyPress(enter);
    }
}

bool TBavInplaceEdit::KeyDownMessage(Word key) {
    TBavStringGrid* grid = BavGrid();
    TNavigation* navigation = grid->Navigation();
    const bool ctrl = KeyHeld(VK_CONTROL), shift = KeyHeld(VK_SHIFT);
    if (key == VK_ESCAPE) {
        SetEditText(grid->editStartText_);
        grid->HideCellEditor();
    }
    if (key == VK_RETURN && ctrl && !navigation->AllowCtrlEnter()) return false;
    if (key == VK_TAB && grid->Options().Contains(goTabs)) {
        if (!grid->ValidateCell(EditText())) {
            AnsiString current;
            grid->GetCurrentCellText(current);
            SetEditText(current);
            PlaceCaretAfterRestore();
        }
        grid->HideCellEditor();
        grid->TabNavigate(shift);
        return false;
    }
    if ((key == VK_UP && CaretLine(false) == 0) || (key == VK_DOWN && CaretLine(true) == 0)) {
        grid->validating_ = true;
        grid->SetCurrentCellText(EditText());
        grid->validating_ = false;
        const AnsiString kept = grid->editOriginalText_;
        if (!grid->ValidateCell(EditText())) {
            RestoreAfterReject(kept);
            return false;
        }
        SetEditText(grid->validatedText_);
        verticalLeaveAccepted_ = true;
    }
    if (key == VK_RETURN && !navigation->LineFeedOnEnter() && !ctrl) {
        const AnsiString kept = grid->editOriginalText_;
        if (!grid->ValidateCell(EditText())) {
            RestoreAfterReject(kept);
            return false;
        }
        AnsiString current;
        grid->GetCurrentCellText(current);
        SetEditText(current);
    }
    if (key == VK_HOME && !ctrl && !shift) SetSelStart(0);
    if (key == VK_END && !ctrl && !shift) SetSelStart(int(EditText().size()));
    if (key == VK_RETURN && ctrl && navigation->LineFeedOnEnter()) {
        SetSelText("\r\n");
        return false;
    }
    return true;
}

// 0 when the caret is on the first line (`last` false) or the last line.
int TBavInplaceEdit::CaretLine(bool last) {
    if (!HandleAllocated()) return 0;
    const int line = int(SendMessage(Handle(), EM_LINEFROMCHAR, WPARAM(-1), 0));
    if (!last) return line;
    const int lines = int(SendMessage(Handle(), EM_GETLINECOUNT, 0, 0));
    return lines - 1 - line;
}

// The editor shows what the cell holds after the refusal (the old text, or
// the value the validation gave), and the next validation compares with the
// text the cell had before the edit.
void TBavInplaceEdit::RestoreAfterReject(const AnsiString& original) {
    AnsiString current;
    BavGrid()->GetCurrentCellText(current);
    SetEditText(current);
    PlaceCaretAfterRestore();
    Invalidate();
    BavGrid()->editOriginalText_ = original;
}

void TBavInplaceEdit::PlaceCaretAfterRestore() {
    if (BavGrid()->Navigation()->EditSelectAll())
        SelectAll();
    else
        SetSelStart(int(EditText().size()));
}

void TBavInplaceEdit::KeyDown(Word& key, TShiftState shift) {
    TBavStringGrid* grid = BavGrid();
    keyDownSelStart_ = SelStart();
    if (key == VK_BACK || key == VK_DELETE) {
        autoCompleteAllowed_ = false;
    } else if (key == VK_RETURN) {
        if (!grid->Navigation()->AllowCtrlEnter()) grid->editPending_ = false;
        if ((shift.Contains(ssShift) || shift.Contains(ssCtrl)) && grid->SizeWhileTyping()->Height() &&
            grid->Multilinecells()) {
            const int lines = CountTextLines(EditText() + "\r\n ", true);
            if (lines < grid->RowLineCount(grid->Row()))
                grid->AutoSizeRow(grid->Row(), false);
            else
                grid->SetRowHeights(grid->Row(), lines * grid->Canvas()->TextHeight("gh") + 2 * 2);
            if (grid->onEndRowSize_) grid->onEndRowSize_(grid, grid->Row());
        }
    } else if ((key == VK_UP && CaretLine(false) != 0) || (key == VK_DOWN && CaretLine(true) != 0)) {
        return;
    } else if ((key == VK_LEFT || key == VK_RIGHT) && grid->Navigation()->CursorWalkEditor() &&
               !shift.Contains(ssShift) && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt)) {
        // The walk to the neighbouring cell happens at the key's release,
        // after validation; the caret moves inside the text meanwhile.
        autoCompleteAllowed_ = true;
        return;
    } else {
        autoCompleteAllowed_ = true;
    }
    TInplaceEdit::KeyDown(key, shift);
}

void TBavInplaceEdit::KeyUp(Word& key, TShiftState shift) {
    if (CursorWalk(key, shift)) return;
    if (key == VK_LEFT || key == VK_RIGHT) {
        TInplaceEdit::KeyUp(key, shift);
        return;
    }
    TInplaceEdit::KeyUp(key, shift);
    TBavStringGrid* grid = BavGrid();
    AutoComplete();
    if (grid->SizeWhileTyping()->Width()) grid->AutoSizeColumnEx(grid->Col(), false);
    if (grid->SizeWhileTyping()->Height() && grid->WordWrap()) {
        grid->AutoSizeRow(grid->Row(), false);
        if (grid->onEndRowSize_) grid->onEndRowSize_(grid, grid->Row());
    }
}

bool TBavInplaceEdit::CursorWalk(Word& key, TShiftState shift) {
    TBavStringGrid* grid = BavGrid();
    const bool plain = !shift.Contains(ssShift) && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt);
    if (!grid->Navigation()->CursorWalkEditor() || !plain || SelLength() != 0) return false;
    const int col = grid->Col(), row = grid->Row();
    TNavigation* navigation = grid->Navigation();
    const TAdvanceDirection direction = navigation->AdvanceDirection();
    if (key == VK_LEFT && keyDownSelStart_ == 0 && SelStart() == 0) {
        key = 0;
        if (col > grid->FixedCols() && grid->HasCellControl(col - 1, row)) {
            if (grid->ValidateCell(EditText())) {
                grid->HideCellEditor();
                grid->SetCol(col - 1);
            }
            return true;
        }
        if (grid->ValidateCell(EditText())) grid->HideCellEditor();
        navigation->SetAdvanceDirection(adLeftRight);
        grid->AdvanceEdit(col, row, false, false, false, true, true);
        navigation->SetAdvanceDirection(direction);
        key = VK_RETURN;
        return true;
    }
    if (key == VK_RIGHT && SelStart() == int(EditText().size())) {
        key = 0;
        const int step = 1 + std::max(0, grid->GetCellSpan(col, row).X);
        if (col < grid->ColCount() - grid->FixedRightCols() - 1 && col + step < grid->ColCount() &&
            grid->HasCellControl(col + step, row)) {
            if (grid->ValidateCell(EditText())) {
                grid->HideCellEditor();
                grid->SetCol(col + step);
            }
            return true;
        }
        navigation->SetAdvanceDirection(adLeftRight);
        grid->AdvanceEdit(col, row, true, false, true, true, true);
        navigation->SetAdvanceDirection(direction);
        key = VK_RETURN;
        return true;
    }
    return false;
}

void TBavInplaceEdit::AutoComplete() {
    TBavStringGrid* grid = BavGrid();
    TStrings* items = grid->LookupItems();
    if (!autoCompleteAllowed_ || SelLength() != 0 || !grid->Lookup() || items->Count() == 0) return;
    const AnsiString text = EditText();
    const int caret = SelStart();
    AnsiString typed = text.substr(0, std::size_t(caret));
    if (typed.empty()) return;
    const bool caseSensitive = grid->LookupCaseSensitive();
    if (!caseSensitive) typed = AnsiUpperCase(typed);
    for (int i = 0; i < items->Count(); ++i) {
        const AnsiString item = items->Strings(i);
        const AnsiString compared = caseSensitive ? item : AnsiUpperCase(item);
        if (compared.compare(0, typed.size(), typed) != 0) continue;
        const AnsiString completed = (text.substr(0, typed.size()) + item.substr(typed.size())).substr(0, 255);
        SetEditText(completed);
        SetSelStart(int(typed.size()));
        SetSelLength(int(completed.size() - typed.size()));
        return;
    }
}

void TBavInplaceEdit::PasteMessage() {
    TBavStringGrid* grid = BavGrid();
    if (!Clipboard()->HasFormat(CF_TEXT)) return;
    AnsiString value = Clipboard()->AsText();
    bool allow = true;
    if (grid->onClipboardPaste_) grid->onClipboardPaste_(this, allow);
    if (allow && grid->onClipboardBeforePasteCell_)
        grid->onClipboardBeforePasteCell_(this, grid->Col(), grid->Row(), value, allow);
    if (!allow || (lengthLimit_ >= 1 && int(value.size()) > lengthLimit_)) return;
    const AnsiString text = EditText();
    const int start = SelStart(), length = SelLength();
    AnsiString result = text.substr(0, std::size_t(start)) + value + text.substr(std::size_t(start + length));
    if (lengthLimit_ >= 1 && int(result.size()) > lengthLimit_) return;
    switch (grid->CurrentEditorType()) {
    case edNumeric:
    case edPositiveNumeric:
        if (ClassifyNumericText(result) != 0) return;
        break;
    case edFloat:
        if (ClassifyNumericText(result) > 1) return;
        break;
    case edMixedCase: result = ToMixedCase(result); break;
    case edLowerCase: result = AnsiLowerCase(result); break;
    case edUpperCase: result = AnsiUpperCase(result); break;
    default: break;
    }
    SetEditText(result);
    grid->SetCurrentEditText(result);
    if (length > 0) {
        SetSelStart(start);
        SetSelLength(int(value.size()));
    } else {
        SetSelStart(start + int(value.size()));
    }
}

void TBavInplaceEdit::KillFocusMessage(HWND receiving) {
    TBavStringGrid* grid = BavGrid();
    if (grid->ComponentState().Contains(csDestroying) || ComponentState().Contains(csDestroying)) return;
    grid->typedChar_ = 0;
    TStrings* items = grid->LookupItems();
    if (grid->LookupHistory() && items->IndexOf(EditText()) < 0) items->Add(EditText());
    grid->EditorFormulaHook(false);
    TCustomForm* form = ::GetParentForm(grid);
    const bool formActive = form && form->HandleAllocated() && GetActiveWindow() == form->Handle();
    AnsiString text;
    if (formActive) {
        if (receiving != grid->Handle()) {
            if (grid->ValidateCell(EditText())) {
                grid->GetCurrentCellText(text);
                SetEditText(text);
            }
            grid->HideCellEditor();
            grid->editPending_ = false;
            grid->editorActive_ = false;
            grid->SelectCell(grid->Col(), grid->Row());
        }
        grid->editChangeMuted_ = true;
        grid->GetCurrentCellText(text);
        grid->editChangeMuted_ = false;
        grid->EditorKeyUpHook(text, TPoint(-1, -1), -1);
    } else {
        grid->HideCellEditor();
        grid->EditorKeyUpHook(EditText(), TPoint(-1, -1), -1);
    }
    grid->DoEditingDone();
}

void TBavInplaceEdit::SetFocusMessage() {
    TBavStringGrid* grid = BavGrid();
    grid->editChangeMuted_ = false;
    if (IsMasked() && grid->Navigation()->ImproveMaskSel()) {
        SetSelStart(0);
        SetSelLength(1);
        return;
    }
    if (!grid->Navigation()->EditSelectAll()) SetSelStart(int(EditText().size()));
}
