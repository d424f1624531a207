#include "script/qm_kpinterpreter_arrays.h"

#include <gtest/gtest.h>

#include "script_test_helpers.h"

#include "script/qm_kpinterpreter_values.h"
#include "script/qm_kpinterpreterconst.h"

namespace {

Variant OneDimension(int low, int high, TVarType type) {
    return ArrayToVariant(NewScriptArray(1, &low, &high, nullptr, type));
}

std::vector<AnsiString> Texts(const Variant& array) {
    std::vector<AnsiString> texts;
    for (int i = ArrayLow(array); i <= ArrayHigh(array); ++i) texts.push_back(VarToStr(GetArrayElement(*VariantToArray(array), &i)));
    return texts;
}

TEST(ScriptArrays, LayoutIsFirstIndexFastest) {
    const int low[] = {1, 1}, high[] = {3, 2};
    auto array = NewScriptArray(2, low, high, nullptr, varInteger);
    EXPECT_EQ(array->ElemCount, 6);
    const int at[] = {2, 2};
    EXPECT_EQ(ArrayElementIndex(*array, at), 4);
    SetArrayElement(*array, at, Variant("7"));
    EXPECT_EQ(GetArrayElement(*array, at).VarType(), varInteger);
    EXPECT_EQ(GetArrayElement(*array, at).AsInteger(), 7);
    const int outside[] = {4, 1};
    EXPECT_EQ(ErrorCode([&] { GetArrayElement(*array, outside); }), 171);
}

TEST(ScriptArrays, BoundsAreChecked) {
    const int low[11] = {}, high[11] = {};
    EXPECT_EQ(ErrorCode([&] { NewScriptArray(0, low, high, nullptr, 0); }), 174);
    EXPECT_EQ(ErrorCode([&] { NewScriptArray(11, low, high, nullptr, 0); }), 174);
    const int from[] = {5}, to[] = {4};
    EXPECT_EQ(ErrorCode([&] { NewScriptArray(1, from, to, nullptr, 0); }), 175);
    Variant array = OneDimension(0, 2, varInteger);
    const int beyond = 3;
    EXPECT_EQ(ErrorCode([&] { SetArrayElement(*VariantToArray(array), &beyond, 1); }), 171);
}

TEST(ScriptArrays, DynamicArraysGrowShrinkDeleteAndInsert) {
    Variant array = OneDimension(0, -1, varString);
    EXPECT_EQ(ArrayLength(array), 0);
    ArraySetLength(array, 3);
    EXPECT_EQ(ArrayLow(array), 0);
    EXPECT_EQ(ArrayHigh(array), 2);
    for (int i = 0; i < 3; ++i) SetArrayElement(*VariantToArray(array), &i, Variant(AnsiString(1, char('a' + i))));
    EXPECT_EQ(Texts(array), (std::vector<AnsiString>{"a", "b", "c"}));
    ArrayDelete(array, 0);
    EXPECT_EQ(Texts(array), (std::vector<AnsiString>{"b", "c"}));
    EXPECT_EQ(ArrayHigh(array), 1);
    ArrayInsert(array, 1, Variant(5));
    EXPECT_EQ(Texts(array), (std::vector<AnsiString>{"b", "5", "c"}));
    EXPECT_EQ(ErrorCode([&] { ArrayInsert(array, 3, Variant("x")); }), 171);
    EXPECT_EQ(ErrorCode([&] { ArrayDelete(array, -1); }), 171);
    ArraySetLength(array, 1);
    EXPECT_EQ(Texts(array), (std::vector<AnsiString>{"b"}));
}

TEST(ScriptArrays, BooleanElementsAreStored) {
    Variant flags = OneDimension(1, 2, varBoolean);
    int i = 2;
    EXPECT_FALSE(GetArrayElement(*VariantToArray(flags), &i).AsBoolean());
    SetArrayElement(*VariantToArray(flags), &i, true);
    EXPECT_EQ(GetArrayElement(*VariantToArray(flags), &i).VarType(), varBoolean);
    EXPECT_TRUE(GetArrayElement(*VariantToArray(flags), &i).AsBoolean());
}

TEST(ScriptArrays, CopiesShareTheArray) {
    Variant a = OneDimension(0, 1, 0);
    Variant b = a;
    int i = 1;
    SetArrayElement(*VariantToArray(b), &i, "shared");
    EXPECT_EQ(GetArrayElement(*VariantToArray(a), &i).AsString(), "shared");
    FreeScriptValue(b);
    EXPECT_EQ(GetArrayElement(*VariantToArray(a), &i).AsString(), "shared");
}

TEST(ScriptArrays, OneDimensionalOperationsRefuseLargerArrays) {
    const int low[] = {0, 0}, high[] = {1, 1};
    Variant grid = ArrayToVariant(NewScriptArray(2, low, high, nullptr, 0));
    struct Case {
        std::function<void()> action;
        const char* text;
    } cases[] = {
        {[&] { ArraySetLength(grid, 3); }, "Sorry. Dynamic arrays support is made for one-dimensional arrays only."},
        {[&] { ArrayLength(grid); }, "Sorry. For one-dimensional arrays only."},
        {[&] { ArrayDelete(grid, 0); }, "Sorry. For one-dimensional arrays only."},
        {[&] { ArrayInsert(grid, 0, 1); }, "Sorry.For one-dimensional arrays only."},
        {[&] {
             std::vector<TVarRec> constants;
             ArrayToOpenArray(grid, constants);
         },
         "Sorry.For one-dimensional arrays only."},
    };
    for (const Case& c : cases) {
        try {
            c.action();
            ADD_FAILURE() << c.text;
        } catch (const EKpInterpreterError&) {
            ADD_FAILURE() << c.text;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.text);
        }
    }
}

TEST(ScriptArrays, OpenArraysFeedFormat) {
    std::vector<TVarRec> constants;
    EXPECT_EQ(ArrayToOpenArray(VarArrayOf({1, "a", 2.5, true}), constants), 4);
    EXPECT_EQ(constants[3].kind(), TVarRec::Kind::Boolean);
    constants.pop_back();
    EXPECT_EQ(Format("%d %s %.1f", constants), "1 a 2.5");
    Variant script = OneDimension(0, 1, varInteger);
    int i = 1;
    SetArrayElement(*VariantToArray(script), &i, 42);
    EXPECT_EQ(ArrayToOpenArray(script, constants), 2);
    EXPECT_EQ(Format("%d,%d", constants), "0,42");
}

}  // namespace
