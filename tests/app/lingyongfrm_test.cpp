// Lending spare phones through synthetic input: taking a phone by its IMEI
// or from the fuzzy search, the required fields, the loan with its stock
// update in one transaction.
#include <gtest/gtest.h>

#include "app/lingyongfrm.h"
#include "app/sparephones.h"
#include "grid_probe.h"
#include "platform/rtl/datetime.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/testseams.h"
#include "platform/win/testseams.h"
#include "support/temp_dir.h"
#include "workflow_fixture.h"

namespace {

class LendingTest : public WorkflowWindowTest {
protected:
    void SetUp() override {
        WorkflowWindowTest::SetUp();
        FreezeToday();
        InsertSpare(DM1->ADOall, "111", "诺基亚", "N95", "黑", "电池");
        InsertSpare(DM1->ADOall, "222", "诺基亚", "N70", "白", "无");
        InsertSpare(DM1->ADOall, "333", "三星", "S8", "黑", "无");
        Run("update 备用机库 set 领用=true,顾客姓名='王明',领用日期='2026-12-01' where 串码='222'");
        AddOrder("0000000001", "A");
    }

    Tlingyong* Open() {
        main_->N15->Click();
        ProcessMessages();
        return OnlyChild<Tlingyong>();
    }

    static std::vector<AnsiString> Found() { return ListedValues(DM1->ADOQuery9, "串码"); }
};

TEST_F(LendingTest, APhoneTakenByItsImeiIsLentOnThePickersDay) {
    Tlingyong* window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Caption(), "备用手机领用");
    EXPECT_EQ(ChildPosition(window).x, 150);
    EXPECT_FALSE(window->GroupBox2->Visible());

    PushModalAnswer({IDOK, ""});
    Type(window->Edit1, "999");
    PressKey(VK_RETURN);
    EXPECT_TRUE(AskedAt(0, "此串码不存在！", "提示", MB_ICONERROR));
    PushModalAnswer({IDOK, ""});
    SimulateTyping("222");
    PressKey(VK_RETURN);
    EXPECT_TRUE(AskedAt(1, "此串码的手机已经领用！", "系统提示", MB_ICONERROR));
    EXPECT_EQ(window->Edit1->Text(), "");

    SimulateTyping("111");
    PressKey(VK_RETURN);
    EXPECT_EQ(window->Edit2->Text(), "111");
    EXPECT_EQ(window->Edit4->Text(), "N95");
    EXPECT_TRUE(window->Edit7->Focused());
    SimulateTyping("O'Brien");
    PressKey(VK_RETURN);
    SimulateTyping("35693801");
    PressKey(VK_RETURN);
    EXPECT_TRUE(window->ComboBox1->Focused());
    window->ComboBox1->SetDroppedDown(true);
    ProcessMessages();
    window->ComboBox1->SetDroppedDown(false);
    EXPECT_EQ(window->ComboBox1->Items()->IndexOf("N95"), 0) << "the models of the service orders";
    SimulateTyping("N95");
    PressKey(VK_RETURN);
    PressKey(VK_RETURN);
    window->DateTimePicker1->SetDate(EncodeDate(2026, 12, 8));
    PressKey(VK_RETURN);
    EXPECT_TRUE(window->BitBtn1->Focused());
    PushModalAnswer({IDOK, ""});
    PressKey(VK_RETURN);
    EXPECT_TRUE(AskedAt(2, "备用手机领用录入成功！", "系统提示", MB_ICONQUESTION));
    EXPECT_EQ(window->Edit2->Text(), "");
    EXPECT_EQ(Scalar("select 顾客||'|'||故障机串码||'|'||故障机型号||'|'||领用日期||'|'||备用机串码||'|'||备用机品牌||'|'||"
                     "备用机配件||'|'||已返还 from 领用记录"),
              "O'Brien|35693801|N95|2026-12-08|111|诺基亚|电池|0");
    EXPECT_EQ(Scalar("select 领用||'|'||顾客姓名||'|'||领用日期 from 备用机库 where 串码='111'"),
              "1|O'Brien|2026-12-08");
    PushModalAnswer({IDOK, ""});
    SimulateTyping("111");
    PressKey(VK_RETURN);
    EXPECT_TRUE(AskedAt(3, "此串码的手机已经领用！", "系统提示", MB_ICONERROR)) << "refused until returned";
}

TEST_F(LendingTest, TheFuzzySearchListsPhonesInStockAndTakesTheChosenOne) {
    Tlingyong* window = Open();
    ASSERT_NE(window, nullptr);
    Type(window->Edit7, "张三");
    Type(window->Edit3, "诺基亚");
    PressKey(VK_RETURN);
    EXPECT_TRUE(window->GroupBox2->Visible());
    EXPECT_EQ(Found(), (std::vector<AnsiString>{"111"})) << "never a lent phone";
    EXPECT_EQ(window->Edit7->Text(), "") << "the other fields emptied";
    EXPECT_EQ(window->Edit3->Text(), "诺基亚");
    EXPECT_TRUE(SaveWindowScreenshot(window->Handle(), ScreenshotDir() + "app-lingyong.png"));
    PressKey(VK_RETURN);  // in the grid
    EXPECT_FALSE(window->GroupBox2->Visible());
    EXPECT_EQ(window->Edit2->Text(), "111");

    window->Edit5->Clear();
    Click(window->BitBtn7);
    EXPECT_EQ(Found(), (std::vector<AnsiString>{"111", "333"})) << "an empty text: every phone in stock";
    window->DBGridVyn1DblClick(nullptr);
    EXPECT_FALSE(window->GroupBox2->Visible());
    EXPECT_EQ(window->Edit2->Text(), "111");

    window->Edit4->SetText("X");
    Click(window->BitBtn6);
    EXPECT_TRUE(Found().empty());
    window->TakeSpareFromSearch();
    EXPECT_FALSE(window->GroupBox2->Visible()) << "an empty result only hides the box";
    EXPECT_EQ(window->Edit2->Text(), "");
}

TEST_F(LendingTest, BothRequiredFieldsAndARefusedStockUpdateLeaveNoLoan) {
    Run("create trigger refuse before update on 备用机库 begin select raise(abort, 'stock locked'); end");
    Tlingyong* window = Open();
    ASSERT_NE(window, nullptr);
    PushModalAnswer({IDOK, ""});
    Click(window->BitBtn1);
    EXPECT_TRUE(AskedAt(0, "备用手机串码不能为空！", "提示", MB_ICONERROR));
    EXPECT_TRUE(window->Edit1->Focused());
    SimulateTyping("333");
    PressKey(VK_RETURN);
    PushModalAnswer({IDOK, ""});
    Click(window->BitBtn1);
    EXPECT_TRUE(AskedAt(1, "顾客姓名不能为空！", "提示", MB_ICONERROR));
    EXPECT_TRUE(window->Edit7->Focused());
    SimulateTyping("李四");
    PushModalAnswer({IDOK, ""});
    Click(window->BitBtn1);
    ASSERT_EQ(ModalQuestions().size(), 3u);
    EXPECT_NE(ModalQuestions()[2].text.find("stock locked"), AnsiString::npos);
    EXPECT_EQ(Scalar("select count(*) from 领用记录"), "0") << "rolled back with the stock update";
    EXPECT_EQ(window->Edit7->Text(), "李四") << "the fields keep their contents";
}

}  // namespace
