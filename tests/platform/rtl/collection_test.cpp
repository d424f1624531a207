#include "platform/rtl/collection.h"

#include <gtest/gtest.h>

#include "streaming_fixtures.h"

namespace {

// Counts the updates it is told about.
class TCountingCollection : public TOwnedCollection {
    SERVIORA_CLASS(TCountingCollection, TOwnedCollection)
public:
    explicit TCountingCollection(TPersistent* owner) : TOwnedCollection(owner, TTestItem::StaticClass()) {}
    int allUpdates = 0;
    std::vector<TCollectionItem*> itemUpdates;

protected:
    void Update(TCollectionItem* item) override {
        if (item)
            itemUpdates.push_back(item);
        else
            ++allUpdates;
    }
};

// Records what each item looks like when the collection hears of it.
class TWatchingCollection : public TOwnedCollection {
    SERVIORA_CLASS(TWatchingCollection, TOwnedCollection)
public:
    TWatchingCollection() : TOwnedCollection(nullptr, TTestItem::StaticClass()) {}
    std::vector<std::string> seen;

protected:
    void Notify(TCollectionItem* item, TCollectionNotification action) override {
        if (action == cnAdded)
            seen.push_back("added " + Describe(item));
    }
    void Update(TCollectionItem*) override {
        for (int i = 0; i < Count(); ++i)
            seen.push_back("update " + Describe(Items(i)));
    }

private:
    static std::string Describe(TCollectionItem* item) {
        auto* test = dynamic_cast<TTestItem*>(item);
        return item->ClassName() + (test ? " " + std::to_string(test->Width()) : "");
    }
};

TEST(Collection, ANewItemIsAnnouncedOnlyOnceItIsWhole) {
    TWatchingCollection items;
    items.Add();
    EXPECT_EQ(items.seen, (std::vector<std::string>{"added TTestItem 64", "update TTestItem 64"}));
}

TEST(Collection, AddInsertDeleteKeepOrderIdsAndIndexes) {
    TCountingCollection items(nullptr);
    auto* a = static_cast<TTestItem*>(items.Add());
    auto* b = static_cast<TTestItem*>(items.Add());
    auto* c = static_cast<TTestItem*>(items.Insert(0));
    EXPECT_EQ(items.Count(), 3);
    EXPECT_EQ(items.Items(0), c);
    EXPECT_EQ(a->Index(), 1);
    EXPECT_EQ((std::vector<int>{a->ID(), b->ID(), c->ID()}), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(items.FindItemID(2), c);
    items.Delete(1);
    EXPECT_EQ(items.Count(), 2);
    EXPECT_EQ(items.FindItemID(0), nullptr);
    EXPECT_EQ(items.Add()->ID(), 3);
    b->SetIndex(2);
    EXPECT_EQ(items.Items(2), b);
    EXPECT_THROW(items.Items(3), EListError);
    EXPECT_THROW(b->SetIndex(5), EListError);
    items.Clear();
    EXPECT_EQ(items.Count(), 0);
}

TEST(Collection, UpdatesWaitForTheOutermostEndUpdate) {
    TCountingCollection items(nullptr);
    items.Add();
    EXPECT_EQ(items.allUpdates, 1);
    items.BeginUpdate();
    items.BeginUpdate();
    auto* item = static_cast<TTestItem*>(items.Add());
    item->SetCaption("x");
    items.EndUpdate();
    EXPECT_EQ(items.UpdateCount(), 1);
    EXPECT_EQ(items.allUpdates, 1);
    items.EndUpdate();
    EXPECT_EQ(items.allUpdates, 2);
    EXPECT_TRUE(items.itemUpdates.empty());
    item->SetCaption("y");
    EXPECT_EQ(items.itemUpdates, std::vector<TCollectionItem*>{item});
}

TEST(Collection, ItemsNameThemselvesAndCopy) {
    TTestWidget widget(nullptr);
    widget.SetName("Grid1");
    auto* item = static_cast<TTestItem*>(widget.Items()->Add());
    EXPECT_EQ(item->DisplayName(), "TTestItem");
    item->SetCaption("日期");
    EXPECT_EQ(item->DisplayName(), "日期");
    EXPECT_EQ(widget.Items()->GetNamePath(), "Grid1.Items");
    EXPECT_EQ(item->GetNamePath(), "Grid1.Items[0]");
    EXPECT_EQ(item->Collection(), widget.Items());

    TCollection copy(TTestItem::StaticClass());
    copy.Assign(widget.Items());
    ASSERT_EQ(copy.Count(), 1);
    EXPECT_EQ(static_cast<TTestItem*>(copy.Items(0))->Caption(), "日期");
    EXPECT_EQ(copy.GetNamePath(), "TCollection");

    // An item moved to another collection leaves the first one.
    item->SetCollection(&copy);
    EXPECT_EQ(widget.Items()->Count(), 0);
    EXPECT_EQ(copy.Count(), 2);
}

}  // namespace
