// Drawing the toolbar glyphs and encoding them as the image list stores them.
#include "tools/toolglyphs/toolbar_glyphs.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <functional>

#include "tools/form_binary_text.h"

namespace serviora {
namespace {

constexpr int N = kToolbarGlyphSize;

struct Rgb {
    std::uint8_t r, g, b;
};

// A glyph being drawn: unset pixels stay transparent.
class Glyph {
public:
    void Set(int x, int y, Rgb c) {
        if (x < 0 || y < 0 || x >= N || y >= N) return;
        pixels_[y * N + x] = c;
        set_[y * N + x] = true;
    }
    // Every pixel of [left, right) x [top, bottom) for which `inside` holds.
    void Paint(int left, int top, int right, int bottom, Rgb c, const std::function<bool(int, int)>& inside) {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (inside(x, y)) Set(x, y, c);
    }
    void Box(int left, int top, int right, int bottom, Rgb c) {
        Paint(left, top, right, bottom, c, [](int, int) { return true; });
    }
    void RoundBox(int left, int top, int right, int bottom, int radius, Rgb c) {
        Paint(left, top, right, bottom, c, [=](int x, int y) {
            const int cx = std::clamp(x, left + radius, right - 1 - radius);
            const int cy = std::clamp(y, top + radius, bottom - 1 - radius);
            return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
        });
    }
    void Disc(int cx, int cy, int radius, Rgb c) {
        Paint(cx - radius, cy - radius, cx + radius + 1, cy + radius + 1, c,
              [=](int x, int y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius; });
    }
    // A line `width` pixels thick from (x0, y0) to (x1, y1).
    void Stroke(int x0, int y0, int x1, int y1, int width, Rgb c) {
        const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0)) * 2 + 1;
        for (int i = 0; i <= steps; ++i)
            Disc(x0 + (x1 - x0) * i / steps, y0 + (y1 - y0) * i / steps, width / 2, c);
    }
    // The triangle through three points, filled.
    void Triangle(int ax, int ay, int bx, int by, int cx, int cy, Rgb c) {
        auto side = [](int px, int py, int qx, int qy, int x, int y) {
            return (qx - px) * (y - py) - (qy - py) * (x - px);
        };
        Paint(0, 0, N, N, c, [=](int x, int y) {
            const int d1 = side(ax, ay, bx, by, x, y), d2 = side(bx, by, cx, cy, x, y), d3 = side(cx, cy, ax, ay, x, y);
            return (d1 >= 0 && d2 >= 0 && d3 >= 0) || (d1 <= 0 && d2 <= 0 && d3 <= 0);
        });
    }

    Rgb At(int x, int y) const { return pixels_[y * N + x]; }
    bool IsSet(int x, int y) const { return set_[y * N + x]; }

private:
    std::array<Rgb, N * N> pixels_{};
    std::array<bool, N * N> set_{};
};

constexpr Rgb kCase{60, 64, 72}, kScreen{120, 190, 235}, kKey{200, 205, 210}, kBlue{30, 90, 200},
    kGreen{30, 150, 60}, kRed{210, 40, 30}, kOrange{235, 140, 40}, kPaper{250, 250, 245}, kInk{120, 120, 130},
    kGold{220, 170, 40}, kDarkGold{150, 110, 20}, kWood{150, 95, 50}, kWhite{255, 255, 255};

// A handset standing at the left of the glyph.
void Phone(Glyph& g) {
    g.RoundBox(3, 3, 17, 29, 3, kCase);
    g.Box(5, 7, 15, 20, kScreen);
    g.Box(8, 4, 12, 5, kKey);
    g.Disc(10, 24, 2, kKey);
}

void Reception(Glyph& g) {
    Phone(g);
    g.Disc(24, 12, 4, kOrange);
    g.RoundBox(17, 18, 31, 30, 4, kOrange);
}

void ToFactory(Glyph& g) {
    Phone(g);
    g.Stroke(17, 16, 25, 16, 4, kBlue);
    g.Triangle(24, 9, 31, 16, 24, 23, kBlue);
}

void FromFactory(Glyph& g) {
    Phone(g);
    g.Stroke(22, 16, 30, 16, 4, kGreen);
    g.Triangle(23, 9, 16, 16, 23, 23, kGreen);
}

void Delivery(Glyph& g) {
    Phone(g);
    g.Stroke(17, 18, 22, 24, 4, kGreen);
    g.Stroke(22, 24, 30, 10, 4, kGreen);
}

