// Building BIFF8 records: a little-endian body assembled in memory, written
// as a record (split into CONTINUE records past 8224 bytes), and fixed
// records kept as text of hexadecimal bytes.
#pragma once

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>

#include "platform/rtl/streams.h"
#include "report/ui/qm_buzexcel.h"

namespace biff {

constexpr std::size_t kMaxRecordData = 8224;
constexpr Word kContinue = 0x003C;

class Body {
public:
    Body& U8(unsigned value) {
        bytes_.push_back(char(value & 0xFF));
        return *this;
    }
    Body& U16(unsigned value) { return U8(value).U8(value >> 8); }
    Body& U32(std::uint32_t value) { return U16(value & 0xFFFF).U16(value >> 16); }
    Body& F64(double value) {
        char raw[8];
        std::memcpy(raw, &value, 8);
        bytes_.append(raw, 8);
        return *this;
    }
    Body& Raw(const void* data, std::size_t size) {
        bytes_.append(static_cast<const char*>(data), size);
        return *this;
    }
    Body& Zeros(std::size_t count) {
        bytes_.append(count, '\0');
        return *this;
    }
    Body& Utf16(const WideString& text) {
        for (char16_t c : text) U16(c);
        return *this;
    }
    // Character count (8 or 16 bits), option byte 1, the characters.
    Body& String8(const WideString& text) { return U8(unsigned(text.size())).U8(1).Utf16(text); }
    Body& String16(const WideString& text) { return U16(unsigned(text.size())).U8(1).Utf16(text); }

    const std::string& Bytes() const { return bytes_; }
    std::string& Bytes() { return bytes_; }
    std::size_t Size() const { return bytes_.size(); }

private:
    std::string bytes_;
};

// The record as it lies in the file: header and data, then CONTINUE
// records for data past the first 8224 bytes.
inline std::string Framed(Word id, const std::string& data) {
    Body framed;
    std::size_t at = 0;
    do {
        const std::size_t length = std::min(kMaxRecordData, data.size() - at);
        framed.U16(at == 0 ? id : kContinue).U16(unsigned(length)).Raw(data.data() + at, length);
        at += length;
    } while (at < data.size());
    return framed.Bytes();
}

inline void WriteRecord(TStream& stream, Word id, const std::string& data) {
    const std::string framed = Framed(id, data);
    stream.WriteBuffer(framed.data(), Integer(framed.size()));
}

inline void AppendRecord(Body& out, Word id, const Body& body) {
    const std::string framed = Framed(id, body.Bytes());
    out.Raw(framed.data(), framed.size());
}

inline void WriteRecord(TStream& stream, Word id, const Body& body) { WriteRecord(stream, id, body.Bytes()); }

// Runs of hexadecimal digits separated by anything else, a byte each,
// written as they stand (header included).
inline void WriteHex(TStream& stream, const char* hex) {
    std::string bytes;
    const auto digit = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
    for (const char* p = hex; *p;) {
        if (!digit(*p)) {
            ++p;
            continue;
        }
        unsigned value = 0;
        for (; digit(*p); ++p) value = value * 16 + unsigned(std::isdigit(static_cast<unsigned char>(*p)) ? *p - '0' : (*p | 0x20) - 'a' + 10);
        bytes.push_back(char(value & 0xFF));
    }
    stream.WriteBuffer(bytes.data(), Integer(bytes.size()));
}

}  // namespace biff
