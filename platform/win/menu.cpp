// Menu objects and the menu API: creation and destruction, items and their
// information, checks and states, the menu bar of a window and its system
// menu.
#include <algorithm>

#include "platform/rtl/codepage.h"
#include "platform/rtl/programlong.h"
#include "platform/win/menu_internal.h"

namespace ws {
namespace {

HandleTable<Menu>& Menus() {
    static ProgramLong<HandleTable<Menu>> table(HandleKind::Menu);
    return *table;
}

HMENU NewMenu(bool popup) {
    auto menu = std::make_unique<Menu>();
    menu->popup = popup;
    Menu* raw = menu.get();
    raw->handle = Menus().Add(std::move(menu));
    return raw->handle;
}

// The classic MF_ flags translated to an item's type and state.
void ApplyFlags(MenuItem& item, UINT flags, UINT_PTR idOrSubmenu, const char* text) {
    item.type = flags & (MFT_MENUBARBREAK | MFT_MENUBREAK | MFT_RIGHTJUSTIFY);
    item.state = flags & (MFS_GRAYED | MFS_CHECKED | MFS_DEFAULT | MFS_HILITE);
    item.submenu = 0;
    item.bitmap = 0;
    item.text.clear();
    // An item that opens a submenu is known by the submenu's handle, in
    // the owner-draw records too.
    item.id = UINT(idOrSubmenu);
    if (flags & MF_POPUP) item.submenu = HMENU(idOrSubmenu);
    if (flags & MF_SEPARATOR) {
        // An owner-drawn separator is measured and drawn by its owner.
        item.type |= MFT_SEPARATOR | (flags & MF_OWNERDRAW);
    } else if (flags & MF_OWNERDRAW) {
        item.type |= MFT_OWNERDRAW;
        item.data = ULONG_PTR(text);
    } else if (flags & MF_BITMAP) {
        item.type |= MFT_BITMAP;
        item.bitmap = HBITMAP(reinterpret_cast<std::uintptr_t>(text));
    } else if (text) {
        item.text = text;
    }
}

void ApplyInfo(MenuItem& item, const MENUITEMINFO& info) {
    if (info.fMask & MIIM_TYPE) {
        item.type = info.fType;
        item.text.clear();
        item.bitmap = 0;
        if (info.fType & MFT_BITMAP) item.bitmap = HBITMAP(reinterpret_cast<std::uintptr_t>(info.dwTypeData));
        else if (!(info.fType & (MFT_SEPARATOR | MFT_OWNERDRAW)) && info.dwTypeData) item.text = info.dwTypeData;
    }
    if (info.fMask & MIIM_FTYPE) item.type = (item.type & MFT_BITMAP) | (info.fType & ~MFT_BITMAP);
    if ((info.fMask & MIIM_STRING)) item.text = info.dwTypeData ? info.dwTypeData : "";
    if (info.fMask & MIIM_BITMAP) item.bitmap = info.hbmpItem;
    if (info.fMask & MIIM_STATE) item.state = info.fState;
    if (info.fMask & MIIM_ID) item.id = info.wID;
    if (info.fMask & MIIM_SUBMENU) item.submenu = info.hSubMenu;
    if (info.fMask & MIIM_CHECKMARKS) item.checked = info.hbmpChecked, item.unchecked = info.hbmpUnchecked;
    if (info.fMask & MIIM_DATA) item.data = info.dwItemData;
}

// Text and bitmap changes of a bar item reach the screen at the next DrawMenuBar.
bool Insert(HMENU menu, UINT position, bool byPosition, MenuItem item) {
    Menu* m = FindMenu(menu);
    if (!m) return false;
    std::size_t at = m->items.size();
    if (byPosition) {
        if (position < m->items.size()) at = position;
    } else if (position != UINT(-1)) {
        int found = -1;
        Menu* holder = nullptr;
        if (FindItem(menu, position, MF_BYCOMMAND, &holder, &found) && holder == m) at = std::size_t(found);
    }
    m->items.insert(m->items.begin() + std::ptrdiff_t(at), std::move(item));
    return true;
}

bool Remove(HMENU menu, UINT item, UINT flags, bool destroySubmenu) {
    Menu* holder = nullptr;
    int position = -1;
    MenuItem* found = FindItem(menu, item, flags, &holder, &position);
    if (!found) return false;
    const HMENU submenu = found->submenu;
    holder->items.erase(holder->items.begin() + position);
    if (destroySubmenu && submenu) DestroyMenu(submenu);
    return true;
}

AnsiString SystemText(WPARAM command) {
    switch (command) {
    case SC_RESTORE: return "还原(&R)";
    case SC_MOVE: return "移动(&M)";
    case SC_SIZE: return "大小(&S)";
    case SC_MINIMIZE: return "最小化(&N)";
    case SC_MAXIMIZE: return "最大化(&X)";
    default: return "关闭(&C)\tAlt+F4";
    }
}

HMENU NewSystemMenu(HWND window) {
    const HMENU menu = CreatePopupMenu();
    for (WPARAM command : {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE})
        AppendMenu(menu, MF_STRING, command, SystemText(command).c_str());
    AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenu(menu, MF_STRING, SC_CLOSE, SystemText(SC_CLOSE).c_str());
    SetMenuDefaultItem(menu, UINT(SC_CLOSE), FALSE);
    FindMenu(menu)->systemOwner = window;
    return menu;
}

void Redraw(HWND window) {
    SetWindowPos(window, 0, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// The item's mnemonic character ("&x"), lower-cased; 0 for none.
char MnemonicOf(const MenuItem& item) {
    const AnsiString& t = item.text;
    for (std::size_t i = 0; i + 1 < t.size(); i += AnsiCharSize(t, i)) {
        if (t[i] != '&') continue;
        if (t[i + 1] == '&') {
            ++i;
            continue;
        }
        return LowerAscii(t[i + 1]);
    }
    return 0;
}

}  // namespace

Menu* FindMenu(HMENU menu) { return KindOfHandle(menu) == HandleKind::Menu ? Menus().Find(menu) : nullptr; }

MenuItem* FindItem(HMENU menu, UINT item, UINT flags, Menu** holder, int* position) {
    Menu* m = FindMenu(menu);
    if (!m) return nullptr;
    if (flags & MF_BYPOSITION) {
        if (item >= m->items.size()) return nullptr;
        if (holder) *holder = m;
        if (position) *position = int(item);
        return &m->items[item];
    }
    for (std::size_t i = 0; i < m->items.size(); ++i) {
        MenuItem& it = m->items[i];
        if (it.submenu) {
            if (MenuItem* inner = FindItem(it.submenu, item, flags, holder, position)) return inner;
            if (it.id != item) continue;
        } else if (it.id != item) {
            continue;
        }
        if (holder) *holder = m;
        if (position) *position = int(i);
        return &it;
    }
    return nullptr;
}

bool IsSpecialBitmap(HBITMAP bitmap) { return bitmap >= HBMMENU_SYSTEM && bitmap <= HBMMENU_POPUP_MINIMIZE; }

bool Selectable(const MenuItem& item) { return !(item.type & MFT_SEPARATOR); }

int ItemWithMnemonic(const Menu& menu, char key) {
    const char wanted = LowerAscii(key);
    for (std::size_t i = 0; i < menu.items.size(); ++i)
        if (MnemonicOf(menu.items[i]) == wanted) return int(i);
    return -1;
}

void UpdateSystemMenu(HWND window, HMENU menu) {
    Window* w = Find(window);
    if (!w) return;
    const bool zoomed = w->style & WS_MAXIMIZE, iconic = w->style & WS_MINIMIZE;
    auto enable = [&](WPARAM command, bool on) { EnableMenuItem(menu, UINT(command), on ? MF_ENABLED : MF_GRAYED); };
    enable(SC_RESTORE, zoomed || iconic);
    enable(SC_MOVE, !zoomed);
    enable(SC_SIZE, (w->style & WS_THICKFRAME) && !zoomed && !iconic);
    enable(SC_MINIMIZE, (w->style & WS_MINIMIZEBOX) && !iconic);
    enable(SC_MAXIMIZE, (w->style & WS_MAXIMIZEBOX) && !zoomed);
}

}  // namespace ws

using namespace ws;

HMENU CreateMenu() { return NewMenu(false); }
HMENU CreatePopupMenu() { return NewMenu(true); }

BOOL DestroyMenu(HMENU menu) {
    Menu* m = FindMenu(menu);
    if (!m) return FALSE;
    const auto items = m->items;
    Menus().Remove(menu);
    for (const MenuItem& item : items)
        if (item.submenu) DestroyMenu(item.submenu);
    return TRUE;
}

BOOL IsMenu(HMENU menu) { return FindMenu(menu) != nullptr; }

BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idOrSubmenu, const char* text) {
    MenuItem item;
    ApplyFlags(item, flags, idOrSubmenu, text);
    return Insert(menu, UINT(-1), true, std::move(item)) ? TRUE : FALSE;
}

BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idOrSubmenu, const char* text) {
    MenuItem item;
    ApplyFlags(item, flags, idOrSubmenu, text);
    if (!(flags & MF_BYPOSITION) && position == UINT(-1)) return Insert(menu, UINT(-1), true, std::move(item));
    return Insert(menu, position, flags & MF_BYPOSITION, std::move(item));
}

