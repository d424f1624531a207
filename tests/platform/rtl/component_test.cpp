#include "platform/rtl/component.h"

#include <gtest/gtest.h>

#include "streaming_fixtures.h"

namespace {

// Records its own destruction into a shared log.
class TTracked : public TTestWidget {
    SERVIORA_CLASS(TTracked, TTestWidget)
public:
    TTracked(TComponent* owner, const char* name, std::vector<std::string>* log) : TTestWidget(owner), log_(log) {
        SetName(name);
    }
    ~TTracked() override { log_->push_back("freed:" + Name()); }

private:
    std::vector<std::string>* log_;
};

TEST(Component, OwnerFreesWhatItOwnsLastFirst) {
    std::vector<std::string> log;
    auto* owner = new TTracked(nullptr, "Owner", &log);
    auto* a = new TTracked(owner, "A", &log);
    new TTracked(a, "A1", &log);
    new TTracked(owner, "B", &log);
    EXPECT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(owner->Components(0), a);
    EXPECT_EQ(a->ComponentIndex(), 0);
    EXPECT_THROW(owner->Components(2), EListError);
    delete owner;
    EXPECT_EQ(log, (std::vector<std::string>{"freed:B", "freed:A1", "freed:A", "freed:Owner"}));
}

TEST(Component, NotificationsReachOwnerSiblingsAndThoseWhoAsked) {
    TTestWidget owner(nullptr);
    owner.SetName("Owner");
    auto* first = new TTestWidget(&owner);
    first->SetName("First");
    auto* second = new TTestWidget(&owner);
    second->SetName("Second");
    EXPECT_EQ(owner.heard, (std::vector<std::string>{"insert:", "insert:"}));
    EXPECT_EQ(first->heard, std::vector<std::string>{"insert:"});

    // A component of another owner hears only after asking.
    TTestWidget outsider(nullptr);
    outsider.SetSource(second);
    owner.heard.clear();
    first->heard.clear();
    delete second;
    EXPECT_EQ(owner.heard, std::vector<std::string>{"remove:Second"});
    EXPECT_EQ(first->heard, std::vector<std::string>{"remove:Second"});
    EXPECT_EQ(outsider.heard, std::vector<std::string>{"remove:Second"});
    EXPECT_EQ(outsider.Source(), nullptr);
    EXPECT_EQ(owner.ComponentCount(), 1);

    // After RemoveFreeNotification nothing more is said.
    auto* third = new TTestWidget(nullptr);
    outsider.SetSource(third);
    outsider.SetSource(nullptr);
    outsider.heard.clear();
    delete third;
    EXPECT_TRUE(outsider.heard.empty());
}

TEST(Component, OwnedComponentTellsItsFreeNotifiesWhenTheOwnerGoes) {
    TTestWidget watcher(nullptr);
    auto* owner = new TTestWidget(nullptr);
    auto* owned = new TTestWidget(owner);
    owned->SetName("Owned");
    watcher.SetSource(owned);
    EXPECT_TRUE(owned->ComponentState().Contains(csFreeNotification));
    delete owner;
    EXPECT_EQ(watcher.Source(), nullptr);
    EXPECT_EQ(watcher.heard, std::vector<std::string>{"remove:Owned"});
}

TEST(Component, NamesAreValidatedAndUniqueWithinTheOwner) {
    TComponent owner(nullptr);
    auto* a = new TComponent(&owner);
    a->SetName("Edit1");
    auto* b = new TComponent(&owner);
    try {
        b->SetName("EDIT1");
        FAIL();
    } catch (const EComponentError& e) {
        EXPECT_EQ(e.Message(), "Component name \"EDIT1\" is not unique");
    }
    for (const char* bad : {"1Edit", "Edit 1", "Edit-1", "编辑"})
        EXPECT_THROW(b->SetName(bad), EComponentError) << bad;
    b->SetName("_Edit2");
    a->SetName("edit1");
    EXPECT_EQ(owner.FindComponent("EDIT1"), a);
    EXPECT_EQ(owner.FindComponent("_edit2"), b);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
    b->SetName("");
    EXPECT_EQ(owner.FindComponent("_Edit2"), nullptr);

    // Moving between owners checks the new owner's names.
    TComponent other(nullptr);
    auto* clash = new TComponent(&other);
    clash->SetName("Edit1");
    EXPECT_THROW(owner.InsertComponent(clash), EComponentError);
    EXPECT_EQ(clash->Owner(), &other);
    a->SetComponentIndex(1);
    EXPECT_EQ(owner.Components(1), a);
}

TEST(Component, RemoveComponentGivesUpWithoutFreeing) {
    TTestWidget owner(nullptr);
    auto* child = new TTestWidget(&owner);
    child->SetName("Child");
    owner.heard.clear();
    owner.RemoveComponent(child);
    EXPECT_EQ(child->Owner(), nullptr);
    EXPECT_EQ(owner.ComponentCount(), 0);
    EXPECT_EQ(owner.heard, std::vector<std::string>{"remove:Child"});
    std::unique_ptr<TComponent> keep(child);
    EXPECT_EQ(keep->GetNamePath(), "Child");
}

TEST(Component, DestroyingMarksTheWholeTree) {
    struct TWatch : TComponent {
        using TComponent::TComponent;
        bool ownerDestroyingSeen = false;
        void BeforeDestruction() override {
            ownerDestroyingSeen = Owner() && Owner()->ComponentState().Contains(csDestroying);
            TComponent::BeforeDestruction();
        }
    };
    bool seen = false;
    {
        TComponent owner(nullptr);
        auto* watch = new TWatch(&owner);
        struct TProbe : TComponent {
            TProbe(TComponent* owner, TWatch* w, bool* out) : TComponent(owner), w_(w), out_(out) {}
            ~TProbe() override { *out_ = w_->ComponentState().Contains(csDestroying); }
            TWatch* w_;
            bool* out_;
        };
        new TProbe(&owner, watch, &seen);
    }
    EXPECT_TRUE(seen);
}

TEST(Persistent, AssignWithoutAKnownPairRaisesConvertError) {
    TTestFont font;
    TTestItem item(nullptr);
    try {
        font.Assign(&item);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TTestItem to a TTestFont");
    }
    TTestFont other;
    other.SetName("黑体");
    font.Assign(&other);
    EXPECT_EQ(font.Name(), "黑体");
    EXPECT_EQ(font.GetNamePath(), "TTestFont");
}

}  // namespace
