// The string grid's key map through synthetic keys: F2 and Enter on cells
// that may not be edited, Space on cell controls, Home and End, rows
// inserted, appended and deleted, Ctrl+A, the clipboard keys and a handler
// that takes a key.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid_fixture.h"
#include "platform/ui/clipbrd.h"
#include "platform/ui/stdctrls.h"
#include "platform/win/testseams.h"
#include "stringgrid/BavFooter.h"
#include "stringgrid/BavGridGraphic.h"
#include "stringgrid/editors/GridEditors.h"

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

// Without footers the new row is simply added and the platform's step moves
// onto it after the event; a visible floating footer keeps the last row, and
// the new empty row comes above it.
TEST_F(KeysTest, DownOnTheLastRowAppendsOne) {
    grid->Navigation()->SetAppendOnArrowDown(true);
    for (const bool footer : {false, true}) {
        SCOPED_TRACE(footer ? "floating footer" : "no footer");
        grid->SetRowCount(5);
        grid->SetCells(1, 4, "1:4");
        grid->FloatingFooter()->SetVisible(footer);
        std::vector<int> added;
        grid->SetOnAutoAddRow([&](TObject*, int row) { added.push_back(row); });
        grid->FocusCell(1, footer ? 3 : 4, true);
        Key(VK_DOWN);
        ASSERT_EQ(grid->RowCount(), 6);
        EXPECT_EQ(grid->Cells(1, 3), "1:3");
        EXPECT_EQ(grid->Cells(1, footer ? 5 : 4), "1:4");
        EXPECT_EQ(grid->Cells(1, footer ? 4 : 5), "") << "the new row is empty";
        EXPECT_EQ(grid->Row(), footer ? 4 : 5);
        EXPECT_EQ(added, (std::vector<int>{4}));
    }
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

// Each key reaches OnKeyDown once, whether the grid handles it, swallows it
// or leaves it to the platform's navigation.
TEST_F(KeysTest, OnKeyDownHearsEachKeyOnce) {
    grid->Navigation()->SetHomeEndKey(heFirstLastRow);
    grid->SetOnCanEditCell([](TObject*, int row, int, bool& canEdit) { canEdit = row != 3; });
    Editing();
    std::vector<Word> heard;
    grid->SetOnKeyDown([&](TObject*, Word& key, TShiftState) { heard.push_back(key); });
    Key(VK_DOWN);
    Key(VK_END);
    Key(VK_UP);
    Key(VK_RETURN);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_FALSE(EditorShown()) << "Enter is swallowed on a cell that may not be edited";
    EXPECT_EQ(heard, (std::vector<Word>{VK_DOWN, VK_END, VK_UP, VK_RETURN}));
}

// F2 in its four cases: range selection with editing switches editing on
// (or swallows the key on a cell that may not be edited), goEditing on such
// a cell swallows it, a cell of form controls goes to its first control,
// and any other cell opens the editor.
struct F2Case {
    const char* name;
    bool rangeSelectAndEdit, editing, editable, formControls;
    bool editorOpens, editingAfter, heard;
};

class F2Test : public KeysTest, public ::testing::WithParamInterface<F2Case> {};

TEST_P(F2Test, OpensTheEditorOnlyWhereItMay) {
    const F2Case& c = GetParam();
    grid->MouseActions()->SetRangeSelectAndEdit(c.rangeSelectAndEdit);
    if (c.editing) Editing();
    grid->SetOnCanEditCell([&](TObject*, int, int, bool& canEdit) { canEdit = c.editable; });
    if (c.formControls) {
        grid->SetColWidths(1, 200);
        grid->SetCells(1, 1, "<B>Name</B> <CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"a\" WIDTH=\"50\">");
    }
    int heard = 0;
    grid->SetOnKeyDown([&](TObject*, Word& key, TShiftState) { heard += key == VK_F2; });
    Key(VK_F2);
    EXPECT_EQ(EditorShown(), c.editorOpens);
    EXPECT_EQ(grid->Options().Contains(goEditing), c.editingAfter);
    EXPECT_EQ(heard, c.heard ? 1 : 0);
    EXPECT_EQ(grid->Editors()->ControlEdit()->Visible(), c.formControls);
    if (c.editorOpens) {
        EXPECT_EQ(grid->EditCol(), 1) << "the edit start is saved";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, F2Test,
    ::testing::Values(F2Case{"RangeSelectEditable", true, false, true, false, true, true, true},
                      F2Case{"RangeSelectNotEditable", true, false, false, false, false, false, true},
                      F2Case{"EditingNotEditable", false, true, false, false, false, true, true},
                      F2Case{"FormControls", false, true, true, true, false, true, false},
                      F2Case{"Editable", false, true, true, false, true, true, true}),
    [](const ::testing::TestParamInfo<F2Case>& info) { return std::string(info.param.name); });

TEST_F(KeysTest, SpaceChoosesTheNextItemOfARadioGroup) {
    Editing();
    TStringList items;
    items.Add("one");
    items.Add("two");
    TCellGraphic* radio = grid->CreateCellGraphic(1, 1);
    radio->SetCellType(ctRadio);
    radio->SetCellContent(&items);
    radio->SetCellIndex(0);
    std::vector<int> chosen;
    grid->SetOnRadioClick([&](TObject*, int, int, int index) { chosen.push_back(index); });
    Key(VK_SPACE, " ");
    EXPECT_EQ(radio->CellIndex(), 1);
    EXPECT_EQ(chosen, (std::vector<int>{1}));
    EXPECT_FALSE(EditorShown());
    grid->RemoveCellGraphic(1, 1);
}

TEST_F(KeysTest, LeftAndRightContractAndExpandANode) {
    grid->AddNode(1, 3);
    grid->MergeCells(1, 1, 2, 1);
    grid->FocusCell(1, 1, true);
    Key(VK_LEFT);
    EXPECT_TRUE(grid->GetNodeState(1)) << "contracted";
    grid->FocusCell(1, 1, true);
    Key(VK_RIGHT);
    EXPECT_FALSE(grid->GetNodeState(1)) << "expanded";
    Key(VK_DOWN);
    Key(VK_LEFT);
    EXPECT_FALSE(grid->GetNodeState(1)) << "a row that is no node leaves its node alone";
}

TEST_F(KeysTest, ArrowsStopBeforeFixedRightColumnsAndFooters) {
    grid->SetFixedRightCols(1);
    grid->SetFixedFooters(1);
    grid->FocusCell(2, 3, true);
    Key(VK_RIGHT);
    EXPECT_EQ(grid->Col(), 2);
    Key(VK_DOWN);
    EXPECT_EQ(grid->Row(), 3);
}

TEST_F(KeysTest, CtrlCCopiesOnceAndItsCharacterIsDropped) {
    grid->Navigation()->SetAllowClipboardShortCuts(true);
    int copies = 0;
    grid->SetOnClipboardCopy([&](TObject*, bool&) { ++copies; });
    std::vector<char> typed;
    grid->SetOnKeyPress([&](TObject*, char& key) { typed.push_back(key); });
    SimulateKey(VK_CONTROL, true);
    SimulateKey('C', true, "\x03");
    SimulateKey('C', false);
    SimulateKey(VK_CONTROL, false);
    ProcessMessages();
    EXPECT_EQ(copies, 1);
    EXPECT_EQ(Clipboard()->AsText(), "1:1");
    EXPECT_TRUE(typed.empty());
}

// Without the clipboard keys, Shift+Delete and Ctrl+Delete delete the row.
TEST_F(KeysTest, ModifiedDeleteDeletesTheRowWithoutClipboardKeys) {
    grid->Navigation()->SetAllowDeleteRow(true);
    Chord(VK_SHIFT, VK_DELETE);
    EXPECT_EQ(grid->RowCount(), 4);
    Chord(VK_CONTROL, VK_DELETE);
    EXPECT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(grid->Cells(1, 1), "1:3");
}

// Taking the key in OnKeyDown stops what follows the platform's handling,
// not the grid's steps before it.
TEST_F(KeysTest, AKeyTakenInOnKeyDownStillRunsTheStepsBeforeIt) {
    grid->Navigation()->SetHomeEndKey(heFirstLastRow);
    grid->Navigation()->SetAllowInsertRow(true);
    grid->Navigation()->SetAllowClipboardShortCuts(true);
    grid->SetOnKeyDown([](TObject*, Word& key, TShiftState) { key = 0; });
    Clipboard()->SetAsText("kept");
    Key(VK_END);
    EXPECT_EQ(grid->Row(), 4);
    Key(VK_INSERT);
    Chord(VK_CONTROL, 'C');
    Key(VK_UP);
    EXPECT_EQ(grid->RowCount(), 5);
    EXPECT_EQ(Clipboard()->AsText(), "kept");
    EXPECT_EQ(grid->Row(), 4) << "the platform's navigation is stopped too";
}

TEST_F(KeysTest, OnlyFixedRowsWithFixedRowAlwaysInsertAtTheCurrentRow) {
    grid->SetFixedRowAlways(true);
    grid->SetRowCount(1);
    grid->Navigation()->SetAllowInsertRow(true);
    grid->Navigation()->SetInsertPosition(pInsertAfter);
    Key(VK_INSERT);
    EXPECT_EQ(grid->RowCount(), 2);
    EXPECT_EQ(grid->Row(), 1);
}

// The form's dialog keys come first: Esc presses the cancel button and the
// grid never hears it.
TEST_F(KeysTest, EscGoesToTheFormsCancelButton) {
    auto* cancel = TButton::Create(form);
    cancel->SetParent(form);
    cancel->SetBounds(10, 320, 80, 24);
    cancel->SetCancel(true);
    int clicks = 0;
    cancel->SetOnClick([&](TObject*) { ++clicks; });
    std::vector<Word> heard;
    grid->SetOnKeyDown([&](TObject*, Word& key, TShiftState) { heard.push_back(key); });
    Key(VK_ESCAPE);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(heard.empty());
}

TEST_F(KeysTest, RowSelectKeepsTheHorizontalScrollOnUpAndDown) {
    TGridOptions options = grid->Options();
    options.Include(goRowSelect);
    grid->SetOptions(options);
    grid->Navigation()->SetKeepHorizScroll(true);
    grid->SetColCount(30);
    grid->SetLeftCol(10);
    Key(VK_DOWN);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->LeftCol(), 10);
    grid->Navigation()->SetKeepHorizScroll(false);
    Key(VK_UP);
    EXPECT_EQ(grid->LeftCol(), 1) << "without it the current cell is scrolled into view";
}

}  // namespace
