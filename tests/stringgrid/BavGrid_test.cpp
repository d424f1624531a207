// The string grid component: defaults when created by class name, the
// integral height, the scroll bars kept in view and the cell hooks.
#include "stringgrid/BavGrid.h"

#include "platform/rtl/classregistry.h"
#include "platform/win/clipboard.h"
#include "platform/ui/control_fixture.h"
#include "platform/rtl/ole2.h"
#include "platform/win/winscroll.h"
#include "platform/win/winuser.h"
#include "stringgrid/BavFilter.h"
#include "stringgrid/BavObj.h"

namespace {

class BavGridTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        form = NewForm(600, 400);
        form->Show();
    }
    TBavStringGrid* NewGrid() {
        auto cls = static_cast<TComponentClass>(FindClass("TBavStringGrid"));
        auto* grid = static_cast<TBavStringGrid*>(cls->Create(form));
        grid->SetParent(form);
        return grid;
    }
    TForm* form = nullptr;
};

TEST_F(BavGridTest, ANewGridHasItsDefaults) {
    TBavStringGrid* grid = NewGrid();
    EXPECT_EQ(grid->RowCount(), 10);
    EXPECT_EQ(grid->ColCount(), 5);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(grid->FixedCols(), 1);
    EXPECT_EQ(grid->DefaultRowHeight(), 21);
    EXPECT_EQ(grid->Width(), 400);
    EXPECT_EQ(grid->Height(), 250);
    EXPECT_EQ(grid->CheckTrue(), "Y");
    EXPECT_EQ(grid->CheckFalse(), "N");
    EXPECT_EQ(grid->FloatFormat(), "%.2f");
    EXPECT_EQ(grid->PasswordChar(), '*');
    EXPECT_EQ(grid->SelectionColor(), TColor(0xEACAB6));
    EXPECT_EQ(grid->FixedFont()->Name(), "Tahoma");
    EXPECT_TRUE(grid->FixedFont()->Style().Contains(fsBold));
    EXPECT_TRUE(grid->EnableHTML());
    EXPECT_TRUE(grid->ControlStyle().Contains(csAcceptsControls));
    EXPECT_EQ(grid->GetVersionString(), "1.0.0.0");
    EXPECT_NE(dynamic_cast<IComponentStyle*>(grid), nullptr);
    EXPECT_TRUE(OleInitialized()) << "the unit started OLE";
    EXPECT_EQ(CellsClipboardFormat(), RegisterClipboardFormat("TBavStringGrid Cells"));
}

TEST_F(BavGridTest, IntegralHeightKeepsWholeRows) {
    TBavStringGrid* grid = NewGrid();
    grid->SetIntegralHeight(true);
    grid->SetBounds(0, 0, 400, 100);
    EXPECT_EQ(grid->Height(), 88) << "inner 98 less 98 mod 21, with the border twice";
    grid->SetIntegralHeight(false);
    grid->SetBounds(0, 0, 400, 100);
    EXPECT_EQ(grid->Height(), 100);
}

TEST_F(BavGridTest, AnAlwaysShownBarStaysDisabledWhenAllRowsAreInView) {
    TBavStringGrid* grid = NewGrid();
    grid->SetRowCount(3);
    grid->HandleNeeded();
    grid->SetScrollBarAlways(saVert);
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetScrollBarInfo(grid->Handle(), OBJID_VSCROLL, &info));
    EXPECT_TRUE(DWORD(GetWindowLongPtr(grid->Handle(), GWL_STYLE)) & WS_VSCROLL) << "shown";
    EXPECT_TRUE(info.rgstate[1] & STATE_SYSTEM_UNAVAILABLE) << "its arrows disabled";
}

