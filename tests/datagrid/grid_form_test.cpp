// Grids in form descriptions: columns as the history window declares them
// read back whole, automatic columns are not written, and over the
// application's service orders automatic columns follow the query's fields.
#include "platform/rtl/codepage.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "support/ado_fixture.h"
#include "tests/datagrid/grid_fixture.h"

namespace {

std::unique_ptr<TDBGridVyn> ReadGrid(const std::string& description) {
    TReader reader(description);
    return std::unique_ptr<TDBGridVyn>(static_cast<TDBGridVyn*>(reader.ReadRootComponent(nullptr)));
}

// The shape of the history window's grid: every column centred, two titles
// of their own, one display format and a footer counting the orders.
// Descriptions are UTF-8.
const char8_t* const kHistoryGrid = u8R"(object DBGridVyn1: TDBGridVyn
  Left = 0
  Top = 0
  Width = 600
  Height = 300
  ColumnDefValues.Title.TitleButton = True
  ColumnDefValues.Title.ToolTips = True
  ColumnDefValues.ToolTips = True
  ColumnDefValues.Footer.ToolTips = True
  FooterColor = clYellow
  FooterRowCount = 1
  Options = [dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs, dgRowSelect, dgConfirmDelete, dgCancelOnExit]
  OptionsVyn = [dghFixed3D, dghHighlightFocus, dghClearSelection, dghAutoSortMarking, dghMultiSortMarking, dghDialogFind]
  SortLocal = True
  SumList.Active = True
  Columns = <
    item
      Alignment = taCenter
      FieldName = '编号'
      Footer.Value = '合计数量'
      Footer.ValueType = fvtStaticText
      Title.Alignment = taCenter
      Title.Caption = '单号'
      Width = 80
    end
    item
      Alignment = taCenter
      FieldName = '接待日期'
      DisplayFormat = 'yyyy-mm-dd'
      Footer.FieldName = '编号'
      Footer.ValueType = fvtCount
      Title.Alignment = taCenter
      Width = 90
    end
    item
      Alignment = taCenter
      FieldName = '已返厂'
      Title.Caption = '返厂'
      Title.SortIndex = 1
      Title.SortMarker = smUpVyn
      Width = 40
    end>
end
)";

}  // namespace

using GridFormTest = GridTest;

TEST_F(GridFormTest, ColumnsOfAFormDescriptionReadBack) {
    std::unique_ptr<TDBGridVyn> grid = ReadGrid(Utf8(kHistoryGrid));
    TDBGridColumnsVyn* columns = grid->Columns();
    ASSERT_EQ(columns->Count(), 3);
    EXPECT_TRUE(columns->Customized());
    EXPECT_EQ(grid->Options(), (TDBGridOptions{dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs,
                                               dgRowSelect, dgConfirmDelete, dgCancelOnExit}));
    EXPECT_TRUE(grid->OptionsVyn().Contains(dghMultiSortMarking));
    EXPECT_TRUE(grid->SortLocal());
    EXPECT_TRUE(grid->SumList()->Active());
    EXPECT_EQ(grid->FooterRowCount(), 1);
    EXPECT_EQ(grid->FooterColor(), clYellow);
    EXPECT_TRUE(grid->ColumnDefValues()->Title()->TitleButton());
    EXPECT_TRUE(grid->ColumnDefValues()->Footer()->ToolTips());

    TColumnVyn* number = columns->Items(0);
    EXPECT_EQ(number->FieldName(), "编号");
    EXPECT_EQ(number->Alignment(), taCenter);
    EXPECT_EQ(number->Width(), 80);
    EXPECT_EQ(number->Title()->Alignment(), taCenter);
    EXPECT_EQ(number->Title()->Caption(), "单号");
    EXPECT_TRUE(number->Title()->TitleButton());
    EXPECT_EQ(number->Footer()->ValueType(), fvtStaticText);
    EXPECT_EQ(number->Footer()->Value(), "合计数量");
    EXPECT_TRUE(number->Footer()->ToolTips());

    TColumnVyn* date = columns->Items(1);
    EXPECT_EQ(date->DisplayFormat(), "yyyy-mm-dd");
    EXPECT_EQ(date->Footer()->ValueType(), fvtCount);
    EXPECT_EQ(date->Footer()->FieldName(), "编号");
    EXPECT_EQ(date->Title()->Caption(), "接待日期");  // no field yet: the field name
    EXPECT_EQ(columns->Items(2)->Title()->Caption(), "返厂");
    // Markers read from the description are listed once loading ends.
    EXPECT_EQ(columns->Items(2)->Title()->SortMarker(), smUpVyn);
    ASSERT_EQ(grid->SortMarkedColumns()->Count(), 1);
    EXPECT_EQ(grid->SortMarkedColumns()->Items(0), columns->Items(2));
}

TEST_F(GridFormTest, OnlyCustomizedColumnsAreWritten) {
    FillPhones(2);
    phones_->Open();
    std::unique_ptr<TDBGridVyn> automatic(TDBGridVyn::Create(nullptr));
    automatic->SetName("DBGridVyn1");
    automatic->SetDataSource(source_.get());
    ASSERT_EQ(automatic->Columns()->Count(), 3);
    EXPECT_EQ(ComponentToText(automatic.get()).find("Columns"), std::string::npos);

    std::unique_ptr<TDBGridVyn> read = ReadGrid(Utf8(kHistoryGrid));
    const std::string written = ComponentToText(read.get());
    EXPECT_NE(written.find("Columns = <"), std::string::npos);
    // Writing and reading again gives the same columns.
    std::unique_ptr<TDBGridVyn> again = ReadGrid(written);
    ASSERT_EQ(again->Columns()->Count(), 3);
    EXPECT_EQ(again->Columns()->Items(1)->Footer()->ValueType(), fvtCount);
    EXPECT_EQ(again->Columns()->Items(0)->Title()->Caption(), "单号");
    EXPECT_EQ(again->Columns()->Items(0)->Width(), 80);
    EXPECT_EQ(ComponentToText(again.get()), written);
}

class GridOrdersTest : public AdoFixture {};

TEST_F(GridOrdersTest, AutomaticColumnsFollowTheServiceOrdersFields) {
    Exec("insert into 流水记录([编号],[品牌],[已返厂]) values('0000000001','诺基亚',true)");
    std::unique_ptr<TADOQuery> orders = Open("select 编号, 品牌, 已返厂, 已交付 from 流水记录");
    TDataSource source(nullptr);
    source.SetDataSet(orders.get());
    std::unique_ptr<TDBGridVyn> grid(TDBGridVyn::Create(nullptr));
    grid->SetDataSource(&source);

    TDBGridColumnsVyn* columns = grid->Columns();
    ASSERT_EQ(columns->Count(), 4);
    EXPECT_FALSE(columns->Customized());
    const char* const names[] = {"编号", "品牌", "已返厂", "已交付"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(columns->Items(i)->FieldName(), names[i]);
        EXPECT_EQ(columns->Items(i)->BoundField(), orders->FieldByName(names[i]));
        EXPECT_EQ(columns->Items(i)->Checkboxes(), i >= 2) << names[i];
    }
    EXPECT_EQ(grid->ColCount(), 5);  // with the indicator

    orders->Close();
    orders->SQL()->Clear();
    orders->SQL()->Add("select 编号, 退货 from 流水记录");
    orders->Open();
    ASSERT_EQ(columns->Count(), 2);
    EXPECT_EQ(columns->Items(1)->FieldName(), "退货");
    EXPECT_TRUE(columns->Items(1)->Checkboxes());
}
