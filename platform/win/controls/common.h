// What the standard controls share: the per-window state kept in the
// window's extra bytes, notifications to the parent, the control's font,
// the colours the parent chooses through WM_CTLCOLOR*, and the text
// measuring every control does (with MeasuringDC).
#pragma once

#include <algorithm>
#include <memory>
#include <string>

#include "platform/rtl/codepage.h"

#include "platform/win/commctrl.h"
#include "platform/gdi/measuringdc.h"
#include "platform/win/userinput.h"
#include "platform/win/window_internal.h"
#include "platform/win/winpaint.h"

namespace ctl {

// A DC for painting: BeginPaint/EndPaint around a scope, or the DC the
// message brought (WM_PRINTCLIENT, WM_PAINT with a DC in wParam).
class PaintScope {
public:
    PaintScope(HWND window, WPARAM dcFromMessage);
    ~PaintScope();
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC dc() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_;
    HDC dc_;
    bool own_;
};

// The window procedure of a control class `C`: the window owns one `C`,
// made at WM_NCCREATE and freed after WM_NCDESTROY. Controls paint their
// whole client area (so no background is erased) through C::Paint(HDC) and
// keep their font in C::Font(); C::Handle sees WM_SETFONT after the font
// is set, and every other message. C is constructed from its window.
template <class C>
LRESULT ControlProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* control = reinterpret_cast<C*>(GetWindowLongPtr(window, 0));
    if (!control) {
        if (message != WM_NCCREATE) return DefWindowProc(window, message, wParam, lParam);
        auto made = std::make_unique<C>(window);
        SetWindowLongPtr(window, 0, LONG_PTR(made.get()));
        control = made.release();
    }
    switch (message) {
    case WM_NCDESTROY: {
        std::unique_ptr<C> owned(control);
        SetWindowLongPtr(window, 0, 0);
        return DefWindowProc(window, message, wParam, lParam);
    }
    case WM_PAINT:
    case WM_PRINTCLIENT: {
        PaintScope paint(window, wParam);
        control->Paint(paint.dc());
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_GETFONT:
        return LRESULT(control->Font().Get());
    case WM_SETFONT:
        control->Font().Set(HFONT(wParam));
        control->Handle(message, wParam, lParam);
        if (LOWORD(lParam)) InvalidateRect(window, nullptr, TRUE);
        return 0;
    default:
        return control->Handle(message, wParam, lParam);
    }
}

// Registers a control class whose windows keep a state pointer.
void RegisterControlClass(const char* name, WNDPROC procedure, UINT style, HBRUSH background,
                          std::uintptr_t cursor = IDC_ARROW);

// Where a control's notifications go: its parent, or the window a pop-up
// part of another control (a dropped calendar) was given with SetNotifyTarget.
HWND NotifyTarget(HWND control);
void SetNotifyTarget(HWND control, HWND target);
// WM_COMMAND to the parent with the control's id and `code`.
void NotifyCommand(HWND control, UINT code);
// WM_NOTIFY to the parent with a record whose header is filled in here.
LRESULT NotifyParent(HWND control, NMHDR& header, UINT code);

// The font a control keeps for WM_SETFONT/WM_GETFONT (0: the GUI font).
// Its metrics are measured once per font: controls ask for them while
// painting and hit-testing.
class ControlFont {
public:
    HFONT Get() const { return font_; }
    HFONT ForDrawing() const { return font_ ? font_ : HFONT(GetStockObject(DEFAULT_GUI_FONT)); }
    void Set(HFONT font) {
        font_ = font;
        height_ = -1;
    }
    // The font's text height (and the average character width, when wanted).
    int TextHeight(int* averageWidth = nullptr) const;

private:
    HFONT font_ = 0;
    mutable int height_ = -1;  // -1: not measured yet
    mutable int averageWidth_ = 0;
};

// Asks the parent of `control` to draw the whole of its item `itemID`
// (WM_DRAWITEM): an owner-drawn control's part.
void ParentDrawItem(HWND control, UINT controlType, UINT itemID, UINT itemState, HDC dc, const RECT& box,
                    ULONG_PTR itemData = 0);

// Asks the parent for the brush and colours to paint `control` with, as
// WM_CTLCOLOR* does (the default ones when the parent gives none).
HBRUSH ControlBrush(HWND control, HDC dc, UINT ctlColorMessage);

// The width of `length` bytes of text in the DC's current font.
int TextWidth(HDC dc, const char* text, std::size_t length);
inline int TextWidth(HDC dc, const AnsiString& text) { return TextWidth(dc, text.data(), text.size()); }

// Item text handed out through an item record's buffer of `size`
// characters (ANSI bytes or UTF-16 units; a terminator always fits), and
// item text taken from a record, for the A and W forms of a message.
template <class Char>
void CopyItemText(const AnsiString& text, Char* buffer, int size) {
    if (!buffer || size <= 0) return;
    if constexpr (sizeof(Char) == 1) {
        ws::CopyTextToBuffer(text, buffer, std::size_t(size));
    } else {
        const std::basic_string<Char> converted = AnsiToWide(text).substr(0, std::size_t(size - 1));
        std::copy(converted.begin(), converted.end(), buffer);
        buffer[converted.size()] = 0;
    }
}
template <class Char>
AnsiString ItemTextOf(const Char* text) {
    if (!text) return AnsiString();
    if constexpr (sizeof(Char) == 1)
        return AnsiString(text);
    else
        return WideToAnsi(text);
}

// The dates a calendar or date picker keeps to: either end (GDTR_MIN,
// GDTR_MAX) or none, as the range messages set and read them.
class DateRange {
public:
    // MCM_SETRANGE / DTM_SETRANGE: the ends `flags` names, from `range`
    // (none without it); `wholeDays` drops their times of day.
    void Set(DWORD flags, const SYSTEMTIME* range, bool wholeDays);
    // MCM_GETRANGE / DTM_GETRANGE: fills the ends there are and answers which.
    DWORD Get(SYSTEMTIME* range) const;
    DWORD Flags() const { return flags_; }
    TDateTime Clamped(TDateTime date) const;

private:
    DWORD flags_ = 0;
    TDateTime minimum_ = 0, maximum_ = 0;
};

// Client rectangle of a window.
RECT ClientRect(HWND window);
// Whether the window shows as enabled (itself; disabled parents are the
// class library's matter).
inline bool Enabled(HWND window) { return IsWindowEnabled(window) != FALSE; }
inline DWORD Style(HWND window) { return DWORD(GetWindowLongPtr(window, GWL_STYLE)); }
inline bool ShiftDown() { return GetKeyState(VK_SHIFT) < 0; }
inline bool ControlDown() { return GetKeyState(VK_CONTROL) < 0; }

// Each control's file registers its classes.
void RegisterButtonClass();
void RegisterEditClass();
void RegisterListBoxClasses();
void RegisterComboBoxClass();
void RegisterTabControlClass();
void RegisterHeaderClass();
void RegisterListViewClass();
void RegisterMonthCalendarClass();
void RegisterDateTimePickerClass();
void RegisterToolTipClass();
void RegisterProgressBarClass();
void RegisterTrackBarClass();
void RegisterUpDownClass();
void RegisterStatusBarClass();
void RegisterTreeViewClass();

// What a dropped pop-up part tells the control it belongs to: the user chose
// the list item wParam, or ended the choice without one (lists and calendars).
constexpr UINT LBX_CHOSEN = WM_USER + 0x7F0, LBX_CANCELLED = WM_USER + 0x7F1;

}  // namespace ctl
