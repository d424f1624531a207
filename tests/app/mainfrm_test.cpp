// The main window over a temporary program folder: settings, the start-up
// timers, the connection's failure path, child windows by caption, gated
// commands, closing and the automatic backup.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/dayinshezhifrm.h"
#include "app/programfolder.h"
#include "app/tixingfrm.h"
#include "platform/rtl/inifiles.h"
#include "app_fixture.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/fileutils.h"
#include "platform/rtl/streams.h"
#include "platform/ui/dialogs.h"
#include "platform/win/shellapi.h"
#include "platform/ui/testseams.h"
#include "support/temp_dir.h"

namespace {

TEST_F(AppTest, ShowsTheShopNameAndSloganOfTheSettingsFile) {
    // GB18030 bytes, as the settings window writes them.
    WriteSettings("[程序参数]\r\n店铺名称=恒通手机维修\r\n广告语=诚信为本\r\n提醒=0\r\n");
    // An answer waits in case the shop name question comes, which it must not.
    PushModalAnswer({IDOK, ""});
    StartMainWindow();
    EXPECT_EQ(main_->Label1->Caption(), "恒通手机维修");
    EXPECT_EQ(main_->Caption(), "恒通手机维修Serviora");
    EXPECT_EQ(main_->VxMarqueeStatus1->Caption(), "诚信为本");
    EXPECT_FALSE(main_->RemindOnStart);
    EXPECT_EQ(main_->BackgroundFile, dir_.file("image/001.jpg"));
    EXPECT_TRUE(main_->Visible()) << "shown after the login";
    EXPECT_TRUE(DM1->ADOConnection1->Connected());
    RunFor(300);
    EXPECT_EQ(Asked("请修改您的店铺名称！"), 0);
    EXPECT_TRUE(ModalAnswersWaiting());
}

TEST_F(AppTest, TheDefaultShopNameAsksForAShopNameOnce) {
    WriteSettings("[程序参数]\r\n背景=\r\n");
    StartMainWindow();
    EXPECT_EQ(main_->Label1->Caption(), "Kavendi手机店");
    EXPECT_EQ(main_->VxMarqueeStatus1->Caption(), "请修改滚动字幕");
    EXPECT_TRUE(main_->RemindOnStart);
    EXPECT_EQ(main_->BackgroundFile, dir_.file("image/001.jpg")) << "an empty value takes the default";
    EXPECT_TRUE(main_->Timer2->Enabled());
    Application->SetMainForm(main_.get());  // the settings window finds its frame through it
    PushModalAnswer({IDOK, ""});
    RunFor(400);
    ASSERT_EQ(Asked("请修改您的店铺名称！"), 1);
    ASSERT_EQ(ModalQuestions().size(), 1u);
    const ModalQuestion& question = ModalQuestions().back();
    EXPECT_EQ(question.caption, "提示");
    EXPECT_EQ(question.flags & MB_ICONMASK, MB_ICONERROR);
    EXPECT_FALSE(main_->Timer1->Enabled());
    EXPECT_FALSE(main_->Timer2->Enabled());
    // Without the switch the reminders open first; the settings item opened
    // its window after them.
    ASSERT_EQ(main_->MDIChildCount(), 2);
    EXPECT_TRUE(main_->ActivateChildByCaption("提醒"));
    EXPECT_TRUE(main_->ActivateChildByCaption("店铺名称及小票打印设置"));
    EXPECT_NE(dynamic_cast<Tdayinshezhi*>(main_->ActiveMDIChild()), nullptr);
}

// The reminders' switch acts at the next start: unticked, no window opens
// after the login while the menu item still opens it; ticked again, the
// window opens after the login that follows.
TEST_F(AppTest, TheReminderSwitchActsAtTheNextStart) {
    WriteSettings("[程序参数]\r\n店铺名称=恒通手机维修\r\n");
    const auto start = [this] {
        StartMainWindow();
        Application->SetMainForm(main_.get());
        RunFor(400);
    };
    const auto reminders = [this] { return dynamic_cast<Ttixing*>(main_->ActiveMDIChild()); };
    const auto closeWithSwitch = [&](bool on) {
        Ttixing* window = reminders();
        ASSERT_NE(window, nullptr);
        window->CheckBox1->SetChecked(on);
        window->Close();
        ProcessMessages();
    };

    start();
    ASSERT_NE(reminders(), nullptr) << "no key reads as on";
    closeWithSwitch(false);
    EXPECT_EQ(TIniFile(SettingsFileName()).ReadString("程序参数", "提醒", ""), "0");

    StopMainWindow();
    start();
    EXPECT_EQ(main_->MDIChildCount(), 0) << "unticked, nothing opens after the login";
    main_->N6->Click();
    ProcessMessages();
    closeWithSwitch(true);

    StopMainWindow();
    start();
    EXPECT_NE(reminders(), nullptr) << "ticked again, the reminders open after the login";
}

// Without a database, or with a text file in its place, the error box
// appears and the run ends without a login. Each case runs in a child
// process, since terminating the application is for good.
class AppFailureTest : public AppTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(AppFailureTest, AnUnreachableDatabaseEndsTheRunWithTheErrorBox) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const AnsiString database = dir_.file("database/database.mdb");
    DeleteFile(database);
    if (GetParam()[0]) {
        TFileStream file(database, fmCreate);
        const AnsiString text = GetParam();
        file.WriteBuffer(text.data(), static_cast<Integer>(text.size()));
    }
    EXPECT_EXIT(
        {
            PushModalAnswer({IDOK, ""});
            StartMainWindow();
            const bool asked = ModalQuestions().size() == 1 &&
                               ModalQuestions()[0].text == "无法连接到指定的数据库！请重试！" &&
                               ModalQuestions()[0].caption == "错误" &&
                               (ModalQuestions()[0].flags & MB_ICONMASK) == MB_ICONERROR;
            std::exit(asked && Application->Terminated() && !loginform && !main_->Visible() ? 7 : 1);
        },
        ::testing::ExitedWithCode(7), "");
}

