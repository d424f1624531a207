// The BMP file format: reading a file's bytes into a DIB section of the same
// depth, and writing a bitmap out at 1, 4, 8, 16, 24 or 32 bits per pixel.
#pragma once

#include <cstddef>
#include <string>

#include "platform/ui/wingdi.h"

// A DIB section holding the picture (its depth and colour table as stored),
// or 0 when the bytes are not a BMP this reader knows (uncompressed or
// bit-field pixels, with a core, info, V4 or V5 header).
HBITMAP ReadBmp(const void* data, std::size_t size);
// The whole file: file header, info header, colour table, bottom-up rows.
// A depth of 0 keeps the bitmap's own depth.
std::string WriteBmp(HBITMAP bitmap, int bitCount = 0);
