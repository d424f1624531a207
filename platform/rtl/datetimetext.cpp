// Conversion of TDateTime to and from text: FormatDateTime with DateToStr,
// TimeToStr and DateTimeToStr, and the StrToDate family. Formats and input
// are read character by character in GB18030, so a Chinese character is
// taken whole even when one of its bytes equals a format letter or a digit.
#include <algorithm>
#include <string_view>
#include <utility>

#include "platform/rtl/codepage.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/formatsettings.h"

namespace {

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

// Whether `text` holds `word` at `pos`, ignoring the case of ASCII letters
// (Chinese characters must match exactly).
bool HasWordAt(std::string_view text, std::size_t pos, std::string_view word) {
    if (word.empty() || text.size() - pos < word.size()) return false;
    for (std::size_t k = 0; k < word.size();) {
        const std::size_t size = AnsiCharSize(word, k);
        if (size == 1 ? UpperAscii(text[pos + k]) != UpperAscii(word[k])
                      : text.substr(pos + k, size) != word.substr(k, size))
            return false;
        k += size;
    }
    return true;
}

// Whether the hour code ending before `pos` is shown on a 12-hour clock: an
// am/pm, a/p or ampm code follows before the next hour code, outside quotes.
bool AmPmFollows(std::string_view format, std::size_t pos) {
    bool quoted = false;
    while (pos < format.size()) {
        const std::size_t size = AnsiCharSize(format, pos);
        if (size == 1) {
            const char c = UpperAscii(format[pos]);
            if (c == 'H') return false;
            if (c == 'A' && !quoted)
                return HasWordAt(format, pos, "AM/PM") || HasWordAt(format, pos, "A/P") || HasWordAt(format, pos, "AMPM");
            if (c == '\'' || c == '"') quoted = !quoted;
        }
        pos += size;
    }
    return false;
}

class DateTimeFormatter {
public:
    DateTimeFormatter(TDateTime value, AnsiString& out) : value_(value), out_(out) {}

    // Appends `format` expanded. The codes that stand for another format
    // (c, ddddd, dddddd, t, tt) expand one level deep only, so a locale
    // format that names itself cannot loop.
    void Append(std::string_view format, int level);

private:
    void NeedDate() {
        if (dateDecoded_) return;
        DecodeDate(value_, year_, month_, day_);
        dateDecoded_ = true;
    }
    void NeedTime() {
        if (timeDecoded_) return;
        DecodeTime(value_, hour_, min_, sec_, msec_);
        timeDecoded_ = true;
    }
    const AnsiString& DayName(const std::array<AnsiString, 7>& names) const { return names[DayOfWeek(value_) - 1]; }
    // Written digit by digit: every formatted date passes here several times.
    void AppendNumber(unsigned value, int digits) {
        char text[16];
        char* end = text + sizeof text;
        char* p = end;
        do {
            *--p = char('0' + value % 10);
            value /= 10;
        } while (value != 0);
        while (end - p < digits && p > text) *--p = '0';
        out_.append(p, std::size_t(end - p));
    }

