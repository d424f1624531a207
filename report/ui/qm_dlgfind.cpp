// The find dialog's controls, captioned from the engine's strings.
#include "report/ui/qm_dlgfind.h"

#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "report/core/qm_utils.h"
#include "report/ui/qm_formcontrols.h"
#include "report/ui/qm_formfont.h"

TQmPreviewSearchForm::TQmPreviewSearchForm(TComponent* owner) : TForm(owner, 0) {
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidthProperty(262);
    SetClientHeightProperty(158);
    SetCaption(LoadReportString(45000));
    ApplyReportFont(Font());
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
    btnOK = PlaceControl<TButton>(this, this, 98, 122, 75, 25, 47000);
    btnOK->SetDefault(true);
    btnOK->SetModalResult(mrOk);
    btnCancel = PlaceControl<TButton>(this, this, 179, 122, 75, 25, 47001);
    btnCancel->SetCancel(true);
    btnCancel->SetModalResult(mrCancel);
    SetOnShow([this](TObject*) {
        SetActiveControl(edtSearchTxt);
        edtSearchTxt->SelectAll();
    });
}
