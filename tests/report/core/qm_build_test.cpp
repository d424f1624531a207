// Building reports: passes, names, pages, data bands, groups, columns and
// the prepared pages they leave, over templates made in code.
#include <gtest/gtest.h>

#include "build_fixtures.h"
#include "platform/gdi/wingdi.h"
#include "platform/rtl/stringlist.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/modalresponder.h"
#include "report/core/qm_calcmemoview.h"
#include "report/core/qm_dictionary.h"
#include "report/core/qm_stdfunctions.h"
#include "report/core/qm_structureviews.h"

namespace {

using Lines_ = std::vector<AnsiString>;

class BuildTest : public testing::Test, public BuildFixture {
protected:
    // A master data band over `source` at `top` with one text "[source."N"]".
    TQmBandMasterData* AddRows(const AnsiString& source, double top, double height = 5,
                               const AnsiString& text = {}) {
        auto* band = AddBand<TQmBandMasterData>(top, height);
        band->SetDataSetName(source);
        AddText(top, text.empty() ? "[" + source + ".\"N\"]" : text, 0, height);
        return band;
    }
    // A sub-report at (left, top) of the page, 80 mm wide, printing a new
    // page whose data band of 10 mm rows shows `prefix` + N of `source`.
    void AddSubReport(TQmSubReportType type, double left, double top, double height, const AnsiString& source,
                      const AnsiString& prefix = {}) {
        auto* sub = TQmSubReportView::Create();
        sub->SetParentPage(page);
        sub->SubReportType = type;
        sub->SubPage = report->Pages()->GetCount();
        sub->Left = Mm(left);
        sub->Top = Mm(top);
        sub->Width = Mm(80);
        sub->Height = Mm(height);
        TQmReportPage* inner = report->Pages()->AddReportPage();
        auto* band = AddBand<TQmBandMasterData>(0, 10);
        band->SetParentPage(inner);
        band->SetDataSetName(source);
        AddText(0, prefix + "[" + source + ".\"N\"]", 0, 10, inner);
    }
    std::string TemplateBytes() const {
        TMemoryStream stream;
        report->SaveToStream(&stream);
        return std::string(static_cast<const char*>(stream.Memory()), static_cast<std::size_t>(stream.Size()));
    }
    bool Build() {
        const std::string before = TemplateBytes();
        const bool built = report->BuildPreparedPages();
        EXPECT_EQ(TemplateBytes(), before) << "the template is the same after the build";
        return built;
    }
};

TEST_F(BuildTest, TitleRowsAndPageFooterOnOnePage) {
    AddBand<TQmBandReportTitle>(0, 10);
    AddText(0, "Title");
    AddRows("Rows", 20, 5, "Row [Rows.\"N\"]");
    auto* footer = AddBand<TQmBandPageFooter>(40, 5);
    footer->SetFlag(QmBandFlag::PrintOnLastPage, true);
    AddText(40, "Page [_Qm_Page]");
    AddSource("Rows", Numbered(3));

    ASSERT_TRUE(Build()) << report->ErrorText;
    ASSERT_EQ(PageCount(), 1);
    const std::vector<PreparedText> texts = Texts(0);
    EXPECT_EQ(texts, (std::vector<PreparedText>{
                         {"Title", 0, 0}, {"Row 1", 10, 0}, {"Row 2", 15, 0}, {"Row 3", 20, 0}, {"Page 1", 262, 0}}))
        << "rows follow the title; the page footer sits at the bottom of the printable area";
}

TEST_F(BuildTest, TwoPassesSeeFinalPassAndTheFirstPassPageCount) {
    report->DoublePass = true;
    AddRows("Rows", 0, 100);
    AddSource("Rows", Numbered(5));
    std::vector<std::pair<bool, Integer>> seen;
    report->OnBeginDoc = TNotifyEvent([this](TObject*) { EXPECT_FALSE(report->BuildPreparedPages()); });
    report->OnBeginPage = TQmPageEvent([&](Integer) { seen.push_back({report->FinalPass, report->TotalPages}); });
    ASSERT_TRUE(Build()) << report->ErrorText;
    EXPECT_EQ(PageCount(), 3);
    EXPECT_EQ(seen, (std::vector<std::pair<bool, Integer>>{
                        {false, 0}, {false, 0}, {false, 0}, {true, 3}, {true, 3}, {true, 3}}));
}

TEST_F(BuildTest, NamesResolveInOrderAndSelfReferencesEnd) {
    report->Variables()->SetVariable("OWN", 7);
    GlobalVariables()->SetVariable("SHARED", 8);
    report->Dictionary()->Variables()->SetVariable("Doubled", "OWN * 2");
    report->Dictionary()->Variables()->SetVariable("A", "B");
    report->Dictionary()->Variables()->SetVariable("B", "A");
    report->Dictionary()->Variables()->SetVariable("Itself", "Itself");
    AddBand<TQmBandReportTitle>(0, 30);
    AddText(0, "[OWN] [SHARED] [Doubled] [Page1.PAGESIZE]");
    AddText(5, "<[A]><[Itself]><[Nowhere]>");
    report->OnGetValue = TQmDetailEvent([](const AnsiString& name, Variant& value) {
        if (name == "SHARED") value = "app";
    });
    ASSERT_TRUE(Build()) << report->ErrorText;
    const Lines_ lines = Lines(0);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "7 app 14 " + IntToStr(page->PaperSize)) << "the application answers first";
    EXPECT_EQ(lines[1], "<><><>") << "names that lead back to themselves end as Null";
    GlobalVariables()->Clear();
}

