// The rich edit's document: one format per byte keeps edits simple and
// exact; the paragraph alignments follow the "\r\n" breaks.
#include "platform/win/controls/richtext.h"

#include <algorithm>

const RichCharFormat& RichText::FormatAt(std::size_t offset) const {
    if (formats_.empty()) return default_;
    return offset < formats_.size() ? formats_[offset] : formats_.back();
}

void RichText::SetDefaultFormat(const RichCharFormat& format) { default_ = format; }

std::size_t RichText::ParagraphOf(std::size_t offset) const {
    std::size_t paragraph = 0;
    for (std::size_t at = text_.find("\r\n"); at != AnsiString::npos && at < offset; at = text_.find("\r\n", at + 2))
        ++paragraph;
    return paragraph;
}

std::size_t RichText::ParagraphStart(std::size_t index) const {
    std::size_t start = 0;
    for (std::size_t i = 0; i < index; ++i) {
        std::size_t at = text_.find("\r\n", start);
        if (at == AnsiString::npos) return text_.size();
        start = at + 2;
    }
    return start;
}

std::size_t RichText::ParagraphEnd(std::size_t index) const {
    std::size_t at = text_.find("\r\n", ParagraphStart(index));
    return at == AnsiString::npos ? text_.size() : at;
}

void RichText::Replace(std::size_t start, std::size_t end, const AnsiString& text, const RichCharFormat& format) {
    start = std::min(start, text_.size());
    end = std::clamp(end, start, text_.size());
    const std::size_t paragraph = ParagraphOf(start);
    const std::vector<RichAlignment> before = alignments_;
    text_.replace(start, end - start, text);
    formats_.erase(formats_.begin() + std::ptrdiff_t(start), formats_.begin() + std::ptrdiff_t(end));
    formats_.insert(formats_.begin() + std::ptrdiff_t(start), text.size(), format);
    CountParagraphs(before, paragraph);
}

// New paragraphs take the alignment of the one they were split from;
// paragraphs joined keep the first one's.
void RichText::CountParagraphs(const std::vector<RichAlignment>& before, std::size_t paragraph) {
    std::size_t count = 1;
    for (std::size_t at = text_.find("\r\n"); at != AnsiString::npos; at = text_.find("\r\n", at + 2)) ++count;
    if (count == before.size()) return;
    std::vector<RichAlignment> after(count, RichAlignment::Left);
    const std::size_t changed = std::min(paragraph, count - 1);
    for (std::size_t i = 0; i <= changed && i < before.size(); ++i) after[i] = before[i];
    const std::size_t grown = count > before.size() ? count - before.size() : 0;
    for (std::size_t i = changed + 1; i < count; ++i) {
        if (i <= changed + grown) {
            after[i] = before[std::min(changed, before.size() - 1)];
        } else {
            std::size_t from = i + before.size() - count;
            after[i] = before[std::min(from, before.size() - 1)];
        }
    }
    alignments_ = std::move(after);
}
