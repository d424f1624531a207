// Bitmaps: device-dependent bitmaps, monochrome bitmaps and DIB sections,
// and the conversion of pixel rows between DIB layouts and 32-bit surfaces.
#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/rtl/kernel.h"
#include "platform/gdi/qt/gdi_internal.h"

namespace gdi {

std::uint32_t NearestMono(std::uint32_t p) {
    int sum = int((p >> 16) & 0xFF) + int((p >> 8) & 0xFF) + int(p & 0xFF);
    return sum >= 384 ? 0xFFFFFFFFu : 0xFF000000u;
}

namespace {

std::uint32_t QuadPixel(const RGBQUAD& q) { return 0xFF000000u | (q.rgbRed << 16) | (q.rgbGreen << 8) | q.rgbBlue; }

int NearestIndex(std::uint32_t p, const std::vector<RGBQUAD>& colors) {
    int best = 0;
    long bestDistance = -1;
    for (size_t i = 0; i < colors.size(); ++i) {
        long dr = long((p >> 16) & 0xFF) - colors[i].rgbRed;
        long dg = long((p >> 8) & 0xFF) - colors[i].rgbGreen;
        long db = long(p & 0xFF) - colors[i].rgbBlue;
        long d = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = int(i);
            if (d == 0) break;
        }
    }
    return best;
}

// Channel masks of a 16- or 32-bit row.
struct Masks {
    std::uint32_t r, g, b;
};

int ShiftOf(std::uint32_t mask) {
    int s = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++s;
    }
    return s;
}

int ExpandChannel(std::uint32_t value, std::uint32_t mask) {
    if (!mask) return 0;
    std::uint32_t max = mask >> ShiftOf(mask);
    return int(((value & mask) >> ShiftOf(mask)) * 255 / max);
}

std::uint32_t PackChannel(int value, std::uint32_t mask) {
    std::uint32_t max = mask >> ShiftOf(mask);
    return ((std::uint32_t(value) * max + 127) / 255) << ShiftOf(mask);
}

// Where pixel x of a row of 1, 4 or 8 bits per pixel sits: its byte and
// the shift of its bits within that byte.
std::pair<int, int> PackedPosition(int x, int bpp) {
    int perByte = 8 / bpp;
    return {x / perByte, 8 - bpp * (x % perByte + 1)};
}

void ReadRow(const std::uint8_t* row, int width, int bpp, const std::vector<RGBQUAD>& colors, Masks m,
             std::uint32_t* out) {
    for (int x = 0; x < width; ++x) {
        switch (bpp) {
            case 1:
            case 4:
            case 8: {
                auto [byte, shift] = PackedPosition(x, bpp);
                size_t index = (row[byte] >> shift) & ((1 << bpp) - 1);
                out[x] = index < colors.size() ? QuadPixel(colors[index]) : 0xFF000000u;
                break;
            }
            case 16: {
                std::uint32_t v = row[2 * x] | (row[2 * x + 1] << 8);
                out[x] = 0xFF000000u | (ExpandChannel(v, m.r) << 16) | (ExpandChannel(v, m.g) << 8) |
                         ExpandChannel(v, m.b);
                break;
            }
            case 24: out[x] = 0xFF000000u | (row[3 * x + 2] << 16) | (row[3 * x + 1] << 8) | row[3 * x]; break;
            default: {
                std::uint32_t v;
                std::memcpy(&v, row + 4 * x, 4);
                out[x] = m.r == 0xFF0000 ? (0xFF000000u | v)
                                         : 0xFF000000u | (ExpandChannel(v, m.r) << 16) |
                                               (ExpandChannel(v, m.g) << 8) | ExpandChannel(v, m.b);
            }
        }
    }
}

