// TControl and TGraphicControl, and the look-ups of controls by window and
// by point.
#include "platform/ui/controls.h"

#include <algorithm>

#include "platform/ui/actnlist.h"
#include "platform/ui/forms.h"
#include "platform/ui/menus.h"
#include "platform/win/winpaint.h"

namespace {

TControl* captureControl = nullptr;

TMouseButton ButtonOf(UINT msg) {
    switch (msg) {
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: return mbRight;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK: return mbMiddle;
    default: return mbLeft;
    }
}

}  // namespace

TShiftState KeysToShiftState(WPARAM keys) {
    TShiftState shift;
    if (keys & MK_SHIFT) shift.Include(ssShift);
    if (keys & MK_CONTROL) shift.Include(ssCtrl);
    if (keys & MK_LBUTTON) shift.Include(ssLeft);
    if (keys & MK_RBUTTON) shift.Include(ssRight);
    if (keys & MK_MBUTTON) shift.Include(ssMiddle);
    if (GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
    return shift;
}

TShiftState KeyDataToShiftState(LPARAM keyData) {
    TShiftState shift;
    if (GetKeyState(VK_SHIFT) < 0) shift.Include(ssShift);
    if (GetKeyState(VK_CONTROL) < 0) shift.Include(ssCtrl);
    if ((keyData & 0x20000000) || GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
    return shift;
}

// ---- TControl ------------------------------------------------------------------

void TControl::Published(TPublished<TControl>& p) {
    p.Property("Left", &TControl::Left, &TControl::SetLeft);
    p.Property("Top", &TControl::Top, &TControl::SetTop);
    p.Property("Width", &TControl::Width, &TControl::SetWidth);
    p.Property("Height", &TControl::Height, &TControl::SetHeight);
    p.Property("Align", &TControl::Align, &TControl::SetAlign).Default(alNone);
    p.Property("Anchors", &TControl::Anchors, &TControl::SetAnchors);
    p.Property("Caption", &TControl::Caption, &TControl::SetCaption);
    p.Property("Color", &TControl::Color, &TControl::SetColor).TypeName("TColor");
    p.Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor);
    p.Property("Font", &TControl::Font, &TControl::SetFont);
    p.Property("ParentFont", &TControl::ParentFont, &TControl::SetParentFont);
    p.Property("Ctl3D", &TControl::Ctl3D, &TControl::SetCtl3D);
    p.Property("ParentCtl3D", &TControl::ParentCtl3D, &TControl::SetParentCtl3D);
    p.Property("Enabled", &TControl::Enabled, &TControl::SetEnabled).Default(true);
    p.Property("Visible", &TControl::Visible, &TControl::SetVisible).Default(true);
    p.Property("Hint", &TControl::Hint, &TControl::SetHint);
    p.Property("ShowHint", &TControl::ShowHint, &TControl::SetShowHint);
    p.Property("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint);
    p.Property("Cursor", &TControl::Cursor, &TControl::SetCursor).TypeName("TCursor");
    p.Property("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu);
    p.Property("BiDiMode", &TControl::BiDiMode, &TControl::SetBiDiMode);
    p.Property("ParentBiDiMode", &TControl::ParentBiDiMode, &TControl::SetParentBiDiMode).Default(true);
    p.Property("DragMode", &TControl::DragMode, &TControl::SetDragMode);
    p.Property("DragCursor", &TControl::DragCursor, &TControl::SetDragCursor).TypeName("TCursor");
    p.Property("OnClick", &TControl::OnClick, &TControl::SetOnClick);
    p.Property("OnDblClick", &TControl::OnDblClick, &TControl::SetOnDblClick);
    p.Property("OnMouseDown", &TControl::OnMouseDown, &TControl::SetOnMouseDown);
    p.Property("OnMouseUp", &TControl::OnMouseUp, &TControl::SetOnMouseUp);
    p.Property("OnMouseMove", &TControl::OnMouseMove, &TControl::SetOnMouseMove);
    p.Property("OnMouseWheel", &TControl::OnMouseWheel, &TControl::SetOnMouseWheel);
    p.Property("OnMouseWheelUp", &TControl::OnMouseWheelUp, &TControl::SetOnMouseWheelUp);
    p.Property("OnMouseWheelDown", &TControl::OnMouseWheelDown, &TControl::SetOnMouseWheelDown);
    p.Property("OnResize", &TControl::OnResize, &TControl::SetOnResize);
    p.Property("OnContextPopup", &TControl::OnContextPopup, &TControl::SetOnContextPopup);
    p.Property("OnDragOver", &TControl::OnDragOver, &TControl::SetOnDragOver);
    p.Property("OnDragDrop", &TControl::OnDragDrop, &TControl::SetOnDragDrop);
    p.Property("OnStartDrag", &TControl::OnStartDrag, &TControl::SetOnStartDrag);
    p.Property("OnEndDrag", &TControl::OnEndDrag, &TControl::SetOnEndDrag).TypeName("TEndDragEvent");
}

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
    font_->SetOnChange(TNotifyEvent(this, &TControl::FontChanged));
    windowProc_ = TWndMethod(this, &TControl::WndProc);
}

TControl::~TControl() = default;

void TControl::BeforeDestruction() {
    if (captureControl == this) captureControl = nullptr;
    LeaveDrag();
    Application->ControlDestroyed(this);
    TComponent::BeforeDestruction();
    SetParent(nullptr);
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetParentComponent(TComponent* parent) {
    if (auto* wc = dynamic_cast<TWinControl*>(parent)) SetParent(wc);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw EInvalidOperation("A control cannot have itself as its parent");
    if (parent_) parent_->RemoveControl(this);
    if (parent) parent->InsertControl(this);
}

TCustomForm* TControl::GetParentForm() const {
    const TControl* control = this;
    while (control->parent_) control = control->parent_;
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(control));
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (minWidth_ > 0) width = std::max(width, minWidth_);
    if (maxWidth_ > 0) width = std::min(width, maxWidth_);
    if (minHeight_ > 0) height = std::max(height, minHeight_);
    if (maxHeight_ > 0) height = std::min(height, maxHeight_);
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    Invalidate();
    UpdateBoundsFields(left, top, width, height);
    Invalidate();
}

bool TControl::UpdateBoundsFields(int left, int top, int width, int height, bool notifyResize) {
    const bool resized = width != width_ || height != height_;
    const bool moved = left != left_ || top != top_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (parent_ && !parent_->AlignDisabled()) {
        const TRect client = parent_->ClientRect();
        anchorParentWidth_ = client.right;
        anchorParentHeight_ = client.bottom;
    }
    if ((resized || moved) && align_ != alNone) RequestAlign();
    if (notifyResize && resized && !ComponentState().Contains(csLoading)) Resize();
    return resized;
}

TRect TControl::ClientRect() const { return Rect(0, 0, width_, height_); }
int TControl::ClientWidth() const { return ClientRect().right; }
int TControl::ClientHeight() const { return ClientRect().bottom; }
void TControl::SetClientWidth(int v) { SetWidth(width_ - ClientWidth() + v); }
void TControl::SetClientHeight(int v) { SetHeight(height_ - ClientHeight() + v); }

TPoint TControl::ClientOrigin() const {
    if (!parent_) return Point(left_, top_);
    const TPoint origin = parent_->ClientOrigin();
    return Point(origin.x + left_, origin.y + top_);
}

TPoint TControl::ClientToScreen(TPoint p) const {
    const TPoint origin = ClientOrigin();
    return Point(p.x + origin.x, p.y + origin.y);
}

TPoint TControl::ScreenToClient(TPoint p) const {
    const TPoint origin = ClientOrigin();
    return Point(p.x - origin.x, p.y - origin.y);
}

void TControl::SetAlign(TAlign v) {
    if (v == align_) return;
    align_ = v;
    RequestAlign();
}

void TControl::SetAnchors(TAnchors v) { anchors_ = v; }

void TControl::SetConstraints(int minWidth, int minHeight, int maxWidth, int maxHeight) {
    minWidth_ = minWidth;
    minHeight_ = minHeight;
    maxWidth_ = maxWidth;
    maxHeight_ = maxHeight;
    SetBounds(left_, top_, width_, height_);
}

void TControl::RequestAlign() {
    if (parent_ && !parent_->ComponentState().Contains(csLoading)) parent_->AlignControls(this);
}

void TControl::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    Perform(CM_VISIBLECHANGED, v, 0);
    if (align_ != alNone) RequestAlign();
}

bool TControl::Showing() const { return visible_ && parent_ && parent_->Showing(); }

void TControl::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetText(const AnsiString& v) {
    if (v == GetText()) return;
    TextChanged(v);
    Perform(CM_TEXTCHANGED, 0, 0);
}

Integer CopyToTextBuf(const AnsiString& text, char* buffer, Integer bufSize) {
    if (!buffer || bufSize <= 0) return 0;
    const Integer count = std::min(bufSize - 1, Integer(text.size()));
    std::copy_n(text.data(), count, buffer);
    buffer[count] = '\0';
    return count;
}

Integer TControl::GetTextBuf(char* buffer, Integer bufSize) const { return CopyToTextBuf(GetText(), buffer, bufSize); }

void TControl::SetRawWindowText(const char* text) {
    if (text)
        windowText_ = AnsiString(text);
    else
        windowText_.reset();
}

void TControl::SetDesktopFont(bool v) {
    desktopFont_ = v;
    if (v && Screen) font_->Assign(Screen->IconFont());
}

void TControl::TextChanged(const AnsiString& text) {
    text_ = text;
    Invalidate();
}

void TControl::SetColor(TColor v) {
    if (v == color_) return;
    color_ = v;
    parentColor_ = false;
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool v) {
    if (v == parentColor_) return;
    parentColor_ = v;
    if (v) ParentColorChanged();
}

void TControl::ParentColorChanged() {
    if (!parentColor_ || !parent_) return;
    color_ = parent_->Color();
    Perform(CM_COLORCHANGED, 0, 0);
    parentColor_ = true;
}

void TControl::SetParentFont(bool v) {
    if (v == parentFont_) return;
    parentFont_ = v;
    if (v) ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!parentFont_ || !parent_) return;
    font_->Assign(parent_->Font());
    parentFont_ = true;
}

