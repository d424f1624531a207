// The LZHUF decoder: symbols from the adaptive tree, positions from the
// canonical position code, matches copied out of a 4,096-byte ring.
#include "skin/LZH.h"

#include <algorithm>
#include <cstring>

namespace {

// The decoder's view of the position code: for every byte, the upper
// position bits whose code begins that byte, and that code's length.
struct TPositionDecodeTables {
    Byte d_code[256];
    Byte d_len[256];
};

TPositionDecodeTables MakeDecodeTables() {
    const auto& code = TLZHTree::PositionCode();
    TPositionDecodeTables tables{};
    for (int hi = 0; hi < 64; ++hi) {
        const int span = 1 << (8 - code.length[hi]);
        for (int b = code.code[hi]; b < code.code[hi] + span; ++b) {
            tables.d_code[b] = static_cast<Byte>(hi);
            tables.d_len[b] = code.length[hi];
        }
    }
    return tables;
}

const TPositionDecodeTables kDecode = MakeDecodeTables();

}  // namespace

int TLZH::NextInputByte() {
    if (inputPosition_ == inputLength_) {
        Integer got = 0;
        (*read_)(input_, sizeof input_, got);
        inputLength_ = std::clamp<Integer>(got, 0, sizeof input_);
        inputPosition_ = 0;
        if (inputLength_ == 0) {
            ++missingBytes_;
            return 0;
        }
    }
    return input_[inputPosition_++];
}

void TLZH::FillBits() {
    while (bitCount_ <= 56) {
        bitBuffer_ |= static_cast<std::uint64_t>(NextInputByte()) << (56 - bitCount_);
        bitCount_ += 8;
    }
}

int TLZH::MissingBytesUsed() const {
    const int missingBits = missingBytes_ * 8;
    return (missingBits - std::min(bitCount_, missingBits) + 7) / 8;
}

// The tree is walked one bit per level; a tree whose root frequency stays
// below MAX_FREQ is never deeper than 24 levels, so one top-up serves a
// whole symbol.
int TLZH::DecodeSymbol() {
    if (bitCount_ < 32) FillBits();
    std::uint64_t bits = bitBuffer_;
    int used = 0;
    const Word* children = son.data();
    int node = children[R];
    while (node < T) {
        node = children[node + static_cast<int>(bits >> 63)];
        bits <<= 1;
        ++used;
    }
    bitBuffer_ = bits;
    bitCount_ -= used;
    const int symbol = node - T;
    UpdateTree(symbol);
    return symbol;
}

// Eight bits name the upper six position bits by their code and length;
// the lower six follow the code.
int TLZH::DecodeMatchPosition() {
    if (bitCount_ < 16) FillBits();
    const unsigned first = static_cast<unsigned>(bitBuffer_ >> 56);
    const int length = kDecode.d_len[first] + 6;
    const unsigned value = static_cast<unsigned>(bitBuffer_ >> (64 - length));
    bitBuffer_ <<= length;
    bitCount_ -= length;
    return (kDecode.d_code[first] << 6) | (value & 63);
}

void TLZH::Output(Byte b) {
    if (outputLength_ == static_cast<Integer>(sizeof output_)) FlushOutput();
    output_[outputLength_++] = b;
}

void TLZH::OutputBlock(const Byte* bytes, int count) {
    if (outputLength_ + count > static_cast<Integer>(sizeof output_)) FlushOutput();
    std::memcpy(output_ + outputLength_, bytes, count);
    outputLength_ += count;
}

void TLZH::FlushOutput() {
    Integer written = 0;
    if (outputLength_ > 0) (*write_)(output_, outputLength_, written);
    outputLength_ = 0;
}

bool TLZH::Unpack(Integer size, const TWriteProc& write, const TReadProc& read) {
    read_ = &read;
    write_ = &write;
    bitBuffer_ = bitCount_ = 0;
    inputLength_ = inputPosition_ = outputLength_ = 0;
    missingBytes_ = 0;
    AllocTables();
    InitTree();
    std::memset(ring_, 0, sizeof ring_);
    std::memset(ring_, ' ', N - F);
    int r = N - F;
    Integer produced = 0;
    while (produced < size && MissingBytesUsed() <= kMissingBytesAllowed) {
        const int c = DecodeSymbol();
        if (c < 256) {
            Output(static_cast<Byte>(c));
            ring_[r] = static_cast<Byte>(c);
            r = (r + 1) & (N - 1);
            ++produced;
            continue;
        }
        const int distance = DecodeMatchPosition() + 1;
        const int start = (r - distance) & (N - 1);
        const int length = std::min<Integer>(c - 255 + THRESHOLD, size - produced);
        if (start + length <= N && r + length <= N) {
            // Neither end wraps: copy within the ring without masking; a
            // match that feeds on itself (a run) is copied forward byte by
            // byte, any other moves as one block.
            if (distance >= length) {
                std::memmove(ring_ + r, ring_ + start, length);
            } else {
                for (int k = 0; k < length; ++k) ring_[r + k] = ring_[start + k];
            }
            OutputBlock(ring_ + r, length);
            r = (r + length) & (N - 1);
        } else {
            for (int k = 0; k < length; ++k) {
                const Byte b = ring_[(start + k) & (N - 1)];
                Output(b);
                ring_[r] = b;
                r = (r + 1) & (N - 1);
            }
        }
        produced += length;
    }
    FlushOutput();
    FreeTables();
    return MissingBytesUsed() <= kMissingBytesAllowed;
}
