// Handles as 32-bit ids in per-kind tables. The kind sits in the top byte, so
// a handle of one kind is never taken for another, and ids are not reused,
// so a stale handle is refused instead of reaching a newer object. A table
// may be used from several threads; the objects themselves are not locked.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "platform/gdi/windef.h"

enum class HandleKind : std::uint8_t {
    Pen = 1,
    Brush = 2,
    DC = 3,
    Palette = 5,
    Font = 6,
    Bitmap = 7,
    Region = 8,
    MetaFile = 9,
    EnhMetaFile = 13,
    Icon = 0x10,
    Window = 0x11,
    Menu = 0x12,
    Cursor = 0x13,
    ImageList = 0x14,
    Global = 0x15,
};

inline HandleKind KindOfHandle(HANDLE h) { return HandleKind(h >> 24); }

template <class T>
class HandleTable {
public:
    explicit HandleTable(HandleKind kind) : kind_(kind) {}

    HANDLE Add(std::unique_ptr<T> object) {
        std::lock_guard lock(mutex_);
        if (++next_ > 0xFFFFFF) next_ = firstDynamic;
        HANDLE h = (HANDLE(kind_) << 24) | next_;
        objects_[h] = std::move(object);
        return h;
    }
    // Stores an object under a fixed index below `firstDynamic` (stock
    // objects); an object already there is kept.
    HANDLE AddFixed(std::uint32_t index, std::unique_ptr<T> object) {
        std::lock_guard lock(mutex_);
        HANDLE h = (HANDLE(kind_) << 24) | index;
        objects_.try_emplace(h, std::move(object));
        return h;
    }
    T* Find(HANDLE h) const {
        std::lock_guard lock(mutex_);
        auto it = objects_.find(h);
        return it == objects_.end() ? nullptr : it->second.get();
    }
    std::unique_ptr<T> Remove(HANDLE h) {
        std::lock_guard lock(mutex_);
        auto it = objects_.find(h);
        if (it == objects_.end()) return nullptr;
        auto object = std::move(it->second);
        objects_.erase(it);
        return object;
    }
    std::size_t Count() const {
        std::lock_guard lock(mutex_);
        return objects_.size();
    }
    static constexpr std::uint32_t firstDynamic = 0x100;

private:
    mutable std::mutex mutex_;
    HandleKind kind_;
    std::uint32_t next_ = firstDynamic;
    std::unordered_map<HANDLE, std::unique_ptr<T>> objects_;
};
