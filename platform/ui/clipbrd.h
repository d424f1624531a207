// TClipboard: the class library's view of the clipboard. Open and Close
// nest; while it is open, the first format set empties the clipboard, so
// several formats can be offered together.
#pragma once

#include "platform/rtl/persistent.h"
#include "platform/win/clipboard.h"

class TClipboard : public TPersistent {
    SERVIORA_CLASS(TClipboard, TPersistent)
public:
    ~TClipboard() override;
    // Raises Exception "Cannot open clipboard" when another window has it.
    void Open();
    void Close();
    void Clear();
    bool HasFormat(UINT format) const;
    int FormatCount() const;
    UINT Formats(int index) const;
    AnsiString AsText();
    void SetAsText(const AnsiString& text);
    // The clipboard takes over `data`.
    void SetAsHandle(UINT format, HANDLE data);
    // The clipboard's own block (0 when missing); valid until it changes.
    HANDLE GetAsHandle(UINT format);

private:
    // Keeps the clipboard open for the life of a call.
    class OpenScope {
    public:
        explicit OpenScope(TClipboard* clipboard) : clipboard_(clipboard) { clipboard_->Open(); }
        ~OpenScope() { clipboard_->Close(); }
        OpenScope(const OpenScope&) = delete;
        OpenScope& operator=(const OpenScope&) = delete;

    private:
        TClipboard* clipboard_;
    };
    void Adding();
    int openCount_ = 0;
    bool emptied_ = false;
};

// The program's clipboard object.
TClipboard* Clipboard();
