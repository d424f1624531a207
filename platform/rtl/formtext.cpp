// The text syntax of form descriptions: parser and printer.
#include <cctype>
#include <charconv>
#include <cmath>

#include "platform/rtl/formtree.h"
#include "platform/rtl/identifier.h"

TFormValue TFormValue::OfInteger(Int64 v) {
    TFormValue value;
    value.kind = TFormValueKind::Integer;
    value.integer = v;
    return value;
}

TFormValue TFormValue::OfFloat(double v) {
    TFormValue value;
    value.kind = TFormValueKind::Float;
    value.real = v;
    return value;
}

TFormValue TFormValue::OfString(std::string utf8) {
    TFormValue value;
    value.kind = TFormValueKind::String;
    value.text = std::move(utf8);
    return value;
}

TFormValue TFormValue::OfIdent(std::string ident) {
    TFormValue value;
    value.kind = TFormValueKind::Ident;
    value.text = std::move(ident);
    return value;
}

TFormValue TFormValue::OfBinary(std::string bytes) {
    TFormValue value;
    value.kind = TFormValueKind::Binary;
    value.bytes = std::move(bytes);
    return value;
}

namespace {

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool IsIdentChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

class TextParser {
public:
    explicit TextParser(const std::string& text) : text_(text) {}

    TFormObject ParseRoot() {
        SkipBlanks();
        TFormObject root = ParseObject();
        SkipBlanks();
        if (pos_ < text_.size())
            Fail("Text after the end of the object");
        return root;
    }

private:
    [[noreturn]] void Fail(const std::string& message) const {
        throw EParserError(message + " on line " + std::to_string(line_));
    }

    // One level of objects, lists or collections; input nested deeper than
    // MaxFormNesting is refused before it can exhaust the stack.
    class Level {
    public:
        explicit Level(TextParser& parser) : parser_(parser) {
            if (parser_.depth_ == MaxFormNesting)
                parser_.Fail("Nesting too deep");
            ++parser_.depth_;
        }
        ~Level() { --parser_.depth_; }
        Level(const Level&) = delete;
        Level& operator=(const Level&) = delete;

    private:
        TextParser& parser_;
    };

