// TKpInterpreterExpression: the root of the interpreter chain. It reads
// tokens with one-token push-back, evaluates expressions by operator
// priority on a value stack of 200 entries, resolves designators
// (identifiers with arguments, indexes and dotted members) through its own
// registry, the global one and the host's events, and runs a source that
// is one bare expression. The statement interpreter and the units extend
// the resolution chain by overriding GetValue and SetValue.
#pragma once

#include <array>
#include <memory>
#include <utility>

#include "platform/rtl/events.h"
#include "script/qm_kpcomponent.h"
#include "script/qm_kpinterpreter_adapter.h"
#include "script/qm_kpinterpreter_tokencache.h"
#include "script/qm_kpinterpreter_tokenvalue.h"
#include "script/qm_kpinterpreter_values.h"
#include "script/qm_kpinterpreterconst.h"
#include "script/qm_kpinterpreterparser.h"

// The host's last resort for names no registry knows; Done says it answered.
using TKpInterpreterGetValue =
    TEvent<void(TObject* Sender, const AnsiString& Identifier, Variant& Value, TKpInterpreterArgs& Args, bool& Done)>;
using TKpInterpreterSetValue = TEvent<void(TObject* Sender, const AnsiString& Identifier, const Variant& Value,
                                           TKpInterpreterArgs& Args, bool& Done)>;

struct TKpNameSite;

class TKpInterpreterExpression : public TKpComponent {
    SERVIORA_CLASS(TKpInterpreterExpression, TKpComponent)
public:
    static constexpr int ValueStackSize = 200;
    // Nested parentheses, operands and routine calls the interpreter follows
    // before it reports a stack overflow (52) rather than exhaust the C++ stack.
    static constexpr int MaxNesting = 400;

    explicit TKpInterpreterExpression(TComponent* owner);
    ~TKpInterpreterExpression() override;

    const AnsiString& Source() const { return parser_.Source(); }
    void SetSource(const AnsiString& source);
    int Position() const { return parser_.Position(); }
    void SetPosition(int position) {
        parser_.SetPosition(position);
        PushedBack = false;
    }
    // Where the current token begins; most errors are reported there.
    int TokenStart() const { return Position() - int(TokenText.size()); }

    void NextToken();
    void PushBackToken();
    [[noreturn]] void RaiseExpected(const AnsiString& expected);

    void EvaluateExpression(Variant& value);
    // 108 (integer), 105 (Boolean) or 1 when the value's type is not exactly `type`.
    void EvaluateTyped(TVarType type, Variant& value);
    // The identifier at the current token, called on `object` (Empty for a
    // first identifier), with its arguments, indexes and dotted members.
    void EvaluateDesignator(const Variant& object, Variant& value);

    virtual bool GetValue(const AnsiString& identifier, Variant& value, TKpInterpreterArgs& args);
    virtual bool SetValue(const AnsiString& identifier, const Variant& value, TKpInterpreterArgs& args);
    virtual bool GetElement(const Variant& container, Variant& value, TKpInterpreterArgs& args);
    virtual bool SetElement(Variant& container, const Variant& value, TKpInterpreterArgs& args);

    // Calls a script routine by name for the host; the units implement it.
    virtual void CallFunctionIn(TObject* instance, const AnsiString& unitName, const AnsiString& functionName,
                                TKpInterpreterArgs* args, const std::vector<Variant>& params, Variant& result);

    virtual void Reset();
    // Evaluates the source as one expression into LastValue.
    virtual void Run();
    // Locates an interpreter error in place and keeps what is known of any
    // failure in LastError; the caller raises it again.
    void NoteError(std::exception& error, const AnsiString& unitName);

    TKpInterpreterArgs& OwnArgs() { return ownArgs_; }
    TKpInterpreterArgs& CurrentArgs() { return *currentArgs_; }
    TKpInterpreterAdapter& OwnAdapter() { return ownAdapter_ ? *ownAdapter_ : CreateOwnAdapterNow(); }
    TKpInterpreterAdapter* GlobalAdapter() const { return globalAdapter_; }
    // Gives a record value made by the host its type from the interpreter's
    // registry or the global one; error 31 "Unknown RecordType" when
    // neither knows it. Other values pass.
    void ResolveRecordType(const Variant& value) {
        if (value.VarType() == RecordVarType()) ResolveHostRecordType(value);
    }
    EKpInterpreterError& LastError() { return lastError_; }

    Variant LastValue;
    TKpTokenValue TokenValue;
    bool PushedBack = false;
    int TokenKind = ttEnd;
    AnsiString TokenText;
    int PrevTokenKind = ttEnd;
    bool AssignTargetAllowed = true;
    bool Compiled = false;
    TKpInterpreterGetValue OnGetValue;
    TKpInterpreterSetValue OnSetValue;

protected:
    virtual std::unique_ptr<TKpInterpreterAdapter> CreateOwnAdapter();
    virtual void SourceChanged() {}
    // An expression at the reader evaluated without reading it, leaving the
    // reader where the evaluator would; false when the evaluator must run.
    virtual bool EvaluateCompiledExpression(Variant&) { return false; }

