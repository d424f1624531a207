// The month calendar's model: construction and loading, the date parts,
// stepping months and years within the bounds, the month grid's geometry,
// positions and cells, week numbers and event days.
#include "stringgrid/calendar/PlannerCal.h"
#include "stringgrid/calendar/PlannerCalDates.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/format.h"
#include "platform/rtl/sysutils.h"
#include "platform/win/messages.h"
#include "platform/win/userinput.h"
#include "platform/win/winpaint.h"
#include "stringgrid/themes/BavXPVS.h"

using plannercal::Decode;
using plannercal::Ymd;

namespace {

constexpr int kGridTop = 16;

// Moves month by delta (-1, 0 or +1), wrapping the year.
void StepMonth(int& month, int& year, int delta) {
    month += delta;
    if (month < 1) {
        month = 12;
        --year;
    } else if (month > 12) {
        month = 1;
        ++year;
    }
}

}  // namespace

void TCustomCalendarPanel::SetEventDayColor(TColor value) {
    eventDayColor_ = value;
    Changed();
}

void TCustomCalendarPanel::SetEventMarkerColor(TColor value) {
    eventMarkerColor_ = value;
    Changed();
}

void TCustomCalendarPanel::SetEventMarkerShape(TEventShape value) {
    eventMarkerShape_ = value;
    Changed();
}

void TCustomCalendarPanel::Changed() { Invalidate(); }

void TCustomCalendarPanel::Published(TPublished<TCustomCalendarPanel>& p) {
    p.Property("EventDayColor", &TCustomCalendarPanel::EventDayColor, &TCustomCalendarPanel::SetEventDayColor)
        .TypeName("TColor")
        .Default(0);
    p.Property("EventMarkerColor", &TCustomCalendarPanel::EventMarkerColor, &TCustomCalendarPanel::SetEventMarkerColor)
        .TypeName("TColor")
        .Default(clYellow);
    p.Property("EventMarkerShape", &TCustomCalendarPanel::EventMarkerShape, &TCustomCalendarPanel::SetEventMarkerShape)
        .Default(evsCircle);
}

TPlannerCalendar::TPlannerCalendar(TComponent* owner) : TCustomCalendarPanel(owner) {
    SetControlStyle(ControlStyle() - TControlStyle{csAcceptsControls});
    nameOfDays_ = std::make_unique<TNameOfDays>();
    nameOfMonths_ = std::make_unique<TNameOfMonths>();
    nameOfDays_->SetOnChange(TNotifyEvent(this, &TPlannerCalendar::NamesChanged));
    nameOfMonths_->SetOnChange(TNotifyEvent(this, &TPlannerCalendar::NamesChanged));
    yearStartAt_ = std::make_unique<TYearStartAt>(this);
    yearStartAt_->SetOnChange(TNotifyEvent(this, &TPlannerCalendar::YearStartChanged));
    dayFont_ = std::make_unique<TFont>();
    weekFont_ = std::make_unique<TFont>();
    inActiveDays_ = std::make_unique<TWeekDays>();
    inActiveDays_->SetOnChanged(TNotifyEvent(this, &TPlannerCalendar::PropsChanged));
    minDate_ = std::make_unique<TMinMaxDate>(this);
    maxDate_ = std::make_unique<TMinMaxDate>(this);
    selectedDates_ = std::make_unique<TSelDateItems>(this);
    events_ = std::make_unique<TSelDateItems>(this, TEventProp::StaticClass());
    background_ = std::make_unique<TBavImage>();
    background_->SetOnChange(TNotifyEvent(this, &TPlannerCalendar::PropsChanged));
    browsers_ = std::make_unique<TCalendarBrowsers>();
    browsers_->SetOnChange(TNotifyEvent(this, &TPlannerCalendar::NamesChanged));
    glyphs_ = std::make_unique<TCalGlyphs>(this);
    if (ComponentState().Contains(csDesigning)) {
        weekName_ = "Wk";
        hintPrevYear_ = "Previous Year";
        hintPrevMonth_ = "Previous Month";
        hintNextMonth_ = "Next Month";
        hintNextYear_ = "Next Year";
    }
    focusDate_ = date_ = ::Date();
    ChangeMonth(0);
    SetBounds(Left(), Top(), 180, 180);
    SetBorderWidth(1);
    SetBevelOuter(bvNone);
    SetTabStop(false);
    const Ymd today = Decode(focusDate_);
    day_ = today.day;
    month_ = today.month;
    year_ = today.year;
    savedDate_ = date_;
    SetCaption("");
    for (TFont* font : {Font(), dayFont_.get(), weekFont_.get()})
        font->SetOnChange(TNotifyEvent(this, &TPlannerCalendar::FontChanged));
    SetDoubleBuffered(true);
}

