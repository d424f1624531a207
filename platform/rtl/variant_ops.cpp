// Variant operators and comparison. The tables below decide, for each pair
// of operand kinds, the kind both operands are converted into (by the
// conversion table of variant_convert.cpp) and the operator is computed in.
// The code follows them literally; the few rules that depend on the
// operator are written beside each table.
#include <cmath>
#include <limits>

#include "platform/rtl/custom_variant.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/variant_rules.h"

using namespace variant_rules;

namespace {

// The kinds the tables are indexed by, in this order. Any other kind
// (Error, arrays, Dispatch, Unknown) raises EVariantInvalidOpError in an
// operator; custom kinds are handed to their type first.
constexpr Kind E = Kind::Empty, N = Kind::Null, I = Kind::Int, L = Kind::Int64, R = Kind::Real,
               C = Kind::Currency, D = Kind::Date, S = Kind::String, B = Kind::Boolean;
constexpr int kTableKinds = 9;
static_assert(int(Kind::Empty) == 0 && int(Kind::Boolean) == kTableKinds - 1, "the tables follow Kind's order");

// + - * / and unary minus. Rows: left operand, columns: right operand.
// Null propagates; Empty is 0 (or "" beside a string); Boolean counts as
// -1/0 (a B result is computed as Integer); string beside string
// concatenates for + and is read as a number (R) for the others; Date
// beside Date subtracts to a Double; * and / of dates give a Double;
// / of integers gives a Double.
constexpr Kind kArithmetic[kTableKinds][kTableKinds] = {
    //        E  N  I  L  R  C  D  S  B
    /* E */ {I, N, I, L, R, C, D, S, I},
    /* N */ {N, N, N, N, N, N, N, N, N},
    /* I */ {I, N, I, L, R, C, D, R, I},
    /* L */ {L, N, L, L, R, C, D, R, L},
    /* R */ {R, N, R, R, R, C, D, R, R},
    /* C */ {C, N, C, C, C, C, D, C, C},
    /* D */ {D, N, D, D, D, D, D, D, D},
    /* S */ {S, N, R, R, R, C, D, S, R},
    /* B */ {I, N, I, L, R, C, D, R, B},
};

// div mod shl shr and or xor: whole numbers, 64-bit when either side is.
// A B result (both sides Boolean, or Boolean beside Empty or a string read
// as a truth value) makes and/or/xor logical; div mod shl shr compute it as
// Integer.
constexpr Kind kInteger[kTableKinds][kTableKinds] = {
    //        E  N  I  L  R  C  D  S  B
    /* E */ {I, N, I, L, I, I, I, I, B},
    /* N */ {N, N, N, N, N, N, N, N, N},
    /* I */ {I, N, I, L, I, I, I, I, I},
    /* L */ {L, N, L, L, L, L, L, L, L},
    /* R */ {I, N, I, L, I, I, I, I, I},
    /* C */ {I, N, I, L, I, I, I, I, I},
    /* D */ {I, N, I, L, I, I, I, I, I},
    /* S */ {I, N, I, L, I, I, I, I, B},
    /* B */ {B, N, I, L, I, I, I, B, B},
};

// Comparison. Null equals only Null and orders before everything else
// (N: no conversion). Strings compare byte by byte with case (CompareStr:
// upper case before lower, a proper prefix first), Booleans as False <
// True; a string beside a Boolean is read as a truth value, beside a number
// as a number.
constexpr Kind kCompare[kTableKinds][kTableKinds] = {
    //        E  N  I  L  R  C  D  S  B
    /* E */ {I, N, I, L, R, C, D, S, B},
    /* N */ {N, N, N, N, N, N, N, N, N},
    /* I */ {I, N, I, L, R, C, D, R, I},
    /* L */ {L, N, L, L, R, C, D, R, L},
    /* R */ {R, N, R, R, R, R, D, R, R},
    /* C */ {C, N, C, C, R, C, D, C, C},
    /* D */ {D, N, D, D, D, D, D, D, D},
    /* S */ {S, N, R, R, R, C, D, S, B},
    /* B */ {B, N, I, L, R, C, D, B, B},
};

// Unary minus and not, by the operand's kind. Minus: a string is read as a
// Double, a Boolean as -1/0. Not: Booleans (and strings read as truth
// values) are negated logically, numbers are rounded and negated bitwise.
constexpr Kind kNegate[kTableKinds] = {I, N, I, L, R, C, D, R, I};
constexpr Kind kNot[kTableKinds] = {I, N, I, L, I, I, I, B, B};

int TableIndex(const Variant& v) {
    Kind kind = KindOf(v.VarType());
    if (int(kind) >= kTableKinds) VarInvalidOp();
    return int(kind);
}

[[noreturn]] void RaiseOverflow() { throw EVariantOverflowError("Variant overflow"); }

// An integer result: Integer when it fits a 32-bit kind, else Int64.
Variant WholeResult(Int64 value, Kind kind) {
    if (kind != L && value >= std::numeric_limits<Integer>::min() && value <= std::numeric_limits<Integer>::max())
        return Variant(Integer(value));
    return Variant(value);
}

double DivideReals(double a, double b) {
    if (b == 0) {
        if (a == 0 || std::isnan(a)) throw EInvalidOp("Invalid floating point operation");
        throw EZeroDivide("Floating point division by zero");
    }
    return a / b;
}

// div mod shl shr and or xor on whole numbers, in the width of `kind`
// (operands that do not fit it raise EVariantOverflowError).
Variant IntegerOp(const Variant& left, const Variant& right, TVarOp op, Kind kind) {
    bool wide = kind == L;
    TVarType width = wide ? varInt64 : varInteger;
    Int64 a = ToInt64(left, width), b = ToInt64(right, width);
    Int64 result = 0;
    switch (op) {
        case opIntDivide:
        case opModulus:
            if (b == 0) throw EDivByZero("Division by zero");
            if (a == std::numeric_limits<Int64>::min() && b == -1) {
                if (op == opIntDivide) RaiseOverflow();
                break;
            }
            result = op == opIntDivide ? a / b : a % b;
            break;
        case opShiftLeft:
            result = wide ? Int64(std::uint64_t(a) << (b & 63)) : Int64(Integer(std::uint32_t(a) << (b & 31)));
            break;
        case opShiftRight:
            result = wide ? Int64(std::uint64_t(a) >> (b & 63)) : Int64(Integer(std::uint32_t(a) >> (b & 31)));
            break;
        case opAnd: result = a & b; break;
        case opOr: result = a | b; break;
        case opXor: result = a ^ b; break;
        default: VarInvalidOp();
    }
    return WholeResult(result, kind);
}

Variant LogicalOp(bool a, bool b, TVarOp op) {
    switch (op) {
        case opAnd: return Variant(a && b);
        case opOr: return Variant(a || b);
        default: return Variant(a != b);
    }
}

Variant WholeArithmetic(Int64 a, Int64 b, TVarOp op, Kind kind) {
    Int64 result = 0;
    bool overflow = op == opAdd        ? __builtin_add_overflow(a, b, &result)
                    : op == opSubtract ? __builtin_sub_overflow(a, b, &result)
                                       : __builtin_mul_overflow(a, b, &result);
    if (overflow) RaiseOverflow();
    return WholeResult(result, kind);
}

Variant ArithmeticOp(const Variant& left, const Variant& right, TVarOp op) {
    Kind kind = kArithmetic[TableIndex(left)][TableIndex(right)];
    if (kind == N) return Null();
    if (kind == S && op == opAdd) return Variant(ToString(left) + ToString(right));
    if (kind == S) kind = R;
    if (kind == D) {
        bool dateResult = (op == opAdd || op == opSubtract) &&
                          !(op == opSubtract && left.VarType() == varDate && right.VarType() == varDate);
        if (!dateResult) kind = R;
    }
    if (op == opDivide && (kind == I || kind == L || kind == B)) kind = R;

    switch (kind) {
        case C: {
            Currency a = ToCurrency(left), b = ToCurrency(right);
            switch (op) {
                case opAdd: return Variant(a + b);
                case opSubtract: return Variant(a - b);
                case opMultiply: return Variant(a * b);
                default: return Variant(a / b);
            }
        }
        case R:
        case D: {
            TVarType type = kind == D ? varDate : varDouble;
            double a = ToDouble(left, type), b = ToDouble(right, type);
            double result = op == opAdd        ? a + b
                            : op == opSubtract ? a - b
                            : op == opMultiply ? a * b
                                               : DivideReals(a, b);
            return VariantAccess::Make(type, result);
        }
        default: return WholeArithmetic(ToInt64(left, varInt64), ToInt64(right, varInt64), op, kind);
    }
}

const TCustomVariantType* CustomOperandType(const Variant& left, const Variant& right) {
    if (KindOf(left.VarType()) == Kind::Custom) return &RequireCustomType(left.VarType());
    if (KindOf(right.VarType()) == Kind::Custom) return &RequireCustomType(right.VarType());
    return nullptr;
}

template <typename T>
TVariantRelationship Order(const T& a, const T& b) {
    return a < b ? vrLessThan : b < a ? vrGreaterThan : vrEqual;
}

bool Holds(TVariantRelationship relation, TVarOp op) {
    switch (op) {
        case opCmpEQ: return relation == vrEqual;
        case opCmpNE: return relation != vrEqual;
        case opCmpLT: return relation == vrLessThan;
        case opCmpLE: return relation == vrLessThan || relation == vrEqual;
        case opCmpGT: return relation == vrGreaterThan;
        default: return relation == vrGreaterThan || relation == vrEqual;
    }
}

bool CompareWith(const Variant& a, const Variant& b, TVarOp op) {
    if (const TCustomVariantType* custom = CustomOperandType(a, b)) return custom->CompareOp(a, b, op);
    return Holds(VarCompareValue(a, b), op);
}

}  // namespace

