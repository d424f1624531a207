// GB18030 <-> Unicode through tables built once from glibc's iconv: a single
// iconv pass over every BMP code point yields the encoder table, and the two
// decoder tables (two-byte form, four-byte BMP form) are its inverse. The
// supplementary planes are a linear range of the four-byte form.
#include "platform/rtl/codepage.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <memory>
#include <mutex>
#include <vector>

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kEuro = 0x20AC;

constexpr bool IsTrail2(unsigned char b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }
constexpr bool IsDigitByte(unsigned char b) { return b >= 0x30 && b <= 0x39; }

constexpr std::size_t kTwoByteCount = 126 * 191;
// Four-byte codes 81 30 81 30 .. 84 31 A4 39 cover the rest of the BMP.
constexpr std::size_t kFourByteBmpCount = 39420;
// 90 30 81 30 is U+10000; the linear index of that code.
constexpr std::uint32_t kSupplementaryBase = 189000;

std::size_t TwoByteIndex(unsigned char lead, unsigned char trail) {
    return std::size_t(lead - 0x81) * 191 + (trail - 0x40);
}

std::uint32_t FourByteLinear(unsigned char b0, unsigned char b1, unsigned char b2, unsigned char b3) {
    return std::uint32_t(b0 - 0x81) * 12600 + std::uint32_t(b1 - 0x30) * 1260 +
           std::uint32_t(b2 - 0x81) * 10 + std::uint32_t(b3 - 0x30);
}

struct Tables {
    // Encoded bytes of each BMP code point packed big-end first; 0 = none.
    std::vector<std::uint32_t> encode = std::vector<std::uint32_t>(0x10000, 0);
    std::vector<char16_t> decode2 = std::vector<char16_t>(kTwoByteCount, 0);
    std::vector<char16_t> decode4 = std::vector<char16_t>(kFourByteBmpCount, 0);
};

void RecordEncoding(Tables& t, char32_t cp, const unsigned char* bytes, std::size_t size) {
    std::uint32_t packed = 0;
    for (std::size_t i = 0; i < size; ++i) packed = (packed << 8) | bytes[i];
    t.encode[cp] = packed;
    if (size == 2) {
        t.decode2[TwoByteIndex(bytes[0], bytes[1])] = char16_t(cp);
    } else if (size == 4) {
        std::uint32_t linear = FourByteLinear(bytes[0], bytes[1], bytes[2], bytes[3]);
        if (linear < kFourByteBmpCount) t.decode4[linear] = char16_t(cp);
    }
}

std::unique_ptr<Tables> BuildTables() {
    auto t = std::make_unique<Tables>();
    std::vector<char32_t> input;
    input.reserve(0x10000);
    for (char32_t cp = 0x80; cp < 0x10000; ++cp)
        if (cp < 0xD800 || cp > 0xDFFF) input.push_back(cp);

    iconv_t cd = iconv_open("GB18030", "UTF-32LE");
    if (cd == iconv_t(-1)) return t;
    std::vector<unsigned char> output(input.size() * 4);
    std::size_t next = 0;  // index into input of the next unconverted code point
    while (next < input.size()) {
        char* in = reinterpret_cast<char*>(input.data() + next);
        std::size_t inLeft = (input.size() - next) * sizeof(char32_t);
        char* out = reinterpret_cast<char*>(output.data());
        std::size_t outLeft = output.size();
        std::size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
        int err = errno;
        // Walk the bytes produced, one character per input code point.
        const unsigned char* p = output.data();
        const unsigned char* end = reinterpret_cast<unsigned char*>(out);
        while (p < end) {
            std::size_t size = *p < 0x80 ? 1 : (p + 1 < end && IsDigitByte(p[1]) ? 4 : 2);
            RecordEncoding(*t, input[next], p, size);
            p += size;
            ++next;
        }
        if (rc == std::size_t(-1) && err == EILSEQ) ++next;  // unmapped: leave it empty
        else if (rc == std::size_t(-1)) break;
    }
    iconv_close(cd);
    return t;
}

const Tables& GetTables() {
    static std::once_flag once;
    static std::unique_ptr<Tables> tables;
    std::call_once(once, [] { tables = BuildTables(); });
    return *tables;
}

