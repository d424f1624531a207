// Cell text kinds, the wide cell text, references, positions, tokens and the
// line-break and quote conversions. Each search steps by whole characters.
#include "stringgrid/BavUtil.h"

#include <cstring>

#include "platform/rtl/codepage.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/winnls.h"

namespace {

bool StartsWith(const AnsiString& s, std::string_view prefix) { return s.compare(0, prefix.size(), prefix) == 0; }

bool IsWideCellText(const AnsiString& text) { return StartsWith(text, WideCellPrefix); }

// 1-based position of the first character `ch` at or after byte offset
// `from`, stepping by characters; 0 when absent.
int CharPosFrom(char ch, const AnsiString& s, std::size_t from = 0) {
    for (std::size_t i = from; i < s.size(); i += AnsiCharSize(s, i))
        if (s[i] == ch) return int(i) + 1;
    return 0;
}

// Calls `visit(offset, size)` for every character of `s`.
template <typename Visit>
void ForEachChar(const AnsiString& s, Visit visit) {
    for (std::size_t i = 0; i < s.size();) {
        std::size_t size = AnsiCharSize(s, i);
        visit(i, size);
        i += size;
    }
}

// Every single-byte character `from` replaced by `to`.
AnsiString ReplaceChar(const AnsiString& s, char from, std::string_view to) {
    AnsiString out;
    ForEachChar(s, [&](std::size_t i, std::size_t size) {
        if (size == 1 && s[i] == from)
            out += to;
        else
            out.append(s, i, size);
    });
    return out;
}

}  // namespace

// ---- Text kinds and wide text ----------------------------------------------------------------

int GetCellTextKind(const AnsiString& text, bool htmlCheck) {
    if (text.empty()) return ctkPlain;
    if (htmlCheck && (Pos("</", text) > 0 || Pos("<B", text) > 0 || Pos("<I", text) > 0)) return ctkHTML;
    if (StartsWith(text, "{\\")) return ctkRichText;
    if (text[0] == '=') return ctkFormula;
    if (IsWideCellText(text)) return text.size() >= 4 && text[3] == '=' ? ctkFormula : ctkWide;
    return ctkPlain;
}

WideString CellTextToWide(const AnsiString& text) {
    if (!IsWideCellText(text)) return AnsiToWide(text);
    WideString wide;
    for (std::size_t i = 2; i + 1 < text.size(); i += 2)
        wide.push_back(char16_t((Byte(text[i]) << 8) | Byte(text[i + 1])));
    return wide;
}

AnsiString WideToCellText(const WideString& text) {
    AnsiString cell = WideCellPrefix;
    for (char16_t unit : text) {
        cell.push_back(char(unit >> 8));
        cell.push_back(char(unit & 0xFF));
    }
    return cell;
}

const char16_t* WideStrPos(const char16_t* s, const char16_t* sub) {
    if (!s || !sub || !*sub) return nullptr;
    std::u16string_view haystack(s), needle(sub);
    std::size_t at = haystack.find(needle);
    return at == std::u16string_view::npos ? nullptr : s + at;
}

int WidePos(const WideString& sub, const WideString& s) {
    if (sub.empty()) return 0;
    std::size_t at = s.find(sub);
    return at == WideString::npos ? 0 : int(at) + 1;
}

// ---- References and links --------------------------------------------------------------------

bool ParseCellReference(const AnsiString& text, TGridCoord& coord) {
    AnsiString upper = UpperCase(text);
    if (upper.size() <= 3 || upper[0] != 'R') return false;
    int c = CharPosFrom('C', upper, 1);
    if (c == 0) return false;
    int row, col;
    if (!TryStrToInt(Copy(upper, 2, c - 2), row) || !TryStrToInt(Copy(upper, c + 1, int(upper.size())), col))
        return false;
    coord = {col, row};
    return true;
}

bool IsURLText(const AnsiString& text) { return Pos("://", text) > 0 || Pos("mailto:", text) > 0; }

void StripURLPrefix(AnsiString& text) {
    if (int p = Pos("://", text))
        Delete(text, 1, p + 2);
    else if (int m = Pos("mailto:", text))
        Delete(text, 1, m + 6);
}

// ---- Positions and tokens --------------------------------------------------------------------

int PosVar(const AnsiString& sub, const AnsiString& s, int& position) { return position = Pos(sub, s); }

int UpperCasePos(const AnsiString& sub, const AnsiString& s) { return Pos(sub, AnsiUpperCase(s)); }

int FindCharPos(char ch, const AnsiString& s, int& position) {
    int p = CharPosFrom(ch, s);
    if (p > 0) position = p;
    return p;
}

int CharPosition(char ch, const AnsiString& s) { return CharPosFrom(ch, s); }

char FindCharOutsideQuotes(const AnsiString& charSet, const AnsiString& s, int& position) {
    int quotes = 0;
    for (std::size_t i = 0; i < s.size(); i += AnsiCharSize(s, i)) {
        if (AnsiCharSize(s, i) != 1) continue;
        if (quotes % 2 == 0 && charSet.find(s[i]) != AnsiString::npos) {
            position = int(i) + 1;
            return s[i];
        }
        if (s[i] == '"') ++quotes;
    }
    position = -1;
    return '\0';
}

void CutToken(AnsiString& s, const AnsiString& delimiter, AnsiString& token) {
    token.clear();
    int p = Pos(delimiter, s);
    if (p == 0) return;
    token = s.substr(0, std::size_t(p) - 1);
    s.erase(0, std::size_t(p));
}

int CountCharOccurrences(char ch, const AnsiString& s) {
    int count = 0;
    ForEachChar(s, [&](std::size_t i, std::size_t size) { count += size == 1 && s[i] == ch; });
    return count;
}

