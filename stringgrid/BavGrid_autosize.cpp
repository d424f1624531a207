// Sizing columns and rows to their content, within the grid's limits.
#include <algorithm>

#include "platform/gdi/measuringdc.h"
#include "stringgrid/BavGrid.h"

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

// A cell is measured in the fixed or the grid's font as the colour hook
// leaves it, grown by the zoom level; the grid canvas carries that font for
// the graphics measured in it (radio groups).
void TBavStringGrid::SetAutoSizeFont(int col, int row) {
    TCanvas* canvas = Canvas();
    const bool fixed = col < TBaseGrid::FixedCols() || row < TBaseGrid::FixedRows();
    canvas->Font()->Assign(fixed ? fixedFont_.get() : Font());
    TGridDrawState state;
    if (fixed) state.Include(gdFixed);
    GetCellColorHook(RealColIndex(col), row, canvas->Font(), canvas->Brush(), state);
    canvas->Font()->SetSize(canvas->Font()->Size() + zoomLevel_);
}

void TBavStringGrid::AutoSizeColumnEx(int col, bool onlyGrow) {
    const int line = GridLineWidth();
    int widest = 0;
    for (int row = 0; row < RowCount(); ++row) {
        if (IsCoveredCell(col, row)) continue;
        SetAutoSizeFont(col, row);
        const int realCol = RealColIndex(col);
        const TCellGraphic* graphic = GetCellGraphic(realCol, row);
        const int graphicWidth = GetCellGraphicSize(realCol, row).cx;
        int need = graphicWidth + GetCellTextExtent(col, row, false, zoomLevel_).cx;
        if (controlLook_->DropDownAlwaysVisible() && HasComboBox(col, row)) need += 16;
        if (graphic && graphic->CellHAlign() == haFull) need = graphicWidth - 2 * line - cellMarginX_ - 2;
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
        SetAutoSizeFont(col, row);
        const int realCol = RealColIndex(col);
        const TCellGraphic* graphic = GetCellGraphic(realCol, row);
        const TCellType type = graphic ? graphic->CellType() : ctNone;
        const int graphicHeight = GetCellGraphicSize(realCol, row).cy;
        int textHeight = GetCellTextExtent(col, row, WordWrap(), zoomLevel_).cy;
        if ((type == ctDataCheckBox || type == ctVirtCheckBox) && graphicHeight > 0) textHeight = 0;
        int need = textHeight + graphicHeight;
        if (graphic && graphic->CellVAlign() == vaFull) need = graphicHeight - 2 * line - cellMarginY_ - 2;
        if (type == ctCheckBox || type == ctDataCheckBox) need = DefaultRowHeight();
        highest = std::max(highest, need);
    }
    const int height = WithinLimits(2 * line + highest + cellMarginY_, minRowHeight_, maxRowHeight_);
    if (onlyGrow && RowHeights(row) >= height) return;
    const int inView = VisibleRowCount();
    SetRowHeights(row, height);
    // The open editor keeps the old cell's size until it is shown again.
    if (VisibleRowCount() < inView && EditorMode() && sizeWhileTyping_->Height()) {
        ShowCellEditor();
        if (TInplaceEdit* editor = InplaceEditor()) editor->SetSelStart(int(editor->Text().size()));
    }
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
