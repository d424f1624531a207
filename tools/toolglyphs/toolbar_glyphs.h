// The main window's toolbar glyphs, drawn by code: 32 x 32 pictures for the
// image indexes its tool buttons name (the others stay empty), each with a
// mask that leaves the toolbar showing around the drawing. ImageList2 of
// the main window's form description stores them; serviora-toolglyphs
// prints the block to paste there, and a test checks that the stored bytes
// are what this code draws now.
#pragma once

#include <string>

namespace serviora {

constexpr int kToolbarGlyphSize = 32;
constexpr int kToolbarGlyphCount = 14;

// The bytes of the image list's "Bitmap" property: four little-endian
// 32-bit values (layout 1, count, width, height), then for each image a
// 32-bit length and a 24-bit BMP of the picture, and a 32-bit length and a
// 1-bit BMP of the mask (white where the toolbar shows through).
std::string ToolbarGlyphsData();
// The property as form-description text at the given indentation.
std::string ToolbarGlyphsFormText(int indent);

}  // namespace serviora
