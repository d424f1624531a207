// TClipboard over the clipboard functions.
#include "platform/ui/clipbrd.h"

#include <cstring>
#include <memory>

#include "platform/rtl/exceptions.h"

TClipboard::~TClipboard() {
    if (openCount_ > 0) CloseClipboard();
}

void TClipboard::Open() {
    if (openCount_ == 0) {
        if (!OpenClipboard(0)) throw Exception("Cannot open clipboard");
        emptied_ = false;
    }
    ++openCount_;
}

void TClipboard::Close() {
    if (openCount_ == 0) return;
    if (--openCount_ == 0) CloseClipboard();
}

void TClipboard::Clear() {
    Open();
    EmptyClipboard();
    emptied_ = true;
    Close();
}

void TClipboard::Adding() {
    if (openCount_ > 0 && !emptied_) {
        EmptyClipboard();
        emptied_ = true;
    }
}

bool TClipboard::HasFormat(UINT format) const { return IsClipboardFormatAvailable(format) != FALSE; }

int TClipboard::FormatCount() const { return CountClipboardFormats(); }

UINT TClipboard::Formats(int index) const {
    UINT format = 0;
    for (int i = 0; i <= index; ++i) format = EnumClipboardFormats(format);
    return format;
}

void TClipboard::SetAsHandle(UINT format, HANDLE data) {
    const OpenScope open(this);
    Adding();
    if (!SetClipboardData(format, data)) {
        GlobalFree(data);
        throw Exception("Cannot set clipboard data");
    }
}

HANDLE TClipboard::GetAsHandle(UINT format) {
    const OpenScope open(this);
    return GetClipboardData(format);
}

AnsiString TClipboard::AsText() {
    const OpenScope open(this);
    return ReadClipboardText();
}

void TClipboard::SetAsText(const AnsiString& text) { SetAsHandle(CF_TEXT, NewTextBlock(text)); }

TClipboard* Clipboard() {
    static const std::unique_ptr<TClipboard> clipboard(TClipboard::Create());
    return clipboard.get();
}
