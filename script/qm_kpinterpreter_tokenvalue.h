// The reader's value (TokenValue): the value of the last token that has
// one. A call statement run in a loop takes the reader from the text of its
// first name to a number and back on every pass; the last text is kept
// aside while a number stands in front of it, so the name does not have to
// be built anew each time, and where it came from in the token cache is
// noted, so it is not even compared.
#pragma once

#include <cstdint>

#include "platform/rtl/variant_rules.h"

// Whether two token values are the same (type and contents).
inline bool SameTokenValue(const Variant& a, const Variant& b) {
    if (a.VarType() != b.VarType()) return false;
    const auto& x = VariantAccess::Value(a);
    const auto& y = VariantAccess::Value(b);
    if (x.index() != y.index()) return false;
    if (const auto* number = std::get_if<Int64>(&x)) return *number == std::get<Int64>(y);
    if (const auto* real = std::get_if<double>(&x)) return *real == std::get<double>(y);
    if (const auto* text = std::get_if<AnsiString>(&x)) return *text == std::get<AnsiString>(y);
    return std::holds_alternative<std::monostate>(x);
}

class TKpTokenValue {
public:
    const Variant& Value() const { return textInFront_ ? text_ : other_; }
    operator const Variant&() const { return Value(); }

    TKpTokenValue& operator=(const Variant& value) {
        ++writes_;
        if (value.VarType() == varString) {
            if (!SameTokenValue(text_, value)) {
                text_ = value;
                cachedText_ = nullptr;
            }
            textInFront_ = true;
        } else {
            other_ = value;
            textInFront_ = false;
        }
        return *this;
    }

    // The value of a token in the token cache, whose tokens stay where they
    // are, unchanged, while its stamp does not move.
    void AssignCached(const Variant& value, std::uint64_t cacheStamp) {
        if (&value == cachedText_ && cacheStamp == cacheStamp_) {
            ++writes_;
            textInFront_ = true;
            return;
        }
        *this = value;
        if (textInFront_) {
            cachedText_ = &value;
            cacheStamp_ = cacheStamp;
        }
    }

    // Counts assignments, so a reader can tell the value was left alone.
    std::uint64_t Writes() const { return writes_; }

private:
    Variant text_;
    Variant other_;
    bool textInFront_ = false;
    // The cached token whose value text_ was last given (or equals).
    const Variant* cachedText_ = nullptr;
    std::uint64_t cacheStamp_ = 0;
    std::uint64_t writes_ = 0;
};