void TControl::FontChanged(TObject*) {
    parentFont_ = false;
    Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetCtl3D(bool v) {
    if (v == ctl3D_) return;
    ctl3D_ = v;
    parentCtl3D_ = false;
    Perform(CM_CTL3DCHANGED, 0, 0);
}

void TControl::SetParentCtl3D(bool v) {
    if (v == parentCtl3D_) return;
    parentCtl3D_ = v;
    if (v) Perform(CM_PARENTCTL3DCHANGED, 0, 0);
}

void TControl::SetShowHint(bool v) {
    showHint_ = v;
    parentShowHint_ = false;
    Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetParentShowHint(bool v) {
    if (v == parentShowHint_) return;
    parentShowHint_ = v;
    if (v) Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TControl::SetCursor(TCursor v) {
    if (v == cursor_) return;
    cursor_ = v;
    Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetPopupMenu(TPopupMenu* v) {
    if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = v;
    if (v) v->FreeNotification(this);
}

void TControl::SetAction(TBasicAction* v) {
    if (action_) action_->RemoveFreeNotification(this);
    action_ = v;
    if (!v) {
        actionLink_.reset();
        return;
    }
    v->FreeNotification(this);
    if (!actionLink_) actionLink_ = MakeActionLink();
    actionLink_->SetAction(v);
    ActionChange(v, ComponentState().Contains(csLoading));
}

std::unique_ptr<TControlActionLink> TControl::MakeActionLink() { return std::make_unique<TControlActionLink>(this); }

void TControl::ActionChange(TObject* sender, bool checkDefaults) {
    auto* action = dynamic_cast<TCustomAction*>(sender);
    if (!action) return;
    if (!checkDefaults || Caption().empty()) SetCaption(action->Caption());
    if (!checkDefaults || Enabled()) SetEnabled(action->Enabled());
    if (!checkDefaults || Hint().empty()) SetHint(action->Hint());
    if (!checkDefaults || Visible()) SetVisible(action->Visible());
}

void TControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == popupMenu_) popupMenu_ = nullptr;
    if (component == action_) {
        action_ = nullptr;
        actionLink_.reset();
    }
}

void TControl::SetBiDiMode(TBiDiMode v) {
    if (v == biDiMode_) return;
    biDiMode_ = v;
    parentBiDiMode_ = false;
    Perform(CM_BIDIMODECHANGED, 0, 0);
}

bool TControl::MouseCapture() const { return GetCaptureControl() == this; }

void TControl::SetMouseCapture(bool v) {
    if (v == MouseCapture()) return;
    SetCaptureControl(v ? this : nullptr);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0};
    windowProc_(message);
    return message.Result;
}

void TControl::WndProc(TMessage& Message) {
    if (Message.Msg == WM_MOUSEMOVE) Application->HintMouseMessage(this, Message);
    else if (Message.Msg == CM_MOUSELEAVE) Application->HintMouseLeft(this);
    else if (Message.Msg == WM_ENABLE && !Message.WParam) Application->HintOwnerDisabled(this);
    if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST && Message.Msg != WM_MOUSEWHEEL &&
        !enabled_)
        return;
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (dragMode_ == dmAutomatic) {
            BeginDrag(kDragImmediate, kDragThreshold);
            return;
        }
        controlState_.Include(csLButtonDown);
        break;
    case WM_LBUTTONUP: controlState_.Exclude(csLButtonDown); break;
    default: break;
    }
    Dispatch(Message);
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::Invalidate() {
    if (!parent_ || !parent_->HandleAllocated() || !visible_) return;
    const TRect r = BoundsRect();
    InvalidateRect(parent_->Handle(), &r, !controlStyle_.Contains(csOpaque));
}

