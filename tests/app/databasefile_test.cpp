// The database file as a whole, below the menu: which files pass as a
// backup of this application (the schema built into the program, not the
// live database, is the reference), the restore over a live database that
// lost a table, and the initialisation's statements in one transaction.
// What the operator sees of these commands is tested through the main
// menu (databasemenu_test.cpp).
#include <gtest/gtest.h>


#include "app/databasecommands.h"
#include "app/databasefile.h"
#include "order_fixture.h"
#include "platform/rtl/fileutils.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/modalresponder.h"

namespace {

class DatabaseFile : public OrderDatabase {
protected:
    void SetUp() override {
        OrderDatabase::SetUp();
        database_ = dm_->ADOConnection1->DataSource();
        Run("insert into 操作员([操作员],[姓名]) values('0002','张三')");
        Run("insert into 权限清单([xuhao],[bianhao],[quanxianming]) values('1','0002','售后接待')");
        Run("insert into 备用机库(串码,品牌) values('86000000000001','华为')");
        Run("insert into 领用记录(顾客,备用机串码) values('李四','86000000000001')");
        AddPhone("0000000001");
    }

    void AddPhone(const AnsiString& number) {
        Run("insert into 流水记录(编号,串码,品牌,型号) values('" + number + "','35693803564380','诺基亚','N95')");
    }

    AnsiString Count(const char* table) { return Scalar(AnsiString("select count(*) from ") + table); }

    // A backup of the database as it is now.
    AnsiString Backup(const char* name = "2026-12-09.bak") {
        const AnsiString backup = dir_.file(name);
        EXPECT_TRUE(CopyFile(database_, backup, false));
        return backup;
    }
    // A backup changed by `change` run on it directly.
    AnsiString ChangedBackup(const char* name, const AnsiString& change) {
        const AnsiString backup = Backup(name);
        SqliteDatabase database;
        database.Open(backup);
        database.Execute(change);
        return backup;
    }
    AnsiString WriteFile(const char* name, const std::string& bytes) {
        const AnsiString file = dir_.file(name);
        EXPECT_TRUE(WriteFileAtomically(file, bytes));
        return file;
    }
    std::string DatabaseBytes() const {
        std::string bytes;
        ReadFileBytes(database_, bytes);
        return bytes;
    }

