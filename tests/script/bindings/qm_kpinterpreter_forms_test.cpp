#include "script/bindings/qm_kpinterpreter_forms.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/sysutils.h"
#include "platform/win/shellapi.h"
#include "script/qm_kpinterpreter_values.h"
#include "script_host.h"
#include "script_test_helpers.h"

namespace {

using FormsBinding = EmittingScripts;

TEST_F(FormsBinding, ScreenApplicationAndResultKinds) {
    // VarType 2 is a 16-bit signed value, 17 a byte, 18 a word, 3 an
    // integer. Forms publish WindowState, scroll bars their Margin.
    EXPECT_EQ(Run("var f: TForm; b: TScrollBox; begin f := TForm.Create(nil); b := TScrollBox.Create(f); "
                  "Emit(Screen.Forms[0] = Screen.CustomForms(0)); Emit(Screen.FormCount > 0); "
                  "Emit(VarType(Screen.Cursor)); Emit(VarType(f.WindowState)); Emit(f.WindowState = wsNormal); "
                  "Emit(VarType(b.HorzScrollBar.Kind)); Emit(b.VertScrollBar.Kind); Emit(VarType(b.HorzScrollBar.Margin)); "
                  "Emit(VarType(b.BorderStyle)); Emit(KeysToShiftState(0) = []); Emit(KeysToShiftState(4) = [ssShift]); "
                  "Emit(Application.UpdateFormatSettings); Emit(Screen.Imes.Count); Emit(Screen.DefaultIme); f.Free; end;"),
              (std::vector<AnsiString>{"True", "True", "2", "3", "True", "17", "1", "3", "3", "True", "True", "True", "0", ""}));
}

TEST_F(FormsBinding, CreateFormLeavesTheNewFormInTheVariable) {
    const int before = Application->ComponentCount();
    EXPECT_EQ(Run("var F: TForm; begin F := nil; Application.CreateForm(TForm, F); Emit(F.ClassName); "
                  "Emit(F.Owner = Application); F.Caption := 'new'; Emit(GetParentForm(F) = F); F.Free; end;"),
              (std::vector<AnsiString>{"TForm", "True", "True"}));
    EXPECT_EQ(Application->ComponentCount(), before);
}

TEST_F(FormsBinding, ConstructorsCastTheirOwner) {
    EXPECT_THROW(Run("var l: TList; begin l := TList.Create; TScrollingWinControl.Create(l); end;"), EInvalidCast);
    EXPECT_EQ(Run("var f: TForm; m: TDataModule; begin f := TForm.CreateNew(nil); Emit(f.Owner = nil); "
                  "m := TDataModule.CreateNew(f); Emit(Screen.DataModuleCount > 0); f.Free; end;"),
              (std::vector<AnsiString>{"True", "True"}));
    EXPECT_THROW(Run("var c: TControl; begin c := TControl.Create(nil); try ValidParentForm(c); finally c.Free; end; end;"),
                 EInvalidOperation);
}

TEST_F(FormsBinding, TaskWindowsTravelAsAPointer) {
    const std::unique_ptr<TForm> form(TForm::Create(nullptr, 0));
    form->Show();
    EXPECT_EQ(Run("var p: Pointer; begin p := DisableTaskWindows(0); Emit(p <> nil); EnableTaskWindows(p); end;"),
              std::vector<AnsiString>{"True"});
    EXPECT_TRUE(IsWindowEnabled(form->Handle()));
}

TEST_F(FormsBinding, HelpCallsHandTheirDataToTheViewerAndFormsKeepTheirPrintScale) {
    SetShellRecording(true);
    ClearRecordedShellRequests();
    const AnsiString helpFile = Application->HelpFile();
    EXPECT_EQ(Run("var f: TForm; begin Application.HelpFile := '/opt/serviora/help.chm'; "
                  "Emit(Application.HelpContext(7)); Emit(Application.HelpJump('repairs')); "
                  "f := TForm.Create(nil); Emit(f.PrintScale = poProportional); f.PrintScale := poPrintToFit; "
                  "Emit(f.PrintScale); f.Cascade; f.Free; end;"),
              (std::vector<AnsiString>{"True", "True", "True", "2"}));
    Application->SetHelpFile(helpFile);
    SetShellRecording(false);
    ASSERT_EQ(RecordedShellRequests().size(), 2u);
    EXPECT_EQ(RecordedShellRequests()[0].parameters, "-mapid 7");
    EXPECT_EQ(RecordedShellRequests()[1].parameters, "-topic repairs");
}

// Procedures of a compiled unit made into event handlers, as the report
// binds them.
class FormsEvents : public EmittingScripts {
protected:
    FormsEvents() {
        interpreter.SetSource(
            "unit Report;\r\n"
            "procedure Hide(Sender: TObject; var Action: TCloseAction); begin Action := 256 + caHide; end;\r\n"
            "procedure Keep(Sender: TObject; var Action: TCloseAction); begin Emit(Action); end;\r\n"
            "procedure Refuse(Sender: TObject; var CanClose: Boolean); begin CanClose := False; end;\r\n"
            "procedure Busy(Sender: TObject; var Done: Boolean); begin Done := False; end;\r\n"
            "procedure Failed(Sender: TObject; E: Exception); begin Emit(E.ClassName); Emit(E.Message); end;\r\n"
            "procedure Hint(var HintStr: string; var CanShow: Boolean; var HintInfo: THintInfo); begin Emit('called'); end;\r\n"
            "end.");
        interpreter.Compile();
        ScriptTestHost::Get().Emitted.clear();
    }
    ~FormsEvents() override {
        Application->SetOnIdle({});
        Application->SetOnException({});
    }
    TKpEventHandler Make(const char* procedure, const char* type, TObject* target) {
        return interpreter.CreateEventHandler("Report", procedure, type, target);
    }
};

TEST_F(FormsEvents, CloseAndCloseQueryHandlersDecide) {
    const std::unique_ptr<TForm> form(TForm::Create(nullptr, 0));
    TKpEventHandler hide = Make("Hide", "TCloseEvent", form.get());
    TKpEventHandler refuse = Make("Refuse", "TCloseQueryEvent", form.get());
    form->Show();
    form->SetOnCloseQuery(TCloseQueryEvent::FromMethod(refuse.Method));
    form->Close();
    EXPECT_TRUE(form->Visible());
    form->SetOnCloseQuery({});
    form->SetOnClose(TCloseEvent::FromMethod(hide.Method));
    form->Close();
    EXPECT_FALSE(form->Visible());

    TKpEventHandler keep = Make("Keep", "TCloseEvent", form.get());
    TCloseAction action = caMinimize;
    TCloseEvent::FromMethod(keep.Method)(form.get(), action);
    EXPECT_EQ(action, caMinimize);
    EXPECT_EQ(ScriptTestHost::Get().Emitted, std::vector<AnsiString>{"3"});
}

TEST_F(FormsEvents, ApplicationHandlersTakeDoneAndTheExceptionObject) {
    TKpEventHandler busy = Make("Busy", "TIdleEvent", Application);
    TKpEventHandler failed = Make("Failed", "TExceptionEvent", Application);
    Application->SetOnIdle(TIdleEvent::FromMethod(busy.Method));
    bool done = true;
    Application->OnIdle()(Application, done);
    EXPECT_FALSE(done);
    Application->SetOnException(TExceptionEvent::FromMethod(failed.Method));
    try {
        throw EConvertError("'x' is not a valid integer value");
    } catch (...) {
        Application->HandleException(Application);
    }
    EXPECT_EQ(ScriptTestHost::Get().Emitted,
              (std::vector<AnsiString>{"EConvertError", "'x' is not a valid integer value"}));
}

TEST_F(FormsEvents, AShowHintHandlerRaisesWithoutRunning) {
    TKpEventHandler hint = Make("Hint", "TShowHintEvent", Application);
    AnsiString text = "hint";
    bool canShow = true;
    THintInfo info;
    try {
        TShowHintEvent::FromMethod(hint.Method)(text, canShow, info);
        ADD_FAILURE() << "no error";
    } catch (const EKpInterpreterError& e) {
        EXPECT_EQ(e.Code, 2);
        EXPECT_NE(e.Message().find("TShowHintEvent not implemented"), AnsiString::npos) << e.Message();
    }
    EXPECT_TRUE(ScriptTestHost::Get().Emitted.empty());
}

}  // namespace
