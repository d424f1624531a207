// What the grid does while the left button is down, through synthetic
// input: the press kept from scrolling, editing switched off for a range
// drag, the selection frame repainted and a plain pick shown selected.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "grid_fixture.h"
#include "platform/ui/graphics.h"
#include "platform/win/testseams.h"
#include "stringgrid/BavUtil.h"

namespace {

class ButtonDownTest : public ShownGridTest {
protected:
    void SetUp() override {
        ShownGridTest::SetUp();
        grid->SetColCount(20);
        grid->SetRowCount(30);
        ProcessMessages();
    }
    POINT Center(int col, int row) const {
        const TRect r = grid->CellRect(col, row);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    // A point inside the partly visible cell after the last full row or
    // column.
    POINT PartialRow(int col) const {
        const TRect r = grid->CellRect(col, grid->TopRow() + grid->VisibleRowCount() - 1);
        return {(r.left + r.right) / 2, r.bottom + 4};
    }
    POINT PartialCol(int row) const {
        const TRect r = grid->CellRect(grid->LeftCol() + grid->VisibleColCount() - 1, row);
        return {r.right + 4, (r.top + r.bottom) / 2};
    }
    void Press(POINT p) {
        SimulateMouseMove(grid->Handle(), p);
        SimulateMouseButton(grid->Handle(), p, VK_LBUTTON, true);
        ProcessMessages();
    }
    void MoveTo(POINT p) {
        SimulateMouseMove(grid->Handle(), p);
        ProcessMessages();
    }
    void Release(POINT p) {
        SimulateMouseButton(grid->Handle(), p, VK_LBUTTON, false);
        ProcessMessages();
    }
    void SetOption(TGridOption option, bool on) {
        TGridOptions options = grid->Options();
        if (on)
            options.Include(option);
        else
            options.Exclude(option);
        grid->SetOptions(options);
    }
};

// Each case presses in its own column, so that no two presses make a double
// click.
TEST_F(ButtonDownTest, APressOnThePartlyVisibleRowScrollsUnlessAsked) {
    for (const bool noScroll : {false, true}) {
        SCOPED_TRACE(noScroll);
        grid->MouseActions()->SetNoScrollOnPartialRow(noScroll);
        grid->SetTopRow(1);
        const POINT p = PartialRow(noScroll ? 3 : 2);
        Press(p);
        Release(p);
        EXPECT_EQ(grid->TopRow() != 1, !noScroll);
    }
}

TEST_F(ButtonDownTest, NoAutoRangeScrollEndsTheRangeOfAPressOnThePartlyVisibleRow) {
    for (const bool noAutoRange : {false, true}) {
        SCOPED_TRACE(noAutoRange);
        grid->MouseActions()->SetNoAutoRangeScroll(noAutoRange);
        grid->SetTopRow(1);
        const POINT partial = PartialRow(noAutoRange ? 3 : 2);
        Press(partial);
        const int pressed = grid->Row();
        MoveTo(Center(2, grid->TopRow() + 1));
        Release(Center(2, grid->TopRow() + 1));
        const TGridRect s = grid->Selection();
        EXPECT_EQ(s.Top == s.Bottom, noAutoRange) << "pressed row " << pressed;
    }
}

TEST_F(ButtonDownTest, KeepHorizScrollHoldsTheColumnsWhileTheButtonIsDown) {
    grid->Navigation()->SetKeepHorizScroll(true);
    grid->SetLeftCol(2);
    const POINT partial = PartialCol(3);
    Press(partial);
    ASSERT_NE(grid->LeftCol(), 2) << "the press itself scrolls the column in";
    MoveTo(POINT{partial.x - 2, partial.y});
    EXPECT_EQ(grid->LeftCol(), 2);
    Release(POINT{partial.x - 2, partial.y});
    grid->SetLeftCol(5);
    MoveTo(Center(6, 3));
    EXPECT_EQ(grid->LeftCol(), 5) << "a move without the button leaves the scroll alone";
}

TEST_F(ButtonDownTest, KeepHorizScrollHoldsTheColumnsOfARowSelectPress) {
    SetOption(goRowSelect, true);
    for (const bool keep : {false, true}) {
        SCOPED_TRACE(keep);
        grid->Navigation()->SetKeepHorizScroll(keep);
        grid->SetLeftCol(4);
        const POINT p = Center(6, keep ? 6 : 5);
        Press(p);
        EXPECT_EQ(grid->LeftCol() == 4, keep) << "the row's first column scrolls in unless kept";
        EXPECT_EQ(grid->Row(), keep ? 6 : 5);
        Release(p);
    }
}

TEST_F(ButtonDownTest, DraggingARangeSwitchesEditingOffWithRangeSelectAndEdit) {
    SetOption(goRangeSelect, true);
    grid->MouseActions()->SetRangeSelectAndEdit(true);
    // Not the current cell: a press there would open its editor.
    Press(Center(1, 4));
    Release(Center(1, 4));
    SetOption(goEditing, true);
    ASSERT_FALSE(grid->EditorMode());
    Press(Center(2, 2));
    MoveTo(Center(3, 3));
    EXPECT_FALSE(grid->Options().Contains(goEditing));
    Release(Center(3, 3));
    EXPECT_EQ(grid->Selection().Bottom, 3) << "the drag selected a range";

    SetOption(goEditing, true);
    MoveTo(Center(1, 1));
    EXPECT_TRUE(grid->Options().Contains(goEditing)) << "not without the button";
}

TEST_F(ButtonDownTest, TheSelectionFrameRepaintsTheGridAsTheRangeChanges) {
    SetOption(goRangeSelect, true);
    // The cells the paints reached: inside the area they were asked for.
    std::set<std::pair<int, int>> painted;
    grid->SetOnDrawCell([&](TObject*, int col, int row, TRect, TGridDrawState) {
        const TRect clip = grid->Canvas()->ClipRect();
        const TRect cell = grid->CellRect(col, row);
        TRect both;
        if (IntersectRect(&both, &clip, &cell)) painted.emplace(col, row);
    });
    for (const bool framed : {false, true}) {
        SCOPED_TRACE(framed);
        grid->SetSelectionRectangle(framed);
        ProcessMessages();
        const int col = framed ? 1 : 2;
        Press(Center(col, 1));
        MoveTo(Center(col + 1, 3));
        painted.clear();
        MoveTo(Center(col + 1, 2));
        EXPECT_EQ(painted.count({5, 8}) == 1, framed) << "a cell far from the selection";
        Release(Center(col + 1, 2));
    }
}

TEST_F(ButtonDownTest, APlainPickShowsTheDraggedRowsSelectedBeforeTheRelease) {
    SetOption(goRangeSelect, true);
    grid->MouseActions()->SetDisjunctRowSelect(true);
    grid->SetSelectionColor(clRed);
    grid->SetRowSelect(6, true);
    auto brushOf = [&](int col, int row) {
        TBrush brush;
        TFont font;
        TColor colorTo = clNone;
        TCellGradientDirection direction = GradientVertical;
        TGridDrawState state;
        if (CellInGridRect(grid->Selection(), col, row)) state.Include(gdSelected);
        grid->GetCellColor(col, row, state, &brush, &font, colorTo, direction, false, true, true);
        return brush.Color();
    };
    Press(Center(2, 2));
    MoveTo(Center(2, 4));
    EXPECT_EQ(brushOf(2, 3), clRed) << "dragged over, not yet picked";
    EXPECT_NE(brushOf(2, 6), clRed) << "the plain press dropped the old pick";
    Release(Center(2, 4));
    EXPECT_EQ(brushOf(2, 3), clRed);
    EXPECT_TRUE(grid->GetRowSelect(3));
}

TEST_F(ButtonDownTest, ACellOfADroppedPickShowsUnselected) {
    grid->MouseActions()->SetDisjunctRowSelect(true);
    grid->SetSelectionTextColor(clRed);
    auto redInk = [&](int col, int row) {
        grid->Invalidate();
        ProcessMessages();
        const TRect r = grid->CellRect(col, row);
        const HBITMAP shot = CaptureWindow(grid->Handle());
        const HDC dc = CreateCompatibleDC(0);
        const HGDIOBJ old = SelectObject(dc, shot);
        int red = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) red += GetPixel(dc, x, y) == COLORREF(clRed);
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(shot);
        return red > 0;
    };
    Press(Center(2, 2));
    EXPECT_TRUE(redInk(2, 2)) << "picking anew";
    Release(Center(2, 2));
    EXPECT_TRUE(redInk(2, 2));
    SimulateKey(VK_CONTROL, true);
    Press(Center(3, 2));
    Release(Center(3, 2));
    SimulateKey(VK_CONTROL, false);
    ProcessMessages();
    ASSERT_FALSE(grid->GetRowSelect(2));
    EXPECT_FALSE(redInk(3, 2)) << "the current cell of a dropped row";
}

}  // namespace
