// Display formats of report values: the kinds and their tables, separators
// that are always put back, the fallback to plain text, and format texts
// read from expressions.
#include <gtest/gtest.h>

#include "platform/rtl/datetime.h"
#include "platform/rtl/formatsettings.h"
#include "report/core/qm_displayformat.h"
#include "report/core/qm_stdfunctions.h"

namespace {

class QmDisplayFormatTest : public testing::Test {
protected:
    void SetUp() override {
        RestoreDefaultFormatSettings();
        LoadEngineTexts();
    }
    void TearDown() override { RestoreDefaultFormatSettings(); }

    static TQmDisplayFormat Format(Byte kind, Byte subKind, Byte decimals = 0, char separator = '.') {
        return {kind, subKind, decimals, separator};
    }
};

TEST_F(QmDisplayFormatTest, NumbersWithTheirOwnSeparator) {
    EXPECT_EQ(FormatValue(1234.5, Format(1, 0, 2, '.'), ""), "1234.5");
    EXPECT_EQ(FormatValue(1234.5, Format(1, 0, 2, ','), ""), "1234,5");
    EXPECT_EQ(DecimalSeparator, '.');
    EXPECT_EQ(FormatValue(1234.5, Format(1, 1, 2), ""), "1234.50");
    EXPECT_EQ(FormatValue(1234.5, Format(1, 2, 1), ""), "1,234.5");
    EXPECT_EQ(FormatValue(1234.5, Format(1, 3, 2), ""), "1,234.50");
    EXPECT_EQ(FormatValue(1234.5, Format(1, 4), "0.000"), "1234.500");
}

TEST_F(QmDisplayFormatTest, GeneralBooleanDateAndTime) {
    EXPECT_EQ(FormatValue(1.5, Format(0, 0), ""), "1.5");
    EXPECT_EQ(FormatValue(3.0, Format(0, 0), ""), "3");
    EXPECT_EQ(FormatValue(7, Format(0, 0), ""), "7");
    EXPECT_EQ(FormatValue("诺基亚", Format(0, 0), ""), "诺基亚");
    for (int v : {1, -1}) EXPECT_EQ(FormatValue(v, Format(4, 1), ""), "Yes");
    EXPECT_EQ(FormatValue(0, Format(4, 1), ""), "No");
    EXPECT_EQ(FormatValue(1, Format(4, 4), "否;是"), "是");
    const Variant day = VarFromDateTime(EncodeDate(2024, 1, 20) + EncodeTime(9, 5, 0, 0));
    EXPECT_EQ(FormatValue(day, Format(2, 4), ""), "2024/01/20");
    EXPECT_EQ(FormatValue(day, Format(2, 2), ""), "2024年01月20日");
    EXPECT_EQ(FormatValue(day, Format(2, 7), "yyyy-mm"), "2024-01");
    EXPECT_EQ(FormatValue(day, Format(3, 2), ""), "09:05");
    EXPECT_EQ(FormatValue(day, Format(3, 4), "h时"), "9时");
}

TEST_F(QmDisplayFormatTest, EmptyBlankFailingAndUnknown) {
    EXPECT_EQ(FormatValue(Null(), Format(1, 0), ""), "");
    EXPECT_EQ(FormatValue(Variant(), Format(1, 0), ""), "");
    for (Byte kind = 0; kind <= 4; ++kind) EXPECT_EQ(FormatValue("   ", Format(kind, 0), ""), "   ");
    EXPECT_EQ(FormatValue("abc", Format(1, 0, 2, ','), ""), "abc");
    EXPECT_EQ(DecimalSeparator, '.');
    EXPECT_EQ(FormatValue(5, Format(9, 0), ""), "");
}

TEST_F(QmDisplayFormatTest, FormatTextsNameTheirKind) {
    struct Case {
        const char* text;
        Byte kind, subKind;
        const char* rest;
    } cases[] = {{"0.00", 1, 4, ".00"}, {"N#,##0", 1, 4, "#,##0"}, {"BNo;Yes", 4, 4, "No;Yes"},
                 {"Dyyyy", 2, 7, "yyyy"}, {"thh:nn", 3, 4, "hh:nn"}};
    for (const Case& c : cases) {
        AnsiString text = c.text;
        TQmDisplayFormat format = Format(0, 0, 3, ',');
        ParseDisplayFormat(text, format);
        EXPECT_EQ(format.Kind, c.kind) << c.text;
        EXPECT_EQ(format.SubKind, c.subKind) << c.text;
        EXPECT_EQ(format.Decimals, 3) << c.text;
        EXPECT_EQ(text, c.rest);
    }
    AnsiString other = "x";
    TQmDisplayFormat format = Format(2, 3);
    ParseDisplayFormat(other, format);
    EXPECT_EQ(format.Packed(), Format(2, 3).Packed());
    EXPECT_EQ(TQmDisplayFormat::FromPacked(Format(1, 4, 2, ',').Packed()).Packed(), Format(1, 4, 2, ',').Packed());
    EXPECT_EQ(Format(1, 4, 2, ',').Packed(), 0x2C020401u);
}

TEST_F(QmDisplayFormatTest, ExpressionsCarryTheirOwnFormat) {
    AnsiString expression = "[Price] #N0.00", text;
    TQmDisplayFormat format;
    SplitExpressionFormat(expression, text, format);
    EXPECT_EQ(expression, "[Price]");
    EXPECT_EQ(text, "0.00");
    EXPECT_EQ(format.Kind, TQmDisplayFormat::Number);

    expression = "[Day] :Dyyyy-mm-dd";
    SplitExpressionFormat(expression, text, format);
    EXPECT_EQ(expression, "[Day]");
    EXPECT_EQ(text, "yyyy-mm-dd");
    EXPECT_EQ(format.Kind, TQmDisplayFormat::Date);

    expression = "[Qty] #,##0";  // no kind letter: the object's format stays
    text = "own";
    format = Format(4, 1);
    SplitExpressionFormat(expression, text, format);
    EXPECT_EQ(expression, "[Qty]");
    EXPECT_EQ(text, "own");
    EXPECT_EQ(format.Kind, TQmDisplayFormat::Boolean);
}

TEST_F(QmDisplayFormatTest, SlashStaysASlashAndTheSeparatorComesBack) {
    DateSeparator = '.';
    EXPECT_EQ(FormatDateTimeSlash("yyyy/mm/dd", EncodeDate(2024, 1, 20)), "2024/01/20");
    EXPECT_EQ(DateSeparator, '.');
}

}  // namespace
