// The button edit on its own (a new one shows "0", the button fires on the
// release and on F4) and as the grid's editor of the button editor types.
#include "stringgrid/editors/BQGEdit.h"

#include <gtest/gtest.h>

#include "platform/ui/control_fixture.h"
#include "platform/win/testseams.h"
#include "stringgrid/editors/GridEditors.h"
#include "tests/stringgrid/grid_fixture.h"

namespace {

using EditBtnTest = FormControlTest;

TEST_F(EditBtnTest, TheButtonFiresOnItsReleaseAndOnF4) {
    auto* edit = Place<TBqgEditBtn>(form, 10, 10, 120, 24);
    ProcessMessages();
    EXPECT_EQ(edit->Text(), "0");
    int clicks = 0;
    edit->SetOnClickBtn([&](TObject*) { ++clicks; });
    TBqgEditButton* button = edit->Button();
    const POINT p{button->Width() / 2, button->Height() / 2};
    SimulateMouseMove(button->Handle(), p);
    SimulateMouseButton(button->Handle(), p, VK_LBUTTON, true);
    ProcessMessages();
    EXPECT_EQ(clicks, 0);
    SimulateMouseButton(button->Handle(), p, VK_LBUTTON, false);
    ProcessMessages();
    EXPECT_EQ(clicks, 1);
    edit->SetFocus();
    edit->SetReadOnly(true);
    edit->SetEditorEnabled(false);
    Key(VK_F4);
    EXPECT_EQ(clicks, 2);
}

TEST_F(EditBtnTest, AUnitMenuCommandChoosesTheUnit) {
    auto* edit = Place<TBqgUnitEditBtn>(form, 10, 10, 140, 24);
    ProcessMessages();
    edit->Units()->Add("kg");
    edit->Units()->Add("g");
    SendMessage(edit->Handle(), WM_COMMAND, MAKEWPARAM(2, 0), 0);
    EXPECT_EQ(edit->UnitID(), "g");
    SendMessage(edit->Handle(), WM_COMMAND, MAKEWPARAM(3, 0), 0);
    EXPECT_EQ(edit->UnitID(), "g") << "a command past the units is ignored";
    SendMessage(edit->Handle(), WM_COMMAND, MAKEWPARAM(1, EN_SETFOCUS), LPARAM(edit->Handle()));
    EXPECT_EQ(edit->UnitID(), "g") << "a notification echoed by a parent is no unit choice";
}

using GridEditBtnTest = EditingGridTest;

TEST_F(GridEditBtnTest, AUnitCellSplitsIntoValueAndUnit) {
    EditAs(edUnitEditBtn);
    grid->SetCells(1, 1, "12.5 kg");
    Key(VK_F2);
    TGridUnitEditBtn* edit = grid->Editors()->UnitEditBtn();
    ASSERT_TRUE(edit->Visible());
    EXPECT_EQ(edit->Text(), "12.5");
    EXPECT_EQ(edit->UnitID(), " kg");
    Key(VK_ESCAPE);
    EXPECT_EQ(edit->UnitID(), "") << "Esc puts the whole text into the value";
    EXPECT_EQ(grid->Cells(1, 1), "12.5 kg");
    grid->SetCells(1, 1, "3 m");
    Key(VK_F2);
    edit->SetText("4");
    Key(VK_RETURN);
    EXPECT_EQ(grid->Cells(1, 1), "4 m");
}


TEST_F(GridEditBtnTest, TheEllipsisGoesThroughOnEllipsClickAndEnterStores) {
    EditAs(edEditBtn);
    grid->SetCells(1, 1, "a");
    grid->SetOnEllipsClick([](TObject*, int, int, AnsiString& value) { value += "+"; });
    Key(VK_F2);
    TGridEditBtn* edit = grid->Editors()->EditBtn();
    ASSERT_TRUE(edit->Visible());
    EXPECT_EQ(edit->Text(), "a");
    Key(VK_F4);
    EXPECT_EQ(edit->Text(), "a+");
    Key(VK_RETURN);
    EXPECT_FALSE(edit->Visible());
    EXPECT_EQ(grid->Cells(1, 1), "a+");
}

TEST_F(GridEditBtnTest, ANumericButtonEditTakesOneLeadingMinus) {
    EditAs(edNumericEditBtn);
    Key(VK_F2);
    TGridEditBtn* edit = grid->Editors()->EditBtn();
    edit->SetText("");
    for (char ch : AnsiString("-1-2a")) {
        SimulateTyping(AnsiString(1, ch));
        ProcessMessages();
    }
    EXPECT_EQ(edit->Text(), "-12");
}

}  // namespace
