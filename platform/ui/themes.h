// Visual styles: off on this platform, so every control takes its classic
// drawing branch.
#pragma once

class TThemeServices {
public:
    bool ThemesEnabled() const { return false; }
    bool ThemesAvailable() const { return false; }
};

// The one theme-services object.
TThemeServices* ThemeServices();
