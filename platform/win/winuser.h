// Windows: classes, creation and destruction, window data, the window
// procedures and their registry, geometry, z-order and the window tree.
//
// Every window is an object of the window system behind an HWND. Only
// top-level windows have a Qt surface; child windows are the window system's
// own and are drawn into their top-level's backing image. A window procedure
// (WNDPROC) is an opaque value from a registry of callables, so free functions
// and bound members serve alike; the default procedure, DefWindowProc, is the
// one home of the window system's default behaviour.
#pragma once

#include <functional>
#include <string>

#include "platform/rtl/events.h"
#include "platform/rtl/thread.h"
#include "platform/win/messages.h"

// ---- Window procedures ------------------------------------------------------
using WindowProcFunction = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
// The class library's window method: a bound member taking the message.
using TWndMethod = TEvent<void(TMessage&)>;

// An opaque window-procedure value. A free function converts implicitly (it
// is entered in the registry once); bound members get their value from
// MakeObjectInstance. The value travels through SetWindowLongPtr and back as
// a LONG_PTR.
class WNDPROC {
public:
    constexpr WNDPROC() = default;
    constexpr WNDPROC(std::nullptr_t) {}
    WNDPROC(WindowProcFunction function);
    constexpr explicit WNDPROC(LONG_PTR value) : value_(value) {}
    constexpr explicit operator LONG_PTR() const { return value_; }
    constexpr explicit operator bool() const { return value_ != 0; }
    friend constexpr bool operator==(WNDPROC, WNDPROC) = default;

private:
    LONG_PTR value_ = 0;
};

