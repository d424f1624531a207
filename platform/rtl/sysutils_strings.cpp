// The string routines of SysUtils: trimming, case, comparison, quoting,
// searching and the 1-based byte-position helpers. Every scan steps by
// character, so an ASCII byte that is the trail of a Chinese character (the
// "\" of 乗, bytes 81 5C) is never taken for a letter, quote or delimiter.
#include <algorithm>
#include <cstring>

#include "platform/rtl/codepage.h"
#include "platform/rtl/identifier.h"
#include "platform/rtl/sysutils.h"

namespace {

enum class CaseMap { Upper, Lower };

// Case pairs of the code page's double-byte letters: the lead byte, the
// range of upper-case trail bytes and the distance to their lower case.
struct DoubleByteCase {
    unsigned char lead, upperFirst, upperLast, offset;
};
constexpr DoubleByteCase kDoubleByteCases[] = {
    {0xA3, 0xC1, 0xDA, 0x20},  // full-width Latin Ａ..Ｚ / ａ..ｚ
    {0xA6, 0xA1, 0xB8, 0x20},  // Greek Α..Ω / α..ω
    {0xA7, 0xA1, 0xC1, 0x30},  // Cyrillic А..Я / а..я
};

unsigned char AsciiCase(unsigned char c, CaseMap map) {
    if (map == CaseMap::Upper && c >= 'a' && c <= 'z') return c - 0x20;
    if (map == CaseMap::Lower && c >= 'A' && c <= 'Z') return c + 0x20;
    return c;
}

unsigned char DoubleByteTrailCase(unsigned char lead, unsigned char trail, CaseMap map) {
    for (const DoubleByteCase& p : kDoubleByteCases) {
        if (p.lead != lead) continue;
        if (map == CaseMap::Lower && trail >= p.upperFirst && trail <= p.upperLast) return trail + p.offset;
        if (map == CaseMap::Upper && trail >= p.upperFirst + p.offset && trail <= p.upperLast + p.offset)
            return trail - p.offset;
    }
    return trail;
}

// Maps the case of every character; `ansi` adds the double-byte letters to
// the ASCII ones. Byte lengths and character boundaries never change, so a
// position in the result is the same position in the input.
AnsiString MapCase(const AnsiString& s, CaseMap map, bool ansi) {
    AnsiString result = s;
    for (std::size_t i = 0; i < result.size();) {
        std::size_t size = AnsiCharSize(result, i);
        auto* b = reinterpret_cast<unsigned char*>(result.data() + i);
        if (size == 1)
            b[0] = AsciiCase(b[0], map);
        else if (size == 2 && ansi)
            b[1] = DoubleByteTrailCase(b[0], b[1], map);
        i += size;
    }
    return result;
}

int Sign(int value) { return (value > 0) - (value < 0); }

// Byte order; folded strings compare as the platform's case-insensitive
// routines do.
int CompareBytes(const AnsiString& a, const AnsiString& b) { return Sign(a.compare(b)); }

// Whether byte offset `end` is a character boundary of `s`, stepping from the
// character boundary `start`.
bool IsBoundaryFrom(const AnsiString& s, std::size_t start, std::size_t end) {
    while (start < end) start += AnsiCharSize(s, start);
    return start == end;
}

// The byte offset of the first occurrence of `sub` in `s` at or after the
// character boundary `from` that starts and ends on character boundaries;
// npos when there is none.
std::size_t FindWholeChars(const AnsiString& s, const AnsiString& sub, std::size_t from) {
    if (sub.empty()) return AnsiString::npos;
    for (std::size_t i = from; i + sub.size() <= s.size(); i += AnsiCharSize(s, i)) {
        if (std::memcmp(s.data() + i, sub.data(), sub.size()) == 0 && IsBoundaryFrom(s, i, i + sub.size()))
            return i;
    }
    return AnsiString::npos;
}

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

// Control characters and blanks are single bytes that no Chinese character
// contains, so trimming may work on bytes.
AnsiString Trim(const AnsiString& s) { return TrimLeft(TrimRight(s)); }

AnsiString TrimLeft(const AnsiString& s) {
    auto first = std::find_if_not(s.begin(), s.end(), IsBlank);
    return AnsiString(first, s.end());
}

AnsiString TrimRight(const AnsiString& s) {
    auto last = std::find_if_not(s.rbegin(), s.rend(), IsBlank);
    return AnsiString(s.begin(), last.base());
}

AnsiString UpperCase(const AnsiString& s) { return MapCase(s, CaseMap::Upper, false); }
AnsiString LowerCase(const AnsiString& s) { return MapCase(s, CaseMap::Lower, false); }
AnsiString AnsiUpperCase(const AnsiString& s) { return MapCase(s, CaseMap::Upper, true); }
AnsiString AnsiLowerCase(const AnsiString& s) { return MapCase(s, CaseMap::Lower, true); }

WideString WideUpperCase(const WideString& s) {
    WideString result = s;
    for (char16_t& c : result) {
        if ((c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7) ||
            (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) || (c >= 0x430 && c <= 0x44F) || (c >= 0xFF41 && c <= 0xFF5A))
            c -= 0x20;
        else if (c >= 0x450 && c <= 0x45F)
            c -= 0x50;
        else if (c == 0xFF)
            c = 0x178;
        else if (c == 0x3C2)
            c = 0x3A3;
    }
    return result;
}

int CompareStr(const AnsiString& a, const AnsiString& b) { return CompareBytes(a, b); }

// As comparing UpperCase(a) with UpperCase(b), folding each byte as it is
// reached (names are compared often: the registry's lists are sorted by it).
int CompareText(const AnsiString& a, const AnsiString& b) {
    const std::size_t common = std::min(a.size(), b.size());
    std::size_t endA = 0, endB = 0;
    bool singleA = false, singleB = false;
    for (std::size_t i = 0; i < common; ++i) {
        if (i == endA) {
            const std::size_t size = AnsiCharSize(a, i);
            singleA = size == 1;
            endA = i + size;
        }
        if (i == endB) {
            const std::size_t size = AnsiCharSize(b, i);
            singleB = size == 1;
            endB = i + size;
        }
        unsigned char ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[i]);
        if (singleA) ca = AsciiCase(ca, CaseMap::Upper);
        if (singleB) cb = AsciiCase(cb, CaseMap::Upper);
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return Sign(int(a.size() > b.size()) - int(a.size() < b.size()));
}

bool SameText(const AnsiString& a, const AnsiString& b) { return CompareText(a, b) == 0; }

// The code page's order (pinyin order for the common hanzi) with case folded;
// between strings that differ only in case, the one whose first differing
// character is lower case comes first, as the platform's linguistic compare
// sorts them.
int AnsiCompareStr(const AnsiString& a, const AnsiString& b) {
    AnsiString foldedA = AnsiUpperCase(a);
    int primary = CompareBytes(foldedA, AnsiUpperCase(b));
    if (primary != 0) return primary;
    auto diff = std::mismatch(a.begin(), a.end(), b.begin());
    if (diff.first == a.end()) return 0;
    bool aIsLower = foldedA[diff.first - a.begin()] != *diff.first;
    return aIsLower ? -1 : 1;
}

int AnsiCompareText(const AnsiString& a, const AnsiString& b) {
    return CompareBytes(AnsiUpperCase(a), AnsiUpperCase(b));
}

bool AnsiSameText(const AnsiString& a, const AnsiString& b) { return AnsiCompareText(a, b) == 0; }
bool AnsiSameStr(const AnsiString& a, const AnsiString& b) { return a == b; }

AnsiString QuotedStr(const AnsiString& s) { return AnsiQuotedStr(s, '\''); }

AnsiString AnsiQuotedStr(const AnsiString& s, char quote) {
    AnsiString result;
    result.reserve(s.size() + 2);
    result += quote;
    // Exports quote every cell: a text without the quote byte is copied
    // whole, any other in runs up to each quote character.
    std::size_t copied = 0;
    if (s.find(quote) != AnsiString::npos) {
        for (std::size_t i = 0; i < s.size();) {
            const std::size_t size = AnsiCharSize(s, i);
            if (size == 1 && s[i] == quote) {
                result.append(s, copied, i + 1 - copied);
                result += quote;
                copied = i + 1;
            }
            i += size;
        }
    }
    result.append(s, copied, AnsiString::npos);
    result += quote;
    return result;
}

namespace {

// The text of a quoted string opening at s[0], doubled quotes taken as one,
// into `text`; answers the closing quote's offset, npos when it never closes.
std::size_t ScanQuoted(const AnsiString& s, char quote, AnsiString& text) {
    for (std::size_t i = 1; i < s.size();) {
        std::size_t size = AnsiCharSize(s, i);
        if (size == 1 && s[i] == quote) {
            if (i + 1 < s.size() && s[i + 1] == quote) {
                text += quote;
                i += 2;
                continue;
            }
            return i;
        }
        text.append(s, i, size);
        i += size;
    }
    return AnsiString::npos;
}

}  // namespace

// A string that does not open with the quote, or whose quote never closes,
// comes back unchanged; text after the closing quote is dropped.
AnsiString AnsiDequotedStr(const AnsiString& s, char quote) {
    if (s.empty() || s[0] != quote) return s;
    AnsiString result;
    return ScanQuoted(s, quote, result) == AnsiString::npos ? s : result;
}

AnsiString AnsiExtractQuotedStr(AnsiString& src, char quote) {
    if (src.empty() || src[0] != quote) return {};
    AnsiString result;
    const std::size_t end = ScanQuoted(src, quote, result);
    src.erase(0, end == AnsiString::npos ? src.size() : end + 1);
    return result;
}

char UpCase(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

AnsiString ExtractQuotedString(const AnsiString& s, char quote) {
    AnsiString source = s;
    return s.empty() || s[0] != quote ? s : AnsiExtractQuotedStr(source, quote);
}

AnsiString AdjustLineBreaks(const AnsiString& s) {
    AnsiString result;
    result.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c != '\r' && c != '\n') {
            result += c;
            continue;
        }
        result += "\r\n";
        if (i + 1 < s.size() && (s[i + 1] == '\r' || s[i + 1] == '\n') && s[i + 1] != c) ++i;
    }
    return result;
}

