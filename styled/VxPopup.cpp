// The pop-up panel and its pop-up window with the modal message loop.
#include "styled/VxPopup.h"

#include <climits>

#include "platform/ui/forms.h"
#include "platform/ui/uxtheme.h"
#include "platform/win/msgqueue.h"
#include "platform/win/userinput.h"
#include "platform/win/winuser.h"

TVxCustomPopup::TVxCustomPopup(TComponent* owner) : TVxCustomPanel(owner) {
    SetBorderWidth(2);
    SetBorderOuter(fsPopup);
    SetFlatColorAdjustment(0);
    SetVisible(false);
}

void TVxCustomPopup::AdjustClientRect(TRect& rect) const {
    TVxCustomPanel::AdjustClientRect(rect);
    rect = AdjustForBorders(rect, false);
}

void TVxCustomPopup::Paint() {
    if (!DrawThemedPart(Canvas()->Handle(), u"EDIT", EP_EDITTEXT, ETS_DISABLED, ClientRect())) TVxCustomPanel::Paint();
}

// ---- the panel ---------------------------------------------------------------------

TVxPopupPanel::TVxPopupPanel(TComponent* owner) : TVxCustomPopup(owner) {
    SetBounds(Left(), Top(), 100, 100);
    controlStyle_.Include(csAcceptsControls);
    SetColor(clBtnFace);
    SetParentColor(false);
}

TVxPopupPanel::~TVxPopupPanel() { delete popup_; }

void TVxPopupPanel::DoPopup() { onPopup_(this); }

void TVxPopupPanel::DoClose() { onClose_(this); }

void TVxPopupPanel::ClosePopup() {
    if (popup_) popup_->Close();
}

void TVxPopupPanel::DestroyWnd() {
    ClosePopup();
    TVxCustomPopup::DestroyWnd();
}

// The pop-up is freed here once its loop has ended, never from inside its
// own window procedure; a close message still queued for it then finds no
// window and is dropped.
bool TVxPopupPanel::Popup(TControl* control) {
    if (popup_) return false;
    popupControl_ = control;
    const HWND focused = GetFocus();
    bool chosen = false;
    auto cleanUp = [&] {
        DoClose();
        if (focused && IsWindow(focused)) ::SetFocus(focused);
        popupControl_ = nullptr;
        delete std::exchange(popup_, nullptr);
    };
    try {
        DoPopup();
        HandleNeeded();
        popup_ = new TVxPopup(this);
        chosen = popup_->Popup(control, popupAlignment_);
    } catch (...) {
        cleanUp();
        throw;
    }
    cleanUp();
    return chosen;
}

// ---- the pop-up window -----------------------------------------------------------------

TVxPopup::TVxPopup(TVxPopupPanel* panel) : TVxCustomPopup(panel), panel_(panel) {
    if (TCustomForm* form = panel->GetParentForm()) SetParentWindow(form->Handle());
    SetColor(panel->Color());
    Font()->Assign(panel->Font());
    SetWidth(panel->Width());
    SetHint(panel->Hint());
    SetShowHint(panel->ShowHint());
    SetCtl3D(false);
}

void TVxPopup::CreateParams(TCreateParams& params) {
    TVxCustomPopup::CreateParams(params);
    params.Style = WS_POPUP;
}

void TVxPopup::Close() {
    chosen_ = true;
    PostClose();
}

void TVxPopup::PostClose() {
    if (HandleAllocated()) PostMessage(Handle(), CloseMessage, 0, 0);
}

TRect TVxPopup::Placement(const TRect& anchor, TAlignment alignment) const {
    const int w = panel_->Width(), h = panel_->Height();
    int left = alignment == taLeftJustify    ? anchor.left
               : alignment == taRightJustify ? anchor.right - w
                                             : (anchor.left + anchor.right - w) / 2;
    int top = anchor.bottom;
    const TRect area = WorkAreaOfMonitor(Screen->MonitorFromPoint(TPoint(left, top)));
    if (left + w > area.right) left = area.right - w;
    if (top + h > area.bottom) top = anchor.top - h;
    left = std::max(left, static_cast<int>(area.left));
    top = std::max(top, static_cast<int>(area.top));
    return TRect(left, top, left + w, top + h);
}

