// Shared routines of the docking-toolbar library.
#include "report/ui/qm_tbqycmn.h"

#include "platform/win/msgqueue.h"
#include "platform/win/userinput.h"

int (*ToolbarDockPositionOf)(TControl* control) = nullptr;

void FlushPaintMessages() {
    MSG msg;
    while (PeekMessage(&msg, 0, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessage(&msg);
}

bool AppIsActive() { return GetActiveWindow() != 0; }
