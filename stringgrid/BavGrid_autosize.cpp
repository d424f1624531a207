// Sizing columns and rows to their content, within the grid's limits.
#include <algorithm>

#include "platform/gdi/measuringdc.h"
#include "stringgrid/BavGrid.h"

namespace {

struct GraphicSize {
    const TCellGraphic* graphic = nullptr;
    TCellHAlign hAlign = haLeft;
    TCellVAlign vAlign = vaTop;
    int width = 0, height = 0;
};

GraphicSize GraphicSizeOf(TBavStringGrid* grid, int col, int row) {
    GraphicSize size;
    bool drawText = true;
    size.graphic = grid->GetCellGraphicInfo(grid->RealColIndex(col), row, size.vAlign, size.hAlign, drawText,
                                            size.height, size.width);
    return size;
}

}  // namespace

int TBavStringGrid::WithinLimits(int value, int minimum, int maximum) {
    if (minimum > 0 && minimum == maximum) return value;
    if (minimum > 0 && value < minimum) return minimum;
    if (maximum > 0 && value > maximum) return maximum;
    return value;
}

void TBavStringGrid::DoUpdateColumnSize(int col, int& width) {
    if (onUpdateColumnSize_) onUpdateColumnSize_(this, col, width);
}

void TBavStringGrid::DoUpdateAutoColumnSize(int col, int& width) {
    if (onUpdateColumnSize_) onUpdateColumnSize_(this, col, width);
}

void TBavStringGrid::AutoSizeColumnEx(int col, bool onlyGrow) {
    const int line = GridLineWidth();
    int widest = 0;
    for (int row = 0; row < RowCount(); ++row) {
        if (IsCoveredCell(col, row)) continue;
        const GraphicSize graphic = GraphicSizeOf(this, col, row);
        int need = graphic.width + GetCellTextExtent(col, row, false).cx;
        if (controlLook_->DropDownAlwaysVisible() && HasComboBox(col, row)) need += 16;
        if (graphic.graphic && graphic.hAlign == haFull) need = graphic.width - 2 * line - cellMarginX_ - 2;
        widest = std::max(widest, need);
    }
    int width = 2 * line + widest + cellMarginX_ + 2;
    if (onlyGrow && ColWidths(col) >= width) return;
    DoUpdateAutoColumnSize(col, width);
    SetColWidths(col, WithinLimits(width, minColWidth_, maxColWidth_));
}

void TBavStringGrid::AutoSizeColumns(bool includeFixed, int extra) {
    for (int col = includeFixed ? 0 : TBaseGrid::FixedCols(); col < ColCount(); ++col) {
        AutoSizeCol(col);
        if (extra != 0) SetColWidths(col, WithinLimits(ColWidths(col) + extra, minColWidth_, maxColWidth_));
    }
}

void TBavStringGrid::AutoSizeRow(int row, bool onlyGrow) {
    const int line = GridLineWidth();
    int highest = 0;
    for (int col = 0; col < ColCount(); ++col) {
        if (IsCoveredCell(col, row)) continue;
        const GraphicSize graphic = GraphicSizeOf(this, col, row);
        const TCellType type = graphic.graphic ? graphic.graphic->CellType() : ctNone;
        int textHeight = GetCellTextExtent(col, row, WordWrap()).cy;
        if ((type == ctDataCheckBox || type == ctVirtCheckBox) && graphic.height > 0) textHeight = 0;
        int need = textHeight + graphic.height;
        if (graphic.graphic && graphic.vAlign == vaFull) need = graphic.height - 2 * line - cellMarginY_ - 2;
        if (type == ctCheckBox || type == ctDataCheckBox) need = DefaultRowHeight();
        highest = std::max(highest, need);
    }
    const int height = WithinLimits(2 * line + highest + cellMarginY_, minRowHeight_, maxRowHeight_);
    if (onlyGrow && RowHeights(row) >= height) return;
    SetRowHeights(row, height);
}

void TBavStringGrid::SizeRowToLines(int row, int lines, int extra) {
    TFont font;
    TBrush brush;
    font.Assign(Font());
    GetCellColorHook(TBaseGrid::FixedCols(), row, &font, &brush, TGridDrawState());
    const MeasuringDC measuring(font.Handle());
    SIZE size{};
    GetTextExtentPoint32(measuring.dc(), "gh", 2, &size);
    const int h = size.cy;
    SetRowHeights(row, WithinLimits(extra + lines * (h + h / 8), minRowHeight_, maxRowHeight_));
}
