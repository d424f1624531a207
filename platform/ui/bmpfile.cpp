// BMP reading and writing over the GDI's DIB functions.
#include "platform/ui/bmpfile.h"

#include <cstring>
#include <vector>

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
    } else if (headerSize >= 40 && 14 + headerSize <= size) {
        bi.biWidth = std::int32_t(U32(h + 4));
        bi.biHeight = std::int32_t(U32(h + 8));
        bi.biBitCount = U16(h + 14);
        bi.biCompression = U32(h + 16);
        bi.biClrUsed = U32(h + 32);
    } else {
        return 0;
    }
    if (bi.biWidth <= 0 || bi.biHeight == 0 || bi.biWidth > 0x8000 || std::abs(bi.biHeight) > 0x8000) return 0;
    if (bi.biCompression != BI_RGB && bi.biCompression != BI_BITFIELDS) return 0;
    std::size_t tableAt = 14 + headerSize;
    if (bi.biCompression == BI_BITFIELDS) {
        // Masks follow a plain info header; later headers hold them inside.
        const unsigned char* masks = headerSize == 40 ? p + tableAt : h + 40;
        if (masks + 12 > p + size) return 0;
        std::memcpy(info.bmiColors, masks, 12);
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
    Put32(out, 3780);  // 96 dpi in pixels per metre
    Put32(out, 3780);
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