BOOL ModifyMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idOrSubmenu, const char* text) {
    MenuItem* item = FindItem(menu, position, flags);
    if (!item) return FALSE;
    const HMENU oldSubmenu = item->submenu;
    ApplyFlags(*item, flags, idOrSubmenu, text);
    if (oldSubmenu && oldSubmenu != item->submenu) DestroyMenu(oldSubmenu);
    return TRUE;
}

BOOL RemoveMenu(HMENU menu, UINT item, UINT flags) { return Remove(menu, item, flags, false); }
BOOL DeleteMenu(HMENU menu, UINT item, UINT flags) { return Remove(menu, item, flags, true); }

BOOL InsertMenuItem(HMENU menu, UINT position, BOOL byPosition, const MENUITEMINFO* info) {
    if (!info) return FALSE;
    MenuItem item;
    ApplyInfo(item, *info);
    return Insert(menu, position, byPosition, std::move(item));
}

BOOL GetMenuItemInfo(HMENU menu, UINT position, BOOL byPosition, MENUITEMINFO* info) {
    const MenuItem* item = info ? FindItem(menu, position, byPosition ? MF_BYPOSITION : MF_BYCOMMAND) : nullptr;
    if (!item) return FALSE;
    if (info->fMask & (MIIM_TYPE | MIIM_FTYPE)) info->fType = item->type;
    if (info->fMask & (MIIM_TYPE | MIIM_STRING)) {
        if (item->type & MFT_BITMAP && (info->fMask & MIIM_TYPE)) {
            info->dwTypeData = reinterpret_cast<char*>(std::uintptr_t(item->bitmap));
        } else if (info->dwTypeData && info->cch > 0) {
            info->cch = UINT(CopyTextToBuffer(item->text, info->dwTypeData, info->cch));
        } else {
            info->cch = UINT(item->text.size());
        }
    }
    if (info->fMask & MIIM_BITMAP) info->hbmpItem = item->bitmap;
    if (info->fMask & MIIM_STATE) info->fState = item->state;
    if (info->fMask & MIIM_ID) info->wID = item->id;
    if (info->fMask & MIIM_SUBMENU) info->hSubMenu = item->submenu;
    if (info->fMask & MIIM_CHECKMARKS) info->hbmpChecked = item->checked, info->hbmpUnchecked = item->unchecked;
    if (info->fMask & MIIM_DATA) info->dwItemData = item->data;
    return TRUE;
}

