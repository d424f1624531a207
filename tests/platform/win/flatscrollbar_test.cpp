// Flat scroll bars: the ordinary bars on a window never initialised, the
// properties and their sizes on one that is, the three looks told apart by
// their pixels, the hot part following the mouse, and the functions found
// by name in the common-controls module.
#include "platform/win/commctrl_flatsb.h"
#include "platform/win/screens.h"
#include "tests/platform/win/frame_fixture.h"

class FlatScrollBarTest : public FrameTest {
protected:
    // A framed window with a vertical bar of range 0..100, page 10, at 40.
    HWND Scrolled() {
        const HWND w = Framed(WS_OVERLAPPEDWINDOW | WS_VSCROLL, 100, 100, 300, 200);
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMin = 0, info.nMax = 100, info.nPage = 10, info.nPos = 40;
        FlatSB_SetScrollInfo(w, SB_VERT, &info, TRUE);
        DispatchQueuedMessages();
        return w;
    }
    static SCROLLBARINFO BarInfo(HWND w) {
        SCROLLBARINFO info;
        GetScrollBarInfo(w, OBJID_VSCROLL, &info);
        return info;
    }
    // A point of the bar in window coordinates: `along` pixels from the bar's top, `across` from its left.
    static POINT OnBar(HWND w, int along, int across) {
        const SCROLLBARINFO info = BarInfo(w);
        const RECT window = WindowRectOf(w);
        return {info.rcScrollBar.left - window.left + across, info.rcScrollBar.top - window.top + along};
    }
    // The thumb's pixel `inset` pixels inside its top-left corner.
    static COLORREF ThumbCorner(HWND w, int inset = 1) {
        const POINT p = OnBar(w, BarInfo(w).xyThumbTop + inset, inset);
        return ShownPixel(w, p.x, p.y);
    }
    static void SetStyle(HWND w, int style) {
        ASSERT_TRUE(FlatSB_SetScrollProp(w, WSB_PROP_VSTYLE | WSB_PROP_HSTYLE, style, TRUE));
        DispatchQueuedMessages();
    }
};

TEST_F(FlatScrollBarTest, UninitialisedWindowHasTheOrdinaryBars) {
    const HWND w = Scrolled();
    EXPECT_EQ(GetScrollPos(w, SB_VERT), 40) << "one scroll state for both sets of functions";
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(FlatSB_GetScrollInfo(w, SB_VERT, &info));
    EXPECT_EQ(info.nPage, 10u);
    EXPECT_FALSE(FlatSB_SetScrollProp(w, WSB_PROP_VSTYLE, FSB_FLAT_MODE, TRUE));
    int value = -1;
    EXPECT_FALSE(FlatSB_GetScrollProp(w, WSB_PROP_VSTYLE, &value));
    EXPECT_TRUE(FlatSB_ShowScrollBar(w, SB_VERT, FALSE));
    EXPECT_FALSE(GetWindowLong(w, GWL_STYLE) & WS_VSCROLL);
}

TEST_F(FlatScrollBarTest, PropertiesRoundTripAndSizeTheBars) {
    const HWND w = Scrolled();
    ASSERT_TRUE(InitializeFlatSB(w));
    int value = -1;
    ASSERT_TRUE(FlatSB_GetScrollProp(w, WSB_PROP_VSTYLE, &value));
    EXPECT_EQ(value, FSB_REGULAR_MODE);
    ASSERT_TRUE(FlatSB_GetScrollProp(w, WSB_PROP_CXVSCROLL, &value));
    EXPECT_EQ(value, GetSystemMetrics(SM_CXVSCROLL));
    ASSERT_TRUE(FlatSB_GetScrollProp(w, WSB_PROP_WINSTYLE, &value));
    EXPECT_EQ(DWORD(value), DWORD(WS_VSCROLL));

    EXPECT_TRUE(FlatSB_SetScrollProp(w, WSB_PROP_VSTYLE | WSB_PROP_HSTYLE, FSB_ENCARTA_MODE, FALSE));
    FlatSB_GetScrollProp(w, WSB_PROP_HSTYLE, &value);
    EXPECT_EQ(value, FSB_ENCARTA_MODE) << "one call sets every property it names";
    EXPECT_FALSE(FlatSB_SetScrollProp(w, WSB_PROP_VSTYLE, 7, FALSE)) << "no such style";
    EXPECT_FALSE(FlatSB_SetScrollProp(w, WSB_PROP_CXVSCROLL, 0, FALSE));
    EXPECT_FALSE(FlatSB_SetScrollProp(w, WSB_PROP_WINSTYLE, 0, FALSE)) << "read only";

    RECT before, after;
    GetClientRect(w, &before);
    ASSERT_TRUE(FlatSB_SetScrollProp(w, WSB_PROP_CXVSCROLL, 24, TRUE));
    GetClientRect(w, &after);
    EXPECT_EQ(after.right, before.right - (24 - GetSystemMetrics(SM_CXVSCROLL)));
    EXPECT_EQ(BarInfo(w).rcScrollBar.right - BarInfo(w).rcScrollBar.left, 24);
    EXPECT_EQ(BarInfo(w).dxyLineButton, GetSystemMetrics(SM_CYVSCROLL)) << "the arrows keep their own length";

    EXPECT_EQ(UninitializeFlatSB(w), S_OK);
    GetClientRect(w, &after);
    EXPECT_EQ(after.right, before.right) << "the ordinary bar again";
    EXPECT_FALSE(FlatSB_GetScrollProp(w, WSB_PROP_VSTYLE, &value));
}

