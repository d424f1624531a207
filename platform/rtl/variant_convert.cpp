// Variant conversions. Every conversion of the library (VarAsType, the As*
// accessors, VarToStr, and the operators' promotions) follows this table:
//
//  value \ into   | integer kinds     | Single, Double     | Currency         | Date            | Boolean          | String
//  ---------------+-------------------+--------------------+------------------+-----------------+------------------+-----------------------
//  Empty          | 0                 | 0                  | 0                | 0               | False            | ""
//  Null           | cast error        | cast error         | cast error       | cast error      | cast error       | cast error (VarToStr: "")
//  integers       | checked           | the number         | checked          | as days         | <> 0             | decimal digits
//  Single/Double  | rounded half to   | the number         | rounded half to  | as days         | <> 0             | FloatToStr (Single:
//                 | even, checked     | (Single: checked)  | even, checked    |                 |                  | 7 significant digits)
//  Currency       | rounded half to   | the number         | itself           | as days         | <> 0             | CurrToStr
//                 | even, checked     |                    |                  |                 |                  |
//  Date           | rounded half to   | the day number     | rounded half to  | itself          | <> 0             | DateTimeToStr
//                 | even, checked     |                    | even, checked    |                 |                  |
//  Boolean        | True -1, False 0  | -1 / 0             | -1 / 0           | -1 / 0          | itself           | "True" / "False"
//  String         | integer text, or  | number text with   | exact decimal    | date/time text  | "True"/"False"   | itself
//                 | number text       | DecimalSeparator   | text, checked    | of the locale   | in any case, or  |
//                 | rounded, checked  |                    |                  |                 | number <> 0      |
//  Error, arrays, | cast error        | cast error         | cast error       | cast error      | cast error       | cast error
//  Dispatch ...   |                   |                    |                  |                 |                  |
//  custom         | the custom type's CastTo, then this table
//
// Text is trimmed of blanks before it is read as a number. A value that does
// not fit its target ("checked") raises EVariantOverflowError; a value that
// cannot be read as the target raises EVariantTypeCastError. Into Empty and
// Null every value converts; into a custom type through that type's Cast.
#include <cfloat>
#include <cmath>
#include <limits>

#include "platform/rtl/codepage.h"
#include "platform/rtl/custom_variant.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/variant_rules.h"

