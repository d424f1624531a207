// The month calendar driven by synthetic mouse and keys: clicks on days,
// Ctrl+clicks, range drags, weekday columns, the browsers and the today
// line; Space, Shift+arrows, Escape and PageDown; the month and year menus
// answered through the menu loop; hover hints; a calendar too small for a
// cell.
#include <algorithm>
#include <vector>

#include "platform/rtl/formatsettings.h"
#include "tests/stringgrid/calendar/calendar_fixture.h"

namespace {

class CalendarInputTest : public CalendarTest {
protected:
    void SetUp() override {
        CalendarTest::SetUp();
        calendar->SetOnDayChange([this](TObject*, TDateTime from, TDateTime to) { Log("day", from, to); });
        calendar->SetOnMonthChange([this](TObject*, TDateTime from, TDateTime to) { Log("month", from, to); });
        calendar->SetOnDateChange([this](TObject*, TDateTime from, TDateTime to) { Log("date", from, to); });
        calendar->SetOnDaySelect([this](TObject*, TDateTime day) { selects.push_back(day); });
        form->Show();
        ProcessMessages();
    }
    void Log(const char* what, TDateTime from, TDateTime to) { events.push_back({what, from, to}); }
    void Move(TPoint p) {
        SimulateMouseMove(calendar->Handle(), p);
        ProcessMessages();
    }
    void Button(TPoint p, bool down) {
        SimulateMouseButton(calendar->Handle(), p, VK_LBUTTON, down);
        ProcessMessages();
    }
    void Click(TPoint p) {
        Move(p);
        Button(p, true);
        Button(p, false);
    }
    void Held(int vk, bool down) {
        SimulateKey(vk, down);
        ProcessMessages();
    }
    void CtrlClick(TPoint p) {
        Held(VK_CONTROL, true);
        Click(p);
        Held(VK_CONTROL, false);
    }
    void ShiftKey(int vk) {
        Held(VK_SHIFT, true);
        Key(vk);
        Held(VK_SHIFT, false);
    }
    std::vector<TDateTime> Selected() const {
        std::vector<TDateTime> days;
        for (int i = 0; i < calendar->SelectedDates()->Count(); ++i)
            days.push_back(calendar->SelectedDates()->Items(i)->Date());
        std::sort(days.begin(), days.end());
        return days;
    }
    // A point in the caption's month name (or year number).
    TPoint Caption(bool year) {
        TBitmap measure;
        measure.Canvas()->Font()->Assign(calendar->Font());
        const int tw = measure.Canvas()->TextWidth(calendar->CaptionText());
        const int gx = calendar->GridLeft(), start = (calendar->Width() - tw - gx) / 2 + gx;
        return TPoint(year ? start + tw - 4 : start + 4, 7);
    }
    // Opens a caption menu and answers it with the keys queued before.
    void ChooseFromMenu(bool year, std::vector<int> keys) {
        const TPoint at = Caption(year);
        SimulateMouseButton(calendar->Handle(), at, VK_LBUTTON, true);
        for (int vk : keys) {
            SimulateKey(vk, true);
            SimulateKey(vk, false);
        }
        ProcessMessages();
        Button(at, false);
    }
    struct Event {
        AnsiString what;
        TDateTime from, to;
        bool operator==(const Event&) const = default;
    };
    std::vector<Event> events;
    std::vector<TDateTime> selects;
};

TEST_F(CalendarInputTest, ClickingDays) {
    // December 2026 starts on a Tuesday: the first row leads with 29 and 30 November.
    Click(Middle(D(2026, 11, 30)));
    EXPECT_EQ(calendar->Date(), D(2026, 11, 30));
    EXPECT_EQ(calendar->FocusDate(), D(2026, 11, 30));
    EXPECT_EQ(calendar->CaptionText(), ShortMonthNames[10] + " 2026");
    EXPECT_EQ(Selected(), std::vector<TDateTime>{D(2026, 11, 30)});
    EXPECT_EQ(selects, std::vector<TDateTime>{D(2026, 11, 30)});
    EXPECT_EQ(events, (std::vector<Event>{{"day", D(2026, 12, 10), D(2026, 11, 30)},
                                          {"month", D(2026, 12, 10), D(2026, 11, 30)}}));

    calendar->SetMultiSelect(true);
    calendar->GotoDate(D(2026, 12, 10));
    Click(Middle(D(2026, 12, 10)));
    CtrlClick(Middle(D(2026, 12, 12)));
    EXPECT_EQ(Selected(), (std::vector<TDateTime>{D(2026, 12, 10), D(2026, 12, 12)}));
    EXPECT_EQ(calendar->Date(), D(2026, 12, 12));
    events.clear();
    CtrlClick(Middle(D(2026, 12, 10)));
    EXPECT_EQ(Selected(), std::vector<TDateTime>{D(2026, 12, 12)}) << "Ctrl+click on a selected day removes it";
    EXPECT_EQ(events, (std::vector<Event>{{"day", D(2026, 12, 10), D(2026, 12, 12)}}));
}

TEST_F(CalendarInputTest, DraggingARangeAndBack) {
    calendar->SetMultiSelect(true);
    Click(Middle(D(2026, 12, 3)));
    CtrlClick(Middle(D(2026, 12, 9)));
    Held(VK_CONTROL, true);
    Move(Middle(D(2026, 12, 7)));
    Button(Middle(D(2026, 12, 7)), true);
    Held(VK_CONTROL, false);
    Move(Middle(D(2026, 12, 11)));
    EXPECT_EQ(Selected(), (std::vector<TDateTime>{D(2026, 12, 3), D(2026, 12, 7), D(2026, 12, 8), D(2026, 12, 9),
                                                  D(2026, 12, 10), D(2026, 12, 11)}));
    Move(Middle(D(2026, 12, 8)));
    Button(Middle(D(2026, 12, 8)), false);
    EXPECT_EQ(Selected(), (std::vector<TDateTime>{D(2026, 12, 3), D(2026, 12, 7), D(2026, 12, 8)}))
        << "the day Ctrl+clicked inside the range went with it";
    Move(Middle(D(2026, 12, 20)));
    EXPECT_EQ(Selected().size(), 3u) << "the drag ended with the button";
}

TEST_F(CalendarInputTest, WeekdayColumns) {
    calendar->SetMultiSelect(true);
    calendar->SetAllDaySelect(true);
    int notices = 0;
    calendar->SetOnAllDaySelect([&](TObject*) { ++notices; });
    const TPoint wednesday(Middle(D(2026, 12, 2)).x, calendar->RowHeight() + 8);
    Click(Middle(D(2026, 12, 10)));
    Click(wednesday);
    // The column of 2 December: 2, 9, 16, 23, 30 December and 6 January.
    EXPECT_EQ(Selected(), (std::vector<TDateTime>{D(2026, 12, 2), D(2026, 12, 9), D(2026, 12, 16), D(2026, 12, 23),
                                                  D(2026, 12, 30), D(2027, 1, 6)}));
    Held(VK_CONTROL, true);
    Click(wednesday);
    Held(VK_CONTROL, false);
    EXPECT_TRUE(Selected().empty()) << "Ctrl+click on a fully selected column";
    EXPECT_EQ(notices, 2);
}

TEST_F(CalendarInputTest, BrowsersAndTheTodayLine) {
    struct Case {
        int x;
        TDateTime expected;
    };
    const int w = calendar->Width(), gx = calendar->GridLeft();
    for (const Case& c : {Case{gx + 10, D(2025, 12, 10)}, Case{gx + 30, D(2026, 11, 10)},
                          Case{w - 27, D(2027, 1, 10)}, Case{w - 10, D(2027, 12, 10)}}) {
        calendar->GotoDate(D(2026, 12, 10));
        Click(TPoint(c.x, 7));
        EXPECT_EQ(calendar->Date(), c.expected) << c.x;
    }
    calendar->SetEnable(false);
    Click(TPoint(w - 10, 7));
    EXPECT_EQ(calendar->Date(), D(2027, 12, 10)) << "a disabled calendar ignores the browsers";
    calendar->SetEnable(true);

    calendar->SetShowGotoToday(true);
    ProcessMessages();
    events.clear();
    selects.clear();
    Click(TPoint(calendar->GridLeft() + 10, calendar->Height() - 8));
    EXPECT_EQ(calendar->Date(), D(2026, 12, 10));
    EXPECT_EQ(Selected(), std::vector<TDateTime>{D(2026, 12, 10)});
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events[0], (Event{"day", D(2027, 12, 10), D(2026, 12, 10)}));
    EXPECT_EQ(events[1], (Event{"date", D(2027, 12, 10), D(2026, 12, 10)}));
    EXPECT_FALSE(selects.empty());
}