bool IsValidIdent(const AnsiString& ident) { return IsIdentifier(ident); }

int AnsiCompareFileName(const AnsiString& a, const AnsiString& b) { return AnsiCompareText(a, b); }
AnsiString AnsiLowerCaseFileName(const AnsiString& s) { return AnsiLowerCase(s); }
AnsiString AnsiUpperCaseFileName(const AnsiString& s) { return AnsiUpperCase(s); }

AnsiString StringReplace(const AnsiString& s, const AnsiString& oldPattern, const AnsiString& newPattern,
                         TReplaceFlags flags) {
    bool ignoreCase = flags & rfIgnoreCase;
    const AnsiString searched = ignoreCase ? AnsiUpperCase(s) : s;
    const AnsiString pattern = ignoreCase ? AnsiUpperCase(oldPattern) : oldPattern;
    AnsiString result;
    std::size_t done = 0;
    for (std::size_t at = FindWholeChars(searched, pattern, 0); at != AnsiString::npos;
         at = FindWholeChars(searched, pattern, done)) {
        result.append(s, done, at - done);
        result += newPattern;
        done = at + pattern.size();
        if (!(flags & rfReplaceAll)) break;
    }
    result.append(s, done);
    return result;
}

int Pos(const AnsiString& sub, const AnsiString& s) { return AnsiPos(sub, s); }

