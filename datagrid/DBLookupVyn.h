// TDBLookupComboboxVyn: a data-aware edit that chooses a key value from the
// records of a list dataset. The key is written into the edited (master)
// fields; the edit shows the chosen record's display text. Its drop-down
// list is a TPopupDataGridVyn. A master lookup field brings its own list;
// without any binding the control is a plain text edit.
#pragma once

#include <memory>
#include <vector>

#include "datagrid/DBCtrlsVynEdit.h"
#include "datagrid/DBGridVynColumns.h"
#include "datagrid/DBGridVynTypes.h"
#include "datagrid/PopupDataGridVyn.h"
#include "platform/win/commctrl.h"

class TCustomDBLookupComboboxVyn;

// The drop-down settings of the lookup combo box.
class TLookupComboboxDropDownBoxVyn : public TColumnDropDownBoxVyn {
    SERVIORA_CLASS(TLookupComboboxDropDownBoxVyn, TColumnDropDownBoxVyn)
    SERVIORA_PUBLISHED
public:
    explicit TLookupComboboxDropDownBoxVyn(TPersistent* owner);
    void Assign(TPersistent* source) override;

    // Where the list stands against the control (the column box's flag
    // knows only left or not).
    TDropDownAlign Align() const { return align_; }
    void SetAlign(TDropDownAlign v) { align_ = v; }

private:
    TDropDownAlign align_ = daLeft;
};

SERVIORA_ENUM(TDBLookupComboboxVynStyle, csDropDownListVyn, csDropDownVyn)

using TKeyValueChangedEventVyn = TNotifyEvent;

// The link to the list dataset.
class TListSourceLinkVyn : public TDataLink {
    SERVIORA_CLASS(TListSourceLinkVyn, TDataLink)
public:
    explicit TListSourceLinkVyn(TCustomDBLookupComboboxVyn* combo);

protected:
    void ActiveChanged() override;
    void LayoutChanged() override;
    void DataSetChanged() override;

private:
    TCustomDBLookupComboboxVyn* combo_;
};

// The field link of the combo box: bound to every master key field.
class TDataSourceLinkVyn : public TFieldDataLinkVyn {
    SERVIORA_CLASS(TDataSourceLinkVyn, TFieldDataLinkVyn)
public:
    explicit TDataSourceLinkVyn(TCustomDBLookupComboboxVyn* combo);

protected:
    void LayoutChanged() override;

private:
    TCustomDBLookupComboboxVyn* combo_;
};

class TCustomDBLookupComboboxVyn : public TCustomDBEditVyn, public IDropDownBoxOwnerVyn {
    SERVIORA_CLASS(TCustomDBLookupComboboxVyn, TCustomDBEditVyn)
public:
    explicit TCustomDBLookupComboboxVyn(TComponent* owner);
    ~TCustomDBLookupComboboxVyn() override;

    // ---- The list ---------------------------------------------------------------------
    TDataSource* ListSource() const { return listSource_; }
    void SetListSource(TDataSource* v);
    const AnsiString& KeyField() const { return keyField_; }
    void SetKeyField(const AnsiString& v);
    const AnsiString& ListField() const { return listField_; }
    void SetListField(const AnsiString& v);
    int ListFieldIndex() const { return listFieldIndex_; }
    void SetListFieldIndex(int v);
    TDBLookupComboboxVynStyle Style() const { return style_; }
    void SetStyle(TDBLookupComboboxVynStyle v);
    TLookupComboboxDropDownBoxVyn* DropDownBox() const { return dropDownBox_.get(); }
    void SetDropDownBox(TLookupComboboxDropDownBoxVyn* v) { dropDownBox_->Assign(v); }
    TPopupDataGridVyn* DropDownList() const { return list_; }
    TListSourceLinkVyn* ListLink() const { return listLink_.get(); }
    TField* DisplayField() const { return displayField_; }
    const std::vector<TField*>& ListFields() const { return listFields_; }
    bool ListActive() const { return listActive_; }
    bool LookupMode() const { return lookupMode_; }
    // No data source, field, list source, list field or key field.
    bool Unbound() const { return unbound_; }
    bool ListVisible() const { return listVisible_; }
    // The list source in effect: the box's own while focused, the lookup
    // field's in lookup mode, else ListSource.
    TDataSource* EffectiveListSource() const;

