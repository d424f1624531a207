// Picture decoding over the platform's image reader. Pictures keep binary
// transparency (GIF, icons): pixels that are mostly transparent are painted
// in a key colour the picture does not use, and the bitmap leaves that colour
// out when it is drawn.
#include "stringgrid/html/BavGDIP.h"

#include <cmath>
#include <cstring>

#include "platform/ui/graphics.h"
#include "platform/gdi/imagecodecs.h"
#include "platform/gdi/wingdi.h"

namespace {

struct DibPixels {
    std::uint32_t* bits = nullptr;
    int width = 0, height = 0;
};

DibPixels PixelsOf(HBITMAP bitmap) {
    DIBSECTION ds{};
    GetObject(bitmap, sizeof ds, &ds);
    return {static_cast<std::uint32_t*>(ds.dsBm.bmBits), int(ds.dsBm.bmWidth), int(ds.dsBm.bmHeight)};
}

HBITMAP NewDib(int width, int height, void** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biBitCount = 32;
    return CreateDIBSection(0, &info, DIB_RGB_COLORS, bits, 0, 0);
}

// The part of a top-down 32-bit DIB inside `crop`, as a new DIB.
HBITMAP CropDib(HBITMAP source, const PictureCrop& crop) {
    DibPixels from = PixelsOf(source);
    void* bits = nullptr;
    HBITMAP cropped = NewDib(crop.width, crop.height, &bits);
    if (!cropped) return source;
    for (int y = 0; y < crop.height; ++y)
        std::memcpy(static_cast<std::uint32_t*>(bits) + std::size_t(y) * crop.width,
                    from.bits + std::size_t(crop.top + y) * from.width + crop.left, std::size_t(crop.width) * 4);
    DeleteObject(source);
    return cropped;
}

// Paints the transparent pixels in a colour no opaque pixel has and answers
// it; clNone when every pixel is opaque.
TColor KeyOutTransparency(HBITMAP bitmap) {
    DibPixels p = PixelsOf(bitmap);
    const std::size_t count = std::size_t(p.width) * std::size_t(p.height);
    bool transparent = false;
    for (std::size_t i = 0; i < count && !transparent; ++i) transparent = (p.bits[i] >> 24) < 128;
    if (!transparent) return clNone;
    auto used = [&](std::uint32_t colour) {
        for (std::size_t i = 0; i < count; ++i)
            if ((p.bits[i] >> 24) >= 128 && (p.bits[i] & 0xFFFFFF) == colour) return true;
        return false;
    };
    std::uint32_t key = 0xFF00FF;  // 0x00RRGGBB in the DIB
    while (used(key)) key -= 0x010001;
    for (std::size_t i = 0; i < count; ++i)
        p.bits[i] = (p.bits[i] >> 24) < 128 ? key : (p.bits[i] | 0xFF000000u);
    // The DIB holds blue, green, red; a colour value holds red first.
    return TColor(((key & 0xFF) << 16) | (key & 0xFF00) | ((key >> 16) & 0xFF));
}

}  // namespace

std::unique_ptr<TBitmap> DecodePictureBitmap(const std::string& data, const PictureCrop* crop) {
    HBITMAP handle = DecodeImage(data.data(), data.size());
    if (!handle) return nullptr;
    DibPixels whole = PixelsOf(handle);
    if (crop && crop->width > 0 && crop->height > 0 && crop->left + crop->width <= whole.width &&
        crop->top + crop->height <= whole.height && (crop->width < whole.width || crop->height < whole.height))
        handle = CropDib(handle, *crop);
    TColor key = KeyOutTransparency(handle);
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetHandle(handle);
    if (key != clNone) {
        bitmap->SetTransparentMode(tmFixed);
        bitmap->SetTransparentColor(key);
        bitmap->SetTransparent(true);
    }
    return bitmap;
}

TRect NaturalPictureRect(TCanvas* canvas, const TRect& rect, int width, int height) {
    HDC dc = canvas->Handle();
    return Rect(rect.left, rect.top, rect.left + MulDiv(width, GetDeviceCaps(dc, LOGPIXELSX), 96),
                rect.top + MulDiv(height, GetDeviceCaps(dc, LOGPIXELSY), 96));
}

TGPImageFormat ImageFormatOf(const std::string& d) {
    auto starts = [&](std::size_t at, std::string_view bytes) {
        return at + bytes.size() <= d.size() && d.compare(at, bytes.size(), bytes) == 0;
    };
    if (starts(0, "BM")) return ifBMP;
    if (starts(0, std::string_view("\x01\0\0\0", 4)) && starts(40, " EMF")) return ifEMF;
    if (starts(0, "\xD7\xCD\xC6\x9A") || starts(0, std::string_view("\x01\0\x09\0", 4)) ||
        starts(0, std::string_view("\x02\0\x09\0", 4)))
        return ifWMF;
    if (starts(0, "\xFF\xD8")) return starts(6, "Exif") ? ifEXIF : ifJPEG;
    if (starts(0, "\x89PNG")) return ifPNG;
    if (starts(0, "GIF8")) return ifGIF;
    if (starts(0, std::string_view("II*\0", 4)) || starts(0, std::string_view("MM\0*", 4))) return ifTIFF;
    if (starts(0, std::string_view("\0\0\x01\0", 4))) return ifIcon;
    return ifUndefined;
}

TGPImage::TGPImage(const std::string& data, bool)
    : format_(ImageFormatOf(data)), bitmap_(DecodePictureBitmap(data)) {
    if (!bitmap_) SetStatus(format_ == ifUndefined ? UnknownImageFormat : GenericError);
}

UINT TGPImage::GetWidth() {
    if (!bitmap_) return SetStatus(InvalidParameter), 0;
    return UINT(bitmap_->Width());
}

UINT TGPImage::GetHeight() {
    if (!bitmap_) return SetStatus(InvalidParameter), 0;
    return UINT(bitmap_->Height());
}

TStatus TGPGraphics::DrawImage(TGPImage* image, float x, float y, float width, float height) {
    if (!image || !image->Bitmap() || !dc_) return SetStatus(InvalidParameter);
    TCanvas canvas;
    CanvasOnDC scope(&canvas, dc_);
    canvas.StretchDraw(Rect(int(std::lround(x)), int(std::lround(y)), int(std::lround(x + width)),
                            int(std::lround(y + height))),
                       image->Bitmap());
    return Ok;
}