void TControl::Update() {
    if (parent_) parent_->Update();
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

void TControl::SetZOrder(bool topMost) {
    if (!parent_) return;
    auto& list = parent_->controls_;
    std::erase(list, this);
    if (topMost)
        list.push_back(this);
    else
        list.insert(list.begin(), this);
    Invalidate();
}

void TControl::ScaleBy(int M, int D) { ChangeScale(M, D); }

void TControl::ChangeScale(int M, int D) {
    if (M == D) return;
    SetBounds(left_ * M / D, top_ * M / D, width_ * M / D, height_ * M / D);
    if (!parentFont_) font_->SetSize(font_->Size() * M / D);
}

void TControl::Changed() { Perform(CM_CHANGED, 0, LPARAM(this)); }

void TControl::Click() {
    if (!enabled_) return;
    // A click handler of its own wins over the action's.
    if (action_ && !(onClick_ && onClick_ != action_->OnExecute())) {
        action_->Execute();
        return;
    }
    onClick_(this);
}

void TControl::DblClick() { onDblClick_(this); }

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    onMouseDown_(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    onMouseUp_(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) { onMouseMove_(this, shift, x, y); }

bool TControl::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
    bool handled = false;
    onMouseWheel_(this, shift, wheelDelta, mousePos, handled);
    if (!handled)
        handled = wheelDelta < 0 ? DoMouseWheelDown(shift, mousePos) : DoMouseWheelUp(shift, mousePos);
    return handled;
}

bool TControl::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    bool handled = false;
    onMouseWheelDown_(this, shift, mousePos, handled);
    return handled;
}

