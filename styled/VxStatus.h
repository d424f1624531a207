// The styled status bar and its panes: TVxStatusBar (a styled panel at the
// bottom of a form that lines its panes up), TVxStatusPane (a caption in a
// frame), TVxClockStatus (the current date and time, refreshed by the timer
// all polling panes share) and TVxMarqueeStatus (a caption scrolling on its
// own timer). A first, plain version.
#pragma once

#include <memory>

#include "platform/ui/extctrls.h"
#include "styled/VxPanel.h"

class TVxStatusBar : public TVxCustomPanel {
    SERVIORA_CLASS(TVxStatusBar, TVxCustomPanel)
    SERVIORA_PUBLISHED
public:
    explicit TVxStatusBar(TComponent* owner);

    // On loading, forces the standard look: no borders, 19 pixels high.
    bool AutoStyle() const { return autoStyle_; }
    void SetAutoStyle(bool v) { autoStyle_ = v; }
    bool ShowSizeGrip() const { return showSizeGrip_; }
    void SetShowSizeGrip(bool v);
    // Hides the panes and shows SimpleCaption instead.
    bool SimpleStatus() const { return simpleStatus_; }
    void SetSimpleStatus(bool v);
    const AnsiString& SimpleCaption() const { return simpleCaption_; }
    void SetSimpleCaption(const AnsiString& v);

    void Loaded() override;

protected:
    void Paint() override;

private:
    // The bar's own look: no frames, all sides, 19 pixels high.
    void ApplyOwnStyle();

    bool autoStyle_ = true;
    bool showSizeGrip_ = true;
    bool simpleStatus_ = false;
    AnsiString simpleCaption_;
};

// A pane: its text inside a frame, without a window of its own.
class TVxCustomStatusPane : public TGraphicControl {
    SERVIORA_CLASS(TVxCustomStatusPane, TGraphicControl)
    SERVIORA_PUBLISHED
public:
    explicit TVxCustomStatusPane(TComponent* owner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v);
    int CaptionOffset() const { return captionOffset_; }
    void SetCaptionOffset(int v);
    TFrameStyle FrameStyle() const { return frameStyle_; }
    void SetFrameStyle(TFrameStyle v);
    TColor FlatColor() const { return flatColor_; }
    void SetFlatColor(TColor v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    // The text the pane shows now.
    virtual AnsiString DisplayText() const { return Caption(); }

protected:
    void Paint() override;
    // The rectangle the text is drawn in: inside the border width and frame.
    TRect TextRect() const;
    // Draws `text` into `rect` with the pane's alignment, clipped to it.
    virtual void DrawCaptionText(const TRect& rect, const AnsiString& text);

private:
    TAlignment alignment_ = taLeftJustify;
    int borderWidth_ = 1;
    int captionOffset_ = 2;
    TFrameStyle frameStyle_ = fsFlat;
    TColor flatColor_ = clBtnShadow;
    bool transparent_ = true;
};

class TVxStatusPane : public TVxCustomStatusPane {
    SERVIORA_CLASS(TVxStatusPane, TVxCustomStatusPane)
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

    bool Active() const;
    void SetActive(bool v);
    Cardinal Interval() const;
    void SetInterval(Cardinal v);
    const TNotifyEvent& OnTimerExpired() const { return onTimerExpired_; }
    void SetOnTimerExpired(TNotifyEvent v) { onTimerExpired_ = std::move(v); }

    // The shared timer fired.
    virtual void TimerExpired();

private:
    TNotifyEvent onTimerExpired_;
};

// Shows the current date and time in Format (the platform's date-time
// formatting), refreshed by the polling timer.
class TVxClockStatus : public TVxPollingStatus {
    SERVIORA_CLASS(TVxClockStatus, TVxPollingStatus)
    SERVIORA_PUBLISHED
public:
    explicit TVxClockStatus(TComponent* owner);

    const AnsiString& Format() const { return format_; }
    void SetFormat(const AnsiString& v);
    // Formats the current time; repaints when the text changed.
    void UpdateTime();
    void TimerExpired() override;
    AnsiString DisplayText() const override { return text_; }

private:
    AnsiString format_;
    AnsiString text_;
};

SERVIORA_ENUM(TVxScrollType, stNone, stRightToLeft, stLeftToRight)

// Scrolls its caption through the pane, ScrollSize pixels every ScrollDelay
// milliseconds, entering again at the far side once it has left.
class TVxMarqueeStatus : public TVxStatusPane {
    SERVIORA_CLASS(TVxMarqueeStatus, TVxStatusPane)
    SERVIORA_PUBLISHED
public:
    explicit TVxMarqueeStatus(TComponent* owner);
    ~TVxMarqueeStatus() override;

    TVxScrollType ScrollType() const { return scrollType_; }
    void SetScrollType(TVxScrollType v);
    bool Scrolling() const { return scrolling_; }
    void SetScrolling(bool v);
    Word ScrollSize() const { return scrollSize_; }
    void SetScrollSize(Word v) { scrollSize_ = v == 0 ? 1 : v; }
    Word ScrollDelay() const { return scrollDelay_; }
    void SetScrollDelay(Word v);
    // How far the text has moved since the caption was set.
    int ScrollOffset() const { return offset_; }
    // Moves the text one step.
    void Step();

protected:
    void DrawCaptionText(const TRect& rect, const AnsiString& text) override;
    // A new caption starts scrolling from the beginning.
    void TextChanged(const AnsiString& text) override;

private:
    TVxScrollType scrollType_ = stRightToLeft;
    bool scrolling_ = true;
    Word scrollSize_ = 1;
    Word scrollDelay_ = 100;
    int offset_ = 0;
    // How far the text travels to cross the pane, measured when painted.
    int span_ = 0;
    TTimer* timer_ = nullptr;
};
