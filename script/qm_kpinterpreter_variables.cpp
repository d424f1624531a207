// Script variables.
#include "script/qm_kpinterpreter_variables.h"

#include <atomic>

#include "platform/rtl/identifier.h"
#include "script/qm_kpinterpreter_entries.h"
#include "script/qm_kpinterpreter_values.h"
#include "script/qm_kpinterpreterconst.h"

TKpInterpreterVar& TKpInterpreterVarList::Declare(const AnsiString& unit, const AnsiString& name,
                                                  const AnsiString& typeName, TVarType typeCode,
                                                  const Variant& value, bool shadow) {
    if (!shadow && Lookup(unit, name)) RaiseScriptError1(111, -1, name);
    auto var = std::make_unique<TKpInterpreterVar>();
    var->VarUnit = unit;
    var->VarName = name;
    var->DeclaredType = typeName;
    var->TypeCode = typeCode;
    CopyScriptVariant(var->Value, value);
    vars_.insert(vars_.begin(), std::move(var));
    Touch();
    return *vars_.front();
}

TKpInterpreterVar* TKpInterpreterVarList::Lookup(const AnsiString& unit, const AnsiString& name) const {
    for (const auto& var : vars_)
        if (SameIdentifier(var->VarName, name) && (unit.empty() || SameIdentifier(var->VarUnit, unit)))
            return var.get();
    return nullptr;
}

void TKpInterpreterVarList::Remove(const AnsiString& unit, const AnsiString& name) {
    for (auto it = vars_.begin(); it != vars_.end(); ++it)
        if (SameIdentifier((*it)->VarName, name) && (unit.empty() || SameIdentifier((*it)->VarUnit, unit))) {
            vars_.erase(it);
            Touch();
            return;
        }
}

bool TKpInterpreterVarList::ReadVar(const AnsiString& name, Variant& value, const TKpInterpreterArgs& frame) const {
    // Registries mostly hold no variables; the call object's test is not cheap.
    if (vars_.empty()) return false;
    AnsiString unit;
    if (frame.CallObjectType() != varEmpty) {
        if (frame.CallObjectType() != ObjectVarType()) return false;
        const TObject* object = VariantToObject(frame.CallObject());
        if (!object || !object->InheritsFrom(TKpInterpreterSrcUnit::StaticClass())) return false;
        const auto* scriptUnit = static_cast<const TKpInterpreterSrcUnit*>(object);
        unit = scriptUnit->EntryName;
        if (unit.empty()) return false;
    }
    const TKpInterpreterVar* var = Lookup(unit, name);
    if (!var) return false;
    CopyScriptVariant(value, var->Value);
    return true;
}

bool TKpInterpreterVarList::WriteVar(const AnsiString& name, const Variant& value, const TKpInterpreterArgs& frame) {
    if (frame.CallObjectType() != varEmpty) return false;
    TKpInterpreterVar* var = Lookup(AnsiString(), name);
    if (!var) return false;
    Store(*var, value);
    return true;
}

void TKpInterpreterVarList::Store(TKpInterpreterVar& var, const Variant& value) {
    if (StoresAsIs(var, value))
        AssignScriptValue(var.Value, value);
    else
        AssignScriptValue(var.Value, ConvertForVariable(value, TVarType(var.TypeCode & ~varParamFlag)));
}

// One counter for all lists: a list made where another was freed does not
// repeat its stamp.
void TKpInterpreterVarList::Touch() {
    static std::atomic<std::uint64_t> next{0};
    stamp_ = ++next;
}
