// The loans of spare phones and their return with the clock fixed: the
// list by state and lending day, the quick search, and the return in one
// transaction, including one refused and then repeated.
#include <gtest/gtest.h>

#include "app/shoujifanhuancaozuofrm.h"
#include "app/shoujifanhuanfrm.h"
#include "app/sparephones.h"
#include "grid_probe.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/fileutils.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/testseams.h"
#include "platform/win/testseams.h"
#include "support/temp_dir.h"
#include "workflow_fixture.h"

namespace {

class LoansTest : public WorkflowWindowTest {
protected:
    void SetUp() override {
        WorkflowWindowTest::SetUp();
        FreezeToday();
        // Loans lent on 12-01 (returned), 12-03, 12-05 and 12-08 (open).
        Lend("A", "111", "2026-12-08");
        Lend("B", "222", "2026-12-03");
        Lend("C", "333", "2026-12-05");
        Lend("D", "444", "2026-12-01");
        Run("update 领用记录 set 已返还=true,返还日期='2026-12-02' where 顾客='D'");
        Run("update 备用机库 set 领用=false,顾客姓名=null,领用日期=null where 串码='444'");
    }

    void Lend(const AnsiString& customer, const AnsiString& imei, const AnsiString& date) {
        InsertSpare(DM1->ADOall, imei, "诺基亚", "N95", "黑", "电池");
        InsertLoan(DM1->ADOall, {customer, "F" + imei, "N70", "", date, imei, "诺基亚", "N95", "黑", "电池"});
        MarkSpareLent(DM1->ADOall, imei, customer, date);
    }

    Tshoujifanhuan* Open() {
        main_->N16->Click();
        ProcessMessages();
        return OnlyChild<Tshoujifanhuan>();
    }

    static AnsiString Listed() {
        AnsiString customers;
        for (const AnsiString& c : ListedValues(DM1->ADOQuery10, "顾客")) customers += c;
        return customers;
    }

    // Puts the list's cursor on the loan of `customer`.
    static void Choose(const AnsiString& customer) {
        TDataSet* loans = DM1->ADOQuery10;
        for (loans->First(); !loans->Eof(); loans->Next())
            if (loans->FieldByName("顾客")->AsString() == customer) return;
    }

    // Returns the current loan through the dialog on `day` with `remark`.
    void ReturnCurrent(Tshoujifanhuan* window, TDateTime day, const AnsiString& remark, int answers = 1) {
        WhenShown(shoujifanhuancaozuo, [&] {
            Tshoujifanhuancaozuo* d = shoujifanhuancaozuo;
            EXPECT_TRUE(d->DateTimePicker1->Focused());
            d->DateTimePicker1->SetDate(day);
            PressKey(VK_RETURN);
            SimulateTyping(remark);
            PressKey(VK_RETURN);
            EXPECT_TRUE(d->BitBtn1->Focused());
            for (int i = 0; i < answers; ++i) PushModalAnswer({IDOK, ""});
            PressKey(VK_RETURN);
            if (d->Visible() && answers > 1) {
                Run("drop trigger refuse");
                PressKey(VK_RETURN);  // the same loan again
            }
        });
        window->DBGridVyn1DblClick(nullptr);
    }
};

TEST_F(LoansTest, AReturnClosesTheLoanFreesThePhoneAndCannotBeRepeated) {
    Tshoujifanhuan* window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Caption(), "备用手机使用情况/返还");
    EXPECT_TRUE(IsListGrid(window->DBGridVyn1, DM1->ADOQuery10));
    EXPECT_EQ(GridFields(window->DBGridVyn1).size(), 13u);
    EXPECT_EQ(window->SaveDialog1->FilterIndex(), 5);
    EXPECT_EQ(Listed(), "DBCA") << "every loan, oldest first";
    EXPECT_TRUE(SaveWindowScreenshot(window->Handle(), ScreenshotDir() + "app-shoujifanhuan.png"));

    Choose("A");
    WhenShown(shoujifanhuancaozuo, [&] {
        EXPECT_EQ(shoujifanhuancaozuo->Edit1->Text(), "A");
        EXPECT_EQ(shoujifanhuancaozuo->Edit5->Text(), "2026-12-08");
        EXPECT_EQ(shoujifanhuancaozuo->Edit6->Text(), "111");
        EXPECT_TRUE(SaveWindowScreenshot(shoujifanhuancaozuo->Handle(), ScreenshotDir() + "app-shoujifanhuancaozuo.png"));
        Click(shoujifanhuancaozuo->BitBtn4);
    });
    window->DBGridVyn1DblClick(nullptr);

