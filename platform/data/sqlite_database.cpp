// SqliteDatabase over SQLite's C API.
#include "platform/data/sqlite_database.h"

#include <sqlite3.h>

#include "platform/data/access_sql.h"
#include "platform/data/db_types.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/filepaths.h"

namespace {

// Other programs may hold the file for a moment (the shop's backups copy it).
constexpr int kBusyTimeoutMs = 5000;

AnsiString AnsiFromUtf8(const char* utf8) { return utf8 ? Utf8ToAnsi(utf8) : AnsiString(); }

// A name as an SQLite identifier (UTF-8, double-quoted).
std::string QuoteIdentifier(const AnsiString& name) {
    std::string out = "\"";
    for (char c : AnsiToUtf8(name)) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

}  // namespace

// A prepared statement; finalized on every path.
class SqliteDatabase::Statement {
public:
    Statement(const SqliteDatabase& owner, const std::string& utf8, std::size_t* used = nullptr) : owner_(owner) {
        const char* tail = nullptr;
        if (sqlite3_prepare_v2(owner.db_, utf8.c_str(), static_cast<int>(utf8.size()), &stmt_, &tail) != SQLITE_OK)
            owner.Fail();
        if (used) *used = static_cast<std::size_t>(tail - utf8.c_str());
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* get() const { return stmt_; }
    bool empty() const { return stmt_ == nullptr; }

    // Answers true while a row is available.
    bool Step() {
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW) return true;
        if (rc == SQLITE_DONE) return false;
        owner_.Fail();
    }

    void Bind(int index, const CellValue& v) {
        int rc = SQLITE_OK;
        switch (v.type) {
        case CellType::Null: rc = sqlite3_bind_null(stmt_, index); break;
        case CellType::Integer: rc = sqlite3_bind_int64(stmt_, index, v.integer); break;
        case CellType::Real: rc = sqlite3_bind_double(stmt_, index, v.real); break;
        case CellType::Text:
            rc = sqlite3_bind_text(stmt_, index, v.bytes.data(), static_cast<int>(v.bytes.size()), SQLITE_TRANSIENT);
            break;
        case CellType::Blob:
            rc = sqlite3_bind_blob(stmt_, index, v.bytes.data(), static_cast<int>(v.bytes.size()), SQLITE_TRANSIENT);
            break;
        }
        if (rc != SQLITE_OK) owner_.Fail();
    }

    // Appends the current row's columns [first, count) to `store`.
    void ReadInto(RowStore& store, int first) const {
        const int count = sqlite3_column_count(stmt_);
        store.BeginRow();
        for (int c = first; c < count; ++c) {
            switch (sqlite3_column_type(stmt_, c)) {
            case SQLITE_INTEGER: store.AddInteger(sqlite3_column_int64(stmt_, c)); break;
            case SQLITE_FLOAT: store.AddReal(sqlite3_column_double(stmt_, c)); break;
            case SQLITE_TEXT: {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, c));
                store.AddText(std::string_view(text, sqlite3_column_bytes(stmt_, c)));
                break;
            }
            case SQLITE_BLOB: {
                const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt_, c));
                store.AddBlob(std::string_view(data, sqlite3_column_bytes(stmt_, c)));
                break;
            }
            default: store.AddNull(); break;
            }
        }
        store.EndRow();
    }

private:
    const SqliteDatabase& owner_;
    sqlite3_stmt* stmt_ = nullptr;
};

SqliteDatabase::~SqliteDatabase() { Close(); }

void SqliteDatabase::Fail() const { Fail(AnsiFromUtf8(sqlite3_errmsg(db_))); }

void SqliteDatabase::Fail(const AnsiString& message) { throw EDatabaseError(message); }

void SqliteDatabase::RequireOpen() const {
    if (!db_) Fail("Database is not connected");
}

