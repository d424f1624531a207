// Calculated text objects: the record, accumulating over the records a band
// stand-in prints (sum, count, average, max with a rejecting filter, user
// kind, repeated values), what the text shows, totals kept for the final
// pass, and the splitter that finds aggregate calls.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/sysutils.h"
#include "report/core/qm_band.h"
#include "report/core/qm_calcmemoview.h"
#include "report/core/qm_utils.h"
#include "view_fixtures.h"

namespace {

class CalcMemoTest : public testing::Test, protected ReportWithValues {
protected:
    CalcMemoTest() { band->SetName("MasterData1"); }
    std::unique_ptr<TQmCalcMemoView> NewCalc(TQmDBCalcType type, const AnsiString& text) {
        std::unique_ptr<TQmCalcMemoView> calc(TQmCalcMemoView::Create());
        calc->ParentReport = report.get();
        calc->Memo->SetText(text);
        calc->CalcOptions()->CalcType = type;
        calc->CalcOptions()->AggrBandName = "MasterData1";
        calc->Prepare();
        calc->PrepareForPass(false);
        return calc;
    }
    // Prints the band once per amount, accumulating each record.
    void RunRecords(TQmCalcMemoView* calc, const std::vector<double>& amounts) {
        report->CurrentBand = band.get();
        for (double amount : amounts) {
            values["AMOUNT"] = amount;
            calc->Accumulate();
        }
    }
    AnsiString Shown(TQmCalcMemoView* calc) {
        calc->PrepareText();
        return calc->Memo1->Strings(0);
    }
    std::unique_ptr<TQmBandMasterData> band{TQmBandMasterData::Create()};
};

TEST_F(CalcMemoTest, RecordsOfTemplatesAndPreparedPages) {
    auto calc = NewCalc(qmdcAvg, "[Amount]");
    calc->CalcOptions()->Filter = " [Amount] > 0 ";
    calc->SetResultExpression("");
    calc->CalcOptions()->ResetGroupName = "GroupHeader1";
    TStringStream out;
    calc->SaveToStream(&out);
    const std::string bytes = out.DataString();
    const std::string tail = ByteWriter()
                                 .Word(2)
                                 .Byte(1)
                                 .Byte(2)
                                 .Str("MasterData1")
                                 .Str("[Amount] > 0")
                                 .Str("")
                                 .Str("")
                                 .Str("")
                                 .Str("GroupHeader1")
                                 .Bytes();
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);

    std::unique_ptr<TQmCalcMemoView> copy(TQmCalcMemoView::Create());
    TStringStream in(bytes);
    copy->LoadFromStream(&in);
    EXPECT_EQ(in.Position(), static_cast<Int64>(bytes.size()));
    EXPECT_EQ(copy->CalcOptions()->CalcType, qmdcAvg);
    EXPECT_EQ(copy->CalcOptions()->ResetGroupName, "GroupHeader1");

    calc->InPreparedPage = true;
    TStringStream prepared;
    calc->SaveToStream(&prepared);
    EXPECT_EQ(prepared.DataString().substr(prepared.DataString().size() - 2), std::string("\x02\x00", 2));
}

TEST_F(CalcMemoTest, AggregatesOverTheBandsRecords) {
    struct Case {
        TQmDBCalcType type;
        const char* text;
        std::vector<double> amounts;
        const char* shown;
    } cases[] = {
        {qmdcSum, "合计: [Amount]", {10, 2.5, 7}, "合计: 19.5"},
        {qmdcCount, "", {10, 2.5, 7}, "3"},
        {qmdcCount, "", {}, ""},
        {qmdcAvg, "[Amount]", {10, 2, 6}, "6"},
        {qmdcMin, "[Amount #N0.00]", {10, 2, 6}, "2.00"},
        {qmdcSum, "no brackets", {10}, "no brackets"},
    };
    for (const Case& c : cases) {
        auto calc = NewCalc(c.type, c.text);
        RunRecords(calc.get(), c.amounts);
        EXPECT_EQ(Shown(calc.get()), c.shown) << c.text;
    }
}

