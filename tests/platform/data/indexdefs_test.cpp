// Index definitions, check constraints and copies of field definitions.
#include "platform/data/indexdefs.h"

#include <gtest/gtest.h>

#include "platform/data/field.h"
#include "platform/rtl/typinfo.h"

TEST(IndexDefs, FindTheDefinitionWhoseFieldsBeginWithTheGivenOnes) {
    TIndexDefs defs(nullptr);
    defs.Add("主键", "编号", TIndexOptions{ixPrimary, ixUnique});
    defs.Add("品牌型号", "品牌;型号", TIndexOptions{ixCaseInsensitive});
    defs.Add("按价格", "价格*2", TIndexOptions{ixExpression});
    EXPECT_EQ(defs.IndexOf("品牌型号"), 1);
    EXPECT_EQ(defs.IndexOf("无"), -1);
    EXPECT_EQ(defs.FindIndexForFields("品牌"), defs.Items(1)) << "a case-insensitive index serves when no other does";
    EXPECT_EQ(defs.GetIndexForFields("品牌", false), nullptr);
    EXPECT_EQ(defs.GetIndexForFields("编号", false), defs.Items(0));
    EXPECT_EQ(defs.GetIndexForFields("品", true), nullptr) << "whole field names only";
    EXPECT_THROW(defs.FindIndexForFields("颜色"), EDatabaseError);
    EXPECT_EQ(defs.Items(2)->Fields(), "");
    EXPECT_EQ(defs.Items(2)->Expression(), "价格*2");

    TIndexDefs copy(nullptr);
    copy.Assign(&defs);
    ASSERT_EQ(copy.Count(), 3);
    EXPECT_EQ(copy.Items(1)->Fields(), "品牌;型号");
    EXPECT_TRUE(copy.Items(0)->Options().Contains(ixUnique));
}

TEST(CheckConstraints, ShowTheirConditionAndCopyEachOther) {
    TCheckConstraints constraints(nullptr);
    TCheckConstraint* price = constraints.Add();
    EXPECT_EQ(price->DisplayText(), "TCheckConstraint");
    price->SetCustomConstraint("价格 > 0");
    EXPECT_EQ(price->DisplayText(), "价格 > 0");
    price->SetImportedConstraint("价格 >= 1");
    EXPECT_EQ(price->DisplayText(), "价格 >= 1");
    TCheckConstraint* other = constraints.Add();
    constraints.SetItems(1, price);
    EXPECT_EQ(other->CustomConstraint(), "价格 > 0");
    EXPECT_TRUE(other->FromDictionary());
}

TEST(FieldDefs, CopiesKeepEveryDefinitionAndPublishTheirType) {
    TFieldDefs defs;
    defs.Add("名称", ftString, 20, true);
    defs.Add("编号", ftInteger, 0, false, 7);
    TFieldDefs copy;
    copy.Add("旧", ftBoolean);
    copy.Assign(&defs);
    ASSERT_EQ(copy.Count(), 2);
    EXPECT_EQ(copy.Items(0)->Size(), 20);
    EXPECT_TRUE(copy.Items(0)->Required());
    EXPECT_EQ(copy.Items(1)->FieldNo(), 7);
    EXPECT_NE(GetPropInfo(copy.Items(0), "DataType"), nullptr);
    EXPECT_EQ(copy.Items(0)->FieldClass(), TStringField::StaticClass());
}