TPlannerCalendar::~TPlannerCalendar() = default;

void TPlannerCalendar::Loaded() {
    TCustomCalendarPanel::Loaded();
    focusDate_ = date_ = EncodeDate(year_, month_, day_);
    savedDate_ = date_;
    nameOfDays_->SetUseIntlNames(nameOfDays_->UseIntlNames());
    nameOfMonths_->SetUseIntlNames(nameOfMonths_->UseIntlNames());
    savedCursor_ = Cursor();
    UpdateCaption();
    if (autoThemeAdapt_ && !ComponentState().Contains(csDesigning)) AdaptToTheme();
}

void TPlannerCalendar::ReadState(TReader* reader) {
    day_ = month_ = 1;
    year_ = 1;
    TCustomCalendarPanel::ReadState(reader);
}

Word TPlannerCalendar::Day() const { return Decode(date_).day; }
Word TPlannerCalendar::Month() const { return Decode(date_).month; }
Word TPlannerCalendar::Year() const { return Decode(date_).year; }

void TPlannerCalendar::SetDatePart(DatePart part, Word value) {
    if (!Loading()) {
        const Ymd d = Decode(date_);
        day_ = d.day;
        month_ = d.month;
        year_ = d.year;
    }
    Ymd next{year_, month_, day_};
    (part == dpDay ? next.day : part == dpMonth ? next.month : next.year) = value;
    try {
        SetDateParts(next.day, next.month, next.year);
    } catch (const Exception&) {
        if (!Loading()) throw;
    }
    (part == dpDay ? day_ : part == dpMonth ? month_ : year_) = value;
}

void TPlannerCalendar::SetDay(Word value) { SetDatePart(dpDay, value); }
void TPlannerCalendar::SetMonth(Word value) { SetDatePart(dpMonth, value); }
void TPlannerCalendar::SetYear(Word value) { SetDatePart(dpYear, value); }

void TPlannerCalendar::SetDateParts(Word day, Word month, Word year) {
    TDateTime date;
    if (!TryEncodeDate(year, month, day, date))
        throw Exception(Format("Invalid date %d/%d/%d", {Integer(day), Integer(month), Integer(year)}));
    const TDateTime old = date_;
    RepaintDate(old);
    focusDate_ = date_ = date;
    RepaintDate(old);
    UpdateCaption();
    savedDate_ = date_;
    selectedDates_->Clear();
    selectedDates_->Add()->SetDate(date_);
    Invalidate();
}

void TPlannerCalendar::GotoDate(TDateTime date) {
    const Ymd d = Decode(date);
    SetDateParts(d.day, d.month, d.year);
}

void TPlannerCalendar::GetDateParts(Word& day, Word& month, Word& year) const {
    const Ymd d = Decode(date_);
    day = d.day;
    month = d.month;
    year = d.year;
}

int TPlannerCalendar::DaysInMonth(int month, int year) {
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && (year % 400 == 0 || (year % 4 == 0 && year % 100 != 0))) return 29;
    return lengths[month - 1];
}

void TPlannerCalendar::UpdateCaption() {
    const Ymd d = Decode(focusDate_);
    caption_ = (nameOfMonths_->GetMonthName(d.month) + " " + IntToStr(d.year)).substr(0, 20);
}

void TPlannerCalendar::ChangeMonth(int delta) {
    const Ymd d = Decode(focusDate_);
    int month = d.month, year = d.year;
    StepMonth(month, year, delta);
    TDateTime result = EncodeDate(Word(year), Word(month), Word(std::min<int>(d.day, DaysInMonth(month, year))));
    if (!DateInRange(result)) {
        if (minDate_->InForce() && minDate_->Date() > result) result = minDate_->Date();
        if (maxDate_->InForce() && maxDate_->Date() < result) result = maxDate_->Date();
    }
    focusDate_ = date_ = result;
    UpdateCaption();
    Invalidate();
}

