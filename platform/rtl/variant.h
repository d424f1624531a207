// Variant: a value that carries its type code, with the platform's type
// numbering, conversions and operator rules. Null (an unknown value) is
// distinct from Unassigned (no value at all). Variant arrays have value
// semantics; custom types (custom_variant.h) plug their own payloads and
// operations in, either as a std::any or, for a plain reference or number,
// inline.
//
// The rules live in two tables: conversions in variant_convert.cpp,
// operator promotion in variant_ops.cpp. Conversion failures raise
// EVariantTypeCastError "Could not convert variant of type (X) into type
// (Y)"; values that do not fit the target raise EVariantOverflowError.
#pragma once

#include <any>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <type_traits>
#include <variant>
#include <vector>

#include "platform/rtl/currency.h"
#include "platform/rtl/types.h"

class IInterface;

using TVarType = Word;

constexpr TVarType varEmpty = 0x0000;
constexpr TVarType varNull = 0x0001;
constexpr TVarType varSmallint = 0x0002;
constexpr TVarType varInteger = 0x0003;
constexpr TVarType varSingle = 0x0004;
constexpr TVarType varDouble = 0x0005;
constexpr TVarType varCurrency = 0x0006;
constexpr TVarType varDate = 0x0007;
constexpr TVarType varOleStr = 0x0008;
constexpr TVarType varDispatch = 0x0009;
constexpr TVarType varError = 0x000A;
constexpr TVarType varBoolean = 0x000B;
constexpr TVarType varVariant = 0x000C;
constexpr TVarType varUnknown = 0x000D;
constexpr TVarType varShortInt = 0x0010;
constexpr TVarType varByte = 0x0011;
constexpr TVarType varWord = 0x0012;
constexpr TVarType varLongWord = 0x0013;
constexpr TVarType varInt64 = 0x0014;
constexpr TVarType varStrArg = 0x0048;
constexpr TVarType varString = 0x0100;
constexpr TVarType varAny = 0x0101;
constexpr TVarType varTypeMask = 0x0FFF;
constexpr TVarType varArray = 0x2000;
constexpr TVarType varByRef = 0x4000;
// Custom variant types get codes from here upward, in registration order.
constexpr TVarType CFirstUserType = 0x010F;

// Operations, numbered as the platform numbers them (custom types see them).
enum TVarOp {
    opAdd, opSubtract, opMultiply, opDivide, opIntDivide, opModulus, opShiftLeft, opShiftRight,
    opAnd, opOr, opXor, opCompare, opNegate, opNot, opCmpEQ, opCmpNE, opCmpLT, opCmpLE, opCmpGT, opCmpGE
};

enum TVarCompareResult { crLessThan, crEqual, crGreaterThan };
enum TVariantRelationship { vrEqual, vrLessThan, vrGreaterThan, vrNotEqual };

class Variant {
public:
    // Unassigned.
    Variant() = default;
    Variant(bool value) : type_(varBoolean), value_(Int64(value)) {}
    Variant(signed char value) : type_(varShortInt), value_(Int64(value)) {}
    Variant(unsigned char value) : type_(varByte), value_(Int64(value)) {}
    Variant(short value) : type_(varSmallint), value_(Int64(value)) {}
    Variant(unsigned short value) : type_(varWord), value_(Int64(value)) {}
    Variant(int value) : type_(varInteger), value_(Int64(value)) {}
    Variant(unsigned value) : type_(varLongWord), value_(Int64(value)) {}
    Variant(long value) : type_(varInt64), value_(Int64(value)) {}
    Variant(long long value) : type_(varInt64), value_(Int64(value)) {}
    Variant(float value) : type_(varSingle), value_(double(value)) {}
    Variant(double value) : type_(varDouble), value_(value) {}
    Variant(Currency value) : type_(varCurrency), value_(value) {}
    // A character is a one-character string, as on the platform.
    Variant(char value) : type_(varString), value_(AnsiString(1, value)) {}
    Variant(const char* value) : type_(varString), value_(AnsiString(value)) {}
    Variant(AnsiString value) : type_(varString), value_(std::move(value)) {}
    Variant(WideString value) : type_(varOleStr), value_(std::move(value)) {}
    // Any other pointer would silently become a Boolean.
    Variant(const void*) = delete;
    // An interface (type varUnknown) or an automation object (varDispatch),
    // shared by copies; an empty pointer is allowed. EVariantInvalidArgError
    // for any other type.
    Variant(std::shared_ptr<IInterface> value, TVarType type);