// Decodes one character at `pos`, advancing it; never fails.
char32_t DecodeAnsi(std::string_view s, std::size_t& pos) {
    auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 < 0x80) { ++pos; return b0; }
    if (b0 == 0x80) { ++pos; return kEuro; }
    std::size_t size = AnsiCharSize(s, pos);
    if (size == 1) { ++pos; return kReplacement; }
    const auto* b = reinterpret_cast<const unsigned char*>(s.data() + pos);
    pos += size;
    const Tables& t = GetTables();
    if (size == 2) {
        char16_t c = t.decode2[TwoByteIndex(b[0], b[1])];
        return c ? c : kReplacement;
    }
    std::uint32_t linear = FourByteLinear(b[0], b[1], b[2], b[3]);
    if (linear < kFourByteBmpCount) {
        char16_t c = t.decode4[linear];
        return c ? c : kReplacement;
    }
    if (linear >= kSupplementaryBase && linear - kSupplementaryBase < 0x100000)
        return 0x10000 + (linear - kSupplementaryBase);
    return kReplacement;
}

void EncodeAnsi(char32_t cp, AnsiString& out) {
    if (cp < 0x80) { out.push_back(char(cp)); return; }
    if (cp >= 0x10000 && cp <= 0x10FFFF) {
        std::uint32_t linear = kSupplementaryBase + (cp - 0x10000);
        unsigned char b3 = 0x30 + linear % 10; linear /= 10;
        unsigned char b2 = 0x81 + linear % 126; linear /= 126;
        unsigned char b1 = 0x30 + linear % 10; linear /= 10;
        unsigned char b0 = 0x81 + linear;
        out += {char(b0), char(b1), char(b2), char(b3)};
        return;
    }
    std::uint32_t packed = cp < 0x10000 ? GetTables().encode[cp] : 0;
    if (packed == 0) {
        if (cp == kReplacement) { out.push_back('?'); return; }
        EncodeAnsi(kReplacement, out);
        return;
    }
    if (packed > 0xFFFF) {
        out += {char(packed >> 24), char(packed >> 16), char(packed >> 8), char(packed)};
    } else if (packed > 0xFF) {
        out += {char(packed >> 8), char(packed)};
    } else {
        out.push_back(char(packed));
    }
}

char32_t DecodeUtf8(std::string_view s, std::size_t& pos) {
    auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 < 0x80) { ++pos; return b0; }
    std::size_t size;
    char32_t cp;
    char32_t minimum;
    if (b0 >= 0xC2 && b0 <= 0xDF) { size = 2; cp = b0 & 0x1F; minimum = 0x80; }
    else if (b0 >= 0xE0 && b0 <= 0xEF) { size = 3; cp = b0 & 0x0F; minimum = 0x800; }
    else if (b0 >= 0xF0 && b0 <= 0xF4) { size = 4; cp = b0 & 0x07; minimum = 0x10000; }
    else { ++pos; return kReplacement; }
    std::size_t i = 1;
    for (; i < size; ++i) {
        if (pos + i >= s.size()) break;
        auto b = static_cast<unsigned char>(s[pos + i]);
        if ((b & 0xC0) != 0x80) break;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (i < size) { pos += i; return kReplacement; }
    pos += size;
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kReplacement;
    return cp;
}

void EncodeUtf8(char32_t cp, std::string& out) {
    if (cp < 0x80) {
        out.push_back(char(cp));
    } else if (cp < 0x800) {
        out += {char(0xC0 | cp >> 6), char(0x80 | (cp & 0x3F))};
    } else if (cp < 0x10000) {
        out += {char(0xE0 | cp >> 12), char(0x80 | (cp >> 6 & 0x3F)), char(0x80 | (cp & 0x3F))};
    } else {
        out += {char(0xF0 | cp >> 18), char(0x80 | (cp >> 12 & 0x3F)), char(0x80 | (cp >> 6 & 0x3F)),
                char(0x80 | (cp & 0x3F))};
    }
}

char32_t DecodeUtf16(std::u16string_view s, std::size_t& pos) {
    char16_t c = s[pos++];
    if (c < 0xD800 || c > 0xDFFF) return c;
    if (c <= 0xDBFF && pos < s.size() && s[pos] >= 0xDC00 && s[pos] <= 0xDFFF) {
        char16_t low = s[pos++];
        return 0x10000 + ((char32_t(c) - 0xD800) << 10) + (low - 0xDC00);
    }
    return kReplacement;
}

