// The toolbar button's states (up, hot, pressed, toggled, disabled), its
// clicks, repeats, groups and drop-down menu, and its flat painting.
#include "report/ui/qm_tbqyctls.h"

#include <algorithm>

#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/menus.h"
#include "platform/win/msgqueue.h"
#include "platform/win/userdraw.h"
#include "platform/win/userinput.h"
#include "report/ui/qm_tbqycmn.h"

namespace {

// The one button of the process under the pointer, lit up.
TToolbarButtonQy* HotButton = nullptr;

}  // namespace

TToolbarButtonQy::TToolbarButtonQy(TComponent* owner) : TGraphicControl(owner) {
    SetControlStyle(TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks});
    SetBounds(0, 0, 22, 23);
    SetColor(clBtnFace);
    glyph_.OnChange = [this](TObject*) { Invalidate(); };
    AddHookClient(&TToolbarButtonQy::HookProc, THookCodes{hcActivateApp, hcMouseMove},
                  ComponentState().Contains(csDesigning));
}

TToolbarButtonQy::~TToolbarButtonQy() {
    if (HotButton == this) HotButton = nullptr;
    RemoveHookClient(&TToolbarButtonQy::HookProc);
}

void TToolbarButtonQy::HookProc(THookCode code, HWND, WPARAM wParam, LPARAM) {
    TToolbarButtonQy* hot = HotButton;
    if (!hot) return;
    const bool deactivated = code == hcActivateApp && !wParam && !hot->showBorderWhenInactive_;
    bool elsewhere = false;
    if (code == hcMouseMove) {
        POINT cursor;
        GetCursorPos(&cursor);
        elsewhere = FindDragTarget(TPoint{cursor.x, cursor.y}, true) != hot;
    }
    if (deactivated || elsewhere) hot->LeaveHot();
}

void TToolbarButtonQy::SetState(TToolbarButtonState v) {
    if (v == state_) return;
    state_ = v;
    Invalidate();
}

void TToolbarButtonQy::SetDown(bool v) {
    if (groupIndex_ == 0) v = false;
    if (v == down_) return;
    // A group's down button goes up only when all may be up.
    if (down_ && !allowAllUp_) return;
    down_ = v;
    if (v && Parent())
        for (int i = 0; i < Parent()->ControlCount(); ++i)
            if (auto* b = dynamic_cast<TToolbarButtonQy*>(Parent()->Controls(i));
                b && b != this && b->groupIndex_ == groupIndex_ && b->down_) {
                b->down_ = false;
                if (b->state_ == tbsExclusive) b->SetState(tbsUp);
                b->Invalidate();
            }
    if (state_ != tbsDisabled && !held_) SetState(v ? tbsExclusive : hot_ ? tbsMouseIn : tbsUp);
    Invalidate();
}

void TToolbarButtonQy::SetGroupIndex(int v) {
    groupIndex_ = v;
    if (v == 0) SetDown(false);
}

void TToolbarButtonQy::SetAllowAllUp(bool v) {
    allowAllUp_ = v;
    if (groupIndex_ == 0 || !Parent()) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* b = dynamic_cast<TToolbarButtonQy*>(Parent()->Controls(i)); b && b->groupIndex_ == groupIndex_)
            b->allowAllUp_ = v;
}

void TToolbarButtonQy::SetFlat(bool v) {
    flat_ = v;
    // The parent erases behind a button only where its background shows.
    TControlStyle style = ControlStyle();
    if (opaque_ || !flat_) {
        style.Include(csOpaque);
    } else {
        style.Exclude(csOpaque);
    }
    SetControlStyle(style);
    Invalidate();
}

void TToolbarButtonQy::SetOpaque(bool v) {
    opaque_ = v;
    SetFlat(flat_);
}

void TToolbarButtonQy::SetNoBorder(bool v) {
    noBorder_ = v;
    Invalidate();
}

void TToolbarButtonQy::SetHighlightWhenDown(bool v) {
    highlightWhenDown_ = v;
    if (down_) Invalidate();
}

void TToolbarButtonQy::SetAlignment(TAlignment v) {
    alignment_ = v;
    Invalidate();
}

void TToolbarButtonQy::SetWordWrap(bool v) {
    wordWrap_ = v;
    Invalidate();
}

void TToolbarButtonQy::SetDisplayMode(TButtonDisplayMode v) {
    displayMode_ = v;
    Invalidate();
}

