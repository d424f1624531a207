// Routine frames and declarations: parameters, Result, var and const
// sections and type declarations.
#include "script/qm_kpinterpreter_arrays.h"
#include "script/qm_kpinterpreter_function.h"
#include "script/qm_kpinterpreter_records.h"
#include "script/qm_kpinterpreter_values.h"

#include "platform/rtl/sysutils.h"

bool TKpInterpreterFunction::GetValue(const AnsiString& identifier, Variant& value, TKpInterpreterArgs& args) {
    if (Frame* frame = CurFrame()) {
        try {
            if (nameSite_ && args.CallObjectType() == varEmpty) {
                if (const TKpInterpreterVar* var = nameSite_->Local.Resolve(frame->Vars)) {
                    CopyScriptVariant(value, var->Value);
                    return true;
                }
            } else if (frame->Vars.ReadVar(identifier, value, args)) {
                return true;
            }
        } catch (std::exception& e) {
            NoteError(e, AnsiString());
            throw;
        }
    }
    return TKpInterpreterExpression::GetValue(identifier, value, args);
}


bool TKpInterpreterFunction::SetValue(const AnsiString& identifier, const Variant& value, TKpInterpreterArgs& args) {
    if (Frame* frame = CurFrame()) {
        try {
            if (frame->Vars.WriteVar(identifier, value, args)) return true;
        } catch (std::exception& e) {
            NoteError(e, AnsiString());
            throw;
        }
    }
    return TKpInterpreterExpression::SetValue(identifier, value, args);
}

void TKpInterpreterFunction::EnterRoutine(const TKpInterpreterFunDesc* desc) {
    auto frame = std::make_unique<Frame>();
    frame->Desc = desc;
    LastValue = Null();
    if (desc) {
        TKpInterpreterArgs& args = CurrentArgs();
        args.HasVarArgs = false;
        args.ArgTypes = desc->Signature.DeclaredTypes;
        for (int i = 0; i < args.ArgCount; ++i) {
            const Word type = args.ArgTypes[std::size_t(i)];
            const Variant& argument = args.ArgValues[std::size_t(i)];
            Variant value;
            if (type & varParamFlag) {
                CopyScriptVariant(value, argument);
                args.HasVarArgs = true;
            } else if (VariantToHolder(argument)) {
                // A value parameter gets a record of its own.
                value = CloneRecordValue(argument);
            } else {
                AssignScriptValue(value, argument);
            }
            frame->Vars.Declare(AnsiString(), desc->ParamNames[std::size_t(i)], AnsiString(), type, value);
        }
        frame->ParamNames = desc->ParamNames;
        if (desc->Signature.ResultType != 0 || desc->ResultDataType) {
            Variant result;
            if (desc->ResultDataType) desc->ResultDataType->NewValue(result);
            else result = ConvertToType(Variant(), desc->Signature.ResultType);
            frame->Vars.Declare(AnsiString(), "Result", AnsiString(), desc->Signature.ResultType, result);
        }
    } else {
        frame->Vars.Declare(AnsiString(), "Result", AnsiString(), varVariant, Null());
    }
    frame->CallerArgs = ReplaceCurrentArgs(&frame->BodyArgs);
    frames_.push_back(std::move(frame));
}

void TKpInterpreterFunction::LeaveRoutine(bool normal) {
    Frame& frame = *frames_.back();
    ReplaceCurrentArgs(frame.CallerArgs);
    if (normal) {
        TKpInterpreterArgs& args = CurrentArgs();
        const int count = args.ArgCount;
        if (args.HasVarArgs) {
            args.ClearCallObject();
            args.DispatchTarget = Variant();
            for (int i = 0; i < count; ++i) {
                const AnsiString& name = frame.ParamNames[std::size_t(i)];
                if (name.empty() || !(args.ArgTypes[std::size_t(i)] & varParamFlag)) continue;
                if (const TKpInterpreterVar* var = frame.Vars.Lookup(AnsiString(), name))
                    args.ArgValues[std::size_t(i)] = var->Value;
            }
        }
        if (!frame.Desc || frame.Desc->Signature.ResultType != 0 || frame.Desc->ResultDataType) {
            if (TKpInterpreterVar* result = frame.Vars.Lookup(AnsiString(), "Result")) {
                LastValue = result->Value;
                FreeScriptValue(result->Value);
            }
        }
    }
    frames_.pop_back();
}

