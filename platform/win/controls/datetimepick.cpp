// The "SysDateTimePick32" window class: a date (short or long form) or a
// time in a sunken field whose parts (year, month, day, hour, minute,
// second) are chosen with the arrow keys and changed by arrows or typed
// digits, and a button that drops a "SysMonthCal32" down in a pop-up that
// takes no activation. DTN_DROPDOWN, DTN_CLOSEUP, DTN_DATETIMECHANGE.
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/rtl/datetime.h"
#include "platform/rtl/formatsettings.h"
#include "platform/win/controls/common.h"

namespace ctl {
namespace {

enum class Part { Literal, Year, Month, Day, Hour, Minute, Second, Other };

struct Piece {
    AnsiString format;  // FormatDateTime codes, or quoted literal text
    Part part;
};

// Splits a FormatDateTime format into the parts a user can change and the
// rest. An m after an hour means minutes, as FormatDateTime reads it.
std::vector<Piece> Pieces(const AnsiString& format) {
    std::vector<Piece> pieces;
    bool afterHour = false;
    for (std::size_t i = 0; i < format.size();) {
        const char c = format[i];
        if (c == '\'' || c == '"') {
            const std::size_t end = format.find(c, i + 1);
            const std::size_t stop = end == AnsiString::npos ? format.size() : end + 1;
            pieces.push_back({format.substr(i, stop - i), Part::Literal});
            i = stop;
            continue;
        }
        const char lower = char(std::tolower(Byte(c)));
        std::size_t run = 1;
        if (std::isalpha(Byte(c)))
            while (i + run < format.size() && std::tolower(Byte(format[i + run])) == lower) ++run;
        else
            run = AnsiCharSize(format, i);
        Part part = Part::Other;
        switch (lower) {
        case 'y': part = Part::Year; break;
        case 'm': part = run <= 2 ? (afterHour ? Part::Minute : Part::Month) : Part::Other; break;
        case 'd': part = run <= 2 ? Part::Day : Part::Other; break;
        case 'h': part = Part::Hour; break;
        case 'n': part = Part::Minute; break;
        case 's': part = Part::Second; break;
        default: part = std::isalpha(Byte(c)) ? Part::Other : Part::Literal; break;
        }
        if (lower == 'h') afterHour = true;
        else if (part == Part::Minute || lower == 'd' || lower == 'y') afterHour = false;
        pieces.push_back({format.substr(i, run), part});
        i += run;
    }
    return pieces;
}

// A picker format ("yyyy'-'MM'-'dd HH:mm", M the month, m minutes, H the
// 24-hour clock, t the AM/PM mark) in FormatDateTime's codes.
AnsiString FormatFromPickerFormat(const AnsiString& format) {
    AnsiString result;
    bool quoted = false;
    for (std::size_t i = 0; i < format.size(); i += AnsiCharSize(format, i)) {
        const char c = format[i];
        const std::size_t size = AnsiCharSize(format, i);
        if (c == '\'') quoted = !quoted;
        if (quoted || size > 1 || c == '\'') {
            result.append(format, i, size);
            continue;
        }
        switch (c) {
        case 'M': result += 'm'; break;
        case 'm': result += 'n'; break;
        case 'H': result += 'h'; break;
        case 't':
            if (i + 1 < format.size() && format[i + 1] == 't') ++i;
            result += "ampm";
            break;
        default: result += c; break;
        }
    }
    return result;
}

// `value` with one part moved by `delta`, wrapping within that part as the
// platform's picker does (the month after December is January of the same year).
TDateTime Stepped(TDateTime value, Part part, int delta) {
    Word y, m, d, h, n, s, ms;
    DecodeDate(value, y, m, d);
    DecodeTime(value, h, n, s, ms);
    const auto wrap = [](int v, int low, int high) { return low + ((v - low) % (high - low + 1) + (high - low + 1)) % (high - low + 1); };
    switch (part) {
    case Part::Year: y = Word(std::clamp(int(y) + delta, 1, 9999)); break;
    case Part::Month: m = Word(wrap(m + delta, 1, 12)); break;
    case Part::Day: d = Word(wrap(d + delta, 1, DaysInAMonth(y, m))); break;
    case Part::Hour: h = Word(wrap(h + delta, 0, 23)); break;
    case Part::Minute: n = Word(wrap(n + delta, 0, 59)); break;
    case Part::Second: s = Word(wrap(s + delta, 0, 59)); break;
    default: return value;
    }
    d = std::min(d, DaysInAMonth(y, m));
    return EncodeDate(y, m, d) + EncodeTime(h, n, s, ms);
}

// `value` with one part set to `number` when that is a valid value for it.
bool WithPart(TDateTime value, Part part, int number, TDateTime& result) {
    Word y, m, d, h, n, s, ms;
    DecodeDate(value, y, m, d);
    DecodeTime(value, h, n, s, ms);
    switch (part) {
    case Part::Year: y = Word(number); break;
    case Part::Month: m = Word(number); break;
    case Part::Day: d = Word(number); break;
    case Part::Hour: h = Word(number); break;
    case Part::Minute: n = Word(number); break;
    case Part::Second: s = Word(number); break;
    default: return false;
    }
    if (part == Part::Month || part == Part::Year) d = std::min(d, DaysInAMonth(y, std::clamp<Word>(m, 1, 12)));
    TDateTime date = 0, time = 0;
    if (!TryEncodeDate(y, m, d, date) || !TryEncodeTime(h, n, s, ms, time)) return false;
    result = date + time;
    return true;
}

class DateTimePicker {
public:
    explicit DateTimePicker(HWND window) : window_(window) {}
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);
    ControlFont& Font() { return font_; }

private:
    bool TimeKind() const { return (Style(window_) & DTS_TIMEFORMAT) == DTS_TIMEFORMAT; }
    bool ShowsNone() const { return (Style(window_) & DTS_SHOWNONE) != 0; }
    // The check box of DTS_SHOWNONE, at the left before the value.
    RECT CheckBoxRect() const;
    void SetChecked(bool checked, bool notify);
    void Notify();
    AnsiString Format() const;
    RECT ButtonRect() const;
    std::vector<std::size_t> EditableParts(const std::vector<Piece>& pieces) const;
    void SetValue(TDateTime value, bool notify);
    void MovePart(int delta);
    void TypeDigit(int digit);
    void Drop();
    void CloseUp(bool chosen);
    void Redraw() { InvalidateRect(window_, nullptr, TRUE); }

