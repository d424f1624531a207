// The national-language services of the platform under their platform names:
// code pages, the user's locale, conversions between the ANSI code page and
// UTF-16, and locale-aware string comparison.
//
// The system has one locale, Chinese (PRC, 0x0804), whose ANSI and OEM code
// page are both 936 (held as GB18030). Any other code page or locale asked
// for is served by the same conversions: nothing else is installed.
#pragma once

#include <cstdint>

#include "platform/rtl/types.h"

using LCID = std::uint32_t;
using LCTYPE = std::uint32_t;

constexpr Cardinal CP_ACP = 0;
constexpr Cardinal CP_OEMCP = 1;
constexpr Cardinal CP_THREAD_ACP = 3;
// Conversions always give precomposed characters; the flag is accepted.
constexpr Cardinal MB_PRECOMPOSED = 1;

constexpr LCID LOCALE_SYSTEM_DEFAULT = 0x0800;
constexpr LCID LOCALE_USER_DEFAULT = 0x0400;
constexpr LCID LANG_CHINESE_PRC = 0x0804;

constexpr LCTYPE LOCALE_ILANGUAGE = 0x01;
constexpr LCTYPE LOCALE_SLANGUAGE = 0x02;
constexpr LCTYPE LOCALE_SABBREVLANGNAME = 0x03;
constexpr LCTYPE LOCALE_SCOUNTRY = 0x06;
constexpr LCTYPE LOCALE_SLIST = 0x0C;
constexpr LCTYPE LOCALE_SDECIMAL = 0x0E;
constexpr LCTYPE LOCALE_STHOUSAND = 0x0F;
constexpr LCTYPE LOCALE_SCURRENCY = 0x14;
constexpr LCTYPE LOCALE_SDATE = 0x1D;
constexpr LCTYPE LOCALE_STIME = 0x1E;
constexpr LCTYPE LOCALE_SSHORTDATE = 0x1F;
constexpr LCTYPE LOCALE_SLONGDATE = 0x20;
constexpr LCTYPE LOCALE_S1159 = 0x28;
constexpr LCTYPE LOCALE_S2359 = 0x29;
constexpr LCTYPE LOCALE_SENGLANGUAGE = 0x1001;
constexpr LCTYPE LOCALE_IDEFAULTANSICODEPAGE = 0x1004;
constexpr LCTYPE LOCALE_IDEFAULTOEMCODEPAGE = 0x0B;

constexpr Cardinal NORM_IGNORECASE = 0x0001;

// Results of CompareString; 0 means the call failed.
constexpr int CSTR_LESS_THAN = 1;
constexpr int CSTR_EQUAL = 2;
constexpr int CSTR_GREATER_THAN = 3;

Cardinal GetACP();
Cardinal GetOEMCP();
LCID GetUserDefaultLCID();
LCID GetSystemDefaultLCID();

// Copies the locale's value, with its terminator, into `data` of `size`
// bytes and returns the bytes written; with `size` 0 returns the bytes
// needed. 0 for an unknown item or a buffer too small. Chinese (PRC) and
// the user's and system's locale (the same) answer from a fixed table;
// another locale knows only its code pages.
int GetLocaleInfo(LCID locale, LCTYPE type, char* data, int size);
inline int GetLocaleInfoA(LCID locale, LCTYPE type, char* data, int size) {
    return GetLocaleInfo(locale, type, data, size);
}

// Conversions as the platform's: a length of -1 means up to and including
// the terminator. With an output size of 0 the units needed are returned;
// otherwise the units written, or 0 when the output is too small.
int MultiByteToWideChar(Cardinal codePage, Cardinal flags, const char* source, int sourceLength,
                        char16_t* dest, int destSize);
int WideCharToMultiByte(Cardinal codePage, Cardinal flags, const char16_t* source, int sourceLength,
                        char* dest, int destSize, const char* defaultChar, LongBool* usedDefault);

// Compares in the order of AnsiCompareStr (AnsiCompareText with
// NORM_IGNORECASE); a length of -1 means up to the terminator. The wide form
// compares the texts converted to the ANSI code page.
int CompareStringA(LCID locale, Cardinal flags, const char* s1, int length1, const char* s2,
                   int length2);
int CompareStringW(LCID locale, Cardinal flags, const char16_t* s1, int length1, const char16_t* s2,
                   int length2);

// The OEM code page is the ANSI one, so the text is copied as it is; source
// and destination may be the same buffer.
LongBool OemToCharA(const char* source, char* dest);
LongBool CharToOemA(const char* source, char* dest);
