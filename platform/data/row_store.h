// RowStore: the compact cell store behind a dataset's client-side snapshot.
//
// Each row is one byte block in a shared arena: the width of the row's
// offsets (1, 2 or 4 bytes, the least that holds its payload size), a 4-bit
// type tag per cell, the end offset of each cell's payload, then the
// payloads: integers in the fewest bytes that hold them (none for 0, so
// yes/no columns cost only their tag and offset), reals in 8, text and
// binary data as raw bytes. Text stays in the form the database delivered
// it (UTF-8); callers convert it when a field is read, so opening a large
// table costs one copy of its bytes and a few bytes per cell.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

enum class CellType : std::uint8_t { Null, Integer, Real, Text, Blob };

// A read-only view of one cell; `bytes` stays valid while the store lives.
struct CellView {
    CellType type = CellType::Null;
    std::int64_t integer = 0;
    double real = 0;
    std::string_view bytes;
};

// An owned cell value, used to build and change rows.
struct CellValue {
    CellType type = CellType::Null;
    std::int64_t integer = 0;
    double real = 0;
    std::string bytes;

    static CellValue Null() { return {}; }
    static CellValue Integer(std::int64_t v) { return {CellType::Integer, v, 0, {}}; }
    static CellValue Real(double v) { return {CellType::Real, 0, v, {}}; }
    static CellValue Text(std::string v) { return {CellType::Text, 0, 0, std::move(v)}; }
    static CellValue Blob(std::string v) { return {CellType::Blob, 0, 0, std::move(v)}; }
    static CellValue From(const CellView& view);
};

class RowStore {
public:
    explicit RowStore(int columnCount = 0) : columnCount_(columnCount) {}
    RowStore(RowStore&&) noexcept = default;
    RowStore& operator=(RowStore&&) noexcept = default;

    int ColumnCount() const { return columnCount_; }
    std::size_t RowCount() const { return rows_.size(); }

    // Appending a row cell by cell (the fast path of fetching): BeginRow, one
    // Add* per column in order, then EndRow, which answers the row's index.
    void BeginRow();
    void AddNull();
    void AddInteger(std::int64_t value);
    void AddReal(double value);
    void AddText(std::string_view utf8);
    void AddBlob(std::string_view bytes);
    std::size_t EndRow();

    std::size_t AppendRow(const std::vector<CellValue>& cells);
    // The row's new block is appended; the old one stays unused in the arena
    // until the store goes (edits are few against the rows read).
    void ReplaceRow(std::size_t row, const std::vector<CellValue>& cells);
    std::vector<CellValue> Row(std::size_t row) const;

    CellView Cell(std::size_t row, int column) const;

private:
    // The row being built: tags, end offsets and payload, laid out by Store.
    struct Builder {
        std::vector<CellType> tags;
        std::vector<std::uint32_t> ends;
        std::string payload;
        void Clear();
        void Add(CellType type, const void* data, std::size_t size);
        void AddInteger(std::int64_t value);
        void Add(const CellValue& cell);
    };
    // The blocks rows are cut from: small at first, so a query of a few
    // rows stays small, then doubling up to a few megabytes, which the
    // kernel may back with huge pages (one page fault per 2 MB).
    class Arena {
    public:
        char* Allocate(std::size_t size);

    private:
        struct FreeChunk {
            void operator()(char* chunk) const;
        };
        std::vector<std::unique_ptr<char, FreeChunk>> chunks_;
        std::size_t nextChunkSize_ = 0;
        std::size_t left_ = 0;
        char* next_ = nullptr;
    };

    // Lays the builder's row out in the arena; answers where it starts.
    const char* Store(const Builder& builder);
    const char* Encode(const std::vector<CellValue>& cells);

    int columnCount_;
    std::vector<const char*> rows_;
    Arena arena_;
    Builder builder_;
};