    HWND window_;
    ControlFont font_;
    TDateTime value_ = Now();
    DateRange range_;
    AnsiString customFormat_;
    std::size_t activePart_ = 0;  // among the editable parts
    int typed_ = 0, typedDigits_ = 0;
    HWND calendar_ = 0;
    HFONT calendarFont_ = 0;
    COLORREF calendarColours_[6] = {CLR_INVALID, CLR_INVALID, CLR_INVALID, CLR_INVALID, CLR_INVALID, CLR_INVALID};
    bool focused_ = false;
    bool checked_ = true;
};

AnsiString DateTimePicker::Format() const {
    if (!customFormat_.empty()) return customFormat_;
    if (TimeKind()) return LongTimeFormat;
    return (Style(window_) & DTS_LONGDATEFORMAT) ? LongDateFormat : ShortDateFormat;
}

RECT DateTimePicker::ButtonRect() const {
    const RECT client = ClientRect(window_);
    const int width = GetSystemMetrics(SM_CXVSCROLL);
    return {client.right - 2 - width, 2, client.right - 2, client.bottom - 2};
}

RECT DateTimePicker::CheckBoxRect() const {
    const RECT client = ClientRect(window_);
    const int size = 13, top = (client.bottom - size) / 2;
    return {4, top, 4 + size, top + size};
}

void DateTimePicker::SetChecked(bool checked, bool notify) {
    if (checked == checked_) return;
    checked_ = checked;
    Redraw();
    if (notify) Notify();
}

// The value changed, or the check box: unchecked, the picker holds none.
void DateTimePicker::Notify() {
    NMDATETIMECHANGE change;
    change.dwFlags = checked_ ? GDT_VALID : GDT_NONE;
    DateTimeToSystemTime(value_, change.st);
    NotifyParent(window_, change.nmhdr, DTN_DATETIMECHANGE);
}

std::vector<std::size_t> DateTimePicker::EditableParts(const std::vector<Piece>& pieces) const {
    std::vector<std::size_t> parts;
    for (std::size_t i = 0; i < pieces.size(); ++i)
        if (pieces[i].part != Part::Literal && pieces[i].part != Part::Other) parts.push_back(i);
    return parts;
}

void DateTimePicker::SetValue(TDateTime value, bool notify) {
    value = range_.Clamped(value);
    // Changing the value by hand checks the box again.
    const bool checking = notify && !checked_;
    if (value == value_ && !checking) return;
    value_ = value;
    checked_ = checked_ || notify;
    Redraw();
    if (notify) Notify();
}

void DateTimePicker::MovePart(int delta) {
    const auto pieces = Pieces(Format());
    const auto parts = EditableParts(pieces);
    if (parts.empty()) return;
    typedDigits_ = 0;
    SetValue(Stepped(value_, pieces[parts[std::min(activePart_, parts.size() - 1)]].part, delta), true);
}

// Digits typed into a part gather until the part is full (four for the
// year, two for the rest), then the next part is chosen.
void DateTimePicker::TypeDigit(int digit) {
    const auto pieces = Pieces(Format());
    const auto parts = EditableParts(pieces);
    if (parts.empty()) return;
    const Part part = pieces[parts[std::min(activePart_, parts.size() - 1)]].part;
    typed_ = typedDigits_ ? typed_ * 10 + digit : digit;
    ++typedDigits_;
    TDateTime changed = 0;
    if (WithPart(value_, part, typed_, changed)) SetValue(changed, true);
    const int full = part == Part::Year ? 4 : 2;
    if (typedDigits_ >= full) {
        typedDigits_ = 0;
        if (activePart_ + 1 < parts.size()) ++activePart_;
        Redraw();
    }
}

void DateTimePicker::Drop() {
    if (calendar_ || TimeKind() || (Style(window_) & DTS_UPDOWN)) return;
    calendar_ = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, "SysMonthCal32", "",
                               WS_POPUP | WS_BORDER, 0, 0, 0, 0, window_, 0, 0, nullptr);
    if (!calendar_) return;
    SetNotifyTarget(calendar_, window_);
    if (calendarFont_) SendMessage(calendar_, WM_SETFONT, WPARAM(calendarFont_), 0);
    for (int i = 0; i <= MCSC_TRAILINGTEXT; ++i)
        if (calendarColours_[i] != CLR_INVALID) SendMessage(calendar_, MCM_SETCOLOR, WPARAM(i), LPARAM(calendarColours_[i]));
    if (range_.Flags()) {
        SYSTEMTIME range[2];
        range_.Get(range);
        SendMessage(calendar_, MCM_SETRANGE, range_.Flags(), LPARAM(range));
    }
    SYSTEMTIME current;
    DateTimeToSystemTime(value_, current);
    SendMessage(calendar_, MCM_SETCURSEL, 0, LPARAM(&current));
    // The parent may adjust the calendar before it shows (DTM_GETMONTHCAL).
    NMHDR header;
    NotifyParent(window_, header, DTN_DROPDOWN);
    RECT size{};
    SendMessage(calendar_, MCM_GETMINREQRECT, 0, LPARAM(&size));
    RECT box;
    GetWindowRect(window_, &box);
    const int width = size.right + 2, height = size.bottom + 2;
    const int x = (Style(window_) & DTS_RIGHTALIGN) ? box.right - width : box.left;
    SetWindowPos(calendar_, HWND_TOPMOST, x, box.bottom, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetCapture(calendar_);
    Redraw();
}

void DateTimePicker::CloseUp(bool chosen) {
    if (!calendar_) return;
    const HWND calendar = calendar_;
    calendar_ = 0;
    SYSTEMTIME picked;
    SendMessage(calendar, MCM_GETCURSEL, 0, LPARAM(&picked));
    if (GetCapture() == calendar) ReleaseCapture();
    DestroyWindow(calendar);
    Redraw();
    if (chosen) {
        // The time of day stays as it was.
        SetValue(std::floor(SystemTimeToDateTime(picked)) + (value_ - std::floor(value_)), true);
    }
    NMHDR header;
    NotifyParent(window_, header, DTN_CLOSEUP);
}

void DateTimePicker::Paint(HDC dc) {
    const RECT client = ClientRect(window_);
    const bool enabled = Enabled(window_);
    FillRect(dc, &client, ControlBrush(window_, dc, enabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC));
    RECT frame = client;
    DrawEdge(dc, &frame, EDGE_SUNKEN, BF_RECT);
    RECT button = ButtonRect();
    const bool hasButton = (Style(window_) & DTS_UPDOWN) || !TimeKind();
    if (Style(window_) & DTS_UPDOWN) {
        RECT up = button, down = button;
        up.bottom = down.top = (button.top + button.bottom) / 2;
        DrawFrameControl(dc, &up, DFC_SCROLL, DFCS_SCROLLUP | (enabled ? 0 : DFCS_INACTIVE));
        DrawFrameControl(dc, &down, DFC_SCROLL, DFCS_SCROLLDOWN | (enabled ? 0 : DFCS_INACTIVE));
    } else if (!TimeKind()) {
        DrawFrameControl(dc, &button, DFC_SCROLL,
                         DFCS_SCROLLCOMBOBOX | (calendar_ ? DFCS_PUSHED | DFCS_FLAT : 0) | (enabled ? 0 : DFCS_INACTIVE));
    }
    // A value wider than the control stops at its button.
    const int saved = SaveDC(dc);
    if (hasButton) IntersectClipRect(dc, 0, 0, button.left, client.bottom);
    const HGDIOBJ oldFont = SelectObject(dc, font_.ForDrawing());
    SetBkMode(dc, TRANSPARENT);
    const auto pieces = Pieces(Format());
    const auto parts = EditableParts(pieces);
    const std::size_t active = parts.empty() ? pieces.size() : parts[std::min(activePart_, parts.size() - 1)];
    int x = 4;
    if (ShowsNone()) {
        RECT box = CheckBoxRect();
        DrawFrameControl(dc, &box, DFC_BUTTON,
                         DFCS_BUTTONCHECK | (checked_ ? DFCS_CHECKED : 0) | (enabled ? 0 : DFCS_INACTIVE));
        x = box.right + 4;
    }
    const int textHeight = font_.TextHeight();
    const int y = (client.bottom - textHeight) / 2;
    const COLORREF normal = enabled && checked_ ? GetTextColor(dc) : GetSysColor(COLOR_GRAYTEXT);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const AnsiString text = FormatDateTime(pieces[i].format, value_);
        const int width = TextWidth(dc, text);
        const bool highlighted = focused_ && checked_ && i == active && !calendar_;
        if (highlighted) {
            RECT r{x, y, x + width, y + textHeight};
            FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
        }
        SetTextColor(dc, highlighted ? GetSysColor(COLOR_HIGHLIGHTTEXT) : normal);
        TextOut(dc, x, y, text.c_str(), int(text.size()));
        x += width;
    }
    SelectObject(dc, oldFont);
    RestoreDC(dc, saved);
}

