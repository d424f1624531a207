#include "datagrid/DBGridVynLayoutInfo.h"

#include "datagrid/DBGridVyn.h"

void ComputeFixedAxis(TGridAxisLayout& axis, int frozenCount) {
    const int line = axis.EffectiveLineWidth;
    const int firstFrozen = axis.FixedCellCount - frozenCount;
    axis.FixedBoundary = 0;
    axis.FrozenExtent = 0;
    for (int cell = 0; cell < firstFrozen; ++cell) axis.FixedBoundary += axis.Extent(cell) + line;
    for (int cell = std::max(firstFrozen, 0); cell < axis.FixedCellCount; ++cell)
        axis.FrozenExtent += axis.Extent(cell) + line;
    axis.FixedBoundary += axis.FrozenExtent;
}

void ComputeAxis(TGridAxisLayout& axis, int footerCount) {
    const int line = axis.EffectiveLineWidth;
    axis.GridBoundary = axis.FixedBoundary;
    axis.FullVisBoundary = axis.FixedBoundary;
    axis.LastFullVisibleCell = axis.FirstGridCell;
    axis.FooterExtent = 0;
    const int firstFooter = axis.GridCellCount - footerCount;
    int footerTop = -1;
    for (int cell = axis.FirstGridCell; cell < axis.GridCellCount; ++cell) {
        if (cell == firstFooter) footerTop = axis.GridBoundary;
        const int end = axis.GridBoundary + axis.Extent(cell) + line;
        if (end > axis.GridExtent + line) {
            axis.GridBoundary = axis.GridExtent;
            break;
        }
        axis.GridBoundary = end;
        axis.FullVisBoundary = end;
        axis.LastFullVisibleCell = cell;
        if (footerCount > 0 && cell >= firstFooter) axis.FooterExtent += axis.Extent(cell) + line;
    }
    if (footerTop >= 0) axis.FooterExtent = axis.GridBoundary - footerTop;
}

TGridLayoutInfo TCustomDBGridVyn::CalcGridLayoutInfoXY(int width, int height) const {
    TGridLayoutInfo info;
    const TGridOptions options = TCustomGrid::Options();
    TGridAxisLayout& horz = info.Horz;
    horz.EffectiveLineWidth =
        options.Contains(goFixedVertLine) || options.Contains(goVertLine) ? GridLineWidth() : 0;
    horz.FixedCellCount = FixedCols();
    horz.FirstGridCell = LeftCol();
    horz.GridCellCount = ColCount();
    horz.GridExtent = width;
    horz.Extent = [this](int col) { return ColWidths(col); };
    TGridAxisLayout& vert = info.Vert;
    vert.EffectiveLineWidth =
        options.Contains(goFixedHorzLine) || options.Contains(goHorzLine) ? GridLineWidth() : 0;
    vert.FixedCellCount = FixedRows();
    vert.FirstGridCell = TopRow();
    vert.GridCellCount = RowCount();
    vert.GridExtent = height;
    vert.Extent = [this](int row) { return RowHeights(row); };
    ComputeFixedAxis(horz, std::max(FixedCols() - indicatorOffset_, 0));
    ComputeFixedAxis(vert, 0);
    ComputeAxis(horz, 0);
    ComputeAxis(vert, footerRowCount_ > 0 ? footerRowCount_ : 0);
    return info;
}

TGridLayoutInfo TCustomDBGridVyn::CalcGridLayoutInfo() const { return CalcGridLayoutInfoXY(ClientWidth(), ClientHeight()); }

TGridCoord TCustomDBGridVyn::CalcMaxTopLeftCell() const {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    return {MaxTopLeftAlongAxis(info.Horz, ColCount() - 1), MaxTopLeftAlongAxis(info.Vert, RowCount() - 1)};
}
