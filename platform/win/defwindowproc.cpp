// The default window procedure: the one place where the window system's
// default behaviour lives. Everything else subclasses around it; the
// non-client area, moving, sizing and menus add their defaults here too.
#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/rtl/codepage.h"
#include "platform/win/surfacehost.h"
#include "platform/win/userinput.h"
#include "platform/win/window_internal.h"
#include "platform/win/winpaint.h"

std::size_t ws::CopyTextToBuffer(const AnsiString& text, char* buffer, std::size_t size) {
    std::size_t n = std::min(text.size(), size - 1);
    // Never hand out the lead byte of a character without its trail.
    if (n < text.size()) n = AnsiCharStart(text, n);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = 0;
    return n;
}

namespace {

using namespace ws;

LRESULT CopyText(const AnsiString& text, WPARAM count, LPARAM buffer) {
    char* out = reinterpret_cast<char*>(buffer);
    if (!out || count == 0) return 0;
    return LRESULT(CopyTextToBuffer(text, out, count));
}

// FillRect takes the class's system colour index + 1 as that colour's brush.
LRESULT EraseBackground(Window& w, HDC dc) {
    const HBRUSH brush = w.windowClass->background;
    if (!brush || !dc) return 0;
    RECT box;
    GetClipBox(dc, &box);
    FillRect(dc, &box, brush);
    return 1;
}

LRESULT ControlColour(HDC dc, UINT message) {
    const bool window = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(window ? COLOR_WINDOW : COLOR_BTNFACE));
    return LRESULT(GetSysColorBrush(window ? COLOR_WINDOW : COLOR_BTNFACE));
}

void Print(HWND handle, HDC dc, LPARAM flags) {
    if ((flags & PRF_CHECKVISIBLE) && !IsWindowVisible(handle)) return;
    if (flags & PRF_ERASEBKGND) SendMessage(handle, WM_ERASEBKGND, WPARAM(dc), 0);
    if (flags & PRF_CLIENT) SendMessage(handle, WM_PRINTCLIENT, WPARAM(dc), flags);
    if (!(flags & PRF_CHILDREN)) return;
    Window* w = Find(handle);
    if (!w) return;
    const auto children = w->children;
    // Bottom child first, so those above end on top.
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        Window* c = Find(*it);
        if (!c || !(c->style & WS_VISIBLE)) continue;
        const int saved = SaveDC(dc);
        POINT origin;
        GetViewportOrgEx(dc, &origin);
        SetViewportOrgEx(dc, origin.x + c->rect.left, origin.y + c->rect.top, nullptr);
        IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
        Print(*it, dc, flags | PRF_CHECKVISIBLE);
        RestoreDC(dc, saved);
    }
}

}  // namespace

