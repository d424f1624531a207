// The "Edit" window class: single- and multi-line text editing in the
// classic look. Positions are byte offsets into the ANSI text that always
// fall on character boundaries; typed bytes of a multi-byte character are
// gathered until the character is whole; the byte limit never cuts one.
// Lines of a multi-line edit end in "\r\n"; without ES_AUTOHSCROLL they
// wrap at the formatting rectangle, after spaces or next to a Chinese
// character, and the line messages count the lines as shown.
#include <algorithm>
#include <vector>

#include "platform/rtl/codepage.h"
#include "platform/win/clipboard.h"
#include "platform/win/controls/common.h"
#include "platform/win/controls/textcore.h"
#include "platform/win/userinput.h"

namespace ctl {
namespace {

constexpr std::size_t noLimit = 0x7FFFFFFE;

// The longest prefix of `text` of at most `bytes` bytes that ends on a
// character boundary.
AnsiString WholeCharacters(const AnsiString& text, std::size_t bytes) {
    return text.substr(0, AnsiCharStart(text, bytes));
}

std::size_t CharCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); i += AnsiCharSize(text, i)) ++count;
    return count;
}

bool IsWordByte(char c) { return Byte(c) >= 0x80 || std::isalnum(Byte(c)) || c == '_'; }

class Edit {
public:
    explicit Edit(HWND window) : window_(window) {}
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);
    ControlFont& Font() { return font_; }

private:
    template <class Control>
    friend bool ctl::HandleEditingMessage(Control&, UINT, WPARAM, LPARAM, LRESULT&);
    const AnsiString& Text() const { return text_; }
    int CaretHeight() const { return LineHeight(); }

    struct Line {
        std::size_t start;
        std::size_t length;  // without the line break; a wrapped line keeps its spaces
        bool wrapped = false;  // ends where the text wraps, not at a line break
    };
    // The lines as last laid out, and what they were laid out for.
    struct Layout {
        AnsiString text;
        bool multiline = false;
        int wrapWidth = -1;  // 0: no wrapping
        HFONT font = 0;
        char passwordChar = 0;
        std::vector<Line> lines;
    };

    bool Multiline() const { return (Style(window_) & ES_MULTILINE) != 0; }
    bool Wrapping() const { return Multiline() && !(Style(window_) & ES_AUTOHSCROLL); }
    bool ReadOnly() const { return (Style(window_) & ES_READONLY) != 0; }
    std::size_t SelStart() const { return std::min(anchor_, caret_); }
    std::size_t SelEnd() const { return std::max(anchor_, caret_); }

    const std::vector<Line>& Lines() const;
    void WrapLine(HDC dc, const Line& line, int width, std::vector<Line>& out) const;
    std::size_t LineOf(std::size_t offset) const;
    std::size_t LineEnd(const Line& line) const;
    std::size_t Snap(std::size_t offset) const;
    std::size_t NextChar(std::size_t offset) const;
    std::size_t PrevChar(std::size_t offset) const;
    std::size_t WordEdge(std::size_t offset, bool forward) const;

    AnsiString Shown(std::string_view text) const;
    int LineHeight() const { return font_.TextHeight(); }
    int WidthOf(HDC dc, std::string_view text) const;
    int LineX(HDC dc, const Line& line) const;
    POINT PosFromChar(std::size_t offset) const;
    std::size_t CharFromPos(POINT p) const;
    void UpdateFormatRect();

    void Select(std::size_t anchor, std::size_t caret);
    void MoveCaret(std::size_t to, bool extend);
    void ScrollCaret();
    void PlaceCaret();
    void Redraw() {
        UpdateScrollBar();
        InvalidateRect(window_, nullptr, TRUE);
    }
    // A multi-line edit's own vertical bar follows its lines, kept (disabled) when nothing is to scroll.
    void UpdateScrollBar();
    std::size_t VisibleLines() const;
    void VerticalScroll(WPARAM request);

    bool Replace(const AnsiString& text, bool undoable);
    void TypeByte(char byte);
    AnsiString AdjustTyped(AnsiString text) const;
    void Undo();
    void Copy() const;
    void Cut();
    void Paste();
    void Clear();
    void KeyDown(WPARAM key);
    void SetText(const char* text);
    void SetPasswordChar(char c);
    void PaintLine(HDC dc, const Line& line, int y, bool enabled);

    HWND window_;
    ControlFont font_;
    AnsiString text_;
    mutable Layout layout_;
    std::size_t anchor_ = 0;
    std::size_t caret_ = 0;
    std::size_t limit_ = noLimit;
    char passwordChar_ = 0;
    bool modified_ = false;
    AnsiString undoText_;
    std::size_t undoAnchor_ = 0, undoCaret_ = 0;
    bool canUndo_ = false;
    int leftMargin_ = 1, rightMargin_ = 1;
    RECT formatRect_;
    bool customRect_ = false;
    int scrollX_ = 0;
    std::size_t firstLine_ = 0;
    AnsiString pending_;
    bool focused_ = false;
    bool selecting_ = false;
    HIMC inputContext_ = 0;  // while a password character turns the input method off
    bool inputContextSaved_ = false;
};

