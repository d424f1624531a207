// Two-colour ramps in ten shapes, and a parent's background painted into a
// transparent control's device context.
#pragma once

#include "platform/ui/controls.h"
#include "platform/ui/graphics.h"
#include "styled/VxTypes.h"

// Paints `rect` with a ramp between `startColor` and `stopColor`. Steps of
// one colour merge into bands of at least `quantum` steps (callers pass 1:
// every pixel gets its own step's colour).
void PaintColorRamp(TCanvas* canvas, const TRect& rect, TGradientDirection direction, TColor startColor,
                    TColor stopColor, Byte quantum);

// Lets `control`'s parent erase and paint itself into `dc`, shifted to the
// control's place. `invalidateParent` also repaints a parent that paints
// only what lies behind its children (not a custom control or a form).
void PaintParentBackground(TControl* control, HDC dc, bool invalidateParent);
