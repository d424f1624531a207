// Laying out and drawing the rich edit's document: lines of runs in their
// own fonts, wrapped at a width, aligned per paragraph, on one baseline per
// line. The window class, its format-range rendering and its size requests
// all lay out through here.
#pragma once

#include <map>
#include <vector>

#include "platform/win/controls/richtext.h"
#include "platform/gdi/wingdi.h"

// The fonts of the character formats for one device resolution, made once
// and deleted with the cache.
class RichFonts {
public:
    explicit RichFonts(int pixelsPerInchY = 96) : dpi_(pixelsPerInchY) {}
    ~RichFonts();
    RichFonts(const RichFonts&) = delete;
    RichFonts& operator=(const RichFonts&) = delete;

    HFONT Get(const RichCharFormat& format);
    void Clear();

private:
    struct Key {
        RichCharFormat format;
        bool operator<(const Key& other) const;
    };
    int dpi_;
    std::map<Key, HFONT> fonts_;
};

struct RichLine {
    std::size_t start = 0, end = 0;  // the bytes shown; the break after them is not
    std::size_t next = 0;            // where the following line starts
    int top = 0, height = 0, ascent = 0;
    int width = 0;
    RichAlignment alignment = RichAlignment::Left;
};

// The lines of bytes [from, to) at `width` pixels (wrapping when `wrap`),
// tops counted from 0. There is always at least one line.
std::vector<RichLine> LayoutRichText(HDC dc, const RichText& text, std::size_t from, std::size_t to, int width,
                                     bool wrap, RichFonts& fonts);

// The left of a line's text within [left, left + width).
int RichLineX(const RichLine& line, int left, int width);

// The x of each byte boundary of a line from its left (one more entry than
// the line has bytes).
std::vector<int> RichLineOffsets(HDC dc, const RichText& text, const RichLine& line, RichFonts& fonts);

// Draws a line with its top-left text at (x, y); bytes in [selStart, selEnd)
// in the highlight colours. `windowText` is the colour of automatic text.
void DrawRichLine(HDC dc, const RichText& text, const RichLine& line, int x, int y, RichFonts& fonts,
                  std::size_t selStart, std::size_t selEnd, COLORREF windowText);
