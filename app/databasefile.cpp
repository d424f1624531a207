// Restoring the database from a backup, and the initialisation statements.
#include "app/databasefile.h"

#include <vector>

#include "platform/rtl/fileutils.h"

namespace {

const char* const kTables[] = {"流水记录", "备用机库", "领用记录", "操作员", "权限清单"};

// The column names of each table, in the order of kTables.
std::vector<std::vector<AnsiString>> TableColumns(SqliteDatabase& database) {
    std::vector<std::vector<AnsiString>> tables;
    for (const char* table : kTables) {
        std::vector<AnsiString> names;
        for (const ResultColumn& column : database.Query(AnsiString("select * from ") + table + " where 1=0").columns)
            names.push_back(column.name);
        tables.push_back(std::move(names));
    }
    return tables;
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

bool IsDatabaseLike(TADOConnection& connection, const AnsiString& fileName) {
    const auto expected = TableColumns(connection.Database());
    SqliteDatabase candidate;
    try {
        candidate.Open(fileName);
        return TableColumns(candidate) == expected && PassesQuickCheck(candidate);
    } catch (const EDatabaseError&) {
        return false;
    }
}

bool RestoreDatabaseFile(TADOConnection& connection, const AnsiString& backupFile) {
    const AnsiString databaseFile = connection.DataSource();
    StagedCopy staged(databaseFile);
    if (!CopyFile(backupFile, staged.Name(), false) || !IsDatabaseLike(connection, staged.Name())) return false;
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
    for (const char* statement : statements) {
        query.SQL()->SetText(statement);
        query.ExecSQL();
        query.Close();
    }
}
