// Script variables of the units a registry holds, newest first, so an
// unqualified name finds the latest declaration.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "script/qm_kpinterpreter_args.h"

class TKpInterpreterVar : public TObject {
    SERVIORA_CLASS(TKpInterpreterVar, TObject)
public:
    AnsiString VarUnit;
    AnsiString VarName;
    AnsiString DeclaredType;
    // 0 for an untyped variable; varParamFlag marks one standing for a var parameter.
    TVarType TypeCode = 0;
    Variant Value;
};

class TKpInterpreterVarList {
public:
    TKpInterpreterVarList() { Touch(); }
    // 111 when the unit already has a variable of the name.
    // The variable keeps a copy of `value` (sharing a record or array).
    // With `shadow` an existing variable of the name is hidden, not refused.
    TKpInterpreterVar& Declare(const AnsiString& unit, const AnsiString& name, const AnsiString& typeName,
                               TVarType typeCode, const Variant& value, bool shadow = false);
    // The newest variable of the name in the unit (any unit when "").
    TKpInterpreterVar* Lookup(const AnsiString& unit, const AnsiString& name) const;
    void Remove(const AnsiString& unit, const AnsiString& name);
    void Clear() {
        vars_.clear();
        Touch();
    }
    int Count() const { return int(vars_.size()); }
    // Changes whenever a variable is declared or removed, and differs
    // between lists, so a variable found once stays valid while it holds.
    std::uint64_t Stamp() const { return stamp_; }

    // With a call object only a variable of the script unit that is the call
    // object answers; without one, a variable of any unit.
    bool ReadVar(const AnsiString& name, Variant& value, const TKpInterpreterArgs& frame) const;
    // A free name only: the value converted to the variable's type.
    bool WriteVar(const AnsiString& name, const Variant& value, const TKpInterpreterArgs& frame);
    // The value stored into the variable as WriteVar stores it.
    static void Store(TKpInterpreterVar& var, const Variant& value);
    // Whether Store keeps the value as it is, without a conversion (that could fail).
    static bool StoresAsIs(const TKpInterpreterVar& var, const Variant& value) {
        return var.TypeCode == 0 || var.TypeCode == varVariant || var.TypeCode == value.VarType();
    }

private:
    void Touch();

    std::vector<std::unique_ptr<TKpInterpreterVar>> vars_;
    std::uint64_t stamp_ = 0;
};