TEST_F(BuildTest, EmptySourcesAndBandsWithoutSource) {
    auto* none = AddBand<TQmBandMasterData>(0, 5);
    AddText(0, "no source");
    (void)none;
    AddRows("Empty", 10, 5, "empty row");
    auto* printed = AddRows("Also", 20, 5, "printed anyway");
    printed->SetFlag(QmBandFlag::PrintIfEmpty, true);
    AddSource("Empty", {});
    AddSource("Also", {});
    ASSERT_TRUE(Build()) << report->ErrorText;
    EXPECT_EQ(Lines(0), Lines_{"printed anyway"});
}

TEST_F(BuildTest, MastersWithoutDetailsPrintOnlyWhenAsked) {
    auto* master = AddRows("Masters", 0, 5, "M[Masters.\"N\"]");
    auto* detail = AddBand<TQmBandDetailData>(10, 5);
    detail->SetDataSetName("Details");
    AddText(10, "D[Details.\"N\"]");
    TQmUserDataset* masters = AddSource("Masters", Numbered(3)).Source();
    // The second master has no details.
    AddSource("Details", Numbered(2)).Source()->SetOnCheckEOF(TQmCheckEOFEvent([masters](TObject*, bool& eof) {
        if (masters->RecordNo() == 1) eof = true;
    }));
    ASSERT_TRUE(Build()) << report->ErrorText;
    EXPECT_EQ(Lines(0), (Lines_{"M1", "D1", "D2", "M3", "D1", "D2"}));
    master = Object<TQmBandMasterData>("MasterData1");
    master->SetFlag(QmBandFlag::PrintIfSubsetEmpty, true);
    ASSERT_TRUE(Build()) << report->ErrorText;
    EXPECT_EQ(Lines(0), (Lines_{"M1", "D1", "D2", "M2", "M3", "D1", "D2"}));
}

TEST_F(BuildTest, GroupsPrintHeadersAndFootersOncePerGroup) {
    auto* header = AddBand<TQmBandGroupHeader>(0, 5);
    header->SetPrintCondition("[Rows.\"G\"]");
    AddText(0, "H[Rows.\"G\"]");
    AddRows("Rows", 10, 5);
    AddBand<TQmBandGroupFooter>(20, 5);
    AddText(20, "F[Rows.\"G\"]");
    AddSource("Rows", Numbered(6));
    ASSERT_TRUE(Build()) << report->ErrorText;
    EXPECT_EQ(Lines(0), (Lines_{"H1", "1", "2", "3", "F1", "H2", "4", "5", "6", "F2"}))
        << "the last group's footer prints once, with the last record";
}

TEST_F(BuildTest, PageFooterWithoutPrintOnLastPageIsLeftOffTheLastPage) {
    AddRows("Rows", 0, 100);
    AddBand<TQmBandPageFooter>(110, 10)->SetFlag(QmBandFlag::PrintOnLastPage, false);
    AddText(110, "foot [_Qm_Page]");
    AddSource("Rows", Numbered(3));
    ASSERT_TRUE(Build()) << report->ErrorText;
    ASSERT_EQ(PageCount(), 2);
    EXPECT_EQ(Lines(0), (Lines_{"1", "2", "foot 1"}));
    EXPECT_EQ(Lines(1), (Lines_{"3"}));
}

