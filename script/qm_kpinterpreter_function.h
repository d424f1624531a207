// TKpInterpreterFunction: the statement interpreter. Statements run while
// they are read from the source; a branch not taken is stepped over by the
// skipper, a loop jumps back to its start and reads its body again. Routine
// bodies run in frames of local variables, which answer names before the
// registries do.
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <vector>

#include "platform/rtl/valuerestorer.h"
#include "script/qm_kpinterpreter_compiled.h"
#include "script/qm_kpinterpreter_expression.h"
#include "script/qm_kpinterpreter_variables.h"

// An object a script raised that is no exception: it travels to the
// handlers of the script's try statements, which own and free it.
struct TKpRaisedObject {
    std::shared_ptr<TObject> Object;
};

class TKpInterpreterFunction : public TKpInterpreterExpression {
    SERVIORA_CLASS(TKpInterpreterFunction, TKpInterpreterExpression)
public:
    static constexpr int StateStackSize = 200;

    explicit TKpInterpreterFunction(TComponent* owner);
    ~TKpInterpreterFunction() override;

    void RunStatement();
    // RunStatement once StatementHook has been called.
    void RunStatementAfterHook();
    void RunBlock();

    void SkipStatement();
    void SkipBlock();
    void SkipUntilToken(int tokenKind);
    void SkipRepeatBody();
    void SkipSimple();

    void SaveState();
    void RestoreState();
    void DiscardState();

    // `desc` nullptr runs a nameless body.
    void EnterRoutine(const TKpInterpreterFunDesc* desc);
    void LeaveRoutine(bool normal);
    void RunRoutine(const TKpInterpreterFunDesc* desc);

    // Receives each declared name: unit, name, data type, first value, type code, type name.
    using TKpDeclare = std::function<void(const AnsiString& unit, const AnsiString& name,
                                          const TKpDataTypePtr& dataType, const Variant& value, TVarType typeCode,
                                          const AnsiString& typeName)>;
    void ReadVarSection(const TKpDeclare& add);
    void ReadConstSection(const TKpDeclare& add);
    void ReadTypeSpec(TKpDataTypePtr& dataType);

    // A handler of the event type that runs the script routine on
    // `instance`; 57 when no registry knows the event type.
    TKpEventHandler CreateEventHandler(const AnsiString& unitName, const AnsiString& functionName,
                                       const AnsiString& eventTypeName, TObject* instance);

    bool GetValue(const AnsiString& identifier, Variant& value, TKpInterpreterArgs& args) override;
    // GetValue for a name at a place of the script that keeps what it resolved to.
    bool GetValueAt(TKpNameSite& site, const AnsiString& identifier, Variant& value, TKpInterpreterArgs& args) {
        ValueRestorer<TKpNameSite*> offered(nameSite_, &site);
        return GetValue(identifier, value, args);
    }
    bool SetValue(const AnsiString& identifier, const Variant& value, TKpInterpreterArgs& args) override;
    void Reset() override;
    // Runs the source as a nameless body: [var and const sections] begin ... end;
    void Run() override;
    // Called before every statement.
    virtual void StatementHook() {}

    AnsiString CurrentUnitName;
    // The object a routine runs for (an event handler's instance).
    TObject* CurrentInstance = nullptr;
    bool BreakFlag = false;
    bool ContinueFlag = false;
    bool ExitFlag = false;
    // Handlers made by script assignments to event properties; they live
    // as long as the interpreter.
    std::vector<std::unique_ptr<TKpInterpreterEvent>> Handlers;

protected:
    struct Frame {
        TKpInterpreterVarList Vars;
        TKpNames ParamNames;
        const TKpInterpreterFunDesc* Desc = nullptr;
        TKpInterpreterArgs BodyArgs;
        TKpInterpreterArgs* CallerArgs = nullptr;
    };
    Frame* CurFrame() { return frames_.empty() ? nullptr : frames_.back().get(); }
    // True when a free name is looked up among the routine's variables
    // before anything else, so compiled statements may read and write them
    // directly; an override of GetValue must then answer through this
    // class's GetValue before anything of its own, which compiled calls
    // follow without asking it.
    virtual bool LocalsAnswerFirst() const { return true; }
    void SourceChanged() override { compiled_.Clear(); }
    bool EvaluateCompiledExpression(Variant& value) override;

private:
    struct State {
        int Position = 0;
        Variant TokenValue;
        int TokenKind = 0;
        AnsiString TokenText;
        int PrevTokenKind = 0;
        bool PushedBack = false;
        bool AssignTargetAllowed = true;
    };

