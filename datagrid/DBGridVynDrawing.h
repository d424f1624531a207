// Drawing of cell text and cell images: horizontal text with margins,
// alignment, layout, wrapping and ellipsis; text rotated upward for
// vertical titles; shortening text to a width; images aligned and clipped
// in a cell; colour lightening; and the off-screen bitmap the grids share
// for text that must be composed before it is copied into a cell.
#pragma once

#include "platform/data/db_types.h"
#include "platform/ui/graphics.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/stdctrls.h"

// Every grid holds one use of the shared bitmap from creation to destruction.
void AcquireDrawBitmap();
void ReleaseDrawBitmap();
// The shared bitmap while any grid exists, else nullptr.
TBitmap* SharedDrawBitmap();

// Draws `text` in `rect`: DX and DY are inner margins, leftMargin and
// rightMargin extra margins of the system text drawing. A pure background
// colour without wrapping draws directly; otherwise the text is composed
// in the shared bitmap. fillRect is accepted for the callers' sake; the
// background is filled by the caller or by the bitmap path.
void DrawCellText(TCanvas* canvas, TRect rect, bool fillRect, int dx, int dy, AnsiString text, TAlignment alignment,
                  TTextLayout layout, bool wordWrap, bool endEllipsis, int leftMargin, int rightMargin,
                  bool rightToLeftReading);
// Draws `text` reading upward in `rect` unless calcOnly; answers its extent
// along the text.
int DrawCellTextVertical(TCanvas* canvas, TRect rect, bool useBitmap, int dx, int dy, const AnsiString& text,
                         TAlignment alignment, TTextLayout layout, bool calcOnly);
// A new font handle like `font`, turned 90 degrees; the caller deletes it.
HFONT CreateRotatedFont(TFont* font);
// The text, or its start followed by "..." (dropping at least two
// characters, then one more each step), as wide as maxWidth at most;
// "..." alone when nothing fits. Never cuts a character in half.
AnsiString ShortenTextToWidth(const AnsiString& text, TCanvas* canvas, int maxWidth);
// An image of the list (or the bitmap when there is no list) aligned in
// `rect` with a horizontal offset, centred vertically, clipped to `rect`.
void DrawImageClipped(TCustomImageList* images, TBitmap* bitmap, TCanvas* canvas, const TRect& rect, int imageIndex,
                      int xOffset, TAlignment alignment);
// The width the system text drawing gives `text` (no prefix processing).
int MeasureTextWidth(TCanvas* canvas, const AnsiString& text);
// Whether `text` overflows a cell of `cell` less the margins; reports the
// measured width and height.
bool TextOverflowsCell(TCanvas* canvas, int horzMargin, int vertMargin, const AnsiString& text, bool wordWrap,
                       const TRect& cell, bool rightToLeft, int& textWidth, int& textHeight);
// Each channel grown by its factor-th part, at most 255.
TColor BrightenColor(TColor color, int factor);
// Width and height exchanged, the top-left corner kept.
TRect SwapRectExtent(const TRect& rect);
