// Encoding, decoding and calendar arithmetic of TDateTime, and the
// clock-reading routines. Conversion to and from text lives in
// datetimetext.cpp.
#include "platform/rtl/datetime.h"

#include <cmath>
#include <cstdio>

#include "platform/rtl/exceptions.h"

namespace {

// 9999-12-31 as a time-stamp day.
constexpr Integer MaxTimeStampDate = 3652059;

constexpr Word MonthDays[2][12] = {
    {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

// Time-stamp day of a valid date.
Integer DayNumber(Word year, Word month, Word day) {
    Integer days = day;
    for (int m = 1; m < month; ++m) days += MonthDays[IsLeapYear(year)][m - 1];
    const Integer y = year - 1;
    return y * 365 + y / 4 - y / 100 + y / 400 + days;
}

}  // namespace

TTimeStamp DateTimeToTimeStamp(TDateTime value) {
    // Whole milliseconds, rounded half to even as the platform's FPU does;
    // before 1899-12-30 the day counts back while the time runs forward.
    const double total = std::nearbyint(value * MSecsPerDay);
    const double days = std::trunc(std::fabs(total) / MSecsPerDay);
    const double date = (total < 0 ? -days : days) + DateDelta;
    if (!(date >= 1 && date <= MaxTimeStampDate)) {
        char text[64];
        std::snprintf(text, sizeof text, "'%.4f' is not a valid timestamp", value);
        throw EConvertError(text);
    }
    const Int64 time = Int64(std::fabs(total)) % MSecsPerDay;
    return TTimeStamp{Integer(time), Integer(date)};
}

TDateTime TimeStampToDateTime(const TTimeStamp& stamp) {
    const Int64 days = Int64(stamp.Date) - DateDelta;
    const Int64 total = days * MSecsPerDay + (days < 0 ? -Int64(stamp.Time) : Int64(stamp.Time));
    return double(total) / MSecsPerDay;
}

Int64 TimeStampToMSecs(const TTimeStamp& stamp) { return Int64(stamp.Date) * MSecsPerDay + stamp.Time; }

TTimeStamp MSecsToTimeStamp(Int64 milliseconds) {
    return TTimeStamp{Integer(milliseconds % MSecsPerDay), Integer(milliseconds / MSecsPerDay)};
}

TDateTime Now() { return ClockNow(); }

TDateTime Date() {
    return TimeStampToDateTime(TTimeStamp{0, DateTimeToTimeStamp(ClockNow()).Date});
}

TDateTime Time() { return double(DateTimeToTimeStamp(ClockNow()).Time) / MSecsPerDay; }

Word CurrentYear() {
    Word year, month, day;
    DecodeDate(ClockNow(), year, month, day);
    return year;
}

bool IsLeapYear(Word year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

Word DaysInAMonth(Word year, Word month) {
    return month >= 1 && month <= 12 ? MonthDays[IsLeapYear(year)][month - 1] : 0;
}

bool TryEncodeDate(Word year, Word month, Word day, TDateTime& result) {
    if (year < 1 || year > 9999 || day < 1 || day > DaysInAMonth(year, month)) return false;
    result = DayNumber(year, month, day) - DateDelta;
    return true;
}

TDateTime EncodeDate(Word year, Word month, Word day) {
    TDateTime result;
    if (!TryEncodeDate(year, month, day, result)) throw EConvertError("Invalid argument to date encode");
    return result;
}

bool TryEncodeTime(Word hour, Word min, Word sec, Word msec, TDateTime& result) {
    if (hour >= HoursPerDay || min >= 60 || sec >= 60 || msec >= 1000) return false;
    result = double(((hour * 60 + min) * 60 + sec) * 1000 + msec) / MSecsPerDay;
    return true;
}

TDateTime EncodeTime(Word hour, Word min, Word sec, Word msec) {
    TDateTime result;
    if (!TryEncodeTime(hour, min, sec, msec, result)) throw EConvertError("Invalid argument to time encode");
    return result;
}

void DecodeDate(TDateTime value, Word& year, Word& month, Word& day) {
    // Count whole 400-, 100-, 4- and 1-year cycles from 0001-01-01.
    constexpr Integer D1 = 365, D4 = D1 * 4 + 1, D100 = D4 * 25 - 1, D400 = D100 * 4 + 1;
    Integer days = DateTimeToTimeStamp(value).Date - 1;
    Integer y = 1;
    y += days / D400 * 400;
    days %= D400;
    Integer centuries = days / D100;
    if (centuries == 4) centuries = 3;  // the last day of a 400-year cycle
    y += centuries * 100;
    days -= centuries * D100;
    y += days / D4 * 4;
    days %= D4;
    Integer years = days / D1;
    if (years == 4) years = 3;  // the last day of a leap year
    y += years;
    days -= years * D1;
    const bool leap = IsLeapYear(Word(y));
    Word m = 1;
    while (days >= MonthDays[leap][m - 1]) days -= MonthDays[leap][m++ - 1];
    year = Word(y);
    month = m;
    day = Word(days + 1);
}

void DecodeTime(TDateTime value, Word& hour, Word& min, Word& sec, Word& msec) {
    Integer ms = DateTimeToTimeStamp(value).Time;
    msec = Word(ms % 1000);
    ms /= 1000;
    sec = Word(ms % 60);
    ms /= 60;
    min = Word(ms % 60);
    hour = Word(ms / 60);
}

int DayOfWeek(TDateTime value) {
    // Time-stamp day 1, 0001-01-01, was a Monday.
    return DateTimeToTimeStamp(value).Date % 7 + 1;
}

TDateTime IncMonth(TDateTime value, int months) {
    const TTimeStamp stamp = DateTimeToTimeStamp(value);
    Word year, month, day;
    DecodeDate(value, year, month, day);
    const Int64 total = Int64(year) * 12 + (month - 1) + months;
    const Int64 newYear = total >= 0 ? total / 12 : -1;
    if (newYear < 1 || newYear > 9999) throw EConvertError("Invalid argument to date encode");
    const Word newMonth = Word(total % 12 + 1);
    const Word lastDay = DaysInAMonth(Word(newYear), newMonth);
    const Integer newDate = DayNumber(Word(newYear), newMonth, day < lastDay ? day : lastDay);
    return TimeStampToDateTime(TTimeStamp{stamp.Time, newDate});
}
