// A byte writer of the tests' own, kept apart from the engine's stream
// primitives, so that fixtures check the engine's readers and writers
// against an independent encoding of the record rules.
#pragma once

#include <cstdint>
#include <string>

class ByteWriter {
public:
    ByteWriter& Byte(std::uint8_t v) {
        bytes_.push_back(static_cast<char>(v));
        return *this;
    }
    ByteWriter& Word(std::uint16_t v) { return Byte(v & 0xFF).Byte(v >> 8); }
    ByteWriter& Int(std::int32_t v) {
        const auto u = static_cast<std::uint32_t>(v);
        return Word(u & 0xFFFF).Word(static_cast<std::uint16_t>(u >> 16));
    }
    ByteWriter& Raw(const std::string& s) {
        bytes_ += s;
        return *this;
    }
    // A 16-bit byte count and the bytes.
    ByteWriter& Str(const std::string& s) { return Word(static_cast<std::uint16_t>(s.size())).Raw(s); }
    // A string list: a 32-bit byte count and the lines, each ending in CR LF.
    ByteWriter& List(const std::string& lines) { return Int(static_cast<std::int32_t>(lines.size())).Raw(lines); }
    // A font record: name, size field, stored style, colour, character set.
    ByteWriter& Font(const std::string& name, std::int32_t size, std::uint16_t style, std::int32_t color) {
        return Str(name).Int(size).Word(style).Int(color).Word(134);
    }
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};
