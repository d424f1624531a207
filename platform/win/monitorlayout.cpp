// Choosing a monitor by overlap, then by distance.
#include "platform/win/monitorlayout.h"

#include <cstdint>

#include "platform/win/screens.h"

namespace ws {
namespace {

// Areas in 64 bits and distances as doubles: a rectangle far off any
// screen must not wrap them (a squared distance can pass 2^63).
std::int64_t Overlap(const RECT& a, const RECT& b) {
    RECT common;
    if (!IntersectRect(&common, &a, &b)) return 0;
    return (std::int64_t(common.right) - common.left) * (std::int64_t(common.bottom) - common.top);
}

double DistanceSquared(const RECT& r, POINT p) {
    const auto axis = [](double v, double low, double high) { return v < low ? low - v : v >= high ? v - high + 1 : 0; };
    const double dx = axis(p.x, r.left, r.right), dy = axis(p.y, r.top, r.bottom);
    return dx * dx + dy * dy;
}

}  // namespace

int MonitorForRect(const std::vector<RECT>& monitors, const RECT& rect, DWORD flags) {
    int best = -1;
    std::int64_t bestArea = 0;
    double nearest = -1;
    int nearestIndex = 0;
    for (int i = 0; i < int(monitors.size()); ++i) {
        const std::int64_t area = Overlap(monitors[std::size_t(i)], rect);
        if (area > bestArea) best = i, bestArea = area;
        const double d = DistanceSquared(monitors[std::size_t(i)], {rect.left, rect.top});
        if (nearest < 0 || d < nearest) nearest = d, nearestIndex = i;
    }
    if (best >= 0) return best;
    if (flags == MONITOR_DEFAULTTOPRIMARY) return 0;
    if (flags == MONITOR_DEFAULTTONEAREST) return nearestIndex;
    return -1;
}

RECT VirtualScreenOf(const std::vector<RECT>& monitors) {
    RECT bounds{0, 0, 0, 0};
    for (const RECT& monitor : monitors) UnionRect(&bounds, &bounds, &monitor);
    return bounds;
}

}  // namespace ws
