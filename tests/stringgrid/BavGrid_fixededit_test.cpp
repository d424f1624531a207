// Fixed-cell editing: the editor over a header cell opens on the press the
// mouse actions choose, keeps away from sizing dividers and stores its text.
#include <gtest/gtest.h>

#include "grid_fixture.h"
#include "stringgrid/BavEditLink.h"
#include "stringgrid/BavOptions.h"

namespace {

class FixedEditTest : public ShownGridTest {
protected:
    void Press(UINT down, UINT up, int x, int y) {
        SendMessage(grid->Handle(), down, down == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON, MAKELPARAM(x, y));
        SendMessage(grid->Handle(), up, 0, MAKELPARAM(x, y));
        ProcessMessages();
    }
    bool EditorShown() const { return grid->FixedCellEditor() && grid->FixedCellEditor()->Visible(); }
};

TEST_F(FixedEditTest, ALeftPressOpensTheEditorOnlyAwayFromASizingEdge) {
    grid->MouseActions()->SetFixedRowsEdit(fceLeftClick);
    TGridOptions options = grid->Options();
    options.Include(goColSizing);
    grid->SetOptions(options);
    const TRect cell = grid->CellRect(2, 0);
    Press(WM_LBUTTONDOWN, WM_LBUTTONUP, cell.right - 3, cell.top + 10);
    EXPECT_FALSE(EditorShown());
    Press(WM_LBUTTONDOWN, WM_LBUTTONUP, cell.right - 5, cell.top + 10);
    ASSERT_TRUE(EditorShown());
    TGridTransEdit* editor = grid->FixedCellEditor();
    EXPECT_EQ(editor->Text(), "2:0");
    EXPECT_EQ(editor->Left(), cell.left + 1);
    EXPECT_EQ(editor->Width(), cell.right - cell.left - 2);
    EXPECT_EQ(editor->CellCol(), 2);
    // A press on a data cell leaves the column header with the new text.
    editor->SetText("型号");
    const TRect data = grid->CellRect(1, 2);
    Press(WM_LBUTTONDOWN, WM_LBUTTONUP, data.left + 5, data.top + 5);
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(grid->Cells(2, 0), "型号");
}

TEST_F(FixedEditTest, RightPressesAndDoubleClicksOpenItWhereChosen) {
    grid->MouseActions()->SetFixedColsEdit(fceRightClick);
    const TRect rowHeader = grid->CellRect(0, 3);
    Press(WM_LBUTTONDOWN, WM_LBUTTONUP, rowHeader.left + 2, rowHeader.top + 2);
    EXPECT_FALSE(EditorShown());
    Press(WM_RBUTTONDOWN, WM_RBUTTONUP, rowHeader.left + 2, rowHeader.top + 2);
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(grid->FixedCellEditor()->Text(), "0:3");
    grid->FixedCellEditor()->SetVisible(false);
    grid->MouseActions()->SetFixedColsEdit(fceNone);
    grid->MouseActions()->SetFixedRowsEdit(fceDblClick);
    const TRect header = grid->CellRect(3, 0);
    const LPARAM at = MAKELPARAM(header.left + 10, header.top + 10);
    SendMessage(grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessage(grid->Handle(), WM_LBUTTONUP, 0, at);
    EXPECT_FALSE(EditorShown());
    SendMessage(grid->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessage(grid->Handle(), WM_LBUTTONUP, 0, at);
    ProcessMessages();
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(grid->FixedCellEditor()->Text(), "3:0");
}

TEST_F(FixedEditTest, AnEditorThatRefusesItsTextStaysOpen) {
    grid->SetOnCellValidate([](TObject*, int, int, AnsiString&, bool& valid) { valid = false; });
    grid->EditFixedCell(1, 0);
    ASSERT_TRUE(EditorShown());
    grid->EditFixedCell(2, 0);
    EXPECT_EQ(grid->FixedCellEditor()->CellCol(), 1);
    grid->SetOnCanEditCell([](TObject*, int, int, bool& allow) { allow = true; });
    grid->SetOnCellValidate(nullptr);
    grid->EditFixedCell(3, 0);
    EXPECT_FALSE(EditorShown());
}

}  // namespace