void Report(Glyph& g) {
    g.Box(4, 2, 22, 28, kInk);
    g.Box(5, 3, 21, 27, kPaper);
    for (int y = 7; y <= 19; y += 4) g.Box(8, y, 18, y + 2, kInk);
    g.Disc(21, 20, 6, kBlue);
    g.Disc(21, 20, 4, kScreen);
    g.Stroke(25, 24, 29, 28, 4, kBlue);
}

void Help(Glyph& g) {
    g.Disc(16, 16, 14, kBlue);
    g.Stroke(11, 11, 13, 8, 4, kWhite);
    g.Stroke(13, 8, 19, 8, 4, kWhite);
    g.Stroke(19, 8, 21, 11, 4, kWhite);
    g.Stroke(21, 11, 16, 16, 4, kWhite);
    g.Stroke(16, 16, 16, 19, 4, kWhite);
    g.Disc(16, 24, 2, kWhite);
}

void Leave(Glyph& g) {
    g.Paint(0, 0, N, 16, kInk, [](int x, int y) {
        const int d = (x - 16) * (x - 16) + (y - 12) * (y - 12);
        return d <= 64 && d > 25;
    });
    g.RoundBox(6, 14, 27, 30, 3, kGold);
    g.Box(8, 16, 25, 17, kDarkGold);
    g.Disc(16, 21, 2, kDarkGold);
    g.Box(15, 22, 18, 27, kDarkGold);
}

void Exit(Glyph& g) {
    g.Box(4, 2, 20, 30, kWood);
    g.Box(7, 5, 17, 27, Rgb{180, 125, 70});
    g.Disc(15, 17, 1, kGold);
    g.Stroke(14, 16, 24, 16, 4, kRed);
    g.Triangle(23, 9, 31, 16, 23, 23, kRed);
}

// What each image index shows; indexes no button names stay empty.
const std::array<void (*)(Glyph&), kToolbarGlyphCount> kGlyphs = {
    nullptr, nullptr, Exit, Help, nullptr, Leave, Reception, nullptr, nullptr, nullptr,
    Report,  FromFactory, ToFactory, Delivery};

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A bottom-up BMP of N x N pixels: 24 bits per pixel, or 1 bit with a
// black-and-white colour table; `row` gives each row's bytes, top first.
std::string Bmp(int bits, const std::function<std::string(int)>& row) {
    const int stride = ((N * bits + 31) / 32) * 4;
    const std::uint32_t palette = bits == 1 ? 8 : 0;
    const std::uint32_t offset = 14 + 40 + palette, size = std::uint32_t(stride * N);
    std::string out = "BM";
    PutLittleEndian(out, offset + size, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, offset, 4);
    for (std::uint32_t v : {40u, std::uint32_t(N), std::uint32_t(N)}) PutLittleEndian(out, v, 4);
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, std::uint32_t(bits), 2);
    for (std::uint32_t v : {0u, size, 3780u, 3780u, palette / 4, 0u}) PutLittleEndian(out, v, 4);
    if (bits == 1) out += std::string("\0\0\0\0\xFF\xFF\xFF\0", 8);
    for (int y = N - 1; y >= 0; --y) {
        std::string bytes = row(y);
        bytes.resize(std::size_t(stride), '\0');
        out += bytes;
    }
    return out;
}

std::string Picture(const Glyph& g) {
    return Bmp(24, [&g](int y) {
        std::string bytes;
        for (int x = 0; x < N; ++x) {
            const Rgb c = g.IsSet(x, y) ? g.At(x, y) : Rgb{255, 0, 255};
            bytes += {char(c.b), char(c.g), char(c.r)};
        }
        return bytes;
    });
}

std::string Mask(const Glyph& g) {
    return Bmp(1, [&g](int y) {
        std::string bytes(N / 8, '\0');
        for (int x = 0; x < N; ++x)
            if (!g.IsSet(x, y)) bytes[std::size_t(x / 8)] = char(bytes[std::size_t(x / 8)] | (0x80 >> (x % 8)));
        return bytes;
    });
}

}  // namespace

std::string ToolbarGlyphsData() {
    std::string out;
    for (std::uint32_t v : {1u, std::uint32_t(kToolbarGlyphCount), std::uint32_t(N), std::uint32_t(N)})
        PutLittleEndian(out, v, 4);
    for (auto draw : kGlyphs) {
        Glyph glyph;
        if (draw) draw(glyph);
        for (const std::string& bmp : {Picture(glyph), Mask(glyph)}) {
            PutLittleEndian(out, std::uint32_t(bmp.size()), 4);
            out += bmp;
        }
    }
    return out;
}

std::string ToolbarGlyphsFormText(int indent) { return FormBinaryText("Bitmap", ToolbarGlyphsData(), indent); }

}  // namespace serviora
