// The zlib stream classes over deflate and inflate.
#include "report/core/qm_zlibex.h"

#include <zlib.h>

#include <algorithm>

namespace {

constexpr const char* InvalidOperation = "Invalid ZStream operation!";
constexpr int WindowBits = 15;
constexpr int MemoryLevel = 8;
constexpr int DiscardPiece = 8192;

int ZLevel(TZCompressionLevel level) {
    switch (level) {
    case zcNone: return Z_NO_COMPRESSION;
    case zcFastest: return Z_BEST_SPEED;
    case zcMax: return Z_BEST_COMPRESSION;
    default: return Z_DEFAULT_COMPRESSION;
    }
}

template <class E>
int Check(int code) {
    if (code < 0) throw E(ZErrorText(code));
    return code;
}

}  // namespace

AnsiString ZErrorText(int code) {
    switch (code) {
    case Z_ERRNO: return "file error";
    case Z_STREAM_ERROR: return "stream error";
    case Z_DATA_ERROR: return "data error";
    case Z_MEM_ERROR: return "insufficient memory";
    case Z_BUF_ERROR: return "buffer error";
    case Z_VERSION_ERROR: return "incompatible version";
    default: return "";
    }
}

struct TCustomZStream::ZState {
    z_stream s{};
};

TCustomZStream::TCustomZStream(TStream* stream)
    : stream_(stream),
      streamPosition_(stream->Position()),
      z_(std::make_unique<ZState>()),
      buffer_(std::make_unique<Byte[]>(BufferSize)) {}

TCustomZStream::~TCustomZStream() = default;

void TCustomZStream::DoProgress() {
    if (OnProgress) OnProgress(this);
}

void TCustomZStream::RestorePosition() {
    if (stream_->Position() != streamPosition_) stream_->SetPosition(streamPosition_);
}

void TCustomZStream::RememberPosition() { streamPosition_ = stream_->Position(); }

// ---- TZCompressionStream

TZCompressionStream::TZCompressionStream(TStream* destination, TZCompressionLevel level)
    : TCustomZStream(destination) {
    z_->s.next_out = buffer_.get();
    z_->s.avail_out = BufferSize;
    Check<EZCompressionError>(
        deflateInit2(&z_->s, ZLevel(level), Z_DEFLATED, WindowBits, MemoryLevel, Z_DEFAULT_STRATEGY));
}

TZCompressionStream::~TZCompressionStream() {
    if (finished_) return;
    try {
        Finish();
    } catch (const Exception&) {
        // A destructor cannot raise; Finish has already released deflate.
    }
}

Integer TZCompressionStream::Read(void*, Integer) { throw EZCompressionError(InvalidOperation); }

void TZCompressionStream::WriteBufferOut(int count) {
    RestorePosition();
    stream_->WriteBuffer(buffer_.get(), count);
    RememberPosition();
    z_->s.next_out = buffer_.get();
    z_->s.avail_out = BufferSize;
    DoProgress();
}

Integer TZCompressionStream::Write(const void* buffer, Integer count) {
    if (finished_) throw EZCompressionError(InvalidOperation);
    z_->s.next_in = static_cast<Bytef*>(const_cast<void*>(buffer));
    z_->s.avail_in = static_cast<uInt>(count);
    while (z_->s.avail_in > 0) {
        Check<EZCompressionError>(deflate(&z_->s, Z_NO_FLUSH));
        if (z_->s.avail_out == 0) WriteBufferOut(BufferSize);
    }
    return count;
}

Int64 TZCompressionStream::Seek(Int64 offset, TSeekOrigin origin) {
    if (offset != 0 || origin != soCurrent) throw EZCompressionError(InvalidOperation);
    return static_cast<Int64>(z_->s.total_in);
}

void TZCompressionStream::Finish() {
    if (finished_) return;
    finished_ = true;
    struct EndDeflate {
        z_stream* s;
        ~EndDeflate() { deflateEnd(s); }
    } end{&z_->s};
    z_->s.next_in = nullptr;
    z_->s.avail_in = 0;
    while (Check<EZCompressionError>(deflate(&z_->s, Z_FINISH)) != Z_STREAM_END) WriteBufferOut(BufferSize);
    const int pending = BufferSize - static_cast<int>(z_->s.avail_out);
    if (pending > 0) WriteBufferOut(pending);
}

