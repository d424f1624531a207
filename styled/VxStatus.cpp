// The styled status bar and its panes.
#include "styled/VxStatus.h"

#include <algorithm>
#include <vector>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/datetime.h"

SERVIORA_REGISTER_CLASS(TVxStatusBar);
SERVIORA_REGISTER_CLASS(TVxStatusPane);
SERVIORA_REGISTER_CLASS(TVxClockStatus);
SERVIORA_REGISTER_CLASS(TVxMarqueeStatus);

namespace {

// The one timer of every polling pane; it exists while at least one pane
// does, so it never outlives the window system.
class PollingList {
public:
    static PollingList& Instance() {
        static PollingList list;
        return list;
    }

    void Add(TVxPollingStatus* pane) {
        if (!timer_) {
            timer_ = std::make_unique<TTimer>(nullptr);
            timer_->SetInterval(interval_);
            timer_->SetEnabled(enabled_);
            timer_->SetOnTimer(TNotifyEvent([this](TObject*) { Tick(); }));
        }
        panes_.push_back(pane);
    }

    void Remove(TVxPollingStatus* pane) {
        panes_.erase(std::remove(panes_.begin(), panes_.end(), pane), panes_.end());
        if (panes_.empty()) timer_.reset();
    }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) {
        enabled_ = v;
        if (timer_) timer_->SetEnabled(v);
    }
    Cardinal Interval() const { return interval_; }
    void SetInterval(Cardinal v) {
        interval_ = v;
        if (timer_) timer_->SetInterval(v);
    }

private:
    void Tick() {
        const std::vector<TVxPollingStatus*> panes = panes_;
        for (TVxPollingStatus* pane : panes) pane->TimerExpired();
    }

    std::unique_ptr<TTimer> timer_;
    std::vector<TVxPollingStatus*> panes_;
    bool enabled_ = true;
    Cardinal interval_ = 500;
};

}  // namespace

// ---- the bar -------------------------------------------------------------------------

TVxStatusBar::TVxStatusBar(TComponent* owner) : TVxCustomPanel(owner) {
    SetAlign(alBottom);
    ApplyOwnStyle();
}

void TVxStatusBar::ApplyOwnStyle() {
    SetBorderInner(fsNone);
    SetBorderOuter(fsNone);
    SetBorderSides(AllSides);
    SetHeight(19);
    SetBorderWidth(0);
}

void TVxStatusBar::Loaded() {
    TVxCustomPanel::Loaded();
    if (autoStyle_) ApplyOwnStyle();
}

void TVxStatusBar::SetShowSizeGrip(bool v) { SetAndRepaint(this, showSizeGrip_, v); }

void TVxStatusBar::SetSimpleStatus(bool v) {
    if (simpleStatus_ == v) return;
    simpleStatus_ = v;
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetVisible(!v);
    Invalidate();
}

void TVxStatusBar::SetSimpleCaption(const AnsiString& v) {
    simpleCaption_ = v;
    Invalidate();
}

void TVxStatusBar::Paint() {
    TVxCustomPanel::Paint();
    if (!simpleStatus_ || simpleCaption_.empty()) return;
    TCanvas* canvas = Canvas();
    TRect rect = ClientRect();
    InflateRect(&rect, -1, -1);
    canvas->SetFont(Font());
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextRect(rect, rect.left + 2, rect.top + (rect.bottom - rect.top - canvas->TextHeight("Pp")) / 2,
                     simpleCaption_);
}

void TVxStatusBar::Published(TPublished<TVxStatusBar>& p) {
    p.Property("AutoStyle", &TVxStatusBar::AutoStyle, &TVxStatusBar::SetAutoStyle).Default(true);
    p.Property("ShowSizeGrip", &TVxStatusBar::ShowSizeGrip, &TVxStatusBar::SetShowSizeGrip).Default(true);
    p.Property("SimpleStatus", &TVxStatusBar::SimpleStatus, &TVxStatusBar::SetSimpleStatus).Default(false);
    p.Property("SimpleCaption", &TVxStatusBar::SimpleCaption, &TVxStatusBar::SetSimpleCaption);
}

// ---- panes ----------------------------------------------------------------------------

