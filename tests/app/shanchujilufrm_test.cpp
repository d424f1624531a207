// The order-deletion dialog through synthetic input: opened modally from
// the reception window, a looked-up order is deleted after confirmation;
// once the number is edited nothing can be deleted until the next look-up.
#include <gtest/gtest.h>

#include "app/jiedaifrm.h"
#include "app/shanchujilufrm.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/testseams.h"
#include "workflow_fixture.h"

namespace {

class DeletionDialogTest : public WorkflowWindowTest {
protected:
    void SetUp() override {
        WorkflowWindowTest::SetUp();
        AddOrder("0000000001", "356938035643809");
        AddOrder("0000000002", "860000000000002");
    }

    AnsiString Stored(const AnsiString& number) {
        return Scalar("select count(*) from 流水记录 where 编号='" + number + "'");
    }
};

TEST_F(DeletionDialogTest, TheReceptionWindowOpensItAndALookedUpOrderIsDeletedAfterConfirmation) {
    main_->N10->Click();
    Tjiedai* reception = OnlyChild<Tjiedai>();
    ASSERT_NE(reception, nullptr);
    ProcessMessages();
    bool ran = false;
    RunWhenShown([] { return static_cast<TCustomForm*>(shanchujilu); }, [&] {
        ran = true;
        Tshanchujilu* dialog = shanchujilu;
        EXPECT_EQ(dialog->Caption(), "删除售后接待记录");
        EXPECT_TRUE(dialog->Edit1->Focused());
        EXPECT_FALSE(dialog->BitBtn1->Enabled());
        SimulateTyping("0000000002");
        PressKey(VK_RETURN);
        EXPECT_EQ(dialog->Edit2->Text(), "860000000000002");
        EXPECT_EQ(dialog->Edit3->Text(), "诺基亚");
        EXPECT_EQ(dialog->Edit8->Text(), "0");
        EXPECT_TRUE(dialog->BitBtn1->Enabled());
        EXPECT_TRUE(dialog->BitBtn1->Focused());

        PushModalAnswer({IDOK, ""});  // the confirmation
        PushModalAnswer({IDOK, ""});  // 删除成功！
        PressKey(VK_RETURN);          // presses 确定删除
        EXPECT_TRUE(AskedAt(0, "确实要删除该编号的接待记录？该操作不可恢复！请谨慎操作！", "提示", MB_ICONQUESTION));
        EXPECT_EQ(ModalQuestions()[0].flags & MB_TYPEMASK, UINT(MB_OKCANCEL));
        EXPECT_TRUE(AskedAt(1, "删除成功！", "提示", MB_ICONINFORMATION));
        EXPECT_EQ(Stored("0000000002"), "0");
        EXPECT_EQ(Stored("0000000001"), "1");
        EXPECT_EQ(dialog->Edit1->Text(), "");
        EXPECT_EQ(dialog->Edit2->Text(), "");
        EXPECT_FALSE(dialog->BitBtn1->Enabled());
        Click(dialog->BitBtn2);
    });
    EXPECT_EQ(reception->Label21->Caption(), "0000000003");
    Click(reception->BitBtn2);
    EXPECT_TRUE(ran);
    EXPECT_FALSE(shanchujilu->Visible()) << "退出 ended the dialog";
    EXPECT_EQ(reception->Label21->Caption(), "0000000002") << "the deleted number is offered again";
}

TEST_F(DeletionDialogTest, AChangedNumberCannotDeleteAnotherOrderAndAnUnknownNumberIsReported) {
    RunWhenShown([] { return static_cast<TCustomForm*>(shanchujilu); }, [this] {
        Tshanchujilu* dialog = shanchujilu;
        SimulateTyping("0000000001");
        PressKey(VK_RETURN);
        ASSERT_TRUE(dialog->BitBtn1->Enabled());
        Click(dialog->Edit1);
        SimulateKey(VK_END, true);
        SimulateKey(VK_END, false);
        SimulateKey(VK_BACK, true, "\b");
        SimulateKey(VK_BACK, false);
        SimulateTyping("2");
        ProcessMessages();
        EXPECT_EQ(dialog->Edit1->Text(), "0000000002");
        EXPECT_FALSE(dialog->BitBtn1->Enabled()) << "the number shown is no longer the one typed";
        Click(dialog->BitBtn1);
        EXPECT_TRUE(ModalQuestions().empty()) << "nothing to confirm";

        PushModalAnswer({IDOK, ""});
        dialog->Edit1->SetText("0000000009");
        dialog->Edit1->SetFocus();
        PressKey(VK_RETURN);
        EXPECT_TRUE(AskedAt(0, "此编号不存在！", "提示", MB_ICONERROR));
        EXPECT_EQ(dialog->Edit1->Text(), "");
        EXPECT_EQ(dialog->Edit2->Text(), "") << "the earlier order is no longer shown";
        EXPECT_FALSE(dialog->BitBtn1->Enabled());
        Click(dialog->BitBtn2);
    });
    shanchujilu->ShowModal();
    EXPECT_EQ(ModalQuestions().size(), 1u);
    EXPECT_EQ(Stored("0000000001"), "1");
    EXPECT_EQ(Stored("0000000002"), "1");
}

}  // namespace
