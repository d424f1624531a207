// The grid's looks: the settings that change how cells are painted, the
// numbered colour styles and the colours of the visual style's scheme.
#include <string>

#include "stringgrid/BavFooter.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/themes/BavXPVS.h"

void TBavStringGrid::SetAutoThemeAdapt(bool v) {
    autoThemeAdapt_ = v;
    if (v) ApplyThemeColorScheme();
    RepaintUnlocked();
}

void TBavStringGrid::SetFixedGradientFrom(TColor v) {
    fixedGradientFrom_ = v;
    RepaintUnlocked();
}

void TBavStringGrid::SetFixedGradientTo(TColor v) {
    fixedGradientTo_ = v;
    RepaintUnlocked();
}

void TBavStringGrid::SetFloatingFooter(TFloatingFooter* v) { floatingFooter_->Assign(v); }

namespace {

struct ColourStyle {
    int number;
    TColor fixedFrom, fixedTo;
    bool lookNone;  // the look's gradient: none, or the fixed one
    TColor activeFrom, activeTo;
    TColor gridLine, selection;  // clNone: unchanged
};

const TColor kBlueFrom = TColor(0x94E6FB), kBlueTo = TColor(0x1595EE);
const TColor kGridLine = TColor(0xE5D7D0);

}  // namespace

void TBavStringGrid::SetComponentStyle(int style) {
    const ColourStyle styles[] = {
        {0, TColor(0xFCE1CB), TColor(0xE0A57D), false, kBlueFrom, kBlueTo, clNone, clNone},
        {1, TColor(0xECE2E1), TColor(0xB39698), false, kBlueFrom, kBlueTo, clNone, clNone},
        {2, TColor(0xCFF0EA), TColor(0x8CC0B1), false, kBlueFrom, kBlueTo, clNone, clNone},
        {3, clWhite, TColor(0xCCD4D8), true, TColor(0xD8D5D4), TColor(0xD8D5D4), clNone, clNone},
        {4, TColor(0xFBF9F6), TColor(0xE8DBD2), false, TColor(0x9DD8F9), TColor(0x5EC1F1), kGridLine,
         TColor(0x5EC1F1)},
        {5, TColor(0xF7F7F7), TColor(0xDEDEDE), false, TColor(0x9DD8F9), TColor(0x5EC1F1), kGridLine,
         TColor(0x5EC1F1)},
        {6, clBtnFace, clBtnFace, true, clBtnFace, clBtnFace, clNone, clHighlight},
        {7, clWhite, clBtnFace, true, kBlueFrom, kBlueTo, clNone, clHighlight},
        {9, TColor(0xF3F3F1), TColor(0xCAC9C8), false, TColor(0x99CCFF), TColor(0x699CFF), kGridLine,
         TColor(0x95C7F5)},
    };
    for (const ColourStyle& s : styles) {
        if (s.number != style) continue;
        controlLook_->SetFixedGradientFrom(s.lookNone ? clNone : s.fixedFrom);
        controlLook_->SetFixedGradientTo(s.lookNone ? clNone : s.fixedTo);
        fixedGradientFrom_ = s.fixedFrom;
        fixedGradientTo_ = s.fixedTo;
        activeCellColor_ = s.activeFrom;
        activeCellColorTo_ = s.activeTo;
        if (s.gridLine != clNone) SetGridLineColor(s.gridLine);
        if (s.selection != clNone) selectionColor_ = s.selection;
    }
    Invalidate();
}

int TBavStringGrid::DetectXPColorScheme() const {
    if (!xpvs::ThemesActive()) return 0;
    WCHAR file[255] = {}, color[255] = {}, size[255] = {};
    xpvs::Theme().GetCurrentThemeName(file, 255, color, 255, size, 255);
    const std::u16string scheme = color;
    if (scheme == u"NormalColor") return 1;
    if (scheme == u"HomeStead") return 2;
    if (scheme == u"Metallic") return 3;
    return 0;
}

void TBavStringGrid::ApplyXPSchemeColors(int scheme) {
    switch (scheme) {
    case 1:
    case 2:
    case 3: {
        const TColor from[] = {TColor(0xFCE1CB), TColor(0xCFF0EA), TColor(0xECE2E1)};
        const TColor to[] = {TColor(0xE0A57D), TColor(0x8CC0B1), TColor(0xB39698)};
        controlLook_->SetFixedGradientFrom(from[scheme - 1]);
        controlLook_->SetFixedGradientTo(to[scheme - 1]);
        activeCellColor_ = kBlueFrom;
        activeCellColorTo_ = kBlueTo;
        break;
    }
    default:
        controlLook_->SetFixedGradientFrom(clNone);
        controlLook_->SetFixedGradientTo(clNone);
        fixedGradientFrom_ = clWhite;
        fixedGradientTo_ = TColor(ColorToRGB(clBtnFace));
        activeCellColor_ = clWhite;
        activeCellColorTo_ = TColor(0xFFD9B3);
        break;
    }
    RepaintUnlocked();
}

void TBavStringGrid::ApplyThemeColorScheme() { ApplyXPSchemeColors(DetectXPColorScheme()); }
