// The release as the platform grid sees it: a sizing dragged out of the
// grid is cancelled, a right release does not end a column move, and a
// selection changed by the release is reported.
#include "platform/win/userinput.h"
#include "stringgrid/BavGrid.h"

void TBavStringGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    const TGridState state = GridState();
    if ((state == gsColSizing && x > Width()) || (state == gsRowSizing && y > Height())) {
        // The platform takes its sizing line away and keeps the old size.
        SendMessage(Handle(), WM_CANCELMODE, 0, 0);
        return;
    }
    if (button == mbLeft && mouseActions_->DisjunctCellSelect()) {
        const TGridCoord cell = MouseCoord(x, y);
        if (cell.X >= 0 && cell.Y >= 0 &&
            !PickDisjunctCell(cell.X, cell.Y, shift.Contains(ssCtrl), !shift.Contains(ssShift)))
            return;
    }
    if (button == mbRight && state == gsColMoving) return;
    const TGridRect before = Selection();
    TBaseGrid::MouseUp(button, shift, x, y);
    SelectionChangedSince(before);
}
