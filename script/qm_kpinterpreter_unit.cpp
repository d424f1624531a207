// Script units: reading declarations, uses clauses and routine headers,
// running main, and calling script routines by name.
#include "script/qm_kpinterpreter_unit.h"

#include "platform/rtl/identifier.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/valuerestorer.h"
#include "script/qm_kpinterpreter_values.h"

namespace {

// Notes a failure with the unit being read and passes it on.
template <class Action>
void NotingErrors(TKpInterpreterUnit& unit, Action action) {
    try {
        action();
    } catch (std::exception& e) {
        unit.NoteError(e, unit.CurrentUnitName);
        throw;
    }
}

}  // namespace

void TKpInterpreterUnit::Reset() {
    TKpInterpreterFunction::Reset();
    OwnAdapter().ClearScript();
    SectionState = 0;
}

void TKpInterpreterUnit::Compile() {
    Reset();
    NotingErrors(*this, [this] {
        NextToken();
        if (TokenKind != ttUnit) RaiseExpected("'unit'");
        ReadUnit();
    });
    Compiled = true;
}

void TKpInterpreterUnit::Run() {
    Reset();
    NextToken();
    switch (TokenKind) {
        case ttBegin:
        case ttVar: RunRoutine(nullptr); break;
        case ttProcedure:
        case ttFunction: ReadRoutineDeclaration(); break;
        case ttUnit: {
            NotingErrors(*this, [this] { ReadUnit(); });
            Compiled = true;
            const TKpInterpreterFunDesc* main = OwnAdapter().FindScriptFunction(CurrentUnitName, "main");
            if (!main) RaiseScriptError(55, -1);
            SetPosition(main->BodyStart);
            NextToken();
            CurrentArgs().Reset();
            RunRoutine(main);
            break;
        }
        default: EvaluateExpression(LastValue); break;
    }
    Compiled = true;
}

void TKpInterpreterUnit::ReadUnit() {
    NextToken();
    if (TokenKind != ttIdentifier) RaiseExpected("Identifier");
    CurrentUnitName = TokenText;
    NextToken();
    if (TokenKind != ttSemicolon) RaiseExpected("';'");
    ReadDeclarations(false);
    NextToken();
    if (TokenKind != ttDot) RaiseExpected("'.'");
    OwnAdapter().DefineScriptUnit(CurrentUnitName, Source(), AnsiString());
}

bool TKpInterpreterUnit::ReadDeclarations(bool program) {
    auto declare = [this](const AnsiString& unit, const AnsiString& name, const TKpDataTypePtr& dataType,
                          const Variant& value, TVarType typeCode, const AnsiString& typeName) {
        DeclareScriptVariable(unit, name, dataType, value, typeCode, typeName);
    };
    for (;;) {
        NextToken();
        switch (TokenKind) {
            case ttEnd: RaiseExpected("'end'");
            case ttEndKeyword: return true;
            case ttProcedure:
            case ttFunction:
                ReadRoutineDeclaration();
                if (TokenKind != ttSemicolon) RaiseExpected("';'");
                break;
            case ttVar: ReadVarSection(declare); break;
            case ttConst: ReadConstSection(declare); break;
            case ttUses: ReadUses(); break;
            case ttType: ReadTypeDeclaration(); break;
            case ttInterface: SectionState = 1; break;
            case ttImplementation: SectionState = 2; break;
            case ttBegin:
                if (program) return false;
                RaiseExpected(ErrorText(303));
            case ttProgram:
                if (!program) RaiseExpected(ErrorText(303));
                NextToken();
                if (TokenKind != ttIdentifier) RaiseExpected("Identifier");
                CurrentUnitName = TokenText;
                NextToken();
                if (TokenKind != ttSemicolon) RaiseExpected("';'");
                break;
            default: RaiseExpected(program ? AnsiString("'end'") : ErrorText(303));
        }
    }
}

void TKpInterpreterUnit::DeclareScriptVariable(const AnsiString& unit, const AnsiString& name, const TKpDataTypePtr&,
                                               const Variant& value, TVarType typeCode, const AnsiString& typeName) {
    OwnAdapter().DefineScriptVariable(unit, name, typeName, typeCode, value);
}