// Enters a bound window method in the registry; the value stays valid until
// FreeObjectInstance.
WNDPROC MakeObjectInstance(TWndMethod method);
void FreeObjectInstance(WNDPROC instance);
// Calls the procedure `proc` (0 or a released value answer 0).
LRESULT CallWindowProc(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProcW(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The default procedure as a procedure value (what DefWindowProc is called through).
WNDPROC DefWindowProcValue();
// Every window is ANSI on this platform.
BOOL IsWindowUnicode(HWND window);

// ---- Styles -----------------------------------------------------------------
constexpr DWORD WS_OVERLAPPED = 0, WS_POPUP = 0x80000000, WS_CHILD = 0x40000000, WS_MINIMIZE = 0x20000000,
                WS_VISIBLE = 0x10000000, WS_DISABLED = 0x08000000, WS_CLIPSIBLINGS = 0x04000000,
                WS_CLIPCHILDREN = 0x02000000, WS_MAXIMIZE = 0x01000000, WS_CAPTION = 0x00C00000,
                WS_BORDER = 0x00800000, WS_DLGFRAME = 0x00400000, WS_VSCROLL = 0x00200000,
                WS_HSCROLL = 0x00100000, WS_SYSMENU = 0x00080000, WS_THICKFRAME = 0x00040000,
                WS_GROUP = 0x00020000, WS_TABSTOP = 0x00010000, WS_MINIMIZEBOX = 0x00020000,
                WS_MAXIMIZEBOX = 0x00010000, WS_ICONIC = WS_MINIMIZE, WS_SIZEBOX = WS_THICKFRAME,
                WS_CHILDWINDOW = WS_CHILD,
                WS_OVERLAPPEDWINDOW =
                    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
                WS_POPUPWINDOW = WS_POPUP | WS_BORDER | WS_SYSMENU;
constexpr DWORD WS_EX_DLGMODALFRAME = 0x1, WS_EX_NOPARENTNOTIFY = 0x4, WS_EX_TOPMOST = 0x8,
                WS_EX_ACCEPTFILES = 0x10, WS_EX_TRANSPARENT = 0x20, WS_EX_MDICHILD = 0x40,
                WS_EX_TOOLWINDOW = 0x80, WS_EX_WINDOWEDGE = 0x100, WS_EX_CLIENTEDGE = 0x200,
                WS_EX_CONTEXTHELP = 0x400, WS_EX_RIGHT = 0x1000, WS_EX_RTLREADING = 0x2000,
                WS_EX_LEFTSCROLLBAR = 0x4000, WS_EX_CONTROLPARENT = 0x10000, WS_EX_STATICEDGE = 0x20000,
                WS_EX_APPWINDOW = 0x40000, WS_EX_LAYERED = 0x80000, WS_EX_NOACTIVATE = 0x08000000;
constexpr DWORD DS_MODALFRAME = 0x80, DS_SETFOREGROUND = 0x200;
constexpr UINT CS_VREDRAW = 0x1, CS_HREDRAW = 0x2, CS_DBLCLKS = 0x8, CS_OWNDC = 0x20, CS_CLASSDC = 0x40,
               CS_PARENTDC = 0x80, CS_NOCLOSE = 0x200, CS_SAVEBITS = 0x800, CS_GLOBALCLASS = 0x4000,
               CS_DROPSHADOW = 0x20000;

// ---- Classes ----------------------------------------------------------------
struct WNDCLASS {
    UINT style = 0;
    WNDPROC lpfnWndProc;
    int cbClsExtra = 0;
    int cbWndExtra = 0;
    HINSTANCE hInstance = 0;
    HICON hIcon = 0;
    HCURSOR hCursor = 0;
    HBRUSH hbrBackground = 0;  // a brush, or a system colour index + 1
    const char* lpszMenuName = nullptr;
    const char* lpszClassName = nullptr;
};
struct WNDCLASSEX {
    UINT cbSize = sizeof(WNDCLASSEX);
    UINT style = 0;
    WNDPROC lpfnWndProc;
    int cbClsExtra = 0;
    int cbWndExtra = 0;
    HINSTANCE hInstance = 0;
    HICON hIcon = 0;
    HCURSOR hCursor = 0;
    HBRUSH hbrBackground = 0;
    const char* lpszMenuName = nullptr;
    const char* lpszClassName = nullptr;
    HICON hIconSm = 0;
};
// Answers the class atom, 0 when the name is taken or missing.
ATOM RegisterClass(const WNDCLASS* windowClass);
ATOM RegisterClassEx(const WNDCLASSEX* windowClass);
BOOL UnregisterClass(const char* className, HINSTANCE instance);
BOOL GetClassInfo(HINSTANCE instance, const char* className, WNDCLASS* windowClass);
BOOL GetClassInfoEx(HINSTANCE instance, const char* className, WNDCLASSEX* windowClass);
// Copies at most count - 1 bytes and a terminator; answers the bytes copied.
int GetClassName(HWND window, char* buffer, int count);
AnsiString ClassNameOf(HWND window);

constexpr int GCL_MENUNAME = -8, GCLP_HBRBACKGROUND = -10, GCLP_HCURSOR = -12, GCLP_HICON = -14,
              GCLP_HMODULE = -16, GCL_CBWNDEXTRA = -18, GCL_CBCLSEXTRA = -20, GCLP_WNDPROC = -24,
              GCL_STYLE = -26, GCW_ATOM = -32, GCLP_HICONSM = -34;
ULONG_PTR GetClassLongPtr(HWND window, int index);
ULONG_PTR SetClassLongPtr(HWND window, int index, LONG_PTR value);

// ---- Creation and destruction ------------------------------------------------
struct CREATESTRUCT {
    void* lpCreateParams = nullptr;
    HINSTANCE hInstance = 0;
    HANDLE hMenu = 0;
    HWND hwndParent = 0;
    int cy = 0;
    int cx = 0;
    int y = 0;
    int x = 0;
    LONG style = 0;
    const char* lpszName = nullptr;
    const char* lpszClass = nullptr;
    DWORD dwExStyle = 0;
};
constexpr int CW_USEDEFAULT = int(0x80000000);
constexpr HWND HWND_MESSAGE = 0xFFFFFFFD;

// Creates a window of a registered class. WM_NCCREATE, WM_NCCALCSIZE and
// WM_CREATE are sent; the creation observers run before WM_NCCREATE, so they
// see the window before it is ever shown. Answers 0 when the class is unknown
// or WM_NCCREATE/WM_CREATE refuse. For a child (WS_CHILD) `menu` is its id.
HWND CreateWindowEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HANDLE menu, HINSTANCE instance, void* param);
HWND CreateWindow(const char* className, const char* windowName, DWORD style, int x, int y, int width,
                  int height, HWND parent, HANDLE menu, HINSTANCE instance, void* param);
// Hides the window, sends WM_DESTROY to it and then to its children (and
// the windows it owns are destroyed first), then WM_NCDESTROY children first.
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);

// ---- Window data -------------------------------------------------------------
constexpr int GWLP_WNDPROC = -4, GWLP_HINSTANCE = -6, GWLP_HWNDPARENT = -8, GWLP_ID = -12, GWL_STYLE = -16,
              GWL_EXSTYLE = -20, GWLP_USERDATA = -21;
