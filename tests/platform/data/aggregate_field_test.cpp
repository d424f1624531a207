// Aggregate fields read their value from the dataset, not from a record:
// Null (no text) until the dataset has one, then its value formatted by
// result type.
#include "platform/data/aggregate_field.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/datetime.h"
#include "support/memory_dataset.h"

namespace {

class AggregateFieldTest : public ::testing::Test {
protected:
    void SetUp() override {
        data_.AddColumn("价格", ftFloat);
        data_.AddRow({Variant(1.5)});
        field_ = new TAggregateField(&data_);
        field_->SetFieldName("合计");
        field_->SetExpression("SUM(价格)");
        field_->SetActive(true);
        field_->SetDataSet(&data_);
        data_.Open();
    }
    TMemoryDataSet data_{nullptr};
    TAggregateField* field_ = nullptr;
};

TEST_F(AggregateFieldTest, IsAnInvisibleReadOnlyAggregateAndNullWithoutAValue) {
    EXPECT_EQ(field_->FieldKind(), fkAggregate);
    EXPECT_TRUE(field_->ReadOnly());
    EXPECT_FALSE(field_->Visible());
    EXPECT_TRUE(field_->IsNull());
    EXPECT_EQ(field_->DisplayText(), "");
    EXPECT_EQ(TAggregateField::StaticClass(), FindClass("TAggregateField"));
}

TEST_F(AggregateFieldTest, ShowsTheDatasetsValueByResultType) {
    data_.SetAggregateValue(Variant(1234.5));
    field_->SetResultType(ftFloat);
    EXPECT_FALSE(field_->IsNull());
    EXPECT_DOUBLE_EQ(field_->AsFloat(), 1234.5);
    field_->SetDisplayFormat("#,##0.00");
    EXPECT_EQ(field_->DisplayText(), "1,234.50");
    field_->SetActive(false);  // an inactive aggregate has no value
    EXPECT_TRUE(field_->IsNull());
    field_->SetActive(true);
    data_.SetAggregateValue(Variant(static_cast<double>(EncodeDate(2026, 12, 11))));
    field_->SetResultType(ftDate);
    field_->SetDisplayFormat("yyyy-mm-dd");
    EXPECT_EQ(field_->DisplayText(), "2026-12-11");
}

}  // namespace
