// Shared routines of the docking-toolbar library.
#include "report/ui/qm_tbqycmn.h"

#include <algorithm>

#include "platform/ui/controls.h"
#include "platform/ui/forms.h"
#include "platform/ui/graphics.h"
#include "platform/win/msgqueue.h"
#include "platform/win/winpaint.h"
#include "platform/win/userinput.h"

int (*ToolbarDockPositionOf)(TControl* control) = nullptr;

void FlushPaintMessages() {
    MSG msg;
    while (PeekMessage(&msg, 0, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessage(&msg);
}

bool AppIsActive() { return GetForegroundWindow() != 0; }

HWND FindOtherTopWindow(HWND exclude) {
    const HWND application = Application ? Application->Handle() : 0;
    HWND topmost = 0;
    for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == exclude || w == application || !IsWindowVisible(w) || !IsWindowEnabled(w)) continue;
        if (!(GetWindowLongPtr(w, GWL_EXSTYLE) & WS_EX_TOPMOST)) return w;
        if (!topmost) topmost = w;
    }
    return topmost;
}

int FontTextHeight(TFont* font) {
    const HDC dc = GetDC(0);
    const HGDIOBJ old = SelectObject(dc, font->Handle());
    TEXTMETRICA metrics{};
    GetTextMetrics(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(0, dc);
    return metrics.tmHeight;
}

// ---- hook clients ----------------------------------------------------------------------------

namespace {

struct HookClient {
    THookProc proc;
    int references;
    THookCodes codes;
};

// The three thread hooks and what they serve: the sent-message hook the
// activation and position codes, the destruction hook its own, the
// retrieved-message hook the mouse moves.
enum HookKind { kSentHook, kDestroyHook, kRetrievedHook };

struct HookRegistry {
    std::vector<HookClient> clients;
    int uses[3] = {0, 0, 0};
    int observers[3] = {0, 0, 0};
};

HookRegistry& Registry() {
    static HookRegistry registry;
    return registry;
}

HookKind KindOf(THookCode code) {
    return code == hcDestroyWindow ? kDestroyHook : code == hcMouseMove ? kRetrievedHook : kSentHook;
}

void Notify(THookCode code, HWND window, WPARAM wParam, LPARAM lParam) {
    // A copy: a client may add or remove clients.
    const std::vector<HookClient> clients = Registry().clients;
    for (const HookClient& client : clients) {
        if (!client.codes.Contains(code)) continue;
        try {
            client.proc(code, window, wParam, lParam);
        } catch (...) {
            // A client's failure must not reach the window that caused the notice.
        }
    }
}

void Install(HookKind kind) {
    int& observer = Registry().observers[kind];
    if (observer) return;
    switch (kind) {
        case kSentHook:
            observer = AddSentMessageObserver([](const MSG& msg) {
                if (msg.message == WM_ACTIVATEAPP) Notify(hcActivateApp, msg.hwnd, msg.wParam, msg.lParam);
                if (msg.message == WM_WINDOWPOSCHANGED) Notify(hcWindowPosChanged, msg.hwnd, msg.wParam, msg.lParam);
            });
            break;
        case kDestroyHook:
            observer = AddDestructionObserver([](HWND window) { Notify(hcDestroyWindow, window, 0, 0); });
            break;
        case kRetrievedHook:
            observer = AddRetrievedMessageObserver([](MSG& msg) {
                if (msg.message == WM_MOUSEMOVE) Notify(hcMouseMove, msg.hwnd, msg.wParam, msg.lParam);
            });
            break;
    }
}

void Uninstall(HookKind kind) {
    int& observer = Registry().observers[kind];
    if (observer) RemoveObserver(observer);
    observer = 0;
}

// The hooks a set of codes needs, each once.
std::vector<HookKind> KindsOf(THookCodes codes) {
    std::vector<HookKind> kinds;
    for (THookCode code : {hcActivateApp, hcWindowPosChanged, hcDestroyWindow, hcMouseMove})
        if (codes.Contains(code) && std::find(kinds.begin(), kinds.end(), KindOf(code)) == kinds.end())
            kinds.push_back(KindOf(code));
    return kinds;
}

}  // namespace

void AddHookClient(THookProc proc, THookCodes codes, bool noSystemHooks) {
    auto& clients = Registry().clients;
    const auto it = std::find_if(clients.begin(), clients.end(), [proc](const HookClient& c) { return c.proc == proc; });
    if (it != clients.end())
        ++it->references;
    else
        clients.push_back({proc, 1, codes});
    if (noSystemHooks) return;
    for (HookKind kind : KindsOf(codes))
        if (Registry().uses[kind]++ == 0) Install(kind);
}

void RemoveHookClient(THookProc proc) {
    auto& clients = Registry().clients;
    const auto it = std::find_if(clients.begin(), clients.end(), [proc](const HookClient& c) { return c.proc == proc; });
    if (it == clients.end()) return;
    const THookCodes codes = it->codes;
    if (--it->references == 0) clients.erase(it);
    for (HookKind kind : KindsOf(codes))
        if (Registry().uses[kind] > 0 && --Registry().uses[kind] == 0) Uninstall(kind);
}

bool HookInstalled(THookCode code) { return Registry().observers[KindOf(code)] != 0; }

// ---- printing --------------------------------------------------------------------------------

namespace {

// Prints a window at its place: `r` in the printing window's client
// coordinates, the DC's origin moved there and its drawing kept inside.
void PrintAt(HWND window, HDC dc, const RECT& r, LPARAM flags) {
    const int saved = SaveDC(dc);
    POINT origin;
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x + r.left, origin.y + r.top, nullptr);
    IntersectClipRect(dc, 0, 0, r.right - r.left, r.bottom - r.top);
    SendMessage(window, WM_PRINT, WPARAM(dc), flags);
    RestoreDC(dc, saved);
}

}  // namespace

