// Components through streams: bare and behind a resource header, text
// descriptions converted to resources, descendants written against an
// ancestor, and name markers standing for handlers no class publishes.
#include <gtest/gtest.h>

#include "platform/rtl/automation.h"
#include "platform/rtl/ole2.h"
#include "streaming_fixtures.h"

namespace {

const std::string kText =
    "object M: TTestModule\n"
    "  object W: TTestWidget\n"
    "    Caption = 'abc'\n"
    "    Count = 3\n"
    "  end\n"
    "end\n";

class ComponentStreams : public ::testing::Test {
protected:
    void SetUp() override { RegisterStreamingFixtures(); }

    static std::unique_ptr<TTestModule> NewModule() { return std::unique_ptr<TTestModule>(TTestModule::Create(nullptr, 0)); }
    static TTestWidget* Widget(TComponent* module) { return static_cast<TTestWidget*>(module->FindComponent("W")); }
};

TEST_F(ComponentStreams, ResourcesRoundTripAndABareDescriptionIsRefused) {
    auto source = NewModule();
    ReadComponentFromString(kText, source.get());

    TMemoryStream resource;
    resource.WriteComponentRes("TTestModule", source.get());
    resource.SetPosition(0);
    auto copy = NewModule();
    resource.ReadComponentRes(copy.get());
    ASSERT_NE(Widget(copy.get()), nullptr);
    EXPECT_EQ(Widget(copy.get())->Caption(), "abc");
    EXPECT_EQ(resource.Position(), resource.Size());

    TStringStream text("  " + kText);
    EXPECT_EQ(TestStreamFormat(&text), sofText);
    TMemoryStream converted;
    ObjectTextToResource(&text, &converted);
    converted.SetPosition(0);
    EXPECT_EQ(TestStreamFormat(&converted), sofBinary);
    auto fromText = NewModule();
    converted.ReadComponentRes(fromText.get());
    EXPECT_EQ(Widget(fromText.get())->Count(), 3);

    TMemoryStream bare;
    bare.WriteComponent(source.get());
    bare.SetPosition(0);
    EXPECT_EQ(TestStreamFormat(&bare), sofBinary);
    TStringStream other("plain words");
    EXPECT_EQ(TestStreamFormat(&other), sofUnknown);
    auto refused = NewModule();
    try {
        bare.ReadComponentRes(refused.get());
        FAIL() << "a bare description has no resource header";
    } catch (const EReadError& e) {
        EXPECT_STREQ(e.what(), "Invalid stream format");
    }
    EXPECT_EQ(bare.Position(), 0);
    bare.ReadComponent(refused.get());
    EXPECT_EQ(Widget(refused.get())->Caption(), "abc");

    TMemoryStream cut;
    cut.WriteComponentRes("X", source.get());
    cut.SetSize(cut.Size() - 1);
    cut.SetPosition(0);
    EXPECT_THROW(cut.ReadComponentRes(NewModule().get()), EReadError);
}

TEST_F(ComponentStreams, ADescendentLeavesOutWhatItsAncestorSays) {
    auto ancestor = NewModule();
    ReadComponentFromString(kText, ancestor.get());
    auto descendent = NewModule();
    ReadComponentFromString(kText, descendent.get());
    Widget(descendent.get())->SetCount(9);

    TMemoryStream stream;
    stream.WriteDescendentRes("TTestModule", descendent.get(), ancestor.get());
    stream.SetPosition(0);
    stream.ReadResHeader();
    std::string bytes(std::size_t(stream.Size() - stream.Position()), '\0');
    stream.ReadBuffer(bytes.data(), Integer(bytes.size()));
    const TFormObject written = ParseFormBinary(bytes);
    ASSERT_EQ(written.children.size(), 1u);
    EXPECT_EQ(written.children[0].kind, TFormObjectKind::Inherited);
    ASSERT_EQ(written.children[0].properties.size(), 1u);
    EXPECT_EQ(written.children[0].properties[0].name, "Count");

    TMemoryStream whole;
    whole.WriteDescendent(descendent.get(), nullptr);
    whole.SetPosition(0);
    auto copy = NewModule();
    whole.ReadComponent(copy.get());
    EXPECT_EQ(Widget(copy.get())->Caption(), "abc");
    EXPECT_EQ(Widget(copy.get())->Count(), 9);
}

TEST_F(ComponentStreams, ANameMarkerIsKeptByAnEventAndDoesNothing) {
    auto module = NewModule();
    TReader reader(std::string("object M: TTestModule\n  object W: TTestWidget\n    OnClick = Unpublished\n"
                               "    OnCount = Unpublished\n  end\nend\n"));
    static const char marker = 0;
    reader.SetOnFindMethod([&](TReader*, const AnsiString& name, TMethod& address, bool& error) {
        address = MakeNameMarker(&marker, module.get(), name);
        error = false;
    });
    reader.ReadRootComponent(module.get());
    TTestWidget* w = Widget(module.get());
    for (const char* event : {"OnClick", "OnCount"}) {
        const TMethod kept = GetMethodProp(w, event);
        EXPECT_TRUE(IsNameMarker(kept)) << event;
        EXPECT_EQ(NameMarkerOf(kept), &marker);
        EXPECT_EQ(kept.Data, module.get());
        EXPECT_EQ(kept.Name, "Unpublished");
    }
    int count = 5;
    w->OnClick()(w);
    w->OnCount()(w, count);
    EXPECT_EQ(count, 5);
    EXPECT_FALSE(IsNameMarker(TNotifyEvent([](TObject*) {}).ToMethod()));
    EXPECT_EQ(NameMarkerOf(TMethod{}), nullptr);
}

TEST(ComponentBridge, NoServerStandsBehindAComponentOrAList) {
    TComponent component(nullptr);
    EXPECT_EQ(component.SafeCallException(nullptr, nullptr), E_UNEXPECTED);
    EXPECT_EQ(component.ComObject(), nullptr);
    component.FreeOnRelease();
    component.SetDesignInfo(0x00100020);
    EXPECT_EQ(component.DesignInfo(), 0x00100020);
    int server = 0;
    component.SetVCLComObject(&server);
    EXPECT_EQ(component.VCLComObject(), &server);

    TStringList list;
    EXPECT_EQ(list.StringsAdapter(), nullptr);
    auto adapter = std::make_shared<IInterface>();
    list.SetStringsAdapter(adapter);
    EXPECT_EQ(list.StringsAdapter(), adapter);
}

}  // namespace
