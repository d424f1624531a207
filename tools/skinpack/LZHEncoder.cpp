// The LZHUF encoder: greedy matches found through hash chains over the
// history the decoder sees (4,036 spaces, then the data), symbols coded bit
// by bit from the adaptive tree (their codes can pass 16 bits), positions
// with the canonical position code.
#include "tools/skinpack/LZHEncoder.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kPrefill = TLZHTree::N - TLZHTree::F;
constexpr int kMinMatch = TLZHTree::THRESHOLD + 1;
constexpr int kHashBits = 15;
constexpr int kMaxChain = 128;

unsigned Hash(const Byte* p) {
    return ((p[0] << 10) ^ (p[1] << 5) ^ p[2]) & ((1u << kHashBits) - 1);
}

}  // namespace

void TLZHEncoder::PutBit(int bit) {
    if (bitCount_ % 8 == 0) out_.push_back(0);
    if (bit) out_.back() |= static_cast<Byte>(0x80 >> (bitCount_ % 8));
    ++bitCount_;
}

void TLZHEncoder::PutBits(unsigned value, int count) {
    for (int i = count - 1; i >= 0; --i) PutBit((value >> i) & 1);
}

void TLZHEncoder::EncodeSymbol(int c) {
    // The path from the leaf to the root, sent root first.
    Byte path[T];
    int depth = 0;
    for (int node = prnt[c + T]; node != R; node = prnt[node]) path[depth++] = static_cast<Byte>(node - son[prnt[node]]);
    while (depth > 0) PutBit(path[--depth]);
    UpdateTree(c);
}

void TLZHEncoder::EncodePosition(int position) {
    const auto& code = PositionCode();
    const int hi = position >> 6;
    PutBits(code.code[hi] >> (8 - code.length[hi]), code.length[hi]);
    PutBits(position & 63, 6);
}

std::vector<Byte> TLZHEncoder::Pack(std::span<const Byte> data) {
    const Integer size = static_cast<Integer>(data.size());
    out_.assign(sizeof size, 0);
    std::memcpy(out_.data(), &size, sizeof size);
    bitCount_ = static_cast<int>(out_.size()) * 8;
    AllocTables();
    InitTree();

    std::vector<Byte> history(kPrefill, ' ');
    history.insert(history.end(), data.begin(), data.end());
    std::vector<int> head(1u << kHashBits, -1);
    std::vector<int> previous(history.size(), -1);
    const int end = static_cast<int>(history.size());
    auto insert = [&](int at) {
        if (at + kMinMatch > end) return;
        const unsigned h = Hash(&history[at]);
        previous[at] = head[h];
        head[h] = at;
    };
    for (int at = 0; at < kPrefill; ++at) insert(at);

    for (int at = kPrefill; at < end;) {
        const int longest = std::min(F, end - at);
        int bestLength = 0, bestDistance = 0;
        if (longest >= kMinMatch) {
            int chain = kMaxChain;
            for (int from = head[Hash(&history[at])]; from >= 0 && at - from <= N && chain-- > 0; from = previous[from]) {
                int length = 0;
                while (length < longest && history[from + length] == history[at + length]) ++length;
                if (length > bestLength) {
                    bestLength = length;
                    bestDistance = at - from;
                    if (length == longest) break;
                }
            }
        }
        const int step = bestLength >= kMinMatch ? bestLength : 1;
        if (step == 1) {
            EncodeSymbol(history[at]);
        } else {
            EncodeSymbol(bestLength + 255 - THRESHOLD);
            EncodePosition(bestDistance - 1);
        }
        for (int k = 0; k < step; ++k) insert(at + k);
        at += step;
    }
    FreeTables();
    return std::move(out_);
}
