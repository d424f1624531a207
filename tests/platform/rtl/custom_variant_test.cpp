#include "platform/rtl/custom_variant.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/sysutils.h"

namespace {

struct Point {
    int x, y;
};
using PointRef = std::shared_ptr<const Point>;

// A custom type as a subsystem would write one: a shared payload, text in
// both directions, addition, and equality only.
class PointVariantType : public TCustomVariantType {
public:
    PointVariantType() : TCustomVariantType("TestPoint") {}

    Variant Make(int x, int y) const { return MakeValue(PointRef(new Point{x, y})); }
    static const Point& PointOf(const Variant& v) { return *std::any_cast<const PointRef&>(v.CustomData()); }

    mutable int clears = 0;

    void Clear(std::any&) const override { ++clears; }

    Variant Cast(const Variant& source) const override {
        AnsiString text = VarToStr(source);
        std::size_t comma = text.find(',');
        if (comma == AnsiString::npos) VarCastError(source.VarType(), VarType());
        return Make(StrToInt(text.substr(0, comma)), StrToInt(text.substr(comma + 1)));
    }

    AnsiString ToString(const Variant& value) const override {
        const Point& p = PointOf(value);
        return IntToStr(p.x) + "," + IntToStr(p.y);
    }

    Variant BinaryOp(const Variant& left, const Variant& right, TVarOp op) const override {
        if (op != opAdd) VarInvalidOp();
        Variant a = VarAsType(left, VarType()), b = VarAsType(right, VarType());
        return Make(PointOf(a).x + PointOf(b).x, PointOf(a).y + PointOf(b).y);
    }

    bool CompareOp(const Variant& left, const Variant& right, TVarOp op) const override {
        if (op != opCmpEQ && op != opCmpNE) VarInvalidOp();
        Variant a = VarAsType(left, VarType()), b = VarAsType(right, VarType());
        bool same = PointOf(a).x == PointOf(b).x && PointOf(a).y == PointOf(b).y;
        return same == (op == opCmpEQ);
    }
};

// A type that supplies nothing: every operation has the platform's default.
class BareVariantType : public TCustomVariantType {
public:
    BareVariantType() : TCustomVariantType("TestBare") {}
};

TEST(CustomVariant, RegistrationHandsOutCodesInOrder) {
    PointVariantType points;
    BareVariantType bare;
    EXPECT_GE(points.VarType(), CFirstUserType);
    EXPECT_EQ(bare.VarType(), points.VarType() + 1);

    TCustomVariantType* found = nullptr;
    ASSERT_TRUE(FindCustomVariantType(points.VarType(), found));
    EXPECT_EQ(found, &points);
    ASSERT_TRUE(FindCustomVariantType("testbare", found));
    EXPECT_EQ(found, &bare);
    EXPECT_FALSE(FindCustomVariantType(varInteger, found));
    EXPECT_EQ(VarTypeAsText(points.VarType()), "TestPoint");

    TVarType withdrawn = 0;
    {
        BareVariantType temporary;
        withdrawn = temporary.VarType();
    }
    EXPECT_FALSE(FindCustomVariantType(withdrawn, found));
    BareVariantType next;
    EXPECT_GT(next.VarType(), withdrawn);
}

TEST(CustomVariant, RoundTripThroughTheVariantRoutines) {
    PointVariantType points;
    Variant p = VarAsType("1,2", points.VarType());
    EXPECT_EQ(VarType(p), points.VarType());
    EXPECT_EQ(VarToStr(p), "1,2");
    EXPECT_EQ(VarType(VarAsType(p, varOleStr)), varOleStr);
    EXPECT_EQ(VarToStr(p + Variant("3,4")), "4,6");
    EXPECT_EQ(VarToStr(Variant("3,4") + p), "4,6");
    EXPECT_TRUE(p == VarAsType("1,2", points.VarType()));
    EXPECT_TRUE(p != points.Make(2, 1));
    EXPECT_THROW((void)(p < p), EVariantInvalidOpError);
    EXPECT_THROW(p * p, EVariantInvalidOpError);
    EXPECT_THROW(VarAsType("12", points.VarType()), EVariantTypeCastError);
    try {
        p.AsInteger();
        FAIL();
    } catch (const EVariantTypeCastError& e) {
        EXPECT_EQ(e.Message(), "Could not convert variant of type (TestPoint) into type (Integer)");
    }
}

TEST(CustomVariant, CopiesShareThePayloadAndClearRunsOnRelease) {
    PointVariantType points;
    {
        Variant a = points.Make(5, 6);
        Variant b = a;
        EXPECT_EQ(&PointVariantType::PointOf(a), &PointVariantType::PointOf(b));
        b = 1;
        EXPECT_EQ(points.clears, 1);
    }
    EXPECT_EQ(points.clears, 2);
}

// An inline value copies its word through every path (construction,
// assignment over another kind and over its own kind, moves) and never
// reaches Clear; it has a payload, so it is not clear.
TEST(CustomVariant, InlineValuesCopyTheirWordWithoutClear) {
    PointVariantType points;
    {
        Variant a = points.MakeInlineValue(7);
        Variant b = a;
        Variant c = points.Make(1, 2);
        c = a;
        Variant d = points.MakeInlineValue(8);
        d = b;
        Variant e = std::move(d);
        for (const Variant* v : {&a, &b, &c, &e}) {
            EXPECT_EQ(VarType(*v), points.VarType());
            ASSERT_NE(v->CustomWord(), nullptr);
            EXPECT_EQ(*v->CustomWord(), 7u);
            EXPECT_FALSE(v->CustomData().has_value());
            EXPECT_FALSE(VarIsClear(*v));
        }
        EXPECT_EQ(points.clears, 1);
        c = Variant("x");
        EXPECT_EQ(c.CustomWord(), nullptr);
        EXPECT_THROW(c.CustomData(), EVariantInvalidOpError);
    }
    EXPECT_EQ(points.clears, 1);
    EXPECT_EQ(Variant(1).CustomWord(), nullptr);
}

TEST(CustomVariant, DefaultsRaiseThePlatformErrors) {
    BareVariantType bare;
    Variant v = bare.MakeValue(42);
    EXPECT_FALSE(VarIsClear(v));
    EXPECT_TRUE(VarIsClear(bare.MakeValue({})));
    EXPECT_THROW(v + 1, EVariantInvalidOpError);
    EXPECT_THROW(1 - v, EVariantInvalidOpError);
    EXPECT_THROW(-v, EVariantInvalidOpError);
    EXPECT_THROW((void)(v == v), EVariantInvalidOpError);
    EXPECT_THROW(VarToStr(v), EVariantTypeCastError);
    EXPECT_THROW(VarAsType(1, bare.VarType()), EVariantTypeCastError);
    Variant copy = v;
    EXPECT_EQ(std::any_cast<int>(copy.CustomData()), 42);
}

}  // namespace
