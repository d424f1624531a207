// TButtonControl, TCheckBox and TRadioButton over the platform's "Button"
// class, and the group boxes: TGroupBox and TRadioGroup, whose ItemIndex
// follows the radio buttons it makes for its Items.
#pragma once

#include <memory>
#include <vector>

#include "platform/rtl/stringlist.h"
#include "platform/ui/stdctrls_edit.h"

SERVIORA_ENUM(TCheckBoxState, cbUnchecked, cbChecked, cbGrayed)

// A control over the "Button" class that can be checked; BN_CLICKED from
// the window arrives as Toggle (check boxes) or becoming checked (radio buttons).
class TButtonControl : public TWinControl {
    SERVIORA_CLASS(TButtonControl, TWinControl)
public:
    explicit TButtonControl(TComponent* owner);

    bool Checked() const { return GetChecked(); }
    void SetChecked(bool v) { SetCheckedState(v); }

protected:
    // Set while a change of the checked state must not fire OnClick.
    bool ClicksDisabled() const { return clicksDisabled_; }
    void SetClicksDisabled(bool v) { clicksDisabled_ = v; }
    virtual bool GetChecked() const = 0;
    virtual void SetCheckedState(bool v) = 0;
    virtual void Clicked() = 0;
    void CreateParams(TCreateParams& params) override;
    void CNCommand(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CN_COMMAND, CNCommand)
    SERVIORA_MESSAGES_END(TWinControl)

private:
    bool clicksDisabled_ = false;
};

class TCustomCheckBox : public TButtonControl {
    SERVIORA_CLASS(TCustomCheckBox, TButtonControl)
    SERVIORA_PUBLISHED
public:
    explicit TCustomCheckBox(TComponent* owner);

    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState v);
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool v) { allowGrayed_ = v; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);
    // The caption's side: right of the box, or left of it only when a
    // right-to-left box keeps its caption at the right.
    TAlignment GetControlsAlignment() const override;

protected:
    bool GetChecked() const override { return state_ == cbChecked; }
    void SetCheckedState(bool v) override { SetState(v ? cbChecked : cbUnchecked); }
    void Clicked() override;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
    TAlignment alignment_ = taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
    SERVIORA_CLASS(TCheckBox, TCustomCheckBox)
public:
    using TCustomCheckBox::TCustomCheckBox;
};

// Checking one radio button unchecks the others with the same parent.
class TRadioButton : public TButtonControl {
    SERVIORA_CLASS(TRadioButton, TButtonControl)
    SERVIORA_PUBLISHED
public:
    explicit TRadioButton(TComponent* owner);

protected:
    bool GetChecked() const override { return checked_; }
    void SetCheckedState(bool v) override;
    void Clicked() override;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    bool checked_ = false;
};

// A frame with a caption around other controls.
class TCustomGroupBox : public TCustomControl {
    SERVIORA_CLASS(TCustomGroupBox, TCustomControl)
public:
    explicit TCustomGroupBox(TComponent* owner);
    void AdjustClientRect(TRect& rect) const override;

protected:
    void Paint() override;
};

class TGroupBox : public TCustomGroupBox {
    SERVIORA_CLASS(TGroupBox, TCustomGroupBox)
public:
    using TCustomGroupBox::TCustomGroupBox;
};

// A group box of radio buttons, one per item, in Columns columns.
class TCustomRadioGroup : public TCustomGroupBox {
    SERVIORA_CLASS(TCustomRadioGroup, TCustomGroupBox)
    SERVIORA_PUBLISHED
public:
    explicit TCustomRadioGroup(TComponent* owner);
    ~TCustomRadioGroup() override;

    TStrings* Items() const { return items_.get(); }
    void SetItems(TStrings* v) { items_->Assign(v); }
    Integer ItemIndex() const { return itemIndex_; }
    void SetItemIndex(Integer v);
    Integer Columns() const { return columns_; }
    void SetColumns(Integer v);

protected:
    void Resize() override;

private:
    void ItemsChanged(TObject* sender);
    void ButtonClicked(TObject* sender);
    void ArrangeButtons();

    std::unique_ptr<TStringList> items_;
    std::vector<TRadioButton*> buttons_;  // owned by the group as its components
    Integer itemIndex_ = -1;
    Integer columns_ = 1;
    bool updating_ = false;
};

class TRadioGroup : public TCustomRadioGroup {
    SERVIORA_CLASS(TRadioGroup, TCustomRadioGroup)
public:
    using TCustomRadioGroup::TCustomRadioGroup;
};
