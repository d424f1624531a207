// The login window driven by synthetic input: the administrator, an
// operator with two grants, unknown operators, wrong passwords up to the
// fifth (which ends the run) and 退出.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/operators.h"
#include "login_fixture.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/testseams.h"

namespace {

TMenuItem* GatedItem(const TPermissionGate& gate) {
    return static_cast<TMenuItem*>(MAIN->FindComponent(gate.MenuItem));
}

TEST_F(LoginTest, TheAdministratorWithTheEmptyPasswordGetsEveryGatedItem) {
    StartWithLogin([] {
        EXPECT_EQ(loginform->cbusername->Text(), "0001");
        EXPECT_EQ(loginform->Edit1->Text(), "系统管理员");
        EXPECT_EQ(loginform->ActiveControl(), loginform->cbusername);
        Click(loginform->button1);
    });
    ASSERT_TRUE(main_->Visible());
    for (const TPermissionGate& gate : PermissionGates) EXPECT_TRUE(GatedItem(gate)->Enabled()) << gate.MenuItem;
    EXPECT_EQ(main_->VxStatusPane1->Caption(), "当前用户为:0001");
    EXPECT_EQ(loginform->CurrentOperatorId, "0001");
    EXPECT_EQ(loginform->LoginPassword, "");
    EXPECT_FALSE(loginform->Visible()) << "hidden, alive to the end of the run";
    EXPECT_TRUE(ModalQuestions().empty());
}

TEST_F(LoginTest, AnOperatorWithTwoGrantsGetsExactlyThoseAndTheOtherButtonsDoNothing) {
    AddOperator("0002", "张三", "Abc");
    Grant("0002", "售后接待");
    Grant("0002", "备用手机使用情况（返还）");
    Grant("0003", "报表查询");
    StartWithLogin([] {
        // Choosing from the list looks the name up and moves to the password.
        PressKey(VK_DOWN);
        EXPECT_EQ(loginform->cbusername->Text(), "0002");
        EXPECT_EQ(loginform->Edit1->Text(), "张三");
        EXPECT_EQ(loginform->ActiveControl(), loginform->edtpassword);
        SimulateTyping("aBC");
        PressKey(VK_RETURN);
    });
    ASSERT_TRUE(main_->Visible()) << "letter case is ignored at login";
    for (const TPermissionGate& gate : PermissionGates) {
        const bool granted = gate.MenuItem == AnsiString("N10") || gate.MenuItem == AnsiString("N16");
        EXPECT_EQ(GatedItem(gate)->Enabled(), granted) << gate.MenuItem;
    }
    for (TMenuItem* ungated : {main_->N11, main_->N8, main_->N27, main_->N28}) EXPECT_TRUE(ungated->Enabled());
    EXPECT_EQ(main_->VxStatusPane1->Caption(), "当前用户为:0002") << "the id, not the name";
    EXPECT_EQ(loginform->LoginPassword, "aBC") << "as typed";

    int received = 0, returned = 0, reports = 0;
    main_->N10->SetOnClick(TNotifyEvent([&](TObject*) { ++received; }));
    main_->N30->SetOnClick(TNotifyEvent([&](TObject*) { ++returned; }));
    main_->N5->SetOnClick(TNotifyEvent([&](TObject*) { ++reports; }));
    ProcessMessages();
    for (TVxToolButton* button : {main_->VxToolButton9, main_->VxToolButton10, main_->VxToolButton12}) {
        const POINT centre{button->Left() + button->Width() / 2, button->Top() + button->Height() / 2};
        ASSERT_TRUE(SimulateClick(main_->VxToolbar2->Handle(), centre));
        ProcessMessages();
    }
    EXPECT_EQ(received, 1);
    EXPECT_EQ(returned, 0);
    EXPECT_EQ(reports, 0);
}

TEST_F(LoginTest, UnknownOperatorsAndAWrongPasswordAreReportedAndTheLoginStays) {
    AddOperator("0002", "张三", "Abc");
    StartWithLogin([this] {
        // The first character typed moves on to the password; leaving the
        // combo for the password with an unknown id is refused.
        PushModalAnswer({IDOK, ""});
        SimulateTyping("9");
        ProcessMessages();
        EXPECT_TRUE(AskedAt(0, "不存在的用户！", "提示", MB_ICONERROR));
        EXPECT_EQ(loginform->ActiveControl(), loginform->cbusername);
        EXPECT_EQ(loginform->Edit1->Text(), "");

        PushModalAnswer({IDOK, ""});
        Click(loginform->button1);
        EXPECT_TRUE(AskedAt(1, "不存在的用户！", "提示", MB_ICONERROR));
        EXPECT_EQ(ModalQuestions().size(), 2u);

        PushModalAnswer({IDOK, ""});
        LogIn("0002", "Abd");
        EXPECT_TRUE(AskedAt(2, "密码错误，请重新输入！", "提示", MB_ICONERROR));
        EXPECT_EQ(loginform->edtpassword->Text(), "");
        EXPECT_TRUE(loginform->Visible());

        LogIn("0002", "abc");
    });
    ASSERT_TRUE(main_->Visible());
    EXPECT_EQ(ModalQuestions().size(), 3u);
    EXPECT_EQ(loginform->CurrentOperatorId, "0002");
    EXPECT_EQ(loginform->FailedLogins, 1);
}

// Ending the run is for good, so this runs in a child process.
TEST_F(LoginTest, WithNoOperatorStoredEveryAttemptIsAnUnknownUser) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    DM1->ADOConnection1->Execute("delete from 操作员");
    EXPECT_EXIT(
        {
            bool seen = false;
            StartWithLogin([&] {
                const bool empty = loginform->cbusername->Items()->Count() == 0;
                PushModalAnswer({IDOK, ""});
                Click(loginform->button1);  // 登陆
                PushModalAnswer({IDOK, ""});
                Click(loginform->edtpassword);  // leaving the operator id for the password
                seen = empty && ModalQuestions().size() == 2 &&
                       AskedAt(0, "不存在的用户！", "提示", MB_ICONERROR) &&
                       AskedAt(1, "不存在的用户！", "提示", MB_ICONERROR) && loginform->Visible();
                Click(loginform->button2);  // 退出
            });
            std::_Exit(seen && !main_->Visible() && loginform->CurrentOperatorId.empty() ? 7 : 1);
        },
        ::testing::ExitedWithCode(7), "");
}

// Ending the run is for good, so these run in a child process.
TEST_F(LoginTest, TheFifthWrongPasswordEndsTheRun) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            for (int i = 0; i < 5; ++i) PushModalAnswer({IDOK, ""});
            StartWithLogin([this] {
                for (int i = 0; i < 5; ++i) LogIn("0001", "x");
            });
            bool asked = ModalQuestions().size() == 5;
            for (std::size_t i = 0; i < 4; ++i) asked = asked && AskedAt(i, "密码错误，请重新输入！", "提示", MB_ICONERROR);
            asked = asked && AskedAt(4, "密码错误超过五次，软件将被关闭！", "提示", MB_ICONERROR);
            std::_Exit(asked && Application->Terminated() && !main_->Visible() ? 7 : 1);
        },
        ::testing::ExitedWithCode(7), "");
}

TEST_F(LoginTest, QuitEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            StartWithLogin([] { Click(loginform->button2); });
            const bool ended = Application->Terminated() && !main_->Visible() && ModalQuestions().empty();
            std::_Exit(ended && loginform->CurrentOperatorId.empty() ? 7 : 1);
        },
        ::testing::ExitedWithCode(7), "");
}

}  // namespace
