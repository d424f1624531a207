// RecordList: the rows of a dataset's snapshot and the order in which the
// dataset shows them.
//
// Rows keep their index in the store for life, which is what a bookmark
// holds; positions (0-based) follow the current order, which is either the
// order the rows were read and inserted in or a stable in-memory sort of it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "platform/data/row_store.h"

class RecordList {
public:
    using Row = std::uint32_t;

    // How one sort key compares: text in code-page order with ASCII case
    // folded, or dates by value (ISO text read as a date); numbers always
    // compare by value. Nulls sort first, then numbers, then text, then
    // binary data.
    struct SortKey {
        int column = 0;
        bool descending = false;
        bool dateText = false;
    };

    RecordList() = default;
    // `rowids` parallel to the rows, or empty when the rows have none (all 0).
    explicit RecordList(RowStore rows, std::vector<std::int64_t> rowids = {});

    RowStore& Rows() { return rows_; }
    const RowStore& Rows() const { return rows_; }

    int Count() const { return static_cast<int>(order_.size()); }
    Row RowAt(int position) const { return order_[position]; }
    // The row's position in the current order, or -1 when deleted.
    int PositionOf(Row row) const;
    bool IsLive(Row row) const { return row < rows_.RowCount() && PositionOf(row) >= 0; }

    std::int64_t Rowid(Row row) const { return rowids_[row]; }
    void SetRowid(Row row, std::int64_t rowid) { rowids_[row] = rowid; }

    // Adds a row at `position` of the current order (and at the matching
    // place of the original order); answers the new row.
    Row Insert(int position, const std::vector<CellValue>& cells, std::int64_t rowid = 0);
    void Remove(int position);

    // Stable sort of the original order by `keys`; an empty list restores
    // the original order. The filter, when set, leaves out the rows it
    // refuses; both are applied again by every call.
    void Sort(const std::vector<SortKey>& keys);
    void SetFilter(std::function<bool(Row)> accept);

private:
    void Invalidate() { positionsValid_ = false; }
    void Rebuild();

    RowStore rows_;
    std::vector<std::int64_t> rowids_;
    std::vector<Row> original_;
    std::vector<Row> order_;
    std::vector<SortKey> keys_;
    std::function<bool(Row)> accept_;
    mutable std::vector<std::int32_t> positions_;
    mutable bool positionsValid_ = false;
};
