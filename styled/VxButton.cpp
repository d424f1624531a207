// The styled tool button.
#include "styled/VxButton.h"

#include <algorithm>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/clock.h"
#include "platform/gdi/measuringdc.h"
#include "platform/ui/forms.h"
#include "platform/ui/uxtheme.h"
#include "styled/VxBorders.h"
#include "styled/VxGrafx.h"
#include "styled/VxOldPropReader.h"
#include "styled/VxPanel.h"

SERVIORA_REGISTER_CLASS(TVxToolButton);

TVxToolButton::TVxToolButton(TComponent* owner)
    : TGraphicControl(owner), imageChangeLink_(std::make_unique<TChangeLink>()) {
    imageChangeLink_->SetOnChange([this](TObject*) {
        EnlargeToImages();
        Invalidate();
    });
    // Clicks come from the button's own mouse handling.
    controlStyle_ = TControlStyle{csCaptureMouse};
    SetBounds(0, 0, 25, 25);
    useToolbarButtonSize_ = true;
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

// Switching a use-toolbar setting back on takes that setting at once.
void TVxToolButton::SetUseToolbarButtonLayout(bool v) {
    if (useToolbarButtonLayout_ == v) return;
    useToolbarButtonLayout_ = v;
    if (TakesToolbarSettings()) Perform(VXM_TOOLBARLAYOUT, 0, 0);
    Invalidate();
}

void TVxToolButton::SetUseToolbarShowCaption(bool v) {
    if (useToolbarShowCaption_ == v) return;
    useToolbarShowCaption_ = v;
    if (TakesToolbarSettings()) Perform(VXM_TOOLBARSHOWCAPTION, 0, 0);
    Invalidate();
}

void TVxToolButton::SetUseToolbarButtonSize(bool v) {
    if (useToolbarButtonSize_ == v) return;
    useToolbarButtonSize_ = v;
    if (TakesToolbarSettings()) Perform(VXM_TOOLBARBUTTONSIZE, 0, 0);
}

bool TVxToolButton::TakesToolbarSettings() const {
    return Parent() && !ComponentState().Contains(csReading) && !ComponentState().Contains(csLoading);
}

void TVxToolButton::SetBounds(int left, int top, int width, int height) {
    if ((width != Width() || height != Height()) && !ComponentState().Contains(csLoading))
        useToolbarButtonSize_ = false;
    TGraphicControl::SetBounds(left, top, width, height);
}

void TVxToolButton::SetParent(TWinControl* parent) {
    TGraphicControl::SetParent(parent);
    if (TakesToolbarSettings()) TakeToolbarSettings();
}

void TVxToolButton::Loaded() {
    TGraphicControl::Loaded();
    TakeToolbarSettings();
}

void TVxToolButton::TakeToolbarSettings() {
    if (!Parent()) return;
    for (UINT message : {VXM_TOOLBARSHOWCAPTION, VXM_TOOLBARLAYOUT, VXM_TOOLBARBUTTONSIZE, VXM_TOOLBARVISUALSTYLE})
        Perform(message, 0, 0);
}

// A caption change re-sizes a button that shows its caption.
void TVxToolButton::CMTextChanged(TMessage& Message) {
    Inherited::Dispatch(Message);
    TakeToolbarSettings();
    Invalidate();
}

void TVxToolButton::VXMToolbarShowCaption(TMessage&) {
    TVxToolbar* toolbar = Toolbar();
    if (!useToolbarShowCaption_ || !toolbar) return;
    SetShowCaption(toolbar->ShowButtonCaptions());
    useToolbarShowCaption_ = true;
}

void TVxToolButton::VXMToolbarLayout(TMessage&) {
    TVxToolbar* toolbar = Toolbar();
    if (!useToolbarButtonLayout_ || !toolbar) return;
    SetLayout(toolbar->ButtonLayout());
    useToolbarButtonLayout_ = true;
}

// The toolbar's button size, widened to the caption where the button shows
// it: beside the glyph with 12 pixels to spare, above or below it with 8.
void TVxToolButton::VXMToolbarButtonSize(TMessage&) {
    TVxToolbar* toolbar = Toolbar();
    if (!useToolbarButtonSize_ || !toolbar) return;
    int width = toolbar->ButtonWidth();
    if (ShowCaption()) {
        SIZE text{};
        const AnsiString caption = Caption();
        GetTextExtentPoint32(MeasuringDC(Font()->Handle()).dc(), caption.c_str(), int(caption.size()), &text);
        const TButtonLayout layout = Layout();
        if (layout == blGlyphLeft || layout == blGlyphRight) {
            TCustomImageList* images = CurrentImages();
            width = std::max(width, (images ? images->Width() : 0) + int(text.cx) + 12);
        } else {
            width = std::max(width, int(text.cx) + 8);
        }
    }
    SetBounds(Left(), Top(), toolStyle_ == tsDropDown ? width + 14 : width, toolbar->ButtonHeight());
    useToolbarButtonSize_ = true;
}

void TVxToolButton::VXMToolbarVisualStyle(TMessage&) {
    TVxToolbar* toolbar = Toolbar();
    if (!useToolbarVisualStyle_ || !toolbar) return;
    SetVisualStyle(toolbar->VisualStyle());
    SetGradientColorStyle(toolbar->GradientColorStyle());
    useToolbarVisualStyle_ = true;
}

void TVxToolButton::SetVisualStyle(TVxVisualStyle v) {
    useToolbarVisualStyle_ = false;
    SetAndRepaint(this, visualStyle_, v);
}

void TVxToolButton::SetGradientColorStyle(TVxGradientColorStyle v) { SetAndRepaint(this, gradientColorStyle_, v); }

void TVxToolButton::SetSelectionColorStart(TColor v) { SetAndRepaint(this, selectionColorStart_, v); }

void TVxToolButton::SetSelectionColorStop(TColor v) { SetAndRepaint(this, selectionColorStop_, v); }

void TVxToolButton::SetSelectionFrameColor(TColor v) { SetAndRepaint(this, selectionFrameColor_, v); }

void TVxToolButton::SetUseToolbarVisualStyle(bool v) {
    if (useToolbarVisualStyle_ == v) return;
    useToolbarVisualStyle_ = v;
    if (TakesToolbarSettings()) Perform(VXM_TOOLBARVISUALSTYLE, 0, 0);
    Invalidate();
}

TSelectionColors TVxToolButton::SelectionColors() const {
    if (gradientColorStyle_ == gcsCustom) return {selectionFrameColor_, selectionColorStart_, selectionColorStop_};
    return SchemeSelectionColors(gradientColorStyle_);
}

// Older forms stored the gradient colours under other names, and switches
// that no longer exist.
void TVxToolButton::DefineProperties(TFiler* filer) {
    TGraphicControl::DefineProperties(filer);
    for (const char* name : {"GradientColorDefault", "ThemeAware"})
        filer->DefineProperty(name, &TVxOldPropReader::DropBoolean, nullptr, false);
    for (auto [name, field] : {std::pair{"GradientColorStart", &selectionColorStart_},
                               {"GradientColorStop", &selectionColorStop_}, {"FrameColor", &selectionFrameColor_}})
        filer->DefineProperty(name, [field](TReader* reader) { *field = TVxOldPropReader::ReadColor(reader); },
                              nullptr, false);
    filer->DefineProperty(
        "UseGradients",
        [this](TReader* reader) {
            if (reader->ReadBoolean()) visualStyle_ = vsGradient;
        },
        nullptr, false);
}

// ---- actions ----

TVxToolButtonActionLink::TVxToolButtonActionLink(TVxToolButton* client) : TControlActionLink(client), button_(client) {}

bool TVxToolButtonActionLink::IsCheckedLinked() const {
    return TControlActionLink::IsCheckedLinked() && button_->Down() == CustomAction()->Checked();
}

bool TVxToolButtonActionLink::IsImageIndexLinked() const {
    return TControlActionLink::IsImageIndexLinked() && button_->ImageIndex() == CustomAction()->ImageIndex();
}

void TVxToolButtonActionLink::SetChecked(bool value) { button_->SetDown(value); }

void TVxToolButtonActionLink::SetImageIndex(Integer value) { button_->SetImageIndex(value); }

std::unique_ptr<TControlActionLink> TVxToolButton::MakeActionLink() {
    return std::make_unique<TVxToolButtonActionLink>(this);
}

void TVxToolButton::ActionChange(TObject* sender, bool checkDefaults) {
    TGraphicControl::ActionChange(sender, checkDefaults);
    auto* action = dynamic_cast<TCustomAction*>(sender);
    if (!action) return;
    if (!checkDefaults || !down_) SetDown(action->Checked());
    if (!checkDefaults || imageIndex_ == -1) SetImageIndex(action->ImageIndex());
}

void TVxToolButton::AssignTo(TPersistent* dest) {
    auto* action = dynamic_cast<TCustomAction*>(dest);
    if (!action) return TGraphicControl::AssignTo(dest);
    action->SetChecked(down_);
    action->SetImageIndex(imageIndex_);
}

void TVxToolButton::SetAlignment(TAlignment v) { SetAndRepaint(this, alignment_, v); }

void TVxToolButton::SetImageIndex(Integer v) { SetAndRepaint(this, imageIndex_, v); }

void TVxToolButton::SetDisabledIndex(Integer v) { SetAndRepaint(this, disabledIndex_, v); }

void TVxToolButton::SetDownIndex(Integer v) { SetAndRepaint(this, downIndex_, v); }

void TVxToolButton::SetHotIndex(Integer v) { SetAndRepaint(this, hotIndex_, v); }

void TVxToolButton::SetImages(TCustomImageList* v) {
    if (images_ == v) return;
    if (images_) images_->RemoveFreeNotification(this);
    imageChangeLink_->SetSender(v);
    images_ = v;
    if (images_) images_->FreeNotification(this);
    EnlargeToImages();
    Invalidate();
}

void TVxToolButton::EnlargeToImages() {
    if (!images_) return;
    const int width = std::max<int>(Width(), images_->Width()), height = std::max<int>(Height(), images_->Height());
    if (width != Width() || height != Height()) SetBounds(Left(), Top(), width, height);
}

void TVxToolButton::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == images_) {
        images_ = nullptr;
        imageChangeLink_->SetSender(nullptr);
    }
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
// ones are raised, and sunken while pressed or checked. The gradient look
// outlines the button in the frame colour over a ramp of the selection
// colours, darker while checked and reversed while pressed.
bool TVxToolButton::Themed() const { return visualStyle_ == vsWinXP && VisualStylesEnabled(); }

