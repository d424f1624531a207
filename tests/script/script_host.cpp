// Registrations of the test host.
#include "script_host.h"

#include "platform/rtl/sysutils.h"
#include "script/bindings/qm_kpinterpreter_classes.h"
#include "script/bindings/qm_kpinterpreter_controls.h"
#include "script/bindings/qm_kpinterpreter_db.h"
#include "script/bindings/qm_kpinterpreter_dialogs.h"
#include "script/bindings/qm_kpinterpreter_forms.h"
#include "script/bindings/qm_kpinterpreter_graphics.h"
#include "script/bindings/qm_kpinterpreter_stdctrls.h"
#include "script/bindings/qm_kpinterpreter_types.h"
#include "script/qm_kpinterpreter_adapter.h"
#include "script/qm_kpinterpreter_startup.h"
#include "script/qm_kpinterpreter_system.h"
#include "script/qm_kpinterpreter_sysutils.h"
#include "script/qm_kpinterpreter_windows.h"
#include "script/qm_kpinterpreter_values.h"

namespace {

void Emit(Variant&, TKpInterpreterArgs& frame) {
    ScriptTestHost::Get().Emitted.push_back(VarToStr(frame.ArgValues[0]));
}

void CreateConvertError(Variant& value, TKpInterpreterArgs& frame) {
    value = ObjectToVariant(new EConvertError(VarToStr(frame.ArgValues[0])));
}

void ConvertFail(Variant& value, TKpInterpreterArgs& frame) { value = StrToInt(VarToStr(frame.ArgValues[0])); }

}  // namespace

ScriptTestHost& ScriptTestHost::Get() {
    static ScriptTestHost host = [] {
        TKpInterpreterAdapter& global = *GlobalInterpreterAdapter();
        RegisterSystemBindings(global);
        global.DefineFunction("Test", "Emit", Emit, 1, {0}, 0);
        global.DefineFunction("Test", "ConvertFail", ConvertFail, 1, {varString}, varInteger);
        RegisterSysUtilsBindings(global);
        global.DefineGetter(EConvertError::StaticClass(), "Create", CreateConvertError, 1, {varString}, 0);
        RegisterClassesBindings(global);
        RegisterWindowsBindings(global);
        RegisterTypesBindings(global);
        RegisterGraphicsBindings(global);
        RegisterControlsBindings(global);
        RegisterStdCtrlsBindings(global);
        RegisterDialogsBindings(global);
        RegisterFormsBindings(global);
        RegisterDbBindings(global);
        return ScriptTestHost();
    }();
    return host;
}
