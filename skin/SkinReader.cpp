// The skin package container: int32 unpacked size, LZHUF stream, and in the
// unpacked block a header, the member names, their sizes and their bytes.
// Every count and length read from the block is checked against the block,
// so a damaged package is refused instead of read out of bounds.
#include "skin/SkinReader.h"

#include <cstring>
#include <optional>
#include <span>

#include "platform/rtl/sysutils.h"
#include "platform/ui/dialogs.h"
#include "skin/LZH.h"

namespace {

constexpr int kHeaderSize = 16;

Integer Int32At(std::span<const Byte> block, std::size_t offset) {
    Integer value;
    std::memcpy(&value, block.data() + offset, sizeof value);
    return value;
}

// True when `length` bytes from `offset` lie inside the block.
bool Fits(std::span<const Byte> block, Int64 offset, Int64 length) {
    return offset >= 0 && length >= 0 && offset + length <= static_cast<Int64>(block.size());
}

}  // namespace

std::optional<Integer> TSkinReader::SkippedBytes(Integer version) {
    switch (version) {
        case 20000: return 0;
        case 30000: return 256;
        case 40000: return 80;
        case 50000: return 48;
        case 60000: return 117;
        case 70000: return 69;
        default: return std::nullopt;
    }
}

TSkinReader::TSkinReader() : members_(std::make_unique<TStringList>()), data_(std::make_unique<TMemoryStream>()) {}

TSkinReader::~TSkinReader() = default;

void TSkinReader::Clear() {
    version_ = namesLength_ = 0;
    members_->Clear();
    sizes_.clear();
    data_->Clear();
}

bool TSkinReader::Unpack(TMemoryStream* package, TMemoryStream* output) {
    package->SetPosition(0);
    output->Clear();
    Integer size = 0;
    if (package->Read(&size, sizeof size) != sizeof size) return false;
    const Int64 packedBytes = package->Size() - package->Position();
    if (size < 0 || size > kMaxUnpackedSize || size > kMaxExpansion * packedBytes + kExpansionAllowance) return false;
    TLZH decoder;
    return decoder.Unpack(
        size, [output](const void* buffer, Integer count, Integer& written) { written = output->Write(buffer, count); },
        [package](void* buffer, Integer count, Integer& got) { got = package->Read(buffer, count); });
}

bool TSkinReader::Load(TMemoryStream* package) {
    Clear();
    TMemoryStream unpacked;
    if (!Unpack(package, &unpacked)) return false;
    if (ReadBlock({static_cast<const Byte*>(unpacked.Memory()), static_cast<std::size_t>(unpacked.Size())})) return true;
    Clear();
    return false;
}

bool TSkinReader::ReadBlock(std::span<const Byte> block) {
    if (!Fits(block, 0, kHeaderSize)) return false;
    version_ = Int32At(block, 0);
    namesLength_ = Int32At(block, 4);
    const std::optional<Integer> skipped = SkippedBytes(version_);
    if (!skipped) {
        MessageBox(0, "This is Older Skin File\rPlease update to new version !", "", MB_OK);
        return false;
    }
    const Int64 namesAt = kHeaderSize + *skipped;
    if (!Fits(block, namesAt, namesLength_)) return false;
    AnsiString names(reinterpret_cast<const char*>(block.data() + namesAt), namesLength_);
    names.resize(std::min(names.size(), names.find('\0')));
    members_->SetText(LowerCase(names));
    const Integer count = members_->Count();
    if (count > kMaxMembers) return false;
    const Int64 sizesAt = namesAt + namesLength_;
    if (!Fits(block, sizesAt, Int64{4} * count)) return false;
    Int64 total = 0;
    for (Integer i = 0; i < count; ++i) {
        const Integer size = Int32At(block, sizesAt + 4 * i);
        if (size < 0) return false;
        sizes_.push_back(size);
        total += size;
    }
    const Int64 dataAt = sizesAt + Int64{4} * count;
    if (!Fits(block, dataAt, total)) return false;
    data_->Write(block.data() + dataAt, static_cast<Integer>(block.size() - dataAt));
    return true;
}

void TSkinReader::CopyMember(int index, TMemoryStream* dest) {
    Int64 offset = 0;
    for (int i = 0; i < index; ++i) offset += sizes_[i];
    dest->Write(static_cast<const Byte*>(data_->Memory()) + offset, sizes_[index]);
    dest->SetPosition(0);
}

void TSkinReader::ReadMember(const AnsiString& name, TMemoryStream* dest) {
    dest->Clear();
    const AnsiString wanted = LowerCase(name);
    for (int i = 0; i < members_->Count(); ++i) {
        if (members_->Strings(i) == wanted) return CopyMember(i, dest);
    }
}

void TSkinReader::FindMember(const AnsiString& text, TMemoryStream* dest, AnsiString& name) {
    dest->Clear();
    for (int i = 0; i < members_->Count(); ++i) {
        if (members_->Strings(i).find(text) != AnsiString::npos) {
            name = members_->Strings(i);
            return CopyMember(i, dest);
        }
    }
}
