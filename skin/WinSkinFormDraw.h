// The form-skinning unit's drawing routines: every skin image (an element's
// state frames side by side or stacked) reaches the screen through these,
// nine-sliced, as a three-part strip, as one stretched or centred frame,
// with magenta left transparent, or as a region of its non-key pixels.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/graphic.h"

// The transparent key colour of skin images.
constexpr COLORREF kSkinKeyColour = RGB(255, 0, 255);

// Cell Index (from 1) of an image cut into Frames cells side by side, or
// stacked when Vertical. A frame count below 1 counts as 1, and the index
// is kept within 1..Frames, so the cell always lies inside the image.
TRect SkinCellRect(TBitmap* image, int index, int frames, bool vertical);

// The skin's own images, whose drawn cells may be kept and drawn again
// (sized by element, frame and size); a new list empties what was kept.
void SetSkinCellImages(const std::vector<TBitmap*>& images);

// The shared scratch bitmap (stretch mode HALFTONE) of the menu bar and
// the painters.
TBitmap* SkinWorkBitmap();

// Cell Index nine-sliced to Size by the Margins (left, top, right, bottom
// widths): corners kept, edges stretched along their length, the centre
// stretched or, with Tile, repeated.
std::unique_ptr<TBitmap> BuildSkinCell(const TRect& size, TBitmap* image, const TRect& margins, int index,
                                       int frames, bool tile, bool vertical);
void DrawSkinCell(HDC dc, const TRect& rect, TBitmap* image, const TRect& margins, int index, int frames,
                  bool transparent, bool tile, bool vertical);
// Left cap, middle repeated, right cap, each stretched to Rect's height.
void DrawSkinStrip(TCanvas* canvas, const TRect& rect, TBitmap* image, const TRect& margins, int index, int frames,
                   bool transparent, bool vertical);
// One cell of a horizontal image stretched to Rect.
void DrawSkinFrame(HDC dc, const TRect& rect, TBitmap* image, int index, int frames, bool transparent);
// One cell of a horizontal image unscaled, centred in Rect.
void DrawSkinGlyph(HDC dc, const TRect& rect, TBitmap* image, int index, int frames, bool transparent);
// One cell stretched straight onto DC in three parts (left margin, middle,
// right margin), or whole when the cell is wider than Rect.
void DrawSkinBar(HDC dc, const TRect& rect, TBitmap* image, const TRect& margins, int index, int frames,
                 bool vertical);
// Image at Rect, the pixels of KeyColour leaving the destination as it was.
void DrawTransparent(HDC dc, const TRect& rect, TBitmap* image, COLORREF keyColour);
// SourceRect of Image repeated unscaled over Rect.
void TileBitmap(TCanvas* canvas, const TRect& rect, TBitmap* image, const TRect& sourceRect);
// The region of the pixels that are not key pixels (each channel between
// the key's and the key's plus its tolerance), moved by the offset. The
// image is turned 32-bit. The caller owns the region.
HRGN RegionFromBitmap(TBitmap* image, int offsetX, int offsetY, COLORREF keyColour, int toleranceR, int toleranceG,
                      int toleranceB);
// What the control's parent paints under the control, drawn into DC.
void DrawParentImage(TControl* control, HDC dc);
int MinInt(int a, int b);
