// The string grid's cells as text on the clipboard: copying the selection,
// cutting it, and pasting TAB and CR LF separated text at the selection.
#include <algorithm>

#include "platform/ui/clipbrd.h"
#include "stringgrid/BavFooter.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavUtil.h"
#include "stringgrid/html/BqgHTMLE.h"

void TBavStringGrid::ExpandSelectionToMerged() {
    TGridRect selection = Selection();
    const TGridRect old = selection;
    const TGridCoord topLeft = GetBaseCell(selection.Left, selection.Top);
    selection.Left = std::min(selection.Left, topLeft.X);
    selection.Top = std::min(selection.Top, topLeft.Y);
    const TGridCoord bottomRight = GetBaseCell(selection.Right, selection.Bottom);
    const TGridCoord span = GetCellSpan(bottomRight.X, bottomRight.Y);
    selection.Right = std::max(selection.Right, bottomRight.X + std::max(0, span.X));
    selection.Bottom = std::max(selection.Bottom, bottomRight.Y + std::max(0, span.Y));
    if (selection.Left != old.Left || selection.Top != old.Top || selection.Right != old.Right ||
        selection.Bottom != old.Bottom)
        SetSelection(selection);
}

// A text with line breaks is quoted without its CR characters, so that the
// line breaks between rows stay the only ones.
AnsiString TBavStringGrid::SelectionToText(const TGridRect& range) {
    AnsiString text;
    for (int row = range.Top; row <= range.Bottom; ++row) {
        for (int col = range.Left; col <= range.Right; ++col) {
            AnsiString cell = GetDisplayText(RealColIndex(col), row);
            if (cell.find('\r') != AnsiString::npos) {
                cell.erase(std::remove(cell.begin(), cell.end(), '\r'), cell.end());
                cell = "\"" + cell + "\"";
            }
            if (!navigation_->CopyHTMLTagsToClipboard() && cell.find("</") != AnsiString::npos)
                cell = StripHTMLTags(cell);
            if (col > range.Left) text += '\t';
            text += cell;
        }
        if (range.Bottom > range.Top) text += "\r\n";
    }
    return text;
}

void TBavStringGrid::CopySelection() {
    ExpandSelectionToMerged();
    Clipboard()->SetAsText(SelectionToText(Selection()));
}

void TBavStringGrid::CutSelection() {
    CopySelection();
    const TGridRect selection = Selection();
    for (int row = selection.Top; row <= selection.Bottom; ++row)
        for (int col = selection.Left; col <= selection.Right; ++col)
            if (navigation_->AllowClipboardAlways() || IsEditableCell(col, row))
                SetCellText(RealColIndex(col), row, "");
    CellsChanged(TRect(selection.Left, selection.Top, selection.Right, selection.Bottom));
}

void TBavStringGrid::PasteCellText(int col, int row, const AnsiString& text) {
    const int realCol = RealColIndex(col);
    if (IsCheckBoxCell(realCol, row)) {
        AnsiString trueText;
        GetCheckTrueText(realCol, row, trueText);
        SetCheckBoxState(realCol, row, text == trueText);
    } else {
        SetCellText(realCol, row, text);
    }
}

int TBavStringGrid::PasteText(int col, int row, const AnsiString& text) {
    if (col < 0 || row < 0) return 0;
    if (!Options().Contains(goEditing) && !navigation_->AllowClipboardAlways() &&
        !mouseActions_->RangeSelectAndEdit())
        return 0;
    int fields = 0, lastCol = col, lastRow = row;
    std::size_t pos = 0;
    int r = row;
    while (pos <= text.size()) {
        std::size_t end = text.find('\r', pos);
        const bool lastLine = end == AnsiString::npos;
        const AnsiString line = text.substr(pos, lastLine ? AnsiString::npos : end - pos);
        pos = lastLine ? text.size() + 1 : end + 1;
        if (!lastLine && pos < text.size() && text[pos] == '\n') ++pos;
        const int lastRowHere = floatingFooter_->Visible() ? RowCount() - 2 : RowCount() - 1;
        if (r > lastRowHere && navigation_->AllowClipboardRowGrow() && !(lastLine && line.empty())) {
            if (floatingFooter_->Visible())
                InsertRows(RowCount() - 1, 1);
            else
                SetRowCount(RowCount() + 1);
        }
        std::size_t start = 0;
        int c = col;
        while (true) {
            const std::size_t tab = line.find('\t', start);
            AnsiString field = line.substr(start, tab == AnsiString::npos ? AnsiString::npos : tab - start);
            ++fields;
            // The empty last field after a final line break is counted, not stored.
            if (!(lastLine && line.empty())) {
                if (field.find('\n') != AnsiString::npos) {
                    if (!field.empty() && field[0] == '"') field.erase(0, 1);
                    if (!field.empty() && field.back() == '"') field.pop_back();
                    RestoreLineBreaks(field);
                }
                if (c >= ColCount() && navigation_->AllowClipboardColGrow()) SetColCount(c + 1);
                if (c < ColCount() && r < RowCount() &&
                    (navigation_->AllowClipboardAlways() || IsEditableCell(c, r))) {
                    bool allow = true;
                    if (onClipboardBeforePasteCell_) onClipboardBeforePasteCell_(this, c, r, field, allow);
                    if (allow) {
                        PasteCellText(c, r, field);
                        lastCol = std::max(lastCol, c);
                        lastRow = std::max(lastRow, r);
                    }
                }
            }
            if (tab == AnsiString::npos) break;
            start = tab + 1;
            ++c;
        }
        ++r;
        if (lastLine) break;
    }
    CellsChanged(TRect(RealColIndex(col), row, RealColIndex(lastCol), lastRow));
    return fields;
}

void TBavStringGrid::PasteFromClipboard() {
    ExpandSelectionToMerged();
    if (!Clipboard()->HasFormat(CF_TEXT)) return;
    const TGridRect selection = Selection();
    const int col = Options().Contains(goRowSelect) ? TBaseGrid::FixedCols() : selection.Left;
    PasteText(col, selection.Top, Clipboard()->AsText());
}
