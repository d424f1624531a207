// TCriticalSection: a lock that the thread holding it may take again, as the
// platform's critical sections (a locked operation may call another locked
// operation of the same object).
#pragma once

#include <mutex>

#include "platform/rtl/object.h"

class TCriticalSection : public TObject {
public:
    void Acquire() { mutex_.lock(); }
    void Release() { mutex_.unlock(); }
    void Enter() { Acquire(); }
    void Leave() { Release(); }
    // Takes the lock only when no other thread holds it.
    bool TryEnter() { return mutex_.try_lock(); }

private:
    std::recursive_mutex mutex_;
};

// Holds a critical section for one scope, however the scope ends.
class CriticalSectionScope {
public:
    explicit CriticalSectionScope(TCriticalSection& section) : section_(section) { section_.Enter(); }
    ~CriticalSectionScope() { section_.Leave(); }
    CriticalSectionScope(const CriticalSectionScope&) = delete;
    CriticalSectionScope& operator=(const CriticalSectionScope&) = delete;

private:
    TCriticalSection& section_;
};
