// The styled status bar and its panes: TVxStatusBar (a styled panel at the
// bottom of a form with a size grip and a one-line simple mode), the
// windowless panes TVxStatusPane (a caption in a frame that can blink),
// TVxClockStatus (the current date and time, refreshed by the timer all
// polling panes share) and TVxMarqueeStatus (a caption scrolling on its own
// timer through an off-screen bitmap).
#pragma once

#include <memory>

#include "platform/ui/extctrls.h"
#include "styled/VxBlinkingControls.h"
#include "styled/VxPanel.h"

class TVxStatusBar : public TVxCustomPanel {
    SERVIORA_CLASS(TVxStatusBar, TVxCustomPanel)
    SERVIORA_PUBLISHED
public:
    explicit TVxStatusBar(TComponent* owner);

    // On loading, forces the standard look; cleared by a border change.
    bool AutoStyle() const { return autoStyle_; }
    void SetAutoStyle(bool v) { autoStyle_ = v; }
    // Rescales the panes' widths in proportion when the bar's width changes.
    bool AutoScalePanes() const { return autoScalePanes_; }
    void SetAutoScalePanes(bool v) { autoScalePanes_ = v; }
    bool ShowSizeGrip() const { return showSizeGrip_; }
    virtual void SetShowSizeGrip(bool v);
    // Hides the panes and shows SimpleCaption instead.
    bool SimpleStatus() const { return simpleStatus_; }
    virtual void SetSimpleStatus(bool v);
    const AnsiString& SimpleCaption() const { return simpleCaption_; }
    virtual void SetSimpleCaption(const AnsiString& v);
    TFrameStyle SimpleFrameStyle() const { return simpleFrameStyle_; }
    virtual void SetSimpleFrameStyle(TFrameStyle v);

    void SetBorderInner(TFrameStyleEx v) override;
    void SetBorderOuter(TFrameStyleEx v) override;
    void SetBorderSides(TSides v) override;

    // No borders on any side, 19 pixels high (AutoStyle stays as it was).
    virtual void ApplyAutoStyle();
    // Whether the form can be sized from the grip: a sizeable form that is
    // not maximised.
    bool GripAllowed() const { return gripAllowed_; }
    TRect GripRect() const { return TRect(Width() - 13, 0, Width(), Height()); }

    TRect ClientRect() const override;
    void Loaded() override;

    // Drawn in the platform's visual styles (vsWinXP while they are on).
    bool Themed() const;
    // The bar's themed background under `source` (bar coordinates) copied
    // into `dest` of `target`.
    void CopyThemedBackground(TCanvas* target, const TRect& dest, const TRect& source) const;

protected:
    virtual void DrawSimpleFrame(const TRect& rect);
    void WndProc(TMessage& Message) override;
    void CreateWnd() override;
    void Paint() override;
    void Resize() override;
    TBarColors RampColors() const override;

private:
    void UpdateGripAllowed();
    bool InGrip(const TPoint& point) const;
    void DrawSizeGrip();

    bool autoStyle_ = true;
    bool autoScalePanes_ = false;
    bool showSizeGrip_ = true;
    bool simpleStatus_ = false;
    AnsiString simpleCaption_;
    TFrameStyle simpleFrameStyle_ = fsFlat;
    bool gripAllowed_ = false;
    bool firstResize_ = true;
    int lastWidth_ = 0;
    int widthChange_ = 0;
};

// A pane: its text inside a frame, without a window of its own.
class TVxCustomStatusPane : public TGraphicControl, public IVxFramingNotification {
    SERVIORA_CLASS(TVxCustomStatusPane, TGraphicControl)
    SERVIORA_PUBLISHED
    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(VXM_QUERYBLINKING, VXMQueryBlinking)
        SERVIORA_MESSAGE(VXM_BLINKPHASE, VXMBlinkPhase)
        SERVIORA_MESSAGE(CM_TEXTCHANGED, CMTextChanged)
        SERVIORA_MESSAGE(CM_FONTCHANGED, CMFontChanged)
        SERVIORA_MESSAGE(CM_COLORCHANGED, CMColorChanged)
        SERVIORA_MESSAGE(CM_PARENTCOLORCHANGED, CMColorChanged)
        SERVIORA_MESSAGE(CM_HITTEST, CMHitTest)
        SERVIORA_MESSAGE(CM_MOUSEENTER, CMMouseEnter)
        SERVIORA_MESSAGE(CM_MOUSELEAVE, CMMouseLeave)
    SERVIORA_MESSAGES_END(TGraphicControl)
public:
    explicit TVxCustomStatusPane(TComponent* owner);
    ~TVxCustomStatusPane() override;