    AnsiString database_;
};

TEST_F(DatabaseFile, OnlyAFileWithExactlyTheApplicationsSchemaPassesAsABackup) {
    std::string truncated = DatabaseBytes();
    truncated.resize(truncated.size() / 2);
    const struct {
        AnsiString file;
        bool passes;
    } cases[] = {
        {Backup("good.bak"), true},
        {ChangedBackup("rows.bak", "delete from 流水记录; insert into 操作员(操作员) values('0003')"), true},
        {ChangedBackup("trigger.bak",
                       "create trigger wipe after insert on 流水记录 begin delete from 操作员; delete from 流水记录; end"),
         false},
        {ChangedBackup("view.bak", "create view 全部 as select * from 流水记录"), false},
        {ChangedBackup("table.bak", "create table 备忘 (内容 TEXT)"), false},
        {ChangedBackup("index.bak", "create index 流水记录_品牌 on 流水记录 (品牌)"), false},
        {ChangedBackup("dropped-index.bak", "drop index 流水记录_串码"), false},
        {ChangedBackup("dropped-table.bak", "drop table 备用机库"), false},
        {ChangedBackup("renamed.bak", "alter table 流水记录 rename column 交付备注 to 备注"), false},
        {ChangedBackup("added.bak", "alter table 操作员 add column 备注 TEXT"), false},
        {WriteFile("readme.txt", "恢复说明\r\n这不是数据库\r\n"), false},
        {WriteFile("empty.bak", ""), false},
        {WriteFile("truncated.bak", truncated), false},
        {dir_.file("missing.bak"), false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsDatabaseLike(c.file), c.passes) << c.file;
}

TEST_F(DatabaseFile, AGoodBackupRestoresALiveDatabaseThatLostATable) {
    const AnsiString backup = Backup();
    AddPhone("0000000002");
    Run("drop table 备用机库");

    ASSERT_TRUE(RestoreDatabaseFile(*dm_->ADOConnection1, backup));
    EXPECT_FALSE(dm_->ADOConnection1->Connected()) << "closed until the next start";
    EXPECT_FALSE(FileExists(database_ + ".restoring"));
    dm_->ADOConnection1->Open();
    EXPECT_EQ(Count("备用机库"), "1") << "the lost table is back with its rows";
    EXPECT_EQ(Count("流水记录"), "1") << "the order added after the backup is gone";
    EXPECT_EQ(Count("操作员"), "2");
}

TEST_F(DatabaseFile, ARefusedBackupLeavesTheDatabaseFileAndTheConnectionAsTheyWere) {
    const AnsiString candidates[] = {
        ChangedBackup("trigger.bak", "create trigger wipe after insert on 流水记录 begin delete from 操作员; end"),
        WriteFile("readme.txt", "恢复说明\r\n这不是数据库\r\n"),
    };
    const std::string before = DatabaseBytes();
    for (const AnsiString& candidate : candidates) {
        EXPECT_FALSE(RestoreDatabaseFile(*dm_->ADOConnection1, candidate)) << candidate;
        EXPECT_EQ(DatabaseBytes(), before) << candidate;
        EXPECT_TRUE(dm_->ADOConnection1->Connected()) << candidate;
        EXPECT_FALSE(FileExists(database_ + ".restoring")) << "no staged copy is left behind";
    }
    AddPhone("0000000002");
    EXPECT_EQ(Count("操作员"), "2") << "no trigger came in with the refused file";
}

TEST_F(DatabaseFile, RestoreStopsWhenTheQuestionOrTheDialogIsCancelled) {
    const std::string before = DatabaseBytes();
    const AnsiString backup = Backup();
    bool chooserRan = false;
    Answer(IDCANCEL);
    RestoreDatabaseCommand(*dm_->ADOConnection1, [&] {
        chooserRan = true;
        return backup;
    });
    EXPECT_FALSE(chooserRan);
    ResetModalResponder();
    Answer(IDOK);
    RestoreDatabaseCommand(*dm_->ADOConnection1, [] { return AnsiString(); });
    EXPECT_EQ(ModalQuestions().size(), 1u) << "nothing after a cancelled dialog";
    EXPECT_EQ(DatabaseBytes(), before);
    EXPECT_FALSE(Application->Terminated());
}

TEST_F(DatabaseFile, InitialisationEmptiesEveryTableAndLeavesTheAdministratorWithoutPassword) {
    InitialiseDatabase(*dm_->ADOall);
    for (const char* table : {"流水记录", "备用机库", "领用记录", "权限清单"}) EXPECT_EQ(Count(table), "0") << table;
    EXPECT_EQ(Scalar("select group_concat(操作员 || '/' || 姓名 || '/' || ifnull(密码, 'null')) from 操作员"),
              "0001/系统管理员/null");
    EXPECT_FALSE(dm_->ADOall->Active());
    EXPECT_FALSE(dm_->ADOConnection1->InTransaction());
}

TEST_F(DatabaseFile, AnInitialisationThatFailsPartWayChangesNothingAndSaysNoSuccess) {
    // The administrator's insert fails after every delete ran.
    Run("create trigger refuse before insert on 操作员 begin select raise(abort, 'disk is full'); end");
    Answer(IDOK);
    EXPECT_THROW(InitialiseDatabaseCommand(*dm_->ADOall), EDatabaseError) << "for the default error handler";
    ASSERT_EQ(ModalQuestions().size(), 1u) << "no 初始化成功！";
    EXPECT_FALSE(dm_->ADOConnection1->InTransaction());
    EXPECT_EQ(Count("操作员"), "2") << "nobody is locked out";
    for (const char* table : {"流水记录", "备用机库", "领用记录", "权限清单"}) EXPECT_EQ(Count(table), "1") << table;
}

}  // namespace
