// The tokenizer, token classification, keyword table and operator
// priorities. Comments and literals are stepped through by character, so a
// byte of a Chinese character that looks like "}" or "*" ends nothing.
#include "script/qm_kpinterpreterparser.h"

#include <array>

#include "platform/rtl/codepage.h"
#include "platform/rtl/identifier.h"
#include "platform/rtl/sysutils.h"
#include "script/qm_kpinterpreterconst.h"

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

struct Keyword {
    const char* text;
    int type;
};

constexpr std::array<Keyword, 49> keywords{{
    {"true", ttTrue}, {"false", ttFalse}, {"or", ttOr}, {"and", ttAnd}, {"not", ttNot}, {"div", ttDiv},
    {"mod", ttMod}, {"begin", ttBegin}, {"end", ttEndKeyword}, {"if", ttIf}, {"then", ttThen},
    {"else", ttElse}, {"while", ttWhile}, {"do", ttDo}, {"repeat", ttRepeat}, {"until", ttUntil},
    {"procedure", ttProcedure}, {"function", ttFunction}, {"for", ttFor}, {"to", ttTo}, {"break", ttBreak},
    {"continue", ttContinue}, {"var", ttVar}, {"try", ttTry}, {"finally", ttFinally}, {"except", ttExcept},
    {"on", ttOn}, {"raise", ttRaise}, {"external", ttExternal}, {"unit", ttUnit}, {"uses", ttUses},
    {"const", ttConst}, {"public", ttPublic}, {"private", ttPrivate}, {"protected", ttProtected},
    {"published", ttPublished}, {"property", ttProperty}, {"class", ttClass}, {"type", ttType},
    {"interface", ttInterface}, {"implementation", ttImplementation}, {"exit", ttExit}, {"array", ttArray},
    {"of", ttOf}, {"case", ttCase}, {"program", ttProgram}, {"in", ttIn}, {"record", ttRecord},
    {"downto", ttDownto},
}};

// Upper and lower case share an entry; the byte arithmetic wraps digits and
// "_" onto entries of their own.
constexpr std::array<int, 32> letterValues{35, 28, 4,  32, 19, 6,  7,  25, 28, 7,  3,  32, 20, 25, 5,  36,
                                           10, 4,  44, 9,  39, 37, 37, 40, 2,  34, 19, 19, 40, 0,  20, 2};
constexpr int slotCount = 177;

int LetterValue(char c) { return letterValues[static_cast<unsigned char>(c - 97) % 32]; }

int KeywordSlot(const AnsiString& text) {
    const std::size_t n = text.size();
    int slot = int(n) + LetterValue(text[0]) + LetterValue(text[1]) + LetterValue(text[n - 1]);
    if (n >= 3) slot += LetterValue(text[2]);
    return slot;
}

const std::array<int, slotCount>& KeywordSlots() {
    static const std::array<int, slotCount> slots = [] {
        std::array<int, slotCount> table;
        table.fill(-1);
        for (std::size_t i = 0; i < keywords.size(); ++i) table[KeywordSlot(keywords[i].text)] = int(i);
        return table;
    }();
    return slots;
}

}  // namespace

void TKpInterpreterParser::SetSource(AnsiString source) {
    source_ = std::move(source);
    position_ = 0;
}

AnsiString TKpInterpreterParser::Token() {
    SkipBlanksAndComments();
    return ReadToken();
}

void TKpInterpreterParser::SkipBlanksAndComments() {
    while (SkipOneStep()) {
    }
}

