// Number texts and dates: classification, normalisation for the float
// conversion, date series and the month/day/year readers.
#include "stringgrid/BavUtil.h"

#include <cctype>
#include <charconv>

#include "platform/rtl/datetime.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/sysutils.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool ReadPlainFloat(const AnsiString& text, double& value) {
    const char* first = text.c_str();
    const char* last = first + text.size();
    while (first < last && *first == ' ') ++first;
    if (first < last && *first == '+') ++first;
    value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc()) value = 0;
    return error == std::errc() && end == last;
}

int ClassifyNumericText(const AnsiString& text) {
    if (text.empty()) return ntOther;
    const char ds = DecimalSeparator, ts = ThousandSeparator;
    bool integer = true, floating = true, scientific = true, exponent = false;
    int thousands = 0, decimals = 0, minuses = 0, lastThousand = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const int position = int(i) + 1;
        const bool minusHere = c == '-';
        if (!(IsDigit(c) || minusHere) || (minusHere && position != 1)) integer = false;
        if (!(IsDigit(c) || minusHere || c == ts || c == ds) || (minusHere && position != 1)) floating = false;
        if (c == ts) {
            if (position < 2 || (lastThousand > 0 && position - lastThousand < 3)) floating = false;
            lastThousand = position;
            ++thousands;
        }
        if (c == 'E' || c == 'e') {
            if (exponent || position == 1) scientific = false;
            exponent = true;
        } else if (!(IsDigit(c) || c == '+' || minusHere || c == ds)) {
            scientific = false;
        }
        decimals += c == ds;
        minuses += minusHere;
    }
    const char last = text.back();
    if (last == '+' || last == '-' || last == 'E' || last == 'e') scientific = false;

    int kind = ntOther;
    if (integer) {
        kind = ntInteger;
    } else if (floating && !exponent) {
        kind = ntFloat;
    } else if (scientific && exponent) {
        kind = ntScientific;
        if (minuses == 2) minuses = 1;
    }
    if (thousands > 1 || minuses > 1 || decimals > 1) kind = ntOther;
    return kind;
}

AnsiString NormalizeNumberText(const AnsiString& text) {
    AnsiString s = Trim(text);
    if (s.empty()) return AnsiString();
    const char ds = DecimalSeparator, ts = ThousandSeparator;
    bool negative = s.front() == '(' && s.back() == ')';
    while (s.size() >= 2 && !(IsDigit(s[0]) || s[0] == 'E' || s[0] == 'e' || s[0] == ts || s[0] == ds)) {
        if (s[0] == '-') negative = true;
        s.erase(0, 1);
    }
    AnsiString out;
    for (char c : s) {
        if (c == ts) continue;
        if (c == ds)
            out.push_back('.');
        else if (IsDigit(c) || c == '+' || c == '-' || c == '.' || c == 'E' || c == 'e')
            out.push_back(c);
        else
            break;
    }
    return negative ? "-" + out : out;
}

int ClampToLimits(int value, int min, int max) {
    if (min == max) return value;
    if (max > 0 && value > max) return max;
    if (min > 0 && value < min) return min;
    return value;
}

TDateTime AddToDate(int years, int months, int days, TDateTime value, TDateTime increment) {
    Word year, month, day;
    DecodeDate(value, year, month, day);
    if (days != 0 && years == 0 && months == 0) return value + days;
    if (years != 0 && months == 0 && days == 0) return EncodeDate(Word(year + years), month, day);
    if (months != 0 && years == 0 && days == 0) {
        int m = month + months, y = year;
        if (m <= 0) {
            m += 12;
            --y;
        } else if (m > 12) {
            m -= 12;
            ++y;
        }
        return EncodeDate(Word(y), Word(m), day);
    }
    return value + increment;
}

namespace {

// The first two fields and the year of a date text, split at "/", "." or "-"
// (the first of them that the text holds).
TDateTime ParseDateFields(const AnsiString& s, bool monthFirst) {
    const char separator = CharPosition('/', s) ? '/' : CharPosition('.', s) ? '.' : '-';
    int first = CharPosition(separator, s);
    if (first == 0) return 0;
    AnsiString rest = s.substr(std::size_t(first));
    int second = CharPosition(separator, rest);
    if (second == 0) return 0;
    AnsiString yearText = rest.substr(std::size_t(second));
    int a, b, year;
    if (!TryStrToInt(s.substr(0, std::size_t(first) - 1), a) || !TryStrToInt(rest.substr(0, std::size_t(second) - 1), b) ||
        !TryStrToInt(yearText, year))
        return 0;
    // Only a year written with one or two digits is given a century.
    if (Trim(yearText).size() <= 2) year += year < 26 ? 2000 : 1900;
    const int month = monthFirst ? a : b, day = monthFirst ? b : a;
    if (year < 0 || year > 0xFFFF || month < 0 || month > 0xFFFF || day < 0 || day > 0xFFFF)
        throw EConvertError("Invalid argument to date encode");
    return EncodeDate(Word(year), Word(month), Word(day));
}

}  // namespace

TDateTime ParseDateMDY(const AnsiString& s) { return ParseDateFields(s, true); }
TDateTime ParseDateDMY(const AnsiString& s) { return ParseDateFields(s, false); }

bool LooksLikeDate(const AnsiString& s) {
    int first = CharPosition(DateSeparator, s);
    if (first < 2) return false;
    return CharPosition(DateSeparator, s.substr(std::size_t(first))) >= 2;
}

AnsiString VersionNumberText(Cardinal number) {
    AnsiString text = IntToStr(int(number >> 24));
    for (int shift = 16; shift >= 0; shift -= 8) text.append(".").append(IntToStr(int((number >> shift) & 0xFF)));
    return text;
}