// ---- Text structure -------------------------------------------------------------

// The lines as shown, laid out again when the text or what shapes them changed.
const std::vector<Edit::Line>& Edit::Lines() const {
    const bool multiline = Multiline();
    const int wrapWidth = Wrapping() ? std::max(1, int(formatRect_.right - formatRect_.left)) : 0;
    if (layout_.wrapWidth == wrapWidth && layout_.multiline == multiline && layout_.font == font_.Get() &&
        layout_.passwordChar == passwordChar_ && layout_.text == text_)
        return layout_.lines;
    std::vector<Line> hard;
    std::size_t start = 0;
    if (multiline) {
        for (std::size_t i = 0; i < text_.size(); i += AnsiCharSize(text_, i)) {
            if (text_[i] == '\n') {
                const std::size_t end = (i > start && text_[i - 1] == '\r') ? i - 1 : i;
                hard.push_back({start, end - start});
                start = i + 1;
            }
        }
    }
    hard.push_back({start, text_.size() - start});
    std::vector<Line> lines;
    if (wrapWidth > 0) {
        const MeasuringDC measuring(font_.ForDrawing());
        for (const Line& line : hard) WrapLine(measuring.dc(), line, wrapWidth, lines);
    } else {
        lines = std::move(hard);
    }
    layout_ = {text_, multiline, wrapWidth, font_.Get(), passwordChar_, std::move(lines)};
    return layout_.lines;
}

// Splits a line of the text into lines no wider than `width`. A line breaks
// after its last space that fits (the spaces stay at its end), else before
// or after a Chinese character, else after the last character that fits;
// it always holds at least one character.
void Edit::WrapLine(HDC dc, const Line& line, int width, std::vector<Line>& out) const {
    const std::size_t end = line.start + line.length;
    std::size_t start = line.start;
    for (;;) {
        int x = 0;
        std::size_t at = start, lastBreak = start;
        while (at < end) {
            const std::size_t size = AnsiCharSize(text_, at);
            const int charWidth = WidthOf(dc, std::string_view(text_).substr(at, size));
            if (x + charWidth > width && at > start) break;
            x += charWidth;
            const bool wide = size > 1 || (at + size < end && AnsiCharSize(text_, at + size) > 1);
            at += size;
            if (text_[at - size] == ' ' || wide) lastBreak = at;
        }
        if (at < end && text_[at] == ' ') {
            while (at < end && text_[at] == ' ') ++at;
            lastBreak = at;
        }
        if (at >= end) {
            out.push_back({start, end - start});
            return;
        }
        const std::size_t next = lastBreak > start ? lastBreak : at;
        out.push_back({start, next - start, true});
        start = next;
    }
}

std::size_t Edit::LineOf(std::size_t offset) const {
    const auto& lines = Lines();
    for (std::size_t i = 1; i < lines.size(); ++i)
        if (lines[i].start > offset) return i - 1;
    return lines.size() - 1;
}

// Where the caret stands at the end of a line: a wrapped line's end is the
// next line's start, so it stops before the last character (its space).
std::size_t Edit::LineEnd(const Line& line) const {
    const std::size_t end = line.start + line.length;
    return line.wrapped ? std::max(line.start, PrevChar(end)) : end;
}

