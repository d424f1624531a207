// Files and folders over POSIX calls. Every name passes through OsFileName
// on its way to the OS and through Utf8ToAnsi on its way back.
#include "platform/rtl/fileutils.h"
#include "platform/rtl/fileutils_internal.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "platform/rtl/codepage.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/kernel.h"
#include "platform/rtl/sysutils.h"

struct TSearchState {
    std::vector<TSearchRec> matches;
    std::size_t next = 0;
};

namespace {

// Closes a descriptor when it goes out of scope, keeping errno.
class ScopedDescriptor {
public:
    explicit ScopedDescriptor(int fd) : fd_(fd) {}
    ~ScopedDescriptor() {
        if (fd_ < 0) return;
        const int saved = errno;
        ::close(fd_);
        errno = saved;
    }
    ScopedDescriptor(const ScopedDescriptor&) = delete;
    ScopedDescriptor& operator=(const ScopedDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

bool StatFile(const AnsiString& name, struct stat& st) { return ::stat(OsFileName(name).c_str(), &st) == 0; }


bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        size -= std::size_t(written);
    }
    return true;
}

// Hands every chunk of the open file to `sink` until the end.
bool ReadChunks(int fd, const std::function<bool(const char*, std::size_t)>& sink) {
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) return true;
        if (!sink(buffer, std::size_t(got))) return false;
    }
}

// Makes a rename in the folder of `file` durable: until the folder itself is
// synced, a crash can bring back the old name's contents or none. A file
// system that cannot sync folders (EINVAL) has nothing more to do.
bool SyncFolderOf(const std::string& file) {
    const std::size_t slash = file.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : file.substr(0, slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return synced;
}

// Fills a new temporary file beside `target` through `fill`, then renames it
// over `target` and syncs the folder; with `keepExisting` only where no
// target exists. `mode` sets the permissions; without it the user's umask
// applies.
bool ReplaceFile(const std::string& target, bool keepExisting, std::optional<mode_t> mode,
                 const std::function<bool(int)>& fill) {
    static std::atomic<unsigned> counter{0};
    std::string temp;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temp = target + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    bool ok = fill(fd) && (!mode || ::fchmod(fd, *mode) == 0) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok) {
        ok = keepExisting ? ::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0
                          : ::rename(temp.c_str(), target.c_str()) == 0;
        if (ok) return SyncFolderOf(target);
    }
    if (!ok) {
        const int saved = errno;
        ::unlink(temp.c_str());
        errno = saved;
    }
    return ok;
}

bool SameCharacterIgnoringCase(const AnsiString& a, std::size_t ai, std::size_t as, const AnsiString& b,
                               std::size_t bi, std::size_t bs) {
    if (as != bs) return false;
    if (as == 1) return std::tolower(static_cast<unsigned char>(a[ai])) == std::tolower(static_cast<unsigned char>(b[bi]));
    return a.compare(ai, as, b, bi, bs) == 0;
}

// "*" and "?" over characters, ASCII case ignored; a failed match after a
// "*" retries with that "*" taking one more character.
bool MatchesFrom(const AnsiString& name, const AnsiString& mask) {
    std::size_t n = 0, m = 0;
    std::size_t starMask = AnsiString::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == '*') {
            starMask = ++m;
            starName = n;
            continue;
        }
        if (m < mask.size()) {
            const std::size_t ms = AnsiCharSize(mask, m), ns = AnsiCharSize(name, n);
            if ((ms == 1 && mask[m] == '?') || SameCharacterIgnoringCase(mask, m, ms, name, n, ns)) {
                m += ms;
                n += ns;
                continue;
            }
        }
        if (starMask == AnsiString::npos) return false;
        starName += AnsiCharSize(name, starName);
        n = starName;
        m = starMask;
    }
    while (m < mask.size() && mask[m] == '*') ++m;
    return m == mask.size();
}

