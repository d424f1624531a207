// Column values: how a column turns its field's value into a cell's text,
// image or check box, whether the value may change, and how a new value is
// written. Painting, the editors and export ask these instead of reading
// the field themselves.
#include "datagrid/DBGridVyn.h"
#include "platform/data/aggregate_field.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/sysutils.h"

namespace {

bool IsNumberType(TFieldType type) {
    switch (type) {
        case ftSmallint:
        case ftInteger:
        case ftWord:
        case ftFloat:
        case ftCurrency:
        case ftBCD:
        case ftFMTBcd:
            return true;
        default:
            return false;
    }
}

bool IsFormattedNumberType(TFieldType type) {
    return IsNumberType(type) || type == ftLargeint || type == ftAutoInc;
}

bool IsDateTimeType(TFieldType type) {
    return type == ftDate || type == ftTime || type == ftDateTime || type == ftTimeStamp;
}

// Entry `index` of `list`, or empty outside it.
AnsiString EntryAt(TStrings* list, int index) {
    return index >= 0 && index < list->Count() ? list->Strings(index) : AnsiString();
}

}  // namespace

AnsiString FormatFieldValue(TField* field, const AnsiString& format) {
    if (format.empty()) return field->DisplayText();
    if (field->IsNull()) return AnsiString();
    const TFieldType type = field->DataType();
    if (IsFormattedNumberType(type)) return FormatFloat(format, field->AsFloat());
    const auto* aggregate = dynamic_cast<const TAggregateField*>(field);
    const TFieldType resultType = aggregate ? aggregate->ResultType() : ftUnknown;
    if (resultType == ftFloat || resultType == ftCurrency) return FormatFloat(format, field->AsFloat());
    if (IsDateTimeType(type) || resultType == ftDate || resultType == ftTime || resultType == ftDateTime) {
        AnsiString text;
        DateTimeToString(text, format, field->AsDateTime());
        return text;
    }
    return AnsiString();
}

bool KeyListEntryMatches(const AnsiString& entry, const AnsiString& text) {
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = entry.find(';', start);
        if (AnsiSameText(entry.substr(start, end == AnsiString::npos ? AnsiString::npos : end - start), text))
            return true;
        if (end == AnsiString::npos) return false;
        start = end + 1;
    }
}

TColumnValueKindVyn TColumnVyn::ValueKind() const {
    if (Checkboxes()) return cvkCheckbox;
    TField* field = BoundField();
    if (field && field->Lookup()) return cvkLookup;
    const bool picks = PickList()->Count() > 0;
    const bool keys = KeyList()->Count() > 0;
    if (picks && !keys) return cvkPickList;
    if (ImageList() && !ShowImageAndText()) return cvkImageList;
    if (picks && keys) return cvkKeyList;
    return cvkPlain;
}

AnsiString TColumnVyn::CellDisplayText() const {
    TField* field = BoundField();
    if (!field) return AnsiString();
    const TColumnValueKindVyn kind = ValueKind();
    if (kind == cvkImageList) return AnsiString();
    if (KeyList()->Count() > 0) {
        const int index = KeyList()->IndexOf(field->Text());
        if (index >= 0 && index < PickList()->Count()) return PickList()->Strings(index);
        return EntryAt(PickList(), NotInKeyListIndex());
    }
    if (field->DataType() == ftMemo) {
        TCustomDBGridVyn* grid = OwnerGrid();
        if (grid && grid->DrawMemoText()) return field->AsString();
    }
    if (kind == cvkLookup && DropDownSpecRow()->Visible()) {
        TDataSet* dataSet = field->DataSet();
        const Variant keys = dataSet ? dataSet->FieldValues(field->KeyFields()) : Null();
        const bool lookupPresent = field->LookupDataSet() && field->LookupDataSet()->Active() && !field->IsNull();
        if (DropDownSpecRow()->MatchesKey(keys) || (DropDownSpecRow()->ShowIfNotInKeyList() && !lookupPresent))
            return DropDownSpecRow()->CellText(0);
    }
    return FormatFieldValue(field, DisplayFormat());
}

