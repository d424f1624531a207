// TKpInterpreterUnit: whole script units. Compiling reads a unit's header,
// uses clause, declarations and routine headers into the interpreter's own
// registry without running any body; routines run when they are called by
// name, from the script or from the host.
#pragma once

#include <vector>

#include "script/qm_kpinterpreter_function.h"

using TKpInterpreterGetUnitSource = TEvent<void(const AnsiString& UnitName, AnsiString& Source, bool& Done)>;

class TKpInterpreterUnit : public TKpInterpreterFunction {
    SERVIORA_CLASS(TKpInterpreterUnit, TKpInterpreterFunction)
public:
    explicit TKpInterpreterUnit(TComponent* owner) : TKpInterpreterFunction(owner) {}

    void Compile();
    // By the first token: a nameless body, one routine declaration, a unit
    // (its routine main runs; 55 without one), else an expression.
    void Run() override;
    void Reset() override;

    Variant CallFunction(const AnsiString& functionName, TKpInterpreterArgs* args, const std::vector<Variant>& params);
    void CallFunctionIn(TObject* instance, const AnsiString& unitName, const AnsiString& functionName,
                        TKpInterpreterArgs* args, const std::vector<Variant>& params, Variant& result) override;
    // A script routine of the name in the unit, or else in any unit.
    bool FunctionExists(const AnsiString& unitName, const AnsiString& functionName);
    virtual bool GetUnitSource(const AnsiString& unitName, AnsiString& source);

    bool GetValue(const AnsiString& identifier, Variant& value, TKpInterpreterArgs& args) override;

    // 0 outside any section, 1 in an interface, 2 in an implementation.
    Byte SectionState = 0;
    TKpInterpreterGetUnitSource OnGetUnitSource;

protected:
    // The declarations of a unit or program up to its final "end" (or, in
    // a program, its main "begin"); false when a program's main block begins.
    bool ReadDeclarations(bool program);
    void ReadUnit();
    void ReadRoutineDeclaration();
    // Runs the routine in its own unit's source, with the current frame as
    // its arguments; LastValue holds its result.
    void CallByDescriptor(const TKpInterpreterFunDesc& desc);

private:
    void ReadParameters(TKpInterpreterFunDesc& desc);
    void ReadExternal(const TKpInterpreterFunDesc& desc);
    void ReadUses();
    void ReadUsedUnit(const AnsiString& name);
    void ReadTypeDeclaration();
    void DeclareScriptVariable(const AnsiString& unit, const AnsiString& name, const TKpDataTypePtr& dataType,
                               const Variant& value, TVarType typeCode, const AnsiString& typeName);
};