BOOL SetMenuItemInfo(HMENU menu, UINT position, BOOL byPosition, const MENUITEMINFO* info) {
    MenuItem* item = info ? FindItem(menu, position, byPosition ? MF_BYPOSITION : MF_BYCOMMAND) : nullptr;
    if (!item) return FALSE;
    ApplyInfo(*item, *info);
    return TRUE;
}

int GetMenuItemCount(HMENU menu) {
    const Menu* m = FindMenu(menu);
    return m ? int(m->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
    const Menu* m = FindMenu(menu);
    if (!m || position < 0 || std::size_t(position) >= m->items.size()) return UINT(-1);
    const MenuItem& item = m->items[std::size_t(position)];
    return item.submenu ? UINT(-1) : item.id;
}

int GetMenuString(HMENU menu, UINT position, char* buffer, int count, UINT flags) {
    const MenuItem* item = FindItem(menu, position, flags);
    if (!item) return 0;
    if (!buffer || count <= 0) return int(item->text.size());
    return int(CopyTextToBuffer(item->text, buffer, std::size_t(count)));
}

UINT GetMenuState(HMENU menu, UINT position, UINT flags) {
    const MenuItem* item = FindItem(menu, position, flags);
    if (!item) return UINT(-1);
    UINT state = (item->state & (MFS_GRAYED | MFS_CHECKED | MFS_HILITE | MFS_DEFAULT)) |
                 (item->type & (MFT_SEPARATOR | MFT_OWNERDRAW | MFT_BITMAP | MFT_MENUBREAK | MFT_MENUBARBREAK));
    if (item->submenu) state = (state & 0xFF) | MF_POPUP | (UINT(GetMenuItemCount(item->submenu)) << 8);
    return state;
}

HMENU GetSubMenu(HMENU menu, int position) {
    const Menu* m = FindMenu(menu);
    if (!m || position < 0 || std::size_t(position) >= m->items.size()) return 0;
    return m->items[std::size_t(position)].submenu;
}

DWORD CheckMenuItem(HMENU menu, UINT position, UINT flags) {
    MenuItem* item = FindItem(menu, position, flags);
    if (!item) return DWORD(-1);
    const DWORD old = item->state & MFS_CHECKED;
    item->state = (item->state & ~MFS_CHECKED) | (flags & MF_CHECKED);
    return old;
}

BOOL EnableMenuItem(HMENU menu, UINT position, UINT flags) {
    MenuItem* item = FindItem(menu, position, flags);
    if (!item) return BOOL(-1);
    const BOOL old = BOOL(item->state & MFS_GRAYED);
    item->state = (item->state & ~MFS_GRAYED) | (flags & (MF_GRAYED | MF_DISABLED));
    return old;
}

BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags) {
    bool found = false;
    const bool byPosition = flags & MF_BYPOSITION;
    Menu* m = nullptr;
    int firstPosition = -1;
    if (!FindItem(menu, first, flags, &m, &firstPosition)) return FALSE;
    for (std::size_t i = std::size_t(firstPosition); i < m->items.size(); ++i) {
        MenuItem& item = m->items[i];
        const UINT key = byPosition ? UINT(i) : item.id;
        const bool on = key == check;
        item.state = (item.state & ~MFS_CHECKED) | (on ? MFS_CHECKED : 0);
        if (on) item.type |= MFT_RADIOCHECK, found = true;
        if (key == last) break;
    }
    return found;
}

