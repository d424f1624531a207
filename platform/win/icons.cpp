// Icons: a colour bitmap and a monochrome AND mask behind an icon handle,
// drawn the platform's way (mask with AND, colour with XOR).
#include <memory>

#include "platform/rtl/programlong.h"
#include "platform/gdi/bmpfile.h"
#include "platform/gdi/handles.h"
#include "platform/win/resources.h"
#include "platform/win/userdraw.h"
#include "platform/win/window_internal.h"

namespace {

struct Icon {
    ICONINFO info;  // the icon's own bitmaps
    ~Icon() {
        if (info.hbmMask) DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
    }
};

HandleTable<Icon>& icons() {
    static ProgramLong<HandleTable<Icon>> table(HandleKind::Icon);
    return *table;
}

// A copy of the bitmap stretched to width x height (0 keeps that side).
HBITMAP CopyBitmap(HBITMAP source, int width = 0, int height = 0) {
    BITMAP bm;
    if (!source || !GetObject(source, sizeof bm, &bm)) return 0;
    if (width <= 0) width = bm.bmWidth;
    if (height <= 0) height = bm.bmHeight;
    HBITMAP copy = CreateBitmap(width, height, 1, bm.bmBitsPixel == 1 ? 1 : 32, nullptr);
    HDC from = CreateCompatibleDC(0), to = CreateCompatibleDC(0);
    HGDIOBJ oldFrom = SelectObject(from, source), oldTo = SelectObject(to, copy);
    if (width == bm.bmWidth && height == bm.bmHeight)
        BitBlt(to, 0, 0, width, height, from, 0, 0, SRCCOPY);
    else
        StretchBlt(to, 0, 0, width, height, from, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
    SelectObject(from, oldFrom);
    SelectObject(to, oldTo);
    DeleteDC(from);
    DeleteDC(to);
    return copy;
}

}  // namespace

HICON CreateIconIndirect(const ICONINFO* info) {
    if (!info || !info->hbmMask) return 0;
    auto icon = std::make_unique<Icon>();
    icon->info = *info;
    icon->info.hbmMask = CopyBitmap(info->hbmMask);
    icon->info.hbmColor = CopyBitmap(info->hbmColor);
    if (!icon->info.hbmMask) return 0;
    return icons().Add(std::move(icon));
}

BOOL GetIconInfo(HICON h, ICONINFO* info) {
    Icon* icon = icons().Find(h);
    if (!icon || !info) return FALSE;
    *info = icon->info;
    info->hbmMask = CopyBitmap(icon->info.hbmMask);
    info->hbmColor = CopyBitmap(icon->info.hbmColor);
    return TRUE;
}

BOOL DestroyIcon(HICON h) { return icons().Remove(h) != nullptr; }

HICON CopyIcon(HICON h) {
    Icon* icon = icons().Find(h);
    return icon ? CreateIconIndirect(&icon->info) : 0;
}

BOOL DrawIconEx(HDC dc, int x, int y, HICON h, int width, int height, UINT, HBRUSH flicker, UINT flags) {
    Icon* icon = icons().Find(h);
    if (!icon) return FALSE;
    BITMAP bm;
    GetObject(icon->info.hbmMask, sizeof bm, &bm);
    // A monochrome icon keeps its AND mask over its XOR image in one bitmap.
    int iconHeight = icon->info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
    if (width == 0) width = (flags & DI_DEFAULTSIZE) ? GetSystemMetrics(SM_CXICON) : bm.bmWidth;
    if (height == 0) height = (flags & DI_DEFAULTSIZE) ? GetSystemMetrics(SM_CYICON) : iconHeight;
    HDC target = dc;
    HDC buffer = 0;
    HBITMAP bufferBitmap = 0;
    HGDIOBJ oldBuffer = 0;
    if (flicker) {
        buffer = CreateCompatibleDC(dc);
        bufferBitmap = CreateBitmap(width, height, 1, 32, nullptr);
        oldBuffer = SelectObject(buffer, bufferBitmap);
        RECT all{0, 0, width, height};
        FillRect(buffer, &all, flicker);
        target = buffer;
    }
    int tx = flicker ? 0 : x, ty = flicker ? 0 : y;
    COLORREF text = SetTextColor(target, RGB(0, 0, 0)), back = SetBkColor(target, RGB(255, 255, 255));
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, icon->info.hbmMask);
    if (flags & DI_MASK) StretchBlt(target, tx, ty, width, height, source, 0, 0, bm.bmWidth, iconHeight, SRCAND);
    if (flags & DI_IMAGE) {
        DWORD rop = (flags & DI_MASK) ? SRCINVERT : SRCCOPY;
        if (icon->info.hbmColor) {
            BITMAP color;
            GetObject(icon->info.hbmColor, sizeof color, &color);
            SelectObject(source, icon->info.hbmColor);
            StretchBlt(target, tx, ty, width, height, source, 0, 0, color.bmWidth, color.bmHeight, rop);
        } else {
            StretchBlt(target, tx, ty, width, height, source, 0, iconHeight, bm.bmWidth, iconHeight, rop);
        }
    }
    SelectObject(source, old);
    DeleteDC(source);
    SetTextColor(target, text);
    SetBkColor(target, back);
    if (flicker) {
        BitBlt(dc, x, y, width, height, buffer, 0, 0, SRCCOPY);
        SelectObject(buffer, oldBuffer);
        DeleteObject(bufferBitmap);
        DeleteDC(buffer);
    }
    return TRUE;
}

HANDLE CopyImage(HANDLE image, UINT type, int cx, int cy, UINT flags) {
    HANDLE copy = 0;
    if (type == IMAGE_BITMAP) {
        copy = CopyBitmap(image, cx, cy);
    } else if (type == IMAGE_ICON) {
        Icon* icon = icons().Find(image);
        if (!icon) return 0;
        ICONINFO info = icon->info;
        // A monochrome icon's mask holds its AND and XOR halves.
        const int maskHeight = cy > 0 && !info.hbmColor ? cy * 2 : cy;
        info.hbmMask = CopyBitmap(icon->info.hbmMask, cx, maskHeight);
        info.hbmColor = CopyBitmap(icon->info.hbmColor, cx, cy);
        copy = CreateIconIndirect(&info);
        DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
    }
    if (copy && (flags & LR_COPYDELETEORG)) type == IMAGE_ICON ? DestroyIcon(image) : DeleteObject(image);
    return copy;
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon) { return DrawIconEx(dc, x, y, icon, 0, 0, 0, 0, DI_NORMAL | DI_DEFAULTSIZE); }

HICON LoadIcon(HINSTANCE instance, const char* name) {
    if (instance == 0) {
        const auto id = reinterpret_cast<std::uintptr_t>(name);
        return id <= 0xFFFF ? ws::SystemIcon(id) : 0;
    }
    const EmbeddedResource* resource = FindEmbeddedResource("ICON", name);
    HBITMAP color = 0, mask = 0;
    if (!resource || !ReadIco(resource->data, resource->size, &color, &mask)) return 0;
    ICONINFO info;
    info.hbmColor = color;
    info.hbmMask = mask;
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(color);
    DeleteObject(mask);
    return icon;
}
