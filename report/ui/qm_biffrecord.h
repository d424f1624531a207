// Building BIFF8 records: a little-endian body assembled in memory, written
// as a record (split into CONTINUE records past 8224 bytes), and fixed
// records kept as text of hexadecimal bytes.
#pragma once

#include <algorithm>
#include <bit>
#include <cctype>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rtl/streams.h"
#include "report/ui/qm_buzexcel.h"

namespace biff {

constexpr std::size_t kMaxRecordData = 8224;
constexpr Word kContinue = 0x003C;

// A growing buffer of little-endian values; appends stay inline, which the
// writer's millions of cell records rely on.
class Body {
public:
    Body& U8(unsigned value) {
        *Extend(1) = char(value & 0xFF);
        return *this;
    }
    Body& U16(unsigned value) {
        char* at = Extend(2);
        at[0] = char(value & 0xFF);
        at[1] = char((value >> 8) & 0xFF);
        return *this;
    }
    Body& U32(std::uint32_t value) { return U16(value & 0xFFFF).U16(value >> 16); }
    Body& F64(double value) { return Raw(&value, 8); }
    Body& Raw(const void* data, std::size_t size) {
        if (size) std::memcpy(Extend(size), data, size);
        return *this;
    }
    Body& Zeros(std::size_t count) {
        std::memset(Extend(count), 0, count);
        return *this;
    }
    Body& Utf16(std::u16string_view text) {
        static_assert(std::endian::native == std::endian::little, "UTF-16 is written as it lies in memory");
        return Raw(text.data(), text.size() * 2);
    }
    // Character count (8 or 16 bits), option byte 1, the characters.
    Body& String8(std::u16string_view text) { return U8(unsigned(text.size())).U8(1).Utf16(text); }
    Body& String16(std::u16string_view text) { return U16(unsigned(text.size())).U8(1).Utf16(text); }

    // A whole record of at most 8224 bytes of data built in place: Begin
    // writes its header, End sets the length to what was added since.
    std::size_t Begin(Word id) {
        const std::size_t at = size_;
        U16(id).U16(0);
        return at;
    }
    void End(std::size_t at) { Patch16(at + 2, unsigned(size_ - at - 4)); }
    void Patch16(std::size_t at, unsigned value) {
        buffer_[at] = char(value & 0xFF);
        buffer_[at + 1] = char((value >> 8) & 0xFF);
    }
    // Fills up to `size` bytes with `fill`.
    void PadTo(std::size_t size, char fill) {
        if (size <= size_) return;
        const std::size_t count = size - size_;
        std::memset(Extend(count), fill, count);
    }
    void Clear() { size_ = 0; }

    const char* Data() const { return buffer_.data(); }
    std::size_t Size() const { return size_; }
    std::string_view View() const { return {buffer_.data(), size_}; }
    void WriteTo(TStream& stream) const {
        if (size_) stream.WriteBuffer(buffer_.data(), Integer(size_));
    }

private:
    char* Extend(std::size_t count) {
        if (size_ + count > buffer_.size()) buffer_.resize(std::max(buffer_.size() * 2, size_ + count + 64));
        char* at = buffer_.data() + size_;
        size_ += count;
        return at;
    }

    std::vector<char> buffer_;
    std::size_t size_ = 0;
};

// The record as it lies in the file: header and data, then CONTINUE
// records for data past the first 8224 bytes.
inline void AppendRecord(Body& out, Word id, std::string_view data) {
    std::size_t at = 0;
    do {
        const std::size_t length = std::min(kMaxRecordData, data.size() - at);
        out.U16(at == 0 ? id : kContinue).U16(unsigned(length)).Raw(data.data() + at, length);
        at += length;
    } while (at < data.size());
}

inline void AppendRecord(Body& out, Word id, const Body& body) { AppendRecord(out, id, body.View()); }

inline void WriteRecord(TStream& stream, Word id, const Body& body) {
    Body framed;
    AppendRecord(framed, id, body);
    framed.WriteTo(stream);
}

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
