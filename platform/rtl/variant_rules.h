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
    static const Storage& Value(const Variant& v) { return v.value_; }
    static ArrayData& MutableArray(Variant& v) { return v.MutableArray(); }
    // The number of an integer-kind value, to change in place; nullptr for any other.
    static Int64* MutableInteger(Variant& v) { return std::get_if<Int64>(&v.value_); }
    // Expressions assign integers, reals and references far more than
    // anything else; those go straight into a slot of the same kind, or
    // replace what was there, without visiting the storage.
    static bool AssignScalar(Variant& to, const Variant& from) noexcept {
        if (to.value_.index() != from.value_.index()) return AssignPlain(to, from);
        if (auto* integer = std::get_if<Int64>(&to.value_))
            *integer = *std::get_if<Int64>(&from.value_);
        else if (auto* real = std::get_if<double>(&to.value_))
            *real = *std::get_if<double>(&from.value_);
        else if (auto* word = std::get_if<InlineWord>(&to.value_))
            *word = *std::get_if<InlineWord>(&from.value_);
        else if (!std::holds_alternative<std::monostate>(to.value_))
            return false;
        to.type_ = from.type_;
        return true;
    }

    // Values whose storage has nothing to free: Empty and Null, integers,
    // reals, inline words.
    static bool IsPlain(const Storage& value) {
        return std::holds_alternative<std::monostate>(value) || std::holds_alternative<Int64>(value) ||
               std::holds_alternative<double>(value) || std::holds_alternative<InlineWord>(value);
    }

    // Makes a plain value Empty in place; false (nothing done) for any other.
    static bool EmptyPlain(Variant& v) noexcept {
        if (!IsPlain(v.value_)) return false;
        std::construct_at(&v.value_, std::in_place_type<std::monostate>);
        v.type_ = varEmpty;
        return true;
    }

    // Puts a plain value into the storage. Over another plain value it is
    // built in place: what was there has nothing for a destructor to do.
    template <class Plain, class... Args>
    static void SetPlain(Storage& to, const Args&... args) noexcept {
        if (IsPlain(to)) std::construct_at(&to, std::in_place_type<Plain>, args...);
        else to.emplace<Plain>(args...);
    }

private:
    // A plain value goes over any storage but a custom type's payload
    // (which its type must clear first) without visiting it.
    static bool AssignPlain(Variant& to, const Variant& from) noexcept {
        if (std::holds_alternative<std::any>(to.value_)) return false;
        if (const auto* integer = std::get_if<Int64>(&from.value_)) SetPlain<Int64>(to.value_, *integer);
        else if (const auto* word = std::get_if<InlineWord>(&from.value_)) SetPlain<InlineWord>(to.value_, *word);
        else if (const auto* real = std::get_if<double>(&from.value_)) SetPlain<double>(to.value_, *real);
        else if (std::holds_alternative<std::monostate>(from.value_)) SetPlain<std::monostate>(to.value_);
        else return false;
        to.type_ = from.type_;
        return true;
    }
};

// N dimensions of (low, high) bounds; elements stored first index fastest,
// so growing the last dimension keeps every element in place.
struct Variant::ArrayData {
    TVarType elementType;
    std::vector<std::pair<int, int>> bounds;
    std::vector<Variant> elements;
};
