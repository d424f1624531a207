// The styled tool button.
#include "styled/VxButton.h"

#include "platform/rtl/classregistry.h"
#include "platform/rtl/clock.h"
#include "platform/ui/forms.h"
#include "styled/VxPanel.h"

SERVIORA_REGISTER_CLASS(TVxToolButton);

TVxToolButton::TVxToolButton(TComponent* owner) : TGraphicControl(owner) {
    // Clicks come from the button's own mouse handling.
    controlStyle_ = TControlStyle{csCaptureMouse};
    SetBounds(0, 0, 25, 25);
    SetColor(clBtnFace);
}

TVxToolbar* TVxToolButton::Toolbar() const { return dynamic_cast<TVxToolbar*>(Parent()); }

TCustomImageList* TVxToolButton::CurrentImages() const {
    if (images_) return images_;
    TVxToolbar* toolbar = Toolbar();
    return toolbar ? toolbar->Images() : nullptr;
}

TButtonLayout TVxToolButton::Layout() const {
    TVxToolbar* toolbar = Toolbar();
    return useToolbarButtonLayout_ && toolbar ? toolbar->ButtonLayout() : layout_;
}

void TVxToolButton::SetLayout(TButtonLayout v) {
    layout_ = v;
    useToolbarButtonLayout_ = false;
    Invalidate();
}

bool TVxToolButton::ShowCaption() const {
    TVxToolbar* toolbar = Toolbar();
    return useToolbarShowCaption_ && toolbar ? toolbar->ShowButtonCaptions() : showCaption_;
}

void TVxToolButton::SetShowCaption(bool v) {
    showCaption_ = v;
    useToolbarShowCaption_ = false;
    Invalidate();
}

void TVxToolButton::SetUseToolbarButtonLayout(bool v) { SetAndRepaint(this, useToolbarButtonLayout_, v); }

void TVxToolButton::SetUseToolbarShowCaption(bool v) { SetAndRepaint(this, useToolbarShowCaption_, v); }

void TVxToolButton::SetAlignment(TAlignment v) { SetAndRepaint(this, alignment_, v); }

void TVxToolButton::SetImageIndex(Integer v) { SetAndRepaint(this, imageIndex_, v); }

void TVxToolButton::SetDisabledIndex(Integer v) { SetAndRepaint(this, disabledIndex_, v); }

void TVxToolButton::SetDownIndex(Integer v) { SetAndRepaint(this, downIndex_, v); }

void TVxToolButton::SetHotIndex(Integer v) { SetAndRepaint(this, hotIndex_, v); }

void TVxToolButton::SetImages(TCustomImageList* v) {
    if (images_ == v) return;
    if (images_) images_->RemoveFreeNotification(this);
    images_ = v;
    if (images_) images_->FreeNotification(this);
    Invalidate();
}

void TVxToolButton::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == images_) images_ = nullptr;
    if (component == dropDownMenu_) dropDownMenu_ = nullptr;
}

void TVxToolButton::SetDropDownMenu(TPopupMenu* v) {
    if (dropDownMenu_ == v) return;
    if (dropDownMenu_) dropDownMenu_->RemoveFreeNotification(this);
    dropDownMenu_ = v;
    if (v) v->FreeNotification(this);
}

// A down button of a group that does not allow all up cannot be raised by
// setting Down; the group raises it when another goes down.
void TVxToolButton::SetDown(bool v) {
    if (groupIndex_ == 0) v = false;
    if (v == down_ || (down_ && !allowAllUp_)) return;
    down_ = v;
    if (v) {
        if (state_ == TState::Up) Invalidate();
        state_ = TState::Exclusive;
        UpdateExclusive();
    } else {
        state_ = TState::Up;
        Invalidate();
    }
}

void TVxToolButton::SetGroupIndex(Integer v) {
    if (groupIndex_ == v) return;
    groupIndex_ = toolStyle_ == tsDropDown ? 0 : v;
    UpdateExclusive();
}

void TVxToolButton::SetAllowAllUp(bool v) {
    if (allowAllUp_ == v) return;
    allowAllUp_ = v;
    UpdateExclusive();
}

void TVxToolButton::SetToolStyle(TVxToolStyle v) {
    if (toolStyle_ == v) return;
    toolStyle_ = v;
    groupIndex_ = 0;
    if (!ComponentState().Contains(csLoading)) {
        const bool useToolbarSize = useToolbarButtonSize_;
        SetWidth(Width() + (v == tsDropDown ? 14 : -14));
        useToolbarButtonSize_ = useToolbarSize;
    }
    Invalidate();
}

