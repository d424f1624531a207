// Pictures on screens and printers: a bitmap's stored resolution, drawing a
// graphic into a rectangle, and the device-compatible canvas on which
// printed pictures are composed (printers get device-independent bits, and
// transparent bitmaps a mask applied with AND and the image with XOR).
#include <cmath>
#include <vector>

#include "platform/rtl/streams.h"
#include "platform/gdi/wingdi.h"
#include "report/core/qm_utils.h"

namespace {

constexpr int kBitmapFileHeaderSize = 14;
constexpr int kBitmapInfoHeaderSize = 40;
// Destination AND NOT source: clears the image where the mask is white.
constexpr DWORD kDestAndNotSource = 0x00220326;

int ResolutionFromPixelsPerMetre(Integer pixelsPerMetre) {
    const int dpi = static_cast<int>(std::lround(pixelsPerMetre / 39.0));
    return dpi > 0 ? dpi : 96;
}

int Width(const TRect& r) { return r.right - r.left; }
int Height(const TRect& r) { return r.bottom - r.top; }

// The bitmap's pixels as a 32-bit top-down DIB.
struct DeviceIndependentBits {
    explicit DeviceIndependentBits(TBitmap* bitmap) {
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = bitmap->Width();
        info.bmiHeader.biHeight = -bitmap->Height();
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        pixels.resize(static_cast<std::size_t>(bitmap->Width()) * static_cast<std::size_t>(bitmap->Height()));
        HDC dc = CreateCompatibleDC(0);
        GetDIBits(dc, bitmap->Handle(), 0, static_cast<UINT>(bitmap->Height()), pixels.data(), &info,
                  DIB_RGB_COLORS);
        DeleteDC(dc);
    }
    BITMAPINFO info{};
    std::vector<std::uint32_t> pixels;
};

bool IsMonochromeDevice(HDC dc) { return GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES) == 1; }

// The graphic drawn on a bitmap of its size, or of a quarter of it when
// that fails; nullptr when neither can be made.
std::unique_ptr<TBitmap> GraphicAsBitmap(TGraphic* graphic) {
    for (int divisor : {1, 2}) {
        try {
            auto bitmap = std::unique_ptr<TBitmap>(TBitmap::Create());
            bitmap->SetSize(graphic->Width() / divisor, graphic->Height() / divisor);
            bitmap->Canvas()->StretchDraw(TRect{0, 0, bitmap->Width(), bitmap->Height()}, graphic);
            return bitmap;
        } catch (const Exception&) {
            // A picture too large for memory: try a smaller copy, then none.
        }
    }
    return nullptr;
}

void DrawPrintedBitmap(TCanvas* canvas, const TRect& rect, TBitmap* bitmap, bool transparent) {
    if (transparent)
        TQmDeviceCompatibleCanvas::DrawBitmap(canvas, rect, bitmap, SRCCOPY);
    else
        TQmDeviceCompatibleCanvas::StretchBitmap(canvas, rect, bitmap, SRCCOPY);
}

}  // namespace

void GetGraphicResolution(TGraphic* graphic, int& horizontal, int& vertical) {
    horizontal = vertical = 96;
    TMemoryStream stream;
    graphic->SaveToStream(&stream);
    if (stream.Size() < kBitmapFileHeaderSize + kBitmapInfoHeaderSize) return;
    stream.SetPosition(0);
    char signature[2];
    stream.ReadBuffer(signature, 2);
    if (signature[0] != 'B' || signature[1] != 'M') return;
    BITMAPINFOHEADER header;
    stream.SetPosition(kBitmapFileHeaderSize);
    stream.ReadBuffer(&header, kBitmapInfoHeaderSize);
    horizontal = ResolutionFromPixelsPerMetre(header.biXPelsPerMeter);
    vertical = ResolutionFromPixelsPerMetre(header.biYPelsPerMeter);
}

void DrawGraphic(TCanvas* canvas, const TRect& rect, TGraphic* graphic, bool transparent, bool direct,
                 bool printing) {
    if (!printing || dynamic_cast<TIcon*>(graphic)) {
        canvas->StretchDraw(rect, graphic);
        return;
    }
    if (auto* bitmap = dynamic_cast<TBitmap*>(graphic)) {
        if (direct && bitmap->Monochrome())
            canvas->StretchDraw(rect, bitmap);
        else
            DrawPrintedBitmap(canvas, rect, bitmap, transparent);
        return;
    }
    if (direct) {
        canvas->StretchDraw(rect, graphic);
        return;
    }
    if (std::unique_ptr<TBitmap> bitmap = GraphicAsBitmap(graphic)) {
        DrawPrintedBitmap(canvas, rect, bitmap.get(), transparent);
        return;
    }
    TQmDeviceCompatibleCanvas composed(canvas->Handle(), 0, Height(rect), Width(rect));
    composed.StretchDraw(TRect{0, 0, Width(rect), Height(rect)}, graphic);
    composed.Draw(rect, 0, transparent ? SRCAND : SRCCOPY);
}

