// The menu loop: pop-up menu windows of class "#32768", mouse and keyboard
// navigation through the menu bar and nested pop-ups, mnemonics, submenus
// that open after a delay, the notifications to the owner, the message
// filters (MSGF_MENU), and TrackPopupMenu / EndMenu.
#include <algorithm>

#include "platform/win/menu_internal.h"
#include "platform/win/surfacehost.h"
#include "platform/win/userinput.h"
#include "platform/win/winpaint.h"

namespace ws {
namespace {

constexpr UINT_PTR submenuTimer = 0xFFF1;
constexpr UINT submenuDelay = 400;
constexpr UINT MN_GETHMENU = 0x01E1;
constexpr int menuSlot = 0, ownerSlot = int(sizeof(LONG_PTR));
constexpr WORD MNC_CLOSE = 1, MNC_EXECUTE = 2, MNC_SELECT = 3;
constexpr DWORD popupExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_DLGMODALFRAME;

LRESULT PopupMenuProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        const HDC dc = BeginPaint(handle, &ps);
        if (Menu* m = FindMenu(HMENU(GetWindowLongPtr(handle, menuSlot)))) {
            const HWND owner = HWND(GetWindowLongPtr(handle, ownerSlot));
            for (std::size_t i = 0; i < m->items.size(); ++i) DrawItem(dc, owner, *m, int(i), false);
        }
        EndPaint(handle, &ps);
        return 0;
    }
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(handle, &r);
        FillRect(HDC(wParam), &r, GetSysColorBrush(COLOR_MENU));
        return 1;
    }
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case MN_GETHMENU:
        return GetWindowLongPtr(handle, menuSlot);
    case WM_PRINT: {
        // The items, at the client area's place in the window image.
        const HDC dc = HDC(wParam);
        RECT window;
        GetWindowRect(handle, &window);
        POINT client{0, 0};
        ClientToScreen(handle, &client);
        POINT previous;
        OffsetViewportOrgEx(dc, client.x - window.left, client.y - window.top, &previous);
        if (Menu* m = FindMenu(HMENU(GetWindowLongPtr(handle, menuSlot)))) {
            const HWND owner = HWND(GetWindowLongPtr(handle, ownerSlot));
            for (std::size_t i = 0; i < m->items.size(); ++i) DrawItem(dc, owner, *m, int(i), false);
        }
        SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
        return 0;
    }
    default:
        return DefWindowProc(handle, message, wParam, lParam);
    }
}

const ATOM popupMenuClass = [] {
    WNDCLASS wc;
    wc.style = CS_SAVEBITS | CS_DBLCLKS | CS_GLOBALCLASS;
    wc.lpfnWndProc = &PopupMenuProc;
    wc.cbWndExtra = 2 * int(sizeof(LONG_PTR));
    wc.lpszClassName = "#32768";
    return RegisterClass(&wc);
}();

class MenuTracker;
MenuTracker* running = nullptr;

class MenuTracker {
public:
    explicit MenuTracker(const MenuLoopStart& start) : start_(start), barMode_(start.bar != 0) {}

    UINT Run() {
        const HWND owner = start_.owner;
        running = this;
        SendMessage(owner, WM_ENTERMENULOOP, barMode_ ? FALSE : TRUE, 0);
        SetCapture(owner);
        if (barMode_) {
            levels_.push_back({start_.bar, 0});
            if (Notify()) SendMessage(owner, WM_INITMENU, WPARAM(start_.bar), 0);
            if (start_.barItem >= 0) {
                Select(0, start_.barItem);
                if (start_.openBarItem) Enter(0, start_.selectFirst);
            }
        } else {
            if (Notify()) SendMessage(owner, WM_INITMENU, WPARAM(start_.popup), 0);
            OpenPopup(start_.popup, 0, start_.at, start_.flags, nullptr);
            if (start_.selectFirst) Step(0, +1);
        }
        Loop();
        Finish();
        running = nullptr;
        // A press outside the menus ends them and then reaches its window.
        if (outsidePress_.message) PostMessage(outsidePress_.hwnd, outsidePress_.message, outsidePress_.wParam,
                                               outsidePress_.lParam);
        return chosen_;
    }

    void RequestEnd() { done_ = true; }

private:
    struct Level {
        HMENU menu;
        HWND window;  // 0 for the menu bar
    };

