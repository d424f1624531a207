// The base grid: cell properties, merged areas, display text and its hooks,
// painting each merged area once per paint, and the change recorder.
#include "stringgrid/BaseGrid.h"

#include "platform/ui/control_fixture.h"
#include "platform/ui/testseams.h"
#include "platform/win/winpaint.h"

namespace {

// Counts how often the text of each cell is drawn.
class CountingGrid : public TBaseGrid {
public:
    using TBaseGrid::TBaseGrid;
    std::map<std::pair<int, int>, int> drawn;
    int Drawn(int col, int row) { return drawn[{col, row}]; }
    int lastRowChanges = 0;

protected:
    void DrawGridCell(TCanvas* canvas, int col, int row, TRect rect, TGridDrawState state) override {
        ++drawn[{col, row}];
        TBaseGrid::DrawGridCell(canvas, col, row, rect, state);
    }
    void LastRowChanged() override { ++lastRowChanges; }
};

class BaseGridTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        form = NewForm(500, 300);
        grid = new CountingGrid(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, 420, 260);
        form->Show();
    }
    TForm* form = nullptr;
    CountingGrid* grid = nullptr;
};

TEST_F(BaseGridTest, UntouchedCellsHaveNoProperties) {
    grid->SetCells(2, 2, "own");
    EXPECT_FALSE(grid->HasCellProperties(2, 2));
    EXPECT_TRUE(grid->IsBaseCell(2, 2));
    EXPECT_EQ(grid->GetCellSpan(2, 2), (TGridCoord{0, 0}));
    EXPECT_EQ(grid->GetDisplayText(2, 2), "own");
    EXPECT_FALSE(grid->IsMergedCell(2, 2));
    int col = -1, row = -1;
    EXPECT_TRUE(grid->FindBaseCell(2, 2, col, row));
}

TEST_F(BaseGridTest, MergedAreasMapToTheirBase) {
    grid->MergeCells(1, 1, 3, 2);
    struct Case {
        int col, row;
        int spanX, spanY;
        bool base;
    };
    const Case cases[] = {{1, 1, 2, 1, true}, {3, 2, 2, 1, false}, {2, 1, 1, 0, false}, {1, 2, 0, 1, false}};
    for (const Case& c : cases) {
        TCellProperties* properties = grid->GetCellProperties(c.col, c.row);
        EXPECT_EQ(properties->CellSpanX(), c.spanX) << c.col << "," << c.row;
        EXPECT_EQ(properties->CellSpanY(), c.spanY);
        EXPECT_EQ(properties->IsBaseCell(), c.base);
        EXPECT_EQ(grid->GetBaseCell(c.col, c.row), (TGridCoord{1, 1}));
        EXPECT_EQ(grid->GetCellSpan(c.col, c.row), (TGridCoord{2, 1}));
        EXPECT_TRUE(grid->IsMergedCell(c.col, c.row));
        EXPECT_EQ(grid->IsCoveredCell(c.col, c.row), !c.base);
    }
    EXPECT_TRUE(grid->IsMergedHorizontally(3, 2));
    EXPECT_TRUE(grid->IsMergedVertically(3, 2));
    grid->SetCellText(2, 2, "area");
    EXPECT_EQ(grid->Cells(1, 1), "area");
    EXPECT_EQ(grid->GetDisplayText(3, 1), "area");
    int col = -1, row = -1;
    EXPECT_FALSE(grid->FindBaseCell(3, 2, col, row));
    EXPECT_EQ((TGridCoord{col, row}), (TGridCoord{1, 1}));
    const TRect merged = grid->MergedCellRect(2, 2);
    const TRect first = grid->CalcCellRect(1, 1), last = grid->CalcCellRect(3, 2);
    EXPECT_EQ(merged, Rect(first.left, first.top, last.right, last.bottom));
    EXPECT_EQ(grid->MergedCellSize(1, 1).cx, 3 * grid->DefaultColWidth());

    grid->SplitCells(3, 2);
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 3; ++c) {
            EXPECT_EQ(grid->GetCellProperties(c, r)->CellSpanX(), -1);
            EXPECT_TRUE(grid->IsBaseCell(c, r));
        }
}

TEST_F(BaseGridTest, ASingleCellMergeCountsForItsRectangleOnly) {
    grid->MergeCells(2, 2, 1, 1);
    EXPECT_EQ(grid->GetCellSpan(2, 2), (TGridCoord{0, 0}));
    EXPECT_FALSE(grid->IsMergedCell(2, 2));
    EXPECT_EQ(grid->MergedCellRect(2, 2), grid->CalcCellRect(2, 2));
    grid->MergeCells(1, 1, 0, 3);
    EXPECT_FALSE(grid->HasCellProperties(1, 1)) << "an empty width merges nothing";
}

TEST_F(BaseGridTest, RowsShareMergedCells) {
    grid->SetColCount(6);
    grid->SetRowCount(8);
    grid->MergeCells(1, 1, 1, 3);
    grid->MergeCells(3, 2, 1, 2);
    EXPECT_TRUE(grid->RowsShareMergedCells(1, 2)) << "column 3 holds only row 2 of the two";
    EXPECT_TRUE(grid->RowsShareMergedCells(2, 3));
    EXPECT_FALSE(grid->RowsShareMergedCells(4, 5)) << "no merged cells";
    grid->MergeCells(5, 3, 1, 2);
    grid->MergeCells(5, 5, 1, 2);
    EXPECT_FALSE(grid->RowsShareMergedCells(4, 5)) << "column 5 holds them in two areas";
}