bool TVxPopup::Popup(TControl* control, TAlignment alignment) {
    control_ = control;
    TRect anchor;
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        GetWindowRect(windowed->Handle(), &anchor);
    } else {
        const TPoint origin = control->Parent()->ClientToScreen(TPoint(control->Left(), control->Top()));
        anchor = TRect(origin.x, origin.y, origin.x + control->Width(), origin.y + control->Height());
    }
    for (int i = panel_->ControlCount() - 1; i >= 0; --i) panel_->Controls(i)->SetParent(this);
    for (int i = 0; i < ControlCount() && !focusTarget_; ++i) {
        auto* child = dynamic_cast<TWinControl*>(Controls(i));
        if (child && child->Enabled() && child->Visible()) focusTarget_ = child;
    }
    ::SetFocus(panel_->Handle());
    if (panel_->AutoSize()) FitToChildren();
    const TRect place = Placement(anchor, alignment);
    SetBounds(place.left, place.top, place.right - place.left, place.bottom - place.top);
    SetWindowPos(Handle(), 0, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    SetVisible(true);
    chosen_ = false;
    RunModalLoop();
    return chosen_;
}

// The panel takes the size of its children inside the frame, the children
// moved to the frame's inner corner.
void TVxPopup::FitToChildren() {
    if (ControlCount() == 0) return;
    TRect inner(0, 0, 0, 0);
    AdjustClientRect(inner);
    TRect box(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        box.left = std::min(box.left, child->Left());
        box.top = std::min(box.top, child->Top());
        box.right = std::max(box.right, child->Left() + child->Width());
        box.bottom = std::max(box.bottom, child->Top() + child->Height());
    }
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        child->SetBounds(child->Left() - box.left + inner.left, child->Top() - box.top + inner.top, child->Width(),
                         child->Height());
    }
    panel_->SetBounds(panel_->Left(), panel_->Top(), box.right - box.left + inner.left - inner.right,
                      box.bottom - box.top + inner.top - inner.bottom);
}

namespace {

bool IsMouseDown(UINT message) {
    switch (message) {
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

}  // namespace

// Runs the application's messages until the pop-up closes: a press outside
// it is swallowed and closes it, keys go to the pop-up, losing the
// activation closes it.
void TVxPopup::RunModalLoop() {
    const HWND self = Handle();
    MSG msg;
    while (!Application->Terminated()) {
        if (!PeekMessage(&msg, 0, 0, 0, PM_NOREMOVE)) {
            Application->HandleMessage();
            continue;
        }
        if (msg.message == WM_KILLFOCUS) break;
        if (msg.message == CloseMessage && msg.hwnd == self) {
            PeekMessage(&msg, self, CloseMessage, CloseMessage, PM_REMOVE);
            break;
        }
        if (msg.message == WM_ACTIVATEAPP || msg.message == CM_DEACTIVATE) break;
        if (IsMouseDown(msg.message) && msg.hwnd != self && !IsChild(self, msg.hwnd)) {
            PeekMessage(&msg, msg.hwnd, msg.message, msg.message, PM_REMOVE);
            break;
        }
        if (msg.message >= WM_KEYDOWN && msg.message <= WM_KEYLAST) {
            PeekMessage(&msg, msg.hwnd, msg.message, msg.message, PM_REMOVE);
            SendMessage(self, msg.message, msg.wParam, msg.lParam);
            continue;
        }
        Application->HandleMessage();
    }
    Withdraw();
}

void TVxPopup::Withdraw() {
    SetWindowPos(Handle(), 0, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    SetVisible(false);
    for (int i = ControlCount() - 1; i >= 0; --i) Controls(i)->SetParent(panel_);
}

void TVxPopup::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_MOUSEACTIVATE:
        Message.Result = MA_NOACTIVATE;
        return;
    case WM_NCACTIVATE:
        Message.Result = 0;
        return;
    case WM_SYSCOMMAND:
        PostClose();
        return;
    case CloseMessage:
        return;
    default:
        break;
    }
    if (Message.Msg >= WM_KEYDOWN && Message.Msg <= WM_KEYLAST) {
        if (Message.Msg == WM_KEYDOWN && Message.WParam == VK_ESCAPE) PostClose();
        if (focusTarget_) {
            focusTarget_->WindowProc()(Message);
            return;
        }
    }
    TVxCustomPopup::WndProc(Message);
}