std::size_t Edit::Snap(std::size_t offset) const { return SnapOffset(text_, offset); }
std::size_t Edit::NextChar(std::size_t offset) const { return NextCharOffset(text_, offset); }
std::size_t Edit::PrevChar(std::size_t offset) const { return PrevCharOffset(text_, offset); }

std::size_t Edit::WordEdge(std::size_t offset, bool forward) const {
    if (forward) {
        while (offset < text_.size() && IsWordByte(text_[offset])) offset = NextChar(offset);
        while (offset < text_.size() && !IsWordByte(text_[offset])) offset = NextChar(offset);
        return offset;
    }
    while (offset > 0 && !IsWordByte(text_[PrevChar(offset)])) offset = PrevChar(offset);
    while (offset > 0 && IsWordByte(text_[PrevChar(offset)])) offset = PrevChar(offset);
    return offset;
}

// ---- Geometry ---------------------------------------------------------------------

// What the user sees of a piece of text: the password character once per character.
AnsiString Edit::Shown(std::string_view text) const {
    if (!passwordChar_) return AnsiString(text);
    return AnsiString(CharCount(text), passwordChar_);
}

int Edit::WidthOf(HDC dc, std::string_view text) const { return TextWidth(dc, Shown(text)); }

int Edit::LineX(HDC dc, const Line& line) const {
    const int width = formatRect_.right - formatRect_.left;
    const int textWidth = WidthOf(dc, std::string_view(text_).substr(line.start, line.length));
    int x = formatRect_.left - scrollX_;
    if (textWidth < width) {
        const DWORD align = Style(window_) & (ES_CENTER | ES_RIGHT);
        if (align == ES_RIGHT) x = formatRect_.right - textWidth;
        if (align == ES_CENTER) x = formatRect_.left + (width - textWidth) / 2;
    }
    return x;
}

POINT Edit::PosFromChar(std::size_t offset) const {
    const std::size_t index = LineOf(offset);
    const Line& line = Lines()[index];
    const MeasuringDC measuring(font_.ForDrawing());
    const HDC dc = measuring.dc();
    const std::size_t inLine = std::min(offset - line.start, line.length);
    const int x = LineX(dc, line) + WidthOf(dc, std::string_view(text_).substr(line.start, inLine));
    const int y = formatRect_.top + (int(index) - int(firstLine_)) * LineHeight();
    return {x, y};
}

// The character boundary nearest to a point.
std::size_t Edit::CharFromPos(POINT p) const {
    const auto& lines = Lines();
    const int row = (p.y - formatRect_.top) / std::max(1, LineHeight()) + int(firstLine_);
    const Line& line = lines[std::size_t(std::clamp(row, 0, int(lines.size()) - 1))];
    const MeasuringDC measuring(font_.ForDrawing());
    const HDC dc = measuring.dc();
    const int left = LineX(dc, line);
    std::size_t best = line.start;
    int previousX = left;
    for (std::size_t i = line.start; i < LineEnd(line);) {
        const std::size_t next = i + AnsiCharSize(text_, i);
        const int x = left + WidthOf(dc, std::string_view(text_).substr(line.start, next - line.start));
        if (p.x < (previousX + x) / 2) break;
        best = next;
        previousX = x;
        i = next;
    }
    return best;
}

void Edit::UpdateFormatRect() {
    if (customRect_) return;
    RECT client = ClientRect(window_);
    client.left += leftMargin_;
    client.right -= rightMargin_;
    // A pixel between the border and the text above and below, where the
    // height leaves room for it, so no glyph touches or crosses the border.
    if (client.bottom - client.top >= LineHeight() + 2) InflateRect(&client, 0, -1);
    formatRect_ = client;
}

// ---- Selection and caret ---------------------------------------------------------

void Edit::Select(std::size_t anchor, std::size_t caret) {
    anchor_ = Snap(anchor);
    caret_ = Snap(caret);
    ScrollCaret();
    Redraw();
}

void Edit::MoveCaret(std::size_t to, bool extend) { Select(extend ? anchor_ : to, to); }

