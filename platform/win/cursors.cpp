// Cursors: the system cursors by IDC_ value, the program's own (registered
// or embedded .cur resources), the current cursor, its display count and confinement. The Qt
// side shows the current cursor on the surface under the mouse.
#include <map>
#include <vector>

#include "platform/rtl/programlong.h"
#include "platform/gdi/bmpfile.h"
#include "platform/win/resources.h"
#include "platform/win/surfacehost.h"
#include "platform/win/userinput.h"
#include "platform/win/window_internal.h"

namespace {

struct Cursor {
    Cursor() = default;
    Cursor(const Cursor&) = delete;
    Cursor& operator=(const Cursor&) = delete;
    std::uintptr_t systemId = 0;
    HBITMAP color = 0;
    HBITMAP mask = 0;
    POINT hotSpot;
    ~Cursor() {
        if (color) DeleteObject(color);
        if (mask) DeleteObject(mask);
    }
};

struct Cursors {
    HandleTable<Cursor> table{HandleKind::Cursor};
    std::map<std::uintptr_t, HCURSOR> system;
    std::map<std::string, HCURSOR> named;
    HCURSOR current = 0;
    int displayCount = 0;
    bool clipped = false;
    RECT clip;
};

Cursors& TheCursors() {
    static ProgramLong<Cursors> cursors;
    return *cursors;
}

bool IsKnownSystemCursor(std::uintptr_t id) {
    return (id >= IDC_ARROW && id <= IDC_UPARROW) || (id >= IDC_SIZE && id <= IDC_SIZEALL) ||
           (id >= IDC_NO && id <= IDC_HELP);
}

std::string UpperName(const char* name) {
    std::string key(name);
    for (char& ch : key)
        if (ch >= 'a' && ch <= 'z') ch = char(ch - 'a' + 'A');
    return key;
}

// A .cur file is laid out as an icon file whose directory holds the hot
// spot where an icon keeps its planes and bit count.
HCURSOR FromResource(const char* name) {
    const EmbeddedResource* resource = FindEmbeddedResource("CURSOR", name);
    if (!resource || resource->size < 22 || resource->data[2] != 2) return 0;
    std::vector<unsigned char> asIcon(resource->data, resource->data + resource->size);
    asIcon[2] = 1;
    auto cursor = std::make_unique<Cursor>();
    cursor->hotSpot = {asIcon[10] | (asIcon[11] << 8), asIcon[12] | (asIcon[13] << 8)};
    if (!ReadIco(asIcon.data(), asIcon.size(), &cursor->color, &cursor->mask)) return 0;
    return TheCursors().table.Add(std::move(cursor));
}

}  // namespace

HCURSOR LoadCursor(HINSTANCE instance, const char* name) {
    auto& c = TheCursors();
    const auto id = reinterpret_cast<std::uintptr_t>(name);
    if (id < 0x10000 && !instance) {
        if (!IsKnownSystemCursor(id)) return 0;
        auto it = c.system.find(id);
        if (it != c.system.end()) return it->second;
        auto system = std::make_unique<Cursor>();
        system->systemId = id;
        const HCURSOR cursor = c.table.Add(std::move(system));
        c.system[id] = cursor;
        return cursor;
    }
    // A numbered cursor of the program is found as "#<number>".
    const std::string key = id < 0x10000 ? "#" + std::to_string(id) : UpperName(name);
    if (auto it = c.named.find(key); it != c.named.end()) return it->second;
    const HCURSOR loaded = FromResource(name);
    if (loaded) c.named[key] = loaded;
    return loaded;
}

void RegisterCursor(const char* name, HCURSOR cursor) {
    if (name) TheCursors().named[UpperName(name)] = cursor;
}

bool ws::CursorImage(HCURSOR cursor, HBITMAP* color, HBITMAP* mask, POINT* hotSpot) {
    Cursor* c = TheCursors().table.Find(cursor);
    if (!c || !c->color) return false;
    *color = c->color;
    *mask = c->mask;
    *hotSpot = c->hotSpot;
    return true;
}

BOOL DestroyCursor(HCURSOR cursor) {
    Cursor* c = TheCursors().table.Find(cursor);
    // System cursors are shared and stay.
    if (!c || c->systemId) return c ? TRUE : FALSE;
    TheCursors().table.Remove(cursor);
    return TRUE;
}

HCURSOR SetCursor(HCURSOR cursor) {
    auto& c = TheCursors();
    const HCURSOR old = c.current;
    c.current = cursor;
    if (old != cursor) ws::CursorChanged();
    return old;
}

HCURSOR GetCursor() { return TheCursors().current; }

std::uintptr_t SystemCursorId(HCURSOR cursor) {
    Cursor* c = TheCursors().table.Find(cursor);
    return c ? c->systemId : 0;
}

int ShowCursor(BOOL show) {
    auto& c = TheCursors();
    c.displayCount += show ? 1 : -1;
    ws::CursorChanged();
    return c.displayCount;
}

bool ws::CursorShown() { return TheCursors().displayCount >= 0; }

BOOL ClipCursor(const RECT* rect) {
    auto& c = TheCursors();
    c.clipped = rect != nullptr;
    if (rect) c.clip = *rect;
    return TRUE;
}

BOOL GetClipCursor(RECT* rect) {
    if (!rect) return FALSE;
    auto& c = TheCursors();
    if (c.clipped) *rect = c.clip;
    else ws::ScreenBounds(rect);
    return TRUE;
}

POINT ws::ClipToCursorRect(POINT p) {
    auto& c = TheCursors();
    if (!c.clipped) return p;
    p.x = std::max(c.clip.left, std::min(p.x, c.clip.right - 1));
    p.y = std::max(c.clip.top, std::min(p.y, c.clip.bottom - 1));
    return p;
}
