// Delivering phones through synthetic input with the clock fixed: the
// search of the orders back and not delivered with its six filters, the
// dialog showing an exchanged order, the delivery and a rejected statement.
#include <gtest/gtest.h>

#include "app/jiaofucaozuofrm.h"
#include "app/jiaofufrm.h"
#include "grid_probe.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/testseams.h"
#include "platform/win/testseams.h"
#include "support/temp_dir.h"
#include "workflow_fixture.h"

namespace {

class DeliveryTest : public WorkflowWindowTest {
protected:
    void SetUp() override {
        WorkflowWindowTest::SetUp();
        FreezeToday();
        AddOrder("0000000001", "A");
        AddOrder("0000000002", "B");
        AddOrder("0000000003", "C");
        AddOrder("0000000004", "D");
        AddOrder("0000000005", "E");
        Run("update 流水记录 set 已返厂=true,已返回=true,返回日期='2026-12-09'");
        Run("update 流水记录 set 电话='13812345678' where 编号='0000000001'");
        Run("update 流水记录 set 电话='021-1380' where 编号='0000000002'");
        Run("update 流水记录 set 电话='13900000000',已换机=true,新串码='N1',新品牌='三星',新价格=99 "
            "where 编号='0000000003'");
        Run("update 流水记录 set 已返回=false,退货=true where 编号='0000000004'");
        Run("update 流水记录 set 已交付=true where 编号='0000000005'");
    }

    Tjiaofu* Open() {
        main_->VxToolButton4->Click();
        ProcessMessages();
        return OnlyChild<Tjiaofu>();
    }

    std::vector<AnsiString> Listed() { return ListedValues(DM1->ADOQuery3); }
};

TEST_F(DeliveryTest, TheFiltersNarrowTheOrdersBackAndNotDelivered) {
    Tjiaofu* window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Caption(), "手机交付给顾客");
    EXPECT_EQ(ChildPosition(window).x, 0);
    EXPECT_TRUE(IsListGrid(window->DBGridVyn1, DM1->ADOQuery3));
    EXPECT_EQ(GridFields(window->DBGridVyn1).size(), 23u);
    EXPECT_EQ(UncentredTitles(window->DBGridVyn1), (std::vector<AnsiString>{"返回日期"}));
    EXPECT_EQ(Listed(), (std::vector<AnsiString>{"0000000001", "0000000002", "0000000003"}))
        << "neither the refunded nor the delivered order";

    Type(window->Edit6, "138");
    Click(window->BitBtn1);
    EXPECT_EQ(Listed(), (std::vector<AnsiString>{"0000000001", "0000000002"}));
    window->Edit6->Clear();
    Type(window->Edit5, "O'Brien");
    Click(window->BitBtn1);
    EXPECT_TRUE(Listed().empty()) << "a quote in a filter runs";
    window->Edit5->Clear();
    Type(window->Edit1, "_");
    Click(window->BitBtn1);
    EXPECT_EQ(Listed().size(), 3u) << "\"_\" stays a wildcard";
    Click(window->BitBtn2);
    ProcessMessages();
    EXPECT_EQ(main_->MDIChildCount(), 0);
}

TEST_F(DeliveryTest, DeliveringStoresTodayAndRepeatsTheSearchWithoutTheOrder) {
    Tjiaofu* window = Open();
    ASSERT_NE(window, nullptr);
    Type(window->Edit2, "诺基亚");
    Click(window->BitBtn1);
    EXPECT_TRUE(SaveWindowScreenshot(window->Handle(), ScreenshotDir() + "app-jiaofu.png"));
    DM1->ADOQuery3->MoveBy(2);  // the exchanged order
    bool shown = false;
    WhenShown(jiafucaozuo, [&] {
        shown = true;
        Tjiafucaozuo* d = jiafucaozuo;
        EXPECT_EQ(d->Edit2->Text(), "C");
        EXPECT_EQ(d->Edit17->Text(), "2026-12-09");
        EXPECT_TRUE(d->CheckBox1->Checked());
        EXPECT_FALSE(d->CheckBox1->Enabled());
        EXPECT_EQ(d->Edit19->Text(), "N1");
        EXPECT_EQ(d->Edit1->Text(), "三星");
        EXPECT_TRUE(d->Edit24->Focused());
        SimulateTyping("顾客'满意");
        PressKey(VK_RETURN);
        EXPECT_TRUE(d->BitBtn1->Focused());
        EXPECT_TRUE(SaveWindowScreenshot(d->Handle(), ScreenshotDir() + "app-jiafucaozuo.png"));
        PushModalAnswer({IDOK, ""});
        PressKey(VK_RETURN);
        EXPECT_TRUE(AskedAt(0, "手机交付给顾客操作成功！", "提示", MB_ICONINFORMATION));
    });
    window->OpenDeliveryDialog();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(jiafucaozuo->Visible());
    EXPECT_EQ(Scalar("select 交付日期||'|'||交付经手人||'|'||交付备注||'|'||已交付||'|'||已换机||'|'||新串码 from 流水记录 "
                     "where 编号='0000000003'"),
              "2026-12-10|0001|顾客'满意|1|1|N1");
    EXPECT_EQ(Listed(), (std::vector<AnsiString>{"0000000001", "0000000002"})) << "the same search again";
}

TEST_F(DeliveryTest, ARejectedStatementShowsItsMessageAndTheDialogStays) {
    Run("create trigger refuse before update on 流水记录 begin select raise(abort, 'order is locked'); end");
    Tjiaofu* window = Open();
    ASSERT_NE(window, nullptr);
    WhenShown(jiafucaozuo, [&] {
        PushModalAnswer({IDOK, ""});
        Click(jiafucaozuo->BitBtn1);
        ASSERT_EQ(ModalQuestions().size(), 1u);
        EXPECT_NE(ModalQuestions()[0].text.find("order is locked"), AnsiString::npos);
        EXPECT_TRUE(jiafucaozuo->Visible());
        Click(jiafucaozuo->BitBtn4);
    });
    DoubleClickRow(window->DBGridVyn1);
    EXPECT_EQ(Scalar("select count(*) from 流水记录 where 已交付=true"), "1");
    EXPECT_EQ(Listed().size(), 3u);
}

}  // namespace
