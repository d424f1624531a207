// The scroll box's bars send every change to the platform's window bars at
// once and report positions to the box's owner, twice for a bar message:
// once for the change and once after the message.
#include "report/ui/qm_ctrls_scroll.h"

#include <algorithm>

TQmScrollBar::TQmScrollBar(TQmScrollBox* owner, TQmScrollBarKind kind) : owner_(owner), kind_(kind) {}

void TQmScrollBar::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TQmScrollBar*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    SetMin(other->min_);
    SetMax(other->max_);
    SetLargeChange(other->largeChange_);
    SetSmallChange(other->smallChange_);
    SetThumbValue(other->thumbValue_);
    SetVisible(other->visible_);
    SetPosition(other->position_);
}

void TQmScrollBar::Send(UINT mask) {
    info_.fMask = mask;
    if (owner_ && owner_->HandleAllocated()) SetScrollInfo(owner_->Handle(), Bar(), &info_, TRUE);
}

void TQmScrollBar::SendAll() {
    info_.nMin = 0;
    info_.nMax = visible_ ? max_ : 0;
    info_.nPos = position_;
    info_.nTrackPos = trackPos_;
    Send(SIF_ALL);
}

void TQmScrollBar::SetMin(int v) {
    if (v == min_) return;
    min_ = info_.nMin = v;
    Send(SIF_RANGE);
}

void TQmScrollBar::SetMax(int v) {
    if (v == max_) return;
    max_ = info_.nMax = v;
    Send(SIF_RANGE);
}

void TQmScrollBar::SetLargeChange(int v) {
    if (v == largeChange_) return;
    largeChange_ = v;
    if (static_cast<int>(info_.nPage) == v) return;
    pageSize_ = v;
    info_.nPage = static_cast<UINT>(v);
    Send(SIF_PAGE);
}

void TQmScrollBar::SetPageSize(int v) {
    largeChange_ = pageSize_ = v;
    info_.nPage = static_cast<UINT>(v);
    Send(SIF_PAGE);
}

void TQmScrollBar::SetPosition(int v) {
    if (v > max_ - largeChange_) v = max_ - largeChange_;
    if (v <= min_) v = min_;
    if (v == position_) return;
    position_ = info_.nPos = v;
    Send(SIF_POS);
    if (owner_) owner_->Changed(this);
}

void TQmScrollBar::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    SendAll();
}

void TQmScrollBar::Scroll(int code) {
    int target = 0;
    switch (code) {
    case SB_LINEUP: target = position_ - smallChange_; break;
    case SB_LINEDOWN: target = position_ + smallChange_; break;
    case SB_PAGEUP: target = position_ - largeChange_; break;
    case SB_PAGEDOWN: target = position_ + largeChange_; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        SCROLLINFO info;
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(owner_->Handle(), Bar(), &info);
        trackPos_ = info.nTrackPos;
        target = trackPos_ - (thumbValue_ > 0 ? trackPos_ % thumbValue_ : 0);
        break;
    }
    case SB_TOP: target = min_; break;
    case SB_BOTTOM: target = max_; break;
    case SB_ENDSCROLL: return;
    default: break;
    }
    SetPosition(std::clamp(target, min_, std::max(min_, max_)));
}

TQmScrollBox::TQmScrollBox(TComponent* owner)
    : TWinControl(owner),
      horz_(std::make_unique<TQmScrollBar>(this, qmsbHorizontal)),
      vert_(std::make_unique<TQmScrollBar>(this, qmsbVertical)) {
    SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks});
    SetBounds(Left(), Top(), 185, 41);
}

TQmScrollBox::~TQmScrollBox() = default;

void TQmScrollBox::SetBorderStyle(TBorderStyle v) {
    if (v == borderStyle_) return;
    borderStyle_ = v;
    RecreateWnd();
}

void TQmScrollBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style |= WS_HSCROLL | WS_VSCROLL;
    if (borderStyle_ != bsSingle) return;
    if (Ctl3D())
        params.ExStyle |= WS_EX_CLIENTEDGE;
    else
        params.Style |= WS_BORDER;
}

void TQmScrollBox::CreateWnd() {
    TWinControl::CreateWnd();
    for (TQmScrollBar* bar : {horz_.get(), vert_.get()}) {
        bar->SendAll();
        ShowScrollBar(Handle(), bar->Bar(), bar->visible_);
    }
}

void TQmScrollBox::Changed(TQmScrollBar* bar) {
    if (OnChange) OnChange(bar, bar->kind_);
}

void TQmScrollBox::WMScroll(TMessage& Message) {
    TQmScrollBar* bar = Message.Msg == WM_HSCROLL ? horz_.get() : vert_.get();
    if (Message.LParam != 0 || !bar->visible_) {
        TWinControl::Dispatch(Message);
        return;
    }
    bar->Scroll(LOWORD(Message.WParam));
    Changed(bar);
}

void TQmScrollBox::WMSize(TMessage& Message) {
    TWinControl::Dispatch(Message);
    if (!ComponentState().Contains(csLoading) && OnResize) OnResize(this);
}

void TQmScrollBox::WMNCHitTest(TMessage& Message) {
    DefaultHandler(Message);
}

void TQmScrollBox::CMCtl3DChanged(TMessage& Message) {
    if (borderStyle_ == bsSingle) RecreateWnd();
    TWinControl::Dispatch(Message);
}
