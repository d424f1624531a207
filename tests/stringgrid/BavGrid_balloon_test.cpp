// The string grid's balloon tooltip: its window follows Balloon.Enable, and
// the text it is given for the cell under the mouse.
#include "grid_fixture.h"
#include "platform/rtl/clock.h"
#include "platform/rtl/datetime.h"
#include "platform/win/commctrl.h"
#include "platform/win/userinput.h"
#include "platform/win/winuser.h"
#include "tests/support/temp_dir.h"

namespace {

class BalloonTest : public StringGridTest {
protected:
    void SetUp() override {
        StringGridTest::SetUp();
        form->Show();
        ProcessMessages();
    }
    // The text the grid hands the balloon for the cell (col, row).
    AnsiString TextFor(int col, int row) {
        const TRect rect = grid->CellRect(col, row);
        POINT p = {rect.left + 5, rect.top + 5};
        ClientToScreen(grid->Handle(), &p);
        SetCursorPos(p.x, p.y);
        NMTTDISPINFO info;
        info.hdr.hwndFrom = grid->TooltipWindow();
        info.hdr.code = TTN_NEEDTEXT;
        SendMessage(grid->Handle(), WM_NOTIFY, 0, LPARAM(&info));
        return info.lpszText ? AnsiString(info.lpszText) : AnsiString();
    }
};

}  // namespace

TEST_F(BalloonTest, SwitchingItOffAndOnMakesTheWindowAgain) {
    EXPECT_EQ(grid->TooltipWindow(), 0u);
    grid->Balloon()->SetInitialDelay(700);
    grid->Balloon()->SetEnable(true);
    const HWND first = grid->TooltipWindow();
    ASSERT_TRUE(IsWindow(first));
    EXPECT_EQ(SendMessage(first, TTM_GETTOOLCOUNT, 0, 0), 1);
    grid->Balloon()->SetEnable(false);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(grid->TooltipWindow(), 0u);
    grid->Balloon()->SetInitialDelay(900);
    grid->Balloon()->SetEnable(true);
    ASSERT_TRUE(IsWindow(grid->TooltipWindow()));
    EXPECT_EQ(SendMessage(grid->TooltipWindow(), TTM_GETDELAYTIME, TTDT_INITIAL, 0), 900);
}

TEST_F(BalloonTest, LongTextsAreCut) {
    grid->Balloon()->SetEnable(true);
    grid->SetCells(1, 1, "\r\n\t" + AnsiString(2000, 'x'));
    const AnsiString text = TextFor(1, 1);
    EXPECT_EQ(text.size(), 1024u);
    EXPECT_EQ(text.substr(1021), "...");
    EXPECT_EQ(text[0], 'x');
    EXPECT_EQ(grid->BalloonCell().X, 1);

    char title[256];
    TTGETTITLE asked;
    asked.cch = sizeof title;
    asked.pszTitle = title;
    grid->SetOnCellBalloon([](TObject*, int, int, AnsiString& title, AnsiString&, int& icon) {
        title = AnsiString(120, 't');
        icon = 2;
    });
    TextFor(1, 1);
    SendMessage(grid->TooltipWindow(), TTM_GETTITLE, 0, LPARAM(&asked));
    EXPECT_EQ(AnsiString(title), AnsiString(97, 't') + "...");
    EXPECT_EQ(asked.uTitleBitmap, 2u);
    grid->SetOnCellBalloon(nullptr);

    grid->SetCells(2, 2, "<b>粗</b>\tplain");
    EXPECT_EQ(TextFor(2, 2), "粗 plain");
    grid->SetOnCellBalloon([](TObject*, int, int, AnsiString&, AnsiString& text, int&) {
        text = AnsiString(5000, 'y');
    });
    EXPECT_EQ(TextFor(2, 2).size(), 4095u) << "cut to the balloon's buffer";
}

TEST_F(BalloonTest, OnlyATransparencyMakesTheBalloonLayered) {
    grid->Balloon()->SetEnable(true);
    EXPECT_FALSE(GetWindowLongPtr(grid->TooltipWindow(), GWL_EXSTYLE) & WS_EX_LAYERED);
    grid->Balloon()->SetEnable(false);
    grid->Balloon()->SetTransparency(55);
    grid->Balloon()->SetEnable(true);
    EXPECT_TRUE(GetWindowLongPtr(grid->TooltipWindow(), GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST_F(BalloonTest, Screenshot) {
    const FrozenClockScope clock(EncodeDate(2026, 12, 10));
    grid->Balloon()->SetInitialDelay(100);
    grid->Balloon()->SetEnable(true);
    grid->SetCells(1, 1, "气泡提示的文字");
    grid->SetOnCellBalloon([](TObject*, int, int, AnsiString& title, AnsiString&, int& icon) {
        title = "单元格";
        icon = 1;
    });
    const TRect rect = grid->CellRect(1, 1);
    POINT p = {rect.left + 5, rect.top + 5};
    ClientToScreen(grid->Handle(), &p);
    SetCursorPos(p.x, p.y);
    SimulateMouseMove(grid->Handle(), {rect.left + 5, rect.top + 5});
    ProcessMessages();
    AdvanceClock(100);
    ProcessMessages();
    ASSERT_TRUE(IsWindowVisible(grid->TooltipWindow()));
    EXPECT_TRUE(SaveWindowScreenshot(grid->TooltipWindow(), ScreenshotDir() + "stringgrid_balloon.png"));
    SimulateMouseMove(grid->Handle(), {rect.right + 5, rect.bottom + 5});
    ProcessMessages();
    EXPECT_FALSE(IsWindowVisible(grid->TooltipWindow())) << "another cell withdraws it";
}

TEST_F(BalloonTest, TheDateEditorsChangeReachesOnDateTimeChange) {
    grid->SetCol(2);
    grid->SetRow(3);
    std::vector<int> seen;
    TDateTime when = 0;
    grid->SetOnDateTimeChange([&](TObject*, int col, int row, TDateTime value) {
        seen = {col, row};
        when = value;
    });
    NMDATETIMECHANGE change;
    change.nmhdr.code = DTN_DATETIMECHANGE;
    DateTimeToSystemTime(EncodeDate(2026, 12, 10), change.st);
    SendMessage(grid->Handle(), WM_NOTIFY, 0, LPARAM(&change));
    EXPECT_EQ(seen, (std::vector<int>{2, 3}));
    EXPECT_DOUBLE_EQ(when, EncodeDate(2026, 12, 10));
}
