// A memory DC with a 32-bit bitmap selected, for the graphics tests.
#pragma once

#include "platform/ui/userdraw.h"

class MemoryDC {
public:
    MemoryDC(int width, int height, COLORREF fill = RGB(255, 255, 255)) {
        dc_ = CreateCompatibleDC(0);
        BITMAPINFO info{};
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biBitCount = 32;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, nullptr, 0, 0);
        old_ = SelectObject(dc_, bitmap_);
        HBRUSH brush = CreateSolidBrush(fill);
        RECT all{0, 0, width, height};
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    ~MemoryDC() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    operator HDC() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};
