// Placing a report dialog's controls in code: a control with its parent,
// bounds and the engine string it is captioned with, the OK and Cancel
// pair, and the spin edits holding the dialogs' numbers.
#pragma once

#include <utility>

#include "platform/rtl/sysutils.h"
#include "platform/ui/controls.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_edit.h"
#include "report/core/qm_utils.h"
#include "report/ui/qm_ctrls_spinedit.h"
#include "report/ui/qm_formfont.h"

// A report dialog: fixed frame, centred, its client size, the caption's
// engine string and the engine's font.
inline void SetUpReportDialog(TForm* form, int clientWidth, int clientHeight, int captionId) {
    form->SetBorderStyle(bsDialog);
    form->SetPosition(poScreenCenter);
    form->SetClientWidthProperty(clientWidth);
    form->SetClientHeightProperty(clientHeight);
    form->SetCaption(LoadReportString(captionId));
    ApplyReportFont(form->Font());
}

template <class T>
T* PlaceControl(TWinControl* parent, TComponent* owner, int left, int top, int width, int height, int textId = 0) {
    auto* control = new T(owner);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    if (textId) control->SetCaption(LoadReportString(textId));
    return control;
}

// OK (the default button, mrOk) at `left` and Cancel (mrCancel) beside it.
inline std::pair<TButton*, TButton*> PlaceDialogButtons(TWinControl* form, int left, int top) {
    auto* ok = PlaceControl<TButton>(form, form, left, top, 75, 25, 47000);
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    auto* cancel = PlaceControl<TButton>(form, form, left + 85, top, 75, 25, 47001);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    return {ok, cancel};
}

// A dialog's spin edit: its type, lower limit and step; the upper limit stays
// the default and a float keeps two decimals.
inline TQmSpinEdit* PlaceSpinEdit(TWinControl* parent, TComponent* owner, int left, int top, int width,
                                  TQmValueType type, double minValue, double increment) {
    auto* spin = PlaceControl<TQmSpinEdit>(parent, owner, left, top, width, 21);
    spin->SetValueType(type);
    spin->SetMinValue(minValue);
    spin->SetIncrement(increment);
    return spin;
}

// A numeric field's value (0 when it holds no number) and its text.
inline double SpinValue(const TCustomEdit* spin) { return StrToFloatDef(Trim(spin->Text()), 0); }
inline void SetSpinValue(TCustomEdit* spin, double value) { spin->SetText(FormatFloat("0.00", value)); }
