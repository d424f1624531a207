// The reminders with the clock fixed on 2026-12-10: each page lists the
// orders outside its range of days, the switch is read and written, and a
// settings file that cannot be written closes the window without a word.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/tixingfrm.h"
#include "grid_probe.h"
#include "platform/rtl/inifiles.h"
#include "platform/ui/testseams.h"
#include "platform/win/testseams.h"
#include "support/temp_dir.h"
#include "workflow_fixture.h"

namespace {

class RemindersTest : public WorkflowWindowTest {
protected:
    void SetUp() override {
        WorkflowWindowTest::SetUp();
        FreezeToday();
    }

    Ttixing* Open() {
        main_->N6->Click();
        ProcessMessages();
        return OnlyChild<Ttixing>();
    }

    // The switch lies beyond the offscreen screen's right edge: toggled by
    // the space bar.
    void Toggle(TCheckBox* box) {
        box->SetFocus();
        PressKey(VK_SPACE);
    }

    AnsiString Setting() { return TIniFile(SettingsFileName()).ReadString("程序参数", "提醒", "none"); }
};

TEST_F(RemindersTest, EachPageListsTheOrdersThatWaitedPastItsDays) {
    // Page 1: received and not sent, by the reception day.
    AddOrder("0000000001", "A", "2026-12-07");
    AddOrder("0000000002", "B", "2026-12-06");
    AddOrder("0000000003", "C", "2026-12-11");
    // Page 2: sent and not back, by the day sent; a refund stays there.
    AddOrder("0000000011", "D", "2026-11-01");
    AddOrder("0000000012", "E", "2026-11-01");
    AddOrder("0000000013", "F", "2026-11-01");
    Run("update 流水记录 set 已返厂=true,返厂日期='2026-11-30' where 编号='0000000011'");
    Run("update 流水记录 set 已返厂=true,返厂日期='2026-11-29' where 编号='0000000012'");
    Run("update 流水记录 set 已返厂=true,返厂日期='2026-11-01',退货=true where 编号='0000000013'");
    // Page 3: back and neither refunded nor delivered, by the day back.
    for (const char* n : {"0000000021", "0000000022", "0000000023"}) AddOrder(n, n, "2026-11-01");
    Run("update 流水记录 set 已返厂=true,返厂日期='2026-11-20',已返回=true where 编号>'0000000020'");
    Run("update 流水记录 set 返回日期='2026-12-09' where 编号='0000000021'");
    Run("update 流水记录 set 返回日期='2026-12-08' where 编号='0000000022'");
    Run("update 流水记录 set 返回日期='2026-12-01',已交付=true where 编号='0000000023'");

    Ttixing* window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Caption(), "提醒");
    EXPECT_EQ(window->PageControl1->ActivePage(), window->TabSheet1);
    EXPECT_EQ(window->TabSheet1->Caption(), "售后接待完成后超过3天未返厂的手机   ");
    EXPECT_EQ(window->TabSheet2->Caption(), "返厂后超过10天未返回的手机  ");
    EXPECT_EQ(window->TabSheet3->Caption(), "返回后超过1天未交付给顾客的手机");
    EXPECT_TRUE(IsListGrid(window->DBGridVyn3, DM1->ADOQuery5));
    EXPECT_TRUE(IsListGrid(window->DBGridVyn2, DM1->ADOQuery6));
    EXPECT_TRUE(IsListGrid(window->DBGridVyn1, DM1->ADOQuery7));
    EXPECT_EQ(GridFields(window->DBGridVyn3).size(), 14u);
    EXPECT_EQ(GridFields(window->DBGridVyn2).size(), 18u);
    EXPECT_EQ(GridFields(window->DBGridVyn1).size(), 29u);
    EXPECT_EQ(UncentredTitles(window->DBGridVyn1), (std::vector<AnsiString>{"返回日期"}));

    EXPECT_EQ(ListedValues(DM1->ADOQuery5), (std::vector<AnsiString>{"0000000002", "0000000003"}));
    EXPECT_EQ(ListedValues(DM1->ADOQuery6), (std::vector<AnsiString>{"0000000012", "0000000013"}));
    EXPECT_EQ(ListedValues(DM1->ADOQuery7), (std::vector<AnsiString>{"0000000022"}));
    window->PageControl1->SetActivePage(window->TabSheet3);
    ProcessMessages();
    EXPECT_TRUE(SaveWindowScreenshot(window->Handle(), ScreenshotDir() + "app-tixing.png"));
}

TEST_F(RemindersTest, TheSwitchIsReadAndWrittenAndAnUnwritableFileIsIgnored) {
    Ttixing* window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->CheckBox1->Checked()) << "the fixture's 提醒=0";
    Toggle(window->CheckBox1);
    window->Close();
    ProcessMessages();
    EXPECT_EQ(Setting(), "1");

    WriteSettings("[程序参数]\r\n店铺名称=恒通手机维修\r\n");
    window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->CheckBox1->Checked()) << "no key reads as on";
    Toggle(window->CheckBox1);
    window->Close();
    ProcessMessages();
    EXPECT_EQ(Setting(), "0");

    window = Open();
    ASSERT_NE(window, nullptr);
    std::filesystem::remove(SettingsFileName().c_str());
    std::filesystem::create_directory(SettingsFileName().c_str());
    window->Close();
    ProcessMessages();
    EXPECT_EQ(main_->MDIChildCount(), 0) << "closed";
    EXPECT_TRUE(ModalQuestions().empty()) << "without a message";
}

}  // namespace
