// The visual-styles library, loaded once for the grid library.
#include "stringgrid/themes/BavXPVS.h"

#include "platform/rtl/exceptions.h"

namespace xpvs {
namespace {

ThemeLibrary& Library() {
    static ThemeLibrary library;
    return library;
}

int& Starts() {
    static int starts = 0;
    return starts;
}

template <class Function>
void Resolve(Function*& function, const char* name) {
    function = reinterpret_cast<Function*>(GetProcAddress(Library().module, name));
    // A library without one of its entry points is not the one expected.
    if (!function) throw Exception(AnsiString("Assertion failure (BavXPVS: ") + name + ")");
}

}  // namespace

const ThemeLibrary& Theme() { return Library(); }

void LoadThemeLibrary() {
    ++Starts();
    if (Library().loaded) return;
    const HMODULE module = LoadLibrary("UXTHEME.DLL");
    if (!module) return;
    ThemeLibrary& library = Library();
    library.module = module;
    library.loaded = true;
    Resolve(library.OpenThemeData, "OpenThemeData");
    Resolve(library.CloseThemeData, "CloseThemeData");
    Resolve(library.DrawThemeBackground, "DrawThemeBackground");
    Resolve(library.IsThemeActive, "IsThemeActive");
    Resolve(library.GetCurrentThemeName, "GetCurrentThemeName");
}

void FreeThemeLibrary() {
    if (Starts() == 0 || --Starts() > 0) return;
    ThemeLibrary& library = Library();
    if (library.loaded) FreeLibrary(library.module);
    library = ThemeLibrary();
}

bool ThemesActive() { return Theme().loaded && Theme().IsThemeActive && Theme().IsThemeActive(); }

bool DrawPart(HWND window, HDC dc, const WCHAR* themeClass, int part, int state, const RECT& rect) {
    if (!Theme().loaded) return false;
    const HTHEME theme = Theme().OpenThemeData(window, themeClass);
    if (!theme) return false;
    Theme().DrawThemeBackground(theme, dc, part, state, &rect, nullptr);
    Theme().CloseThemeData(theme);
    return true;
}

}  // namespace xpvs
