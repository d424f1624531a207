// Real and display rows with hidden rows, the hidden selection, the
// disjunct selections, row-modified flags and column stretching.
#include "grid_fixture.h"
#include "platform/rtl/exceptions.h"

namespace {

using SelectionTest = StringGridTest;

void Hide(TBavStringGrid* grid, int realRow) {
    static_cast<TGridItem*>(grid->HiddenRowStore()->Add())->SetIdx(realRow);
}

TEST_F(SelectionTest, HiddenRowsShiftRealIndexes) {
    Hide(grid, 2);
    Hide(grid, 5);
    struct Case {
        int display, real;
    };
    for (const Case& c : {Case{1, 1}, Case{2, 3}, Case{3, 4}, Case{4, 6}, Case{8, 10}}) {
        EXPECT_EQ(grid->RealRowIndex(c.display), c.real) << c.display;
        EXPECT_EQ(grid->DisplayRowIndex(c.real), c.display) << c.real;
    }
}

TEST_F(SelectionTest, DisjunctRowsCheckTheirRangeAndAskFirst) {
    grid->MouseActions()->SetDisjunctRowSelect(true);
    Hide(grid, 3);
    EXPECT_NO_THROW(grid->GetRowSelect(10)) << "the last real row";
    try {
        grid->GetRowSelect(11);
        FAIL();
    } catch (const EBavGridError& e) {
        EXPECT_EQ(e.Message(), "Invalid row accessed");
    }
    EXPECT_THROW(grid->SetRowSelect(-1, true), EBavGridError);

    std::vector<int> selected;
    grid->SetOnRowDisjunctSelect([](TObject*, int row, bool, bool& allow) { allow = row != 4; });
    grid->SetOnRowDisjunctSelected([&](TObject*, int row) { selected.push_back(row); });
    grid->SetRowSelect(2, true);
    grid->SetRowSelect(4, true);
    EXPECT_TRUE(grid->GetRowSelect(2));
    EXPECT_FALSE(grid->GetRowSelect(4)) << "refused";
    EXPECT_EQ(selected, std::vector<int>{2});
    EXPECT_EQ(grid->RowSelectCount(), 1);
    EXPECT_TRUE(grid->IsCellSelected(1, 2));
    grid->ClearRowSelect();
    EXPECT_EQ(grid->RowSelectCount(), 0);
}

TEST_F(SelectionTest, ColumnSelectionsAndTheRectangle) {
    EXPECT_THROW(grid->GetColSelect(5), EBavGridError);
    grid->SetSelectionRect({2, 3, 3, 5});
    EXPECT_EQ(grid->RowSelectCount(), 3);
    EXPECT_TRUE(grid->GetRowSelect(4));
    grid->SelectionToColSelect(true);
    EXPECT_TRUE(grid->GetColSelect(2));
    EXPECT_FALSE(grid->GetColSelect(1));
    EXPECT_FALSE(grid->IsCellSelected(0, 4)) << "fixed cells never";
    EXPECT_TRUE(grid->IsCellSelected(3, 5));
    grid->MouseActions()->SetDisjunctColSelect(true);
    EXPECT_TRUE(grid->IsCellSelected(2, 8)) << "the whole column";
}

TEST_F(SelectionTest, HidingTheSelectionAndRestoringIt) {
    const TGridRect before{1, 2, 3, 4};
    grid->SetSelectionRect(before);
    grid->HideSelection();
    EXPECT_TRUE(grid->SelectionHidden());
    EXPECT_FALSE(grid->IsCellSelected(2, 3));
    grid->RestoreSelection();
    EXPECT_EQ(grid->Selection(), before);
    grid->HideSelection();
    grid->SetRowCount(2);
    grid->RestoreSelection();
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, 1})) << "a lost rectangle becomes the first cell";
}

TEST_F(SelectionTest, RowModifiedFlags) {
    EXPECT_FALSE(grid->IsRowModified(7));
    grid->SetRowModified(7, true);
    EXPECT_TRUE(grid->IsRowModified(7));
    EXPECT_FALSE(grid->IsRowModified(6));
}

TEST_F(SelectionTest, StretchingFillsTheClientWidth) {
    grid->SetBounds(0, 0, 400, 200);
    grid->HandleNeeded();
    grid->ColumnSize()->SetStretch(true);
    grid->StretchColumn(-1);
    int total = 0;
    for (int col = 0; col < grid->ColCount(); ++col) total += grid->ColWidths(col);
    EXPECT_EQ(total, grid->ClientWidth() - 1);
    EXPECT_THROW(grid->StretchColumn(5), Exception);
}

}  // namespace
