// The choice of a monitor for a rectangle among the screens' bounds, kept
// apart from the screens themselves so that layouts of several monitors can
// be checked on a machine with one.
#pragma once

#include <vector>

#include "platform/gdi/windef.h"

namespace ws {

// The index in `monitors` (bounds in screen coordinates, the primary first)
// of the monitor with the largest part of `rect`; when no monitor holds any
// of it, the primary (MONITOR_DEFAULTTOPRIMARY), the one nearest the
// rectangle's top-left (MONITOR_DEFAULTTONEAREST) or -1 (MONITOR_DEFAULTTONULL).
int MonitorForRect(const std::vector<RECT>& monitors, const RECT& rect, DWORD flags);
// The rectangle bounding all `monitors` (the virtual screen); empty without any.
RECT VirtualScreenOf(const std::vector<RECT>& monitors);

}  // namespace ws
