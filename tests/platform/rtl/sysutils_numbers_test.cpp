#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/sysutils.h"

namespace {

TEST(SysUtilsNumbers, IntegerText) {
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-2147483648LL), "-2147483648");
    EXPECT_EQ(IntToStr(std::numeric_limits<Int64>::max()), "9223372036854775807");
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(IntToHex(0x1A2B, 2), "1A2B");
    EXPECT_EQ(IntToHex(-1, 8), "FFFFFFFFFFFFFFFF");
}

TEST(SysUtilsNumbers, StrToIntReadsThePlatformsIntegerText) {
    const struct {
        AnsiString text;
        Integer value;
    } good[] = {
        {"12", 12},          {"  12", 12},       {"-12", -12},       {"+7", 7},
        {"$FF", 255},        {"0x1a", 26},       {"-$10", -16},      {"$FFFFFFFF", -1},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}, {"0000000042", 42},
    };
    for (const auto& g : good) EXPECT_EQ(StrToInt(g.text), g.value) << g.text;

    const AnsiString bad[] = {"", " ", "abc", "12 ", "1.5", "-", "+", "$", "$G", "2147483648", "-2147483649",
                              "$100000000", "１２", "1 2"};
    for (const AnsiString& text : bad) {
        Integer untouched = 99;
        EXPECT_FALSE(TryStrToInt(text, untouched)) << text;
        EXPECT_EQ(untouched, 99) << text;
        EXPECT_EQ(StrToIntDef(text, -7), -7) << text;
    }
    try {
        StrToInt("abc");
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'abc' is not a valid integer value");
    }
}

TEST(SysUtilsNumbers, Int64Text) {
    EXPECT_EQ(StrToInt64("-9223372036854775808"), std::numeric_limits<Int64>::min());
    EXPECT_EQ(StrToInt64("4294967296"), 4294967296LL);
    EXPECT_EQ(StrToInt64("$FFFFFFFFFFFFFFFF"), -1);
    EXPECT_EQ(StrToInt64Def("9223372036854775808", 5), 5);
    EXPECT_THROW(StrToInt64("12x"), EConvertError);
}

TEST(SysUtilsNumbers, StrToFloatFollowsTheDecimalSeparator) {
    const struct {
        AnsiString text;
        double value;
    } good[] = {
        {"1.5", 1.5}, {" -2.5e3 ", -2500}, {".5", 0.5}, {"5.", 5}, {"1E-400", 0}, {"+3", 3}, {"0.1", 0.1},
    };
    for (const auto& g : good) EXPECT_EQ(StrToFloat(g.text), g.value) << g.text;

    const AnsiString bad[] = {"", ".", "abc", "1,5", "1e400", "1e", "1.5.2", "1 5", "--1", "INF"};
    for (const AnsiString& text : bad) EXPECT_EQ(StrToFloatDef(text, -1), -1) << text;
    try {
        StrToFloat("1x");
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'1x' is not a valid floating point value");
    }

    DecimalSeparator = ',';
    EXPECT_EQ(StrToFloat("1,5"), 1.5);
    EXPECT_THROW(StrToFloat("1.5"), EConvertError);
    RestoreDefaultFormatSettings();
}

TEST(SysUtilsNumbers, RoundHalfToEvenTruncFrac) {
    const struct {
        double value;
        Int64 rounded, truncated;
    } cases[] = {
        {0.5, 0, 0},   {1.5, 2, 1},   {2.5, 2, 2},   {3.5, 4, 3},    {-0.5, 0, 0},
        {-1.5, -2, -1}, {-2.5, -2, -2}, {2.6, 3, 2},  {-2.4, -2, -2}, {1e15 + 0.5, 1000000000000000, 1000000000000000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Round(c.value), c.rounded) << c.value;
        EXPECT_EQ(Trunc(c.value), c.truncated) << c.value;
    }
    EXPECT_DOUBLE_EQ(Frac(-2.75), -0.75);
    EXPECT_DOUBLE_EQ(Frac(3.25), 0.25);
    EXPECT_THROW(Round(1e300), EInvalidOp);
    EXPECT_THROW(Trunc(std::nan("")), EInvalidOp);
}

TEST(SysUtilsNumbers, MulDivRoundsHalfAwayFromZero) {
    const struct {
        Integer number, numerator, denominator, expected;
    } cases[] = {
        {10, 3, 4, 8},   {-10, 3, 4, -8}, {10, -3, 4, -8}, {1, 1, 2, 1},   {-1, 1, 2, -1},  {3, 1, -2, -2},
        {100, 3, 7, 43}, {7, 1, 3, 2},    {5, 1, 0, -1},   {2147483647, 2, 1, -1},
        {2147483647, 96, 96, 2147483647}, {1000000, 1000000, 1000000, 1000000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected)
            << c.number << "*" << c.numerator << "/" << c.denominator;
}

TEST(SysUtilsSystem, RandomIsThePlatformsGenerator) {
    RandSeed = 0;
    const Integer expected[] = {0, 3, 86, 20, 27};
    for (Integer value : expected) EXPECT_EQ(Random(100), value);
    RandSeed = 0;
    EXPECT_EQ(Random(), 1 / 4294967296.0);
    Randomize();
    for (int i = 0; i < 1000; ++i) {
        Integer r = Random(7);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 7);
        double f = Random();
        ASSERT_GE(f, 0.0);
        ASSERT_LT(f, 1.0);
    }
}

TEST(SysUtilsSystem, CommandLine) {
    AnsiString exe = ParamStr(0);
    EXPECT_EQ(exe[0], '/');
    EXPECT_NE(exe.find("platform_rtl_tests"), AnsiString::npos);
    EXPECT_EQ(ParamStr(ParamCount() + 1), "");
    EXPECT_EQ(ParamStr(-1), "");
}

}  // namespace
