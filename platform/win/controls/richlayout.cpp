// Lines break after the last blank that fits, else next to a Chinese
// character, else after the last character that fits; a line always takes
// at least one character.
#include "platform/win/controls/richlayout.h"

#include <algorithm>
#include <cstring>
#include <tuple>

#include "platform/rtl/codepage.h"
#include "platform/rtl/sysutils.h"
#include "platform/win/userdraw.h"

RichFonts::~RichFonts() { Clear(); }

bool RichFonts::Key::operator<(const Key& other) const {
    const RichCharFormat& a = format;
    const RichCharFormat& b = other.format;
    return std::tie(a.face, a.halfPoints, a.bold, a.italic, a.underline, a.strike, a.charset) <
           std::tie(b.face, b.halfPoints, b.bold, b.italic, b.underline, b.strike, b.charset);
}

HFONT RichFonts::Get(const RichCharFormat& format) {
    Key key{format};
    key.format.autoColor = true;
    key.format.color = 0;
    auto it = fonts_.find(key);
    if (it != fonts_.end()) return it->second;
    LOGFONTA log{};
    log.lfHeight = -MulDiv(format.halfPoints, dpi_, 144);
    log.lfWeight = format.bold ? FW_BOLD : FW_NORMAL;
    log.lfItalic = format.italic;
    log.lfUnderline = format.underline;
    log.lfStrikeOut = format.strike;
    log.lfCharSet = format.charset;
    std::strncpy(log.lfFaceName, format.face.c_str(), sizeof log.lfFaceName - 1);
    return fonts_[key] = CreateFontIndirect(&log);
}

void RichFonts::Clear() {
    for (auto& [key, font] : fonts_) DeleteObject(font);
    fonts_.clear();
}

namespace {

// Calls `visit(start, end, format)` for every run of one format in [from, to).
template <class Visit>
void ForEachRun(const RichText& text, std::size_t from, std::size_t to, Visit visit) {
    for (std::size_t i = from; i < to;) {
        const RichCharFormat& format = text.FormatAt(i);
        std::size_t end = i;
        while (end < to && text.FormatAt(end) == format) end += AnsiCharSize(text.Text(), end);
        visit(i, std::min(end, to), format);
        i = end;
    }
}

int WidthOf(HDC dc, const AnsiString& text, std::size_t from, std::size_t to, RichFonts& fonts, const RichText& doc) {
    int width = 0;
    ForEachRun(doc, from, to, [&](std::size_t start, std::size_t end, const RichCharFormat& format) {
        SelectObject(dc, fonts.Get(format));
        SIZE size{};
        GetTextExtentPoint32(dc, text.data() + start, int(end - start), &size);
        width += size.cx;
    });
    return width;
}

void MeasureHeight(HDC dc, const RichText& text, RichLine& line, RichFonts& fonts) {
    auto take = [&](const RichCharFormat& format) {
        SelectObject(dc, fonts.Get(format));
        TEXTMETRICA tm{};
        GetTextMetrics(dc, &tm);
        line.ascent = std::max(line.ascent, int(tm.tmAscent));
        line.height = std::max(line.height, int(tm.tmHeight));
    };
    if (line.start == line.end)
        take(text.FormatAt(line.start > 0 ? line.start - 1 : 0));
    else
        ForEachRun(text, line.start, line.end, [&](std::size_t, std::size_t, const RichCharFormat& f) { take(f); });
}

}  // namespace