void TVxToolButton::UpdateExclusive() {
    if (groupIndex_ == 0 || !Parent()) return;
    TMessage message{CM_BUTTONPRESSED, WPARAM(groupIndex_), LPARAM(this), 0};
    Parent()->Broadcast(message);
}

void TVxToolButton::CMButtonPressed(TMessage& Message) {
    if (Message.WParam != WPARAM(groupIndex_)) return;
    auto* sender = reinterpret_cast<TVxToolButton*>(Message.LParam);
    if (sender != this && sender->down_ && down_) {
        down_ = false;
        state_ = TState::Up;
        Invalidate();
    }
    allowAllUp_ = sender->allowAllUp_;
}

bool TVxToolButton::HasClickHandler() const { return bool(OnClick()); }

bool TVxToolButton::InArrowZone(int x) const {
    return UseRightToLeftAlignment() ? x < 15 : x >= Width() - 14;
}

bool TVxToolButton::LooksDown() const {
    return state_ == TState::Down || state_ == TState::Exclusive ||
           (state_ == TState::Dropped && !HasClickHandler());
}

void TVxToolButton::SetFlat(bool v) { SetAndRepaint(this, flat_, v); }

void TVxToolButton::SetTransparent(bool v) { SetAndRepaint(this, transparent_, v); }

void TVxToolButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (toolStyle_ == tsDropDown && dropDownMenu_ && shift == TShiftState{ssLeft} &&
        (InArrowZone(x) || !HasClickHandler())) {
        // The press that closes the open menu does not open it again.
        if (lastDropDown_ != 0 && GetTickCount() - lastDropDown_ < 100) {
            normalClick_ = true;
            lastDropDown_ = 0;
            SetCaptureControl(nullptr);
        } else {
            state_ = TState::Dropped;
            Repaint();
            ShowDropDownMenu();
            normalClick_ = false;
            lastDropDown_ = std::max<Cardinal>(GetTickCount(), 1);
        }
        MouseUp(button, shift, x, y);
        return;
    }
    if (toolStyle_ == tsDropDown && !normalClick_) {
        normalClick_ = true;
        return;
    }
    if (button != mbLeft || !Enabled()) return;
    if (!down_ || state_ == TState::Exclusive) {
        state_ = TState::Down;
        Invalidate();
    }
    dragging_ = true;
}

void TVxToolButton::MouseMove(TShiftState shift, int x, int y) {
    TGraphicControl::MouseMove(shift, x, y);
    if (!dragging_) {
        if (!hot_) UpdateHotState();
        return;
    }
    const TRect client = ClientRect();
    const TPoint point(x, y);
    const bool inside = PtInRect(&client, point);
    const TState state = down_ ? TState::Exclusive : inside ? TState::Down : TState::Up;
    if (state != state_) {
        state_ = state;
        Invalidate();
    }
}

void TVxToolButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseUp(button, shift, x, y);
    if (dragging_) {
        dragging_ = false;
        const TRect client = ClientRect();
        const TPoint point(x, y);
        bool inside = PtInRect(&client, point);
        if (groupIndex_ == 0) {
            state_ = TState::Up;
            hot_ = false;
            if (inside) Invalidate();
        } else if (inside) {
            const bool was = down_;
            SetDown(!down_);
            if (down_) state_ = TState::Exclusive;
            inside = down_ != was;
            if (down_) Invalidate();
        } else {
            if (down_) state_ = TState::Exclusive;
            Invalidate();
        }
        if (inside) Click();
        UpdateHotState();
    }
    if (toolStyle_ != tsDropDown) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    const TRect client = ClientRect();
    if (!PtInRect(&client, ScreenToClient(TPoint(cursor.x, cursor.y)))) normalClick_ = true;
    state_ = TState::Up;
    Invalidate();
    UpdateHotState();
}

void TVxToolButton::Click() {
    if (toolStyle_ == tsDropDown && !normalClick_) return;
    TGraphicControl::Click();
}

void TVxToolButton::UpdateHotState() {
    if (!Enabled() || !FlatLook() || !Parent() || !Parent()->HandleAllocated()) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    const bool over = FindDragTarget(TPoint(cursor.x, cursor.y), false) == this;
    Perform(over ? CM_MOUSEENTER : CM_MOUSELEAVE, 0, 0);
}

void TVxToolButton::CMMouseEnter(TMessage& Message) {
    if (ComponentState().Contains(csDesigning)) return;
    hot_ = true;
    TGraphicControl::Dispatch(Message);
    if (FlatLook()) Invalidate();
}

void TVxToolButton::CMMouseLeave(TMessage& Message) {
    if (!menuOpen_) hot_ = false;
    TGraphicControl::Dispatch(Message);
    if (FlatLook()) Invalidate();
}