namespace variant_rules {

namespace {

AnsiString TextOf(const Variant& v) {
    if (v.VarType() == varOleStr) return WideToAnsi(std::get<WideString>(VariantAccess::Value(v)));
    return std::get<AnsiString>(VariantAccess::Value(v));
}

// The custom value converted to a standard type by its own type.
Variant CastCustom(const Variant& v, TVarType target) {
    Variant result = RequireCustomType(v.VarType()).CastTo(v, target);
    if (KindOf(result.VarType()) == Kind::Custom) VarCastError(v.VarType(), target);
    return result;
}

Int64 CheckRange(Int64 value, TVarType from, TVarType target) {
    Int64 low = std::numeric_limits<Int64>::min(), high = std::numeric_limits<Int64>::max();
    switch (target) {
        case varShortInt: low = -128, high = 127; break;
        case varByte: low = 0, high = 255; break;
        case varSmallint: low = -32768, high = 32767; break;
        case varWord: low = 0, high = 65535; break;
        case varInteger: low = std::numeric_limits<Integer>::min(), high = std::numeric_limits<Integer>::max(); break;
        case varLongWord: low = 0, high = std::numeric_limits<Cardinal>::max(); break;
        default: break;
    }
    if (value < low || value > high) VarOverflowError(from, target);
    return value;
}

Int64 RoundDouble(double value, TVarType from, TVarType target) {
    if (!(value >= -0x1p63 && value < 0x1p63)) VarOverflowError(from, target);
    return Int64(std::nearbyint(value));
}


}  // namespace

Int64 ToInt64(const Variant& v, TVarType target) {
    const VariantAccess::Storage& value = VariantAccess::Value(v);
    Int64 result = 0;
    switch (KindOf(v.VarType())) {
        case Kind::Empty: break;
        case Kind::Int:
        case Kind::Int64: result = std::get<Int64>(value); break;
        case Kind::Boolean: result = std::get<Int64>(value) ? -1 : 0; break;
        case Kind::Real:
        case Kind::Date: result = RoundDouble(std::get<double>(value), v.VarType(), target); break;
        case Kind::Currency: result = Round(std::get<Currency>(value)); break;
        case Kind::String: {
            AnsiString text = Trim(TextOf(v));
            double number = 0;
            if (TryStrToInt64(text, result)) break;
            if (!TryStrToFloat(text, number)) VarCastError(v.VarType(), target);
            result = RoundDouble(number, v.VarType(), target);
            break;
        }
        case Kind::Custom: return ToInt64(CastCustom(v, target), target);
        default: VarCastError(v.VarType(), target);
    }
    return CheckRange(result, v.VarType(), target);
}

double ToDouble(const Variant& v, TVarType target) {
    const VariantAccess::Storage& value = VariantAccess::Value(v);
    double result = 0;
    switch (KindOf(v.VarType())) {
        case Kind::Empty: break;
        case Kind::Int:
        case Kind::Int64: result = double(std::get<Int64>(value)); break;
        case Kind::Boolean: result = std::get<Int64>(value) ? -1 : 0; break;
        case Kind::Real:
        case Kind::Date: result = std::get<double>(value); break;
        case Kind::Currency: result = std::get<Currency>(value).ToDouble(); break;
        case Kind::String:
            if (!(target == varDate ? TryStrToDateTime(Trim(TextOf(v)), result) : TryStrToFloat(Trim(TextOf(v)), result)))
                VarCastError(v.VarType(), target);
            break;
        case Kind::Custom: return ToDouble(CastCustom(v, target), target);
        default: VarCastError(v.VarType(), target);
    }
    if (target == varSingle) {
        if (std::isfinite(result) && std::fabs(result) > FLT_MAX) VarOverflowError(v.VarType(), target);
        return float(result);
    }
    return result;
}

Currency ToCurrency(const Variant& v) {
    const VariantAccess::Storage& value = VariantAccess::Value(v);
    try {
        switch (KindOf(v.VarType())) {
            case Kind::Empty: return Currency();
            case Kind::Int:
            case Kind::Int64: return Currency(std::get<Int64>(value));
            case Kind::Boolean: return Currency(std::get<Int64>(value) ? -1 : 0);
            case Kind::Real:
            case Kind::Date: return Currency(std::get<double>(value));
            case Kind::Currency: return std::get<Currency>(value);
            case Kind::String: {
                Currency result;
                try {
                    result = StrToCurr(Trim(TextOf(v)));
                } catch (const EConvertError&) {
                    VarCastError(v.VarType(), varCurrency);
                }
                return result;
            }
            case Kind::Custom: return ToCurrency(CastCustom(v, varCurrency));
            default: VarCastError(v.VarType(), varCurrency);
        }
    } catch (const EMathError&) {
        VarOverflowError(v.VarType(), varCurrency);
    }
}

bool ToBoolean(const Variant& v) {
    const VariantAccess::Storage& value = VariantAccess::Value(v);
    switch (KindOf(v.VarType())) {
        case Kind::Empty: return false;
        case Kind::Int:
        case Kind::Int64:
        case Kind::Boolean: return std::get<Int64>(value) != 0;
        case Kind::Real:
        case Kind::Date: return std::get<double>(value) != 0;
        case Kind::Currency: return std::get<Currency>(value) != Currency();
        case Kind::String: {
            AnsiString text = Trim(TextOf(v));
            double number = 0;
            if (SameText(text, "True")) return true;
            if (SameText(text, "False")) return false;
            if (!TryStrToFloat(text, number)) VarCastError(v.VarType(), varBoolean);
            return number != 0;
        }
        case Kind::Custom: return ToBoolean(CastCustom(v, varBoolean));
        default: VarCastError(v.VarType(), varBoolean);
    }
}

AnsiString ToString(const Variant& v) {
    const VariantAccess::Storage& value = VariantAccess::Value(v);
    switch (KindOf(v.VarType())) {
        case Kind::Empty: return AnsiString();
        case Kind::Int:
        case Kind::Int64: return IntToStr(std::get<Int64>(value));
        case Kind::Boolean: return std::get<Int64>(value) ? "True" : "False";
        case Kind::Real:
            if (v.VarType() == varSingle) return FloatToStrF(std::get<double>(value), ffGeneral, 7, 0);
            return FloatToStr(std::get<double>(value));
        case Kind::Date: return DateTimeToStr(std::get<double>(value));
        case Kind::Currency: return CurrToStr(std::get<Currency>(value));
        case Kind::String: return TextOf(v);
        case Kind::Custom: return ToString(CastCustom(v, varString));
        default: VarCastError(v.VarType(), varString);
    }
}

}  // namespace variant_rules

using namespace variant_rules;

Variant VarAsType(const Variant& v, TVarType type) {
    if (type == v.VarType() || type == varVariant || type == varAny) return v;
    if (type == varEmpty) return Unassigned();
    if (type == varNull) return Null();
    if (KindOf(type) == Kind::Custom) return RequireCustomType(type).Cast(v);
    switch (type) {
        case varShortInt:
        case varByte:
        case varSmallint:
        case varWord:
        case varInteger:
        case varLongWord:
        case varInt64: return VariantAccess::Make(type, ToInt64(v, type));
        case varSingle:
        case varDouble:
        case varDate: return VariantAccess::Make(type, ToDouble(v, type));
        case varCurrency: return Variant(ToCurrency(v));
        case varBoolean: return Variant(ToBoolean(v));
        case varString: return Variant(ToString(v));
        case varOleStr: return Variant(AnsiToWide(ToString(v)));
        default: VarCastError(v.VarType(), type);
    }
}

AnsiString VarToStr(const Variant& v) { return VarIsNull(v) ? AnsiString() : ToString(v); }

AnsiString VarToStrDef(const Variant& v, const AnsiString& fallback) {
    return VarIsNull(v) ? fallback : ToString(v);
}

TDateTime VarToDateTime(const Variant& v) { return ToDouble(v, varDate); }

bool Variant::AsBoolean() const { return ToBoolean(*this); }

Integer Variant::ConvertToInteger() const { return Integer(ToInt64(*this, varInteger)); }

Int64 Variant::AsInt64() const { return ToInt64(*this, varInt64); }

double Variant::AsDouble() const { return ToDouble(*this, varDouble); }

Currency Variant::AsCurrency() const { return ToCurrency(*this); }

TDateTime Variant::AsDateTime() const { return ToDouble(*this, varDate); }

AnsiString Variant::AsString() const { return ToString(*this); }

WideString Variant::AsWideString() const {
    if (type_ == varOleStr) return std::get<WideString>(value_);
    return AnsiToWide(ToString(*this));
}
