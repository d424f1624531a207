// Sorting rows in place: the style each comparison takes, the cell and row
// comparisons, a Hoare quicksort on a pivot copy kept in a scratch row below
// the data, the indexed and node sorts, and the row-order record UnSort
// puts back. Rows are exchanged in constant time by the platform grid.
#include <algorithm>
#include <cctype>
#include <utility>

#include "platform/rtl/datetime.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/winnls.h"
#include "stringgrid/BavUtil.h"
#include "stringgrid/BavGrid.h"

namespace {

constexpr int kScratchRows = 3;

int Sign(int value) { return (value > 0) - (value < 0); }

template <typename T>
int CompareValues(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// Positions are 1-based.
bool IsDigitAt(const AnsiString& text, int position) {
    return position >= 1 && position <= int(text.size()) &&
           std::isdigit(static_cast<unsigned char>(text[std::size_t(position - 1)]));
}

int FirstPosition(char ch, const AnsiString& text) {
    const auto at = text.find(ch);
    return at == AnsiString::npos ? 0 : int(at) + 1;
}

// The style ssAutomatic stands for, judged from one cell's text.
TSortStyle AutomaticStyleOf(const AnsiString& text) {
    const int kind = ClassifyNumericText(text);
    if (kind == ntInteger || kind == ntFloat || kind == ntScientific) return ssNumeric;
    const int length = int(text.size());
    const int date = FirstPosition(DateSeparator, text);
    if (date > 1 && date < length && date <= 3) {
        if (!IsDigitAt(text, date - 1) || !IsDigitAt(text, date + 1)) return ssAlphabetic;
        return FirstPosition(TimeSeparator, text) ? ssDateTime : ssDate;
    }
    const int time = FirstPosition(TimeSeparator, text);
    if (time >= 2 && time < length && time <= 3 && IsDigitAt(text, time - 1) && IsDigitAt(text, time + 1))
        return ssTime;
    return ssAlphabetic;
}

bool IsNumberText(const AnsiString& text) {
    const int kind = ClassifyNumericText(text);
    return kind == ntInteger || kind == ntFloat || kind == ntScientific;
}

void RemoveFirst(AnsiString& text, const AnsiString& part) {
    if (part.empty()) return;
    const auto at = text.find(part);
    if (at != AnsiString::npos) text.erase(at, part.size());
}

// The number a cell text stands for; `converted` is false for a text that
// is not wholly a number, which keeps the value read up to where it stopped.
double NumberOf(AnsiString text, const AnsiString& prefix, const AnsiString& suffix, bool financial,
                bool& converted) {
    RemoveFirst(text, prefix);
    RemoveFirst(text, suffix);
    if (financial) text.erase(std::remove(text.begin(), text.end(), ThousandSeparator), text.end());
    if (DecimalSeparator != '.') {
        const auto at = text.find(DecimalSeparator);
        if (at != AnsiString::npos) text[at] = '.';
    }
    double value = 0;
    converted = ReadPlainFloat(text, value);
    return value;
}

int CompareNumbers(const AnsiString& text1, const AnsiString& text2, const AnsiString& prefix,
                   const AnsiString& suffix, bool financial) {
    bool ok1 = false, ok2 = false;
    double value1 = NumberOf(text1, prefix, suffix, financial, ok1);
    double value2 = NumberOf(text2, prefix, suffix, financial, ok2);
    if (!ok1 && text1.empty()) value1 = 0, ok1 = true;
    if (!ok2 && text2.empty()) value2 = 0, ok2 = true;
    if (!ok1 && !ok2) return 0;
    return CompareValues(value1, value2);
}

TDateTime DateTimeOf(const AnsiString& text) {
    TDateTime value = 0;
    if (text.empty() || !TryStrToDateTime(text, value)) return 0;
    return value;
}

TDateTime TimeOf(const AnsiString& text) {
    TDateTime value = 0;
    return TryStrToTime(text, value) ? value : TDateTime(0);
}

AnsiString AsciiUpper(AnsiString text) {
    for (char& ch : text)
        if (ch >= 'a' && ch <= 'z') ch = char(ch - 'a' + 'A');
    return text;
}

int CompareBytes(const AnsiString& a, const AnsiString& b) { return Sign(a.compare(b)); }

}  // namespace

// ---- Comparing cells and rows ----------------------------------------------------------------

void TBavStringGrid::DoGetFormat(int col, TSortStyle& style, AnsiString& prefix, AnsiString& suffix) {
    if (onGetFormat_) onGetFormat_(this, col, style, prefix, suffix);
}

AnsiString TBavStringGrid::GetStrippedCellText(int col, int row) { return StripHTMLTags(GetDisplayText(col, row)); }

void TBavStringGrid::SortStyleOf(int col, int row1, const AnsiString& text1, const AnsiString& text2,
                                 TSortStyle& style, AnsiString& prefix, AnsiString& suffix) {
    style = sortSettings_->AutoFormat() ? ssAutomatic : ssAlphabetic;
    DoGetFormat(col, style, prefix, suffix);
    if (style == ssAutomatic) {
        switch (GetCellType(col, row1)) {
        case ctCheckBox:
        case ctDataCheckBox:
        case ctVirtCheckBox:
        case ctRowCheckBox: style = ssCheckBox; break;
        default: style = AutomaticStyleOf(text1);
        }
    }
    if (style == ssAlphaNumeric || style == ssAlphaNumericNoCase) {
        const bool numbers = IsNumberText(text1) && IsNumberText(text2);
        style = numbers ? ssNumeric : (style == ssAlphaNumeric ? ssAlphabetic : ssAlphaNoCase);
    }
}

int TBavStringGrid::CompareByStyle(TSortStyle style, int col, int row1, int row2, const AnsiString& text1,
                                   const AnsiString& text2, const AnsiString& prefix, const AnsiString& suffix) {
    switch (style) {
    case ssAlphaNoCase: {
        const int upper = CompareBytes(AsciiUpper(text1), AsciiUpper(text2));
        return upper ? upper : CompareBytes(text1, text2);
    }
    case ssAnsiAlphaCase: return Sign(AnsiCompareStr(text1, text2));
    case ssAnsiAlphaNoCase: return Sign(AnsiCompareText(text1, text2));
    case ssNumeric:
    case ssFinancial: return CompareNumbers(text1, text2, prefix, suffix, style == ssFinancial);
    case ssDate:
    case ssDateTime: return CompareValues(DateTimeOf(text1), DateTimeOf(text2));
    case ssTime: return CompareValues(TimeOf(text1), TimeOf(text2));
    case ssShortDateEU: return CompareValues(ParseDateDMY(text1), ParseDateDMY(text2));
    case ssShortDateUS: return CompareValues(ParseDateMDY(text1), ParseDateMDY(text2));
    case ssCustom: {
        int result = 0;
        if (onCustomCompare_) onCustomCompare_(this, text1, text2, result);
        return result;
    }
    case ssRaw: {
        int result = 0;
        if (onRawCompare_) onRawCompare_(this, col, row1, row2, result);
        return result;
    }
    case ssHTML: return CompareBytes(StripHTMLTags(text1), StripHTMLTags(text2));
    case ssImages: return CompareValues(GetCellGraphicHandle(col, row1), GetCellGraphicHandle(col, row2));
    case ssCheckBox: {
        bool state1 = false, state2 = false;
        GetCheckBoxState(col, row1, state1);
        GetCheckBoxState(col, row2, state2);
        return CompareValues(state1, state2);
    }
    case ssUnicode: {
        const WideString wide1 = CellTextToWide(text1), wide2 = CellTextToWide(text2);
        return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wide1.c_str(), int(wide1.size()), wide2.c_str(),
                              int(wide2.size())) -
               CSTR_EQUAL;
    }
    default: return CompareBytes(text1, text2);
    }
}