TVxCustomStatusPane::TVxCustomStatusPane(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 100, 20);
    SetParentColor(true);
    controlStyle_.Exclude(csOpaque);
}

void TVxCustomStatusPane::SetAlignment(TAlignment v) { SetAndRepaint(this, alignment_, v); }

void TVxCustomStatusPane::SetBorderWidth(int v) { SetAndRepaint(this, borderWidth_, v); }

void TVxCustomStatusPane::SetCaptionOffset(int v) { SetAndRepaint(this, captionOffset_, v); }

void TVxCustomStatusPane::SetFrameStyle(TFrameStyle v) { SetAndRepaint(this, frameStyle_, v); }

void TVxCustomStatusPane::SetFlatColor(TColor v) { SetAndRepaint(this, flatColor_, v); }

void TVxCustomStatusPane::SetTransparent(bool v) {
    if (transparent_ == v) return;
    transparent_ = v;
    SetTransparentStyle(this, v);
}

TRect TVxCustomStatusPane::TextRect() const {
    TRect rect = ClientRect();
    const int inset = borderWidth_ + FrameStyleWidth(frameStyle_);
    InflateRect(&rect, -inset, -inset);
    return rect;
}

void TVxCustomStatusPane::Paint() {
    TCanvas* canvas = Canvas();
    TRect rect = ClientRect();
    if (!transparent_) {
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(rect);
    }
    InflateRect(&rect, -borderWidth_, -borderWidth_);
    if (frameStyle_ == fsFlat)
        DrawBoxOutline(canvas, rect, flatColor_);
    else
        DrawFrameStyle(canvas, rect, frameStyle_);
    const AnsiString text = DisplayText();
    if (!text.empty()) DrawCaptionText(TextRect(), text);
}

void TVxCustomStatusPane::DrawCaptionText(const TRect& rect, const AnsiString& text) {
    TCanvas* canvas = Canvas();
    canvas->SetFont(Font());
    canvas->Brush()->SetStyle(bsClear);
    const int width = canvas->TextWidth(text);
    const int x = alignment_ == taCenter         ? rect.left + (rect.right - rect.left - width) / 2
                  : alignment_ == taRightJustify ? rect.right - captionOffset_ - width
                                                 : rect.left + captionOffset_;
    canvas->TextRect(rect, x, rect.top + (rect.bottom - rect.top - canvas->TextHeight(text)) / 2, text);
}

void TVxCustomStatusPane::Published(TPublished<TVxCustomStatusPane>& p) {
    p.Property("Alignment", &TVxCustomStatusPane::Alignment, &TVxCustomStatusPane::SetAlignment)
        .Default(taLeftJustify);
    p.Property("BorderWidth", &TVxCustomStatusPane::BorderWidth, &TVxCustomStatusPane::SetBorderWidth).Default(1);
    p.Property("CaptionOffset", &TVxCustomStatusPane::CaptionOffset, &TVxCustomStatusPane::SetCaptionOffset)
        .Default(2);
    p.Property("FrameStyle", &TVxCustomStatusPane::FrameStyle, &TVxCustomStatusPane::SetFrameStyle).Default(fsFlat);
    p.Property("FlatColor", &TVxCustomStatusPane::FlatColor, &TVxCustomStatusPane::SetFlatColor)
        .TypeName("TColor")
        .Default(clBtnShadow);
    p.Property("Transparent", &TVxCustomStatusPane::Transparent, &TVxCustomStatusPane::SetTransparent)
        .Default(true);
}

// ---- polling panes and the clock ------------------------------------------------------------

TVxPollingStatus::TVxPollingStatus(TComponent* owner) : TVxCustomStatusPane(owner) {
    PollingList::Instance().Add(this);
}

TVxPollingStatus::~TVxPollingStatus() { PollingList::Instance().Remove(this); }

bool TVxPollingStatus::Active() const { return PollingList::Instance().Enabled(); }
void TVxPollingStatus::SetActive(bool v) { PollingList::Instance().SetEnabled(v); }
Cardinal TVxPollingStatus::Interval() const { return PollingList::Instance().Interval(); }
void TVxPollingStatus::SetInterval(Cardinal v) { PollingList::Instance().SetInterval(v); }