    Choose("A");
    ReturnCurrent(window, EncodeDate(2026, 12, 10), "完好'无损");
    EXPECT_TRUE(AskedAt(0, "备用手机返还操作成功！", "提示", MB_ICONINFORMATION));
    EXPECT_FALSE(shoujifanhuancaozuo->Visible());
    EXPECT_EQ(Scalar("select 已返还||'|'||返还日期||'|'||返还说明 from 领用记录 where 顾客='A'"), "1|2026-12-10|完好'无损");
    EXPECT_EQ(Scalar("select 领用||'|'||ifnull(顾客姓名,'-')||'|'||ifnull(领用日期,'-') from 备用机库 where 串码='111'"),
              "0|-|-");
    Choose("A");
    EXPECT_EQ(DM1->ADOQuery10->FieldByName("返还日期")->AsDateTime(), EncodeDate(2026, 12, 10));
    // A's row is the fourth; the user double-clicks it.
    DM1->ADOQuery10->First();
    PushModalAnswer({IDOK, ""});
    DoubleClickRow(window->DBGridVyn1, 3);
    EXPECT_EQ(DM1->ADOQuery10->FieldByName("顾客")->AsString(), "A");
    EXPECT_TRUE(AskedAt(1, "该条记录中使用的备用手机已经返还完毕！", "提示", MB_ICONERROR));
}

TEST_F(LoansTest, ARefusedStockUpdateLeavesTheLoanOpenAndASecondPressReturnsIt) {
    Run("create trigger refuse before update on 备用机库 begin select raise(abort, 'stock locked'); end");
    Tshoujifanhuan* window = Open();
    ASSERT_NE(window, nullptr);
    Choose("B");
    ReturnCurrent(window, EncodeDate(2026, 12, 10), "x", 2);
    ASSERT_GE(ModalQuestions().size(), 2u);
    EXPECT_NE(ModalQuestions()[0].text.find("stock locked"), AnsiString::npos);
    EXPECT_TRUE(AskedAt(1, "备用手机返还操作成功！", "提示", MB_ICONINFORMATION));
    EXPECT_EQ(Scalar("select group_concat(顾客) from 领用记录 where 已返还=true"), "B,D") << "that same loan";
    EXPECT_EQ(Scalar("select 领用||'' from 备用机库 where 串码='222'"), "0");
}

TEST_F(LoansTest, AReturnWhosePhoneWasDeletedStillClosesTheLoan) {
    Run("delete from 备用机库 where 串码='333'");
    Tshoujifanhuan* window = Open();
    ASSERT_NE(window, nullptr);
    Choose("C");
    ReturnCurrent(window, EncodeDate(2026, 12, 9), "");
    EXPECT_TRUE(AskedAt(0, "备用手机返还操作成功！", "提示", MB_ICONINFORMATION));
    EXPECT_EQ(Scalar("select 已返还||'' from 领用记录 where 顾客='C'"), "1");
}

TEST_F(LoansTest, TheListFollowsStateAndDaysAndTheSearchIgnoresThem) {
    Tshoujifanhuan* window = Open();
    ASSERT_NE(window, nullptr);
    const TDateTime early = EncodeDate(2026, 12, 3), late = EncodeDate(2026, 12, 5);
    // Rows: 未返还, 已返还, 显示全部; columns: all dates, 12-03 to 12-05.
    const char* expected[3][2] = {{"BCA", "BC"}, {"D", ""}, {"DBCA", "BC"}};
    for (const auto& [from, to] : {std::pair{early, late}, std::pair{late, early}}) {
        window->DateTimePicker1->SetDate(from);
        window->DateTimePicker2->SetDate(to);
        for (int state = 0; state < 3; ++state)
            for (int range = 0; range < 2; ++range) {
                WorkflowWindowTest::Choose(window->RadioGroup1, state);
                window->CheckBox1->SetChecked(range == 0);
                Click(window->BitBtn2);
                EXPECT_EQ(Listed(), expected[state][range]) << state << " " << range;
            }
    }
    window->Edit7->SetText("4");
    ProcessMessages();
    EXPECT_EQ(Listed(), "D") << "a returned loan too, whatever the state";
}

// EXCEL with the name the dialog offers and the XLS filter writes
// file1.xls, every loan in it (their faulty phones' IMEIs).
TEST_F(LoansTest, TheListIsExportedUnderTheOfferedName) {
    Tshoujifanhuan* window = Open();
    ASSERT_NE(window, nullptr);
    TempDir dir;
    window->SaveDialog1->SetInitialDir(dir.path());
    PushModalAnswer({5, "file1"});
    PushModalAnswer({IDOK, ""});
    Click(window->BitBtn6);
    ASSERT_EQ(ModalQuestions().size(), 2u);
    EXPECT_EQ(ModalQuestions()[0].kind, "SaveDialog");
    EXPECT_TRUE(AskedAt(1, "导出数据成功！", "提示", MB_ICONINFORMATION));
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(dir.file("file1.xls"), bytes));
    for (const char* imei : {"F111", "F222", "F333", "F444"}) EXPECT_NE(bytes.find(imei), std::string::npos) << imei;
}

}  // namespace
