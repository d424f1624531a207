// Finding in the string grid: the incremental goto of a grid that is not
// editing, and the cell finder with its options.
#include "platform/rtl/codepage.h"
#include "platform/rtl/sysutils.h"
#include "stringgrid/BavFilter.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavUtil.h"
#include "stringgrid/html/BqgHTMLE.h"

int TBavStringGrid::FindIncrementalRow(const AnsiString& text) {
    if (RowCount() < 2) return -1;
    const int col = sortSettings_->Show() ? sortSettings_->Column() : 1;
    const AnsiString wanted = AnsiUpperCase(text);
    for (int row = TBaseGrid::FixedRows(); row < RowCount(); ++row) {
        if (AnsiUpperCase(GetStrippedCellText(col, row).substr(0, wanted.size())) == wanted) return row;
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

// The incremental goto's text goes on the fourth tick of the grid's timer
// after its last key.
void TBavStringGrid::ExpireGotoText() {
    if (!navigation_->AutoGotoIncremental() || timerTicks_ <= 3) return;
    gotoText_.clear();
    timerTicks_ = 0;
}

namespace {

// The find text's place in the cell text under the position options; a text
// of two double quotes finds empty cells.
template <class String>
bool TextMatches(const String& cell, const String& wanted, int position, TGridFindOptions options) {
    static const String kEmptyCell(2, '"');
    if (wanted == kEmptyCell) return cell.empty();
    if (options.Contains(gfMatchStart) ? position != 1 : position <= 0) return false;
    return !options.Contains(gfMatchFull) || cell == wanted;
}

}  // namespace

bool TBavStringGrid::CellMatchesFind(int col, int row, bool wide) {
    const int cellCol = findOptions_.Contains(gfIncludeHiddenColumns) ? col : RealColIndex(col);
    const bool matchCase = findOptions_.Contains(gfMatchCase);
    if (wide) {
        WideString text = GetWideCell(cellCol, row);
        if (!matchCase) text = WideUpperCase(text);
        if (findOptions_.Contains(gfMatchCondition))
            return MatchFilterCondition(WideToAnsi(findWideText_), WideToAnsi(text), matchCase);
        return TextMatches(text, findWideText_, WidePos(findWideText_, text), findOptions_);
    }
    AnsiString text = GetDisplayText(cellCol, row);
    if (findOptions_.Contains(gfIgnoreHTMLTags)) text = StripHTMLTags(text);
    if (!matchCase) text = AnsiUpperCase(text);
    if (findOptions_.Contains(gfMatchCondition)) return MatchFilterCondition(findText_, text, matchCase);
    return TextMatches(text, findText_, AnsiPos(findText_, text), findOptions_);
}

void TBavStringGrid::FindCell(TGridCoord start, const AnsiString& text, TGridCoord& found, TGridFindOptions options,
                              bool wide, const WideString& wideText) {
    found = {-1, -1};
    findOptions_ = options;
    const bool matchCase = options.Contains(gfMatchCase);
    findText_ = matchCase ? text : AnsiUpperCase(text);
    findWideText_ = matchCase ? wideText : WideUpperCase(wideText);
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
            if (col < 0 || row < 0 || col >= colLimit || row >= RowCount()) continue;
            if (!CellMatchesFind(col, row, wide)) continue;
            found = {col, row};
            lastFound_ = found;
            if (options.Contains(gfGotoFound)) {
                if (mouseActions_->DisjunctRowSelect()) {
                    ClearRowSelect();
                    SetRowSelect(row, true);
                } else {
                    SetRowEx(row);
                    SetCol(col);
                }
            }
            return;
        }
    }
}
