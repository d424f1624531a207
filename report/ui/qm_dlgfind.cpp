// The find dialog's controls, captioned from the engine's strings.
#include "report/ui/qm_dlgfind.h"

#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "report/core/qm_utils.h"
#include "report/ui/qm_formfont.h"

namespace {

template <class T>
T* Placed(TWinControl* parent, TComponent* owner, int left, int top, int width, int height, int textId) {
    auto* control = new T(owner);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    if (textId) control->SetCaption(LoadReportString(textId));
    return control;
}

}  // namespace

TQmPreviewSearchForm::TQmPreviewSearchForm(TComponent* owner) : TForm(owner, 0) {
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(262);
    SetClientHeight(158);
    SetCaption(LoadReportString(45000));
    ApplyReportFont(Font());
    Label1 = Placed<TLabel>(this, this, 8, 12, 80, 13, 45001);
    edtSearchTxt = Placed<TEdit>(this, this, 90, 8, 164, 21, 0);
    Label1->SetFocusControl(edtSearchTxt);
    GroupBox1 = Placed<TGroupBox>(this, this, 8, 36, 120, 72, 45002);
    chkCaseSensitive = Placed<TCheckBox>(GroupBox1, this, 8, 20, 106, 17, 45003);
    chkWholewords = Placed<TCheckBox>(GroupBox1, this, 8, 44, 106, 17, 45377);
    GroupBox2 = Placed<TGroupBox>(this, this, 134, 36, 120, 72, 45004);
    rdbFromFirst = Placed<TRadioButton>(GroupBox2, this, 8, 20, 106, 17, 45005);
    rdbFromCursor = Placed<TRadioButton>(GroupBox2, this, 8, 44, 106, 17, 45006);
    rdbFromFirst->SetChecked(true);
    btnOK = Placed<TButton>(this, this, 98, 122, 75, 25, 47000);
    btnOK->SetDefault(true);
    btnOK->SetModalResult(mrOk);
    btnCancel = Placed<TButton>(this, this, 179, 122, 75, 25, 47001);
    btnCancel->SetCancel(true);
    btnCancel->SetModalResult(mrCancel);
    SetOnShow([this](TObject*) {
        SetActiveControl(edtSearchTxt);
        edtSearchTxt->SelectAll();
    });
}
