// The grid's geometry: the layout of each axis at the current client size
// and scroll position, cell rectangles, hit-testing and the scroll limits.
// Every walk starts at the fixed cells or the first cell in view and stops
// at the client edge, so the cost follows what is visible, not the counts.
#include <algorithm>

#include "platform/ui/grids.h"

int TGridAxisDrawInfo::Advance(int index) const {
    return std::max(0, Extent(index) + EffectiveLineWidth);
}

bool TGridAxisDrawInfo::CellSpan(int index, int& start, int& end) const {
    if (index < 0 || index >= GridCellCount)
        return false;
    int pos = 0;
    if (index < FixedCellCount) {
        for (int i = 0; i < index; ++i)
            pos += Advance(i);
    } else {
        if (index < FirstGridCell)
            return false;
        pos = FixedBoundary;
        for (int i = FirstGridCell; i < index && pos < GridExtent; ++i)
            pos += Advance(i);
    }
    if (pos >= GridExtent)
        return false;
    start = pos;
    end = std::min(GridExtent, pos + std::max(0, Extent(index)));
    return true;
}

int TGridAxisDrawInfo::CellAt(int p) const {
    if (p < 0 || p >= GridExtent)
        return -1;
    int pos = 0;
    for (int i = 0; i < FixedCellCount; ++i) {
        pos += Advance(i);
        if (p < pos)
            return i;
    }
    for (int i = FirstGridCell; i < GridCellCount && pos < GridExtent; ++i) {
        pos += Advance(i);
        if (p < pos)
            return i;
    }
    return -1;
}

int TGridAxisDrawInfo::LastVisibleCell() const {
    int last = -1;
    int pos = 0;
    for (int i = 0; i < FixedCellCount && pos < GridExtent; ++i) {
        last = i;
        pos += Advance(i);
    }
    for (int i = FirstGridCell; i < GridCellCount && pos < GridExtent; ++i) {
        last = i;
        pos += Advance(i);
    }
    return last;
}

void TCustomGrid::CalcAxis(TGridAxisDrawInfo& axis, int fixedCount, int firstCell, int cellCount,
                           const std::vector<int>& extents, int extent) const {
    axis.EffectiveLineWidth = gridLineWidth_;
    axis.FixedCellCount = fixedCount;
    axis.FirstGridCell = firstCell;
    axis.GridCellCount = cellCount;
    axis.GridExtent = extent;
    axis.Extents = &extents;
    int pos = 0;
    for (int i = 0; i < fixedCount; ++i)
        pos += axis.Advance(i);
    axis.FixedBoundary = pos;
    axis.FullVisBoundary = pos;
    axis.LastFullVisibleCell = firstCell;
    for (int i = firstCell; i < cellCount; ++i) {
        if (pos + std::max(0, axis.Extent(i)) > extent)
            break;
        pos += axis.Advance(i);
        axis.LastFullVisibleCell = i;
        axis.FullVisBoundary = pos;
    }
    int end = axis.FullVisBoundary;
    if (axis.LastFullVisibleCell + 1 < cellCount && end < extent)
        end = extent;
    axis.GridBoundary = std::min(end, extent);
}

void TCustomGrid::CalcDrawInfo(TGridDrawInfo& info) const {
    CalcAxis(info.Horz, fixedCols_, topLeft_.X, colCount_, colWidths_, ClientWidth());
    CalcAxis(info.Vert, fixedRows_, topLeft_.Y, rowCount_, rowHeights_, ClientHeight());
}

