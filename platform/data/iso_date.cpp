// ISO date text <-> TDateTime, through the runtime's calendar routines.
#include "platform/data/iso_date.h"

#include <cstdio>

#include "platform/rtl/datetime.h"

namespace {

bool ReadNumber(std::string_view text, std::size_t& i, std::size_t maxDigits, int& value) {
    const std::size_t start = i;
    value = 0;
    while (i < text.size() && i - start < maxDigits && text[i] >= '0' && text[i] <= '9')
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
        if (i < text.size() && text[i] == ':' && (!Expect(text, i, ":") || !ReadNumber(text, i, 2, ss))) return false;
        // Fractions of a second are read and dropped.
        if (i < text.size() && text[i] == '.') {
            ++i;
            while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        }
        if (i != text.size()) return false;
    }
    TDateTime date, time;
    if (!TryEncodeDate(Word(y), Word(m), Word(d), date) || !TryEncodeTime(Word(hh), Word(nn), Word(ss), 0, time))
        return false;
    // Before 1899-12-30 the day counts back while the time still runs forward.
    value = date >= 0 ? date + time : date - time;
    return true;
}

AnsiString DateTimeToIso(TDateTime value) {
    Word y, m, d, hh, nn, ss, ms;
    DecodeDate(value, y, m, d);
    DecodeTime(value, hh, nn, ss, ms);
    char text[64];
    if (hh == 0 && nn == 0 && ss == 0)
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", y, m, d);
    else
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", y, m, d, hh, nn, ss);
    return text;
}
