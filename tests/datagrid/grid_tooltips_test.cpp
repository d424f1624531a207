// The list grid's tooltips by real mouse moves: a cut cell, title or
// footer shows its full text at once in a TToolTipsWindow, a fitting one
// nothing, nothing while Ctrl is held, and a title's Hint replaces it.
#include "datagrid/DBGridVynToolTips.h"
#include "platform/rtl/clock.h"
#include "platform/rtl/datetime.h"
#include "platform/ui/forms.h"
#include "tests/datagrid/list_grid_fixture.h"

namespace {

class GridToolTipsTest : public ListGridTest {
protected:
    void SetUp() override {
        ListGridTest::SetUp();
        grid_->SetHint("单击列头可实现排序");
        grid_->SetShowHint(true);
        for (int i = 0; i < grid_->Columns()->Count(); ++i) {
            TColumnVyn* column = grid_->Columns()->Items(i);
            column->SetToolTips(true);
            column->Title()->SetToolTips(true);
            column->Footer()->SetToolTips(true);
        }
        grid_->Columns()->Items(0)->SetWidth(24);  // cuts "0003", its title and "合计数量"
        ProcessMessages();
    }
    void TearDown() override {
        Application->CancelHint();
        ListGridTest::TearDown();
    }
    // The hint showing after the pointer rests on `p` for `wait` ms (a
    // tooltip's pause is none), or nullptr.
    THintWindow* HintAt(POINT p, int wait = 20) {
        Move(p);
        AdvanceClock(wait);
        ProcessMessages();
        THintWindow* window = Application->HintWindow();
        return window && window->IsShowing() ? window : nullptr;
    }
    POINT Center(int column, int row) const {
        const TRect cell = grid_->CellRect(grid_->DataToRawColumn(column), row);
        return POINT{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    }
    FrozenClockScope clock_{EncodeDate(2026, 12, 11)};
};

TEST_F(GridToolTipsTest, ACutTextShowsWholeAndAFittingOneNothing) {
    const int top = grid_->TopDataOffset();
    const int footer = grid_->RowCount() - 1;
    const struct {
        POINT at;
        const char* text;  // nullptr: no hint shows
    } cases[] = {
        {Center(0, top), "0003"},      {Center(1, top), nullptr},     {Center(0, 0), "编号"},
        {Center(0, footer), "合计数量"}, {Center(0, top + 1), "0001"}, {Center(1, footer), nullptr},
    };
    for (const auto& c : cases) {
        THintWindow* window = HintAt(c.at);
        if (!c.text) {
            EXPECT_EQ(window, nullptr) << c.at.x << "," << c.at.y;
            continue;
        }
        ASSERT_NE(window, nullptr) << c.text;
        EXPECT_TRUE(window->InheritsFrom(TToolTipsWindow::StaticClass())) << c.text;
        EXPECT_EQ(window->Caption(), c.text);
        // As wide as its text and margins, no wider.
        EXPECT_EQ(window->Width(), window->CalcHintRect(Screen->Width(), c.text, nullptr).right) << c.text;
    }
}

TEST_F(GridToolTipsTest, CtrlHeldShowsNothingAndATitleHintReplacesTheCaption) {
    SimulateKey(VK_CONTROL, true);
    EXPECT_EQ(HintAt(Center(0, grid_->TopDataOffset())), nullptr);
    SimulateKey(VK_CONTROL, false);
    ProcessMessages();
    grid_->Columns()->Items(0)->Title()->SetHint("串号|手机的串号");
    THintWindow* window = HintAt(Center(0, 0), Application->HintPause() + 20);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->InheritsFrom(TToolTipsWindow::StaticClass()));
    EXPECT_EQ(window->Caption(), "串号");
}

// A vertical title is measured turned: "编" fits up a tall title row
// though across its narrow column it would not.
TEST_F(GridToolTipsTest, AVerticalTitleIsMeasuredTurned) {
    grid_->SetTitleHeight(30);
    TColumnVyn* column = grid_->Columns()->Items(0);
    column->Title()->SetCaption("编");
    TBitmap measuring;
    measuring.Canvas()->SetFont(column->Title()->Font());
    column->SetWidth(measuring.Canvas()->TextHeight("编") + 2);
    ProcessMessages();
    ASSERT_NE(HintAt(Center(0, 0)), nullptr);
    Move(Center(1, grid_->TopDataOffset()));
    ProcessMessages();
    column->Title()->SetOrientation(tohVertical);
    ProcessMessages();
    EXPECT_EQ(HintAt(Center(0, 0)), nullptr);
}

}  // namespace
