// The "Button" class: clicks by mouse and keyboard, auto check boxes and
// radio groups, the BM_ state messages and BN_CLICKED.
#include "tests/platform/win/ctl_fixture.h"

using ButtonTest = StdControlTest;

TEST_F(ButtonTest, MouseClickOnlyCountsWhenReleasedInside) {
    const HWND button = Control("Button", "OK", BS_PUSHBUTTON, 10, 10, 80, 24);
    Click(button, 20, 10);
    EXPECT_EQ(CodesFrom(button), std::vector<UINT>{BN_CLICKED});
    EXPECT_EQ(GetFocus(), button);

    SimulateMouseButton(button, {20, 10}, VK_LBUTTON, true);
    DispatchQueuedMessages();
    EXPECT_TRUE(SendMessage(button, BM_GETSTATE, 0, 0) & BST_PUSHED);
    SimulateMouseMove(button, {200, 100});
    SimulateMouseButton(button, {200, 100}, VK_LBUTTON, false);
    DispatchQueuedMessages();
    EXPECT_EQ(CodesFrom(button).size(), 1u);
    EXPECT_FALSE(SendMessage(button, BM_GETSTATE, 0, 0) & BST_PUSHED);

    Key(VK_SPACE, " ");
    EXPECT_EQ(CodesFrom(button).size(), 2u);
    SendMessage(button, BM_CLICK, 0, 0);
    EXPECT_EQ(CodesFrom(button).size(), 3u);
}

TEST_F(ButtonTest, AutoCheckBoxesCycleTheirStates) {
    const HWND check = Control("Button", "two", BS_AUTOCHECKBOX, 10, 10, 120, 20);
    const HWND three = Control("Button", "three", BS_AUTO3STATE, 10, 40, 120, 20, 101);
    Click(check, 5, 10);
    EXPECT_EQ(SendMessage(check, BM_GETCHECK, 0, 0), LRESULT(BST_CHECKED));
    Click(check, 5, 10);
    EXPECT_EQ(SendMessage(check, BM_GETCHECK, 0, 0), LRESULT(BST_UNCHECKED));
    Click(three, 5, 10);
    Click(three, 5, 10);
    EXPECT_EQ(SendMessage(three, BM_GETCHECK, 0, 0), LRESULT(BST_INDETERMINATE));
    // A two-state box takes "indeterminate" as checked.
    SendMessage(check, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(SendMessage(check, BM_GETCHECK, 0, 0), LRESULT(BST_CHECKED));
}

TEST_F(ButtonTest, AutoRadioButtonsUncheckTheirGroupOnly) {
    const HWND a = Control("Button", "a", BS_AUTORADIOBUTTON | WS_GROUP, 10, 10, 100, 20, 1);
    const HWND b = Control("Button", "b", BS_AUTORADIOBUTTON, 10, 30, 100, 20, 2);
    const HWND c = Control("Button", "c", BS_AUTORADIOBUTTON | WS_GROUP, 10, 60, 100, 20, 3);
    SendMessage(c, BM_SETCHECK, BST_CHECKED, 0);
    Click(a, 5, 10);
    Click(b, 5, 10);
    EXPECT_EQ(SendMessage(a, BM_GETCHECK, 0, 0), LRESULT(BST_UNCHECKED));
    EXPECT_EQ(SendMessage(b, BM_GETCHECK, 0, 0), LRESULT(BST_CHECKED));
    EXPECT_EQ(SendMessage(c, BM_GETCHECK, 0, 0), LRESULT(BST_CHECKED));
}

TEST_F(ButtonTest, OwnerDrawnButtonsAskTheParentToDraw) {
    const HWND button = Control("Button", "", BS_OWNERDRAW, 10, 10, 80, 24);
    SendMessage(button, BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(SendMessage(button, BM_GETSTATE, 0, 0) & BST_PUSHED, BST_PUSHED);
    EXPECT_EQ(SendMessage(button, WM_GETDLGCODE, 0, 0), DLGC_BUTTON);
}
