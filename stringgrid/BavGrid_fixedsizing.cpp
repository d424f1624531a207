// Sizing of the fixed columns and rows by their dividers. The platform grid
// sizes only the columns and rows that scroll; here the mouse arms a fixed
// edge while it hovers within 2 pixels of it, a press there starts sizing
// with a sizing line, and the release sets the new width or height.
#include <algorithm>
#include <cstdlib>

#include "platform/win/userinput.h"
#include "stringgrid/BavHintWindow.h"
#include "stringgrid/BavGrid.h"

namespace {

// The index of the fixed divider that lies less than 3 pixels from pos, or
// -1; each divider sits after its cell's extent plus the one-pixel line.
template <typename Extent>
int FixedEdgeAt(int pos, int fixedCount, Extent extent) {
    int edge = 0;
    for (int i = 0; i < fixedCount; ++i) {
        edge += extent(i) + 1;
        if (std::abs(edge - pos) < 3) return i;
    }
    return -1;
}

}  // namespace

void TBavStringGrid::ArmFixedSizing(int x, int y) {
    fixedColSizing_.armed = false;
    fixedRowSizing_.armed = false;
    const TGridCoord cell = MouseCoord(x, y);
    if (cell.X < 0 || cell.Y < 0 || ComponentState().Contains(csDesigning)) return;
    const int col = FixedEdgeAt(x, TBaseGrid::FixedCols(), [this](int i) { return ColWidths(i); });
    if (col >= 0 && mouseActions_->SizeFixedCol()) fixedColSizing_ = {true, false, col, x};
    const int row = FixedEdgeAt(y, TBaseGrid::FixedRows(), [this](int i) { return RowHeights(i); });
    if (row >= 0 && mouseActions_->SizeFixedRow()) fixedRowSizing_ = {true, false, row, y};
}

void TBavStringGrid::MoveFixedSizing(int x, int y) {
    if (fixedColSizing_.active) {
        DrawColSizingLine(fixedColSizing_.pos);
        fixedColSizing_.pos = x;
        DrawColSizingLine(x);
    } else if (fixedRowSizing_.active) {
        DrawRowSizingLine(fixedRowSizing_.pos);
        fixedRowSizing_.pos = y;
        DrawRowSizingLine(y);
    } else {
        ArmFixedSizing(x, y);
    }
}

bool TBavStringGrid::StartFixedSizing(int x, int y) {
    if (fixedColSizing_.armed) {
        fixedColSizing_.active = true;
        fixedColSizing_.pos = x;
        DrawColSizingLine(x);
    } else if (fixedRowSizing_.armed) {
        fixedRowSizing_.active = true;
        fixedRowSizing_.pos = y;
        DrawRowSizingLine(y);
    } else {
        return false;
    }
    // The press skips the platform grid, so the release is captured here.
    SetCapture(Handle());
    return true;
}

bool TBavStringGrid::EndFixedSizing(int x, int y) {
    if (!fixedColSizing_.active && !fixedRowSizing_.active) return false;
    if (GetCapture() == Handle()) ReleaseCapture();
    if (fixedColSizing_.active) {
        fixedColSizing_.active = false;
        DrawColSizingLine(fixedColSizing_.pos);
        const int col = fixedColSizing_.index;
        int left = 0;
        for (int i = 0; i < col; ++i) left += ColWidths(i);
        SetColWidths(col, std::max(0, x - left));
        if (onEndColumnSize_) onEndColumnSize_(this, col);
        int width = ColWidths(col);
        DoUpdateColumnSize(col, width);
        if (width != ColWidths(col)) SetColWidths(col, width);
    } else {
        fixedRowSizing_.active = false;
        DrawRowSizingLine(fixedRowSizing_.pos);
        const int row = fixedRowSizing_.index;
        int top = 0;
        for (int i = 0; i < row; ++i) top += RowHeights(i);
        SetRowHeights(row, std::max(0, y - top));
        if (onEndRowSize_) onEndRowSize_(this, row);
    }
    return true;
}

bool TBavStringGrid::FixedSizingCursor() {
    if (fixedColSizing_.armed || fixedColSizing_.active)
        ::SetCursor(Screen->Cursors(crHSplit));
    else if (fixedRowSizing_.armed || fixedRowSizing_.active)
        ::SetCursor(Screen->Cursors(crVSplit));
    else
        return false;
    return true;
}

void TBavStringGrid::DisarmFixedSizing() {
    fixedColSizing_.armed = false;
    fixedRowSizing_.armed = false;
}

void TBavStringGrid::ShowSizeHint(int x, int y) {
    if (!hintShowSizing_ && !ComponentState().Contains(csDesigning)) return;
    AnsiString text;
    TRect at;
    if (fixedColSizing_.active) {
        text = "cw=<b>" + IntToStr(fixedColSizing_.pos) + "</b>";
        at = CellRect(0, 0);
    } else if (fixedRowSizing_.active) {
        text = "rh=<b>" + IntToStr(fixedRowSizing_.pos) + "</b>";
        at = CellRect(0, 0);
    } else if (GridState() == gsColSizing) {
        at = CellRect(SizingIndex(), std::max(0, MouseCoord(mouseDownPoint_.x, mouseDownPoint_.y).Y));
        const int grab = mouseDownPoint_.x - at.right;
        text = "cw=<b>" + IntToStr(x - at.left - grab) + "</b>";
    } else if (GridState() == gsRowSizing) {
        at = CellRect(std::max(0, MouseCoord(mouseDownPoint_.x, mouseDownPoint_.y).X), SizingIndex());
        const int grab = mouseDownPoint_.y - at.bottom;
        text = "rh=<b>" + IntToStr(y - at.top - grab) + "</b>";
    } else {
        return;
    }
    if (!scrollHint_) scrollHint_ = new THTMLHintWindow(this);
    TRect rect = scrollHint_->CalcHintRect(200, text, nullptr);
    const TPoint origin = ClientToScreen(TPoint(at.left, at.top));
    rect = Rect(origin.x, origin.y, origin.x + rect.right, origin.y + rect.bottom);
    scrollHint_->SetColor(hintColor_);
    scrollHint_->ActivateHint(rect, text);
    sizeHintShowing_ = true;
}

void TBavStringGrid::HideSizeHint() {
    if (!sizeHintShowing_) return;
    sizeHintShowing_ = false;
    if (scrollHint_) scrollHint_->ReleaseHandle();
}
