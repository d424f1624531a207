// Variant storage, copying and lifetime, type predicates, type names and the
// errors of the variant routines.
#include "platform/rtl/variant.h"

#include "platform/rtl/custom_variant.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/variant_rules.h"

using variant_rules::Kind;
using variant_rules::KindOf;

namespace {

// A copy of a custom value goes through its type, which decides whether the
// payload is shared or duplicated.
VariantAccess::Storage CopyStorage(TVarType type, const VariantAccess::Storage& value) {
    if (const auto* data = std::get_if<std::any>(&value))
        if (const TCustomVariantType* custom = variant_rules::CustomType(type)) return custom->Copy(*data);
    return value;
}

const char* StandardTypeName(TVarType type) {
    switch (type) {
        case varEmpty: return "Empty";
        case varNull: return "Null";
        case varSmallint: return "Smallint";
        case varInteger: return "Integer";
        case varSingle: return "Single";
        case varDouble: return "Double";
        case varCurrency: return "Currency";
        case varDate: return "Date";
        case varOleStr: return "OleStr";
        case varDispatch: return "Dispatch";
        case varError: return "Error";
        case varBoolean: return "Boolean";
        case varVariant: return "Variant";
        case varUnknown: return "Unknown";
        case varShortInt: return "ShortInt";
        case varByte: return "Byte";
        case varWord: return "Word";
        case varLongWord: return "LongWord";
        case varInt64: return "Int64";
        case varStrArg: return "StrArg";
        case varString: return "String";
        case varAny: return "Any";
        default: return nullptr;
    }
}

}  // namespace

// A copy of a value with a payload copies as its storage does (a string
// reuses its buffer, an array shares its data until written), or through
// its custom type.
void Variant::CopyPayload(const Variant& other) {
    value_ = std::holds_alternative<std::any>(other.value_) ? CopyStorage(other.type_, other.value_) : other.value_;
}

// The storage is moved over in one step; the payload now belongs here, so
// its custom type does not clear it in the source.
void Variant::MovePayload(Variant& other) noexcept {
    value_ = std::move(other.value_);
    other.value_.emplace<std::monostate>();
    other.type_ = varEmpty;
}

Variant& Variant::AssignPayload(const Variant& other) {
    // Text over text reuses the buffer, and text over a plain value is
    // copied in place, without visiting the storage.
    if (const auto* from = std::get_if<AnsiString>(&other.value_)) {
        if (auto* text = std::get_if<AnsiString>(&value_)) {
            *text = *from;
            type_ = other.type_;
            return *this;
        }
        if (HoldsPlain()) {
            // Copied first, so a failed copy leaves the value as it was.
            AnsiString copy = *from;
            std::construct_at(&value_, std::in_place_type<AnsiString>, std::move(copy));
            type_ = other.type_;
            return *this;
        }
    } else if (other.HoldsPlain() && !std::holds_alternative<std::any>(value_)) {
        // A plain value over text, an array or an interface; taken first, as
        // it may be an element of the array that goes.
        const Variant plain = other;
        value_.emplace<std::monostate>();
        SetPlainFrom(plain.value_);
        type_ = plain.type_;
        return *this;
    }
    if (!std::holds_alternative<std::any>(value_) && !std::holds_alternative<std::any>(other.value_)) {
        value_ = other.value_;
        type_ = other.type_;
        return *this;
    }
    return *this = Variant(other);
}

// The old payload goes once its custom type has cleared it.
Variant& Variant::MoveAssignPayload(Variant& other) noexcept {
    Release();
    value_ = std::move(other.value_);
    type_ = other.type_;
    other.value_.emplace<std::monostate>();
    other.type_ = varEmpty;
    return *this;
}

void Variant::ReleasePayload() noexcept {
    Release();
    value_.emplace<std::monostate>();
}

// What the value's custom type does when the value goes; the storage itself
// is destroyed or overwritten by the caller.
void Variant::Release() noexcept {
    if (auto* data = std::get_if<std::any>(&value_))
        if (const TCustomVariantType* custom = variant_rules::CustomType(type_)) custom->Clear(*data);
}