bool TControl::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    bool handled = false;
    onMouseWheelUp_(this, shift, mousePos, handled);
    return handled;
}

void TControl::Resize() { onResize_(this); }

bool TControl::CanAutoSize(int&, int&) { return true; }

void TControl::Loaded() {
    TComponent::Loaded();
    if (parentFont_) ParentFontChanged();
    if (parentColor_) ParentColorChanged();
}

void TControl::WMMouseButton(TMessage& Message) {
    const int x = GET_X_LPARAM(Message.LParam), y = GET_Y_LPARAM(Message.LParam);
    TShiftState shift = KeysToShiftState(Message.WParam);
    const TMouseButton button = ButtonOf(Message.Msg);
    switch (Message.Msg) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK:
        if (Message.Msg == WM_LBUTTONDBLCLK || Message.Msg == WM_RBUTTONDBLCLK) shift.Include(ssDouble);
        if (button == mbLeft && controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(true);
        if (button == mbLeft && controlStyle_.Contains(csClickEvents)) controlState_.Include(csClicked);
        if (Message.Msg == WM_LBUTTONDBLCLK && controlStyle_.Contains(csDoubleClicks)) DblClick();
        MouseDown(button, shift, x, y);
        break;
    default: {
        if (button == mbLeft) {
            const bool clicked = controlState_.Contains(csClicked);
            controlState_ = controlState_ - TControlState{csClicked};
            // Only the capture the control took itself: a platform window's own stays until its button-up.
            if (controlStyle_.Contains(csCaptureMouse) && MouseCapture()) SetMouseCapture(false);
            const TRect client = ClientRect();
            if (clicked && PtInRect(&client, Point(x, y))) Click();
        }
        MouseUp(button, shift, x, y);
        break;
    }
    }
    DefaultHandler(Message);
}

