// The styled controls' colour model: lightness arithmetic on the 0..240
// hue/saturation/lightness scale, colour mixing, and the desktop colour
// scheme with the two process-wide values it rests on (full colour and the
// scheme row).
#pragma once

#include "platform/rtl/types.h"
#include "platform/ui/colors.h"
#include "styled/VxTypes.h"

struct THsl {
    Byte h, s, l;
    bool operator==(const THsl&) const = default;
};

THsl RgbToHsl(TColor color);
// H is read on a 0..239 scale: 239 and 240 both land in the last sextant.
TColor HslToRgb(Byte h, Byte s, Byte l);

TColor ShadeDarker(TColor color, Byte amount);
// Lightness may go up to 255 (past the 240 scale), so large amounts end in
// white.
TColor ShadeLighter(TColor color, Byte amount);
// Negative adjustments darken, positive ones lighten; 0 returns `color`
// untouched, unresolved.
TColor ShadeBy(TColor color, int adjustment);
// Alpha 255 is all `fore`, 0 all `back`; computed in single precision.
TColor MixColors(TColor fore, TColor back, Byte alpha);
bool ColorsAlike(TColor a, TColor b);

struct TSelectionColors {
    TColor frame, start, stop;
};
struct TBarColors {
    TColor start, stop;
};
struct TShadowColors {
    TColor dark, light, line;
};

// gcsMSOffice follows the desktop's colour scheme while visual styles are
// on; everything else derives from the system colours.
TSelectionColors SchemeSelectionColors(TVxGradientColorStyle style);
TBarColors SchemeBarColors(TVxGradientColorStyle style);
TColor SchemeAccentColor(TVxGradientColorStyle style);
TShadowColors SchemeShadowColors(TVxGradientColorStyle style);
// The themed group box's text colour; clBtnFace without visual styles.
TColor ThemePartColor();

// 0 blue (also when nothing is set), 1 "HOMESTEAD", 2 "METALLIC".
int ReadXPColorScheme();
bool DisplayHasFullColor();

// The values fixed at start-up. The scheme is read again when the desktop
// theme changes; tests set both to try each scheme row.
bool FullColor();
void SetFullColor(bool fullColor);
int ColorScheme();
void RereadColorScheme();

// Whether themed drawing applies. The platform has no visual styles; tests
// switch them on to reach the scheme colours.
bool VisualStylesEnabled();
void SetVisualStylesEnabled(bool enabled);
