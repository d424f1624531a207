// TCollection and TCollectionItem: an owned, ordered list of items of one
// class, written in form descriptions as `< item ... end >`.
#pragma once

#include <vector>

#include "platform/rtl/persistent.h"
#include "platform/rtl/updatescope.h"

class TCollection;

class TCollectionItem : public TPersistent {
    SERVIORA_HIERARCHY(TCollectionItem, TPersistent, TCollection* /*Collection*/)
public:
    // Adds the item to collection (when given), which then owns it. The
    // collection hears of the new item (Notify, Update) in
    // AfterConstruction, once the whole item exists.
    explicit TCollectionItem(TCollection* collection);
    void AfterConstruction() override;
    // Takes the item out of its collection.
    ~TCollectionItem() override;

    TCollection* Collection() const { return collection_; }
    // Moves the item to another collection (or out of any, for nullptr).
    virtual void SetCollection(TCollection* collection);
    // A number unique within the collection, never reused.
    int ID() const { return id_; }
    int Index() const;
    virtual void SetIndex(int index);
    AnsiString DisplayName() const { return GetDisplayName(); }
    virtual void SetDisplayName(const AnsiString& name);
    AnsiString GetNamePath() const override;

protected:
    // The class name unless a descendant has a better one.
    virtual AnsiString GetDisplayName() const;
    // Tells the collection that this item (or, allItems, every item) changed.
    void Changed(bool allItems);
    TPersistent* GetOwner() const override;

private:
    TCollection* collection_ = nullptr;
    int id_ = 0;

    friend class TCollection;
};
using TCollectionItemClass = const TCollectionItem::MetaClassType*;

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollection : public TPersistent {
    SERVIORA_HIERARCHY(TCollection, TPersistent, TCollectionItemClass /*ItemClass*/)
public:
    explicit TCollection(TCollectionItemClass itemClass);
    ~TCollection() override;

    TCollectionItemClass ItemClass() const { return itemClass_; }
    int Count() const { return static_cast<int>(items_.size()); }
    // EListError "List index out of bounds (N)" outside 0..Count-1.
    TCollectionItem* Items(int index) const;
    // Items[index].Assign(value).
    void SetItems(int index, TCollectionItem* value);

    // A new item of ItemClass at the end, or at index.
    TCollectionItem* Add();
    TCollectionItem* Insert(int index);
    void Delete(int index);
    void Clear();
    TCollectionItem* FindItemID(int id) const;

    // Nested updates hold back Update until the outermost EndUpdate.
    virtual void BeginUpdate();
    virtual void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    // Copies the items of another collection.
    void Assign(TPersistent* source) override;
    // "Owner.Property" when an owner publishes the collection, else the class name.
    AnsiString GetNamePath() const override;
    // The name of the owner's published property that holds this collection.
    AnsiString PropName() const;

protected:
    // item changed, or (nullptr) the whole collection did.
    virtual void Update(TCollectionItem* item);
    virtual void Notify(TCollectionItem* item, TCollectionNotification action);
    // Calls Update(nullptr) unless an update is in progress.
    void Changed();

private:
    // Takes the item in; `announce` tells Notify and Update at once, which
    // an item under construction leaves to its AfterConstruction.
    void InsertItem(TCollectionItem* item, bool announce);
    void Announce(TCollectionItem* item);
    void RemoveItem(TCollectionItem* item);

    TCollectionItemClass itemClass_;
    std::vector<TCollectionItem*> items_;
    int updateCount_ = 0;
    int nextId_ = 0;

    friend class TCollectionItem;
};
using TCollectionClass = const TCollection::MetaClassType*;

// A collection that names its owner (for GetNamePath and the writer).
class TOwnedCollection : public TCollection {
    SERVIORA_CLASS(TOwnedCollection, TCollection)
public:
    TOwnedCollection(TPersistent* owner, TCollectionItemClass itemClass)
        : TCollection(itemClass), owner_(owner) {}

protected:
    TPersistent* GetOwner() const override { return owner_; }

private:
    TPersistent* owner_;
};

