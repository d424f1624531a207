// TPanel and TTimer.
#pragma once

#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"

SERVIORA_ENUM(TPanelBevel, bvNone, bvLowered, bvRaised, bvSpace)

// A container with bevels and a caption.
class TCustomPanel : public TCustomControl {
    SERVIORA_CLASS(TCustomPanel, TCustomControl)
    SERVIORA_PUBLISHED
public:
    explicit TCustomPanel(TComponent* owner);

    TPanelBevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel v);
    TPanelBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel v);
    Integer BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(Integer v);
    Integer BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(Integer v);
    // bsSingle gives the panel a sunken client edge; other styles draw none.
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);
    // Whether a resize repaints the whole panel; descendants that can repaint
    // less read it.
    bool FullRepaint() const { return fullRepaint_; }
    void SetFullRepaint(bool v) { fullRepaint_ = v; }
    void AdjustClientRect(TRect& rect) const override;

protected:
    void Paint() override;
    void CreateParams(TCreateParams& params) override;

private:
    void BordersChanged();

    TPanelBevel bevelInner_ = bvNone;
    TPanelBevel bevelOuter_ = bvRaised;
    Integer bevelWidth_ = 1;
    Integer borderWidth_ = 0;
    TFormBorderStyle borderStyle_ = bsNone;
    TAlignment alignment_ = taCenter;
    bool fullRepaint_ = true;
};

class TPanel : public TCustomPanel {
    SERVIORA_CLASS(TPanel, TCustomPanel)
public:
    using TCustomPanel::TCustomPanel;
};

// Fires OnTimer every Interval milliseconds while Enabled (and a handler is set).
class TTimer : public TComponent {
    SERVIORA_CLASS(TTimer, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    Cardinal Interval() const { return interval_; }
    void SetInterval(Cardinal v);
    const TNotifyEvent& OnTimer() const { return onTimer_; }
    void SetOnTimer(TNotifyEvent v);

protected:
    virtual void Timer();

private:
    void UpdateTimer();
    void WndProc(TMessage& Message);

    bool enabled_ = true;
    Cardinal interval_ = 1000;
    TNotifyEvent onTimer_;
    HWND window_ = 0;
};
