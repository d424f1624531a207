// Length conversions with the engine's single-precision inch constant and
// 96 pixels per inch.
#include <gtest/gtest.h>

#include "report/core/qm_units.h"

namespace {

TEST(QmUnits, FromInternalUnits) {
    EXPECT_DOUBLE_EQ(FromInternalUnits(25400, qmutInches), 1.0);
    EXPECT_DOUBLE_EQ(FromInternalUnits(1000, qmutScreenPixels), 3.78);
    EXPECT_DOUBLE_EQ(FromInternalUnits(1500, qmutMillimeters), 1.5);
    EXPECT_DOUBLE_EQ(FromInternalUnits(1500, qmutMMThousandths), 1500);
    EXPECT_DOUBLE_EQ(FromInternalUnits(1500, static_cast<TQmUnitType>(7)), 0);
}

TEST(QmUnits, ToInternalUnitsRoundsHalfToEven) {
    EXPECT_EQ(ToInternalUnits(qmutScreenPixels, 2), 529);
    EXPECT_EQ(ToInternalUnits(qmutMMThousandths, 2.5), 2);
    EXPECT_EQ(ToInternalUnits(qmutMMThousandths, 3.5), 4);
    EXPECT_EQ(ToInternalUnits(qmutInches, 1), 25400);
    EXPECT_EQ(ToInternalUnits(qmutMillimeters, 15), 15000);
    EXPECT_EQ(ToInternalUnits(static_cast<TQmUnitType>(7), 15), 0);
}

TEST(QmUnits, ScreenPixelsBothWays) {
    EXPECT_EQ(UnitsToScreenPixels(qmutMillimeters, 10), 38);
    EXPECT_EQ(UnitsToScreenPixels(qmutInches, 1), 96);
    EXPECT_DOUBLE_EQ(ScreenPixelsToUnits(96, qmutInches), 1.0);
    EXPECT_DOUBLE_EQ(ScreenPixelsToUnits(1, qmutMMThousandths), 265);
}

}  // namespace
