// Visual styles: no theme while they are off; switched on, themes by class
// name and the parts they draw, their text and their text colour.
#include <gtest/gtest.h>

#include "platform/ui/graphic.h"
#include "platform/ui/uxtheme.h"
#include "platform/win/screens.h"

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
    WCHAR scheme[16] = {};
    EXPECT_EQ(GetCurrentThemeName(nullptr, 0, scheme, 16, nullptr, 0), E_FAIL);
}

TEST(ThemeLibrary, IsFoundByNameWithItsFunctions) {
    const HMODULE library = LoadLibrary("UXTHEME.DLL");
    ASSERT_NE(library, 0u);
    EXPECT_EQ(GetProcAddress(library, "OpenThemeData"), reinterpret_cast<FARPROC>(&OpenThemeData));
    EXPECT_EQ(GetProcAddress(library, "GetCurrentThemeName"), reinterpret_cast<FARPROC>(&GetCurrentThemeName));
    EXPECT_EQ(GetProcAddress(library, "IsThemeActive"), reinterpret_cast<FARPROC>(&IsThemeActive));
    EXPECT_EQ(GetProcAddress(library, "GetThemePartSize"), nullptr);
    EXPECT_FALSE(IsThemeActive()) << "loading the library leaves visual styles off";
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

TEST_F(Theme, TheColourSchemeNameIsCutToItsBuffer) {
    WCHAR file[64] = {}, scheme[64] = {}, size[5] = {};
    ASSERT_EQ(GetCurrentThemeName(file, 64, scheme, 64, size, 5), S_OK);
    EXPECT_EQ(std::u16string(scheme), u"NormalColor");
    EXPECT_EQ(std::u16string(size), u"Norm");
}

TEST_F(Theme, CheckBoxesAndRadioButtonsShowTheirMarkOnlyWhenChecked) {
    const HTHEME button = OpenThemeData(0, u"button");
    const RECT box{0, 0, 15, 15}, radio{20, 0, 36, 16};
    struct Case { int part; int state; RECT rect; bool marked; };
    for (const Case& c : {Case{BP_CHECKBOX, CBS_UNCHECKEDNORMAL, box, false}, Case{BP_CHECKBOX, CBS_CHECKEDNORMAL, box, true},
                          Case{BP_CHECKBOX, CBS_CHECKEDDISABLED, box, true},
                          Case{BP_RADIOBUTTON, CBS_UNCHECKEDNORMAL, radio, false},
                          Case{BP_RADIOBUTTON, CBS_CHECKEDNORMAL, radio, true}}) {
        SetUp();
        ASSERT_EQ(DrawThemeBackground(button, dc_, c.part, c.state, &c.rect, nullptr), S_OK);
        const int cx = (c.rect.left + c.rect.right) / 2, cy = c.part == BP_CHECKBOX ? c.rect.bottom - 4 : 8;
        EXPECT_EQ(Pixel(cx, cy) != RGB(255, 255, 255), c.marked) << c.part << "/" << c.state;
        EXPECT_NE(Pixel(cx, c.rect.top), RGB(255, 255, 255)) << "outlined";
    }
    COLORREF text = 0;
    ASSERT_EQ(GetThemeColor(button, BP_CHECKBOX, CBS_CHECKEDDISABLED, TMT_TEXTCOLOR, &text), S_OK);
    COLORREF normal = 0;
    ASSERT_EQ(GetThemeColor(button, BP_CHECKBOX, CBS_UNCHECKEDHOT, TMT_TEXTCOLOR, &normal), S_OK);
    EXPECT_NE(text, normal) << "only states 4 and 8 are disabled";
}

TEST_F(Theme, HeaderItemsMarkTheHotOneAndProgressChunksFill) {
    const HTHEME header = OpenThemeData(0, u"header"), progress = OpenThemeData(0, u"Progress");
    const RECT normal{0, 0, 20, 12}, hot{20, 0, 40, 12}, bar{0, 14, 40, 30}, chunk{2, 16, 20, 28};
    ASSERT_EQ(DrawThemeBackground(header, dc_, HP_HEADERITEM, HIS_NORMAL, &normal, nullptr), S_OK);
    ASSERT_EQ(DrawThemeBackground(header, dc_, HP_HEADERITEM, HIS_HOT, &hot, nullptr), S_OK);
    EXPECT_NE(Pixel(5, 5), RGB(255, 255, 255));
    EXPECT_NE(Pixel(5, 11), Pixel(25, 11)) << "the hot item's foot differs";
    EXPECT_EQ(Pixel(5, 7), Pixel(25, 7));
    ASSERT_EQ(DrawThemeBackground(progress, dc_, PP_BAR, 0, &bar, nullptr), S_OK);
    ASSERT_EQ(DrawThemeBackground(progress, dc_, PP_CHUNK, 1, &chunk, nullptr), S_OK);
    const COLORREF filled = Pixel(10, 22);
    EXPECT_GT(GetGValue(filled), GetRValue(filled));
    EXPECT_EQ(Pixel(30, 22), RGB(255, 255, 255)) << "the bar beyond the chunk stays empty";
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
