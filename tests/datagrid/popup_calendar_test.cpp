// The pop-up month calendar: which clicks and keys close it, accepting or
// not, and the wheel.
#include "datagrid/ToolCtrlsVynCalendar.h"
#include "platform/rtl/datetime.h"
#include "platform/win/commctrl.h"
#include "tests/datagrid/grid_fixture.h"
#include "tests/platform/ui/control_fixture.h"

namespace {

class TDateEdit : public TEdit, public IDropDownHostVyn {
    SERVIORA_CLASS(TDateEdit, TEdit)
public:
    using TEdit::TEdit;
    std::vector<bool> closes;
    void CloseDropDown(bool accept) override { closes.push_back(accept); }
};

// The first client point of the calendar where it hit-tests as `code`.
POINT PointOf(TPopupMonthCalendarVyn* calendar, UINT code) {
    for (int y = 0; y < calendar->ClientHeight(); y += 2)
        for (int x = 0; x < calendar->ClientWidth(); x += 2) {
            MCHITTESTINFO hit;
            hit.pt = POINT{x, y};
            if (SendMessage(calendar->Handle(), MCM_HITTEST, 0, LPARAM(&hit)) == LRESULT(code)) return hit.pt;
        }
    ADD_FAILURE() << "no point of hit code " << code;
    return POINT{0, 0};
}

}  // namespace

class PopupCalendarTest : public FormControlTest {
protected:
    void SetUp() override {
        FormControlTest::SetUp();
        host = Place<TDateEdit>(form, 10, 10, 100, 24);
        calendar = TPopupMonthCalendarVyn::Create(host);
        calendar->SetParent(form);
        calendar->SetDate(EncodeDate(2024, 3, 7));
        ShowDropDownAt(calendar, form->ClientToScreen(TPoint{10, 36}));
        ProcessMessages();
    }
    void Click(POINT p) {
        SimulateClick(calendar->Handle(), p);
        ProcessMessages();
    }
    TDateEdit* host = nullptr;
    TPopupMonthCalendarVyn* calendar = nullptr;
};

TEST_F(PopupCalendarTest, ADayAcceptsTheMonthButtonsDoNot) {
    RECT minimum;
    SendMessage(calendar->Handle(), MCM_GETMINREQRECT, 0, LPARAM(&minimum));
    EXPECT_EQ(calendar->Width(), minimum.right - minimum.left + 4);
    calendar->SetBounds(calendar->Left(), calendar->Top(), 500, 400);
    EXPECT_EQ(calendar->Height(), minimum.bottom - minimum.top + 4);
    Click(PointOf(calendar, MCHT_TITLEBTNNEXT));
    EXPECT_TRUE(host->closes.empty());
    Click(PointOf(calendar, MCHT_CALENDARDAY));
    EXPECT_TRUE(host->closes.empty());
    Click(PointOf(calendar, MCHT_CALENDARDATE));
    EXPECT_EQ(host->closes, std::vector<bool>{true});
    Word year = 0, month = 0, day = 0;
    DecodeDate(calendar->Date(), year, month, day);
    EXPECT_EQ(month, 4);
}

TEST_F(PopupCalendarTest, EnterAcceptsEscapeAndFocusLossDoNot) {
    // The key reaches the calendar's special-key question and its key-down
    // handling; editors take the second request as a no-op.
    calendar->Perform(WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(host->closes, (std::vector<bool>{true, true}));
    calendar->Perform(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(host->closes.back(), false);
    calendar->SetFocus();
    ProcessMessages();
    ASSERT_TRUE(calendar->Focused());
    host->closes.clear();
    host->SetFocus();
    EXPECT_TRUE(host->closes.empty());  // posted, handled later
    ProcessMessages();
    EXPECT_EQ(host->closes, (std::vector<bool>{false}));
}

TEST_F(PopupCalendarTest, TheWheelMovesTheDateByADay) {
    calendar->SetFocus();
    ProcessMessages();
    SimulateWheel(calendar->Handle(), POINT{20, 60}, -120);
    ProcessMessages();
    EXPECT_EQ(calendar->Date(), EncodeDate(2024, 3, 8));
    SimulateWheel(calendar->Handle(), POINT{20, 60}, 120);
    SimulateWheel(calendar->Handle(), POINT{20, 60}, 120);
    ProcessMessages();
    EXPECT_EQ(calendar->Date(), EncodeDate(2024, 3, 6));
}
