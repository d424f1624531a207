// The factory and running-object tables of late-bound automation.
#include "platform/rtl/automation.h"

#include <map>

#include "platform/rtl/sysutils.h"

namespace {

// Keys are upper-cased so identifiers match without regard to case.
std::map<AnsiString, TAutomationFactory>& Factories() {
    static std::map<AnsiString, TAutomationFactory> factories;
    return factories;
}

std::map<AnsiString, IAutomationObjectPtr>& RunningObjects() {
    static std::map<AnsiString, IAutomationObjectPtr> objects;
    return objects;
}

}  // namespace

void OleCheck(HRESULT result) {
    if (SUCCEEDED(result)) return;
    static const std::map<HRESULT, const char*> messages = {
        {E_INVALIDARG, "The parameter is incorrect."},
        {STG_E_PATHNOTFOUND, "The path could not be found."},
        {STG_E_ACCESSDENIED, "Access Denied."},
        {STG_E_WRITEFAULT, "A disk error occurred during a write operation."},
        {STG_E_FILEALREADYEXISTS, "The file already exists."},
        {STG_E_MEDIUMFULL, "There is insufficient disk space to complete operation."},
        {STG_E_INVALIDNAME, "The name is not valid."},
        {STG_E_INVALIDFLAG, "Invalid flag error."},
    };
    const auto known = messages.find(result);
    throw EOleSysError(known != messages.end() ? AnsiString(known->second)
                                               : Format("OLE error %.8X", {static_cast<Cardinal>(result)}),
                       result);
}

void RegisterOleClass(const AnsiString& progId, TAutomationFactory factory) {
    Factories()[UpperCase(progId)] = std::move(factory);
}

void UnregisterOleClass(const AnsiString& progId) { Factories().erase(UpperCase(progId)); }

void RegisterActiveObject(const AnsiString& progId, IAutomationObjectPtr object) {
    RunningObjects()[UpperCase(progId)] = std::move(object);
}

void RevokeActiveObject(const AnsiString& progId) { RunningObjects().erase(UpperCase(progId)); }

IAutomationObjectPtr CreateOleObject(const AnsiString& progId) {
    const auto it = Factories().find(UpperCase(progId));
    if (it == Factories().end()) throw EOleSysError("Invalid class string");
    return it->second();
}

IAutomationObjectPtr GetActiveOleObject(const AnsiString& progId) {
    const auto it = RunningObjects().find(UpperCase(progId));
    if (it == RunningObjects().end()) throw EOleSysError("Operation unavailable");
    return it->second;
}

IAutomationObjectPtr GetOleObject(const AnsiString& progId) {
    try {
        return GetActiveOleObject(progId);
    } catch (const EOleError&) {
        return CreateOleObject(progId);
    }
}

Variant DispatchToVariant(IAutomationObjectPtr object) { return Variant(std::move(object), varDispatch); }

IAutomationObjectPtr VarToDispatch(const Variant& value) {
    if (value.VarType() != varDispatch) return nullptr;
    return std::dynamic_pointer_cast<IAutomationObject>(value.AsInterface());
}


Variant OleInvoke(const Variant& object, const AnsiString& member, Word flags, const std::vector<Variant>& args,
                  const std::vector<std::pair<AnsiString, Variant>>& namedArgs) {
    const IAutomationObjectPtr target = VarToDispatch(object);
    if (!target) throw EOleError("Variant does not reference an automation object");
    TDispID id = 0;
    if (!target->GetIDsOfNames(member, id)) throw EOleError("Method '" + member + "' not supported by OLE object");
    TDispParams params;
    params.Args = args;
    for (const auto& [name, value] : namedArgs) {
        params.Args.push_back(value);
        params.ArgNames.push_back(name);
    }
    for (const Variant& arg : params.Args) params.ArgTypes.push_back(arg.VarType());
    Variant result;
    target->Invoke(id, flags, params, &result);
    return result;
}
