// Structured storage, the writing side: a compound file whose root holds
// streams, created with StgCreateDocfile and filled through IStream. The
// streams are kept in memory, so a writer may seek back and overwrite what
// it wrote; the file is laid out when the storage is committed or released
// (version 3, 512-byte sectors, small streams in the mini stream) and
// replaces an older file in one step. The same storage always gives the
// same bytes: no class ids, times or state bits are stored.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/rtl/automation.h"
#include "platform/rtl/ole2.h"
#include "platform/rtl/streams.h"

constexpr Cardinal STGM_READ = 0x0, STGM_WRITE = 0x1, STGM_READWRITE = 0x2, STGM_SHARE_EXCLUSIVE = 0x10,
                STGM_CREATE = 0x1000;
constexpr Cardinal STGC_DEFAULT = 0;
constexpr Cardinal STREAM_SEEK_SET = 0, STREAM_SEEK_CUR = 1, STREAM_SEEK_END = 2;

// A stream of bytes inside a storage, with its own position.
class IStream : public IInterface {
public:
    virtual HRESULT Read(void* buffer, Cardinal count, Cardinal* read) = 0;
    // Writing past the end extends the stream; a gap reads as zeros.
    virtual HRESULT Write(const void* buffer, Cardinal count, Cardinal* written) = 0;
    virtual HRESULT Seek(Int64 move, Cardinal origin, std::uint64_t* newPosition) = 0;
    virtual HRESULT SetSize(std::uint64_t newSize) = 0;
};

// A storage whose streams lie directly under it.
class IStorage : public IInterface {
public:
    // A new stream of that name (at most 31 characters), replacing one of
    // the same name when the mode has STGM_CREATE.
    virtual HRESULT CreateStream(const AnsiString& name, Cardinal mode, Cardinal reserved1, Cardinal reserved2,
                                 std::shared_ptr<IStream>& stream) = 0;
    // Writes the compound file; the storage stays usable.
    virtual HRESULT Commit(Cardinal flags) = 0;
    // Drops what was written since the last commit: released now, the
    // storage leaves the file as it was.
    virtual HRESULT Revert() = 0;
};

// A new compound file at `name`, written when committed or when the last
// reference goes (a failure then goes unreported: commit to learn of it). The mode must ask to write, exclusively; without
// STGM_CREATE an existing file is an error. Fails without touching anything
// when the file cannot be made there.
HRESULT StgCreateDocfile(const AnsiString& name, Cardinal mode, Cardinal reserved, std::shared_ptr<IStorage>& storage);

// A TStream over an IStream, which it keeps while it lives.
class TOleStream : public TStream {
    SERVIORA_CLASS(TOleStream, TStream)

public:
    explicit TOleStream(std::shared_ptr<IStream> stream) : stream_(std::move(stream)) {}

    Integer Read(void* buffer, Integer count) override;
    Integer Write(const void* buffer, Integer count) override;
    Int64 Seek(Int64 offset, TSeekOrigin origin) override;
    void SetSize(Int64 newSize) override;

private:
    std::shared_ptr<IStream> stream_;
};
