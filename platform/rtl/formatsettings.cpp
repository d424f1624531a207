#include "platform/rtl/formatsettings.h"

char DecimalSeparator;
char ThousandSeparator;
char DateSeparator;
char TimeSeparator;
AnsiString ShortDateFormat;
AnsiString LongDateFormat;
AnsiString ShortTimeFormat;
AnsiString LongTimeFormat;
AnsiString TimeAMString;
AnsiString TimePMString;
AnsiString CurrencyString;
Byte CurrencyFormat;
Byte NegCurrFormat;
Byte CurrencyDecimals;
std::array<AnsiString, 12> ShortMonthNames;
std::array<AnsiString, 12> LongMonthNames;
const std::array<AnsiString, 12> EnglishShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const std::array<AnsiString, 12> EnglishLongMonthNames = {"January", "February", "March",     "April",
                                                          "May",     "June",     "July",      "August",
                                                          "September", "October", "November", "December"};
std::array<AnsiString, 7> ShortDayNames;
std::array<AnsiString, 7> LongDayNames;
AnsiString EraName;
Word TwoDigitYearCenturyWindow;

void RestoreDefaultFormatSettings() {
    DecimalSeparator = '.';
    ThousandSeparator = ',';
    DateSeparator = '-';
    TimeSeparator = ':';
    ShortDateFormat = "yyyy-mm-dd";
    LongDateFormat = "yyyy'年'm'月'd'日'";
    ShortTimeFormat = "h:mm";
    LongTimeFormat = "h:mm:ss";
    TimeAMString = "上午";
    TimePMString = "下午";
    CurrencyString = "￥";
    CurrencyFormat = 0;
    NegCurrFormat = 2;
    CurrencyDecimals = 2;
    ShortMonthNames = {"一月", "二月", "三月", "四月", "五月", "六月",
                       "七月", "八月", "九月", "十月", "十一月", "十二月"};
    LongMonthNames = ShortMonthNames;
    ShortDayNames = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
    LongDayNames = ShortDayNames;
    EraName = "公元";
    TwoDigitYearCenturyWindow = 50;
}

namespace {
// The settings hold their defaults before any code of the program runs.
const bool defaultsSet = (RestoreDefaultFormatSettings(), true);
}  // namespace