    bool Notify() const { return !(start_.flags & TPM_NONOTIFY); }
    // The message filters see every selection notice (the closing one
    // included), the owner only when the menu notifies.
    void SendMenuSelect(WPARAM wParam, LPARAM lParam) {
        MSG notice{};
        notice.hwnd = Owner();
        notice.message = WM_MENUSELECT;
        notice.wParam = wParam;
        notice.lParam = lParam;
        GetCursorPos(&notice.pt);
        if (CallMsgFilter(&notice, MSGF_MENU)) return;
        if (Notify() && IsWindow(Owner())) SendMessage(Owner(), WM_MENUSELECT, wParam, lParam);
    }
    HWND Owner() const { return start_.owner; }
    Menu* MenuAt(std::size_t level) const { return level < levels_.size() ? FindMenu(levels_[level].menu) : nullptr; }
    bool IsBar(std::size_t level) const { return barMode_ && level == 0; }

    int Selected(std::size_t level) const {
        const Menu* m = MenuAt(level);
        if (!m) return -1;
        for (std::size_t i = 0; i < m->items.size(); ++i)
            if (m->items[i].state & MFS_HILITE) return int(i);
        return -1;
    }

    void RedrawItem(std::size_t level, int index) {
        Menu* m = MenuAt(level);
        if (!m || index < 0) return;
        const HWND window = IsBar(level) ? Owner() : levels_[level].window;
        const HDC dc = IsBar(level) ? GetWindowDC(window) : GetDC(window);
        if (!dc) return;
        DrawItem(dc, Owner(), *m, index, IsBar(level));
        ReleaseDC(window, dc);
    }

    void Select(std::size_t level, int index, bool byMouse = false) {
        CloseFrom(level + 1);
        Menu* m = MenuAt(level);
        if (!m) return;
        const int old = Selected(level);
        if (old == index) return;
        if (old >= 0) {
            m->items[std::size_t(old)].state &= ~MFS_HILITE;
            RedrawItem(level, old);
        }
        if (index < 0 || std::size_t(index) >= m->items.size()) return;
        m->items[std::size_t(index)].state |= MFS_HILITE;
        RedrawItem(level, index);
        ReportSelected(level, byMouse);
    }

    // Sends the selection notice for the item selected on a level.
    void ReportSelected(std::size_t level, bool byMouse = false) {
        Menu* m = MenuAt(level);
        const int index = Selected(level);
        if (!m || index < 0) return;
        const MenuItem& item = m->items[std::size_t(index)];
        UINT flags = MF_HILITE | (item.state & (MF_GRAYED | MF_CHECKED | MF_DEFAULT)) |
                     (item.type & (MF_OWNERDRAW | MF_SEPARATOR | MF_BITMAP));
        if (item.submenu) flags |= MF_POPUP;
        if (m->systemOwner) flags |= MF_SYSMENU;
        if (byMouse) flags |= MF_MOUSESELECT;
        const int idOrPosition = item.submenu ? index : int(item.id);
        SendMenuSelect(MAKEWPARAM(idOrPosition, int(flags)), LPARAM(m->handle));
    }

    void OpenPopup(HMENU menu, int indexInParent, POINT at, UINT align, const RECT* beside) {
        Menu* m = FindMenu(menu);
        if (!m) return;
        if (m->systemOwner) UpdateSystemMenu(m->systemOwner, menu);
        if (Notify())
            SendMessage(Owner(), WM_INITMENUPOPUP, WPARAM(menu), MAKELPARAM(indexInParent, m->systemOwner ? 1 : 0));
        if ((m = FindMenu(menu)) == nullptr) return;
        for (MenuItem& item : m->items) item.state &= ~MFS_HILITE;
        const SIZE client = LayoutPopup(Owner(), *m);
        RECT frame = Rect(0, 0, client.cx, client.cy);
        AdjustWindowRectEx(&frame, WS_POPUP, FALSE, popupExStyle);
        const int width = frame.right - frame.left, height = frame.bottom - frame.top;
        int x = at.x, y = at.y;
        if (align & TPM_RIGHTALIGN) x -= width;
        else if (align & TPM_CENTERALIGN) x -= width / 2;
        if (align & TPM_BOTTOMALIGN) y -= height;
        else if (align & TPM_VCENTERALIGN) y -= height / 2;
        RECT screen;
        ScreenBounds(&screen);
        if (x + width > screen.right) x = beside ? beside->left - width : screen.right - width;
        if (y + height > screen.bottom) y = screen.bottom - height;
        x = std::max<int>(x, screen.left), y = std::max<int>(y, screen.top);
        const HWND window = CreateWindowEx(popupExStyle, "#32768", "", WS_POPUP, x, y, width, height, Owner(), 0, 0,
                                           nullptr);
        if (!window) return;
        SetWindowLongPtr(window, menuSlot, LONG_PTR(menu));
        SetWindowLongPtr(window, ownerSlot, LONG_PTR(Owner()));
        m->shownIn = window;
        levels_.push_back({menu, window});
        ShowWindow(window, SW_SHOWNOACTIVATE);
        UpdateWindow(window);
    }

