// TPanel and TTimer.
#include "platform/ui/extctrls.h"

#include "platform/ui/forms.h"
#include "platform/win/winpaint.h"

// ---- TCustomPanel ------------------------------------------------------------------

void TCustomPanel::Published(TPublished<TCustomPanel>& p) {
    p.Property("Alignment", &TCustomPanel::Alignment, &TCustomPanel::SetAlignment).Default(taCenter);
    p.Property("BevelInner", &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner).Default(bvNone);
    p.Property("BevelOuter", &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter).Default(bvRaised);
    p.Property("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth).Default(1);
    p.Property("BorderStyle", &TCustomPanel::BorderStyle, &TCustomPanel::SetBorderStyle).Default(bsNone);
    p.Property("BorderWidth", &TCustomPanel::BorderWidth, &TCustomPanel::SetBorderWidth).Default(0);
    p.Property("FullRepaint", &TCustomPanel::FullRepaint, &TCustomPanel::SetFullRepaint).Default(true);
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
    controlStyle_.Include(csAcceptsControls);
    controlStyle_.Include(csOpaque);
}

void TCustomPanel::BordersChanged() {
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelInner(TPanelBevel v) {
    bevelInner_ = v;
    BordersChanged();
}

void TCustomPanel::SetBevelOuter(TPanelBevel v) {
    bevelOuter_ = v;
    BordersChanged();
}

void TCustomPanel::SetBevelWidth(Integer v) {
    bevelWidth_ = v;
    BordersChanged();
}

void TCustomPanel::SetBorderWidth(Integer v) {
    borderWidth_ = v;
    BordersChanged();
}

void TCustomPanel::SetBorderStyle(TFormBorderStyle v) {
    if (v == borderStyle_) return;
    borderStyle_ = v;
    if (HandleAllocated()) RecreateWnd();
}

void TCustomPanel::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomPanel::SetAlignment(TAlignment v) {
    alignment_ = v;
    Invalidate();
}

void TCustomPanel::AdjustClientRect(TRect& rect) const {
    int inset = borderWidth_;
    if (bevelOuter_ != bvNone) inset += bevelWidth_;
    if (bevelInner_ != bvNone) inset += bevelWidth_;
    InflateRect(&rect, -inset, -inset);
}

void TCustomPanel::Paint() {
    const HDC dc = Canvas()->Handle();
    TRect r = ClientRect();
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(r);
    auto bevel = [&](TPanelBevel kind) {
        if (kind == bvNone) return;
        for (int i = 0; i < bevelWidth_; ++i) {
            if (kind != bvSpace) DrawEdge(dc, &r, kind == bvLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
            InflateRect(&r, -1, -1);
        }
    };
    bevel(bevelOuter_);
    InflateRect(&r, -borderWidth_, -borderWidth_);
    bevel(bevelInner_);
    static constexpr UINT alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    SetBkMode(dc, TRANSPARENT);
    Canvas()->Font()->Assign(Font());
    DrawText(dc, Caption().c_str(), int(Caption().size()), &r,
             alignments[alignment_] | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS);
}

// ---- TTimer ---------------------------------------------------------------------------

void TTimer::Published(TPublished<TTimer>& p) {
    p.Property("Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(true);
    p.Property("Interval", &TTimer::Interval, &TTimer::SetInterval).Default(1000);
    p.Property("OnTimer", &TTimer::OnTimer, &TTimer::SetOnTimer);
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    window_ = AllocateHWnd(TWndMethod(this, &TTimer::WndProc));
}

TTimer::~TTimer() {
    KillTimer(window_, 1);
    DeallocateHWnd(window_);
}

void TTimer::UpdateTimer() {
    KillTimer(window_, 1);
    if (enabled_ && interval_ != 0 && onTimer_) SetTimer(window_, 1, interval_);
}

void TTimer::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    UpdateTimer();
}

void TTimer::SetInterval(Cardinal v) {
    if (v == interval_) return;
    interval_ = v;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent v) {
    onTimer_ = std::move(v);
    UpdateTimer();
}

void TTimer::Timer() { onTimer_(this); }

void TTimer::WndProc(TMessage& Message) {
    if (Message.Msg != WM_TIMER) {
        Message.Result = DefWindowProc(window_, Message.Msg, Message.WParam, Message.LParam);
        return;
    }
    try {
        Timer();
    } catch (...) {
        Application->HandleException(this);
    }
}

