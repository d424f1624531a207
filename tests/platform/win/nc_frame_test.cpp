// The classic frame: layout of the client area, hit-testing of every part,
// the drawn frame against a golden image, activation colours, caption
// buttons, and a window that draws and hit-tests its own frame.
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "tests/platform/win/frame_fixture.h"
#include "platform/gdi/imagecodecs.h"
#include "support/temp_dir.h"

namespace {

HMENU SampleMenuBar() {
    const HMENU bar = CreateMenu();
    const HMENU file = CreatePopupMenu();
    AppendMenu(file, MF_STRING, 101, "打开(&O)\tCtrl+O");
    AppendMenu(file, MF_SEPARATOR, 0, nullptr);
    AppendMenu(file, MF_STRING, 102, "退出(&X)");
    AppendMenu(bar, MF_POPUP, UINT_PTR(file), "文件(&F)");
    AppendMenu(bar, MF_STRING, 103, "帮助(&H)");
    return bar;
}

// Pixels of a 32-bit bitmap as colour values, row by row.
std::vector<COLORREF> PixelsOf(HBITMAP bitmap, int* width, int* height) {
    BITMAP info{};
    GetObject(bitmap, sizeof(info), &info);
    *width = info.bmWidth, *height = info.bmHeight;
    // 32-bit bitmaps hold BGRX bytes.
    std::vector<COLORREF> pixels(std::size_t(info.bmWidth) * std::size_t(info.bmHeight));
    GetBitmapBits(bitmap, LONG(pixels.size() * 4), pixels.data());
    for (COLORREF& p : pixels) p = RGB(BYTE(p >> 16), BYTE(p >> 8), BYTE(p));
    return pixels;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Equal but for a few pixels (glyph edges may differ between font builds).
void ExpectCloseTo(HBITMAP actual, HBITMAP expected) {
    int aw = 0, ah = 0, ew = 0, eh = 0;
    const auto a = PixelsOf(actual, &aw, &ah);
    const auto e = PixelsOf(expected, &ew, &eh);
    ASSERT_EQ(aw, ew);
    ASSERT_EQ(ah, eh);
    ASSERT_NE(std::count(a.begin(), a.end(), a[0]), std::ptrdiff_t(a.size())) << "the capture holds a picture";
    int differing = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const int d = std::abs(int(GetRValue(a[i])) - GetRValue(e[i])) + std::abs(int(GetGValue(a[i])) - GetGValue(e[i])) +
                      std::abs(int(GetBValue(a[i])) - GetBValue(e[i]));
        if (d > 60) ++differing;
    }
    EXPECT_LE(differing, int(a.size() / 50)) << "pixels differing from the golden image";
}

}  // namespace

class NcFrameTest : public FrameTest {};

TEST_F(NcFrameTest, ClientAreaLiesInsideBorderCaptionAndMenuBar) {
    const HWND w = Framed(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200, SampleMenuBar());
    RECT client;
    GetClientRect(w, &client);
    const int border = GetSystemMetrics(SM_CXSIZEFRAME);
    EXPECT_EQ(client.right, 300 - 2 * border);
    EXPECT_EQ(client.bottom, 200 - 2 * border - GetSystemMetrics(SM_CYCAPTION) - GetSystemMetrics(SM_CYMENU));
    POINT origin{0, 0};
    ClientToScreen(w, &origin);
    EXPECT_EQ(origin.x, 100 + border);
    EXPECT_EQ(origin.y, 100 + border + GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU));

    RECT wanted = Rect(0, 0, client.right, client.bottom);
    AdjustWindowRectEx(&wanted, WS_OVERLAPPEDWINDOW, TRUE, 0);
    EXPECT_EQ(wanted.right - wanted.left, 300);
    EXPECT_EQ(wanted.bottom - wanted.top, 200);
}

TEST_F(NcFrameTest, HitTestsEveryPartOfTheFrame) {
    const HWND w = Framed(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200, SampleMenuBar());
    struct Case {
        int x, y;
        LRESULT hit;
    } cases[] = {
        {150, 10, HTCAPTION},      {10, 12, HTSYSMENU},      {286, 13, HTCLOSE},       {268, 13, HTMAXBUTTON},
        {252, 13, HTMINBUTTON},    {1, 100, HTLEFT},         {298, 100, HTRIGHT},      {150, 1, HTTOP},
        {150, 198, HTBOTTOM},      {1, 1, HTTOPLEFT},        {298, 1, HTTOPRIGHT},     {1, 198, HTBOTTOMLEFT},
        {298, 198, HTBOTTOMRIGHT}, {20, 30, HTMENU},         {150, 120, HTCLIENT},     {-5, 50, HTNOWHERE},
    };
    for (const Case& c : cases) EXPECT_EQ(HitAt(w, c.x, c.y), c.hit) << "at " << c.x << "," << c.y;

    const HWND dialog = Framed(WS_POPUP | WS_CAPTION | WS_SYSMENU, 100, 320, 200, 100, 0, WS_EX_CONTEXTHELP);
    EXPECT_EQ(HitAt(dialog, 1, 50), HTBORDER) << "a fixed frame does not size";
    EXPECT_EQ(HitAt(dialog, 168, 12), HTHELP);

    const HWND scrolled = Framed(WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL, 450, 100, 200, 200);
    EXPECT_EQ(HitAt(scrolled, 188, 60), HTVSCROLL);
    EXPECT_EQ(HitAt(scrolled, 60, 188), HTHSCROLL);
    EXPECT_EQ(HitAt(scrolled, 188, 188), HTGROWBOX);
}

