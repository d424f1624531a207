// The stream primitives of the engine's records: little-endian numbers,
// strings with a 16-bit byte count, string lists with a 32-bit byte count,
// and fonts.
#include <limits>

#include "platform/rtl/format.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/stringlist.h"
#include "report/core/qm_resourcestrings.h"
#include "report/core/qm_utils.h"

namespace {

constexpr std::size_t kMaxStringBytes = std::numeric_limits<Word>::max();

template <class T>
T ReadLittleEndian(TStream* stream) {
    unsigned char bytes[sizeof(T)];
    stream->ReadBuffer(bytes, sizeof(T));
    std::make_unsigned_t<T> value = 0;
    for (std::size_t i = sizeof(T); i-- > 0;) value = static_cast<std::make_unsigned_t<T>>(value << 8 | bytes[i]);
    return static_cast<T>(value);
}

template <class T>
void WriteLittleEndian(TStream* stream, T value) {
    auto bits = static_cast<std::make_unsigned_t<T>>(value);
    unsigned char bytes[sizeof(T)];
    for (unsigned char& byte : bytes) {
        byte = static_cast<unsigned char>(bits & 0xFF);
        bits = static_cast<std::make_unsigned_t<T>>(bits >> 8);
    }
    stream->WriteBuffer(bytes, sizeof(T));
}

AnsiString TooLongMessage(std::size_t length, const AnsiString& owner) {
    AnsiString message = Format(LoadReportString(qmsTextTooLong), {static_cast<Int64>(length)});
    return owner.empty() ? message : owner + ": " + message;
}

}  // namespace

EQmTextTooLong::EQmTextTooLong(std::size_t length) : Exception(TooLongMessage(length, {})), length_(length) {}

void EQmTextTooLong::SetOwner(const AnsiString& owner) {
    owner_ = owner;
    SetMessage(TooLongMessage(length_, owner));
}

bool ReadBoolean(TStream* stream) { return ReadByte(stream) != 0; }
void WriteBoolean(TStream* stream, bool value) { WriteByte(stream, value ? 1 : 0); }
Byte ReadByte(TStream* stream) { return ReadLittleEndian<Byte>(stream); }
void WriteByte(TStream* stream, Byte value) { WriteLittleEndian(stream, value); }
Word ReadWord(TStream* stream) { return ReadLittleEndian<Word>(stream); }
void WriteWord(TStream* stream, Word value) { WriteLittleEndian(stream, value); }
Integer ReadInteger(TStream* stream) { return ReadLittleEndian<Integer>(stream); }
void WriteInteger(TStream* stream, Integer value) { WriteLittleEndian(stream, value); }
Cardinal ReadLongWord(TStream* stream) { return ReadLittleEndian<Cardinal>(stream); }
void WriteLongWord(TStream* stream, Cardinal value) { WriteLittleEndian(stream, value); }

void ReadString(TStream* stream, AnsiString& target) {
    const Word length = ReadWord(stream);
    AnsiString bytes(length, '\0');
    stream->ReadBuffer(bytes.data(), length);
    target = std::move(bytes);
}

void WriteString(TStream* stream, const AnsiString& value) {
    // A wrapped length word would make every later record unreadable.
    if (value.size() > kMaxStringBytes) throw EQmTextTooLong(value.size());
    WriteWord(stream, static_cast<Word>(value.size()));
    stream->WriteBuffer(value.data(), static_cast<Integer>(value.size()));
}

void ReadStringList(TStream* stream, TStrings* target) {
    target->Clear();
    const Integer length = ReadInteger(stream);
    if (length <= 0) return;
    AnsiString bytes(static_cast<std::size_t>(length), '\0');
    stream->ReadBuffer(bytes.data(), length);
    target->SetText(bytes);
}

void WriteStringList(TStream* stream, const TStrings* value) {
    const AnsiString text = value->Text();
    WriteInteger(stream, static_cast<Integer>(text.size()));
    stream->WriteBuffer(text.data(), static_cast<Integer>(text.size()));
}

TFontStyles StoredStyleToFontStyle(Word stored) {
    TFontStyles style;
    if (stored & 1) style.Include(fsItalic);
    if (stored & 2) style.Include(fsBold);
    if (stored & 4) style.Include(fsUnderline);
    if (stored & 8) style.Include(fsStrikeOut);
    return style;
}

Word FontStyleToStoredStyle(TFontStyles style) {
    return static_cast<Word>((style.Contains(fsItalic) ? 1 : 0) | (style.Contains(fsBold) ? 2 : 0) |
                             (style.Contains(fsUnderline) ? 4 : 0) | (style.Contains(fsStrikeOut) ? 8 : 0));
}

void ReadFont(TStream* stream, TFont* font) {
    AnsiString name;
    ReadString(stream, name);
    font->SetName(name);
    const Integer size = ReadInteger(stream);
    if (size < 0)
        font->SetHeight(size);
    else
        font->SetSize(size);
    font->SetStyle(StoredStyleToFontStyle(ReadWord(stream)));
    font->SetColor(ReadInteger(stream));
    font->SetCharset(static_cast<TFontCharset>(ReadWord(stream)));
}

void WriteFont(TStream* stream, const TFont* font) {
    WriteString(stream, font->Name());
    WriteInteger(stream, font->Height());
    WriteWord(stream, FontStyleToStoredStyle(font->Style()));
    WriteInteger(stream, font->Color());
    WriteWord(stream, font->Charset());
}
