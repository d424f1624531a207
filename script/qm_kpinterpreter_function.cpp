// The statement interpreter: statements, blocks and the state stack.
#include "script/qm_kpinterpreter_function.h"

#include "platform/rtl/typinfo.h"
#include "script/qm_kpinterpreter_values.h"

bool TKpInterpreterFunction::IsStatementStart(int kind) {
    switch (kind) {
        case ttIdentifier:
        case ttBegin:
        case ttIf:
        case ttWhile:
        case ttRepeat:
        case ttFor:
        case ttBreak:
        case ttContinue:
        case ttTry:
        case ttRaise:
        case ttExit:
        case ttCase: return true;
        default: return false;
    }
}

TKpInterpreterFunction::TKpInterpreterFunction(TComponent* owner) : TKpInterpreterExpression(owner) {}

TKpInterpreterFunction::~TKpInterpreterFunction() = default;

void TKpInterpreterFunction::SaveState() {
    if (stateTop_ + 1 >= StateStackSize) RaiseScriptError1(2, -1, "");
    State& state = states_[std::size_t(++stateTop_)];
    state.Position = Position();
    state.TokenValue = TokenValue;
    state.TokenKind = TokenKind;
    state.TokenText = TokenText;
    state.PrevTokenKind = PrevTokenKind;
    state.PushedBack = PushedBack;
    state.AssignTargetAllowed = AssignTargetAllowed;
}

void TKpInterpreterFunction::RestoreState() {
    if (stateTop_ < 0) RaiseScriptError1(2, -1, "");
    const State& state = states_[std::size_t(stateTop_--)];
    SetPosition(state.Position);
    TokenValue = state.TokenValue;
    TokenKind = state.TokenKind;
    TokenText = state.TokenText;
    PrevTokenKind = state.PrevTokenKind;
    PushedBack = state.PushedBack;
    AssignTargetAllowed = state.AssignTargetAllowed;
}

void TKpInterpreterFunction::DiscardState() {
    if (stateTop_ >= 0) --stateTop_;
}

void TKpInterpreterFunction::RunStatement() {
    StatementHook();
    RunStatementAfterHook();
}

void TKpInterpreterFunction::RunStatementAfterHook() {
    switch (TokenKind) {
        case ttIdentifier:
            RunIdentifierStatement();
            RequireStatementEnd();
            return;
        case ttSemicolon:
        case ttEndKeyword:
        case ttElse: return;
        case ttBegin: RunBlock(); return;
        case ttIf: RunIf(); return;
        case ttWhile: RunWhile(); return;
        case ttRepeat: RunRepeat(); return;
        case ttFor: RunFor(); return;
        case ttCase: RunCase(); return;
        case ttTry: RunTry(); return;
        case ttRaise: RunRaise(); return;
        case ttBreak: BreakFlag = true; return;
        case ttContinue: ContinueFlag = true; return;
        case ttExit: ExitFlag = true; return;
        default: RaiseExpected("';'");
    }
}

void TKpInterpreterFunction::RunBlock() {
    NextToken();
    while (!Jumping()) {
        const int kind = TokenKind;
        if (IsStatementStart(kind)) {
            RunStatement();
        } else if (kind == ttSemicolon) {
            StatementHook();
            NextToken();
        } else if (kind == ttEndKeyword) {
            NextToken();
            return;
        } else if (kind == ttElse || kind == ttDo) {
            RaiseExpected("statement");
        } else {
            RaiseExpected("'end'");
        }
    }
}

void TKpInterpreterFunction::RunIdentifierStatement() {
    if (RunCompiledAssignment() || RunCompiledCall()) return;
    AnsiString name = TokenText;
    CurrentArgs().Reset();
    NextToken();
    if (TokenKind != ttColon) {
        PushBackToken();
        CurrentArgs().Assignment = false;
        TokenValue = name;
        EvaluateDesignator(Variant(), LastValue);
        name = VarToStr(TokenValue);
        NextToken();
        if (TokenKind != ttColon) return;
    }
    NextToken();
    if (TokenKind != ttEqual) RaiseExpected("'='");
    NextToken();
    TKpInterpreterArgs& args = CurrentArgs();
    if (AssignEventProperty(name, args)) return;

    {
        ScratchFrame rightHand(*this);
        rightHand->Assignment = true;
        ArgsScope scope(*this, *rightHand);
        EvaluateExpression(LastValue);
    }
    if (args.Indexed) {
        ScratchFrame fresh(*this);
        Variant target;
        if (GetValue(name, target, *fresh)) {
            if (!SetElement(target, LastValue, args)) RaiseScriptError(176, TokenStart());
            if ((target.VarType() == varString || VarIsArray(target)) && !SetValue(name, target, *fresh))
                RaiseScriptError1(104, TokenStart(), name);
            return;
        }
    }
    if (!SetValue(name, LastValue, args)) RaiseScriptError1(104, TokenStart(), name);
}

