#include "platform/rtl/streams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <string>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/filepaths.h"
#include "platform/rtl/fileutils.h"

namespace {

// The largest block CopyFrom moves at once.
constexpr Int64 kCopyBufferSize = 0xF000;

[[noreturn]] void RaiseLastOSError() {
    int code = errno;
    throw EOSError("System Error.  Code: %d.\n%s", {code, std::strerror(code)});
}

// The bytes a memory-like stream can hand out from `position` for a request
// of `count`.
Integer Available(Int64 size, Int64 position, Integer count) {
    if (position < 0 || count <= 0 || position >= size) return 0;
    return static_cast<Integer>(std::min<Int64>(count, size - position));
}

// Read of a stream over `size` bytes at `data`, advancing `position`.
Integer ReadMemory(const void* data, Int64 size, Int64& position, void* buffer, Integer count) {
    Integer n = Available(size, position, count);
    if (n > 0) {
        std::memcpy(buffer, static_cast<const Byte*>(data) + position, static_cast<std::size_t>(n));
        position += n;
    }
    return n;
}

Int64 SeekTarget(Int64 position, Int64 size, Int64 offset, TSeekOrigin origin) {
    switch (origin) {
        case soBeginning: return offset;
        case soCurrent: return position + offset;
        case soEnd: return size + offset;
    }
    return position;
}

}  // namespace

// ---- TStream

