// Booking phones back from the factory through synthetic input with the
// clock fixed: the list of the orders at the factory, the three outcomes
// saved through the dialog, the replacement's proposals and lists, the
// refused price and a statement the database rejects.
#include <gtest/gtest.h>

#include "app/fanhuicaozuofrm.h"
#include "app/fanhuifrm.h"
#include "grid_probe.h"
#include "platform/rtl/codepage.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/testseams.h"
#include "platform/win/testseams.h"
#include "support/temp_dir.h"
#include "workflow_fixture.h"

namespace {

class FactoryReturnTest : public WorkflowWindowTest {
protected:
    void SetUp() override {
        WorkflowWindowTest::SetUp();
        FreezeToday();
        AddOrder("0000000001", "A", "2026-12-08");
        AddOrder("0000000002", "B", "2026-12-01");
        AddOrder("0000000003", "C", "2026-12-05");
        AddOrder("0000000004", "D", "2026-12-02");
        Run("update 流水记录 set 已返厂=true,返厂日期='2026-12-09',颜色='黑',配件='电池' where 编号<>'0000000004'");
        Run("update 流水记录 set 已返厂=true,退货=true where 编号='0000000004'");
    }

    Tfanhui* Open() {
        main_->VxToolButton10->Click();
        ProcessMessages();
        return OnlyChild<Tfanhui>();
    }

    std::vector<AnsiString> Listed() { return ListedValues(DM1->ADOQuery2); }

    // Opens the dialog on the first listed order and runs `steps` in it.
    void InDialog(Tfanhui* list, std::function<void(Tfanhuicaozuo*)> steps) {
        bool shown = false;
        WhenShown(fanhuicaozuo, [&] {
            shown = true;
            steps(fanhuicaozuo);
            if (fanhuicaozuo->Visible()) Click(fanhuicaozuo->BitBtn4);
        });
        DoubleClickRow(list->DBGridVyn1);
        EXPECT_TRUE(shown) << "the dialog opened";
    }
};

TEST_F(FactoryReturnTest, TheListShowsTheOrdersAtTheFactoryOldestFirstInOneWindow) {
    Tfanhui* list = Open();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Caption(), "手机由厂家返回");
    EXPECT_EQ(ChildPosition(list).x, 0);
    EXPECT_EQ(ChildPosition(list).y, 0);
    main_->VxToolButton10->Click();
    EXPECT_EQ(OnlyChild<Tfanhui>(), list) << "the same window comes back";
    EXPECT_TRUE(IsListGrid(list->DBGridVyn1, DM1->ADOQuery2));
    EXPECT_EQ(GridFields(list->DBGridVyn1),
              (std::vector<AnsiString>{"串码", "品牌", "型号", "配件", "颜色", "厂家", "价格", "顾客姓名", "电话",
                                       "故障现象", "处理意见", "接待日期", "接待备注", "返厂日期", "返厂备注"}));
    EXPECT_TRUE(UncentredTitles(list->DBGridVyn1).empty());
    EXPECT_EQ(Listed(), (std::vector<AnsiString>{"0000000002", "0000000003", "0000000001"}))
        << "a refunded order is not at the factory";
    EXPECT_TRUE(SaveWindowScreenshot(list->Handle(), ScreenshotDir() + "app-fanhui.png"));
}

// One way to save the dialog: the refund box, the radio item, the remark,
// and what the order's columns read afterwards (`check`, joined by "|").
struct Outcome {
    const char* name;
    bool refund;
    int choice;
    const char* remark;
    const char* stored;
    const char* check;
};

class FactoryOutcomeTest : public FactoryReturnTest, public ::testing::WithParamInterface<Outcome> {};

