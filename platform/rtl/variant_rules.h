// Internal to the Variant implementation: the kinds the rule tables are
// written in, the typed conversions the operators share, the custom-type
// look-up, and the inside of a Variant (its storage and array payload).
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "platform/rtl/variant.h"

class TCustomVariantType;

namespace variant_rules {

// Type codes grouped as the rule tables see them.
enum class Kind {
    Empty,
    Null,
    Int,       // Smallint, Integer, ShortInt, Byte, Word
    Int64,     // LongWord, Int64
    Real,      // Single, Double
    Currency,
    Date,
    String,    // String, OleStr
    Boolean,
    Error,
    Array,
    Custom,
    Other      // Dispatch, Unknown, codes without a meaning
};
Kind KindOf(TVarType type);

// Typed conversions following the conversion table. `target` names the type
// asked for, for the range check and the error text.
Int64 ToInt64(const Variant& v, TVarType target);
double ToDouble(const Variant& v, TVarType target);
Currency ToCurrency(const Variant& v);
bool ToBoolean(const Variant& v);
AnsiString ToString(const Variant& v);

// The registered type of a custom code, or nullptr.
TCustomVariantType* CustomType(TVarType type);
// The same, raising EVariantInvalidOpError ("Invalid variant type") when
// the type is gone.
TCustomVariantType& RequireCustomType(TVarType type);

}  // namespace variant_rules

// The inside of a Variant, for the rule, array and custom-type code.
struct VariantAccess {
    using Storage = Variant::Storage;
    using ArrayData = Variant::ArrayData;
    using InlineWord = Variant::InlineWord;

    static Variant Make(TVarType type, Storage value) { return Variant(type, std::move(value)); }
    // A custom-type value holding `word` inline (TCustomVariantType::MakeInlineValue).
    static Variant MakeInline(TVarType type, std::uintptr_t word) { return Variant(type, InlineWord{word}); }
    static const Storage& Value(const Variant& v) { return v.value_; }
    static ArrayData& MutableArray(Variant& v) { return v.MutableArray(); }
    // The number of an integer-kind value, to change in place; nullptr for any other.
    static Int64* MutableInteger(Variant& v) { return std::get_if<Int64>(&v.value_); }
};

// N dimensions of (low, high) bounds; elements stored first index fastest,
// so growing the last dimension keeps every element in place.
struct Variant::ArrayData {
    TVarType elementType;
    std::vector<std::pair<int, int>> bounds;
    std::vector<Variant> elements;
};