TEST_F(CalendarInputTest, Keys) {
    calendar->SetMultiSelect(false);
    Click(Middle(D(2026, 12, 10)));
    Key(VK_RIGHT);
    Key(VK_SPACE, " ");
    EXPECT_EQ(Selected(), std::vector<TDateTime>{D(2026, 12, 11)}) << "the only selected day";
    Key(VK_SPACE, " ");
    EXPECT_TRUE(Selected().empty());

    calendar->SetMultiSelect(true);
    Click(Middle(D(2026, 12, 10)));
    for (int i = 0; i < 3; ++i) ShiftKey(VK_RIGHT);
    EXPECT_EQ(Selected(), (std::vector<TDateTime>{D(2026, 12, 10), D(2026, 12, 11), D(2026, 12, 12), D(2026, 12, 13)}));
    ShiftKey(VK_LEFT);
    EXPECT_EQ(Selected(), (std::vector<TDateTime>{D(2026, 12, 10), D(2026, 12, 11), D(2026, 12, 12)}));
    Key(VK_SPACE, " ");
    EXPECT_EQ(Selected(), (std::vector<TDateTime>{D(2026, 12, 10), D(2026, 12, 11)}));
    Key(VK_SPACE, " ");
    EXPECT_EQ(Selected().size(), 3u) << "with MultiSelect Space adds to the selection";

    calendar->SetDay(20);
    Key(VK_DOWN);
    Click(Middle(D(2026, 12, 4)));
    Key(VK_ESCAPE);
    EXPECT_EQ(calendar->Date(), D(2026, 12, 20)) << "the date last set through its parts";

    calendar->GotoDate(D(2027, 1, 31));
    events.clear();
    Key(VK_NEXT);
    EXPECT_EQ(calendar->Date(), D(2027, 2, 28));
    EXPECT_EQ(events, (std::vector<Event>{{"date", D(2027, 1, 31), D(2027, 2, 28)},
                                          {"day", D(2027, 1, 31), D(2027, 2, 28)},
                                          {"month", D(2027, 1, 31), D(2027, 2, 28)}}));

    TDateTime cancelled = 0;
    calendar->SetOnCancelledChange([&](TObject*, TDateTime d) { cancelled = d; });
    calendar->SetShowDaysAfter(false);
    Key(VK_DOWN);
    EXPECT_EQ(cancelled, D(2027, 3, 7));
    EXPECT_EQ(calendar->Date(), D(2027, 2, 28));
}

