// The month calendar's answers to the user: clicks on days, weekday
// columns, weeks, the browser arrows, the caption menus and the today line;
// range drags; hover looks and hints; the keyboard's moves and selections.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/rtl/sysutils.h"
#include "platform/ui/forms.h"
#include "platform/win/messages.h"
#include "platform/win/userinput.h"
#include "platform/win/winmenu.h"
#include "platform/win/winpaint.h"
#include "stringgrid/calendar/PlannerCal.h"
#include "stringgrid/calendar/PlannerCalDates.h"

using plannercal::Decode;
using plannercal::Ymd;

namespace {

constexpr int kGridTop = 16;
constexpr UINT kFirstYearId = 16;

bool Held(int vk) { return GetKeyState(vk) < 0; }

// The same day in `year`; 29 February becomes 28 where the year has none.
TDateTime SameDayIn(TDateTime date, int year) {
    const Ymd d = Decode(date);
    return EncodeDate(Word(year), d.month,
                      Word(std::min<int>(d.day, TPlannerCalendar::DaysInMonth(d.month, year))));
}

}  // namespace

// ---- Browsers ----------------------------------------------------------------------

bool TPlannerCalendar::Shown(Browser browser) const {
    switch (browser) {
    case Browser::prevYear: return browsers_->PrevYear();
    case Browser::prevMonth: return browsers_->PrevMonth();
    case Browser::nextMonth: return browsers_->NextMonth();
    case Browser::nextYear: return browsers_->NextYear();
    case Browser::none: break;
    }
    return false;
}

bool& TPlannerCalendar::HoverFlag(Browser browser) {
    switch (browser) {
    case Browser::prevYear: return hover_.prevYear;
    case Browser::prevMonth: return hover_.prevMonth;
    case Browser::nextMonth: return hover_.nextMonth;
    case Browser::nextYear: break;
    case Browser::none: break;
    }
    return hover_.nextYear;
}

TDateTime TPlannerCalendar::StepDate(Browser browser) {
    switch (browser) {
    case Browser::prevYear: return StepYearDate(-1);
    case Browser::prevMonth: return StepMonthDate(-1);
    case Browser::nextMonth: return StepMonthDate(+1);
    case Browser::nextYear: break;
    case Browser::none: break;
    }
    return StepYearDate(+1);
}

const AnsiString& TPlannerCalendar::HintOf(Browser browser) const {
    switch (browser) {
    case Browser::prevYear: return hintPrevYear_;
    case Browser::prevMonth: return hintPrevMonth_;
    case Browser::nextMonth: return hintNextMonth_;
    case Browser::nextYear: break;
    case Browser::none: break;
    }
    return hintNextYear_;
}

// Where each arrow or glyph answers the pointer; the month browsers move 20
// pixels outwards into the place of a year browser that is off.
TPlannerCalendar::BrowserSpan TPlannerCalendar::SpanOf(Browser browser) const {
    const bool previous = browser == Browser::prevYear || browser == Browser::prevMonth;
    TBitmap* own = browser == Browser::prevYear    ? glyphs_->PrevYear()
                   : browser == Browser::prevMonth ? glyphs_->PrevMonth()
                   : browser == Browser::nextMonth ? glyphs_->NextMonth()
                                                   : glyphs_->NextYear();
    const int w = own->Empty() ? 0 : own->Width();
    BrowserSpan span;
    span.bottom = own->Empty() ? 15 : own->Height();
    const int width = Width();
    switch (browser) {
    case Browser::prevYear:
        span.left = 5;
        span.right = w ? w + 5 : 15;
        break;
    case Browser::nextYear:
        span.left = w ? width - (w + 5) : width - 15;
        span.right = width - 5;
        break;
    case Browser::prevMonth:
    case Browser::nextMonth: {
        const bool yearShown = previous ? browsers_->PrevYear() : browsers_->NextYear();
        TBitmap* yearGlyph = previous ? glyphs_->PrevYear() : glyphs_->NextYear();
        const int wy = yearShown && !yearGlyph->Empty() ? yearGlyph->Width() : 0;
        if (previous) {
            span.left = wy && w ? wy + 10 : 25;
            span.right = wy && w ? wy + w + 10 : w ? w + 25 : wy ? wy + 25 : 35;
        } else {
            span.left = wy && w ? width - (wy + w + 10) : w ? width - (w + 25) : wy ? width - (wy + 15) : width - 30;
            span.right = wy ? width - (wy + 10) : width - 25;
        }
        if (!yearShown) {
            span.left += previous ? -20 : 20;
            span.right += previous ? -20 : 20;
        }
        break;
    }
    case Browser::none: break;
    }
    if (previous) {
        span.left += gx_;
        span.right += gx_;
    }
    return span;
}

