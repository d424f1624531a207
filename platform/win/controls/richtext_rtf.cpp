// RTF in and out. The reader keeps a format per group and maps each font to
// a code page through its \fcharset (134 and 936 are the system's own; other
// code pages are decoded as Latin-1 with the 1252 signs), \uN to the system
// code page after \ucN skipped bytes. The writer emits code page 936 with
// \'hh for double-byte characters and \u for the rest.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>

#include "platform/rtl/codepage.h"
#include "platform/win/controls/richtext.h"

namespace {

// Characters 0x80..0x9F of code page 1252.
constexpr char16_t kCp1252High[32] = {
    u'€', 0x81, u'‚', u'ƒ', u'„', u'…', u'†', u'‡', u'ˆ', u'‰', u'Š', u'‹', u'Œ', 0x8D, u'Ž', 0x8F,
    0x90, u'‘', u'’', u'“', u'”', u'•', u'–', u'—', u'˜', u'™', u'š', u'›', u'œ', 0x9D, u'ž', u'Ÿ'};

bool IsSystemCodePage(int codePage) { return codePage == 936 || codePage == 0; }

int CodePageOfCharset(int charset) {
    switch (charset) {
        case 134: return 936;
        case 0: return 1252;
        case 2: return 1252;  // the symbol charset keeps its bytes
        default: return 0;  // the document's code page
    }
}

struct GroupState {
    RichCharFormat format;
    bool skip = false;
    int unicodeSkip = 1;
    int font = -1;
};

struct FontEntry {
    AnsiString face;
    int charset = -1;  // none given: the document's code page
};

class RtfReader {
public:
    RtfReader(std::string_view rtf, const RichCharFormat& defaultFormat) : rtf_(rtf), doc_(defaultFormat) {
        state_.format = defaultFormat;
    }

    RichText Read() {
        while (pos_ < rtf_.size()) {
            const char c = rtf_[pos_++];
            if (c == '{') {
                FlushBytes();
                stack_.push_back(state_);
                destination_.push_back(Destination::Same);
            } else if (c == '}') {
                EndGroup();
            } else if (c == '\\') {
                ControlSymbol();
            } else if (c == '\r' || c == '\n') {
                continue;
            } else {
                Literal(c);
            }
        }
        FlushBytes();
        // The stream's last \par is the document's own end.
        if (doc_.Text().size() >= 2 && doc_.Text().compare(doc_.Size() - 2, 2, "\r\n") == 0)
            doc_.Replace(doc_.Size() - 2, doc_.Size(), "", doc_.DefaultFormat());
        return std::move(doc_);
    }

private:
    enum class Destination { Same, FontTable, ColorTable };

    void EndGroup() {
        FlushBytes();
        if (destination_.empty()) return;
        if (destination_.back() == Destination::FontTable) fontTable_ = false;
        if (destination_.back() == Destination::ColorTable) colorTable_ = false;
        destination_.pop_back();
        state_ = stack_.back();
        stack_.pop_back();
    }