// ---- TZDecompressionStream

TZDecompressionStream::TZDecompressionStream(TStream* source) : TCustomZStream(source) {
    Check<EZDecompressionError>(inflateInit2(&z_->s, WindowBits));
}

Integer TZDecompressionStream::Read(void* buffer, Integer count) {
    RestorePosition();
    z_->s.next_out = static_cast<Bytef*>(buffer);
    z_->s.avail_out = static_cast<uInt>(std::max(count, 0));
    while (z_->s.avail_out > 0 && !endOfData_) {
        if (z_->s.avail_in == 0) {
            const Integer got = stream_->Read(buffer_.get(), BufferSize);
            if (got == 0) break;
            z_->s.next_in = buffer_.get();
            z_->s.avail_in = static_cast<uInt>(got);
            RememberPosition();
            DoProgress();
        }
        // A preset dictionary is never part of a page's data.
        const int code = inflate(&z_->s, Z_NO_FLUSH);
        Check<EZDecompressionError>(code == Z_NEED_DICT ? Z_DATA_ERROR : code);
        endOfData_ = code == Z_STREAM_END;
    }
    if (endOfData_ && z_->s.avail_in > 0) {
        stream_->Seek(-static_cast<Int64>(z_->s.avail_in), soCurrent);
        z_->s.avail_in = 0;
        RememberPosition();
    }
    return count - static_cast<Integer>(z_->s.avail_out);
}

Integer TZDecompressionStream::Write(const void*, Integer) { throw EZDecompressionError(InvalidOperation); }

void TZDecompressionStream::Discard(Int64 count) {
    Byte piece[DiscardPiece];
    while (count > 0) {
        const Integer n = Read(piece, static_cast<Integer>(std::min<Int64>(count, DiscardPiece)));
        if (n == 0) break;
        count -= n;
    }
}

Int64 TZDecompressionStream::Seek(Int64 offset, TSeekOrigin origin) {
    const auto delivered = static_cast<Int64>(z_->s.total_out);
    if (offset == 0 && origin == soBeginning) {
        Check<EZDecompressionError>(inflateReset(&z_->s));
        z_->s.next_in = buffer_.get();
        z_->s.avail_in = 0;
        endOfData_ = false;
        stream_->SetPosition(0);
        RememberPosition();
    } else if (offset >= 0 && origin == soCurrent) {
        Discard(offset);
    } else if (origin == soBeginning && offset >= delivered) {
        Discard(offset - delivered);
    } else if (offset == 0 && origin == soEnd) {
        Discard(INT64_MAX);
    } else {
        throw EZDecompressionError(InvalidOperation);
    }
    return static_cast<Int64>(z_->s.total_out);
}

void CompressStream(TStream* source, TStream* destination, TZCompressionLevel level) {
    source->SetPosition(0);
    TZCompressionStream compressor(destination, level);
    // Pages live in memory: their bytes go to deflate without a copy.
    if (auto* memory = dynamic_cast<TCustomMemoryStream*>(source)) {
        compressor.WriteBuffer(memory->Memory(), static_cast<Integer>(memory->Size()));
    } else {
        Byte piece[DiscardPiece];
        for (Integer n; (n = source->Read(piece, sizeof piece)) > 0;) compressor.WriteBuffer(piece, n);
    }
    compressor.Finish();
}

void DecompressStream(TStream* source, TMemoryStream* destination) {
    source->SetPosition(0);
    TZDecompressionStream inflater(source);
    auto piece = std::make_unique<Byte[]>(65536);
    for (Integer n; (n = inflater.Read(piece.get(), 65536)) > 0;) destination->WriteBuffer(piece.get(), n);
    if (!inflater.EndOfData()) throw EZDecompressionError(ZErrorText(Z_BUF_ERROR));
}
