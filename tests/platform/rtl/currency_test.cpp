#include "platform/rtl/currency.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/formatsettings.h"

namespace {

class CurrencyTest : public testing::Test {
protected:
    void TearDown() override { RestoreDefaultFormatSettings(); }
};

TEST_F(CurrencyTest, FromDoubleRoundsHalfToEvenAtTheFourthDecimal) {
    // 1/32 and 3/32 are exact binary fractions that fall on a half ten-thousandth.
    const struct {
        double value;
        Int64 scaled;
    } cases[] = {
        {0.03125, 312}, {0.09375, 938}, {-0.03125, -312}, {-0.09375, -938},
        {1.23456, 12346}, {-1.23454, -12345}, {0, 0}, {922337203685477.0, 9223372036854770000},
    };
    for (const auto& c : cases) EXPECT_EQ(Currency(c.value).Scaled(), c.scaled) << c.value;
}

TEST_F(CurrencyTest, OutOfRangeRaises) {
    EXPECT_THROW(Currency(1e15), EOverflow);
    EXPECT_THROW(Currency(-1e15), EOverflow);
    EXPECT_THROW(Currency{HUGE_VAL}, EOverflow);
    EXPECT_THROW(Currency(std::nan("")), EInvalidOp);
    EXPECT_THROW(Currency(Int64(1) << 50), EOverflow);
    EXPECT_THROW(Currency::Max() + Currency::FromScaled(1), EOverflow);
    EXPECT_THROW(Currency::Min() - Currency::FromScaled(1), EOverflow);
    EXPECT_THROW(-Currency::Min(), EOverflow);
    EXPECT_THROW(Currency(100000000000.0) * Currency(100000000000.0), EOverflow);
    EXPECT_THROW(Currency(1) / Currency(), EZeroDivide);
}

TEST_F(CurrencyTest, ArithmeticIsExactAndRoundsHalfToEven) {
    const auto scaled = [](Int64 v) { return Currency::FromScaled(v); };
    const struct {
        Currency result;
        Int64 expected;
    } cases[] = {
        {Currency(1.5) + Currency(2.25), 37500},
        {Currency(1.5) - Currency(2.25), -7500},
        {Currency(1.5) * Currency(1.5), 22500},
        {scaled(1) * Currency(0.5), 0},   // 0.00005 -> 0.0000
        {scaled(3) * Currency(0.5), 2},   // 0.00015 -> 0.0002
        {Currency(1) / Currency(3), 3333},
        {Currency(2) / Currency(3), 6667},
        {Currency(-2) / Currency(3), -6667},
        {Currency::Max() / Currency(1), Currency::Max().Scaled()},
        {Currency::Max() * Currency(1), Currency::Max().Scaled()},
        {Currency::Max() / Currency(-1), -Currency::Max().Scaled()},
    };
    for (const auto& c : cases) EXPECT_EQ(c.result.Scaled(), c.expected);
    EXPECT_LT(Currency(-1), Currency(0.0001));
    EXPECT_EQ(Currency(2), Currency(2.0));
    EXPECT_EQ(Round(Currency(2.5)), 2);
    EXPECT_EQ(Round(Currency(3.5)), 4);
    EXPECT_EQ(Round(Currency(-2.5)), -2);
    EXPECT_EQ(Round(Currency(-2.5001)), -3);
}

TEST_F(CurrencyTest, CurrToStrIsExactForTheWholeRange) {
    EXPECT_EQ(CurrToStr(Currency()), "0");
    EXPECT_EQ(CurrToStr(Currency(1.5)), "1.5");
    EXPECT_EQ(CurrToStr(Currency(100)), "100");
    EXPECT_EQ(CurrToStr(Currency::FromScaled(-1)), "-0.0001");
    EXPECT_EQ(CurrToStr(Currency::Max()), "922337203685477.5807");
    EXPECT_EQ(CurrToStr(Currency::Min()), "-922337203685477.5808");
    DecimalSeparator = ',';
    EXPECT_EQ(CurrToStr(Currency(1.5)), "1,5");
}

TEST_F(CurrencyTest, CurrToStrFFormats) {
    const struct {
        Currency value;
        TFloatFormat format;
        int digits;
        const char* expected;
    } cases[] = {
        {Currency(1234.5), ffFixed, 2, "1234.50"},
        {Currency(1234.5), ffNumber, 2, "1,234.50"},
        {Currency(0.125), ffFixed, 2, "0.13"},   // half away from zero, as the text routines round
        {Currency(-0.125), ffFixed, 2, "-0.13"},
        {Currency(-0.001), ffFixed, 2, "0.00"},
        {Currency(1.5), ffFixed, 6, "1.500000"},
        {Currency(999.99), ffNumber, 0, "1,000"},
        {Currency::Max(), ffNumber, 4, "922,337,203,685,477.5807"},
        {Currency::Min(), ffFixed, 0, "-922337203685478"},
        {Currency(1234.5), ffGeneral, 2, "1234.5"},
        {Currency(1234.5), ffCurrency, 2, "￥1,234.50"},
        {Currency(-1234.5), ffCurrency, 2, "￥-1,234.50"},
        {Currency::Max(), ffCurrency, 2, "￥922,337,203,685,477.58"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CurrToStrF(c.value, c.format, c.digits), c.expected) << CurrToStr(c.value);
}

TEST_F(CurrencyTest, FormatCurrKeepsEveryDigit) {
    EXPECT_EQ(FormatCurr("#,##0.00", Currency::Max()), "922,337,203,685,477.58");
    EXPECT_EQ(FormatCurr("0.0000", Currency::Min()), "-922337203685477.5808");
    EXPECT_EQ(FormatCurr("0.##;(0.##);零", Currency(-1.5)), "(1.5)");
    EXPECT_EQ(FormatCurr("0.##;(0.##);零", Currency()), "零");
}

TEST_F(CurrencyTest, StrToCurrReadsExactly) {
    const struct {
        const char* text;
        std::optional<Int64> scaled;  // nullopt: not a currency value
    } cases[] = {
        {"1.5", 15000},
        {" -12.34 ", -123400},
        {"+7", 70000},
        {".5", 5000},
        {"0.00005", 0},    // tie, to even
        {"0.00015", 2},    // tie, to even
        {"0.000051", 1},
        {"922337203685477.5807", Currency::Max().Scaled()},
        {"-922337203685477.5808", Currency::Min().Scaled()},
        {"1e3", 10000000},
        {"922337203685477.5808", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"1.2.3", std::nullopt},
        {"-", std::nullopt},
    };
    for (const auto& c : cases) {
        Currency value;
        EXPECT_EQ(TryStrToCurr(c.text, value), c.scaled.has_value()) << c.text;
        if (c.scaled) {
            EXPECT_EQ(value.Scaled(), *c.scaled) << c.text;
        }
    }
    EXPECT_THROW(StrToCurr("abc"), EConvertError);
    EXPECT_THROW(StrToCurr("1000000000000000"), EOverflow);
    EXPECT_EQ(StrToCurrDef("x", Currency(7)), Currency(7));
    DecimalSeparator = ',';
    EXPECT_EQ(StrToCurr("1,25").Scaled(), 12500);
}

}  // namespace
