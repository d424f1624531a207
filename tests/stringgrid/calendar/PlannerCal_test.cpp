// The month calendar's model: the month grid's first row, week numbers,
// stepping months and years within bounds, invalid dates, a streamed date,
// positions and cells, event days; and its option objects and dated items.
#include "stringgrid/calendar/PlannerCal.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/clock.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/writer.h"
#include "platform/ui/modalresponder.h"

namespace {

TDateTime D(Word year, Word month, Word day) { return EncodeDate(year, month, day); }

class PlannerCalendarTest : public testing::Test {
protected:
    void SetUp() override {
        FreezeClock(D(2026, 12, 10) + 0.5);
        calendar_ = std::make_unique<TPlannerCalendar>(nullptr);  // it starts on the clock's day
    }
    void TearDown() override {
        calendar_.reset();
        ReleaseClock();
    }
    std::unique_ptr<TPlannerCalendar> calendar_;
};

TEST_F(PlannerCalendarTest, StartsOnTodayWithItsDefaults) {
    EXPECT_EQ(calendar_->Date(), D(2026, 12, 10));
    EXPECT_EQ(calendar_->Day(), 10);
    EXPECT_EQ(calendar_->Width(), 180);
    EXPECT_EQ(calendar_->StartDay(), 7);
    EXPECT_EQ(calendar_->CaptionText(), ShortMonthNames[11] + " 2026");
    EXPECT_EQ(calendar_->TodayFormat(), "\"Today\" DDD/mm, YYYY");
    calendar_->SetStartDay(0);
    EXPECT_EQ(calendar_->StartDay(), 1);
    calendar_->SetStartDay(9);
    EXPECT_EQ(calendar_->StartDay(), 7);
}

TEST_F(PlannerCalendarTest, TheFirstRowLeadsWithThePreviousMonthsDays) {
    struct Case {
        TDateTime month;
        int startDay, lead;
    };
    // March 2026 begins on a Sunday, June 2026 on a Monday.
    for (const Case& c : {Case{D(2026, 3, 1), 7, 0}, Case{D(2026, 3, 1), 1, 6}, Case{D(2026, 6, 1), 1, 0},
                          Case{D(2026, 6, 1), 7, 1}, Case{D(2026, 12, 1), 3, 6}}) {
        calendar_->SetStartDay(c.startDay);
        calendar_->GotoDate(c.month);
        EXPECT_EQ(calendar_->LeadDays(), c.lead) << c.startDay;
        EXPECT_EQ(calendar_->DateToCell(c.month), TPoint(c.lead + 1, 1));
        EXPECT_EQ(calendar_->DateToCell(c.month - 1), c.lead == 0 ? TPoint(7, 0) : TPoint(c.lead, 1));
    }
}

TEST_F(PlannerCalendarTest, GeometryAndPointsFollowTheSize) {
    calendar_->SetBounds(0, 0, 7 * 30 + 7, 8 * 20 - 8);
    calendar_->UpdateGeometry();
    EXPECT_EQ(calendar_->CellWidth(), 30);
    EXPECT_EQ(calendar_->RowHeight(), 20);
    EXPECT_EQ(calendar_->GridLeft(), 1);
    calendar_->SetShowWeeks(true);
    calendar_->SetShowGotoToday(true);
    calendar_->UpdateGeometry();
    EXPECT_EQ(calendar_->GridColCount(), 8);
    EXPECT_EQ(calendar_->GridLeft(), calendar_->CellWidth());
    calendar_->SetShowWeeks(false);
    calendar_->SetShowGotoToday(false);
    calendar_->UpdateGeometry();

    calendar_->SetStartDay(1);
    calendar_->GotoDate(D(2026, 12, 10));  // December 2026 begins on a Tuesday: one lead day
    const int cw = calendar_->CellWidth(), rh = calendar_->RowHeight();
    const auto point = [&](int column, int row) {  // the middle of a cell, 0-based
        return calendar_->PointToDate(column * cw + cw / 2, 16 + rh + row * rh + rh / 2, false);
    };
    EXPECT_EQ(point(1, 0), D(2026, 12, 1));
    EXPECT_EQ(point(0, 0), D(2026, 11, 30));
    EXPECT_EQ(point(3, 5), D(2027, 1, 7));
    EXPECT_EQ(calendar_->Date(), D(2026, 12, 10));  // no month step asked for
    EXPECT_EQ(calendar_->PointToDate(0, 16 + rh + rh / 2, true), D(2026, 11, 30));
    EXPECT_EQ(calendar_->FocusDate(), D(2026, 11, 10));  // the month stepped back, the day kept
    const TRect cell = calendar_->DateCellRect(D(2026, 11, 30));
    EXPECT_EQ(cell.right - cell.left, cw + 2);
    EXPECT_EQ(cell.bottom - cell.top, rh);
}

TEST_F(PlannerCalendarTest, IsoWeekNumbers) {
    calendar_->SetStartDay(1);
    calendar_->YearStartAt()->SetISOWeekNumber(true);
    calendar_->GotoDate(D(2010, 1, 15));
    calendar_->UpdateISOYearStarts();
    EXPECT_EQ(calendar_->WeekNumber(1), 53);
    EXPECT_EQ(calendar_->WeekNumber(2), 1);
    EXPECT_EQ(calendar_->WeekNumber(3), 2);
    calendar_->GotoDate(D(2008, 12, 15));
    calendar_->UpdateISOYearStarts();
    EXPECT_EQ(calendar_->WeekNumber(5), 1);  // 29 December 2008 .. 4 January 2009
    EXPECT_EQ(calendar_->WeekNumber(4), 52);
}

TEST_F(PlannerCalendarTest, StepsKeepTheDayWithinTheMonthAndTheBounds) {
    calendar_->GotoDate(D(2008, 2, 29));
    calendar_->ChangeYear(+1);
    EXPECT_EQ(calendar_->Date(), D(2009, 2, 28));

    calendar_->GotoDate(D(2009, 1, 31));
    calendar_->ChangeMonth(+1);
    EXPECT_EQ(calendar_->Date(), D(2009, 2, 28));
    calendar_->GotoDate(D(2009, 1, 31));
    calendar_->MaxDate()->SetYear(2009);
    calendar_->MaxDate()->SetMonth(2);
    calendar_->MaxDate()->SetDay(10);
    calendar_->MaxDate()->SetUse(true);
    calendar_->ChangeMonth(+1);
    EXPECT_EQ(calendar_->Date(), D(2009, 2, 10));
    calendar_->ChangeYear(+1);  // refused: past the bound
    EXPECT_EQ(calendar_->Date(), D(2009, 2, 10));
    EXPECT_FALSE(calendar_->DateInRange(D(2009, 2, 11)));
    EXPECT_TRUE(calendar_->MonthInRange(D(2009, 2, 28)));
    EXPECT_FALSE(calendar_->MonthInRange(D(2009, 3, 1)));
    calendar_->MaxDate()->SetDay(31);  // 31 February: no date, so no bound
    EXPECT_TRUE(calendar_->DateInRange(D(2030, 1, 1)));

    calendar_->GotoDate(D(2026, 12, 10));
    EXPECT_EQ(calendar_->StepMonthDate(-1), D(2026, 11, 30));
    EXPECT_EQ(calendar_->StepMonthDate(+1), D(2027, 1, 1));
    calendar_->SetShowDaysAfter(false);
    EXPECT_TRUE(calendar_->DateSelectable(D(2026, 12, 31)));
    EXPECT_TRUE(calendar_->DateSelectable(D(2027, 1, 1)));  // month numbers alone: January is earlier
    calendar_->SetShowDaysBefore(false);
    EXPECT_FALSE(calendar_->DateSelectable(D(2027, 1, 1)));
}

TEST_F(PlannerCalendarTest, AnInvalidDateIsRefusedAndLeavesTheDate) {
    calendar_->GotoDate(D(2026, 1, 31));
    try {
        calendar_->SetMonth(2);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Invalid date 31/2/2026");
    }
    EXPECT_EQ(calendar_->Date(), D(2026, 1, 31));
    EXPECT_EQ(calendar_->Month(), 1);
}

TEST_F(PlannerCalendarTest, AStreamedDateLoadsAsSaved) {
    const std::string text =
        "object Cal: TPlannerCalendar\n  Day = 29\n  Month = 2\n  Year = 2008\n  StartDay = 1\nend\n";
    std::unique_ptr<TComponent> loaded(ReadComponentFromString(text, nullptr));
    auto* calendar = dynamic_cast<TPlannerCalendar*>(loaded.get());
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->Date(), D(2008, 2, 29));
    // A part left out (as a saved 1 is) loads as 1.
    std::unique_ptr<TComponent> first(
        ReadComponentFromString("object Cal: TPlannerCalendar\n  Day = 17\n  Year = 2008\nend\n", nullptr));
    EXPECT_EQ(static_cast<TPlannerCalendar*>(first.get())->Date(), D(2008, 1, 17));
}

