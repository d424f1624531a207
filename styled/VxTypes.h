// The vocabulary the styled controls share: frame styles, sides, ramp
// shapes, colour and visual styles.
#pragma once

#include "platform/rtl/set.h"
#include "platform/rtl/typinfo.h"

SERVIORA_ENUM(TFrameStyleEx, fsNone, fsFlat, fsGroove, fsBump, fsLowered, fsButtonDown, fsRaised, fsButtonUp,
              fsStatus, fsPopup, fsFlatBold, fsFlatRounded)
// The styles up to fsFlatBold, which properties named FrameStyle take; a
// rounded frame given here draws as the flat one. Stored forms name only
// these styles.
class TFrameStyle {
public:
    constexpr TFrameStyle(TFrameStyleEx style = fsNone) : style_(style > fsFlatBold ? fsFlat : style) {}
    constexpr explicit TFrameStyle(Int64 ordinal) : TFrameStyle(TFrameStyleEx(ordinal)) {}
    constexpr operator TFrameStyleEx() const { return style_; }

private:
    TFrameStyleEx style_;
};
template <>
struct TTypeInfoOf<TFrameStyle> {
    static constexpr TTypeKind kind = tkEnumeration;
    static PTypeInfo Get() {
        static const PTypeInfo info = MakeEnumTypeInfo(
            "TFrameStyle", "fsNone, fsFlat, fsGroove, fsBump, fsLowered, fsButtonDown, fsRaised, fsButtonUp, "
                           "fsStatus, fsPopup, fsFlatBold");
        return info;
    }
};
SERVIORA_ENUM(TSide, sdLeft, sdTop, sdRight, sdBottom)
using TSides = TSet<TSide>;
inline constexpr TSides AllSides{sdLeft, sdTop, sdRight, sdBottom};
SERVIORA_ENUM(TGradientDirection, gdDiagonalUp, gdDiagonalDown, gdHorizontalEnd, gdHorizontalCenter,
              gdHorizontalBox, gdVerticalEnd, gdVerticalCenter, gdVerticalBox, gdSquareBox, gdBigSquareBox)
SERVIORA_ENUM(TVxGradientColorStyle, gcsSystem, gcsMSOffice, gcsCustom)
SERVIORA_ENUM(TVxVisualStyle, vsClassic, vsWinXP, vsGradient)
SERVIORA_ENUM(TOrientation, orHorizontal, orVertical)
