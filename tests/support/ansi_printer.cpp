#include "support/ansi_printer.h"

#include <cstdio>

#include "platform/rtl/codepage.h"

namespace serviora_test {

void PrintAnsi(const std::string& value, std::ostream* os) {
    *os << '"';
    for (char c : AnsiToUtf8(value)) {
        auto b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            *os << '\\' << c;
        } else if (b < 0x20 || b == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", b);
            *os << escaped;
        } else {
            *os << c;
        }
    }
    *os << '"';
}

}  // namespace serviora_test
