// Painting: WM_PAINT into the backing bitmap with children clipped, GetDC
// at any time, scrolling, redraw switches and locks.
#include "tests/support/temp_dir.h"
#include "tests/platform/win/window_fixture.h"

namespace {

COLORREF colourOf(HWND window) { return COLORREF(GetProp(window, "Colour")); }

// Fills its client area with the colour in its "Colour" property.
LRESULT ColourProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProc(window, message, wParam, lParam);
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(window, &ps);
    const HBRUSH brush = CreateSolidBrush(colourOf(window));
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    EndPaint(window, &ps);
    return 0;
}

class PaintTest : public WindowTest {
protected:
    HWND Coloured(HWND window, COLORREF colour) {
        SetProp(window, "Colour", colour);
        SetWindowLongPtr(window, GWLP_WNDPROC, LONG_PTR(WNDPROC(&ColourProcedure)));
        return window;
    }
};

constexpr COLORREF red = RGB(255, 0, 0), green = RGB(0, 255, 0), blue = RGB(0, 0, 255), white = RGB(255, 255, 255);

}  // namespace

TEST_F(PaintTest, ChildrenPaintIntoTheTopLevelImage) {
    const HWND top = Coloured(TopLevel(10, 10, 100, 80), red);
    SetWindowLongPtr(top, GWL_STYLE, GetWindowLongPtr(top, GWL_STYLE) | WS_CLIPCHILDREN);
    const HWND child = Coloured(Child(top, 20, 20, 30, 30), green);
    const HWND over = Coloured(Child(top, 40, 40, 30, 30, 0, WS_CLIPSIBLINGS), blue);
    SetWindowPos(over, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    DispatchQueuedMessages();
    EXPECT_EQ(ShownPixel(top, 5, 5), red);
    EXPECT_EQ(ShownPixel(top, 25, 25), green);
    EXPECT_EQ(ShownPixel(top, 45, 45), green);  // the child above wins
    EXPECT_EQ(ShownPixel(top, 65, 65), blue);
    EXPECT_EQ(ShownPixel(child, 0, 0), green);

    // Hiding a child repaints what was under it.
    ShowWindow(child, SW_HIDE);
    DispatchQueuedMessages();
    EXPECT_EQ(ShownPixel(top, 25, 25), red);
    EXPECT_EQ(ShownPixel(top, 45, 45), blue);
}

TEST_F(PaintTest, EraseUsesTheClassBrushAndUpdateRegionsAreValidated) {
    const HWND top = TopLevel(0, 0, 60, 40);
    DispatchQueuedMessages();
    EXPECT_EQ(ShownPixel(top, 30, 20), GetSysColor(COLOR_WINDOW));
    RECT r = Rect(5, 5, 15, 15);
    InvalidateRect(top, &r, TRUE);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(top, &update, FALSE));
    EXPECT_EQ(update, r);
    ValidateRect(top, nullptr);
    EXPECT_FALSE(GetUpdateRect(top, &update, FALSE));

    SendMessage(top, WM_SETREDRAW, FALSE, 0);
    InvalidateRect(top, nullptr, TRUE);
    EXPECT_FALSE(GetUpdateRect(top, &update, FALSE));
    SendMessage(top, WM_SETREDRAW, TRUE, 0);
    Watch({WM_PAINT});
    RedrawWindow(top, nullptr, 0, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(LoggedIds(), std::vector<UINT>{WM_PAINT});  // painted at once, not queued
}

TEST_F(PaintTest, GetDCDrawingOutsidePaintShowsInAScreenshot) {
    const HWND top = TopLevel(0, 0, 80, 60);
    const HWND child = Child(top, 10, 10, 40, 30);
    DispatchQueuedMessages();
    const HDC dc = GetDC(child);
    const HBRUSH brush = CreateSolidBrush(blue);
    RECT r = Rect(0, 0, 100, 100);  // clipped to the child
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    ReleaseDC(child, dc);
    EXPECT_EQ(ShownPixel(top, 15, 15), blue);
    EXPECT_EQ(ShownPixel(top, 55, 45), GetSysColor(COLOR_WINDOW));
    const std::string file = ScreenshotDir() + "window_getdc.png";
    EXPECT_TRUE(SaveWindowScreenshot(top, file));
}

TEST_F(PaintTest, ScrollWindowExMovesPixelsAndInvalidatesTheRest) {
    const HWND top = TopLevel(0, 0, 100, 50);
    DispatchQueuedMessages();
    const HDC dc = GetDC(top);
    const HBRUSH brush = CreateSolidBrush(red);
    RECT stripe = Rect(40, 0, 50, 50);
    FillRect(dc, &stripe, brush);
    DeleteObject(brush);
    ReleaseDC(top, dc);

    RECT uncovered;
    const HRGN update = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(ScrollWindowEx(top, -20, 0, nullptr, nullptr, update, &uncovered, SW_INVALIDATE), SIMPLEREGION);
    EXPECT_EQ(ShownPixel(top, 25, 10), red);  // moved 20 pixels left
    EXPECT_EQ(ShownPixel(top, 45, 10), white);
    EXPECT_EQ(uncovered, Rect(80, 0, 100, 50));
    RECT box;
    GetUpdateRect(top, &box, FALSE);
    EXPECT_EQ(box, uncovered);
    EXPECT_TRUE(PtInRegion(update, 85, 5));
    DeleteObject(update);
}

TEST_F(PaintTest, LockedWindowsHoldBackTheirPixels) {
    const HWND top = TopLevel(0, 0, 50, 50);
    DispatchQueuedMessages();
    ASSERT_TRUE(LockWindowUpdate(top));
    EXPECT_FALSE(LockWindowUpdate(top));
    const HDC dc = GetDC(top);
    RECT r = Rect(0, 0, 50, 50);
    FillRect(dc, &r, HBRUSH(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(top, dc);
    EXPECT_EQ(ShownPixel(top, 10, 10), GetSysColor(COLOR_WINDOW));
    LockWindowUpdate(0);
    Watch({WM_PAINT});
    DispatchQueuedMessages();
    EXPECT_EQ(LoggedIds(), std::vector<UINT>{WM_PAINT});
}

TEST_F(PaintTest, InvertedOutlinesOnTheDesktopShowThroughOverlays) {
    const HWND top = Coloured(TopLevel(100, 100, 200, 100), white);
    DispatchQueuedMessages();
    auto outline = [] {
        const HDC dc = GetDCEx(0, 0, DCX_CACHE | DCX_LOCKWINDOWUPDATE);
        const RECT frame = Rect(120, 110, 220, 170);
        for (const RECT& side : {Rect(frame.left, frame.top, frame.right, frame.top + 2),
                                 Rect(frame.left, frame.bottom - 2, frame.right, frame.bottom),
                                 Rect(frame.left, frame.top + 2, frame.left + 2, frame.bottom - 2),
                                 Rect(frame.right - 2, frame.top + 2, frame.right, frame.bottom - 2)})
            PatBlt(dc, side.left, side.top, side.right - side.left, side.bottom - side.top, DSTINVERT);
        ReleaseDC(0, dc);
    };
    outline();
    const std::vector<HWND> overlays = DesktopOverlays();
    ASSERT_EQ(overlays.size(), 4u);
    RECT first;
    GetWindowRect(overlays.front(), &first);
    EXPECT_EQ(first, Rect(120, 110, 220, 112));
    EXPECT_EQ(ShownPixel(overlays.front(), 5, 1), RGB(0, 0, 0));  // white, inverted
    EXPECT_EQ(WindowFromPoint(Point(150, 111)), top);              // overlays let the mouse through
    outline();                                                      // inverted again: undone
    EXPECT_TRUE(DesktopOverlays().empty());
}

// A child puts back what it covered; a pop-up is a top-level window with a
// surface of its own, so closing it leaves its owner nothing to paint either.
TEST_F(PaintTest, SaveBitsChildAndPopupPutBackWhatTheyCovered) {
    WNDCLASS wc;
    wc.style = CS_SAVEBITS;
    wc.lpfnWndProc = &ColourProcedure;
    wc.lpszClassName = "TSaveBitsTest";
    RegisterClass(&wc);
    const HWND top = Coloured(TopLevel(0, 0, 100, 100), red);
    DispatchQueuedMessages();
    const HWND popup = Keep(CreateWindowEx(0, "TSaveBitsTest", "", WS_CHILD, 10, 10, 30, 30, top, 0, 0, nullptr));
    SetProp(popup, "Colour", blue);
    ShowWindow(popup, SW_SHOW);
    DispatchQueuedMessages();
    EXPECT_EQ(ShownPixel(top, 20, 20), blue);
    ShowWindow(popup, SW_HIDE);
    EXPECT_EQ(ShownPixel(top, 20, 20), red);
    RECT update;
    EXPECT_FALSE(GetUpdateRect(top, &update, FALSE));  // nothing has to be painted again

    const HWND owned = Keep(CreateWindowEx(WS_EX_TOOLWINDOW, "TSaveBitsTest", "", WS_POPUP, 10, 10, 30, 30, top, 0,
                                           0, nullptr));
    SetProp(owned, "Colour", blue);
    SetWindowPos(owned, HWND_TOP, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE);
    DispatchQueuedMessages();
    EXPECT_EQ(ShownPixel(owned, 5, 5), blue);
    SetWindowPos(owned, 0, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_FALSE(GetUpdateRect(top, &update, FALSE));
    EXPECT_EQ(ShownPixel(top, 20, 20), red);
}

namespace {
// Insets its client area by 3 pixels and paints that frame blue.
LRESULT FramedProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCALCSIZE) {
        auto* r = reinterpret_cast<RECT*>(lParam);
        InflateRect(r, -3, -3);
        return 0;
    }
    if (message == WM_NCPAINT) {
        const HDC dc = GetWindowDC(window);
        RECT whole;
        GetWindowRect(window, &whole);
        OffsetRect(&whole, -whole.left, -whole.top);
        const HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
        FillRect(dc, &whole, brush);
        DeleteObject(brush);
        ReleaseDC(window, dc);
        return 0;
    }
    return ColourProcedure(window, message, wParam, lParam);
}
}  // namespace

TEST_F(PaintTest, AWindowWithItsOwnFrameAndClipChildrenShowsItsChildren) {
    const HWND top = Coloured(TopLevel(10, 10, 200, 100), white);
    const HWND framed = Child(top, 10, 10, 150, 60, 0, WS_CLIPCHILDREN);
    SetProp(framed, "Colour", red);
    SetWindowLongPtr(framed, GWLP_WNDPROC, LONG_PTR(WNDPROC(&FramedProcedure)));
    SetWindowPos(framed, 0, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    const HWND inner = Coloured(Child(framed, 20, 10, 30, 30), green);
    DispatchQueuedMessages();
    EXPECT_EQ(ShownPixel(top, 11, 11), blue);
    EXPECT_EQ(ShownPixel(top, 15, 15), red);
    EXPECT_EQ(ShownPixel(inner, 5, 5), green);
    EXPECT_EQ(ShownPixel(top, 10 + 3 + 20 + 5, 10 + 3 + 10 + 5), green);
}
