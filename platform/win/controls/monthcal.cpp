// The "SysMonthCal32" window class: one month in the classic look, a
// title with buttons to the months before and after, the day names, six
// weeks of days (those of the neighbouring months greyed) and the "today"
// line. A day is chosen by mouse or keyboard (MCN_SELCHANGE, then
// MCN_SELECT when the choice is made); MCM_ messages with the platform's
// hit-test codes.
#include <algorithm>
#include <cmath>

#include "platform/rtl/datetime.h"
#include "platform/rtl/formatsettings.h"
#include "platform/win/controls/common.h"

namespace ctl {
namespace {

constexpr int margin = 4;

class MonthCalendar {
public:
    explicit MonthCalendar(HWND window) : window_(window) {}
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);
    ControlFont& Font() { return font_; }

private:
    struct Layout {
        int cellWidth, cellHeight, titleHeight;
        RECT title, previous, next, dayNames, days, today;
    };
    Layout Measure() const;
    RECT MinimumRect() const;
    // The first day shown (the grid's top-left cell).
    TDateTime FirstShown() const;
    UINT HitTest(POINT p, TDateTime* date) const;
    void Show(TDateTime monthOf);
    void Select(TDateTime date, bool notify);
    void NotifySelection(UINT code);
    COLORREF Colour(int index) const;
    void Redraw() { InvalidateRect(window_, nullptr, TRUE); }