void TPlannerCalendar::ChangeYear(int delta) {
    const Ymd d = Decode(focusDate_);
    const int year = d.year + delta;
    const TDateTime result = EncodeDate(Word(year), d.month, Word(std::min<int>(d.day, DaysInMonth(d.month, year))));
    if (!DateInRange(result)) return;
    focusDate_ = date_ = result;
    UpdateCaption();
    RepaintAll();
}

bool TPlannerCalendar::DateInRange(TDateTime date) const {
    const double day = std::trunc(date);
    return !(minDate_->InForce() && day < minDate_->Date()) && !(maxDate_->InForce() && day > maxDate_->Date());
}

bool TPlannerCalendar::MonthInRange(TDateTime date) const {
    const double day = std::trunc(date);
    if (minDate_->InForce()) {
        const Ymd m = Decode(minDate_->Date());
        if (day < EncodeDate(m.year, m.month, 1)) return false;
    }
    if (maxDate_->InForce()) {
        const Ymd m = Decode(maxDate_->Date());
        if (day > EncodeDate(m.year, m.month, Word(DaysInMonth(m.month, m.year)))) return false;
    }
    return true;
}

// Month numbers alone are compared: December to January is a step back.
bool TPlannerCalendar::DateSelectable(TDateTime date) const {
    const int month = Decode(date).month, current = Decode(date_).month;
    return !((month > current && !showDaysAfter_) || (month < current && !showDaysBefore_));
}

void TPlannerCalendar::DoDateChanges(TDateTime newDate, TDateTime origDate) {
    const Ymd n = Decode(newDate), o = Decode(origDate);
    if (n.day != o.day && onDayChange_) onDayChange_(this, origDate, newDate);
    if (n.month != o.month) DoMonthChange(origDate, newDate);
    if (n.year != o.year) DoYearChange(origDate, newDate);
}

void TPlannerCalendar::DoMonthChange(TDateTime origDate, TDateTime newDate) {
    if (onMonthChange_) onMonthChange_(this, origDate, newDate);
}

void TPlannerCalendar::DoYearChange(TDateTime origDate, TDateTime newDate) {
    if (onYearChange_) onYearChange_(this, origDate, newDate);
}

bool TPlannerCalendar::IsInactiveDay(TDateTime date) const { return inActiveDays_->Has(DayOfWeek(date)); }

TDateTime TPlannerCalendar::StepMonthDate(int delta) const {
    const Ymd d = Decode(focusDate_);
    const TDateTime first = EncodeDate(d.year, d.month, 1);
    if (delta < 0) return first - 1;
    return first + DaysInMonth(d.month, d.year);
}

TDateTime TPlannerCalendar::StepYearDate(int delta) {
    const Ymd d = Decode(focusDate_);
    const int year = d.year + delta;
    UpdateISOYearStarts();
    return EncodeDate(Word(year), d.month, Word(std::min<int>(d.day, DaysInMonth(d.month, year))));
}

// ISO weeks start on the Monday of the week holding 4 January: counted
// from a day of that first week.
void TPlannerCalendar::UpdateISOYearStarts() {
    if (!yearStartAt_->ISOWeekNumber()) return;
    const auto startDay = [](int year) {
        static constexpr int byWeekday[] = {2, 1, 1, 1, 1, 4, 3};  // Sunday .. Saturday
        return byWeekday[DayOfWeek(EncodeDate(Word(year), 1, 1)) - 1];
    };
    const int year = Decode(date_).year;
    TYearStartAt& starts = *yearStartAt_;
    const TNotifyEvent quiet = starts.OnChange();
    starts.SetOnChange({});
    starts.SetStartMonth(1);
    starts.SetStartDay(startDay(year));
    starts.SetNextYearStartMonth(1);
    starts.SetNextYearStartDay(startDay(year + 1));
    starts.SetPrevYearStartMonth(1);
    starts.SetPrevYearStartDay(startDay(year - 1));
    starts.SetOnChange(quiet);
}

