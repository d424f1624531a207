// The shared blink timer and the switching of the listed controls.
#include "styled/VxBlinkingControls.h"

#include <algorithm>

namespace {

std::unique_ptr<TVxBlinkingControlsList>& TheList() {
    static std::unique_ptr<TVxBlinkingControlsList> list;
    return list;
}

}  // namespace

TVxBlinkingControlsList* TVxBlinkingControlsList::Instance() { return TheList().get(); }

void TVxBlinkingControlsList::Add(TControl* control) {
    if (!TheList()) TheList().reset(new TVxBlinkingControlsList);
    TheList()->controls_.push_back(control);
}

void TVxBlinkingControlsList::Remove(TControl* control) {
    TVxBlinkingControlsList* list = Instance();
    if (!list) return;
    const auto found = std::find(list->controls_.begin(), list->controls_.end(), control);
    if (found != list->controls_.end()) list->controls_.erase(found);
    if (list->controls_.empty()) TheList().reset();
}

TVxBlinkingControlsList::TVxBlinkingControlsList() : timer_(std::make_unique<TTimer>(nullptr)) {
    timer_->SetInterval(intervalOff_);
    timer_->SetOnTimer(TNotifyEvent([this](TObject*) { Tick(); }));
    timer_->SetEnabled(true);
}

TVxBlinkingControlsList::~TVxBlinkingControlsList() = default;

void TVxBlinkingControlsList::Tick() {
    state_ = state_ ? 0 : 1;
    timer_->SetInterval(state_ ? intervalOn_ : intervalOff_);
    for (TControl* control : std::vector<TControl*>(controls_))
        if (control->Perform(VXM_QUERYBLINKING, 0, 0) == 1) control->Perform(VXM_BLINKPHASE, state_, 0);
}
