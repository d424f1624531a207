// Pictures in report streams — a kind byte (0 none, 1 bitmap, 2 metafile,
// 3 icon, 4 JPEG), the absolute end of the record, the graphic's own bytes
// — and turned fonts for rotated text.
#pragma once

#include <memory>

#include "platform/ui/graphic.h"

class TStream;

// Reads a picture record into the picture (empty for kind 0 or a kind this
// system has no graphic for). The stream is left at the record's end, also
// when the graphic cannot be read (that error then goes on).
void LoadPicture(TStream* stream, TPicture* picture);
// Writes the picture's record and leaves the stream at its end. A graphic
// of another class is written as the bitmap it draws, so that it reads
// back as kind 1.
void SavePicture(TStream* stream, TPicture* picture);
// A new graphic of a picture record's kind (1 bitmap, 2 metafile, 3 icon,
// 4 JPEG); nullptr for the others.
std::unique_ptr<TGraphic> CreatePictureGraphic(Byte kind);
// A new font like `font` turned by `angle` degrees and, when `width` is
// above 0, of that character width; the caller deletes it.
HFONT CreateAngleFont(TFont* font, int angle, int width);
