// Controls of a value within a range, over the platform's window classes:
// TProgressBar ("msctls_progress32") and TTrackBar ("msctls_trackbar32").
// Each keeps its range and position while it has no window and hands them to
// the window it makes. The up-down control has its own unit.
#pragma once

#include "platform/ui/controls.h"

SERVIORA_ENUM(TTrackBarOrientation, trHorizontal, trVertical)
SERVIORA_ENUM(TTickStyle, tsNone, tsAuto, tsManual)

class TProgressBar : public TWinControl {
    SERVIORA_CLASS(TProgressBar, TWinControl)
    SERVIORA_PUBLISHED
public:
    explicit TProgressBar(TComponent* owner);

    Integer Min() const { return min_; }
    void SetMin(Integer v) { SetRange(v, max_); }
    Integer Max() const { return max_; }
    void SetMax(Integer v) { SetRange(min_, v); }
    Integer Position() const;
    void SetPosition(Integer v);
    Integer Step() const { return step_; }
    void SetStep(Integer v);
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool v);
    void StepIt();
    void StepBy(Integer delta);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    void SetRange(Integer min, Integer max);

    Integer min_ = 0, max_ = 100, position_ = 0, step_ = 10;
    bool smooth_ = false;
};

class TTrackBar : public TWinControl {
    SERVIORA_CLASS(TTrackBar, TWinControl)
    SERVIORA_PUBLISHED
public:
    explicit TTrackBar(TComponent* owner);

    Integer Min() const { return min_; }
    void SetMin(Integer v);
    Integer Max() const { return max_; }
    void SetMax(Integer v);
    Integer Position() const;
    void SetPosition(Integer v);
    Integer Frequency() const { return frequency_; }
    void SetFrequency(Integer v);
    Integer LineSize() const { return lineSize_; }
    void SetLineSize(Integer v);
    Integer PageSize() const { return pageSize_; }
    void SetPageSize(Integer v);
    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation v);
    TTickStyle TickStyle() const { return tickStyle_; }
    void SetTickStyle(TTickStyle v);

    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent v) { onChange_ = std::move(v); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    virtual void Changed();
    void CNScroll(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CN_HSCROLL, CNScroll)
        SERVIORA_MESSAGE(CN_VSCROLL, CNScroll)
    SERVIORA_MESSAGES_END(TWinControl)

private:
    void Remake();

    Integer min_ = 0, max_ = 10, position_ = 0, frequency_ = 1, lineSize_ = 1, pageSize_ = 2;
    TTrackBarOrientation orientation_ = trHorizontal;
    TTickStyle tickStyle_ = tsAuto;
    TNotifyEvent onChange_;
};
