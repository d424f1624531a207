#include "platform/rtl/floatformat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/rtl/formatsettings.h"

namespace {

const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

TEST(FloatFormat, FloatToStrShowsFifteenDigitsThenExponent) {
    const struct {
        double value;
        AnsiString expected;
    } cases[] = {
        {0, "0"},          {-0.0, "0"},         {12.5, "12.5"},       {-12.5, "-12.5"},
        {0.1, "0.1"},      {1.0 / 3, "0.333333333333333"}, {2.0 / 3, "0.666666666666667"},
        {100, "100"},      {123456789012345, "123456789012345"}, {1e15, "1E15"},
        {1234567890123456, "1.23456789012346E15"}, {0.0001, "0.0001"}, {0.00001, "1E-5"},
        {-1.5e-7, "-1.5E-7"}, {1e100, "1E100"}, {0.1 + 0.2, "0.3"}, {kNan, "NAN"},
        {kInf, "INF"},     {-kInf, "-INF"},
    };
    for (const auto& c : cases) EXPECT_EQ(FloatToStr(c.value), c.expected) << c.value;
    DecimalSeparator = ',';
    EXPECT_EQ(FloatToStr(12.5), "12,5");
    RestoreDefaultFormatSettings();
}

TEST(FloatFormat, FloatToStrFEveryFormat) {
    const struct {
        double value;
        TFloatFormat format;
        int precision, digits;
        AnsiString expected;
    } cases[] = {
        {1234.5, ffGeneral, 15, 0, "1234.5"},
        {1234.5, ffGeneral, 3, 0, "1.23E3"},
        {0.00001, ffGeneral, 15, 2, "1E-05"},
        {1234.5, ffExponent, 4, 2, "1.235E+03"},
        {-0.00012345, ffExponent, 3, 0, "-1.23E-4"},
        {0, ffExponent, 3, 0, "0.00E+0"},
        {1234.567, ffFixed, 15, 2, "1234.57"},
        {0.125, ffFixed, 15, 2, "0.13"},
        {-0.125, ffFixed, 15, 2, "-0.13"},
        {-0.001, ffFixed, 15, 2, "0.00"},
        {0.5, ffFixed, 15, 0, "1"},
        {123.456, ffFixed, 4, 2, "123.50"},
        {99.96, ffFixed, 15, 1, "100.0"},
        {1e20, ffFixed, 15, 2, "1E20"},
        {12, ffFixed, 15, 0, "12"},
        // 1.005 is stored as 1.00499999999999989...
        {1.005, ffFixed, 15, 2, "1.00"},
        {1234567.891, ffNumber, 15, 2, "1,234,567.89"},
        {-999.0, ffNumber, 15, 0, "-999"},
        {1234.5, ffCurrency, 15, 2, "￥1,234.50"},
        {-1234.5, ffCurrency, 15, 2, "￥-1,234.50"},
        {kNan, ffFixed, 15, 2, "NAN"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits), c.expected) << c.value << " " << c.format;
}

TEST(FloatFormat, CurrencyLayouts) {
    const struct {
        Byte format;
        AnsiString expected;
    } positive[] = {{0, "￥1.50"}, {1, "1.50￥"}, {2, "￥ 1.50"}, {3, "1.50 ￥"}};
    for (const auto& p : positive) {
        CurrencyFormat = p.format;
        EXPECT_EQ(FloatToStrF(1.5, ffCurrency, 15, 2), p.expected);
    }
    const AnsiString negative[] = {"(￥1.50)", "-￥1.50",  "￥-1.50", "￥1.50-", "(1.50￥)", "-1.50￥",
                                   "1.50-￥",  "1.50￥-",  "-1.50 ￥", "-￥ 1.50", "1.50 ￥-", "￥ 1.50-",
                                   "￥ -1.50", "1.50- ￥", "(￥ 1.50)", "(1.50 ￥)"};
    for (int i = 0; i < 16; ++i) {
        NegCurrFormat = Byte(i);
        EXPECT_EQ(FloatToStrF(-1.5, ffCurrency, 15, 2), negative[i]) << i;
    }
    RestoreDefaultFormatSettings();
}

TEST(FloatFormat, FormatFloatPatterns) {
    const struct {
        const char* format;
        double value;
        AnsiString expected;
    } cases[] = {
        {"0.00", 0.5, "0.50"},
        {"0.00", 0.125, "0.13"},
        {"#.##", 0, ""},
        {"#.########", 0, ""},
        {"#.########", 12.5, "12.5"},
        {"0.##", 1, "1"},
        {"0.0#", 1.567, "1.57"},
        {"0.0#", 1.5, "1.5"},
        {"#,##0.00", 1234567.891, "1,234,567.89"},
        {"#,##0", -1234, "-1,234"},
        {"#,##0", 999, "999"},
        {"#", 12345, "12345"},
        {"000", 7, "007"},
        {"0", 2.5, "3"},
        {"0", -2.5, "-3"},
        {"0.00;(0.00)", -5.5, "(5.50)"},
        {"0.00;(0.00)", 5.5, "5.50"},
        {"0.00;(0.00);零", 0, "零"},
        {"0.00;(0.00);零", -0.001, "零"},
        {"0.00;(0.00)", -0.001, "0.00"},
        {"0.00;;零", -2, "-2.00"},
        {"0.0E+00", 1234.5, "1.2E+03"},
        {"00.00E+00", 1234.5, "12.35E+02"},
        {"0.00E-00", 1234.5, "1.23E03"},
        {"0.###E-0", 0.00012, "1.2E-4"},
        {"0.00e+0", 0, "0.00e+0"},
        {"'$'0.00", 3, "$3.00"},
        {"\"约\"0.0元", 3.14, "约3.1元"},
        {"'#0;'0", 5, "#0;5"},
        {"(000) 000-0000", 1234567890, "(123) 456-7890"},
        {"0.0À", 1.5, "1.5À"},  // À is 81 30 86 38: its "0" is no placeholder
        {"", 1.5, "1.5"},
        {";", 1.5, "1.5"},
        {"0.00", kNan, "NAN"},
        {"0.00000000000000000000", 1.0 / 3, "0.33333333333333300000"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatFloat(c.format, c.value), c.expected) << c.format << " " << c.value;

    DecimalSeparator = ',';
    ThousandSeparator = '.';
    EXPECT_EQ(FormatFloat("#,##0.00", 1234.5), "1.234,50");
    RestoreDefaultFormatSettings();
}

TEST(FloatFormat, CurrencyValuesUseTheirExactDigits) {
    const TFloatValue big = TFloatValue::FromCurrency(std::numeric_limits<Int64>::min());
    EXPECT_EQ(FloatToTextFmt(big, "#,##0.0000"), "-922,337,203,685,477.5808");
    EXPECT_EQ(FloatToTextF(TFloatValue::FromCurrency(12345678), ffFixed, 19, 4), "1234.5678");
    EXPECT_EQ(FloatToTextF(TFloatValue::FromCurrency(12345), ffGeneral, 19, 0), "1.2345");
    EXPECT_EQ(FloatToTextFmt(TFloatValue::FromCurrency(-50000), "0.00;(0.00)"), "(5.00)");
}

}  // namespace
