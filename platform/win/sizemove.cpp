// Moving and sizing: the modal tracking loop of SC_MOVE and SC_SIZE (for
// top-level windows and MDI children alike), and minimising, maximising and
// restoring.
#include <algorithm>

#include "platform/win/frame_internal.h"
#include "platform/win/surfacehost.h"
#include "platform/win/userinput.h"
#include "platform/win/winpaint.h"

namespace ws {
namespace {

// The parent's client origin in screen coordinates (0, 0 for top-level windows).
POINT ParentOrigin(HWND handle) {
    POINT origin{0, 0};
    Window* w = Find(handle);
    if (w && w->IsChild()) ClientToScreen(w->parent, &origin);
    return origin;
}

// The area a maximised window fills (in its parent's client coordinates):
// the work area or the parent's client area, with the frame beyond it.
RECT MaximizedArea(const Window& w) {
    RECT area;
    if (w.IsChild()) {
        GetClientRect(w.parent, &area);
        AdjustWindowRectEx(&area, w.style & ~(WS_VSCROLL | WS_HSCROLL), FALSE, w.exStyle);
    } else {
        WorkArea(&area);
        const int border = LayoutFrame(w).border;
        InflateRect(&area, border, border);
    }
    return area;
}

MINMAXINFO MinMaxOf(HWND handle) {
    MINMAXINFO info;
    if (Window* w = Find(handle)) {
        const RECT area = MaximizedArea(*w);
        info.ptMaxSize = {area.right - area.left, area.bottom - area.top};
        info.ptMaxPosition = {area.left, area.top};
    }
    info.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    info.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    SendMessage(handle, WM_GETMINMAXINFO, 0, LPARAM(&info));
    return info;
}

// The rectangle after dragging `edge` by (dx, dy), within the tracking limits;
// the opposite edges stay where they are.
RECT Resized(RECT r, int edge, int dx, int dy, const MINMAXINFO& limits) {
    const bool left = edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
    const bool right = edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT;
    const bool top = edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
    const bool bottom = edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT;
    auto clampSize = [](int size, LONG low, LONG high) { return std::clamp<int>(size, low, std::max(low, high)); };
    if (left) r.left = r.right - clampSize(r.right - (r.left + dx), limits.ptMinTrackSize.x, limits.ptMaxTrackSize.x);
    if (right) r.right = r.left + clampSize(r.right + dx - r.left, limits.ptMinTrackSize.x, limits.ptMaxTrackSize.x);
    if (top) r.top = r.bottom - clampSize(r.bottom - (r.top + dy), limits.ptMinTrackSize.y, limits.ptMaxTrackSize.y);
    if (bottom)
        r.bottom = r.top + clampSize(r.bottom + dy - r.top, limits.ptMinTrackSize.y, limits.ptMaxTrackSize.y);
    return r;
}

int EdgeOfArrow(WPARAM key) {
    switch (key) {
    case VK_LEFT: return WMSZ_LEFT;
    case VK_RIGHT: return WMSZ_RIGHT;
    case VK_UP: return WMSZ_TOP;
    case VK_DOWN: return WMSZ_BOTTOM;
    default: return 0;
    }
}

// A command from a press on the frame carries its hit code (SC_MOVE) or
// border (SC_SIZE) in the low bits and ends with the button's release; one
// from the keyboard or the system menu follows the arrow keys until Enter.
class MoveSizeLoop {
public:
    MoveSizeLoop(HWND handle, WPARAM command, POINT start)
        : handle_(handle), move_((command & 0xFFF0) == SC_MOVE), edge_(move_ ? 0 : int(command & 0xF)),
          byMouse_((command & 0xF) != 0), start_(start) {}

