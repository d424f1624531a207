// The string grid's mouse buttons through synthetic presses: cell clicks
// and their refusal, check boxes and buttons in cells, direct editing, the
// right button and the double click.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "grid_fixture.h"
#include "platform/ui/graphics.h"
#include "platform/win/testseams.h"
#include "stringgrid/BavGridGraphic.h"

namespace {

class MouseTest : public ShownGridTest {
protected:
    void SetUp() override {
        ShownGridTest::SetUp();
    }
    POINT Center(int col, int row) const {
        const TRect r = grid->CellRect(col, row);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void ClickAt(POINT p, int button = VK_LBUTTON) {
        SimulateClick(grid->Handle(), p, button);
        ProcessMessages();
    }
    std::vector<std::string> clicks;
    void RecordClicks() {
        grid->SetOnClickCell(
            [this](TObject*, int row, int col) { clicks.push_back(std::to_string(col) + "," + std::to_string(row)); });
    }
};

TEST_F(MouseTest, AClickMovesToTheCellAndReportsIt) {
    RecordClicks();
    ClickAt(Center(2, 3));
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(clicks, (std::vector<std::string>{"2,3"}));

    TGridOptions options = grid->Options();
    options.Include(goColSizing);
    grid->SetOptions(options);
    const TRect r = grid->CellRect(1, 2);
    ClickAt(POINT{r.left + 2, (r.top + r.bottom) / 2});
    EXPECT_EQ(clicks.size(), 1u) << "no click in the 3 pixels at a sizable edge";
}

TEST_F(MouseTest, ARefusedClickLeavesTheCurrentCell) {
    grid->SetOnCanClickCell([](TObject*, int, int col, bool& allow) { allow = col != 3; });
    ClickAt(Center(3, 2));
    EXPECT_EQ(grid->Col(), 1);
    ClickAt(Center(2, 2));
    EXPECT_EQ(grid->Col(), 2);
}

TEST_F(MouseTest, CheckBoxesToggleAndAHeaderChecksTheColumn) {
    TGridOptions options = grid->Options();
    options.Include(goEditing);
    grid->SetOptions(options);
    for (int r = 0; r < 5; ++r) grid->CreateCellGraphic(2, r)->SetCellType(ctCheckBox);
    grid->MouseActions()->SetCheckAllCheck(true);
    std::vector<bool> states;
    grid->SetOnCheckBoxClick([&](TObject*, int, int, bool state) { states.push_back(state); });
    std::vector<bool> released;
    grid->SetOnCheckBoxMouseUp([&](TObject*, int, int, bool state) { released.push_back(state); });
    ClickAt(Center(2, 3));
    EXPECT_EQ(released, std::vector<bool>{true}) << "the release tells the toggled state";
    bool state = false;
    ASSERT_TRUE(grid->GetCheckBoxState(2, 3, state));
    EXPECT_TRUE(state);
    EXPECT_EQ(grid->Row(), 3);
    ClickAt(Center(2, 0));
    for (int r = 1; r < 5; ++r) {
        grid->GetCheckBoxState(2, r, state);
        EXPECT_TRUE(state) << r;
    }
    EXPECT_EQ(states, (std::vector<bool>{true, true}));
    EXPECT_FALSE(grid->InplaceEditor() && grid->InplaceEditor()->Visible());
}

TEST_F(MouseTest, APressOnARadioItemChoosesIt) {
    TGridOptions options = grid->Options();
    options.Include(goEditing);
    grid->SetOptions(options);
    grid->SetRowHeights(2, 80);
    TStringList items;
    items.Add("one");
    items.Add("two");
    items.Add("three");
    TCellGraphic* radio = grid->CreateCellGraphic(2, 2);
    radio->SetCellType(ctRadio);
    radio->SetCellContent(&items);
    radio->SetCellIndex(0);
    std::vector<int> chosen;
    grid->SetOnRadioClick([&](TObject*, int, int, int index) { chosen.push_back(index); });
    std::vector<int> released;
    grid->SetOnRadioMouseUp([&](TObject*, int, int, int index) { released.push_back(index); });
    TBitmap measure;
    measure.Canvas()->Font()->Assign(grid->Font());
    // A themed control style draws its radio buttons 16 pixels large.
    const int size = grid->ControlLook()->ControlStyle() > csFlat ? 16 : grid->ControlLook()->RadioSize();
    const int itemHeight = std::max(size, measure.Canvas()->TextHeight("gh"));
    const TRect r = grid->CellRect(2, 2);
    ClickAt(POINT{r.left + 5, r.top + itemHeight + itemHeight / 2});
    EXPECT_EQ(radio->CellIndex(), 1);
    EXPECT_EQ(chosen, (std::vector<int>{1}));
    EXPECT_EQ(released, (std::vector<int>{1}));
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 2);
    grid->RemoveCellGraphic(2, 2);
}

TEST_F(MouseTest, ACellButtonFiresOnRelease) {
    TGridOptions options = grid->Options();
    options.Include(goEditing);
    grid->SetOptions(options);
    TCellGraphic* graphic = grid->CreateCellGraphic(2, 2);
    graphic->SetCellType(ctButton);
    graphic->SetCellIndex(16 * 65536 + 40);
    int fired = 0;
    grid->SetOnButtonClick([&](TObject*, int col, int row) { fired += col == 2 && row == 2; });
    grid->Repaint();  // painting places the button in its cell
    ProcessMessages();
    const TRect button = grid->GetCellGraphicRect(2, 2);
    ASSERT_FALSE(IsRectEmpty(&button));
    const POINT p{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    SimulateMouseMove(grid->Handle(), p);
    SimulateMouseButton(grid->Handle(), p, VK_LBUTTON, true);
    ProcessMessages();
    EXPECT_EQ(fired, 0);
    SimulateMouseButton(grid->Handle(), p, VK_LBUTTON, false);
    ProcessMessages();
    EXPECT_EQ(fired, 1);
}

TEST_F(MouseTest, DirectEditOpensTheEditorAtTheClick) {
    TGridOptions options = grid->Options();
    options.Include(goEditing);
    grid->SetOptions(options);
    grid->MouseActions()->SetDirectEdit(true);
    ClickAt(Center(3, 2));
    ASSERT_TRUE(grid->InplaceEditor());
    EXPECT_TRUE(grid->InplaceEditor()->Visible());
    EXPECT_EQ(grid->InplaceEditor()->EditText(), "3:2");
}

TEST_F(MouseTest, TheRightButtonSelectsAndReports) {
    grid->MouseActions()->SetSelectOnRightClick(true);
    std::vector<std::string> rights;
    grid->SetOnRightClickCell(
        [&](TObject*, int row, int col) { rights.push_back(std::to_string(col) + "," + std::to_string(row)); });
    ClickAt(Center(3, 4), VK_RBUTTON);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_EQ(rights, (std::vector<std::string>{"3,4"}));
}

TEST_F(MouseTest, TheRightButtonEditsALinkWithURLEdit) {
    TGridOptions options = grid->Options();
    options.Include(goEditing);
    grid->SetOptions(options);
    grid->SetCells(2, 3, "http://serviora.cn");
    grid->SetURLShow(true);
    ClickAt(Center(2, 3), VK_RBUTTON);
    EXPECT_FALSE(grid->InplaceEditor() && grid->InplaceEditor()->Visible()) << "without URLEdit";
    grid->SetURLEdit(true);
    ClickAt(Center(3, 2), VK_RBUTTON);
    EXPECT_FALSE(grid->InplaceEditor() && grid->InplaceEditor()->Visible()) << "no link";
    ClickAt(Center(2, 3), VK_RBUTTON);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 3);
    ASSERT_TRUE(grid->InplaceEditor());
    EXPECT_TRUE(grid->InplaceEditor()->Visible());
    EXPECT_EQ(grid->InplaceEditor()->EditText(), "http://serviora.cn");
}

TEST_F(MouseTest, ADoubleClickReportsTheCell) {
    std::vector<std::string> doubles;
    grid->SetOnDblClickCell(
        [&](TObject*, int row, int col) { doubles.push_back(std::to_string(col) + "," + std::to_string(row)); });
    const POINT p = Center(2, 1);
    SendMessage(grid->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    EXPECT_EQ(doubles, (std::vector<std::string>{"2,1"}));
}

TEST_F(MouseTest, DraggingTheSelectionGripFillsTheWiderRange) {
    grid->SetRowCount(8);
    for (int r = 5; r < 8; ++r) grid->SetCells(1, r, "1:" + std::to_string(r));
    TGridOptions options = grid->Options();
    options.Include(goEditing);
    grid->SetOptions(options);
    grid->SetSelectionRectangle(true);
    grid->SetSelectionResizer(true);
    grid->SetCells(1, 1, "g");
    grid->SetSelection(TGridRect{1, 1, 1, 1});
    std::vector<std::pair<TGridRect, TGridRect>> resize, resized;
    grid->SetOnSelectionResize([&](TObject*, TGridRect from, TGridRect to) {
        resize.emplace_back(from, to);
        EXPECT_EQ(grid->Cells(1, 5), "1:5") << "told before the fill";
    });
    grid->SetOnSelectionResized([&](TObject*, TGridRect from, TGridRect to) { resized.emplace_back(from, to); });
    const TRect corner = grid->CellRect(1, 1);
    const POINT grip{corner.right - 2, corner.bottom - 2};
    SimulateMouseButton(grid->Handle(), grip, VK_LBUTTON, true);
    SimulateMouseMove(grid->Handle(), Center(1, 3));
    SimulateMouseMove(grid->Handle(), Center(1, 5));
    SimulateMouseButton(grid->Handle(), Center(1, 5), VK_LBUTTON, false);
    ProcessMessages();
    const std::pair<TGridRect, TGridRect> expected{TGridRect{1, 1, 1, 1}, TGridRect{1, 1, 1, 5}};
    EXPECT_EQ(resize, (std::vector{expected}));
    EXPECT_EQ(resized, (std::vector{expected}));
    for (int r = 1; r <= 5; ++r) EXPECT_EQ(grid->Cells(1, r), "g") << r;
    EXPECT_EQ(grid->Cells(1, 6), "1:6");

    resize.clear();
    grid->SetSelection(TGridRect{2, 2, 2, 2});
    const TRect inside = grid->CellRect(2, 2);
    ClickAt(POINT{inside.right - 8, inside.bottom - 8});
    EXPECT_TRUE(resize.empty()) << "beside the grip a press selects as usual";
}

}  // namespace
