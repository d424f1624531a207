// A small JPEG picture written by the tests themselves.
#pragma once

#include "platform/ui/graphic.h"
#include "platform/ui/jpegimage.h"

// Writes a blank `width` by `height` JPEG to `file`.
inline void WriteTestJpeg(const AnsiString& file, int width, int height) {
    TBitmap bitmap;
    bitmap.SetWidth(width);
    bitmap.SetHeight(height);
    TJPEGImage jpeg;
    jpeg.Assign(&bitmap);
    jpeg.SaveToFile(file);
}
