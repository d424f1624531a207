// The "SysListView32" class in report view and its "SysHeader32": columns,
// items and sub-items, selection, check boxes toggled by mouse and keyboard,
// and the header's clicks and divider drags.
#include <algorithm>

#include "tests/platform/win/ctl_fixture.h"

class ListViewTest : public StdControlTest {
protected:
    void SetUp() override {
        StdControlTest::SetUp();
        view = Control("SysListView32", "", LVS_REPORT | LVS_SHOWSELALWAYS, 10, 10, 360, 200);
        SendMessage(view, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
        const char* headings[] = {"单号", "机型", "状态"};
        for (int i = 0; i < 3; ++i) {
            LVCOLUMN column;
            column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
            column.pszText = const_cast<char*>(headings[i]);
            column.cx = 100;
            column.fmt = i == 2 ? LVCFMT_RIGHT : LVCFMT_LEFT;
            SendMessage(view, LVM_INSERTCOLUMN, i, LPARAM(&column));
        }
        for (int row = 0; row < 4; ++row) {
            AnsiString number = "A" + std::to_string(row);
            LVITEM item;
            item.mask = LVIF_TEXT | LVIF_PARAM;
            item.iItem = row;
            item.pszText = number.data();
            item.lParam = 100 + row;
            SendMessage(view, LVM_INSERTITEM, 0, LPARAM(&item));
            item.mask = LVIF_TEXT;
            item.iSubItem = 1;
            char model[] = "手机";
            item.pszText = model;
            SendMessage(view, LVM_SETITEM, 0, LPARAM(&item));
        }
        RecordNotifications();
    }
    UINT CheckState(int row) const {
        return UINT(SendMessage(view, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK)) >> 12;
    }
    RECT Row(int row) const {
        RECT r;
        r.left = LVIR_BOUNDS;
        SendMessage(view, LVM_GETITEMRECT, row, LPARAM(&r));
        return r;
    }
    HWND view = 0;
};

TEST_F(ListViewTest, CheckBoxesToggleByMouseAndSpace) {
    EXPECT_EQ(CheckState(1), 1u);
    const RECT row = Row(1);
    Click(view, row.left + 6, (row.top + row.bottom) / 2);
    EXPECT_EQ(CheckState(1), 2u);
    const auto codes = NotifiedCodes();
    EXPECT_NE(std::find(codes.begin(), codes.end(), LVN_ITEMCHANGING), codes.end());
    EXPECT_NE(std::find(codes.begin(), codes.end(), LVN_ITEMCHANGED), codes.end());
    // Toggling the box does not select the row.
    EXPECT_EQ(SendMessage(view, LVM_GETSELECTEDCOUNT, 0, 0), 0);
    Click(view, 150, (row.top + row.bottom) / 2);
    EXPECT_EQ(SendMessage(view, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED), 1);
    Key(VK_SPACE, " ");
    EXPECT_EQ(CheckState(1), 1u);
    refuse = LVN_ITEMCHANGING;
    Key(VK_SPACE, " ");
    EXPECT_EQ(CheckState(1), 1u);
}

TEST_F(ListViewTest, RowsSelectByMouseAndArrowsAndReportTheirTexts) {
    const RECT first = Row(0);
    Click(view, 200, (first.top + first.bottom) / 2);
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(SendMessage(view, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED), 2);
    EXPECT_EQ(SendMessage(view, LVM_GETSELECTEDCOUNT, 0, 0), 1);
    char text[16] = {};
    LVITEM item;
    item.iSubItem = 1;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    EXPECT_EQ(SendMessage(view, LVM_GETITEMTEXT, 2, LPARAM(&item)), 4);
    EXPECT_EQ(AnsiString(text), AnsiString("手机"));
    item.mask = LVIF_PARAM;
    item.iItem = 3;
    SendMessage(view, LVM_GETITEM, 0, LPARAM(&item));
    EXPECT_EQ(item.lParam, 103);
    LVHITTESTINFO hit;
    hit.pt = {250, (first.top + first.bottom) / 2};
    EXPECT_EQ(SendMessage(view, LVM_SUBITEMHITTEST, 0, LPARAM(&hit)), 0);
    EXPECT_EQ(hit.iSubItem, 2);
}

TEST_F(ListViewTest, HeaderClicksBecomeColumnClicksAndDividerDragsResize) {
    const HWND header = HWND(SendMessage(view, LVM_GETHEADER, 0, 0));
    ASSERT_EQ(ClassNameOf(header), AnsiString("SysHeader32"));
    EXPECT_EQ(SendMessage(header, HDM_GETITEMCOUNT, 0, 0), 3);
    Click(header, 150, 5);
    const auto clicked = std::find_if(notified.begin(), notified.end(),
                                      [](const NMHDR& n) { return n.code == LVN_COLUMNCLICK; });
    ASSERT_NE(clicked, notified.end());
    EXPECT_EQ(clicked->hwndFrom, view);

    SimulateMouseButton(header, {100, 5}, VK_LBUTTON, true);
    SimulateMouseMove(header, {140, 5});
    SimulateMouseButton(header, {140, 5}, VK_LBUTTON, false);
    DispatchQueuedMessages();
    EXPECT_EQ(SendMessage(view, LVM_GETCOLUMNWIDTH, 0, 0), 140);
    const auto codes = NotifiedCodes();
    EXPECT_NE(std::find(codes.begin(), codes.end(), HDN_BEGINTRACK), codes.end());
    EXPECT_NE(std::find(codes.begin(), codes.end(), HDN_ENDTRACK), codes.end());

    SendMessage(view, LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(LVSCW_AUTOSIZE_USEHEADER, 0));
    EXPECT_LT(SendMessage(view, LVM_GETCOLUMNWIDTH, 1, 0), 100);
    WCHAR wide[8] = {};
    HDITEMW item;
    item.mask = HDI_TEXT | HDI_FORMAT;
    item.pszText = wide;
    item.cchTextMax = 8;
    ASSERT_TRUE(SendMessage(header, HDM_GETITEMW, 2, LPARAM(&item)));
    EXPECT_EQ(item.fmt & HDF_JUSTIFYMASK, HDF_RIGHT);
    EXPECT_EQ(std::u16string(wide), std::u16string(u"状态"));
}

TEST_F(StdControlTest, IconSmallIconAndListViewsLayOutHitTestAndSelectTheirCells) {
    struct Case {
        DWORD view;
        bool columns;  // the list view fills columns, the icon views rows
    };
    for (const Case& c : {Case{LVS_ICON, false}, Case{LVS_SMALLICON, false}, Case{LVS_LIST, true}}) {
        SCOPED_TRACE(c.view);
        const HWND view = Control("SysListView32", "", c.view, 10, 10, 360, 120);
        for (int i = 0; i < 12; ++i) {
            AnsiString text = "机型" + std::to_string(i);
            LVITEM item;
            item.mask = LVIF_TEXT;
            item.iItem = i;
            item.pszText = text.data();
            SendMessage(view, LVM_INSERTITEM, 0, LPARAM(&item));
        }
        const auto part = [&](int index, int code) {
            RECT r;
            r.left = code;
            SendMessage(view, LVM_GETITEMRECT, WPARAM(index), LPARAM(&r));
            return r;
        };
        const RECT first = part(0, LVIR_BOUNDS), second = part(1, LVIR_BOUNDS);
        EXPECT_EQ(c.columns ? second.left : second.top, c.columns ? first.left : first.top);
        EXPECT_GT(c.columns ? second.top : second.left, c.columns ? first.top : first.left);
        // The first item of the next row (icon views) or column (list view).
        int nextLine = 1;
        while (nextLine < 12 && (c.columns ? part(nextLine, LVIR_BOUNDS).left == first.left
                                           : part(nextLine, LVIR_BOUNDS).top == first.top))
            ++nextLine;
        ASSERT_LT(nextLine, 12);

        for (const int code : {LVIR_ICON, LVIR_LABEL}) {
            const RECT r = part(5, code);
            LVHITTESTINFO hit;
            hit.pt = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
            EXPECT_EQ(SendMessage(view, LVM_HITTEST, 0, LPARAM(&hit)), 5);
            EXPECT_EQ(hit.flags, code == LVIR_ICON ? LVHT_ONITEMICON : LVHT_ONITEMLABEL);
        }
        const RECT label = part(0, LVIR_LABEL);
        Click(view, label.left + 2, label.top + 2);
        EXPECT_EQ(SendMessage(view, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED), 0);
        // Down goes to the next row in the icon views, the next item in the list view.
        Key(VK_DOWN);
        EXPECT_EQ(SendMessage(view, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED), c.columns ? 1 : nextLine);
        Key(VK_RIGHT);
        EXPECT_EQ(SendMessage(view, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED), c.columns ? 1 + nextLine : nextLine + 1);
        EXPECT_EQ(SendMessage(view, LVM_GETSELECTEDCOUNT, 0, 0), 1);
        DestroyWindow(view);
    }
}
