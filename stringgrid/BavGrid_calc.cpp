// Column calculations: sum, average, minimum and maximum of a column, and
// the footer row they fill while the floating footer repeats it.
#include <algorithm>

#include "stringgrid/BavFooter.h"
#include "stringgrid/BavGrid.h"

namespace {

enum FooterKind { fcNone = 0, fcSum, fcAverage, fcCount, fcMin, fcMax, fcKeep, fcCustom };

}  // namespace

double TBavStringGrid::GetRealRowCellFloat(int col, int realRow) {
    return CellTextFloat(GetRealRowCellText(col, realRow));
}

double TBavStringGrid::ColumnCalc(int col, int firstRow, int lastRow, bool realRows, int kind) {
    double result = kind == fcSum ? 0.0 : GetCellFloat(col, firstRow);
    ProgressHook(0, 0);
    for (int row = firstRow; row <= lastRow; ++row) {
        if (IsCoveredCell(col, realRows ? DisplayRowIndex(row) : row)) continue;
        // A grouped grid's headers and summaries are no data.
        if (!realRows && groupColumn_ >= 0 && (IsNodeRow(row) || IsSummaryRow(row))) continue;
        ProgressHook(1, row);
        double value = 0.0;
        try {
            value = realRows ? GetRealRowCellFloat(col, row) : GetCellFloat(col, row);
        } catch (const EBavGridError&) {
            continue;
        }
        if (kind == fcSum)
            result += value;
        else if (kind == fcMin ? value < result : value > result)
            result = value;
    }
    ProgressHook(2, 0);
    return result;
}

// Hidden rows are counted exactly when the range reaches past the rows in
// view; a range within them never steps onto real indexes.
double TBavStringGrid::ColumnSum(int col, int firstRow, int lastRow) {
    return ColumnCalc(col, firstRow, lastRow, NumHiddenRows() > 0 && lastRow > RowCount() - 1, fcSum);
}

double TBavStringGrid::ColumnAvg(int col, int firstRow, int lastRow) {
    if (lastRow < firstRow) return 0.0;
    return ColumnSum(col, firstRow, lastRow) / (lastRow - firstRow + 1);
}

double TBavStringGrid::ColumnMin(int col, int firstRow, int lastRow) {
    return ColumnCalc(col, firstRow, lastRow, NumHiddenRows() > 0 && lastRow > RowCount() - 1, fcMin);
}

double TBavStringGrid::ColumnMax(int col, int firstRow, int lastRow) {
    return ColumnCalc(col, firstRow, lastRow, NumHiddenRows() > 0 && lastRow > RowCount() - 1, fcMax);
}

void TBavStringGrid::CalcFooter(int col) {
    if (!floatingFooter_->Visible() || floatingFooter_->FooterStyle() != fsFixedLastRow ||
        !floatingFooter_->CalculationEnabled())
        return;
    const int footer = RowCount() - 1;
    const int hidden = floatingFooter_->CalculateHiddenRows() ? NumHiddenRows() : 0;
    const bool realRows = hidden > 0;
    const int first = TBaseGrid::FixedRows(), last = RowCount() - 2 + hidden;
    const int fromCol = col < 0 ? 0 : col, toCol = col < 0 ? AllColCount() - 1 : col;
    for (int c = fromCol; c <= toCol; ++c) {
        if (!HasCellProperties(c, footer)) continue;
        switch (GetCellProperties(c, footer)->CalcType() & 0x7F) {
        case fcNone:
            SetCellText(c, footer, "");
            break;
        case fcSum:
            SetCellFloat(c, footer, ColumnCalc(c, first, last, realRows, fcSum));
            break;
        case fcAverage:
            SetCellFloat(c, footer,
                         last < first ? 0.0 : ColumnCalc(c, first, last, realRows, fcSum) / (last - first + 1));
            break;
        case fcCount:
            SetCellFloat(c, footer, RowCount() - 1 - first + hidden);
            break;
        case fcMin:
            SetCellFloat(c, footer, ColumnCalc(c, first, last, realRows, fcMin));
            break;
        case fcMax:
            SetCellFloat(c, footer, ColumnCalc(c, first, last, realRows, fcMax));
            break;
        case fcCustom: {
            AnsiString value;
            if (floatingFooter_->OnCalcFooter()) floatingFooter_->OnCalcFooter()(this, c, footer + hidden, value);
            SetCellText(c, footer, value);
            break;
        }
        default:
            break;
        }
    }
}

void TBavStringGrid::RecalcFooter(int col) { CalcFooter(col); }
