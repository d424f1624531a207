// The last error code and named mutexes over flock. Handles of this kind
// live in one table guarded by a mutex, since any thread may create or close
// them.
#include "platform/rtl/kernel.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "platform/rtl/codepage.h"

namespace {

thread_local Cardinal lastError = ERROR_SUCCESS;

// What a mutex handle stands for: the open lock file when this handle holds
// the name, nothing otherwise.
struct MutexObject {
    int fd = -1;
    ~MutexObject() {
        if (fd >= 0) ::close(fd);
    }
};

class MutexTable {
public:
    HANDLE Add(std::unique_ptr<MutexObject> object) {
        std::lock_guard lock(mutex_);
        HANDLE handle = next_++;
        objects_.emplace(handle, std::move(object));
        return handle;
    }
    bool Remove(HANDLE handle) {
        std::unique_ptr<MutexObject> removed;
        std::lock_guard lock(mutex_);
        auto it = objects_.find(handle);
        if (it == objects_.end()) return false;
        removed = std::move(it->second);
        objects_.erase(it);
        return true;
    }

private:
    std::mutex mutex_;
    std::map<HANDLE, std::unique_ptr<MutexObject>> objects_;
    HANDLE next_ = 0x1000;
};

MutexTable& Mutexes() {
    static MutexTable table;
    return table;
}

// The folder for lock files, with a trailing "/", as an OS (UTF-8) path.
// The fallback folder in /tmp must be a real folder of ours that no one else
// can enter, or another user could hold our lock or point it elsewhere.
std::optional<std::string> RuntimeFolder() {
    const char* xdg = std::getenv("XDG_RUNTIME_DIR");
    if (xdg && *xdg) return std::string(xdg) + "/";
    const uid_t uid = ::getuid();
    const std::string folder = "/tmp/serviora-" + std::to_string(uid);
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return std::nullopt;
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != uid || (st.st_mode & 077) != 0)
        return std::nullopt;
    return folder + "/";
}

std::string LockFileName(const std::string& folder, const char* name) {
    std::string utf8 = AnsiToUtf8(name);
    for (char& c : utf8)
        if (c == '/') c = '_';
    return folder + "serviora-mutex-" + utf8 + ".lock";
}

}  // namespace

Cardinal GetLastError() { return lastError; }

void SetLastError(Cardinal code) { lastError = code; }

HANDLE CreateMutex(const void*, bool, const char* name) {
    auto object = std::make_unique<MutexObject>();
    Cardinal result = ERROR_SUCCESS;
    if (name && *name) {
        std::optional<std::string> folder = RuntimeFolder();
        if (!folder) {
            SetLastError(ERROR_ACCESS_DENIED);
            return 0;
        }
        // Close-on-exec: a program started from ours must not keep our lock
        // alive after we end.
        int fd = ::open(LockFileName(*folder, name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0) {
            SetLastError(errno == ENOENT ? ERROR_PATH_NOT_FOUND : ERROR_ACCESS_DENIED);
            return 0;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            object->fd = fd;
        } else {
            const int error = errno;
            ::close(fd);
            if (error != EWOULDBLOCK) {
                SetLastError(ERROR_ACCESS_DENIED);
                return 0;
            }
            result = ERROR_ALREADY_EXISTS;
        }
    }
    HANDLE handle = Mutexes().Add(std::move(object));
    SetLastError(result);
    return handle;
}

bool CloseHandle(HANDLE handle) {
    if (Mutexes().Remove(handle)) return true;
    SetLastError(ERROR_INVALID_HANDLE);
    return false;
}
