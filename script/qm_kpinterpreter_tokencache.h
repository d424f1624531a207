// The tokens of a source, read once per position: loops and routine bodies
// read their text again on every pass, and the second reading of a
// position takes its token (text, type and value) from here. Dropped when
// the source changes.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/rtl/variant.h"

struct TKpCachedToken {
    AnsiString Text;
    int Kind = 0;
    Variant Value;
    // The reading position behind the token.
    int End = 0;
};

class TKpTokenCache {
public:
    void Clear() {
        index_.clear();
        tokens_.clear();
        ++stamp_;
    }
    // Moves whenever a token may have left its place: a token found at one
    // address under one stamp is the same token.
    std::uint64_t Stamp() const { return stamp_; }
    const TKpCachedToken* Find(int position) const {
        if (position < 0 || std::size_t(position) >= index_.size() || index_[std::size_t(position)] < 0)
            return nullptr;
        return &tokens_[std::size_t(index_[std::size_t(position)])];
    }
    // `sourceSize` bounds the positions a token can start at.
    const TKpCachedToken& Add(int position, int sourceSize, TKpCachedToken token) {
        if (index_.size() < std::size_t(sourceSize) + 1) index_.resize(std::size_t(sourceSize) + 1, -1);
        index_[std::size_t(position)] = int(tokens_.size());
        tokens_.push_back(std::move(token));
        ++stamp_;
        return tokens_.back();
    }

private:
    std::vector<int> index_;
    std::vector<TKpCachedToken> tokens_;
    std::uint64_t stamp_ = 0;
};
