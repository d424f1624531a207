// Moving a column or a row by dragging its header: the caption floats under
// the mouse, arrows mark where it will land, the view scrolls at the edges,
// and the release moves the cells with their sizes; the column-order list
// remembers where each column came from.
#include <algorithm>
#include <vector>

#include "platform/rtl/valuerestorer.h"
#include "platform/ui/forms.h"
#include "platform/win/userinput.h"
#include "stringgrid/BavFooter.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavObj.h"

namespace {

// The arrows' directions.
enum { kUp = 0, kDown = 1, kRight = 2, kLeft = 3 };
// Each arrow's shape fits this square.
constexpr int kArrowSize = 11;

bool Moving(TGridState state) { return state == gsColMoving || state == gsRowMoving; }

}  // namespace

void TBavStringGrid::InitColumnOrder() {
    columnOrder_->Clear();
    for (int col = 0; col < ColCount(); ++col) columnOrder_->Add(col);
}

void TBavStringGrid::NotifyColumnMoved(int fromIndex, int toIndex) {
    if (columnOrder_->Count() == 0) InitColumnOrder();
    const ValueRestorer notifying(enhancedMove_.notifying, true);
    ColumnMoved(fromIndex, toIndex);
}

void TBavStringGrid::NotifyRowMoved(int fromIndex, int toIndex) {
    const ValueRestorer notifying(enhancedMove_.notifying, true);
    RowMoved(fromIndex, toIndex);
}

void TBavStringGrid::MoveSizes(bool columns, int fromIndex, int toIndex) {
    const int count = columns ? ColCount() : RowCount();
    std::vector<int> sizes;
    for (int i = 0; i < count; ++i) sizes.push_back(columns ? ColWidths(i) : RowHeights(i));
    const int size = sizes[std::size_t(fromIndex)];
    sizes.erase(sizes.begin() + fromIndex);
    sizes.insert(sizes.begin() + toIndex, size);
    for (int i = std::min(fromIndex, toIndex); i <= std::max(fromIndex, toIndex); ++i) {
        if (columns)
            SetColWidths(i, sizes[std::size_t(i)]);
        else
            SetRowHeights(i, sizes[std::size_t(i)]);
    }
}

bool TBavStringGrid::EnhancedMoveShowing() const {
    return enhRowColMove_ && moveButton_ && moveButton_->Visible() && Moving(GridState()) &&
           Screen->Cursor() == crDrag;
}