TEST_F(PlannerCalendarTest, SelectionAndChangeEvents) {
    calendar_->GotoDate(D(2026, 12, 10));
    EXPECT_EQ(calendar_->SelectedDates()->Count(), 1);
    calendar_->SetMultiSelect(true);
    calendar_->SelectedDates()->AddRange(D(2026, 12, 11), D(2026, 12, 12));
    EXPECT_EQ(calendar_->SelectedDates()->Count(), 3);
    calendar_->SetMultiSelect(false);
    EXPECT_EQ(calendar_->SelectedDates()->Count(), 0);

    std::vector<std::string> fired;
    calendar_->SetOnDayChange([&](TObject*, TDateTime, TDateTime) { fired.push_back("day"); });
    calendar_->SetOnMonthChange([&](TObject*, TDateTime, TDateTime) { fired.push_back("month"); });
    calendar_->SetOnYearChange([&](TObject*, TDateTime, TDateTime) { fired.push_back("year"); });
    calendar_->DoDateChanges(D(2027, 1, 10), D(2026, 12, 10));
    EXPECT_EQ(fired, (std::vector<std::string>{"month", "year"}));
}

TEST_F(PlannerCalendarTest, EventDaysFromTheCollectionAndTheHandlers) {
    calendar_->SetEventHints(true);
    calendar_->EventItems()->AddEventRangeWithHint("维修", evsSquare, clRed, D(2026, 12, 3) + 0.75, D(2026, 12, 3) + 0.8);
    calendar_->SetOnGetDateHint([](TObject*, TDateTime dt, bool& isEvent) { isEvent = dt == D(2026, 12, 5); });
    calendar_->SetOnGetDateHintString(
        [](TObject*, TDateTime, bool&, AnsiString& hint) { hint = "from the handler"; });
    TEventProp* seen = nullptr;
    calendar_->SetOnGetEventProp([&](TObject*, TDateTime, TEventProp*& event) {
        seen = event;
        if (event) event->SetColor(clBlue);  // changed without a repaint
    });
    TSelDateItem* item = nullptr;
    EXPECT_TRUE(calendar_->GetDateEvent(item, D(2026, 12, 3)));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(seen, item);
    EXPECT_EQ(item->Color(), clBlue);
    EXPECT_EQ(calendar_->EventItems()->RepaintLock(), 0);
    EXPECT_TRUE(calendar_->GetDateEvent(item, D(2026, 12, 5)));
    EXPECT_EQ(item, nullptr);
    EXPECT_EQ(calendar_->EventHintText(), "from the handler");
    EXPECT_FALSE(calendar_->GetDateEvent(item, D(2026, 12, 6)));
    calendar_->EventItems()->SetVisible(false);
    EXPECT_FALSE(calendar_->GetDateEvent(item, D(2026, 12, 3)));
    EXPECT_TRUE(calendar_->IsInactiveDay(D(2026, 12, 12)));  // a Saturday
    EXPECT_FALSE(calendar_->IsInactiveDay(D(2026, 12, 11)));
}

