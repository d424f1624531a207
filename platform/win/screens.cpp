// Monitors, system parameters and our own table of platform functions.
#include "platform/win/screens.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <vector>

#include "platform/rtl/sysutils.h"
#include "platform/win/commctrl.h"
#include "platform/win/commctrl_flatsb.h"
#include "platform/win/monitorlayout.h"
#include "platform/win/surfacehost.h"
#include "platform/win/userdraw.h"
#include "platform/win/userinput.h"
#include "platform/win/winscroll.h"

namespace {

// Monitor handles are the screen's index in a kind of their own.
constexpr HMONITOR firstMonitor = 0x16000001;

int MonitorIndex(HMONITOR monitor) {
    const int index = int(monitor) - int(firstMonitor);
    return index >= 0 && index < ws::MonitorCount() ? index : -1;
}

// The bounds of every monitor, the primary first.
std::vector<RECT> MonitorBounds() {
    std::vector<RECT> bounds(std::size_t(ws::MonitorCount()));
    RECT work;
    for (std::size_t i = 0; i < bounds.size(); ++i) ws::MonitorArea(int(i), &bounds[i], &work);
    return bounds;
}

// The system font of the platform's Chinese edition: 宋体, 9 points.
LOGFONTA SystemFont(bool bold = false) {
    LOGFONTA font;
    font.lfHeight = -12;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = GB2312_CHARSET;
    const char face[] = "宋体";
    std::memcpy(font.lfFaceName, face, sizeof(face));
    return font;
}

BOOL Answer(void* out, UINT value) {
    if (!out) return FALSE;
    *static_cast<UINT*>(out) = value;
    return TRUE;
}

BOOL AnswerBool(void* out, bool value) {
    if (!out) return FALSE;
    *static_cast<BOOL*>(out) = value ? TRUE : FALSE;
    return TRUE;
}

struct Module {
    std::map<std::string, FARPROC> functions;
};

AnsiString ModuleKey(const char* name) {
    AnsiString key(name ? name : "");
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    if (key.size() > 4 && key.compare(key.size() - 4, 4, ".dll") == 0) key.resize(key.size() - 4);
    return key;
}

// Module handles are the module's position in the table, in a kind of
// their own; modules are only ever added at the end.
using ModuleTable = std::vector<std::pair<AnsiString, Module>>;

ModuleTable& Modules() {
    static ModuleTable modules = [] {
        ModuleTable m;
        for (const char* name : {"kernel32", "user32", "gdi32", "comctl32", "imm32", "shell32", "advapi32"})
            m.emplace_back(name, Module{});
        m[1].second.functions["TrackMouseEvent"] = reinterpret_cast<FARPROC>(&TrackMouseEvent);
        m[1].second.functions["DisableProcessWindowsGhosting"] =
            reinterpret_cast<FARPROC>(&DisableProcessWindowsGhosting);
        m[1].second.functions["GetScrollBarInfo"] = reinterpret_cast<FARPROC>(&GetScrollBarInfo);
        m[1].second.functions["GetComboBoxInfo"] = reinterpret_cast<FARPROC>(&GetComboBoxInfo);
        m[1].second.functions["DrawCaption"] = reinterpret_cast<FARPROC>(&DrawCaption);
        m[1].second.functions["MonitorFromRect"] = reinterpret_cast<FARPROC>(&MonitorFromRect);
        m[1].second.functions["MonitorFromPoint"] = reinterpret_cast<FARPROC>(&MonitorFromPoint);
        m[1].second.functions["GetMonitorInfoA"] = reinterpret_cast<FARPROC>(&GetMonitorInfo);
        m[1].second.functions["EnumDisplayMonitors"] = reinterpret_cast<FARPROC>(&EnumDisplayMonitors);
        auto& comctl = m[3].second.functions;
        comctl["InitializeFlatSB"] = reinterpret_cast<FARPROC>(&InitializeFlatSB);
        comctl["UninitializeFlatSB"] = reinterpret_cast<FARPROC>(&UninitializeFlatSB);
        comctl["FlatSB_SetScrollProp"] = reinterpret_cast<FARPROC>(&FlatSB_SetScrollProp);
        comctl["FlatSB_GetScrollProp"] = reinterpret_cast<FARPROC>(&FlatSB_GetScrollProp);
        comctl["FlatSB_SetScrollInfo"] = reinterpret_cast<FARPROC>(&FlatSB_SetScrollInfo);
        comctl["FlatSB_GetScrollInfo"] = reinterpret_cast<FARPROC>(&FlatSB_GetScrollInfo);
        comctl["FlatSB_ShowScrollBar"] = reinterpret_cast<FARPROC>(&FlatSB_ShowScrollBar);
        return m;
    }();
    return modules;
}

constexpr HMODULE firstModule = 0x17000001;

Module* FindModule(HMODULE module) {
    auto& modules = Modules();
    if (module < firstModule || module >= firstModule + modules.size()) return nullptr;
    return &modules[module - firstModule].second;
}

}  // namespace

