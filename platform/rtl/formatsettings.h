// The locale settings the formatting routines read: changeable globals with
// the Chinese defaults of the shop's machines. Callers may change one for a
// while and restore it.
#pragma once

#include <array>

#include "platform/rtl/types.h"

extern char DecimalSeparator;          // '.'
extern char ThousandSeparator;         // ','
extern char DateSeparator;             // '-'
extern char TimeSeparator;             // ':'
extern AnsiString ShortDateFormat;     // "yyyy-mm-dd"
extern AnsiString LongDateFormat;      // "yyyy'年'm'月'd'日'"
extern AnsiString ShortTimeFormat;     // "h:mm"
extern AnsiString LongTimeFormat;      // "h:mm:ss"
extern AnsiString TimeAMString;        // "上午"
extern AnsiString TimePMString;        // "下午"
extern AnsiString CurrencyString;      // "￥"
extern Byte CurrencyFormat;            // 0: "￥1"
extern Byte NegCurrFormat;             // 2: "￥-1"
extern Byte CurrencyDecimals;          // 2
extern std::array<AnsiString, 12> ShortMonthNames;  // "一月".."十二月"
extern std::array<AnsiString, 12> LongMonthNames;   // "一月".."十二月"
extern std::array<AnsiString, 7> ShortDayNames;     // "星期日".."星期六", Sunday first
extern std::array<AnsiString, 7> LongDayNames;      // "星期日".."星期六"
// The English month names the platform keeps beside the locale's, January
// first; they never change with the locale settings.
extern const std::array<AnsiString, 12> EnglishShortMonthNames;  // "Jan".."Dec"
extern const std::array<AnsiString, 12> EnglishLongMonthNames;   // "January".."December"
extern AnsiString EraName;             // "公元", the era the "g" date code shows
// A two-digit year read by StrToDate lands within this many years before the
// current year and (100 - this) years after it; 0 keeps it in the current century.
extern Word TwoDigitYearCenturyWindow; // 50

// Puts every setting back to its default (tests use it between cases).
void RestoreDefaultFormatSettings();
