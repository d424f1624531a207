// The "ComboBox" window class: a selection field (an "Edit" child for the
// drop-down and simple kinds, drawn by the combo box for the drop-down
// list kind) over a "ComboLBox" list. The dropped list is a pop-up window
// that never takes the activation; the combo box keeps the focus and
// steers the list from the keyboard. CB_ messages, CBN_ notifications.
#include <algorithm>

#include "platform/win/controls/common.h"

namespace ctl {
namespace {

constexpr int editId = 1001, listId = 1000;

class ComboBox {
public:
    explicit ComboBox(HWND window) : window_(window) {}
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);
    ControlFont& Font() { return font_; }
    // The edit child's keys that steer the list; answers true when taken.
    bool EditKey(WPARAM key);
    WNDPROC editProc() const { return editProc_; }

private:
    DWORD Kind() const { return Style(window_) & 3; }
    bool Simple() const { return Kind() == CBS_SIMPLE; }
    bool HasEdit() const { return Kind() != CBS_DROPDOWNLIST; }
    LRESULT List(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessage(list_, message, wParam, lParam);
    }
    int FieldHeight() const { return fieldHeight_; }
    RECT ButtonRect() const;
    RECT FieldRect() const;
    void Layout();
    AnsiString ItemText(std::intptr_t index) const;
    void ShowSelection();
    void Drop();
    void CloseUp(bool chosen);
    void SelectByKey(std::intptr_t index);
    void Redraw() { InvalidateRect(window_, nullptr, TRUE); }

    HWND window_;
    HWND edit_ = 0;
    HWND list_ = 0;
    WNDPROC editProc_;
    ControlFont font_;
    int fieldHeight_ = 0;
    int droppedHeight_ = 0;
    int droppedWidth_ = 0;
    bool dropped_ = false;
    bool focused_ = false;
    bool settingText_ = false;    // edit changes made by the combo box itself
    std::intptr_t selectionBeforeDrop_ = -1;
};

LRESULT ComboEditProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* combo = reinterpret_cast<ComboBox*>(GetWindowLongPtr(GetParent(edit), 0));
    if (!combo) return DefWindowProc(edit, message, wParam, lParam);
    if (message == WM_KEYDOWN && combo->EditKey(wParam)) return 0;
    if (message == WM_CHAR && (wParam == VK_RETURN || wParam == VK_ESCAPE)) return 0;
    return CallWindowProc(combo->editProc(), edit, message, wParam, lParam);
}

RECT ComboBox::ButtonRect() const {
    const RECT client = ClientRect(window_);
    if (Simple()) return {client.right, 2, client.right, 2};
    const int width = GetSystemMetrics(SM_CXVSCROLL);
    return {client.right - 2 - width, 2, client.right - 2, FieldHeight() - 2};
}

RECT ComboBox::FieldRect() const {
    const RECT button = ButtonRect();
    return {3, 3, button.left - (Simple() ? 3 : 1), FieldHeight() - 3};
}

void ComboBox::Layout() {
    const RECT field = FieldRect();
    if (edit_) MoveWindow(edit_, field.left, field.top, field.right - field.left, field.bottom - field.top, TRUE);
    if (Simple()) {
        const RECT client = ClientRect(window_);
        MoveWindow(list_, 0, FieldHeight(), client.right, std::max(0, int(client.bottom) - FieldHeight()), TRUE);
    }
    Redraw();
}

AnsiString ComboBox::ItemText(std::intptr_t index) const {
    const LRESULT length = List(LB_GETTEXTLEN, WPARAM(index));
    if (length <= 0) return AnsiString();
    AnsiString text(std::size_t(length), '\0');
    List(LB_GETTEXT, WPARAM(index), LPARAM(text.data()));
    return text;
}

// The field shows the list's selection.
void ComboBox::ShowSelection() {
    if (edit_) {
        settingText_ = true;
        SetWindowText(edit_, ItemText(List(LB_GETCURSEL)).c_str());
        settingText_ = false;
        if (focused_) SendMessage(edit_, EM_SETSEL, 0, -1);
    }
    Redraw();
}

