// The "Button" window class: push buttons, check boxes (two and three
// states), radio buttons, group boxes and owner-drawn buttons, in the
// classic look; BM_ messages and BN_CLICKED to the parent.
#include <vector>

#include "platform/win/controls/common.h"

namespace ctl {
namespace {

constexpr int checkSize = 13;

class Button {
public:
    explicit Button(HWND window) : window_(window) {}
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);
    ControlFont& Font() { return font_; }

private:
    DWORD Kind() const { return Style(window_) & BS_TYPEMASK; }
    bool IsCheckKind() const {
        const DWORD k = Kind();
        return k == BS_CHECKBOX || k == BS_AUTOCHECKBOX || k == BS_3STATE || k == BS_AUTO3STATE;
    }
    bool IsRadioKind() const { return Kind() == BS_RADIOBUTTON || Kind() == BS_AUTORADIOBUTTON; }
    bool IsPushKind() const { return Kind() == BS_PUSHBUTTON || Kind() == BS_DEFPUSHBUTTON; }
    void SetPushed(bool pushed);
    void Click();
    void UncheckGroupSiblings();
    void Redraw() { InvalidateRect(window_, nullptr, TRUE); }
    void PaintPush(HDC dc, const RECT& client);
    void PaintCheck(HDC dc, const RECT& client);
    void PaintGroup(HDC dc, const RECT& client);
    void PaintOwnerDrawn(HDC dc, const RECT& client);
    void DrawCaption(HDC dc, RECT box, UINT format);

