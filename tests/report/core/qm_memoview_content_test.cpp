// What a text object prints for each band occurrence: its expressions
// expanded (formats, hidden zeros, values holding brackets, quoted
// brackets), a handler's own text, repeated values suppressed or merged into
// one cell, and the prepared records that come out of it.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "platform/rtl/streams.h"
#include "platform/rtl/sysutils.h"
#include "report/core/qm_memoview.h"
#include "report/core/qm_units.h"
#include "report/core/qm_utils.h"
#include "view_fixtures.h"

namespace {

class MemoContentTest : public testing::Test, protected ReportWithValues {
protected:
    MemoContentTest() {
        values = {{"SUM", 12.5}, {"ZERO", 0}, {"ZEROTEXT", "0"}, {"ZERODEC", "0.00"}, {"BR", "[x]"}};
    }
    std::unique_ptr<TQmMemoView> NewMemo(const AnsiString& text) {
        std::unique_ptr<TQmMemoView> memo(TQmMemoView::Create());
        memo->ParentReport = report.get();
        memo->SetspBounds(0, 0, 120, 18);
        memo->Memo->SetText(text);
        memo->InPreparedPage = true;
        return memo;
    }
    // The text one band occurrence prints.
    AnsiString Printed(TQmMemoView* memo) {
        memo->ExpandMemo();
        AnsiString text = memo->Memo1->Text();
        if (text.ends_with("\r\n")) text.resize(text.size() - 2);
        return text;
    }
};

TEST_F(MemoContentTest, ExpressionsBecomeTheirFormattedValues) {
    struct Case {
        const char* memo;
        bool hideZeros;
        const char* expected;
    } cases[] = {
        {"Total: [Sum]", true, "Total: 12.5"},
        {"Total: [Zero]", true, "Total: "},
        {"Total: [Zero]", false, "Total: 0"},
        {"[ZeroText]", true, ""},
        {"[ZeroDec]", true, "0.00"},
        {"[Sum] and [Sum]", true, "12.5 and 12.5"},
        {"a[Br]b", true, "a[x]b"},
        {"x['a]b']y", true, "xa]by"},
        {"[Sum #N0.00]", true, "12.50"},
        {"第[Sum]页", true, "第12.5页"},
    };
    for (const Case& c : cases) {
        auto memo = NewMemo(c.memo);
        memo->SetFlag(QmFlag::HideZeros, c.hideZeros);
        EXPECT_EQ(Printed(memo.get()), c.expected) << c.memo;
    }
    auto zero = NewMemo("[Zero]");
    Printed(zero.get());
    EXPECT_FALSE(zero->HasValue) << "a hidden zero shows no value";
    Variant value;
    zero->GetPropValue(zero.get(), "VALUE", value, {});
    EXPECT_EQ(VarToStr(value), "0");
}

TEST_F(MemoContentTest, AHandlerThatChangesMemoPrintsItsTextUnexpanded) {
    auto memo = NewMemo("[Sum]");
    memo->SetOnBeforePrint(TNotifyEvent([&](TObject*) { memo->Memo->SetText("[新文字]"); }));
    EXPECT_EQ(Printed(memo.get()), "[新文字]");
    EXPECT_EQ(memo->Memo->Strings(0), "[Sum]") << "the template text comes back";

    auto blank = NewMemo("[Sum]");
    report->AppendBlanking = true;
    EXPECT_EQ(Printed(blank.get()), "") << "blank rows print no values";
    blank->SetFlag(QmFlag::PrintAtAppendBlank, true);
    EXPECT_EQ(Printed(blank.get()), "12.5");
    EXPECT_TRUE(report->AppendBlanking);
}

struct PreparedCell {
    AnsiString text;
    Integer top, height;
    AnsiString fontName;
};

std::vector<PreparedCell> ReadCells(TMemoryStream& stream) {
    std::vector<PreparedCell> cells;
    stream.SetPosition(0);
    while (stream.Position() < stream.Size()) {
        EXPECT_EQ(ReadByte(&stream), 0);
        std::unique_ptr<TQmMemoView> memo(TQmMemoView::Create());
        memo->InPreparedPage = true;
        memo->LoadFromStream(&stream);
        AnsiString text = memo->Memo1->Text();
        if (text.ends_with("\r\n")) text.resize(text.size() - 2);
        cells.push_back({text, memo->Top, memo->Height, memo->Font()->Name()});
    }
    return cells;
}

class RepeatedValuesTest : public MemoContentTest {
protected:
    // Prints the rows one below the other (18 pixels each) on a page.
    void PrintRows(TQmMemoView* memo, const std::vector<AnsiString>& rows, int firstRow = 0) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            memo->Memo->SetText(rows[i]);
            memo->SetspBound(1, (firstRow + static_cast<int>(i)) * 18);
            memo->Print(&stream);
        }
    }
    TMemoryStream stream;
};

