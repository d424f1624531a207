// A script driving the controls of a real (offscreen) form, the result
// saved to screenshots/script_form.png for review; and script forms, read
// from their unit's form file with script procedures as their handlers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/formtree.h"
#include "platform/rtl/streams.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_edit.h"
#include "platform/ui/stdctrls_listbox.h"
#include "platform/ui/stdctrls_scrollbar.h"
#include "platform/ui/testseams.h"
#include "script/qm_kpinterpreter_fm.h"
#include "script/qm_kpinterpreter_function.h"
#include "script/qm_kpinterpreter_values.h"
#include "script_host.h"
#include "script_test_helpers.h"
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

const char* const kUnit1 =
    "unit Unit1;\n"
    "interface\n"
    "uses Windows, Forms, StdCtrls;\n"
    "type\n"
    "  TForm1 = class(TForm)\n"
    "    Button1: TButton;\n"
    "    procedure Button1Click(Sender: TObject);\n"
    "  end;\n"
    "implementation\n"
    "procedure TForm1.Button1Click(Sender: TObject);\n"
    "var Text: string;\n"
    "begin\n"
    "  Text := '已点击 ';\n"
    "  Caption := Text + Button1.Caption + ' ' + Self.Name;\n"
    "end;\n"
    "end.\n";

const char* const kUnit1Form =
    "object Form1: TForm1\n"
    "  Caption = 'Form1'\n"
    "  object Button1: TButton\n"
    "    Left = 10\n"
    "    Top = 10\n"
    "    Caption = 'OK'\n"
    "    OnClick = Button1Click\n"
    "  end\n"
    "end\n";

// A report-like host: the units lie in a folder that is the current
// directory while the test runs; form files come from the host's events.
class ScriptForms : public ::testing::Test {
protected:
    void SetUp() override {
        ScriptTestHost::Get();
        RegisterClasses({TButton::StaticClass()});
        std::ofstream(dir_.file("Unit1.pas")) << kUnit1;
        std::ofstream(dir_.file("Unit1.dfm")) << kUnit1Form;
        previousDir_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.path());
        interpreter_.OnGetDfmFileName = [this](TObject*, const AnsiString& unit, AnsiString& fileName, bool& done) {
            fileName = dir_.file(unit + ".dfm");
            done = true;
        };
        interpreter_.Pas()->SetText(
            "unit Report;\r\n"
            "uses Unit1;\r\n"
            "function MakeForm: Variant;\r\n"
            "begin\r\n"
            "  Result := TForm1.Create(nil);\r\n"
            "end;\r\n"
            "end.");
    }
    void TearDown() override { std::filesystem::current_path(previousDir_); }

    TKpInterpreterForm* MakeForm() {
        return dynamic_cast<TKpInterpreterForm*>(VariantToObject(interpreter_.CallFunction("MakeForm", nullptr, {})));
    }
    // Serves the form file from memory.
    void ServeForm(std::string bytes) {
        interpreter_.OnCreateDfmStream = [bytes](TObject*, const AnsiString&, TStream*& stream, bool& done) {
            stream = new TStringStream(bytes);
            done = true;
        };
    }

    TempDir dir_;
    std::filesystem::path previousDir_;
    TKpInterpreterFm interpreter_{nullptr};
};

TEST_F(ScriptForms, AClickRunsTheUnitsProcedureOnTheForm) {
    const std::unique_ptr<TKpInterpreterForm> form(MakeForm());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->ScriptClassName, "TForm1");
    EXPECT_EQ(form->UnitName, "Unit1");
    EXPECT_EQ(form->Owner(), Application);
    EXPECT_FALSE(form->Visible());
    auto* button = dynamic_cast<TButton*>(form->FindComponent("Button1"));
    ASSERT_NE(button, nullptr);
    ASSERT_EQ(form->Handlers.size(), 1u);
    EXPECT_TRUE(interpreter_.Handlers.empty());
    button->Click();
    EXPECT_EQ(form->Caption(), "已点击 OK Form1");
}

