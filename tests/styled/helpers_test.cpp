// The styled controls' font and repaint helpers.
#include <gtest/gtest.h>

#include <memory>

#include "platform/gdi/wingdi.h"
#include "platform/ui/forms.h"
#include "platform/ui/testseams.h"
#include "platform/win/winpaint.h"
#include "styled/VxPanel.h"

namespace {

TEST(RotatedFont, KeepsTheFontAndTurnsIt) {
    TFont font;
    font.SetName("宋体");
    font.SetHeight(-12);
    font.SetStyle(TFontStyles{fsBold, fsItalic});
    const HFONT handle = CreateRotatedFont(&font, 90);
    LOGFONTA log{};
    ASSERT_EQ(GetObject(handle, sizeof log, &log), int(sizeof log));
    EXPECT_EQ(log.lfHeight, -12);
    EXPECT_EQ(log.lfWidth, 0);
    EXPECT_EQ(log.lfEscapement, 900);
    EXPECT_EQ(log.lfOrientation, 0);
    EXPECT_EQ(log.lfWeight, FW_BOLD);
    EXPECT_TRUE(log.lfItalic);
    EXPECT_FALSE(log.lfUnderline);
    EXPECT_STREQ(log.lfFaceName, font.Name().c_str());
    DeleteObject(handle);
}

TEST(TransparentChildren, OnlyThoseWhoseTransparentIsTrueRepaint) {
    std::unique_ptr<TForm> form(TForm::Create(nullptr, 0));
    form->SetBounds(0, 0, 200, 100);
    auto* clear = new TVxCustomPanel(form.get());
    auto* solid = new TVxCustomPanel(form.get());
    auto* plain = new TPanel(form.get());
    int left = 0;
    for (TWinControl* child : {static_cast<TWinControl*>(clear), static_cast<TWinControl*>(solid),
                               static_cast<TWinControl*>(plain)}) {
        child->SetParent(form.get());
        child->SetBounds(left, 0, 40, 40);
        left += 50;
    }
    clear->SetTransparent(true);
    form->Show();
    DispatchQueuedMessages();
    InvalidateTransparentChildren(form.get());
    RECT rect;
    EXPECT_TRUE(GetUpdateRect(clear->Handle(), &rect, FALSE));
    EXPECT_FALSE(GetUpdateRect(solid->Handle(), &rect, FALSE));
    EXPECT_FALSE(GetUpdateRect(plain->Handle(), &rect, FALSE));
}

TEST(Monitors, WorkAreasAndTheMonitorAtAPoint) {
    TMonitor* monitor = Screen->Monitors(0);
    EXPECT_EQ(MonitorAtPoint(TPoint{5, 5}), monitor);
    EXPECT_EQ(MonitorAtPoint(TPoint{-5, 5}), nullptr);
    EXPECT_EQ(BoundsOfMonitor(monitor), monitor->BoundsRect());
    EXPECT_EQ(WorkAreaOfMonitor(monitor), Screen->WorkAreaRect());
    EXPECT_EQ(NearestMonitorWorkArea(0), Screen->WorkAreaRect());
    EXPECT_EQ(NearestMonitorWorkWidth(0), Screen->WorkAreaWidth());
}

}  // namespace