    // ---- The value ---------------------------------------------------------------------
    const Variant& KeyValue() const { return keyValue_; }
    // Without master fields the value is kept in the field link as well.
    void SetKeyValue(const Variant& v);
    void StoreKeyValue(const Variant& value);
    // Two arrays of the same shape and elements, or two equal scalars.
    static bool SameKeyValue(const Variant& a, const Variant& b);
    void DropDown() { DropDownStart(); }
    void CloseUp(bool accept) { CloseUpButton(accept); }

    const TCloseUpEventVyn& OnCloseUp() const { return onCloseUp_; }
    void SetOnCloseUp(TCloseUpEventVyn v) { onCloseUp_ = std::move(v); }
    const TNotifyEvent& OnDropDown() const { return onDropDown_; }
    void SetOnDropDown(TNotifyEvent v) { onDropDown_ = std::move(v); }
    const TKeyValueChangedEventVyn& OnKeyValueChanged() const { return onKeyValueChanged_; }
    void SetOnKeyValueChanged(TKeyValueChangedEventVyn v) { onKeyValueChanged_ = std::move(v); }
    const TNotInListEventVyn& OnNotInList() const { return onNotInList_; }
    void SetOnNotInList(TNotInListEventVyn v) { onNotInList_ = std::move(v); }
    void SetOnButtonClick(TButtonClickEventVyn v);
    void SetOnButtonDown(TButtonDownEventVyn v);
    // Kept in the drop-down list.
    const TCheckTitleVynBtnEvent& OnDropDownBoxCheckButton() const { return list_->OnCheckButton(); }
    void SetOnDropDownBoxCheckButton(TCheckTitleVynBtnEvent v) { list_->SetOnCheckButton(std::move(v)); }
    const TDrawColumnVynCellEvent& OnDropDownBoxDrawColumnCell() const { return list_->OnDrawColumnCell(); }
    void SetOnDropDownBoxDrawColumnCell(TDrawColumnVynCellEvent v) { list_->SetOnDrawColumnCell(std::move(v)); }
    const TGetCellVynParamsEvent& OnDropDownBoxGetCellParams() const { return list_->OnGetCellParams(); }
    void SetOnDropDownBoxGetCellParams(TGetCellVynParamsEvent v) { list_->SetOnGetCellParams(std::move(v)); }
    const TNotifyEvent& OnDropDownBoxSortMarkingChanged() const { return list_->OnSortMarkingChanged(); }
    void SetOnDropDownBoxSortMarkingChanged(TNotifyEvent v) { list_->SetOnSortMarkingChanged(std::move(v)); }
    const TTitleVynClickEvent& OnDropDownBoxTitleBtnClick() const { return list_->OnTitleBtnClick(); }
    void SetOnDropDownBoxTitleBtnClick(TTitleVynClickEvent v) { list_->SetOnTitleBtnClick(std::move(v)); }

    // IDropDownBoxOwnerVyn
    void FreeNotificationTo(TComponent* component) override;
    TPopupDataGridVyn* DropDownGrid() override { return list_; }
    TPopupDataGridVyn* ExistingDropDownGrid() const override { return list_; }
    TDBLookupGridVynOptions DropDownGridOptions() override { return list_->LookupOptions(); }
    void SetDropDownGridOptions(TDBLookupGridVynOptions options) override { list_->SetLookupOptions(options); }

    void UpdateData(TObject* sender) override;

    virtual bool ValueEditable(bool wantEdit);
    virtual bool KeyValueFitsFields() const;
    virtual int ListTextWidth();
    virtual bool FindListText(const AnsiString& text, bool partial);
    virtual bool FindKeyInBoxSource(TDataSource* source);
    virtual bool UsesBoxListSource() const;
    virtual void AfterKeyValueChange();
    virtual void ListDataSetChanged() {}
    virtual void TypeIntoList(const AnsiString& text);
    virtual void ApplyKeyValue(const Variant& value);
    virtual void SpecRowChanged(TObject* sender);
    virtual void ResolveDataFields();
    virtual void ResolveListFields();
    virtual void AttachListSource();
    virtual bool FindKeyInList();
    virtual void SelectWholeText();

protected:
    bool ButtonsAvailable() const override;
    TFieldDataLinkVyn* CreateFieldDataLink() override;
    TAlignment FieldAlignment() const override;
    AnsiString TextToShow() const override;
    Variant GetVariantValue() const override { return keyValue_; }
    bool IsValidInputChar(char c) const override;
    AnsiString DataFieldRead() const override { return dataField_; }
    void DataFieldWrite(const AnsiString& value) override;
    void DataLinkActiveChanged(TObject* sender) override;
    void ButtonDropDown(bool downButton) override;
    void CloseUpButton(bool accept) override;
    void FieldChanged() override;
    void DropDownStart() override;
    void StoreText(const AnsiString& text) override;
    void StoreValue(const Variant& value) override { StoreKeyValue(value); }
    void PostTextToField() override;
    void SetFocusState(bool value) override;
    void UpdateReadOnly() override;

