// Character-aware scanning of the application's SQL text.
#include "platform/data/access_sql.h"

#include <cctype>
#include <cstdio>
#include <string_view>
#include <vector>

#include "platform/rtl/codepage.h"
#include "platform/rtl/identifier.h"

namespace {

bool IsAsciiSpace(unsigned char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }
bool IsWordByte(unsigned char c) { return std::isalnum(c) || c == '_' || c >= 0x80; }

// End offset of the quoted text or bracketed name opening at `pos`
// (one past the closing character, or the end of the text when unclosed).
// A doubled quote inside quoted text stands for the quote itself.
std::size_t SkipQuoted(std::string_view s, std::size_t pos) {
    const char close = s[pos] == '[' ? ']' : s[pos];
    std::size_t i = pos + 1;
    while (i < s.size()) {
        if (s[i] == close) {
            if (close != ']' && i + 1 < s.size() && s[i + 1] == close) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        i += AnsiCharSize(s, i);
    }
    return s.size();
}

bool IsQuoteOpening(char c) { return c == '\'' || c == '"' || c == '['; }

// Reads the numbers of a date literal's body; answers the ISO text, or
// nothing when the body is not a date.
std::optional<AnsiString> IsoFromAccessDate(std::string_view body) {
    std::vector<int> numbers;
    std::vector<char> separators;
    std::size_t i = 0;
    while (i < body.size()) {
        unsigned char c = body[i];
        if (std::isdigit(c)) {
            int value = 0, digits = 0;
            while (i < body.size() && std::isdigit(static_cast<unsigned char>(body[i])) && digits < 5) {
                value = value * 10 + (body[i] - '0');
                ++i;
                ++digits;
            }
            numbers.push_back(value);
        } else if (c == '-' || c == '/' || c == ':' || c == ' ') {
            separators.push_back(static_cast<char>(c));
            ++i;
        } else {
            return std::nullopt;
        }
    }
    if (numbers.size() != 3 && numbers.size() != 5 && numbers.size() != 6) return std::nullopt;
    int year, month, day;
    if (!separators.empty() && separators[0] == '/') {  // m/d/yyyy
        month = numbers[0];
        day = numbers[1];
        year = numbers[2];
    } else {
        year = numbers[0];
        month = numbers[1];
        day = numbers[2];
    }
    if (month < 1 || month > 12 || day < 1 || day > 31 || year < 1 || year > 9999) return std::nullopt;
    char text[32];
    if (numbers.size() == 3) {
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    } else {
        const int second = numbers.size() == 6 ? numbers[5] : 0;
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, numbers[3], numbers[4],
                      second);
    }
    return AnsiString(text);
}

struct Token {
    std::size_t begin;
    std::size_t end;
    int depth;  // parenthesis depth
};

std::vector<Token> Tokenise(std::string_view s) {
    std::vector<Token> tokens;
    int depth = 0;
    std::size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = s[i];
        if (IsAsciiSpace(c)) {
            ++i;
        } else if (IsQuoteOpening(static_cast<char>(c))) {
            const std::size_t end = SkipQuoted(s, i);
            tokens.push_back({i, end, depth});
            i = end;
        } else if (IsWordByte(c)) {
            std::size_t end = i;
            while (end < s.size() && IsWordByte(static_cast<unsigned char>(s[end]))) end += AnsiCharSize(s, end);
            tokens.push_back({i, end, depth});
            i = end;
        } else {
            if (c == ')') --depth;
            tokens.push_back({i, i + 1, depth});
            if (c == '(') ++depth;
            ++i;
        }
    }
    return tokens;
}

bool IsWord(std::string_view s, const Token& t, std::string_view word) {
    return SameIdentifier(s.substr(t.begin, t.end - t.begin), word);
}

bool IsPunctuation(std::string_view s, const Token& t, char c) { return t.end - t.begin == 1 && s[t.begin] == c; }

// Whether token k ends the upper bound of a BETWEEN opened at `depth`: a
// closing parenthesis, a list or statement separator, or a word that starts
// the next condition or clause.
bool EndsUpperBound(std::string_view s, const std::vector<Token>& tokens, std::size_t k, int depth) {
    const Token& t = tokens[k];
    if (t.depth < depth) return true;
    if (t.depth > depth) return false;
    if (IsPunctuation(s, t, ',') || IsPunctuation(s, t, ';')) return true;
    for (const char* word : {"and", "or", "order", "group", "having", "union", "limit", "then", "when", "else", "end"})
        if (IsWord(s, t, word)) return true;
    return false;
}

