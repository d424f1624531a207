// Image formats read and written through the platform's image library:
// PNG and icon files (BMP and JPEG have codecs of their own, bmpfile.h and
// jpegimage.h).
#pragma once

#include <cstddef>
#include <string>

#include "platform/gdi/wingdi.h"

// A 32-bit top-down DIB section holding the first image of the data (PNG,
// ICO, GIF, ...), alpha kept in the fourth byte; 0 when it cannot be read.
HBITMAP DecodeImage(const void* data, std::size_t size);
// The bitmap as PNG file bytes (empty on failure).
std::string EncodePng(HBITMAP bitmap);