    HWND window_;
    ControlFont font_;
    TDateTime selected_ = Date();
    TDateTime today_ = Date();
    TDateTime shownMonth_ = Date();  // any day of the month shown
    DateRange range_;
    int firstDay_ = 6;  // 0 = Monday .. 6 = Sunday
    int monthDelta_ = 1;
    COLORREF colours_[6] = {CLR_INVALID, CLR_INVALID, CLR_INVALID, CLR_INVALID, CLR_INVALID, CLR_INVALID};
};

TDateTime MonthStart(TDateTime date) {
    Word y, m, d;
    DecodeDate(date, y, m, d);
    return EncodeDate(y, m, 1);
}

AnsiString LastCharacter(const AnsiString& text) {
    if (text.empty()) return text;
    return text.substr(AnsiCharStart(text, text.size() - 1));
}

MonthCalendar::Layout MonthCalendar::Measure() const {
    int average = 0;
    const int height = font_.TextHeight(&average);
    Layout l{};
    const RECT client = ClientRect(window_);
    l.cellWidth = std::max(height * 2, (int(client.right) - 2 * margin) / 7);
    l.cellHeight = height + 4;
    l.titleHeight = height + 10;
    const int width = 7 * l.cellWidth;
    l.title = {margin, margin, margin + width, margin + l.titleHeight};
    l.previous = {l.title.left + 4, l.title.top + 3, l.title.left + 4 + l.titleHeight, l.title.bottom - 3};
    l.next = {l.title.right - 4 - l.titleHeight, l.title.top + 3, l.title.right - 4, l.title.bottom - 3};
    l.dayNames = {margin, l.title.bottom + 2, margin + width, l.title.bottom + 2 + l.cellHeight};
    l.days = {margin, l.dayNames.bottom + 2, margin + width, l.dayNames.bottom + 2 + 6 * l.cellHeight};
    l.today = {margin, l.days.bottom + 2, margin + width,
               l.days.bottom + 2 + ((Style(window_) & MCS_NOTODAY) ? 0 : l.cellHeight)};
    return l;
}

RECT MonthCalendar::MinimumRect() const {
    const int height = font_.TextHeight();
    const int cellHeight = height + 4;
    const int todayLine = (Style(window_) & MCS_NOTODAY) ? 0 : cellHeight + 2;
    return {0, 0, 2 * margin + 7 * height * 2, 2 * margin + height + 10 + 2 + cellHeight + 2 + 6 * cellHeight + todayLine};
}

TDateTime MonthCalendar::FirstShown() const {
    const TDateTime first = MonthStart(shownMonth_);
    // DayOfWeek: 1 = Sunday; firstDay_: 0 = Monday.
    const int weekday = (DayOfWeek(first) + 5) % 7;  // 0 = Monday
    int back = (weekday - firstDay_ + 7) % 7;
    if (back == 0) back = 7;  // a whole week of the month before stays in view
    return first - back;
}

UINT MonthCalendar::HitTest(POINT p, TDateTime* date) const {
    const Layout l = Measure();
    if (PtInRect(&l.previous, p)) return MCHT_TITLEBTNPREV;
    if (PtInRect(&l.next, p)) return MCHT_TITLEBTNNEXT;
    if (PtInRect(&l.title, p)) {
        const int middle = (l.title.left + l.title.right) / 2;
        // The title reads "yyyy年m月": the year on the left half.
        return p.x < middle ? MCHT_TITLEYEAR : MCHT_TITLEMONTH;
    }
    if (PtInRect(&l.dayNames, p)) return MCHT_CALENDARDAY;
    if (PtInRect(&l.days, p)) {
        const int column = (p.x - l.days.left) / l.cellWidth, row = (p.y - l.days.top) / l.cellHeight;
        const TDateTime day = FirstShown() + row * 7 + column;
        if (date) *date = day;
        Word y, m, d, sy, sm, sd;
        DecodeDate(day, y, m, d);
        DecodeDate(shownMonth_, sy, sm, sd);
        if (y * 12 + m < sy * 12 + sm) return MCHT_CALENDARDATEPREV;
        if (y * 12 + m > sy * 12 + sm) return MCHT_CALENDARDATENEXT;
        return MCHT_CALENDARDATE;
    }
    if (PtInRect(&l.today, p)) return MCHT_TODAYLINK;
    const RECT client = ClientRect(window_);
    return PtInRect(&client, p) ? MCHT_CALENDARBK : MCHT_NOWHERE;
}

void MonthCalendar::Show(TDateTime monthOf) {
    shownMonth_ = MonthStart(monthOf);
    Redraw();
}

void MonthCalendar::NotifySelection(UINT code) {
    NMSELCHANGE change;
    DateTimeToSystemTime(selected_, change.stSelStart);
    change.stSelEnd = change.stSelStart;
    NotifyParent(window_, change.nmhdr, code);
}

void MonthCalendar::Select(TDateTime date, bool notify) {
    date = range_.Clamped(std::floor(date));
    const bool changed = date != selected_;
    selected_ = date;
    if (MonthStart(date) != MonthStart(shownMonth_)) Show(date);
    Redraw();
    if (notify && changed) NotifySelection(MCN_SELCHANGE);
}

COLORREF MonthCalendar::Colour(int index) const {
    if (colours_[index] != CLR_INVALID) return colours_[index];
    switch (index) {
    case MCSC_BACKGROUND: return GetSysColor(COLOR_WINDOW);
    case MCSC_TEXT: return GetSysColor(COLOR_WINDOWTEXT);
    case MCSC_TITLEBK: return GetSysColor(COLOR_ACTIVECAPTION);
    case MCSC_TITLETEXT: return GetSysColor(COLOR_CAPTIONTEXT);
    case MCSC_MONTHBK: return GetSysColor(COLOR_WINDOW);
    default: return GetSysColor(COLOR_GRAYTEXT);
    }
}

void FillColour(HDC dc, const RECT& r, COLORREF colour) {
    const HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

void MonthCalendar::Paint(HDC dc) {
    const RECT client = ClientRect(window_);
    const Layout l = Measure();
    FillColour(dc, client, Colour(MCSC_BACKGROUND));
    FillColour(dc, l.title, Colour(MCSC_TITLEBK));
    RECT previous = l.previous, next = l.next;
    DrawFrameControl(dc, &previous, DFC_SCROLL, DFCS_SCROLLLEFT);
    DrawFrameControl(dc, &next, DFC_SCROLL, DFCS_SCROLLRIGHT);
    const HGDIOBJ oldFont = SelectObject(dc, font_.ForDrawing());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Colour(MCSC_TITLETEXT));
    Word y, m, d;
    DecodeDate(shownMonth_, y, m, d);
    const AnsiString title = FormatDateTime("yyyy'年'm'月'", shownMonth_);
    RECT titleText = l.title;
    DrawText(dc, title.c_str(), int(title.size()), &titleText, DT_SINGLELINE | DT_CENTER | DT_VCENTER);

    SetTextColor(dc, Colour(MCSC_TITLEBK));
    for (int column = 0; column < 7; ++column) {
        const int weekday = (firstDay_ + column + 1) % 7;  // index into Sunday-first names
        const AnsiString name = LastCharacter(ShortDayNames[std::size_t(weekday)]);
        RECT cell{l.dayNames.left + column * l.cellWidth, l.dayNames.top, l.dayNames.left + (column + 1) * l.cellWidth,
                  l.dayNames.bottom};
        DrawText(dc, name.c_str(), int(name.size()), &cell, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    }
    const HGDIOBJ oldPen = SelectObject(dc, CreatePen(PS_SOLID, 1, GetSysColor(COLOR_GRAYTEXT)));
    MoveToEx(dc, l.dayNames.left, l.dayNames.bottom, nullptr);
    LineTo(dc, l.dayNames.right, l.dayNames.bottom);
    DeleteObject(SelectObject(dc, oldPen));

    const TDateTime first = FirstShown();
    for (int i = 0; i < 42; ++i) {
        const TDateTime day = first + i;
        Word dy, dm, dd;
        DecodeDate(day, dy, dm, dd);
        RECT cell{l.days.left + (i % 7) * l.cellWidth, l.days.top + (i / 7) * l.cellHeight,
                  l.days.left + (i % 7 + 1) * l.cellWidth, l.days.top + (i / 7 + 1) * l.cellHeight};
        const bool selected = day == selected_;
        if (selected) FillColour(dc, cell, Colour(MCSC_TITLEBK));
        const bool trailing = dm != m;
        SetTextColor(dc, selected ? Colour(MCSC_TITLETEXT) : trailing ? Colour(MCSC_TRAILINGTEXT) : Colour(MCSC_TEXT));
        const AnsiString text = std::to_string(dd);
        DrawText(dc, text.c_str(), int(text.size()), &cell, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        if (day == today_ && !(Style(window_) & MCS_NOTODAYCIRCLE)) {
            const HBRUSH frame = CreateSolidBrush(RGB(0xFF, 0, 0));
            FrameRect(dc, &cell, frame);
            DeleteObject(frame);
        }
    }
    if (!(Style(window_) & MCS_NOTODAY)) {
        SetTextColor(dc, Colour(MCSC_TEXT));
        const AnsiString today = "今天: " + FormatDateTime(ShortDateFormat, today_);
        RECT line = l.today;
        line.left += 6;
        DrawText(dc, today.c_str(), int(today.size()), &line, DT_SINGLELINE | DT_LEFT | DT_VCENTER);
    }
    SelectObject(dc, oldFont);
}

LRESULT MonthCalendar::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
    case WM_ENABLE:
        Redraw();
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_MOUSEACTIVATE:
        if (GetWindowLongPtr(window_, GWL_EXSTYLE) & WS_EX_NOACTIVATE) return MA_NOACTIVATE;
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        TDateTime day = 0;
        const UINT hit = HitTest(p, &day);
        if (hit == MCHT_NOWHERE) {
            // A press outside a dropped calendar (it holds the capture) ends the choice.
            if (GetCapture() == window_) SendMessage(NotifyTarget(window_), LBX_CANCELLED, 0, 0);
            return 0;
        }
        if (GetCapture() != window_ && !(GetWindowLongPtr(window_, GWL_EXSTYLE) & WS_EX_NOACTIVATE)) SetFocus(window_);
        if (hit == MCHT_TITLEBTNPREV || hit == MCHT_TITLEBTNNEXT)
            Show(IncMonth(shownMonth_, hit == MCHT_TITLEBTNPREV ? -monthDelta_ : monthDelta_));
        else if ((hit & MCHT_CALENDARDATE) == MCHT_CALENDARDATE)
            Select(day, true);
        else if (hit == MCHT_TODAYLINK)
            Select(today_, true);
        return 0;
    }
    case WM_LBUTTONUP: {
        const UINT hit = HitTest({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, nullptr);
        if ((hit & MCHT_CALENDARDATE) == MCHT_CALENDARDATE || hit == MCHT_TODAYLINK) NotifySelection(MCN_SELECT);
        return 0;
    }
    case WM_KEYDOWN:
        switch (wParam) {
        case VK_LEFT: Select(selected_ - 1, true); return 0;
        case VK_RIGHT: Select(selected_ + 1, true); return 0;
        case VK_UP: Select(selected_ - 7, true); return 0;
        case VK_DOWN: Select(selected_ + 7, true); return 0;
        case VK_PRIOR: Select(IncMonth(selected_, -1), true); return 0;
        case VK_NEXT: Select(IncMonth(selected_, 1), true); return 0;
        case VK_RETURN: NotifySelection(MCN_SELECT); return 0;
        case VK_ESCAPE:
            if (GetCapture() == window_) SendMessage(NotifyTarget(window_), LBX_CANCELLED, 0, 0);
            return 0;
        default: return 0;
        }
    case MCM_GETCURSEL:
        if (!lParam) return FALSE;
        DateTimeToSystemTime(selected_, *reinterpret_cast<SYSTEMTIME*>(lParam));
        return TRUE;
    case MCM_SETCURSEL: {
        if (!lParam) return FALSE;
        const TDateTime date = SystemTimeToDateTime(*reinterpret_cast<const SYSTEMTIME*>(lParam));
        if (range_.Clamped(date) != std::floor(date)) return FALSE;
        Select(date, false);
        return TRUE;
    }
    case MCM_GETTODAY:
        if (!lParam) return FALSE;
        DateTimeToSystemTime(today_, *reinterpret_cast<SYSTEMTIME*>(lParam));
        return TRUE;
    case MCM_SETTODAY:
        today_ = lParam ? std::floor(SystemTimeToDateTime(*reinterpret_cast<const SYSTEMTIME*>(lParam))) : Date();
        Redraw();
        return 0;
    case MCM_GETMAXSELCOUNT:
        return 1;
    case MCM_GETSELRANGE: {
        auto* range = reinterpret_cast<SYSTEMTIME*>(lParam);
        if (!range) return FALSE;
        DateTimeToSystemTime(selected_, range[0]);
        range[1] = range[0];
        return TRUE;
    }
    case MCM_GETMONTHRANGE: {
        auto* range = reinterpret_cast<SYSTEMTIME*>(lParam);
        const bool withTrailing = wParam == GMR_DAYSTATE;
        const TDateTime first = withTrailing ? FirstShown() : MonthStart(shownMonth_);
        const TDateTime last = withTrailing ? FirstShown() + 41 : IncMonth(MonthStart(shownMonth_), 1) - 1;
        if (range) {
            DateTimeToSystemTime(first, range[0]);
            DateTimeToSystemTime(last, range[1]);
        }
        return withTrailing ? 3 : 1;
    }
    case MCM_GETMINREQRECT:
        if (!lParam) return FALSE;
        *reinterpret_cast<RECT*>(lParam) = MinimumRect();
        return TRUE;
    case MCM_HITTEST: {
        auto* info = reinterpret_cast<MCHITTESTINFO*>(lParam);
        if (!info) return -1;
        TDateTime day = 0;
        info->uHit = HitTest(info->pt, &day);
        if ((info->uHit & MCHT_CALENDARDATE) == MCHT_CALENDARDATE) DateTimeToSystemTime(day, info->st);
        return LRESULT(info->uHit);
    }
    case MCM_SETFIRSTDAYOFWEEK: {
        const int previous = firstDay_;
        firstDay_ = std::clamp(int(lParam), 0, 6);
        Redraw();
        return MAKELONG(WORD(previous), WORD(previous != firstDay_));
    }
    case MCM_GETFIRSTDAYOFWEEK:
        return MAKELONG(WORD(firstDay_), 0);
    case MCM_SETRANGE: {
        range_.Set(DWORD(wParam), reinterpret_cast<const SYSTEMTIME*>(lParam), true);
        selected_ = range_.Clamped(selected_);
        Redraw();
        return TRUE;
    }
    case MCM_GETRANGE:
        return LRESULT(range_.Get(reinterpret_cast<SYSTEMTIME*>(lParam)));
    case MCM_SETCOLOR: {
        if (wParam > MCSC_TRAILINGTEXT) return LRESULT(CLR_INVALID);
        const COLORREF previous = Colour(int(wParam));
        colours_[wParam] = COLORREF(lParam);
        Redraw();
        return LRESULT(previous);
    }
    case MCM_GETCOLOR:
        return wParam <= MCSC_TRAILINGTEXT ? LRESULT(Colour(int(wParam))) : LRESULT(CLR_INVALID);
    case MCM_SETMONTHDELTA: {
        const int previous = monthDelta_;
        monthDelta_ = wParam ? int(wParam) : 1;
        return previous;
    }
    case MCM_GETMONTHDELTA:
        return monthDelta_;
    default:
        break;
    }
    return DefWindowProc(window_, message, wParam, lParam);
}

}  // namespace

void RegisterMonthCalendarClass() {
    RegisterControlClass("SysMonthCal32", &ControlProcedure<MonthCalendar>, CS_DBLCLKS, 0);
}

}  // namespace ctl

void DateTimeToSystemTime(TDateTime value, SYSTEMTIME& time) {
    Word y, m, d, h, n, s, ms;
    DecodeDate(value, y, m, d);
    DecodeTime(value, h, n, s, ms);
    time = SYSTEMTIME{y, m, WORD(DayOfWeek(value) - 1), d, h, n, s, ms};
}

TDateTime SystemTimeToDateTime(const SYSTEMTIME& time) {
    return EncodeDate(time.wYear, time.wMonth, time.wDay) +
           EncodeTime(time.wHour, time.wMinute, time.wSecond, time.wMilliseconds);
}
