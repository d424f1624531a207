// Compiled statements against the evaluator: each script runs in an
// interpreter that compiles and in one that never does (its locals do not
// answer first), and what a host can see must agree: the reader and
// LastValue at every statement, the output, the error and where it is.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/rtl/codepage.h"
#include "script/qm_kpinterpreter_function.h"
#include "script/qm_kpinterpreter_startup.h"
#include "script/qm_kpinterpreter_values.h"
#include "script_host.h"

namespace {

// A host object whose members note what they see of the interpreter.
class TProbe : public TObject {
    SERVIORA_CLASS(TProbe, TObject)
};

class TTracingInterpreter;
TTracingInterpreter* tracing = nullptr;
// Whether the statement hook also changes the reader's value (to text on
// one statement, a number on the next, nothing on the third).
bool hookChangesValue = false;
void NoteHostCall(const char* what, TKpInterpreterArgs& frame);

class TTracingInterpreter : public TKpInterpreterFunction {
public:
    explicit TTracingInterpreter(bool compiles) : TKpInterpreterFunction(nullptr), compiles_(compiles) {
        OnGetValue = [this](TObject*, const AnsiString& name, Variant& value, TKpInterpreterArgs& frame, bool& done) {
            if (name == "P") {
                value = ObjectToVariant(&probe_);
            } else if (name == "Free1") {
                value = 5;
            } else {
                return;
            }
            NoteHostCall(name.c_str(), frame);
            done = true;
        };
    }

    void StatementHook() override {
        Trace.push_back(Reader());
        if (!hookChangesValue) return;
        ++hookCalls_;
        if (hookCalls_ % 3 == 0) TokenValue = Variant("zz");
        else if (hookCalls_ % 3 == 1) TokenValue = Variant(9);
    }

    // Runs as if called from `depth` levels of nesting.
    void RunNested(int depth) {
        if (depth == 0) return Run();
        NestingScope level(*this);
        RunNested(depth - 1);
    }

    std::string Reader() {
        return std::to_string(Position()) + " " + std::to_string(TokenKind) + " " + std::to_string(PrevTokenKind) +
               " " + std::to_string(PushedBack) + " '" + TokenText + "' " + Text(TokenValue) + " = " +
               Text(LastValue) + " " + Frame(CurrentArgs());
    }

    std::vector<std::string> Trace;

    // What host callbacks see of an argument frame.
    static std::string Frame(TKpInterpreterArgs& args) {
        std::string text = std::to_string(args.ResultWanted) + std::to_string(args.Assignment) +
                           std::to_string(args.Indexed) + std::to_string(args.IndexedDone) +
                           std::to_string(args.HasVarArgs) + std::to_string(args.ArgCount) +
                           std::to_string(args.CallObjectType()) + std::to_string(args.DispatchTarget.VarType());
        for (int i = 0; i < args.ArgCount; ++i)
            text += " " + AnsiToUtf8(args.VarArgNames[std::size_t(i)]) + ":" + Text(args.ArgValues[std::size_t(i)]);
        return text;
    }

protected:
    bool LocalsAnswerFirst() const override { return compiles_; }

private:
    static std::string Text(const Variant& value) {
        try {
            return std::to_string(value.VarType()) + ":" + AnsiToUtf8(VarToStr(value));
        } catch (...) {
            return std::to_string(value.VarType());
        }
    }

