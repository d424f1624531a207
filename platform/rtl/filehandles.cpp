// File handles over the OS's descriptors with the platform's sharing rules
// among the program's own handles, file dates and attributes by handle or
// name, and the remaining path, disk and folder routines.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <map>
#include <mutex>

#include "platform/rtl/datetime.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/fileutils.h"
#include "platform/rtl/fileutils_internal.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/sysutils.h"

namespace {

struct OpenFile {
    dev_t device;
    ino_t inode;
    Cardinal mode;
};

struct HandleTable {
    std::mutex mutex;
    std::map<Integer, OpenFile> files;
};

HandleTable& Handles() {
    static HandleTable table;
    return table;
}

bool Reads(Cardinal mode) { return (mode & 3) != fmOpenWrite; }
bool Writes(Cardinal mode) { return (mode & 3) != fmOpenRead; }
bool DeniesRead(Cardinal mode) { return (mode & 0x70) == fmShareExclusive || (mode & 0x70) == fmShareDenyRead; }
bool DeniesWrite(Cardinal mode) { return (mode & 0x70) == fmShareExclusive || (mode & 0x70) == fmShareDenyWrite; }

bool Conflicts(Cardinal held, Cardinal wanted) {
    return (Reads(wanted) && DeniesRead(held)) || (Writes(wanted) && DeniesWrite(held)) ||
           (Reads(held) && DeniesRead(wanted)) || (Writes(held) && DeniesWrite(wanted));
}

Integer Open(const AnsiString& name, int flags, Cardinal mode) {
    const int fd = ::open(OsFileName(name).c_str(), flags | O_CLOEXEC, 0666);
    if (fd < 0) return -1;
    struct stat st {};
    ::fstat(fd, &st);
    HandleTable& table = Handles();
    std::lock_guard lock(table.mutex);
    for (const auto& [handle, file] : table.files) {
        if (file.device == st.st_dev && file.inode == st.st_ino && Conflicts(file.mode, mode)) {
            ::close(fd);
            errno = EACCES;
            return -1;
        }
    }
    if ((flags & O_TRUNC) && ::ftruncate(fd, 0) != 0) {
        ::close(fd);
        return -1;
    }
    table.files[fd] = {st.st_dev, st.st_ino, mode};
    return fd;
}

bool Known(Integer handle) {
    HandleTable& table = Handles();
    std::lock_guard lock(table.mutex);
    return table.files.count(handle) != 0;
}

// The file date as the OS's time, read as local time.
bool FileDateToTime(Integer age, struct timespec& time) {
    TDateTime value = 0;
    try {
        value = FileDateToDateTime(age);
    } catch (const EConvertError&) {
        return false;
    }
    Word year, month, day, hour, minute, second, msec;
    DecodeDate(value, year, month, day);
    DecodeTime(value, hour, minute, second, msec);
    struct tm local {};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    time.tv_sec = std::mktime(&local);
    time.tv_nsec = 0;
    return true;
}

Integer SetTimes(int dirFd, const char* path, int fd, Integer age) {
    struct timespec times[2];
    if (!FileDateToTime(age, times[1])) return EINVAL;
    times[0] = times[1];
    const int done = fd >= 0 ? ::futimens(fd, times) : ::utimensat(dirFd, path, times, 0);
    return done == 0 ? 0 : errno;
}

struct statvfs* CurrentFileSystem(struct statvfs& fs) { return ::statvfs(".", &fs) == 0 ? &fs : nullptr; }

}  // namespace

Integer FileOpen(const AnsiString& name, Cardinal mode) {
    static const int access[] = {O_RDONLY, O_WRONLY, O_RDWR};
    if ((mode & 3) > 2) return -1;
    return Open(name, access[mode & 3], mode);
}

Integer FileCreate(const AnsiString& name) { return Open(name, O_RDWR | O_CREAT | O_TRUNC, fmOpenReadWrite | fmShareExclusive); }

Integer FileRead(Integer handle, void* buffer, Integer count) {
    if (!Known(handle) || count < 0) return -1;
    return Integer(::read(handle, buffer, std::size_t(count)));
}

Integer FileWrite(Integer handle, const void* buffer, Integer count) {
    if (!Known(handle) || count < 0) return -1;
    return Integer(::write(handle, buffer, std::size_t(count)));
}

