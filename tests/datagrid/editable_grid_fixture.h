// An editable grid on a shown form, as a form that lets users edit records
// places it: a memory table of repair orders whose columns show a pick list,
// a key list, a looked-up brand, a date, a number with an up-down button and
// an image, a key list with an up-down button, an ellipsis button with two
// extra buttons, an image column, a check box, a memo and a blob; an edit
// beside the grid takes the focus away from it.
#pragma once

#include <memory>

#include "datagrid/DBGridVyn.h"
#include "platform/data/field.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/menus.h"
#include "platform/ui/stdctrls_edit.h"
#include "support/memory_dataset.h"
#include "tests/datagrid/grid_fixture.h"
#include "tests/platform/ui/control_fixture.h"

class TEditGrid : public TDBGridVyn {
    SERVIORA_CLASS(TEditGrid, TDBGridVyn)
public:
    using TDBGridVyn::TDBGridVyn;
    using TDBGridVyn::CanEditModify;
    using TDBGridVyn::CanEditShow;
    using TDBGridVyn::GetEditText;
};

// Column indexes of the editable grid.
enum EditColumn {
    kNumber, kState, kColour, kBrand, kDate, kQuantity, kGrade, kRemark, kPicture, kDelivered, kNote, kPhoto
};

class EditableGridTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        brands_.AddColumn("代码", ftString, 4);
        brands_.AddColumn("名称", ftString, 20);
        brands_.AddRow({"N", "Nokia"});
        brands_.AddRow({"M", "Motorola"});
        brands_.AddRow({"S", "三星"});
        brands_.Open();
        struct Column {
            const char* name;
            TFieldType type;
            int size;
        };
        const Column columns[] = {{"编号", ftString, 10}, {"状态", ftString, 10}, {"颜色", ftString, 4},
                                  {"品牌代码", ftString, 4}, {"日期", ftDate, 0},   {"数量", ftInteger, 0},
                                  {"等级", ftString, 4},   {"备注", ftString, 20}, {"图", ftInteger, 0},
                                  {"已交付", ftBoolean, 0}, {"说明", ftMemo, 0},   {"照片", ftBlob, 0}};
        for (const Column& c : columns) {
            orders_.AddColumn(c.name, c.type, c.size);
            TField* field = NewField(c.type, &orders_);
            if (c.size > 0) field->SetSize(c.size);
            field->SetFieldName(c.name);
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
        orders_.AddRow({"0001", "待修", "2", "N", "2026-12-01", 1, "B", "屏幕", 1, false, "第一行", Null()});
        orders_.AddRow({"0002", "修好", "9", "M", "2026-12-02", 2, "A", "电池", 2, true, "", Null()});
        orders_.AddRow({"0003", "退回", "1", "S", "2026-12-03", 3, "C", "", 0, false, "", Null()});
        orders_.Open();
        source_.SetDataSet(&orders_);
        FillWithSquares(images_, 12, {clRed, clGreen, clBlue, clYellow});

        form_ = NewForm(1000, 260);
        grid_ = Place<TEditGrid>(form_, 0, 0, 990, 200);
        edit_ = Place<TEdit>(form_, 0, 220, 100, 24);
        const char* names[] = {"编号", "状态", "颜色", "品牌", "日期", "数量", "等级", "备注", "图", "已交付", "说明", "照片"};
        for (const char* name : names) {
            TColumnVyn* column = grid_->Columns()->Add();
            column->SetFieldName(name);
            column->SetWidth(name == AnsiString("备注") ? 150 : 70);
        }
        Col(kState)->PickList()->SetCommaText("待修,修好,退回");
        Col(kColour)->KeyList()->SetCommaText("1,2,3");
        Col(kColour)->PickList()->SetCommaText("红,绿,蓝");
        Col(kQuantity)->SetButtonStyle(cbsUpDown);
        Col(kQuantity)->SetIncrement(5);
        Col(kQuantity)->SetImageList(&images_);
        Col(kQuantity)->SetShowImageAndText(true);
        Col(kGrade)->KeyList()->SetCommaText("A,B,C");
        Col(kGrade)->PickList()->SetCommaText("高,中,低");
        Col(kGrade)->SetButtonStyle(cbsUpDown);
        Col(kRemark)->SetButtonStyle(cbsEllipsis);
        for (int i = 0; i < 2; ++i) {
            TEditButtonVyn* extra = Col(kRemark)->EditButtons()->Add();
            extra->SetVisible(true);
            extra->SetStyle(i == 0 ? ebsPlusVyn : ebsDropDownVyn);
        }
        menu_ = new TPopupMenu(form_);
        Col(kRemark)->EditButtons()->Items(1)->SetDropdownMenu(menu_);
        Col(kPicture)->SetImageList(&images_);
        grid_->SetDataSource(&source_);
        form_->Show();
        ProcessMessages();
        grid_->SetFocus();
        ProcessMessages();
    }
    void TearDown() override {
        form_ = nullptr;
        ControlTest::TearDown();
    }

    static TField* NewField(TFieldType type, TComponent* owner) {
        switch (type) {
            case ftDate: return new TDateField(owner);
            case ftInteger: return new TIntegerField(owner);
            case ftBoolean: return new TBooleanField(owner);
            case ftMemo: return new TMemoField(owner);
            case ftBlob: return new TBlobField(owner);
            default: return new TStringField(owner);
        }
    }
    TColumnVyn* Col(EditColumn index) const { return grid_->Columns()->Items(index); }
    TField* Field(const char* name) { return orders_.FieldByName(name); }
    TDBGridInplaceEdit* Editor() const { return grid_->DBInplaceEditor(); }
    // The grid's editor over a column of the current record, focused.
    TDBGridInplaceEdit* OpenEditor(EditColumn index) {
        grid_->SetSelectedIndex(index);
        grid_->SetFocus();
        grid_->ShowEditor();
        ProcessMessages();
        return Editor();
    }
    // A click on a button of the shown editor (0 the main one), in its top
    // or bottom half.
    void ClickButton(int index, bool bottom = false) {
        TEditButtonControlVyn* button = Editor()->EditButtonControls()[static_cast<std::size_t>(index)].second;
        const POINT p{button->Left() + button->Width() / 2,
                      button->Top() + (bottom ? button->Height() * 3 / 4 : button->Height() / 4)};
        ASSERT_TRUE(SimulateClick(Editor()->Handle(), p));
        ProcessMessages();
    }

    TMemoryDataSet brands_{nullptr};
    TMemoryDataSet orders_{nullptr};
    TDataSource source_{nullptr};
    TImageList images_{nullptr};
    TForm* form_ = nullptr;
    TEditGrid* grid_ = nullptr;
    TEdit* edit_ = nullptr;
    TPopupMenu* menu_ = nullptr;
};
