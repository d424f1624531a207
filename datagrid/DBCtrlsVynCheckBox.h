// The data-aware check box: a self-painted box bound through the editors'
// field link. A Boolean field, or any field whose text is one of the
// ";"-separated texts of ValueChecked or ValueUnchecked, shows as checked,
// unchecked or grayed; without a data source the box keeps its state as the
// link's own value (True, False or Null).
#pragma once

#include <memory>

#include "datagrid/DBCtrlsVynDataLink.h"
#include "datagrid/DBCtrlsVynEdit.h"
#include "platform/ui/stdctrls_buttons.h"

class TCustomDBCheckBoxVyn : public TButtonControl {
    SERVIORA_CLASS(TCustomDBCheckBoxVyn, TButtonControl)
public:
    explicit TCustomDBCheckBoxVyn(TComponent* owner);
    ~TCustomDBCheckBoxVyn() override;

    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    // Left only for a right-to-left box whose caption keeps to the right.
    TAlignment GetControlsAlignment() const override;
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool value) { allowGrayed_ = value; }
    bool AlwaysShowBorder() const { return alwaysShowBorder_; }
    void SetAlwaysShowBorder(bool value);
    bool Flat() const { return flat_; }
    void SetFlat(bool value);
    bool ReadOnly() const { return dataLink_->ReadOnly(); }
    void SetReadOnly(bool value) { dataLink_->SetReadOnly(value); }
    const AnsiString& ValueChecked() const { return valueChecked_; }
    void SetValueChecked(const AnsiString& value);
    const AnsiString& ValueUnchecked() const { return valueUnchecked_; }
    void SetValueUnchecked(const AnsiString& value);
    AnsiString DataField() const { return dataLink_->FieldName(); }
    void SetDataField(const AnsiString& value);
    TDataSource* DataSource() const { return dataLink_->DataSource(); }
    void SetDataSource(TDataSource* value);
    TField* Field() const { return dataLink_->Field(); }
    TFieldDataLinkVyn* DataLink() const { return dataLink_.get(); }
    // What the control handles itself, else what its data source answers.
    bool ExecuteAction(TBasicAction* action) override;
    bool UpdateAction(TBasicAction* action) override;
    bool Modified() const { return modified_; }
    bool Hovered() const { return hovered_; }
    bool SpacePressed() const { return spacePressed_; }
    const TUpdateDataEventVyn& OnUpdateData() const { return onUpdateData_; }
    void SetOnUpdateData(TUpdateDataEventVyn v) { onUpdateData_ = std::move(v); }
    bool StateStored() const { return DataIndependent() && state_ != cbUnchecked; }

    // The state the data gives.
    TCheckBoxState StateFromData() const;
    // Whether one of the ";"-separated entries of `list` is `text`,
    // blanks and control characters around entries ignored, case ignored.
    static bool ListContains(const AnsiString& list, const AnsiString& text);

protected:
    virtual void PaintControl();
    virtual bool DataIndependent() const { return dataLink_->DataIndependent(); }
    virtual void PaintCaption(TRect rect, bool hasFocus, bool pressed, bool hot);
    virtual void PaintCheckGlyph(TRect rect, TCheckBoxState state, bool pressed, bool hot, bool hasFocus);
    virtual void PaintCheck(TCheckBoxState state, bool hasFocus, bool pressed, bool hot);
    virtual void SetStateInternal(TCheckBoxState value);
    virtual void PostState();
    virtual void CycleState();
    virtual void UpdateData(TObject* sender);

    bool GetChecked() const override { return state_ == cbChecked; }
    void SetCheckedState(bool value) override { SetState(value ? cbChecked : cbUnchecked); }
    // A click on the box, a release of Space, an accelerator: the next state.
    void Clicked() override;
    void CreateParams(TCreateParams& params) override;
    void Notification(TComponent* component, TOperation operation) override;
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyUp(Word& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

    void WMPaint(TMessage& Message);
    void WMCancelMode(TMessage& Message);
    void WMRepaintingChange(TMessage& Message);
    void CMDialogChar(TMessage& Message);
    void CMWantSpecialKey(TMessage& Message);
    void CMExit(TMessage& Message);
    void CMGetDataLink(TMessage& Message);
    void CMMouseEnter(TMessage& Message);
    void CMMouseLeave(TMessage& Message);
    void CNCommand(TMessage& Message);
    void CMCtl3DChanged(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_PAINT, WMPaint)
        SERVIORA_MESSAGE(WM_CANCELMODE, WMCancelMode)
        SERVIORA_MESSAGE(WM_SETFOCUS, WMRepaintingChange)
        SERVIORA_MESSAGE(WM_KILLFOCUS, WMRepaintingChange)
        SERVIORA_MESSAGE(WM_SIZE, WMRepaintingChange)
        SERVIORA_MESSAGE(CM_ENABLEDCHANGED, WMRepaintingChange)
        SERVIORA_MESSAGE(CM_TEXTCHANGED, WMRepaintingChange)
        SERVIORA_MESSAGE(CM_DIALOGCHAR, CMDialogChar)
        SERVIORA_MESSAGE(CM_WANTSPECIALKEY, CMWantSpecialKey)
        SERVIORA_MESSAGE(CM_EXIT, CMExit)
        SERVIORA_MESSAGE(CM_GETDATALINK, CMGetDataLink)
        SERVIORA_MESSAGE(CM_MOUSEENTER, CMMouseEnter)
        SERVIORA_MESSAGE(CM_MOUSELEAVE, CMMouseLeave)
        SERVIORA_MESSAGE(CN_COMMAND, CNCommand)
        SERVIORA_MESSAGE(CM_CTL3DCHANGED, CMCtl3DChanged)
    SERVIORA_MESSAGES_END(TButtonControl)

private:
    void DataChange(TObject* sender);
    // Bound to a data source but to no field of it: nothing to edit or post.
    bool WithoutField() const { return !DataIndependent() && !Field(); }
    bool UseRightToLeft() const;

    TAlignment alignment_ = taRightJustify;
    bool allowGrayed_ = false;
    bool alwaysShowBorder_ = false;
    std::unique_ptr<TFieldDataLinkVyn> dataLink_;
    bool flat_ = false;
    bool modified_ = false;
    bool hovered_ = false;
    TUpdateDataEventVyn onUpdateData_;
    TCheckBoxState state_ = cbUnchecked;
    AnsiString valueChecked_;
    AnsiString valueUnchecked_;
    std::unique_ptr<TControlCanvas> canvas_;
    bool postingInProgress_ = false;
    bool spacePressed_ = false;
    bool mousePressed_ = false;
};

class TDBCheckBoxVyn : public TCustomDBCheckBoxVyn {
    SERVIORA_CLASS(TDBCheckBoxVyn, TCustomDBCheckBoxVyn)
    SERVIORA_PUBLISHED
public:
    using TCustomDBCheckBoxVyn::TCustomDBCheckBoxVyn;
};
