// TMonitor: one display of the screen, as the class library shows it, with
// its bounds and work area read from the window system each time.
#pragma once

#include "platform/rtl/object.h"
#include "platform/rtl/typinfo.h"
#include "platform/ui/graphics.h"
#include "platform/win/screens.h"

SERVIORA_ENUM(TMonitorDefaultTo, mdNearest, mdNull, mdPrimary)

class TMonitor : public TObject {
public:
    TMonitor(HMONITOR handle, int monitorNum) : handle_(handle), monitorNum_(monitorNum) {}

    HMONITOR Handle() const { return handle_; }
    int MonitorNum() const { return monitorNum_; }
    bool Primary() const;
    TRect BoundsRect() const;
    TRect WorkareaRect() const;
    int Left() const { return BoundsRect().left; }
    int Top() const { return BoundsRect().top; }
    int Width() const { return BoundsRect().right - BoundsRect().left; }
    int Height() const { return BoundsRect().bottom - BoundsRect().top; }

private:
    MONITORINFO Info() const;

    HMONITOR handle_;
    int monitorNum_;
};

// The window system's flag for a TMonitorDefaultTo.
DWORD MonitorDefaultFlag(TMonitorDefaultTo defaultTo);