void ComboBox::Drop() {
    if (dropped_ || Simple()) return;
    // The parent may refill the list now; it is sized after.
    NotifyCommand(window_, CBN_DROPDOWN);
    selectionBeforeDrop_ = List(LB_GETCURSEL);
    RECT box;
    GetWindowRect(window_, &box);
    // As many items as fit (at least one row), each at its own height.
    const int count = std::max<int>(1, int(List(LB_GETCOUNT)));
    int height = 2;
    for (int i = 0; i < count; ++i) {
        const int itemHeight = int(List(LB_GETITEMHEIGHT, WPARAM(i)));
        if (i > 0 && height + itemHeight > droppedHeight_ + 2) break;
        height += itemHeight;
    }
    const int width = std::max<int>(box.right - box.left, droppedWidth_);
    SetWindowPos(list_, HWND_TOPMOST, box.left, box.bottom, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    dropped_ = true;
    SetCapture(list_);
    Redraw();
}

void ComboBox::CloseUp(bool chosen) {
    if (!dropped_) return;
    dropped_ = false;
    if (GetCapture() == list_) ReleaseCapture();
    ShowWindow(list_, SW_HIDE);
    Redraw();
    const std::intptr_t selection = List(LB_GETCURSEL);
    if (!chosen) List(LB_SETCURSEL, WPARAM(selectionBeforeDrop_));
    NotifyCommand(window_, chosen ? CBN_SELENDOK : CBN_SELENDCANCEL);
    NotifyCommand(window_, CBN_CLOSEUP);
    if (chosen && selection != selectionBeforeDrop_) {
        ShowSelection();
        NotifyCommand(window_, CBN_SELCHANGE);
    }
}

// A selection moved by the arrow keys: shown and announced at once.
void ComboBox::SelectByKey(std::intptr_t index) {
    const LRESULT count = List(LB_GETCOUNT);
    if (count == 0) return;
    index = std::clamp<std::intptr_t>(index, 0, count - 1);
    if (index == List(LB_GETCURSEL)) return;
    List(LB_SETCURSEL, WPARAM(index));
    if (!dropped_) selectionBeforeDrop_ = index;
    ShowSelection();
    NotifyCommand(window_, CBN_SELCHANGE);
}

bool ComboBox::EditKey(WPARAM key) {
    const std::intptr_t current = List(LB_GETCURSEL);
    const bool alt = GetKeyState(VK_MENU) < 0;
    switch (key) {
    case VK_F4:
        dropped_ ? CloseUp(true) : Drop();
        return true;
    case VK_UP:
    case VK_DOWN:
        if (alt) {
            dropped_ ? CloseUp(true) : Drop();
            return true;
        }
        SelectByKey(current < 0 ? 0 : current + (key == VK_UP ? -1 : 1));
        return true;
    case VK_PRIOR:
    case VK_NEXT:
        SelectByKey(current + (key == VK_PRIOR ? -1 : 1) * std::max(1, droppedHeight_ / std::max<int>(1, int(List(LB_GETITEMHEIGHT)))));
        return true;
    case VK_HOME:
    case VK_END:
        if (HasEdit()) return false;
        SelectByKey(key == VK_HOME ? 0 : List(LB_GETCOUNT) - 1);
        return true;
    case VK_RETURN:
        if (!dropped_) return false;
        CloseUp(true);
        return true;
    case VK_ESCAPE:
        if (!dropped_) return false;
        CloseUp(false);
        return true;
    default:
        return false;
    }
}

void ComboBox::Paint(HDC dc) {
    const RECT client = ClientRect(window_);
    const bool enabled = Enabled(window_);
    const HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    FillRect(dc, &client, face);
    RECT frame{0, 0, client.right, FieldHeight()};
    const HBRUSH fieldBrush = ControlBrush(window_, dc, enabled && HasEdit() ? WM_CTLCOLOREDIT : WM_CTLCOLORLISTBOX);
    RECT inner = frame;
    InflateRect(&inner, -2, -2);
    FillRect(dc, &inner, enabled ? fieldBrush : face);
    DrawEdge(dc, &frame, EDGE_SUNKEN, BF_RECT);
    if (!Simple()) {
        RECT button = ButtonRect();
        DrawFrameControl(dc, &button, DFC_SCROLL,
                         DFCS_SCROLLCOMBOBOX | (dropped_ ? DFCS_PUSHED | DFCS_FLAT : 0) | (enabled ? 0 : DFCS_INACTIVE));
    }
    if (HasEdit()) return;
    RECT field = FieldRect();
    const std::intptr_t selection = List(LB_GETCURSEL);
    const DWORD style = Style(window_);
    if (style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) {
        const UINT state = ODS_COMBOBOXEDIT | (focused_ && !dropped_ ? ODS_SELECTED | ODS_FOCUS : 0) |
                           (enabled ? 0 : ODS_DISABLED);
        // The field is drawn in the control's font, as the dropped items are.
        const HGDIOBJ oldFont = SelectObject(dc, font_.ForDrawing());
        ParentDrawItem(window_, ODT_COMBOBOX, UINT(selection), state, dc, field,
                       ULONG_PTR(List(LB_GETITEMDATA, WPARAM(selection))));
        SelectObject(dc, oldFont);
        return;
    }
    const bool highlighted = focused_ && !dropped_;
    if (highlighted) FillRect(dc, &field, GetSysColorBrush(COLOR_HIGHLIGHT));
    const HGDIOBJ oldFont = SelectObject(dc, font_.ForDrawing());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, !enabled ? GetSysColor(COLOR_GRAYTEXT)
                     : highlighted ? GetSysColor(COLOR_HIGHLIGHTTEXT) : GetTextColor(dc));
    const AnsiString text = ItemText(selection);
    RECT textBox = field;
    textBox.left += 2;
    DrawText(dc, text.c_str(), int(text.size()), &textBox, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    if (highlighted) DrawFocusRect(dc, &field);
}

LRESULT ComboBox::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        const DWORD style = Style(window_);
        fieldHeight_ = font_.TextHeight() + 8;
        droppedHeight_ = std::max(0, cs->cy - fieldHeight_);
        DWORD listStyle =
            WS_BORDER | WS_VSCROLL | LBS_HASSTRINGS | (style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE));
        if (style & CBS_SORT) listStyle |= LBS_SORT;
        if (!(style & CBS_HASSTRINGS) && (style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE))) listStyle &= ~LBS_HASSTRINGS;
        if (Simple())
            list_ = CreateWindowEx(0, "ComboLBox", "", WS_CHILD | WS_VISIBLE | listStyle, 0, fieldHeight_, cs->cx,
                                   droppedHeight_, window_, HANDLE(listId), 0, reinterpret_cast<void*>(std::uintptr_t(window_)));
        else
            list_ = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, "ComboLBox", "",
                                   WS_POPUP | listStyle, 0, 0, cs->cx, droppedHeight_, window_, 0, 0,
                                   reinterpret_cast<void*>(std::uintptr_t(window_)));
        if (!list_) return -1;
        if (HasEdit()) {
            DWORD editStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
            if (style & CBS_UPPERCASE) editStyle |= ES_UPPERCASE;
            if (style & CBS_LOWERCASE) editStyle |= ES_LOWERCASE;
            edit_ = CreateWindowEx(0, "Edit", cs->lpszName ? cs->lpszName : "", editStyle, 0, 0, 1, 1, window_,
                                   HANDLE(editId), 0, nullptr);
            if (!edit_) return -1;
            editProc_ = WNDPROC(GetWindowLongPtr(edit_, GWLP_WNDPROC));
            SetWindowLongPtr(edit_, GWLP_WNDPROC, LONG_PTR(WNDPROC(&ComboEditProcedure)));
            SendMessage(edit_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
        }
        if (!Simple()) SetWindowPos(window_, 0, 0, 0, cs->cx, fieldHeight_, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        Layout();
        return 0;
    }
    case WM_DESTROY:
        if (IsWindow(list_)) DestroyWindow(list_);
        return 0;
    case WM_SIZE:
        Layout();
        return 0;
    case WM_SETFONT:
        if (edit_) SendMessage(edit_, WM_SETFONT, wParam, lParam);
        List(WM_SETFONT, wParam, lParam);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_ENABLE:
        if (edit_) EnableWindow(edit_, wParam != 0);
        EnableWindow(list_, wParam != 0);
        Redraw();
        return 0;
    case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORSTATIC:
        return SendMessage(GetParent(window_), message, wParam, lParam);
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
        return SendMessage(GetParent(window_), message, wParam, lParam);
    case WM_SETFOCUS:
        if (edit_) {
            SetFocus(edit_);
            SendMessage(edit_, EM_SETSEL, 0, -1);
            return 0;
        }
        focused_ = true;
        Redraw();
        NotifyCommand(window_, CBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        if (edit_ && HWND(wParam) == edit_) return 0;
        focused_ = false;
        CloseUp(false);
        Redraw();
        NotifyCommand(window_, CBN_KILLFOCUS);
        return 0;
    case WM_COMMAND: {
        const HWND from = HWND(lParam);
        const UINT code = HIWORD(wParam);
        if (from == edit_) {
            if (code == EN_SETFOCUS && !focused_) {
                focused_ = true;
                NotifyCommand(window_, CBN_SETFOCUS);
            } else if (code == EN_KILLFOCUS && GetFocus() != window_) {
                focused_ = false;
                CloseUp(false);
                NotifyCommand(window_, CBN_KILLFOCUS);
            } else if (code == EN_UPDATE && !settingText_) {
                NotifyCommand(window_, CBN_EDITUPDATE);
            } else if (code == EN_CHANGE && !settingText_) {
                NotifyCommand(window_, CBN_EDITCHANGE);
            }
        } else if (from == list_ && code == LBN_SELCHANGE && Simple()) {
            ShowSelection();
            NotifyCommand(window_, CBN_SELCHANGE);
        }
        return 0;
    }
    case LBX_CHOSEN:
        if (Simple()) return 0;
        CloseUp(true);
        return 0;
    case LBX_CANCELLED: {
        CloseUp(false);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        const RECT button = ButtonRect();
        SetFocus(window_);
        if (PtInRect(&button, p) || !HasEdit()) dropped_ ? CloseUp(false) : Drop();
        return 0;
    }
    case WM_KEYDOWN:
        EditKey(wParam);
        return 0;
    case WM_CHAR:
        if (!HasEdit() && wParam >= 0x20) {
            const char text[2] = {char(wParam), 0};
            const LRESULT found = List(LB_FINDSTRING, WPARAM(List(LB_GETCURSEL)), LPARAM(text));
            if (found != LB_ERR) SelectByKey(found);
        }
        return 0;
    case WM_MOUSEWHEEL:
        if (!dropped_ && focused_) {
            SelectByKey(List(LB_GETCURSEL) - GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA);
            return 0;
        }
        break;
    case WM_SETTEXT: {
        const char* text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        // Text set by the program is no edit of the user's: no CBN_EDITCHANGE.
        if (edit_) {
            settingText_ = true;
            SetWindowText(edit_, text);
            settingText_ = false;
            return TRUE;
        }
        const LRESULT found = List(LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(text));
        if (found == LB_ERR) return CB_ERR;
        List(LB_SETCURSEL, WPARAM(found));
        Redraw();
        return TRUE;
    }
    case WM_GETTEXT:
        if (edit_) return SendMessage(edit_, message, wParam, lParam);
        {
            const AnsiString text = ItemText(List(LB_GETCURSEL));
            char* out = reinterpret_cast<char*>(lParam);
            if (!out || wParam == 0) return 0;
            const std::size_t n = std::min<std::size_t>(text.size(), wParam - 1);
            std::copy(text.begin(), text.begin() + std::ptrdiff_t(n), out);
            out[n] = 0;
            return LRESULT(n);
        }
    case WM_GETTEXTLENGTH:
        return edit_ ? SendMessage(edit_, message, wParam, lParam) : LRESULT(ItemText(List(LB_GETCURSEL)).size());
    case CB_ADDSTRING: return List(LB_ADDSTRING, wParam, lParam);
    case CB_INSERTSTRING: return List(LB_INSERTSTRING, wParam, lParam);
    case CB_DELETESTRING: return List(LB_DELETESTRING, wParam, lParam);
    case CB_GETCOUNT: return List(LB_GETCOUNT);
    case CB_GETCURSEL: return List(LB_GETCURSEL);
    case CB_GETLBTEXT: return List(LB_GETTEXT, wParam, lParam);
    case CB_GETLBTEXTLEN: return List(LB_GETTEXTLEN, wParam);
    case CB_FINDSTRING: return List(LB_FINDSTRING, wParam, lParam);
    case CB_FINDSTRINGEXACT: return List(LB_FINDSTRINGEXACT, wParam, lParam);
    case CB_GETITEMDATA: return List(LB_GETITEMDATA, wParam);
    case CB_SETITEMDATA: return List(LB_SETITEMDATA, wParam, lParam);
    case CB_GETTOPINDEX: return List(LB_GETTOPINDEX);
    case CB_SETTOPINDEX: return List(LB_SETTOPINDEX, wParam);
    case CB_RESETCONTENT:
        List(LB_RESETCONTENT);
        if (edit_) ShowSelection();
        Redraw();
        return CB_OKAY;
    case CB_SETCURSEL: {
        const LRESULT result = List(LB_SETCURSEL, wParam);
        selectionBeforeDrop_ = List(LB_GETCURSEL);
        ShowSelection();
        return result;
    }
    case CB_SELECTSTRING: {
        const LRESULT found = List(LB_SELECTSTRING, wParam, lParam);
        if (found != LB_ERR) ShowSelection();
        return found;
    }
    case CB_SHOWDROPDOWN:
        wParam ? Drop() : CloseUp(false);
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return dropped_;
    case CB_GETDROPPEDCONTROLRECT: {
        auto* out = reinterpret_cast<RECT*>(lParam);
        GetWindowRect(window_, out);
        out->right = std::max<LONG>(out->right, out->left + droppedWidth_);
        out->bottom = out->top + FieldHeight() + droppedHeight_;
        return TRUE;
    }
    case CB_SETITEMHEIGHT:
        if (std::intptr_t(wParam) == -1) {
            if (lParam <= 0 || lParam > 255) return CB_ERR;
            fieldHeight_ = int(lParam) + 6;
            if (!Simple()) {
                const RECT client = ClientRect(window_);
                SetWindowPos(window_, 0, 0, 0, client.right, fieldHeight_, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
            Layout();
            return CB_OKAY;
        }
        return List(LB_SETITEMHEIGHT, wParam, lParam);
    case CB_GETITEMHEIGHT:
        if (std::intptr_t(wParam) == -1) return fieldHeight_ - 6;
        return List(LB_GETITEMHEIGHT, wParam);
    case CB_SETDROPPEDWIDTH:
        droppedWidth_ = int(wParam);
        return droppedWidth_;
    case CB_GETDROPPEDWIDTH: {
        RECT box;
        GetWindowRect(window_, &box);
        return std::max<LRESULT>(box.right - box.left, droppedWidth_);
    }
    case CB_LIMITTEXT:
        return edit_ ? SendMessage(edit_, EM_LIMITTEXT, wParam, 0) : TRUE;
    case CB_GETEDITSEL:
        return edit_ ? SendMessage(edit_, EM_GETSEL, wParam, lParam) : CB_ERR;
    case CB_SETEDITSEL:
        if (!edit_) return CB_ERR;
        SendMessage(edit_, EM_SETSEL, WPARAM(std::int16_t(LOWORD(lParam))), LPARAM(std::int16_t(HIWORD(lParam))));
        return TRUE;
    case CB_GETCOMBOBOXINFO: {
        auto* info = reinterpret_cast<COMBOBOXINFO*>(lParam);
        if (!info) return FALSE;
        info->rcItem = FieldRect();
        info->rcButton = ButtonRect();
        info->stateButton = Simple() ? STATE_SYSTEM_INVISIBLE : dropped_ ? STATE_SYSTEM_PRESSED : 0;
        info->hwndCombo = window_;
        info->hwndItem = edit_ ? edit_ : window_;
        info->hwndList = list_;
        return TRUE;
    }
    default:
        break;
    }
    return DefWindowProc(window_, message, wParam, lParam);
}

}  // namespace

void RegisterComboBoxClass() {
    RegisterControlClass("ComboBox", &ControlProcedure<ComboBox>, CS_DBLCLKS, 0);
}

}  // namespace ctl

BOOL GetComboBoxInfo(HWND combo, COMBOBOXINFO* info) {
    return BOOL(SendMessage(combo, CB_GETCOMBOBOXINFO, 0, LPARAM(info)));
}
