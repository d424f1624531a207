// Sorting rows: the style each comparison takes, the cell and row
// comparisons, a Hoare quicksort around a copy of the middle row, the
// indexed and node sorts, and the row-order record UnSort puts back. The
// sorts order a list of the rows' indexes (with the start of each sort text
// copied beside them while no hook can change it) and then move the rows
// and what travels with them once; only a single-column sort still
// exchanges cells as it goes, since it compares rows where they stand.
#include <algorithm>
#include <cctype>
#include <cstdint>
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

// Hoare partitioning around a copy of the middle item, the way the grid has
// always sorted, so that which of equal rows ends where does not change with
// how items are stored. `target` is the comparison result that leaves an
// item on its side; equal items change places only with `swapEqual`.
template <typename Pivot, typename At, typename Compare, typename Swap>
void HoareSort(int first, int last, int target, bool swapEqual, Pivot& takePivot, At& at, Compare& compare,
               Swap& swap) {
    const auto pivot = takePivot((first + last) / 2);
    int i = first, j = last;
    do {
        while (compare(pivot, at(i)) == target && i < last) ++i;
        while (compare(at(j), pivot) == target && first < j) --j;
        if (i <= j) {
            if (i != j && (swapEqual || compare(at(i), at(j)) != 0)) swap(i, j);
            ++i;
            --j;
        }
    } while (i <= j);
    if (first < j) HoareSort(first, j, target, swapEqual, takePivot, at, compare, swap);
    if (i < last) HoareSort(i, last, target, swapEqual, takePivot, at, compare, swap);
}

// Sorts `entries`, which stand for rows `first` .. in order, by Hoare
// partitioning on the list itself.
template <typename Entry, typename Compare>
void HoareSortEntries(std::vector<Entry>& entries, int first, int target, bool swapEqual, Compare compare) {
    if (entries.empty()) return;
    auto at = [&](int row) -> const Entry& { return entries[std::size_t(row - first)]; };
    auto takePivot = [&](int row) { return at(row); };
    auto swap = [&](int a, int b) { std::swap(entries[std::size_t(a - first)], entries[std::size_t(b - first)]); };
    HoareSort(first, first + int(entries.size()) - 1, target, swapEqual, takePivot, at, compare, swap);
}

template <typename Entry>
std::vector<int> RowsOf(const std::vector<Entry>& entries) {
    std::vector<int> rows;
    rows.reserve(entries.size());
    for (const Entry& entry : entries) rows.push_back(entry.row);
    return rows;
}

// A row in a sort: where its cells are, and what of its sort text decides
// most comparisons without reaching the row: the first eight bytes
// big-endian (zero after the end), whether it is empty, and the style it
// gives a comparison as the first row.
struct TSortEntry {
    std::uint64_t head = 0;
    int row = 0;
    TSortStyle style = ssAlphabetic;
    bool blank = false;
};

std::uint64_t HeadOf(const AnsiString& text) {
    std::uint64_t head = 0;
    for (std::size_t i = 0; i < sizeof head; ++i)
        head = head << 8 | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
    return head;
}

// Heads that differ order their texts byte-wise: the first differing byte
// is a real byte of both texts, or the end of the shorter one.
int CompareHeads(std::uint64_t a, std::uint64_t b) { return a < b ? -1 : (b < a ? 1 : 0); }

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

int TBavStringGrid::PlaceBlanks(int result, const AnsiString& text1, const AnsiString& text2,
                                TSortDirection direction) const {
    if (!sortSettings_->IgnoreBlanks() || text1.empty() == text2.empty()) return result;
    // Blanks keep their place whatever the direction: descending sorts
    // invert this result again.
    const int firstEmpty = sortSettings_->BlankPos() == blLast ? 1 : -1;
    result = text1.empty() ? firstEmpty : -firstEmpty;
    return direction == sdDescending ? -result : result;
}

