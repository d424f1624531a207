// The string grid's flat scroll bars: the scroll type, colour and width
// reaching the window's flat bars, the bars following a new window and the
// grid's scrolling, and the flat look seen on the screen.
#include "grid_fixture.h"
#include "platform/win/commctrl_flatsb.h"
#include "tests/platform/win/window_fixture.h"

namespace {

class FlatScrollTest : public StringGridTest {
protected:
    // A shown grid of 60 rows and 12 columns, both bars needed.
    void ShownWithBars() {
        grid->SetBounds(0, 0, 400, 250);
        grid->SetRowCount(60);
        grid->SetColCount(12);
        form->Show();
        ProcessMessages();
    }
    int Prop(int property) {
        int value = -1;
        return FlatSB_GetScrollProp(grid->Handle(), property, &value) ? value : -1;
    }
    // The pixel `inset` pixels inside the top-left corner of the vertical thumb.
    COLORREF ThumbCorner(int inset) {
        ProcessMessages();
        SCROLLBARINFO info;
        GetScrollBarInfo(grid->Handle(), OBJID_VSCROLL, &info);
        RECT window;
        GetWindowRect(grid->Handle(), &window);
        return ShownPixel(grid->Handle(), info.rcScrollBar.left - window.left + inset,
                          info.rcScrollBar.top - window.top + info.xyThumbTop + inset);
    }
};

}  // namespace

TEST_F(FlatScrollTest, ScrollTypeColourAndWidthReachTheFlatBars) {
    ShownWithBars();
    EXPECT_FALSE(grid->FlatScrollBarsActive());
    grid->SetScrollType(ssFlat);
    ASSERT_TRUE(grid->FlatScrollBarsActive());
    EXPECT_EQ(Prop(WSB_PROP_VSTYLE), FSB_FLAT_MODE);
    EXPECT_EQ(Prop(WSB_PROP_HSTYLE), FSB_FLAT_MODE);
    EXPECT_EQ(Prop(WSB_PROP_CXVSCROLL), 17) << "ScrollWidth's default";
    EXPECT_EQ(Prop(WSB_PROP_VBKGCOLOR), int(CLR_DEFAULT)) << "clNone leaves the track";

    grid->SetScrollType(ssEncarta);
    EXPECT_EQ(Prop(WSB_PROP_VSTYLE), FSB_ENCARTA_MODE);
    grid->SetScrollColor(clRed);
    EXPECT_EQ(Prop(WSB_PROP_HBKGCOLOR), int(RGB(255, 0, 0)));
    grid->SetScrollWidth(21);
    EXPECT_EQ(Prop(WSB_PROP_CYHSCROLL), 21);
    RECT client;
    GetClientRect(grid->Handle(), &client);
    RECT window;
    GetWindowRect(grid->Handle(), &window);
    EXPECT_EQ(client.bottom, window.bottom - window.top - 4 - 21) << "the bar as wide as asked, inside the border";

    grid->SetScrollType(ssNormal);
    EXPECT_FALSE(grid->FlatScrollBarsActive());
    EXPECT_EQ(Prop(WSB_PROP_VSTYLE), -1) << "the window's own bars again";
}

TEST_F(FlatScrollTest, ANewWindowTakesTheFlatBarsUp) {
    grid->SetParent(nullptr);
    grid->SetScrollType(ssFlat);
    EXPECT_FALSE(grid->FlatScrollBarsActive()) << "no window yet";
    grid->SetParent(form);
    ShownWithBars();
    EXPECT_TRUE(grid->FlatScrollBarsActive());
    EXPECT_EQ(Prop(WSB_PROP_VSTYLE), FSB_FLAT_MODE);
}

TEST_F(FlatScrollTest, FlatBarFollowsTheGridsScrolling) {
    ShownWithBars();
    grid->SetScrollType(ssFlat);
    const int before = GetScrollPos(grid->Handle(), SB_VERT);
    SendMessage(grid->Handle(), WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
    EXPECT_GT(grid->TopRow(), 1);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_POS;
    ASSERT_TRUE(FlatSB_GetScrollInfo(grid->Handle(), SB_VERT, &info));
    EXPECT_GT(info.nPos, before);
}

TEST_F(FlatScrollTest, FlatThumbHasNoRaisedEdge) {
    ShownWithBars();
    EXPECT_EQ(ThumbCorner(1), GetSysColor(COLOR_3DHILIGHT)) << "the ordinary thumb is raised";
    grid->SetScrollType(ssFlat);
    EXPECT_EQ(ThumbCorner(1), GetSysColor(COLOR_3DFACE));
    EXPECT_EQ(ThumbCorner(0), GetSysColor(COLOR_3DFACE));
    grid->SetScrollType(ssEncarta);
    EXPECT_EQ(ThumbCorner(0), GetSysColor(COLOR_3DSHADOW)) << "outlined";
}

TEST_F(FlatScrollTest, FlatThumbPositionIsRescaledToTheColumns) {
    grid->SetColCount(10);
    grid->SetDefaultColWidth(60);
    grid->SetBorderStyle(bsNone);
    grid->SetBounds(0, 0, 6 * 60 + 30, 200);
    form->Show();
    ProcessMessages();
    ASSERT_EQ(grid->VisibleColCount(), 5);
    grid->SetScrollType(ssFlat);
    // Half the columns in view: the thumb runs over half the range.
    SendMessage(grid->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 32), 0);
    const int flat = grid->LeftCol();
    grid->SetLeftCol(1);
    grid->SetScrollType(ssNormal);
    SendMessage(grid->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 64), 0);
    EXPECT_EQ(flat, grid->LeftCol()) << "32 of the flat bar is 64 of the whole range";
    EXPECT_GT(flat, 1);
}
