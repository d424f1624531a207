// TUpDown beside an edit: placed inside the edit's right edge, clicks on
// its halves stepping the edit's number by Increment within Min and Max
// (wrapping when asked) and the edit's arrow keys doing the same,
// OnChanging refusing a step, OnClick telling which button, and the number
// typed into the edit read back.
#include "platform/ui/comctrls_updown.h"
#include "platform/ui/stdctrls_edit.h"
#include "platform/win/testseams.h"
#include "tests/platform/ui/control_fixture.h"
#include "tests/support/temp_dir.h"

using UpDownTest = ControlTest;

namespace {

void ClickHalf(TUpDown* upDown, bool upper) {
    const POINT at{upDown->Width() / 2, upper ? 3 : upDown->Height() - 3};
    ASSERT_TRUE(SimulateClick(upDown->Handle(), at));
    ProcessMessages();
}

}  // namespace

TEST_F(UpDownTest, ItStepsItsEditsNumberWithinItsRange) {
    TForm* form = NewForm(200, 80);
    auto* edit = Place<TEdit>(form, 10, 10, 60, 21);
    auto* upDown = Place<TUpDown>(form, 100, 10, 15, 21);
    upDown->SetMin(1);
    upDown->SetMax(100);
    upDown->SetPosition(99);
    upDown->SetAssociate(edit);
    std::vector<TUDBtnType> clicks;
    upDown->SetOnClick(TUDClickEvent([&](TObject*, TUDBtnType button) { clicks.push_back(button); }));
    form->Show();
    ProcessMessages();
    EXPECT_EQ(edit->Text(), "99");
    EXPECT_EQ(upDown->Left(), 10 + 60 - 15) << "inside the edit's right edge";
    EXPECT_EQ(edit->Width(), 60 - 15);

    ClickHalf(upDown, true);
    ClickHalf(upDown, true);
    EXPECT_EQ(edit->Text(), "100") << "held at Max";
    ClickHalf(upDown, false);
    EXPECT_EQ(upDown->Position(), 99);
    EXPECT_EQ(clicks, (std::vector<TUDBtnType>{btNext, btPrev}));

    edit->SetText("7");
    upDown->SetIncrement(5);
    ClickHalf(upDown, false);
    EXPECT_EQ(edit->Text(), "2") << "from the typed number, by Increment";
    ClickHalf(upDown, false);
    EXPECT_EQ(edit->Text(), "1");
    upDown->SetWrap(true);
    ClickHalf(upDown, false);
    EXPECT_EQ(edit->Text(), "100") << "wrapped past Min";

    edit->SetFocus();
    Key(VK_DOWN);
    EXPECT_EQ(edit->Text(), "95") << "the edit's Down key steps too";
    Key(VK_UP);
    EXPECT_EQ(upDown->Position(), 100);

    upDown->SetOnChanging(TUDChangingEvent([](TObject*, bool& allow) { allow = false; }));
    ClickHalf(upDown, false);
    EXPECT_EQ(upDown->Position(), 100) << "refused";
    EXPECT_TRUE(SaveWindowScreenshot(form->Handle(), ScreenshotDir() + "updown.png"));
}

TEST_F(UpDownTest, LargeNumbersAreGroupedUnlessThousandsIsOff) {
    TForm* form = NewForm(200, 80);
    auto* edit = Place<TEdit>(form, 10, 10, 80, 21);
    auto* upDown = Place<TUpDown>(form, 100, 10, 15, 21);
    upDown->SetMax(5000);
    upDown->SetPosition(1234);
    upDown->SetAssociate(edit);
    form->Show();
    ProcessMessages();
    EXPECT_EQ(edit->Text(), "1,234");
    ClickHalf(upDown, true);
    EXPECT_EQ(edit->Text(), "1,235") << "the grouped text reads back";
    upDown->SetThousands(false);
    ProcessMessages();
    EXPECT_EQ(edit->Text(), "1235");
}
