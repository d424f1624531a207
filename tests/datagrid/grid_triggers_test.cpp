// Layout triggers: the deferred layout waiting for free locks, scaling of
// column widths, the view position kept over a walk, widths fitted to the
// contents, a row sized by hand, tab stops, scrolling by one row and the
// vertical bar moving the dataset.
#include "platform/data/field.h"
#include "platform/ui/forms.h"
#include "platform/win/winpaint.h"
#include "tests/datagrid/grid_fixture.h"

namespace {

using GridTriggersTest = GridTest;

TEST_F(GridTriggersTest, TheDeferredLayoutWaitsForFreeLocks) {
    TProbeGrid* grid = NewShownGrid(200, 100);
    const int passes = grid->layoutPasses;
    grid->BeginUpdate();
    grid->Perform(WM_DEFERRED_LAYOUT_VYN, 0, 0);
    EXPECT_EQ(grid->layoutPasses, passes);
    MSG msg;
    EXPECT_TRUE(PeekMessage(&msg, grid->Handle(), WM_DEFERRED_LAYOUT_VYN, WM_DEFERRED_LAYOUT_VYN, PM_NOREMOVE));
    EXPECT_EQ(grid->UpdateLock(), 1);
    grid->EndUpdate();
    Application->ProcessMessages();
    EXPECT_EQ(grid->layoutPasses, passes + 1);
}

TEST_F(GridTriggersTest, ScalingSpreadsTheRoundingOverTheColumns) {
    struct Case {
        std::vector<int> widths;
        int m, d;
        std::vector<int> scaled;
    };
    const Case cases[] = {{{75, 75, 75, 75}, 4, 3, {100, 100, 100, 100}}, {{10, 10, 10}, 3, 2, {15, 15, 15}},
                          {{7, 7}, 96, 120, {6, 5}}};
    for (const Case& c : cases) {
        TProbeGrid* grid = NewGrid();
        for (int width : c.widths) grid->Columns()->Add()->SetWidth(width);
        grid->ChangeScale(c.m, c.d);
        std::vector<int> scaled;
        for (int i = 0; i < grid->Columns()->Count(); ++i) scaled.push_back(grid->Columns()->Items(i)->Width());
        EXPECT_EQ(scaled, c.scaled);
    }
}

TEST_F(GridTriggersTest, TheViewPositionComesBackAfterAWalk) {
    FillPhones(30);
    phones_->Open();
    TProbeGrid* grid = NewShownGrid(300, 150, [&](TProbeGrid* g) { g->SetDataSource(source_.get()); });
    phones_->MoveBy(12);
    const int recNo = phones_->RecNo();
    const int active = grid->DataLink()->ActiveRecord();
    grid->SaveViewPosition();
    phones_->First();
    grid->RestoreViewPosition();
    EXPECT_EQ(phones_->RecNo(), recNo);
    EXPECT_EQ(grid->DataLink()->ActiveRecord(), active);
}

TEST_F(GridTriggersTest, FittingTakesTheWidestValueTitleAndFooter) {
    FillPhones(3);
    phones_->AddRow({"一个很长很长的编号文字", 1.0, false});
    phones_->Open();
    phones_->Last();
    TProbeGrid* grid = NewGrid();
    grid->SetDataSource(source_.get());
    TColumnVyn* number = grid->Columns()->Add();
    number->SetFieldName("编号");
    number->SetWidth(10);
    TColumnVyn* price = grid->Columns()->Add();
    price->SetFieldName("价格");
    price->SetWidth(10);
    price->Footer()->SetValueType(fvtStaticText);
    price->Footer()->SetValue("这是一段相当长的合计文字");
    grid->SetFooterRowCount(1);
    grid->OptimizeColumnWidths(number);
    TBitmap bitmap;
    bitmap.Canvas()->SetFont(number->Font());
    EXPECT_GE(number->Width(), bitmap.Canvas()->TextWidth("一个很长很长的编号文字") + 4);
    EXPECT_EQ(price->Width(), 10);  // not asked for
    EXPECT_EQ(phones_->RecNo(), 4);  // back where it was
    price->FitWidthToData();
    EXPECT_GE(price->Width(), bitmap.Canvas()->TextWidth("这是一段相当长的合计文字") + 5);
}

}  // namespace

