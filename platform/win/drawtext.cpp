// DrawText and DrawTextEx: lines, word breaks, tabs, prefixes, ellipses and
// alignment, measured and drawn through the GDI's text functions.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/rtl/codepage.h"
#include "platform/win/userdraw.h"

namespace {

// One line of laid-out text: its bytes and, when a prefix marked one of its
// characters, that character's byte range.
struct Line {
    std::string text;
    int underlineStart = -1;
    int underlineLength = 0;
};

class Layout {
public:
    Layout(HDC dc, UINT format, int tabChars) : dc_(dc), format_(format) {
        TEXTMETRICA tm;
        GetTextMetrics(dc, &tm);
        lineHeight_ = tm.tmHeight + ((format & DT_EXTERNALLEADING) ? tm.tmExternalLeading : 0);
        ascent_ = tm.tmAscent;
        tabWidth_ = std::max(1, tabChars) * tm.tmAveCharWidth;
    }

    int LineHeight() const { return lineHeight_; }
    int Ascent() const { return ascent_; }

    int Width(std::string_view s) const {
        if (s.empty()) return 0;
        if (!(format_ & DT_EXPANDTABS) || s.find('\t') == std::string_view::npos) {
            SIZE size;
            GetTextExtentPoint32(dc_, s.data(), int(s.size()), &size);
            return size.cx;
        }
        int x = 0;
        size_t start = 0;
        for (size_t i = 0; i <= s.size(); ++i) {
            if (i < s.size() && s[i] != '\t') continue;
            SIZE size{};
            if (i > start) GetTextExtentPoint32(dc_, s.data() + start, int(i - start), &size);
            x += size.cx;
            if (i < s.size()) x = (x / tabWidth_ + 1) * tabWidth_;
            start = i + 1;
        }
        return x;
    }

