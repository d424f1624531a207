// The theme-services object.
#include "platform/ui/themes.h"

TThemeServices* ThemeServices() {
    static TThemeServices services;
    return &services;
}
