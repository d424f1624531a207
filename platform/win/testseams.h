// Test seams of the window system: synthetic input that enters where Qt's
// input enters (the top-level window's surface, so it goes through the
// queue, hit-testing and dispatch), running the queue dry, and screenshots.
// Used by every UI test; the program itself never calls them.
#pragma once

#include <functional>
#include <vector>

#include "platform/win/hostdragdrop.h"
#include "platform/win/userinput.h"

// Mouse input at a point in `window`'s client coordinates; the window's
// top-level window must be showing. Answers false otherwise.
bool SimulateMouseMove(HWND window, POINT client);
bool SimulateMouseButton(HWND window, POINT client, int button, bool down);
bool SimulateClick(HWND window, POINT client, int button = VK_LBUTTON);
bool SimulateWheel(HWND window, POINT client, int delta);
// A key press or release with the text it gives (ANSI), to the active
// window's surface. Without text, Backspace, Tab, Enter and Esc give their
// control characters as real keys do.
bool SimulateKey(int virtualKey, bool down, const AnsiString& text = AnsiString());
// Types text (ANSI) character by character as key presses with that text.
bool SimulateTyping(const AnsiString& text);
// Input-method events to the active window's surface: the text being
// composed (empty: the composition ends), and a committed string.
bool SimulateComposition(const AnsiString& preedit);
bool SimulateCommit(const AnsiString& text);

// A drag from another program dropped at a point in `window`'s client
// coordinates, as the host delivers it: entering, moving, dropping. The
// effect the window took.
DWORD SimulateHostDrop(HWND window, POINT client, const TMimeData& data, DWORD keys = 0,
                       DWORD allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE);
// Stands in for the host's drag that a drag of ours leaving our windows
// becomes: `drag` gets its data and allowed effects and gives the effect.
// Empty: the host's own again.
void SetHostDragForTesting(std::function<bool(const TMimeData& data, DWORD allowed, DWORD* effect)> drag);

// Makes `area` the primary screen's work area (as SPI_GETWORKAREA and the
// monitor information answer it); nullptr gives back the screen's own.
void SetWorkAreaForTesting(const RECT* area);

// Delivers what Qt holds, then retrieves messages and hands each to
// `deliver`, or to TranslateMessage and DispatchMessage without one, until
// nothing waits; paints and due timers included. A WM_QUIT is posted again
// and ends the run. Answers the number of messages handled.
int DispatchQueuedMessages(void (*deliver)(MSG& msg) = nullptr);

// The pixels of a window as shown (window coordinates), as a new bitmap the
// caller deletes; 0 when the window is not showing.
HBITMAP CaptureWindow(HWND window);
// Saves a window's pixels as a PNG file (path in ANSI).
bool SaveWindowScreenshot(HWND window, const AnsiString& path);
// The overlay windows that show what is drawn on the desktop DC now.
std::vector<HWND> DesktopOverlays();
// Saves what the screen shows (under a real X server) as a PNG file.
bool SaveScreenScreenshot(const AnsiString& path);
