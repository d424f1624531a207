// The reception window driven through synthetic input with the clock
// fixed: the Enter chain, the price filter, the stored row, the refusals,
// the voucher question, the rollback, the drop-down lists, the footer in
// the hidden edit, the number shown after deletions, and the reprint.
#include <gtest/gtest.h>

#include <map>

#include "app/jiedaifrm.h"
#include "platform/rtl/clock.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/testseams.h"
#include "workflow_fixture.h"

namespace {

class ReceptionWindowTest : public WorkflowWindowTest {
protected:
    void SetUp() override {
        WorkflowWindowTest::SetUp();
        FreezeToday();
    }

    // Opens the window from the menu.
    void Open() {
        main_->N10->Click();
        window_ = OnlyChild<Tjiedai>();
        ASSERT_NE(window_, nullptr);
        ProcessMessages();
        // The offscreen screen is 800 pixels wide: the whole window moves
        // into view for the clicks.
        openedAt_ = ChildPosition(window_);
        window_->SetLeft(0);
        ProcessMessages();
    }

    void FillRequired(const AnsiString& imei) {
        Type(window_->Edit1, imei);
        Type(window_->ComboBox1, "诺基亚");
        Type(window_->ComboBox2, "N95");
    }

    bool Focused(TWinControl* control) const { return window_->ActiveControl() == control; }
    AnsiString Count() { return Scalar("select count(*) from 流水记录"); }

