// The frame primitives of the styled controls. Each draws with the canvas
// pen, one pixel wide, on half-open rectangles, and answers the rectangle
// left inside what it drew; a side whose colour is clNone is not drawn.
#pragma once

#include "platform/ui/graphics.h"
#include "styled/VxTypes.h"

// How far a frame style moves the sides it is drawn on inwards; the status
// and pop-up styles are `bevelWidth` deep.
int FrameStyleWidth(TFrameStyleEx style, int bevelWidth = 1);

// Left and top in `ul`, then right and bottom in `lr`. Every chosen side
// moves in by one, drawn or not.
TRect DrawEdgeSides(TCanvas* canvas, TRect rect, TColor ul, TColor lr, TSides sides);
// `count` rings of DrawEdgeSides, inwards.
TRect DrawEdgeBevel(TCanvas* canvas, TRect rect, TColor ul, TColor lr, TSides sides, int count);
TRect Draw3DEdge(TCanvas* canvas, TRect rect, bool lowered, TSides sides);
TRect DrawButtonEdge(TCanvas* canvas, TRect rect, bool down, TSides sides);
// Defined for the styles up to fsFlatBold; fsFlatRounded draws nothing here
// (DrawPanelBorders and DrawRoundedOutline draw it).
TRect DrawFrameStyleSides(TCanvas* canvas, TRect rect, TFrameStyleEx style, TSides sides);
TRect DrawFrameStyle(TCanvas* canvas, TRect rect, TFrameStyleEx style);
TRect DrawBoxOutline(TCanvas* canvas, TRect rect, TColor color);
// One line per chosen side, its ends pulled in by two where it meets another
// chosen side, with one pixel cutting each such corner.
TRect DrawRoundedOutline(TCanvas* canvas, TRect rect, TColor color, TSides sides);
// Four L-shaped marks `length` pixels long in the corners.
TRect DrawCornerTicks(TCanvas* canvas, TRect rect, TColor color, int length);

// The border stack of a styled panel, outside in: outer border, a band of
// `borderWidth` in `borderColor`, inner border. Flat styles draw in
// ShadeBy(flatColor, flatColorAdjustment); `parentColor` fills the cut
// corners of a rounded outer border. Answers the client rectangle.
struct TPanelBorders {
    TFrameStyleEx outer = fsNone, inner = fsNone;
    int borderWidth = 0;
    TSides sides = AllSides;
    int bevelWidth = 1;
    TColor borderColor = clBtnFace, borderHighlight = clBtnHighlight, borderShadow = clBtnShadow;
    TColor flatColor = clBtnShadow;
    int flatColorAdjustment = 0;
    TColor color = clBtnFace, parentColor = clBtnFace;
    bool transparent = false;
};
TRect DrawPanelBorders(TCanvas* canvas, const TRect& bounds, const TPanelBorders& borders);
