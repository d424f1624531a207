// Length conversions: plain arithmetic, called for every coordinate drawn.
#include "report/core/qm_units.h"

#include <cmath>

namespace {

constexpr double kPixelsPerInch = 96;

double RoundTo(double value, double scale) { return std::nearbyint(value * scale) / scale; }

}  // namespace

double FromInternalUnits(Integer value, TQmUnitType unit) {
    const double millimetres = value / 1000.0;
    switch (unit) {
    case qmutScreenPixels: return RoundTo(millimetres * QmInchesPerMillimetre * kPixelsPerInch, 100);
    case qmutInches: return RoundTo(millimetres * QmInchesPerMillimetre, 10000);
    case qmutMillimeters: return millimetres;
    case qmutMMThousandths: return value;
    default: return 0;
    }
}

Integer ToInternalUnits(TQmUnitType unit, double value) {
    switch (unit) {
    case qmutScreenPixels: return static_cast<Integer>(std::nearbyint(value / kPixelsPerInch / QmInchesPerMillimetre * 1000));
    case qmutInches: return static_cast<Integer>(std::nearbyint(value / QmInchesPerMillimetre * 1000));
    case qmutMillimeters: return static_cast<Integer>(std::nearbyint(value * 1000));
    case qmutMMThousandths: return static_cast<Integer>(std::nearbyint(value));
    default: return 0;
    }
}

Integer UnitsToScreenPixels(TQmUnitType unit, double value) {
    return static_cast<Integer>(std::nearbyint(FromInternalUnits(ToInternalUnits(unit, value), qmutScreenPixels)));
}

double ScreenPixelsToUnits(Integer pixels, TQmUnitType unit) {
    return FromInternalUnits(ToInternalUnits(qmutScreenPixels, pixels), unit);
}
