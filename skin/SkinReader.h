// TSkinReader: unpacks a skin package and hands its members out by name.
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "platform/rtl/streams.h"
#include "platform/rtl/stringlist.h"

class TSkinReader : public TObject {
    SERVIORA_CLASS(TSkinReader, TObject)
public:
    // Packages with more members than this are refused.
    static constexpr Integer kMaxMembers = 1000;
    // The largest unpacked block accepted, absolutely and per packed byte.
    // A stream cannot expand more than 48 times: a match of at most 60
    // bytes costs at least ten bits (a one-bit symbol, a nine-bit position).
    static constexpr Integer kMaxUnpackedSize = 64 * 1024 * 1024;
    static constexpr Integer kMaxExpansion = 48;
    static constexpr Integer kExpansionAllowance = 64 * 1024;

    TSkinReader();
    ~TSkinReader() override;

    // Reads the whole package; False (and no members) when it is not a
    // sound package of a known version. An unknown version is reported to
    // the user.
    bool Load(TMemoryStream* package);
    // Unpacks the package into Output; False when its unpacked size is not
    // believable or its stream ends early.
    bool Unpack(TMemoryStream* package, TMemoryStream* output);
    // Dest gets the member of that name (any case), rewound; empty when
    // there is none.
    void ReadMember(const AnsiString& name, TMemoryStream* dest);
    // As ReadMember, for the first member whose name contains Text; Name
    // is set to it (and left alone when nothing matches).
    void FindMember(const AnsiString& text, TMemoryStream* dest, AnsiString& name);

    // The bytes a package of that version keeps between header and names;
    // nothing for a version this reader does not know.
    static std::optional<Integer> SkippedBytes(Integer version);

    Integer Version() const { return version_; }
    // The member names, lower-cased, in package order.
    const TStringList* Members() const { return members_.get(); }
    Integer MemberCount() const { return members_->Count(); }

private:
    bool ReadBlock(std::span<const Byte> block);
    void CopyMember(int index, TMemoryStream* dest);
    void Clear();

    Integer version_ = 0;
    Integer namesLength_ = 0;
    std::unique_ptr<TStringList> members_;
    std::vector<Integer> sizes_;
    std::unique_ptr<TMemoryStream> data_;
};
