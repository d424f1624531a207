// The window system's private state: classes, window objects and the
// handle table, shared by the sources of platform/win that implement the
// window API. Nothing here includes Qt.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/handles.h"
#include "platform/win/msgqueue.h"

namespace ws {

struct FrameState;  // the non-client state: menu bar, scroll bars, caption (frame_internal.h)

struct WindowClass {
    AnsiString name;
    ATOM atom = 0;
    UINT style = 0;
    WNDPROC proc;
    int classExtra = 0;
    int windowExtra = 0;
    HINSTANCE instance = 0;
    HICON icon = 0;
    HICON smallIcon = 0;
    HCURSOR cursor = 0;
    HBRUSH background = 0;
    AnsiString menuName;
    std::vector<LONG_PTR> extra;
};

struct Property {
    AnsiString name;  // atoms are kept as "#<number>"
    HANDLE data = 0;
};

struct Window {
    HWND handle = 0;
    std::shared_ptr<WindowClass> windowClass;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = 0;  // 0 only for the desktop; top-level windows have the desktop
    HWND owner = 0;
    RECT rect;        // in the parent's client coordinates (screen for top-level windows)
    RECT client;      // the client area in window coordinates
    RECT normalRect;  // the restored position, for the placement
    HRGN region = 0;  // window coordinates, owned
    std::vector<Property> properties;
    AnsiString text;
    HICON smallIcon = 0, bigIcon = 0;  // WM_SETICON; not owned
    LONG_PTR id = 0;
    LONG_PTR userData = 0;
    HINSTANCE instance = 0;
    WNDPROC proc;
    std::vector<LONG_PTR> extra;
    std::vector<HWND> children;  // z-order, topmost first
    bool destroying = false;
    bool redraw = true;  // WM_SETREDRAW
    bool imeEnabled = true;
    bool mouseTracked = false;  // TrackMouseEvent(TME_LEAVE) pending
    HRGN update = 0;            // client coordinates; 0 when there is nothing to paint
    bool erasePending = false;
    bool internalPaint = false;
    HBITMAP backing = 0;        // top-level windows: the backing bitmap (window size)
    SIZE backingSize;
    // The children's rectangles in z-order, kept for painting while the
    // layout generation they were taken at holds.
    struct ChildBox {
        HWND handle;
        RECT rect;  // parent client coordinates
        bool visible;
        bool shaped;          // has a window region
        bool coveredInPlaces;  // a visible sibling above reaches into it
    };
    std::vector<ChildBox> childBoxes;
    std::uint64_t childBoxesGeneration = 0;
    HRGN childrenShape = 0;  // the union of the visible plain children, made on demand
    HBITMAP savedBits = 0;      // CS_SAVEBITS children: what they cover
    RECT savedRect;             // where, in the top-level's coordinates
    bool framePending = false;  // WM_NCPAINT due before the next WM_PAINT
    std::shared_ptr<FrameState> frame;  // made on demand by the non-client code

