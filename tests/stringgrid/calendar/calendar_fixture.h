// A month calendar on a fresh form with the clock frozen at noon on
// 10 December 2026, for the calendar's painting and input tests.
#pragma once

#include <gtest/gtest.h>

#include "platform/rtl/clock.h"
#include "platform/ui/control_fixture.h"
#include "platform/win/testseams.h"
#include "stringgrid/calendar/PlannerCal.h"
#include "tests/platform/win/window_fixture.h"

inline TDateTime D(Word year, Word month, Word day) { return EncodeDate(year, month, day); }

class CalendarTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        FreezeClock(D(2026, 12, 10) + 0.5);
        form = NewForm(400, 320);
        calendar = new TPlannerCalendar(form);
        calendar->SetParent(form);
        calendar->SetBounds(10, 10, 252, 208);
    }
    void TearDown() override {
        ReleaseClock();
        ControlTest::TearDown();
    }
    COLORREF Pixel(int x, int y) {
        ProcessMessages();
        return ShownPixel(calendar->Handle(), x, y);
    }
    // The middle of a day's cell.
    TPoint Middle(TDateTime day) {
        const TRect r = calendar->DateCellRect(day);
        return TPoint((r.left + r.right) / 2 + 1, (r.top + r.bottom) / 2);
    }
    TForm* form = nullptr;
    TPlannerCalendar* calendar = nullptr;
};
