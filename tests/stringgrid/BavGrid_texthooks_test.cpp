// The text hooks: formatted numbers, save and load texts, and the rows the
// keys insert and delete, inside nodes too.
#include "grid_fixture.h"

namespace {

using TextHooksTest = StringGridTest;

TEST_F(TextHooksTest, AFloatFormatChosenPerCellFormatsNumbers) {
    grid->SetCells(1, 1, "3.14159");
    grid->SetCells(1, 2, "abc");
    grid->SetCells(1, 3, "12.7");
    EXPECT_EQ(grid->GetFormattedCellText(1, 1), "3.14159") << "no handler, no formatting";
    std::vector<bool> passed;
    grid->SetOnGetFloatFormat([&](TObject*, int, int row, bool& isFloat, AnsiString& format) {
        passed.push_back(isFloat);
        format = row == 3 ? "%d" : "%.2f";
    });
    EXPECT_EQ(grid->GetFormattedCellText(1, 1), "3.14");
    EXPECT_EQ(grid->GetFormattedCellText(1, 2), "abc");
    EXPECT_EQ(grid->GetFormattedCellText(1, 3), "12.7") << "the integer conversion fails; the text stays";
    EXPECT_EQ(passed, (std::vector<bool>{true, false, true}));
}

TEST_F(TextHooksTest, SaveAndLoadTextsPassTheirEvents) {
    TCellGraphic* check = grid->CreateCellGraphic(1, 1);
    check->SetCellType(ctCheckBox);
    check->SetCellBoolean(true);
    EXPECT_EQ(grid->GetCellSaveText(1, 1), "Y");
    check->SetCellBoolean(false);
    EXPECT_EQ(grid->GetCellSaveText(1, 1), "N");
    grid->SetCells(1, 2, "<b>x</b>");
    EXPECT_EQ(grid->GetCellSaveText(1, 2), "<b>x</b>");
    grid->SetOnSaveCell([](TObject*, int, int, AnsiString& value) { value += "!"; });
    EXPECT_EQ(grid->GetCellSaveText(1, 2), "<b>x</b>!");
    grid->SetOnLoadCell([](TObject*, int, int, AnsiString& value) { value = "[" + value + "]"; });
    grid->LoadCellText(2, 2, "in");
    EXPECT_EQ(grid->Cells(2, 2), "[in]");
}

TEST_F(TextHooksTest, KeyRowsStayInsideTheirNodeAndTheOnlyRowIsEmptied) {
    FillNumberedRows(grid, 8);
    grid->AddNode(2, 3);  // rows 2-4
    grid->AutoInsertRow(3);
    EXPECT_EQ(grid->RowCount(), 9);
    EXPECT_EQ(grid->GetNodeSpan(2), 4);
    grid->AutoDeleteRow(3);
    EXPECT_EQ(grid->RowCount(), 8);
    EXPECT_EQ(grid->GetNodeSpan(2), 3);
    grid->AutoInsertRow(6);
    EXPECT_EQ(grid->Cells(1, 7), "r6");
    EXPECT_EQ(grid->GetNodeSpan(2), 3);

    grid->RemoveAllNodes();
    grid->SetRowCount(2);
    grid->SetCells(1, 1, "only");
    int deleted = 0;
    grid->SetOnAutoDeleteRow([&](TObject*, int) { ++deleted; });
    grid->AutoDeleteRow(1);
    EXPECT_EQ(grid->RowCount(), 2);
    EXPECT_EQ(grid->Cells(1, 1), "");
    EXPECT_EQ(deleted, 1);
}

}  // namespace
