// The "ListBox" class and the "ComboBox" over its "ComboLBox" list: items,
// sorting, LB_SELECTSTRING, selection by mouse and keyboard, the drop-down
// that refills on CBN_DROPDOWN and chooses by mouse and by keyboard.
#include <algorithm>

#include "tests/platform/win/ctl_fixture.h"

using ListBoxTest = StdControlTest;

namespace {
AnsiString ItemText(HWND list, UINT getText, WPARAM index) {
    char buffer[256] = {};
    SendMessage(list, getText, index, LPARAM(buffer));
    return buffer;
}
}  // namespace

TEST_F(ListBoxTest, SortedItemsAndSelectString) {
    const HWND list = Control("ListBox", "", LBS_NOTIFY | LBS_SORT | LBS_HASSTRINGS, 10, 10, 150, 120);
    for (const char* text : {"pear", "Apple", "banana", "苹果"}) SendMessage(list, LB_ADDSTRING, 0, LPARAM(text));
    EXPECT_EQ(ItemText(list, LB_GETTEXT, 0), AnsiString("Apple"));
    EXPECT_EQ(ItemText(list, LB_GETTEXT, 3), AnsiString("苹果"));
    EXPECT_EQ(SendMessage(list, LB_SELECTSTRING, WPARAM(-1), LPARAM("BAN")), 1);
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(SendMessage(list, LB_SELECTSTRING, 1, LPARAM("kiwi")), LB_ERR);
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(SendMessage(list, LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM("PEAR")), 2);
    // Messages change the selection silently.
    EXPECT_TRUE(CodesFrom(list).empty());
}

TEST_F(ListBoxTest, ScrollRequestsMoveTheTopItem) {
    const HWND list = Control("ListBox", "", LBS_HASSTRINGS, 10, 10, 150, 60);
    for (int i = 0; i < 30; ++i) SendMessage(list, LB_ADDSTRING, 0, LPARAM(std::to_string(i).c_str()));
    RECT client;
    GetClientRect(list, &client);
    // The last page stays full: the top item goes no further than this.
    const LRESULT last = 30 - client.bottom / SendMessage(list, LB_GETITEMHEIGHT, 0, 0);
    const struct {
        WPARAM request;
        LRESULT top;
    } steps[] = {{SB_LINEDOWN, 1}, {SB_LINEDOWN, 2}, {SB_LINEUP, 1}, {MAKEWPARAM(SB_THUMBPOSITION, 20), 20},
                 {SB_BOTTOM, last}, {SB_LINEDOWN, last}, {SB_TOP, 0}, {SB_LINEUP, 0}};
    for (const auto& step : steps) {
        SendMessage(list, WM_VSCROLL, step.request, 0);
        EXPECT_EQ(SendMessage(list, LB_GETTOPINDEX, 0, 0), step.top) << step.request;
    }
    SendMessage(list, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_GT(SendMessage(list, LB_GETTOPINDEX, 0, 0), 1);
}

// A list made with WS_VSCROLL reports its items on its bar: the range is
// the items, the page the rows in view, the position the top item; the bar
// goes while everything fits unless LBS_DISABLENOSCROLL keeps it, disabled.
TEST_F(ListBoxTest, ItsVerticalBarFollowsTheItems) {
    for (const DWORD keep : {DWORD(0), LBS_DISABLENOSCROLL}) {
        const HWND list = Control("ListBox", "", LBS_HASSTRINGS | WS_VSCROLL | keep, 10, 10, 150, 100);
        const auto barShown = [list] { return (GetWindowLong(list, GWL_STYLE) & WS_VSCROLL) != 0; };
        EXPECT_EQ(barShown(), keep != 0) << "empty";
        for (int i = 0; i < 40; ++i) SendMessage(list, LB_ADDSTRING, 0, LPARAM(std::to_string(i).c_str()));
        EXPECT_TRUE(barShown());
        RECT client;
        GetClientRect(list, &client);
        const int rows = client.bottom / int(SendMessage(list, LB_GETITEMHEIGHT, 0, 0));
        SendMessage(list, WM_VSCROLL, SB_BOTTOM, 0);
        SCROLLINFO info;
        info.fMask = SIF_ALL;
        ASSERT_TRUE(GetScrollInfo(list, SB_VERT, &info));
        EXPECT_EQ(info.nMin, 0);
        EXPECT_EQ(info.nMax, 39);
        EXPECT_EQ(int(info.nPage), rows);
        EXPECT_EQ(info.nPos, 40 - rows);
        EXPECT_EQ(SendMessage(list, LB_GETTOPINDEX, 0, 0), 40 - rows);
        SendMessage(list, LB_SETTOPINDEX, 5, 0);
        EXPECT_EQ(GetScrollPos(list, SB_VERT), 5);
        SendMessage(list, LB_RESETCONTENT, 0, 0);
        EXPECT_EQ(barShown(), keep != 0) << "emptied";
        if (keep) {
            SCROLLBARINFO bar;
            ASSERT_TRUE(GetScrollBarInfo(list, OBJID_VSCROLL, &bar));
            EXPECT_TRUE(bar.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
        }
    }
}

TEST_F(ListBoxTest, NotificationsGoToTheWindowItWasCreatedInAfterSetParent) {
    const HWND list = Control("ListBox", "", LBS_NOTIFY | LBS_HASSTRINGS | LBS_OWNERDRAWFIXED, 10, 10, 150, 120);
    for (const char* text : {"one", "two"}) SendMessage(list, LB_ADDSTRING, 0, LPARAM(text));
    ::SetParent(list, 0);
    SendMessage(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 2));
    SendMessage(list, WM_LBUTTONUP, 0, MAKELPARAM(5, 2));
    const std::vector<UINT> codes = CodesFrom(list);
    EXPECT_NE(std::find(codes.begin(), codes.end(), UINT(LBN_SELCHANGE)), codes.end());
    ::SetParent(list, parent);
}

TEST_F(ListBoxTest, MouseAndKeysSelectWithNotifications) {
    const HWND list = Control("ListBox", "", LBS_NOTIFY, 10, 10, 150, 120);
    for (const char* text : {"one", "two", "three"}) SendMessage(list, LB_ADDSTRING, 0, LPARAM(text));
    RECT second;
    SendMessage(list, LB_GETITEMRECT, 1, LPARAM(&second));
    Click(list, 10, second.top + 2);
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 1);
    Key(VK_DOWN);
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(CodesFrom(list), (std::vector<UINT>{LBN_SETFOCUS, LBN_SELCHANGE, LBN_SELCHANGE}));
    const LRESULT hit = SendMessage(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(10, second.top + 2));
    EXPECT_EQ(LOWORD(hit), 1);
    EXPECT_EQ(HIWORD(hit), 0);
}

