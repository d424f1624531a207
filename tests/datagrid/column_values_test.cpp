// Column values: display texts through key and pick lists, check states,
// stepping values, editability, and the texts footer cells show.
#include "platform/data/field.h"
#include "tests/datagrid/grid_fixture.h"

namespace {

class ColumnValuesTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        phones_->AddColumn("状态", ftString, 10);
        phones_->AddColumn("数量", ftInteger);
        phones_->AddColumn("大数", ftLargeint);
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

TEST_F(ColumnValuesTest, FooterTextsByValueTypeAndField) {
    Open({{"a", 2.5, false, "x", 2, Variant(Int64(3000000000))}, {"b", 1.25, false, "y", 3, Variant(Int64(1))}});
    TColumnVyn* price = Column("价格");
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
