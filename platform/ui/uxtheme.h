// Visual styles: theme handles for window classes and the drawing of their
// parts, as controls that paint themselves in the themed look call them.
// Visual styles are off unless switched on (SetThemeActive in
// platform/gdi/sysparams.h); while off OpenThemeData answers no theme and
// every caller keeps its classic look. The themed look is this platform's
// own: flat, light parts with thin outlines.
#pragma once

#include "platform/gdi/sysparams.h"
#include "platform/rtl/ole2.h"
#include "platform/gdi/wingdi.h"
#include "platform/win/userdraw.h"

using HTHEME = HANDLE;

// Parts and states of the classes the platform draws.
enum TButtonThemePart { BP_PUSHBUTTON = 1, BP_RADIOBUTTON = 2, BP_CHECKBOX = 3, BP_GROUPBOX = 4 };
enum TPushButtonThemeState { PBS_NORMAL = 1, PBS_HOT = 2, PBS_PRESSED = 3, PBS_DISABLED = 4, PBS_DEFAULTED = 5 };
enum TGroupBoxThemeState { GBS_NORMAL = 1, GBS_DISABLED = 2 };
// Check boxes and radio buttons share their states: unchecked 1-4, checked 5-8.
enum TCheckBoxThemeState {
    CBS_UNCHECKEDNORMAL = 1, CBS_UNCHECKEDHOT = 2, CBS_UNCHECKEDPRESSED = 3, CBS_UNCHECKEDDISABLED = 4,
    CBS_CHECKEDNORMAL = 5, CBS_CHECKEDHOT = 6, CBS_CHECKEDPRESSED = 7, CBS_CHECKEDDISABLED = 8
};
enum THeaderThemePart { HP_HEADERITEM = 1 };
enum THeaderItemThemeState { HIS_NORMAL = 1, HIS_HOT = 2, HIS_PRESSED = 3 };
enum TProgressThemePart { PP_BAR = 1, PP_BARVERT = 2, PP_CHUNK = 3 };
enum TStatusThemePart { SP_PANE = 1, SP_GRIPPERPANE = 2, SP_GRIPPER = 3 };
enum TRebarThemePart { RP_GRIPPER = 1, RP_GRIPPERVERT = 2, RP_BAND = 3, RP_CHEVRON = 4, RP_CHEVRONVERT = 5 };
enum TChevronThemeState { CHEVS_NORMAL = 1, CHEVS_HOT = 2, CHEVS_PRESSED = 3 };
enum TToolbarThemePart {
    TP_BUTTON = 1, TP_DROPDOWNBUTTON = 2, TP_SPLITBUTTON = 3, TP_SPLITBUTTONDROPDOWN = 4, TP_SEPARATOR = 5,
    TP_SEPARATORVERT = 6
};
enum TToolbarThemeState {
    TS_NORMAL = 1, TS_HOT = 2, TS_PRESSED = 3, TS_DISABLED = 4, TS_CHECKED = 5, TS_HOTCHECKED = 6
};
enum TEditThemePart { EP_EDITTEXT = 1 };
enum TEditThemeState {
    ETS_NORMAL = 1, ETS_HOT = 2, ETS_SELECTED = 3, ETS_DISABLED = 4, ETS_FOCUSED = 5, ETS_READONLY = 6
};
enum TComboBoxThemePart { CP_DROPDOWNBUTTON = 1 };
enum TComboBoxThemeState { CBXS_NORMAL = 1, CBXS_HOT = 2, CBXS_PRESSED = 3, CBXS_DISABLED = 4 };
// Theme properties.
constexpr int TMT_TEXTCOLOR = 3803;
// DrawThemeText's second flags word: the text is drawn greyed.
constexpr DWORD DTT_GRAYED = 0x1;

// The theme of `classList` (names separated by ";", the first known one
// taken: "BUTTON", "STATUS", "REBAR", "TOOLBAR", "EDIT", "COMBOBOX", "HEADER",
// "PROGRESS"); no
// theme while visual styles are off or for an unknown class.
HTHEME OpenThemeData(HWND window, const WCHAR* classList);
HRESULT CloseThemeData(HTHEME theme);
// Part 0 is the class's background. `clip`, when given, limits the drawing.
HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT* rect, const RECT* clip);
// The text in the part's text colour (grey for a disabled state or
// DTT_GRAYED), with DrawText's `flags`, the background left as it is.
HRESULT DrawThemeText(HTHEME theme, HDC dc, int part, int state, const WCHAR* text, int length, DWORD flags,
                      DWORD flags2, const RECT* rect);
HRESULT GetThemeColor(HTHEME theme, int part, int state, int property, COLORREF* color);
// The look's file, colour-scheme and size names, each cut to its buffer;
// E_FAIL while visual styles are off.
HRESULT GetCurrentThemeName(WCHAR* fileName, int fileNameLength, WCHAR* colorName, int colorNameLength,
                            WCHAR* sizeName, int sizeNameLength);

// Enters these functions, IsThemeActive and IsAppThemed in the module table
// as "uxtheme", where libraries that load the visual-styles library by name
// find them. Runs before any unit's start-up; later calls change nothing.
void RegisterThemeFunctions();
