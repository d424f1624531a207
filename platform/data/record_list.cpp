// RecordList: order keeping and the in-memory sort.
#include "platform/data/record_list.h"

#include <algorithm>
#include <numeric>
#include <string>

#include "platform/data/iso_date.h"
#include "platform/rtl/codepage.h"

namespace {

// The comparable form of one cell.
struct KeyValue {
    int rank = 0;  // 0 null, 1 number, 2 text, 3 binary
    double number = 0;
    std::string text;
};

// ANSI text with ASCII letters upper-cased, stepping by character so the
// trail bytes of Chinese characters (which include the letters' codes) stay.
std::string FoldedAnsi(std::string_view utf8) {
    std::string s = Utf8ToAnsi(utf8);
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t size = AnsiCharSize(s, i);
        if (size == 1 && s[i] >= 'a' && s[i] <= 'z') s[i] = static_cast<char>(s[i] - 'a' + 'A');
        i += size;
    }
    return s;
}

KeyValue MakeKey(const CellView& cell, bool dateText) {
    KeyValue key;
    switch (cell.type) {
    case CellType::Null: break;
    case CellType::Integer:
        key.rank = 1;
        key.number = static_cast<double>(cell.integer);
        break;
    case CellType::Real:
        key.rank = 1;
        key.number = cell.real;
        break;
    case CellType::Text: {
        TDateTime date;
        if (dateText && TryIsoToDateTime(cell.bytes, date)) {
            key.rank = 1;
            key.number = date;
        } else {
            key.rank = 2;
            key.text = FoldedAnsi(cell.bytes);
        }
        break;
    }
    case CellType::Blob:
        key.rank = 3;
        key.text.assign(cell.bytes);
        break;
    }
    return key;
}

int Compare(const KeyValue& a, const KeyValue& b) {
    if (a.rank != b.rank) return a.rank < b.rank ? -1 : 1;
    if (a.rank == 1) return a.number < b.number ? -1 : (a.number > b.number ? 1 : 0);
    // Byte order of unsigned bytes: the code page's own order.
    const int c = a.text.compare(b.text);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

}  // namespace

RecordList::RecordList(RowStore rows, std::vector<std::int64_t> rowids)
    : rows_(std::move(rows)), rowids_(std::move(rowids)) {
    rowids_.resize(rows_.RowCount(), 0);
    original_.resize(rows_.RowCount());
    std::iota(original_.begin(), original_.end(), Row{0});
    order_ = original_;
}

int RecordList::PositionOf(Row row) const {
    if (!positionsValid_) {
        positions_.assign(rows_.RowCount(), -1);
        for (std::size_t p = 0; p < order_.size(); ++p) positions_[order_[p]] = static_cast<std::int32_t>(p);
        positionsValid_ = true;
    }
    return row < positions_.size() ? positions_[row] : -1;
}

RecordList::Row RecordList::Insert(int position, const std::vector<CellValue>& cells, std::int64_t rowid) {
    const Row row = static_cast<Row>(rows_.AppendRow(cells));
    rowids_.push_back(rowid);
    // In the original order the new row goes before the row it was inserted
    // in front of, so restoring the order keeps it where the user put it.
    auto originalAt = original_.end();
    if (position < Count()) originalAt = std::find(original_.begin(), original_.end(), order_[position]);
    original_.insert(originalAt, row);
    order_.insert(order_.begin() + position, row);
    Invalidate();
    return row;
}

void RecordList::Remove(int position) {
    const Row row = order_[position];
    order_.erase(order_.begin() + position);
    original_.erase(std::find(original_.begin(), original_.end(), row));
    Invalidate();
}

void RecordList::Sort(const std::vector<SortKey>& keys) {
    keys_ = keys;
    Rebuild();
}

void RecordList::SetFilter(std::function<bool(Row)> accept) {
    accept_ = std::move(accept);
    Rebuild();
}

void RecordList::Rebuild() {
    Invalidate();
    if (accept_) {
        order_.clear();
        for (Row row : original_)
            if (accept_(row)) order_.push_back(row);
    } else {
        order_ = original_;
    }
    if (keys_.empty() || order_.size() < 2) return;

    // One comparable key per row and sort column, computed once.
    const std::size_t n = rows_.RowCount();
    std::vector<std::vector<KeyValue>> values(keys_.size());
    for (std::size_t k = 0; k < keys_.size(); ++k) {
        values[k].resize(n);
        for (Row row : order_) values[k][row] = MakeKey(rows_.Cell(row, keys_[k].column), keys_[k].dateText);
    }
    std::stable_sort(order_.begin(), order_.end(), [&](Row a, Row b) {
        for (std::size_t k = 0; k < keys_.size(); ++k) {
            const int c = Compare(values[k][a], values[k][b]);
            if (c != 0) return keys_[k].descending ? c > 0 : c < 0;
        }
        return false;
    });
}
