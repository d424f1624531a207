// Automation calls: argument encoding and error translation.
#include "script/qm_kpinterpreter_dispatch.h"

#include "script/qm_kpinterpreterconst.h"

namespace {

void AddArgument(TDispParams& params, const Variant& value) {
    switch (value.VarType()) {
        case varSmallint:
        case varInteger:
        case varShortInt:
        case varByte:
        case varWord:
        case varLongWord:
        case varInt64:
            params.Args.push_back(Variant(value.AsInteger()));
            params.ArgTypes.push_back(varInteger);
            break;
        case varSingle:
        case varDouble:
        case varCurrency:
            params.Args.push_back(Variant(value.AsDouble()));
            params.ArgTypes.push_back(varDouble);
            break;
        case varBoolean:
            params.Args.push_back(value);
            params.ArgTypes.push_back(varBoolean);
            break;
        case varString:
        case varOleStr:
            params.Args.push_back(Variant(VarToStr(value)));
            params.ArgTypes.push_back(varStrArg);
            break;
        default:
            params.Args.push_back(value);
            params.ArgTypes.push_back(value.VarType());
            break;
    }
}

void Invoke(const AnsiString& name, TKpInterpreterArgs& frame, Word callType, const TDispParams& params,
            Variant* result) {
    const IAutomationObjectPtr target = VarToDispatch(frame.CallObject());
    if (!target) RaiseScriptError(109, -1);
    try {
        DispatchCall(result, *target, name, callType, params);
    } catch (const EOleError& e) {
        RaiseScriptError2(201, -1, name, e.Message());
    }
}

}  // namespace

TDispID GetDispIDs(IAutomationObject& dispatch, const AnsiString& name) {
    TDispID id = 0;
    if (!dispatch.GetIDsOfNames(name, id)) throw EOleError("Method '" + name + "' not supported by OLE object");
    return id;
}

void DispatchCall(Variant* result, IAutomationObject& dispatch, const AnsiString& name, Word callType,
                  const TDispParams& params) {
    const TDispID id = GetDispIDs(dispatch, name);
    if (result) *result = Variant();
    dispatch.Invoke(id, callType, params, result);
}

void AutomationGet(const AnsiString& name, TKpInterpreterArgs& frame, Variant& value) {
    TDispParams params;
    for (int i = 0; i < frame.ArgCount; ++i) AddArgument(params, frame.ArgValues[std::size_t(i)]);
    value = Null();
    Invoke(name, frame, DISPATCH_METHOD | DISPATCH_PROPERTYGET, params, frame.ResultWanted ? &value : nullptr);
    if (value.VarType() == varOleStr) value = Variant(VarToStr(value));
}

void AutomationPut(const AnsiString& name, TKpInterpreterArgs& frame, const Variant& value) {
    TDispParams params;
    AddArgument(params, value);
    for (int i = 0; i < frame.ArgCount; ++i) AddArgument(params, frame.ArgValues[std::size_t(i)]);
    Invoke(name, frame, DISPATCH_PROPERTYPUT, params, nullptr);
}
