// The clipboard: formats held as global memory blocks. Text formats are
// exchanged with other programs through Qt (CF_TEXT as ANSI, CF_UNICODETEXT
// as UTF-16, both from the same text; another program's line ends become
// CR LF); registered formats travel as MIME types of their own, and
// "Rich Text Format" and "Csv" also as text/rtf and text/csv; other
// standard formats stay inside the program.
#pragma once

#include "platform/win/globalmem.h"
#include "platform/win/winuser.h"

constexpr UINT CF_TEXT = 1, CF_BITMAP = 2, CF_METAFILEPICT = 3, CF_SYLK = 4, CF_DIF = 5, CF_TIFF = 6,
               CF_OEMTEXT = 7, CF_DIB = 8, CF_PALETTE = 9, CF_RIFF = 11, CF_WAVE = 12, CF_UNICODETEXT = 13,
               CF_ENHMETAFILE = 14, CF_HDROP = 15, CF_LOCALE = 16, CF_DIBV5 = 17, CF_DSPBITMAP = 0x82,
               CF_DSPMETAFILEPICT = 0x83, CF_DSPENHMETAFILE = 0x8E;

// FALSE while another window has it open.
BOOL OpenClipboard(HWND owner);
// Publishes what was set since the clipboard was emptied.
BOOL CloseClipboard();
// Only while open: drops every format, freeing its data (bitmaps, palettes
// and metafiles through their GDI calls), and makes the opener the owner.
BOOL EmptyClipboard();
// Only while open; the clipboard takes over the block or GDI handle (data
// set again for the format frees the earlier). Answers it, or 0.
HANDLE SetClipboardData(UINT format, HANDLE data);
// Only while open; the block stays the clipboard's. 0 when the format is missing.
HANDLE GetClipboardData(UINT format);
BOOL IsClipboardFormatAvailable(UINT format);
// The format after `format` (0: the first); 0 after the last.
UINT EnumClipboardFormats(UINT format);
int CountClipboardFormats();
// 0xC000..0xFFFF, the same number for the same name (case-insensitive).
UINT RegisterClipboardFormat(const char* name);
int GetClipboardFormatName(UINT format, char* buffer, int size);
HWND GetClipboardOwner();
HWND GetOpenClipboardWindow();

// The text of the open clipboard (CF_TEXT, up to its first NUL); empty when
// it holds none.
AnsiString ReadClipboardText();
// A movable memory block holding `text` and its NUL, as CF_TEXT data.
HGLOBAL NewTextBlock(const AnsiString& text);
// Opens the clipboard for `owner`, replaces its content with `text` as
// CF_TEXT and closes it; false when it could not be opened or set.
bool CopyTextToClipboard(HWND owner, const AnsiString& text);
// Opens the clipboard for `owner`, reads its text and closes it; empty when
// it could not be opened or holds no text.
AnsiString PasteTextFromClipboard(HWND owner);
