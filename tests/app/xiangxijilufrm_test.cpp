// The service history with the clock fixed: one order in each state, each
// step on its own day, queried by every state and date choice, with the
// pickers in either order, and the IMEI search at every keystroke.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/xiangxijilufrm.h"
#include "grid_probe.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/fileutils.h"
#include "platform/rtl/typinfo.h"
#include "platform/ui/modalresponder.h"
#include "platform/ui/dialogs.h"
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

// EXCEL: each filter writes its format with its extension added unless
// the name has it; an empty list asks nothing; Cancel writes nothing; a
// folder that does not exist shows the error and no success.
TEST_F(HistoryTest, TheListIsExportedInEachFormat) {
    Txiangxijilu* window = Open();
    ASSERT_NE(window, nullptr);
    Choose(window->RadioGroup1, 5);
    Choose(window->RadioGroup2, 4);
    Click(window->BitBtn2);
    ASSERT_EQ(Listed(), "123456");
    TempDir dir;
    const char* extensions[] = {"txt", "csv", "htm", "rtf", "xls"};
    for (int filter = 1; filter <= 5; ++filter) {
        ResetModalResponder();
        PushModalAnswer({filter, dir.file("list")});
        PushModalAnswer({IDOK, ""});
        Click(window->BitBtn6);
        EXPECT_TRUE(FileExists(dir.file("list.") + extensions[filter - 1])) << filter;
        ASSERT_EQ(ModalQuestions().size(), 2u) << filter;
        EXPECT_EQ(ModalQuestions()[1].text, "导出数据成功！");
        EXPECT_EQ(ModalQuestions()[1].caption, "提示");
    }
    // After title clicks sort 串码 downwards, the text file lists the rows
    // in that order, with the footer.
    for (int i = 0; i < 3 && DM1->ADOQuery4->FieldByName("串码")->AsString() != "86000006"; ++i) {
        ClickTitle(window->DBGridVyn1, 1);
        DM1->ADOQuery4->First();
    }
    ASSERT_EQ(DM1->ADOQuery4->FieldByName("串码")->AsString(), "86000006");
    ResetModalResponder();
    PushModalAnswer({1, dir.file("sorted")});
    PushModalAnswer({IDOK, ""});
    Click(window->BitBtn6);
    std::string text;
    ASSERT_TRUE(ReadFileBytes(dir.file("sorted.txt"), text));
    EXPECT_NE(text.find("合计数量"), std::string::npos);
    EXPECT_LT(text.find("86000006"), text.find("86000004"));
    EXPECT_LT(text.find("86000004"), text.find("35693801"));

    ResetModalResponder();
    PushModalAnswer({5, dir.file("kept.XLS")});
    PushModalAnswer({IDOK, ""});
    Click(window->BitBtn6);
    EXPECT_TRUE(FileExists(dir.file("kept.XLS")));
    EXPECT_FALSE(FileExists(dir.file("kept.XLS.xls")));

    ResetModalResponder();
    PushModalAnswer({0, ""});  // cancelled
    Click(window->BitBtn6);
    EXPECT_EQ(ModalQuestions().size(), 1u);

    ResetModalResponder();
    PushModalAnswer({1, dir.file("missing/list")});
    PushModalAnswer({IDOK, ""});
    Click(window->BitBtn6);
    EXPECT_FALSE(FileExists(dir.file("missing/list.txt")));
    for (const ModalQuestion& q : ModalQuestions()) EXPECT_NE(q.text, "导出数据成功！");

    Type(window->Edit1, "nothing");
    ASSERT_EQ(Listed(), "");
    ResetModalResponder();
    Click(window->BitBtn6);
    EXPECT_TRUE(ModalQuestions().empty()) << "an empty list asks nothing";
    ResetModalResponder();
}

// Ctrl+F in the list, as its user does it: "Find text" opens modally on the
// current column; with every column chosen, Enter finds the IMEI typed. The
// dialog is reached as the application's component, by its names.
TEST_F(HistoryTest, CtrlFFindsAnOrderInTheList) {
    Txiangxijilu* window = Open();
    ASSERT_NE(window, nullptr);
    dynamic_cast<TWinControl*>(window->FindComponent("DBGridVyn1"))->SetFocus();
    ProcessMessages();
    // The clock stands still here: the dialog is used once the modal loop idles.
    AnsiString caption, column;
    bool modal = false, acted = false;
    Application->SetOnIdle(TIdleEvent([&](TObject*, bool&) {
        auto* dialog = static_cast<TForm*>(Application->FindComponent("DBGridVynFindDlg"));
        if (acted || !dialog || !dialog->Visible()) return;
        acted = true;
        SimulateKey(VK_CONTROL, false);
        caption = dialog->Caption();
        modal = dialog->FormState().Contains(fsModal);
        TComponent* findIn = dialog->FindComponent("cbFindIn");
        column = GetStrProp(findIn, "Text");
        SetStrProp(findIn, "Text", "<All>");
        SimulateTyping("86000005");
        SimulateKey(VK_RETURN, true);
        SimulateKey(VK_RETURN, false);
        SimulateKey(VK_ESCAPE, true);
        SimulateKey(VK_ESCAPE, false);
    }));
    SimulateKey(VK_CONTROL, true);
    SimulateKey('F', true);
    SimulateKey('F', false);
    ProcessMessages();
    Application->SetOnIdle({});
    EXPECT_EQ(caption, "Find text");
    EXPECT_TRUE(modal);
    EXPECT_EQ(column, "单据编号");
    EXPECT_TRUE(ModalQuestions().empty()) << "found, so no message";
    EXPECT_FALSE(static_cast<TForm*>(Application->FindComponent("DBGridVynFindDlg"))->Visible());
    EXPECT_EQ(DM1->ADOQuery4->FieldByName("串码")->AsString(), "86000005");
}

}  // namespace
