// The engine's small text routines: its texts by id, quotes, brackets,
// tokens, delimited items, numbers in text, month names and rounding.
#include "platform/rtl/codepage.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/sysutils.h"
#include "report/core/qm_resourcestrings.h"
#include "report/core/qm_utils.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

AnsiString LoadReportString(int id) { return GetResourceManager()->LoadStr(id); }

AnsiString RemoveQuotes(const AnsiString& text) {
    if (text.size() > 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
    return text;
}

AnsiString ExtractBracketedText(const AnsiString& text, int& start, int& end) {
    if (text.empty() || start < 1 || start >= static_cast<int>(text.size())) return {};
    int level = 0;
    bool inDoubleQuotes = false, inSingleQuotes = false;
    std::size_t i = static_cast<std::size_t>(start - 1);
    for (; i < text.size(); i += AnsiCharSize(text, i)) {
        const char c = text[i];
        if (c == '"' && !inSingleQuotes) inDoubleQuotes = !inDoubleQuotes;
        if (c == '\'' && !inDoubleQuotes) inSingleQuotes = !inSingleQuotes;
        if (inDoubleQuotes || inSingleQuotes) continue;
        if (c == '[') ++level;
        if (c == ']' && --level == 0) break;
    }
    end = static_cast<int>(i) + 1;
    return text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start - 1));
}

AnsiString ReverseString(const AnsiString& text) { return AnsiString(text.rbegin(), text.rend()); }

AnsiString MonthToEnglishShort(int month) {
    return month >= 1 && month <= 12 ? EnglishShortMonthNames[static_cast<std::size_t>(month - 1)] : AnsiString();
}

AnsiString MonthToEnglishLong(int month) {
    return month >= 1 && month <= 12 ? EnglishLongMonthNames[static_cast<std::size_t>(month - 1)] : AnsiString();
}

double RoundToDecimals(double value, int n) {
    if (n == 0) return static_cast<double>(Round(value));
    return StrToFloat(FormatFloat("#." + StringOfChar('0', n), value));
}

AnsiString GetWindowsVersionText() {
    constexpr int win32s = 0, windows9x = 1;
    switch (Win32Platform) {
    case win32s: return "32s";
    case windows9x:
        return Win32MajorVersion > 4 || (Win32MajorVersion == 4 && Win32MinorVersion > 9) ? "98" : "95";
    case VER_PLATFORM_WIN32_NT: return "NT";
    default: return {};
    }
}

bool IsNumericText(const AnsiString& text) {
    double value;
    return TryStrToFloat(text, value);
}

AnsiString ExtractNextToken(const AnsiString& text, const AnsiString& separator, int& position) {
    if (position <= 0) return {};
    if (position > static_cast<int>(text.size())) {
        position = -1;
        return {};
    }
    const AnsiString rest = text.substr(static_cast<std::size_t>(position - 1));
    const bool word = separator.size() > 1;
    const AnsiString searched = word ? " " + AnsiUpperCase(separator) + " " : separator;
    const int found = Pos(searched, word ? AnsiUpperCase(rest) : rest);
    if (found == 0) {
        position = -1;
        return rest;
    }
    position += found - 1 + static_cast<int>(searched.size());
    return rest.substr(0, static_cast<std::size_t>(found - 1));
}

bool SameTextLen(const AnsiString& a, const AnsiString& b) { return a.size() == b.size() && AnsiSameText(a, b); }

AnsiString GetDelimitedItem(const AnsiString& text, int n) {
    std::size_t begin = 0;
    for (int item = 1;; ++item) {
        const std::size_t end = text.find('\1', begin);
        if (end == AnsiString::npos) return {};
        if (item == n) return text.substr(begin, end - begin);
        begin = end + 1;
    }
}

AnsiString CleanNumberText(const AnsiString& text) {
    const AnsiString trimmed = Trim(text);
    // Step by character: the second and fourth bytes of a four-byte
    // character are ASCII digits.
    std::size_t first = trimmed.size(), last = 0;
    for (std::size_t i = 0; i < trimmed.size(); i += AnsiCharSize(trimmed, i)) {
        if (AnsiCharSize(trimmed, i) != 1) continue;
        if (first == trimmed.size() && (IsDigit(trimmed[i]) || trimmed[i] == '-')) first = i;
        if (first != trimmed.size() && IsDigit(trimmed[i])) last = i + 1;
    }
    AnsiString result;
    for (std::size_t i = first; i < last; i += AnsiCharSize(trimmed, i)) {
        const std::size_t size = AnsiCharSize(trimmed, i);
        if (size != 1 || trimmed[i] != ThousandSeparator) result += trimmed.substr(i, size);
    }
    return result;
}