Integer FileSeek(Integer handle, Integer offset, Integer origin) {
    static const int whence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
    if (!Known(handle) || origin < 0 || origin > 2) return -1;
    const off_t position = ::lseek(handle, offset, whence[origin]);
    return position < 0 || position > 0x7FFFFFFF ? -1 : Integer(position);
}

void FileClose(Integer handle) {
    HandleTable& table = Handles();
    std::lock_guard lock(table.mutex);
    if (table.files.erase(handle)) ::close(handle);
}

Integer FileGetDate(Integer handle) {
    struct stat st {};
    return Known(handle) && ::fstat(handle, &st) == 0 ? DosDate(st.st_mtime) : -1;
}

Integer FileSetDate(Integer handle, Integer age) { return Known(handle) ? SetTimes(AT_FDCWD, nullptr, handle, age) : EBADF; }

Integer FileSetDate(const AnsiString& name, Integer age) {
    return SetTimes(AT_FDCWD, OsFileName(name).c_str(), -1, age);
}

Integer DateTimeToFileDate(TDateTime value) {
    Word year, month, day, hour, minute, second, msec;
    DecodeDate(value, year, month, day);
    DecodeTime(value, hour, minute, second, msec);
    if (year < 1980 || year > 2107) return 0;
    return Integer(std::uint32_t(year - 1980) << 25 | std::uint32_t(month) << 21 | std::uint32_t(day) << 16 |
                   std::uint32_t(hour) << 11 | std::uint32_t(minute) << 5 | std::uint32_t(second / 2));
}

Integer FileGetAttr(const AnsiString& name) {
    const std::string osName = OsFileName(name);
    struct stat st {};
    if (::stat(osName.c_str(), &st) != 0) return -1;
    return AttributesOf(osName, ExtractFileName(ExcludeTrailingPathDelimiter(name)), st);
}

Integer FileSetAttr(const AnsiString& name, Integer attr) {
    const std::string osName = OsFileName(name);
    struct stat st {};
    if (::stat(osName.c_str(), &st) != 0) return errno;
    const mode_t mode = (attr & faReadOnly) ? st.st_mode & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH) : st.st_mode | S_IWUSR;
    return ::chmod(osName.c_str(), mode) == 0 ? 0 : errno;
}

AnsiString ExtractFileDrive(const AnsiString&) { return {}; }

AnsiString ExpandUNCFileName(const AnsiString& name) { return ExpandFileName(name); }

AnsiString ExtractRelativePath(const AnsiString& baseName, const AnsiString& destName) {
    const AnsiString base = ExtractFilePath(ExpandFileName(baseName));
    const AnsiString dest = ExpandFileName(destName);
    std::size_t common = 0;
    for (std::size_t i = 0; i < base.size() && i < dest.size() && base[i] == dest[i]; ++i)
        if (base[i] == '/') common = i + 1;
    AnsiString result;
    for (std::size_t i = common; i < base.size(); ++i)
        if (base[i] == '/') result += "../";
    return result + dest.substr(common);
}

AnsiString FileSearch(const AnsiString& name, const AnsiString& dirList) {
    if (FileExists(name)) return ExpandFileName(name);
    std::size_t start = 0;
    while (start <= dirList.size()) {
        std::size_t end = dirList.find(';', start);
        if (end == AnsiString::npos) end = dirList.size();
        const AnsiString dir = dirList.substr(start, end - start);
        if (!dir.empty()) {
            const AnsiString candidate = IncludeTrailingPathDelimiter(dir) + name;
            if (FileExists(candidate)) return ExpandFileName(candidate);
        }
        start = end + 1;
    }
    return {};
}

Int64 DiskFree(Byte drive) {
    struct statvfs fs {};
    return drive == 0 && CurrentFileSystem(fs) ? Int64(fs.f_bavail) * Int64(fs.f_frsize) : -1;
}

Int64 DiskSize(Byte drive) {
    struct statvfs fs {};
    return drive == 0 && CurrentFileSystem(fs) ? Int64(fs.f_blocks) * Int64(fs.f_frsize) : -1;
}

bool SetCurrentDir(const AnsiString& dir) { return ::chdir(OsFileName(dir).c_str()) == 0; }
bool CreateDir(const AnsiString& dir) { return ::mkdir(OsFileName(dir).c_str(), 0777) == 0; }
bool RemoveDir(const AnsiString& dir) { return ::rmdir(OsFileName(dir).c_str()) == 0; }