int TVxToolButton::ThemedFrameState(bool pushButton) const {
    const bool designing = ComponentState().Contains(csDesigning);
    if (pushButton) {
        if (!Enabled()) return PBS_DISABLED;
        if (state_ == TState::Down || state_ == TState::Exclusive) return PBS_PRESSED;
        return hot_ || designing ? PBS_HOT : PBS_NORMAL;
    }
    const bool hot = hot_ && Enabled();
    if (state_ == TState::Down || (state_ == TState::Dropped && !HasClickHandler())) return TS_PRESSED;
    if (state_ == TState::Exclusive) return hot ? TS_HOTCHECKED : TS_CHECKED;
    return hot || designing || state_ == TState::Dropped ? TS_HOT : TS_NORMAL;
}

// The themed frame leaves the rectangle as it is; a split button's arrow
// zone is drawn by DrawDropDownArrow.
void TVxToolButton::DrawButtonFrame(TRect& rect) {
    const bool down = state_ == TState::Down || state_ == TState::Exclusive;
    const bool designing = ComponentState().Contains(csDesigning);
    if (Themed()) {
        const HDC dc = Canvas()->Handle();
        if (!flat_) {
            DrawThemedPart(dc, u"BUTTON", BP_PUSHBUTTON, ThemedFrameState(true), rect);
            return;
        }
        const bool split = toolStyle_ == tsDropDown && HasClickHandler();
        TRect face = rect;
        if (split && UseRightToLeftAlignment()) face.left += 14;
        else if (split) face.right -= 14;
        DrawThemedPart(dc, u"TOOLBAR", split ? TP_SPLITBUTTON : TP_BUTTON, ThemedFrameState(false), face);
        return;
    }
    if (!FlatLook()) {
        rect = DrawFrameStyle(Canvas(), rect, down ? fsLowered : fsButtonUp);
        return;
    }
    if (!down && (!hot_ || !Enabled()) && state_ != TState::Dropped && !designing) return;
    if (visualStyle_ != vsGradient) {
        rect = DrawFrameStyle(Canvas(), rect, down || state_ == TState::Dropped ? fsStatus : fsPopup);
        return;
    }
    const TSelectionColors colors = SelectionColors();
    if (designing) {
        InflateRect(&rect, -1, -1);
        rect = DrawCornerTicks(Canvas(), rect, colors.frame, 4);
        return;
    }
    rect = DrawBoxOutline(Canvas(), rect, colors.frame);
    TColor from = colors.start, to = colors.stop;
    if (state_ == TState::Down || state_ == TState::Dropped) {
        std::swap(from, to);
    } else if (state_ == TState::Exclusive && !hot_) {
        from = ShadeDarker(colors.stop, 40);
        to = colors.start;
    } else if (state_ == TState::Exclusive && down_) {
        std::swap(from, to);
    }
    PaintColorRamp(Canvas(), rect, gdHorizontalEnd, from, to, 1);
}