TEST_F(NcFrameTest, FrameCaptionButtonsAndMenuBarRender) {
    const HWND w = Framed(WS_OVERLAPPEDWINDOW | WS_VSCROLL, 100, 100, 300, 200, SampleMenuBar(), WS_EX_CLIENTEDGE,
                          "维修管理");
    SetActiveWindow(w);
    DispatchQueuedMessages();
    SaveWindowScreenshot(w, ScreenshotDir() + "nc_frame.png");

    const COLORREF captionStart = ShownPixel(w, 4, 21);
    EXPECT_EQ(captionStart, GetSysColor(COLOR_ACTIVECAPTION)) << "the gradient starts at the caption colour";
    EXPECT_NE(ShownPixel(w, 277, 21), captionStart) << "and runs towards the gradient colour";
    EXPECT_EQ(ShownPixel(w, 150, 30), GetSysColor(COLOR_MENU));
    EXPECT_EQ(ShownPixel(w, 0, 100), GetSysColor(COLOR_3DLIGHT)) << "the raised outer edge";

    const std::string golden = std::string(WIN_GOLDEN_DIR) + "nc_frame.png";
    const std::string bytes = ReadFile(golden);
    ASSERT_FALSE(bytes.empty()) << "missing " << golden;
    const HBITMAP expected = DecodeImage(bytes.data(), bytes.size());
    const HBITMAP actual = CaptureWindow(w);
    ExpectCloseTo(actual, expected);
    DeleteObject(expected);
    DeleteObject(actual);

    const HWND other = Framed(WS_OVERLAPPEDWINDOW, 500, 100, 200, 100);
    SetActiveWindow(other);
    DispatchQueuedMessages();
    EXPECT_EQ(ShownPixel(w, 4, 21), GetSysColor(COLOR_INACTIVECAPTION));
}

