// Pixel tests of the skin bitmap transforms.
#include <gtest/gtest.h>

#include <functional>

#include "skin/SkinBitmaps.h"

namespace {

// A distinct colour for every pixel, so any misplaced pixel shows.
COLORREF PixelColour(int x, int y) { return RGB(static_cast<Byte>(10 + x), static_cast<Byte>(100 + y), 50); }

std::unique_ptr<TBitmap> Numbered(int width, int height) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) bitmap->Canvas()->SetPixels(x, y, PixelColour(x, y));
    }
    return bitmap;
}

struct TTransform {
    const char* name;
    void (*apply)(TBitmap*);
    bool turns;
    // Where source pixel (x, y) of a width x height bitmap lands.
    TPoint (*target)(int x, int y, int width, int height);
};

class SkinBitmapTransforms : public testing::TestWithParam<TTransform> {};

TEST_P(SkinBitmapTransforms, MovesEveryPixelWhereItBelongs) {
    const int width = 5, height = 3;
    auto bitmap = Numbered(width, height);
    GetParam().apply(bitmap.get());
    EXPECT_EQ(bitmap->Width(), GetParam().turns ? height : width);
    EXPECT_EQ(bitmap->Height(), GetParam().turns ? width : height);
    EXPECT_EQ(bitmap->PixelFormat(), pf24bit);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const TPoint at = GetParam().target(x, y, width, height);
            EXPECT_EQ(bitmap->Canvas()->Pixels(at.x, at.y), static_cast<TColor>(PixelColour(x, y))) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Transforms, SkinBitmapTransforms,
    testing::Values(
        TTransform{"Mirror", MirrorBitmap, false, [](int x, int y, int w, int) { return TPoint{w - 1 - x, y}; }},
        TTransform{"Flip", FlipBitmap, false, [](int x, int y, int, int h) { return TPoint{x, h - 1 - y}; }},
        TTransform{"RotateLeft", RotateBitmapLeft, true, [](int x, int y, int w, int) { return TPoint{y, w - 1 - x}; }},
        TTransform{"RotateRight", RotateBitmapRight, true,
                   [](int x, int y, int, int h) { return TPoint{h - 1 - y, x}; }}),
    [](const testing::TestParamInfo<TTransform>& info) { return info.param.name; });

TEST(SkinBitmaps, KeyColourReplacesExactlyMagenta) {
    auto bitmap = Numbered(3, 1);
    bitmap->Canvas()->SetPixels(0, 0, RGB(255, 0, 255));
    bitmap->Canvas()->SetPixels(1, 0, RGB(254, 0, 255));
    ReplaceKeyColour(bitmap.get(), RGB(1, 2, 3));
    EXPECT_EQ(bitmap->Canvas()->Pixels(0, 0), static_cast<TColor>(RGB(1, 2, 3)));
    EXPECT_EQ(bitmap->Canvas()->Pixels(1, 0), static_cast<TColor>(RGB(254, 0, 255)));
    EXPECT_EQ(bitmap->Canvas()->Pixels(2, 0), static_cast<TColor>(PixelColour(2, 0)));
}

}  // namespace
