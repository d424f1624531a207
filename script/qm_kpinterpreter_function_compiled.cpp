// The statement interpreter's compiled statements: finding local
// variables by slot, running compiled assignments, loop bodies, calls and
// expressions, and leaving the reader, LastValue and the argument frame as
// the evaluator would at every point a host can see.
#include <optional>

#include "script/qm_kpinterpreter_function.h"
#include "script/qm_kpinterpreter_values.h"

void TKpInterpreterFunction::StoreLocal(TKpInterpreterVar& var, const Variant& value) {
    try {
        TKpInterpreterVarList::Store(var, value);
    } catch (std::exception& e) {
        NoteError(e, AnsiString());
        throw;
    }
}


TKpCompiledAssignment* TKpInterpreterFunction::CompiledAssignmentHere() {
    if (PushedBack) return nullptr;
    return compiled_.AssignmentAt(
        Position(), TokenText, tokenReader_, TokenValue);
}

// The target and the value of a compiled assignment; false when the
// evaluator has to run the statement instead.
bool TKpInterpreterFunction::EvaluateCompiled(TKpCompiledAssignment& assignment, TKpInterpreterVar*& target,
                                              Variant& value) {
    target = FindLocal(assignment.Target);
    TKpCompiledExpression& expression = assignment.Value;
    if (target && HasRoomFor(expression.StackUse, expression.NestingUse) &&
        expression.Evaluate(CurFrame()->Vars, value))
        return true;
    compiled_.NoteAssignmentFallback(Position());
    return false;
}

bool TKpInterpreterFunction::EvaluateCompiledExpression(Variant& value) {
    Frame* frame = CurFrame();
    if (PushedBack || !frame || !LocalsAnswerFirst()) return false;
    TKpCachedToken first;
    first.Text = TokenText;
    first.Kind = TokenKind;
    first.End = Position();
    if (IsOperandToken(TokenKind)) first.Value = TokenValue;
    TKpCompiledOperand* operand = compiled_.OperandAt(
        first, PrevTokenKind, tokenReader_, TokenValue);
    if (!operand) return false;
    TKpCompiledExpression& expression = operand->Value;
    if (!HasRoomFor(expression.StackUse, expression.NestingUse) || !expression.Evaluate(frame->Vars, value)) {
        compiled_.NoteOperandFallback(first.End);
        return false;
    }
    MoveReaderTo(expression.End);
    if (expression.ReadsNames) {
        TKpInterpreterArgs& args = CurrentArgs();
        args.Reset();
        args.ResultWanted = expression.LastResultWanted || args.Assignment;
    }
    return true;
}

// Leaves the reader, LastValue, the frame and the variable as running the
// statement through the evaluator would.
bool TKpInterpreterFunction::RunCompiledAssignment() {
    TKpCompiledAssignment* assignment = CompiledAssignmentHere();
    if (!assignment) return false;
    TKpInterpreterVar* target = nullptr;
    Variant value;
    if (!EvaluateCompiled(*assignment, target, value)) return false;
    CurrentArgs().Reset();
    MoveReaderTo(assignment->Value.End);
    LastValue = value;
    StoreLocal(*target, value);
    return true;
}

// A loop body that is one compiled assignment runs without moving the
// reader: the loop would read the body's first token again next, and only
// the kind of the token before it would differ. A store that needs a
// conversion (which may fail, and must fail where the evaluator reads)
// is left to the evaluator.
bool TKpInterpreterFunction::RunCompiledLoopBody(TKpCompiledAssignment& assignment) {
    TKpCompiledExpression& expression = assignment.Value;
    if (TKpInterpreterVar* target = FindLocal(assignment.Target);
        target && HasRoomFor(expression.StackUse, expression.NestingUse)) {
        if (Int64 number = 0; expression.EvaluateInteger(CurFrame()->Vars, number) &&
                              StoreIntegerInPlace(*target, number)) {
            CurrentArgs().Reset();
            AssignInteger(LastValue, number);
            PrevTokenKind = expression.End.Kind;
            return true;
        }
    }
    TKpInterpreterVar* target = nullptr;
    Variant value;
    if (!EvaluateCompiled(assignment, target, value) || !TKpInterpreterVarList::StoresAsIs(*target, value))
        return false;
    CurrentArgs().Reset();
    LastValue = value;
    TKpInterpreterVarList::Store(*target, value);
    PrevTokenKind = expression.End.Kind;
    return true;
}

// Runs a call statement as the evaluator's designator would: the same
// names resolved in the same order, with the reader, LastValue, the
// nesting count and the argument frame as they would be at each
// resolution. Arguments the compiled expressions cannot give are read by
// the evaluator where they stand.
bool TKpInterpreterFunction::RunCompiledCall() {
    if (!CompiledCallsRun()) return false;
    TKpCompiledCall* call = compiled_.CallAt(Position(), TokenText, tokenReader_);
    if (!call) return false;
    RunCall(*call, false);
    return true;
}

