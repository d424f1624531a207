// Cells picked one by one: a release (or Space) picks a cell alone or, with
// Ctrl, adds it to or takes it from the picked ones; a range the mouse or
// Shift selected is picked whole.
#include <algorithm>

#include "stringgrid/BavGrid.h"
#include "stringgrid/BavOptions.h"

bool TBavStringGrid::IsDisjunctCell(int col, int row) const {
    return std::find(disjunctCells_.begin(), disjunctCells_.end(), TGridCoord{col, row}) != disjunctCells_.end();
}

bool TBavStringGrid::PickDisjunctCell(int col, int row, bool ctrl, bool picksCell) {
    const TGridCoord base = GetBaseCell(col, row);
    bool fixed = false;
    IsFixedCellHook(RealColIndex(base.X), base.Y, fixed);
    if (fixed) return true;
    bool allow = true;
    if (OnSelectCell()) OnSelectCell()(this, base.X, base.Y, allow);
    if (!allow) return false;
    auto repaintPicked = [this] {
        for (const TGridCoord& cell : disjunctCells_) RepaintCell(cell.X, cell.Y);
    };
    if (picksCell) {
        const auto listed = std::find(disjunctCells_.begin(), disjunctCells_.end(), base);
        if (ctrl && listed != disjunctCells_.end()) {
            disjunctCells_.erase(listed);
        } else {
            if (!ctrl) {
                repaintPicked();
                disjunctCells_.clear();
            }
            disjunctCells_.push_back(base);
        }
    }
    const TGridRect s = Selection();
    if (s.Left != s.Right || s.Top != s.Bottom) {
        for (int r = s.Top; r <= s.Bottom; ++r)
            for (int c = s.Left; c <= s.Right; ++c)
                if (!(TGridCoord{c, r} == base) && !IsDisjunctCell(c, r)) disjunctCells_.push_back({c, r});
        repaintPicked();
    }
    RepaintCell(col, row);
    return true;
}
