// Renders every standard control enabled, disabled and focused into one
// picture (screenshots/controls.png) for review.
#include "ctl_fixture.h"
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
    {"ComboBox", "下拉框", CBS_DROPDOWN, 150},
    {"ComboBox", "", CBS_DROPDOWNLIST, 150},
    {"ListBox", "", LBS_NOTIFY, 52},
    {"SysTabControl32", "", 0, 40},
    {"SysListView32", "", LVS_REPORT | LVS_SHOWSELALWAYS, 70},
    {"SysDateTimePick32", "", 0, 22},
    {"SysMonthCal32", "", 0, 176},
};

void FillCommonControl(HWND control, const AnsiString& kind) {
    if (kind == "SysTabControl32") {
        for (const char* text : {"客户", "维修"}) {
            TCITEM item;
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<char*>(text);
            SendMessage(control, TCM_INSERTITEM, 9, LPARAM(&item));
        }
    } else if (kind == "SysListView32") {
        SendMessage(control, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
        for (const char* text : {"单号", "机型"}) {
            LVCOLUMN column;
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.pszText = const_cast<char*>(text);
            column.cx = 70;
            SendMessage(control, LVM_INSERTCOLUMN, 9, LPARAM(&column));
        }
        for (const char* text : {"A001", "A002"}) {
            LVITEM item;
            item.mask = LVIF_TEXT;
            item.iItem = 9;
            item.pszText = const_cast<char*>(text);
            SendMessage(control, LVM_INSERTITEM, 0, LPARAM(&item));
        }
        LVITEM state;
        state.state = LVIS_SELECTED | LVIS_FOCUSED | INDEXTOSTATEIMAGEMASK(2);
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED | LVIS_STATEIMAGEMASK;
        SendMessage(control, LVM_SETITEMSTATE, 1, LPARAM(&state));
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
    MoveWindow(parent, 0, 0, 590, 760, TRUE);
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
    ProcessMessages();
    // Only one control holds the focus at a time: each one's focused look
    // is captured in turn and laid into the picture.
    std::vector<std::pair<HWND, HBITMAP>> focused;
    for (HWND control : focusColumn) {
        SetFocus(control);
        ProcessMessages();
        focused.emplace_back(control, CaptureWindow(control));
    }
    SetFocus(parent);
    ProcessMessages();
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