    // Plain values (Empty, Null, numbers, inline words) are copied, moved
    // and dropped here, as they are on nearly every step of a script; text,
    // arrays, interfaces and custom payloads go the out-of-line way.
    Variant(const Variant& other) : type_(other.type_) {
        if (other.HoldsPlain()) SetPlainFrom(other.value_);
        else CopyPayload(other);
    }
    Variant(Variant&& other) noexcept : type_(other.type_) {
        if (!other.HoldsPlain()) {
            MovePayload(other);
            return;
        }
        SetPlainFrom(other.value_);
        other.MakePlainEmpty();
    }
    Variant& operator=(const Variant& other) {
        if (this == &other) return *this;
        if (!HoldsPlain() || !other.HoldsPlain()) return AssignPayload(other);
        SetPlainFrom(other.value_);
        type_ = other.type_;
        return *this;
    }
    Variant& operator=(Variant&& other) noexcept {
        if (this == &other) return *this;
        if (!HoldsPlain() || !other.HoldsPlain()) return MoveAssignPayload(other);
        SetPlainFrom(other.value_);
        type_ = other.type_;
        other.MakePlainEmpty();
        return *this;
    }
    ~Variant() {
        if (!HoldsPlain()) ReleasePayload();
        // Tells the compiler what is left, so the storage's own destructor
        // has nothing to look at.
        std::construct_at(&value_, std::in_place_type<std::monostate>);
    }

    // The type code, with varArray for arrays.
    TVarType VarType() const { return type_; }

    // Conversions by the rule table; they raise as VarAsType does.
    bool AsBoolean() const;
    Integer AsInteger() const {
        // An Integer needs no conversion, and host code reads them most.
        if (const auto* number = std::get_if<Int64>(&value_); number && type_ == varInteger) return Integer(*number);
        return ConvertToInteger();
    }
    Int64 AsInt64() const;
    double AsDouble() const;
    Currency AsCurrency() const;
    TDateTime AsDateTime() const;
    AnsiString AsString() const;
    WideString AsWideString() const;

    // The interface of a varUnknown or varDispatch value, an empty pointer
    // for Empty; EVariantTypeCastError for anything else.
    std::shared_ptr<IInterface> AsInterface() const;

    // The payload of a custom-type value. For any other type the const form
    // answers an empty std::any and the other raises EVariantInvalidOpError.
    const std::any& CustomData() const;
    std::any& CustomData();
    // The payload of a custom-type value held inline
    // (TCustomVariantType::MakeInlineValue); nullptr for any other value.
    const std::uintptr_t* CustomWord() const {
        const InlineWord* word = std::get_if<InlineWord>(&value_);
        return word ? &word->value : nullptr;
    }

    // Element access of a variant array: one index per dimension.
    // EVariantNotAnArrayError for a value that is no array,
    // EVariantBadIndexError for a wrong index count or an index out of bounds.
    Variant GetElement(std::span<const int> indices) const;
    Variant GetElement(std::initializer_list<int> indices) const { return GetElement(std::span(indices)); }
    void PutElement(std::span<const int> indices, const Variant& value);
    void PutElement(std::initializer_list<int> indices, const Variant& value) { PutElement(std::span(indices), value); }

private:
    // Integer kinds, Boolean and error codes share the Int64 slot; Single,
    // Double and Date the double slot; arrays are copied on write; custom
    // types keep their payload in the std::any, or a word inline that copies
    // bit for bit and needs no clearing; interfaces are counted.
    struct ArrayData;
    struct InlineWord {
        std::uintptr_t value;
    };
    using Storage = std::variant<std::monostate, Int64, double, Currency, AnsiString, WideString,
                                 std::shared_ptr<ArrayData>, std::any, std::shared_ptr<IInterface>, InlineWord>;
    friend struct VariantAccess;
    friend class TCustomVariantType;

