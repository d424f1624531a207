// Code pages, locale and comparison over the code-page helpers.
#include "platform/rtl/winnls.h"

#include <algorithm>

#include <cstring>
#include <string_view>

#include "platform/rtl/codepage.h"
#include "platform/rtl/sysutils.h"

namespace {

constexpr Cardinal kCodePage = 936;

std::string_view AnsiSpan(const char* s, int length) {
    if (!s) return {};
    return length < 0 ? std::string_view(s, std::strlen(s) + 1) : std::string_view(s, size_t(length));
}

std::u16string_view WideSpan(const char16_t* s, int length) {
    if (!s) return {};
    if (length >= 0) return std::u16string_view(s, size_t(length));
    return std::u16string_view(s, std::char_traits<char16_t>::length(s) + 1);
}

// The compared texts end at their terminator when their length was -1.
std::string_view WithoutTerminator(std::string_view s, int length) {
    return length < 0 && !s.empty() ? s.substr(0, s.size() - 1) : s;
}

template <typename Char>
int CopyOut(const std::basic_string<Char>& text, Char* dest, int destSize) {
    if (destSize == 0) return int(text.size());
    if (!dest || destSize < int(text.size())) return 0;
    std::memcpy(dest, text.data(), text.size() * sizeof(Char));
    return int(text.size());
}

}  // namespace

Cardinal GetACP() { return kCodePage; }
Cardinal GetOEMCP() { return kCodePage; }
LCID GetUserDefaultLCID() { return LANG_CHINESE_PRC; }
LCID GetSystemDefaultLCID() { return LANG_CHINESE_PRC; }

int GetLocaleInfo(LCID locale, LCTYPE type, char* data, int size) {
    std::string value;
    if (type == LOCALE_IDEFAULTANSICODEPAGE || type == LOCALE_IDEFAULTOEMCODEPAGE) {
        value = std::to_string(kCodePage);
    } else {
        if (locale != LANG_CHINESE_PRC && locale != LOCALE_USER_DEFAULT && locale != LOCALE_SYSTEM_DEFAULT) return 0;
        static const struct {
            LCTYPE type;
            const char* text;
        } chinese[] = {
            {LOCALE_ILANGUAGE, "0804"}, {LOCALE_SLANGUAGE, "中文(中国)"}, {LOCALE_SABBREVLANGNAME, "CHS"},
            {LOCALE_SCOUNTRY, "中华人民共和国"}, {LOCALE_SLIST, ","}, {LOCALE_SDECIMAL, "."},
            {LOCALE_STHOUSAND, ","}, {LOCALE_SCURRENCY, "￥"}, {LOCALE_SDATE, "-"}, {LOCALE_STIME, ":"},
            {LOCALE_SSHORTDATE, "yyyy-MM-dd"}, {LOCALE_SLONGDATE, "yyyy'年'M'月'd'日'"}, {LOCALE_S1159, "上午"},
            {LOCALE_S2359, "下午"}, {LOCALE_SENGLANGUAGE, "Chinese"},
        };
        const auto entry = std::find_if(std::begin(chinese), std::end(chinese), [&](const auto& e) { return e.type == type; });
        if (entry == std::end(chinese)) return 0;
        value = entry->text;
    }
    value.push_back('\0');
    return CopyOut(value, data, size);
}

int MultiByteToWideChar(Cardinal, Cardinal, const char* source, int sourceLength, char16_t* dest,
                        int destSize) {
    return CopyOut(AnsiToWide(AnsiSpan(source, sourceLength)), dest, destSize);
}

int WideCharToMultiByte(Cardinal, Cardinal, const char16_t* source, int sourceLength, char* dest,
                        int destSize, const char*, LongBool* usedDefault) {
    if (usedDefault) *usedDefault = 0;
    return CopyOut(WideToAnsi(WideSpan(source, sourceLength)), dest, destSize);
}

int CompareStringA(LCID, Cardinal flags, const char* s1, int length1, const char* s2, int length2) {
    if (!s1 || !s2) return 0;
    AnsiString a(WithoutTerminator(AnsiSpan(s1, length1), length1));
    AnsiString b(WithoutTerminator(AnsiSpan(s2, length2), length2));
    int order = (flags & NORM_IGNORECASE) ? AnsiCompareText(a, b) : AnsiCompareStr(a, b);
    return order < 0 ? CSTR_LESS_THAN : order > 0 ? CSTR_GREATER_THAN : CSTR_EQUAL;
}

int CompareStringW(LCID locale, Cardinal flags, const char16_t* s1, int length1, const char16_t* s2,
                   int length2) {
    if (!s1 || !s2) return 0;
    AnsiString a = WideToAnsi(WideSpan(s1, length1));
    AnsiString b = WideToAnsi(WideSpan(s2, length2));
    return CompareStringA(locale, flags, a.data(), int(a.size()) - (length1 < 0), b.data(),
                          int(b.size()) - (length2 < 0));
}

LongBool OemToCharA(const char* source, char* dest) {
    if (!source || !dest) return 0;
    if (source != dest) std::memmove(dest, source, std::strlen(source) + 1);
    return 1;
}

LongBool CharToOemA(const char* source, char* dest) { return OemToCharA(source, dest); }