HMONITOR MonitorFromRect(const RECT* rect, DWORD flags) {
    if (!rect) return 0;
    const int index = ws::MonitorForRect(MonitorBounds(), *rect, flags);
    return index < 0 ? 0 : firstMonitor + HMONITOR(index);
}

HMONITOR MonitorFromPoint(POINT point, DWORD flags) {
    const RECT r = Bounds(point.x, point.y, 1, 1);
    return MonitorFromRect(&r, flags);
}

HMONITOR MonitorFromWindow(HWND window, DWORD flags) {
    RECT r;
    if (!GetWindowRect(window, &r)) return flags == MONITOR_DEFAULTTONULL ? 0 : firstMonitor;
    if (IsRectEmpty(&r)) r.right = r.left + 1, r.bottom = r.top + 1;
    return MonitorFromRect(&r, flags);
}

BOOL GetMonitorInfo(HMONITOR monitor, MONITORINFO* info) {
    const int index = MonitorIndex(monitor);
    if (index < 0 || !info) return FALSE;
    ws::MonitorArea(index, &info->rcMonitor, &info->rcWork);
    info->dwFlags = index == 0 ? MONITORINFOF_PRIMARY : 0;
    if (info->cbSize >= sizeof(MONITORINFOEX)) {
        auto* ex = static_cast<MONITORINFOEX*>(info);
        const AnsiString name = "\\\\.\\DISPLAY" + std::to_string(index + 1);
        std::memcpy(ex->szDevice, name.c_str(), std::min<std::size_t>(name.size() + 1, CCHDEVICENAME));
    }
    return TRUE;
}

BOOL EnumDisplayMonitors(HDC, const RECT* clip, MONITORENUMPROC callback, LPARAM data) {
    if (!callback) return FALSE;
    const std::vector<RECT> bounds = MonitorBounds();
    for (std::size_t i = 0; i < bounds.size(); ++i) {
        RECT shown = bounds[i];
        if (clip && !IntersectRect(&shown, &bounds[i], clip)) continue;
        if (!callback(firstMonitor + HMONITOR(i), 0, &shown, data)) break;
    }
    return TRUE;
}