TEST_F(BuildTest, PageColumnsFillTheSecondColumnFromTheColumnTop) {
    page->SetColumnCount(2);
    page->ColumnGap = Mm(10);
    AddBand<TQmBandPageHeader>(0, 7)->SetFlag(QmBandFlag::PrintOnFirstPage, true);
    AddText(0, "head");
    AddRows("Rows", 10, 100);
    AddSource("Rows", Numbered(3));
    ASSERT_TRUE(Build()) << report->ErrorText;
    ASSERT_EQ(PageCount(), 1);
    const auto texts = Texts(0);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[1], (PreparedText{"1", 7, 0}));
    EXPECT_EQ(texts[2], (PreparedText{"2", 107, 0}));
    const Integer secondColumn = (Page()->PaperWidth / 10 - 30 - 10) / 2 + 10;
    EXPECT_EQ(texts[3], (PreparedText{"3", 7, secondColumn})) << "column width and gap to the right";
}

TEST_F(BuildTest, APageWithPrintToPrevPageContinuesWhereThePreviousStopped) {
    AddRows("Rows", 0, 5);
    TQmReportPage* second = report->Pages()->AddReportPage();
    second->PrintToPrevPage = true;
    auto* band = AddBand<TQmBandReportTitle>(0, 5);
    band->SetParentPage(second);
    AddText(0, "second page", 0, 5, second);
    AddSource("Rows", Numbered(2));
    ASSERT_TRUE(Build()) << report->ErrorText;
    ASSERT_EQ(PageCount(), 1);
    EXPECT_EQ(Texts(0).back(), (PreparedText{"second page", 10, 0}));
}

TEST_F(BuildTest, TallBandsMoveWholeAndBrokenBandsSplitTheirText) {
    AddBand<TQmBandReportTitle>(0, 200);
    AddText(0, "title", 0, 200);
    AddRows("Rows", 210, 100);
    AddSource("Rows", Numbered(1));
    ASSERT_TRUE(Build()) << report->ErrorText;
    ASSERT_EQ(PageCount(), 2);
    EXPECT_EQ(Texts(1), (std::vector<PreparedText>{{"1", 0, 0}})) << "moved whole to the next page";

    auto* data = Object<TQmCustomBandView>("MasterData1");
    data->SetFlag(QmBandFlag::PageBreaked, true);
    data->SetFlag(QmFlag::Stretched, true);
    data->Height = Mm(5);
    auto* memo = dynamic_cast<TQmMemoView*>(report->FindObject("Memo2"));
    memo->Height = Mm(5);
    memo->SetStretched(true);
    memo->SetFlag(QmFlag::WordWrap, true);
    AnsiString many;
    for (int i = 1; i <= 30; ++i) many += "line " + IntToStr(i) + "\r\n";
    memo->Memo->SetText(many);
    ASSERT_TRUE(Build()) << report->ErrorText;
    ASSERT_EQ(PageCount(), 2);
    const Lines_ first = Lines(0), next = Lines(1);
    ASSERT_EQ(first.size(), 2u);
    ASSERT_EQ(next.size(), 1u);
    EXPECT_TRUE(first[1].starts_with("line 1\r\n")) << first[1];
    EXPECT_TRUE(next[0].ends_with("line 30")) << next[0];
    const std::size_t onFirst = std::count(first[1].begin(), first[1].end(), '\n') + 1;
    const std::size_t onNext = std::count(next[0].begin(), next[0].end(), '\n') + 1;
    EXPECT_EQ(onFirst + onNext, 30u) << "every line once";
    EXPECT_TRUE(next[0].starts_with("line " + IntToStr(static_cast<int>(onFirst) + 1)));
}

TEST_F(BuildTest, LinesPerPageBreaksAfterThatManyRows) {
    AddRows("Rows", 0, 5)->LinesPerPage = 5;
    AddSource("Rows", Numbered(7));
    ASSERT_TRUE(Build()) << report->ErrorText;
    ASSERT_EQ(PageCount(), 2);
    EXPECT_EQ(Lines(0).size(), 5u);
    EXPECT_EQ(Lines(1), (Lines_{"6", "7"}));
}

