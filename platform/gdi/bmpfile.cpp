// BMP and icon-file reading and writing over the GDI's DIB functions.
#include "platform/gdi/bmpfile.h"

#include <cstring>
#include <vector>

#include "platform/gdi/imagecodecs.h"

namespace {

std::uint32_t U32(const unsigned char* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24); }
std::uint16_t U16(const unsigned char* p) { return std::uint16_t(p[0] | (p[1] << 8)); }

void Put32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out += char((v >> (8 * i)) & 0xFF);
}
void Put16(std::string& out, std::uint16_t v) {
    out += char(v & 0xFF);
    out += char(v >> 8);
}

}  // namespace

HBITMAP ReadBmp(const void* data, std::size_t size) {
    auto* p = static_cast<const unsigned char*>(data);
    if (!p || size < 26 || p[0] != 'B' || p[1] != 'M') return 0;
    std::uint32_t offBits = U32(p + 10);
    std::uint32_t headerSize = U32(p + 14);
    const unsigned char* h = p + 14;
    BITMAPINFO info{};
    BITMAPINFOHEADER& bi = info.bmiHeader;
    std::size_t tableEntry = 4;
    if (headerSize == 12) {
        bi.biWidth = U16(h + 4);
        bi.biHeight = std::int16_t(U16(h + 6));
        bi.biBitCount = U16(h + 10);
        tableEntry = 3;
    } else if (headerSize >= 40 && headerSize <= size - 14) {
        bi.biWidth = std::int32_t(U32(h + 4));
        bi.biHeight = std::int32_t(U32(h + 8));
        bi.biBitCount = U16(h + 14);
        bi.biCompression = U32(h + 16);
        bi.biXPelsPerMeter = std::int32_t(U32(h + 24));
        bi.biYPelsPerMeter = std::int32_t(U32(h + 28));
        bi.biClrUsed = U32(h + 32);
    } else {
        return 0;
    }
    if (bi.biWidth <= 0 || bi.biHeight == 0 || !BitmapSizeAllowed(bi.biWidth, bi.biHeight)) return 0;
    if (bi.biCompression != BI_RGB && bi.biCompression != BI_BITFIELDS) return 0;
    std::size_t tableAt = 14 + headerSize;
    if (bi.biCompression == BI_BITFIELDS) {
        // Masks follow a plain info header; later headers hold them inside.
        const std::size_t masks = headerSize == 40 ? tableAt : 14 + 40;
        if (masks + 12 > size) return 0;
        std::memcpy(info.bmiColors, p + masks, 12);
        if (headerSize == 40) tableAt += 12;
    } else if (bi.biBitCount <= 8) {
        std::size_t count = bi.biClrUsed ? std::min<std::size_t>(bi.biClrUsed, 256) : std::size_t(1) << bi.biBitCount;
        if (tableAt + count * tableEntry > size) return 0;
        for (std::size_t i = 0; i < count; ++i) {
            const unsigned char* e = p + tableAt + i * tableEntry;
            info.bmiColors[i] = {e[0], e[1], e[2], 0};
        }
        bi.biClrUsed = DWORD(count);
    }
    std::size_t rowBytes = std::size_t(DibRowBytes(bi.biWidth, bi.biBitCount));
    std::size_t imageBytes = rowBytes * std::size_t(std::abs(bi.biHeight));
    if (offBits > size || size - offBits < imageBytes) return 0;
    // 32-bit pictures become top-down sections, which the GDI draws on
    // without copying.
    bool flip = bi.biBitCount == 32 && bi.biCompression == BI_RGB && bi.biHeight > 0;
    if (flip) bi.biHeight = -bi.biHeight;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(0, &info, DIB_RGB_COLORS, &bits, 0, 0);
    if (!bitmap) return 0;
    if (!flip) {
        std::memcpy(bits, p + offBits, imageBytes);
        return bitmap;
    }
    int rows = -bi.biHeight;
    for (int y = 0; y < rows; ++y)
        std::memcpy(static_cast<unsigned char*>(bits) + size_t(y) * rowBytes, p + offBits + size_t(rows - 1 - y) * rowBytes,
                    rowBytes);
    return bitmap;
}