void TVxPollingStatus::TimerExpired() { onTimerExpired_(this); }

void TVxPollingStatus::Published(TPublished<TVxPollingStatus>& p) {
    p.Property("Active", &TVxPollingStatus::Active, &TVxPollingStatus::SetActive).Default(true);
    p.Property("Interval", &TVxPollingStatus::Interval, &TVxPollingStatus::SetInterval).Default(500);
    p.Property("OnTimerExpired", &TVxPollingStatus::OnTimerExpired, &TVxPollingStatus::SetOnTimerExpired);
}

TVxClockStatus::TVxClockStatus(TComponent* owner) : TVxPollingStatus(owner) {
    SetWidth(150);
    UpdateTime();
}

void TVxClockStatus::SetFormat(const AnsiString& v) {
    format_ = v;
    UpdateTime();
}

void TVxClockStatus::UpdateTime() {
    AnsiString text = format_.empty() ? DateTimeToStr(Now()) : FormatDateTime(format_, Now());
    if (text == text_) return;
    text_ = std::move(text);
    Invalidate();
}

void TVxClockStatus::TimerExpired() {
    UpdateTime();
    TVxPollingStatus::TimerExpired();
}

void TVxClockStatus::Published(TPublished<TVxClockStatus>& p) {
    p.Property("Format", &TVxClockStatus::Format, &TVxClockStatus::SetFormat);
}

// ---- the marquee -----------------------------------------------------------------------------

TVxMarqueeStatus::TVxMarqueeStatus(TComponent* owner) : TVxStatusPane(owner) {
    timer_ = new TTimer(this);
    timer_->SetInterval(scrollDelay_);
    timer_->SetOnTimer(TNotifyEvent([this](TObject*) { Step(); }));
}

TVxMarqueeStatus::~TVxMarqueeStatus() = default;

void TVxMarqueeStatus::SetScrollType(TVxScrollType v) {
    scrollType_ = v;
    offset_ = 0;
    Invalidate();
}

void TVxMarqueeStatus::SetScrolling(bool v) {
    scrolling_ = v;
    timer_->SetEnabled(v);
}

void TVxMarqueeStatus::SetScrollDelay(Word v) {
    scrollDelay_ = v;
    timer_->SetInterval(v);
}

void TVxMarqueeStatus::TextChanged(const AnsiString& text) {
    offset_ = 0;
    TVxStatusPane::TextChanged(text);
}

// Once the text has crossed the pane completely (as last painted) it starts over.
void TVxMarqueeStatus::Step() {
    if (scrollType_ == stNone || Caption().empty()) return;
    offset_ += scrollSize_;
    if (span_ > 0 && offset_ > span_) offset_ = 0;
    Invalidate();
}

void TVxMarqueeStatus::DrawCaptionText(const TRect& rect, const AnsiString& text) {
    if (scrollType_ == stNone) {
        TVxStatusPane::DrawCaptionText(rect, text);
        return;
    }
    TCanvas* canvas = Canvas();
    canvas->SetFont(Font());
    canvas->Brush()->SetStyle(bsClear);
    const int textWidth = canvas->TextWidth(text);
    span_ = (rect.right - rect.left) + textWidth;
    const int x = scrollType_ == stRightToLeft ? rect.right - offset_ : rect.left - textWidth + offset_;
    canvas->TextRect(rect, x, rect.top + (rect.bottom - rect.top - canvas->TextHeight(text)) / 2, text);
}

void TVxMarqueeStatus::Published(TPublished<TVxMarqueeStatus>& p) {
    p.Property("ScrollType", &TVxMarqueeStatus::ScrollType, &TVxMarqueeStatus::SetScrollType)
        .Default(stRightToLeft);
    p.Property("Scrolling", &TVxMarqueeStatus::Scrolling, &TVxMarqueeStatus::SetScrolling).Default(true);
    p.Property("ScrollSize", &TVxMarqueeStatus::ScrollSize, &TVxMarqueeStatus::SetScrollSize).Default(1);
    p.Property("ScrollDelay", &TVxMarqueeStatus::ScrollDelay, &TVxMarqueeStatus::SetScrollDelay).Default(100);
}