TEST_F(RepeatedValuesTest, SuppressedRepeatsPrintEmptyCells) {
    auto memo = NewMemo("");
    memo->RepeatedOptions()->SetSuppressRepeated(true);
    PrintRows(memo.get(), {"A", "A", "B"});
    const auto cells = ReadCells(stream);
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(cells[0].text, "A");
    EXPECT_EQ(cells[1].text, "");
    EXPECT_EQ(cells[2].text, "B");
}

TEST_F(RepeatedValuesTest, MergedRepeatsMakeOneTallCellPerPage) {
    auto memo = NewMemo("");
    memo->RepeatedOptions()->SetSuppressRepeated(true);
    memo->RepeatedOptions()->SetMergeRepeated(true);
    report->PageNo = 1;
    PrintRows(memo.get(), {"A", "A", "B"});
    report->PageNo = 2;
    PrintRows(memo.get(), {"B"}, 0);
    const auto cells = ReadCells(stream);
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(cells[0].text, "A");
    EXPECT_EQ(cells[0].top, 0);
    EXPECT_EQ(cells[0].height, 2 * ToInternalUnits(qmutScreenPixels, 18)) << "down to the second row's bottom";
    EXPECT_EQ(cells[1].text, "B");
    EXPECT_EQ(cells[2].text, "B") << "a new page starts a new cell";
}

TEST_F(RepeatedValuesTest, AMasterObjectsNewValueStartsANewCell) {
    auto master = NewMemo("");
    auto memo = NewMemo("");
    memo->RepeatedOptions()->SetSuppressRepeated(true);
    memo->RepeatedOptions()->SetMergeRepeated(true);
    memo->MasterMemo = master.get();
    master->ValueChanged = false;
    memo->Memo->SetText("A");
    memo->Print(&stream);
    master->ValueChanged = true;
    memo->SetspBound(1, 18);
    memo->Print(&stream);
    EXPECT_EQ(ReadCells(stream).size(), 2u);
}

// A highlight that changes the font on the second row of a merged run: the
// first cell is rewritten with the font it was written with, so the cell
// written after it stays readable.
TEST_F(RepeatedValuesTest, RewritingAMergedCellKeepsTheRecordsAfterIt) {
    auto memo = NewMemo("");
    memo->Font()->SetName("宋体");
    memo->Highlight()->Font()->SetName("A much longer font name");
    memo->Highlight()->SetCondition("HIGHLIGHT");
    memo->RepeatedOptions()->SetSuppressRepeated(true);
    memo->RepeatedOptions()->SetMergeRepeated(true);
    memo->Prepare();
    auto other = NewMemo("X");
    values["HIGHLIGHT"] = 0;
    memo->Memo->SetText("A");
    memo->Print(&stream);
    other->Print(&stream);
    values["HIGHLIGHT"] = 1;
    memo->Memo->SetText("A");
    memo->SetspBound(1, 18);
    memo->Print(&stream);
    const auto cells = ReadCells(stream);
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[0].fontName, "宋体");
    EXPECT_EQ(cells[0].height, 2 * ToInternalUnits(qmutScreenPixels, 18));
    EXPECT_EQ(cells[1].text, "X");
}

TEST_F(MemoContentTest, InvisibleObjectsWriteNothing) {
    auto memo = NewMemo("[Sum]");
    memo->Visible = false;
    TMemoryStream stream;
    memo->Print(&stream);
    EXPECT_EQ(stream.Size(), 0);
}

}  // namespace
