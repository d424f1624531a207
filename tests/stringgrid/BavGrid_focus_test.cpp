// The focus arriving at the grid: the always-open editor comes back on the
// current cell, except on a check-box cell, a cell that may not be edited
// or without AlwaysEdit; before any editor exists only a combo cell opens.
#include <gtest/gtest.h>

#include "grid_fixture.h"
#include "platform/ui/stdctrls.h"
#include "stringgrid/BavOptions.h"

namespace {

class FocusTest : public EditingGridTest {
protected:
    void SetUp() override {
        EditingGridTest::SetUp();
        grid->SetColCount(4);
        grid->SetRowCount(4);
        other = new TEdit(form);
        other->SetParent(form);
        other->SetBounds(0, 320, 100, 24);
        grid->FocusCell(1, 1, true);
        // The editor made once, as the first edit makes it.
        grid->ShowCellEditor();
        ProcessMessages();
    }
    // Whether the editor is open after the focus went away and came back.
    bool EditorAfterRefocus() {
        grid->HideCellEditor();
        grid->HideEditor();
        other->SetFocus();
        ProcessMessages();
        grid->SetFocus();
        ProcessMessages();
        return grid->InplaceEditor() && grid->InplaceEditor()->Visible();
    }
    TEdit* other = nullptr;
};

TEST_F(FocusTest, AlwaysEditOpensTheEditorWhenTheFocusArrives) {
    EXPECT_FALSE(EditorAfterRefocus()) << "without AlwaysEdit";
    grid->Navigation()->SetAlwaysEdit(true);
    grid->SetCells(1, 1, "text");
    EXPECT_TRUE(EditorAfterRefocus());
    EXPECT_EQ(grid->EditStartText(), "text");

    grid->SetOnCanEditCell([](TObject*, int, int, bool& allow) { allow = false; });
    EXPECT_FALSE(EditorAfterRefocus()) << "a cell that may not be edited";
    grid->SetOnCanEditCell(nullptr);

    grid->CreateCellGraphic(1, 1)->SetCellType(ctCheckBox);
    EXPECT_FALSE(EditorAfterRefocus()) << "a check-box cell";
}

TEST_F(StringGridTest, BeforeAnyEditorExistsAlwaysEditOpensOnlyAComboCell) {
    TGridOptions options = grid->Options();
    options.Include(goEditing);
    grid->SetOptions(options);
    grid->SetBounds(0, 0, 300, 200);
    grid->Navigation()->SetAlwaysEdit(true);
    auto* other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(0, 220, 100, 24);
    form->Show();
    other->SetFocus();
    grid->FocusCell(1, 1, true);
    ProcessMessages();
    grid->SetFocus();
    ProcessMessages();
    EXPECT_FALSE(grid->InplaceEditor() && grid->InplaceEditor()->Visible());
    grid->SetOnHasComboBox([](TObject*, int, int, bool& has) { has = true; });
    other->SetFocus();
    ProcessMessages();
    grid->SetFocus();
    ProcessMessages();
    EXPECT_TRUE(grid->InplaceEditor() && grid->InplaceEditor()->Visible());
}

}  // namespace
