// The "SysTabControl32" class: tabs set by TCM_ messages, changed by
// clicks and arrow keys with TCN_SELCHANGING (refusable) and TCN_SELCHANGE.
#include "ctl_fixture.h"
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