    void ControlSymbol() {
        if (pos_ >= rtf_.size()) return;
        const char c = rtf_[pos_];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++pos_;
            switch (c) {
                case '\\': case '{': case '}': Literal(c); break;
                case '\'': HexByte(); break;
                case '*': state_.skip = true; break;
                case '~': Literal(' '); break;
                case '_': Literal('-'); break;
                case '\r': case '\n': Paragraph(); break;
                default: break;
            }
            return;
        }
        std::size_t start = pos_;
        while (pos_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[pos_]))) ++pos_;
        const std::string word(rtf_.substr(start, pos_ - start));
        bool hasParameter = false;
        int parameter = 0;
        bool negative = false;
        if (pos_ < rtf_.size() && rtf_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        while (pos_ < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[pos_]))) {
            hasParameter = true;
            parameter = parameter * 10 + (rtf_[pos_++] - '0');
        }
        if (negative) parameter = -parameter;
        if (pos_ < rtf_.size() && rtf_[pos_] == ' ') ++pos_;
        ControlWord(word, hasParameter, parameter);
    }

    void ControlWord(const std::string& word, bool hasParameter, int parameter) {
        // Text so far keeps the format it was written in.
        FlushBytes();
        RichCharFormat& f = state_.format;
        const bool on = !hasParameter || parameter != 0;
        if (word == "fonttbl" && !destination_.empty()) {
            FlushBytes();
            fontTable_ = true;
            destination_.back() = Destination::FontTable;
        } else if (word == "colortbl" && !destination_.empty()) {
            colorTable_ = true;
            destination_.back() = Destination::ColorTable;
            colors_.push_back({true, 0});
        } else if (word == "red" || word == "green" || word == "blue") {
            if (!colorTable_ || colors_.empty()) return;
            const int shift = word == "red" ? 0 : word == "green" ? 8 : 16;
            colors_.back().first = false;
            colors_.back().second |= COLORREF(parameter & 0xFF) << shift;
        } else if (IsIgnoredDestination(word)) {
            state_.skip = true;
        } else if (word == "ansicpg") {
            codePage_ = parameter;
        } else if (word == "f") {
            FlushBytes();
            if (fontTable_) {
                currentFont_ = parameter;
                fonts_[parameter];
            } else {
                state_.font = parameter;
                auto it = fonts_.find(parameter);
                if (it != fonts_.end()) {
                    f.face = it->second.face;
                    f.charset = BYTE(it->second.charset);
                }
            }
        } else if (word == "fcharset") {
            if (fontTable_) fonts_[currentFont_].charset = parameter;
        } else if (word == "fs") {
            f.halfPoints = hasParameter ? parameter : 24;
        } else if (word == "b") {
            f.bold = on;
        } else if (word == "i") {
            f.italic = on;
        } else if (word == "ul") {
            f.underline = on;
        } else if (word == "ulnone") {
            f.underline = false;
        } else if (word == "strike") {
            f.strike = on;
        } else if (word == "cf") {
            const std::size_t index = std::size_t(std::max(0, parameter));
            f.autoColor = index >= colors_.size() || colors_[index].first;
            f.color = f.autoColor ? 0 : colors_[index].second;
        } else if (word == "plain") {
            const RichCharFormat base = doc_.DefaultFormat();
            f.bold = f.italic = f.underline = f.strike = false;
            f.halfPoints = base.halfPoints;
            f.autoColor = true;
        } else if (word == "par") {
            Paragraph();
        } else if (word == "line") {
            Text("\v");
        } else if (word == "tab") {
            Text("\t");
        } else if (word == "pard") {
            FlushBytes();
            alignment_ = RichAlignment::Left;
            doc_.SetAlignment(doc_.ParagraphCount() - 1, alignment_);
        } else if (word == "ql" || word == "qr" || word == "qc") {
            FlushBytes();
            alignment_ = word == "ql" ? RichAlignment::Left : word == "qr" ? RichAlignment::Right : RichAlignment::Center;
            doc_.SetAlignment(doc_.ParagraphCount() - 1, alignment_);
        } else if (word == "uc") {
            state_.unicodeSkip = std::max(0, parameter);
        } else if (word == "u") {
            Unicode(char16_t(parameter & 0xFFFF));
        }
    }

    static bool IsIgnoredDestination(const std::string& word) {
        static const char* const ignored[] = {"info", "stylesheet", "pict", "header", "footer", "object",
                                              "listtable", "listoverridetable", "rsidtbl", "generator",
                                              "themedata", "colorschememapping", "latentstyles", "datastore",
                                              "xmlnstbl", "fldinst", "nonshppict", "bkmkstart", "bkmkend"};
        for (const char* w : ignored)
            if (word == w) return true;
        return false;
    }

    void Unicode(char16_t unit) {
        FlushBytes();
        if (unit >= 0xD800 && unit < 0xDC00) {
            highSurrogate_ = unit;
        } else {
            std::u16string units;
            if (highSurrogate_ && unit >= 0xDC00 && unit < 0xE000) units.push_back(highSurrogate_);
            units.push_back(unit);
            highSurrogate_ = 0;
            Text(WideToAnsi(units));
        }
        // The fallback characters after \u are skipped, \'hh counting as one.
        for (int skipped = 0; skipped < state_.unicodeSkip && pos_ < rtf_.size();) {
            const char c = rtf_[pos_];
            if (c == '{' || c == '}') break;
            if (c == '\\' && pos_ + 1 < rtf_.size() && rtf_[pos_ + 1] == '\'') {
                pos_ += std::min<std::size_t>(4, rtf_.size() - pos_);
            } else if (c == '\\') {
                break;
            } else {
                ++pos_;
            }
            ++skipped;
        }
    }

    void HexByte() {
        if (pos_ + 2 > rtf_.size()) return;
        const std::string hex(rtf_.substr(pos_, 2));
        pos_ += 2;
        char* end = nullptr;
        const long value = std::strtol(hex.c_str(), &end, 16);
        if (end != hex.c_str() + 2) return;
        TextByte(char(value));
    }

    // A byte of text: of a face name in the font table, else of the document.
    void TextByte(char c) {
        if (fontTable_)
            pendingFace_.push_back(c);
        else if (!colorTable_)
            bytes_.push_back(c);
    }

    void Literal(char c) {
        if (fontTable_ && c == ';') {
            fonts_[currentFont_].face = DecodeBytes(pendingFace_, CodePageOfFont(currentFont_));
            pendingFace_.clear();
        } else if (colorTable_ && c == ';') {
            colors_.push_back({true, 0});
        } else {
            TextByte(c);
        }
    }

    int CodePageOfFont(int font) const {
        auto it = fonts_.find(font);
        const int fromCharset = it == fonts_.end() ? 0 : CodePageOfCharset(it->second.charset);
        return fromCharset ? fromCharset : codePage_;
    }

    static AnsiString DecodeBytes(const std::string& bytes, int codePage) {
        if (IsSystemCodePage(codePage)) return bytes;
        std::u16string wide;
        for (unsigned char b : bytes) wide.push_back(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b));
        return WideToAnsi(wide);
    }

    // Bytes gathered from literals and \'hh become text in the code page of
    // the current font.
    void FlushBytes() {
        if (bytes_.empty() || fontTable_) return;
        std::string bytes;
        bytes.swap(bytes_);
        Text(DecodeBytes(bytes, CodePageOfFont(state_.font)));
    }

    void Text(const AnsiString& text) {
        if (state_.skip || fontTable_ || colorTable_) return;
        FlushBytes();
        doc_.Append(text, state_.format);
    }

    void Paragraph() {
        Text("\r\n");
        if (!state_.skip) doc_.SetAlignment(doc_.ParagraphCount() - 1, alignment_);
    }

    std::string_view rtf_;
    std::size_t pos_ = 0;
    RichText doc_;
    GroupState state_;
    std::vector<GroupState> stack_;
    std::vector<Destination> destination_;
    std::map<int, FontEntry> fonts_;
    std::vector<std::pair<bool, COLORREF>> colors_;  // (automatic, colour)
    bool fontTable_ = false, colorTable_ = false;
    int currentFont_ = 0;
    std::string pendingFace_;
    std::string bytes_;
    int codePage_ = 936;
    char16_t highSurrogate_ = 0;
    RichAlignment alignment_ = RichAlignment::Left;
};

