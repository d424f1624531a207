// Frame primitives: edge rings, the frame styles' colour pairs, rounded
// outlines, corner ticks and the panel border stack.
#include "styled/VxBorders.h"

#include "styled/VxColors.h"

namespace {

void Line(TCanvas* canvas, TColor color, int x1, int y1, int x2, int y2) {
    if (color == clNone) return;
    canvas->Pen()->SetColor(color);
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
}

TRect Inset(TRect rect, TSides sides, int by) {
    if (sides.Contains(sdLeft)) rect.left += by;
    if (sides.Contains(sdTop)) rect.top += by;
    if (sides.Contains(sdRight)) rect.right -= by;
    if (sides.Contains(sdBottom)) rect.bottom -= by;
    return rect;
}

void Pixel(TCanvas* canvas, int x, int y, TColor color) { canvas->SetPixels(x, y, color); }

struct TEdgeColors {
    TColor ul, lr;
};

// Upper-left / lower-right pairs of the one-line and etched styles, and the
// outer pair of the two-level ones.
TEdgeColors OuterPair(TFrameStyleEx style) {
    switch (style) {
    case fsFlat: return {cl3DDkShadow, cl3DDkShadow};
    case fsGroove:
    case fsStatus:
    case fsFlatBold: return {clBtnShadow, style == fsFlatBold ? clBtnShadow : clBtnHighlight};
    case fsBump:
    case fsPopup: return {clBtnHighlight, clBtnShadow};
    case fsLowered: return {clBtnShadow, clBtnHighlight};
    case fsRaised: return {cl3DLight, cl3DDkShadow};
    case fsButtonDown: return {clBtnText, clBtnText};
    case fsButtonUp: return {clBtnHighlight, cl3DDkShadow};
    default: return {clNone, clNone};
    }
}

TEdgeColors InnerPair(TFrameStyleEx style) {
    switch (style) {
    case fsLowered: return {cl3DDkShadow, cl3DLight};
    case fsRaised: return {clBtnHighlight, clBtnShadow};
    case fsButtonDown: return {clBtnShadow, clBtnShadow};
    case fsButtonUp: return {cl3DLight, clBtnShadow};
    default: return {clNone, clNone};
    }
}

TRect DrawTwoLevels(TCanvas* canvas, TRect rect, TFrameStyleEx style, TSides sides) {
    const TEdgeColors outer = OuterPair(style), inner = InnerPair(style);
    rect = DrawEdgeSides(canvas, rect, outer.ul, outer.lr, sides);
    return DrawEdgeSides(canvas, rect, inner.ul, inner.lr, sides);
}

// The etched double line, its corner pixels set first so that sides left
// out end cleanly.
TRect DrawEtched(TCanvas* canvas, TRect r, TEdgeColors c, TSides sides) {
    const bool left = sides.Contains(sdLeft), top = sides.Contains(sdTop), right = sides.Contains(sdRight),
               bottom = sides.Contains(sdBottom);
    if (right)
        Pixel(canvas, r.right - 1, r.top, c.lr);
    else if (top)
        Pixel(canvas, r.right - 1, r.top, c.ul);
    if (bottom)
        Pixel(canvas, r.left, r.bottom - 1, c.lr);
    else if (left)
        Pixel(canvas, r.left, r.bottom - 1, c.ul);
    if (top && !left) Pixel(canvas, r.left, r.top + 1, c.lr);
    if (left && !top) Pixel(canvas, r.left + 1, r.top, c.lr);
    if (bottom && !right) Pixel(canvas, r.right - 1, r.bottom - 2, c.ul);
    if (right && !bottom) Pixel(canvas, r.right - 2, r.bottom - 1, c.ul);
    DrawEdgeSides(canvas, TRect(r.left + 1, r.top + 1, r.right, r.bottom), c.lr, c.lr, sides);
    DrawEdgeSides(canvas, TRect(r.left, r.top, r.right - 1, r.bottom - 1), c.ul, c.ul, sides);
    return Inset(r, sides, 2);
}

TRect Ring(TCanvas* canvas, const TRect& rect, TColor color, TSides sides) {
    return DrawEdgeSides(canvas, rect, color, color, sides);
}

}  // namespace

int FrameStyleWidth(TFrameStyleEx style, int bevelWidth) {
    switch (style) {
    case fsNone: return 0;
    case fsFlat: return 1;
    case fsStatus:
    case fsPopup: return bevelWidth;
    default: return 2;
    }
}

TRect DrawEdgeSides(TCanvas* canvas, TRect rect, TColor ul, TColor lr, TSides sides) {
    const int right = rect.right - 1, bottom = rect.bottom - 1;
    if (sides.Contains(sdLeft)) Line(canvas, ul, rect.left, rect.top, rect.left, rect.bottom);
    if (sides.Contains(sdTop)) Line(canvas, ul, rect.left, rect.top, rect.right, rect.top);
    if (sides.Contains(sdRight)) Line(canvas, lr, right, rect.top, right, rect.bottom);
    if (sides.Contains(sdBottom)) Line(canvas, lr, rect.left, bottom, rect.right, bottom);
    return Inset(rect, sides, 1);
}

TRect DrawEdgeBevel(TCanvas* canvas, TRect rect, TColor ul, TColor lr, TSides sides, int count) {
    for (int i = 0; i < count; ++i) rect = DrawEdgeSides(canvas, rect, ul, lr, sides);
    return rect;
}

TRect Draw3DEdge(TCanvas* canvas, TRect rect, bool lowered, TSides sides) {
    return DrawTwoLevels(canvas, rect, lowered ? fsLowered : fsRaised, sides);
}

