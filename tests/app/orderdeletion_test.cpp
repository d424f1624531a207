// The deletion and the send-to-factory batch below their windows, with the
// modal responder answering: what is deleted or marked, and that success is
// said only after the commit. What the operator does in the windows is
// tested on them (shanchujilufrm_test.cpp, fanchangfrm_test.cpp).
#include <gtest/gtest.h>

#include "app/factorysend.h"
#include "app/orderdeletion.h"
#include "order_fixture.h"
#include "platform/rtl/clock.h"
#include "platform/rtl/datetime.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/modalresponder.h"

namespace {

class Orders : public OrderDatabase {
protected:
    void SetUp() override {
        OrderDatabase::SetUp();
        for (const char* number : {"0000000001", "0000000002", "0000000003"}) {
            TReceptionRecord r = Phone(number, AnsiString("IMEI") + number);
            r.CustomerName = AnsiString("顾客") + number;
            InsertReception(query_, r);
        }
    }

    AnsiString Remaining() {
        AnsiString numbers;
        Scalar("select 编号 from 流水记录 order by 编号");  // leaves ADO123 on the first row
        for (TADOQuery* q = dm_->ADO123; !q->Eof(); q->Next()) numbers += q->FieldByName("编号")->AsString() + " ";
        return numbers;
    }

    FrozenClockScope clock_{EncodeDate(2026, 12, 10)};
};

TEST_F(Orders, DeletingALookedUpOrderRemovesExactlyIt) {
    TOrderDeletion deletion(*dm_);
    const auto texts = deletion.Lookup("0000000002");
    ASSERT_TRUE(texts.has_value());
    EXPECT_EQ((*texts)[0], "IMEI0000000002");
    EXPECT_EQ((*texts)[7], "顾客0000000002");
    ASSERT_TRUE(deletion.CanDelete());

    Answer(IDOK);  // confirm
    Answer(IDOK);  // 删除成功！
    EXPECT_TRUE(deletion.DeleteLookedUp(0));
    EXPECT_EQ(Remaining(), "0000000001 0000000003 ");
    ASSERT_EQ(ModalQuestions().size(), 2u);
    EXPECT_EQ(ModalQuestions()[0].text, "确实要删除该编号的接待记录？该操作不可恢复！请谨慎操作！");
    EXPECT_EQ(ModalQuestions()[1].text, "删除成功！");
    EXPECT_FALSE(deletion.CanDelete());
    EXPECT_FALSE(dm_->ADOConnection1->InTransaction());
}

TEST_F(Orders, ADeletionThatFailsOrIsNotCommittedShowsTheErrorAndNoSuccess) {
    const struct {
        const char* setUp;
        const char* shown;
    } cases[] = {
        {"create trigger refuse before delete on 流水记录 begin select raise(abort, 'order is locked'); end",
         "order is locked"},
        // The delete passes and the commit fails.
        {"create table guard(number TEXT references 流水记录(编号) deferrable initially deferred);"
         "insert into guard values('0000000002'); pragma foreign_keys=on",
         "FOREIGN KEY"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        Run(c.setUp);
        ResetModalResponder();
        TOrderDeletion deletion(*dm_);
        ASSERT_TRUE(deletion.Lookup("0000000002").has_value());
        Answer(IDOK);  // confirm
        Answer(IDOK);  // the error
        EXPECT_FALSE(deletion.DeleteLookedUp(0));
        ASSERT_EQ(ModalQuestions().size(), 2u) << "no 删除成功！";
        EXPECT_NE(ModalQuestions()[1].text.find(c.shown), AnsiString::npos) << ModalQuestions()[1].text;
        EXPECT_FALSE(dm_->ADOConnection1->InTransaction());
        EXPECT_EQ(Remaining(), "0000000001 0000000002 0000000003 ");
        EXPECT_TRUE(deletion.CanDelete()) << "the shown order may be tried again";
        Run("pragma foreign_keys=off; drop trigger if exists refuse; drop table if exists guard");
    }
}

TEST_F(Orders, TheFactoryQueueShowsEachWaitingOrderWithItsElevenTexts) {
    Run("update 流水记录 set 接待日期='2026-12-01', 价格=12.5 where 编号='0000000003'");
    Run("update 流水记录 set 已返厂=true where 编号='0000000002'");
    const std::vector<TFactoryQueueRow> rows = ReadFactoryQueue(*dm_);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Number, "0000000003") << "oldest first";
    EXPECT_EQ(rows[0].SubItems, (std::vector<AnsiString>{"IMEI0000000003", "诺基亚", "N95", "", "", "", "12.5",
                                                         "顾客0000000003", "", "", ""}));
    EXPECT_EQ(rows[1].Number, "0000000001");
}

TEST_F(Orders, TickedOrdersGoToTheFactoryInOneTransaction) {
    Answer(IDOK);
    EXPECT_TRUE(SendToFactory(*dm_, {"0000000001", "0000000003"}, "批次'7", "0002"));
    EXPECT_EQ(ModalQuestions().back().text, "返厂成功！");
    EXPECT_EQ(Scalar("select count(*) from 流水记录 where 已返厂=true and 返厂日期='2026-12-10' and "
                     "返厂经手人='0002' and 返厂备注='批次''7'"),
              "2");
    EXPECT_EQ(Scalar("select 已返厂 from 流水记录 where 编号='0000000002'"), "False") << "unticked stays";
}

TEST_F(Orders, ABatchWhoseCommitFailsIsRolledBackWithoutSuccess) {
    Run("create table guard(number TEXT references 流水记录(编号) deferrable initially deferred)");
    Run("create trigger refuse after update on 流水记录 begin insert into guard values('none'); end");
    Run("pragma foreign_keys=on");
    Answer(IDOK);  // the error
    EXPECT_FALSE(SendToFactory(*dm_, {"0000000001", "0000000002"}, "", "0002"));
    ASSERT_EQ(ModalQuestions().size(), 1u) << "no 返厂成功！";
    EXPECT_NE(ModalQuestions()[0].text.find("FOREIGN KEY"), AnsiString::npos) << ModalQuestions()[0].text;
    EXPECT_EQ(Scalar("select count(*) from 流水记录 where 已返厂=true"), "0") << "the whole batch rolled back";
    EXPECT_FALSE(dm_->ADOConnection1->InTransaction());
}

}  // namespace