TDateTime TPlannerCalendar::YearStart(int day, int month, int year) {
    if (month == 12) --year;
    return EncodeDate(Word(year), Word(month), Word(std::min(day, DaysInMonth(month, year))));
}

int TPlannerCalendar::WeekNumber(int row) const {
    const Ymd f = Decode(focusDate_);
    const TDateTime first = EncodeDate(f.year, f.month, 1);
    int q = DayOfWeek(first) - startDay_;
    if (q < 1) q += 7;
    const TDateTime last = first + (7 - q) + 7 * (row - 1);
    const TYearStartAt& s = *yearStartAt_;
    const int y = f.year;
    const TDateTime thisStart = YearStart(s.StartDay(), s.StartMonth(), y);
    const TDateTime nextStart = YearStart(s.NextYearStartDay(), s.NextYearStartMonth(), y + 1);
    const TDateTime prevStart = YearStart(s.PrevYearStartDay(), s.PrevYearStartMonth(), y - 1);
    const int lastYear = Decode(last).year;
    const auto weeks = [&](TDateTime start) { return int(std::floor((last - start) / 7)) + 1; };
    if ((lastYear == y && last >= thisStart) || (last < nextStart && f.month == 12)) return weeks(thisStart);
    if (lastYear > y) return weeks(nextStart);
    return weeks(prevStart);
}

void TPlannerCalendar::UpdateGeometry() {
    const int columns = GridColCount();
    cw_ = std::max(0, (Width() - columns) / columns);
    rh_ = std::max(0, (Height() + 8) / GridRowCount());
    gx_ = showWeeks_ ? cw_ : BorderWidth();
}

int TPlannerCalendar::LeadDays() const { return LeadDaysOf(focusDate_); }

int TPlannerCalendar::LeadDaysOf(TDateTime date) const {
    const Ymd d = Decode(date);
    return ((DayOfWeek(EncodeDate(d.year, d.month, 1)) - startDay_ - 1) % 7 + 7) % 7;
}

TDateTime TPlannerCalendar::PointToDate(int xRel, int y, bool allowMonthStep) {
    mouseDownPoint_ = TPoint(xRel, y);
    int column = 0, row = 0;
    if (cw_ > 0 && rh_ > 0) {
        column = std::min(xRel / cw_, 6);
        row = std::min((y - kGridTop - rh_) / rh_, 5);
    }
    const Ymd d = Decode(date_);
    const int lead = LeadDaysOf(date_);
    int month = d.month, year = d.year;
    int day = column + 7 * row - lead + 1;
    if (day < 1) {
        StepMonth(month, year, -1);
        day += DaysInMonth(month, year);
        if (allowMonthStep && showDaysBefore_) ChangeMonth(-1);
    } else if (day > DaysInMonth(month, year)) {
        day -= DaysInMonth(month, year);
        StepMonth(month, year, +1);
        if (allowMonthStep && showDaysAfter_) ChangeMonth(+1);
    }
    return EncodeDate(Word(year), Word(month), Word(day));
}

TPoint TPlannerCalendar::DateToCell(TDateTime date) const {
    const Ymd f = Decode(focusDate_);
    const TDateTime first = EncodeDate(f.year, f.month, 1);
    const int n = int(std::lround(std::trunc(date) - (first - LeadDays()))) + 1;
    const int column = n % 7 == 0 ? 7 : n % 7;
    const int row = n / 7 + (n % 7 != 0 ? 1 : 0);
    return TPoint(column, row);
}

TRect TPlannerCalendar::DateCellRect(TDateTime date) const {
    const TPoint cell = DateToCell(date);
    const int left = (cell.x - 1) * cw_ + gx_, top = rh_ * cell.y + 14;
    return TRect(left, top, left + cw_ + 2, top + rh_);
}

void TPlannerCalendar::RepaintAll() {
    if (HandleAllocated()) InvalidateRect(Handle(), nullptr, FALSE);
}

void TPlannerCalendar::RepaintDate(TDateTime date) {
    if (!HandleAllocated()) return;
    const TRect r = DateCellRect(date);
    InvalidateRect(Handle(), &r, TRUE);
}