    void KeyDown(Word& key, TShiftState shift) override;
    void KeyUp(Word& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;

    void WMChar(TMessage& Message);
    void WMPaste(TMessage& Message);
    void WMCut(TMessage& Message);
    void WMSetCursor(TMessage& Message);
    void WMKillFocus(TMessage& Message);
    void CMWantSpecialKey(TMessage& Message);
    void CMCancelMode(TMessage& Message);
    void CMMouseWheel(TMessage& Message);
    void EMReplaceSel(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_CHAR, WMChar)
        SERVIORA_MESSAGE(WM_PASTE, WMPaste)
        SERVIORA_MESSAGE(WM_CUT, WMCut)
        SERVIORA_MESSAGE(WM_SETCURSOR, WMSetCursor)
        SERVIORA_MESSAGE(WM_KILLFOCUS, WMKillFocus)
        SERVIORA_MESSAGE(CM_WANTSPECIALKEY, CMWantSpecialKey)
        SERVIORA_MESSAGE(CM_CANCELMODE, CMCancelMode)
        SERVIORA_MESSAGE(CM_MOUSEWHEEL, CMMouseWheel)
        SERVIORA_MESSAGE(EM_REPLACESEL, EMReplaceSel)
    SERVIORA_MESSAGES_END(TCustomDBEditVyn)

protected:
    // The list's current record by one step (or its first record when the
    // key is not there) becomes the key.
    void StepListRecord(bool up);
    // The key without any search or notice, and a text shown as it is.
    void AssignKeyQuietly(const Variant& value) { keyValue_ = value; }
    void ShowText(const AnsiString& text);
    TDataSet* ListDataSet() const { return listLink_->DataSet(); }

private:
    static Variant FieldValues(const std::vector<TField*>& fields);
    Variant CurrentListKey() const;
    bool SpecRowHoldsKey() const;
    // The text for the key: the box's own source, the special row, the key
    // record's display text, or nothing.
    AnsiString KeyText();
    void ListColumnMoved(TObject* sender, int fromIndex, int toIndex);
    void ListCloseUp(TObject* sender, bool accept);
    // Text-part mouse messages the edit window never sees in the list style.
    bool ListStyleTextPress(const TMessage& Message) const;
    void ListStyleMouse(const TMessage& Message);
    bool ListKeyMessage(const TMessage& Message) const;
    bool ForwardDragToList(TControl* control, int x, int y);
    bool IsOwnWindow(HWND window) const;
    // A free-style text searched whole; on success the completion after
    // `caret` is selected.
    void CompleteWholeText(int caret);

    TPopupDataGridVyn* list_ = nullptr;
    AnsiString dataField_;
    std::vector<TField*> masterFields_;
    std::vector<TField*> masterKeyFields_;
    AnsiString keyField_, listField_;
    std::vector<TField*> keyFields_;
    int listFieldIndex_ = 0;
    std::vector<TField*> listFields_;
    TField* displayField_ = nullptr;
    Variant keyValue_ = Null();
    bool unbound_ = true;
    bool listActive_ = false;
    bool lookupMode_ = false;
    bool listVisible_ = false;
    bool droppedByThisClick_ = false;
    bool listColumnsMoved_ = false;
    bool resolvingDataFields_ = false;
    std::unique_ptr<TDataSource> lookupSource_;
    std::unique_ptr<TListSourceLinkVyn> listLink_;
    TDataSource* listSource_ = nullptr;
    TDBLookupComboboxVynStyle style_ = csDropDownListVyn;
    std::unique_ptr<TLookupComboboxDropDownBoxVyn> dropDownBox_;
    TCloseUpEventVyn onCloseUp_;
    TNotifyEvent onDropDown_;
    TKeyValueChangedEventVyn onKeyValueChanged_;
    TNotInListEventVyn onNotInList_;
    AnsiString pendingLeadBytes_;
};

class TDBLookupComboboxVyn : public TCustomDBLookupComboboxVyn {
    SERVIORA_CLASS(TDBLookupComboboxVyn, TCustomDBLookupComboboxVyn)
    SERVIORA_PUBLISHED
public:
    using TCustomDBLookupComboboxVyn::TCustomDBLookupComboboxVyn;
};
