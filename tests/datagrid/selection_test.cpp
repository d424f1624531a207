// The grid's selection kinds: column selections with Shift-extension,
// rectangles held by bookmark, everything, and what each covers on screen.
#include "datagrid/DBGridVynDataLink.h"
#include "datagrid/DBGridVynSelection.h"
#include "platform/data/dataset.h"
#include "tests/datagrid/grid_fixture.h"

namespace {

class SelectionTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        FillPhones(10);
        phones_->Open();
        grid_ = NewGrid();
        grid_->SetOptions(grid_->Options() + TDBGridOptions{dgMultiSelect});
        for (int i = 0; i < 6; ++i) grid_->Columns()->Add();
        grid_->SetDataSource(source_.get());
        selection_ = grid_->Selection();
        columns_ = selection_->Columns();
    }
    TColumnVyn* Column(int number) { return grid_->Columns()->Items(number - 1); }
    // The selected columns by their numbers from 1.
    std::vector<int> Selected() {
        std::vector<int> numbers;
        for (int i = 0; i < columns_->Count(); ++i) numbers.push_back(columns_->Items(i)->Index() + 1);
        return numbers;
    }
    TBookmarkStr Record(int recNo) {
        phones_->SetRecNo(recNo);
        return phones_->Bookmark();
    }

    TProbeGrid* grid_ = nullptr;
    TDBGridVynSelection* selection_ = nullptr;
    TDBGridVynSelectionCols* columns_ = nullptr;
};

TEST_F(SelectionTest, ShiftExtensionOfColumnsUndoesOnlyWhatItDidAndCrossesTheAnchor) {
    columns_->SelectColumn(Column(6), false);
    columns_->SelectColumn(Column(3), true);
    columns_->ExtendTo(Column(5));
    EXPECT_EQ(Selected(), (std::vector<int>{3, 4, 5, 6}));
    columns_->ExtendTo(Column(1));
    // 4 and 5 came with the extension and go; 6 was there before and stays.
    EXPECT_EQ(Selected(), (std::vector<int>{1, 2, 3, 6}));
    columns_->ExtendTo(Column(2));
    EXPECT_EQ(Selected(), (std::vector<int>{2, 3, 6}));
    EXPECT_EQ(selection_->Kind(), gstColumns);
    EXPECT_EQ(columns_->ShiftAnchor(), Column(3));
    EXPECT_EQ(columns_->ShiftEnd(), Column(2));
}

TEST_F(SelectionTest, AfterUnselectingTheAnchorShiftExtensionDeselects) {
    columns_->SelectColumn(Column(1), false);
    columns_->ExtendTo(Column(6));
    columns_->ToggleColumn(Column(3));
    EXPECT_EQ(Selected(), (std::vector<int>{1, 2, 4, 5, 6}));
    columns_->ExtendTo(Column(5));
    EXPECT_EQ(Selected(), (std::vector<int>{1, 2, 6}));
    columns_->ExtendTo(Column(4));  // walking back gives 5 back
    EXPECT_EQ(Selected(), (std::vector<int>{1, 2, 5, 6}));
    columns_->ToggleColumn(Column(1));
    columns_->ToggleColumn(Column(2));
    columns_->ToggleColumn(Column(5));
    columns_->ToggleColumn(Column(6));
    EXPECT_EQ(selection_->Kind(), gstNon);
}

TEST_F(SelectionTest, ALayoutPassDropsRemovedColumnsAndKeepsCollectionOrder) {
    columns_->SelectColumn(Column(5), false);
    columns_->ToggleColumn(Column(2));
    columns_->ToggleColumn(Column(4));
    delete Column(4);
    EXPECT_EQ(Selected(), (std::vector<int>{2, 4}));  // the former fifth is fourth now
    EXPECT_EQ(columns_->ToGridRect(), (TGridRect{1 + 1, 0, 1 + 3, grid_->RowCount()}));
}

