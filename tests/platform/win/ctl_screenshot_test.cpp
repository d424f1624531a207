// Renders every standard control enabled, disabled and focused into one
// picture (screenshots/controls.png) for review.
#include <cstring>

#include "tests/platform/win/ctl_fixture.h"
#include "tests/support/temp_dir.h"

namespace {

struct Sample {
    const char* className;
    const char* text;
    DWORD style;
    int height;
};

const Sample samples[] = {
    {"Button", "确定", BS_PUSHBUTTON, 24},
    {"Button", "默认", BS_DEFPUSHBUTTON, 24},
    {"Button", "复选框", BS_AUTOCHECKBOX, 20},
    {"Button", "单选钮", BS_AUTORADIOBUTTON, 20},
    {"Button", "分组框", BS_GROUPBOX, 40},
    {"Edit", "编辑框 text", ES_AUTOHSCROLL, 20},
    {"Edit", "第一行\r\n第二行", ES_MULTILINE, 40},
    {"Edit", "较长的一行维修说明在编辑框边缘换行 wraps here", ES_MULTILINE, 56},
    {"ComboBox", "下拉框", CBS_DROPDOWN, 150},
    {"ComboBox", "", CBS_DROPDOWNLIST, 150},
    {"ListBox", "", LBS_NOTIFY, 52},
    {"ListBox", "", LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 52},
    {"ComboBox", "", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 150},
    {"SysHeader32", "", HDS_BUTTONS, 20},
    {"SysTabControl32", "", 0, 40},
    {"SysTabControl32", "", TCS_MULTILINE, 70},
    {"SysListView32", "", LVS_REPORT | LVS_SHOWSELALWAYS, 70},
    {"SysListView32", "", LVS_ICON | LVS_SHOWSELALWAYS, 76},
    {"SysListView32", "", LVS_SMALLICON | LVS_SHOWSELALWAYS, 58},
    {"SysListView32", "", LVS_LIST | LVS_SHOWSELALWAYS, 44},
    {"SysDateTimePick32", "", 0, 22},
    {"SysMonthCal32", "", 0, 176},
};

// Owner-drawn list and combo items: a colour swatch before the text.
LRESULT OwnerDrawingParent(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const bool selected = item.itemState & ODS_SELECTED;
        FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        if (int(item.itemID) < 0) return TRUE;
        static const COLORREF swatches[] = {RGB(200, 40, 40), RGB(40, 160, 40), RGB(40, 40, 200)};
        RECT swatch{item.rcItem.left + 2, item.rcItem.top + 2, item.rcItem.left + 14, item.rcItem.bottom - 2};
        const HBRUSH brush = CreateSolidBrush(swatches[item.itemID % 3]);
        FillRect(item.hDC, &swatch, brush);
        DeleteObject(brush);
        char text[32] = {};
        SendMessage(item.hwndItem, item.CtlType == ODT_COMBOBOX ? CB_GETLBTEXT : LB_GETTEXT, item.itemID, LPARAM(text));
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        TextOut(item.hDC, item.rcItem.left + 18, item.rcItem.top + 1, text, int(std::strlen(text)));
        return TRUE;
    }
    return DefWindowProc(window, message, wParam, lParam);
}

void AddTabs(HWND control, std::initializer_list<const char*> texts) {
    for (const char* text : texts) {
        TCITEM item;
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(text);
        SendMessage(control, TCM_INSERTITEM, 99, LPARAM(&item));
    }
}

// List-view items, the second one in `secondState`.
void AddListItems(HWND control, std::initializer_list<const char*> texts, UINT secondState) {
    for (const char* text : texts) {
        LVITEM item;
        item.mask = LVIF_TEXT;
        item.iItem = 99;
        item.pszText = const_cast<char*>(text);
        SendMessage(control, LVM_INSERTITEM, 0, LPARAM(&item));
    }
    LVITEM state;
    state.state = secondState;
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED | LVIS_STATEIMAGEMASK;
    SendMessage(control, LVM_SETITEMSTATE, 1, LPARAM(&state));
}