constexpr int GWL_WNDPROC = GWLP_WNDPROC, GWL_HINSTANCE = GWLP_HINSTANCE, GWL_HWNDPARENT = GWLP_HWNDPARENT,
              GWL_ID = GWLP_ID, GWL_USERDATA = GWLP_USERDATA;
// Indexes 0 and up address the class's extra window bytes (cbWndExtra).
// Setting GWL_STYLE or GWL_EXSTYLE sends WM_STYLECHANGING/WM_STYLECHANGED.
LONG_PTR GetWindowLongPtr(HWND window, int index);
LONG_PTR SetWindowLongPtr(HWND window, int index, LONG_PTR value);
LONG GetWindowLong(HWND window, int index);
LONG SetWindowLong(HWND window, int index, LONG value);
int GetDlgCtrlID(HWND window);
HWND GetDlgItem(HWND dialog, int id);

// Text goes through WM_SETTEXT/WM_GETTEXT, whose default handling keeps it
// with the window. The W forms convert at the call.
BOOL SetWindowText(HWND window, const char* text);
BOOL SetWindowTextW(HWND window, const WCHAR* text);
int GetWindowText(HWND window, char* buffer, int count);
int GetWindowTextW(HWND window, WCHAR* buffer, int count);
int GetWindowTextLength(HWND window);
int GetWindowTextLengthW(HWND window);
// The window's text as one string (through WM_GETTEXT).
AnsiString WindowTextOf(HWND window);

// Properties: named values kept with the window; the name is a string or an
// atom (a value below 0x10000 passed as the pointer).
BOOL SetProp(HWND window, const char* name, HANDLE data);
HANDLE GetProp(HWND window, const char* name);
HANDLE RemoveProp(HWND window, const char* name);

// The window keeps `region` (in window coordinates) and frees it when
// replaced or on destruction; hit-testing and painting honour it. 0 removes it.
int SetWindowRgn(HWND window, HRGN region, BOOL redraw);
// Copies the window's region into `region`; answers ERROR without one.
int GetWindowRgn(HWND window, HRGN region);

// ---- Showing and state ----------------------------------------------------------
// WinHelp commands.
constexpr UINT HELP_CONTEXT = 0x1, HELP_QUIT = 0x2, HELP_CONTENTS = 0x3, HELP_COMMAND = 0x102;
constexpr int SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_NORMAL = 1, SW_SHOWMINIMIZED = 2, SW_SHOWMAXIMIZED = 3,
              SW_MAXIMIZE = 3, SW_SHOWNOACTIVATE = 4, SW_SHOW = 5, SW_MINIMIZE = 6, SW_SHOWMINNOACTIVE = 7,
              SW_SHOWNA = 8, SW_RESTORE = 9, SW_SHOWDEFAULT = 10;
// Answers whether the window was visible before.
BOOL ShowWindow(HWND window, int command);
BOOL IsWindowVisible(HWND window);
BOOL IsWindowEnabled(HWND window);
// Sends WM_ENABLE; a disabled window loses the focus. Answers whether it was disabled.
BOOL EnableWindow(HWND window, BOOL enable);
BOOL IsIconic(HWND window);
BOOL IsZoomed(HWND window);

struct WINDOWPLACEMENT {
    UINT length = sizeof(WINDOWPLACEMENT);
    UINT flags = 0;
    UINT showCmd = 0;
    POINT ptMinPosition;
    POINT ptMaxPosition;
    RECT rcNormalPosition;
};
BOOL GetWindowPlacement(HWND window, WINDOWPLACEMENT* placement);
BOOL SetWindowPlacement(HWND window, const WINDOWPLACEMENT* placement);

// ---- Geometry -------------------------------------------------------------------
constexpr UINT SWP_NOSIZE = 0x1, SWP_NOMOVE = 0x2, SWP_NOZORDER = 0x4, SWP_NOREDRAW = 0x8,
               SWP_NOACTIVATE = 0x10, SWP_FRAMECHANGED = 0x20, SWP_DRAWFRAME = 0x20, SWP_SHOWWINDOW = 0x40,
               SWP_HIDEWINDOW = 0x80, SWP_NOCOPYBITS = 0x100, SWP_NOOWNERZORDER = 0x200,
               SWP_NOREPOSITION = 0x200, SWP_NOSENDCHANGING = 0x400, SWP_DEFERERASE = 0x2000,
               SWP_ASYNCWINDOWPOS = 0x4000;
constexpr HWND HWND_TOP = 0, HWND_BOTTOM = 1, HWND_TOPMOST = 0xFFFFFFFF, HWND_NOTOPMOST = 0xFFFFFFFE;