int TColumnVyn::CellImageIndex() const {
    TField* field = BoundField();
    if (!field) return -1;
    int index = -1;
    if (KeyList()->Count() > 0)
        index = KeyList()->IndexOf(field->Text());
    else if (PickList()->Count() > 0)
        index = PickList()->IndexOf(field->Text());
    else
        return IsNumberType(field->DataType()) && !field->IsNull() ? field->AsInteger() : -1;
    return index == -1 ? NotInKeyListIndex() : index;
}

TCheckBoxState TColumnVyn::CheckState() const {
    TField* field = BoundField();
    if (!field) return cbUnchecked;
    if (field->IsNull()) return cbGrayed;
    if (field->DataType() == ftBoolean) return field->AsBoolean() ? cbChecked : cbUnchecked;
    // Without key entries nothing matches: the field's text is not needed.
    if (KeyList()->Count() == 0) return cbGrayed;
    const AnsiString text = field->Text();
    if (KeyListEntryMatches(KeyList()->Strings(0), text)) return cbChecked;
    if (KeyList()->Count() < 2) return cbGrayed;
    return KeyListEntryMatches(KeyList()->Strings(1), text) ? cbUnchecked : cbGrayed;
}

void TColumnVyn::SetCheckState(TCheckBoxState state) {
    TField* field = BoundField();
    if (!field) return;
    if (state == cbGrayed) return WriteValue(AnsiString(), Null(), false);
    if (field->DataType() == ftBoolean) return WriteValue(AnsiString(), state == cbChecked, false);
    AnsiString key = EntryAt(KeyList(), state == cbChecked ? 0 : 1);
    key = key.substr(0, key.find(';'));
    WriteValue(key, key, true);
}

bool TColumnVyn::CanEditValue(bool tryEdit) {
    TCustomDBGridVyn* grid = OwnerGrid();
    bool result = (!grid || (!grid->ReadOnly() && grid->DataLink()->Active() && !grid->DataLink()->ReadOnly())) &&
                  !ReadOnly();
    TField* field = BoundField();
    if (!field) return false;
    TField* edited = field;
    if (field->Lookup()) {
        TDataSet* dataSet = field->DataSet();
        const std::vector<TField*> keys =
            dataSet && !field->KeyFields().empty() ? dataSet->GetFieldList(field->KeyFields()) : std::vector<TField*>();
        result = result && !keys.empty();
        for (TField* key : keys) result = result && key->CanModify();
        if (!keys.empty()) edited = keys.front();
    }
    const bool blobAllowed = !edited->IsBlob() || edited->OnSetText().Assigned() ||
                             (grid && grid->DrawMemoText() && edited->DataType() == ftMemo);
    result = result && edited->CanModify() && blobAllowed && grid && grid->EditAllowed();
    if (tryEdit && result && grid) {
        grid->DataLink()->Edit();
        result = grid->DataLink()->Editing();
        if (result) grid->DataLink()->MarkModified();
    }
    return result;
}

void TColumnVyn::WriteValue(AnsiString text, Variant value, bool useText) {
    TCustomDBGridVyn* grid = OwnerGrid();
    if (!grid) return;
    bool handled = false;
    onUpdateData_(this, text, value, useText, handled);
    TField* field = BoundField();
    if (handled || !field) return;
    if (useText) {
        if (field->DataType() == ftMemo && grid->DrawMemoText())
            field->SetAsString(text);
        else
            field->SetText(text);
    } else if (field->Lookup() && !field->KeyFields().empty()) {
        field->DataSet()->SetFieldValues(field->KeyFields(), value);
    } else {
        field->SetValue(value);
    }
    TInplaceEdit* editor = grid->InplaceEditor();
    if (mruList_->AutoAdd() && mruList_->Active() && editor && editor->Visible() && editor->Showing())
        mruList_->RememberText(text);
}

