// Bitmap transforms of skin images: key-colour replacement, mirror, flip
// and quarter turns. Each changes the bitmap in place and leaves it 24-bit.
#pragma once

#include "platform/ui/graphic.h"

// Every magenta pixel (255, 0, 255) takes the colour's red, green and blue.
void ReplaceKeyColour(TBitmap* bitmap, COLORREF colour);
// Pixel x of each row becomes pixel width - 1 - x.
void MirrorBitmap(TBitmap* bitmap);
// Row y becomes row height - 1 - y.
void FlipBitmap(TBitmap* bitmap);
// A quarter turn counter-clockwise: (x, y) lands at (y, width - 1 - x).
void RotateBitmapLeft(TBitmap* bitmap);
// A quarter turn clockwise: (x, y) lands at (height - 1 - y, x).
void RotateBitmapRight(TBitmap* bitmap);
