// The selection grip: the small square at the bottom-right corner of a
// framed selection. Dragging it widens the selection from its top-left
// cell, and the release fills the new range with the cells copied at the
// press, repeating them or continuing their series.
#include <utility>

#include "platform/rtl/valuerestorer.h"
#include "platform/win/userinput.h"
#include "stringgrid/BavGrid.h"

bool TBavStringGrid::IsOnSelectionGrip(int x, int y) {
    if (!selectionResizer_ || !selectionRectangle_) return false;
    const TGridRect selection = Selection();
    const TRect r = MergedCellRect(selection.Right, selection.Bottom);
    return x >= r.right - 6 && x < r.right && y >= r.bottom - 6 && y < r.bottom;
}

bool TBavStringGrid::GripPress(TMessage& message) {
    const int x = short(LOWORD(message.LParam)), y = short(HIWORD(message.LParam));
    if (!IsOnSelectionGrip(x, y)) return false;
    SetGridState(gsSelecting);
    const TGridRect selection = Selection();
    gripOrigin_ = selection;
    CopySelection();
    gripResizing_ = true;
    mouseDownPoint_ = TPoint(x, y);
    // The platform's press focuses and captures; an editing grid would
    // open its editor there, so it only takes the capture.
    if (!Options().Contains(goEditing) && !mouseActions_->RangeSelectAndEdit())
        TBaseGrid::WndProc(message);
    else
        SetCapture(Handle());
    // The anchor goes back to the top-left cell, so that the selection
    // follows the mouse from there.
    SetSelection(selection);
    SetGridState(gsSelecting);
    MouseMove(TShiftState(), x, y);
    return true;
}

void TBavStringGrid::EndGripResize() {
    if (!std::exchange(gripResizing_, false)) return;
    const TGridRect resized = Selection();
    if (onSelectionResize_) onSelectionResize_(this, gripOrigin_, resized);
    {
        const ValueRestorer filling(rangeFill_, true);
        PasteFromClipboard();
    }
    if (onSelectionResized_) onSelectionResized_(this, gripOrigin_, resized);
}