TRect DrawButtonEdge(TCanvas* canvas, TRect rect, bool down, TSides sides) {
    return DrawTwoLevels(canvas, rect, down ? fsButtonDown : fsButtonUp, sides);
}

TRect DrawFrameStyleSides(TCanvas* canvas, TRect rect, TFrameStyleEx style, TSides sides) {
    const TEdgeColors pair = OuterPair(style);
    switch (style) {
    case fsFlat:
    case fsStatus:
    case fsPopup: return DrawEdgeSides(canvas, rect, pair.ul, pair.lr, sides);
    case fsFlatBold: return DrawEdgeBevel(canvas, rect, pair.ul, pair.lr, sides, 2);
    case fsLowered:
    case fsRaised:
    case fsButtonDown:
    case fsButtonUp: return DrawTwoLevels(canvas, rect, style, sides);
    case fsGroove:
    case fsBump: return DrawEtched(canvas, rect, pair, sides);
    default: return rect;
    }
}

TRect DrawFrameStyle(TCanvas* canvas, TRect rect, TFrameStyleEx style) {
    return DrawFrameStyleSides(canvas, rect, style, AllSides);
}

TRect DrawBoxOutline(TCanvas* canvas, TRect rect, TColor color) { return Ring(canvas, rect, color, AllSides); }

TRect DrawRoundedOutline(TCanvas* canvas, TRect r, TColor color, TSides sides) {
    const bool left = sides.Contains(sdLeft), top = sides.Contains(sdTop), right = sides.Contains(sdRight),
               bottom = sides.Contains(sdBottom);
    const int y0 = top ? r.top + 2 : r.top, y1 = bottom ? r.bottom - 2 : r.bottom;
    const int x0 = left ? r.left + 2 : r.left, x1 = right ? r.right - 2 : r.right;
    if (left) Line(canvas, color, r.left, y0, r.left, y1);
    if (top) Line(canvas, color, x0, r.top, x1, r.top);
    if (right) Line(canvas, color, r.right - 1, y0, r.right - 1, y1);
    if (bottom) Line(canvas, color, x0, r.bottom - 1, x1, r.bottom - 1);
    if (color != clNone) {
        if (left && top) Pixel(canvas, r.left + 1, r.top + 1, color);
        if (top && right) Pixel(canvas, r.right - 2, r.top + 1, color);
        if (right && bottom) Pixel(canvas, r.right - 2, r.bottom - 2, color);
        if (left && bottom) Pixel(canvas, r.left + 1, r.bottom - 2, color);
    }
    return TRect(x0, y0, x1, y1);
}

TRect DrawCornerTicks(TCanvas* canvas, TRect r, TColor color, int n) {
    const int right = r.right - 1, bottom = r.bottom - 1;
    const TPoint marks[4][3] = {
        {{r.left, r.top + n - 1}, {r.left, r.top}, {r.left + n, r.top}},
        {{right - n + 1, r.top}, {right, r.top}, {right, r.top + n}},
        {{right, bottom - n + 1}, {right, bottom}, {right - n, bottom}},
        {{r.left + n - 1, bottom}, {r.left, bottom}, {r.left, bottom - n}},
    };
    canvas->Pen()->SetColor(color);
    for (const auto& mark : marks) canvas->Polyline(mark, 3);
    return TRect(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1);
}

TRect DrawPanelBorders(TCanvas* canvas, const TRect& bounds, const TPanelBorders& b) {
    const TColor flat = ShadeBy(b.flatColor, b.flatColorAdjustment);
    const bool innerPresent = b.borderWidth > 0 || b.inner != fsNone;
    TRect r = bounds;
    switch (b.outer) {
    case fsFlat: r = Ring(canvas, r, flat, b.sides); break;
    case fsFlatBold: r = DrawEdgeBevel(canvas, r, flat, flat, b.sides, 2); break;
    case fsFlatRounded:
        if (!b.transparent)
            Ring(canvas, Ring(canvas, r, b.parentColor, b.sides), innerPresent ? b.borderColor : b.color, b.sides);
        else if (innerPresent)
            Ring(canvas, Inset(r, b.sides, 1), b.borderColor, b.sides);
        r = DrawRoundedOutline(canvas, r, flat, b.sides);
        break;
    case fsPopup: r = DrawEdgeBevel(canvas, r, b.borderHighlight, b.borderShadow, b.sides, b.bevelWidth); break;
    case fsStatus: r = DrawEdgeBevel(canvas, r, b.borderShadow, b.borderHighlight, b.sides, b.bevelWidth); break;
    default: r = DrawFrameStyleSides(canvas, r, b.outer, b.sides); break;
    }
    if (b.borderWidth > 0) r = DrawEdgeBevel(canvas, r, b.borderColor, b.borderColor, b.sides, b.borderWidth);
    switch (b.inner) {
    case fsFlat: return Ring(canvas, r, flat, b.sides);
    case fsFlatBold: return DrawEdgeBevel(canvas, r, flat, flat, b.sides, 2);
    case fsFlatRounded:
        if (b.transparent)
            Ring(canvas, r, b.borderColor, b.sides);
        else
            Ring(canvas, Ring(canvas, r, b.borderColor, b.sides), b.color, b.sides);
        return DrawRoundedOutline(canvas, r, flat, b.sides);
    case fsStatus: return DrawEdgeBevel(canvas, r, b.borderShadow, b.borderHighlight, b.sides, b.bevelWidth);
    case fsPopup: return DrawEdgeBevel(canvas, r, b.borderHighlight, b.borderShadow, b.sides, b.bevelWidth);
    default: return DrawFrameStyleSides(canvas, r, b.inner, b.sides);
    }
}