struct WINDOWPOS {
    HWND hwnd = 0;
    HWND hwndInsertAfter = 0;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
};
struct NCCALCSIZE_PARAMS {
    RECT rgrc[3];
    WINDOWPOS* lppos = nullptr;
};
struct MINMAXINFO {
    POINT ptReserved;
    POINT ptMaxSize;
    POINT ptMaxPosition;
    POINT ptMinTrackSize;
    POINT ptMaxTrackSize;
};
constexpr LRESULT WVR_VALIDRECTS = 0x400;

// Positions are in the parent's client coordinates (screen coordinates for
// top-level windows). WM_WINDOWPOSCHANGING (unless SWP_NOSENDCHANGING),
// WM_NCCALCSIZE and WM_WINDOWPOSCHANGED are sent; the default handling of
// the last sends WM_MOVE and WM_SIZE.
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
BOOL BringWindowToTop(HWND window);
// In screen coordinates.
BOOL GetWindowRect(HWND window, RECT* rect);
// In client coordinates: (0, 0, width, height) of the client area.
BOOL GetClientRect(HWND window, RECT* rect);
BOOL ClientToScreen(HWND window, POINT* point);
BOOL ScreenToClient(HWND window, POINT* point);
// Maps from `from`'s client coordinates to `to`'s (0 = the screen); answers
// the offset as MAKELONG(dx, dy).
int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count);

// ---- The window tree -------------------------------------------------------------
HWND GetDesktopWindow();
// A child's parent, a top-level window's owner.
HWND GetParent(HWND window);
// Makes `parent` (0: the desktop, a floating pop-up) the new parent; answers the old one.
HWND SetParent(HWND window, HWND parent);
constexpr UINT GW_HWNDFIRST = 0, GW_HWNDLAST = 1, GW_HWNDNEXT = 2, GW_HWNDPREV = 3, GW_OWNER = 4,
               GW_CHILD = 5, GW_ENABLEDPOPUP = 6;
HWND GetWindow(HWND window, UINT command);
constexpr UINT GA_PARENT = 1, GA_ROOT = 2, GA_ROOTOWNER = 3;
HWND GetAncestor(HWND window, UINT flags);
// The first child in z-order (0: the topmost top-level window).
HWND GetTopWindow(HWND window);
HWND GetNextWindow(HWND window, UINT command);
BOOL IsChild(HWND parent, HWND window);

using WNDENUMPROC = std::function<BOOL(HWND, LPARAM)>;
// Top-level windows, in z-order, top first.
BOOL EnumWindows(const WNDENUMPROC& callback, LPARAM param);
BOOL EnumThreadWindows(DWORD threadId, const WNDENUMPROC& callback, LPARAM param);
// All descendants, depth first.
BOOL EnumChildWindows(HWND parent, const WNDENUMPROC& callback, LPARAM param);

// The visible, enabled-or-not window at a screen point: the deepest child
// whose rectangle and region hold it and whose WM_NCHITTEST does not answer
// HTTRANSPARENT.
HWND WindowFromPoint(POINT point);
constexpr UINT CWP_ALL = 0, CWP_SKIPINVISIBLE = 1, CWP_SKIPDISABLED = 2, CWP_SKIPTRANSPARENT = 4;
// The direct child at a point in `parent`'s client coordinates (the parent
// itself when the point is in it but in no child; 0 outside).
HWND ChildWindowFromPoint(HWND parent, POINT point);
HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags);

// ---- Utility ---------------------------------------------------------------------
// A hidden window whose messages go to `method` (the class library's helper
// for components that need a window).
HWND AllocateHWnd(TWndMethod method);
void DeallocateHWnd(HWND window);
// Numbers 0xC000..0xFFFF, the same one for the same name (case-insensitive).
UINT RegisterWindowMessage(const char* name);
ATOM GlobalAddAtom(const char* name);
ATOM GlobalFindAtom(const char* name);
ATOM GlobalDeleteAtom(ATOM atom);
UINT GlobalGetAtomName(ATOM atom, char* buffer, int size);
constexpr UINT MB_OK = 0, MB_ICONHAND = 0x10, MB_ICONQUESTION = 0x20, MB_ICONEXCLAMATION = 0x30,
               MB_ICONASTERISK = 0x40;
// Counts beeps (BeepCount) instead of sounding.
BOOL MessageBeep(UINT type);
int BeepCount();
UINT GetDoubleClickTime();
BOOL SetDoubleClickTime(UINT milliseconds);
DWORD GetWindowThreadProcessId(HWND window, DWORD* processId);