TEST_F(BuildTest, KeepFooterTakesTheLastRowAlongToTheFooter) {
    AddBand<TQmBandReportTitle>(0, 160);
    AddText(0, "title", 0, 160);
    auto* data = AddRows("Rows", 170, 50);
    data->SetKeepFlag(QmKeepFlag::KeepFooter, true);
    AddBand<TQmBandFooter>(230, 40);
    AddText(230, "footer", 0, 40);
    AddSource("Rows", Numbered(2));
    ASSERT_TRUE(Build()) << report->ErrorText;
    ASSERT_EQ(PageCount(), 2);
    EXPECT_EQ(Lines(0), (Lines_{"title", "1"}));
    EXPECT_EQ(Lines(1), (Lines_{"2", "footer"}));
}

// A title of `title` mm, a group header with KeepFooter, rows of 45 mm and
// the group's 40 mm footer; 267 mm lie between the margins.
class KeptGroupFooter : public BuildTest {
protected:
    void AddGroup(double title) {
        AddBand<TQmBandReportTitle>(0, title);
        AddText(0, "title", 0, title);
        auto* header = AddBand<TQmBandGroupHeader>(title, 10);
        header->SetPrintCondition("[Rows.\"G\"]");
        header->SetKeepFlag(QmKeepFlag::KeepFooter, true);
        AddText(title, "head", 0, 10);
        AddRows("Rows", title + 10, 45);
        AddBand<TQmBandGroupFooter>(title + 60, 40);
        AddText(title + 60, "footer", 0, 40);
        AddSource("Rows", Numbered(2));
    }
};

// Without the rule the footer would start page 2 alone.
TEST_F(KeptGroupFooter, TheGroupsLastRowGoesAlongWithItsFooter) {
    AddGroup(160);
    ASSERT_TRUE(Build()) << report->ErrorText;
    ASSERT_EQ(PageCount(), 2);
    EXPECT_EQ(Lines(0), (Lines_{"title", "head", "1"}));
    EXPECT_EQ(Lines(1), (Lines_{"2", "footer"}));
}

// Without the rule the header would stay alone at the bottom of page 1.
TEST_F(KeptGroupFooter, AHeaderWithoutRoomForARowAndTheFooterMovesOn) {
    AddGroup(175);
    ASSERT_TRUE(Build()) << report->ErrorText;
    ASSERT_EQ(PageCount(), 2);
    EXPECT_EQ(Lines(0), (Lines_{"title"}));
    EXPECT_EQ(Lines(1), (Lines_{"head", "1", "2", "footer"}));
}

TEST_F(BuildTest, AnInvisibleBandPrintsItsChildOnlyWhenAsked) {
    auto* title = AddBand<TQmBandReportTitle>(0, 5, "Title");
    title->Visible = false;
    title->SetChildBand("Child");
    AddText(0, "hidden");
    AddBand<TQmBandChild>(10, 5, "Child");
    AddText(10, "child");
    ASSERT_TRUE(Build()) << report->ErrorText;
    EXPECT_TRUE(Lines(0).empty());
    title = Object<TQmBandReportTitle>("Title");
    title->SetFlag(QmBandFlag::PrintChildIfInvisible, true);
    ASSERT_TRUE(Build()) << report->ErrorText;
    EXPECT_EQ(Lines(0), Lines_{"child"});
}

TEST_F(BuildTest, BlankRowsFillThePageBelowTheData) {
    auto* data = AddRows("Rows", 0, 50);
    data->SetFlag(QmBandFlag::AutoAppendBlank, true);
    AddSource("Rows", Numbered(2));
    ASSERT_TRUE(Build()) << report->ErrorText;
    ASSERT_EQ(PageCount(), 1);
    EXPECT_EQ(Lines(0), (Lines_{"1", "2", "", "", ""})) << "267 mm hold five rows of 50 mm";
}

TEST_F(BuildTest, BlankRowsFillThePageWhenTheFooterMovesToTheNext) {
    AddRows("Rows", 0, 20)->SetFlag(QmBandFlag::AutoAppendBlank, true);
    AddBand<TQmBandFooter>(30, 50);
    AddText(30, "footer", 0, 50);
    AddSource("Rows", Numbered(12));
    ASSERT_TRUE(Build()) << report->ErrorText;
    ASSERT_EQ(PageCount(), 2);
    EXPECT_EQ(Lines(0).size(), 13u) << "twelve rows and one blank row in the 27 mm left";
    EXPECT_EQ(Lines(0).back(), "");
    EXPECT_EQ(Lines(1), Lines_{"footer"});
}

