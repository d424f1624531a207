// A script driving the controls of a real (offscreen) form; the result is
// saved to screenshots/script_form.png for review.
#include <gtest/gtest.h>

#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_edit.h"
#include "platform/ui/testseams.h"
#include "script/qm_kpinterpreter_function.h"
#include "script/qm_kpinterpreter_values.h"
#include "script_host.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(ScriptForm, AScriptFillsTheControlsOfAForm) {
    ScriptTestHost::Get();
    const std::unique_ptr<TForm> form(TForm::Create(nullptr, 0));
    form->SetBounds(40, 40, 320, 200);
    form->SetCaption("脚本窗体");
    auto* edit = new TEdit(form.get());
    edit->SetName("Edit1");
    edit->SetParent(form.get());
    edit->SetBounds(10, 10, 200, 22);
    edit->SetText("王五");
    auto* label = new TLabel(form.get());
    label->SetName("Label1");
    label->SetParent(form.get());
    label->SetBounds(10, 40, 200, 20);
    auto* memo = new TMemo(form.get());
    memo->SetName("Memo1");
    memo->SetParent(form.get());
    memo->SetBounds(10, 66, 280, 90);

    TKpInterpreterFunction interpreter(nullptr);
    interpreter.OnGetValue = [&](TObject*, const AnsiString& name, Variant& value, TKpInterpreterArgs& args,
                                 bool& done) {
        if (args.CallObjectType() != varEmpty) return;
        if (TComponent* found = form->FindComponent(name)) {
            value = ObjectToVariant(found);
            done = true;
        }
    };
    interpreter.SetSource(
        "begin\r\n"
        "  Label1.Caption := '客户：' + Edit1.Text;\r\n"
        "  Memo1.Lines.Clear;\r\n"
        "  Memo1.Lines.Add('取机人：' + Edit1.Text);\r\n"
        "  Memo1.Lines.Add('故障：屏幕不亮');\r\n"
        "end;");
    interpreter.Run();
    EXPECT_EQ(label->Caption(), "客户：王五");
    ASSERT_EQ(memo->Lines()->Count(), 2);
    EXPECT_EQ(memo->Lines()->Strings(0), "取机人：王五");

    form->Show();
    ProcessMessages();
    EXPECT_TRUE(SaveWindowScreenshot(form->Handle(), ScreenshotDir() + "script_form.png"));
}

}  // namespace
