// The DIB-based file formats: BMP (read into a DIB section of the same
// depth, written at 1, 4, 8, 16, 24 or 32 bits per pixel) and icon files
// (.ico: colour image and AND mask).
#pragma once

#include <cstddef>
#include <string>

#include "platform/gdi/wingdi.h"

// A DIB section holding the picture (its depth and colour table as stored),
// or 0 when the bytes are not a BMP this reader knows (uncompressed or
// bit-field pixels, with a core, info, V4 or V5 header).
HBITMAP ReadBmp(const void* data, std::size_t size);
// The whole file: file header, info header, colour table, bottom-up rows.
// A depth of 0 keeps the bitmap's own depth.
std::string WriteBmp(HBITMAP bitmap, int bitCount = 0);

// The largest, deepest image of an icon file (DIB or PNG entries): its colour
// bitmap and monochrome AND mask (white = transparent), owned by the caller.
// False when the bytes are not an icon file this reader knows.
bool ReadIco(const void* data, std::size_t size, HBITMAP* color, HBITMAP* mask);
// An icon file of one 32-bit image with its mask.
std::string WriteIco(HBITMAP color, HBITMAP mask);
