// Where floating tool windows may go: the work area of the monitor they are
// on. The monitor functions are looked up by name, so that a system that
// lacks them still places windows within its one work area.
#include "platform/win/screens.h"
#include "report/ui/qm_tbqy.h"

namespace {

using MonitorFromRectProc = HMONITOR (*)(const RECT*, DWORD);
using MonitorFromPointProc = HMONITOR (*)(POINT, DWORD);
using GetMonitorInfoProc = BOOL (*)(HMONITOR, MONITORINFO*);

struct MonitorFunctions {
    MonitorFromRectProc fromRect = nullptr;
    MonitorFromPointProc fromPoint = nullptr;
    GetMonitorInfoProc info = nullptr;
};

// The monitor functions, when there is more than one monitor to choose from
// and all three are found.
const MonitorFunctions* MultiMonitorFunctions() {
    static const MonitorFunctions functions = [] {
        const HMODULE user = GetModuleHandle("user32");
        MonitorFunctions f;
        f.fromRect = reinterpret_cast<MonitorFromRectProc>(GetProcAddress(user, "MonitorFromRect"));
        f.fromPoint = reinterpret_cast<MonitorFromPointProc>(GetProcAddress(user, "MonitorFromPoint"));
        f.info = reinterpret_cast<GetMonitorInfoProc>(GetProcAddress(user, "GetMonitorInfoA"));
        return f;
    }();
    const int monitors = GetSystemMetrics(SM_CMONITORS);
    if (monitors == 0 || monitors == 1) return nullptr;
    if (!functions.fromRect || !functions.fromPoint || !functions.info) return nullptr;
    return &functions;
}

TRect WorkAreaOfMonitor(const MonitorFunctions& functions, HMONITOR monitor) {
    MONITORINFO info;
    if (!functions.info(monitor, &info)) return PrimaryWorkArea();
    return info.rcWork;
}

}  // namespace

TRect PrimaryWorkArea() {
    RECT work;
    if (!SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0))
        work = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return work;
}

TRect WorkAreaOfRect(const TRect& rect) {
    const MonitorFunctions* functions = MultiMonitorFunctions();
    if (!functions) return PrimaryWorkArea();
    return WorkAreaOfMonitor(*functions, functions->fromRect(&rect, MONITOR_DEFAULTTONEAREST));
}

TRect WorkAreaOfPoint(TPoint point) {
    const MonitorFunctions* functions = MultiMonitorFunctions();
    if (!functions) return PrimaryWorkArea();
    return WorkAreaOfMonitor(*functions, functions->fromPoint(point, MONITOR_DEFAULTTONEAREST));
}
