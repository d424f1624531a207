// TLZH: the LZHUF decoder (LZSS with adaptive Huffman coding) that unpacks
// skin packages.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/rtl/exceptions.h"
#include "skin/LZHTree.h"

SERVIORA_EXCEPTION(ElzhException, Exception);

class TLZH : public TLZHTree {
public:
    // read(buffer, count, got): up to count bytes, got says how many.
    using TReadProc = std::function<void(void* buffer, Integer count, Integer& got)>;
    // write(buffer, count, written).
    using TWriteProc = std::function<void(const void* buffer, Integer count, Integer& written)>;

    // Decodes exactly `size` bytes. A sound stream never needs more than two
    // bytes past its end; False when the input ran out by more than four
    // (what was decoded before that has been written).
    bool Unpack(Integer size, const TWriteProc& write, const TReadProc& read);

private:
    static constexpr int kMissingBytesAllowed = 4;

    int DecodeSymbol();
    int DecodeMatchPosition();
    // Tops the bit buffer up to at least 57 valid bits; past the input's end
    // it takes zero bytes, and counts them.
    void FillBits();
    int NextInputByte();
    // The zero bytes past the input's end that decoding has used up.
    int MissingBytesUsed() const;
    void Output(Byte b);
    void OutputBlock(const Byte* bytes, int count);
    void FlushOutput();

    const TReadProc* read_ = nullptr;
    const TWriteProc* write_ = nullptr;
    std::uint64_t bitBuffer_ = 0;  // consumed from the top bit down
    int bitCount_ = 0;
    Byte input_[4096];
    Integer inputLength_ = 0;
    Integer inputPosition_ = 0;
    int missingBytes_ = 0;
    Byte output_[4096];
    Integer outputLength_ = 0;
    Byte ring_[N + F - 1];
};