void FillCommonControl(HWND control, const AnsiString& kind) {
    if (kind == "SysTabControl32") {
        if (GetWindowLongPtr(control, GWL_STYLE) & TCS_MULTILINE)
            AddTabs(control, {"客户资料", "维修记录", "备件", "结算单据", "报表"});
        else
            AddTabs(control, {"客户", "维修"});
    } else if (kind == "SysHeader32") {
        for (const char* text : {"单号", "机型", "状态"}) {
            HDITEM item;
            item.mask = HDI_TEXT | HDI_WIDTH;
            item.pszText = const_cast<char*>(text);
            item.cxy = 60;
            SendMessage(control, HDM_INSERTITEM, 9, LPARAM(&item));
        }
    } else if (kind == "SysListView32" && (GetWindowLongPtr(control, GWL_STYLE) & LVS_TYPEMASK) != LVS_REPORT) {
        AddListItems(control, {"手机", "平板", "耳机", "电池", "充电器"}, LVIS_SELECTED | LVIS_FOCUSED);
    } else if (kind == "SysListView32") {
        SendMessage(control, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
        for (const char* text : {"单号", "机型"}) {
            LVCOLUMN column;
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.pszText = const_cast<char*>(text);
            column.cx = 70;
            SendMessage(control, LVM_INSERTCOLUMN, 9, LPARAM(&column));
        }
        AddListItems(control, {"A001", "A002"}, LVIS_SELECTED | LVIS_FOCUSED | INDEXTOSTATEIMAGEMASK(2));
    } else if (kind == "SysMonthCal32" || kind == "SysDateTimePick32") {
        SYSTEMTIME day;
        day.wYear = 2026;
        day.wMonth = 12;
        day.wDay = 10;
        SendMessage(control, kind == "SysMonthCal32" ? MCM_SETCURSEL : DTM_SETSYSTEMTIME, 0, LPARAM(&day));
        if (kind == "SysMonthCal32") SendMessage(control, MCM_SETTODAY, 0, LPARAM(&day));
    }
}

void Fill(HWND control, const Sample& sample) {
    const AnsiString kind = ClassNameOf(control);
    if (kind.compare(0, 3, "Sys") == 0) return FillCommonControl(control, kind);
    if (ClassNameOf(control) == "Button" && (sample.style & BS_TYPEMASK) >= BS_CHECKBOX)
        SendMessage(control, BM_SETCHECK, BST_CHECKED, 0);
    const bool combo = ClassNameOf(control) == "ComboBox";
    for (const char* item : {"维修", "换屏", "电池"})
        SendMessage(control, combo ? CB_ADDSTRING : LB_ADDSTRING, 0, LPARAM(item));
    SendMessage(control, combo ? CB_SETCURSEL : LB_SETCURSEL, 1, 0);
    if (ClassNameOf(control) == "Edit") SendMessage(control, EM_SETSEL, 0, 6);
}

}  // namespace

TEST_F(StdControlTest, EveryControlEnabledDisabledAndFocusedIsRendered) {
    MoveWindow(parent, 0, 0, 590, 1200, TRUE);
    SetWindowLongPtr(parent, GWLP_WNDPROC, LONG_PTR(WNDPROC(&OwnerDrawingParent)));
    std::vector<HWND> focusColumn;
    int y = 8, id = 100;
    for (const Sample& sample : samples) {
        int rowHeight = sample.height;
        for (int column = 0; column < 3; ++column) {
            const HWND control = Control(sample.className, sample.text, sample.style | WS_TABSTOP, 8 + column * 194, y,
                                         184, sample.height, id++);
            ASSERT_NE(control, 0u) << sample.className;
            Fill(control, sample);
            if (column == 1) EnableWindow(control, FALSE);
            if (column == 2) focusColumn.push_back(control);
            RECT r;
            GetWindowRect(control, &r);
            rowHeight = r.bottom - r.top;
        }
        y += rowHeight + 6;
    }
    DispatchQueuedMessages();
    // Only one control holds the focus at a time: each one's focused look
    // is captured in turn and laid into the picture.
    std::vector<std::pair<HWND, HBITMAP>> focused;
    for (HWND control : focusColumn) {
        SetFocus(control);
        DispatchQueuedMessages();
        focused.emplace_back(control, CaptureWindow(control));
    }
    SetFocus(parent);
    DispatchQueuedMessages();
    const HDC target = GetDC(parent);
    const HDC source = CreateCompatibleDC(0);
    for (auto& [control, shot] : focused) {
        ASSERT_NE(shot, 0u);
        RECT r;
        GetWindowRect(control, &r);
        POINT origin{r.left, r.top};
        ScreenToClient(parent, &origin);
        const HGDIOBJ old = SelectObject(source, shot);
        BitBlt(target, origin.x, origin.y, r.right - r.left, r.bottom - r.top, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteObject(shot);
    }
    DeleteDC(source);
    ReleaseDC(parent, target);
    EXPECT_TRUE(SaveWindowScreenshot(parent, ScreenshotDir() + "controls.png"));
}
