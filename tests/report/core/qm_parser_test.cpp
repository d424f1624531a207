// The expression evaluator: operators and their grouping, literals and
// numbers, names and calls handed to the hooks, the null rule, the limits
// of its eleven slots, and the search for aggregate calls.
#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/stringlist.h"
#include "report/core/qm_class.h"
#include "report/core/qm_parser.h"

namespace {

class QmParserTest : public testing::Test {
protected:
    QmParserTest() {
        parser_->SetOnGetValue(TQmGetValueEvent([this](const AnsiString& name, Variant& value) {
            names_.push_back(name);
            if (name == "NULLVALUE") value = Null();
            if (name == "PRICE" || name == "Price") value = 12.5;
        }));
        parser_->SetOnFunction(TQmFunctionEvent(
            [this](const AnsiString& name, const TQmArguments& arguments, Variant& value, bool&) {
                calls_.push_back(name);
                arguments_ = arguments;
                if (name == "TWICE") value = parser_->Calc(arguments[0]) * Variant(2);
            }));
    }

    Variant Eval(const AnsiString& expression) { return parser_->Calc(expression); }

    std::unique_ptr<TQmParser> parser_{TQmParser::Create()};
    std::vector<AnsiString> names_, calls_;
    TQmArguments arguments_;
};

struct EvalCase {
    const char* expression;
    const char* expected;  // the result's text
};

TEST_F(QmParserTest, OperatorsGroupByTheirPriorities) {
    const EvalCase cases[] = {
        {"2+3*4", "14"},           {"(2+3)*4", "20"},          {"10-4-3", "3"},
        {"5>3 AND 2>1", "0"},      {"(5>3) AND (2>1)", "1"},   {"(1=1) OR (1=1)", "2"},
        {"10/0", "0"},             {"7/2", "3.5"},             {"7 MOD 3", "1"},
        {"INT(2.99999999999999)", "3"}, {"INT(-2.5)", "-2"},   {"FRAC(-2.25)", "-0.25"},
        {"ROUND(2.5)", "2"},       {"ROUND(3.5)", "4"},        {"NOT 0", "1"},
        {"NOT 5", "0"},            {"NOT NullValue", "1"},     {"3<>4", "1"},
        {"3>=3", "1"},             {"4<=3", "0"},              {"-(2)", "-2"},
        {"2*(-3)", "-6"},          {"+4", "4"},                {"STR(12)+'a'", "12a"},
        {"'It''s'", "It's"},       {"'a''''b'", "a''b"},       {"'a'+'b'", "ab"},
        {"1,5+1", "2.5"},          {"1.5+1", "2.5"},           {"true", "1"},
        {"FALSE+2", "2"},          {"A;B", ""},                {"", "0"},
        {"[Price]*2", "25"},       {"price+1", "13.5"},
    };
    for (const EvalCase& c : cases) EXPECT_EQ(VarToStr(Eval(c.expression)), c.expected) << c.expression;
}

TEST_F(QmParserTest, NamesAreUpperCasedAndBracketedNamesKeptAsWritten) {
    Eval("price + [Price] + [Shop.\"品牌\"]");
    EXPECT_EQ(names_, (std::vector<AnsiString>{"PRICE", "Price", "Shop.\"品牌\""}));
    names_.clear();
    Eval("A;B");
    EXPECT_EQ(names_, std::vector<AnsiString>{"A"});
}

TEST_F(QmParserTest, CallsGetTheirArgumentTextsUnevaluated) {
    EXPECT_EQ(VarToStr(Eval("twice(1+2)+1")), "7");
    EXPECT_EQ(calls_.front(), "TWICE");
    Eval("f('a,b', (1,2), x )");
    ASSERT_EQ(arguments_.size(), 11u);
    EXPECT_EQ(VarToStr(arguments_[0]), "'a,b'");
    EXPECT_EQ(VarToStr(arguments_[1]), " (1,2)");
    EXPECT_EQ(VarToStr(arguments_[2]), " x ");
    EXPECT_EQ(VarToStr(arguments_[3]), "");
    // An indexed name is the function GETARRAY, which no hook answers here.
    Eval("Arr[2]");
    EXPECT_EQ(calls_.back(), "GETARRAY");
    EXPECT_EQ(VarToStr(arguments_[0]), "Arr");
    EXPECT_EQ(VarToStr(arguments_[1]), " 2");
}

TEST_F(QmParserTest, PostfixKeepsCallsAsWritten) {
    EXPECT_EQ(parser_->ToPostfix("2+3*4"), "2 3 4 *+");
    EXPECT_EQ(parser_->ToPostfix("IIF(a>1, 'x', 'y') + 1"), "IIF(a>1, 'x', 'y')1 +");
    EXPECT_EQ(parser_->ToPostfix("-[a]"), AnsiString("[a] ") + TQmParser::opNegate);
}

TEST_F(QmParserTest, MalformedExpressionsAreRefused) {
    EXPECT_THROW(Eval("f(1, 2"), EQmParserError);
    EXPECT_THROW(parser_->CalcPostfix("f(1"), EQmParserError);
    EXPECT_THROW(Eval("2+"), EQmParserError);
    // Twelve arguments, and twelve values waiting at once.
    EXPECT_THROW(Eval("f(1,2,3,4,5,6,7,8,9,10,11,12)"), EQmParserError);
    EXPECT_NO_THROW(Eval("f(1,2,3,4,5,6,7,8,9,10,11)"));
    EXPECT_THROW(Eval("1+(1+(1+(1+(1+(1+(1+(1+(1+(1+(1+1))))))))))"), EQmParserError);
    EXPECT_EQ(VarToStr(Eval("1+(1+(1+(1+(1+(1+(1+(1+(1+(1+1)))))))))")), "11");
}

TEST_F(QmParserTest, NullMeetsTheOtherOperandsEmptyValueUnlessNullsAreConverted) {
    auto report = std::unique_ptr<TQmReport>(TQmReport::Create(nullptr));
    parser_->SetOwner(report.get());
    report->SetConvertNulls(false);
    EXPECT_EQ(VarToStr(Eval("NullValue+5")), "5");
    EXPECT_EQ(VarToStr(Eval("'a'+NullValue")), "a");
    report->SetConvertNulls(true);
    EXPECT_TRUE(VarIsNull(Eval("NullValue+5")));
}

TEST_F(QmParserTest, PassThroughHandsValuesBack) {
    parser_->SetPassThrough(true);
    EXPECT_EQ(VarToStr(parser_->Calc("1+1")), "1+1");
}

TEST(QmFunctionSplitter, FindsAggregateCallsInnermostFirst) {
    auto names = std::unique_ptr<TStringList>(TStringList::Create());
    for (const char* name : {"AVG", "COUNT", "MAX", "MIN", "SUM"}) names->Add(name);
    auto found = std::unique_ptr<TStringList>(TStringList::Create());
    auto variables = std::unique_ptr<TQmVariables>(TQmVariables::Create());
    variables->SetVariable("Total", "sum([Qty])");
    TQmFunctionSplitter splitter(names.get(), found.get(), variables.get());
    auto split = [&](const AnsiString& expression) {
        found->Clear();
        splitter.Split(expression);
        std::vector<AnsiString> calls;
        for (int i = 0; i < found->Count(); ++i) calls.push_back(found->Strings(i));
        return calls;
    };
    using Calls = std::vector<AnsiString>;
    EXPECT_EQ(split("SUM([Price])+COUNT(x)"), (Calls{"SUM([Price])", "COUNT(x)"}));
    EXPECT_EQ(split("SUM(SUM(x))"), (Calls{"SUM(x)", "SUM(SUM(x))"}));
    EXPECT_EQ(split("'SUM(x)'"), Calls{});
    EXPECT_EQ(split("[Total]*2"), Calls{"sum([Qty])"});
    EXPECT_EQ(split("1 + Total"), Calls{"sum([Qty])"});
    EXPECT_EQ(split("IIF(a, b, c, MAX(x))"), Calls{});
}

}  // namespace