void TVxToolButton::DrawDropDownArrow() {
    TCanvas* canvas = Canvas();
    const bool rightToLeft = UseRightToLeftAlignment();
    const bool gradient = visualStyle_ == vsGradient;
    const bool split = HasClickHandler();
    int x = rightToLeft ? 14 : Width() - 14;
    if (Themed() && split) {
        const TRect zone = rightToLeft ? TRect(0, 0, 14, Height()) : TRect(x, 0, Width(), Height());
        const int state = !Enabled()                                            ? TS_DISABLED
                          : state_ == TState::Down || state_ == TState::Dropped ? TS_PRESSED
                          : hot_ || ComponentState().Contains(csDesigning)      ? TS_HOT
                                                                                : TS_NORMAL;
        DrawThemedPart(canvas->Handle(), u"TOOLBAR", TP_SPLITBUTTONDROPDOWN, state, zone);
        return;
    }
    if (state_ == TState::Dropped) {
        // The open menu's zone looks pressed: the arrow strip of a split button, else the whole button.
        const int zone = gradient ? 15 : 14;
        TRect r = ClientRect();
        if (split) {
            if (rightToLeft)
                r.right = zone;
            else
                r.left = r.right - zone;
        }
        if (gradient) {
            const TSelectionColors colors = SelectionColors();
            r = DrawBoxOutline(canvas, r, colors.frame);
            PaintColorRamp(canvas, r, gdHorizontalEnd, colors.stop, colors.start, 1);
        } else {
            DrawFrameStyle(canvas, r, fsStatus);
        }
    } else if ((hot_ && FlatLook()) || (Enabled() && !FlatLook())) {
        if (state_ == TState::Down && !gradient) ++x;
        if (split && gradient) {
            canvas->Pen()->SetColor(SchemeSelectionColors(gradientColorStyle_).frame);
            canvas->MoveTo(x - 1, 0);
            canvas->LineTo(x - 1, Height());
        } else if (split) {
            if (state_ != TState::Down) {
                canvas->Pen()->SetColor(clBtnHighlight);
                canvas->MoveTo(x, 0);
                canvas->LineTo(x, Height());
            }
            canvas->Pen()->SetColor(clBtnShadow);
            canvas->MoveTo(x - 1, 0);
            canvas->LineTo(x - 1, Height());
        }
    }
    const TRect client = ClientRect();
    const int shift = (state_ == TState::Down || state_ == TState::Dropped) && !gradient ? 1 : 0;
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
    if (visualStyle_ != vsGradient && !Themed() && state_ == TState::Exclusive && !(hot_ && FlatLook())) {
        const TColor back = transparent_ ? clBtnFace : Color();
        const TColor fore = transparent_ ? clBtnHighlight : ShadeLighter(Color(), 20);
        FillWithCheckerPattern(canvas, rect, back, fore);
    }
    if (toolStyle_ == tsDropDown) DrawDropDownArrow();
    TRect glyph, text;
    CalcContentRects(glyph, text);
    DrawGlyph(glyph);
    DrawCaption(text);
}

