// Layout brackets: setters inside a bracket give one pass when it closes,
// the deferred layout is queued once, and brackets close when work fails.
#include "platform/ui/forms.h"
#include "platform/win/msgqueue.h"
#include "tests/datagrid/grid_fixture.h"

using GridLayoutTest = GridTest;

TEST_F(GridLayoutTest, SettersInsideABracketGiveOnePassWhenTheOutermostCloses) {
    TProbeGrid* grid = NewGrid();
    const int before = grid->layoutPasses;
    grid->BeginLayout();
    grid->BeginLayout();
    grid->SetRowHeight(4);
    grid->SetFooterRowCount(1);
    grid->SetOptions({dgTitles});
    grid->EndLayout();
    EXPECT_EQ(grid->layoutPasses, before);
    grid->EndLayout();
    EXPECT_EQ(grid->layoutPasses, before + 1);
    EXPECT_EQ(grid->LayoutLock(), 0);
    EXPECT_EQ(grid->UpdateLock(), 0);
    EXPECT_EQ(grid->Columns()->UpdateCount(), 0);

    grid->BeginUpdate();
    grid->SetRowLines(2);
    EXPECT_FALSE(grid->BeginLayoutIfFree());
    grid->EndUpdate();
    grid->EndUpdate();  // never below zero
    EXPECT_EQ(grid->UpdateLock(), 0);
    EXPECT_EQ(grid->layoutPasses, before + 1);  // an update lock holds passes back without running one later

    grid->BeginLayout();
    grid->SetRowLines(3);
    grid->CancelLayout();
    EXPECT_EQ(grid->layoutPasses, before + 1);
    EXPECT_EQ(grid->LayoutLock(), 0);
}

TEST_F(GridLayoutTest, TheDeferredLayoutIsQueuedOnceAndDroppedWhenAPassRunsFirst) {
    TForm* form = TForm::Create(nullptr);
    std::unique_ptr<TForm> owner(form);
    TProbeGrid* grid = TProbeGrid::Create(form);
    grid->SetParent(form);
    grid->SetBounds(0, 0, 200, 100);
    form->Show();
    MSG msg;
    auto queued = [&] {
        int count = 0;
        while (PeekMessage(&msg, grid->Handle(), WM_DEFERRED_LAYOUT_VYN, WM_DEFERRED_LAYOUT_VYN, PM_REMOVE)) ++count;
        return count;
    };
    for (int i = 0; i < 3; ++i) {
        grid->BeginLayout();
        grid->PostDeferredLayout();
    }
    EXPECT_EQ(grid->LayoutLock(), 0);
    EXPECT_EQ(grid->UpdateLock(), 0);
    EXPECT_EQ(queued(), 1);

    grid->BeginLayout();
    grid->PostDeferredLayout();
    const int passes = grid->layoutPasses;
    grid->RequestLayout();  // a pass now makes the queued one needless
    EXPECT_EQ(grid->layoutPasses, passes + 1);
    EXPECT_EQ(queued(), 0);

    grid->BeginLayout();
    grid->PostDeferredLayout();
    Application->ProcessMessages();  // the queued request lays out
    EXPECT_EQ(grid->layoutPasses, passes + 2);
}

namespace {

// A grid whose layout pass fails.
class TFailingGrid : public TDBGridVyn {
    SERVIORA_CLASS(TFailingGrid, TDBGridVyn)
public:
    using TDBGridVyn::TDBGridVyn;
    bool fail = false;

protected:
    void LayoutPass() override {
        if (fail) throw Exception("布局失败");
        TDBGridVyn::LayoutPass();
    }
};

}  // namespace

TEST_F(GridLayoutTest, BracketsCloseWhenThePassFails) {
    std::unique_ptr<TFailingGrid> grid(TFailingGrid::Create(nullptr));
    grid->fail = true;
    grid->BeginLayout();
    EXPECT_THROW(grid->EndLayout(), Exception);
    EXPECT_EQ(grid->LayoutLock(), 0);
    EXPECT_EQ(grid->UpdateLock(), 0);
    EXPECT_EQ(grid->Columns()->UpdateCount(), 0);
    EXPECT_THROW(grid->SetRowLines(1), Exception);
    grid->fail = false;
    EXPECT_TRUE(grid->BeginLayoutIfFree());
    grid->EndLayout();
}
