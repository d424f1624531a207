// The compound-file writer. The file is laid out in this order: the big
// streams' sectors, the mini stream, the MiniFAT, the directory, the FAT and
// the DIFAT sectors that list FAT sectors beyond the header's 109.
#include "platform/rtl/storage.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "platform/rtl/codepage.h"
#include "platform/rtl/filepaths.h"
#include "platform/rtl/fileutils.h"
#include "platform/rtl/sysutils.h"

namespace {

constexpr std::uint32_t kSectorSize = 512, kMiniSectorSize = 64, kMiniStreamCutoff = 4096;
constexpr std::uint32_t kEntriesPerSector = kSectorSize / 4;
constexpr std::uint32_t kHeaderDifatEntries = 109;
constexpr std::uint32_t kDirectoryEntrySize = 128;
constexpr std::uint32_t kFreeSector = 0xFFFFFFFF, kEndOfChain = 0xFFFFFFFE, kFatSector = 0xFFFFFFFD,
                        kDifatSector = 0xFFFFFFFC, kNoStream = 0xFFFFFFFF;
constexpr std::size_t kMaxNameLength = 31;

std::uint32_t SectorsFor(std::uint64_t bytes, std::uint32_t sectorSize) {
    return static_cast<std::uint32_t>((bytes + sectorSize - 1) / sectorSize);
}

void Put16(std::string& out, std::size_t at, std::uint32_t value) {
    out[at] = char(value & 0xFF);
    out[at + 1] = char((value >> 8) & 0xFF);
}

void Put32(std::string& out, std::size_t at, std::uint32_t value) {
    Put16(out, at, value & 0xFFFF);
    Put16(out, at + 2, value >> 16);
}

class MemoryStream : public IStream {
public:
    HRESULT Read(void* buffer, Cardinal count, Cardinal* read) override {
        const std::uint64_t available = position_ < bytes_.size() ? bytes_.size() - position_ : 0;
        const auto n = static_cast<Cardinal>(std::min<std::uint64_t>(count, available));
        std::copy_n(bytes_.data() + position_, n, static_cast<char*>(buffer));
        position_ += n;
        if (read) *read = n;
        return S_OK;
    }
    HRESULT Write(const void* buffer, Cardinal count, Cardinal* written) override {
        if (position_ + count > std::uint64_t(UINT32_MAX)) return STG_E_MEDIUMFULL;
        if (position_ + count > bytes_.size()) bytes_.resize(position_ + count);
        std::copy_n(static_cast<const char*>(buffer), count, bytes_.data() + position_);
        position_ += count;
        if (written) *written = count;
        return S_OK;
    }
    HRESULT Seek(Int64 move, Cardinal origin, std::uint64_t* newPosition) override {
        Int64 base = 0;
        switch (origin) {
        case STREAM_SEEK_SET: break;
        case STREAM_SEEK_CUR: base = Int64(position_); break;
        case STREAM_SEEK_END: base = Int64(bytes_.size()); break;
        default: return STG_E_INVALIDFLAG;
        }
        if (base + move < 0) return E_INVALIDARG;
        position_ = std::uint64_t(base + move);
        if (newPosition) *newPosition = position_;
        return S_OK;
    }
    HRESULT SetSize(std::uint64_t newSize) override {
        if (newSize > UINT32_MAX) return STG_E_MEDIUMFULL;
        bytes_.resize(newSize);
        return S_OK;
    }
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
    std::uint64_t position_ = 0;
};

struct NamedStream {
    WideString name;
    std::shared_ptr<MemoryStream> stream;
};

// Directory order: shorter names first, then by upper-cased characters.
bool DirectoryLess(const WideString& a, const WideString& b) {
    if (a.size() != b.size()) return a.size() < b.size();
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto upper = [](char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c; };
        if (upper(a[i]) != upper(b[i])) return upper(a[i]) < upper(b[i]);
    }
    return false;
}

// Where each stream's bytes go: the mini stream for small ones, sectors of
// their own for the others.
struct Placement {
    std::uint32_t start = kEndOfChain;
    std::uint32_t size = 0;
    bool mini = false;
};

class CompoundFileLayout {
public:
    explicit CompoundFileLayout(const std::vector<NamedStream>& streams) : streams_(streams) {}

    std::string Build() {
        PlaceStreams();
        CountFatSectors();
        std::string file(kSectorSize * (1 + std::size_t(totalSectors_)), '\0');
        WriteHeader(file);
        WriteStreams(file);
        WriteMiniFat(file);
        WriteDirectory(file);
        WriteFat(file);
        return file;
    }

private:
    std::size_t SectorOffset(std::uint32_t sector) const { return kSectorSize * (1 + std::size_t(sector)); }

