// TList, the class library's list of untyped pointers, and TObjectList, a
// list of objects that frees the objects it owns.
#pragma once

#include <functional>
#include <vector>

#include "platform/rtl/metaclass.h"
#include "platform/rtl/types.h"

using Pointer = void*;

// Answers <0, 0 or >0 as item1 sorts before, with or after item2.
using TListSortCompare = std::function<int(Pointer item1, Pointer item2)>;

enum TListNotification { lnAdded, lnExtracted, lnDeleted };

class TList : public TObject {
    SERVIORA_CLASS(TList, TObject)

public:
    TList() = default;
    ~TList() override;

    // Appends and answers the new item's index.
    int Add(Pointer item);
    // index may be Count (append); EListError otherwise when out of range.
    void Insert(int index, Pointer item);
    void Delete(int index);
    // Deletes the first occurrence; answers its former index or -1.
    int Remove(Pointer item);
    // Takes the first occurrence out without deleting it; nullptr if absent.
    Pointer Extract(Pointer item);
    int IndexOf(Pointer item) const;
    void Exchange(int index1, int index2);
    void Move(int curIndex, int newIndex);
    // Quicksort with the caller's comparison; not stable.
    void Sort(const TListSortCompare& compare);
    // EListError on an empty list, as Items(0) would.
    Pointer First() const;
    Pointer Last() const;
    virtual void Clear();
    // Removes the nil items.
    void Pack();
    // Grows the capacity when the list is full.
    TList* Expand();

    Pointer Items(int index) const;
    void SetItems(int index, Pointer item);
    Pointer operator[](int index) const { return Items(index); }
    int Count() const { return static_cast<int>(items_.size()); }
    // Growing fills with nil; shrinking deletes from the end.
    void SetCount(int count);
    int Capacity() const { return capacity_; }
    void SetCapacity(int capacity);
    // The item array itself, valid until the list changes size.
    Pointer* List() { return items_.data(); }

protected:
    // Told of every non-nil item that enters or leaves the list.
    virtual void Notify(Pointer item, TListNotification action);

    // Raises EListError "List index out of bounds (index)".
    [[noreturn]] static void IndexError(int index);

private:
    void CheckIndex(int index) const;
    void Grow();

    std::vector<Pointer> items_;
    int capacity_ = 0;
};

// A list of objects. With OwnsObjects (the default) an object deleted from
// the list, replaced in it or left in it when the list is cleared or
// destroyed is freed; Extract hands one back without freeing it.
class TObjectList : public TList {
    SERVIORA_CLASS(TObjectList, TList)

public:
    explicit TObjectList(bool ownsObjects = true) : ownsObjects_(ownsObjects) {}
    ~TObjectList() override;

    int Add(TObject* object) { return TList::Add(object); }
    void Insert(int index, TObject* object) { TList::Insert(index, object); }
    int Remove(TObject* object) { return TList::Remove(object); }
    TObject* Extract(TObject* object) { return static_cast<TObject*>(TList::Extract(object)); }
    int IndexOf(TObject* object) const { return TList::IndexOf(object); }
    TObject* First() const { return static_cast<TObject*>(TList::First()); }
    TObject* Last() const { return static_cast<TObject*>(TList::Last()); }

    TObject* Items(int index) const { return static_cast<TObject*>(TList::Items(index)); }
    void SetItems(int index, TObject* object) { TList::SetItems(index, object); }
    TObject* operator[](int index) const { return Items(index); }

    bool OwnsObjects() const { return ownsObjects_; }
    void SetOwnsObjects(bool value) { ownsObjects_ = value; }

protected:
    void Notify(Pointer item, TListNotification action) override;

private:
    bool ownsObjects_;
};
