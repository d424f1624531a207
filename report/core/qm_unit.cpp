// The report unit's start-up and shut-down: the process-wide pieces every
// report shares, made when the first report is created.
#include <memory>

#include "platform/ui/forms.h"
#include "report/core/qm_class.h"
#include "report/core/qm_reportbindings.h"
#include "report/core/qm_stdfunctions.h"
#include "script/bindings/qm_kpinterpreter_classes.h"
#include "script/bindings/qm_kpinterpreter_controls.h"
#include "script/bindings/qm_kpinterpreter_db.h"
#include "script/bindings/qm_kpinterpreter_dialogs.h"
#include "script/bindings/qm_kpinterpreter_forms.h"
#include "script/bindings/qm_kpinterpreter_graphics.h"
#include "script/bindings/qm_kpinterpreter_stdctrls.h"
#include "script/bindings/qm_kpinterpreter_types.h"
#include "script/qm_kpinterpreter_startup.h"
#include "script/qm_kpinterpreter_system.h"
#include "script/qm_kpinterpreter_sysutils.h"
#include "script/qm_kpinterpreter_windows.h"

namespace {

int started = 0;
std::unique_ptr<TQmApplication> application;
std::unique_ptr<TForm> dialogForm;

}  // namespace

void StartReportUnit() {
    if (started++ > 0) return;
    InitializeInterpreter();
    TKpInterpreterAdapter& bindings = *GlobalInterpreterAdapter();
    RegisterSystemBindings(bindings);
    RegisterSysUtilsBindings(bindings);
    RegisterClassesBindings(bindings);
    RegisterWindowsBindings(bindings);
    RegisterGraphicsBindings(bindings);
    RegisterControlsBindings(bindings);
    RegisterStdCtrlsBindings(bindings);
    RegisterDialogsBindings(bindings);
    RegisterFormsBindings(bindings);
    RegisterDbBindings(bindings);
    RegisterTypesBindings(bindings);
    RegisterReportBindings(bindings);
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