    void SkipBlanks() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n')
                ++line_;
            else if (c != ' ' && c != '\t' && c != '\r')
                break;
            ++pos_;
        }
    }

    char Peek() {
        SkipBlanks();
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }

    void Expect(char c) {
        if (Peek() != c)
            Fail(std::string("'") + c + "' expected");
        ++pos_;
    }

    // An identifier, dots allowed between its parts ("Font.Name").
    std::string Ident() {
        SkipBlanks();
        const std::size_t start = pos_;
        while (pos_ < text_.size() && (IsIdentChar(text_[pos_]) || (text_[pos_] == '.' && pos_ > start)))
            ++pos_;
        if (pos_ == start || std::isdigit(static_cast<unsigned char>(text_[start])))
            Fail("Identifier expected");
        return text_.substr(start, pos_ - start);
    }

    TFormObject ParseObject() {
        const Level level(*this);
        TFormObject object;
        const std::string word = Ident();
        if (SameIdentifier(word, "object"))
            object.kind = TFormObjectKind::Object;
        else if (SameIdentifier(word, "inherited"))
            object.kind = TFormObjectKind::Inherited;
        else if (SameIdentifier(word, "inline"))
            object.kind = TFormObjectKind::Inline;
        else
            Fail("'object' expected");
        std::string first = Ident();
        if (Peek() == ':') {
            ++pos_;
            object.name = std::move(first);
            object.className = Ident();
        } else {
            object.className = std::move(first);
        }
        if (Peek() == '[') {
            ++pos_;
            object.childPos = static_cast<int>(Number().integer);
            Expect(']');
        }
        for (;;) {
            const std::size_t mark = pos_;
            const int markLine = line_;
            const std::string word2 = Ident();
            if (SameIdentifier(word2, "end"))
                return object;
            if (SameIdentifier(word2, "object") || SameIdentifier(word2, "inherited") || SameIdentifier(word2, "inline")) {
                pos_ = mark;
                line_ = markLine;
                object.children.push_back(ParseObject());
            } else {
                object.properties.push_back(Property(word2));
            }
        }
    }

    TFormProperty Property(std::string name) {
        Expect('=');
        return {std::move(name), Value()};
    }

    TFormValue Value() {
        const char c = Peek();
        if (c == '\'' || c == '#')
            return TFormValue::OfString(String());
        if (c == '-' || c == '$' || std::isdigit(static_cast<unsigned char>(c)))
            return Number();
        if (c == '[')
            return Set();
        if (c == '(')
            return List();
        if (c == '<')
            return Collection();
        if (c == '{')
            return Binary();
        if (IsIdentChar(c))
            return TFormValue::OfIdent(Ident());
        Fail("Invalid property value");
    }

    // Quoted runs and #nnn codes written together, joined by "+" across lines.
    std::string String() {
        std::string out;
        Peek();
        for (;;) {
            char c = pos_ < text_.size() ? text_[pos_] : '\0';
            if (c != '\'' && c != '#' && Peek() == '+')
                c = '+';
            if (c == '\'') {
                ++pos_;
                for (;;) {
                    if (pos_ >= text_.size() || text_[pos_] == '\n')
                        Fail("Unterminated string");
                    if (text_[pos_] == '\'') {
                        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                            out += '\'';
                            pos_ += 2;
                            continue;
                        }
                        ++pos_;
                        break;
                    }
                    out += text_[pos_++];
                }
            } else if (c == '#') {
                ++pos_;
                const std::size_t start = pos_;
                while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])))
                    ++pos_;
                unsigned long code = 0;
                auto [end, error] = std::from_chars(text_.data() + start, text_.data() + pos_, code);
                if (pos_ == start || error != std::errc() || code > 0x10FFFF)
                    Fail("Invalid character code");
                AppendUtf8(out, static_cast<char32_t>(code));
            } else if (c == '+') {
                ++pos_;
                const char next = Peek();
                if (next != '\'' && next != '#')
                    Fail("String expected");
            } else {
                return out;
            }
        }
    }

    TFormValue Number() {
        SkipBlanks();
        const std::size_t start = pos_;
        bool negative = false;
        if (text_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        if (pos_ < text_.size() && text_[pos_] == '$') {
            const std::size_t digits = ++pos_;
            while (pos_ < text_.size() && std::isxdigit(static_cast<unsigned char>(text_[pos_])))
                ++pos_;
            std::uint64_t value = 0;
            auto [end, error] = std::from_chars(text_.data() + digits, text_.data() + pos_, value, 16);
            if (pos_ == digits || error != std::errc())
                Fail("Invalid number");
            // Negated as unsigned: -$8000000000000000 is the smallest Int64.
            return TFormValue::OfInteger(static_cast<Int64>(negative ? 0 - value : value));
        }
        bool isFloat = false;
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (std::isdigit(static_cast<unsigned char>(c))) {
                ++pos_;
            } else if (c == '.' || c == 'e' || c == 'E') {
                isFloat = true;
                ++pos_;
                if (pos_ < text_.size() && (c == 'e' || c == 'E') && (text_[pos_] == '-' || text_[pos_] == '+'))
                    ++pos_;
            } else {
                break;
            }
        }
        const char* first = text_.data() + start;
        const char* last = text_.data() + pos_;
        // Delphi-style suffixes for single, currency and date values.
        if (pos_ < text_.size() && (text_[pos_] == 's' || text_[pos_] == 'c' || text_[pos_] == 'd')) {
            isFloat = true;
            ++pos_;
        }
        if (isFloat) {
            double value = 0;
            auto [end, error] = std::from_chars(first, last, value);
            if (error != std::errc() || end != last)
                Fail("Invalid number");
            return TFormValue::OfFloat(value);
        }
        Int64 value = 0;
        auto [end, error] = std::from_chars(first, last, value);
        if (error != std::errc() || end != last)
            Fail("Invalid number");
        return TFormValue::OfInteger(value);
    }

    TFormValue Set() {
        Expect('[');
        TFormValue value;
        value.kind = TFormValueKind::Set;
        if (Peek() == ']') {
            ++pos_;
            return value;
        }
        for (;;) {
            value.names.push_back(Ident());
            const char c = Peek();
            ++pos_;
            if (c == ']')
                return value;
            if (c != ',')
                Fail("',' or ']' expected");
        }
    }

    TFormValue List() {
        const Level level(*this);
        Expect('(');
        TFormValue value;
        value.kind = TFormValueKind::List;
        while (Peek() != ')') {
            if (pos_ >= text_.size())
                Fail("')' expected");
            value.items.push_back(Value());
        }
        ++pos_;
        return value;
    }

    TFormValue Collection() {
        const Level level(*this);
        Expect('<');
        TFormValue value;
        value.kind = TFormValueKind::Collection;
        while (Peek() != '>') {
            if (!SameIdentifier(Ident(), "item"))
                Fail("'item' expected");
            TFormCollectionItem item;
            for (;;) {
                std::string name = Ident();
                if (SameIdentifier(name, "end"))
                    break;
                item.properties.push_back(Property(std::move(name)));
            }
            value.collectionItems.push_back(std::move(item));
        }
        ++pos_;
        return value;
    }

    TFormValue Binary() {
        Expect('{');
        std::string bytes;
        int high = -1;
        for (;;) {
            const char c = Peek();
            if (c == '}') {
                ++pos_;
                break;
            }
            if (!std::isxdigit(static_cast<unsigned char>(c)))
                Fail("Invalid binary value");
            ++pos_;
            const int nibble = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : (std::toupper(c) - 'A' + 10);
            if (high < 0) {
                high = nibble;
            } else {
                bytes += static_cast<char>((high << 4) | nibble);
                high = -1;
            }
        }
        if (high >= 0)
            Fail("Invalid binary value");
        return TFormValue::OfBinary(std::move(bytes));
    }

    const std::string& text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int depth_ = 0;
};

