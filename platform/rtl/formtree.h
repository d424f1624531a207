// The parsed form of a form description: objects, properties and values,
// independent of whether they came from text or from the binary format.
// TReader reads components from it, TWriter produces it, and the text and
// binary codecs convert it from and to bytes.
#pragma once

#include <string>
#include <vector>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/types.h"

SERVIORA_EXCEPTION(EParserError, Exception);

enum class TFormValueKind {
    Integer,     // integer
    Float,       // real
    String,      // text (UTF-8; any code point)
    Ident,       // text: an identifier, possibly dotted ("DM1.DataSource7"), True/False/nil included
    Set,         // names
    List,        // items
    Collection,  // collectionItems
    Binary,      // bytes
};

struct TFormProperty;

struct TFormCollectionItem {
    std::vector<TFormProperty> properties;
    friend bool operator==(const TFormCollectionItem&, const TFormCollectionItem&) = default;
};

struct TFormValue {
    TFormValueKind kind = TFormValueKind::Integer;
    Int64 integer = 0;
    double real = 0;
    std::string text;
    std::vector<std::string> names;
    std::vector<TFormValue> items;
    std::vector<TFormCollectionItem> collectionItems;
    std::string bytes;

    static TFormValue OfInteger(Int64 v);
    static TFormValue OfFloat(double v);
    static TFormValue OfString(std::string utf8);
    static TFormValue OfIdent(std::string ident);
    static TFormValue OfBinary(std::string bytes);

    friend bool operator==(const TFormValue&, const TFormValue&) = default;
};

struct TFormProperty {
    std::string name;  // possibly dotted: "Font.Name"
    TFormValue value;
    friend bool operator==(const TFormProperty&, const TFormProperty&) = default;
};

enum class TFormObjectKind { Object, Inherited, Inline };

struct TFormObject {
    TFormObjectKind kind = TFormObjectKind::Object;
    std::string name;
    std::string className;
    int childPos = -1;  // "[n]" after the class name; -1 when absent
    std::vector<TFormProperty> properties;
    std::vector<TFormObject> children;
    friend bool operator==(const TFormObject&, const TFormObject&) = default;
};

// How deep objects, lists and collections may nest in a form description
// that is read; deeper input is refused rather than recursed into.
constexpr int MaxFormNesting = 256;

// Text syntax (UTF-8). ParseFormText raises EParserError with the line.
TFormObject ParseFormText(const std::string& text);
std::string FormatFormText(const TFormObject& object);

// The binary layout, beginning with the signature "TPF0". ParseFormBinary
// raises EReadError for a stream that is not one or is cut short.
TFormObject ParseFormBinary(const std::string& bytes);
std::string FormatFormBinary(const TFormObject& object);
bool IsFormBinary(const std::string& bytes);

// Converters between the two forms (ObjectTextToBinary and back).
std::string FormTextToBinary(const std::string& text);
std::string FormBinaryToText(const std::string& bytes);
