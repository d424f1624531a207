// The try and raise statements. A script's exceptions are C++ exceptions:
// a raised exception object is thrown as its own class, any other object
// in a carrier; the exception a handler runs for stays alive for the whole
// except part, so E and a bare raise refer to it.
#include "platform/rtl/exceptions.h"
#include "script/qm_kpinterpreter_function.h"
#include "script/qm_kpinterpreter_values.h"

namespace {

// The exception in flight, with C++ runtime errors (bad_alloc...) turned
// into platform exceptions that carry their text.
std::exception_ptr CaptureException() {
    try {
        throw;
    } catch (const Exception&) {
        return std::current_exception();
    } catch (const std::exception& e) {
        return std::make_exception_ptr(Exception(e.what()));
    } catch (...) {
        return std::current_exception();
    }
}

}  // namespace

TObject* ExceptionObjectOf(const std::exception_ptr& error) {
    if (!error) return nullptr;
    try {
        std::rethrow_exception(error);
    } catch (Exception& e) {
        return &e;
    } catch (const TKpRaisedObject& raised) {
        return raised.Object.get();
    } catch (...) {
        return nullptr;
    }
}

void TKpInterpreterFunction::RunTry() {
    for (;;) {
        NextToken();
        if (TokenKind == ttFinally || TokenKind == ttExcept) {
            RunHandlerPart(nullptr);
            return;
        }
        if (TokenKind == ttSemicolon) {
            StatementHook();
            continue;
        }
        if (!IsStatementStart(TokenKind)) RaiseExpected("'finally'");
        std::exception_ptr error;
        const int states = stateTop_;
        try {
            RunStatement();
        } catch (...) {
            error = CaptureException();
            stateTop_ = states;
            AssignTargetAllowed = true;
            ClearLoopFlags();
            ExitFlag = false;
        }
        if (error || Jumping()) {
            SkipToHandlerPart();
            RunHandlerPart(error);
            return;
        }
    }
}

void TKpInterpreterFunction::SkipToHandlerPart() {
    for (;;) {
        if (TokenKind == ttEnd) RaiseExpected("'end'");
        if (TokenKind == ttFinally || TokenKind == ttExcept) return;
        if (TokenKind != ttSemicolon) SkipStatement();
        if (TokenKind == ttFinally || TokenKind == ttExcept) return;
        NextToken();
    }
}

void TKpInterpreterFunction::RunHandlerPart(const std::exception_ptr& error) {
    if (TokenKind == ttFinally) {
        RunFinallyPart();
        if (error) std::rethrow_exception(error);
        return;
    }
    if (!error) {
        SkipBlock();
        return;
    }
    RunExceptPart(error);
}

// A break, continue or exit pending when the finally part begins waits
// until the whole part has run.
void TKpInterpreterFunction::RunFinallyPart() {
    const bool breakPending = BreakFlag, continuePending = ContinueFlag, exitPending = ExitFlag;
    ClearLoopFlags();
    ExitFlag = false;
    RunBlock();
    if (Jumping()) {
        // The finally part left by a jump of its own: skip the rest of it.
        SkipBlock();
    }
    BreakFlag = BreakFlag || breakPending;
    ContinueFlag = ContinueFlag || continuePending;
    ExitFlag = ExitFlag || exitPending;
}

// The except part runs while its exception is the one being handled, so
// the host's ExceptObject sees it.
void TKpInterpreterFunction::RunExceptPart(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (...) {
        RunExceptHandlers(error);
    }
}

void TKpInterpreterFunction::RunExceptHandlers(const std::exception_ptr& error) {
    try {
        NextToken();
        if (TokenKind != ttOn) {
            PushBackToken();
            RunBlock();
            return;
        }
        if (RunOnClause(error)) return;
        for (;;) {
            NextToken();
            if (TokenKind == ttEndKeyword) std::rethrow_exception(error);
            if (TokenKind == ttElse) {
                NextToken();
                RunStatement();
                NextToken();
                if (TokenKind == ttSemicolon) NextToken();
                if (TokenKind != ttEndKeyword) RaiseExpected("'end'");
                NextToken();
                return;
            }
            if (TokenKind != ttOn) RaiseExpected("'end'");
            if (RunOnClause(error)) return;
        }
    } catch (const EKpInterpreterError& e) {
        // A bare raise hands the exception being handled on; any other
        // error of the except part replaces it.
        if (e.Code == 4) std::rethrow_exception(error);
        throw;
    }
}

bool TKpInterpreterFunction::RunOnClause(const std::exception_ptr& error) {
    NextToken();
    if (TokenKind != ttIdentifier) RaiseExpected("Identifier");
    AnsiString variable;
    AnsiString className = TokenText;
    NextToken();
    if (TokenKind == ttColon) {
        variable = className;
        NextToken();
        if (TokenKind != ttIdentifier) RaiseExpected("Identifier");
        className = TokenText;
        NextToken();
    }
    CurrentArgs().Reset();
    Variant cls;
    if (!GetValue(className, cls, CurrentArgs())) RaiseScriptError1(104, TokenStart(), className);
    if (cls.VarType() != ClassVarType()) RaiseScriptError(106, TokenStart());
    if (TokenKind != ttDo) RaiseExpected("'do'");
    TObject* object = ExceptionObjectOf(error);
    const bool matched = object && object->InheritsFrom(VariantToClass(cls));
    NextToken();
    if (!matched) {
        SkipStatement();
        return false;
    }
    TKpInterpreterVarList& vars = CurFrame()->Vars;
    vars.Declare(AnsiString(), variable, AnsiString(), 0, ObjectToVariant(object), true);
    try {
        RunStatement();
    } catch (...) {
        vars.Remove(AnsiString(), variable);
        throw;
    }
    vars.Remove(AnsiString(), variable);
    SkipBlock();
    return true;
}

void TKpInterpreterFunction::RunRaise() {
    NextToken();
    switch (TokenKind) {
        case ttEnd:
        case ttSemicolon:
        case ttBegin:
        case ttEndKeyword:
        case ttElse:
        case ttFinally:
        case ttExcept: RaiseScriptError(4, TokenStart());
        default: break;
    }
    if (TokenKind != ttIdentifier) RaiseScriptError(106, TokenStart());
    CurrentArgs().Reset();
    Variant raised;
    EvaluateDesignator(Variant(), raised);
    NextToken();
    if (raised.VarType() != ObjectVarType() || !VariantToObject(raised)) RaiseScriptError(106, TokenStart());
    TObject* object = VariantToObject(raised);
    if (auto* exception = dynamic_cast<Exception*>(object)) RaiseHeapException(exception);
    throw TKpRaisedObject{std::shared_ptr<TObject>(object)};
}
