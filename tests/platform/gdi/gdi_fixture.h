// A memory DC with a 32-bit bitmap selected, for the graphics tests.
#pragma once

#include <cstring>

#include "platform/gdi/wingdi.h"

// The description of a font of the given face (ANSI) and height in the
// Chinese character set.
inline LOGFONTA LogFontOf(const char* face, int height, int weight = FW_NORMAL, int escapement = 0, bool italic = false,
                          bool underline = false) {
    LOGFONTA log;
    log.lfHeight = height;
    log.lfWeight = weight;
    log.lfEscapement = escapement;
    log.lfOrientation = escapement;
    log.lfItalic = italic;
    log.lfUnderline = underline;
    log.lfCharSet = GB2312_CHARSET;
    std::strncpy(log.lfFaceName, face, LF_FACESIZE - 1);
    return log;
}

// A font of the given face (ANSI) and height in the Chinese character set.
inline HFONT MakeFont(const char* face, int height, int weight = FW_NORMAL, int escapement = 0, bool italic = false,
                      bool underline = false) {
    const LOGFONTA log = LogFontOf(face, height, weight, escapement, italic, underline);
    return CreateFontIndirect(&log);
}

// Fills a rectangle with a brush as FillRect does, through the device layer
// alone (the brush in PATCOPY).
inline void FillArea(HDC dc, const RECT* rect, HBRUSH brush) {
    const HGDIOBJ old = SelectObject(dc, brush);
    PatBlt(dc, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, PATCOPY);
    SelectObject(dc, old);
}

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
        FillArea(dc_, &all, brush);
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