void TToolbarButtonQy::SetDropdownAlways(bool v) {
    dropdownAlways_ = v;
    Invalidate();
}

void TToolbarButtonQy::SetDropdownCombo(bool v) {
    if (v == dropdownCombo_) return;
    dropdownCombo_ = v;
    if (!ComponentState().Contains(csLoading)) {
        const int part = dropdownArrowWidth_ + 2;
        SetWidth(v ? Width() + part : std::max(Width() - part, 1));
    }
    Invalidate();
}

void TToolbarButtonQy::SetDropdownArrow(bool v) {
    dropdownArrow_ = v;
    Invalidate();
}

void TToolbarButtonQy::SetDropdownArrowWidth(int v) {
    v = std::max(v, 7);
    if (v == dropdownArrowWidth_) return;
    if (dropdownCombo_ && !ComponentState().Contains(csLoading)) SetWidth(Width() + v - dropdownArrowWidth_);
    dropdownArrowWidth_ = v;
    Invalidate();
}

bool TToolbarButtonQy::InMainPart(int x, int y) const {
    const int right = Width() - (IsSplit() ? dropdownArrowWidth_ + 2 : 0);
    return x >= 0 && x < right && y >= 0 && y < Height();
}

void TToolbarButtonQy::SetDropdownMenu(TPopupMenu* v) {
    dropdownMenu_ = v;
    if (v) v->FreeNotification(this);
    Invalidate();
}

void TToolbarButtonQy::SetImages(TCustomImageList* v) {
    glyph_.SetImages(v);
    if (v) v->FreeNotification(this);
}

void TToolbarButtonQy::SetLayout(TButtonLayout v) {
    layout_ = v;
    Invalidate();
}

void TToolbarButtonQy::SetMargin(int v) {
    if (v < -1) return;
    margin_ = v;
    Invalidate();
}

void TToolbarButtonQy::SetSpacing(int v) {
    spacing_ = v;
    Invalidate();
}

void TToolbarButtonQy::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == dropdownMenu_) dropdownMenu_ = nullptr;
    if (component == glyph_.Images()) glyph_.SetImages(nullptr);
}

// ---- hot tracking -----------------------------------------------------------------------

void TToolbarButtonQy::EnterHot() {
    if (!Enabled() || hot_) return;
    if (HotButton && HotButton != this) HotButton->LeaveHot();
    HotButton = this;
    hot_ = true;
    if (state_ == tbsUp) SetState(tbsMouseIn);
    Invalidate();
    if (OnMouseEnter) OnMouseEnter(this);
}

void TToolbarButtonQy::LeaveHot() {
    if (!Enabled() || !hot_ || held_) return;
    hot_ = false;
    if (HotButton == this) HotButton = nullptr;
    if (state_ == tbsMouseIn || (state_ == tbsDown && !clicking_)) SetState(RestingState());
    Invalidate();
    if (OnMouseExit) OnMouseExit(this);
}

void TToolbarButtonQy::CMMouseEnter(TMessage& Message) {
    TGraphicControl::Dispatch(Message);
    EnterHot();
}

void TToolbarButtonQy::CMMouseLeave(TMessage& Message) {
    TGraphicControl::Dispatch(Message);
    LeaveHot();
}

// ---- pressing ------------------------------------------------------------------------------

void TToolbarButtonQy::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (!Enabled() || button != mbLeft) {
        TGraphicControl::MouseDown(button, shift, x, y);
        return;
    }
    EnterHot();
    arrowPressed_ = HasDropdown() && !(dropdownCombo_ && x < Width() - dropdownArrowWidth_ - 2);
    if (!down_) SetState(tbsDown);
    Invalidate();
    if (!arrowPressed_) held_ = true;
    TGraphicControl::MouseDown(button, shift, x, y);
    if (arrowPressed_) {
        Click();
    } else if (repeating_) {
        Click();
        if (!repeatTimer_) {
            repeatTimer_ = std::make_unique<TTimer>(nullptr);
            repeatTimer_->SetOnTimer([this](TObject*) { RepeatTick(); });
        }
        repeatTimer_->SetEnabled(false);
        repeatTimer_->SetInterval(Cardinal(repeatDelay_));
        repeatTimer_->SetEnabled(true);
    }
    arrowPressed_ = false;
}