bool MatchesWildcard(const AnsiString& name, const AnsiString& mask) {
    if (MatchesFrom(name, mask)) return true;
    return mask.size() >= 2 && mask.ends_with(".*") && MatchesFrom(name, mask.substr(0, mask.size() - 2));
}


int SearchFailed(int code) {
    SetLastError(Cardinal(code));
    return code;
}

}  // namespace

AnsiString ProgramFileName() { return ParamStr(0); }

AnsiString ProgramFolder() { return ExtractFilePath(ProgramFileName()); }

AnsiString GetCurrentDir() {
    std::error_code error;
    return Utf8ToAnsi(std::filesystem::current_path(error).string());
}

AnsiString ExpandFileName(const AnsiString& name) {
    AnsiString path = NormalizePathDelimiters(name);
    if (path.empty()) return path;
    if (path[0] != PathDelim) path = IncludeTrailingPathDelimiter(GetCurrentDir()) + path;
    // "/" and "." never occur inside a GB18030 character, so plain byte
    // splitting is safe here.
    std::vector<AnsiString> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find(PathDelim, start);
        if (end == AnsiString::npos) end = path.size();
        AnsiString part = path.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(std::move(part));
        }
        start = end + 1;
    }
    AnsiString result;
    for (const AnsiString& part : parts) result += PathDelim + part;
    if (result.empty() || path.back() == PathDelim) result += PathDelim;
    return result;
}

AnsiString GetTempPath() {
    const char* tmp = std::getenv("TMPDIR");
    return IncludeTrailingPathDelimiter(Utf8ToAnsi(tmp && *tmp ? tmp : "/tmp"));
}

bool FileExists(const AnsiString& name) {
    struct stat st {};
    return StatFile(name, st) && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const AnsiString& name) {
    struct stat st {};
    return StatFile(name, st) && S_ISDIR(st.st_mode);
}

bool ForceDirectories(const AnsiString& dir) {
    if (dir.empty()) throw EInOutError("Unable to create directory");
    std::error_code error;
    std::filesystem::create_directories(OsFileName(dir), error);
    return DirectoryExists(dir);
}

bool DeleteFile(const AnsiString& name) { return ::unlink(OsFileName(name).c_str()) == 0; }

bool RenameFile(const AnsiString& oldName, const AnsiString& newName) {
    return ::renameat2(AT_FDCWD, OsFileName(oldName).c_str(), AT_FDCWD, OsFileName(newName).c_str(),
                       RENAME_NOREPLACE) == 0;
}

bool CopyFile(const AnsiString& source, const AnsiString& target, bool failIfExists) {
    ScopedDescriptor in(::open(OsFileName(source).c_str(), O_RDONLY | O_CLOEXEC));
    struct stat st {};
    if (in.get() < 0 || ::fstat(in.get(), &st) != 0) return false;
    if (S_ISDIR(st.st_mode)) {
        errno = EISDIR;
        return false;
    }
    return ReplaceFile(OsFileName(target), failIfExists, st.st_mode & 07777, [&](int out) {
        if (!ReadChunks(in.get(), [out](const char* data, std::size_t size) { return WriteAll(out, data, size); }))
            return false;
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        return ::futimens(out, times) == 0;
    });
}

Integer DosDate(std::time_t time) {
    struct tm local {};
    if (!localtime_r(&time, &local)) return -1;
    const int year = local.tm_year + 1900;
    if (year < 1980 || year > 2107) return -1;
    const std::uint32_t packed = std::uint32_t(year - 1980) << 25 | std::uint32_t(local.tm_mon + 1) << 21 |
                                 std::uint32_t(local.tm_mday) << 16 | std::uint32_t(local.tm_hour) << 11 |
                                 std::uint32_t(local.tm_min) << 5 | std::uint32_t(local.tm_sec / 2);
    return Integer(packed);
}

