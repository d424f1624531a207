// Finding in the string grid: the cell finder's options over one grid, and
// the incremental goto with its expiry on the grid's timer.
#include <gtest/gtest.h>

#include "grid_fixture.h"
#include "platform/rtl/clock.h"
#include "platform/rtl/datetime.h"
#include "platform/win/testseams.h"

namespace {

class FindTest : public StringGridTest {
protected:
    void SetUp() override {
        StringGridTest::SetUp();
        grid->SetBounds(0, 0, 400, 300);
        grid->SetColCount(3);
        grid->SetRowCount(5);
        //          col 1       col 2
        const char* cells[][2] = {{"apple", "Pear"}, {"pineapple", "apple"}, {"<b>Plum</b>", ""}, {"Apple", "fig"}};
        for (int r = 1; r < 5; ++r)
            for (int c = 1; c < 3; ++c) grid->SetCells(c, r, cells[r - 1][c - 1]);
    }
};

TEST_F(FindTest, TheOptionsChooseTheCell) {
    struct Case {
        const char* text;
        TGridFindOptions options;
        TGridCoord start;
        TGridCoord found;
    };
    const Case cases[] = {
        {"apple", {}, {-1, -1}, {1, 1}},
        {"APPLE", {gfMatchCase}, {-1, -1}, {-1, -1}},
        {"Apple", {gfMatchCase}, {-1, -1}, {1, 4}},
        {"apple", {}, {1, 1}, {1, 2}},
        {"apple", {gfMatchStart}, {1, 1}, {1, 4}},
        {"apple", {gfMatchFull}, {1, 1}, {1, 4}},
        {"apple", {gfRowWise}, {1, 1}, {1, 2}},
        {"apple", {gfRowWise, gfMatchStart}, {1, 1}, {2, 2}},
        {"apple", {gfBackward}, {-1, -1}, {2, 2}},
        {"plum", {gfMatchFull}, {-1, -1}, {-1, -1}},
        {"plum", {gfMatchFull, gfIgnoreHTMLTags}, {-1, -1}, {1, 3}},
        {"\"\"", {}, {-1, -1}, {2, 3}},
        {"fig", {gfCurrentColumnOnly}, {-1, -1}, {-1, -1}},
        {"apple", {gfGivenColumnOnly}, {-1, -1}, {2, 2}},
        {"apple", {}, {2, 4}, {-1, -1}},
        {"", {}, {-1, -1}, {-1, -1}},
        {"pi*", {gfMatchCondition}, {-1, -1}, {1, 2}},
        {"*AR", {gfMatchCondition}, {-1, -1}, {2, 1}},
        {"*AR", {gfMatchCondition, gfMatchCase}, {-1, -1}, {-1, -1}},
    };
    grid->SetGivenColumn(2);
    for (const Case& c : cases) {
        TGridCoord found{};
        grid->FindCell(c.start, c.text, found, c.options);
        EXPECT_EQ(found.X, c.found.X) << c.text << " from " << c.start.X << "," << c.start.Y;
        EXPECT_EQ(found.Y, c.found.Y) << c.text << " from " << c.start.X << "," << c.start.Y;
    }
    TGridCoord found{};
    grid->FindCell({-1, -1}, "fig", found, {gfGotoFound});
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 4);
    // The wide finder compares the wide texts, folding their case alike.
    grid->FindCell({-1, -1}, "", found, {}, true, u"FIG");
    EXPECT_EQ(found.X, 2);
    EXPECT_EQ(found.Y, 4);
    grid->FindCell({-1, -1}, "", found, {gfMatchCase}, true, u"FIG");
    EXPECT_EQ(found.X, -1);
}

// With disjunct row selection a found row is selected, and the current cell
// stays where it is.
TEST_F(FindTest, AFoundRowIsSelectedUnderDisjunctRowSelection) {
    grid->MouseActions()->SetDisjunctRowSelect(true);
    grid->SetRowSelect(1, true);
    TGridCoord found{};
    grid->FindCell({-1, -1}, "fig", found, {gfGotoFound});
    EXPECT_TRUE(grid->GetRowSelect(4));
    EXPECT_FALSE(grid->GetRowSelect(1));
    EXPECT_EQ(grid->Row(), 1);
}

// The grid's timer ticks every 500 ms, one message per tick.
void Wait(Cardinal ms) {
    for (Cardinal waited = 0; waited < ms; waited += 500) {
        AdvanceClock(500);
        ProcessMessages();
    }
}

TEST_F(FindTest, TypingGoesToTheRowAndTheTextExpires) {
    FrozenClockScope clock(EncodeDate(2026, 12, 11));
    form->Show();
    grid->SetFocus();
    ProcessMessages();
    grid->Navigation()->SetAutoGotoWhenSorted(true);
    Key('P', "p");
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->GotoText(), "P");
    Key('A', "a");
    EXPECT_EQ(grid->GotoText(), "A") << "without AutoGotoIncremental each key stands alone";
    EXPECT_EQ(grid->Row(), 1);
    Wait(2000);
    EXPECT_EQ(grid->GotoText(), "A") << "only the incremental text expires";
    grid->Navigation()->SetAutoGotoIncremental(true);
    Wait(2000);
    EXPECT_EQ(grid->GotoText(), "");
    Key('P', "p");
    Key('L', "l");
    EXPECT_EQ(grid->GotoText(), "PL");
    EXPECT_EQ(grid->Row(), 3) << "the tags are no part of the text";
    Wait(1500);
    EXPECT_EQ(grid->GotoText(), "PL");
    Wait(500);
    EXPECT_EQ(grid->GotoText(), "") << "gone after two seconds";
    Key('P', "p");
    ASSERT_EQ(grid->GotoText(), "P");
    grid->Clear();
    EXPECT_EQ(grid->GotoText(), "") << "clearing the grid forgets it";
}

}  // namespace
