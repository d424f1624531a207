// Wrapping of text objects' lines to their width, measured on the engine's
// 96-dpi canvas, with the line-start rules of Chinese text and the tags of
// vertical text.
#include <algorithm>
#include <array>
#include <string_view>

#include "platform/rtl/codepage.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/updatescope.h"
#include "report/core/qm_utils.h"

namespace {

// Punctuation that never starts a line.
constexpr std::array<std::string_view, 42> kNoLineStart = {
    "。", "，", "、", "；", "：", "？", "！", "…", "—", "·", "ˉ", "‘", "’", "“", "”", "～", "∶", "＂", "＇", "｀", "｜",
    "〔", "〕", "〈", "〉", "《", "》", "「", "」", "『", "』", "．", "〖", "〗", "【", "】", "（", "）", "［", "］", "｛", "｝"};
static_assert(std::all_of(kNoLineStart.begin(), kNoLineStart.end(), [](std::string_view s) { return s.size() == 2; }));

bool IsWordEnd(char c) { return c == '\r' || c == ' ' || c == '-'; }

class LineWrapper {
public:
    LineWrapper(TStrings* dest, TCanvas* canvas, bool horizontal, bool tags, bool wordBreak, int linePitch,
                int width)
        : dest_(dest), canvas_(canvas), horizontal_(horizontal), tags_(tags), wordBreak_(wordBreak),
          linePitch_(linePitch), width_(width) {}

    int Height() const { return height_; }

    // One line of the source: each piece between breaks becomes at least
    // one destination line.
    void WrapSourceLine(AnsiString line) {
        std::erase(line, '\n');
        for (const AnsiString& piece : SplitAtCharacter(line, '\r')) {
            if (!tags_) {
                WrapPiece(piece);
                continue;
            }
            for (const AnsiString& part : SplitAtCharacter(piece, '`')) WrapPiece(part);
        }
    }

private:
    void WrapPiece(const AnsiString& piece) {
        emitted_ = false;
        for (std::size_t pos = 0; pos < piece.size();) {
            const std::size_t end = ChunkEnd(piece, pos);
            const AnsiString chunk = piece.substr(pos, end - pos);
            if (wordBreak_ && !line_.empty() && end < piece.size() && AnsiCharSize(piece, end) == 2) {
                const AnsiString next = piece.substr(end, 2);
                if (IsNoLineStart(next) && Measure(line_ + chunk + next) > width_) Emit();
            }
            Add(chunk);
            pos = end;
        }
        if (!line_.empty() || !emitted_) Emit();
    }

    // A double-byte character alone, or single-byte characters up to and
    // including a word end, or up to the next double-byte character.
    static std::size_t ChunkEnd(const AnsiString& piece, std::size_t pos) {
        if (AnsiCharSize(piece, pos) > 1) return pos + AnsiCharSize(piece, pos);
        while (pos < piece.size() && AnsiCharSize(piece, pos) == 1) {
            if (IsWordEnd(piece[pos++])) break;
        }
        return pos;
    }

    static bool IsNoLineStart(const AnsiString& character) {
        return std::find(kNoLineStart.begin(), kNoLineStart.end(), character) != kNoLineStart.end();
    }

    void Add(AnsiString chunk) {
        while (!chunk.empty()) {
            if (Measure(line_ + chunk) <= width_) {
                line_ += chunk;
                return;
            }
            if (line_.empty()) {
                // At least one character, never half of one.
                std::size_t take = AnsiCharSize(chunk, 0);
                while (take < chunk.size()) {
                    const std::size_t next = take + AnsiCharSize(chunk, take);
                    if (Measure(chunk.substr(0, next)) >= width_) break;
                    take = next;
                }
                line_ = chunk.substr(0, take);
                chunk.erase(0, take);
            }
            Emit();
        }
    }

    void Emit() {
        dest_->Add(line_);
        line_.clear();
        height_ += linePitch_;
        emitted_ = true;
    }

    int Measure(const AnsiString& text) const {
        return horizontal_ ? canvas_->TextWidth(text) : MeasureVertical(text);
    }

    // Stacked characters: the sum of their heights; the tags "~" and "_"
    // switch to half the size (at least 6 points), "|" back to full size.
    int MeasureVertical(const AnsiString& text) const {
        TFont* font = canvas_->Font();
        const Integer fullHeight = font->Height();
        const Integer smallSize = std::max(6, font->Size() / 2);
        int sum = 0;
        for (std::size_t i = 0; i < text.size(); i += AnsiCharSize(text, i)) {
            const AnsiString character = text.substr(i, AnsiCharSize(text, i));
            if (tags_ && (character == "~" || character == "_")) {
                font->SetSize(smallSize);
            } else if (tags_ && character == "|") {
                font->SetHeight(fullHeight);
            } else {
                sum += canvas_->TextHeight(character);
            }
        }
        font->SetHeight(fullHeight);
        return sum;
    }

    TStrings* dest_;
    TCanvas* canvas_;
    bool horizontal_, tags_, wordBreak_;
    int linePitch_, width_;
    int height_ = 0;
    AnsiString line_;
    bool emitted_ = false;
};

}  // namespace

std::vector<AnsiString> SplitAtCharacter(const AnsiString& text, char delimiter) {
    std::vector<AnsiString> pieces(1);
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t size = AnsiCharSize(text, i);
        if (size == 1 && text[i] == delimiter)
            pieces.emplace_back();
        else
            pieces.back() += text.substr(i, size);
        i += size;
    }
    return pieces;
}

int WrapTextLines(const TStrings* source, TStrings* dest, TCanvas* canvas, bool horizontal, bool tags,
                  bool wordBreak, int linePitch, int width) {
    LineWrapper wrapper(dest, canvas, horizontal, tags, wordBreak, linePitch, width);
    WithinUpdate(*dest, [&] {
        for (int i = 0; i < source->Count(); ++i) wrapper.WrapSourceLine(source->Strings(i));
    });
    return wrapper.Height();
}