    TAlignment Alignment() const { return alignment_; }
    virtual void SetAlignment(TAlignment v);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    int DefaultWidth() const { return defaultWidth_; }
    virtual void SetDefaultWidth(int v);
    int CaptionOffset() const { return captionOffset_; }
    virtual void SetCaptionOffset(int v);
    int BorderWidth() const { return borderWidth_; }
    virtual void SetBorderWidth(int v);
    TFrameStyle FrameStyle() const { return frameStyle_; }
    virtual void SetFrameStyle(TFrameStyle v);
    TColor FlatColor() const { return flatColor_; }
    virtual void SetFlatColor(TColor v);
    int FlatColorAdjustment() const { return flatColorAdjustment_; }
    virtual void SetFlatColorAdjustment(int v);
    // The background of an opaque pane; it follows Color while
    // ParentFillColor is set.
    TColor FillColor() const { return fillColor_; }
    virtual void SetFillColor(TColor v);
    bool ParentFillColor() const { return parentFillColor_; }
    virtual void SetParentFillColor(bool v);
    bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool v);
    bool Blinking() const { return blinking_; }
    virtual void SetBlinking(bool v);
    TColor BlinkColor() const { return blinkColor_; }
    virtual void SetBlinkColor(TColor v);
    // The shared blink timer's phases: every pane reads and writes the same two.
    virtual Word BlinkIntervalOn() const;
    virtual void SetBlinkIntervalOn(Word v);
    virtual Word BlinkIntervalOff() const;
    virtual void SetBlinkIntervalOff(Word v);
    // Shows the application's hints as the caption.
    bool AutoHint() const { return autoHint_; }
    void SetAutoHint(bool v) { autoHint_ = v; }
    // With AutoHint, the hint action's hint becomes the caption.
    bool ExecuteAction(TBasicAction* action) override;
    TVxFrameController* FrameController() const { return frameController_; }
    virtual void SetFrameController(TVxFrameController* v);
    TVxFrameControllerNotifications FrameControllerNotifications() const { return frameControllerNotifications_; }
    void SetFrameControllerNotifications(TVxFrameControllerNotifications v) { frameControllerNotifications_ = v; }
    const TNotifyEvent& OnMouseEnter() const { return onMouseEnter_; }
    void SetOnMouseEnter(TNotifyEvent v) { onMouseEnter_ = std::move(v); }
    const TNotifyEvent& OnMouseLeave() const { return onMouseLeave_; }
    void SetOnMouseLeave(TNotifyEvent v) { onMouseLeave_ = std::move(v); }

    // The width that fits the caption (DefaultWidth when it is empty).
    virtual int FittingWidth();
    // Under AutoSize, takes the fitting width.
    void AdjustWidth();
    // Whether the pane's right edge reaches the size grip of its bar.
    virtual bool ReachesSizeGrip() const;
    // The colour the text is drawn in now (the blink colour while shown).
    TColor CurrentTextColor() const { return currentTextColor_; }
    virtual void ShowBlinkState(bool on);
    void FrameSettingsChanged() override;
    void Loaded() override;

    // The status bar this pane sits on when it is drawn themed.
    const TVxStatusBar* ThemedBar() const;
    // `rect` of the pane in its bar's coordinates.
    TRect BarRect(const TRect& rect) const {
        return TRect(Left() + rect.left, Top() + rect.top, Left() + rect.right, Top() + rect.bottom);
    }

protected:
    void Paint() override;
    // The rectangle the text is drawn in: inside the border width and frame.
    virtual TRect GetTextRect(TRect rect) const;
    virtual void DrawCaptionText(const AnsiString& text);
    virtual void DrawFrame();
    void Notification(TComponent* component, TOperation operation) override;
    // Where the text starts for the pane's alignment, and its top, in `rect`.
    TPoint TextOrigin(TCanvas* canvas, const TRect& rect, UINT& align) const;

private:
    void VXMQueryBlinking(TMessage& Message);
    void VXMBlinkPhase(TMessage& Message);
    void CMTextChanged(TMessage& Message);
    void CMFontChanged(TMessage& Message);
    void CMColorChanged(TMessage& Message);
    void CMHitTest(TMessage& Message);
    void CMMouseEnter(TMessage& Message);
    void CMMouseLeave(TMessage& Message);

    TAlignment alignment_ = taLeftJustify;
    bool autoSize_ = false;
    int defaultWidth_ = 40;
    int captionOffset_ = 2;
    int borderWidth_ = 1;
    TFrameStyle frameStyle_ = fsFlat;
    TColor flatColor_ = clBtnShadow;
    int flatColorAdjustment_ = 30;
    TColor fillColor_ = clBtnFace;
    bool parentFillColor_ = true;
    bool transparent_ = true;
    bool blinking_ = false;
    TColor blinkColor_ = clHighlight;
    bool autoHint_ = false;
    TColor normalTextColor_ = clWindowText;
    TColor currentTextColor_ = clWindowText;
    TVxFrameController* frameController_ = nullptr;
    TVxFrameControllerNotifications frameControllerNotifications_ =
        TVxFrameControllerNotifications::FromBits(AllFrameControllerNotifications);
    TNotifyEvent onMouseEnter_, onMouseLeave_;
};

