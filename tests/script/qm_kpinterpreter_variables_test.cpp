#include "script/qm_kpinterpreter_variables.h"

#include <gtest/gtest.h>

#include "script_test_helpers.h"

#include "script/qm_kpinterpreter_arrays.h"
#include "script/qm_kpinterpreter_datatypes.h"
#include "script/qm_kpinterpreter_values.h"
#include "script/qm_kpinterpreterconst.h"

namespace {

TEST(ScriptVariables, DeclarationRules) {
    TKpInterpreterVarList vars;
    vars.Declare("Unit1", "Total", "Integer", varInteger, 1);
    EXPECT_EQ(ErrorCode([&] { vars.Declare("unit1", "TOTAL", "Integer", varInteger, 2); }), 111);
    vars.Declare("Unit2", "Total", "Integer", varInteger, 3);
    TKpInterpreterArgs free;
    Variant value;
    ASSERT_TRUE(vars.ReadVar("total", value, free));
    EXPECT_EQ(value.AsInteger(), 3);
    EXPECT_EQ(vars.Lookup("Unit1", "Total")->Value.AsInteger(), 1);
    vars.Remove("Unit2", "Total");
    ASSERT_TRUE(vars.ReadVar("Total", value, free));
    EXPECT_EQ(value.AsInteger(), 1);
    TKpInterpreterArgs onObject;
    onObject.SetCallObject(Variant(5));
    EXPECT_FALSE(vars.ReadVar("Total", value, onObject));
    EXPECT_FALSE(vars.WriteVar("Total", 9, onObject));
}

TEST(ScriptVariables, WritesConvertToTheDeclaredType) {
    TKpInterpreterVarList vars;
    vars.Declare("U", "Count", "Integer", varInteger, 0);
    vars.Declare("U", "Name", "string", varString, "");
    vars.Declare("U", "Any", "", 0, Variant());
    vars.Declare("U", "ByRef", "Integer", TVarType(varInteger | varParamFlag), 0);
    TKpInterpreterArgs frame;
    ASSERT_TRUE(vars.WriteVar("Count", Variant("42"), frame));
    EXPECT_EQ(vars.Lookup("", "Count")->Value.VarType(), varInteger);
    EXPECT_EQ(vars.Lookup("", "Count")->Value.AsInteger(), 42);
    ASSERT_TRUE(vars.WriteVar("Name", Variant(7), frame));
    EXPECT_EQ(vars.Lookup("", "Name")->Value.AsString(), "7");
    ASSERT_TRUE(vars.WriteVar("Any", Variant(2.5), frame));
    EXPECT_EQ(vars.Lookup("", "Any")->Value.VarType(), varDouble);
    ASSERT_TRUE(vars.WriteVar("ByRef", Variant("8"), frame));
    EXPECT_EQ(vars.Lookup("", "ByRef")->Value.VarType(), varInteger);
    EXPECT_EQ(ErrorCode([&] { vars.WriteVar("Count", Variant("many"), frame); }), 53);
    EXPECT_FALSE(vars.WriteVar("Missing", 1, frame));

    const int low = 0, high = 1;
    const Variant array = ArrayToVariant(NewScriptArray(1, &low, &high, nullptr, varInteger));
    EXPECT_EQ(ErrorCode([&] { vars.WriteVar("Count", array, frame); }), 53);
    vars.Declare("U", "List", "array", ArrayVarType(), Variant());
    ASSERT_TRUE(vars.WriteVar("List", array, frame));
    EXPECT_EQ(VariantToArray(vars.Lookup("", "List")->Value), VariantToArray(array));
}

TEST(ScriptDataTypes, NewValues) {
    Variant value;
    TKpInterpreterSimpleDataType(varString).NewValue(value);
    EXPECT_EQ(value.VarType(), varString);
    TKpInterpreterSimpleDataType(varInteger).NewValue(value);
    EXPECT_EQ(value.AsInteger(), 0);
    std::array<int, 10> low{1, 1}, high{3, 2};
    TKpInterpreterArrayDataType arrayType(2, low, high, 0, std::make_shared<TKpInterpreterSimpleDataType>(varDouble));
    EXPECT_EQ(arrayType.ValueType(), ArrayVarType());
    arrayType.NewValue(value);
    ASSERT_NE(VariantToArray(value), nullptr);
    EXPECT_EQ(VariantToArray(value)->ElemCount, 6);
    EXPECT_EQ(VariantToArray(value)->Elements[5].VarType(), varDouble);
}

}  // namespace