    // Opens the submenu of the selected item of `level`; answers whether it did.
    bool OpenSubmenu(std::size_t level, bool selectFirst) {
        Menu* m = MenuAt(level);
        const int index = Selected(level);
        if (!m || index < 0) return false;
        const MenuItem item = m->items[std::size_t(index)];
        if (!item.submenu || (item.state & MFS_GRAYED)) return false;
        if (level + 1 < levels_.size() && levels_[level + 1].menu == item.submenu) return true;
        CloseFrom(level + 1);
        RECT beside;
        POINT at;
        if (IsBar(level)) {
            Window* w = Find(Owner());
            if (!w) return false;
            const POINT origin = ScreenOrigin(*w);
            beside = item.rect;
            OffsetRect(&beside, origin.x, origin.y);
            at = {beside.left, beside.bottom};
        } else {
            GetWindowRect(levels_[level].window, &beside);
            POINT top{0, item.rect.top};
            ClientToScreen(levels_[level].window, &top);
            const int frame = GetSystemMetrics(SM_CXFIXEDFRAME);
            at = {beside.right - frame, top.y - frame};
        }
        OpenPopup(item.submenu, index, at, 0, IsBar(level) ? nullptr : &beside);
        RedrawItem(level, index);
        if (selectFirst) Step(levels_.size() - 1, +1);
        return true;
    }

    void CloseFrom(std::size_t level) {
        KillTimer(Owner(), submenuTimer);
        while (levels_.size() > level && !levels_.empty()) {
            const Level closing = levels_.back();
            levels_.pop_back();
            if (Menu* m = FindMenu(closing.menu)) {
                for (MenuItem& item : m->items) item.state &= ~MFS_HILITE;
                m->shownIn = 0;
                if (closing.window && Notify())
                    SendMessage(Owner(), WM_UNINITMENUPOPUP, WPARAM(closing.menu), MAKELPARAM(0, m->systemOwner ? MF_SYSMENU : 0));
            }
            if (closing.window) DestroyWindow(closing.window);
            if (!levels_.empty()) RedrawItem(levels_.size() - 1, Selected(levels_.size() - 1));
        }
    }

    // Moves the selection of a level to the next item that can be selected.
    void Step(std::size_t level, int delta) {
        Menu* m = MenuAt(level);
        if (!m || m->items.empty()) return;
        const int count = int(m->items.size());
        int index = Selected(level);
        for (int tries = 0; tries < count; ++tries) {
            index = index < 0 ? (delta > 0 ? 0 : count - 1) : (index + delta + count) % count;
            if (Selectable(m->items[std::size_t(index)])) {
                Select(level, index);
                return;
            }
        }
    }

    void Execute(std::size_t level, int index) {
        Menu* m = MenuAt(level);
        if (!m || index < 0 || std::size_t(index) >= m->items.size()) return;
        const MenuItem& item = m->items[std::size_t(index)];
        if (!Selectable(item) || (item.state & MFS_GRAYED)) return;
        if (item.submenu) {
            OpenSubmenu(level, true);
            return;
        }
        chosen_ = item.id;
        chosenSystemOwner_ = m->systemOwner;
        done_ = true;
    }

    // Opens the selected item's submenu or carries the item out.
    void Enter(std::size_t level, bool selectFirst) {
        Menu* m = MenuAt(level);
        const int index = Selected(level);
        if (!m || index < 0) return;
        if (m->items[std::size_t(index)].submenu) OpenSubmenu(level, selectFirst);
        else Execute(level, index);
    }

