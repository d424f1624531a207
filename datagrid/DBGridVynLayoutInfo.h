// The grid's geometry along each axis at the current size and scroll
// position: where the fixed and frozen cells end, which cells are in view,
// and how much of the height the footer rows take. Painting, hit-testing
// and selection read it.
#pragma once

#include <functional>

#include "platform/ui/grids.h"

struct TGridAxisLayout {
    int EffectiveLineWidth = 0;
    int FirstGridCell = 0;
    int FixedBoundary = 0;   // end of the fixed cells (frozen ones included) and their lines
    int FixedCellCount = 0;
    int FooterExtent = 0;    // vertical only: the footer rows' part of the view
    int FrozenExtent = 0;    // horizontal only: the frozen cells' part of FixedBoundary
    int FullVisBoundary = 0;
    int LastFullVisibleCell = 0;
    int GridBoundary = 0;    // end of the last cell drawn, at most GridExtent
    int GridCellCount = 0;
    int GridExtent = 0;
    std::function<int(int)> Extent;
};

struct TGridLayoutInfo {
    TGridAxisLayout Horz;
    TGridAxisLayout Vert;
};

// FixedBoundary over the first `fixedCount` cells, of which the last
// `frozenCount` are frozen (their sum is FrozenExtent).
void ComputeFixedAxis(TGridAxisLayout& axis, int frozenCount);
// GridBoundary, the last fully visible cell and, with footer rows (the
// last `footerCount` cells), FooterExtent.
void ComputeAxis(TGridAxisLayout& axis, int footerCount);
