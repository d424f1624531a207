#include "datagrid/ToolCtrlsVynButtons.h"

#include "datagrid/ToolCtrlsVynFaces.h"
#include "platform/win/userdraw.h"

namespace {

constexpr Cardinal kFirstRepeat = 400;
constexpr Cardinal kNextRepeats = 100;

}  // namespace

TButtonFaceStyle ButtonFaceOf(TEditButtonStyleVyn style) {
    switch (style) {
        case ebsEllipsisVyn:
            return bfsEllipsis;
        case ebsUpDownVyn:
            return bfsUpDown;
        case ebsPlusVyn:
            return bfsPlus;
        case ebsMinusVyn:
            return bfsMinus;
        default:
            return bfsDropDown;
    }
}

TEditButtonControlVyn::TEditButtonControlVyn(TComponent* owner) : TSpeedButton(owner) {
    TControlStyle style = ControlStyle();
    style.Include(csReplicatable);
    SetControlStyle(style);
    SetBounds(0, 0, 10, 17);
    SetTransparent(false);
}

TEditButtonControlVyn::~TEditButtonControlVyn() = default;

void TEditButtonControlVyn::SetStyle(TEditButtonStyleVyn v) {
    if (v == style_) return;
    style_ = v;
    Invalidate();
}

void TEditButtonControlVyn::SetActive(bool v) {
    if (v == active_) return;
    active_ = v;
    Invalidate();
}

void TEditButtonControlVyn::SetHeldDown(bool v) {
    if (v == heldDown_) return;
    heldDown_ = v;
    if (v) {
        SetGroupIndex(1);
        SetDown(true);
        SetAllowAllUp(false);
        pressedHalf_ = 1;
    } else {
        SetAllowAllUp(true);
        SetDown(false);
        SetGroupIndex(0);
        pressedHalf_ = 0;
    }
    Invalidate();
}

void TEditButtonControlVyn::FireButtonDown(bool topButton, bool& autoRepeat) {
    bool handled = false;
    onButtonDown_(this, topButton, autoRepeat, handled);
}

void TEditButtonControlVyn::UpdatePressedHalf(int, int y) {
    int half = 0;
    const TButtonState state = State();
    if (state == bsDown || state == bsExclusive) {
        if (!IsUpDown())
            half = 1;
        else if (y < Height() / 2)
            half = 1;
        else if (y > Height() - Height() / 2)
            half = 2;
    }
    if (half == pressedHalf_) return;
    pressedHalf_ = half;
    Invalidate();
}

void TEditButtonControlVyn::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    bool autoRepeat = IsUpDown();
    TSpeedButton::MouseDown(button, shift, x, y);
    if (button == mbLeft) UpdatePressedHalf(x, y);
    if (pressedHalf_ == 0) return;
    FireButtonDown(pressedHalf_ == 1, autoRepeat);
    if (autoRepeat) RestartRepeatTimer(kFirstRepeat);
}

void TEditButtonControlVyn::MouseMove(TShiftState shift, int x, int y) {
    TSpeedButton::MouseMove(shift, x, y);
    if (!IsUpDown() || !Tracking() || State() != bsDown) return;
    const bool ontoOther = (pressedHalf_ == 2 && y < Height() / 2) || (pressedHalf_ == 1 && y > Height() - Height() / 2);
    if (!ontoOther) return;
    SetState(bsUp);
    Invalidate();
}

void TEditButtonControlVyn::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    // Released after sliding onto the other half: no click for this press.
    suppressClick_ = IsUpDown() && State() != bsDown;
    TSpeedButton::MouseUp(button, shift, x, y);
    suppressClick_ = false;
    UpdatePressedHalf(x, y);
    StopRepeatTimer();
}

void TEditButtonControlVyn::Click() {
    if (suppressClick_) return;
    TSpeedButton::Click();
}

void TEditButtonControlVyn::RestartRepeatTimer(Cardinal interval) {
    if (!repeatTimer_) {
        repeatTimer_ = std::make_unique<TTimer>(nullptr);
        repeatTimer_->SetEnabled(false);
        repeatTimer_->SetOnTimer(TNotifyEvent(this, &TEditButtonControlVyn::RepeatTimerTick));
    }
    if (repeatTimer_->Enabled() && repeatTimer_->Interval() == interval) return;
    repeatTimer_->SetEnabled(false);
    repeatTimer_->SetInterval(interval);
    repeatTimer_->SetEnabled(true);
}

