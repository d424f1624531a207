// The clipboard and global memory: blocks in a handle table of their own,
// the clipboard a map from format to block.
#include "platform/ui/clipboard.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

#include "platform/rtl/codepage.h"
#include "platform/ui/handles.h"

namespace {

struct Block {
    std::vector<char> bytes;
};

HandleTable<Block>& Blocks() {
    static HandleTable<Block> blocks(HandleKind::Global);
    return blocks;
}

struct Clipboard {
    bool open = false;
    HWND owner = 0;
    std::map<UINT, HGLOBAL> data;
};

Clipboard& TheClipboard() {
    static Clipboard clipboard;
    return clipboard;
}

void FreeClipboardData() {
    for (auto& [format, block] : TheClipboard().data) GlobalFree(block);
    TheClipboard().data.clear();
}

HGLOBAL BlockOf(const void* bytes, std::size_t size) {
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(block), bytes, size);
    GlobalUnlock(block);
    return block;
}

// Text in the other of the two text formats, converted when asked for.
HGLOBAL ConvertedText(UINT wanted) {
    auto& data = TheClipboard().data;
    if (wanted == CF_UNICODETEXT && data.count(CF_TEXT)) {
        const WideString wide = AnsiToWide(static_cast<const char*>(GlobalLock(data[CF_TEXT])));
        return BlockOf(wide.c_str(), (wide.size() + 1) * sizeof(char16_t));
    }
    if (wanted == CF_TEXT && data.count(CF_UNICODETEXT)) {
        const AnsiString ansi = WideToAnsi(static_cast<const char16_t*>(GlobalLock(data[CF_UNICODETEXT])));
        return BlockOf(ansi.c_str(), ansi.size() + 1);
    }
    return 0;
}

}  // namespace

// Every block starts zeroed and never moves, whatever the flags ask.
HGLOBAL GlobalAlloc(UINT, std::size_t bytes) {
    auto block = std::make_unique<Block>();
    block->bytes.assign(std::max<std::size_t>(bytes, 1), 0);
    return Blocks().Add(std::move(block));
}

void* GlobalLock(HGLOBAL memory) {
    Block* block = Blocks().Find(memory);
    return block ? block->bytes.data() : nullptr;
}

BOOL GlobalUnlock(HGLOBAL memory) { return Blocks().Find(memory) != nullptr; }

std::size_t GlobalSize(HGLOBAL memory) {
    Block* block = Blocks().Find(memory);
    return block ? block->bytes.size() : 0;
}

HGLOBAL GlobalFree(HGLOBAL memory) { return Blocks().Remove(memory) ? 0 : memory; }

BOOL OpenClipboard(HWND owner) {
    auto& clipboard = TheClipboard();
    if (clipboard.open) return FALSE;
    clipboard.open = true;
    clipboard.owner = owner;
    return TRUE;
}

BOOL CloseClipboard() {
    auto& clipboard = TheClipboard();
    if (!clipboard.open) return FALSE;
    clipboard.open = false;
    return TRUE;
}

BOOL EmptyClipboard() {
    if (!TheClipboard().open) return FALSE;
    FreeClipboardData();
    return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE data) {
    auto& clipboard = TheClipboard();
    if (!clipboard.open || !Blocks().Find(data)) return 0;
    auto it = clipboard.data.find(format);
    if (it != clipboard.data.end()) GlobalFree(it->second);
    // The two text formats stand for one text: the other one is stale now.
    if (format == CF_TEXT || format == CF_UNICODETEXT) {
        auto other = clipboard.data.find(format == CF_TEXT ? CF_UNICODETEXT : CF_TEXT);
        if (other != clipboard.data.end()) {
            GlobalFree(other->second);
            clipboard.data.erase(other);
        }
    }
    clipboard.data[format] = data;
    return data;
}

HANDLE GetClipboardData(UINT format) {
    auto& clipboard = TheClipboard();
    if (!clipboard.open) return 0;
    auto it = clipboard.data.find(format);
    if (it != clipboard.data.end()) return it->second;
    const HGLOBAL converted = ConvertedText(format);
    if (converted) clipboard.data[format] = converted;
    return converted;
}

BOOL IsClipboardFormatAvailable(UINT format) {
    auto& data = TheClipboard().data;
    if (data.count(format)) return TRUE;
    return (format == CF_TEXT && data.count(CF_UNICODETEXT)) || (format == CF_UNICODETEXT && data.count(CF_TEXT));
}

AnsiString ClipboardText(HWND owner) {
    if (!OpenClipboard(owner)) return AnsiString();
    AnsiString text;
    if (const HANDLE data = GetClipboardData(CF_TEXT)) {
        const char* bytes = static_cast<const char*>(GlobalLock(data));
        text.assign(bytes, strnlen(bytes, GlobalSize(data)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

void SetClipboardText(HWND owner, const AnsiString& text) {
    if (!OpenClipboard(owner)) return;
    EmptyClipboard();
    SetClipboardData(CF_TEXT, BlockOf(text.c_str(), text.size() + 1));
    CloseClipboard();
}