void WriteRow(const std::uint32_t* in, int width, int bpp, const std::vector<RGBQUAD>& colors, Masks m,
              std::uint8_t* row) {
    if (bpp <= 8) std::memset(row, 0, size_t(DibRowBytes(width, bpp)));
    for (int x = 0; x < width; ++x) {
        std::uint32_t p = in[x];
        int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
        switch (bpp) {
            case 1:
            case 4:
            case 8: {
                auto [byte, shift] = PackedPosition(x, bpp);
                row[byte] |= std::uint8_t(NearestIndex(p, colors) << shift);
                break;
            }
            case 16: {
                std::uint32_t v = PackChannel(r, m.r) | PackChannel(g, m.g) | PackChannel(b, m.b);
                row[2 * x] = std::uint8_t(v);
                row[2 * x + 1] = std::uint8_t(v >> 8);
                break;
            }
            case 24:
                row[3 * x] = std::uint8_t(b);
                row[3 * x + 1] = std::uint8_t(g);
                row[3 * x + 2] = std::uint8_t(r);
                break;
            default: {
                std::uint32_t v = m.r == 0xFF0000 ? (p & 0xFFFFFF) : PackChannel(r, m.r) | PackChannel(g, m.g) | PackChannel(b, m.b);
                std::memcpy(row + 4 * x, &v, 4);
            }
        }
    }
}

Masks MasksOf(const BITMAPINFO* info) {
    const BITMAPINFOHEADER& h = info->bmiHeader;
    if (h.biCompression == BI_BITFIELDS) {
        DWORD masks[3];
        std::memcpy(masks, info->bmiColors, sizeof masks);
        return {masks[0], masks[1], masks[2]};
    }
    if (h.biBitCount == 16) return {0x7C00, 0x03E0, 0x001F};
    return {0xFF0000, 0x00FF00, 0x0000FF};
}

int ColorCount(const BITMAPINFOHEADER& h) {
    if (h.biBitCount > 8) return 0;
    return h.biClrUsed ? int(std::min<DWORD>(h.biClrUsed, 1u << h.biBitCount)) : 1 << h.biBitCount;
}

std::vector<RGBQUAD> ColorsOf(const BITMAPINFO* info) {
    int n = ColorCount(info->bmiHeader);
    return std::vector<RGBQUAD>(info->bmiColors, info->bmiColors + n);
}

// The colour table GetDIBits reports for a depth when the bitmap has none of
// its own: black and white, the 16 VGA colours, or those followed by a
// 6x6x6 cube and greys.
std::vector<RGBQUAD> StandardColors(int bpp) {
    std::vector<RGBQUAD> c;
    if (bpp == 1) return {{0, 0, 0, 0}, {255, 255, 255, 0}};
    if (bpp == 4) {
        const COLORREF vga[16] = {RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
                                  RGB(0, 0, 128),     RGB(128, 0, 128), RGB(0, 128, 128), RGB(192, 192, 192),
                                  RGB(128, 128, 128), RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(255, 255, 0),
                                  RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255)};
        for (COLORREF v : vga) c.push_back({GetBValue(v), GetGValue(v), GetRValue(v), 0});
        return c;
    }
    c = StandardColors(4);
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b) c.push_back({BYTE(b * 51), BYTE(g * 51), BYTE(r * 51), 0});
    for (int i = 0; c.size() < 256; ++i) {
        BYTE v = BYTE(i * 255 / 39);
        c.push_back({v, v, v, 0});
    }
    return c;
}

// Whether the GDI makes a bitmap of this size; when not, the caller fails
// with the reason left for GetLastError.
bool SizeAllowed(std::int64_t width, std::int64_t height) {
    if (BitmapSizeAllowed(width, height)) return true;
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return false;
}

std::unique_ptr<Bitmap> NewBitmap(int width, int height, int bitsPixel) {
    auto b = std::make_unique<Bitmap>();
    b->image = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    b->image.fill(0xFF000000u);
    b->bitsPixel = bitsPixel;
    return b;
}