TEST_P(FactoryOutcomeTest, IsWrittenAnnouncedAndTheOrderLeavesTheList) {
    const Outcome& o = GetParam();
    Tfanhui* list = Open();
    ASSERT_NE(list, nullptr);
    InDialog(list, [&](Tfanhuicaozuo* d) {
        EXPECT_EQ(d->Edit2->Text(), "B");
        EXPECT_EQ(d->Edit1->Text(), "2026-12-01");
        EXPECT_EQ(d->Edit14->Text(), "2026-12-09");
        if (o.refund) Click(d->CheckBox1);
        Choose(d->RadioGroup1, o.choice);
        if (o.choice == 1) {
            Type(d->Edit16, "NEW'1");
            Type(d->ComboBox4, "诺基亚");
        }
        Type(d->Edit18, o.remark);
        PushModalAnswer({IDOK, ""});
        Click(d->BitBtn1);
        EXPECT_TRUE(AskedAt(0, "手机由厂家返回操作成功！", "提示", MB_ICONINFORMATION));
    });
    EXPECT_FALSE(fanhuicaozuo->Visible()) << "the dialog closed";
    EXPECT_EQ(Scalar(AnsiString("select ") + o.check + " from 流水记录 where 编号='0000000002'"), o.stored) << o.name;
    EXPECT_EQ(Listed(), (std::vector<AnsiString>{"0000000003", "0000000001"}));
    EXPECT_EQ(DM1->ADOQuery2->RecordCount(), 2) << "the count drops by one";
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, FactoryOutcomeTest,
    ::testing::Values(
        Outcome{"Refund", true, 1, "x",
                "1|0|0|||", "退货||'|'||已返回||'|'||已换机||'|'||ifnull(返回日期,'')||'|'||ifnull(返回备注,'')||'|'||ifnull(新串码,'')"},
        Outcome{"Repaired", false, 0, "换了'主板",
                "0|1|0|2026-12-10|0001|换了'主板|",
                "退货||'|'||已返回||'|'||已换机||'|'||返回日期||'|'||返回经手人||'|'||返回备注||'|'||ifnull(新串码,'')"},
        Outcome{"Exchanged", false, 1, "",
                "1|1|NEW'1|诺基亚|N95|电池|黑|1",
                "已返回||'|'||已换机||'|'||新串码||'|'||新品牌||'|'||新型号||'|'||新配件||'|'||新颜色||'|'||(新价格=0)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FactoryReturnTest, AnExchangeProposesTheOldPhoneKeepsTheBrandAndOffersStoredValues) {
    Run("update 流水记录 set 已换机=true,新品牌='三星' where 编号='0000000004'");
    Tfanhui* list = Open();
    ASSERT_NE(list, nullptr);
    InDialog(list, [&](Tfanhuicaozuo* d) {
        EXPECT_FALSE(d->GroupBox2->Enabled()) << "no replacement for a repair";
        Choose(d->RadioGroup1, 1);
        EXPECT_TRUE(d->GroupBox2->Enabled());
        EXPECT_TRUE(d->Edit16->Focused());
        EXPECT_EQ(d->ComboBox1->Text(), "N95");
        EXPECT_EQ(d->ComboBox2->Text(), "电池");
        EXPECT_EQ(d->ComboBox3->Text(), "黑");
        EXPECT_EQ(d->ComboBox4->Text(), "");
        Type(d->ComboBox4, "摩托");
        Type(d->ComboBox1, "V3");
        Choose(d->RadioGroup1, 0);
        EXPECT_FALSE(d->GroupBox2->Enabled());
        EXPECT_TRUE(d->Edit18->Focused());
        EXPECT_EQ(d->ComboBox1->Text(), "");
        Choose(d->RadioGroup1, 1);
        EXPECT_EQ(d->ComboBox1->Text(), "N95") << "proposed again";
        EXPECT_EQ(d->ComboBox4->Text(), "摩托") << "the brand typed stays";

        d->ComboBox4->SetDroppedDown(true);
        ProcessMessages();
        d->ComboBox4->SetDroppedDown(false);
        EXPECT_EQ(d->ComboBox4->Items()->IndexOf("三星"), d->ComboBox4->Items()->Count() - 1);
        d->ComboBox3->SetDroppedDown(true);
        ProcessMessages();
        d->ComboBox3->SetDroppedDown(false);
        EXPECT_GE(d->ComboBox3->Items()->IndexOf("黑"), 0);

        // Enter walks the replacement's fields to 保存.
        d->Edit16->SetFocus();
        for (TWinControl* next : std::initializer_list<TWinControl*>{d->ComboBox4, d->ComboBox1, d->ComboBox2,
                                                                     d->ComboBox3, d->Edit17, d->Edit18, d->BitBtn1}) {
            PressKey(VK_RETURN);
            EXPECT_TRUE(next->Focused()) << AnsiToUtf8(next->Name());
        }
        EXPECT_TRUE(SaveWindowScreenshot(d->Handle(), ScreenshotDir() + "app-fanhuicaozuo.png"));
    });
}

TEST_F(FactoryReturnTest, APriceThatIsNoNumberIsRefusedAndNothingIsWritten) {
    Tfanhui* list = Open();
    ASSERT_NE(list, nullptr);
    InDialog(list, [&](Tfanhuicaozuo* d) {
        Choose(d->RadioGroup1, 1);
        d->Edit17->SetText("1.2.3");  // pasted past the key filter
        PushModalAnswer({IDOK, ""});
        Click(d->BitBtn1);
        EXPECT_TRUE(AskedAt(0, "价格必须是数字！", "系统提示", MB_ICONQUESTION));
        EXPECT_TRUE(d->Visible());
        EXPECT_TRUE(d->Edit17->Focused());
    });
    EXPECT_EQ(Scalar("select count(*) from 流水记录 where 已返回=true"), "0");
    EXPECT_EQ(Listed().size(), 3u);
}

TEST_F(FactoryReturnTest, ARejectedStatementShowsItsMessageAndTheDialogStays) {
    Run("create trigger refuse before update on 流水记录 begin select raise(abort, 'order is locked'); end");
    Tfanhui* list = Open();
    ASSERT_NE(list, nullptr);
    InDialog(list, [&](Tfanhuicaozuo* d) {
        PushModalAnswer({IDOK, ""});
        Click(d->BitBtn1);
        ASSERT_EQ(ModalQuestions().size(), 1u);
        EXPECT_NE(ModalQuestions()[0].text.find("order is locked"), AnsiString::npos);
        EXPECT_TRUE(d->Visible());
    });
    EXPECT_EQ(Scalar("select count(*) from 流水记录 where 已返回=true"), "0");
}

TEST_F(FactoryReturnTest, DoubleClickingAnEmptyListOpensNothing) {
    Run("update 流水记录 set 已返回=true");
    Tfanhui* list = Open();
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(Listed().empty());
    DoubleClickRow(list->DBGridVyn1);
    EXPECT_FALSE(fanhuicaozuo->Visible());
}

TEST_F(FactoryReturnTest, AfterATitleClickSortsTheListADoubleClickOpensTheOrderUnderIt) {
    Tfanhui* list = Open();
    ASSERT_NE(list, nullptr);
    for (int i = 0; i < 3 && DM1->ADOQuery2->FieldByName("串码")->AsString() != "C"; ++i) {
        ClickTitle(list->DBGridVyn1, 0);  // 串码
        DM1->ADOQuery2->First();
    }
    ASSERT_EQ(DM1->ADOQuery2->FieldByName("串码")->AsString(), "C") << "sorted by 串码 downwards";
    AnsiString opened;
    InDialog(list, [&](Tfanhuicaozuo*) { opened = DM1->ADOQuery2->FieldByName("编号")->AsString(); });
    EXPECT_EQ(opened, "0000000003");
}

}  // namespace
