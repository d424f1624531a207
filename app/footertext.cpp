// Escaping of multi-line settings values and the footer's reader and writer.
#include "app/footertext.h"

#include "platform/rtl/codepage.h"

const char* const kSettingsSection = "程序参数";
const char* const kFooterKey = "票尾";

AnsiString EscapeProfileText(const AnsiString& text) {
    AnsiString stored;
    stored.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t size = AnsiCharSize(text, pos);
        if (size == 1 && text[pos] == '\r')
            stored += "\\r";
        else if (size == 1 && text[pos] == '\n')
            stored += "\\n";
        else if (size == 1 && text[pos] == '\\')
            stored += "\\\\";
        else
            stored.append(text, pos, size);
        pos += size;
    }
    return stored;
}

AnsiString UnescapeProfileText(const AnsiString& stored) {
    AnsiString text;
    text.reserve(stored.size());
    for (std::size_t pos = 0; pos < stored.size();) {
        const std::size_t size = AnsiCharSize(stored, pos);
        if (size == 1 && stored[pos] == '\\' && pos + 1 < stored.size()) {
            const char next = stored[pos + 1];
            const char decoded = next == 'r' ? '\r' : next == 'n' ? '\n' : next == '\\' ? '\\' : 0;
            if (decoded) {
                text += decoded;
                pos += 2;
                continue;
            }
        }
        text.append(stored, pos, size);
        pos += size;
    }
    return text;
}

AnsiString ReadFooterText(const TCustomIniFile& ini) {
    return UnescapeProfileText(ini.ReadString(kSettingsSection, kFooterKey, ""));
}

TVoucherTexts ReadVoucherTexts(const TCustomIniFile& ini) {
    return {ini.ReadString(kSettingsSection, "店铺名称", "") + "售后专用单据", ReadFooterText(ini)};
}

void WriteFooterText(TCustomIniFile& ini, const AnsiString& text) {
    const bool storedAsTyped = UnescapeProfileText(text) == text && text.find_first_of("\r\n") == AnsiString::npos;
    ini.WriteString(kSettingsSection, kFooterKey, storedAsTyped ? text : EscapeProfileText(text));
}
