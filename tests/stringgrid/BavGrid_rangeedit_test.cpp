// Range selection and editing with one button, through synthetic input: a
// press beside the selected cell picks a range without editing, a press on
// the current cell opens its editor, Shift extends, a double click edits.
#include <gtest/gtest.h>

#include "grid_fixture.h"
#include "platform/win/testseams.h"
#include "stringgrid/BavOptions.h"

namespace {

class RangeEditTest : public ShownGridTest {
protected:
    void SetUp() override {
        ShownGridTest::SetUp();
        grid->SetColCount(8);
        grid->SetRowCount(10);
        TGridOptions options = grid->Options();
        options.Include(goRangeSelect);
        options.Exclude(goEditing);
        grid->SetOptions(options);
        grid->MouseActions()->SetRangeSelectAndEdit(true);
        ProcessMessages();
    }
    // A point `dx` pixels right of the cell's centre; presses in one cell
    // step it so that two of them make no double click.
    POINT At(int col, int row, int dx = 0) const {
        const TRect r = grid->CellRect(col, row);
        return {(r.left + r.right) / 2 + dx, (r.top + r.bottom) / 2};
    }
    void Click(POINT p) {
        SimulateMouseMove(grid->Handle(), p);
        SimulateMouseButton(grid->Handle(), p, VK_LBUTTON, true);
        ProcessMessages();
        SimulateMouseButton(grid->Handle(), p, VK_LBUTTON, false);
        ProcessMessages();
    }
    void Drag(POINT from, POINT to) {
        SimulateMouseMove(grid->Handle(), from);
        SimulateMouseButton(grid->Handle(), from, VK_LBUTTON, true);
        ProcessMessages();
        SimulateMouseMove(grid->Handle(), to);
        ProcessMessages();
        SimulateMouseButton(grid->Handle(), to, VK_LBUTTON, false);
        ProcessMessages();
    }
    bool Editing() const { return grid->Options().Contains(goEditing); }
};

TEST_F(RangeEditTest, APressBesideTheSelectionPicksARangeAndAPressOnTheCurrentCellEdits) {
    Drag(At(2, 2), At(4, 5));
    EXPECT_FALSE(Editing());
    EXPECT_FALSE(grid->EditorMode());
    const TGridRect range = grid->Selection();
    EXPECT_EQ((TGridRect{2, 2, 4, 5}), range);

    ASSERT_EQ(grid->Col(), 4) << "the current cell follows the drag";
    Click(At(4, 5, 6));
    EXPECT_TRUE(Editing()) << "the current cell of a range";
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_EQ((TGridRect{4, 5, 4, 5}), grid->Selection());
}

TEST_F(RangeEditTest, ASecondPressOnTheSelectedCellOpensItsEditor) {
    Click(At(3, 3));
    EXPECT_FALSE(grid->EditorMode()) << "the first press selects";
    Click(At(3, 3, 6));
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_EQ(grid->InplaceEditor()->Text(), "3:3");
}

TEST_F(RangeEditTest, APressOnANonEditableCurrentCellOpensNothing) {
    grid->SetOnCanEditCell([](TObject*, int, int, bool& allow) { allow = false; });
    Click(At(3, 3));
    Click(At(3, 3, 6));
    EXPECT_FALSE(Editing());
    EXPECT_FALSE(grid->EditorMode());
}

TEST_F(RangeEditTest, AShiftPressWhileEditingExtendsTheRangeAndStopsEditing) {
    Click(At(2, 2));
    Click(At(2, 2, 6));
    ASSERT_TRUE(grid->EditorMode());
    SimulateKey(VK_SHIFT, true);
    Click(At(4, 4));
    SimulateKey(VK_SHIFT, false);
    ProcessMessages();
    EXPECT_FALSE(Editing());
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ((TGridRect{2, 2, 4, 4}), grid->Selection());
}

TEST_F(RangeEditTest, ADoubleClickOnACellEditsIt) {
    Click(At(5, 1));
    Click(At(5, 1));
    EXPECT_TRUE(Editing());
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_EQ(grid->Col(), 5);
}

TEST_F(RangeEditTest, APressOnAFixedCellLeavesEditingAlone) {
    TGridOptions options = grid->Options();
    options.Include(goEditing);
    grid->SetOptions(options);
    Click(At(3, 0));
    EXPECT_TRUE(Editing());
}

}  // namespace
