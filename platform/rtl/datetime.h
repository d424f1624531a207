// TDateTime and the date and time routines of SysUtils: the clock-reading
// functions, encoding and decoding, calendar arithmetic, and conversion to
// and from text through the locale settings of formatsettings.h.
//
// A TDateTime counts days since 1899-12-30; its fraction is the time of day.
// Before that day the integral part counts back and the fraction still runs
// forward from midnight: -1.25 is 1899-12-29 06:00. The valid range is
// 0001-01-01 to 9999-12-31; decoding anything outside it (or NaN) raises
// EConvertError.
#pragma once

#include "platform/rtl/clock.h"
#include "platform/rtl/types.h"

constexpr Integer HoursPerDay = 24;
constexpr Integer MinsPerDay = HoursPerDay * 60;
constexpr Integer SecsPerDay = MinsPerDay * 60;
constexpr Integer MSecsPerDay = SecsPerDay * 1000;
// Days from 0001-01-01 (day 1 of a time stamp) to 1899-12-30.
constexpr Integer DateDelta = 693594;

// A moment as whole days since 0001-01-01 (which is day 1) and milliseconds
// since midnight.
struct TTimeStamp {
    Integer Time;
    Integer Date;
};

// Rounds to the nearest millisecond, so 23:59:59.9996 becomes the next day.
TTimeStamp DateTimeToTimeStamp(TDateTime value);
TDateTime TimeStampToDateTime(const TTimeStamp& stamp);
Int64 TimeStampToMSecs(const TTimeStamp& stamp);
TTimeStamp MSecsToTimeStamp(Int64 milliseconds);

// The clock (see clock.h): today with the time, today at midnight, the time
// of day alone.
TDateTime Now();
TDateTime Date();
TDateTime Time();
Word CurrentYear();

bool IsLeapYear(Word year);
// Days in `month` (1..12) of `year`; 0 for a month out of range.
Word DaysInAMonth(Word year, Word month);

// EncodeDate/EncodeTime raise EConvertError on a value out of range (year
// 1..9999, a day the month has; hour < 24, minute and second < 60, msec <
// 1000); the Try forms answer false and leave `result` alone.
TDateTime EncodeDate(Word year, Word month, Word day);
bool TryEncodeDate(Word year, Word month, Word day, TDateTime& result);
TDateTime EncodeTime(Word hour, Word min, Word sec, Word msec);
bool TryEncodeTime(Word hour, Word min, Word sec, Word msec, TDateTime& result);
void DecodeDate(TDateTime value, Word& year, Word& month, Word& day);
void DecodeTime(TDateTime value, Word& hour, Word& min, Word& sec, Word& msec);

// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(TDateTime value);

// The same day `months` months later (earlier when negative), clamped to the
// last day of a shorter month; the time of day is kept.
TDateTime IncMonth(TDateTime value, int months = 1);

// Formatting codes (letters in either case; other text is copied):
//   c       short date, then a blank and the long time unless it is midnight
//   d dd    day (dd: two digits)        ddd dddd  short/long day name
//   ddddd   short date                  dddddd    long date
//   aaa aaaa short/long day name        g gg      EraName
//   e ee    year of the era in two digits (e drops a leading zero); eee four
//   m mm    month, or minutes when the last code before was an hour
//   mmm mmmm short/long month name      yy yyyy   year (two/four digits)
//   h hh n nn s ss                      hour, minute, second
//   z zzz   millisecond                 t tt      short/long time
//   am/pm a/p  12-hour clock with those letters; ampm with TimeAMString/TimePMString
//   / :     DateSeparator, TimeSeparator
//   'x' "x" quoted text, copied as it is
// An empty format means "c". Chinese characters are copied whole, so trail
// bytes that look like letters are never taken for codes; like punctuation
// they leave an m after an hour meaning minutes ("h时m分").
AnsiString FormatDateTime(const AnsiString& format, TDateTime value);
void DateTimeToString(AnsiString& result, const AnsiString& format, TDateTime value);

AnsiString DateToStr(TDateTime value);      // ShortDateFormat
AnsiString TimeToStr(TDateTime value);      // LongTimeFormat
AnsiString DateTimeToStr(TDateTime value);  // "c"

// Reading dates: two or three numbers separated by DateSeparator, in the
// order ShortDateFormat gives (year first, day first or month first); without
// a year the current year is taken; a year of one or two digits is placed by
// TwoDigitYearCenturyWindow. Times: hour[:min[:sec[.msec]]] with
// TimeSeparator and DecimalSeparator, with TimeAMString/TimePMString or
// AM/PM before or after. Blanks around the parts are allowed; anything else
// makes the text invalid: the plain forms raise EConvertError ("'x' is not a
// valid date"), the Try forms answer false, the Def forms answer `fallback`.
TDateTime StrToDate(const AnsiString& s);
TDateTime StrToDateDef(const AnsiString& s, TDateTime fallback);
bool TryStrToDate(const AnsiString& s, TDateTime& value);
TDateTime StrToTime(const AnsiString& s);
TDateTime StrToTimeDef(const AnsiString& s, TDateTime fallback);
bool TryStrToTime(const AnsiString& s, TDateTime& value);
// A date, optionally followed by a time; or a time alone.
TDateTime StrToDateTime(const AnsiString& s);
TDateTime StrToDateTimeDef(const AnsiString& s, TDateTime fallback);
bool TryStrToDateTime(const AnsiString& s, TDateTime& value);
