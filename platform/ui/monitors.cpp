// Monitors and the screen's lookups of them.
#include "platform/ui/monitors.h"

#include "platform/ui/forms.h"

MONITORINFO TMonitor::Info() const {
    MONITORINFO info;
    if (!GetMonitorInfo(handle_, &info)) info.rcMonitor = info.rcWork = RECT{};
    return info;
}

bool TMonitor::Primary() const { return Info().dwFlags & MONITORINFOF_PRIMARY; }

TRect TMonitor::BoundsRect() const { return Info().rcMonitor; }

TRect TMonitor::WorkareaRect() const { return Info().rcWork; }

DWORD MonitorDefaultFlag(TMonitorDefaultTo defaultTo) {
    switch (defaultTo) {
    case mdNull: return MONITOR_DEFAULTTONULL;
    case mdPrimary: return MONITOR_DEFAULTTOPRIMARY;
    default: return MONITOR_DEFAULTTONEAREST;
    }
}

int TScreen::MonitorCount() const { return GetSystemMetrics(SM_CMONITORS); }

// The list is built again when screens come or go.
TMonitor* TScreen::Monitors(int index) const {
    if (int(monitors_.size()) != MonitorCount()) {
        monitors_.clear();
        EnumDisplayMonitors(
            0, nullptr,
            [](HMONITOR monitor, HDC, RECT*, LPARAM data) {
                auto& list = *reinterpret_cast<std::vector<std::unique_ptr<TMonitor>>*>(data);
                list.push_back(std::make_unique<TMonitor>(monitor, int(list.size())));
                return TRUE;
            },
            LPARAM(&monitors_));
    }
    return monitors_.at(std::size_t(index)).get();
}

TRect TScreen::MonitorBoundsRect(int index) const { return Monitors(index)->BoundsRect(); }

TMonitor* TScreen::FindMonitor(HMONITOR handle) const {
    for (int i = 0; i < MonitorCount(); ++i)
        if (Monitors(i)->Handle() == handle) return Monitors(i);
    return nullptr;
}

TMonitor* TScreen::MonitorFromPoint(const TPoint& point, TMonitorDefaultTo defaultTo) const {
    return FindMonitor(::MonitorFromPoint(POINT{point.x, point.y}, MonitorDefaultFlag(defaultTo)));
}

TMonitor* TScreen::MonitorFromWindow(HWND window, TMonitorDefaultTo defaultTo) const {
    return FindMonitor(::MonitorFromWindow(window, MonitorDefaultFlag(defaultTo)));
}