    Tjiedai* window_ = nullptr;
    POINT openedAt_{};
};

TEST_F(ReceptionWindowTest, ReceivingAPhoneThroughTheEnterChainStoresEveryFieldAndShowsTheNextNumber) {
    Open();
    EXPECT_EQ(window_->Name(), "jiedai");
    EXPECT_EQ(window_->Caption(), "售后接待");
    EXPECT_EQ(openedAt_.x, 150);
    EXPECT_EQ(openedAt_.y, 0);
    EXPECT_FALSE(window_->Edit5->Visible());
    EXPECT_FALSE(window_->Edit6->Visible());
    EXPECT_EQ(window_->Label21->Caption(), "0000000001");
    EXPECT_EQ(window_->QmDBDataSet1->DataSet(), DM1->ADOQuery11);
    EXPECT_EQ(window_->QmReport1->Dataset(), window_->QmDBDataSet1);
    main_->VxToolButton9->Click();
    EXPECT_EQ(OnlyChild<Tjiedai>(), window_) << "the toolbar brings the same window back";

    Type(window_->Edit1, "  356938035643809 ");
    const char* const typed[] = {"诺基亚", "N95",        "电池",        "黑",     "厂家甲", "3元5.x5",
                                 "O'Brien 王", "13800000000", "不开机", "保修", "屏幕碎"};
    for (int input = riBrand; input <= riRemark; ++input) {
        PressKey(VK_RETURN);
        ASSERT_TRUE(Focused(window_->Input(TReceptionInput(input)))) << "Enter moves on to input " << input;
        SimulateTyping(typed[input - 1]);
        ProcessMessages();
    }
    EXPECT_EQ(window_->Edit2->Text(), "35.5") << "the price takes digits, '.' and '-' only";
    PressKey(VK_RETURN);
    EXPECT_TRUE(Focused(window_->BitBtn1)) << "from the remark to 保存";
    EXPECT_EQ(window_->Memo1->Text(), "屏幕碎") << "the Enter that moves on breaks no line";

    const Cardinal before = GetTickCount();
    PushModalAnswer({IDOK, ""});  // print the voucher
    PressKey(VK_RETURN);

    ASSERT_EQ(ModalQuestions().size(), 1u);
    EXPECT_TRUE(AskedAt(0, "售后接待信息录入成功！打印顾客取机凭证吗?\"确定\"打印；\"取消\"不打印！", "询问",
                        MB_ICONQUESTION));
    EXPECT_EQ(ModalQuestions()[0].flags & MB_TYPEMASK, UINT(MB_OKCANCEL));
    EXPECT_GE(GetTickCount() - before, 1000u) << "the one-second wait runs on the clock";
    EXPECT_FALSE(DM1->ADOConnection1->InTransaction());
    ASSERT_TRUE(DM1->ADOQuery11->Active()) << "the voucher's order was opened";
    EXPECT_EQ(DM1->ADOQuery11->FieldByName("编号")->AsString(), "0000000001");

    OpenOrder(DM1->ADO123, "0000000001");
    ASSERT_FALSE(DM1->ADO123->Eof());
    const std::map<AnsiString, AnsiString> stored = {
        {"串码", "356938035643809"}, {"品牌", "诺基亚"},     {"型号", "N95"},         {"配件", "电池"},
        {"颜色", "黑"},              {"厂家", "厂家甲"},     {"价格", "35.5"},        {"顾客姓名", "O'Brien 王"},
        {"电话", "13800000000"},     {"故障现象", "不开机"}, {"处理意见", "保修"},    {"接待备注", "屏幕碎"},
        {"接待日期", "2026-12-10"},  {"接待经手人", "0001"},
    };
    for (const auto& [column, value] : stored)
        EXPECT_EQ(DM1->ADO123->FieldByName(column)->AsString(), value) << column;

    EXPECT_EQ(window_->Label21->Caption(), "0000000002");
    for (int input = 0; input < kReceptionInputCount; ++input)
        EXPECT_EQ(window_->Input(TReceptionInput(input))->Text(), "") << input;
    EXPECT_TRUE(Focused(window_->Edit1));
}

TEST_F(ReceptionWindowTest, AnImeiStillInServiceIsRefusedAndTypedAgain) {
    AddOrder("0000000001", "356938035643809");
    Open();
    FillRequired("356938035643809");
    PushModalAnswer({IDOK, ""});
    Click(window_->BitBtn1);
    EXPECT_TRUE(AskedAt(0, "此串号的手机正在售后维修，请认真核对！", "提示", MB_ICONERROR));
    EXPECT_EQ(window_->Edit1->Text(), "");
    EXPECT_TRUE(Focused(window_->Edit1));
    EXPECT_EQ(ModalQuestions().size(), 1u);
    EXPECT_EQ(Count(), "1") << "nothing written";
}

TEST_F(ReceptionWindowTest, TheShopNameAndTheTwoLineFooterReachTheHiddenEditsWithoutAVoucher) {
    {
        TIniFile ini(SettingsFileName());
        WriteFooterText(ini, "保修三个月\r\n谢谢惠顾");
    }
    Open();
    FillRequired("356938035643809");
    PushModalAnswer({IDCANCEL, ""});
    Click(window_->BitBtn1);
    EXPECT_EQ(window_->Edit5->Text(), "恒通手机维修售后专用单据");
    EXPECT_EQ(window_->Edit6->Text(), "保修三个月\r\n谢谢惠顾");
    EXPECT_EQ(ModalQuestions().size(), 1u);
    EXPECT_FALSE(DM1->ADOQuery11->Active()) << "no voucher";
    EXPECT_EQ(Count(), "1");
    EXPECT_EQ(window_->Label21->Caption(), "0000000002");
}

TEST_F(ReceptionWindowTest, ActivatingTheWindowShowsTheNumberTheNextSaveStores) {
    AddOrder("0000000001", "A");
    AddOrder("0000000002", "B");
    Open();
    EXPECT_EQ(window_->Label21->Caption(), "0000000003");

    // Deleted while another window was in front (the deletion dialog's own
    // case is in shanchujilufrm_test.cpp).
    main_->N11->Click();
    ProcessMessages();
    DM1->ADOConnection1->Execute("delete from 流水记录");
    main_->N10->Click();
    ProcessMessages();
    EXPECT_EQ(window_->Label21->Caption(), "0000000001") << "activating the window reads the number again";

    FillRequired("356938035643809");
    PushModalAnswer({IDCANCEL, ""});
    Click(window_->BitBtn1);
    EXPECT_EQ(Scalar("select 编号 from 流水记录"), "0000000001") << "stored as shown";
    for (int i = main_->MDIChildCount() - 1; i >= 0; --i)
        if (main_->MDIChildren(i) != window_) delete main_->MDIChildren(i);
}

TEST_F(ReceptionWindowTest, ADatabaseErrorRollsBackShowsTheErrorAndKeepsTheInputs) {
    DM1->ADOConnection1->Execute(
        "create trigger refuse before insert on 流水记录 begin select raise(abort, 'disk is full'); end");
    Open();
    FillRequired("356938035643809");
    PushModalAnswer({IDOK, ""});  // the error
    Click(window_->BitBtn1);
    ASSERT_EQ(ModalQuestions().size(), 1u);
    EXPECT_NE(ModalQuestions()[0].text.find("disk is full"), AnsiString::npos) << ModalQuestions()[0].text;
    EXPECT_FALSE(DM1->ADOConnection1->InTransaction());
    EXPECT_EQ(Count(), "0");
    EXPECT_EQ(window_->Edit1->Text(), "356938035643809");
    EXPECT_EQ(window_->ComboBox1->Text(), "诺基亚");
    EXPECT_EQ(window_->ComboBox2->Text(), "N95");
}

TEST_F(ReceptionWindowTest, EachDropDownOffersTheStoredValuesOfItsColumnOnceAndAfresh) {
    AddOrder("0000000001", "A");
    AddOrder("0000000002", "B");
    DM1->ADOConnection1->Execute("update 流水记录 set 型号='V3' where 编号='0000000002'");
    Open();
    const auto dropDown = [this](TComboBox* combo, const AnsiString& typed) {
        Type(combo, typed);
        PressKey(VK_F4);
        PressKey(VK_ESCAPE);
        EXPECT_EQ(combo->Text(), typed) << "the typed text stays";
        return combo->Items()->Text();
    };
    EXPECT_EQ(dropDown(window_->ComboBox1, "摩"), "诺基亚\r\n");
    const AnsiString models = dropDown(window_->ComboBox2, "x");
    EXPECT_TRUE(models == "N95\r\nV3\r\n" || models == "V3\r\nN95\r\n") << models;

    DM1->ADOConnection1->Execute("update 流水记录 set 品牌='摩托罗拉' where 编号='0000000002'");
    window_->ComboBox1->SetText("");
    const AnsiString brands = dropDown(window_->ComboBox1, "摩");
    EXPECT_TRUE(brands == "诺基亚\r\n摩托罗拉\r\n" || brands == "摩托罗拉\r\n诺基亚\r\n") << brands;
}

TEST_F(ReceptionWindowTest, ReprintAsksForTheNumberAndOpensItsOrderForTheVoucher) {
    AddOrder("0000000001", "A");
    Open();
    PushModalAnswer({mrOk, "0000000001"});
    window_->SpeedButton1->Click();
    ASSERT_EQ(ModalQuestions().size(), 1u);
    EXPECT_EQ(ModalQuestions()[0].caption, "请输入");
    EXPECT_EQ(ModalQuestions()[0].text, "请输入单据编号          ");
    ASSERT_TRUE(DM1->ADOQuery11->Active());
    EXPECT_EQ(DM1->ADOQuery11->FieldByName("串码")->AsString(), "A");
    EXPECT_EQ(window_->Edit5->Text(), "恒通手机维修售后专用单据");

    DM1->ADOQuery11->Close();
    PushModalAnswer({mrCancel, ""});
    window_->SpeedButton1->Click();
    EXPECT_FALSE(DM1->ADOQuery11->Active()) << "Cancel builds nothing";
}

}  // namespace
