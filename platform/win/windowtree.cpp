// Geometry, z-order and the window tree: SetWindowPos and what stands on it,
// coordinate mapping, hit-testing and the tree queries.
#include <algorithm>

#include "platform/win/surfacehost.h"
#include "platform/win/userinput.h"
#include "platform/win/winframe.h"
#include "platform/win/window_internal.h"

namespace ws {

POINT ScreenOrigin(const Window& w) {
    if (w.IsTopLevel() || !w.parent) return {w.rect.left, w.rect.top};
    const Window* parent = Find(w.parent);
    if (!parent) return {w.rect.left, w.rect.top};
    const POINT p = ScreenOrigin(*parent);
    return {p.x + parent->client.left + w.rect.left, p.y + parent->client.top + w.rect.top};
}

Window* TopLevelOf(Window* w) {
    while (w && !w->IsTopLevel() && w->parent) w = Find(w->parent);
    return w && w->IsTopLevel() ? w : nullptr;
}

bool IsShowing(const Window& w) {
    for (const Window* p = &w; p; p = p->parent ? Find(p->parent) : nullptr) {
        if (!(p->style & WS_VISIBLE)) return false;
        if (p->IsTopLevel() && (p->style & WS_MINIMIZE)) return false;
    }
    return true;
}

namespace {
std::uint64_t layoutGeneration = 1;
}  // namespace

void LayoutChanged() { ++layoutGeneration; }
std::uint64_t LayoutGeneration() { return layoutGeneration; }

void Unlink(Window& w) {
    LayoutChanged();
    Window* parent = Find(w.parent);
    if (!parent) return;
    auto& list = parent->children;
    list.erase(std::remove(list.begin(), list.end(), w.handle), list.end());
}

// Top-level windows keep topmost ones above the rest.
void LinkAtTop(Window& w, Window& parent) {
    LayoutChanged();
    auto& list = parent.children;
    auto at = list.begin();
    if (w.IsTopLevel() && !(w.exStyle & WS_EX_TOPMOST))
        while (at != list.end() && Find(*at) && (Find(*at)->exStyle & WS_EX_TOPMOST)) ++at;
    list.insert(at, w.handle);
}

namespace {

void PlaceInZOrder(Window& w, HWND insertAfter) {
    Window* parent = Find(w.parent);
    if (!parent) return;
    if (insertAfter == HWND_TOPMOST) w.exStyle |= WS_EX_TOPMOST;
    if (insertAfter == HWND_NOTOPMOST) w.exStyle &= ~WS_EX_TOPMOST;
    auto& list = parent->children;
    if (insertAfter == HWND_BOTTOM) {
        Unlink(w);
        list.push_back(w.handle);
        return;
    }
    if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
        Unlink(w);
        LinkAtTop(w, *parent);
    } else {
        if (insertAfter == w.handle || std::find(list.begin(), list.end(), insertAfter) == list.end()) return;
        Unlink(w);
        list.insert(std::find(list.begin(), list.end(), insertAfter) + 1, w.handle);
    }
    LayoutChanged();
}

// Owned windows stay above their owner.
void RaiseOwnedWindows(Window& owner) {
    LayoutChanged();
    auto& list = Desktop().children;
    std::vector<HWND> owned;
    for (HWND h : list)
        if (Window* t = Find(h); t && t->owner == owner.handle) owned.push_back(h);
    for (auto it = owned.rbegin(); it != owned.rend(); ++it) {
        list.erase(std::remove(list.begin(), list.end(), *it), list.end());
        list.insert(std::find(list.begin(), list.end(), owner.handle), *it);
    }
}

RECT ScreenRectOf(const Window& w) {
    const POINT o = ScreenOrigin(w);
    return Bounds(o.x, o.y, w.Width(), w.Height());
}

bool HoldsPoint(const Window& w, POINT screen) {
    const POINT o = ScreenOrigin(w);
    const POINT local{screen.x - o.x, screen.y - o.y};
    return local.x >= 0 && local.y >= 0 && local.x < w.Width() && local.y < w.Height() && InWindowRegion(w, local);
}

// The deepest showing window under a screen point, beginning with the
// children of `parent` (top first); HTTRANSPARENT windows let the point through.
HWND DeepestAt(Window& parent, POINT screen, bool skipDisabled) {
    const POINT o = ScreenOrigin(parent);
    const POINT local{screen.x - o.x, screen.y - o.y};
    // Children live in the client area only.
    if (parent.handle != Desktop().handle &&
        (local.x < parent.client.left || local.y < parent.client.top || local.x >= parent.client.right ||
         local.y >= parent.client.bottom))
        return 0;
    const auto children = parent.children;
    for (HWND h : children) {
        Window* c = Find(h);
        if (!c || !(c->style & WS_VISIBLE) || (c->IsTopLevel() && (c->style & WS_MINIMIZE))) continue;
        if (!HoldsPoint(*c, screen)) continue;
        if (skipDisabled && (c->style & WS_DISABLED)) {
            if (c->IsChild()) return parent.handle == Desktop().handle ? 0 : parent.handle;
            continue;
        }
        if (SendMessage(h, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)) == HTTRANSPARENT) continue;
        if ((c = Find(h)) == nullptr) continue;
        const HWND deeper = DeepestAt(*c, screen, skipDisabled);
        return deeper ? deeper : h;
    }
    return 0;
}

}  // namespace