bool TPlannerCalendar::GetDateEvent(TSelDateItem*& item, TDateTime date) {
    item = nullptr;
    eventHint_.clear();
    bool isEvent = false;
    if (!events_->Visible()) return false;
    if (onGetDateHint_) onGetDateHint_(this, date, isEvent);
    if (eventHints_ && isEvent && onGetDateHintString_) onGetDateHintString_(this, date, isEvent, eventHint_);
    if (TSelDateItem* found = events_->FindDate(date)) {
        isEvent = true;
        item = found;
    }
    if (isEvent && onGetEventProp_) {
        // The handler may change the item without each change repainting.
        events_->BeginUpdate();
        TEventProp* prop = static_cast<TEventProp*>(item);
        onGetEventProp_(this, date, prop);
        events_->ReleaseUpdate();
    }
    return isEvent;
}

void TPlannerCalendar::SetAutoThemeAdapt(bool v) {
    Store(autoThemeAdapt_, v);
    if (v && !ComponentState().Contains(csDesigning)) AdaptToTheme();
}

void TPlannerCalendar::SetBackground(TBavImage* v) { background_->Assign(v); }

void TPlannerCalendar::SetCaptionColor(TColor v) {
    if (v == captionColor_) return;
    Store(captionColor_, v);
}

void TPlannerCalendar::SetMultiSelect(bool v) {
    multiSelect_ = v;
    if (!v) selectedDates_->Clear();
    Invalidate();
}

void TPlannerCalendar::SetShowWeeks(bool v) {
    showWeeks_ = v;
    if (v)
        gx_ = Width() / 8;
    else if (!Loading())
        gx_ = 0;
    Invalidate();
}

void TPlannerCalendar::SetStartDay(Integer v) { Store(startDay_, std::clamp<Integer>(v, 1, 7)); }

void TPlannerCalendar::NamesChanged(TObject* /*sender*/) {
    UpdateCaption();
    Invalidate();
}

void TPlannerCalendar::YearStartChanged(TObject* /*sender*/) { Changed(); }

void TPlannerCalendar::PropsChanged(TObject* /*sender*/) {
    Invalidate();
    Changed();
}

void TPlannerCalendar::FontChanged(TObject* /*sender*/) {
    Canvas()->Font()->Assign(Font());
    RepaintAll();
}

void TPlannerCalendar::WndProc(TMessage& message) {
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;  // the control paints all of itself
        return;
    }
    switch (message.Msg) {
    case CM_HINTSHOW:
        if (!eventHints_ && browserHint_.empty()) break;
        HintShow(*reinterpret_cast<THintInfo*>(message.LParam));
        message.Result = 0;
        return;
    case WM_COMMAND:
        if (message.LParam == 0) MenuCommand(LOWORD(message.WParam));
        break;
    case WM_LBUTTONDBLCLK:
        rangeDrag_ = false;
        break;
    case CM_MOUSELEAVE:
        MouseLeave();
        break;
    default:
        break;
    }
    TCustomCalendarPanel::WndProc(message);
    if (message.Msg == WM_KEYDOWN && enable_) KeyDownMessage(message);
    if ((message.Msg == WM_THEMECHANGED || message.Msg == CM_SYSFONTCHANGED) && autoThemeAdapt_) AdaptToTheme();
    if (message.Msg == CM_WANTSPECIALKEY &&
        (message.WParam == VK_LEFT || message.WParam == VK_UP || message.WParam == VK_RIGHT || message.WParam == VK_DOWN))
        message.Result = 1;
}

