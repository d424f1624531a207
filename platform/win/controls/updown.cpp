// The "msctls_updown32" window class in the classic look: two arrow
// buttons, stacked (up increases) or side by side with UDS_HORZ (right
// increases). A press steps the position at once and again while held;
// each step asks the parent with UDN_DELTAPOS (a non-zero answer refuses
// it), then tells it with WM_VSCROLL or WM_HSCROLL (SB_THUMBPOSITION), and
// the release with SB_ENDSCROLL. With UDS_SETBUDDYINT the buddy window
// shows the position.
#include <algorithm>

#include "platform/rtl/sysutils.h"
#include "platform/win/controls/common.h"

namespace ctl {
namespace {

constexpr UINT_PTR repeatTimer = 1;
constexpr UINT firstRepeatDelay = 400, repeatDelay = 80;

class UpDown {
public:
    explicit UpDown(HWND window) : window_(window) {}
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);
    ControlFont& Font() { return font_; }

private:
    bool Horizontal() const { return Style(window_) & UDS_HORZ; }
    // The half that increases (up, or right), and the other.
    RECT Half(bool increasing) const;
    int HalfAt(POINT p) const;  // 1 increasing, -1 decreasing, 0 none
    void Step(int direction);
    int SetPosition(int position);
    void ShowInBuddy();

    HWND window_;
    ControlFont font_;
    int low_ = 0, high_ = 100, position_ = 0;
    HWND buddy_ = 0;
    int pressed_ = 0;  // the half held down
};

RECT UpDown::Half(bool increasing) const {
    RECT r = ClientRect(window_);
    if (Horizontal()) {
        const int middle = (r.left + r.right) / 2;
        (increasing ? r.left : r.right) = middle;
    } else {
        const int middle = (r.top + r.bottom) / 2;
        (increasing ? r.bottom : r.top) = middle;
    }
    return r;
}

int UpDown::HalfAt(POINT p) const {
    const RECT up = Half(true), down = Half(false);
    if (PtInRect(&up, p)) return 1;
    if (PtInRect(&down, p)) return -1;
    return 0;
}

void UpDown::Paint(HDC dc) {
    for (const bool increasing : {true, false}) {
        RECT r = Half(increasing);
        UINT kind = Horizontal() ? (increasing ? DFCS_SCROLLRIGHT : DFCS_SCROLLLEFT)
                                 : (increasing ? DFCS_SCROLLUP : DFCS_SCROLLDOWN);
        if (pressed_ == (increasing ? 1 : -1)) kind |= DFCS_PUSHED;
        if (!Enabled(window_)) kind |= DFCS_INACTIVE;
        DrawFrameControl(dc, &r, DFC_SCROLL, kind);
    }
}

int UpDown::SetPosition(int position) {
    const int previous = position_;
    position_ = std::clamp(position, std::min(low_, high_), std::max(low_, high_));
    ShowInBuddy();
    return previous;
}

void UpDown::ShowInBuddy() {
    if (buddy_ && (Style(window_) & UDS_SETBUDDYINT)) SetWindowText(buddy_, IntToStr(position_).c_str());
}

void UpDown::Step(int direction) {
    // Up means towards the high end, however the range is ordered.
    const int delta = high_ >= low_ ? direction : -direction;
    NMUPDOWN notice;
    notice.iPos = position_;
    notice.iDelta = delta;
    if (NotifyParent(window_, notice.hdr, UDN_DELTAPOS)) return;
    int next = position_ + notice.iDelta;
    const int lowest = std::min(low_, high_), highest = std::max(low_, high_);
    if (Style(window_) & UDS_WRAP) {
        if (next > highest) next = lowest;
        if (next < lowest) next = highest;
    }
    next = std::clamp(next, lowest, highest);
    if (next == position_) return;
    SetPosition(next);
    SendMessage(NotifyTarget(window_), Horizontal() ? WM_HSCROLL : WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position_),
                LPARAM(window_));
}

LRESULT UpDown::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        pressed_ = HalfAt(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        if (!pressed_) return 0;
        SetCapture(window_);
        InvalidateRect(window_, nullptr, TRUE);
        Step(pressed_);
        SetTimer(window_, repeatTimer, firstRepeatDelay, nullptr);
        return 0;
    case WM_TIMER: {
        if (wParam != repeatTimer || !pressed_) return 0;
        SetTimer(window_, repeatTimer, repeatDelay, nullptr);
        POINT cursor;
        GetCursorPos(&cursor);
        ScreenToClient(window_, &cursor);
        if (HalfAt(cursor) == pressed_) Step(pressed_);
        return 0;
    }
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        if (!pressed_) return 0;
        pressed_ = 0;
        KillTimer(window_, repeatTimer);
        if (GetCapture() == window_) ReleaseCapture();
        InvalidateRect(window_, nullptr, TRUE);
        SendMessage(NotifyTarget(window_), Horizontal() ? WM_HSCROLL : WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, position_),
                    LPARAM(window_));
        return 0;
    case WM_ENABLE:
        InvalidateRect(window_, nullptr, TRUE);
        return 0;
    case UDM_SETRANGE:
        high_ = short(LOWORD(lParam));
        low_ = short(HIWORD(lParam));
        SetPosition(position_);
        return 0;
    case UDM_GETRANGE:
        return MAKELONG(WORD(high_), WORD(low_));
    case UDM_SETRANGE32:
        low_ = int(wParam);
        high_ = int(lParam);
        SetPosition(position_);
        return 0;
    case UDM_GETRANGE32:
        if (wParam) *reinterpret_cast<int*>(wParam) = low_;
        if (lParam) *reinterpret_cast<int*>(lParam) = high_;
        return 0;
    case UDM_SETPOS:
        return SetPosition(short(LOWORD(lParam)));
    case UDM_GETPOS:
        return MAKELONG(WORD(position_), 0);
    case UDM_SETPOS32:
        return SetPosition(int(lParam));
    case UDM_GETPOS32:
        if (lParam) *reinterpret_cast<BOOL*>(lParam) = FALSE;
        return position_;
    case UDM_SETBUDDY: {
        const HWND previous = buddy_;
        buddy_ = HWND(wParam);
        ShowInBuddy();
        return LRESULT(previous);
    }
    case UDM_GETBUDDY:
        return LRESULT(buddy_);
    default:
        return DefWindowProc(window_, message, wParam, lParam);
    }
}

}  // namespace

void RegisterUpDownClass() {
    RegisterControlClass("msctls_updown32", &ControlProcedure<UpDown>, CS_HREDRAW | CS_VREDRAW, 0);
}

}  // namespace ctl
