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

TGridLayoutInfo TCustomDBGridVyn::CalcFixedLayoutInfo() const {
    const TGridOptions options = TCustomGrid::Options();
    auto start = [this](TGridAxisLayout& axis, bool lines, int fixed, int first, int count, int extent) {
        axis.EffectiveLineWidth = lines ? GridLineWidth() : 0;
        axis.FixedCellCount = fixed;
        axis.FirstGridCell = first;
        axis.GridCellCount = count;
        axis.GridExtent = extent;
    };
    TGridLayoutInfo info;
    start(info.Horz, options.Contains(goFixedVertLine) || options.Contains(goVertLine), FixedCols(), LeftCol(),
          ColCount(), ClientWidth());
    info.Horz.Extent = [this](int col) { return ColWidths(col); };
    start(info.Vert, options.Contains(goFixedHorzLine) || options.Contains(goHorzLine), FixedRows(), TopRow(),
          RowCount(), ClientHeight());
    info.Vert.Extent = [this](int row) { return RowHeights(row); };
    ComputeFixedAxis(info.Horz, std::max(FixedCols() - indicatorOffset_, 0));
    ComputeFixedAxis(info.Vert, 0);
    return info;
}

TGridLayoutInfo TCustomDBGridVyn::CalcGridLayoutInfoXY(int width, int height) const {
    TGridLayoutInfo info = CalcFixedLayoutInfo();
    info.Horz.GridExtent = width;
    info.Vert.GridExtent = height;
    ComputeAxis(info.Horz, 0);
    ComputeAxis(info.Vert, footerRowCount_);
    return info;
}

TGridLayoutInfo TCustomDBGridVyn::CalcGridLayoutInfo() const { return CalcGridLayoutInfoXY(ClientWidth(), ClientHeight()); }

TGridCoord TCustomDBGridVyn::CalcMaxTopLeftCell() const {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    return {MaxTopLeftAlongAxis(info.Horz, ColCount() - 1), MaxTopLeftAlongAxis(info.Vert, RowCount() - 1)};
}
