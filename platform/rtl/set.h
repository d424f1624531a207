// TSet<E>: the platform's "set of E" over an enumeration of at most 64
// values numbered from 0.
#pragma once

#include <cstdint>
#include <initializer_list>

template <class E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> values) {
        for (E v : values)
            bits_ |= Bit(v);
    }

    static constexpr TSet FromBits(std::uint64_t bits) {
        TSet s;
        s.bits_ = bits;
        return s;
    }
    constexpr std::uint64_t Bits() const { return bits_; }

    constexpr bool Contains(E v) const { return (bits_ & Bit(v)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr TSet& Include(E v) {
        bits_ |= Bit(v);
        return *this;
    }
    constexpr TSet& Exclude(E v) {
        bits_ &= ~Bit(v);
        return *this;
    }

    friend constexpr TSet operator+(TSet a, TSet b) { return FromBits(a.bits_ | b.bits_); }
    friend constexpr TSet operator-(TSet a, TSet b) { return FromBits(a.bits_ & ~b.bits_); }
    friend constexpr TSet operator*(TSet a, TSet b) { return FromBits(a.bits_ & b.bits_); }
    friend constexpr bool operator==(TSet a, TSet b) = default;
    // a <= b: every member of a is in b.
    friend constexpr bool operator<=(TSet a, TSet b) { return (a.bits_ & ~b.bits_) == 0; }

private:
    static constexpr std::uint64_t Bit(E v) { return std::uint64_t{1} << static_cast<unsigned>(v); }
    std::uint64_t bits_ = 0;
};
