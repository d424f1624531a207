// The string grid's cells on the clipboard: the selection copied as text
// (and as rich text and cell objects by option), cut, and the clipboard's
// best format pasted at a cell.
#include <algorithm>

#include "platform/rtl/streams.h"
#include "platform/ui/clipbrd.h"
#include "stringgrid/BavFooter.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavRichEdit.h"
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
    if (!(selection == old)) SetSelection(selection);
}

bool TBavStringGrid::IsWideTextCell(int col, int row) { return GetDisplayText(col, row).starts_with(WideCellPrefix); }

AnsiString TBavStringGrid::RichTextToPlain(const AnsiString& rtf) {
    TStringStream stream(rtf);
    measuringRichEdit_->Lines()->LoadFromStream(&stream);
    return measuringRichEdit_->Text();
}

// A text with line breaks is quoted without its CR characters, so that the
// line breaks between rows stay the only ones.
AnsiString TBavStringGrid::RangeText(const TGridRect& range, bool disjunct) {
    const bool skipRows = disjunct && mouseActions_->DisjunctRowSelect() && !mouseActions_->DisjunctColSelect();
    const bool skipCols = disjunct && mouseActions_->DisjunctColSelect();
    const int stage = range.Top <= FixedRows() && range.Bottom >= RowCount() - FixedFooters() - 1 ? 1 : 3;
    AnsiString text;
    for (int row = range.Top; row <= range.Bottom; ++row) {
        if (skipRows && !GetRowSelect(mouseActions_->RowSelectPersistent() ? RealRowIndex(row) : row)) continue;
        ProgressHook(stage, row);
        bool first = true;
        for (int col = range.Left; col <= range.Right; ++col) {
            if (skipCols && !GetColSelect(col)) continue;
            AnsiString cell = GetCellSaveText(RealColIndex(col), row);
            if (cell.find('\r') != AnsiString::npos) {
                std::erase(cell, '\r');
                cell = "\"" + cell + "\"";
            }
            if (!navigation_->CopyHTMLTagsToClipboard() && cell.find("</") != AnsiString::npos)
                cell = StripHTMLTags(GetDisplayText(RealColIndex(col), row));
            else if (cell.find("{\\") != AnsiString::npos)
                cell = RichTextToPlain(cell);
            if (!first) text += '\t';
            text += cell;
            first = false;
        }
        if (range.Bottom > range.Top) text += "\r\n";
    }
    return text;
}

void TBavStringGrid::SelectionToText(const TGridRect& range, bool disjunct) {
    copyOrigin_ = range.TopLeft();
    ProgressHook(0, 0);
    const AnsiString text = RangeText(range, disjunct);
    Clipboard()->Open();
    Clipboard()->SetAsText(text);
    if (navigation_->AllowRTFClipboard()) CopyRichText(range.Left, range.Top);
    if (navigation_->AllowFmtClipboard()) CopyCellsFormat(range);
    Clipboard()->Close();
    ProgressHook(2, 0);
}

void TBavStringGrid::CopyRichText(int col, int row) {
    const AnsiString text = GetDisplayText(col, row);
    if (text.find("{\\") == AnsiString::npos) return;
    const HGLOBAL block = NewTextBlock(text);
    if (!OpenClipboard(HandleAllocated() ? Handle() : 0)) {
        GlobalFree(block);
        return;
    }
    SetClipboardData(RichTextClipboardFormat(), block);
    CloseClipboard();
}

void TBavStringGrid::CopyCellsFormat(const TGridRect& range) {
    TMemoryStream stream;
    WriteCellsToStream(range, &stream);
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, std::size_t(stream.Size()));
    void* data = block ? GlobalLock(block) : nullptr;
    if (!data) {
        if (block) GlobalFree(block);
        return;
    }
    std::copy_n(static_cast<const char*>(stream.Memory()), stream.Size(), static_cast<char*>(data));
    GlobalUnlock(block);
    Clipboard()->Open();
    Clipboard()->SetAsHandle(CellsClipboardFormat(), block);
    Clipboard()->Close();
}

