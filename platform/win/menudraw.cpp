// Laying out and drawing menu items in the classic style: the menu bar in
// a window's frame and the items of pop-up menus, with checks, radio marks,
// separators, disabled text, submenu arrows, bitmaps and owner drawing.
#include <algorithm>

#include "platform/gdi/measuringdc.h"
#include "platform/win/menu_internal.h"
#include "platform/win/winpaint.h"

namespace ws {
namespace {

int CheckColumn() { return GetSystemMetrics(SM_CXMENUCHECK) + 4; }
int PopupItemHeight() { return GetSystemMetrics(SM_CYMENUCHECK) + 4; }
constexpr int separatorHeight = 9, barPadding = 8, acceleratorGap = 16;

// The item's text before and after the tab (the accelerator).
std::pair<AnsiString, AnsiString> SplitText(const AnsiString& text) {
    const std::size_t tab = text.find('\t');
    if (tab == AnsiString::npos) return {text, AnsiString()};
    return {text.substr(0, tab), text.substr(tab + 1)};
}

int TextWidth(HDC dc, const AnsiString& text, HFONT font) {
    if (text.empty()) return 0;
    const HGDIOBJ old = SelectObject(dc, font);
    RECT r{};
    DrawText(dc, text.c_str(), int(text.size()), &r, DT_SINGLELINE | DT_CALCRECT);
    SelectObject(dc, old);
    return r.right - r.left;
}

SIZE BitmapSize(HBITMAP bitmap) {
    if (IsSpecialBitmap(bitmap)) return {GetSystemMetrics(SM_CXMENUSIZE) - 1, GetSystemMetrics(SM_CYMENUSIZE) - 4};
    BITMAP info{};
    if (!bitmap || !GetObject(bitmap, sizeof(info), &info)) return {0, 0};
    return {info.bmWidth, info.bmHeight};
}

SIZE MeasureOwnerDrawn(HWND owner, const MenuItem& item, int defaultHeight) {
    MEASUREITEMSTRUCT mis;
    mis.CtlType = ODT_MENU;
    mis.itemID = item.id;
    mis.itemHeight = UINT(defaultHeight);
    mis.itemData = item.data;
    SendMessage(owner, WM_MEASUREITEM, 0, LPARAM(&mis));
    return {LONG(mis.itemWidth), LONG(mis.itemHeight)};
}

SIZE MeasurePopupItem(HDC dc, HWND owner, const MenuItem& item, int* acceleratorWidth) {
    if (item.type & MFT_OWNERDRAW) {
        const SIZE s = MeasureOwnerDrawn(owner, item, PopupItemHeight());
        return {s.cx + CheckColumn(), s.cy};
    }
    if (item.type & MFT_SEPARATOR) return {0, separatorHeight};
    const auto [label, accelerator] = SplitText(item.text);
    const HFONT font = (item.state & MFS_DEFAULT) ? MenuFont(true) : MenuFont();
    int width = CheckColumn() + TextWidth(dc, label, font) + CheckColumn();
    int height = PopupItemHeight();
    if (item.bitmap) {
        const SIZE b = BitmapSize(item.bitmap);
        width += b.cx + 2;
        height = std::max<int>(height, b.cy + 2);
    }
    *acceleratorWidth = TextWidth(dc, accelerator, font);
    return {width, height};
}

SIZE MeasureBarItem(HDC dc, HWND owner, const MenuItem& item) {
    const int height = GetSystemMetrics(SM_CYMENU);
    // The owner measures its content; the bar keeps the same margins around
    // it as around a text item.
    if (item.type & MFT_OWNERDRAW) return {MeasureOwnerDrawn(owner, item, height).cx + 2 * barPadding, height};
    if (item.bitmap) return {BitmapSize(item.bitmap).cx + 2, height};
    return {TextWidth(dc, item.text, MenuFont()) + 2 * barPadding, height};
}

void FillColor(HDC dc, const RECT& r, int color) { FillRect(dc, &r, GetSysColorBrush(color)); }

// Text in the classic look: raised grey when disabled, the given colour otherwise.
void DrawLabel(HDC dc, const AnsiString& text, RECT r, UINT format, bool disabled, bool selected, int color) {
    if (text.empty()) return;
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    if (disabled && !selected) {
        RECT raised = r;
        OffsetRect(&raised, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        DrawText(dc, text.c_str(), int(text.size()), &raised, format);
        SetTextColor(dc, GetSysColor(COLOR_3DSHADOW));
    } else {
        SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : color));
    }
    DrawText(dc, text.c_str(), int(text.size()), &r, format);
    SetBkMode(dc, oldMode);
}

void DrawBitmapAt(HDC dc, HBITMAP bitmap, int x, int y) {
    const SIZE size = BitmapSize(bitmap);
    const HDC mem = CreateCompatibleDC(0);
    const HGDIOBJ old = SelectObject(mem, bitmap);
    BitBlt(dc, x, y, size.cx, size.cy, mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
}

// The images of an MDI menu bar: the child's icon and its caption buttons.
void DrawSpecialBitmap(HDC dc, const MenuItem& item, const RECT& r, bool pressed) {
    if (item.bitmap == HBMMENU_SYSTEM) {
        const HWND child = HWND(item.data);
        HICON icon = HICON(GetClassLongPtr(child, GCLP_HICONSM));
        if (!icon) icon = HICON(GetClassLongPtr(child, GCLP_HICON));
        const int size = GetSystemMetrics(SM_CXSMICON);
        if (icon)
            DrawIconEx(dc, r.left + (r.right - r.left - size) / 2, r.top + (r.bottom - r.top - size) / 2, icon, size,
                       size, 0, 0, DI_NORMAL);
        return;
    }
    const SIZE s = BitmapSize(item.bitmap);
    RECT button = Bounds(r.left + (r.right - r.left - s.cx) / 2, r.top + (r.bottom - r.top - s.cy) / 2, s.cx, s.cy);
    UINT kind = DFCS_CAPTIONCLOSE;
    if (item.bitmap == HBMMENU_MBAR_RESTORE || item.bitmap == HBMMENU_POPUP_RESTORE) kind = DFCS_CAPTIONRESTORE;
    if (item.bitmap == HBMMENU_MBAR_MINIMIZE || item.bitmap == HBMMENU_MBAR_MINIMIZE_D ||
        item.bitmap == HBMMENU_POPUP_MINIMIZE)
        kind = DFCS_CAPTIONMIN;
    if (item.bitmap == HBMMENU_POPUP_MAXIMIZE) kind = DFCS_CAPTIONMAX;
    if (pressed) kind |= DFCS_PUSHED;
    if (item.bitmap == HBMMENU_MBAR_CLOSE_D || item.bitmap == HBMMENU_MBAR_MINIMIZE_D) kind |= DFCS_INACTIVE;
    DrawFrameControl(dc, &button, DFC_CAPTION, kind);
}

bool SendDrawItem(HDC dc, HWND owner, const Menu& menu, const MenuItem& item, bool selected) {
    if (!(item.type & MFT_OWNERDRAW)) return false;
    DRAWITEMSTRUCT dis;
    dis.CtlType = ODT_MENU;
    dis.itemID = item.id;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = (selected ? ODS_SELECTED : 0) | ((item.state & MFS_GRAYED) ? ODS_GRAYED | ODS_DISABLED : 0) |
                    ((item.state & MFS_CHECKED) ? ODS_CHECKED : 0) | ((item.state & MFS_DEFAULT) ? ODS_DEFAULT : 0);
    dis.hwndItem = HWND(menu.handle);
    dis.hDC = dc;
    dis.rcItem = item.rect;
    dis.itemData = item.data;
    SendMessage(owner, WM_DRAWITEM, 0, LPARAM(&dis));
    return true;
}

void DrawBarItem(HDC dc, HWND owner, Menu& menu, const MenuItem& item) {
    const bool selected = item.state & MFS_HILITE;
    if (SendDrawItem(dc, owner, menu, item, selected)) return;
    RECT r = item.rect;
    FillColor(dc, r, COLOR_MENU);
    const Menu* submenu = FindMenu(item.submenu);
    const bool dropped = selected && submenu && submenu->shownIn;
    if (IsSpecialBitmap(item.bitmap)) {
        DrawSpecialBitmap(dc, item, r, selected);
        return;
    }
    if (item.bitmap) {
        const SIZE s = BitmapSize(item.bitmap);
        DrawBitmapAt(dc, item.bitmap, r.left + 1, r.top + (r.bottom - r.top - s.cy) / 2);
        return;
    }
    if (selected) {
        RECT edge = r;
        DrawEdge(dc, &edge, dropped ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
        if (dropped) OffsetRect(&r, 1, 1);
    }
    const HGDIOBJ oldFont = SelectObject(dc, MenuFont());
    DrawLabel(dc, item.text, r, DT_SINGLELINE | DT_VCENTER | DT_CENTER, item.state & MFS_GRAYED, false, COLOR_MENUTEXT);
    SelectObject(dc, oldFont);
}

void DrawPopupItem(HDC dc, HWND owner, Menu& menu, const MenuItem& item) {
    const RECT& r = item.rect;
    if ((item.type & MFT_SEPARATOR) && SendDrawItem(dc, owner, menu, item, false)) return;
    if (item.type & MFT_SEPARATOR) {
        FillColor(dc, r, COLOR_MENU);
        RECT line = Rect(r.left + 1, r.top + (r.bottom - r.top) / 2 - 1, r.right - 1, r.top + (r.bottom - r.top) / 2 + 1);
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    const bool selected = item.state & MFS_HILITE;
    if (SendDrawItem(dc, owner, menu, item, selected)) return;
    const bool disabled = item.state & MFS_GRAYED;
    FillColor(dc, r, selected ? COLOR_HIGHLIGHT : COLOR_MENU);
    const COLORREF glyphColor = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : disabled ? COLOR_GRAYTEXT : COLOR_MENUTEXT);
    const RECT check = Rect(r.left, r.top, r.left + CheckColumn(), r.bottom);
    const HBITMAP mark = (item.state & MFS_CHECKED) ? item.checked : item.unchecked;
    if (mark) {
        const SIZE s = BitmapSize(mark);
        DrawBitmapAt(dc, mark, check.left + (CheckColumn() - s.cx) / 2, check.top + (r.bottom - r.top - s.cy) / 2);
    } else if (item.state & MFS_CHECKED) {
        DrawMenuGlyph(dc, check, (item.type & MFT_RADIOCHECK) ? DFCS_MENUBULLET : DFCS_MENUCHECK, glyphColor);
    }
    int textLeft = check.right;
    if (item.bitmap) {
        const SIZE s = BitmapSize(item.bitmap);
        const RECT box = Bounds(textLeft, r.top + (r.bottom - r.top - s.cy) / 2, s.cx, s.cy);
        if (IsSpecialBitmap(item.bitmap)) DrawSpecialBitmap(dc, item, box, false);
        else DrawBitmapAt(dc, item.bitmap, box.left, box.top);
        textLeft += s.cx + 2;
    }
    const auto [label, accelerator] = SplitText(item.text);
    const HGDIOBJ oldFont = SelectObject(dc, (item.state & MFS_DEFAULT) ? MenuFont(true) : MenuFont());
    const int color = selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT;
    RECT text = Rect(textLeft, r.top, r.right - CheckColumn(), r.bottom);
    DrawLabel(dc, label, text, DT_SINGLELINE | DT_VCENTER | DT_LEFT, disabled, selected, color);
    DrawLabel(dc, accelerator, text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT, disabled, selected, color);
    SelectObject(dc, oldFont);
    if (item.submenu)
        DrawMenuGlyph(dc, Rect(r.right - CheckColumn(), r.top, r.right, r.bottom), DFCS_MENUARROW, glyphColor);
}

}  // namespace

void DrawMenuGlyph(HDC dc, const RECT& rect, UINT glyph, COLORREF color) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return;
    // The frame control draws a black glyph on white; the raster operation
    // puts the brush where it is black and leaves the rest of the item.
    const HDC mem = CreateCompatibleDC(0);
    const HBITMAP mask = CreateBitmap(width, height, 1, 32, nullptr);
    const HGDIOBJ oldMask = SelectObject(mem, mask);
    RECT box = Rect(0, 0, width, height);
    DrawFrameControl(mem, &box, DFC_MENU, glyph);
    const HBRUSH brush = CreateSolidBrush(color);
    const HGDIOBJ oldBrush = SelectObject(dc, brush);
    constexpr DWORD brushWhereBlack = 0x00B8074A;
    BitBlt(dc, rect.left, rect.top, width, height, mem, 0, 0, brushWhereBlack);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
    SelectObject(mem, oldMask);
    DeleteObject(mask);
    DeleteDC(mem);
}

SIZE LayoutPopup(HWND owner, Menu& menu) {
    const MeasuringDC measure(MenuFont());
    std::vector<SIZE> sizes;
    int width = 0, accelerators = 0;
    for (const MenuItem& item : menu.items) {
        int accelerator = 0;
        sizes.push_back(MeasurePopupItem(measure.dc(), owner, item, &accelerator));
        width = std::max<int>(width, sizes.back().cx);
        accelerators = std::max(accelerators, accelerator);
    }
    if (accelerators) width += acceleratorGap + accelerators;
    int y = 0;
    for (std::size_t i = 0; i < menu.items.size(); ++i) {
        menu.items[i].rect = Rect(0, y, width, y + sizes[i].cy);
        y += sizes[i].cy;
    }
    return {width, y};
}

int LayoutBar(HWND owner, Menu& menu, const RECT& bar) {
    const MeasuringDC measure(MenuFont());
    const int rowHeight = GetSystemMetrics(SM_CYMENU);
    int x = bar.left, y = bar.top;
    std::size_t rowStart = 0, justifyFrom = SIZE_MAX;
    // Items from the first right-justified one of a row move to its right end.
    auto finishRow = [&](std::size_t end) {
        if (justifyFrom >= end || justifyFrom < rowStart) return;
        const int shift = bar.right - menu.items[end - 1].rect.right;
        for (std::size_t i = justifyFrom; i < end; ++i) OffsetRect(&menu.items[i].rect, std::max(0, shift), 0);
    };
    for (std::size_t i = 0; i < menu.items.size(); ++i) {
        MenuItem& item = menu.items[i];
        const SIZE s = MeasureBarItem(measure.dc(), owner, item);
        if ((x + s.cx > bar.right && x > bar.left) || (item.type & (MFT_MENUBREAK | MFT_MENUBARBREAK))) {
            finishRow(i);
            x = bar.left;
            y += rowHeight;
            rowStart = i;
        }
        if ((item.type & MFT_RIGHTJUSTIFY) && (justifyFrom == SIZE_MAX || justifyFrom < rowStart)) justifyFrom = i;
        item.rect = Rect(x, y, x + s.cx, y + rowHeight);
        x += s.cx;
    }
    finishRow(menu.items.size());
    return y + rowHeight - bar.top;
}

void DrawItem(HDC dc, HWND owner, Menu& menu, int index, bool bar) {
    if (index < 0 || std::size_t(index) >= menu.items.size()) return;
    MenuItem& item = menu.items[std::size_t(index)];
    if (bar) DrawBarItem(dc, owner, menu, item);
    else DrawPopupItem(dc, owner, menu, item);
}

int ItemAt(const Menu& menu, POINT point) {
    for (std::size_t i = 0; i < menu.items.size(); ++i)
        if (PtInRect(&menu.items[i].rect, point)) return int(i);
    return -1;
}

int MenuBarHeight(HWND window, HMENU menu, POINT origin, int width) {
    Menu* m = FindMenu(menu);
    if (!m) return 0;
    return LayoutBar(window, *m, Rect(origin.x, origin.y, origin.x + width, origin.y));
}

void PaintMenuBar(HDC dc, HWND window, HMENU menu, const RECT& bar) {
    Menu* m = FindMenu(menu);
    if (!m) return;
    FillColor(dc, bar, COLOR_MENU);
    LayoutBar(window, *m, bar);
    for (std::size_t i = 0; i < m->items.size(); ++i) DrawItem(dc, window, *m, int(i), true);
}

}  // namespace ws