LRESULT DateTimePicker::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        if (calendar_) DestroyWindow(calendar_);
        calendar_ = 0;
        return 0;
    case WM_SIZE:
    case WM_ENABLE:
        Redraw();
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        focused_ = message == WM_SETFOCUS;
        typedDigits_ = 0;
        if (!focused_) CloseUp(false);
        Redraw();
        return 0;
    case WM_GETTEXT: {
        const AnsiString text = FormatDateTime(Format(), value_);
        CopyItemText(text, reinterpret_cast<char*>(lParam), int(wParam));
        return lParam && wParam ? LRESULT(std::min<std::size_t>(text.size(), wParam - 1)) : 0;
    }
    case WM_GETTEXTLENGTH:
        return LRESULT(FormatDateTime(Format(), value_).size());
    case WM_LBUTTONDOWN: {
        SetFocus(window_);
        const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (const RECT box = CheckBoxRect(); ShowsNone() && PtInRect(&box, p)) {
            SetChecked(!checked_, true);
            return 0;
        }
        const RECT button = ButtonRect();
        if (!PtInRect(&button, p)) return 0;
        if (Style(window_) & DTS_UPDOWN)
            MovePart(p.y < (button.top + button.bottom) / 2 ? 1 : -1);
        else
            calendar_ ? CloseUp(false) : Drop();
        return 0;
    }
    case WM_KEYDOWN: {
        const auto parts = EditableParts(Pieces(Format()));
        const bool alt = GetKeyState(VK_MENU) < 0;
        switch (wParam) {
        case VK_F4: calendar_ ? CloseUp(true) : Drop(); break;
        case VK_DOWN:
            if (alt) Drop();
            else MovePart(-1);
            break;
        case VK_UP: MovePart(1); break;
        case VK_LEFT:
            if (activePart_ > 0) --activePart_;
            typedDigits_ = 0;
            Redraw();
            break;
        case VK_RIGHT:
            if (activePart_ + 1 < parts.size()) ++activePart_;
            typedDigits_ = 0;
            Redraw();
            break;
        case VK_HOME: activePart_ = 0; Redraw(); break;
        case VK_END: activePart_ = parts.empty() ? 0 : parts.size() - 1; Redraw(); break;
        default: break;
        }
        return 0;
    }
    case WM_CHAR:
        if (wParam >= '0' && wParam <= '9') TypeDigit(int(wParam - '0'));
        if (wParam == ' ' && ShowsNone()) SetChecked(!checked_, true);
        return 0;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header && header->hwndFrom == calendar_ && header->code == MCN_SELECT) CloseUp(true);
        return 0;
    }
    case LBX_CANCELLED:
        CloseUp(false);
        return 0;
    case DTM_GETSYSTEMTIME:
        if (!lParam) return GDT_ERROR;
        DateTimeToSystemTime(value_, *reinterpret_cast<SYSTEMTIME*>(lParam));
        return LRESULT(checked_ ? GDT_VALID : GDT_NONE);
    case DTM_SETSYSTEMTIME:
        if (wParam == GDT_NONE) {
            if (!ShowsNone()) return FALSE;
            SetChecked(false, false);
            return TRUE;
        }
        if (!lParam) return FALSE;
        SetValue(SystemTimeToDateTime(*reinterpret_cast<const SYSTEMTIME*>(lParam)), false);
        SetChecked(true, false);
        return TRUE;
    case DTM_SETRANGE: {
        range_.Set(DWORD(wParam), reinterpret_cast<const SYSTEMTIME*>(lParam), false);
        SetValue(value_, false);
        return TRUE;
    }
    case DTM_GETRANGE:
        return LRESULT(range_.Get(reinterpret_cast<SYSTEMTIME*>(lParam)));
    case DTM_SETFORMATA:
        customFormat_ = lParam ? FormatFromPickerFormat(reinterpret_cast<const char*>(lParam)) : "";
        activePart_ = 0;
        Redraw();
        return TRUE;
    case DTM_GETMONTHCAL:
        return LRESULT(calendar_);
    case DTM_SETMCFONT:
        calendarFont_ = HFONT(wParam);
        if (calendar_) SendMessage(calendar_, WM_SETFONT, wParam, lParam);
        return 0;
    case DTM_GETMCFONT:
        return LRESULT(calendarFont_);
    case DTM_SETMCCOLOR: {
        if (wParam > MCSC_TRAILINGTEXT) return LRESULT(CLR_INVALID);
        const COLORREF previous = calendarColours_[wParam];
        calendarColours_[wParam] = COLORREF(lParam);
        return LRESULT(previous);
    }
    case DTM_GETMCCOLOR:
        return wParam <= MCSC_TRAILINGTEXT ? LRESULT(calendarColours_[wParam]) : LRESULT(CLR_INVALID);
    default:
        break;
    }
    return DefWindowProc(window_, message, wParam, lParam);
}

}  // namespace

void RegisterDateTimePickerClass() {
    RegisterControlClass("SysDateTimePick32", &ControlProcedure<DateTimePicker>, CS_DBLCLKS, 0);
}

}  // namespace ctl