void TKpInterpreterFunction::RunRoutine(const TKpInterpreterFunDesc* desc) {
    NestingScope nesting(*this);
    EnterRoutine(desc);
    ExitFlag = false;
    try {
        auto addLocal = [this](const AnsiString& unit, const AnsiString& name, const TKpDataTypePtr&,
                               const Variant& value, TVarType typeCode, const AnsiString& typeName) {
            CurFrame()->Vars.Declare(unit, name, typeName, typeCode, value);
        };
        while (TokenKind != ttBegin) {
            if (TokenKind == ttVar) ReadVarSection(addLocal);
            else if (TokenKind == ttConst) ReadConstSection(addLocal);
            else RaiseExpected("'begin'");
            NextToken();
        }
        RunBlock();
        if (!ExitFlag && TokenKind != ttSemicolon) RaiseExpected("';'");
    } catch (...) {
        try {
            throw;
        } catch (std::exception& e) {
            NoteError(e, desc ? desc->DescUnit : AnsiString());
        } catch (...) {
        }
        LeaveRoutine(false);
        ExitFlag = false;
        throw;
    }
    LeaveRoutine(true);
    ExitFlag = false;
}

void TKpInterpreterFunction::ReadVarSection(const TKpDeclare& add) {
    std::vector<AnsiString> names;
    for (;;) {
        names.clear();
        for (;;) {
            NextToken();
            if (TokenKind != ttIdentifier) RaiseExpected("Identifier");
            names.push_back(TokenText);
            NextToken();
            if (TokenKind != ttComma) break;
        }
        if (TokenKind != ttColon) RaiseExpected("':'");
        NextToken();
        const AnsiString typeName = VarToStr(TokenValue);
        TKpDataTypePtr dataType;
        ReadTypeSpec(dataType);
        for (const AnsiString& name : names) {
            Variant value;
            dataType->NewValue(value);
            add(CurrentUnitName, name, dataType, value, dataType->ValueType(), typeName);
        }
        NextToken();
        if (TokenKind != ttSemicolon) RaiseExpected("';'");
        NextToken();
        PushBackToken();
        if (TokenKind != ttIdentifier) return;
    }
}

void TKpInterpreterFunction::ReadConstSection(const TKpDeclare& add) {
    for (;;) {
        NextToken();
        if (TokenKind != ttIdentifier) RaiseExpected("Identifier");
        const AnsiString name = TokenText;
        NextToken();
        if (TokenKind != ttEqual) RaiseExpected("=");
        NextToken();
        Variant value;
        EvaluateExpression(value);
        add(CurrentUnitName, name, std::make_shared<TKpInterpreterSimpleDataType>(value.VarType()), value, 0,
            AnsiString());
        if (TokenKind != ttSemicolon) RaiseExpected("';'");
        NextToken();
        PushBackToken();
        if (TokenKind != ttIdentifier) return;
    }
}

void TKpInterpreterFunction::ReadTypeSpec(TKpDataTypePtr& dataType) {
    if (TokenKind == ttIdentifier) {
        const TKpInterpreterRecord* record = OwnAdapter().FindRecord(TokenText);
        if (!record && GlobalAdapter()) record = GlobalAdapter()->FindRecord(TokenText);
        if (record) dataType = std::make_shared<TKpInterpreterRecordDataType>(*record);
        else dataType = std::make_shared<TKpInterpreterSimpleDataType>(TypeCodeOfName(TokenText));
        return;
    }
    if (TokenKind != ttArray) RaiseExpected("Identifier");
    NextToken();
    std::array<int, MaxArrayDims> low{}, high{};
    int dimensions = 0;
    if (TokenKind == ttOpenBracket) {
        auto readBound = [this] {
            NextToken();
            bool negative = false;
            if (TokenKind == ttMinus) {
                negative = true;
                NextToken();
            }
            const int bound = StrToInt(TokenText);
            return negative ? -bound : bound;
        };
        for (;;) {
            const int from = readBound();
            NextToken();
            if (TokenKind != ttRange) RaiseExpected("'..'");
            const int to = readBound();
            if (to < from) RaiseScriptError(175, Position());
            if (dimensions == MaxArrayDims) RaiseScriptError(174, Position());
            low[std::size_t(dimensions)] = from;
            high[std::size_t(dimensions)] = to;
            ++dimensions;
            NextToken();
            if (TokenKind != ttComma) break;
        }
        if (TokenKind != ttCloseBracket) RaiseExpected("']'");
        NextToken();
        if (TokenKind != ttOf) RaiseExpected("'of'");
    } else if (TokenKind == ttOf) {
        dimensions = 1;
        high[0] = -1;
    } else {
        RaiseExpected("'[' or 'Of'");
    }
    NextToken();
    const TVarType elemType = TypeCodeOfName(TokenText);
    TKpDataTypePtr elemDataType;
    ReadTypeSpec(elemDataType);
    dataType = std::make_shared<TKpInterpreterArrayDataType>(dimensions, low, high, elemType, elemDataType);
}