// Image rows <-> DIB bytes in the layout of `info` (bottom-up for a positive
// height), lines [start, start + lines) counted from the bottom for
// bottom-up DIBs as the platform counts them.
void ImageToDib(const QImage& image, const BITMAPINFO* info, const std::vector<RGBQUAD>& colors, UINT start,
                UINT lines, std::uint8_t* bits) {
    const BITMAPINFOHEADER& h = info->bmiHeader;
    int width = std::min<int>(h.biWidth, image.width());
    int rows = std::abs(h.biHeight);
    int rowBytes = DibRowBytes(h.biWidth, h.biBitCount);
    Masks m = MasksOf(info);
    std::vector<std::uint32_t> line(size_t(std::max(h.biWidth, 1)), 0xFF000000u);
    for (UINT i = 0; i < lines; ++i) {
        int dibRow = int(start + i);
        int y = h.biHeight > 0 ? rows - 1 - dibRow : dibRow;
        if (y < 0 || y >= image.height()) continue;
        std::memcpy(line.data(), image.constScanLine(y), size_t(width) * 4);
        WriteRow(line.data(), h.biWidth, h.biBitCount, colors, m, bits + size_t(i) * rowBytes);
    }
}

void DibToImage(const std::uint8_t* bits, const BITMAPINFO* info, const std::vector<RGBQUAD>& colors, UINT start,
                UINT lines, QImage& image) {
    const BITMAPINFOHEADER& h = info->bmiHeader;
    int rows = std::abs(h.biHeight);
    int rowBytes = DibRowBytes(h.biWidth, h.biBitCount);
    int width = std::min<int>(h.biWidth, image.width());
    Masks m = MasksOf(info);
    std::vector<std::uint32_t> line(size_t(std::max(h.biWidth, 1)));
    for (UINT i = 0; i < lines; ++i) {
        int dibRow = int(start + i);
        int y = h.biHeight > 0 ? rows - 1 - dibRow : dibRow;
        if (y < 0 || y >= image.height()) continue;
        ReadRow(bits + size_t(i) * rowBytes, h.biWidth, h.biBitCount, colors, m, line.data());
        std::memcpy(image.scanLine(y), line.data(), size_t(width) * 4);
    }
}

BITMAPINFO InfoOf(const Bitmap& b) {
    BITMAPINFO info{};
    info.bmiHeader = b.header;
    std::copy(b.colors.begin(), b.colors.end(), info.bmiColors);
    return info;
}

bool ValidDibHeader(const BITMAPINFOHEADER& h) {
    static const int depths[] = {1, 4, 8, 16, 24, 32};
    return h.biWidth > 0 && h.biHeight != 0 && BitmapSizeAllowed(h.biWidth, h.biHeight) && std::find(std::begin(depths), std::end(depths), h.biBitCount) != std::end(depths) &&
           (h.biCompression == BI_RGB || h.biCompression == BI_BITFIELDS);
}

}  // namespace

void Bitmap::PullFromDib() {
    if (!dibSection || shared) return;
    BITMAPINFO info = InfoOf(*this);
    DibToImage(bits.data(), &info, colors, 0, UINT(std::abs(header.biHeight)), image);
}

void Bitmap::PushToDib() {
    if (!dibSection || shared) return;
    BITMAPINFO info = InfoOf(*this);
    ImageToDib(image, &info, colors, 0, UINT(std::abs(header.biHeight)), bits.data());
}

}  // namespace gdi

using namespace gdi;