    void Run() {
        Window* w = Find(handle_);
        if (!w) return;
        original_ = w->rect;
        limits_ = MinMaxOf(handle_);
        if (!byMouse_) GetCursorPos(&start_);
        SendMessage(handle_, WM_ENTERSIZEMOVE, 0, 0);
        SetCapture(handle_);
        bool cancelled = false;
        POINT keyboardOffset{0, 0};
        MSG msg;
        while (GetCapture() == handle_ && IsWindow(handle_)) {
            if (byMouse_ && ButtonReleasedUnseen()) break;
            if (!GetMessage(&msg, 0, 0, 0)) {
                PostQuitMessage(int(msg.wParam));
                break;
            }
            if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
                Step(msg.pt.x - start_.x, msg.pt.y - start_.y);
                continue;
            }
            if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP) {
                if (byMouse_) break;
                continue;
            }
            if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
                if (msg.wParam == VK_ESCAPE) {
                    cancelled = true;
                    break;
                }
                if (msg.wParam == VK_RETURN) break;
                if (const int arrow = EdgeOfArrow(msg.wParam)) {
                    if (!move_ && edge_ == 0) edge_ = arrow;
                    constexpr int step = 8;
                    keyboardOffset.x += arrow == WMSZ_LEFT ? -step : arrow == WMSZ_RIGHT ? step : 0;
                    keyboardOffset.y += arrow == WMSZ_TOP ? -step : arrow == WMSZ_BOTTOM ? step : 0;
                    Step(keyboardOffset.x, keyboardOffset.y);
                }
                continue;
            }
            if (msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP || msg.message == WM_CHAR) continue;
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
        if (GetCapture() == handle_) ReleaseCapture();
        if (!IsWindow(handle_)) return;
        if (cancelled) Apply(original_);
        SendMessage(handle_, WM_EXITSIZEMOVE, 0, 0);
    }

private:
    void Step(int dx, int dy) {
        RECT r = original_;
        if (move_) OffsetRect(&r, dx, dy);
        else if (edge_) r = Resized(original_, edge_, dx, dy, limits_);
        else return;
        // WM_MOVING and WM_SIZING carry screen coordinates and may change the rectangle.
        const POINT origin = ParentOrigin(handle_);
        OffsetRect(&r, origin.x, origin.y);
        SendMessage(handle_, move_ ? WM_MOVING : WM_SIZING, WPARAM(edge_), LPARAM(&r));
        OffsetRect(&r, -origin.x, -origin.y);
        Apply(r);
    }

    void Apply(const RECT& r) {
        Window* w = Find(handle_);
        if (!w || w->rect == r) return;
        SetWindowPos(handle_, 0, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE | (move_ ? SWP_NOSIZE : 0));
        UpdateWindow(handle_);
    }

    HWND handle_;
    bool move_;
    int edge_;
    bool byMouse_;
    POINT start_;
    RECT original_;
    MINMAXINFO limits_;
};

}  // namespace

void TrackMoveSize(HWND handle, WPARAM command, POINT screen) {
    if (!IsWindow(handle) || IsZoomed(handle)) return;
    MoveSizeLoop(handle, command, screen).Run();
}

void ChangeWindowState(HWND handle, WPARAM command) {
    Window* w = Find(handle);
    if (!w) return;
    switch (command) {
    case SC_MINIMIZE:
        // Without a window manager a minimised top-level window is hidden;
        // a child keeps a small caption bar.
        ShowWindow(handle, SW_MINIMIZE);
        if ((w = Find(handle)) != nullptr && w->IsChild()) {
            SetWindowPos(handle, 0, 0, 0, GetSystemMetrics(SM_CXMINIMIZED), GetSystemMetrics(SM_CYMINIMIZED),
                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE | SWP_FRAMECHANGED);
            ArrangeIconicChildren(w->parent);
        }
        return;
    case SC_MAXIMIZE: {
        ShowWindow(handle, SW_MAXIMIZE);
        const MINMAXINFO info = MinMaxOf(handle);
        SetWindowPos(handle, 0, info.ptMaxPosition.x, info.ptMaxPosition.y, info.ptMaxSize.x, info.ptMaxSize.y,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        return;
    }
    case SC_RESTORE:
        ShowWindow(handle, SW_RESTORE);
        if ((w = Find(handle)) != nullptr && w->IsChild()) ArrangeIconicChildren(w->parent);
        return;
    default:
        return;
    }
}

}  // namespace ws
