// Text on the clipboard, shared by the edit control and TClipboard.
#include <cstring>

#include "platform/win/clipboard.h"

AnsiString ReadClipboardText() {
    const HANDLE data = GetClipboardData(CF_TEXT);
    if (!data) return AnsiString();
    const char* bytes = static_cast<const char*>(GlobalLock(data));
    const std::size_t size = GlobalSize(data);
    const AnsiString text(bytes, strnlen(bytes, size));
    GlobalUnlock(data);
    return text;
}

HGLOBAL NewTextBlock(const AnsiString& text) {
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    return block;
}

bool CopyTextToClipboard(HWND owner, const AnsiString& text) {
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    const HGLOBAL block = NewTextBlock(text);
    const bool set = SetClipboardData(CF_TEXT, block) != 0;
    if (!set) GlobalFree(block);
    CloseClipboard();
    return set;
}

AnsiString PasteTextFromClipboard(HWND owner) {
    if (!OpenClipboard(owner)) return AnsiString();
    const AnsiString text = ReadClipboardText();
    CloseClipboard();
    return text;
}
