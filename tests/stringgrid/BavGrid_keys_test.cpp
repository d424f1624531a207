// The string grid's key map through synthetic keys: F2 and Enter on cells
// that may not be edited, Space on cell controls, Home and End, rows
// inserted, appended and deleted, Ctrl+A, the clipboard keys and a handler
// that takes a key.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid_fixture.h"
#include "platform/ui/clipbrd.h"
#include "platform/win/testseams.h"
#include "stringgrid/BavGridGraphic.h"

namespace {

class KeysTest : public ShownGridTest {
protected:
    void SetUp() override {
        ShownGridTest::SetUp();
        grid->FocusCell(1, 1, true);
        ProcessMessages();
    }
    void Editing() {
        TGridOptions options = grid->Options();
        options.Include(goEditing);
        grid->SetOptions(options);
    }
    // A key with a modifier held around it.
    static void Chord(int modifier, int vk, const AnsiString& text = AnsiString()) {
        SimulateKey(modifier, true);
        SimulateKey(vk, true, text);
        SimulateKey(vk, false);
        SimulateKey(modifier, false);
        ProcessMessages();
    }
    bool EditorShown() const { return grid->InplaceEditor() && grid->InplaceEditor()->Visible(); }
};

TEST_F(KeysTest, F2AndEnterOpenNoEditorOnACellThatMayNotBeEdited) {
    Editing();
    grid->SetOnCanEditCell([](TObject*, int row, int, bool& canEdit) { canEdit = row != 1; });
    Key(VK_F2);
    EXPECT_FALSE(EditorShown());
    Key(VK_RETURN);
    EXPECT_FALSE(EditorShown());
    Key(VK_DOWN);
    Key(VK_F2);
    EXPECT_TRUE(EditorShown());
}

TEST_F(KeysTest, SpaceWorksTheCellControls) {
    Editing();
    grid->CreateCellGraphic(1, 1)->SetCellType(ctCheckBox);
    grid->CreateCellGraphic(2, 1)->SetCellType(ctButton);
    std::vector<std::string> events;
    grid->SetOnCheckBoxClick([&](TObject*, int col, int row, bool state) {
        events.push_back("check " + std::to_string(col) + "," + std::to_string(row) + (state ? " on" : " off"));
    });
    grid->SetOnButtonClick(
        [&](TObject*, int col, int row) { events.push_back("button " + std::to_string(col) + "," + std::to_string(row)); });
    Key(VK_SPACE, " ");
    Key(VK_SPACE, " ");
    Key(VK_RIGHT);
    Key(VK_SPACE, " ");
    Key(VK_RETURN);
    EXPECT_EQ(events, (std::vector<std::string>{"check 1,1 on", "check 1,1 off", "button 2,1", "button 2,1"}));
    EXPECT_FALSE(EditorShown()) << "cell controls are never edited as text";
    EXPECT_EQ(grid->Cells(1, 1), "1:1");
}

TEST_F(KeysTest, HomeAndEndByRowOrByColumn) {
    grid->Navigation()->SetHomeEndKey(heFirstLastRow);
    grid->FocusCell(2, 2, true);
    Key(VK_END);
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_EQ(grid->Col(), 2);
    Key(VK_HOME);
    EXPECT_EQ(grid->Row(), 1);
    grid->Navigation()->SetHomeEndKey(heFirstLastColumn);
    TGridOptions options = grid->Options();
    options.Include(goRowSelect);
    grid->SetOptions(options);
    grid->SetColCount(30);
    Key(VK_END);
    EXPECT_EQ(grid->LeftCol(), 30 - grid->VisibleColCount());
    Key(VK_HOME);
    EXPECT_EQ(grid->LeftCol(), 1);
}

TEST_F(KeysTest, InsertAddsARowBeforeOrAfter) {
    grid->Navigation()->SetAllowInsertRow(true);
    std::vector<int> inserted;
    grid->SetOnAutoInsertRow([&](TObject*, int row) { inserted.push_back(row); });
    grid->FocusCell(1, 2, true);
    Key(VK_INSERT);
    EXPECT_EQ(grid->RowCount(), 6);
    EXPECT_EQ(grid->Cells(1, 2), "");
    EXPECT_EQ(grid->Cells(1, 3), "1:2");
    grid->Navigation()->SetInsertPosition(pInsertAfter);
    Key(VK_INSERT);
    EXPECT_EQ(grid->RowCount(), 7);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(grid->Cells(1, 4), "1:2");
    EXPECT_EQ(inserted, (std::vector<int>{2, 3}));
}

TEST_F(KeysTest, DeleteAsksOnCanDeleteRow) {
    grid->Navigation()->SetAllowDeleteRow(true);
    bool allow = false;
    grid->SetOnCanDeleteRow([&](TObject*, int, bool& canDelete) { canDelete = allow; });
    Key(VK_DELETE);
    EXPECT_EQ(grid->RowCount(), 5);
    allow = true;
    Key(VK_DELETE);
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(grid->Cells(1, 1), "1:2");
}

TEST_F(KeysTest, AnOnKeyDownThatTakesTheKeyStopsTheGrid) {
    grid->Navigation()->SetAllowDeleteRow(true);
    grid->SetOnKeyDown([](TObject*, Word& key, TShiftState) {
        if (key == VK_DELETE) key = 0;
    });
    Key(VK_DELETE);
    EXPECT_EQ(grid->RowCount(), 5);
}

TEST_F(KeysTest, DownOnTheLastRowAppendsOne) {
    grid->Navigation()->SetAppendOnArrowDown(true);
    std::vector<int> added;
    grid->SetOnAutoAddRow([&](TObject*, int row) { added.push_back(row); });
    grid->FocusCell(1, 4, true);
    Key(VK_DOWN);
    EXPECT_EQ(grid->RowCount(), 6);
    EXPECT_EQ(grid->Row(), 5);
    EXPECT_EQ(added, (std::vector<int>{4})) << "without footers the row moves after the event";
}

TEST_F(KeysTest, CtrlASelectsEveryDataCell) {
    Chord(VK_CONTROL, 'A');
    const TGridRect selection = grid->Selection();
    EXPECT_EQ(selection.Left, 1);
    EXPECT_EQ(selection.Top, 1);
    EXPECT_EQ(selection.Right, 3);
    EXPECT_EQ(selection.Bottom, 4);
}

TEST_F(KeysTest, ClipboardKeysCopyCutAndPaste) {
    Editing();
    grid->Navigation()->SetAllowClipboardShortCuts(true);
    grid->Navigation()->SetAllowDeleteRow(true);
    grid->SetSelection(TGridRect(1, 1, 2, 2));
    Chord(VK_CONTROL, 'C');
    EXPECT_EQ(Clipboard()->AsText(), "1:1\t2:1\r\n1:2\t2:2\r\n");
    EXPECT_FALSE(EditorShown()) << "the control character of Ctrl+C types nothing";
    EXPECT_EQ(grid->Cells(1, 1), "1:1");
    Chord(VK_SHIFT, VK_DELETE);
    EXPECT_EQ(grid->RowCount(), 5) << "Shift+Delete cuts and deletes no row";
    EXPECT_EQ(grid->Cells(2, 2), "");
    grid->FocusCell(2, 3, true);
    Chord(VK_CONTROL, 'V');
    EXPECT_EQ(grid->Cells(2, 3), "1:1");
    EXPECT_EQ(grid->Cells(3, 4), "2:2");
}

TEST_F(KeysTest, ArrowsJumpOverCellsMadeFixed) {
    grid->SetOnIsFixedCell([](TObject*, int, int col, bool& fixed) { fixed = col == 2; });
    Key(VK_RIGHT);
    EXPECT_EQ(grid->Col(), 3);
    Key(VK_LEFT);
    EXPECT_EQ(grid->Col(), 1);
}

}  // namespace
