// A 24-bit BMP writer for the skin's members and the tests' images.
#pragma once

#include <vector>

#include "platform/gdi/windef.h"

// An image as RGB colours, top row first.
struct TArtImage {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;

    TArtImage(int w, int h, COLORREF fill) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}
    COLORREF& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    void Fill(const TRect& rect, COLORREF colour);
};

// File header, 40-byte info header, bottom-up BGR rows padded to 4 bytes.
std::vector<Byte> WriteBmp24(const TArtImage& image);
