// TCustomForm: showing, modality, closing, focus, activation and MDI.
#include "platform/ui/forms.h"

#include <algorithm>

#include "platform/rtl/formresources.h"
#include "platform/rtl/moduleregistry.h"
#include "platform/ui/graphic.h"
#include "platform/ui/menus.h"
#include "platform/win/winmdi.h"
#include "platform/win/winframe.h"
#include "platform/win/winpaint.h"

namespace {

void AlignTree(TWinControl* control) {
    control->Realign();
    for (int i = 0; i < control->ControlCount(); ++i)
        if (auto* child = dynamic_cast<TWinControl*>(control->Controls(i))) AlignTree(child);
}

// The top-level windows a modal form disables while it runs.
std::vector<HWND> DisableOtherWindows(HWND modal) {
    std::vector<HWND> disabled;
    EnumWindows(
        [&](HWND window, LPARAM) {
            if (window != modal && IsWindowVisible(window) && IsWindowEnabled(window)) {
                EnableWindow(window, FALSE);
                disabled.push_back(window);
            }
            return TRUE;
        },
        0);
    return disabled;
}

// The frame an MDI child goes into (nullptr for a form that is no MDI child,
// or when there is no frame).
TCustomForm* MDIFrame(const TCustomForm* child) {
    if (child->FormStyle() != fsMDIChild) return nullptr;
    TForm* frame = Application->MainForm();
    if (!frame || frame == child || frame->FormStyle() != fsMDIForm) return nullptr;
    return frame;
}

}  // namespace

