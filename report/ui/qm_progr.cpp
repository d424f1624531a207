// The progress window's controls and its Cancel.
#include "report/ui/qm_progr.h"

#include "platform/ui/stdctrls.h"
#include "report/core/qm_class.h"
#include "report/core/qm_utils.h"
#include "report/ui/qm_formfont.h"

TQmProgressForm::TQmProgressForm(TComponent* owner) : TForm(owner, 0) {
    SetBorderStyle(bsDialog);
    SetBorderIcons(TBorderIcons{biMinimize, biMaximize});
    SetPosition(poScreenCenter);
    SetClientWidth(278);
    SetClientHeight(106);
    ApplyReportFont(Font());
    auto label = [this](int top) {
        auto* l = new TLabel(this);
        l->SetParent(this);
        l->SetAutoSize(false);
        l->SetAlignment(taCenter);
        l->SetBounds(8, top, 262, 16);
        return l;
    };
    Label1 = label(12);
    Label2 = label(36);
    btnCancel = new TButton(this);
    btnCancel->SetParent(this);
    btnCancel->SetBounds(102, 68, 75, 25);
    btnCancel->SetCaption(LoadReportString(47001));
    btnCancel->SetCancel(true);
    btnCancel->SetModalResult(mrCancel);
    btnCancel->SetOnClick([this](TObject*) { btnCancelClick(); });
}

void TQmProgressForm::SetReport(TQmReport* report) {
    report_ = report;
    Label2->SetCaption("");
}

void TQmProgressForm::SetFirstLabel(const AnsiString& text) { Label1->SetCaption(text); }

void TQmProgressForm::SetSecondLabel(const AnsiString& text) { Label2->SetCaption(text); }

void TQmProgressForm::btnCancelClick() {
    if (report_) report_->SetTerminated(true);
}
