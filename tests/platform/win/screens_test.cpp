// Monitors, system parameters and platform functions looked up by name.
#include <climits>

#include "platform/win/commctrl.h"
#include "platform/win/monitorlayout.h"
#include "platform/win/screens.h"
#include "platform/win/surfacehost.h"
#include "platform/win/winscroll.h"
#include "platform/win/testseams.h"
#include "tests/platform/win/window_fixture.h"

TEST_F(WindowTest, MonitorsAndWorkAreaComeFromTheScreens) {
    RECT work;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0));
    const HWND top = TopLevel(work.left + 10, work.top + 10, 50, 50);
    const HMONITOR monitor = MonitorFromWindow(top, MONITOR_DEFAULTTONULL);
    ASSERT_NE(monitor, 0u);
    EXPECT_EQ(MonitorFromPoint(Point(work.left + 1, work.top + 1), MONITOR_DEFAULTTONULL), monitor);
    EXPECT_EQ(MonitorFromPoint(Point(-100000, -100000), MONITOR_DEFAULTTONULL), 0u);
    EXPECT_EQ(MonitorFromPoint(Point(-100000, -100000), MONITOR_DEFAULTTONEAREST), monitor);
    // Distances far off every screen do not wrap.
    const RECT far = {INT_MIN, INT_MIN, INT_MIN + 1, INT_MIN + 1};
    EXPECT_EQ(MonitorFromRect(&far, MONITOR_DEFAULTTONEAREST), monitor);
    MONITORINFOEX info;
    ASSERT_TRUE(GetMonitorInfo(monitor, &info));
    EXPECT_EQ(info.rcWork, work);
    EXPECT_EQ(info.dwFlags, MONITORINFOF_PRIMARY);
    EXPECT_STREQ(info.szDevice, "\\\\.\\DISPLAY1");

    NONCLIENTMETRICS metrics;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    EXPECT_EQ(metrics.iCaptionHeight, GetSystemMetrics(SM_CYSIZE));
    EXPECT_STREQ(metrics.lfMenuFont.lfFaceName, "宋体");
    LOGFONTA iconFont;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETICONTITLELOGFONT, sizeof(iconFont), &iconFont, 0));
    EXPECT_EQ(iconFont.lfHeight, -12);
}

TEST_F(WindowTest, TheMonitorCountAndTheMonitorFunctionsAgree) {
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const int count = GetSystemMetrics(SM_CMONITORS);
    EXPECT_GE(count, 1);
    std::vector<std::pair<HMONITOR, RECT>> seen;
    const auto collect = [](HMONITOR monitor, HDC, RECT* rect, LPARAM data) {
        reinterpret_cast<std::vector<std::pair<HMONITOR, RECT>>*>(data)->emplace_back(monitor, *rect);
        return TRUE;
    };
    ASSERT_TRUE(EnumDisplayMonitors(0, nullptr, collect, LPARAM(&seen)));
    ASSERT_EQ(int(seen.size()), count);
    for (const auto& [monitor, rect] : seen) {
        MONITORINFO info;
        ASSERT_TRUE(GetMonitorInfo(monitor, &info));
        EXPECT_EQ(info.rcMonitor, rect);
        EXPECT_EQ(MonitorFromPoint(Point(rect.left, rect.top), MONITOR_DEFAULTTONULL), monitor);
    }
    EXPECT_EQ(seen[0].second, screen);
    EXPECT_EQ(seen[0].first, MonitorFromPoint(Point(-100000, 0), MONITOR_DEFAULTTOPRIMARY));
    // The virtual screen bounds them all.
    RECT all{};
    for (const auto& entry : seen) UnionRect(&all, &all, &entry.second);
    EXPECT_EQ(GetSystemMetrics(SM_XVIRTUALSCREEN), all.left);
    EXPECT_EQ(GetSystemMetrics(SM_YVIRTUALSCREEN), all.top);
    EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), all.right - all.left);
    EXPECT_EQ(GetSystemMetrics(SM_CYVIRTUALSCREEN), all.bottom - all.top);
    // A clip reports the part of each monitor it meets, and only those.
    seen.clear();
    const RECT clip = {screen.left - 50, screen.top + 10, screen.left + 20, screen.top + 30};
    EnumDisplayMonitors(0, &clip, collect, LPARAM(&seen));
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen[0].second, (RECT{screen.left, screen.top + 10, screen.left + 20, screen.top + 30}));
    seen.clear();
    const RECT far = {-100000, -100000, -99000, -99000};
    EnumDisplayMonitors(0, &far, collect, LPARAM(&seen));
    EXPECT_TRUE(seen.empty());
    // Answering FALSE stops the walk.
    int calls = 0;
    EnumDisplayMonitors(
        0, nullptr,
        [](HMONITOR, HDC, RECT*, LPARAM data) {
            ++*reinterpret_cast<int*>(data);
            return FALSE;
        },
        LPARAM(&calls));
    EXPECT_EQ(calls, 1);
}