int AnsiPos(const AnsiString& sub, const AnsiString& s) {
    std::size_t at = FindWholeChars(s, sub, 0);
    return at == AnsiString::npos ? 0 : int(at) + 1;
}

AnsiString Copy(const AnsiString& s, int index, int count) {
    if (index < 1) index = 1;
    if (count <= 0 || std::size_t(index) > s.size()) return AnsiString();
    return s.substr(std::size_t(index) - 1, std::size_t(count));
}

void Delete(AnsiString& s, int index, int count) {
    if (index < 1 || std::size_t(index) > s.size() || count <= 0) return;
    s.erase(std::size_t(index) - 1, std::size_t(count));
}

void Insert(const AnsiString& source, AnsiString& s, int index) {
    std::size_t at = index < 1 ? 0 : std::min(std::size_t(index) - 1, s.size());
    s.insert(at, source);
}

AnsiString StringOfChar(char c, int count) { return count > 0 ? AnsiString(std::size_t(count), c) : AnsiString(); }

bool IsDelimiter(const AnsiString& delimiters, const AnsiString& s, int index) {
    if (index < 1 || std::size_t(index) > s.size() || ByteType(s, index) != mbSingleByte) return false;
    return delimiters.find(s[std::size_t(index) - 1]) != AnsiString::npos;
}

// A character matches by its first byte, so trail bytes never do.
int LastDelimiter(const AnsiString& delimiters, const AnsiString& s) {
    int last = 0;
    for (std::size_t i = 0; i < s.size(); i += AnsiCharSize(s, i))
        if (s[i] != '\0' && delimiters.find(s[i]) != AnsiString::npos) last = int(i) + 1;
    return last;
}
