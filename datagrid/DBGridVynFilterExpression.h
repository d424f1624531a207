// The parsed form of a column filter ("> 1 | < 5", "in (1,2,3)"): at most
// two conditions on a column's value joined by AND or OR. The filter row
// fills it; the dataset back ends turn it into filter or SQL text.
#pragma once

#include <cstdint>

#include "platform/rtl/variant.h"

enum TFilterOperandKind : std::uint8_t { fokNone, fokString, fokNumber, fokDateTime, fokBoolean };

// One enumeration for lexemes and for parsed operators; fopValue is a value
// lexeme.
enum TFilterOperator : std::uint8_t {
    fopNone, fopEqual, fopNotEqual, fopGreater, fopLess, fopGreaterOrEqual, fopLessOrEqual,
    fopLike, fopNotLike, fopIn, fopNotIn, fopNull, fopNotNull, fopAnd, fopOr, fopValue
};

struct TSTFilterExpressionVyn {
    TFilterOperandKind OperandKind = fokNone;
    TFilterOperator Operator1 = fopNone;
    // Null, a text, a number, a date-time, or a one-dimensional array of
    // such values for fopIn and fopNotIn.
    Variant Operand1 = Null();
    // fopNone, fopAnd or fopOr.
    TFilterOperator Relation = fopNone;
    TFilterOperator Operator2 = fopNone;
    Variant Operand2 = Null();
};
