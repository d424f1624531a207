// Sorting by header clicks through synthetic input: the clicks that do not
// sort, UndoSort's third click, Shift-click sort lists, the refusal, and
// the auto-size double click on a header edge.
#include <gtest/gtest.h>

#include <vector>

#include "grid_fixture.h"
#include "platform/win/testseams.h"

namespace {

using Texts = std::vector<AnsiString>;

class HeaderSortTest : public ShownGridTest {
protected:
    void SetUp() override {
        ShownGridTest::SetUp();
        const char* values[] = {"b", "d", "a", "c"};
        for (int r = 1; r <= 4; ++r) {
            grid->SetCells(1, r, values[r - 1]);
            grid->SetCells(2, r, std::to_string(r % 2));
        }
        grid->SortSettings()->SetShow(true);
        grid->SetOnClickSort([this](TObject*, int col) { sorted.push_back(col); });
    }
    Texts Column(int col) {
        Texts texts;
        for (int r = 1; r < grid->RowCount(); ++r) texts.push_back(grid->Cells(col, r));
        return texts;
    }
    POINT Center(int col, int row) const {
        const TRect r = grid->CellRect(col, row);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void Click(POINT p) {
        SimulateClick(grid->Handle(), p);
        ProcessMessages();
    }
    void ShiftClick(POINT p) {
        SimulateKey(VK_SHIFT, true);
        Click(p);
        SimulateKey(VK_SHIFT, false);
        ProcessMessages();
    }
    std::vector<int> sorted;
};

TEST_F(HeaderSortTest, ClicksSortOneWayTheOtherAndUndoWithUndoSort) {
    grid->SortSettings()->SetUndoSort(true);
    Click(Center(1, 0));
    EXPECT_EQ(Column(1), (Texts{"a", "b", "c", "d"}));
    EXPECT_EQ(grid->SortSettings()->Column(), 1);
    Click(Center(1, 0));
    EXPECT_EQ(Column(1), (Texts{"d", "c", "b", "a"}));
    Click(Center(1, 0));
    EXPECT_EQ(Column(1), (Texts{"b", "d", "a", "c"}));
    EXPECT_EQ(grid->SortSettings()->Column(), -1);
    EXPECT_EQ(sorted, (std::vector<int>{1, 1, -1}));
    Click(Center(1, 0));
    EXPECT_EQ(Column(1), (Texts{"a", "b", "c", "d"})) << "and sorts again";
}

TEST_F(HeaderSortTest, ClicksThatDoNotSort) {
    // Pressed on the header, released on a data row.
    SimulateMouseButton(grid->Handle(), Center(1, 0), VK_LBUTTON, true);
    SimulateMouseButton(grid->Handle(), Center(1, 2), VK_LBUTTON, false);
    ProcessMessages();
    // Released on a header edge of a sizable column.
    TGridOptions options = grid->Options();
    options.Include(goColSizing);
    grid->SetOptions(options);
    const TRect header = grid->CellRect(1, 0);
    Click(POINT{header.left + 5, header.top + 5});
    EXPECT_EQ(sorted.size(), 1u) << "5 pixels in sorts";
    Click(POINT{header.right - 2, header.top + 5});
    // Refused.
    grid->SetOnCanSort([](TObject*, int, bool& doSort) { doSort = false; });
    Click(Center(2, 0));
    EXPECT_EQ(sorted.size(), 1u);
    // Without Show nothing sorts.
    grid->SetOnCanSort(nullptr);
    grid->SortSettings()->SetShow(false);
    Click(Center(2, 0));
    EXPECT_EQ(sorted.size(), 1u);
}

TEST_F(HeaderSortTest, ADoubleClickOnAHeaderEdgeAutoSizesAndTheReleaseDoesNotSort) {
    TGridOptions options = grid->Options();
    options.Include(goColSizing);
    grid->SetOptions(options);
    grid->MouseActions()->SetAutoSizeColOnDblClick(true);
    grid->SetCells(1, 3, "a much longer text than the column holds");
    const int before = grid->ColWidths(1);
    const TRect header = grid->CellRect(1, 0);
    const POINT edge{header.right - 2, header.top + 5};
    SendMessage(grid->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(edge.x, edge.y));
    SendMessage(grid->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(Center(1, 0).x, Center(1, 0).y));
    ProcessMessages();
    EXPECT_GT(grid->ColWidths(1), before);
    EXPECT_TRUE(sorted.empty());
}

TEST_F(HeaderSortTest, ShiftClicksBuildASortListAndAPlainClickKeepsOneColumn) {
    grid->SortSettings()->SetIndexShow(true);
    ShiftClick(Center(2, 0));
    ShiftClick(Center(1, 0));
    ShiftClick(Center(3, 0));
    ASSERT_EQ(grid->SortIndexes()->Count(), 3);
    EXPECT_EQ(grid->SortIndexes()->GetCommaText(), "2,1,3");
    EXPECT_EQ(Column(1), (Texts{"c", "d", "a", "b"})) << "column 2 first, then column 1";
    ShiftClick(Center(2, 0));
    EXPECT_EQ(Column(1), (Texts{"a", "b", "c", "d"})) << "a listed column flips";
    Click(Center(1, 0));
    EXPECT_EQ(grid->SortIndexes()->GetCommaText(), "1");
    EXPECT_EQ(Column(1), (Texts{"a", "b", "c", "d"}));
    Click(Center(1, 0));
    EXPECT_EQ(Column(1), (Texts{"d", "c", "b", "a"}));
    EXPECT_EQ(grid->SortSettings()->Column(), 1);
}

}  // namespace
