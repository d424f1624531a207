// The 24-bit BMP writer.
#include "tools/skinpack/BmpWriter.h"

#include <algorithm>

namespace {

void Put16(std::vector<Byte>& out, unsigned value) {
    out.push_back(static_cast<Byte>(value));
    out.push_back(static_cast<Byte>(value >> 8));
}

void Put32(std::vector<Byte>& out, unsigned value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

}  // namespace

void TArtImage::Fill(const TRect& rect, COLORREF colour) {
    for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, height); ++y) {
        for (int x = std::max(rect.left, 0); x < std::min(rect.right, width); ++x) At(x, y) = colour;
    }
}

std::vector<Byte> WriteBmp24(const TArtImage& image) {
    constexpr unsigned kHeaders = 14 + 40;
    const unsigned rowBytes = (static_cast<unsigned>(image.width) * 3 + 3) / 4 * 4;
    const unsigned dataBytes = rowBytes * static_cast<unsigned>(image.height);
    std::vector<Byte> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, kHeaders + dataBytes);
    Put32(out, 0);
    Put32(out, kHeaders);
    Put32(out, 40);
    Put32(out, static_cast<unsigned>(image.width));
    Put32(out, static_cast<unsigned>(image.height));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);  // BI_RGB
    Put32(out, dataBytes);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < image.width; ++x) {
            const COLORREF c = image.At(x, y);
            out.push_back(GetBValue(c));
            out.push_back(GetGValue(c));
            out.push_back(GetRValue(c));
        }
        out.resize(rowStart + rowBytes, 0);
    }
    return out;
}
