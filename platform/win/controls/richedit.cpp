// The "RichEdit20A" window class: text in several fonts, colours and
// paragraph alignments, edited as the platform's edit edits (byte offsets on
// character boundaries, "\r\n" paragraph breaks, one level of undo), read
// and written as RTF or plain text through EM_STREAMIN/EM_STREAMOUT, and
// rendered into any device context through EM_FORMATRANGE.
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/rtl/codepage.h"
#include "platform/rtl/sysutils.h"
#include "platform/win/clipboard.h"
#include "platform/win/controls/common.h"
#include "platform/win/controls/textcore.h"
#include "platform/win/richedit.h"
#include "platform/win/controls/richlayout.h"
#include "platform/win/userdraw.h"
#include "platform/win/userinput.h"

namespace ctl {
namespace {

constexpr std::size_t noLimit = 0x7FFFFFFE;
// The background colour when none was set: the parent decides, as for edits.
constexpr COLORREF kSystemBackground = 0xFFFFFFFF;

RichCharFormat FormatOfFont(HFONT font) {
    RichCharFormat format;
    LOGFONTA log{};
    if (!font || !GetObject(font, sizeof log, &log)) return format;
    format.face = log.lfFaceName;
    format.halfPoints = std::max(2, MulDiv(std::abs(int(log.lfHeight ? log.lfHeight : -11)), 144, 96));
    format.bold = log.lfWeight >= FW_BOLD;
    format.italic = log.lfItalic != 0;
    format.underline = log.lfUnderline != 0;
    format.strike = log.lfStrikeOut != 0;
    if (log.lfCharSet != DEFAULT_CHARSET) format.charset = log.lfCharSet;
    return format;
}

void ToCharFormat(const RichCharFormat& format, CHARFORMATA& out) {
    out.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_SIZE | CFM_COLOR | CFM_FACE | CFM_CHARSET;
    out.dwEffects = (format.bold ? CFE_BOLD : 0) | (format.italic ? CFE_ITALIC : 0) |
                    (format.underline ? CFE_UNDERLINE : 0) | (format.strike ? CFE_STRIKEOUT : 0) |
                    (format.autoColor ? CFE_AUTOCOLOR : 0);
    out.yHeight = format.halfPoints * 10;
    out.crTextColor = format.color;
    out.bCharSet = format.charset;
    std::memset(out.szFaceName, 0, sizeof out.szFaceName);
    std::strncpy(out.szFaceName, format.face.c_str(), sizeof out.szFaceName - 1);
}

// The fields of `change` that its mask names, applied to `format`.
void ApplyCharFormat(const CHARFORMATA& change, RichCharFormat& format) {
    const DWORD mask = change.dwMask, effects = change.dwEffects;
    if (mask & CFM_BOLD) format.bold = effects & CFE_BOLD;
    if (mask & CFM_ITALIC) format.italic = effects & CFE_ITALIC;
    if (mask & CFM_UNDERLINE) format.underline = effects & CFE_UNDERLINE;
    if (mask & CFM_STRIKEOUT) format.strike = effects & CFE_STRIKEOUT;
    if (mask & CFM_SIZE) format.halfPoints = std::max(2, int(change.yHeight / 10));
    if (mask & CFM_FACE) format.face = AnsiString(change.szFaceName, strnlen(change.szFaceName, sizeof change.szFaceName));
    if (mask & CFM_CHARSET) format.charset = change.bCharSet;
    if (mask & CFM_COLOR) {
        format.autoColor = (effects & CFE_AUTOCOLOR) != 0;
        format.color = format.autoColor ? 0 : change.crTextColor;
    }
}

class RichEdit {
public:
    explicit RichEdit(HWND window) : window_(window) {}
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);
    ControlFont& Font() { return font_; }

private:
    template <class Control>
    friend bool ctl::HandleEditingMessage(Control&, UINT, WPARAM, LPARAM, LRESULT&);

    bool ReadOnly() const { return (Style(window_) & ES_READONLY) != 0; }
    bool Wrapping() const { return !(Style(window_) & ES_AUTOHSCROLL) || !(Style(window_) & ES_MULTILINE); }
    bool Multiline() const { return (Style(window_) & ES_MULTILINE) != 0; }
    std::size_t SelStart() const { return std::min(anchor_, caret_); }
    std::size_t SelEnd() const { return std::max(anchor_, caret_); }
    const AnsiString& Text() const { return doc_.Text(); }
    int FormatWidth() const { return int(formatRect_.right - formatRect_.left); }