std::string WriteBmp(HBITMAP bitmap, int bitCount) {
    DIBSECTION ds{};
    int described = GetObject(bitmap, sizeof ds, &ds);
    if (!described) return {};
    if (bitCount == 0) bitCount = described == int(sizeof ds) ? ds.dsBmih.biBitCount : ds.dsBm.bmBitsPixel;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24) bitCount = 32;
    BITMAPINFO info{};
    info.bmiHeader.biWidth = ds.dsBm.bmWidth;
    info.bmiHeader.biHeight = ds.dsBm.bmHeight;
    info.bmiHeader.biBitCount = WORD(bitCount);
    std::vector<unsigned char> bits(std::size_t(DibRowBytes(ds.dsBm.bmWidth, bitCount)) * std::size_t(ds.dsBm.bmHeight));
    GetDIBits(0, bitmap, 0, UINT(ds.dsBm.bmHeight), bits.data(), &info, DIB_RGB_COLORS);
    std::uint32_t colors = bitCount <= 8 ? (1u << bitCount) : 0;
    std::uint32_t offBits = 14 + 40 + colors * 4;
    std::string out;
    out += "BM";
    Put32(out, offBits + std::uint32_t(bits.size()));
    Put32(out, 0);
    Put32(out, offBits);
    Put32(out, 40);
    Put32(out, std::uint32_t(info.bmiHeader.biWidth));
    Put32(out, std::uint32_t(info.bmiHeader.biHeight));
    Put16(out, 1);
    Put16(out, std::uint16_t(bitCount));
    Put32(out, BI_RGB);
    Put32(out, std::uint32_t(bits.size()));
    // The resolution the picture was read with; 96 dpi for one made here.
    const bool stored = described == int(sizeof ds) && ds.dsBmih.biXPelsPerMeter > 0 && ds.dsBmih.biYPelsPerMeter > 0;
    Put32(out, stored ? std::uint32_t(ds.dsBmih.biXPelsPerMeter) : 3780);
    Put32(out, stored ? std::uint32_t(ds.dsBmih.biYPelsPerMeter) : 3780);
    Put32(out, colors);
    Put32(out, 0);
    for (std::uint32_t i = 0; i < colors; ++i) {
        const RGBQUAD& q = info.bmiColors[i];
        out += char(q.rgbBlue);
        out += char(q.rgbGreen);
        out += char(q.rgbRed);
        out += char(0);
    }
    out.append(reinterpret_cast<const char*>(bits.data()), bits.size());
    return out;
}

namespace {

// The colour image and mask of one icon-file entry: a PNG, or a DIB of
// double height holding the colour rows and then the AND mask's rows.
bool DecodeIconImage(const unsigned char* p, std::size_t size, HBITMAP* color, HBITMAP* mask) {
    if (size >= 8 && std::memcmp(p, "\x89PNG", 4) == 0) {
        *color = DecodeImage(p, size);
        if (!*color) return false;
        BITMAP bm;
        GetObject(*color, sizeof bm, &bm);
        // Transparent where alpha is low.
        BITMAPINFO maskInfo{};
        maskInfo.bmiHeader.biWidth = bm.bmWidth;
        maskInfo.bmiHeader.biHeight = -bm.bmHeight;
        maskInfo.bmiHeader.biBitCount = 1;
        maskInfo.bmiColors[1] = {255, 255, 255, 0};
        int rowBytes = DibRowBytes(bm.bmWidth, 1);
        std::vector<unsigned char> maskBits(std::size_t(rowBytes) * std::size_t(bm.bmHeight), 0);
        auto* pixels = static_cast<const std::uint32_t*>(bm.bmBits);
        for (int y = 0; y < bm.bmHeight; ++y)
            for (int x = 0; x < bm.bmWidth; ++x)
                if ((pixels[std::size_t(y) * bm.bmWidth + x] >> 24) < 128)
                    maskBits[std::size_t(y) * rowBytes + x / 8] |= std::uint8_t(0x80 >> (x % 8));
        *mask = CreateBitmap(bm.bmWidth, bm.bmHeight, 1, 1, nullptr);
        SetDIBits(0, *mask, 0, UINT(bm.bmHeight), maskBits.data(), &maskInfo, DIB_RGB_COLORS);
        return true;
    }
    if (size < 40) return false;
    BITMAPINFO info{};
    std::memcpy(&info.bmiHeader, p, 40);
    BITMAPINFOHEADER& h = info.bmiHeader;
    h.biHeight /= 2;
    h.biSizeImage = 0;
    if (h.biWidth <= 0 || h.biHeight == 0 || h.biSize < 40 || h.biSize > size ||
        !BitmapSizeAllowed(h.biWidth, h.biHeight))
        return false;
    std::size_t colors = h.biBitCount <= 8 ? (h.biClrUsed ? h.biClrUsed : std::size_t(1) << h.biBitCount) : 0;
    std::size_t offset = h.biSize + colors * 4;
    std::size_t xorBytes = std::size_t(DibRowBytes(h.biWidth, h.biBitCount)) * std::size_t(std::abs(h.biHeight));
    std::size_t andBytes = std::size_t(DibRowBytes(h.biWidth, 1)) * std::size_t(std::abs(h.biHeight));
    if (colors > 256 || offset + xorBytes + andBytes > size) return false;
    std::memcpy(info.bmiColors, p + h.biSize, colors * 4);
    void* bits = nullptr;
    *color = CreateDIBSection(0, &info, DIB_RGB_COLORS, &bits, 0, 0);
    if (!*color) return false;
    std::memcpy(bits, p + offset, xorBytes);
    BITMAPINFO maskInfo{};
    maskInfo.bmiHeader.biWidth = h.biWidth;
    maskInfo.bmiHeader.biHeight = h.biHeight;
    maskInfo.bmiHeader.biBitCount = 1;
    maskInfo.bmiColors[1] = {255, 255, 255, 0};
    *mask = CreateBitmap(h.biWidth, std::abs(h.biHeight), 1, 1, nullptr);
    SetDIBits(0, *mask, 0, UINT(std::abs(h.biHeight)), p + offset + xorBytes, &maskInfo, DIB_RGB_COLORS);
    return true;
}

}  // namespace

