// Rewrites the size a JPEG's frame header claims, leaving the rest of the
// file as it was: how a small file comes to claim a huge picture.
#pragma once

#include <cstddef>
#include <string>

// `jpeg` with the first frame header (SOF0..SOF2) claiming width x height;
// unchanged when it has none.
inline std::string WithClaimedJpegSize(std::string jpeg, int width, int height) {
    for (std::size_t i = 2; i + 9 < jpeg.size() && static_cast<unsigned char>(jpeg[i]) == 0xFF;) {
        const unsigned char marker = static_cast<unsigned char>(jpeg[i + 1]);
        const std::size_t length = static_cast<unsigned char>(jpeg[i + 2]) << 8 | static_cast<unsigned char>(jpeg[i + 3]);
        if (marker >= 0xC0 && marker <= 0xC2) {
            jpeg[i + 5] = static_cast<char>(height >> 8);
            jpeg[i + 6] = static_cast<char>(height & 0xFF);
            jpeg[i + 7] = static_cast<char>(width >> 8);
            jpeg[i + 8] = static_cast<char>(width & 0xFF);
            break;
        }
        i += 2 + length;
    }
    return jpeg;
}
