// The program's skin: the main window's skin component carries the
// project's package, the login and main windows are skinned with its face
// colour, and switching the skin off gives them back.
#include <gtest/gtest.h>

#include <fstream>

#include "app/login.h"
#include "app/jiedaifrm.h"
#include "login_fixture.h"
#include "workflow_fixture.h"
#include "platform/gdi/imagecodecs.h"
#include "platform/rtl/clock.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/testseams.h"
#include "platform/win/msgqueue.h"
#include "platform/win/testseams.h"
#include "skin/SkinManage.h"
#include "skin/WinSkinForm.h"
#include "skin/WinSkinMenu.h"
#include "skin/WinSubClassEdit.h"
#include "support/temp_dir.h"

namespace {

constexpr TColor kSkinFace = TColor(0xF4F4F4);  // 244, 244, 244

bool Skinned(TWinControl* window) { return SendMessage(window->Handle(), WM_SKINQUERY, 0, 0) == 1; }

TEST_F(LoginTest, TheLoginAndMainWindowsWearTheSkinUntilItIsSwitchedOff) {
    StartWithLogin([] {
        EXPECT_TRUE(Skinned(loginform));
        EXPECT_EQ(loginform->Color(), kSkinFace);
        Click(loginform->button1);
    });
    ASSERT_TRUE(main_->Visible());
    ASSERT_NE(main_->SkinData1, nullptr);
    EXPECT_FALSE(main_->SkinData1->NoSkin());
    EXPECT_EQ(main_->SkinData1->SkinName(), "Serviora");
    EXPECT_TRUE(Skinned(main_.get()));
    EXPECT_EQ(main_->Color(), kSkinFace);

    // A message box wears the skin as it shows.
    bool boxSkinned = false;
    TColor boxColour = clNone;
    Application->SetOnIdle([&](TObject*, bool& done) {
        done = false;
        const HWND box = GetActiveWindow();
        auto* form = dynamic_cast<TCustomForm*>(FindControl(box));
        if (!form || box == main_->Handle() || ClassNameOf(box) != "#32770") return;
        boxSkinned = SendMessage(box, WM_SKINQUERY, 0, 0) == 1;
        boxColour = form->Color();
        form->SetModalResult(IDOK);
    });
    EXPECT_EQ(MessageBox(main_->Handle(), "皮肤", "提示", MB_OK), IDOK);
    Application->SetOnIdle(nullptr);
    EXPECT_TRUE(boxSkinned);
    EXPECT_EQ(boxColour, kSkinFace);

    main_->SkinData1->SetActive(false);
    ProcessMessages();
    EXPECT_TRUE(Skinned(main_.get())) << "unskinning waits for the manager's timer";
    for (int i = 0; i < 50 && Skinned(main_.get()); ++i) {
        Sleep(20);
        ProcessMessages();
    }
    EXPECT_FALSE(Skinned(main_.get()));
    EXPECT_FALSE(Skinned(loginform));
    EXPECT_NE(main_->Color(), kSkinFace);

    // Switched on again, for the windows of the tests after this one.
    main_->SkinData1->SetActive(true);
    for (int i = 0; i < 50 && !Skinned(main_.get()); ++i) {
        Sleep(20);
        ProcessMessages();
    }
    EXPECT_TRUE(Skinned(main_.get()));
}

template <class Painter>
bool PaintedBy(TWinControl* form, TWinControl* control) {
    TWinSkinForm* skin = SkinManager()->FindForm(form->Handle());
    return skin && dynamic_cast<Painter*>(skin->FindPainter(control->Handle()));
}

TEST_F(LoginTest, TheLoginWindowsEditsAndComboWearTheSkinAndTheMainWindowShowsMaximised) {
    StartWithLogin([] {
        // The controls are skinned from the manager's timer after the window shows.
        for (int i = 0; i < 100 && !PaintedBy<TSkinEdit>(loginform, loginform->edtpassword); ++i) {
            Sleep(20);
            ProcessMessages();
        }
        EXPECT_TRUE(PaintedBy<TSkinComBox>(loginform, loginform->cbusername));
        EXPECT_TRUE(PaintedBy<TSkinEdit>(loginform, loginform->edtpassword));
        ProcessMessages();
        EXPECT_TRUE(SaveWindowScreenshot(loginform->Handle(), ScreenshotDir() + "skin-login.png"));
        Click(loginform->button1);
    });
    ASSERT_TRUE(main_->Visible());
    ProcessMessages();
    EXPECT_EQ(main_->WindowState(), wsMaximized);
    EXPECT_TRUE(SaveWindowScreenshot(main_->Handle(), ScreenshotDir() + "skin-main.png"));
}

// The window's pixels with the open menu's over them where it shows.
void SaveWithMenu(HWND window, HWND menu, const std::string& path) {
    const HBITMAP picture = CaptureWindow(window), menuPicture = CaptureWindow(menu);
    ASSERT_TRUE(picture && menuPicture);
    RECT outer, inner;
    GetWindowRect(window, &outer);
    GetWindowRect(menu, &inner);
    const HDC target = CreateCompatibleDC(0), source = CreateCompatibleDC(0);
    const HGDIOBJ oldTarget = SelectObject(target, picture), oldSource = SelectObject(source, menuPicture);
    BitBlt(target, inner.left - outer.left, inner.top - outer.top, inner.right - inner.left, inner.bottom - inner.top,
           source, 0, 0, SRCCOPY);
    SelectObject(target, oldTarget);
    SelectObject(source, oldSource);
    DeleteDC(target);
    DeleteDC(source);
    std::ofstream(path, std::ios::binary) << EncodePng(picture);
    DeleteObject(picture);
    DeleteObject(menuPicture);
}

TEST_F(LoginTest, TheMainWindowsMenuBarDropsDownASkinnedMenu) {
    StartWithLogin([] { Click(loginform->button1); });
    ASSERT_TRUE(main_->Visible());
    ProcessMessages();
    TWinSkinForm* skin = SkinManager()->FindForm(main_->Handle());
    ASSERT_TRUE(skin && skin->MenuBar && !skin->MenuBar->Buttons.empty());
    // Once the drop-down shows its second item selected, the screen is saved
    // and the menu closed.
    HWND menu = 0;
    int selected = 0;
    bool saved = false, skinned = false;
    const int creation = AddCreationObserver([&menu](const WindowCreation& created) {
        if (!menu && ClassNameOf(created.window) == "#32768") menu = created.window;
    });
    const int filter = AddMessageFilter([&](int code, MSG& msg) {
        if (code != MSGF_MENU || saved) return false;
        if (msg.message == WM_MENUSELECT && HIWORD(msg.wParam) != 0xFFFF && LOWORD(msg.wParam) != 0) {
            ++selected;
        } else if (selected == 2 && menu && IsWindowVisible(menu) && msg.message == WM_KEYUP && msg.wParam == VK_SHIFT) {
            saved = true;
            DispatchQueuedMessages();
            skinned = SkinManager()->IsPopupMenuSkinned(menu);
            SaveWithMenu(main_->Handle(), menu, ScreenshotDir() + "skin-menus.png");
            SimulateKey(VK_ESCAPE, true);
            SimulateKey(VK_ESCAPE, false);
        }
        return false;
    });
    for (int key : {VK_DOWN, VK_DOWN, VK_SHIFT}) {  // the shift: one more message once the item is selected
        SimulateKey(key, true);
        SimulateKey(key, false);
    }
    skin->DropDown(skin->MenuBar->Buttons[1].get());
    for (int i = 0; i < 5; ++i) DispatchQueuedMessages();
    RemoveObserver(filter);
    RemoveObserver(creation);
    EXPECT_TRUE(saved);
    EXPECT_TRUE(skinned);
}

using SkinnedWorkflowTest = WorkflowWindowTest;

TEST_F(SkinnedWorkflowTest, AMaximizedReceptionShowsItsButtonsAtTheRightOfTheSkinnedMenuBar) {
    main_->N10->Click();
    Tjiedai* reception = OnlyChild<Tjiedai>();
    ASSERT_NE(reception, nullptr);
    ProcessMessages();
    reception->SetWindowState(wsMaximized);
    ProcessMessages();
    ASSERT_TRUE(IsZoomed(reception->Handle()));
    TWinSkinForm* frame = SkinManager()->FindForm(main_->Handle());
    ASSERT_TRUE(frame && frame->MenuBar);
    SendMessage(main_->Handle(), WM_NCACTIVATE, TRUE, 0);
    EXPECT_TRUE(SkinManager()->MaximizedMDIChild);
    RECT window;
    GetWindowRect(main_->Handle(), &window);
    int childButtons = 0;
    for (const auto& button : frame->CaptionButtons) {
        if (button->Element->Visibility != 100 || !button->Visible) continue;
        EXPECT_GT(button->Rect.left, (window.right - window.left) * 3 / 4);
        EXPECT_GE(button->Rect.top, frame->MenuBar->BarRect.top);
        ++childButtons;
    }
    EXPECT_EQ(childButtons, 3);
    EXPECT_TRUE(SaveWindowScreenshot(main_->Handle(), ScreenshotDir() + "skin-reception.png"));
    reception->SetWindowState(wsNormal);
}

}  // namespace
