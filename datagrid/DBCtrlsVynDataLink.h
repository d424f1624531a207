// The data link of the library's data-aware editors: bound to one field or
// to several named by a ";"-separated list, or, with neither data source
// nor field name, keeping the editor's value itself.
#pragma once

#include "datagrid/ToolCtrlsVynFields.h"
#include "platform/data/datasource.h"
#include "platform/rtl/variant.h"

class TFieldDataLinkVyn : public TDataLink {
    SERVIORA_CLASS(TFieldDataLinkVyn, TDataLink)
public:
    TFieldDataLinkVyn();

    // Sets the source and settles the mode (a change of mode clears OwnValue).
    void SetDataSource(TDataSource* source);
    const AnsiString& FieldName() const { return fieldName_; }
    void SetFieldName(const AnsiString& value);
    bool SeveralFields() const { return severalFields_; }
    void SetSeveralFields(bool value);
    TComponent* Control() const { return control_; }
    void SetControl(TComponent* value) { control_ = value; }

    TField* Field() const { return boundFields_.empty() ? nullptr : boundFields_.front(); }
    int BoundFieldCount() const { return static_cast<int>(boundFields_.size()); }
    TField* BoundFields(int index) const;
    bool DataIndependent() const { return dataIndependent_; }
    bool Editing() const { return editing_; }
    bool Modified() const { return modified_; }
    void SetModified() { modified_ = true; }
    const Variant& OwnValue() const { return ownValue_; }
    bool OwnValueIsText() const { return ownValueIsText_; }
    void SetOwnValueIsText(bool value) { ownValueIsText_ = value; }

    // Data-independent, or the platform link active with a bound field.
    bool Active() const;
    bool HasOpenDataSet() const;
    bool CanModify() const;
    // Enters editing (the dataset's edit mode when bound); answers Editing.
    bool Edit();
    void WriteText(const AnsiString& text);
    // Several fields take the elements of a variant array, or Null each.
    void WriteValue(const Variant& value);
    // A data change for every field: the control reloads from the data.
    void ReloadAll() { RecordChanged(nullptr); }

    TNotifyEvent DataChangeHook, EditingChangeHook, UpdateDataHook, ActiveChangeHook;

    void DataEvent(TDataEvent event, std::intptr_t info) override;

protected:
    void ActiveChanged() override;
    void EditingChanged() override;
    void FocusControl(TField** field) override;
    void LayoutChanged() override { BindFields(); }
    void RecordChanged(TField* field) override;
    void UpdateData() override;

private:
    void UpdateMode();
    void BindFields();
    void SyncReadingOrder();
    static void Fire(const TNotifyEvent& hook, TObject* sender) {
        if (hook) hook(sender);
    }

    TFieldsArrVyn boundFields_;
    AnsiString fieldName_;
    TComponent* control_ = nullptr;
    bool severalFields_ = false;
    bool dataIndependent_ = true;
    bool editing_ = false;
    bool modified_ = false;
    Variant ownValue_ = Null();
    bool ownValueIsText_ = false;
};
