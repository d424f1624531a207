// RowStore: rows as byte blocks of offset width, tags, end offsets and
// payloads, cut from a shared arena.
#include "platform/data/row_store.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

// The arena's blocks: the first one, the largest one, and the size from
// which a block is aligned for huge pages. A row larger than the next block
// gets a block of its own size.
constexpr std::size_t kFirstChunkSize = 16 * 1024;
constexpr std::size_t kLargestChunkSize = 8 * 1024 * 1024;
constexpr std::size_t kHugePageSize = 2 * 1024 * 1024;

char* NewChunk(std::size_t size) {
    if (size < kHugePageSize) return static_cast<char*>(std::malloc(size));
    void* chunk = std::aligned_alloc(kHugePageSize, (size + kHugePageSize - 1) / kHugePageSize * kHugePageSize);
#ifdef MADV_HUGEPAGE
    // Filling hundreds of megabytes page by page costs more than reading the
    // rows; advice only, so a refusal changes nothing.
    if (chunk) madvise(chunk, size, MADV_HUGEPAGE);
#endif
    return static_cast<char*>(chunk);
}

std::size_t TagBytes(std::size_t columns) { return (columns + 1) / 2; }

std::uint32_t ReadEnd(const char* ends, std::size_t width, std::size_t index) {
    const char* at = ends + index * width;
    switch (width) {
    case 1: return static_cast<unsigned char>(*at);
    case 2: {
        std::uint16_t value;
        std::memcpy(&value, at, sizeof value);
        return value;
    }
    default: {
        std::uint32_t value;
        std::memcpy(&value, at, sizeof value);
        return value;
    }
    }
}

void WriteEnd(char* ends, std::size_t width, std::size_t index, std::uint32_t value) {
    char* at = ends + index * width;
    if (width == 1) {
        *at = static_cast<char>(value);
    } else if (width == 2) {
        const auto narrow = static_cast<std::uint16_t>(value);
        std::memcpy(at, &narrow, sizeof narrow);
    } else {
        std::memcpy(at, &value, sizeof value);
    }
}

// The fewest bytes whose two's complement holds `value` (0 for zero).
std::size_t IntegerBytes(std::int64_t value) {
    if (value == 0) return 0;
    for (std::size_t bytes = 1; bytes < 8; ++bytes) {
        const std::int64_t limit = std::int64_t{1} << (8 * bytes - 1);
        if (value >= -limit && value < limit) return bytes;
    }
    return 8;
}

std::int64_t ReadInteger(const char* data, std::size_t bytes) {
    if (bytes == 0) return 0;
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < bytes; ++i) value |= std::uint64_t(static_cast<unsigned char>(data[i])) << (8 * i);
    const unsigned shift = static_cast<unsigned>(64 - 8 * bytes);
    return static_cast<std::int64_t>(value << shift) >> shift;  // sign-extend
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
    tags.push_back(type);
    payload.append(static_cast<const char*>(data), size);
    ends.push_back(static_cast<std::uint32_t>(payload.size()));
}

void RowStore::Builder::AddInteger(std::int64_t value) {
    char bytes[8];
    const std::size_t size = IntegerBytes(value);
    const auto bits = static_cast<std::uint64_t>(value);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(bits >> (8 * i));
    Add(CellType::Integer, bytes, size);
}

void RowStore::Builder::Add(const CellValue& cell) {
    switch (cell.type) {
    case CellType::Null: Add(cell.type, nullptr, 0); break;
    case CellType::Integer: AddInteger(cell.integer); break;
    case CellType::Real: Add(cell.type, &cell.real, sizeof cell.real); break;
    case CellType::Text:
    case CellType::Blob: Add(cell.type, cell.bytes.data(), cell.bytes.size()); break;
    }
}

void RowStore::Arena::FreeChunk::operator()(char* chunk) const { std::free(chunk); }

char* RowStore::Arena::Allocate(std::size_t size) {
    if (size > left_) {
        nextChunkSize_ = nextChunkSize_ == 0 ? kFirstChunkSize : std::min(nextChunkSize_ * 2, kLargestChunkSize);
        const std::size_t chunk = std::max(nextChunkSize_, size);
        chunks_.emplace_back(NewChunk(chunk));
        if (!chunks_.back()) throw std::bad_alloc();
        next_ = chunks_.back().get();
        left_ = chunk;
    }
    char* block = next_;
    next_ += size;
    left_ -= size;
    return block;
}

const char* RowStore::Store(const Builder& builder) {
    const std::size_t n = builder.tags.size();
    const std::size_t size = builder.payload.size();
    const std::size_t width = size <= 0xFF ? 1 : size <= 0xFFFF ? 2 : 4;
    const std::size_t tagBytes = TagBytes(n);
    char* row = arena_.Allocate(1 + tagBytes + n * width + size);
    row[0] = static_cast<char>(width);
    char* tags = row + 1;
    std::memset(tags, 0, tagBytes);
    for (std::size_t c = 0; c < n; ++c)
        tags[c / 2] = static_cast<char>(tags[c / 2] | (static_cast<unsigned>(builder.tags[c]) << (4 * (c % 2))));
    char* ends = tags + tagBytes;
    for (std::size_t c = 0; c < n; ++c) WriteEnd(ends, width, c, builder.ends[c]);
    if (size) std::memcpy(ends + n * width, builder.payload.data(), size);
    return row;
}

const char* RowStore::Encode(const std::vector<CellValue>& cells) {
    Builder builder;
    for (const CellValue& cell : cells) builder.Add(cell);
    return Store(builder);
}

void RowStore::BeginRow() { builder_.Clear(); }
void RowStore::AddNull() { builder_.Add(CellType::Null, nullptr, 0); }
void RowStore::AddInteger(std::int64_t value) { builder_.AddInteger(value); }
void RowStore::AddReal(double value) { builder_.Add(CellType::Real, &value, sizeof value); }
void RowStore::AddText(std::string_view utf8) { builder_.Add(CellType::Text, utf8.data(), utf8.size()); }
void RowStore::AddBlob(std::string_view bytes) { builder_.Add(CellType::Blob, bytes.data(), bytes.size()); }

std::size_t RowStore::EndRow() {
    rows_.push_back(Store(builder_));
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
    const char* r = rows_[row];
    const std::size_t n = static_cast<std::size_t>(columnCount_);
    const std::size_t width = static_cast<unsigned char>(r[0]);
    const char* tags = r + 1;
    const char* ends = tags + TagBytes(n);
    const auto c = static_cast<std::size_t>(column);
    const std::size_t begin = c == 0 ? 0 : ReadEnd(ends, width, c - 1);
    const std::size_t end = ReadEnd(ends, width, c);
    const char* data = ends + n * width + begin;
    CellView view;
    view.type = static_cast<CellType>((static_cast<unsigned char>(tags[c / 2]) >> (4 * (c % 2))) & 0x0F);
    switch (view.type) {
    case CellType::Null: break;
    case CellType::Integer: view.integer = ReadInteger(data, end - begin); break;
    case CellType::Real: std::memcpy(&view.real, data, sizeof view.real); break;
    case CellType::Text:
    case CellType::Blob: view.bytes = std::string_view(data, end - begin); break;
    }
    return view;
}