bool ReadIco(const void* data, std::size_t size, HBITMAP* color, HBITMAP* mask) {
    *color = *mask = 0;
    auto* p = static_cast<const unsigned char*>(data);
    if (!p || size < 6 || p[0] || p[1] || p[2] != 1 || p[3]) return false;
    int count = p[4] | (p[5] << 8);
    int best = -1, bestArea = -1, bestBits = -1;
    for (int i = 0; i < count && 6 + std::size_t(i + 1) * 16 <= size; ++i) {
        const unsigned char* e = p + 6 + i * 16;
        int w = e[0] ? e[0] : 256, h = e[1] ? e[1] : 256, bits = e[6] | (e[7] << 8);
        if (w * h > bestArea || (w * h == bestArea && bits > bestBits)) {
            best = i;
            bestArea = w * h;
            bestBits = bits;
        }
    }
    if (best < 0) return false;
    const unsigned char* e = p + 6 + best * 16;
    std::uint32_t length = U32(e + 8), offset = U32(e + 12);
    if (offset > size || length > size - offset || !DecodeIconImage(p + offset, length, color, mask)) {
        if (*color) DeleteObject(*color);
        if (*mask) DeleteObject(*mask);
        *color = *mask = 0;
        return false;
    }
    return true;
}

namespace {

// A bitmap's pixels as bottom-up DIB rows of the given depth.
std::string BottomUpRows(HBITMAP bitmap, int width, int height, int bitCount) {
    BITMAPINFO info{};
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biBitCount = WORD(bitCount);
    std::string rows(std::size_t(DibRowBytes(width, bitCount)) * std::size_t(height), '\0');
    GetDIBits(0, bitmap, 0, UINT(height), rows.data(), &info, DIB_RGB_COLORS);
    return rows;
}

}  // namespace

std::string WriteIco(HBITMAP color, HBITMAP mask) {
    BITMAP bm{};
    if (!GetObject(color, sizeof bm, &bm)) return {};
    int width = bm.bmWidth, height = bm.bmHeight;
    std::string xorBits = BottomUpRows(color, width, height, 32), andBits = BottomUpRows(mask, width, height, 1);
    std::string image;
    Put32(image, 40);
    Put32(image, std::uint32_t(width));
    Put32(image, std::uint32_t(height * 2));
    Put16(image, 1);
    Put16(image, 32);
    for (int i = 0; i < 6; ++i) Put32(image, 0);
    image += xorBits + andBits;
    std::string out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, 1);
    out += char(width >= 256 ? 0 : width);
    out += char(height >= 256 ? 0 : height);
    out += '\0';
    out += '\0';
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, std::uint32_t(image.size()));
    Put32(out, 22);
    return out + image;
}
