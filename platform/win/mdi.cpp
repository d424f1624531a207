// The multiple-document interface: the "MDIClient" class, the MDI messages,
// activation among the children, the frame's menu bar and caption while a
// child is maximised, arranging (cascade, tile, minimised children), and the
// default procedures of the frame and the children.
#include <algorithm>
#include <cmath>
#include <map>

#include "platform/rtl/programlong.h"
#include "platform/win/menu_internal.h"
#include "platform/win/userinput.h"
#include "platform/win/winmdi.h"
#include "platform/win/winpaint.h"

namespace ws {
namespace {

struct ClientData {
    HMENU windowMenu = 0;
    UINT firstChild = 0;
    HWND active = 0;
    HWND maximized = 0;  // the child whose buttons are in the frame's menu bar
    AnsiString frameTitle;
};

// The state of each "MDIClient" window, kept from WM_CREATE to WM_NCDESTROY.
std::map<HWND, ClientData>& Clients() {
    static ProgramLong<std::map<HWND, ClientData>> clients;
    return *clients;
}

ClientData* DataOf(HWND client) {
    auto it = Clients().find(client);
    return it == Clients().end() ? nullptr : &it->second;
}

HWND ClientOf(HWND child) {
    const HWND parent = GetParent(child);
    return DataOf(parent) ? parent : 0;
}

HWND FrameOfClient(HWND client) { return GetParent(client); }

std::vector<HWND> Children(HWND client, bool skipIconic = false) {
    std::vector<HWND> children;
    Window* w = Find(client);
    if (!w) return children;
    for (HWND h : w->children) {
        Window* c = Find(h);
        if (!c || !(c->exStyle & WS_EX_MDICHILD) || !(c->style & WS_VISIBLE)) continue;
        if (skipIconic && (c->style & WS_MINIMIZE)) continue;
        children.push_back(h);
    }
    return children;
}

// The frame's caption while a child is maximised: "Frame - [Child]".
void ShowFrameTitle(HWND client) {
    ClientData* data = DataOf(client);
    if (!data) return;
    const HWND frame = FrameOfClient(client);
    AnsiString title = data->frameTitle;
    if (data->maximized) title += " - [" + WindowTextOf(data->maximized) + "]";
    DefWindowProc(frame, WM_SETTEXT, 0, LPARAM(title.c_str()));
}

// The maximised child's system-menu icon and caption buttons in the frame's menu bar.
void RemoveFrameControls(HWND client) {
    ClientData* data = DataOf(client);
    if (!data || !data->maximized) return;
    const HWND frame = FrameOfClient(client);
    const HMENU bar = GetMenu(frame);
    if (Menu* m = FindMenu(bar)) {
        auto& items = m->items;
        items.erase(std::remove_if(items.begin(), items.end(),
                                   [](const MenuItem& item) { return IsSpecialBitmap(item.bitmap); }),
                    items.end());
    }
    data->maximized = 0;
    ShowFrameTitle(client);
    DrawMenuBar(frame);
}

void AddFrameControls(HWND client, HWND child) {
    ClientData* data = DataOf(client);
    if (!data) return;
    RemoveFrameControls(client);
    const HWND frame = FrameOfClient(client);
    const HMENU bar = GetMenu(frame);
    data->maximized = child;
    if (FindMenu(bar)) {
        MENUITEMINFO info;
        info.fMask = MIIM_SUBMENU | MIIM_BITMAP | MIIM_DATA | MIIM_ID;
        info.hSubMenu = GetSystemMenu(child, FALSE);
        info.hbmpItem = HBMMENU_SYSTEM;
        info.dwItemData = child;
        InsertMenuItem(bar, 0, TRUE, &info);
        const std::pair<WPARAM, HBITMAP> buttons[] = {
            {SC_MINIMIZE, HBMMENU_MBAR_MINIMIZE}, {SC_RESTORE, HBMMENU_MBAR_RESTORE}, {SC_CLOSE, HBMMENU_MBAR_CLOSE}};
        bool first = true;
        for (const auto& [command, bitmap] : buttons) {
            MENUITEMINFO button;
            button.fMask = MIIM_ID | MIIM_BITMAP | MIIM_FTYPE;
            button.fType = first ? MFT_RIGHTJUSTIFY : 0;
            button.wID = UINT(command);
            button.hbmpItem = bitmap;
            InsertMenuItem(bar, UINT(-1), TRUE, &button);
            first = false;
        }
    }
    ShowFrameTitle(client);
    DrawMenuBar(frame);
}

// The frame's "Window" menu lists the children after a separator.
void RefreshWindowMenu(HWND client) {
    ClientData* data = DataOf(client);
    if (!data || !FindMenu(data->windowMenu)) return;
    Menu* m = FindMenu(data->windowMenu);
    auto listed = [&](const MenuItem& item) {
        return !item.submenu && item.id >= data->firstChild && item.id < data->firstChild + 0x100;
    };
    auto& items = m->items;
    items.erase(std::remove_if(items.begin(), items.end(), listed), items.end());
    if (!items.empty() && (items.back().type & MFT_SEPARATOR)) items.pop_back();
    const auto children = Children(client);
    if (children.empty()) return;
    AppendMenu(data->windowMenu, MF_SEPARATOR, 0, nullptr);
    int n = 1;
    for (HWND child : children) {
        const AnsiString text = "&" + std::to_string(n++) + " " + WindowTextOf(child);
        AppendMenu(data->windowMenu, child == data->active ? MF_CHECKED : MF_STRING, UINT_PTR(GetDlgCtrlID(child)),
                   text.c_str());
    }
}

void Activate(HWND client, HWND child) {
    ClientData* data = DataOf(client);
    if (!data || data->active == child) return;
    const HWND old = data->active;
    const bool keepMaximized = old && IsZoomed(old) && child;
    data->active = child;
    if (old && IsWindow(old)) {
        SendMessage(old, WM_NCACTIVATE, FALSE, 0);
        SendMessage(old, WM_MDIACTIVATE, WPARAM(old), LPARAM(child));
        if (keepMaximized) {
            RemoveFrameControls(client);
            ShowWindow(old, SW_RESTORE);
        }
    }
    if (child && IsWindow(child)) {
        SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        SendMessage(child, WM_NCACTIVATE, TRUE, 0);
        SendMessage(child, WM_MDIACTIVATE, WPARAM(old), LPARAM(child));
        if (keepMaximized) SendMessage(child, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        if (GetFocus() != child && !IsChild(child, GetFocus())) SetFocus(child);
    }
    RefreshWindowMenu(client);
}

HWND CreateChild(HWND client, const MDICREATESTRUCT& mcs) {
    ClientData* data = DataOf(client);
    if (!data) return 0;
    RECT area;
    GetClientRect(client, &area);
    const int count = int(Children(client).size());
    const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXSIZEFRAME);
    const int x = mcs.x == CW_USEDEFAULT ? (count * step) % std::max(1, int(area.right / 2)) : mcs.x;
    const int y = mcs.y == CW_USEDEFAULT ? (count * step) % std::max(1, int(area.bottom / 2)) : mcs.y;
    const int cx = mcs.cx == CW_USEDEFAULT ? area.right * 3 / 4 : mcs.cx;
    const int cy = mcs.cy == CW_USEDEFAULT ? area.bottom * 3 / 4 : mcs.cy;
    // A client with MDIS_ALLCHILDSTYLES takes the child's frame as asked
    // (no maximise box, say); any other gives every child the full frame.
    const DWORD frame = (GetWindowLong(client, GWL_STYLE) & MDIS_ALLCHILDSTYLES)
                            ? 0
                            : WS_CLIPCHILDREN | WS_SYSMENU | WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    const DWORD style =
        WS_CHILD | WS_CLIPSIBLINGS | frame | (mcs.style & ~(WS_POPUP | WS_VISIBLE | WS_MAXIMIZE | WS_MINIMIZE));
    const bool maximize = (mcs.style & WS_MAXIMIZE) || (data->active && IsZoomed(data->active));
    const HWND child = CreateWindowEx(WS_EX_MDICHILD | WS_EX_WINDOWEDGE, mcs.szClass, mcs.szTitle, style, x, y, cx, cy,
                                      client, HANDLE(data->firstChild + UINT(count)), mcs.hOwner,
                                      const_cast<MDICREATESTRUCT*>(&mcs));
    if (!child) return 0;
    ShowWindow(child, SW_SHOW);
    Activate(client, child);
    if (maximize) SendMessage(child, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    return child;
}

void DestroyChild(HWND client, HWND child) {
    ClientData* data = DataOf(client);
    if (!data || !IsWindow(child)) return;
    if (data->maximized == child) RemoveFrameControls(client);
    if (data->active == child) {
        HWND next = 0;
        for (HWND h : Children(client))
            if (h != child) next = next ? next : h;
        Activate(client, next);
        if ((data = DataOf(client)) == nullptr) return;
        if (data->active == child) data->active = 0;
    }
    DestroyWindow(child);
    RefreshWindowMenu(client);
}

void Next(HWND client, HWND from, bool previous) {
    ClientData* data = DataOf(client);
    if (!data) return;
    auto children = Children(client);
    if (children.size() < 2) return;
    if (!from) from = data->active;
    // The z-order is topmost first: "next" is the bottom one, which comes up.
    const HWND target = previous ? children[1] : children.back();
    if (!previous && from == children.front())
        SetWindowPos(from, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Activate(client, target);
}

int IconAreaHeight(HWND client) {
    Window* w = Find(client);
    if (!w) return 0;
    for (HWND h : w->children)
        if (Window* c = Find(h); c && (c->exStyle & WS_EX_MDICHILD) && (c->style & WS_MINIMIZE) && (c->style & WS_VISIBLE))
            return GetSystemMetrics(SM_CYMINIMIZED);
    return 0;
}

void RestoreMaximized(HWND client) {
    ClientData* data = DataOf(client);
    if (data && data->maximized) SendMessage(data->maximized, WM_SYSCOMMAND, SC_RESTORE, 0);
}

LRESULT ClientProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        ClientData data;
        if (cs && cs->lpCreateParams) {
            const auto* ccs = static_cast<const CLIENTCREATESTRUCT*>(cs->lpCreateParams);
            data.windowMenu = ccs->hWindowMenu;
            data.firstChild = ccs->idFirstChild;
        }
        data.frameTitle = WindowTextOf(GetParent(handle));
        Clients()[handle] = data;
        return 0;
    }
    case WM_NCDESTROY:
        Clients().erase(handle);
        break;
    case WM_MDICREATE:
        return lParam ? LRESULT(CreateChild(handle, *reinterpret_cast<const MDICREATESTRUCT*>(lParam))) : 0;
    case WM_MDIDESTROY:
        DestroyChild(handle, HWND(wParam));
        return 0;
    case WM_MDIACTIVATE:
        if (ClientOf(HWND(wParam)) == handle) Activate(handle, HWND(wParam));
        return 0;
    case WM_NCACTIVATE:
        // A frame that draws its own caption passes its activation on here,
        // for the active child's caption to follow.
        if (ClientData* data = DataOf(handle); data && data->active)
            SendMessage(data->active, WM_NCACTIVATE, wParam, lParam);
        break;
    case WM_MDIGETACTIVE: {
        ClientData* data = DataOf(handle);
        if (lParam) *reinterpret_cast<BOOL*>(lParam) = data && data->active && IsZoomed(data->active);
        return data ? LRESULT(data->active) : 0;
    }
    case WM_MDIRESTORE:
        SendMessage(HWND(wParam), WM_SYSCOMMAND, SC_RESTORE, 0);
        return 0;
    case WM_MDIMAXIMIZE:
        SendMessage(HWND(wParam), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        return 0;
    case WM_MDINEXT:
        Next(handle, HWND(wParam), lParam != 0);
        return 0;
    case WM_MDITILE:
        RestoreMaximized(handle);
        return TileWindows(handle, UINT(wParam), nullptr, 0, nullptr);
    case WM_MDICASCADE:
        RestoreMaximized(handle);
        return CascadeWindows(handle, UINT(wParam), nullptr, 0, nullptr);
    case WM_MDIICONARRANGE:
        ArrangeIconicChildren(handle);
        return 0;
    case WM_MDISETMENU: {
        ClientData* data = DataOf(handle);
        if (!data) return 0;
        const HWND frame = FrameOfClient(handle);
        const HMENU old = GetMenu(frame);
        const HWND maximized = data->maximized;
        if (maximized) RemoveFrameControls(handle);
        if (wParam) SetMenu(frame, HMENU(wParam));
        if (lParam) data->windowMenu = HMENU(lParam);
        if (maximized) AddFrameControls(handle, maximized);
        RefreshWindowMenu(handle);
        return LRESULT(old);
    }
    case WM_MDIREFRESHMENU:
        RefreshWindowMenu(handle);
        DrawMenuBar(FrameOfClient(handle));
        return LRESULT(GetMenu(FrameOfClient(handle)));
    case WM_SIZE: {
        ClientData* data = DataOf(handle);
        if (data && data->maximized) {
            RECT area = Rect(0, 0, LOWORD(lParam), HIWORD(lParam));
            Window* c = Find(data->maximized);
            if (c) {
                AdjustWindowRectEx(&area, c->style & ~(WS_VSCROLL | WS_HSCROLL), FALSE, c->exStyle);
                SetWindowPos(data->maximized, 0, area.left, area.top, area.right - area.left, area.bottom - area.top,
                             SWP_NOZORDER | SWP_NOACTIVATE);
            }
        }
        ArrangeIconicChildren(handle);
        return 0;
    }
    default:
        break;
    }
    return DefWindowProc(handle, message, wParam, lParam);
}

const ATOM clientClass = [] {
    WNDCLASS wc;
    wc.style = CS_GLOBALCLASS;
    wc.lpfnWndProc = &ClientProc;
    wc.hbrBackground = HBRUSH(COLOR_APPWORKSPACE + 1);
    wc.lpszClassName = "MDIClient";
    return RegisterClass(&wc);
}();

}  // namespace

void ArrangeIconicChildren(HWND client) {
    if (!DataOf(client)) return;
    RECT area;
    GetClientRect(client, &area);
    const int width = GetSystemMetrics(SM_CXMINIMIZED), height = GetSystemMetrics(SM_CYMINIMIZED);
    int x = 0, y = area.bottom - height;
    Window* w = Find(client);
    if (!w) return;
    const auto children = w->children;
    // Bottom of the z-order first, so the order stays stable as children come up.
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        Window* c = Find(*it);
        if (!c || !(c->exStyle & WS_EX_MDICHILD) || !(c->style & WS_MINIMIZE)) continue;
        SetWindowPos(*it, 0, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        x += width;
        if (x + width > area.right && x > 0) x = 0, y -= height;
    }
}

}  // namespace ws

