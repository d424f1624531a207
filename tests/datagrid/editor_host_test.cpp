// The grid as host of an in-place editor: reached through its interface,
// it allows editing and hands over its last press once.
#include "platform/win/testseams.h"
#include "tests/datagrid/grid_fixture.h"

namespace {

using EditorHostTest = GridTest;

TEST_F(EditorHostTest, TheLastPressIsHandedOverOnce) {
    TProbeGrid* grid = NewShownGrid(300, 200);
    auto* holder = dynamic_cast<IInplaceEditHolderVyn*>(static_cast<TObject*>(grid));
    ASSERT_NE(holder, nullptr);
    EXPECT_TRUE(holder->CanEditorModify(nullptr));
    SimulateClick(grid->Handle(), {50, 30});
    Application->ProcessMessages();
    TPoint pos{};
    int time = 0;
    EXPECT_FALSE(holder->LastMouseDownForEditor(pos, time));
    const TPoint expected = grid->ClientToScreen(TPoint{50, 30});
    EXPECT_EQ(pos.x, expected.x);
    EXPECT_EQ(pos.y, expected.y);
    EXPECT_NE(time, 0);
    holder->LastMouseDownForEditor(pos, time);
    EXPECT_EQ(time, 0);
}

}  // namespace