void TVxToolButton::DoDropDown() { onDropDown_(dropDownMenu_); }

void TVxToolButton::ShowDropDownMenu() {
    if (!dropDownMenu_) return;
    menuOpen_ = true;
    DoDropDown();
    TPoint at = ClientToScreen(TPoint(UseRightToLeftAlignment() ? Width() : 0, Height()));
    // The menu's width, estimated from its widest item.
    TBitmap measure;
    measure.Canvas()->SetFont(Screen->MenuFont());
    int menuWidth = 0;
    for (int i = 0; i < dropDownMenu_->Items()->Count(); ++i)
        menuWidth = std::max(menuWidth, measure.Canvas()->TextWidth(dropDownMenu_->Items()->Items(i)->Caption()));
    menuWidth += 56;
    TMonitor* monitor = MonitorAtPoint(at);
    const TRect work = monitor ? WorkAreaOfMonitor(monitor) : NearestMonitorWorkArea(Parent()->Handle());
    if (at.x + menuWidth > work.right) at.x -= menuWidth - Width();
    dropDownMenu_->SetPopupComponent(this);
    dropDownMenu_->Popup(at.x, at.y);
    menuOpen_ = false;
}

Integer TVxToolButton::StateImageIndex() const {
    if (LooksDown() && downIndex_ != -1) return downIndex_;
    const bool hotImage = hotIndex_ != -1 && hot_ && Enabled();
    if (disabledIndex_ == -1 || Enabled()) return hotImage ? hotIndex_ : imageIndex_;
    return disabledIndex_;
}

namespace {

// An 8 x 8 pattern brush of two colours in alternate pixels over `rect`.
void FillWithCheckerPattern(TCanvas* canvas, const TRect& rect, TColor back, TColor fore) {
    TBitmap pattern;
    pattern.SetSize(8, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) pattern.Canvas()->SetPixels(x, y, (x + y) % 2 ? fore : back);
    const HBRUSH brush = CreatePatternBrush(pattern.Handle());
    FillRect(canvas->Handle(), &rect, brush);
    DeleteObject(brush);
}

}  // namespace

// Flat buttons show a frame only while hot, pressed or checked; classic
// ones are raised, and sunken while pressed or checked.
void TVxToolButton::DrawButtonFrame(TRect& rect) {
    const bool down = state_ == TState::Down || state_ == TState::Exclusive;
    if (FlatLook()) {
        if (!down && (!hot_ || !Enabled()) && state_ != TState::Dropped) return;
        rect = DrawFrameStyle(Canvas(), rect, down || state_ == TState::Dropped ? fsStatus : fsPopup);
    } else {
        rect = DrawFrameStyle(Canvas(), rect, down ? fsLowered : fsButtonUp);
    }
}

void TVxToolButton::DrawDropDownArrow() {
    TCanvas* canvas = Canvas();
    const bool rightToLeft = UseRightToLeftAlignment();
    const int x = rightToLeft ? 14 : Width() - 14;
    const bool split = HasClickHandler();
    if ((hot_ && FlatLook()) || (Enabled() && !FlatLook())) {
        if (split && state_ != TState::Down) {
            canvas->Pen()->SetColor(clBtnHighlight);
            canvas->MoveTo(x, 0);
            canvas->LineTo(x, Height());
        }
        if (split) {
            canvas->Pen()->SetColor(clBtnShadow);
            canvas->MoveTo(x - 1, 0);
            canvas->LineTo(x - 1, Height());
        }
    }
    const TRect client = ClientRect();
    const int shift = state_ == TState::Down || state_ == TState::Dropped ? 1 : 0;
    const int ax = (rightToLeft ? client.left + 6 : client.right - 8) + shift;
    const int ay = client.top + (client.bottom - client.top) / 2 + 2 + shift;
    const TColor color = Enabled() ? clWindowText : clBtnShadow;
    canvas->Pen()->SetColor(color);
    canvas->Brush()->SetColor(color);
    const TPoint triangle[] = {{ax, ay}, {ax - 2, ay - 2}, {ax + 2, ay - 2}};
    canvas->Polygon(triangle, 3);
}

