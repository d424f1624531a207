// The report unit's start-up and shut-down: the process-wide pieces every
// report shares, made when the first report is created.
#include <memory>

#include "platform/ui/forms.h"
#include "report/core/qm_class.h"
#include "report/core/qm_stdfunctions.h"

namespace {

int started = 0;
std::unique_ptr<TQmApplication> application;
std::unique_ptr<TForm> dialogForm;

}  // namespace

void StartReportUnit() {
    if (started++ > 0) return;
    application.reset(TQmApplication::Create(nullptr));
    GlobalVariables();
    RegisterFunctionLibrary(TQmStdFunctionLibrary::StaticClass());
    dialogForm.reset(TForm::Create(nullptr, 0));
    dialogForm->SetBounds(-1000, -1000, 1, 1);
    dialogForm->SetName("QmDialogForm");
    LoadEngineTexts();
}

void StopReportUnit() {
    if (started == 0 || --started > 0) return;
    application.reset();
    GlobalVariables()->Clear();
    UnregisterFunctionLibrary(TQmStdFunctionLibrary::StaticClass());
    dialogForm.reset();
}

TCustomForm* QmDialogForm() { return dialogForm.get(); }
