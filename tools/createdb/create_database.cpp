// Creation of the application's empty database with SQLite's C API.
#include "tools/createdb/create_database.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "schema_text.h"

namespace serviora {

namespace {

// The administrator's row, as the database initialisation re-creates it.
constexpr char8_t kAdministratorRow[] =
    u8"insert into 操作员([操作员],[姓名],[密码]) values('0001','系统管理员','')";

class Database {
public:
    explicit Database(const std::string& path) {
        int rc = sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        if (rc != SQLITE_OK) Fail(db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc));
    }
    ~Database() { sqlite3_close_v2(db_); }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void Execute(const std::string& sql) { Run(sql, nullptr, nullptr); }

    // The rows of a query, each column as text (null as empty).
    std::vector<std::vector<std::string>> Rows(const std::string& sql) {
        std::vector<std::vector<std::string>> rows;
        const auto collect = [](void* context, int count, char** values, char**) {
            auto& row = static_cast<std::vector<std::vector<std::string>>*>(context)->emplace_back();
            for (int i = 0; i < count; ++i) row.emplace_back(values[i] ? values[i] : "");
            return 0;
        };
        Run(sql, collect, &rows);
        return rows;
    }

private:
    void Run(const std::string& sql, int (*onRow)(void*, int, char**, char**), void* context) {
        char* error = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), onRow, context, &error) != SQLITE_OK) {
            std::string message = error ? error : sqlite3_errmsg(db_);
            sqlite3_free(error);
            Fail(message);
        }
    }

    [[noreturn]] static void Fail(const std::string& message) {
        throw std::runtime_error("cannot create the database: " + message);
    }
    sqlite3* db_ = nullptr;
};

std::string FromUtf8Literal(const char8_t* text) { return reinterpret_cast<const char*>(text); }

}  // namespace

const std::string& ApplicationSchemaSql() {
    static const std::string schema = FromUtf8Literal(kSchemaSql);
    return schema;
}

const std::vector<SchemaObject>& ApplicationSchemaObjects() {
    static const std::vector<SchemaObject> objects = [] {
        Database db(":memory:");
        db.Execute(ApplicationSchemaSql());
        std::vector<SchemaObject> listed;
        for (auto& row : db.Rows("select type, name, tbl_name, sql from sqlite_master"))
            listed.push_back({std::move(row[0]), std::move(row[1]), std::move(row[2]), std::move(row[3])});
        std::sort(listed.begin(), listed.end());
        return listed;
    }();
    return objects;
}

CreateResult CreateApplicationDatabase(const std::string& path) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    if (fs::exists(target)) return CreateResult::AlreadyExists;
    if (target.has_parent_path()) fs::create_directories(target.parent_path());

    fs::path temporary = target;
    temporary += ".creating";
    fs::remove(temporary);
    try {
        Database db(temporary.string());
        db.Execute("begin");
        db.Execute(ApplicationSchemaSql());
        db.Execute(FromUtf8Literal(kAdministratorRow));
        db.Execute("commit");
    } catch (...) {
        std::error_code ignored;  // the original failure is the one to report
        fs::remove(temporary, ignored);
        throw;
    }
    fs::rename(temporary, target);
    return CreateResult::Created;
}

}  // namespace serviora