    const std::vector<RichLine>& Lines();
    std::size_t LineOf(std::size_t offset);
    POINT PosFromChar(std::size_t offset);
    std::size_t CharFromPos(POINT p);
    std::size_t Snap(std::size_t offset) const;
    std::size_t NextChar(std::size_t offset) const;
    std::size_t PrevChar(std::size_t offset) const;
    void UpdateFormatRect();

    void Select(std::size_t anchor, std::size_t caret);
    void MoveCaret(std::size_t to, bool extend) { Select(extend ? anchor_ : to, to); }
    void PlaceCaret();
    void ScrollCaret() { PlaceCaret(); }
    int CaretHeight() { return Lines()[LineOf(caret_)].height; }
    void Changed();
    void Redraw() { InvalidateRect(window_, nullptr, TRUE); }
    void RequestResize();
    bool Replace(const AnsiString& text, bool undoable);
    void Load(RichText doc, bool selectionOnly);
    void TypeByte(char byte);
    void KeyDown(WPARAM key);
    void Copy();
    void Cut() {
        Copy();
        Clear();
    }
    void Paste();
    void Clear();
    void Undo();

    LRESULT StreamIn(WPARAM format, EDITSTREAM* stream);
    LRESULT StreamOut(WPARAM format, EDITSTREAM* stream);
    LRESULT FormatRange(bool render, FORMATRANGE* range);
    LRESULT SetCharFormat(WPARAM scope, const CHARFORMATA* change);
    LRESULT GetCharFormat(WPARAM scope, CHARFORMATA* out);