Integer AttributesOf(const std::string& osName, const AnsiString& name, const struct stat& st) {
    Integer attr = S_ISDIR(st.st_mode) ? faDirectory : faArchive;
    if (name.size() > 1 && name[0] == '.' && name != "..") attr |= faHidden;
    if (::access(osName.c_str(), W_OK) != 0) attr |= faReadOnly;
    return attr;
}

Integer FileAge(const AnsiString& name) {
    struct stat st {};
    return StatFile(name, st) && !S_ISDIR(st.st_mode) ? DosDate(st.st_mtime) : -1;
}

TDateTime FileDateToDateTime(Integer fileDate) {
    const auto packed = std::uint32_t(fileDate);
    const std::uint32_t date = packed >> 16, time = packed & 0xFFFF;
    return EncodeDate(Word((date >> 9) + 1980), Word(date >> 5 & 15), Word(date & 31)) +
           EncodeTime(Word(time >> 11), Word(time >> 5 & 63), Word((time & 31) * 2), 0);
}

int FindFirst(const AnsiString& path, Integer attr, TSearchRec& rec) {
    FindClose(rec);
    const AnsiString folder = ExtractFilePath(path);
    const AnsiString mask = ExtractFileName(path);
    const std::string osFolder = OsFileName(folder.empty() ? AnsiString("./") : folder);
    DIR* dir = ::opendir(osFolder.c_str());
    if (!dir) return SearchFailed(ERROR_PATH_NOT_FOUND);

    auto state = std::make_shared<TSearchState>();
    const Integer exclude = ~attr & (faHidden | faSysFile | faVolumeID | faDirectory);
    while (const dirent* entry = ::readdir(dir)) {
        TSearchRec found;
        found.Name = Utf8ToAnsi(entry->d_name);
        if (!MatchesWildcard(found.Name, mask)) continue;
        const std::string osName = osFolder + entry->d_name;
        struct stat st {};
        if (::stat(osName.c_str(), &st) != 0 && ::lstat(osName.c_str(), &st) != 0) continue;
        found.Attr = AttributesOf(osName, found.Name, st);
        if (found.Attr & exclude) continue;
        found.Size = S_ISDIR(st.st_mode) ? 0 : Int64(st.st_size);
        found.Time = DosDate(st.st_mtime);
        state->matches.push_back(std::move(found));
    }
    ::closedir(dir);
    if (state->matches.empty()) return SearchFailed(ERROR_FILE_NOT_FOUND);

    std::sort(state->matches.begin(), state->matches.end(),
              [](const TSearchRec& a, const TSearchRec& b) { return a.Name < b.Name; });
    rec.ExcludeAttr = exclude;
    rec.FindHandle = std::move(state);
    return FindNext(rec);
}

int FindNext(TSearchRec& rec) {
    if (!rec.FindHandle) return SearchFailed(ERROR_INVALID_HANDLE);
    TSearchState& state = *rec.FindHandle;
    if (state.next >= state.matches.size()) return SearchFailed(ERROR_NO_MORE_FILES);
    const TSearchRec& match = state.matches[state.next++];
    rec.Time = match.Time;
    rec.Size = match.Size;
    rec.Attr = match.Attr;
    rec.Name = match.Name;
    return 0;
}

void FindClose(TSearchRec& rec) { rec.FindHandle.reset(); }

bool ReadFileBytes(const AnsiString& name, std::string& bytes) {
    ScopedDescriptor fd(::open(OsFileName(name).c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return false;
    bytes.clear();
    return ReadChunks(fd.get(), [&bytes](const char* data, std::size_t size) {
        bytes.append(data, size);
        return true;
    });
}

bool WriteFileAtomically(const AnsiString& name, std::string_view bytes) {
    const std::string osName = OsFileName(name);
    struct stat st {};
    std::optional<mode_t> mode;
    if (::stat(osName.c_str(), &st) == 0) mode = st.st_mode & 07777;
    return ReplaceFile(osName, false, mode, [&](int fd) { return WriteAll(fd, bytes.data(), bytes.size()); });
}
