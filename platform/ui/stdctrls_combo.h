// TCustomComboBox and TComboBox over the platform's "ComboBox" window
// class. Items are kept by the control and mirrored into the window; the
// events follow the window's notifications: OnDropDown before the list
// opens (a handler may refill Items), OnChange on typing and on choosing,
// OnSelect on choosing, OnCloseUp when the list closes. The owner-draw
// styles draw the items and the selection field through OnDrawItem. Keys
// typed into the box's own edit reach the control's key events (OnKeyDown,
// OnKeyPress, OnKeyUp) and the form's dialog keys, as keys typed into an
// edit do.
#pragma once

#include <memory>

#include "platform/ui/itemstrings.h"
#include "platform/ui/stdctrls_edit.h"
#include "platform/ui/stdctrls_listcontrol.h"

SERVIORA_ENUM(TComboBoxStyle, csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable)

class TCustomComboBox : public TCustomListControl {
    SERVIORA_CLASS(TCustomComboBox, TCustomListControl)
    SERVIORA_PUBLISHED
public:
    explicit TCustomComboBox(TComponent* owner);
    ~TCustomComboBox() override;

    TStrings* Items() const override;
    void SetItems(TStrings* v);
    // Empties the list and the text.
    void Clear();
    bool Focused() const override;
    Integer ItemIndex();
    void SetItemIndex(Integer v);
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle v);
    Integer DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(Integer v) { dropDownCount_ = v; }
    bool Sorted() const { return sorted_; }
    void SetSorted(bool v);
    Integer MaxLength() const { return maxLength_; }
    void SetMaxLength(Integer v);
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase v);
    bool DroppedDown();
    void SetDroppedDown(bool v);
    Integer SelStart();
    void SetSelStart(Integer v);
    Integer SelLength();
    void SetSelLength(Integer v);
    // The selected part of the edit's text; set, it replaces the selection.
    // A list without an edit (csDropDownList) has none.
    AnsiString SelText();
    void SetSelText(const AnsiString& v);
    void SelectAll();

    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent v) { onChange_ = std::move(v); }
    const TNotifyEvent& OnDropDown() const { return onDropDown_; }
    void SetOnDropDown(TNotifyEvent v) { onDropDown_ = std::move(v); }
    const TNotifyEvent& OnCloseUp() const { return onCloseUp_; }
    void SetOnCloseUp(TNotifyEvent v) { onCloseUp_ = std::move(v); }
    const TNotifyEvent& OnSelect() const { return onSelect_; }
    void SetOnSelect(TNotifyEvent v) { onSelect_ = std::move(v); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    const AnsiString& GetText() const override;
    bool VariableItemHeight() const override { return style_ == csOwnerDrawVariable; }
    void ItemHeightChanged() override;
    virtual void Change();
    virtual void DropDown();
    virtual void CloseUp();
    virtual void Select();
    void CNCommand(TMessage& Message);
    // Enter and Esc close an open list instead of reaching the form's buttons.
    void CMWantSpecialKey(TMessage& Message);
    // The edit's window procedure while this control's window lives.
    void EditWndProc(TMessage& Message);
    // The mouse over the edit is over the combo box.
    bool IsInnerMouseWindow(HWND window) const override { return window && window == editHandle_; }

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CN_COMMAND, CNCommand)
        SERVIORA_MESSAGE(CM_WANTSPECIALKEY, CMWantSpecialKey)
    SERVIORA_MESSAGES_END(TCustomListControl)

private:
    void Recreate();
    bool OwnerDrawn() const { return style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable; }

    std::unique_ptr<TWindowItems> items_;
    Integer itemIndex_ = -1;  // kept while there is no window
    TComboBoxStyle style_ = csDropDown;
    Integer dropDownCount_ = 8;
    bool sorted_ = false;
    Integer maxLength_ = 0;
    TEditCharCase charCase_ = ecNormal;
    mutable AnsiString shownText_;
    HWND editHandle_ = 0;
    WNDPROC editDefProc_;
    WNDPROC editInstance_;
    TNotifyEvent onChange_, onDropDown_, onCloseUp_, onSelect_;
};

class TComboBox : public TCustomComboBox {
    SERVIORA_CLASS(TComboBox, TCustomComboBox)
public:
    using TCustomComboBox::TCustomComboBox;
};
