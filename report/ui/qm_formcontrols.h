// Placing a report dialog's control in code: its parent, bounds and the
// engine string it is captioned with (0: none).
#pragma once

#include "platform/ui/controls.h"
#include "report/core/qm_utils.h"

template <class T>
T* PlaceControl(TWinControl* parent, TComponent* owner, int left, int top, int width, int height, int textId = 0) {
    auto* control = new T(owner);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    if (textId) control->SetCaption(LoadReportString(textId));
    return control;
}