    bool IsTopLevel() const;
    bool IsChild() const { return (style & WS_CHILD) != 0; }
    LONG Width() const { return rect.right - rect.left; }
    LONG Height() const { return rect.bottom - rect.top; }
    LONG ClientWidth() const { return client.right - client.left; }
    LONG ClientHeight() const { return client.bottom - client.top; }
    // The client area in its own coordinates.
    RECT ClientRect() const { return Rect(0, 0, ClientWidth(), ClientHeight()); }
};

// Finds a live window (nullptr for 0, stale or other-kind handles).
Window* Find(HWND handle);
Window& Desktop();

// Copies text with its terminator into a buffer of `size` (> 0) bytes,
// ending before a character that does not fit whole; answers the bytes copied.
std::size_t CopyTextToBuffer(const AnsiString& text, char* buffer, std::size_t size);

// Geometry helpers shared by painting, input and the tree.
// The window's top-left corner in screen coordinates.
POINT ScreenOrigin(const Window& window);
// The top-level window a window is drawn into (itself for top-level windows).
Window* TopLevelOf(Window* window);
// Whether the window and all its ancestors are visible.
bool IsShowing(const Window& window);
// Any change of a window's rectangle, visibility, shape or place in the
// z-order moves the layout generation on (painting caches what it saw).
void LayoutChanged();
std::uint64_t LayoutGeneration();
// Removes a window from its parent's child list / inserts it by z-order rules.
void Unlink(Window& window);
void LinkAtTop(Window& window, Window& parent);

// Destroys every window that is left, top-level windows with their children
// and owned windows. The Qt side calls it at exit before its application
// object goes: no surface outlives the platform, and every control has seen
// its window go before static destructors free the controls.
void DestroyAllWindows();

// Window-system parts that learn about destruction (focus, capture, timers,
// painting, surfaces); called before the window leaves the table.
void ForgetWindowInInput(HWND window);
void ForgetWindowInQueue(HWND window);
void ForgetWindowInPainting(HWND window);

// The observers' calls.
void NotifyCreation(const WindowCreation& creation);
void NotifyDestruction(HWND window);
void NotifyActivation(HWND window, HWND previous);

// Input learns that a window became hidden or disabled (focus, capture and
// activation move away from it).
void WindowLostVisibility(HWND window);
// Whether a point in window coordinates lies in the window's region (true
// without one).
bool InWindowRegion(const Window& window, POINT point);
// The deepest showing window under a screen point, disabled ones included
// (the public lookup passes through them).
HWND ShowingWindowAt(POINT screen);

// The queue's entry for input: appends a message with its own time and
// position. Text a key produced rides along (TranslateMessage turns it into
// WM_CHAR bytes).
void EnqueueInput(MSG msg, const AnsiString& keyText = AnsiString());
// Input learns that one of its messages is being handed out: it updates the
// key state, sends WM_MOUSEACTIVATE and WM_SETCURSOR. Answers false when the
// message is eaten.
bool InputRetrieved(MSG& msg);
// The key of the last first key-down handed out, whoever handled it: Alt
// released after another key opens no menu even when a control took that key.
int LastKeyDown();
// A showing window with an update region within the filter (0: any), or 0.
HWND WindowNeedingPaint(HWND filter);

// Internal timers (the caret's blink): WM_SYSTIMER messages whose callback
// runs on dispatch. Answers the timer id.
constexpr UINT WM_SYSTIMER = 0x0118;
UINT_PTR SetSystemTimer(UINT milliseconds, std::function<void()> callback);
void KillSystemTimer(UINT_PTR id);

// Registers the standard control classes ("Button", "Edit", ...) the first
// time it is called; answers whether it registered them now.
bool RegisterControlClasses();

// A new copy of a system icon (IDI_HAND, IDI_QUESTION, ...); 0 for other ids.
HICON SystemIcon(std::uintptr_t id);

// A cursor of our own: its image, AND mask and hot spot (false for system cursors).
bool CursorImage(HCURSOR cursor, HBITMAP* color, HBITMAP* mask, POINT* hotSpot);
// Cursor state for the Qt side and for input.
bool CursorShown();
POINT ClipToCursorRect(POINT point);

// Whether the window's client area is smaller than the window (it has a frame to paint).
bool HasNonClientArea(const Window& window);
// The default handling of the non-client area, moving and sizing, window
// scroll bars and menus (frame_internal.h); answers false for other messages.
bool DefaultFrameMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// The default handling of the input-method messages: the composition window
// at the caret, and the result as WM_CHAR bytes.
LRESULT DefaultImeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The caret is hidden while its window paints and goes with its window.
void HideCaretForPaint(HWND window);
void ShowCaretAfterPaint(HWND window);
void ForgetWindowInCaret(HWND window);

// The desktop DC (GetDC(0)) and the overlay windows that show what was
// drawn on it.
HDC DesktopDC();
bool ReleaseDesktopDC(HDC dc);

// Painting hooks used by the geometry code.
// After a window moved, changed size or was shown or hidden: what it left
// and what it covers now get painted; a CS_SAVEBITS child instead puts back
// the pixels it covered when it was shown.
void InvalidateAfterMove(Window& window, const RECT& oldScreenRect, bool wasShowing);
void SurfaceFollows(Window& window);
// The backing bitmap of a top-level window (made on demand), 0 for others.
HBITMAP BackingOf(HWND top);  // the top-level's surface takes its geometry and visibility

}  // namespace ws
