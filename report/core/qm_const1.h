// Qm_Const1: the engine's constant name tables — the system variables a
// report's names resolve to, and the colour names scripts know.
#pragma once

#include <array>

#include "platform/ui/colors.h"

// The colour the engine treats as "no colour" (a transparent fill).
constexpr TColor clTransparent = clNone;

// "_Qm_Page", "_Qm_ApplicationPath", ... "_Qm_TotalPages", in the order the
// report's name lookup numbers them; compared without regard to case.
extern const std::array<const char*, 10> QmSystemVariableNames;

struct TQmColorName {
    const char* Name;
    TColor Value;
};
// The sixteen standard colours, clTransparent, then the 25 system colours
// clScrollBar .. clInfoBk.
extern const std::array<TQmColorName, 42> QmColorNames;

// Whether the engine's texts are the Chinese ones, so that new dialog pages
// take 宋体, character set 134, 9 points.
extern const bool ChineseFontDefaults;
