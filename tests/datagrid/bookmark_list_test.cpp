// The grid's marked records: kept in bookmark order, found through a
// binary search, deleted together, and placed on screen.
#include "datagrid/DBGridVynSelection.h"
#include "platform/data/dataset.h"
#include "tests/datagrid/grid_fixture.h"

class BookmarkListTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        FillPhones(10);
        phones_->Open();
        grid_ = NewGrid();
        grid_->SetOptions(grid_->Options() + TDBGridOptions{dgMultiSelect});
        grid_->SetDataSource(source_.get());
        marks_ = grid_->SelectedRows();
    }
    void Mark(int recNo, bool value = true) {
        phones_->SetRecNo(recNo);
        marks_->SetCurrentRowMarked(value);
    }
    std::vector<AnsiString> MarkedNumbers() {
        std::vector<AnsiString> numbers;
        for (int i = 0; i < marks_->Count(); ++i) {
            phones_->SetBookmark(marks_->Items(i));
            numbers.push_back(phones_->FieldByName("编号")->AsString());
        }
        return numbers;
    }

    TProbeGrid* grid_ = nullptr;
    TBookmarkListVyn* marks_ = nullptr;
};

TEST_F(BookmarkListTest, MarksStayInBookmarkOrderOncePerRecord) {
    for (int recNo : {5, 2, 9, 5}) Mark(recNo);
    EXPECT_EQ(MarkedNumbers(), (std::vector<AnsiString>{"0000000002", "0000000005", "0000000009"}));
    phones_->SetRecNo(9);
    EXPECT_TRUE(marks_->CurrentRowMarked());
    Mark(3, false);  // unmarking an unmarked record changes nothing
    EXPECT_EQ(marks_->Count(), 3);
    Mark(5, false);
    EXPECT_EQ(MarkedNumbers(), (std::vector<AnsiString>{"0000000002", "0000000009"}));
    phones_->SetRecNo(5);
    EXPECT_FALSE(marks_->CurrentRowMarked());
    EXPECT_EQ(marks_->IndexOfBookmark(phones_->Bookmark()), -1);
}

TEST_F(BookmarkListTest, TheOrderFollowsTheDatasetsSortedOrder) {
    phones_->SetSortText("价格 DESC");
    for (int recNo : {5, 2, 9}) Mark(recNo);
    EXPECT_EQ(MarkedNumbers(), (std::vector<AnsiString>{"0000000009", "0000000006", "0000000002"}));
}

TEST_F(BookmarkListTest, MarkingMakesARowSelectionAndEmptyingItEndsIt) {
    grid_->Selection()->MarkAll();
    Mark(4);
    EXPECT_EQ(grid_->Selection()->Kind(), gstRecordBookmarks);
    Mark(4, false);
    EXPECT_EQ(grid_->Selection()->Kind(), gstNon);
}

TEST_F(BookmarkListTest, AClosedDatasetCannotBeMarked) {
    phones_->Close();
    EXPECT_EQ(marks_->Count(), 0);
    try {
        marks_->SetCurrentRowMarked(true);
        FAIL() << "marked a closed dataset";
    } catch (const EInvalidGridOperation& e) {
        EXPECT_STREQ(e.what(), "Cannot perform this operation on a closed dataset");
    }
}

TEST_F(BookmarkListTest, MarkedRowsRectCoversTheBufferedRowsThatAreMarked) {
    EXPECT_EQ(marks_->MarkedRowsRect(), (TGridRect{-1, -1, -1, -1}));
    grid_->DataLink()->SetBufferCount(4);  // records 1..4 are on screen
    Mark(9);
    phones_->First();
    EXPECT_EQ(marks_->MarkedRowsRect(), (TGridRect{-1, -1, -1, -1}));
    Mark(2);
    Mark(3);
    phones_->First();
    const int offset = grid_->TopDataOffset();
    EXPECT_EQ(marks_->MarkedRowsRect(), (TGridRect{0, offset + 1, grid_->ColCount() - 1, offset + 2}));
    EXPECT_EQ(phones_->RecNo(), 1);  // the link's active record came back
}

TEST_F(BookmarkListTest, DeleteMarkedDeletesLastFirstAndKeepsWhatAFailureLeft) {
    for (int recNo : {2, 4, 6}) Mark(recNo);
    marks_->DeleteMarked();
    EXPECT_EQ(marks_->Count(), 0);
    EXPECT_EQ(phones_->RecordCount(), 7);
    EXPECT_EQ(phones_->StoredRowCount(), 7);
    EXPECT_FALSE(phones_->ControlsDisabled());

    for (int recNo : {1, 3}) Mark(recNo);
    phones_->SetFailDelete(true);
    EXPECT_THROW(marks_->DeleteMarked(), EDatabaseError);
    EXPECT_EQ(marks_->Count(), 2);
    EXPECT_FALSE(phones_->ControlsDisabled());
}
