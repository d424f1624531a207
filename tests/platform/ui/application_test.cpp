// The application object: CreateForm order and MainForm, Run and
// Terminate, the default exception handler, OnException, OnIdle/OnMessage,
// and the end of the process with forms still shown.
#include <cstdlib>
#include <vector>

#include "platform/rtl/filepaths.h"
#include "platform/ui/grids.h"
#include "platform/ui/menus.h"
#include "platform/win/shellapi.h"
#include "platform/ui/stdctrls_edit.h"
#include "tests/platform/ui/control_fixture.h"

using ApplicationTest = ControlTest;

TEST_F(ApplicationTest, AnExceptionEscapingAClickHandlerIsShownAndTheProgramGoesOn) {
    TForm* form = NewForm();
    TButton* button = TButton::Create(form);
    button->SetParent(form);
    int clicks = 0;
    button->SetOnClick([&](TObject*) {
        if (++clicks == 1) throw EConvertError("'abc' is not a valid integer value");
        if (clicks == 2) Abort();
    });
    form->Show();
    PushModalAnswer({IDOK, {}});
    Click(button);
    Click(button);  // EAbort shows nothing
    Click(button);
    EXPECT_EQ(clicks, 3);
    ASSERT_EQ(ModalQuestions().size(), 1u);
    EXPECT_EQ(ModalQuestions()[0].caption, "测试程序");
    EXPECT_EQ(ModalQuestions()[0].text, "'abc' is not a valid integer value.");
    EXPECT_EQ(ModalQuestions()[0].className, "#32770");
    EXPECT_TRUE(form->Visible());
}

TEST_F(ApplicationTest, OnExceptionReplacesTheDefaultHandler) {
    TForm* form = NewForm();
    AnsiString seen;
    Application->SetOnException([&](TObject* sender, const std::exception_ptr& e) {
        try {
            std::rethrow_exception(e);
        } catch (const Exception& error) {
            seen = error.Message() + " from " + static_cast<TComponent*>(sender)->ClassName();
        }
    });
    form->SetOnPaint([](TObject*) { throw Exception("绘制失败"); });
    form->Show();
    form->Repaint();
    EXPECT_EQ(seen, "绘制失败 from TForm");
    EXPECT_TRUE(ModalQuestions().empty());
}

TEST_F(ApplicationTest, CreateFormMakesTheFirstFormMainAndRunShowsItUntilTerminate) {
    TForm* first = nullptr;
    TForm* second = nullptr;
    Application->CreateForm(first);
    Application->CreateForm(second);
    EXPECT_EQ(Application->MainForm(), first);
    EXPECT_EQ(first->Owner(), Application);
    std::vector<AnsiString> log;
    Application->SetOnIdle([&](TObject*, bool& done) {
        log.push_back("idle");
        Application->Terminate();
        done = false;
    });
    Application->SetOnMessage([&](MSG& msg, bool&) {
        if (msg.message == WM_QUIT) log.push_back("quit seen");
    });
    Application->Run();
    EXPECT_TRUE(first->Visible());
    EXPECT_FALSE(second->Visible());
    EXPECT_EQ(log, std::vector<AnsiString>{"idle"});
    EXPECT_TRUE(Application->Terminated());
    Application->Run();  // returns at once
}

TEST_F(ApplicationTest, ClosingTheMainFormTerminatesAndReleaseFreesLater) {
    TForm* main = nullptr;
    Application->CreateForm(main);
    main->Show();
    TForm* other = NewForm();
    other->Release();
    EXPECT_EQ(other->Owner(), Application);
    Application->ProcessMessages();
    for (int i = 0; i < Application->ComponentCount(); ++i) EXPECT_NE(Application->Components(i), other);
    main->Close();
    EXPECT_TRUE(Application->Terminated());
    EXPECT_FALSE(main->Visible());
}

TEST_F(ApplicationTest, GainingOrLosingTheForegroundIsToldOncePerChange) {
    TForm* first = NewForm();
    TForm* second = NewForm();
    SendMessage(first->Handle(), WM_ACTIVATEAPP, 1, 0);
    std::vector<AnsiString> told;
    Application->SetOnActivate([&](TObject*) { told.push_back("activate"); });
    Application->SetOnDeactivate([&](TObject*) { told.push_back("deactivate"); });
    for (const WPARAM active : {WPARAM(0), WPARAM(1)})
        for (TForm* form : {first, second}) SendMessage(form->Handle(), WM_ACTIVATEAPP, active, 0);
    EXPECT_EQ(told, (std::vector<AnsiString>{"deactivate", "activate"}));
    Application->SetOnActivate({});
    Application->SetOnDeactivate({});
}

TEST_F(ApplicationTest, ScreenListsFormsAndDataModules) {
    const int before = Screen->FormCount();
    TForm* form = NewForm();
    EXPECT_EQ(Screen->FormCount(), before + 1);
    EXPECT_EQ(Screen->Forms(before), form);
    EXPECT_EQ(Screen->Width(), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(Screen->PixelsPerInch(), 96);
    EXPECT_NE(Screen->Cursors(crHourGlass), Screen->Cursors(crArrow));
    delete form;
    EXPECT_EQ(Screen->FormCount(), before);
}

TEST_F(ApplicationTest, ShellOpenIsRecordedInTestsAndOnlyOpenIsKnown) {
    SetShellRecording(true);
    ClearRecordedShellRequests();
    const AnsiString help = ExtractFilePath(Application->ExeName()) + "help.chm";
    EXPECT_GT(ShellExecute(0, "open", help.c_str(), nullptr, nullptr, SW_SHOW), HINSTANCE(32));
    EXPECT_EQ(ShellExecute(0, "print", help.c_str(), nullptr, nullptr, SW_SHOW), HINSTANCE(31));
    SetShellRecording(false);
    ASSERT_EQ(RecordedShellRequests().size(), 1u);
    EXPECT_EQ(RecordedShellRequests()[0].operation, "open");
    EXPECT_EQ(RecordedShellRequests()[0].file, help);
    EXPECT_EQ(ShellExecute(0, nullptr, "/no/such/file.chm", nullptr, nullptr, SW_SHOW), HINSTANCE(2));
}

// The program-long application still owns its forms when the process ends:
// static destructors free them after the window system and the painting
// library have begun to go down, and the process must still end cleanly.
TEST(ApplicationExit, FormsStillShownAtExitEndTheProcessCleanly) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            Application->Handle();
            TForm* form = TForm::Create(Application, 0);
            form->SetBounds(10, 10, 300, 200);
            auto* menu = new TMainMenu(form);
            auto* item = new TMenuItem(menu);
            item->SetCaption("文件");
            menu->Items()->Add(item);
            form->SetMenu(menu);
            auto* edit = new TEdit(form);
            edit->SetParent(form);
            auto* grid = new TStringGrid(form);
            grid->SetParent(form);
            grid->SetBounds(0, 30, 250, 150);
            grid->SetOptions(grid->Options() + TGridOptions{goEditing});
            form->Show();
            grid->SetFocus();
            grid->ShowEditor();
            TForm* other = TForm::Create(Application, 0);
            other->SetBounds(40, 40, 100, 100);
            other->Show();
            ProcessMessages();
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}
