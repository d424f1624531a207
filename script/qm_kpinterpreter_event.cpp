// The base of the script event objects.
#include "script/qm_kpinterpreter_event.h"

#include "script/qm_kpinterpreter_expression.h"

TKpInterpreterArgs& TKpInterpreterEvent::GetFrame() {
    if (!frame_) frame_ = std::make_unique<TKpInterpreterArgs>();
    return *frame_;
}

void TKpInterpreterEvent::InvokeHandler(TKpInterpreterArgs* frame, std::initializer_list<Variant> values,
                                       Variant& result) {
    TKpInterpreterArgs& args = frame ? *frame : GetFrame();
    args.Reset();
    for (const Variant& value : values) {
        if (args.ArgCount == MaxScriptArgs) RaiseScriptError(181, -1);
        // A record the host made gets its type, so the procedure can copy it.
        Interpreter->ResolveRecordType(value);
        args.ArgValues[std::size_t(args.ArgCount++)] = value;
    }
    Interpreter->CallFunctionIn(Target, ScriptUnit, ScriptProc, &args, {Null()}, result);
}
