// RecordList: order keeping and the in-memory sort.
#include "platform/data/record_list.h"

#include <algorithm>
#include <bit>
#include <cstdint>
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

// A key as one unsigned integer that orders as the key does, so most
// comparisons of a sort end on it without touching the text: the bits of a
// number, or a text's first seven bytes followed by its length (0xFF for a
// longer text).
struct KeyPrefix {
    std::uint64_t bits = 0;
    bool exact = true;  // equal bits mean equal keys
};

KeyPrefix PrefixOf(const KeyValue& key) {
    KeyPrefix prefix;
    if (key.rank == 1) {
        // Order-preserving bits of a double; -0 is 0, as Compare has it.
        const std::uint64_t bits = std::bit_cast<std::uint64_t>(key.number + 0.0);
        prefix.bits = bits >> 63 ? ~bits : bits | (std::uint64_t{1} << 63);
        return prefix;
    }
    constexpr std::size_t kHeld = 7;
    for (std::size_t i = 0; i < kHeld; ++i)
        prefix.bits = prefix.bits << 8 | (i < key.text.size() ? static_cast<unsigned char>(key.text[i]) : 0u);
    prefix.exact = key.text.size() <= kHeld;
    prefix.bits = prefix.bits << 8 | (prefix.exact ? key.text.size() : 0xFF);
    return prefix;
}

// One row as the sort moves it: small, so comparisons stay in cache.
struct SortEntry {
    std::uint64_t prefix;    // of the first key
    std::uint32_t row;
    std::uint32_t position;  // in the order before sorting: ties keep it
    std::uint32_t longKey;   // where the first key is kept in full, unless exact
    std::uint8_t rank;       // of the first key
    bool exact;              // the prefix is the whole first key
};

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

    // The rows are sorted as compact entries holding the first key's prefix,
    // which decides most comparisons. The first key in full is kept only for
    // the rows whose prefix does not hold all of it, and the further keys
    // (computed once per row) are read only when the first keys tie.
    std::vector<KeyValue> longFirstKeys;
    std::vector<SortEntry> entries(order_.size());
    for (std::size_t p = 0; p < order_.size(); ++p) {
        const Row row = order_[p];
        KeyValue first = MakeKey(rows_.Cell(row, keys_[0].column), keys_[0].dateText);
        const KeyPrefix prefix = PrefixOf(first);
        entries[p] = {prefix.bits, row, static_cast<std::uint32_t>(p), 0, static_cast<std::uint8_t>(first.rank),
                      prefix.exact};
        if (!prefix.exact) {
            entries[p].longKey = static_cast<std::uint32_t>(longFirstKeys.size());
            longFirstKeys.push_back(std::move(first));
        }
    }
    std::vector<std::vector<KeyValue>> further(keys_.size());
    for (std::size_t k = 1; k < keys_.size(); ++k) {
        further[k].resize(rows_.RowCount());
        for (Row row : order_) further[k][row] = MakeKey(rows_.Cell(row, keys_[k].column), keys_[k].dateText);
    }
    const bool firstDescending = keys_[0].descending;
    std::sort(entries.begin(), entries.end(), [&](const SortEntry& a, const SortEntry& b) {
        if (a.rank != b.rank) return (a.rank < b.rank) != firstDescending;
        if (a.prefix != b.prefix) return (a.prefix < b.prefix) != firstDescending;
        if (!a.exact || !b.exact) {
            // Equal prefixes of two long texts.
            const int c = Compare(longFirstKeys[a.longKey], longFirstKeys[b.longKey]);
            if (c != 0) return firstDescending ? c > 0 : c < 0;
        }
        for (std::size_t k = 1; k < keys_.size(); ++k) {
            const int c = Compare(further[k][a.row], further[k][b.row]);
            if (c != 0) return keys_[k].descending ? c > 0 : c < 0;
        }
        return a.position < b.position;
    });
    for (std::size_t p = 0; p < entries.size(); ++p) order_[p] = entries[p].row;
}