TPlannerCalendar::Browser TPlannerCalendar::BrowserAt(int x, int y) const {
    if (!enable_) return Browser::none;
    for (Browser b : {Browser::prevYear, Browser::prevMonth, Browser::nextMonth, Browser::nextYear}) {
        if (!Shown(b)) continue;
        const BrowserSpan span = SpanOf(b);
        if (span.left < x && x < span.right && 0 < y && y < span.bottom) return b;
    }
    return Browser::none;
}

void TPlannerCalendar::InvalidateBrowser(Browser browser) {
    if (!HandleAllocated()) return;
    const BrowserSpan span = SpanOf(browser);
    const RECT r{span.left, 0, span.right + 1, std::max(span.bottom, 16) + 1};
    InvalidateRect(Handle(), &r, FALSE);
}

void TPlannerCalendar::InvalidateCaption() {
    if (!HandleAllocated()) return;
    const RECT r{gx_ + captionMonthStart_ - 1, 0, gx_ + captionEnd_ + 2, rh_ - 6};
    InvalidateRect(Handle(), &r, FALSE);
}

void TPlannerCalendar::InvalidateTodayLine() {
    if (!HandleAllocated()) return;
    const RECT r{0, Height() - rh_, Width(), Height()};
    InvalidateRect(Handle(), &r, FALSE);
}

// ---- Mouse -------------------------------------------------------------------------

void TPlannerCalendar::GoToToday() {
    rangeAnchor_ = date_ = Now();
    GotoDate(Now());
    if (multiSelect_) Invalidate();
}

void TPlannerCalendar::ToggleDates(const std::vector<TDateTime>& dates, bool keepSelection) {
    if (!keepSelection) selectedDates_->Clear();
    const bool allSelected = std::all_of(dates.begin(), dates.end(),
                                         [&](TDateTime d) { return selectedDates_->IndexOfDate(d) >= 0; });
    selectedDates_->BeginUpdate();
    for (TDateTime d : dates) {
        if (allSelected)
            selectedDates_->DeleteRange(d, d);
        else if (DateSelectable(d) && selectedDates_->IndexOfDate(d) < 0)
            selectedDates_->Add()->SetDate(d);
    }
    selectedDates_->ReleaseUpdate();
    Invalidate();
}

void TPlannerCalendar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomCalendarPanel::MouseDown(button, shift, x, y);
    if (button != mbLeft || !enable_) return;
    SetCursor(savedCursor_);
    const TDateTime old = date_;
    mouseDownPoint_ = TPoint(0x7FFF, 0x7FFF);
    if (!Focused() && CanFocus()) SetFocus();
    const int xRel = x - gx_;

    if (0 < y && y < 15) {
        if (showMonthSelector_ && captionMonthStart_ <= xRel && xRel < captionYearStart_) {
            ShowMonthMenu();
            return;
        }
        if (showYearSelector_ && captionYearStart_ <= xRel && xRel < captionEnd_) {
            ShowYearMenu();
            return;
        }
    }
    const Browser browser = BrowserAt(x, y);
    if (browser != Browser::none) {
        const bool previous = browser == Browser::prevYear || browser == Browser::prevMonth;
        if (browser == Browser::prevMonth || browser == Browser::nextMonth)
            ChangeMonth(previous ? -1 : +1);
        else
            ChangeYear(previous ? -1 : +1);
        DoDateChanges(date_, old);
        return;
    }

    if (multiSelect_ && !Dragging()) rangeDrag_ = true;
    rangeEnd_ = -1;
    const bool ctrl = shift.Contains(ssCtrl);
    const Ymd f = Decode(date_);
    const TDateTime firstCell = EncodeDate(f.year, f.month, 1) - LeadDaysOf(date_);
    if (kGridTop - 1 < y && y < rh_ + kGridTop && xRel > 0 && allDaySelect_ && multiSelect_ && cw_ > 0) {
        rangeAnchor_ = firstCell + std::min(xRel / cw_, 6);
        std::vector<TDateTime> column;
        for (int week = 0; week < 6; ++week) column.push_back(rangeAnchor_ + 7 * week);
        ToggleDates(column, ctrl);
        if (onAllDaySelect_) onAllDaySelect_(this);
    } else if (xRel < 0 && y > rh_ + kGridTop && showWeeks_ && weekSelect_ && multiSelect_ && rh_ > 0) {
        const int row = std::min((y - kGridTop - rh_) / rh_, 5);
        std::vector<TDateTime> week;
        for (int day = 0; day < 7; ++day) week.push_back(firstCell + 7 * row + day);
        ToggleDates(week, ctrl);
        if (onWeekSelect_) onWeekSelect_(this);
    } else if (InTodayBand(y)) {
        GoToToday();
        if (onDayChange_) onDayChange_(this, old, date_);
        if (onDateChange_) onDateChange_(this, old, date_);
    } else if (y > rh_ + kGridTop && xRel >= 1) {
        rangeAnchor_ = PointToDate(xRel, y, true);
        const TDateTime day = rangeAnchor_;
        if (!DateSelectable(day) || !DateInRange(day)) return;
        TDateTime changedFrom = old;
        if (ctrl && multiSelect_) {
            if (selectedDates_->IndexOfDate(day) < 0) {
                selectedDates_->Add()->SetDate(day);
                date_ = day;
            } else {
                selectedDates_->DeleteRange(day, day);
                changedFrom = day;
            }
        } else {
            focusDate_ = date_ = day;
            selectedDates_->BeginUpdate();
            selectedDates_->Clear();
            selectedDates_->Add()->SetDate(day);
            selectedDates_->ReleaseUpdate();
        }
        UpdateCaption();
        DoDateChanges(date_, changedFrom);
        Invalidate();
    }
}

