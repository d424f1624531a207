// Backups through a connection of their own: only committed rows, the
// target replaced whole, failures raised.
#include "platform/data/database_backup.h"

#include <gtest/gtest.h>

#include "database_fixture.h"
#include "platform/data/sqlite_database.h"
#include "platform/rtl/fileutils.h"

namespace {

AnsiString Orders(const AnsiString& databaseFile) {
    SqliteDatabase database;
    database.Open(databaseFile);
    AnsiString numbers;
    QueryResult result = database.Query("select 编号 from 流水记录 order by 编号");
    for (std::size_t row = 0; row < result.rows.RowCount(); ++row) numbers += result.rows.Row(row).at(0).bytes + " ";
    return numbers;
}

}  // namespace

TEST_F(DatabaseTest, ABackupHoldsTheCommittedRowsAndNoneOfAnOpenTransaction) {
    InsertOrder("0000000001", "A", "B", "C", "2024-05-01");
    const AnsiString backup = dir_.file("2024-05-04.bak");
    ASSERT_TRUE(WriteFileAtomically(backup, "an older backup"));
    connection_->BeginTrans();
    InsertOrder("0000000002", "A", "B", "C", "2024-05-02");
    BackupDatabaseFile(file_, backup);
    connection_->CommitTrans();
    EXPECT_EQ(Orders(backup), "0000000001 ");
    EXPECT_EQ(Orders(file_), "0000000001 0000000002 ");
}

TEST_F(DatabaseTest, ABackupOfWhatIsNoDatabaseFailsAndLeavesTheTargetAlone) {
    const AnsiString backup = dir_.file("kept.bak"), text = dir_.file("notes.txt");
    ASSERT_TRUE(WriteFileAtomically(backup, "an older backup"));
    ASSERT_TRUE(WriteFileAtomically(text, std::string(4096, 'x')));
    for (const AnsiString& source : {text, dir_.file("missing.mdb")}) {
        EXPECT_THROW(BackupDatabaseFile(source, backup), EDatabaseError) << source;
        std::string bytes;
        ASSERT_TRUE(ReadFileBytes(backup, bytes));
        EXPECT_EQ(bytes, "an older backup");
    }
}