    static_assert(std::is_same_v<std::variant_alternative_t<1, Storage>, Int64> &&
                  std::is_same_v<std::variant_alternative_t<2, Storage>, double> &&
                  std::is_same_v<std::variant_alternative_t<3, Storage>, Currency> &&
                  std::is_same_v<std::variant_alternative_t<9, Storage>, InlineWord> &&
                  std::is_trivially_copyable_v<Currency>);
    // Storage with nothing to free: it copies bit for bit and may be
    // overwritten without being destroyed.
    static constexpr bool IsPlainIndex(std::size_t index) { return index <= 3 || index == 9; }
    bool HoldsPlain() const noexcept { return IsPlainIndex(value_.index()); }
    // Puts a plain storage in place of a plain one.
    void SetPlainFrom(const Storage& from) noexcept {
        switch (from.index()) {
            case 1: std::construct_at(&value_, std::in_place_index<1>, *std::get_if<1>(&from)); break;
            case 2: std::construct_at(&value_, std::in_place_index<2>, *std::get_if<2>(&from)); break;
            case 3: std::construct_at(&value_, std::in_place_index<3>, *std::get_if<3>(&from)); break;
            case 9: std::construct_at(&value_, std::in_place_index<9>, *std::get_if<9>(&from)); break;
            default: std::construct_at(&value_, std::in_place_index<0>); break;
        }
    }
    // A plain value made Empty, as a move leaves its source.
    void MakePlainEmpty() noexcept {
        std::construct_at(&value_, std::in_place_index<0>);
        type_ = varEmpty;
    }

    Variant(TVarType type, Storage value) : type_(type), value_(std::move(value)) {}
    Variant(TVarType type, InlineWord word) : type_(type), value_(std::in_place_index<9>, word) {}
    ArrayData& MutableArray();
    // What a custom type does when its value goes; the storage stays.
    void Release() noexcept;
    // The out-of-line roads of copying, moving and dropping values with a
    // payload; a move leaves its source Empty.
    void CopyPayload(const Variant& other);
    void MovePayload(Variant& other) noexcept;
    Variant& AssignPayload(const Variant& other);
    Variant& MoveAssignPayload(Variant& other) noexcept;
    // Releases and destroys the payload, leaving plain Empty storage.
    void ReleasePayload() noexcept;
    Integer ConvertToInteger() const;

    TVarType type_ = varEmpty;
    Storage value_;
};

Variant Null();
Variant Unassigned();
Variant VarFromDateTime(TDateTime value);
// An error value (varError) carrying a status code.
Variant VarAsError(Integer code);

inline TVarType VarType(const Variant& v) { return v.VarType(); }
inline bool VarIsType(const Variant& v, TVarType type) { return v.VarType() == type; }
inline bool VarIsNull(const Variant& v) { return v.VarType() == varNull; }
inline bool VarIsEmpty(const Variant& v) { return v.VarType() == varEmpty; }
// Empty, or a custom value its type calls clear.
bool VarIsClear(const Variant& v);
bool VarIsArray(const Variant& v);
bool VarIsStr(const Variant& v);
// Integer kinds and Boolean.
bool VarIsOrdinal(const Variant& v);
// Single, Double and Currency.
bool VarIsFloat(const Variant& v);
bool VarIsNumeric(const Variant& v);
bool VarIsError(const Variant& v);
bool VarIsError(const Variant& v, Integer& code);

