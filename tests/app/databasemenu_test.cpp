// 数据恢复 and 数据初始化 on the main menu: an older backup chosen in the
// open dialog brings its rows back and ends the run without the closing
// question or the automatic backup; a text file changes nothing; the
// initialisation leaves only the administrator, also for the next login.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "login_fixture.h"
#include "platform/data/field.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/fileutils.h"
#include "platform/ui/dialogs.h"

namespace {

class DatabaseMenuTest : public LoginTest {
protected:
    void SetUp() override {
        LoginTest::SetUp();
        AddOperator("0002", "张三", "pw");
        Grant("0002", "数据库恢复");
        Grant("0002", "数据初始化");
        Run("insert into 流水记录(编号,串码,品牌,型号) values('0000000001','35693803564380','诺基亚','N95')");
        Run("insert into 备用机库(串码,品牌) values('86000000000001','华为')");
        Run("insert into 领用记录(顾客,备用机串码) values('李四','86000000000001')");
    }

    void StartAs(const AnsiString& id, const AnsiString& password) {
        StartWithLogin([this, id, password] { LogIn(id, password); });
        ASSERT_TRUE(main_->Visible());
    }

    void Run(const AnsiString& sql) { DM1->ADOConnection1->Execute(sql); }
    // The first column of the first row of a statement.
    static AnsiString Scalar(const AnsiString& sql) {
        TADOQuery* query = DM1->ADO123;
        query->Close();
        query->SQL()->SetText(sql);
        query->Open();
        return query->Fields()->Fields(0)->AsString();
    }
    static AnsiString Count(const char* table) { return Scalar(AnsiString("select count(*) from ") + table); }
    std::string DatabaseBytes() const {
        std::string bytes;
        ReadFileBytes(DatabaseFileName(), bytes);
        return bytes;
    }
    // Answers the question, chooses `file` in the open dialog and
    // acknowledges the outcome.
    static void AnswerRestore(const AnsiString& file) {
        PushModalAnswer({IDOK, ""});
        PushModalAnswer({1, file});
        PushModalAnswer({IDOK, ""});
    }
};

TEST_F(DatabaseMenuTest, RestoringAnOlderBackupBringsItsRowsBackAndEndsTheRun) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const AnsiString backup = dir_.file("2026-12-09.bak");
    ASSERT_TRUE(CopyFile(DatabaseFileName(), backup, false));
    Run("delete from 流水记录");
    Run("insert into 流水记录(编号,串码,品牌,型号) values('0000000002','35693803564381','诺基亚','N96')");
    // Ending the run is for good, so the restore runs in a process of its
    // own, which reports what it saw.
    EXPECT_EXIT(
        {
            StartAs("0002", "pw");
            AnswerRestore(backup);
            main_->N12->Click();
            const bool asked = ModalQuestions().size() == 3 &&
                               ModalQuestions()[0].text == "数据库恢复将要覆盖原来数据库中所有的数据，继续吗？" &&
                               ModalQuestions()[1].kind == "OpenDialog" &&
                               ModalQuestions()[1].text == "BAK文件|*.BAK|所有文件|*.*" &&
                               ModalQuestions()[2].text == "恢复数据成功！请重新启动软件！";
            const bool noAutomaticBackup = !FileExists(AutomaticBackupFileName());
            const bool closed = !DM1->ADOConnection1->Connected();
            DM1->ADOConnection1->Open();
            std::fprintf(stderr, "asked=%d terminated=%d closed=%d shown=%d noAutomaticBackup=%d orders=%s\n", asked,
                         Application->Terminated(), closed, main_->Visible(), noAutomaticBackup,
                         Scalar("select group_concat(编号) from 流水记录").c_str());
            std::fflush(stderr);
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(0),
        "asked=1 terminated=1 closed=1 shown=1 noAutomaticBackup=1 orders=0000000001");
}

TEST_F(DatabaseMenuTest, RestoringATextFileChangesNothingAndTheRunGoesOn) {
    const AnsiString text = dir_.file("恢复说明.bak");
    ASSERT_TRUE(WriteFileAtomically(text, "恢复说明\r\n这不是数据库\r\n"));
    StartAs("0002", "pw");
    const std::string before = DatabaseBytes();
    AnswerRestore(text);
    main_->N12->Click();
    ASSERT_EQ(ModalQuestions().size(), 3u);
    EXPECT_TRUE(AskedAt(2, "恢复数据失败，请重试！!", "错误", MB_ICONERROR));
    EXPECT_EQ(DatabaseBytes(), before);
    EXPECT_FALSE(Application->Terminated());
    EXPECT_TRUE(DM1->ADOConnection1->Connected());
    EXPECT_EQ(Count("流水记录"), "1") << "the old database still answers";
}

TEST_F(DatabaseMenuTest, InitialisationLeavesOnlyTheAdministratorForTheNextLogin) {
    StartAs("0002", "pw");
    PushModalAnswer({IDOK, ""});
    PushModalAnswer({IDOK, ""});
    main_->N4->Click();
    EXPECT_TRUE(AskedAt(0, "确实进行数据初始化？该操作将清空数据库的全部内容，该操作不可恢复！请谨慎操作！",
                        "数据初始化", MB_ICONQUESTION));
    EXPECT_TRUE(AskedAt(1, "初始化成功！", "提示", MB_ICONINFORMATION));
    for (const char* table : {"流水记录", "备用机库", "领用记录", "权限清单"}) EXPECT_EQ(Count(table), "0") << table;
    EXPECT_EQ(Scalar("select 操作员 || '/' || 姓名 from 操作员"), "0001/系统管理员");
    EXPECT_EQ(Count("操作员"), "1");
    EXPECT_TRUE(main_->N4->Enabled()) << "the operator keeps his menu until the next login";

    // What the next login offers.
    loginform->LoadOperators();
    ASSERT_EQ(loginform->cbusername->Items()->Count(), 1);
    EXPECT_EQ(loginform->cbusername->Items()->Strings(0), "0001");
    EXPECT_EQ(loginform->PasswordList->Strings(0), "") << "no password";
    EXPECT_EQ(ModalQuestions().size(), 2u);
}

}  // namespace