void TBavStringGrid::CopySelection() {
    ExpandSelectionToMerged();
    const bool disjunct = mouseActions_->DisjunctRowSelect() || mouseActions_->DisjunctColSelect();
    const TGridRect range =
        disjunct ? TGridRect{FirstSaveCol(), FirstSaveRow(), LastSaveCol(), LastSaveRow()} : Selection();
    SelectionToText(range, disjunct);
    copied_ = true;
}

void TBavStringGrid::CutSelection() {
    CopySelection();
    const TGridRect selection = Selection();
    if (mouseActions_->DisjunctRowSelect()) {
        for (int row = TBaseGrid::FixedRows(); row < RowCount(); ++row)
            if (GetRowSelect(row)) ClearRows(mouseActions_->RowSelectPersistent() ? RealRowIndex(row) : row, 1);
    } else if (mouseActions_->DisjunctColSelect()) {
        for (int col = 0; col < ColCount(); ++col)
            if (GetColSelect(col)) ClearCol(col);
    } else {
        for (int row = selection.Top; row <= selection.Bottom; ++row)
            for (int col = selection.Left; col <= selection.Right; ++col)
                if (navigation_->AllowClipboardAlways() || IsEditableCell(RealColIndex(col), row))
                    SetCellText(RealColIndex(col), row, "");
        if (navigation_->AllowFmtClipboard())
            FreeCellObjects(selection.Left, selection.Top, selection.Right, selection.Bottom);
    }
    copied_ = false;
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

namespace {

// Calls `line(text, endedByCR)` for each line of a clipboard text: lines
// end at CR, and an LF right after it is passed over.
template <typename Visit>
void ForEachClipboardLine(const AnsiString& text, Visit line) {
    std::size_t pos = 0;
    while (true) {
        const std::size_t end = text.find('\r', pos);
        if (end == AnsiString::npos) {
            line(text.substr(pos), false);
            return;
        }
        line(text.substr(pos, end - pos), true);
        pos = end + 1;
        if (pos < text.size() && text[pos] == '\n') ++pos;
    }
}

}  // namespace

void TBavStringGrid::MeasureClipboardText(const AnsiString& text, int& cols, int& rows) {
    cols = 0;
    int ended = 0, empty = 0;
    ForEachClipboardLine(text, [&](const AnsiString& line, bool endedByCR) {
        cols = std::max(cols, int(std::count(line.begin(), line.end(), '\t')) + 1);
        ended += endedByCR;
        empty += line.empty();
    });
    rows = ended - empty;
}

int TBavStringGrid::PasteText(int col, int row, const AnsiString& text) {
    if (col < 0 || row < 0) return 0;
    if (!Options().Contains(goEditing) && !navigation_->AllowClipboardAlways() &&
        !mouseActions_->RangeSelectAndEdit())
        return 0;
    int fields = 0, lastCol = col, lastRow = row;
    int r = row;
    ForEachClipboardLine(text, [&](const AnsiString& line, bool endedByCR) {
        const bool finalEmpty = !endedByCR && line.empty();
        PasteProgressHook(3, r);
        const int lastRowHere = floatingFooter_->Visible() ? RowCount() - 2 : RowCount() - 1;
        if (r > lastRowHere && navigation_->AllowClipboardRowGrow() && !finalEmpty) {
            if (floatingFooter_->Visible())
                InsertRows(RowCount() - 1, 1);
            else
                SetRowCount(RowCount() + 1);
        }
        std::size_t start = 0;
        for (int c = col;; ++c) {
            const std::size_t tab = line.find('\t', start);
            AnsiString field = line.substr(start, tab == AnsiString::npos ? AnsiString::npos : tab - start);
            ++fields;
            // The empty last field after a final line break is counted, not stored.
            if (!finalEmpty) {
                if (field.find('\n') != AnsiString::npos) {
                    if (field.starts_with('"')) field.erase(0, 1);
                    if (!field.empty() && field.find('"') == field.size() - 1) field.pop_back();
                    RestoreLineBreaks(field);
                }
                if (c >= ColCount() && navigation_->AllowClipboardColGrow()) SetColCount(c + 1);
                if (c < ColCount() && r < RowCount() &&
                    (navigation_->AllowClipboardAlways() || IsEditableCell(RealColIndex(c), r))) {
                    bool allow = true;
                    if (onClipboardBeforePasteWideCell_ && field.starts_with(WideCellPrefix)) {
                        WideString wide = CellTextToWide(field);
                        onClipboardBeforePasteWideCell_(this, c, r, wide, allow);
                        field = WideToCellText(wide);
                    } else if (onClipboardBeforePasteCell_) {
                        onClipboardBeforePasteCell_(this, c, r, field, allow);
                    }
                    if (allow) {
                        PasteCellText(c, r, field);
                        lastCol = std::max(lastCol, c);
                        lastRow = std::max(lastRow, r);
                    }
                }
            }
            if (tab == AnsiString::npos) break;
            start = tab + 1;
        }
        ++r;
    });
    PasteHook(copyOrigin_, TGridRect{col, row, lastCol, lastRow}, copied_);
    CellsChanged(TRect(RealColIndex(col), row, RealColIndex(lastCol), lastRow));
    return fields;
}

int TBavStringGrid::PasteClipboardAt(int col, int row) {
    TClipboard* clipboard = Clipboard();
    if (navigation_->AllowFmtClipboard() && clipboard->HasFormat(CellsClipboardFormat())) {
        TMemoryStream stream;
        {
            clipboard->Open();
            const HGLOBAL block = clipboard->GetAsHandle(CellsClipboardFormat());
            if (const void* data = block ? GlobalLock(block) : nullptr) {
                stream.WriteBuffer(data, Integer(GlobalSize(block)));
                GlobalUnlock(block);
            }
            clipboard->Close();
        }
        stream.SetPosition(0);
        return PasteCellsFormat({col, row}, &stream);
    }
    if (navigation_->AllowRTFClipboard() && clipboard->HasFormat(RichTextClipboardFormat())) {
        clipboard->Open();
        const HGLOBAL block = clipboard->GetAsHandle(RichTextClipboardFormat());
        AnsiString text;
        if (const char* data = block ? static_cast<const char*>(GlobalLock(block)) : nullptr) {
            text.assign(data, strnlen(data, GlobalSize(block)));
            GlobalUnlock(block);
        }
        clipboard->Close();
        if (IsEditableCell(RealColIndex(col), row)) PasteCellText(col, row, text);
        return 0;
    }
    if (clipboard->HasFormat(CF_TEXT)) return PasteText(col, row, clipboard->AsText());
    return 0;
}

AnsiString TBavStringGrid::SelectionToDragText() {
    TGridRect range = Selection();
    if (Options().Contains(goRowSelect) && dragDropSettings_->OleEntireRows()) {
        range.Left = 0;
        range.Right = ColCount() - 1;
    }
    std::vector<int> rows;
    if (mouseActions_->DisjunctRowSelect()) {
        for (int row = TBaseGrid::FixedRows(); row < RowCount(); ++row)
            if (GetRowSelect(row)) rows.push_back(mouseActions_->RowSelectPersistent() ? RealRowIndex(row) : row);
    } else {
        for (int row = range.Top; row <= range.Bottom; ++row) rows.push_back(row);
    }
    AnsiString text;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) text += "\r\n";
        for (int col = range.Left; col <= range.Right; ++col) {
            AnsiString cell = GetDisplayText(RealColIndex(col), rows[i]);
            if (cell.find("{\\") != AnsiString::npos) cell = RichTextToPlain(cell);
            if (col > range.Left) text += '\t';
            text += cell;
        }
    }
    return text;
}
