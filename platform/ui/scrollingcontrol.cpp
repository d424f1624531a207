// Scrolling window controls, their scroll bars and the scroll box.
#include <algorithm>

#include "platform/ui/controls.h"

void TControlScrollBar::Published(TPublished<TControlScrollBar>& p) {
    p.Property("Margin", &TControlScrollBar::Margin, &TControlScrollBar::SetMargin).Default(0);
    p.Property("Increment", &TControlScrollBar::Increment, &TControlScrollBar::SetIncrement).Default(8);
    p.Property("Range", &TControlScrollBar::Range, &TControlScrollBar::SetRange).Default(0);
    p.Property("Position", &TControlScrollBar::Position, &TControlScrollBar::SetPosition).Default(0);
    p.Property("Tracking", &TControlScrollBar::Tracking, &TControlScrollBar::SetTracking).Default(false);
    p.Property("Visible", &TControlScrollBar::Visible, &TControlScrollBar::SetVisible).Default(true);
}

void TControlScrollBar::Assign(TPersistent* source) {
    if (auto* bar = dynamic_cast<TControlScrollBar*>(source)) {
        SetVisible(bar->Visible());
        SetRange(bar->Range());
        SetPosition(bar->Position());
        SetIncrement(bar->Increment());
        return;
    }
    TPersistent::Assign(source);
}

int TControlScrollBar::Position() const {
    return kind_ == sbHorizontal ? control_->HorzScrollPosition() : control_->VertScrollPosition();
}

int TControlScrollBar::ClientExtent() const {
    return kind_ == sbHorizontal ? control_->ClientWidth() : control_->ClientHeight();
}

// The children move by the distance the position moves.
void TControlScrollBar::SetPosition(int v) {
    const int position = std::clamp(v, 0, std::max(0, range_ - ClientExtent()));
    const int delta = Position() - position;
    if (!delta) return;
    if (kind_ == sbHorizontal) control_->ScrollBy(delta, 0);
    else control_->ScrollBy(0, delta);
}

void TControlScrollBar::SetRange(int v) {
    range_ = std::max(0, v);
    SetPosition(Position());
}

// A hidden bar leaves the client area unscrolled in its direction.
void TControlScrollBar::SetVisible(bool v) {
    visible_ = v;
    if (!v) SetPosition(0);
}

// ---- scrolling window controls --------------------------------------------------------

void TScrollingWinControl::Published(TPublished<TScrollingWinControl>& p) {
    p.Property("HorzScrollBar", &TScrollingWinControl::HorzScrollBar, &TScrollingWinControl::SetHorzScrollBar);
    p.Property("VertScrollBar", &TScrollingWinControl::VertScrollBar, &TScrollingWinControl::SetVertScrollBar);
}

TScrollingWinControl::TScrollingWinControl(TComponent* owner)
    : TWinControl(owner),
      horzScrollBar_(std::make_unique<TControlScrollBar>(this, sbHorizontal)),
      vertScrollBar_(std::make_unique<TControlScrollBar>(this, sbVertical)) {}

TScrollingWinControl::~TScrollingWinControl() = default;

void TScrollingWinControl::ScrollBy(int deltaX, int deltaY) {
    scrollX_ -= deltaX;
    scrollY_ -= deltaY;
    TWinControl::ScrollBy(deltaX, deltaY);
}

void TScrollingWinControl::ScrollInView(TControl* control) {
    if (!control || !ContainsControl(control)) return;
    const TRect client = ClientRect();
    int dx = 0, dy = 0;
    if (control->Left() < 0) dx = -control->Left();
    else if (control->Left() + control->Width() > client.right)
        dx = client.right - control->Left() - control->Width();
    if (control->Top() < 0) dy = -control->Top();
    else if (control->Top() + control->Height() > client.bottom)
        dy = client.bottom - control->Top() - control->Height();
    if (dx || dy) ScrollBy(dx, dy);
}

// The ranges reach the farthest edge of the children, scrolled or not.
void TScrollingWinControl::EnableAutoRange() {
    if (autoRangeCount_ == 0 || --autoRangeCount_ > 0) return;
    int right = 0, bottom = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        const TControl* c = Controls(i);
        if (!c->Visible()) continue;
        right = std::max(right, c->Left() + c->Width() + scrollX_);
        bottom = std::max(bottom, c->Top() + c->Height() + scrollY_);
    }
    horzScrollBar_->SetRange(right + horzScrollBar_->Margin());
    vertScrollBar_->SetRange(bottom + vertScrollBar_->Margin());
}

// ---- the scroll box ---------------------------------------------------------------------

void TScrollBox::Published(TPublished<TScrollBox>& p) {
    p.Property("BorderStyle", &TScrollBox::BorderStyle, &TScrollBox::SetBorderStyle).Default(bsSingle);
}

TScrollBox::TScrollBox(TComponent* owner) : TScrollingWinControl(owner) {
    SetBounds(0, 0, 185, 41);
    controlStyle_.Include(csAcceptsControls);
}

void TScrollBox::SetBorderStyle(TFormBorderStyle v) {
    if (v == borderStyle_) return;
    borderStyle_ = v;
    if (HandleAllocated()) RecreateWnd();
}

void TScrollBox::CreateParams(TCreateParams& params) {
    TScrollingWinControl::CreateParams(params);
    if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}
