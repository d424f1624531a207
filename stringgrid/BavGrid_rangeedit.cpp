// Range selection and editing with one button (MouseActions.RangeSelectAndEdit):
// a press beside the selected cell switches editing off so that a drag picks
// a range, a press on the current cell switches it on and opens the editor,
// and a Shift press while editing extends the range instead.
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavOptions.h"

void TBavStringGrid::SwitchEditing(bool on) {
    TGridOptions options = Options();
    if (options.Contains(goEditing) == on) return;
    if (on)
        options.Include(goEditing);
    else
        options.Exclude(goEditing);
    SetOptions(options);
}

bool TBavStringGrid::InsideCellEdges(int col, int row, int x) {
    const TRect r = MergedCellRect(col, row);
    return x > r.left + 3 && x < r.right - 3;
}

void TBavStringGrid::RangeSelectPress(int col, int row, int x, int y, bool fixed) {
    rangeSelectPending_ = false;
    if (!mouseActions_->RangeSelectAndEdit() || fixed) return;
    const TRect r = MergedCellRect(col, row);
    const TGridRect s = Selection();
    const bool onSelected = PtInRect(&r, POINT{x, y}) && s.Left == col && s.Right == col && s.Top == row &&
                            s.Bottom == row;
    if (onSelected) return;
    SwitchEditing(false);
    rangeSelectPending_ = InsideCellEdges(col, row, x);
}

bool TBavStringGrid::RangeSelectAndEditDown(TShiftState shift, int x, int y) {
    if (!mouseActions_->RangeSelectAndEdit()) return false;
    const TGridCoord pressed = MouseCoord(x, y);
    if (pressed.X < 0 || pressed.Y < 0) return false;
    const TGridCoord cell = GetBaseCell(pressed.X, pressed.Y);
    const bool current = cell.X == Col() && cell.Y == Row();
    const bool editing = Options().Contains(goEditing);
    if (current && !editing && IsEditableCell(cell.X, cell.Y)) {
        SwitchEditing(true);
        TBaseGrid::MouseDown(mbLeft, shift, x, y);
        ShowCellEditor();
        return true;
    }
    if (!current && editing && shift.Contains(ssShift)) {
        SwitchEditing(false);
        TBaseGrid::MouseDown(mbLeft, shift, x, y);
        return true;
    }
    return false;
}
