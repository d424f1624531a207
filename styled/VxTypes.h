// The vocabulary the styled controls share: frame styles, sides, ramp
// shapes, colour and visual styles.
#pragma once

#include "platform/rtl/set.h"
#include "platform/rtl/typinfo.h"

SERVIORA_ENUM(TFrameStyleEx, fsNone, fsFlat, fsGroove, fsBump, fsLowered, fsButtonDown, fsRaised, fsButtonUp,
              fsStatus, fsPopup, fsFlatBold, fsFlatRounded)
// Properties named FrameStyle take the styles up to fsFlatBold.
using TFrameStyle = TFrameStyleEx;
SERVIORA_ENUM(TSide, sdLeft, sdTop, sdRight, sdBottom)
using TSides = TSet<TSide>;
inline constexpr TSides AllSides{sdLeft, sdTop, sdRight, sdBottom};
SERVIORA_ENUM(TGradientDirection, gdDiagonalUp, gdDiagonalDown, gdHorizontalEnd, gdHorizontalCenter,
              gdHorizontalBox, gdVerticalEnd, gdVerticalCenter, gdVerticalBox, gdSquareBox, gdBigSquareBox)
SERVIORA_ENUM(TVxGradientColorStyle, gcsSystem, gcsMSOffice, gcsCustom)
SERVIORA_ENUM(TVxVisualStyle, vsClassic, vsWinXP, vsGradient)
SERVIORA_ENUM(TOrientation, orHorizontal, orVertical)