const AnsiString& TBavStringGrid::SortText(int col, int row, AnsiString& buffer) {
    if (OnGetDisplText() || OnGetDisplWideText()) return buffer = GetDisplayText(col, row);
    const TGridCoord base = GetBaseCell(col, row);
    return CellText(base.X, base.Y);
}

int TBavStringGrid::CompareRowCells(int col, int row1, int row2, TSortDirection direction) {
    AnsiString buffer1, buffer2;
    const AnsiString& text1 = SortText(col, row1, buffer1);
    const AnsiString& text2 = SortText(col, row2, buffer2);
    TSortStyle style;
    AnsiString prefix, suffix;
    SortStyleOf(col, row1, text1, text2, style, prefix, suffix);
    int result = CompareByStyle(style, col, row1, row2, text1, text2, prefix, suffix);
    if (sortSettings_->IgnoreBlanks() && text1.empty() != text2.empty()) {
        // Blanks keep their place whatever the direction: descending sorts
        // invert this result again.
        const bool last = sortSettings_->BlankPos() == blLast;
        const int firstEmpty = last ? 1 : -1;
        result = text1.empty() ? firstEmpty : -firstEmpty;
        if (direction == sdDescending) result = -result;
    }
    return result;
}

int TBavStringGrid::CompareRowsFull(int col, int row1, int row2) {
    for (;; ++col) {
        const int result = CompareRowCells(col, row1, row2, sortSettings_->Direction());
        if (result != 0 || !sortSettings_->Full() || col > ColCount() - 2) return result;
    }
}

