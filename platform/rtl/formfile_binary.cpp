// The binary form format: "TPF0" followed by the root object.
//
//   object   := kind:u8 childPos:int className:str name:str
//               count {property} count {object}
//   property := name:str value
//   value    := tag:u8 payload      (tags: see ValueTag)
//   int      := zig-zag LEB128;  count := LEB128;  str := count bytes
//   float    := 8 bytes, IEEE 754 little-endian
// Text is UTF-8 throughout, as in the text form.
#include <bit>
#include <cstring>

#include "platform/rtl/formtree.h"

namespace {

constexpr char kSignature[] = "TPF0";

enum ValueTag : unsigned char {
    tagInteger = 1, tagFloat, tagString, tagIdent, tagSet, tagList, tagCollection, tagBinary
};

class BinaryWriter {
public:
    std::string Write(const TFormObject& root) {
        out_ = kSignature;
        Object(root);
        return std::move(out_);
    }

private:
    void Unsigned(std::uint64_t v) {
        do {
            unsigned char b = v & 0x7F;
            v >>= 7;
            if (v)
                b |= 0x80;
            out_ += static_cast<char>(b);
        } while (v);
    }
    void Signed(Int64 v) { Unsigned((static_cast<std::uint64_t>(v) << 1) ^ static_cast<std::uint64_t>(v >> 63)); }
    void Str(const std::string& s) {
        Unsigned(s.size());
        out_ += s;
    }

    void Object(const TFormObject& object) {
        out_ += static_cast<char>(object.kind);
        Signed(object.childPos);
        Str(object.className);
        Str(object.name);
        Properties(object.properties);
        Unsigned(object.children.size());
        for (const TFormObject& child : object.children)
            Object(child);
    }

    void Properties(const std::vector<TFormProperty>& properties) {
        Unsigned(properties.size());
        for (const TFormProperty& prop : properties) {
            Str(prop.name);
            Value(prop.value);
        }
    }

    void Value(const TFormValue& value) {
        switch (value.kind) {
        case TFormValueKind::Integer:
            out_ += static_cast<char>(tagInteger);
            Signed(value.integer);
            break;
        case TFormValueKind::Float: {
            out_ += static_cast<char>(tagFloat);
            std::uint64_t bits = std::bit_cast<std::uint64_t>(value.real);
            for (int i = 0; i < 8; ++i)
                out_ += static_cast<char>((bits >> (8 * i)) & 0xFF);
            break;
        }
        case TFormValueKind::String:
            out_ += static_cast<char>(tagString);
            Str(value.text);
            break;
        case TFormValueKind::Ident:
            out_ += static_cast<char>(tagIdent);
            Str(value.text);
            break;
        case TFormValueKind::Set:
            out_ += static_cast<char>(tagSet);
            Unsigned(value.names.size());
            for (const std::string& name : value.names)
                Str(name);
            break;
        case TFormValueKind::List:
            out_ += static_cast<char>(tagList);
            Unsigned(value.items.size());
            for (const TFormValue& item : value.items)
                Value(item);
            break;
        case TFormValueKind::Collection:
            out_ += static_cast<char>(tagCollection);
            Unsigned(value.collectionItems.size());
            for (const TFormCollectionItem& item : value.collectionItems)
                Properties(item.properties);
            break;
        case TFormValueKind::Binary:
            out_ += static_cast<char>(tagBinary);
            Str(value.bytes);
            break;
        }
    }

    std::string out_;
};

class BinaryReader {
public:
    explicit BinaryReader(const std::string& bytes) : in_(bytes) {}

    TFormObject Read() {
        if (!IsFormBinary(in_))
            Fail();
        pos_ = 4;
        TFormObject root = Object(0);
        if (pos_ != in_.size())
            Fail();
        return root;
    }

private:
    [[noreturn]] static void Fail() { throw EReadError("Invalid stream format"); }

    unsigned char Byte() {
        if (pos_ >= in_.size())
            Fail();
        return static_cast<unsigned char>(in_[pos_++]);
    }
    std::uint64_t Unsigned() {
        std::uint64_t v = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            const unsigned char b = Byte();
            v |= static_cast<std::uint64_t>(b & 0x7F) << shift;
            if (!(b & 0x80))
                return v;
        }
        Fail();
    }
    Int64 Signed() {
        const std::uint64_t v = Unsigned();
        return static_cast<Int64>((v >> 1) ^ (~(v & 1) + 1));
    }
    // A count of things each taking at least one byte. Vectors grow as the
    // things arrive, never sized from the count: a count only bounds the
    // bytes left, not what each thing costs in memory.
    std::size_t Count() {
        const std::uint64_t n = Unsigned();
        if (n > in_.size() - pos_)
            Fail();
        return static_cast<std::size_t>(n);
    }
    std::string Str() {
        const std::size_t n = Count();
        std::string s = in_.substr(pos_, n);
        pos_ += n;
        return s;
    }

    TFormObject Object(int depth) {
        if (depth > MaxFormNesting)
            Fail();
        TFormObject object;
        const unsigned char kind = Byte();
        if (kind > static_cast<unsigned char>(TFormObjectKind::Inline))
            Fail();
        object.kind = static_cast<TFormObjectKind>(kind);
        object.childPos = static_cast<int>(Signed());
        object.className = Str();
        object.name = Str();
        object.properties = Properties(depth);
        const std::size_t children = Count();
        for (std::size_t i = 0; i < children; ++i)
            object.children.push_back(Object(depth + 1));
        return object;
    }

    std::vector<TFormProperty> Properties(int depth) {
        std::vector<TFormProperty> properties;
        for (std::size_t i = Count(); i > 0; --i) {
            std::string name = Str();
            properties.push_back({std::move(name), Value(depth + 1)});
        }
        return properties;
    }

    TFormValue Value(int depth) {
        if (depth > MaxFormNesting)
            Fail();
        TFormValue value;
        switch (Byte()) {
        case tagInteger:
            return TFormValue::OfInteger(Signed());
        case tagFloat: {
            std::uint64_t bits = 0;
            for (int i = 0; i < 8; ++i)
                bits |= static_cast<std::uint64_t>(Byte()) << (8 * i);
            return TFormValue::OfFloat(std::bit_cast<double>(bits));
        }
        case tagString:
            return TFormValue::OfString(Str());
        case tagIdent:
            return TFormValue::OfIdent(Str());
        case tagSet:
            value.kind = TFormValueKind::Set;
            for (std::size_t i = Count(); i > 0; --i)
                value.names.push_back(Str());
            return value;
        case tagList:
            value.kind = TFormValueKind::List;
            for (std::size_t i = Count(); i > 0; --i)
                value.items.push_back(Value(depth + 1));
            return value;
        case tagCollection:
            value.kind = TFormValueKind::Collection;
            for (std::size_t i = Count(); i > 0; --i)
                value.collectionItems.push_back({Properties(depth + 1)});
            return value;
        case tagBinary:
            return TFormValue::OfBinary(Str());
        default:
            Fail();
        }
    }

    const std::string& in_;
    std::size_t pos_ = 0;
};

}  // namespace

bool IsFormBinary(const std::string& bytes) {
    return bytes.compare(0, 4, kSignature) == 0;
}

TFormObject ParseFormBinary(const std::string& bytes) {
    return BinaryReader(bytes).Read();
}

std::string FormatFormBinary(const TFormObject& object) {
    return BinaryWriter().Write(object);
}

std::string FormTextToBinary(const std::string& text) {
    return FormatFormBinary(ParseFormText(text));
}

std::string FormBinaryToText(const std::string& bytes) {
    return FormatFormText(ParseFormBinary(bytes));
}
