// TColor: the class library's colour values: 0x00BBGGRR, system colours as
// 0xFF000000 + COLOR_* index, and the no-colour and default markers.
#pragma once

#include "platform/rtl/types.h"
#include "platform/win/userdraw.h"

using TColor = Integer;

constexpr TColor SystemColor(int index) { return TColor(0xFF000000u | unsigned(index)); }

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clLtGray = 0xC0C0C0,
                 clDkGray = 0x808080, clWhite = 0xFFFFFF, clMoneyGreen = 0xC0DCC0, clSkyBlue = 0xF0CAA6,
                 clCream = 0xF0FBFF, clMedGray = 0xA4A0A0;
// The libraries' "no colour" and "default colour" values.
constexpr TColor clNone = 0x1FFFFFFF, clDefault = 0x20000000;

constexpr TColor clScrollBar = SystemColor(COLOR_SCROLLBAR), clBackground = SystemColor(COLOR_BACKGROUND),
                 clActiveCaption = SystemColor(COLOR_ACTIVECAPTION),
                 clInactiveCaption = SystemColor(COLOR_INACTIVECAPTION), clMenu = SystemColor(COLOR_MENU),
                 clWindow = SystemColor(COLOR_WINDOW), clWindowFrame = SystemColor(COLOR_WINDOWFRAME),
                 clMenuText = SystemColor(COLOR_MENUTEXT), clWindowText = SystemColor(COLOR_WINDOWTEXT),
                 clCaptionText = SystemColor(COLOR_CAPTIONTEXT), clActiveBorder = SystemColor(COLOR_ACTIVEBORDER),
                 clInactiveBorder = SystemColor(COLOR_INACTIVEBORDER), clAppWorkSpace = SystemColor(COLOR_APPWORKSPACE),
                 clHighlight = SystemColor(COLOR_HIGHLIGHT), clHighlightText = SystemColor(COLOR_HIGHLIGHTTEXT),
                 clBtnFace = SystemColor(COLOR_BTNFACE), clBtnShadow = SystemColor(COLOR_BTNSHADOW),
                 clGrayText = SystemColor(COLOR_GRAYTEXT), clBtnText = SystemColor(COLOR_BTNTEXT),
                 clInactiveCaptionText = SystemColor(COLOR_INACTIVECAPTIONTEXT),
                 clBtnHighlight = SystemColor(COLOR_BTNHIGHLIGHT), cl3DDkShadow = SystemColor(COLOR_3DDKSHADOW),
                 cl3DLight = SystemColor(COLOR_3DLIGHT), clInfoText = SystemColor(COLOR_INFOTEXT),
                 clInfoBk = SystemColor(COLOR_INFOBK), clHotLight = SystemColor(COLOR_HOTLIGHT),
                 clGradientActiveCaption = SystemColor(COLOR_GRADIENTACTIVECAPTION),
                 clGradientInactiveCaption = SystemColor(COLOR_GRADIENTINACTIVECAPTION),
                 clMenuHighlight = SystemColor(COLOR_MENUHILIGHT), clMenuBar = SystemColor(COLOR_MENUBAR);

// The RGB value of a colour: system colours through GetSysColor, others as
// they are (palette-relative flags kept).
COLORREF ColorToRGB(TColor color);

// Colour names ("clRed", "clBtnFace") for form descriptions and the script.
bool ColorToIdent(TColor color, AnsiString& ident);
bool IdentToColor(const AnsiString& ident, TColor& color);
// "clRed", or "$00BBGGRR" for a colour without a name.
AnsiString ColorToString(TColor color);
// A name or a number (decimal or $hex); EConvertError otherwise.
TColor StringToColor(const AnsiString& text);