void TPlannerCalendar::HoverBrowsers(int x, int y) {
    const int xRel = x - gx_;
    const bool overCaption = captionMonthStart_ <= xRel && xRel <= captionEnd_ && 0 < y && y < 15 &&
                             (showMonthSelector_ || showYearSelector_) && enable_;
    if (overCaption != hover_.caption) {
        hover_.caption = overCaption;
        InvalidateCaption();
    }

    const Browser over = BrowserAt(x, y);
    for (Browser b : {Browser::prevYear, Browser::prevMonth, Browser::nextMonth, Browser::nextYear}) {
        bool& flag = HoverFlag(b);
        if (b == over) {
            if (DateInRange(StepDate(b))) SetCursor(crHandPoint);
            browserHint_ = HintOf(b);
            const BrowserSpan span = SpanOf(b);
            const bool previous = b == Browser::prevYear || b == Browser::prevMonth;
            hintCell_ = previous ? TPoint(span.left - gx_ + (showWeeks_ ? Width() / 8 : 0), -8) : TPoint(span.left, -8);
            if (!flag) {
                flag = true;
                InvalidateBrowser(b);
            }
        } else if (flag) {
            flag = false;
            SetCursor(savedCursor_);
            browserHint_.clear();
            InvalidateBrowser(b);
        }
    }
    const Hover& h = hover_;
    if (!(h.prevMonth || h.nextMonth || h.caption || h.prevYear || h.nextYear || h.today)) SetCursor(savedCursor_);
}

// The day under the pointer: its hover look, its hint and the range drag.
// A calendar too small for a cell answers nothing here.
void TPlannerCalendar::HoverDays(int xRel, int y) {
    if (y <= rh_ + kGridTop || cw_ <= 0 || rh_ <= 0) return;
    const TDateTime day = PointToDate(xRel, y, false);
    if (std::trunc(day) != std::trunc(hoverDate_)) {
        if (hoverDate_ != 0) RepaintDate(hoverDate_);
        hoverDate_ = day;
        RepaintDate(day);
    }
    const TSelDateItem* event = events_->FindDate(day);
    hoverHint_ = event ? event->Hint() : AnsiString();
    const TPoint cell(xRel / cw_, (y - kGridTop - rh_) / rh_);
    if (cell != hintCell_ && eventHintShown_) Application->CancelHint();
    hintCell_ = cell;
    if (rangeDrag_ && std::trunc(day) != std::trunc(rangeEnd_) && DateInRange(day)) {
        selectedDates_->BeginUpdate();
        if (rangeEnd_ != -1) selectedDates_->DeleteRange(rangeAnchor_, rangeEnd_);
        rangeEnd_ = day;
        const TDateTime from = std::min(rangeAnchor_, day), to = std::max(rangeAnchor_, day);
        for (TDateTime d = std::trunc(from); d <= std::trunc(to); d += 1)
            if (DateSelectable(d) && selectedDates_->IndexOfDate(d) < 0) selectedDates_->Add()->SetDate(d);
        selectedDates_->ReleaseUpdate();
        Invalidate();
    }
    if (onGetDateHintString_) {
        bool isEvent = event != nullptr;
        onGetDateHintString_(this, day, isEvent, hoverHint_);
    }
}

