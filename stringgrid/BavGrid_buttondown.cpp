// While the left button is down: the ordinary press kept from scrolling
// where MouseActions and Navigation ask, editing switched off while a range
// is dragged, the selection frame repainted as the selection changes, and
// the horizontal scroll held where the press found it.
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavOptions.h"

void TBavStringGrid::OrdinaryPress(TMessage& message) {
    const int topRow = TopRow();
    const int partialRow = topRow + VisibleRowCount(), partialCol = LeftCol() + VisibleColCount();
    const bool keepLeft = Options().Contains(goRowSelect) && navigation_->KeepHorizScroll();
    const int leftCol = LeftCol();
    if (keepLeft) BeginUpdate();
    if (!selectionHidden_) {
        // The press moves the current cell; it is not a navigation that
        // should open the editor on its own.
        const bool alwaysEdit = navigation_->AlwaysEdit();
        navigation_->SetAlwaysEdit(false);
        try {
            TBaseGrid::WndProc(message);
        } catch (...) {
            navigation_->SetAlwaysEdit(alwaysEdit);
            if (keepLeft) EndUpdate();
            throw;
        }
        navigation_->SetAlwaysEdit(alwaysEdit);
    }
    if (GridState() == gsSelecting && mouseActions_->NoAutoRangeScroll() &&
        (Row() == partialRow || Col() == partialCol))
        SetGridState(gsNormal);
    if (TopRow() != topRow && mouseActions_->NoScrollOnPartialRow()) SetTopRow(topRow);
    if (keepLeft) {
        SetLeftCol(leftCol);
        EndUpdate();
    }
}

void TBavStringGrid::ButtonDownMoveStart() {
    if (leftButtonDown_ && mouseActions_->RangeSelectAndEdit() && Options().Contains(goEditing) && !EditorMode()) {
        TGridOptions options = Options();
        options.Exclude(goEditing);
        SetOptions(options);
    }
    ReframeSelection(true);
}

// The frame drawn around the selection lies on the cells' inner edges, so
// a cell that stops being an edge keeps its old line unless it is painted.
void TBavStringGrid::ReframeSelection(bool whole) {
    if (!selectionRectangle_ || GridState() != gsSelecting) return;
    const TGridRect now = Selection();
    if (now == framedSelection_) return;
    if (whole)
        Invalidate();
    else if (framedSelection_.Left >= 0)
        InvalidateGridRect(framedSelection_);
    framedSelection_ = now;
}

void TBavStringGrid::KeepPressScroll() {
    if (!leftButtonDown_ || !navigation_->KeepHorizScroll() || GridState() == gsColMoving ||
        LeftCol() == pressLeftCol_)
        return;
    SuppressPaint();
    SetLeftCol(pressLeftCol_);
    ResetPaintLock();
    Invalidate();
}
