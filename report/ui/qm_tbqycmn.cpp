// Shared routines of the docking-toolbar library.
#include "report/ui/qm_tbqycmn.h"

#include "platform/ui/graphics.h"
#include "platform/win/msgqueue.h"
#include "platform/win/winpaint.h"
#include "platform/win/userinput.h"

int (*ToolbarDockPositionOf)(TControl* control) = nullptr;

void FlushPaintMessages() {
    MSG msg;
    while (PeekMessage(&msg, 0, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessage(&msg);
}

bool AppIsActive() { return GetActiveWindow() != 0; }

int FontTextHeight(TFont* font) {
    const HDC dc = GetDC(0);
    const HGDIOBJ old = SelectObject(dc, font->Handle());
    TEXTMETRICA metrics{};
    GetTextMetrics(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(0, dc);
    return metrics.tmHeight;
}