// Nothing a host sees happens between reading the member's name and
// reading on to the end of the statement, unless an error is reported at
// the name, so the reader goes to the name only then.
void TKpInterpreterFunction::RunCall(TKpCompiledCall& call, bool nameValueKept) {
    TKpInterpreterArgs& args = CurrentArgs();
    args.Reset();
    args.Assignment = false;
    // The token after the first name has no value of its own.
    if (nameValueKept) MoveReaderKeepingValue(call.AfterFirstName);
    else MoveReaderTo(call.AfterFirstName);
    NestingScope outer(*this);
    if (call.ObjectName.empty()) {
        CallCompiledName(call, Variant(), LastValue);
        return;
    }
    args.ResultWanted = true;
    if (!GetValueAt(call.ObjectSite, call.ObjectName, LastValue, args))
        RaiseScriptError1(104, TokenStart(), call.ObjectName);
    ResolveRecordType(LastValue);
    if (args.HasVarArgs) WriteBackVarArgs(args);
    args.EndCall();
    const TVarType type = LastValue.VarType();
    if (type != ObjectVarType() && type != ClassVarType() && type != RecordVarType() && type != varDispatch &&
        type != varUnknown) {
        MoveReaderTo(call.AtName);
        RaiseScriptError(109, TokenStart());
    }
    if (!HasRoomFor(0, 1)) MoveReaderTo(call.AtName);
    Variant member = Null();
    {
        NestingScope inner(*this);
        CallCompiledName(call, LastValue, member);
    }
    LastValue = std::move(member);
}

void TKpInterpreterFunction::CallCompiledName(TKpCompiledCall& call, const Variant& object, Variant& value) {
    TKpInterpreterArgs& args = CurrentArgs();
    args.Indexed = false;
    if (call.Parenthesised) ReadCompiledArguments(call);
    else args.ArgCount = 0;
    MoveReaderTo(call.End);
    args.SetCallObject(object);
    args.ResultWanted = args.Assignment;
    args.IndexedDone = false;
    if (!CallMemberGetter(call.NameSite, call.Name, value, args) && !GetValueAt(call.NameSite, call.Name, value, args))
        RaiseScriptError1(104, TokenStart(), call.Name);
    ResolveRecordType(value);
    if (args.HasVarArgs) WriteBackVarArgs(args);
    args.EndCall();
}

// A member of a host object whose look-up at this place found a registered
// getter, called as that look-up would call it when nothing before it in the
// chain can answer any more (the routine's variables answer only a script
// unit's members; each registry's finding is checked, and kept at the site
// with the getter it led to). False, having done nothing, when the whole
// look-up has to run.
bool TKpInterpreterFunction::CallMemberGetter(TKpNameSite& site, const AnsiString& name, Variant& value,
                                              TKpInterpreterArgs& args) {
    if (args.Indexed || args.CallObjectType() != ObjectVarType()) return false;
    const TObject* object = VariantToObject(args.CallObject());
    if (!object) return false;
    TKpInterpreterAdapter& own = OwnAdapter();
    TKpInterpreterAdapter* global = GlobalAdapter();
    if (own.HasGetHooks() || (global && global->HasGetHooks())) return false;
    const TClass cls = object->ClassType();
    TKpGetterCall& kept = site.GetterCall;
    if (!kept.Holds(cls, &own, global) && !FindMemberGetter(site, cls)) return false;
    try {
        kept.Registry->CallGetter(this, name, args, *kept.Getter, value);
    } catch (std::exception& e) {
        NoteError(e, AnsiString());
        throw;
    }
    return true;
}

bool TKpInterpreterFunction::FindMemberGetter(TKpNameSite& site, TClass cls) {
    if (cls->InheritsFrom(TKpInterpreterSrcUnit::StaticClass())) return false;
    const TKpInterpreterMethod* getter = nullptr;
    TKpInterpreterAdapter* registry = &OwnAdapter();
    const std::optional<bool> own = registry->MemberGetterAt(site.Own, cls, getter);
    if (!own) return false;
    if (!*own) {
        registry = GlobalAdapter();
        if (!registry || registry->MemberGetterAt(site.Global, cls, getter) != true) return false;
    }
    site.GetterCall = {RegistryGeneration(), cls, &OwnAdapter(), GlobalAdapter(), registry, getter};
    return true;
}

void TKpInterpreterFunction::ReadCompiledArguments(TKpCompiledCall& call) {
    TKpInterpreterArgs& fill = CurrentArgs();
    // The evaluator reads arguments with a fresh frame current; only an
    // argument it has to read sees one.
    std::optional<ScratchFrame> fresh;
    int count = 0;
    for (TKpCompiledArgument& argument : call.Arguments) {
        // Most arguments name no variable, and the name left there is often "" too.
        if (AnsiString& name = fill.VarArgNames[std::size_t(count)]; !name.empty() || !argument.VarName.empty())
            name = argument.VarName;
        Variant& value = fill.ArgValues[std::size_t(count)];
        TKpCompiledExpression& expression = argument.Value;
        if (!HasRoomFor(expression.StackUse, expression.NestingUse) || !expression.Evaluate(CurFrame()->Vars, value)) {
            if (!fresh) {
                fresh.emplace(*this);
                (*fresh)->Indexed = fill.Indexed;
            }
            MoveReaderTo(argument.Start);
            ArgsScope scope(*this, **fresh);
            (*fresh)->Reset();
            EvaluateExpression(value);
        }
        ++count;
    }
    fill.ArgCount = count;
}
