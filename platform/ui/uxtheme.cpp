// The themed look of the window classes the platform knows, drawn with the
// device context's own calls: a theme handle is the class's number.
#include "platform/ui/uxtheme.h"

#include "platform/win/screens.h"

#include <algorithm>
#include <string>

namespace {

enum TThemeClass : HTHEME { tcNone, tcButton, tcStatus, tcRebar, tcToolbar, tcEdit, tcComboBox, tcHeader, tcProgress };

constexpr const char16_t* ThemeClassNames[] = {u"BUTTON", u"STATUS",   u"REBAR",  u"TOOLBAR",
                                               u"EDIT",   u"COMBOBOX", u"HEADER", u"PROGRESS"};

bool Known(HTHEME theme) { return theme != tcNone && theme <= tcProgress; }

constexpr COLORREF Face = RGB(236, 233, 216), Shadow = RGB(198, 195, 182), White = RGB(255, 255, 255),
                   Grey = RGB(161, 161, 146), Black = RGB(0, 0, 0);

std::u16string UpperCase(std::u16string text) {
    for (char16_t& c : text)
        if (c >= u'a' && c <= u'z') c = char16_t(c - u'a' + u'A');
    return text;
}

void Fill(HDC dc, const RECT& rect, COLORREF color) {
    const HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

// A line from (x0, y0) up to, not including, (x1, y1).
void Line(HDC dc, int x0, int y0, int x1, int y1, COLORREF color) {
    const HPEN pen = CreatePen(PS_SOLID, 1, color);
    const HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
    SelectObject(dc, old);
    DeleteObject(pen);
}

// A one-pixel outline whose corners are cut.
void RoundedOutline(HDC dc, const RECT& r, COLORREF color) {
    Line(dc, r.left + 1, r.top, r.right - 1, r.top, color);
    Line(dc, r.left + 1, r.bottom - 1, r.right - 1, r.bottom - 1, color);
    Line(dc, r.left, r.top + 1, r.left, r.bottom - 1, color);
    Line(dc, r.right - 1, r.top + 1, r.right - 1, r.bottom - 1, color);
}

void Outlined(HDC dc, const RECT& r, COLORREF fill, COLORREF outline) {
    RECT inside = r;
    InflateRect(&inside, -1, -1);
    Fill(dc, inside, fill);
    RoundedOutline(dc, r, outline);
}

// A downward triangle `width` wide (odd) whose top row is at `top`.
void DownArrow(HDC dc, int centreX, int top, int width, COLORREF color) {
    for (int row = 0; row <= width / 2; ++row)
        Line(dc, centreX - width / 2 + row, top + row, centreX + width / 2 - row + 1, top + row, color);
}

// Top to bottom from `top` to `bottom`, one line per row.
void VerticalRamp(HDC dc, const RECT& r, COLORREF top, COLORREF bottom) {
    const int height = std::max<int>(1, r.bottom - r.top);
    for (int y = r.top; y < r.bottom; ++y) {
        const int k = y - r.top;
        auto channel = [&](int a, int b) { return a + (b - a) * k / height; };
        Line(dc, r.left, y, r.right, y,
             RGB(channel(GetRValue(top), GetRValue(bottom)), channel(GetGValue(top), GetGValue(bottom)),
                 channel(GetBValue(top), GetBValue(bottom))));
    }
}

bool Disabled(HTHEME theme, int part, int state) {
    switch (theme) {
    case tcButton:
        if (part == BP_GROUPBOX) return state == GBS_DISABLED;
        if (part == BP_CHECKBOX || part == BP_RADIOBUTTON)
            return state == CBS_UNCHECKEDDISABLED || state == CBS_CHECKEDDISABLED;
        return state == PBS_DISABLED;
    case tcToolbar: return state == TS_DISABLED;
    case tcEdit: return state == ETS_DISABLED;
    case tcComboBox: return state == CBXS_DISABLED;
    default: return false;
    }
}

COLORREF TextColor(HTHEME theme, int part, int state) {
    if (Disabled(theme, part, state)) return Grey;
    return theme == tcButton && part == BP_GROUPBOX ? RGB(0, 70, 213) : Black;
}

// A square box, or a round one for a radio button, with a tick or a dot
// when checked.
void DrawCheckPart(HDC dc, int part, int state, const RECT& r) {
    const bool disabled = Disabled(tcButton, part, state), checked = state >= CBS_CHECKEDNORMAL;
    const COLORREF outline = disabled ? RGB(202, 200, 187) : RGB(28, 81, 128);
    const COLORREF fill = disabled ? RGB(245, 244, 234) : state == CBS_UNCHECKEDPRESSED || state == CBS_CHECKEDPRESSED
                                                              ? RGB(178, 178, 163)
                                                              : White;
    const COLORREF mark = disabled ? RGB(202, 200, 187) : RGB(33, 161, 33);
    const int saved = SaveDC(dc);
    const HPEN pen = CreatePen(PS_SOLID, 1, outline);
    const HBRUSH brush = CreateSolidBrush(fill);
    SelectObject(dc, pen);
    SelectObject(dc, brush);
    if (part == BP_RADIOBUTTON) Ellipse(dc, r.left, r.top, r.right, r.bottom);
    else Rectangle(dc, r.left, r.top, r.right, r.bottom);
    RestoreDC(dc, saved);
    DeleteObject(pen);
    DeleteObject(brush);
    if (!checked) return;
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (part == BP_RADIOBUTTON) {
        Fill(dc, RECT{r.left + w / 3, r.top + h / 3, r.right - w / 3, r.bottom - h / 3}, mark);
        return;
    }
    // A tick, three pixels thick: down from the left third, then up to the right.
    const int x0 = r.left + 3, xm = r.left + w / 2 - 1, x1 = r.right - 3, ym = r.bottom - 4;
    for (int k = 0; k < 3; ++k) {
        Line(dc, x0, ym - (xm - x0) + k, xm, ym + k, mark);
        Line(dc, xm, ym + k, x1, ym + k - (x1 - xm), mark);
    }
}

void DrawButtonPart(HDC dc, int part, int state, const RECT& r) {
    if (part == BP_CHECKBOX || part == BP_RADIOBUTTON) DrawCheckPart(dc, part, state, r);
    else if (part == BP_GROUPBOX) RoundedOutline(dc, r, RGB(165, 165, 151));
    else Outlined(dc, r, state == PBS_PRESSED ? RGB(226, 225, 218) : RGB(244, 243, 238),
                  state == PBS_DISABLED ? RGB(201, 199, 186) : RGB(0, 60, 116));
}

void DrawStatusPart(HDC dc, int part, const RECT& r) {
    switch (part) {
    case 0: Fill(dc, r, Face); break;
    case SP_PANE:
    case SP_GRIPPERPANE: Line(dc, r.right - 1, r.top + 2, r.right - 1, r.bottom - 2, Shadow); break;
    case SP_GRIPPER:
        // Six dots in a triangle at the bottom right, each with a light one below.
        for (const POINT corner : {POINT{5, 12}, POINT{5, 8}, POINT{5, 4}, POINT{9, 8}, POINT{9, 4}, POINT{13, 4}}) {
            const int x = r.right - corner.x, y = r.bottom - corner.y;
            Fill(dc, RECT{x + 1, y + 1, x + 3, y + 3}, White);
            Fill(dc, RECT{x, y, x + 2, y + 2}, Shadow);
        }
        break;
    }
}

void DrawRebarPart(HDC dc, int part, int state, const RECT& r) {
    if (part == RP_CHEVRON || part == RP_CHEVRONVERT) {
        if (state == CHEVS_HOT || state == CHEVS_PRESSED)
            Outlined(dc, r, state == CHEVS_PRESSED ? RGB(152, 181, 226) : RGB(193, 210, 238), RGB(49, 106, 197));
        // Two small arrows pointing on, in the middle.
        const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
        for (int arrow : {-3, 1})
            for (int i = 0; i < 3; ++i) {
                Line(dc, cx + arrow + i, cy - 2 + i, cx + arrow + i + 1, cy - 2 + i, Black);
                Line(dc, cx + arrow + i, cy + 2 - i, cx + arrow + i + 1, cy + 2 - i, Black);
            }
        return;
    }
    VerticalRamp(dc, r, RGB(250, 249, 245), RGB(229, 226, 212));
}

void DrawToolbarPart(HDC dc, int part, int state, const RECT& r) {
    if (part == TP_SEPARATOR) {
        const int x = (r.left + r.right) / 2 - 1;
        Line(dc, x, r.top + 2, x, r.bottom - 2, Shadow);
        Line(dc, x + 1, r.top + 2, x + 1, r.bottom - 2, White);
        return;
    }
    if (part == TP_SEPARATORVERT) {
        const int y = (r.top + r.bottom) / 2 - 1;
        Line(dc, r.left + 2, y, r.right - 2, y, Shadow);
        Line(dc, r.left + 2, y + 1, r.right - 2, y + 1, White);
        return;
    }
    switch (state) {
    case TS_HOT: Outlined(dc, r, RGB(250, 250, 248), RGB(206, 206, 195)); break;
    case TS_PRESSED: Outlined(dc, r, RGB(225, 225, 218), RGB(157, 157, 146)); break;
    case TS_CHECKED:
    case TS_HOTCHECKED: Outlined(dc, r, RGB(240, 240, 234), RGB(157, 157, 146)); break;
    default: break;
    }
    if (part == TP_SPLITBUTTONDROPDOWN || part == TP_DROPDOWNBUTTON)
        DownArrow(dc, (r.left + r.right) / 2, (r.top + r.bottom) / 2 - 1, 5, state == TS_DISABLED ? Grey : Black);
}

void DrawEditPart(HDC dc, int state, const RECT& r) {
    const bool dim = state == ETS_DISABLED || state == ETS_READONLY;
    const HBRUSH brush = CreateSolidBrush(RGB(127, 157, 185));
    FrameRect(dc, &r, brush);
    DeleteObject(brush);
    RECT inside = r;
    InflateRect(&inside, -1, -1);
    Fill(dc, inside, dim ? RGB(235, 235, 228) : White);
}

void DrawComboBoxPart(HDC dc, int state, const RECT& r) {
    Outlined(dc, r, state == CBXS_PRESSED ? RGB(152, 181, 226) : RGB(193, 211, 251), RGB(177, 203, 250));
    DownArrow(dc, (r.left + r.right) / 2, (r.top + r.bottom) / 2 - 2, 7,
              state == CBXS_DISABLED ? Grey : RGB(77, 97, 133));
}

// A column header: a light face with a shaded foot and a divider at its
// right; hot marks the foot, pressed darkens the face.
void DrawHeaderPart(HDC dc, int state, const RECT& r) {
    Fill(dc, r, state == HIS_PRESSED ? RGB(222, 223, 216) : RGB(235, 234, 219));
    const int foot = state == HIS_HOT ? 3 : 2;
    const COLORREF footColor = state == HIS_HOT ? RGB(248, 169, 0) : RGB(214, 210, 194);
    Fill(dc, RECT{r.left, r.bottom - foot, r.right, r.bottom}, footColor);
    Line(dc, r.right - 2, r.top + 3, r.right - 2, r.bottom - 4, RGB(199, 197, 178));
    Line(dc, r.right - 1, r.top + 3, r.right - 1, r.bottom - 4, White);
}

void DrawProgressPart(HDC dc, int part, const RECT& r) {
    if (part == PP_CHUNK) {
        VerticalRamp(dc, r, RGB(146, 238, 146), RGB(38, 180, 38));
        return;
    }
    Outlined(dc, r, White, RGB(104, 104, 104));
}

void CopyName(const char16_t* name, WCHAR* buffer, int length) {
    if (!buffer || length <= 0) return;
    int i = 0;
    for (; name[i] && i < length - 1; ++i) buffer[i] = name[i];
    buffer[i] = 0;
}

template <class Function>
void Register(const char* name, Function* function) {
    RegisterModuleFunction("uxtheme", name, reinterpret_cast<FARPROC>(function));
}

// The module table lists the library before any unit's start-up looks it up.
struct ThemeModule {
    ThemeModule() { RegisterThemeFunctions(); }
} const themeModule __attribute__((init_priority(200)));

}  // namespace

HTHEME OpenThemeData(HWND, const WCHAR* classList) {
    if (!IsThemeActive() || !IsAppThemed() || !classList) return tcNone;
    const std::u16string list = UpperCase(classList);
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(u';', start), list.size());
        const std::u16string name = list.substr(start, end - start);
        for (HTHEME i = 0; i < std::size(ThemeClassNames); ++i)
            if (name == ThemeClassNames[i]) return i + 1;
        start = end + 1;
    }
    return tcNone;
}

