// Colours, transparent bitmaps and the layered-window calls.
#include "stringgrid/BavUtil.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>

#include "platform/rtl/sysutils.h"
#include "platform/ui/colors.h"
#include "platform/ui/graphic.h"
#include "platform/win/resources.h"
#include "platform/win/screens.h"

COLORREF DimColor(TColor color) { return (ColorToRGB(color) >> 1) & 0x7F7F7F; }

namespace {

int Channel(COLORREF color, int shift) { return int((color >> shift) & 0xFF); }

TColor RGBColor(int red, int green, int blue) { return TColor(red | (green << 8) | (blue << 16)); }

}  // namespace

void DrawRaisedFrame(TCanvas* canvas, const TRect& rect, TColor light, TColor dark) {
    canvas->Pen()->SetWidth(1);
    canvas->Pen()->SetColor(light);
    canvas->MoveTo(rect.left, rect.bottom - 1);
    canvas->LineTo(rect.left, rect.top);
    canvas->LineTo(rect.right - 1, rect.top);
    canvas->Pen()->SetColor(dark);
    canvas->LineTo(rect.right - 1, rect.bottom - 1);
    canvas->LineTo(rect.left, rect.bottom - 1);
}

void DrawGradient(TCanvas* canvas, TColor fromColor, TColor toColor, int steps, const TRect& rect, bool horizontal) {
    auto fill = [canvas](TColor color, const TRect& band) {
        canvas->Brush()->SetColor(color);
        canvas->Pen()->SetColor(color);
        canvas->FillRect(band);
    };
    if (toColor == clNone) {
        fill(fromColor, rect);
        return;
    }
    steps = std::max(1, steps);
    const COLORREF from = ColorToRGB(fromColor), to = ColorToRGB(toColor);
    const double band = double(horizontal ? rect.right - rect.left : rect.bottom - rect.top) / steps;
    for (int n = 0; n < steps; ++n) {
        auto step = [&](int shift) {
            return Channel(from, shift) + int(Round(double(n) * (Channel(to, shift) - Channel(from, shift)) / steps));
        };
        const int offset = int(std::int16_t(Round(n * band)));
        const int size = int(Round(band)) + 1;
        const TColor color = RGBColor(step(0), step(8), step(16));
        if (horizontal)
            fill(color, Rect(rect.left + offset, rect.top, rect.left + offset + size, rect.bottom));
        else
            fill(color, Rect(rect.left, rect.top + offset, rect.right, rect.top + offset + size));
    }
}

TColor BlendGradientColor(TColor fromColor, TColor toColor, int low, int high, int position) {
    if (toColor == clNone) return fromColor;
    const COLORREF from = ColorToRGB(fromColor), to = ColorToRGB(toColor);
    // An empty range has no slope: the start colour holds.
    const double span = high - low;
    auto channel = [&](int shift) {
        if (span == 0) return Channel(from, shift);
        return Channel(from, shift) + int(Round((Channel(to, shift) - Channel(from, shift)) / span * position));
    };
    return RGBColor(channel(0), channel(8), channel(16));
}

void DrawTransparentBitmap(TCanvas* canvas, TBitmap* bitmap, TColor backColor, const TRect& rect) {
    if (!canvas || !bitmap || bitmap->Empty()) return;
    const int width = bitmap->Width(), height = bitmap->Height();
    const TRect whole = Rect(0, 0, width, height);
    TBitmap field;
    field.SetSize(width, height);
    field.Canvas()->Brush()->SetColor(backColor);
    field.Canvas()->FillRect(whole);
    field.Canvas()->BrushCopy(whole, bitmap, whole, bitmap->Canvas()->Pixels(0, 0));
    canvas->Draw(rect.left, rect.top, &field);
}

void DrawTransparentResourceBitmap(TCanvas* canvas, TColor backColor, const TRect& rect,
                                   const AnsiString& resourceName) {
    TBitmap bitmap;
    bitmap.LoadFromResourceName(HInstance, resourceName);
    DrawTransparentBitmap(canvas, &bitmap, backColor, rect);
}

namespace {

// The function of "USER32.DLL" of that name, looked up afresh each time.
template <typename Function>
Function* User32Function(const char* name) {
    HMODULE user32 = GetModuleHandle("USER32.DLL");
    if (!user32) return nullptr;
    return reinterpret_cast<Function*>(GetProcAddress(user32, name));
}

}  // namespace

BOOL CallUpdateLayeredWindow(HWND window, HDC destDC, POINT* destPoint, SIZE* size, HDC sourceDC,
                             POINT* sourcePoint, COLORREF key, BLENDFUNCTION* blend, DWORD flags) {
    using Function = BOOL(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);
    auto function = User32Function<Function>("UpdateLayeredWindow");
    return function ? function(window, destDC, destPoint, size, sourceDC, sourcePoint, key, blend, flags) : TRUE;
}

BOOL CallSetLayeredWindowAttributes(HWND window, COLORREF key, BYTE alpha, DWORD flags) {
    using Function = BOOL(HWND, COLORREF, BYTE, DWORD);
    auto function = User32Function<Function>("SetLayeredWindowAttributes");
    return function ? function(window, key, alpha, flags) : TRUE;
}
