// Device contexts over a fixed surface, for the window system and printing:
// a window DC draws into its top-level window's backing bitmap with an origin
// offset and a visible region; a printer DC draws into a page bitmap at the
// printer's resolution. Memory DCs come from CreateCompatibleDC.
#pragma once

#include <functional>

#include "platform/gdi/windef.h"

// A line of text as a surface DC draws it: its cell's top-left corner on
// the surface, its size in surface pixels, the font's face, height and
// style, and the text. A printer keeps them beside its page's pixels, so
// that outputs which hold text (a PDF file) stay searchable.
struct SurfaceText {
    POINT topLeft{};
    SIZE size{};
    AnsiString face;
    bool bold = false, italic = false;
    AnsiString text;
};

struct SurfaceDCOptions {
    POINT origin;        // where the DC's device (0,0) lies on the surface
    SIZE size;           // the DC's device size (0,0: the rest of the surface)
    HRGN visible = 0;    // copied; in DC device coordinates; 0 = all
    int dpi = 96;
    bool printer = false;
    // A printer's surface is its printable area: the whole paper in device
    // pixels and where the printable area starts on it (0,0: the surface is
    // the whole paper).
    SIZE physicalSize{};
    POINT physicalOffset{};
    // Told of each unrotated line of text drawn where the DC may draw.
    std::function<void(const SurfaceText&)> onText;
    // Told once the DC is deleted and its surface no longer selected, so
    // that whoever made the surface frees it with the DC.
    std::function<void()> onDelete;
};

// A DC that draws into `surface` (a bitmap that stays owned by the caller
// and must outlive the DC). Answers 0 for an invalid bitmap.
HDC CreateSurfaceDC(HBITMAP surface, const SurfaceDCOptions& options);
// Changes the visible region of a surface DC (0 = all), e.g. when windows
// above it move.
BOOL SetSurfaceDCVisibleRegion(HDC dc, HRGN visible);
