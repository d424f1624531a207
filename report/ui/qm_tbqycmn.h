// Routines the docking-toolbar library shares: the item-list sort, the
// paint pump that runs before a mouse loop draws on the desktop, the
// application-active test, and the dock side a control's tool window sits
// on (which drop-down buttons use to place their menus).
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "platform/rtl/set.h"
#include "platform/rtl/typinfo.h"
#include "platform/win/messages.h"

class TControl;

// The library's version text, shown by the read-only Version properties.
inline const char* const ToolbarQyVersion = "1.4";

// The Version property every class of the library publishes: it reads the
// version text and ignores what is assigned; forms do not store it.
template <class C>
void PublishVersion(TPublished<C>& p) {
    p.Property(
         "Version", [](C*) { return AnsiString(ToolbarQyVersion); }, [](C*, const AnsiString&) {})
        .Stored(false);
}

// A setter for a published event held in a public field.
template <class C, class E>
auto FieldSetter(E C::*field) {
    return [field](C* instance, E value) { instance->*field = std::move(value); };
}

// What a hook client hears of: WM_ACTIVATEAPP and WM_WINDOWPOSCHANGED sent
// to a window of the thread, a window being destroyed, WM_MOUSEMOVE taken
// from the queue.
SERVIORA_ENUM(THookCode, hcActivateApp, hcWindowPosChanged, hcDestroyWindow, hcMouseMove)
using THookCodes = TSet<THookCode>;
using THookProc = void (*)(THookCode Code, HWND Wnd, WPARAM WParam, LPARAM LParam);

// Lists the procedure for those codes, or counts one more use of it when
// it is listed (its codes stay). Unless noSystemHooks, the thread's hooks
// those codes need are counted and installed on first use.
void AddHookClient(THookProc proc, THookCodes codes, bool noSystemHooks);
// One use less; at none the procedure leaves the list and its hooks lose a
// use each, the last use uninstalling a hook.
void RemoveHookClient(THookProc proc);
// Whether a hook serving that code is installed now.
bool HookInstalled(THookCode code);

// In-place quicksort with a middle pivot; not stable. Does nothing for
// fewer than two items.
template <class T, class Compare>
void SortItemList(std::vector<T>& list, Compare compare) {
    std::function<void(int, int)> sort = [&](int left, int right) {
        while (left < right) {
            int i = left, j = right;
            const T pivot = list[(left + right) / 2];
            do {
                while (compare(list[i], pivot) < 0) ++i;
                while (compare(list[j], pivot) > 0) --j;
                if (i <= j) std::swap(list[i++], list[j--]);
            } while (i <= j);
            if (left < j) sort(left, j);
            left = i;
        }
    };
    if (list.size() >= 2) sort(0, int(list.size()) - 1);
}

// Dispatches the paint messages of the thread until none is due.
void FlushPaintMessages();

// Whether the program is the one in the foreground.
bool AppIsActive();

// The window to activate in place of `exclude`: the first visible, enabled
// top-level window of the thread other than it and the application window
// that is not topmost, else the first topmost one, else none.
HWND FindOtherTopWindow(HWND exclude);

// The Position (0..3) of the dock holding the first tool window up the
// control's parent chain, or 4 when it floats or there is none. Set by the
// tool windows' unit.
extern int (*ToolbarDockPositionOf)(TControl* control);

class TFont;
class TWinControl;

// The height (tmHeight) of the font's characters on the screen.
int FontTextHeight(TFont* font);

// Answers WM_PRINT for a window that paints its own frame: the frame by
// `paintFrame` (PRF_NONCLIENT), then the client area at the client's place
// (PRF_ERASEBKGND, PRF_CLIENT), the visible child windows (PRF_CHILDREN)
// and the visible windows it owns (PRF_OWNED); nothing for an invisible
// window with PRF_CHECKVISIBLE. The message's result is 1.
void HandlePrintMessage(HWND window, TMessage& message, const std::function<void(HWND, HDC)>& paintFrame);

// Answers WM_PRINTCLIENT: the control's paint handler runs with a WM_PAINT
// carrying the message's DC, whose state is kept.
void HandlePrintClientMessage(TWinControl* control, TMessage& message);

// For a real update region of WM_NCPAINT (not 0 or 1, which mean the
// whole frame), clips the window DC to it (to the window rectangle when
// it cannot be selected), moved from screen to window coordinates.
void SelectFrameUpdateRegion(HWND window, HDC dc, HRGN region);