TEST_F(BuildTest, APageHeaderShowsThePageTotalFromTheFirstPass) {
    report->DoublePass = true;
    AddBand<TQmBandPageHeader>(0, 5)->SetFlag(QmBandFlag::PrintOnFirstPage, true);
    auto* total = TQmCalcMemoView::Create();
    total->SetParentPage(page);
    total->Top = 0;
    total->Height = Mm(5);
    total->Width = Mm(40);
    total->Memo->SetText("[Rows.\"N\"]");
    total->CalcOptions()->AggrBandName = "MasterData1";
    AddRows("Rows", 10, 100);
    AddSource("Rows", Numbered(4));
    ASSERT_TRUE(Build()) << report->ErrorText;
    ASSERT_EQ(PageCount(), 2);
    EXPECT_EQ(Lines(0).front(), "3") << "1 + 2 on the first page";
    EXPECT_EQ(Lines(1).front(), "7") << "3 + 4 on the second";
}

TEST_F(BuildTest, OutlineLinesNamePageTopAndLevel) {
    auto* data = AddRows("Rows", 0, 100);
    data->SetOutlineText("[Rows.\"N\"]");
    AddSource("Rows", Numbered(3));
    ASSERT_TRUE(Build()) << report->ErrorText;
    TStringList* outline = report->EndPages()->Outline();
    ASSERT_EQ(outline->Count(), 3);
    const auto pixels = static_cast<Integer>(Round(FromInternalUnits(Mm(100), qmutScreenPixels)));
    EXPECT_EQ(outline->Strings(1), AnsiString("2\x01") + "0\x01" + IntToStr(pixels) + "\x01" + "0");
    EXPECT_EQ(outline->Strings(2), AnsiString("3\x01") + "1\x01" + "0\x01" + "0");
}

TEST_F(BuildTest, PageByPageOrderInterleavesTheTemplatePages) {
    report->PageOrder = 1;
    AddRows("Rows", 0, 100, "A[Rows.\"N\"]");
    TQmReportPage* second = report->Pages()->AddReportPage();
    auto* band = AddBand<TQmBandMasterData>(0, 100);
    band->SetParentPage(second);
    band->SetDataSetName("Rows");
    AddText(0, "B[Rows.\"N\"]", 0, 100, second);
    AddSource("Rows", Numbered(6));
    ASSERT_TRUE(Build()) << report->ErrorText;
    ASSERT_EQ(PageCount(), 6);
    Lines_ firsts;
    for (int i = 0; i < PageCount(); ++i) firsts.push_back(Lines(i).front());
    EXPECT_EQ(firsts, (Lines_{"A1", "B1", "A3", "B3", "A5", "B5"}));
}

TEST_F(BuildTest, FooterAggregatesSumCountAndAverageTheirRecords) {
    auto* header = AddBand<TQmBandGroupHeader>(0, 5);
    header->SetPrintCondition("[Rows.\"G\"]");
    AddText(0, "H[Rows.\"G\"]");
    AddRows("Rows", 10, 5);
    AddBand<TQmBandGroupFooter>(20, 5);
    AddText(20, "[SUM([Rows.\"N\"])]/[COUNT()]");
    AddBand<TQmBandFooter>(30, 5);
    AddText(30, "[SUM([Rows.\"N\"])] [AVG([Rows.\"N\"])] [MAX([Rows.\"N\"])] [MIN([Rows.\"N\"])]");
    AddSource("Rows", Numbered(5));
    ASSERT_TRUE(Build()) << report->ErrorText;
    EXPECT_EQ(Lines(0), (Lines_{"H1", "1", "2", "3", "6/3", "H2", "4", "5", "9/2", "15 3 5 1"}))
        << "group totals start again with each group; the footer's average counts all records";
}

TEST_F(BuildTest, ABandOfTwoColumnsFillsTheSecondColumnBeforeANewPage) {
    auto* data = AddRows("Rows", 0, 100);
    data->Columns = 2;
    data->ColumnWidth = Mm(80);
    data->ColumnGap = Mm(5);
    data->SetFlag(QmBandFlag::PrintColumnFirst, false);
    AddSource("Rows", Numbered(5));
    ASSERT_TRUE(Build()) << report->ErrorText;
    ASSERT_EQ(PageCount(), 2);
    EXPECT_EQ(Texts(0), (std::vector<PreparedText>{{"1", 0, 0}, {"2", 100, 0}, {"3", 0, 85}, {"4", 100, 85}}));
    EXPECT_EQ(Texts(1), (std::vector<PreparedText>{{"5", 0, 0}}));
}

