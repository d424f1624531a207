// Form controls and links in HTML cells, pressed with the mouse: an edit
// control edited to a new value, a check control flipped, a cell link and a
// link opened through the shell.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid_fixture.h"
#include "platform/win/shellapi.h"
#include "platform/win/testseams.h"
#include "stringgrid/editors/GridEditors.h"

namespace {

class HTMLControlsTest : public EditingGridTest {
protected:
    void SetUp() override {
        EditingGridTest::SetUp();
        grid->SetColWidths(1, 200);
    }
    // A press at `dx` pixels into the text of cell (1, 1).
    void PressInText(int dx) {
        const TRect r = grid->CellRect(1, 1);
        SimulateClick(grid->Handle(), POINT{r.left + grid->CellMarginX() + dx, r.top + 6});
        ProcessMessages();
    }
};

TEST_F(HTMLControlsTest, AnEditControlEditedToXKeepsXInTheCell) {
    grid->SetCells(1, 1, "<B>Name</B> <CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"abc\" WIDTH=\"60\">");
    std::vector<std::string> done;
    grid->SetOnControlEditDone([&](TObject*, int row, int col, AnsiString id, AnsiString type, AnsiString value) {
        done.push_back(std::to_string(col) + "," + std::to_string(row) + " " + id + " " + type + " " + value);
    });
    // Where the control lies, as the grid's own hit test finds it.
    const TRect r = grid->CellRect(1, 1);
    int dx = 0;
    for (THTMLDrawResult result; dx < 150; dx += 2) {
        result = THTMLDrawResult{};
        if (grid->HitTestCellHTML(1, 1, POINT{r.left + grid->CellMarginX() + dx, r.top + 6}, result) &&
            result.ControlID == "e1")
            break;
    }
    ASSERT_LT(dx, 150);
    PressInText(dx + 4);
    TControlEdit* edit = grid->Editors()->ControlEdit();
    ASSERT_TRUE(edit->Visible());
    EXPECT_EQ(edit->Text(), "abc");
    edit->SetText("x");
    grid->SetFocus();
    ProcessMessages();
    EXPECT_FALSE(edit->Visible());
    EXPECT_NE(grid->Cells(1, 1).find("VALUE=\"x\""), AnsiString::npos) << grid->Cells(1, 1);
    EXPECT_EQ(done, (std::vector<std::string>{"1,1 e1 EDIT x"}));
}

// F2 opens the cell's first edit control, Tab stores it and opens the next
// one (a check control is passed over); after the last the grid has the
// focus again.
TEST_F(HTMLControlsTest, F2AndTabWalkThroughTheCellsEditControls) {
    grid->SetCells(1, 1,
                   "<B>Name</B> <CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"a\" WIDTH=\"50\"> "
                   "<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"TRUE\"> "
                   "<CONTROL TYPE=\"EDIT\" ID=\"e2\" VALUE=\"b\" WIDTH=\"50\">");
    grid->FocusCell(1, 1, true);
    ProcessMessages();
    Key(VK_F2);
    TControlEdit* edit = grid->Editors()->ControlEdit();
    ASSERT_TRUE(edit->Visible());
    EXPECT_EQ(edit->Text(), "a");
    EXPECT_TRUE(edit->Focused());
    const int firstLeft = edit->Left();
    EXPECT_GT(firstLeft, grid->CellRect(1, 1).left);
    edit->SetText("x");
    Key(VK_TAB, "\t");
    ASSERT_TRUE(edit->Visible());
    EXPECT_EQ(edit->Text(), "b");
    EXPECT_GT(edit->Left(), firstLeft + 50) << "over the second edit";
    EXPECT_NE(grid->Cells(1, 1).find("VALUE=\"x\""), AnsiString::npos);
    Key(VK_TAB, "\t");
    EXPECT_FALSE(edit->Visible());
    EXPECT_TRUE(grid->Focused());
    EXPECT_EQ(grid->Col(), 1);

    grid->Navigation()->SetAdvanceAuto(true);
    Key(VK_F2);
    ASSERT_TRUE(edit->Visible());
    Key(VK_TAB, "\t");
    EXPECT_FALSE(edit->Visible());
    EXPECT_EQ(grid->Col(), 2) << "AdvanceAuto moves on to the next cell";
}

TEST_F(HTMLControlsTest, ACellLinkMovesTheCurrentCell) {
    grid->SetCells(1, 1, "<A HREF=\"CELL://R3C2\">go there</A>");
    PressInText(5);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 3);
}

TEST_F(HTMLControlsTest, AnOtherLinkGoesToTheShell) {
    grid->SetCells(1, 1, "<A HREF=\"http://example.invalid/\">site</A>");
    SetShellRecording(true);
    ClearRecordedShellRequests();
    PressInText(5);
    ASSERT_EQ(RecordedShellRequests().size(), 1u);
    EXPECT_EQ(RecordedShellRequests()[0].operation, "open");
    EXPECT_EQ(RecordedShellRequests()[0].file, "http://example.invalid/");
    SetShellRecording(false);
}

}  // namespace

// A form button is drawn down from its press until the grid loses the focus.
TEST_F(HTMLControlsTest, APressedFormButtonGoesUpWhenTheGridLosesTheFocus) {
    grid->SetColWidths(2, 200);
    grid->SetColor(clAqua);
    grid->SetCells(2, 2, "<B>Do</B> <CONTROL TYPE=\"BUTTON\" ID=\"b1\" VALUE=\"Go\" WIDTH=\"60\">");
    TEdit* other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(0, 320, 100, 20);
    const TRect r = grid->CellRect(2, 2);
    POINT press{};
    THTMLDrawResult result;
    for (int dx = 0; dx < 150 && result.ControlID != "b1"; dx += 2) {
        result = THTMLDrawResult{};
        press = POINT{r.left + grid->CellMarginX() + dx + 4, (r.top + r.bottom) / 2};
        grid->HitTestCellHTML(2, 2, press, result);
    }
    ASSERT_EQ(result.ControlID, "b1");
    press.x += 10;
    // The cell in window coordinates, where the raised button shows its white edge.
    RECT window;
    GetWindowRect(grid->Handle(), &window);
    POINT origin{0, 0};
    ClientToScreen(grid->Handle(), &origin);
    TRect cell = r;
    OffsetRect(&cell, origin.x - window.left, origin.y - window.top);
    auto raised = [&] {
        ProcessMessages();
        return ColoursIn(grid->Handle(), cell).count(GetSysColor(COLOR_3DHILIGHT)) > 0;
    };
    ASSERT_TRUE(raised());
    ASSERT_TRUE(SimulateMouseButton(grid->Handle(), press, VK_LBUTTON, true));
    EXPECT_FALSE(raised()) << "drawn down";
    other->SetFocus();
    EXPECT_TRUE(raised()) << "up again";
}
