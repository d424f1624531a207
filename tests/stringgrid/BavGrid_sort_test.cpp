// Sorting: the styles of a comparison, blanks, ties, the indexed and node
// sorts, what travels with a row, UnSort, and an event raising midway.
#include <set>
#include <stdexcept>
#include <vector>

#include "grid_fixture.h"

namespace {

using Texts = std::vector<AnsiString>;

class SortTest : public StringGridTest {
protected:
    void SetUp() override {
        StringGridTest::SetUp();
        grid->SetFixedCols(0);
        grid->SetColCount(3);
    }
    // Column `col` of the data rows below one fixed row.
    void Fill(int col, const Texts& texts) {
        grid->SetRowCount(int(texts.size()) + 1);
        for (std::size_t i = 0; i < texts.size(); ++i) grid->SetCells(col, int(i) + 1, texts[i]);
    }
    Texts Column(int col) {
        Texts texts;
        for (int r = 1; r < grid->RowCount(); ++r) texts.push_back(grid->Cells(col, r));
        return texts;
    }
    void SortOn(int col, TSortDirection direction = sdAscending) {
        grid->SortSettings()->SetColumn(col);
        grid->SortSettings()->SetDirection(direction);
        grid->QSort();
    }
};

TEST_F(SortTest, TheStyleDecidesHowCellsCompare) {
    struct Case {
        const char* name;
        Texts texts;
        bool autoFormat;
        TSortStyle style;  // through OnGetFormat unless ssAutomatic
        AnsiString prefix;
        Texts sorted;
    };
    const std::vector<Case> cases = {
        {"automatic numbers", {"10", "9", "100"}, true, ssAutomatic, "", {"9", "10", "100"}},
        {"alphabetic", {"10", "9", "100"}, false, ssAutomatic, "", {"10", "100", "9"}},
        {"automatic dates", {"2024-03-01", "2023-12-31", "2024-01-15"}, true, ssAutomatic, "",
         {"2023-12-31", "2024-01-15", "2024-03-01"}},
        {"automatic times", {"12:30", "9:05", "10:00"}, true, ssAutomatic, "", {"9:05", "10:00", "12:30"}},
        {"prefix", {"$40", "$5", "$12"}, true, ssNumeric, "$", {"$5", "$12", "$40"}},
        {"financial", {"1,200", "999", "15"}, true, ssFinancial, "", {"15", "999", "1,200"}},
        {"no case, upper first", {"b", "a", "B", "A"}, true, ssAlphaNoCase, "", {"A", "a", "B", "b"}},
        {"alphanumeric mixed", {"b", "10", "a"}, true, ssAlphaNumeric, "", {"10", "a", "b"}},
        {"alphanumeric numbers", {"10", "9", "100"}, true, ssAlphaNumeric, "", {"9", "10", "100"}},
        {"html", {"<b>c</b>", "b", "<i>a</i>"}, true, ssHTML, "", {"<i>a</i>", "b", "<b>c</b>"}},
        {"EU dates", {"02/03/2024", "01/04/2024", "03/01/2024"}, true, ssShortDateEU, "",
         {"03/01/2024", "02/03/2024", "01/04/2024"}},
    };
    for (const Case& c : cases) {
        Fill(0, c.texts);
        grid->SortSettings()->SetAutoFormat(c.autoFormat);
        grid->SetOnGetFormat(nullptr);
        if (c.style != ssAutomatic)
            grid->SetOnGetFormat([&c](TObject*, int, TSortStyle& style, AnsiString& prefix, AnsiString&) {
                style = c.style;
                prefix = c.prefix;
            });
        SortOn(0);
        EXPECT_EQ(Column(0), c.sorted) << c.name;
        SortOn(0, sdDescending);
        EXPECT_EQ(Column(0), Texts(c.sorted.rbegin(), c.sorted.rend())) << c.name << " descending";
    }
}

TEST_F(SortTest, BlanksCountAsZeroOrKeepTheirPlaceBothWays) {
    Fill(0, {"3", "", "-1", "1"});
    SortOn(0);
    EXPECT_EQ(Column(0), (Texts{"-1", "", "1", "3"}));
    grid->SortSettings()->SetIgnoreBlanks(true);
    grid->SortSettings()->SetBlankPos(blLast);
    SortOn(0);
    EXPECT_EQ(Column(0), (Texts{"-1", "1", "3", ""}));
    SortOn(0, sdDescending);
    EXPECT_EQ(Column(0), (Texts{"3", "1", "-1", ""}));
    grid->SortSettings()->SetBlankPos(blFirst);
    SortOn(0, sdDescending);
    EXPECT_EQ(Column(0), (Texts{"", "3", "1", "-1"}));
}

TEST_F(SortTest, TiesGoToTheColumnsOnTheRightAndWholeRowsMove) {
    Fill(0, {"b", "a", "b", "a"});
    const Texts second = {"2", "x", "1", "w"};
    for (int r = 1; r <= 4; ++r) {
        grid->SetCells(1, r, second[std::size_t(r - 1)]);
        grid->SetRowHeights(r, 20 + r);
    }
    grid->ShowModified()->SetEnabled(true);
    grid->SetRowModified(1, true);  // "b", "2"
    SortOn(0);
    EXPECT_EQ(Column(0), (Texts{"a", "a", "b", "b"}));
    EXPECT_EQ(Column(1), (Texts{"w", "x", "1", "2"}));
    EXPECT_EQ(grid->RowHeights(4), 21) << "the height travels with its row";
    EXPECT_TRUE(grid->IsRowModified(4));
    EXPECT_FALSE(grid->IsRowModified(1));
    EXPECT_EQ(grid->RowCount(), 5) << "the scratch rows are gone";
}

TEST_F(SortTest, SingleColumnMovesOnlyTheSortColumn) {
    Fill(1, {"c", "a", "b"});
    for (int r = 1; r <= 3; ++r) grid->SetCells(0, r, "k" + std::to_string(r));
    grid->SortSettings()->SetSingleColumn(true);
    SortOn(1);
    EXPECT_EQ(Column(1), (Texts{"a", "b", "c"}));
    EXPECT_EQ(Column(0), (Texts{"k1", "k2", "k3"}));
}

TEST_F(SortTest, NormalCellsOnlyKeepsRowHeadersInPlace) {
    grid->SetFixedCols(1);
    Fill(1, {"c", "a", "b"});
    for (int r = 1; r <= 3; ++r) grid->SetCells(0, r, "h" + std::to_string(r));
    grid->SortSettings()->SetNormalCellsOnly(true);
    SortOn(1);
    EXPECT_EQ(Column(1), (Texts{"a", "b", "c"}));
    EXPECT_EQ(Column(0), (Texts{"h1", "h2", "h3"}));
}

TEST_F(SortTest, IndexedSortNeedsItsListAndFollowsEachDirection) {
    Fill(0, {"a", "b", "a", "b"});
    for (int r = 1; r <= 4; ++r) grid->SetCells(1, r, std::to_string(r));
    try {
        grid->QSortIndexed();
        FAIL() << "no exception";
    } catch (const EBavGridError& e) {
        EXPECT_STREQ(e.what(), "No indexes specified for indexed sort");
    }
    EXPECT_EQ(Column(0), (Texts{"a", "b", "a", "b"}));
    grid->SortIndexes()->AddIndex(0, false);
    grid->SortIndexes()->AddIndex(1, true);
    grid->QSortIndexed();
    EXPECT_EQ(Column(0), (Texts{"b", "b", "a", "a"}));
    EXPECT_EQ(Column(1), (Texts{"2", "4", "1", "3"}));
    EXPECT_EQ(grid->SortIndexes()->Count(), 2) << "the indexed sort keeps its list";
    SortOn(1);
    EXPECT_EQ(grid->SortIndexes()->Count(), 0) << "QSort empties it";
}

TEST_F(SortTest, UnSortRestoresTheOrderBeforeTheFirstSortSinceTheLastInsertion) {
    Fill(0, {"c", "a", "b", "d"});
    for (int r = 1; r <= 4; ++r) grid->SetCells(1, r, std::to_string(4 - r));
    SortOn(0);
    SortOn(1);
    grid->UnSort();
    EXPECT_EQ(Column(0), (Texts{"c", "a", "b", "d"}));

    SortOn(0);  // a b c d
    grid->InsertRows(2, 1);
    grid->SetCells(0, 2, "z");  // a z b c d
    SortOn(0);  // a b c d z
    SortOn(1, sdDescending);
    grid->UnSort();
    EXPECT_EQ(Column(0), (Texts{"a", "z", "b", "c", "d"}));
}

TEST_F(SortTest, TheCurrentRowFollowsItsContentOnlyWithMoveRowOnSort) {
    Fill(0, {"c", "a", "b"});
    grid->SetRow(1);  // "c"
    std::vector<std::pair<int, int>> updates;
    grid->SetOnRowUpdate([&](TObject*, int oldRow, int newRow) { updates.emplace_back(oldRow, newRow); });
    SortOn(0);
    EXPECT_EQ(grid->Row(), 1);
    ASSERT_FALSE(updates.empty());
    EXPECT_EQ(updates.back(), std::make_pair(1, 1));

    Fill(0, {"c", "a", "b"});
    grid->Navigation()->SetMoveRowOnSort(true);
    grid->SetRow(1);
    SortOn(0);
    EXPECT_EQ(grid->Cells(0, grid->Row()), "c");
}

TEST_F(SortTest, SortNodesSortsOnlyTheChildrenOfExpandedNodes) {
    Fill(0, {"n1", "c", "a", "b", "n2", "z", "y"});
    grid->AddNode(1, 4);
    grid->AddNode(5, 3);
    grid->ContractNode(5);
    grid->SortNodes();
    grid->ExpandAll();
    EXPECT_EQ(Column(0), (Texts{"n1", "a", "b", "c", "n2", "z", "y"}));
    EXPECT_TRUE(grid->IsNodeRow(1));
    EXPECT_TRUE(grid->IsNodeRow(5));
}

// Without hooks a comparison reads the start of each sort text kept beside
// the row's index; with one it reads the cells. Both must arrange the rows
// alike, ties, blanks and styles taken from the first row included.
TEST_F(SortTest, KeptSortTextsArrangeRowsAsTheCellsDo) {
    const Texts texts = {"abcdefgh2", "", "b", "abcdefgh1", "10", "b",  "abcdefgh",
                         "9",         "", "abcdefgh1", "B", "12:30", "2024-01-02", "b"};
    struct Setting {
        bool full, ignoreBlanks, autoFormat;
        TSortDirection direction;
    };
    const Setting settings[] = {{true, false, true, sdAscending},
                                {false, false, true, sdAscending},
                                {false, true, false, sdDescending},
                                {true, true, true, sdDescending}};
    for (const Setting& setting : settings) {
        std::vector<Texts> arrangements;
        for (const bool hooked : {false, true}) {
            Fill(0, texts);
            for (int r = 1; r <= int(texts.size()); ++r) {
                grid->SetCells(1, r, std::to_string(r % 3));
                grid->SetCells(2, r, "row" + std::to_string(r));
            }
            grid->SortSettings()->SetFull(setting.full);
            grid->SortSettings()->SetIgnoreBlanks(setting.ignoreBlanks);
            grid->SortSettings()->SetAutoFormat(setting.autoFormat);
            grid->SetOnGetFormat(nullptr);
            if (hooked) grid->SetOnGetFormat([](TObject*, int, TSortStyle&, AnsiString&, AnsiString&) {});
            SortOn(0, setting.direction);
            arrangements.push_back(Column(2));
        }
        EXPECT_EQ(arrangements[0], arrangements[1]) << "full " << setting.full << ", blanks " << setting.ignoreBlanks
                                                    << ", automatic " << setting.autoFormat;
    }
}

// Rows move at once after the order is found: heights, selection marks of
// the real rows, the current row and the row-order record go with them;
// fixed footers and hidden rows stay out.
TEST_F(SortTest, WhatTravelsWithARowPastHiddenRowsAndFooters) {
    grid->MouseActions()->SetDisjunctRowSelect(true);
    grid->Navigation()->SetMoveRowOnSort(true);
    Fill(0, {"d", "h", "c", "b", "a", "z"});
    grid->SetFixedFooters(1);
    grid->HideRows(2, 2);  // "h"
    auto displayRowOf = [&](const AnsiString& text) {
        for (int r = 0; r < grid->RowCount(); ++r)
            if (grid->Cells(0, r) == text) return r;
        return -1;
    };
    grid->SetRowSelect(grid->RealRowIndex(displayRowOf("c")), true);
    grid->SetRowHeights(displayRowOf("d"), 30);
    grid->SetRow(displayRowOf("d"));
    SortOn(0);
    EXPECT_EQ(Column(0), (Texts{"a", "b", "c", "d", "z"}));
    EXPECT_EQ(grid->Row(), displayRowOf("d"));
    EXPECT_EQ(grid->RowHeights(displayRowOf("d")), 30);
    for (const char* text : {"a", "b", "c", "d"})
        EXPECT_EQ(grid->GetRowSelect(grid->RealRowIndex(displayRowOf(text))), AnsiString(text) == "c") << text;
    grid->UnSort();
    EXPECT_EQ(Column(0), (Texts{"d", "c", "b", "a", "z"}));
    grid->UnHideAllRows();
    EXPECT_EQ(Column(0), (Texts{"d", "h", "c", "b", "a", "z"}));
}

// An event raising midway leaves the rows and every cell object as they
// were, none freed or lost.
TEST_F(SortTest, AnEventRaisingMidwayLeavesRowsAndObjects) {
    Fill(0, {"5", "3", "9", "1", "7"});
    const int lastWidth = grid->ColWidths(2);
    for (int r = 1; r <= 5; ++r) grid->SetCellBrushColor(1, r, clRed);
    std::set<TObject*> before;
    for (int r = 0; r < grid->RowCount(); ++r)
        for (int c = 0; c < grid->ColCount(); ++c)
            if (grid->Objects(c, r)) before.insert(grid->Objects(c, r));
    ASSERT_EQ(before.size(), 5u);
    int calls = 0;
    grid->SetOnGetFormat([&](TObject*, int, TSortStyle&, AnsiString&, AnsiString&) {
        if (++calls == 6) throw std::runtime_error("midway");
    });
    EXPECT_THROW(SortOn(0), std::runtime_error);
    EXPECT_EQ(Column(0), (Texts{"5", "3", "9", "1", "7"})) << "rows move only once the order is known";
    EXPECT_EQ(grid->RowCount(), 6);
    EXPECT_EQ(grid->ColWidths(2), lastWidth);
    EXPECT_EQ(grid->UpdateCount(), 0);
    // The scratch rows' storage, kept by the platform past RowCount, holds
    // no copies either.
    grid->SetRowCount(9);
    std::set<TObject*> after;
    for (int r = 0; r < grid->RowCount(); ++r)
        for (int c = 0; c < grid->ColCount(); ++c)
            if (grid->Objects(c, r)) {
                EXPECT_TRUE(after.insert(grid->Objects(c, r)).second) << "held twice";
            }
    EXPECT_EQ(after, before);
}

}  // namespace
