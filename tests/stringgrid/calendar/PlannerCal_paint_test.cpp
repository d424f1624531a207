// Painting the month calendar, read back from the screen: the background
// picture against the gradients, a month gradient with one colour, a
// selected event day, OnCellDraw in place of the numbers, the look
// presets; and the picture of a dressed-up calendar for review.
#include "platform/ui/colors.h"
#include "tests/stringgrid/calendar/calendar_fixture.h"
#include "tests/support/temp_dir.h"

namespace {

using CalendarPaintTest = CalendarTest;

TEST_F(CalendarPaintTest, GradientsUnlessAPictureIsSet) {
    calendar->SetGradientStartColor(clRed);
    calendar->SetGradientEndColor(clRed);
    calendar->SetGradientDirection(gdHorizontal);
    form->Show();
    EXPECT_EQ(Pixel(120, 200), ColorToRGB(clRed));
    // A month gradient with its start colour alone is not drawn, but the
    // body gradient starts below the weekday band all the same.
    calendar->SetMonthGradientStartColor(clBlue);
    EXPECT_EQ(Pixel(60, 5), ColorToRGB(calendar->Color()));
    EXPECT_EQ(Pixel(120, 200), ColorToRGB(clRed));

    TBitmap picture;
    picture.SetSize(400, 400);
    picture.Canvas()->Brush()->SetColor(clGreen);
    picture.Canvas()->FillRect(TRect(0, 0, 400, 400));
    TBavImage image;
    TMemoryStream bytes;
    picture.SaveToStream(&bytes);
    bytes.SetPosition(0);
    image.LoadFromStream(&bytes);
    calendar->SetBackground(&image);
    EXPECT_EQ(Pixel(120, 200), ColorToRGB(clGreen)) << "one copy, clipped, and no gradient";
}

TEST_F(CalendarPaintTest, ASelectedEventDayShowsNoMarkerAndItsNumberInTheSelectionColour) {
    calendar->SetGradientStartColor(clCalendarNone);
    calendar->SetColor(clWhite);
    calendar->SetDateSelectColor(clTeal);
    calendar->EventItems()->AddEventRange(evsRectangle, clYellow, D(2026, 12, 15), D(2026, 12, 16));
    calendar->GotoDate(D(2026, 12, 15));
    form->Show();
    ProcessMessages();
    const TPoint selected = Middle(D(2026, 12, 15)), marked = Middle(D(2026, 12, 16));
    EXPECT_EQ(Pixel(marked.x - 9, marked.y - 5), ColorToRGB(clYellow));
    int white = 0, yellow = 0;
    for (int dx = -12; dx <= 12; ++dx)
        for (int dy = -8; dy <= 8; ++dy) {
            const COLORREF c = Pixel(selected.x + dx, selected.y + dy);
            white += c == ColorToRGB(clWhite);
            yellow += c == ColorToRGB(clYellow);
        }
    EXPECT_EQ(yellow, 0) << "the selection covers the marker";
    EXPECT_GT(white, 5) << "the number in the selection's font colour";
    EXPECT_EQ(Pixel(selected.x - 12, selected.y - 8), ColorToRGB(clTeal));
}

TEST_F(CalendarPaintTest, OnCellDrawTakesThePlaceOfTheNumbers) {
    calendar->SetGradientStartColor(clCalendarNone);
    calendar->SetColor(clWhite);
    int cells = 0, inMonth = 0;
    calendar->SetOnCellDraw([&](TObject*, TCanvas*, TDateTime, bool selected, bool, bool in, TRect) {
        ++cells;
        inMonth += in;
        EXPECT_FALSE(selected);
    });
    form->Show();
    ProcessMessages();
    EXPECT_EQ(inMonth % 31, 0);
    EXPECT_EQ(cells % 42, 0);
    EXPECT_GT(cells, 0);
    // No number was written: the first of the month stays white.
    const TPoint first = Middle(D(2026, 12, 1));
    for (int dx = -3; dx <= 3; ++dx) EXPECT_EQ(Pixel(first.x + dx, first.y), ColorToRGB(clWhite));
}

TEST_F(CalendarPaintTest, LookPresets) {
    calendar->ApplyLookPreset(2);
    EXPECT_EQ(calendar->GradientStartColor(), TColor(0xFCE1CB));
    EXPECT_EQ(calendar->DateDownColor(), TColor(0x087FE8));
    EXPECT_FALSE(calendar->Line3D());
    const TColor before = calendar->DateSelectColor();
    calendar->ApplyLookPreset(11);
    EXPECT_EQ(calendar->DateSelectColor(), before);
    EXPECT_EQ(calendar->LookPreset(), 11);
    calendar->ApplyLookPreset(7);
    EXPECT_EQ(calendar->Color(), TColor(0xFFD9B3));
    calendar->SetComponentStyle(8);  // no preset
    EXPECT_EQ(calendar->LookPreset(), 7);
    calendar->SetComponentStyle(4);
    EXPECT_EQ(calendar->LookPreset(), 9);
    EXPECT_EQ(calendar->GradientDirection(), gdVertical);
    EXPECT_EQ(TPlannerCalendar::CurrentThemeScheme(), 4) << "the library is there, visual styles are off";
    SetThemeActive(TRUE);
    EXPECT_EQ(TPlannerCalendar::CurrentThemeScheme(), 1);
    calendar->SetAutoThemeAdapt(true);
    EXPECT_EQ(calendar->LookPreset(), 2);
    SetThemeActive(FALSE);
}

TEST_F(CalendarPaintTest, APictureOfTheCalendar) {
    calendar->SetShowWeeks(true);
    calendar->SetShowGotoToday(true);
    calendar->SetShowToday(true);
    calendar->SetStartDay(1);
    calendar->YearStartAt()->SetISOWeekNumber(true);
    calendar->SetWeekName("周");
    calendar->ApplyLookPreset(2);
    calendar->SetMultiSelect(true);
    calendar->SelectedDates()->AddRange(D(2026, 12, 21), D(2026, 12, 23));
    const TEventShape shapes[] = {evsRectangle, evsCircle, evsSquare, evsTriangle};
    for (int i = 0; i < 4; ++i)
        calendar->EventItems()->AddEventRange(shapes[i], TColor(0x00C0FF), D(2026, 12, 1 + 2 * i), D(2026, 12, 1 + 2 * i));
    form->Show();
    ProcessMessages();
    EXPECT_TRUE(SaveWindowScreenshot(form->Handle(), ScreenshotDir() + "planner-calendar.png"));
}

}  // namespace
