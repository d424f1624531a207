// TWinControl, TCustomControl and the scrolling window controls: the
// window behind a control, its children, focus and tab order, keys, layout
// and painting.
#include <algorithm>
#include <unordered_map>
#include <utility>

#include "platform/rtl/programlong.h"
#include "platform/ui/controls.h"
#include "platform/ui/docktree.h"
#include "platform/ui/forms.h"
#include "platform/ui/menus.h"
#include "platform/win/userinput.h"
#include "platform/win/winpaint.h"

namespace {

std::unordered_map<HWND, TWinControl*>& ControlsByHandle() {
    static ProgramLong<std::unordered_map<HWND, TWinControl*>> map;
    return *map;
}

// The control whose window is being created: its first messages arrive
// before CreateWindowEx has answered the handle.
TWinControl* creationControl = nullptr;

bool IsMouseMessage(UINT msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST && msg != WM_MOUSEWHEEL; }

}  // namespace

LRESULT InitialWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TWinControl* control = creationControl;
    if (!control) return DefWindowProc(window, message, wParam, lParam);
    creationControl = nullptr;
    control->handle_ = window;
    ControlsByHandle()[window] = control;
    SetWindowLongPtr(window, GWLP_WNDPROC, LONG_PTR(control->objectInstance_));
    return CallWindowProc(control->objectInstance_, window, message, wParam, lParam);
}

TWinControl* FindControl(HWND handle) {
    const auto& map = ControlsByHandle();
    const auto it = map.find(handle);
    return it == map.end() ? nullptr : it->second;
}

// ---- TWinControl --------------------------------------------------------------

