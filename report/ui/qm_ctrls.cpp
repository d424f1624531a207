// The flat combo box paints its own frame and arrow over the platform's
// combo: the frame on the window DC after the control has painted, the
// arrow in the strip the control's own painting is kept out of.
#include "report/ui/qm_ctrls.h"

#include "platform/gdi/sysparams.h"
#include "platform/ui/forms.h"
#include "platform/win/userdraw.h"
#include "platform/win/winpaint.h"

TQmSeparatorMenuItem::TQmSeparatorMenuItem(TComponent* owner) : TQmMenuItem(owner) { SetCaption("-"); }

TQmSeparatorMenuItem* NewSeparatorMenuItem() { return new TQmSeparatorMenuItem(Application); }

TCustomComboBoxQy::TCustomComboBoxQy(TComponent* owner)
    : TCustomComboBox(owner), buttonWidth_(GetSystemMetrics(SM_CXVSCROLL) + 2) {
    SetCtl3D(false);
}

void TCustomComboBoxQy::SetFlat(bool v) {
    if (v == flat_) return;
    flat_ = v;
    SetCtl3D(!v);
    Invalidate();
}

bool TCustomComboBoxQy::Active() const {
    if (ComponentState().Contains(csDesigning)) return Enabled();
    return hot_ || Screen->ActiveControl() == this;
}

void TCustomComboBoxQy::WMPaint(TMessage& Message) {
    if (!flat_) {
        Inherited::Dispatch(Message);
        return;
    }
    PAINTSTRUCT ps;
    const HDC dc = Message.WParam ? static_cast<HDC>(Message.WParam) : BeginPaint(Handle(), &ps);
    if (Style() != csSimple) {
        RECT client;
        GetClientRect(Handle(), &client);
        FillRect(dc, &client, Brush()->Handle());
        RECT arrow{client.right - buttonWidth_, 0, client.right, client.bottom};
        InflateRect(&arrow, -1, -1);
        DrawFrameControl(dc, &arrow, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_FLAT);
        ExcludeClipRect(dc, client.right - buttonWidth_ - 4, 0, client.right, client.bottom);
    }
    PaintWindow(dc);
    if (!Message.WParam) EndPaint(Handle(), &ps);
    DrawFrame();
    Message.Result = 0;
}

void TCustomComboBoxQy::DrawFrame() {
    if (!flat_ || !HandleAllocated()) return;
    const HDC dc = GetWindowDC(Handle());
    RECT r{0, 0, Width(), Height()};
    const int clientW = ClientWidth(), clientH = ClientHeight();
    const bool active = Active();
    if (active) {
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    } else {
        FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        InflateRect(&r, -1, -1);
    }
    FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    InflateRect(&r, -1, -1);
    FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
    if (Style() != csSimple) {
        ExcludeClipRect(dc, clientW - buttonWidth_ + 4, 4, clientW - 4, clientH - 4);
        RECT button{clientW - buttonWidth_ - 2, 0, Width(), Height()};
        InflateRect(&button, -2, -2);
        if (active) {
            DrawEdge(dc, &button, EDGE_RAISED, BF_RECT | (ArrowPressed() ? BF_FLAT : 0));
        } else {
            RECT face = button;
            InflateRect(&face, -1, -1);
            FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
        }
    }
    ReleaseDC(Handle(), dc);
}

void TCustomComboBoxQy::CMFrameChanged(TMessage& Message) {
    Inherited::Dispatch(Message);
    DrawFrame();
}

void TCustomComboBoxQy::CMMouseEnter(TMessage& Message) {
    Inherited::Dispatch(Message);
    if (Enabled()) hot_ = true;
    DrawFrame();
}

void TCustomComboBoxQy::CMMouseLeave(TMessage& Message) {
    Inherited::Dispatch(Message);
    if (Enabled()) hot_ = false;
    DrawFrame();
}

void TCustomComboBoxQy::CMEnabledChanged(TMessage& Message) {
    if (flat_ && !Enabled()) {
        savedColor_ = Color();
        savedParentColor_ = ParentColor();
        SetParentColor(true);
    } else if (flat_) {
        SetColor(savedColor_);
        SetParentColor(savedParentColor_);
    }
    Inherited::Dispatch(Message);
}

void TCustomComboBoxQy::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomComboBox::MouseDown(button, shift, x, y);
    if (!DroppedDown()) return;
    state_ |= kPressed | kTracking;
    DrawFrame();
}

void TCustomComboBoxQy::TrackArrow(int x, int y) {
    if (!(state_ & kTracking)) return;
    const RECT arrow{ClientWidth() - buttonWidth_, 0, ClientWidth(), ClientHeight()};
    if (PtInRect(&arrow, POINT{x, y})) return;
    state_ &= ~kPressed;
    DrawFrame();
}

void TCustomComboBoxQy::MouseMove(TShiftState shift, int x, int y) {
    TCustomComboBox::MouseMove(shift, x, y);
    TrackArrow(x, y);
}

void TCustomComboBoxQy::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomComboBox::MouseUp(button, shift, x, y);
    TrackArrow(-1, -1);
    state_ &= ~kTracking;
}
