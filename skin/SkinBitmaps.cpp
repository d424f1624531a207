// Skin bitmap transforms. The mirror and flip work on the 24-bit rows; the
// quarter turns read the source as a 32-bit bottom-up DIB, as the painters
// that use them expect of the platform's bitmaps.
#include "skin/SkinBitmaps.h"

#include <cstring>
#include <functional>
#include <memory>
#include <vector>


namespace {

constexpr int kBytesPerPixel = 3;

Byte* Pixel(TBitmap* bitmap, int x, int y) { return static_cast<Byte*>(bitmap->ScanLine(y)) + x * kBytesPerPixel; }

// Builds a 24-bit result of the given size pixel by pixel and assigns it back.
void Rebuild(TBitmap* bitmap, int width, int height, const std::function<void(Byte* target, int x, int y)>& fill) {
    auto result = std::make_unique<TBitmap>();
    result->SetPixelFormat(pf24bit);
    result->SetSize(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) fill(Pixel(result.get(), x, y), x, y);
    }
    bitmap->Assign(result.get());
}

// The source pixels through GetDIBits: 32 bits each, bottom row first.
std::vector<RGBQUAD> DeviceIndependentPixels(TBitmap* bitmap) {
    BITMAPINFO info{};
    info.bmiHeader.biWidth = bitmap->Width();
    info.bmiHeader.biHeight = bitmap->Height();
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<RGBQUAD> pixels(static_cast<std::size_t>(bitmap->Width()) * bitmap->Height());
    HDC dc = CreateCompatibleDC(0);
    GetDIBits(dc, bitmap->Handle(), 0, static_cast<UINT>(bitmap->Height()), pixels.data(), &info, DIB_RGB_COLORS);
    DeleteDC(dc);
    return pixels;
}

void Rotate(TBitmap* bitmap, bool clockwise) {
    const int width = bitmap->Width(), height = bitmap->Height();
    const std::vector<RGBQUAD> source = DeviceIndependentPixels(bitmap);
    Rebuild(bitmap, height, width, [&](Byte* target, int x, int y) {
        const int sourceX = clockwise ? y : width - 1 - y;
        const int sourceY = clockwise ? height - 1 - x : x;
        const RGBQUAD& pixel = source[static_cast<std::size_t>(height - 1 - sourceY) * width + sourceX];
        target[0] = pixel.rgbBlue;
        target[1] = pixel.rgbGreen;
        target[2] = pixel.rgbRed;
    });
}

}  // namespace

void ReplaceKeyColour(TBitmap* bitmap, COLORREF colour) {
    bitmap->SetPixelFormat(pf24bit);
    for (int y = 0; y < bitmap->Height(); ++y) {
        for (int x = 0; x < bitmap->Width(); ++x) {
            Byte* pixel = Pixel(bitmap, x, y);
            if (pixel[0] == 255 && pixel[1] == 0 && pixel[2] == 255) {
                pixel[0] = GetBValue(colour);
                pixel[1] = GetGValue(colour);
                pixel[2] = GetRValue(colour);
            }
        }
    }
}

void MirrorBitmap(TBitmap* bitmap) {
    bitmap->SetPixelFormat(pf24bit);
    const int width = bitmap->Width();
    Rebuild(bitmap, width, bitmap->Height(), [bitmap, width](Byte* target, int x, int y) {
        std::memcpy(target, Pixel(bitmap, width - 1 - x, y), kBytesPerPixel);
    });
}

void FlipBitmap(TBitmap* bitmap) {
    bitmap->SetPixelFormat(pf24bit);
    const int height = bitmap->Height();
    Rebuild(bitmap, bitmap->Width(), height, [bitmap, height](Byte* target, int x, int y) {
        std::memcpy(target, Pixel(bitmap, x, height - 1 - y), kBytesPerPixel);
    });
}

void RotateBitmapLeft(TBitmap* bitmap) { Rotate(bitmap, false); }

void RotateBitmapRight(TBitmap* bitmap) { Rotate(bitmap, true); }
