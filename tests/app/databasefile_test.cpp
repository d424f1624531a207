// Restore and initialisation as the main window runs them, with the modal
// responder answering: an older backup brings its rows back and ends the
// run; anything that is not a database of this schema changes nothing.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

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
        AddPhone("0000000001");
    }

    void AddPhone(const AnsiString& number) {
        Run("insert into 流水记录(编号,串码,品牌,型号) values('" + number + "','35693803564380','诺基亚','N95')");
    }

    AnsiString Count(const char* table) { return Scalar(AnsiString("select count(*) from ") + table); }

    // A backup of the database as it is now.
    AnsiString Backup() {
        const AnsiString backup = dir_.file("2026-12-09.bak");
        EXPECT_TRUE(CopyFile(database_, backup, false));
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
    void Restore(const AnsiString& backup) {
        RestoreDatabaseCommand(*dm_->ADOConnection1, [backup] { return backup; });
    }
    static std::vector<AnsiString> Asked() {
        std::vector<AnsiString> texts;
        for (const ModalQuestion& q : ModalQuestions()) texts.push_back(q.text);
        return texts;
    }

    AnsiString database_;
};

TEST_F(DatabaseFile, RestoringAnOlderBackupBringsItsRowsBackAndEndsTheRun) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const AnsiString backup = Backup();
    AddPhone("0000000002");
    Run("delete from 操作员 where 操作员='0002'");
    const std::vector<AnsiString> expected = {"数据库恢复将要覆盖原来数据库中所有的数据，继续吗？",
                                              "恢复数据成功！请重新启动软件！"};
    // The restore ends the application's run for good, so it runs in a
    // process of its own, which reports what it saw.
    EXPECT_EXIT(
        {
            PushModalAnswer({IDOK});
            PushModalAnswer({IDOK});
            Restore(backup);
            const bool closed = !dm_->ADOConnection1->Connected();
            dm_->ADOConnection1->Open();
            const bool asked = Asked() == expected;
            std::fprintf(stderr, "closed=%d terminated=%d phones=%s operators=%s asked=%d\n", closed,
                         Application->Terminated(), Count("流水记录").c_str(), Count("操作员").c_str(), asked);
            std::fflush(stderr);
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(0),
        "closed=1 terminated=1 phones=1 operators=2 asked=1");
}

TEST_F(DatabaseFile, AFileThatIsNoDatabaseOfThisSchemaChangesNothing) {
    const std::string before = DatabaseBytes();
    const AnsiString other = dir_.file("other.bak");
    serviora::CreateApplicationDatabase(AnsiToUtf8(other));
    {
        SqliteDatabase database;
        database.Open(other);
        database.Execute("alter table 流水记录 rename column 交付备注 to 备注");
    }
    std::string truncated = DatabaseBytes();
    truncated.resize(truncated.size() / 2);
    const AnsiString candidates[] = {
        WriteFile("readme.txt", "恢复说明\r\n这不是数据库\r\n"),
        WriteFile("empty.bak", ""),
        WriteFile("truncated.bak", truncated),
        other,
        dir_.file("missing.bak"),
    };
    for (const AnsiString& candidate : candidates) {
        SCOPED_TRACE(candidate);
        ResetModalResponder();
        PushModalAnswer({IDOK});
        PushModalAnswer({IDOK});
        Restore(candidate);
        EXPECT_EQ(Asked(), (std::vector<AnsiString>{"数据库恢复将要覆盖原来数据库中所有的数据，继续吗？",
                                                    "恢复数据失败，请重试！!"}));
        EXPECT_EQ(ModalQuestions().back().caption, "错误");
        EXPECT_EQ(ModalQuestions().back().flags, UINT(MB_ICONERROR));
        EXPECT_TRUE(dm_->ADOConnection1->Connected()) << "the run goes on with the old database";
        EXPECT_FALSE(Application->Terminated());
        EXPECT_EQ(DatabaseBytes(), before);
        EXPECT_EQ(Count("流水记录"), "1");
    }
    EXPECT_FALSE(FileExists(database_ + ".restoring")) << "no staged copy is left behind";
}

TEST_F(DatabaseFile, RestoreStopsWhenTheQuestionOrTheDialogIsCancelled) {
    const std::string before = DatabaseBytes();
    const AnsiString backup = Backup();
    bool chooserRan = false;
    PushModalAnswer({IDCANCEL});
    RestoreDatabaseCommand(*dm_->ADOConnection1, [&] {
        chooserRan = true;
        return backup;
    });
    EXPECT_FALSE(chooserRan);
    ResetModalResponder();
    PushModalAnswer({IDOK});
    Restore("");
    EXPECT_EQ(ModalQuestions().size(), 1u) << "nothing after a cancelled dialog";
    EXPECT_EQ(DatabaseBytes(), before);
    EXPECT_FALSE(Application->Terminated());
}

TEST_F(DatabaseFile, InitialisationLeavesOnlyTheAdministratorAndEmptyTables) {
    Run("insert into 备用机库(串码,品牌) values('86000000000001','华为')");
    Run("insert into 领用记录(顾客,备用机串码) values('李四','86000000000001')");

    PushModalAnswer({IDCANCEL});
    InitialiseDatabaseCommand(*dm_->ADOall);
    EXPECT_EQ(Count("操作员"), "2") << "cancelled: nothing deleted";

    ResetModalResponder();
    PushModalAnswer({IDOK});
    PushModalAnswer({IDOK});
    InitialiseDatabaseCommand(*dm_->ADOall);
    EXPECT_EQ(Asked(), (std::vector<AnsiString>{
                           "确实进行数据初始化？该操作将清空数据库的全部内容，该操作不可恢复！请谨慎操作！",
                           "初始化成功！"}));
    EXPECT_EQ(ModalQuestions()[0].caption, "数据初始化");
    EXPECT_EQ(ModalQuestions()[0].flags, UINT(MB_OKCANCEL | MB_ICONQUESTION));
    EXPECT_EQ(ModalQuestions()[1].caption, "提示");
    for (const char* table : {"流水记录", "备用机库", "领用记录", "权限清单"}) EXPECT_EQ(Count(table), "0") << table;
    EXPECT_EQ(Count("操作员"), "1");
    EXPECT_EQ(Scalar("select 操作员 || '/' || 姓名 || '/' || ifnull(密码, 'null') from 操作员"), "0001/系统管理员/null");
    EXPECT_FALSE(dm_->ADOall->Active());
}

}  // namespace