// The platform's errors of the variant routines, for custom types to raise
// too: EVariantTypeCastError, EVariantOverflowError ("Overflow while
// converting variant of type (X) into type (Y)"), EVariantInvalidOpError.
[[noreturn]] void VarCastError(TVarType from, TVarType to);
[[noreturn]] void VarOverflowError(TVarType from, TVarType to);
[[noreturn]] void VarInvalidOp();

// The platform's name of a type code: "Integer", "String", "Array Variant",
// a custom type's name.
AnsiString VarTypeAsText(TVarType type);

// The value converted to another type (a standard or a custom one).
Variant VarAsType(const Variant& v, TVarType type);
// Null gives "".
AnsiString VarToStr(const Variant& v);
// Null gives `fallback`.
AnsiString VarToStrDef(const Variant& v, const AnsiString& fallback);
TDateTime VarToDateTime(const Variant& v);

// Operators, by the promotion table. Null propagates; Empty acts as 0 or "".
Variant VarOp(const Variant& left, const Variant& right, TVarOp op);
Variant operator+(const Variant& a, const Variant& b);
Variant operator-(const Variant& a, const Variant& b);
Variant operator*(const Variant& a, const Variant& b);
Variant operator/(const Variant& a, const Variant& b);
Variant operator%(const Variant& a, const Variant& b);   // mod
Variant operator&(const Variant& a, const Variant& b);   // and
Variant operator|(const Variant& a, const Variant& b);   // or
Variant operator^(const Variant& a, const Variant& b);   // xor
Variant operator<<(const Variant& a, const Variant& b);  // shl
Variant operator>>(const Variant& a, const Variant& b);  // shr
Variant VarIntDiv(const Variant& a, const Variant& b);   // div
Variant operator-(const Variant& a);
// Logical not for Booleans, bitwise not for integers.
Variant VarNot(const Variant& a);

// Comparison. Null equals only Null and orders before every other value;
// two strings compare byte by byte, with case.
// Values of kinds that do not compare raise EVariantInvalidOpError; text
// that does not convert to the other side's kind raises
// EVariantTypeCastError.
TVariantRelationship VarCompareValue(const Variant& a, const Variant& b);
bool operator==(const Variant& a, const Variant& b);
bool operator<(const Variant& a, const Variant& b);
bool operator<=(const Variant& a, const Variant& b);
bool operator>(const Variant& a, const Variant& b);
bool operator>=(const Variant& a, const Variant& b);
// Two Unassigned or two Null values are the same; Unassigned or Null against
// anything else is not; otherwise a == b, which may raise.
bool VarSameValue(const Variant& a, const Variant& b);

// Variant arrays. Bounds come in pairs (low, high) per dimension.
// EVariantArrayCreateError for an odd bound list, a high bound below its
// low bound minus one, or an element type that arrays cannot hold.
Variant VarArrayCreate(std::initializer_list<int> bounds, TVarType elementType);
Variant VarArrayCreate(std::span<const int> bounds, TVarType elementType);
// A one-dimensional varVariant array 0..n-1 of the values.
Variant VarArrayOf(std::initializer_list<Variant> values);
Variant VarArrayOf(std::span<const Variant> values);
// 0 for a value that is no array.
int VarArrayDimCount(const Variant& a);
// Dimensions count from 1.
int VarArrayLowBound(const Variant& a, int dim);
int VarArrayHighBound(const Variant& a, int dim);
// New high bound of the last dimension; elements kept, new ones cleared.
void VarArrayRedim(Variant& a, int highBound);
Variant VarArrayGet(const Variant& a, std::span<const int> indices);
inline Variant VarArrayGet(const Variant& a, std::initializer_list<int> indices) {
    return VarArrayGet(a, std::span(indices));
}
void VarArrayPut(Variant& a, const Variant& value, std::span<const int> indices);
inline void VarArrayPut(Variant& a, const Variant& value, std::initializer_list<int> indices) {
    VarArrayPut(a, value, std::span(indices));
}
