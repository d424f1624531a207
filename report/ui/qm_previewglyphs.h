// The preview window's toolbar glyphs (ImageList1).
#pragma once

#include "platform/ui/imagelist.h"

// Empties the list and fills it with the glyphs at their indexes, 16 x 16.
void FillPreviewGlyphs(TCustomImageList* images);
