// Columns: own values over their defaults, widths and their limits, a
// column outside any grid, Assign, automatic columns that write their
// settings through to the fields, and a descendant grid's own collection.
#include "datagrid/DBGridVynColumns.h"
#include "datagrid/PopupDataGridVyn.h"
#include "platform/data/dataset.h"
#include "tests/datagrid/grid_fixture.h"

class ColumnsTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        FillPhones(3);
        phones_->Open();
        grid_ = NewGrid();
        grid_->SetDataSource(source_.get());
    }
    TColumnVyn* AddColumn(const AnsiString& fieldName) {
        TColumnVyn* column = grid_->Columns()->Add();
        column->SetFieldName(fieldName);
        return column;
    }

    TProbeGrid* grid_ = nullptr;
};

TEST_F(ColumnsTest, SettingsFollowTheirDefaultsUntilAssigned) {
    TColumnVyn* price = AddColumn("价格");
    TField* field = phones_->FieldByName("价格");
    field->SetAlignment(taRightJustify);
    EXPECT_EQ(price->Alignment(), taRightJustify);
    EXPECT_EQ(price->Color(), clWindow);
    EXPECT_FALSE(price->ReadOnly());
    EXPECT_EQ(price->Title()->Caption(), "价格");

    grid_->SetColor(clYellow);
    grid_->SetReadOnly(true);
    field->SetDisplayLabel("单价");
    grid_->ColumnDefValues()->SetToolTips(true);
    EXPECT_EQ(price->Color(), clYellow);
    EXPECT_TRUE(price->ReadOnly());
    EXPECT_EQ(price->Title()->Caption(), "单价");
    EXPECT_TRUE(price->ToolTips());

    price->SetColor(clRed);
    price->SetReadOnly(false);
    price->SetAlignment(taCenter);
    grid_->SetColor(clAqua);
    field->SetAlignment(taLeftJustify);
    EXPECT_EQ(price->Color(), clRed);
    EXPECT_FALSE(price->ReadOnly());
    EXPECT_EQ(price->Alignment(), taCenter);

    price->ClearOwnValues();
    EXPECT_EQ(price->OwnValues(), 0u);
    EXPECT_EQ(price->Color(), clAqua);
}

TEST_F(ColumnsTest, AssigningTheDefaultOwnsSomeSettingsAndNotOthers) {
    TColumnVyn* column = AddColumn("编号");
    column->SetImeMode(grid_->ImeMode());
    EXPECT_FALSE(column->Owns(cvImeMode));
    column->SetImeMode(imDisable);
    EXPECT_TRUE(column->Owns(cvImeMode));
    column->SetColor(grid_->Color());
    EXPECT_TRUE(column->Owns(cvColor));
    EXPECT_FALSE(column->OwnStored<cvColor>());  // owned, but equal to the default: not written
    grid_->SetColor(clGreen);
    EXPECT_TRUE(column->OwnStored<cvColor>());
}

TEST_F(ColumnsTest, CheckboxesAndWordWrapFollowTheFieldType) {
    struct Case {
        const char* field;
        bool checkboxes;
        bool wordWrap;
    };
    for (const Case& c : {Case{"已返厂", true, false}, Case{"编号", false, true}, Case{"价格", false, false}}) {
        TColumnVyn* column = AddColumn(c.field);
        EXPECT_EQ(column->Checkboxes(), c.checkboxes) << c.field;
        EXPECT_EQ(column->WordWrap(), c.wordWrap) << c.field;
    }
}

TEST_F(ColumnsTest, WidthLimits) {
    TColumnVyn* column = AddColumn("编号");
    column->SetWidth(80);
    EXPECT_EQ(column->Width(), 80);
    column->SetWidth(-1);  // leaves the width
    EXPECT_EQ(column->Width(), 80);

    struct Case {
        int minWidth;
        int maxWidth;
        int set;
        int expected;
    };
    const Case cases[] = {{0, 50, 70, 50}, {0, 50, 30, 30}, {40, 0, 30, 40}, {60, 50, 55, 60}, {0, 0, 500, 500}};
    for (const Case& c : cases) {
        column->SetMinWidth(0);
        column->SetMaxWidth(0);
        column->SetWidth(55);
        column->SetMinWidth(c.minWidth);
        column->SetMaxWidth(c.maxWidth);
        column->SetWidth(c.set);
        EXPECT_EQ(column->Width(), c.expected) << c.minWidth << ".." << c.maxWidth << " set " << c.set;
    }
    column->SetMinWidth(0);
    column->SetMaxWidth(0);
    column->SetWidth(100);
    column->SetMaxWidth(90);  // a limit that the width violates applies at once
    EXPECT_EQ(column->Width(), 90);
    EXPECT_EQ(column->ClampWidth(95), 90);
}

TEST_F(ColumnsTest, TheWidthFollowsTheFieldsDisplayWidthUntilSet) {
    TColumnVyn* column = AddColumn("编号");
    const int natural = column->Width();
    phones_->FieldByName("编号")->SetDisplayWidth(20);
    EXPECT_GT(column->Width(), natural);
    EXPECT_EQ(column->Width(), column->NaturalWidth());
    TColumnVyn* unbound = AddColumn("没有");
    EXPECT_EQ(unbound->BoundField(), nullptr);
    EXPECT_EQ(unbound->Width(), grid_->DefaultColWidth());
}

