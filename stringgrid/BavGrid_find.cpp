// Finding in the string grid: the incremental goto of a grid that is not
// editing, and the cell finder with its options.
#include <algorithm>

#include "platform/rtl/sysutils.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/html/BqgHTMLE.h"

int TBavStringGrid::FindIncrementalRow(const AnsiString& text) {
    if (RowCount() < 2) return -1;
    const int col = sortSettings_->Show() ? sortSettings_->Column() : 1;
    const AnsiString wanted = AnsiUpperCase(text);
    for (int row = TBaseGrid::FixedRows(); row < RowCount(); ++row) {
        const AnsiString cell = StripHTMLTags(GetDisplayText(col, row));
        if (AnsiUpperCase(cell.substr(0, wanted.size())) == wanted) return row;
    }
    return -1;
}

// The goto text follows the keys of a grid that is not editing.
void TBavStringGrid::IncrementalGoto(char key) {
    if (navigation_->AutoGotoIncremental()) {
        if (key == '\b') {
            if (!gotoText_.empty()) gotoText_.pop_back();
        } else {
            gotoText_ += key;
        }
        timerTicks_ = 0;
    } else {
        gotoText_ = AnsiString(1, key);
    }
    gotoText_ = AnsiUpperCase(gotoText_);
    const int row = FindIncrementalRow(gotoText_);
    if (row < 0)
        gotoText_.clear();
    else
        SetRowEx(row);
}

// The goto text lasts four ticks of the grid's timer.
void TBavStringGrid::ExpireGotoText() {
    if (timerTicks_ >= 4) gotoText_.clear();
}

bool TBavStringGrid::CellMatchesFind(int col, int row) {
    const int realCol = findOptions_.Contains(gfIncludeHiddenColumns) ? col : RealColIndex(col);
    AnsiString text = GetDisplayText(realCol, row);
    if (findOptions_.Contains(gfIgnoreHTMLTags)) text = StripHTMLTags(text);
    if (!findOptions_.Contains(gfMatchCase)) text = AnsiUpperCase(text);
    if (findText_ == "\"\"") return text.empty();
    const std::size_t at = text.find(findText_);
    if (findOptions_.Contains(gfMatchStart) && at != 0) return false;
    if (at == AnsiString::npos) return false;
    return !findOptions_.Contains(gfMatchFull) || text == findText_;
}

void TBavStringGrid::FindCell(TGridCoord start, const AnsiString& text, TGridCoord& found, TGridFindOptions options) {
    found = {-1, -1};
    findOptions_ = options;
    findText_ = options.Contains(gfMatchCase) ? text : AnsiUpperCase(text);
    const int fixedCols = TBaseGrid::FixedCols(), fixedRows = TBaseGrid::FixedRows();
    if (ColCount() <= fixedCols || RowCount() <= fixedRows) return;
    const bool all = options.Contains(gfIncludeFixed);
    int firstCol = all ? 0 : fixedCols, lastCol = all ? ColCount() - 1 : ColCount() - fixedRightCols_ - 1;
    int firstRow = all ? 0 : fixedRows, lastRow = all ? RowCount() - 1 : RowCount() - fixedFooters_ - 1;
    // Hidden columns are scanned by real index, past the shown ones.
    const int colLimit = options.Contains(gfIncludeHiddenColumns) ? AllColCount() : ColCount();
    lastCol += colLimit - ColCount();
    const bool rowWise = options.Contains(gfRowWise), backward = options.Contains(gfBackward);
    const int step = backward ? -1 : 1;
    // The cell the scan begins with: the first of the range, or the one after `start`.
    int col = backward ? lastCol : firstCol, row = backward ? lastRow : firstRow;
    if (start.X >= 0 || start.Y >= 0) {
        col = start.X;
        row = start.Y;
        if (rowWise) {
            col += step;
        } else {
            row += step;
            if (row < firstRow || row > lastRow) {
                row = backward ? lastRow : firstRow;
                col += step;
            }
        }
        if ((col < firstCol || col > lastCol) && (row < firstRow || row > lastRow)) {
            col = backward ? lastCol : firstCol;
            row = backward ? lastRow : firstRow;
        }
    }
    auto restrict = [](bool on, int value, int& first, int& last, int& at) {
        if (on) first = last = at = value;
    };
    restrict(options.Contains(gfCurrentRowOnly), Row(), firstRow, lastRow, row);
    restrict(options.Contains(gfGivenRowOnly), givenRow_, firstRow, lastRow, row);
    restrict(options.Contains(gfCurrentColumnOnly), Col(), firstCol, lastCol, col);
    restrict(options.Contains(gfGivenColumnOnly), givenColumn_, firstCol, lastCol, col);
    auto inside = [step](int v, int first, int last) { return step > 0 ? v <= last : v >= first; };
    // The outer axis walks from its start; the inner one restarts at its first cell.
    int& outer = rowWise ? row : col;
    int& inner = rowWise ? col : row;
    const int outerFirst = rowWise ? firstRow : firstCol, outerLast = rowWise ? lastRow : lastCol;
    const int innerFirst = rowWise ? firstCol : firstRow, innerLast = rowWise ? lastCol : lastRow;
    for (; inside(outer, outerFirst, outerLast); outer += step, inner = backward ? innerLast : innerFirst) {
        for (; inside(inner, innerFirst, innerLast); inner += step) {
            ProgressHook(1, row);
            if (col < 0 || row < 0 || col >= colLimit || row >= RowCount() || !CellMatchesFind(col, row)) continue;
            found = {col, row};
            lastFound_ = found;
            if (options.Contains(gfGotoFound)) {
                if (mouseActions_->DisjunctRowSelect()) {
                    ClearRowSelect();
                    SetRowSelect(row, true);
                }
                SetRowEx(row);
                SetCol(col);
            }
            return;
        }
    }
}
