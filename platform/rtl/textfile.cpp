// Buffered line reading over the C library's files.
#include "platform/rtl/textfile.h"

#include <cerrno>
#include <utility>

namespace {

constexpr std::size_t kBufferSize = 1 << 16;
thread_local Integer lastIOResult = 0;

}  // namespace

TextFile::~TextFile() { CloseFile(*this); }

bool TextFile::Fill() {
    if (!file_) return false;
    if (begin_ < end_) return true;
    end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    begin_ = 0;
    return end_ > 0;
}

void AssignFile(TextFile& file, const AnsiString& name) {
    CloseFile(file);
    file.name_ = name;
}

void Reset(TextFile& file) {
    CloseFile(file);
    file.file_ = std::fopen(file.name_.c_str(), "rb");
    if (!file.file_) {
        lastIOResult = errno ? errno : 2;
        return;
    }
    file.buffer_.resize(kBufferSize);
}

void ReadLn(TextFile& file, AnsiString& line) {
    line.clear();
    while (file.Fill()) {
        const char* start = file.buffer_.data() + file.begin_;
        const char* stop = file.buffer_.data() + file.end_;
        const char* p = start;
        while (p < stop && *p != '\r' && *p != '\n') ++p;
        line.append(start, p);
        file.begin_ += std::size_t(p - start);
        if (p == stop) continue;
        const char first = *p;
        ++file.begin_;
        if (first == '\r' && file.Fill() && file.buffer_[file.begin_] == '\n') ++file.begin_;
        return;
    }
}

bool Eof(TextFile& file) { return !file.Fill(); }

void CloseFile(TextFile& file) {
    if (file.file_) std::fclose(file.file_);
    file.file_ = nullptr;
    file.begin_ = file.end_ = 0;
}

Integer IOResult() { return std::exchange(lastIOResult, 0); }
