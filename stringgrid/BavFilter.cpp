// The filter conditions, their collection and the condition language.
#include "stringgrid/BavFilter.h"

#include <vector>

#include "platform/rtl/codepage.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/pchar.h"
#include "platform/rtl/sysutils.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavUtil.h"

void TFilterData::Published(TPublished<TFilterData>& p) {
    p.Property("Column", &TFilterData::Column, &TFilterData::SetColumn).Default(0);
    p.Property("Condition", &TFilterData::Condition, &TFilterData::SetCondition);
    p.Property("CaseSensitive", &TFilterData::CaseSensitive, &TFilterData::SetCaseSensitive).Default(true);
    p.Property("Data", &TFilterData::Data, &TFilterData::SetData).Default(fcVirtual);
    p.Property("Prefix", &TFilterData::Prefix, &TFilterData::SetPrefix);
    p.Property("Suffix", &TFilterData::Suffix, &TFilterData::SetSuffix);
    p.Property("Operation", &TFilterData::Operation, &TFilterData::SetOperation).Default(foSHORT);
}

void TFilterData::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TFilterData*>(source);
    if (!other) return;
    column_ = other->column_;
    condition_ = other->condition_;
    caseSensitive_ = other->caseSensitive_;
    data_ = other->data_;
    prefix_ = other->prefix_;
    suffix_ = other->suffix_;
    operation_ = other->operation_;
}

TFilter::TFilter(TBavStringGrid* grid) : TOwnedCollection(grid, TFilterData::StaticClass()), grid_(grid) {}

// ---- The condition language ------------------------------------------------------------------

namespace {

constexpr std::size_t kMaxOperand = 255;

// The operand after a comparison sign at `start`: up to a blank, the end,
// or & | outside the quotes counted from its start; its enclosing quotes go.
AnsiString ReadOperand(const AnsiString& pattern, std::size_t start) {
    std::size_t i = start;
    while (i < pattern.size() && pattern[i] == ' ') ++i;
    const std::size_t begin = i;
    int quotes = 0;
    while (i < pattern.size()) {
        const std::size_t size = AnsiCharSize(pattern, i);
        if (size == 1) {
            const char ch = pattern[i];
            if (ch == ' ' || ((ch == '&' || ch == '|') && quotes % 2 == 0)) break;
            if (ch == '"') ++quotes;
        }
        i += size;
    }
    AnsiString operand = pattern.substr(begin, i - begin);
    if (!operand.empty() && operand.front() == '"') operand.erase(0, 1);
    if (!operand.empty() && operand.back() == '"') operand.pop_back();
    if (operand.size() > kMaxOperand) operand.resize(kMaxOperand);
    return operand;
}

// The text against the operand: as numbers, else as dates, else as strings.
int CompareWithOperand(const AnsiString& text, const AnsiString& operand) {
    double number1 = 0, number2 = 0;
    if (ReadPlainFloat(PlainDecimalText(text), number1) && ReadPlainFloat(PlainDecimalText(operand), number2))
        return (number1 > number2) - (number1 < number2);
    TDateTime date1 = 0, date2 = 0;
    if (ParseLocaleDate(text, date1) && ParseLocaleDate(operand, date2)) return (date1 > date2) - (date1 < date2);
    const int result = StrLComp(text.c_str(), operand.c_str(), kMaxOperand);
    return (result > 0) - (result < 0);
}

// The comparison of a sign: `inclusive` with "=" after it; true when the
// pattern does not hold the sign.
bool SignHolds(const AnsiString& pattern, char sign, bool& present, const AnsiString& text) {
    const std::size_t at = pattern.find(sign);
    present = at != AnsiString::npos;
    if (!present) return true;
    const bool inclusive = at + 1 < pattern.size() && pattern[at + 1] == '=';
    const int result = CompareWithOperand(text, ReadOperand(pattern, at + (inclusive ? 2 : 1)));
    if (sign == '>') return inclusive ? result >= 0 : result > 0;
    return inclusive ? result <= 0 : result < 0;
}

bool Contains(const AnsiString& text, char ch) { return text.find(ch) != AnsiString::npos; }

// Step 1 of a pattern: the comparisons; false when they give no answer.
bool MatchComparisons(const AnsiString& pattern, const AnsiString& text, bool& result) {
    bool hasGreater = false, hasLess = false;
    const bool greater = SignHolds(pattern, '>', hasGreater, text);
    const bool less = SignHolds(pattern, '<', hasLess, text);
    if (Contains(pattern, '!')) {
        hasGreater = hasGreater || !Contains(pattern, '>');
        hasLess = hasLess || !Contains(pattern, '<');
    }
    if (Contains(pattern, '^') && (hasGreater || hasLess)) {
        result = greater || less;
        return true;
    }
    if (Contains(pattern, '&') && hasGreater && hasLess) {
        result = greater && less;
        return true;
    }
    result = true;
    return (Contains(pattern, '>') && greater) || (Contains(pattern, '<') && less);
}

}  // namespace