using namespace ws;

WORD CascadeWindows(HWND client, UINT how, const RECT* rect, UINT count, const HWND* kids) {
    std::vector<HWND> children = kids ? std::vector<HWND>(kids, kids + count) : Children(client, true);
    if (how & MDITILE_SKIPDISABLED)
        children.erase(std::remove_if(children.begin(), children.end(), [](HWND h) { return !IsWindowEnabled(h); }),
                       children.end());
    RECT area;
    if (rect) area = *rect;
    else GetClientRect(client, &area), area.bottom -= IconAreaHeight(client);
    const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXSIZEFRAME);
    const int width = (area.right - area.left) * 3 / 4, height = (area.bottom - area.top) * 3 / 4;
    int i = 0;
    // The topmost child ends in front, at the last place.
    for (auto it = children.rbegin(); it != children.rend(); ++it, ++i)
        SetWindowPos(*it, HWND_TOP, area.left + i * step, area.top + i * step, width, height, SWP_NOACTIVATE);
    return WORD(children.size());
}

WORD TileWindows(HWND client, UINT how, const RECT* rect, UINT count, const HWND* kids) {
    std::vector<HWND> children = kids ? std::vector<HWND>(kids, kids + count) : Children(client, true);
    if (how & MDITILE_SKIPDISABLED)
        children.erase(std::remove_if(children.begin(), children.end(), [](HWND h) { return !IsWindowEnabled(h); }),
                       children.end());
    if (children.empty()) return 0;
    RECT area;
    if (rect) area = *rect;
    else GetClientRect(client, &area), area.bottom -= IconAreaHeight(client);
    const int n = int(children.size());
    // Up to three children share the area in one direction; more make a grid.
    int columns = n <= 3 ? ((how & MDITILE_HORIZONTAL) ? 1 : n) : int(std::ceil(std::sqrt(double(n))));
    const int rows = (n + columns - 1) / columns;
    const int width = (area.right - area.left) / columns, height = (area.bottom - area.top) / rows;
    for (int i = 0; i < n; ++i) {
        const int column = (how & MDITILE_HORIZONTAL) && n <= 3 ? 0 : i % columns;
        const int row = (how & MDITILE_HORIZONTAL) && n <= 3 ? i : i / columns;
        SetWindowPos(children[std::size_t(i)], 0, area.left + column * width, area.top + row * height, width, height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return WORD(n);
}

HWND CreateMDIWindow(const char* className, const char* title, DWORD style, int x, int y, int width, int height,
                     HWND client, HINSTANCE instance, LPARAM param) {
    MDICREATESTRUCT mcs;
    mcs.szClass = className;
    mcs.szTitle = title;
    mcs.hOwner = instance;
    mcs.x = x, mcs.y = y, mcs.cx = width, mcs.cy = height;
    mcs.style = style;
    mcs.lParam = param;
    return HWND(SendMessage(client, WM_MDICREATE, 0, LPARAM(&mcs)));
}

LRESULT DefFrameProc(HWND frame, HWND client, UINT message, WPARAM wParam, LPARAM lParam) {
    ClientData* data = DataOf(client);
    switch (message) {
    case WM_COMMAND:
        if (data) {
            const UINT id = LOWORD(wParam);
            if (id >= 0xF000 && data->active) {
                SendMessage(data->active, WM_SYSCOMMAND, id, lParam);
                return 0;
            }
            if (id >= data->firstChild && id < data->firstChild + 0x100) {
                for (HWND child : Children(client))
                    if (UINT(GetDlgCtrlID(child)) == id) {
                        if (IsIconic(child)) SendMessage(child, WM_SYSCOMMAND, SC_RESTORE, 0);
                        Activate(client, child);
                    }
                return 0;
            }
        }
        break;
    case WM_SIZE:
        if (client) {
            RECT r;
            GetClientRect(frame, &r);
            MoveWindow(client, 0, 0, r.right, r.bottom, TRUE);
        }
        return 0;
    case WM_SETFOCUS:
        if (client) SetFocus(data && data->active ? data->active : client);
        return 0;
    case WM_NCACTIVATE:
        if (data && data->active) SendMessage(data->active, WM_NCACTIVATE, wParam, lParam);
        break;
    case WM_SETTEXT:
        if (data) {
            data->frameTitle = lParam ? reinterpret_cast<const char*>(lParam) : "";
            ShowFrameTitle(client);
            return TRUE;
        }
        break;
    default:
        break;
    }
    return DefWindowProc(frame, message, wParam, lParam);
}

LRESULT DefMDIChildProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND client = ClientOf(child);
    switch (message) {
    case WM_SYSCOMMAND:
        if (!client) break;
        switch (wParam & 0xFFF0) {
        case SC_MAXIMIZE:
            if (!(GetWindowLong(child, GWL_STYLE) & WS_MAXIMIZEBOX)) return 0;
            DefWindowProc(child, message, wParam, lParam);
            AddFrameControls(client, child);
            return 0;
        case SC_RESTORE:
        case SC_MINIMIZE:
            if (DataOf(client) && DataOf(client)->maximized == child) RemoveFrameControls(client);
            break;
        case SC_NEXTWINDOW:
        case SC_PREVWINDOW:
            Next(client, child, (wParam & 0xFFF0) == SC_PREVWINDOW);
            return 0;
        default:
            break;
        }
        break;
    case WM_DESTROY:
        // A child destroyed directly takes its buttons out of the frame's bar.
        if (ClientData* data = client ? DataOf(client) : nullptr) {
            if (data->maximized == child) RemoveFrameControls(client);
            if (data->active == child) data->active = 0;
        }
        break;
    case WM_CLOSE:
        if (client) {
            SendMessage(client, WM_MDIDESTROY, WPARAM(child), 0);
            return 0;
        }
        break;
    case WM_GETMINMAXINFO:
        if (auto* info = reinterpret_cast<MINMAXINFO*>(lParam); info && client) {
            DefWindowProc(child, message, wParam, lParam);
            RECT area;
            GetClientRect(client, &area);
            AdjustWindowRectEx(&area, GetWindowLong(child, GWL_STYLE) & ~(WS_VSCROLL | WS_HSCROLL), FALSE,
                               GetWindowLong(child, GWL_EXSTYLE));
            info->ptMaxPosition = {area.left, area.top};
            info->ptMaxSize = {area.right - area.left, area.bottom - area.top};
            return 0;
        }
        break;
    case WM_PARENTNOTIFY:
        if (LOWORD(wParam) != WM_LBUTTONDOWN && LOWORD(wParam) != WM_RBUTTONDOWN) break;
        [[fallthrough]];
    case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_CHILDACTIVATE:
    case WM_SETFOCUS:
        // A press anywhere on a child, or the focus arriving, activates it first.
        if (client && DataOf(client) && DataOf(client)->active != child) Activate(client, child);
        if (message == WM_CHILDACTIVATE) return 0;
        break;
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProc(child, message, wParam, lParam);
        if (client && DataOf(client) && DataOf(client)->maximized == child) ShowFrameTitle(client);
        return result;
    }
    default:
        break;
    }
    return DefWindowProc(child, message, wParam, lParam);
}
