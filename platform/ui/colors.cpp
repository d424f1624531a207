// Colour conversion and names.
#include "platform/ui/colors.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <strings.h>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/sysutils.h"

namespace {

struct NamedColor {
    TColor color;
    const char* name;
};

const NamedColor names[] = {
    {clBlack, "clBlack"}, {clMaroon, "clMaroon"}, {clGreen, "clGreen"}, {clOlive, "clOlive"},
    {clNavy, "clNavy"}, {clPurple, "clPurple"}, {clTeal, "clTeal"}, {clGray, "clGray"},
    {clSilver, "clSilver"}, {clRed, "clRed"}, {clLime, "clLime"}, {clYellow, "clYellow"},
    {clBlue, "clBlue"}, {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"}, {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"}, {clSkyBlue, "clSkyBlue"}, {clCream, "clCream"}, {clMedGray, "clMedGray"},
    {clScrollBar, "clScrollBar"}, {clBackground, "clBackground"}, {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"}, {clMenu, "clMenu"}, {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"}, {clMenuText, "clMenuText"}, {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"}, {clActiveBorder, "clActiveBorder"}, {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"}, {clHighlight, "clHighlight"}, {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"}, {clBtnShadow, "clBtnShadow"}, {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"}, {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"}, {cl3DDkShadow, "cl3DDkShadow"}, {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"}, {clInfoBk, "clInfoBk"}, {clHotLight, "clHotLight"},
    {clGradientActiveCaption, "clGradientActiveCaption"}, {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clMenuHighlight, "clMenuHighlight"}, {clMenuBar, "clMenuBar"}, {clNone, "clNone"}, {clDefault, "clDefault"},
};

// Form descriptions write "Color = clBtnFace" and "Charset = GB2312_CHARSET".
const bool identsRegistered = [] {
    std::vector<TIdentMapEntry> colors;
    for (const NamedColor& n : names) colors.push_back({n.color, n.name});
    RegisterIntegerConsts("TColor", std::move(colors));
    RegisterIntegerConsts("TFontCharset", {{ANSI_CHARSET, "ANSI_CHARSET"},
                                           {DEFAULT_CHARSET, "DEFAULT_CHARSET"},
                                           {SYMBOL_CHARSET, "SYMBOL_CHARSET"},
                                           {GB2312_CHARSET, "GB2312_CHARSET"},
                                           {CHINESEBIG5_CHARSET, "CHINESEBIG5_CHARSET"},
                                           {OEM_CHARSET, "OEM_CHARSET"}});
    return true;
}();

}  // namespace

COLORREF ColorToRGB(TColor color) {
    if (color < 0) return GetSysColor(color & 0xFF);
    return COLORREF(color);
}

bool ColorToIdent(TColor color, AnsiString& ident) {
    for (const NamedColor& n : names)
        if (n.color == color) {
            ident = n.name;
            return true;
        }
    return false;
}

bool IdentToColor(const AnsiString& ident, TColor& color) {
    for (const NamedColor& n : names)
        if (strcasecmp(n.name, ident.c_str()) == 0) {
            color = n.color;
            return true;
        }
    return false;
}

AnsiString ColorToString(TColor color) {
    AnsiString ident;
    if (ColorToIdent(color, ident)) return ident;
    char text[16];
    std::snprintf(text, sizeof text, "$%.8X", unsigned(color));
    return text;
}

TColor StringToColor(const AnsiString& text) {
    TColor color;
    if (IdentToColor(text, color)) return color;
    // "$FF000005" names a system colour: hexadecimal may use all 32 bits.
    if (!text.empty() && text[0] == '$' && text.size() > 1) {
        char* end = nullptr;
        unsigned long value = std::strtoul(text.c_str() + 1, &end, 16);
        if (*end == 0 && value <= 0xFFFFFFFFul) return TColor(std::uint32_t(value));
    }
    return TColor(StrToInt(text));
}