void Edit::ScrollCaret() {
    const int width = formatRect_.right - formatRect_.left;
    const POINT p = PosFromChar(caret_);
    if (Wrapping())
        scrollX_ = 0;
    else if (p.x < formatRect_.left)
        scrollX_ = std::max(0, scrollX_ - (formatRect_.left - p.x) - width / 4);
    else if (p.x >= formatRect_.right)
        scrollX_ += p.x - formatRect_.right + 1 + width / 4;
    if (Multiline()) {
        const std::size_t line = LineOf(caret_);
        const int height = formatRect_.bottom - formatRect_.top;
        const std::size_t visible = std::size_t(std::max(1, height / std::max(1, LineHeight())));
        if (line < firstLine_) firstLine_ = line;
        if (line >= firstLine_ + visible) firstLine_ = line - visible + 1;
    }
    PlaceCaret();
}

std::size_t Edit::VisibleLines() const {
    const int height = formatRect_.bottom - formatRect_.top;
    return std::size_t(std::max(1, height / std::max(1, LineHeight())));
}

void Edit::UpdateScrollBar() {
    if (!Multiline() || !(Style(window_) & WS_VSCROLL)) return;
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = int(Lines().size()) - 1;
    info.nPage = UINT(VisibleLines());
    info.nPos = int(firstLine_);
    SetScrollInfo(window_, SB_VERT, &info, TRUE);
}

void Edit::VerticalScroll(WPARAM request) {
    if (!Multiline()) return;
    const std::intptr_t count = std::intptr_t(Lines().size()), page = std::intptr_t(VisibleLines());
    std::intptr_t line = std::intptr_t(firstLine_);
    switch (LOWORD(request)) {
    case SB_LINEUP: --line; break;
    case SB_LINEDOWN: ++line; break;
    case SB_PAGEUP: line -= page; break;
    case SB_PAGEDOWN: line += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: line = HIWORD(request); break;
    case SB_TOP: line = 0; break;
    case SB_BOTTOM: line = count; break;
    default: return;
    }
    firstLine_ = std::size_t(std::clamp<std::intptr_t>(line, 0, std::max<std::intptr_t>(count - page, 0)));
    PlaceCaret();
    Redraw();
}

void Edit::PlaceCaret() {
    if (!focused_) return;
    const POINT p = PosFromChar(caret_);
    SetCaretPos(p.x, p.y);
}

// ---- Changes ----------------------------------------------------------------------