TEST_F(FlatScrollBarTest, LooksAreToldApartByTheThumbsEdge) {
    const HWND w = Scrolled();
    ASSERT_EQ(ThumbCorner(w), GetSysColor(COLOR_3DHILIGHT)) << "the classic thumb's raised inner edge";
    ASSERT_TRUE(InitializeFlatSB(w));
    SetStyle(w, FSB_REGULAR_MODE);
    EXPECT_EQ(ThumbCorner(w), GetSysColor(COLOR_3DHILIGHT));
    SetStyle(w, FSB_FLAT_MODE);
    EXPECT_EQ(ThumbCorner(w), GetSysColor(COLOR_3DFACE)) << "no 3-D edge";
    EXPECT_EQ(ThumbCorner(w, 0), GetSysColor(COLOR_3DFACE));
    const POINT arrow = OnBar(w, 0, 0);
    EXPECT_EQ(ShownPixel(w, arrow.x, arrow.y), GetSysColor(COLOR_3DFACE)) << "nor on the arrows";
    SetStyle(w, FSB_ENCARTA_MODE);
    EXPECT_EQ(ThumbCorner(w), GetSysColor(COLOR_3DFACE));
    EXPECT_EQ(ThumbCorner(w, 0), GetSysColor(COLOR_3DSHADOW)) << "an outlined thumb";

    ASSERT_TRUE(FlatSB_SetScrollProp(w, WSB_PROP_VBKGCOLOR, RGB(255, 0, 0), TRUE));
    DispatchQueuedMessages();
    const POINT track = OnBar(w, BarInfo(w).xyThumbBottom + 4, 8);
    EXPECT_EQ(ShownPixel(w, track.x, track.y), RGB(255, 0, 0));
}

TEST_F(FlatScrollBarTest, PartUnderTheMouseRises) {
    const HWND w = Scrolled();
    ASSERT_TRUE(InitializeFlatSB(w));
    SetStyle(w, FSB_FLAT_MODE);
    const POINT thumb = OnBar(w, BarInfo(w).xyThumbTop + 4, 8);
    MoveTo(At(w, thumb.x, thumb.y));
    DispatchQueuedMessages();
    EXPECT_EQ(ThumbCorner(w, 0), GetSysColor(COLOR_3DHILIGHT)) << "hot: a thin raised edge";
    MoveTo(At(w, 50, 100));
    DispatchQueuedMessages();
    EXPECT_EQ(ThumbCorner(w, 0), GetSysColor(COLOR_3DFACE)) << "cool again in the client area";
    MoveTo(At(w, thumb.x, thumb.y));
    DispatchQueuedMessages();
    MoveTo({2000, 2000});
    DispatchQueuedMessages();
    EXPECT_EQ(ThumbCorner(w, 0), GetSysColor(COLOR_3DFACE)) << "and off the window";
}

TEST_F(FlatScrollBarTest, FunctionsAreFoundByNameInTheLibrary) {
    const HMODULE library = GetModuleHandle("comctl32.dll");
    ASSERT_NE(library, HMODULE(0));
    for (const char* name : {"InitializeFlatSB", "UninitializeFlatSB", "FlatSB_SetScrollProp",
                             "FlatSB_GetScrollProp", "FlatSB_SetScrollInfo", "FlatSB_GetScrollInfo",
                             "FlatSB_ShowScrollBar"})
        EXPECT_NE(GetProcAddress(library, name), nullptr) << name;
    const HWND w = Scrolled();
    using Initialize = BOOL (*)(HWND);
    EXPECT_TRUE(reinterpret_cast<Initialize>(GetProcAddress(library, "InitializeFlatSB"))(w));
    int value = -1;
    EXPECT_TRUE(FlatSB_GetScrollProp(w, WSB_PROP_HSTYLE, &value));
}