    // Draws one line with tabs expanded, left edge at x.
    void Draw(int x, int y, std::string_view s, const RECT* clip) const {
        UINT options = (format_ & DT_NOCLIP) ? 0 : ETO_CLIPPED;
        if (format_ & DT_RTLREADING) options |= ETO_RTLREADING;
        if (!(format_ & DT_EXPANDTABS)) {
            ExtTextOut(dc_, x, y, options, clip, s.data(), UINT(s.size()), nullptr);
            return;
        }
        size_t start = 0;
        for (size_t i = 0; i <= s.size(); ++i) {
            if (i < s.size() && s[i] != '\t') continue;
            std::string_view piece = s.substr(start, i - start);
            ExtTextOut(dc_, x + Width(s.substr(0, start)), y, options, clip, piece.data(), UINT(piece.size()), nullptr);
            start = i + 1;
        }
    }

private:
    HDC dc_;
    UINT format_;
    int lineHeight_ = 0, ascent_ = 0, tabWidth_ = 8;
};

// Removes "&" prefixes: "&&" stays one "&", "&x" marks x for underlining.
Line StripPrefixes(std::string_view s, UINT format) {
    Line line;
    for (size_t i = 0; i < s.size();) {
        if (s[i] == '&' && !(format & DT_NOPREFIX)) {
            if (i + 1 < s.size() && s[i + 1] == '&') {
                line.text += '&';
                i += 2;
                continue;
            }
            if (i + 1 < s.size() && line.underlineStart < 0 && !(format & DT_HIDEPREFIX)) {
                line.underlineStart = int(line.text.size());
                line.underlineLength = int(AnsiCharSize(s, i + 1));
            }
            ++i;
            continue;
        }
        size_t n = AnsiCharSize(s, i);
        line.text.append(s.substr(i, n));
        i += n;
    }
    return line;
}

// Splits one paragraph into lines no wider than `width`: breaks after
// spaces and around double-byte characters; a word longer than the line
// stays whole (it is clipped), as the platform does.
std::vector<Line> WrapParagraph(const Layout& layout, const Line& paragraph, int width, UINT format) {
    std::vector<Line> lines;
    const std::string& s = paragraph.text;
    size_t start = 0;
    while (start < s.size() || lines.empty()) {
        size_t lastBreak = std::string::npos, end = start;
        for (size_t i = start; i < s.size();) {
            size_t n = AnsiCharSize(s, i);
            bool wide = n > 1 && !(format & DT_NOFULLWIDTHCHARBREAK);
            if (wide && i > start) lastBreak = i;
            if (layout.Width(std::string_view(s).substr(start, i + n - start)) > width && s[i] != ' ') {
                if (lastBreak == std::string::npos && i > start && (format & DT_EDITCONTROL)) lastBreak = i;
                break;
            }
            i += n;
            end = i;
            if (s[i - 1] == ' ' || wide) lastBreak = i;
        }
        if (end < s.size() && lastBreak != std::string::npos && lastBreak > start) end = lastBreak;
        if (end < s.size() && end == start) {
            // Nothing fits: take the whole word (or one character).
            end = start + AnsiCharSize(s, start);
            while (end < s.size() && s[end] != ' ' && AnsiCharSize(s, end) == 1 && AnsiCharSize(s, end - 1) == 1) ++end;
        }
        Line line;
        size_t trimmed = end;
        while (trimmed > start && s[trimmed - 1] == ' ') --trimmed;
        line.text = s.substr(start, trimmed - start);
        if (paragraph.underlineStart >= int(start) && paragraph.underlineStart < int(trimmed)) {
            line.underlineStart = paragraph.underlineStart - int(start);
            line.underlineLength = paragraph.underlineLength;
        }
        lines.push_back(line);
        start = end;
        while (start < s.size() && s[start] == ' ') ++start;
        if (start >= s.size()) break;
    }
    return lines;
}

// Cuts characters off the end until the text and "..." fit.
std::string EndEllipsis(const Layout& layout, const std::string& s, int width, bool words) {
    if (layout.Width(s) <= width) return s;
    std::string kept = s;
    while (!kept.empty()) {
        kept.erase(AnsiCharStart(kept, kept.size() - 1));
        if (words) {
            size_t space = kept.rfind(' ');
            kept.erase(space == std::string::npos ? 0 : space);
        }
        if (layout.Width(kept + "...") <= width) break;
    }
    return kept + "...";
}

// Keeps the last path component and cuts the folders before it.
std::string PathEllipsis(const Layout& layout, const std::string& s, int width) {
    if (layout.Width(s) <= width) return s;
    size_t slash = std::string::npos;
    for (size_t i = 0; i < s.size(); i += AnsiCharSize(s, i))
        if (s[i] == '\\' || s[i] == '/') slash = i;
    if (slash == std::string::npos) return EndEllipsis(layout, s, width, false);
    std::string head = s.substr(0, slash), tail = s.substr(slash);
    while (!head.empty()) {
        head.erase(AnsiCharStart(head, head.size() - 1));
        if (layout.Width(head + "..." + tail) <= width) break;
    }
    return head + "..." + tail;
}

int DrawTextImpl(HDC dc, std::string_view text, RECT* rect, UINT format, DRAWTEXTPARAMS* params,
                 std::string* modified) {
    if (!rect) return 0;
    int tabChars = params ? params->iTabLength : 8;
    if (format & DT_TABSTOP) {
        tabChars = int((format >> 8) & 0xFF);
        format &= ~UINT(0xFF00);
    }
    int leftMargin = params ? params->iLeftMargin : 0, rightMargin = params ? params->iRightMargin : 0;
    Layout layout(dc, format, tabChars);
    RECT box{rect->left + leftMargin, rect->top, rect->right - rightMargin, rect->bottom};
    int width = box.right - box.left;

    std::vector<Line> lines;
    bool single = format & DT_SINGLELINE;
    size_t start = 0;
    while (true) {
        size_t end = single ? text.size() : text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        Line paragraph = StripPrefixes(text.substr(start, end - start), format);
        if ((format & DT_WORDBREAK) && !single) {
            for (Line& l : WrapParagraph(layout, paragraph, width, format)) lines.push_back(l);
        } else {
            lines.push_back(paragraph);
        }
        if (end >= text.size()) break;
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
        // A final line break ends the last line; it does not open an empty one.
        if (start >= text.size()) break;
    }
    if (format & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS)) {
        for (Line& l : lines) {
            std::string shortened = (format & DT_PATH_ELLIPSIS) ? PathEllipsis(layout, l.text, width)
                                                                 : EndEllipsis(layout, l.text, width, format & DT_WORD_ELLIPSIS);
            if (shortened != l.text) {
                l.text = shortened;
                l.underlineStart = -1;
            }
        }
        if (modified && (format & DT_MODIFYSTRING) && !lines.empty()) *modified = lines.front().text;
    }