// Typed text as the styles want it.
AnsiString Edit::AdjustTyped(AnsiString text) const {
    const DWORD style = Style(window_);
    for (char& c : text) {
        if ((style & ES_UPPERCASE) && c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
        if ((style & ES_LOWERCASE) && c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    }
    return text;
}

// Replaces the selection with as much of `text` as the limit lets in
// (whole characters only). Answers false when nothing could be changed.
bool Edit::Replace(const AnsiString& text, bool undoable) {
    const std::size_t start = SelStart(), end = SelEnd();
    const std::size_t room = limit_ > text_.size() - (end - start) ? limit_ - (text_.size() - (end - start)) : 0;
    const AnsiString fitting = WholeCharacters(text, room);
    if (fitting.size() < text.size()) NotifyCommand(window_, EN_MAXTEXT);
    if (fitting.empty() && start == end) return false;
    if (undoable) {
        undoText_ = text_;
        undoAnchor_ = anchor_;
        undoCaret_ = caret_;
        canUndo_ = true;
    }
    text_.replace(start, end - start, fitting);
    anchor_ = caret_ = start + fitting.size();
    modified_ = true;
    ScrollCaret();
    Redraw();
    NotifyCommand(window_, EN_UPDATE);
    NotifyCommand(window_, EN_CHANGE);
    return true;
}

void Edit::TypeByte(char byte) {
    if (!pending_.empty() || IsDBCSLeadByte(Byte(byte))) {
        if (!GatherTypedByte(pending_, byte)) return;
        const AnsiString whole = std::move(pending_);
        pending_.clear();
        if (ReadOnly() || (Style(window_) & ES_NUMBER)) {
            MessageBeep(0);
            return;
        }
        Replace(whole, true);
        return;
    }
    const bool control = Byte(byte) < 0x20;
    if (control && byte != '\t' && byte != '\r') return;
    if ((byte == '\t' || byte == '\r') && !Multiline()) return;
    if (ReadOnly() || ((Style(window_) & ES_NUMBER) && (byte < '0' || byte > '9'))) {
        MessageBeep(0);
        return;
    }
    if (!Replace(byte == '\r' ? AnsiString("\r\n") : AdjustTyped(AnsiString(1, byte)), true)) MessageBeep(0);
}

void Edit::Undo() {
    if (!canUndo_ || ReadOnly()) return;
    // Undoing twice redoes: the undone state becomes the one to go back to.
    std::swap(text_, undoText_);
    const std::size_t anchor = anchor_, caret = caret_;
    anchor_ = Snap(undoAnchor_);
    caret_ = Snap(undoCaret_);
    undoAnchor_ = anchor;
    undoCaret_ = caret;
    modified_ = true;
    ScrollCaret();
    Redraw();
    NotifyCommand(window_, EN_CHANGE);
}

void Edit::Copy() const {
    // A password never leaves the edit.
    if (passwordChar_ || SelStart() == SelEnd()) return;
    CopyTextToClipboard(window_, text_.substr(SelStart(), SelEnd() - SelStart()));
}

void Edit::Cut() {
    if (passwordChar_ || ReadOnly()) return;
    Copy();
    Clear();
}

void Edit::Paste() {
    if (ReadOnly()) return;
    AnsiString text = PasteTextFromClipboard(window_);
    if (!Multiline()) text = text.substr(0, std::min(text.find('\r'), text.find('\n')));
    if (!text.empty()) Replace(AdjustTyped(text), true);
}

void Edit::Clear() {
    if (!ReadOnly() && SelStart() != SelEnd()) Replace(AnsiString(), true);
}

void Edit::SetText(const char* text) {
    text_ = text ? text : "";
    anchor_ = caret_ = 0;
    scrollX_ = 0;
    firstLine_ = 0;
    canUndo_ = false;
    modified_ = false;
    pending_.clear();
    ScrollCaret();
    Redraw();
    NotifyCommand(window_, EN_UPDATE);
    NotifyCommand(window_, EN_CHANGE);
}

void Edit::SetPasswordChar(char c) {
    passwordChar_ = c;
    const DWORD style = Style(window_);
    const DWORD wanted = c ? (style | ES_PASSWORD) : (style & ~ES_PASSWORD);
    if (wanted != style) SetWindowLongPtr(window_, GWL_STYLE, LONG_PTR(wanted));
    // The input method stays off in password edits.
    if (c && !inputContextSaved_) {
        inputContext_ = ImmAssociateContext(window_, 0);
        inputContextSaved_ = true;
    } else if (!c && inputContextSaved_) {
        ImmAssociateContext(window_, inputContext_);
        inputContextSaved_ = false;
    }
    Redraw();
}

void Edit::KeyDown(WPARAM key) {
    const bool shift = ShiftDown(), control = ControlDown();
    const auto lines = Lines();
    const std::size_t lineIndex = LineOf(caret_);
    const Line& line = lines[lineIndex];
    switch (key) {
    case VK_LEFT:
        if (!shift && SelStart() != SelEnd()) return MoveCaret(SelStart(), false);
        return MoveCaret(control ? WordEdge(caret_, false) : PrevChar(caret_), shift);
    case VK_RIGHT:
        if (!shift && SelStart() != SelEnd()) return MoveCaret(SelEnd(), false);
        return MoveCaret(control ? WordEdge(caret_, true) : NextChar(caret_), shift);
    case VK_HOME:
        return MoveCaret(control ? 0 : line.start, shift);
    case VK_END:
        return MoveCaret(control ? text_.size() : LineEnd(line), shift);
    case VK_UP:
    case VK_DOWN: {
        if (!Multiline()) return MoveCaret(key == VK_UP ? PrevChar(caret_) : NextChar(caret_), shift);
        if ((key == VK_UP && lineIndex == 0) || (key == VK_DOWN && lineIndex + 1 == lines.size())) return;
        POINT p = PosFromChar(caret_);
        p.y += key == VK_UP ? -LineHeight() : LineHeight();
        return MoveCaret(CharFromPos(p), shift);
    }
    case VK_DELETE:
        if (ReadOnly()) return;
        if (shift) return Cut();
        if (SelStart() == SelEnd()) {
            if (caret_ >= text_.size()) return;
            anchor_ = NextChar(caret_);
        }
        Clear();
        return;
    case VK_INSERT:
        if (control) Copy();
        if (shift) Paste();
        return;
    default:
        return;
    }
}

// ---- Painting ---------------------------------------------------------------------

void Edit::PaintLine(HDC dc, const Line& line, int y, bool enabled) {
    const std::size_t lineEnd = line.start + line.length;
    const bool showSelection = focused_ || (Style(window_) & ES_NOHIDESEL);
    const std::size_t selStart = std::clamp(SelStart(), line.start, lineEnd);
    const std::size_t selEnd = std::clamp(SelEnd(), line.start, lineEnd);
    int x = LineX(dc, line);
    const COLORREF normal = enabled ? GetTextColor(dc) : GetSysColor(COLOR_GRAYTEXT);
    const std::size_t cuts[] = {line.start, selStart, selEnd, lineEnd};
    for (int part = 0; part < 3; ++part) {
        const std::string_view piece = std::string_view(text_).substr(cuts[part], cuts[part + 1] - cuts[part]);
        if (piece.empty()) continue;
        const AnsiString shown = Shown(piece);
        const bool selected = part == 1 && showSelection;
        SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : normal);
        SetBkMode(dc, selected ? OPAQUE : TRANSPARENT);
        SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
        TextOut(dc, x, y, shown.c_str(), int(shown.size()));
        x += TextWidth(dc, shown);
    }
}

void Edit::Paint(HDC dc) {
    const RECT client = ClientRect(window_);
    const bool enabled = Enabled(window_);
    const HBRUSH brush = ControlBrush(window_, dc, (enabled && !ReadOnly()) ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC);
    FillRect(dc, &client, brush);
    const COLORREF textColour = GetTextColor(dc);
    const HGDIOBJ oldFont = SelectObject(dc, font_.ForDrawing());
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, formatRect_.left, formatRect_.top, formatRect_.right, formatRect_.bottom);
    const auto lines = Lines();
    const int height = LineHeight();
    for (std::size_t i = firstLine_; i < lines.size(); ++i) {
        const int y = formatRect_.top + int(i - firstLine_) * height;
        if (y >= formatRect_.bottom) break;
        SetTextColor(dc, textColour);
        PaintLine(dc, lines[i], y, enabled);
    }
    RestoreDC(dc, saved);
    SelectObject(dc, oldFont);
}

