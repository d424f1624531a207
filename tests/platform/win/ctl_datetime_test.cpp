// "SysMonthCal32" and "SysDateTimePick32": hit-test codes, days chosen by
// mouse and keyboard, and a date picked from the picker's drop-down calendar.
#include <algorithm>

#include "tests/platform/win/calendar_cell.h"
#include "tests/platform/win/ctl_fixture.h"

namespace {
SYSTEMTIME Day(WORD year, WORD month, WORD day) {
    SYSTEMTIME t;
    t.wYear = year;
    t.wMonth = month;
    t.wDay = day;
    return t;
}
}  // namespace

class MonthCalendarTest : public StdControlTest {
protected:
    void SetUp() override {
        StdControlTest::SetUp();
        calendar = Control("SysMonthCal32", "", 0, 10, 10, 10, 10);
        RECT size;
        SendMessage(calendar, MCM_GETMINREQRECT, 0, LPARAM(&size));
        MoveWindow(calendar, 10, 10, size.right, size.bottom, TRUE);
        const SYSTEMTIME day = Day(2026, 12, 10);
        SendMessage(calendar, MCM_SETCURSEL, 0, LPARAM(&day));
        SendMessage(calendar, MCM_SETTODAY, 0, LPARAM(&day));
        RecordNotifications();
    }
    SYSTEMTIME Selected() const {
        SYSTEMTIME t;
        SendMessage(calendar, MCM_GETCURSEL, 0, LPARAM(&t));
        return t;
    }
    HWND calendar = 0;
};

TEST_F(MonthCalendarTest, HitTestCodesCoverTheParts) {
    RECT client;
    GetClientRect(calendar, &client);
    std::vector<UINT> seen;
    for (int y = 0; y < client.bottom; y += 2)
        for (int x = 0; x < client.right; x += 2) {
            MCHITTESTINFO info;
            info.pt = {x, y};
            seen.push_back(UINT(SendMessage(calendar, MCM_HITTEST, 0, LPARAM(&info))));
        }
    for (UINT code : {MCHT_TITLEBTNPREV, MCHT_TITLEBTNNEXT, MCHT_TITLEMONTH, MCHT_TITLEYEAR, MCHT_CALENDARDAY,
                      MCHT_CALENDARDATE, MCHT_CALENDARDATEPREV, MCHT_CALENDARDATENEXT, MCHT_TODAYLINK})
        EXPECT_NE(std::find(seen.begin(), seen.end(), code), seen.end()) << std::hex << code;
    const POINT first = CalendarCellOf(calendar, 1);
    MCHITTESTINFO info;
    info.pt = first;
    SendMessage(calendar, MCM_HITTEST, 0, LPARAM(&info));
    EXPECT_EQ(info.st.wMonth, 12);
    EXPECT_EQ(info.st.wYear, 2026);
}

TEST_F(MonthCalendarTest, DaysChosenByMouseAndKeyboard) {
    const POINT cell = CalendarCellOf(calendar, 24);
    Click(calendar, cell.x, cell.y);
    EXPECT_EQ(Selected().wDay, 24);
    EXPECT_EQ(NotifiedCodes(), (std::vector<UINT>{MCN_SELCHANGE, MCN_SELECT}));
    Key(VK_DOWN);
    EXPECT_EQ(Selected().wDay, 31);
    Key(VK_RIGHT);
    EXPECT_EQ(Selected().wMonth, 1);
    EXPECT_EQ(Selected().wYear, 2027);
    const POINT previous = CalendarCellOf(calendar, 0, MCHT_TITLEBTNPREV);
    Click(calendar, previous.x, previous.y);
    SYSTEMTIME shown[2];
    EXPECT_EQ(SendMessage(calendar, MCM_GETMONTHRANGE, GMR_VISIBLE, LPARAM(shown)), 1);
    EXPECT_EQ(shown[0].wMonth, 12);
    EXPECT_EQ(shown[1].wDay, 31);
    EXPECT_EQ(Selected().wMonth, 1);
    SYSTEMTIME range[2] = {Day(2026, 12, 5), Day(2026, 12, 20)};
    SendMessage(calendar, MCM_SETRANGE, GDTR_MIN | GDTR_MAX, LPARAM(range));
    EXPECT_EQ(Selected().wDay, 20);
    const SYSTEMTIME outside = Day(2026, 12, 1);
    EXPECT_FALSE(SendMessage(calendar, MCM_SETCURSEL, 0, LPARAM(&outside)));
}

