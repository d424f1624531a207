#include "stringgrid/html/GDIPicture.h"

#include <gtest/gtest.h>

#include "gif_builder.h"
#include "platform/rtl/streams.h"
#include "platform/ui/colors.h"
#include "platform/ui/graphics.h"
#include "platform/gdi/imagecodecs.h"
#include "stringgrid/html/BavGDIP.h"
#include "stringgrid/html/BavImage.h"

namespace {

// A 5 x 3 picture, green with a red top-left pixel, as PNG and BMP bytes.
TBitmap* Sample() {
    auto* bitmap = new TBitmap;
    bitmap->SetSize(5, 3);
    bitmap->Canvas()->Brush()->SetColor(clLime);
    bitmap->Canvas()->FillRect(Rect(0, 0, 5, 3));
    bitmap->Canvas()->SetPixels(0, 0, clRed);
    return bitmap;
}

std::string SampleBytes(bool png) {
    std::unique_ptr<TBitmap> bitmap(Sample());
    if (png) return EncodePng(bitmap->Handle());
    TStringStream stream;
    bitmap->SaveToStream(&stream);
    return stream.DataString();
}

TBitmap* White(int width, int height) {
    auto* target = new TBitmap;
    target->SetSize(width, height);
    target->Canvas()->Brush()->SetColor(clWhite);
    target->Canvas()->FillRect(Rect(0, 0, width, height));
    return target;
}

TEST(GDIPlus, ImageFormatsFromTheHeaderBytes) {
    struct Case {
        std::string bytes;
        TGPImageFormat format;
    };
    const Case cases[] = {
        {SampleBytes(false), ifBMP},
        {SampleBytes(true), ifPNG},
        {GifBuilder(1, 1).Frame(0, 0, 1, 1, 0, false).Done(), ifGIF},
        {std::string("\xFF\xD8\xFF\xE0", 4), ifJPEG},
        {std::string("\xFF\xD8\xFF\xE1\0\0Exif", 10), ifEXIF},
        {std::string("\0\0\x01\0", 4), ifIcon},
        {std::string("II*\0", 4), ifTIFF},
        {std::string("\xD7\xCD\xC6\x9A", 4), ifWMF},
        {"plain text", ifUndefined},
    };
    for (const Case& c : cases) EXPECT_EQ(TGPImage(c.bytes).GetFormat(), c.format) << c.bytes.substr(0, 4);

    TGPImage bad("plain text");
    EXPECT_EQ(bad.GetLastStatus(), UnknownImageFormat);
    EXPECT_EQ(bad.GetWidth(), 0u);
    TGPImage good(SampleBytes(true));
    EXPECT_EQ(good.GetLastStatus(), Ok);
    EXPECT_EQ(good.GetWidth(), 5u);
    EXPECT_EQ(good.GetHeight(), 3u);
}

TEST(GDIPPicture, KnowsItsSizeOnlyAfterDrawing) {
    TGDIPPicture picture;
    TStringStream png(SampleBytes(true));
    picture.LoadFromStream(&png);
    EXPECT_FALSE(picture.Empty());
    EXPECT_EQ(picture.Width(), 0);
    std::unique_ptr<TBitmap> target(White(10, 6));
    target->Canvas()->StretchDraw(Rect(0, 0, 10, 6), &picture);
    EXPECT_EQ(picture.Width(), 5);
    EXPECT_EQ(picture.Height(), 3);
    EXPECT_EQ(target->Canvas()->Pixels(1, 1), clRed) << "stretched twice";
    EXPECT_EQ(target->Canvas()->Pixels(9, 5), clLime);
}

TEST(GDIPPicture, BitmapsDrawAtNaturalSizeWithoutTheirCornerColour) {
    TGDIPPicture picture;
    TStringStream bmp(SampleBytes(false));
    picture.LoadFromStream(&bmp);
    std::unique_ptr<TBitmap> target(White(10, 6));
    target->Canvas()->StretchDraw(Rect(0, 0, 10, 6), &picture);
    EXPECT_EQ(target->Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(target->Canvas()->Pixels(1, 2), clWhite) << "the bottom-left colour is transparent";
    EXPECT_EQ(target->Canvas()->Pixels(6, 1), clWhite) << "natural size";

    int clears = 0;
    picture.SetOnClear([&](TObject*) { ++clears; });
    picture.Assign(nullptr);
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(clears, 1);
}

TEST(BavImage, AlwaysDrawsStretched) {
    TBavImage image;
    TStringStream png(SampleBytes(true));
    image.LoadFromStream(&png);
    EXPECT_EQ(image.Width(), 5);
    std::unique_ptr<TBitmap> target(White(10, 6));
    target->Canvas()->StretchDraw(Rect(0, 0, 10, 6), &image);
    EXPECT_EQ(target->Canvas()->Pixels(1, 1), clRed);
    EXPECT_EQ(target->Canvas()->Pixels(9, 5), clLime);

    TBavImage copy, empty;
    copy.Assign(&image);
    EXPECT_EQ(copy.Data(), image.Data());
    copy.Assign(&empty);
    EXPECT_FALSE(copy.Empty()) << "an empty source is not copied";
    TStringStream text("text");
    EXPECT_THROW(copy.LoadFromStream(&text), EInvalidGraphic);
}

}  // namespace