class TVxStatusPane : public TVxCustomStatusPane {
    SERVIORA_CLASS(TVxStatusPane, TVxCustomStatusPane)
    SERVIORA_PUBLISHED
public:
    using TVxCustomStatusPane::TVxCustomStatusPane;
};

// A pane refreshed by the one polling timer that every polling pane shares:
// Active and Interval read and write that timer.
class TVxPollingStatus : public TVxCustomStatusPane {
    SERVIORA_CLASS(TVxPollingStatus, TVxCustomStatusPane)
    SERVIORA_PUBLISHED
public:
    explicit TVxPollingStatus(TComponent* owner);
    ~TVxPollingStatus() override;

    virtual bool Active() const;
    virtual void SetActive(bool v);
    virtual Word Interval() const;
    virtual void SetInterval(Word v);
    const TNotifyEvent& OnTimerExpired() const { return onTimerExpired_; }
    void SetOnTimerExpired(TNotifyEvent v) { onTimerExpired_ = std::move(v); }

    // One tick of the shared timer.
    virtual void PollTick();

private:
    TNotifyEvent onTimerExpired_;
};

using TVxGetDateTimeEvent = TEvent<void(TObject* Sender, TDateTime& DateTime)>;

// Shows the current date and time in Format (the platform's date-time
// formatting; empty: the platform's default text), refreshed by the
// polling timer and repainted only when the text changes.
class TVxClockStatus : public TVxPollingStatus {
    SERVIORA_CLASS(TVxClockStatus, TVxPollingStatus)
    SERVIORA_PUBLISHED
public:
    explicit TVxClockStatus(TComponent* owner);

    const AnsiString& Format() const { return format_; }
    void SetFormat(const AnsiString& v);
    const TVxGetDateTimeEvent& OnGetDateTime() const { return onGetDateTime_; }
    void SetOnGetDateTime(TVxGetDateTimeEvent v) { onGetDateTime_ = std::move(v); }

    virtual void UpdateTime();
    void PollTick() override;
    void Loaded() override;

protected:
    void Paint() override;
    TRect GetTextRect(TRect rect) const override;

private:
    AnsiString format_;
    AnsiString text_;
    TVxGetDateTimeEvent onGetDateTime_;
};

SERVIORA_ENUM(TVxScrollType, stNone, stRightToLeft, stLeftToRight)

// Scrolls its caption through the pane, ScrollSize pixels every ScrollDelay
// milliseconds, entering again at the far side once it has left.
class TVxMarqueeStatus : public TVxStatusPane {
    SERVIORA_CLASS(TVxMarqueeStatus, TVxStatusPane)
    SERVIORA_PUBLISHED
    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CM_TEXTCHANGED, CMTextChanged)
        SERVIORA_MESSAGE(CM_FONTCHANGED, CMFontChanged)
    SERVIORA_MESSAGES_END(TVxStatusPane)
public:
    explicit TVxMarqueeStatus(TComponent* owner);
    ~TVxMarqueeStatus() override;

    TVxScrollType ScrollType() const { return scrollType_; }
    void SetScrollType(TVxScrollType v);
    bool Scrolling() const { return scrolling_; }
    virtual void SetScrolling(bool v);
    Word ScrollSize() const { return scrollSize_; }
    virtual void SetScrollSize(Word v) { scrollSize_ = v == 0 ? 1 : v; }
    Word ScrollDelay() const { return scrollDelay_; }
    void SetScrollDelay(Word v);
    // How far the text has moved, and how far it moves before starting over
    // (its width and the pane's).
    int ScrollOffset() const { return offset_; }
    int ScrollLength() const { return scrollLength_; }
    bool TimerEnabled() const { return timer_->Enabled(); }
    // One tick of the scrolling timer.
    void Tick();

    void SetBounds(int left, int top, int width, int height) override;

protected:
    void DrawCaptionText(const AnsiString& text) override;

private:
    void CMTextChanged(TMessage& Message);
    void CMFontChanged(TMessage& Message);
    void MeasureScrollLength();
    void DrawNow();
    // The background under `rect` as the pane shows it, into the bitmap.
    void PaintBackground(const TRect& rect);

    TVxScrollType scrollType_ = stRightToLeft;
    bool scrolling_ = true;
    Word scrollSize_ = 1;
    Word scrollDelay_ = 100;
    int offset_ = 0;
    int scrollLength_ = 0;
    std::unique_ptr<TBitmap> bitmap_;
    TTimer* timer_ = nullptr;
};
