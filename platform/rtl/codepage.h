// The system's ANSI code page (936, stored as GB18030) and its conversions to
// UTF-8 and UTF-16, used only at the edges (Qt, SQLite, file names, logs).
//
// Conversions never throw and never stop: invalid or cut input becomes
// U+FFFD, and a lone 0x80 decodes as the euro sign, as files of the old
// platform hold it. Character stepping knows GB18030's one-, two- and
// four-byte forms; trail bytes run 0x40..0xFE, so "\" and "|" can be the
// second byte of a Chinese character and must never be taken for delimiters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/rtl/types.h"

std::string AnsiToUtf8(std::string_view ansi);
AnsiString Utf8ToAnsi(std::string_view utf8);
WideString AnsiToWide(std::string_view ansi);
AnsiString WideToAnsi(std::u16string_view wide);
WideString Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::u16string_view wide);

// The lead-byte test of the platform: 0x81..0xFE.
constexpr bool IsDBCSLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

// Byte length (1, 2 or 4) of the character starting at byte offset `pos`.
// A lead byte whose trail is missing or malformed counts as one byte, so
// callers always advance.
std::size_t AnsiCharSize(std::string_view s, std::size_t pos);

// The byte offset of the character that contains byte offset `pos` (which
// may point into the middle of a character).
std::size_t AnsiCharStart(std::string_view s, std::size_t pos);

enum TMbcsByteType { mbSingleByte, mbLeadByte, mbTrailByte };
// Kind of the byte at 1-based `index`, found by stepping from the start.
TMbcsByteType ByteType(const AnsiString& s, int index);
// The byte at 0-based `index` of a zero-terminated string.
TMbcsByteType StrByteType(const char* s, unsigned index);
// Characters in the first maxLen bytes (a character cut by the end counts),
// and bytes of the first maxLen characters.
int ByteToCharLen(const AnsiString& s, int maxLen);
int CharToByteLen(const AnsiString& s, int maxLen);
// The 1-based character holding byte `index`, and the first byte of
// character `index`; 0 out of range.
int ByteToCharIndex(const AnsiString& s, int index);
int CharToByteIndex(const AnsiString& s, int index);

// The text as UTF-8 from a u8"" literal, for expected values in tests and
// for the few places that must hand UTF-8 onward unchanged.
inline std::string Utf8(const char8_t* text) {
    return std::string(reinterpret_cast<const char*>(text));
}