void TColumnVyn::StepValue(double delta) {
    TCustomDBGridVyn* grid = OwnerGrid();
    TField* field = BoundField();
    if (!grid || !field) return;
    // A memo steps like any BLOB: never.
    if (field->DataType() == ftMemo && !field->OnSetText().Assigned()) return;
    if (!CanEditValue(false)) return;
    TGridDataLinkVyn* link = grid->DataLink();
    link->Edit();
    if (!link->Editing()) return;
    link->MarkModified();
    TInplaceEdit* editor = grid->InplaceEditor();
    const AnsiString text = editor && editor->Visible() ? editor->Text() : field->Text();
    const bool forward = delta == 1;
    // The entry after (or before) `index` in a list of `count`, wrapping
    // around and starting over from a missing value.
    auto stepIndex = [forward](int index, int count) {
        if (forward) return index < 0 || index >= count - 1 ? 0 : index + 1;
        return index <= 0 ? count - 1 : index - 1;
    };
    switch (ValueKind()) {
        case cvkCheckbox:
            SetCheckState(CheckState() == cbChecked ? cbUnchecked : cbChecked);
            break;
        case cvkKeyList:
        case cvkImageList: {
            const int count = KeyList()->Count();
            if (count == 0) break;
            WriteValue(text, KeyList()->Strings(stepIndex(KeyList()->IndexOf(field->Text()), count)), false);
            break;
        }
        case cvkPickList: {
            const int count = PickList()->Count();
            const int index = PickList()->IndexOf(field->Text());
            const int next = stepIndex(index, count);
            const bool wraps = index < 0 || (forward ? index == count - 1 : index == 0);
            if (wraps)
                field->SetText(PickList()->Strings(next));
            else
                WriteValue(PickList()->Strings(next), PickList()->Strings(next), true);
            break;
        }
        case cvkLookup: {
            TDataSet* list = ListDataSet();
            if (!list) break;
            TDataSet* dataSet = field->DataSet();
            const Variant keys = dataSet->FieldValues(field->KeyFields());
            if (field->IsNull() || !list->Locate(field->LookupKeyFields(), keys, TLocateOptions())) {
                list->First();
            } else if (!forward) {
                const bool atStart = list->Bof();
                list->Prior();
                if (atStart || list->Bof()) list->Last();
            } else {
                const bool atEnd = list->Eof();
                list->Next();
                if (atEnd || list->Eof()) list->First();
            }
            WriteValue(text, list->FieldValues(field->LookupKeyFields()), false);
            field->SetText(list->FieldByName(field->LookupResultField())->Text());
            break;
        }
        case cvkPlain:
            if (!IsNumberType(field->DataType())) break;
            try {
                const double value = field->IsNull() ? -delta : field->AsFloat();
                WriteValue(text, value + delta, false);
            } catch (const EDatabaseError&) {
                // A number the field refuses leaves the value as it was.
            }
            break;
    }
}

TDataSet* TColumnVyn::ListDataSet() const {
    TDataSource* listSource = DropDownBox()->ListSource();
    if (listSource && listSource->DataSet()) return listSource->DataSet();
    TField* field = BoundField();
    return field ? field->LookupDataSet() : nullptr;
}

void TColumnVyn::FillCellParams(TColCellParamsVyn* params) const {
    params->Row = -1;
    params->Col = -1;
    params->State = TGridDrawState();
    params->Font = Font();
    params->Background = Color();
    params->Alignment = Alignment();
    params->ImageIndex = CellImageIndex();
    params->Text = CellDisplayText();
    params->CheckboxState = CheckState();
    params->ReadOnly = ReadOnly();
}

void TColumnVyn::FireGetCellParams(bool editMode, TColCellParamsVyn* params) {
    onGetCellParams_(this, editMode, params);
}

void TColumnVyn::FitWidthToData() {
    if (TCustomDBGridVyn* grid = OwnerGrid()) grid->FitColumnsToContent({this});
}
