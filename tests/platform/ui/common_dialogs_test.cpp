// The colour, font, find and replace dialogs: answered by the modal
// responder, and their real windows used with the mouse and keys and
// photographed.
#include "platform/ui/dialogs_color.h"
#include "platform/ui/dialogs_find.h"
#include "platform/ui/dialogs_font.h"
#include "platform/ui/extctrls_graphic.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_edit.h"
#include "platform/ui/stdctrls_listbox.h"
#include "tests/platform/ui/control_fixture.h"
#include "tests/platform/ui/dialog_driver.h"
#include "tests/support/temp_dir.h"

using CommonDialogTest = ControlTest;

namespace {

// The form's button of that caption.
TButton* ButtonOf(TWinControl* form, const AnsiString& caption) {
    for (TButton* button : ControlsOf<TButton>(form))
        if (button->Caption() == caption) return button;
    return nullptr;
}

void ClickIn(TControl* control, int x, int y) {
    TWinControl* window = dynamic_cast<TWinControl*>(control);
    POINT p{x, y};
    if (!window) {
        window = control->Parent();
        p.x += control->Left();
        p.y += control->Top();
    }
    SimulateClick(window->Handle(), p);
    ProcessMessages();
}

void ClickRow(TListBox* list, int row) {
    const TRect item = list->ItemRect(row);
    ClickIn(list, item.left + 10, (item.top + item.bottom) / 2);
}

}  // namespace

TEST_F(CommonDialogTest, TheResponderAnswersEachDialog) {
    TColorDialog color(nullptr);
    TFontDialog font(nullptr);
    PushModalAnswer({1, "$FF0000"});
    PushModalAnswer({0});
    PushModalAnswer({1, "楷体_GB2312,16"});
    EXPECT_TRUE(color.Execute());
    EXPECT_EQ(color.Color(), TColor(0xFF0000));
    EXPECT_FALSE(color.Execute());
    EXPECT_EQ(color.Color(), TColor(0xFF0000));
    EXPECT_TRUE(font.Execute());
    EXPECT_EQ(font.Font()->Name(), "楷体_GB2312");
    EXPECT_EQ(font.Font()->Size(), 16);
    ASSERT_EQ(ModalQuestions().size(), 3u);
    EXPECT_EQ(ModalQuestions()[0].kind, "ColorDialog");
    EXPECT_EQ(ModalQuestions()[2].className, "#32770");

    color.CustomColors()->Add("ColorA=00FF00");
    EXPECT_EQ(color.CustomColor(0), TColor(0x00FF00));
    EXPECT_EQ(color.CustomColor(1), clWhite);
    color.SetOptions(TColorDialogOptions::FromBits(0x1FF));
    EXPECT_EQ(color.Options().Bits(), 0xFFu);
}

TEST_F(CommonDialogTest, TheColourDialogTakesAClickedSwatch) {
    TColorDialog dialog(nullptr);
    dialog.CustomColors()->Add("ColorB=80FF80");
    bool handled = false;
    const bool chosen = RunDialog(&dialog, [&](TForm* form) {
        EXPECT_EQ(dialog.Handle(), form->Handle());
        EXPECT_EQ(form->Caption(), "颜色");
        const std::vector<TPaintBox*> swatches = ControlsOf<TPaintBox>(form);
        ASSERT_EQ(swatches.size(), 2u);
        ClickIn(swatches[0], 10, 30 + 10);  // second row, first column: red
        SaveWindowScreenshot(form->Handle(), AnsiString(ScreenshotDir()) + "color_dialog.png");
        ClickIn(ButtonOf(form, "确定"), 10, 10);
        handled = true;
    });
    ASSERT_TRUE(handled);
    EXPECT_TRUE(chosen);
    EXPECT_EQ(dialog.Color(), TColor(0x0000FF));
    EXPECT_EQ(dialog.Handle(), 0u);
}