void HandlePrintMessage(HWND window, TMessage& message, const std::function<void(HWND, HDC)>& paintFrame) {
    const HDC dc = HDC(message.WParam);
    const LPARAM flags = message.LParam;
    message.Result = 1;
    if ((flags & PRF_CHECKVISIBLE) && !IsWindowVisible(window)) return;
    const int saved = SaveDC(dc);
    if (flags & PRF_NONCLIENT) {
        const int frame = SaveDC(dc);
        paintFrame(window, dc);
        RestoreDC(dc, frame);
    }
    RECT windowRect;
    GetWindowRect(window, &windowRect);
    POINT client{0, 0};
    ClientToScreen(window, &client);
    const POINT offset{client.x - windowRect.left, client.y - windowRect.top};
    POINT origin;
    GetViewportOrgEx(dc, &origin);
    if (flags & PRF_CLIENT) {
        if (flags & PRF_NONCLIENT) SetViewportOrgEx(dc, origin.x + offset.x, origin.y + offset.y, nullptr);
        if (flags & PRF_ERASEBKGND) SendMessage(window, WM_ERASEBKGND, WPARAM(dc), 0);
        SendMessage(window, WM_PRINTCLIENT, WPARAM(dc), 0);
        SetViewportOrgEx(dc, origin.x + offset.x, origin.y + offset.y, nullptr);
        const auto placeOf = [window](HWND other) {
            RECT r;
            GetWindowRect(other, &r);
            POINT corner{r.left, r.top};
            ScreenToClient(window, &corner);
            return RECT{corner.x, corner.y, corner.x + (r.right - r.left), corner.y + (r.bottom - r.top)};
        };
        // Bottom child first, so those above end on top.
        const HWND top = GetWindow(window, GW_CHILD);
        if (flags & PRF_CHILDREN)
            for (HWND child = top ? GetWindow(top, GW_HWNDLAST) : 0; child; child = GetWindow(child, GW_HWNDPREV))
                if (IsWindowVisible(child) && GetParent(child) == window)
                    PrintAt(child, dc, placeOf(child), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
        if (flags & PRF_OWNED)
            for (HWND owned = GetWindow(GetDesktopWindow(), GW_CHILD); owned; owned = GetWindow(owned, GW_HWNDNEXT))
                if (owned != window && IsWindowVisible(owned) && GetWindow(owned, GW_OWNER) == window)
                    PrintAt(owned, dc, placeOf(owned), flags);
    }
    RestoreDC(dc, saved);
}

void HandlePrintClientMessage(TWinControl* control, TMessage& message) {
    const HDC dc = HDC(message.WParam);
    const int saved = SaveDC(dc);
    control->Perform(WM_PAINT, message.WParam, 0);
    RestoreDC(dc, saved);
}

void SelectFrameUpdateRegion(HWND window, HDC dc, HRGN region) {
    if (region <= 1) return;
    RECT r;
    GetWindowRect(window, &r);
    if (SelectClipRgn(dc, region) == ERROR) {
        const HRGN whole = CreateRectRgnIndirect(&r);
        SelectClipRgn(dc, whole);
        DeleteObject(whole);
    }
    OffsetClipRgn(dc, -r.left, -r.top);
}
