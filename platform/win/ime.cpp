// Input methods: per-window contexts, the composition and result strings,
// the IME messages posted to the focus window, and the small window of ours
// that shows the composition at the caret for windows that leave it to the
// default procedure.
#include <algorithm>
#include <cstring>

#include "platform/rtl/clock.h"
#include "platform/rtl/programlong.h"
#include "platform/gdi/measuringdc.h"
#include "platform/win/userinput.h"
#include "platform/win/window_internal.h"
#include "platform/win/winpaint.h"

namespace ws {
namespace {

struct Ime {
    AnsiString composition;
    int cursor = 0;
    AnsiString result;
    bool composing = false;
    HWND target = 0;
    HWND window = 0;  // the composition window
};

Ime& TheIme() {
    static ProgramLong<Ime> ime;
    return *ime;
}

void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    POINT cursor;
    GetCursorPos(&cursor);
    EnqueueInput(MSG{window, message, wParam, lParam, GetTickCount(), cursor, 0});
}

void PostChars(HWND window, const AnsiString& text) {
    for (char byte : text) Post(window, WM_CHAR, WPARAM(Byte(byte)), 1);
}

LRESULT CompositionProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProc(window, message, wParam, lParam);
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_INFOBK));
    const HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    const AnsiString& text = TheIme().composition;
    TextOut(dc, 2, 1, text.c_str(), int(text.size()));
    // The composition's own cursor, as a thin bar.
    SIZE before{};
    GetTextExtentPoint32(dc, text.c_str(), std::clamp(TheIme().cursor, 0, int(text.size())), &before);
    PatBlt(dc, 2 + before.cx, 1, 1, client.bottom - 2, DSTINVERT);
    SelectObject(dc, oldFont);
    EndPaint(window, &ps);
    return 0;
}

HWND CompositionWindowCreated() {
    auto& ime = TheIme();
    if (IsWindow(ime.window)) return ime.window;
    static const ATOM registered = [] {
        WNDCLASS wc;
        wc.lpfnWndProc = &CompositionProc;
        wc.lpszClassName = "ImeComposition";
        return RegisterClass(&wc);
    }();
    (void)registered;
    ime.window = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, "ImeComposition", "",
                                WS_POPUP | WS_BORDER, 0, 0, 1, 1, 0, 0, 0, nullptr);
    return ime.window;
}

void ShowComposition() {
    auto& ime = TheIme();
    const HWND window = CompositionWindowCreated();
    SIZE size{};
    GetTextExtentPoint32(MeasuringDC(HFONT(GetStockObject(DEFAULT_GUI_FONT))).dc(), ime.composition.c_str(),
                         int(ime.composition.size()), &size);
    const RECT caret = InputMethodCursorRect();
    SetWindowPos(window, HWND_TOPMOST, caret.left, caret.top, size.cx + 5, std::max<LONG>(size.cy, 12) + 2,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(window, nullptr, TRUE);
}

}  // namespace

LRESULT DefaultImeMessage(HWND window, UINT message, WPARAM, LPARAM lParam) {
    auto& ime = TheIme();
    switch (message) {
    case WM_IME_STARTCOMPOSITION:
        ShowComposition();
        break;
    case WM_IME_COMPOSITION:
        if (lParam & GCS_RESULTSTR) PostChars(window, ime.result);
        if ((lParam & GCS_COMPSTR) && IsWindow(ime.window)) ShowComposition();
        break;
    case WM_IME_ENDCOMPOSITION:
        if (IsWindow(ime.window)) ShowWindow(ime.window, SW_HIDE);
        break;
    default:
        break;
    }
    return 0;
}

void InputComposition(const AnsiString& preedit, int cursor) {
    auto& ime = TheIme();
    const HWND focus = GetFocus();
    if (!InputMethodAllowed(focus)) return;
    ime.composition = preedit;
    ime.cursor = cursor;
    if (preedit.empty()) {
        if (ime.composing) Post(ime.target, WM_IME_ENDCOMPOSITION, 0, 0);
        ime.composing = false;
        return;
    }
    if (!ime.composing) {
        ime.composing = true;
        ime.target = focus;
        Post(focus, WM_IME_STARTCOMPOSITION, 0, 0);
    }
    Post(ime.target, WM_IME_COMPOSITION, 0, GCS_COMPSTR | GCS_CURSORPOS);
}

void InputCommit(const AnsiString& text) {
    auto& ime = TheIme();
    const HWND focus = GetFocus();
    if (!InputMethodAllowed(focus) || text.empty()) return;
    if (!ime.composing) {
        PostChars(focus, text);
        return;
    }
    ime.result = text;
    ime.composition.clear();
    Post(ime.target, WM_IME_COMPOSITION, 0, GCS_RESULTSTR);
    Post(ime.target, WM_IME_ENDCOMPOSITION, 0, 0);
    ime.composing = false;
}

}  // namespace ws

using namespace ws;

HIMC ImmGetContext(HWND window) {
    Window* w = Find(window);
    return w && w->imeEnabled ? HIMC(window) : 0;
}

BOOL ImmReleaseContext(HWND, HIMC) { return TRUE; }

HIMC ImmAssociateContext(HWND window, HIMC context) {
    Window* w = Find(window);
    if (!w) return 0;
    const HIMC old = ImmGetContext(window);
    w->imeEnabled = context != 0;
    return old;
}

LONG ImmGetCompositionString(HIMC context, DWORD index, void* buffer, DWORD length) {
    if (!context) return 0;
    auto& ime = TheIme();
    if (index == GCS_CURSORPOS) return ime.cursor;
    const AnsiString* text = index == GCS_COMPSTR ? &ime.composition : index == GCS_RESULTSTR ? &ime.result : nullptr;
    if (!text) return 0;
    if (length == 0 || !buffer) return LONG(text->size());
    const DWORD n = std::min<DWORD>(length, DWORD(text->size()));
    std::memcpy(buffer, text->data(), n);
    return LONG(n);
}

bool InputMethodAllowed(HWND window) {
    Window* w = Find(window);
    if (!w || !w->imeEnabled) return false;
    for (; w && w->handle != Desktop().handle; w = Find(w->parent))
        if (w->style & WS_DISABLED) return false;
    return true;
}

HWND CompositionWindow() {
    auto& ime = TheIme();
    return IsWindowVisible(ime.window) ? ime.window : 0;
}
