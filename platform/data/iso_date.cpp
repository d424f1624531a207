// ISO date text <-> TDateTime (days since 1899-12-30).
#include "platform/data/iso_date.h"

#include <cmath>
#include <cstdio>

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date.
long long DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& y, int& m, int& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

// 1899-12-30 in days since 1970-01-01.
const long long kEpochOffset = DaysFromCivil(1899, 12, 30);

bool ReadNumber(std::string_view text, std::size_t& i, int maxDigits, int& value) {
    const std::size_t start = i;
    value = 0;
    while (i < text.size() && i - start < static_cast<std::size_t>(maxDigits) && text[i] >= '0' && text[i] <= '9')
        value = value * 10 + (text[i++] - '0');
    return i > start;
}

bool Expect(std::string_view text, std::size_t& i, std::string_view separators) {
    if (i >= text.size() || separators.find(text[i]) == std::string_view::npos) return false;
    ++i;
    return true;
}

}  // namespace

bool TryIsoToDateTime(std::string_view text, TDateTime& value) {
    std::size_t i = 0;
    int y, m, d, hh = 0, nn = 0, ss = 0;
    if (!ReadNumber(text, i, 4, y) || !Expect(text, i, "-/") || !ReadNumber(text, i, 2, m) ||
        !Expect(text, i, "-/") || !ReadNumber(text, i, 2, d))
        return false;
    if (i < text.size()) {
        if (!Expect(text, i, " T") || !ReadNumber(text, i, 2, hh) || !Expect(text, i, ":") ||
            !ReadNumber(text, i, 2, nn))
            return false;
        if (i < text.size() && (!Expect(text, i, ":") || !ReadNumber(text, i, 2, ss))) return false;
        // Fractions of a second are read and dropped.
        if (i < text.size() && text[i] == '.') {
            ++i;
            while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        }
        if (i != text.size()) return false;
    }
    if (y < 1 || m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m) || hh > 23 || nn > 59 || ss > 59) return false;
    const double days = static_cast<double>(DaysFromCivil(y, m, d) - kEpochOffset);
    const double time = (hh * 3600 + nn * 60 + ss) / 86400.0;
    // Before the epoch the platform keeps the time as a positive fraction
    // behind a negative day number.
    value = days >= 0 ? days + time : days - time;
    return true;
}

AnsiString DateTimeToIso(TDateTime value) {
    const double day = std::trunc(value);
    long long seconds = std::llround(std::fabs(value - day) * 86400.0);
    long long dayNumber = static_cast<long long>(day);
    if (seconds >= 86400) {  // rounding reached the next day
        seconds -= 86400;
        dayNumber += value >= 0 ? 1 : -1;
    }
    int y, m, d;
    CivilFromDays(dayNumber + kEpochOffset, y, m, d);
    char text[32];
    if (seconds == 0)
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", y, m, d);
    else
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", y, m, d, static_cast<int>(seconds / 3600),
                      static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
    return text;
}