HBITMAP CreateBitmap(int width, int height, UINT, UINT bitCount, const void* bits) {
    if (width < 0 || height < 0 || !SizeAllowed(width, height)) return 0;
    if (width == 0 || height == 0) return AddBitmap(NewBitmap(1, 1, 1));
    auto b = NewBitmap(width, height, bitCount == 1 ? 1 : int(bitCount ? bitCount : 32));
    HBITMAP h = AddBitmap(std::move(b));
    if (bits) SetBitmapBits(h, DWORD(((std::int64_t(width) * (bitCount ? bitCount : 32) + 15) / 16) * 2 * height), bits);
    return h;
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
    DeviceContext* d = FindDC(dc);
    if (!d) return 0;
    Bitmap* current = SurfaceOf(*d);
    // Compatible with what the DC holds: a fresh memory DC holds the 1x1
    // monochrome bitmap, so its compatible bitmaps are monochrome.
    int bpp = current && d->memory && current->bitsPixel == 1 ? 1 : 32;
    if (width <= 0 || height <= 0 || !SizeAllowed(width, height)) return 0;
    return AddBitmap(NewBitmap(width, height, bpp));
}

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bits, HANDLE, DWORD) {
    if (bits) *bits = nullptr;
    if (!info || usage != DIB_RGB_COLORS) return 0;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    if (!SizeAllowed(h.biWidth, h.biHeight) || !ValidDibHeader(h)) return 0;
    auto b = NewBitmap(h.biWidth, std::abs(h.biHeight), h.biBitCount);
    b->dibSection = true;
    b->header = h;
    b->header.biSize = sizeof(BITMAPINFOHEADER);
    b->header.biSizeImage = DWORD(DibRowBytes(h.biWidth, h.biBitCount) * std::abs(h.biHeight));
    b->colors = ColorsOf(info);
    if (h.biCompression == BI_BITFIELDS) {
        b->colors.assign(info->bmiColors, info->bmiColors + 3);
    }
    b->bits.assign(b->header.biSizeImage, 0);
    if (h.biBitCount == 32 && h.biCompression == BI_RGB && h.biHeight < 0) {
        b->image = QImage(b->bits.data(), h.biWidth, -h.biHeight, h.biWidth * 4, QImage::Format_RGB32);
        b->shared = true;
    }
    b->PullFromDib();
    void* data = b->bits.data();
    HBITMAP handle = AddBitmap(std::move(b));
    if (bits) *bits = data;
    return handle;
}

HBITMAP CreateDIBitmap(HDC dc, const BITMAPINFOHEADER* header, DWORD init, const void* bits,
                       const BITMAPINFO* info, UINT usage) {
    if (!header || !SizeAllowed(header->biWidth, header->biHeight)) return 0;
    HBITMAP b = CreateBitmap(header->biWidth, std::abs(header->biHeight), 1, 32, nullptr);
    if (b && (init & CBM_INIT) && bits && info) SetDIBits(dc, b, 0, UINT(std::abs(header->biHeight)), bits, info, usage);
    return b;
}

int GetDIBits(HDC, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info, UINT) {
    Bitmap* b = FindBitmap(bitmap);
    if (!b || !info) return 0;
    b->PullFromDib();
    BITMAPINFOHEADER& h = info->bmiHeader;
    if (!bits && h.biBitCount == 0) {
        h.biWidth = b->image.width();
        h.biHeight = b->image.height();
        h.biPlanes = 1;
        h.biBitCount = WORD(b->dibSection ? b->header.biBitCount : b->bitsPixel == 1 ? 1 : 32);
        h.biCompression = BI_RGB;
        h.biSizeImage = DWORD(DibRowBytes(h.biWidth, h.biBitCount) * h.biHeight);
        return 1;
    }
    if (!ValidDibHeader(h)) return 0;
    std::vector<RGBQUAD> colors;
    if (h.biBitCount <= 8) {
        colors = b->dibSection && b->header.biBitCount == h.biBitCount ? b->colors : StandardColors(h.biBitCount);
        colors.resize(size_t(1) << h.biBitCount);
        std::copy(colors.begin(), colors.end(), info->bmiColors);
        h.biClrUsed = 0;
    }
    h.biSizeImage = DWORD(DibRowBytes(h.biWidth, h.biBitCount) * std::abs(h.biHeight));
    if (!bits) return int(lines);
    UINT rows = UINT(std::abs(h.biHeight));
    if (start >= rows) return 0;
    lines = std::min(lines, rows - start);
    ImageToDib(b->image, info, colors, start, lines, static_cast<std::uint8_t*>(bits));
    return int(lines);
}

