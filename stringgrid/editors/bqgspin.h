// The spin editor: a masked edit with a pair of arrow buttons that steps an
// integer, a number, a date or a time, the arrow pair itself and the speed
// button that repeats its click while it is held down.
#pragma once

#include "platform/ui/buttons.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/mask.h"

SERVIORA_ENUM(TSpinArrow, saLeft, saRight, saUp, saDown)
SERVIORA_ENUM(TSpinDirection, spVertical, spHorizontal)
SERVIORA_ENUM(TBqgSpinType, sptNormal, sptFloat, sptDate, sptTime)

// Held down, it clicks again after 400 ms and then every 100 ms.
class TBavTimerSpeedButton : public TSpeedButton {
    SERVIORA_CLASS(TBavTimerSpeedButton, TSpeedButton)

public:
    explicit TBavTimerSpeedButton(TComponent* owner);
    bool RepeatEnabled() const { return repeatEnabled_; }
    void SetRepeatEnabled(bool v) { repeatEnabled_ = v; }
    TSpinArrow ArrowDirection() const { return arrowDirection_; }
    void SetArrowDirection(TSpinArrow v);
    TTimer* RepeatTimer() const { return repeatTimer_; }

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Paint() override;

private:
    void RepeatStep();

    bool repeatEnabled_ = false;
    TSpinArrow arrowDirection_ = saUp;
    TTimer* repeatTimer_ = nullptr;
};

// Two arrows stacked (or side by side) whose clicks go to OnUpClick and
// OnDownClick.
class TBqgSpinButton : public TWinControl {
    SERVIORA_CLASS(TBqgSpinButton, TWinControl)

public:
    explicit TBqgSpinButton(TComponent* owner);
    TSpinDirection Direction() const { return direction_; }
    void SetDirection(TSpinDirection v);
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* v) { focusControl_ = v; }
    TBavTimerSpeedButton* UpButton() const { return upButton_; }
    TBavTimerSpeedButton* DownButton() const { return downButton_; }
    const TNotifyEvent& OnUpClick() const { return onUpClick_; }
    void SetOnUpClick(TNotifyEvent v) { onUpClick_ = std::move(v); }
    const TNotifyEvent& OnDownClick() const { return onDownClick_; }
    void SetOnDownClick(TNotifyEvent v) { onDownClick_ = std::move(v); }
    void SetBounds(int left, int top, int width, int height) override;

protected:
    void KeyDown(Word& key, TShiftState shift) override;
    void WndProc(TMessage& message) override;

private:
    void Layout(int width, int height);
    void ArrowPressed(TBavTimerSpeedButton* arrow);

    TSpinDirection direction_ = spVertical;
    TWinControl* focusControl_ = nullptr;
    TBavTimerSpeedButton* upButton_;
    TBavTimerSpeedButton* downButton_;
    TBavTimerSpeedButton* focusedButton_;
    TNotifyEvent onUpClick_, onDownClick_;
};

// The edit that steps its value with the arrows, Up, Down, PageUp and
// PageDown. Limits of a kind apply only when its minimum and maximum differ.
class TBqgSpinEdit : public TCustomMaskEdit {
    SERVIORA_CLASS(TBqgSpinEdit, TCustomMaskEdit)

public:
    explicit TBqgSpinEdit(TComponent* owner);

    TBqgSpinType SpinType() const { return spinType_; }
    void SetSpinType(TBqgSpinType v);
    // The text as an integer; a text that is none reads as MinValue.
    int Value();
    void SetValue(int v);
    // The text as a number; a text that is none reads as MinValue.
    double FloatValue();
    void SetFloatValue(double v);
    // "0" or an empty text reads as now; a text that is no date as MinDateValue.
    TDateTime DateValue();
    void SetDateValue(TDateTime v);
    TDateTime TimeValue();
    void SetTimeValue(TDateTime v);
    int MinValue() const { return minValue_; }
    void SetMinValue(int v) { minValue_ = v; }
    int MaxValue() const { return maxValue_; }
    void SetMaxValue(int v) { maxValue_ = v; }
    double MinFloatValue() const { return minFloatValue_; }
    void SetMinFloatValue(double v) { minFloatValue_ = v; }
    double MaxFloatValue() const { return maxFloatValue_; }
    void SetMaxFloatValue(double v) { maxFloatValue_ = v; }
    TDateTime MinDateValue() const { return minDateValue_; }
    void SetMinDateValue(TDateTime v) { minDateValue_ = v; }
    TDateTime MaxDateValue() const { return maxDateValue_; }
    void SetMaxDateValue(TDateTime v) { maxDateValue_ = v; }
    int Increment() const { return increment_; }
    void SetIncrement(int v) { increment_ = v; }
    double IncrementFloat() const { return incrementFloat_; }
    void SetIncrementFloat(double v) { incrementFloat_ = v; }
    int Precision() const { return precision_; }
    void SetPrecision(int v);
    bool EditorEnabled() const { return editorEnabled_; }
    void SetEditorEnabled(bool v) { editorEnabled_ = v; }
    bool ReturnIsTab() const { return returnIsTab_; }
    void SetReturnIsTab(bool v) { returnIsTab_ = v; }
    bool ExcelStyleDecimalSeparator() const { return excelStyleDecimalSeparator_; }
    void SetExcelStyleDecimalSeparator(bool v) { excelStyleDecimalSeparator_ = v; }
    TBqgSpinButton* Button() const { return button_; }

    virtual bool IsValidChar(char key);
    virtual void UpClick();
    virtual void DownClick();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Resize() override;
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void DoExit() override;
    void WndProc(TMessage& message) override;

private:
    void Step(int sign);
    void SetEditRect();
    bool IntLimited() const { return minValue_ != maxValue_; }
    bool FloatLimited() const { return minFloatValue_ != maxFloatValue_; }
    bool DateLimited() const { return minDateValue_ != maxDateValue_; }

    TBqgSpinButton* button_;
    TBqgSpinType spinType_ = sptNormal;
    int minValue_ = 0, maxValue_ = 100, increment_ = 1, precision_ = 0;
    double minFloatValue_ = 0, maxFloatValue_ = 100, incrementFloat_ = 0.1;
    TDateTime minDateValue_ = 0, maxDateValue_ = 0;
    TDateTime dateValue_ = 0, timeValue_ = 0;
    bool editorEnabled_ = true;
    bool returnIsTab_ = false;
    bool excelStyleDecimalSeparator_ = false;
};
