// The visual-styles library as the grid library reaches it: loaded once at
// start-up by name, its functions looked up by name. Where no such library
// exists every themed painter takes its classic path.
#pragma once

#include "platform/rtl/ole2.h"
#include "platform/win/screens.h"

namespace xpvs {

using HTHEME = HANDLE;
using OpenThemeDataFunction = HTHEME(HWND window, const wchar_t* classList);
using CloseThemeDataFunction = HRESULT(HTHEME theme);
using DrawThemeBackgroundFunction = HRESULT(HTHEME theme, HDC dc, int part, int state, const RECT* rect,
                                            const RECT* clip);
using IsThemeActiveFunction = BOOL();
using GetCurrentThemeNameFunction = HRESULT(wchar_t* fileName, int fileNameLength, wchar_t* colorName,
                                            int colorNameLength, wchar_t* sizeName, int sizeNameLength);

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
// Counted: the first call loads, the last free releases.
void LoadThemeLibrary();
void FreeThemeLibrary();
// Loaded and its IsThemeActive answers true.
bool ThemesActive();

}  // namespace xpvs
