// The About window from the main menu: shown modally with its stored
// picture, and closed by a click on the name or on the window itself.
#include <gtest/gtest.h>

#include "app/guanyufrm.h"
#include "login_fixture.h"
#include "platform/ui/testseams.h"

namespace {

TEST_F(LoginTest, AboutShowsModallyAndAClickOnTheNameOrTheWindowClosesIt) {
    StartWithLogin([this] { LogIn("0001", ""); });
    // Created after the main window, as the program does.
    Application->SetMainForm(main_.get());
    Application->CreateForm(guanyu);
    const std::unique_ptr<Tguanyu> about(guanyu);
    ASSERT_NE(guanyu, nullptr);
    EXPECT_EQ(about->Caption(), "关于本系统");
    EXPECT_EQ(about->ClientWidth(), 462);
    EXPECT_EQ(about->ClientHeight(), 188);
    EXPECT_EQ(about->Image1->Picture()->Width(), 121);
    EXPECT_EQ(about->Image1->Picture()->Height(), 185);

    const POINT onTheName{about->Label1->Left() + about->Label1->Width() / 2,
                          about->Label1->Top() + about->Label1->Height() / 2};
    const POINT besideThePicture{about->Image1->Left() + about->Image1->Width() + 3, about->ClientHeight() / 2};
    const std::pair<HWND, POINT> clicks[] = {{about->GroupBox1->Handle(), onTheName},
                                             {about->Handle(), besideThePicture}};
    for (const auto& [window, point] : clicks) {
        bool shownModally = false, closedByTheClick = false;
        RunWhenShown([] { return static_cast<TCustomForm*>(guanyu); }, [&, window = window, point = point] {
            shownModally = guanyu->FormState().Contains(fsModal);
            EXPECT_TRUE(SimulateClick(window, point));
            ProcessMessages();
            closedByTheClick = guanyu->ModalResult() == mrCancel;
            guanyu->SetModalResult(mrCancel);  // so a failing click cannot leave the test waiting
        });
        main_->N28->Click();  // returns once the window has closed
        EXPECT_TRUE(shownModally);
        EXPECT_TRUE(closedByTheClick);
        EXPECT_FALSE(about->Visible());
    }
}

}  // namespace