void TKpInterpreterUnit::ReadRoutineDeclaration() {
    const bool isFunction = TokenKind == ttFunction;
    TKpInterpreterFunDesc desc;
    desc.DescUnit = CurrentUnitName;
    NextToken();
    if (TokenKind != ttIdentifier) RaiseExpected("Identifier");
    desc.DescName = TokenText;
    NextToken();
    if (TokenKind == ttDot) {
        // Class.Name: the routine registers as Name.
        NextToken();
        if (TokenKind != ttIdentifier) RaiseExpected("Identifier");
        desc.DescName = TokenText;
        NextToken();
    }
    desc.Signature.DeclaredCount = 0;
    if (TokenKind == ttOpenParen) {
        ReadParameters(desc);
        NextToken();
    }
    if (isFunction) {
        if (TokenKind != ttColon) RaiseExpected("':'");
        NextToken();
        if (TokenKind != ttIdentifier) RaiseExpected("Identifier");
        ReadTypeSpec(desc.ResultDataType);
        desc.Signature.ResultType = desc.ResultDataType->ValueType() ? desc.ResultDataType->ValueType() : varVariant;
        NextToken();
    }
    if (TokenKind != ttSemicolon) RaiseExpected("';'");
    desc.BodyStart = Position();
    NextToken();
    if (TokenKind == ttExternal) {
        ReadExternal(desc);
        return;
    }
    if (SectionState == 1) {
        SetPosition(desc.BodyStart);
        TokenKind = ttSemicolon;
        TokenText.assign(1, ';');
        return;
    }
    SkipUntilToken(ttBegin);
    SkipBlock();
    desc.BodyEnd = Position();
    TKpTypeList types(desc.Signature.DeclaredTypes.begin(),
                      desc.Signature.DeclaredTypes.begin() + desc.Signature.DeclaredCount);
    TKpNameList names(desc.ParamNames.begin(), desc.ParamNames.begin() + desc.Signature.DeclaredCount);
    OwnAdapter().DefineScriptFunction(desc.DescUnit, desc.DescName, desc.BodyStart, desc.BodyEnd,
                                      desc.Signature.DeclaredCount, types, names, desc.Signature.ResultType,
                                      desc.ResultDataType);
}

// Groups of names with a type, "var" marking var parameters; a default
// value is passed over, and a last group without a type does not count.
void TKpInterpreterUnit::ReadParameters(TKpInterpreterFunDesc& desc) {
    int& count = desc.Signature.DeclaredCount;
    for (;;) {
        NextToken();
        const bool isVar = TokenKind == ttVar;
        if (isVar) NextToken();
        if (TokenKind == ttCloseParen) return;
        std::vector<AnsiString> names;
        for (;;) {
            if (TokenKind != ttIdentifier) RaiseExpected("Identifier");
            names.push_back(TokenText);
            NextToken();
            if (TokenKind != ttComma) break;
            NextToken();
        }
        if (TokenKind == ttColon) {
            NextToken();
            if (TokenKind != ttIdentifier) RaiseExpected("Identifier");
            const Word type = Word(TypeCodeOfName(TokenText) | (isVar ? varParamFlag : 0));
            for (const AnsiString& name : names) {
                if (count == MaxScriptArgs)
                    RaiseScriptError1(2, -1, "routine '" + desc.DescName + "' has more than 33 parameters");
                desc.ParamNames[std::size_t(count)] = name;
                desc.Signature.DeclaredTypes[std::size_t(count)] = type;
                ++count;
            }
            NextToken();
            while (TokenKind != ttCloseParen && TokenKind != ttSemicolon) {
                if (TokenKind == ttEnd) RaiseExpected("')'");
                NextToken();
            }
        }
        if (TokenKind == ttCloseParen) return;
        if (TokenKind != ttSemicolon) RaiseExpected("')'");
    }
}

