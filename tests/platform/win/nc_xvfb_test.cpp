// A framed window with a menu bar on a real X server (Xvfb): its menu is
// opened and photographed, then the window is dragged by its caption and
// photographed again. Runs only in the platform_ui_xvfb CTest entry.
#include <QGuiApplication>
#include <QImage>
#include <QThread>

#include "tests/platform/win/frame_fixture.h"
#include "support/temp_dir.h"

namespace {

QRgb ToQRgb(COLORREF c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }

// A photograph of the screen once `ready` holds for it (the X server shows
// things when it gets round to them), or the last one taken.
QImage Photograph(const std::string& name, const std::function<bool(const QImage&)>& ready, bool pump = true) {
    QImage shot;
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (pump) DispatchQueuedMessages();
        const std::string file = ScreenshotDir() + name;
        if (SaveScreenScreenshot(file) && shot.load(QString::fromStdString(file)) && ready(shot)) return shot;
        QThread::msleep(20);
    }
    return shot;
}

}  // namespace

class NcRealWindowTest : public FrameTest {};

TEST_F(NcRealWindowTest, FramedWindowShowsItsMenuAndMovesByItsCaption) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X server";
    const HMENU bar = CreateMenu();
    const HMENU file = CreatePopupMenu();
    AppendMenu(file, MF_STRING, 101, "新建单据(&N)");
    AppendMenu(file, MF_STRING | MF_CHECKED, 102, "显示工具栏(&T)");
    AppendMenu(file, MF_SEPARATOR, 0, nullptr);
    AppendMenu(file, MF_STRING | MF_GRAYED, 103, "打印(&P)");
    AppendMenu(bar, MF_POPUP, UINT_PTR(file), "文件(&F)");
    AppendMenu(bar, MF_STRING, 104, "帮助(&H)");
    const HWND w = Framed(WS_OVERLAPPEDWINDOW, 60, 60, 360, 240, bar, 0, "售后服务管理");
    SetActiveWindow(w);
    const QRgb caption = ToQRgb(GetSysColor(COLOR_ACTIVECAPTION));
    QImage shot = Photograph("nc_xvfb_window.png", [&](const QImage& s) { return s.pixel(64, 81) == caption; });
    ASSERT_EQ(shot.pixel(64, 81), caption) << "the active caption shows on the screen";

    // The menu opens from the keyboard; a timer inside the loop photographs
    // it once it shows and then closes it.
    Watch({WM_COMMAND});
    bool photographed = false;
    const int filter = AddMessageFilter([&](int code, MSG& msg) {
        RECT item;
        if (code != MSGF_MENU || msg.message != WM_TIMER || photographed || !GetMenuItemRect(w, file, 1, &item))
            return false;
        const QRgb highlight = ToQRgb(GetSysColor(COLOR_HIGHLIGHT));
        const QImage open = Photograph("nc_xvfb_menu.png",
                                       [&](const QImage& s) { return s.pixel(item.left + 2, item.top + 2) == highlight; },
                                       false);
        photographed = open.pixel(item.left + 2, item.top + 2) == highlight;
        Key(VK_RETURN);
        return true;
    });
    SetTimer(w, 77, 50);
    Key(VK_F10);
    Key(VK_DOWN);
    Key(VK_DOWN);
    DispatchQueuedMessages();
    KillTimer(w, 77);
    RemoveObserver(filter);
    EXPECT_TRUE(photographed) << "the selected item shows highlighted on the screen";
    ASSERT_EQ(Logged(WM_COMMAND).size(), 1u);
    EXPECT_EQ(LOWORD(Logged(WM_COMMAND)[0].wParam), 102);

    const POINT from = At(w, 200, 10);
    Press(from);
    MoveTo({from.x + 60, from.y + 40});
    MoveTo({from.x + 120, from.y + 80});
    Release({from.x + 120, from.y + 80});
    DispatchQueuedMessages();
    EXPECT_EQ(WindowRectOf(w), Bounds(180, 140, 360, 240));
    shot = Photograph("nc_xvfb_moved.png", [&](const QImage& s) { return s.pixel(184, 161) == caption; });
    EXPECT_EQ(shot.pixel(184, 161), caption) << "the caption is drawn at the new place";
}