TEST_F(SelectionTest, KindsAreAllowedByOptionsAndASetterForbiddingTheCurrentOneResetsIt) {
    EXPECT_TRUE(grid_->SelectionKindAllowed(gstColumns));
    grid_->SetOptions(grid_->Options() + TDBGridOptions{dgRowSelect});
    EXPECT_FALSE(grid_->SelectionKindAllowed(gstColumns));
    EXPECT_FALSE(grid_->SelectionKindAllowed(gstRectangle));
    EXPECT_TRUE(grid_->SelectionKindAllowed(gstRecordBookmarks));
    grid_->SetOptions(grid_->Options() - TDBGridOptions{dgRowSelect, dgMultiSelect});
    EXPECT_FALSE(grid_->SelectionKindAllowed(gstAll));
    EXPECT_TRUE(grid_->SelectionKindAllowed(gstNon));

    columns_->SelectColumn(Column(2), false);
    grid_->SetAllowedSelections({gstRecordBookmarks, gstColumns});
    EXPECT_EQ(selection_->Kind(), gstColumns);
    grid_->SetAllowedSelections({gstRecordBookmarks, gstRectangle, gstAll});
    EXPECT_EQ(selection_->Kind(), gstNon);
    EXPECT_EQ(columns_->Count(), 0);
}

TEST_F(SelectionTest, EverythingSpansTheGridAndSwitchingKindsResetsTheOldOne) {
    columns_->SelectColumn(Column(2), false);
    selection_->MarkAll();
    EXPECT_EQ(selection_->Kind(), gstAll);
    EXPECT_EQ(columns_->Count(), 0);
    EXPECT_TRUE(selection_->ContainsCell(-1, ""));
    EXPECT_EQ(selection_->ToGridRect(), (TGridRect{0, 0, grid_->ColCount(), grid_->RowCount()}));
    selection_->Rect()->ExtendTo(0, Record(1), false);
    EXPECT_EQ(selection_->Kind(), gstNon);
    EXPECT_EQ(selection_->ToGridRect(), (TGridRect{-1, -1, -1, -1}));
}

TEST_F(SelectionTest, ARectangleHeldByBookmarksContainsItsCellsAndShrinksBackToNothing) {
    TDBGridVynSelectionRect* rect = selection_->Rect();
    rect->ExtendTo(3, Record(6), false);
    EXPECT_EQ(selection_->Kind(), gstNon);  // one cell is no rectangle
    rect->ExtendTo(1, Record(4), true);
    EXPECT_EQ(selection_->Kind(), gstRectangle);
    EXPECT_EQ(rect->TopBookmark(), Record(4));
    EXPECT_EQ(rect->LeftColumn(), 1);
    EXPECT_EQ(rect->RightColumn(), 3);
    struct Case { int column, recNo; bool inside; };
    for (const Case& c : {Case{1, 4, true}, Case{3, 6, true}, Case{2, 5, true}, Case{0, 5, false},
                          Case{4, 5, false}, Case{2, 3, false}, Case{2, 7, false}, Case{-1, 5, false}})
        EXPECT_EQ(selection_->ContainsCell(c.column, Record(c.recNo)), c.inside) << c.column << "," << c.recNo;
    rect->ExtendTo(3, Record(6), true);  // back onto the anchor
    EXPECT_EQ(selection_->Kind(), gstNon);
}

TEST_F(SelectionTest, ARectanglesRowsClipToTheBufferedRecords) {
    grid_->DataLink()->SetBufferCount(4);
    selection_->Rect()->ExtendTo(0, Record(1), false);
    selection_->Rect()->ExtendTo(2, Record(9), true);
    phones_->SetRecNo(4);  // the buffer shows records 1..4
    phones_->MoveBy(2);    // and now 3..6
    const int activeRecord = grid_->DataLink()->ActiveRecord();
    const int offset = grid_->TopDataOffset();
    EXPECT_EQ(selection_->ToGridRect(), (TGridRect{1, offset, 3, offset + 3}));
    EXPECT_EQ(grid_->DataLink()->ActiveRecord(), activeRecord);
}

TEST_F(SelectionTest, ARectanglesCornersNeedAnOpenDataset) {
    phones_->Close();
    const char* const messages[] = {"Error in TDBGridVynSelectionRect.GetBottomRow",
                                    "Error in function TDBGridVynSelectionRect.CellSelected"};
    const std::function<void()> calls[] = {[&] { selection_->Rect()->BottomBookmark(); },
                                           [&] { selection_->Rect()->ContainsCell(0, "x"); }};
    for (int i = 0; i < 2; ++i) {
        try {
            calls[i]();
            FAIL() << messages[i];
        } catch (const EInvalidGridOperation& e) {
            EXPECT_STREQ(e.what(), messages[i]);
        }
    }
    EXPECT_FALSE(selection_->Rect()->Usable());
}

}  // namespace