int TBavStringGrid::CompareRowCells(int col, int row1, int row2, TSortDirection direction) {
    AnsiString buffer1, buffer2;
    const AnsiString& text1 = SortText(col, row1, buffer1);
    const AnsiString& text2 = SortText(col, row2, buffer2);
    TSortStyle style;
    AnsiString prefix, suffix;
    SortStyleOf(col, row1, text1, text2, style, prefix, suffix);
    return PlaceBlanks(CompareByStyle(style, col, row1, row2, text1, text2, prefix, suffix), text1, text2, direction);
}

int TBavStringGrid::BreakTieOnTheRight(int col, int row1, int row2, int result) {
    while (result == 0 && sortSettings_->Full() && col <= ColCount() - 2)
        result = CompareRowCells(++col, row1, row2, sortSettings_->Direction());
    return result;
}

int TBavStringGrid::CompareRowsFull(int col, int row1, int row2) {
    return BreakTieOnTheRight(col, row1, row2, CompareRowCells(col, row1, row2, sortSettings_->Direction()));
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

namespace {

// flags[to[i]] := what flags[from[i]] held, the list grown to hold both.
void MoveFlags(std::vector<char>& flags, const std::vector<int>& to, const std::vector<int>& from) {
    const int highest = std::max(*std::max_element(to.begin(), to.end()), *std::max_element(from.begin(), from.end()));
    if (flags.size() <= std::size_t(highest)) flags.resize(std::size_t(highest) + 1, 0);
    std::vector<char> moved;
    moved.reserve(from.size());
    for (const int row : from) moved.push_back(flags[std::size_t(row)]);
    for (std::size_t i = 0; i < to.size(); ++i) flags[std::size_t(to[i])] = moved[i];
}

}  // namespace

void TBavStringGrid::MoveSortedRows(int first, const std::vector<int>& from) {
    bool moves = false;
    for (std::size_t i = 0; i < from.size() && !moves; ++i) moves = from[i] != first + int(i);
    if (!moves) return;
    std::vector<int> to(from.size());
    for (std::size_t i = 0; i < to.size(); ++i) to[i] = first + int(i);
    std::vector<int> orders, heights;
    for (const int row : from) {
        orders.push_back(row < rowOrder_->Count() ? rowOrder_->GetItem(row) : 0);
        heights.push_back(RowHeights(row));
    }
    for (std::size_t i = 0; i < to.size(); ++i) {
        if (to[i] < rowOrder_->Count() && from[i] < rowOrder_->Count() && rowOrder_->GetItem(to[i]) != orders[i])
            rowOrder_->SetItem(to[i], orders[i]);
        SetRowHeights(to[i], heights[i]);
    }
    PermuteRows(first, from);
    if (mouseActions_->DisjunctRowSelect() && navigation_->MoveRowOnSort()) {
        std::vector<int> realTo, realFrom;
        for (std::size_t i = 0; i < to.size(); ++i) {
            realTo.push_back(RealRowIndex(to[i]));
            realFrom.push_back(RealRowIndex(from[i]));
        }
        MoveFlags(rowSelected_, realTo, realFrom);
    }
    if (showModified_->Enabled()) MoveFlags(rowModified_, to, from);
    const auto tracked = std::find(from.begin(), from.end(), trackedRow_);
    if (tracked != from.end()) trackedRow_ = first + int(tracked - from.begin());
}

// ---- Partitioning ----------------------------------------------------------------------------

void TBavStringGrid::SortRowsWhereTheyStand(int first, int last, int target, bool swapEqual,
                                            const std::function<int(int, int)>& compareRows) {
    const int pivotRow = RowCount() - 2;
    auto takePivot = [&](int row) {
        CopyToPivot(row, pivotRow);
        return pivotRow;
    };
    auto at = [](int row) { return row; };
    auto swap = [&](int row1, int row2) { SwapRows(row1, row2); };
    HoareSort(first, last, target, swapEqual, takePivot, at, compareRows, swap);
}

void TBavStringGrid::QuickSortRows(int col, int first, int last) {
    if (last < first) return;
    const int sign = sortSettings_->Direction() == sdAscending ? 1 : -1;
    if (sortSettings_->SingleColumn())
        return SortRowsWhereTheyStand(first, last, sign, false,
                                      [&](int row1, int row2) { return CompareRowsFull(col, row1, row2); });
    std::vector<TSortEntry> entries(std::size_t(last - first + 1));
    for (std::size_t i = 0; i < entries.size(); ++i) entries[i].row = first + int(i);
    // With no hook to consult, a row's sort text and style stay what they
    // are for the whole sort.
    if (onGetFormat_ || OnGetDisplText() || OnGetDisplWideText()) {
        HoareSortEntries(entries, first, sign, false, [&](const TSortEntry& a, const TSortEntry& b) {
            return CompareRowsFull(col, a.row, b.row);
        });
    } else {
        for (TSortEntry& entry : entries) {
            AnsiString buffer, prefix, suffix;
            const AnsiString& text = SortText(col, entry.row, buffer);
            entry.head = HeadOf(text);
            entry.blank = text.empty();
            SortStyleOf(col, entry.row, text, text, entry.style, prefix, suffix);
        }
        const bool ignoreBlanks = sortSettings_->IgnoreBlanks();
        HoareSortEntries(entries, first, sign, false, [&](const TSortEntry& a, const TSortEntry& b) {
            if (a.row == b.row) return 0;  // the pivot meeting its own row
            if (a.style == ssAlphabetic && a.head != b.head && !(ignoreBlanks && a.blank != b.blank))
                return CompareHeads(a.head, b.head);
            AnsiString buffer1, buffer2;
            const AnsiString& text1 = SortText(col, a.row, buffer1);
            const AnsiString& text2 = SortText(col, b.row, buffer2);
            const int result = PlaceBlanks(CompareByStyle(a.style, col, a.row, b.row, text1, text2, {}, {}), text1,
                                           text2, sortSettings_->Direction());
            return BreakTieOnTheRight(col, a.row, b.row, result);
        });
    }
    MoveSortedRows(first, RowsOf(entries));
}

void TBavStringGrid::QuickSortRowsIndexed(int first, int last) {
    if (sortIndexes_->Count() == 0 || last < first) return;
    if (sortSettings_->SingleColumn())
        return SortRowsWhereTheyStand(first, last, 1, true,
                                      [&](int row1, int row2) { return CompareRowsIndexed(0, row1, row2); });
    std::vector<TSortEntry> entries(std::size_t(last - first + 1));
    for (std::size_t i = 0; i < entries.size(); ++i) entries[i].row = first + int(i);
    HoareSortEntries(entries, first, 1, true, [&](const TSortEntry& a, const TSortEntry& b) {
        return CompareRowsIndexed(0, a.row, b.row);
    });
    MoveSortedRows(first, RowsOf(entries));
}

void TBavStringGrid::QuickSortByRowOrder(int first, int last) {
    if (sortSettings_->SingleColumn()) {
        auto takePivot = [&](int row) { return unsortOrder_->GetItem(row); };
        auto compare = [](int order1, int order2) { return CompareValues(order1, order2); };
        auto swap = [&](int row1, int row2) {
            SwapRows(row1, row2);
            const int order1 = unsortOrder_->GetItem(row1);
            unsortOrder_->SetItem(row1, unsortOrder_->GetItem(row2));
            unsortOrder_->SetItem(row2, order1);
        };
        HoareSort(first, last, 1, false, takePivot, takePivot, compare, swap);
        return;
    }
    struct Entry {
        int order, row;
    };
    std::vector<Entry> entries;
    for (int row = first; row <= last; ++row) entries.push_back({unsortOrder_->GetItem(row), row});
    HoareSortEntries(entries, first, 1, false,
                     [](const Entry& a, const Entry& b) { return CompareValues(a.order, b.order); });
    for (std::size_t i = 0; i < entries.size(); ++i) unsortOrder_->SetItem(first + int(i), entries[i].order);
    MoveSortedRows(first, RowsOf(entries));
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
