// Colour arithmetic and the desktop colour scheme of the styled controls.
#include "styled/VxColors.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/rtl/registry.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/themes.h"
#include "platform/ui/uxtheme.h"
#include "platform/win/winpaint.h"

namespace {

Byte ChannelByte(double channel) { return Byte(Round(std::min(channel, 1.0) * 255)); }

// The scheme rows: selection frame, selection start and stop, bar start
// and stop, accent.
constexpr TColor kSchemeColors[3][6] = {
    {RGB(0, 0, 128), RGB(255, 238, 194), RGB(255, 217, 160), RGB(227, 239, 255), RGB(153, 187, 234),
     RGB(87, 127, 191)},
    {RGB(63, 93, 56), RGB(255, 238, 194), RGB(255, 217, 160), RGB(255, 255, 237), RGB(184, 199, 146),
     RGB(127, 161, 119)},
    {RGB(75, 75, 111), RGB(255, 238, 194), RGB(255, 217, 160), RGB(249, 249, 255), RGB(189, 188, 208),
     RGB(159, 159, 177)},
};

bool SchemeApplies(TVxGradientColorStyle style) { return style == gcsMSOffice && VisualStylesEnabled(); }
TColor SchemeColor(int column) { return kSchemeColors[ColorScheme()][column]; }

bool& FullColorFlag() {
    static bool fullColor = DisplayHasFullColor();
    return fullColor;
}
int& SchemeRow() {
    static int scheme = ReadXPColorScheme();
    return scheme;
}

}  // namespace

THsl RgbToHsl(TColor color) {
    const COLORREF rgb = ColorToRGB(color);
    const double r = GetRValue(rgb) / 255.0, g = GetGValue(rgb) / 255.0, b = GetBValue(rgb) / 255.0;
    const double max = std::max({r, g, b}), min = std::min({r, g, b});
    const double l = (max + min) / 2;
    double h = 0, s = 0;
    if (max != min) {
        const double d = max - min;
        s = l < 0.5 ? d / (max + min) : d / (2 - max - min);
        if (r == max)
            h = (g - b) / d;
        else if (g == max)
            h = 2 + (b - r) / d;
        else
            h = 4 + (r - g) / d;
        h /= 6;
        if (h < 0) h += 1;
    }
    return {Byte(Round(h * 240)), Byte(Round(s * 240)), Byte(Round(l * 240))};
}

TColor HslToRgb(Byte hue, Byte saturation, Byte lightness) {
    const double h = hue / 239.0, s = saturation / 240.0, l = lightness / 240.0;
    const double v = l < 0.5 ? l * (1 + s) : l + s - l * s;
    if (v <= 0) return clBlack;
    const double m = 2 * l - v;
    const double sv = (v - m) / v;
    const int sextant = int(6 * h);
    const double t = v * sv * (6 * h - sextant);
    const double up = m + t, down = v - t;
    double r, g, b;
    switch (sextant) {
    case 1: r = down, g = v, b = m; break;
    case 2: r = m, g = v, b = up; break;
    case 3: r = m, g = down, b = v; break;
    case 4: r = up, g = m, b = v; break;
    case 5: r = v, g = m, b = down; break;
    default: r = v, g = up, b = m; break;
    }
    return RGB(ChannelByte(r), ChannelByte(g), ChannelByte(b));
}

TColor ShadeDarker(TColor color, Byte amount) {
    const THsl hsl = RgbToHsl(color);
    return HslToRgb(hsl.h, hsl.s, Byte(std::max(hsl.l - amount, 0)));
}

TColor ShadeLighter(TColor color, Byte amount) {
    const THsl hsl = RgbToHsl(color);
    return HslToRgb(hsl.h, hsl.s, Byte(std::min(hsl.l + amount, 255)));
}

TColor ShadeBy(TColor color, int adjustment) {
    const Byte amount = Byte(std::abs(adjustment));
    if (adjustment < 0) return ShadeDarker(color, amount);
    if (adjustment > 0) return ShadeLighter(color, amount);
    return color;
}

TColor MixColors(TColor fore, TColor back, Byte alpha) {
    const COLORREF f = ColorToRGB(fore), b = ColorToRGB(back);
    const float a = alpha / 255.0f;
    auto mix = [a](BYTE x, BYTE y) { return BYTE(Round(float(x * a + y * (1 - a)))); };
    return RGB(mix(GetRValue(f), GetRValue(b)), mix(GetGValue(f), GetGValue(b)), mix(GetBValue(f), GetBValue(b)));
}

bool ColorsAlike(TColor a, TColor b) {
    const THsl x = RgbToHsl(a), y = RgbToHsl(b);
    return std::abs(x.h - y.h) < 20 && std::abs(x.l - y.l) < 60;
}

TSelectionColors SchemeSelectionColors(TVxGradientColorStyle style) {
    TSelectionColors colors;
    if (SchemeApplies(style)) {
        colors = {SchemeColor(0), SchemeColor(1), SchemeColor(2)};
    } else {
        colors.frame = clHighlight;
        colors.stop = MixColors(clHighlight, clWindow, 77);
        colors.start = ShadeLighter(colors.stop, 20);
    }
    if (!FullColor()) colors.start = colors.stop;
    return colors;
}

TBarColors SchemeBarColors(TVxGradientColorStyle style) {
    if (SchemeApplies(style)) return {SchemeColor(3), SchemeColor(4)};
    return {clWindow, ShadeDarker(clBtnFace, 10)};
}

TColor SchemeAccentColor(TVxGradientColorStyle style) {
    return SchemeApplies(style) ? SchemeColor(5) : ShadeLighter(clBtnShadow, 30);
}

TShadowColors SchemeShadowColors(TVxGradientColorStyle style) {
    if (SchemeApplies(style)) return {SchemeColor(4), SchemeColor(3), SchemeColor(4)};
    return {ShadeDarker(clBtnFace, 20), clWindow, ShadeDarker(clBtnFace, 40)};
}

TColor ThemePartColor() {
    const HTHEME theme = OpenThemeData(0, u"BUTTON");
    COLORREF color = 0;
    const bool found = theme && GetThemeColor(theme, BP_GROUPBOX, GBS_NORMAL, TMT_TEXTCOLOR, &color) == S_OK;
    if (theme) CloseThemeData(theme);
    return found ? TColor(color) : clBtnFace;
}

int ReadXPColorScheme() {
    TRegIniFile registry("\\Software\\Microsoft\\Windows\\CurrentVersion", KEY_READ);
    const AnsiString name = UpperCase(registry.ReadString("ThemeManager", "ColorName", ""));
    if (name == "HOMESTEAD") return 1;
    if (name == "METALLIC") return 2;
    return 0;
}

bool DisplayHasFullColor() {
    const HDC screen = GetDC(0);
    const bool fullColor = GetDeviceCaps(screen, NUMCOLORS) == -1;
    ReleaseDC(0, screen);
    return fullColor;
}

bool FullColor() { return FullColorFlag(); }
void SetFullColor(bool fullColor) { FullColorFlag() = fullColor; }
int ColorScheme() { return SchemeRow(); }
void RereadColorScheme() { SchemeRow() = ReadXPColorScheme(); }
bool VisualStylesEnabled() { return ThemeServices()->ThemesEnabled(); }
void SetVisualStylesEnabled(bool enabled) { SetThemeActive(enabled ? TRUE : FALSE); }
