// The manual backup (数据备份): the save dialog preset with today's date,
// the database copied to the chosen name + ".bak", and its messages; also
// offered by the exit after the automatic backup.
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/fileutils.h"
#include "platform/ui/dialogs.h"

namespace {

const char kFilter[] = "BAK文件|*.BAK|所有文件|*.*";

class ManualBackupTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        WriteSettings("[程序参数]\r\n店铺名称=恒通手机维修\r\n提醒=0\r\n");
        StartMainWindow();  // as 0001, who may back up
    }

    ::testing::AssertionResult Told(std::size_t index, const AnsiString& text, const AnsiString& caption,
                                    unsigned icon) const {
        if (ModalQuestions().size() <= index) return ::testing::AssertionFailure() << "not asked";
        const ModalQuestion& q = ModalQuestions()[index];
        if (q.text == text && q.caption == caption && (q.flags & MB_ICONMASK) == icon)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "asked \"" << AnsiToUtf8(q.text) << "\" captioned \""
                                             << AnsiToUtf8(q.caption) << "\"";
    }
};

TEST_F(ManualBackupTest, CopiesTheDatabaseToTheChosenNameWithBakAppended) {
    EXPECT_EQ(main_->SaveDialog1->FileName(), FormatDateTime("yyyy-mm-dd", Date())) << "preset with today";
    PushModalAnswer({1, dir_.file("2024-05-01.BAK")});
    PushModalAnswer({IDOK, ""});
    main_->N3->Click();
    ASSERT_EQ(ModalQuestions().size(), 2u);
    EXPECT_EQ(ModalQuestions()[0].kind, "SaveDialog");
    EXPECT_EQ(ModalQuestions()[0].text, kFilter);
    EXPECT_TRUE(Told(1, "备份数据成功！", "提示", MB_ICONINFORMATION));
    const AnsiString backup = dir_.file("2024-05-01.BAK.bak");
    ASSERT_TRUE(FileExists(backup));
    EXPECT_EQ(DatabaseRows(backup), DatabaseRows(dir_.file("database/database.mdb")));
    EXPECT_EQ(main_->SaveDialog1->FileName(), dir_.file("2024-05-01.BAK")) << "the dialog keeps the last name";
}

TEST_F(ManualBackupTest, CancellingTheDialogWritesNothing) {
    PushModalAnswer({0, ""});
    main_->N3->Click();
    EXPECT_EQ(ModalQuestions().size(), 1u);
    EXPECT_FALSE(FileExists(dir_.file(FormatDateTime("yyyy-mm-dd", Date()) + ".bak")));
}

TEST_F(ManualBackupTest, AFailedCopyIsReported) {
    PushModalAnswer({1, dir_.file("no such folder/copy")});
    PushModalAnswer({IDOK, ""});
    main_->N3->Click();
    ASSERT_EQ(ModalQuestions().size(), 2u);
    EXPECT_TRUE(Told(1, "备份数据失败，请重试！!", "错误", MB_ICONERROR));
}

TEST_F(ManualBackupTest, TheExitOffersItAndAnOperatorWithoutTheGrantGetsNoDialog) {
    PushModalAnswer({IDOK, ""});  // leave the program
    PushModalAnswer({IDOK, ""});  // back up once more
    PushModalAnswer({1, dir_.file("copy")});
    PushModalAnswer({IDOK, ""});
    main_->Close();
    ASSERT_EQ(ModalQuestions().size(), 4u);
    EXPECT_EQ(ModalQuestions()[2].kind, "SaveDialog");
    EXPECT_TRUE(Told(3, "备份数据成功！", "提示", MB_ICONINFORMATION));
    EXPECT_TRUE(FileExists(dir_.file("copy.bak")));

    ResetModalResponder();
    main_->N3->SetEnabled(false);  // as the login leaves it without 数据库备份
    PushModalAnswer({IDOK, ""});
    PushModalAnswer({IDOK, ""});
    main_->Show();
    main_->Close();
    EXPECT_EQ(ModalQuestions().size(), 2u) << "no save dialog";
    EXPECT_FALSE(ModalAnswersWaiting());
}

}  // namespace
