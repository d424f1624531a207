#include "platform/rtl/format.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/formatsettings.h"

namespace {

struct FormatCase {
    const char* format;
    TVarRecs args;
    AnsiString expected;
};

TEST(Format, Specifiers) {
    const Int64 minusOne = -1;
    const FormatCase cases[] = {
        {"%d", {42}, "42"},
        {"%5d|%-5d|", {42, 42}, "   42|42   |"},
        {"%.4d", {-42}, "-0042"},
        {"%d", {-9223372036854775807LL - 1}, "-9223372036854775808"},
        {"%u", {-1}, "4294967295"},
        {"%u", {minusOne}, "18446744073709551615"},
        {"%x|%X|%.4x", {255, 255, 255}, "FF|FF|00FF"},
        {"%x", {-1}, "FFFFFFFF"},
        {"%x", {minusOne}, "FFFFFFFFFFFFFFFF"},
        {"%s and %s", {"甲", AnsiString("乙")}, "甲 and 乙"},
        {"%5s|%-5s|", {"ab", "cd"}, "   ab|cd   |"},
        {"%.3s|%.1s|%.2s", {"乗表", "乗表", "乗表"}, "乗||乗"},
        {"%s%s", {'c', "x"}, "cx"},
        {"%1:s %0:s %s", {"a", "b"}, "b a b"},
        {"%*d|%-*.*f|", {5, 42, 8, 1, 3.14159}, "   42|3.1     |"},
        {"%%%d%%", {5}, "%5%"},
        {"%e", {1234.5}, "1.23450000000000E+003"},
        {"%.3e", {-1234.5}, "-1.23E+003"},
        {"%f|%.0f|%.1f", {2.5, 2.5, 0.05}, "2.50|3|0.1"},
        {"%g|%g|%g", {12.5, 0.00001, 1e15}, "12.5|1E-5|1E15"},
        {"%n", {1234567.891}, "1,234,567.89"},
        {"%.0n", {-999.5}, "-1,000"},
        {"%m|%m", {1234.5, -1234.5}, "￥1,234.50|￥-1,234.50"},
        {"%.0m", {7.0}, "￥7"},
        {"%m|%f", {TVarRec::FromCurrency(123456), TVarRec::FromCurrency(-5)}, "￥12.35|0.00"},
        {"%p", {reinterpret_cast<const void*>(0x1234)}, "0000000000001234"},
        {"第%d页，共%d页", {1, 3}, "第1页，共3页"},
        {"no specifiers", {}, "no specifiers"},
    };
    for (const FormatCase& c : cases) EXPECT_EQ(Format(c.format, c.args), c.expected) << c.format;
}

TEST(Format, FollowsTheLocaleSettings) {
    DecimalSeparator = ',';
    ThousandSeparator = '.';
    CurrencyString = "元";
    CurrencyFormat = 3;
    CurrencyDecimals = 1;
    EXPECT_EQ(Format("%n|%f|%m", {1234.5, 0.25, 1234.5}), "1.234,50|0,25|1.234,5 元");
    RestoreDefaultFormatSettings();
}

TEST(Format, MismatchRaisesEConvertError) {
    const FormatCase cases[] = {
        {"%d", {"abc"}, ""}, {"%d", {1.5}, ""},   {"%s", {42}, ""},      {"%f", {42}, ""},
        {"%s", {true}, ""},  {"%z", {1}, ""},     {"abc %", {1}, ""},    {"%p", {1}, ""},
        {"%*d", {"x", 1}, ""},
    };
    for (const FormatCase& c : cases) {
        try {
            Format(c.format, c.args);
            ADD_FAILURE() << c.format;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "Format '" + AnsiString(c.format) + "' invalid or incompatible with argument");
        }
    }
    try {
        Format("%d %d", {1});
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "No argument for format '%d %d'");
    }
}

TEST(Format, ArgumentsBuiltAtRunTime) {
    std::vector<TVarRec> args;
    args.emplace_back(7);
    args.emplace_back(AnsiString("台"));
    args.emplace_back(2.5);
    EXPECT_EQ(Format("%d %s %.1f", args), "7 台 2.5");
    args.pop_back();
    EXPECT_THROW(Format("%d %s %f", args), EConvertError);
}

TEST(Format, ExceptionConstructors) {
    EXPECT_EQ(Exception("值 %d 无效：%s", {5, "乗"}).Message(), "值 5 无效：乗");
    AddResourceStrings({{64990, "第%d行出错"}});
    EConvertError e(ResId{64990}, {3});
    EXPECT_EQ(e.Message(), "第3行出错");
}

}  // namespace
