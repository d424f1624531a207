// Colours, transparent bitmaps and the layered-window calls.
#include "stringgrid/BavUtil.h"

#include <memory>

#include "platform/ui/colors.h"
#include "platform/ui/graphic.h"
#include "platform/win/resources.h"
#include "platform/win/screens.h"

COLORREF DimColor(TColor color) { return (ColorToRGB(color) >> 1) & 0x7F7F7F; }

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