    void PlaceStreams() {
        placements_.resize(streams_.size());
        std::uint32_t nextSector = 0, nextMini = 0;
        for (std::size_t i = 0; i < streams_.size(); ++i) {
            Placement& p = placements_[i];
            p.size = static_cast<std::uint32_t>(streams_[i].stream->Bytes().size());
            if (p.size == 0) continue;
            p.mini = p.size < kMiniStreamCutoff;
            if (p.mini) {
                p.start = nextMini;
                nextMini += SectorsFor(p.size, kMiniSectorSize);
            } else {
                p.start = nextSector;
                nextSector += SectorsFor(p.size, kSectorSize);
            }
        }
        miniSectors_ = nextMini;
        miniStreamStart_ = nextSector;
        miniStreamSectors_ = SectorsFor(std::uint64_t(miniSectors_) * kMiniSectorSize, kSectorSize);
        miniFatStart_ = miniStreamStart_ + miniStreamSectors_;
        miniFatSectors_ = SectorsFor(std::uint64_t(miniSectors_) * 4, kSectorSize);
        directoryStart_ = miniFatStart_ + miniFatSectors_;
        directorySectors_ = SectorsFor(std::uint64_t(streams_.size() + 1) * kDirectoryEntrySize, kSectorSize);
        fatStart_ = directoryStart_ + directorySectors_;
    }

    // The FAT covers every sector, its own and the DIFAT's included.
    void CountFatSectors() {
        const std::uint32_t others = fatStart_;
        fatSectors_ = 0;
        difatSectors_ = 0;
        for (;;) {
            const std::uint32_t total = others + fatSectors_ + difatSectors_;
            const std::uint32_t fat = SectorsFor(std::uint64_t(total) * 4, kSectorSize);
            const std::uint32_t beyond = fat > kHeaderDifatEntries ? fat - kHeaderDifatEntries : 0;
            const std::uint32_t difat = SectorsFor(beyond, kEntriesPerSector - 1);
            if (fat == fatSectors_ && difat == difatSectors_) break;
            fatSectors_ = fat;
            difatSectors_ = difat;
        }
        difatStart_ = fatStart_ + fatSectors_;
        totalSectors_ = difatStart_ + difatSectors_;
    }