void TVxToolButton::Paint() {
    if (!Enabled()) {
        state_ = TState::Disabled;
        dragging_ = false;
    } else if (state_ == TState::Disabled) {
        state_ = down_ && groupIndex_ != 0 ? TState::Exclusive : TState::Up;
    }
    TCanvas* canvas = Canvas();
    TRect rect = ClientRect();
    DrawButtonFrame(rect);
    if (!transparent_) {
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(rect);
    }
    // A checked button that is not under the mouse shows the two-colour
    // pattern behind its content.
    if (state_ == TState::Exclusive && !(hot_ && FlatLook())) {
        const TColor back = transparent_ ? clBtnFace : Color();
        const TColor fore = transparent_ ? clBtnHighlight : ShadeLighter(Color(), 20);
        FillWithCheckerPattern(canvas, rect, back, fore);
    }
    if (toolStyle_ == tsDropDown) DrawDropDownArrow();

    TCustomImageList* images = CurrentImages();
    const Integer index = StateImageIndex();
    const bool glyph = images && imageIndex_ != -1 && index >= 0 && index < images->Count();
    const int glyphWidth = glyph ? images->Width() : 0, glyphHeight = glyph ? images->Height() : 0;
    const bool caption = ShowCaption() && !Caption().empty();
    canvas->SetFont(Font());
    if (!Enabled()) canvas->Font()->SetColor(clBtnShadow);
    const int textWidth = caption ? canvas->TextWidth(Caption()) : 0;
    const int textHeight = caption ? canvas->TextHeight(Caption()) : 0;
    TRect content = ClientRect();
    if (toolStyle_ == tsDropDown && UseRightToLeftAlignment())
        content.left += 14;
    else if (toolStyle_ == tsDropDown)
        content.right -= 14;
    const TGlyphPlacement at =
        PlaceGlyphAndCaption({content.right - content.left, content.bottom - content.top}, {glyphWidth, glyphHeight},
                             {textWidth, textHeight}, Layout(), -1, 2);
    const int offset = LooksDown() ? 1 : 0;
    const int left = content.left + offset, top = content.top + offset;
    if (glyph) images->Draw(canvas, left + at.Glyph.x, top + at.Glyph.y, index, !StateImageGreyed());
    if (caption) {
        canvas->Brush()->SetStyle(bsClear);
        canvas->TextRect(content, left + at.Caption.x, top + at.Caption.y, Caption());
        canvas->Brush()->SetStyle(bsSolid);
    }
}

void TVxToolButton::Published(TPublished<TVxToolButton>& p) {
    p.Property("AllowAllUp", &TVxToolButton::AllowAllUp, &TVxToolButton::SetAllowAllUp).Default(false);
    p.Property("Alignment", &TVxToolButton::Alignment, &TVxToolButton::SetAlignment).Default(taCenter);
    p.Property("DisabledIndex", &TVxToolButton::DisabledIndex, &TVxToolButton::SetDisabledIndex)
        .TypeName("TImageIndex")
        .Default(-1);
    p.Property("DownIndex", &TVxToolButton::DownIndex, &TVxToolButton::SetDownIndex)
        .TypeName("TImageIndex")
        .Default(-1);
    p.Property("HotIndex", &TVxToolButton::HotIndex, &TVxToolButton::SetHotIndex)
        .TypeName("TImageIndex")
        .Default(-1);
    p.Property("ImageIndex", &TVxToolButton::ImageIndex, &TVxToolButton::SetImageIndex)
        .TypeName("TImageIndex")
        .Default(-1);
    p.Property("Images", &TVxToolButton::Images, &TVxToolButton::SetImages);
    p.Property("GroupIndex", &TVxToolButton::GroupIndex, &TVxToolButton::SetGroupIndex).Default(0);
    p.Property("Down", &TVxToolButton::Down, &TVxToolButton::SetDown).Default(false);
    p.Property("DropDownMenu", &TVxToolButton::DropDownMenu, &TVxToolButton::SetDropDownMenu);
    p.Property("OnDropDown", &TVxToolButton::OnDropDown, &TVxToolButton::SetOnDropDown);
    p.Property("Flat", &TVxToolButton::Flat, &TVxToolButton::SetFlat).Default(true);
    p.Property("Layout", &TVxToolButton::Layout, &TVxToolButton::SetLayout).Default(blGlyphLeft);
    p.Property("ShowCaption", &TVxToolButton::ShowCaption, &TVxToolButton::SetShowCaption).Default(false);
    p.Property("Transparent", &TVxToolButton::Transparent, &TVxToolButton::SetTransparent).Default(true);
    p.Property("ToolStyle", &TVxToolButton::ToolStyle, &TVxToolButton::SetToolStyle).Default(tsButton);
    p.Property("UseToolbarButtonLayout", &TVxToolButton::UseToolbarButtonLayout,
               &TVxToolButton::SetUseToolbarButtonLayout)
        .Default(true);
    p.Property("UseToolbarButtonSize", &TVxToolButton::UseToolbarButtonSize,
               &TVxToolButton::SetUseToolbarButtonSize)
        .Default(true);
    p.Property("UseToolbarShowCaption", &TVxToolButton::UseToolbarShowCaption,
               &TVxToolButton::SetUseToolbarShowCaption)
        .Default(true);
}
