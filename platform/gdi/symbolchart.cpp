// The chart of the symbol face: Greek letters on the Latin letters, the
// mathematical signs on the punctuation, arrows, set and logic signs and the
// bullet in the upper half.
#include "platform/gdi/symbolchart.h"

#include <cctype>
#include <cstring>

namespace {

// Upper-case Latin letters to Greek, then the lower-case ones.
constexpr char16_t kUpperGreek[] = u"ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ";
constexpr char16_t kLowerGreek[] = u"αβχδεφγηιϕκλμνοπθρστυϖωξψζ";

struct Mapped {
    unsigned char byte;
    char16_t symbol;
};

constexpr Mapped kSigns[] = {
    {0x22, u'∀'}, {0x24, u'∃'}, {0x27, u'∋'}, {0x2A, u'∗'}, {0x2D, u'−'}, {0x40, u'≅'}, {0x5C, u'∴'},
    {0x5E, u'⊥'}, {0x7E, u'∼'}, {0xA1, u'ϒ'}, {0xA2, u'′'}, {0xA3, u'≤'}, {0xA4, u'⁄'}, {0xA5, u'∞'},
    {0xA6, u'ƒ'}, {0xA7, u'♣'}, {0xA8, u'♦'}, {0xA9, u'♥'}, {0xAA, u'♠'}, {0xAB, u'↔'}, {0xAC, u'←'},
    {0xAD, u'↑'}, {0xAE, u'→'}, {0xAF, u'↓'}, {0xB0, u'°'}, {0xB1, u'±'}, {0xB2, u'″'}, {0xB3, u'≥'},
    {0xB4, u'×'}, {0xB5, u'∝'}, {0xB6, u'∂'}, {0xB7, u'•'}, {0xB8, u'÷'}, {0xB9, u'≠'}, {0xBA, u'≡'},
    {0xBB, u'≈'}, {0xBC, u'…'}, {0xC0, u'ℵ'}, {0xC1, u'ℑ'}, {0xC2, u'ℜ'}, {0xC3, u'℘'}, {0xC4, u'⊗'},
    {0xC5, u'⊕'}, {0xC6, u'∅'}, {0xC7, u'∩'}, {0xC8, u'∪'}, {0xC9, u'⊃'}, {0xCA, u'⊇'}, {0xCB, u'⊄'},
    {0xCC, u'⊂'}, {0xCD, u'⊆'}, {0xCE, u'∈'}, {0xCF, u'∉'}, {0xD0, u'∠'}, {0xD1, u'∇'}, {0xD5, u'∏'},
    {0xD6, u'√'}, {0xD7, u'⋅'}, {0xD8, u'¬'}, {0xD9, u'∧'}, {0xDA, u'∨'}, {0xDB, u'⇔'}, {0xDC, u'⇐'},
    {0xDD, u'⇑'}, {0xDE, u'⇒'}, {0xDF, u'⇓'}, {0xE0, u'◊'}, {0xE1, u'〈'}, {0xE5, u'∑'}, {0xF1, u'〉'},
    {0xF2, u'∫'},
};

// The caption-button and control glyphs of the window system's face.
constexpr Mapped kMarlett[] = {
    {'0', u'‗'}, {'1', u'□'}, {'2', u'❐'}, {'3', u'◀'}, {'4', u'▶'}, {'5', u'▲'},
    {'6', u'▼'}, {'a', u'✓'}, {'h', u'•'}, {'n', u'●'}, {'r', u'×'}, {'s', u'?'},
};

bool IsFace(const char* faceName, const char* lowerName) {
    if (!faceName || std::strlen(faceName) != std::strlen(lowerName)) return false;
    for (std::size_t i = 0; lowerName[i]; ++i)
        if (std::tolower(static_cast<unsigned char>(faceName[i])) != lowerName[i]) return false;
    return true;
}

}  // namespace

char16_t SymbolCharToUnicode(unsigned char byte) {
    if (byte >= 'A' && byte <= 'Z') return kUpperGreek[byte - 'A'];
    if (byte >= 'a' && byte <= 'z') return kLowerGreek[byte - 'a'];
    for (const Mapped& m : kSigns)
        if (m.byte == byte) return m.symbol;
    return char16_t(byte);
}

bool IsSymbolFace(const char* faceName) { return IsFace(faceName, "symbol"); }

char16_t MarlettCharToUnicode(unsigned char byte) {
    for (const Mapped& m : kMarlett)
        if (m.byte == byte) return m.symbol;
    return char16_t(byte);
}

bool IsMarlettFace(const char* faceName) { return IsFace(faceName, "marlett"); }

bool IsChartFace(const char* faceName) { return IsSymbolFace(faceName) || IsMarlettFace(faceName); }

char16_t ChartCharToUnicode(const char* faceName, unsigned char byte) {
    return IsMarlettFace(faceName) ? MarlettCharToUnicode(byte) : SymbolCharToUnicode(byte);
}