void TControl::WMMouseMove(TMessage& Message) {
    MouseMove(KeysToShiftState(Message.WParam), GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
    DefaultHandler(Message);
}

void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }
void TControl::CMVisibleChanged(TMessage&) { Invalidate(); }
void TControl::CMFontChanged(TMessage&) { Invalidate(); }
void TControl::CMColorChanged(TMessage&) { Invalidate(); }
void TControl::CMParentFontChanged(TMessage&) { ParentFontChanged(); }
void TControl::CMParentColorChanged(TMessage&) { ParentColorChanged(); }

void TControl::CMParentShowHintChanged(TMessage&) {
    if (parentShowHint_ && parent_) showHint_ = parent_->ShowHint();
}

void TControl::CMParentCtl3DChanged(TMessage&) {
    if (parentCtl3D_ && parent_) {
        ctl3D_ = parent_->Ctl3D();
        Perform(CM_CTL3DCHANGED, 0, 0);
    }
}

void TControl::CMHitTest(TMessage& Message) { Message.Result = HTCLIENT; }

void TControl::CMMouseWheel(TMessage& Message) {
    const TPoint pos{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
    if (DoMouseWheel(KeysToShiftState(LOWORD(Message.WParam)), GET_WHEEL_DELTA_WPARAM(Message.WParam), pos))
        Message.Result = 1;
}

// ---- TGraphicControl ------------------------------------------------------------

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), canvas_(std::make_unique<TControlCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::WMPaint(TMessage& Message) {
    if (Message.WParam == 0) return;
    CanvasOnDC onDC(canvas_.get(), HDC(Message.WParam));
    canvas_->Font()->Assign(Font());
    Paint();
}

// ---- look-ups -----------------------------------------------------------------

TControl* FindDragTarget(TPoint pos, bool allowDisabled) {
    TWinControl* window = FindControl(WindowFromPoint(pos));
    if (!window) return nullptr;
    if (TControl* child = window->ControlAtPos(window->ScreenToClient(pos), allowDisabled)) return child;
    return window;
}

TControl* FindVCLWindow(TPoint pos) { return FindControl(WindowFromPoint(pos)); }

TControl* GetCaptureControl() {
    if (captureControl) return captureControl;
    return FindControl(GetCapture());
}

void SetCaptureControl(TControl* control) {
    ReleaseCapture();
    captureControl = nullptr;
    if (!control) return;
    if (auto* wc = dynamic_cast<TWinControl*>(control)) {
        SetCapture(wc->Handle());
        return;
    }
    if (control->Parent()) {
        captureControl = control;
        SetCapture(control->Parent()->Handle());
    }
}

