// Column values: display texts through key and pick lists and a lookup
// column's special row, check states, stepping values, editability, and
// the texts footer cells show.
#include "platform/data/aggregate_field.h"
#include "platform/data/field.h"
#include "platform/rtl/datetime.h"
#include "tests/datagrid/grid_fixture.h"

namespace {

class ColumnValuesTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        phones_->AddColumn("状态", ftString, 10);
        phones_->AddColumn("数量", ftInteger);
        phones_->AddColumn("大数", ftLargeint);
        phones_->AddColumn("金额", ftCurrency);
    }
    void Open(std::initializer_list<std::initializer_list<Variant>> rows) {
        for (auto row : rows) phones_->AddRow(row);
        phones_->Open();
        grid_ = NewGrid();
        grid_->SetDataSource(source_.get());
    }
    TColumnVyn* Column(const char* field) {
        TColumnVyn* column = grid_->Columns()->Add();
        column->SetFieldName(field);
        return column;
    }
    static void SetLines(TStrings* list, std::initializer_list<const char*> lines) {
        list->Clear();
        for (const char* line : lines) list->Add(line);
    }
    TProbeGrid* grid_ = nullptr;
};

TEST_F(ColumnValuesTest, KeyListsShowTheirPickListTexts) {
    Open({{"a", 1.0, false, "1", 5, 0}, {"b", 2.0, false, "2", 5, 0}});
    TColumnVyn* state = Column("状态");
    SetLines(state->KeyList(), {"1", "0"});
    SetLines(state->PickList(), {"已修好", "未修好"});
    EXPECT_EQ(state->ValueKind(), cvkKeyList);
    EXPECT_EQ(state->CellDisplayText(), "已修好");
    phones_->Next();
    state->SetNotInKeyListIndex(1);
    EXPECT_EQ(state->CellDisplayText(), "未修好");
    EXPECT_EQ(state->CellImageIndex(), 1);
    state->SetNotInKeyListIndex(-1);
    EXPECT_EQ(state->CellDisplayText(), "");
    state->PickList()->Clear();
    EXPECT_EQ(state->ValueKind(), cvkPlain);  // a key list alone
}

TEST_F(ColumnValuesTest, CheckStatesComeFromBooleansOrTheKeyList) {
    Open({{"a", 1.0, true, "yes", 5, 0}, {"b", 2.0, Null(), "N", 5, 0}});
    TColumnVyn* returned = Column("已返厂");
    EXPECT_TRUE(returned->Checkboxes());
    EXPECT_EQ(returned->CheckState(), cbChecked);
    TColumnVyn* state = Column("状态");
    state->SetCheckboxes(true);
    SetLines(state->KeyList(), {"Y;YES", "N"});
    EXPECT_EQ(state->CheckState(), cbChecked);
    phones_->Next();
    EXPECT_EQ(returned->CheckState(), cbGrayed);
    EXPECT_EQ(state->CheckState(), cbUnchecked);
    phones_->Edit();
    state->SetCheckState(cbChecked);
    EXPECT_EQ(phones_->FieldByName("状态")->AsString(), "Y");
    SetLines(state->KeyList(), {"Y"});
    state->SetCheckState(cbUnchecked);
    EXPECT_EQ(state->CheckState(), cbGrayed);  // no second entry: empty text
}

TEST_F(ColumnValuesTest, SteppingWalksListsAndNumbers) {
    Open({{"a", 1.0, false, "晚", Null(), 0}});
    TColumnVyn* state = Column("状态");
    SetLines(state->PickList(), {"早", "中", "晚"});
    int updates = 0;
    state->SetOnUpdateData(
        TColCellUpdateDataEventVyn([&](TObject*, AnsiString&, Variant&, bool&, bool&) { ++updates; }));
    state->StepValue(1);  // from the last entry straight to the first
    EXPECT_EQ(phones_->FieldByName("状态")->AsString(), "早");
    EXPECT_EQ(updates, 0);
    state->StepValue(1);
    EXPECT_EQ(phones_->FieldByName("状态")->AsString(), "中");
    EXPECT_EQ(updates, 1);
    TColumnVyn* count = Column("数量");
    count->StepValue(-1);  // a null counts as minus the step
    EXPECT_EQ(phones_->FieldByName("数量")->AsInteger(), 0);
    phones_->FieldByName("数量")->SetAsInteger(5);
    count->StepValue(-1);
    EXPECT_EQ(phones_->FieldByName("数量")->AsInteger(), 4);
}

TEST_F(ColumnValuesTest, EditingNeedsTheUpdatePermissionOutsideInserts) {
    Open({{"a", 1.0, false, "x", 5, 0}});
    TColumnVyn* state = Column("状态");
    grid_->SetAllowedOperations({alopInsertVyn, alopAppendVyn});
    EXPECT_FALSE(state->CanEditValue(false));
    phones_->Insert();
    EXPECT_TRUE(state->CanEditValue(false));
    phones_->Cancel();
    grid_->SetReadOnly(true);
    grid_->SetAllowedOperations({alopUpdateVyn});
    EXPECT_FALSE(state->CanEditValue(false));
}

