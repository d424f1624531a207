// The program's skin: the main window's skin component carries the
// project's package, the login and main windows are skinned with its face
// colour, and switching the skin off gives them back.
#include <gtest/gtest.h>

#include "app/login.h"
#include "login_fixture.h"
#include "platform/rtl/clock.h"
#include "platform/ui/testseams.h"
#include "platform/win/msgqueue.h"
#include "platform/win/testseams.h"
#include "skin/SkinManage.h"
#include "skin/WinSkinForm.h"
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

}  // namespace