int TBavStringGrid::CompareRowsIndexed(int depth, int row1, int row2) {
    for (; depth < sortIndexes_->Count(); ++depth) {
        const unsigned entry = unsigned(sortIndexes_->GetItem(depth));
        const bool descending = entry & TSortIndexList::kDescending;
        const int col = int(entry & ~TSortIndexList::kDescending);
        const int result = CompareRowCells(col, row1, row2, descending ? sdDescending : sdAscending);
        if (result != 0 || !sortSettings_->Full()) return descending ? -result : result;
    }
    return 0;
}

// ---- Exchanging rows -------------------------------------------------------------------------

void TBavStringGrid::SwapRows(int row1, int row2) {
    if (row1 < rowOrder_->Count() && row2 < rowOrder_->Count()) {
        const int order1 = rowOrder_->GetItem(row1);
        rowOrder_->SetItem(row1, rowOrder_->GetItem(row2));
        rowOrder_->SetItem(row2, order1);
    }
    if (sortSettings_->SingleColumn()) {
        const int col = sortSettings_->Column();
        const AnsiString text1 = GetDisplayText(col, row1), text2 = GetDisplayText(col, row2);
        TObject* object1 = GetCellObject(col, row1);
        SetCellText(col, row1, text2);
        SetCellObject(col, row1, GetCellObject(col, row2));
        SetCellText(col, row2, text1);
        SetCellObject(col, row2, object1);
        return;
    }
    const int height1 = RowHeights(row1), height2 = RowHeights(row2);
    if (height1 != height2) {
        SetRowHeights(row1, height2);
        SetRowHeights(row2, height1);
    }
    ExchangeRows(row1, row2);
    auto swapFlags = [](std::vector<char>& flags, int a, int b) {
        const std::size_t needed = std::size_t(std::max(a, b)) + 1;
        if (flags.size() < needed) flags.resize(needed, 0);
        std::swap(flags[std::size_t(a)], flags[std::size_t(b)]);
    };
    if (mouseActions_->DisjunctRowSelect() && navigation_->MoveRowOnSort())
        swapFlags(rowSelected_, RealRowIndex(row1), RealRowIndex(row2));
    if (showModified_->Enabled()) swapFlags(rowModified_, row1, row2);
    if (trackedRow_ == row1)
        trackedRow_ = row2;
    else if (trackedRow_ == row2)
        trackedRow_ = row1;
}

