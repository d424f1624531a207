// Lengths of the report engine: thousandths of a millimetre inside, screen
// pixels (always 96 per inch), inches and millimetres outside. The inches
// per millimetre are the single-precision 0.03937 the stored reports were
// measured with, not 1/25.4.
#pragma once

#include "platform/rtl/types.h"
#include "report/core/qm_common.h"

constexpr double QmInchesPerMillimetre = 0.03937f;

// Pixels with two decimals, inches with four, millimetres unrounded,
// thousandths as they are; 0 for an unknown unit.
double FromInternalUnits(Integer value, TQmUnitType unit);
// Rounded half to even; 0 for an unknown unit.
Integer ToInternalUnits(TQmUnitType unit, double value);
Integer UnitsToScreenPixels(TQmUnitType unit, double value);
double ScreenPixelsToUnits(Integer pixels, TQmUnitType unit);