    HWND window_;
    ControlFont font_;
    RichText doc_;
    std::unique_ptr<RichFonts> fonts_ = std::make_unique<RichFonts>();
    std::unique_ptr<RichFonts> targetFonts_;  // EM_FORMATRANGE's, until released
    std::vector<RichLine> lines_;
    bool linesValid_ = false;
    std::size_t anchor_ = 0, caret_ = 0;
    std::size_t limit_ = noLimit;
    RichCharFormat insertFormat_;
    bool insertFormatSet_ = false;  // EM_SETCHARFORMAT on an empty selection
    DWORD eventMask_ = 0;
    bool modified_ = false;
    RichText undoDoc_;
    std::size_t undoAnchor_ = 0, undoCaret_ = 0;
    bool canUndo_ = false;
    RECT formatRect_{};
    bool customRect_ = false;
    int scrollY_ = 0;
    bool focused_ = false, selecting_ = false, hideSelection_ = false;
    COLORREF background_ = kSystemBackground;
    AnsiString pending_;
};

// ---- Structure and geometry ----------------------------------------------------

const std::vector<RichLine>& RichEdit::Lines() {
    if (!linesValid_) {
        const MeasuringDC measuring(font_.ForDrawing());
        lines_ = LayoutRichText(measuring.dc(), doc_, 0, doc_.Size(), FormatWidth(), Wrapping(), *fonts_);
        linesValid_ = true;
    }
    return lines_;
}

std::size_t RichEdit::LineOf(std::size_t offset) {
    const auto& lines = Lines();
    for (std::size_t i = 1; i < lines.size(); ++i)
        if (lines[i].start > offset) return i - 1;
    return lines.size() - 1;
}

POINT RichEdit::PosFromChar(std::size_t offset) {
    const RichLine line = Lines()[LineOf(offset)];
    const MeasuringDC measuring(font_.ForDrawing());
    const std::vector<int> offsets = RichLineOffsets(measuring.dc(), doc_, line, *fonts_);
    const std::size_t inLine = std::min(offset, line.end) - std::min(line.start, offset);
    const int x = RichLineX(line, formatRect_.left, FormatWidth()) + offsets[std::min(inLine, offsets.size() - 1)];
    return {x, formatRect_.top + line.top - scrollY_};
}

std::size_t RichEdit::CharFromPos(POINT p) {
    const auto& lines = Lines();
    std::size_t index = 0;
    while (index + 1 < lines.size() && formatRect_.top + lines[index + 1].top - scrollY_ <= p.y) ++index;
    const RichLine line = lines[index];
    const MeasuringDC measuring(font_.ForDrawing());
    const std::vector<int> offsets = RichLineOffsets(measuring.dc(), doc_, line, *fonts_);
    const int left = RichLineX(line, formatRect_.left, FormatWidth());
    std::size_t best = line.start;
    for (std::size_t i = line.start; i < line.end;) {
        const std::size_t next = i + AnsiCharSize(Text(), i);
        if (p.x < left + (offsets[i - line.start] + offsets[next - line.start]) / 2) break;
        best = next;
        i = next;
    }
    return best;
}

std::size_t RichEdit::Snap(std::size_t offset) const { return SnapOffset(Text(), offset); }
std::size_t RichEdit::NextChar(std::size_t offset) const { return NextCharOffset(Text(), offset); }
std::size_t RichEdit::PrevChar(std::size_t offset) const { return PrevCharOffset(Text(), offset); }

void RichEdit::UpdateFormatRect() {
    if (!customRect_) formatRect_ = ClientRect(window_);
    linesValid_ = false;
}

// ---- Selection, changes and notifications ----------------------------------------

void RichEdit::Select(std::size_t anchor, std::size_t caret) {
    const std::size_t oldStart = SelStart(), oldEnd = SelEnd(), oldCaret = caret_;
    anchor_ = Snap(anchor);
    caret_ = Snap(caret);
    // A format chosen for typing holds only while the caret stays put.
    if (anchor_ != caret_ || caret_ != oldCaret) insertFormatSet_ = false;
    PlaceCaret();
    Redraw();
    if ((eventMask_ & ENM_SELCHANGE) && (oldStart != SelStart() || oldEnd != SelEnd())) {
        SELCHANGE change;
        change.chrg = {LONG(SelStart()), LONG(SelEnd())};
        change.seltyp = SelStart() == SelEnd() ? SEL_EMPTY : SEL_TEXT;
        NotifyParent(window_, change.nmhdr, EN_SELCHANGE);
    }
}

void RichEdit::PlaceCaret() {
    if (!focused_) return;
    const POINT p = PosFromChar(caret_);
    SetCaretPos(p.x, p.y);
}

void RichEdit::Changed() {
    linesValid_ = false;
    modified_ = true;
    Redraw();
    if (eventMask_ & ENM_CHANGE) NotifyCommand(window_, EN_CHANGE);
    if (eventMask_ & ENM_REQUESTRESIZE) RequestResize();
}

// The rectangle the content needs: the formatting rectangle's width when
// the lines wrap, the widest line's otherwise, and the lines' height.
void RichEdit::RequestResize() {
    const auto& lines = Lines();
    int width = 0;
    for (const RichLine& line : lines) width = std::max(width, line.width);
    REQRESIZE request;
    const int height = lines.back().top + lines.back().height;
    request.rc = Rect(formatRect_.left, formatRect_.top, formatRect_.left + (Wrapping() ? FormatWidth() : width),
                      formatRect_.top + height);
    NotifyParent(window_, request.nmhdr, EN_REQUESTRESIZE);
}

RichCharFormat InsertFormatAt(const RichText& doc, std::size_t offset) {
    return doc.FormatAt(offset > 0 ? offset - 1 : 0);
}

bool RichEdit::Replace(const AnsiString& text, bool undoable) {
    const std::size_t start = SelStart(), end = SelEnd();
    const std::size_t kept = Text().size() - (end - start);
    const std::size_t room = limit_ > kept ? limit_ - kept : 0;
    const AnsiString fitting = text.substr(0, AnsiCharStart(text, std::min(room, text.size())));
    if (fitting.empty() && start == end) return false;
    if (undoable) {
        undoDoc_ = doc_;
        undoAnchor_ = anchor_;
        undoCaret_ = caret_;
        canUndo_ = true;
    }
    const RichCharFormat format = insertFormatSet_ ? insertFormat_ : doc_.Size() ? InsertFormatAt(doc_, start == end ? start : start + 1) : doc_.DefaultFormat();
    doc_.Replace(start, end, fitting, format);
    insertFormatSet_ = false;
    Changed();
    Select(start + fitting.size(), start + fitting.size());
    return true;
}

void RichEdit::Load(RichText doc, bool selectionOnly) {
    if (!selectionOnly) {
        doc.SetDefaultFormat(doc_.DefaultFormat());
        doc_ = std::move(doc);
        anchor_ = caret_ = 0;
        canUndo_ = false;
        scrollY_ = 0;
        Changed();
        modified_ = false;
        return;
    }
    const std::size_t start = SelStart();
    RichText merged = doc_;
    merged.Replace(start, SelEnd(), "", doc_.DefaultFormat());
    for (std::size_t i = 0; i < doc.Size(); ++i) merged.Replace(start + i, start + i, doc.Text().substr(i, 1), doc.FormatAt(i));
    doc_ = std::move(merged);
    anchor_ = caret_ = start + doc.Size();
    Changed();
}

void RichEdit::TypeByte(char byte) {
    if (!pending_.empty() || IsDBCSLeadByte(Byte(byte))) {
        if (!GatherTypedByte(pending_, byte)) return;
        const AnsiString whole = std::move(pending_);
        pending_.clear();
        if (!ReadOnly()) Replace(whole, true);
        return;
    }
    if (Byte(byte) < 0x20 && byte != '\t' && byte != '\r') return;
    if (ReadOnly() || (byte == '\r' && !Multiline())) return;
    Replace(byte == '\r' ? AnsiString("\r\n") : AnsiString(1, byte), true);
}

void RichEdit::Copy() {
    if (SelStart() != SelEnd()) CopyTextToClipboard(window_, Text().substr(SelStart(), SelEnd() - SelStart()));
}

void RichEdit::Paste() {
    if (!ReadOnly()) Replace(PasteTextFromClipboard(window_), true);
}

void RichEdit::Clear() {
    if (!ReadOnly() && SelStart() != SelEnd()) Replace(AnsiString(), true);
}

void RichEdit::Undo() {
    if (!canUndo_ || ReadOnly()) return;
    std::swap(doc_, undoDoc_);
    const std::size_t anchor = anchor_, caret = caret_;
    anchor_ = std::min(undoAnchor_, Text().size());
    caret_ = std::min(undoCaret_, Text().size());
    undoAnchor_ = anchor;
    undoCaret_ = caret;
    Changed();
}

void RichEdit::KeyDown(WPARAM key) {
    const bool shift = ShiftDown(), control = ControlDown();
    const std::size_t index = LineOf(caret_);
    const RichLine line = Lines()[index];
    switch (key) {
    case VK_LEFT:
        if (!shift && SelStart() != SelEnd()) return MoveCaret(SelStart(), false);
        return MoveCaret(PrevChar(caret_), shift);
    case VK_RIGHT:
        if (!shift && SelStart() != SelEnd()) return MoveCaret(SelEnd(), false);
        return MoveCaret(NextChar(caret_), shift);
    case VK_HOME:
        return MoveCaret(control ? 0 : line.start, shift);
    case VK_END:
        return MoveCaret(control ? Text().size() : line.end, shift);
    case VK_UP:
    case VK_DOWN: {
        if ((key == VK_UP && index == 0) || (key == VK_DOWN && index + 1 == Lines().size())) return;
        POINT p = PosFromChar(caret_);
        p.y = formatRect_.top - scrollY_ + Lines()[key == VK_UP ? index - 1 : index + 1].top;
        return MoveCaret(CharFromPos(p), shift);
    }
    case VK_DELETE:
        if (ReadOnly()) return;
        if (SelStart() == SelEnd()) {
            if (caret_ >= Text().size()) return;
            anchor_ = NextChar(caret_);
        }
        return Clear();
    default:
        return;
    }
}

// ---- Streams, formats and rendering -----------------------------------------------

LRESULT RichEdit::StreamIn(WPARAM format, EDITSTREAM* stream) {
    if (!stream || !stream->pfnCallback) return 0;
    std::string data;
    BYTE buffer[4096];
    for (;;) {
        LONG done = 0;
        stream->dwError = stream->pfnCallback(stream->dwCookie, buffer, sizeof buffer, &done);
        if (stream->dwError || done <= 0) break;
        data.append(reinterpret_cast<const char*>(buffer), std::size_t(done));
    }
    RichText doc;
    if ((format & SF_RTF) && IsRtf(data)) {
        doc = ReadRtf(data, doc_.DefaultFormat());
    } else {
        doc = RichText(doc_.DefaultFormat());
        doc.Append(data, doc_.DefaultFormat());
    }
    const std::size_t size = doc.Size();
    Load(std::move(doc), (format & SFF_SELECTION) != 0);
    return LRESULT(size);
}

LRESULT RichEdit::StreamOut(WPARAM format, EDITSTREAM* stream) {
    if (!stream || !stream->pfnCallback) return 0;
    const bool selection = (format & SFF_SELECTION) != 0;
    const std::size_t start = selection ? SelStart() : 0, end = selection ? SelEnd() : Text().size();
    std::string data = (format & SF_RTF) ? WriteRtf(doc_, start, end) : Text().substr(start, end - start);
    std::size_t written = 0;
    while (written < data.size()) {
        LONG done = 0;
        const LONG count = LONG(std::min<std::size_t>(data.size() - written, 4096));
        stream->dwError = stream->pfnCallback(stream->dwCookie, reinterpret_cast<BYTE*>(data.data() + written), count, &done);
        if (stream->dwError || done <= 0) break;
        written += std::size_t(done);
    }
    return LRESULT(written);
}

// Renders (or only measures) a range inside a rectangle given in twips.
LRESULT RichEdit::FormatRange(bool render, FORMATRANGE* range) {
    if (!range) {
        targetFonts_.reset();
        return 0;
    }
    const HDC dc = range->hdc;
    const int dpiX = GetDeviceCaps(dc, LOGPIXELSX), dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    if (!targetFonts_) targetFonts_ = std::make_unique<RichFonts>(dpiY);
    const RECT twips = range->rc;
    const int left = MulDiv(twips.left, dpiX, 1440), top = MulDiv(twips.top, dpiY, 1440);
    const int right = MulDiv(twips.right, dpiX, 1440), bottom = MulDiv(twips.bottom, dpiY, 1440);
    const std::size_t from = std::size_t(std::max<LONG>(0, range->chrg.cpMin));
    const std::size_t to = range->chrg.cpMax < 0 ? Text().size() : std::size_t(range->chrg.cpMax);
    const auto lines = LayoutRichText(dc, doc_, from, to, right - left, true, *targetFonts_);
    std::size_t next = from;
    int used = 0;
    const COLORREF windowText = GetSysColor(COLOR_WINDOWTEXT);
    for (const RichLine& line : lines) {
        if (line.top + line.height > bottom - top && line.top > 0) break;
        if (render)  // a page shows no selection
            DrawRichLine(dc, doc_, line, RichLineX(line, left, right - left), top + line.top, *targetFonts_, 0, 0,
                         windowText);
        used = line.top + line.height;
        next = std::min(line.next, to);
    }
    range->rc.bottom = twips.top + MulDiv(used, 1440, dpiY);
    return LRESULT(next);
}

LRESULT RichEdit::SetCharFormat(WPARAM scope, const CHARFORMATA* change) {
    if (!change) return 0;
    if (scope & SCF_ALL) {
        doc_.ChangeFormat(0, doc_.Size(), [&](RichCharFormat& f) { ApplyCharFormat(*change, f); });
    } else if (scope & SCF_SELECTION) {
        if (SelStart() == SelEnd()) {
            if (!insertFormatSet_) insertFormat_ = doc_.Size() ? InsertFormatAt(doc_, caret_) : doc_.DefaultFormat();
            ApplyCharFormat(*change, insertFormat_);
            insertFormatSet_ = true;
            return 1;
        }
        doc_.ChangeFormat(SelStart(), SelEnd(), [&](RichCharFormat& f) { ApplyCharFormat(*change, f); });
    } else {
        RichCharFormat format = doc_.DefaultFormat();
        ApplyCharFormat(*change, format);
        doc_.SetDefaultFormat(format);
        if (doc_.Size() == 0) {
            linesValid_ = false;
            Redraw();
            return 1;
        }
    }
    Changed();
    return 1;
}

LRESULT RichEdit::GetCharFormat(WPARAM scope, CHARFORMATA* out) {
    if (!out) return 0;
    RichCharFormat format = doc_.DefaultFormat();
    if (scope & SCF_SELECTION) {
        if (insertFormatSet_)
            format = insertFormat_;
        else if (doc_.Size())
            format = SelStart() == SelEnd() ? InsertFormatAt(doc_, caret_) : doc_.FormatAt(SelStart());
    }
    ToCharFormat(format, *out);
    return LRESULT(out->dwMask);
}

// ---- Painting and messages ----------------------------------------------------

void RichEdit::Paint(HDC dc) {
    const RECT client = ClientRect(window_);
    const HBRUSH brush = background_ == kSystemBackground ? ControlBrush(window_, dc, WM_CTLCOLOREDIT) : 0;
    if (brush) {
        FillRect(dc, &client, brush);
    } else {
        const HBRUSH solid = CreateSolidBrush(background_);
        FillRect(dc, &client, solid);
        DeleteObject(solid);
    }
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, formatRect_.left, formatRect_.top, formatRect_.right, formatRect_.bottom);
    const bool showSelection = focused_ || (!hideSelection_ && (Style(window_) & ES_NOHIDESEL));
    const COLORREF windowText = Enabled(window_) ? GetSysColor(COLOR_WINDOWTEXT) : GetSysColor(COLOR_GRAYTEXT);
    for (const RichLine& line : Lines()) {
        const int y = formatRect_.top + line.top - scrollY_;
        if (y >= formatRect_.bottom) break;
        if (y + line.height <= formatRect_.top) continue;
        DrawRichLine(dc, doc_, line, RichLineX(line, formatRect_.left, FormatWidth()), y, *fonts_,
                     showSelection ? SelStart() : 0, showSelection ? SelEnd() : 0, windowText);
    }
    RestoreDC(dc, saved);
}

