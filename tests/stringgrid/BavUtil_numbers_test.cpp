#include "stringgrid/BavUtil.h"

#include <gtest/gtest.h>

#include "platform/rtl/datetime.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/valuerestorer.h"

namespace {

TEST(BavUtilNumbers, ClassifiesNumberTexts) {
    struct Case {
        const char* text;
        int kind;
    };
    const Case cases[] = {
        {"", ntOther},          {"123", ntInteger},       {"-", ntInteger},       {"-12", ntInteger},
        {"1-2", ntOther},       {"1.5", ntFloat},         {"1,234", ntFloat},     {"1,234,567", ntOther},
        {",123", ntOther},      {"1.2.3", ntOther},       {"12E", ntOther},       {"1E5", ntScientific},
        {"-1E-5", ntScientific}, {"E5", ntOther},         {"1E5E", ntOther},      {"--1", ntOther},
        {"abc", ntOther},       {"1.5e+3", ntScientific},
    };
    for (const Case& c : cases) EXPECT_EQ(ClassifyNumericText(c.text), c.kind) << c.text;
}

TEST(BavUtilNumbers, NormalisesForTheFloatConversion) {
    struct Case {
        const char* text;
        char ts, ds;
        const char* expected;
    };
    const Case cases[] = {
        {"(1.234,5)", '.', ',', "-1234.5"}, {" 1,234.5 ", ',', '.', "1234.5"}, {"-5", ',', '.', "-5"},
        {"$12.5kg", ',', '.', "12.5"},      {"", ',', '.', ""},                 {"x", ',', '.', ""},
        {"1.5E3", ',', '.', "1.5E3"},
    };
    for (const Case& c : cases) {
        ValueRestorer ts(ThousandSeparator, c.ts), ds(DecimalSeparator, c.ds);
        EXPECT_EQ(NormalizeNumberText(c.text), c.expected) << c.text;
    }
}

TEST(BavUtilDates, ParsesDayMonthYearTexts) {
    struct Case {
        const char* text;
        bool monthFirst;
        int year, month, day;  // 0: the zero date
    };
    const Case cases[] = {
        {"1/2/2024", false, 2024, 2, 1}, {"1/2/2024", true, 2024, 1, 2}, {"3.4.25", false, 2025, 4, 3},
        {"3-4-26", false, 1926, 4, 3},   {"3/4/99", true, 1999, 3, 4},   {"3/4/5", true, 2005, 3, 4},
        {"1/2", false, 0, 0, 0},         {"a/2/2024", false, 0, 0, 0},  {"12022024", false, 0, 0, 0},
        {"1/2/0100", false, 100, 2, 1},
    };
    for (const Case& c : cases) {
        TDateTime expected = c.year ? EncodeDate(Word(c.year), Word(c.month), Word(c.day)) : 0;
        EXPECT_EQ(c.monthFirst ? ParseDateMDY(c.text) : ParseDateDMY(c.text), expected) << c.text;
    }
    EXPECT_THROW(ParseDateDMY("31/2/2024"), EConvertError);
    EXPECT_THROW(ParseDateMDY("13/1/2024"), EConvertError);
}

TEST(BavUtilDates, AddsToDates) {
    const TDateTime jan31 = EncodeDate(2024, 1, 31), feb29 = EncodeDate(2024, 2, 29);
    EXPECT_EQ(AddToDate(0, 0, 3, jan31, 0), jan31 + 3);
    EXPECT_EQ(AddToDate(1, 0, 0, EncodeDate(2023, 5, 6), 0), EncodeDate(2024, 5, 6));
    EXPECT_EQ(AddToDate(0, 1, 0, EncodeDate(2024, 12, 15), 0), EncodeDate(2025, 1, 15));
    EXPECT_EQ(AddToDate(0, -1, 0, EncodeDate(2024, 1, 15), 0), EncodeDate(2023, 12, 15));
    EXPECT_EQ(AddToDate(0, 0, 0, jan31, 7), jan31 + 7);
    EXPECT_EQ(AddToDate(1, 1, 0, jan31, 2), jan31 + 2) << "a mixed step takes the increment";
    EXPECT_THROW(AddToDate(0, 1, 0, jan31, 0), EConvertError);
    EXPECT_THROW(AddToDate(1, 0, 0, feb29, 0), EConvertError);
}

TEST(BavUtilDates, LooksLikeDate) {
    ValueRestorer separator(DateSeparator, '/');
    EXPECT_TRUE(LooksLikeDate("1/2/2024"));
    EXPECT_FALSE(LooksLikeDate("/1/2"));
    EXPECT_FALSE(LooksLikeDate("1//2"));
    EXPECT_FALSE(LooksLikeDate("12"));
}

}  // namespace
