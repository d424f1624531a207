// The standard functions as report expressions call them: arguments
// evaluated only when used, Null defaults, byte-counted texts, Chinese
// dates and numbers, the dialogs through the test responder; the engine's
// texts and application object.
#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/datetime.h"
#include "platform/rtl/stringlist.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/modalresponder.h"
#include "report/core/qm_class.h"
#include "report/core/qm_parser.h"
#include "report/core/qm_stdfunctions.h"

namespace {

class QmStdFunctionsTest : public testing::Test {
protected:
    void SetUp() override {
        RegisterFunctionLibrary(TQmStdFunctionLibrary::StaticClass());
        LoadEngineTexts();
        report_->SetDataset(source_);
        source_->SetOnGetFieldsList(TQmUserDatasetOnGetFieldsList([](TQmDataset*, TStrings* names) { names->Add("备注"); }));
        parser_->SetOwner(report_.get());
        parser_->SetOnGetValue(TQmGetValueEvent([](const AnsiString& name, Variant& value) {
            if (name == "NOTHING") value = Null();
            if (name == "NATIONALDAY") value = VarFromDateTime(EncodeDate(2016, 10, 5));
        }));
        // The report's own hook: each registered library in turn.
        parser_->SetOnFunction(TQmFunctionEvent(
            [this](const AnsiString& name, const TQmArguments& arguments, Variant& value, bool&) {
                for (int i = 0; i < GetFunctionLibraryCount(); ++i)
                    if (GetFunctionLibrary(i)->HandleFunction(parser_.get(), name, arguments, value)) return;
            }));
        ResetModalResponder();
    }
    void TearDown() override { UnregisterFunctionLibrary(TQmStdFunctionLibrary::StaticClass()); }

    AnsiString Eval(const AnsiString& expression) { return VarToStr(parser_->Calc(expression)); }

    std::unique_ptr<TQmReport> report_{TQmReport::Create(nullptr)};
    TQmUserDataset* source_ = TQmUserDataset::Create(report_.get());
    std::unique_ptr<TQmParser> parser_{TQmParser::Create()};
};

TEST_F(QmStdFunctionsTest, Functions) {
    struct Case {
        const char* expression;
        const char* expected;
    } cases[] = {
        {"IIF(1=1, 'a', STRTOINT('x'))", "a"},
        {"IF(Nothing, STRTOINT('x'), 'b')", "b"},
        {"STRTOFLOAT('')", "0"},
        {"STRTOFLOAT('2.5')*2", "5"},
        {"STRTOINT('12')+1", "13"},
        {"NAMECASE('hello world')", "Hello world"},
        {"POS('b', 'abc')", "2"},
        {"COPY('abcdef', 2, 3)", "bcd"},
        {"LENGTH('中文a')", "5"},
        {"COPY('中文', 3, 2)", "文"},
        {"UPPERCASE('abc')+LOWERCASE('DEF')", "ABCdef"},
        {"TRIM('  x ')", "x"},
        {"FORMATDATETIME('yyyy', Nothing)", "0"},
        {"FORMATDATETIME('yyyy', NationalDay)", "2016"},
        {"FORMATFLOAT('0.00', 2)", "2.00"},
        {"STRINGOFCHAR('', 3)", ""},
        {"STRINGOFCHAR('中x', 2)", "中中"},
        {"MONTHTOENGLISHSHORT(1)", "Jan"},
        {"MONTHTOENGLISHLONG(Nothing)", ""},
        {"SINGNUMTOBIG(123.5, 1)", "叁"},
        {"SMALLTOBIG('12')", "壹贰"},
        {"CURRTOBIGNUM(1001)", "壹仟零壹元整"},
        {"CURRTOBIGNUM('')", "零整"},
        {"QmROUND(0.125, 2)", "0.13"},
        {"ABS(-2)", "2"},
        {"ABS(Nothing)", "0"},
        {"DIV(7, 2)", "3"},
        {"MAXNUM(3, 5)+MINNUM(3, 5)", "8"},
        {"YEAR(NationalDay)*100+MONTH(NationalDay)", "201610"},
        {"DAY(NationalDay)", "5"},
        {"CHINADATE(NationalDay)", "二０一六年十月五日"},
        {"CNUMBER('1020')", "一千零二十"},
        {"QmFORMAT(1234.5, 'N#,##0.00')", "1,234.50"},
        {"QmFORMAT(1, 'BNo;Yes')", "Yes"},
        {"FIELDISNULL('备注')", "True"},
        {"FIELDISNULL('不存在')", "False"},
        {"SUM([x])", "0"},
    };
    for (const auto& c : cases) EXPECT_EQ(Eval(c.expression), c.expected) << c.expression;
    EXPECT_THROW(Eval("STRTOINT('x')"), EConvertError);
}

TEST_F(QmStdFunctionsTest, DialogsAskThroughThePlatform) {
    PushModalAnswer({mrOk, "李四"});
    PushModalAnswer({IDYES});
    PushModalAnswer({mrOk});
    EXPECT_EQ(Eval("INPUT('顾客姓名', '张三')"), "李四");
    EXPECT_EQ(Eval("MESSAGEBOX('继续吗', '提示', 4)"), "6");
    EXPECT_EQ(Eval("SHOWMESSAGE('x')"), "0");
    const std::vector<ModalQuestion>& asked = ModalQuestions();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0].caption, "");
    EXPECT_EQ(asked[0].text, "顾客姓名");
    EXPECT_EQ(asked[1].caption, "提示");
    EXPECT_EQ(asked[1].flags, 4u);
    EXPECT_EQ(asked[2].text, "x");
}