TEST_F(BaseGridTest, DisplayHooksApplyToDataRowsOnly) {
    grid->SetRowCount(6);
    grid->SetDataRowCount(3);
    int asked = 0;
    grid->SetOnGetDisplText([&](TObject*, int, int row, AnsiString& value) {
        ++asked;
        value += "!" + std::to_string(row);
    });
    grid->SetCells(1, 2, "a");
    grid->SetCells(1, 4, "b");
    EXPECT_EQ(grid->GetDisplayText(1, 2), "a!2");
    EXPECT_EQ(grid->GetDisplayText(1, 4), "b");
    EXPECT_EQ(asked, 1);
    grid->SetOnGetDisplWideText([](TObject*, int, int, WideString& value) { value = u"中" + value; });
    const AnsiString wide = grid->GetDisplayText(1, 2);
    EXPECT_EQ(wide, AnsiString("|\\\x4E\x2D\0a\0!\0" "2", 10));
}

TEST_F(BaseGridTest, PropertiesStartFromTheCellFormat) {
    grid->SetColor(clYellow);
    grid->SetWordWrap(false);
    TCellProperties* properties = grid->GetCellProperties(1, 1);
    EXPECT_EQ(properties->BrushColor(), clYellow);
    EXPECT_EQ(properties->BrushColorTo(), clNone);
    EXPECT_FALSE(properties->WordWrap());
    EXPECT_EQ(properties->FontName(), grid->Font()->Name());
    EXPECT_EQ(properties->CellSpanX(), -1);

    TCellProperties copy(grid, 3, 3);
    properties->SetBrushColorTo(clRed);
    properties->SetEditor(edCheckBox);
    properties->SetNodeLevel(2);
    copy.Assign(properties);
    EXPECT_EQ(copy.Editor(), edCheckBox);
    EXPECT_EQ(copy.NodeLevel(), 2);
    EXPECT_EQ(copy.OwnerCol(), 1);
    EXPECT_EQ(copy.BrushColorTo(), clNone) << "the gradient is not copied";
}

TEST_F(BaseGridTest, EachMergedAreaIsDrawnOncePerPaintThroughItsCoveredCells) {
    grid->MergeCells(1, 1, 3, 2);
    grid->SetCellText(1, 1, "merged");
    grid->HandleNeeded();
    ProcessMessages();
    grid->drawn.clear();
    InvalidateRect(grid->Handle(), nullptr, TRUE);
    ProcessMessages();
    EXPECT_EQ(grid->Drawn(1, 1), 2) << "once through a covered cell, once as itself";
    EXPECT_EQ(grid->Drawn(2, 1), 0);
    EXPECT_EQ(grid->Drawn(3, 2), 0);
    EXPECT_EQ(grid->Drawn(4, 1), 1);
}

TEST_F(BaseGridTest, TheHiddenLastRowPaintsAsBackgroundAndReportsChanges) {
    grid->SetHideLastRow(true);
    grid->SetCellText(1, grid->RowCount() - 1, "footer");
    EXPECT_EQ(grid->lastRowChanges, 1);
    grid->SetCellText(1, 1, "body");
    EXPECT_EQ(grid->lastRowChanges, 1);
    grid->HandleNeeded();
    ProcessMessages();
    EXPECT_EQ(grid->Drawn(1, grid->RowCount() - 1), 0);
}

TEST_F(BaseGridTest, CellRectanglesFollowTheView) {
    grid->SetColCount(20);
    grid->SetRowCount(40);
    grid->SetColWidths(3, 100);
    grid->HandleNeeded();
    grid->SetLeftCol(3);
    grid->SetTopRow(10);
    for (auto [col, row] : {std::pair{0, 0}, {3, 10}, {4, 12}, {0, 11}, {5, 0}})
        EXPECT_EQ(grid->CalcCellRect(col, row), grid->CellRect(col, row)) << col << "," << row;
    const TRect before = grid->CalcCellRect(2, 10);
    EXPECT_EQ(before.right, grid->CellRect(3, 10).left) << "a cell scrolled out lies left of the view";
}

TEST(BavGridUndoRedo, KeepsAtMostMaxLevelChanges) {
    TBavGridUndoRedo recorder(nullptr);
    recorder.SetMaxLevel(3);
    for (int i = 1; i <= 4; ++i) recorder.AddChange(i, 1, "old" + std::to_string(i), "new" + std::to_string(i));
    ASSERT_EQ(recorder.Changes()->Count(), 3);
    EXPECT_EQ(recorder.Changes()->Items(0)->Col(), 2) << "the oldest change went";
    EXPECT_EQ(recorder.Changes()->Items(2)->Value(), "new4");
    EXPECT_EQ(recorder.Changes()->Items(2)->OrigValue(), "old4");
    EXPECT_EQ(recorder.Level(), 3);

    TBavGridUndoRedo unbounded(nullptr);
    for (int i = 0; i < 5; ++i) unbounded.AddChange(1, i, "", "x");
    EXPECT_EQ(unbounded.Level(), 5);
}

TEST_F(BaseGridTest, TheRecorderAndTheGridForgetEachOther) {
    auto* recorder = new TBavGridUndoRedo(form);
    grid->SetUndoRedo(recorder);
    EXPECT_EQ(recorder->Grid(), grid);
    delete recorder;
    EXPECT_EQ(grid->UndoRedo(), nullptr);
}

}  // namespace