bool TKpInterpreterParser::SkipOneStep() {
    const int start = position_;
    const std::size_t n = source_.size();
    auto at = [&](std::size_t i) { return i < n ? source_[i] : '\0'; };
    auto charEnd = [&](std::size_t i) { return i + AnsiCharSize(source_, i); };
    std::size_t p = std::size_t(position_);
    const char c = at(p);
    if (p < n && c == '{') {
        std::size_t i = p + 1;
        while (i < n && source_[i] != '}') i = charEnd(i);
        if (i >= n) RaiseScriptError(101, int(p));
        p = i + 1;
    } else if (p < n && c == '}') {
        RaiseScriptError(101, int(p));
    } else if (c == '(' && at(p + 1) == '*') {
        std::size_t i = p + 2;
        while (i < n && !(source_[i] == '*' && at(i + 1) == ')')) i = charEnd(i);
        if (i >= n) RaiseScriptError(101, int(p));
        p = i + 2;
    } else if (c == '*' && at(p + 1) == ')') {
        RaiseScriptError(101, int(p));
    } else if (c == '/' && at(p + 1) == '/') {
        while (p < n && source_[p] != '\n' && source_[p] != '\r') p = charEnd(p);
    }
    while (p < n && (source_[p] == '\t' || source_[p] == '\n' || source_[p] == '\r' || source_[p] == ' ')) ++p;
    position_ = int(p);
    return position_ != start;
}

AnsiString TKpInterpreterParser::ReadToken() {
    const std::size_t n = source_.size();
    const std::size_t start = std::size_t(position_);
    if (start >= n) return AnsiString();
    auto at = [&](std::size_t i) { return i < n ? source_[i] : '\0'; };
    const char c = source_[start];
    std::size_t p = start;
    if (IsLetter(c)) {
        while (p < n && (IsLetter(source_[p]) || IsDigit(source_[p]))) ++p;
    } else if (IsDigit(c)) {
        while (p < n && (IsDigit(source_[p]) || (source_[p] == '.' && at(p + 1) != '.'))) ++p;
    } else if (c == '$' && IsHexDigit(at(p + 1))) {
        ++p;
        while (p < n && IsHexDigit(source_[p])) ++p;
    } else if (c == '\'') {
        return ReadQuoted();
    } else if (c == '#' && IsDigit(at(p + 1))) {
        ++p;
        while (p < n && IsDigit(source_[p])) ++p;
        const Integer code = StrToInt(source_.substr(start + 1, p - start - 1));
        position_ = int(p);
        return AnsiString("'") + char(static_cast<unsigned char>(code % 256)) + "'";
    } else if ((c == '.' && at(p + 1) == '.') || (c == '>' && at(p + 1) == '=') ||
               (c == '<' && (at(p + 1) == '=' || at(p + 1) == '>'))) {
        p += 2;
    } else {
        p += 1;
    }
    position_ = int(p);
    return source_.substr(start, p - start);
}

// A doubled quote inside the literal stands for one quote; the token keeps
// its enclosing quotes. An unclosed literal runs to the end of the source.
AnsiString TKpInterpreterParser::ReadQuoted() {
    const std::size_t n = source_.size();
    std::size_t p = std::size_t(position_) + 1;
    AnsiString token = "'";
    bool closed = false;
    while (p < n) {
        if (source_[p] == '\'') {
            if (p + 1 < n && source_[p + 1] == '\'') {
                token += '\'';
                p += 2;
                continue;
            }
            token += '\'';
            ++p;
            closed = true;
            break;
        }
        const std::size_t size = AnsiCharSize(source_, p);
        token.append(source_, p, size);
        p += size;
    }
    const std::size_t start = std::size_t(position_);
    position_ = int(p);
    return closed ? token : source_.substr(start);
}

