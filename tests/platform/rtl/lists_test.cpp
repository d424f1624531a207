#include "platform/rtl/list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/exceptions.h"

namespace {

// Items are the addresses of a fixed array, so a list's contents read as the
// array indices they point to.
int slots[10];
Pointer P(int i) { return &slots[i]; }

std::vector<int> Contents(const TList& list) {
    std::vector<int> out;
    for (int i = 0; i < list.Count(); ++i)
        out.push_back(list.Items(i) ? static_cast<int>(static_cast<int*>(list.Items(i)) - slots) : -1);
    return out;
}

TList* Filled(TList& list, std::initializer_list<int> indices) {
    for (int i : indices) list.Add(i < 0 ? nullptr : P(i));
    return &list;
}

struct EditCase {
    const char* name;
    std::function<void(TList&)> edit;
    std::vector<int> expected;
};

TEST(TList, EditsKeepOrder) {
    const EditCase cases[] = {
        {"insert at front and end", [](TList& l) { l.Insert(0, P(9)); l.Insert(l.Count(), P(8)); }, {9, 0, 1, 2, 3, 8}},
        {"delete middle", [](TList& l) { l.Delete(1); }, {0, 2, 3}},
        {"remove first occurrence", [](TList& l) { l.Add(P(1)); EXPECT_EQ(l.Remove(P(1)), 1); }, {0, 2, 3, 1}},
        {"remove absent", [](TList& l) { EXPECT_EQ(l.Remove(P(7)), -1); }, {0, 1, 2, 3}},
        {"extract", [](TList& l) { EXPECT_EQ(l.Extract(P(2)), P(2)); EXPECT_EQ(l.Extract(P(7)), nullptr); }, {0, 1, 3}},
        {"exchange", [](TList& l) { l.Exchange(0, 3); }, {3, 1, 2, 0}},
        {"move forward", [](TList& l) { l.Move(0, 2); }, {1, 2, 0, 3}},
        {"move back", [](TList& l) { l.Move(3, 1); }, {0, 3, 1, 2}},
        {"set item", [](TList& l) { l.SetItems(2, P(7)); }, {0, 1, 7, 3}},
        {"pack", [](TList& l) { l.Insert(1, nullptr); l.Add(nullptr); l.Pack(); }, {0, 1, 2, 3}},
        {"grow count fills nil", [](TList& l) { l.SetCount(5); }, {0, 1, 2, 3, -1}},
        {"shrink count", [](TList& l) { l.SetCount(2); }, {0, 1}},
        {"clear", [](TList& l) { l.Clear(); EXPECT_EQ(l.Capacity(), 0); }, {}},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.name);
        TList list;
        c.edit(*Filled(list, {0, 1, 2, 3}));
        EXPECT_EQ(Contents(list), c.expected);
    }
}

TEST(TList, BadIndicesRaiseListError) {
    const std::pair<const char*, std::function<void(TList&)>> cases[] = {
        {"List index out of bounds (3)", [](TList& l) { l.Items(3); }},
        {"List index out of bounds (-1)", [](TList& l) { l.Delete(-1); }},
        {"List index out of bounds (4)", [](TList& l) { l.Insert(4, P(0)); }},
        {"List index out of bounds (5)", [](TList& l) { l.Exchange(0, 5); }},
        {"List index out of bounds (3)", [](TList& l) { l.Move(3, 0); }},
        {"List index out of bounds (3)", [](TList& l) { l.SetItems(3, nullptr); }},
        {"List count out of bounds (-1)", [](TList& l) { l.SetCount(-1); }},
        {"List capacity out of bounds (2)", [](TList& l) { l.SetCapacity(2); }},
    };
    for (const auto& [message, action] : cases) {
        SCOPED_TRACE(message);
        TList list;
        Filled(list, {0, 1, 2});
        try {
            action(list);
            ADD_FAILURE() << "no exception";
        } catch (const EListError& e) {
            EXPECT_EQ(e.Message(), message);
        }
        EXPECT_EQ(Contents(list), (std::vector<int>{0, 1, 2}));
    }
    TList empty;
    EXPECT_THROW(empty.First(), EListError);
    EXPECT_THROW(empty.Last(), EListError);
}

TEST(TList, SortsWithCompareFunction) {
    const std::vector<std::vector<int>> inputs = {
        {}, {5}, {3, 1, 2}, {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, {2, 2, 1, 1, 0, 0, 2}, {0, 1, 2, 3, 4, 5},
    };
    auto byIndex = [](Pointer a, Pointer b) { return static_cast<int>(static_cast<int*>(a) - static_cast<int*>(b)); };
    for (const auto& input : inputs) {
        TList list;
        for (int i : input) list.Add(P(i));
        list.Sort(byIndex);
        std::vector<int> expected = input;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(Contents(list), expected);
    }
    // A comparison that contradicts itself must not run outside the list.
    TList list;
    Filled(list, {3, 1, 4, 1, 5, 9, 2, 6});
    list.Sort([](Pointer, Pointer) { return -1; });
    EXPECT_EQ(list.Count(), 8);
}

// Counts its live instances so a test can see which ones were freed.
class Tracked : public TObject {
public:
    explicit Tracked(int& live) : live_(live) { ++live_; }
    ~Tracked() override { --live_; }

private:
    int& live_;
};

TEST(TObjectList, FreesWhatItOwns) {
    int live = 0;
    {
        TObjectList list;
        for (int i = 0; i < 5; ++i) list.Add(new Tracked(live));
        list.Delete(0);
        EXPECT_EQ(live, 4);
        std::unique_ptr<TObject> extracted(list.Extract(list.First()));
        EXPECT_EQ(live, 4);
        EXPECT_EQ(list.Count(), 3);
        list.SetItems(0, new Tracked(live));  // the replaced object is freed
        EXPECT_EQ(live, 4);
        list.Remove(list.Last());
        EXPECT_EQ(live, 3);
    }
    EXPECT_EQ(live, 0);

    Tracked kept(live);
    {
        TObjectList borrowed(false);
        borrowed.Add(&kept);
        borrowed.Clear();
        borrowed.Add(&kept);
    }
    EXPECT_EQ(live, 1);
}

}  // namespace
