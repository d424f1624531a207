// Components written to and read from streams as form descriptions, bare
// or behind a resource header. The header is this platform's own layout:
// the signature "SRES", the data size (32 bits), the name's length (16 bits)
// and the name in upper case; every number little-endian.
#include <algorithm>
#include <array>
#include <string_view>

#include "platform/rtl/reader.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/writer.h"

namespace {

constexpr std::array<char, 4> resSignature{'S', 'R', 'E', 'S'};

[[noreturn]] void InvalidStream() { throw EReadError("Invalid stream format"); }

template <class T>
void PutLittleEndian(std::string& out, T value) {
    for (std::size_t i = 0; i < sizeof(T); ++i) out += char((std::uint64_t(value) >> (8 * i)) & 0xFF);
}

void WriteResource(TStream* stream, const AnsiString& resName, const std::string& data) {
    if (data.size() > 0x7FFFFFFF || resName.size() > 0xFFFF) throw EWriteError("Stream write error");
    std::string header(resSignature.begin(), resSignature.end());
    PutLittleEndian(header, std::uint32_t(data.size()));
    PutLittleEndian(header, std::uint16_t(resName.size()));
    header += UpperCase(resName);
    stream->WriteBuffer(header.data(), Integer(header.size()));
    stream->WriteBuffer(data.data(), Integer(data.size()));
}

std::string ReadBytes(TStream* stream, Int64 count) {
    if (count < 0 || count > stream->Size() - stream->Position()) InvalidStream();
    std::string bytes(std::size_t(count), '\0');
    if (count > 0) stream->ReadBuffer(bytes.data(), Integer(count));
    return bytes;
}

void WriteBytes(TStream* stream, const std::string& bytes) {
    stream->WriteBuffer(bytes.data(), Integer(bytes.size()));
}

// Leaves out of instance what ancestor already says: equal property
// values, and marks components the ancestor has (by name) as inherited.
void RemoveInherited(TFormObject& instance, const TFormObject& ancestor) {
    std::erase_if(instance.properties, [&](const TFormProperty& p) {
        return std::find(ancestor.properties.begin(), ancestor.properties.end(), p) != ancestor.properties.end();
    });
    for (TFormObject& child : instance.children) {
        auto match = std::find_if(ancestor.children.begin(), ancestor.children.end(),
                                  [&](const TFormObject& a) { return SameText(a.name, child.name); });
        if (match == ancestor.children.end()) continue;
        child.kind = TFormObjectKind::Inherited;
        RemoveInherited(child, *match);
    }
}

std::string DescendentBinary(TComponent* instance, TComponent* ancestor) {
    TWriter writer;
    writer.WriteRootComponent(instance);
    if (!ancestor) return writer.Binary();
    TFormObject description = writer.Description();
    TWriter ancestorWriter;
    ancestorWriter.WriteRootComponent(ancestor);
    RemoveInherited(description, ancestorWriter.Description());
    return FormatFormBinary(description);
}

}  // namespace

TComponent* TStream::ReadComponent(TComponent* instance) {
    return ReadComponentFromString(ReadBytes(this, Size() - Position()), instance);
}

void TStream::WriteComponent(TComponent* instance) { WriteDescendent(instance, nullptr); }

void TStream::WriteDescendent(TComponent* instance, TComponent* ancestor) {
    WriteBytes(this, DescendentBinary(instance, ancestor));
}

TComponent* TStream::ReadComponentRes(TComponent* instance) {
    const Integer size = ReadResHeader();
    return ReadComponentFromString(ReadBytes(this, size), instance);
}

void TStream::WriteComponentRes(const AnsiString& resName, TComponent* instance) {
    WriteDescendentRes(resName, instance, nullptr);
}

void TStream::WriteDescendentRes(const AnsiString& resName, TComponent* instance, TComponent* ancestor) {
    WriteResource(this, resName, DescendentBinary(instance, ancestor));
}

Integer TStream::ReadResHeader() {
    const Int64 start = Position();
    std::array<unsigned char, 10> fixed{};
    if (Read(fixed.data(), Integer(fixed.size())) != Integer(fixed.size()) ||
        !std::equal(resSignature.begin(), resSignature.end(), fixed.begin())) {
        SetPosition(start);
        InvalidStream();
    }
    const std::uint32_t size = fixed[4] | fixed[5] << 8 | fixed[6] << 16 | std::uint32_t(fixed[7]) << 24;
    const std::uint16_t nameLength = std::uint16_t(fixed[8] | fixed[9] << 8);
    ReadBytes(this, nameLength);
    if (size > 0x7FFFFFFF) InvalidStream();
    return Integer(size);
}

TStreamOriginalFormat TestStreamFormat(TStream* stream) {
    const Int64 start = stream->Position();
    std::array<char, 16> head{};
    const Integer read = stream->Read(head.data(), Integer(head.size()));
    stream->SetPosition(start);
    const std::string_view bytes(head.data(), std::size_t(std::max(read, 0)));
    if (bytes.starts_with("TPF0") || bytes.starts_with(std::string_view(resSignature.data(), resSignature.size())))
        return sofBinary;
    const std::size_t first = bytes.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return sofUnknown;
    const std::string word = LowerCase(std::string(bytes.substr(first, 9)));
    for (const char* keyword : {"object", "inherited", "inline"})
        if (word.starts_with(keyword)) return sofText;
    return sofUnknown;
}

void ObjectTextToResource(TStream* input, TStream* output) {
    const std::string text = ReadBytes(input, input->Size() - input->Position());
    const TFormObject description = ParseFormText(text);
    WriteResource(output, description.className, FormatFormBinary(description));
}
