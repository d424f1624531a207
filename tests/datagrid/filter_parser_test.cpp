// The filter-row language: texts read into parsed expressions, the errors
// with their messages, and the lexer's steps over double-byte characters.
#include <gtest/gtest.h>

#include "datagrid/DbUtilsVynFilterParser.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/valuerestorer.h"

namespace {

// "null", a number as its text, 'text', a date as d:yyyy-mm-dd, a list as
// [a|b].
std::string Describe(const Variant& v) {
    if (VarIsNull(v)) return "null";
    if (VarIsArray(v)) {
        std::string text = "[";
        for (int i = VarArrayLowBound(v, 1); i <= VarArrayHighBound(v, 1); ++i)
            text += (i > VarArrayLowBound(v, 1) ? "|" : "") + Describe(VarArrayGet(v, {i}));
        return text + "]";
    }
    if (v.VarType() == varDate) return "d:" + FormatDateTime("yyyy-mm-dd", VarToDateTime(v));
    if (VarIsNumeric(v)) return FloatToStr(v.AsDouble());
    return "'" + VarToStr(v) + "'";
}

TSTFilterExpressionVyn Parse(const AnsiString& text, TFilterOperandKind kind) {
    TSTFilterExpressionVyn expression;
    expression.OperandKind = kind;
    ParseFilterText(text, expression);
    return expression;
}

struct ParseCase {
    const char* text;
    TFilterOperandKind kind;
    TFilterOperator op1;
    const char* operand1;
    TFilterOperator relation;
    TFilterOperator op2;
    const char* operand2;
};

class FilterParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(FilterParseTest, ReadsConditions) {
    const ParseCase& c = GetParam();
    ValueRestorer<char> decimal(DecimalSeparator, '.');
    ValueRestorer<char> dateSeparator(DateSeparator, '-');
    ValueRestorer<AnsiString> dateFormat(ShortDateFormat, "yyyy-mm-dd");
    const TSTFilterExpressionVyn e = Parse(c.text, c.kind);
    EXPECT_EQ(e.OperandKind, c.kind);
    EXPECT_EQ(e.Operator1, c.op1);
    EXPECT_EQ(Describe(e.Operand1), c.operand1);
    EXPECT_EQ(e.Relation, c.relation);
    EXPECT_EQ(e.Operator2, c.op2);
    EXPECT_EQ(Describe(e.Operand2), c.operand2);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FilterParseTest,
    ::testing::Values(
        ParseCase{"", fokNumber, fopNone, "null", fopNone, fopNone, "null"},
        ParseCase{"   ", fokString, fopNone, "null", fopNone, fopNone, "null"},
        ParseCase{"100", fokNumber, fopEqual, "100", fopNone, fopNone, "null"},
        ParseCase{"abc", fokString, fopLike, "'abc'", fopNone, fopNone, "null"},
        ParseCase{"a,b,c", fokString, fopIn, "['a'|'b'|'c']", fopNone, fopNone, "null"},
        ParseCase{"=Null", fokString, fopNull, "null", fopNone, fopNone, "null"},
        ParseCase{"!=null", fokNumber, fopNotNull, "null", fopNone, fopNone, "null"},
        ParseCase{"<> NULL", fokNumber, fopNotNull, "null", fopNone, fopNone, "null"},
        ParseCase{"not in (1,2)", fokNumber, fopNotIn, "[1|2]", fopNone, fopNone, "null"},
        ParseCase{"In (3)", fokNumber, fopIn, "3", fopNone, fopNone, "null"},
        ParseCase{"!~ab%", fokString, fopNotLike, "'ab%'", fopNone, fopNone, "null"},
        ParseCase{"not like ab%", fokString, fopNotLike, "'ab%'", fopNone, fopNone, "null"},
        ParseCase{"~ab%", fokString, fopLike, "'ab%'", fopNone, fopNone, "null"},
        ParseCase{">1 & <5", fokNumber, fopGreater, "1", fopAnd, fopLess, "5"},
        ParseCase{"> 1 AND < 5", fokNumber, fopGreater, "1", fopAnd, fopLess, "5"},
        ParseCase{">= 2 or <= -1", fokNumber, fopGreaterOrEqual, "2", fopOr, fopLessOrEqual, "-1"},
        ParseCase{"1,5", fokNumber, fopIn, "[1|5]", fopNone, fopNone, "null"},
        ParseCase{"'a b'", fokString, fopLike, "'a b'", fopNone, fopNone, "null"},
        ParseCase{"a b", fokString, fopLike, "'a b'", fopNone, fopNone, "null"},
        ParseCase{"a AND b", fokString, fopLike, "'a'", fopAnd, fopLike, "'b'"},
        ParseCase{"'x|y'", fokString, fopLike, "'x|y'", fopNone, fopNone, "null"},
        ParseCase{">1 & <5 & >7", fokNumber, fopGreater, "1", fopAnd, fopLess, "5"},
        ParseCase{"in (a,b) | in (c", fokString, fopIn, "['a'|'b']", fopOr, fopIn, "'c'"},
        ParseCase{"> 1 &", fokNumber, fopGreater, "1", fopAnd, fopNone, "null"},
        ParseCase{"= 2024-03-05", fokDateTime, fopEqual, "d:2024-03-05", fopNone, fopNone, "null"},
        ParseCase{"yes", fokBoolean, fopEqual, "'yes'", fopNone, fopNone, "null"}));

TEST(FilterParse, ACommaIsTheDecimalSeparatorOfNumbersWhereTheLocaleSaysSo) {
    ValueRestorer<char> decimal(DecimalSeparator, ',');
    const TSTFilterExpressionVyn number = Parse("1,5", fokNumber);
    EXPECT_EQ(number.Operator1, fopEqual);
    EXPECT_DOUBLE_EQ(number.Operand1.AsDouble(), 1.5);
    // A list of texts still splits at commas, and an IN list of numbers too.
    EXPECT_EQ(Describe(Parse("1,5", fokString).Operand1), "['1'|'5']");
    EXPECT_FALSE(FilterListCommaSeparates(fokNumber));
    EXPECT_TRUE(FilterListCommaSeparates(fokString));
}

struct ErrorCase {
    const char* text;
    TFilterOperandKind kind;
    const char* message;
};

class FilterParseErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(FilterParseErrorTest, RaisesWithTheTrimmedText) {
    const ErrorCase& c = GetParam();
    ValueRestorer<char> decimal(DecimalSeparator, '.');
    TSTFilterExpressionVyn e;
    e.OperandKind = c.kind;
    try {
        ParseFilterText(c.text, e);
        ADD_FAILURE() << "no error for " << c.text;
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Errors, FilterParseErrorTest,
    ::testing::Values(ErrorCase{" 'abc ", fokString, "Quote is absent: 'abc"},
                      ErrorCase{"in 1,2", fokNumber, "'(' expected: in 1,2"},
                      ErrorCase{"a in b", fokString, "'(' expected: a in b"},
                      ErrorCase{"in (1,2", fokNumber, "')' expected: in (1,2"},
                      ErrorCase{"NOT = 5", fokNumber, "Error in expression: NOT = 5"},
                      ErrorCase{"( 5 )", fokNumber, "Error in expression: ( 5 )"},
                      ErrorCase{"> null", fokNumber, "Unexpected expression before Null: > null"},
                      ErrorCase{">>5", fokNumber, "Unexpected expression after operator: >>5"},
                      ErrorCase{"> 1 & ( 2", fokNumber, "Incorrect expression: > 1 & ( 2"},
                      ErrorCase{"in (1) 2", fokNumber, "Unexpected AND or OR: in (1) 2"},
                      ErrorCase{"> 1 = 2", fokNumber, "Unexpected AND or OR: > 1 = 2"}));

TEST(FilterParse, AValueThatIsNoNumberRaisesTheConversionError) {
    ValueRestorer<char> decimal(DecimalSeparator, '.');
    EXPECT_THROW(Parse("> 5 7", fokNumber), EConvertError);
    // The same text is one value of a text column.
    EXPECT_EQ(Describe(Parse("> 5 7", fokString).Operand1), "'5 7'");
}

TEST(FilterParse, TheTrailByteOfADoubleByteCharacterIsNoOperator) {
    // 亅 is 0x81 0x7C: its trail byte is the code of "|".
    const AnsiString bar = "\x81\x7C";
    const TSTFilterExpressionVyn e = Parse("a" + bar + "b", fokString);
    EXPECT_EQ(e.Operator1, fopLike);
    EXPECT_EQ(VarToStr(e.Operand1), "a" + bar + "b");
    EXPECT_EQ(e.Relation, fopNone);
    // And 0x81 0x7E is no "~".
    EXPECT_EQ(Parse("\x81\x7E", fokString).Operator1, fopLike);
    EXPECT_EQ(ScanFilterWord("\x81\x7C|x", 1), bar);
}

TEST(FilterLexer, StepsOverOperatorsWordsAndValues) {
    int pos = 1;
    TFilterOperator token = fopNone;
    Variant value;
    NextFilterLexeme(">= 3", pos, true, token, value);
    EXPECT_EQ(token, fopGreaterOrEqual);
    EXPECT_EQ(pos, 4);
    NextFilterLexeme(">= 3", pos, true, token, value);
    EXPECT_EQ(token, fopValue);
    EXPECT_EQ(VarToStr(value), "3");
    EXPECT_EQ(pos, 5);
    NextFilterLexeme(">= 3", pos, true, token, value);
    EXPECT_EQ(token, fopNone);

    EXPECT_EQ(FilterWordOperator("like"), TFilterRawOperator::Like);
    EXPECT_EQ(FilterWordOperator("Null"), TFilterRawOperator::Null);
    EXPECT_EQ(FilterWordOperator("Inx"), TFilterRawOperator::None);
    EXPECT_EQ(FilterWordOperator(""), TFilterRawOperator::None);
    EXPECT_EQ(SkipFilterSpaces("a   ", 2), 2);
    EXPECT_EQ(SkipFilterSpaces("a  b", 2), 4);
    EXPECT_EQ(FilterCharAt("ab", 3), '\0');
    EXPECT_EQ(FieldTypeOperandKind(ftLargeint), fokNumber);
    EXPECT_EQ(FieldTypeOperandKind(ftTimeStamp), fokDateTime);
    EXPECT_EQ(FieldTypeOperandKind(ftBlob), fokNone);
}

TEST(FilterLexer, ALongValueOfManyWordsIsReadInOnePass) {
    AnsiString text;
    for (int i = 0; i < 2000; ++i) text += "w ";
    const TSTFilterExpressionVyn e = Parse(text, fokString);
    EXPECT_EQ(VarToStr(e.Operand1), Trim(text));
}

}  // namespace
