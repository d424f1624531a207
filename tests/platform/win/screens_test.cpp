// Monitors, system parameters and platform functions looked up by name.
#include <climits>

#include "platform/win/commctrl.h"
#include "platform/win/screens.h"
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

