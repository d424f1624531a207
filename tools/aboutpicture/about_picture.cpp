// Drawing the About picture and encoding it as a 16-colour BMP.
#include "tools/aboutpicture/about_picture.h"

#include <array>
#include <cstdint>

#include "tools/form_binary_text.h"

namespace serviora {
namespace {

// Colours in the order a BMP colour table stores them.
struct Bgr {
    std::uint8_t b, g, r;
};

// 0..7: the background from deep blue to teal; then the phone's colours.
constexpr int kGradientShades = 8;
enum : std::uint8_t { kBody = 8, kRim = 9, kScreen = 10, kGlare = 11, kGold = 12, kShadow = 13 };
constexpr std::array<Bgr, 16> kPalette = {{
    {96, 40, 24},    {112, 56, 28},  {124, 72, 30},   {134, 88, 32},  {142, 104, 34}, {150, 118, 36},
    {160, 134, 38},  {170, 150, 40}, {245, 245, 245}, {210, 205, 200}, {40, 30, 20},  {150, 110, 60},
    {60, 180, 230},  {60, 24, 16},   {0, 0, 0},       {255, 255, 255},
}};

// A 4 x 4 ordered-dither threshold, so the gradient shows no bands.
constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

bool InRoundedRect(int x, int y, int left, int top, int right, int bottom, int radius) {
    if (x < left || x > right || y < top || y > bottom) return false;
    const int cx = x < left + radius ? left + radius : x > right - radius ? right - radius : x;
    const int cy = y < top + radius ? top + radius : y > bottom - radius ? bottom - radius : y;
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

bool InCircle(int x, int y, int cx, int cy, int radius) {
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

std::uint8_t PixelAt(int x, int y) {
    if (InRoundedRect(x, y, 30, 26, 90, 158, 10)) {
        if (!InRoundedRect(x, y, 32, 28, 88, 156, 8)) return kRim;
        if (x >= 36 && x <= 84 && y >= 44 && y <= 132) {
            const int diagonal = (x - 36) + (132 - y);
            return diagonal > 70 && diagonal < 84 ? kGlare : kScreen;
        }
        if (y >= 35 && y <= 37 && x >= 50 && x <= 70) return kRim;
        if (InCircle(x, y, 60, 145, 7)) return InCircle(x, y, 60, 145, 5) ? kBody : kRim;
        return kBody;
    }
    if (InRoundedRect(x, y, 34, 30, 94, 162, 10)) return kShadow;
    if (y >= 168 && y <= 170 && x >= 16 && x <= 104) return kGold;
    const int level = (y * kGradientShades * 16) / kAboutPictureHeight + kBayer[y & 3][x & 3];
    const int shade = level / 16;
    return static_cast<std::uint8_t>(shade < kGradientShades ? shade : kGradientShades - 1);
}

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string AboutPictureBmp() {
    constexpr int stride = ((kAboutPictureWidth * 4 + 31) / 32) * 4;
    constexpr std::uint32_t pixelOffset = 14 + 40 + 16 * 4;
    constexpr std::uint32_t imageSize = stride * kAboutPictureHeight;
    std::string out;
    out += "BM";
    PutLittleEndian(out, pixelOffset + imageSize, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, pixelOffset, 4);
    PutLittleEndian(out, 40, 4);
    PutLittleEndian(out, kAboutPictureWidth, 4);
    PutLittleEndian(out, kAboutPictureHeight, 4);
    PutLittleEndian(out, 1, 2);   // planes
    PutLittleEndian(out, 4, 2);   // bits per pixel
    PutLittleEndian(out, 0, 4);   // uncompressed
    PutLittleEndian(out, imageSize, 4);
    PutLittleEndian(out, 3780, 4);  // 96 pixels per inch
    PutLittleEndian(out, 3780, 4);
    PutLittleEndian(out, 16, 4);
    PutLittleEndian(out, 0, 4);
    for (const Bgr& c : kPalette) {
        out += static_cast<char>(c.b);
        out += static_cast<char>(c.g);
        out += static_cast<char>(c.r);
        out += '\0';
    }
    for (int y = kAboutPictureHeight - 1; y >= 0; --y) {
        std::string row(stride, '\0');
        for (int x = 0; x < kAboutPictureWidth; ++x) {
            const std::uint8_t index = PixelAt(x, y);
            row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        out += row;
    }
    return out;
}

std::string AboutPictureData() {
    const std::string className = "TBitmap";
    return static_cast<char>(className.size()) + className + AboutPictureBmp();
}

std::string AboutPictureFormText(int indent) { return FormBinaryText("Picture.Data", AboutPictureData(), indent); }

}  // namespace serviora
