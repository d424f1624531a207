// TProgressBar and TTrackBar over their window classes.
#include "platform/ui/comctrls_range.h"

#include <algorithm>

#include "platform/ui/stdctrls_edit.h"
#include "platform/win/commctrl.h"

// ---- progress bar ----------------------------------------------------------------------

void TProgressBar::Published(TPublished<TProgressBar>& p) {
    p.Property("Min", &TProgressBar::Min, &TProgressBar::SetMin).Default(0);
    p.Property("Max", &TProgressBar::Max, &TProgressBar::SetMax).Default(100);
    p.Property("Position", &TProgressBar::Position, &TProgressBar::SetPosition).Default(0);
    p.Property("Step", &TProgressBar::Step, &TProgressBar::SetStep).Default(10);
    p.Property("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth).Default(false);
}

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 150, 16); }

void TProgressBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, "msctls_progress32");
    if (smooth_) params.Style |= PBS_SMOOTH;
}

void TProgressBar::CreateWnd() {
    TWinControl::CreateWnd();
    SendMessage(Handle(), PBM_SETRANGE32, WPARAM(min_), LPARAM(max_));
    SendMessage(Handle(), PBM_SETSTEP, WPARAM(step_), 0);
    SendMessage(Handle(), PBM_SETPOS, WPARAM(position_), 0);
}

void TProgressBar::SetRange(Integer min, Integer max) {
    min_ = min;
    max_ = max;
    position_ = std::clamp(position_, min_, std::max(min_, max_));
    if (HandleAllocated()) SendMessage(Handle(), PBM_SETRANGE32, WPARAM(min_), LPARAM(max_));
}

Integer TProgressBar::Position() const {
    return HandleAllocated() ? Integer(SendMessage(const_cast<TProgressBar*>(this)->Handle(), PBM_GETPOS, 0, 0))
                             : position_;
}

void TProgressBar::SetPosition(Integer v) {
    position_ = std::clamp(v, min_, std::max(min_, max_));
    if (HandleAllocated()) SendMessage(Handle(), PBM_SETPOS, WPARAM(position_), 0);
}

void TProgressBar::SetStep(Integer v) {
    step_ = v;
    if (HandleAllocated()) SendMessage(Handle(), PBM_SETSTEP, WPARAM(step_), 0);
}

void TProgressBar::SetSmooth(bool v) {
    if (smooth_ == v) return;
    smooth_ = v;
    if (HandleAllocated()) RecreateWnd();
}

void TProgressBar::StepIt() {
    SendMessage(Handle(), PBM_STEPIT, 0, 0);
    position_ = Position();
}

void TProgressBar::StepBy(Integer delta) {
    SendMessage(Handle(), PBM_DELTAPOS, WPARAM(delta), 0);
    position_ = Position();
}

// ---- track bar -------------------------------------------------------------------------

void TTrackBar::Published(TPublished<TTrackBar>& p) {
    p.Property("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency).Default(1);
    p.Property("LineSize", &TTrackBar::LineSize, &TTrackBar::SetLineSize).Default(1);
    p.Property("Max", &TTrackBar::Max, &TTrackBar::SetMax).Default(10);
    p.Property("Min", &TTrackBar::Min, &TTrackBar::SetMin).Default(0);
    p.Property("Orientation", &TTrackBar::Orientation, &TTrackBar::SetOrientation).Default(trHorizontal);
    p.Property("PageSize", &TTrackBar::PageSize, &TTrackBar::SetPageSize).Default(2);
    p.Property("Position", &TTrackBar::Position, &TTrackBar::SetPosition).Default(0);
    p.Property("TickStyle", &TTrackBar::TickStyle, &TTrackBar::SetTickStyle).Default(tsAuto);
    p.Property("OnChange", &TTrackBar::OnChange, &TTrackBar::SetOnChange);
}

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 150, 45);
    SetTabStop(true);
}

void TTrackBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, "msctls_trackbar32");
    if (orientation_ == trVertical) params.Style |= TBS_VERT;
    if (tickStyle_ == tsNone) params.Style |= TBS_NOTICKS;
}

void TTrackBar::CreateWnd() {
    TWinControl::CreateWnd();
    SendMessage(Handle(), TBM_SETRANGEMIN, FALSE, LPARAM(min_));
    SendMessage(Handle(), TBM_SETRANGEMAX, FALSE, LPARAM(max_));
    SendMessage(Handle(), TBM_SETTICFREQ, WPARAM(frequency_), 0);
    SendMessage(Handle(), TBM_SETLINESIZE, 0, LPARAM(lineSize_));
    SendMessage(Handle(), TBM_SETPAGESIZE, 0, LPARAM(pageSize_));
    SendMessage(Handle(), TBM_SETPOS, TRUE, LPARAM(position_));
}

void TTrackBar::Remake() {
    if (HandleAllocated()) RecreateWnd();
}

void TTrackBar::SetMin(Integer v) {
    min_ = v;
    position_ = std::clamp(position_, min_, std::max(min_, max_));
    if (HandleAllocated()) SendMessage(Handle(), TBM_SETRANGEMIN, TRUE, LPARAM(v));
}

void TTrackBar::SetMax(Integer v) {
    max_ = v;
    position_ = std::clamp(position_, min_, std::max(min_, max_));
    if (HandleAllocated()) SendMessage(Handle(), TBM_SETRANGEMAX, TRUE, LPARAM(v));
}

Integer TTrackBar::Position() const {
    return HandleAllocated() ? Integer(SendMessage(const_cast<TTrackBar*>(this)->Handle(), TBM_GETPOS, 0, 0))
                             : position_;
}

void TTrackBar::SetPosition(Integer v) {
    const Integer before = Position();
    position_ = std::clamp(v, min_, std::max(min_, max_));
    if (HandleAllocated()) SendMessage(Handle(), TBM_SETPOS, TRUE, LPARAM(position_));
    if (position_ != before) Changed();
}

void TTrackBar::SetFrequency(Integer v) {
    frequency_ = v;
    if (HandleAllocated()) SendMessage(Handle(), TBM_SETTICFREQ, WPARAM(v), 0);
}

void TTrackBar::SetLineSize(Integer v) {
    lineSize_ = v;
    if (HandleAllocated()) SendMessage(Handle(), TBM_SETLINESIZE, 0, LPARAM(v));
}

void TTrackBar::SetPageSize(Integer v) {
    pageSize_ = v;
    if (HandleAllocated()) SendMessage(Handle(), TBM_SETPAGESIZE, 0, LPARAM(v));
}

void TTrackBar::SetOrientation(TTrackBarOrientation v) {
    if (orientation_ == v) return;
    orientation_ = v;
    // The bar turns with its bounds.
    SetBounds(Left(), Top(), Height(), Width());
    Remake();
}

void TTrackBar::SetTickStyle(TTickStyle v) {
    if (tickStyle_ == v) return;
    tickStyle_ = v;
    Remake();
}

void TTrackBar::Changed() { onChange_(this); }

void TTrackBar::CNScroll(TMessage&) {
    const Integer now = Integer(SendMessage(Handle(), TBM_GETPOS, 0, 0));
    if (now == position_) return;
    position_ = now;
    Changed();
}