TSize TVxToolButton::GlyphSize() const {
    TCustomImageList* images = CurrentImages();
    if (imageIndex_ == -1 || !images) return {0, 0};
    return {images->Width(), images->Height()};
}

void TVxToolButton::CalcContentRects(TRect& glyph, TRect& text) {
    TRect r = ClientRect();
    if (toolStyle_ == tsDropDown) (UseRightToLeftAlignment() ? r.left : r.right) += UseRightToLeftAlignment() ? 14 : -14;
    InflateRect(&r, -2, -2);
    const TSize g = GlyphSize();
    const AnsiString caption = Caption();
    if (ShowCaption() && !caption.empty()) {
        const TButtonLayout layout = Layout();
        TRect room = r;
        if (layout == blGlyphLeft) room.left += g.cx;
        if (layout == blGlyphRight) room.right -= g.cx;
        if (layout == blGlyphTop) room.top += g.cy;
        if (layout == blGlyphBottom) room.bottom -= g.cy;
        DrawText(MeasuringDC(Font()->Handle()).dc(), caption.c_str(), int(caption.size()), &room,
                 DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER | DT_CENTER);
        const int tw = room.right - room.left, th = room.bottom - room.top;
        const int w = r.right - r.left, h = r.bottom - r.top;
        // Along the layout's axis glyph and caption lie 4 apart, centred
        // together, the glyph first or last; across it each is centred.
        const auto along = [](int start, int end, int glyphSize, int textSize, bool glyphFirst, int& g, int& t) {
            const int half = (end - start - glyphSize - 4 - textSize) / 2;
            g = glyphFirst ? start + half : end - glyphSize - half;
            t = glyphFirst ? g + glyphSize + 4 : g - textSize - 4;
        };
        const bool glyphFirst = layout == blGlyphLeft || layout == blGlyphTop;
        int gx, gy, tx, ty;
        if (layout == blGlyphLeft || layout == blGlyphRight) {
            along(r.left, r.right, g.cx, tw, glyphFirst, gx, tx);
            gy = r.top + (h - g.cy) / 2;
            ty = r.top + (h - th) / 2;
        } else {
            along(r.top, r.bottom, g.cy, th, glyphFirst, gy, ty);
            gx = r.left + (w - g.cx) / 2;
            tx = r.left + (w - tw) / 2;
        }
        glyph = TRect{gx, gy, gx + g.cx, gy + g.cy};
        text = TRect{tx, ty, tx + tw, ty + th};
    } else {
        glyph = RectCenteredIn(r, g.cx, g.cy);
        text = TRect{};
    }
    if (alignment_ != taCenter) {
        int left = text.right > text.left ? text.left : glyph.left;
        if (g.cx > 0) left = std::min(left, int(glyph.left));
        const int d = (left - 4) * (alignment_ == taLeftJustify ? -1 : 1);
        OffsetRect(&glyph, d, 0);
        OffsetRect(&text, d, 0);
    }
    if (LooksDown() && visualStyle_ != vsGradient) {
        const int dy = Themed() ? 0 : 1;
        OffsetRect(&glyph, 1, dy);
        OffsetRect(&text, 1, dy);
    }
}

