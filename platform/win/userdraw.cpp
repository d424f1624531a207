// Rectangles, focus rectangles, classic 3-D edges and frame controls, drawn
// with the GDI in the system colours.
#include <algorithm>
#include <vector>

#include "platform/win/userdraw.h"

namespace {

// FillRect and friends accept a system colour index + 1 in place of a brush.
HBRUSH ResolveBrush(HBRUSH brush) {
    if (brush >= 1 && brush <= HBRUSH(COLOR_ENDCOLORS + 1)) return GetSysColorBrush(int(brush) - 1);
    return brush;
}

// Rectangles painted in the order given by one PatBltRects call when the
// batch ends, so a frame or an edge accesses the surface once.
class RectBatch {
public:
    explicit RectBatch(HDC dc, DWORD rop = PATCOPY) : dc_(dc), rop_(rop) {}
    ~RectBatch() { PatBltRects(dc_, rects_.data(), int(rects_.size()), rop_); }
    RectBatch(const RectBatch&) = delete;
    RectBatch& operator=(const RectBatch&) = delete;
    void Add(int left, int top, int right, int bottom, HBRUSH brush) { rects_.push_back({{left, top, right, bottom}, brush}); }
    void AddSysColor(int left, int top, int right, int bottom, int color) {
        Add(left, top, right, bottom, GetSysColorBrush(color));
    }

private:
    HDC dc_;
    DWORD rop_;
    std::vector<BrushRect> rects_;
};

// Paints a rectangle with a brush through PATCOPY, leaving the DC's own
// brush in place.
void PaintWith(HDC dc, int left, int top, int right, int bottom, HBRUSH brush) {
    const BrushRect one{{left, top, right, bottom}, brush};
    PatBltRects(dc, &one, 1, PATCOPY);
}

void SysColorRect(HDC dc, int left, int top, int right, int bottom, int color) {
    PaintWith(dc, left, top, right, bottom, GetSysColorBrush(color));
}

// One ring of an edge: top and left in one colour, bottom and right in the
// other (the bottom-left and top-right corners take the second colour).
void Ring(RectBatch& batch, RECT& r, UINT flags, int topLeft, int bottomRight) {
    if (flags & BF_TOP) batch.AddSysColor(r.left, r.top, r.right, r.top + 1, topLeft);
    if (flags & BF_LEFT) batch.AddSysColor(r.left, r.top, r.left + 1, r.bottom, topLeft);
    if (flags & BF_BOTTOM) batch.AddSysColor(r.left, r.bottom - 1, r.right, r.bottom, bottomRight);
    if (flags & BF_RIGHT) batch.AddSysColor(r.right - 1, r.top, r.right, r.bottom, bottomRight);
    if (flags & BF_LEFT) ++r.left;
    if (flags & BF_TOP) ++r.top;
    if (flags & BF_RIGHT) --r.right;
    if (flags & BF_BOTTOM) --r.bottom;
}

void Ring(HDC dc, RECT& r, UINT flags, int topLeft, int bottomRight) {
    RectBatch batch(dc);
    Ring(batch, r, flags, topLeft, bottomRight);
}

}  // namespace

int FillRect(HDC dc, const RECT* r, HBRUSH brush) {
    if (!r) return 0;
    PaintWith(dc, r->left, r->top, r->right, r->bottom, ResolveBrush(brush));
    return 1;
}

int FrameRect(HDC dc, const RECT* r, HBRUSH brush) {
    if (!r || r->right <= r->left || r->bottom <= r->top) return 0;
    brush = ResolveBrush(brush);
    RectBatch batch(dc);
    batch.Add(r->left, r->top, r->right, r->top + 1, brush);
    batch.Add(r->left, r->bottom - 1, r->right, r->bottom, brush);
    batch.Add(r->left, r->top, r->left + 1, r->bottom, brush);
    batch.Add(r->right - 1, r->top, r->right, r->bottom, brush);
    return 1;
}

BOOL InvertRect(HDC dc, const RECT* r) {
    if (!r) return FALSE;
    return PatBlt(dc, r->left, r->top, r->right - r->left, r->bottom - r->top, DSTINVERT);
}

