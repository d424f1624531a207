// The screen's monitors.
#include <gtest/gtest.h>

#include "platform/ui/forms.h"

namespace {

TEST(Monitors, TheScreensMonitorHasItsBoundsAndIsFoundByPointAndWindow) {
    TMonitor* monitor = Screen->Monitors(0);
    ASSERT_NE(monitor, nullptr);
    EXPECT_TRUE(monitor->Primary());
    EXPECT_EQ(monitor->MonitorNum(), 0);
    EXPECT_EQ(monitor->BoundsRect(), Screen->MonitorBoundsRect(0));
    EXPECT_EQ(monitor->WorkareaRect(), Screen->WorkAreaRect());
    EXPECT_EQ(monitor->Width(), Screen->Width());
    EXPECT_EQ(Screen->MonitorFromPoint(TPoint{10, 10}), monitor);
    EXPECT_EQ(Screen->MonitorFromPoint(TPoint{-50000, -50000}, mdNull), nullptr);
    EXPECT_EQ(Screen->MonitorFromPoint(TPoint{-50000, -50000}, mdPrimary), monitor);
    EXPECT_EQ(Screen->MonitorFromPoint(TPoint{-50000, -50000}), monitor);
    EXPECT_EQ(Screen->MonitorFromWindow(0), monitor);
    EXPECT_EQ(Screen->MonitorCount(), GetSystemMetrics(SM_CMONITORS));
    for (int i = 0; i < Screen->MonitorCount(); ++i) {
        EXPECT_EQ(Screen->Monitors(i)->MonitorNum(), i);
        EXPECT_EQ(Screen->Monitors(i)->Primary(), i == 0);
        EXPECT_EQ(Screen->MonitorBoundsRect(i), Screen->Monitors(i)->BoundsRect());
    }
}

}  // namespace
