// The engine's text and number routines: Chinese capitals and numerals,
// brackets, tokens, delimited items, rounding and the engine's texts.
#include <gtest/gtest.h>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/formatsettings.h"
#include "report/core/qm_resourcestrings.h"
#include "report/core/qm_utils.h"

namespace {

struct CapitalsCase {
    double value;
    const char* expected;
};

TEST(QmChineseNumbers, AmountsInCapitals) {
    const CapitalsCase cases[] = {
        {1001, "壹仟零壹元整"},       {100001, "壹拾万零壹元整"}, {10.5, "壹拾元零伍角整"},
        {1.05, "壹元零伍分"},         {0, "零整"},                {-3.2, "负叁元贰角整"},
        {0.05, "零零伍分"},           {10000000, "壹仟万元整"},   {100010000, "壹亿零壹万元整"},
        {123456789.1234, "壹亿贰仟叁佰肆拾伍万陆仟柒佰捌拾玖元壹角贰分叁厘肆"},
    };
    for (const CapitalsCase& c : cases) EXPECT_EQ(CurrToChineseCapitals(Currency(c.value)), c.expected) << c.value;
}

struct NumeralsCase {
    const char* number;
    const char* expected;
};

TEST(QmChineseNumbers, PlainNumerals) {
    const NumeralsCase cases[] = {
        {"123", "一百二十三"},
        {"10", "十"},
        {"1020", "一千零二十"},
        {"100000", "十万"},
        {"100.5", "一百点五"},
        {"0.5", "点五"},
        {"0.05", "点零五"},
        {"10005", "一万零五"},
        {"-12", "负一十二"},
        // Beyond what the fixed 12-character layout could hold.
        {"0", "零"},
        {"100000000", "一亿"},
        {"1000000000", "十亿"},
        {"100010005", "一亿零一万零五"},
        {"1000100000000", "一万零一亿"},
        {"922337203685477.5", "九百二十二万三千三百七十二亿零三百六十八万五千四百七十七点五"},
    };
    for (const NumeralsCase& c : cases) EXPECT_EQ(NumberToChineseNumerals(c.number), c.expected) << c.number;
    EXPECT_THROW(NumberToChineseNumerals("abc"), EConvertError);
}

TEST(QmChineseNumbers, DigitsAndSingleDigits) {
    EXPECT_EQ(DigitsToChineseCapitals(" 2024 "), "贰零贰肆");
    EXPECT_THROW(DigitsToChineseCapitals("12a"), EConvertError);
    EXPECT_EQ(DigitCapitalAt(123, 1), "");  // "123" has no decimal point
    EXPECT_EQ(DigitCapitalAt(123.5, 1), "叁");
    EXPECT_EQ(DigitCapitalAt(123.5, 3), "壹");
    EXPECT_EQ(DigitCapitalAt(123.5, 4), "");
    EXPECT_EQ(DigitCapitalAt(123.5, 0), "");
    EXPECT_EQ(NumberToChineseDigits(2016), "二０一六");
    EXPECT_EQ(NumberToChineseDigits(0), "０");
}

TEST(QmTextRoutines, RoundingAndNumbers) {
    EXPECT_EQ(RoundToDecimals(2.5, 0), 2);
    EXPECT_EQ(RoundToDecimals(3.5, 0), 4);
    EXPECT_DOUBLE_EQ(RoundToDecimals(0.125, 2), 0.13);
    EXPECT_DOUBLE_EQ(RoundToDecimals(-0.125, 2), -0.13);
    EXPECT_TRUE(IsNumericText("1.5"));
    EXPECT_FALSE(IsNumericText("1.5元"));
    EXPECT_EQ(CleanNumberText(" ￥1,234.50元 "), "1234.50");
    EXPECT_EQ(CleanNumberText("合计-12件"), "-12");
    // The four-byte character's digit bytes are not taken for digits.
    EXPECT_EQ(CleanNumberText("\x81\x30\x81\x30" "5"), "5");
}

TEST(QmTextRoutines, QuotesBracketsAndReversal) {
    EXPECT_EQ(RemoveQuotes("\"品牌\""), "品牌");
    EXPECT_EQ(RemoveQuotes("\"\""), "\"\"");
    EXPECT_EQ(RemoveQuotes("a\""), "a\"");
    EXPECT_EQ(ReverseString("abc"), "cba");

    const AnsiString text = "x[IIF([a]>1,'[',\"]\")]y";
    int start = 2, end = 0;
    EXPECT_EQ(ExtractBracketedText(text, start, end), "IIF([a]>1,'[',\"]\")");
    EXPECT_EQ(end, static_cast<int>(text.size()) - 1);
    // "]" as a trail byte of a Chinese character does not close the bracket.
    const AnsiString chinese = "[\xB0\x5D]";
    start = 1;
    EXPECT_EQ(ExtractBracketedText(chinese, start, end), "\xB0\x5D");
    start = 3;
    EXPECT_EQ(ExtractBracketedText("[a]", start, end), "");
}

TEST(QmTextRoutines, TokensAndDelimitedItems) {
    int position = 1;
    EXPECT_EQ(ExtractNextToken("a;b", ";", position), "a");
    EXPECT_EQ(position, 3);
    EXPECT_EQ(ExtractNextToken("a;b", ";", position), "b");
    EXPECT_EQ(position, -1);

    position = 1;
    EXPECT_EQ(ExtractNextToken("x>1 And y<2", "AND", position), "x>1");
    EXPECT_EQ(position, 9);
    EXPECT_EQ(ExtractNextToken("x>1 And y<2", "AND", position), "y<2");
    position = 0;
    EXPECT_EQ(ExtractNextToken("abc", ";", position), "");
    EXPECT_EQ(position, 0);
    position = 4;
    EXPECT_EQ(ExtractNextToken("abc", ";", position), "");
    EXPECT_EQ(position, -1);

    EXPECT_EQ(GetDelimitedItem("a\1b\1", 2), "b");
    EXPECT_EQ(GetDelimitedItem("a\1b", 2), "");
    EXPECT_EQ(GetDelimitedItem("a\1b", 3), "");
    EXPECT_TRUE(SameTextLen("Abc", "aBC"));
    EXPECT_FALSE(SameTextLen("Abc", "Abcd"));
}

TEST(QmTextRoutines, MonthsAndPlatform) {
    EXPECT_EQ(MonthToEnglishShort(1), "Jan");
    EXPECT_EQ(MonthToEnglishLong(12), "December");
    EXPECT_EQ(MonthToEnglishShort(13), "");
    EXPECT_EQ(MonthToEnglishLong(0), "");
    EXPECT_EQ(GetWindowsVersionText(), "NT");
}

TEST(QmEngineStrings, TableTextsById) {
    EXPECT_EQ(LoadReportString(qmsPreview), "预览");
    EXPECT_EQ(LoadReportString(qmsUntitled), "Untitled");
    EXPECT_EQ(LoadReportString(qmsPaperNames + 8), "A4 210 x 297 mm");
    EXPECT_EQ(LoadReportString(qmsPaperNames), "Letter, 8 1/2 x 11\"");
    EXPECT_EQ(LoadReportString(qmsPaperNames + qmBuiltinPaperCount - 1), "自定义");
    EXPECT_EQ(LoadReportString(qmsExtraPaperNames), "16开(18.4 x 26 厘米)");
    EXPECT_EQ(LoadReportString(qmsBandNames + qmBandNameCount - 1), "无");
    EXPECT_EQ(LoadReportString(qmsChineseTexts), "1");
    EXPECT_EQ(LoadReportString(qmsCharset), "134");
    EXPECT_EQ(LoadReportString(qmsFontName), "宋体");
    EXPECT_EQ(LoadReportString(45213), "有一处或多处页边距设置了页面的可打印区域之外，是否自动调整页边距？");
    EXPECT_EQ(LoadReportString(47229), "");
    EXPECT_EQ(GetResourceManager(), GetResourceManager());
}

}  // namespace
