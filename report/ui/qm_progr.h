// The progress window of a print run or an export: two message lines and a
// Cancel button that stops the report's loop.
#pragma once

#include "platform/ui/forms.h"
#include "report/core/qm_reportwindows.h"

class TLabel;
class TButton;

class TQmProgressForm : public TForm, public IQmProgressForm {
    SERVIORA_CLASS(TQmProgressForm, TForm)
public:
    explicit TQmProgressForm(TComponent* owner);

    void SetReport(TQmReport* report) override;
    void SetStepText(const AnsiString& text) override { stepText_ = text; }
    AnsiString StepText() const override { return stepText_; }
    void SetFirstLabel(const AnsiString& text) override;
    void SetSecondLabel(const AnsiString& text) override;

    TButton* btnCancel = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;

private:
    void btnCancelClick();

    TQmReport* report_ = nullptr;
    AnsiString stepText_;
};