TQmDeviceCompatibleCanvas::TQmDeviceCompatibleCanvas(HDC referenceDC, HPALETTE palette, int height, int width)
    : referenceDC_(referenceDC), width_(width), height_(height) {
    memoryDC_ = CreateCompatibleDC(referenceDC);
    bitmap_ = CreateCompatibleBitmap(referenceDC, width, height);
    oldBitmap_ = SelectObject(memoryDC_, bitmap_);
    oldPalette_ = SelectPalette(memoryDC_, palette ? palette : HPALETTE(GetStockObject(DEFAULT_PALETTE)), FALSE);
    paletteSelected_ = oldPalette_ != 0;
    RealizePalette(memoryDC_);
    PatBlt(memoryDC_, 0, 0, width, height, WHITENESS);
    SetMapMode(memoryDC_, MM_TEXT);
}

TQmDeviceCompatibleCanvas::~TQmDeviceCompatibleCanvas() {
    ReleaseHandle();
    if (paletteSelected_) SelectPalette(memoryDC_, oldPalette_, FALSE);
    SelectObject(memoryDC_, oldBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(memoryDC_);
}

void TQmDeviceCompatibleCanvas::CreateHandle() {
    AdjustFontResolution();
    SetHandle(memoryDC_);
}

void TQmDeviceCompatibleCanvas::Changing() {
    TCanvas::Changing();
    AdjustFontResolution();
}

void TQmDeviceCompatibleCanvas::AdjustFontResolution() {
    const int pixelsPerInch = GetDeviceCaps(referenceDC_, LOGPIXELSY);
    TFont* font = Font();
    if (font->PixelsPerInch() == pixelsPerInch) return;
    const Integer size = font->Size();
    font->SetPixelsPerInch(pixelsPerInch);
    font->SetSize(size);
}

void TQmDeviceCompatibleCanvas::Draw(const TRect& rect, HPALETTE palette, DWORD rop) {
    HPALETTE oldPalette = 0;
    if (palette) {
        oldPalette = SelectPalette(referenceDC_, palette, TRUE);
        RealizePalette(referenceDC_);
    }
    BitBlt(referenceDC_, rect.left, rect.top, Width(rect), Height(rect), memoryDC_, 0, 0, rop);
    if (palette) SelectPalette(referenceDC_, oldPalette, TRUE);
}

void TQmDeviceCompatibleCanvas::StretchBitmap(TCanvas* canvas, const TRect& rect, TBitmap* bitmap, DWORD rop) {
    const DeviceIndependentBits bits(bitmap);
    HDC dc = canvas->Handle();
    const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, rect.left, rect.top, Width(rect), Height(rect), 0, 0, bitmap->Width(), bitmap->Height(),
                  bits.pixels.data(), &bits.info, DIB_RGB_COLORS, rop);
    SetStretchBltMode(dc, oldMode);
}

void TQmDeviceCompatibleCanvas::DrawTransparentBitmap(TCanvas* canvas, const TRect& rect, TBitmap* bitmap) {
    HDC dc = canvas->Handle();
    const bool mono = IsMonochromeDevice(dc);
    const int width = mono ? Width(rect) : bitmap->Width();
    const int height = mono ? Height(rect) : bitmap->Height();
    const TRect area{0, 0, width, height};

    TQmDeviceCompatibleCanvas image(dc, 0, height, width);
    StretchBitmap(&image, area, bitmap, SRCCOPY);
    auto maskBitmap = std::unique_ptr<TBitmap>(TBitmap::Create());
    maskBitmap->Assign(bitmap);
    maskBitmap->Mask(clWhite);
    TQmDeviceCompatibleCanvas mask(dc, 0, height, width);
    StretchBitmap(&mask, area, maskBitmap.get(), SRCCOPY);
    BitBlt(image.Handle(), 0, 0, width, height, mask.Handle(), 0, 0, kDestAndNotSource);

    StretchBlt(dc, rect.left, rect.top, Width(rect), Height(rect), mask.Handle(), 0, 0, width, height, SRCAND);
    StretchBlt(dc, rect.left, rect.top, Width(rect), Height(rect), image.Handle(), 0, 0, width, height, SRCINVERT);
}

void TQmDeviceCompatibleCanvas::DrawBitmap(TCanvas* canvas, const TRect& rect, TBitmap* bitmap, DWORD rop) {
    if (GetDeviceCaps(canvas->Handle(), RASTERCAPS) & RC_STRETCHBLT)
        DrawTransparentBitmap(canvas, rect, bitmap);
    else
        StretchBitmap(canvas, rect, bitmap, rop);
}

TQmSelectedObject::TQmSelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), object_(object), old_(SelectObject(dc, object)) {}

TQmSelectedObject::~TQmSelectedObject() {
    SelectObject(dc_, old_);
    DeleteObject(object_);
}