void TKpInterpreterUnit::ReadExternal(const TKpInterpreterFunDesc& desc) {
    NextToken();
    AnsiString library;
    if (TokenKind == ttString) {
        library = VarToStr(TokenValue);
    } else if (TokenKind == ttIdentifier) {
        const AnsiString name = TokenText;
        Variant value;
        CurrentArgs().Reset();
        if (!GetValue(name, value, CurrentArgs())) RaiseScriptError1(104, TokenStart(), name);
        library = VarToStr(value);
    } else {
        RaiseExpected("'string constant'");
    }
    NextToken();
    if (TokenKind != ttIdentifier) RaiseExpected("'name' or 'index'");
    AnsiString entry;
    int index = -1;
    if (SameIdentifier(TokenText, "name")) {
        NextToken();
        if (TokenKind != ttString) RaiseExpected("'string constant'");
        entry = VarToStr(TokenValue);
    } else if (SameIdentifier(TokenText, "index")) {
        NextToken();
        if (TokenKind != ttInteger) RaiseExpected("'integer constant'");
        index = TokenValue.Value().AsInteger();
    } else {
        RaiseExpected("'name' or 'index'");
    }
    const TKpTypeList types(desc.Signature.DeclaredTypes.begin(),
                            desc.Signature.DeclaredTypes.begin() + desc.Signature.DeclaredCount);
    OwnAdapter().DefineLibraryFunction(CurrentUnitName, desc.DescName, 0, library, entry, index,
                                       desc.Signature.DeclaredCount, types, desc.Signature.ResultType);
    NextToken();
}

void TKpInterpreterUnit::ReadUses() {
    NextToken();
    if (TokenKind != ttIdentifier && TokenKind != ttString) RaiseExpected("Identifier");
    ReadUsedUnit(VarToStr(TokenValue));
    for (;;) {
        NextToken();
        if (TokenKind == ttIn) {
            NextToken();
            NextToken();
        }
        if (TokenKind == ttSemicolon) return;
        if (TokenKind != ttComma) RaiseExpected("','");
        NextToken();
        if (TokenKind != ttIdentifier && TokenKind != ttString) RaiseExpected("Identifier");
        ReadUsedUnit(VarToStr(TokenValue));
    }
}

