// Named entries of the binding registry and the sorted lists that hold
// them. One comparison (ASCII letters folded, other bytes as they are)
// sorts and searches, and among entries of one name the first registered
// answers, so a registration order is never lost to an unstable sort.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/rtl/identifier.h"
#include "platform/rtl/metaclass.h"
#include "platform/rtl/types.h"

class TKpInterpreterIdentifier : public TObject {
    SERVIORA_CLASS(TKpInterpreterIdentifier, TObject)
public:
    TKpInterpreterIdentifier() = default;
    TKpInterpreterIdentifier(AnsiString unit, AnsiString name) : EntryUnit(std::move(unit)), EntryName(std::move(name)) {}
    // Entries are plain data; a registry copies them into another.
    TKpInterpreterIdentifier(const TKpInterpreterIdentifier& other)
        : TObject(), EntryUnit(other.EntryUnit), EntryName(other.EntryName), EntryTag(other.EntryTag) {}

    AnsiString EntryUnit;
    AnsiString EntryName;
    // Free for the registering code; handed to the registry's pre-call hook.
    Cardinal EntryTag = 0;
};

// <0, 0, >0 as the names order in the lists.
int CompareIdentifiers(const AnsiString& a, const AnsiString& b);

// Moves on whenever an entry is added to or cleared from any registry list,
// so what was found in the lists can be kept while it stays.
extern std::atomic<std::uint64_t> registryGeneration;
inline std::uint64_t RegistryGeneration() { return registryGeneration.load(std::memory_order_relaxed); }
inline void NextRegistryGeneration() { registryGeneration.fetch_add(1, std::memory_order_relaxed); }

template <class Entry>
class TKpInterpreterIdentifierList {
public:
    TKpInterpreterIdentifierList() = default;
    TKpInterpreterIdentifierList(const TKpInterpreterIdentifierList&) = delete;
    TKpInterpreterIdentifierList& operator=(const TKpInterpreterIdentifierList&) = delete;
    virtual ~TKpInterpreterIdentifierList() = default;

    Entry& Add(std::unique_ptr<Entry> entry) {
        items_.push_back(std::move(entry));
        NextRegistryGeneration();
        return *items_.back();
    }
    int Count() const { return int(items_.size()); }
    Entry& operator[](int index) const { return *items_[std::size_t(index)]; }
    void Clear() {
        items_.clear();
        NextRegistryGeneration();
    }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    // Binary search of the sorted list. Found: `index` is the first entry of
    // the name; not found: the place the name would take.
    bool Find(const AnsiString& name, int& index) const {
        const auto it = std::lower_bound(items_.begin(), items_.end(), name, [](const auto& entry, const AnsiString& key) {
            return CompareIdentifiers(entry->EntryName, key) < 0;
        });
        index = int(it - items_.begin());
        return it != items_.end() && CompareIdentifiers((*it)->EntryName, name) == 0;
    }

    // Stable, so equal names keep their registration order.
    virtual void Sort() {
        std::stable_sort(items_.begin(), items_.end(), [](const auto& a, const auto& b) {
            return CompareIdentifiers(a->EntryName, b->EntryName) < 0;
        });
    }

    // The last entry of the name in the unit (any unit when `unit` is empty).
    Entry* FindIdentifier(const AnsiString& unit, const AnsiString& name) const {
        for (auto it = items_.rbegin(); it != items_.rend(); ++it)
            if (SameIdentifier((*it)->EntryName, name) && (unit.empty() || SameIdentifier((*it)->EntryUnit, unit)))
                return it->get();
        return nullptr;
    }

protected:
    std::vector<std::unique_ptr<Entry>>& Items() { return items_; }

private:
    std::vector<std::unique_ptr<Entry>> items_;
};
