#include "platform/rtl/typinfo.h"

#include <gtest/gtest.h>

#include "streaming_fixtures.h"

namespace {

// Publishes Caption again (read-only) and adds a property of its own.
class TDerivedWidget : public TTestWidget {
    SERVIORA_CLASS(TDerivedWidget, TTestWidget)
    SERVIORA_PUBLISHED
public:
    using TTestWidget::TTestWidget;
    Integer Extra() const { return 5; }
};
void TDerivedWidget::Published(TPublished<TDerivedWidget>& p) {
    p.Property("Caption", &TDerivedWidget::Caption);
    p.Property("Extra", &TDerivedWidget::Extra);
}

TEST(TypInfo, PropertiesAreInheritedInDeclarationOrder) {
    std::vector<std::string> names;
    for (PPropInfo prop : GetPropList(TDerivedWidget::StaticClass()))
        names.push_back(prop->Name());
    ASSERT_GE(names.size(), 4u);
    EXPECT_EQ(names[0], "Name");
    EXPECT_EQ(names[1], "Tag");
    EXPECT_EQ(names[2], "Caption");
    EXPECT_EQ(names.back(), "Extra");
    EXPECT_EQ(GetPropInfo(TDerivedWidget::StaticClass(), "caption"), GetPropList(TDerivedWidget::StaticClass())[2]);
    EXPECT_FALSE(GetPropInfo(TDerivedWidget::StaticClass(), "Caption")->Writable());
    EXPECT_TRUE(GetPropInfo(TTestWidget::StaticClass(), "Caption")->Writable());
    EXPECT_TRUE(IsPublishedProp(TTestWidget::StaticClass(), "ONCLICK"));
    EXPECT_FALSE(IsPublishedProp(TTestWidget::StaticClass(), "Extra"));
}

TEST(TypInfo, KindsAndTypeNames) {
    struct Case {
        const char* prop;
        TTypeKind kind;
        const char* typeName;
    } cases[] = {
        {"Caption", tkLString, "String"}, {"Hint", tkWString, "WideString"}, {"Count", tkInteger, "Integer"},
        {"Big", tkInt64, "Int64"},        {"Ratio", tkFloat, "Double"},      {"Align", tkEnumeration, "TTestAlign"},
        {"Styles", tkSet, "set of TTestStyle"}, {"Enabled", tkEnumeration, "Boolean"}, {"Accel", tkChar, "Char"},
        {"WideAccel", tkWChar, "WideChar"}, {"Color", tkInteger, "TTestColor"}, {"Font", tkClass, "TTestFont"},
        {"Source", tkClass, "TComponent"}, {"OnClick", tkMethod, "TNotifyEvent"}, {"Value", tkVariant, "Variant"},
    };
    for (const Case& c : cases) {
        PPropInfo prop = GetPropInfo(TTestWidget::StaticClass(), c.prop);
        ASSERT_NE(prop, nullptr) << c.prop;
        EXPECT_EQ(prop->Kind(), c.kind) << c.prop;
        EXPECT_EQ(prop->PropType()->Name, c.typeName) << c.prop;
    }
    PTypeInfo align = GetPropInfo(TTestWidget::StaticClass(), "Align")->PropType();
    EXPECT_EQ(GetEnumName(align, 2), "taBottom");
    EXPECT_EQ(GetEnumName(align, 9), "");
    EXPECT_EQ(GetEnumValue(align, "TACLIENT"), 3);
    EXPECT_EQ(GetEnumValue(align, "alClient"), -1);
}

TEST(TypInfo, ReadsAndWritesEveryKindByName) {
    TTestWidget w(nullptr);
    SetStrProp(&w, "Caption", "确实");
    EXPECT_EQ(w.Caption(), "确实");
    SetStrProp(&w, "Hint", "确实");
    EXPECT_EQ(w.Hint(), u"确实");
    EXPECT_EQ(GetStrProp(&w, "Hint"), "确实");
    SetWideStrProp(&w, "Caption", u"宽");
    EXPECT_EQ(GetWideStrProp(&w, "Caption"), u"宽");
    SetOrdProp(&w, "Count", 12);
    EXPECT_EQ(GetOrdProp(&w, "count"), 12);
    SetOrdProp(&w, "Big", Int64{1} << 40);
    EXPECT_EQ(w.Big(), Int64{1} << 40);
    SetFloatProp(&w, "Ratio", 0.5);
    EXPECT_DOUBLE_EQ(GetFloatProp(&w, "Ratio"), 0.5);
    SetEnumProp(&w, "Align", "taTop");
    EXPECT_EQ(GetEnumProp(&w, "Align"), "taTop");
    SetEnumProp(&w, "Enabled", "False");
    EXPECT_FALSE(w.Enabled());
    SetSetProp(&w, "Styles", "[tsItalic, tsUnderline]");
    EXPECT_EQ(GetOrdProp(&w, "Styles"), 0b110);
    EXPECT_EQ(GetSetProp(&w, "Styles"), "tsItalic,tsUnderline");
    EXPECT_EQ(GetSetProp(&w, "Styles", true), "[tsItalic,tsUnderline]");
    EXPECT_THROW(SetSetProp(&w, "Styles", "[tsStrike]"), EPropertyConvertError);

    TTestWidget other(nullptr);
    SetObjectProp(&w, "Source", &other);
    EXPECT_EQ(GetObjectProp(&w, "Source"), &other);
    EXPECT_EQ(GetObjectProp(&w, "Font"), w.Font());
    TTestFont font;
    EXPECT_THROW(SetObjectProp(&w, "Source", &font), EPropertyConvertError);

    int clicks = 0;
    TMethod method = TNotifyEvent([&](TObject*) { ++clicks; }, "Clicked").ToMethod();
    SetMethodProp(&w, "OnClick", method);
    EXPECT_EQ(GetMethodProp(&w, "OnClick"), method);
    w.OnClick()(&w);
    EXPECT_EQ(clicks, 1);
    EXPECT_THROW(SetMethodProp(&w, "OnCount", method), EConvertError);

    SetVariantProp(&w, "Value", Variant(7));
    EXPECT_EQ(GetVariantProp(&w, "Value").AsInteger(), 7);
    EXPECT_THROW(GetVariantProp(&w, "Count"), EPropertyConvertError);
    EXPECT_EQ(VarType(GetPropValue(&w, "Enabled")), varBoolean);
    EXPECT_EQ(GetPropValue(&w, "Align").AsInteger(), taTop);
    EXPECT_EQ(GetPropValue(&w, "Caption").AsString(), "宽");
    SetPropValue(&w, "Align", Variant("taBottom"));
    SetPropValue(&w, "Count", Variant("15"));
    SetPropValue(&w, "Styles", Variant("[tsBold]"));
    EXPECT_EQ(w.Align(), taBottom);
    EXPECT_EQ(w.Count(), 15);
    EXPECT_EQ(w.Styles(), TTestStyles{tsBold});
    EXPECT_THROW(GetPropValue(&w, "OnClick"), EPropertyConvertError);

    EXPECT_THROW(GetOrdProp(&w, "Nope"), EPropertyError);
    EXPECT_THROW(GetOrdProp(&w, "Caption"), EPropertyConvertError);
    TDerivedWidget derived(nullptr);
    EXPECT_THROW(SetStrProp(&derived, "Caption", "x"), EPropertyError);
}

TEST(TypInfo, PublishedMethodsAndFieldsByName) {
    std::unique_ptr<TTestModule> module(TTestModule::Create(nullptr, 0));
    TMethod click = MethodAddress(module.get(), "widget1click");
    ASSERT_TRUE(click.Assigned());
    EXPECT_EQ(click.Name, "Widget1Click");
    EXPECT_EQ(MethodName(module.get(), click), "Widget1Click");
    EXPECT_FALSE(MethodAddress(module.get(), "Missing").Assigned());
    TNotifyEvent::FromMethod(click)(nullptr);
    EXPECT_EQ(module->clicks, 1);

    // Naming an owned component points the published field at it.
    auto* widget = new TTestWidget(module.get());
    EXPECT_EQ(module->Widget1, nullptr);
    widget->SetName("Widget1");
    EXPECT_EQ(module->Widget1, widget);
    delete widget;
    EXPECT_EQ(module->Widget1, nullptr);
}

}  // namespace
