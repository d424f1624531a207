// The layout pass on a shown grid: rows with their title, spacer and
// footer rows, row heights fitted to text, frozen and hidden columns, and
// widths shared among auto-fit columns.
#include "platform/data/dataset.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls_scrollbar.h"
#include "platform/win/winscroll.h"
#include "platform/win/winuser.h"
#include "tests/datagrid/grid_fixture.h"

class GridGeometryTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        form_.reset(TForm::Create(nullptr));
        form_->SetBounds(0, 0, 500, 400);
        grid_ = TProbeGrid::Create(form_.get());
        grid_->SetParent(form_.get());
        grid_->SetBounds(0, 0, 400, 300);
        form_->Show();
    }
    void TearDown() override {
        form_.reset();
        GridTest::TearDown();
    }
    int Pitch() const { return grid_->DefaultRowHeight() + grid_->GridLineWidth(); }

    std::unique_ptr<TForm> form_;
    TProbeGrid* grid_ = nullptr;
};

TEST_F(GridGeometryTest, WithoutDataOneEmptyRowAndTheFootersAtTheBottom) {
    grid_->RequestLayout();
    EXPECT_EQ(grid_->RowCount(), grid_->TopDataOffset() + 1);
    grid_->SetFooterRowCount(2);
    const int rows = grid_->RowCount();
    EXPECT_EQ(rows, grid_->TopDataOffset() + 1 + 3);
    EXPECT_EQ(grid_->CellRect(1, rows - 1).bottom, grid_->ClientHeight() - grid_->GridLineWidth());
}

TEST_F(GridGeometryTest, TheRowsThatFitAreTheLinksBufferAndTheSpacerTakesTheRest) {
    FillPhones(30);
    phones_->Open();
    grid_->SetFooterRowCount(1);
    grid_->SetDataSource(source_.get());
    const int title = grid_->RowHeights(0) + grid_->GridLineWidth();
    const int footer = Pitch() + grid_->GridLineWidth();
    grid_->SetClientHeight(title + footer + 10 * Pitch() + Pitch() / 2);
    grid_->RequestLayout();
    EXPECT_EQ(grid_->DataLink()->RecordCount(), 10);
    EXPECT_EQ(grid_->RowCount(), 10 + grid_->TopDataOffset() + 2);
    EXPECT_EQ(grid_->RowHeights(grid_->RowCount() - 2), grid_->ClientHeight() - title - footer - 10 * Pitch());
}

TEST_F(GridGeometryTest, RowHeightFittedToWholeTextLines) {
    TFont font;
    font.SetHeight(-13);
    grid_->SetFont(&font);
    grid_->BeginLayout();
    grid_->SetOptions({dgTitles, dgIndicator});  // no row lines: K is 3
    grid_->SetOptionsVyn(grid_->OptionsVyn() + TDBGridVynOptions{dghFitRowHeightToText});
    grid_->SetRowHeight(30);
    grid_->EndLayout();
    EXPECT_EQ(grid_->DefaultRowHeight(), 29);
    EXPECT_EQ(grid_->RowLines(), 2);
    EXPECT_EQ(grid_->RowHeight(), 3);
}

TEST_F(GridGeometryTest, FrozenAndHiddenColumns) {
    struct Case {
        int frozen;
        std::vector<bool> visible;
        int fixedCols;
    };
    const Case cases[] = {
        {1, {false, true, true}, 3},          // a hidden column widens the frozen span
        {1, {true, false, false, true}, 4},   // hidden columns right after it join it
        {0, {false, false, false}, 0},        // all hidden: one less than indicator and frozen columns
        {2, {true, true, true, true}, 3},
    };
    for (const Case& c : cases) {
        grid_->BeginLayout();
        grid_->Columns()->Clear();
        for (bool visible : c.visible) grid_->Columns()->Add()->SetVisible(visible);
        grid_->SetFrozenCols(c.frozen);
        grid_->EndLayout();
        EXPECT_EQ(grid_->FixedCols(), c.fixedCols) << c.frozen << " frozen of " << c.visible.size();
        EXPECT_EQ(grid_->ColCount(), static_cast<int>(c.visible.size()) + 1);
    }
}

