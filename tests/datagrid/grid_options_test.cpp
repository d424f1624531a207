// The grid's option sets and simple setters: how Options maps onto the base
// grid, which changes lay the grid out again, and the setters' edge cases.
#include "datagrid/DBGridVynSelection.h"
#include "tests/datagrid/grid_fixture.h"

using GridOptionsTest = GridTest;

namespace {

// Exposes the base grid's options.
TGridOptions BaseOptions(TCustomGrid* grid) { return grid->TCustomGrid::Options(); }

}  // namespace

TEST_F(GridOptionsTest, OptionsMapOntoTheBaseGridAndRowSelectDropsEditing) {
    struct Case {
        TDBGridOptions set;
        TDBGridOptions stored;
        TGridOptions base;
    };
    const TGridOptions lines{goFixedVertLine, goVertLine};
    const Case cases[] = {
        {{dgEditing, dgAlwaysShowEditor, dgRowSelect}, {dgRowSelect}, {goRowSelect}},
        {{dgEditing, dgAlwaysShowEditor}, {dgEditing, dgAlwaysShowEditor}, {goEditing, goAlwaysShowEditor}},
        {{dgColumnResize}, {dgColumnResize}, {goColSizing, goColMoving}},
        {{dgColLines}, {dgColLines}, lines},
        {{dgRowLines, dgTabs}, {dgRowLines, dgTabs}, {goFixedHorzLine, goHorzLine, goTabs}},
        {{dgTitles, dgIndicator, dgConfirmDelete}, {dgTitles, dgIndicator, dgConfirmDelete}, {}},
    };
    TProbeGrid* grid = NewGrid();
    for (const Case& c : cases) {
        grid->SetOptions(c.set);
        EXPECT_EQ(grid->Options(), c.stored);
        EXPECT_EQ(BaseOptions(grid), c.base);
    }
    grid->SetRowSizingAllowed(true);
    EXPECT_TRUE(BaseOptions(grid).Contains(goRowSizing));
    grid->SetRowSizingAllowed(false);
    EXPECT_FALSE(BaseOptions(grid).Contains(goRowSizing));
}

TEST_F(GridOptionsTest, OnlyTheLayoutMembersOfOptionsLayTheGridOutAgain) {
    struct Case {
        TDBGridOption member;
        bool laysOut;
    };
    const Case cases[] = {{dgEditing, true},          {dgAlwaysShowEditor, true}, {dgTitles, true},
                          {dgIndicator, true},        {dgColLines, true},         {dgRowLines, true},
                          {dgRowSelect, true},        {dgAlwaysShowSelection, true},
                          {dgColumnResize, false},    {dgTabs, false},            {dgConfirmDelete, false},
                          {dgCancelOnExit, false},    {dgMultiSelect, false}};
    TProbeGrid* grid = NewGrid();
    for (const Case& c : cases) {
        grid->SetOptions({});
        const int before = grid->layoutPasses;
        grid->SetOptions({c.member});
        EXPECT_EQ(grid->layoutPasses - before, c.laysOut ? 1 : 0) << GetEnumName(EnumTypeInfo(c.member), c.member);
    }
}

TEST_F(GridOptionsTest, SetterEdgeCases) {
    TProbeGrid* grid = NewGrid();
    grid->SetFooterRowCount(2);
    grid->SetFooterRowCount(-1);
    EXPECT_EQ(grid->FooterRowCount(), 2);
    grid->SetRowHeight(-5);
    grid->SetRowLines(-1);
    EXPECT_EQ(grid->RowHeight(), 0);
    EXPECT_EQ(grid->RowLines(), 0);

    grid->SetFrozenCols(1);
    const int passes = grid->layoutPasses;
    grid->SetFrozenCols(1);
    grid->SetFrozenCols(-3);
    EXPECT_EQ(grid->FrozenCols(), 1);
    EXPECT_EQ(grid->layoutPasses, passes);  // the same or a negative value does nothing

    // These store and lay out again even for an unchanged value.
    grid->SetTitleHeight(0);
    grid->SetTitleLines(0);
    grid->SetVTitleMargin(10);
    grid->SetMinAutoFitWidth(0);
    grid->SetUseMultiTitle(false);
    EXPECT_EQ(grid->layoutPasses, passes + 5);
}

