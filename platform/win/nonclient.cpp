// The default non-client behaviour: the frame layout, WM_NCCALCSIZE,
// WM_NCHITTEST, WM_NCACTIVATE, presses on the frame, the caption buttons,
// the keyboard's way into the menus, and WM_SYSCOMMAND.
#include <algorithm>

#include "platform/rtl/programlong.h"
#include "platform/win/frame_internal.h"
#include "platform/win/userinput.h"
#include "platform/win/winmdi.h"
#include "platform/win/winpaint.h"

namespace ws {
namespace {

bool HasCaption(DWORD style) { return (style & WS_CAPTION) == WS_CAPTION; }

bool Inside(const RECT& r, POINT p) { return !IsRectEmpty(&r) && PtInRect(&r, p); }

// The default layout of a window at a given size; the menu bar (of windows
// that are not children) wraps within the frame's inner width.
FrameLayout LayoutOfSize(const Window& w, int width, int height) {
    const FlatBarLook* flat = w.frame && w.frame->flatBars ? &*w.frame->flatBars : nullptr;
    const int vScroll = flat ? flat->thickness[SB_VERT] : 0, hScroll = flat ? flat->thickness[SB_HORZ] : 0;
    const FrameLayout bare = LayoutFrame(w.style, w.exStyle, width, height, 0, vScroll, hScroll);
    if (w.IsChild() || !w.frame || !w.frame->menu) return bare;
    const POINT origin{bare.border, IsRectEmpty(&bare.caption) ? bare.border : bare.caption.bottom + 1};
    const int menuHeight = MenuBarHeight(w.handle, w.frame->menu, origin, width - 2 * bare.border);
    return LayoutFrame(w.style, w.exStyle, width, height, menuHeight, vScroll, hScroll);
}

void LayOutButtons(FrameLayout& f, DWORD style, DWORD exStyle) {
    if (IsRectEmpty(&f.caption) || !(style & WS_SYSMENU)) return;
    const bool tool = exStyle & WS_EX_TOOLWINDOW;
    const int bw = (tool ? GetSystemMetrics(SM_CXSMSIZE) : GetSystemMetrics(SM_CXSIZE)) - 2;
    const int bh = (tool ? GetSystemMetrics(SM_CYSMSIZE) : GetSystemMetrics(SM_CYSIZE)) - 4;
    const int top = f.caption.top + (f.caption.bottom - f.caption.top - bh) / 2;
    f.closeButton = Bounds(f.caption.right - 2 - bw, top, bw, bh);
    int left = f.closeButton.left;
    if (!tool && (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) {
        f.maximizeButton = Bounds(left - 2 - bw, top, bw, bh);
        f.minimizeButton = Bounds(f.maximizeButton.left - bw, top, bw, bh);
    } else if (!tool && (exStyle & WS_EX_CONTEXTHELP)) {
        f.helpButton = Bounds(left - 2 - bw, top, bw, bh);
    }
    if (!tool && !(exStyle & WS_EX_DLGMODALFRAME)) {
        const int icon = GetSystemMetrics(SM_CXSMICON);
        f.systemIcon = Bounds(f.caption.left + 1, f.caption.top + (f.caption.bottom - f.caption.top - icon) / 2,
                              icon, icon);
    }
}

// A press on a caption button: drawn pressed while the mouse is on it;
// answers whether the button was released on itself.
bool TrackCaptionButton(HWND handle, LRESULT button, const RECT& rect) {
    FrameState* frame = FrameOf(handle);
    frame->pressedButton = button;
    PaintCaptionButtons(handle);
    SetCapture(handle);
    bool inside = true;
    MSG msg;
    while (GetCapture() == handle) {
        if (ButtonReleasedUnseen()) {
            inside = false;
            break;
        }
        if (!GetMessage(&msg, 0, 0, 0)) {
            PostQuitMessage(int(msg.wParam));
            break;
        }
        // Input queued before the capture arrives in its non-client form.
        const bool move = msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE;
        const bool up = msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP;
        if (move || up) {
            RECT window;
            GetWindowRect(handle, &window);
            inside = PtInRect(&rect, POINT{msg.pt.x - window.left, msg.pt.y - window.top});
            if ((frame = FrameOf(handle)) == nullptr) return false;
            const LRESULT drawn = inside ? button : HTNOWHERE;
            if (frame->pressedButton != drawn) {
                frame->pressedButton = drawn;
                PaintCaptionButtons(handle);
            }
            if (up) break;
            continue;
        }
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            inside = false;
            break;
        }
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    if (GetCapture() == handle) ReleaseCapture();
    if ((frame = FrameOf(handle)) == nullptr) return false;
    frame->pressedButton = HTNOWHERE;
    PaintCaptionButtons(handle);
    return inside;
}

WPARAM CommandOfButton(HWND handle, LRESULT hit) {
    switch (hit) {
    case HTCLOSE: return SC_CLOSE;
    case HTMINBUTTON: return IsIconic(handle) ? SC_RESTORE : SC_MINIMIZE;
    case HTMAXBUTTON: return IsZoomed(handle) ? SC_RESTORE : SC_MAXIMIZE;
    case HTHELP: return SC_CONTEXTHELP;
    default: return 0;
    }
}

bool ButtonEnabled(const Window& w, LRESULT hit) {
    if (hit == HTMINBUTTON) return w.style & WS_MINIMIZEBOX;
    if (hit == HTMAXBUTTON) return w.style & WS_MAXIMIZEBOX;
    if (hit == HTCLOSE) return !(w.windowClass->style & CS_NOCLOSE);
    return true;
}

LRESULT NonClientButtonDown(HWND handle, LRESULT hit, LPARAM lParam, bool doubleClick) {
    Window* w = Find(handle);
    if (!w) return 0;
    switch (hit) {
    case HTCAPTION:
        if (doubleClick && (w->style & WS_MAXIMIZEBOX))
            SendMessage(handle, WM_SYSCOMMAND, IsZoomed(handle) || IsIconic(handle) ? SC_RESTORE : SC_MAXIMIZE, lParam);
        else if (!doubleClick)
            SendMessage(handle, WM_SYSCOMMAND, SC_MOVE + HTCAPTION, lParam);
        return 0;
    case HTSYSMENU:
        if (doubleClick) SendMessage(handle, WM_SYSCOMMAND, SC_CLOSE, lParam);
        else SendMessage(handle, WM_SYSCOMMAND, SC_MOUSEMENU + HTSYSMENU, lParam);
        return 0;
    case HTMENU:
        SendMessage(handle, WM_SYSCOMMAND, SC_MOUSEMENU, lParam);
        return 0;
    case HTHSCROLL:
    case HTVSCROLL:
        SendMessage(handle, WM_SYSCOMMAND, (hit == HTHSCROLL ? SC_HSCROLL : SC_VSCROLL) + hit, lParam);
        return 0;
    case HTMINBUTTON:
    case HTMAXBUTTON:
    case HTCLOSE:
    case HTHELP: {
        if (!ButtonEnabled(*w, hit)) return 0;
        const FrameLayout f = LayoutFrame(*w);
        const RECT rect = hit == HTCLOSE ? f.closeButton : hit == HTMINBUTTON ? f.minimizeButton
                          : hit == HTMAXBUTTON ? f.maximizeButton : f.helpButton;
        if (TrackCaptionButton(handle, hit, rect) && IsWindow(handle))
            SendMessage(handle, WM_SYSCOMMAND, CommandOfButton(handle, hit), lParam);
        return 0;
    }
    case HTGROWBOX:
        if (LayoutFrame(*w).sizable) SendMessage(handle, WM_SYSCOMMAND, SC_SIZE + WMSZ_BOTTOMRIGHT, lParam);
        return 0;
    default:
        if (hit >= HTLEFT && hit <= HTBOTTOMRIGHT && !IsZoomed(handle))
            SendMessage(handle, WM_SYSCOMMAND, SC_SIZE + WPARAM(hit - HTLEFT + WMSZ_LEFT), lParam);
        return 0;
    }
}

std::uintptr_t SizingCursor(LRESULT hit) {
    switch (hit) {
    case HTLEFT: case HTRIGHT: return IDC_SIZEWE;
    case HTTOP: case HTBOTTOM: return IDC_SIZENS;
    case HTTOPLEFT: case HTBOTTOMRIGHT: case HTGROWBOX: return IDC_SIZENWSE;
    case HTTOPRIGHT: case HTBOTTOMLEFT: return IDC_SIZENESW;
    default: return 0;
    }
}

LRESULT HitTest(const Window& w, POINT screen) {
    RECT window;
    GetWindowRect(w.handle, &window);
    if (!PtInRect(&window, screen)) return HTNOWHERE;
    const POINT p{screen.x - window.left, screen.y - window.top};
    const FrameLayout f = LayoutFrame(w);
    // The client area is where WM_NCCALCSIZE put it, which a window that
    // lays out its own frame may have moved off the default layout's.
    if (Inside(w.client, p)) return HTCLIENT;
    const int width = w.Width(), height = w.Height();
    if (f.border > 0 && (p.x < f.border || p.y < f.border || p.x >= width - f.border || p.y >= height - f.border)) {
        if (!f.sizable) return HTBORDER;
        // The corners reach along the edges as far as a caption button is wide.
        const int corner = GetSystemMetrics(SM_CXSIZE) + f.border;
        const bool left = p.x < corner, right = p.x >= width - corner;
        const bool top = p.y < corner, bottom = p.y >= height - corner;
        if (p.y < f.border) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
        if (p.y >= height - f.border) return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
        if (p.x < f.border) return top ? HTTOPLEFT : bottom ? HTBOTTOMLEFT : HTLEFT;
        return top ? HTTOPRIGHT : bottom ? HTBOTTOMRIGHT : HTRIGHT;
    }
    if (Inside(f.caption, p)) {
        if (Inside(f.systemIcon, p)) return HTSYSMENU;
        if (Inside(f.closeButton, p)) return HTCLOSE;
        if (Inside(f.maximizeButton, p)) return HTMAXBUTTON;
        if (Inside(f.minimizeButton, p)) return HTMINBUTTON;
        if (Inside(f.helpButton, p)) return HTHELP;
        return HTCAPTION;
    }
    if (Inside(f.menuBar, p)) return HTMENU;
    if (Inside(f.vertical, p)) return HTVSCROLL;
    if (Inside(f.horizontal, p)) return HTHSCROLL;
    if (Inside(f.corner, p)) return f.sizable ? HTGROWBOX : HTNOWHERE;
    if (Inside(f.client, p)) return HTNOWHERE;
    return f.border > 0 || !IsRectEmpty(&f.caption) ? HTBORDER : HTNOWHERE;
}

LRESULT CalcSize(Window& w, WPARAM calcValidRects, LPARAM lParam) {
    RECT* r = calcValidRects ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
    if (!r) return 0;
    const FrameLayout f = LayoutOfSize(w, r->right - r->left, r->bottom - r->top);
    const RECT window = *r;
    *r = f.client;
    OffsetRect(r, window.left, window.top);
    return 0;
}

// Context help: the next click names the window it asks about.
void ContextHelp(HWND handle) {
    SetCapture(handle);
    SetCursor(LoadCursor(0, IDC_HELP));
    MSG msg;
    while (GetCapture() == handle) {
        if (!GetMessage(&msg, 0, 0, 0)) {
            PostQuitMessage(int(msg.wParam));
            break;
        }
        if (msg.message == WM_LBUTTONDOWN || msg.message == WM_NCLBUTTONDOWN) {
            ReleaseCapture();
            const HWND target = WindowFromPoint(msg.pt);
            if (!target) break;
            HELPINFO help;
            help.iCtrlId = GetDlgCtrlID(target);
            help.hItemHandle = target;
            help.MousePos = msg.pt;
            SendMessage(target, WM_HELP, 0, LPARAM(&help));
            break;
        }
        if (msg.message == WM_KEYDOWN || msg.message == WM_RBUTTONDOWN || msg.message == WM_SYSKEYDOWN) break;
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP || msg.message == WM_NCMOUSEMOVE ||
            msg.message == WM_NCLBUTTONUP)
            continue;
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    if (GetCapture() == handle) ReleaseCapture();
}

bool CloseAllowed(HWND handle) {
    Window* w = Find(handle);
    if (!w || (w->windowClass->style & CS_NOCLOSE)) return false;
    if (w->frame && w->frame->systemMenu) {
        const UINT state = GetMenuState(w->frame->systemMenu, UINT(SC_CLOSE), MF_BYCOMMAND);
        if (state != UINT(-1) && (state & (MF_GRAYED | MF_DISABLED))) return false;
    }
    return true;
}

LRESULT SystemCommand(HWND handle, WPARAM command, LPARAM lParam) {
    const POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (command & 0xFFF0) {
    case SC_MOVE:
    case SC_SIZE:
        TrackMoveSize(handle, command, screen);
        return 0;
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_RESTORE:
        ChangeWindowState(handle, command & 0xFFF0);
        return 0;
    case SC_CLOSE:
        if (CloseAllowed(handle)) SendMessage(handle, WM_CLOSE, 0, 0);
        return 0;
    case SC_HSCROLL:
    case SC_VSCROLL:
        TrackWindowScrollBar(handle, (command & 0xFFF0) == SC_HSCROLL ? SB_HORZ : SB_VERT, screen);
        return 0;
    case SC_MOUSEMENU:
        TrackMenuBarByMouse(handle, screen);
        return 0;
    case SC_KEYMENU:
        TrackMenuBarByKey(handle, int(lParam));
        return 0;
    case SC_CONTEXTHELP:
        ContextHelp(handle);
        return 0;
    default:
        return 0;
    }
}

// The keyboard's way into the menus: Alt pressed and released alone, F10,
// Alt with a mnemonic, Alt+Space; Alt+F4 closes.
struct KeyMenuState {
    bool altAlone = false;
};

KeyMenuState& TheKeyMenu() {
    static ProgramLong<KeyMenuState> state;
    return *state;
}

HWND MenuWindowFor(HWND handle) {
    // An MDI child's keys reach its frame's menu bar.
    HWND root = GetAncestor(handle, GA_ROOT);
    return root ? root : handle;
}

bool SystemKey(HWND handle, UINT message, WPARAM key, LPARAM lParam) {
    auto& state = TheKeyMenu();
    switch (message) {
    case WM_SYSKEYDOWN:
        if (key == VK_MENU) {
            if (!(lParam & (LPARAM(1) << 30))) state.altAlone = true;
            return true;
        }
        state.altAlone = false;
        if (key == VK_F4 && (lParam & (LPARAM(1) << 29))) {
            PostMessage(MenuWindowFor(handle), WM_SYSCOMMAND, SC_CLOSE, 0);
            return true;
        }
        if (key == VK_F10) {
            SendMessage(MenuWindowFor(handle), WM_SYSCOMMAND, SC_KEYMENU, 0);
            return true;
        }
        return false;
    case WM_SYSKEYUP:
        if (key == VK_MENU && state.altAlone && LastKeyDown() == VK_MENU) {
            state.altAlone = false;
            SendMessage(MenuWindowFor(handle), WM_SYSCOMMAND, SC_KEYMENU, 0);
            return true;
        }
        return false;
    case WM_SYSCHAR:
        state.altAlone = false;
        if (key == '\r' || key == 27) return true;
        SendMessage(MenuWindowFor(handle), WM_SYSCOMMAND, SC_KEYMENU, LPARAM(key));
        return true;
    default:
        return false;
    }
}

}  // namespace

bool ButtonReleasedUnseen() {
    MSG msg;
    return GetAsyncKeyState(VK_LBUTTON) >= 0 && !PeekMessage(&msg, 0, 0, 0, PM_NOREMOVE);
}

FrameState& FrameOf(Window& w) {
    if (!w.frame) w.frame = std::make_shared<FrameState>();
    return *w.frame;
}

FrameState* FrameOf(HWND handle) {
    Window* w = Find(handle);
    return w ? &FrameOf(*w) : nullptr;
}

bool ShowsMinimized(const Window& w) { return w.IsChild() && (w.style & WS_MINIMIZE) && HasCaption(w.style); }

FrameLayout LayoutFrame(DWORD style, DWORD exStyle, int width, int height, int menuHeight, int vScrollWidth,
                        int hScrollHeight) {
    FrameLayout f;
    const bool thick = style & WS_THICKFRAME;
    const bool fixed = (style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME);
    f.sizable = thick;
    f.border = thick ? GetSystemMetrics(SM_CXSIZEFRAME) : fixed ? GetSystemMetrics(SM_CXFIXEDFRAME)
               : (style & WS_BORDER) ? GetSystemMetrics(SM_CXBORDER) : 0;
    RECT r = Rect(0, 0, width, height);
    InflateRect(&r, -f.border, -f.border);
    if (HasCaption(style)) {
        const int h = (exStyle & WS_EX_TOOLWINDOW) ? GetSystemMetrics(SM_CYSMCAPTION) : GetSystemMetrics(SM_CYCAPTION);
        f.caption = Rect(r.left, r.top, r.right, r.top + h - 1);
        r.top += h;
        LayOutButtons(f, style, exStyle);
    }
    if (menuHeight > 0) {
        f.menuBar = Rect(r.left, r.top, r.right, r.top + menuHeight);
        r.top += menuHeight;
    }
    const int edge = (exStyle & WS_EX_CLIENTEDGE) ? GetSystemMetrics(SM_CXEDGE) : (exStyle & WS_EX_STATICEDGE) ? 1 : 0;
    InflateRect(&r, -edge, -edge);
    const int cx = vScrollWidth > 0 ? vScrollWidth : GetSystemMetrics(SM_CXVSCROLL);
    const int cy = hScrollHeight > 0 ? hScrollHeight : GetSystemMetrics(SM_CYHSCROLL);
    if ((style & WS_VSCROLL) && r.right - r.left >= cx) {
        if (exStyle & WS_EX_LEFTSCROLLBAR) {
            f.vertical = Rect(r.left, r.top, r.left + cx, r.bottom);
            r.left += cx;
        } else {
            f.vertical = Rect(r.right - cx, r.top, r.right, r.bottom);
            r.right -= cx;
        }
    }
    if ((style & WS_HSCROLL) && r.bottom - r.top >= cy) {
        f.horizontal = Rect(r.left, r.bottom - cy, r.right, r.bottom);
        r.bottom -= cy;
        if (!IsRectEmpty(&f.vertical)) {
            f.vertical.bottom = r.bottom;
            f.corner = Rect(f.vertical.left, r.bottom, f.vertical.right, r.bottom + cy);
        }
    }
    r.right = std::max(r.left, r.right);
    r.bottom = std::max(r.top, r.bottom);
    f.client = r;
    return f;
}

FrameLayout LayoutFrame(const Window& w) {
    if (ShowsMinimized(w)) {
        FrameLayout f = LayoutFrame(w.style & ~(WS_VSCROLL | WS_HSCROLL), w.exStyle & ~WS_EX_CLIENTEDGE, w.Width(),
                                    w.Height(), 0);
        // A minimized window's client area is empty at its top-left corner,
        // so client coordinates are window coordinates there.
        f.client = Rect(0, 0, 0, 0);
        return f;
    }
    return LayoutOfSize(w, w.Width(), w.Height());
}

bool HasNonClientArea(const Window& w) {
    return w.client.left > 0 || w.client.top > 0 || w.client.right < w.Width() || w.client.bottom < w.Height();
}

bool DefaultFrameMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    Window* w = Find(handle);
    if (!w) return false;
    result = 0;
    switch (message) {
    case WM_NCCREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        if (cs && cs->hMenu && !w->IsChild() && IsMenu(cs->hMenu)) FrameOf(*w).menu = cs->hMenu;
        return false;  // the text is kept by the default procedure
    }
    case WM_NCCALCSIZE:
        if (ShowsMinimized(*w)) {
            RECT* r = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
            r->right = r->left, r->bottom = r->top;
            return true;
        }
        result = CalcSize(*w, wParam, lParam);
        return true;
    case WM_NCHITTEST:
        result = HitTest(*w, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return true;
    case WM_NCPAINT:
        PaintFrame(handle, HRGN(wParam));
        return true;
    case WM_NCACTIVATE:
        FrameOf(*w).active = wParam != 0;
        if (HasNonClientArea(*w) && IsWindowVisible(handle)) PaintFrame(handle, 1);
        result = TRUE;
        return true;
    case WM_SETTEXT: {
        RECT none;
        if (HasNonClientArea(*w)) RedrawWindow(handle, &none, 0, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
        return false;  // the default procedure keeps the text
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        result = NonClientButtonDown(handle, LRESULT(wParam), lParam, message == WM_NCLBUTTONDBLCLK);
        return true;
    case WM_NCRBUTTONUP:
        if (wParam == HTCAPTION || wParam == HTSYSMENU) SendMessage(handle, WM_CONTEXTMENU, handle, lParam);
        return true;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
    case WM_NCMBUTTONDBLCLK:
        return true;
    case WM_SYSCOMMAND:
        result = SystemCommand(handle, wParam, lParam);
        return true;
    case WM_SETCURSOR: {
        // The borders show the sizing cursors; everything else is left to the default.
        const std::uintptr_t cursor = SizingCursor(std::int16_t(LOWORD(lParam)));
        if (!cursor || (w->IsChild() && SendMessage(w->parent, WM_SETCURSOR, wParam, lParam))) return false;
        SetCursor(LoadCursor(0, cursor));
        result = TRUE;
        return true;
    }
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
        return SystemKey(handle, message, wParam, lParam);
    case WM_NCDESTROY:
        if (w->frame && w->frame->systemMenu) DestroyMenu(w->frame->systemMenu);
        if (w->frame && w->frame->menu && !w->IsChild()) DestroyMenu(w->frame->menu);
        w->frame.reset();
        return false;
    default:
        return false;
    }
}

}  // namespace ws

using namespace ws;

BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle) {
    if (!rect) return FALSE;
    const FrameLayout f = LayoutFrame(style, exStyle, 1000, 1000, menu ? GetSystemMetrics(SM_CYMENU) : 0);
    rect->left -= f.client.left;
    rect->top -= f.client.top;
    rect->right += 1000 - f.client.right;
    rect->bottom += 1000 - f.client.bottom;
    return TRUE;
}

BOOL AdjustWindowRect(RECT* rect, DWORD style, BOOL menu) { return AdjustWindowRectEx(rect, style, menu, 0); }
