// The skin unit's text and platform routines, and the optional platform
// functions it looks up once.
#include "platform/rtl/codepage.h"
#include "platform/rtl/winnls.h"
#include "platform/win/screens.h"
#include "platform/win/userdraw.h"
#include "platform/win/userinput.h"
#include "skin/SkinManage.h"
#include "skin/WinSkinData.h"

namespace {

using GetScrollBarInfoFunction = BOOL (*)(HWND, LONG, SCROLLBARINFO*);
using TrackMouseEventFunction = BOOL (*)(TRACKMOUSEEVENT*);

// The functions are looked up when the unit starts; a missing one stays empty.
struct OptionalFunctions {
    GetScrollBarInfoFunction getScrollBarInfo = nullptr;
    TrackMouseEventFunction trackMouseEvent = nullptr;
    FARPROC getComboBoxInfo = nullptr;
    FARPROC disableGhosting = nullptr;

    OptionalFunctions() {
        const HMODULE user = LoadLibrary("user32.dll");
        getScrollBarInfo = reinterpret_cast<GetScrollBarInfoFunction>(GetProcAddress(user, "GetScrollBarInfo"));
        trackMouseEvent = reinterpret_cast<TrackMouseEventFunction>(GetProcAddress(user, "TrackMouseEvent"));
        getComboBoxInfo = GetProcAddress(user, "GetComboBoxInfo");
        disableGhosting = GetProcAddress(user, "DisableProcessWindowsGhosting");
    }
};

const OptionalFunctions& Functions() {
    static const OptionalFunctions functions;
    return functions;
}

}  // namespace

BOOL SkinGetScrollBarInfo(HWND handle, LONG objectId, SCROLLBARINFO* info) {
    const auto function = Functions().getScrollBarInfo;
    return function ? function(handle, objectId, info) : FALSE;
}

void SkinTrackMouseLeave(HWND handle) {
    const auto function = Functions().trackMouseEvent;
    if (!function) return;
    TRACKMOUSEEVENT track;
    track.cbSize = 16;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = handle;
    function(&track);
}

WideString SkinAnsiToWide(const AnsiString& text) {
    const int length = MultiByteToWideChar(SkinCodePage, 0, text.data(), int(text.size()), nullptr, 0);
    WideString wide(std::size_t(std::max(length, 0)), u'\0');
    if (length > 0) MultiByteToWideChar(SkinCodePage, 0, text.data(), int(text.size()), wide.data(), length);
    return wide;
}

WideString SkinWideCopy(const WCHAR* buffer, int count) {
    if (!buffer) return {};
    return count == -1 ? WideString(buffer) : WideString(buffer, std::size_t(std::max(count, 0)));
}

int SkinDrawText(HDC dc, const WideString& text, RECT* rect, UINT format) {
    if (SkinIsNT) return DrawTextW(dc, text.c_str(), int(text.size()), rect, format);
    const AnsiString ansi = WideToAnsi(text);
    return DrawText(dc, ansi.c_str(), -1, rect, format);
}

TControl* ControlOfWindow(HWND handle) { return handle ? FindControl(handle) : nullptr; }
