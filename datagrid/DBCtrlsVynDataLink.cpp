#include "datagrid/DBCtrlsVynDataLink.h"

#include "platform/data/field.h"
#include "platform/ui/dbctrls.h"
#include "platform/win/winuser.h"

TFieldDataLinkVyn::TFieldDataLinkVyn() { SetVisualControl(true); }

void TFieldDataLinkVyn::SetDataSource(TDataSource* source) {
    if (source == DataSource()) return;
    TDataLink::SetDataSource(source);
    UpdateMode();
}

void TFieldDataLinkVyn::SetFieldName(const AnsiString& value) {
    if (value == fieldName_) return;
    fieldName_ = value;
    UpdateMode();
    BindFields();
}

void TFieldDataLinkVyn::SetSeveralFields(bool value) {
    if (value == severalFields_) return;
    severalFields_ = value;
    BindFields();
}

TField* TFieldDataLinkVyn::BoundFields(int index) const {
    return index >= 0 && index < BoundFieldCount() ? boundFields_[index] : nullptr;
}

bool TFieldDataLinkVyn::Active() const { return dataIndependent_ || (TDataLink::Active() && Field()); }

bool TFieldDataLinkVyn::HasOpenDataSet() const {
    TDataSet* dataSet = DataSet();
    return dataSet && dataSet->Active();
}

bool TFieldDataLinkVyn::CanModify() const { return dataIndependent_ || (Field() && Field()->CanModify()); }

bool TFieldDataLinkVyn::Edit() {
    if (dataIndependent_) {
        if (!editing_ && !ReadOnly()) {
            editing_ = true;
            modified_ = false;
            Fire(EditingChangeHook, this);
        }
    } else if (CanModify()) {
        TDataLink::Edit();
    }
    return editing_;
}

void TFieldDataLinkVyn::WriteText(const AnsiString& text) {
    if (dataIndependent_) {
        ownValue_ = Variant(text);
        RecordChanged(nullptr);
    } else if (TField* field = Field()) {
        if (dynamic_cast<TMemoField*>(field))
            field->SetAsString(text);
        else
            field->SetText(text);
    }
}

void TFieldDataLinkVyn::WriteValue(const Variant& value) {
    if (dataIndependent_) {
        ownValue_ = value;
        RecordChanged(nullptr);
    } else if (BoundFieldCount() > 1) {
        const bool null = VarIsNull(value);
        for (int i = 0; i < BoundFieldCount(); ++i)
            boundFields_[i]->SetValue(null ? Null() : value.GetElement({VarArrayLowBound(value, 1) + i}));
    } else if (TField* field = Field()) {
        field->SetValue(value);
    }
}

void TFieldDataLinkVyn::UpdateMode() {
    const bool independent = !DataSource() && fieldName_.empty();
    if (independent == dataIndependent_) return;
    dataIndependent_ = independent;
    ownValue_ = Null();
    LayoutChanged();
    if (dataIndependent_) RecordChanged(nullptr);
}

void TFieldDataLinkVyn::BindFields() {
    TFieldsArrVyn fields;
    TDataSet* dataSet = DataSet();
    if (TDataLink::Active() && dataSet && !fieldName_.empty()) {
        if (severalFields_)
            fields = FieldsArrayByNames(dataSet, control_, fieldName_);
        else
            fields.push_back(control_ ? GetFieldProperty(dataSet, control_, fieldName_) : dataSet->FieldByName(fieldName_));
    }
    boundFields_ = std::move(fields);
    EditingChanged();
    RecordChanged(nullptr);
    SyncReadingOrder();
}

void TFieldDataLinkVyn::SyncReadingOrder() {
    auto* control = dynamic_cast<TWinControl*>(control_);
    if (!control || !control->HandleAllocated()) return;
    const bool rtlReading = (GetWindowLongPtr(control->Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    if (rtlReading != DBUseRightToLeftAlignment(control, Field())) control->Perform(CM_RECREATEWND, 0, 0);
}

void TFieldDataLinkVyn::DataEvent(TDataEvent event, std::intptr_t info) {
    TDataLink::DataEvent(event, info);
    if (event != deDisabledStateChange) return;
    if (info)
        BindFields();
    else
        boundFields_.clear();
}

void TFieldDataLinkVyn::ActiveChanged() {
    BindFields();
    Fire(ActiveChangeHook, this);
}

void TFieldDataLinkVyn::EditingChanged() {
    const bool editing = TDataLink::Editing() && CanModify();
    if (editing == editing_) return;
    editing_ = editing;
    modified_ = false;
    Fire(EditingChangeHook, this);
}

void TFieldDataLinkVyn::FocusControl(TField** field) {
    if (!*field || std::find(boundFields_.begin(), boundFields_.end(), *field) == boundFields_.end()) return;
    auto* control = dynamic_cast<TWinControl*>(control_);
    if (!control || !control->CanFocus()) return;
    *field = nullptr;
    control->SetFocus();
}

void TFieldDataLinkVyn::RecordChanged(TField* field) {
    if (field && std::find(boundFields_.begin(), boundFields_.end(), field) == boundFields_.end()) return;
    Fire(DataChangeHook, this);
    modified_ = false;
}

void TFieldDataLinkVyn::UpdateData() {
    if (dataIndependent_) {
        if (modified_) Fire(UpdateDataHook, this);
        editing_ = false;
    } else if (modified_ && Field()) {
        Fire(UpdateDataHook, this);
    }
    modified_ = false;
}