void TToolbarButtonQy::RepeatTick() {
    repeatTimer_->SetInterval(Cardinal(repeatInterval_));
    POINT p;
    GetCursorPos(&p);
    const TPoint local = ScreenToClient(TPoint{p.x, p.y});
    if (repeating_ && held_ && MouseCapture() && InMainPart(local.x, local.y)) {
        Click();
    } else {
        repeatTimer_->SetEnabled(false);
    }
}

void TToolbarButtonQy::MouseMove(TShiftState shift, int x, int y) {
    TGraphicControl::MouseMove(shift, x, y);
    // Back under the pointer after a click took the light away.
    if (!hot_ && HotButton != this && (showBorderWhenInactive_ || AppIsActive())) EnterHot();
    if (!held_) return;
    const bool inside = InMainPart(x, y);
    if (inside && repeatTimer_) repeatTimer_->SetEnabled(true);
    SetState(down_ ? tbsExclusive : inside ? tbsDown : tbsUp);
}

void TToolbarButtonQy::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    repeatTimer_.reset();
    if (button == mbRight && Enabled()) {
        held_ = false;
        LeaveHot();
    }
    TGraphicControl::MouseUp(button, shift, x, y);
    if (button != mbLeft || !held_) return;
    held_ = false;
    if (InMainPart(x, y) && !repeating_) {
        Click();
    } else {
        SetState(RestingState());
        LeaveHot();
    }
}

void TToolbarButtonQy::WMCancelMode(TMessage& Message) {
    repeatTimer_.reset();
    if (held_) {
        held_ = false;
        SetState(RestingState());
        LeaveHot();
    }
    TGraphicControl::Dispatch(Message);
}

void TToolbarButtonQy::CMEnabledChanged(TMessage& Message) {
    TGraphicControl::Dispatch(Message);
    if (!Enabled()) {
        state_ = tbsDisabled;
        hot_ = held_ = false;
        if (HotButton == this) HotButton = nullptr;
        repeatTimer_.reset();
    } else if (state_ == tbsDisabled) {
        state_ = RestingState();
    }
    Invalidate();
}

bool TToolbarButtonQy::CanClickByKey() const {
    return Parent() && Parent()->CanFocus() && Enabled() && Visible();
}

void TToolbarButtonQy::CMDialogChar(TMessage& Message) {
    if (CanClickByKey() && displayMode_ != dmGlyphOnly && IsAccel(Word(Message.WParam), Caption())) {
        Click();
        Message.Result = 1;
        return;
    }
    TGraphicControl::Dispatch(Message);
}

void TToolbarButtonQy::CMDialogKey(TMessage& Message) {
    const Word key = Word(Message.WParam);
    if (((key == VK_RETURN && default_) || (key == VK_ESCAPE && cancel_)) &&
        KeyDataToShiftState(Message.LParam).Empty() && CanClickByKey()) {
        Click();
        Message.Result = 1;
        return;
    }
    TGraphicControl::Dispatch(Message);
}

void TToolbarButtonQy::Click() {
    if (modalResult_ != mrNone)
        if (TCustomForm* form = ::GetParentForm(this)) form->SetModalResult(modalResult_);
    if (repeating_ && !arrowPressed_) {
        TGraphicControl::Click();
        return;
    }
    clicking_ = true;
    if (groupIndex_ != 0 && !arrowPressed_ && (!down_ || allowAllUp_)) SetDown(!down_);
    const bool showMenu = HasDropdown() && !(dropdownCombo_ && !arrowPressed_);
    if (state_ == tbsUp || state_ == tbsMouseIn) {
        state_ = tbsDown;
        Repaint();
    }
    // The click may open a window under which the pointer moves on: the
    // light goes now and comes back with the next move over the button.
    LeaveHot();
    if (showMenu) {
        if (!dropdownCombo_) TGraphicControl::Click();
        ShowDropdownMenu();
    } else {
        TGraphicControl::Click();
    }
    clicking_ = false;
    if (state_ == tbsDown) SetState(tbsUp);
    if (!ComponentState().Contains(csDestroying)) Invalidate();
}

