// qm_ZLibEx: streams that deflate what is written into another stream and
// inflate what is read from one, in the zlib format (window bits 15, memory
// level 8), and the two whole-stream routines prepared pages are compressed
// and inflated with.
#pragma once

#include <memory>

#include "platform/rtl/events.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/streams.h"

SERVIORA_EXCEPTION(EZLibError, Exception);
SERVIORA_EXCEPTION(EZCompressionError, EZLibError);
SERVIORA_EXCEPTION(EZDecompressionError, EZLibError);

// In the order of the report's compression levels: zlib levels 0, 1, -1
// (the library's default) and 9.
enum TZCompressionLevel { zcNone, zcFastest, zcDefault, zcMax };

// The message of a zlib return code (-1 "file error" .. -6 "incompatible
// version").
AnsiString ZErrorText(int code);

// The state both directions share: the other stream, where this object
// last left it (restored before each access, so others may move it in
// between), the zlib state and a 64 KB buffer.
class TCustomZStream : public TStream {
    SERVIORA_CLASS(TCustomZStream, TStream)
public:
    ~TCustomZStream() override;

    // Fired each time a buffer goes to or comes from the other stream.
    TNotifyEvent OnProgress;

protected:
    static constexpr int BufferSize = 65536;
    explicit TCustomZStream(TStream* stream);
    virtual void DoProgress();
    void RestorePosition();
    void RememberPosition();

    struct ZState;
    TStream* stream_;
    Int64 streamPosition_;
    std::unique_ptr<ZState> z_;
    std::unique_ptr<Byte[]> buffer_;
};

class TZCompressionStream : public TCustomZStream {
    SERVIORA_CLASS(TZCompressionStream, TCustomZStream)
public:
    TZCompressionStream(TStream* destination, TZCompressionLevel level);
    // Finishes the data unless Finish did; a failure then is lost, so
    // callers that must know call Finish themselves.
    ~TZCompressionStream() override;

    Integer Read(void* buffer, Integer count) override;
    Integer Write(const void* buffer, Integer count) override;
    // Only (0, soCurrent): the bytes written in so far.
    Int64 Seek(Int64 offset, TSeekOrigin origin) override;
    // Ends the zlib stream and writes what is left to the destination;
    // later writes raise. Deflate is released even when writing fails.
    void Finish();

private:
    void WriteBufferOut(int count);
    bool finished_ = false;
};

class TZDecompressionStream : public TCustomZStream {
    SERVIORA_CLASS(TZDecompressionStream, TCustomZStream)
public:
    explicit TZDecompressionStream(TStream* source);

    // Fewer than `count` at the end of the data or of the source. At the
    // end of the data the source is moved back to right after it.
    Integer Read(void* buffer, Integer count) override;
    Integer Write(const void* buffer, Integer count) override;
    // (0, soBeginning) starts again; forward moves read and discard;
    // (0, soEnd) reads to the end. Answers the bytes delivered so far.
    Int64 Seek(Int64 offset, TSeekOrigin origin) override;
    // Whether the end of the zlib data was reached.
    bool EndOfData() const { return endOfData_; }

private:
    void Discard(Int64 count);
    bool endOfData_ = false;
};

// Deflates the whole source (from position 0) onto the destination.
void CompressStream(TStream* source, TStream* destination, TZCompressionLevel level);
// Inflates the whole source (from position 0) onto the destination;
// EZDecompressionError "buffer error" when the data stops short.
void DecompressStream(TStream* source, TMemoryStream* destination);