std::vector<RichLine> LayoutRichText(HDC dc, const RichText& text, std::size_t from, std::size_t to, int width,
                                     bool wrap, RichFonts& fonts) {
    const AnsiString& s = text.Text();
    to = std::min(to, s.size());
    from = std::min(from, to);
    const HGDIOBJ oldFont = SelectObject(dc, fonts.Get(text.FormatAt(from)));
    std::vector<RichLine> lines;
    int top = 0;
    std::size_t start = from;
    for (;;) {
        // The end of the hard line: a paragraph break or a line break.
        std::size_t hardEnd = start;
        while (hardEnd < to && s[hardEnd] != '\v' && s.compare(hardEnd, 2, "\r\n") != 0)
            hardEnd += AnsiCharSize(s, hardEnd);
        RichLine line;
        line.start = start;
        line.end = hardEnd;
        if (wrap && width > 0) {
            int x = 0;
            std::size_t at = start, lastBreak = start;
            while (at < hardEnd) {
                const std::size_t size = AnsiCharSize(s, at);
                const int charWidth = WidthOf(dc, s, at, at + size, fonts, text);
                if (x + charWidth > width && at > start) break;
                x += charWidth;
                const bool wide = size > 1 || (at + size < hardEnd && AnsiCharSize(s, at + size) > 1);
                at += size;
                if (s[at - size] == ' ' || wide) lastBreak = at;
            }
            while (at < hardEnd && s[at] == ' ') lastBreak = ++at;
            if (at < hardEnd) line.end = lastBreak > start ? lastBreak : at;
        }
        line.next = line.end;
        if (line.end == hardEnd && hardEnd < to) line.next = hardEnd + (s[hardEnd] == '\v' ? 1 : 2);
        std::size_t shownEnd = line.end;
        while (line.end != hardEnd && shownEnd > line.start && s[shownEnd - 1] == ' ') --shownEnd;
        line.width = WidthOf(dc, s, line.start, shownEnd, fonts, text);
        line.alignment = text.Alignment(text.ParagraphOf(line.start));
        MeasureHeight(dc, text, line, fonts);
        line.top = top;
        top += line.height;
        lines.push_back(line);
        if (line.next >= to && !(line.next == to && line.end != to)) break;
        start = line.next;
    }
    SelectObject(dc, oldFont);
    return lines;
}

int RichLineX(const RichLine& line, int left, int width) {
    if (line.width >= width) return left;
    if (line.alignment == RichAlignment::Right) return left + width - line.width;
    if (line.alignment == RichAlignment::Center) return left + (width - line.width) / 2;
    return left;
}

std::vector<int> RichLineOffsets(HDC dc, const RichText& text, const RichLine& line, RichFonts& fonts) {
    const HGDIOBJ oldFont = SelectObject(dc, fonts.Get(text.FormatAt(line.start)));
    std::vector<int> offsets(line.end - line.start + 1, 0);
    int x = 0;
    for (std::size_t i = line.start; i < line.end;) {
        const std::size_t size = AnsiCharSize(text.Text(), i);
        const int width = WidthOf(dc, text.Text(), i, i + size, fonts, text);
        for (std::size_t k = 1; k <= size; ++k) offsets[i - line.start + k] = x + (k == size ? width : 0);
        x += width;
        i += size;
    }
    SelectObject(dc, oldFont);
    return offsets;
}

void DrawRichLine(HDC dc, const RichText& text, const RichLine& line, int x, int y, RichFonts& fonts,
                  std::size_t selStart, std::size_t selEnd, COLORREF windowText) {
    const HGDIOBJ oldFont = SelectObject(dc, fonts.Get(text.FormatAt(line.start)));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = GetTextColor(dc);
    const std::size_t cuts[] = {selStart, selEnd};
    ForEachRun(text, line.start, line.end, [&](std::size_t start, std::size_t end, const RichCharFormat& format) {
        // A run is cut further where the selection begins and ends.
        std::size_t pieceStart = start;
        auto drawPiece = [&](std::size_t pieceEnd) {
            if (pieceEnd <= pieceStart) return;
            const bool selected = pieceStart >= selStart && pieceEnd <= selEnd && selStart < selEnd;
            SelectObject(dc, fonts.Get(format));
            TEXTMETRICA tm{};
            GetTextMetrics(dc, &tm);
            SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : format.autoColor ? windowText : format.color);
            SetBkMode(dc, selected ? OPAQUE : TRANSPARENT);
            SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
            const int count = int(pieceEnd - pieceStart);
            TextOut(dc, x, y + line.ascent - tm.tmAscent, text.Text().data() + pieceStart, count);
            SIZE size{};
            GetTextExtentPoint32(dc, text.Text().data() + pieceStart, count, &size);
            x += size.cx;
            pieceStart = pieceEnd;
        };
        for (std::size_t cut : cuts)
            if (cut > pieceStart && cut < end) drawPiece(cut);
        drawPiece(end);
    });
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}
