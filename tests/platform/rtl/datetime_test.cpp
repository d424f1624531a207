#include "platform/rtl/datetime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/rtl/exceptions.h"

namespace {

struct CalendarDay {
    Word year, month, day;
    TDateTime serial;
    int dayOfWeek;
};

// Serial numbers and weekdays around the epoch, leap days and the ends of
// the range.
TEST(DateTime, EncodesAndDecodesDays) {
    const CalendarDay days[] = {
        {1, 1, 1, -693593, 2},
        {1899, 12, 29, -1, 6},
        {1899, 12, 30, 0, 7},
        {1899, 12, 31, 1, 1},
        {1900, 1, 1, 2, 2},
        {1900, 2, 28, 60, 4},
        {1900, 3, 1, 61, 5},  // 1900 has no 29 February
        {2000, 1, 1, 36526, 7},
        {2000, 2, 29, 36585, 3},
        {2024, 2, 29, 45351, 5},
        {2026, 12, 10, 46366, 5},
        {9999, 12, 31, 2958465, 6},
    };
    for (const CalendarDay& d : days) {
        EXPECT_EQ(EncodeDate(d.year, d.month, d.day), d.serial) << d.year << '-' << d.month << '-' << d.day;
        Word year, month, day;
        DecodeDate(d.serial < 0 ? d.serial - 0.75 : d.serial + 0.75, year, month, day);  // 18:00
        EXPECT_EQ(year * 10000 + month * 100 + day, d.year * 10000 + d.month * 100 + d.day) << d.serial;
        EXPECT_EQ(DayOfWeek(d.serial), d.dayOfWeek) << d.serial;
    }
}

TEST(DateTime, DecodeDateInvertsEncodeDateOverTheWholeRange) {
    for (Integer serial = -693593; serial <= 2958465; serial += 97) {
        Word year, month, day;
        DecodeDate(serial, year, month, day);
        ASSERT_EQ(EncodeDate(year, month, day), serial);
    }
}

TEST(DateTime, TimeBeforeTheEpochRunsForwardFromMidnight) {
    Word year, month, day, hour, min, sec, msec;
    DecodeDate(-1.25, year, month, day);
    DecodeTime(-1.25, hour, min, sec, msec);
    EXPECT_EQ(day, 29);
    EXPECT_EQ(hour, 6);
    DecodeDate(-0.5, year, month, day);  // the day of the epoch itself, at noon
    DecodeTime(-0.5, hour, min, sec, msec);
    EXPECT_EQ(day, 30);
    EXPECT_EQ(hour, 12);
}

TEST(DateTime, EncodesAndDecodesTimes) {
    EXPECT_DOUBLE_EQ(EncodeTime(12, 0, 0, 0), 0.5);
    EXPECT_DOUBLE_EQ(EncodeTime(6, 0, 0, 0), 0.25);
    Word hour, min, sec, msec;
    DecodeTime(EncodeDate(2026, 12, 10) + EncodeTime(23, 59, 58, 999), hour, min, sec, msec);
    EXPECT_EQ(hour * 10000000 + min * 100000 + sec * 1000 + msec, 235958999);
    // Just short of midnight rounds to the next day's first millisecond.
    const TDateTime almost = EncodeDate(2026, 12, 10) + (MSecsPerDay - 0.4) / MSecsPerDay;
    Word year, month, day;
    DecodeDate(almost, year, month, day);
    DecodeTime(almost, hour, min, sec, msec);
    EXPECT_EQ(day, 11);
    EXPECT_EQ(hour + min + sec + msec, 0);
}

TEST(DateTime, RejectsInvalidArguments) {
    struct Ymd {
        Word year, month, day;
    };
    for (const Ymd& d : {Ymd{2026, 2, 29}, Ymd{2100, 2, 29}, Ymd{2026, 4, 31}, Ymd{2026, 13, 1}, Ymd{2026, 0, 1},
                         Ymd{2026, 1, 0}, Ymd{0, 1, 1}, Ymd{10000, 1, 1}}) {
        EXPECT_THROW(EncodeDate(d.year, d.month, d.day), EConvertError) << d.year << '-' << d.month << '-' << d.day;
        TDateTime untouched = 7;
        EXPECT_FALSE(TryEncodeDate(d.year, d.month, d.day, untouched));
        EXPECT_EQ(untouched, 7);
    }
    struct Hmsz {
        Word hour, min, sec, msec;
    };
    for (const Hmsz& t : {Hmsz{24, 0, 0, 0}, Hmsz{0, 60, 0, 0}, Hmsz{0, 0, 60, 0}, Hmsz{0, 0, 0, 1000}}) {
        EXPECT_THROW(EncodeTime(t.hour, t.min, t.sec, t.msec), EConvertError);
        TDateTime untouched = 7;
        EXPECT_FALSE(TryEncodeTime(t.hour, t.min, t.sec, t.msec, untouched));
        EXPECT_EQ(untouched, 7);
    }
    try {
        EncodeDate(2026, 2, 30);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Invalid argument to date encode");
    }
}

TEST(DateTime, DecodingOutsideTheRangeRaises) {
    Word year, month, day;
    for (TDateTime bad : {-693594.0, 2958466.0, 1e300, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_THROW(DecodeDate(bad, year, month, day), EConvertError) << bad;
}

TEST(DateTime, LeapYears) {
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2026));
    EXPECT_FALSE(IsLeapYear(2100));
    EXPECT_EQ(DaysInAMonth(2024, 2), 29);
    EXPECT_EQ(DaysInAMonth(2100, 2), 28);
    EXPECT_EQ(DaysInAMonth(2026, 13), 0);
}

struct MonthStep {
    Word year, month, day;
    int months;
    Word newYear, newMonth, newDay;
};

TEST(DateTime, IncMonthClampsToTheLastDayOfTheMonth) {
    const MonthStep steps[] = {
        {2026, 1, 31, 1, 2026, 2, 28},  {2024, 1, 31, 1, 2024, 2, 29},  {2024, 3, 31, -1, 2024, 2, 29},
        {2026, 5, 31, 1, 2026, 6, 30},  {2026, 1, 15, -13, 2024, 12, 15}, {2026, 12, 10, 1, 2027, 1, 10},
        {2026, 1, 10, -1, 2025, 12, 10}, {2024, 2, 29, 12, 2025, 2, 28}, {2026, 12, 31, -24, 2024, 12, 31},
        {1900, 1, 31, 1, 1900, 2, 28},  {2026, 3, 15, 0, 2026, 3, 15},
    };
    for (const MonthStep& s : steps) {
        const TDateTime from = EncodeDate(s.year, s.month, s.day) + 0.75;
        EXPECT_DOUBLE_EQ(IncMonth(from, s.months), EncodeDate(s.newYear, s.newMonth, s.newDay) + 0.75)
            << s.year << '-' << s.month << '-' << s.day << " + " << s.months;
    }
    // Before the epoch the time of day is kept as well: 1899-12-29 06:00.
    EXPECT_DOUBLE_EQ(IncMonth(-1.25, -1), EncodeDate(1899, 11, 29) - 0.25);
    EXPECT_THROW(IncMonth(EncodeDate(9999, 12, 1), 1), EConvertError);
    EXPECT_THROW(IncMonth(EncodeDate(1, 1, 1), -1), EConvertError);
}

TEST(DateTime, TimeStampsCountFromTheFirstDayOfYearOne) {
    const TTimeStamp stamp = DateTimeToTimeStamp(-1.25);
    EXPECT_EQ(stamp.Date, DateDelta - 1);
    EXPECT_EQ(stamp.Time, MSecsPerDay / 4);
    EXPECT_DOUBLE_EQ(TimeStampToDateTime(stamp), -1.25);
    EXPECT_DOUBLE_EQ(TimeStampToDateTime(MSecsToTimeStamp(TimeStampToMSecs(stamp))), -1.25);
}

}  // namespace