INSTANTIATE_TEST_SUITE_P(Database, AppFailureTest, ::testing::Values("", "这不是数据库\r\n"));

// A child window of the tests' own.
class TTestChild : public TForm {
    SERVIORA_CLASS(TTestChild, TForm)
public:
    using TForm::TForm;
};

TEST_F(AppTest, ActivateChildByCaptionBringsTheOpenWindowBack) {
    StartMainWindow();
    // Children find their frame as the application's main form.
    Application->SetMainForm(main_.get());
    EXPECT_FALSE(main_->ActivateChildByCaption("售后接待"));
    auto* child = new TTestChild(main_.get(), 0);
    child->SetFormStyle(fsMDIChild);
    child->SetCaption("售后接待");
    child->Show();
    ASSERT_EQ(main_->MDIChildCount(), 1);
    child->SetWindowState(wsMinimized);
    child->SetEnabled(false);

    EXPECT_FALSE(main_->ActivateChildByCaption("售后")) << "the caption must match exactly";
    EXPECT_TRUE(main_->ActivateChildByCaption("售后接待"));
    EXPECT_EQ(main_->MDIChildCount(), 1) << "no second window";
    EXPECT_EQ(main_->MDIChildren(0), child);
    EXPECT_EQ(child->WindowState(), wsNormal);
    EXPECT_TRUE(child->Enabled());
    EXPECT_TRUE(child->Visible());
}

TEST_F(AppTest, AGatedMenuItemAndItsToolbarButtonDoNothing) {
    StartMainWindow();
    main_->Timer2->SetEnabled(false);  // its shop-name question has no answer here
    main_->Timer1->SetEnabled(false);  // nor should the reminders cover the toolbar
    int opened = 0;
    main_->N10->SetOnClick(TNotifyEvent([&](TObject*) { ++opened; }));
    main_->N10->SetEnabled(false);  // as the login leaves it for an operator without 售后接待
    ProcessMessages();
    TVxToolButton* button = main_->VxToolButton9;
    const POINT centre{button->Left() + button->Width() / 2, button->Top() + button->Height() / 2};
    ASSERT_TRUE(SimulateClick(main_->VxToolbar2->Handle(), centre));
    ProcessMessages();
    main_->N10->Click();
    EXPECT_EQ(opened, 0);

    main_->N10->SetEnabled(true);
    ASSERT_TRUE(SimulateClick(main_->VxToolbar2->Handle(), centre));
    ProcessMessages();
    EXPECT_EQ(opened, 1) << "the button clicks its menu item";
}