HWND ShowingWindowAt(POINT screen) { return DeepestAt(Desktop(), screen, false); }

void SurfaceFollows(Window& w) {
    if (!w.IsTopLevel()) return;
    SyncSurface(w.handle, w.rect, IsShowing(w));
    if (!IsShowing(w)) return;
    std::vector<HWND> showing;
    for (HWND h : Desktop().children)
        if (Window* t = Find(h); t && IsShowing(*t)) showing.push_back(h);
    StackSurfaces(showing);
}

}  // namespace ws

using namespace ws;

BOOL SetWindowPos(HWND handle, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
    Window* w = Find(handle);
    if (!w || handle == Desktop().handle) return FALSE;
    if ((flags & SWP_SHOWWINDOW) && (w->style & WS_VISIBLE)) flags &= ~SWP_SHOWWINDOW;
    if ((flags & SWP_HIDEWINDOW) && !(w->style & WS_VISIBLE)) flags &= ~SWP_HIDEWINDOW;
    if (insertAfter == handle) flags |= SWP_NOZORDER;
    WINDOWPOS pos{handle, insertAfter, x, y, std::max(0, width), std::max(0, height), flags};
    if (flags & SWP_NOMOVE) pos.x = w->rect.left, pos.y = w->rect.top;
    if (flags & SWP_NOSIZE) pos.cx = w->Width(), pos.cy = w->Height();
    if (!(flags & SWP_NOSENDCHANGING)) {
        SendMessage(handle, WM_WINDOWPOSCHANGING, 0, LPARAM(&pos));
        if ((w = Find(handle)) == nullptr) return FALSE;
    }
    const RECT oldScreen = ScreenRectOf(*w);
    const bool wasShowing = IsShowing(*w);
    const RECT newRect = Bounds(pos.x, pos.y, std::max(0, pos.cx), std::max(0, pos.cy));
    if (newRect == w->rect) pos.flags |= SWP_NOMOVE | SWP_NOSIZE;
    else {
        if (newRect.left == w->rect.left && newRect.top == w->rect.top) pos.flags |= SWP_NOMOVE;
        if (newRect.right - newRect.left == w->Width() && newRect.bottom - newRect.top == w->Height())
            pos.flags |= SWP_NOSIZE;
    }
    const RECT oldRect = w->rect;
    w->rect = newRect;
    if (!(pos.flags & SWP_NOSIZE) || (pos.flags & SWP_FRAMECHANGED)) {
        NCCALCSIZE_PARAMS params;
        params.rgrc[0] = newRect;
        params.rgrc[1] = oldRect;
        params.rgrc[2] = Bounds(oldRect.left + w->client.left, oldRect.top + w->client.top,
                                w->ClientWidth(), w->ClientHeight());
        params.lppos = &pos;
        SendMessage(handle, WM_NCCALCSIZE, TRUE, LPARAM(&params));
        if ((w = Find(handle)) == nullptr) return FALSE;
        const RECT& c = params.rgrc[0];
        w->client = Rect(c.left - newRect.left, c.top - newRect.top, std::max(c.left, c.right) - newRect.left,
                         std::max(c.top, c.bottom) - newRect.top);
    }
    if (!(pos.flags & SWP_NOZORDER)) {
        PlaceInZOrder(*w, pos.hwndInsertAfter);
        if (w->IsTopLevel() && !(pos.flags & SWP_NOOWNERZORDER)) RaiseOwnedWindows(*w);
    }
    if (pos.flags & SWP_SHOWWINDOW) w->style |= WS_VISIBLE;
    if (pos.flags & SWP_HIDEWINDOW) w->style &= ~WS_VISIBLE;
    LayoutChanged();
    if (!(w->style & (WS_MINIMIZE | WS_MAXIMIZE))) w->normalRect = w->rect;
    const bool showing = IsShowing(*w);
    if (!(pos.flags & SWP_NOREDRAW) || wasShowing != showing) InvalidateAfterMove(*w, oldScreen, wasShowing);
    SurfaceFollows(*w);
    if (wasShowing && !showing) WindowLostVisibility(handle);
    if (w->IsTopLevel() && !(pos.flags & SWP_NOACTIVATE) && showing &&
        ((pos.flags & SWP_SHOWWINDOW) || !(pos.flags & SWP_NOZORDER)) && !(w->style & WS_DISABLED))
        SetActiveWindow(handle);
    SendMessage(handle, WM_WINDOWPOSCHANGED, 0, LPARAM(&pos));
    return TRUE;
}