TEST_F(ListBoxTest, ExtendedSelectionWithShift) {
    const HWND list = Control("ListBox", "", LBS_EXTENDEDSEL, 10, 10, 150, 120);
    for (const char* text : {"a", "b", "c", "d"}) SendMessage(list, LB_ADDSTRING, 0, LPARAM(text));
    RECT r;
    SendMessage(list, LB_GETITEMRECT, 0, LPARAM(&r));
    Click(list, 10, r.top + 2);
    SendMessage(list, LB_GETITEMRECT, 2, LPARAM(&r));
    SimulateKey(VK_SHIFT, true);
    Click(list, 10, r.top + 2);
    SimulateKey(VK_SHIFT, false);
    DispatchQueuedMessages();
    EXPECT_EQ(SendMessage(list, LB_GETSELCOUNT, 0, 0), 3);
    int selected[4] = {};
    EXPECT_EQ(SendMessage(list, LB_GETSELITEMS, 4, LPARAM(selected)), 3);
    EXPECT_EQ(selected[2], 2);
}

class ComboBoxTest : public StdControlTest {
protected:
    void SetUp() override {
        StdControlTest::SetUp();
        combo = Control("ComboBox", "", CBS_DROPDOWN, 10, 10, 160, 200);
        // The parent fills the list when it drops down, as handlers of OnDropDown do.
        onCommand = [this](HWND control, UINT code) {
            if (control != combo || code != CBN_DROPDOWN || SendMessage(combo, CB_GETCOUNT, 0, 0) > 0) return;
            for (const char* text : {"维修", "换屏", "电池"}) SendMessage(combo, CB_ADDSTRING, 0, LPARAM(text));
        };
    }
    COMBOBOXINFO Info() const {
        COMBOBOXINFO info;
        EXPECT_TRUE(GetComboBoxInfo(combo, &info));
        return info;
    }
    HWND combo = 0;
};