LRESULT RichEdit::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result; HandleEditingMessage(*this, message, wParam, lParam, result)) return result;
    switch (message) {
    case WM_CREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        doc_ = RichText(FormatOfFont(font_.ForDrawing()));
        if (cs && cs->lpszName && *cs->lpszName) doc_.Append(cs->lpszName, doc_.DefaultFormat());
        UpdateFormatRect();
        return 0;
    }
    case WM_SIZE:
        UpdateFormatRect();
        Redraw();
        return 0;
    case WM_SETFONT: {
        const RichCharFormat format = FormatOfFont(font_.ForDrawing());
        doc_.SetDefaultFormat(format);
        doc_.ChangeFormat(0, doc_.Size(), [&](RichCharFormat& f) { f = format; });
        linesValid_ = false;
        return 0;
    }
    case WM_SETTEXT: {
        const char* text = reinterpret_cast<const char*>(lParam);
        const std::string_view data = text ? text : "";
        RichText doc(doc_.DefaultFormat());
        if (IsRtf(data))
            doc = ReadRtf(data, doc_.DefaultFormat());
        else
            doc.Append(AnsiString(data), doc_.DefaultFormat());
        Load(std::move(doc), false);
        return TRUE;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | (Multiline() ? DLGC_WANTALLKEYS : 0);
    case WM_KEYDOWN:
        KeyDown(wParam);
        return 0;
    case EM_EXGETSEL:
        if (auto* range = reinterpret_cast<CHARRANGE*>(lParam)) *range = {LONG(SelStart()), LONG(SelEnd())};
        return 0;
    case EM_EXSETSEL:
        if (const auto* range = reinterpret_cast<const CHARRANGE*>(lParam))
            Select(std::size_t(std::max<LONG>(0, range->cpMin)),
                   range->cpMax < 0 ? Text().size() : std::size_t(range->cpMax));
        return LRESULT(SelEnd());
    case EM_REPLACESEL:
        Replace(lParam ? reinterpret_cast<const char*>(lParam) : "", wParam != 0);
        return 0;
    case EM_GETSELTEXT: {
        const AnsiString selected = Text().substr(SelStart(), SelEnd() - SelStart());
        if (char* out = reinterpret_cast<char*>(lParam)) std::memcpy(out, selected.c_str(), selected.size() + 1);
        return LRESULT(selected.size());
    }
    case EM_LIMITTEXT:
    case EM_EXLIMITTEXT:
        limit_ = lParam || wParam ? std::size_t(message == EM_LIMITTEXT ? wParam : std::uintptr_t(lParam)) : noLimit;
        return 0;
    case EM_HIDESELECTION:
        hideSelection_ = wParam != 0;
        Redraw();
        return 0;
    case EM_SETBKGNDCOLOR: {
        const COLORREF old = background_;
        background_ = wParam ? kSystemBackground : COLORREF(lParam);
        Redraw();
        return LRESULT(old == kSystemBackground ? GetSysColor(COLOR_WINDOW) : old);
    }
    case EM_SETEVENTMASK: {
        const DWORD old = eventMask_;
        eventMask_ = DWORD(lParam);
        return LRESULT(old);
    }
    case EM_GETEVENTMASK:
        return LRESULT(eventMask_);
    case EM_REQUESTRESIZE:
        RequestResize();
        return 0;
    case EM_SETCHARFORMAT:
        return SetCharFormat(wParam, reinterpret_cast<const CHARFORMATA*>(lParam));
    case EM_GETCHARFORMAT:
        return GetCharFormat(wParam, reinterpret_cast<CHARFORMATA*>(lParam));
    case EM_SETPARAFORMAT: {
        const auto* para = reinterpret_cast<const PARAFORMAT*>(lParam);
        if (!para || !(para->dwMask & PFM_ALIGNMENT)) return 0;
        const RichAlignment alignment = para->wAlignment == PFA_RIGHT    ? RichAlignment::Right
                                        : para->wAlignment == PFA_CENTER ? RichAlignment::Center
                                                                         : RichAlignment::Left;
        for (std::size_t p = doc_.ParagraphOf(SelStart()); p <= doc_.ParagraphOf(SelEnd()); ++p) doc_.SetAlignment(p, alignment);
        Changed();
        return 1;
    }
    case EM_GETPARAFORMAT: {
        auto* para = reinterpret_cast<PARAFORMAT*>(lParam);
        if (!para) return 0;
        const RichAlignment alignment = doc_.Alignment(doc_.ParagraphOf(SelStart()));
        para->dwMask = PFM_ALIGNMENT;
        para->wAlignment = alignment == RichAlignment::Right ? PFA_RIGHT : alignment == RichAlignment::Center ? PFA_CENTER : PFA_LEFT;
        return LRESULT(para->dwMask);
    }
    case EM_STREAMIN:
        return StreamIn(wParam, reinterpret_cast<EDITSTREAM*>(lParam));
    case EM_STREAMOUT:
        return StreamOut(wParam, reinterpret_cast<EDITSTREAM*>(lParam));
    case EM_FORMATRANGE:
        return FormatRange(wParam != 0, reinterpret_cast<FORMATRANGE*>(lParam));
    case EM_POSFROMCHAR: {
        // The rich edit's form: a point record in wParam, the index in lParam.
        const std::size_t index = std::size_t(lParam);
        if (index > Text().size()) return -1;
        const POINT p = PosFromChar(Snap(index));
        if (auto* out = reinterpret_cast<POINTL*>(wParam)) {
            *out = {p.x, p.y};
            return 0;
        }
        return MAKELONG(WORD(p.x), WORD(p.y));
    }
    case EM_CHARFROMPOS: {
        const auto* point = reinterpret_cast<const POINTL*>(lParam);
        return point ? LRESULT(CharFromPos({point->x, point->y})) : 0;
    }
    case EM_GETLINECOUNT:
        return LRESULT(Lines().size());
    case EM_LINEFROMCHAR:
    case EM_EXLINEFROMCHAR:
        return LRESULT(LineOf(message == EM_EXLINEFROMCHAR ? std::size_t(lParam) : std::size_t(wParam)));
    case EM_LINEINDEX: {
        const std::size_t line = std::intptr_t(wParam) < 0 ? LineOf(caret_) : wParam;
        return line < Lines().size() ? LRESULT(Lines()[line].start) : -1;
    }
    case EM_LINELENGTH: {
        const RichLine& line = Lines()[LineOf(std::min<std::size_t>(wParam, Text().size()))];
        return LRESULT(line.end - line.start);
    }
    case EM_SCROLLCARET:
        PlaceCaret();
        return 0;
    default:
        break;
    }
    return DefWindowProc(window_, message, wParam, lParam);
}

}  // namespace

void RegisterRichEditClass() {
    RegisterControlClass(RICHEDIT_CLASS, &ControlProcedure<RichEdit>, CS_DBLCLKS, 0, IDC_IBEAM);
}

}  // namespace ctl