void EncodeUtf16(char32_t cp, WideString& out) {
    if (cp < 0x10000) {
        out.push_back(char16_t(cp));
    } else {
        cp -= 0x10000;
        out.push_back(char16_t(0xD800 + (cp >> 10)));
        out.push_back(char16_t(0xDC00 + (cp & 0x3FF)));
    }
}

bool IsAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

template <class Out, class In, class Decode, class Encode>
Out Convert(In in, Decode decode, Encode encode) {
    Out out;
    out.reserve(in.size());
    for (std::size_t pos = 0; pos < in.size();) encode(decode(in, pos), out);
    return out;
}

}  // namespace

std::size_t AnsiCharSize(std::string_view s, std::size_t pos) {
    auto at = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    if (pos >= s.size() || !IsDBCSLeadByte(at(pos)) || pos + 1 >= s.size()) return 1;
    unsigned char b1 = at(pos + 1);
    if (IsDigitByte(b1)) {
        if (pos + 3 < s.size() && IsDBCSLeadByte(at(pos + 2)) && IsDigitByte(at(pos + 3))) return 4;
        return 1;
    }
    return IsTrail2(b1) ? 2 : 1;
}

std::size_t AnsiCharStart(std::string_view s, std::size_t pos) {
    std::size_t start = 0;
    while (start < s.size()) {
        std::size_t size = AnsiCharSize(s, start);
        if (pos < start + size) return start;
        start += size;
    }
    return pos;
}

TMbcsByteType ByteType(const AnsiString& s, int index) {
    if (index < 1 || std::size_t(index) > s.size()) return mbSingleByte;
    std::size_t pos = std::size_t(index) - 1;
    std::size_t start = AnsiCharStart(s, pos);
    if (AnsiCharSize(s, start) == 1) return mbSingleByte;
    return start == pos ? mbLeadByte : mbTrailByte;
}

TMbcsByteType StrByteType(const char* s, unsigned index) {
    const AnsiString text(s);
    return ByteType(text, int(index) + 1);
}

int ByteToCharLen(const AnsiString& s, int maxLen) {
    const std::size_t end = std::min(s.size(), std::size_t(std::max(maxLen, 0)));
    int count = 0;
    for (std::size_t i = 0; i < end; i += AnsiCharSize(s, i)) ++count;
    return count;
}

int CharToByteLen(const AnsiString& s, int maxLen) {
    std::size_t i = 0;
    for (int n = 0; n < maxLen && i < s.size(); ++n) i += AnsiCharSize(s, i);
    return int(std::min(i, s.size()));
}

int ByteToCharIndex(const AnsiString& s, int index) {
    if (index < 1 || std::size_t(index) > s.size()) return 0;
    return ByteToCharLen(s, index);
}

int CharToByteIndex(const AnsiString& s, int index) {
    if (index < 1) return 0;
    std::size_t i = 0;
    for (int n = 1; n < index && i < s.size(); ++n) i += AnsiCharSize(s, i);
    return i < s.size() ? int(i) + 1 : 0;
}

std::string AnsiToUtf8(std::string_view ansi) {
    if (IsAscii(ansi)) return std::string(ansi);
    return Convert<std::string>(ansi, DecodeAnsi, EncodeUtf8);
}

AnsiString Utf8ToAnsi(std::string_view utf8) {
    if (IsAscii(utf8)) return AnsiString(utf8);
    return Convert<AnsiString>(utf8, DecodeUtf8, EncodeAnsi);
}

WideString AnsiToWide(std::string_view ansi) {
    if (IsAscii(ansi)) return WideString(ansi.begin(), ansi.end());
    return Convert<WideString>(ansi, DecodeAnsi, EncodeUtf16);
}
AnsiString WideToAnsi(std::u16string_view wide) { return Convert<AnsiString>(wide, DecodeUtf16, EncodeAnsi); }
WideString Utf8ToWide(std::string_view utf8) { return Convert<WideString>(utf8, DecodeUtf8, EncodeUtf16); }
std::string WideToUtf8(std::u16string_view wide) { return Convert<std::string>(wide, DecodeUtf16, EncodeUtf8); }
