// Filtering: the condition language as a table, the helpers it uses, and
// the grid hiding failing rows and bringing them back.
#include <vector>

#include "grid_fixture.h"
#include "platform/rtl/formatsettings.h"
#include "stringgrid/BavFilter.h"

namespace {

TEST(FilterConditionTest, TheLanguageMatchesAsATable) {
    struct Case {
        const char* condition;
        const char* text;
        bool caseSensitive;
        bool match;
    };
    const Case cases[] = {
        {"", "", true, true},
        {"", "a", true, false},
        {"=abc", "abc", true, true},
        {"=abc", "abcd", true, false},
        {"a*", "apple", true, true},
        {"a*", "banana", true, false},
        {"*a", "banana", true, true},
        {"?b", "ab", true, true},
        {"?b", "abb", true, false},
        {"\\*", "*", true, true},
        {"\\*", "a", true, false},
        {"!a*", "banana", true, true},
        {"!a*", "apple", true, false},
        {">10", "11", true, true},
        {">10", "10", true, false},
        {">10", "9", true, false},
        {">=10", "10", true, true},
        {"<5", "4.5", true, true},
        {"<5", "5", true, false},
        {">b", "c", true, true},
        {">b", "a", true, false},
        {">5&<10", "7", true, true},
        {">5&<10", "12", true, false},
        {">10|<5", "2", true, true},
        {">10|<5", "20", true, true},
        {">10|<5", "7", true, false},
        {"a|b&c", "a", true, false},  // (a or b) and c
        {"a*|b*&*c", "abc", true, true},
        {"ab*", "ABC", false, true},
        {"ab*", "ABC", true, false},
        {"\"a b\"", "a b", true, true},
        {" a b ", "ab", true, true},
        {"a\\", "a", true, false},
        {"\x81|*", "\x81|x", true, true},  // the "|" is the second byte of a character
        {"\x81|*", "x", true, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchFilterCondition(c.condition, c.text, c.caseSensitive), c.match)
            << "'" << c.condition << "' on '" << c.text << "'";
}

TEST(FilterConditionTest, LocaleNumbersAndDatesCompareAsValues) {
    const char decimal = DecimalSeparator, thousand = ThousandSeparator;
    DecimalSeparator = ',';
    ThousandSeparator = '.';
    EXPECT_TRUE(MatchFilterCondition("<5", "4,5", true));
    EXPECT_FALSE(MatchFilterCondition(">4,6", "4,5", true));
    EXPECT_EQ(PlainDecimalText("1.234,5"), "1234.5");
    DecimalSeparator = decimal;
    ThousandSeparator = thousand;

    TDateTime date = 0;
    EXPECT_TRUE(ParseLocaleDate(AnsiString("2024") + DateSeparator + "3" + DateSeparator + "9", date));
    EXPECT_EQ(date, EncodeDate(2024, 3, 9));
    EXPECT_FALSE(ParseLocaleDate(AnsiString("2024") + DateSeparator + "13" + DateSeparator + "9", date));
    EXPECT_FALSE(ParseLocaleDate("2024", date));
    EXPECT_EQ(StripBlanksOutsideQuotes("a b \"c d\" e"), "ab\"c d\"e");
    // Dates before and after a date, both in the locale's order.
    const AnsiString earlier = AnsiString("2024") + DateSeparator + "1" + DateSeparator + "31";
    const AnsiString later = AnsiString("2024") + DateSeparator + "10" + DateSeparator + "2";
    EXPECT_TRUE(MatchFilterCondition(">" + earlier, later, true)) << "a string comparison would refuse";
}

TEST(FilterConditionTest, ALongOperandIsCutAt255Characters) {
    const AnsiString operand(300, 'b');
    EXPECT_FALSE(MatchFilterCondition(">" + operand, AnsiString(255, 'b') + "c", true));
    EXPECT_TRUE(MatchFilterCondition(">" + operand, "c", true));
}

class FilterTest : public StringGridTest {
protected:
    void SetUp() override {
        StringGridTest::SetUp();
        grid->SetColCount(3);
        grid->SetRowCount(7);
        const char* values[] = {"", "3", "12", "$7", "20", "5", "8"};
        for (int r = 1; r < 7; ++r) {
            grid->SetCells(1, r, values[r]);
            grid->SetCells(2, r, "r" + std::to_string(r));
        }
    }
    std::vector<AnsiString> Shown() {
        std::vector<AnsiString> rows;
        for (int r = 1; r < grid->RowCount(); ++r) rows.push_back(grid->Cells(2, r));
        return rows;
    }
    TFilterData* AddCondition(int col, const AnsiString& condition, TFilterOperation operation) {
        TFilterData* data = grid->Filter()->Add();
        data->SetColumn(col);
        data->SetCondition(condition);
        data->SetOperation(operation);
        return data;
    }
};

TEST_F(FilterTest, SwitchingOnHidesFailingRowsAndOffBringsThemBack) {
    AddCondition(1, ">4", foSHORT)->SetPrefix("$");
    std::vector<short> progress;
    grid->SetOnFilterProgress([&](TObject*, short p) { progress.push_back(p); });
    grid->SetFilterActive(true);
    EXPECT_EQ(Shown(), (std::vector<AnsiString>{"r2", "r3", "r4", "r5", "r6"}));
    EXPECT_EQ(grid->NumHiddenRows(), 1);
    // After each of the six rows, then the last once more.
    EXPECT_EQ(progress, (std::vector<short>{17, 33, 50, 67, 83, 100, 100}));
    grid->SetFilterActive(false);
    EXPECT_EQ(grid->RowCount(), 7);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(Shown(), (std::vector<AnsiString>{"r1", "r2", "r3", "r4", "r5", "r6"}));
}

TEST_F(FilterTest, OperationsJoinConditionsFromLeftToRight) {
    struct Case {
        TFilterOperation first, second;
        std::vector<AnsiString> shown;
    };
    // ">4" on column 1 passes r2 r4 r5 r6 ("$7" fails as a text); "!r4" on
    // column 2 passes all but r4.
    const Case cases[] = {
        {foSHORT, foSHORT, {"r2", "r5", "r6"}},
        {foNONE, foOR, {"r1", "r2", "r3", "r4", "r5", "r6"}},
        {foNONE, foAND, {"r2", "r5", "r6"}},
        {foNONE, foXOR, {"r1", "r3", "r4"}},
        {foOR, foAND, {"r1", "r2", "r3", "r5", "r6"}},
    };
    for (const Case& c : cases) {
        grid->Filter()->Clear();
        AddCondition(1, ">4", c.first);
        AddCondition(2, "!r4", c.second);
        grid->SetFilterActive(true);
        EXPECT_EQ(Shown(), c.shown) << int(c.first) << " " << int(c.second);
        grid->SetFilterActive(false);
    }
}

TEST_F(FilterTest, AFailedShortConditionSkipsTheRest) {
    AddCondition(1, ">4", foSHORT);
    AddCondition(2, "r*", foSHORT)->SetData(fcCalculated);
    int evaluated = 0;
    struct Counting : TBavStringGrid {
        using TBavStringGrid::TBavStringGrid;
        int* count = nullptr;
        AnsiString CalcCellValue(int col, int row) override {
            ++*count;
            return TBavStringGrid::CalcCellValue(col, row);
        }
    };
    auto* counting = new Counting(form);
    counting->count = &evaluated;
    counting->SetParent(form);
    counting->SetColCount(3);
    counting->SetRowCount(3);
    counting->SetCells(1, 1, "1");
    counting->SetCells(1, 2, "9");
    counting->SetCells(2, 2, "r2");
    counting->Filter()->Assign(grid->Filter());
    counting->SetFilterActive(true);
    EXPECT_EQ(evaluated, 1) << "only the row passing the first condition reaches the second";
    EXPECT_EQ(counting->RowCount(), 2);
}

}  // namespace
