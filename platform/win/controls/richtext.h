// The document of the rich edit: ANSI text whose paragraphs end in "\r\n"
// (a "\v" breaks a line inside one), a character format per byte and an
// alignment per paragraph; and its RTF form, read and written for the RTF
// subset the system's rich texts use.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/rtl/types.h"
#include "platform/gdi/windef.h"

struct RichCharFormat {
    AnsiString face = "Tahoma";
    int halfPoints = 16;  // the font size in half points (8 points)
    bool autoColor = true;  // the window text colour
    COLORREF color = 0;
    bool bold = false, italic = false, underline = false, strike = false;
    BYTE charset = 134;  // GB2312

    friend bool operator==(const RichCharFormat&, const RichCharFormat&) = default;
};

enum class RichAlignment { Left, Right, Center };

class RichText {
public:
    RichText() = default;
    explicit RichText(const RichCharFormat& defaultFormat) : default_(defaultFormat) {}

    const AnsiString& Text() const { return text_; }
    std::size_t Size() const { return text_.size(); }
    // The format of the byte at `offset`: the last byte's past the end, the
    // default one in an empty document.
    const RichCharFormat& FormatAt(std::size_t offset) const;
    const RichCharFormat& DefaultFormat() const { return default_; }
    void SetDefaultFormat(const RichCharFormat& format);

    // Replaces bytes [start, end) by `text` in `format`.
    void Replace(std::size_t start, std::size_t end, const AnsiString& text, const RichCharFormat& format);
    void Append(const AnsiString& text, const RichCharFormat& format) { Replace(Size(), Size(), text, format); }
    // Applies `change` to the format of every byte in [start, end).
    template <class Change>
    void ChangeFormat(std::size_t start, std::size_t end, Change change) {
        for (std::size_t i = start; i < end && i < formats_.size(); ++i) change(formats_[i]);
    }

    // Paragraph `index` holds the bytes [ParagraphStart, ParagraphEnd); the
    // "\r\n" after it is not part of it.
    std::size_t ParagraphCount() const { return alignments_.size(); }
    std::size_t ParagraphOf(std::size_t offset) const;
    std::size_t ParagraphStart(std::size_t index) const;
    std::size_t ParagraphEnd(std::size_t index) const;
    RichAlignment Alignment(std::size_t paragraph) const { return alignments_[paragraph]; }
    void SetAlignment(std::size_t paragraph, RichAlignment alignment) { alignments_[paragraph] = alignment; }

    friend bool operator==(const RichText&, const RichText&) = default;

private:
    void CountParagraphs(const std::vector<RichAlignment>& before, std::size_t paragraph);

    AnsiString text_;
    std::vector<RichCharFormat> formats_;
    std::vector<RichAlignment> alignments_{RichAlignment::Left};
    RichCharFormat default_;
};

// Whether bytes look like RTF ("{\rtf").
bool IsRtf(std::string_view data);
// The document of an RTF text; its formats start from `defaultFormat`.
// Control words outside the subset are skipped, as are ignorable groups.
RichText ReadRtf(std::string_view rtf, const RichCharFormat& defaultFormat = {});
// The RTF of bytes [start, end) of the document (code page 936; characters
// outside it as \u).
std::string WriteRtf(const RichText& text, std::size_t start = 0, std::size_t end = std::string::npos);
