// A grid descendant keeps a scroll bar shown with nothing to scroll.
#include "control_fixture.h"
#include "platform/ui/grids.h"
#include "platform/win/winscroll.h"
#include "platform/win/winuser.h"

namespace {

class KeptBarGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
    bool keep = true;

protected:
    bool ScrollBarAlwaysShown(int bar) const override { return keep && bar == SB_VERT; }
};

using GridKeptBarTest = ControlTest;

TEST_F(GridKeptBarTest, ADescendantKeepsItsBarWithNothingToScroll) {
    TForm* form = NewForm(400, 300);
    auto* grid = new KeptBarGrid(form);
    grid->SetParent(form);
    grid->SetBounds(0, 0, 380, 280);
    grid->SetRowCount(3);
    grid->HandleNeeded();
    auto style = [&] { return DWORD(GetWindowLongPtr(grid->Handle(), GWL_STYLE)); };
    EXPECT_TRUE(style() & WS_VSCROLL);
    EXPECT_FALSE(style() & WS_HSCROLL);
    grid->keep = false;
    grid->SetRowCount(4);
    EXPECT_FALSE(style() & WS_VSCROLL) << "the platform's own rule again";
}

}  // namespace