// Rewrites "x BETWEEN a AND b" as "x BETWEEN min(a, b) AND max(a, b)": Access
// takes the two bounds in either order, SQLite only the lower one first.
// Bounds that hold a BETWEEN of their own are left as written, since copying
// them for min and max would double them at every level.
AnsiString OrderFreeBetween(const AnsiString& sql) {
    const std::string_view s(sql);
    const std::vector<Token> tokens = Tokenise(s);
    AnsiString out;
    std::size_t copied = 0;
    for (std::size_t k = 0; k < tokens.size(); ++k) {
        if (!IsWord(s, tokens[k], "between")) continue;
        const int depth = tokens[k].depth;
        std::size_t and_ = k + 1;
        while (and_ < tokens.size() && tokens[and_].depth >= depth &&
               !(tokens[and_].depth == depth && IsWord(s, tokens[and_], "and")))
            ++and_;
        if (and_ == k + 1 || and_ + 1 >= tokens.size() || !IsWord(s, tokens[and_], "and")) continue;
        std::size_t end = and_ + 1;
        while (end < tokens.size() && !EndsUpperBound(s, tokens, end, depth)) ++end;
        if (end == and_ + 1) continue;
        bool nested = false;
        for (std::size_t i = k + 1; i < end; ++i) nested = nested || IsWord(s, tokens[i], "between");
        if (nested) {
            k = end - 1;
            continue;
        }
        const std::string_view low = s.substr(tokens[k + 1].begin, tokens[and_ - 1].end - tokens[k + 1].begin);
        const std::string_view high = s.substr(tokens[and_ + 1].begin, tokens[end - 1].end - tokens[and_ + 1].begin);
        const AnsiString pair = AnsiString(low) + ", " + AnsiString(high);
        out.append(s.substr(copied, tokens[k].end - copied));
        out += " min(" + pair + ") and max(" + pair + ")";
        copied = tokens[end - 1].end;
        k = end - 1;
    }
    out.append(s.substr(copied));
    return out;
}

}  // namespace

AnsiString TranslateAccessSql(const AnsiString& sql) {
    AnsiString out;
    out.reserve(sql.size() + 8);
    const std::string_view s(sql);
    std::size_t i = 0;
    while (i < s.size()) {
        const char c = s[i];
        if (IsQuoteOpening(c)) {
            const std::size_t end = SkipQuoted(s, i);
            out.append(s.substr(i, end - i));
            i = end;
        } else if (c == '#') {
            const std::size_t close = s.find('#', i + 1);
            std::optional<AnsiString> iso;
            if (close != std::string_view::npos) iso = IsoFromAccessDate(s.substr(i + 1, close - i - 1));
            if (iso) {
                out += '\'';
                out += *iso;
                out += '\'';
                i = close + 1;
            } else {
                out += c;
                ++i;
            }
        } else {
            const std::size_t size = AnsiCharSize(s, i);
            out.append(s.substr(i, size));
            i += size;
        }
    }
    return OrderFreeBetween(out);
}

std::optional<PlainSelect> AnalysePlainSelect(const AnsiString& sql) {
    const std::string_view s(sql);
    const std::vector<Token> tokens = Tokenise(s);
    if (tokens.size() < 4 || !IsWord(s, tokens[0], "select")) return std::nullopt;
    if (IsWord(s, tokens[1], "distinct")) return std::nullopt;
    std::size_t from = 0;
    for (std::size_t k = 1; k < tokens.size(); ++k) {
        if (tokens[k].depth != 0) continue;
        if (IsWord(s, tokens[k], "from")) {
            if (from != 0) return std::nullopt;
            from = k;
        } else if (IsWord(s, tokens[k], "union") || IsWord(s, tokens[k], "group") || IsWord(s, tokens[k], "join") ||
                   IsWord(s, tokens[k], "having") || IsWord(s, tokens[k], "intersect") ||
                   IsWord(s, tokens[k], "except")) {
            return std::nullopt;
        }
    }
    if (from == 0 || from + 1 >= tokens.size()) return std::nullopt;
    const Token& table = tokens[from + 1];
    if (!IsWordByte(static_cast<unsigned char>(s[table.begin])) && s[table.begin] != '[') return std::nullopt;
    if (from + 2 < tokens.size()) {
        const Token& next = tokens[from + 2];
        const bool endsHere = next.end - next.begin == 1 && s[next.begin] == ';';
        if (!endsHere && !IsWord(s, next, "where") && !IsWord(s, next, "order")) return std::nullopt;
    }
    PlainSelect result;
    result.afterSelect = tokens[0].end;
    if (s[table.begin] == '[')
        result.table = AnsiString(s.substr(table.begin + 1, table.end - table.begin - 2));
    else
        result.table = AnsiString(s.substr(table.begin, table.end - table.begin));
    return result;
}
