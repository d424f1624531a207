// The in-place editor's drop-downs: the pick list, the month calendar and the
// calculator filled, sized, placed and opened under (or over) the cell, the
// keys that reach an open list, and the choice written back on closing.
#include <algorithm>

#include "datagrid/CalculatorVyn.h"
#include "datagrid/DBCtrlsVynMRUDropDown.h"
#include "datagrid/DBGridVyn.h"
#include "datagrid/PopupDataGridVyn.h"
#include "datagrid/ToolCtrlsVynCalendar.h"
#include "datagrid/ToolCtrlsVynListbox.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/gdi/measuringdc.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/sysutils.h"
#include "platform/win/commctrl.h"
#include "platform/win/userinput.h"
#include "platform/win/winuser.h"

// ---- Opening ---------------------------------------------------------------------------------------

void TDBGridInplaceEdit::FillPickList(TColumnVyn* column) {
    pickList_->SetColor(Color());
    pickList_->SetFont(Font());
    // Rows as high as the editor's font, or its lines overlap.
    pickList_->SetItemHeight(TPopupListboxVyn::FontLineHeight(pickList_));
    TStrings* items = pickList_->Items();
    TStrings* picks = column->PickList();
    const int keys = column->KeyList()->Count();
    const int count = keys > 0 ? std::min(keys, picks->Count()) : picks->Count();
    items->Clear();
    for (int i = 0; i < count; ++i) items->AddObject(picks->Strings(i), picks->Objects(i));
    const int rows = static_cast<int>(column->DropDownRows());
    const int itemHeight = pickList_->ItemHeight();
    pickList_->SetHeight((count < rows ? count : rows) * itemHeight + 4);
    TField* field = column->BoundField();
    int index = -1;
    if (field && !field->IsNull())
        index = keys > 0 ? picks->IndexOf(EditText()) : items->IndexOf(EditText());
    pickList_->SetItemIndex(index);
    int widest = pickList_->ClientWidth();
    const MeasuringDC measuring(pickList_->Font()->Handle());
    for (int i = 0; i < count; ++i) {
        const AnsiString& item = items->Strings(i);
        SIZE size{};
        GetTextExtentPoint32(measuring.dc(), item.c_str(), static_cast<int>(item.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    pickList_->SetClientWidth(widest + 4);
}

bool TDBGridInplaceEdit::FillLookupList(TColumnVyn* column) {
    TDataSet* lookup = column->ListDataSet();
    TField* field = column->BoundField();
    if (!lookup || !field) return false;
    dataList_->SetColor(Color());
    dataList_->SetFont(Font());
    dataList_->SetSpecRow(column->DropDownSpecRow());
    const int rows = static_cast<int>(column->DropDownRows());
    const int records = lookup->IsSequenced() ? lookup->RecordCount() : 0;
    dataList_->SetShowTitles(column->DropDownShowTitles());
    lookupSource_->SetDataSet(lookup);
    dataList_->SetKeyField(field->LookupKeyFields());
    dataList_->SetListFieldIndex(0);
    dataList_->SetListField(column->LookupDisplayFields());
    dataList_->SetAutoFitColWidths(false);
    dataList_->SetUseMultiTitle(column->DropDownBox()->UseMultiTitle());
    dataList_->SetListSource(lookupSource_.get());
    dataList_->HandleNeeded();
    dataList_->SetListRowCount(records > 0 && records < rows ? records : rows);
    if (column->DropDownWidth() == -1)
        dataList_->SetClientWidth(dataList_->ContentWidth());
    else
        dataList_->SetWidth(column->DropDownWidth() > 0 ? column->DropDownWidth() : Width());
    if (dataList_->Width() < Width()) dataList_->SetWidth(Width());
    dataList_->SetKeyValue(DBGrid()->EditedValue());
    listColumnsMoved_ = false;
    dataList_->SetOnColumnMoved([this](TObject* s, int from, int to) { MarkListColumnsMoved(s, from, to); });
    dataList_->SetOnCloseUp([this](TObject* s, bool accept) { DataListCloseUp(s, accept); });
    dataList_->SetAutoFitColWidths(column->DropDownBox()->AutoFitColWidths());
    return true;
}

void TDBGridInplaceEdit::MarkListColumnsMoved(TObject*, int, int) { listColumnsMoved_ = true; }

void TDBGridInplaceEdit::OpenDropDown() {
    TColumnVyn* column = Column();
    TCustomDBGridVyn* grid = DBGrid();
    if (listVisible_ || !activeList_ || !column) return;
    activeList_->SetWidth(Width());
    if (activeList_ == dataList_) {
        if (!FillLookupList(column)) return;
    } else if (activeList_ == calendar_) {
        calendar_->SetColor(Color());
        calendar_->SetFont(Font());
        TDateTime date = Date();
        TField* field = column->BoundField();
        if (!EditText().empty() && !TryStrToDate(EditText(), date))
            date = field && !field->IsNull() && field->AsDateTime() != 0 ? field->AsDateTime() : Date();
        calendar_->SetDate(date);
        calendar_->HandleNeeded();
        calendar_->FitToMinimumSize();
    } else if (activeList_ == calculator_) {
        IPopupEditorVyn* popup = calculator_;
        popup->LoadValue(EditText().empty() ? Variant(0) : Variant(StrToFloat(EditText())));
        popup->SetFlatKeys(grid->Flat());
        HideCaret(Handle());
        SendMessage(Handle(), EM_SETSEL, SelStart(), SelStart());
    } else if (activeList_ == pickList_) {
        FillPickList(column);
    }
    activeList_->HandleNeeded();
    CloseMRUList(false);
    const TPoint at = PlaceDropDownAtControl(this, activeList_, daLeft);
    ShowDropDownAt(activeList_, at);
    activeList_->SetVisible(true);
    if (activeList_ == pickList_) {
        pickList_->SizeGrip()->SetVisible(column->DropDownSizing());
        pickList_->SetUserResized(false);
    } else if (activeList_ == dataList_) {
        dataList_->SizeGrip()->ShowGrip(column->DropDownSizing());
        dataList_->SetListRowCount(dataList_->ListRowCount());
        dataList_->SetUserResized(false);
    }
    listVisible_ = true;
    textBeforeList_ = grid->EditedText();
    Invalidate();
    ::SetFocus(Handle());
    if (!buttonControls_.empty()) buttonControls_[0].second->SetHeldDown(true);
    droppedDown_ = true;
}

// ---- Closing ---------------------------------------------------------------------------------------

void TDBGridInplaceEdit::CloseDropDown(bool accept) {
    Variant key = Null();
    if (activeList_ && activeList_->HandleAllocated()) {
        const HWND focus = GetFocus();
        if (focus == activeList_->Handle() || IsChild(activeList_->Handle(), focus)) SetFocus();
    }
    if (!listVisible_) return;
    if (!buttonControls_.empty()) buttonControls_[0].second->SetHeldDown(false);
    if (lockCloseList_) return;
    if (const HWND capture = GetCapture()) SendMessage(capture, WM_CANCELMODE, 0, 0);
    TColumnVyn* column = Column();
    AnsiString listText;
    if (activeList_ == dataList_ && column) {
        key = dataList_->KeyValue();
        listText = dataList_->SelectedText();
        if (dataList_->UserResized()) {
            column->SetDropDownRows(static_cast<Cardinal>(dataList_->ListRowCount()));
            column->SetDropDownWidth(dataList_->Width());
        }
        if (listColumnsMoved_) column->DropDownSpecRow()->SetCellsText(dataList_->SpecRow()->CellsText());
    } else if (activeList_ == pickList_ && column) {
        const int index = pickList_->ItemIndex();
        if (index >= 0)
            key = column->KeyList()->Count() > 0 && index < column->KeyList()->Count()
                      ? Variant(column->KeyList()->Strings(index))
                      : Variant(pickList_->Items()->Strings(index));
        if (pickList_->UserResized()) {
            column->SetDropDownRows(static_cast<Cardinal>(pickList_->ClientHeight() / pickList_->ItemHeight()));
            column->SetDropDownWidth(pickList_->Width());
        }
    }
    HideDropDown(activeList_);
    droppedDown_ = false;
    listVisible_ = false;
    if (dataList_) {
        dataList_->SetOnColumnMoved({});
        dataList_->SetAutoFitColWidths(false);
        dataList_->SetListSource(nullptr);
        lookupSource_->SetDataSet(nullptr);
    }
    Invalidate();
    ShowCaret(Handle());
    TCustomDBGridVyn* grid = DBGrid();
    if (!accept) {
        if (activeList_ == pickList_ || activeList_ == dataList_) {
            SetEditText(textBeforeList_);
            grid->SetEditedText(textBeforeList_);
        }
        return;
    }
    WriteListChoice(key, listText);
}

// A choice that cannot be stored leaves the field's own edit text, so no
// later commit writes anything else into the field.
void TDBGridInplaceEdit::WriteLookupChoice(const Variant& key, const AnsiString& listText) {
    TCustomDBGridVyn* grid = DBGrid();
    TColumnVyn* column = Column();
    try {
        if (!LookupKeysCanModify() || !grid->StartCellEdit() || !column->CanEditValue(true)) return;
        grid->DataLink()->DataSet()->Edit();
        if (grid->DataLink()->Editing()) {
            grid->DataLink()->MarkModified();
            grid->SetEditedValue(key);
            grid->SetEditedText(listText);
        }
    } catch (...) {
        SetEditText(column->BoundField()->Text());
        throw;
    }
    SetEditText(listText);
    SelectAll();
}

void TDBGridInplaceEdit::WriteListChoice(const Variant& key, const AnsiString& listText) {
    TCustomDBGridVyn* grid = DBGrid();
    TColumnVyn* column = Column();
    if (!column) return;
    if (activeList_ == dataList_) {
        WriteLookupChoice(key, listText);
    } else if (activeList_ == calendar_) {
        if (!column->CanEditValue(true) || !grid->StartCellEdit()) return;
        grid->DataLink()->DataSet()->Edit();
        const TDateTime date = calendar_->Date();
        column->WriteValue(DateToStr(date), VarFromDateTime(date), false);
    } else if (activeList_ == calculator_) {
        const Variant value = static_cast<IPopupEditorVyn*>(calculator_)->CurrentValue();
        if (!column->CanEditValue(true) || !grid->StartCellEdit() || !VarIsNumeric(value)) return;
        SetEditText(FloatToStr(value.AsDouble()));
        grid->SetEditedText(EditText());
        SelectAll();
    } else if (activeList_ == pickList_) {
        if (VarIsNull(key) || !grid->StartCellEdit()) return;
        const int index = pickList_->ItemIndex();
        if (column->KeyList()->Count() > 0) {
            if (index < 0) return;
            SetEditText(pickList_->Items()->Strings(index));
        } else {
            SetEditText(key.AsString());
        }
        grid->SetEditedText(EditText());
        UpdateImageIndex();
    }
}

// ---- Keys ------------------------------------------------------------------------------------------

void TDBGridInplaceEdit::HandleListKey(Word& key, TShiftState shift) {
    if (key == VK_RETURN || key == VK_ESCAPE) {
        if (listVisible_ && !shift.Contains(ssAlt) && activeList_ != calculator_) {
            CloseDropDown(key == VK_RETURN);
            key = 0;
        } else if (!listVisible_ && key == VK_RETURN && shift == TShiftState{ssCtrl}) {
            OpenDropDown();
            key = 0;
        }
    } else if ((key == VK_UP || key == VK_DOWN) && shift.Contains(ssAlt)) {
        if (listVisible_)
            CloseDropDown(true);
        else
            OpenDropDown();
        key = 0;
    }
}

bool TDBGridInplaceEdit::RouteListKey(TMessage& Message) {
    const bool listStyle = editStyle_ == iesPickList || editStyle_ == iesDataList || editStyle_ == iesDateCalendar ||
                           (editStyle_ == iesDropDown && CalculatorApplies());
    // Key messages are offered to the control (as CN_ messages) before the
    // window sees them; a key used here ends there.
    const UINT msg = Message.Msg - CN_BASE;
    if (Message.Msg < CN_BASE || !listStyle || (msg != WM_KEYDOWN && msg != WM_CHAR && msg != WM_SYSKEYDOWN))
        return false;
    Word key = static_cast<Word>(Message.WParam);
    const TShiftState shift = msg == WM_CHAR ? KeyboardShiftState() : KeyDataToShiftState(Message.LParam);
    if (msg != WM_CHAR) HandleListKey(key, shift);
    Message.WParam = key;
    TColumnVyn* column = Column();
    if (msg == WM_CHAR && key >= 32 && !listVisible_ && column && column->AutoDropDown()) OpenDropDown();
    if (key == 0) Message.Result = 1;
    if (!listVisible_ || key == 0) return key == 0;
    if (activeList_ == calculator_) {
        const bool forCalculator =
            msg == WM_CHAR ? (key >= 32 && key <= 126) || key == VK_RETURN || key == VK_ESCAPE
                           : key == VK_RETURN || key == VK_ESCAPE;
        if (!forCalculator) return false;
        // Enter goes as its character (a used key-down makes none): the
        // calculator computes with the first and closes with the next.
        if (msg != WM_CHAR && key == VK_RETURN)
            SendMessage(calculator_->Handle(), WM_CHAR, '\r', 0);
        else
            SendMessage(calculator_->Handle(), msg, Message.WParam, Message.LParam);
        Message.Result = 1;
        return true;
    }
    if (msg == WM_CHAR) return false;
    const bool plain = !shift.Contains(ssShift);
    const bool paging = ((key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT) && plain) ||
                        ((key == VK_HOME || key == VK_END) && shift == TShiftState{ssCtrl}) ||
                        (activeList_ == calendar_ && (key == VK_LEFT || key == VK_RIGHT));
    if (!paging) return false;
    SendMessage(activeList_->Handle(), msg, Message.WParam, Message.LParam);
    if (activeList_ == dataList_) {
        SetEditText(dataList_->SelectedText());
        SelectAll();
    } else if (activeList_ == pickList_ && pickList_->ItemIndex() >= 0) {
        const AnsiString item = pickList_->Items()->Strings(pickList_->ItemIndex());
        if (item != EditText()) {
            SetEditText(item);
            SelectAll();
        }
    }
    Message.Result = 1;
    return true;
}

void TDBGridInplaceEdit::WndProc(TMessage& Message) {
    if (RouteListKey(Message)) return;
    if (mruList_ && mruList_->DroppedDown() &&
        RouteKeyToMRUList(Message, MRUListBox(), [this](bool accept) { CloseMRUList(accept); }))
        return;
    TInplaceEdit::WndProc(Message);
    textChangedByUser_ = false;
}
