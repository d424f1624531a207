// Input: the mouse, the keyboard, input methods, focus and activation,
// capture, the caret and cursors.
//
// Qt's input enters through the surface of a top-level window and is put
// into the queue as messages (time and cursor position included); the
// window under the mouse or with the focus is found when the input arrives.
// Typed and committed text becomes WM_CHAR messages of its ANSI bytes, lead
// byte before trail byte.
#pragma once

#include "platform/win/msgqueue.h"

// ---- Virtual keys -------------------------------------------------------------------
constexpr int VK_LBUTTON = 0x01, VK_RBUTTON = 0x02, VK_CANCEL = 0x03, VK_MBUTTON = 0x04, VK_BACK = 0x08,
              VK_TAB = 0x09, VK_CLEAR = 0x0C, VK_RETURN = 0x0D, VK_SHIFT = 0x10, VK_CONTROL = 0x11,
              VK_MENU = 0x12, VK_PAUSE = 0x13, VK_CAPITAL = 0x14, VK_ESCAPE = 0x1B, VK_SPACE = 0x20,
              VK_PRIOR = 0x21, VK_NEXT = 0x22, VK_END = 0x23, VK_HOME = 0x24, VK_LEFT = 0x25, VK_UP = 0x26,
              VK_RIGHT = 0x27, VK_DOWN = 0x28, VK_SELECT = 0x29, VK_PRINT = 0x2A, VK_SNAPSHOT = 0x2C,
              VK_INSERT = 0x2D, VK_DELETE = 0x2E, VK_HELP = 0x2F, VK_LWIN = 0x5B, VK_RWIN = 0x5C, VK_APPS = 0x5D,
              VK_NUMPAD0 = 0x60, VK_MULTIPLY = 0x6A, VK_ADD = 0x6B, VK_SEPARATOR = 0x6C, VK_SUBTRACT = 0x6D,
              VK_DECIMAL = 0x6E, VK_DIVIDE = 0x6F, VK_F1 = 0x70, VK_F2 = 0x71, VK_F3 = 0x72, VK_F4 = 0x73,
              VK_F5 = 0x74, VK_F6 = 0x75, VK_F7 = 0x76, VK_F8 = 0x77, VK_F9 = 0x78, VK_F10 = 0x79, VK_F11 = 0x7A,
              VK_F12 = 0x7B, VK_NUMLOCK = 0x90, VK_SCROLL = 0x91, VK_LSHIFT = 0xA0, VK_RSHIFT = 0xA1,
              VK_LCONTROL = 0xA2, VK_RCONTROL = 0xA3, VK_LMENU = 0xA4, VK_RMENU = 0xA5, VK_PROCESSKEY = 0xE5;

// The key that types a character on the keyboard layout (US): the virtual
// key in the low byte, the shift state in the high byte (1 Shift); -1 for a
// character no key types.
short VkKeyScan(char ch);

// Keyboard layouts: the system has the one layout of VkKeyScan, so
// activating a layout changes nothing and answers the layout in use.
using HKL = Cardinal;
constexpr UINT KLF_ACTIVATE = 0x1, KLF_REORDER = 0x8, KLF_SETFORPROCESS = 0x100;
constexpr HKL kUsKeyboardLayout = 0x04090409;
HKL GetKeyboardLayout(DWORD threadId);
HKL ActivateKeyboardLayout(HKL layout, UINT flags);

// The state as of the last retrieved message: high bit down, low bit toggled.
short GetKeyState(int virtualKey);
// The state now: high bit down.
short GetAsyncKeyState(int virtualKey);
// 256 bytes, the same bits as GetKeyState.
BOOL GetKeyboardState(BYTE* state);
BOOL SetKeyboardState(const BYTE* state);

// ---- Focus and activation ------------------------------------------------------------
// WM_KILLFOCUS goes to the old focus (wParam: the new one), then WM_SETFOCUS
// to the new (wParam: the old one); the new focus's top-level window is
// activated first. Answers the previous focus.
HWND SetFocus(HWND window);
HWND GetFocus();
// Deactivates the active top-level window (WM_NCACTIVATE, WM_ACTIVATE with
// the other window) and activates `window` (WM_ACTIVATEAPP when the program
// becomes active, WM_NCACTIVATE, WM_ACTIVATE; the default handling of
// WM_ACTIVATE gives it the focus). Answers the previously active window.
// While another program holds the foreground, nothing is activated: the
// window is recorded as the active one and activated when the program
// returns.
HWND SetActiveWindow(HWND window);
HWND GetActiveWindow();
HWND GetForegroundWindow();
// Brings the program to the foreground, when it is not, and activates the
// window.
BOOL SetForegroundWindow(HWND window);
// The program gains or loses the foreground (from Qt): WM_ACTIVATEAPP and
// the active window's WM_ACTIVATE; a window made active while the program
// was away is raised first.
void ApplicationActivated(bool active);

// ---- Capture -----------------------------------------------------------------------
// WM_CAPTURECHANGED goes to the window losing the capture (lParam: the new one).
HWND SetCapture(HWND window);
BOOL ReleaseCapture();
HWND GetCapture();

