// The first standard controls: TLabel and TButton.
#pragma once

#include "platform/data/db_types.h"  // TAlignment, shared with the fields
#include "platform/ui/controls.h"

SERVIORA_ENUM(TTextLayout, tlTop, tlCenter, tlBottom)

class TWinControl;

class TCustomLabel : public TGraphicControl {
    SERVIORA_CLASS(TCustomLabel, TGraphicControl)
    SERVIORA_PUBLISHED
public:
    explicit TCustomLabel(TComponent* owner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout v);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool v);
    // Alt with the caption's accelerator character focuses this control.
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* v);

protected:
    void Paint() override;
    void TextChanged(const AnsiString& text) override;
    void Loaded() override;
    void AdjustBounds();
    UINT DrawTextFlags() const;
    void Notification(TComponent* component, TOperation operation) override;
    void CMDialogChar(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CM_DIALOGCHAR, CMDialogChar)
    SERVIORA_MESSAGES_END(TGraphicControl)

private:
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool autoSize_ = true;
    bool transparent_ = false;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
    TWinControl* focusControl_ = nullptr;
};

class TLabel : public TCustomLabel {
    SERVIORA_CLASS(TLabel, TCustomLabel)
public:
    using TCustomLabel::TCustomLabel;
};

// A push button. Enter clicks the focused button, or the Default button
// when the focus is on no button; Esc clicks the Cancel button. A button
// with a ModalResult sets its form's ModalResult when clicked.
class TButton : public TCustomControl {
    SERVIORA_CLASS(TButton, TCustomControl)
    SERVIORA_PUBLISHED
public:
    explicit TButton(TComponent* owner);

    bool Default() const { return default_; }
    void SetDefault(bool v);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    Integer ModalResult() const { return modalResult_; }
    void SetModalResult(Integer v) { modalResult_ = v; }
    void Click() override;

protected:
    void Paint() override;
    void WMLButtonDown(TMessage& Message);
    void WMLButtonUp(TMessage& Message);
    void WMKeyUp(TMessage& Message);
    void WMGetDlgCode(TMessage& Message);
    void WMFocusChanged(TMessage& Message);
    void CMDialogKey(TMessage& Message);
    void CMDialogChar(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_LBUTTONDOWN, WMLButtonDown)
        SERVIORA_MESSAGE(WM_LBUTTONDBLCLK, WMLButtonDown)
        SERVIORA_MESSAGE(WM_LBUTTONUP, WMLButtonUp)
        SERVIORA_MESSAGE(WM_KEYUP, WMKeyUp)
        SERVIORA_MESSAGE(WM_GETDLGCODE, WMGetDlgCode)
        SERVIORA_MESSAGE(WM_SETFOCUS, WMFocusChanged)
        SERVIORA_MESSAGE(WM_KILLFOCUS, WMFocusChanged)
        SERVIORA_MESSAGE(CM_DIALOGKEY, CMDialogKey)
        SERVIORA_MESSAGE(CM_DIALOGCHAR, CMDialogChar)
    SERVIORA_MESSAGES_END(TCustomControl)

private:
    bool default_ = false;
    bool cancel_ = false;
    Integer modalResult_ = 0;
    bool pressed_ = false;
};
