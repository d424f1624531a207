// Grouping: runs of equal values of a column become node headers (the
// column itself goes away), with summary rows after the groups when asked;
// sub-groups fold runs inside the groups, and ungrouping writes the values
// back into a column put in again.
#include "stringgrid/BavGrid.h"

namespace {

// Differs from every cell text.
const AnsiString kNoValue = "\xFF\xFE";

}  // namespace

void TBavStringGrid::RecordGroupColumn(int col) {
    groupColumn_ = col;
    groupColWidth_ = ColWidths(col);
    if (TBaseGrid::FixedRows() > 0) groupHeaderText_ = Cells(col, 0);
    if (fixedFooters_ > 0) groupFooterText_ = Cells(col, RowCount() - 1);
}

void TBavStringGrid::ColorGroupRow(int row, bool summary) {
    const TGrouping* g = grouping_.get();
    const TColor color = summary ? g->SummaryColor() : g->HeaderColor();
    const TColor colorTo = summary ? g->SummaryColorTo() : g->HeaderColorTo();
    const TColor text = summary ? g->SummaryTextColor() : g->HeaderTextColor();
    if (color != clNone) SetRowColor(row, color);
    if (colorTo != clNone) SetRowColorTo(row, colorTo);
    if (text != clNone) SetRowFontColor(row, text);
}

void TBavStringGrid::MergeGroupRow(int row, int fromCol, bool summary) {
    const TGrouping* g = grouping_.get();
    MergeCells(fromCol, row, ColCount() - fromCol, 1);
    SetCellBrushColor(fromCol, row, summary ? g->SummaryColor() : g->HeaderColor());
    SetCellBrushColorTo(fromCol, row, summary ? g->SummaryColorTo() : g->HeaderColorTo());
    SetCellFontColor(fromCol, row, summary ? g->SummaryTextColor() : g->HeaderTextColor());
}

void TBavStringGrid::ClearGroupRowLook(int row, int fromCol, bool summary) {
    if (summary ? grouping_->MergeSummary() : grouping_->MergeHeader()) {
        SplitCells(fromCol, row);
        return;
    }
    SetRowColor(row, clNone);
    SetRowColorTo(row, clNone);
    SetRowFontColor(row, clNone);
}

void TBavStringGrid::InsertSummaryRow(int row) {
    InsertRows(row, 1);
    MarkSummaryRow(row);
    if (!grouping_->MergeSummary()) ColorGroupRow(row, true);
}

void TBavStringGrid::Group(int col) {
    if (col < TBaseGrid::FixedCols()) return;
    if (groupColumn_ >= 0) UnGroup();
    if (RowCount() <= FixedRows()) return;
    TGridUpdateLock lock(this);
    RecordGroupColumn(col);
    const int textCol = col == 1 ? 2 : 1;
    const bool summary = grouping_->Summary(), mergeHeader = grouping_->MergeHeader();
    if (sortSettings_->AutoSortForGrouping()) {
        sortSettings_->SetColumn(col);
        QSort();
    }
    const int fixedRows = TBaseGrid::FixedRows();
    AnsiString previous = kNoValue;
    int header = -1, b = fixedRows;
    while (b <= RowCount() - fixedFooters_ - 1) {
        const AnsiString value = GetDisplayText(col, b);
        if (value != previous) {
            if (header >= 0) {
                if (header > fixedRows && summary) {
                    InsertSummaryRow(header++);
                    AddNode(header, b - header + 1);
                    ++b;
                } else {
                    AddNode(header, b - header);
                }
            }
            InsertRows(b, 1);
            SetCells(textCol, b, value);
            if (!mergeHeader) ColorGroupRow(b, false);
            header = b++;
        }
        if (b < RowCount() - 1) previous = GetDisplayText(col, b);
        ++b;
    }
    if (header < 0) {
        AddNode(fixedRows, b - 1);
    } else {
        if (header > fixedRows && summary) {
            InsertSummaryRow(header++);
            ++b;
        }
        AddNode(header, b - header);
    }
    if (summary) InsertSummaryRow(b);
    RemoveCols(col, 1);
    if (mergeHeader || grouping_->MergeSummary())
        for (int row = fixedRows; row < RowCount(); ++row) {
            if (IsNodeRow(row)) {
                if (mergeHeader) MergeGroupRow(row, 1, false);
            } else if (grouping_->MergeSummary() && (row == RowCount() - 1 || IsNodeRow(row + 1))) {
                MergeGroupRow(row, 1, true);
            }
        }
    SetRow(fixedRows);
}

