// The system bitmaps and their constants.
#include <gtest/gtest.h>

#include "platform/win/userdraw.h"

namespace {

TEST(SystemBitmaps, SystemBitmapsAndConstants) {
    HBITMAP boxes = LoadBitmap(0, OBM_CHECKBOXES);
    BITMAP bm;
    ASSERT_EQ(GetObject(boxes, sizeof bm, &bm), int(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 52);
    EXPECT_EQ(bm.bmHeight, 39);
    DeleteObject(boxes);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(212, 208, 200));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 16);
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 19);
    EXPECT_FALSE(IsThemeActive());
    HDC dc = CreateCompatibleDC(0);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(dc, NUMCOLORS), -1);
    EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 32);
    DeleteDC(dc);
}

}  // namespace