TEST_F(ColumnsTest, AColumnOutsideAnyGrid) {
    TDBGridColumnsVyn loose(nullptr, TDBGridColumnVyn::StaticClass());
    TColumnVyn* column = static_cast<TColumnVyn*>(loose.Add());
    column->SetFieldName("编号");
    EXPECT_EQ(column->OwnerGrid(), nullptr);
    EXPECT_EQ(column->Color(), clWindow);
    EXPECT_EQ(column->Width(), 64);
    EXPECT_FALSE(column->ReadOnly());
    EXPECT_FALSE(column->EndEllipsis());
    EXPECT_EQ(column->Title()->Alignment(), taLeftJustify);
    EXPECT_EQ(column->Title()->Color(), clBtnFace);
    EXPECT_EQ(column->Title()->Caption(), "编号");
}

TEST_F(ColumnsTest, AssignCopiesOwnValuesAndMakesSomeSettingsOwn) {
    TColumnVyn* source = AddColumn("编号");
    source->SetColor(clRed);
    source->SetWidth(77);
    source->Title()->SetCaption("单号");
    source->PickList()->Add("甲");
    TColumnVyn* target = AddColumn("价格");
    target->Assign(source);
    EXPECT_EQ(target->FieldName(), "编号");
    EXPECT_EQ(target->Color(), clRed);
    EXPECT_EQ(target->Width(), 77);
    EXPECT_EQ(target->Title()->Caption(), "单号");
    EXPECT_EQ(target->PickList()->Count(), 1);
    EXPECT_EQ(target->WordWrap(), source->WordWrap());
    for (TColumnOwnValue bit : {cvEndEllipsis, cvAutoDropDown, cvAlwaysShowEditButton, cvToolTips, cvDblClickNextVal,
                                cvDropDownSizing, cvDropDownShowTitles, cvTitleOrientation, cvTitleButton,
                                cvTitleEndEllipsis, cvTitleToolTips})
        EXPECT_TRUE(target->Owns(bit)) << bit;
    EXPECT_FALSE(target->Owns(cvAlignment));
    EXPECT_EQ(grid_->Columns()->UpdateCount(), 0);
}

TEST_F(ColumnsTest, AutomaticColumnsFollowTheFieldsAndWriteThrough) {
    ASSERT_FALSE(grid_->Columns()->Customized());
    ASSERT_EQ(grid_->Columns()->Count(), 3);
    TColumnVyn* number = grid_->Columns()->Items(0);
    TField* field = phones_->FieldByName("编号");
    EXPECT_EQ(number->BoundField(), field);
    EXPECT_TRUE(number->IsAutoColumn());

    number->SetAlignment(taCenter);
    number->SetReadOnly(true);
    number->Title()->SetCaption("单号");
    EXPECT_EQ(field->Alignment(), taCenter);
    EXPECT_TRUE(field->ReadOnly());
    EXPECT_EQ(field->DisplayLabel(), "单号");
    EXPECT_EQ(number->OwnValues(), 0u);
    EXPECT_EQ(number->Title()->Caption(), "单号");

    grid_->Columns()->Items(2)->SetIndex(0);  // moves the field along
    EXPECT_EQ(phones_->Fields()->Fields(0)->FieldName(), "已返厂");
    EXPECT_EQ(grid_->Columns()->Items(0)->FieldName(), "已返厂");
}

TEST_F(ColumnsTest, TheDropDownBoxReachesTheColumnsDropDownGrid) {
    TColumnVyn* column = AddColumn("编号");
    TColumnDropDownBoxVyn* box = column->DropDownBox();
    EXPECT_EQ(box->Columns(), nullptr);  // reading makes no drop-down grid
    EXPECT_EQ(box->Options(), TDBLookupGridVynOptions{dlgColLinesVyn});
    EXPECT_EQ(column->ExistingDropDownGrid(), nullptr);

    box->SetOptions({dlgRowLinesVyn, dlgMultiSortMarkingVyn});
    TPopupDataGridVyn* dropDown = column->ExistingDropDownGrid();
    ASSERT_NE(dropDown, nullptr);
    EXPECT_TRUE(dropDown->Options().Contains(dgRowLines));
    EXPECT_FALSE(dropDown->Options().Contains(dgColLines));
    EXPECT_TRUE(dropDown->OptionsVyn().Contains(dghMultiSortMarking));
    EXPECT_EQ(box->Columns(), dropDown->Columns());

    auto lookup = std::make_unique<TDataSource>(nullptr);
    box->SetListSource(lookup.get());
    lookup.reset();  // the grid hears it go
    EXPECT_EQ(box->ListSource(), nullptr);

    TColumnVyn* copy = AddColumn("价格");
    copy->DropDownBox()->Assign(box);
    EXPECT_EQ(copy->DropDownBox()->Options(), box->Options());
}

namespace {

class OwnColumns : public TDBGridColumnsVyn {
    SERVIORA_CLASS(OwnColumns, TDBGridColumnsVyn)
public:
    using TDBGridColumnsVyn::TDBGridColumnsVyn;
};

class GridWithOwnColumns : public TDBGridVyn {
    SERVIORA_CLASS(GridWithOwnColumns, TDBGridVyn)
public:
    using TDBGridVyn::TDBGridVyn;

protected:
    TDBGridColumnsVyn* CreateColumns() override { return new OwnColumns(this, TDBGridColumnVyn::StaticClass()); }
};

TEST(GridFactoriesTest, ADescendantsColumnFactoryIsReached) {
    std::unique_ptr<GridWithOwnColumns> grid(GridWithOwnColumns::Create(nullptr));
    EXPECT_NE(dynamic_cast<OwnColumns*>(grid->Columns()), nullptr);
    grid->Columns()->Add()->SetWidth(40);
    EXPECT_EQ(grid->ColCount(), 2);
}

}  // namespace