    int lineHeight = layout.LineHeight();
    int total = lineHeight * int(lines.size());
    if (params) params->uiLengthDrawn = UINT(text.size());
    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const Line& l : lines) widest = std::max(widest, layout.Width(l.text));
        rect->right = rect->left + leftMargin + widest + rightMargin;
        rect->bottom = rect->top + total;
        return total;
    }

    int y = box.top;
    if (single && (format & DT_VCENTER)) y = box.top + (box.bottom - box.top - lineHeight) / 2;
    if (single && (format & DT_BOTTOM)) y = box.bottom - lineHeight;
    UINT oldAlign = SetTextAlign(dc, TA_LEFT | TA_TOP);
    RECT clip = *rect;
    for (const Line& l : lines) {
        int w = layout.Width(l.text);
        int x = box.left;
        if (format & DT_CENTER) x = box.left + (width - w) / 2;
        if (format & DT_RIGHT) x = box.right - w;
        if (!(format & DT_PREFIXONLY)) layout.Draw(x, y, l.text, &clip);
        if (l.underlineStart >= 0) {
            int ux = x + layout.Width(std::string_view(l.text).substr(0, size_t(l.underlineStart)));
            int uw = layout.Width(std::string_view(l.text).substr(size_t(l.underlineStart), size_t(l.underlineLength)));
            HBRUSH brush = CreateSolidBrush(GetTextColor(dc));
            RECT underline{ux, y + layout.Ascent() + 1, ux + uw, y + layout.Ascent() + 2};
            if (!(format & DT_NOCLIP)) IntersectRect(&underline, &underline, &clip);
            FillRect(dc, &underline, brush);
            DeleteObject(brush);
        }
        y += lineHeight;
    }
    SetTextAlign(dc, oldAlign);
    return y - rect->top;
}

std::string_view Span(const char* text, int length) {
    if (!text) return {};
    return std::string_view(text, length < 0 ? std::strlen(text) : size_t(length));
}

std::u16string_view WideSpan(const WCHAR* text, int length) {
    if (!text) return {};
    return std::u16string_view(text, length < 0 ? std::char_traits<char16_t>::length(text) : size_t(length));
}

}  // namespace

int DrawText(HDC dc, const char* text, int length, RECT* rect, UINT format) {
    return DrawTextImpl(dc, Span(text, length), rect, format & ~DT_MODIFYSTRING, nullptr, nullptr);
}

int DrawDisabledText(HDC dc, const char* text, int length, RECT* rect, UINT format) {
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    RECT below = *rect;
    OffsetRect(&below, 1, 1);
    DrawText(dc, text, length, &below, format);
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    const int height = DrawText(dc, text, length, rect, format);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    return height;
}

int DrawTextEx(HDC dc, char* text, int length, RECT* rect, UINT format, DRAWTEXTPARAMS* params) {
    std::string_view s = Span(text, length);
    std::string modified;
    int height = DrawTextImpl(dc, s, rect, format, params, &modified);
    if ((format & DT_MODIFYSTRING) && !modified.empty() && text) {
        std::memcpy(text, modified.data(), modified.size());
        text[modified.size()] = 0;
    }
    return height;
}

int DrawTextW(HDC dc, const WCHAR* text, int length, RECT* rect, UINT format) {
    AnsiString ansi = WideToAnsi(WideSpan(text, length));
    return DrawTextImpl(dc, ansi, rect, format & ~DT_MODIFYSTRING, nullptr, nullptr);
}

int DrawTextExW(HDC dc, WCHAR* text, int length, RECT* rect, UINT format, DRAWTEXTPARAMS* params) {
    AnsiString ansi = WideToAnsi(WideSpan(text, length));
    std::string modified;
    int height = DrawTextImpl(dc, ansi, rect, format, params, &modified);
    if ((format & DT_MODIFYSTRING) && !modified.empty() && text) {
        WideString wide = AnsiToWide(modified);
        std::copy(wide.begin(), wide.end(), text);
        text[wide.size()] = 0;
    }
    return height;
}
