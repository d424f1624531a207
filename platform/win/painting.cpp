// Update regions, WM_PAINT production, window DCs over the top-level's
// backing bitmap, scrolling, window regions and redraw locks.
#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "platform/rtl/programlong.h"
#include "platform/gdi/surfacedc.h"
#include "platform/win/surfacehost.h"
#include "platform/win/window_internal.h"
#include "platform/win/winpaint.h"

namespace ws {
namespace {

struct DCInfo {
    HWND window = 0;
    HWND top = 0;
    RECT area;  // in the top-level's window coordinates
};

struct Painting {
    std::map<HDC, DCInfo> dcs;
    HWND locked = 0;
    // Windows with something to paint; handles grow with creation, so a
    // parent comes before the children made after it.
    std::set<HWND> pending;
};

Painting& ThePainting() {
    static ProgramLong<Painting> painting;
    return *painting;
}

// Keeps the pending set in step with a window's update state.
void NotePending(const Window& w) {
    if (w.update || w.internalPaint || w.framePending) ThePainting().pending.insert(w.handle);
    else ThePainting().pending.erase(w.handle);
}

// The part of a window Redraw works on (client coordinates): a rectangle,
// or a region when one was given.
struct Area {
    RECT box;
    HRGN region = 0;
};

// Small RAII owner for regions made here.
class Region {
public:
    Region() : h_(CreateRectRgn(0, 0, 0, 0)) {}
    explicit Region(const RECT& r) : h_(CreateRectRgnIndirect(&r)) {}
    explicit Region(HRGN copyOf) : h_(CreateRectRgn(0, 0, 0, 0)) { CombineRgn(h_, copyOf, 0, RGN_COPY); }
    explicit Region(const Area& area) : Region(area.box) {
        if (area.region) CombineRgn(h_, area.region, 0, RGN_COPY);
    }
    ~Region() { DeleteObject(h_); }
    Region(const Region&) = delete;
    Region& operator=(const Region&) = delete;
    HRGN get() const { return h_; }
    HRGN release() {
        HRGN h = h_;
        h_ = 0;
        return h;
    }
    int Combine(HRGN other, int mode) { return CombineRgn(h_, h_, other, mode); }
    int Combine(const RECT& r, int mode) {
        Region other(r);
        return Combine(other.get(), mode);
    }
    bool Empty() const {
        RECT box;
        return GetRgnBox(h_, &box) == NULLREGION;
    }
    RECT Box() const {
        RECT box;
        GetRgnBox(h_, &box);
        return box;
    }

private:
    HRGN h_;
};

RECT Offset(RECT r, POINT by) {
    OffsetRect(&r, by.x, by.y);
    return r;
}

POINT Minus(POINT a, POINT b) { return {a.x - b.x, a.y - b.y}; }

// A window's origin (its top-left corner) in its top-level's coordinates.
POINT OriginInTop(const Window& w, const Window& top) { return Minus(ScreenOrigin(w), ScreenOrigin(top)); }

bool Overlaps(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Takes a child window's shape (rectangle and region; `clientOrigin` is
// where its parent's client area lies in the top-level's coordinates) out
// of `into`, when it reaches into `box` at all.
void SubtractShape(Region& into, const RECT& box, const Window& w, POINT clientOrigin) {
    const RECT r = Offset(w.rect, clientOrigin);
    if (!Overlaps(r, box)) return;
    if (!w.region) {
        into.Combine(r, RGN_DIFF);
        return;
    }
    Region shape(w.region);
    OffsetRgn(shape.get(), r.left, r.top);
    shape.Combine(r, RGN_AND);
    into.Combine(shape.get(), RGN_DIFF);
}

const std::vector<Window::ChildBox>& ChildBoxes(Window& parent) {
    if (parent.childBoxesGeneration != LayoutGeneration()) {
        auto& boxes = parent.childBoxes;
        boxes.clear();
        if (parent.childrenShape) DeleteObject(parent.childrenShape);
        parent.childrenShape = 0;
        for (HWND h : parent.children)
            if (const Window* c = Find(h)) {
                bool covered = false;
                for (const auto& above : boxes) covered = covered || (above.visible && Overlaps(above.rect, c->rect));
                boxes.push_back({h, c->rect, (c->style & WS_VISIBLE) != 0, c->region != 0, covered});
            }
        parent.childBoxesGeneration = LayoutGeneration();
    }
    return parent.childBoxes;
}

// The union of rectangles, joined pairwise so many cost little (a new
// region, 0 for none).
HRGN UnionOf(const std::vector<RECT>& rects) {
    std::vector<HRGN> parts;
    for (const RECT& r : rects) parts.push_back(CreateRectRgnIndirect(&r));
    while (parts.size() > 1) {
        std::vector<HRGN> joined;
        for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
            CombineRgn(parts[i], parts[i], parts[i + 1], RGN_OR);
            DeleteObject(parts[i + 1]);
            joined.push_back(parts[i]);
        }
        if (parts.size() % 2) joined.push_back(parts.back());
        parts.swap(joined);
    }
    return parts.empty() ? 0 : parts.front();
}

// Takes the shapes of the visible children in [begin, end) (parent client
// coordinates; `clientOrigin` places them in the top-level) that reach into
// `box` out of `into`.
void SubtractChildren(Region& into, const RECT& box, const Window::ChildBox* begin, const Window::ChildBox* end,
                      POINT clientOrigin) {
    std::vector<RECT> plain;
    for (const auto* b = begin; b != end; ++b) {
        if (!b->visible) continue;
        const RECT r = Offset(b->rect, clientOrigin);
        if (!Overlaps(r, box)) continue;
        if (!b->shaped) plain.push_back(r);
        else if (const Window* c = Find(b->handle)) SubtractShape(into, box, *c, clientOrigin);
    }
    if (const HRGN joined = UnionOf(plain)) {
        into.Combine(joined, RGN_DIFF);
        DeleteObject(joined);
    }
}

// Takes all visible children out of `into`; the union of the plain ones is
// kept with the parent while the layout holds.
void SubtractAllChildren(Region& into, Window& parent, POINT clientOrigin) {
    const auto& boxes = ChildBoxes(parent);
    if (!parent.childrenShape) {
        std::vector<RECT> plain;
        for (const auto& b : boxes)
            if (b.visible && !b.shaped) plain.push_back(b.rect);
        parent.childrenShape = plain.empty() ? CreateRectRgn(0, 0, 0, 0) : UnionOf(plain);
    }
    Region shape(parent.childrenShape);
    OffsetRgn(shape.get(), clientOrigin.x, clientOrigin.y);
    into.Combine(shape.get(), RGN_DIFF);
    const RECT box = into.Box();
    for (const auto& b : boxes)
        if (b.visible && b.shaped)
            if (const Window* c = Find(b.handle)) SubtractShape(into, box, *c, clientOrigin);
}

// A child's box among its parent's, or null.
const Window::ChildBox* BoxOf(const Window& child, const Window& parent) {
    const auto& boxes = ChildBoxes(const_cast<Window&>(parent));
    const auto mine = std::find_if(boxes.begin(), boxes.end(),
                                   [&](const Window::ChildBox& b) { return b.handle == child.handle; });
    return mine == boxes.end() ? nullptr : &*mine;
}

// What can be seen of a window in its top-level's coordinates when that is
// one rectangle, as for most controls: no window region on the way up, no
// sibling above reaching into it where siblings clip, no visible child to
// leave out. Nothing when it takes a region.
std::optional<RECT> VisibleRectInTop(const Window& w, const Window& top, bool whole, bool clipChildren,
                                     bool clipSiblings) {
    if (w.region) return std::nullopt;
    if (clipChildren)
        for (const auto& b : ChildBoxes(const_cast<Window&>(w)))
            if (b.visible) return std::nullopt;
    const POINT o = OriginInTop(w, top);
    RECT visible = whole ? Bounds(o.x, o.y, w.Width(), w.Height()) : Offset(w.client, o);
    for (const Window* p = &w; p != &top;) {
        const Window* parent = Find(p->parent);
        if (!parent) break;
        if (parent->region) return std::nullopt;
        if (p == &w ? clipSiblings : (p->style & WS_CLIPSIBLINGS) != 0) {
            const Window::ChildBox* mine = BoxOf(*p, *parent);
            if (mine && mine->coveredInPlaces) return std::nullopt;
        }
        const RECT client = Offset(parent->client, OriginInTop(*parent, top));
        IntersectRect(&visible, &visible, &client);
        p = parent;
    }
    return visible;
}

// What can be seen of a window's client area (or whole window) in its
// top-level's coordinates.
void VisibleInTop(Region& out, const Window& w, bool whole, bool clipChildren, bool clipSiblings) {
    Window* top = TopLevelOf(const_cast<Window*>(&w));
    CombineRgn(out.get(), out.get(), out.get(), RGN_DIFF);
    if (!top || !IsShowing(w)) return;
    if (const std::optional<RECT> rect = VisibleRectInTop(w, *top, whole, clipChildren, clipSiblings)) {
        if (!IsRectEmpty(&*rect)) SetRectRgn(out.get(), rect->left, rect->top, rect->right, rect->bottom);
        return;
    }
    const POINT o = OriginInTop(w, *top);
    out.Combine(whole ? Bounds(o.x, o.y, w.Width(), w.Height()) : Offset(w.client, o), RGN_OR);
    if (w.region) {
        Region own(w.region);
        OffsetRgn(own.get(), o.x, o.y);
        out.Combine(own.get(), RGN_AND);
    }
    for (const Window* p = &w; p != top;) {
        const Window* parent = Find(p->parent);
        if (!parent) break;
        const POINT po = OriginInTop(*parent, *top);
        out.Combine(Offset(parent->client, po), RGN_AND);
        if (parent->region) {
            Region shape(parent->region);
            OffsetRgn(shape.get(), po.x, po.y);
            out.Combine(shape.get(), RGN_AND);
        }
        if (p == &w ? clipSiblings : (p->style & WS_CLIPSIBLINGS) != 0) {
            const Window::ChildBox* mine = BoxOf(*p, *parent);
            if (mine && mine->coveredInPlaces)
                SubtractChildren(out, out.Box(), parent->childBoxes.data(), mine,
                                 {po.x + parent->client.left, po.y + parent->client.top});
        }
        p = parent;
    }
    if (clipChildren) SubtractAllChildren(out, const_cast<Window&>(w), {o.x + w.client.left, o.y + w.client.top});
}

// Copies between the top-level's backing bitmap and a saved bitmap.
void CopyBits(HBITMAP to, int toX, int toY, HBITMAP from, int fromX, int fromY, int width, int height) {
    const HDC target = CreateCompatibleDC(0), source = CreateCompatibleDC(0);
    const HGDIOBJ oldTarget = SelectObject(target, to), oldSource = SelectObject(source, from);
    BitBlt(target, toX, toY, width, height, source, fromX, fromY, SRCCOPY);
    SelectObject(target, oldTarget), SelectObject(source, oldSource);
    DeleteDC(target), DeleteDC(source);
}

void EnsureBacking(Window& top) {
    const int width = std::max(1, int(top.Width())), height = std::max(1, int(top.Height()));
    if (top.backing && top.backingSize == SIZE{width, height}) return;
    const HBITMAP fresh = CreateBitmap(width, height, 1, 32, nullptr);
    if (top.backing) {
        // Keep what was drawn; the new parts get painted.
        CopyBits(fresh, 0, 0, top.backing, 0, 0, std::min(width, int(top.backingSize.cx)),
                 std::min(height, int(top.backingSize.cy)));
        DeleteObject(top.backing);
    }
    top.backing = fresh;
    top.backingSize = {width, height};
}

bool IsLocked(const Window& w) {
    const HWND locked = ThePainting().locked;
    return locked && (w.handle == locked || IsChild(locked, w.handle));
}

void Flush(Window& top, const RECT& area) {
    const HWND locked = ThePainting().locked;
    if (locked && (locked == top.handle || IsChild(top.handle, locked))) return;
    FlushSurface(top.handle, area);
}

// A DC over a window's client area (or whole window), clipped to what can be
// seen and, when given, to `clip` (DC coordinates).
HDC MakeDC(Window& w, bool whole, bool clipChildren, bool clipSiblings, HRGN clip, int clipMode) {
    Window* top = TopLevelOf(&w);
    if (!top) return 0;
    EnsureBacking(*top);
    Region visible;
    VisibleInTop(visible, w, whole, clipChildren, clipSiblings);
    const POINT o = OriginInTop(w, *top);
    const POINT dcOrigin = whole ? o : POINT{o.x + w.client.left, o.y + w.client.top};
    OffsetRgn(visible.get(), -dcOrigin.x, -dcOrigin.y);
    if (clip) CombineRgn(visible.get(), visible.get(), clip, clipMode);
    if (IsLocked(w)) visible.Combine(visible.get(), RGN_DIFF);
    SurfaceDCOptions options;
    options.origin = dcOrigin;
    options.size = whole ? SIZE{w.Width(), w.Height()} : SIZE{w.ClientWidth(), w.ClientHeight()};
    options.visible = visible.get();
    const HDC dc = CreateSurfaceDC(top->backing, options);
    if (dc) {
        const RECT area = Bounds(dcOrigin.x, dcOrigin.y, options.size.cx, options.size.cy);
        ThePainting().dcs[dc] = DCInfo{w.handle, top->handle, area};
    }
    return dc;
}

bool TakesChildren(const Window& w, UINT flags) {
    if (flags & RDW_ALLCHILDREN) return true;
    if (flags & RDW_NOCHILDREN) return false;
    return !(w.style & WS_CLIPCHILDREN);
}

// Applies RDW_ invalidation and validation to an area of `w`, and to its
// children as the flags say.
void Redraw(Window& w, const Area& area, UINT flags) {
    if (!w.redraw) return;
    if ((flags & RDW_INVALIDATE) && IsShowing(w)) {
        Region part(area);
        part.Combine(w.ClientRect(), RGN_AND);
        if (!part.Empty()) {
            if (!w.update) w.update = part.release();
            else CombineRgn(w.update, w.update, part.get(), RGN_OR);
            if (flags & RDW_ERASE) w.erasePending = true;
        }
        if (flags & RDW_INTERNALPAINT) w.internalPaint = true;
        if ((flags & RDW_FRAME) && HasNonClientArea(w)) w.framePending = true;
    }
    if (flags & RDW_VALIDATE) {
        if (w.update) {
            const Region part(area);
            CombineRgn(w.update, w.update, part.get(), RGN_DIFF);
            RECT box;
            if (GetRgnBox(w.update, &box) == NULLREGION) {
                DeleteObject(w.update);
                w.update = 0;
            }
        }
        if (flags & RDW_NOERASE) w.erasePending = false;
        if (flags & RDW_NOINTERNALPAINT) w.internalPaint = false;
        // A window validated without BeginPaint gives up its pending frame too.
        if (!w.update) w.framePending = false;
    }
    NotePending(w);
    if (!TakesChildren(w, flags)) return;
    // A parent that does not clip its children paints over their frames as
    // well, so an invalidated child draws its frame again too.
    if (flags & RDW_INVALIDATE) flags |= RDW_FRAME;
    const auto children = w.children;
    for (HWND h : children) {
        Window* c = Find(h);
        if (!c || !(c->style & WS_VISIBLE)) continue;
        const POINT to{-(c->rect.left + c->client.left), -(c->rect.top + c->client.top)};
        if (!area.region) {
            RECT part;
            if (!IntersectRect(&part, &area.box, &c->rect)) continue;
            Redraw(*c, Area{Offset(part, to)}, flags);
            continue;
        }
        Region mine(area.region);
        OffsetRgn(mine.get(), to.x, to.y);
        if (mine.Empty()) continue;
        Redraw(*c, Area{mine.Box(), mine.get()}, flags);
    }
}

void PaintNow(HWND handle, bool children) {
    Window* w = Find(handle);
    if (!w) return;
    if (w->update || w->internalPaint || w->framePending) SendMessage(handle, WM_PAINT, 0, 0);
    if (!children || (w = Find(handle)) == nullptr) return;
    const auto list = w->children;
    for (HWND h : list) PaintNow(h, true);
}

void DropSavedBits(Window& w) {
    if (w.savedBits) DeleteObject(w.savedBits);
    w.savedBits = 0;
}

void SaveBits(Window& w) {
    Window* top = TopLevelOf(&w);
    if (!top) return;
    EnsureBacking(*top);
    DropSavedBits(w);
    const POINT o = OriginInTop(w, *top);
    w.savedRect = Bounds(o.x, o.y, w.Width(), w.Height());
    w.savedBits = CreateBitmap(std::max(1, int(w.Width())), std::max(1, int(w.Height())), 1, 32, nullptr);
    CopyBits(w.savedBits, 0, 0, top->backing, o.x, o.y, w.Width(), w.Height());
}

// A hidden CS_SAVEBITS child that has not moved puts back what it covered.
bool SavedBitsPutBack(Window& w, bool showing) {
    if (!w.savedBits) return false;
    Window* top = TopLevelOf(&w);
    const POINT o = top ? OriginInTop(w, *top) : POINT{};
    const bool unmoved = top && w.savedRect == Bounds(o.x, o.y, w.Width(), w.Height());
    if (showing || !unmoved) {
        DropSavedBits(w);
        return false;
    }
    CopyBits(top->backing, o.x, o.y, w.savedBits, 0, 0, w.Width(), w.Height());
    DropSavedBits(w);
    Flush(*top, w.savedRect);
    return true;
}

}  // namespace

HWND WindowNeedingPaint(HWND filter) {
    if (filter) {
        Window* w = Find(filter);
        return w && IsShowing(*w) && (w->update || w->internalPaint || w->framePending) ? filter : 0;
    }
    auto& pending = ThePainting().pending;
    for (HWND h : pending) {
        Window* w = Find(h);
        if (!w || !IsShowing(*w)) continue;
        // A parent with something to paint goes before its children.
        HWND first = h;
        for (Window* p = Find(w->parent); p && p->handle != Desktop().handle; p = Find(p->parent))
            if (pending.count(p->handle)) first = p->handle;
        return first;
    }
    return 0;
}

void InvalidateAfterMove(Window& w, const RECT& oldScreen, bool wasShowing) {
    if (w.IsTopLevel()) {
        if (IsShowing(w)) {
            EnsureBacking(w);
            RedrawWindow(w.handle, nullptr, 0, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
        }
        return;
    }
    const bool showing = IsShowing(w);
    if (SavedBitsPutBack(w, showing)) return;
    if (showing && !wasShowing && (w.windowClass->style & CS_SAVEBITS)) SaveBits(w);
    if (Window* parent = Find(w.parent)) {
        POINT o{0, 0};
        ClientToScreen(parent->handle, &o);
        const RECT old = Offset(oldScreen, {-o.x, -o.y});
        RedrawWindow(parent->handle, &old, 0, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    RedrawWindow(w.handle, nullptr, 0, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

void ForgetWindowInPainting(HWND handle) {
    auto& p = ThePainting();
    if (p.locked == handle) p.locked = 0;
    Window* w = Find(handle);
    if (!w) return;
    if (w->update) DeleteObject(w->update);
    w->update = 0;
    p.pending.erase(handle);
    if (w->region) DeleteObject(w->region);
    w->region = 0;
    DropSavedBits(*w);
    if (w->childrenShape) DeleteObject(w->childrenShape);
    w->childrenShape = 0;
    if (w->IsTopLevel()) DestroySurface(handle);
    if (w->backing) DeleteObject(w->backing);
    w->backing = 0;
}

bool InWindowRegion(const Window& w, POINT point) { return !w.region || PtInRegion(w.region, point.x, point.y); }

HBITMAP BackingOf(HWND top) {
    Window* w = Find(top);
    if (!w || !w->IsTopLevel()) return 0;
    EnsureBacking(*w);
    return w->backing;
}

}  // namespace ws

using namespace ws;

BOOL RedrawWindow(HWND handle, const RECT* rect, HRGN region, UINT flags) {
    if (!handle) {
        const auto tops = Desktop().children;
        for (HWND t : tops) RedrawWindow(t, nullptr, 0, flags);
        return TRUE;
    }
    Window* w = Find(handle);
    if (!w) return FALSE;
    Area area{rect ? *rect : w->ClientRect(), region};
    if (region) GetRgnBox(region, &area.box);
    Redraw(*w, area, flags);
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) PaintNow(handle, TakesChildren(*w, flags));
    return TRUE;
}

BOOL InvalidateRect(HWND handle, const RECT* rect, BOOL erase) {
    return RedrawWindow(handle, rect, 0, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL InvalidateRgn(HWND handle, HRGN region, BOOL erase) {
    if (!region) return InvalidateRect(handle, nullptr, erase);
    return RedrawWindow(handle, nullptr, region, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL ValidateRect(HWND handle, const RECT* rect) {
    return RedrawWindow(handle, rect, 0, RDW_VALIDATE | RDW_NOCHILDREN | (rect ? 0 : RDW_NOERASE));
}

BOOL ValidateRgn(HWND handle, HRGN region) {
    if (!region) return ValidateRect(handle, nullptr);
    return RedrawWindow(handle, nullptr, region, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL UpdateWindow(HWND handle) {
    if (!IsWindow(handle)) return FALSE;
    PaintNow(handle, false);
    return TRUE;
}

BOOL GetUpdateRect(HWND handle, RECT* rect, BOOL erase) {
    Window* w = Find(handle);
    if (!w) return FALSE;
    RECT box{};
    const bool any = w->update && GetRgnBox(w->update, &box) != NULLREGION;
    if (rect) *rect = box;
    if (any && erase && w->erasePending) {
        w->erasePending = false;
        const HDC dc = GetDCEx(handle, 0, 0);
        SendMessage(handle, WM_ERASEBKGND, WPARAM(dc), 0);
        ReleaseDC(handle, dc);
    }
    return any ? TRUE : FALSE;
}

int GetUpdateRgn(HWND handle, HRGN region, BOOL erase) {
    Window* w = Find(handle);
    if (!w || !region) return ERROR;
    if (!w->update) {
        SetRectRgn(region, 0, 0, 0, 0);
        return NULLREGION;
    }
    const int kind = CombineRgn(region, w->update, 0, RGN_COPY);
    GetUpdateRect(handle, nullptr, erase);
    return kind;
}

HDC BeginPaint(HWND handle, PAINTSTRUCT* paint) {
    Window* w = Find(handle);
    if (!w || !paint) return 0;
    if (w->framePending) {
        w->framePending = false;
        SendMessage(handle, WM_NCPAINT, 1, 0);
        if ((w = Find(handle)) == nullptr) return 0;
    }
    HideCaretForPaint(handle);
    Region update;
    if (w->update) {
        CombineRgn(update.get(), w->update, 0, RGN_COPY);
        DeleteObject(w->update);
        w->update = 0;
    }
    w->internalPaint = false;
    NotePending(*w);
    const bool erase = w->erasePending;
    w->erasePending = false;
    const HDC dc = MakeDC(*w, false, (w->style & WS_CLIPCHILDREN) != 0, (w->style & WS_CLIPSIBLINGS) != 0,
                          update.get(), RGN_AND);
    *paint = PAINTSTRUCT{};
    paint->hdc = dc;
    GetClipBox(dc, &paint->rcPaint);
    paint->fErase = TRUE;
    if (erase && dc) paint->fErase = SendMessage(handle, WM_ERASEBKGND, WPARAM(dc), 0) ? FALSE : TRUE;
    return dc;
}

BOOL EndPaint(HWND handle, const PAINTSTRUCT* paint) {
    if (!paint) return FALSE;
    ReleaseDC(handle, paint->hdc);
    ShowCaretAfterPaint(handle);
    return TRUE;
}

HDC GetDCEx(HWND handle, HRGN clip, DWORD flags) {
    if (!handle || handle == Desktop().handle) {
        const HDC dc = DesktopDC();
        const int mode = (flags & DCX_EXCLUDERGN) ? RGN_DIFF : RGN_AND;
        if (clip && (flags & (DCX_EXCLUDERGN | DCX_INTERSECTRGN))) {
            ExtSelectClipRgn(dc, clip, mode);
            DeleteObject(clip);
        }
        return dc;
    }
    Window* w = Find(handle);
    if (!w) return 0;
    const bool whole = (flags & DCX_WINDOW) != 0;
    const bool children = (flags & DCX_CLIPCHILDREN) || (w->style & WS_CLIPCHILDREN);
    const bool siblings = (flags & DCX_CLIPSIBLINGS) || (w->style & WS_CLIPSIBLINGS);
    const int mode = (flags & DCX_EXCLUDERGN) ? RGN_DIFF : RGN_AND;
    constexpr HRGN wholeWindow = 1;
    const HRGN useClip = (flags & (DCX_EXCLUDERGN | DCX_INTERSECTRGN)) && clip != wholeWindow ? clip : 0;
    const HDC dc = MakeDC(*w, whole, children, siblings, useClip, mode);
    if (useClip) DeleteObject(useClip);
    return dc;
}

HDC GetDC(HWND handle) { return GetDCEx(handle, 0, 0); }
HDC GetWindowDC(HWND handle) { return GetDCEx(handle, 0, DCX_WINDOW); }

int ReleaseDC(HWND, HDC dc) {
    if (ReleaseDesktopDC(dc)) return 1;
    auto& p = ThePainting();
    auto it = p.dcs.find(dc);
    if (it == p.dcs.end()) return 0;
    const DCInfo info = it->second;
    p.dcs.erase(it);
    DeleteDC(dc);
    if (Window* top = Find(info.top)) Flush(*top, info.area);
    return 1;
}

HWND WindowFromDC(HDC dc) {
    auto& p = ThePainting();
    auto it = p.dcs.find(dc);
    return it == p.dcs.end() ? 0 : it->second.window;
}

int ScrollWindowEx(HWND handle, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update,
                   RECT* updateRect, UINT flags) {
    Window* w = Find(handle);
    if (!w) return ERROR;
    Region area(scroll ? *scroll : w->ClientRect());
    area.Combine(w->ClientRect(), RGN_AND);
    if (clip) area.Combine(*clip, RGN_AND);
    // The pixels that can be moved: the part of the area that is on the screen.
    Window* top = TopLevelOf(w);
    Region source;
    if (top && IsShowing(*w)) {
        VisibleInTop(source, *w, false, false, (w->style & WS_CLIPSIBLINGS) != 0);
        const POINT o = OriginInTop(*w, *top);
        OffsetRgn(source.get(), -(o.x + w->client.left), -(o.y + w->client.top));
        source.Combine(area.get(), RGN_AND);
    }
    Region moved(source.get());
    OffsetRgn(moved.get(), dx, dy);
    moved.Combine(area.get(), RGN_AND);
    if (!moved.Empty()) {
        const HDC dc = MakeDC(*w, false, false, false, moved.get(), RGN_AND);
        const RECT box = area.Box();
        BitBlt(dc, box.left + dx, box.top + dy, box.right - box.left, box.bottom - box.top, dc, box.left, box.top,
               SRCCOPY);
        ReleaseDC(handle, dc);
    }
    Region uncovered(area.get());
    uncovered.Combine(moved.get(), RGN_DIFF);
    if ((w = Find(handle)) == nullptr) return ERROR;
    if (w->update) {
        // What was waiting to be painted moves with the pixels.
        Region inside(w->update);
        inside.Combine(area.get(), RGN_AND);
        CombineRgn(w->update, w->update, area.get(), RGN_DIFF);
        OffsetRgn(inside.get(), dx, dy);
        inside.Combine(area.get(), RGN_AND);
        CombineRgn(w->update, w->update, inside.get(), RGN_OR);
    }
    if (flags & SW_SCROLLCHILDREN) {
        const auto children = w->children;
        for (HWND h : children) {
            Window* c = Find(h);
            if (!c) continue;
            RECT r = c->rect, hit;
            if (scroll && !IntersectRect(&hit, &r, scroll)) continue;
            SetWindowPos(h, 0, r.left + dx, r.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (flags & SW_INVALIDATE)
        RedrawWindow(handle, nullptr, uncovered.get(),
                     RDW_INVALIDATE | ((flags & SW_ERASE) ? RDW_ERASE : 0) |
                         ((flags & SW_SCROLLCHILDREN) ? RDW_ALLCHILDREN : 0));
    if (update) CombineRgn(update, uncovered.get(), 0, RGN_COPY);
    if (updateRect) *updateRect = uncovered.Box();
    RECT box;
    return GetRgnBox(uncovered.get(), &box);
}

BOOL ScrollWindow(HWND handle, int dx, int dy, const RECT* scroll, const RECT* clip) {
    return ScrollWindowEx(handle, dx, dy, scroll, clip, 0, nullptr,
                          SW_INVALIDATE | SW_ERASE | (scroll ? 0 : SW_SCROLLCHILDREN)) != ERROR;
}

BOOL LockWindowUpdate(HWND handle) {
    auto& p = ThePainting();
    if (handle) {
        if (p.locked || !IsWindow(handle)) return FALSE;
        p.locked = handle;
        return TRUE;
    }
    const HWND was = p.locked;
    p.locked = 0;
    if (Window* w = Find(was)) {
        RedrawWindow(was, nullptr, 0, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        if (Window* top = TopLevelOf(w)) Flush(*top, Rect(0, 0, top->Width(), top->Height()));
    }
    return TRUE;
}

HRGN VisibleClientRegion(HWND handle) {
    Window* w = Find(handle);
    Region visible;
    if (w) {
        if (Window* top = TopLevelOf(w)) {
            VisibleInTop(visible, *w, false, (w->style & WS_CLIPCHILDREN) != 0, (w->style & WS_CLIPSIBLINGS) != 0);
            const POINT o = OriginInTop(*w, *top);
            OffsetRgn(visible.get(), -(o.x + w->client.left), -(o.y + w->client.top));
        }
    }
    return visible.release();
}

int SetWindowRgn(HWND handle, HRGN region, BOOL redraw) {
    Window* w = Find(handle);
    if (!w) return 0;
    if (w->region && w->region != region) DeleteObject(w->region);
    w->region = region;
    LayoutChanged();
    if (w->IsTopLevel()) SetSurfaceMask(handle, region);
    if (redraw) {
        RECT r;
        GetWindowRect(handle, &r);
        InvalidateAfterMove(*w, r, IsShowing(*w));
    }
    return 1;
}

int GetWindowRgn(HWND handle, HRGN region) {
    Window* w = Find(handle);
    if (!w || !w->region || !region) return ERROR;
    return CombineRgn(region, w->region, 0, RGN_COPY);
}