BOOL DrawFocusRect(HDC dc, const RECT* r) {
    if (!r) return FALSE;
    // A one-pixel checkerboard inverted onto the frame, so drawing it twice
    // restores what was there.
    static const WORD checker[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
    HBITMAP pattern = CreateBitmap(8, 8, 1, 1, checker);
    HBRUSH brush = CreatePatternBrush(pattern);
    COLORREF text = SetTextColor(dc, RGB(0, 0, 0)), back = SetBkColor(dc, RGB(255, 255, 255));
    {
        RectBatch batch(dc, PATINVERT);
        batch.Add(r->left, r->top, r->right, r->top + 1, brush);
        batch.Add(r->left, r->bottom - 1, r->right, r->bottom, brush);
        batch.Add(r->left, r->top + 1, r->left + 1, r->bottom - 1, brush);
        batch.Add(r->right - 1, r->top + 1, r->right, r->bottom - 1, brush);
    }
    SetTextColor(dc, text);
    SetBkColor(dc, back);
    DeleteObject(brush);
    DeleteObject(pattern);
    return TRUE;
}

BOOL DrawEdge(HDC dc, RECT* rect, UINT edge, UINT flags) {
    if (!rect) return FALSE;
    RECT r = *rect;
    UINT outer = edge & BDR_OUTER, inner = edge & BDR_INNER;
    bool soft = flags & BF_SOFT;
    RectBatch batch(dc);
    if (flags & (BF_FLAT | BF_MONO)) {
        int frame = (flags & BF_MONO) ? COLOR_WINDOWFRAME : COLOR_BTNSHADOW;
        int fill = (flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE;
        if (outer) Ring(batch, r, flags, frame, frame);
        if (inner) Ring(batch, r, flags, fill, fill);
    } else {
        if (outer & BDR_RAISEDOUTER)
            Ring(batch, r, flags, soft ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT, COLOR_3DDKSHADOW);
        else if (outer & BDR_SUNKENOUTER)
            Ring(batch, r, flags, soft ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
        if (inner & BDR_RAISEDINNER)
            Ring(batch, r, flags, soft ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW);
        else if (inner & BDR_SUNKENINNER)
            Ring(batch, r, flags, soft ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW, COLOR_3DLIGHT);
    }
    if (flags & BF_MIDDLE) batch.AddSysColor(r.left, r.top, r.right, r.bottom, (flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE);
    if (flags & BF_ADJUST) *rect = r;
    return TRUE;
}

namespace {

enum class Arrow { Up, Down, Left, Right };

// A solid triangle centred in the rectangle, as the scroll arrows draw it.
void DrawArrow(HDC dc, const RECT& r, Arrow direction, int color) {
    int w = r.right - r.left, h = r.bottom - r.top;
    int rows = std::max(1, (std::min(w, h) - 4) / 3 + 1);
    int cx = r.left + w / 2, cy = r.top + h / 2;
    bool vertical = direction == Arrow::Up || direction == Arrow::Down;
    int start = (vertical ? cy : cx) - rows / 2;
    for (int i = 0; i < rows; ++i) {
        int half = (direction == Arrow::Up || direction == Arrow::Left) ? i : rows - 1 - i;
        if (vertical)
            SysColorRect(dc, cx - half, start + i, cx + half + 1, start + i + 1, color);
        else
            SysColorRect(dc, start + i, cy - half, start + i + 1, cy + half + 1, color);
    }
}

// The check mark of check boxes and menus: seven columns, three pixels
// tall, dipping to the lowest point at the third column.
void DrawCheckMark(HDC dc, int left, int top, int color) {
    static const int tops[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int i = 0; i < 7; ++i) SysColorRect(dc, left + i, top + tops[i], left + i + 1, top + tops[i] + 3, color);
}

void DrawCheckBox(HDC dc, const RECT& rect, UINT state) {
    int size = std::min(rect.right - rect.left, rect.bottom - rect.top);
    RECT box{rect.left, rect.top + (rect.bottom - rect.top - size) / 2, rect.left + size, 0};
    box.bottom = box.top + size;
    bool inactive = state & DFCS_INACTIVE;
    bool mixed = (state & DFCS_BUTTON3STATE) && (state & DFCS_CHECKED);
    if (state & (DFCS_FLAT | DFCS_MONO)) {
        RECT frame = box;
        Ring(dc, frame, BF_RECT, (state & DFCS_MONO) ? COLOR_WINDOWFRAME : COLOR_BTNSHADOW,
             (state & DFCS_MONO) ? COLOR_WINDOWFRAME : COLOR_BTNSHADOW);
        box = frame;
    } else {
        DrawEdge(dc, &box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    }
    SysColorRect(dc, box.left, box.top, box.right, box.bottom,
                 (inactive || (state & DFCS_PUSHED) || mixed) ? COLOR_BTNFACE : COLOR_WINDOW);
    if (state & DFCS_CHECKED) {
        int color = inactive || mixed ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT;
        DrawCheckMark(dc, box.left + (box.right - box.left - 7) / 2, box.top + (box.bottom - box.top - 5) / 2, color);
    }
}

void DrawRadio(HDC dc, const RECT& rect, UINT state) {
    int size = std::min(rect.right - rect.left, rect.bottom - rect.top);
    RECT box{rect.left, rect.top, rect.left + size, rect.top + size};
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    HGDIOBJ oldBrush = SelectObject(dc, GetSysColorBrush(COLOR_BTNSHADOW));
    Ellipse(dc, box.left, box.top, box.right + 1, box.bottom + 1);
    SelectObject(dc, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
    Ellipse(dc, box.left + 1, box.top + 1, box.right + 1, box.bottom + 1);
    SelectObject(dc, GetSysColorBrush((state & (DFCS_INACTIVE | DFCS_PUSHED)) ? COLOR_BTNFACE : COLOR_WINDOW));
    Ellipse(dc, box.left + 2, box.top + 2, box.right - 1, box.bottom - 1);
    if (state & DFCS_CHECKED) {
        SelectObject(dc, GetSysColorBrush((state & DFCS_INACTIVE) ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT));
        int c = size / 2;
        Ellipse(dc, box.left + c - 2, box.top + c - 2, box.left + c + 3, box.top + c + 3);
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
}

// A raised (or pushed) button face; answers the rectangle inside it. A
// pushed push button has a black frame around a shadow frame; other pushed
// buttons (scroll arrows, caption buttons) a flat shadow frame.
RECT ButtonFace(HDC dc, const RECT& rect, UINT state, bool pushButton = false) {
    RECT r = rect;
    if (state & DFCS_FLAT) {
        DrawEdge(dc, &r, (state & DFCS_PUSHED) ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_MIDDLE | BF_ADJUST | BF_FLAT);
    } else if (pushButton && (state & DFCS_PUSHED)) {
        Ring(dc, r, BF_RECT, COLOR_WINDOWFRAME, COLOR_WINDOWFRAME);
        Ring(dc, r, BF_RECT, COLOR_BTNSHADOW, COLOR_BTNSHADOW);
        SysColorRect(dc, r.left, r.top, r.right, r.bottom, COLOR_BTNFACE);
    } else if (state & (DFCS_PUSHED | DFCS_CHECKED)) {
        DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_MIDDLE | BF_ADJUST | BF_FLAT);
    } else {
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
    }
    if (state & (DFCS_PUSHED | DFCS_CHECKED)) OffsetRect(&r, 1, 1);
    return r;
}

// A glyph in the button text colour, or embossed grey when inactive.
template <class Glyph>
void DrawGlyph(const RECT& r, UINT state, Glyph glyph) {
    if (state & DFCS_INACTIVE) {
        RECT shifted = r;
        OffsetRect(&shifted, 1, 1);
        glyph(shifted, COLOR_BTNHIGHLIGHT);
        glyph(r, COLOR_BTNSHADOW);
    } else {
        glyph(r, COLOR_BTNTEXT);
    }
}

void DrawCaptionGlyph(HDC dc, const RECT& r, UINT kind, int color) {
    int w = r.right - r.left, h = r.bottom - r.top;
    int s = std::max(4, std::min(w, h) - 6);
    int left = r.left + (w - s) / 2, top = r.top + (h - s) / 2;
    switch (kind) {
        case DFCS_CAPTIONCLOSE:
            for (int i = 0; i < s; ++i) {
                SysColorRect(dc, left + i, top + i, left + i + 2, top + i + 1, color);
                SysColorRect(dc, left + s - 2 - i, top + i, left + s - i, top + i + 1, color);
            }
            break;
        case DFCS_CAPTIONMIN: SysColorRect(dc, left + 1, top + s - 2, left + s - 2, top + s, color); break;
        case DFCS_CAPTIONMAX: {
            SysColorRect(dc, left, top, left + s, top + 2, color);
            RECT frame{left, top, left + s, top + s};
            Ring(dc, frame, BF_RECT, color, color);
            break;
        }
        case DFCS_CAPTIONRESTORE: {
            RECT back{left + 2, top, left + s, top + s - 3};
            SysColorRect(dc, back.left, back.top, back.right, back.top + 2, color);
            Ring(dc, back, BF_RECT, color, color);
            RECT front{left, top + 3, left + s - 2, top + s};
            SysColorRect(dc, front.left, front.top, front.right, front.bottom, COLOR_BTNFACE);
            SysColorRect(dc, front.left, front.top, front.right, front.top + 2, color);
            Ring(dc, front, BF_RECT, color, color);
            break;
        }
        default: {
            RECT text = r;
            SetBkMode(dc, TRANSPARENT);
            COLORREF old = SetTextColor(dc, GetSysColor(color));
            DrawText(dc, "?", 1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            SetTextColor(dc, old);
        }
    }
}

void DrawSizeGrip(HDC dc, const RECT& r) {
    int size = std::min(r.right - r.left, r.bottom - r.top);
    for (int d = 0; d + 3 <= size; d += 4) {
        for (int i = 0; i < size - d; ++i) {
            int x = r.right - 1 - i, y = r.bottom - size + d + i;
            SysColorRect(dc, x, y, x + 1, y + 1, COLOR_BTNHIGHLIGHT);
            SysColorRect(dc, x - 1, y + 1, x, y + 2, COLOR_BTNSHADOW);
            SysColorRect(dc, x - 2, y + 2, x - 1, y + 3, COLOR_BTNSHADOW);
        }
    }
}

}  // namespace

BOOL DrawFrameControl(HDC dc, RECT* rect, UINT type, UINT state) {
    if (!rect) return FALSE;
    const RECT r = *rect;
    switch (type) {
        case DFC_BUTTON: {
            if (state & DFCS_BUTTONPUSH) {
                RECT inside = ButtonFace(dc, r, state, true);
                if (state & DFCS_ADJUSTRECT) *rect = inside;
            } else if (state & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE | DFCS_BUTTONRADIOMASK)) {
                DrawRadio(dc, r, state);
            } else {
                DrawCheckBox(dc, r, state);
            }
            return TRUE;
        }
        case DFC_SCROLL: {
            UINT kind = state & 0xFF;
            if (kind == DFCS_SCROLLSIZEGRIP || kind == DFCS_SCROLLSIZEGRIPRIGHT) {
                SysColorRect(dc, r.left, r.top, r.right, r.bottom, COLOR_BTNFACE);
                DrawSizeGrip(dc, r);
                return TRUE;
            }
            RECT inside = ButtonFace(dc, r, state & ~DFCS_CHECKED);
            Arrow arrow = kind == DFCS_SCROLLUP     ? Arrow::Up
                          : kind == DFCS_SCROLLLEFT  ? Arrow::Left
                          : kind == DFCS_SCROLLRIGHT ? Arrow::Right
                                                     : Arrow::Down;
            DrawGlyph(inside, state, [&](const RECT& g, int color) { DrawArrow(dc, g, arrow, color); });
            return TRUE;
        }
        case DFC_CAPTION: {
            RECT inside = ButtonFace(dc, r, state);
            DrawGlyph(inside, state, [&](const RECT& g, int color) { DrawCaptionGlyph(dc, g, state & 0xFF, color); });
            return TRUE;
        }
        case DFC_MENU:
        case DFC_POPUPMENU: {
            if (!(state & DFCS_TRANSPARENT)) SysColorRect(dc, r.left, r.top, r.right, r.bottom, COLOR_WINDOW);
            UINT kind = state & 0xFF;
            int w = r.right - r.left, h = r.bottom - r.top;
            if (kind == DFCS_MENUCHECK) {
                DrawCheckMark(dc, r.left + (w - 7) / 2, r.top + (h - 5) / 2, COLOR_WINDOWFRAME);
            } else if (kind == DFCS_MENUBULLET) {
                int cx = r.left + w / 2, cy = r.top + h / 2;
                SysColorRect(dc, cx - 2, cy - 1, cx + 2, cy + 1, COLOR_WINDOWFRAME);
                SysColorRect(dc, cx - 1, cy - 2, cx + 1, cy + 2, COLOR_WINDOWFRAME);
            } else {
                DrawArrow(dc, r, kind == DFCS_MENUARROWRIGHT ? Arrow::Left : Arrow::Right, COLOR_WINDOWFRAME);
            }
            return TRUE;
        }
        default: return FALSE;
    }
}
