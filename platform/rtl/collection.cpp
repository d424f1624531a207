// TCollection and TCollectionItem.
#include "platform/rtl/collection.h"

#include <algorithm>

#include "platform/rtl/exceptions.h"

namespace {

[[noreturn]] void RaiseIndex(int index) {
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace

TCollectionItem::TCollectionItem(TCollection* collection) {
    if (collection)
        collection->InsertItem(this, false);
}

void TCollectionItem::AfterConstruction() {
    if (collection_)
        collection_->Announce(this);
}

TCollectionItem::~TCollectionItem() {
    SetCollection(nullptr);
}

void TCollectionItem::SetCollection(TCollection* collection) {
    if (collection == collection_)
        return;
    if (collection_)
        collection_->RemoveItem(this);
    if (collection)
        collection->InsertItem(this, true);
}

int TCollectionItem::Index() const {
    if (!collection_)
        return -1;
    const auto& items = collection_->items_;
    return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int index) {
    const int current = Index();
    if (current < 0 || current == index)
        return;
    auto& items = collection_->items_;
    if (index < 0 || index >= static_cast<int>(items.size()))
        RaiseIndex(index);
    items.erase(items.begin() + current);
    items.insert(items.begin() + index, this);
    Changed(true);
}

void TCollectionItem::SetDisplayName(const AnsiString&) {
    Changed(false);
}

AnsiString TCollectionItem::GetDisplayName() const {
    return ClassName();
}

AnsiString TCollectionItem::GetNamePath() const {
    if (!collection_)
        return ClassName();
    return collection_->GetNamePath() + "[" + std::to_string(Index()) + "]";
}

void TCollectionItem::Changed(bool allItems) {
    if (collection_ && collection_->updateCount_ == 0)
        collection_->Update(allItems ? nullptr : this);
}

TPersistent* TCollectionItem::GetOwner() const {
    return collection_;
}

TCollection::TCollection(TCollectionItemClass itemClass) : itemClass_(itemClass) {}

TCollection::~TCollection() {
    updateCount_ = 1;
    while (!items_.empty())
        delete items_.back();
}

TCollectionItem* TCollection::Items(int index) const {
    if (index < 0 || index >= Count())
        RaiseIndex(index);
    return items_[index];
}

void TCollection::SetItems(int index, TCollectionItem* value) {
    Items(index)->Assign(value);
}

TCollectionItem* TCollection::Add() {
    return itemClass_->Create(this);
}

TCollectionItem* TCollection::Insert(int index) {
    TCollectionItem* item = nullptr;
    WithinUpdate(*this, [&] {
        item = Add();
        item->SetIndex(index);
    });
    return item;
}

void TCollection::Delete(int index) {
    TCollectionItem* item = Items(index);
    Notify(item, cnDeleting);
    delete item;
}

void TCollection::Clear() {
    if (items_.empty())
        return;
    WithinUpdate(*this, [&] {
        while (!items_.empty())
            delete items_.back();
    });
}

TCollectionItem* TCollection::FindItemID(int id) const {
    for (TCollectionItem* item : items_)
        if (item->id_ == id)
            return item;
    return nullptr;
}

void TCollection::BeginUpdate() {
    ++updateCount_;
}

void TCollection::EndUpdate() {
    --updateCount_;
    Changed();
}

void TCollection::Changed() {
    if (updateCount_ == 0)
        Update(nullptr);
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}

void TCollection::InsertItem(TCollectionItem* item, bool announce) {
    items_.push_back(item);
    item->collection_ = this;
    item->id_ = nextId_++;
    if (announce)
        Announce(item);
}

void TCollection::Announce(TCollectionItem* item) {
    Notify(item, cnAdded);
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* item) {
    Notify(item, cnExtracting);
    std::erase(items_, item);
    item->collection_ = nullptr;
    Changed();
}

void TCollection::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TCollection*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    WithinUpdate(*this, [&] {
        Clear();
        for (TCollectionItem* item : other->items_)
            Add()->Assign(item);
    });
}

AnsiString TCollection::PropName() const {
    TPersistent* owner = GetOwner();
    if (!owner)
        return {};
    for (PPropInfo prop : GetPropList(owner))
        if (prop->Kind() == tkClass && prop->Access().GetObject(owner) == this)
            return prop->Name();
    return {};
}

AnsiString TCollection::GetNamePath() const {
    TPersistent* owner = GetOwner();
    if (!owner)
        return ClassName();
    const AnsiString ownerPath = owner->GetNamePath();
    const AnsiString prop = PropName();
    if (ownerPath.empty() || prop.empty())
        return ClassName();
    return ownerPath + "." + prop;
}
