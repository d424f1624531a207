// Restoring the database from a backup, and the initialisation statements.
#include "app/databasefile.h"

#include <algorithm>
#include <vector>

#include "app/transaction.h"
#include "platform/rtl/fileutils.h"
#include "tools/createdb/create_database.h"

namespace {

// The schema objects of a database as sqlite_master lists them, sorted.
std::vector<serviora::SchemaObject> SchemaObjects(SqliteDatabase& database) {
    const QueryResult result = database.Query("select type, name, tbl_name, sql from sqlite_master");
    std::vector<serviora::SchemaObject> objects;
    for (std::size_t row = 0; row < result.rows.RowCount(); ++row) {
        const auto cells = result.rows.Row(row);
        objects.push_back({cells[0].bytes, cells[1].bytes, cells[2].bytes, cells[3].bytes});
    }
    std::sort(objects.begin(), objects.end());
    return objects;
}

bool PassesQuickCheck(SqliteDatabase& database) {
    QueryResult result = database.Query("pragma quick_check");
    return result.rows.RowCount() == 1 && result.rows.Row(0).at(0).bytes == "ok";
}

// A copy of a file beside the database that is removed when it goes out of
// scope, whether or not it was used.
class StagedCopy {
public:
    explicit StagedCopy(const AnsiString& databaseFile) : name_(databaseFile + ".restoring") {}
    ~StagedCopy() { DeleteFile(name_); }
    StagedCopy(const StagedCopy&) = delete;
    StagedCopy& operator=(const StagedCopy&) = delete;

    const AnsiString& Name() const { return name_; }

private:
    AnsiString name_;
};

}  // namespace

bool IsDatabaseLike(const AnsiString& fileName) {
    SqliteDatabase candidate;
    try {
        candidate.Open(fileName);
        return SchemaObjects(candidate) == serviora::ApplicationSchemaObjects() && PassesQuickCheck(candidate);
    } catch (const EDatabaseError&) {
        return false;
    }
}

bool RestoreDatabaseFile(TADOConnection& connection, const AnsiString& backupFile) {
    const AnsiString databaseFile = connection.DataSource();
    StagedCopy staged(databaseFile);
    if (!CopyFile(backupFile, staged.Name(), false) || !IsDatabaseLike(staged.Name())) return false;
    connection.Close();
    if (CopyFile(staged.Name(), databaseFile, false)) return true;
    connection.Open();
    return false;
}

void InitialiseDatabase(TADOQuery& query) {
    const char* const statements[] = {
        "delete  from 备用机库 ",
        "delete  from 领用记录 ",
        "delete  from 流水记录 ",
        "delete  from 权限清单 ",
        "delete  from 操作员 ",
        "insert into 操作员([操作员],[姓名])values('0001','系统管理员')",
    };
    RunTransaction(query.Connection(), [&] {
        for (const char* statement : statements) {
            query.SQL()->SetText(statement);
            query.ExecSQL();
            query.Close();
        }
    });
}
