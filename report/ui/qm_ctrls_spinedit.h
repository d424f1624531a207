// The numeric spin edit of the report's dialogs: integer or fixed-point
// text, kept within its limits, stepped by the arrow keys or buttons.
#pragma once

#include "platform/ui/comctrls_updown.h"
#include "platform/ui/stdctrls_edit.h"

SERVIORA_ENUM(TQmValueType, qmvtInteger, qmvtFloat)

// The spin edit's arrows: the position rests at 0 between -1 and 1, so
// every click reports one step however often the user clicks.
class TKyUpDown : public TUpDown {
    SERVIORA_CLASS(TKyUpDown, TUpDown)
public:
    explicit TKyUpDown(TComponent* owner);

protected:
    void WMScroll(TMessage& Message);
    void WMSize(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CN_VSCROLL, WMScroll)
        SERVIORA_MESSAGE(CN_HSCROLL, WMScroll)
        SERVIORA_MESSAGE(WM_SIZE, WMSize)
    SERVIORA_MESSAGES_END(TUpDown)

private:
    bool resetting_ = false;
};

class TQmSpinEdit : public TCustomEdit {
    SERVIORA_CLASS(TQmSpinEdit, TCustomEdit)
    SERVIORA_PUBLISHED
public:
    explicit TQmSpinEdit(TComponent* owner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);
    bool ArrowKeys() const { return arrowKeys_; }
    void SetArrowKeys(bool v) { arrowKeys_ = v; }
    Byte Decimal() const { return decimal_; }
    void SetDecimal(Byte v);
    bool EditorEnabled() const { return editorEnabled_; }
    void SetEditorEnabled(bool v) { editorEnabled_ = v; }
    double Increment() const { return increment_; }
    void SetIncrement(double v) { increment_ = v; }
    double MaxValue() const { return maxValue_; }
    void SetMaxValue(double v) { maxValue_ = v; }
    double MinValue() const { return minValue_; }
    void SetMinValue(double v) { minValue_ = v; }
    TQmValueType ValueType() const { return valueType_; }
    void SetValueType(TQmValueType v);
    // An empty text or "-" reads 0, text that is no number MinValue.
    double Value() const;
    // Kept within the limits unless they are equal.
    void SetValue(double v);
    Integer AsInteger() const { return static_cast<Integer>(Value()); }

    virtual bool IsValidChar(char key) const;
    virtual void UpClick(TObject* Sender);
    virtual void DownClick(TObject* Sender);

    TNotifyEvent OnTopClick, OnBottomClick;

    // The strip the arrow buttons take at the edit's side.
    static int ButtonWidth();
    TKyUpDown* Buttons() const { return buttons_; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Change() override;
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void DoExit() override;
    void WMSize(TMessage& Message);
    void WMEditing(TMessage& Message);
    void CMEditRectChanged(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_SIZE, WMSize)
        SERVIORA_MESSAGE(WM_PASTE, WMEditing)
        SERVIORA_MESSAGE(WM_CUT, WMEditing)
        SERVIORA_MESSAGE(CM_FONTCHANGED, CMEditRectChanged)
        SERVIORA_MESSAGE(CM_CTL3DCHANGED, CMEditRectChanged)
        SERVIORA_MESSAGE(CM_BIDIMODECHANGED, CMEditRectChanged)
    SERVIORA_MESSAGES_END(TCustomEdit)

private:
    // Forms store Increment only when it is not 1, Value when it is not 0.
    bool IncrementStored() const { return increment_ != 1; }
    bool ValueStored() const { return Value() != 0; }
    void Step(double delta, const TNotifyEvent& after);
    void UpDownClick(TObject* Sender, TUDBtnType button);
    // Keeps the typed text out of the buttons' strip.
    void SetEditRect();
    int MinHeight();

    TAlignment alignment_ = taLeftJustify;
    double minValue_ = 0, maxValue_ = 2147483647, increment_ = 1;
    Byte decimal_ = 2;
    bool changing_ = false;
    bool editorEnabled_ = true;
    TQmValueType valueType_ = qmvtInteger;
    bool arrowKeys_ = true;
    TKyUpDown* buttons_ = nullptr;
};