Variant::Variant(std::shared_ptr<IInterface> value, TVarType type) : type_(type), value_(std::move(value)) {
    if (type != varUnknown && type != varDispatch)
        throw EVariantInvalidArgError("Invalid argument");
}

std::shared_ptr<IInterface> Variant::AsInterface() const {
    if (type_ == varEmpty) return nullptr;
    if (type_ != varUnknown && type_ != varDispatch) VarCastError(type_, varUnknown);
    return std::get<std::shared_ptr<IInterface>>(value_);
}

const std::any& Variant::CustomData() const {
    static const std::any none;
    const auto* data = std::get_if<std::any>(&value_);
    return data ? *data : none;
}

std::any& Variant::CustomData() {
    auto* data = std::get_if<std::any>(&value_);
    if (!data) VarInvalidOp();
    return *data;
}

Variant Null() { return VariantAccess::Make(varNull, std::monostate()); }

Variant Unassigned() { return Variant(); }

Variant VarFromDateTime(TDateTime value) { return VariantAccess::Make(varDate, value); }

Variant VarAsError(Integer code) { return VariantAccess::Make(varError, Int64(code)); }

bool VarIsClear(const Variant& v) {
    if (KindOf(v.VarType()) == Kind::Custom) return variant_rules::RequireCustomType(v.VarType()).IsClear(v);
    return VarIsEmpty(v);
}

bool VarIsArray(const Variant& v) { return (v.VarType() & varArray) != 0; }

bool VarIsStr(const Variant& v) { return KindOf(v.VarType()) == Kind::String; }

bool VarIsOrdinal(const Variant& v) {
    Kind kind = KindOf(v.VarType());
    return kind == Kind::Int || kind == Kind::Int64 || kind == Kind::Boolean;
}

bool VarIsFloat(const Variant& v) {
    Kind kind = KindOf(v.VarType());
    return kind == Kind::Real || kind == Kind::Currency;
}

bool VarIsNumeric(const Variant& v) { return VarIsOrdinal(v) || VarIsFloat(v); }

bool VarIsError(const Variant& v) { return v.VarType() == varError; }

bool VarIsError(const Variant& v, Integer& code) {
    if (!VarIsError(v)) return false;
    code = Integer(std::get<Int64>(VariantAccess::Value(v)));
    return true;
}

AnsiString VarTypeAsText(TVarType type) {
    AnsiString prefix;
    if (type & varByRef) prefix += "ByRef ";
    if (type & varArray) prefix += "Array ";
    TVarType base = type & varTypeMask;
    if (const char* name = StandardTypeName(base)) return prefix + name;
    if (const TCustomVariantType* custom = variant_rules::CustomType(base)) return prefix + custom->Name();
    return prefix + "$" + IntToHex(base, 4);
}

void VarCastError(TVarType from, TVarType to) {
    throw EVariantTypeCastError("Could not convert variant of type (" + VarTypeAsText(from) + ") into type (" +
                                VarTypeAsText(to) + ")");
}

void VarOverflowError(TVarType from, TVarType to) {
    throw EVariantOverflowError("Overflow while converting variant of type (" + VarTypeAsText(from) +
                                ") into type (" + VarTypeAsText(to) + ")");
}

void VarInvalidOp() { throw EVariantInvalidOpError("Invalid variant operation"); }

namespace variant_rules {

Kind KindOf(TVarType type) {
    if (type & varArray) return Kind::Array;
    switch (type) {
        case varEmpty: return Kind::Empty;
        case varNull: return Kind::Null;
        case varSmallint:
        case varInteger:
        case varShortInt:
        case varByte:
        case varWord: return Kind::Int;
        case varLongWord:
        case varInt64: return Kind::Int64;
        case varSingle:
        case varDouble: return Kind::Real;
        case varCurrency: return Kind::Currency;
        case varDate: return Kind::Date;
        case varString:
        case varOleStr: return Kind::String;
        case varBoolean: return Kind::Boolean;
        case varError: return Kind::Error;
        default: return type >= CFirstUserType && type <= varTypeMask ? Kind::Custom : Kind::Other;
    }
}

}  // namespace variant_rules