// `Button1.OnClick := Clicked;` binds the script routine to the event
// property in place of assigning a value.
bool TKpInterpreterFunction::AssignEventProperty(const AnsiString& name, TKpInterpreterArgs& args) {
    if (args.CallObjectType() != ObjectVarType() || TokenKind != ttIdentifier) return false;
    const AnsiString routine = TokenText;
    if (!OwnAdapter().FindScriptFunction(CurrentUnitName, routine) &&
        !(GlobalAdapter() && GlobalAdapter()->FindScriptFunction(CurrentUnitName, routine)))
        return false;
    SaveState();
    NextToken();
    const bool continuesExpression =
        (TokenKind >= ttIdentifier && TokenKind <= ttColon) || (TokenKind >= ttOpenBracket && TokenKind <= 59);
    TObject* object = VariantToObject(args.CallObject());
    if (!continuesExpression && object) {
        PPropInfo prop = GetPropInfo(object, name);
        if (prop && prop->Kind() == tkMethod) {
            TKpEventHandler handler =
                CreateEventHandler(CurrentUnitName, routine, prop->PropType()->Name, CurrentInstance);
            prop->Access().SetMethod(object, handler.Method);
            Handlers.push_back(std::move(handler.Handler));
            DiscardState();
            return true;
        }
        if (OwnAdapter().ClassHasEvent(object, name)) {
            if (!SetValue(name, Variant(routine), args)) RaiseScriptError1(104, TokenStart(), name);
            DiscardState();
            return true;
        }
    }
    RestoreState();
    return false;
}

TKpEventHandler TKpInterpreterFunction::CreateEventHandler(const AnsiString& unitName, const AnsiString& functionName,
                                                           const AnsiString& eventTypeName, TObject* instance) {
    TKpEventHandler handler = OwnAdapter().MakeEventHandler(this, instance, unitName, functionName, eventTypeName);
    if (!handler.Handler && GlobalAdapter())
        handler = GlobalAdapter()->MakeEventHandler(this, instance, unitName, functionName, eventTypeName);
    if (!handler.Handler) RaiseScriptError1(57, -1, eventTypeName);
    return handler;
}

void TKpInterpreterFunction::RunIf() {
    NextToken();
    Variant condition;
    EvaluateTyped(varBoolean, condition);
    if (TokenKind != ttThen) RaiseExpected("'then'");
    NextToken();
    if (condition.AsBoolean()) {
        RunStatement();
        if (TokenKind == ttElse) {
            NextToken();
            SkipStatement();
        }
    } else {
        SkipStatement();
        if (TokenKind == ttElse) {
            NextToken();
            RunStatement();
        }
    }
}

void TKpInterpreterFunction::RunWhile() {
    SaveState();
    const int loopStart = Position();
    try {
        for (;;) {
            NextToken();
            Variant condition;
            EvaluateExpression(condition);
            if (condition.VarType() != varBoolean) RaiseScriptError(105, loopStart);
            if (TokenKind != ttDo) RaiseExpected("'do'");
            NextToken();
            if (!condition.AsBoolean()) break;
            ClearLoopFlags();
            RunStatement();
            if (BreakFlag || ExitFlag) break;
            SetPosition(loopStart);
        }
    } catch (...) {
        RestoreState();
        throw;
    }
    RestoreState();
    SkipStatement();
    ClearLoopFlags();
}

void TKpInterpreterFunction::RunRepeat() {
    const int loopStart = Position();
    bool leftByJump = false;
    for (;;) {
        NextToken();
        const int kind = TokenKind;
        if (IsStatementStart(kind)) {
            ClearLoopFlags();
            RunStatement();
            if (BreakFlag || ExitFlag) {
                leftByJump = true;
                break;
            }
        } else if (kind == ttSemicolon) {
            StatementHook();
        } else if (kind == ttElse || kind == ttDo) {
            RaiseExpected("statement");
        } else if (kind == ttUntil) {
            NextToken();
            Variant condition;
            EvaluateExpression(condition);
            if (condition.VarType() != varBoolean) RaiseScriptError(105, Position());
            if (condition.AsBoolean()) break;
            SetPosition(loopStart);
        } else {
            RaiseExpected("'until'");
        }
    }
    if (leftByJump) {
        SkipRepeatBody();
        SkipSimple();
    }
    ClearLoopFlags();
}