void TPlannerCalendar::MouseMove(TShiftState shift, int x, int y) {
    TCustomCalendarPanel::MouseMove(shift, x, y);
    const int xRel = x - gx_;
    if (showGotoToday_ && InTodayBand(y) && enable_ && gx_ < x && x < gx_ + todayTextWidth_) {
        if (!hover_.today) {
            hover_.today = true;
            InvalidateTodayLine();
        }
        SetCursor(crHandPoint);
        if (hoverDate_ != 0) RepaintDate(hoverDate_);
        hoverDate_ = 0;
        return;
    }
    if (hover_.today) {
        hover_.today = false;
        SetCursor(savedCursor_);
        InvalidateTodayLine();
    }
    HoverBrowsers(x, y);
    HoverDays(xRel, y);
    if (hoverHint_.empty() && browserHint_.empty()) Application->CancelHint();
}

void TPlannerCalendar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomCalendarPanel::MouseUp(button, shift, x, y);
    if (button != mbLeft) return;
    rangeDrag_ = false;
    if (!enable_) return;
    const bool click = std::abs(x - gx_ - mouseDownPoint_.x) <= 3 && std::abs(y - mouseDownPoint_.y) <= 3;
    if (click && onDaySelect_ && DateSelectable(rangeAnchor_)) onDaySelect_(this, rangeAnchor_);
    if (InTodayBand(y)) {
        GoToToday();
        if (onDaySelect_) onDaySelect_(this, date_);
    }
}

void TPlannerCalendar::MouseLeave() {
    if (hoverDate_ != 0) {
        RepaintDate(hoverDate_);
        hoverDate_ = 0;
    }
    Hover& h = hover_;
    if (!(h.prevMonth || h.nextMonth || h.caption || h.prevYear || h.nextYear || h.today)) return;
    h = Hover{};
    browserHint_.clear();
    if (!HandleAllocated()) return;
    const RECT top{0, 0, Width(), Height() / 7};
    InvalidateRect(Handle(), &top, FALSE);
    if (showGotoToday_) InvalidateTodayLine();
}

// ---- Keyboard ----------------------------------------------------------------------

void TPlannerCalendar::KeyDownMessage(TMessage& message) {
    const int key = int(message.WParam);
    const bool arrow = key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN;
    const TDateTime target = key == VK_LEFT    ? focusDate_ - 1
                             : key == VK_UP    ? focusDate_ - 7
                             : key == VK_RIGHT ? focusDate_ + 1
                             : key == VK_DOWN  ? focusDate_ + 7
                                               : focusDate_;
    const int targetMonth = Decode(target).month, month = Decode(date_).month;
    if ((targetMonth > month && !showDaysAfter_) || (targetMonth < month && !showDaysBefore_)) {
        if (onCancelledChange_) onCancelledChange_(this, target);
        return;
    }
    if (!DateInRange(target)) return;
    const TDateTime old = date_;
    focusDate_ = target;

    if (key == VK_SPACE || (key == VK_RETURN && returnIsSelect_)) {
        if (selectedDates_->IndexOfDate(focusDate_) < 0) {
            if (!multiSelect_ || (!Held(VK_CONTROL) && multiSelectCtrlKey_)) selectedDates_->Clear();
            selectedDates_->Add()->SetDate(focusDate_);
        } else {
            selectedDates_->DeleteRange(focusDate_, focusDate_);
        }
        Invalidate();
        date_ = focusDate_;
        if (onDaySelect_) onDaySelect_(this, date_);
    }
    if (arrow) {
        date_ = focusDate_;
        UpdateCaption();
        if (!Held(VK_SHIFT) || !multiSelect_) {
            rangeEnd_ = -1;
        } else if (rangeEnd_ != -1) {
            selectedDates_->BeginUpdate();
            selectedDates_->DeleteRange(old, rangeAnchor_);
            selectedDates_->AddRange(date_, rangeAnchor_);
            selectedDates_->EndUpdate();
        } else {
            rangeAnchor_ = old;
            selectedDates_->AddRange(date_, rangeAnchor_);
            rangeEnd_ = date_;
        }
        if (Decode(old).month == Decode(date_).month) {
            RepaintDate(old);
            RepaintDate(date_);
        } else {
            RepaintAll();
        }
    }
    if (key == VK_PRIOR) ChangeMonth(-1);
    if (key == VK_NEXT) ChangeMonth(+1);
    if (arrow || key == VK_PRIOR || key == VK_NEXT) {
        if (onDateChange_) onDateChange_(this, old, date_);
        message.Result = 0;
    }
    DoDateChanges(date_, old);
}