    // Selects or carries out the item of the deepest level whose mnemonic is `c`.
    void Mnemonic(char c) {
        const std::size_t level = levels_.size() - 1;
        Menu* m = MenuAt(level);
        if (!m) return;
        if (const int item = ItemWithMnemonic(*m, c); item >= 0) {
            Select(level, item);
            Enter(level, true);
            return;
        }
        const UINT flags = (IsBar(level) ? 0 : MF_POPUP) | (m->systemOwner ? MF_SYSMENU : 0);
        const LRESULT answer = SendMessage(Owner(), WM_MENUCHAR, MAKEWPARAM(BYTE(c), int(flags)), LPARAM(m->handle));
        switch (HIWORD(answer)) {
        case MNC_EXECUTE:
            Select(level, LOWORD(answer));
            Enter(level, true);
            return;
        case MNC_SELECT:
            Select(level, LOWORD(answer));
            return;
        case MNC_CLOSE:
            done_ = true;
            return;
        default:
            MessageBeep(0);
        }
    }

    // A sub-menu closed from the keyboard: the item that opened it is the
    // selection again, and is reported as such.
    void CloseSubmenu(std::size_t level) {
        CloseFrom(level);
        if (level > 0) ReportSelected(level - 1);
    }

    void MoveInBar(int delta) {
        const bool wasOpen = levels_.size() > 1;
        CloseFrom(1);
        Step(0, delta);
        if (wasOpen) OpenSubmenu(0, true);
    }

    void Key(WPARAM key) {
        const std::size_t deepest = levels_.size() - 1;
        const bool inBar = IsBar(deepest);
        switch (key) {
        case VK_ESCAPE:
            if (levels_.size() > 1) CloseSubmenu(deepest);
            else done_ = true;
            return;
        case VK_MENU:
        case VK_F10:
            done_ = true;
            return;
        case VK_UP:
        case VK_DOWN:
            if (inBar) OpenSubmenu(0, true);
            else Step(deepest, key == VK_DOWN ? 1 : -1);
            return;
        case VK_LEFT:
            if (!inBar && deepest > (barMode_ ? 1u : 0u)) CloseSubmenu(deepest);
            else if (barMode_) MoveInBar(-1);
            return;
        case VK_RIGHT: {
            Menu* m = MenuAt(deepest);
            const int index = Selected(deepest);
            if (!inBar && m && index >= 0 && m->items[std::size_t(index)].submenu) OpenSubmenu(deepest, true);
            else if (barMode_) MoveInBar(+1);
            return;
        }
        case VK_RETURN: {
            // Enter on a greyed item closes the menu without a command.
            Menu* m = MenuAt(deepest);
            const int index = Selected(deepest);
            if (!inBar && m && index >= 0 && (m->items[std::size_t(index)].state & MFS_GRAYED)) done_ = true;
            else Enter(deepest, true);
            return;
        }
        default:
            return;
        }
    }

    // Which level and item lie under a screen point (level -1: no menu).
    std::pair<int, int> Locate(POINT screen) const {
        for (int level = int(levels_.size()) - 1; level >= 0; --level) {
            const Menu* m = MenuAt(std::size_t(level));
            if (!m) continue;
            if (IsBar(std::size_t(level))) {
                Window* w = Find(Owner());
                if (!w) continue;
                const POINT origin = ScreenOrigin(*w);
                const int index = ItemAt(*m, POINT{screen.x - origin.x, screen.y - origin.y});
                if (index >= 0) return {level, index};
                continue;
            }
            RECT r;
            GetWindowRect(levels_[std::size_t(level)].window, &r);
            if (!PtInRect(&r, screen)) continue;
            POINT p = screen;
            ScreenToClient(levels_[std::size_t(level)].window, &p);
            return {level, ItemAt(*m, p)};
        }
        return {-1, -1};
    }