constexpr DWORD TME_HOVER = 1, TME_LEAVE = 2, TME_NONCLIENT = 0x10, TME_QUERY = 0x40000000,
                TME_CANCEL = 0x80000000;
constexpr DWORD HOVER_DEFAULT = 0xFFFFFFFF;
struct TRACKMOUSEEVENT {
    DWORD cbSize = sizeof(TRACKMOUSEEVENT);
    DWORD dwFlags = 0;
    HWND hwndTrack = 0;
    DWORD dwHoverTime = 0;
};
// TME_LEAVE: one WM_MOUSELEAVE is posted when the mouse leaves the window.
BOOL TrackMouseEvent(TRACKMOUSEEVENT* track);

// ---- Caret --------------------------------------------------------------------------
// One caret for the thread, drawn inverted in its window and blinking by a
// timer of the clock. `bitmap` 0 makes a solid caret, 1 a grey one.
BOOL CreateCaret(HWND window, HBITMAP bitmap, int width, int height);
BOOL DestroyCaret();
BOOL SetCaretPos(int x, int y);
BOOL GetCaretPos(POINT* point);
BOOL ShowCaret(HWND window);
BOOL HideCaret(HWND window);
UINT GetCaretBlinkTime();
BOOL SetCaretBlinkTime(UINT milliseconds);

// ---- Cursors ------------------------------------------------------------------------
constexpr std::uintptr_t IDC_ARROW = 32512, IDC_IBEAM = 32513, IDC_WAIT = 32514, IDC_CROSS = 32515,
                         IDC_UPARROW = 32516, IDC_SIZE = 32640, IDC_ICON = 32641, IDC_SIZENWSE = 32642,
                         IDC_SIZENESW = 32643, IDC_SIZEWE = 32644, IDC_SIZENS = 32645, IDC_SIZEALL = 32646,
                         IDC_NO = 32648, IDC_HAND = 32649, IDC_APPSTARTING = 32650, IDC_HELP = 32651;
// With instance 0 and an IDC_ value (as the name pointer): the system cursor.
// Other names: a cursor the program registered with RegisterCursor, or one
// of its embedded "CURSOR" resources (.cur files), loaded once and shared.
HCURSOR LoadCursor(HINSTANCE instance, const char* name);
inline HCURSOR LoadCursor(HINSTANCE instance, std::uintptr_t id) {
    return LoadCursor(instance, reinterpret_cast<const char*>(id));
}
// Registers a named cursor of the program (what LoadCursor with an
// instance finds).
void RegisterCursor(const char* name, HCURSOR cursor);
BOOL DestroyCursor(HCURSOR cursor);
// Answers the previous cursor.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
// The system cursor shape an HCURSOR stands for (IDC_ value), 0 for our own.
std::uintptr_t SystemCursorId(HCURSOR cursor);
BOOL GetCursorPos(POINT* point);
BOOL SetCursorPos(int x, int y);
// Answers the display count (shown while >= 0).
int ShowCursor(BOOL show);
// Confines the cursor (0: frees it).
BOOL ClipCursor(const RECT* rect);
BOOL GetClipCursor(RECT* rect);

// ---- Input methods ------------------------------------------------------------------
using HIMC = HANDLE;
// Input-method contexts: each window has one unless it is associated with
// 0, which turns the input method off for it (password edits do so).
HIMC ImmGetContext(HWND window);
BOOL ImmReleaseContext(HWND window, HIMC context);
HIMC ImmAssociateContext(HWND window, HIMC context);
constexpr DWORD GCS_COMPSTR = 0x8, GCS_CURSORPOS = 0x80, GCS_RESULTSTR = 0x800;
// The composition (GCS_COMPSTR) or the last result (GCS_RESULTSTR) as ANSI
// bytes; with length 0 answers the byte count.
LONG ImmGetCompositionString(HIMC context, DWORD index, void* buffer, DWORD length);
// Whether the input method serves the window now: it is enabled and has a context.
bool InputMethodAllowed(HWND window);
// The focus window's caret rectangle in screen coordinates (where the
// input method shows its candidates).
RECT InputMethodCursorRect();
// The window of our own that shows the composition at the caret (0 while
// nothing is composed).
HWND CompositionWindow();

// ---- Where input enters ---------------------------------------------------------------
// Qt's surface calls these, and so do the test seams. Positions are screen
// coordinates; `button` is VK_LBUTTON, VK_RBUTTON or VK_MBUTTON.
namespace ws {
void InputMouseMove(POINT screen);
void InputMouseButton(POINT screen, int button, bool down);
void InputMouseWheel(POINT screen, int delta);
// A key with the text it produced (ANSI bytes; empty for none, where
// Backspace, Tab, Enter and Esc without Ctrl still give their control
// character, as the keyboard does). Repeats set `repeat`.
void InputKey(int virtualKey, bool down, const AnsiString& text, bool repeat = false);
// Input-method composition: the text being composed (ANSI) changes, then a
// commit. An empty preedit ends the composition.
void InputComposition(const AnsiString& preedit, int cursor);
void InputCommit(const AnsiString& text);
// The mouse left every window of ours, for `screen`.
void InputMouseLeftSurfaces(POINT screen);
}  // namespace ws