BOOL MoveWindow(HWND handle, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(handle, 0, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL BringWindowToTop(HWND handle) { return SetWindowPos(handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

BOOL ShowWindow(HWND handle, int command) {
    Window* w = Find(handle);
    if (!w) return FALSE;
    const BOOL wasVisible = (w->style & WS_VISIBLE) ? TRUE : FALSE;
    UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;
    if (w->IsChild()) flags |= SWP_NOACTIVATE;
    RECT target = w->rect;
    DWORD state = w->style & (WS_MINIMIZE | WS_MAXIMIZE);
    switch (command) {
    case SW_HIDE:
        if (!wasVisible) return FALSE;
        SendMessage(handle, WM_SHOWWINDOW, FALSE, 0);
        return SetWindowPos(handle, 0, 0, 0, 0, 0, flags | SWP_HIDEWINDOW | SWP_NOACTIVATE) ? wasVisible : FALSE;
    case SW_SHOWNOACTIVATE:
    case SW_SHOWNA:
    case SW_SHOWMINNOACTIVE:
        flags |= SWP_NOACTIVATE;
        break;
    default:
        break;
    }
    if (command == SW_MINIMIZE || command == SW_SHOWMINIMIZED || command == SW_SHOWMINNOACTIVE) {
        state = WS_MINIMIZE;
        if (command == SW_MINIMIZE) flags |= SWP_NOACTIVATE;
    } else if (command == SW_SHOWMAXIMIZED) {
        state = WS_MAXIMIZE;
        if (w->IsTopLevel()) WorkArea(&target);
        else if (Window* p = Find(w->parent)) {
            // A maximized child's client area fills its parent's, so that its
            // own caption and borders lie outside, out of sight.
            target = p->ClientRect();
            AdjustWindowRectEx(&target, w->style, FALSE, w->exStyle);
        }
        flags &= ~(SWP_NOMOVE | SWP_NOSIZE);
    } else if (command == SW_RESTORE || command == SW_SHOWNORMAL) {
        if (state) target = w->normalRect, flags &= ~(SWP_NOMOVE | SWP_NOSIZE);
        state = 0;
    }
    const DWORD oldState = w->style & (WS_MINIMIZE | WS_MAXIMIZE);
    if (!wasVisible) {
        SendMessage(handle, WM_SHOWWINDOW, TRUE, 0);
        if ((w = Find(handle)) == nullptr) return FALSE;
    }
    w->style = (w->style & ~(WS_MINIMIZE | WS_MAXIMIZE)) | state;
    if (state != oldState) flags |= SWP_FRAMECHANGED;
    SetWindowPos(handle, 0, target.left, target.top, target.right - target.left, target.bottom - target.top,
                 flags | SWP_SHOWWINDOW);
    return wasVisible;
}

BOOL IsWindowVisible(HWND handle) {
    Window* w = Find(handle);
    if (!w) return FALSE;
    for (Window* p = w; p && p->handle != Desktop().handle; p = Find(p->parent))
        if (!(p->style & WS_VISIBLE)) return FALSE;
    return TRUE;
}

BOOL IsWindowEnabled(HWND handle) {
    Window* w = Find(handle);
    return w && !(w->style & WS_DISABLED) ? TRUE : FALSE;
}

BOOL EnableWindow(HWND handle, BOOL enable) {
    Window* w = Find(handle);
    if (!w) return FALSE;
    const BOOL wasDisabled = (w->style & WS_DISABLED) ? TRUE : FALSE;
    if (bool(enable) == !wasDisabled) return wasDisabled;
    if (enable) w->style &= ~WS_DISABLED;
    else w->style |= WS_DISABLED;
    if (!enable) WindowLostVisibility(handle);
    SendMessage(handle, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL IsIconic(HWND handle) {
    Window* w = Find(handle);
    return w && (w->style & WS_MINIMIZE) ? TRUE : FALSE;
}

BOOL IsZoomed(HWND handle) {
    Window* w = Find(handle);
    return w && (w->style & WS_MAXIMIZE) ? TRUE : FALSE;
}

BOOL GetWindowPlacement(HWND handle, WINDOWPLACEMENT* placement) {
    Window* w = Find(handle);
    if (!w || !placement) return FALSE;
    placement->flags = 0;
    placement->showCmd = (w->style & WS_MINIMIZE)   ? SW_SHOWMINIMIZED
                         : (w->style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED
                         : (w->style & WS_VISIBLE)  ? SW_SHOWNORMAL
                                                    : SW_HIDE;
    placement->ptMinPosition = {-1, -1};
    placement->ptMaxPosition = {-1, -1};
    placement->rcNormalPosition = w->normalRect;
    return TRUE;
}

BOOL SetWindowPlacement(HWND handle, const WINDOWPLACEMENT* placement) {
    Window* w = Find(handle);
    if (!w || !placement) return FALSE;
    const RECT& r = placement->rcNormalPosition;
    w->normalRect = r;
    if (!(w->style & (WS_MINIMIZE | WS_MAXIMIZE)))
        SetWindowPos(handle, 0, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(handle, int(placement->showCmd));
    return TRUE;
}

BOOL GetWindowRect(HWND handle, RECT* rect) {
    Window* w = Find(handle);
    if (!w || !rect) return FALSE;
    *rect = ScreenRectOf(*w);
    return TRUE;
}

BOOL GetClientRect(HWND handle, RECT* rect) {
    Window* w = Find(handle);
    if (!w || !rect) return FALSE;
    *rect = w->ClientRect();
    return TRUE;
}

namespace {
POINT ClientOrigin(const Window& w) {
    const POINT o = ScreenOrigin(w);
    return {o.x + w.client.left, o.y + w.client.top};
}
}  // namespace

BOOL ClientToScreen(HWND handle, POINT* point) {
    Window* w = Find(handle);
    if (!w || !point) return FALSE;
    const POINT o = ClientOrigin(*w);
    point->x += o.x, point->y += o.y;
    return TRUE;
}

BOOL ScreenToClient(HWND handle, POINT* point) {
    Window* w = Find(handle);
    if (!w || !point) return FALSE;
    const POINT o = ClientOrigin(*w);
    point->x -= o.x, point->y -= o.y;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
    POINT a{0, 0}, b{0, 0};
    if (from && !ClientToScreen(from, &a)) return 0;
    if (to && !ClientToScreen(to, &b)) return 0;
    const int dx = a.x - b.x, dy = a.y - b.y;
    for (UINT i = 0; points && i < count; ++i) points[i].x += dx, points[i].y += dy;
    return MAKELONG(WORD(dx), WORD(dy));
}

HWND GetDesktopWindow() { return Desktop().handle; }

HWND GetParent(HWND handle) {
    Window* w = Find(handle);
    if (!w) return 0;
    if (w->IsChild()) return w->parent;
    return (w->style & WS_POPUP) ? w->owner : 0;
}

HWND SetParent(HWND handle, HWND newParent) {
    Window* w = Find(handle);
    if (!w || handle == Desktop().handle) return 0;
    Window* parent = newParent ? Find(newParent) : &Desktop();
    if (!parent) return 0;
    for (Window* p = parent; p; p = Find(p->parent))
        if (p == w) return 0;
    const HWND old = w->parent;
    const bool visible = (w->style & WS_VISIBLE) != 0;
    if (visible) ShowWindow(handle, SW_HIDE);
    if ((w = Find(handle)) == nullptr) return 0;
    if (w->IsTopLevel() && parent->handle != Desktop().handle) DestroySurface(handle);
    Unlink(*w);
    w->parent = parent->handle;
    if (parent->handle == Desktop().handle) {
        LinkAtTop(*w, *parent);
    } else {
        parent->children.insert(parent->children.begin(), handle);
        LayoutChanged();
    }
    if (visible) ShowWindow(handle, SW_SHOWNA);
    return old;
}

HWND GetWindow(HWND handle, UINT command) {
    Window* w = Find(handle);
    if (!w) return 0;
    if (command == GW_CHILD) return w->children.empty() ? 0 : w->children.front();
    if (command == GW_OWNER) return w->IsChild() ? 0 : w->owner;
    if (command == GW_ENABLEDPOPUP) {
        for (HWND h : Desktop().children)
            if (Window* t = Find(h); t && t->owner == handle && IsShowing(*t) && !(t->style & WS_DISABLED)) return h;
        return 0;
    }
    Window* parent = Find(w->parent);
    if (!parent) return 0;
    const auto& list = parent->children;
    const auto it = std::find(list.begin(), list.end(), handle);
    switch (command) {
    case GW_HWNDFIRST: return list.front();
    case GW_HWNDLAST: return list.back();
    case GW_HWNDNEXT: return it == list.end() || it + 1 == list.end() ? 0 : *(it + 1);
    case GW_HWNDPREV: return it == list.begin() || it == list.end() ? 0 : *(it - 1);
    default: return 0;
    }
}

HWND GetAncestor(HWND handle, UINT flags) {
    Window* w = Find(handle);
    if (!w || handle == Desktop().handle) return 0;
    switch (flags) {
    case GA_PARENT: return w->parent;
    case GA_ROOT: return TopLevelOf(w) ? TopLevelOf(w)->handle : 0;
    case GA_ROOTOWNER: {
        Window* root = TopLevelOf(w);
        while (root && root->owner && Find(root->owner)) root = Find(root->owner);
        return root ? root->handle : 0;
    }
    default: return 0;
    }
}

HWND GetTopWindow(HWND handle) {
    Window* w = handle ? Find(handle) : &Desktop();
    return w && !w->children.empty() ? w->children.front() : 0;
}

HWND GetNextWindow(HWND handle, UINT command) { return GetWindow(handle, command); }

BOOL IsChild(HWND parent, HWND handle) {
    Window* w = Find(handle);
    while (w && w->IsChild()) {
        if (w->parent == parent) return TRUE;
        w = Find(w->parent);
    }
    return FALSE;
}

BOOL EnumWindows(const WNDENUMPROC& callback, LPARAM param) {
    const auto list = Desktop().children;
    for (HWND h : list)
        if (IsWindow(h) && !callback(h, param)) return FALSE;
    return TRUE;
}

BOOL EnumThreadWindows(DWORD threadId, const WNDENUMPROC& callback, LPARAM param) {
    return threadId == GetCurrentThreadId() ? EnumWindows(callback, param) : FALSE;
}

namespace {
bool EnumDescendants(HWND parent, const WNDENUMPROC& callback, LPARAM param) {
    Window* w = Find(parent);
    if (!w) return true;
    const auto list = w->children;
    for (HWND h : list) {
        if (!IsWindow(h)) continue;
        if (!callback(h, param)) return false;
        if (!EnumDescendants(h, callback, param)) return false;
    }
    return true;
}
}  // namespace

BOOL EnumChildWindows(HWND parent, const WNDENUMPROC& callback, LPARAM param) {
    return EnumDescendants(parent ? parent : Desktop().handle, callback, param) ? TRUE : FALSE;
}

HWND WindowFromPoint(POINT point) { return DeepestAt(Desktop(), point, true); }

HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags) {
    Window* p = Find(parent);
    if (!p) return 0;
    const RECT client = p->ClientRect();
    if (point.x < client.left || point.y < client.top || point.x >= client.right || point.y >= client.bottom)
        return 0;
    for (HWND h : p->children) {
        Window* c = Find(h);
        if (!c) continue;
        if ((flags & CWP_SKIPINVISIBLE) && !(c->style & WS_VISIBLE)) continue;
        if ((flags & CWP_SKIPDISABLED) && (c->style & WS_DISABLED)) continue;
        if ((flags & CWP_SKIPTRANSPARENT) && (c->exStyle & WS_EX_TRANSPARENT)) continue;
        const POINT local{point.x - c->rect.left, point.y - c->rect.top};
        if (local.x >= 0 && local.y >= 0 && local.x < c->Width() && local.y < c->Height() &&
            InWindowRegion(*c, local))
            return h;
    }
    return parent;
}

HWND ChildWindowFromPoint(HWND parent, POINT point) { return ChildWindowFromPointEx(parent, point, CWP_ALL); }
