// The "SysTabControl32" class: tabs set by TCM_ messages, changed by
// clicks and arrow keys with TCN_SELCHANGING (refusable) and TCN_SELCHANGE.
#include "tests/platform/win/ctl_fixture.h"
#include "platform/rtl/codepage.h"

class TabTest : public StdControlTest {
protected:
    void SetUp() override {
        StdControlTest::SetUp();
        tabs = Control("SysTabControl32", "", 0, 10, 10, 300, 200);
        for (const char* text : {"客户", "维修单", "备件"}) {
            TCITEM item;
            item.mask = TCIF_TEXT | TCIF_PARAM;
            item.pszText = const_cast<char*>(text);
            item.lParam = 7;
            SendMessage(tabs, TCM_INSERTITEM, SendMessage(tabs, TCM_GETITEMCOUNT, 0, 0), LPARAM(&item));
        }
        RecordNotifications();
    }
    HWND tabs = 0;
};

TEST_F(TabTest, ClicksAndKeysChangeTheTabUnlessTheParentRefuses) {
    EXPECT_EQ(SendMessage(tabs, TCM_GETCURSEL, 0, 0), 0);
    RECT third;
    ASSERT_TRUE(SendMessage(tabs, TCM_GETITEMRECT, 2, LPARAM(&third)));
    Click(tabs, third.left + 4, third.top + 4);
    EXPECT_EQ(SendMessage(tabs, TCM_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(NotifiedCodes(), (std::vector<UINT>{NM_SETFOCUS, TCN_SELCHANGING, TCN_SELCHANGE, NM_CLICK}));
    Key(VK_LEFT);
    EXPECT_EQ(SendMessage(tabs, TCM_GETCURSEL, 0, 0), 1);
    refuse = TCN_SELCHANGING;
    Key(VK_LEFT);
    EXPECT_EQ(SendMessage(tabs, TCM_GETCURSEL, 0, 0), 1);
    notified.clear();
    SendMessage(tabs, TCM_SETCURSEL, 0, 0);
    EXPECT_TRUE(notified.empty());
}

TEST_F(TabTest, ItemsReadBackInBothCharacterSetsAndTheDisplayAreaAdjusts) {
    char text[16] = {};
    TCITEM item;
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ASSERT_TRUE(SendMessage(tabs, TCM_GETITEM, 1, LPARAM(&item)));
    EXPECT_EQ(AnsiString(text), AnsiString("维修单"));
    EXPECT_EQ(item.lParam, 7);
    WCHAR wide[16] = {};
    TCITEMW itemW;
    itemW.mask = TCIF_TEXT;
    itemW.pszText = wide;
    itemW.cchTextMax = 16;
    ASSERT_TRUE(SendMessage(tabs, TCM_GETITEMW, 2, LPARAM(&itemW)));
    EXPECT_EQ(WideString(wide), AnsiToWide("备件"));
    RECT r{0, 0, 300, 200};
    SendMessage(tabs, TCM_ADJUSTRECT, FALSE, LPARAM(&r));
    RECT tab;
    SendMessage(tabs, TCM_GETITEMRECT, 0, LPARAM(&tab));
    EXPECT_GT(r.top, tab.bottom);
    SendMessage(tabs, TCM_ADJUSTRECT, TRUE, LPARAM(&r));
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 300);
    SendMessage(tabs, TCM_DELETEITEM, 0, 0);
    EXPECT_EQ(SendMessage(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
}

TEST_F(StdControlTest, MultiLineTabsFillRowsAndTheSelectedRowMovesDown) {
    // 60-pixel tabs, three to a row of 200 pixels, stretched to fill it.
    const HWND tabs = Control("SysTabControl32", "", TCS_MULTILINE | TCS_FIXEDWIDTH, 10, 10, 204, 150);
    SendMessage(tabs, TCM_SETITEMSIZE, 0, MAKELPARAM(60, 20));
    for (int i = 0; i < 7; ++i) {
        TCITEM item;
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>("Tab");
        SendMessage(tabs, TCM_INSERTITEM, WPARAM(i), LPARAM(&item));
    }
    const auto rect = [&](int index) {
        RECT r{};
        SendMessage(tabs, TCM_GETITEMRECT, WPARAM(index), LPARAM(&r));
        return r;
    };
    EXPECT_EQ(SendMessage(tabs, TCM_GETROWCOUNT, 0, 0), 3);
    struct Expected {
        int tab;
        RECT r;
    };
    // Tab 0 selected: its row at the bottom, the later rows above it.
    for (const Expected& e : {Expected{0, {2, 42, 68, 62}}, Expected{2, {135, 42, 202, 62}},
                              Expected{3, {2, 22, 68, 42}}, Expected{6, {2, 2, 202, 22}}})
        EXPECT_EQ(rect(e.tab), e.r) << e.tab;
    RECT display{0, 0, 204, 150};
    SendMessage(tabs, TCM_ADJUSTRECT, FALSE, LPARAM(&display));
    EXPECT_EQ(display.top, 2 + 3 * 20 + 2);

    // Choosing a tab of the top row brings its row down; the rows below it move up.
    Click(tabs, 100, 10);
    EXPECT_EQ(SendMessage(tabs, TCM_GETCURSEL, 0, 0), 6);
    for (const Expected& e : {Expected{6, {2, 42, 202, 62}}, Expected{0, {2, 22, 68, 42}}, Expected{3, {2, 2, 68, 22}}})
        EXPECT_EQ(rect(e.tab), e.r) << e.tab;

    // Without the style there is one row, cut off at the right.
    SetWindowLongPtr(tabs, GWL_STYLE, GetWindowLongPtr(tabs, GWL_STYLE) & ~TCS_MULTILINE);
    EXPECT_EQ(SendMessage(tabs, TCM_GETROWCOUNT, 0, 0), 1);
    EXPECT_EQ(rect(6), (RECT{362, 2, 422, 22}));
}