    static bool IsStatementStart(int kind);
    void RunIdentifierStatement();
    // 103 unless the current token may end a statement.
    void RequireStatementEnd() {
        switch (TokenKind) {
            case ttSemicolon:
            case ttEndKeyword:
            case ttElse:
            case ttUntil:
            case ttFinally:
            case ttExcept: return;
            default: RaiseExpected("';'");
        }
    }
    bool RunCompiledAssignment();
    bool RunCompiledLoopBody(TKpCompiledAssignment& assignment);
    bool RunCompiledCall();
    // Whether the reader and the frame let a compiled call run.
    bool CompiledCallsRun() { return !PushedBack && CurFrame() && LocalsAnswerFirst(); }
    // `nameValueKept`: the reader's value is still the call's first name, as
    // reading it left it.
    void RunCall(TKpCompiledCall& call, bool nameValueKept);
    void CallCompiledName(TKpCompiledCall& call, const Variant& object, Variant& value);
    void ReadCompiledArguments(TKpCompiledCall& call);
    bool CallMemberGetter(TKpNameSite& site, const AnsiString& name, Variant& value, TKpInterpreterArgs& args);
    // Keeps at the site the getter a member call of an object of the class
    // ends at; false when the whole look-up has to run.
    bool FindMemberGetter(TKpNameSite& site, TClass cls);
    // The compiled assignment starting at the current token, or nullptr.
    TKpCompiledAssignment* CompiledAssignmentHere();
    bool EvaluateCompiled(TKpCompiledAssignment& assignment, TKpInterpreterVar*& target, Variant& value);
    void MoveReaderTo(const TKpTokenState& state) {
        MoveReaderKeepingValue(state);
        TokenValue = state.Value;
    }
    // MoveReaderTo where the reader's value is the state's already.
    void MoveReaderKeepingValue(const TKpTokenState& state) {
        SetPosition(state.Position);
        TokenKind = state.Kind;
        PrevTokenKind = state.PrevKind;
        TokenText = state.Text;
    }
    // The local variable found for `name` in the current frame, or nullptr
    // when names are not looked up there first.
    TKpInterpreterVar* FindLocal(TKpLocalSlot& slot) {
        Frame* frame = CurFrame();
        return frame && LocalsAnswerFirst() ? slot.Resolve(frame->Vars) : nullptr;
    }
    // Stores as SetValue does into a local variable.
    void StoreLocal(TKpInterpreterVar& var, const Variant& value);
    bool AssignEventProperty(const AnsiString& name, TKpInterpreterArgs& args);
    void RunIf();
    void RunWhile();
    void RunRepeat();
    void RunFor();
    void RunCase();
    void RunTry();
    void RunHandlerPart(const std::exception_ptr& error);
    void RunFinallyPart();
    void RunExceptPart(const std::exception_ptr& error);
    void RunExceptHandlers(const std::exception_ptr& error);
    bool RunOnClause(const std::exception_ptr& error);
    void SkipToHandlerPart();
    void RunRaise();
    void ClearLoopFlags() { BreakFlag = ContinueFlag = false; }
    bool Jumping() const { return BreakFlag || ContinueFlag || ExitFlag; }

    std::vector<std::unique_ptr<Frame>> frames_;
    TKpCompiledStatements compiled_;
    // Reads tokens for the compilers without moving the reader.
    const TKpTokenReader tokenReader_{[this](int at, TKpCachedToken& token) { TokenAt(at, token); }};
    std::array<State, StateStackSize> states_;
    int stateTop_ = -1;
};

// The object an exception captured by a script's try statement stands
// for: the exception itself, or the object a script raised.
TObject* ExceptionObjectOf(const std::exception_ptr& error);
