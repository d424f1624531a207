// ParentBiDiMode: controls follow their parent's reading order, from the
// moment they are placed and on every later change, until given their own;
// a windowed control remakes its window in the new mode.
#include "platform/ui/stdctrls_edit.h"
#include "tests/platform/ui/control_fixture.h"

TEST_F(FormControlTest, ControlsFollowTheirParentsBiDiModeUntilGivenTheirOwn) {
    form->SetBiDiMode(bdRightToLeft);
    TPanel* panel = Place<TPanel>(form, 0, 0, 200, 100);
    TEdit* edit = Place<TEdit>(panel, 5, 5, 100, 21);
    EXPECT_TRUE(panel->ParentBiDiMode());
    EXPECT_EQ(panel->BiDiMode(), bdRightToLeft);  // taken when placed
    EXPECT_EQ(edit->BiDiMode(), bdRightToLeft);

    const HWND before = edit->Handle();
    form->SetBiDiMode(bdRightToLeftReadingOnly);  // and passed down the tree
    EXPECT_EQ(edit->BiDiMode(), bdRightToLeftReadingOnly);
    EXPECT_TRUE(edit->ParentBiDiMode());
    EXPECT_NE(edit->Handle(), before);

    edit->SetBiDiMode(bdLeftToRight);  // its own: the parent's no longer reaches it
    EXPECT_FALSE(edit->ParentBiDiMode());
    form->SetBiDiMode(bdRightToLeft);
    EXPECT_EQ(panel->BiDiMode(), bdRightToLeft);
    EXPECT_EQ(edit->BiDiMode(), bdLeftToRight);

    edit->SetParentBiDiMode(true);  // following again takes the parent's at once
    EXPECT_EQ(edit->BiDiMode(), bdRightToLeft);
    EXPECT_TRUE(edit->ParentBiDiMode());
}