BOOL SystemParametersInfo(UINT action, UINT, void* out, UINT) {
    switch (action) {
    case SPI_GETWORKAREA:
        if (!out) return FALSE;
        ws::WorkArea(static_cast<RECT*>(out));
        return TRUE;
    case SPI_GETNONCLIENTMETRICS: {
        auto* m = static_cast<NONCLIENTMETRICS*>(out);
        if (!m || m->cbSize < sizeof(NONCLIENTMETRICS)) return FALSE;
        m->iBorderWidth = 1;
        m->iScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
        m->iScrollHeight = GetSystemMetrics(SM_CYHSCROLL);
        m->iCaptionWidth = GetSystemMetrics(SM_CXSIZE);
        m->iCaptionHeight = GetSystemMetrics(SM_CYSIZE);
        m->lfCaptionFont = SystemFont(true);
        m->iSmCaptionWidth = GetSystemMetrics(SM_CXSMSIZE);
        m->iSmCaptionHeight = GetSystemMetrics(SM_CYSMSIZE);
        m->lfSmCaptionFont = SystemFont(true);
        m->iMenuWidth = GetSystemMetrics(SM_CXMENUSIZE);
        m->iMenuHeight = GetSystemMetrics(SM_CYMENUSIZE);
        m->lfMenuFont = SystemFont();
        m->lfStatusFont = SystemFont();
        m->lfMessageFont = SystemFont();
        return TRUE;
    }
    case SPI_GETICONTITLELOGFONT:
        if (!out) return FALSE;
        *static_cast<LOGFONTA*>(out) = SystemFont();
        return TRUE;
    case SPI_GETBORDER: return Answer(out, 1);
    case SPI_GETKEYBOARDDELAY: return Answer(out, 1);
    case SPI_GETKEYBOARDSPEED: return Answer(out, 31);
    case SPI_ICONHORIZONTALSPACING:
    case SPI_ICONVERTICALSPACING: return Answer(out, 75);
    case SPI_GETMOUSEHOVERWIDTH:
    case SPI_GETMOUSEHOVERHEIGHT: return Answer(out, 4);
    case SPI_GETMOUSEHOVERTIME: return Answer(out, 400);
    case SPI_GETMENUSHOWDELAY: return Answer(out, 400);
    case SPI_GETWHEELSCROLLLINES: return Answer(out, 3);
    case SPI_GETSCREENSAVETIMEOUT: return Answer(out, 0);
    case SPI_GETFOREGROUNDLOCKTIMEOUT: return Answer(out, 0);
    case SPI_GETCARETWIDTH:
    case SPI_GETFOCUSBORDERWIDTH:
    case SPI_GETFOCUSBORDERHEIGHT: return Answer(out, 1);
    case SPI_GETBEEP:
    case SPI_GETDRAGFULLWINDOWS:
    case SPI_GETICONTITLEWRAP:
    case SPI_GETKEYBOARDCUES:
    case SPI_GETGRADIENTCAPTIONS:
    case SPI_GETHOTTRACKING:
    case SPI_GETSHOWIMEUI: return AnswerBool(out, true);
    case SPI_GETSCREENSAVEACTIVE:
    case SPI_GETMENUDROPALIGNMENT:
    case SPI_GETKEYBOARDPREF:
    case SPI_GETSCREENREADER:
    case SPI_GETSHOWSOUNDS:
    case SPI_GETFONTSMOOTHING:
    case SPI_GETACTIVEWINDOWTRACKING:
    case SPI_GETMENUANIMATION:
    case SPI_GETCOMBOBOXANIMATION:
    case SPI_GETLISTBOXSMOOTHSCROLLING:
    case SPI_GETMENUFADE:
    case SPI_GETSELECTIONFADE:
    case SPI_GETTOOLTIPANIMATION:
    case SPI_GETTOOLTIPFADE:
    case SPI_GETCURSORSHADOW:
    case SPI_GETUIEFFECTS:
    case SPI_GETFLATMENU:
    case SPI_GETDROPSHADOW: return AnswerBool(out, false);
    default: return FALSE;
    }
}

HMODULE GetModuleHandle(const char* name) {
    if (!name) return HInstance;
    auto& modules = Modules();
    const AnsiString key = ModuleKey(name);
    for (std::size_t i = 0; i < modules.size(); ++i)
        if (modules[i].first == key) return firstModule + HMODULE(i);
    return 0;
}

HMODULE LoadLibrary(const char* name) { return name ? GetModuleHandle(name) : 0; }

BOOL FreeLibrary(HMODULE module) { return FindModule(module) ? TRUE : FALSE; }

FARPROC GetProcAddress(HMODULE module, const char* name) {
    Module* m = FindModule(module);
    if (!m || !name) return nullptr;
    const auto it = m->functions.find(name);
    return it == m->functions.end() ? nullptr : it->second;
}

void RegisterModuleFunction(const char* module, const char* name, FARPROC function) {
    if (!module || !name) return;
    HMODULE handle = GetModuleHandle(module);
    if (!handle) {
        Modules().emplace_back(ModuleKey(module), Module{});
        handle = firstModule + HMODULE(Modules().size() - 1);
    }
    FindModule(handle)->functions[name] = function;
}

void DisableProcessWindowsGhosting() {}

DWORD GetVersion() {
    return DWORD(Win32BuildNumber) << 16 | DWORD(Win32MinorVersion) << 8 | DWORD(Win32MajorVersion);
}
