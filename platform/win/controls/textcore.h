// What the text-editing window classes ("Edit", "RichEdit20A") share: byte
// offsets stepped by whole characters and over "\r\n" line breaks, typed
// bytes gathered into whole characters, and the messages both answer alike
// (selection, clipboard, undo, text, typing keys).
#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/rtl/codepage.h"
#include "platform/win/commctrl.h"
#include "platform/win/controls/common.h"
#include "platform/win/messages.h"
#include "platform/win/userinput.h"

namespace ctl {

// The offset moved back to the start of its character and out of the
// middle of a "\r\n".
inline std::size_t SnapOffset(const AnsiString& text, std::size_t offset) {
    offset = AnsiCharStart(text, std::min(offset, text.size()));
    if (offset > 0 && offset < text.size() && text[offset] == '\n' && text[offset - 1] == '\r') --offset;
    return offset;
}

inline std::size_t NextCharOffset(const AnsiString& text, std::size_t offset) {
    if (offset >= text.size()) return text.size();
    return offset + (text.compare(offset, 2, "\r\n") == 0 ? 2 : AnsiCharSize(text, offset));
}

inline std::size_t PrevCharOffset(const AnsiString& text, std::size_t offset) {
    if (offset == 0) return 0;
    if (offset >= 2 && text.compare(offset - 2, 2, "\r\n") == 0) return offset - 2;
    return AnsiCharStart(text, offset - 1);
}

// Adds a typed byte to `pending`; true when `pending` then holds a whole
// character (a single byte, or two or four bytes of a Chinese character).
inline bool GatherTypedByte(AnsiString& pending, char byte) {
    pending += byte;
    if (!IsDBCSLeadByte(Byte(pending[0]))) return true;
    if (pending.size() < 2) return false;
    const bool four = pending[1] >= '0' && pending[1] <= '9';
    return pending.size() >= (four ? 4u : 2u);
}

// The messages answered alike by an editing control `c`, which offers
// Text(), SelStart(), SelEnd(), Select(anchor, caret), MoveCaret(to, extend),
// CharFromPos(point), Copy(), Cut(), Paste(), Clear(), Undo(), TypeByte(char),
// ReadOnly(), CaretHeight(), PlaceCaret(), ScrollCaret(), Redraw(),
// UpdateFormatRect() and the fields window_, caret_, anchor_, canUndo_,
// modified_, focused_, selecting_, pending_, limit_, formatRect_ and
// customRect_. Answers false for other messages.
template <class Control>
bool HandleEditingMessage(Control& c, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_CHAR:
        switch (wParam) {
        case 1: c.Select(0, c.Text().size()); return true;  // Ctrl+A
        case 3: c.Copy(); return true;                       // Ctrl+C
        case 22: c.Paste(); return true;                     // Ctrl+V
        case 24: c.Cut(); return true;                       // Ctrl+X
        case 26: c.Undo(); return true;                      // Ctrl+Z
        case VK_BACK:
            if (c.ReadOnly()) return true;
            if (c.SelStart() == c.SelEnd()) c.anchor_ = PrevCharOffset(c.Text(), c.caret_);
            c.Clear();
            return true;
        default:
            c.TypeByte(char(wParam));
            return true;
        }
    case WM_CUT: c.Cut(); return true;
    case WM_COPY: c.Copy(); return true;
    case WM_PASTE: c.Paste(); return true;
    case WM_CLEAR: c.Clear(); return true;
    case WM_UNDO:
    case EM_UNDO:
        c.Undo();
        result = c.canUndo_;
        return true;
    case EM_CANUNDO:
        result = c.canUndo_;
        return true;
    case EM_EMPTYUNDOBUFFER:
        c.canUndo_ = false;
        return true;
    case EM_GETMODIFY:
        result = c.modified_;
        return true;
    case EM_SETMODIFY:
        c.modified_ = wParam != 0;
        return true;
    case EM_GETSEL:
        if (wParam) *reinterpret_cast<DWORD*>(wParam) = DWORD(c.SelStart());
        if (lParam) *reinterpret_cast<DWORD*>(lParam) = DWORD(c.SelEnd());
        result = MAKELONG(WORD(std::min<std::size_t>(c.SelStart(), 0xFFFF)), WORD(std::min<std::size_t>(c.SelEnd(), 0xFFFF)));
        return true;
    case EM_SETSEL: {
        const auto start = std::intptr_t(wParam), end = std::intptr_t(lParam);
        if (start < 0)
            c.Select(c.caret_, c.caret_);
        else
            c.Select(std::size_t(start), end < 0 ? c.Text().size() : std::size_t(end));
        return true;
    }
    case WM_GETTEXT: {
        char* out = reinterpret_cast<char*>(lParam);
        if (!out || wParam == 0) return true;
        const AnsiString& text = c.Text();
        const std::size_t size = AnsiCharStart(text, std::min<std::size_t>(wParam - 1, text.size()));
        std::copy(text.begin(), text.begin() + std::ptrdiff_t(size), out);
        out[size] = 0;
        result = LRESULT(size);
        return true;
    }
    case WM_GETTEXTLENGTH:
        result = LRESULT(c.Text().size());
        return true;
    case WM_SETFOCUS:
        c.focused_ = true;
        CreateCaret(c.window_, 0, 1, c.CaretHeight());
        c.PlaceCaret();
        ShowCaret(c.window_);
        c.Redraw();
        NotifyCommand(c.window_, EN_SETFOCUS);
        return true;
    case WM_KILLFOCUS:
        c.focused_ = c.selecting_ = false;
        c.pending_.clear();
        DestroyCaret();
        c.Redraw();
        NotifyCommand(c.window_, EN_KILLFOCUS);
        return true;
    case WM_LBUTTONDOWN:
        SetFocus(c.window_);
        SetCapture(c.window_);
        c.selecting_ = true;
        c.MoveCaret(c.CharFromPos({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}), (wParam & MK_SHIFT) != 0);
        return true;
    case WM_MOUSEMOVE:
        if (c.selecting_) c.MoveCaret(c.CharFromPos({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}), true);
        return true;
    case WM_LBUTTONUP:
        if (c.selecting_) {
            c.selecting_ = false;
            ReleaseCapture();
        }
        return true;
    case EM_GETLIMITTEXT:
        result = LRESULT(c.limit_);
        return true;
    case EM_GETRECT:
        if (lParam) *reinterpret_cast<RECT*>(lParam) = c.formatRect_;
        return true;
    case EM_SETRECT:
    case EM_SETRECTNP:
        c.customRect_ = lParam != 0;
        if (c.customRect_) c.formatRect_ = *reinterpret_cast<const RECT*>(lParam);
        c.UpdateFormatRect();
        c.ScrollCaret();
        if (message == EM_SETRECT) c.Redraw();
        return true;
    case EM_SETREADONLY: {
        const DWORD style = DWORD(GetWindowLongPtr(c.window_, GWL_STYLE));
        SetWindowLongPtr(c.window_, GWL_STYLE, LONG_PTR(wParam ? style | ES_READONLY : style & ~ES_READONLY));
        c.Redraw();
        result = TRUE;
        return true;
    }
    default:
        return false;
    }
}

}  // namespace ctl
