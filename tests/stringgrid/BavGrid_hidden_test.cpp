// Hidden rows: hiding into the store and restoring with texts, cell
// objects and heights; rows by real index.
#include <vector>

#include "grid_fixture.h"

namespace {

class HiddenRowsTest : public StringGridTest {
protected:
    void SetUp() override {
        StringGridTest::SetUp();
        FillNumberedRows(grid, 10);
    }
    // Column 1 of every display row.
    std::vector<AnsiString> Shown() {
        std::vector<AnsiString> texts;
        for (int r = 0; r < grid->RowCount(); ++r) texts.push_back(grid->Cells(1, r));
        return texts;
    }
};

TEST_F(HiddenRowsTest, HidingARangeWithAHiddenRowStoresTheOthersAndUnhidingRestoresThem) {
    grid->GetCellProperties(2, 4)->SetBrushColor(clRed);
    grid->HideRows(5, 5);
    grid->HideRows(3, 6);
    EXPECT_EQ(grid->RowCount(), 6);
    EXPECT_EQ(grid->NumHiddenRows(), 4);
    EXPECT_EQ(grid->Cells(1, 3), "r7");
    ASSERT_NE(grid->GetHiddenRowStrings(4), nullptr);
    EXPECT_EQ(grid->GetHiddenRowStrings(4)->Strings(1), "r4");
    EXPECT_EQ(grid->GetHiddenRowStrings(7), nullptr);
    EXPECT_EQ(grid->GetRealRowCellText(1, 6), "r6");
    EXPECT_EQ(grid->GetRealRowCellText(1, 8), "r8");
    grid->HideRows(3, 6);  // all hidden already: nothing
    EXPECT_EQ(grid->RowCount(), 6);
    grid->UnHideRows(3, 6);
    EXPECT_EQ(grid->NumHiddenRows(), 0);
    ASSERT_EQ(grid->RowCount(), 10);
    for (int r = 0; r < 10; ++r) {
        EXPECT_EQ(grid->Cells(1, r), "r" + std::to_string(r));
        EXPECT_EQ(grid->RowHeights(r), 20 + r) << r;
    }
    EXPECT_EQ(grid->GetCellProperties(2, 4)->BrushColor(), clRed);
}

TEST_F(HiddenRowsTest, ARowListHidesInOnePassAndUnhideAllRestoresEverything) {
    grid->HideRowList({2, 3, 7});
    EXPECT_EQ(Shown(), (std::vector<AnsiString>{"r0", "r1", "r4", "r5", "r6", "r8", "r9"}));
    EXPECT_EQ(grid->RowHeights(2), 24);
    EXPECT_TRUE(grid->IsHiddenRow(7));
    EXPECT_EQ(grid->RealRowIndex(5), 8);
    grid->SetRowCount(9);  // the hidden rows' cells do not come back past the count
    EXPECT_EQ(grid->Cells(1, 8), "");
    grid->SetRowCount(7);
    grid->UnHideAllRows();
    ASSERT_EQ(grid->RowCount(), 10);
    for (int r = 0; r < 10; ++r) {
        EXPECT_EQ(grid->Cells(1, r), "r" + std::to_string(r));
        EXPECT_EQ(grid->RowHeights(r), 20 + r) << r;
    }
    EXPECT_EQ(grid->NumHiddenRows(), 0);
}

TEST_F(HiddenRowsTest, RealRowsInsertAndDeleteAroundHiddenOnes) {
    grid->HideRows(6, 6);
    grid->InsertRealRow(3);
    EXPECT_TRUE(grid->IsHiddenRow(7));
    EXPECT_EQ(grid->Cells(1, 3), "");
    grid->DeleteRealRow(3);
    EXPECT_TRUE(grid->IsHiddenRow(6));
    grid->DeleteRealRow(2);
    EXPECT_TRUE(grid->IsHiddenRow(5));
    grid->UnHideAllRows();
    EXPECT_EQ(grid->Cells(1, 5), "r6");
}

TEST_F(HiddenRowsTest, RowAdditionsAskTheirEvents) {
    bool allow = true;
    grid->DoCanAddRow(allow);
    EXPECT_TRUE(allow) << "no event: allowed";
    grid->SetOnCanAddRow([](TObject*, bool& canAdd) { canAdd = false; });
    grid->DoCanAddRow(allow);
    EXPECT_FALSE(allow);
    int asked = -1;
    grid->SetOnCanInsertRow([&](TObject*, int row, bool&) { asked = row; });
    grid->DoCanInsertRow(4, allow);
    EXPECT_EQ(asked, 4);
    grid->AddRow();
    EXPECT_EQ(grid->RowCount(), 11);
}

TEST_F(HiddenRowsTest, TheGridFreesTheHiddenRowsCellObjects) {
    static int freed = 0;
    struct Counted : TObject {
        ~Counted() override { ++freed; }
    };
    auto* other = new TBavStringGrid(form);
    other->SetRowCount(5);
    other->SetObjects(1, 2, new Counted);
    other->GetCellProperties(2, 2)->SetBrushColor(clRed);
    other->HideRows(2, 2);
    EXPECT_EQ(freed, 0);
    delete other;
    EXPECT_EQ(freed, 1);
}

}  // namespace