void TVxToolButton::DrawGlyph(const TRect& rect) {
    TCustomImageList* images = CurrentImages();
    const Integer index = StateImageIndex();
    if (!images || imageIndex_ == -1 || index < 0 || index >= images->Count()) return;
    images->Draw(Canvas(), rect.left, rect.top, index, !StateImageGreyed());
}

void TVxToolButton::DrawCaption(const TRect& rect) {
    if (!ShowCaption()) return;
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetStyle(bsClear);
    canvas->SetFont(Font());
    if (state_ == TState::Down && visualStyle_ != vsGradient) canvas->Font()->SetColor(clHighlightText);
    if (!Enabled()) canvas->Font()->SetColor(clBtnShadow);
    TRect r = rect;
    const AnsiString caption = Caption();
    DrawText(canvas->Handle(), caption.c_str(), int(caption.size()), &r,
             DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_EXPANDTABS | (UseRightToLeftAlignment() ? DT_RTLREADING : 0));
    canvas->Brush()->SetStyle(bsSolid);
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
    p.Property("UseToolbarVisualStyle", &TVxToolButton::UseToolbarVisualStyle,
               &TVxToolButton::SetUseToolbarVisualStyle)
        .Default(true);
    p.Property("VisualStyle", &TVxToolButton::VisualStyle, &TVxToolButton::SetVisualStyle)
        .Default(vsWinXP)
        .Stored(&TVxToolButton::VisualStyleStored);
    p.Property("GradientColorStyle", &TVxToolButton::GradientColorStyle, &TVxToolButton::SetGradientColorStyle)
        .Default(gcsSystem)
        .Stored(&TVxToolButton::VisualStyleStored);
    p.Property("SelectionColorStart", &TVxToolButton::SelectionColorStart, &TVxToolButton::SetSelectionColorStart)
        .TypeName("TColor")
        .Default(clBtnFace);
    p.Property("SelectionColorStop", &TVxToolButton::SelectionColorStop, &TVxToolButton::SetSelectionColorStop)
        .TypeName("TColor")
        .Default(clBtnShadow);
    p.Property("SelectionFrameColor", &TVxToolButton::SelectionFrameColor, &TVxToolButton::SetSelectionFrameColor)
        .TypeName("TColor")
        .Default(cl3DDkShadow);
}
