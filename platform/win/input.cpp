// Mouse and keyboard input into the queue, key state, focus, activation and
// capture.
#include <algorithm>
#include <array>
#include <cstdlib>

#include "platform/rtl/clock.h"
#include "platform/rtl/programlong.h"
#include "platform/win/frame_internal.h"
#include "platform/win/surfacehost.h"
#include "platform/win/userinput.h"
#include "platform/win/window_internal.h"

namespace ws {
namespace {

struct InputState {
    std::array<BYTE, 256> asyncKeys{};
    std::array<BYTE, 256> keys{};
    HWND focus = 0;
    HWND active = 0;
    HWND capture = 0;
    bool applicationActive = false;
    // Set while another program holds the foreground (from the moment Qt
    // says so until the program is brought back): activation then only
    // records the window to activate on return. A program just started may
    // take the foreground, as on the platform.
    bool inBackground = false;
    // The window that was active when the program went to the background.
    HWND activeWhenLeft = 0;
    POINT cursor;
    HWND underMouse = 0;
    // The last button press, for double clicks.
    int lastButton = 0;
    HWND lastButtonWindow = 0;
    DWORD lastButtonTime = 0;
    POINT lastButtonPos;
    // The last key handed out pressed (not a repeat).
    int lastKeyDown = 0;
};

InputState& TheInput() {
    static ProgramLong<InputState> state;
    return *state;
}

constexpr BYTE down = 0x80, toggled = 0x01;

void SetKey(std::array<BYTE, 256>& keys, int vk, bool pressed, bool toggle) {
    BYTE& k = keys[std::size_t(vk & 0xFF)];
    if (pressed && toggle) k ^= toggled;
    k = BYTE((k & toggled) | (pressed ? down : 0));
}

// The generic key and its left/right form move together.
void SetKeyWithSides(std::array<BYTE, 256>& keys, int vk, bool pressed, bool toggle) {
    SetKey(keys, vk, pressed, toggle);
    if (vk == VK_SHIFT) SetKey(keys, VK_LSHIFT, pressed, toggle);
    if (vk == VK_CONTROL) SetKey(keys, VK_LCONTROL, pressed, toggle);
    if (vk == VK_MENU) SetKey(keys, VK_LMENU, pressed, toggle);
}

bool IsDown(const std::array<BYTE, 256>& keys, int vk) { return keys[std::size_t(vk)] & down; }

WPARAM MouseKeyFlags(const std::array<BYTE, 256>& keys) {
    WPARAM flags = 0;
    if (IsDown(keys, VK_LBUTTON)) flags |= MK_LBUTTON;
    if (IsDown(keys, VK_RBUTTON)) flags |= MK_RBUTTON;
    if (IsDown(keys, VK_MBUTTON)) flags |= MK_MBUTTON;
    if (IsDown(keys, VK_SHIFT)) flags |= MK_SHIFT;
    if (IsDown(keys, VK_CONTROL)) flags |= MK_CONTROL;
    return flags;
}

bool IsMouseMessage(UINT m) {
    return (m >= WM_MOUSEFIRST && m <= WM_MOUSELAST) || (m >= WM_NCMOUSEMOVE && m <= WM_NCMBUTTONDBLCLK);
}

bool IsButtonDown(UINT m) {
    switch (m) {
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN: case WM_NCRBUTTONDBLCLK: case WM_NCMBUTTONDOWN: case WM_NCMBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

// The window that gets mouse input at a screen point and its hit code.
std::pair<HWND, LRESULT> MouseTarget(POINT screen) {
    auto& in = TheInput();
    if (in.capture && Find(in.capture)) return {in.capture, HTCLIENT};
    const HWND target = WindowFromPoint(screen);
    if (!target) return {0, HTNOWHERE};
    return {target, SendMessage(target, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y))};
}

void PostMouse(HWND target, LRESULT hit, UINT clientMessage, POINT screen, WPARAM extra = 0) {
    MSG msg{target, clientMessage, MouseKeyFlags(TheInput().asyncKeys) | extra, 0, GetTickCount(), screen, 0};
    if (hit == HTCLIENT || clientMessage == WM_MOUSEWHEEL) {
        POINT client = screen;
        if (clientMessage != WM_MOUSEWHEEL) ScreenToClient(target, &client);
        msg.lParam = MAKELPARAM(client.x, client.y);
    } else {
        // The non-client forms lie WM_NCMOUSEMOVE - WM_MOUSEMOVE apart.
        msg.message = clientMessage - WM_MOUSEMOVE + WM_NCMOUSEMOVE;
        msg.wParam = WPARAM(hit);
        msg.lParam = MAKELPARAM(screen.x, screen.y);
    }
    EnqueueInput(msg);
}

void NoteMouseWindow(HWND now) {
    auto& in = TheInput();
    if (in.underMouse == now) return;
    const HWND left = in.underMouse;
    in.underMouse = now;
    if (Window* w = Find(left); w && w->mouseTracked) {
        w->mouseTracked = false;
        EnqueueInput(MSG{left, WM_MOUSELEAVE, 0, 0, GetTickCount(), in.cursor, 0});
    }
}

// Whether a window and all its ancestors are enabled.
bool IsEnabledChain(HWND handle) {
    for (Window* w = Find(handle); w && w->handle != Desktop().handle; w = Find(w->parent))
        if (w->style & WS_DISABLED) return false;
    return true;
}

void FocusWithinLost(HWND handle) {
    auto& in = TheInput();
    if (in.focus && (in.focus == handle || IsChild(handle, in.focus))) {
        Window* w = Find(handle);
        Window* top = TopLevelOf(w);
        const HWND next = top && top->handle != handle && top->handle == in.active ? top->handle : 0;
        SetFocus(next);
    }
}

// The next top-level window to activate when `leaving` goes away: its owner
// when that is showing, otherwise the topmost showing one.
HWND NextToActivate(HWND leaving) {
    Window* w = Find(leaving);
    if (w && w->owner)
        if (Window* o = Find(w->owner); o && IsShowing(*o) && !(o->style & WS_DISABLED)) return o->handle;
    for (HWND h : Desktop().children) {
        Window* t = Find(h);
        if (t && h != leaving && IsShowing(*t) && !(t->style & WS_DISABLED) &&
            !(t->exStyle & (WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE)))
            return h;
    }
    return 0;
}

// The character a key gives on the platform's keyboard when its input
// brought no text (synthetic keys, windowing systems that send none): the
// control characters of Backspace, Tab, Enter and Esc. With Ctrl held the
// keyboard gives other characters or none, so none is made up then.
AnsiString ControlCharacterOf(int virtualKey) {
    switch (virtualKey) {
    case VK_BACK: return "\b";
    case VK_TAB: return "\t";
    case VK_RETURN: return "\r";
    case VK_ESCAPE: return "\x1B";
    default: return AnsiString();
    }
}

// Every top-level window learns that the program gained or lost the foreground.
void TellTopLevelsActivateApp(bool active) {
    const auto tops = Desktop().children;
    for (HWND t : tops) SendMessage(t, WM_ACTIVATEAPP, active, LPARAM(GetCurrentThreadId()));
}

}  // namespace

void InputMouseMove(POINT screen) {
    auto& in = TheInput();
    in.cursor = screen;
    const auto [target, hit] = MouseTarget(screen);
    NoteMouseWindow(target);
    HoverWindowScrollBars(target, hit, screen);
    if (target) PostMouse(target, hit, WM_MOUSEMOVE, screen);
}

void InputMouseButton(POINT screen, int button, bool pressed) {
    auto& in = TheInput();
    in.cursor = screen;
    SetKey(in.asyncKeys, button, pressed, false);
    const auto [target, hit] = MouseTarget(screen);
    NoteMouseWindow(target);
    if (!target) return;
    const UINT downMessage = button == VK_LBUTTON ? WM_LBUTTONDOWN : button == VK_RBUTTON ? WM_RBUTTONDOWN
                                                                                          : WM_MBUTTONDOWN;
    if (!pressed) {
        PostMouse(target, hit, downMessage + 1, screen);
        return;
    }
    const DWORD now = GetTickCount();
    // The double-click rectangle of the classic metrics, 4 x 4 pixels.
    constexpr int cx = 4, cy = 4;
    const bool dbl = in.lastButton == button && in.lastButtonWindow == target &&
                     now - in.lastButtonTime <= GetDoubleClickTime() &&
                     std::abs(screen.x - in.lastButtonPos.x) <= cx / 2 &&
                     std::abs(screen.y - in.lastButtonPos.y) <= cy / 2;
    Window* w = Find(target);
    const bool classWantsDbl = w && (w->windowClass->style & CS_DBLCLKS);
    if (dbl && (hit != HTCLIENT || classWantsDbl)) {
        in.lastButton = 0;
        PostMouse(target, hit, downMessage + 2, screen);
        return;
    }
    in.lastButton = button;
    in.lastButtonWindow = target;
    in.lastButtonTime = now;
    in.lastButtonPos = screen;
    PostMouse(target, hit, downMessage, screen);
}

void InputMouseWheel(POINT screen, int delta) {
    auto& in = TheInput();
    in.cursor = screen;
    // The wheel goes to the window under the pointer, as the platform does
    // for windows the pointer hovers over; while the mouse is captured, or
    // over a disabled window, it goes to the focus window.
    HWND target = in.capture && Find(in.capture) ? 0 : ShowingWindowAt(screen);
    if (!target || !IsEnabledChain(target)) target = in.focus ? in.focus : in.active;
    if (!target) return;
    PostMouse(target, HTCLIENT, WM_MOUSEWHEEL, screen, WPARAM(WORD(short(delta))) << 16);
}

// No move reports where the mouse went; a leave handler asking for the
// cursor must not find it still over the window it left.
void InputMouseLeftSurfaces(POINT screen) {
    TheInput().cursor = screen;
    NoteMouseWindow(0);
    HoverWindowScrollBars(0, HTNOWHERE, screen);
}

void InputKey(int virtualKey, bool pressed, const AnsiString& text, bool repeat) {
    auto& in = TheInput();
    SetKeyWithSides(in.asyncKeys, virtualKey, pressed, !repeat);
    const bool alt = IsDown(in.asyncKeys, VK_MENU);
    const bool control = IsDown(in.asyncKeys, VK_CONTROL);
    HWND target = in.focus;
    bool system = (alt && !control) || virtualKey == VK_F10 || virtualKey == VK_MENU;
    if (!target) {
        target = in.active;
        system = true;
    }
    if (!target) return;
    const UINT message = system ? (pressed ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (pressed ? WM_KEYDOWN : WM_KEYUP);
    LPARAM lParam = 1;
    if (alt) lParam |= LPARAM(1) << 29;
    if (!pressed) lParam |= (LPARAM(1) << 30) | (LPARAM(1) << 31);
    else if (repeat) lParam |= LPARAM(1) << 30;
    AnsiString keyText;
    if (pressed) keyText = !text.empty() || control ? text : ControlCharacterOf(virtualKey);
    EnqueueInput(MSG{target, message, WPARAM(virtualKey), lParam, GetTickCount(), in.cursor, 0}, keyText);
}

int LastKeyDown() { return TheInput().lastKeyDown; }

bool InputRetrieved(MSG& msg) {
    auto& in = TheInput();
    const UINT m = msg.message;
    if (m == WM_KEYDOWN || m == WM_SYSKEYDOWN || m == WM_KEYUP || m == WM_SYSKEYUP) {
        const bool pressed = m == WM_KEYDOWN || m == WM_SYSKEYDOWN;
        const bool first = !(msg.lParam & (LPARAM(1) << 30));
        SetKeyWithSides(in.keys, int(msg.wParam), pressed, first);
        if (pressed && first) in.lastKeyDown = int(msg.wParam);
        return true;
    }
    if (!IsMouseMessage(m)) return true;
    // Client mouse messages carry the button states; non-client ones carry
    // the hit code instead.
    if (m >= WM_MOUSEFIRST && m < WM_MOUSEWHEEL) {
        SetKey(in.keys, VK_LBUTTON, msg.wParam & MK_LBUTTON, false);
        SetKey(in.keys, VK_RBUTTON, msg.wParam & MK_RBUTTON, false);
        SetKey(in.keys, VK_MBUTTON, msg.wParam & MK_MBUTTON, false);
    }
    if (m == WM_MOUSEWHEEL || !Find(msg.hwnd)) return Find(msg.hwnd) != nullptr;
    // The window holding the capture when a message is handed out takes it:
    // a press that set the capture gets the release queued behind it.
    if (in.capture && msg.hwnd != in.capture && m >= WM_MOUSEMOVE && Find(in.capture)) {
        POINT client = msg.pt;
        ScreenToClient(in.capture, &client);
        msg.hwnd = in.capture;
        msg.lParam = MAKELPARAM(client.x, client.y);
    }
    // A disabled window takes no clicks, nor does one inside a disabled
    // window: the release of the press that opened a modal dialog stays
    // away from the window the dialog disabled.
    if (m != WM_MOUSEMOVE && m != WM_NCMOUSEMOVE && msg.hwnd != in.capture && !IsEnabledChain(msg.hwnd)) return false;
    const bool client = m < WM_NCMOUSEMOVE || m > WM_NCMBUTTONDBLCLK;
    const LRESULT hit = client ? HTCLIENT : LRESULT(msg.wParam);
    const UINT mouseMessage = client ? m : m - WM_NCMOUSEMOVE + WM_MOUSEMOVE;
    if (IsButtonDown(m)) {
        Window* top = TopLevelOf(Find(msg.hwnd));
        if (top && (top->handle != in.active || in.inBackground) && !(top->exStyle & WS_EX_NOACTIVATE)) {
            const LRESULT answer =
                SendMessage(msg.hwnd, WM_MOUSEACTIVATE, top->handle, MAKELPARAM(int(hit), int(mouseMessage)));
            // A click brings the program forward when it is not.
            if ((answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) && IsWindow(top->handle))
                SetForegroundWindow(top->handle);
            if (answer == MA_ACTIVATEANDEAT || answer == MA_NOACTIVATEANDEAT) return false;
        }
    }
    if (!in.capture && Find(msg.hwnd))
        SendMessage(msg.hwnd, WM_SETCURSOR, msg.hwnd, MAKELPARAM(int(hit), int(mouseMessage)));
    return Find(msg.hwnd) != nullptr;
}

void WindowLostVisibility(HWND handle) {
    auto& in = TheInput();
    if (in.capture && (in.capture == handle || IsChild(handle, in.capture))) ReleaseCapture();
    // A press before the window went away does not pair with the first press
    // after it comes back (a dialog shown again) into a double click.
    if (in.lastButtonWindow && (in.lastButtonWindow == handle || IsChild(handle, in.lastButtonWindow))) {
        in.lastButton = 0;
        in.lastButtonWindow = 0;
    }
    if (in.active == handle) {
        SetActiveWindow(NextToActivate(handle));
        if (in.active == handle) SetActiveWindow(0);
    }
    FocusWithinLost(handle);
}

void ForgetWindowInInput(HWND handle) {
    auto& in = TheInput();
    if (in.focus == handle) in.focus = 0;
    if (in.active == handle) in.active = 0;
    if (in.capture == handle) in.capture = 0;
    if (in.underMouse == handle) in.underMouse = 0;
    if (in.lastButtonWindow == handle) in.lastButtonWindow = 0;
}

}  // namespace ws

using namespace ws;

HKL GetKeyboardLayout(DWORD) { return kUsKeyboardLayout; }

HKL ActivateKeyboardLayout(HKL, UINT) { return kUsKeyboardLayout; }

short VkKeyScan(char ch) {
    if (ch >= 'a' && ch <= 'z') return short(ch - 'a' + 'A');
    if (ch >= 'A' && ch <= 'Z') return short(0x100 | ch);
    if (ch >= '0' && ch <= '9') return short(ch);
    // The punctuation keys: unshifted, then shifted, on the same key.
    struct Key {
        char plain, shifted;
        int vk;
    };
    static constexpr Key keys[] = {{' ', 0, VK_SPACE}, {'\r', 0, VK_RETURN}, {'\t', 0, VK_TAB},
                                   {'\b', 0, VK_BACK},  {'\x1b', 0, VK_ESCAPE}, {';', ':', 0xBA},
                                   {'=', '+', 0xBB},    {',', '<', 0xBC},      {'-', '_', 0xBD},
                                   {'.', '>', 0xBE},    {'/', '?', 0xBF},      {'`', '~', 0xC0},
                                   {'[', '{', 0xDB},    {'\\', '|', 0xDC},     {']', '}', 0xDD},
                                   {'\'', '"', 0xDE}};
    for (const Key& key : keys) {
        if (ch == key.plain) return short(key.vk);
        if (ch == key.shifted && ch) return short(0x100 | key.vk);
    }
    static constexpr char digitsShifted[] = ")!@#$%^&*(";
    for (int digit = 0; digit < 10; ++digit)
        if (ch == digitsShifted[digit]) return short(0x100 | ('0' + digit));
    return -1;
}

short GetKeyState(int vk) { return short(std::int8_t(TheInput().keys[std::size_t(vk & 0xFF)])); }

short GetAsyncKeyState(int vk) { return IsDown(TheInput().asyncKeys, vk & 0xFF) ? short(0x8000) : 0; }

BOOL GetKeyboardState(BYTE* state) {
    if (!state) return FALSE;
    std::copy(TheInput().keys.begin(), TheInput().keys.end(), state);
    return TRUE;
}

BOOL SetKeyboardState(const BYTE* state) {
    if (!state) return FALSE;
    std::copy(state, state + 256, TheInput().keys.begin());
    return TRUE;
}

HWND SetFocus(HWND handle) {
    auto& in = TheInput();
    const HWND old = in.focus;
    if (handle) {
        Window* w = Find(handle);
        if (!w || !IsEnabledChain(handle)) return 0;
        Window* top = TopLevelOf(w);
        if (top && top->handle != in.active) {
            SetActiveWindow(top->handle);
            if (!IsWindow(handle)) return 0;
        }
    }
    if (in.focus == handle) return old;
    const HWND previous = in.focus;
    in.focus = handle;
    if (previous && IsWindow(previous)) SendMessage(previous, WM_KILLFOCUS, handle, 0);
    if (handle && in.focus == handle && IsWindow(handle)) SendMessage(handle, WM_SETFOCUS, previous, 0);
    return old;
}

HWND GetFocus() { return TheInput().focus; }

HWND SetActiveWindow(HWND handle) {
    auto& in = TheInput();
    Window* w = handle ? TopLevelOf(Find(handle)) : nullptr;
    if (handle && !w) return 0;
    const HWND target = w ? w->handle : 0;
    const HWND old = in.active;
    if (target == old) return old;
    if (in.inBackground) {
        in.active = target;
        return old;
    }
    NotifyActivation(target, old);
    in.active = target;
    if (old && IsWindow(old)) {
        SendMessage(old, WM_NCACTIVATE, FALSE, 0);
        SendMessage(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(old)), LPARAM(target));
    }
    if (in.active != target) return old;
    if (!target) {
        if (in.focus) SetFocus(0);
        return old;
    }
    if (!in.applicationActive) {
        in.applicationActive = true;
        TellTopLevelsActivateApp(true);
    }
    SetWindowPos(target, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ActivateSurface(target);
    if (in.focus && !IsChild(target, in.focus) && in.focus != target) {
        const HWND previous = in.focus;
        in.focus = 0;
        SendMessage(previous, WM_KILLFOCUS, 0, 0);
    }
    SendMessage(target, WM_NCACTIVATE, TRUE, 0);
    const WPARAM how = IsDown(in.asyncKeys, VK_LBUTTON) || IsDown(in.asyncKeys, VK_RBUTTON) ? WA_CLICKACTIVE : WA_ACTIVE;
    SendMessage(target, WM_ACTIVATE, MAKEWPARAM(int(how), IsIconic(target)), LPARAM(old));
    return old;
}

HWND GetActiveWindow() { return TheInput().active; }
HWND GetForegroundWindow() { return TheInput().applicationActive ? TheInput().active : 0; }

BOOL SetForegroundWindow(HWND handle) {
    if (!IsWindow(handle)) return FALSE;
    SetActiveWindow(handle);
    if (TheInput().inBackground) ApplicationActivated(true);
    return TRUE;
}

void ApplicationActivated(bool active) {
    auto& in = TheInput();
    in.inBackground = !active;
    if (in.applicationActive == active) return;
    in.applicationActive = active;
    if (!active) in.activeWhenLeft = in.active;
    // A window activated while away comes forward now, as it would have.
    if (active && in.active && in.active != in.activeWhenLeft && IsWindow(in.active)) {
        NotifyActivation(in.active, in.activeWhenLeft);
        SetWindowPos(in.active, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ActivateSurface(in.active);
    }
    TellTopLevelsActivateApp(active);
    if (in.active && IsWindow(in.active)) {
        SendMessage(in.active, WM_NCACTIVATE, active, 0);
        SendMessage(in.active, WM_ACTIVATE, active ? WA_ACTIVE : WA_INACTIVE, 0);
    }
}

HWND SetCapture(HWND handle) {
    auto& in = TheInput();
    if (handle && !IsWindow(handle)) return 0;
    const HWND old = in.capture;
    in.capture = handle;
    if (old && old != handle && IsWindow(old)) SendMessage(old, WM_CAPTURECHANGED, 0, LPARAM(handle));
    return old;
}

BOOL ReleaseCapture() {
    auto& in = TheInput();
    const HWND old = in.capture;
    in.capture = 0;
    if (old && IsWindow(old)) SendMessage(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() { return TheInput().capture; }

BOOL TrackMouseEvent(TRACKMOUSEEVENT* track) {
    if (!track) return FALSE;
    auto& in = TheInput();
    if (track->dwFlags & TME_QUERY) {
        Window* w = Find(in.underMouse);
        track->dwFlags = w && w->mouseTracked ? TME_LEAVE : 0;
        track->hwndTrack = w && w->mouseTracked ? w->handle : 0;
        return TRUE;
    }
    Window* w = Find(track->hwndTrack);
    if (!w) return FALSE;
    if (!(track->dwFlags & TME_LEAVE)) return TRUE;
    if (track->dwFlags & TME_CANCEL) {
        w->mouseTracked = false;
        return TRUE;
    }
    // The record of the window under the mouse is kept by mouse moves; a
    // window made under a resting cursor has none yet, so the cursor's real
    // place decides (a leave sent at once would be tracked again forever).
    if (in.underMouse != track->hwndTrack && !in.capture && WindowFromPoint(in.cursor) == track->hwndTrack)
        NoteMouseWindow(track->hwndTrack);
    if (in.underMouse != track->hwndTrack) {
        // Already outside: the leave comes at once.
        EnqueueInput(MSG{track->hwndTrack, WM_MOUSELEAVE, 0, 0, GetTickCount(), in.cursor, 0});
        return TRUE;
    }
    w->mouseTracked = true;
    return TRUE;
}

BOOL GetCursorPos(POINT* point) {
    if (!point) return FALSE;
    *point = TheInput().cursor;
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    TheInput().cursor = ClipToCursorRect({x, y});
    return TRUE;
}
