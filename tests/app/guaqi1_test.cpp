// The lock window opened by the toolbar's 暂时离开: leaving and waking only
// with the password typed at login, exactly, and no closing while locked.
#include <gtest/gtest.h>

#include "app/guaqi1.h"
#include "login_fixture.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/testseams.h"
#include "platform/win/winframe.h"

namespace {

Tguaqi* ShownLock() { return dynamic_cast<Tguaqi*>(Screen->ActiveForm()); }

int LockWindows() {
    int count = 0;
    for (int i = 0; i < Screen->CustomFormCount(); ++i)
        if (dynamic_cast<Tguaqi*>(Screen->CustomForms(i))) ++count;
    return count;
}

TEST_F(LoginTest, TheLockLeavesAndWakesOnlyWithTheLoginPasswordAndCannotBeClosedWhileLocked) {
    AddOperator("0002", "张三", "Abc");
    StartWithLogin([this] { LogIn("0002", "aBC"); });
    ASSERT_TRUE(main_->Visible());

    RunWhenShown([] { return static_cast<TCustomForm*>(ShownLock()); }, [] {
        Tguaqi* lock = ShownLock();
        EXPECT_EQ(lock->Caption(), "暂时离开");
        EXPECT_TRUE(lock->BorderIcons().Empty()) << "no close button";
        EXPECT_FALSE(lock->BitBtn3->Visible());

        // The stored password in its own case is not what was typed at login.
        PushModalAnswer({IDOK, ""});
        Type(lock->Edit1, "Abc");
        Click(lock->BitBtn1);
        EXPECT_TRUE(AskedAt(0, "对不起，密码错误！", "提示", MB_ICONERROR));
        EXPECT_FALSE(lock->Locked());
        EXPECT_TRUE(lock->BitBtn1->Visible());

        lock->Edit1->Clear();
        Type(lock->Edit1, "aBC");
        Click(lock->BitBtn1);
        ASSERT_TRUE(lock->Locked());
        EXPECT_EQ(lock->Caption(), "唤醒系统");
        EXPECT_EQ(lock->GroupBox1->Caption(), "唤醒系统");
        EXPECT_TRUE(lock->BitBtn3->Visible());
        EXPECT_FALSE(lock->BitBtn1->Visible());
        EXPECT_FALSE(lock->BitBtn2->Visible());
        EXPECT_EQ(lock->Edit1->Text(), "");

        lock->Close();
        SendMessage(lock->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        SendMessage(lock->Handle(), WM_CLOSE, 0, 0);
        ProcessMessages();
        EXPECT_TRUE(lock->Visible()) << "locked, it refuses to close";

        PushModalAnswer({IDOK, ""});
        Type(lock->Edit1, "abc");
        Click(lock->BitBtn3);
        EXPECT_TRUE(AskedAt(1, "对不起，密码错误！", "提示", MB_ICONERROR));
        EXPECT_TRUE(lock->Visible());

        PushModalAnswer({IDOK, ""});
        lock->Edit1->Clear();
        Type(lock->Edit1, "aBC");
        Click(lock->BitBtn3);
        EXPECT_TRUE(AskedAt(2, "系统已被成功唤醒！", "提示", MB_ICONINFORMATION));
    });
    TVxToolButton* button = main_->VxToolButton5;
    ASSERT_TRUE(SimulateClick(main_->VxToolbar2->Handle(),
                              POINT{button->Left() + button->Width() / 2, button->Top() + button->Height() / 2}));
    ProcessMessages();
    EXPECT_EQ(ModalQuestions().size(), 3u);
    EXPECT_EQ(LockWindows(), 0) << "freed once woken";
}

TEST_F(LoginTest, TheLockIsLeftUnlockedWithCancel) {
    StartWithLogin([this] { LogIn("0001", ""); });
    RunWhenShown([] { return static_cast<TCustomForm*>(ShownLock()); }, [] { Click(ShownLock()->BitBtn2); });
    main_->VxToolButton2Click(nullptr);
    EXPECT_TRUE(ModalQuestions().empty());
    EXPECT_EQ(LockWindows(), 0);
}

}  // namespace
