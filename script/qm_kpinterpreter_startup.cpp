// Start-up and shut-down of the interpreter.
#include "script/qm_kpinterpreter_startup.h"

#include <memory>

#include "platform/rtl/automation.h"
#include "platform/rtl/ole2.h"
#include "script/qm_kpinterpreter_adapter.h"
#include "script/qm_kpinterpreter_values.h"

namespace {

struct InterpreterRuntime {
    std::unique_ptr<TKpInterpreterAdapter> globalAdapter;
    bool oleInitialized = false;
};

InterpreterRuntime& Runtime() {
    static InterpreterRuntime runtime;
    return runtime;
}

}  // namespace

void InitializeInterpreter() {
    InterpreterRuntime& runtime = Runtime();
    if (runtime.globalAdapter) return;
    CreateScriptVariantTypes();
    runtime.globalAdapter = std::make_unique<TKpInterpreterAdapter>();
    runtime.oleInitialized = OleInitialize(nullptr) >= 0;
}

void FinalizeInterpreter() {
    InterpreterRuntime& runtime = Runtime();
    if (!runtime.globalAdapter) return;
    if (runtime.oleInitialized) OleUninitialize();
    runtime.oleInitialized = false;
    runtime.globalAdapter.reset();
    FreeScriptVariantTypes();
}

TKpInterpreterAdapter* GlobalInterpreterAdapter() { return Runtime().globalAdapter.get(); }
