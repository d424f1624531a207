// Identifier comparison and validation.
#include "platform/rtl/identifier.h"

namespace {

char FoldAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsIdentStart(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

}  // namespace

bool SameIdentifier(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    return true;
}

bool IsIdentifier(std::string_view text) {
    if (text.empty() || !IsIdentStart(text[0]))
        return false;
    for (char c : text)
        if (!IsIdentStart(c) && !(c >= '0' && c <= '9'))
            return false;
    return true;
}
