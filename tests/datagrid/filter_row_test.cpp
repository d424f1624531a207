// The filter row over phones in memory: presses and keys open its editor,
// typed conditions are kept as typed and parsed for the column's field,
// Enter applies them, and the editor moves along the row.
#include "datagrid/DBGridVynFilterEdit.h"
#include "datagrid/DBGridVynSelection.h"
#include "datagrid/DbUtilsVynFilterParser.h"
#include "platform/data/dataset.h"
#include "tests/datagrid/grid_fixture.h"
#include "tests/platform/ui/control_fixture.h"

namespace {

class FilterRowTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        FillPhones(8);
        phones_->Open();
        grid_ = NewShownGrid(400, 220, [this](TProbeGrid* grid) {
            grid->SetDataSource(source_.get());
            grid->STFilter()->SetVisible(true);
            grid->SetOnApplyFilter(TNotifyEvent([this](TObject*) { ++applied_; }));
        });
        grid_->SetFocus();
        ProcessMessages();
    }
    TSTColumnFilterVyn* Filter(int index) { return grid_->Columns()->Items(index)->STFilter(); }
    POINT FilterCellPoint(int index) {
        const TRect cell = grid_->CellRect(grid_->DataToRawColumn(index), grid_->TopDataOffset() - 1);
        return POINT{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    }
    // The release follows once the press is handled, as a user's does, so
    // it reaches the editor that took the press over.
    void ClickFilterCell(int index) {
        const POINT p = FilterCellPoint(index);
        SimulateMouseMove(grid_->Handle(), p);
        SimulateMouseButton(grid_->Handle(), p, VK_LBUTTON, true);
        ProcessMessages();
        SimulateMouseButton(grid_->Handle(), p, VK_LBUTTON, false);
        ProcessMessages();
    }
    bool EditorShown() {
        TInplaceFilterEditVyn* editor = grid_->FilterEditor();
        return editor && editor->HandleAllocated() && IsWindowVisible(editor->Handle());
    }

    TProbeGrid* grid_ = nullptr;
    int applied_ = 0;
};

TEST_F(FilterRowTest, AClickOnAFilterCellOpensItsEditorOverTheCell) {
    ClickFilterCell(1);
    ASSERT_TRUE(EditorShown());
    EXPECT_TRUE(grid_->FilterRowEditing());
    EXPECT_EQ(grid_->FilterColumn(), 1);
    EXPECT_TRUE(grid_->FilterEditor()->Focused());
    const TRect cell = grid_->CellRect(grid_->DataToRawColumn(1), grid_->TopDataOffset() - 1);
    EXPECT_EQ(grid_->FilterEditor()->Left(), cell.left + 1);
    EXPECT_EQ(grid_->FilterEditor()->Top(), cell.top);
    EXPECT_EQ(grid_->FilterEditor()->Font()->Color(), clBlue);
}

TEST_F(FilterRowTest, WithTheRowHiddenAClickWhereItWouldBeStartsNothing) {
    const POINT p = FilterCellPoint(1);
    grid_->STFilter()->SetVisible(false);
    ProcessMessages();
    SimulateClick(grid_->Handle(), p);
    ProcessMessages();
    EXPECT_FALSE(grid_->FilterRowEditing());
    EXPECT_EQ(grid_->FilterEditor(), nullptr);
}

TEST_F(FilterRowTest, EnterKeepsTheTextAsTypedAndAppliesTheParsedCondition) {
    ClickFilterCell(1);
    TypeChars("> 5");
    Key(VK_RETURN);
    EXPECT_EQ(applied_, 1);
    const TSTFilterExpressionVyn& e = Filter(1)->Expression();
    EXPECT_EQ(e.OperandKind, fokNumber);
    EXPECT_EQ(e.Operator1, fopGreater);
    EXPECT_DOUBLE_EQ(e.Operand1.AsDouble(), 5.0);
    EXPECT_EQ(Filter(1)->ExpressionText(), "> 5");
    EXPECT_EQ(grid_->GetColumnFilterText(1), "> 5");
    // The editor is back over the cell with the text, and Enter applies
    // again without a change.
    EXPECT_TRUE(EditorShown());
    EXPECT_EQ(grid_->FilterEditor()->Text(), "> 5");
    Key(VK_RETURN);
    EXPECT_EQ(applied_, 2);
    // A cell without a condition opens empty, not with the last text.
    ClickFilterCell(0);
    EXPECT_EQ(grid_->FilterEditor()->Text(), "");
}