void TToolbarButtonQy::ShowDropdownMenu() {
    SetMouseCapture(false);
    bool showMenu = dropdownMenu_ != nullptr, removeClicks = true;
    if (OnDropdown) OnDropdown(this, showMenu, removeClicks);
    if (!dropdownMenu_ || !showMenu) return;
    const TPopupAlignment savedAlignment = dropdownMenu_->Alignment();
    dropdownMenu_->SetAlignment(paLeft);
    TPoint at{0, Height()};
    const int side = ToolbarDockPositionOf ? ToolbarDockPositionOf(this) : 4;
    if (side == 2) at = {Width(), 0};
    if (side == 3) {
        at = {0, 0};
        dropdownMenu_->SetAlignment(paRight);
    }
    at = ClientToScreen(at);
    dropdownMenu_->SetPopupComponent(this);
    dropdownMenu_->Popup(at.x, at.y);
    dropdownMenu_->SetAlignment(savedAlignment);
    if (!removeClicks) return;
    // The press that closed the menu must not open it again.
    const TPoint origin = ClientToScreen(TPoint{0, 0});
    const TRect mine(origin.x, origin.y, origin.x + Width(), origin.y + Height());
    std::vector<MSG> others;
    MSG msg;
    while (PeekMessage(&msg, 0, WM_LBUTTONDOWN, WM_MBUTTONDBLCLK, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            break;
        }
        const bool pressOnMe = msg.message != WM_LBUTTONUP && msg.message != WM_RBUTTONUP &&
                               msg.message != WM_MBUTTONUP && PtInRect(&mine, msg.pt);
        if (!pressOnMe) others.push_back(msg);
    }
    for (const MSG& m : others) PostMessage(m.hwnd, m.message, m.wParam, m.lParam);
}

// ---- painting --------------------------------------------------------------------------------