    HWND window_;
    ControlFont font_;
    WPARAM check_ = BST_UNCHECKED;
    bool pushed_ = false;
    bool focused_ = false;
    bool tracking_ = false;  // the mouse pressed it and holds the capture
};

void Button::SetPushed(bool pushed) {
    if (pushed_ == pushed) return;
    pushed_ = pushed;
    Redraw();
}

// What a completed press does: auto kinds change their check first, then
// the parent hears BN_CLICKED.
void Button::Click() {
    switch (Kind()) {
    case BS_AUTOCHECKBOX:
        check_ = check_ == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
        Redraw();
        break;
    case BS_AUTO3STATE:
        check_ = (check_ + 1) % 3;
        Redraw();
        break;
    case BS_AUTORADIOBUTTON:
        UncheckGroupSiblings();
        check_ = BST_CHECKED;
        Redraw();
        break;
    default:
        break;
    }
    NotifyCommand(window_, BN_CLICKED);
}

// Radio buttons form groups in the parent's child order, each group
// starting at a window with WS_GROUP.
void Button::UncheckGroupSiblings() {
    const HWND parent = GetParent(window_);
    std::vector<HWND> group;
    bool mine = false;
    for (HWND w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if ((Style(w) & WS_GROUP) && !group.empty()) {
            if (mine) break;
            group.clear();
        }
        group.push_back(w);
        mine = mine || w == window_;
    }
    for (HWND w : group) {
        if (w == window_ || ClassNameOf(w) != "Button") continue;
        const DWORD kind = Style(w) & BS_TYPEMASK;
        if (kind == BS_AUTORADIOBUTTON || kind == BS_RADIOBUTTON) SendMessage(w, BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

void Button::DrawCaption(HDC dc, RECT box, UINT format) {
    const AnsiString text = WindowTextOf(window_);
    SetBkMode(dc, TRANSPARENT);
    if (!Enabled(window_)) {
        DrawDisabledText(dc, text.c_str(), int(text.size()), &box, format);
        return;
    }
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawText(dc, text.c_str(), int(text.size()), &box, format);
}

UINT HorizontalFormat(DWORD style, UINT fallback) {
    switch (style & BS_CENTER) {
    case BS_LEFT: return DT_LEFT;
    case BS_RIGHT: return DT_RIGHT;
    case BS_CENTER: return DT_CENTER;
    default: return fallback;
    }
}

UINT LineFormat(DWORD style) {
    if (!(style & BS_MULTILINE)) return DT_SINGLELINE | DT_VCENTER;
    return DT_WORDBREAK;
}

void Button::PaintPush(HDC dc, const RECT& client) {
    RECT r = client;
    const bool isDefault = Kind() == BS_DEFPUSHBUTTON;
    if (isDefault) {
        FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&r, -1, -1);
    }
    const bool down = pushed_ || check_ == BST_CHECKED;
    if (down && isDefault) {
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
    } else {
        DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
    }
    RECT text = r;
    InflateRect(&text, -2, -2);
    if (down) OffsetRect(&text, 1, 1);
    const DWORD style = Style(window_);
    DrawCaption(dc, text, HorizontalFormat(style, DT_CENTER) | LineFormat(style));
    if (focused_) {
        RECT focus = r;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

void Button::PaintCheck(HDC dc, const RECT& client) {
    const DWORD style = Style(window_);
    const bool leftText = (style & BS_LEFTTEXT) != 0;
    RECT box{0, 0, checkSize, checkSize};
    const int top = (client.bottom - checkSize) / 2;
    OffsetRect(&box, leftText ? client.right - checkSize : 0, top);
    UINT state = IsRadioKind() ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
    if (check_ == BST_CHECKED) state |= DFCS_CHECKED;
    if (check_ == BST_INDETERMINATE) state |= DFCS_BUTTON3STATE | DFCS_CHECKED;
    if (pushed_) state |= DFCS_PUSHED;
    if (!Enabled(window_)) state |= DFCS_INACTIVE;
    DrawFrameControl(dc, &box, DFC_BUTTON, state);

    RECT text = client;
    if (leftText)
        text.right = box.left - 4;
    else
        text.left = box.right + 4;
    const UINT format = HorizontalFormat(style, DT_LEFT) | LineFormat(style);
    DrawCaption(dc, text, format);
    if (focused_) {
        const AnsiString caption = WindowTextOf(window_);
        RECT measured = text;
        DrawText(dc, caption.c_str(), int(caption.size()), &measured, format | DT_CALCRECT);
        RECT focus{text.left - 1, top - 1, std::min(text.right, measured.right) + 1, top + checkSize + 1};
        if (!caption.empty()) DrawFocusRect(dc, &focus);
    }
}

void Button::PaintGroup(HDC dc, const RECT& client) {
    const int textHeight = font_.TextHeight();
    RECT frame = client;
    frame.top += textHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    const AnsiString caption = WindowTextOf(window_);
    if (caption.empty()) return;
    RECT text{8, 0, client.right - 8, textHeight};
    RECT measured = text;
    DrawText(dc, caption.c_str(), int(caption.size()), &measured, DT_SINGLELINE | DT_CALCRECT);
    measured.left -= 2;
    measured.right += 2;
    FillRect(dc, &measured, HBRUSH(GetCurrentObject(dc, OBJ_BRUSH)));
    DrawCaption(dc, text, DT_SINGLELINE | DT_LEFT);
}

void Button::PaintOwnerDrawn(HDC dc, const RECT& client) {
    ParentDrawItem(window_, ODT_BUTTON, 0,
                   (pushed_ ? ODS_SELECTED : 0) | (focused_ ? ODS_FOCUS : 0) | (Enabled(window_) ? 0 : ODS_DISABLED), dc,
                   client);
}

void Button::Paint(HDC dc) {
    const RECT client = ClientRect(window_);
    const HGDIOBJ oldFont = SelectObject(dc, font_.ForDrawing());
    if (Kind() == BS_OWNERDRAW) {
        PaintOwnerDrawn(dc, client);
    } else {
        const HBRUSH background = ControlBrush(window_, dc, IsPushKind() ? WM_CTLCOLORBTN : WM_CTLCOLORSTATIC);
        FillRect(dc, &client, background);
        const HGDIOBJ oldBrush = SelectObject(dc, background);
        if (IsPushKind())
            PaintPush(dc, client);
        else if (Kind() == BS_GROUPBOX)
            PaintGroup(dc, client);
        else
            PaintCheck(dc, client);
        SelectObject(dc, oldBrush);
    }
    SelectObject(dc, oldFont);
}

LRESULT Button::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE:
        if (Kind() == BS_GROUPBOX) return DLGC_STATIC;
        if (IsRadioKind()) return DLGC_BUTTON | DLGC_RADIOBUTTON;
        if (Kind() == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        if (IsPushKind()) return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        return DLGC_BUTTON;
    case WM_NCHITTEST:
        if (Kind() == BS_GROUPBOX) return HTTRANSPARENT;
        break;
    case WM_SETTEXT:
    case WM_ENABLE: {
        const LRESULT result = DefWindowProc(window_, message, wParam, lParam);
        Redraw();
        return result;
    }
    case WM_SETFOCUS:
        focused_ = true;
        Redraw();
        if (Style(window_) & BS_NOTIFY) NotifyCommand(window_, BN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        focused_ = false;
        if (tracking_) {
            tracking_ = false;
            ReleaseCapture();
        }
        pushed_ = false;
        Redraw();
        if (Style(window_) & BS_NOTIFY) NotifyCommand(window_, BN_KILLFOCUS);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (Kind() == BS_GROUPBOX) return 0;
        SetFocus(window_);
        SetCapture(window_);
        tracking_ = true;
        SetPushed(true);
        return 0;
    case WM_MOUSEMOVE:
        if (tracking_) {
            const RECT client = ClientRect(window_);
            const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            SetPushed(PtInRect(&client, p) != FALSE);
        }
        return 0;
    case WM_LBUTTONUP:
        if (!tracking_) return 0;
        tracking_ = false;
        ReleaseCapture();
        if (pushed_) {
            SetPushed(false);
            Click();
        }
        return 0;
    case WM_CAPTURECHANGED:
        if (tracking_) {
            tracking_ = false;
            SetPushed(false);
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && Kind() != BS_GROUPBOX) SetPushed(true);
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && pushed_) {
            SetPushed(false);
            Click();
        }
        return 0;
    case BM_GETCHECK:
        return LRESULT(check_);
    case BM_SETCHECK:
        if (!IsCheckKind() && !IsRadioKind() && !(Style(window_) & BS_PUSHLIKE)) return 0;
        if (wParam == BST_INDETERMINATE && Kind() != BS_3STATE && Kind() != BS_AUTO3STATE) wParam = BST_CHECKED;
        if (check_ != wParam) {
            check_ = wParam;
            Redraw();
        }
        return 0;
    case BM_GETSTATE:
        return LRESULT(check_) | (pushed_ ? BST_PUSHED : 0) | (focused_ ? BST_FOCUS : 0);
    case BM_SETSTATE:
        SetPushed(wParam != 0);
        return 0;
    case BM_SETSTYLE:
        SetWindowLongPtr(window_, GWL_STYLE, LONG_PTR((Style(window_) & ~BS_TYPEMASK) | (wParam & BS_TYPEMASK)));
        if (LOWORD(lParam)) Redraw();
        return 0;
    case BM_CLICK:
        if (Enabled(window_) && Kind() != BS_GROUPBOX) Click();
        return 0;
    default:
        break;
    }
    return DefWindowProc(window_, message, wParam, lParam);
}

}  // namespace

void RegisterButtonClass() {
    RegisterControlClass("Button", &ControlProcedure<Button>, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, 0);
}

}  // namespace ctl
