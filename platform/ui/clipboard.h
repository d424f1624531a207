// The clipboard and the global memory blocks it trades in. The clipboard
// holds data per format for the program; text put as CF_TEXT is also
// answered as CF_UNICODETEXT and the other way round.
#pragma once

#include "platform/ui/winuser.h"

using HGLOBAL = HANDLE;
constexpr UINT GMEM_FIXED = 0, GMEM_MOVEABLE = 2, GMEM_ZEROINIT = 0x40, GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;
HGLOBAL GlobalAlloc(UINT flags, std::size_t bytes);
// The block's bytes (valid until GlobalFree); nullptr for a bad handle.
void* GlobalLock(HGLOBAL memory);
BOOL GlobalUnlock(HGLOBAL memory);
std::size_t GlobalSize(HGLOBAL memory);
// Answers 0 on success, the handle itself on failure.
HGLOBAL GlobalFree(HGLOBAL memory);

constexpr UINT CF_TEXT = 1, CF_BITMAP = 2, CF_UNICODETEXT = 13;
// One window at a time has the clipboard open.
BOOL OpenClipboard(HWND owner);
BOOL CloseClipboard();
BOOL EmptyClipboard();
// The clipboard takes over `data` (a global block); answers it, 0 when the
// clipboard is not open.
HANDLE SetClipboardData(UINT format, HANDLE data);
// A block the clipboard keeps owning; 0 when the format is absent or the
// clipboard is not open.
HANDLE GetClipboardData(UINT format);
BOOL IsClipboardFormatAvailable(UINT format);

// The clipboard's text as ANSI (empty when it holds none), and putting
// text on it, for the controls' cut, copy and paste.
AnsiString ClipboardText(HWND owner);
void SetClipboardText(HWND owner, const AnsiString& text);
