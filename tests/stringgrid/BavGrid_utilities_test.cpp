// Cell utilities: highlighting, the fixed and password queries, the rich
// text of a cell, zooming, the version text and header line breaks.
#include <vector>

#include "grid_fixture.h"
#include "platform/ui/comctrls_richedit.h"
#include "platform/win/winpaint.h"

namespace {

using UtilitiesTest = StringGridTest;

TEST_F(UtilitiesTest, HighlightingWrapsEveryOccurrenceAndUnhighlightingRestores) {
    grid->SetColCount(3);
    grid->SetRowCount(3);
    grid->SetCells(1, 1, "Abc and aBc");
    grid->SetCells(2, 2, "<b>abc</b>");
    grid->SetCells(1, 0, "abc");
    grid->HighlightAllCells(false, false, "abc");
    EXPECT_EQ(grid->Cells(1, 1), "<hi>Abc</hi> and <hi>aBc</hi>");
    EXPECT_EQ(grid->Cells(2, 2), "<b><hi>abc</hi></b>");
    EXPECT_EQ(grid->Cells(1, 0), "abc") << "fixed cells only with all";
    grid->UnHighlightAllCells(false);
    EXPECT_EQ(grid->Cells(1, 1), "Abc and aBc");
    EXPECT_EQ(grid->Cells(2, 2), "<b>abc</b>");
    grid->HighlightAllCells(true, true, "abc");
    EXPECT_EQ(grid->Cells(1, 0), "<hi>abc</hi>");
    EXPECT_EQ(grid->Cells(1, 1), "Abc and aBc") << "case-sensitive";
}

// The union of the corner cells is repainted; a corner out of view repaints
// the whole grid, a negative coordinate nothing.
TEST_F(UtilitiesTest, RepaintRectTakesTheCornersOrTheWholeGrid) {
    grid->SetBounds(0, 0, 300, 200);
    grid->SetColCount(5);
    grid->SetRowCount(50);
    form->Show();
    ProcessMessages();
    struct Case {
        const char* name;
        TGridRect range;
        TRect expected;
    };
    const TRect first = grid->CellRect(1, 1), last = grid->CellRect(2, 3);
    const Case cases[] = {
        {"both corners in view", {1, 1, 2, 3}, Rect(first.left, first.top, last.right, last.bottom)},
        {"a corner out of view", {1, 1, 2, 45}, grid->ClientRect()},
        {"a negative coordinate", {-1, 1, 2, 3}, Rect(0, 0, 0, 0)},
    };
    for (const Case& c : cases) {
        ProcessMessages();
        grid->RepaintRect(c.range);
        RECT update{};
        GetUpdateRect(grid->Handle(), &update, FALSE);
        EXPECT_EQ(TRect(update), c.expected) << c.name;
    }

    grid->SetRow(3);
    ProcessMessages();
    TBitmap indicator;
    indicator.SetSize(8, 8);
    grid->SetRowIndicator(&indicator);
    RECT update{};
    GetUpdateRect(grid->Handle(), &update, FALSE);
    EXPECT_EQ(TRect(update), grid->CellRect(0, 3)) << "a new row indicator repaints its cell";
}

TEST_F(UtilitiesTest, FooterRowsAndRightColumnsAreFixedThenTheHookDecides) {
    grid->SetColCount(5);
    grid->SetRowCount(6);
    grid->SetFixedFooters(1);
    grid->SetFixedRightCols(1);
    EXPECT_TRUE(grid->IsFixedCell(2, 5));
    EXPECT_TRUE(grid->IsFixedCell(4, 2));
    EXPECT_FALSE(grid->IsFixedCell(2, 2));
    grid->SetOnIsFixedCell([](TObject*, int row, int col, bool& fixed) { fixed = row == 3 && col == 2; });
    EXPECT_TRUE(grid->IsFixedCell(2, 3));
    EXPECT_FALSE(grid->IsPasswordCell(1, 1));
    grid->SetOnIsPasswordCell([](TObject*, int row, int, bool& password) { password = row == 1; });
    EXPECT_TRUE(grid->IsPasswordCell(1, 1));
}

TEST_F(UtilitiesTest, ZoomStaysWithinTenStepsAndKeepsSizesAboveZero) {
    grid->SetColCount(3);
    grid->SetRowCount(3);
    grid->SetColWidths(2, 3);
    const int width = grid->ColWidths(1), height = grid->RowHeights(1);
    for (int i = 0; i < 11; ++i) grid->Zoom(1);
    EXPECT_EQ(grid->ZoomLevel(), 10);
    EXPECT_EQ(grid->ColWidths(1), width + 10);
    EXPECT_EQ(grid->RowHeights(1), height + 10);
    grid->SetColWidths(2, 3);
    grid->Zoom(-3);
    EXPECT_EQ(grid->ColWidths(2), 3) << "3 - 3 is not above 0";
    EXPECT_EQ(grid->ColWidths(1), width + 7);
}

// A grid that marks its vertical bar after every width change and asks
// for a proportional update: the mark shows whether the update was made.
class WidthProbeGrid : public TBavStringGrid {
public:
    using TBavStringGrid::TBavStringGrid;
    std::vector<bool> barUpdated;

protected:
    void ColWidthsChanged() override {
        TBavStringGrid::ColWidthsChanged();
        SCROLLINFO info{sizeof(SCROLLINFO), SIF_PAGE, 0, 0, 1, 0, 0};
        SetScrollInfo(Handle(), SB_VERT, &info, FALSE);
        UpdateVertScrollProportional();
        GetScrollInfo(Handle(), SB_VERT, &info);
        barUpdated.push_back(info.nPage != 1);
    }
};

// During a zoom step the proportional bars wait; the step ends with them
// as they would be after the sizes changed.
TEST_F(UtilitiesTest, ProportionalBarsWaitForTheEndOfAZoomStep) {
    auto* probe = new WidthProbeGrid(form);
    probe->SetParent(form);
    probe->SetBounds(0, 0, 300, 200);
    probe->SetColCount(4);
    probe->SetRowCount(60);
    probe->SetScrollProportional(true);
    form->Show();
    ProcessMessages();
    probe->barUpdated.clear();
    probe->Zoom(2);
    EXPECT_EQ(probe->barUpdated, std::vector<bool>(4, false));
    EXPECT_FALSE(probe->Zooming());
    SCROLLINFO after{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(probe->Handle(), SB_VERT, &after);
    probe->UpdateVertScrollProportional();
    SCROLLINFO again{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(probe->Handle(), SB_VERT, &again);
    EXPECT_EQ(after.nPage, again.nPage);
    EXPECT_EQ(after.nMax, again.nMax);
    probe->barUpdated.clear();
    probe->SetColWidths(1, 80);
    EXPECT_EQ(probe->barUpdated, std::vector<bool>{true}) << "outside a zoom step the bar follows";
}

TEST_F(UtilitiesTest, VersionHeadersAndRichText) {
    EXPECT_EQ(grid->Version(), "1.0.0.0");
    TStringList headers;
    headers.Add("");
    headers.Add("first\\nsecond");
    grid->SetColumnHeaders(&headers);
    EXPECT_EQ(grid->Cells(1, 0), "first\rsecond");
    grid->SetRowHeaders(&headers);
    EXPECT_EQ(grid->Cells(0, 1), "first\rsecond");
    grid->SetFixedCols(0);
    grid->SetFixedRows(0);
    grid->SetCells(0, 1, "data");
    grid->SetCells(1, 0, "data");
    headers.Add("third");
    grid->SetRowHeaders(&headers);
    grid->SetColumnHeaders(&headers);
    EXPECT_EQ(grid->Cells(0, 1), "data") << "row headers need a fixed column";
    EXPECT_EQ(grid->Cells(1, 0), "data") << "column headers need a fixed row";

    form->Show();
    auto* rich = new TRichEdit(form);
    rich->SetParent(form);
    grid->SetCells(1, 1, "{\\rtf1 plain {\\b bold}}");
    grid->LoadCellRichText(1, 1, rich);
    EXPECT_EQ(rich->Lines()->Text().substr(0, 10), "plain bold");
    AnsiString text;
    grid->RichEditToText(rich, text);
    EXPECT_EQ(text.substr(0, 5), "{\\rtf");
    grid->SetCells(1, 2, "");
    grid->LoadCellRichText(1, 2, rich);
    EXPECT_EQ(rich->Lines()->Count(), 0);
}

}  // namespace
