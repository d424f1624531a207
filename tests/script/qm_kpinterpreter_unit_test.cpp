#include "script/qm_kpinterpreter_unit.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/ui/forms.h"
#include "platform/ui/stdctrls_edit.h"
#include "script/qm_kpinterpreter_program.h"
#include "script/qm_kpinterpreter_values.h"
#include "script_host.h"
#include "script_test_helpers.h"
#include "platform/rtl/codepage.h"

namespace {

// A report object as the voucher script sees it: it publishes its lines as Memo.
class TVoucherMemo : public TComponent {
    SERVIORA_CLASS(TVoucherMemo, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TVoucherMemo(TComponent* owner) : TComponent(owner) {}
    TStrings* Memo() const { return memo_.get(); }
    void SetMemo(TStrings* value) { memo_->Assign(value); }

private:
    std::unique_ptr<TStringList> memo_ = std::make_unique<TStringList>();
};

void TVoucherMemo::Published(TPublished<TVoucherMemo>& p) { p.Property("Memo", &TVoucherMemo::Memo, &TVoucherMemo::SetMemo); }

TEST(ScriptUnits, TheVoucherScriptCopiesTheReceptionTexts) {
    ScriptTestHost::Get();
    const std::unique_ptr<TForm> jiedai(TForm::Create(nullptr, 0));
    jiedai->SetName("jiedai");
    auto* edit5 = new TEdit(jiedai.get());
    edit5->SetName("Edit5");
    edit5->SetParent(jiedai.get());
    edit5->SetText("张三 13800138000");
    auto* edit6 = new TEdit(jiedai.get());
    edit6->SetName("Edit6");
    edit6->SetParent(jiedai.get());
    edit6->SetText("屏幕不亮");
    TComponent page(nullptr);
    auto* memo1 = new TVoucherMemo(&page);
    memo1->SetName("Memo1");
    auto* memo31 = new TVoucherMemo(&page);
    memo31->SetName("Memo31");

    TKpInterpreterProgram program(nullptr);
    // Shaped like the report's resolver: its objects by name, then the
    // components of a form the script names.
    program.OnGetValue = [&](TObject*, const AnsiString& name, Variant& value, TKpInterpreterArgs& args, bool& done) {
        TComponent* found = nullptr;
        if (args.CallObjectType() == ObjectVarType()) {
            if (auto* owner = dynamic_cast<TComponent*>(VariantToObject(args.CallObject())))
                found = owner->FindComponent(name);
        } else if (SameText(name, "jiedai")) {
            found = jiedai.get();
        } else {
            found = page.FindComponent(name);
        }
        if (!found) return;
        value = ObjectToVariant(found);
        done = true;
    };
    TStringList lines;
    lines.SetText(
        "unit Report;\r\nprocedure Main;\r\nbegin\r\n  Memo1.Memo.Text := jiedai.Edit5.Text;\r\n"
        "  Memo31.Memo.Text := jiedai.Edit6.Text;\r\nend;\r\nend.");
    program.SetPas(&lines);
    program.Compile();
    EXPECT_TRUE(program.FunctionExists("Report", "Main"));
    program.Run();
    EXPECT_EQ(memo1->Memo()->Text(), "张三 13800138000\r\n");
    EXPECT_EQ(memo31->Memo()->Text(), "屏幕不亮\r\n");
}

class Units : public testing::Test {
protected:
    Units() {
        ScriptTestHost::Get();
        unit.OnGetUnitSource = [this](const AnsiString& name, AnsiString& source, bool& done) {
            const auto it = files.find(UpperCase(name));
            if (it == files.end()) return;
            source = it->second;
            done = true;
        };
    }
    std::vector<AnsiString> Run(const AnsiString& source) {
        ScriptTestHost::Get().Emitted.clear();
        unit.SetSource(source);
        unit.Run();
        return ScriptTestHost::Get().Emitted;
    }
    AnsiString ErrorOf(const AnsiString& source) {
        try {
            Run(source);
        } catch (const EKpInterpreterError& e) {
            return e.Message();
        }
        return "no error";
    }