int TokenType(const AnsiString& text) {
    const std::size_t n = text.size();
    if (n == 0) return ttEnd;
    const char first = text[0];
    if (n == 1) {
        switch (first) {
            case '"': return ttDoubleQuote;
            case '(': return ttOpenParen;
            case ')': return ttCloseParen;
            case '*': return ttMultiply;
            case '+': return ttPlus;
            case ',': return ttComma;
            case '-': return ttMinus;
            case '.': return ttDot;
            case '/': return ttDivide;
            case ':': return ttColon;
            case ';': return ttSemicolon;
            case '<': return ttLess;
            case '=': return ttEqual;
            case '>': return ttGreater;
            case '[': return ttOpenBracket;
            case ']': return ttCloseBracket;
            default:
                if (IsDigit(first)) return ttInteger;
                break;
        }
    } else {
        if (first == '$') {
            bool hex = true;
            for (std::size_t i = 1; i < n; ++i) hex = hex && IsHexDigit(text[i]);
            if (hex) return ttInteger;
        }
        if (first == '.' && text[1] == '.') return ttRange;
        if (n == 2 && first == '<' && text[1] == '=') return ttLessEqual;
        if (n == 2 && first == '<' && text[1] == '>') return ttNotEqual;
        if (n == 2 && first == '>' && text[1] == '=') return ttGreaterEqual;
    }
    int dots = 0;
    bool numeric = true;
    for (char c : text) {
        if (c == '.') ++dots;
        else if (!IsDigit(c)) numeric = false;
    }
    if (numeric && dots <= 1) return dots ? ttReal : ttInteger;
    if (n >= 2 && first == '\'' && text[n - 1] == '\'') return ttString;
    if (const int keyword = KeywordId(text); keyword != -1) return keyword;
    if (IsLetter(first)) {
        for (char c : text)
            if (!IsLetter(c) && !IsDigit(c)) return ttInvalid;
        return ttIdentifier;
    }
    return ttInvalid;
}

int KeywordId(const AnsiString& text) {
    if (text.size() < 2 || text.size() > 14) return -1;
    const int slot = KeywordSlot(text);
    if (slot < 0 || slot >= slotCount) return -1;
    const int index = KeywordSlots()[std::size_t(slot)];
    if (index < 0 || !SameIdentifier(keywords[std::size_t(index)].text, text)) return -1;
    return keywords[std::size_t(index)].type;
}

int OperatorPriority(int tokenType) {
    switch (tokenType) {
        case ttNot: return 8;
        case ttMultiply:
        case ttDivide:
        case ttDiv:
        case ttMod: return 6;
        case ttAnd: return 5;
        case ttPlus:
        case ttMinus:
        case ttOr: return 4;
        case ttEqual:
        case ttGreater:
        case ttLess:
        case ttNotEqual: return 3;
        case ttGreaterEqual:
        case ttLessEqual: return 2;
        default: return 0;
    }
}

bool IsBinaryOperator(int tokenType) {
    const int priority = OperatorPriority(tokenType);
    return priority >= 2 && priority <= 6 && tokenType != ttPlus && tokenType != ttMinus;
}

bool IsOperandToken(int tokenType) {
    return tokenType == ttIdentifier || tokenType == ttInteger || tokenType == ttReal || tokenType == ttString ||
           tokenType == ttFalse || tokenType == ttTrue;
}

int CountLineBreaks(const AnsiString& text, int position) {
    if (position > int(text.size())) return -1;
    int lines = 0;
    for (int i = 0; i < position; ++i) {
        if (text[i] == '\n') ++lines;
        else if (text[i] == '\r' && (std::size_t(i) + 1 >= text.size() || text[i + 1] != '\n')) ++lines;
    }
    return lines;
}

bool SameTextNoCase(const AnsiString& a, const AnsiString& b) { return AnsiSameText(a.c_str(), b.c_str()); }

AnsiString SeparatedItem(const AnsiString& text, int index, const AnsiString& separator) {
    if (index < 0 || text.empty() || separator.empty()) return AnsiString();
    auto startsWithSeparator = [&](std::size_t at) {
        return SameText(text.substr(at, separator.size()), separator);
    };
    if (index == 0 && startsWithSeparator(0)) return AnsiString();
    std::size_t at = 0;
    for (int i = 0; i < index; ++i) {
        const std::size_t found = text.find(separator, at);
        if (found == AnsiString::npos) return AnsiString();
        at = found + separator.size();
        if (at >= text.size()) return AnsiString();
    }
    if (startsWithSeparator(at)) return AnsiString();
    const std::size_t next = text.find(separator, at + 1);
    return text.substr(at, next == AnsiString::npos ? AnsiString::npos : next - at);
}
