// What a registry keeps of its look-ups must give way to what is
// registered later: a free name the host answered, a member a class lacked.
// (Running resets the interpreter's own registry's host entries, so the
// late entries go into the global one, under names no other test uses.)
#include <gtest/gtest.h>

#include "script/qm_kpinterpreter_startup.h"
#include "script/qm_kpinterpreter_values.h"
#include "script_test_helpers.h"
#include "toy_classes.h"

namespace {

void DescribeLate(Variant& value, TKpInterpreterArgs&) { value = AnsiString("registered"); }
void NoteRegistered(Variant&, TKpInterpreterArgs& frame) {
    ScriptTestHost::Get().Emitted.push_back("registered " + frame.CallName);
}
void NoteOwn(Variant&, TKpInterpreterArgs& frame) { ScriptTestHost::Get().Emitted.push_back("own " + frame.CallName); }
void NoteDerived(Variant&, TKpInterpreterArgs& frame) {
    ScriptTestHost::Get().Emitted.push_back("derived " + frame.CallName);
}

class ResolveCache : public EmittingScripts {
protected:
    ResolveCache() {
        interpreter.OnGetValue = [this](TObject*, const AnsiString& name, Variant& value, TKpInterpreterArgs&,
                                        bool& done) {
            if (name == "Toy") value = ObjectToVariant(&toy);
            else if (name == "EitherToy") value = ObjectToVariant(++eitherCalls % 2 ? &toy : &baseToy);
            else if (name == "Hook") interpreter.OwnAdapter().AddGetHook(AnswerSiteTack);
            else if (name == "LateName" || name == "LateVariable" || name == "Portrait") value = AnsiString("host");
            else if (name == "Declare") interpreter.OwnAdapter().DefineScriptVariable("", "LateVariable", "", 0, 1);
            else if (name == "SiteTick" || name == "SiteLateTick") ScriptTestHost::Get().Emitted.push_back("host " + name);
            else if (name == "Register") RegisterTicksOnSecondCall();
            else if (name == "RegisterOwn") interpreter.OwnAdapter().DefineGetter(TToyBase::StaticClass(), "SiteTock",
                                                                               NoteOwn, 0, {}, 0);
            else return;
            done = true;
        };
    }

    void RegisterTicksOnSecondCall() {
        if (++registerCalls != 2) return;
        GlobalInterpreterAdapter()->DefineGetter(TToyBase::StaticClass(), "SiteTick", NoteRegistered, 0, {}, 0);
        GlobalInterpreterAdapter()->DefineFunction("", "SiteLateTick", NoteRegistered, 0, {}, 0);
    }

    static bool AnswerSiteTack(TKpInterpreterExpression*, const AnsiString& name, TKpInterpreterArgs&, Variant&) {
        if (name != "SiteTack") return false;
        ScriptTestHost::Get().Emitted.push_back("hook " + name);
        return true;
    }

    TToyDerived toy{nullptr};
    TToyBase baseToy{nullptr};
    int registerCalls = 0;
    int eitherCalls = 0;
};

TEST_F(ResolveCache, ANameRegisteredAfterALookUpAnswersFromThen) {
    const AnsiString script = "var i: Integer; begin for i := 1 to 2 do Emit(LateName); end;";
    EXPECT_EQ(Run(script), (std::vector<AnsiString>{"host", "host"}));
    GlobalInterpreterAdapter()->DefineConstant("", "LateName", AnsiString("constant"));
    EXPECT_EQ(Run(script), (std::vector<AnsiString>{"constant", "constant"}));
    // A script variable of the registry, declared while the script runs.
    EXPECT_EQ(Run("begin Emit(LateVariable); Declare; Emit(LateVariable); end;"),
              (std::vector<AnsiString>{"host", "1"}));
}

TEST_F(ResolveCache, AMemberRegisteredAfterALookUpAnswersFromThen) {
    const AnsiString script =
        "var i: Integer; begin for i := 1 to 2 do begin Emit(Toy.Portrait); Emit(Toy.Count); end; end;";
    EXPECT_EQ(Run(script), (std::vector<AnsiString>{"host", "0", "host", "0"}));
    GlobalInterpreterAdapter()->DefineGetter(TToyBase::StaticClass(), "Portrait", DescribeLate, 0, {}, varString);
    EXPECT_EQ(Run(script), (std::vector<AnsiString>{"registered", "0", "registered", "0"}));
}

// A call statement keeps where its names were found (it runs compiled
// from its second pass), yet what is registered between passes answers.
TEST_F(ResolveCache, ACallStatementFollowsWhatIsRegisteredWhileItRepeats) {
    EXPECT_EQ(Run("var i: Integer; begin for i := 1 to 3 do begin Toy.SiteTick; SiteLateTick; Register; end; end;"),
              (std::vector<AnsiString>{"host SiteTick", "host SiteLateTick", "host SiteTick", "host SiteLateTick",
                                       "registered SiteTick", "registered SiteLateTick"}));
}

// A member the global registry answered goes to the interpreter's own
// registry once that registers it, though the statement found it before.
TEST_F(ResolveCache, ACallStatementTakesAMemberRegisteredInFrontOfWhereItWasFound) {
    GlobalInterpreterAdapter()->DefineGetter(TToyBase::StaticClass(), "SiteTock", NoteRegistered, 0, {}, 0);
    EXPECT_EQ(Run("var i: Integer; begin for i := 1 to 3 do begin Toy.SiteTock; if i = 2 then RegisterOwn; end; end;"),
              (std::vector<AnsiString>{"registered SiteTock", "registered SiteTock", "own SiteTock"}));
}

// A call statement keeps the getter it ended at for one class of object
// only, and a hook added while it repeats answers before that getter.
TEST_F(ResolveCache, ACallStatementKeepsItsGetterForOneClassAndGivesWayToHooks) {
    GlobalInterpreterAdapter()->DefineGetter(TToyDerived::StaticClass(), "SiteTack", NoteDerived, 0, {}, 0);
    GlobalInterpreterAdapter()->DefineGetter(TToyBase::StaticClass(), "SiteTack", NoteRegistered, 0, {}, 0);
    EXPECT_EQ(Run("var i: Integer; begin for i := 1 to 3 do EitherToy.SiteTack; end;"),
              (std::vector<AnsiString>{"derived SiteTack", "registered SiteTack", "derived SiteTack"}));
    EXPECT_EQ(Run("var i: Integer; begin for i := 1 to 3 do begin Toy.SiteTack; if i = 2 then Hook; end; end;"),
              (std::vector<AnsiString>{"derived SiteTack", "derived SiteTack", "hook SiteTack"}));
}

}  // namespace