TEST_F(BavGridTest, NumbersAlignRightWithAutoNumAlign) {
    TBavStringGrid* grid = NewGrid();
    grid->SetAutoNumAlign(true);
    struct Case {
        const char* text;
        TAlignment expected;
    };
    const Case cases[] = {{"12", taRightJustify}, {"1E3", taRightJustify}, {"abc", taLeftJustify}, {" 3.5 ", taRightJustify}};
    for (const Case& c : cases) {
        grid->SetCells(1, 1, c.text);
        TAlignment horizontal;
        TVAlignment vertical;
        grid->GetCellAlignment(1, 1, horizontal, vertical);
        EXPECT_EQ(horizontal, c.expected) << c.text;
        EXPECT_EQ(vertical, vtaTop);
    }
    grid->GetCellProperties(1, 1)->SetAlignment(taCenter);
    TAlignment horizontal;
    TVAlignment vertical;
    grid->GetCellAlignment(1, 1, horizontal, vertical);
    EXPECT_EQ(horizontal, taCenter) << "the cell's own alignment wins";
}

TEST_F(BavGridTest, HooksAskTheApplication) {
    TBavStringGrid* grid = NewGrid();
    bool fixed = false;
    grid->IsFixedCellHook(0, 3, fixed);
    EXPECT_TRUE(fixed);
    fixed = false;
    grid->IsFixedCellHook(2, 3, fixed);
    EXPECT_FALSE(fixed);
    grid->SetOnIsFixedCell([](TObject*, int row, int, bool& isFixed) { isFixed = row == 5; });
    grid->IsFixedCellHook(2, 5, fixed);
    EXPECT_TRUE(fixed);

    AnsiString text;
    grid->GetCheckTrueText(1, 1, text);
    EXPECT_EQ(text, "Y");
    grid->SetOnGetCheckFalse([](TObject*, int, int, AnsiString& value) { value = "否"; });
    grid->GetCheckFalseText(1, 1, text);
    EXPECT_EQ(text, "否");

    TGridOptions options = grid->Options();
    options.Include(goEditing);
    grid->SetOptions(options);
    grid->MergeCells(1, 1, 2, 1);
    grid->GetCellProperties(1, 1)->SetReadOnly(true);
    bool allow = true;
    grid->CanEditCellHook(2, 1, allow);
    EXPECT_FALSE(allow) << "a covered cell answers for its read-only base";
    allow = true;
    grid->CanEditCellHook(3, 3, allow);
    EXPECT_TRUE(allow);
    EXPECT_FALSE(grid->HasComboBox(1, 1));
    EXPECT_FALSE(grid->HasFilterButton(1));

    TFont font;
    TBrush brush;
    grid->GetCellProperties(2, 2)->SetBrushColor(clYellow);
    grid->GetCellProperties(2, 2)->SetFontColor(clRed);
    grid->GetCellColorHook(2, 2, &font, &brush, TGridDrawState());
    EXPECT_EQ(brush.Color(), clYellow);
    EXPECT_EQ(font.Color(), clRed);
}

TEST_F(BavGridTest, AssignTakesOnlyStringGrids) {
    TBavStringGrid* source = NewGrid();
    source->SetColCount(3);
    source->SetRowCount(4);
    source->SetCells(2, 3, "last");
    source->Filter()->Add()->SetCondition(">5");
    source->OfficeHint()->SetTitle("提示");
    source->SetAnchorHint(true);
    TBavStringGrid* copy = NewGrid();
    copy->Assign(source);
    ASSERT_EQ(copy->Filter()->Count(), 1);
    EXPECT_EQ(copy->Filter()->Items(0)->Condition(), ">5");
    EXPECT_EQ(copy->OfficeHint()->Title(), "提示");
    EXPECT_TRUE(copy->AnchorHint());
    EXPECT_EQ(copy->ColCount(), 3);
    EXPECT_EQ(copy->RowCount(), 4);
    EXPECT_EQ(copy->Cells(2, 3), "last");
    TStringList other;
    copy->Assign(&other);
    EXPECT_EQ(copy->ColCount(), 3);
}

}  // namespace
