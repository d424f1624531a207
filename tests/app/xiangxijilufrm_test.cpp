// The service history with the clock fixed: one order in each state, each
// step on its own day, queried by every state and date choice, with the
// pickers in either order, and the IMEI search at every keystroke.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/xiangxijilufrm.h"
#include "grid_probe.h"
#include "platform/rtl/datetime.h"
#include "platform/ui/testseams.h"
#include "platform/win/testseams.h"
#include "support/temp_dir.h"
#include "workflow_fixture.h"

namespace {

class HistoryTest : public WorkflowWindowTest {
protected:
    void SetUp() override {
        WorkflowWindowTest::SetUp();
        FreezeToday();
        // Order n is received on 12-0n and goes one step further each day.
        AddOrder("1", "35693801", "2026-12-01");
        AddOrder("2", "35693802", "2026-12-02");
        AddOrder("3", "35693803", "2026-12-03");
        AddOrder("4", "86000004", "2026-12-04");
        AddOrder("5", "86000005", "2026-12-05");
        AddOrder("6", "86000006", "2026-12-06");
        Run("update 流水记录 set 已返厂=true,返厂日期='2026-12-03' where 编号='2'");
        Run("update 流水记录 set 已返厂=true,返厂日期='2026-12-04',退货=true where 编号='3'");
        Run("update 流水记录 set 已返厂=true,返厂日期='2026-12-05',已返回=true,返回日期='2026-12-06' where 编号='4'");
        Run("update 流水记录 set 已返厂=true,返厂日期='2026-12-06',已返回=true,返回日期='2026-12-07',已换机=true "
            "where 编号='5'");
        Run("update 流水记录 set 已返厂=true,返厂日期='2026-12-07',已返回=true,返回日期='2026-12-08',已交付=true,"
            "交付日期='2026-12-09' where 编号='6'");
    }

    Txiangxijilu* Open() {
        main_->VxToolButton12->Click();
        ProcessMessages();
        return OnlyChild<Txiangxijilu>();
    }

    // The numbers listed, in number order.
    static AnsiString Listed() {
        AnsiString numbers;
        std::vector<AnsiString> all = ListedValues(DM1->ADOQuery4);
        std::sort(all.begin(), all.end());
        for (const AnsiString& n : all) numbers += n;
        return numbers;
    }
};

TEST_F(HistoryTest, EveryStateAndDateChoiceListsItsOrdersWhateverThePickersOrder) {
    Txiangxijilu* window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Caption(), "手机售后服务历史记录查询");
    EXPECT_TRUE(IsListGrid(window->DBGridVyn1, DM1->ADOQuery4, 1));
    EXPECT_EQ(GridFields(window->DBGridVyn1).size(), 35u);
    EXPECT_EQ(GridTitle(window->DBGridVyn1, 0), "单据编号");
    EXPECT_EQ(UncentredTitles(window->DBGridVyn1), (std::vector<AnsiString>{"返回日期"}));
    EXPECT_EQ(window->RadioGroup1->ItemIndex(), 5);
    EXPECT_EQ(window->RadioGroup2->ItemIndex(), 4);
    EXPECT_EQ(Listed(), "123456") << "every order at first";
    EXPECT_EQ(window->SaveDialog1->FilterIndex(), 5);

    // Rows: received, at the factory, back, delivered, refunded, all; columns:
    // by reception, sending, return, delivery day (12-03 to 12-06), any day.
    const char* expected[6][5] = {
        {"", "", "", "", "1"},
        {"", "2", "", "", "2"},
        {"45", "45", "4", "", "45"},
        {"6", "", "", "", "6"},
        {"3", "3", "", "", "3"},
        {"3456", "2345", "4", "", "123456"},
    };
    const TDateTime early = EncodeDate(2026, 12, 3), late = EncodeDate(2026, 12, 6);
    for (const auto& [from, to] : {std::pair{early, late}, std::pair{late, early}}) {
        window->DateTimePicker1->SetDate(from);
        window->DateTimePicker2->SetDate(to);
        for (int state = 0; state < 6; ++state)
            for (int date = 0; date < 5; ++date) {
                Choose(window->RadioGroup1, state);
                Choose(window->RadioGroup2, date);
                Click(window->BitBtn2);
                EXPECT_EQ(Listed(), expected[state][date]) << "state " << state << ", date " << date;
            }
    }
}

TEST_F(HistoryTest, TheImeiSearchRunsAtEveryKeystrokeWhateverTheChoices) {
    Txiangxijilu* window = Open();
    ASSERT_NE(window, nullptr);
    Choose(window->RadioGroup1, 0);
    Click(window->BitBtn2);
    EXPECT_EQ(Listed(), "1");
    Type(window->Edit1, "8600");
    EXPECT_EQ(Listed(), "456") << "states and dates are not applied";
    SimulateTyping("0005");
    ProcessMessages();
    EXPECT_EQ(Listed(), "5");
    SimulateTyping("'");
    ProcessMessages();
    EXPECT_EQ(Listed(), "") << "a quote runs";
    window->Edit1->Clear();
    ProcessMessages();
    EXPECT_EQ(Listed(), "123456") << "emptied, every order";
    EXPECT_TRUE(SaveWindowScreenshot(window->Handle(), ScreenshotDir() + "app-xiangxijilu.png"));
}

}  // namespace