bool CellInGridRect(const TGridRect& rect, int col, int row) {
    return rect.Left <= col && col <= rect.Right && rect.Top <= row && row <= rect.Bottom;
}

// ---- Line breaks, quotes and characters ------------------------------------------------------

void RestoreLineBreaks(AnsiString& s) {
    if (CharPosFrom('\x0B', s)) s = ReplaceChar(s, '\x0B', "\r\n");
}

void TildeToLineBreaks(AnsiString& s) {
    s = ReplaceChar(s, '~', "\r\n");
    if (s == "^") s.clear();
}

AnsiString UnescapeNewlines(const AnsiString& s) {
    AnsiString out;
    for (std::size_t i = 0; i < s.size();) {
        std::size_t size = AnsiCharSize(s, i);
        if (size == 1 && s[i] == '\\' && i + 1 < s.size() && s[i + 1] == 'n') {
            out.push_back('\r');
            i += 2;
            continue;
        }
        out.append(s, i, size);
        i += size;
    }
    return out;
}

AnsiString RemoveCarriageReturns(const AnsiString& s) { return ReplaceChar(s, '\r', ""); }

AnsiString EncodeStreamLineBreaks(const AnsiString& s) {
    if (!CharPosFrom('\r', s)) return s;
    return ReplaceChar(ReplaceChar(s, '\r', "\t"), '\n', "\x08");
}

AnsiString DecodeStreamLineBreaks(const AnsiString& s, bool multiLine) {
    AnsiString text = s;
    if (CharPosFrom('\x08', text)) text = ReplaceChar(ReplaceChar(text, '\t', "\r"), '\x08', "\n");
    if (multiLine) return text;
    AnsiString line;
    CutFirstLine(text, false, line);
    return line;
}

void CutFirstLine(AnsiString& s, bool keepRest, AnsiString& line) {
    int cr = CharPosFrom('\r', s);
    if (cr == 0) {
        line = s;
        s.clear();
        return;
    }
    line = s.substr(0, std::size_t(cr) - 1);
    std::size_t cut = std::size_t(cr);
    if (cut < s.size() && s[cut] == '\n') ++cut;
    s = keepRest ? s.substr(cut) : AnsiString();
}

int CountTextLines(const AnsiString& s, bool multiLine) {
    return multiLine ? 1 + CountCharOccurrences('\r', s) : 1;
}

void FillWithChar(AnsiString& s, char ch) {
    AnsiString filled;
    ForEachChar(s, [&](std::size_t, std::size_t) { filled.push_back(ch); });
    s = filled;
}

void OemToAnsiString(AnsiString& s) {
    // The conversion stops at a zero byte, so each zero-free stretch is
    // converted on its own and the zero bytes are kept.
    std::size_t start = 0;
    while (start <= s.size()) {
        std::size_t end = s.find('\0', start);
        if (end == AnsiString::npos) end = s.size();
        AnsiString part = s.substr(start, end - start);
        OemToCharA(part.c_str(), part.data());
        s.replace(start, end - start, part);
        start = end + 1;
    }
}

AnsiString RemoveDoubledChar(char ch, const AnsiString& s) {
    AnsiString out;
    for (std::size_t i = 0; i < s.size();) {
        std::size_t size = AnsiCharSize(s, i);
        if (size == 1 && s[i] == ch) {
            if (i + 1 < s.size() && s[i + 1] == ch) {
                out.push_back(ch);
                ++i;
            }
        } else {
            out.append(s, i, size);
        }
        i += size;
    }
    return out;
}

int FindClosingQuote(char quote, const AnsiString& s, int& position) {
    int run = 0;
    position = 0;
    for (std::size_t i = 0; i < s.size(); i += AnsiCharSize(s, i)) {
        if (AnsiCharSize(s, i) == 1 && s[i] == quote) {
            ++run;
            continue;
        }
        if (run % 2 == 1) return position = int(i);
        run = 0;
    }
    if (!s.empty() && s.back() == quote && AnsiCharStart(s, s.size() - 1) == s.size() - 1)
        position = int(s.size());
    return position;
}

int CountClosingQuotes(char quote, const AnsiString& s) {
    AnsiString rest = s;
    int count = 0, position = 0;
    while (FindClosingQuote(quote, rest, position) > 0) {
        ++count;
        rest.erase(0, std::size_t(position));
    }
    return count;
}

char LowerCaseChar(char ch) { return ch >= 'A' && ch <= 'Z' ? char(ch - 'A' + 'a') : ch; }

AnsiString ToMixedCase(const AnsiString& s) {
    const std::string_view breakers = " ',-.";
    AnsiString out;
    bool capitalise = true;
    const std::size_t length = s.size();
    ForEachChar(s, [&](std::size_t i, std::size_t size) {
        char ch = s[i];
        if (size > 1) {
            out.append(s, i, size);
            capitalise = false;
        } else if (breakers.find(ch) != std::string_view::npos) {
            out.push_back(ch);
            capitalise = true;
        } else if (capitalise) {
            out.push_back(ch >= 'a' && ch <= 'z' ? char(ch - 'a' + 'A') : ch);
            capitalise = false;
        } else {
            out.push_back(LowerCaseChar(ch));
        }
        std::size_t end = i + size;  // the text so far is out[0, end)
        int mc = Pos(" Mc", out);
        bool nearEnd = end + 3 > length;
        if (out == "Mc" || (mc > 0 && int(end) == mc + 2 && end > 2) ||
            (nearEnd && ((end >= 2 && out.compare(end - 2, 2, " I") == 0) ||
                         (end >= 3 && out.compare(end - 3, 3, " II") == 0))))
            capitalise = true;
    });
    return out;
}
