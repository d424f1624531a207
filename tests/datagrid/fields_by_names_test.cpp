// Fields named in a list: collected in name order, a missing one raising
// with its name, and one value given to them all; the dataset behind a
// component's DataSource.
#include "datagrid/ToolCtrlsVynFields.h"
#include "datagrid/VynLibVCL.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/data/field.h"
#include "tests/datagrid/grid_fixture.h"

namespace {

using FieldsByNamesTest = GridTest;

TEST_F(FieldsByNamesTest, CollectsInNameOrderAndNamesTheMissingField) {
    FillPhones(1);
    phones_->Open();
    const TFieldsArrVyn fields = FieldsArrayByNames(phones_.get(), nullptr, "已返厂; 编号");
    ASSERT_EQ(fields.size(), 2u);
    EXPECT_EQ(fields[0]->FieldName(), "已返厂");
    EXPECT_EQ(fields[1]->FieldName(), "编号");
    TList list;
    try {
        CollectFieldsByNames(&list, phones_.get(), nullptr, "编号;没有;价格");
        FAIL() << "a missing field raises";
    } catch (const EDatabaseError& error) {
        EXPECT_EQ(AnsiString(error.Message()), "Field '没有' not found");
    }
    EXPECT_EQ(list.Count(), 1);  // nothing after the missing name
}

TEST_F(FieldsByNamesTest, OneValueForAllOrNullClearsThem) {
    FillPhones(1);
    phones_->Open();
    phones_->Edit();
    AssignFieldsValue(phones_.get(), "价格", 12.5);
    EXPECT_EQ(phones_->FieldByName("价格")->AsFloat(), 12.5);
    AssignFieldsValue(phones_.get(), "编号;价格", Null());
    EXPECT_TRUE(phones_->FieldByName("编号")->IsNull());
    EXPECT_TRUE(phones_->FieldByName("价格")->IsNull());
}

TEST_F(FieldsByNamesTest, TheDatasetBehindAComponentsDataSource) {
    TProbeGrid* grid = NewGrid();
    EXPECT_EQ(DataSetOfDataSourceProperty(grid), nullptr);
    grid->SetDataSource(source_.get());
    EXPECT_EQ(DataSetOfDataSourceProperty(grid), phones_.get());
    std::unique_ptr<TButton> button(TButton::Create(nullptr));
    EXPECT_EQ(DataSetOfDataSourceProperty(button.get()), nullptr);  // no such property
    EXPECT_EQ(DataSetOfDataSourceProperty(nullptr), nullptr);
}

}  // namespace