TEST_F(FilterRowTest, HidingTheRowWhileEditingStoresTheText) {
    ClickFilterCell(0);
    TypeChars("abc");
    grid_->STFilter()->SetVisible(false);
    EXPECT_FALSE(grid_->FilterRowEditing());
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(Filter(0)->ExpressionText(), "abc");
    EXPECT_EQ(Filter(0)->Expression().Operator1, fopLike);
    EXPECT_EQ(applied_, 0);
}

TEST_F(FilterRowTest, ATextThatDoesNotParseRaisesWhenStoredAndTheColumnKeepsItsText) {
    Filter(1)->KeepExpressionText(">1");
    grid_->StartFilterEdit(1);
    grid_->FilterEditor()->SetText("in 1");
    try {
        grid_->HideFilterEditor();
        ADD_FAILURE() << "no error";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "'(' expected: in 1");
    }
    EXPECT_EQ(Filter(1)->ExpressionText(), ">1");
    EXPECT_FALSE(EditorShown());
}

TEST_F(FilterRowTest, UpdateBracketHoldsTheEditorBackUntilItCloses) {
    grid_->STFilter()->BeginUpdate();
    grid_->StartFilterEdit(1);
    EXPECT_FALSE(EditorShown());
    grid_->StopFilterEdit();
    EXPECT_TRUE(grid_->FilterRowEditing());  // ending waits too
    grid_->STFilter()->EndUpdate();
    grid_->ShowFilterEditor(true);
    EXPECT_TRUE(EditorShown());
    // A counter below zero counts as not positive.
    grid_->STFilter()->EndUpdate();
    grid_->StopFilterEdit();
    EXPECT_FALSE(grid_->FilterRowEditing());
    grid_->STFilter()->BeginUpdate();
}

TEST_F(FilterRowTest, UpFromTheFirstRecordOpensTheEditorAndDownGoesBack) {
    phones_->First();
    grid_->SelectColumnByIndex(1);
    Key(VK_UP);
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(grid_->FilterColumn(), 1);
    TypeChars("<3");
    phones_->MoveBy(2);
    Key(VK_DOWN);
    EXPECT_FALSE(grid_->FilterRowEditing());
    EXPECT_EQ(phones_->RecNo(), 1);
    EXPECT_EQ(Filter(1)->ExpressionText(), "<3");
    // From a later record Up only moves the dataset.
    phones_->MoveBy(3);
    Key(VK_UP);
    EXPECT_FALSE(grid_->FilterRowEditing());
}

TEST_F(FilterRowTest, TabAndTheArrowsMoveAlongTheRowSkippingHiddenFilters) {
    Filter(1)->SetVisible(false);
    ClickFilterCell(0);
    ASSERT_TRUE(grid_->FilterEditor()->Focused());
    Key(VK_TAB);
    EXPECT_EQ(grid_->FilterColumn(), 2);
    // The whole text is selected: Left moves on at once, wrapping round.
    Key(VK_RIGHT);
    EXPECT_EQ(grid_->FilterColumn(), 0);
    Key(VK_LEFT);
    EXPECT_EQ(grid_->FilterColumn(), 2);
    // With the caret inside the text Left only moves the caret.
    TypeChars("ab");
    Key(VK_LEFT);
    EXPECT_EQ(grid_->FilterColumn(), 2);
    EXPECT_EQ(grid_->FilterEditor()->SelStart(), 1);
    // Moving on stored the typed text.
    SimulateKey(VK_SHIFT, true);
    Key(VK_TAB);
    SimulateKey(VK_SHIFT, false);
    ProcessMessages();
    EXPECT_EQ(grid_->FilterColumn(), 0);
    EXPECT_EQ(Filter(2)->ExpressionText(), "ab");
}