void TBavStringGrid::CopyToPivot(int row, int pivot) {
    const bool display = bool(OnGetDisplText());
    for (int col = 0; col < ColCount(); ++col) {
        if (display)
            SetCellText(col, pivot, GetDisplayText(col, row));
        else
            SetCells(col, pivot, Cells(col, row));
        SetCellObject(col, pivot, GetCellObject(col, row));
    }
}

// ---- Partitioning ----------------------------------------------------------------------------

void TBavStringGrid::QuickSortRows(int col, int first, int last) {
    const int sign = sortSettings_->Direction() == sdAscending ? 1 : -1;
    const int pivot = RowCount() - 2;
    CopyToPivot((first + last) / 2, pivot);
    int i = first, j = last;
    do {
        while (CompareRowsFull(col, pivot, i) == sign && i < last) ++i;
        while (CompareRowsFull(col, j, pivot) == sign && first < j) --j;
        if (i <= j) {
            if (i != j && CompareRowsFull(col, i, j) != 0) SwapRows(i, j);
            ++i;
            --j;
        }
    } while (i <= j);
    if (first < j) QuickSortRows(col, first, j);
    if (i < last) QuickSortRows(col, i, last);
}

void TBavStringGrid::QuickSortRowsIndexed(int first, int last) {
    if (sortIndexes_->Count() == 0) return;
    const int pivot = RowCount() - 2;
    CopyToPivot((first + last) / 2, pivot);
    int i = first, j = last;
    do {
        while (CompareRowsIndexed(0, pivot, i) == 1 && i < last) ++i;
        while (CompareRowsIndexed(0, j, pivot) == 1 && first < j) --j;
        if (i <= j) {
            if (i != j) SwapRows(i, j);
            ++i;
            --j;
        }
    } while (i <= j);
    if (first < j) QuickSortRowsIndexed(first, j);
    if (i < last) QuickSortRowsIndexed(i, last);
}

void TBavStringGrid::QuickSortByRowOrder(int first, int last) {
    const int value = unsortOrder_->GetItem((first + last) / 2);
    int i = first, j = last;
    do {
        while (unsortOrder_->GetItem(i) < value && i < last) ++i;
        while (value < unsortOrder_->GetItem(j) && first < j) --j;
        if (i <= j) {
            const int entryI = unsortOrder_->GetItem(i), entryJ = unsortOrder_->GetItem(j);
            if (i != j && entryI != entryJ) {
                SwapRows(i, j);
                unsortOrder_->SetItem(i, entryJ);
                unsortOrder_->SetItem(j, entryI);
            }
            ++i;
            --j;
        }
    } while (i <= j);
    if (first < j) QuickSortByRowOrder(first, j);
    if (i < last) QuickSortByRowOrder(i, last);
}

// ---- The sorts -------------------------------------------------------------------------------

void TBavStringGrid::ResetRowOrder() {
    rowOrder_->Clear();
    for (int row = 0; row < RowCount(); ++row) rowOrder_->Add(row);
}

TBavStringGrid::TColumnCopy TBavStringGrid::KeepColumn0() {
    TColumnCopy copy;
    if (sortSettings_->NormalCellsOnly() && TBaseGrid::FixedCols() > 0)
        for (int row = 0; row < RowCount(); ++row) copy.emplace_back(Cells(0, row), Objects(0, row));
    return copy;
}

void TBavStringGrid::PutBackColumn0(const TColumnCopy& copy) {
    for (std::size_t row = 0; row < copy.size(); ++row) {
        SetCells(0, int(row), copy[row].first);
        SetObjects(0, int(row), copy[row].second);
    }
}

// While the scratch rows exist the display hooks see only the data rows.
void TBavStringGrid::AddScratchRows() {
    const int dataRows = std::min(DataRowCount(), RowCount());
    SetRowCount(RowCount() + kScratchRows);
    SetDataRowCount(dataRows);
}