HRESULT CloseThemeData(HTHEME theme) { return theme == tcNone ? E_INVALIDARG : S_OK; }

HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT* rect, const RECT* clip) {
    if (!Known(theme) || !dc || !rect) return E_INVALIDARG;
    const int saved = SaveDC(dc);
    if (clip) IntersectClipRect(dc, clip->left, clip->top, clip->right, clip->bottom);
    switch (theme) {
    case tcButton: DrawButtonPart(dc, part, state, *rect); break;
    case tcStatus: DrawStatusPart(dc, part, *rect); break;
    case tcRebar: DrawRebarPart(dc, part, state, *rect); break;
    case tcToolbar: DrawToolbarPart(dc, part, state, *rect); break;
    case tcEdit: DrawEditPart(dc, state, *rect); break;
    case tcComboBox: DrawComboBoxPart(dc, state, *rect); break;
    case tcHeader: DrawHeaderPart(dc, state, *rect); break;
    case tcProgress: DrawProgressPart(dc, part, *rect); break;
    }
    RestoreDC(dc, saved);
    return S_OK;
}

HRESULT DrawThemeText(HTHEME theme, HDC dc, int part, int state, const WCHAR* text, int length, DWORD flags,
                      DWORD flags2, const RECT* rect) {
    if (!Known(theme) || !dc || !rect) return E_INVALIDARG;
    const COLORREF color = (flags2 & DTT_GRAYED) ? Grey : TextColor(theme, part, state);
    const COLORREF oldColor = SetTextColor(dc, color);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    RECT r = *rect;
    DrawTextW(dc, text, length, &r, flags);
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColor);
    return S_OK;
}

HRESULT GetThemeColor(HTHEME theme, int part, int state, int property, COLORREF* color) {
    if (!Known(theme) || !color || property != TMT_TEXTCOLOR) return E_INVALIDARG;
    *color = TextColor(theme, part, state);
    return S_OK;
}

HRESULT GetCurrentThemeName(WCHAR* fileName, int fileNameLength, WCHAR* colorName, int colorNameLength,
                            WCHAR* sizeName, int sizeNameLength) {
    if (!IsThemeActive()) return E_FAIL;
    CopyName(u"Platform.msstyles", fileName, fileNameLength);
    CopyName(u"NormalColor", colorName, colorNameLength);
    CopyName(u"NormalSize", sizeName, sizeNameLength);
    return S_OK;
}

void RegisterThemeFunctions() {
    Register("OpenThemeData", &OpenThemeData);
    Register("CloseThemeData", &CloseThemeData);
    Register("DrawThemeBackground", &DrawThemeBackground);
    Register("DrawThemeText", &DrawThemeText);
    Register("GetThemeColor", &GetThemeColor);
    Register("GetCurrentThemeName", &GetCurrentThemeName);
    Register("IsThemeActive", &IsThemeActive);
    Register("IsAppThemed", &IsAppThemed);
}