TEST_F(ScriptForms, FormFilesBehindAResourceHeaderLoadAndOthersFail) {
    TStringStream text(kUnit1Form);
    TStringStream resource;
    ObjectTextToResource(&text, &resource);
    ServeForm(resource.DataString());
    const std::unique_ptr<TKpInterpreterForm> form(MakeForm());
    ASSERT_NE(form->FindComponent("Button1"), nullptr);

    ServeForm(FormTextToBinary(kUnit1Form));
    try {
        MakeForm();
        FAIL() << "a bare binary form file has no resource header";
    } catch (const EReadError& e) {
        EXPECT_STREQ(e.what(), "Invalid stream format");
    }

    interpreter_.OnCreateDfmStream = nullptr;
    interpreter_.OnGetDfmFileName = nullptr;
    EXPECT_EQ(ErrorCode([&] { MakeForm(); }), 58);
}

const char* const kUnit2 =
    "unit Unit2;\n"
    "interface\n"
    "uses Windows, Forms, Controls, StdCtrls;\n"
    "type\n"
    "  TForm2 = class(TForm)\n"
    "    Edit1: TEdit;\n"
    "  end;\n"
    "implementation\n"
    "procedure TForm2.Edit1KeyDown(Sender: TObject; var Key: Word; Shift: TShiftState);\n"
    "begin if Key = 65 then Key := 0; end;\n"
    "procedure TForm2.Edit1KeyPress(Sender: TObject; var Key: Char);\n"
    "begin if Key = 'e' then Key := '' else Key := 'xyz'; end;\n"
    "procedure TForm2.Edit1MouseDown(Sender: TObject; Button: TMouseButton; Shift: TShiftState; X, Y: Integer);\n"
    "begin Caption := IntToStr(Button) + ' ' + IntToStr(X) + ' ' + IntToStr(Y) + ' ' + IntToStr(VarType(Button)); end;\n"
    "procedure TForm2.Edit1DragOver(Sender, Source: TObject; X, Y: Integer; State: TDragState; var Accept: Boolean);\n"
    "begin Accept := X > 5; end;\n"
    "end.\n";

const char* const kUnit2Form =
    "object Form2: TForm2\n"
    "  Caption = 'Form2'\n"
    "  object Edit1: TEdit\n"
    "    Left = 10\n"
    "    Top = 10\n"
    "    OnKeyDown = Edit1KeyDown\n"
    "    OnKeyPress = Edit1KeyPress\n"
    "    OnMouseDown = Edit1MouseDown\n"
    "    OnDragOver = Edit1DragOver\n"
    "  end\n"
    "end\n";

// Mouse, key and drag events of a control reach the script's procedures,
// and what the procedures leave in their var parameters comes back.
TEST_F(ScriptForms, ControlEventsHandBackTheirVarParameters) {
    RegisterClasses({TEdit::StaticClass()});
    std::ofstream(dir_.file("Unit2.pas")) << kUnit2;
    std::ofstream(dir_.file("Unit2.dfm")) << kUnit2Form;
    interpreter_.Pas()->SetText("unit Report;\r\nuses Unit2;\r\nfunction MakeForm: Variant;\r\n"
                                "begin\r\n  Result := TForm2.Create(nil);\r\nend;\r\nend.");
    const std::unique_ptr<TKpInterpreterForm> form(MakeForm());
    ASSERT_NE(form, nullptr);
    auto* edit = dynamic_cast<TEdit*>(form->FindComponent("Edit1"));
    ASSERT_NE(edit, nullptr);

    Word key = 65;
    edit->OnKeyDown()(edit, key, TShiftState{});
    EXPECT_EQ(key, 0);
    key = 66;
    edit->OnKeyDown()(edit, key, TShiftState{ssShift});
    EXPECT_EQ(key, 66);

    char typed = 'a';
    edit->OnKeyPress()(edit, typed);
    EXPECT_EQ(typed, 'x');
    typed = 'e';
    edit->OnKeyPress()(edit, typed);
    EXPECT_EQ(typed, '\0');

    edit->OnMouseDown()(edit, mbRight, TShiftState{ssShift}, 7, 9);
    EXPECT_EQ(form->Caption(), "1 7 9 17");

    bool accept = false;
    edit->OnDragOver()(edit, nullptr, 10, 0, dsDragMove, accept);
    EXPECT_TRUE(accept);
    edit->OnDragOver()(edit, nullptr, 2, 0, dsDragMove, accept);
    EXPECT_FALSE(accept);
}