TEST(CalendarOptions, NamesAndYearStarts) {
    TNameOfDays days;
    EXPECT_EQ(days.GetDayName(8), days.GetDayName(1));
    EXPECT_EQ(days.GetDayName(1), ShortDayNames[1]);  // Monday
    EXPECT_EQ(days.GetDayName(7), ShortDayNames[0]);  // Sunday
    EXPECT_EQ(days.GetDayName(0), "");
    EXPECT_EQ(days.GetDayName(15), "");
    days.SetName(1, "一");
    days.SetUseIntlNames(false);
    EXPECT_EQ(days.GetDayName(1), "一");
    days.SetUseIntlNames(true);
    EXPECT_EQ(days.GetDayName(1), ShortDayNames[1]);
    TNameOfMonths months;
    EXPECT_EQ(months.GetMonthName(12), ShortMonthNames[11]);
    EXPECT_EQ(months.GetMonthName(13), "");

    ResetModalResponder();
    PushModalAnswer({1, ""});
    TYearStartAt starts(nullptr);
    int changes = 0;
    starts.SetOnChange([&](TObject*) { ++changes; });
    starts.SetStartDay(32);
    EXPECT_EQ(starts.StartDay(), 1);
    ASSERT_EQ(ModalQuestions().size(), 1u);
    EXPECT_EQ(ModalQuestions()[0].text, "Invalid day. Should be in [1..31]");
    starts.SetStartMonth(12);
    EXPECT_EQ(starts.StartMonth(), 12);
    EXPECT_EQ(changes, 1);
    ResetModalResponder();
}

TEST(CalendarOptions, DatedItemsCompareWholeDays) {
    TSelDateItems items(nullptr);
    items.AddRange(D(2026, 12, 1) + 10.0 / 24, D(2026, 12, 3) + 9.0 / 24);
    ASSERT_EQ(items.Count(), 2);  // the 1st and the 2nd: 10:00 on the 3rd is past 09:00
    EXPECT_EQ(items.IndexOfDate(D(2026, 12, 2)), 1);
    items.Items(1)->SetDate(D(2026, 12, 2) + 0.75);
    EXPECT_EQ(items.IndexOfDate(D(2026, 12, 2)), 1);
    items.AddEventRangeWithHint("A", evsTriangle, clRed, D(2026, 12, 2), D(2026, 12, 2));
    items.AddEventRangeWithHint("B", evsTriangle, clRed, D(2026, 12, 2), D(2026, 12, 2));
    EXPECT_EQ(items.FindDate(D(2026, 12, 2))->Hint(), "A\rB");
    items.DeleteRange(D(2026, 12, 3), D(2026, 12, 1));
    EXPECT_EQ(items.Count(), 0);
    items.EndUpdate();  // unmatched: nothing happens
    EXPECT_EQ(items.RepaintLock(), 0);
    items.BeginUpdate();
    items.BeginUpdate();
    items.EndUpdate();
    EXPECT_EQ(items.RepaintLock(), 1);
    items.ReleaseUpdate();
    EXPECT_EQ(items.RepaintLock(), 0);
}

}  // namespace