void TToolbarButtonQy::Paint() {
    if (!opaque_ && flat_) {
        PaintOn(Canvas());
        return;
    }
    // Opaque buttons are drawn off-screen and shown in one go.
    TBitmap buffer;
    buffer.SetWidth(Width());
    buffer.SetHeight(Height());
    buffer.Canvas()->Brush()->SetColor(Color());
    buffer.Canvas()->FillRect(TRect(0, 0, Width(), Height()));
    PaintOn(buffer.Canvas());
    BitBlt(Canvas()->Handle(), 0, 0, Width(), Height(), buffer.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TToolbarButtonQy::PaintOn(TCanvas* canvas) {
    const TRect whole(0, 0, Width(), Height());
    TRect r = whole;
    canvas->Font()->Assign(Font());
    const bool isDown = state_ == tbsDown || state_ == tbsExclusive;
    const bool split = IsSplit();
    // A split button held on its arrow shows only the arrow part pressed.
    const bool pressed = state_ == tbsExclusive || (state_ == tbsDown && !(split && arrowPressed_));
    const bool border = ComponentState().Contains(csDesigning) ||
                        (!noBorder_ && (!flat_ || isDown || (hot_ && state_ != tbsDisabled)));
    const auto edge = [&](TRect at, bool sunk) {
        const HDC dc = canvas->Handle();
        if (flat_) DrawEdge(dc, &at, sunk ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
        else DrawEdge(dc, &at, sunk ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE);
    };
    const int arrowLeft = whole.right - dropdownArrowWidth_ - 2;
    if (split) {
        if (border) edge(TRect(arrowLeft, 0, whole.right - 2, whole.bottom), isDown && arrowPressed_);
        r.right = arrowLeft;
    }
    if (border) edge(r, pressed);
    if (!noBorder_) InflateRect(&r, flat_ ? -1 : -2, flat_ ? -1 : -2);
    TGlyphLayoutInput in;
    in.Client = r;
    if (pressed) {
        in.Offset = TPoint{1, 1};
        if (state_ == tbsExclusive && !(flat_ && hot_) && !arrowPressed_ && highlightWhenDown_) {
            // The toggled-down look: a checkered face.
            const HDC dc = canvas->Handle();
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x)
                    SetPixel(dc, x, y, ColorToRGB((x + y) % 2 == 0 ? clBtnHighlight : clBtnFace));
        }
    }
    if (displayMode_ != dmTextOnly) in.GlyphSize = glyph_.Size();
    if (displayMode_ != dmGlyphOnly) in.Caption = Caption();
    in.WordWrap = wordWrap_;
    in.Layout = layout_;
    in.Margin = margin_;
    in.Spacing = spacing_;
    in.ArrowWidth = dropdownArrowWidth_;
    in.DropArrow = dropdownArrow_ && !dropdownCombo_ && HasDropdown();
    const TGlyphLayout at = ComputeLayout(canvas, in);
    if (displayMode_ != dmTextOnly) glyph_.Draw(canvas, at.GlyphPos, state_);
    if (!in.Caption.empty()) {
        TRect text = at.TextBounds;
        const UINT align = alignment_ == taLeftJustify ? DT_LEFT : alignment_ == taRightJustify ? DT_RIGHT : DT_CENTER;
        const UINT format = align | DT_VCENTER | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE);
        canvas->Brush()->SetStyle(bsClear);
        if (state_ == tbsDisabled) {
            OffsetRect(&text, 1, 1);
            canvas->Font()->SetColor(clBtnHighlight);
            DrawText(canvas->Handle(), in.Caption.c_str(), -1, &text, format);
            OffsetRect(&text, -1, -1);
            canvas->Font()->SetColor(clBtnShadow);
        }
        DrawText(canvas->Handle(), in.Caption.c_str(), -1, &text, format);
    }
    const bool enabled = state_ != tbsDisabled;
    if (in.DropArrow) DrawDropArrow(canvas, at.ArrowPos.x, at.ArrowPos.y, in.ArrowWidth, enabled);
    if (split) DrawDropArrow(canvas, arrowLeft, whole.bottom / 2 - 1, dropdownArrowWidth_, enabled);
}

void TToolbarButtonQy::Published(TPublished<TToolbarButtonQy>& p) {
    using B = TToolbarButtonQy;
    p.Property("Alignment", &B::Alignment, &B::SetAlignment).Default(taCenter);
    p.Property("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp).Default(false);
    p.Property("Cancel", &B::Cancel, &B::SetCancel).Default(false);
    p.Property("Default", &B::Default, &B::SetDefault).Default(false);
    p.Property("DisplayMode", &B::DisplayMode, &B::SetDisplayMode).Default(dmBoth);
    p.Property("Down", &B::Down, &B::SetDown).Default(false);
    p.Property("DropdownAlways", &B::DropdownAlways, &B::SetDropdownAlways).Default(false);
    p.Property("DropdownArrow", &B::DropdownArrow, &B::SetDropdownArrow).Default(true);
    p.Property("DropdownArrowWidth", &B::DropdownArrowWidth, &B::SetDropdownArrowWidth).Default(9);
    p.Property("DropdownCombo", &B::DropdownCombo, &B::SetDropdownCombo).Default(false);
    p.Property("DropdownMenu", &B::DropdownMenu, &B::SetDropdownMenu);
    p.Property("Flat", &B::Flat, &B::SetFlat).Default(true);
    p.Property("Glyph", &B::Glyph, &B::SetGlyph);
    p.Property("GlyphMask", &B::GlyphMask, &B::SetGlyphMask);
    p.Property("GroupIndex", &B::GroupIndex, &B::SetGroupIndex).Default(0);
    p.Property("ImageIndex", &B::ImageIndex, &B::SetImageIndex).Default(-1);
    p.Property("HighlightWhenDown", &B::HighlightWhenDown, &B::SetHighlightWhenDown).Default(true);
    p.Property("Images", &B::Images, &B::SetImages);
    p.Property("Layout", &B::Layout, &B::SetLayout).Default(blGlyphLeft);
    p.Property("Margin", &B::Margin, &B::SetMargin).Default(-1);
    p.Property("ModalResult", &B::ModalResult, &B::SetModalResult).Default(0);
    p.Property("NoBorder", &B::NoBorder, &B::SetNoBorder).Default(false);
    p.Property("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs).Default(1);
    p.Property("OldDisabledStyle", &B::OldDisabledStyle, &B::SetOldDisabledStyle).Default(false);
    p.Property("Opaque", &B::Opaque, &B::SetOpaque).Default(true);
    p.Property("Repeating", &B::Repeating, &B::SetRepeating).Default(false);
    p.Property("RepeatDelay", &B::RepeatDelay, &B::SetRepeatDelay).Default(400);
    p.Property("RepeatInterval", &B::RepeatInterval, &B::SetRepeatInterval).Default(100);
    p.Property("ShowBorderWhenInactive", &B::ShowBorderWhenInactive, &B::SetShowBorderWhenInactive).Default(false);
    p.Property("Spacing", &B::Spacing, &B::SetSpacing).Default(4);
    PublishVersion(p);
    p.Property("WordWrap", &B::WordWrap, &B::SetWordWrap).Default(false);
    p.Property("OnDropdown", &B::OnDropdown, FieldSetter(&B::OnDropdown));
    p.Property("OnMouseEnter", &B::OnMouseEnter, FieldSetter(&B::OnMouseEnter));
    p.Property("OnMouseExit", &B::OnMouseExit, FieldSetter(&B::OnMouseExit));
}