Variant VarOp(const Variant& left, const Variant& right, TVarOp op) {
    if (const TCustomVariantType* custom = CustomOperandType(left, right)) return custom->BinaryOp(left, right, op);
    switch (op) {
        case opAdd:
        case opSubtract:
        case opMultiply:
        case opDivide: return ArithmeticOp(left, right, op);
        case opIntDivide:
        case opModulus:
        case opShiftLeft:
        case opShiftRight:
        case opAnd:
        case opOr:
        case opXor: {
            Kind kind = kInteger[TableIndex(left)][TableIndex(right)];
            if (kind == N) return Null();
            if (kind == B && (op == opAnd || op == opOr || op == opXor))
                return LogicalOp(ToBoolean(left), ToBoolean(right), op);
            return IntegerOp(left, right, op, kind == B ? I : kind);
        }
        default: VarInvalidOp();
    }
}

Variant operator+(const Variant& a, const Variant& b) { return VarOp(a, b, opAdd); }
Variant operator-(const Variant& a, const Variant& b) { return VarOp(a, b, opSubtract); }
Variant operator*(const Variant& a, const Variant& b) { return VarOp(a, b, opMultiply); }
Variant operator/(const Variant& a, const Variant& b) { return VarOp(a, b, opDivide); }
Variant operator%(const Variant& a, const Variant& b) { return VarOp(a, b, opModulus); }
Variant operator&(const Variant& a, const Variant& b) { return VarOp(a, b, opAnd); }
Variant operator|(const Variant& a, const Variant& b) { return VarOp(a, b, opOr); }
Variant operator^(const Variant& a, const Variant& b) { return VarOp(a, b, opXor); }
Variant operator<<(const Variant& a, const Variant& b) { return VarOp(a, b, opShiftLeft); }
Variant operator>>(const Variant& a, const Variant& b) { return VarOp(a, b, opShiftRight); }
Variant VarIntDiv(const Variant& a, const Variant& b) { return VarOp(a, b, opIntDivide); }