TEST(QmChinaDate, DaysAndMonthsInChineseDigits) {
    EXPECT_EQ(ChinaDate(EncodeDate(2016, 10, 5)), "二０一六年十月五日");
    EXPECT_EQ(ChinaDate(EncodeDate(2024, 1, 20)), "二０二四年一月二十日");
    EXPECT_EQ(ChinaDate(EncodeDate(2024, 12, 31)), "二０二四年十二月三十一日");
    EXPECT_EQ(ChinaDate(EncodeDate(2024, 11, 15)), "二０二四年十一月十五日");
    EXPECT_EQ(ChinaDate(EncodeDate(2024, 2, 10)), "二０二四年二月十日");
}

TEST(QmEngineTexts, LoadedTablesAndRecreatedLibraries) {
    RegisterFunctionLibrary(TQmStdFunctionLibrary::StaticClass());
    const int count = GetFunctionLibraryCount();
    LoadEngineTexts();
    EXPECT_EQ(GetFunctionLibraryCount(), count);
    EXPECT_EQ(QmDefaultCharset, 134);
    EXPECT_EQ(QmBandNames.front(), "标题");
    EXPECT_EQ(QmBandNames[16], "子栏");
    TQmCustomFunctionLibrary* library = GetFunctionLibrary(count - 1);
    ASSERT_EQ(library->FunctionNames()->Count(), 47);
    EXPECT_EQ(library->FunctionNames()->Strings(9), "QmROUND");
    EXPECT_EQ(library->FunctionNames()->Strings(46), "SUM");
    EXPECT_EQ(library->FunctionDescs().front().Name, "Avg");
    EXPECT_EQ(library->FunctionDescs().back().Description, "Format value.|");
    UnregisterFunctionLibrary(TQmStdFunctionLibrary::StaticClass());
}

TEST(QmApplication, SettingsAndTheGlobalVariables) {
    auto application = std::unique_ptr<TQmApplication>(TQmApplication::Create(nullptr));
    EXPECT_EQ(application->QmExtendFormPath().back(), '/');
    auto given = std::unique_ptr<TQmVariables>(TQmVariables::Create());
    given->SetVariable("店名", "手机店");
    application->SetQmVariables(given.get());
    EXPECT_NE(application->QmVariables(), given.get());
    EXPECT_EQ(VarToStr(application->QmVariables()->GetVariable("店名")), "手机店");
    auto other = std::unique_ptr<TQmApplication>(TQmApplication::Create(nullptr));
    EXPECT_EQ(other->QmVariables(), application->QmVariables());
}

}  // namespace
