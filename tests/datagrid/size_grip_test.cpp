// The size grip: resizing its parent within the work area from each
// corner, its place after a side change, and its triangle.
#include "datagrid/ToolCtrlsVynSizeGrip.h"
#include "platform/ui/testseams.h"
#include "tests/datagrid/grid_fixture.h"
#include "tests/platform/ui/control_fixture.h"

class SizeGripTest : public FormControlTest {
protected:
    void SetUp() override {
        FormControlTest::SetUp();
        SetWorkAreaForTesting(&work_);
        form->SetBounds(100, 100, 300, 200);
        grip = TSizeGripVyn::Create(form);
        grip->SetParent(form);
        grip->SetOnParentResize(TNotifyEvent([this](TObject*) { ++resized; }));
        ProcessMessages();
    }
    void TearDown() override {
        SetWorkAreaForTesting(nullptr);
        FormControlTest::TearDown();
    }
    // Drags the grip from a point inside its triangle by (dx, dy) on the
    // screen, in two moves; the grip follows its parent's corner meanwhile.
    void Drag(int dx, int dy) {
        POINT start = grip->GripPosition() == sgpBottomRight ? POINT{grip->Width() - 3, grip->Height() - 3}
                                                              : POINT{2, 2};
        SimulateMouseMove(grip->Handle(), start);
        SimulateMouseButton(grip->Handle(), start, VK_LBUTTON, true);
        ProcessMessages();
        ClientToScreen(grip->Handle(), &start);
        for (int part : {2, 1}) {
            POINT to{start.x + dx / part, start.y + dy / part};
            ScreenToClient(grip->Handle(), &to);
            SimulateMouseMove(grip->Handle(), to);
            ProcessMessages();
        }
        SimulateMouseButton(grip->Handle(), POINT{0, 0}, VK_LBUTTON, false);
        ProcessMessages();
    }
    RECT work_{0, 0, 600, 500};
    TSizeGripVyn* grip = nullptr;
    int resized = 0;
};

TEST_F(SizeGripTest, ABottomRightGripWidensItsParentUpToTheWorkArea) {
    EXPECT_EQ(grip->Left(), form->ClientWidth() - grip->Width());
    EXPECT_EQ(grip->Top(), form->ClientHeight() - grip->Height());
    const int clientHeight = form->ClientHeight();
    Drag(400, 20);
    EXPECT_EQ(form->Left() + form->Width(), 600);
    EXPECT_EQ(form->ClientHeight(), clientHeight + 20);
    EXPECT_EQ(form->Left(), 100);
    EXPECT_GT(resized, 0);
    EXPECT_EQ(grip->Left(), form->ClientWidth() - grip->Width());
}

TEST_F(SizeGripTest, ATopLeftGripKeepsTheOppositeEdges) {
    grip->MoveGripToSide(0);
    grip->MoveGripToSide(2);
    ASSERT_EQ(grip->GripPosition(), sgpTopLeft);
    ProcessMessages();
    EXPECT_EQ(grip->Left(), 0);
    EXPECT_EQ(grip->Top(), 0);
    const int right = form->Left() + form->Width(), bottom = form->Top() + form->Height();
    Drag(-30, -40);
    EXPECT_EQ(form->Left() + form->Width(), right);
    EXPECT_EQ(form->Top() + form->Height(), bottom);
    EXPECT_EQ(form->Left(), 70);
    EXPECT_EQ(form->Top(), 60);
}

TEST_F(SizeGripTest, MovesToTheSideItIsToldKeepingItsOtherSide) {
    const struct {
        TSizeGripPosition from;
        int side;
        TSizeGripPosition to;
    } cases[] = {{sgpBottomRight, 0, sgpBottomLeft}, {sgpTopRight, 0, sgpTopLeft},  {sgpBottomLeft, 1, sgpBottomRight},
                 {sgpBottomRight, 2, sgpTopRight},   {sgpTopLeft, 3, sgpBottomLeft}, {sgpBottomRight, 3, sgpBottomRight},
                 {sgpTopLeft, 0, sgpTopLeft}};
    for (const auto& c : cases) {
        grip->SetGripPosition(c.from);
        grip->MoveGripToSide(c.side);
        EXPECT_EQ(grip->GripPosition(), c.to);
    }
}

TEST_F(SizeGripTest, AClickJustOutsideTheTriangleReachesWhatLiesBelow) {
    auto* below = Place<TFocusBox>(form, 0, 0, form->ClientWidth(), form->ClientHeight());
    grip->BringToFront();
    ProcessMessages();
    int belowDowns = 0, gripDowns = 0;
    below->SetOnMouseDown(TMouseEvent([&](TObject*, TMouseButton, TShiftState, int, int) { ++belowDowns; }));
    grip->SetOnMouseDown(TMouseEvent([&](TObject*, TMouseButton, TShiftState, int, int) { ++gripDowns; }));
    SimulateClick(grip->Handle(), POINT{2, 2});
    ProcessMessages();
    EXPECT_EQ(belowDowns, 1);
    EXPECT_EQ(gripDowns, 0);
    SimulateClick(grip->Handle(), POINT{grip->Width() - 2, grip->Height() - 2});
    ProcessMessages();
    EXPECT_EQ(gripDowns, 1);
}
