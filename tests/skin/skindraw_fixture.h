// Small skin images for the drawing tests, made of flat colour columns so
// each pixel tells where it came from.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/graphic.h"

// A bitmap whose column x has colours[x], over `height` rows.
inline std::unique_ptr<TBitmap> ColumnImage(const std::vector<COLORREF>& colours, int height) {
    auto image = std::make_unique<TBitmap>();
    image->SetPixelFormat(pf24bit);
    image->SetSize(static_cast<int>(colours.size()), height);
    for (int x = 0; x < static_cast<int>(colours.size()); ++x) {
        for (int y = 0; y < height; ++y) image->Canvas()->SetPixels(x, y, static_cast<TColor>(colours[x]));
    }
    return image;
}

inline std::unique_ptr<TBitmap> FilledBitmap(int width, int height, COLORREF colour) {
    return ColumnImage(std::vector<COLORREF>(width, colour), height);
}

inline COLORREF PixelAt(TBitmap* bitmap, int x, int y) { return static_cast<COLORREF>(bitmap->Canvas()->Pixels(x, y)); }