TEST_F(BuildTest, AGroupKeptTogetherMovesWholeToTheNextPage) {
    AddBand<TQmBandReportTitle>(0, 150);
    AddText(0, "title", 0, 150);
    auto* header = AddBand<TQmBandGroupHeader>(160, 10);
    header->SetPrintCondition("[Rows.\"G\"]");
    header->SetKeepFlag(QmKeepFlag::KeepTogether, true);
    AddText(160, "H[Rows.\"G\"]", 0, 10);
    AddRows("Rows", 180, 40);
    AddSource("Rows", Numbered(3));
    // The first group header of a page is never kept: a second group asks.
    sources[0]->Rows()[0]["G"] = 10;
    ASSERT_TRUE(Build()) << report->ErrorText;
    ASSERT_EQ(PageCount(), 2);
    EXPECT_EQ(Lines(0), (Lines_{"title", "H10", "1"}));
    EXPECT_EQ(Texts(1), (std::vector<PreparedText>{{"H1", 0, 0}, {"2", 10, 0}, {"3", 50, 0}}))
        << "the group's header went along with its rows";
}

TEST_F(BuildTest, AFreeSubReportIsMergedIntoThePagesOfItsPage) {
    AddBand<TQmBandReportTitle>(0, 10);
    AddText(0, "main");
    AddSubReport(qmstFixed, 100, 50, 100, "Rows");
    AddSource("Rows", Numbered(25));
    ASSERT_TRUE(Build()) << report->ErrorText;
    ASSERT_EQ(PageCount(), 3) << "ten rows of the sub-report fit each time; pages are added for the rest";
    const auto first = Texts(0);
    ASSERT_EQ(first.size(), 11u);
    EXPECT_EQ(first[0], (PreparedText{"main", 0, 0}));
    EXPECT_EQ(first[1], (PreparedText{"1", 50, 100}));
    EXPECT_EQ(first[10], (PreparedText{"10", 140, 100}));
    EXPECT_EQ(Texts(2).front(), (PreparedText{"21", 50, 100}));
    EXPECT_EQ(Texts(2).size(), 5u);
}

TEST_F(BuildTest, AutoCentringMovesTheLastPageBlockBetweenTheMargins) {
    page->AutoHCenter = page->AutoVCenter = true;
    AddBand<TQmBandReportTitle>(0, 10);
    AddText(0, "centred", 0, 10);
    ASSERT_TRUE(Build()) << report->ErrorText;
    const Integer width = Page()->PaperWidth / 10 - 30, height = Page()->PaperHeight / 10 - 30;
    EXPECT_EQ(Texts(0), (std::vector<PreparedText>{{"centred", (height - 10) / 2, (width - 40) / 2}}));
}

TEST_F(BuildTest, CrossTabColumnsThatPassThePageWidthGoOnTheNextPage) {
    AddRows("Rows", 0, 10, "row [Rows.\"N\"]")->Height = Mm(10);
    Object<TQmMemoView>("Memo1")->Width = Mm(20);
    auto* columns = AddBand<TQmBandCrossData>(0, 20);
    columns->Left = Mm(30);
    columns->Width = Mm(40);
    columns->SetDataSetName("Cols");
    AddText(0, "c[Cols.\"N\"]", 30, 10)->Width = Mm(40);
    AddSource("Rows", Numbered(1));
    AddSource("Cols", Numbered(6));
    ASSERT_TRUE(Build()) << report->ErrorText;
    ASSERT_EQ(PageCount(), 2);
    EXPECT_EQ(Texts(0), (std::vector<PreparedText>{
                            {"row 1", 0, 0}, {"c1", 0, 0}, {"c2", 0, 40}, {"c3", 0, 80}, {"c4", 0, 120}}));
    EXPECT_EQ(Texts(1), (std::vector<PreparedText>{{"c5", 0, 0}, {"c6", 0, 40}}));
}

