// A binary property as form-description text, for the tools that make
// pictures stored in form descriptions: "Name = {", lines of 64 hex digits
// at the given indentation, closed by "}".
#pragma once

#include <string>

namespace serviora {

inline std::string FormBinaryText(const std::string& name, const std::string& data, int indent) {
    static const char hex[] = "0123456789ABCDEF";
    const std::string pad(std::size_t(indent), ' ');
    std::string text = pad + name + " = {";
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (i % 32 == 0) text += "\n" + pad + "  ";
        const unsigned char b = static_cast<unsigned char>(data[i]);
        text += hex[b >> 4];
        text += hex[b & 15];
    }
    return text + "}\n";
}

}  // namespace serviora
