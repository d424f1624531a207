// Visual styles as the class library reports them: off unless switched on
// (SetThemeActive), so every control takes its classic drawing branch.
#pragma once

#include "platform/gdi/sysparams.h"

class TThemeServices {
public:
    bool ThemesEnabled() const { return IsThemeActive() && IsAppThemed(); }
    // This platform has its visual styles only while they are on.
    bool ThemesAvailable() const { return ThemesEnabled(); }
};

// The one theme-services object.
TThemeServices* ThemeServices();
