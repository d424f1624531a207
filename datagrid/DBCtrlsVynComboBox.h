// The data-aware combo box: the data-aware edit with a drop-down list of
// fixed texts. Without KeyItems the text is free and typing completes it to
// the first matching item; with KeyItems the text is one of the items and
// the value (what the field receives) the key at the same position.
#pragma once

#include <memory>

#include "datagrid/DBCtrlsVynEdit.h"
#include "datagrid/DBGridVynTypes.h"

class TCustomDBComboBoxVyn;

// The list settings of a combo box.
class TDropDownBoxVyn : public TPersistent {
    SERVIORA_CLASS(TDropDownBoxVyn, TPersistent)
    SERVIORA_PUBLISHED
public:
    void Assign(TPersistent* source) override;

    TDropDownAlign Align() const { return align_; }
    void SetAlign(TDropDownAlign v) { align_ = v; }
    bool AutoDrop() const { return autoDrop_; }
    void SetAutoDrop(bool v) { autoDrop_ = v; }
    int Rows() const { return rows_; }
    void SetRows(int v) { rows_ = v; }
    bool Sizable() const { return sizable_; }
    void SetSizable(bool v) { sizable_ = v; }
    // -1 fits the widest item, 0 or less the box's width.
    int Width() const { return width_; }
    void SetWidth(int v) { width_ = v; }

private:
    TDropDownAlign align_ = daLeft;
    bool autoDrop_ = false;
    int rows_ = 7;
    bool sizable_ = false;
    int width_ = 0;
};

class TCustomDBComboBoxVyn : public TCustomDBEditVyn {
    SERVIORA_CLASS(TCustomDBComboBoxVyn, TCustomDBEditVyn)
public:
    explicit TCustomDBComboBoxVyn(TComponent* owner);
    ~TCustomDBComboBoxVyn() override;

    TDropDownBoxVyn* DropDownBox() const { return dropDownBox_.get(); }
    void SetDropDownBox(TDropDownBoxVyn* v) { dropDownBox_->Assign(v); }
    TStrings* Items() const { return items_.get(); }
    void SetItems(TStrings* v) { items_->Assign(v); }
    TStrings* KeyItems() const { return keyItems_.get(); }
    void SetKeyItems(TStrings* v) { keyItems_->Assign(v); }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    const Variant& KeyValue() const { return keyValue_; }
    bool KeyItemsMode() const { return keyItemsMode_; }
    // The items that can be chosen: in key mode no more than there are keys.
    int ItemsCount() const { return itemsCount_; }
    bool ListDropped() const { return listDropped_; }
    // In key mode the value becomes Null (and is posted).
    void Clear();
    // The combo box's own list, made on first use.
    TPopupListboxVyn* PopupList();
    // The list's client width for DropDownBox.Width -1.
    int ListWidth();

    const TCloseUpEventVyn& OnCloseUp() const { return onCloseUp_; }
    void SetOnCloseUp(TCloseUpEventVyn v) { onCloseUp_ = std::move(v); }
    const TNotifyEvent& OnDropDown() const { return onDropDown_; }
    void SetOnDropDown(TNotifyEvent v) { onDropDown_ = std::move(v); }
    const TListGetImageIndexEventVyn& OnGetItemImageIndex() const { return onGetItemImageIndex_; }
    void SetOnGetItemImageIndex(TListGetImageIndexEventVyn v) { onGetItemImageIndex_ = std::move(v); }
    const TNotInListEventVyn& OnNotInList() const { return onNotInList_; }
    void SetOnNotInList(TNotInListEventVyn v) { onNotInList_ = std::move(v); }

    // The first usable item equal to `text` (its start when partial), case
    // ignored; -1 when none.
    int FindItem(const AnsiString& text, bool partial) const;
    void UpdateData(TObject* sender) override;

protected:
    virtual bool LocateItem(const AnsiString& text, bool partial);
    virtual bool ProcessTypedText(const AnsiString& text);

    TAlignment FieldAlignment() const override;
    int FieldImageIndex() const override { return itemImageIndex_; }
    AnsiString TextToShow() const override;
    Variant GetVariantValue() const override;
    bool IsValidInputChar(char c) const override;
    void ButtonDropDown(bool downButton) override;
    void CloseUpButton(bool accept) override;
    void FieldChanged() override;
    void DropDownStart() override;
    void StoreText(const AnsiString& text) override;
    void StoreValue(const Variant& value) override;
    void PostTextToField() override;
    void RecalcMaxLength() override;
    void UpdateReadOnly() override;
    void UpdateImageIndex() override;

    void UpdateItemsMode();
    void UpdateItemIndex();
    void SelectNextItem(bool up);
    // A press moved over `control` becomes a press in the open list.
    bool ForwardDragToList(TControl* control, int x, int y);

    void KeyDown(Word& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void CreateWnd() override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    void WndProc(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;
    void Change() override;

    void WMChar(TMessage& Message);
    void WMPaste(TMessage& Message);
    void WMSetCursor(TMessage& Message);
    void WMKillFocus(TMessage& Message);
    void CMWantSpecialKey(TMessage& Message);
    void CMCancelMode(TMessage& Message);
    void CMMouseWheel(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_CHAR, WMChar)
        SERVIORA_MESSAGE(WM_PASTE, WMPaste)
        SERVIORA_MESSAGE(WM_SETCURSOR, WMSetCursor)
        SERVIORA_MESSAGE(WM_KILLFOCUS, WMKillFocus)
        SERVIORA_MESSAGE(CM_WANTSPECIALKEY, CMWantSpecialKey)
        SERVIORA_MESSAGE(CM_CANCELMODE, CMCancelMode)
        SERVIORA_MESSAGE(CM_MOUSEWHEEL, CMMouseWheel)
    SERVIORA_MESSAGES_END(TCustomDBEditVyn)

private:
    void ItemsChanged(TObject* sender);
    void KeyItemsChanged(TObject* sender);
    void ListMouseUp(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    // The open list selects the current item.
    void SyncListSelection();
    bool SelectNextByWheel(bool down);
    // A mouse button message on the text part of a key-mode box.
    bool KeyModeTextPress(const TMessage& Message) const;
    // Key-mode presses on the text part open or close the list.
    void KeyModeMouse(const TMessage& Message);
    bool IsOwnWindow(HWND window);

    std::unique_ptr<TDropDownBoxVyn> dropDownBox_;
    int itemIndex_ = -1;
    std::unique_ptr<TStringList> items_;
    std::unique_ptr<TStringList> keyItems_;
    bool listDropped_ = false;
    TNotInListEventVyn onNotInList_;
    TPopupListboxVyn* popupList_ = nullptr;
    TCloseUpEventVyn onCloseUp_;
    TNotifyEvent onDropDown_;
    TListGetImageIndexEventVyn onGetItemImageIndex_;
    int itemsCount_ = 0;
    bool keyItemsMode_ = false;
    Variant keyValue_ = Null();
    int itemImageIndex_ = -1;
    bool dropDownByThisPress_ = false;
    AnsiString pendingLeadBytes_;
};

class TDBComboBoxVyn : public TCustomDBComboBoxVyn {
    SERVIORA_CLASS(TDBComboBoxVyn, TCustomDBComboBoxVyn)
    SERVIORA_PUBLISHED
public:
    using TCustomDBComboBoxVyn::TCustomDBComboBoxVyn;
};
