// RowStore: the compact cell store behind a dataset's client-side snapshot.
//
// Each row is one byte block: a type tag per cell, the end offset of each
// cell's payload, then the payloads (8 bytes for numbers, the raw bytes for
// text and binary data). Text stays in the form the database delivered it
// (UTF-8); callers convert it when a field is read, so opening a large table
// costs one copy of its bytes and nothing else.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class CellType : std::uint8_t { Null, Integer, Real, Text, Blob };

// A read-only view of one cell; `bytes` stays valid until the row changes.
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
    void ReplaceRow(std::size_t row, const std::vector<CellValue>& cells);
    std::vector<CellValue> Row(std::size_t row) const;

    CellView Cell(std::size_t row, int column) const;

private:
    // The row being built: tags, end offsets and payload, joined by Finish.
    struct Builder {
        std::string tags;
        std::vector<std::uint32_t> ends;
        std::string payload;
        void Clear();
        void Add(CellType type, const void* data, std::size_t size);
        void Add(const CellValue& cell);
        std::string Finish() const;
    };
    static std::string Encode(const std::vector<CellValue>& cells);

    int columnCount_;
    std::vector<std::string> rows_;
    Builder builder_;
};