void TKpInterpreterFunction::RunFor() {
    NextToken();
    if (TokenKind != ttIdentifier) RaiseExpected("Identifier");
    const AnsiString name = TokenText;
    NextToken();
    if (TokenKind != ttColon) RaiseExpected("':'");
    NextToken();
    if (TokenKind != ttEqual) RaiseExpected("'='");
    NextToken();
    Variant from, to;
    EvaluateTyped(varInteger, from);
    if (TokenKind != ttTo && TokenKind != ttDownto) RaiseExpected("'to' or 'downto'");
    const bool up = TokenKind == ttTo;
    NextToken();
    EvaluateTyped(varInteger, to);
    if (TokenKind != ttDo) RaiseExpected("'do'");
    const int bodyStart = Position();
    NextToken();
    // Whether the reader's value has been left as reading the body's first name made it.
    std::uint64_t nameValueWrites = TokenValue.Writes();
    TKpCompiledAssignment* compiledBody = TokenKind == ttIdentifier ? CompiledAssignmentHere() : nullptr;
    // A body that is one compiled call runs without being looked up again
    // while the compiled statements stay and the reader stands at its start.
    const int bodyFirstEnd = Position();
    TKpCompiledCall* compiledCall = !compiledBody && TokenKind == ttIdentifier && CompiledCallsRun()
                                        ? compiled_.CallAt(Position(), TokenText, tokenReader_)
                                        : nullptr;
    const std::uint64_t compiledGeneration = compiled_.Generation();
    const Int64 first = from.AsInteger(), last = to.AsInteger();
    const Int64 step = up ? 1 : -1;
    TKpLocalSlot counter(name);
    for (Int64 v = first; up ? v <= last : v >= last; v += step) {
        CurrentArgs().Reset();
        if (TKpInterpreterVar* local = FindLocal(counter)) {
            if (!StoreIntegerInPlace(*local, v)) StoreLocal(*local, Variant(Integer(v)));
        }
        else if (!SetValue(name, Variant(Integer(v)), CurrentArgs())) RaiseScriptError1(104, TokenStart(), name);
        ClearLoopFlags();
        StatementHook();
        if (compiled_.Generation() != compiledGeneration) {
            compiledBody = nullptr;
            compiledCall = nullptr;
        }
        if (!compiledBody || !RunCompiledLoopBody(*compiledBody)) {
            if (compiledCall && Position() == bodyFirstEnd && CompiledCallsRun()) {
                RunCall(*compiledCall, TokenValue.Writes() == nameValueWrites);
                RequireStatementEnd();
            } else {
                RunStatementAfterHook();
            }
            SetPosition(bodyStart);
            NextToken();
            nameValueWrites = TokenValue.Writes();
        }
        if (BreakFlag || ExitFlag) break;
    }
    SkipStatement();
    ClearLoopFlags();
}

void TKpInterpreterFunction::RunCase() {
    NextToken();
    Variant selector;
    EvaluateTyped(varInteger, selector);
    if (TokenKind != ttOf) RaiseExpected("'of'");
    const Integer value = selector.AsInteger();
    for (;;) {
        NextToken();
        if (TokenKind != ttIdentifier && TokenKind != ttInteger) break;
        bool matched = false;
        bool highEnd = false;
        Integer low = 0;
        for (;;) {
            Variant label;
            EvaluateTyped(varInteger, label);
            const Integer bound = label.AsInteger();
            if (!highEnd) low = bound;
            const bool rangeFollows = TokenKind == ttRange;
            if (!rangeFollows) matched = matched || (low <= value && value <= bound);
            highEnd = rangeFollows;
            if (TokenKind == ttRange || TokenKind == ttComma) {
                NextToken();
                continue;
            }
            break;
        }
        if (TokenKind != ttColon) RaiseExpected("':'");
        NextToken();
        if (matched) {
            RunStatement();
            SkipBlock();
            return;
        }
        SkipStatement();
    }
    if (TokenKind == ttEndKeyword) {
        NextToken();
        return;
    }
    if (TokenKind != ttElse) RaiseExpected("'end'");
    NextToken();
    RunStatement();
    SkipBlock();
}

void TKpInterpreterFunction::Reset() {
    TKpInterpreterExpression::Reset();
    ClearLoopFlags();
    frames_.clear();
    stateTop_ = -1;
    CurrentUnitName.clear();
    CurrentInstance = nullptr;
}

void TKpInterpreterFunction::Run() {
    Reset();
    NextToken();
    RunRoutine(nullptr);
}