    void MouseMove(POINT screen) {
        const auto [level, index] = Locate(screen);
        if (level < 0 || index < 0) return;
        const std::size_t l = std::size_t(level);
        if (Selected(l) == index) return;
        if (IsBar(l)) {
            // Moving along the bar with a pop-up open opens the other item's pop-up.
            if (levels_.size() <= 1) return;
            Select(0, index, true);
            OpenSubmenu(0, false);
            return;
        }
        Select(l, index, true);
        if (MenuAt(l)->items[std::size_t(index)].submenu) {
            pendingLevel_ = l;
            SetTimer(Owner(), submenuTimer, submenuDelay);
        }
    }

    // Answers true for a press outside every menu (it ends them).
    bool ButtonDown(POINT screen) {
        const auto [level, index] = Locate(screen);
        if (level < 0) {
            done_ = true;
            return true;
        }
        if (index < 0) return false;
        const std::size_t l = std::size_t(level);
        if (IsBar(l)) {
            if (Selected(0) == index && levels_.size() > 1) {
                done_ = true;
                return false;
            }
            Select(0, index, true);
            OpenSubmenu(0, false);
            return false;
        }
        Select(l, index, true);
        return false;
    }

    void ButtonUp(POINT screen) {
        const auto [level, index] = Locate(screen);
        if (level < 0 || index < 0) return;
        const std::size_t l = std::size_t(level);
        if (IsBar(l)) {
            if (!MenuAt(0)->items[std::size_t(index)].submenu && Selected(0) == index) Execute(0, index);
            return;
        }
        if (pressHeld_ && screen.x == pressPoint_.x && screen.y == pressPoint_.y) return;
        Select(l, index, true);
        Enter(l, false);
    }

    void Loop() {
        // Until a press inside the loop, a release is that of the press that
        // opened the menu: where it was pressed, it chooses no pop-up item.
        pressHeld_ = true;
        const DWORD pressedAt = GetMessagePos();
        pressPoint_ = POINT{GET_X_LPARAM(pressedAt), GET_Y_LPARAM(pressedAt)};
        MSG msg;
        while (!done_ && !levels_.empty()) {
            if (!GetMessage(&msg, 0, 0, 0)) {
                PostQuitMessage(int(msg.wParam));
                break;
            }
            if (CallMsgFilter(&msg, MSGF_MENU)) continue;
            switch (msg.message) {
            case WM_MOUSEMOVE:
            case WM_NCMOUSEMOVE:
                MouseMove(msg.pt);
                break;
            case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK:
            case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: case WM_NCRBUTTONDOWN:
                pressHeld_ = false;
                // A non-client press carries its own screen point.
                if (ButtonDown(msg.message >= WM_NCMOUSEMOVE && msg.message <= WM_NCMBUTTONDBLCLK
                                   ? POINT{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)}
                                   : msg.pt))
                    outsidePress_ = msg;
                break;
            case WM_LBUTTONUP:
            case WM_NCLBUTTONUP:
                ButtonUp(msg.pt);
                pressHeld_ = false;
                break;
            case WM_RBUTTONUP:
                if (start_.flags & TPM_RIGHTBUTTON) ButtonUp(msg.pt);
                break;
            case WM_KEYDOWN:
            case WM_SYSKEYDOWN:
                TranslateMessage(&msg);
                Key(msg.wParam);
                break;
            case WM_CHAR:
            case WM_SYSCHAR:
                Mnemonic(char(msg.wParam));
                break;
            case WM_KEYUP:
            case WM_SYSKEYUP:
                break;
            case WM_TIMER:
                if (msg.hwnd == Owner() && msg.wParam == submenuTimer) {
                    KillTimer(Owner(), submenuTimer);
                    if (pendingLevel_ < levels_.size()) OpenSubmenu(pendingLevel_, false);
                    break;
                }
                DispatchMessage(&msg);
                break;
            default:
                DispatchMessage(&msg);
            }
            if (GetCapture() != Owner() || !IsWindow(Owner())) break;
        }
    }

    void Finish() {
        const HWND owner = Owner();
        CloseFrom(barMode_ ? 1 : 0);
        if (barMode_) {
            const int selected = Selected(0);
            if (Menu* bar = MenuAt(0); bar && selected >= 0) bar->items[std::size_t(selected)].state &= ~MFS_HILITE;
            RedrawItem(0, selected);
            levels_.clear();
        }
        if (GetCapture() == owner) ReleaseCapture();
        if (!IsWindow(owner)) return;
        SendMenuSelect(MAKEWPARAM(0, 0xFFFF), 0);
        SendMessage(owner, WM_EXITMENULOOP, barMode_ ? FALSE : TRUE, 0);
        if (!chosen_ || (start_.flags & TPM_RETURNCMD)) return;
        POINT cursor;
        GetCursorPos(&cursor);
        if (chosenSystemOwner_) PostMessage(chosenSystemOwner_, WM_SYSCOMMAND, chosen_, MAKELPARAM(cursor.x, cursor.y));
        else PostMessage(owner, WM_COMMAND, MAKEWPARAM(int(chosen_), 0), 0);
    }

    MenuLoopStart start_;
    bool barMode_;
    std::vector<Level> levels_;
    bool done_ = false;
    MSG outsidePress_{};
    bool pressHeld_ = false;
    POINT pressPoint_{};
    UINT chosen_ = 0;
    HWND chosenSystemOwner_ = 0;
    std::size_t pendingLevel_ = SIZE_MAX;
};

