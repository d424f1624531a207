// MDI: a frame holds child forms, one per caption when the caller looks
// them up; WM_SYSCOMMAND/SC_RESTORE restores a minimised child; a
// screenshot of the frame with its menu and two children.
#include <QGuiApplication>
#include <QThread>

#include "platform/rtl/fileutils.h"
#include "platform/ui/menus.h"
#include "tests/platform/ui/control_fixture.h"
#include "tests/support/temp_dir.h"

using MdiFormTest = ControlTest;

namespace {

// The application's way of bringing a child forward: one window per caption.
TCustomForm* ActivateChildByCaption(TCustomForm* frame, const AnsiString& caption) {
    for (int i = 0; i < frame->MDIChildCount(); ++i) {
        TCustomForm* child = frame->MDIChildren(i);
        if (child->Caption() == caption) {
            child->Perform(WM_SYSCOMMAND, SC_RESTORE, 0);
            child->SetEnabled(true);
            child->Show();
            return child;
        }
    }
    return nullptr;
}

TForm* NewChild(const AnsiString& caption) {
    TForm* child = TForm::Create(Application, 0);
    child->SetCaption(caption);
    child->SetFormStyle(fsMDIChild);
    child->SetBounds(10, 10, 260, 160);
    child->Show();
    return child;
}

struct MdiScene {
    TForm* frame;
    TForm* first;
    TForm* second;
};

// The main frame with a menu bar and two children, as the program opens them.
MdiScene MakeScene() {
    TForm* frame = nullptr;
    Application->CreateForm(frame);
    frame->SetFormStyle(fsMDIForm);
    frame->SetCaption("售后服务管理");
    frame->SetBounds(0, 0, 640, 480);
    TMainMenu* menu = TMainMenu::Create(frame);
    for (const char* caption : {"系统(&S)", "业务(&B)", "帮助(&H)"}) {
        TMenuItem* item = TMenuItem::Create(menu);
        item->SetCaption(caption);
        menu->Items()->Add(item);
    }
    frame->SetMenu(menu);
    frame->Show();
    TForm* first = NewChild("接待登记");
    TForm* second = NewChild("交付登记");
    second->SetLeft(150);
    second->SetTop(120);
    ProcessMessages();
    return {frame, first, second};
}

}  // namespace

TEST_F(MdiFormTest, AFrameHoldsChildrenFoundByCaptionAndRestoresAMinimisedOne) {
    auto [frame, first, second] = MakeScene();
    ASSERT_NE(frame->ClientHandle(), HWND(0));
    EXPECT_EQ(ClassNameOf(frame->ClientHandle()), "MDIClient");
    const AnsiString path = AnsiString(ScreenshotDir()) + "mdi_frame.png";
    EXPECT_TRUE(SaveWindowScreenshot(frame->Handle(), path));
    EXPECT_TRUE(FileExists(path));

    ProcessMessages();
    EXPECT_EQ(frame->MDIChildCount(), 2);
    EXPECT_EQ(GetParent(first->Handle()), frame->ClientHandle());
    EXPECT_EQ(frame->ActiveMDIChild(), second);
    // A child's Left and Top, set one after the other, stand in the frame's
    // client area, as its window does.
    EXPECT_EQ(second->Left(), 150);
    EXPECT_EQ(second->Top(), 120);
    RECT bounds;
    GetWindowRect(second->Handle(), &bounds);
    POINT corner{bounds.left, bounds.top};
    ScreenToClient(frame->ClientHandle(), &corner);
    EXPECT_EQ(corner.x, 150);
    EXPECT_EQ(corner.y, 120);

    first->SetWindowState(wsMinimized);
    ProcessMessages();
    EXPECT_TRUE(IsIconic(first->Handle()));
    EXPECT_EQ(ActivateChildByCaption(frame, "接待登记"), first);
    ProcessMessages();
    EXPECT_FALSE(IsIconic(first->Handle()));
    EXPECT_EQ(first->WindowState(), wsNormal);
    EXPECT_EQ(frame->MDIChildCount(), 2);
    EXPECT_EQ(ActivateChildByCaption(frame, "没有"), nullptr);

    // Closing a child with caFree frees it.
    second->SetOnClose([](TObject*, TCloseAction& action) { action = caFree; });
    second->Close();
    ProcessMessages();
    EXPECT_EQ(frame->MDIChildCount(), 1);
}

// Runs only under Xvfb (the platform_ui_xvfb test); skipped elsewhere.
TEST_F(MdiFormTest, RealWindowMdiFrameWithMenuAndTwoChildrenIsPhotographed) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X server";
    auto [frame, first, second] = MakeScene();
    for (int i = 0; i < 20; ++i) {
        ProcessMessages();
        QThread::msleep(20);
    }
    const AnsiString path = AnsiString(ScreenshotDir()) + "mdi_frame_xvfb.png";
    ASSERT_TRUE(SaveScreenScreenshot(path));
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(frame->MDIChildCount(), 2);
    EXPECT_TRUE(IsWindowVisible(first->Handle()) && IsWindowVisible(second->Handle()));
}