void TWinControl::Published(TPublished<TWinControl>& p) {
    p.Property("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder).Default(-1);
    p.Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop);
    p.Property("DoubleBuffered", &TWinControl::DoubleBuffered, &TWinControl::SetDoubleBuffered);
    p.Property("ImeMode", &TWinControl::ImeMode, &TWinControl::SetImeMode).Default(imDontCare);
    p.Property("ImeName", &TWinControl::ImeName, &TWinControl::SetImeName);
    p.Property("OnKeyDown", &TWinControl::OnKeyDown, &TWinControl::SetOnKeyDown);
    p.Property("OnKeyUp", &TWinControl::OnKeyUp, &TWinControl::SetOnKeyUp);
    p.Property("OnKeyPress", &TWinControl::OnKeyPress, &TWinControl::SetOnKeyPress);
    p.Property("OnEnter", &TWinControl::OnEnter, &TWinControl::SetOnEnter);
    p.Property("OnExit", &TWinControl::OnExit, &TWinControl::SetOnExit);
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {
    objectInstance_ = MakeObjectInstance(TWndMethod(this, &TWinControl::MainWndProc));
}

TWinControl::~TWinControl() { FreeObjectInstance(objectInstance_); }

std::unique_ptr<TDockTree> TWinControl::CreateDockManager() { return std::make_unique<TDockTree>(this); }

// A docked client becomes the site's child and, with a dock manager, takes
// its zone.
void TControl::ManualDock(TWinControl* site) {
    if (!site || !site->DockSite() || hostDockSite_ == site) return;
    SetParent(site);
    hostDockSite_ = site;
    site->dockClients_.push_back(this);
    if (!site->UseDockManager()) return;
    if (!site->dockManager_) site->dockManager_ = site->CreateDockManager();
    site->dockManager_->InsertControl(this);
}

void TWinControl::BeforeDestruction() {
    if (TCustomForm* form = GetParentForm()) form->DefocusControl(this, true);
    TControl::BeforeDestruction();
    while (!controls_.empty()) controls_.back()->SetParent(nullptr);
    if (handle_) DestroyWnd();
}

HWND TWinControl::Handle() {
    HandleNeeded();
    return handle_;
}

void TWinControl::HandleNeeded() {
    if (handle_) return;
    if (Parent()) Parent()->HandleNeeded();
    CreateHandle();
}

void TWinControl::SetParentWindow(HWND v) {
    if (v == parentWindow_) return;
    parentWindow_ = v;
    if (handle_ && !Parent()) RecreateWnd();
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.Caption = Text();
    params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    // A container leaves its child windows out when it paints, so that it
    // never paints over what a child's own child window drew.
    if (ControlStyle().Contains(csAcceptsControls)) params.Style |= WS_CLIPCHILDREN;
    if (Visible()) params.Style |= WS_VISIBLE;
    if (!Enabled()) params.Style |= WS_DISABLED;
    if (tabStop_) params.Style |= WS_TABSTOP;
    params.X = Left();
    params.Y = Top();
    params.Width = Width();
    params.Height = Height();
    params.WndParent = Parent() ? Parent()->Handle() : parentWindow_;
    if (!params.WndParent) params.Style = (params.Style & ~WS_CHILD) | WS_POPUP;
    params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    params.WindowClass.lpfnWndProc = DefWindowProcValue();
    params.WindowClass.hCursor = LoadCursor(0, IDC_ARROW);
    params.WinClassName = ClassName();
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    // A pop-up control is a top-level window owned by its parent's window.
    if (params.Style & WS_POPUP) params.Style &= ~WS_CHILD;
    defWndProc_ = params.WindowClass.lpfnWndProc;
    WNDCLASS existing;
    if (!GetClassInfo(0, params.WinClassName.c_str(), &existing)) {
        WNDCLASS wc = params.WindowClass;
        wc.lpfnWndProc = &InitialWindowProc;
        wc.lpszClassName = params.WinClassName.c_str();
        if (!RegisterClass(&wc)) throw EOutOfResources("Cannot register window class " + params.WinClassName);
    } else if (existing.lpfnWndProc != WNDPROC(&InitialWindowProc)) {
        // A window class of the platform (subclassed): its own procedure is the default one.
        defWndProc_ = existing.lpfnWndProc;
    }
    CreateWindowHandle(params);
    if (!handle_) throw EOutOfResources("Error creating window " + params.WinClassName);
    if (imeMode_ == imDisable) ImmAssociateContext(handle_, 0);
    // The window measures and draws its text in the control's font, as
    // whatever paints over it (a skin, an owner-draw handler) does.
    Perform(WM_SETFONT, WPARAM(Font()->Handle()), 1);
}

void TWinControl::SetImeMode(TImeMode v) {
    if (v == imeMode_) return;
    imeMode_ = v;
    if (handle_) ImmAssociateContext(handle_, v == imDisable ? HIMC(0) : HIMC(handle_));
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
    HWND window = 0;
    WithCreationControl([&] {
        window = CreateWindowEx(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style,
                                params.X, params.Y, params.Width, params.Height, params.WndParent, 0, 0,
                                params.Param);
    });
    if (window && !handle_) {
        // A platform class: the first messages went to its own procedure.
        handle_ = window;
        ControlsByHandle()[window] = this;
        SetWindowLongPtr(window, GWLP_WNDPROC, LONG_PTR(objectInstance_));
    }
    // A child window without an id takes its handle as one, so the owner-draw
    // records, which name the control by id, find it.
    if (window && (params.Style & WS_CHILD) && GetWindowLongPtr(window, GWLP_ID) == 0)
        SetWindowLongPtr(window, GWLP_ID, LONG_PTR(window));
}

void TWinControl::WithCreationControl(const std::function<void()>& create) {
    creationControl = this;
    try {
        create();
    } catch (...) {
        creationControl = nullptr;
        throw;
    }
    creationControl = nullptr;
}

void TWinControl::CreateHandle() {
    if (handle_) return;
    CreateWnd();
    PlaceInControlOrder();
    // What the window was made with: a child made visible under a hidden
    // parent is shown already and must be hidden when it is hidden.
    showing_ = (GetWindowLongPtr(handle_, GWL_STYLE) & WS_VISIBLE) != 0;
    for (TControl* control : controls_)
        if (auto* wc = dynamic_cast<TWinControl*>(control)) wc->HandleNeeded();
    AlignControls(nullptr);
}

// A later control of the parent lies above an earlier one: the window goes
// just below the first later sibling that has a window, else on top.
void TWinControl::PlaceInControlOrder() {
    TWinControl* parent = Parent();
    if (!parent || !handle_) return;
    HWND after = HWND_TOP;
    const auto& siblings = parent->controls_;
    for (auto it = std::find(siblings.begin(), siblings.end(), this); it != siblings.end(); ++it) {
        auto* later = dynamic_cast<TWinControl*>(*it);
        if (later && later != this && later->handle_) {
            after = later->handle_;
            break;
        }
    }
    SetWindowPos(handle_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::SetZOrder(bool topMost) {
    TControl::SetZOrder(topMost);
    if (handle_) SetWindowPos(handle_, topMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::DestroyWnd() {
    // The text may have changed in the window (typed, say); a new window starts from it.
    text_ = WindowTextOf(handle_);
    DestroyWindowHandle();
}

void TWinControl::DestroyWindowHandle() {
    const HWND window = handle_;
    if (!window) return;
    controlState_.Include(csDestroyingHandle);
    DestroyWindow(window);
    controlState_ = controlState_ - TControlState{csDestroyingHandle};
    ControlsByHandle().erase(window);
    handle_ = 0;
    showing_ = false;
}

void TWinControl::WMNCDestroy(TMessage& Message) {
    DefaultHandler(Message);
    // Children's windows went with this one.
    ControlsByHandle().erase(handle_);
    handle_ = 0;
    showing_ = false;
}

void TWinControl::RecreateWnd() {
    if (!handle_) return;
    DestroyWnd();
    HandleNeeded();
}

void TWinControl::MainWndProc(TMessage& Message) {
    try {
        WindowProc()(Message);
    } catch (...) {
        Application->HandleException(this);
    }
}

void TWinControl::WndProc(TMessage& Message) {
    if (IsMouseMessage(Message.Msg) && ForwardMouseToGraphicChild(Message)) return;
    // Alt+character is offered to the form's controls as a mnemonic before the menu sees it.
    if (Message.Msg == WM_SYSCHAR) {
        TCustomForm* form = GetParentForm();
        if (form && form->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam)) return;
    }
    TControl::WndProc(Message);
}

bool TWinControl::ForwardMouseToGraphicChild(TMessage& Message) {
    TPoint pos{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
    TControl* target = nullptr;
    TControl* capture = GetCaptureControl();
    if (capture && capture != this && capture->Parent() == this && !dynamic_cast<TWinControl*>(capture))
        target = capture;
    else if (!capture || capture == this)
        target = ControlAtPos(pos, false);
    // A move that only a graphic child sees still starts the window's leave
    // tracking, or the child would never hear that the mouse went away.
    if (Message.Msg == WM_MOUSEMOVE && target) NoteMouseOver(handle_);
    if (Message.Msg == WM_MOUSEMOVE && target != mouseControl_) {
        if (mouseControl_) mouseControl_->Perform(CM_MOUSELEAVE, 0, 0);
        mouseControl_ = target;
        if (target) target->Perform(CM_MOUSEENTER, 0, 0);
    }
    if (!target) return false;
    Message.Result = target->Perform(Message.Msg, Message.WParam,
                                     MAKELPARAM(pos.x - target->Left(), pos.y - target->Top()));
    return true;
}

void TWinControl::DefaultHandler(TMessage& Message) {
    if (!handle_) return;
    if (Message.Msg >= CN_CTLCOLORMSGBOX && Message.Msg <= CN_CTLCOLORSTATIC) {
        // A control paints in its own font colour and colour.
        const HDC dc = HDC(Message.WParam);
        SetTextColor(dc, ColorToRGB(Font()->Color()));
        SetBkColor(dc, ColorToRGB(Color()));
        Message.Result = LRESULT(Brush()->Handle());
        return;
    }
    Message.Result = CallWindowProc(defWndProc_, handle_, Message.Msg, Message.WParam, Message.LParam);
}

// ---- children -------------------------------------------------------------------

namespace {

// Tells a parent of a child inserted (after) or removed (before). A parent
// being destroyed drops its children unheard: what hooked its window
// procedure may already be gone.
void NotifyControlListChange(TWinControl* parent, TControl* control, bool inserting) {
    if (!parent->ComponentState().Contains(csDestroying))
        parent->Perform(CM_CONTROLLISTCHANGE, WPARAM(control), inserting);
}

}  // namespace

void TWinControl::InsertControl(TControl* control) {
    controls_.push_back(control);
    control->parent_ = this;
    if (auto* wc = dynamic_cast<TWinControl*>(control)) {
        tabList_.push_back(wc);
        if (handle_) wc->HandleNeeded();
    }
    control->ParentFontChanged();
    control->ParentColorChanged();
    control->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
    control->Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
    const TRect client = ClientRect();
    control->anchorParentWidth_ = client.right;
    control->anchorParentHeight_ = client.bottom;
    if (control->Align() != alNone) AlignControls(control);
    control->Invalidate();
    NotifyControlListChange(this, control, true);
}

void TWinControl::RemoveControl(TControl* control) {
    NotifyControlListChange(this, control, false);
    if (mouseControl_ == control) mouseControl_ = nullptr;
    if (control->hostDockSite_ == this) {
        control->hostDockSite_ = nullptr;
        std::erase(dockClients_, control);
        if (dockManager_) dockManager_->RemoveControl(control);
    }
    if (auto* wc = dynamic_cast<TWinControl*>(control)) {
        if (TCustomForm* form = GetParentForm()) form->DefocusControl(wc, true);
        std::erase(tabList_, wc);
        if (wc->handle_) wc->DestroyWnd();
    } else {
        control->Invalidate();
    }
    std::erase(controls_, control);
    control->parent_ = nullptr;
    if (control->Align() != alNone) AlignControls(nullptr);
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (; control; control = control->Parent())
        if (control == this) return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* control = *it;
        const bool isWindow = dynamic_cast<TWinControl*>(control) != nullptr;
        if (isWindow && !allowWinControls) continue;
        if (!control->Visible() || (!control->Enabled() && !allowDisabled)) continue;
        const TRect r = control->BoundsRect();
        if (!PtInRect(&r, pos)) continue;
        TMessage hit{CM_HITTEST, 0, MAKELPARAM(pos.x - r.left, pos.y - r.top), 0};
        control->WindowProc()(hit);
        if (hit.Result) return control;
    }
    return nullptr;
}

void TWinControl::Broadcast(TMessage& Message) {
    for (TControl* control : std::vector<TControl*>(controls_)) {
        control->WindowProc()(Message);
        if (Message.Result) return;
    }
}

void TWinControl::NotifyControls(UINT msg) {
    TMessage message{msg, 0, 0, 0};
    Broadcast(message);
}

void TWinControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
    for (TControl* control : controls_)
        if (control->Owner() == root) proc(control);
}

// ---- focus and tab order ------------------------------------------------------------

int TWinControl::TabOrder() const {
    if (!Parent()) return -1;
    const auto& list = Parent()->tabList_;
    const auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

void TWinControl::SetTabOrder(int v) {
    if (!Parent()) return;
    auto& list = Parent()->tabList_;
    std::erase(list, this);
    const int index = std::clamp(v < 0 ? int(list.size()) : v, 0, int(list.size()));
    list.insert(list.begin() + index, this);
}

void TWinControl::SetTabStop(bool v) {
    if (v == tabStop_) return;
    tabStop_ = v;
    if (handle_) {
        const LONG style = GetWindowLong(handle_, GWL_STYLE);
        SetWindowLong(handle_, GWL_STYLE, v ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
    }
    Perform(CM_TABSTOPCHANGED, 0, 0);
}

bool TWinControl::CanFocus() const {
    const TCustomForm* form = GetParentForm();
    if (!form) return false;
    for (const TControl* control = this; control; control = control->Parent())
        if (!control->Visible() || !control->Enabled()) return false;
    return true;
}

void TWinControl::SetFocus() {
    if (TCustomForm* form = GetParentForm())
        form->FocusControl(this);
    else if (Parent())
        Parent()->SetFocus();
    else
        ::SetFocus(Handle());
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* control : tabList_) {
        list.push_back(control);
        control->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    const int count = int(list.size());
    auto it = std::find(list.begin(), list.end(), current);
    int start = it == list.end() ? (goForward ? count - 1 : 0) : int(it - list.begin());
    int i = start;
    for (int n = 0; n < count; ++n) {
        i = goForward ? (i + 1) % count : (i + count - 1) % count;
        TWinControl* candidate = list[std::size_t(i)];
        if (candidate == current) break;
        if ((!checkTabStop || candidate->TabStop()) && (!checkParent || candidate->Parent() == this) &&
            candidate->CanFocus())
            return candidate;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop)) next->SetFocus();
}

void TWinControl::SelectFirst() {
    if (TWinControl* first = FindNextControl(nullptr, true, true, false)) first->SetFocus();
}

void TWinControl::WMSetFocus(TMessage& Message) {
    DefaultHandler(Message);
    if (TCustomForm* form = GetParentForm()) form->SetFocusedControl(this);
}

void TWinControl::WMKillFocus(TMessage& Message) { DefaultHandler(Message); }

void TWinControl::CMEnter(TMessage&) { DoEnter(); }
void TWinControl::CMExit(TMessage&) { DoExit(); }
void TWinControl::DoEnter() { onEnter_(this); }
void TWinControl::DoExit() { onExit_(this); }

// ---- keys ---------------------------------------------------------------------------

bool TWinControl::IsDialogKey(Word key) const {
    TWinControl* self = const_cast<TWinControl*>(this);
    const LRESULT code = self->Perform(WM_GETDLGCODE, key, 0);
    if (code & DLGC_WANTALLKEYS) return false;
    // A control that wants a special key for itself says so first.
    const auto wanted = [&] { return self->Perform(CM_WANTSPECIALKEY, key, 0) != 0; };
    switch (key) {
    case VK_TAB:
        return !(code & DLGC_WANTTAB) && !wanted();
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
        return !(code & DLGC_WANTARROWS) && !wanted();
    case VK_RETURN: case VK_ESCAPE: case VK_CANCEL:
        return !wanted();
    default:
        return false;
    }
}

bool TWinControl::DoKeyDown(TMessage& Message) {
    Word key = Word(Message.WParam);
    const TShiftState shift = KeyDataToShiftState(Message.LParam);
    TCustomForm* form = GetParentForm();
    if (form && form != this && form->KeyPreview()) {
        form->KeyDown(key, shift);
        if (key == 0) return true;
    }
    KeyDown(key, shift);
    Message.WParam = key;
    return key == 0;
}

bool TWinControl::DoKeyPress(TMessage& Message) {
    char key = char(Message.WParam);
    TCustomForm* form = GetParentForm();
    if (form && form != this && form->KeyPreview()) {
        form->KeyPress(key);
        if (key == 0) return true;
    }
    KeyPress(key);
    Message.WParam = WPARAM(static_cast<unsigned char>(key));
    return key == 0;
}

namespace {

// The control a retrieved key message goes to: the control of its window,
// or of the parent for a platform child (a combo box's edit).
TWinControl* KeyControl(HWND window) {
    if (TWinControl* control = FindControl(window)) return control;
    return (GetWindowLong(window, GWL_STYLE) & WS_CHILD) ? FindControl(GetParent(window)) : nullptr;
}

// The key message TranslateAndDispatch is delivering, which its control was
// offered already; cleared when the control's window procedure meets it.
struct OfferedKey {
    const TWinControl* control;
    UINT message;
};
thread_local const OfferedKey* dispatchingOffered = nullptr;

bool TakeOffered(const TWinControl* control, UINT message) {
    if (!dispatchingOffered || dispatchingOffered->control != control || dispatchingOffered->message != message)
        return false;
    dispatchingOffered = nullptr;
    return true;
}

bool IsKeyMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

}  // namespace

bool KeyMessageUsedUp(MSG& msg) {
    if (!IsKeyMessage(msg.message)) return false;
    TWinControl* control = KeyControl(msg.hwnd);
    if (!control) return false;
    TMessage offer{CN_BASE + msg.message, msg.wParam, msg.lParam, 0};
    control->MainWndProc(offer);
    msg.wParam = offer.WParam;
    return offer.Result != 0;
}

void TranslateAndDispatch(const MSG& msg) {
    TranslateMessage(&msg);
    const OfferedKey offered{IsKeyMessage(msg.message) ? KeyControl(msg.hwnd) : nullptr, msg.message};
    // A modal loop run by the dispatched message sets and restores its own.
    struct Scope {
        const OfferedKey* outer;
        ~Scope() { dispatchingOffered = outer; }
    } scope{std::exchange(dispatchingOffered, offered.control ? &offered : nullptr)};
    DispatchMessage(&msg);
}

// A key message sent straight to the window was offered to no one yet: it
// goes to the control as CN_KEYDOWN/CN_CHAR first (the form's preview, the
// control's events, dialog keys), and what is left reaches the window's own
// procedure, as for a key message from a loop.
bool TWinControl::ReflectKey(TMessage& Message, UINT notification) {
    if (TakeOffered(this, Message.Msg)) return false;
    TMessage reflected{notification, Message.WParam, Message.LParam, 0};
    WindowProc()(reflected);
    Message.WParam = reflected.WParam;
    return reflected.Result != 0;
}

void TWinControl::WMKeyDown(TMessage& Message) {
    if (ReflectKey(Message, Message.Msg == WM_SYSKEYDOWN ? CN_SYSKEYDOWN : CN_KEYDOWN)) return;
    DefaultHandler(Message);
}

// Dialog keys come first, while the focus is still where the key was
// pressed: a handler of OnKeyDown that moves the focus to a button does not
// press that button with the same Enter.
void TWinControl::CNKeyDown(TMessage& Message) {
    Message.Result = 1;
    const Word key = Word(Message.WParam);
    if (IsDialogKey(key)) {
        TCustomForm* form = GetParentForm();
        if (form && form->Perform(CM_DIALOGKEY, key, Message.LParam)) return;
    }
    if (DoKeyDown(Message)) return;
    Message.Result = 0;
}

void TWinControl::CNChar(TMessage& Message) { Message.Result = DoKeyPress(Message) ? 1 : 0; }

void TWinControl::WMKeyUp(TMessage& Message) {
    Word key = Word(Message.WParam);
    KeyUp(key, KeyDataToShiftState(Message.LParam));
    if (key == 0) return;
    Message.WParam = key;
    DefaultHandler(Message);
}

void TWinControl::WMChar(TMessage& Message) {
    if (ReflectKey(Message, CN_CHAR)) return;
    DefaultHandler(Message);
}

void TWinControl::WMMouseMoveTracking(TMessage& Message) {
    NoteMouseOver(handle_);
    TControl::Dispatch(Message);
}

// Moves between the control's own windows are followed by WMMouseLeave.
void TWinControl::NoteMouseOver(HWND window) {
    if (mouseInside_) return;
    TRACKMOUSEEVENT track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = window;
    TrackMouseEvent(&track);
    mouseInside_ = true;
    Perform(CM_MOUSEENTER, 0, 0);
}

void TWinControl::WMMouseLeave(TMessage& Message) {
    POINT cursor;
    GetCursorPos(&cursor);
    const HWND under = WindowFromPoint(cursor);
    if (mouseInside_ && under && (under == handle_ || IsInnerMouseWindow(under))) {
        TRACKMOUSEEVENT track;
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = under;
        TrackMouseEvent(&track);
        return;
    }
    mouseInside_ = false;
    if (mouseControl_) {
        mouseControl_->Perform(CM_MOUSELEAVE, 0, 0);
        mouseControl_ = nullptr;
    }
    Perform(CM_MOUSELEAVE, 0, 0);
    DefaultHandler(Message);
}

void TWinControl::KeyDown(Word& key, TShiftState shift) { onKeyDown_(this, key, shift); }
void TWinControl::KeyUp(Word& key, TShiftState shift) { onKeyUp_(this, key, shift); }
void TWinControl::KeyPress(char& key) { onKeyPress_(this, key); }

void TWinControl::CMDialogKey(TMessage& Message) { Broadcast(Message); }
void TWinControl::CMDialogChar(TMessage& Message) { Broadcast(Message); }

// ---- notifications reflected to the control that sent them -------------------------

void TWinControl::WMCommand(TMessage& Message) {
    if (Message.LParam) {
        if (TWinControl* sender = FindControl(HWND(Message.LParam)); sender && sender != this) {
            Message.Result = sender->Perform(CN_COMMAND, Message.WParam, Message.LParam);
            return;
        }
    }
    DefaultHandler(Message);
}

void TWinControl::WMNotify(TMessage& Message) {
    // NMHDR starts with the sender's handle.
    if (Message.LParam) {
        const HWND from = *reinterpret_cast<const HWND*>(Message.LParam);
        if (TWinControl* sender = FindControl(from); sender && sender != this) {
            Message.Result = sender->Perform(CN_NOTIFY, Message.WParam, Message.LParam);
            return;
        }
    }
    DefaultHandler(Message);
}

void TWinControl::WMReflected(TMessage& Message) {
    if (DispatchMenuOwnerDraw(Message)) return;
    HWND from = HWND(Message.LParam);
    if (Message.Msg == WM_DRAWITEM) {
        from = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam)->hwndItem;
    } else if (Message.Msg == WM_MEASUREITEM) {
        // The record carries the control's id only; its window is the child with it.
        from = Message.WParam ? GetDlgItem(handle_, int(Message.WParam)) : 0;
    }
    if (TWinControl* sender = FindControl(from); sender && sender != this) {
        const UINT reflected = Message.Msg + CN_BASE;
        Message.Result = sender->Perform(reflected, Message.WParam, Message.LParam);
        return;
    }
    DefaultHandler(Message);
}

// ---- state ------------------------------------------------------------------------

bool TWinControl::Showing() const {
    if (!Parent()) return Visible() && handle_ && IsWindowVisible(handle_);
    return Visible() && Parent()->Showing();
}

void TWinControl::UpdateShowing() {
    const bool now = Visible() && (Parent() ? Parent()->Showing() : true);
    if (now && !handle_) HandleNeeded();
    if (!handle_) return;
    if (now != showing_) {
        showing_ = now;
        Perform(CM_SHOWINGCHANGED, 0, 0);
    } else if (!now) {
        return;
    }
    // The windowed controls inside follow, however deep: also under a
    // control that was made showing already, since a child made visible
    // while an outer parent was hidden waits for this to be shown.
    for (TControl* control : controls_)
        if (auto* wc = dynamic_cast<TWinControl*>(control); wc && wc->handle_) wc->UpdateShowing();
}

void TWinControl::ShowingChanged() {
    if (!Parent()) return;
    ShowWindow(handle_, showing_ ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void TWinControl::CMShowingChanged(TMessage&) { ShowingChanged(); }

void TWinControl::CMVisibleChanged(TMessage&) {
    if (!Visible() && Parent()) {
        if (TCustomForm* form = GetParentForm()) form->DefocusControl(this, false);
    }
    if (handle_ || Visible()) UpdateShowing();
}

void TWinControl::CMEnabledChanged(TMessage&) {
    if (!Enabled()) {
        if (TCustomForm* form = GetParentForm()) form->DefocusControl(this, false);
    }
    if (handle_) EnableWindow(handle_, Enabled());
    Invalidate();
}

void TWinControl::CMColorChanged(TMessage&) {
    Invalidate();
    NotifyControls(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMFontChanged(TMessage&) {
    Invalidate();
    if (handle_) Perform(WM_SETFONT, WPARAM(Font()->Handle()), 0);
    NotifyControls(CM_PARENTFONTCHANGED);
}

void TWinControl::CMCtl3DChanged(TMessage&) {
    if (handle_) RecreateWnd();
    NotifyControls(CM_PARENTCTL3DCHANGED);
}

void TWinControl::CMRecreateWnd(TMessage&) { RecreateWnd(); }

void TWinControl::WMSysColorChange(TMessage& Message) {
    Perform(CM_SYSCOLORCHANGE, 0, 0);
    DefaultHandler(Message);
}

void TWinControl::CMSysColorChange(TMessage& Message) {
    Broadcast(Message);
    Invalidate();
}

void TWinControl::CMCancelMode(TMessage& Message) {
    if (GetCaptureControl() && ContainsControl(GetCaptureControl())) SetCaptureControl(nullptr);
    Message.Result = 0;
}

void TWinControl::TextChanged(const AnsiString& text) {
    TControl::TextChanged(text);
    if (handle_) SetWindowText(handle_, text.c_str());
}

void TWinControl::WMContextMenu(TMessage& Message) {
    TPoint pos{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
    TControl* control = this;
    if (pos.x != -1 || pos.y != -1)
        if (TControl* child = ControlAtPos(ScreenToClient(pos), false)) control = child;
    bool handled = false;
    control->OnContextPopup()(control, control->ScreenToClient(pos), handled);
    if (handled) return;
    for (TControl* c = control; c; c = c->Parent()) {
        TPopupMenu* menu = c->PopupMenu();
        if (menu && menu->AutoPopup()) {
            if (pos.x == -1 && pos.y == -1) pos = c->ClientToScreen(Point(0, 0));
            menu->SetPopupComponent(c);
            menu->Popup(pos.x, pos.y);
            return;
        }
    }
    DefaultHandler(Message);
}

void TWinControl::WMMouseWheel(TMessage& Message) {
    TMessage wheel{CM_MOUSEWHEEL, Message.WParam, Message.LParam, 0};
    for (TControl* c = this; c && !wheel.Result; c = c->Parent()) c->WindowProc()(wheel);
    if (!wheel.Result) DefaultHandler(Message);
}

void TWinControl::WMSetCursor(TMessage& Message) {
    if (LOWORD(Message.LParam) == HTCLIENT && HWND(Message.WParam) == handle_) {
        TCursor cursor = Screen->Cursor();
        if (cursor == crDefault) {
            POINT p;
            GetCursorPos(&p);
            TControl* control = ControlAtPos(ScreenToClient(p), false);
            cursor = control ? control->Cursor() : Cursor();
        }
        if (cursor != crDefault) {
            ::SetCursor(Screen->Cursors(cursor));
            Message.Result = 1;
            return;
        }
    }
    DefaultHandler(Message);
}

// ---- layout ------------------------------------------------------------------------

TRect TWinControl::ClientRect() const {
    if (handle_) {
        RECT r;
        GetClientRect(handle_, &r);
        return r;
    }
    return TControl::ClientRect();
}

TPoint TWinControl::ClientOrigin() const {
    if (handle_) {
        POINT p{0, 0};
        ::ClientToScreen(handle_, &p);
        return p;
    }
    return TControl::ClientOrigin();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    if (MinWidth() > 0) width = std::max(width, MinWidth());
    if (MaxWidth() > 0) width = std::min(width, MaxWidth());
    if (MinHeight() > 0) height = std::max(height, MinHeight());
    if (MaxHeight() > 0) height = std::min(height, MaxHeight());
    if (left == Left() && top == Top() && width == Width() && height == Height()) return;
    if (handle_ && !IsIconic(handle_)) {
        SetWindowPos(handle_, 0, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    if (!UpdateBoundsFields(left, top, width, height, false)) return;
    AlignControls(nullptr);
    if (!ComponentState().Contains(csLoading)) Resize();
}

void TWinControl::WMWindowPosChanged(TMessage& Message) {
    RECT r;
    GetWindowRect(handle_, &r);
    // Left and Top are in the client coordinates of the window's own parent
    // window, which need not be the control's Parent: an MDI child sits in its
    // frame's client window, a control may sit in a ParentWindow.
    if (GetWindowLong(handle_, GWL_STYLE) & WS_CHILD) {
        POINT corner{r.left, r.top};
        ::ScreenToClient(GetAncestor(handle_, GA_PARENT), &corner);
        OffsetRect(&r, corner.x - r.left, corner.y - r.top);
    }
    const bool resized = !IsIconic(handle_) && UpdateBoundsFields(r.left, r.top, r.right - r.left, r.bottom - r.top, false);
    // The default handler's WM_SIZE aligns the children first, so that the
    // control's resize handler sees them at their new sizes.
    DefaultHandler(Message);
    if (resized && handle_ && !ComponentState().Contains(csLoading)) Resize();
}

void TWinControl::WMSize(TMessage& Message) {
    AlignControls(nullptr);
    DefaultHandler(Message);
}

void TWinControl::AdjustClientRect(TRect&) const {}

void TWinControl::EnableAlign() {
    if (alignLevel_ > 0 && --alignLevel_ == 0 && alignPending_) AlignControls(nullptr);
}

void TWinControl::AlignControls(TControl* control) {
    if (alignLevel_ > 0 || ComponentState().Contains(csLoading)) {
        alignPending_ = true;
        return;
    }
    alignPending_ = false;
    TRect rect = ClientRect();
    AdjustClientRect(rect);
    DisableAlign();
    try {
        AlignControls(control, rect);
    } catch (...) {
        --alignLevel_;
        throw;
    }
    --alignLevel_;
    alignPending_ = false;
}

void TWinControl::AlignControls(TControl*, TRect& rect) {
    const TRect client = ClientRect();
    // Anchored children keep their distances to the sides they are anchored to.
    for (TControl* c : controls_) {
        if (c->Align() != alNone || c->anchorParentWidth_ < 0) continue;
        const TAnchors a = c->Anchors();
        const int dw = client.right - c->anchorParentWidth_, dh = client.bottom - c->anchorParentHeight_;
        int l = c->Left(), t = c->Top(), w = c->Width(), h = c->Height();
        if (a.Contains(akRight)) (a.Contains(akLeft) ? w : l) += dw;
        if (a.Contains(akBottom)) (a.Contains(akTop) ? h : t) += dh;
        c->anchorParentWidth_ = client.right;
        c->anchorParentHeight_ = client.bottom;
        if (dw || dh) c->SetBounds(l, t, w, h);
    }
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        std::vector<TControl*> list;
        for (TControl* c : controls_)
            if (c->Align() == align && c->Visible()) list.push_back(c);
        std::stable_sort(list.begin(), list.end(), [align](TControl* a, TControl* b) {
            switch (align) {
            case alTop: return a->Top() < b->Top();
            case alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
            case alLeft: return a->Left() < b->Left();
            case alRight: return a->Left() + a->Width() > b->Left() + b->Width();
            default: return false;
            }
        });
        for (TControl* c : list) {
            const int w = std::max<int>(0, rect.right - rect.left), h = std::max<int>(0, rect.bottom - rect.top);
            switch (align) {
            case alTop:
                c->SetBounds(rect.left, rect.top, w, c->Height());
                rect.top += c->Height();
                break;
            case alBottom:
                c->SetBounds(rect.left, rect.bottom - c->Height(), w, c->Height());
                rect.bottom -= c->Height();
                break;
            case alLeft:
                c->SetBounds(rect.left, rect.top, c->Width(), h);
                rect.left += c->Width();
                break;
            case alRight:
                c->SetBounds(rect.right - c->Width(), rect.top, c->Width(), h);
                rect.right -= c->Width();
                break;
            default:
                c->SetBounds(rect.left, rect.top, w, h);
                break;
            }
        }
    }
}

void TWinControl::ChangeScale(int M, int D) {
    DisableAlign();
    for (TControl* control : controls_) control->ChangeScale(M, D);
    TControl::ChangeScale(M, D);
    EnableAlign();
}

// ---- painting -----------------------------------------------------------------------

void TWinControl::Invalidate() {
    if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Update() {
    if (handle_) UpdateWindow(handle_);
}

void TWinControl::Repaint() {
    if (handle_) RedrawWindow(handle_, nullptr, 0, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void TWinControl::WMEraseBkgnd(TMessage& Message) {
    if (!Message.WParam) return;
    RECT r;
    GetClientRect(handle_, &r);
    const HBRUSH brush = CreateSolidBrush(ColorToRGB(Color()));
    FillRect(HDC(Message.WParam), &r, brush);
    DeleteObject(brush);
    Message.Result = 1;
}

void TWinControl::WMPaint(TMessage& Message) { PaintHandler(Message); }

void TWinControl::WMPrintClient(TMessage& Message) {
    if ((Message.LParam & PRF_CHECKVISIBLE) && !Visible()) return;
    if (Message.WParam) PaintHandler(Message);
}

void TWinControl::PaintHandler(TMessage& Message) {
    PAINTSTRUCT ps;
    const HDC dc = Message.WParam ? HDC(Message.WParam) : BeginPaint(handle_, &ps);
    try {
        const int saved = SaveDC(dc);
        PaintWindow(dc);
        RestoreDC(dc, saved);
        PaintControls(dc, nullptr);
    } catch (...) {
        if (!Message.WParam) EndPaint(handle_, &ps);
        throw;
    }
    if (!Message.WParam) EndPaint(handle_, &ps);
}

TWinControl* TWinControl::CreateParented(HWND parentWindow) {
    auto* control = new TWinControl(nullptr);
    control->SetParentWindow(parentWindow);
    return control;
}

void TWinControl::PaintTo(HDC dc, int x, int y) {
    HandleNeeded();
    const int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, x, y, nullptr);
    IntersectClipRect(dc, 0, 0, Width(), Height());
    Perform(WM_ERASEBKGND, WPARAM(dc), 0);
    Perform(WM_PAINT, WPARAM(dc), 0);
    for (TControl* control : controls_)
        if (auto* child = dynamic_cast<TWinControl*>(control); child && child->Visible())
            child->PaintTo(dc, child->Left(), child->Top());
    RestoreDC(dc, saved);
}

TBrush* TWinControl::Brush() {
    if (!brush_) brush_ = std::make_unique<TBrush>();
    brush_->SetColor(Color());
    return brush_.get();
}

void TWinControl::PaintWindow(HDC dc) {
    TMessage message{WM_PAINT, WPARAM(dc), 0, 0};
    DefaultHandler(message);
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
    auto it = controls_.begin();
    if (first) it = std::find(controls_.begin(), controls_.end(), first);
    for (; it != controls_.end(); ++it) {
        TControl* control = *it;
        if (dynamic_cast<TWinControl*>(control) || !control->Visible()) continue;
        const TRect r = control->BoundsRect();
        if (!RectVisible(dc, &r)) continue;
        const int saved = SaveDC(dc);
        POINT old;
        SetWindowOrgEx(dc, -r.left, -r.top, &old);
        IntersectClipRect(dc, 0, 0, r.right - r.left, r.bottom - r.top);
        control->Perform(WM_PAINT, WPARAM(dc), 0);
        RestoreDC(dc, saved);
    }
}

// ---- TCustomControl ----------------------------------------------------------------

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), canvas_(std::make_unique<TControlCanvas>()) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(HDC dc) {
    CanvasOnDC onDC(canvas_.get(), dc);
    canvas_->Font()->Assign(Font());
    canvas_->Brush()->SetColor(Color());
    controlState_.Include(csCustomPaint);
    try {
        Paint();
    } catch (...) {
        controlState_ = controlState_ - TControlState{csCustomPaint};
        throw;
    }
    controlState_ = controlState_ - TControlState{csCustomPaint};
}

void TWinControl::ScrollBy(int deltaX, int deltaY) {
    DisableAlign();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        c->SetBounds(c->Left() + deltaX, c->Top() + deltaY, c->Width(), c->Height());
    }
    EnableAlign();
    Invalidate();
}
