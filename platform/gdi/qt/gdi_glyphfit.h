// Where the full-width glyphs of a font sit in its text cell. The cell keeps
// the classic proportions that layouts are computed from (height h, ascent
// about 0.86 h), but the CJK faces standing in for the classic ones draw
// their ideographs, once hinted, as tall as the em or taller: at 12 and 14
// pixels they reach a row above the cell, at 14 they are a row taller than
// it, so a cell clipped to its height lost their top strokes. Each font's
// ideographs are measured once as rasterised and placed so that their ink
// lies inside the cell. Private to platform/gdi.
#pragma once

#include <QFont>

namespace gdi {

struct GlyphFit {
    int pixelSize;  // the size the full-width glyphs are drawn at
    int baseline;   // their baseline from the cell's top
    int indent;     // their shift right within the full-width advance
};

// The placement of `font`'s full-width glyphs in a cell `height` pixels
// high whose single-byte glyphs stand on `ascent`.
GlyphFit FitFullWidthGlyphs(const QFont& font, int height, int ascent);

}  // namespace gdi