// Where a window's system menu drops down: below its caption icon.
POINT SystemMenuPoint(const Window& w) {
    const FrameLayout f = LayoutFrame(w);
    const POINT origin = ScreenOrigin(w);
    return {origin.x + f.caption.left, origin.y + f.caption.bottom + 1};
}

void TrackSystemMenu(HWND window, bool byKey) {
    Window* w = Find(window);
    if (!w || !(w->style & WS_SYSMENU)) return;
    MenuLoopStart start;
    start.owner = window;
    start.popup = GetSystemMenu(window, FALSE);
    start.at = SystemMenuPoint(*w);
    start.selectFirst = byKey;
    RunMenuLoop(start);
}

}  // namespace

UINT RunMenuLoop(const MenuLoopStart& start) {
    // One menu loop at a time.
    if (running || !IsWindow(start.owner)) return 0;
    return MenuTracker(start).Run();
}

void TrackMenuBarByMouse(HWND window, POINT screen) {
    Window* w = Find(window);
    if (!w) return;
    const FrameLayout f = LayoutFrame(*w);
    const POINT origin = ScreenOrigin(*w);
    const POINT p{screen.x - origin.x, screen.y - origin.y};
    if (PtInRect(&f.systemIcon, p)) {
        TrackSystemMenu(window, false);
        return;
    }
    const HMENU bar = w->frame ? w->frame->menu : 0;
    Menu* m = FindMenu(bar);
    if (!m || w->IsChild()) return;
    const int index = ItemAt(*m, p);
    if (index < 0) return;
    MenuLoopStart start;
    start.owner = window;
    start.bar = bar;
    start.barItem = index;
    start.openBarItem = m->items[std::size_t(index)].submenu != 0;
    RunMenuLoop(start);
}

void TrackMenuBarByKey(HWND window, int key) {
    Window* w = Find(window);
    if (!w) return;
    const HMENU bar = !w->IsChild() && w->frame ? w->frame->menu : 0;
    Menu* m = FindMenu(bar);
    if (key == ' ' || (!m && key == 0)) {
        TrackSystemMenu(window, true);
        return;
    }
    if (!m || m->items.empty()) return;
    MenuLoopStart start;
    start.owner = window;
    start.bar = bar;
    if (key == 0) {
        start.barItem = 0;
        RunMenuLoop(start);
        return;
    }
    const int item = ItemWithMnemonic(*m, char(key));
    if (item < 0) {
        MessageBeep(0);
        return;
    }
    start.barItem = item;
    start.openBarItem = true;
    start.selectFirst = true;
    RunMenuLoop(start);
}

}  // namespace ws

using namespace ws;

BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, const TPMPARAMS*) {
    if (!FindMenu(menu) || !IsWindow(owner)) return FALSE;
    MenuLoopStart start;
    start.owner = owner;
    start.popup = menu;
    start.at = {x, y};
    start.flags = flags;
    const UINT chosen = RunMenuLoop(start);
    return (flags & TPM_RETURNCMD) ? BOOL(chosen) : TRUE;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    return TrackPopupMenuEx(menu, flags, x, y, owner, nullptr);
}

BOOL EndMenu() {
    if (!running) return FALSE;
    running->RequestEnd();
    PostMessage(0, WM_NULL, 0, 0);
    return TRUE;
}