TEST_F(GridGeometryTest, AutoFitSharesTheWidthAndMayReachBeyondTheClient) {
    grid_->BeginLayout();
    for (int base : {100, 50, 50}) {
        TColumnVyn* column = grid_->Columns()->Add();
        column->SetAutoFitBaseWidth(base);
    }
    grid_->SetAutoFitColWidths(true);
    grid_->EndLayout();
    auto widths = [&] {
        int sum = 0;
        for (int i = 0; i < 3; ++i) sum += grid_->Columns()->Items(i)->Width();
        return sum;
    };
    // The client width less the indicator, a line per column and one more.
    const int avail = grid_->ClientWidth() - 11 - 3 - 1;
    EXPECT_EQ(widths(), avail);
    EXPECT_NEAR(grid_->Columns()->Items(0)->Width(), avail / 2, 1);
    EXPECT_EQ(grid_->ScrollBars(), ssNone);

    grid_->SetMinAutoFitWidth(1000);
    EXPECT_EQ(widths(), 1000 - 11 - 3 - 1);
}

TEST_F(GridGeometryTest, ResizingTheLastAutoFitColumnLeavesTheOthersBases) {
    grid_->BeginLayout();
    for (int base : {60, 60}) grid_->Columns()->Add()->SetAutoFitBaseWidth(base);
    grid_->SetAutoFitColWidths(true);
    grid_->EndLayout();
    const int firstBase = grid_->Columns()->Items(0)->AutoFitBaseWidth();
    grid_->SetColWidths(2, grid_->ColWidths(2) - 20);
    EXPECT_EQ(grid_->Columns()->Items(0)->AutoFitBaseWidth(), firstBase);
}

namespace {

SCROLLINFO VertInfo(TCustomGrid* grid) {
    SCROLLINFO info{};
    info.fMask = SIF_ALL;
    GetScrollInfo(grid->Handle(), SB_VERT, &info);
    return info;
}

bool VertShown(TCustomGrid* grid) { return GetWindowLongPtr(grid->Handle(), GWL_STYLE) & WS_VSCROLL; }

}  // namespace

TEST_F(GridGeometryTest, TheVerticalBarNumbersSequencedRecords) {
    FillPhones(40);
    phones_->Open();
    grid_->SetDataSource(source_.get());
    phones_->SetRecNo(7);
    const SCROLLINFO info = VertInfo(grid_);
    EXPECT_EQ(info.nMin, 1);
    EXPECT_EQ(info.nPos, 7);
    EXPECT_EQ(info.nMax, 40 + static_cast<int>(info.nPage) - 1);
    EXPECT_TRUE(VertShown(grid_));
}

TEST_F(GridGeometryTest, WithoutRecordNumbersTheBarHasThreePositions) {
    FillPhones(40);
    phones_->SetSequenced(false);
    phones_->Open();
    grid_->SetDataSource(source_.get());
    struct Step {
        void (TDataSet::*move)();
        int pos;
    };
    for (const Step& step : {Step{&TDataSet::First, 0}, Step{&TDataSet::Next, 2}, Step{&TDataSet::Last, 4}}) {
        (phones_.get()->*step.move)();
        EXPECT_EQ(VertInfo(grid_).nPos, step.pos);
        EXPECT_EQ(VertInfo(grid_).nMax, 4);
    }
}

TEST_F(GridGeometryTest, VisibleModeDecidesWhetherABarThatCannotScrollShows) {
    FillPhones(2);
    phones_->Open();
    grid_->SetDataSource(source_.get());
    EXPECT_FALSE(VertShown(grid_));  // auto: nothing to scroll
    grid_->VertScrollBar()->SetVisibleMode(sbAlwaysShowVyn);
    EXPECT_TRUE(VertShown(grid_));
    grid_->VertScrollBar()->SetVisibleMode(sbNeverShowVyn);
    EXPECT_FALSE(VertShown(grid_));
    FillPhones(40);
    phones_->Close();
    phones_->Open();
    EXPECT_FALSE(VertShown(grid_));  // never, even with records to scroll
    grid_->VertScrollBar()->SetVisibleMode(sbAutoShowVyn);
    EXPECT_TRUE(VertShown(grid_));
}