TEST_F(GridOptionsTest, DefaultsAreThoseOfANewGrid) {
    TProbeGrid* grid = NewGrid();
    EXPECT_EQ(grid->Options(), (TDBGridOptions{dgEditing, dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines,
                                               dgTabs, dgConfirmDelete, dgCancelOnExit}));
    EXPECT_EQ(grid->OptionsVyn(), (TDBGridVynOptions{dghFixed3D, dghHighlightFocus, dghClearSelection, dghDialogFind}));
    EXPECT_EQ(grid->Color(), clWindow);
    EXPECT_FALSE(grid->ParentColor());
    EXPECT_EQ(grid->FooterColor(), clWindow);
    EXPECT_EQ(grid->VTitleMargin(), 10);
    EXPECT_TRUE(grid->DefaultDrawing());
    EXPECT_FALSE(grid->TCustomGrid::DefaultDrawing());
    EXPECT_EQ(grid->ScrollBars(), ssHorizontal);
    EXPECT_TRUE(grid->TabStop());
    EXPECT_FALSE(grid->SumList()->Active());
    EXPECT_TRUE(grid->VertScrollBar()->Visible());
    EXPECT_EQ(grid->VertScrollBar()->VisibleMode(), sbAutoShowVyn);
}

TEST_F(GridOptionsTest, ClearingMultiSelectDropsTheMarkedRows) {
    FillPhones(3);
    phones_->Open();
    TProbeGrid* grid = NewGrid();
    grid->SetOptions(grid->Options() + TDBGridOptions{dgMultiSelect});
    grid->SetDataSource(source_.get());
    grid->SelectedRows()->SetCurrentRowMarked(true);
    ASSERT_EQ(grid->SelectedRows()->Count(), 1);
    EXPECT_EQ(grid->Selection()->Kind(), gstRecordBookmarks);
    grid->SetOptions(grid->Options() - TDBGridOptions{dgMultiSelect});
    EXPECT_EQ(grid->SelectedRows()->Count(), 0);
    EXPECT_EQ(grid->Selection()->Kind(), gstNon);
}

TEST_F(GridOptionsTest, DroppingMultiSortMarkingKeepsOnlyTheFirstMarkedColumn) {
    TProbeGrid* grid = NewGrid();
    grid->SetOptionsVyn(grid->OptionsVyn() + TDBGridVynOptions{dghMultiSortMarking});
    for (const char* name : {"A", "B", "C"}) grid->Columns()->Add()->SetFieldName(name);
    TDBGridColumnsVyn* columns = grid->Columns();
    columns->Items(2)->Title()->SetSortMarker(smDownVyn);
    columns->Items(0)->Title()->SetSortMarker(smUpVyn);
    columns->Items(1)->Title()->SetSortMarker(smDownVyn);
    grid->SetOptionsVyn(grid->OptionsVyn() - TDBGridVynOptions{dghMultiSortMarking});
    EXPECT_EQ(columns->Items(2)->Title()->SortMarker(), smDownVyn);
    EXPECT_EQ(columns->Items(2)->Title()->SortIndex(), 1);
    EXPECT_EQ(columns->Items(0)->Title()->SortMarker(), smNoneVyn);
    EXPECT_EQ(columns->Items(1)->Title()->SortMarker(), smNoneVyn);
    ASSERT_EQ(grid->SortMarkedColumns()->Count(), 1);
    EXPECT_EQ(grid->SortMarkedColumns()->Items(0), columns->Items(2));
}
