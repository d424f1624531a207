// The grid's side of cell editing: whether a cell may be edited and shown in
// the editor, the text, mask and limit the editor starts with, and how the
// edited text reaches the field through the column (pick and key lists,
// lookup keys, memos), on exit as well.
#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynFilterEdit.h"
#include "datagrid/DBGridVynSelection.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/valuerestorer.h"
#include "platform/win/commctrl.h"
#include "platform/win/winuser.h"

namespace {

bool IsMemoUnder(TField* field, bool drawMemoText) { return drawMemoText && field->DataType() == ftMemo; }

// The key of the pick-list entry `text`, Null when the text is not listed.
Variant KeyOfPickText(TColumnVyn* column, const AnsiString& text) {
    const int index = TDBGridInplaceEdit::LocateInStrings(column->PickList(), text, false);
    if (index < 0 || index >= column->KeyList()->Count()) return Null();
    return Variant(column->KeyList()->Strings(index));
}

}  // namespace

TDBGridInplaceEdit* TCustomDBGridVyn::DBInplaceEditor() const { return dynamic_cast<TDBGridInplaceEdit*>(InplaceEditor()); }

bool TCustomDBGridVyn::AllFieldsCanModify(const AnsiString& fieldNames) const {
    TDataSet* dataSet = dataLink_->DataSet();
    if (!dataSet || fieldNames.empty()) return false;
    const std::vector<TField*> fields = dataSet->GetFieldList(fieldNames);
    if (fields.empty()) return false;
    for (TField* field : fields)
        if (!field->CanModify()) return false;
    return true;
}

bool TCustomDBGridVyn::FieldCanModify(TField* field) const {
    if (field->Lookup()) return AllFieldsCanModify(field->KeyFields());
    return field->CanModify();
}

bool TCustomDBGridVyn::LookupKeyInList(TColumnVyn* column) const {
    TField* field = column->BoundField();
    if (!field || !field->LookupDataSet() || !field->LookupDataSet()->Active() || !field->DataSet()) return false;
    const Variant keys = field->DataSet()->FieldValues(field->KeyFields());
    return !VarIsNull(keys) && field->LookupDataSet()->Locate(field->LookupKeyFields(), keys, TLocateOptions());
}

bool TCustomDBGridVyn::CanEditAcceptKey(char key) {
    TDBGridInplaceEdit* editor = DBInplaceEditor();
    const bool ownDecision = editor && editor->OwnReadOnly();
    TField* field = SelectedField();
    if (!dataLink_->Active() || !field) return ownDecision && !editor->ReadOnly();
    if (ownDecision && editor->ReadOnly()) return false;
    if (columns_->Items(SelectedIndex())->KeyList()->Count() > 0) return true;
    return field->IsValidChar(key);
}

bool TCustomDBGridVyn::CanEditModify() {
    const int index = SelectedIndex();
    const bool checkbox = index >= 0 && index < columns_->Count() && columns_->Items(index)->ValueKind() == cvkCheckbox;
    if (checkbox || incSearchActive_) return false;
    return StartCellEdit();
}

bool TCustomDBGridVyn::StartCellEdit() {
    bool result = false;
    TDBGridInplaceEdit* editor = DBInplaceEditor();
    if (editor && editor->OwnReadOnly()) {
        if (editor->ReadOnly()) return false;
        dataLink_->Edit();
        if (dataLink_->Editing()) dataLink_->MarkModified();
        result = true;
    }
    const int index = SelectedIndex();
    if (readOnly_ || !dataLink_->Active() || dataLink_->ReadOnly() || index < 0 || index >= columns_->Count())
        return result;
    TColumnVyn* column = columns_->Items(index);
    TField* field = column->BoundField();
    if (column->ReadOnly() || !field || !FieldCanModify(field)) return result;
    const bool textual = !field->IsBlob() || field->OnSetText().Assigned() || IsMemoUnder(field, drawMemoText_);
    if (!textual || !column->CanEditValue(false)) return result;
    dataLink_->Edit();
    result = dataLink_->Editing();
    if (result) dataLink_->MarkModified();
    return result;
}