TEST_F(ColumnValuesTest, AggregateFieldsFormatByTheirResultType) {
    auto* total = new TAggregateField(phones_.get());
    total->SetFieldName("合计");
    total->SetActive(true);
    total->SetDataSet(phones_.get());
    Open({{"a", 2.5, false, "x", 2, Variant(Int64(1)), 10.5}});
    const struct {
        TFieldType resultType;
        Variant value;
        const char* format;
        const char* text;
    } cases[] = {
        {ftFloat, Variant(1234.5), "#,##0.00", "1,234.50"},
        {ftCurrency, Variant(7.0), "0.0", "7.0"},
        {ftDate, Variant(static_cast<double>(EncodeDate(2026, 12, 11))), "yyyy-mm-dd", "2026-12-11"},
        {ftString, Variant(AnsiString("x")), "0", ""},
        {ftFloat, Null(), "0", ""},
    };
    for (const auto& c : cases) {
        total->SetResultType(c.resultType);
        phones_->SetAggregateValue(c.value);
        EXPECT_EQ(FormatFieldValue(total, c.format), c.text) << c.text;
    }
}

TEST_F(ColumnValuesTest, FooterTextsByValueTypeAndField) {
    Open({{"a", 2.5, false, "x", 2, Variant(Int64(3000000000)), 10.5},
          {"b", 1.25, false, "y", 3, Variant(Int64(1)), 2.25}});
    TColumnVyn* price = Column("价格");
    TColumnVyn* amount = Column("金额");
    TColumnVyn* count = Column("数量");
    TColumnVyn* large = Column("大数");
    TColumnVyn* state = Column("状态");
    grid_->SetFooterRowCount(1);
    grid_->SumList()->SetActive(true);
    struct Case {
        TColumnVyn* column;
        TFooterValueType type;
        const char* fieldName;
        const char* format;
        const char* text;
    };
    const Case cases[] = {
        {count, fvtCount, "", "", "2"},
        {count, fvtCount, "", "0.00", "2.00"},
        {price, fvtSum, "", "", "3.75"},
        {price, fvtSum, "", "#,##0.0", "3.8"},
        {count, fvtSum, "", "", "5"},
        {large, fvtSum, "", "", "3000000001"},
        {amount, fvtSum, "", "", "￥12.75"},
        {count, fvtAvg, "", "0.0", "2.5"},
        {state, fvtFieldValue, "状态", "", "x"},
        {state, fvtStaticText, "", "", ""},
    };
    for (const Case& c : cases) {
        TColumnFooterVyn* footer = c.column->Footer();
        footer->SetValueType(fvtNon);
        footer->SetFieldName(c.fieldName);
        footer->SetDisplayFormat(c.format);
        footer->SetValueType(c.type);
        EXPECT_EQ(grid_->FooterCellText(0, c.column), c.text) << c.column->FieldName() << " " << c.type;
    }
    state->Footer()->SetFieldName("没有");
    state->Footer()->SetValueType(fvtFieldValue);
    EXPECT_THROW(grid_->FooterCellText(0, state), EDatabaseError);
    // A sum over a field the dataset lacks reads 0 (its recount would raise).
    grid_->SumList()->SetActive(false);
    state->Footer()->SetValueType(fvtSum);
    EXPECT_EQ(grid_->FooterCellText(0, state), "0");
}

}  // namespace

namespace {

// Orders whose brand is looked up by its code in a list of brands.
class LookupColumnTest : public ::testing::Test {
protected:
    void SetUp() override {
        brands_.AddColumn("代码", ftString, 4);
        brands_.AddColumn("名称", ftString, 20);
        brands_.AddRow({"N", "诺基亚"});
        brands_.AddRow({"M", "摩托罗拉"});
        brands_.Open();
        orders_.AddColumn("编号", ftString, 10);
        orders_.AddColumn("品牌代码", ftString, 4);
        orders_.AddRow({"1", "N"});
        orders_.AddRow({"2", "X"});
        orders_.AddRow({"3", "Q"});
        for (const char* name : {"编号", "品牌代码"}) {
            auto* field = new TStringField(&orders_);
            field->SetFieldName(name);
            field->SetDataSet(&orders_);
        }
        auto* brand = new TStringField(&orders_);
        brand->SetFieldName("品牌");
        brand->SetFieldKind(fkLookup);
        brand->SetLookupDataSet(&brands_);
        brand->SetKeyFields("品牌代码");
        brand->SetLookupKeyFields("代码");
        brand->SetLookupResultField("名称");
        brand->SetDataSet(&orders_);
        orders_.Open();
        source_.SetDataSet(&orders_);
        grid_.reset(TDBGridVyn::Create(nullptr));
        grid_->SetDataSource(&source_);
        column_ = grid_->Columns()->Add();
        column_->SetFieldName("品牌");
    }
    TMemoryDataSet brands_{nullptr};
    TMemoryDataSet orders_{nullptr};
    TDataSource source_{nullptr};
    std::unique_ptr<TDBGridVyn> grid_;
    TColumnVyn* column_ = nullptr;
};

TEST_F(LookupColumnTest, TheSpecialRowStandsForItsKeyAndForMissingValues) {
    EXPECT_EQ(column_->ValueKind(), cvkLookup);
    TSpecRowVyn* special = column_->DropDownSpecRow();
    special->SetCellsText("（无）");
    special->SetValue("X");
    EXPECT_EQ(column_->CellDisplayText(), "诺基亚");  // the row is not shown yet
    special->SetVisible(true);
    EXPECT_EQ(column_->CellDisplayText(), "诺基亚");
    orders_.Next();
    EXPECT_EQ(column_->CellDisplayText(), "（无）");  // the special key
    orders_.Next();
    EXPECT_EQ(column_->CellDisplayText(), "（无）");  // a code the list lacks
    special->SetShowIfNotInKeyList(false);
    EXPECT_EQ(column_->CellDisplayText(), "");
    special->SetShowIfNotInKeyList(true);
    orders_.First();
    brands_.Close();
    EXPECT_EQ(column_->CellDisplayText(), "（无）");  // no open list
}

}  // namespace
