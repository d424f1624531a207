// Colour arithmetic of the skin engine: weighted blends, a saturation
// measure, and gradient fills from a small ring of cached colour ramps.
#pragma once

#include <vector>

#include "platform/ui/colors.h"

// Weight below 100 is the percentage of C1, from 100 on it is per mille;
// system colours are resolved first.
COLORREF BlendColours(TColor c1, TColor c2, Integer weight);
// (max - min) / max of the channels scaled to 255; 200 for every colour
// whose channels are all below 160.
Integer ColourSaturation(COLORREF colour);

// The ring of ramps: a slot holds the ramp last built there.
constexpr int kColourRampSlots = 16;
int GetColourRamp(int count, COLORREF startColour, COLORREF endColour);
int FindColourRamp(int count, COLORREF startColour, COLORREF endColour);
int MakeColourRamp(int count, COLORREF startColour, COLORREF endColour);
const std::vector<COLORREF>& ColourRamp(int slot);

// One-pixel bands across the rectangle, top to bottom (Vertical) or left to
// right, from StartColour to EndColour; bands outside the clip box are
// not drawn.
void GradientFill(HDC dc, const TRect& rect, TColor startColour, TColor endColour, bool vertical);
