#include "script/bindings/qm_kpinterpreter_dialogs.h"

#include <gtest/gtest.h>

#include "platform/print/printerbackend.h"
#include "platform/print/printers.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/forms.h"
#include "platform/ui/modalresponder.h"
#include "script_host.h"
#include "script_test_helpers.h"

namespace {

// Scripts whose dialogs the modal responder answers.
class DialogsBinding : public EmittingScripts {
protected:
    DialogsBinding() { ResetModalResponder(); }
    ~DialogsBinding() override { ResetModalResponder(); }
};

TEST_F(DialogsBinding, MessageDialogsTakeButtonSetsAndAnswerModalResults) {
    PushModalAnswer({mrYes});
    PushModalAnswer({mrNo});
    EXPECT_EQ(Run("begin Emit(MessageDlg('删除？', mtConfirmation, [mbYes, mbNo], 0)); "
                  "Emit(MessageDlgPosHelp('删除？', mtConfirmation, 3, 0, 10, 10, 'help.chm')); "
                  "Emit(VarType(mrYes)); end;"),
              (std::vector<AnsiString>{"6", "7", "3"}));
    ASSERT_EQ(ModalQuestions().size(), 2u);
    for (const ModalQuestion& question : ModalQuestions()) {
        EXPECT_EQ(question.buttons, (std::vector<AnsiString>{"是(&Y)", "否(&N)"}));
        EXPECT_EQ(question.caption, "确认");
    }
}

TEST_F(DialogsBinding, ShowMessageFmtFormatsThroughThePlatform) {
    PushModalAnswer({mrOk});
    PushModalAnswer({mrOk});
    Run("begin ShowMessageFmt('%d', [5]); ShowMessagePos('到此', 20, 30); end;");
    ASSERT_EQ(ModalQuestions().size(), 2u);
    EXPECT_EQ(ModalQuestions()[0].text, "5");
    EXPECT_EQ(ModalQuestions()[1].text, "到此");
    EXPECT_THROW(Run("begin ShowMessageFmt('%d', ['five']); end;"), EConvertError);
}

TEST_F(DialogsBinding, InputQueryLeavesAStringInItsVariable) {
    PushModalAnswer({mrOk, "张三"});
    PushModalAnswer({mrCancel});
    PushModalAnswer({mrOk, "李四"});
    EXPECT_EQ(Run("var s: string; n: Variant; begin s := '旧'; Emit(InputQuery('客户', '姓名', s)); Emit(s); "
                  "n := 5; Emit(InputQuery('客户', '姓名', n)); Emit(VarType(n)); Emit(n = ''); "
                  "Emit(InputBox('客户', '姓名', '无')); end;"),
              (std::vector<AnsiString>{"True", "张三", "False", "256", "True", "李四"}));
}

TEST_F(DialogsBinding, EachDialogExecutesAsItsOwnClassAndKeepsItsProperties) {
    PrinterDescription counter, office;
    counter.Name = "柜台打印机";
    office.Name = "办公室打印机";
    SetPrinterBackend(std::make_unique<FakePrinterBackend>(std::vector{counter, office}, "柜台打印机"));
    Printer()->SetPrinterIndex(-1);
    PushModalAnswer({1, "/tmp/报表.txt"});
    PushModalAnswer({1, "255"});
    PushModalAnswer({1, "黑体,14"});
    PushModalAnswer({1, "办公室打印机"});
    PushModalAnswer({1, "2-3"});
    PushModalAnswer({1, "手机"});
    PushModalAnswer({3, "旧\n新"});
    PushModalAnswer({0});
    EXPECT_EQ(Run("var s: TSaveDialog; c: TColorDialog; f: TFontDialog; u: TPrinterSetupDialog; p: TPrintDialog; "
                  "d: TFindDialog; r: TReplaceDialog; begin "
                  "s := TSaveDialog.Create(nil); s.Filter := '文本|*.txt'; s.Options := [ofOverwritePrompt]; "
                  "Emit(s.Execute); Emit(s.FileName); Emit(s.Files.Count); Emit(s.Options = [ofOverwritePrompt]); "
                  "c := TColorDialog.Create(nil); Emit(c.Execute); Emit(c.Color); "
                  "f := TFontDialog.Create(nil); Emit(f.Execute); Emit(f.Font.Name); Emit(f.Font.Size); "
                  "u := TPrinterSetupDialog.Create(nil); Emit(u.Execute); "
                  "p := TPrintDialog.Create(nil); p.MaxPage := 5; p.Options := [poPageNums]; Emit(p.Execute); "
                  "Emit(p.FromPage); Emit(p.ToPage); Emit(p.PrintRange = prPageNums); "
                  "d := TFindDialog.Create(nil); Emit(d.Execute); Emit(d.FindText); "
                  "r := TReplaceDialog.Create(nil); Emit(r.Execute); Emit(r.FindText); Emit(r.ReplaceText); "
                  "Emit(r.Execute); "
                  "s.Free; c.Free; f.Free; u.Free; p.Free; d.Free; r.Free; end;"),
              (std::vector<AnsiString>{"True", "/tmp/报表.txt", "1", "True", "True", "255", "True", "黑体", "14",
                                       "True", "True", "2", "3", "True", "True", "手机", "True", "旧", "新",
                                       "False"}));
    EXPECT_EQ(Printer()->Printers()->Strings(Printer()->PrinterIndex()), "办公室打印机");
    const std::vector<AnsiString> kinds = {"SaveDialog",  "ColorDialog", "FontDialog",    "PrinterSetupDialog",
                                           "PrintDialog", "FindDialog",  "ReplaceDialog", "ReplaceDialog"};
    ASSERT_EQ(ModalQuestions().size(), kinds.size());
    for (std::size_t i = 0; i < kinds.size(); ++i) EXPECT_EQ(ModalQuestions()[i].kind, kinds[i]);
    Printer()->SetPrinterIndex(-1);
    SetPrinterBackend(nullptr);
}

// The dialogs publish their options, Device and PrintRange, so those read
// as the published properties do (integers, VarType 3); FileEditStyle is
// not published and reads as a byte (17).
TEST_F(DialogsBinding, OptionSetsKeepTheirWidths) {
    EXPECT_EQ(Run("var o: TOpenDialog; f: TFontDialog; d: TReplaceDialog; c: TColorDialog; p: TPrintDialog; "
                  "begin o := TOpenDialog.Create(nil); o.Options := [ofPathMustExist, ofFileMustExist]; "
                  "Emit(o.Options = 768); f := TFontDialog.Create(nil); f.Options := 65535; Emit(f.Options = 65535); "
                  "d := TReplaceDialog.Create(nil); d.Options := 8191; Emit(d.Options = 8191); "
                  "c := TColorDialog.Create(nil); c.Options := 511; Emit(c.Options = 255); "
                  "p := TPrintDialog.Create(nil); p.Options := 511; Emit(p.Options = 255); "
                  "d.Position := Point(30, 40); Emit(d.Left); Emit(d.Position.Y); Emit(c.Ctl3D); "
                  "Emit(VarType(o.FileEditStyle)); Emit(VarType(f.Device)); "
                  "o.Free; f.Free; d.Free; c.Free; p.Free; end;"),
              (std::vector<AnsiString>{"True", "True", "True", "True", "True", "30", "40", "True", "17", "3"}));
}

TEST_F(DialogsBinding, TheCommonDialogHasNoConstructor) {
    EXPECT_NE(ErrorCode([&] { Run("begin TCommonDialog.Create(nil); end;"); }), 0);
    EXPECT_THROW(Run("var l: TList; begin l := TList.Create; TColorDialog.Create(l); end;"), EInvalidCast);
}

}  // namespace
