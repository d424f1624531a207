// The in-place editor's keys and typed text: the keys it keeps from the grid,
// deletion in list columns, completion of typed and pasted text from pick
// lists, key lists and lookup datasets, and whole multi-byte characters.
#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynLib.h"
#include "datagrid/PopupDataGridVyn.h"
#include "datagrid/ToolCtrlsVynListbox.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/valuerestorer.h"
#include "platform/ui/clipbrd.h"
#include "platform/ui/menus.h"
#include "platform/win/commctrl.h"
#include "platform/win/msgqueue.h"
#include "platform/win/userinput.h"
#include "platform/win/winuser.h"

namespace {

// One character below the space other than Backspace.
bool IsControlKeyText(const AnsiString& text) {
    return text.size() == 1 && static_cast<unsigned char>(text[0]) < ' ' && text[0] != '\b';
}


bool IsListKind(TColumnValueKindVyn kind) { return kind == cvkLookup || kind == cvkKeyList; }

}  // namespace

TShiftState TDBGridInplaceEdit::KeyboardShiftState() {
    TShiftState shift;
    if (GetKeyState(VK_SHIFT) < 0) shift.Include(ssShift);
    if (GetKeyState(VK_CONTROL) < 0) shift.Include(ssCtrl);
    if (GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
    return shift;
}

int TDBGridInplaceEdit::LocateInStrings(TStrings* strings, const AnsiString& text, bool partial) {
    for (int i = 0; i < strings->Count(); ++i) {
        const AnsiString& entry = strings->Strings(i);
        if (AnsiCompareText(partial ? entry.substr(0, text.size()) : entry, text) == 0) return i;
    }
    return -1;
}

AnsiString TDBGridInplaceEdit::TextWithoutSelection() const {
    auto* self = const_cast<TDBGridInplaceEdit*>(this);
    const AnsiString text = EditText();
    const auto start = static_cast<std::size_t>(self->SelStart());
    return text.substr(0, start) + text.substr(std::min(text.size(), start + static_cast<std::size_t>(self->SelLength())));
}

void TDBGridInplaceEdit::SetListKey(const Variant& key) {
    if (dataList_) dataList_->SetKeyValue(key);
}

void TDBGridInplaceEdit::SetPickListIndex(int index) {
    if (pickList_) pickList_->SetItemIndex(index);
}

void TDBGridInplaceEdit::SyncLookupKeyFromText() {
    TColumnVyn* column = Column();
    if (!column || !column->CanEditValue(true)) return;
    TCustomDBGridVyn* grid = DBGrid();
    grid->SetEditedText(EditText());
    if (editStyle_ != iesDataList) return;
    TDataSet* list = column->ListDataSet();
    TField* field = column->BoundField();
    const bool found = list && list->Locate(field->LookupResultField(), EditText(), TLocateOptions{loCaseInsensitive});
    grid->SetEditedValue(found ? list->FieldValues(field->LookupKeyFields()) : Null());
}

void TDBGridInplaceEdit::FollowTextInList() {
    TCustomDBGridVyn* grid = DBGrid();
    if (editStyle_ == iesDataList)
        SetListKey(grid->EditedValue());
    else if (pickList_)
        SetPickListIndex(LocateInStrings(pickList_->Items(), grid->EditedText(), false));
}

void TDBGridInplaceEdit::ShowCompletion(const AnsiString& text, std::size_t candidateLength, bool found) {
    SetEditText(text);
    if (found)
        SendMessage(Handle(), EM_SETSEL, text.size(), candidateLength);
    else
        SendMessage(Handle(), EM_SETSEL, text.size(), text.size());
}

// ---- Key-down ----------------------------------------------------------------------------------------

void TDBGridInplaceEdit::PassKeyToGrid(Word& key, TShiftState shift) {
    if (TCustomDBGridVyn* grid = DBGrid()) grid->KeyDown(key, shift);
}

void TDBGridInplaceEdit::KeyDown(Word& key, TShiftState shift) {
    TCustomDBGridVyn* grid = DBGrid();
    TColumnVyn* column = Column();
    if (!grid || !column) return TInplaceEdit::KeyDown(key, shift);
    const TShiftState modifiers = shift * TShiftState{ssShift, ssCtrl, ssAlt};
    const TShortCut pressed = ShortCut(key, modifiers);
    const bool listKind = IsListKind(column->ValueKind());
    MSG pending{};

    if (key == VK_RETURN && modifiers == TShiftState{ssCtrl} && (editStyle_ == iesEllipsis || editStyle_ == iesDropDown)) {
        PeekMessage(&pending, Handle(), WM_CHAR, WM_CHAR, PM_REMOVE);
        grid->EditButtonClick();
        key = 0;
        return;
    }
    if (key == VK_DELETE && modifiers.Empty() && listKind && column->CanEditValue(false)) {
        const bool wholeSelected = SelStart() == 0 && static_cast<std::size_t>(SelLength()) == EditText().size();
        if (wholeSelected) {
            if (!column->CanEditValue(true)) return;
            if (editStyle_ == iesDataList && LookupKeysCanModify()) {
                grid->DataLink()->DataSet()->Edit();
                grid->DataLink()->MarkModified();
                grid->SetEditedValue(Null());
                grid->SetEditedText(AnsiString());
                SetEditText(AnsiString());
                SetListKey(Null());
            } else if (editStyle_ == iesPickList && column->ValueKind() == cvkKeyList) {
                SetEditText(AnsiString());
                grid->SetEditedText(AnsiString());
            }
            return;
        }
        if (!column->OnNotInList()) {
            key = 0;
            return;
        }
        if (column->CanEditValue(true)) {
            const int start = SelStart();
            SetEditText(TextWithoutSelection());
            SetSelStart(start);
            SyncLookupKeyFromText();
            FollowTextInList();
        }
        return;
    }
    if (key == VK_BACK && listKind) {
        if (!column->OnNotInList()) {
            key = VK_LEFT;
        } else {
            AnsiString text = TextWithoutSelection();
            std::size_t start = static_cast<std::size_t>(SelStart());
            if (column->CanEditValue(true) && start > 0) {
                const std::size_t previous = AnsiCharStart(text, start - 1);
                text.erase(previous, start - previous);
                start = previous;
            }
            SetEditText(text);
            SetSelStart(static_cast<int>(start));
            SyncLookupKeyFromText();
            FollowTextInList();
            key = 0;
            return;
        }
    }
    if (wordWrap_ && (key == VK_UP || key == VK_DOWN)) {
        if (!grid->Options().Contains(dgAlwaysShowEditor)) return;
        const auto caretLine = SendMessage(Handle(), EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0);
        const auto lastLine = SendMessage(Handle(), EM_GETLINECOUNT, 0, 0) - 1;
        const bool wholeSelected = SelStart() == 0 && static_cast<std::size_t>(SelLength()) == EditText().size();
        const bool leaves = wholeSelected || (key == VK_UP ? caretLine == 0 : caretLine >= lastLine);
        if (!leaves) return;
    }
    if (key == VK_RETURN && modifiers.Empty() && grid->OptionsVyn().Contains(dghEnterAsTab)) {
        PeekMessage(&pending, Handle(), WM_CHAR, WM_CHAR, PM_REMOVE);
        PassKeyToGrid(key, shift);
        key = 0;
        return;
    }
    const TDBGridVynKeySettings& keys = DBGridVynKeySettings();
    if (pressed != 0 && pressed == keys.CopyFromAboveShortCut) {
        PassKeyToGrid(key, shift);
        key = 0;
        return;
    }
    if (pressed == keys.IncSearchShortCut && grid->OptionsVyn().Contains(dghIncSearch)) {
        if (grid->IncSearchActive() && grid->OptionsVyn().Contains(dghDialogFind) && keys.FindDialogShortCut == pressed) {
            grid->EndIncSearch();
        } else {
            grid->IncSearch(AnsiString(), -1, 0);
            key = 0;
            return;
        }
    }
    if (pressed == keys.FindDialogShortCut && grid->OptionsVyn().Contains(dghDialogFind)) {
        if (const TDBGridVynFindDialogProc& find = DBGridVynFindDialogHook())
            find(grid, SelText(), AnsiString(), grid->FindDialogModal(), TDBGridVynFindColumns{});
        key = 0;
        return;
    }
    TSpecRowVyn* special = column->DropDownSpecRow();
    if (editStyle_ == iesDataList && special->Visible() && pressed == special->ShortCut() && column->CanEditValue(false)) {
        if (column->CanEditValue(true)) {
            SetEditText(special->CellText(0));
            grid->SetEditedText(EditText());
            grid->SetEditedValue(special->Value());
            SetListKey(special->Value());
            SelectAll();
        }
        key = 0;
        return;
    }
    for (int i = 0; i < column->EditButtons()->Count(); ++i) {
        if (column->EditButtons()->Items(i)->ShortCut() != pressed || pressed == 0) continue;
        if (static_cast<std::size_t>(i + 1) >= buttonControls_.size()) break;
        TEditButtonControlVyn* control = buttonControls_[static_cast<std::size_t>(i) + 1].second;
        bool autoRepeat = false, handled = false;
        ButtonPressed(control, false, autoRepeat, handled);
        ButtonClicked(control);
        key = 0;
        return;
    }
    if (key == VK_DELETE && modifiers.Empty() && !grid->CanEditModify()) {
        key = 0;
        return;
    }
    TInplaceEdit::KeyDown(key, shift);
}

void TDBGridInplaceEdit::KeyUp(Word& key, TShiftState shift) {
    TInplaceEdit::KeyUp(key, shift);
    if (key == VK_CONTROL && editStyle_ == iesDataList && listVisible_ && dataList_ && dataList_->HandleAllocated())
        SendMessage(dataList_->Handle(), WM_KEYUP, key, 0);
}

// ---- Typed characters --------------------------------------------------------------------------------

void TDBGridInplaceEdit::KeyPress(char& key) {
    TCustomDBGridVyn* grid = DBGrid();
    CollectDoubleByteKey(key);
    if (key == 0 || !grid) return;
    if (key == '\n' && !wordWrap_ && KeyboardShiftState() == TShiftState{ssCtrl}) {
        key = 0;
        return;
    }
    const unsigned char code = static_cast<unsigned char>(key);
    if ((code == '\b' || code == 0x16 || code == 0x18) && !grid->CanEditModify()) {
        key = 0;
        return;
    }
    // Enter writes the cell's text through the grid before the editor closes.
    if (key == '\r') return grid->KeyPress(key);
    TInplaceEdit::KeyPress(key);
}

void TDBGridInplaceEdit::CollectDoubleByteKey(char& key) {
    if (replayingChars_) return;
    AnsiString text(1, key);
    // The other bytes of a multi-byte character wait as the next WM_CHARs:
    // the character is offered whole and its bytes leave the queue with it.
    MSG next{};
    if (IsDBCSLeadByte(static_cast<unsigned char>(key)) && HandleAllocated()) {
        // Two bytes, or four when the second is a digit.
        const auto wanted = [&] { return text.size() >= 2 && text[1] >= '0' && text[1] <= '9' ? 4u : 2u; };
        while (text.size() < wanted() && PeekMessage(&next, Handle(), WM_CHAR, WM_CHAR, PM_REMOVE))
            text += static_cast<char>(next.wParam);
    }
    AnsiString typed = text;
    ProcessTypedText(typed);
    if (typed.empty() || text.size() == 1) {
        if (typed.empty()) key = 0;
        return;
    }
    lastTypedText_ = text;
    // Not taken: the bytes reach the edit control as typed.
    key = 0;
    const ValueRestorer<bool> replaying(replayingChars_, true);
    for (char byte : text) SendMessage(Handle(), WM_CHAR, static_cast<unsigned char>(byte), 0);
}

void TDBGridInplaceEdit::ProcessTypedText(AnsiString& keyText) {
    if (IsControlKeyText(keyText)) return;
    TCustomDBGridVyn* grid = DBGrid();
    TColumnVyn* column = Column();
    if (!grid || !column) return;
    TField* field = column->BoundField();
    TGridDataLinkVyn* link = grid->DataLink();
    const bool backspace = keyText == "\b";
    const AnsiString candidate = EditText().substr(0, static_cast<std::size_t>(SelStart())) + keyText;
    if (editStyle_ == iesDataList && grid->StartCellEdit() && grid->EditAllowed() && column->ListDataSet()) {
        TDataSet* list = column->ListDataSet();
        if (!backspace) {
            if (list->Locate(field->LookupResultField(), candidate, TLocateOptions{loCaseInsensitive, loPartialKey})) {
                const AnsiString display = list->FieldByName(field->LookupResultField())->Text();
                const Variant key = list->FieldValues(field->LookupKeyFields());
                if (link->Edit()) {
                    link->MarkModified();
                    ShowCompletion(display, candidate.size(), true);
                    grid->SetEditedValue(key);
                    grid->SetEditedText(EditText());
                    SetListKey(key);
                }
            } else if (column->OnNotInList() && link->Edit()) {
                link->MarkModified();
                ShowCompletion(candidate, candidate.size(), false);
                grid->SetEditedValue(Null());
                grid->SetEditedText(EditText());
                SetListKey(Null());
            }
        }
        keyText.clear();
        return;
    }
    const bool keyList = column->ValueKind() == cvkKeyList;
    if (!(keyList || editStyle_ == iesPickList) || !grid->StartCellEdit()) return;
    if (backspace) {
        if (keyList) keyText.clear();
        return;
    }
    const int index = LocateInStrings(column->PickList(), candidate, true);
    if (index >= 0) {
        keyText.clear();
        if (link->Edit()) link->MarkModified();
        ShowCompletion(column->PickList()->Strings(index), candidate.size(), true);
        grid->SetEditedText(EditText());
        SetPickListIndex(index);
    } else if (column->OnNotInList() && keyList && link->Edit()) {
        link->MarkModified();
        ShowCompletion(candidate, candidate.size(), false);
        grid->SetEditedText(EditText());
        SetPickListIndex(-1);
    }
    if (keyList) keyText.clear();
}

// ---- Paste ---------------------------------------------------------------------------------------------

void TDBGridInplaceEdit::WMPaste(TMessage& Message) {
    TCustomDBGridVyn* grid = DBGrid();
    TColumnVyn* column = Column();
    if (!grid || !column || !grid->EditAllowed() || !column->CanEditValue(false)) return;
    const bool keyList = column->ValueKind() == cvkKeyList;
    if (editStyle_ != iesDataList && !keyList) return Inherited::Dispatch(Message);
    if (!Clipboard()->HasFormat(CF_TEXT)) return;
    const AnsiString text = EditText();
    const auto start = static_cast<std::size_t>(SelStart());
    const AnsiString candidate = text.substr(0, start) + Clipboard()->AsText() +
                                 text.substr(std::min(text.size(), start + static_cast<std::size_t>(SelLength())));
    TGridDataLinkVyn* link = grid->DataLink();
    AnsiString shown = candidate;
    bool found = false;
    if (editStyle_ == iesDataList) {
        TDataSet* list = column->ListDataSet();
        TField* field = column->BoundField();
        if (!list) return;
        Variant key = Null();
        found = list->Locate(field->LookupResultField(), candidate, TLocateOptions{loCaseInsensitive, loPartialKey});
        if (found) {
            shown = list->FieldByName(field->LookupResultField())->Text();
            key = list->FieldValues(field->LookupKeyFields());
        } else if (!column->OnNotInList()) {
            return;
        }
        if (!link->Edit()) return;
        link->MarkModified();
        ShowCompletion(shown, candidate.size(), found);
        grid->SetEditedValue(key);
        grid->SetEditedText(EditText());
        SetListKey(key);
        return;
    }
    const int index = LocateInStrings(column->PickList(), candidate, true);
    found = index >= 0 && grid->StartCellEdit();
    if (found)
        shown = column->PickList()->Strings(index);
    else if (!column->OnNotInList())
        return;
    if (link->Edit()) link->MarkModified();
    ShowCompletion(shown, candidate.size(), found);
    grid->SetEditedText(EditText());
    SetPickListIndex(found ? index : -1);
}
