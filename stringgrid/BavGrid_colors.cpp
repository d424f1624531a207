// Colours of single cells and of whole rows, kept in the cells' properties.
#include "stringgrid/BavGrid.h"

void TBavStringGrid::SetCellColorField(int col, int row, TColor color, CellColorSetter setter) {
    (GetCellProperties(col, row)->*setter)(color);
    RepaintCell(DisplayColIndex(col), row);
}

void TBavStringGrid::SetCellBrushColor(int col, int row, TColor color) {
    SetCellColorField(col, row, color, &TCellProperties::SetBrushColor);
}

void TBavStringGrid::SetCellBrushColorTo(int col, int row, TColor color) {
    SetCellColorField(col, row, color, &TCellProperties::SetBrushColorTo);
}

void TBavStringGrid::SetCellFontColor(int col, int row, TColor color) {
    SetCellColorField(col, row, color, &TCellProperties::SetFontColor);
}

void TBavStringGrid::SetRowColorField(int row, TColor color, CellColorSetter setter) {
    for (int col = TBaseGrid::FixedCols(); col < AllColCount(); ++col) {
        if (color != clNone) {
            (GetCellProperties(col, row)->*setter)(color);
        } else if (HasCellProperties(col, row)) {
            // A node or summary graphic lives in the properties: keep them.
            if (GetGraphicObject(col, row))
                (GetCellProperties(col, row)->*setter)(clNone);
            else
                ReplaceCellObject(col, row, nullptr);
        }
    }
    RepaintRow(row);
}

void TBavStringGrid::SetRowColor(int row, TColor color) { SetRowColorField(row, color, &TCellProperties::SetBrushColor); }

void TBavStringGrid::SetRowColorTo(int row, TColor color) {
    SetRowColorField(row, color, &TCellProperties::SetBrushColorTo);
}

void TBavStringGrid::SetRowFontColor(int row, TColor color) {
    SetRowColorField(row, color, &TCellProperties::SetFontColor);
}

TColor TBavStringGrid::GetCellBrushColor(int col, int row) {
    return HasCellProperties(col, row) ? GetCellProperties(col, row)->BrushColor() : clNone;
}

bool TBavStringGrid::GetCellReadOnly(int col, int row) {
    return HasCellProperties(col, row) && GetCellProperties(col, row)->ReadOnly();
}
