// What follows the moving of a column or a row: the cells kept for hidden
// rows, the column-visibility table, the column-order list, the sort column
// and the sort index list take the moved indexes, a move the grid makes
// itself carries the sizes and the current column, and a row never moves
// under a fixed-last-row footer; and the application's say on a move while
// it is dragged.
#include "platform/rtl/valuerestorer.h"
#include "stringgrid/BavFooter.h"
#include "stringgrid/BavGrid.h"

namespace {

// The index an index becomes when the column at `from` moves to `to`.
int MovedIndex(int index, int from, int to) {
    if (index == from) return to;
    if (from < to && index > from && index <= to) return index - 1;
    if (to < from && index >= to && index < from) return index + 1;
    return index;
}

}  // namespace

void TBavStringGrid::ColumnMoved(int fromIndex, int toIndex) {
    const int from = RealColIndex(fromIndex), to = RealColIndex(toIndex);
    if (from < columnOrder_->Count() && to < columnOrder_->Count()) columnOrder_->Move(from, to);
    // The platform's own move has carried the width and the current column.
    const bool notifying = enhancedMove_.notifying;
    if (notifying && enhRowColMove_) MoveSizes(true, fromIndex, toIndex);
    movedOrSized_ = true;
    // With hidden columns the cells sit at their real indexes.
    const bool hidden = NumHiddenColumns() > 0;
    if (hidden) columnVisibility_.Move(from, to);
    TBaseGrid::ColumnMoved(hidden ? from : fromIndex, hidden ? to : toIndex);
    for (int i = 0; i < hiddenRows_->Count(); ++i) {
        TStrings* cells = HiddenRowAt(i)->Items();
        if (from < cells->Count() && to < cells->Count()) cells->Move(from, to);
    }
    sortSettings_->SetColumn(MovedIndex(sortSettings_->Column(), from, to));
    for (int i = 0; i < sortIndexes_->Count(); ++i) {
        const unsigned entry = unsigned(sortIndexes_->GetItem(i));
        const unsigned direction = entry & TSortIndexList::kDescending;
        const int col = int(entry & ~TSortIndexList::kDescending);
        sortIndexes_->SetItem(i, int(unsigned(MovedIndex(col, from, to)) | direction));
    }
    if (notifying && Col() != MovedIndex(Col(), fromIndex, toIndex)) {
        const ValueRestorer bypass(selectCellBypass_, true);
        MoveColRow(MovedIndex(Col(), fromIndex, toIndex), Row(), true, false);
    }
    if (floatingFooter_->Visible()) footerPanel_->Invalidate();
}

void TBavStringGrid::RowMoved(int fromIndex, int toIndex) {
    if (floatingFooter_->Visible() && floatingFooter_->FooterStyle() == fsFixedLastRow && toIndex == RowCount() - 1)
        return;
    if (enhancedMove_.notifying && enhRowColMove_) MoveSizes(false, fromIndex, toIndex);
    movedOrSized_ = true;
    TBaseGrid::RowMoved(fromIndex, toIndex);
}

void TBavStringGrid::AskMoveAllowed() {
    const TGridState state = GridState();
    if (state != gsColMoving && state != gsRowMoving) return;
    const TGridCoord pressed = MouseCoord(mouseDownPoint_.x, mouseDownPoint_.y);
    bool allow = true;
    if (state == gsColMoving && onColumnMove_) onColumnMove_(this, RealColIndex(pressed.X), allow);
    if (state == gsRowMoving && onRowMove_) onRowMove_(this, pressed.Y, allow);
    if (!allow) SetGridState(gsNormal);
}