UINT GetMenuDefaultItem(HMENU menu, UINT byPosition, UINT) {
    const Menu* m = FindMenu(menu);
    if (!m) return UINT(-1);
    for (std::size_t i = 0; i < m->items.size(); ++i)
        if (m->items[i].state & MFS_DEFAULT) return byPosition ? UINT(i) : m->items[i].id;
    return UINT(-1);
}

BOOL SetMenuDefaultItem(HMENU menu, UINT position, UINT byPosition) {
    Menu* m = FindMenu(menu);
    if (!m) return FALSE;
    bool found = position == UINT(-1);
    for (std::size_t i = 0; i < m->items.size(); ++i) {
        const bool on = byPosition ? UINT(i) == position : m->items[i].id == position;
        found = found || on;
        m->items[i].state = (m->items[i].state & ~MFS_DEFAULT) | (on ? MFS_DEFAULT : 0);
    }
    return found;
}

BOOL HiliteMenuItem(HWND window, HMENU menu, UINT position, UINT flags) {
    MenuItem* item = FindItem(menu, position, flags);
    if (!item) return FALSE;
    item->state = (item->state & ~MFS_HILITE) | (flags & MF_HILITE);
    if (GetMenu(window) == menu) DrawMenuBar(window);
    return TRUE;
}

HMENU GetMenu(HWND window) {
    Window* w = Find(window);
    if (!w) return 0;
    if (w->IsChild()) return HMENU(w->id);
    return w->frame ? w->frame->menu : 0;
}

BOOL SetMenu(HWND window, HMENU menu) {
    Window* w = Find(window);
    if (!w || w->IsChild() || (menu && !IsMenu(menu))) return FALSE;
    FrameOf(*w).menu = menu;
    Redraw(window);
    return TRUE;
}

BOOL DrawMenuBar(HWND window) {
    Window* w = Find(window);
    if (!w || w->IsChild()) return FALSE;
    Redraw(window);
    return TRUE;
}

HMENU GetSystemMenu(HWND window, BOOL revert) {
    Window* w = Find(window);
    if (!w) return 0;
    FrameState& frame = FrameOf(*w);
    if (revert) {
        if (frame.systemMenu) DestroyMenu(frame.systemMenu);
        frame.systemMenu = 0;
        return 0;
    }
    if (!frame.systemMenu) frame.systemMenu = NewSystemMenu(window);
    return frame.systemMenu;
}

BOOL GetMenuItemRect(HWND window, HMENU menu, UINT position, RECT* rect) {
    Menu* m = FindMenu(menu);
    if (!m || !rect || position >= m->items.size()) return FALSE;
    *rect = m->items[position].rect;
    POINT origin{0, 0};
    if (m->shownIn) {
        ClientToScreen(m->shownIn, &origin);
    } else {
        Window* w = Find(window);
        if (!w || GetMenu(window) != menu) return FALSE;
        LayoutFrame(*w);  // lays the bar out
        *rect = m->items[position].rect;
        origin = ScreenOrigin(*w);
    }
    OffsetRect(rect, origin.x, origin.y);
    return TRUE;
}

int MenuItemFromPoint(HWND window, HMENU menu, POINT screen) {
    Menu* m = FindMenu(menu);
    if (!m) return -1;
    POINT p = screen;
    if (m->shownIn) {
        ScreenToClient(m->shownIn, &p);
    } else {
        Window* w = Find(window);
        if (!w || GetMenu(window) != menu) return -1;
        LayoutFrame(*w);
        const POINT origin = ScreenOrigin(*w);
        p = {screen.x - origin.x, screen.y - origin.y};
    }
    return ItemAt(*m, p);
}