TEST_F(ComboBoxTest, ChosenByMouseAfterTheDropDownRefill) {
    const COMBOBOXINFO info = Info();
    EXPECT_EQ(ClassNameOf(info.hwndItem), AnsiString("Edit"));
    EXPECT_EQ(ClassNameOf(info.hwndList), AnsiString("ComboLBox"));
    Click(combo, info.rcButton.left + 3, info.rcButton.top + 3);
    EXPECT_TRUE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_TRUE(IsWindowVisible(info.hwndList));
    EXPECT_EQ(SendMessage(combo, CB_GETCOUNT, 0, 0), 3);
    // The list never takes the activation from the form.
    EXPECT_EQ(GetActiveWindow(), parent);
    RECT second;
    SendMessage(info.hwndList, LB_GETITEMRECT, 1, LPARAM(&second));
    SimulateMouseMove(info.hwndList, {10, second.top + 2});
    Click(info.hwndList, 10, second.top + 2);
    EXPECT_FALSE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_FALSE(IsWindowVisible(info.hwndList));
    EXPECT_EQ(Text(combo), AnsiString("换屏"));
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 1);
    const auto codes = CodesFrom(combo);
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.front(), CBN_SETFOCUS);
    EXPECT_EQ(std::vector<UINT>(codes.begin() + 1, codes.end()),
              (std::vector<UINT>{CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
}

// A list longer than the drop shows its bar; a press on the bar scrolls
// the list and leaves it dropped, holding the mouse.
TEST_F(ComboBoxTest, ALongDroppedListScrollsByItsOwnBar) {
    for (int i = 0; i < 40; ++i) SendMessage(combo, CB_ADDSTRING, 0, LPARAM(std::to_string(i).c_str()));
    SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);
    const HWND list = Info().hwndList;
    ASSERT_TRUE(GetWindowLong(list, GWL_STYLE) & WS_VSCROLL);
    SCROLLBARINFO bar;
    ASSERT_TRUE(GetScrollBarInfo(list, OBJID_VSCROLL, &bar));
    POINT arrow{(bar.rcScrollBar.left + bar.rcScrollBar.right) / 2, bar.rcScrollBar.bottom - 3};
    ScreenToClient(list, &arrow);
    Click(list, arrow.x, arrow.y);
    EXPECT_EQ(SendMessage(list, LB_GETTOPINDEX, 0, 0), 1);
    EXPECT_EQ(GetScrollPos(list, SB_VERT), 1);
    EXPECT_TRUE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(GetCapture(), list);
    SendMessage(combo, CB_SHOWDROPDOWN, FALSE, 0);
}

TEST_F(ComboBoxTest, ChosenByKeyboardAndCancelledWithEscape) {
    SetFocus(combo);
    DispatchQueuedMessages();
    Key(VK_F4);
    EXPECT_TRUE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(Text(combo), AnsiString("换屏"));
    Key(VK_RETURN, "\r");
    EXPECT_FALSE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 1);
    Key(VK_F4);
    Key(VK_DOWN);
    Key(VK_ESCAPE, "\x1B");
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 1);
    // Typing into the field is an edit change, not a selection.
    notifications.clear();
    SimulateTyping("x");
    DispatchQueuedMessages();
    EXPECT_EQ(CodesFrom(combo), (std::vector<UINT>{CBN_EDITUPDATE, CBN_EDITCHANGE}));
}

TEST_F(ComboBoxTest, ItemHeightsDroppedWidthAndTexts) {
    SendMessage(combo, CB_ADDSTRING, 0, LPARAM("一"));
    char buffer[16] = {};
    EXPECT_EQ(SendMessage(combo, CB_GETLBTEXT, 0, LPARAM(buffer)), 2);
    EXPECT_EQ(AnsiString(buffer), AnsiString("一"));
    SendMessage(combo, CB_SETDROPPEDWIDTH, 300, 0);
    EXPECT_EQ(SendMessage(combo, CB_GETDROPPEDWIDTH, 0, 0), 300);
    SendMessage(combo, CB_SETITEMHEIGHT, WPARAM(-1), 20);
    RECT box;
    GetWindowRect(combo, &box);
    EXPECT_EQ(box.bottom - box.top, 26);
    SendMessage(combo, CB_SETITEMHEIGHT, 0, 18);
    EXPECT_EQ(SendMessage(combo, CB_GETITEMHEIGHT, 0, 0), 18);
    SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);
    RECT list;
    GetWindowRect(Info().hwndList, &list);
    EXPECT_EQ(list.right - list.left, 300);
    SendMessage(combo, CB_SHOWDROPDOWN, FALSE, 0);
}

TEST_F(StdControlTest, DropDownListShowsTheSelectionAndAnswersWindowText) {
    const HWND combo = Control("ComboBox", "", CBS_DROPDOWNLIST, 10, 10, 160, 200);
    for (const char* text : {"a", "b"}) SendMessage(combo, CB_ADDSTRING, 0, LPARAM(text));
    COMBOBOXINFO info;
    GetComboBoxInfo(combo, &info);
    EXPECT_EQ(info.hwndItem, combo);
    SetWindowText(combo, "b");
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(Text(combo), AnsiString("b"));
    SetFocus(combo);
    Key(VK_UP);
    EXPECT_EQ(Text(combo), AnsiString("a"));
    EXPECT_EQ(CodesFrom(combo).back(), CBN_SELCHANGE);
}