void TPlannerCalendar::KeyPress(char& key) {
    if (key == char(VK_ESCAPE)) date_ = savedDate_;
    TCustomCalendarPanel::KeyPress(key);
}

void TPlannerCalendar::DoEnter() {
    RepaintAll();
    TCustomCalendarPanel::DoEnter();
}

void TPlannerCalendar::DoExit() {
    RepaintAll();
    TCustomCalendarPanel::DoExit();
}

// ---- Menus -------------------------------------------------------------------------

void TPlannerCalendar::ShowCaptionMenu(int spanStart, UINT firstId,
                                       const std::vector<std::pair<AnsiString, bool>>& items) {
    const HMENU menu = CreatePopupMenu();
    UINT position = 0;
    for (const auto& [text, enabled] : items) {
        InsertMenu(menu, position, MF_BYPOSITION | MF_STRING | (enabled ? 0u : MF_GRAYED), firstId + position,
                   text.c_str());
        ++position;
    }
    const TPoint at = ClientToScreen(TPoint(gx_ + spanStart, 0));
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_LEFTBUTTON, at.x, at.y, 0, Handle(), nullptr);
    DestroyMenu(menu);
}

void TPlannerCalendar::ShowMonthMenu() {
    const Word year = Decode(date_).year;
    std::vector<std::pair<AnsiString, bool>> items;
    for (Word month = 1; month <= 12; ++month)
        items.emplace_back(nameOfMonths_->GetMonthName(month), MonthInRange(EncodeDate(year, month, 1)));
    ShowCaptionMenu(captionMonthStart_, 1, items);
}

void TPlannerCalendar::ShowYearMenu() {
    const int year = Decode(focusDate_).year;
    std::vector<std::pair<AnsiString, bool>> items;
    for (int i = 1; i <= 10; ++i)
        items.emplace_back(IntToStr(year - 5 + i), DateInRange(SameDayIn(focusDate_, year - 5 + i)));
    ShowCaptionMenu(captionYearStart_, kFirstYearId, items);
}

// A chosen month or year; a date the bounds leave out moves to the nearer
// bound, as the browsers' steps do.
void TPlannerCalendar::MenuCommand(int id) {
    const bool month = id >= 1 && id <= 12, year = id >= 15 && id <= 25;
    if (!month && !year) return;
    const TDateTime old = date_;
    const Ymd f = Decode(focusDate_);
    TDateTime chosen = month ? EncodeDate(f.year, Word(id), 1) : SameDayIn(focusDate_, f.year + id - 20);
    if (minDate_->InForce() && chosen < minDate_->Date()) chosen = minDate_->Date();
    if (maxDate_->InForce() && chosen > maxDate_->Date()) chosen = maxDate_->Date();
    focusDate_ = date_ = chosen;
    UpdateCaption();
    RepaintAll();
    if (month)
        DoMonthChange(old, date_);
    else
        DoYearChange(old, date_);
}

// ---- Hints -------------------------------------------------------------------------

void TPlannerCalendar::HintShow(THintInfo& info) {
    eventHintShown_ = false;
    if (eventHints_ && !hoverHint_.empty() && hintCell_.x >= 0 && hintCell_.y >= 0) {
        info.HintPos = ClientToScreen(TPoint((hintCell_.x + 1) * cw_, rh_ * hintCell_.y + kGridTop));
        info.HintStr = hoverHint_;
        eventHintShown_ = true;
    }
    if (!browserHint_.empty()) {
        info.HintPos = ClientToScreen(hintCell_);
        info.HintStr = browserHint_;
    }
}
