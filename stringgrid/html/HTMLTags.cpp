// Tags are ASCII inside ANSI text; "<", ">", "=" and the double quote lie
// below the trail-byte range, so they are found byte by byte, while the
// attribute names are compared as whole ASCII words.
#include "stringgrid/html/HTMLTags.h"

#include <cctype>

#include "platform/rtl/sysutils.h"

namespace htmltags {

namespace {

bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-'; }

// The offset just after "name" followed by optional blanks and "=", or npos.
std::size_t ValueStart(const AnsiString& tag, const AnsiString& name) {
    const AnsiString upperTag = UpperCase(tag), upperName = UpperCase(name);
    for (std::size_t at = upperTag.find(upperName); at != AnsiString::npos; at = upperTag.find(upperName, at + 1)) {
        if (at == 0 || IsNameChar(upperTag[at - 1])) continue;
        std::size_t p = at + upperName.size();
        if (p < upperTag.size() && IsNameChar(upperTag[p])) continue;
        while (p < tag.size() && tag[p] == ' ') ++p;
        if (p < tag.size() && tag[p] == '=') return p + 1;
    }
    return AnsiString::npos;
}

AnsiString ValueAt(const AnsiString& tag, std::size_t p, bool loose) {
    while (p < tag.size() && tag[p] == ' ') ++p;
    if (p < tag.size() && tag[p] == '"') {
        std::size_t end = tag.find('"', p + 1);
        return end == AnsiString::npos ? AnsiString() : tag.substr(p + 1, end - p - 1);
    }
    if (!loose) return AnsiString();
    std::size_t end = tag.find_first_of(" >", p);
    return tag.substr(p, end == AnsiString::npos ? AnsiString::npos : end - p);
}

}  // namespace

AnsiString Attribute(const AnsiString& tag, const AnsiString& name) {
    std::size_t p = ValueStart(tag, name);
    return p == AnsiString::npos ? AnsiString() : ValueAt(tag, p, false);
}

AnsiString LooseAttribute(const AnsiString& tag, const AnsiString& name) {
    std::size_t p = ValueStart(tag, name);
    return p == AnsiString::npos ? AnsiString() : ValueAt(tag, p, true);
}

bool HasAttribute(const AnsiString& tag, const AnsiString& name) { return ValueStart(tag, name) != AnsiString::npos; }

AnsiString AttributeStartingWith(const AnsiString& tag, char letter) {
    const char upper = char(std::toupper(static_cast<unsigned char>(letter)));
    // Attribute names start after a blank; values in quotes are skipped.
    bool quoted = false;
    for (std::size_t i = 1; i < tag.size(); ++i) {
        if (tag[i] == '"') quoted = !quoted;
        if (quoted || tag[i - 1] != ' ' || std::toupper(static_cast<unsigned char>(tag[i])) != upper) continue;
        std::size_t p = i;
        while (p < tag.size() && IsNameChar(tag[p])) ++p;
        return LooseAttribute(tag, tag.substr(i, p - i));
    }
    return AnsiString();
}

int LeadingNumber(const AnsiString& value, bool* whole) {
    std::size_t i = 0;
    int number = 0;
    while (i < value.size() && value[i] >= '0' && value[i] <= '9' && number < 100000000)
        number = number * 10 + (value[i++] - '0');
    if (whole) *whole = i > 0 && i == value.size();
    return number;
}

}  // namespace htmltags