TEST_F(FilterRowTest, APressInTheDataAreaEndsFilterEditing) {
    ClickFilterCell(1);
    TypeChars("7");
    const TRect cell = grid_->CellRect(grid_->DataToRawColumn(1), grid_->TopDataOffset() + 2);
    SimulateClick(grid_->Handle(), POINT{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
    ProcessMessages();
    EXPECT_FALSE(grid_->FilterRowEditing());
    EXPECT_EQ(Filter(1)->ExpressionText(), "7");
}

TEST_F(FilterRowTest, AListFilterKeepsTheChosenKeysAndShowsTheirTexts) {
    TDataSource brands(nullptr);
    Filter(0)->SetListSource(&brands);
    Filter(0)->SetKeyField("id");
    Filter(0)->SetListField("name");
    Filter(0)->AssignKeyValues("诺基亚,华为", VarArrayOf({Variant(1), Variant(2)}));
    const Variant keys = Filter(0)->FirstOperand();
    ASSERT_TRUE(VarIsArray(keys));
    EXPECT_EQ(VarArrayGet(keys, {1}).AsInteger(), 2);
    EXPECT_EQ(Filter(0)->Expression().Operator1, fopIn);
    EXPECT_EQ(Filter(0)->ExpressionText(), "诺基亚,华为");
    EXPECT_TRUE(Filter(0)->ShowsDropDownButton());
    grid_->StartFilterEdit(0);
    EXPECT_EQ(grid_->FilterEditor()->Text(), "诺基亚,华为");
    // Null keys clear the condition.
    Filter(0)->AssignKeyValues("", Null());
    EXPECT_TRUE(VarIsNull(Filter(0)->FirstOperand()));
    EXPECT_EQ(Filter(0)->Expression().Operator1, fopNone);
    grid_->StopFilterEdit();
    Filter(0)->SetListSource(nullptr);
}

TEST_F(FilterRowTest, AListFilterCellDropsDownItsListAndTakesTheChosenKey) {
    TMemoryDataSet brands(nullptr);
    brands.AddColumn("id", ftInteger);
    brands.AddColumn("name", ftString, 20);
    brands.AddRow({1, "诺基亚"});
    brands.AddRow({2, "华为"});
    brands.Open();
    TDataSource brandSource(nullptr);
    brandSource.SetDataSet(&brands);
    Filter(0)->SetListSource(&brandSource);
    Filter(0)->SetKeyField("id");
    Filter(0)->SetListField("name");
    ClickFilterCell(0);
    TInplaceFilterEditVyn* editor = grid_->FilterEditor();
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(editor->Style(), csDropDownListVyn);
    EXPECT_TRUE(editor->EditButton()->Visible());
    // The press that opened the editor drops its list, as in any list-style
    // lookup box.
    ASSERT_TRUE(editor->ListVisible());
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_RETURN);  // takes the highlighted record
    EXPECT_FALSE(editor->ListVisible());
    EXPECT_EQ(editor->Text(), "华为");
    EXPECT_EQ(applied_, 0);
    Key(VK_RETURN);  // applies
    EXPECT_EQ(applied_, 1);
    EXPECT_EQ(Filter(0)->FirstOperand().AsInteger(), 2);
    EXPECT_EQ(Filter(0)->ExpressionText(), "华为");
    grid_->StopFilterEdit();
    Filter(0)->SetListSource(nullptr);
}

TEST(ColumnFilterDisplay, AParsedExpressionReadsBackAsText) {
    struct Case {
        const char* text;
        TFilterOperandKind kind;
        const char* shown;
    };
    for (const Case& c : {Case{">1 & <5", fokNumber, "> 1 AND < 5"}, Case{"not in (1,2)", fokNumber, "!In (1,2)"},
                          Case{"=null | 3", fokNumber, "=Null OR = 3"}, Case{"ab", fokString, "~ 'ab'"},
                          Case{"<>null", fokString, "<>Null"}}) {
        TSTFilterExpressionVyn e;
        e.OperandKind = c.kind;
        ParseFilterText(c.text, e);
        TSTColumnFilterVyn filter(nullptr);
        filter.AssignExpression(e);
        EXPECT_EQ(filter.ExpressionText(), c.shown) << c.text;
    }
}

}  // namespace
