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
};

void Fill(HWND control, const Sample& sample) {
    if (ClassNameOf(control) == "Button" && (sample.style & BS_TYPEMASK) >= BS_CHECKBOX)
        SendMessage(control, BM_SETCHECK, BST_CHECKED, 0);
    const bool combo = ClassNameOf(control) == "ComboBox";
    for (const char* item : {"维修", "换屏", "电池"})
        SendMessage(control, combo ? CB_ADDSTRING : LB_ADDSTRING, 0, LPARAM(item));
    SendMessage(control, combo ? CB_SETCURSEL : LB_SETCURSEL, 1, 0);
    if (ClassNameOf(control) == "Edit") SendMessage(control, EM_SETSEL, 0, 6);
}

}  // namespace

TEST_F(ControlTest, EveryControlEnabledDisabledAndFocusedIsRendered) {
    MoveWindow(parent, 20, 20, 480, 420, TRUE);
    std::vector<HWND> focusColumn;
    int y = 8, id = 100;
    for (const Sample& sample : samples) {
        int rowHeight = sample.height;
        for (int column = 0; column < 3; ++column) {
            const HWND control = Control(sample.className, sample.text, sample.style | WS_TABSTOP, 8 + column * 156, y,
                                         148, sample.height, id++);
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