    TDateTime value_;
    AnsiString& out_;
    bool dateDecoded_ = false;
    bool timeDecoded_ = false;
    Word year_ = 0, month_ = 0, day_ = 0;
    Word hour_ = 0, min_ = 0, sec_ = 0, msec_ = 0;
};

void DateTimeFormatter::Append(std::string_view format, int level) {
    if (level >= 2) return;
    char lastToken = ' ';
    bool twelveHour = false;
    std::size_t pos = 0;
    while (pos < format.size()) {
        const std::size_t size = AnsiCharSize(format, pos);
        if (size > 1) {
            out_.append(format.substr(pos, size));
            pos += size;
            continue;
        }
        const char starter = format[pos++];
        // Counts the run of `starter`, the one already read included.
        auto runLength = [&] {
            const std::size_t start = pos;
            while (pos < format.size() && format[pos] == starter) ++pos;
            return int(pos - start + 1);
        };
        char token = UpperAscii(starter);
        if (token >= 'A' && token <= 'Z') {
            if (token == 'M' && lastToken == 'H') token = 'N';
            lastToken = token;
        }
        switch (token) {
        case 'Y': {
            const int count = runLength();
            NeedDate();
            if (count <= 2)
                AppendNumber(year_ % 100, 2);
            else
                AppendNumber(year_, 4);
            break;
        }
        case 'G':
            runLength();
            NeedDate();
            out_ += EraName;
            break;
        case 'E': {
            const int count = runLength();
            NeedDate();
            if (count >= 3)
                AppendNumber(year_, 4);
            else
                AppendNumber(year_ % 100, count);
            break;
        }
        case 'M': {
            const int count = runLength();
            NeedDate();
            if (count <= 2)
                AppendNumber(month_, count);
            else
                out_ += (count == 3 ? ShortMonthNames : LongMonthNames)[month_ - 1];
            break;
        }
        case 'D': {
            const int count = runLength();
            if (count <= 2) {
                NeedDate();
                AppendNumber(day_, count);
            } else if (count == 3) {
                out_ += DayName(ShortDayNames);
            } else if (count == 4) {
                out_ += DayName(LongDayNames);
            } else {
                Append(count == 5 ? ShortDateFormat : LongDateFormat, level + 1);
            }
            break;
        }
        case 'H': {
            const int count = runLength();
            NeedTime();
            if (AmPmFollows(format, pos)) twelveHour = true;
            unsigned hour = hour_;
            if (twelveHour) hour = hour == 0 ? 12 : hour > 12 ? hour - 12 : hour;
            AppendNumber(hour, std::min(count, 2));
            break;
        }
        case 'N':
        case 'S':
        case 'Z': {
            const int count = runLength();
            NeedTime();
            if (token == 'Z')
                AppendNumber(msec_, std::min(count, 3));
            else
                AppendNumber(token == 'N' ? min_ : sec_, std::min(count, 2));
            break;
        }
        case 'T':
            Append(runLength() == 1 ? ShortTimeFormat : LongTimeFormat, level + 1);
            break;
        case 'A': {
            const std::size_t at = pos - 1;
            if (HasWordAt(format, at, "AM/PM")) {
                NeedTime();
                out_.append(format.substr(hour_ >= 12 ? at + 3 : at, 2));
                pos = at + 5;
                twelveHour = true;
            } else if (HasWordAt(format, at, "A/P")) {
                NeedTime();
                out_ += format[hour_ >= 12 ? at + 2 : at];
                pos = at + 3;
                twelveHour = true;
            } else if (HasWordAt(format, at, "AMPM")) {
                NeedTime();
                out_ += hour_ >= 12 ? TimePMString : TimeAMString;
                pos = at + 4;
                twelveHour = true;
            } else if (HasWordAt(format, at, "AAAA")) {
                out_ += DayName(LongDayNames);
                pos = at + 4;
            } else if (HasWordAt(format, at, "AAA")) {
                out_ += DayName(ShortDayNames);
                pos = at + 3;
            } else {
                out_ += starter;
            }
            break;
        }
        case 'C':
            runLength();
            Append(ShortDateFormat, level + 1);
            NeedTime();
            if (hour_ != 0 || min_ != 0 || sec_ != 0) {
                out_ += ' ';
                Append(LongTimeFormat, level + 1);
            }
            break;
        case '/':
            if (DateSeparator != '\0') out_ += DateSeparator;
            break;
        case ':':
            if (TimeSeparator != '\0') out_ += TimeSeparator;
            break;
        case '\'':
        case '"': {
            const std::size_t start = pos;
            while (pos < format.size() && format[pos] != starter) pos += AnsiCharSize(format, pos);
            out_.append(format.substr(start, pos - start));
            if (pos < format.size()) ++pos;
            break;
        }
        default:
            out_ += starter;
        }
    }
}

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// The order of the fields in a short date format: whichever of year, month
// and day comes first decides; quoted text does not count.
DateOrder DateOrderOf(std::string_view format) {
    for (std::size_t pos = 0; pos < format.size(); pos += AnsiCharSize(format, pos)) {
        const char c = UpperAscii(format[pos]);
        if (c == 'E' || c == 'Y') return DateOrder::YearMonthDay;
        if (c == 'M') return DateOrder::MonthDayYear;
        if (c == 'D') return DateOrder::DayMonthYear;
        if (c == '\'' || c == '"') {
            const std::size_t close = format.find(c, pos + 1);
            if (close == std::string_view::npos) break;
            pos = close;
        }
    }
    return DateOrder::MonthDayYear;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads dates and times from text. Each Scan... step skips blanks first and
// moves on only when it succeeds.
class DateTimeScanner {
public:
    explicit DateTimeScanner(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    bool ScanDate(TDateTime& date);
    bool ScanTime(TDateTime& time);

private:
    void SkipBlanks() {
        while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
    }
    void Step() { pos_ += AnsiCharSize(text_, pos_); }
    bool ScanNumber(Word& number, int& digits);
    bool ScanChar(char c) {
        SkipBlanks();
        if (AtEnd() || text_[pos_] != c) return false;
        ++pos_;
        return true;
    }
    bool ScanWord(std::string_view word) {
        SkipBlanks();
        if (!HasWordAt(text_, pos_, word)) return false;
        pos_ += word.size();
        return true;
    }
    // 0 after an AM word, 12 after a PM word, -1 when neither is there.
    int ScanAmPm() {
        if (ScanWord(TimeAMString) || ScanWord("AM")) return 0;
        if (ScanWord(TimePMString) || ScanWord("PM")) return 12;
        return -1;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

bool DateTimeScanner::ScanNumber(Word& number, int& digits) {
    SkipBlanks();
    const std::size_t start = pos_;
    unsigned value = 0;
    while (pos_ < text_.size() && IsDigit(text_[pos_]) && value < 1000) value = value * 10 + unsigned(text_[pos_++] - '0');
    if (pos_ == start) return false;
    number = Word(value);
    digits = int(pos_ - start);
    return true;
}

bool DateTimeScanner::ScanDate(TDateTime& date) {
    const std::string_view format = ShortDateFormat;
    // An era name before the date ("公元2026-12-10") is passed over.
    if (!format.empty() && UpperAscii(format[0]) == 'G')
        while (!AtEnd() && !IsDigit(text_[pos_])) Step();
    Word n1 = 0, n2 = 0, n3 = 0;
    int digits1 = 0, digits2 = 0, digits3 = 0;
    if (!(ScanNumber(n1, digits1) && ScanChar(DateSeparator) && ScanNumber(n2, digits2))) return false;
    const DateOrder order = DateOrderOf(format);
    Word year, month, day;
    if (ScanChar(DateSeparator)) {
        if (!ScanNumber(n3, digits3)) return false;
        int yearDigits = digits3;
        switch (order) {
        case DateOrder::MonthDayYear: year = n3, month = n1, day = n2; break;
        case DateOrder::DayMonthYear: year = n3, month = n2, day = n1; break;
        case DateOrder::YearMonthDay: year = n1, month = n2, day = n3, yearDigits = digits1; break;
        }
        if (yearDigits <= 2) {
            const int centuryBase = CurrentYear() - TwoDigitYearCenturyWindow;
            year = Word(year + centuryBase / 100 * 100);
            if (TwoDigitYearCenturyWindow > 0 && year < centuryBase) year = Word(year + 100);
        }
    } else {
        year = CurrentYear();
        month = order == DateOrder::DayMonthYear ? n2 : n1;
        day = order == DateOrder::DayMonthYear ? n1 : n2;
    }
    ScanChar(DateSeparator);
    SkipBlanks();
    // A short date that shows the day's name is followed by that name: pass
    // over it up to the time's digits or its AM/PM word.
    if (format.find("ddd") != std::string_view::npos)
        while (!AtEnd() && !IsDigit(text_[pos_]) && !HasWordAt(text_, pos_, TimeAMString) &&
               !HasWordAt(text_, pos_, TimePMString))
            Step();
    return TryEncodeDate(year, month, day, date);
}

bool DateTimeScanner::ScanTime(TDateTime& time) {
    int baseHour = ScanAmPm();
    Word hour = 0, min = 0, sec = 0, msec = 0;
    int digits = 0;
    if (!ScanNumber(hour, digits)) return false;
    if (ScanChar(TimeSeparator)) {
        if (!ScanNumber(min, digits)) return false;
        if (ScanChar(TimeSeparator)) {
            if (!ScanNumber(sec, digits)) return false;
            if (ScanChar(DecimalSeparator) && !ScanNumber(msec, digits)) return false;
        }
    }
    if (baseHour < 0) baseHour = ScanAmPm();
    if (baseHour >= 0) {
        if (hour == 0 || hour > 12) return false;
        hour = Word(hour % 12 + baseHour);
    }
    SkipBlanks();
    return TryEncodeTime(hour, min, sec, msec, time);
}

}  // namespace

void DateTimeToString(AnsiString& result, const AnsiString& format, TDateTime value) {
    AnsiString text;  // `format` may be `result` itself
    text.reserve(32);  // a date and time at once, not grown piece by piece
    DateTimeFormatter(value, text).Append(format.empty() ? std::string_view("C") : std::string_view(format), 0);
    result = std::move(text);
}

AnsiString FormatDateTime(const AnsiString& format, TDateTime value) {
    AnsiString result;
    DateTimeToString(result, format, value);
    return result;
}

AnsiString DateToStr(TDateTime value) { return FormatDateTime(ShortDateFormat, value); }

AnsiString TimeToStr(TDateTime value) { return FormatDateTime(LongTimeFormat, value); }

AnsiString DateTimeToStr(TDateTime value) { return FormatDateTime("", value); }

namespace {

// Reads the whole of `s` with one scanning step; false when the step fails
// or text is left over.
bool ScanWhole(const AnsiString& s, bool (DateTimeScanner::*scan)(TDateTime&), TDateTime& value) {
    DateTimeScanner scanner(s);
    TDateTime result;
    if (!(scanner.*scan)(result) || !scanner.AtEnd()) return false;
    value = result;
    return true;
}

}  // namespace

bool TryStrToDate(const AnsiString& s, TDateTime& value) { return ScanWhole(s, &DateTimeScanner::ScanDate, value); }

bool TryStrToTime(const AnsiString& s, TDateTime& value) { return ScanWhole(s, &DateTimeScanner::ScanTime, value); }

bool TryStrToDateTime(const AnsiString& s, TDateTime& value) {
    DateTimeScanner scanner(s);
    TDateTime date, time = 0;
    if (!scanner.ScanDate(date) || !(scanner.AtEnd() || (scanner.ScanTime(time) && scanner.AtEnd())))
        return TryStrToTime(s, value);
    // The time of day runs forward from midnight on either side of the epoch.
    value = date < 0 ? date - time : date + time;
    return true;
}

namespace {

using TryConversion = bool (*)(const AnsiString&, TDateTime&);

TDateTime ConvertOrRaise(TryConversion convert, const AnsiString& s, const char* what) {
    TDateTime value;
    if (!convert(s, value)) throw EConvertError("'" + s + "' is not a valid " + what);
    return value;
}

TDateTime ConvertOrDefault(TryConversion convert, const AnsiString& s, TDateTime fallback) {
    TDateTime value;
    return convert(s, value) ? value : fallback;
}

}  // namespace

TDateTime StrToDate(const AnsiString& s) { return ConvertOrRaise(TryStrToDate, s, "date"); }
TDateTime StrToTime(const AnsiString& s) { return ConvertOrRaise(TryStrToTime, s, "time"); }
TDateTime StrToDateTime(const AnsiString& s) { return ConvertOrRaise(TryStrToDateTime, s, "date and time"); }

TDateTime StrToDateDef(const AnsiString& s, TDateTime fallback) { return ConvertOrDefault(TryStrToDate, s, fallback); }
TDateTime StrToTimeDef(const AnsiString& s, TDateTime fallback) { return ConvertOrDefault(TryStrToTime, s, fallback); }
TDateTime StrToDateTimeDef(const AnsiString& s, TDateTime fallback) {
    return ConvertOrDefault(TryStrToDateTime, s, fallback);
}