const char* const kUnit3 =
    "unit Unit3;\n"
    "interface\n"
    "uses Windows, Forms, Controls, StdCtrls;\n"
    "type\n"
    "  TForm3 = class(TForm)\n"
    "    ListBox1: TListBox;\n"
    "    ScrollBar1: TScrollBar;\n"
    "    Edit1: TEdit;\n"
    "    Button1: TButton;\n"
    "    Label1: TLabel;\n"
    "  end;\n"
    "implementation\n"
    "procedure TForm3.ListBox1MeasureItem(Control: TWinControl; Index: Integer; var Height: Integer);\n"
    "begin Height := 30; end;\n"
    "procedure TForm3.ListBox1DrawItem(Control: TWinControl; Index: Integer; Rect: TRect; State: TOwnerDrawState);\n"
    "begin\n"
    "  ListBox1.Canvas.Brush.Color := $E0E0FF; ListBox1.Canvas.FillRect(Rect);\n"
    "  ListBox1.Canvas.Font.Color := $800000; ListBox1.Canvas.TextOut(Rect.Left + 4, Rect.Top + 8, ListBox1.Items.Strings[Index]);\n"
    "  Rect.Left := 500;\n"
    "end;\n"
    "procedure TForm3.ScrollBar1Scroll(Sender: TObject; ScrollCode: TScrollCode; var ScrollPos: Integer);\n"
    "begin if ScrollCode = 2 then begin Label1.Caption := '上翻'; ScrollPos := ScrollPos + 10; end; end;\n"
    "procedure TForm3.Edit1KeyDown(Sender: TObject; var Key: Word; Shift: TShiftState);\n"
    "begin if Key = 65 then Key := 0; end;\n"
    "procedure TForm3.Edit1KeyPress(Sender: TObject; var Key: Char);\n"
    "begin Key := 'xyz'; end;\n"
    "procedure TForm3.Button1MouseDown(Sender: TObject; Button: TMouseButton; Shift: TShiftState; X, Y: Integer);\n"
    "var S: string;\n"
    "begin S := IntToStr(Button) + ',' + IntToStr(X) + ',' + IntToStr(Y); if Shift = [ssLeft] then S := S + ',L'; Label1.Caption := S; end;\n"
    "procedure TForm3.Edit1DragOver(Sender, Source: TObject; X, Y: Integer; State: TDragState; var Accept: Boolean);\n"
    "begin Accept := Source = ListBox1; end;\n"
    "procedure TForm3.Edit1DragDrop(Sender, Source: TObject; X, Y: Integer);\n"
    "begin Label1.Caption := '拖到 ' + IntToStr(X) + ',' + IntToStr(Y); end;\n"
    "end.\n";

const char* const kUnit3Form =
    "object Form3: TForm3\n"
    "  Caption = 'Form3'\n"
    "  Left = 40\n"
    "  Top = 40\n"
    "  Width = 360\n"
    "  Height = 260\n"
    "  object ListBox1: TListBox\n"
    "    Left = 10\n"
    "    Top = 10\n"
    "    Width = 180\n"
    "    Height = 150\n"
    "    DragMode = dmAutomatic\n"
    "    Style = lbOwnerDrawVariable\n"
    "    OnMeasureItem = ListBox1MeasureItem\n"
    "    OnDrawItem = ListBox1DrawItem\n"
    "  end\n"
    "  object ScrollBar1: TScrollBar\n"
    "    Left = 10\n"
    "    Top = 170\n"
    "    Width = 180\n"
    "    Height = 17\n"
    "    OnScroll = ScrollBar1Scroll\n"
    "  end\n"
    "  object Edit1: TEdit\n"
    "    Left = 200\n"
    "    Top = 10\n"
    "    Width = 140\n"
    "    Height = 21\n"
    "    Text = '返修单号'\n"
    "    OnKeyDown = Edit1KeyDown\n"
    "    OnKeyPress = Edit1KeyPress\n"
    "    OnDragOver = Edit1DragOver\n"
    "    OnDragDrop = Edit1DragDrop\n"
    "  end\n"
    "  object Button1: TButton\n"
    "    Left = 200\n"
    "    Top = 40\n"
    "    Width = 75\n"
    "    Height = 25\n"
    "    Caption = '确定'\n"
    "    OnMouseDown = Button1MouseDown\n"
    "  end\n"
    "  object Label1: TLabel\n"
    "    Left = 200\n"
    "    Top = 75\n"
    "    Caption = '客户姓名'\n"
    "  end\n"
    "end\n";

