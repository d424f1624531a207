// The adaptive Huffman model and the position code of LZHUF, kept apart
// from the decoder so that the skin packing tool codes with the very same
// tree the program decodes with.
#pragma once

#include <array>
#include <vector>

#include "platform/rtl/types.h"

class TLZHTree {
public:
    static constexpr int N = 4096;          // ring size; positions are 12 bits
    static constexpr int F = 60;            // longest match
    static constexpr int THRESHOLD = 2;     // matches are longer than this
    static constexpr int N_CHAR = 256 - THRESHOLD + F;  // literals and match lengths
    static constexpr int T = N_CHAR * 2 - 1;             // tree nodes
    static constexpr int R = T - 1;                      // the root
    static constexpr int MAX_FREQ = 0x8000;              // root frequency that halves the tree

    // Position codes: the upper six bits of a position as a canonical
    // prefix code of 3 to 8 bits, left-aligned in a byte.
    struct TPositionCode {
        std::array<Byte, 64> code;
        std::array<Byte, 64> length;
    };
    static const TPositionCode& PositionCode();

protected:
    // Throws ElzhException when the memory cannot be had.
    void AllocTables();
    void FreeTables();
    void InitTree();
    // Counts one more use of symbol c, first halving the tree when the root
    // has reached MAX_FREQ.
    void UpdateTree(int c);
    void RebuildTree();

    std::vector<Word> freq;  // T + 1 entries, the last a sentinel
    std::vector<Word> prnt;  // T + N_CHAR: parents of nodes, then of leaves
    std::vector<Word> son;   // T
};