AnsiString StripBlanksOutsideQuotes(const AnsiString& text) {
    AnsiString result;
    int quotes = 0;
    for (const char ch : text) {
        if (ch == '"') ++quotes;
        if (ch != ' ' || quotes % 2 == 1) result += ch;
    }
    return result;
}

AnsiString PlainDecimalText(const AnsiString& text) {
    AnsiString result;
    for (const char ch : text) {
        if (ch == DecimalSeparator)
            result += '.';
        else if (ch != ThousandSeparator)
            result += ch;
    }
    return result;
}

bool ParseLocaleDate(const AnsiString& text, TDateTime& date) {
    const AnsiString format = UpperCase(ShortDateFormat);
    const std::size_t day = format.find('D'), month = format.find('M'), year = format.find('Y');
    if (day == AnsiString::npos || month == AnsiString::npos || year == AnsiString::npos) return false;
    const std::size_t first = text.find(DateSeparator);
    if (first == AnsiString::npos) return false;
    const std::size_t second = text.find(DateSeparator, first + 1);
    if (second == AnsiString::npos) return false;
    const AnsiString pieces[3] = {text.substr(0, first), text.substr(first + 1, second - first - 1),
                                  text.substr(second + 1)};
    int values[3];
    for (int i = 0; i < 3; ++i)
        if (!TryStrToInt(pieces[i], values[i])) return false;
    // The pieces stand in the order of the format's first D, M and Y.
    auto valueAt = [&](std::size_t position) {
        return values[(position > day) + (position > month) + (position > year)];
    };
    const int d = valueAt(day), m = valueAt(month), y = valueAt(year);
    if (d >= 32 || m > 12 || d < 1 || m < 1 || y < 1 || y > 9999) return false;
    return TryEncodeDate(Word(y), Word(m), Word(d), date);
}

bool MatchFilterPattern(const AnsiString& pattern, const AnsiString& text) {
    bool compared = false;
    if (MatchComparisons(pattern, text, compared)) return compared;
    bool negate = false, match = true;
    std::size_t p = 0, t = 0;
    while (match && !(p == pattern.size() && t == text.size())) {
        if (p == pattern.size()) {
            match = false;
            break;
        }
        const char ch = pattern[p];
        if (ch == '!') {
            negate = !negate;
            ++p;
        } else if (ch == '"') {
            ++p;
        } else if (ch == '*') {
            while (p < pattern.size() && pattern[p] == '*') ++p;
            const AnsiString rest = pattern.substr(p);
            std::vector<std::size_t> starts;
            for (std::size_t at = t; at < text.size(); at += AnsiCharSize(text, at)) starts.push_back(at);
            starts.push_back(text.size());
            for (auto at = starts.rbegin(); at != starts.rend(); ++at)
                if (MatchFilterPattern(rest, text.substr(*at))) return !negate;
            return negate;
        } else if (ch == '?') {
            if (t >= text.size()) {
                match = false;
            } else {
                t += AnsiCharSize(text, t);
                ++p;
            }
        } else {
            if (ch == '\\') {
                if (p + 1 >= pattern.size()) return false;
                ++p;
            }
            const std::size_t size = AnsiCharSize(pattern, p);
            if (text.compare(t, size, pattern, p, size) != 0 || t + size > text.size()) {
                match = false;
            } else {
                p += size;
                t += size;
            }
        }
    }
    return match != negate;
}

bool MatchFilterPart(const AnsiString& part, const AnsiString& text, bool caseSensitive) {
    if (caseSensitive) return MatchFilterPattern(part, text);
    return MatchFilterPattern(AnsiUpperCase(part), AnsiUpperCase(text));
}

bool MatchFilterCondition(const AnsiString& condition, const AnsiString& text, bool caseSensitive) {
    AnsiString rest = StripBlanksOutsideQuotes(Trim(condition));
    if (!rest.empty() && rest.front() == '=') rest.erase(0, 1);
    bool result = true;
    char joint = '\0';
    for (;;) {
        int position = 0;
        const char next = FindCharOutsideQuotes("&;^|", rest, position);
        const AnsiString part = next ? rest.substr(0, std::size_t(position) - 1) : rest;
        const bool match = MatchFilterPart(part, text, caseSensitive);
        result = joint == '\0' ? match : (joint == '&' ? result && match : result || match);
        if (!next) return result;
        joint = next;
        rest.erase(0, std::size_t(position));
    }
}