    bool compiles_;
    int hookCalls_ = 0;
    TProbe probe_;
};

void NoteHostCall(const char* what, TKpInterpreterArgs& frame) {
    tracing->Trace.push_back(std::string(what) + " " + tracing->Reader() + " / " + TTracingInterpreter::Frame(frame));
}

void ProbeReload(Variant&, TKpInterpreterArgs& frame) {
    NoteHostCall("Reload", frame);
    tracing->SetSource(tracing->Source());
}

void ProbeLook(Variant& value, TKpInterpreterArgs& frame) {
    NoteHostCall("Look", frame);
    value = frame.ArgCount ? frame.ArgValues[0] : Variant(7);
}

void ProbeBump(Variant&, TKpInterpreterArgs& frame) {
    NoteHostCall("Bump", frame);
    frame.ArgValues[0] = frame.ArgValues[0].AsInteger() + 1;
}

// Gives the interpreter its own source again, which drops what it compiled.
void ProbeReload(Variant&, TKpInterpreterArgs& frame);

struct Outcome {
    std::vector<std::string> trace;
    std::vector<AnsiString> output;
    bool failed = false;
    int code = 0;
    int position = 0;
    AnsiString message;
    std::string reader;
};

Outcome RunScript(const char* script, bool compiles, int depth) {
    ScriptTestHost& host = ScriptTestHost::Get();
    host.Emitted.clear();
    static const bool registered = [] {
        GlobalInterpreterAdapter()->DefineGetter(TProbe::StaticClass(), "Look", ProbeLook, -1, {}, 0);
        GlobalInterpreterAdapter()->DefineGetter(TProbe::StaticClass(), "Bump", ProbeBump, 1,
                                                 {Word(varInteger | varParamFlag)}, 0);
        GlobalInterpreterAdapter()->DefineGetter(TProbe::StaticClass(), "Reload", ProbeReload, 0, {}, 0);
        return true;
    }();
    static_cast<void>(registered);
    TTracingInterpreter interpreter(compiles);
    tracing = &interpreter;
    interpreter.SetSource(script);
    Outcome outcome;
    try {
        interpreter.RunNested(depth);
    } catch (...) {
        outcome.failed = true;
        outcome.code = interpreter.LastError().Code;
        outcome.position = interpreter.LastError().Position;
        outcome.message = interpreter.LastError().Message();
    }
    outcome.trace = interpreter.Trace;
    outcome.output = host.Emitted;
    outcome.reader = interpreter.Reader();
    return outcome;
}

void ExpectSameOutcome(const char* script, int depth = 0) {
    SCOPED_TRACE(script);
    const Outcome compiled = RunScript(script, true, depth);
    const Outcome evaluated = RunScript(script, false, depth);
    EXPECT_EQ(compiled.trace, evaluated.trace);
    EXPECT_EQ(compiled.output, evaluated.output);
    EXPECT_EQ(compiled.failed, evaluated.failed);
    EXPECT_EQ(compiled.code, evaluated.code);
    EXPECT_EQ(compiled.position, evaluated.position);
    EXPECT_EQ(compiled.message, evaluated.message);
    EXPECT_EQ(compiled.reader, evaluated.reader);
}

TEST(CompiledStatements, LeaveEverythingAsTheEvaluatorDoes) {
    const char* scripts[] = {
        "var i, s: Integer; begin s := 0; for i := 1 to 50 do s := (s + i) mod 7; Emit(s); end;",
        "var i: Integer; s: string; begin s := ''; for i := 1 to 5 do s := s + 'x'; Emit(s); end;",
        "var i: Integer; x, v: Variant; d: Double; b: Byte;\n"
        "begin\n"
        "  x := 3; d := 0.5; b := 7;\n"
        "  for i := 1 to 4 do begin\n"
        "    x := -x + (x - 1) * 2 div 3; d := d * 2 + +i / 4; b := b + i;\n"
        "    v := not (x > 2) or (d <= 3) and True; Emit(x); Emit(d); Emit(b); Emit(v);\n"
        "  end;\n"
        "  while x > -10 do x := x - 3;\n"
        "  repeat x := x + 1; until x > 0;\n"
        "  if x = 1 then x := x * 10 else x := 0;\n"
        "  case x of 10: x := x + 1; else x := 0 end;\n"
        "  try x := x + 1; finally x := x * 2; end;\n"
        "  Emit(x);\n"
        "end;",
        "var i, x: Integer; begin for i := 2 downto 0 do x := 100 div i; end;",
        "var i, x: Integer; s: string; begin s := '1'; for i := 1 to 3 do begin x := s; s := s + 'a'; end; end;",
        "var i: Integer; x: Variant; begin x := 1; for i := 1 to 5 do x := x * 100000; Emit(x); end;",
        "var i, j: Integer; begin j := 0; for i := 1 to 3 do begin j := j + i; if j > 2 then break; end; "
        "Emit(j); end;",
        "var x: Integer; begin x := 1; x := x 2; end;",
        "var x: Integer; s: string;\n"
        "begin\n"
        "  x := 2; s := 'q';\n"
        "  P.Look; P.Look(); P.Look(1); P.Look(x, x + 1, s + 'a', -x); Free1; Free1(x, 2);\n"
        "  Emit(P.Look(3)); x := P.Look(4); Emit(x); P.Look(Free1); P.Look(x, Free1 + x);\n"
        "  P.Bump(x); Emit(x); P.Bump(x + 1); Emit(x);\n"
        "  P.Look(x)\n"
        "end;",
        "var x: Integer; begin x := 1; P.Look(x div 0); end;",
        "var x: Integer; begin x := 1; P.Nope(x); end;",
        "var x: Integer; begin x := 1; x.Look; end;",
        "begin Unknown(1, 2); end;",
        "var x: Integer; begin x := 1; P.Look(x) := 2; end;",
        "var x: Integer; begin x := 1; P.Look(x; end;",
        "var x, y: Integer; begin x := 1; y := 2; if x < y then Emit(x); while (x + y) < 9 do x := x + 1; "
        "if x = y then Emit(y); if y > x then Emit(x); Emit(x); end;",
        "const k = 3; var i, x: Integer; s: string;\n"
        "begin\n"
        "  s := 'abcdef'; x := 2;\n"
        "  for i := x - 1 to k + x do begin\n"
        "    Emit(Copy(s, i, x)); Emit(-i); Emit('it''s' + s);\n"
        "    case i mod k of 0: Emit(i); 1, 2: if -i < -x then Emit(x); end;\n"
        "  end;\n"
        "  repeat x := x * 2; until x > k * 4;\n"
        "  Emit(((((x)))));\n"
        "end;",
        "var x: Integer; begin x := (1 + ; end;",
        "var i, x: Integer; begin x := 1; for i := 1 to 3 do begin P.Look(x); Free1; P.Bump(x); Free1(i); end; "
        "Emit(x); end;",
    };
    for (const char* script : scripts) ExpectSameOutcome(script);
}

// Integers worked on plain numbers and stored in place leave the variables
// as the Variant operators would: an Int64 once a step overflows, a real
// once one is mixed in, conversions into narrower or other types, a
// divisor that becomes zero inside a bracketed right operand.
TEST(CompiledStatements, KeepIntegersAsTheVariantOperatorsDo) {
    const char* scripts[] = {
        "var i: Integer; x: Variant; begin x := 1; for i := 1 to 40 do x := x * 3 + (x - i) mod 7; Emit(x); end;",
        "var i, x: Integer; begin x := 2147483600; for i := 1 to 3 do x := x + 30; Emit(x); end;",
        "var i: Integer; v: Variant; begin v := 2147483600; for i := 1 to 3 do v := v + 30; Emit(v); end;",
        "var i: Integer; v: Variant; begin v := 5; for i := 1 to 4 do v := v - (i * 2 + 1) div (3 - i); "
        "Emit(v); end;",
        "var i: Integer; d: Double; begin d := 1; for i := 1 to 3 do d := d + i * 2; Emit(d); end;",
        "var i: Integer; b: Byte; begin b := 250; for i := 1 to 8 do b := b + i; Emit(b); end;",
        "var i: Integer; v: Variant; begin v := 'a'; for i := 1 to 3 do v := i * 2; Emit(v); end;",
        "var i: Integer; v: Variant; begin v := 1.5; for i := 1 to 3 do v := v + i; Emit(v); end;",
        "var b: Byte; x: Integer; begin x := 0; for b := 1 to 5 do x := x - b * (x + 1); Emit(x); end;",
        "var i, x: Integer; begin x := -2147483647; for i := 1 to 2 do x := -(x - 1); Emit(x); end;",
        "var i, x: Integer; begin x := 7; for i := 1 to 3 do x := not x + -(i - x) mod -1; Emit(x); end;",
    };
    for (const char* script : scripts) ExpectSameOutcome(script);
}

// Around the nesting limit the stack overflow comes where the evaluator's
// would, in arguments, assignments and calls on objects alike.
TEST(CompiledStatements, OverflowTheNestingWhereTheEvaluatorDoes) {
    for (int depth = TKpInterpreterExpression::MaxNesting - 6; depth <= TKpInterpreterExpression::MaxNesting; ++depth) {
        const std::string nested = std::string(std::size_t(depth), '(') + "x" + std::string(std::size_t(depth), ')');
        for (const char* statement : {"Emit(", "P.Look(", "x := ("}) {
            const std::string script =
                "var x: Integer; begin x := 1; " + std::string(statement) + nested + "); Emit(x); end;";
            ExpectSameOutcome(script.c_str());
        }
    }
}

// A loop body that is one call runs without being looked up again; the
// reader goes to a member's name only where an error is reported there.
TEST(CompiledStatements, RunLoopBodyCallsAsTheEvaluatorDoes) {
    const char* scripts[] = {
        "var i, x: Integer; begin x := 1; for i := 1 to 3 do P.Look(i, x + i); Emit(x); end;",
        "var i, x: Integer; begin x := 1; for i := 3 downto 1 do P.Bump(x); Emit(x); end;",
        "var i: Integer; begin for i := 1 to 2 do Free1(i); end;",
        "var i: Integer; begin for i := 1 to 2 do P.Look; end;",
        "var i: Integer; begin for i := 1 to 2 do P.Look(Free1 + i); end;",
        "var i, x: Integer; begin x := 1; for i := 1 to 2 do x.Look; end;",
        "var i: Integer; begin for i := 1 to 2 do P.Nope(i); end;",
        "var i: Integer; begin for i := 1 to 2 do P.Look(i) x; end;",
        "var i: Integer; begin for i := 1 to 3 do P.Reload; Emit(i); end;",
        "var i: Integer; begin for i := 1 to 2 do P.Look(3000000000, 2.5, 'a', True, 7); Emit(P.Look(-1)); end;",
    };
    for (const char* script : scripts) ExpectSameOutcome(script);
}

// A host that changes the reader's value in the statement hook finds it
// set again as the evaluator sets it before the call's names are resolved.
TEST(CompiledStatements, RunLoopBodyCallsAfterAHookChangedTheReader) {
    hookChangesValue = true;
    for (const char* script : {"var i: Integer; begin for i := 1 to 7 do P.Look(i); end;",
                               "var i: Integer; begin for i := 1 to 7 do P.Look; end;",
                               "var i: Integer; begin for i := 1 to 7 do Free1(i); end;"})
        ExpectSameOutcome(script);
    hookChangesValue = false;
}

// A call statement run from deep nesting overflows where the evaluator's does.
TEST(CompiledStatements, OverflowTheNestingOfCallsWhereTheEvaluatorDoes) {
    for (int depth = TKpInterpreterExpression::MaxNesting - 4; depth <= TKpInterpreterExpression::MaxNesting; ++depth)
        for (const char* script : {"var x: Integer; begin x := 1; P.Look(x); end;",
                                   "var i: Integer; begin for i := 1 to 2 do P.Look(i); end;"})
            ExpectSameOutcome(script, depth);
}

}  // namespace