void TBavStringGrid::UnGroup() {
    if (groupColumn_ <= 0) return;
    ExpandAll();
    const int col = groupColumn_, textCol = col == 1 ? 2 : 1;
    TGridUpdateLock lock(this);
    InsertCols(col, 1);
    SetColWidths(col, groupColWidth_);
    if (TBaseGrid::FixedRows() > 0) SetCells(col, 0, groupHeaderText_);
    if (fixedFooters_ > 0) SetCells(col, RowCount() - 1, groupFooterText_);
    AnsiString value;
    for (int b = TBaseGrid::FixedRows(); b <= RowCount() - fixedFooters_ - 1;) {
        if (!IsNodeRow(b)) {
            SetCells(col, b++, value);
            continue;
        }
        if (grouping_->Summary()) {
            const int summaryRow = b + GetNodeSpan(b);
            ClearGroupRowLook(summaryRow, 1, true);
            FreeCellObject(0, summaryRow);
            DeleteRowsRaw(summaryRow, 1);
        }
        value = Cells(textCol, b);
        RemoveNode(RealRowIndex(b));
        FreeCellObject(0, b);
        ClearGroupRowLook(b, 1, false);
        ClearRect(0, b, ColCount() - 1, b);
        DeleteRowsRaw(b, 1);
    }
    groupColumn_ = -1;
}

void TBavStringGrid::SubGroup(int col) {
    if (col < TBaseGrid::FixedCols()) return;
    TGridUpdateLock lock(this);
    RecordGroupColumn(col);
    const int textCol = col + 1;
    auto isPlainRow = [this](int row) { return !IsNodeRow(row) && !IsSummaryRow(row); };
    auto addSubNode = [this, col](int row, int span) {
        AddNode(row, span);
        NodeGraphic(row)->SetCellTag(col);
    };
    AnsiString previous = kNoValue;
    int header = -1, b = TBaseGrid::FixedRows() + 1;
    while (b < RowCount() - fixedFooters_ - 1) {
        const AnsiString value = GetDisplayText(col, b);
        if (value != previous || !isPlainRow(b)) {
            if (header >= 0 && isPlainRow(header)) addSubNode(header, b - header);
            if (isPlainRow(b)) {
                InsertNodeChildRow(RealRowIndex(b), 0);
                SetCells(textCol, b, value);
                if (grouping_->MergeHeader())
                    MergeGroupRow(b, textCol, false);
                else
                    ColorGroupRow(b, false);
            }
            header = b++;
        }
        if (b < RowCount() - 1 && isPlainRow(b - 1)) {
            previous = Cells(col, b);
            SetCells(col, b++, "");
        } else {
            previous = kNoValue;
        }
    }
    if (header < 0 || isPlainRow(header)) {
        if (header < 0)
            addSubNode(TBaseGrid::FixedRows(), b - 1);
        else
            addSubNode(header, b - header + 1);
        if (b <= RowCount() - 1 && isPlainRow(b - 1)) SetCells(col, b++, "");
        if (grouping_->Summary()) {
            InsertRows(b, 1);
            MarkSummaryRow(b);
            if (grouping_->MergeSummary())
                MergeGroupRow(b, textCol, true);
            else
                ColorGroupRow(b, true);
        }
    }
    SetRow(TBaseGrid::FixedRows());
}

void TBavStringGrid::RemoveGroupLevel(int col) {
    ExpandAll();
    AnsiString value;
    for (int a = TBaseGrid::FixedRows(); a <= RowCount() - fixedFooters_ - 1;) {
        TCellGraphic* node = NodeGraphic(a);
        if (node && node->CellTag() == Variant(col)) {
            value = Cells(col + 1, a);
            RemoveNode(RealRowIndex(a));
            ClearGroupRowLook(a, col + 1, false);
            RemoveNodeChildRow(RealRowIndex(a));
            continue;
        }
        if (!node) SetCells(col, a, value);
        ++a;
    }
}