TEST_F(NcFrameTest, CaptionButtonActsOnlyWhenReleasedOnIt) {
    const HWND w = Framed(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
    Watch({WM_SYSCOMMAND});
    Press(At(w, 286, 13));
    MoveTo(At(w, 150, 100));
    Release(At(w, 150, 100));
    DispatchQueuedMessages();
    EXPECT_TRUE(Logged(WM_SYSCOMMAND).empty()) << "released elsewhere";
    ASSERT_TRUE(IsWindow(w));

    Press(At(w, 252, 13));
    Release(At(w, 252, 13));
    DispatchQueuedMessages();
    ASSERT_EQ(Logged(WM_SYSCOMMAND).size(), 1u);
    EXPECT_EQ(Logged(WM_SYSCOMMAND)[0].wParam, SC_MINIMIZE);
    EXPECT_TRUE(IsIconic(w));
    EXPECT_NE(WindowFromPoint(At(w, 150, 100)), w) << "without a window manager a minimised window is hidden";
    ShowWindow(w, SW_RESTORE);
    DispatchQueuedMessages();

    Press(At(w, 286, 13));
    Release(At(w, 286, 13));
    DispatchQueuedMessages();
    EXPECT_FALSE(IsWindow(w)) << "the close button sends SC_CLOSE, whose default closes";
}

TEST_F(NcFrameTest, DoubleClickOnCaptionMaximisesAndRestores) {
    const HWND w = Framed(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
    Press(At(w, 150, 10));
    Release(At(w, 150, 10));
    Press(At(w, 150, 10));
    Release(At(w, 150, 10));
    DispatchQueuedMessages();
    EXPECT_TRUE(IsZoomed(w));
    SendMessage(w, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsZoomed(w));
    EXPECT_EQ(WindowRectOf(w), Bounds(100, 100, 300, 200));
}

TEST_F(NcFrameTest, WindowAnsweringNonClientMessagesGetsItsOwnFrame) {
    // A skin's way: a 10-pixel red frame whose top band is the caption.
    TheHandler() = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
        switch (message) {
        case WM_NCCALCSIZE: {
            RECT* r = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
            InflateRect(r, -10, -10);
            return 0;
        }
        case WM_NCPAINT: {
            const HDC dc = GetWindowDC(window);
            RECT all;
            GetWindowRect(window, &all);
            OffsetRect(&all, -all.left, -all.top);
            const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
            FillRect(dc, &all, red);
            DeleteObject(red);
            ReleaseDC(window, dc);
            return 0;
        }
        case WM_NCHITTEST: {
            RECT r;
            GetWindowRect(window, &r);
            if (GET_Y_LPARAM(lParam) < r.top + 10) return HTCAPTION;
            return std::nullopt;
        }
        default:
            return std::nullopt;
        }
    };
    const HWND w = Framed(WS_OVERLAPPEDWINDOW, 100, 100, 200, 150);
    RECT client;
    GetClientRect(w, &client);
    EXPECT_EQ(client, Rect(0, 0, 180, 130));
    EXPECT_EQ(ShownPixel(w, 3, 3), RGB(255, 0, 0));
    EXPECT_EQ(ShownPixel(w, 100, 75), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(HitAt(w, 100, 5), HTCAPTION);
    // Its frame band outside the client area is not the client, even where
    // the default layout has its client area.
    EXPECT_EQ(HitAt(w, 100, 75), HTCLIENT);
    EXPECT_EQ(HitAt(w, 100, 145), HTNOWHERE);

    // Its caption moves it through the default procedure's tracking.
    Press(At(w, 100, 5));
    MoveTo(At(w, 120, 25));
    Release(At(w, 120, 25));
    DispatchQueuedMessages();
    EXPECT_EQ(WindowRectOf(w), Bounds(120, 120, 200, 150));

    // SWP_FRAMECHANGED asks for the layout again.
    TheHandler() = nullptr;
    SetWindowPos(w, 0, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    GetClientRect(w, &client);
    EXPECT_EQ(client.right, 200 - 2 * GetSystemMetrics(SM_CXSIZEFRAME));
}

TEST_F(NcFrameTest, NonClientMetricsMatchTheFrame) {
    NONCLIENTMETRICS metrics;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    EXPECT_EQ(metrics.iCaptionHeight, GetSystemMetrics(SM_CYSIZE));
    EXPECT_EQ(metrics.lfCaptionFont.lfWeight, FW_BOLD);
    EXPECT_EQ(metrics.iScrollWidth, GetSystemMetrics(SM_CXVSCROLL));
    const HWND tool = Framed(WS_POPUP | WS_CAPTION | WS_SYSMENU, 100, 100, 150, 80, 0, WS_EX_TOOLWINDOW);
    RECT client;
    GetClientRect(tool, &client);
    EXPECT_EQ(client.bottom, 80 - 2 * GetSystemMetrics(SM_CXFIXEDFRAME) - GetSystemMetrics(SM_CYSMCAPTION));
}

TEST_F(NcFrameTest, ContextHelpAsksTheWindowClicked) {
    const HWND w = Framed(WS_POPUP | WS_CAPTION | WS_SYSMENU, 100, 100, 300, 200, 0, WS_EX_CONTEXTHELP);
    Watch({WM_HELP});
    HELPINFO seen;
    TheHandler() = [&seen](HWND, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (message == WM_HELP) seen = *reinterpret_cast<const HELPINFO*>(lParam);
        return std::nullopt;
    };
    const POINT help = At(w, 276, 13);
    ASSERT_EQ(HitAt(w, 276, 13), HTHELP);
    Press(help);
    Release(help);
    const POINT inside = At(w, 150, 100);
    Press(inside);
    Release(inside);
    DispatchQueuedMessages();
    ASSERT_EQ(Logged(WM_HELP).size(), 1u);
    EXPECT_EQ(HWND(seen.hItemHandle), w);
    EXPECT_EQ(seen.MousePos, inside);
}

TEST_F(NcFrameTest, DrawCaptionPaintsASmallCaptionBarForAnyWindow) {
    const HWND window = Framed(WS_POPUP | WS_VISIBLE, 10, 10, 200, 60);
    SetWindowText(window, "Tools 工具");
    using DrawCaptionProc = BOOL (*)(HWND, HDC, const RECT*, UINT);
    const auto draw = reinterpret_cast<DrawCaptionProc>(GetProcAddress(GetModuleHandle("user32"), "DrawCaption"));
    ASSERT_TRUE(draw) << "found at run time as on the platform";
    const HDC screen = GetDC(0);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, 120, 16);
    ReleaseDC(0, screen);
    SelectObject(dc, bitmap);
    const RECT bar{0, 0, 120, 16};
    const auto colourCount = [&](COLORREF colour) {
        int n = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 120; ++x) n += GetPixel(dc, x, y) == colour;
        return n;
    };
    ASSERT_TRUE(draw(window, dc, &bar, DC_ACTIVE | DC_SMALLCAP | DC_TEXT));
    EXPECT_EQ(GetPixel(dc, 0, 0), GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_EQ(GetPixel(dc, 119, 0), GetSysColor(COLOR_ACTIVECAPTION)) << "one colour without DC_GRADIENT";
    EXPECT_GT(colourCount(GetSysColor(COLOR_CAPTIONTEXT)), 10) << "the window's text";
    draw(window, dc, &bar, DC_SMALLCAP | DC_GRADIENT);
    EXPECT_EQ(GetPixel(dc, 0, 0), GetSysColor(COLOR_INACTIVECAPTION));
    EXPECT_EQ(GetPixel(dc, 119, 0), GetSysColor(COLOR_GRADIENTINACTIVECAPTION));
    EXPECT_EQ(colourCount(GetSysColor(COLOR_INACTIVECAPTIONTEXT)), 0) << "no text without DC_TEXT";
    DeleteDC(dc);
    DeleteObject(bitmap);
}
