// The visual-styles library as the grid library reaches it: loaded once at
// start-up by name, its functions looked up by name. Where no such library
// exists, or visual styles are off, every themed painter takes its classic
// path.
#pragma once

#include "platform/rtl/ole2.h"
#include "platform/ui/uxtheme.h"
#include "platform/win/screens.h"

namespace xpvs {

using OpenThemeDataFunction = HTHEME(HWND window, const WCHAR* classList);
using CloseThemeDataFunction = HRESULT(HTHEME theme);
using DrawThemeBackgroundFunction = HRESULT(HTHEME theme, HDC dc, int part, int state, const RECT* rect,
                                            const RECT* clip);
using IsThemeActiveFunction = BOOL();
using GetCurrentThemeNameFunction = HRESULT(WCHAR* fileName, int fileNameLength, WCHAR* colorName,
                                            int colorNameLength, WCHAR* sizeName, int sizeNameLength);

// The library and the functions the grid library calls; all unset until
// LoadThemeLibrary finds the library.
struct ThemeLibrary {
    HMODULE module = 0;
    bool loaded = false;
    OpenThemeDataFunction* OpenThemeData = nullptr;
    CloseThemeDataFunction* CloseThemeData = nullptr;
    DrawThemeBackgroundFunction* DrawThemeBackground = nullptr;
    IsThemeActiveFunction* IsThemeActive = nullptr;
    GetCurrentThemeNameFunction* GetCurrentThemeName = nullptr;
};

const ThemeLibrary& Theme();
// Counted: a call loads the library unless it is loaded, the last free
// releases it.
void LoadThemeLibrary();
void FreeThemeLibrary();
// Loaded and its IsThemeActive answers true.
bool ThemesActive();
// One part of the class's visual style over `rect`, the theme opened and
// closed around it; false when no theme answers (nothing drawn).
bool DrawPart(HWND window, HDC dc, const WCHAR* themeClass, int part, int state, const RECT& rect);

}  // namespace xpvs
