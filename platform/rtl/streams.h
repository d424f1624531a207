// Streams of the class library: TStream and its file, handle, memory and
// string forms, with the platform's open modes and stream errors.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "platform/rtl/metaclass.h"
#include "platform/rtl/types.h"

class TComponent;

enum TSeekOrigin { soBeginning, soCurrent, soEnd };
// The older spelling of the origins; the same values.
constexpr TSeekOrigin soFromBeginning = soBeginning;
constexpr TSeekOrigin soFromCurrent = soCurrent;
constexpr TSeekOrigin soFromEnd = soEnd;

// Open modes of TFileStream: one access mode or'ed with one sharing mode, or
// fmCreate. Sharing modes are accepted and not enforced.
constexpr Word fmCreate = 0xFFFF;
constexpr Word fmOpenRead = 0x0000;
constexpr Word fmOpenWrite = 0x0001;
constexpr Word fmOpenReadWrite = 0x0002;
constexpr Word fmShareCompat = 0x0000;
constexpr Word fmShareExclusive = 0x0010;
constexpr Word fmShareDenyWrite = 0x0020;
constexpr Word fmShareDenyRead = 0x0030;
constexpr Word fmShareDenyNone = 0x0040;

class TStream : public TObject {
    SERVIORA_CLASS(TStream, TObject)

public:
    // Reads up to `count` bytes at the position; answers how many were read.
    virtual Integer Read(void* buffer, Integer count) = 0;
    // Writes up to `count` bytes at the position; answers how many were written.
    virtual Integer Write(const void* buffer, Integer count) = 0;
    // Moves the position and answers the new one.
    virtual Int64 Seek(Int64 offset, TSeekOrigin origin) = 0;

    // Exactly `count` bytes, or EReadError "Stream read error".
    void ReadBuffer(void* buffer, Integer count);
    // Exactly `count` bytes, or EWriteError "Stream write error".
    void WriteBuffer(const void* buffer, Integer count);
    // Copies `count` bytes from the source's position; a count of 0 copies
    // the whole source from its start. Answers the number of bytes copied.
    Int64 CopyFrom(TStream* source, Int64 count);

    Int64 Position() { return Seek(0, soCurrent); }
    void SetPosition(Int64 position) { Seek(position, soBeginning); }
    // By default found by seeking to the end and back.
    virtual Int64 Size();
    // Does nothing unless the stream can change its size.
    virtual void SetSize(Int64 newSize);

    // Components as form descriptions in the binary form format (defined in
    // componentstreams.cpp). ReadComponent reads the rest of the stream into
    // instance, or into a new component of the described class when
    // instance is nullptr, and answers it.
    TComponent* ReadComponent(TComponent* instance);
    void WriteComponent(TComponent* instance);
    // Only what differs from ancestor: its components are written as
    // inherited ones, its property values are left out (everything without
    // an ancestor).
    void WriteDescendent(TComponent* instance, TComponent* ancestor);
    // The same behind a resource header naming the description.
    TComponent* ReadComponentRes(TComponent* instance);
    void WriteComponentRes(const AnsiString& resName, TComponent* instance);
    void WriteDescendentRes(const AnsiString& resName, TComponent* instance, TComponent* ancestor);
    // Passes over a resource header and answers the size of the data behind
    // it; EReadError "Invalid stream format" when none comes next.
    Integer ReadResHeader();
};

// What an object offers that loads itself from, and saves itself to, a
// stream whatever its class (pictures do): code that holds a stream and an
// unknown target asks the target for it.
class IStreamPersist {
public:
    virtual void LoadFromStream(TStream* stream) = 0;
    virtual void SaveToStream(TStream* stream) = 0;

protected:
    ~IStreamPersist() = default;
};

// What a form description in a stream is, read without moving the
// position: binary (bare or behind a resource header), text, or neither.
enum TStreamOriginalFormat { sofUnknown, sofBinary, sofText };
TStreamOriginalFormat TestStreamFormat(TStream* stream);

// Converts a form description in the text form format into the resource
// form format (a resource header named after the root's class, then the
// binary description), from input's position to output's.
void ObjectTextToResource(TStream* input, TStream* output);

// A stream over an open file descriptor, which it does not close.
class THandleStream : public TStream {
    SERVIORA_CLASS(THandleStream, TStream)

public:
    explicit THandleStream(int handle) : handle_(handle) {}

