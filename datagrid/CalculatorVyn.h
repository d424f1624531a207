// A four-function calculator control that builds its display and 23 flat
// keys from its own form description (CalculatorVyn.dfm), read the way a
// form reads its own; keys and typed characters go through FeedKey.
#pragma once

#include "datagrid/ToolCtrlsVynButtons.h"
#include "datagrid/ToolCtrlsVynDropDown.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_edit.h"

class TCalculatorVyn : public TCustomControl {
    SERVIORA_CLASS(TCalculatorVyn, TCustomControl)
    SERVIORA_PUBLISHED
public:
    explicit TCalculatorVyn(TComponent* owner);
    void AfterConstruction() override;
    // The calculator sizes itself to its contents once they are known.
    void SetBounds(int left, int top, int width, int height) override;

    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);
    int PixelsPerInch() const;
    void SetPixelsPerInch(int v);
    // Accepted from descriptions and ignored.
    bool OldCreateOrder() const { return false; }
    void SetOldCreateOrder(bool) {}
    // While the description is read they are kept for the sizing after it.
    int StoredClientWidth() const { return storedClientWidth_; }
    void SetStoredClientWidth(int v);
    int StoredClientHeight() const { return storedClientHeight_; }
    void SetStoredClientHeight(int v);

    // The height the window's frame adds.
    virtual int BorderExtent();
    // One key: a digit, ".", ",", an operator, "=", Enter, Backspace, C,
    // Escape, I (+/-), R (1/x), S (sqrt), Ctrl+C, Ctrl+V.
    virtual void FeedKey(char key);
    // The character a key of this Tag feeds.
    static char KeyCharByTag(int tag);

    AnsiString ShownText() const;
    // 0 in the error status.
    double ShownValue() const;
    void SetShownValue(double value);
    int EntryState() const { return entryState_; }
    void ClearAll();
    void CopyDisplay();
    // EConvertError, with the display unchanged, for a text that is no number.
    void PasteDisplay();

    // Every key's click handler.
    void SpeedButtonClick(TObject* Sender);

    TPanel* Panel1 = nullptr;
    TLabel* TextBox = nullptr;
    TSpeedButtonVyn* spEqual = nullptr;

protected:
    void ReadState(TReader* reader) override;
    void DefineProperties(TFiler* filer) override;
    void CreateParams(TCreateParams& params) override;
    void KeyPress(char& key) override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    // The size the stored client size and the frame give.
    void SizeToContents();

private:
    void StartNumber();
    void ShowError();
    void UpdateEqualKey();
    void ApplyOperator(char key);

    TBorderStyle borderStyle_ = bsNone;
    int storedClientWidth_ = 0;
    int storedClientHeight_ = 0;
    bool scaleWidth_ = false;
    bool scaleHeight_ = false;
    double pendingOperand_ = 0;
    char pendingOperator_ = '=';
    int pixelsPerInch_ = 0;
    int entryState_ = 0;
    int textHeight_ = 0;
};

// What an editor asks of the pop-up it drops down.
class IPopupEditorVyn {
public:
    virtual ~IPopupEditorVyn() = default;
    // Whether Enter would close the pop-up (no operation pending).
    virtual bool EnterClosesPopup() = 0;
    virtual bool GetFlatKeys() = 0;
    // The display value; an error variant (-1) in the error status.
    virtual Variant CurrentValue() = 0;
    virtual void SetFlatKeys(bool value) = 0;
    // Clears the calculator and shows the value as a number.
    virtual void LoadValue(const Variant& value) = 0;
};

// The calculator an editor drops down: a never-focused pop-up window whose
// Enter ("Ok") and Escape tell the owning editor to close it.
class TPopupCalculatorVyn : public TCalculatorVyn, public IPopupEditorVyn {
    SERVIORA_CLASS(TPopupCalculatorVyn, TCalculatorVyn)
public:
    explicit TPopupCalculatorVyn(TComponent* owner);
    void AfterConstruction() override;

    bool EnterClosesPopup() override;
    bool GetFlatKeys() override { return flatKeys_; }
    Variant CurrentValue() override;
    void SetFlatKeys(bool value) override;
    void LoadValue(const Variant& value) override;

    void FeedKey(char key) override;
    bool CanFocus() const override { return false; }
    int BorderExtent() override;
    int FrameWidth() const { return frameWidth_; }

protected:
    void CreateParams(TCreateParams& params) override;
    void KeyDown(Word& key, TShiftState shift) override;
    virtual void PaintFrame();

    void CMWantSpecialKey(TMessage& Message);
    void CMCtl3DChanged(TMessage& Message);
    void WMMouseActivate(TMessage& Message);
    void WMGetDlgCode(TMessage& Message);
    void WMNCCalcSize(TMessage& Message);
    void WMNCPaint(TMessage& Message);
    void QueuedCloseUp(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CM_WANTSPECIALKEY, CMWantSpecialKey)
        SERVIORA_MESSAGE(CM_CTL3DCHANGED, CMCtl3DChanged)
        SERVIORA_MESSAGE(WM_MOUSEACTIVATE, WMMouseActivate)
        SERVIORA_MESSAGE(WM_GETDLGCODE, WMGetDlgCode)
        SERVIORA_MESSAGE(WM_NCCALCSIZE, WMNCCalcSize)
        SERVIORA_MESSAGE(WM_NCPAINT, WMNCPaint)
        SERVIORA_MESSAGE(QueuedCloseUpMessage, QueuedCloseUp)
    SERVIORA_MESSAGES_END(TCalculatorVyn)

private:
    // The owning editor's close request, when it takes one.
    void CloseDropDown(bool accept);

    int frameWidth_ = 0;
    bool flatKeys_ = true;
};
