// The argument frame of one call between the interpreter and a host
// callback: up to 33 arguments with the names of plain-variable arguments,
// the callee's declared types, the object the name is called on, and the
// flags the evaluator and the registry pass each other.
#pragma once

#include <array>
#include <span>
#include <vector>

#include "platform/rtl/format.h"
#include "platform/rtl/metaclass.h"
#include "platform/rtl/variant.h"

constexpr int MaxScriptArgs = 33;
// Marks a declared parameter type as a var parameter.
constexpr Word varParamFlag = 0x4000;

class TKpInterpreterArgs : public TObject {
    SERVIORA_CLASS(TKpInterpreterArgs, TObject)
public:
    TKpInterpreterArgs() = default;

    // Clears the call's object and flags; arguments are overwritten by the next use.
    void Reset() {
        ArgCount = 0;
        if (!VarIsEmpty(callObject_)) callObject_ = Variant();
        HasVarArgs = false;
        Indexed = false;
        IndexedDone = false;
        if (!VarIsEmpty(DispatchTarget)) DispatchTarget = Variant();
    }
    // Back to the state of a new frame: no values, names or types are kept.
    void Clear();

    // The object, class, record, automation object or script unit the name
    // is called on; Empty for a free name.
    const Variant& CallObject() const { return callObject_; }
    Word CallObjectType() const { return callObject_.VarType(); }
    void SetCallObject(const Variant& value) { callObject_ = value; }
    void SetCallObject(Variant&& value) { callObject_ = std::move(value); }
    void ClearCallObject() {
        if (!VarIsEmpty(callObject_)) callObject_ = Variant();
    }
    // After a call: no object, no dispatch target, no arguments.
    void EndCall() {
        ClearCallObject();
        if (!VarIsEmpty(DispatchTarget)) DispatchTarget = Variant();
        ArgCount = 0;
    }

    // The argument `index` (a script array or a Variant array of one
    // dimension) as the constants of an open array, valid until the next call.
    std::span<const TVarRec> ToOpenArray(int index);
    int OpenCount() const { return int(openConsts_.size()); }

    std::array<AnsiString, MaxScriptArgs> VarArgNames;
    bool HasVarArgs = false;
    AnsiString CallName;
    int ArgCount = 0;
    std::array<Word, MaxScriptArgs> ArgTypes{};
    std::array<Variant, MaxScriptArgs> ArgValues;
    bool ResultWanted = false;
    bool Assignment = false;
    Variant DispatchTarget;
    bool Indexed = false;
    bool IndexedDone = false;

private:
    Variant callObject_;
    std::vector<TVarRec> openConsts_;
};

using THostGetCallback = void (*)(Variant& value, TKpInterpreterArgs& frame);
using THostSetCallback = void (*)(const Variant& value, TKpInterpreterArgs& frame);