    void WriteHeader(std::string& file) const {
        static const unsigned char signature[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
        std::copy(std::begin(signature), std::end(signature), file.begin());
        Put16(file, 0x18, 0x003E);  // minor version
        Put16(file, 0x1A, 0x0003);  // major version: 512-byte sectors
        Put16(file, 0x1C, 0xFFFE);  // little-endian
        Put16(file, 0x1E, 9);       // sector shift
        Put16(file, 0x20, 6);       // mini sector shift
        Put32(file, 0x2C, fatSectors_);
        Put32(file, 0x30, directoryStart_);
        Put32(file, 0x38, kMiniStreamCutoff);
        Put32(file, 0x3C, miniFatSectors_ ? miniFatStart_ : kEndOfChain);
        Put32(file, 0x40, miniFatSectors_);
        Put32(file, 0x44, difatSectors_ ? difatStart_ : kEndOfChain);
        Put32(file, 0x48, difatSectors_);
        for (std::uint32_t i = 0; i < kHeaderDifatEntries; ++i)
            Put32(file, 0x4C + 4 * i, i < fatSectors_ ? fatStart_ + i : kFreeSector);
    }

    void WriteStreams(std::string& file) const {
        for (std::size_t i = 0; i < streams_.size(); ++i) {
            const Placement& p = placements_[i];
            if (p.size == 0) continue;
            const std::size_t at = p.mini ? SectorOffset(miniStreamStart_) + std::size_t(p.start) * kMiniSectorSize
                                          : SectorOffset(p.start);
            const std::string& bytes = streams_[i].stream->Bytes();
            std::copy(bytes.begin(), bytes.end(), file.begin() + std::ptrdiff_t(at));
        }
    }

    void WriteMiniFat(std::string& file) const {
        const std::size_t base = SectorOffset(miniFatStart_);
        for (std::uint32_t i = 0; i < miniFatSectors_ * kEntriesPerSector; ++i) Put32(file, base + 4 * i, kFreeSector);
        for (const Placement& p : placements_) {
            if (!p.mini || p.size == 0) continue;
            const std::uint32_t count = SectorsFor(p.size, kMiniSectorSize);
            for (std::uint32_t k = 0; k < count; ++k)
                Put32(file, base + 4 * (p.start + k), k + 1 < count ? p.start + k + 1 : kEndOfChain);
        }
    }

    // A balanced tree of the streams in directory order under the root;
    // every node black, which a complete tree of them satisfies and readers
    // do not check further.
    std::uint32_t TreeOf(const std::vector<std::uint32_t>& sorted, std::size_t from, std::size_t to,
                         std::vector<std::pair<std::uint32_t, std::uint32_t>>& siblings) const {
        if (from >= to) return kNoStream;
        const std::size_t middle = from + (to - from) / 2;
        const std::uint32_t node = sorted[middle];
        siblings[node] = {TreeOf(sorted, from, middle, siblings), TreeOf(sorted, middle + 1, to, siblings)};
        return node;
    }

    void WriteEntry(std::string& file, std::uint32_t index, const WideString& name, int type, std::uint32_t left,
                    std::uint32_t right, std::uint32_t child, std::uint32_t start, std::uint32_t size) const {
        const std::size_t at = SectorOffset(directoryStart_) + std::size_t(index) * kDirectoryEntrySize;
        for (std::size_t i = 0; i < name.size(); ++i) Put16(file, at + 2 * i, name[i]);
        Put16(file, at + 0x40, static_cast<std::uint32_t>(2 * (name.size() + 1)));
        file[at + 0x42] = char(type);
        file[at + 0x43] = 1;  // black
        Put32(file, at + 0x44, left);
        Put32(file, at + 0x48, right);
        Put32(file, at + 0x4C, child);
        Put32(file, at + 0x74, start);
        Put32(file, at + 0x78, size);
    }

    void WriteDirectory(std::string& file) const {
        const std::uint32_t entries = directorySectors_ * (kSectorSize / kDirectoryEntrySize);
        for (std::uint32_t i = 0; i < entries; ++i) {
            const std::size_t at = SectorOffset(directoryStart_) + std::size_t(i) * kDirectoryEntrySize;
            Put32(file, at + 0x44, kNoStream);
            Put32(file, at + 0x48, kNoStream);
            Put32(file, at + 0x4C, kNoStream);
        }
        std::vector<std::uint32_t> sorted(streams_.size());
        for (std::uint32_t i = 0; i < sorted.size(); ++i) sorted[i] = i;
        std::sort(sorted.begin(), sorted.end(),
                  [&](std::uint32_t a, std::uint32_t b) { return DirectoryLess(streams_[a].name, streams_[b].name); });
        std::vector<std::pair<std::uint32_t, std::uint32_t>> siblings(streams_.size());
        const std::uint32_t top = TreeOf(sorted, 0, sorted.size(), siblings);
        const std::uint32_t rootChild = top == kNoStream ? kNoStream : top + 1;
        const auto entry = [](std::uint32_t stream) { return stream == kNoStream ? kNoStream : stream + 1; };
        WriteEntry(file, 0, u"Root Entry", 5, kNoStream, kNoStream, rootChild,
                   miniSectors_ ? miniStreamStart_ : kEndOfChain, miniSectors_ * kMiniSectorSize);
        for (std::uint32_t i = 0; i < streams_.size(); ++i)
            WriteEntry(file, i + 1, streams_[i].name, 2, entry(siblings[i].first), entry(siblings[i].second), kNoStream,
                       placements_[i].start, placements_[i].size);
    }

    void WriteFat(std::string& file) const {
        std::vector<std::uint32_t> fat(std::size_t(fatSectors_) * kEntriesPerSector, kFreeSector);
        const auto chain = [&](std::uint32_t start, std::uint32_t count) {
            for (std::uint32_t k = 0; k < count; ++k) fat[start + k] = k + 1 < count ? start + k + 1 : kEndOfChain;
        };
        for (const Placement& p : placements_)
            if (!p.mini && p.size) chain(p.start, SectorsFor(p.size, kSectorSize));
        chain(miniStreamStart_, miniStreamSectors_);
        chain(miniFatStart_, miniFatSectors_);
        chain(directoryStart_, directorySectors_);
        for (std::uint32_t k = 0; k < fatSectors_; ++k) fat[fatStart_ + k] = kFatSector;
        for (std::uint32_t k = 0; k < difatSectors_; ++k) fat[difatStart_ + k] = kDifatSector;
        for (std::size_t i = 0; i < fat.size(); ++i) Put32(file, SectorOffset(fatStart_) + 4 * i, fat[i]);
        // Each DIFAT sector lists 127 FAT sectors and then the next DIFAT sector.
        std::uint32_t listed = kHeaderDifatEntries;
        for (std::uint32_t d = 0; d < difatSectors_; ++d) {
            const std::size_t at = SectorOffset(difatStart_ + d);
            for (std::uint32_t k = 0; k < kEntriesPerSector - 1; ++k, ++listed)
                Put32(file, at + 4 * k, listed < fatSectors_ ? fatStart_ + listed : kFreeSector);
            Put32(file, at + 4 * (kEntriesPerSector - 1), d + 1 < difatSectors_ ? difatStart_ + d + 1 : kEndOfChain);
        }
    }

    const std::vector<NamedStream>& streams_;
    std::vector<Placement> placements_;
    std::uint32_t miniSectors_ = 0, miniStreamStart_ = 0, miniStreamSectors_ = 0, miniFatStart_ = 0,
                  miniFatSectors_ = 0, directoryStart_ = 0, directorySectors_ = 0, fatStart_ = 0, fatSectors_ = 0,
                  difatStart_ = 0, difatSectors_ = 0, totalSectors_ = 0;
};

HRESULT ErrnoResult(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR: return STG_E_PATHNOTFOUND;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return STG_E_ACCESSDENIED;
    case ENOSPC:
    case EDQUOT: return STG_E_MEDIUMFULL;
    default: return STG_E_WRITEFAULT;
    }
}