bool TCustomDBGridVyn::CanEditShow() {
    if (layoutLock_ > 0 || !TCustomGrid::CanEditShow()) return false;
    const int index = SelectedIndex();
    if (index < 0 || index >= columns_->Count()) return false;
    const TColumnValueKindVyn kind = columns_->Items(index)->ValueKind();
    if (kind == cvkImageList || kind == cvkCheckbox) return false;
    if (selection_->Kind() != gstNon && optionsVyn_.Contains(dghClearSelection) && SelectionKindAllowed(gstRectangle))
        return false;
    return !incSearchActive_;
}

int TCustomDBGridVyn::GetEditLimit() {
    const int index = SelectedIndex();
    if (index < 0 || index >= columns_->Count()) return 0;
    TColumnVyn* column = columns_->Items(index);
    if (column->KeyList()->Count() > 0) return 0;
    TField* field = column->BoundField();
    return dynamic_cast<TStringField*>(field) ? field->Size() : 0;
}

AnsiString TCustomDBGridVyn::GetEditMask(int col, int) {
    const int index = RawToDataColumn(col);
    if (!dataLink_->Active() || index < 0 || index >= columns_->Count()) return {};
    TColumnVyn* column = columns_->Items(index);
    AnsiString mask = column->EditMask();
    if (mask.empty() && column->BoundField() && column->KeyList()->Count() == 0) mask = column->BoundField()->EditMask();
    return mask;
}

AnsiString TCustomDBGridVyn::GetEditText(int col, int) {
    AnsiString text;
    editValue_ = Null();
    const int index = RawToDataColumn(col);
    if (!dataLink_->Active() || index < 0 || index >= columns_->Count()) return editText_ = text;
    TColumnVyn* column = columns_->Items(index);
    TField* field = column->BoundField();
    if (field) {
        text = FieldEditText(column);
        if (field->Lookup() && !field->KeyFields().empty()) {
            editValue_ = field->DataSet()->FieldValues(field->KeyFields());
            TSpecRowVyn* special = column->DropDownSpecRow();
            if (special->Visible() && (special->MatchesKey(editValue_) ||
                                       (special->ShowIfNotInKeyList() && !LookupKeyInList(column)))) {
                editValue_ = special->Value();
                text = special->CellText(0);
            }
        }
    }
    TColCellParamsVyn params;
    params.Text = text;
    params.Font = Canvas()->Font();
    column->FireGetCellParams(true, &params);
    return editText_ = params.Text;
}

AnsiString TCustomDBGridVyn::FieldEditText(TColumnVyn* column) const {
    TField* field = column->BoundField();
    if (!field) return {};
    if (column->KeyList()->Count() > 0) {
        const int at = column->KeyList()->IndexOf(field->Text());
        return at >= 0 && at < column->PickList()->Count() ? column->PickList()->Strings(at) : AnsiString();
    }
    if (IsMemoUnder(field, drawMemoText_)) return AdjustLineBreaks(field->AsString());
    return field->Text();
}

void TCustomDBGridVyn::SetEditText(int, int, const AnsiString& value) { editText_ = value; }

