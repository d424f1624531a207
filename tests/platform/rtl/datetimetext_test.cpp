#include <gtest/gtest.h>

#include "platform/rtl/codepage.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/formatsettings.h"

namespace {

// Every case starts from the Chinese defaults and a clock frozen in 2026.
class DateTimeText : public testing::Test {
protected:
    void SetUp() override { RestoreDefaultFormatSettings(); }
    void TearDown() override { RestoreDefaultFormatSettings(); }

    FrozenClockScope clock_{EncodeDate(2026, 12, 10) + EncodeTime(9, 30, 0, 0)};
};

// Thursday 2026-12-10 14:05:09.007.
const TDateTime Afternoon = EncodeDate(2026, 12, 10) + EncodeTime(14, 5, 9, 7);

struct FormatCase {
    const char* format;  // GB18030 bytes, as every literal of the build
    TDateTime value;
    const char8_t* expected;
};

TEST_F(DateTimeText, FormatsEveryCode) {
    const TDateTime midnight = EncodeDate(2026, 12, 10);
    const TDateTime morning = EncodeDate(2005, 3, 7) + EncodeTime(0, 7, 3, 250);
    const FormatCase cases[] = {
        {"yyyy-mm-dd", Afternoon, u8"2026-12-10"},
        {"yy/m/d", morning, u8"05-3-7"},
        {"y", morning, u8"05"},
        {"ddddd", Afternoon, u8"2026-12-10"},
        {"dddddd", Afternoon, u8"2026年12月10日"},
        {"dddddd tt", Afternoon, u8"2026年12月10日 14:05:09"},
        {"c", Afternoon, u8"2026-12-10 14:05:09"},
        {"c", midnight, u8"2026-12-10"},
        {"c", midnight + EncodeTime(0, 0, 0, 500), u8"2026-12-10"},
        {"", morning, u8"2005-03-07 0:07:03"},
        {"d dd ddd dddd", morning, u8"7 07 星期一 星期一"},
        {"aaa/aaaa", Afternoon, u8"星期四-星期四"},
        {"m mm mmm mmmm", morning, u8"3 03 三月 三月"},
        {"e ee eee g gg", morning, u8"5 05 2005 公元 公元"},
        {"h hh n nn s ss z zzz", morning, u8"0 00 7 07 3 03 250 250"},
        {"hh:mm:ss", Afternoon, u8"14:05:09"},
        {"h:m", Afternoon, u8"14:5"},
        {"mm-dd hh:mm", Afternoon, u8"12-10 14:05"},
        {"t | tt", Afternoon, u8"14:05 | 14:05:09"},
        {"h:nn am/pm", Afternoon, u8"2:05 pm"},
        {"h:nn AM/PM", morning, u8"12:07 AM"},
        {"hh:nn a/p", Afternoon, u8"02:05 p"},
        {"h:nn ampm", Afternoon, u8"2:05 下午"},
        {"ampm h:nn", morning, u8"上午 12:07"},
        {"h 'am/pm'", Afternoon, u8"14 am/pm"},  // quoted: not a 12-hour clock
        {"'yyyy' \"mm\" dd", Afternoon, u8"yyyy mm 10"},
        {"'unterminated", Afternoon, u8"unterminated"},
        {"yyyy'年'm'月'd'日'", Afternoon, u8"2026年12月10日"},
        {"yyyy年m月d日 h时m分", Afternoon, u8"2026年12月10日 14时5分"},
        // Characters whose trail byte is 'm', 'y', 'h' or 'd' stay whole.
        {"宮測漢嘾 yyyy", Afternoon, u8"宮測漢嘾 2026"},
        {"'宮測' d", Afternoon, u8"宮測 10"},
        {"x b 9", Afternoon, u8"x b 9"},
        {"yyyy-mm-dd hh:nn:ss", -1.25, u8"1899-12-29 06:00:00"},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(FormatDateTime(c.format, c.value), Utf8ToAnsi(Utf8(c.expected))) << AnsiToUtf8(c.format);
    }
}

TEST_F(DateTimeText, FollowsTheLocaleSettings) {
    DateSeparator = '/';
    TimeSeparator = '.';
    ShortDateFormat = "dd/mm/yyyy";
    LongTimeFormat = "hh:nn:ss ampm";
    TimeAMString = "AM";
    TimePMString = "PM";
    EXPECT_EQ(DateToStr(Afternoon), "10/12/2026");
    EXPECT_EQ(TimeToStr(Afternoon), "02.05.09 PM");
    EXPECT_EQ(DateTimeToStr(Afternoon), "10/12/2026 02.05.09 PM");
    DateSeparator = '\0';  // no separator at all
    EXPECT_EQ(DateToStr(Afternoon), "10122026");
}

TEST_F(DateTimeText, EnglishMonthNamesStayEnglishWhateverTheLocale) {
    ShortMonthNames.fill("x");
    LongMonthNames.fill("x");
    EXPECT_EQ(EnglishShortMonthNames.front(), "Jan");
    EXPECT_EQ(EnglishShortMonthNames.back(), "Dec");
    EXPECT_EQ(EnglishLongMonthNames[8], "September");
    EXPECT_EQ(EnglishLongMonthNames.back(), "December");
}

TEST_F(DateTimeText, FormatsThatNameThemselvesExpandOnce) {
    ShortDateFormat = "ddddd";
    LongDateFormat = "dddddd|ddddd";
    EXPECT_EQ(FormatDateTime("ddddd", Afternoon), "");
    EXPECT_EQ(FormatDateTime("dddddd", Afternoon), "|");
}

TEST_F(DateTimeText, FormatsIntoTheFormatStringItself) {
    AnsiString text = "yyyy";
    DateTimeToString(text, text, Afternoon);
    EXPECT_EQ(text, "2026");
}

TEST_F(DateTimeText, DatesRoundTripThroughText) {
    struct Locale {
        const char* shortDate;
        char separator;
    };
    const TDateTime dates[] = {EncodeDate(2026, 12, 10), EncodeDate(2024, 2, 29), EncodeDate(1900, 3, 1),
                               EncodeDate(1899, 12, 29), EncodeDate(1, 1, 1), EncodeDate(9999, 12, 31)};
    for (const Locale& locale : {Locale{"yyyy-mm-dd", '-'}, Locale{"dd/mm/yyyy", '/'}, Locale{"m/d/yyyy", '/'},
                                 Locale{"yyyy-mm-dd ddd", '-'}, Locale{"gyyyy.m.d", '.'}}) {
        ShortDateFormat = locale.shortDate;
        DateSeparator = locale.separator;
        for (TDateTime date : dates) {
            const AnsiString text = DateToStr(date);
            EXPECT_EQ(StrToDate(text), date) << locale.shortDate << ": " << text;
            EXPECT_EQ(StrToDateTime(text + " 6:00"), date < 0 ? date - 0.25 : date + 0.25) << text;
        }
    }
}

// The message of the EConvertError that `convert` raises for `text`.
template <typename Convert>
std::string ConvertErrorMessage(Convert convert, const AnsiString& text) {
    try {
        convert(text);
    } catch (const EConvertError& e) {
        return e.Message();
    }
    return "(nothing raised)";
}

struct ParseCase {
    const char8_t* text;
    TDateTime expected;
};

TEST_F(DateTimeText, ReadsDates) {
    const ParseCase cases[] = {
        {u8"2026-2-3", EncodeDate(2026, 2, 3)},
        {u8" 2026 - 12 - 10 ", EncodeDate(2026, 12, 10)},
        {u8"2026-12-10-", EncodeDate(2026, 12, 10)},
        {u8"12-10", EncodeDate(2026, 12, 10)},  // the current year
        {u8"30-1-2", EncodeDate(2030, 1, 2)},   // two-digit years: 1976..2075
        {u8"76-1-2", EncodeDate(1976, 1, 2)},
        {u8"75-1-2", EncodeDate(2075, 1, 2)},
        {u8"0075-1-2", EncodeDate(75, 1, 2)},
    };
    for (const ParseCase& c : cases) {
        const AnsiString text = Utf8ToAnsi(Utf8(c.text));
        EXPECT_EQ(StrToDate(text), c.expected) << AnsiToUtf8(text);
    }
    TwoDigitYearCenturyWindow = 0;
    EXPECT_EQ(StrToDate("99-1-2"), EncodeDate(2099, 1, 2));
    // An era name is passed over whole, even one whose bytes hold digits.
    ShortDateFormat = "gyyyy-mm-dd";
    EraName = "\x81\x30\x81\x30";
    EXPECT_EQ(DateToStr(EncodeDate(2026, 12, 10)), "\x81\x30\x81\x30" "2026-12-10");
    EXPECT_EQ(StrToDate(EraName + "2026-12-10"), EncodeDate(2026, 12, 10));
}

TEST_F(DateTimeText, RejectsWhatIsNotADate) {
    for (const char8_t* text : {u8"", u8"abc", u8"2026-02-30", u8"2026/12/10", u8"2026-12-10x", u8"2026-12",
                                u8"2026-12-10 10:00", u8"二〇二六-12-10", u8"2026--10", u8"99999-1-1"}) {
        const AnsiString s = Utf8ToAnsi(Utf8(text));
        EXPECT_THROW(StrToDate(s), EConvertError) << AnsiToUtf8(s);
        TDateTime untouched = 7;
        EXPECT_FALSE(TryStrToDate(s, untouched));
        EXPECT_EQ(untouched, 7);
        EXPECT_EQ(StrToDateDef(s, 5), 5);
    }
    EXPECT_EQ(ConvertErrorMessage(StrToDate, "2026-13-01"), "'2026-13-01' is not a valid date");
}

TEST_F(DateTimeText, ReadsTimes) {
    const ParseCase cases[] = {
        {u8"14:05:09", EncodeTime(14, 5, 9, 0)},
        {u8"14:05:09.7", EncodeTime(14, 5, 9, 7)},
        {u8"14", EncodeTime(14, 0, 0, 0)},
        {u8" 9 : 30 ", EncodeTime(9, 30, 0, 0)},
        {u8"2:05 下午", EncodeTime(14, 5, 0, 0)},
        {u8"下午 2:05", EncodeTime(14, 5, 0, 0)},
        {u8"12:00 上午", 0},
        {u8"12:00 pm", 0.5},
        {u8"11:59:59 PM", EncodeTime(23, 59, 59, 0)},
    };
    for (const ParseCase& c : cases) {
        const AnsiString text = Utf8ToAnsi(Utf8(c.text));
        EXPECT_DOUBLE_EQ(StrToTime(text), c.expected) << AnsiToUtf8(text);
    }
    for (const char8_t* text : {u8"", u8"25:00", u8"14:60", u8"14:", u8"13:00 PM", u8"0:00 上午", u8"14:05 x",
                                u8"上午"}) {
        const AnsiString s = Utf8ToAnsi(Utf8(text));
        EXPECT_THROW(StrToTime(s), EConvertError) << AnsiToUtf8(s);
        EXPECT_EQ(StrToTimeDef(s, 5), 5);
    }
    EXPECT_EQ(ConvertErrorMessage(StrToTime, "25:00"), "'25:00' is not a valid time");
}

TEST_F(DateTimeText, ReadsDatesWithTimes) {
    const ParseCase cases[] = {
        {u8"2026-12-10 14:05:09", EncodeDate(2026, 12, 10) + EncodeTime(14, 5, 9, 0)},
        {u8"2026-12-10", EncodeDate(2026, 12, 10)},
        {u8"14:05", EncodeTime(14, 5, 0, 0)},
        {u8"2026-12-10 下午 2:05", EncodeDate(2026, 12, 10) + EncodeTime(14, 5, 0, 0)},
        {u8"1899-12-29 6:00", -1.25},
    };
    for (const ParseCase& c : cases) {
        const AnsiString text = Utf8ToAnsi(Utf8(c.text));
        EXPECT_DOUBLE_EQ(StrToDateTime(text), c.expected) << AnsiToUtf8(text);
    }
    // Text after the time is not silently dropped.
    for (const char* text : {"2026-12-10 14:05 x", "2026-12-10 x", "x"}) {
        EXPECT_THROW(StrToDateTime(text), EConvertError) << text;
        EXPECT_EQ(StrToDateTimeDef(text, 5), 5);
    }
    EXPECT_EQ(ConvertErrorMessage(StrToDateTime, "x"), "'x' is not a valid date and time");
}

}  // namespace