class CompoundFile : public IStorage {
public:
    explicit CompoundFile(AnsiString name) : name_(std::move(name)) {}
    ~CompoundFile() override {
        if (!committed_) Commit(STGC_DEFAULT);
    }

    HRESULT CreateStream(const AnsiString& name, Cardinal mode, Cardinal, Cardinal,
                         std::shared_ptr<IStream>& stream) override {
        const WideString wide = AnsiToWide(name);
        if (wide.empty() || wide.size() > kMaxNameLength ||
            wide.find_first_of(u"/\\:!") != WideString::npos)
            return STG_E_INVALIDNAME;
        const auto same = std::find_if(streams_.begin(), streams_.end(), [&](const NamedStream& s) {
            return !DirectoryLess(s.name, wide) && !DirectoryLess(wide, s.name);
        });
        auto created = std::make_shared<MemoryStream>();
        if (same != streams_.end()) {
            if (!(mode & STGM_CREATE)) return STG_E_FILEALREADYEXISTS;
            same->stream = created;
        } else {
            streams_.push_back({wide, created});
        }
        committed_ = false;
        stream = created;
        return S_OK;
    }

    HRESULT Commit(Cardinal) override {
        committed_ = true;
        const std::string bytes = CompoundFileLayout(streams_).Build();
        errno = 0;
        if (WriteFileAtomically(name_, bytes)) return S_OK;
        return ErrnoResult(errno);
    }

    HRESULT Revert() override {
        committed_ = true;
        return S_OK;
    }

private:
    AnsiString name_;
    std::vector<NamedStream> streams_;
    bool committed_ = false;  // nothing waits to be written
};

}  // namespace

HRESULT StgCreateDocfile(const AnsiString& name, Cardinal mode, Cardinal, std::shared_ptr<IStorage>& storage) {
    storage.reset();
    if (!(mode & (STGM_WRITE | STGM_READWRITE)) || (mode & 0x70) != STGM_SHARE_EXCLUSIVE) return STG_E_INVALIDFLAG;
    if (name.empty()) return STG_E_INVALIDNAME;
    const std::string path = AnsiToUtf8(name);
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) {
        if (S_ISDIR(existing.st_mode)) return STG_E_ACCESSDENIED;
        if (!(mode & STGM_CREATE)) return STG_E_FILEALREADYEXISTS;
        if (::access(path.c_str(), W_OK) != 0) return STG_E_ACCESSDENIED;
    }
    // The new file is written beside the old one and renamed over it.
    const std::string folder = AnsiToUtf8(ExtractFileDir(name));
    if (::access(folder.empty() ? "." : folder.c_str(), W_OK) != 0) return ErrnoResult(errno);
    storage = std::make_shared<CompoundFile>(name);
    return S_OK;
}

Integer TOleStream::Read(void* buffer, Integer count) {
    Cardinal read = 0;
    OleCheck(stream_->Read(buffer, static_cast<Cardinal>(std::max(count, 0)), &read));
    return static_cast<Integer>(read);
}

Integer TOleStream::Write(const void* buffer, Integer count) {
    Cardinal written = 0;
    OleCheck(stream_->Write(buffer, static_cast<Cardinal>(std::max(count, 0)), &written));
    return static_cast<Integer>(written);
}

Int64 TOleStream::Seek(Int64 offset, TSeekOrigin origin) {
    std::uint64_t position = 0;
    const Cardinal how = origin == soBeginning ? STREAM_SEEK_SET : origin == soCurrent ? STREAM_SEEK_CUR : STREAM_SEEK_END;
    OleCheck(stream_->Seek(offset, how, &position));
    return static_cast<Int64>(position);
}

void TOleStream::SetSize(Int64 newSize) { OleCheck(stream_->SetSize(static_cast<std::uint64_t>(std::max<Int64>(newSize, 0)))); }
