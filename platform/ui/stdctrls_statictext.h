// TStaticText: a caption in a window of its own, so that it can carry a
// border (a line, or a sunken edge) and sit above other windows; sized to
// its text unless AutoSize is off; Alt with its accelerator character
// focuses FocusControl.
#pragma once

#include "platform/ui/stdctrls.h"

SERVIORA_ENUM(TStaticBorderStyle, sbsNone, sbsSingle, sbsSunken)

class TCustomStaticText : public TCustomControl {
    SERVIORA_CLASS(TCustomStaticText, TCustomControl)
    SERVIORA_PUBLISHED
public:
    explicit TCustomStaticText(TComponent* owner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    TStaticBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TStaticBorderStyle v);
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* v);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool v);

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void TextChanged(const AnsiString& text) override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void CMDialogChar(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CM_DIALOGCHAR, CMDialogChar)
    SERVIORA_MESSAGES_END(TCustomControl)

private:
    UINT DrawTextFlags() const;
    void AdjustBounds();

    TAlignment alignment_ = taLeftJustify;
    bool autoSize_ = true;
    TStaticBorderStyle borderStyle_ = sbsNone;
    TWinControl* focusControl_ = nullptr;
    bool showAccelChar_ = true;
};

class TStaticText : public TCustomStaticText {
    SERVIORA_CLASS(TStaticText, TCustomStaticText)
public:
    using TCustomStaticText::TCustomStaticText;
};
