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

TMonitor* TScreen::Monitors(int index) const {
    if (monitors_.empty())
        monitors_.push_back(std::make_unique<TMonitor>(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), 0));
    return monitors_.at(std::size_t(index)).get();
}

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
