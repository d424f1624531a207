// What the window system asks of the Qt side (platform/win/qt): a surface
// per shown top-level window, the screens, and the event loop that wakes
// GetMessage. This header stays free of Qt so the window system can be read
// without it.
#pragma once

#include <optional>
#include <vector>

#include "platform/gdi/windef.h"

namespace ws {

// Starts the Qt side once (the application object; on a desktop without a
// choice made, the X11 platform) with the program's arguments.
void StartSurfaceHost(int& argc, char** argv);
// The same with no arguments, where nothing has started it yet.
void EnsureSurfaceHost();
// The surface of a top-level window follows its rectangle (screen
// coordinates) and visibility; it is made when first shown.
void SyncSurface(HWND window, const RECT& screenRect, bool visible);
void DestroySurface(HWND window);
// The window system's title and icon of a top-level window (its window text
// and WM_SETICON icon); a surface made later takes them from the window.
void SetSurfaceTitle(HWND window, const AnsiString& title);
void SetSurfaceIcon(HWND window, HICON icon);
// Gives the surface the keyboard of the windowing system (it was put in
// its place in the stack as the window came to the top).
void ActivateSurface(HWND window);
// Stacks the surfaces of the showing top-level windows as `topFirst` orders
// them, raising only those out of place: the windowing system shows a
// window again where it was in its stack and knows nothing of topmost ones.
void StackSurfaces(const std::vector<HWND>& topFirst);
// Copies the dirty part (window coordinates) of the backing image to the screen.
void FlushSurface(HWND window, const RECT& dirty);
// The current cursor or its display count changed.
void CursorChanged();
// The top-level window's shape (window coordinates; 0: its rectangle),
// where the windowing system supports masks.
void SetSurfaceMask(HWND window, HRGN region);
// Lets Qt deliver what it has (input becomes queued messages) without waiting.
void ProcessHostEvents();
// Waits for Qt events for at most `milliseconds` (negative: no limit).
void WaitForHostEvents(int milliseconds);
// Wakes a waiting WaitForHostEvents from anywhere.
void WakeHost();
// The screens, the primary one first: rectangle and work area.
int MonitorCount();
// The rectangle bounding every screen (left alone when there is none).
void VirtualScreen(RECT* bounds);
void MonitorArea(int index, RECT* bounds, RECT* work);
// The primary screen's rectangle and work area.
void ScreenBounds(RECT* bounds);
void WorkArea(RECT* area);
// A work area set by the test seam in place of the primary screen's.
std::optional<RECT>& WorkAreaOverride();

}  // namespace ws
