#include "script/qm_kpinterpreter_function.h"

#include <gtest/gtest.h>

#include "script/qm_kpinterpreter_startup.h"
#include "script/qm_kpinterpreter_values.h"
#include "script_host.h"
#include "toy_classes.h"

namespace {

class Statements : public testing::Test {
protected:
    Statements() {
        ScriptTestHost::Get();
        static const bool registered = [] {
            GlobalInterpreterAdapter()->DefineEventType("Toys", "TToyClickEvent", TToyEvents::StaticClass(),
                                                        &TToyEvents::NotifyEvent);
            return true;
        }();
        static_cast<void>(registered);
        // The host knows "Toy" as its report's resolver knows its objects.
        interpreter.OnGetValue = [this](TObject*, const AnsiString& name, Variant& value, TKpInterpreterArgs&,
                                        bool& done) {
            if (name != "Toy") return;
            value = ObjectToVariant(&toy);
            done = true;
        };
    }

    void Run(const AnsiString& source) {
        interpreter.SetSource(source);
        interpreter.Run();
    }

    TKpInterpreterFunction interpreter{nullptr};
    TToyBase toy{nullptr};
};

TEST_F(Statements, AScriptRaisedExceptionReachesTheHostAsItsClass) {
    try {
        Run("begin raise EConvertError.Create('bad value'); end;");
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "bad value");
    }
    try {
        Run("begin try raise Exception.Create('plain'); except on E: EConvertError do Toy.Count := 1; end; end;");
        ADD_FAILURE();
    } catch (const EConvertError&) {
        ADD_FAILURE() << "the class changed";
    } catch (const Exception& e) {
        EXPECT_EQ(e.ClassType(), Exception::StaticClass());
        EXPECT_EQ(e.Message(), "plain");
    }
}

TEST_F(Statements, ObjectsOtherThanExceptionsTravelInACarrier) {
    interpreter.OnGetValue = [](TObject*, const AnsiString& name, Variant& value, TKpInterpreterArgs&, bool& done) {
        if (name != "NewToy") return;
        value = ObjectToVariant(new TToyDerived(nullptr));
        done = true;
    };
    try {
        Run("begin raise NewToy; end;");
        ADD_FAILURE();
    } catch (const TKpRaisedObject& raised) {
        EXPECT_EQ(raised.Object->ClassType(), TToyDerived::StaticClass());
    }
}

TEST_F(Statements, AssigningAScriptRoutineToAnEventPropertyBindsIt) {
    interpreter.OwnAdapter().DefineScriptFunction("", "Clicked", 0, 0, 1, {ObjectVarType()}, {"Sender"}, 0, nullptr);
    Run("begin Toy.OnClick := Clicked; end;");
    ASSERT_EQ(interpreter.Handlers.size(), 1u);
    auto* handler = static_cast<TToyEvents*>(interpreter.Handlers[0].get());
    EXPECT_EQ(handler->ScriptProc, "Clicked");
    toy.OnClick()(&toy);
    EXPECT_EQ(handler->Calls, 1);
    EXPECT_EQ(handler->LastSender, &toy);

    try {
        Run("begin Toy.OnChange := Clicked; end;");
        ADD_FAILURE();
    } catch (const EKpInterpreterError& e) {
        EXPECT_EQ(e.Code, 57);
        EXPECT_EQ(e.Message(), "Event 'TChangeEvent' not registered");
    }
}

TEST_F(Statements, PublishedPropertiesOfHostObjects) {
    toy.SetCaption("旧");
    Run("begin Toy.Caption := Toy.Caption + '新'; Toy.Count := Toy.Count + 2; Toy.Active := not Toy.Active; end;");
    EXPECT_EQ(toy.Caption(), "旧新");
    EXPECT_EQ(toy.Count(), 2);
    EXPECT_TRUE(toy.Active());
}

TEST_F(Statements, ResultOfANamelessBody) {
    Run("var n: Integer; begin n := 6; Result := n * 7; end;");
    EXPECT_EQ(interpreter.LastValue.AsInteger(), 42);
}

TEST_F(Statements, ExpressionsRunOnTheirOwn) {
    TKpInterpreterExpression expression(nullptr);
    expression.SetSource("(1 + 2) * 'x'");
    EXPECT_THROW(expression.Run(), EKpInterpreterError);
    EXPECT_EQ(expression.LastError().Code, -1);
    expression.SetSource("1.5 * 2");
    expression.Run();
    EXPECT_EQ(expression.LastValue.AsDouble(), 3.0);
}

}  // namespace
