// Visual styles: no theme while they are off; switched on, themes by class
// name and the parts they draw, their text and their text colour.
#include <gtest/gtest.h>

#include "platform/ui/graphic.h"
#include "platform/ui/uxtheme.h"

namespace {

class Theme : public testing::Test {
protected:
    void SetUp() override {
        SetThemeActive(TRUE);
        bitmap_.SetWidth(40);
        bitmap_.SetHeight(30);
        dc_ = bitmap_.Canvas()->Handle();
        const RECT all{0, 0, 40, 30};
        FillRect(dc_, &all, HBRUSH(GetStockObject(WHITE_BRUSH)));
    }
    void TearDown() override { SetThemeActive(FALSE); }
    COLORREF Pixel(int x, int y) { return GetPixel(dc_, x, y); }

    TBitmap bitmap_;
    HDC dc_ = 0;
};

TEST(ThemeOff, NoThemeWhileVisualStylesAreOff) {
    EXPECT_FALSE(IsThemeActive());
    EXPECT_FALSE(IsAppThemed());
    EXPECT_EQ(OpenThemeData(0, u"BUTTON"), HTHEME(0));
}

TEST_F(Theme, AThemeIsTheFirstKnownClassOfTheList) {
    EXPECT_TRUE(IsThemeActive() && IsAppThemed());
    const HTHEME button = OpenThemeData(0, u"Button");
    EXPECT_NE(button, HTHEME(0));
    EXPECT_EQ(OpenThemeData(0, u"Nothing;button"), button);
    EXPECT_NE(OpenThemeData(0, u"TOOLBAR"), button);
    EXPECT_EQ(OpenThemeData(0, u"Nothing"), HTHEME(0));
    EXPECT_EQ(CloseThemeData(button), S_OK);
    const RECT r{0, 0, 10, 10};
    EXPECT_NE(DrawThemeBackground(0, dc_, 0, 0, &r, nullptr), S_OK);
}

TEST_F(Theme, TheGroupBoxFrameHasCutCornersAndItsTextItsOwnColour) {
    const HTHEME button = OpenThemeData(0, u"BUTTON");
    const RECT frame{2, 2, 30, 20};
    ASSERT_EQ(DrawThemeBackground(button, dc_, BP_GROUPBOX, GBS_NORMAL, &frame, nullptr), S_OK);
    const COLORREF line = Pixel(10, 2);
    EXPECT_NE(line, RGB(255, 255, 255));
    EXPECT_EQ(Pixel(2, 10), line);
    EXPECT_EQ(Pixel(29, 19 - 1), line);
    EXPECT_EQ(Pixel(2, 2), RGB(255, 255, 255)) << "the corner is cut";
    EXPECT_EQ(Pixel(15, 10), RGB(255, 255, 255)) << "the inside stays";

    COLORREF normal = 0, disabled = 0;
    ASSERT_EQ(GetThemeColor(button, BP_GROUPBOX, GBS_NORMAL, TMT_TEXTCOLOR, &normal), S_OK);
    ASSERT_EQ(GetThemeColor(button, BP_GROUPBOX, GBS_DISABLED, TMT_TEXTCOLOR, &disabled), S_OK);
    EXPECT_NE(normal, disabled);
    EXPECT_NE(GetThemeColor(button, BP_GROUPBOX, GBS_NORMAL, 1, &normal), S_OK);

    const RECT text{0, 0, 40, 30};
    ASSERT_EQ(DrawThemeText(button, dc_, BP_GROUPBOX, GBS_NORMAL, u"分组", -1, DT_LEFT | DT_TOP, 0, &text), S_OK);
    bool inked = false;
    for (int y = 0; y < 30 && !inked; ++y)
        for (int x = 0; x < 40 && !inked; ++x) inked = Pixel(x, y) == normal;
    EXPECT_TRUE(inked);
}

TEST_F(Theme, PartsDrawOnlyInsideTheClip) {
    const HTHEME rebar = OpenThemeData(0, u"REBAR");
    const RECT all{0, 0, 40, 30}, clip{0, 0, 20, 30};
    ASSERT_EQ(DrawThemeBackground(rebar, dc_, 0, 0, &all, &clip), S_OK);
    EXPECT_NE(Pixel(10, 15), RGB(255, 255, 255));
    EXPECT_EQ(Pixel(30, 15), RGB(255, 255, 255));
    EXPECT_NE(Pixel(10, 0), Pixel(10, 29)) << "a ramp from top to bottom";
}

TEST_F(Theme, TheComboButtonsArrowIsDarkAtItsCentre) {
    const HTHEME combo = OpenThemeData(0, u"COMBOBOX");
    const RECT button{0, 0, 16, 20};
    ASSERT_EQ(DrawThemeBackground(combo, dc_, CP_DROPDOWNBUTTON, CBXS_NORMAL, &button, nullptr), S_OK);
    const COLORREF arrow = Pixel(8, 10);
    EXPECT_LT(GetRValue(arrow) + GetGValue(arrow) + GetBValue(arrow), 3 * 160);
    EXPECT_NE(Pixel(2, 3), arrow);
}

TEST_F(Theme, ToolbarSeparatorsAreAShadowAndALightLine) {
    const HTHEME toolbar = OpenThemeData(0, u"TOOLBAR");
    const RECT upright{0, 0, 8, 25}, lying{10, 0, 35, 8};
    ASSERT_EQ(DrawThemeBackground(toolbar, dc_, TP_SEPARATOR, TS_NORMAL, &upright, nullptr), S_OK);
    ASSERT_EQ(DrawThemeBackground(toolbar, dc_, TP_SEPARATORVERT, TS_NORMAL, &lying, nullptr), S_OK);
    EXPECT_NE(Pixel(3, 12), RGB(255, 255, 255));
    EXPECT_EQ(Pixel(4, 12), RGB(255, 255, 255));
    EXPECT_NE(Pixel(20, 3), RGB(255, 255, 255));
    EXPECT_EQ(Pixel(20, 5), RGB(255, 255, 255));
}

}  // namespace
