// The skin package writer.
#include "tools/skinpack/SkinPackage.h"

#include "skin/SkinReader.h"
#include "tools/skinpack/LZHEncoder.h"

namespace {

void AppendInt32(std::vector<Byte>& out, Integer value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<Byte>(static_cast<unsigned>(value) >> shift));
}

}  // namespace

TSkinBlock TSkinBlock::FromMembers(Integer version, const std::vector<TSkinMember>& members) {
    TSkinBlock block;
    block.version = version;
    for (const TSkinMember& member : members) {
        block.names += member.name + "\r\n";
        block.sizes.push_back(static_cast<Integer>(member.bytes.size()));
        block.data.insert(block.data.end(), member.bytes.begin(), member.bytes.end());
    }
    return block;
}

std::vector<Byte> TSkinBlock::Bytes() const {
    std::vector<Byte> out;
    AppendInt32(out, version);
    AppendInt32(out, declaredNamesLength.value_or(static_cast<Integer>(names.size())));
    AppendInt32(out, 0);
    AppendInt32(out, 0);
    out.resize(out.size() + TSkinReader::SkippedBytes(version).value_or(0), 0);
    out.insert(out.end(), names.begin(), names.end());
    for (Integer size : sizes) AppendInt32(out, size);
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

std::vector<Byte> PackSkinBlock(const std::vector<Byte>& block) { return TLZHEncoder().Pack(block); }

std::vector<Byte> WriteSkinPackage(Integer version, const std::vector<TSkinMember>& members) {
    return PackSkinBlock(TSkinBlock::FromMembers(version, members).Bytes());
}