void TCustomForm::Published(TPublished<TCustomForm>& p) {
    p.Property("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle).Default(bsSizeable);
    p.Property("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons);
    p.Property("FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle).Default(fsNormal);
    p.Property("Position", &TCustomForm::Position, &TCustomForm::SetPosition).Default(poDesigned);
    p.Property("WindowState", &TCustomForm::WindowState, &TCustomForm::SetWindowState).Default(wsNormal);
    p.Property("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu);
    p.Property("Icon", &TCustomForm::Icon, &TCustomForm::SetIcon);
    p.Property("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview);
    p.Property("HelpFile", &TCustomForm::HelpFile, &TCustomForm::SetHelpFile);
    p.Property("PrintScale", &TCustomForm::PrintScale, &TCustomForm::SetPrintScale).Default(poProportional);
    p.Property("PixelsPerInch", &TCustomForm::PixelsPerInch, &TCustomForm::SetPixelsPerInch);
    p.Property("Scaled", &TCustomForm::Scaled, &TCustomForm::SetScaled);
    p.Property("ClientWidth", &TCustomForm::ClientWidthProperty, &TCustomForm::SetClientWidthProperty);
    p.Property("ClientHeight", &TCustomForm::ClientHeightProperty, &TCustomForm::SetClientHeightProperty);
    p.Property("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl);
    p.Property("OnCreate", &TCustomForm::OnCreate, &TCustomForm::SetOnCreate);
    p.Property("OnDestroy", &TCustomForm::OnDestroy, &TCustomForm::SetOnDestroy);
    p.Property("OnShow", &TCustomForm::OnShow, &TCustomForm::SetOnShow);
    p.Property("OnHide", &TCustomForm::OnHide, &TCustomForm::SetOnHide);
    p.Property("OnActivate", &TCustomForm::OnActivate, &TCustomForm::SetOnActivate);
    p.Property("OnDeactivate", &TCustomForm::OnDeactivate, &TCustomForm::SetOnDeactivate);
    p.Property("OnPaint", &TCustomForm::OnPaint, &TCustomForm::SetOnPaint);
    p.Property("OnClose", &TCustomForm::OnClose, &TCustomForm::SetOnClose);
    p.Property("OnCloseQuery", &TCustomForm::OnCloseQuery, &TCustomForm::SetOnCloseQuery).TypeName("TCloseQueryEvent");
}

TCustomForm::TCustomForm(TComponent* owner)
    : TScrollingWinControl(owner), icon_(std::make_unique<TIcon>()), canvas_(std::make_unique<TControlCanvas>()) {
    formState_.Include(fsCreating);
    SetVisible(false);
    SetColor(clBtnFace);
    SetParentFont(false);
    SetBounds(0, 0, 320, 240);
    controlStyle_.Include(csAcceptsControls);
    icon_->SetOnChange([this](TObject*) { PassIconToWindow(); });
    RegisterModule(this);
}

TCustomForm::TCustomForm(TComponent* owner, int) : TCustomForm(owner) { createNew_ = true; }

TCustomForm::~TCustomForm() = default;

void TCustomForm::AfterConstruction() {
    if (!createNew_ && ClassType() != TForm::StaticClass() && ClassType() != StaticClass() &&
        !InitInheritedComponent(this, TForm::StaticClass()))
        throw EResNotFound("Resource " + ClassName() + " not found");
    HandleNeeded();
    if (pendingClientWidth_ >= 0) SetClientWidth(pendingClientWidth_);
    if (pendingClientHeight_ >= 0) SetClientHeight(pendingClientHeight_);
    AlignTree(this);
    formState_ = formState_ - TFormState{fsCreating};
    onCreate_(this);
    if (formState_.Contains(fsVisible) || formStyle_ == fsMDIChild) Show();
}

void TCustomForm::BeforeDestruction() {
    if (Visible() && HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
    onDestroy_(this);
    Screen->FormDestroyed(this);
    UnregisterModule(this);
    TScrollingWinControl::BeforeDestruction();
}

void TCustomForm::Loaded() {
    TScrollingWinControl::Loaded();
    // A description's "Visible = True" shows the form once it is created.
    if (Visible()) {
        formState_.Include(fsVisible);
        SetVisible(false);
    }
}

void TCustomForm::GetChildren(const TGetChildProc& proc, TComponent* root) {
    TScrollingWinControl::GetChildren(proc, root);
    for (int i = 0; i < ComponentCount(); ++i)
        if (!Components(i)->HasParent()) proc(Components(i));
}

void TCustomForm::SetClientWidthProperty(int v) {
    if (HandleAllocated()) SetClientWidth(v);
    else pendingClientWidth_ = v;
}

void TCustomForm::SetClientHeightProperty(int v) {
    if (HandleAllocated()) SetClientHeight(v);
    else pendingClientHeight_ = v;
}

void TCustomForm::CreateParams(TCreateParams& params) {
    TScrollingWinControl::CreateParams(params);
    params.Style &= ~(WS_CHILD | WS_VISIBLE | WS_TABSTOP);
    params.WndParent = 0;
    if (TCustomForm* frame = MDIFrame(this)) {
        params.WndParent = frame->ClientHandle() ? frame->ClientHandle() : frame->Handle();
        params.Style |= WS_CHILD;
        params.ExStyle |= WS_EX_MDICHILD;
        // The client window cascades the child; a position set later (in
        // OnCreate, say) moves it from there.
        if (position_ == poDefault || position_ == poDefaultPosOnly) params.X = params.Y = CW_USEDEFAULT;
    }
    if (!(params.Style & WS_CHILD)) params.Style |= WS_POPUP;
    switch (borderStyle_) {
    case bsNone: break;
    case bsSingle: case bsToolWindow: params.Style |= WS_CAPTION | WS_BORDER; break;
    case bsDialog: params.Style |= WS_CAPTION | WS_DLGFRAME; params.ExStyle |= WS_EX_DLGMODALFRAME; break;
    default: params.Style |= WS_CAPTION | WS_THICKFRAME; break;
    }
    if (borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin) params.ExStyle |= WS_EX_TOOLWINDOW;
    if (borderStyle_ != bsNone && borderIcons_.Contains(biSystemMenu)) {
        params.Style |= WS_SYSMENU;
        if (borderStyle_ != bsDialog) {
            if (borderIcons_.Contains(biMinimize)) params.Style |= WS_MINIMIZEBOX;
            if (borderIcons_.Contains(biMaximize)) params.Style |= WS_MAXIMIZEBOX;
        }
    }
    if (formStyle_ == fsStayOnTop) params.ExStyle |= WS_EX_TOPMOST;
    params.WindowClass.style |= CS_DBLCLKS;
}

void TCustomForm::CreateHandle() {
    TScrollingWinControl::CreateHandle();
    if (formStyle_ == fsMDIForm && !clientHandle_) {
        RECT r;
        GetClientRect(Handle(), &r);
        CLIENTCREATESTRUCT ccs;
        ccs.idFirstChild = 0xFF00;
        // The children's frames follow their forms' border icons.
        clientHandle_ = CreateWindowEx(WS_EX_CLIENTEDGE, "MDIClient", "",
                                       WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | MDIS_ALLCHILDSTYLES, 0, 0, r.right,
                                       r.bottom, Handle(), 0, 0, &ccs);
        Realign();
    }
    if (menu_) ::SetMenu(Handle(), menu_->Handle());
    PassIconToWindow();
}

void TCustomForm::PassIconToWindow() {
    if (!HandleAllocated()) return;
    const HICON icon = icon_->Empty() ? HICON(0) : icon_->Handle();
    if (HICON(SendMessage(Handle(), WM_GETICON, ICON_BIG, 0)) != icon) SendMessage(Handle(), WM_SETICON, ICON_BIG, LPARAM(icon));
}

void TCustomForm::AlignControls(TControl* control, TRect& rect) {
    TScrollingWinControl::AlignControls(control, rect);
    if (clientHandle_)
        SetWindowPos(clientHandle_, HWND_BOTTOM, rect.left, rect.top, std::max<int>(0, rect.right - rect.left),
                     std::max<int>(0, rect.bottom - rect.top), SWP_NOACTIVATE);
}


void TCustomForm::CreateWindowHandle(const TCreateParams& params) {
    TCustomForm* frame = MDIFrame(this);
    if (!frame || !frame->Handle() || !frame->ClientHandle()) {
        TScrollingWinControl::CreateWindowHandle(params);
        return;
    }
    // The client window creates its children.
    WithCreationControl([&] {
        CreateMDIWindow(params.WinClassName.c_str(), params.Caption.c_str(), params.Style & ~WS_CHILD, params.X,
                        params.Y, params.Width, params.Height, frame->ClientHandle(), 0, 0);
    });
}

void TCustomForm::DestroyWindowHandle() {
    TCustomForm* frame = MDIFrame(this);
    if (frame && frame->ClientHandle() && HandleAllocated() && IsChild(frame->ClientHandle(), Handle())) {
        SendMessage(frame->ClientHandle(), WM_MDIDESTROY, WPARAM(Handle()), 0);
    }
    TScrollingWinControl::DestroyWindowHandle();
    if (clientHandle_ && !IsWindow(clientHandle_)) clientHandle_ = 0;
}

void TCustomForm::DefaultHandler(TMessage& Message) {
    if (!HandleAllocated()) return;
    if (clientHandle_) {
        // The frame places its client window itself, beside its aligned controls.
        if (Message.Msg == WM_SIZE) {
            Realign();
            Message.Result = 0;
            return;
        }
        Message.Result = DefFrameProc(Handle(), clientHandle_, Message.Msg, Message.WParam, Message.LParam);
        return;
    }
    if (GetWindowLong(Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD) {
        Message.Result = DefMDIChildProc(Handle(), Message.Msg, Message.WParam, Message.LParam);
        return;
    }
    TScrollingWinControl::DefaultHandler(Message);
}

void TCustomForm::WMCommand(TMessage& Message) {
    if (Message.LParam == 0 && HIWORD(Message.WParam) <= 1 && menu_ && menu_->DispatchCommand(LOWORD(Message.WParam)))
        return;
    TScrollingWinControl::Dispatch(Message);
}

void TCustomForm::SetFormStyle(TFormStyle v) {
    if (v == formStyle_) return;
    formStyle_ = v;
    if (v == fsMDIChild) SetPosition(poDefault);
    if (HandleAllocated()) RecreateWnd();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle v) {
    if (v == borderStyle_) return;
    borderStyle_ = v;
    if (HandleAllocated()) RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons v) {
    if (v == borderIcons_) return;
    borderIcons_ = v;
    if (HandleAllocated()) RecreateWnd();
}

TWindowState TCustomForm::WindowState() const {
    if (HandleAllocated()) {
        const HWND window = const_cast<TCustomForm*>(this)->Handle();
        if (IsIconic(window)) return wsMinimized;
        if (IsZoomed(window)) return wsMaximized;
        if (IsWindowVisible(window)) return wsNormal;
    }
    return windowState_;
}

void TCustomForm::SetWindowState(TWindowState v) {
    windowState_ = v;
    if (!HandleAllocated() || !Visible()) return;
    static constexpr int commands[] = {SW_SHOWNORMAL, SW_MINIMIZE, SW_SHOWMAXIMIZED};
    ShowWindow(Handle(), commands[v]);
}

void TCustomForm::SetMenu(TMainMenu* v) {
    if (menu_) menu_->RemoveFreeNotification(this);
    menu_ = v;
    if (v) {
        v->FreeNotification(this);
        v->AttachTo(this);
    }
}

void TCustomForm::SetIcon(TIcon* v) { icon_->Assign(v); }

// ---- showing ----------------------------------------------------------------------

void TCustomForm::Show() {
    SetVisible(true);
    BringToFront();
}

void TCustomForm::BringToFront() {
    if (!HandleAllocated() || !Visible()) return;
    if (TCustomForm* frame = MDIFrame(this); frame && frame->ClientHandle()) {
        SendMessage(frame->ClientHandle(), WM_MDIACTIVATE, WPARAM(Handle()), 0);
        Activate();
        return;
    }
    SetActiveWindow(Handle());
}

void TCustomForm::PlaceOnShow() {
    if (placed_) return;
    placed_ = true;
    int left = Left(), top = Top();
    TRect area = Screen->WorkAreaRect();
    const TCustomForm* around = nullptr;
    switch (position_) {
    case poScreenCenter: case poDesktopCenter: break;
    case poMainFormCenter: around = Application->MainForm(); break;
    case poOwnerFormCenter: around = dynamic_cast<TCustomForm*>(Owner()); break;
    default: return;
    }
    if (around && around != this) area = around->BoundsRect();
    left = area.left + (area.right - area.left - Width()) / 2;
    top = area.top + (area.bottom - area.top - Height()) / 2;
    SetBounds(left, top, Width(), Height());
}

void TCustomForm::CMShowingChanged(TMessage&) {
    if (Visible()) {
        formState_.Include(fsShowing);
        try {
            DoShow();
        } catch (...) {
            formState_ = formState_ - TFormState{fsShowing};
            throw;
        }
        formState_ = formState_ - TFormState{fsShowing};
        PlaceOnShow();
        static constexpr int commands[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
        ShowWindow(Handle(), commands[windowState_]);
        if (formStyle_ == fsMDIChild) Activate();
    } else {
        DoHide();
        if (Screen->ActiveCustomForm() == this) Screen->SetActiveForm(nullptr);
        ShowWindow(Handle(), SW_HIDE);
    }
}

void TCustomForm::DoShow() { onShow_(this); }
void TCustomForm::DoHide() { onHide_(this); }

int TCustomForm::ShowModal() {
    if (Visible() || !Enabled() || formState_.Contains(fsModal) || formStyle_ == fsMDIChild)
        throw EInvalidOperation("Cannot make a visible window modal");
    if (GetCapture()) SendMessage(GetCapture(), WM_CANCELMODE, 0, 0);
    ReleaseCapture();
    formState_.Include(fsModal);
    const HWND previousActive = GetActiveWindow();
    std::vector<HWND> disabled = DisableOtherWindows(Handle());
    modalResult_ = mrNone;
    auto restore = [&] {
        for (HWND window : disabled)
            if (IsWindow(window)) EnableWindow(window, TRUE);
        if (HandleAllocated()) Hide();
        formState_ = formState_ - TFormState{fsModal};
        if (previousActive && IsWindow(previousActive) && IsWindowVisible(previousActive))
            SetActiveWindow(previousActive);
    };
    try {
        Show();
        for (;;) {
            if (modalResult_ != mrNone) {
                // Closing a modal form may be refused or turned into another action.
                TCloseAction action = caHide;
                if (CloseQuery()) DoClose(action);
                else action = caNone;
                if (action == caFree) Release();
                if (action != caNone) break;
                modalResult_ = mrNone;
            }
            Application->HandleMessage();
            if (Application->Terminated()) {
                modalResult_ = mrCancel;
                break;
            }
        }
    } catch (...) {
        restore();
        throw;
    }
    restore();
    return modalResult_;
}

void TCustomForm::Close() {
    if (formState_.Contains(fsModal)) {
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    if (formStyle_ == fsMDIChild) action = borderIcons_.Contains(biMinimize) ? caMinimize : caNone;
    DoClose(action);
    switch (action) {
    case caHide: Hide(); break;
    case caMinimize: SetWindowState(wsMinimized); break;
    case caFree: Release(); break;
    default: break;
    }
    if (this == Application->MainForm() && action != caNone) Application->Terminate();
}

void TCustomForm::DoClose(TCloseAction& action) { onClose_(this, action); }

bool TCustomForm::CloseQuery() {
    if (formStyle_ == fsMDIForm)
        for (int i = 0; i < MDIChildCount(); ++i)
            if (!MDIChildren(i)->CloseQuery()) return false;
    bool canClose = true;
    onCloseQuery_(this, canClose);
    return canClose;
}

void TCustomForm::Release() { Application->ReleaseForm(this); }

void TCustomForm::WMClose(TMessage&) { Close(); }

void TCustomForm::CMRelease(TMessage&) { Release(); }

void TCustomForm::PaintWindow(HDC dc) {
    CanvasOnDC onDC(canvas_.get(), dc);
    canvas_->Font()->Assign(Font());
    canvas_->Brush()->SetColor(Color());
    onPaint_(this);
}

// ---- activation and focus ----------------------------------------------------------

void TCustomForm::WMActivate(TMessage& Message) {
    if (LOWORD(Message.WParam) == WA_INACTIVE) {
        Perform(CM_DEACTIVATE, 0, 0);
        return;
    }
    Perform(CM_ACTIVATE, 0, 0);
}

void TCustomForm::WMActivateApp(TMessage& Message) {
    Application->ForegroundChanged(Message.WParam != 0);
    DefaultHandler(Message);
}

// An MDI child is activated by its client window, not by WM_ACTIVATE: the
// child losing the activation hears of it first, then the one gaining it.
void TCustomForm::WMMDIActivate(TMessage& Message) {
    DefaultHandler(Message);
    if (HWND(Message.LParam) == Handle())
        Perform(CM_ACTIVATE, 0, 0);
    else if (HWND(Message.WParam) == Handle())
        Perform(CM_DEACTIVATE, 0, 0);
}

void TCustomForm::CMActivate(TMessage&) { Activate(); }
void TCustomForm::CMDeactivate(TMessage&) { Deactivate(); }

void TCustomForm::Activate() {
    Screen->SetActiveForm(this);
    if (activeControl_) Screen->SetActiveControl(activeControl_);
    // An activated form (shown, brought forward, modal or not) takes the
    // focus unless one of its controls already holds it.
    if (HandleAllocated() && IsWindowVisible(Handle()) && !IsChild(Handle(), GetFocus())) SetFocus();
    if (active_) return;
    active_ = true;
    onActivate_(this);
}

void TCustomForm::Deactivate() {
    if (!active_) return;
    active_ = false;
    onDeactivate_(this);
}

TWinControl* TCustomForm::FocusTarget() const {
    if (activeControl_ && activeControl_->CanFocus()) return activeControl_;
    return FindNextControl(nullptr, true, true, false);
}

void TCustomForm::SetFocus() {
    if (!HandleAllocated() || !IsWindowVisible(Handle())) return;
    if (TWinControl* target = FocusTarget()) FocusControl(target);
    else ::SetFocus(Handle());
}

void TCustomForm::WMSetFocus(TMessage& Message) {
    DefaultHandler(Message);
    // The form's own window got the focus (an MDI child brought forward, a
    // window activated by the system): a dialog passes it on to the control
    // that had it, or the first in tab order, so typing lands in a field.
    if (TWinControl* target = FocusTarget(); target && IsWindowVisible(Handle())) {
        FocusControl(target);
        return;
    }
    SetFocusedControl(this);
}

void TCustomForm::SetActiveControl(TWinControl* v) {
    if (v == activeControl_) return;
    if (v && (v == this || v->GetParentForm() != this))
        throw EInvalidOperation("Invalid active control");
    if (v && HandleAllocated() && IsWindowVisible(Handle()) && Screen->ActiveCustomForm() == this) {
        FocusControl(v);
        return;
    }
    activeControl_ = v;
}

void TCustomForm::FocusControl(TWinControl* control) {
    if (!control->CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
    activeControl_ = control;
    if (!HandleAllocated() || !IsWindowVisible(Handle())) return;
    if (GetActiveWindow() != Handle() && formStyle_ != fsMDIChild) {
        // Activation focuses the active control.
        SetActiveWindow(Handle());
        if (GetFocus() == control->Handle()) return;
    }
    ::SetFocus(control->Handle());
}

bool TCustomForm::SetFocusedControl(TWinControl* control) {
    TWinControl* target = control == this ? nullptr : control;
    activeControl_ = target;
    Screen->SetActiveControl(target);
    if (focusedControl_ == control) return true;
    TWinControl* previous = focusedControl_;
    focusedControl_ = control;
    RunExitsAndEnters(previous, control);
    return true;
}

// Exits run from the control losing the focus up to the container shared
// with the one receiving it; enters run down from there.
void TCustomForm::RunExitsAndEnters(TWinControl* from, TWinControl* to) {
    TWinControl* common = from;
    while (common && !common->ContainsControl(to)) common = common->Parent();
    for (TWinControl* c = from; c && c != common && c != this; c = c->Parent()) {
        c->Perform(CM_EXIT, 0, 0);
        if (focusedControl_ != to) return;
    }
    std::vector<TWinControl*> enters;
    for (TWinControl* c = to; c && c != common && c != this; c = c->Parent()) enters.push_back(c);
    for (auto it = enters.rbegin(); it != enters.rend(); ++it) {
        (*it)->Perform(CM_ENTER, 0, 0);
        if (focusedControl_ != to) return;
    }
}

void TCustomForm::DefocusControl(TWinControl* control, bool removing) {
    if (removing) {
        if (activeControl_ && control->ContainsControl(activeControl_)) activeControl_ = nullptr;
        if (activeOleControl_ && control->ContainsControl(activeOleControl_)) activeOleControl_ = nullptr;
        if (focusedControl_ && control->ContainsControl(focusedControl_)) focusedControl_ = nullptr;
        if (Screen->ActiveControl() && control->ContainsControl(Screen->ActiveControl()))
            Screen->SetActiveControl(nullptr);
        return;
    }
    if (activeControl_ && control->ContainsControl(activeControl_)) {
        TWinControl* next = FindNextControl(activeControl_, true, true, false);
        if (next && !control->ContainsControl(next)) FocusControl(next);
        else {
            activeControl_ = nullptr;
            if (HandleAllocated() && IsWindowVisible(Handle())) ::SetFocus(Handle());
        }
    }
}

void TCustomForm::CMDialogKey(TMessage& Message) {
    const Word key = Word(Message.WParam);
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    if (GetKeyState(VK_MENU) >= 0) {
        switch (key) {
        case VK_TAB:
            if (GetKeyState(VK_CONTROL) < 0) break;
            SelectNext(activeControl_, !shift, true);
            Message.Result = 1;
            return;
        case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
            if (activeControl_ && activeControl_->Parent()) {
                activeControl_->Parent()->SelectNext(activeControl_, key == VK_RIGHT || key == VK_DOWN, false);
                Message.Result = 1;
                return;
            }
            break;
        default:
            break;
        }
    }
    Broadcast(Message);
}

// ---- MDI ------------------------------------------------------------------------------

int TCustomForm::MDIChildCount() const {
    if (formStyle_ != fsMDIForm) return 0;
    int count = 0;
    for (int i = 0; i < Screen->CustomFormCount(); ++i) {
        TCustomForm* form = Screen->CustomForms(i);
        if (form->FormStyle() == fsMDIChild && form->HandleAllocated()) ++count;
    }
    return count;
}

TCustomForm* TCustomForm::MDIChildren(int index) const {
    if (formStyle_ != fsMDIForm) return nullptr;
    // In z-order, the active child first.
    const HWND host = clientHandle_ ? clientHandle_ : HWND(const_cast<TCustomForm*>(this)->Handle());
    int n = 0;
    for (HWND w = GetWindow(host, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
        auto* form = dynamic_cast<TCustomForm*>(FindControl(w));
        if (form && form->FormStyle() == fsMDIChild && n++ == index) return form;
    }
    return nullptr;
}

TCustomForm* TCustomForm::ActiveMDIChild() const {
    for (int i = 0; i < MDIChildCount(); ++i) {
        TCustomForm* child = MDIChildren(i);
        if (child->Visible()) return child;
    }
    return nullptr;
}


void TCustomForm::SendToClient(UINT message, WPARAM wParam) {
    if (formStyle_ == fsMDIForm && clientHandle_) SendMessage(clientHandle_, message, wParam, 0);
}

void TCustomForm::ArrangeIcons() { SendToClient(WM_MDIICONARRANGE, 0); }

void TCustomForm::Cascade() { SendToClient(WM_MDICASCADE, 0); }

void TCustomForm::Tile() { SendToClient(WM_MDITILE, tileMode_ == tbHorizontal ? MDITILE_HORIZONTAL : MDITILE_VERTICAL); }

void TCustomForm::Next() { SendToClient(WM_MDINEXT, 0); }

void TCustomForm::Previous() {
    if (formStyle_ == fsMDIForm && clientHandle_) SendMessage(clientHandle_, WM_MDINEXT, 0, 1);
}

TBitmap* TCustomForm::GetFormImage() {
    auto image = std::make_unique<TBitmap>();
    image->SetSize(ClientWidth(), ClientHeight());
    image->Canvas()->Brush()->SetColor(Color());
    image->Canvas()->FillRect(Rect(0, 0, ClientWidth(), ClientHeight()));
    if (HandleAllocated()) PaintTo(image->Canvas()->Handle(), 0, 0);
    return image.release();
}

void TCustomForm::SendCancelMode(TControl* sender) {
    if (Active() && activeControl_) activeControl_->Perform(CM_CANCELMODE, 0, LPARAM(sender));
    if (formStyle_ == fsMDIForm)
        if (TCustomForm* child = ActiveMDIChild()) child->SendCancelMode(sender);
}
