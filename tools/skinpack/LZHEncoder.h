// TLZHEncoder: packs bytes into the LZHUF stream the program's skin reader
// decodes, coding with the decoder's own adaptive tree.
#pragma once

#include <span>
#include <vector>

#include "skin/LZHTree.h"

class TLZHEncoder : public TLZHTree {
public:
    // int32 unpacked size, then the bit stream.
    std::vector<Byte> Pack(std::span<const Byte> data);

private:
    void PutBit(int bit);
    void PutBits(unsigned value, int count);
    void EncodeSymbol(int c);
    void EncodePosition(int position);

    std::vector<Byte> out_;
    int bitCount_ = 0;
};
