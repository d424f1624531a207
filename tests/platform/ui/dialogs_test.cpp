// Message boxes, message dialogs and input boxes, answered by the modal
// responder: the window class, the caption, the buttons and the result.
#include "tests/platform/ui/control_fixture.h"

using DialogsTest = ControlTest;

TEST_F(DialogsTest, EachMessageBoxKindHasItsButtonsAndAnswersTheChosenOne) {
    struct Case {
        UINT flags;
        std::vector<AnsiString> buttons;
        int answer;
    };
    const Case cases[] = {
        {MB_OK | MB_ICONINFORMATION, {"确定"}, IDOK},
        {MB_OKCANCEL | MB_ICONQUESTION, {"确定", "取消"}, IDCANCEL},
        {MB_ABORTRETRYIGNORE | MB_ICONERROR, {"中止(&A)", "重试(&R)", "忽略(&I)"}, IDRETRY},
        {MB_YESNOCANCEL, {"是(&Y)", "否(&N)", "取消"}, IDNO},
        {MB_YESNO | MB_DEFBUTTON2, {"是(&Y)", "否(&N)"}, IDYES},
        {MB_RETRYCANCEL, {"重试(&R)", "取消"}, IDRETRY},
    };
    for (const Case& c : cases) {
        ResetModalResponder();
        PushModalAnswer({c.answer, {}});
        EXPECT_EQ(MessageBox(0, "确实要退出本系统吗？", "提示", c.flags), c.answer);
        ASSERT_EQ(ModalQuestions().size(), 1u);
        const ModalQuestion& q = ModalQuestions()[0];
        EXPECT_EQ(q.kind, "MessageBox");
        EXPECT_EQ(q.className, "#32770");
        EXPECT_EQ(q.caption, "提示");
        EXPECT_EQ(q.text, "确实要退出本系统吗？");
        EXPECT_EQ(q.flags, c.flags);
        EXPECT_EQ(q.buttons, c.buttons);
    }
}

TEST_F(DialogsTest, ApplicationMessageBoxAndMessageDialogsHaveTheirCaptions) {
    PushModalAnswer({IDOK, {}});
    EXPECT_EQ(Application->MessageBox("保存成功", "信息", MB_OK | MB_ICONINFORMATION), IDOK);
    PushModalAnswer({mrYes, {}});
    EXPECT_EQ(MessageDlg("删除记录？", mtConfirmation, mbYesNo), mrYes);
    PushModalAnswer({mrOk, {}});
    EXPECT_EQ(MessageDlg("出错了", mtError, {mbOK}), mrOk);
    PushModalAnswer({mrOk, {}});
    ShowMessage("数据库连接失败");
    ASSERT_EQ(ModalQuestions().size(), 4u);
    EXPECT_EQ(ModalQuestions()[0].className, "#32770");
    EXPECT_EQ(ModalQuestions()[1].className, "TMessageForm");
    EXPECT_EQ(ModalQuestions()[1].caption, "确认");
    EXPECT_EQ(ModalQuestions()[1].buttons, (std::vector<AnsiString>{"是(&Y)", "否(&N)"}));
    EXPECT_EQ(ModalQuestions()[2].caption, "错误");
    EXPECT_EQ(ModalQuestions()[3].caption, "测试程序");
    EXPECT_EQ(ModalQuestions()[3].text, "数据库连接失败");
    EXPECT_EQ(ModalQuestions()[3].buttons, std::vector<AnsiString>{"确定"});
}

TEST_F(DialogsTest, InputBoxGivesTheTextOrTheDefaultWhenCancelled) {
    PushModalAnswer({mrOk, "20061"});
    EXPECT_EQ(InputBox("请输入", "请输入单据编号          ", ""), "20061");
    PushModalAnswer({mrCancel, "ignored"});
    EXPECT_EQ(InputBox("请输入", "请输入单据编号          ", "默认"), "默认");
    ASSERT_EQ(ModalQuestions().size(), 2u);
    EXPECT_EQ(ModalQuestions()[0].kind, "InputBox");
    EXPECT_EQ(ModalQuestions()[0].caption, "请输入");
    EXPECT_EQ(ModalQuestions()[0].buttons, (std::vector<AnsiString>{"确定", "取消"}));
}

TEST_F(DialogsTest, AMessageBoxWithoutAnAnswerRunsAsAModalDialogAnsweredByItsButtons) {
    // The user presses Enter on the default (second) button once the box shows.
    bool pressed = false;
    Application->SetOnIdle([&](TObject*, bool& done) {
        done = false;
        if (!pressed && ClassNameOf(GetActiveWindow()) == "#32770") {
            pressed = SimulateKey(VK_RETURN, true) && SimulateKey(VK_RETURN, false);
        }
    });
    const int result = MessageBox(0, "继续吗？", "确认", MB_YESNO | MB_DEFBUTTON2);
    EXPECT_EQ(result, IDNO);
    EXPECT_TRUE(ModalQuestions().empty());
}

TEST_F(DialogsTest, AnInputBoxWithoutAnAnswerTakesWhatIsTypedIntoItsEdit) {
    bool typed = false;
    Application->SetOnIdle([&](TObject*, bool& done) {
        done = false;
        if (!typed && ClassNameOf(GetActiveWindow()) == "TForm") {
            typed = SimulateKey('1', true, "1") && SimulateKey('1', false) && SimulateKey('2', true, "2") &&
                    SimulateKey('2', false) && SimulateKey(VK_RETURN, true) && SimulateKey(VK_RETURN, false);
        }
    });
    EXPECT_EQ(InputBox("请输入", "请输入单据编号", ""), "12");
    EXPECT_TRUE(ModalQuestions().empty());
}