void TBavStringGrid::RemoveScratchRows(int lastWidth) {
    // The scratch rows hold copies of cell objects the real rows own.
    sortCleanup_ = true;
    ClearRows(RowCount() - kScratchRows, kScratchRows);
    sortCleanup_ = false;
    SetColWidths(ColCount() - 1, lastWidth);
    const int dataRows = DataRowCount();
    SetRowCount(RowCount() - kScratchRows);
    SetDataRowCount(std::min(dataRows, RowCount()));
}

void TBavStringGrid::SortWithScratchRows(const std::function<void()>& sortRows, bool reportRowUpdate) {
    if (rowOrder_->Count() != RowCount()) ResetRowOrder();
    const TColumnCopy column0 = KeepColumn0();
    const bool moveRow = navigation_->MoveRowOnSort();
    const int lastWidth = ColWidths(ColCount() - 1), savedRow = Row();
    auto placeRowAndCleanUp = [&] {
        if (moveRow) {
            SetRowEx(trackedRow_);
            lastNotifiedRow_ = -1;
        } else {
            SetRow(savedRow);
        }
        RemoveScratchRows(lastWidth);
    };
    TGridUpdateLock lock(this);
    AddScratchRows();
    trackedRow_ = savedRow;
    try {
        if (moveRow) SetRowEx(RowCount() - kScratchRows);
        sortRows();
    } catch (...) {
        placeRowAndCleanUp();
        PutBackColumn0(column0);
        throw;
    }
    placeRowAndCleanUp();
    if (!moveRow && reportRowUpdate && onRowUpdate_) onRowUpdate_(this, savedRow, Row());
    PutBackColumn0(column0);
}

void TBavStringGrid::QSort() {
    sortIndexes_->Clear();
    SortWithScratchRows(
        [this] {
            QuickSortRows(sortSettings_->Column(), TBaseGrid::FixedRows(), RowCount() - fixedFooters_ - 4);
        },
        true);
}

void TBavStringGrid::QSortIndexed() {
    if (sortIndexes_->Count() == 0) throw EBavGridError("No indexes specified for indexed sort");
    SortWithScratchRows([this] { QuickSortRowsIndexed(TBaseGrid::FixedRows(), RowCount() - fixedFooters_ - 4); },
                        false);
}

void TBavStringGrid::SortRangeIndexed(int first, int last) {
    const int lastWidth = ColWidths(ColCount() - 1);
    AddScratchRows();
    try {
        QuickSortRowsIndexed(first, last);
    } catch (...) {
        RemoveScratchRows(lastWidth);
        throw;
    }
    RemoveScratchRows(lastWidth);
}

void TBavStringGrid::SortNodeChildren(bool indexed) {
    SortWithScratchRows(
        [this, indexed] {
            for (int row = TBaseGrid::FixedRows(); row <= RowCount() - fixedFooters_ - 4; ++row) {
                if (!IsNodeRow(row) || GetNodeState(row)) continue;
                const int span = GetNodeSpan(row);
                if (span - 1 <= 1) continue;
                if (indexed)
                    SortRangeIndexed(row + 1, row + span - 1);
                else
                    QuickSortRows(sortSettings_->Column(), row + 1, row + span - 1);
            }
        },
        false);
}

void TBavStringGrid::SortNodes() { SortNodeChildren(false); }

void TBavStringGrid::SortNodesIndexed() { SortNodeChildren(true); }

void TBavStringGrid::UnSort() {
    unsortOrder_->Clear();
    for (int i = 0; i < rowOrder_->Count(); ++i) unsortOrder_->Add(rowOrder_->GetItem(i));
    // Rows inserted since the last sort have no entry: they stay put.
    const int last = std::min(RowCount(), unsortOrder_->Count()) - 1;
    if (last < 1) return;
    const TColumnCopy column0 = KeepColumn0();
    TGridUpdateLock lock(this);
    const int lastWidth = ColWidths(ColCount() - 1);
    QuickSortByRowOrder(0, last);
    SetColWidths(ColCount() - 1, lastWidth);
    PutBackColumn0(column0);
}