    std::map<AnsiString, AnsiString> files;
    TKpInterpreterProgram unit{nullptr};
};

TEST_F(Units, MainUsesAndUnitVariables) {
    files["TOOLS"] = "unit Tools; var Counter: Integer; function Twice(n: Integer): Integer; begin Result := n * 2; end; "
                     "procedure main; begin Emit('tools main'); end; end.";
    EXPECT_EQ(Run("unit Report; uses Tools in 'tools.pas'; var Total: Integer;\r\n"
                  "procedure Main; begin Total := Twice(21); Emit(Total); Emit(Tools.Twice(2)); end; end."),
              (std::vector<AnsiString>{"42", "4"}));
    EXPECT_EQ(ErrorOf("unit Report; uses Missing; end."), "Error in unit 'Report' on line 1 : Unit 'Missing' not found");
    EXPECT_EQ(ErrorOf("unit Report; procedure Other; begin end; end."), "Function 'main' undefined");
}

TEST_F(Units, InterfaceHeadersAreNotRegistered) {
    Run("unit Report; interface procedure Main; implementation procedure Main; begin Emit('impl'); end; end.");
    EXPECT_EQ(ScriptTestHost::Get().Emitted, (std::vector<AnsiString>{"impl"}));
    Run("unit Report; procedure TForm1.Button1Click(Sender: TObject); begin Emit('clicked'); end; "
        "procedure Main; begin Button1Click(nil); end; end.");
    EXPECT_EQ(ScriptTestHost::Get().Emitted, (std::vector<AnsiString>{"clicked"}));
}

TEST_F(Units, ParametersResultsAndCalls) {
    const AnsiString source =
        "unit Report;\r\n"
        "procedure P(a, b: Integer; var c: string); begin c := c + IntText(a + b); a := 0; end;\r\n"
        "function IntText(n: Integer): string; begin Result := n; end;\r\n"
        "function Nothing: Integer; begin end;\r\n"
        "procedure Main; var x, y: Integer; s: string;\r\n"
        "begin x := 1; y := 2; s := 'v'; P(x, y, s); Emit(s); Emit(x); Emit(Nothing); end;\r\n"
        "end.";
    EXPECT_EQ(Run(source), (std::vector<AnsiString>{"v3", "1", "0"}));
    EXPECT_EQ(ErrorOf("unit Report; procedure P(a, b: Integer; var c: string); begin end;\r\n"
                      "procedure Main; begin P(1, 2); end; end."),
              "Error in unit 'Report' on line 2 : Not enough parameters");
    unit.SetSource(source);
    unit.Compile();
    EXPECT_EQ(unit.CallFunction("IntText", nullptr, {Variant(7)}).AsString(), "7");
    Variant result;
    unit.CallFunctionIn(nullptr, "Report", "Nothing", nullptr, {}, result);
    EXPECT_EQ(result.AsInteger(), 0);
}

TEST_F(Units, RecordsPassedByValueAreCopies) {
    EXPECT_EQ(Run("unit Report; type TPair = record A, B: Integer; Note: string; end;\r\n"
                  "procedure Change(p: TPair); begin p.A := 9; p.Note := 'changed'; end;\r\n"
                  "procedure ChangeVar(var p: TPair); begin p.A := 7; end;\r\n"
                  "procedure Main; var r, s: TPair;\r\n"
                  "begin r.A := 1; r.Note := 'kept'; Change(r); Emit(r.A); Emit(r.Note);\r\n"
                  "  s := r; s.A := 5; Emit(r.A); ChangeVar(r); Emit(r.A); end;\r\n"
                  "end."),
              (std::vector<AnsiString>{"1", "kept", "1", "7"}));
}

TEST_F(Units, LocatedMessagesCountLinesOfEitherEnding) {
    EXPECT_EQ(ErrorOf("unit Report;\r\nprocedure Main;\r\nbegin Undefined; end;\r\nend."),
              "Error in unit 'Report' on line 3 : Undeclared Identifier 'Undefined'");
    EXPECT_EQ(ErrorOf("unit Report;\nprocedure Main;\nbegin Undefined; end;\nend."),
              "Error in unit 'Report' on line 3 : Undeclared Identifier 'Undefined'");
}

TEST_F(Units, ExternalDeclarationsAndPrograms) {
    unit.SetSource("unit Report; function F: Integer; external 'lib.dll' name 'G'; "
                   "function H(a: Integer): Integer; external 'lib.dll' index 3; end.");
    unit.Compile();
    EXPECT_TRUE(unit.Compiled);
    EXPECT_EQ(ErrorCode([&] { unit.CallFunction("F", nullptr, {}); }), 104);

    EXPECT_EQ(Run("program Demo; var n: Integer; begin n := 5; Emit(n * 2); end."), (std::vector<AnsiString>{"10"}));
    EXPECT_EQ(ErrorOf(" program Demo; begin Emit(1); end."), "Expression expected but 'program' found");
}

TEST_F(Units, FunctionExistsLooksInAnyUnit) {
    files["OTHER"] = "unit Other; procedure Helper; begin end; end.";
    unit.SetSource("unit Report; uses Other; procedure Main; begin end; end.");
    unit.Compile();
    EXPECT_TRUE(unit.FunctionExists("Report", "Helper"));
    EXPECT_FALSE(unit.FunctionExists("Report", "Missing"));
}

}  // namespace