class DateTimePickerTest : public StdControlTest {
protected:
    void SetUp() override {
        StdControlTest::SetUp();
        picker = Control("SysDateTimePick32", "", 0, 10, 10, 150, 22);
        SYSTEMTIME day = Day(2026, 12, 10);
        day.wHour = 9;
        SendMessage(picker, DTM_SETSYSTEMTIME, GDT_VALID, LPARAM(&day));
        RecordNotifications();
    }
    SYSTEMTIME Value() const {
        SYSTEMTIME t;
        SendMessage(picker, DTM_GETSYSTEMTIME, 0, LPARAM(&t));
        return t;
    }
    HWND picker = 0;
};

TEST_F(DateTimePickerTest, ADatePickedFromTheDropDownCalendar) {
    EXPECT_EQ(Text(picker), AnsiString("2026-12-10"));
    Click(picker, 140, 10);
    const HWND calendar = HWND(SendMessage(picker, DTM_GETMONTHCAL, 0, 0));
    ASSERT_NE(calendar, 0u);
    EXPECT_TRUE(IsWindowVisible(calendar));
    EXPECT_EQ(GetActiveWindow(), parent);
    const POINT cell = CalendarCellOf(calendar, 3, MCHT_CALENDARDATENEXT);
    Click(calendar, cell.x, cell.y);
    EXPECT_EQ(SendMessage(picker, DTM_GETMONTHCAL, 0, 0), 0);
    EXPECT_EQ(Value().wMonth, 1);
    EXPECT_EQ(Value().wDay, 3);
    EXPECT_EQ(Value().wHour, 9);
    EXPECT_EQ(Text(picker), AnsiString("2027-01-03"));
    const auto codes = NotifiedCodes();
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.front(), DTN_DROPDOWN);
    EXPECT_EQ(std::vector<UINT>(codes.end() - 2, codes.end()), (std::vector<UINT>{DTN_DATETIMECHANGE, DTN_CLOSEUP}));

    // Escape and a press outside close it without a change.
    Key(VK_F4);
    ASSERT_NE(SendMessage(picker, DTM_GETMONTHCAL, 0, 0), 0);
    Click(picker, 10, 10);
    EXPECT_EQ(SendMessage(picker, DTM_GETMONTHCAL, 0, 0), 0);
    EXPECT_EQ(Value().wDay, 3);
}

TEST_F(DateTimePickerTest, TheRangeHoldsTheValueAndGoesToTheDroppedCalendar) {
    SYSTEMTIME range[2] = {Day(2026, 12, 1), Day(2026, 12, 5)};
    range[1].wHour = 12;
    SendMessage(picker, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, LPARAM(range));
    EXPECT_EQ(Value().wDay, 5);
    EXPECT_EQ(Value().wHour, 12);
    SYSTEMTIME read[2];
    EXPECT_EQ(SendMessage(picker, DTM_GETRANGE, 0, LPARAM(read)), LRESULT(GDTR_MIN | GDTR_MAX));
    EXPECT_EQ(read[0].wDay, 1);
    EXPECT_EQ(read[1].wHour, 12);
    Click(picker, 140, 10);
    const HWND calendar = HWND(SendMessage(picker, DTM_GETMONTHCAL, 0, 0));
    ASSERT_NE(calendar, 0u);
    EXPECT_EQ(SendMessage(calendar, MCM_GETRANGE, 0, LPARAM(read)), LRESULT(GDTR_MIN | GDTR_MAX));
    EXPECT_EQ(read[0].wDay, 1);
    EXPECT_EQ(read[1].wDay, 5);
    EXPECT_EQ(read[1].wHour, 0);  // the calendar keeps whole days
    Key(VK_ESCAPE);
    SendMessage(picker, DTM_SETRANGE, 0, 0);
    EXPECT_EQ(SendMessage(picker, DTM_GETRANGE, 0, LPARAM(read)), 0);
}

TEST_F(DateTimePickerTest, PartsChangeByArrowsAndDigits) {
    SetFocus(picker);
    DispatchQueuedMessages();
    Key(VK_RIGHT);
    Key(VK_UP);
    EXPECT_EQ(Value().wMonth, 1);
    EXPECT_EQ(Value().wYear, 2026);
    Key(VK_RIGHT);
    SimulateTyping("25");
    DispatchQueuedMessages();
    EXPECT_EQ(Value().wDay, 25);
    EXPECT_EQ(Text(picker), AnsiString("2026-01-25"));
    SendMessage(picker, DTM_SETFORMAT, 0, LPARAM("yyyy'年'M'月'd'日' HH:mm"));
    EXPECT_EQ(Text(picker), AnsiString("2026年1月25日 09:00"));
}