TEST_F(BuildTest, ASubReportInADataBandPrintsBelowEachRecord) {
    AddRows("Rows", 0, 10, "M[Rows.\"N\"]");
    AddSubReport(qmstChild, 20, 5, 5, "Lines", "s");
    AddSource("Rows", Numbered(2));
    AddSource("Lines", Numbered(3));
    ASSERT_TRUE(Build()) << report->ErrorText;
    ASSERT_EQ(PageCount(), 1);
    EXPECT_EQ(Texts(0), (std::vector<PreparedText>{{"M1", 0, 0},
                                                    {"s1", 5, 20},
                                                    {"s2", 15, 20},
                                                    {"s3", 25, 20},
                                                    {"M2", 35, 0},
                                                    {"s1", 40, 20},
                                                    {"s2", 50, 20},
                                                    {"s3", 60, 20}}));
}

TEST_F(BuildTest, APageHeaderThatBreaksPrintsOnceOnTheNewPage) {
    AddBand<TQmBandReportTitle>(0, 260);
    AddText(0, "title", 0, 260);
    AddBand<TQmBandPageHeader>(270, 20)->SetFlag(QmBandFlag::PrintOnFirstPage, true);
    AddText(270, "header", 0, 20);
    ASSERT_TRUE(Build()) << report->ErrorText;
    ASSERT_EQ(PageCount(), 2);
    EXPECT_EQ(Lines(1), Lines_{"header"});
}

TEST_F(BuildTest, SystemVariablesCountLinesRecordsAndPages) {
    report->DoublePass = true;
    auto* header = AddBand<TQmBandGroupHeader>(0, 5);
    header->SetPrintCondition("[Rows.\"G\"]");
    AddRows("Rows", 10, 100, "[_Qm_Line]/[_Qm_Current] [_Qm_Page]/[_Qm_TotalPages]");
    AddSource("Rows", Numbered(4));
    ASSERT_TRUE(Build()) << report->ErrorText;
    ASSERT_EQ(PageCount(), 2);
    EXPECT_EQ(Lines(0), (Lines_{"1/1 1/2", "2/2 1/2"}));
    EXPECT_EQ(Lines(1), (Lines_{"3/3 2/2", "1/4 2/2"})) << "the line count starts again with the group";
}

TEST_F(BuildTest, HeadersAndRepeatedValuesComeBackOnANewPage) {
    auto* header = AddBand<TQmBandHeader>(0, 10);
    header->SetFlag(QmBandFlag::ReprintOnNewPage, true);
    AddText(0, "header", 0, 10);
    AddRows("Rows", 20, 100, "[Rows.\"G\"]");
    Object<TQmMemoView>("Memo2")->RepeatedOptions()->SetSuppressRepeated(true);
    AddSource("Rows", Numbered(3));
    ASSERT_TRUE(Build()) << report->ErrorText;
    ASSERT_EQ(PageCount(), 2);
    EXPECT_EQ(Lines(0), (Lines_{"header", "1", ""}));
    EXPECT_EQ(Lines(1), (Lines_{"header", "1"}));
}

TEST_F(BuildTest, AFailingObjectReportsItsErrorAndLeavesNoPages) {
    AddBand<TQmBandReportTitle>(0, 5);
    auto* memo = AddText(0, "[1 +]");
    memo->SetName("Broken");
    report->SetName("Voucher");
    report->ShowErrorBox = true;
    ResetModalResponder();
    PushModalAnswer({IDOK});
    EXPECT_FALSE(Build());
    EXPECT_EQ(PageCount(), 0);
    ASSERT_EQ(ModalQuestions().size(), 1u);
    EXPECT_EQ(ModalQuestions()[0].caption, "错误");
    EXPECT_TRUE(ModalQuestions()[0].text.starts_with("计算时发生错误\r[1 +]\r\r报表: Voucher\r对象: Broken\r\r"))
        << ModalQuestions()[0].text;
}

// Each build reloads the template, whose pages ask the printer for their
// paper: whatever the build makes on the way (printer DCs with their page
// bitmaps, fonts, pictures) goes with it.
TEST_F(BuildTest, RebuildingTheSameReportLeavesNoGdiObjectsBehind) {
    AddBand<TQmBandReportTitle>(0, 10);
    AddText(0, "title");
    AddRows("Rows", 20);
    AddSource("Rows", Numbered(40));
    ASSERT_TRUE(Build()) << report->ErrorText;
    const DWORD live = GetGuiResources(0, GR_GDIOBJECTS);
    const int pages = PageCount();
    for (int round = 0; round < 20; ++round) ASSERT_TRUE(Build()) << report->ErrorText;
    EXPECT_EQ(PageCount(), pages);
    EXPECT_EQ(GetGuiResources(0, GR_GDIOBJECTS), live);
}

}  // namespace