void TStream::ReadBuffer(void* buffer, Integer count) {
    if (count != 0 && Read(buffer, count) != count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, Integer count) {
    if (count != 0 && Write(buffer, count) != count) throw EWriteError("Stream write error");
}

Int64 TStream::CopyFrom(TStream* source, Int64 count) {
    if (count == 0) {
        source->SetPosition(0);
        count = source->Size();
    }
    const Int64 total = count;
    auto buffer = std::make_unique<Byte[]>(static_cast<std::size_t>(std::min(count, kCopyBufferSize)));
    while (count > 0) {
        auto n = static_cast<Integer>(std::min(count, kCopyBufferSize));
        source->ReadBuffer(buffer.get(), n);
        WriteBuffer(buffer.get(), n);
        count -= n;
    }
    return total;
}

Int64 TStream::Size() {
    Int64 position = Seek(0, soCurrent);
    Int64 size = Seek(0, soEnd);
    Seek(position, soBeginning);
    return size;
}

void TStream::SetSize(Int64) {}

// ---- THandleStream

// Both transfer loops go on after a partial transfer or a signal, so a
// short count means end of file or a real failure.
Integer THandleStream::Read(void* buffer, Integer count) {
    Integer done = 0;
    while (done < count) {
        ssize_t n = ::read(handle_, static_cast<Byte*>(buffer) + done, count - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<Integer>(n);
    }
    return done;
}

Integer THandleStream::Write(const void* buffer, Integer count) {
    Integer done = 0;
    while (done < count) {
        ssize_t n = ::write(handle_, static_cast<const Byte*>(buffer) + done, count - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<Integer>(n);
    }
    return done;
}

Int64 THandleStream::Seek(Int64 offset, TSeekOrigin origin) {
    static constexpr int kWhence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
    return ::lseek(handle_, offset, kWhence[origin]);
}

void THandleStream::SetSize(Int64 newSize) {
    Seek(newSize, soBeginning);
    if (::ftruncate(handle_, newSize) != 0) RaiseLastOSError();
}

void SaveBytesToFile(const AnsiString& fileName, std::string_view bytes) {
    if (!WriteFileAtomically(fileName, bytes)) throw EFCreateError("Cannot create file \"%s\"", {fileName});
}

// ---- TFileStream

namespace {

int OpenFile(const AnsiString& fileName, Word mode) {
    const std::string osName = OsFileName(fileName);
    if ((mode & fmCreate) == fmCreate) {
        int fd = ::open(osName.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd < 0) throw EFCreateError("Cannot create file \"%s\"", {fileName});
        return fd;
    }
    static constexpr int kAccess[] = {O_RDONLY, O_WRONLY, O_RDWR};
    int access = mode & 0x3;
    int fd = access < 3 ? ::open(osName.c_str(), kAccess[access] | O_CLOEXEC) : -1;
    // A folder opens for reading here but never is a file to stream.
    struct stat info;
    if (fd >= 0 && (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode))) {
        ::close(fd);
        fd = -1;
    }
    if (fd < 0) throw EFOpenError("Cannot open file \"%s\"", {fileName});
    return fd;
}

}  // namespace

TFileStream::TFileStream(const AnsiString& fileName, Word mode)
    : THandleStream(OpenFile(fileName, mode)), fileName_(fileName) {}

TFileStream::~TFileStream() { ::close(handle_); }

// ---- TCustomMemoryStream

Integer TCustomMemoryStream::Read(void* buffer, Integer count) {
    return ReadMemory(memory_, size_, position_, buffer, count);
}

Int64 TCustomMemoryStream::Seek(Int64 offset, TSeekOrigin origin) {
    position_ = SeekTarget(position_, size_, offset, origin);
    return position_;
}

void TCustomMemoryStream::SaveToStream(TStream* stream) {
    stream->WriteBuffer(memory_, static_cast<Integer>(size_));
}

void TCustomMemoryStream::SaveToFile(const AnsiString& fileName) {
    SaveBytesToFile(fileName, std::string_view(reinterpret_cast<const char*>(memory_), std::size_t(size_)));
}

void TCustomMemoryStream::SetPointer(void* memory, Int64 size) {
    memory_ = static_cast<Byte*>(memory);
    size_ = size;
}

// ---- TMemoryStream

Integer TMemoryStream::Write(const void* buffer, Integer count) {
    if (position_ < 0 || count <= 0) return 0;
    Int64 end = position_ + count;
    if (end > Size()) {
        buffer_.resize(static_cast<std::size_t>(end));
        SetPointer(buffer_.data(), end);
    }
    std::memcpy(buffer_.data() + position_, buffer, static_cast<std::size_t>(count));
    position_ = end;
    return count;
}

void TMemoryStream::SetSize(Int64 newSize) {
    buffer_.resize(static_cast<std::size_t>(newSize));
    SetPointer(buffer_.data(), newSize);
    if (position_ > newSize) position_ = newSize;
}

void TMemoryStream::Clear() {
    buffer_ = {};
    SetPointer(nullptr, 0);
    position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream* stream) {
    stream->SetPosition(0);
    Int64 count = stream->Size();
    SetSize(count);
    stream->ReadBuffer(buffer_.data(), static_cast<Integer>(count));
}

void TMemoryStream::LoadFromFile(const AnsiString& fileName) {
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&file);
}

// ---- TStringStream

Integer TStringStream::Read(void* buffer, Integer count) {
    return ReadMemory(data_.data(), Size(), position_, buffer, count);
}

Integer TStringStream::Write(const void* buffer, Integer count) {
    if (count <= 0) return 0;
    data_.resize(static_cast<std::size_t>(position_));
    data_.append(static_cast<const char*>(buffer), static_cast<std::size_t>(count));
    position_ += count;
    return count;
}

Int64 TStringStream::Seek(Int64 offset, TSeekOrigin origin) {
    position_ = std::clamp<Int64>(SeekTarget(position_, Size(), offset, origin), 0, Size());
    return position_;
}

void TStringStream::SetSize(Int64 newSize) {
    data_.resize(static_cast<std::size_t>(newSize));
    if (position_ > newSize) position_ = newSize;
}

AnsiString TStringStream::ReadString(Integer count) {
    AnsiString result(static_cast<std::size_t>(Available(Size(), position_, count)), '\0');
    Read(result.data(), static_cast<Integer>(result.size()));
    return result;
}

void TStringStream::WriteString(const AnsiString& s) { Write(s.data(), static_cast<Integer>(s.size())); }

// ---- TBufferedWriteStream ---------------------------------------------------

TBufferedWriteStream::TBufferedWriteStream(TStream* target, Integer blockSize)
    : target_(target), block_(static_cast<std::size_t>(blockSize > 0 ? blockSize : 1)) {}

void TBufferedWriteStream::Flush() {
    if (used_ == 0) return;
    const std::size_t pending = used_;
    used_ = 0;
    target_->WriteBuffer(block_.data(), static_cast<Integer>(pending));
}

Integer TBufferedWriteStream::Write(const void* buffer, Integer count) {
    if (count <= 0) return 0;
    const auto size = static_cast<std::size_t>(count);
    if (used_ + size > block_.size()) {
        Flush();
        // A write as large as the block goes straight through.
        if (size >= block_.size()) return target_->Write(buffer, count);
    }
    std::memcpy(block_.data() + used_, buffer, size);
    used_ += size;
    return count;
}

Integer TBufferedWriteStream::Read(void* buffer, Integer count) {
    Flush();
    return target_->Read(buffer, count);
}

Int64 TBufferedWriteStream::Seek(Int64 offset, TSeekOrigin origin) {
    Flush();
    return target_->Seek(offset, origin);
}

Int64 TBufferedWriteStream::Size() {
    Flush();
    return target_->Size();
}

void TBufferedWriteStream::SetSize(Int64 newSize) {
    Flush();
    target_->SetSize(newSize);
}