TEST_F(GridGeometryTest, AnExternalBarScrollsTheGridAsItsOwnBarWould) {
    grid_->BeginLayout();
    for (int i = 0; i < 12; ++i) grid_->Columns()->Add()->SetWidth(60);
    grid_->EndLayout();
    TScrollBar* bar = TScrollBar::Create(form_.get());
    bar->SetParent(form_.get());
    bar->SetBounds(0, 320, 400, 17);
    grid_->HorzScrollBar()->SetExtScrollBar(bar);
    EXPECT_EQ(grid_->ScrollBars(), ssNone);  // the window's own bar gives way
    EXPECT_EQ(bar->Max(), kGridScrollRange);

    const int left = grid_->LeftCol();
    bar->Perform(CN_HSCROLL, SB_LINERIGHT, 0);
    EXPECT_EQ(grid_->LeftCol(), left + 1);
    EXPECT_GT(bar->Position(), 0);  // and the bar follows the grid

    // A second grid cannot take the same bar; the first keeps it.
    TProbeGrid* other = TProbeGrid::Create(form_.get());
    try {
        other->HorzScrollBar()->SetExtScrollBar(bar);
        FAIL() << "attached twice";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Possible  already attached to the other control.");  // the bar has no name
    }
    EXPECT_EQ(other->HorzScrollBar()->ExtScrollBar(), nullptr);
    bar->Perform(CN_HSCROLL, SB_LINERIGHT, 0);
    EXPECT_EQ(grid_->LeftCol(), left + 2);

    grid_->HorzScrollBar()->SetExtScrollBar(nullptr);
    EXPECT_TRUE(bar->WindowProc() == TWndMethod(bar, &TControl::WndProc));
    bar->Perform(CN_HSCROLL, SB_LINERIGHT, 0);
    EXPECT_EQ(grid_->LeftCol(), left + 2);
    EXPECT_EQ(grid_->ScrollBars(), ssHorizontal);
}

TEST_F(GridGeometryTest, VisibleAndVisibleMode) {
    TVertDBGridVynScrollBar* bar = grid_->VertScrollBar();
    bar->SetVisibleMode(sbNeverShowVyn);
    EXPECT_FALSE(bar->Visible());
    bar->SetVisible(true);
    EXPECT_EQ(bar->VisibleMode(), sbAutoShowVyn);
}

TEST_F(GridGeometryTest, LayoutInfoAgreesWithTheBaseGridAndMeasuresFrozenAndFooterParts) {
    grid_->BeginLayout();
    for (int width : {50, 70, 90, 110, 130}) grid_->Columns()->Add()->SetWidth(width);
    grid_->SetFrozenCols(1);
    grid_->SetFooterRowCount(2);
    grid_->EndLayout();
    const TGridLayoutInfo layout = grid_->CalcGridLayoutInfo();
    TGridDrawInfo base;
    grid_->CalcDrawInfo(base);
    for (const auto& [ours, theirs] : {std::pair{&layout.Horz, &base.Horz}, std::pair{&layout.Vert, &base.Vert}}) {
        EXPECT_EQ(ours->FixedBoundary, theirs->FixedBoundary);
        EXPECT_EQ(ours->GridBoundary, theirs->GridBoundary);
        EXPECT_EQ(ours->LastFullVisibleCell, theirs->LastFullVisibleCell);
    }
    EXPECT_EQ(layout.Horz.FrozenExtent, 50 + 1);
    const TGridLayoutInfo fixed = grid_->CalcFixedLayoutInfo();
    EXPECT_EQ(fixed.Horz.FixedBoundary, layout.Horz.FixedBoundary);
    EXPECT_EQ(fixed.Vert.FixedBoundary, layout.Vert.FixedBoundary);
    EXPECT_EQ(fixed.Horz.FrozenExtent, 50 + 1);
    EXPECT_EQ(layout.Vert.FooterExtent, 2 * Pitch());
    const TGridCoord max = grid_->CalcMaxTopLeftCell();
    grid_->SetLeftCol(100);  // the base grid clamps to the same last position
    EXPECT_EQ(grid_->LeftCol(), max.X);
}

TEST_F(GridGeometryTest, ResizingUnderResizeWholeRightPartRescalesTheColumnsToTheRight) {
    grid_->BeginLayout();
    for (int base : {60, 60, 120}) grid_->Columns()->Add()->SetAutoFitBaseWidth(base);
    grid_->SetAutoFitColWidths(true);
    grid_->SetOptionsVyn(grid_->OptionsVyn() + TDBGridVynOptions{dghResizeWholeRightPart});
    grid_->EndLayout();
    const int total = grid_->ColWidths(1) + grid_->ColWidths(2) + grid_->ColWidths(3);
    const int third = grid_->ColWidths(3);
    grid_->SetColWidths(1, grid_->ColWidths(1) + 40);
    EXPECT_NEAR(grid_->ColWidths(1) + grid_->ColWidths(2) + grid_->ColWidths(3), total, 1);  // still the client width
    EXPECT_LT(grid_->ColWidths(3), third);  // the columns to the right gave the room
    EXPECT_NEAR(grid_->ColWidths(3), 2 * grid_->ColWidths(2), 4);  // in proportion, the last taking the rounding
}
