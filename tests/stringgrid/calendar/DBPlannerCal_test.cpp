// The data-aware calendar on a temporary database: event days from each
// record's start and end, subjects joined per day, emptying when inactive or
// without a source, reloads on posting and month changes but not on
// scrolling, and a misspelled field leaving the calendar able to reload.
#include "stringgrid/calendar/DBPlannerCal.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/data/ado.h"
#include "platform/rtl/clock.h"
#include "support/ado_fixture.h"

namespace {

TDateTime D(Word year, Word month, Word day, double hour = 0) { return EncodeDate(year, month, day) + hour / 24; }

class DBPlannerCalendarTest : public AdoFixture {
protected:
    void SetUp() override {
        AdoFixture::SetUp();
        FreezeClock(D(2026, 3, 10, 12));
        Exec("CREATE TABLE 日程 (编号 INTEGER PRIMARY KEY, 开始 DATETIME, 结束 DATETIME, 内容 TEXT)");
        query_ = Open("SELECT * FROM 日程");
        source_ = std::make_unique<TDataSource>(nullptr);
        source_->SetDataSet(query_.get());
        calendar_ = std::make_unique<TDBPlannerCalendar>(nullptr);
        calendar_->SetStartTimeField("开始");
        calendar_->SetEndTimeField("结束");
        calendar_->SetSubjectField("内容");
        calendar_->SetDataSource(source_.get());
    }
    void TearDown() override {
        calendar_.reset();
        ReleaseClock();
    }
    void Add(TDateTime start, TDateTime end, const AnsiString& subject) {
        query_->Append();
        query_->FieldByName("开始")->SetAsDateTime(start);
        query_->FieldByName("结束")->SetAsDateTime(end);
        query_->FieldByName("内容")->SetAsString(subject);
        query_->Post();
    }
    int Days() const { return calendar_->EventItems()->Count(); }
    bool Marked(TDateTime day) const { return calendar_->EventItems()->FindDate(day) != nullptr; }

    std::unique_ptr<TADOQuery> query_;
    std::unique_ptr<TDataSource> source_;
    std::unique_ptr<TDBPlannerCalendar> calendar_;
};

TEST_F(DBPlannerCalendarTest, RecordsMarkTheirDays) {
    Add(D(2026, 3, 1, 9), D(2026, 3, 3, 17), "送修");
    Add(D(2026, 3, 11, 17), D(2026, 3, 13, 9), "返厂");
    Add(D(2026, 3, 1, 14), D(2026, 3, 1, 15), "取机");
    EXPECT_EQ(Days(), 0);  // not active yet
    calendar_->SetActive(true);
    EXPECT_TRUE(Marked(D(2026, 3, 3)));
    EXPECT_TRUE(Marked(D(2026, 3, 12)));
    EXPECT_FALSE(Marked(D(2026, 3, 13))) << "17:00 to 09:00 leaves out the end's day";
    EXPECT_EQ(Days(), 5);
    EXPECT_EQ(calendar_->EventItems()->FindDate(D(2026, 3, 1))->Hint(), "送修\r取机");

    calendar_->SetActive(false);
    EXPECT_EQ(Days(), 0);
    calendar_->SetActive(true);
    EXPECT_EQ(Days(), 5);
    calendar_->SetDataSource(nullptr);
    EXPECT_EQ(Days(), 0);
}

TEST_F(DBPlannerCalendarTest, PostingAndMonthChangesReloadScrollingDoesNot) {
    Add(D(2026, 3, 5), D(2026, 3, 5), "A");
    Add(D(2026, 3, 6), D(2026, 3, 6), "B");
    calendar_->SetActive(true);
    int inserts = 0;
    calendar_->SetOnEventInsert([&](TObject*, TSelDateItem*) { ++inserts; });
    query_->Prior();
    query_->Next();
    EXPECT_EQ(inserts, 0) << "moving between records reloads nothing";
    EXPECT_FALSE(query_->Eof());
    EXPECT_EQ(query_->FieldByName("内容")->AsString(), "B");
    query_->Edit();
    query_->FieldByName("结束")->SetAsDateTime(D(2026, 3, 8));
    query_->Post();
    EXPECT_GE(inserts, 2) << "each reload tells of both records";
    EXPECT_TRUE(Marked(D(2026, 3, 8)));
    EXPECT_EQ(query_->FieldByName("内容")->AsString(), "B") << "the current record is kept";
    inserts = 0;
    calendar_->ChangeMonth(+1);
    calendar_->DoDateChanges(calendar_->Date(), D(2026, 3, 10));
    EXPECT_EQ(inserts, 2) << "a month change reloads";
}

TEST_F(DBPlannerCalendarTest, AMisspelledFieldLeavesTheCalendarAbleToReload) {
    Add(D(2026, 3, 5), D(2026, 3, 5), "A");
    calendar_->SetSubjectField("内");
    EXPECT_THROW(calendar_->SetActive(true), Exception);
    calendar_->SetSubjectField("内容");
    calendar_->ReloadEvents();
    EXPECT_EQ(Days(), 1);
    query_->First();
    EXPECT_EQ(query_->FieldByName("内容")->AsString(), "A");
}

}  // namespace
