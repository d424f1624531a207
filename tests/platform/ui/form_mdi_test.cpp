// MDI: a frame holds child forms, one per caption when the caller looks
// them up; WM_SYSCOMMAND/SC_RESTORE restores a minimised child; a
// screenshot of the frame with its menu and two children.
#include <QGuiApplication>
#include <QThread>

#include <vector>

#include "platform/rtl/fileutils.h"
#include "platform/ui/menus.h"
#include "platform/ui/stdctrls_edit.h"
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

namespace {

// A child that places itself in OnCreate, as the program's settings windows do.
class TPlacedChild : public TForm {
    SERVIORA_CLASS(TPlacedChild, TForm)
public:
    explicit TPlacedChild(TComponent* owner) : TForm(owner, 0) {
        SetFormStyle(fsMDIChild);
        SetPosition(poDefaultPosOnly);
        SetBounds(200, 150, 260, 160);
        SetOnCreate([this](TObject*) {
            SetTop(0);
            SetLeft(40);
        });
    }
};

// A window's top-left corner in its parent window's client coordinates.
POINT CornerInParent(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    POINT corner{r.left, r.top};
    ScreenToClient(GetParent(window), &corner);
    return corner;
}

}  // namespace

// Left and Top of a child are in its frame's client window, whether the
// client cascades it or it places itself; a frame away from the screen's
// corner shows any mix-up with screen coordinates.
TEST_F(MdiFormTest, AChildsPositionIsInTheClientWindowCascadedOrPlacedInOnCreate) {
    TForm* frame = nullptr;
    Application->CreateForm(frame);
    frame->SetFormStyle(fsMDIForm);
    frame->SetBounds(30, 60, 640, 480);
    frame->Show();
    ProcessMessages();

    TForm* cascaded[2];
    for (TForm*& child : cascaded) {
        child = TForm::Create(Application, 0);
        child->SetFormStyle(fsMDIChild);
        child->Show();
    }
    const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXSIZEFRAME);
    TPlacedChild* placed = TPlacedChild::Create(Application);
    ProcessMessages();

    struct Expected {
        TForm* child;
        POINT corner;
    };
    for (const auto& [child, corner] : {Expected{cascaded[0], {0, 0}}, Expected{cascaded[1], {step, step}},
                                        Expected{placed, {40, 0}}}) {
        SCOPED_TRACE(child == placed ? "placed" : "cascaded");
        ASSERT_EQ(GetParent(child->Handle()), frame->ClientHandle());
        const POINT shown = CornerInParent(child->Handle());
        EXPECT_EQ(shown.x, corner.x);
        EXPECT_EQ(shown.y, corner.y);
        EXPECT_EQ(child->Left(), corner.x);
        EXPECT_EQ(child->Top(), corner.y);
    }

    placed->SetTop(25);
    ProcessMessages();
    EXPECT_EQ(placed->Top(), 25);
    EXPECT_EQ(CornerInParent(placed->Handle()).y, 25);
}

TEST_F(MdiFormTest, SwitchingBetweenChildrenDeactivatesOneAndActivatesTheOther) {
    auto [frame, first, second] = MakeScene();
    std::vector<AnsiString> events;
    for (TForm* child : {first, second}) {
        child->SetOnActivate([&events, child](TObject*) { events.push_back(child->Caption() + "+"); });
        child->SetOnDeactivate([&events, child](TObject*) { events.push_back(child->Caption() + "-"); });
    }
    ActivateChildByCaption(frame, "接待登记");
    ActivateChildByCaption(frame, "交付登记");
    ActivateChildByCaption(frame, "交付登记");
    ActivateChildByCaption(frame, "接待登记");
    ProcessMessages();
    EXPECT_EQ(events, (std::vector<AnsiString>{"交付登记-", "接待登记+", "接待登记-", "交付登记+", "交付登记-",
                                               "接待登记+"}))
        << "each switch is heard once, the active child again hears nothing";
    for (TForm* child : {first, second}) {  // the children outlive `events`
        child->SetOnActivate({});
        child->SetOnDeactivate({});
    }
}

namespace {

// A child with two edits, the second first in tab order, as a reception
// window whose first field is not the first control created.
TForm* NewChildWithFields(const AnsiString& caption, TEdit*& first, TEdit*& second) {
    TForm* child = TForm::Create(Application, 0);
    child->SetCaption(caption);
    child->SetFormStyle(fsMDIChild);
    child->SetBounds(10, 10, 260, 160);
    second = TEdit::Create(child);
    second->SetParent(child);
    second->SetBounds(10, 50, 120, 21);
    first = TEdit::Create(child);
    first->SetParent(child);
    first->SetBounds(10, 10, 120, 21);
    first->SetTabOrder(0);
    child->Show();
    return child;
}

}  // namespace

// Text typed right after a child is opened from the menu lands in its first
// field; a child brought back gets the focus where it left it.
TEST_F(MdiFormTest, AnOpenedChildTakesTypingInItsFirstFieldAndGetsItsFocusBack) {
    auto [frame, other, unused] = MakeScene();
    TEdit* imei = nullptr;
    TEdit* model = nullptr;
    TForm* reception = nullptr;
    TMenuItem* open = TMenuItem::Create(frame);
    open->SetCaption("售后接待");
    open->SetOnClick([&](TObject*) { reception = NewChildWithFields("售后接待", imei, model); });
    frame->Menu()->Items()->Items(1)->Add(open);
    ASSERT_TRUE(frame->Menu()->DispatchCommand(open->Command()));
    ProcessMessages();
    ASSERT_NE(reception, nullptr);
    SimulateTyping("3569");
    ProcessMessages();
    EXPECT_EQ(imei->Text(), "3569");
    EXPECT_EQ(model->Text(), "");

    Key(VK_TAB);
    EXPECT_TRUE(model->Focused());
    ActivateChildByCaption(frame, other->Caption());
    ProcessMessages();
    EXPECT_EQ(frame->ActiveMDIChild(), other);
    EXPECT_FALSE(model->Focused());
    ActivateChildByCaption(frame, "售后接待");
    ProcessMessages();
    EXPECT_EQ(frame->ActiveMDIChild(), reception);
    EXPECT_TRUE(model->Focused());
    EXPECT_EQ(Screen->ActiveControl(), model);
}