void TCustomDBGridVyn::ApplyEditText() {
    const int index = SelectedIndex();
    if (index < 0 || index >= columns_->Count()) return;
    TColumnVyn* column = columns_->Items(index);
    TField* field = column->BoundField();
    if (!field) return column->WriteValue(editText_, editText_, true);
    const TNotInListEventVyn& notInList = column->OnNotInList();
    switch (column->ValueKind()) {
        case cvkPickList:
            if (notInList && TDBGridInplaceEdit::LocateInStrings(column->PickList(), editText_, false) < 0) {
                bool accept = false;
                notInList(column, editText_, accept);
            }
            return column->WriteValue(editText_, editText_, true);
        case cvkKeyList: {
            editValue_ = KeyOfPickText(column, editText_);
            if (VarIsNull(editValue_) && notInList && !editText_.empty()) {
                bool accept = false;
                notInList(column, editText_, accept);
                if (accept) editValue_ = KeyOfPickText(column, editText_);
            }
            return column->WriteValue(editText_, editValue_, false);
        }
        default: break;
    }
    if (field->Lookup() && !field->KeyFields().empty()) {
        TDataSet* lookup = field->LookupDataSet();
        const TLocateOptions caseless{loCaseInsensitive};
        if (VarIsNull(editValue_) && !editText_.empty() && notInList && lookup &&
            !lookup->Locate(field->LookupResultField(), editText_, caseless)) {
            bool accept = false;
            notInList(column, editText_, accept);
            if (accept && lookup->Locate(field->LookupResultField(), editText_, caseless))
                editValue_ = lookup->FieldValues(field->LookupKeyFields());
        }
        if (AllFieldsCanModify(field->KeyFields())) {
            dataLink_->DataSet()->Edit();
            column->WriteValue(editText_, editValue_, false);
        }
        return;
    }
    column->WriteValue(editText_, editText_, true);
}

void TCustomDBGridVyn::DoExit() {
    if (dataLink_->Active()) {
        try {
            TDataSet* dataSet = dataLink_->DataSet();
            if (options_.Contains(dgCancelOnExit) && dataSet->State() == dsInsert && !dataSet->Modified() &&
                !dataLink_->EditModified())
                dataSet->Cancel();
            else
                dataLink_->UpdateRecord();
        } catch (...) {
            SetFocus();
            throw;
        }
    }
    TCustomGrid::DoExit();
}

void TCustomDBGridVyn::RefreshEditor() {
    TDBGridInplaceEdit* editor = DBInplaceEditor();
    if (!editor || !editor->ListVisible()) return InvalidateEditor();
    const bool locked = editor->LockCloseList();
    editor->SetLockCloseList(true);
    try {
        InvalidateEditor();
    } catch (...) {
        editor->SetLockCloseList(locked);
        throw;
    }
    editor->SetLockCloseList(locked);
    RefreshFilterEditor();
}

void TCustomDBGridVyn::WMCommandVyn(TMessage& Message) {
    TCustomGrid::Dispatch(Message);
    const HWND sender = HWND(Message.LParam);
    TDBGridInplaceEdit* editor = DBInplaceEditor();
    if (editor && editor->HandleAllocated() && sender == editor->Handle()) {
        if (HIWORD(Message.WParam) == EN_CHANGE) editor->UserTextChanged();
        return;
    }
    // A typed filter text differing from the stored one shows at once.
    if (filterEditor_ && filterEditor_->HandleAllocated() && sender == filterEditor_->Handle()) {
        if (HIWORD(Message.WParam) == EN_CHANGE && filterColumn_ >= 0 &&
            filterEditor_->Text() != GetColumnFilterText(filterColumn_))
            InvalidateCell(DataToRawColumn(filterColumn_), CalcTopDataOffset() - 1);
    }
}

void TCustomDBGridVyn::PressShowsEditor(const TGridCoord& cell, bool wasCurrent, int x, int y) {
    const int index = RawToDataColumn(cell.X);
    if (index < 0 || index >= columns_->Count()) return;
    TColumnVyn* column = columns_->Items(index);
    const TRect rect = CellRect(cell.X, cell.Y);
    const int band = column->ButtonAreaWidth();
    const bool inBand = band > 0 && (UseRightToLeftAlignment() ? x < rect.left + band : x >= rect.right - band);
    if (options_.Contains(dgAlwaysShowEditor) || (inBand && column->AlwaysShowEditButton()) || wasCurrent)
        ShowEditor();
    TInplaceEdit* editor = InplaceEditor();
    if (!inBand || !editor || !editor->Visible() || !editor->HandleAllocated()) return;
    if (MouseCapture()) SetMouseCapture(false);
    const TPoint at = editor->ScreenToClient(ClientToScreen(TPoint{x, y}));
    SendMessage(editor->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
}
