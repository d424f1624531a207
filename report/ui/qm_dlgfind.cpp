// The find dialog's controls, captioned from the engine's strings.
#include "report/ui/qm_dlgfind.h"

#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "report/core/qm_utils.h"
#include "report/ui/qm_formcontrols.h"

TQmPreviewSearchForm::TQmPreviewSearchForm(TComponent* owner) : TForm(owner, 0) {
    SetUpReportDialog(this, 262, 158, 45000);
    Label1 = PlaceControl<TLabel>(this, this, 8, 12, 80, 13, 45001);
    edtSearchTxt = PlaceControl<TEdit>(this, this, 90, 8, 164, 21);
    Label1->SetFocusControl(edtSearchTxt);
    GroupBox1 = PlaceControl<TGroupBox>(this, this, 8, 36, 120, 72, 45002);
    chkCaseSensitive = PlaceControl<TCheckBox>(GroupBox1, this, 8, 20, 106, 17, 45003);
    chkWholewords = PlaceControl<TCheckBox>(GroupBox1, this, 8, 44, 106, 17, 45377);
    GroupBox2 = PlaceControl<TGroupBox>(this, this, 134, 36, 120, 72, 45004);
    rdbFromFirst = PlaceControl<TRadioButton>(GroupBox2, this, 8, 20, 106, 17, 45005);
    rdbFromCursor = PlaceControl<TRadioButton>(GroupBox2, this, 8, 44, 106, 17, 45006);
    rdbFromFirst->SetChecked(true);
    std::tie(btnOK, btnCancel) = PlaceDialogButtons(this, 98, 122);
    SetOnShow([this](TObject*) {
        SetActiveControl(edtSearchTxt);
        edtSearchTxt->SelectAll();
    });
}
