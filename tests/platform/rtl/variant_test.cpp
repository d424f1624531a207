#include "platform/rtl/variant.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/rtl/datetime.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/formatsettings.h"

namespace {

// What a case expects: a result, or one of the errors of the library.
enum class Outcome { Value, CastError, Overflow, InvalidOp, DivByZero, ZeroDivide, FloatOverflow };

template <typename F>
Outcome Evaluate(F&& f, Variant& result) {
    try {
        result = f();
        return Outcome::Value;
    } catch (const EVariantTypeCastError&) {
        return Outcome::CastError;
    } catch (const EVariantOverflowError&) {
        return Outcome::Overflow;
    } catch (const EVariantInvalidOpError&) {
        return Outcome::InvalidOp;
    } catch (const EDivByZero&) {
        return Outcome::DivByZero;
    } catch (const EZeroDivide&) {
        return Outcome::ZeroDivide;
    } catch (const EOverflow&) {
        return Outcome::FloatOverflow;
    }
}

class VariantTest : public testing::Test {
protected:
    void TearDown() override { RestoreDefaultFormatSettings(); }
};

const TDateTime kJan5 = EncodeDate(2024, 1, 5);  // day 45296

TEST_F(VariantTest, ConstructorsCarryThePlatformTypeCodes) {
    const struct {
        Variant value;
        TVarType type;
        const char* name;
    } cases[] = {
        {Variant(), varEmpty, "Empty"},
        {Null(), varNull, "Null"},
        {Variant(short(1)), varSmallint, "Smallint"},
        {Variant(1), varInteger, "Integer"},
        {Variant(1.5f), varSingle, "Single"},
        {Variant(1.5), varDouble, "Double"},
        {Variant(Currency(1)), varCurrency, "Currency"},
        {VarFromDateTime(kJan5), varDate, "Date"},
        {Variant(WideString(u"w")), varOleStr, "OleStr"},
        {VarAsError(-1), varError, "Error"},
        {Variant(true), varBoolean, "Boolean"},
        {Variant((signed char)1), varShortInt, "ShortInt"},
        {Variant(Byte(1)), varByte, "Byte"},
        {Variant(Word(1)), varWord, "Word"},
        {Variant(Cardinal(1)), varLongWord, "LongWord"},
        {Variant(Int64(1)), varInt64, "Int64"},
        {Variant("s"), varString, "String"},
        {Variant('c'), varString, "String"},
        {VarArrayOf({1}), varArray | varVariant, "Array Variant"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VarType(c.value), c.type) << c.name;
        EXPECT_EQ(VarTypeAsText(c.value.VarType()), c.name);
    }
    EXPECT_EQ(varString, 0x100);
    EXPECT_EQ(varInt64, 20);
}

TEST_F(VariantTest, NullIsDistinctFromUnassigned) {
    EXPECT_TRUE(VarIsNull(Null()));
    EXPECT_FALSE(VarIsEmpty(Null()));
    EXPECT_TRUE(VarIsEmpty(Unassigned()));
    EXPECT_FALSE(VarIsNull(Unassigned()));
    EXPECT_TRUE(VarIsClear(Unassigned()));
    EXPECT_EQ(VarToStr(Null()), "");
    EXPECT_EQ(VarToStrDef(Null(), "none"), "none");
    EXPECT_EQ(VarToStrDef(Unassigned(), "none"), "");
    EXPECT_EQ(VarToStrDef(Variant(5), "none"), "5");
    EXPECT_THROW(VarAsType(Null(), varString), EVariantTypeCastError);
    EXPECT_THROW(Null().AsInteger(), EVariantTypeCastError);
    EXPECT_FALSE(Null() == Unassigned());
    EXPECT_TRUE(Null() == Null());
}

TEST_F(VariantTest, TypePredicates) {
    EXPECT_TRUE(VarIsNumeric(Variant(true)));
    EXPECT_TRUE(VarIsNumeric(Variant(Currency(1))));
    EXPECT_FALSE(VarIsNumeric(VarFromDateTime(1)));
    EXPECT_FALSE(VarIsNumeric(Variant("1")));
    EXPECT_FALSE(VarIsNumeric(VarAsError(-1)));
    EXPECT_TRUE(VarIsStr(Variant(WideString(u"x"))));
    EXPECT_TRUE(VarIsArray(VarArrayOf({})));
    Integer code = 0;
    EXPECT_TRUE(VarIsError(VarAsError(-1), code));
    EXPECT_EQ(code, -1);
    EXPECT_FALSE(VarIsError(Variant(-1), code));
}

TEST_F(VariantTest, ConversionTable) {
    const struct {
        Variant value;
        TVarType target;
        Outcome outcome;
        const char* text;  // VarToStr of the result
    } cases[] = {
        {Variant(), varInteger, Outcome::Value, "0"},
        {Variant(), varString, Outcome::Value, ""},
        {Variant(), varBoolean, Outcome::Value, "False"},
        {Null(), varInteger, Outcome::CastError, ""},
        {Null(), varEmpty, Outcome::Value, ""},
        {Variant(true), varInteger, Outcome::Value, "-1"},
        {Variant(false), varInteger, Outcome::Value, "0"},
        {Variant(true), varDouble, Outcome::Value, "-1"},
        {Variant(true), varCurrency, Outcome::Value, "-1"},
        {Variant(true), varString, Outcome::Value, "True"},
        {Variant(false), varOleStr, Outcome::Value, "False"},
        {Variant(2.5), varInteger, Outcome::Value, "2"},
        {Variant(3.5), varInteger, Outcome::Value, "4"},
        {Variant(-2.5), varInteger, Outcome::Value, "-2"},
        {Variant(1e10), varInteger, Outcome::Overflow, ""},
        {Variant(1e10), varInt64, Outcome::Value, "10000000000"},
        {Variant(40000), varSmallint, Outcome::Overflow, ""},
        {Variant(-1), varByte, Outcome::Overflow, ""},
        {Variant(255), varByte, Outcome::Value, "255"},
        {Variant(65536), varWord, Outcome::Overflow, ""},
        {Variant(-1), varLongWord, Outcome::Overflow, ""},
        {Variant(Int64(1) << 40), varInteger, Outcome::Overflow, ""},
        {Variant(Currency(2.5)), varInteger, Outcome::Value, "2"},
        {Variant(Currency(1.5)), varDouble, Outcome::Value, "1.5"},
        {Variant(1e300), varCurrency, Outcome::Overflow, ""},
        {Variant(1e300), varSingle, Outcome::Overflow, ""},
        {Variant(0.1), varSingle, Outcome::Value, "0.1"},
        {Variant(7), varDate, Outcome::Value, "1900-01-06"},
        {Variant("12"), varInteger, Outcome::Value, "12"},
        {Variant(" 12 "), varInteger, Outcome::Value, "12"},
        {Variant("12.5"), varInteger, Outcome::Value, "12"},
        {Variant("9999999999"), varInt64, Outcome::Value, "9999999999"},
        {Variant("abc"), varInteger, Outcome::CastError, ""},
        {Variant(""), varInteger, Outcome::CastError, ""},
        {Variant("1.5"), varDouble, Outcome::Value, "1.5"},
        {Variant("1e3"), varDouble, Outcome::Value, "1000"},
        {Variant("True"), varBoolean, Outcome::Value, "True"},
        {Variant("false"), varBoolean, Outcome::Value, "False"},
        {Variant("0"), varBoolean, Outcome::Value, "False"},
        {Variant("2"), varBoolean, Outcome::Value, "True"},
        {Variant("yes"), varBoolean, Outcome::CastError, ""},
        {Variant("922337203685477.5807"), varCurrency, Outcome::Value, "922337203685477.5807"},
        {Variant("922337203685477.5808"), varCurrency, Outcome::Overflow, ""},
        {Variant("abc"), varCurrency, Outcome::CastError, ""},
        {Variant("2024-01-05"), varDate, Outcome::Value, "2024-01-05"},
        {Variant("2024-01-05 13:04:05"), varDate, Outcome::Value, "2024-01-05 13:04:05"},
        {Variant("not a date"), varDate, Outcome::CastError, ""},
        {VarFromDateTime(kJan5), varDouble, Outcome::Value, "45296"},
        {VarFromDateTime(kJan5 + 0.5), varInteger, Outcome::Value, "45296"},
        {VarFromDateTime(kJan5), varString, Outcome::Value, "2024-01-05"},
        {Variant(WideString(u"42")), varInteger, Outcome::Value, "42"},
        {Variant(1.5), varString, Outcome::Value, "1.5"},
        {VarAsError(-1), varInteger, Outcome::CastError, ""},
        {VarAsError(-1), varString, Outcome::CastError, ""},
        {VarArrayOf({1}), varInteger, Outcome::CastError, ""},
        {VarArrayOf({1}), varString, Outcome::CastError, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(VarTypeAsText(c.value.VarType()) + " -> " + VarTypeAsText(c.target));
        Variant result;
        ASSERT_EQ(Evaluate([&] { return VarAsType(c.value, c.target); }, result), c.outcome);
        if (c.outcome != Outcome::Value) continue;
        EXPECT_EQ(result.VarType(), c.target);
        EXPECT_EQ(VarToStr(result), c.text);
    }
}

TEST_F(VariantTest, ConversionErrorsNameBothTypes) {
    try {
        Variant("abc").AsInteger();
        FAIL();
    } catch (const EVariantTypeCastError& e) {
        EXPECT_EQ(e.Message(), "Could not convert variant of type (String) into type (Integer)");
    }
    try {
        VarAsType(Variant(1e10), varSmallint);
        FAIL();
    } catch (const EVariantOverflowError& e) {
        EXPECT_EQ(e.Message(), "Overflow while converting variant of type (Double) into type (Smallint)");
    }
}

TEST_F(VariantTest, TextReadsAndWritesThroughTheLocale) {
    DecimalSeparator = ',';
    EXPECT_EQ(Variant("1,5").AsDouble(), 1.5);
    EXPECT_EQ(VarToStr(Variant(1.5)), "1,5");
    EXPECT_EQ(VarToStr(Variant(Currency(2.25))), "2,25");
    EXPECT_THROW(Variant("1.5").AsDouble(), EVariantTypeCastError);
    EXPECT_EQ((Variant("1,5") + Variant(1)).AsDouble(), 2.5);
    RestoreDefaultFormatSettings();
    ShortDateFormat = "dd/mm/yyyy";
    DateSeparator = '/';
    EXPECT_EQ(Variant("05/01/2024").AsDateTime(), kJan5);
    EXPECT_EQ(VarToStr(VarFromDateTime(kJan5)), "05/01/2024");
}

TEST_F(VariantTest, OperatorTable) {
    const Variant date = VarFromDateTime(kJan5);
    const struct {
        Variant left;
        TVarOp op;
        Variant right;
        Outcome outcome;
        TVarType type;
        const char* text;
    } cases[] = {
        {1, opAdd, 2, Outcome::Value, varInteger, "3"},
        {2147483647, opAdd, 1, Outcome::Value, varInt64, "2147483648"},
        {Variant(Int64(9223372036854775807)), opAdd, 1, Outcome::Overflow, varEmpty, ""},
        {Variant(short(3)), opMultiply, Variant(Byte(4)), Outcome::Value, varInteger, "12"},
        {1, opAdd, 1.5, Outcome::Value, varDouble, "2.5"},
        {"1.5", opAdd, 1, Outcome::Value, varDouble, "2.5"},
        {1, opAdd, "1.5", Outcome::Value, varDouble, "2.5"},
        {"a", opAdd, "b", Outcome::Value, varString, "ab"},
        {"1", opAdd, "2", Outcome::Value, varString, "12"},
        {"3", opMultiply, "4", Outcome::Value, varDouble, "12"},
        {"abc", opAdd, 1, Outcome::CastError, varEmpty, ""},
        {Null(), opAdd, 1, Outcome::Value, varNull, ""},
        {1, opSubtract, Null(), Outcome::Value, varNull, ""},
        {Null(), opAdd, "a", Outcome::Value, varNull, ""},
        {Null(), opIntDivide, 0, Outcome::Value, varNull, ""},
        {Variant(), opAdd, 5, Outcome::Value, varInteger, "5"},
        {Variant(), opAdd, "a", Outcome::Value, varString, "a"},
        {Variant(), opAdd, Variant(), Outcome::Value, varInteger, "0"},
        {Variant(), opMultiply, 2.5, Outcome::Value, varDouble, "0"},
        {true, opAdd, 1, Outcome::Value, varInteger, "0"},
        {true, opAdd, true, Outcome::Value, varInteger, "-2"},
        {Variant(Currency(1.5)), opAdd, 1, Outcome::Value, varCurrency, "2.5"},
        {Variant(Currency(1.5)), opAdd, 0.25, Outcome::Value, varCurrency, "1.75"},
        {Variant(Currency(1)), opDivide, 3, Outcome::Value, varCurrency, "0.3333"},
        {Variant(Currency::Max()), opAdd, 1, Outcome::FloatOverflow, varEmpty, ""},
        {date, opAdd, 1, Outcome::Value, varDate, "2024-01-06"},
        {date, opSubtract, 0.5, Outcome::Value, varDate, "2024-01-04 12:00:00"},
        {date, opSubtract, VarFromDateTime(kJan5 - 2), Outcome::Value, varDouble, "2"},
        {date, opMultiply, 1, Outcome::Value, varDouble, "45296"},
        {7, opDivide, 2, Outcome::Value, varDouble, "3.5"},
        {7, opIntDivide, 2, Outcome::Value, varInteger, "3"},
        {7.6, opIntDivide, 2, Outcome::Value, varInteger, "4"},
        {7, opModulus, 2, Outcome::Value, varInteger, "1"},
        {-7, opModulus, 2, Outcome::Value, varInteger, "-1"},
        {Variant(Int64(1) << 40), opIntDivide, 2, Outcome::Value, varInt64, "549755813888"},
        {1e10, opIntDivide, 2, Outcome::Overflow, varEmpty, ""},
        {1, opIntDivide, 0, Outcome::DivByZero, varEmpty, ""},
        {1, opModulus, 0, Outcome::DivByZero, varEmpty, ""},
        {1, opDivide, 0, Outcome::ZeroDivide, varEmpty, ""},
        {1.5, opDivide, 0.0, Outcome::ZeroDivide, varEmpty, ""},
        {1, opShiftLeft, 4, Outcome::Value, varInteger, "16"},
        {1, opShiftLeft, 31, Outcome::Value, varInteger, "-2147483648"},
        {Variant(Int64(1)), opShiftLeft, 40, Outcome::Value, varInt64, "1099511627776"},
        {-1, opShiftRight, 28, Outcome::Value, varInteger, "15"},
        {true, opAnd, false, Outcome::Value, varBoolean, "False"},
        {true, opOr, false, Outcome::Value, varBoolean, "True"},
        {true, opXor, true, Outcome::Value, varBoolean, "False"},
        {"True", opAnd, true, Outcome::Value, varBoolean, "True"},
        {Variant(), opOr, true, Outcome::Value, varBoolean, "True"},
        {12, opAnd, 10, Outcome::Value, varInteger, "8"},
        {12, opOr, 3, Outcome::Value, varInteger, "15"},
        {12, opXor, 10, Outcome::Value, varInteger, "6"},
        {true, opAnd, 3, Outcome::Value, varInteger, "3"},
        {Null(), opAnd, true, Outcome::Value, varNull, ""},
        {VarAsError(-1), opAdd, 1, Outcome::InvalidOp, varEmpty, ""},
        {VarArrayOf({1}), opAdd, 1, Outcome::InvalidOp, varEmpty, ""},
        {1, opCompare, 1, Outcome::InvalidOp, varEmpty, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(VarTypeAsText(c.left.VarType()) + " op" + std::to_string(c.op) + " " +
                     VarTypeAsText(c.right.VarType()));
        Variant result;
        ASSERT_EQ(Evaluate([&] { return VarOp(c.left, c.right, c.op); }, result), c.outcome);
        if (c.outcome != Outcome::Value) continue;
        EXPECT_EQ(VarTypeAsText(result.VarType()), VarTypeAsText(c.type));
        EXPECT_EQ(VarToStr(result), c.text);
    }
}

TEST_F(VariantTest, OperatorsSpellTheOperations) {
    EXPECT_EQ((Variant(7) + Variant(2)).AsInteger(), 9);
    EXPECT_EQ((Variant(7) - Variant(2)).AsInteger(), 5);
    EXPECT_EQ((Variant(7) * Variant(2)).AsInteger(), 14);
    EXPECT_EQ((Variant(7) / Variant(2)).AsDouble(), 3.5);
    EXPECT_EQ(VarIntDiv(7, 2).AsInteger(), 3);
    EXPECT_EQ((Variant(7) % Variant(2)).AsInteger(), 1);
    EXPECT_EQ((Variant(6) & Variant(3)).AsInteger(), 2);
    EXPECT_EQ((Variant(6) | Variant(3)).AsInteger(), 7);
    EXPECT_EQ((Variant(6) ^ Variant(3)).AsInteger(), 5);
    EXPECT_EQ((Variant(1) << Variant(3)).AsInteger(), 8);
    EXPECT_EQ((Variant(8) >> Variant(3)).AsInteger(), 1);
}

TEST_F(VariantTest, UnaryOperators) {
    const struct {
        Variant value;
        bool negate;  // else not
        TVarType type;
        const char* text;
    } cases[] = {
        {5, true, varInteger, "-5"},
        {-2147483647 - 1, true, varInt64, "2147483648"},
        {true, true, varInteger, "1"},
        {"2.5", true, varDouble, "-2.5"},
        {Variant(Currency(1.5)), true, varCurrency, "-1.5"},
        {Null(), true, varNull, ""},
        {Variant(), true, varInteger, "0"},
        {true, false, varBoolean, "False"},
        {"False", false, varBoolean, "True"},
        {5, false, varInteger, "-6"},
        {Variant(Int64(0)), false, varInt64, "-1"},
        {Null(), false, varNull, ""},
    };
    for (const auto& c : cases) {
        Variant result = c.negate ? -c.value : VarNot(c.value);
        EXPECT_EQ(result.VarType(), c.type) << VarToStr(c.value);
        EXPECT_EQ(VarToStr(result), c.text) << VarToStr(c.value);
    }
    EXPECT_THROW(-VarAsError(1), EVariantInvalidOpError);
}

TEST_F(VariantTest, ComparisonTable) {
    enum Expect { Less, Equal, Greater, Raises };
    const struct {
        Variant left, right;
        Expect expect;
    } cases[] = {
        {1, 2, Less},
        {2, 1.5, Greater},
        {1, 1.0, Equal},
        {Variant(Int64(9007199254740993)), Variant(Int64(9007199254740992)), Greater},
        {"10", 9, Greater},
        {"abc", 1, Raises},
        {"a", "b", Less},
        {"10", "9", Less},
        {"a", "B", Greater},
        {"ab", "abc", Less},
        {"b", Variant(WideString(u"b")), Equal},
        {Null(), Null(), Equal},
        {Null(), 0, Less},
        {0, Null(), Greater},
        {Variant(), Null(), Greater},
        {Variant(), 0, Equal},
        {Variant(), "", Equal},
        {Variant(), Variant(), Equal},
        {true, false, Greater},
        {true, -1, Equal},
        {"True", true, Equal},
        {Variant(Currency(1.5)), 1.5, Equal},
        {Variant(Currency(1.5)), "1.50", Equal},
        {VarFromDateTime(kJan5), "2024-01-05", Equal},
        {VarFromDateTime(kJan5), 45297, Less},
        {VarArrayOf({1}), VarArrayOf({1}), Raises},
        {VarAsError(1), VarAsError(1), Raises},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(VarTypeAsText(c.left.VarType()) + " vs " + VarTypeAsText(c.right.VarType()));
        if (c.expect == Raises) {
            EXPECT_THROW(VarCompareValue(c.left, c.right), EVariantError);
            EXPECT_THROW((void)(c.left == c.right), EVariantError);
            continue;
        }
        TVariantRelationship expected = c.expect == Less ? vrLessThan : c.expect == Equal ? vrEqual : vrGreaterThan;
        EXPECT_EQ(VarCompareValue(c.left, c.right), expected);
        EXPECT_EQ(c.left == c.right, c.expect == Equal);
        EXPECT_EQ(c.left != c.right, c.expect != Equal);
        EXPECT_EQ(c.left < c.right, c.expect == Less);
        EXPECT_EQ(c.left <= c.right, c.expect != Greater);
        EXPECT_EQ(c.left > c.right, c.expect == Greater);
        EXPECT_EQ(c.left >= c.right, c.expect != Less);
    }
}

TEST_F(VariantTest, SameValue) {
    EXPECT_TRUE(VarSameValue(Variant(), Variant()));
    EXPECT_TRUE(VarSameValue(Null(), Null()));
    EXPECT_FALSE(VarSameValue(Variant(), Null()));
    EXPECT_FALSE(VarSameValue(Variant(), 0));
    EXPECT_FALSE(VarSameValue(Null(), ""));
    EXPECT_TRUE(VarSameValue(1, 1.0));
    EXPECT_TRUE(VarSameValue("1", 1));
    EXPECT_THROW(VarSameValue("abc", 1), EVariantTypeCastError);
}

TEST_F(VariantTest, CopiesAreIndependentValues) {
    Variant a = "text";
    Variant b = a;
    b = b + "!";
    EXPECT_EQ(a.AsString(), "text");
    Variant moved = std::move(b);
    EXPECT_TRUE(VarIsEmpty(b));
    EXPECT_EQ(moved.AsString(), "text!");
    a = a;
    EXPECT_EQ(a.AsString(), "text");
}

// Every kind assigned over every other kind, copied and moved: the target
// takes the type and value, a copy leaves its source, a move empties it.
TEST_F(VariantTest, AssignmentReplacesAnyKindWithAnyOther) {
    const std::vector<Variant> values = {Variant(),          Null(),   Variant(7),          Variant(Int64(1) << 40),
                                         Variant(2.5),       true,     Variant(Currency(3)), Variant("text"),
                                         Variant(WideString(u"wide")),   VarArrayOf({1, "a"})};
    auto same = [](const Variant& a, const Variant& b) {
        if (a.VarType() != b.VarType()) return false;
        if (VarIsArray(a)) return VarArrayHighBound(a, 1) == VarArrayHighBound(b, 1);
        return VarSameValue(a, b);
    };
    for (const Variant& to : values)
        for (const Variant& from : values) {
            SCOPED_TRACE(VarTypeAsText(to.VarType()) + " <- " + VarTypeAsText(from.VarType()));
            Variant copied = to;
            copied = from;
            EXPECT_TRUE(same(copied, from));
            Variant source = from;
            Variant moved = to;
            moved = std::move(source);
            EXPECT_TRUE(same(moved, from));
            EXPECT_TRUE(VarIsEmpty(source));
        }
}

}  // namespace