namespace {

TEST_F(GridTriggersTest, ARowSizedByHandSetsEveryRowsHeight) {
    FillPhones(5);
    phones_->Open();
    TProbeGrid* grid = NewShownGrid(300, 200, [&](TProbeGrid* g) {
        g->SetRowLines(2);
        g->SetDataSource(source_.get());
    });
    const int row = grid->TopDataOffset() + 1;
    grid->SetRowHeights(row, 40);  // as the row-sizing drag leaves it
    EXPECT_EQ(grid->RowLines(), 0);
    EXPECT_EQ(grid->RowHeight(), 40);
    EXPECT_EQ(grid->DefaultRowHeight(), 40);
    EXPECT_EQ(grid->RowHeights(grid->TopDataOffset()), 40);
}

TEST_F(GridTriggersTest, OnlyWritableColumnsAreTabStops) {
    FillPhones(2);
    phones_->Open();
    TProbeGrid* grid = NewGrid();
    grid->SetDataSource(source_.get());
    grid->Columns()->Items(1)->SetReadOnly(true);
    phones_->FieldByName("已返厂")->SetReadOnly(true);
    grid->RequestLayout();
    EXPECT_TRUE(grid->TabStops(1));
    EXPECT_FALSE(grid->TabStops(2));
    EXPECT_FALSE(grid->TabStops(3));
}

}  // namespace

namespace {

TEST_F(GridTriggersTest, AOneRowScrollMovesThePixelsAndRepaintsOnlyTheUncoveredRow) {
    FillPhones(50);
    phones_->Open();
    TProbeGrid* grid = NewShownGrid(300, 200, [&](TProbeGrid* g) { g->SetDataSource(source_.get()); });
    const int rows = grid->DataLink()->RecordCount();
    phones_->MoveBy(rows - 1);  // the last row in view
    Application->ProcessMessages();
    const TRect title = grid->CellRect(1, 0);
    grid->BeginUpdate();  // keeps the repaint from happening at once
    phones_->Next();
    RECT update{};
    GetUpdateRect(grid->Handle(), &update, FALSE);
    EXPECT_GT(update.top, title.bottom + grid->DefaultRowHeight());  // the rows above moved, not repainted
    Application->ProcessMessages();
    phones_->MoveBy(rows + 5);  // beyond a screen: everything again
    GetUpdateRect(grid->Handle(), &update, FALSE);
    EXPECT_EQ(update.top, 0);
    grid->EndUpdate();
}

}  // namespace

namespace {

TEST_F(GridTriggersTest, TheVerticalBarMovesTheDataset) {
    FillPhones(50);
    phones_->Open();
    TProbeGrid* grid = NewShownGrid(300, 200, [&](TProbeGrid* g) { g->SetDataSource(source_.get()); });
    const int rows = grid->DataLink()->RecordCount();
    grid->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(phones_->RecNo(), rows + 1);  // the record below the last one in view
    grid->Perform(WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_TRUE(phones_->Eof());
    grid->Perform(WM_VSCROLL, SB_PAGEUP, 0);
    EXPECT_EQ(phones_->RecNo(), 50 - (grid->VisibleRowCount()));
    grid->Perform(WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(phones_->RecNo(), 1);
    TWinControl* form = grid->Parent();
    TScrollBar* bar = TScrollBar::Create(form);
    bar->SetParent(form);
    bar->SetKind(sbVertical);
    bar->SetBounds(300, 0, 16, 200);
    grid->VertScrollBar()->SetExtScrollBar(bar);
    Application->ProcessMessages();
    bar->SetPosition(20);
    grid->Perform(WM_VSCROLL, SB_THUMBPOSITION, static_cast<LPARAM>(bar->Handle()));
    EXPECT_EQ(phones_->RecNo(), 20);

    // A tracked thumb moves the dataset as it goes; its release does not
    // move it a second time, the next thumb position does.
    grid->VertScrollBar()->SetTracking(true);
    bar->SetPosition(30);
    grid->Perform(WM_VSCROLL, SB_THUMBTRACK, static_cast<LPARAM>(bar->Handle()));
    EXPECT_EQ(phones_->RecNo(), 30);
    phones_->MoveBy(2);
    grid->Perform(WM_VSCROLL, SB_THUMBPOSITION, static_cast<LPARAM>(bar->Handle()));
    EXPECT_EQ(phones_->RecNo(), 32);
    bar->SetPosition(30);
    grid->Perform(WM_VSCROLL, SB_THUMBPOSITION, static_cast<LPARAM>(bar->Handle()));
    EXPECT_EQ(phones_->RecNo(), 30);
}

}  // namespace

namespace {

TEST_F(GridTriggersTest, AResizedGridBuffersTheRowsThatNowFit) {
    FillPhones(50);
    phones_->Open();
    TProbeGrid* grid = NewShownGrid(300, 150, [&](TProbeGrid* g) { g->SetDataSource(source_.get()); });
    const int before = grid->DataLink()->RecordCount();
    grid->SetBounds(0, 0, 300, 400);
    Application->ProcessMessages();
    EXPECT_GT(grid->DataLink()->RecordCount(), before);
    EXPECT_EQ(grid->RowCount(), grid->TopDataOffset() + grid->DataLink()->RecordCount());
}

}  // namespace