TEST_F(AppTest, ClosingAsksAndOkBacksTheDatabaseUpAndOffersAManualBackup) {
    StartMainWindow();
    DM1->ADOall->SQL()->Clear();  // it holds the login's last statement
    DM1->ADOall->SQL()->Add("insert into 操作员([操作员],[姓名]) values('0002','张三')");
    DM1->ADOall->ExecSQL();
    PushModalAnswer({IDOK, ""});
    PushModalAnswer({IDOK, ""});
    PushModalAnswer({0, ""});  // the manual backup's dialog, cancelled
    main_->Close();
    const AnsiString backup = dir_.file("backup/" + FormatDateTime("yyyy-mm-dd", Date()) + ".bak");
    ASSERT_TRUE(FileExists(backup));
    EXPECT_EQ(DatabaseRows(backup), DatabaseRows(dir_.file("database/database.mdb")));
    ASSERT_EQ(ModalQuestions().size(), 3u);
    EXPECT_EQ(ModalQuestions()[0].text, "确实要退出本系统吗？");
    EXPECT_EQ(ModalQuestions()[0].caption, "系统提示");
    EXPECT_EQ(ModalQuestions()[0].flags, UINT(MB_OKCANCEL | MB_ICONQUESTION));
    EXPECT_EQ(ModalQuestions()[1].caption, "提示");
    EXPECT_EQ(ModalQuestions()[1].text.rfind("退出系统前软件已经自动进行数据备份！", 0), 0u);
    EXPECT_NE(ModalQuestions()[1].text.find("点击“取消”不再次备份！"), AnsiString::npos);
    EXPECT_EQ(ModalQuestions()[2].kind, "SaveDialog") << "the manual backup offered";
    EXPECT_FALSE(main_->Visible());
}

TEST_F(AppTest, CancellingTheClosingQuestionLeavesEverythingAsItWas) {
    StartMainWindow();
    PushModalAnswer({IDCANCEL, ""});
    main_->Close();
    EXPECT_TRUE(main_->Visible());
    EXPECT_FALSE(FileExists(dir_.file("backup/" + FormatDateTime("yyyy-mm-dd", Date()) + ".bak")));
    EXPECT_EQ(ModalQuestions().size(), 1u);
}

TEST_F(AppTest, WithoutABackupFolderTheExitReportsTheFailureAndStillCloses) {
    std::filesystem::remove(AnsiToUtf8(dir_.file("backup")));
    StartMainWindow();
    PushModalAnswer({IDOK, ""});
    PushModalAnswer({IDOK, ""});
    main_->Close();
    ASSERT_EQ(ModalQuestions().size(), 2u);
    EXPECT_EQ(ModalQuestions()[1].text, "备份数据失败，请重试！");
    EXPECT_EQ(ModalQuestions()[1].caption, "错误");
    EXPECT_FALSE(main_->Visible());
}

TEST_F(AppTest, HelpOpensHelpChmOfTheProgramFolderThroughTheDesktop) {
    StartMainWindow();
    SetShellRecording(true);
    ClearRecordedShellRequests();
    main_->VxToolButton14->Click();
    ASSERT_EQ(RecordedShellRequests().size(), 1u);
    EXPECT_EQ(RecordedShellRequests()[0].operation, "open");
    EXPECT_EQ(RecordedShellRequests()[0].file, dir_.file("help.chm"));
    EXPECT_EQ(Application->HelpFile(), dir_.file("help.chm"));
    SetShellRecording(false);
    main_->N27->Click();
    EXPECT_TRUE(ModalQuestions().empty()) << "a missing help file shows nothing";
}

TEST_F(AppTest, ResizingCentresTheTwoLabels) {
    StartMainWindow();
    main_->SetWindowState(wsNormal);
    main_->SetBounds(0, 0, 801, 601);
    EXPECT_EQ(main_->Label1->Left(), (801 - main_->Label1->Width()) / 2);
    EXPECT_EQ(main_->Label1->Top(), (601 - 4 * main_->Label1->Height()) / 2);
    EXPECT_EQ(main_->Label2->Left(), (801 - main_->Label2->Width()) / 2);
    EXPECT_EQ(main_->Label2->Top(), (601 - main_->Label2->Height()) / 2);
}

TEST_F(AppTest, RealWindowShowsTheMainWindow) {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (!platform || AnsiString(platform) != "xcb") GTEST_SKIP() << "runs under Xvfb only";
    // The background picture the build paints beside the program.
    ForceDirectories(dir_.file("image"));
    ASSERT_TRUE(CopyFile(ExtractFilePath(SERVIORA_PROGRAM) + "image/001.jpg", dir_.file("image/001.jpg"), false));
    PushModalAnswer({IDOK, ""});  // the shop name question
    StartMainWindow();
    RunFor(500);
    ASSERT_TRUE(main_->Visible());
    EXPECT_TRUE(SaveWindowScreenshot(main_->Handle(), ScreenshotDir() + "main.png"));
    // Unskinned, with the glyph toolbar and the status bar's panes.
    EXPECT_TRUE(SaveWindowScreenshot(main_->Handle(), ScreenshotDir() + "styled-main.png"));
}

}  // namespace