// Two monitors side by side, the primary on the right, and a third below.
TEST(MonitorLayout, ARectangleGoesToTheMonitorHoldingMostOfItOrTheNearestOrPrimary) {
    const std::vector<RECT> monitors = {{0, 0, 1024, 768}, {-1280, 0, 0, 1024}, {0, 768, 800, 1368}};
    struct Case {
        RECT rect;
        DWORD flags;
        int expected;
    } const cases[] = {
        {{10, 10, 50, 50}, MONITOR_DEFAULTTONULL, 0},
        {{-500, 10, -400, 50}, MONITOR_DEFAULTTONULL, 1},
        {{-60, 10, 40, 50}, MONITOR_DEFAULTTONULL, 1},       // more of it on the left one
        {{-40, 10, 60, 50}, MONITOR_DEFAULTTONULL, 0},
        {{100, 700, 200, 900}, MONITOR_DEFAULTTONULL, 2},    // more of it below
        {{-3000, 10, -2900, 50}, MONITOR_DEFAULTTONULL, -1},
        {{-3000, 10, -2900, 50}, MONITOR_DEFAULTTOPRIMARY, 0},
        {{-3000, 10, -2900, 50}, MONITOR_DEFAULTTONEAREST, 1},
        {{900, 1300, 950, 1350}, MONITOR_DEFAULTTONEAREST, 2},  // off the corner nearest the third
        {{5000, 100, 5100, 200}, MONITOR_DEFAULTTONEAREST, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ws::MonitorForRect(monitors, c.rect, c.flags), c.expected)
            << c.rect.left << "," << c.rect.top << " flags " << c.flags;
    EXPECT_EQ(ws::MonitorForRect({}, RECT{0, 0, 1, 1}, MONITOR_DEFAULTTONULL), -1);
    // The virtual screen runs from the left one's left edge to the right
    // one's, and from the top down to the third's bottom.
    EXPECT_EQ(ws::VirtualScreenOf(monitors), (RECT{-1280, 0, 1024, 1368}));
    EXPECT_EQ(ws::VirtualScreenOf({monitors[0]}), monitors[0]);
    EXPECT_EQ(ws::VirtualScreenOf({}), (RECT{0, 0, 0, 0}));
}

// Without the window system the virtual screen is the primary screen; with
// it, whatever rectangle bounds its screens.
TEST(VirtualScreenMetrics, ComeFromTheSourceTheWindowSystemSets) {
    SetVirtualScreenSource([](RECT* bounds) { *bounds = RECT{-1280, -200, 1024, 768}; });
    EXPECT_EQ(GetSystemMetrics(SM_XVIRTUALSCREEN), -1280);
    EXPECT_EQ(GetSystemMetrics(SM_YVIRTUALSCREEN), -200);
    EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), 2304);
    EXPECT_EQ(GetSystemMetrics(SM_CYVIRTUALSCREEN), 968);
    SetVirtualScreenSource(nullptr);
    EXPECT_EQ(GetSystemMetrics(SM_XVIRTUALSCREEN), 0);
    EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(GetSystemMetrics(SM_CYVIRTUALSCREEN), GetSystemMetrics(SM_CYSCREEN));
    SetVirtualScreenSource(&ws::VirtualScreen);
}

TEST_F(WindowTest, TheTestSeamSetsTheWorkArea) {
    RECT screen;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &screen, 0));
    const RECT set = {10, 20, 500, 400};
    SetWorkAreaForTesting(&set);
    RECT work;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(work, set);
    MONITORINFO info;
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetMonitorInfo(MonitorFromRect(&set, MONITOR_DEFAULTTONEAREST), &info));
    EXPECT_EQ(info.rcWork, set);
    SetWorkAreaForTesting(nullptr);
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(work, screen);
}

TEST(Modules, OnlyOurOwnFunctionsAreFound) {
    const HMODULE user = GetModuleHandle("USER32.DLL");
    ASSERT_NE(user, 0u);
    EXPECT_EQ(GetProcAddress(user, "TrackMouseEvent"), reinterpret_cast<FARPROC>(&TrackMouseEvent));
    EXPECT_EQ(GetProcAddress(user, "GetComboBoxInfo"), reinterpret_cast<FARPROC>(&GetComboBoxInfo));
    EXPECT_EQ(GetProcAddress(user, "GetScrollBarInfo"), reinterpret_cast<FARPROC>(&GetScrollBarInfo));
    EXPECT_EQ(GetProcAddress(user, "MonitorFromRect"), reinterpret_cast<FARPROC>(&MonitorFromRect));
    EXPECT_EQ(GetProcAddress(user, "MonitorFromPoint"), reinterpret_cast<FARPROC>(&MonitorFromPoint));
    EXPECT_EQ(GetProcAddress(user, "GetMonitorInfoA"), reinterpret_cast<FARPROC>(&GetMonitorInfo));
    EXPECT_EQ(GetProcAddress(user, "AnimateWindow"), nullptr);
    EXPECT_EQ(LoadLibrary("UxTheme.dll"), 0u);
    EXPECT_EQ(GetModuleHandle(nullptr), HInstance);
    RegisterModuleFunction("testlib", "IsThemeActive", reinterpret_cast<FARPROC>(&IsThemeActive));
    EXPECT_EQ(GetModuleHandle("user32"), user);  // handles stay as modules are added
    EXPECT_NE(GetProcAddress(LoadLibrary("testlib.dll"), "IsThemeActive"), nullptr);
}

TEST(Modules, TheVersionWordIsNtFivePointOne) {
    const DWORD version = GetVersion();
    EXPECT_EQ(version & 0xFF, 5u);
    EXPECT_EQ((version >> 8) & 0xFF, 1u);
    EXPECT_EQ(version >> 16, 2600u);
    EXPECT_EQ(version & 0x80000000u, 0u);
}