TRect TCustomGrid::BoxRect(int left, int top, int right, int bottom) const {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    // The visible span of cells lo..hi on one axis.
    auto span = [](const TGridAxisDrawInfo& axis, int lo, int hi, int& start, int& end) {
        if (lo > hi)
            std::swap(lo, hi);
        lo = std::max(lo, 0);
        hi = std::min(hi, axis.GridCellCount - 1);
        if (lo >= axis.FixedCellCount && lo < axis.FirstGridCell)
            lo = axis.FirstGridCell;
        if (hi >= axis.FixedCellCount && hi < axis.FirstGridCell)
            hi = axis.FixedCellCount - 1;
        hi = std::min(hi, axis.LastVisibleCell());
        int loEnd = 0;
        int hiStart = 0;
        return lo <= hi && axis.CellSpan(lo, start, loEnd) && axis.CellSpan(hi, hiStart, end);
    };
    TRect rect;
    if (!span(info.Horz, left, right, rect.left, rect.right) || !span(info.Vert, top, bottom, rect.top, rect.bottom))
        return TRect{};
    // Right to left the columns run from the right edge, except on the
    // mirrored canvas of a paint, which takes left-to-right coordinates.
    if (UseRightToLeftAlignment() && !rightToLeft_) {
        const int width = ClientWidth();
        const int start = rect.left;
        rect.left = width - rect.right;
        rect.right = width - start;
    }
    return rect;
}

TRect TCustomGrid::CellRect(int col, int row) const {
    return BoxRect(col, row, col, row);
}

TGridCoord TCustomGrid::MouseCoord(int x, int y) const {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    if (UseRightToLeftAlignment()) x = ClientWidth() - 1 - x;
    TGridCoord coord{info.Horz.CellAt(x), info.Vert.CellAt(y)};
    if (coord.X < 0 || coord.Y < 0)
        return {-1, -1};
    return coord;
}

void TCustomGrid::MouseToCell(int x, int y, int& col, int& row) const {
    const TGridCoord coord = MouseCoord(x, y);
    col = coord.X;
    row = coord.Y;
}

int TCustomGrid::VisibleColCount() const {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    return info.Horz.LastFullVisibleCell - topLeft_.X + 1;
}

int TCustomGrid::VisibleRowCount() const {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    return info.Vert.LastFullVisibleCell - topLeft_.Y + 1;
}

namespace {

// The first cell from which the cells up to `last` all fit fully in view.
int FirstCellShowing(const TGridAxisDrawInfo& axis, int last) {
    const int room = axis.GridExtent - axis.FixedBoundary;
    int first = last;
    int needed = std::max(0, axis.Extent(last));
    for (int i = last - 1; i >= axis.FixedCellCount; --i) {
        needed += axis.Advance(i);
        if (needed > room)
            break;
        first = i;
    }
    return std::max(first, axis.FixedCellCount);
}

}  // namespace

TGridCoord TCustomGrid::CalcMaxTopLeft(const TGridCoord& coord, const TGridDrawInfo& info) const {
    return {FirstCellShowing(info.Horz, coord.X), FirstCellShowing(info.Vert, coord.Y)};
}

void TCustomGrid::MoveTopLeft(int left, int top) {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    const TGridCoord max = CalcMaxTopLeft({colCount_ - 1, rowCount_ - 1}, info);
    left = std::clamp(left, fixedCols_, std::max(fixedCols_, max.X));
    top = std::clamp(top, fixedRows_, std::max(fixedRows_, max.Y));
    if (left == topLeft_.X && top == topLeft_.Y)
        return;
    topLeft_ = {left, top};
    TopLeftChanged();
    UpdateScrollRange();
    InvalidateGrid();
}

void TCustomGrid::ClampInView(const TGridCoord& coord) {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    TGridCoord target = topLeft_;
    const TGridCoord max = CalcMaxTopLeft(coord, info);
    if (coord.X >= fixedCols_) {
        if (coord.X < topLeft_.X)
            target.X = coord.X;
        else if (coord.X > info.Horz.LastFullVisibleCell)
            target.X = max.X;
    }
    if (coord.Y >= fixedRows_) {
        if (coord.Y < topLeft_.Y)
            target.Y = coord.Y;
        else if (coord.Y > info.Vert.LastFullVisibleCell)
            target.Y = max.Y;
    }
    MoveTopLeft(target.X, target.Y);
}