TEST_F(CommonDialogTest, TheFontDialogTakesFaceSizeAndStyle) {
    TFontDialog dialog(nullptr);
    dialog.Font()->SetName("宋体");
    dialog.Font()->SetSize(9);
    dialog.SetOptions({fdEffects, fdLimitSize});
    dialog.SetMinFontSize(10);
    dialog.SetMaxFontSize(24);
    std::vector<AnsiString> sizes;
    const bool chosen = RunDialog(&dialog, [&](TForm* form) {
        const std::vector<TListBox*> lists = ControlsOf<TListBox>(form);
        ASSERT_EQ(lists.size(), 2u);
        for (int i = 0; i < lists[1]->Items()->Count(); ++i) sizes.push_back(lists[1]->Items()->Strings(i));
        ClickRow(lists[0], Screen->Fonts()->IndexOf("黑体"));
        ClickRow(lists[1], 3);  // 14
        ClickIn(ControlsOf<TCheckBox>(form).at(0), 5, 10);  // bold
        SaveWindowScreenshot(form->Handle(), AnsiString(ScreenshotDir()) + "font_dialog.png");
        ClickIn(ButtonOf(form, "确定"), 10, 10);
    });
    EXPECT_EQ(sizes, (std::vector<AnsiString>{"10", "11", "12", "14", "16", "18", "20", "22", "24"}));
    ASSERT_TRUE(chosen);
    EXPECT_EQ(dialog.Font()->Name(), "黑体");
    EXPECT_EQ(dialog.Font()->Size(), 14);
    EXPECT_TRUE(dialog.Font()->Style().Contains(fsBold));
}

TEST_F(CommonDialogTest, TheFindDialogStaysOpenAndFiresOnFind) {
    TForm* owner = NewForm();
    owner->Show();
    TFindDialog dialog(nullptr);
    dialog.SetFindText("手机");
    dialog.SetPosition(Point(120, 80));
    std::vector<AnsiString> finds;
    dialog.SetOnFind([&](TObject*) {
        finds.push_back(dialog.FindText() + (dialog.Options().Contains(frDown) ? " down" : " up") +
                        (dialog.Options().Contains(frMatchCase) ? " case" : ""));
    });
    ASSERT_TRUE(dialog.Execute());
    ProcessMessages();
    auto* form = dynamic_cast<TForm*>(FindControl(dialog.Handle()));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(ClassNameOf(form->Handle()), "#32770");
    EXPECT_EQ(form->Left(), 120);
    TEdit* edit = ControlsOf<TEdit>(form).at(0);
    EXPECT_EQ(edit->Text(), "手机");
    TButton* next = ButtonOf(form, "查找下一个(&F)");
    ClickIn(next, 10, 10);
    edit->SetText("电池");
    ClickIn(ControlsOf<TCheckBox>(form).at(1), 5, 10);  // match case
    auto* direction = ControlsOf<TGroupBox>(form).at(0);
    ClickIn(direction->Controls(0), 5, 10);  // up
    SaveWindowScreenshot(form->Handle(), AnsiString(ScreenshotDir()) + "find_dialog.png");
    ClickIn(next, 10, 10);
    EXPECT_EQ(finds, (std::vector<AnsiString>{"手机 down", "电池 up case"}));
    EXPECT_TRUE(dialog.Options().Contains(frFindNext));
    ClickIn(ButtonOf(form, "取消"), 10, 10);
    EXPECT_EQ(dialog.Handle(), 0u);
}

TEST_F(CommonDialogTest, TheReplaceDialogFiresOnReplaceForBothButtons) {
    TReplaceDialog dialog(nullptr);
    std::vector<AnsiString> replaced;
    dialog.SetOnReplace([&](TObject*) {
        replaced.push_back(dialog.FindText() + ">" + dialog.ReplaceText() +
                           (dialog.Options().Contains(frReplaceAll) ? " all" : " one"));
    });
    dialog.SetReplaceText("新");
    ASSERT_TRUE(dialog.Execute());
    auto* form = dynamic_cast<TForm*>(FindControl(dialog.Handle()));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Caption(), "替换");
    ControlsOf<TEdit>(form).at(0)->SetText("旧");
    ProcessMessages();
    SaveWindowScreenshot(form->Handle(), AnsiString(ScreenshotDir()) + "replace_dialog.png");
    ClickIn(ButtonOf(form, "替换(&R)"), 10, 10);
    ClickIn(ButtonOf(form, "全部替换(&A)"), 10, 10);
    EXPECT_EQ(replaced, (std::vector<AnsiString>{"旧>新 one", "旧>新 all"}));
    dialog.CloseDialog();
    EXPECT_EQ(dialog.Handle(), 0u);

    PushModalAnswer({0});
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(ModalQuestions().back().kind, "ReplaceDialog");
}