TEST_F(CalendarInputTest, MonthAndYearMenus) {
    calendar->MinDate()->SetDay(15);
    calendar->MinDate()->SetMonth(3);
    calendar->MinDate()->SetYear(2026);
    calendar->MinDate()->SetUse(true);
    calendar->GotoDate(D(2026, 3, 20));
    ProcessMessages();
    ChooseFromMenu(false, {VK_DOWN, VK_RETURN});
    EXPECT_EQ(calendar->Date(), D(2026, 3, 20)) << "January is greyed";
    ChooseFromMenu(false, {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_EQ(calendar->Date(), D(2026, 3, 15)) << "March, from its first day in bounds";
    ChooseFromMenu(false, {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_EQ(calendar->Date(), D(2026, 4, 1));

    calendar->MinDate()->SetUse(false);
    calendar->GotoDate(D(2008, 2, 29));
    ProcessMessages();
    events.clear();
    ChooseFromMenu(true, {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_EQ(calendar->Date(), D(2009, 2, 28)) << "the menu of 2008 runs from 2004";
    EXPECT_EQ(calendar->CaptionText(), ShortMonthNames[1] + " 2009");
}

TEST_F(CalendarInputTest, HoverAndHints) {
    calendar->SetEventHints(true);
    calendar->SetHintNextMonth("下个月");
    calendar->EventItems()->AddEventRangeWithHint("取机", evsCircle, clRed, D(2026, 12, 15), D(2026, 12, 15));
    Move(Middle(D(2026, 12, 15)));
    EXPECT_EQ(calendar->HoverDate(), D(2026, 12, 15));
    THintInfo info;
    calendar->Perform(CM_HINTSHOW, 0, LPARAM(&info));
    EXPECT_EQ(info.HintStr, "取机");
    const TPoint cell = calendar->DateToCell(D(2026, 12, 15));
    EXPECT_EQ(info.HintPos, calendar->ClientToScreen(TPoint(cell.x * calendar->CellWidth(),
                                                            calendar->RowHeight() * (cell.y - 1) + 16)));

    Move(TPoint(calendar->Width() - 27, 7));
    EXPECT_EQ(calendar->Cursor(), crHandPoint);
    info = THintInfo();
    calendar->Perform(CM_HINTSHOW, 0, LPARAM(&info));
    EXPECT_EQ(info.HintStr, "下个月");
    calendar->Perform(CM_MOUSELEAVE, 0, 0);
    Move(Middle(D(2026, 12, 16)));
    EXPECT_EQ(calendar->Cursor(), crDefault);
    EXPECT_EQ(calendar->HoverDate(), D(2026, 12, 16));
}

TEST_F(CalendarInputTest, ACalendarTooNarrowForACellAnswersNoHover) {
    calendar->SetBounds(10, 10, 10, 208);
    ProcessMessages();
    EXPECT_EQ(calendar->CellWidth(), 0);
    for (int y : {40, 100, 150}) Move(TPoint(5, y));
    EXPECT_EQ(calendar->HoverDate(), 0);
}

}  // namespace