void TBavStringGrid::EnhancedMoveStep(int x, int y) {
    if (!moveButton_) return;
    if (!enhRowColMove_ || !Moving(GridState())) {
        // A move the application refused on the way leaves nothing behind.
        if (moveButton_->Visible()) CancelEnhancedMove();
        return;
    }
    if ((x == mouseDownPoint_.x && y == mouseDownPoint_.y) || fixedColSizing_.active || fixedRowSizing_.active)
        return;
    const bool columns = GridState() == gsColMoving;
    if (!moveButton_->Visible()) {
        const TGridCoord pressed = MouseCoord(mouseDownPoint_.x, mouseDownPoint_.y);
        const TRect cell = CellRect(pressed.X, pressed.Y);
        enhancedMove_.index = columns ? pressed.X : pressed.Y;
        enhancedMove_.offset = TPoint(mouseDownPoint_.x - cell.left, mouseDownPoint_.y - cell.top);
        enhancedMove_.target = enhancedMove_.index;
    }
    const int index = enhancedMove_.index;
    if (index < 0) return;
    const TGridCoord under = MouseCoord(x, y);
    const int fixedCols = TBaseGrid::FixedCols(), fixedRows = TBaseGrid::FixedRows();
    if (columns && under.X >= fixedCols) enhancedMove_.target = under.X;
    if (!columns && under.Y >= fixedRows && under.Y < RowCount()) enhancedMove_.target = under.Y;

    if (columns) {
        moveButton_->SetCaption(GetDisplayText(RealColIndex(index), 0));
        moveButton_->SetWidth(ColWidths(index));
        moveButton_->SetHeight(RowHeights(std::max(0, int(under.Y))));
    } else {
        moveButton_->SetCaption(GetDisplayText(0, index));
        moveButton_->SetHeight(RowHeights(index));
        moveButton_->SetWidth(ColWidths(std::max(0, int(under.X))));
    }
    moveButton_->Invalidate();
    const TPoint corner = ClientToScreen(TPoint(x - enhancedMove_.offset.x, y - enhancedMove_.offset.y));
    moveButton_->SetLeft(corner.x);
    moveButton_->SetTop(corner.y);
    PlaceMoveArrows();

    if (columns) {
        if (x < FixedColsWidth() && LeftCol() > fixedCols) SetLeftCol(LeftCol() - 1);
        if (x > Width() && LeftCol() + VisibleColCount() < ColCount()) SetLeftCol(LeftCol() + 1);
    } else {
        if (y < FixedRowsHeight() && TopRow() > fixedRows) SetTopRow(TopRow() - 1);
        if (y > Height() && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
    }
    Update();

    if (!moveButton_->Visible()) {
        const bool gradient = look_ == glQuarn || look_ == glXP;
        moveButton_->SetGradientFrom(gradient ? controlLook_->FixedGradientFrom() : clNone);
        moveButton_->SetGradientTo(gradient ? controlLook_->FixedGradientTo() : clNone);
        moveButton_->SetVisible(true);
        if (Parent() && Parent()->HandleAllocated()) ::SetFocus(Parent()->Handle());
    }
    if (!moveButton_->Enabled()) moveButton_->SetEnabled(true);
    Screen->SetCursor(crDrag);
}

// A column's arrows point at its left edge when it lands left of where it
// came from, else at its right edge; a row's at its top or bottom edge.
void TBavStringGrid::PlaceMoveArrows() {
    HideMoveArrows();
    const int target = enhancedMove_.target;
    const bool before = target < enhancedMove_.index;
    if (GridState() == gsColMoving) {
        if (target < TBaseGrid::FixedCols() || target < LeftCol() || target >= LeftCol() + VisibleColCount()) return;
        const TRect header = CellRect(target, 0);
        const int x = (before ? header.left : header.right) - kArrowSize / 2;
        ShowMoveArrow(kUp, x, header.bottom);
        ShowMoveArrow(kDown, x, header.top - 8);
        return;
    }
    const bool footerRow = floatingFooter_->Visible() && floatingFooter_->FooterStyle() == fsFixedLastRow &&
                           target == RowCount() - 1;
    if (target < TBaseGrid::FixedRows() || target < TopRow() || target >= TopRow() + VisibleRowCount() || footerRow)
        return;
    const TRect side = CellRect(0, target);
    const int y = (before ? side.top : side.bottom) - kArrowSize / 2;
    ShowMoveArrow(kRight, side.left - 10, y);
    ShowMoveArrow(kLeft, side.right, y);
}

void TBavStringGrid::ShowMoveArrow(int direction, int x, int y) {
    TArrowWindow* arrow = arrows_[direction];
    if (!arrow) return;
    const TPoint screen = ClientToScreen(TPoint(x, y));
    arrow->SetBounds(screen.x, screen.y, kArrowSize, kArrowSize);
    arrow->SetVisible(true);
}

void TBavStringGrid::HideMoveArrows() {
    for (TArrowWindow* arrow : arrows_)
        if (arrow) arrow->SetVisible(false);
}

void TBavStringGrid::HideMoveButton() {
    Screen->SetCursor(crDefault);
    moveButton_->SetEnabled(false);
    moveButton_->SetVisible(false);
    HideMoveArrows();
}

bool TBavStringGrid::EndEnhancedMove() {
    if (!EnhancedMoveShowing()) return false;
    HideMoveButton();
    const int from = enhancedMove_.index, to = enhancedMove_.target;
    if (GridState() == gsColMoving && to >= TBaseGrid::FixedCols() && to < ColCount() && to != from)
        NotifyColumnMoved(from, to);
    if (GridState() == gsRowMoving && to >= TBaseGrid::FixedRows() && to < RowCount() && to != from)
        NotifyRowMoved(from, to);
    KillTimer(Handle(), kGridSelectTimer);
    SetGridState(gsNormal);
    Invalidate();
    return true;
}

void TBavStringGrid::CancelEnhancedMove() {
    if (!moveButton_ || !moveButton_->Visible()) return;
    HideMoveButton();
    if (HandleAllocated()) KillTimer(Handle(), kGridSelectTimer);
    SetGridState(gsNormal);
}
