#include "datagrid/ToolCtrlsVynFaces.h"

#include <algorithm>
#include <cstring>
#include <cstdlib>

#include "platform/gdi/sysparams.h"
#include "platform/ui/graphic.h"
#include "platform/gdi/wingdi.h"
#include "platform/win/userdraw.h"
#include "platform/win/winuser.h"

namespace {

int Width(const TRect& r) { return r.right - r.left; }
int Height(const TRect& r) { return r.bottom - r.top; }

TRect Shrunk(TRect r, int by) { return TRect{r.left + by, r.top + by, r.right - by, r.bottom - by}; }

void FillWithColor(HDC dc, const TRect& rect, COLORREF color) {
    const HBRUSH brush = CreateSolidBrush(color);
    RECT r = rect;
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

void FrameWithColor(HDC dc, const TRect& rect, COLORREF color) {
    const HBRUSH brush = CreateSolidBrush(color);
    RECT r = rect;
    FrameRect(dc, &r, brush);
    DeleteObject(brush);
}

// Clips to a rectangle given in logical coordinates.
void ClipToDeviceRect(HDC dc, const TRect& rect) {
    POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    LPtoDP(dc, corners, 2);
    const HRGN region = CreateRectRgn(corners[0].x, corners[0].y, corners[1].x, corners[1].y);
    ExtSelectClipRgn(dc, region, RGN_AND);
    DeleteObject(region);
}

UINT FrameModifiers(bool enabled, bool flat, bool down) {
    return (down ? DFCS_PUSHED : 0u) | (flat ? DFCS_FLAT : 0u) | (enabled ? 0u : DFCS_INACTIVE);
}

// The background of ellipsis, plus and minus faces; answers the inner rectangle.
TRect PaintSymbolBackground(HDC dc, TRect rect, bool flat, bool down) {
    if (flat) {
        FillWithColor(dc, rect, GetSysColor(COLOR_BTNFACE));
        return Shrunk(rect, 1);
    }
    RECT r = rect;
    DrawEdge(dc, &r, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE);
    return Shrunk(rect, 2);
}

// Fills the symbol's rectangles in the button-text colour, or embossed
// (highlight one pixel off, then shadow) when disabled.
void PaintSymbol(HDC dc, const std::vector<TRect>& parts, bool enabled) {
    auto blit = [&](int colorIndex, int offset) {
        const HBRUSH brush = CreateSolidBrush(GetSysColor(colorIndex));
        const HGDIOBJ old = SelectObject(dc, brush);
        for (const TRect& part : parts)
            PatBlt(dc, part.left + offset, part.top + offset, Width(part), Height(part), PATCOPY);
        SelectObject(dc, old);
        DeleteObject(brush);
    };
    if (enabled) {
        blit(COLOR_BTNTEXT, 0);
    } else {
        blit(COLOR_BTNHIGHLIGHT, 1);
        blit(COLOR_BTNSHADOW, 0);
    }
}

TRect CenteredSquare(const TRect& rect) {
    const int side = std::min(Width(rect), Height(rect));
    const int left = rect.left + (Width(rect) - side) / 2;
    const int top = rect.top + (Height(rect) - side) / 2;
    return TRect{left, top, left + side, top + side};
}

bool useFaceCache = true;

// Copies the face for `key` into rect from the cache, or paints it there.
void PaintFace(HDC dc, const TRect& rect, const TButtonFaceKey& key) {
    if (useFaceCache) {
        TBitmap* face = ButtonFaceCache()->FaceBitmap(key);
        StretchBlt(dc, rect.left, rect.top, Width(rect), Height(rect), face->Canvas()->Handle(), 0, 0,
                   face->Width(), face->Height(), SRCCOPY);
        return;
    }
    const TButtonFaceStyle style = static_cast<TButtonFaceStyle>(key.Style);
    if (style == bfsCheckBox)
        PaintCheckBox(dc, rect, static_cast<TCheckBoxState>(key.CheckState), key.Enabled, key.Flat, key.Pressed,
                      key.Active);
    else
        PaintOneButtonFace(dc, style, rect, key.Enabled, key.Flat, key.Active, key.Pressed, key.LowerArrow);
}

TButtonFaceKey FaceKey(const TRect& rect, TButtonFaceStyle style, bool flat, bool pressed, bool active, bool enabled,
                       bool lowerArrow, TCheckBoxState state) {
    TButtonFaceKey key;
    key.Width = Width(rect);
    key.Height = Height(rect);
    key.Style = static_cast<std::uint8_t>(style);
    key.Flat = flat;
    key.Pressed = pressed;
    key.Active = active;
    key.Enabled = enabled;
    key.LowerArrow = lowerArrow;
    key.CheckState = static_cast<std::uint8_t>(state);
    return key;
}

}  // namespace

SavedClipRegion::SavedClipRegion(HDC dc) : dc_(dc), saved_(CreateRectRgn(0, 0, 0, 0)) {
    hadClip_ = GetClipRgn(dc_, saved_) == 1;
}

SavedClipRegion::~SavedClipRegion() {
    SelectClipRgn(dc_, hadClip_ ? saved_ : HRGN(0));
    DeleteObject(saved_);
}

void PaintDropDownButton(HDC dc, TRect rect, bool enabled, bool flat, bool, bool down) {
    RECT r = rect;
    DrawFrameControl(dc, &r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | FrameModifiers(enabled, flat, down));
}

void PaintUpDownButton(HDC dc, TRect rect, bool enabled, bool flat, bool, bool down, bool lowerArrow) {
    RECT r = rect;
    DrawFrameControl(dc, &r, DFC_SCROLL,
                     (lowerArrow ? DFCS_SCROLLDOWN : DFCS_SCROLLUP) | FrameModifiers(enabled, flat, down));
}

void PaintEllipsisButton(HDC dc, TRect rect, bool enabled, bool, bool flat, bool down) {
    const TRect inner = PaintSymbolBackground(dc, rect, flat, down);
    const int w = Width(inner);
    const int h = Height(inner);
    const int d = w > 7 ? 2 : 1;
    const int g = w < 12 ? 1 : 2;
    const int shift = down ? 1 : 0;
    const int x = inner.left + w / 2 + shift - d / 2;
    const int y = inner.top + h / 2 + shift - d / 2;
    PaintSymbol(dc,
                {TRect{x - g - d, y, x - g, y + d}, TRect{x, y, x + d, y + d}, TRect{x + d + g, y, x + 2 * d + g, y + d}},
                enabled);
}

void PaintPlusMinusButton(HDC dc, TRect rect, bool enabled, bool, bool flat, bool down, bool isPlus) {
    TRect inner = PaintSymbolBackground(dc, rect, flat, down);
    if (!flat) FillWithColor(dc, inner, GetSysColor(COLOR_BTNFACE));
    const int w = Width(inner);
    const int h = Height(inner);
    const int s = std::min(w, h);
    int l = std::max(s * 4 / 7, 1);
    const int t = std::max(l / 3, 1);
    if (flat) --l;
    if ((l & 1) != (s & 1)) ++l;
    if (isPlus && (l & 1) != (t & 1)) l += s < 12 ? 1 : -1;
    const int shift = down ? 1 : 0;
    const int x = inner.left + (w - l) / 2 + shift;
    const int y = inner.top + (h - t) / 2 + shift;
    std::vector<TRect> parts{TRect{x, y, x + l, y + t}};
    if (isPlus) {
        const int o = l / 2 - t / 2;
        parts.push_back(TRect{x + o, y - o, x + o + t, y - o + l});
    }
    PaintSymbol(dc, parts, enabled);
}

void PaintCheckBox(HDC dc, TRect rect, TCheckBoxState state, bool enabled, bool flat, bool down, bool active) {
    TRect square = CenteredSquare(rect);
    UINT flags = DFCS_BUTTONCHECK;
    if (state == cbChecked) flags |= DFCS_CHECKED;
    if (state == cbGrayed) flags |= DFCS_CHECKED | DFCS_BUTTON3STATE;
    if (!enabled) flags |= DFCS_INACTIVE;
    if (down) flags |= DFCS_PUSHED;
    if (!flat) {
        RECT r = square;
        DrawFrameControl(dc, &r, DFC_BUTTON, flags);
        return;
    }
    {
        SavedClipRegion clip(dc);
        const TRect inner = Shrunk(square, 1);
        IntersectClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
        RECT r = Shrunk(square, -1);
        DrawFrameControl(dc, &r, DFC_BUTTON, flags);
    }
    FrameWithColor(dc, Shrunk(square, 1), GetSysColor(active ? COLOR_BTNFACE : COLOR_BTNSHADOW));
}

void PaintOneButtonFace(HDC dc, TButtonFaceStyle style, TRect rect, bool enabled, bool flat, bool active, bool down,
                        bool lowerArrow) {
    std::unique_ptr<SavedClipRegion> clip;
    if (flat && active) {
        clip = std::make_unique<SavedClipRegion>(dc);
        ClipToDeviceRect(dc, Shrunk(rect, 1));
    }
    const int grow = !flat ? 0 : active ? 1 : 2;
    const TRect face = Shrunk(rect, -grow);
    switch (style) {
        case bfsDropDown:
            PaintDropDownButton(dc, face, enabled, flat, active, down);
            break;
        case bfsEllipsis:
            PaintEllipsisButton(dc, face, enabled, active, flat, down);
            break;
        case bfsUpDown:
            PaintUpDownButton(dc, face, enabled, flat, active, down, lowerArrow);
            break;
        case bfsPlus:
        case bfsMinus:
            PaintPlusMinusButton(dc, face, enabled, active, flat, down, style == bfsPlus);
            break;
        case bfsCheckBox:
            break;
    }
    if (!clip) return;
    clip.reset();
    RECT r = rect;
    DrawEdge(dc, &r, down ? BDR_SUNKENINNER : BDR_RAISEDINNER, BF_RECT);
}

void PaintEditButtonFace(HDC dc, TRect rect, TColor parentColor, TButtonFaceStyle style, int downButton, bool flat,
                         bool active, bool enabled, TCheckBoxState state) {
    if (style == bfsCheckBox) {
        TRect square = CenteredSquare(rect);
        if (flat) square = Shrunk(square, 1);
        PaintFace(dc, square, FaceKey(square, bfsCheckBox, flat, downButton != 0, active, enabled, false, state));
        if (!flat) return;
        square = Shrunk(square, -1);
        if (active) {
            RECT r = square;
            DrawEdge(dc, &r, BDR_SUNKENINNER, BF_RECT);
        } else {
            FrameWithColor(dc, square, ColorToRGB(parentColor));
        }
        return;
    }
    const bool flatInactive = flat && !active;
    if (flatInactive) rect = Shrunk(rect, 1);
    std::unique_ptr<SavedClipRegion> clip;
    if (flatInactive && !useFaceCache) {
        clip = std::make_unique<SavedClipRegion>(dc);
        ClipToDeviceRect(dc, rect);
    }
    if (style == bfsUpDown) {
        const int half = Height(rect) / 2;
        TRect upper(rect.left, rect.top, rect.right, rect.top + half);
        TRect lower(rect.left, rect.bottom - half, rect.right, rect.bottom);
        if (flatInactive) {
            upper = Shrunk(upper, 1);
            lower = Shrunk(lower, 1);
        }
        PaintFace(dc, upper, FaceKey(upper, bfsUpDown, flat, downButton == 1, active, enabled, false, cbUnchecked));
        PaintFace(dc, lower, FaceKey(lower, bfsUpDown, flat, downButton == 2, active, enabled, true, cbUnchecked));
        const bool odd = Height(rect) % 2 != 0;
        if (odd || flatInactive) {
            const int middle = (rect.top + rect.bottom) / 2;
            TRect band(rect.left, middle, rect.right, middle + (odd ? 1 : 0));
            if (flatInactive) {
                band.top -= 1;
                band.bottom += 1;
            }
            FillWithColor(dc, band, ColorToRGB(parentColor));
        }
    } else {
        PaintFace(dc, rect, FaceKey(rect, style, flat, downButton != 0, active, enabled, false, cbUnchecked));
    }
    clip.reset();
    if (flatInactive) FrameWithColor(dc, Shrunk(rect, -1), ColorToRGB(parentColor));
}

bool SameButtonFaceKey(const TButtonFaceKey& a, const TButtonFaceKey& b) {
    return a.Width == b.Width && a.Height == b.Height && a.Style == b.Style && a.Flat == b.Flat &&
           a.Pressed == b.Pressed && a.Active == b.Active && a.Enabled == b.Enabled && a.LowerArrow == b.LowerArrow &&
           a.CheckState == b.CheckState;
}

TBitmap* TButtonsBitmapCache::FaceBitmap(TButtonFaceKey key) {
    key.Width = std::max(key.Width, 0);
    key.Height = std::max(key.Height, 0);
    for (const Entry& entry : entries_)
        if (SameButtonFaceKey(entry.key, key)) return entry.bitmap.get();
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetWidth(key.Width);
    bitmap->SetHeight(key.Height);
    const HDC dc = bitmap->Canvas()->Handle();
    const TRect whole(0, 0, key.Width, key.Height);
    const TButtonFaceStyle style = static_cast<TButtonFaceStyle>(key.Style);
    if (style == bfsCheckBox)
        PaintCheckBox(dc, whole, static_cast<TCheckBoxState>(key.CheckState), key.Enabled, key.Flat, key.Pressed,
                      key.Active);
    else if (style <= bfsMinus)
        PaintOneButtonFace(dc, style, whole, key.Enabled, key.Flat, key.Active, key.Pressed, key.LowerArrow);
    entries_.push_back({key, std::move(bitmap)});
    return entries_.back().bitmap.get();
}

TButtonsBitmapCache* ButtonFaceCache() {
    static TButtonsBitmapCache cache;
    return &cache;
}

void FlushButtonFaceCache() { ButtonFaceCache()->Clear(); }
bool UseButtonFaceCache() { return useFaceCache; }
void SetUseButtonFaceCache(bool use) { useFaceCache = use; }

namespace {

SIZE CheckGlyphSize() {
    static const SIZE size = [] {
        SIZE result{13, 13};
        if (const HBITMAP bitmap = LoadBitmap(0, OBM_CHECKBOXES)) {
            BITMAP info{};
            if (GetObject(bitmap, sizeof(info), &info)) result = {info.bmWidth / 4, info.bmHeight / 3};
            DeleteObject(bitmap);
        }
        return result;
    }();
    return size;
}

}  // namespace

int CheckGlyphWidth() { return CheckGlyphSize().cx; }
int CheckGlyphHeight() { return CheckGlyphSize().cy; }

TRect PlaceCheckBoxRect(const TRect& client, TAlignment alignment, TTextLayout layout) {
    const int w = std::min(CheckGlyphWidth(), Width(client));
    const int h = std::min(CheckGlyphHeight(), Height(client));
    int left = client.left;
    int top = client.top;
    if (Width(client) > CheckGlyphWidth()) {
        if (alignment == taRightJustify) left = client.right - w;
        if (alignment == taCenter) left = client.left + Width(client) / 2 - w / 2;
    }
    if (Height(client) > CheckGlyphHeight()) {
        if (layout == tlCenter) top = client.top + Height(client) / 2 - h / 2;
        if (layout == tlBottom) top = client.bottom - h;
    }
    return TRect{left, top, left + w, top + h};
}

bool IsDoubleClickPair(TPoint first, TPoint second, unsigned intervalMs) {
    if (intervalMs > GetDoubleClickTime()) return false;
    return std::abs(first.x - second.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
           std::abs(first.y - second.y) <= GetSystemMetrics(SM_CYDOUBLECLK);
}

void PaintDottedLine(TCanvas* canvas, TPoint from, int length, bool horizontal, bool parity) {
    if (((from.x + from.y) % 2 != 0) != parity) {
        (horizontal ? from.x : from.y) += 1;
        --length;
    }
    if (length <= 0) return;
    const int dots = length / 2 + length % 2;
    std::vector<POINT> points;
    std::vector<DWORD> counts(static_cast<std::size_t>(dots), 2);
    for (int i = 0; i < dots; ++i) {
        const int x = horizontal ? from.x + 2 * i : from.x;
        const int y = horizontal ? from.y : from.y + 2 * i;
        points.push_back({x, y});
        points.push_back({horizontal ? x + 1 : x, horizontal ? y : y + 1});
    }
    PolyPolyline(canvas->Handle(), points.data(), counts.data(), static_cast<DWORD>(dots));
}

void PaintTreeElement(TCanvas* canvas, const TRect& rect, int element, bool parity) {
    const int cx = (rect.left + rect.right) / 2;
    const int cy = (rect.top + rect.bottom) / 2;
    canvas->Pen()->SetColor(clBtnShadow);
    canvas->Pen()->SetStyle(psSolid);
    canvas->Pen()->SetWidth(1);
    auto vertical = [&](int top, int bottom) { PaintDottedLine(canvas, {cx, top}, bottom - top, false, parity); };
    auto horizontal = [&](int left) { PaintDottedLine(canvas, {left, cy}, rect.right - left, true, false); };
    if (element >= 6) {
        if (element == 6 || element == 9) vertical(rect.top, rect.bottom);
        if (element == 7) vertical(rect.top, cy + 1);
        if (element == 8) vertical(cy, rect.bottom);
        if (element != 9) horizontal(cx);
        return;
    }
    const TRect box{cx - 4, cy - 4, cx + 5, cy + 5};
    horizontal(box.right + 1);
    if (element != 2 && element != 5) vertical(rect.top, box.top);
    if (element != 1 && element != 4) vertical(box.bottom + 1, rect.bottom);
    canvas->Brush()->SetColor(clWindow);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Rectangle(box.left, box.top, box.right, box.bottom);
    canvas->Pen()->SetColor(clWindowText);
    canvas->MoveTo(box.left + 2, cy);
    canvas->LineTo(box.right - 2, cy);
    if (element >= 3) {
        canvas->MoveTo(cx, box.top + 2);
        canvas->LineTo(cx, box.bottom - 2);
    }
}

COLORREF ImageListColorRef(TColor color) {
    if (color == clNone) return CLR_NONE;
    if (color == clDefault) return CLR_DEFAULT;
    return ColorToRGB(color);
}

void PaintListImage(HDC dc, const TRect& rect, TCustomImageList* images, int imageIndex, bool selected) {
    if (!images) return;
    const int x = rect.left + (Width(rect) - images->Width()) / 2;
    const int y = rect.top + (Height(rect) - images->Height()) / 2;
    const unsigned style = (images->ImageType() == itMask ? ILD_MASK : ILD_NORMAL) | (selected ? ILD_SELECTED : 0u);
    const COLORREF foreground = selected ? ColorToRGB(clHighlight) : ImageListColorRef(images->BlendColor());
    auto draw = [&] { images->DrawEx(dc, x, y, imageIndex, ImageListColorRef(images->BkColor()), foreground, style); };
    if (x >= rect.left && y >= rect.top && x + images->Width() <= rect.right && y + images->Height() <= rect.bottom) {
        draw();
        return;
    }
    SavedClipRegion clip(dc);
    IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    draw();
}