// The form of Unit3, its unit and form file written beside the others.
class ScriptForm3 : public ScriptForms {
protected:
    TKpInterpreterForm* MakeForm3() {
        std::ofstream(dir_.file("Unit3.pas")) << kUnit3;
        // Form files are UTF-8 text; this source's literals are ANSI.
        std::ofstream(dir_.file("Unit3.dfm")) << AnsiToUtf8(kUnit3Form);
        interpreter_.Pas()->SetText("unit Report;\r\nuses Unit3;\r\nfunction MakeForm: Variant;\r\n"
                                    "begin\r\n  Result := TForm3.Create(nil);\r\nend;\r\nend.");
        return MakeForm();
    }
};

// Owner-draw and scroll events of standard controls reach the script; the
// height and position come back, the drawing rectangle is the script's copy.
TEST_F(ScriptForm3, StandardControlEventsHandBackHeightAndPosition) {
    const std::unique_ptr<TKpInterpreterForm> form(MakeForm3());
    ASSERT_NE(form, nullptr);
    auto* list = dynamic_cast<TListBox*>(form->FindComponent("ListBox1"));
    auto* bar = dynamic_cast<TScrollBar*>(form->FindComponent("ScrollBar1"));
    ASSERT_TRUE(list && bar);
    int height = 16;
    list->OnMeasureItem()(list, 3, height);
    EXPECT_EQ(height, 30);
    int position = 5;
    bar->OnScroll()(bar, scPageUp, position);
    EXPECT_EQ(position, 15);
}

// The same form shown and used: owner-drawn items 30 pixels high painted
// by the script, keys stopped and changed, a click read, a page scrolled.
TEST_F(ScriptForm3, AScriptFormAnswersSyntheticInput) {
    const std::unique_ptr<TKpInterpreterForm> form(MakeForm3());
    ASSERT_NE(form, nullptr);
    auto* list = dynamic_cast<TListBox*>(form->FindComponent("ListBox1"));
    auto* bar = dynamic_cast<TScrollBar*>(form->FindComponent("ScrollBar1"));
    auto* edit = dynamic_cast<TEdit*>(form->FindComponent("Edit1"));
    auto* button = dynamic_cast<TButton*>(form->FindComponent("Button1"));
    auto* label = dynamic_cast<TLabel*>(form->FindComponent("Label1"));
    ASSERT_TRUE(list && bar && edit && button && label);
    for (const char* item : {"华为 P30", "小米 9", "OPPO R17"}) list->Items()->Add(item);
    form->Show();
    ProcessMessages();
    const TRect second = list->ItemRect(1);
    EXPECT_EQ(second.bottom - second.top, 30);

    edit->SetFocus();
    edit->SetText("");
    ProcessMessages();
    for (const auto& [key, text] : {std::pair{'A', "a"}, std::pair{'B', "b"}}) {
        SimulateKey(key, true, text);
        SimulateKey(key, false);
        ProcessMessages();
    }
    EXPECT_EQ(edit->Text(), "x");

    SimulateClick(button->Handle(), POINT{7, 9});
    ProcessMessages();
    EXPECT_EQ(label->Caption(), "0,7,9,L");

    bar->SetPosition(50);
    SimulateClick(bar->Handle(), POINT{20, bar->Height() / 2});
    ProcessMessages();
    EXPECT_EQ(label->Caption(), "上翻");
    EXPECT_GT(bar->Position(), 0);
    ProcessMessages();

    // An item dragged from the list onto the edit, which the script's
    // drag-over procedure lets take the drop.
    SimulateMouseButton(list->Handle(), POINT{20, 20}, VK_LBUTTON, true);
    SimulateMouseMove(edit->Handle(), POINT{30, 8});
    SimulateMouseButton(edit->Handle(), POINT{30, 8}, VK_LBUTTON, false);
    ProcessMessages();
    EXPECT_EQ(label->Caption(), "拖到 30,8");
    // The screenshot folder as seen from where the test started (the units' folder is current now).
    const std::filesystem::path shots = previousDir_ / ScreenshotDir();
    std::filesystem::create_directories(shots);
    EXPECT_TRUE(SaveWindowScreenshot(form->Handle(), (shots / "script_controls.png").string()));
}

}  // namespace
