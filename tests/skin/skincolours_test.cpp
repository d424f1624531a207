// Blends, saturation, the ramp ring and gradient fills.
#include <gtest/gtest.h>

#include "platform/gdi/sysparams.h"
#include "platform/ui/graphic.h"
#include "skin/SkinColours.h"

namespace {

struct TBlend {
    TColor c1, c2;
    Integer weight;
    COLORREF expected;
};

class SkinBlends : public testing::TestWithParam<TBlend> {};

TEST_P(SkinBlends, WeighsTheFirstColourAgainstTheSecond) {
    EXPECT_EQ(BlendColours(GetParam().c1, GetParam().c2, GetParam().weight), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Weights, SkinBlends,
    testing::Values(TBlend{0x808080, 0xFFFFFF, 150, 0xECECEC},  // (128*150 + 255*850 + 500) / 1000 = 236
                    TBlend{0x000000, 0xFFFFFF, 50, 0x808080},   // (255*50 + 50) / 100 = 128
                    TBlend{0x0000FF, 0xFF0000, 100, 0xE6001A},  // 100 per mille of red, 900 of blue
                    TBlend{0x102030, 0x000000, 99, 0x102030},   // 0x30 * 99 % = 47.52 rounds up
                    TBlend{0x0A0A0A, 0x000000, 94, 0x090909},
                    TBlend{0x102030, 0x405060, 0, 0x405060}));

TEST(SkinColours, BlendResolvesSystemColours) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(BlendColours(clBtnFace, clBtnFace, 30), face);
}

struct TSaturation {
    COLORREF colour;
    Integer expected;
};

class SkinSaturation : public testing::TestWithParam<TSaturation> {};

TEST_P(SkinSaturation, MeasuresTheColourfulness) { EXPECT_EQ(ColourSaturation(GetParam().colour), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Colours, SkinSaturation,
                         testing::Values(TSaturation{RGB(159, 0, 0), 200}, TSaturation{RGB(0, 0, 0), 200},
                                         TSaturation{RGB(255, 0, 0), 255}, TSaturation{RGB(200, 200, 200), 0},
                                         TSaturation{RGB(160, 80, 80), 128},     // 127.5 rounds to even
                                         TSaturation{RGB(255, 255, 0), 255}, TSaturation{RGB(200, 100, 100), 128}));

TEST(SkinColours, ThreeEntryRampFromBlackToRed) {
    const std::vector<COLORREF>& ramp = ColourRamp(MakeColourRamp(3, RGB(0, 0, 0), RGB(255, 0, 0)));
    EXPECT_EQ(ramp, (std::vector<COLORREF>{RGB(0, 0, 0), RGB(128, 0, 0), RGB(255, 0, 0)}));
}

TEST(SkinColours, SingleEntryRampIsHalfway) {
    EXPECT_EQ(ColourRamp(MakeColourRamp(1, RGB(10, 0, 0), RGB(21, 0, 0))), (std::vector<COLORREF>{RGB(15, 0, 0)}));
}

TEST(SkinColours, RampIsFoundAgainUntilSixteenOthersReplaceIt) {
    const int slot = GetColourRamp(7, RGB(0, 0, 0), RGB(60, 60, 60));
    EXPECT_EQ(GetColourRamp(7, RGB(0, 0, 0), RGB(60, 60, 60)), slot);
    EXPECT_EQ(FindColourRamp(8, RGB(0, 0, 0), RGB(60, 60, 60)), -1);
    for (int i = 0; i < kColourRampSlots; ++i) MakeColourRamp(2 + i, RGB(1, 1, 1), RGB(2, 2, 2));
    EXPECT_EQ(FindColourRamp(7, RGB(0, 0, 0), RGB(60, 60, 60)), -1);
}

TEST(SkinColours, FallingRampThatEndsShortIsNeverFound) {
    // (1 * -255 + 1) / 2 truncates to -127, so the last entry is 1, not 0.
    const int slot = GetColourRamp(3, RGB(255, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(ColourRamp(slot).back(), RGB(1, 0, 0));
    EXPECT_EQ(FindColourRamp(3, RGB(255, 0, 0), RGB(0, 0, 0)), -1);
}

TEST(SkinColours, GradientFillsBandsInsideTheClipOnly) {
    TBitmap bitmap;
    bitmap.SetSize(4, 6);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(TRect{0, 0, 4, 6});
    HRGN clip = CreateRectRgn(0, 0, 4, 4);
    SelectClipRgn(canvas->Handle(), clip);
    DeleteObject(clip);
    GradientFill(canvas->Handle(), TRect{0, 0, 4, 6}, RGB(0, 0, 0), RGB(0, 0, 250), true);
    SelectClipRgn(canvas->Handle(), 0);
    EXPECT_EQ(canvas->Pixels(0, 0), static_cast<TColor>(RGB(0, 0, 0)));
    EXPECT_EQ(canvas->Pixels(3, 1), static_cast<TColor>(RGB(0, 0, 50)));
    EXPECT_EQ(canvas->Pixels(2, 3), static_cast<TColor>(RGB(0, 0, 150)));
    EXPECT_EQ(canvas->Pixels(2, 5), static_cast<TColor>(clWhite));
}

}  // namespace