    Integer Read(void* buffer, Integer count) override;
    Integer Write(const void* buffer, Integer count) override;
    Int64 Seek(Int64 offset, TSeekOrigin origin) override;
    // Truncates or extends the file; the position moves to the new end.
    void SetSize(Int64 newSize) override;

    int Handle() const { return handle_; }

protected:
    int handle_;
};

// A file opened by name (ANSI). fmCreate creates or truncates it; the open
// modes need an existing file. EFCreateError or EFOpenError when the file
// cannot be created or opened.
class TFileStream : public THandleStream {
    SERVIORA_CLASS(TFileStream, THandleStream)

public:
    TFileStream(const AnsiString& fileName, Word mode);
    ~TFileStream() override;

    const AnsiString& FileName() const { return fileName_; }

private:
    AnsiString fileName_;
};

// Replaces the file with `bytes` in one step (see WriteFileAtomically): an
// interrupted save leaves the old file whole. EFCreateError when it cannot.
void SaveBytesToFile(const AnsiString& fileName, std::string_view bytes);

// A stream over a block of memory that a descendant provides.
class TCustomMemoryStream : public TStream {
    SERVIORA_CLASS(TCustomMemoryStream, TStream)

public:
    Integer Read(void* buffer, Integer count) override;
    Int64 Seek(Int64 offset, TSeekOrigin origin) override;
    Int64 Size() override { return size_; }

    void SaveToStream(TStream* stream);
    void SaveToFile(const AnsiString& fileName);

    void* Memory() const { return memory_; }

protected:
    // Points the stream at `size` bytes at `memory`, keeping the position.
    void SetPointer(void* memory, Int64 size);

    Int64 position_ = 0;

private:
    Byte* memory_ = nullptr;
    Int64 size_ = 0;
};

// A growable stream in memory. Bytes added by SetSize or by writing past the
// end are zero.
class TMemoryStream : public TCustomMemoryStream {
    SERVIORA_CLASS(TMemoryStream, TCustomMemoryStream)

public:
    Integer Write(const void* buffer, Integer count) override;
    // Keeps the position unless it lies past the new end.
    void SetSize(Int64 newSize) override;
    // Empties the stream and moves the position to 0.
    void Clear();
    // Replaces the contents with the whole source stream.
    void LoadFromStream(TStream* stream);
    void LoadFromFile(const AnsiString& fileName);

private:
    std::vector<Byte> buffer_;
};

// Collects small writes in a block of memory and hands them to another
// stream (not owned) in large ones, so that many small writes cost few
// system calls. Bytes wait until the block fills, Flush, or any read, seek
// or size request, which first flush; the destructor writes nothing, so a
// writer calls Flush when it is done (a write error raises there).
class TBufferedWriteStream : public TStream {
    SERVIORA_CLASS(TBufferedWriteStream, TStream)

public:
    explicit TBufferedWriteStream(TStream* target, Integer blockSize = 64 * 1024);

    Integer Read(void* buffer, Integer count) override;
    Integer Write(const void* buffer, Integer count) override;
    Int64 Seek(Int64 offset, TSeekOrigin origin) override;
    Int64 Size() override;
    void SetSize(Int64 newSize) override;
    // Writes the waiting bytes to the target; EWriteError when it takes fewer.
    void Flush();

private:
    TStream* target_;
    std::vector<Byte> block_;
    std::size_t used_ = 0;
};

// A stream over an AnsiString. As on the platform, Write cuts the string off
// after the last byte written; the position stays within the string.
class TStringStream : public TStream {
    SERVIORA_CLASS(TStringStream, TStream)

public:
    explicit TStringStream(AnsiString data = {}) : data_(std::move(data)) {}

    Integer Read(void* buffer, Integer count) override;
    Integer Write(const void* buffer, Integer count) override;
    Int64 Seek(Int64 offset, TSeekOrigin origin) override;
    Int64 Size() override { return static_cast<Int64>(data_.size()); }
    void SetSize(Int64 newSize) override;

    // Up to `count` bytes from the position.
    AnsiString ReadString(Integer count);
    void WriteString(const AnsiString& s);

    const AnsiString& DataString() const { return data_; }

private:
    AnsiString data_;
    Int64 position_ = 0;
};