// ---- Messages ---------------------------------------------------------------------

LRESULT Edit::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result; HandleEditingMessage(*this, message, wParam, lParam, result)) return result;
    switch (message) {
    case WM_CREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        text_ = cs && cs->lpszName ? cs->lpszName : "";
        UpdateFormatRect();
        if (Style(window_) & ES_PASSWORD) SetPasswordChar('*');
        return 0;
    }
    case WM_SIZE:
        UpdateFormatRect();
        ScrollCaret();
        Redraw();
        return 0;
    case WM_SETFONT:
        UpdateFormatRect();
        if (focused_) {
            CreateCaret(window_, 0, 1, LineHeight());
            ShowCaret(window_);
        }
        ScrollCaret();
        return 0;
    case WM_SETTEXT:
        SetText(reinterpret_cast<const char*>(lParam));
        return TRUE;
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | (Multiline() ? DLGC_WANTALLKEYS : 0);
    case WM_ENABLE:
        Redraw();
        return 0;
    case WM_STYLECHANGED:
        if ((Style(window_) & ES_PASSWORD) && !passwordChar_) SetPasswordChar('*');
        Redraw();
        return 0;
    case WM_LBUTTONDBLCLK: {
        const std::size_t at = CharFromPos({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        std::size_t start = at;
        while (start > 0 && IsWordByte(text_[PrevChar(start)])) start = PrevChar(start);
        std::size_t end = at;
        while (end < text_.size() && IsWordByte(text_[end])) end = NextChar(end);
        Select(start, end);
        return 0;
    }
    case WM_CAPTURECHANGED:
        selecting_ = false;
        return 0;
    case WM_KEYDOWN:
        KeyDown(wParam);
        return 0;
    case EM_REPLACESEL:
        Replace(lParam ? reinterpret_cast<const char*>(lParam) : "", wParam != 0);
        return 0;
    case EM_LIMITTEXT:
        limit_ = wParam ? std::size_t(wParam) : noLimit;
        return 0;
    case EM_SCROLLCARET:
        ScrollCaret();
        Redraw();
        return TRUE;
    case EM_SETMARGINS: {
        int average = 0;
        font_.TextHeight(&average);
        const auto margin = [&](int value) { return value == int(EC_USEFONTINFO) ? average / 2 : value; };
        if (wParam & EC_LEFTMARGIN) leftMargin_ = margin(LOWORD(lParam));
        if (wParam & EC_RIGHTMARGIN) rightMargin_ = margin(HIWORD(lParam));
        UpdateFormatRect();
        Redraw();
        return 0;
    }
    case EM_GETMARGINS:
        return MAKELONG(WORD(leftMargin_), WORD(rightMargin_));
    case EM_SETPASSWORDCHAR:
        SetPasswordChar(char(wParam));
        return 0;
    case EM_GETPASSWORDCHAR:
        return Byte(passwordChar_);
    case EM_CHARFROMPOS: {
        const std::size_t at = CharFromPos({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return MAKELONG(WORD(at), WORD(LineOf(at)));
    }
    case EM_POSFROMCHAR: {
        if (wParam > text_.size()) return -1;
        const POINT p = PosFromChar(Snap(wParam));
        return MAKELONG(WORD(p.x), WORD(p.y));
    }
    case EM_GETLINECOUNT:
        return LRESULT(Lines().size());
    case EM_LINEFROMCHAR:
        return LRESULT(LineOf(std::intptr_t(wParam) < 0 ? SelStart() : std::min(wParam, text_.size())));
    case EM_LINEINDEX: {
        const auto lines = Lines();
        const std::size_t line = std::intptr_t(wParam) < 0 ? LineOf(caret_) : wParam;
        return line < lines.size() ? LRESULT(lines[line].start) : -1;
    }
    case EM_LINELENGTH: {
        const std::size_t at = std::intptr_t(wParam) < 0 ? caret_ : std::min(wParam, text_.size());
        return LRESULT(Lines()[LineOf(at)].length);
    }
    case EM_GETLINE: {
        const auto lines = Lines();
        char* out = reinterpret_cast<char*>(lParam);
        if (wParam >= lines.size() || !out) return 0;
        const std::size_t room = *reinterpret_cast<const WORD*>(out);
        const AnsiString line = WholeCharacters(text_.substr(lines[wParam].start, lines[wParam].length), room);
        std::copy(line.begin(), line.end(), out);
        return LRESULT(line.size());
    }
    case EM_GETFIRSTVISIBLELINE:
        return LRESULT(firstLine_);
    case WM_VSCROLL:
        VerticalScroll(wParam);
        return 0;
    case EM_LINESCROLL:
        if (Multiline()) {
            const auto lines = Lines();
            firstLine_ = std::size_t(std::clamp<std::intptr_t>(std::intptr_t(firstLine_) + lParam, 0,
                                                               std::intptr_t(lines.size()) - 1));
        }
        scrollX_ = std::max(0, scrollX_ + int(std::intptr_t(wParam)) * std::max(1, LineHeight() / 2));
        PlaceCaret();
        Redraw();
        return TRUE;
    default:
        break;
    }
    return DefWindowProc(window_, message, wParam, lParam);
}

}  // namespace

void RegisterEditClass() {
    RegisterControlClass("Edit", &ControlProcedure<Edit>, CS_DBLCLKS, 0, IDC_IBEAM);
}

}  // namespace ctl