void TEditButtonControlVyn::StopRepeatTimer() {
    if (repeatTimer_) repeatTimer_->SetEnabled(false);
}

void TEditButtonControlVyn::RepeatTimerTick(TObject*) {
    bool autoRepeat = IsUpDown();
    if (State() != bsDown) return;
    if (repeatTimer_->Interval() == kFirstRepeat) RestartRepeatTimer(kNextRepeats);
    FireButtonDown(pressedHalf_ == 1, autoRepeat);
    if (!autoRepeat) StopRepeatTimer();
}

void TEditButtonControlVyn::Paint() {
    const TColor parentColor = Parent() ? Parent()->Color() : Color();
    const TButtonState state = State();
    const bool pressed = state == bsDown || state == bsExclusive;
    if (style_ != ebsGlyphVyn) {
        PaintEditButtonFace(Canvas()->Handle(), TRect{0, 0, Width(), Height()}, parentColor, ButtonFaceOf(style_),
                            pressed ? pressedHalf_ : 0, Flat(), active_, Enabled(), cbUnchecked);
        return;
    }
    if (!Flat()) {
        TSpeedButton::Paint();
        return;
    }
    {
        SavedClipRegion clip(Canvas()->Handle());
        IntersectClipRect(Canvas()->Handle(), 1, 1, Width() - 1, Height() - 1);
        TSpeedButton::Paint();
    }
    RECT bounds{0, 0, Width(), Height()};
    if (active_) {
        DrawEdge(Canvas()->Handle(), &bounds, pressed ? BDR_SUNKENINNER : BDR_RAISEDINNER, BF_RECT);
    } else {
        Canvas()->Brush()->SetColor(parentColor);
        Canvas()->FrameRect(bounds);
    }
}

void TSpeedButtonVyn::Published(TPublished<TSpeedButtonVyn>& p) {
    p.Property("Active", &TSpeedButtonVyn::Active, &TSpeedButtonVyn::SetActive);
    p.Property("Style", &TSpeedButtonVyn::Style, &TSpeedButtonVyn::SetStyle).Default(ebsDropDownVyn);
}

// ---- Button control lists -------------------------------------------------------------------

TEditButtonControlVyn* MakeEditButtonControl(TWinControl* editor) {
    auto* control = new TEditButtonControlVyn(editor);
    control->SetBounds(0, 0, 10, 17);
    control->SetParent(editor);
    return control;
}

void ResizeButtonControls(TEditButtonControlList& controls, std::size_t count, TWinControl* editor,
                          const std::function<TEditButtonControlVyn*()>& make, bool freeSurplus) {
    while (controls.size() > count) {
        auto [divider, control] = controls.back();
        if (freeSurplus) {
            delete divider;
            delete control;
        } else {
            divider->SetVisible(false);
            control->SetVisible(false);
        }
        controls.pop_back();
    }
    while (controls.size() < count) {
        auto* divider = new TShape(editor);
        divider->SetParent(editor);
        controls.emplace_back(divider, make());
    }
}

int PlaceButtonControls(const TEditButtonControlList& controls, int clientWidth, int height, bool rightToLeft) {
    int x = clientWidth;
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        auto [divider, control] = *it;
        const int width = control->Width(), dividerWidth = divider->Width();
        x -= width;
        control->SetBounds(rightToLeft ? clientWidth - x - width : x, 0, width, height);
        x -= dividerWidth;
        divider->SetBounds(rightToLeft ? clientWidth - x - dividerWidth : x, 0, dividerWidth, height);
    }
    return clientWidth - x;
}

void HookEditButtonControl(TEditButtonControlVyn* control, int index, TButtonDownEventVyn down, TNotifyEvent click,
                           TMouseMoveEvent move, TMouseEvent up) {
    control->SetOnButtonDown(std::move(down));
    control->SetOnClick(std::move(click));
    // Without a move handler of the editor's, the control keeps the one an
    // editor subclass gave it (the combo box's drag into its list).
    if (move) control->SetOnMouseMove(std::move(move));
    control->SetOnMouseUp(std::move(up));
    control->SetTag(index);
}