    // Puts another frame in as CurrentArgs for its lifetime.
    class ArgsScope {
    public:
        ArgsScope(TKpInterpreterExpression& interpreter, TKpInterpreterArgs& frame)
            : interpreter_(interpreter), previous_(interpreter.currentArgs_) {
            interpreter.currentArgs_ = &frame;
        }
        ~ArgsScope() { interpreter_.currentArgs_ = previous_; }
        ArgsScope(const ArgsScope&) = delete;
        ArgsScope& operator=(const ArgsScope&) = delete;

    private:
        TKpInterpreterExpression& interpreter_;
        TKpInterpreterArgs* previous_;
    };

    // A new frame for the life of a scope, taken from the interpreter's
    // spare frames (so a call does not build its 33 values anew) and
    // cleared when it goes back.
    class ScratchFrame {
    public:
        explicit ScratchFrame(TKpInterpreterExpression& interpreter);
        ~ScratchFrame();
        ScratchFrame(const ScratchFrame&) = delete;
        ScratchFrame& operator=(const ScratchFrame&) = delete;
        TKpInterpreterArgs& operator*() const { return *frame_; }
        TKpInterpreterArgs* operator->() const { return frame_.get(); }

    private:
        TKpInterpreterExpression& interpreter_;
        std::unique_ptr<TKpInterpreterArgs> frame_;
    };

    // Counts one level of nesting; 52 beyond MaxNesting.
    class NestingScope {
    public:
        explicit NestingScope(TKpInterpreterExpression& interpreter) : interpreter_(interpreter) {
            if (++interpreter.nesting_ > MaxNesting) interpreter.RaiseNestingOverflow();
        }
        ~NestingScope() { --interpreter_.nesting_; }
        NestingScope(const NestingScope&) = delete;
        NestingScope& operator=(const NestingScope&) = delete;

    private:
        TKpInterpreterExpression& interpreter_;
    };

    // Installs `args` as CurrentArgs and answers the frame it replaces.
    TKpInterpreterArgs* ReplaceCurrentArgs(TKpInterpreterArgs* args) { return std::exchange(currentArgs_, args); }

    // Writes the values of var arguments back into the variables named by
    // the script, after a call that has them.
    void WriteBackVarArgs(TKpInterpreterArgs& args);
    // The platform's conversion errors become 53 at the reading position;
    // other errors pass.
    template <class Action>
    void MappingConversionErrors(Action action);

    // The token at a position, read without moving the reader.
    void TokenAt(int position, TKpCachedToken& token);
    // Whether the value stack and the nesting count have room for so much more.
    bool HasRoomFor(int stackUse, int nestingUse) const {
        return stackTop_ + stackUse < ValueStackSize && nesting_ + nestingUse <= MaxNesting;
    }

    TKpInterpreterParser parser_;
    // Where the name GetValue is asked for next stands in the script
    // (nullptr: a place that keeps nothing); taken by the registries' look-up.
    TKpNameSite* nameSite_ = nullptr;

private:
    TKpInterpreterAdapter& CreateOwnAdapterNow();
    // 52, once the count that went past MaxNesting is taken back.
    [[noreturn]] void RaiseNestingOverflow();
    // Reads the token at the reading position that is not in the cache yet.
    const TKpCachedToken& ReadNewToken(int start);
    void ResolveHostRecordType(const Variant& record);
    const TKpCachedToken& ReadToken();
    void EvaluateLevel(int context, Variant& result);
    void EvaluateBinary(int op, Variant& result);
    void ReadSetConstructor(Variant& result);
    void ReadArguments();
    void ReadValueList(Variant& result);
    void Push(const Variant& value);
    Variant Pop();

    TKpTokenCache tokenCache_;
    std::array<Variant, ValueStackSize> valueStack_;
    int stackTop_ = -1;
    int nesting_ = 0;
    std::vector<std::unique_ptr<TKpInterpreterArgs>> spareFrames_;
    TKpInterpreterArgs ownArgs_;
    TKpInterpreterArgs* currentArgs_ = &ownArgs_;
    std::unique_ptr<TKpInterpreterAdapter> ownAdapter_;
    TKpInterpreterAdapter* globalAdapter_;
    EKpInterpreterError lastError_;
};

template <class Action>
void TKpInterpreterExpression::MappingConversionErrors(Action action) {
    try {
        action();
    } catch (const EVariantError&) {
        RaiseScriptError(53, Position());
    }
}
