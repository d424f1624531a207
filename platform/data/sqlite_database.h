// SqliteDatabase: the one place where the data layer meets SQLite.
//
// Everything crossing this edge is converted: SQL text and values go to
// SQLite as UTF-8, messages come back as ANSI; text cells are stored in the
// snapshot as UTF-8 and converted when a field reads them. Failures raise
// EDatabaseError with SQLite's own message.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/data/row_store.h"
#include "platform/rtl/types.h"

struct sqlite3;

// A result column as the statement describes it.
struct ResultColumn {
    AnsiString name;          // the column's name in the result (alias if any)
    AnsiString declaredType;  // declared type of a table column; "" for an expression
    AnsiString table;         // table it comes from; "" for an expression
    AnsiString origin;        // its name in that table
};

// Rows read by a select, with what is needed to write them back.
struct QueryResult {
    std::vector<ResultColumn> columns;
    RowStore rows;
    // For a plain one-table select of table columns: the table, and each
    // row's rowid (parallel to `rows`). Empty table = read-only result.
    AnsiString table;
    std::vector<std::int64_t> rowids;
};

class SqliteDatabase {
public:
    SqliteDatabase() = default;
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    // Opens an existing database file (ANSI file name; "\" separators are
    // taken for "/") for reading and
    // writing, never creating one, and reads its schema, so a missing file
    // or one that is not a database fails here. Keeps the rollback journal.
    // The connection belongs to the calling thread (no per-call locking).
    void Open(const AnsiString& fileName);
    void Close();
    bool IsOpen() const { return db_ != nullptr; }

    // Runs the statements of `sql` (ANSI, Access dialect); answers the rows
    // changed by the last one.
    int Execute(const AnsiString& sql);
    // Runs a query and reads all of its rows. A plain one-table select is
    // read with the hidden rowid, so its rows can be edited.
    QueryResult Query(const AnsiString& sql);

    // Writes of single rows through the rowid (cells as the snapshot holds them).
    void UpdateRow(const AnsiString& table, std::int64_t rowid, const std::vector<AnsiString>& columns,
                   const std::vector<CellValue>& values);
    std::int64_t InsertRow(const AnsiString& table, const std::vector<AnsiString>& columns,
                           const std::vector<CellValue>& values);
    void DeleteRow(const AnsiString& table, std::int64_t rowid);
    // Reads one row back by rowid, in the order of `columns` (defaults and
    // conversions the database applied become visible).
    std::vector<CellValue> ReadRow(const AnsiString& table, std::int64_t rowid,
                                   const std::vector<AnsiString>& columns);

    void BeginTransaction();
    void Commit();
    void Rollback();
    bool InTransaction() const;

private:
    class Statement;
    [[noreturn]] void Fail() const;
    [[noreturn]] static void Fail(const AnsiString& message);
    void RequireOpen() const;

    sqlite3* db_ = nullptr;
};
