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

TEST(BavUtilGraphics, LayeredCallsSucceedWithoutThePlatformFunctions) {
    BLENDFUNCTION blend{0, 0, 200, 0};
    EXPECT_EQ(CallUpdateLayeredWindow(0, 0, nullptr, nullptr, 0, nullptr, 0, &blend, 2), TRUE);
    EXPECT_EQ(CallSetLayeredWindowAttributes(0, 0, 128, 2), TRUE);
}

}  // namespace