void TKpInterpreterUnit::ReadUsedUnit(const AnsiString& name) {
    if (OwnAdapter().UnitKnown(name)) return;
    OwnAdapter().DefineScriptUnit(CurrentUnitName, AnsiString(), AnsiString());
    const AnsiString unit = CurrentUnitName;
    const AnsiString source = Source();
    SaveState();
    auto restore = [&] {
        CurrentUnitName = unit;
        SetSource(source);
        RestoreState();
    };
    try {
        AnsiString text;
        if (!GetUnitSource(name, text)) RaiseScriptError1(56, TokenStart(), name);
        CurrentUnitName = name;
        SetSource(text);
        NextToken();
        if (TokenKind != ttUnit) RaiseExpected("'unit'");
        ReadUnit();
    } catch (std::exception& e) {
        NoteError(e, CurrentUnitName);
        restore();
        throw;
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

void TKpInterpreterUnit::ReadTypeDeclaration() {
    NextToken();
    if (TokenKind != ttIdentifier) RaiseExpected("Identifier");
    const AnsiString typeName = TokenText;
    NextToken();
    if (TokenKind != ttEqual) RaiseExpected("'='");
    NextToken();
    if (TokenKind == ttClass) {
        NextToken();
        if (TokenKind != ttOpenParen) RaiseExpected("'('");
        NextToken();
        NextToken();
        if (TokenKind != ttCloseParen) RaiseExpected("')'");
        SkipUntilToken(ttEndKeyword);
        NextToken();
        if (TokenKind != ttSemicolon) RaiseExpected("';'");
        OwnAdapter().AddScriptClass(std::make_unique<TKpInterpreterIdentifier>(CurrentUnitName, typeName));
        return;
    }
    if (TokenKind != ttRecord) RaiseExpected(ErrorText(305));
    // Each field is a Variant of its own slot in the record's memory.
    std::vector<TKpInterpreterRecField> fields;
    ReadVarSection([&](const AnsiString&, const AnsiString& name, const TKpDataTypePtr& dataType, const Variant&,
                       TVarType, const AnsiString&) {
        if (fields.size() == std::size_t(MaxScriptArgs))
            RaiseScriptError1(2, -1, "record '" + typeName + "' has more than 33 fields");
        TKpInterpreterRecField field = MakeRecField(name, int(fields.size() * sizeof(Variant)), 0);
        field.FieldDataType = dataType;
        fields.push_back(field);
    });
    NextToken();
    if (TokenKind != ttEndKeyword) RaiseExpected("'end'");
    NextToken();
    if (TokenKind != ttSemicolon) RaiseExpected("';'");
    OwnAdapter().DefineRecord(CurrentUnitName, typeName, int(fields.size() * sizeof(Variant)), fields);
}

bool TKpInterpreterUnit::GetUnitSource(const AnsiString& unitName, AnsiString& source) {
    bool done = false;
    if (OnGetUnitSource) OnGetUnitSource(unitName, source, done);
    return done;
}

bool TKpInterpreterUnit::FunctionExists(const AnsiString& unitName, const AnsiString& functionName) {
    return OwnAdapter().FindScriptFunction(unitName, functionName) != nullptr;
}

bool TKpInterpreterUnit::GetValue(const AnsiString& identifier, Variant& value, TKpInterpreterArgs& args) {
    if (TKpInterpreterFunction::GetValue(identifier, value, args)) return true;
    const TKpInterpreterFunDesc* desc = nullptr;
    if (args.CallObjectType() == ObjectVarType()) {
        const auto* unit = dynamic_cast<const TKpInterpreterSrcUnit*>(VariantToObject(args.CallObject()));
        if (!unit) return false;
        desc = OwnAdapter().FindScriptFunction(unit->EntryName, identifier);
        if (desc && !SameIdentifier(desc->DescUnit, unit->EntryName)) return false;
    } else if (args.CallObjectType() == varEmpty) {
        desc = OwnAdapter().FindScriptFunction(CurrentUnitName, identifier);
    }
    if (!desc) return false;
    TKpInterpreterAdapter::CheckArguments(args, desc->Signature);
    ArgsScope scope(*this, args);
    CallByDescriptor(*desc);
    value = LastValue;
    return true;
}

void TKpInterpreterUnit::CallByDescriptor(const TKpInterpreterFunDesc& desc) {
    SaveState();
    AssignTargetAllowed = true;
    const AnsiString unit = CurrentUnitName;
    const bool switched = !SameIdentifier(desc.DescUnit, unit);
    const AnsiString source = switched ? Source() : AnsiString();
    auto restore = [&] {
        if (switched) {
            CurrentUnitName = unit;
            SetSource(source);
        }
        RestoreState();
    };
    try {
        if (switched) {
            CurrentUnitName = desc.DescUnit;
            SetSource(OwnAdapter().UnitSource(desc.DescUnit));
        }
        SetPosition(desc.BodyStart);
        NextToken();
        NotingErrors(*this, [&] { RunRoutine(&desc); });
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

Variant TKpInterpreterUnit::CallFunction(const AnsiString& functionName, TKpInterpreterArgs* args,
                                        const std::vector<Variant>& params) {
    Variant result;
    CallFunctionIn(nullptr, AnsiString(), functionName, args, params, result);
    return result;
}

void TKpInterpreterUnit::CallFunctionIn(TObject* instance, const AnsiString& unitName,
                                        const AnsiString& functionName, TKpInterpreterArgs* args,
                                        const std::vector<Variant>& params, Variant& result) {
    if (!Compiled) Compile();
    ValueRestorer<TObject*> instanceScope(CurrentInstance, instance);
    const TKpInterpreterFunDesc* desc = OwnAdapter().FindScriptFunction(unitName, functionName);
    if (!desc) RaiseScriptError1(104, -1, functionName);
    TKpInterpreterArgs* frame = args;
    if (!frame) {
        frame = &CurrentArgs();
        frame->Reset();
        for (const Variant& param : params) {
            if (frame->ArgCount == MaxScriptArgs) RaiseScriptError(181, -1);
            frame->ArgValues[std::size_t(frame->ArgCount++)] = param;
        }
    }
    ArgsScope scope(*this, *frame);
    BreakFlag = ContinueFlag = false;
    LastError().Reset();
    CallByDescriptor(*desc);
    result = LastValue;
}
