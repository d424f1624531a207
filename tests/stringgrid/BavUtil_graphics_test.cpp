#include "stringgrid/BavUtil.h"

#include <gtest/gtest.h>

#include "platform/ui/colors.h"
#include "platform/ui/graphic.h"

namespace {

TEST(BavUtilGraphics, DimColorHalvesEveryComponent) {
    EXPECT_EQ(DimColor(TColor(0x00FF8001)), 0x007F4000u);
    EXPECT_EQ(DimColor(clWhite), 0x007F7F7Fu);
    EXPECT_EQ(DimColor(clBtnFace), (ColorToRGB(clBtnFace) >> 1) & 0x7F7F7F) << "system colours are resolved first";
}

TEST(BavUtilGraphics, TransparentBitmapTakesTheBackColourForItsCornerColour) {
    TBitmap glyph;
    glyph.SetSize(3, 2);
    glyph.Canvas()->Brush()->SetColor(clFuchsia);
    glyph.Canvas()->FillRect(Rect(0, 0, 3, 2));
    glyph.Canvas()->SetPixels(1, 1, clNavy);
    TBitmap target;
    target.SetSize(6, 6);
    target.Canvas()->Brush()->SetColor(clWhite);
    target.Canvas()->FillRect(Rect(0, 0, 6, 6));
    DrawTransparentBitmap(target.Canvas(), &glyph, clYellow, Rect(2, 3, 20, 20));
    EXPECT_EQ(target.Canvas()->Pixels(2, 3), clYellow);
    EXPECT_EQ(target.Canvas()->Pixels(3, 4), clNavy);
    EXPECT_EQ(target.Canvas()->Pixels(5, 3), clWhite) << "drawn in its own size";
    EXPECT_EQ(target.Canvas()->Pixels(1, 3), clWhite);
}

TEST(BavUtilGraphics, GradientsRunInBands) {
    TBitmap target;
    target.SetSize(40, 10);
    TCanvas* canvas = target.Canvas();
    DrawGradient(canvas, clRed, clNone, 8, Rect(0, 0, 40, 10), true);
    EXPECT_EQ(canvas->Pixels(39, 9), clRed) << "no second colour: a plain fill";
    DrawGradient(canvas, clBlack, clWhite, 2, Rect(0, 0, 40, 10), true);
    EXPECT_EQ(canvas->Pixels(5, 5), clBlack);
    EXPECT_EQ(canvas->Pixels(30, 5), TColor(0x808080)) << "the second of two bands is half way";
    DrawGradient(canvas, clBlue, clRed, 0, Rect(0, 0, 40, 10), false);
    EXPECT_EQ(canvas->Pixels(20, 9), clBlue) << "zero steps draw one band";
    DrawGradient(canvas, clBlack, clWhite, 2, Rect(0, 0, 40, 10), false);
    EXPECT_EQ(canvas->Pixels(20, 2), clBlack);
    EXPECT_EQ(canvas->Pixels(20, 8), TColor(0x808080));

    EXPECT_EQ(BlendGradientColor(clBlack, clWhite, 0, 100, 40), TColor(0x666666));
    EXPECT_EQ(BlendGradientColor(clRed, clNone, 0, 100, 50), clRed);
    EXPECT_EQ(BlendGradientColor(clRed, clBlue, 0, 0, 7), clRed) << "an empty range keeps the start colour";
}

TEST(BavUtilGraphics, LayeredCallsSucceedWithoutThePlatformFunctions) {
    BLENDFUNCTION blend{0, 0, 200, 0};
    EXPECT_EQ(CallUpdateLayeredWindow(0, 0, nullptr, nullptr, 0, nullptr, 0, &blend, 2), TRUE);
    EXPECT_EQ(CallSetLayeredWindowAttributes(0, 0, 128, 2), TRUE);
}

}  // namespace