TEST_F(CalcMemoTest, FiltersVisibilityAndRepeatedValues) {
    auto rejecting = NewCalc(qmdcMax, "[Amount]");
    rejecting->CalcOptions()->Filter = "0";
    rejecting->PrepareForPass(false);
    RunRecords(rejecting.get(), {5, 6});
    EXPECT_EQ(rejecting->GetValue(), -1E300) << "the start value stays";

    auto hidden = NewCalc(qmdcSum, "[Amount]");
    band->Visible = false;
    RunRecords(hidden.get(), {5, 6});
    EXPECT_EQ(hidden->GetValue(), 0) << "an invisible band's records do not count";
    hidden->CalcOptions()->SetCalcNoVisible(true);
    RunRecords(hidden.get(), {5, 6});
    EXPECT_EQ(hidden->GetValue(), 11);
    band->Visible = true;

    auto once = NewCalc(qmdcSum, "[Amount]");
    once->RepeatedOptions()->SetSuppressRepeated(true);
    RunRecords(once.get(), {5, 5, 6, 6, 5});
    EXPECT_EQ(once->GetValue(), 16);

    auto text = NewCalc(qmdcSum, "[Amount]");
    text->CalcOptions()->Filter = "'abc'";
    text->PrepareForPass(false);
    EXPECT_THROW(RunRecords(text.get(), {1}), EConvertError);

    auto other = NewCalc(qmdcSum, "[Amount]");
    band->SetName("MasterData2");
    RunRecords(other.get(), {5});
    EXPECT_EQ(other->GetValue(), 0) << "records of another band";
}

TEST_F(CalcMemoTest, UserKindResetAndCapitals) {
    auto user = NewCalc(qmdcUser, "");
    user->CalcOptions()->IntalizeValue = "START";
    user->CalcOptions()->AggregateValue = "NEXT";
    user->PrepareForPass(false);
    values["START"] = 5;
    values["NEXT"] = 7;
    RunRecords(user.get(), {1});
    EXPECT_EQ(Shown(user.get()), "7") << "the value appended to a text without brackets";

    auto sum = NewCalc(qmdcSum, "[Amount]");
    RunRecords(sum.get(), {1234.5});
    sum->Reset();
    EXPECT_EQ(Shown(sum.get()), "1234.5") << "a reset leaves the value until the next record";
    sum->SetFlag(QmFlag::OutBigNum, true);
    EXPECT_EQ(Shown(sum.get()), CurrToChineseCapitals(Currency(1234.5)));
    RunRecords(sum.get(), {3});
    sum->SetFlag(QmFlag::OutBigNum, false);
    EXPECT_EQ(Shown(sum.get()), "3");
}

TEST_F(CalcMemoTest, TotalsOfTheFirstPassAreShownInTheFinalPass) {
    auto calc = NewCalc(qmdcSum, "[Amount]");
    calc->CalcOptions()->SetTotalCalc(true);
    calc->OwnBand = band.get();
    report->DoublePass = true;
    report->FinalPass = false;
    RunRecords(calc.get(), {4, 5});
    calc->StoreTotal(false);
    RunRecords(calc.get(), {1});
    calc->StoreTotal(false);
    report->FinalPass = true;
    calc->PrepareForPass(true);
    EXPECT_EQ(calc->GetValue(), 10) << "the grand total of the first pass";
}

TEST(QmAggregateSplitter, ReportsNestedCallsFirst) {
    std::unique_ptr<TStringList> found(TStringList::Create());
    std::unique_ptr<TQmVariables> variables(TQmVariables::Create());
    TAggregateFunctionsSplitter splitter(found.get(), variables.get());
    std::unique_ptr<TStringList> lines(TStringList::Create());
    lines->SetText("合计 [SUM(COUNT([Qty]))] 和 [MAX(x)]");
    splitter.SplitMemo(lines.get());
    ASSERT_EQ(found->Count(), 3);
    EXPECT_EQ(found->Strings(0), "COUNT([Qty])");
    EXPECT_EQ(found->Strings(1), "SUM(COUNT([Qty]))");
    EXPECT_EQ(found->Strings(2), "MAX(x)");
}

}  // namespace
