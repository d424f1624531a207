// The send-to-factory window through synthetic input with the clock fixed:
// the waiting orders oldest first, ticks by mouse and by 全选/全清, one
// batch for the ticked orders, and a rejected batch that changes nothing.
#include <gtest/gtest.h>

#include <vector>

#include "app/fanchangfrm.h"
#include "platform/win/commctrl.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/testseams.h"
#include "workflow_fixture.h"

namespace {

class FactoryWindowTest : public WorkflowWindowTest {
protected:
    void SetUp() override {
        WorkflowWindowTest::SetUp();
        FreezeToday();
        AddOrder("0000000001", "A", "2026-12-08");
        AddOrder("0000000002", "B", "2026-12-01");
        AddOrder("0000000003", "C", "2026-12-09");
        AddOrder("0000000004", "D", "2026-12-02");
        AddOrder("0000000005", "E", "2026-12-03");
        Run("update 流水记录 set 退货=true where 编号='0000000004'");
        Run("update 流水记录 set 已返厂=true where 编号='0000000005'");
    }

    // Opens the window from the toolbar and moves it into the 800-pixel
    // offscreen screen.
    Tfanchang* Open() {
        main_->VxToolButton11->Click();
        Tfanchang* window = OnlyChild<Tfanchang>();
        if (!window) return nullptr;
        ProcessMessages();
        openedAt_ = ChildPosition(window);
        window->SetLeft(0);
        ProcessMessages();
        return window;
    }

    static std::vector<AnsiString> Captions(TListView* view) {
        std::vector<AnsiString> captions;
        for (int i = 0; i < view->Items()->Count(); ++i) captions.push_back(view->Items()->Item(i)->Caption());
        return captions;
    }

    static std::vector<bool> Ticks(TListView* view) {
        std::vector<bool> ticks;
        for (int i = 0; i < view->Items()->Count(); ++i) ticks.push_back(view->Items()->Item(i)->Checked());
        return ticks;
    }

    // A click on the check box of row `index`.
    static void Tick(TListView* view, int index) {
        RECT row;
        row.left = LVIR_BOUNDS;
        SendMessage(view->Handle(), LVM_GETITEMRECT, WPARAM(index), LPARAM(&row));
        SimulateClick(view->Handle(), {row.left + 6, (row.top + row.bottom) / 2});
        ProcessMessages();
    }

    AnsiString Sent() { return Scalar("select count(*) from 流水记录 where 已返厂=true"); }

    POINT openedAt_{};
};

TEST_F(FactoryWindowTest, TickedOrdersGoToTheFactoryInOneBatchAndUntickedOnesStay) {
    Tfanchang* window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Caption(), "手机返厂");
    EXPECT_EQ(openedAt_.x, 0);
    EXPECT_EQ(openedAt_.y, 0);
    main_->N29->Click();
    EXPECT_EQ(OnlyChild<Tfanchang>(), window) << "one window per caption";

    TListView* list = window->ListView1;
    ASSERT_EQ(list->Columns()->Count(), 12);
    EXPECT_EQ(list->Columns()->Items(0)->Caption(), "单据编号");
    EXPECT_EQ(list->Columns()->Items(11)->Caption(), "处理意见");
    EXPECT_EQ(Captions(list), (std::vector<AnsiString>{"0000000002", "0000000001", "0000000003"}))
        << "oldest first; refunded and sent orders are not listed";
    const TStrings* sub = list->Items()->Item(0)->SubItems();
    ASSERT_EQ(sub->Count(), 11);
    EXPECT_EQ(sub->Strings(0), "B");
    EXPECT_EQ(sub->Strings(1), "诺基亚");
    EXPECT_EQ(sub->Strings(6), "0") << "the price";

    Click(window->Button1);
    EXPECT_EQ(Ticks(list), (std::vector<bool>{true, true, true}));
    Click(window->Button2);
    EXPECT_EQ(Ticks(list), (std::vector<bool>{false, false, false}));
    Tick(list, 0);
    Tick(list, 2);
    EXPECT_EQ(Ticks(list), (std::vector<bool>{true, false, true}));

    Type(window->Edit1, "屏幕不亮");
    PushModalAnswer({IDOK, ""});
    Click(window->BitBtn1);
    EXPECT_TRUE(AskedAt(0, "返厂成功！", "提示", MB_ICONINFORMATION));
    ProcessMessages();
    EXPECT_EQ(main_->MDIChildCount(), 0) << "the window closed and freed itself";
    EXPECT_FALSE(DM1->ADOConnection1->InTransaction());

    EXPECT_EQ(Sent(), "3");
    EXPECT_EQ(Scalar("select count(*) from 流水记录 where 已返厂=true and 返厂日期='2026-12-10' and "
                     "返厂经手人='0001' and 返厂备注='屏幕不亮' and 编号 in ('0000000002','0000000003')"),
              "2");
    EXPECT_EQ(Scalar("select count(*) from 流水记录 where 编号='0000000001' and 已返厂=false and 返厂日期 is null"),
              "1");
}

TEST_F(FactoryWindowTest, ARejectedUpdateRollsTheWholeBatchBackAndTheWindowStaysWithItsTicks) {
    Run("create trigger refuse before update on 流水记录 when new.编号='0000000003' "
        "begin select raise(abort, 'order is locked'); end");
    Tfanchang* window = Open();
    ASSERT_NE(window, nullptr);
    Click(window->Button1);
    PushModalAnswer({IDOK, ""});  // the error
    Click(window->BitBtn1);
    ASSERT_EQ(ModalQuestions().size(), 1u);
    EXPECT_NE(ModalQuestions()[0].text.find("order is locked"), AnsiString::npos) << ModalQuestions()[0].text;
    EXPECT_EQ(Sent(), "1") << "only the order sent before";
    EXPECT_FALSE(DM1->ADOConnection1->InTransaction());
    ProcessMessages();
    ASSERT_EQ(OnlyChild<Tfanchang>(), window);
    EXPECT_EQ(Ticks(window->ListView1), (std::vector<bool>{true, true, true}));
}

TEST_F(FactoryWindowTest, NothingTickedStillSaysSuccessAndClosesAnEmptyListDoesNothing) {
    Tfanchang* window = Open();
    ASSERT_NE(window, nullptr);
    PushModalAnswer({IDOK, ""});
    Click(window->BitBtn1);
    EXPECT_TRUE(AskedAt(0, "返厂成功！", "提示", MB_ICONINFORMATION));
    ProcessMessages();
    EXPECT_EQ(main_->MDIChildCount(), 0) << "the window closed";
    EXPECT_EQ(Sent(), "1") << "no order marked";

    Run("update 流水记录 set 已返厂=true");
    window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->ListView1->Items()->Count(), 0);
    Click(window->BitBtn1);
    ProcessMessages();
    EXPECT_EQ(ModalQuestions().size(), 1u) << "nothing said";
    EXPECT_EQ(OnlyChild<Tfanchang>(), window) << "the window stays";
}

}  // namespace
