// The kernel services the system calls by their platform names: the calling
// thread's last error code, and named mutexes as the single-instance lock.
//
// A named mutex is an advisory kernel lock (flock) on a file in the user's
// runtime folder ($XDG_RUNTIME_DIR, or /tmp/serviora-<uid>/ created 0700
// when that is unset). The kernel releases the lock when the holder dies, so
// a crashed program never locks the next start out; a lock file left behind
// holds nothing by merely existing.
#pragma once

#include "platform/rtl/types.h"

// Error codes with the platform's values.
constexpr Cardinal ERROR_SUCCESS = 0;
constexpr Cardinal ERROR_FILE_NOT_FOUND = 2;
constexpr Cardinal ERROR_PATH_NOT_FOUND = 3;
constexpr Cardinal ERROR_ACCESS_DENIED = 5;
constexpr Cardinal ERROR_INVALID_HANDLE = 6;
constexpr Cardinal ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr Cardinal ERROR_NO_MORE_FILES = 18;
constexpr Cardinal ERROR_INVALID_PARAMETER = 87;
constexpr Cardinal ERROR_ALREADY_EXISTS = 183;

// The last error of the calling thread.
Cardinal GetLastError();
void SetLastError(Cardinal code);

// Creates or opens the mutex `name` (ANSI). The handle is non-zero whenever
// the call worked: GetLastError() then says ERROR_ALREADY_EXISTS when a live
// holder (another process, or an earlier handle of this one) has the name,
// and ERROR_SUCCESS when this handle now holds it. A null or empty name gives
// an unnamed mutex that no one else can see. When the runtime folder cannot
// be used safely the result is 0 and GetLastError() tells why. Ownership
// requests and security attributes are accepted and ignored: the system only
// uses the mutex to learn whether it already runs.
HANDLE CreateMutex(const void* securityAttributes, bool initialOwner, const char* name);
inline HANDLE CreateMutexA(const void* securityAttributes, bool initialOwner, const char* name) {
    return CreateMutex(securityAttributes, initialOwner, name);
}

// Closes a handle from CreateMutex, releasing the name when it held it.
// False (ERROR_INVALID_HANDLE) for an unknown or already closed handle.
bool CloseHandle(HANDLE handle);
