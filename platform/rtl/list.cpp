#include "platform/rtl/list.h"

#include <utility>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/quicksort.h"

namespace {

// The largest list the platform allows (its array type's bound).
constexpr int kMaxListSize = 0x7FFFFFFF / 16;

}  // namespace

TList::~TList() { Clear(); }

void TList::IndexError(int index) {
    throw EListError("List index out of bounds (%d)", {index});
}

void TList::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) IndexError(index);
}

// The platform's growth steps: 4 for small lists, then 16, then a quarter.
void TList::Grow() {
    int delta = capacity_ > 64 ? capacity_ / 4 : capacity_ > 8 ? 16 : 4;
    SetCapacity(capacity_ + delta);
}

int TList::Add(Pointer item) {
    int index = Count();
    Insert(index, item);
    return index;
}

void TList::Insert(int index, Pointer item) {
    if (index < 0 || index > Count()) IndexError(index);
    if (Count() == capacity_) Grow();
    items_.insert(items_.begin() + index, item);
    if (item) Notify(item, lnAdded);
}

void TList::Delete(int index) {
    CheckIndex(index);
    Pointer item = items_[index];
    items_.erase(items_.begin() + index);
    if (item) Notify(item, lnDeleted);
}

int TList::Remove(Pointer item) {
    int index = IndexOf(item);
    if (index >= 0) Delete(index);
    return index;
}

Pointer TList::Extract(Pointer item) {
    int index = IndexOf(item);
    if (index < 0) return nullptr;
    items_.erase(items_.begin() + index);
    Notify(item, lnExtracted);
    return item;
}

int TList::IndexOf(Pointer item) const {
    for (int i = 0; i < Count(); ++i)
        if (items_[i] == item) return i;
    return -1;
}

void TList::Exchange(int index1, int index2) {
    CheckIndex(index1);
    CheckIndex(index2);
    std::swap(items_[index1], items_[index2]);
}

void TList::Move(int curIndex, int newIndex) {
    if (curIndex == newIndex) return;
    CheckIndex(curIndex);
    CheckIndex(newIndex);
    Pointer item = items_[curIndex];
    items_.erase(items_.begin() + curIndex);
    items_.insert(items_.begin() + newIndex, item);
}

void TList::Sort(const TListSortCompare& compare) {
    QuickSortPositions(
        0, Count() - 1, [&](int i, int j) { return compare(items_[i], items_[j]); },
        [&](int i, int j) { std::swap(items_[i], items_[j]); });
}

Pointer TList::First() const { return Items(0); }

Pointer TList::Last() const { return Items(Count() - 1); }

void TList::Clear() {
    SetCount(0);
    SetCapacity(0);
}

void TList::Pack() { std::erase(items_, nullptr); }

TList* TList::Expand() {
    if (Count() == capacity_) Grow();
    return this;
}

Pointer TList::Items(int index) const {
    CheckIndex(index);
    return items_[index];
}

void TList::SetItems(int index, Pointer item) {
    CheckIndex(index);
    Pointer old = items_[index];
    if (old == item) return;
    items_[index] = item;
    if (old) Notify(old, lnDeleted);
    if (item) Notify(item, lnAdded);
}

void TList::SetCount(int count) {
    if (count < 0 || count > kMaxListSize)
        throw EListError("List count out of bounds (%d)", {count});
    if (count > capacity_) SetCapacity(count);
    if (count > Count()) {
        items_.resize(count, nullptr);
        return;
    }
    for (int i = Count() - 1; i >= count; --i) Delete(i);
}

void TList::SetCapacity(int capacity) {
    if (capacity < Count() || capacity > kMaxListSize)
        throw EListError("List capacity out of bounds (%d)", {capacity});
    if (capacity < capacity_) items_.shrink_to_fit();
    items_.reserve(capacity);
    capacity_ = capacity;
}

void TList::Notify(Pointer, TListNotification) {}

TObjectList::~TObjectList() {
    // The base destructor can no longer reach this class's Notify.
    Clear();
}

void TObjectList::Notify(Pointer item, TListNotification action) {
    if (ownsObjects_ && action == lnDeleted) delete static_cast<TObject*>(item);
    TList::Notify(item, action);
}