int SetDIBits(HDC, HBITMAP bitmap, UINT start, UINT lines, const void* bits, const BITMAPINFO* info, UINT) {
    Bitmap* b = FindBitmap(bitmap);
    if (!b || !info || !bits || !ValidDibHeader(info->bmiHeader)) return 0;
    UINT rows = UINT(std::abs(info->bmiHeader.biHeight));
    if (start >= rows) return 0;
    lines = std::min(lines, rows - start);
    b->PullFromDib();
    DibToImage(static_cast<const std::uint8_t*>(bits), info, ColorsOf(info), start, lines, b->image);
    if (b->bitsPixel == 1 && !b->dibSection)
        for (int y = 0; y < b->image.height(); ++y) {
            auto* row = reinterpret_cast<std::uint32_t*>(b->image.scanLine(y));
            for (int x = 0; x < b->image.width(); ++x) row[x] = NearestMono(row[x]);
        }
    b->PushToDib();
    return int(lines);
}

namespace {

// Device-dependent rows: top-down, padded to 16 bits, 1 bit per pixel for a
// monochrome bitmap and 32 bits otherwise.
BITMAPINFO DdbLayout(const Bitmap& b) {
    BITMAPINFO info{};
    info.bmiHeader.biWidth = b.image.width();
    info.bmiHeader.biHeight = -b.image.height();
    info.bmiHeader.biBitCount = WORD(b.bitsPixel == 1 ? 1 : 32);
    info.bmiColors[1] = {255, 255, 255, 0};
    return info;
}

int DdbRowBytes(const Bitmap& b) { return ((b.image.width() * (b.bitsPixel == 1 ? 1 : 32) + 15) / 16) * 2; }

}  // namespace

LONG GetBitmapBits(HBITMAP bitmap, LONG size, void* bits) {
    Bitmap* b = FindBitmap(bitmap);
    if (!b) return 0;
    b->PullFromDib();
    BITMAPINFO info = DdbLayout(*b);
    int ddbRow = DdbRowBytes(*b), dibRow = DibRowBytes(b->image.width(), info.bmiHeader.biBitCount);
    LONG total = ddbRow * b->image.height();
    if (!bits) return total;
    std::vector<std::uint8_t> dib(size_t(dibRow) * b->image.height());
    ImageToDib(b->image, &info, StandardColors(1), 0, UINT(b->image.height()), dib.data());
    LONG copied = 0;
    for (int y = 0; y < b->image.height() && copied < size; ++y) {
        LONG n = std::min<LONG>(ddbRow, size - copied);
        std::memcpy(static_cast<std::uint8_t*>(bits) + copied, dib.data() + size_t(y) * dibRow, size_t(n));
        copied += n;
    }
    return copied;
}

LONG SetBitmapBits(HBITMAP bitmap, DWORD size, const void* bits) {
    Bitmap* b = FindBitmap(bitmap);
    if (!b || !bits) return 0;
    BITMAPINFO info = DdbLayout(*b);
    int ddbRow = DdbRowBytes(*b), dibRow = DibRowBytes(b->image.width(), info.bmiHeader.biBitCount);
    int rows = std::min<int>(b->image.height(), int(size / DWORD(ddbRow)));
    std::vector<std::uint8_t> dib(size_t(dibRow) * b->image.height(), 0);
    for (int y = 0; y < rows; ++y)
        std::memcpy(dib.data() + size_t(y) * dibRow, static_cast<const std::uint8_t*>(bits) + size_t(y) * ddbRow,
                    size_t(ddbRow));
    b->PullFromDib();
    DibToImage(dib.data(), &info, StandardColors(1), 0, UINT(rows), b->image);
    b->PushToDib();
    return LONG(rows * ddbRow);
}

BOOL GetBitmapDimensionEx(HBITMAP bitmap, SIZE* size) {
    if (!FindBitmap(bitmap) || !size) return FALSE;
    *size = {0, 0};
    return TRUE;
}
