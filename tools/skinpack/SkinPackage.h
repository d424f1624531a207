// Writing skin packages: the unpacked block from its parts, and the packed
// package around it. Every part stays open to change, so tests can make
// the damaged packages the reader must refuse.
#pragma once

#include <optional>
#include <vector>

#include "platform/rtl/types.h"

struct TSkinMember {
    AnsiString name;
    std::vector<Byte> bytes;
};

struct TSkinBlock {
    Integer version = 70000;
    // The names, one per line, each line ended by CR LF.
    AnsiString names;
    // The name-text length written in the header; the true length when unset.
    std::optional<Integer> declaredNamesLength;
    std::vector<Integer> sizes;
    std::vector<Byte> data;

    static TSkinBlock FromMembers(Integer version, const std::vector<TSkinMember>& members);
    // Header with zero fillers, the version's skipped bytes (zeros), names,
    // sizes and data.
    std::vector<Byte> Bytes() const;
};

// int32 unpacked size and the LZHUF stream of `block`.
std::vector<Byte> PackSkinBlock(const std::vector<Byte>& block);
// The package of those members.
std::vector<Byte> WriteSkinPackage(Integer version, const std::vector<TSkinMember>& members);
