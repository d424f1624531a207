// The voucher footer "票尾" in the settings file. A profile value ends at
// its line, so a footer with line breaks is stored escaped: CR as "\r",
// LF as "\n" and the backslash itself as "\\", stepping character by
// character so a backslash byte inside a Chinese character is left alone.
// A value that reads back as itself (no line breaks, no "\r", "\n" or
// "\\" in its text) is stored exactly as typed, so files written before
// escaping existed read as they always did.
#pragma once

#include "platform/rtl/inifiles.h"

// The section and key of the settings file that hold the footer.
extern const char* const kSettingsSection;  // "程序参数"
extern const char* const kFooterKey;        // "票尾"

// The footer, unescaped; empty when the key is missing.
AnsiString ReadFooterText(const TCustomIniFile& ini);
void WriteFooterText(TCustomIniFile& ini, const AnsiString& text);

// The voucher's title (the shop's name "店铺名称" followed by
// "售后专用单据") and footer, as the reception window hands them to the
// voucher.
struct TVoucherTexts {
    AnsiString Title, Footer;
};
TVoucherTexts ReadVoucherTexts(const TCustomIniFile& ini);

// The stored form of a text and back. Decoding keeps a backslash that
// starts no known escape as it is.
AnsiString EscapeProfileText(const AnsiString& text);
AnsiString UnescapeProfileText(const AnsiString& stored);
