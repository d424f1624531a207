// Where a font's glyphs sit in its text cell. The cell keeps the classic
// proportions that layouts are computed from (height h, ascent about
// 0.86 h), but the CJK faces standing in for the classic ones draw their
// ideographs, once hinted, as tall as the em or taller (at 12 and 14 pixels
// a row above the cell, at 14 a row taller than it), and their Latin
// letters reach from the ascender a row or two below the cell's descent.
// Each font's glyphs are measured once as rasterised (the placements are
// kept across runs, see platform/gdi/glyphfitstore.h) and placed so that
// their ink lies inside the cell: the full-width glyphs leave the cell's
// last row free, as the classic face's ideographs do, so that lines set one
// cell height apart do not touch. Private to platform/gdi.
#pragma once

#include <QFont>

namespace gdi {

// The two kinds of glyphs of the cell faces: single-byte characters take
// half a cell's advance, double-byte characters a full one.
enum class GlyphWidth { half, full };

struct GlyphFit {
    int pixelSize;  // the size the glyphs are drawn at
    int baseline;   // their baseline from the cell's top
    int indent;     // their shift right within their advance
};

// The placement of `font`'s glyphs of one width in a cell `height` pixels
// high whose baseline is `ascent` pixels below its top, each advancing by
// `advance` pixels.
GlyphFit FitGlyphs(const QFont& font, GlyphWidth width, int height, int ascent, int advance);

}  // namespace gdi
