// TSplitter: a drag sizes the control aligned beside it, within MinSize of
// either end, and OnMoved follows.
#include "tests/platform/ui/control_fixture.h"
#include "platform/ui/extctrls_splitter.h"

TEST_F(FormControlTest, ASplitterDragSizesTheControlBesideItWithinItsLimits) {
    TPanel* outline = Place<TPanel>(form, 0, 0, 100, 50);
    outline->SetAlign(alLeft);
    TSplitter* splitter = TSplitter::Create(form);
    splitter->SetParent(form);
    splitter->SetLeft(150);
    TPanel* rest = Place<TPanel>(form, 0, 0, 50, 50);
    rest->SetAlign(alClient);
    int moved = 0;
    splitter->SetOnMoved([&](TObject*) { ++moved; });
    EXPECT_EQ(splitter->Left(), 100);
    EXPECT_EQ(splitter->SizedControl(), outline);

    const auto drag = [&](int toX) {
        const HWND window = form->Handle();
        const int x = splitter->Left() + 1;
        SimulateMouseButton(window, {x, 20}, VK_LBUTTON, true);
        SimulateMouseMove(window, {toX, 20});
        SimulateMouseButton(window, {toX, 20}, VK_LBUTTON, false);
        ProcessMessages();
    };
    drag(151);
    EXPECT_EQ(outline->Width(), 150);
    EXPECT_EQ(splitter->Left(), 150);
    EXPECT_EQ(moved, 1);
    drag(5);
    EXPECT_EQ(outline->Width(), 30);
    drag(form->ClientWidth() - 1);
    EXPECT_EQ(outline->Width(), form->ClientWidth() - splitter->Width() - 30);
    EXPECT_EQ(rest->Width(), 30);
}
