// The filter row of a list grid over a query on the service orders: typed
// conditions filter the rows in memory (STFilter.Local with Filtered set)
// or rewrite the query's "/*FILTER*/" line and reopen it; the footer count
// follows, and clearing the cells shows every row again.
#include "datagrid/DBGridVynFilterEdit.h"
#include "platform/rtl/stringlist.h"
#include "support/temp_dir.h"
#include "tests/datagrid/list_grid_fixture.h"

namespace {

class FilterRowListTest : public ListGridTest {
protected:
    void SetUp() override {
        ListGridTest::SetUp();
        grid_->STFilter()->SetVisible(true);
        ProcessMessages();
    }
    void ClickFilterCell(int column) {
        const TRect cell = grid_->CellRect(grid_->DataToRawColumn(column), grid_->TopDataOffset() - 1);
        const POINT p{(cell.left + cell.right) / 2 + (++clicks_ % 2 ? -5 : 5), (cell.top + cell.bottom) / 2};
        Move(p);
        Press(p);
        Release(p);
    }
    // Types into the filter cell of `column` (its old text selected and
    // replaced) and presses Enter.
    void Filter(int column, const AnsiString& text) {
        ClickFilterCell(column);
        ASSERT_TRUE(grid_->FilterEditor()->Focused());
        SimulateKey(VK_CONTROL, true);
        Key('A', "a");
        SimulateKey(VK_CONTROL, false);
        Key(VK_BACK);
        TypeChars(text);
        Key(VK_RETURN);
    }
    AnsiString Count() { return grid_->FooterCellText(0, grid_->Columns()->Items(1)); }
};

TEST_F(FilterRowListTest, LocallyTheRowsAreFilteredInMemoryAndTheCountFollows) {
    grid_->STFilter()->SetLocal(true);
    query_->SetFiltered(true);
    Filter(3, ">15");
    EXPECT_EQ(query_->Filter(), " [价格] > 15 ");
    EXPECT_EQ(Numbers(), (std::vector<AnsiString>{"0003", "0002"}));
    EXPECT_EQ(Count(), "2");
    EXPECT_EQ(grid_->GetColumnFilterText(3), ">15");
    Filter(1, "~a%");
    EXPECT_EQ(Numbers(), (std::vector<AnsiString>{"0002"}));
    EXPECT_EQ(Count(), "1");
    // Clearing both cells shows every row again.
    Filter(1, "");
    Filter(3, "");
    EXPECT_EQ(query_->Filter(), "");
    EXPECT_EQ(Numbers().size(), 3u);
    EXPECT_EQ(Count(), "3");
}

TEST_F(FilterRowListTest, WithoutLocalTheMarkedLineIsRewrittenAndTheQueryReopened) {
    db_->Exec("UPDATE 流水记录 SET 接待日期 = '2024-05-0' || substr(编号, 4, 1)");
    query_->Close();
    query_->SQL()->Clear();
    for (const char* line : {"SELECT 编号, 品牌, 型号, 价格, 接待日期 FROM 流水记录", "where", "/*FILTER*/ (1=1)"})
        query_->SQL()->Add(line);
    query_->Open();
    grid_->Columns()->Add()->SetFieldName("接待日期");
    ProcessMessages();

    Filter(3, "> 15");
    EXPECT_EQ(query_->SQL()->Strings(2), "/*FILTER*/ ( 流水记录.价格 > 15 )");
    EXPECT_TRUE(query_->Active());
    EXPECT_EQ(Numbers(), (std::vector<AnsiString>{"0003", "0002"}));
    EXPECT_EQ(Count(), "2");
    EXPECT_EQ(grid_->GetColumnFilterText(3), "> 15");

    Filter(4, ">= 2024-05-03");
    EXPECT_EQ(query_->SQL()->Strings(2), "/*FILTER*/ ( 流水记录.价格 > 15 AND  流水记录.接待日期 >= #05/03/2024# )");
    EXPECT_EQ(Numbers(), (std::vector<AnsiString>{"0003"}));

    Filter(3, "");
    Filter(4, "");
    EXPECT_EQ(query_->SQL()->Strings(2), "/*FILTER*/ (1=1)");
    EXPECT_EQ(Numbers().size(), 3u);
    EXPECT_EQ(Count(), "3");
}

TEST_F(FilterRowListTest, PictureOfTheRowWithTextsAnOpenEditorAndAListCell) {
    grid_->STFilter()->SetLocal(true);
    query_->SetFiltered(true);
    TMemoryDataSet models(nullptr);
    models.AddColumn("型号", ftString, 10);
    for (const char* model : {"X1", "X2", "Z9"}) models.AddRow({model});
    models.Open();
    TDataSource brands(nullptr);
    brands.SetDataSet(&models);
    grid_->Columns()->Items(2)->STFilter()->SetListSource(&brands);
    grid_->Columns()->Items(2)->STFilter()->SetListField("型号");
    Filter(3, ">15 | <12");
    Filter(1, "~A%");
    EXPECT_EQ(grid_->Columns()->Items(3)->STFilter()->ExpressionText(), ">15 | <12");
    ClickFilterCell(0);
    TypeChars("00");
    ProcessMessages();
    EXPECT_EQ(grid_->FilterEditor()->Text(), "00");
    // The model cell's editor with its list dropped down.
    ClickFilterCell(2);
    TInplaceFilterEditVyn* editor = grid_->FilterEditor();
    editor->DropDown();
    ASSERT_TRUE(editor->ListVisible());
    Key(VK_DOWN);
    ProcessMessages();
    const std::unique_ptr<TBitmap> picture = PictureWithDropDown(form_, editor->DropDownList());
    EXPECT_TRUE(SaveStackedPictures({picture.get()}, "dbgrid-filterrow.png"));
    editor->CloseUp(false);
    grid_->StopFilterEdit();
    grid_->Columns()->Items(2)->STFilter()->SetListSource(nullptr);
}

}  // namespace
