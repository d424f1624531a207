// The frame's graphic controls painted in its client window's background.
#include "app/clientbackground.h"

#include "platform/win/winpaint.h"

MDIClientBackground::MDIClientBackground(TCustomForm* frame)
    : frame_(frame),
      client_(frame->ClientHandle()),
      instance_(MakeObjectInstance(TWndMethod(this, &MDIClientBackground::ClientWindowProc))),
      previous_(WNDPROC(SetWindowLongPtr(client_, GWLP_WNDPROC, LONG_PTR(instance_)))) {}

MDIClientBackground::~MDIClientBackground() {
    if (IsWindow(client_) && WNDPROC(GetWindowLongPtr(client_, GWLP_WNDPROC)) == instance_)
        SetWindowLongPtr(client_, GWLP_WNDPROC, LONG_PTR(previous_));
    FreeObjectInstance(instance_);
}

void MDIClientBackground::Invalidate() const {
    if (IsWindow(client_)) InvalidateRect(client_, nullptr, TRUE);
}

void MDIClientBackground::ClientWindowProc(TMessage& message) {
    if (message.Msg == WM_ERASEBKGND) {
        EraseBackground(HDC(message.WParam));
        message.Result = 1;
        return;
    }
    message.Result = CallWindowProc(previous_, client_, message.Msg, message.WParam, message.LParam);
}

void MDIClientBackground::EraseBackground(HDC dc) {
    CallWindowProc(previous_, client_, WM_ERASEBKGND, WPARAM(dc), 0);
    // Frame client coordinates map onto the client window's.
    POINT origin{0, 0};
    MapWindowPoints(client_, frame_->Handle(), &origin, 1);
    const int saved = SaveDC(dc);
    SetViewportOrgEx(dc, -origin.x, -origin.y, nullptr);
    frame_->PaintControls(dc, nullptr);
    RestoreDC(dc, saved);
}
