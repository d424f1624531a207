#include <gtest/gtest.h>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/variant.h"

namespace {

TEST(VariantArray, CreateWithBoundsAndElementType) {
    Variant a = VarArrayCreate({1, 3, -1, 0}, varInteger);
    EXPECT_EQ(VarType(a), varArray | varInteger);
    EXPECT_EQ(VarTypeAsText(VarType(a)), "Array Integer");
    EXPECT_TRUE(VarIsArray(a));
    EXPECT_EQ(VarArrayDimCount(a), 2);
    EXPECT_EQ(VarArrayLowBound(a, 1), 1);
    EXPECT_EQ(VarArrayHighBound(a, 1), 3);
    EXPECT_EQ(VarArrayLowBound(a, 2), -1);
    EXPECT_EQ(VarArrayHighBound(a, 2), 0);

    Variant first = a.GetElement({1, -1});
    EXPECT_EQ(VarType(first), varInteger);
    EXPECT_EQ(first.AsInteger(), 0);

    for (int i = 1; i <= 3; ++i)
        for (int j = -1; j <= 0; ++j) a.PutElement({i, j}, i * 10 + j);
    for (int i = 1; i <= 3; ++i)
        for (int j = -1; j <= 0; ++j) EXPECT_EQ(VarArrayGet(a, {i, j}).AsInteger(), i * 10 + j);
}

TEST(VariantArray, TypedElementsConvertOnStore) {
    Variant a = VarArrayCreate({0, 1}, varDouble);
    a.PutElement({0}, "2.5");
    EXPECT_EQ(VarType(a.GetElement({0})), varDouble);
    EXPECT_EQ(a.GetElement({0}).AsDouble(), 2.5);
    EXPECT_THROW(a.PutElement({1}, "x"), EVariantTypeCastError);

    Variant strings = VarArrayCreate({0, 0}, varOleStr);
    EXPECT_EQ(VarType(strings.GetElement({0})), varOleStr);
    Variant flags = VarArrayCreate({0, 0}, varBoolean);
    EXPECT_EQ(VarToStr(flags.GetElement({0})), "False");
    Variant any = VarArrayCreate({0, 0}, varVariant);
    EXPECT_TRUE(VarIsEmpty(any.GetElement({0})));
}

TEST(VariantArray, BadCreationAndIndexes) {
    const struct {
        std::vector<int> bounds;
        TVarType type;
    } badCreations[] = {
        {{}, varInteger}, {{0}, varInteger}, {{5, 3}, varInteger}, {{0, 1}, varString}, {{0, 1}, varNull},
    };
    for (const auto& c : badCreations) EXPECT_THROW(VarArrayCreate(c.bounds, c.type), EVariantArrayCreateError);
    EXPECT_EQ(VarArrayHighBound(VarArrayCreate({3, 2}, varInteger), 1), 2);  // empty: high = low - 1

    Variant a = VarArrayCreate({1, 2}, varVariant);
    EXPECT_THROW(a.GetElement({0}), EVariantBadIndexError);
    EXPECT_THROW(a.GetElement({3}), EVariantBadIndexError);
    EXPECT_THROW(a.GetElement({1, 1}), EVariantBadIndexError);
    EXPECT_THROW(a.PutElement({3}, 1), EVariantBadIndexError);
    EXPECT_THROW(VarArrayLowBound(a, 0), EVariantBadIndexError);
    EXPECT_THROW(VarArrayHighBound(a, 2), EVariantBadIndexError);

    Variant scalar = 5;
    EXPECT_EQ(VarArrayDimCount(scalar), 0);
    EXPECT_THROW(VarArrayLowBound(scalar, 1), EVariantNotAnArrayError);
    EXPECT_THROW(scalar.GetElement({0}), EVariantNotAnArrayError);
    EXPECT_THROW(VarArrayRedim(scalar, 3), EVariantNotAnArrayError);
}

TEST(VariantArray, ArrayOfHoldsAnyValues) {
    Variant a = VarArrayOf({1, "two", Null(), VarArrayOf({3})});
    EXPECT_EQ(VarType(a), varArray | varVariant);
    EXPECT_EQ(VarArrayLowBound(a, 1), 0);
    EXPECT_EQ(VarArrayHighBound(a, 1), 3);
    EXPECT_EQ(VarType(a.GetElement({0})), varInteger);
    EXPECT_EQ(a.GetElement({1}).AsString(), "two");
    EXPECT_TRUE(VarIsNull(a.GetElement({2})));
    EXPECT_EQ(a.GetElement({3}).GetElement({0}).AsInteger(), 3);
    EXPECT_EQ(VarArrayHighBound(VarArrayOf({}), 1), -1);
}

TEST(VariantArray, CopiesAreDeep) {
    Variant a = VarArrayOf({1, 2});
    Variant b = a;
    b.PutElement({0}, 99);
    EXPECT_EQ(a.GetElement({0}).AsInteger(), 1);
    EXPECT_EQ(b.GetElement({0}).AsInteger(), 99);

    // Storing an array into itself keeps a snapshot, not a cycle.
    a.PutElement({1}, a);
    EXPECT_EQ(a.GetElement({1}).GetElement({1}).AsInteger(), 2);
}

TEST(VariantArray, RedimGrowsAndShrinksTheLastDimension) {
    Variant a = VarArrayCreate({0, 1, 1, 2}, varInteger);
    a.PutElement({0, 1}, 1);
    a.PutElement({1, 2}, 4);
    Variant before = a;
    VarArrayRedim(a, 3);
    EXPECT_EQ(VarArrayHighBound(a, 2), 3);
    EXPECT_EQ(a.GetElement({0, 1}).AsInteger(), 1);
    EXPECT_EQ(a.GetElement({1, 2}).AsInteger(), 4);
    EXPECT_EQ(a.GetElement({1, 3}).AsInteger(), 0);
    EXPECT_EQ(VarArrayHighBound(before, 2), 2);

    VarArrayRedim(a, 1);
    EXPECT_EQ(a.GetElement({0, 1}).AsInteger(), 1);
    EXPECT_THROW(a.GetElement({1, 2}), EVariantBadIndexError);
    EXPECT_THROW(VarArrayRedim(a, -1), EVariantArrayCreateError);
}

}  // namespace
