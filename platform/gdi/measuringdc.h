// A memory DC with a font selected, for measuring text outside painting:
// shared by the menus, the standard controls, the IME window, hints and
// auto-sized labels.
#pragma once

#include "platform/gdi/wingdi.h"

class MeasuringDC {
public:
    explicit MeasuringDC(HFONT font) : dc_(CreateCompatibleDC(0)), old_(SelectObject(dc_, font)) {}
    ~MeasuringDC() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    MeasuringDC(const MeasuringDC&) = delete;
    MeasuringDC& operator=(const MeasuringDC&) = delete;
    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ old_;
};
