// The spin editor: values with their fallbacks and limits, stepping per
// spin type, the character rules, the arrows' repeat timing, and the spin
// editor of a grid cell.
#include "stringgrid/editors/bqgspin.h"

#include <gtest/gtest.h>

#include "platform/rtl/clock.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/formatsettings.h"
#include "platform/ui/control_fixture.h"
#include "platform/win/testseams.h"
#include "stringgrid/editors/GridEditors.h"
#include "tests/stringgrid/grid_fixture.h"

namespace {

class SpinTest : public FormControlTest {
protected:
    void SetUp() override {
        FormControlTest::SetUp();
        spin = Place<TBqgSpinEdit>(form, 10, 10, 120, 24);
        ProcessMessages();
    }
    TBqgSpinEdit* spin = nullptr;
};

TEST_F(SpinTest, IntegerStepsAreClampedOnlyBetweenDifferentLimits) {
    spin->SetIncrement(30);
    spin->SetValue(90);
    spin->UpClick();
    EXPECT_EQ(spin->Value(), 100);
    spin->SetMaxValue(0);
    spin->UpClick();
    spin->UpClick();
    EXPECT_EQ(spin->Value(), 160) << "equal limits limit nothing";
    spin->SetText("abc");
    spin->SetMinValue(-5);
    EXPECT_EQ(spin->Value(), -5);
    spin->SetSpinType(sptFloat);
    spin->SetText("xyz");
    EXPECT_EQ(spin->FloatValue(), -5.0) << "a float text that is none reads as the integer minimum";
}

TEST_F(SpinTest, TimeStepsWrapAtMidnightInTheCaretsField) {
    spin->SetSpinType(sptTime);
    spin->SetTimeValue(0);
    spin->SetSelStart(0);
    spin->DownClick();
    EXPECT_EQ(spin->Text(), TimeToStr(23.0 / 24));
    spin->SetSelStart(int(spin->Text().size()));
    spin->UpClick();
    EXPECT_EQ(spin->Text(), TimeToStr(23.0 / 24 + 1.0 / 86400));
}

TEST_F(SpinTest, DateStepsTheFieldUnderTheCaret) {
    spin->SetSpinType(sptDate);
    const TDateTime start = EncodeDate(2026, 1, 31);
    spin->SetDateValue(start);
    const AnsiString text = spin->Text();
    const std::size_t first = text.find(DateSeparator), second = text.find(DateSeparator, first + 1);
    const struct {
        std::size_t caret;
        TDateTime expected;
    } cases[] = {{0, EncodeDate(2027, 1, 31)}, {first + 1, EncodeDate(2026, 2, 28)}, {second + 1, start + 1}};
    const AnsiString format = UpperCase(ShortDateFormat);
    ASSERT_LT(format.find('Y'), format.find('M')) << "the cases follow a year-first short date";
    for (const auto& c : cases) {
        spin->SetDateValue(start);
        spin->SetSelStart(int(c.caret));
        spin->UpClick();
        EXPECT_EQ(spin->DateValue(), c.expected) << c.caret;
    }
    spin->SetText("");
    EXPECT_NEAR(spin->DateValue(), Now(), 1.0 / 86400) << "an empty text reads as now";
}

TEST_F(SpinTest, CharactersFollowTheSpinType) {
    spin->SetText("12");
    spin->SetSelStart(2);
    EXPECT_TRUE(spin->IsValidChar('3'));
    EXPECT_FALSE(spin->IsValidChar('a'));
    EXPECT_FALSE(spin->IsValidChar('-')) << "a minus only at the start";
    spin->SetSelStart(0);
    EXPECT_TRUE(spin->IsValidChar('-'));
    spin->SetSpinType(sptFloat);
    spin->SetPrecision(2);
    spin->SetText(AnsiString("1") + DecimalSeparator + "25");
    spin->SetSelStart(4);
    EXPECT_FALSE(spin->IsValidChar('7')) << "no third decimal";
    spin->SetSelStart(3);
    spin->SetSelLength(1);
    EXPECT_TRUE(spin->IsValidChar('7')) << "a selected decimal may be replaced";
    spin->SetEditorEnabled(false);
    EXPECT_FALSE(spin->IsValidChar('7'));
    EXPECT_FALSE(spin->IsValidChar('\b'));
}

TEST_F(SpinTest, AHeldArrowRepeatsAfter400AndThenEvery100Milliseconds) {
    FrozenClockScope clock(EncodeDate(2026, 12, 11));
    spin->SetValue(0);
    TBavTimerSpeedButton* up = spin->Button()->UpButton();
    const TRect r = up->BoundsRect();
    const POINT p{spin->Button()->Left() + (r.left + r.right) / 2, spin->Button()->Top() + (r.top + r.bottom) / 2};
    SimulateMouseButton(spin->Handle(), p, VK_LBUTTON, true);
    ProcessMessages();
    AdvanceClock(399);
    ProcessMessages();
    EXPECT_EQ(spin->Value(), 0);
    AdvanceClock(1);
    ProcessMessages();
    EXPECT_EQ(spin->Value(), 1);
    AdvanceClock(100);
    ProcessMessages();
    EXPECT_EQ(spin->Value(), 2);
    SimulateMouseButton(spin->Handle(), p, VK_LBUTTON, false);
    ProcessMessages();
    EXPECT_EQ(spin->Value(), 3) << "the release clicks once more";
    AdvanceClock(500);
    ProcessMessages();
    EXPECT_EQ(spin->Value(), 3);
}

class GridSpinTest : public EditingGridTest {
protected:
    void SetUp() override {
        EditingGridTest::SetUp();
        EditAs(edSpinEdit);
    }
};

TEST_F(GridSpinTest, TheCellsSpinStepsReportsAndReadsBack) {
    grid->SetCells(1, 1, "42 pcs");
    std::vector<std::pair<int, bool>> steps;
    grid->SetOnSpinClick([&](TObject*, int, int, int value, bool up) { steps.emplace_back(value, up); });
    Key(VK_F2);
    TGridSpin* spin = grid->Editors()->Spin();
    ASSERT_TRUE(spin->Visible());
    EXPECT_EQ(spin->Value(), 42) << "the leading digits of the text";
    Key(VK_UP);
    Key(VK_UP);
    Key(VK_DOWN);
    EXPECT_EQ(steps, (std::vector<std::pair<int, bool>>{{43, true}, {44, true}, {43, false}}));
    Key(VK_HOME);
    EXPECT_EQ(spin->Value(), 100);
    Key(VK_RETURN);
    EXPECT_FALSE(spin->Visible());
    EXPECT_EQ(grid->Cells(1, 1), "100");
}

TEST_F(GridSpinTest, EscPutsTheStartTextBack) {
    grid->SetCells(1, 1, "7");
    Key(VK_F2);
    Key(VK_UP);
    Key(VK_ESCAPE);
    EXPECT_EQ(grid->Cells(1, 1), "7");
    EXPECT_FALSE(grid->Editors()->Spin()->Visible());
}

}  // namespace