LRESULT DefWindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = Find(handle);
    if (!w) return 0;
    if (LRESULT frameResult = 0; DefaultFrameMessage(handle, message, wParam, lParam, frameResult)) return frameResult;
    switch (message) {
    case WM_NCCREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        if (cs && cs->lpszName) w->text = cs->lpszName;
        return TRUE;
    }
    case WM_CLOSE:
        DestroyWindow(handle);
        return 0;
    case WM_SETTEXT:
        w->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        SetSurfaceTitle(handle, w->text);
        return TRUE;
    case WM_SETICON: {
        HICON& slot = wParam == ICON_BIG ? w->bigIcon : w->smallIcon;
        const HICON previous = std::exchange(slot, HICON(lParam));
        SetSurfaceIcon(handle, w->bigIcon ? w->bigIcon : w->smallIcon);
        return LRESULT(previous);
    }
    case WM_GETICON:
        // ICON_SMALL2 falls back on the big icon, as the caption does.
        if (wParam == ICON_BIG) return LRESULT(w->bigIcon);
        if (wParam == ICON_SMALL || w->smallIcon) return LRESULT(w->smallIcon);
        return LRESULT(w->bigIcon);
    case WM_GETTEXT:
        return CopyText(w->text, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return LRESULT(w->text.size());
    case WM_SETREDRAW:
        w->redraw = wParam != 0;
        return 0;
    case WM_PAINT: {
        // A DC in wParam asks for painting into it; there is nothing to
        // paint by default, and the update region is not ours to validate.
        if (wParam) return 0;
        PAINTSTRUCT ps;
        BeginPaint(handle, &ps);
        EndPaint(handle, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return EraseBackground(*w, HDC(wParam));
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC:
        return ControlColour(HDC(wParam), message);
    case WM_PRINT:
        Print(handle, HDC(wParam), lParam);
        return 0;
    case WM_PRINTCLIENT:
        return 0;
    case WM_WINDOWPOSCHANGING: {
        // Sizable and captioned windows keep within the limits they give.
        auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
        // WS_CAPTION holds WS_BORDER: a thin-bordered pop-up has no caption.
        const bool captioned = (w->style & WS_CAPTION) == WS_CAPTION;
        if (!pos || (pos->flags & SWP_NOSIZE) || w->IsChild() || !((w->style & WS_THICKFRAME) || captioned))
            return 0;
        MINMAXINFO limits;
        SendMessage(handle, WM_GETMINMAXINFO, 0, LPARAM(&limits));
        pos->cx = std::clamp<int>(pos->cx, limits.ptMinTrackSize.x, std::max(limits.ptMinTrackSize.x, limits.ptMaxTrackSize.x));
        pos->cy = std::clamp<int>(pos->cy, limits.ptMinTrackSize.y, std::max(limits.ptMinTrackSize.y, limits.ptMaxTrackSize.y));
        return 0;
    }
    case WM_WINDOWPOSCHANGED: {
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (!pos) return 0;
        if (!(pos->flags & SWP_NOMOVE))
            SendMessage(handle, WM_MOVE, 0, MAKELPARAM(w->rect.left + w->client.left, w->rect.top + w->client.top));
        if ((w = Find(handle)) == nullptr) return 0;
        if (!(pos->flags & SWP_NOSIZE) || (pos->flags & SWP_FRAMECHANGED)) {
            const WPARAM kind = (w->style & WS_MINIMIZE) ? SIZE_MINIMIZED
                                : (w->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED;
            SendMessage(handle, WM_SIZE, kind,
                        MAKELPARAM(w->ClientWidth(), w->ClientHeight()));
        }
        return 0;
    }
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        if (!info) return 0;
        RECT work;
        WorkArea(&work);
        info->ptMaxSize = {work.right - work.left, work.bottom - work.top};
        info->ptMaxPosition = {work.left, work.top};
        info->ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
        info->ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) SetFocus(handle);
        return 0;
    case WM_MOUSEACTIVATE:
        if (w->IsChild()) {
            const LRESULT parent = SendMessage(w->parent, WM_MOUSEACTIVATE, wParam, lParam);
            if (parent) return parent;
        }
        return (w->exStyle & WS_EX_NOACTIVATE) ? MA_NOACTIVATE : MA_ACTIVATE;
    case WM_SETCURSOR: {
        if (w->IsChild() && SendMessage(w->parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
        const LRESULT hit = std::int16_t(LOWORD(lParam));
        if (hit == HTERROR) {
            if (HIWORD(lParam) == WM_LBUTTONDOWN || HIWORD(lParam) == WM_RBUTTONDOWN) MessageBeep(0);
            return FALSE;
        }
        if (hit == HTCLIENT) {
            if (!w->windowClass->cursor) return FALSE;
            SetCursor(w->windowClass->cursor);
            return TRUE;
        }
        SetCursor(LoadCursor(0, IDC_ARROW));
        return FALSE;
    }
    case WM_CANCELMODE:
        if (GetCapture() == handle) ReleaseCapture();
        return 0;
    case WM_RBUTTONUP: {
        // Releasing the right button asks for the window's context menu, at
        // the point on the screen.
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(handle, &at);
        SendMessage(handle, WM_CONTEXTMENU, WPARAM(handle), MAKELPARAM(at.x, at.y));
        return 0;
    }
    case WM_MOUSEWHEEL:
    case WM_CONTEXTMENU:
        // Unhandled, they go up to the parent.
        if (w->IsChild()) return SendMessage(w->parent, message, wParam, lParam);
        return 0;
    case WM_IME_STARTCOMPOSITION:
    case WM_IME_COMPOSITION:
    case WM_IME_ENDCOMPOSITION:
        return DefaultImeMessage(handle, message, wParam, lParam);
    case WM_QUERYENDSESSION:
    case WM_QUERYOPEN:
        return TRUE;
    default:
        return 0;
    }
}

LRESULT DefWindowProcW(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProc(handle, message, wParam, lParam);
}