// ---- Writer ------------------------------------------------------------------------------

void WriteEscaped(std::string& out, const AnsiString& text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t size = AnsiCharSize(text, i);
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (size == 2) {
            static const char hex[] = "0123456789abcdef";
            for (std::size_t k = 0; k < 2; ++k) {
                const unsigned char b = static_cast<unsigned char>(text[i + k]);
                out += "\\'";
                out += hex[b >> 4];
                out += hex[b & 15];
            }
        } else if (size == 4 || c >= 0x80) {
            for (char16_t unit : AnsiToWide(text.substr(i, size)))
                out += "\\u" + std::to_string(int(std::int16_t(unit))) + "?";
        } else if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += char(c);
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (c == '\v') {
            out += "\\line ";
        } else {
            out += char(c);
        }
        i += size;
    }
}

}  // namespace

bool IsRtf(std::string_view data) { return data.substr(0, 5) == "{\\rtf"; }

RichText ReadRtf(std::string_view rtf, const RichCharFormat& defaultFormat) {
    return RtfReader(rtf, defaultFormat).Read();
}

std::string WriteRtf(const RichText& text, std::size_t start, std::size_t end) {
    end = std::min(end, text.Size());
    start = std::min(start, end);
    std::vector<AnsiString> faces;
    std::vector<COLORREF> colors;
    auto indexOf = [](auto& list, const auto& value) {
        auto it = std::find(list.begin(), list.end(), value);
        if (it != list.end()) return std::size_t(it - list.begin());
        list.push_back(value);
        return list.size() - 1;
    };
    const RichCharFormat& first = text.FormatAt(start);
    indexOf(faces, first.face);
    for (std::size_t i = start; i < end; ++i) {
        indexOf(faces, text.FormatAt(i).face);
        if (!text.FormatAt(i).autoColor) indexOf(colors, text.FormatAt(i).color);
    }
    std::string out = "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl";
    for (std::size_t i = 0; i < faces.size(); ++i) {
        out += "{\\f" + std::to_string(i) + "\\fnil\\fcharset134 ";
        WriteEscaped(out, faces[i]);
        out += ";}";
    }
    out += "}\r\n";
    if (!colors.empty()) {
        out += "{\\colortbl ;";
        for (COLORREF c : colors)
            out += "\\red" + std::to_string(c & 0xFF) + "\\green" + std::to_string((c >> 8) & 0xFF) + "\\blue" +
                   std::to_string((c >> 16) & 0xFF) + ";";
        out += "}\r\n";
    }
    out += "\\viewkind4\\uc1";
    std::size_t paragraph = text.ParagraphOf(start);
    auto paragraphFormat = [&](std::size_t index) {
        out += "\\pard";
        if (text.Alignment(index) == RichAlignment::Right) out += "\\qr";
        if (text.Alignment(index) == RichAlignment::Center) out += "\\qc";
        out += ' ';
    };
    paragraphFormat(paragraph);
    bool written = false;
    RichCharFormat current;
    for (std::size_t i = start; i < end;) {
        // The format words come first also for a paragraph mark, which has
        // a format of its own.
        const RichCharFormat& f = text.FormatAt(i);
        std::string words;
        if (!written || f.face != current.face) words += "\\f" + std::to_string(indexOf(faces, f.face));
        if (!written || f.halfPoints != current.halfPoints) words += "\\fs" + std::to_string(f.halfPoints);
        if (!written || f.autoColor != current.autoColor || f.color != current.color)
            words += "\\cf" + std::to_string(f.autoColor ? 0 : indexOf(colors, f.color) + 1);
        if (!written || f.bold != current.bold) words += f.bold ? "\\b" : "\\b0";
        if (!written || f.italic != current.italic) words += f.italic ? "\\i" : "\\i0";
        if (!written || f.underline != current.underline) words += f.underline ? "\\ul" : "\\ulnone";
        if (!written || f.strike != current.strike) words += f.strike ? "\\strike" : "\\strike0";
        if (!words.empty()) out += words + " ";
        current = f;
        written = true;
        if (text.Text().compare(i, 2, "\r\n") == 0) {
            out += "\\par\r\n";
            paragraphFormat(++paragraph);
            i += 2;
            continue;
        }
        std::size_t run = i;
        while (run < end && text.FormatAt(run) == f && text.Text().compare(run, 2, "\r\n") != 0)
            run += AnsiCharSize(text.Text(), run);
        WriteEscaped(out, text.Text().substr(i, std::min(run, end) - i));
        i = std::min(run, end);
    }
    out += "\\par\r\n}\r\n";
    return out;
}
