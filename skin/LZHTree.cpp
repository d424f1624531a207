// The LZHUF adaptive Huffman tree and the canonical position code.
#include "skin/LZHTree.h"

#include <algorithm>
#include <new>

#include "skin/LZH.h"

namespace {

constexpr TLZHTree::TPositionCode MakePositionCode() {
    // How many of the 64 upper-bit values get codes of 3, 4, ... 8 bits.
    constexpr int countsByLength[] = {1, 3, 8, 12, 24, 16};
    TLZHTree::TPositionCode table{};
    int code = 0, hi = 0, length = 3;
    for (int count : countsByLength) {
        for (int k = 0; k < count; ++k, ++hi, ++code) {
            table.code[hi] = static_cast<Byte>(code << (8 - length));
            table.length[hi] = static_cast<Byte>(length);
        }
        code <<= 1;
        ++length;
    }
    return table;
}

constexpr TLZHTree::TPositionCode kPositionCode = MakePositionCode();

}  // namespace

const TLZHTree::TPositionCode& TLZHTree::PositionCode() { return kPositionCode; }

void TLZHTree::AllocTables() {
    try {
        freq.assign(T + 1, 0);
        prnt.assign(T + N_CHAR, 0);
        son.assign(T, 0);
    } catch (const std::bad_alloc&) {
        throw ElzhException("LZH : Cannot get memory for dictionary tables");
    }
}

void TLZHTree::FreeTables() {
    std::vector<Word>().swap(freq);
    std::vector<Word>().swap(prnt);
    std::vector<Word>().swap(son);
}

void TLZHTree::InitTree() {
    for (int i = 0; i < N_CHAR; ++i) {
        freq[i] = 1;
        son[i] = static_cast<Word>(i + T);
        prnt[i + T] = static_cast<Word>(i);
    }
    for (int i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
        freq[j] = static_cast<Word>(freq[i] + freq[i + 1]);
        son[j] = static_cast<Word>(i);
        prnt[i] = prnt[i + 1] = static_cast<Word>(j);
    }
    freq[T] = 0xFFFF;
    prnt[R] = 0;
}

void TLZHTree::UpdateTree(int c) {
    if (freq[R] >= MAX_FREQ) RebuildTree();
    int node = prnt[c + T];
    do {
        const unsigned k = ++freq[node];
        if (k > freq[node + 1]) {
            // Keep the frequencies sorted: swap with the last node still
            // below k (found by bisection, as the table is sorted and ends
            // in the 0xFFFF sentinel).
            const int l = static_cast<int>(std::lower_bound(freq.begin() + node + 2, freq.end(), k) - freq.begin()) - 1;
            freq[node] = freq[l];
            freq[l] = static_cast<Word>(k);
            const int i = son[node];
            prnt[i] = static_cast<Word>(l);
            if (i < T) prnt[i + 1] = static_cast<Word>(l);
            const int j = son[l];
            son[l] = static_cast<Word>(i);
            prnt[j] = static_cast<Word>(node);
            if (j < T) prnt[j + 1] = static_cast<Word>(node);
            son[node] = static_cast<Word>(j);
            node = l;
        }
        node = prnt[node];
    } while (node != 0);
}

void TLZHTree::RebuildTree() {
    int j = 0;
    for (int i = 0; i < T; ++i) {
        if (son[i] >= T) {
            freq[j] = static_cast<Word>((freq[i] + 1) / 2);
            son[j] = son[i];
            ++j;
        }
    }
    for (int i = 0, node = N_CHAR; node < T; i += 2, ++node) {
        const Word f = static_cast<Word>(freq[i] + freq[i + 1]);
        int k = node - 1;
        while (f < freq[k]) --k;
        ++k;
        std::copy_backward(freq.begin() + k, freq.begin() + node, freq.begin() + node + 1);
        std::copy_backward(son.begin() + k, son.begin() + node, son.begin() + node + 1);
        freq[k] = f;
        son[k] = static_cast<Word>(i);
    }
    for (int i = 0; i < T; ++i) {
        const int k = son[i];
        prnt[k] = static_cast<Word>(i);
        if (k < T) prnt[k + 1] = static_cast<Word>(i);
    }
}
