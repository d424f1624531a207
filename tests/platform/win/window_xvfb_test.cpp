// A real top-level window under an X server (Xvfb): shown through Qt's xcb
// platform, clicked and typed into, and photographed from the screen. Runs
// only as its own CTest entry (platform_ui_xvfb); elsewhere it is skipped.
#include <QGuiApplication>
#include <QImage>
#include <QThread>
#include <functional>

#include "tests/support/temp_dir.h"
#include "tests/platform/win/window_fixture.h"

namespace {

AnsiString typedText;
bool clicked = false;

LRESULT TypingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        clicked = true;
        SetFocus(window);
        InvalidateRect(window, nullptr, TRUE);
        return 0;
    case WM_CHAR:
        typedText += char(wParam);
        InvalidateRect(window, nullptr, TRUE);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        const HDC dc = BeginPaint(window, &ps);
        RECT client;
        GetClientRect(window, &client);
        const HBRUSH brush = CreateSolidBrush(clicked ? RGB(200, 0, 0) : RGB(0, 0, 200));
        FillRect(dc, &client, brush);
        DeleteObject(brush);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 255, 255));
        TextOut(dc, 10, 40, typedText.c_str(), int(typedText.size()));
        EndPaint(window, &ps);
        return 0;
    }
    default:
        return DefWindowProc(window, message, wParam, lParam);
    }
}

// Fills the window with the colour kept in its user data.
LRESULT ColourProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProc(window, message, wParam, lParam);
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    const HBRUSH brush = CreateSolidBrush(COLORREF(GetWindowLongPtr(window, GWLP_USERDATA)));
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    EndPaint(window, &ps);
    return 0;
}

// The X server shows things when it gets round to them: look until the
// pixel is what we expect or a generous limit passes.
QImage ScreenWhen(const std::function<bool(const QImage&)>& ready) {
    QImage shot;
    for (int attempt = 0; attempt < 100; ++attempt) {
        DispatchQueuedMessages();
        const std::string file = ScreenshotDir() + "window_xvfb.png";
        if (SaveScreenScreenshot(file) && shot.load(QString::fromStdString(file)) && ready(shot)) return shot;
        QThread::msleep(20);
    }
    return shot;
}

}  // namespace

TEST_F(WindowTest, RealWindowIsClickedTypedIntoAndPhotographed) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X server";
    const HWND top = TopLevel(30, 40, 220, 120);
    SetWindowLongPtr(top, GWLP_WNDPROC, LONG_PTR(WNDPROC(&TypingProcedure)));
    InvalidateRect(top, nullptr, TRUE);
    const QRgb blue = qRgb(0, 0, 200), red = qRgb(200, 0, 0);
    QImage shot = ScreenWhen([&](const QImage& s) { return s.pixel(35, 45) == blue; });
    ASSERT_EQ(shot.pixel(35, 45), blue);

    ASSERT_TRUE(SimulateClick(top, Point(50, 20)));
    ASSERT_TRUE(SimulateTyping("Repair 42"));
    shot = ScreenWhen([&](const QImage& s) { return s.pixel(35, 45) == red && typedText == "Repair 42"; });
    EXPECT_TRUE(clicked);
    EXPECT_EQ(typedText, "Repair 42");
    EXPECT_EQ(shot.pixel(35, 45), red);
    // The typed text is drawn in white somewhere on its line.
    bool textShown = false;
    for (int x = 40; x < 240 && !textShown; ++x)
        for (int y = 80; y < 100 && !textShown; ++y) textShown = shot.pixel(x, y) == qRgb(255, 255, 255);
    EXPECT_TRUE(textShown);
}

// A topmost pop-up (a hint) shown again after another window came to the
// top is shown above it, not where the X server's stack last had it.
TEST_F(WindowTest, RealWindowATopmostPopUpShownAgainComesAboveTheOthers) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X server";
    const auto coloured = [&](HWND window, COLORREF colour) {
        SetWindowLongPtr(window, GWLP_USERDATA, LONG_PTR(colour));
        SetWindowLongPtr(window, GWLP_WNDPROC, LONG_PTR(WNDPROC(&ColourProcedure)));
        InvalidateRect(window, nullptr, TRUE);
    };
    const HWND form = TopLevel(20, 20, 300, 200);
    coloured(form, RGB(0, 0, 200));
    const HWND hint = TopLevel(60, 60, 80, 20, WS_EX_TOPMOST | WS_EX_NOACTIVATE);
    coloured(hint, RGB(255, 255, 225));
    const QRgb hintColour = qRgb(255, 255, 225), formColour = qRgb(0, 0, 200);
    QImage shot = ScreenWhen([&](const QImage& s) { return s.pixel(70, 65) == hintColour; });
    ASSERT_EQ(shot.pixel(70, 65), hintColour);

    ShowWindow(hint, SW_HIDE);
    const HWND preview = TopLevel(10, 10, 400, 300);
    coloured(preview, RGB(0, 160, 0));
    SetActiveWindow(preview);
    shot = ScreenWhen([&](const QImage& s) { return s.pixel(70, 65) == qRgb(0, 160, 0); });
    ASSERT_EQ(shot.pixel(70, 65), qRgb(0, 160, 0));
    SetActiveWindow(form);
    shot = ScreenWhen([&](const QImage& s) { return s.pixel(70, 65) == formColour; });
    ASSERT_EQ(shot.pixel(70, 65), formColour) << "the form comes above the other window";

    SetWindowPos(hint, HWND_TOPMOST, 60, 60, 80, 20, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    shot = ScreenWhen([&](const QImage& s) { return s.pixel(70, 65) == hintColour; });
    EXPECT_EQ(shot.pixel(70, 65), hintColour);
    EXPECT_EQ(shot.pixel(25, 25), formColour);
}
