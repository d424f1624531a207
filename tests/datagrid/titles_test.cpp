// Titles: sort markers, their cycle, the sort indexes and the room they take.
#include "datagrid/DBGridVynColumns.h"
#include "tests/datagrid/grid_fixture.h"

class TitlesTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        grid_ = NewGrid();
        for (const char* name : {"A", "B", "C"}) grid_->Columns()->Add()->SetFieldName(name);
    }
    TColumnTitleVyn* Title(int index) { return grid_->Columns()->Items(index)->Title(); }
    std::vector<int> Indexes() {
        std::vector<int> indexes;
        for (int i = 0; i < 3; ++i) indexes.push_back(Title(i)->SortIndex());
        return indexes;
    }
    std::vector<int> MarkedList() {
        std::vector<int> list;
        TColumnsVynList* marked = grid_->SortMarkedColumns();
        for (int i = 0; i < marked->Count(); ++i) list.push_back(marked->Items(i)->Index());
        return list;
    }
    void MultiSort() { grid_->SetOptionsVyn(grid_->OptionsVyn() + TDBGridVynOptions{dghMultiSortMarking}); }

    TProbeGrid* grid_ = nullptr;
};

TEST_F(TitlesTest, TheMarkerCycleOfPlainAndCtrlClicks) {
    struct Case {
        bool ctrl;
        std::vector<TSortMarkerVyn> markers;
    };
    const Case cases[] = {{false, {smDownVyn, smUpVyn, smDownVyn, smUpVyn}}, {true, {smDownVyn, smUpVyn, smNoneVyn}}};
    for (const Case& c : cases) {
        Title(0)->SetSortMarker(smNoneVyn);
        for (TSortMarkerVyn expected : c.markers) {
            Title(0)->ToggleSortMarker(c.ctrl);
            EXPECT_EQ(Title(0)->SortMarker(), expected) << (c.ctrl ? "ctrl" : "plain");
        }
    }
}

TEST_F(TitlesTest, APlainClickClearsTheOtherMarkersACtrlClickKeepsThem) {
    MultiSort();
    Title(0)->ToggleSortMarker(false);
    Title(1)->ToggleSortMarker(true);
    EXPECT_EQ(MarkedList(), (std::vector<int>{0, 1}));
    Title(2)->ToggleSortMarker(false);
    EXPECT_EQ(Title(0)->SortMarker(), smNoneVyn);
    EXPECT_EQ(Title(1)->SortMarker(), smNoneVyn);
    EXPECT_EQ(MarkedList(), (std::vector<int>{2}));
    EXPECT_EQ(Indexes(), (std::vector<int>{0, 0, 1}));
}

TEST_F(TitlesTest, MultiSortIndexesAreRenumberedWhenAMarkerGoes) {
    MultiSort();
    for (int i = 0; i < 3; ++i) Title(i)->SetSortMarker(smDownVyn);
    EXPECT_EQ(Indexes(), (std::vector<int>{1, 2, 3}));
    Title(1)->SetSortMarker(smUpVyn);  // the direction keeps the index
    EXPECT_EQ(Indexes(), (std::vector<int>{1, 2, 3}));
    Title(1)->SetSortMarker(smNoneVyn);
    EXPECT_EQ(Indexes(), (std::vector<int>{1, 0, 2}));
    EXPECT_EQ(MarkedList(), (std::vector<int>{0, 2}));
}

TEST_F(TitlesTest, WithoutMultiSortOneColumnIsMarked) {
    Title(0)->SetSortMarker(smDownVyn);
    Title(1)->SetSortMarker(smDownVyn);
    EXPECT_EQ(Title(0)->SortMarker(), smNoneVyn);
    EXPECT_EQ(Indexes(), (std::vector<int>{0, 1, 0}));
    EXPECT_EQ(MarkedList(), (std::vector<int>{1}));
    Title(1)->SetSortMarker(smNoneVyn);
    EXPECT_EQ(MarkedList(), (std::vector<int>{}));
}

TEST_F(TitlesTest, SortIndexesOnlyExchangeBetweenMarkedColumns) {
    MultiSort();
    Title(0)->SetSortMarker(smDownVyn);
    Title(2)->SetSortMarker(smUpVyn);
    Title(2)->SetSortIndex(3);  // nobody holds 3
    EXPECT_EQ(Indexes(), (std::vector<int>{1, 0, 2}));
    Title(1)->SetSortIndex(1);  // an unmarked title
    EXPECT_EQ(Indexes(), (std::vector<int>{1, 0, 2}));
    Title(2)->SetSortIndex(1);
    EXPECT_EQ(Indexes(), (std::vector<int>{2, 0, 1}));
    EXPECT_EQ(MarkedList(), (std::vector<int>{2, 0}));

    // Inside an update (reading a form) indexes are stored as they come and
    // the list is rebuilt from them afterwards.
    grid_->Columns()->BeginUpdate();
    Title(1)->SetSortMarker(smDownVyn);
    Title(1)->SetSortIndex(3);
    grid_->Columns()->EndUpdate();
    EXPECT_EQ(Indexes(), (std::vector<int>{2, 3, 1}));
    EXPECT_EQ(MarkedList(), (std::vector<int>{2, 0, 1}));
}

TEST_F(TitlesTest, TheMarkerAreaShrinksWithTheColumn) {
    struct Case {
        int width;
        int area;
    };
    Title(0)->SetSortMarker(smDownVyn);
    for (const Case& c : {Case{20, 16}, Case{19, 2}, Case{5, 0}}) {
        grid_->Columns()->Items(0)->SetWidth(c.width);
        EXPECT_EQ(Title(0)->SortMarkerAreaWidth(), c.area) << c.width;
    }
    EXPECT_EQ(Title(1)->SortMarkerAreaWidth(), 0);

    MultiSort();
    Title(1)->SetSortMarker(smDownVyn);
    grid_->Columns()->Items(1)->SetWidth(60);
    const int area = Title(1)->SortMarkerAreaWidth();
    EXPECT_GT(area, 16);  // the index's digits join the glyph
    EXPECT_LT(area, 16 + 10);
}

TEST_F(TitlesTest, AssignMakesTheFollowedSettingsOwn) {
    TColumnTitleVyn* source = Title(0);
    source->SetHint("提示");
    TColumnTitleVyn* target = Title(1);
    target->Assign(source);
    EXPECT_EQ(target->Hint(), "提示");
    TColumnVyn* column = grid_->Columns()->Items(1);
    for (TColumnOwnValue bit : {cvTitleOrientation, cvTitleButton, cvTitleEndEllipsis, cvTitleToolTips})
        EXPECT_TRUE(column->Owns(bit)) << bit;
    EXPECT_FALSE(column->Owns(cvTitleCaption));
    EXPECT_FALSE(column->Owns(cvTitleColor));
}

TEST_F(TitlesTest, TitleDefaultsFollowTheGrid) {
    TColumnTitleDefValuesVyn* defaults = grid_->ColumnDefValues()->Title();
    EXPECT_EQ(Title(0)->Alignment(), taLeftJustify);
    grid_->SetUseMultiTitle(true);
    EXPECT_EQ(Title(0)->Alignment(), taCenter);
    grid_->SetFixedColor(clGray);
    EXPECT_EQ(Title(0)->Color(), clGray);
    defaults->SetTitleButton(true);
    EXPECT_TRUE(Title(0)->TitleButton());
    defaults->SetColor(clNavy);
    grid_->SetFixedColor(clSilver);
    EXPECT_EQ(Title(0)->Color(), clNavy);
    Title(0)->SetColor(clRed);
    EXPECT_EQ(Title(0)->Color(), clRed);
}
