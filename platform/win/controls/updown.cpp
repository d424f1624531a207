// The "msctls_updown32" window class: two arrow buttons that step a
// position through a range, wrapping at its ends with UDS_WRAP. A press
// asks the parent with UDN_DELTAPOS (a non-zero answer refuses the step),
// then tells it with WM_VSCROLL (WM_HSCROLL for UDS_HORZ) and
// SB_THUMBPOSITION; held down, the step repeats. A buddy window shows the
// position as its text with UDS_SETBUDDYINT (read back before each step),
// UDS_ALIGNRIGHT/UDS_ALIGNLEFT put the buttons inside its edge, and with
// UDS_ARROWKEYS its Up and Down keys step too.
#include <cstdlib>
#include <map>

#include "platform/win/controls/common.h"
#include "platform/win/userdraw.h"

namespace ctl {
namespace {

constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kFirstRepeat = 400, kNextRepeat = 100;

// The text of a position: thousands grouped with "," unless asked not to.
AnsiString PositionText(int value, bool thousands) {
    const AnsiString digits = std::to_string(std::abs(static_cast<long long>(value)));
    AnsiString text = value < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (thousands && i > 0 && (digits.size() - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    return text;
}

class UpDown;

// Buddies whose arrow keys step an up-down control, with the window
// procedure each had before.
struct ArrowKeyBuddy {
    UpDown* upDown;
    WNDPROC previous;
};
std::map<HWND, ArrowKeyBuddy>& ArrowKeyBuddies() {
    static std::map<HWND, ArrowKeyBuddy> buddies;
    return buddies;
}

LRESULT BuddyProcedure(HWND buddy, UINT message, WPARAM wParam, LPARAM lParam);

class UpDown {
public:
    explicit UpDown(HWND window) : window_(window) {}
    ~UpDown() { ReleaseBuddyKeys(); }
    UpDown(const UpDown&) = delete;
    UpDown& operator=(const UpDown&) = delete;
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);
    ControlFont& Font() { return font_; }
    void Step(int direction);

private:
    bool Horizontal() const { return (Style(window_) & UDS_HORZ) != 0; }
    // 1 for the up (right) button, -1 for the down (left) one, 0 outside.
    int ButtonAt(POINT at) const;
    RECT ButtonRect(int direction) const;
    void SetPosition(int value);
    void ShowInBuddy();
    void ReadBuddy();
    void AttachBuddy(HWND buddy);
    void ReleaseBuddyKeys();

    HWND window_;
    ControlFont font_;
    HWND buddy_ = 0;
    int lower_ = 100, upper_ = 0, position_ = 0;
    int pressed_ = 0;
};

int UpDown::ButtonAt(POINT at) const {
    for (int direction : {1, -1}) {
        const RECT r = ButtonRect(direction);
        if (PtInRect(&r, at)) return direction;
    }
    return 0;
}

RECT UpDown::ButtonRect(int direction) const {
    RECT r = ClientRect(window_);
    if (Horizontal()) {
        const int middle = (r.left + r.right) / 2;
        if (direction > 0) r.left = middle;
        else r.right = middle;
    } else {
        const int middle = (r.top + r.bottom) / 2;
        if (direction > 0) r.bottom = middle;
        else r.top = middle;
    }
    return r;
}

void UpDown::Paint(HDC dc) {
    for (int direction : {1, -1}) {
        RECT r = ButtonRect(direction);
        UINT state = Horizontal() ? (direction > 0 ? DFCS_SCROLLRIGHT : DFCS_SCROLLLEFT)
                                  : (direction > 0 ? DFCS_SCROLLUP : DFCS_SCROLLDOWN);
        if (pressed_ == direction) state |= DFCS_PUSHED;
        if (!IsWindowEnabled(window_)) state |= DFCS_INACTIVE;
        DrawFrameControl(dc, &r, DFC_SCROLL, state);
    }
}

void UpDown::ShowInBuddy() {
    if (!buddy_ || !(Style(window_) & UDS_SETBUDDYINT)) return;
    SetWindowText(buddy_, PositionText(position_, !(Style(window_) & UDS_NOTHOUSANDS)).c_str());
}

void UpDown::ReadBuddy() {
    if (!buddy_ || !(Style(window_) & UDS_SETBUDDYINT)) return;
    char text[64] = {};
    GetWindowText(buddy_, text, int(sizeof text));
    AnsiString digits;
    for (const char* c = text; *c; ++c)
        if (*c != ',') digits += *c;
    char* end = nullptr;
    const long value = std::strtol(digits.c_str(), &end, 10);
    if (!digits.empty() && end && *end == 0) position_ = int(value);
}

void UpDown::SetPosition(int value) {
    const int low = std::min(lower_, upper_), high = std::max(lower_, upper_);
    position_ = std::clamp(value, low, high);
    ShowInBuddy();
}

void UpDown::Step(int direction) {
    ReadBuddy();
    // The range may run backwards (lower above upper): "up" then counts down.
    const int delta = lower_ <= upper_ ? direction : -direction;
    NMUPDOWN change;
    change.iPos = position_;
    change.iDelta = delta;
    if (NotifyParent(window_, change.hdr, UDN_DELTAPOS)) return;
    const int low = std::min(lower_, upper_), high = std::max(lower_, upper_);
    int next = position_ + change.iDelta;
    if (next > high) next = (Style(window_) & UDS_WRAP) ? low : high;
    if (next < low) next = (Style(window_) & UDS_WRAP) ? high : low;
    if (next == position_) return;
    position_ = next;
    ShowInBuddy();
    SendMessage(NotifyTarget(window_), Horizontal() ? WM_HSCROLL : WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position_),
                LPARAM(window_));
}

void UpDown::ReleaseBuddyKeys() {
    const auto found = ArrowKeyBuddies().find(buddy_);
    if (found == ArrowKeyBuddies().end() || found->second.upDown != this) return;
    if (IsWindow(buddy_)) SetWindowLongPtr(buddy_, GWLP_WNDPROC, LONG_PTR(found->second.previous));
    ArrowKeyBuddies().erase(found);
}

void UpDown::AttachBuddy(HWND buddy) {
    ReleaseBuddyKeys();
    buddy_ = buddy;
    if (!buddy_) return;
    const DWORD style = Style(window_);
    if ((style & UDS_ARROWKEYS) && !ArrowKeyBuddies().count(buddy_)) {
        ArrowKeyBuddies()[buddy_] = {this, WNDPROC(GetWindowLongPtr(buddy_, GWLP_WNDPROC))};
        SetWindowLongPtr(buddy_, GWLP_WNDPROC, LONG_PTR(WNDPROC(&BuddyProcedure)));
    }
    if (style & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT)) {
        RECT box;
        GetWindowRect(buddy_, &box);
        MapWindowPoints(0, GetParent(buddy_), reinterpret_cast<POINT*>(&box), 2);
        RECT own;
        GetWindowRect(window_, &own);
        const int width = own.right - own.left, height = box.bottom - box.top;
        const int left = (style & UDS_ALIGNRIGHT) ? box.right - width : box.left;
        MoveWindow(window_, left, box.top, width, height, TRUE);
        MoveWindow(buddy_, (style & UDS_ALIGNRIGHT) ? box.left : box.left + width, box.top,
                   std::max(0, int(box.right - box.left) - width), height, TRUE);
    }
    ShowInBuddy();
}

LRESULT UpDown::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        if (Style(window_) & UDS_AUTOBUDDY) AttachBuddy(GetWindow(window_, GW_HWNDPREV));
        return 0;
    case UDM_SETRANGE:
        upper_ = short(LOWORD(lParam));
        lower_ = short(HIWORD(lParam));
        return 0;
    case UDM_SETRANGE32:
        lower_ = int(wParam);
        upper_ = int(lParam);
        return 0;
    case UDM_GETRANGE:
        return MAKELONG(WORD(upper_), WORD(lower_));
    case UDM_GETRANGE32:
        if (wParam) *reinterpret_cast<int*>(wParam) = lower_;
        if (lParam) *reinterpret_cast<int*>(lParam) = upper_;
        return 0;
    case UDM_SETPOS:
    case UDM_SETPOS32: {
        const int old = position_;
        SetPosition(message == UDM_SETPOS ? short(LOWORD(lParam)) : int(lParam));
        return old;
    }
    case UDM_GETPOS:
        ReadBuddy();
        return MAKELONG(WORD(position_), 0);
    case UDM_GETPOS32:
        ReadBuddy();
        if (lParam) *reinterpret_cast<BOOL*>(lParam) = FALSE;
        return position_;
    case UDM_SETBUDDY: {
        const HWND old = buddy_;
        AttachBuddy(HWND(wParam));
        return LRESULT(old);
    }
    case UDM_GETBUDDY:
        return LRESULT(buddy_);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        pressed_ = ButtonAt(POINT{short(LOWORD(lParam)), short(HIWORD(lParam))});
        if (!pressed_) return 0;
        SetCapture(window_);
        InvalidateRect(window_, nullptr, FALSE);
        Step(pressed_);
        SetTimer(window_, kRepeatTimer, kFirstRepeat, nullptr);
        return 0;
    case WM_TIMER:
        if (wParam != kRepeatTimer || !pressed_) return 0;
        SetTimer(window_, kRepeatTimer, kNextRepeat, nullptr);
        Step(pressed_);
        return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        if (!pressed_) return 0;
        pressed_ = 0;
        KillTimer(window_, kRepeatTimer);
        if (message == WM_LBUTTONUP) ReleaseCapture();
        InvalidateRect(window_, nullptr, FALSE);
        SendMessage(NotifyTarget(window_), Horizontal() ? WM_HSCROLL : WM_VSCROLL,
                    MAKEWPARAM(SB_ENDSCROLL, position_), LPARAM(window_));
        return 0;
    case WM_ENABLE:
        InvalidateRect(window_, nullptr, FALSE);
        return 0;
    default:
        return DefWindowProc(window_, message, wParam, lParam);
    }
}

LRESULT BuddyProcedure(HWND buddy, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto found = ArrowKeyBuddies().find(buddy);
    if (found == ArrowKeyBuddies().end()) return DefWindowProc(buddy, message, wParam, lParam);
    const ArrowKeyBuddy subclass = found->second;
    if (message == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN)) {
        subclass.upDown->Step(wParam == VK_UP ? 1 : -1);
        return 0;
    }
    if (message == WM_NCDESTROY) ArrowKeyBuddies().erase(found);
    return CallWindowProc(subclass.previous, buddy, message, wParam, lParam);
}

}  // namespace

void RegisterUpDownClass() { RegisterControlClass(UPDOWN_CLASS, &ControlProcedure<UpDown>, CS_DBLCLKS, 0); }

}  // namespace ctl
