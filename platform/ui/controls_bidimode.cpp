// The reading order's inheritance: a control follows its parent's BiDiMode
// until it is given one of its own, and a windowed control remakes its
// window in the new mode, its children following.
#include "platform/ui/controls.h"

void TControl::SetParentBiDiMode(bool v) {
    if (v == parentBiDiMode_) return;
    parentBiDiMode_ = v;
    if (v) Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
}

void TControl::CMBiDiModeChanged(TMessage&) { Invalidate(); }

void TControl::CMParentBiDiModeChanged(TMessage&) {
    if (!parentBiDiMode_ || !parent_) return;
    SetBiDiMode(parent_->BiDiMode());
    parentBiDiMode_ = true;
}

void TWinControl::CMBiDiModeChangedWin(TMessage&) {
    Invalidate();
    if (HandleAllocated()) RecreateWnd();
    NotifyControls(CM_PARENTBIDIMODECHANGED);
}
