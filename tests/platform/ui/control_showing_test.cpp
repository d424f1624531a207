// Windows of nested controls follow their parents' showing state.
#include "platform/ui/extctrls.h"
#include "tests/platform/ui/control_fixture.h"

TEST_F(ControlTest, APanelMadeVisibleInsideAHiddenFormShowsWithTheForm) {
    TForm* form = NewForm(320, 200);
    TPanel* outer = TPanel::Create(form);
    outer->SetParent(form);
    TPanel* inner = TPanel::Create(form);
    inner->SetParent(outer);
    inner->SetVisible(false);
    outer->HandleNeeded();
    inner->HandleNeeded();
    inner->SetVisible(true);
    EXPECT_FALSE(IsWindowVisible(inner->Handle()));
    form->Show();
    ProcessMessages();
    EXPECT_TRUE(IsWindowVisible(inner->Handle()));
    form->Hide();
    EXPECT_FALSE(IsWindowVisible(inner->Handle()));
}
