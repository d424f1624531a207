// Pictures drawn by the engine: stored resolutions, stretching on screens,
// device-independent and transparent drawing for printers, and the
// device-compatible canvas.
#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/streams.h"
#include "platform/gdi/wingdi.h"
#include "report/core/qm_utils.h"

namespace {

std::unique_ptr<TBitmap> NewBitmap(int width, int height, TColor fill) {
    auto bitmap = std::unique_ptr<TBitmap>(TBitmap::Create());
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(width, height);
    bitmap->Canvas()->Brush()->SetColor(fill);
    bitmap->Canvas()->FillRect(TRect{0, 0, width, height});
    return bitmap;
}

// Red on the left, white on the right.
std::unique_ptr<TBitmap> RedAndWhite() {
    auto bitmap = NewBitmap(2, 1, clWhite);
    bitmap->Canvas()->SetPixels(0, 0, clRed);
    return bitmap;
}

TEST(QmGraphicResolution, FromTheBitmapHeaderElse96) {
    int horizontal = 0, vertical = 0;
    auto made = NewBitmap(2, 2, clWhite);  // stored with 3780 pixels per metre
    GetGraphicResolution(made.get(), horizontal, vertical);
    EXPECT_EQ(horizontal, 97);
    EXPECT_EQ(vertical, 97);

    TMemoryStream stream;
    made->SaveToStream(&stream);
    const Integer seventyTwoDpi = 2835;
    stream.SetPosition(38);
    stream.WriteBuffer(&seventyTwoDpi, 4);
    stream.SetPosition(0);
    auto loaded = std::unique_ptr<TBitmap>(TBitmap::Create());
    loaded->LoadFromStream(&stream);
    GetGraphicResolution(loaded.get(), horizontal, vertical);
    EXPECT_EQ(horizontal, 73);
    EXPECT_EQ(vertical, 97);

    auto icon = std::unique_ptr<TIcon>(TIcon::Create());
    GetGraphicResolution(icon.get(), horizontal, vertical);
    EXPECT_EQ(horizontal, 96);
}

TEST(QmDrawGraphic, StretchesOnScreenWhateverTheSwitches) {
    auto picture = RedAndWhite();
    for (bool transparent : {false, true})
        for (bool direct : {false, true}) {
            auto target = NewBitmap(20, 10, clGreen);
            DrawGraphic(target->Canvas(), TRect{0, 0, 20, 10}, picture.get(), transparent, direct, false);
            EXPECT_EQ(target->Canvas()->Pixels(2, 5), clRed);
            EXPECT_EQ(target->Canvas()->Pixels(17, 5), clWhite) << transparent << direct;
        }
}

TEST(QmDrawGraphic, PrintedBitmapsGoThroughIndependentBitsAndWhiteIsTheKey) {
    auto picture = RedAndWhite();
    auto target = NewBitmap(20, 10, clGreen);
    DrawGraphic(target->Canvas(), TRect{0, 0, 20, 10}, picture.get(), false, false, true);
    EXPECT_EQ(target->Canvas()->Pixels(2, 5), clRed);
    EXPECT_EQ(target->Canvas()->Pixels(17, 5), clWhite);

    target = NewBitmap(20, 10, clGreen);
    TQmDeviceCompatibleCanvas::DrawTransparentBitmap(target->Canvas(), TRect{0, 0, 20, 10}, picture.get());
    EXPECT_EQ(target->Canvas()->Pixels(2, 5), clRed);
    EXPECT_EQ(target->Canvas()->Pixels(17, 5), clGreen);
}

TEST(QmDeviceCompatibleCanvas, StartsWhiteAndCopiesIntoItsReference) {
    auto target = NewBitmap(30, 30, clGreen);
    {
        TQmDeviceCompatibleCanvas canvas(target->Canvas()->Handle(), 0, 10, 20);
        EXPECT_EQ(canvas.Pixels(19, 9), clWhite);
        canvas.Brush()->SetColor(clBlue);
        canvas.FillRect(TRect{0, 0, 5, 5});
        canvas.Draw(TRect{10, 10, 30, 20}, 0, SRCCOPY);
    }
    EXPECT_EQ(target->Canvas()->Pixels(12, 12), clBlue);
    EXPECT_EQ(target->Canvas()->Pixels(25, 15), clWhite);
    EXPECT_EQ(target->Canvas()->Pixels(5, 5), clGreen);
}

}  // namespace