void TPlannerCalendar::Published(TPublished<TPlannerCalendar>& p) {
    using C = TPlannerCalendar;
    p.Property("AllDaySelect", &C::AllDaySelect, &C::SetAllDaySelect).Default(false);
    p.Property("AutoThemeAdapt", &C::AutoThemeAdapt, &C::SetAutoThemeAdapt).Default(false);
    p.Property("Background", &C::Background, &C::SetBackground);
    p.Property("BackgroundPosition", &C::BackgroundPosition, &C::SetBackgroundPosition).Default(bpTiled);
    p.Property("BorderXP", &C::BorderXP, &C::SetBorderXP).Default(true);
    p.Property("Browsers", &C::Browsers, &C::SetBrowsers);
    p.Property("Caption3D", &C::Caption3D, &C::SetCaption3D).Default(false);
    p.Property("CaptionColor", &C::CaptionColor, &C::SetCaptionColor).TypeName("TColor").Default(clCalendarNone);
    p.Property("CaptionTextColor", &C::CaptionTextColor, &C::SetCaptionTextColor).TypeName("TColor").Default(clBlack);
    p.Property("DateDownColor", &C::DateDownColor, &C::SetDateDownColor).TypeName("TColor").Default(clCalendarNone);
    p.Property("DateHoverColor", &C::DateHoverColor, &C::SetDateHoverColor).TypeName("TColor").Default(clCalendarNone);
    p.Property("DateSelectColor", &C::DateSelectColor, &C::SetDateSelectColor).TypeName("TColor").Default(clTeal);
    p.Property("Day", [](C* c) { return Integer(c->Day()); }, [](C* c, Integer v) { c->SetDay(Word(v)); }).Default(1);
    p.Property("DayFont", &C::DayFont, &C::SetDayFont);
    p.Property("Enable", &C::Enable, &C::SetEnable).Default(true);
    p.Property("EventHints", &C::EventHints, &C::SetEventHints).Default(false);
    p.Property("FocusColor", &C::FocusColor, &C::SetFocusColor).TypeName("TColor").Default(clHighlight);
    p.Property("Glyphs", &C::Glyphs, &C::SetGlyphs);
    p.Property("GradientStartColor", &C::GradientStartColor, &C::SetGradientStartColor).TypeName("TColor").Default(clWhite);
    p.Property("GradientEndColor", &C::GradientEndColor, &C::SetGradientEndColor).TypeName("TColor").Default(clBtnFace);
    p.Property("GradientDirection", &C::GradientDirection, &C::SetGradientDirection).Default(gdVertical);
    p.Property("HeaderColor", &C::HeaderColor, &C::SetHeaderColor).TypeName("TColor").Default(clCalendarNone);
    p.Property("HintPrevYear", &C::HintPrevYear, &C::SetHintPrevYear);
    p.Property("HintPrevMonth", &C::HintPrevMonth, &C::SetHintPrevMonth);
    p.Property("HintNextMonth", &C::HintNextMonth, &C::SetHintNextMonth);
    p.Property("HintNextYear", &C::HintNextYear, &C::SetHintNextYear);
    p.Property("InActiveColor", &C::InActiveColor, &C::SetInActiveColor).TypeName("TColor").Default(clGray);
    p.Property("InActiveDays", &C::InActiveDays, &C::SetInActiveDays);
    p.Property("InversColor", &C::InversColor, &C::SetInversColor).TypeName("TColor").Default(clTeal);
    p.Property("Line3D", &C::Line3D, &C::SetLine3D).Default(true);
    p.Property("LineColor", &C::LineColor, &C::SetLineColor).TypeName("TColor").Default(clGray);
    p.Property("Look", &C::Look, &C::SetLook).Default(lookFlat);
    p.Property("MaxDate", &C::MaxDate, &C::SetMaxDate);
    p.Property("MinDate", &C::MinDate, &C::SetMinDate);
    p.Property("Month", [](C* c) { return Integer(c->Month()); }, [](C* c, Integer v) { c->SetMonth(Word(v)); }).Default(1);
    p.Property("MonthGradientStartColor", &C::MonthGradientStartColor, &C::SetMonthGradientStartColor)
        .TypeName("TColor")
        .Default(clCalendarNone);
    p.Property("MonthGradientEndColor", &C::MonthGradientEndColor, &C::SetMonthGradientEndColor)
        .TypeName("TColor")
        .Default(clCalendarNone);
    p.Property("MonthGradientDirection", &C::MonthGradientDirection, &C::SetMonthGradientDirection).Default(gdHorizontal);
    p.Property("MultiSelect", &C::MultiSelect, &C::SetMultiSelect).Default(false);
    p.Property("MultiSelectCtrlKey", &C::MultiSelectCtrlKey, &C::SetMultiSelectCtrlKey).Default(false);
    p.Property("NameOfDays", &C::NameOfDays, &C::SetNameOfDays);
    p.Property("NameOfMonths", &C::NameOfMonths, &C::SetNameOfMonths);
    p.Property("ReturnIsSelect", &C::ReturnIsSelect, &C::SetReturnIsSelect).Default(false);
    p.Property("SelectColor", &C::SelectColor, &C::SetSelectColor).TypeName("TColor").Default(clTeal);
    p.Property("SelectFontColor", &C::SelectFontColor, &C::SetSelectFontColor).TypeName("TColor").Default(clWhite);
    p.Property("ShowDaysAfter", &C::ShowDaysAfter, &C::SetShowDaysAfter).Default(true);
    p.Property("ShowDaysBefore", &C::ShowDaysBefore, &C::SetShowDaysBefore).Default(true);
    p.Property("ShowGotoToday", &C::ShowGotoToday, &C::SetShowGotoToday).Default(false);
    p.Property("ShowMonthSelector", &C::ShowMonthSelector, &C::SetShowMonthSelector).Default(true);
    p.Property("ShowYearSelector", &C::ShowYearSelector, &C::SetShowYearSelector).Default(true);
    p.Property("ShowSelection", &C::ShowSelection, &C::SetShowSelection).Default(true);
    p.Property("ShowToday", &C::ShowToday, &C::SetShowToday).Default(false);
    p.Property("ShowWeeks", &C::ShowWeeks, &C::SetShowWeeks).Default(false);
    p.Property("StartDay", &C::StartDay, &C::SetStartDay).Default(7);
    p.Property("TextColor", &C::TextColor, &C::SetTextColor).TypeName("TColor").Default(clBlack);
    p.Property("TodayFormat", &C::TodayFormat, &C::SetTodayFormat);
    p.Property("TodayStyle", &C::TodayStyle, &C::SetTodayStyle).Default(tsSunken);
    p.Property("Version", &C::Version, &C::SetVersion);
    p.Property("WeekendColor", &C::WeekendColor, &C::SetWeekendColor).TypeName("TColor").Default(clBlack);
    p.Property("WeekFont", &C::WeekFont, &C::SetWeekFont);
    p.Property("WeekName", &C::WeekName, &C::SetWeekName);
    p.Property("WeekSelect", &C::WeekSelect, &C::SetWeekSelect).Default(false);
    p.Property("Year", [](C* c) { return Integer(c->Year()); }, [](C* c, Integer v) { c->SetYear(Word(v)); }).Default(1);
    p.Property("YearStartAt", &C::YearStartAt, &C::SetYearStartAt);
    p.Property("OnCellDraw", &C::OnCellDraw, &C::SetOnCellDraw);
    p.Property("OnDaySelect", &C::OnDaySelect, &C::SetOnDaySelect);
    p.Property("OnMonthSelect", &C::OnMonthSelect, &C::SetOnMonthSelect);
    p.Property("OnGetDateHint", &C::OnGetDateHint, &C::SetOnGetDateHint);
    p.Property("OnGetDateHintString", &C::OnGetDateHintString, &C::SetOnGetDateHintString);
    p.Property("OnGetEventProp", &C::OnGetEventProp, &C::SetOnGetEventProp);
    p.Property("OnDayChange", &C::OnDayChange, &C::SetOnDayChange);
    p.Property("OnMonthChange", &C::OnMonthChange, &C::SetOnMonthChange);
    p.Property("OnYearChange", &C::OnYearChange, &C::SetOnYearChange);
    p.Property("OnDateChange", &C::OnDateChange, &C::SetOnDateChange);
    p.Property("OnCancelledChange", &C::OnCancelledChange, &C::SetOnCancelledChange).TypeName("TCancelledChangeEvent");
    p.Property("OnWeekSelect", &C::OnWeekSelect, &C::SetOnWeekSelect);
    p.Property("OnAllDaySelect", &C::OnAllDaySelect, &C::SetOnAllDaySelect);
}

namespace {

// The unit's start and end: the class registered for streaming, the
// visual-styles library loaded for the calendar's own use.
struct UnitStart {
    UnitStart() {
        RegisterClass(TPlannerCalendar::StaticClass());
        xpvs::LoadThemeLibrary();
    }
    ~UnitStart() { xpvs::FreeThemeLibrary(); }
} const unitStart;

}  // namespace
