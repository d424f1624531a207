// The caret: one per thread, drawn by inverting its rectangle in its
// window and blinking on a timer of the clock.
#include "platform/rtl/programlong.h"
#include "platform/win/userinput.h"
#include "platform/win/window_internal.h"
#include "platform/win/winpaint.h"

namespace ws {
namespace {

struct Caret {
    HWND owner = 0;
    HBITMAP shape = 0;  // 0 solid, 1 grey, otherwise a bitmap
    SIZE size;
    POINT position;
    int hideCount = 1;  // a new caret is hidden
    bool drawn = false;
    bool hiddenForPaint = false;
    UINT_PTR timer = 0;
    UINT blinkTime = 530;
};

Caret& TheCaret() {
    static ProgramLong<Caret> caret;
    return *caret;
}

// Inverting twice restores the pixels, so drawing and removing are one step.
void Toggle() {
    auto& c = TheCaret();
    if (!IsWindow(c.owner)) return;
    const HDC dc = GetDC(c.owner);
    if (c.shape > 1) {
        const HDC source = CreateCompatibleDC(dc);
        const HGDIOBJ old = SelectObject(source, c.shape);
        BitBlt(dc, c.position.x, c.position.y, c.size.cx, c.size.cy, source, 0, 0, SRCINVERT);
        SelectObject(source, old);
        DeleteDC(source);
    } else if (c.shape == 1) {
        const HGDIOBJ old = SelectObject(dc, GetStockObject(GRAY_BRUSH));
        PatBlt(dc, c.position.x, c.position.y, c.size.cx, c.size.cy, PATINVERT);
        SelectObject(dc, old);
    } else {
        PatBlt(dc, c.position.x, c.position.y, c.size.cx, c.size.cy, DSTINVERT);
    }
    ReleaseDC(c.owner, dc);
    c.drawn = !c.drawn;
}

void Undraw() {
    if (TheCaret().drawn) Toggle();
}

void RestartBlinking() {
    auto& c = TheCaret();
    if (c.timer) KillSystemTimer(c.timer);
    c.timer = SetSystemTimer(c.blinkTime, [] {
        if (TheCaret().hideCount == 0) Toggle();
    });
}

}  // namespace

void HideCaretForPaint(HWND window) {
    auto& c = TheCaret();
    if (c.owner != window || c.hiddenForPaint) return;
    c.hiddenForPaint = true;
    HideCaret(window);
}

void ShowCaretAfterPaint(HWND window) {
    auto& c = TheCaret();
    if (c.owner != window || !c.hiddenForPaint) return;
    c.hiddenForPaint = false;
    ShowCaret(window);
}

void ForgetWindowInCaret(HWND window) {
    if (TheCaret().owner == window) DestroyCaret();
}

}  // namespace ws

using namespace ws;

BOOL CreateCaret(HWND window, HBITMAP bitmap, int width, int height) {
    if (!IsWindow(window)) return FALSE;
    DestroyCaret();
    auto& c = TheCaret();
    c.owner = window;
    c.shape = bitmap;
    if (bitmap > 1) {
        BITMAP info{};
        GetObject(bitmap, sizeof(info), &info);
        width = info.bmWidth, height = info.bmHeight;
    }
    c.size = {width > 0 ? width : GetSystemMetrics(SM_CXBORDER), height > 0 ? height : GetSystemMetrics(SM_CYBORDER)};
    c.position = {0, 0};
    c.hideCount = 1;
    c.drawn = false;
    c.hiddenForPaint = false;
    return TRUE;
}

BOOL DestroyCaret() {
    auto& c = TheCaret();
    if (!c.owner) return FALSE;
    Undraw();
    if (c.timer) KillSystemTimer(c.timer);
    c.timer = 0;
    c.owner = 0;
    return TRUE;
}

BOOL SetCaretPos(int x, int y) {
    auto& c = TheCaret();
    if (!c.owner) return FALSE;
    if (c.position == POINT{x, y}) return TRUE;
    const bool was = c.drawn;
    Undraw();
    c.position = {x, y};
    if (was || c.hideCount == 0) {
        Toggle();
        RestartBlinking();
    }
    return TRUE;
}

BOOL GetCaretPos(POINT* point) {
    if (!point) return FALSE;
    *point = TheCaret().position;
    return TRUE;
}

BOOL ShowCaret(HWND window) {
    auto& c = TheCaret();
    if (!c.owner || (window && window != c.owner) || c.hideCount == 0) return FALSE;
    if (--c.hideCount == 0) {
        if (!c.drawn) Toggle();
        RestartBlinking();
    }
    return TRUE;
}

BOOL HideCaret(HWND window) {
    auto& c = TheCaret();
    if (!c.owner || (window && window != c.owner)) return FALSE;
    ++c.hideCount;
    Undraw();
    return TRUE;
}

UINT GetCaretBlinkTime() { return TheCaret().blinkTime; }

BOOL SetCaretBlinkTime(UINT milliseconds) {
    TheCaret().blinkTime = milliseconds ? milliseconds : 530;
    if (TheCaret().timer) RestartBlinking();
    return TRUE;
}

RECT InputMethodCursorRect() {
    auto& c = TheCaret();
    const HWND focus = GetFocus();
    POINT p{0, 0};
    if (c.owner && c.owner == focus) p = c.position;
    ClientToScreen(focus, &p);
    const LONG height = c.owner == focus && c.owner ? c.size.cy : 16;
    return Bounds(p.x, p.y, 1, height);
}