// Bytes of the character at `i`: a lead byte takes only the continuation
// bytes that follow it, so a quote after a stray lead byte stays a
// character of its own (and is doubled).
std::size_t Utf8CharSize(const std::string& text, std::size_t i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const std::size_t expected = c < 0xC0 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    std::size_t size = 1;
    while (size < expected && i + size < text.size() && (static_cast<unsigned char>(text[i + size]) & 0xC0) == 0x80)
        ++size;
    return size;
}

class TextPrinter {
public:
    std::string Print(const TFormObject& root) {
        Object(root, 0);
        return std::move(out_);
    }

private:
    static constexpr std::size_t kLineChars = 64;

    void Indent(int level) { out_.append(static_cast<std::size_t>(level) * 2, ' '); }

    void Object(const TFormObject& object, int level) {
        Indent(level);
        out_ += object.kind == TFormObjectKind::Inherited ? "inherited "
                : object.kind == TFormObjectKind::Inline  ? "inline "
                                                          : "object ";
        if (!object.name.empty())
            out_ += object.name + ": ";
        out_ += object.className;
        if (object.childPos >= 0)
            out_ += " [" + std::to_string(object.childPos) + "]";
        out_ += '\n';
        Properties(object.properties, level + 1);
        for (const TFormObject& child : object.children)
            Object(child, level + 1);
        Indent(level);
        out_ += "end\n";
    }

    void Properties(const std::vector<TFormProperty>& properties, int level) {
        for (const TFormProperty& prop : properties) {
            Indent(level);
            out_ += prop.name + " = ";
            Value(prop.value, level);
            out_ += '\n';
        }
    }

    // Values that span lines continue at level + 1.
    void Value(const TFormValue& value, int level) {
        switch (value.kind) {
        case TFormValueKind::Integer:
            out_ += std::to_string(value.integer);
            break;
        case TFormValueKind::Float:
            Float(value.real);
            break;
        case TFormValueKind::String:
            String(value.text, level + 1);
            break;
        case TFormValueKind::Ident:
            out_ += value.text;
            break;
        case TFormValueKind::Set:
            out_ += '[';
            for (std::size_t i = 0; i < value.names.size(); ++i)
                out_ += (i ? ", " : "") + value.names[i];
            out_ += ']';
            break;
        case TFormValueKind::List:
            out_ += '(';
            for (const TFormValue& item : value.items) {
                out_ += '\n';
                Indent(level + 1);
                Value(item, level + 1);
            }
            out_ += ')';
            break;
        case TFormValueKind::Collection:
            out_ += '<';
            for (const TFormCollectionItem& item : value.collectionItems) {
                out_ += '\n';
                Indent(level + 1);
                out_ += "item\n";
                Properties(item.properties, level + 2);
                Indent(level + 1);
                out_ += "end";
            }
            out_ += '>';
            break;
        case TFormValueKind::Binary:
            Binary(value.bytes, level + 1);
            break;
        }
    }

    void Float(double v) {
        char buffer[64];
        auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, v);
        std::string text(buffer, end);
        if (std::isfinite(v) && text.find_first_of(".e") == std::string::npos)
            text += ".0";
        out_ += text;
    }

    // Printable characters in quotes, control characters as #nnn; lines of
    // about kLineChars characters joined by " +".
    void String(const std::string& text, int level) {
        if (text.empty()) {
            out_ += "''";
            return;
        }
        bool quoted = false;
        std::size_t onLine = 0;
        for (std::size_t i = 0; i < text.size();) {
            if (onLine >= kLineChars) {
                if (quoted)
                    out_ += '\'';
                quoted = false;
                out_ += " +\n";
                Indent(level);
                onLine = 0;
            }
            const unsigned char c = static_cast<unsigned char>(text[i]);
            if (c < 0x20) {
                if (quoted)
                    out_ += '\'';
                quoted = false;
                out_ += '#' + std::to_string(c);
                ++i;
            } else {
                if (!quoted)
                    out_ += '\'';
                quoted = true;
                if (c == '\'')
                    out_ += '\'';
                const std::size_t size = Utf8CharSize(text, i);
                out_.append(text, i, size);
                i += size;
            }
            ++onLine;
        }
        if (quoted)
            out_ += '\'';
    }

    void Binary(const std::string& bytes, int level) {
        static const char hex[] = "0123456789ABCDEF";
        out_ += '{';
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (i % (kLineChars / 2) == 0) {
                out_ += '\n';
                Indent(level);
            }
            const unsigned char b = static_cast<unsigned char>(bytes[i]);
            out_ += hex[b >> 4];
            out_ += hex[b & 15];
        }
        out_ += '}';
    }

    std::string out_;
};

}  // namespace

TFormObject ParseFormText(const std::string& text) {
    std::size_t start = 0;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        start = 3;
    return TextParser(text.substr(start)).ParseRoot();
}

std::string FormatFormText(const TFormObject& object) {
    return TextPrinter().Print(object);
}
