// The password window: one per caption, the old password and the repeat
// checked exactly, and the new password in force at the next login while
// the lock keeps the one typed at login.
#include <gtest/gtest.h>

#include "app/xiugaimimafrm.h"
#include "login_fixture.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/testseams.h"

namespace {

TEST_F(LoginTest, APasswordChangeChecksTheOldPasswordAndTheRepeatAndHoldsAtTheNextLogin) {
    AddOperator("0002", "张三", "Abc");
    StartWithLogin([this] { LogIn("0002", "aBC"); });
    ASSERT_TRUE(main_->Visible());
    Application->SetMainForm(main_.get());

    main_->N11->Click();
    ASSERT_EQ(main_->MDIChildCount(), 1);
    auto* window = dynamic_cast<Txiugaimima*>(main_->MDIChildren(0));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Caption(), "修改密码");
    RECT bounds;
    GetWindowRect(window->Handle(), &bounds);
    POINT corner{bounds.left, bounds.top};
    ScreenToClient(main_->ClientHandle(), &corner);
    EXPECT_EQ(corner.x, 330) << "in the frame's client area";
    EXPECT_EQ(window->Edit1->Text(), "0002");
    EXPECT_FALSE(window->Edit1->Enabled());
    main_->N11->Click();
    EXPECT_EQ(main_->MDIChildCount(), 1) << "the same window comes back";
    EXPECT_EQ(main_->MDIChildren(0), window);
    ProcessMessages();

    PushModalAnswer({IDOK, ""});
    Type(window->Edit2, "aBC");
    Type(window->Edit3, "new1");
    Type(window->Edit4, "new1");
    Click(window->BitBtn1);
    EXPECT_TRUE(AskedAt(0, "旧密码不正确！", "错误！", MB_ICONERROR)) << "exact, unlike the login";

    PushModalAnswer({IDOK, ""});
    window->Edit2->Clear();
    Type(window->Edit2, "Abc");
    window->Edit4->Clear();
    Type(window->Edit4, "new2");
    Click(window->BitBtn1);
    EXPECT_TRUE(AskedAt(1, "两次密码不一致！", "错误！", MB_ICONERROR));
    EXPECT_EQ(StoredPassword("0002"), "Abc") << "nothing written";

    PushModalAnswer({IDOK, ""});
    window->Edit4->Clear();
    Type(window->Edit4, "new1");
    Click(window->BitBtn1);
    EXPECT_TRUE(AskedAt(2, "修改成功！", "提示", MB_ICONINFORMATION));
    EXPECT_EQ(StoredPassword("0002"), "new1");
    EXPECT_EQ(StoredPassword("0001"), "");
    EXPECT_EQ(window->Edit2->Text(), "Abc") << "the fields keep their contents";
    EXPECT_EQ(loginform->LoginPassword, "aBC") << "the lock keeps the password typed at login";

    RunWhenShown([] { return static_cast<TCustomForm*>(loginform); }, [this] {
        PushModalAnswer({IDOK, ""});
        LogIn("0002", "Abc");
        EXPECT_TRUE(AskedAt(3, "密码错误，请重新输入！", "提示", MB_ICONERROR));
        LogIn("0002", "NEW1");
    });
    EXPECT_EQ(loginform->ShowModal(), mrOk);
    EXPECT_EQ(ModalQuestions().size(), 4u);

    window->Close();
    ProcessMessages();
    EXPECT_EQ(main_->MDIChildCount(), 0) << "freed when closed";
}

TEST_F(LoginTest, APasswordChangeForAnOperatorWhoseRowIsGoneIsRefusedAsAWrongOldPassword) {
    AddOperator("0002", "张三", "");
    StartWithLogin([this] { LogIn("0002", ""); });
    ASSERT_TRUE(main_->Visible());
    Application->SetMainForm(main_.get());
    DM1->ADOConnection1->Execute("delete from 操作员 where 操作员='0002'");  // an initialisation meanwhile

    main_->N11->Click();
    auto* window = dynamic_cast<Txiugaimima*>(main_->MDIChildren(0));
    ASSERT_NE(window, nullptr);
    ProcessMessages();
    Type(window->Edit3, "new1");
    Type(window->Edit4, "new1");
    PushModalAnswer({IDOK, ""});
    Click(window->BitBtn1);
    ASSERT_EQ(ModalQuestions().size(), 1u);
    EXPECT_TRUE(AskedAt(0, "旧密码不正确！", "错误！", MB_ICONERROR)) << "no row changed, no success";
    EXPECT_EQ(DM1->ADOConnection1->Execute("update 操作员 set 密码=密码 where 操作员='0002'"), 0);
    window->Close();
    ProcessMessages();
}

}  // namespace
