// The report's script in a build: compiled and run in the first pass only,
// its errors reported with code and position, one-line scripts left alone,
// and object events bound before or after the main block.
#include <gtest/gtest.h>

#include "build_fixtures.h"
#include "platform/rtl/stringlist.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/modalresponder.h"
#include "report/core/qm_dictionary.h"
#include "report/core/qm_stdfunctions.h"
#include "script/qm_kpinterpreter_fm.h"
#include "support/temp_dir.h"

#include <fstream>

namespace {

class ScriptBuild : public testing::Test, public BuildFixture {
protected:
    ScriptBuild() {
        AddBand<TQmBandReportTitle>(0, 10);
        AddText(0, "[Shown]")->SetName("Memo1");
        report->Variables()->SetVariable("Shown", "template");
    }
    // A unit "Report" whose main block holds `body`, after `declarations`.
    void SetScript(const AnsiString& declarations, const AnsiString& body) {
        report->Script()->SetText("unit Report;\r\n\r\ninterface\r\n\r\nimplementation\r\n\r\n" + declarations +
                                  "procedure Main;\r\nbegin\r\n" + body + "\r\nend;\r\n\r\nend.\r\n");
    }
};

TEST_F(ScriptBuild, TheMainBlockRunsOnceInTheFirstPass) {
    report->DoublePass = true;
    report->Dictionary()->Variables()->SetVariable("Runs", 0);
    SetScript("", "Runs := Runs + 1;\r\nMemo1.Memo.Text := 'from the script';");
    ASSERT_TRUE(report->BuildPreparedPages()) << report->ErrorText;
    EXPECT_EQ(Lines(0), std::vector<AnsiString>{"from the script"});
    EXPECT_EQ(VarToStr(report->Dictionary()->Variables()->GetVariable("Runs")), "0")
        << "the dictionary is the template's again";
    EXPECT_EQ(report->FindObject("Memo1")->Memo->Strings(0), "[Shown]");
}

TEST_F(ScriptBuild, AScriptErrorIsShownWithCodeMessageAndPositionAndStopsTheBuild) {
    report->DoublePass = true;
    report->ShowErrorBox = true;
    SetScript("", "NoSuchThing := 1;");
    int progress = 0;
    report->OnProgress = TQmProgressEvent([&](Integer) { ++progress; });
    ResetModalResponder();
    PushModalAnswer({IDOK});
    EXPECT_FALSE(report->BuildPreparedPages());
    EXPECT_EQ(PageCount(), 0);
    EXPECT_EQ(progress, 0) << "neither pass built a page";
    ASSERT_EQ(ModalQuestions().size(), 1u);
    const AnsiString text = ModalQuestions()[0].text;
    EXPECT_TRUE(text.starts_with("Script Error:\r\n104: ")) << text;
    EXPECT_NE(text.find("NoSuchThing"), AnsiString::npos) << text;
    EXPECT_NE(text.find("\r\nat Postion:"), AnsiString::npos) << text;
}

TEST_F(ScriptBuild, AOneLineScriptIsNeitherCompiledNorRun) {
    report->Script()->SetText("this is not a script");
    ASSERT_TRUE(report->BuildPreparedPages()) << report->ErrorText;
    EXPECT_EQ(Lines(0), std::vector<AnsiString>{"template"});
}

// The main block asks the application (through an unknown function) whether
// the memo's bound event is in place yet.
TEST_F(ScriptBuild, EventsAreBoundBeforeTheMainBlockUnlessItCreatesObjects) {
    report->FindObject("Memo1")->GetEventBindings()->SetVariable("OnBeforePrint", "MemoBefore");
    const AnsiString handler = "procedure MemoBefore(Sender: TObject);\r\nbegin\r\nend;\r\n\r\n";
    std::vector<bool> boundAtMain;
    report->OnUserFunction = TQmFunctionEvent(
        [&](const AnsiString& name, const std::vector<Variant>&, Variant& value, bool& found) {
            if (!AnsiSameText(name, "Probe")) return;
            auto* memo = dynamic_cast<TQmReportView*>(report->FindObject("Memo1"));
            boundAtMain.push_back(static_cast<bool>(memo->OnBeforePrint()));
            value = 0;
            found = true;
        });
    SetScript(handler, "Probe;");
    ASSERT_TRUE(report->BuildPreparedPages()) << report->ErrorText;
    SetScript(handler, "Probe;\r\n// Memo1.OnBeforeCreateObjects");
    ASSERT_TRUE(report->BuildPreparedPages()) << report->ErrorText;
    EXPECT_EQ(boundAtMain, (std::vector<bool>{true, false}));
}

TEST_F(ScriptBuild, APageBindsOnlyProceduresTheScriptHasAndRebindsFromScratch) {
    auto* memo = dynamic_cast<TQmReportView*>(report->FindObject("Memo1"));
    memo->GetEventBindings()->SetVariable("OnBeforePrint", "NoSuchProcedure");
    SetScript("procedure MemoBefore(Sender: TObject);\r\nbegin\r\nend;\r\n\r\n", "");
    report->Interpreter()->SetPas(report->Script());
    report->Interpreter()->Compile();
    TQmCustomPage* page = report->Pages()->GetPage(0);
    page->BindScriptEvents();
    EXPECT_FALSE(memo->OnBeforePrint()) << "a missing procedure leaves the event unbound";
    memo->GetEventBindings()->SetVariable("OnBeforePrint", "MemoBefore");
    page->BindScriptEvents();
    EXPECT_TRUE(memo->OnBeforePrint());
    page->BindScriptEvents();
    EXPECT_TRUE(memo->OnBeforePrint()) << "bound again after the old handlers went";
    page->Clear();
    EXPECT_EQ(page->ObjectCount(), 0);
}

TEST_F(ScriptBuild, UnitsTheScriptUsesComeFromTheProgramFolder) {
    TempDir folder;
    std::ofstream(folder.file("Helper.pas"))
        << "unit Helper;\r\n\r\ninterface\r\n\r\nfunction Greeting: string;\r\n\r\nimplementation\r\n\r\n"
           "function Greeting: string;\r\nbegin\r\n  Result := 'from Helper';\r\nend;\r\n\r\nend.\r\n";
    const AnsiString programFolder = QmApplicationPath();
    QmApplicationPath() = folder.path();
    report->Script()->SetText("unit Report;\r\n\r\ninterface\r\n\r\nimplementation\r\n\r\nuses Helper;\r\n\r\n"
                              "procedure Main;\r\nbegin\r\nMemo1.Memo.Text := Greeting;\r\nend;\r\n\r\nend.\r\n");
    const bool built = report->BuildPreparedPages();
    QmApplicationPath() = programFolder;
    ASSERT_TRUE(built) << report->ErrorText;
    EXPECT_EQ(Lines(0), std::vector<AnsiString>{"from Helper"});
}

}  // namespace
