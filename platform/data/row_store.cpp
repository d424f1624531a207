// RowStore: rows as single byte blocks of tags, end offsets and payloads.
#include "platform/data/row_store.h"

#include <cstring>

namespace {

constexpr std::size_t kOffsetSize = sizeof(std::uint32_t);

std::uint32_t ReadOffset(const std::string& row, std::size_t at) {
    std::uint32_t value;
    std::memcpy(&value, row.data() + at, kOffsetSize);
    return value;
}

}  // namespace

CellValue CellValue::From(const CellView& view) {
    return {view.type, view.integer, view.real, std::string(view.bytes)};
}

void RowStore::Builder::Clear() {
    tags.clear();
    ends.clear();
    payload.clear();
}

void RowStore::Builder::Add(CellType type, const void* data, std::size_t size) {
    tags.push_back(static_cast<char>(type));
    payload.append(static_cast<const char*>(data), size);
    ends.push_back(static_cast<std::uint32_t>(payload.size()));
}

void RowStore::Builder::Add(const CellValue& cell) {
    switch (cell.type) {
    case CellType::Null: Add(cell.type, nullptr, 0); break;
    case CellType::Integer: Add(cell.type, &cell.integer, sizeof cell.integer); break;
    case CellType::Real: Add(cell.type, &cell.real, sizeof cell.real); break;
    case CellType::Text:
    case CellType::Blob: Add(cell.type, cell.bytes.data(), cell.bytes.size()); break;
    }
}

std::string RowStore::Builder::Finish() const {
    std::string row;
    row.reserve(tags.size() + ends.size() * kOffsetSize + payload.size());
    row.append(tags);
    row.append(reinterpret_cast<const char*>(ends.data()), ends.size() * kOffsetSize);
    row.append(payload);
    return row;
}

std::string RowStore::Encode(const std::vector<CellValue>& cells) {
    Builder builder;
    for (const CellValue& cell : cells) builder.Add(cell);
    return builder.Finish();
}

void RowStore::BeginRow() { builder_.Clear(); }
void RowStore::AddNull() { builder_.Add(CellType::Null, nullptr, 0); }
void RowStore::AddInteger(std::int64_t value) { builder_.Add(CellType::Integer, &value, sizeof value); }
void RowStore::AddReal(double value) { builder_.Add(CellType::Real, &value, sizeof value); }
void RowStore::AddText(std::string_view utf8) { builder_.Add(CellType::Text, utf8.data(), utf8.size()); }
void RowStore::AddBlob(std::string_view bytes) { builder_.Add(CellType::Blob, bytes.data(), bytes.size()); }

std::size_t RowStore::EndRow() {
    rows_.push_back(builder_.Finish());
    return rows_.size() - 1;
}

std::size_t RowStore::AppendRow(const std::vector<CellValue>& cells) {
    rows_.push_back(Encode(cells));
    return rows_.size() - 1;
}

void RowStore::ReplaceRow(std::size_t row, const std::vector<CellValue>& cells) { rows_[row] = Encode(cells); }

std::vector<CellValue> RowStore::Row(std::size_t row) const {
    std::vector<CellValue> cells;
    cells.reserve(columnCount_);
    for (int c = 0; c < columnCount_; ++c) cells.push_back(CellValue::From(Cell(row, c)));
    return cells;
}

CellView RowStore::Cell(std::size_t row, int column) const {
    const std::string& r = rows_[row];
    const std::size_t n = static_cast<std::size_t>(columnCount_);
    const std::size_t payload = n + n * kOffsetSize;
    const std::size_t begin = column == 0 ? 0 : ReadOffset(r, n + (column - 1) * kOffsetSize);
    const std::size_t end = ReadOffset(r, n + column * kOffsetSize);
    CellView view;
    view.type = static_cast<CellType>(r[column]);
    const char* data = r.data() + payload + begin;
    switch (view.type) {
    case CellType::Null: break;
    case CellType::Integer: std::memcpy(&view.integer, data, sizeof view.integer); break;
    case CellType::Real: std::memcpy(&view.real, data, sizeof view.real); break;
    case CellType::Text:
    case CellType::Blob: view.bytes = std::string_view(data, end - begin); break;
    }
    return view;
}
