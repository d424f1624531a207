// The colour model and the desktop colour scheme.
#include <gtest/gtest.h>

#include "platform/rtl/registry.h"
#include "styled/VxColors.h"
#include "support/temp_dir.h"

namespace {

TEST(Hsl, FromRgb) {
    struct Case {
        TColor color;
        THsl hsl;
    };
    const Case cases[] = {
        {clRed, {0, 240, 120}},       {clBlack, {0, 0, 0}},     {clWhite, {0, 0, 240}},
        {clGray, {0, 0, 120}},        {clSilver, {0, 0, 181}},  {clLime, {80, 240, 120}},
        {clBlue, {160, 240, 120}},    {clNavy, {160, 240, 60}}, {RGB(255, 0, 1), {240, 240, 120}},
    };
    for (const Case& c : cases) EXPECT_EQ(RgbToHsl(c.color), c.hsl) << std::hex << c.color;
}

TEST(Hsl, SystemColoursAreResolvedFirst) { EXPECT_EQ(RgbToHsl(clBtnFace), RgbToHsl(ColorToRGB(clBtnFace))); }

TEST(Hsl, ToRgb) {
    struct Case {
        Byte h, s, l;
        TColor color;
    };
    const Case cases[] = {
        {0, 240, 120, clRed},
        {0, 0, 0, clBlack},
        {0, 0, 240, clWhite},
        {80, 240, 120, RGB(0, 255, 2)},  // H is read out of 239
        {239, 240, 120, clRed},          // 239 and 240 take the last branch
        {240, 240, 120, RGB(255, 6, 0)},
        {239, 240, 60, RGB(128, 0, 0)},
        {0, 0, 255, clWhite},  // past the scale: channels clip
    };
    for (const Case& c : cases)
        EXPECT_EQ(HslToRgb(c.h, c.s, c.l), c.color) << int(c.h) << " " << int(c.s) << " " << int(c.l);
}

TEST(Shades, LightnessArithmetic) {
    for (TColor color : {clRed, clNavy, clBlack, clBtnFace, TColor(RGB(12, 200, 99))}) {
        EXPECT_EQ(ShadeLighter(color, 255), clWhite);
        EXPECT_EQ(ShadeDarker(color, 255), clBlack);
    }
    EXPECT_EQ(ShadeDarker(clWhite, 120), clGray);
    EXPECT_EQ(ShadeLighter(clBlack, 120), clGray);
    EXPECT_EQ(ShadeBy(clBtnShadow, 0), clBtnShadow);  // not resolved
    EXPECT_EQ(ShadeBy(clWhite, -120), clGray);
    EXPECT_EQ(ShadeBy(clBlack, 120), clGray);
    EXPECT_EQ(ShadeBy(clBlack, 30), ShadeLighter(clBlack, 30));
}

TEST(Shades, MixAndLikeness) {
    EXPECT_EQ(MixColors(clWhite, clBlack, 255), clWhite);
    EXPECT_EQ(MixColors(clWhite, clBlack, 0), clBlack);
    EXPECT_EQ(MixColors(clWhite, clBlack, 77), RGB(77, 77, 77));
    EXPECT_EQ(MixColors(RGB(200, 0, 100), RGB(0, 200, 100), 128), RGB(100, 100, 100));
    EXPECT_TRUE(ColorsAlike(clRed, RGB(200, 0, 0)));
    EXPECT_FALSE(ColorsAlike(clRed, clLime));
    EXPECT_FALSE(ColorsAlike(clBlack, clWhite));
}

class Scheme : public testing::Test {
protected:
    void SetUp() override { SetRegistryFileName(dir_.file("registry.dat")); }
    void TearDown() override {
        SetVisualStylesEnabled(false);
        SetFullColor(true);
        SetRegistryFileName("");
        RereadColorScheme();
    }
    void UseScheme(const char* name) {
        TRegIniFile("\\Software\\Microsoft\\Windows\\CurrentVersion").WriteString("ThemeManager", "ColorName", name);
        RereadColorScheme();
    }
    TempDir dir_;
};

TEST_F(Scheme, RowsFollowTheDesktopSchemeWhileStylesAreOn) {
    struct Case {
        const char* name;
        int row;
        TColor frame, barStart, barStop, accent;
    };
    const Case cases[] = {
        {"", 0, RGB(0, 0, 128), RGB(227, 239, 255), RGB(153, 187, 234), RGB(87, 127, 191)},
        {"NormalColor", 0, RGB(0, 0, 128), RGB(227, 239, 255), RGB(153, 187, 234), RGB(87, 127, 191)},
        {"HomeStead", 1, RGB(63, 93, 56), RGB(255, 255, 237), RGB(184, 199, 146), RGB(127, 161, 119)},
        {"Metallic", 2, RGB(75, 75, 111), RGB(249, 249, 255), RGB(189, 188, 208), RGB(159, 159, 177)},
    };
    SetVisualStylesEnabled(true);
    SetFullColor(true);
    for (const Case& c : cases) {
        UseScheme(c.name);
        EXPECT_EQ(ColorScheme(), c.row) << c.name;
        const TSelectionColors selection = SchemeSelectionColors(gcsMSOffice);
        EXPECT_EQ(selection.frame, c.frame) << c.name;
        EXPECT_EQ(selection.start, RGB(255, 238, 194));
        EXPECT_EQ(selection.stop, RGB(255, 217, 160));
        EXPECT_EQ(SchemeBarColors(gcsMSOffice).start, c.barStart) << c.name;
        EXPECT_EQ(SchemeBarColors(gcsMSOffice).stop, c.barStop) << c.name;
        EXPECT_EQ(SchemeAccentColor(gcsMSOffice), c.accent) << c.name;
        const TShadowColors shadow = SchemeShadowColors(gcsMSOffice);
        EXPECT_EQ(shadow.dark, c.barStop);
        EXPECT_EQ(shadow.light, c.barStart);
        EXPECT_EQ(shadow.line, c.barStop);
    }
}

TEST_F(Scheme, SystemColoursServeOtherStylesAndClassicDrawing) {
    UseScheme("Metallic");
    for (bool styles : {false, true}) {
        SetVisualStylesEnabled(styles);
        for (TVxGradientColorStyle style : {gcsSystem, gcsMSOffice}) {
            if (styles && style == gcsMSOffice) continue;
            const TSelectionColors selection = SchemeSelectionColors(style);
            EXPECT_EQ(selection.frame, clHighlight);
            EXPECT_EQ(selection.stop, MixColors(clHighlight, clWindow, 77));
            EXPECT_EQ(selection.start, ShadeLighter(selection.stop, 20));
            EXPECT_EQ(SchemeBarColors(style).start, clWindow);
            EXPECT_EQ(SchemeBarColors(style).stop, ShadeDarker(clBtnFace, 10));
            EXPECT_EQ(SchemeAccentColor(style), ShadeLighter(clBtnShadow, 30));
            EXPECT_EQ(SchemeShadowColors(style).line, ShadeDarker(clBtnFace, 40));
        }
    }
}

TEST_F(Scheme, WithoutFullColourTheSelectionStartsAtItsStop) {
    SetFullColor(false);
    for (bool styles : {false, true}) {
        SetVisualStylesEnabled(styles);
        const TSelectionColors selection = SchemeSelectionColors(gcsMSOffice);
        EXPECT_EQ(selection.start, selection.stop);
    }
}

TEST(Display, TheScreenHasNoPaletteAndNoVisualStyles) {
    EXPECT_TRUE(DisplayHasFullColor());
    EXPECT_FALSE(VisualStylesEnabled());
    EXPECT_EQ(ThemePartColor(), clBtnFace);
}

}  // namespace
