// ProgramLong<T>: a function-local object built on first use and never
// destroyed.
//
// The window system's tables serve objects that live as long as the program
// (the application object, its forms, their windows and fonts), and those are
// released by static destructors that may run after any table would have
// been destroyed. A table held as `static ProgramLong<T> table;` stays valid
// through the whole of exit; the memory goes with the process.
#pragma once

#include <new>
#include <utility>

template <class T>
class ProgramLong {
public:
    template <class... Args>
    explicit ProgramLong(Args&&... args) {
        new (storage_) T(std::forward<Args>(args)...);
    }
    ProgramLong(const ProgramLong&) = delete;
    ProgramLong& operator=(const ProgramLong&) = delete;

    T& operator*() { return *Get(); }
    T* operator->() { return Get(); }

private:
    T* Get() { return std::launder(reinterpret_cast<T*>(storage_)); }

    alignas(T) unsigned char storage_[sizeof(T)];
};