void SqliteDatabase::Open(const AnsiString& fileName) {
    Close();
    sqlite3* db = nullptr;
    // A connection serves the one thread that opened it, so SQLite's own
    // lock around every call (and every cell read) is not needed.
    const int rc =
        sqlite3_open_v2(OsFileName(fileName).c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    db_ = db;
    try {
        if (rc != SQLITE_OK) Fail();
        sqlite3_busy_timeout(db_, kBusyTimeoutMs);
        // Reading the schema is what finds out that a file is no database;
        // an empty file would pass as an empty database, yet it is none.
        Query("select count(*) from sqlite_master");
        if (Query("pragma page_count").rows.Cell(0, 0).integer == 0) Fail(sqlite3_errstr(SQLITE_NOTADB));
        Execute("pragma journal_mode=delete");
    } catch (...) {
        Close();
        throw;
    }
}

void SqliteDatabase::Close() {
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
}

int SqliteDatabase::Execute(const AnsiString& sql) {
    RequireOpen();
    const std::string utf8 = AnsiToUtf8(TranslateAccessSql(sql));
    std::size_t offset = 0;
    int changes = 0;
    while (offset < utf8.size()) {
        std::size_t used = 0;
        const std::string rest = utf8.substr(offset);
        Statement stmt(*this, rest, &used);
        offset += used == 0 ? rest.size() : used;
        if (stmt.empty()) continue;  // blanks or a comment
        while (stmt.Step()) {
        }
        changes = sqlite3_changes(db_);
    }
    return changes;
}

QueryResult SqliteDatabase::Query(const AnsiString& sql) {
    RequireOpen();
    const AnsiString translated = TranslateAccessSql(sql);
    const std::optional<PlainSelect> plain = AnalysePlainSelect(translated);

    // A plain select is read with the rowid in front; if the table has none
    // (or anything else goes wrong) the statement is read as written.
    std::unique_ptr<Statement> stmt;
    bool withRowid = false;
    if (plain) {
        AnsiString rewritten = translated;
        rewritten.insert(plain->afterSelect, " _rowid_,");
        try {
            stmt = std::make_unique<Statement>(*this, AnsiToUtf8(rewritten));
            withRowid = true;
        } catch (const EDatabaseError&) {
            stmt.reset();  // the plain statement below reports its own error, if any
        }
    }
    if (!stmt) stmt = std::make_unique<Statement>(*this, AnsiToUtf8(translated));
    if (stmt->empty()) Fail("Statement is empty");

    sqlite3_stmt* s = stmt->get();
    const int first = withRowid ? 1 : 0;
    const int count = sqlite3_column_count(s);
    // Nothing runs when the statement gives no rows to read.
    if (count - first <= 0) Fail(SNoSqlStatement);
    QueryResult result{{}, RowStore(count - first), {}, {}};
    bool editable = withRowid;
    for (int c = first; c < count; ++c) {
        ResultColumn col;
        col.name = AnsiFromUtf8(sqlite3_column_name(s, c));
        col.declaredType = AnsiFromUtf8(sqlite3_column_decltype(s, c));
        col.table = AnsiFromUtf8(sqlite3_column_table_name(s, c));
        col.origin = AnsiFromUtf8(sqlite3_column_origin_name(s, c));
        // Only columns of the table itself can be written back.
        if (editable && (col.origin.empty() || sqlite3_stricmp(AnsiToUtf8(col.table).c_str(), AnsiToUtf8(plain->table).c_str())))
            editable = false;
        result.columns.push_back(std::move(col));
    }
    while (stmt->Step()) {
        if (withRowid) result.rowids.push_back(sqlite3_column_int64(s, 0));
        stmt->ReadInto(result.rows, first);
    }
    if (editable)
        result.table = result.columns.empty() ? plain->table : result.columns.front().table;
    else
        result.rowids.clear();
    return result;
}

void SqliteDatabase::UpdateRow(const AnsiString& table, std::int64_t rowid, const std::vector<AnsiString>& columns,
                               const std::vector<CellValue>& values) {
    RequireOpen();
    if (columns.empty()) return;
    std::string sql = "update " + QuoteIdentifier(table) + " set ";
    for (std::size_t i = 0; i < columns.size(); ++i) sql += (i ? ", " : "") + QuoteIdentifier(columns[i]) + " = ?";
    sql += " where _rowid_ = ?";
    Statement stmt(*this, sql);
    for (std::size_t i = 0; i < values.size(); ++i) stmt.Bind(static_cast<int>(i + 1), values[i]);
    stmt.Bind(static_cast<int>(values.size() + 1), CellValue::Integer(rowid));
    stmt.Step();
    if (sqlite3_changes(db_) == 0) Fail("Row cannot be located for updating. Some values may have been changed since it was last read");
}

std::int64_t SqliteDatabase::InsertRow(const AnsiString& table, const std::vector<AnsiString>& columns,
                                       const std::vector<CellValue>& values) {
    RequireOpen();
    std::string sql = "insert into " + QuoteIdentifier(table);
    if (columns.empty()) {
        sql += " default values";
    } else {
        std::string names, marks;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            names += (i ? ", " : "") + QuoteIdentifier(columns[i]);
            marks += i ? ", ?" : "?";
        }
        sql += " (" + names + ") values (" + marks + ")";
    }
    Statement stmt(*this, sql);
    for (std::size_t i = 0; i < values.size(); ++i) stmt.Bind(static_cast<int>(i + 1), values[i]);
    stmt.Step();
    return sqlite3_last_insert_rowid(db_);
}

void SqliteDatabase::DeleteRow(const AnsiString& table, std::int64_t rowid) {
    RequireOpen();
    Statement stmt(*this, "delete from " + QuoteIdentifier(table) + " where _rowid_ = ?");
    stmt.Bind(1, CellValue::Integer(rowid));
    stmt.Step();
    if (sqlite3_changes(db_) == 0) Fail("Row cannot be located for deleting. Some values may have been changed since it was last read");
}

std::vector<CellValue> SqliteDatabase::ReadRow(const AnsiString& table, std::int64_t rowid,
                                               const std::vector<AnsiString>& columns) {
    RequireOpen();
    std::string list;
    for (std::size_t i = 0; i < columns.size(); ++i) list += (i ? ", " : "") + QuoteIdentifier(columns[i]);
    Statement stmt(*this, "select " + list + " from " + QuoteIdentifier(table) + " where _rowid_ = ?");
    stmt.Bind(1, CellValue::Integer(rowid));
    RowStore row(static_cast<int>(columns.size()));
    if (!stmt.Step()) Fail("Row cannot be located");
    stmt.ReadInto(row, 0);
    return row.Row(0);
}

void SqliteDatabase::BeginTransaction() { Execute("begin"); }
void SqliteDatabase::Commit() { Execute("commit"); }
void SqliteDatabase::Rollback() { Execute("rollback"); }

bool SqliteDatabase::InTransaction() const { return db_ && !sqlite3_get_autocommit(db_); }
