// TUpDown over its window class: the styles from the properties, the
// range, position and buddy handed to the window, and the steps reported
// back as events.
#include "platform/ui/comctrls_updown.h"

#include "platform/rtl/classregistry.h"
#include "platform/ui/stdctrls_edit.h"
#include "platform/win/commctrl.h"

SERVIORA_REGISTER_CLASS(TUpDown);

void TUpDown::Published(TPublished<TUpDown>& p) {
    p.Property("AlignButton", &TUpDown::AlignButton, &TUpDown::SetAlignButton).Default(udRight);
    p.Property("ArrowKeys", &TUpDown::ArrowKeys, &TUpDown::SetArrowKeys).Default(true);
    p.Property("Associate", &TUpDown::Associate, &TUpDown::SetAssociate);
    p.Property("Increment", &TUpDown::Increment, &TUpDown::SetIncrement).Default(1);
    p.Property("Max", &TUpDown::Max, &TUpDown::SetMax).Default(100);
    p.Property("Min", &TUpDown::Min, &TUpDown::SetMin);
    p.Property("Orientation", &TUpDown::Orientation, &TUpDown::SetOrientation).Default(udVertical);
    p.Property("Position", &TUpDown::Position, &TUpDown::SetPosition);
    p.Property("Thousands", &TUpDown::Thousands, &TUpDown::SetThousands).Default(true);
    p.Property("Wrap", &TUpDown::Wrap, &TUpDown::SetWrap);
    p.Property("OnChanging", &TUpDown::OnChanging, &TUpDown::SetOnChanging).TypeName("TUDChangingEvent");
    p.Property("OnClick", &TUpDown::OnClick, &TUpDown::SetOnClick);
}

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 15, 33);
    controlStyle_.Exclude(csCaptureMouse);
}

void TUpDown::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, UPDOWN_CLASS);
    params.Style |= UDS_SETBUDDYINT | (alignButton_ == udRight ? UDS_ALIGNRIGHT : UDS_ALIGNLEFT);
    if (orientation_ == udHorizontal) params.Style |= UDS_HORZ;
    if (!thousands_) params.Style |= UDS_NOTHOUSANDS;
    if (wrap_) params.Style |= UDS_WRAP;
    if (arrowKeys_) params.Style |= UDS_ARROWKEYS;
}

void TUpDown::CreateWnd() {
    TWinControl::CreateWnd();
    SendMessage(Handle(), UDM_SETRANGE32, WPARAM(min_), LPARAM(max_));
    SendMessage(Handle(), UDM_SETPOS32, 0, LPARAM(position_));
    if (associate_) SendMessage(Handle(), UDM_SETBUDDY, WPARAM(associate_->Handle()), 0);
}

void TUpDown::Recreate() {
    if (!HandleAllocated()) return;
    position_ = Position();
    Perform(CM_RECREATEWND, 0, 0);
}

void TUpDown::SetAssociate(TWinControl* v) {
    if (associate_) associate_->RemoveFreeNotification(this);
    associate_ = v;
    if (v) v->FreeNotification(this);
    if (HandleAllocated() && (!v || v->Parent() == Parent()))
        SendMessage(Handle(), UDM_SETBUDDY, WPARAM(v ? v->Handle() : 0), 0);
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == associate_) associate_ = nullptr;
}

void TUpDown::SetAlignButton(TUDAlignButton v) {
    if (alignButton_ == v) return;
    alignButton_ = v;
    Recreate();
}

void TUpDown::SetOrientation(TUDOrientation v) {
    if (orientation_ == v) return;
    orientation_ = v;
    Recreate();
}

void TUpDown::SetThousands(bool v) {
    if (thousands_ == v) return;
    thousands_ = v;
    Recreate();
}

void TUpDown::SetWrap(bool v) {
    if (wrap_ == v) return;
    wrap_ = v;
    Recreate();
}

void TUpDown::SetArrowKeys(bool v) {
    if (arrowKeys_ == v) return;
    arrowKeys_ = v;
    Recreate();
}

void TUpDown::SetMin(Integer v) {
    min_ = v;
    if (HandleAllocated()) SendMessage(Handle(), UDM_SETRANGE32, WPARAM(min_), LPARAM(max_));
}

void TUpDown::SetMax(Integer v) {
    max_ = v;
    if (HandleAllocated()) SendMessage(Handle(), UDM_SETRANGE32, WPARAM(min_), LPARAM(max_));
}

Integer TUpDown::Position() {
    if (HandleAllocated()) position_ = Integer(SendMessage(Handle(), UDM_GETPOS32, 0, 0));
    return position_;
}

void TUpDown::SetPosition(Integer v) {
    position_ = v;
    if (HandleAllocated()) SendMessage(Handle(), UDM_SETPOS32, 0, LPARAM(v));
}

void TUpDown::CNNotify(TMessage& Message) {
    auto* change = reinterpret_cast<NMUPDOWN*>(Message.LParam);
    if (change->hdr.code != UDN_DELTAPOS) return;
    bool allow = true;
    onChanging_(this, allow);
    change->iDelta *= increment_;
    Message.Result = allow ? 0 : 1;
}

void TUpDown::CNScroll(TMessage& Message) {
    if (LOWORD(Message.WParam) != SB_THUMBPOSITION) return;
    const Integer old = position_;
    position_ = Integer(short(HIWORD(Message.WParam)));
    onClick_(this, position_ > old ? btNext : btPrev);
}