Variant operator-(const Variant& a) {
    if (KindOf(a.VarType()) == Kind::Custom) return RequireCustomType(a.VarType()).UnaryOp(a, opNegate);
    switch (Kind kind = kNegate[TableIndex(a)]) {
        case N: return Null();
        case C: return Variant(-ToCurrency(a));
        case R: return Variant(-ToDouble(a, varDouble));
        case D: return VarFromDateTime(-ToDouble(a, varDate));
        default: return WholeArithmetic(0, ToInt64(a, varInt64), opSubtract, kind);
    }
}

Variant VarNot(const Variant& a) {
    if (KindOf(a.VarType()) == Kind::Custom) return RequireCustomType(a.VarType()).UnaryOp(a, opNot);
    switch (kNot[TableIndex(a)]) {
        case N: return Null();
        case B: return Variant(!ToBoolean(a));
        case L: return Variant(~ToInt64(a, varInt64));
        default: return Variant(~Integer(ToInt64(a, varInteger)));
    }
}

TVariantRelationship VarCompareValue(const Variant& a, const Variant& b) {
    if (const TCustomVariantType* custom = CustomOperandType(a, b)) {
        switch (custom->Compare(a, b)) {
            case crLessThan: return vrLessThan;
            case crEqual: return vrEqual;
            default: return vrGreaterThan;
        }
    }
    switch (kCompare[TableIndex(a)][TableIndex(b)]) {
        case N: return VarIsNull(a) && VarIsNull(b) ? vrEqual : VarIsNull(a) ? vrLessThan : vrGreaterThan;
        case C: return Order(ToCurrency(a), ToCurrency(b));
        case R: return Order(ToDouble(a, varDouble), ToDouble(b, varDouble));
        case D: return Order(ToDouble(a, varDate), ToDouble(b, varDate));
        case S: {
            int order = CompareStr(ToString(a), ToString(b));
            return order < 0 ? vrLessThan : order > 0 ? vrGreaterThan : vrEqual;
        }
        case B: return Order(ToBoolean(a), ToBoolean(b));
        default: return Order(ToInt64(a, varInt64), ToInt64(b, varInt64));
    }
}

bool operator==(const Variant& a, const Variant& b) { return CompareWith(a, b, opCmpEQ); }
bool operator<(const Variant& a, const Variant& b) { return CompareWith(a, b, opCmpLT); }
bool operator<=(const Variant& a, const Variant& b) { return CompareWith(a, b, opCmpLE); }
bool operator>(const Variant& a, const Variant& b) { return CompareWith(a, b, opCmpGT); }
bool operator>=(const Variant& a, const Variant& b) { return CompareWith(a, b, opCmpGE); }

bool VarSameValue(const Variant& a, const Variant& b) {
    bool aNothing = VarIsEmpty(a) || VarIsNull(a), bNothing = VarIsEmpty(b) || VarIsNull(b);
    if (aNothing || bNothing) return a.VarType() == b.VarType();
    return a == b;
}
