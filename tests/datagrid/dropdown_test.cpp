// Placement of drop-downs within a set work area: which side they open on,
// how they shrink, and the grip sides they are told.
#include <vector>

#include "datagrid/ToolCtrlsVynDropDown.h"
#include "platform/ui/testseams.h"
#include "tests/datagrid/grid_fixture.h"

namespace {

class TProbeDropDown : public TCustomControl {
    SERVIORA_CLASS(TProbeDropDown, TCustomControl)
public:
    using TCustomControl::TCustomControl;
    std::vector<int> sides;

protected:
    void WndProc(TMessage& Message) override {
        if (Message.Msg == GripSideMessage) sides.push_back(static_cast<int>(Message.WParam));
        TCustomControl::WndProc(Message);
    }
};

}  // namespace

TEST(DropDownPlacement, OpensWhereItFitsWithinTheWorkArea) {
    const RECT work = {0, 0, 1000, 800};
    SetWorkAreaForTesting(&work);
    struct Case {
        const char* name;
        TRect master;
        int width, height;
        TDropDownAlign align;
        TPoint position;
        int shownWidth, shownHeight;
        std::vector<int> sides;
    } cases[] = {
        {"below", {100, 100, 300, 120}, 150, 200, daLeft, {100, 120}, 150, 200, {3, 1}},
        {"above at full height", {100, 500, 300, 700}, 150, 200, daLeft, {100, 300}, 150, 200, {2, 1}},
        {"above on the larger side", {100, 120, 300, 700}, 150, 200, daLeft, {100, 0}, 150, 120, {2, 1}},
        {"below, shortened", {100, 100, 300, 650}, 150, 200, daLeft, {100, 650}, 150, 150, {3, 1}},
        {"right-aligned", {300, 100, 500, 120}, 150, 100, daRight, {350, 120}, 150, 100, {3, 0}},
        {"centred", {300, 100, 500, 120}, 300, 100, daCenter, {250, 120}, 300, 100, {3, 1}},
        {"clamped at the right", {900, 100, 950, 120}, 200, 100, daLeft, {800, 120}, 200, 100, {3, 0}},
        {"clamped at the left", {0, 100, 100, 120}, 300, 100, daRight, {0, 120}, 300, 100, {3, 1}},
        {"wider than the work area", {50, 100, 150, 120}, 1200, 100, daLeft, {0, 120}, 1000, 100, {3, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TProbeDropDown dropDown(nullptr);
        dropDown.SetBounds(0, 0, c.width, c.height);
        const TPoint p = PlaceDropDownAtRect(c.master, &dropDown, c.align);
        EXPECT_EQ(p.x, c.position.x);
        EXPECT_EQ(p.y, c.position.y);
        EXPECT_EQ(dropDown.Width(), c.shownWidth);
        EXPECT_EQ(dropDown.Height(), c.shownHeight);
        EXPECT_EQ(dropDown.sides, c.sides);
    }
    SetWorkAreaForTesting(nullptr);
}
