// The state that the painting of one cell shares between its steps: the
// cell painter, the content painter and the cell-graphic painters.
#pragma once

#include "stringgrid/BavGrid.h"

// Cells of these types take the band's or the grid's colour, not their own.
inline bool IsControlType(TCellType type) {
    return type == ctCheckBox || type == ctDataCheckBox || type == ctRadio || type == ctButton;
}

struct TBavStringGrid::CellPaint {
    int col = 0, row = 0, realCol = 0;
    TRect rect{};
    TGridDrawState state;
    bool fixed = false;
    TAlignment hAlign = taLeftJustify;
    TVAlignment vAlign = vtaTop;
    bool wordWrap = true;
    TColor colorTo = clNone;
    TCellGradientDirection direction = GradientVertical;
    TCellGraphic* graphic = nullptr;
    TCellVAlign graphicVAlign = vaTop;
    TCellHAlign graphicHAlign = haLeft;
    bool drawText = true;
    int graphicHeight = 0, graphicWidth = 0;
    // The width the text took, for placing a graphic beside it.
    int textWidth = 0;
    TColor savedBrush = clNone, savedFont = clNone, linkColor = clBlue;
};
