// The price key filter and the price check.
#include "app/pricekey.h"

#include <cctype>

#include "platform/rtl/codepage.h"
#include "platform/win/messages.h"
#include "platform/win/msgqueue.h"

namespace {

bool IsDigitByte(WPARAM code) { return code >= '0' && code <= '9'; }

// Removes the next waiting WM_CHAR when `accept` takes its byte.
bool RemoveNextChar(bool (*accept)(WPARAM)) {
    MSG msg;
    if (!PeekMessage(&msg, 0, WM_CHAR, WM_CHAR, PM_NOREMOVE) || !accept(msg.wParam & 0xFF)) return false;
    PeekMessage(&msg, 0, WM_CHAR, WM_CHAR, PM_REMOVE);
    return true;
}

// The bytes after a lead byte: a digit, a lead byte and a digit (four-byte
// form) or one trail byte.
void DiscardRestOfCharacter() {
    if (RemoveNextChar(IsDigitByte)) {
        if (RemoveNextChar([](WPARAM code) { return IsDBCSLeadByte(static_cast<unsigned char>(code)); }))
            RemoveNextChar(IsDigitByte);
        return;
    }
    RemoveNextChar([](WPARAM code) { return code >= 0x40 && code <= 0xFE && code != 0x7F; });
}

}  // namespace

bool FilterPriceKey(char& key) {
    const auto code = static_cast<unsigned char>(key);
    const bool passes = code <= 31 || std::isdigit(code) || key == '.' || key == '-' || code == 255;
    if (passes) return true;
    if (IsDBCSLeadByte(code)) DiscardRestOfCharacter();
    key = 0;
    return false;
}

bool IsValidPrice(const AnsiString& text) {
    std::size_t pos = text.size() > 0 && text[0] == '-' ? 1 : 0;
    bool digit = false, point = false;
    for (; pos < text.size(); ++pos) {
        if (std::isdigit(static_cast<unsigned char>(text[pos])))
            digit = true;
        else if (text[pos] == '.' && !point)
            point = true;
        else
            return false;
    }
    return digit;
}
